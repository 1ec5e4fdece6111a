// Mould part records: stream records in their stored field order with their version gates,
// plan symbols, and the plan extents of the rectangle-based groups.

#include "MathDetail2.h"

#include <algorithm>
#include <cmath>

#include "GImage.h"
#include "KmfData.h"
#include "Mathemat.h"

namespace {

// Circles of radius r on a circle of radius Place about the plan origin, at the first
// ClampedCount(Count) angles.
void ShowOnCircle(const TDetail& D, TGImage& Image, const TColor& Color, Integer Count, Real Place,
                  const Real* Angle, Real r)
{
    if (!D.Design) return;
    Image.drColorStyle(Color, TPenStyles(1));
    for (Integer i = 0; i < ClampedCount(Count); ++i) {
        const Real a = Angle[i] * TMathDef::DEGRAD;
        Image.drCircle(Place * std::cos(a), Place * std::sin(a), r);
    }
}

} // namespace

// ---- Return-pin set ----------------------------------------------------------------------------

TBackEjector::TBackEjector(TDcDetail iId, TModeler3D* M, TConstruktor& C, TDcDetail iId2)
    : TDetail(iId, M, nullptr, iId2, &C)
{
}

void TBackEjector::Show(TGImage& Image, TColor Color) const
{
    ShowCorners(*this, *this, Image, Color, Radius);
}

void TBackEjector::AddGabIn(TRect2D& R, const Real& d) const
{
    if (!Design) return;
    const Real w = Radius + d;
    R.LD.x = std::min(R.LD.x, LD.x - w);
    R.LD.y = std::min(R.LD.y, LD.y - w);
    R.RU.x = std::max(R.RU.x, RU.x + w);
    R.RU.y = std::max(R.RU.y, RU.y + w);
}

void TBackEjector::toStream(TKmfData& S) const
{
    WriteHead(S, *this);
    WriteReals(
        S, {LD.x, RU.x, RU.y, LD.y, Radius, CollarHeight, CollarRadius, FitRadius, FitLen, Len, LenOpora});
}

void TBackEjector::fromStream(TKmfData& S)
{
    TRecordReader r(S);
    r(Design)(Code)(LD.x)(RU.x)(RU.y)(LD.y)(Radius)(CollarHeight)(CollarRadius)(FitRadius)(FitLen)(Len);
    const Boolean stored = r.Version() >= VersionLenOpora;
    if (stored) r(LenOpora);
    if (r.Commit() && !stored) LenOpora = OldLenOpora;
}

// ---- Guide bushes ------------------------------------------------------------------------------

TDirectPlug::TDirectPlug(TDcDetail iId, TModeler3D* M, TConstruktor& C) : TDetail(iId, M, C) {}

void TDirectPlug::Show(TGImage& Image, TColor Color) const
{
    ShowCorners(*this, *this, Image, Color, Radius);
}

// The bushes stand symmetric about x = 0; the extent takes the farther of the two columns on
// both sides, so every bush is inside whichever corner lies farther out.
void TDirectPlug::AddGabIn(TRect2D& R, const Real& d) const
{
    if (!Design) return;
    const Real w = Radius + d;
    const Real M = std::max(std::abs(LD.x), std::abs(RU.x));
    R.LD.x = std::min(R.LD.x, -M - w);
    R.RU.x = std::max(R.RU.x, M + w);
    R.LD.y = std::min(R.LD.y, LD.y - w);
    R.RU.y = std::max(R.RU.y, RU.y + w);
}

void TDirectPlug::toStream(TKmfData& S) const
{
    WriteHead(S, *this);
    WriteReals(S,
               {RU.x, RU.y, LD.x, LD.y, Radius, CollarHeight, CollarRadius, ColumnRadius, OustingLen, Len});
}

void TDirectPlug::fromStream(TKmfData& S)
{
    TRecordReader r(S);
    r(Design)(Code)(RU.x)(RU.y)(LD.x)(LD.y)(
        Radius)(CollarHeight)(CollarRadius)(ColumnRadius)(OustingLen)(Len);
    r.Commit();
}

// ---- Single parts --------------------------------------------------------------------------------

void TDirectColumn::toStream(TKmfData& S) const
{
    WriteHead(S, *this);
    WriteReals(S, {Radius, TailRadius, TailLen, Len, SupportLen});
}

void TDirectColumn::fromStream(TKmfData& S)
{
    TRecordReader r(S);
    r(Design)(Code)(Radius)(TailRadius)(TailLen)(Len);
    const Boolean stored = r.Version() >= VersionSupportLen;
    if (stored) r(SupportLen);
    if (r.Commit() && !stored) SupportLen = Len - 2 * TailLen;
}

void TWasherEjectorChannel::toStream(TKmfData& S) const
{
    WriteHead(S, *this);
    WriteReals(S, {Height, Radius});
}

void TWasherEjectorChannel::fromStream(TKmfData& S)
{
    TRecordReader r(S);
    r(Design)(Code)(Height)(Radius);
    r.Commit();
}

void TMTail::toStream(TKmfData& S) const
{
    WriteHead(S, *this);
    WriteReals(S, {Radius, Len, ThreadLen, ThreadRadius, ThreadStep, CollarHeight, CollarRadius});
}

void TMTail::fromStream(TKmfData& S)
{
    TRecordReader r(S);
    r(Design)(Code)(Radius)(Len)(ThreadLen)(ThreadRadius)(ThreadStep)(CollarHeight)(CollarRadius);
    r.Commit();
}

void TEjectorPlug::toStream(TKmfData& S) const
{
    WriteHead(S, *this);
    WriteReals(S, {Radius, Len, ConeLen, CollarHeight, CollarRadius, ECRadius, EC2Radius, EC2Len});
}

void TEjectorPlug::fromStream(TKmfData& S)
{
    TRecordReader r(S);
    r(Design)(Code)(Radius)(Len)(ConeLen)(CollarHeight)(CollarRadius)(ECRadius)(EC2Radius)(EC2Len);
    r.Commit();
}

TEjectorChannel::TEjectorChannel(TDcDetail iId, TModeler3D* M, TConstruktor& C, TEjectorPlug* Plug)
    : TDetail(iId, M, Plug, 0, &C)
{
}

void TEjectorChannel::toStream(TKmfData& S) const
{
    WriteHead(S, *this);
    WriteReals(S, {Radius, Len, FreeRadius, SpringRadius, SpringLen, FitRadius, FitLen, CollarRadius,
                   CollarHeight, GradeLen, GradeHeight});
}

void TEjectorChannel::fromStream(TKmfData& S)
{
    TRecordReader r(S);
    r(Design)(Code)(Radius)(Len)(FreeRadius)(SpringRadius)(SpringLen)(FitRadius)(FitLen)(CollarRadius);
    r(CollarHeight)(GradeLen)(GradeHeight);
    r.Commit();
}

void TTubeDowel::toStream(TKmfData& S) const
{
    WriteHead(S, *this);
    WriteReals(S, {Radius, Len, ECRadius});
}

void TTubeDowel::fromStream(TKmfData& S)
{
    TRecordReader r(S);
    r(Design)(Code)(Radius)(Len)(ECRadius);
    r.Commit();
}

void TInjectPlug::toStream(TKmfData& S) const
{
    WriteHead(S, *this);
    WriteReals(S, {FitLen, Len, SphereRadius, SphereLen, MFitRadius, BFitRadius, TPARadius, CollarHeight,
                   CollarRadius, LenDelta});
}

void TInjectPlug::fromStream(TKmfData& S)
{
    TRecordReader r(S);
    r(Design)(Code)(FitLen)(Len)(SphereRadius)(SphereLen)(MFitRadius)(BFitRadius)(TPARadius)(CollarHeight);
    r(CollarRadius);
    const Boolean stored = r.Version() >= VersionLenDelta;
    if (stored) r(LenDelta);
    if (r.Commit() && !stored) LenDelta = 0.0;
}

void TSupportWasher::toStream(TKmfData& S) const
{
    WriteHead(S, *this);
    WriteReals(S, {Len, Radius, CollarRadius, CollarHeight, BoltHeadLen, BoltHeadRadius, BoltRadius});
}

void TSupportWasher::fromStream(TKmfData& S)
{
    TRecordReader r(S);
    r(Design)(Code)(Len)(Radius)(CollarRadius)(CollarHeight)(BoltHeadLen)(BoltHeadRadius)(BoltRadius);
    r.Commit();
}

void TReTraction::Show(TGImage& Image, const TColor& Color) const
{
    if (!Design) return;
    Image.drColorStyle(Color, TPenStyles(1));
    Image.drCircle(0, 0, Radius);
    Image.drCircle(0, 0, CollarRadius);
}

void TReTraction::toStream(TKmfData& S) const
{
    WriteHead(S, *this);
    WriteReals(S, {Radius, Len, FitLen, Fit2Len, CollarHeight, CollarRadius});
}

void TReTraction::fromStream(TKmfData& S)
{
    TRecordReader r(S);
    r(Design)(Code)(Radius)(Len)(FitLen)(Fit2Len)(CollarHeight)(CollarRadius);
    r.Commit();
}

// ---- Parts on a circle ------------------------------------------------------------------------------

void TColumnTail::Show(TGImage& Image, const TColor& Color) const
{
    ShowOnCircle(*this, Image, Color, Count, PlaceRadius, Angle, Radius);
}

void TColumnTail::toStream(TKmfData& S) const
{
    WriteHead(S, *this);
    S.Write(Count);
    S.Write(PlaceRadius);
    for (const Real a : Angle)
        S.Write(a);
    WriteReals(S, {Radius, Key, Len, ThreadLen, ThreadRadius});
}

void TColumnTail::fromStream(TKmfData& S)
{
    TRecordReader r(S);
    r(Design)(Code)(Count)(PlaceRadius)(Angle, MaxStoredCount)(Radius)(Key)(Len)(ThreadLen)(ThreadRadius);
    r.Commit();
}

TCirclePlane::TCirclePlane(TDcDetail iId, TModeler3D* M, TConstruktor& C, const TDetail* C1,
                           const TDetail* C2)
    : TDetail(iId, M, C1, 0, &C)
{
    Complement2 = C2;
}

void TCirclePlane::toStream(TKmfData& S) const
{
    WriteHead(S, *this);
    WriteReals(S, {Thickness, Radius, BoltRadius, BoltHeadRadius, BoltHeadLen});
}

void TCirclePlane::fromStream(TKmfData& S)
{
    TRecordReader r(S);
    r(Design)(Code)(Thickness)(Radius)(BoltRadius)(BoltHeadRadius)(BoltHeadLen);
    r.Commit();
}

TLocatingRing::TLocatingRing(TDcDetail iId, TDcDetail iId2, TModeler3D* M, TConstruktor* C, TColumnTail* Tail)
    : TDetail(iId, M, Tail, iId2, C)
{
}

void TLocatingRing::Show(TGImage& Image, const TColor& Color) const
{
    ShowOnCircle(*this, Image, Color, CountFix, FixRadius, FixAngle, FixBoltRadius);
}

void TLocatingRing::toStream(TKmfData& S) const
{
    WriteHead(S, *this);
    WriteReals(S, {Thickness, Radius, BaseRadius, BaseThickness, InRadius, InThickness, InAngle, FixRadius,
                   PinRadius, PinAngle, FixBoltRadius, FixBoltHeadRadius, FixBoltHeadLen});
    S.Write(CountFix);
    for (const Real a : FixAngle)
        S.Write(a);
}

void TLocatingRing::fromStream(TKmfData& S)
{
    TRecordReader r(S);
    r(Design)(Code)(Thickness)(Radius)(BaseRadius)(BaseThickness)(InRadius)(InThickness)(InAngle)(FixRadius);
    r(PinRadius)(PinAngle)(FixBoltRadius)(FixBoltHeadRadius)(FixBoltHeadLen)(CountFix)(FixAngle,
                                                                                       MaxStoredCount);
    r.Commit();
}

void TEjectorPin::toStream(TKmfData& S) const
{
    WriteHead(S, *this);
    WriteReals(S, {d, D, k, R, Len});
}

void TEjectorPin::fromStream(TKmfData& S)
{
    TRecordReader r(S);
    r(Design)(Code)(d)(D)(k)(R)(Len);
    r.Commit();
}
