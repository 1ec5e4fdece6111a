// The threaded fitting and the safety support: records, profiles with their end view or
// section, sheets and parts.

#include "Fitting.h"

#include <cmath>

#include "ContDrawing.h"
#include "GImage.h"
#include "KmfData.h"
#include "Mathemat.h"

namespace {

// The fitting's drawing keeps its own constants: thread length, corner radius, hexagon length,
// barb pitch and the clearance circle round the hexagon.
constexpr Real ThreadEnd = 15.0;
constexpr Real Corner = 8.1;
constexpr Real HexLen = 8.0;
constexpr Real Pitch = 6.0;
constexpr Real Clearance = 10.1;
constexpr Real EndViewDrop = 43.1;
constexpr Real HexCutDepth = 48.0;
// The support's flats are 22 long.
constexpr Real FlatHalf = 11.0;

// Half the hexagon's width across its corners seen from the side.
Real HexSide(Real r1)
{
    return std::sqrt(std::abs(Corner * Corner - r1 * r1));
}

// The hexagon r1 across flats, corners on the y axis, as one outline.
void Hexagon(TContDrawing& C, Real r1, Integer tl)
{
    const Real e = HexSide(r1);
    C.Make(r1, e, dP(0, Corner, dP(-r1, e, dP(-r1, -e, dP(0, -Corner, dP(r1, -e, dP(r1, e, nullptr)))))));
    C.dr2D(tl);
}

} // namespace

// ---- Threaded fitting -------------------------------------------------------------------------

TFitting::TFitting(TDcDetail iId, TModeler3D* M) : TDetail(iId, M, nullptr, 0, nullptr) {}

void TFitting::Show(TGImage& Image, const TColor& Color) const
{
    if (Design) Image.drColorStyle(Color, TPenStyles(1));
}

void TFitting::dr2D_Shtucer_V1(Real const& mx, Real const& my, Real const& ma, Real const& mm,
                               Real const& r1_, Real const& r2_, Real const& r3_, Real const& r4_,
                               Real const& l_, Integer tl, Boolean isSize) const
{
    drMtr(mx, my, ma, mm);
    const Real xe = ThreadEnd - l_, c = (Corner - r1_) / 2, rise = r2_ - r3_;
    drLine(xe - 2, 0, ThreadEnd + 2, 0, 3);
    TContDrawing C(M2());
    TContDrawing::TNode* barbs =
        dPx(xe + 18, r2_,
            dPx(xe + 12 + rise, r3_,
                dPx(xe + 12, r2_,
                    dPx(xe + Pitch + rise, r3_,
                        dPx(xe + Pitch, r2_, dP(xe, r3_, dPx(xe, r4_, dPt0(0, r4_, nullptr))))))));
    C.Make(0, r4_,
           dPx(ThreadEnd, r4_,
               dP(ThreadEnd, r2_ - 1,
                  dPx(ThreadEnd - 1, r2_,
                      dPx(3, r2_,
                          dCVR(2, r2_ - 1, 0, r2_ - 1, 0, Corner, 0.5,
                               dPx(0, Corner,
                                   dP(c - HexLen, Corner, dPx(-HexLen, r1_, dPx(-HexLen, r2_, barbs))))))))));
    C.dr2D(tl);
    const Real e = HexSide(r1_);
    if (tl != 0) {
        C.dr2DMY(tl);
        drLine(3, r2_ - 2, ThreadEnd, r2_ - 2, 2);
        drLine(3, -(r2_ - 2), ThreadEnd, -(r2_ - 2), 2);
        drLine(c - HexLen, e, 0, e, tl);
        drLine(c - HexLen, -e, 0, -e, tl);
        // The chamfer curves of the three faces seen; a hexagon without chamfer has none.
        if (AbsZn(c) != 0) {
            const Real rMid = (e * e - c * c) / (2 * c), c2 = (Corner - e) / 2,
                       rOut = (c2 * c2 - c * c) / (2 * c);
            drArc(rMid - HexLen, 0, rMid, c - HexLen, e, c - HexLen, -e, 1, tl);
            drArc(rOut - HexLen, (e + Corner) / 2, rOut, c - HexLen, Corner, c - HexLen, e, 1, tl);
            drArc(rOut - HexLen, -(e + Corner) / 2, rOut, c - HexLen, -Corner, c - HexLen, -e, -1, tl);
        }
    }
    if (isSize) {
        TModeler3D& m = M2();
        m.drDimVL(2 * r3_, -6, TMathDef::Round(r2_ + 3 - r3_), xe, -r3_, xe, r3_, "&02", "", "*");
        m.drDimVL(2 * r2_, -28, 1, xe + 6, -r2_, xe + 6, r2_, "&02", "", "");
        m.drDimHL(6, -15, 0, xe, -r3_, xe + 6, -r2_, "", "", "");
        m.drDimHL(6, -15, 0, xe + 12, -r2_, xe + 6, -r2_, "", "", "");
        m.drDimHL(6, -15, 0, xe + 18, -r2_, xe + 12, -r2_, "", "", "");
        m.drDimHL(-HexLen, -15, 0, -HexLen, -r1_, 0, -Corner, "", "", "");
        m.drDimHL(-ThreadEnd, -15, 0, ThreadEnd, 2 - r2_, 0, -Corner, "", "", "");
        m.drDimHL(l_, -30, 0, xe, -r3_, ThreadEnd, -r2_, "", "", "");
        m.drDimVL(2 * r2_, 29, 1, 13, -r2_, 13, r2_, "M", "", "&04~1.25-8g");
        m.drDimVL(2 * r4_, 15, r2_ + 4 - r4_, ThreadEnd, -r4_, ThreadEnd, r4_, "&02", "", "");
        m.drDimHL(2, 10, 1, 13, r2_, ThreadEnd, r2_ - 2, "", "", "&04~45&01");
        m.drDimApc(-45, 90.0, 15.0, 0, "", xe + 6, r2_);
        m.drDimApc(75, 90.0, 15.0, 0, "", xe + 12, r2_);
        m.drDimApc(30, 90.0, 15.0, 0, "", -HexLen, r1_);
        drMtr(0, -EndViewDrop, 0, 1);
        m.drCircleAxle(0, 0, r1_, tl);
        for (const Real r : {r2_, r3_, r4_})
            drCircle(0, 0, r, tl);
        Hexagon(C, r1_, tl);
        m.drDimHL(-2 * r1_, -20, 0, -r1_, -e, r1_, -e, "", "", "");
        m.drDimVL(-2 * Corner, -25, 0, 0, -Corner, 0, Corner, "", "", "");
        drDeleteMtr();
    }
    drDeleteMtr();
}

void TFitting::drShtucerVo(Real const& mx, Real const& my, Real const& ma, Real const& mm, Real const& r1_,
                           Real const&, Real const&, Real const&, Real const&) const
{
    drMtr(mx, my, ma, mm);
    drCircle(0, 0, Clearance, 1);
    TContDrawing C(M2());
    Hexagon(C, r1_, 1);
    drDeleteMtr();
}

void TFitting::dr2D() const
{
    const TSheetBracket sheet(M2(), Id, 50.0, 0.0);
    if (!sheet) return;
    dr2D_Shtucer_V1(0, 0, 0, 1, r1, r2, r3, r4, l, 1, true);
}

void TFitting::dr3D(const Integer) const
{
    const TPartBracket part(M2(), Id, {2 * r2, l}, tvapi::o3d_planeXOY);
    if (!part) return;
    dr2D_Shtucer_V1(0, 0, -90, 1, r1, r2, r3, r4, l, 0, false);
    part.Revolve();
    // The profile turned by -90 puts the collar at Y 0 to 8, on the side of XOZ its normal
    // points to, and a sketch on XOZ extrudes the other way (along X x Z): the hexagon is cut
    // in reverse (the other way the cut runs along the thread and takes nothing).
    drPlaneEskis(tvapi::o3d_planeXOZ, 0.0, 0.0, "");
    drShtucerVo(0, 0, -90, 1, r1, r2, r3, r4, l);
    drCutExtrusion(tvapi::dtReverse, tvapi::etBlind, HexCutDepth, 0.0);
}

void TFitting::toStream(TKmfData& S) const
{
    WriteHead(S, *this);
}

void TFitting::fromStream(TKmfData& S)
{
    TRecordReader r(S);
    r(Design)(Code);
    r.Commit();
}

// ---- Safety support -------------------------------------------------------------------------

TProtectSupport::TProtectSupport(TDcDetail iId, TModeler3D* M, TConstruktor& C) : TDetail(iId, M, C) {}

void TCommonGeometry::dr2D_LapkaZapobizna_V1(R mx, R my, R ma, R mm, R r90, R r75, R y81, R y80, R y82, R y79,
                                             R fD, Integer tl, Boolean isSize) const
{
    const Real xh = y80 - y81, q = std::sqrt(std::abs(r90 * r90 - y79 * y79 / 4)), k = y79 / 2;
    drMtr(mx, my, ma, mm);
    drLine(xh - 2, 0, y80 + 2, 0, 3);
    TContDrawing C(M2());
    C.Make(xh, 0,
           dP(xh, r90 - fD,
              dPx(xh + fD, r90,
                  dPx(0, r90,
                      dCVR(0, r75 - 1, 2, r75 - 1, 3, r75, 0.5,
                           dPx(3, r75,
                               dPx(y80 - 2, r75,
                                   dP(y80, r75 - 2,
                                      dP(y80, 0, dP(y80 + y81 * (Zn(Real(tl)) - 1), 0, nullptr))))))))));
    C.dr2D(tl);
    if (tl != 0) {
        C.dr2DMY(tl);
        drRectAngle(xh + y82 - FlatHalf, -q, xh + y82 + FlatHalf, q, 1);
        drLine(2, r75 - 1, y80 - 1, r75 - 1, 2);
        drLine(2, 1 - r75, y80 - 1, 1 - r75, 2);
    }
    if (isSize) {
        TModeler3D& m = M2();
        drMtr(xh + y82, -35 - 2 * r90, 0, 1);
        C.Make(-k, q, dA(0, 0, -r90, k, q, dP(k, -q, dA(0, 0, -r90, -k, -q, dP(-k, q, nullptr)))));
        C.dr2D(tl);
        m.drHatch(0, 45.0, 3.0);
        C.dr2D(tl);
        m.drEndObj();
        drLine(0, -2 - r90, 0, 3 * r90 + 27, 3);
        drLine(-2 - k, 0, k + 2, 0, 3);
        m.drDimHL(y79, -15 - r90 + q, 1, -k, -q, k, -q, "", "h14", "");
        drDeleteMtr();
        m.drDimVL(2 * r90, -10, -1, xh, -r90, xh, r90, "&02", "h14", "");
        m.drDimHL(y82, -15, -1, xh + y82, -15 - r90, xh, -r90, "", "", "");
        m.drDimHL(2 * FlatHalf, r90 + 13 - q, -1, xh + y82 - FlatHalf, q, xh + y82 + FlatHalf, q, "", "", "");
        m.drDimHL(2, 10, -1, y80 - 2, r75, y80, r75 - 2, "", "", "&04~45&01");
        m.drDimHL(y80, 25, -1, 0, r90, y80, r75 - 2, "", "h14", "");
        m.drDimHL(y81, 38, -1, xh, r90, y80, r75 - 2, "", "h14", "");
        m.drDimHL(fD, 25, -1, xh, r90 - fD, xh + fD, r90, "", "", "&04~45&01");
        m.drDimVL(2 * r75, 27, 1, y80 - 2, -r75, y80 - 2, r75, "M", "", "-8g");
        m.drCircleShelf(1.5, -r75, 3.0, 6.0, -24 - r75, "A");
        m.drRough(y80 + 9, -r75, -90.0, tvapi::tvRoughSignEnum(0), "1,6", "", "");
    }
    drDeleteMtr();
}

void TCommonGeometry::dr2D_LapkaZapobizna_Vo(R mx, R my, R ma, R mm, R r90, R, R, R, R, R y79, R, Integer,
                                             Boolean) const
{
    drMtr(mx, my, ma, mm);
    drRectAngle(-r90, -FlatHalf, -y79 / 2, FlatHalf, 1);
    drRectAngle(r90, -FlatHalf, y79 / 2, FlatHalf, 1);
    drDeleteMtr();
}

void TProtectSupport::dr2D() const
{
    const TSheetBracket sheet(M2(), Id, Len - ThreadLen, -TMathDef::Round(Radius));
    if (!sheet) return;
    const TCommonGeometry G(M2());
    G.dr2D_LapkaZapobizna_V1(0, 0, 0, 1, Radius, ThreadRadius, Len, ThreadLen, LenToKey, Key, 2.0, 1, true);
    G.drCVR_dV(10.0, -35 - 2 * Radius, 0, 4.0, 3.0, 1.0, 0.5, "A", true);
}

void TProtectSupport::dr3D(const Integer) const
{
    const TPartBracket part(M2(), Id, {2 * ThreadRadius, Len});
    if (!part) return;
    const TCommonGeometry G(M2());
    G.dr2D_LapkaZapobizna_V1(0, 0, 0, 1, Radius, ThreadRadius, Len, ThreadLen, LenToKey, Key, 2.0, 0, false);
    part.Revolve();
    drPlaneEskis(tvapi::o3d_planeXOZ, Radius, 0.0, "");
    G.dr2D_LapkaZapobizna_Vo(0, ThreadLen - Len + LenToKey, 0, 1, Radius, ThreadRadius, Len, ThreadLen,
                             LenToKey, Key, 2.0, 1, false);
    drCutExtrusion(tvapi::dtNormal, tvapi::etBlind, 2 * Radius, 0.0);
}

void TProtectSupport::toStream(TKmfData& S) const
{
    WriteHead(S, *this);
    WriteReals(S, {ThreadLen, Len, ThreadRadius, Radius, Key, LenToKey});
}

void TProtectSupport::fromStream(TKmfData& S)
{
    TRecordReader r(S);
    r(Design)(Code)(ThreadLen)(Len)(ThreadRadius)(Radius)(Key)(LenToKey);
    r.Commit();
}
