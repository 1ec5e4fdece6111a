// Circle and arc: evaluation through the angle cache, arc set-up and parameter/angle
// conversions, projection, storage, transformation, extremes and axis crossings.
// Trimming and removal of parts are in ArcTrim.cpp.

#include "Arc.h"

#include "KmfData.h"
#include "Transf2D.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr Real centreEps = TMathDef::lengthEpsilon; // P this near the centre has no polar angle
constexpr Real angleSnap = TMathDef::paramEpsilon;  // angles this near 0 (or a full turn) snap onto it
constexpr Real projectionFound =
    TMathDef::lengthRegion; // a circle projection needs P this far from the centre
constexpr Real axisAngleSnap = TMathDef::angleEpsilon;

Real Wrap2Pi(Real a) noexcept
{
    return a - std::floor(a / TMathDef::C_2PI) * TMathDef::C_2PI;
}

// Polar angle of d in [0, 2 pi), 0 for d at the origin.
Real PolarAngle(const TVector2D& d) noexcept
{
    if (std::fabs(d.x) <= centreEps && std::fabs(d.y) <= centreEps) return 0.0;
    Real a = std::atan2(d.y, d.x);
    if (std::fabs(a) < angleSnap) return 0.0;
    return a < 0.0 ? a + TMathDef::C_2PI : a;
}

Real SnapAngle(Real a) noexcept
{
    if (std::fabs(a) < angleSnap)
        a = 0.0;
    else if (std::fabs(a - TMathDef::C_2PI) < angleSnap)
        a = TMathDef::C_2PI;
    else if (std::fabs(a + TMathDef::C_2PI) < angleSnap)
        a = -TMathDef::C_2PI;
    if (a < 0.0 || a >= TMathDef::C_2PI) {
        a = Wrap2Pi(a);
        if (std::fabs(a) < angleSnap) a = 0.0;
    }
    return a;
}

TRegion1D RegionOr(const TRegion1D* R, const TRegion1D& fallback)
{
    return (R != nullptr && R->min <= R->max) ? *R : fallback;
}

} // namespace

// ---------------------------------------------------------------- circle

TCircle& TCircle::operator=(const TCircle& C) noexcept
{
    TBasePoint::operator=(C);
    Radius = C.Radius;
    ResetCache();
    return *this;
}

TCircle::operator TString() const
{
    TString s("Circle (");
    s += TString(x, 3, true, 7);
    s += ",";
    s += TString(y, 3, true, 7);
    s += "  R=";
    s += TString(Radius, 2, true, 7);
    s += ")";
    return s;
}

void TCircle::CacheAngle(Real a) const
{
    if (a == ct) return;
    cosT = std::cos(a);
    sinT = std::sin(a);
    ct = a;
}

void TCircle::PointAtAngle(Real a, TPoint2D& P) const
{
    CacheAngle(a);
    P.Set(x + Radius * cosT, y + Radius * sinT);
}

void TCircle::FirstDerAtAngle(Real a, TVector2D& V) const
{
    CacheAngle(a);
    V.Set(-Radius * sinT, Radius * cosT);
}

void TCircle::SecondDerAtAngle(Real a, TVector2D& V) const
{
    CacheAngle(a);
    V.Set(-Radius * cosT, -Radius * sinT);
}

void TCircle::ThirdDerAtAngle(Real a, TVector2D& V) const
{
    CacheAngle(a);
    V.Set(Radius * sinT, -Radius * cosT);
}

bool TCircle::NearPointProjection(const TPoint2D& P, TPoint2D Eps, double& t, bool, TRegion1D* R) const
{
    const TVector2D d = P - TPoint2D(x, y);
    t = PolarAngle(d);
    const TRegion1D r = RegionOr(R, GetRegion());
    const double tol = std::fmax(std::fabs(Eps.x), std::fabs(Eps.y));
    if (t <= r.min - tol)
        t = r.max;
    else if (t >= r.max + tol)
        t = r.min;
    return d.Len() > projectionFound;
}

int TCircle::PointRelative(const TPoint2D& P, double eps) const
{
    const double h = std::hypot(P.x - x, P.y - y) - Radius;
    if (std::fabs(h) < eps) return 0;
    return h < 0.0 ? 1 : -1;
}

void TCircle::Store(TKmfData& S) const
{
    TBasePoint::Store(S);
    S.Write(Radius);
}

void TCircle::Load(TKmfData& S)
{
    TBasePoint::Load(S);
    S.Read(Radius);
}

TCurve2D* TCircle::Duplicate() const
{
    auto* C = new TCircle(x, y, Radius);
    C->CopyHead(*this);
    return C;
}

TCurve2D* TCircle::Offset(const double& R) const
{
    auto* C = static_cast<TCircle*>(Duplicate());
    C->Radius += R;
    C->Refresh();
    return C;
}

void TCircle::Mtr(const TMtr2D&)
{
    if (drApi::Transf2D == nullptr) return;
    double X = x, Y = y;
    drApi::Transf2D->xyMtr(x, y, X, Y);
    Set(X, Y);
    Radius *= drApi::Transf2D->ScaleMtr();
}

void TCircle::Rect(TRect2D& R) const
{
    R.LD.Set(x - Radius, y - Radius);
    R.RU.Set(x + Radius, y + Radius);
}

void TCircle::Init(const TPoint2D& P1, const TPoint2D& P2)
{
    Set((P1.x + P2.x) * 0.5, (P1.y + P2.y) * 0.5);
    Radius = P1.DistanceTo(P2) * 0.5;
    Refresh();
}

bool TCircle::Init(const TPoint2D& P1, const TPoint2D& P2, const TPoint2D& P3)
{
    const TVector2D u = P2 - P1, v = P3 - P1;
    const double D = u ^ v;
    if (std::fabs(D) < metricAccuracy) return false;
    const double hu = u.SqrLen() * 0.5, hv = v.SqrLen() * 0.5;
    const double cx = (hu * v.y - hv * u.y) / D;
    const double cy = (hv * u.x - hu * v.x) / D;
    Set(P1.x + cx, P1.y + cy);
    Radius = std::hypot(cx, cy);
    Refresh();
    return true;
}

void TCircle::AddAxisAngles(Real a1, Real a2, bool single, TArrayOf<double>& ACross) const
{
    const double tol = Radius > metricPrecision ? metricPrecision / Radius : 1.0;
    const bool isClosed = IsClosed();
    const Real angles[2] = {a1, a2};
    for (int i = 0; i < (single ? 1 : 2); ++i) {
        double t = angles[i];
        if (std::fabs(t) < axisAngleSnap || std::fabs(t - C_2PI) < axisAngleSnap)
            t = 0.0;
        else if (t < 0.0 || t > C_2PI)
            t = Wrap2Pi(t);
        AngleToParam(t);
        if (!isClosed && (t <= GetTMin() - tol || t >= GetTMax() + tol)) continue;
        CheckParameter(ACross, t, tol);
    }
}

void TCircle::InterSectHorizontal(double y0, TArrayOf<double>& ACross) const
{
    const double dy = y0 - y;
    if (std::fabs(std::fabs(dy) - Radius) < metricPrecision) {
        AddAxisAngles(dy > 0.0 ? C_PI_2 : 1.5 * C_PI, 0.0, true, ACross);
        return;
    }
    if (y0 <= y - Radius || y0 >= y + Radius) return;
    const double a = std::atan2(dy, std::sqrt(Radius * Radius - dy * dy));
    AddAxisAngles(a, C_PI - a, false, ACross);
}

void TCircle::InterSectVertical(double x0, TArrayOf<double>& ACross) const
{
    const double dx = x0 - x;
    if (std::fabs(std::fabs(dx) - Radius) < metricPrecision) {
        AddAxisAngles(dx > 0.0 ? 0.0 : C_PI, 0.0, true, ACross);
        return;
    }
    if (x0 <= x - Radius || x0 >= x + Radius) return;
    const double a = std::atan2(std::sqrt(Radius * Radius - dx * dx), dx);
    AddAxisAngles(a, C_2PI - a, false, ACross);
}

// ---------------------------------------------------------------- arc

TArc::TArc(Real ix, Real iy, Real R, Real a1, Real a2, Integer atr) : TCircle(ix, iy, std::fabs(R))
{
    Atr = atr;
    sense = R > 0.0 ? BackClockWise : ByClockWise;
    InitByPositionAngles(a1, a2, sense);
}

TArc::TArc(const TArc& C) noexcept : TCircle(C), A1(C.A1), A2(C.A2), sense(C.sense), circle(C.circle) {}

TArc& TArc::operator=(const TArc& C) noexcept
{
    TCircle::operator=(C);
    A1 = C.A1;
    A2 = C.A2;
    sense = C.sense;
    circle = C.circle;
    return *this;
}

TArc::operator TString() const
{
    TString s("Arc (");
    s += TString(x, 3, true, 7);
    s += ",";
    s += TString(y, 3, true, 7);
    s += "  R=";
    s += TString(Radius, 2, true, 7);
    s += " ";
    s += TString(A1, 3, true, 7);
    s += " ";
    s += TString(A2, 3, true, 7);
    s += ")";
    return s;
}

bool TArc::IsClosed() const
{
    return std::fabs(std::fabs(A2 - A1) - C_2PI) < fullTurnEps;
}

void TArc::InitByPositionAngles(double a1, double a2, TDirection s)
{
    A1 = SnapAngle(a1);
    A2 = SnapAngle(a2);
    if (std::fabs(A2 - A1) < angleSnap) A2 = s == BackClockWise ? A1 + C_2PI : A1 - C_2PI;
    if (s == ByClockWise && A2 > A1)
        A2 -= C_2PI;
    else if (s == BackClockWise && A1 > A2)
        A2 += C_2PI;
    sense = A2 > A1 ? BackClockWise : ByClockWise;
    circle = true;
    closed = std::fabs(std::fabs(A2 - A1) - C_2PI) < fullTurnEps;
    ResetCache();
    Refresh();
}

void TArc::ParamToAngle(double& t) const
{
    if (A1 > A2) t = -t;
    double a = A1 + t;
    if (a < 0.0 || a > C_2PI) a = Wrap2Pi(a);
    t = a;
}

void TArc::AngleToParam(double& t) const
{
    const double m = (A1 + A2) * 0.5;
    const double a = t - C_2PI * std::floor((t - m + C_PI) / C_2PI);
    t = A1 < A2 ? a - A1 : A1 - a;
}

void TArc::RangeParam(double& t) const
{
    const double span = std::fabs(A2 - A1);
    if (t >= 0.0 && t <= span) return;
    if (closed)
        t = Wrap2Pi(t);
    else
        t = t < 0.0 ? 0.0 : span;
}

double TArc::CheckParamToAngle(double& t) const
{
    double r = t;
    RangeParam(r);
    if (closed) t = r;
    ParamToAngle(r);
    return r;
}

bool TArc::AnglePertainLimit(const double& iA) const
{
    double t = iA;
    AngleToParam(t);
    const TRegion1D r = GetRegion();
    return r.min - limitEps < t && t < r.max + limitEps;
}

void TArc::_PointOn(double t, TPoint2D& P) const
{
    ParamToAngle(t);
    PointAtAngle(t, P);
}

void TArc::_FirstDer(double t, TVector2D& V) const
{
    ParamToAngle(t);
    FirstDerAtAngle(t, V);
    if (sense == ByClockWise) V.Reverse();
}

void TArc::_SecondDer(double t, TVector2D& V) const
{
    ParamToAngle(t);
    SecondDerAtAngle(t, V);
}

void TArc::_ThirdDer(double t, TVector2D& V) const
{
    ParamToAngle(t);
    ThirdDerAtAngle(t, V);
    if (sense == ByClockWise) V.Reverse();
}

void TArc::PointOn(double t, TPoint2D& P) const
{
    RangeParam(t);
    _PointOn(t, P);
}

void TArc::FirstDer(double t, TVector2D& V) const
{
    RangeParam(t);
    _FirstDer(t, V);
}

void TArc::SecondDer(double t, TVector2D& V) const
{
    RangeParam(t);
    _SecondDer(t, V);
}

void TArc::ThirdDer(double t, TVector2D& V) const
{
    RangeParam(t);
    _ThirdDer(t, V);
}

bool TArc::NearPointProjection(const TPoint2D& P, TPoint2D Eps, double& t, bool ext, TRegion1D* R) const
{
    double a = PolarAngle(P - TPoint2D(x, y));
    AngleToParam(a);
    const TRegion1D r = RegionOr(R, GetRegion());
    const double tol = std::fmax(std::fabs(Eps.x), std::fabs(Eps.y));
    const bool inside = r.min - tol < a && a < r.max + tol;
    if (!ext) {
        if (std::fabs(a - r.min) < tol)
            a = r.min;
        else if (std::fabs(a - r.max) < tol)
            a = r.max;
    }
    t = a;
    return inside;
}

void TArc::Store(TKmfData& S) const
{
    TBasePoint::Store(S);
    const double r = sense == ByClockWise ? -Radius : Radius;
    S.Write(r);
    S.Write(A1);
    S.Write(A2);
}

void TArc::Load(TKmfData& S)
{
    TBasePoint::Load(S);
    double r = 0.0;
    S.Read(r);
    S.Read(A1);
    S.Read(A2);
    if (S.Version() < degreeVersion) {
        A1 *= DEGRAD;
        A2 *= DEGRAD;
    }
    sense = r > 0.0 ? BackClockWise : ByClockWise;
    Radius = std::fabs(r);
}

TCurve2D* TArc::Duplicate() const
{
    auto* C = new TArc(*this);
    C->CopyHead(*this);
    return C;
}

TCurve2D* TArc::Offset(const double& R) const
{
    const double r = Radius + (sense == BackClockWise ? -R : R);
    if (r <= metricPrecision) return nullptr;
    auto* C = static_cast<TArc*>(Duplicate());
    C->Radius = r;
    C->Refresh();
    return C;
}

void TArc::Inverse()
{
    std::swap(A1, A2);
    sense = sense == BackClockWise ? ByClockWise : BackClockWise;
}

void TArc::Mtr(const TMtr2D& M)
{
    M.TransformCoord(x, y, x, y);
    Radius *= std::hypot(M.V[0], M.V[1]);
    const double turn = AngleLine(0.0, 0.0, M.V[0], M.V[1]) * DEGRAD;
    A1 += turn;
    A2 += turn;
}

TPoint2D TArc::Extreme(Real a, Real sx, Real sy) const
{
    double t = a;
    AngleToParam(t);
    TPoint2D C[3];
    PointOn(GetTMin(), C[0]);
    PointOn(GetTMax(), C[1]);
    PointOn(t, C[2]);
    TPoint2D best = C[0];
    for (const TPoint2D& P : C)
        if (sx * P.x + sy * P.y > sx * best.x + sy * best.y) best = P;
    return best;
}

void TArc::Left(double& ix, double& iy) const
{
    const TPoint2D P = Extreme(C_PI, -1.0, 0.0);
    ix = P.x;
    iy = P.y;
}

void TArc::Right(double& ix, double& iy) const
{
    const TPoint2D P = Extreme(0.0, 1.0, 0.0);
    ix = P.x;
    iy = P.y;
}

void TArc::Top(double& ix, double& iy) const
{
    const TPoint2D P = Extreme(C_PI_2, 0.0, 1.0);
    ix = P.x;
    iy = P.y;
}

void TArc::Bottom(double& ix, double& iy) const
{
    const TPoint2D P = Extreme(1.5 * C_PI, 0.0, -1.0);
    ix = P.x;
    iy = P.y;
}

void TArc::Rect(TRect2D& R) const
{
    double lx = 0, ly = 0, rx = 0, ry = 0, tx = 0, ty = 0, bx = 0, by = 0;
    Left(lx, ly);
    Right(rx, ry);
    Top(tx, ty);
    Bottom(bx, by);
    R.LD.Set(lx, by);
    R.RU.Set(rx, ty);
}
