// The leader pin: record, sizes from table 5, plan symbol, sheet with its auxiliary views and
// the collar's enlarged undercut, and the part with its relief flat and collar flats.

#include "LeaderPin.h"

#include <algorithm>

#include "GImage.h"
#include "KmfData.h"
#include "Mathemat.h"

namespace {

// Lead-in lengths: the sheet always shows 8; the part has 8 only when the pin is tapped.
constexpr Real SheetLeadIn = 8.0;
constexpr Real PlainLeadIn = 2.0;
// The relief flat is 0.2 deep and stops 4 short of the lead-in.
constexpr Real FlatDepth = 0.2;
constexpr Real FlatMargin = 4.0;

} // namespace

TSocketLeaderPin::TSocketLeaderPin(TDcDetail iId, TModeler3D* M, const TDetail* iComplement, TConstruktor* K)
    : TDetail(iId, M, iComplement, 0, K)
{
}

TSocketLeaderPin& TSocketLeaderPin::operator=(const TSocketLeaderPin& P)
{
    Len = P.Len, FLen = P.FLen, FRadius = P.FRadius, OFLen = P.OFLen, OFRadius = P.OFRadius;
    Radius = P.Radius, CollarHeight = P.CollarHeight, CollarRadius = P.CollarRadius;
    ThreadRadius = P.ThreadRadius, ThreadLen = P.ThreadLen, Key = P.Key;
    return *this;
}

Integer TSocketLeaderPin::Set(Integer DetId, Real const& R, Real const& T1, Real const& T2)
{
    if (DetId != Type) return 0;
    // The table is loaded first so that the row does not depend on what ran before.
    // The length takes the longest row not above it, else the shortest above it; either is told
    // when the length lies beyond the table.
    Integer lenKey = 8;
    Integer row = SelectRow(*this, Type, true, 2, 2 * R, 7, T1, lenKey, T2);
    if (row == 0) row = SelectRow(*this, Type, false, 2, 2 * R, 7, T1, lenKey = -8, T2);
    TellOutsideTable(Type, row, {{2, 2 * R}, {7, T1}, {lenKey, T2}});
    if (row == 0) return 0;
    Radius = TablePar(Type, row, 1) / 2;
    Len = TablePar(Type, row, 8);
    FLen = TablePar(Type, row, 5);
    OFLen = TablePar(Type, row, 7);
    OFRadius = TablePar(Type, row, 2) / 2;
    CollarHeight = TablePar(Type, row, 4);
    CollarRadius = TablePar(Type, row, 3) / 2;
    ThreadRadius = ThreadLen = 0.0;
    OFLen -= CollarHeight;
    return row;
}

void TSocketLeaderPin::Show(TGImage& Image, const TColor& Color) const
{
    if (!Design) return;
    Image.drColorStyle(Color, TPenStyles(1));
    Image.drCircle(LD.x, RU.y, Radius);
    Image.drCircle(LD.x, LD.y, Radius);
    Image.drCircle(RU.x, RU.y, Radius);
    Image.drCircle(RU.x, LD.y, Radius);
}

void TSocketLeaderPin::toStream(TKmfData& S) const
{
    if (Complement == nullptr) WriteReals(S, {LD.x, RU.y, RU.x, LD.y});
    WriteHead(S, *this);
    WriteReals(S, {Len, FLen, FRadius, OFLen, OFRadius, Radius, CollarHeight, CollarRadius, ThreadRadius,
                   ThreadLen, Key});
}

void TSocketLeaderPin::fromStream(TKmfData& S)
{
    TRecordReader r(S);
    if (Complement == nullptr) r(LD.x)(RU.y)(RU.x)(LD.y);
    r(Design)(Code)(
        Len)(FLen)(FRadius)(OFLen)(OFRadius)(Radius)(CollarHeight)(CollarRadius)(ThreadRadius)(ThreadLen);
    const Boolean hasKey = r.Version() >= VersionKey;
    if (hasKey) r(Key);
    if (r.Commit() && !hasKey) Key = 2 * FRadius + 1;
}

void TSocketLeaderPin::dr2D_VZ(Real const& mx, Real const& my, Real const& ma, Real const& ms, Integer tl,
                               Boolean isSize) const
{
    dr2D_LeaderPin_V1(mx, my, ma, ms, Radius, FRadius, CollarRadius, SheetLeadIn, Len, OFLen, CollarHeight,
                      FLen + CollarHeight, tl, isSize, Key, ThreadRadius, ThreadLen);
}

void TSocketLeaderPin::dr2D() const
{
    // Every pin's sheet draws the views its marks name: the end view of the collar and the
    // fitted end ("A"), the section through the relief flat, the groove's detail and the
    // collar's undercut enlarged. Flats the part does not cut are not drawn: the collar is
    // then round, W its diameter.
    const Real W = CollarFlats() ? Key : 2 * CollarRadius;
    const TSheetBracket sheet(M2(), Id, Len + W + 20, -CollarRadius);
    if (!sheet) return;
    const Boolean tapped = ThreadLen > 0;
    const Real x0 = Len + W - CollarHeight, r44 = tapped ? ThreadRadius : 0.0;
    dr2D_LeaderPin_V1(x0, 0, 0, 1, Radius, FRadius, CollarRadius, SheetLeadIn, Len, OFLen, CollarHeight,
                      CollarHeight + FLen, 1, true, Key, ThreadRadius, ThreadLen);
    // The profile points at the end view only from flats; a round collar needs the arrow too.
    if (AbsZn(Key) == 0 || AbsZn(Key - 2 * CollarRadius) == 0) drViewArrowA(x0 + std::max(FLen, 0.0));
    dr2D_KolonkaKriplennya_V2(CollarHeight - Len - W / 2 - 15, 0, 0, 1, Radius, FRadius, CollarRadius,
                              SheetLeadIn, Len, OFLen, CollarHeight, CollarHeight + FLen, 1, true, W, r44,
                              ThreadLen);
    TCommonGeometry(M2()).drCVR_dV(40.0, -100 - CollarRadius, 0.0, 4.0, TReliefGroove::Width,
                                   TReliefGroove::Depth, 0.5, "В", true);
}

Boolean TSocketLeaderPin::CollarFlats() const
{
    return AbsZn(Key) != 0 && Key / 2 < CollarRadius && Zn(CollarHeight) > 0;
}

void TSocketLeaderPin::dr3D(const Integer) const
{
    const Real leadIn = ThreadLen > 0 ? SheetLeadIn : PlainLeadIn;
    const TPartBracket part(M2(), Id, {2 * Radius, Len});
    if (!part) return;
    dr2D_LeaderPin_V1(0, 0, 0, 1, Radius, FRadius, CollarRadius, leadIn, Len, OFLen, CollarHeight,
                      CollarHeight + FLen, 0, false, Key, ThreadRadius, ThreadLen);
    part.Revolve();
    // A pin too short for the relief flat, flats as wide as the collar or wider, or no collar
    // at all leave nothing to cut; the host would refuse such a cut.
    const Real reliefLen = Len - leadIn - FlatMargin;
    if (Zn(reliefLen) > 0) {
        drPlaneEskis(tvapi::o3d_planeXOY, Len, 0.0, "");
        drRectAngle(-Radius, -Radius, FlatDepth - Radius, Radius, 1);
        drCutExtrusion(tvapi::dtReverse, tvapi::etBlind, reliefLen, 0.0);
    }
    if (CollarFlats()) {
        drPlaneEskis(tvapi::o3d_planeXOY, CollarHeight, 0.0, "");
        drRectAngle(-CollarRadius, -CollarRadius, -Key / 2, CollarRadius, 1);
        drRectAngle(CollarRadius, -CollarRadius, Key / 2, CollarRadius, 1);
        drCutExtrusion(tvapi::dtReverse, tvapi::etBlind, CollarHeight, 0.0);
    }
}
