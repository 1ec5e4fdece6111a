#pragma once
// TNurbs, the non-uniform rational B-spline curve: control points in the polyline's Points,
// its own knots and weights. Evaluation keeps the knot span, the basis table and the control
// points of the derivative curves between calls and refreshes them only when the span changes.

#include "PolyLine.h"

#include <vector>

enum NurbsCurveForm : Integer {
    Unspecified = 0,
    PolylineForm = 1,
    CircularArc = 2,
    EllipticArc = 3,
    ParabolicArc = 4,
    HyperbolicArc = 5,
    BezierForm = 6,
    SmoothForm = 7,
    CompositeForm = 8,
    HermitForm = 9,
    FineBezierForm = 10,
    SurfacePoleForm = 11,
    PolinomialForm = 12,
};

// Coefficients x, y (and the weight w of a rational curve, else empty) of one derivative curve.
struct TNurbsVector2D {
    std::vector<Real> x, y, w;
    // count values for x, y (and w when bWeight); nothing for count <= 0.
    void CatchMemory(int count, bool bWeight);
};

// First index of the ascending AParam whose value is >= t (the count when none), searched from
// the hint I; false for an empty array.
bool ArrayFind(const TArrayOf<double>& AParam, double& t, int& I);
// Knot span of t for the order degree: the largest i with knots[i] <= t < knots[i + 1]; t is
// clamped to the parameter range and the end parameter gets the last non-empty span.
int KnotIndex(int degree, const TArrayOf<double>& knots, double& t);
// Basis functions of degree P at t in span I into the upper triangle of ndu (ndu[j][r]: basis j
// of degree r) with the reciprocal knot differences in its lower triangle; newPatch false reuses
// those reciprocals. left and right hold P + 1 values each (made here when null).
void AllBasisFuns(int I, double& t, int P, const TArrayOf<double>& knots, double** ndu, double* left,
                  double* right, bool newPatch);
// Control points of the derivative curves of order 0 .. d over the control points r1 .. r2 into
// PK (homogeneous when PK[0].w exists); PW, when given, replaces the control points of order 0.
void CurveDeriveCpts(int p, const TArrayOf<double>& U, const TArrayOf<TPoint2D>& P, const TArrayOf<double>& W,
                     const TNurbsVector2D* PW, int d, int r1, int r2, TNurbsVector2D* PK);
// sum = the sum over j of pk[j] nd[j][jcount]; negligible basis values are skipped.
void EiSum(const double* pk, double** nd, int jcount, double& sum);

class TNurbs : public TPolyLine {
public:
    static constexpr Integer noSpan = 2147483647;

    Integer degree = 0;        // the order k (polynomial degree k - 1)
    Integer uppKnotsIndex = 0; // knots.Count - 1
    TAReal knots;              // non-decreasing; range [knots[k - 1], knots[uppKnotsIndex - k + 1]]
    TAReal weights;            // one per control point
    TAReal closeSegments;
    NurbsCurveForm form = Unspecified;

    mutable TVector2D rc[4];            // point and derivatives at tCalc; x = -1e300: not computed
    mutable Integer leftIndex = noSpan; // current knot span

    TNurbs() = default;
    // The curve data is copied, the caches are not.
    TNurbs(const TNurbs& N);
    TNurbs& operator=(const TNurbs& N);
    ~TNurbs() override;

    // Makes the caches; false for an order below 1 or data too short for it (fewer than 2k
    // knots, fewer control points or weights than Segments + 1).
    bool CatchMemory() const;
    void FreeMemory() const;
    // 1 when the caches exist or could be made; else rc 0, wc 1 and 0.
    Integer InitSegments() const;
    // Positions the caches at t; t is clamped (open) or wrapped (closed) and written back.
    void CalculateSegment(Real& t) const;
    // rc[n] (and wc[n]) from the derivative control points, unless already computed.
    void CalculateSpline(Integer n) const;
    // The n-th derivative (n = 0 .. 3) at tCalc: by the quotient rule for a rational curve.
    TVector2D CalculateSplineWeight(Integer n) const;
    // Clamped or wrapped into the range; (0, 0) without valid data or for a zero weight.
    void PointOn(double t, TPoint2D& Point) const override;

    bool Rational() const { return FRational; }
    bool HasWeightCache() const { return !wc.empty(); }

private:
    bool DataValid() const;
    void MarkNotComputed() const;
    // Homogeneous derivative n (weight into wn) at tCalc.
    TVector2D Homogeneous(Integer n, Real& wn) const;

    mutable std::vector<TNurbsVector2D> pk; // min(k, 4) sets, set i of k - i values
    mutable std::vector<Real> ndStore;      // k x k
    mutable std::vector<Real*> nd;          // rows of ndStore
    mutable std::vector<Real> wc;           // 4 values, rational only
    mutable std::vector<Real> m_left, m_right;
    mutable bool FRational = false;
};
