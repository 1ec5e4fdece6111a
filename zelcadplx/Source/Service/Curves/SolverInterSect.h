#pragma once
// Crossings of plane curves: the crossing records (TCrossPoint with its two TPointOnCurve
// positions), the collector TInterSector and its analytic solvers for the pairs of points,
// straight lines and circles. Every curve's InterSect collects through it.

#include "DString.h"
#include "Mathemat.h"
#include "TArray.h"

class TCurve2D;

// A parameter holder with its own comparison tolerance.
template <class TValue, double Tolerance> class TParameter {
public:
    TValue Value{};
    static constexpr double tolerance = Tolerance;
};

using TCoo = TParameter<double, 1e-8>;

// A position on a curve, in that curve's own parametrisation; the curve is not owned.
class TPointOnCurve : public TCoo {
public:
    Real t = 0.0;
    const TCurve2D* curve = nullptr;

    TPointOnCurve() = default;
    TPointOnCurve(Real it, const TCurve2D* C) noexcept : t(it), curve(C) {}
    TPointOnCurve(const TPointOnCurve&) = default;
    TPointOnCurve& operator=(const TPointOnCurve&) = default;
    virtual ~TPointOnCurve() = default;

    // |t - the curve's end| <= Eps; false without a curve.
    Boolean IsTMax(const Real Eps) const;
    Boolean IsTMin(const Real Eps) const;
};

// One crossing of two curves: the point and its position on each.
class TCrossPoint : public TMathDef {
public:
    enum TIntersection : UInteger { ipt_Simple = 1, ipt_Tangent = 2, ipt_Overlay = 3 };
    using CP = TPointOnCurve;

    TIntersection form = ipt_Simple;
    TPoint2D p;
    CP on1;
    CP on2;

    TCrossPoint() = default;
    TCrossPoint(const TCrossPoint&) = default;
    TCrossPoint& operator=(const TCrossPoint&) = default;
    virtual ~TCrossPoint() = default;

    // The crossing joins the end of one curve to the start of the other (within Eps in parameter).
    Boolean IsLink(const Real Eps) const;
};

// Collects the crossings of pairs of curves; the curves are never owned.
class TInterSector : public TMathDef {
public:
    static constexpr Integer arrayStep = 64;
    static constexpr Real defaultEps = TMathDef::metricEpsilon;
    static constexpr Real linkEps = TMathDef::metricNear;       // DeleteLinkCrossPoint's end tolerance
    static constexpr Real pointPointEps = TMathDef::metricNear; // two points coincide per coordinate
    // A point lies on a curve below this distance. Own value, coarser than every TMathDef
    // tolerance: the point-on-curve answers depend on it exactly.
    static constexpr Real pointCurveDistance = 1e-3;

    TArrayOf<TCrossPoint> ACrossPoint{arrayStep, arrayStep};
    TPoint2D Eps{defaultEps, defaultEps}; // per-axis tolerance of the solvers
    Real eps = defaultEps;

    TInterSector() = default;
    TInterSector(const TInterSector&) = delete;
    TInterSector& operator=(const TInterSector&) = delete;

    // The process-wide second collector.
    static TInterSector& Instance2();

    // Appends (ipt_Simple, P, (t1, C1), (t2, C2)) when both curves' InRegion accept their
    // parameters within 2e-7; 1 then, else 0.
    Integer Validate(const TPoint2D& P, const TCurve2D* C1, const Real& t1, const TCurve2D* C2,
                     const Real& t2);
    // Removes every crossing that joins the end of one curve to the start of the other;
    // the others are traced into TestA. C is not consulted.
    void DeleteLinkCrossPoint(const TCurve2D* C);
    // Appends one crossing without checks.
    void Append(TCrossPoint::TIntersection form, const TPoint2D& P, Real t1, const TCurve2D* C1, Real t2,
                const TCurve2D* C2);

    // Appends the crossings of C1 and C2 (on1 on C1); returns how many were appended.
    Integer InterSection(const TCurve2D* C1, const TCurve2D* C2);
    // Segments or lines: 0 or 1 (parallel lines, overlapping ones included, give 0).
    Integer InterSectLineLine(const TCurve2D* C1, const TCurve2D* C2);
    // C1 a segment or line, C2 a circle or arc: 0 to 2.
    Integer InterSectLineCircle(const TCurve2D* C1, const TCurve2D* C2);
    // Circles or arcs: the count appended, or -1 concentric / -2 the same circle (none appended).
    Integer InterSectCircleCircle(const TCurve2D* c1, const TCurve2D* c2);

private:
    Integer InterSectPointPoint(const TCurve2D* C1, const TCurve2D* C2);
    Integer InterSectPointCurve(const TCurve2D* C1, const TCurve2D* C2);
    Integer CircleTangent(const TCurve2D* c1, const TCurve2D* c2, const TPoint2D& k1, const TPoint2D& k2,
                          Real R1, Real R2, Real D);
};

// Direction of p2 - p1 in radians, [0, 2 pi); 0 for coincident points.
Real CalcAngle0X(const TPoint2D& p1, const TPoint2D& p2);

// Trace of the last DeleteLinkCrossPoint, kept for inspection.
extern TArrayOf<TString> TestA;
