#pragma once
// The straight curves: TLineSeg, the segment from its start (the anchor point) to (xk, yk),
// and TLine, the infinite line through its anchor point and (x2, y2). Both run at constant
// speed with t = 0 at the first point and t = 1 at the second.

#include "Elements.h"

class TLine;

class TLineSeg : public TBasePoint {
public:
    static constexpr Real degenerateLength = TMathDef::lengthEpsilon; // no projection onto a shorter segment
    static constexpr Real pointLikeCoo = TMathDef::metricEpsilon; // axis crossings of a point-like segment

    Real xk = 0.0;
    Real yk = 0.0;

    TLineSeg() = default;
    TLineSeg(Real ix, Real iy, Real ixk, Real iyk) noexcept : TBasePoint(ix, iy), xk(ixk), yk(iyk) {}
    TLineSeg(const TPoint2D& A, const TPoint2D& B) noexcept : TLineSeg(A.x, A.y, B.x, B.y) {}
    // The long segment of L: from first - 1e6 d to first + 1e6 d; Atr copied, Name2 0.
    explicit TLineSeg(const TLine& L);
    TLineSeg(const TLineSeg&) = default;
    TLineSeg& operator=(const TLineSeg&) = default;

    int IsType() const override { return ctLineSeg; }
    // "LS (  0.000,  0.000 -  10.000 ,   0.000)".
    operator TString() const override;
    double GetTMin() const override { return 0.0; }
    double GetTMax() const override { return 1.0; }
    bool InRegion(double t, double Eps) const override { return TCurve2D::InRegion(t, Eps); }
    double GetMetricLength() const override;
    void PointOn(double t, TPoint2D& P) const override;
    void FirstDer(double t, TVector2D& V) const override;
    void SecondDer(double, TVector2D& V) const override { V.Set(0.0, 0.0); }
    void ThirdDer(double, TVector2D& V) const override { V.Set(0.0, 0.0); }
    void _PointOn(double t, TPoint2D& P) const override { P.Set(x + t * (xk - x), y + t * (yk - y)); }
    void _FirstDer(double t, TVector2D& V) const override { FirstDer(t, V); }
    void _SecondDer(double, TVector2D& V) const override { V.Set(0.0, 0.0); }
    void _ThirdDer(double, TVector2D& V) const override { V.Set(0.0, 0.0); }
    bool NearPointProjection(const TPoint2D& P, TPoint2D Eps, double& t, bool ext,
                             TRegion1D* R) const override;
    // By the sine of the angle between the segment and the direction to P.
    int PointRelative(const TPoint2D& P, double eps) const override;
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
    void InterSectHorizontal(double y0, TArrayOf<double>& ACross) const override;
    void InterSectVertical(double x0, TArrayOf<double>& ACross) const override;

    // The raw difference end - start.
    virtual void GetDirection(TVector2D& v) const { v.Set(xk - x, yk - y); }

private:
    void InterSectAxis(double c0, double c, double dc, double dother, TArrayOf<double>& ACross) const;
};

class TLine : public TBasePoint {
public:
    static constexpr Real fixedLength = 1e7; // the metric length given to the unbounded line
    static constexpr Real longReach = 1e6;   // the long segment reaches this many d each way
    static constexpr Real infinity = 1e300;

    Real x2 = 0.0;
    Real y2 = 0.0;

    TLine() = default;
    TLine(Real ix, Real iy, Real ix2, Real iy2) noexcept : TBasePoint(ix, iy), x2(ix2), y2(iy2) {}
    TLine(const TPoint2D& A, const TPoint2D& B) noexcept : TLine(A.x, A.y, B.x, B.y) {}
    TLine(const TLine&) = default;
    TLine& operator=(const TLine&) = default;

    int IsType() const override { return ctLine; }
    // "L (  0.000,  0.000 -   1.000 ,   0.000)".
    operator TString() const override;
    double GetTMin() const override { return 0.0; }
    double GetTMax() const override { return 1.0; }
    bool InRegion(double, double) const override { return true; }
    double GetMetricLength() const override { return fixedLength; }
    void PointOn(double t, TPoint2D& P) const override { _PointOn(t, P); }
    void FirstDer(double, TVector2D& V) const override { V.Set(x2 - x, y2 - y); }
    void SecondDer(double, TVector2D& V) const override { V.Set(0.0, 0.0); }
    void ThirdDer(double, TVector2D& V) const override { V.Set(0.0, 0.0); }
    void _PointOn(double t, TPoint2D& P) const override { P.Set(x + t * (x2 - x), y + t * (y2 - y)); }
    void _FirstDer(double, TVector2D& V) const override { V.Set(x2 - x, y2 - y); }
    void _SecondDer(double, TVector2D& V) const override { V.Set(0.0, 0.0); }
    void _ThirdDer(double, TVector2D& V) const override { V.Set(0.0, 0.0); }
    bool NearPointProjection(const TPoint2D& P, TPoint2D Eps, double& t, bool ext,
                             TRegion1D* R) const override;
    // By the raw cross product d x (P - first).
    int PointRelative(const TPoint2D& P, double eps) const override;
    void Store(TKmfData& S) const override;
    void Load(TKmfData& S) override;
    TCurve2D* Duplicate() const override;
    int TrimmPart(double, double, TCurve2D*&) override { return 0; }
    int DeletePart(double, double, TCurve2D*&) override { return 0; }
    TCurve2D* Trimmed(double&, double&, int) const override { return nullptr; }
    TCurve2D* Offset(const double& R) const override;
    void Inverse() override {}
    void Mtr(const TMtr2D& M) override;
    void Left(double& ix, double& iy) const override { ix = iy = -infinity; }
    void Right(double& ix, double& iy) const override { ix = iy = infinity; }
    void Top(double& ix, double& iy) const override { ix = iy = infinity; }
    void Bottom(double& ix, double& iy) const override { ix = iy = -infinity; }
    void Rect(TRect2D& R) const override;
    // Through the long segment; the crossings name this line with its own parameters.
    int InterSect(const TCurve2D* P, TInterSector& IS) const override;
    void InterSectHorizontal(double y0, TArrayOf<double>& ACross) const override;
    void InterSectVertical(double x0, TArrayOf<double>& ACross) const override;

    // Unit direction (the raw difference when shorter than 2e-6).
    virtual void GetDirection(TVector2D& v) const;
    // Parameter of the foot of the perpendicular from Point; 0 for coincident points.
    virtual double Projection(const TPoint2D& Point) const;
    virtual void Projection(const TPoint2D& Point, TPoint2D& Result) const;
};

// Parameter on a line of the point at parameter s of its long segment.
inline Real LongSegmentToLine(Real s) noexcept
{
    return 2.0 * TLine::longReach * s - TLine::longReach;
}
