// The polyline as a curve: evaluation by piece index and fraction, projection and side tests
// over its pieces, scan-line crossings, self-crossings, lengths, areas and drawing.

#include "PolyLine.h"

#include "SolverInterSect.h"
#include "drModeler3D.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr Real sideBeforeStart =
    -TMathDef::paramPrecision; // u below this: P lies before the start of its piece

// d / |d|, or d itself when |d| <= 2e-6.
TVector2D UnitOrSelf(const TVector2D& d)
{
    const Real l = d.Len();
    return l > TMathDef::metricPrecision ? d / l : d;
}

// The left normal (-d.y, d.x) divided by |d|, or by 1 when |d| <= 2e-6.
TVector2D LeftNormal(const TVector2D& d)
{
    return UnitOrSelf(TVector2D(-d.y, d.x));
}

Real WithSignOf(Real magnitude, Real s)
{
    return s < 0.0 ? -magnitude : magnitude;
}

} // namespace

// ---------------------------------------------------------------- life and copies

TPolyLine::TPolyLine(const TPolyLine& P) : TBasePoint()
{
    *this = P;
}

TPolyLine::~TPolyLine() = default;

TPolyLine& TPolyLine::operator=(const TPolyLine& P)
{
    if (&P == this) return *this;
    Name2 = P.Name2;
    Atr = P.Atr;
    Obj = P.Obj;
    closed = P.closed;
    paramLength = P.paramLength;
    metricLength = P.metricLength;
    Gabaryt = P.Gabaryt;
    x = P.x;
    y = P.y;
    Points = P.Points;
    Segments = P.Segments;
    Closed = P.Closed;
    tCalc = P.tCalc;
    return *this;
}

TCurve2D* TPolyLine::Duplicate() const
{
    return new TPolyLine(*this);
}

TPolyLine::operator TString() const
{
    TString Out;
    for (const TPoint2D& P : Points) {
        Out += "{  (";
        Out += TString(P.x, 2, true, 7);
        Out += " , ";
        Out += TString(P.y, 2, true, 7);
        Out += "), ";
    }
    Out += "}";
    return Out;
}

void TPolyLine::Refresh() const
{
    TCurve2D::Refresh();
    tCalc = UndefinedReal;
}

// ---------------------------------------------------------------- pieces

Integer TPolyLine::PieceCount() const noexcept
{
    return std::clamp(Segments, 0, Points.Count);
}

Integer TPolyLine::PieceEnd(Integer i) const noexcept
{
    return (i == Segments - 1 || i + 1 >= Points.Count) ? 0 : i + 1;
}

TLineSeg* TPolyLine::GetSegment(const Integer I) const
{
    if (I < 0 || I >= PieceCount()) return nullptr;
    return new TLineSeg(Piece(I));
}

Integer TPolyLine::NearestSegment(const TPoint2D& P) const
{
    Integer best = -1;
    Real bestDistance = MaxReal;
    const Integer pieces = PieceCount();
    for (Integer i = 0; i < pieces; ++i) {
        const Real d = P.DistanceTo(Piece(i));
        if (best < 0 || d < bestDistance) {
            best = i;
            bestDistance = d;
        }
    }
    return best;
}

// ---------------------------------------------------------------- evaluation

void TPolyLine::CheckParameter(Real& t) const
{
    const Real L = Points.Count - 1;
    if (L < 0.0) {
        t = 0.0;
        return;
    }
    if (t >= 0.0 && t <= L) return;
    if (IsClosed() && Points.Count >= 2) {
        t -= std::floor(t / L) * L;
        return;
    }
    t = t < 0.0 ? 0.0 : L;
}

void TPolyLine::PieceAt(double t, Integer& i, Integer& j) const noexcept
{
    i = std::max<Integer>(0, static_cast<Integer>(std::floor(t - paramEpsilon)));
    i = std::min(i, Points.Count - 1);
    j = (i + 1) % Points.Count;
}

void TPolyLine::PointOn(double t, TPoint2D& P) const
{
    if (Points.Count == 0) {
        P.Set(x, y);
        return;
    }
    CheckParameter(t);
    Integer i = 0;
    Integer j = 0;
    PieceAt(t, i, j);
    const TPoint2D& A = Points[i];
    const TPoint2D& B = Points[j];
    const Real a = 1.0 + i - t;
    const Real b = t - i;
    P.Set(a * A.x + b * B.x, a * A.y + b * B.y);
}

void TPolyLine::FirstDer(double t, TVector2D& V) const
{
    V.Set(0.0, 0.0);
    const Integer n = Points.Count;
    if (n == 0) return;
    CheckParameter(t);
    Integer i = 0;
    Integer j = 0;
    PieceAt(t, i, j);
    const TVector2D d = Points[j] - Points[i];
    V = d;
    TVector2D e;
    if (std::fabs(i - t) < vertexTangentTol && (i > 0 || Closed)) {
        e = Points[i] - Points[(n + i - 1) % n];
    } else if (std::fabs(i + 1 - t) < vertexTangentTol) {
        if (Segments <= i + 1 - (Closed ? 1 : 0)) return;
        e = Points[(i + 2) % n] - Points[j];
    } else {
        return;
    }
    const TVector2D u = UnitOrSelf(UnitOrSelf(d) + UnitOrSelf(e));
    V = u * ((d.Len() + e.Len()) * 0.5);
}

void TPolyLine::Rect(TRect2D& R) const
{
    const Integer pieces = PieceCount();
    if (pieces == 0) return;
    TRect2D box = EmptyBox();
    for (Integer i = 0; i < pieces; ++i)
        box.Add(Points[i]);
    Gabaryt = box;
    R = box;
}

void TPolyLine::TwoMaxDistansePoints(Iterator& P1, Iterator& P2) const
{
    const Integer n = Points.Count;
    if (n == 0) return;
    Iterator first = Points.FArray;
    P1 = first;
    P2 = first;
    Real best = 0.0;
    for (Integer i = 0; i < n; ++i)
        for (Integer j = i + 1; j < n; ++j) {
            const Real d2 = first[i].SqrDistanceTo(first[j]);
            if (d2 > best) {
                best = d2;
                P1 = first + i;
                P2 = first + j;
            }
        }
}

// ---------------------------------------------------------------- projection and side

bool TPolyLine::NearPointProjection(const TPoint2D& P, TPoint2D Eps, double& t, bool ext, TRegion1D* R) const
{
    const bool restricted = R != nullptr && R->min <= R->max;
    const Integer pieces = PieceCount();
    t = GetTMin();
    if (pieces == 0) return false;
    const bool extended = pieces == 1 && ext && !IsClosed();
    Real best = MaxReal;
    for (Integer i = 0; i < pieces; ++i) {
        const TLineSeg S = Piece(i);
        TRegion1D own;
        own.Init();
        if (restricted) own.Init(std::max(R->min - i, 0.0), std::min(R->max - i, 1.0));
        double ti = 0.0;
        S.NearPointProjection(P, Eps, ti, extended, &own);
        TPoint2D foot;
        if (extended && !closed) {
            S._PointOn(ti, foot);
        } else {
            // The foot is on the piece: its parameter must be too, or t names another point.
            ti = std::clamp(ti, 0.0, 1.0);
            S.PointOn(ti, foot);
        }
        Real d2 = P.SqrDistanceTo(foot);
        const Real T = i + ti;
        if (restricted && !ext && (T <= R->min - paramEpsilon || T >= R->max + paramEpsilon)) d2 = MaxReal;
        if (d2 < best) {
            best = d2;
            t = T;
        }
    }
    const Real L = GetMetricLength();
    const Real f = L > metricAccuracy ? (GetTMax() - GetTMin()) / L : 1.0;
    const Real tol = projectionTolFactor * std::max(std::fabs(Eps.x), std::fabs(Eps.y)) * f;
    if (!restricted) return GetRegion().CorrectCheckParameter(closed, ext, tol, t);
    const Real period = IsClosed() ? GetTMax() - GetTMin() : 0.0;
    return R->CorrectCheckNearParameter(period, ext, tol, t);
}

int TPolyLine::PointRelative(const TPoint2D& pnt, double eps) const
{
    const Integer k = NearestSegment(pnt);
    if (k < 0) return tl_Right;
    const Integer n = Points.Count;
    const TPoint2D& A = Points[k];
    const TPoint2D& B = Points[(k + 1) % n];
    if (A.EquEps(B, coincidentCoo)) return tl_Right;
    const TVector2D d = B - A;
    const TVector2D v = pnt - A;
    const Real dl = d.Len();
    const Real u = (v | d) / d.SqrLen();
    Real s = (d ^ v) / dl;
    TVector2D nb;
    if (u < sideBeforeStart) {
        s = WithSignOf(v.Len(), s);
        if (k != 0 || closed) {
            const TVector2D prev = A - Points[(n + k - 1) % n];
            if (prev.MaxCoo() > coincidentCoo) nb = prev;
        }
    } else if (u > beyondEndShare) {
        s = WithSignOf((pnt - B).Len(), s);
        if (closed || k < n - 2) {
            const TVector2D next = Points[(k + 2) % n] - B;
            if (next.MaxCoo() > coincidentCoo) nb = next;
        }
    }
    if (std::fabs(s) <= eps) return tl_On;
    if (nb.MaxCoo() > coincidentCoo) {
        const TVector2D w = LeftNormal(nb) + LeftNormal(d);
        if (w.Len() > metricPrecision) s = (v | w) >= 0.0 ? std::fabs(s) : -std::fabs(s);
    }
    if (s > eps) return tl_Left;
    return s < -eps ? tl_Right : tl_On;
}

// ---------------------------------------------------------------- crossings

Integer TPolyLine::SelfIntersections(const TRegion1D& R, TInterSector& Tool, bool sticking) const
{
    const Integer before = Tool.ACrossPoint.Count;
    const Integer pieces = PieceCount();
    FPieces.clear();
    FPieces.reserve(pieces);
    for (Integer i = 0; i < pieces; ++i)
        FPieces.push_back(std::make_unique<TLineSeg>(Piece(i)));
    for (Integer i = 0; i < pieces; ++i) {
        FPieces[i]->SelfIntersect(R, Tool, sticking);
        for (Integer j = i + 1; j < pieces; ++j)
            Tool.InterSection(FPieces[i].get(), FPieces[j].get());
    }
    return before - Tool.ACrossPoint.Count;
}

bool TPolyLine::SelfIntersect(const TRegion1D& R, TInterSector& Tool, bool sticking) const
{
    return SelfIntersections(R, Tool, sticking) != 0;
}

void TPolyLine::InterSectAxis(bool horizontal, double c, TArrayOf<double>& ACross) const
{
    const Integer n = Points.Count;
    const Integer pieces = PieceCount();
    const auto along = [horizontal](const TPoint2D& P) { return horizontal ? P.y : P.x; };
    for (Integer i = 0; i < pieces; ++i) {
        const TPoint2D& A = Points[i];
        const TPoint2D& B = Points[(i + 1) % n];
        if (A.EquEps(B, scanSkipCoo)) continue;
        const Real a = along(A);
        const Real b = along(B);
        const Real gap = std::fabs(b - a);
        if (horizontal ? gap <= metricPrecision : gap < metricPrecision) {
            const Real prevGap = std::fabs(along(Points[(i + n - 1) % n]) - a);
            const Real offLine = std::fabs(a - c);
            const bool contributes = horizontal ? (offLine <= metricPrecision && prevGap <= metricPrecision)
                                                : (offLine < metricPrecision && prevGap > metricPrecision);
            if (contributes) ::CheckParameter(ACross, static_cast<double>(i), paramEpsilon);
            continue;
        }
        const Real s = (c - a) / (b - a);
        if (s >= 0.0 && s <= 1.0) ::CheckParameter(ACross, i + s, paramEpsilon);
    }
}

void TPolyLine::InterSectHorizontal(double y0, TArrayOf<double>& ACross) const
{
    InterSectAxis(true, y0, ACross);
}

void TPolyLine::InterSectVertical(double x0, TArrayOf<double>& ACross) const
{
    InterSectAxis(false, x0, ACross);
}

// ---------------------------------------------------------------- measures and edits

Boolean TPolyLine::CheckVertex(const TPoint2D& P) const
{
    const Integer n = Points.Count;
    if (n < 2) return false;
    const TVector2D last = Points[n - 1] - Points[n - 2];
    return last.Relative(P - Points[n - 1]) == tl_On;
}

Real TPolyLine::Len() const
{
    const Integer n = Points.Count;
    if (n < 2) return 0.0;
    Real sum = 0.0;
    for (Integer k = 0; k + 1 < n; ++k)
        sum += Points[k].DistanceTo(Points[k + 1]);
    return sum + Points[n - 1].DistanceTo(Points[0]);
}

Real TPolyLine::OrientationArea() const
{
    const Integer n = Points.Count;
    if (n < 3) return 0.0;
    Real twice = 0.0;
    for (Integer k = 0; k < n; ++k) {
        const TPoint2D& A = Points[k];
        const TPoint2D& B = Points[(k + 1) % n];
        twice += A.x * B.y - B.x * A.y;
    }
    return twice * 0.5;
}

void TPolyLine::Negate()
{
    for (TPoint2D& P : Points)
        P.Set(-P.x, -P.y);
}

void TPolyLine::CenterXYLenCut(Real& Xc, Real& Yc, Real& LCont) const
{
    Xc = Yc = LCont = 0.0;
    const Integer n = Points.Count;
    if (n == 0) return;
    for (Integer k = 1; k < n; ++k) {
        const TPoint2D& A = Points[k - 1];
        const TPoint2D& B = Points[k];
        const Real len = A.DistanceTo(B);
        Xc = Xc * LCont + (A.x + B.x) * 0.5 * len;
        Yc = Yc * LCont + (A.y + B.y) * 0.5 * len;
        LCont += len;
        if (LCont > 0.0) {
            Xc /= LCont;
            Yc /= LCont;
        }
    }
    if (LCont <= 0.0) return;
    const TPoint2D& F = Points[0];
    const TPoint2D& L = Points[n - 1];
    const Real len = L.DistanceTo(F);
    Xc = (LCont * Xc + (F.x + L.x) * 0.5 * len) / (LCont + len);
    Yc = (LCont * Yc + (F.y + L.y) * 0.5 * len) / (LCont + len);
    LCont += len;
}

void TPolyLine::drPolygon(TModeler3D& M, const Integer tl) const
{
    const Integer n = Points.Count;
    for (Integer k = 1; k < n; ++k)
        M.drLine(Points[k - 1].x, Points[k - 1].y, Points[k].x, Points[k].y, tl);
    if (Closed && n > 2) M.drLine(Points[0].x, Points[0].y, Points[n - 1].x, Points[n - 1].y, tl);
}

TLocation Relative(const TPoint2D& O, const TPoint2D& A, const TPoint2D& B)
{
    return (A - O).Relative(B - O);
}
