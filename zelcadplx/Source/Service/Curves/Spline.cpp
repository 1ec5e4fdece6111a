#include "Spline.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr Real kMinParamStep = 2e-7; // the smallest parameter step a new Hermite point gets

} // namespace

// ---- THermit ---------------------------------------------------------------------------------

void THermit::Rebuild()
{
    Segments = std::max(0, Points.Count - 1);
    uppParam = std::max(0, TParams.Count - 1);
    ResetTCalc(); // a cached piece may no longer exist
    Refresh();
}

void THermit::ResetTCalc() const
{
    tCalc = UndefinedReal;
    param1 = param2 = UndefinedReal;
}

void THermit::LocalCoordinate(Integer I, const Real& t) const
{
    index1 = I;
    index2 = (I + 1) % (Segments + 1);
    param1 = TParams[I];
    param2 = TParams[I + 1];
    paramD = param2 - param1;
    paramW = paramD != 0.0 ? 1.0 / paramD : 0.0;
    quota1 = (param2 - t) * paramW;
    quota2 = (t - param1) * paramW;
    tCalc = t;
}

void THermit::SetPiece(Integer i1, Integer i2, Real t) const
{
    LocalCoordinate(i1, t);
    index2 = i2;
}

void THermit::SearchPiece(Real t) const
{
    if (index1 >= 0 && index1 < uppParam && TParams[index1] <= t && t < TParams[index1 + 1]) {
        SetPiece(index1, (index1 + 1) % (Segments + 1), t);
        return;
    }
    Integer lo = 0, hi = uppParam;
    if (index1 >= 0 && index1 < uppParam) {
        lo = std::max(index1 - 1, 0);
        if (TParams[lo] > t) lo = 0;
        const Integer next = std::min(index1 + 2, uppParam);
        if (t < TParams[next]) hi = next;
    }
    while (hi - lo > 1) {
        const Integer mid = lo + (hi - lo) / 2;
        (TParams[mid] <= t ? lo : hi) = mid;
    }
    SetPiece(lo, hi % (Segments + 1), t);
}

void THermit::LocalCoordinate(Real& t) const
{
    if (uppParam < 1) return;
    if (std::fabs(t - tCalc) <= paramEpsilon) return;
    if (param1 <= t && t <= param2) {
        quota1 = (param2 - t) * paramW;
        quota2 = (t - param1) * paramW;
        tCalc = t;
        return;
    }
    const Real t0 = TParams[0], t1 = TParams[uppParam];
    if ((t < t0 || t > t1) && Closed) {
        const Real L = t1 - t0;
        t -= L * std::floor((t - t0) / L);
    } else if (t < t0) {
        t = t0;
        SetPiece(0, 1, t);
        return;
    } else if (t > t1) {
        t = t1;
        SetPiece(uppParam - 1, uppParam % (Segments + 1), t);
        return;
    }
    SearchPiece(t);
}

void THermit::PointOn(double t, TPoint2D& P) const
{
    if (uppParam < 1) {
        if (Points.Count > 0) P = Points[0];
        return;
    }
    LocalCoordinate(t);
    const Real a = quota1, b = quota2, D = paramD;
    const TPoint2D &P1 = Points[index1], &P2 = Points[index2];
    const TVector2D &V1 = Vectors[index1], &V2 = Vectors[index2];
    const Real k1 = a * a * (3 - 2 * a), k2 = b * b * (3 - 2 * b);
    const Real m1 = a * a * (1 - a) * D, m2 = -b * b * (1 - b) * D;
    P.Set(k1 * P1.x + k2 * P2.x + m1 * V1.x + m2 * V2.x, k1 * P1.y + k2 * P2.y + m1 * V1.y + m2 * V2.y);
}

void THermit::FirstDer(double t, TVector2D& V) const
{
    V.Set(0.0, 0.0);
    if (uppParam < 1) return;
    LocalCoordinate(t);
    const Real a = quota1, b = quota2, W = paramW;
    const Real k1 = -6 * a * (1 - a) * W, k2 = 6 * b * (1 - b) * W;
    const Real m1 = 3 * a * a - 2 * a, m2 = 3 * b * b - 2 * b;
    const TPoint2D &P1 = Points[index1], &P2 = Points[index2];
    const TVector2D &V1 = Vectors[index1], &V2 = Vectors[index2];
    V.Set(k1 * P1.x + k2 * P2.x + m1 * V1.x + m2 * V2.x, k1 * P1.y + k2 * P2.y + m1 * V1.y + m2 * V2.y);
}

void THermit::SecondDer(double t, TVector2D& V) const
{
    V.Set(0.0, 0.0);
    if (uppParam < 1) return;
    LocalCoordinate(t);
    const Real a = quota1, b = quota2, W = paramW;
    const Real k1 = (6 - 12 * a) * W * W, k2 = (6 - 12 * b) * W * W;
    const Real m1 = -(6 * a - 2) * W, m2 = (6 * b - 2) * W;
    const TPoint2D &P1 = Points[index1], &P2 = Points[index2];
    const TVector2D &V1 = Vectors[index1], &V2 = Vectors[index2];
    V.Set(k1 * P1.x + k2 * P2.x + m1 * V1.x + m2 * V2.x, k1 * P1.y + k2 * P2.y + m1 * V1.y + m2 * V2.y);
}

void THermit::ThirdDer(double t, TVector2D& V) const
{
    V.Set(0.0, 0.0);
    if (uppParam < 1) return;
    LocalCoordinate(t);
    const Real W = paramW, k = 12 * W * W * W, m = 6 * W * W;
    const TPoint2D &P1 = Points[index1], &P2 = Points[index2];
    const TVector2D &V1 = Vectors[index1], &V2 = Vectors[index2];
    V.Set(k * (P1.x - P2.x) + m * (V1.x + V2.x), k * (P1.y - P2.y) + m * (V1.y + V2.y));
}

void THermit::AppendKnot(Real t, const TPoint2D& P, const TVector2D& V)
{
    TParams.Add(t);
    Points.Add(P);
    Vectors.Add(V);
    Rebuild();
}

void THermit::AddPoint(const TPoint2D& Point)
{
    ResetTCalc();
    if (Segments < 1 && TParams.Count == 0) {
        AppendKnot(0.0, Point, TVector2D(0.0, 0.0));
        return;
    }
    if (Segments < 1) {
        const TVector2D d = Point - Points.Last();
        if (Vectors[0].Len() < paramEpsilon) Vectors[0] = d;
        AppendKnot(TParams.Last() + 1.0, Point, d);
        return;
    }
    const Integer S = Segments;
    if (Closed && TParams.Count > S + 1) {
        // The new point goes before the closing parameter, which must stay the last one.
        const Real L1 = Point.DistanceTo(Points[S]), L2 = Point.DistanceTo(Points[0]);
        const Real share = L1 + L2 > 0.0 ? L1 / (L1 + L2) : 0.5;
        const Real t = TParams[S] + (TParams[S + 1] - TParams[S]) * share;
        TVector2D V;
        FirstDer(t, V);
        TParams.Insert(S + 1, t);
        Points.Add(Point);
        Vectors.Add(V);
        Rebuild();
        return;
    }
    const Real Lp = Points[S - 1].DistanceTo(Points[S]), Ln = Points[S].DistanceTo(Point);
    const Real step = TParams[S] - TParams[S - 1];
    // Coincident last points give no chord ratio: keep the last parameter step.
    const Real dt = std::max(kMinParamStep, Lp > metricPrecision ? step * Ln / Lp : step);
    AppendKnot(TParams[S] + dt, Point, (Point - Points[S]) / dt);
}

// ---- TBezier ---------------------------------------------------------------------------------

void TBezier::LocalCoordinate(Real& t) const
{
    const Integer count = Points.Count, n = splinesCount;
    if (count == 0 || n < 1) return;
    if (Closed && (t < 0.0 || t > n))
        t -= std::floor(t / n) * n;
    else
        t = std::clamp(t, 0.0, static_cast<Real>(n));
    if (t == tCalc) return;
    Integer i = static_cast<Integer>(std::floor(t));
    if (i >= n) i = n - 1;
    w = t - i;
    s = 1.0 - w;
    s2 = s * s;
    w2 = w * w;
    const TPoint2D& Q1 = Points[(3 * i + 1) % count];
    const TPoint2D& Q2 = Points[(3 * i + 2) % count];
    const TPoint2D& Q3 = Points[(3 * i + 3) % count];
    const TPoint2D& Q4 = Points[(3 * i + 4) % count];
    const Real b1 = s2 * s, b2 = 3 * s2 * w, b3 = 3 * s * w2, b4 = w2 * w;
    rc[0].Set(b1 * Q1.x + b2 * Q2.x + b3 * Q3.x + b4 * Q4.x, b1 * Q1.y + b2 * Q2.y + b3 * Q3.y + b4 * Q4.y);
    tCalc = t;
}

void TBezier::PointOn(Real& t, TPoint2D& Point) const
{
    LocalCoordinate(t);
    Point = rc[0];
}
