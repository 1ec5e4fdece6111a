// The contour as a curve: ownership and copies of its items, the contour parameter and the
// evaluations and projection that read the chain through it.

#include "Contour.h"

#include "PolyLine.h"

#include <algorithm>
#include <cmath>
#include <memory>

namespace {

// A projection is accepted within Eps times this (in parameter units), as the polyline's is.
constexpr double projectionTolFactor = TPolyLine::projectionTolFactor;

} // namespace

// ---------------------------------------------------------------- ownership and copies

TContour::~TContour()
{
    Clear();
}

void TContour::Clear()
{
    DeleteLS();
    Items::Clear();
}

TContour& TContour::operator=(const TContour& C)
{
    if (&C == this) return *this;
    Clear();
    for (Integer i = 0; i < C.Count; ++i)
        if (C.FArray[i] != nullptr) Add(std::unique_ptr<TCurve2D>(C.FArray[i]->Duplicate()));
    return *this;
}

TCurve2D* TContour::Duplicate() const
{
    if (Count == 0) return nullptr;
    auto C = std::make_unique<TContour>();
    Duplicate(C.get());
    return C.release();
}

TContour* TContour::Duplicate(TContour* Dest) const
{
    if (Dest == nullptr || Count == 0) return nullptr;
    for (Integer i = 0; i < Count; ++i)
        if (FArray[i] != nullptr) Dest->Add(std::unique_ptr<TCurve2D>(FArray[i]->Duplicate()));
    return Dest;
}

TContour* TContour::DuplicateAt(unsigned int Atribute, TContour* Dest) const
{
    if (Dest == nullptr || Count == 0) return nullptr;
    for (Integer i = 0; i < Count; ++i) {
        const TCurve2D* C = FArray[i];
        if (C != nullptr && static_cast<unsigned int>(C->Atr) == Atribute)
            Dest->Add(std::unique_ptr<TCurve2D>(C->Duplicate()));
    }
    return Dest;
}

// ---------------------------------------------------------------- parameter

double TContour::GetTMax() const
{
    return paramLength < 0.0 ? CalculateParamLength() : paramLength;
}

Real TContour::CalculateParamLength() const
{
    paramLength = 0.0;
    for (Integer k = 0; k < Count; ++k) {
        TCurve2D* C = FArray[k];
        if (C == nullptr) continue;
        C->Owner = this;
        C->startParam = paramLength;
        C->Index = k;
        paramLength += C->GetTMax() - C->GetTMin();
    }
    return paramLength;
}

Integer TContour::Locate(double t, double& tSeg) const
{
    tSeg = 0.0;
    double acc = 0.0;
    Integer last = -1;
    for (Integer k = 0; k < Count; ++k) {
        const TCurve2D* C = FArray[k];
        if (C == nullptr) continue;
        last = k;
        const double span = C->GetTMax() - C->GetTMin();
        if (span > metricEpsilon && acc + span > t) {
            tSeg = C->GetTMin() + t - acc;
            return k;
        }
        acc += span;
    }
    if (last >= 0) tSeg = FArray[last]->GetTMax();
    return last;
}

Integer TContour::FindSegment(double& t, double& tSeg) const
{
    tSeg = 0.0;
    if (Count == 0) return -1;
    CorrectParameter(t);
    return Locate(t, tSeg);
}

// ---------------------------------------------------------------- evaluation

void TContour::PointOn(double t, TPoint2D& pnt) const
{
    double s = 0.0;
    const Integer k = FindSegment(t, s);
    if (k >= 0) FArray[k]->PointOn(s, pnt);
}

void TContour::ItemDer(double t, TVector2D& V, DerFn Der) const
{
    double s = 0.0;
    const Integer k = FindSegment(t, s);
    if (k >= 0)
        (FArray[k]->*Der)(s, V);
    else
        V.Set(0.0, 0.0);
}

void TContour::FirstDer(double t, TVector2D& V) const
{
    ItemDer(t, V, &TCurve2D::FirstDer);
}
void TContour::SecondDer(double t, TVector2D& V) const
{
    ItemDer(t, V, &TCurve2D::SecondDer);
}
void TContour::ThirdDer(double t, TVector2D& V) const
{
    ItemDer(t, V, &TCurve2D::ThirdDer);
}

bool TContour::Extrapolated(double t, const TCurve2D*& C, double& tc, bool& inside) const
{
    if (Count == 0 || FArray[0] == nullptr || FArray[Count - 1] == nullptr) return false;
    const double a = GetTMin(), b = GetTMax();
    const double lo = std::min(a, b), hi = std::max(a, b);
    inside = (lo <= t && t <= hi) || IsClosed();
    if (inside) return true;
    if (t < lo) {
        C = FArray[0];
        tc = C->GetTMin() + (t - lo);
    } else {
        C = FArray[Count - 1];
        tc = C->GetTMax() + (t - hi);
    }
    return true;
}

void TContour::_PointOn(double t, TPoint2D& pnt) const
{
    const TCurve2D* C = nullptr;
    double tc = 0.0;
    bool inside = false;
    if (!Extrapolated(t, C, tc, inside)) return;
    if (inside)
        PointOn(t, pnt);
    else
        C->_PointOn(tc, pnt);
}

void TContour::ExtrapolatedDer(double t, TVector2D& V, DerFn Der, DerFn ExtDer) const
{
    const TCurve2D* C = nullptr;
    double tc = 0.0;
    bool inside = false;
    if (!Extrapolated(t, C, tc, inside))
        V.Set(0.0, 0.0);
    else if (inside)
        (this->*Der)(t, V);
    else
        (C->*ExtDer)(tc, V);
}

void TContour::_FirstDer(double t, TVector2D& V) const
{
    ExtrapolatedDer(t, V, &TCurve2D::FirstDer, &TCurve2D::_FirstDer);
}

void TContour::_SecondDer(double t, TVector2D& V) const
{
    ExtrapolatedDer(t, V, &TCurve2D::SecondDer, &TCurve2D::_SecondDer);
}

void TContour::_ThirdDer(double t, TVector2D& V) const
{
    ExtrapolatedDer(t, V, &TCurve2D::ThirdDer, &TCurve2D::_ThirdDer);
}

// ---------------------------------------------------------------- lengths

double TContour::GetMetricLength() const
{
    double L = 0.0;
    for (Integer k = 0; k < Count; ++k)
        if (FArray[k] != nullptr) L += FArray[k]->GetMetricLength();
    metricLength = L;
    return L;
}

double TContour::GetMetricLengthPart(double Ct1, double Ct2) const
{
    double s1 = 0.0, s2 = 0.0;
    const Integer i1 = FindSegment(Ct1, s1);
    const Integer i2 = FindSegment(Ct2, s2);
    if (i1 < 0 || i2 < 0) return 0.0;
    if (i2 < i1) return GetMetricLengthPart(Ct1, GetTMax()) + GetMetricLengthPart(GetTMin(), Ct2);
    const TCurve2D* A = FArray[i1];
    if (i1 == i2) return A->GetMetricLengthPart(s1, s2);
    double L = A->GetMetricLengthPart(s1, A->GetTMax());
    for (Integer k = i1 + 1; k < i2; ++k)
        if (FArray[k] != nullptr) L += FArray[k]->GetMetricLength();
    const TCurve2D* B = FArray[i2];
    return L + B->GetMetricLengthPart(B->GetTMin(), s2);
}

// ---------------------------------------------------------------- projection

bool TContour::NearPointProjection(const TPoint2D& P, TPoint2D Eps, double& t, bool ext, TRegion1D* R) const
{
    if (Count == 0) return false;
    const bool given = R != nullptr && R->min <= R->max;
    const TRegion1D W = given ? *R : GetRegion();
    const bool isClosed = IsClosed();
    t = GetTMin();
    double best = MaxReal, acc = 0.0;
    for (Integer k = 0; k < Count; ++k) {
        const TCurve2D* C = FArray[k];
        if (C == nullptr) continue;
        const double lo = C->GetTMin(), hi = C->GetTMax();
        TRegion1D r(MaxReal, -MaxReal); // inverted: the item's own interval
        if (given) r.Init(std::max(lo, lo + W.min - acc), std::min(hi, lo + W.max - acc));
        const bool e = Count == 1 && ext && !isClosed;
        double tk = lo;
        C->NearPointProjection(P, Eps, tk, e, &r);
        if (!e) { // the parameter must name the point measured: items may leave a foot outside
            const TRegion1D in = r.min <= r.max ? r : TRegion1D(lo, hi);
            tk = std::clamp(tk, in.min, in.max);
        }
        TPoint2D Q;
        if (e && !closed)
            C->_PointOn(tk, Q);
        else
            C->PointOn(tk, Q);
        double d = (P.x - Q.x) * (P.x - Q.x) + (P.y - Q.y) * (P.y - Q.y);
        const double tc = tk - lo + acc;
        if (given && !ext && (tc <= W.min - metricRegion || tc >= W.max + metricRegion)) d = MaxReal;
        if (d < best) {
            t = tc;
            best = d;
        }
        acc += hi - lo;
    }
    const double tol = GetParamToUnit() * projectionTolFactor * std::max(std::fabs(Eps.x), std::fabs(Eps.y));
    if (given) {
        const double period = isClosed ? GetTMax() - GetTMin() : 0.0;
        return W.CorrectCheckNearParameter(period, ext, tol, t);
    }
    return W.CorrectCheckParameter(closed, ext, tol, t);
}
