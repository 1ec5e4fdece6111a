// The chain's calculation: the closing link's nominal and deviations from the component links,
// each link's field taken by its share along the closing direction; a chain of angles alone
// in angle units.

#include "TDimensionChain.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace {

constexpr Real DegToRad = 0.017453292519943295;

// What one link adds to the spread and to the middle of the closing link's field.
struct TContribution {
    Real Spread = 0.0;
    Real Middle = 0.0;
};

// The spread and middle sums of a chain's links, each part weighed by its link's thermal
// factor K; a statistical method sums the squares of the spreads.
struct TFieldSums {
    bool Statistical = false;
    Real Lambda = 1.0;
    Real S = 0.0, M = 0.0;

    void Take(TContribution part, Real K)
    {
        // A length that heat makes zero or negative has no field: the figures are no numbers.
        if (!(K > 0.0)) K = std::numeric_limits<Real>::quiet_NaN();
        // A field typed upper below lower still widens the closing link's field.
        part.Spread = Statistical ? part.Spread * part.Spread * Lambda : std::fabs(part.Spread);
        S += part.Spread * K;
        M += part.Middle * K;
    }
};

// Linear, diametral and radial links: the field projected on the closing direction; the
// spread takes the projection's size, the middle its sign.
TContribution LinearContribution(const TDimension& L, Real c, Real sgn)
{
    const Real lo = L.QLow + L.EQLow;
    const Real hi = L.QHigh + L.EQHigh;
    return {(hi - lo) * std::fabs(c), c * sgn * (hi + lo) * 0.5};
}

// The field (degrees) an angle turns within: an angular link's own deviations widened by
// those typed on it, which are degrees on an angle. A linear link's typed deviations are
// lengths, already in its linear field: its laid angle turns within the angle's own.
struct TAngleField {
    Real Low = 0.0, High = 0.0;
};

TAngleField AngleField(const TDimension& L)
{
    if (L.Type != tvapi::tvDrADimension) return {L.AQLow, L.AQHigh};
    return {L.AQLow + L.EQLow, L.AQHigh + L.EQHigh};
}

// Angular links: the change of the projection L cos(theta) when the angle turns by each of
// its deviations.
TContribution AngularContribution(const TDimension& L, Real len, Real c, Real s, Real sgn)
{
    const TAngleField field = AngleField(L);
    const Real a = field.Low * DegToRad;
    const Real e = field.High * DegToRad;
    const Real d1 = len * (c * std::cos(a) - s * std::sin(a)) - len * c;
    const Real d2 = len * (c * std::cos(e) - s * std::sin(e)) - len * c;
    return {std::max(d1, d2) - std::min(d1, d2), sgn * (d1 + d2) * 0.5};
}

// A link with a length (linear, diametral or radial) given angular deviations and not
// projected turns within them, as an angular link does; a projection has already counted them
// in its field. An angle is never a length: a circle's link does not widen its field by it.
bool TurnsWithinAngles(const TDimension& L)
{
    const bool projected = L.VTransformation.Len() > 0.0;
    const bool hasLength =
        L.Type == tvapi::tvDrLDimension || L.Type == tvapi::tvDrDDimension || L.Type == tvapi::tvDrRDimension;
    return hasLength && !projected && (L.AQLow != 0.0 || L.AQHigh != 0.0);
}

void TakeDrawingLink(TFieldSums& sums, const TDimension& L, const TVector2D& u, Real sgn, Real K)
{
    // A link with a length turns at its nominal's length, whatever the view's scale.
    const Real len = L.Type == tvapi::tvDrADimension ? L.V2.Len() : L.NominalVector().Len();
    // A link of zero length still has a field along the direction its dimension measures.
    const TVector2D along = L.MeasuringDirection();
    if (!(along.Len() > 0.0)) return;
    const Real c = std::clamp(along | u, -1.0, 1.0);
    const Real s = std::sqrt(std::max(0.0, 1.0 - c * c));
    switch (L.Type) {
    case tvapi::tvDrLDimension:
    case tvapi::tvDrDDimension:
    case tvapi::tvDrRDimension:
        sums.Take(LinearContribution(L, c, sgn), K);
        if (TurnsWithinAngles(L)) {
            // The angle to the closing direction grows when the link turns the way it lies
            // from that direction.
            const Real turn = L.LaidAngleTurn();
            const bool grows = turn == 0.0 || turn * (u ^ along) >= 0.0;
            sums.Take(AngularContribution(L, len, c, grows ? s : -s, sgn), K);
        }
        return;
    case tvapi::tvDrADimension:
        sums.Take(AngularContribution(L, len, c, s, sgn), K);
        return;
    default:
        return;
    }
}

// A model link's share along the closing direction u (unit, or zero for a closing link of no
// length, when every link counts whole).
Real ModelShare(const TDimension& L, const TVector3D& u)
{
    const Real len = L.V3.Len();
    if (!(len > TDimension::ZeroLength) || !(u.Len() > 0.0)) return 1.0;
    return std::clamp((L.V3.x * u.x + L.V3.y * u.y + L.V3.z * u.z) / len, -1.0, 1.0);
}

// What heat adds to the signed sum of a chain's first N links along u (every link whole for a
// zero u): each link's model length along u times its thermal factor less one.
Real HeatAlong(const TDimensionChain& C, int N, const TVector3D& u)
{
    Real heat = 0.0;
    for (int i = 0; i < N; ++i) {
        const TDimension& L = C.Dimensions[i];
        heat += (C.Plus(i) ? 1.0 : -1.0) * L.dLdT * L.dT * ModelShare(L, u) * L.V3.Len();
    }
    return heat;
}

TContribution ModelContribution(const TDimension& L, const TVector3D& u, Real sgn)
{
    switch (static_cast<int>(L.TMO)) {
    case tvapi::o3d_baselineDimension3D:
    case tvapi::o3d_lineDimension3D:
    case tvapi::o3d_SketchLinearDimension:
    case tvapi::o3d_OperationLinearDimension:
        return LinearContribution(L, ModelShare(L, u), sgn);
    default:
        return {};
    }
}

TChainResult Result(Real Nominal, const TFieldSums& sums, Real RiskFactor)
{
    const Real half = sums.Statistical ? std::sqrt(sums.S) * RiskFactor : sums.S;
    return {Nominal, sums.M + half * 0.5, sums.M - half * 0.5};
}

} // namespace

TVector3D TDimensionChain::ModelClosingDirection() const
{
    if (Count() < 1) return {};
    const TDimension& closing = Dimensions[Count() - 1];
    const Real len = closing.V3.Len();
    if (!(len > TDimension::ZeroLength)) return {};
    // The sense in which the component links sum to the closing link.
    const Real k = (Plus(Count() - 1) ? -1.0 : 1.0) / len;
    return TVector3D(closing.V3.x * k, closing.V3.y * k, closing.V3.z * k);
}

bool TDimensionChain::IsAngular() const
{
    return AllAngles(Dimensions);
}

std::optional<TChainResult> TDimensionChain::CalculateAngles(bool ZeroEndDim) const
{
    TFieldSums sums{MethodCalculating != mcMinMax, Lambda};
    Real angle = 0.0;
    for (int i = 0; i + 1 < Count(); ++i)
        angle += (Plus(i) ? 1.0 : -1.0) * Dimensions[i].ANominal;
    // The walk's signed sum gives the closing angle within whole turns.
    const Real closing = Dimensions[Count() - 1].ANominal;
    angle += FullTurn * std::round((closing - angle) / FullTurn);
    const int n = ZeroEndDim ? Count() : Count() - 1;
    for (int i = 0; i < n; ++i) {
        const TDimension& L = Dimensions[i];
        // The closing angle enters the loop's residual against the others.
        const Real sgn = i == Count() - 1 || !Plus(i) ? -1.0 : 1.0;
        const TAngleField field = AngleField(L);
        sums.Take({field.High - field.Low, sgn * (field.High + field.Low) * 0.5}, 1.0 + L.dLdT * L.dT);
    }
    return Result(ZeroEndDim ? std::fabs(angle - closing) : angle, sums, RiskFactor);
}

Real TDimensionChain::HeatedModelLength() const
{
    if (Count() < 1) return 0.0;
    return Dimensions[Count() - 1].V3.Len() + HeatAlong(*this, Count() - 1, ModelClosingDirection());
}

std::optional<TChainResult> TDimensionChain::CalculateIn(TChainSpace Space, bool ZeroEndDim) const
{
    if (!Closed) return std::nullopt;
    const bool model = Space == TChainSpace::Model;
    if (!model && IsAngular()) return CalculateAngles(ZeroEndDim);
    const int n = ZeroEndDim ? Count() : std::max(Count() - 1, 0);
    // The closing direction a link's field is projected on: the closing link's, also when it
    // has no length (a gap designed to be zero).
    TVector2D u(1.0, 0.0);
    if (!model && n >= 1) u = Dimensions[Count() - 1].MeasuringDirection();
    const TVector3D u3 = model ? ModelClosingDirection() : TVector3D();
    TFieldSums sums{MethodCalculating != mcMinMax, Lambda};
    TVector2D W2;
    TVector3D W3;
    for (int i = 0; i < n; ++i) {
        const TDimension& L = Dimensions[i];
        const Real sgn = Plus(i) ? 1.0 : -1.0;
        const Real K = 1.0 + L.dLdT * L.dT;
        if (model) {
            sums.Take(ModelContribution(L, u3, sgn), K);
            W3 = TVector3D(W3.x + sgn * K * L.V3.x, W3.y + sgn * K * L.V3.y, W3.z + sgn * K * L.V3.z);
        } else {
            TakeDrawingLink(sums, L, u, sgn, K);
            W2 += L.NominalVector() * (sgn * K);
        }
    }
    // Typed nominals may turn the components' sum against the closing link's direction: a gap
    // made negative (an interference) keeps its sign. A model chain's closing nominal is its
    // length as heat makes it, signed the same way; its loop's deviations move by what heat
    // leaves of the loop.
    if (model && ZeroEndDim) sums.M += HeatAlong(*this, n, u3);
    const Real nominal = model ? (ZeroEndDim ? W3.Len() : HeatedModelLength())
                               : (!ZeroEndDim && (W2 | u) < 0.0 ? -W2.Len() : W2.Len());
    return Result(nominal, sums, RiskFactor);
}
