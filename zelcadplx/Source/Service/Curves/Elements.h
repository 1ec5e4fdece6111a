#pragma once
// The plane curve family: TCurve2D, the abstract parametric curve t -> (x, y) with its shared
// caches, record head and generic algorithms (lengths of parts, curvature, tangents, sides,
// steps), and TBasePoint, the point curve that anchors every curve with a reference point.
// Segments and lines live in LineSeg.h, circles and arcs in Arc.h.

#include "DString.h"
#include "Mathemat.h"
#include "TArray.h"

class TKmfData;
class TPolyLine;
class TInterSector;
class TGImage;

// Type codes of IsType(); a contour stores them before each of its items.
enum TCurveType : Integer {
    ctPoint = 1,
    ctLineSeg = 2,
    ctCircle = 3,
    ctArc = 4,
    ctText = 5,
    ctLine = 6,
    ctPolyLine = 8,
    ctBase = 10,
};

// Abstract plane curve over the parameter interval [GetTMin(), GetTMax()]. The caches
// (closed, paramLength, metricLength, Gabaryt) are filled by Calculate() and cleared by
// Refresh(); operations that rebuild a curve end with Refresh(), Mtr/Load/Inverse do not.
class TCurve2D : public TMathDef {
public:
    static constexpr Real emptyBoxCoo = 1e300; // corners of the empty box
    static constexpr Integer nameVersion = 89; // first stream version with Name2 in the head
    static constexpr Real regionTolerance =
        TMathDef::metricRegion; // InRegion tolerance of the crossing checks

    Integer Name2 = 0;                // number assigned by the owner or the user
    Integer Atr = 0;                  // style or colour code read by the drawing code
    mutable Boolean closed = false;   // cached IsClosed()
    mutable Real paramLength = -1.0;  // cached GetTMax() - GetTMin(); -1 not computed
    mutable Real metricLength = -1.0; // cached GetMetricLength(); negative: caches not computed
    mutable TRect2D Gabaryt = EmptyBox();
    Real startParam = 0.0;           // parameter offset kept for the owning contour
    Integer Index = 0;               // position in the owner
    const TCurve2D* Owner = nullptr; // the contour holding this curve; not owned
    void* Obj = nullptr;             // opaque user pointer; not owned

    TCurve2D() = default;
    TCurve2D(const TCurve2D&) = default;
    TCurve2D& operator=(const TCurve2D&) = default;

    static TRect2D EmptyBox() noexcept
    {
        TRect2D R;
        R.LD.Set(emptyBoxCoo, emptyBoxCoo);
        R.RU.Set(-emptyBoxCoo, -emptyBoxCoo);
        return R;
    }

    // Virtual operations, in their slot order (derived classes append after InterSectVertical).
    virtual ~TCurve2D() = default;
    virtual int IsType() const { return ctBase; }
    virtual operator TString() const { return TString(); }
    virtual void Calculate() const;
    virtual void Refresh() const;
    virtual bool IsClosed() const { return false; }
    virtual bool IsDirect() const { return true; }
    virtual double GetTMin() const { return 0.0; }
    virtual double GetTMax() const { return 1.0; }
    virtual TRegion1D GetRegion() const;
    // Strict on both ends: r.min - Eps < t < r.max + Eps.
    virtual bool InRegion(double t, double Eps) const;
    virtual double GetMetricLength() const { return 0.0; }
    virtual double GetMetricLengthPart(double t1, double t2) const;
    virtual double GetParamLengthPart(double t1, double t2) const;
    // Parameter <-> polar angle of the point for the circular classes; identity here.
    virtual void ParamToAngle(double&) const {}
    virtual void AngleToParam(double&) const {}
    // Signed: positive when the curve turns left.
    virtual double Curvature(double t) const;
    virtual double CurvatureDerive(double t) const;
    // 1 / Curvature, or 1e10 for a straight piece.
    virtual double CurvatureRadius(double t) const;
    // Checked forms bring t into the interval first; the _ forms use t as given.
    virtual void PointOn(double t, TPoint2D& pnt) const = 0;
    virtual TPoint2D PointTMax() const;
    virtual TPoint2D PointTMin() const;
    virtual void FirstDer(double t, TVector2D& V) const = 0;
    virtual void SecondDer(double t, TVector2D& V) const = 0;
    virtual void ThirdDer(double t, TVector2D& V) const = 0;
    virtual void _PointOn(double t, TPoint2D& pnt) const = 0;
    virtual void _FirstDer(double t, TVector2D& V) const = 0;
    virtual void _SecondDer(double t, TVector2D& V) const = 0;
    virtual void _ThirdDer(double t, TVector2D& V) const = 0;
    // Unit tangent; the raw derivative when it is shorter than 2e-6.
    virtual void TangentOn(double t, TVector2D& V) const;
    virtual void _TangentOn(double t, TVector2D& V) const;
    // Unit normal a quarter turn left of the tangent.
    virtual void NormalOn(double t, TVector2D& V) const;
    virtual void _NormalOn(double t, TVector2D& V) const;
    // Parameter of the nearest point of the curve to P into t; ext allows t outside the
    // interval; a non-empty R replaces the interval. False (t untouched) when none is found.
    virtual bool NearPointProjection(const TPoint2D& P, TPoint2D Eps, double& t, bool ext,
                                     TRegion1D* R) const;
    // 1 left of the direction of travel, -1 right, 0 within eps of the curve.
    virtual int PointRelative(const TPoint2D& P, double eps) const;
    virtual double DistanceTo(const TPoint2D& P) const;
    // Appends sample points to L's point array (never clears it).
    virtual void Aproximate(TPolyLine& L) const;
    // Record: Name2, Atr (int32 each), then the class fields.
    virtual void Store(TKmfData& S) const;
    virtual void Load(TKmfData& S);
    // New objects below are owned by the caller.
    virtual TCurve2D* Duplicate() const = 0;
    // 1 changed in place, 2 nothing done (degenerate part), 0 nothing cut / part handed back.
    virtual int TrimmPart(double t1, double t2, TCurve2D*& part2) = 0;
    // 1 done, 2 nothing remains, 0 nothing done.
    virtual int DeletePart(double t1, double t2, TCurve2D*& part2) = 0;
    virtual TCurve2D* Trimmed(double& t1, double& t2, int sense) const = 0;
    virtual TCurve2D* Offset(const double& R) const = 0;
    virtual void Inverse() = 0;
    virtual void Mtr(const TMtr2D&) {}
    virtual void Left(double&, double&) const {}
    virtual void Right(double&, double&) const {}
    virtual void Top(double&, double&) const {}
    virtual void Bottom(double&, double&) const {}
    virtual void Rect(TRect2D& R) const { R = EmptyBox(); }
    // Crossings with P appended to IS; returns their count.
    virtual int InterSect(const TCurve2D*, TInterSector&) const { return 0; }
    virtual bool SelfIntersect(const TRegion1D&, TInterSector&, bool) const { return false; }
    // Parameters where the curve meets the horizontal line at y (vertical line at x).
    virtual void InterSectHorizontal(double, TArrayOf<double>&) const {}
    virtual void InterSectVertical(double, TArrayOf<double>&) const {}

    // Parameter per unit of length, of the whole curve and at t.
    double GetParamToUnit() const;
    double GetParamToUnit(const double& t) const;
    // Into the interval: wrap when closed, clamp when open.
    void CorrectParameter(double& t) const;
    // Snap to an end within eps; wraps a closed curve unless extRegion.
    void CorrectParameter(bool extRegion, double& t, const double& eps) const;
    static void CorrectParameter(bool extRegion, bool ClosedRegion, double pmin, double pmax, double& t,
                                 double eps);
    // The points at t and at C's Ct agree within Eps in x and in y; false for a null C.
    bool IsLink(double t, const TCurve2D* C, double Ct, const double& Eps) const;
    bool IsLink(double t, const TCurve2D& C, double Ct, const double& Eps) const;
    bool IsDegenerate() const;
    // Parameter step after which the tangent turns by about angle radians.
    double DeviationStep(double t, double angle) const;

protected:
    // The head fields that Duplicate copies (startParam 0, Owner null, Index kept at 0).
    void CopyHead(const TCurve2D& C) noexcept;
    // Appends P to L's points, growing the array by one when full.
    static void AppendPoint(TPolyLine& L, const TPoint2D& P);

private:
    // Brings a and b into the interval and returns the span from a to b; k receives GetParamToUnit().
    double PartSpan(double t1, double t2, double& k) const;
};

// Adds t to AParam unless an element lies within Eps of it; always true.
bool CheckParameter(TArrayOf<double>& AParam, const double& t, const double& Eps);
// Drawing hooks of a recorded image; they have no effect.
void SetColorStyle(TGImage* GI, unsigned int Atr);
void UnSetColorStyle(TGImage* GI, unsigned int Atr);

// A point handled as a curve, and the reference point (start, first point, centre,
// insertion point) of every anchored curve.
class TBasePoint : public TCurve2D, public TPoint2D {
public:
    // The distance below which a point lies on its partner in InterSect.
    static constexpr Real onCurveTolerance = TMathDef::metricNear;

    TBasePoint() = default;
    TBasePoint(Real ix, Real iy) noexcept : TPoint2D(ix, iy) {}
    TBasePoint(const TBasePoint&) = default;
    TBasePoint& operator=(const TBasePoint&) = default;

    using TCurve2D::DistanceTo; // the curve's distance, not the point-to-point one
    using TPoint2D::EquEps;

    ~TBasePoint() override = default;
    int IsType() const override { return ctPoint; }
    // "Point (  1.500, -2.000)".
    operator TString() const override;
    double GetTMin() const override { return 0.0; }
    double GetTMax() const override { return 0.0; }
    double GetMetricLength() const override { return 0.0; }
    void PointOn(double, TPoint2D& pnt) const override { pnt.Set(x, y); }
    void FirstDer(double, TVector2D& V) const override { V.Set(0.0, 0.0); }
    void SecondDer(double, TVector2D& V) const override { V.Set(0.0, 0.0); }
    void ThirdDer(double, TVector2D& V) const override { V.Set(0.0, 0.0); }
    void _PointOn(double, TPoint2D& pnt) const override { pnt.Set(x, y); }
    void _FirstDer(double, TVector2D& V) const override { V.Set(0.0, 0.0); }
    void _SecondDer(double, TVector2D& V) const override { V.Set(0.0, 0.0); }
    void _ThirdDer(double, TVector2D& V) const override { V.Set(0.0, 0.0); }
    bool NearPointProjection(const TPoint2D&, TPoint2D, double&, bool, TRegion1D*) const override
    {
        return false;
    }
    void Store(TKmfData& S) const override;
    void Load(TKmfData& S) override;
    TCurve2D* Duplicate() const override;
    int TrimmPart(double, double, TCurve2D*&) override { return 0; }
    int DeletePart(double, double, TCurve2D*&) override { return 0; }
    TCurve2D* Trimmed(double&, double&, int) const override { return nullptr; }
    TCurve2D* Offset(const double&) const override { return nullptr; }
    void Inverse() override {}
    // Applies the top of the facade's 2D transformation stack; M is not read.
    void Mtr(const TMtr2D& M) override;
    void Left(double& ix, double& iy) const override
    {
        ix = x;
        iy = y;
    }
    void Right(double& ix, double& iy) const override
    {
        ix = x;
        iy = y;
    }
    void Top(double& ix, double& iy) const override
    {
        ix = x;
        iy = y;
    }
    void Bottom(double& ix, double& iy) const override
    {
        ix = x;
        iy = y;
    }
    void Rect(TRect2D& R) const override
    {
        R.LD.Set(x, y);
        R.RU.Set(x, y);
    }
    // Empties IS's list, then 1 when this point lies within 1e-4 of P (one crossing appended),
    // else 0; 20 for a derived class that keeps this operation.
    int InterSect(const TCurve2D* P, TInterSector& IS) const override;
    bool SelfIntersect(const TRegion1D&, TInterSector&, bool) const override { return false; }

protected:
    // The point's record after the head: x, y.
    void StorePoint(TKmfData& S) const;
    void LoadPoint(TKmfData& S);
};
