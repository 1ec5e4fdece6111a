// The polyline's vertices as a point set or a polygon: convex hull (monotone chain), smallest
// enclosing circle (exhaustive and Welzl), smallest rectangle over the edge directions,
// circle / arc / segment recognition and Sutherland-Hodgman clipping.

#include "PolyLine.h"

#include "Arc.h"

#include <algorithm>
#include <cmath>
#include <vector>

namespace {

constexpr Real collinearCross =
    TMathDef::metricAccuracy;                           // |(Pj - Pi) x (Pk - Pi)| below this: no circumcircle
constexpr Real onCircleEps = TMathDef::metricPrecision; // a vertex this near a circle lies on it
constexpr Real minEdgeLength = TMathDef::metricAccuracy; // shorter edges give no rectangle direction
constexpr Real ringCloseCoo = TMathDef::metricNear; // first and last vertex of a ring agree per coordinate
constexpr Real parallelChordSine =
    TMathDef::metricEpsilon;                          // chords whose directions differ less give no centre
constexpr Real senseCross = TMathDef::lengthEpsilon;  // turns smaller than this count as clockwise
constexpr Real unitLengthMin = TMathDef::nullEpsilon; // shorter vectors are not normalised
// Unit directions agree per coordinate (components of unit vectors; no TMathDef value is 1e-5).
constexpr Real directionEps = 1e-5;
constexpr Integer minRingVertices = 6;
constexpr Integer minArcVertices = 4;
constexpr Integer minLineVertices = 3;

Real Cross(const TVector2D& a, const TVector2D& b)
{
    return a ^ b;
}

// Centre of the circle through P0, P1, P2 from the determinant D = a x b (a = P1 - P0,
// b = P2 - P0), solved relative to P0 so that far-off coordinates lose no digits. D != 0.
TPoint2D Circumcentre(const TPoint2D& P0, const TPoint2D& P1, const TPoint2D& P2)
{
    const TVector2D a = P1 - P0;
    const TVector2D b = P2 - P0;
    const Real D = Cross(a, b);
    const Real c1 = a.SqrLen() * 0.5;
    const Real c2 = b.SqrLen() * 0.5;
    return TPoint2D(P0.x + (c1 * b.y - a.y * c2) / D, P0.y + (c2 * a.x - b.x * c1) / D);
}

bool NoneOutside(const TCircle& C, const TArrayOf<TPoint2D>& Points)
{
    for (const TPoint2D& P : Points)
        if (C.PointRelative(P, onCircleEps) == tl_OutSide) return false;
    return true;
}

void SetCircle(TCircle& C, const TPoint2D& centre, Real radius)
{
    C.Set(centre.x, centre.y);
    C.Radius = radius;
}

// The circle on the farthest pair of A, B, C as diameter.
void DiameterOfFarthest(const TPoint2D& A, const TPoint2D& B, const TPoint2D& C, TCircle& Result)
{
    const TPoint2D* P = &A;
    const TPoint2D* Q = &B;
    if (A.SqrDistanceTo(C) > P->SqrDistanceTo(*Q)) Q = &C;
    if (B.SqrDistanceTo(C) > P->SqrDistanceTo(*Q)) {
        P = &B;
        Q = &C;
    }
    Result.Init(*P, *Q);
}

// The circle fixed by the boundary points R alone (none to three).
void CircleOfBoundary(const TArrayOf<TPoint2D>& R, TCircle& C)
{
    switch (R.Count) {
    case 0:
        SetCircle(C, TPoint2D(), 0.0);
        C.Atr = 1;
        return;
    case 1:
        SetCircle(C, R[0], 0.0);
        C.Atr = 0;
        return;
    case 2:
        C.Init(R[0], R[1]);
        return;
    default:
        break;
    }
    // Nearly collinear: the widest pair spans the circle (the middle point lies inside).
    if (std::fabs(Cross(R[1] - R[0], R[2] - R[0])) < collinearCross) {
        DiameterOfFarthest(R[0], R[1], R[2], C);
        return;
    }
    const TPoint2D centre = Circumcentre(R[0], R[1], R[2]);
    SetCircle(C, centre, centre.DistanceTo(R[0]));
}

// Angle of P - centre in [0, 2 pi).
Real PolarAngle(const TPoint2D& P, const TPoint2D& centre)
{
    return (P - centre).AngleInRadian();
}

TVector2D UnitOrOne(const TVector2D& v)
{
    const Real l = v.Len();
    return l > unitLengthMin ? v / l : v;
}

TVector2D UnitDirection(const TVector2D& v)
{
    const Real l = v.Len();
    return l > TMathDef::metricPrecision ? v / l : v;
}

// The circle through the first three vertices into C (centre and radius), then every further
// vertex must lie within 2e-6 of it. Parallel first chords give no centre: C keeps its centre,
// takes the radius to the first vertex, and the answer is false.
Boolean OnCircleOfFirstThree(const TArrayOf<TPoint2D>& Points, TCircle& C)
{
    const TPoint2D &P0 = Points[0], &P1 = Points[1], &P2 = Points[2];
    const TVector2D a = P1 - P0;
    const TVector2D c = P2 - P1;
    const Real la = a.Len();
    const Real lc = c.Len();
    const bool found = la > 0.0 && lc > 0.0 && std::fabs(Cross(a, c)) > parallelChordSine * la * lc;
    if (found) {
        const TPoint2D centre = Circumcentre(P0, P1, P2);
        C.Set(centre.x, centre.y);
    }
    const TPoint2D centre(C.x, C.y);
    C.Radius = P0.DistanceTo(centre);
    if (!found) return false;
    for (Integer k = 3; k < Points.Count; ++k)
        if (std::fabs(Points[k].DistanceTo(centre) - C.Radius) > onCircleEps) return false;
    return true;
}

} // namespace

// ---------------------------------------------------------------- convex hull

void TPolyLine::ConvexHull(TPolyLine& Result) const
{
    std::vector<TPoint2D> sorted(Points.begin(), Points.end()); // Result may be this polyline
    TArrayOf<TPoint2D>& out = Result.Points;
    if (Points.Count < 3) {
        if (&out != &Points) out = Points;
        return;
    }
    out.Clear();
    std::sort(sorted.begin(), sorted.end(),
              [](const TPoint2D& a, const TPoint2D& b) { return a.x < b.x || (a.x == b.x && a.y < b.y); });
    const auto turnsLeft = [&out](const TPoint2D& p) {
        const TPoint2D& a = out[out.Count - 2];
        return (out[out.Count - 1] - a).Relative(p - a) == tl_Left;
    };
    for (const TPoint2D& p : sorted) {
        while (out.Count >= 2 && !turnsLeft(p))
            --out.Count;
        out.Add(p);
    }
    const Integer lower = out.Count;
    for (Integer k = static_cast<Integer>(sorted.size()) - 2; k >= 0; --k) {
        while (out.Count > lower && !turnsLeft(sorted[k]))
            --out.Count;
        out.Add(sorted[k]);
    }
    --out.Count;
}

// ---------------------------------------------------------------- enclosing circle

void TPolyLine::GetMin(TCircle& Result) const
{
    const Integer n = Points.Count;
    if (n == 0) return;
    if (n == 1) {
        SetCircle(Result, Points[0], 0.0);
        return;
    }
    Iterator A = nullptr;
    Iterator B = nullptr;
    TwoMaxDistansePoints(A, B);
    Result.Init(*A, *B);
    if (NoneOutside(Result, Points)) return;
    const TCircle diameter = Result;
    Result.Radius = MaxReal;
    for (Integer i = 0; i < n; ++i)
        for (Integer j = i + 1; j < n; ++j)
            for (Integer k = j + 1; k < n; ++k) {
                const TPoint2D &Pi = Points[i], &Pj = Points[j], &Pk = Points[k];
                if (std::fabs(Cross(Pj - Pi, Pk - Pi)) < collinearCross) continue;
                const TPoint2D centre = Circumcentre(Pi, Pj, Pk);
                TCircle candidate(centre.x, centre.y, centre.DistanceTo(Pi));
                if (candidate.Radius < Result.Radius && NoneOutside(candidate, Points)) Result = candidate;
            }
    // Rounding can reject every triple when the pair circle failed by a hair: keep that one.
    if (Result.Radius == MaxReal) Result = diameter;
}

void TPolyLine::MinCircleWelzl(TArrayOf<TPoint2D>& R, Integer n, TCircle& Result) const
{
    // Welzl's recursion on (R, n) unrolled over the vertices in index order: the circle of R
    // alone, then every vertex found outside is pinned to the boundary for the ones before it.
    CircleOfBoundary(R, Result);
    if (R.Count >= 3) return;
    n = std::clamp(n, 0, Points.Count);
    for (Integer i = 0; i < n; ++i) {
        const TPoint2D& p = Points[i];
        if (Result.PointRelative(p, onCircleEps) != tl_OutSide) continue;
        R.Add(p);
        MinCircleWelzl(R, i, Result);
        --R.Count;
    }
}

// ---------------------------------------------------------------- enclosing rectangle

void TPolyLine::GetMin(TORect2D& Result) const
{
    const Integer n = Points.Count;
    Result = TORect2D();
    if (n == 0) return;
    // One vertex, and vertices too close for any edge direction: the point itself.
    Result.X = Points[0].x;
    Result.Y = Points[0].y;
    Real best = MaxReal;
    for (Integer i = 0; i < n; ++i) {
        const TPoint2D& O = Points[i];
        const TVector2D edge = Points[(i + 1) % n] - O;
        const Real length = edge.Len();
        if (length <= minEdgeLength) continue;
        const TVector2D u = edge / length;
        const TVector2D across(-u.y, u.x);
        Real minU = MaxReal, maxU = -MaxReal, minN = MaxReal, maxN = -MaxReal;
        for (const TPoint2D& w : Points) {
            const TVector2D r = w - O;
            minU = std::min(minU, r | u);
            maxU = std::max(maxU, r | u);
            minN = std::min(minN, r | across);
            maxN = std::max(maxN, r | across);
        }
        const Real area = (maxN - minN) * (maxU - minU);
        if (area >= best) continue;
        best = area;
        const TPoint2D centre = O + u * ((minU + maxU) * 0.5) + across * ((minN + maxN) * 0.5);
        Result.X = centre.x;
        Result.Y = centre.y;
        Result.Angle = std::atan2(u.y, u.x);
        Result.Length = maxU - minU;
        Result.Width = maxN - minN;
    }
}

// ---------------------------------------------------------------- shape recognition

Boolean TPolyLine::IsCircle(TCircle& RCircle) const
{
    const Integer n = Points.Count;
    if (n < minRingVertices || !Points[0].EquEps(Points[n - 1], ringCloseCoo)) return false;
    return OnCircleOfFirstThree(Points, RCircle);
}

Boolean TPolyLine::IsArc(TArc& RArc) const
{
    const Integer n = Points.Count;
    if (n < minArcVertices || !OnCircleOfFirstThree(Points, RArc)) return false;
    const TPoint2D centre(RArc.x, RArc.y);
    const Real a1 = PolarAngle(Points[0], centre);
    const Real a2 = PolarAngle(Points[n - 1], centre);
    const Real turn = Cross(UnitOrOne(Points[1] - Points[0]), UnitOrOne(Points[2] - Points[0]));
    const TArc::TDirection s = (turn > 0.0 && turn >= senseCross) ? TArc::BackClockWise : TArc::ByClockWise;
    RArc.sense = s;
    RArc.InitByPositionAngles(a1, a2, s);
    return true;
}

Boolean TPolyLine::IsLineSeg(TLineSeg& RLineSeg) const
{
    const Integer n = Points.Count;
    if (n < minLineVertices) return false;
    const TPoint2D& O = Points[0];
    RLineSeg.Set(O.x, O.y);
    RLineSeg.xk = Points[1].x;
    RLineSeg.yk = Points[1].y;
    const TVector2D u = UnitDirection(Points[1] - O);
    Real ahead = (Points[1] - O).Len();
    Real back = 0.0;
    for (Integer k = 2; k < n; ++k) {
        const TPoint2D& P = Points[k];
        const TVector2D w = P - O;
        const Real lw = w.Len();
        if (lw <= metricPrecision) continue; // the start vertex again
        const TVector2D v = w / lw;
        if (v.EquEps(u, directionEps)) {
            if (lw > ahead) {
                RLineSeg.xk = P.x;
                RLineSeg.yk = P.y;
                ahead = lw;
            }
        } else if (v.EquEps(-u, directionEps)) {
            if (lw > back) {
                RLineSeg.Set(P.x, P.y);
                back = lw;
            }
        } else {
            return false;
        }
    }
    RLineSeg.Refresh();
    return true;
}

// ---------------------------------------------------------------- clipping

Boolean TPolyLine::Inside(const TPoint2D& P, const TPoint2D& Ep1, const TPoint2D& Ep2) const
{
    const TPoint2D& A = Ep1;
    const TPoint2D& B = Ep2;
    return (A.y * B.x - A.x * B.y) + P.x * (B.y - A.y) + P.y * (A.x - B.x) < 0.0;
}

TPoint2D TPolyLine::InterSection(const TPoint2D& cp1, const TPoint2D& cp2, const TPoint2D& s,
                                 const TPoint2D& e) const
{
    const TVector2D dc = cp1 - cp2;
    const TVector2D dp = s - e;
    const Real n1 = cp1.x * cp2.y - cp1.y * cp2.x;
    const Real n2 = s.x * e.y - s.y * e.x;
    const Real D = dc.x * dp.y - dc.y * dp.x;
    if (D == 0.0) return e;
    return TPoint2D((n1 * dp.x - n2 * dc.x) / D, (n1 * dp.y - n2 * dc.y) / D);
}

void TPolyLine::SutherlandHodgman(const TPolyLine& Clip, TPolyLine& RP) const
{
    const TArrayOf<TPoint2D> clip = Clip.Points; // Clip may be RP itself
    RP = *this;
    const Integer m = clip.Count;
    for (Integer i = 0; i < m && RP.Points.Count > 0; ++i) {
        const TPoint2D& A = clip[i];
        const TPoint2D& B = clip[(i + 1) % m];
        const TArrayOf<TPoint2D> input = RP.Points;
        RP.Points.Clear();
        const Integer n = input.Count;
        for (Integer j = 0; j < n; ++j) {
            const TPoint2D& S = input[j];
            const TPoint2D& E = input[(j + 1) % n];
            const bool sIn = Inside(S, A, B);
            const bool eIn = Inside(E, A, B);
            if (sIn != eIn) RP.Points.Add(InterSection(A, B, S, E));
            if (eIn) RP.Points.Add(E);
        }
    }
}
