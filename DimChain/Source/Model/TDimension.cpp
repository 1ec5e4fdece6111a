// The link record: assignment, comparison with the link tolerances, the stored form and the
// sign rules of link vectors.

#include "TDimension.h"

#include "KmfData.h"

#include <cmath>

namespace {

constexpr Real VectorTolerance = 1e-5;
constexpr Real PointTolerance = 1e-4;
constexpr Real ValueTolerance = 1e-6;
constexpr Real ThermalTolerance = TMathDef::paramPrecision; // dl/dT is a ratio, not a length

bool Near(Real a, Real b, Real eps)
{
    return TDimension::SameFigure(a, b, eps);
}

bool Near(const TPoint2D& a, const TPoint2D& b, Real eps)
{
    return Near(a.x, b.x, eps) && Near(a.y, b.y, eps);
}

// Keeps the target's pointer when it already denotes the same host object.
template <class P> void AssignHost(P& target, const P& source)
{
    if (target.Get() == source.Get()) return;
    if (target && source && target == source) return;
    target = source;
}

template <class P> bool SameHost(const P& a, const P& b)
{
    if (a.Get() == b.Get()) return true;
    return a && b && a == b;
}

void WriteVector(TKmfData& s, const TPoint2D& v)
{
    s << v.x << v.y;
}

void ReadVector(TKmfData& s, TPoint2D& v)
{
    s >> v.x >> v.y;
}

void WritePoint(TKmfData& s, const TPoint3D& p)
{
    s << p.x << p.y << p.z;
}

void ReadPoint(TKmfData& s, TPoint3D& p)
{
    s >> p.x >> p.y >> p.z;
}

void WritePlacement(TKmfData& s, const TPlacement3D& p)
{
    WritePoint(s, p.O);
    WritePoint(s, p.AX);
    WritePoint(s, p.AY);
    WritePoint(s, p.AZ);
}

void ReadPlacement(TKmfData& s, TPlacement3D& p)
{
    ReadPoint(s, p.O);
    ReadPoint(s, p.AX);
    ReadPoint(s, p.AY);
    ReadPoint(s, p.AZ);
}

void WriteEnum(TKmfData& s, int v)
{
    s << v;
}

template <class E> void ReadEnum(TKmfData& s, E& v)
{
    v = static_cast<E>(s.ReadInteger());
}

} // namespace

TDimensionHost& TDimensionHost::operator=(const TDimensionHost& H)
{
    AssignHost(Obj, H.Obj);
    AssignHost(PearentObj, H.PearentObj);
    AssignHost(AuxObj, H.AuxObj);
    AssignHost(MO, H.MO);
    AssignHost(ProjectionObj, H.ProjectionObj);
    AssignHost(AngleAuxObj, H.AngleAuxObj);
    return *this;
}

// Infinite figures equal only themselves; NaN equals NaN and no number.
bool TDimension::SameFigure(Real A, Real B, Real Tolerance) noexcept
{
    return A == B || std::fabs(A - B) <= Tolerance || (std::isnan(A) && std::isnan(B));
}

bool TDimension::operator==(const TDimension& D) const
{
    if (refObject != D.refObject || !SameHost(PearentObj, D.PearentObj)) return false;
    if (View != D.View || Type != D.Type || TypeAuxiliary != D.TypeAuxiliary) return false;
    if (refAuxiliaryObj != D.refAuxiliaryObj || Transformation != D.Transformation) return false;
    if (!Near(KTransformation, D.KTransformation, 0.0)) return false;
    if (!Near(VTransformation.x, D.VTransformation.x, VectorTolerance) ||
        !Near(VTransformation.y, D.VTransformation.y, VectorTolerance))
        return false;
    if (!Near(Nominal, D.Nominal, ValueTolerance) || !Near(QLow, D.QLow, ValueTolerance) ||
        !Near(QHigh, D.QHigh, ValueTolerance))
        return false;
    if (Qualitet != D.Qualitet || !Near(V2, D.V2, VectorTolerance)) return false;
    if (!Near(P1, D.P1, PointTolerance) || !Near(P2, D.P2, PointTolerance)) return false;
    if (!Near(ANominal, D.ANominal, ValueTolerance) || !Near(AQLow, D.AQLow, ValueTolerance) ||
        !Near(AQHigh, D.AQHigh, ValueTolerance))
        return false;
    if (AQualitet != D.AQualitet) return false;
    const Real mine[] = {ONominal, OQLow, OQHigh, EQLow, EQHigh};
    const Real theirs[] = {D.ONominal, D.OQLow, D.OQHigh, D.EQLow, D.EQHigh};
    for (int i = 0; i < 5; ++i)
        if (!Near(mine[i], theirs[i], ValueTolerance)) return false;
    if (!Near(dLdT, D.dLdT, ThermalTolerance)) return false;
    if (!PL1.IsSamePlane(D.PL1) || !PL2.IsSamePlane(D.PL2)) return false;
    if (!(V3 == D.V3) || !SameHost(MO, D.MO)) return false;
    return TMO == D.TMO;
}

void TDimension::toStream(TKmfData& s) const
{
    WriteEnum(s, Type);
    s << refObject;
    WriteEnum(s, TypeAuxiliary);
    s << refAuxiliaryObj << Transformation << KTransformation;
    WriteVector(s, VTransformation);
    s << Nominal;
    s.Write(Qualitet);
    s << QLow << QHigh;
    WriteVector(s, V2);
    WriteVector(s, P1);
    WriteVector(s, P2);
    s << ANominal;
    s.Write(AQualitet);
    s << AQLow << AQHigh << ONominal << OQLow << OQHigh << EQLow << EQHigh;
    s.Write(Comment);
    s << dLdT << dT;
    WriteEnum(s, TMO);
    WritePlacement(s, PL1);
    WritePlacement(s, PL2);
    WritePoint(s, V3);
}

void TDimension::fromStream(TKmfData& s)
{
    ReadEnum(s, Type);
    s >> refObject;
    ReadEnum(s, TypeAuxiliary);
    s >> refAuxiliaryObj >> Transformation >> KTransformation;
    ReadVector(s, VTransformation);
    s >> Nominal;
    s.Read(Qualitet);
    s >> QLow >> QHigh;
    ReadVector(s, V2);
    ReadVector(s, P1);
    ReadVector(s, P2);
    s >> ANominal;
    s.Read(AQualitet);
    s >> AQLow >> AQHigh >> ONominal >> OQLow >> OQHigh >> EQLow >> EQHigh;
    s.Read(Comment);
    s >> dLdT >> dT;
    if (s.Version() < ModelFieldsVersion) return;
    MO.Reset();
    ReadEnum(s, TMO);
    ReadPlacement(s, PL1);
    ReadPlacement(s, PL2);
    ReadPoint(s, V3);
}

void TDimension::to(std::vector<Byte>& Result) const
{
    TKmfData stream;
    toStream(stream);
    stream.to(Result);
}

void TDimension::from(const std::vector<Byte>& Data)
{
    TKmfData stream;
    stream.from(Data);
    fromStream(stream);
}

void OrientDrawingVector(TVector2D& V)
{
    const bool flip = std::fabs(V.x) > TDimension::ZeroLength ? V.x < 0.0 : V.y < 0.0;
    if (flip) V.Set(-V.x, -V.y);
}

void OrientModelVector(TVector3D& V)
{
    // The first component that is not zero decides, so that every vector has one canonical
    // sense: two links along one axis, or one diagonal, then share it whatever the part's turn.
    const Real first = std::fabs(V.x) > TDimension::ZeroLength   ? V.x
                       : std::fabs(V.y) > TDimension::ZeroLength ? V.y
                                                                 : V.z;
    if (first < 0.0) V = TVector3D(-V.x, -V.y, -V.z);
}

TVector2D TDimension::MeasuringDirection() const
{
    const Real len = V2.Len();
    if (len > ZeroLength) return V2 / len;
    // The end planes stand across the measuring direction (TDimensionCapture.cpp).
    const bool circular = Type == tvapi::tvDrDDimension || Type == tvapi::tvDrRDimension;
    const bool directed = TypeAuxiliary == tvapi::tvDrLDimension || TypeAuxiliary == tvapi::tvDrLineSeg;
    if (Type != tvapi::tvDrLDimension && !(circular && directed)) return {};
    TVector2D u(PL1.AX.y, -PL1.AX.x);
    const Real across = u.Len();
    if (!(across > ZeroLength)) return {};
    u /= across;
    OrientDrawingVector(u);
    return u;
}

TVector2D TDimension::NominalVector() const
{
    const Real len = V2.Len();
    const bool dimensioned = Obj || PearentObj || refPearent != 0; // its own or a derived one
    const bool measured =
        Type == tvapi::tvDrLDimension || Type == tvapi::tvDrDDimension || Type == tvapi::tvDrRDimension;
    if (!measured || IsModel() || !dimensioned || !(len > ZeroLength)) return V2;
    if (!std::isfinite(Nominal) || Nominal < 0.0) return V2;
    const bool projected = (VTransformation | VTransformation) > 0.0;
    if (!projected) return V2 * (Nominal / len);
    // A projection keeps the share of the nominal its drawn length has of the drawn length
    // along the link's own direction (across its end planes).
    const TVector2D own(PL1.AX.y, -PL1.AX.x);
    const Real drawn = std::fabs(TVector2D(P1, P2) | own) / own.Len();
    return drawn > ZeroLength ? V2 * (Nominal / drawn) : V2;
}

void TDimension::Prepare()
{
    if (Obj)
        OrientDrawingVector(V2);
    else
        OrientModelVector(V3);
}

TConversion TDimension::Convert(TChainHost& Host)
{
    const bool was = Transformation;
    switch (Type) {
    case tvapi::tvDrLDimension:
    case tvapi::tvDrADimension:
        Transformation = !was;
        if (AQLow == 0.0 && AQHigh == 0.0) return TConversion::Flipped;
        AQLow = -AQLow;
        AQHigh = -AQHigh;
        Derive(Host);
        return TConversion::Converted;
    case tvapi::tvDrRDimension:
    case tvapi::tvDrDDimension: {
        Transformation = !was;
        const Real f = (Type == tvapi::tvDrRDimension) != was ? 2.0 : 0.5;
        KTransformation = f;
        if (!Derive(Host)) ScaleCircle(f); // nothing to read again: scaled as it stands
        return TConversion::Converted;
    }
    default:
        return TConversion::NotConvertible;
    }
}

void TDimension::ScaleCircle(Real K)
{
    // The drawn ends go with the vector: a projection's share of the nominal is taken from them.
    V2 *= K;
    P1 = TPoint2D(P1.x * K, P1.y * K);
    P2 = TPoint2D(P2.x * K, P2.y * K);
    Nominal *= K;
    QLow *= K;
    QHigh *= K;
}

bool TDimension::IsSame(const TDimension& D) const
{
    if (PL1.IsSamePlane(D.PL1) && PL2.IsSamePlane(D.PL2)) return true;
    return PL1.IsSamePlane(D.PL2) && PL2.IsSamePlane(D.PL1);
}

bool TDimension::IsSameObject(const TDimension& D) const
{
    if (Obj || D.Obj) return SameHost(Obj, D.Obj);
    return PearentObj && SameHost(PearentObj, D.PearentObj) && Number == D.Number;
}

bool TDimension::IsModel() const
{
    return TMO != 0 && V3.x * V3.x + V3.y * V3.y + V3.z * V3.z > 0.0;
}
