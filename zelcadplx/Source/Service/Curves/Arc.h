#pragma once
// The circular curves: TCircle, a whole circle about its anchor point, and TArc, the part of a
// circle from polar angle A1 to A2 in its direction of travel. The parameter is an angle in
// radians: 0 .. 2 pi for the circle, 0 .. |A2 - A1| from the arc's start for the arc.
// Sources: Arc.cpp; ArcTrim.cpp (kept and removed parts), CurveInterSect.cpp (the
// intersections of segment, line, circle and arc), CurveSampling.cpp (curves sampled into
// polylines).

#include "Elements.h"

class TCircle : public TBasePoint {
public:
    Real Radius = 0.0;
    // Cache of the last evaluated angle and its cosine and sine.
    mutable Real ct = 0.0;
    mutable Real cosT = 1.0;
    mutable Real sinT = 0.0;

    TCircle() = default;
    TCircle(Real ix, Real iy, Real R) noexcept : TBasePoint(ix, iy), Radius(R) {}
    TCircle(const TCircle& C) noexcept : TBasePoint(C), Radius(C.Radius) {}
    TCircle& operator=(const TCircle& C) noexcept;

    int IsType() const override { return ctCircle; }
    // "Circle (  0.000,  0.000  R=   2.00)".
    operator TString() const override;
    bool IsClosed() const override { return true; }
    double GetTMin() const override { return 0.0; }
    double GetTMax() const override { return C_2PI; }
    bool InRegion(double, double) const override { return true; }
    double GetMetricLength() const override { return C_2PI * Radius; }
    void PointOn(double t, TPoint2D& P) const override { PointAtAngle(t, P); }
    void FirstDer(double t, TVector2D& V) const override { FirstDerAtAngle(t, V); }
    void SecondDer(double t, TVector2D& V) const override { SecondDerAtAngle(t, V); }
    void ThirdDer(double t, TVector2D& V) const override { ThirdDerAtAngle(t, V); }
    void _PointOn(double t, TPoint2D& P) const override { PointAtAngle(t, P); }
    void _FirstDer(double t, TVector2D& V) const override { FirstDerAtAngle(t, V); }
    void _SecondDer(double t, TVector2D& V) const override { SecondDerAtAngle(t, V); }
    void _ThirdDer(double t, TVector2D& V) const override { ThirdDerAtAngle(t, V); }
    bool NearPointProjection(const TPoint2D& P, TPoint2D Eps, double& t, bool ext,
                             TRegion1D* R) const override;
    // 1 inside, -1 outside, 0 within eps of the circle.
    int PointRelative(const TPoint2D& P, double eps) const override;
    void Store(TKmfData& S) const override;
    void Load(TKmfData& S) override;
    TCurve2D* Duplicate() const override;
    // The kept part comes back as a new arc in part2; the circle is unchanged.
    int TrimmPart(double t1, double t2, TCurve2D*& part2) override;
    int DeletePart(double t1, double t2, TCurve2D*& part2) override;
    TCurve2D* Trimmed(double& t1, double& t2, int sense) const override;
    TCurve2D* Offset(const double& R) const override;
    void Inverse() override {}
    // Applies the top of the facade's 2D transformation stack; M is not read.
    void Mtr(const TMtr2D& M) override;
    void Left(double& ix, double& iy) const override
    {
        ix = x - Radius;
        iy = y;
    }
    void Right(double& ix, double& iy) const override
    {
        ix = x + Radius;
        iy = y;
    }
    void Top(double& ix, double& iy) const override
    {
        ix = x;
        iy = y + Radius;
    }
    void Bottom(double& ix, double& iy) const override
    {
        ix = x;
        iy = y - Radius;
    }
    void Rect(TRect2D& R) const override;
    int InterSect(const TCurve2D* P, TInterSector& IS) const override;
    void InterSectHorizontal(double y0, TArrayOf<double>& ACross) const override;
    void InterSectVertical(double x0, TArrayOf<double>& ACross) const override;

    // The circle on the diameter P1-P2.
    void Init(const TPoint2D& P1, const TPoint2D& P2);
    // The circle through three points; false (unchanged) for nearly collinear points.
    bool Init(const TPoint2D& P1, const TPoint2D& P2, const TPoint2D& P3);
    // No point of L lies outside the circle (2e-6 tolerance); true for an empty polyline.
    bool FoundAllPoints(const TPolyLine& L) const;

protected:
    // Evaluations at a polar angle through the cache.
    void CacheAngle(Real a) const;
    void PointAtAngle(Real a, TPoint2D& P) const;
    void FirstDerAtAngle(Real a, TVector2D& V) const;
    void SecondDerAtAngle(Real a, TVector2D& V) const;
    void ThirdDerAtAngle(Real a, TVector2D& V) const;
    // Appends the parameters of the polar angles a1 (and a2 unless single) to ACross.
    void AddAxisAngles(Real a1, Real a2, bool single, TArrayOf<double>& ACross) const;
    void ResetCache() const noexcept
    {
        ct = 0.0;
        cosT = 1.0;
        sinT = 0.0;
    }
};

class TArc : public TCircle {
public:
    enum TDirection : Integer { ByClockWise = -1, Degenerate = 0, BackClockWise = 1 };
    static constexpr Real fullTurnEps = TMathDef::paramEpsilon; // |span - 2 pi| below this: a full turn
    static constexpr Real limitEps = TMathDef::paramNear;       // AnglePertainLimit's tolerance
    static constexpr Integer degreeVersion = 90;                // streams before this hold degrees

    Real A1 = 0.0;
    Real A2 = 0.0;
    TDirection sense = BackClockWise;
    Boolean circle = false;

    TArc() = default;
    // R > 0 counter-clockwise, R < 0 clockwise; angles in radians.
    TArc(Real ix, Real iy, Real R, Real a1, Real a2, Integer atr);
    TArc(const TArc& C) noexcept;
    TArc& operator=(const TArc& C) noexcept;

    int IsType() const override { return ctArc; }
    // "Arc (  0.000,  0.000  R=   2.00   0.000   1.571)".
    operator TString() const override;
    bool IsClosed() const override;
    double GetTMax() const override { return std::fabs(A2 - A1); }
    // The arc's own interval (strict, widened by Eps): a crossing with the rest of the
    // circle is not a crossing with the arc.
    bool InRegion(double t, double Eps) const override { return TCurve2D::InRegion(t, Eps); }
    double GetMetricLength() const override { return (GetTMax() - GetTMin()) * Radius; }
    void ParamToAngle(double& t) const override;
    void AngleToParam(double& t) const override;
    void PointOn(double t, TPoint2D& P) const override;
    void FirstDer(double t, TVector2D& V) const override;
    void SecondDer(double t, TVector2D& V) const override;
    void ThirdDer(double t, TVector2D& V) const override;
    void _PointOn(double t, TPoint2D& P) const override;
    void _FirstDer(double t, TVector2D& V) const override;
    void _SecondDer(double t, TVector2D& V) const override;
    void _ThirdDer(double t, TVector2D& V) const override;
    bool NearPointProjection(const TPoint2D& P, TPoint2D Eps, double& t, bool ext,
                             TRegion1D* R) const override;
    // Half-degree sampling aligned to whole multiples of 0.5 degree.
    void Aproximate(TPolyLine& L) const override;
    void Store(TKmfData& S) const override;
    void Load(TKmfData& S) override;
    TCurve2D* Duplicate() const override;
    int TrimmPart(double t1, double t2, TCurve2D*& part2) override;
    int DeletePart(double t1, double t2, TCurve2D*& part2) override;
    TCurve2D* Trimmed(double& t1, double& t2, int sense) const override;
    TCurve2D* Offset(const double& R) const override;
    void Inverse() override;
    void Mtr(const TMtr2D& M) override;
    void Left(double& ix, double& iy) const override;
    void Right(double& ix, double& iy) const override;
    void Top(double& ix, double& iy) const override;
    void Bottom(double& ix, double& iy) const override;
    void Rect(TRect2D& R) const override;
    int InterSect(const TCurve2D* P, TInterSector& IS) const override;

    void InitByPositionAngles(double a1, double a2, TDirection s);
    // t brought into range as PointOn does (written back for a closed arc); its polar angle.
    double CheckParamToAngle(double& t) const;
    bool AnglePertainLimit(const double& iA) const;
    bool IsCircle(double) const { return true; }

private:
    void RangeParam(double& t) const;
    // The extreme candidate (start, end, the point at polar angle a) by the key.
    TPoint2D Extreme(Real a, Real sx, Real sy) const;
    TDirection OwnDirection() const noexcept { return A1 < A2 ? BackClockWise : ByClockWise; }
};
