// The curve base: caches, parameter corrections, lengths of parts, curvature, tangents,
// sides and steps computed through the virtual operations alone; and the point curve.

#include "Elements.h"

#include "KmfData.h"
#include "SolverInterSect.h"
#include "Transf2D.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr Real curvatureSpeedMin = TMathDef::lengthEpsilon; // |D1| below this: no curvature
constexpr Real curvatureSqrSpeedMin =
    TMathDef::metricPrecision * TMathDef::metricPrecision;   // |D1|^2 below this: no curvature derivative
constexpr Real straightRadius = 1e10;                        // radius of curvature of a straight piece
constexpr Real distanceProjectionEps = TMathDef::metricNear; // metric tolerance of DistanceTo's projection
constexpr Real closedMaxStepShare = 0.05;                    // largest DeviationStep share of a closed range
constexpr Real openMaxStepShare = 0.25;                      // ... of an open range
constexpr Real minStepShare = TMathDef::paramDeltaMin;       // smallest DeviationStep share
constexpr Real floorStepShare = TMathDef::paramAccuracy;     // no step falls below this share of the range

Real Cross(const TVector2D& a, const TVector2D& b) noexcept
{
    return a.x * b.y - a.y * b.x;
}

} // namespace

// ---------------------------------------------------------------- caches and interval

void TCurve2D::Calculate() const
{
    if (metricLength >= 0.0) return;
    closed = IsClosed();
    metricLength = GetMetricLength();
    paramLength = GetTMax() - GetTMin();
    Rect(Gabaryt);
}

void TCurve2D::Refresh() const
{
    paramLength = -1.0;
    metricLength = -1.0;
    Gabaryt = EmptyBox();
}

TRegion1D TCurve2D::GetRegion() const
{
    TRegion1D r(GetTMin(), GetTMax());
    if (r.min > r.max) std::swap(r.min, r.max);
    return r;
}

bool TCurve2D::InRegion(double t, double Eps) const
{
    const TRegion1D r = GetRegion();
    return r.min - Eps < t && t < r.max + Eps;
}

// ---------------------------------------------------------------- lengths

double TCurve2D::GetParamToUnit() const
{
    const double L = GetMetricLength();
    return L > metricAccuracy ? (GetTMax() - GetTMin()) / L : 1.0;
}

double TCurve2D::GetParamToUnit(const double& t) const
{
    TVector2D V;
    FirstDer(t, V);
    const double s = V.Len();
    return s > metricAccuracy ? 1.0 / s : GetParamToUnit();
}

double TCurve2D::PartSpan(double t1, double t2, double& k) const
{
    k = GetParamToUnit();
    if (k <= paramEpsilon) return k;
    double a = t1, b = t2;
    CorrectParameter(a);
    CorrectParameter(b);
    const double tmin = GetTMin(), tmax = GetTMax();
    if (b >= a) return std::min(tmax, b) - std::max(tmin, a);
    double s = tmax - a;
    if (closed) s += b - tmin;
    return s;
}

double TCurve2D::GetParamLengthPart(double t1, double t2) const
{
    double k = 0.0;
    return PartSpan(t1, t2, k);
}

double TCurve2D::GetMetricLengthPart(double t1, double t2) const
{
    double k = 0.0;
    const double s = PartSpan(t1, t2, k);
    return k <= paramEpsilon ? k : s / k;
}

// ---------------------------------------------------------------- parameter correction

void TCurve2D::CorrectParameter(double& t) const
{
    const double tmin = GetTMin(), tmax = GetTMax();
    Calculate();
    if (closed) {
        if (t < tmin || t > tmax) t -= std::floor((t - tmin) / (tmax - tmin)) * (tmax - tmin);
        return;
    }
    if (t < tmin)
        t = tmin;
    else if (t > tmax)
        t = tmax;
}

void TCurve2D::CorrectParameter(bool extRegion, double& t, const double& eps) const
{
    Calculate();
    const double tmin = GetTMin(), tmax = GetTMax();
    const double P = tmax - tmin;
    if (closed && !extRegion && P > 0.0) {
        t -= std::floor(t / P) * P;
        while (t < tmin)
            t += P;
        while (t > tmax - eps)
            t -= P;
        return;
    }
    if (std::fabs(t - tmax) <= eps)
        t = tmax;
    else if (std::fabs(t - tmin) <= eps)
        t = tmin;
}

void TCurve2D::CorrectParameter(bool extRegion, bool ClosedRegion, double pmin, double pmax, double& t,
                                double eps)
{
    const double P = pmax - pmin;
    if (ClosedRegion && !extRegion && P > 0.0) {
        t -= std::floor(t / P) * P;
        while (t < pmin)
            t += P;
        while (t > pmax - eps)
            t -= P;
        if (std::fabs(t - pmin) <= eps) t = pmin;
        return;
    }
    if (std::fabs(t - pmax) <= eps) t = pmax;
    if (std::fabs(t - pmin) <= eps) t = pmin;
}

// ---------------------------------------------------------------- curvature, tangent, normal

double TCurve2D::Curvature(double t) const
{
    TVector2D D1, D2;
    FirstDer(t, D1);
    const double s = D1.Len();
    if (s < curvatureSpeedMin) return 0.0;
    SecondDer(t, D2);
    return Cross(D1, D2) / (s * s * s);
}

double TCurve2D::CurvatureDerive(double t) const
{
    TVector2D D1, D2, D3;
    FirstDer(t, D1);
    const double q = D1.SqrLen();
    if (q < curvatureSqrSpeedMin) return 0.0;
    SecondDer(t, D2);
    ThirdDer(t, D3);
    return (q * Cross(D1, D3) - 3.0 * (D1 | D2) * Cross(D1, D2)) / std::pow(q, 2.5);
}

double TCurve2D::CurvatureRadius(double t) const
{
    const double c = Curvature(t);
    return std::fabs(c) > metricPrecision ? 1.0 / c : straightRadius;
}

TPoint2D TCurve2D::PointTMax() const
{
    TPoint2D P;
    PointOn(GetTMax(), P);
    return P;
}

TPoint2D TCurve2D::PointTMin() const
{
    TPoint2D P;
    PointOn(GetTMin(), P);
    return P;
}

namespace {

void UnitOf(TVector2D& V)
{
    const double l = V.Len();
    if (l > TMathDef::metricPrecision) V /= l;
}

void LeftNormalOf(const TVector2D& D, TVector2D& V)
{
    const double l = D.Len();
    const double d = l > TMathDef::metricPrecision ? l : 1.0;
    V.Set(-D.y / d, D.x / d);
}

} // namespace

void TCurve2D::TangentOn(double t, TVector2D& V) const
{
    FirstDer(t, V);
    UnitOf(V);
}

void TCurve2D::_TangentOn(double t, TVector2D& V) const
{
    _FirstDer(t, V);
    UnitOf(V);
}

void TCurve2D::NormalOn(double t, TVector2D& V) const
{
    TVector2D D;
    FirstDer(t, D);
    LeftNormalOf(D, V);
}

void TCurve2D::_NormalOn(double t, TVector2D& V) const
{
    TVector2D D;
    _FirstDer(t, D);
    LeftNormalOf(D, V);
}

// ---------------------------------------------------------------- projection, distance, side

bool TCurve2D::NearPointProjection(const TPoint2D&, TPoint2D, double&, bool, TRegion1D*) const
{
    return false;
}

double TCurve2D::DistanceTo(const TPoint2D& P) const
{
    double t = GetTMin(); // a failed projection measures from the start
    NearPointProjection(P, TPoint2D(distanceProjectionEps, distanceProjectionEps), t, true, nullptr);
    TPoint2D Q;
    PointOn(t, Q);
    return std::hypot(P.x - Q.x, P.y - Q.y);
}

int TCurve2D::PointRelative(const TPoint2D& P, double eps) const
{
    double t = GetTMin();
    NearPointProjection(P, TPoint2D(eps, eps), t, true, nullptr);
    TVector2D D, N;
    FirstDer(t, D);
    LeftNormalOf(D, N);
    TPoint2D Q;
    PointOn(t, Q);
    const double h = (P - Q) | N;
    if (std::fabs(h) < eps) return 0;
    return h > 0.0 ? 1 : -1;
}

bool TCurve2D::IsLink(double t, const TCurve2D* C, double Ct, const double& Eps) const
{
    return C != nullptr && IsLink(t, *C, Ct, Eps);
}

bool TCurve2D::IsLink(double t, const TCurve2D& C, double Ct, const double& Eps) const
{
    TPoint2D P1, P2;
    PointOn(t, P1);
    C.PointOn(Ct, P2);
    return std::fabs(P1.x - P2.x) <= Eps && std::fabs(P1.y - P2.y) <= Eps;
}

bool TCurve2D::IsDegenerate() const
{
    const double tmin = GetTMin(), tmax = GetTMax();
    if (tmax - tmin < paramEpsilon) return true;
    TPoint2D P1, P2;
    _PointOn(tmin, P1);
    _PointOn((tmin + tmax) * 0.5, P2);
    return std::fabs(P1.x - P2.x) <= metricPrecision && std::fabs(P1.y - P2.y) <= metricPrecision;
}

double TCurve2D::DeviationStep(double t, double angle) const
{
    const double tmin = GetTMin(), tmax = GetTMax();
    const double range = tmax - tmin;
    const bool isClosed = IsClosed();
    const double M = range * (isClosed ? closedMaxStepShare : openMaxStepShare);
    const double m = range * minStepShare;
    if (!isClosed && t > tmax + m) return M;
    if (!isClosed && t < tmin - m) return tmin - t;
    TVector2D D1;
    FirstDer(t, D1);
    const double s = D1.Len();
    double step = M;
    if (s > metricPrecision) {
        TVector2D D2;
        SecondDer(t, D2);
        const double w = std::fabs(Cross(D1, D2)) / (s * s);
        if (w > s * metricPrecision) step = std::clamp(angle / w, m, M);
    } else {
        const double t2 = t < tmax - m ? t + m : t - m;
        FirstDer(t2, D1);
        step = D1.Len() > metricPrecision ? m : M;
    }
    return std::max(step, range * floorStepShare);
}

// ---------------------------------------------------------------- record

void TCurve2D::Store(TKmfData& S) const
{
    S.Write(Name2);
    S.Write(Atr);
}

void TCurve2D::Load(TKmfData& S)
{
    if (S.Version() >= nameVersion) {
        S.Read(Name2);
    } else {
        Name2 = 0;
        S.ReadInteger();
        S.ReadInteger();
    }
    S.Read(Atr);
}

void TCurve2D::CopyHead(const TCurve2D& C) noexcept
{
    Name2 = C.Name2;
    Atr = C.Atr;
    closed = C.closed;
    paramLength = C.paramLength;
    metricLength = C.metricLength;
    Gabaryt = C.Gabaryt;
    Obj = C.Obj;
    startParam = 0.0;
    Index = 0;
    Owner = nullptr;
}

// ---------------------------------------------------------------- free functions

bool CheckParameter(TArrayOf<double>& AParam, const double& t, const double& Eps)
{
    for (Integer i = 0; i < AParam.Count; ++i)
        if (std::fabs(AParam.FArray[i] - t) <= Eps) return true;
    AParam.Add(t);
    return true;
}

void SetColorStyle(TGImage*, unsigned int) {}
void UnSetColorStyle(TGImage*, unsigned int) {}

// ---------------------------------------------------------------- point

TBasePoint::operator TString() const
{
    TString s("Point (");
    s += TString(x, 3, true, 7);
    s += ",";
    s += TString(y, 3, true, 7);
    s += ")";
    return s;
}

void TBasePoint::StorePoint(TKmfData& S) const
{
    S.Write(x);
    S.Write(y);
}

void TBasePoint::LoadPoint(TKmfData& S)
{
    S.Read(x);
    S.Read(y);
}

void TBasePoint::Store(TKmfData& S) const
{
    TCurve2D::Store(S);
    StorePoint(S);
}

void TBasePoint::Load(TKmfData& S)
{
    TCurve2D::Load(S);
    LoadPoint(S);
}

TCurve2D* TBasePoint::Duplicate() const
{
    auto* P = new TBasePoint(x, y);
    P->CopyHead(*this);
    return P;
}

void TBasePoint::Mtr(const TMtr2D&)
{
    if (drApi::Transf2D == nullptr) return;
    double X = x, Y = y;
    drApi::Transf2D->xyMtr(x, y, X, Y);
    Set(X, Y);
}

int TBasePoint::InterSect(const TCurve2D* P, TInterSector& IS) const
{
    IS.ACrossPoint.Clear();
    if (P == nullptr) return 0;
    if (IsType() != ctPoint) return 20;
    double t = 0.0;
    if (!P->NearPointProjection(*this, IS.Eps, t, true, nullptr)) return 0;
    TPoint2D Q;
    P->PointOn(t, Q);
    if (std::hypot(Q.x - x, Q.y - y) >= onCurveTolerance) return 0;
    IS.Append(TCrossPoint::ipt_Simple, Q, 0.0, this, t, P);
    return 1;
}
