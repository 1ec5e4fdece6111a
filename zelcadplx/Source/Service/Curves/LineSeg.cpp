// Segment and infinite line: evaluation, projection, trimming, offsets and axis crossings.

#include "LineSeg.h"

#include "KmfData.h"

#include <cmath>

namespace {

constexpr Real sineLengthMin = TMathDef::nullEpsilon; // lengths not above this count as 1 in the side sine

TString StraightText(const char* head, Real x1, Real y1, Real x2, Real y2)
{
    TString s(head);
    s += TString(x1, 3, true, 7);
    s += ",";
    s += TString(y1, 3, true, 7);
    s += " - ";
    s += TString(x2, 3, true, 7);
    s += " , ";
    s += TString(y2, 3, true, 7);
    s += ")";
    return s;
}

// The projection rule shared by segment and line: t of the foot of the perpendicular, snapped
// onto an end of the region unless ext; true when the unsnapped t lies within the region.
bool ProjectOnStraight(const TPoint2D& A, const TVector2D& d, const TRegion1D& region, const TPoint2D& P,
                       double& t, bool ext)
{
    const double len = d.Len();
    const double tol = TMathDef::metricPrecision / len;
    const double foot = ((P - A) | d) / d.SqrLen();
    t = foot;
    if (!ext) {
        if (std::fabs(t - region.min) < tol)
            t = region.min;
        else if (std::fabs(t - region.max) < tol)
            t = region.max;
    }
    return region.min - tol < foot && foot < region.max + tol;
}

TRegion1D RegionOr(const TRegion1D* R, const TRegion1D& fallback)
{
    return (R != nullptr && R->min <= R->max) ? *R : fallback;
}

void AddParam(TArrayOf<double>& ACross, double t)
{
    CheckParameter(ACross, t, TMathDef::paramEpsilon);
}

// The straight S (first point S.x, S.y; second ex, ey) moved by R to its left, as a new curve
// of the same type carrying S's Name2; null for a degenerate straight.
template <class Straight> TCurve2D* OffsetStraight(const Straight& S, Real ex, Real ey, Real R)
{
    const TVector2D d(ex - S.x, ey - S.y);
    const double l = d.Len();
    if (l <= TMathDef::metricPrecision) return nullptr;
    const double ox = -d.y / l * R, oy = d.x / l * R;
    auto* L = new Straight(S.x + ox, S.y + oy, ex + ox, ey + oy);
    L->Name2 = S.Name2;
    return L;
}

// The start of L when start, else its end.
void PickEnd(const TLineSeg& L, bool start, double& ix, double& iy)
{
    ix = start ? L.x : L.xk;
    iy = start ? L.y : L.yk;
}

} // namespace

// ---------------------------------------------------------------- distance of a point to a segment

Real TPoint2D::DistanceTo(const TLineSeg& L) const
{
    const TPoint2D A(L.x, L.y), B(L.xk, L.yk);
    if (std::fabs(A.x - B.x) <= metricNear && std::fabs(A.y - B.y) <= metricNear) return DistanceTo(A);
    const TVector2D d = B - A;
    const TVector2D w = *this - A;
    const Real t = (w | d) / d.SqrLen();
    if (t > 1.0) return DistanceTo(B);
    if (t < 0.0) return DistanceTo(A);
    return std::fabs(d ^ w) / d.Len();
}

// ---------------------------------------------------------------- segment

TLineSeg::TLineSeg(const TLine& L)
    : TBasePoint(L.x - TLine::longReach * (L.x2 - L.x), L.y - TLine::longReach * (L.y2 - L.y)),
      xk(L.x + TLine::longReach * (L.x2 - L.x)), yk(L.y + TLine::longReach * (L.y2 - L.y))
{
    Atr = L.Atr;
}

TLineSeg::operator TString() const
{
    return StraightText("LS (", x, y, xk, yk);
}

double TLineSeg::GetMetricLength() const
{
    return std::hypot(xk - x, yk - y);
}

void TLineSeg::PointOn(double t, TPoint2D& P) const
{
    _PointOn(t < 0.0 ? 0.0 : (t > 1.0 ? 1.0 : t), P);
}

void TLineSeg::FirstDer(double, TVector2D& V) const
{
    V.Set(xk - x, yk - y);
    const double l = V.Len();
    if (l > metricPrecision) V /= l;
}

bool TLineSeg::NearPointProjection(const TPoint2D& P, TPoint2D, double& t, bool ext, TRegion1D* R) const
{
    const TVector2D d(xk - x, yk - y);
    if (d.Len() <= degenerateLength) return false;
    return ProjectOnStraight(TPoint2D(x, y), d, RegionOr(R, GetRegion()), P, t, ext);
}

int TLineSeg::PointRelative(const TPoint2D& P, double eps) const
{
    const TVector2D d(xk - x, yk - y);
    const TVector2D w = P - TPoint2D(x, y);
    double ld = d.Len(), lw = w.Len();
    if (ld <= sineLengthMin) ld = 1.0;
    if (lw <= sineLengthMin) lw = 1.0;
    const double h = (d ^ w) / (ld * lw);
    if (std::fabs(h) < eps) return 0;
    return h > 0.0 ? 1 : -1;
}

void TLineSeg::Store(TKmfData& S) const
{
    TBasePoint::Store(S);
    S.Write(xk);
    S.Write(yk);
}

void TLineSeg::Load(TKmfData& S)
{
    TBasePoint::Load(S);
    S.Read(xk);
    S.Read(yk);
}

TCurve2D* TLineSeg::Duplicate() const
{
    auto* L = new TLineSeg(x, y, xk, yk);
    L->CopyHead(*this);
    return L;
}

int TLineSeg::TrimmPart(double t1, double t2, TCurve2D*& part2)
{
    part2 = nullptr;
    t1 = std::fmin(std::fmax(t1, 0.0), 1.0);
    t2 = std::fmin(std::fmax(t2, 0.0), 1.0);
    if (std::fabs(t2 - t1) < paramEpsilon) return 2;
    TPoint2D A, B;
    PointOn(t1, A);
    PointOn(t2, B);
    Set(A.x, A.y);
    xk = B.x;
    yk = B.y;
    Refresh();
    return 1;
}

int TLineSeg::DeletePart(double t1, double t2, TCurve2D*& part2)
{
    part2 = nullptr;
    t1 = std::fmin(std::fmax(t1, 0.0), 1.0);
    t2 = std::fmin(std::fmax(t2, 0.0), 1.0);
    if (std::fabs(t2 - t1) < paramEpsilon) return 0;
    TPoint2D A, B;
    PointOn(t1, A);
    PointOn(t2, B);
    const bool head = t1 > paramEpsilon;
    const bool tail = 1.0 - t2 > paramEpsilon;
    int result = 1;
    if (head && tail) {
        auto* rest = new TLineSeg(B.x, B.y, xk, yk);
        rest->Atr = Atr;
        part2 = rest;
        xk = A.x;
        yk = A.y;
    } else if (head) {
        xk = A.x;
        yk = A.y;
    } else if (tail) {
        Set(B.x, B.y);
    } else {
        Set(xk, yk);
        result = 2;
    }
    Refresh();
    return result;
}

TCurve2D* TLineSeg::Trimmed(double& t1, double& t2, int sense) const
{
    if (std::fabs(t1 - t2) < paramEpsilon) {
        const double L = GetMetricLength();
        const double tol = L > 1.0 ? paramEpsilon / L : paramEpsilon;
        if (std::fabs(t1 - t2) < tol) return nullptr;
    }
    if ((sense > 0) == (t1 > t2)) std::swap(t1, t2);
    TPoint2D A, B;
    PointOn(t1, A);
    PointOn(t2, B);
    auto* L = new TLineSeg(A, B);
    L->Name2 = Name2;
    return L;
}

TCurve2D* TLineSeg::Offset(const double& R) const
{
    return OffsetStraight(*this, xk, yk, R);
}

void TLineSeg::Inverse()
{
    std::swap(x, xk);
    std::swap(y, yk);
}

void TLineSeg::Mtr(const TMtr2D& M)
{
    M.TransformCoord(x, y, x, y);
    M.TransformCoord(xk, yk, xk, yk);
}

void TLineSeg::Left(double& ix, double& iy) const
{
    PickEnd(*this, x < xk, ix, iy);
}
void TLineSeg::Right(double& ix, double& iy) const
{
    PickEnd(*this, x > xk, ix, iy);
}
void TLineSeg::Top(double& ix, double& iy) const
{
    PickEnd(*this, y > yk, ix, iy);
}
void TLineSeg::Bottom(double& ix, double& iy) const
{
    PickEnd(*this, y < yk, ix, iy);
}

void TLineSeg::Rect(TRect2D& R) const
{
    R.LD.Set(std::fmin(x, xk), std::fmin(y, yk));
    R.RU.Set(std::fmax(x, xk), std::fmax(y, yk));
}

// c: the anchor coordinate across the axis line, dc its change, dother the change along it.
void TLineSeg::InterSectAxis(double c0, double c, double dc, double dother, TArrayOf<double>& ACross) const
{
    if (std::fabs(dc) <= pointLikeCoo && std::fabs(dother) <= pointLikeCoo) {
        if (std::fabs(c0 - c) < paramEpsilon) AddParam(ACross, GetTMin());
        return;
    }
    if (std::fmax(std::fabs(dc), std::fabs(dother)) * paramEpsilon > std::fabs(dc)) {
        if (std::fabs(c0 - c) < paramEpsilon) {
            AddParam(ACross, 0.0);
            AddParam(ACross, 1.0);
        }
        return;
    }
    const double t = (c0 - c) / dc;
    const double tol = metricPrecision / std::hypot(dc, dother);
    if (-tol < t && t < 1.0 + tol) AddParam(ACross, t);
}

void TLineSeg::InterSectHorizontal(double y0, TArrayOf<double>& ACross) const
{
    InterSectAxis(y0, y, yk - y, xk - x, ACross);
}

void TLineSeg::InterSectVertical(double x0, TArrayOf<double>& ACross) const
{
    InterSectAxis(x0, x, xk - x, yk - y, ACross);
}

// ---------------------------------------------------------------- infinite line

TLine::operator TString() const
{
    return StraightText("L (", x, y, x2, y2);
}

bool TLine::NearPointProjection(const TPoint2D& P, TPoint2D, double& t, bool ext, TRegion1D* R) const
{
    const TVector2D d(x2 - x, y2 - y);
    if (d.Len() <= TLineSeg::degenerateLength) return false;
    ProjectOnStraight(TPoint2D(x, y), d, RegionOr(R, GetRegion()), P, t, ext);
    return true;
}

int TLine::PointRelative(const TPoint2D& P, double eps) const
{
    const TVector2D d(x2 - x, y2 - y);
    const double h = d ^ (P - TPoint2D(x, y));
    if (std::fabs(h) < eps) return 0;
    return h > 0.0 ? 1 : -1;
}

void TLine::Store(TKmfData& S) const
{
    TBasePoint::Store(S);
    S.Write(x2);
    S.Write(y2);
}

void TLine::Load(TKmfData& S)
{
    TBasePoint::Load(S);
    S.Read(x2);
    S.Read(y2);
}

TCurve2D* TLine::Duplicate() const
{
    auto* L = new TLine(x, y, x2, y2);
    L->CopyHead(*this);
    return L;
}

TCurve2D* TLine::Offset(const double& R) const
{
    return OffsetStraight(*this, x2, y2, R);
}

void TLine::Mtr(const TMtr2D& M)
{
    M.TransformCoord(x, y, x, y);
    M.TransformCoord(x2, y2, x2, y2);
}

void TLine::Rect(TRect2D& R) const
{
    R.LD.Set(-infinity, -infinity);
    R.RU.Set(infinity, infinity);
}

void TLine::InterSectHorizontal(double y0, TArrayOf<double>& ACross) const
{
    const double dy = y2 - y;
    if (std::fabs(dy) <= metricPrecision) return;
    AddParam(ACross, (y0 - y) / dy);
}

void TLine::InterSectVertical(double x0, TArrayOf<double>& ACross) const
{
    const double dx = x2 - x;
    if (std::fabs(dx) <= metricPrecision) return;
    AddParam(ACross, (x0 - x) / dx);
}

void TLine::GetDirection(TVector2D& v) const
{
    v.Set(x2 - x, y2 - y);
    const double l = v.Len();
    if (l > metricPrecision) v /= l;
}

double TLine::Projection(const TPoint2D& Point) const
{
    const TVector2D d(x2 - x, y2 - y);
    const double q = d.SqrLen();
    return q > 0.0 ? ((Point - TPoint2D(x, y)) | d) / q : 0.0;
}

void TLine::Projection(const TPoint2D& Point, TPoint2D& Result) const
{
    _PointOn(Projection(Point), Result);
}
