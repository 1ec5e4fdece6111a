// Space triangles and their plan-view tests.
#include "Triangle3D.h"

#include <utility>

namespace {

// A line shorter than this (squared: 0.25) separates nothing in the shadow tests.
constexpr Real kShortEdgeSqr = 0.25;
// Below this |n.z| a triangle is seen edge-on from above (a component of a unit normal, not a
// length, so none of TMathDef's tolerances applies).
constexpr Real kEdgeOnNormalZ = 0.0005;
// IntersectLine: crossings nearer the ends than these are not counted.
constexpr Real kParamLow = 0.02;
constexpr Real kParamHigh = 0.98;
constexpr Real kNearEndSqr = 1.0;
constexpr Real kParallelDen = TMathDef::metricNear;

TString TriangleNum(Real v)
{
    return TString(v, 2, true, 7);
}

Real TriangleCross2D(const TPoint3D& A, const TPoint3D& B, const TPoint3D& P)
{
    return (B.x - A.x) * (P.y - A.y) - (B.y - A.y) * (P.x - A.x);
}

Real SqrLen2D(const TPoint3D& A, const TPoint3D& B)
{
    return (B.x - A.x) * (B.x - A.x) + (B.y - A.y) * (B.y - A.y);
}

// Corners in counterclockwise plan order.
void CounterClockwise(const TTriangle3D& T, TPoint3D (&P)[3])
{
    P[0] = T.A;
    P[1] = T.B;
    P[2] = T.C;
    if (T.C.DistPointLine2D(T.A, T.B) > 0.0) std::swap(P[1], P[2]);
}

// Every corner of Other lies right of, on, or less than half the edge's length left of edge P -> Q.
bool EdgeSeparates(const TPoint3D& P, const TPoint3D& Q, const TPoint3D (&Other)[3])
{
    const Real h = SqrLen2D(P, Q) / 2.0;
    for (const TPoint3D& V : Other)
        if (!(TriangleCross2D(P, Q, V) < h)) return false;
    return true;
}

// True when an edge of T separates it from Other (or an edge is too short to judge).
bool AnyEdgeSeparates(const TPoint3D (&T)[3], const TPoint3D (&Other)[3])
{
    for (int i = 0; i < 3; ++i) {
        const TPoint3D& P = T[i];
        const TPoint3D& Q = T[(i + 1) % 3];
        if (SqrLen2D(P, Q) < kShortEdgeSqr || EdgeSeparates(P, Q, Other)) return true;
    }
    return false;
}

void Range(Real a, Real b, Real c, Real& lo, Real& hi)
{
    lo = std::fmin(a, std::fmin(b, c));
    hi = std::fmax(a, std::fmax(b, c));
}

} // namespace

TVector3D TTriangle3D::Normal() const noexcept
{
    return (TVector3D(A, B) | TVector3D(A, C)).Normalize();
}

void TTriangle3D::getGabaritX(Real& TMin, Real& TMax) const noexcept
{
    Range(A.x, B.x, C.x, TMin, TMax);
}
void TTriangle3D::getGabaritY(Real& TMin, Real& TMax) const noexcept
{
    Range(A.y, B.y, C.y, TMin, TMax);
}
void TTriangle3D::getGabaritZ(Real& TMin, Real& TMax) const noexcept
{
    Range(A.z, B.z, C.z, TMin, TMax);
}

Boolean TTriangle3D::IsCommonGabarytXY(const TTriangle3D& T2) const noexcept
{
    Real x1, x2, y1, y2, u1, u2, v1, v2;
    getGabaritX(x1, x2);
    getGabaritY(y1, y2);
    T2.getGabaritX(u1, u2);
    T2.getGabaritY(v1, v2);
    return x1 <= u2 && u1 <= x2 && y1 <= v2 && v1 <= y2;
}

Boolean TTriangle3D::RightOfLine2D(const TPoint3D& LA, const TPoint3D& LB) const noexcept
{
    if (SqrLen2D(LA, LB) < kShortEdgeSqr) return true;
    const TPoint3D corners[3] = {A, B, C};
    return EdgeSeparates(LA, LB, corners);
}

Real TTriangle3D::AreaXY() const noexcept
{
    return std::fabs(TriangleCross2D(A, B, C)) / 2.0;
}

Boolean TTriangle3D::T2ShadowUp(const TTriangle3D& T2) const noexcept
{
    const TVector3D n = T2.Normal();
    if (std::fabs(n.z) <= kEdgeOnNormalZ || !IsCommonGabarytXY(T2)) return false;
    TPoint3D P1[3], P2[3];
    CounterClockwise(*this, P1);
    CounterClockwise(T2, P2);
    return !AnyEdgeSeparates(P1, P2) && !AnyEdgeSeparates(P2, P1);
}

TTriangle3D::operator TString() const
{
    TString s;
    for (const TPoint3D* P : {&A, &B, &C}) {
        s.Add("(");
        s.Add(TriangleNum(P->x));
        s.Add(" , ");
        s.Add(TriangleNum(P->y));
        s.Add(" , ");
        s.Add(TriangleNum(P->z));
        s.Add(")- ");
    }
    return s;
}

Real SquareTriangle(const Real& x1, const Real& y1, const Real& x2, const Real& y2, const Real& x3,
                    const Real& y3) noexcept
{
    return std::fabs(x1 * y2 + x2 * y3 + x3 * y1 - x2 * y1 - x3 * y2 - x1 * y3);
}

Boolean IntersectLine(const TPoint3D& A1, const TPoint3D& A2, const TPoint3D& A3, const TPoint3D& A4) noexcept
{
    const Real den = (A1.x - A2.x) * (A4.y - A3.y) - (A4.x - A3.x) * (A1.y - A2.y);
    if (std::fabs(den) < kParallelDen) return false;
    const Real t = ((A4.y - A3.y) * (A1.x - A3.x) - (A4.x - A3.x) * (A1.y - A3.y)) / den;
    const Real s = ((A1.x - A2.x) * (A1.y - A3.y) - (A1.x - A3.x) * (A1.y - A2.y)) / den;
    if (t < kParamLow || t > kParamHigh || s < kParamLow || s > kParamHigh) return false;
    const TPoint3D P(A1.x + t * (A2.x - A1.x), A1.y + t * (A2.y - A1.y), 0.0);
    for (const TPoint3D* E : {&A1, &A2, &A3, &A4})
        if (SqrLen2D(P, *E) < kNearEndSqr) return false;
    return true;
}

TPointOnLine TriangleToLine2D(const T3dTriangle& T, const TPoint3D& A, const TPoint3D& B) noexcept
{
    const TVector3D AB(A, B);
    for (const TPoint3D* V : {&T.A, &T.B, &T.C})
        if (TVector3D(A, *V) * AB < -TMathDef::sidePrecision) return LeftLine;
    return RightLine;
}
