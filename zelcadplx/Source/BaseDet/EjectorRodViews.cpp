// The ejector rod's end view and flats, the catalogue rod's drawings, and the rod's sheet,
// assembly view and part for either design.

#include "MathDetail2.h"

#include "ContDrawing.h"
#include "Mathemat.h"
#include "TDemStr.h"

namespace {

// The collar's chamfer, seen from the end, leaves a circle this much inside the collar.
constexpr Real CollarChamfer = 1.5;
// The flats lie this much inside the body radius.
constexpr Real FlatDepth = 1.5;

} // namespace

void TMTail::dr2D_V2(R mx, R my, R ma, R ms, R r74, R, R, R, R r61, R, R, R, R, R x75, R, R, R, R, Integer tl,
                     Boolean isSize) const
{
    TModeler3D& m = M2();
    const Real w = x75 / 2, rc = r74 - CollarChamfer;
    drMtr(mx, my, ma, ms);
    m.drCircleAxle(0, 0, r74, tl);
    const Real h1 = HalfChord(rc, w);
    drArc(0, 0, rc, -w, h1, w, h1, -1, tl);
    drArc(0, 0, rc, -w, -h1, w, -h1, 1, tl);
    const Real h = HalfChord(r74, w);
    drLine(w, -h, w, h, tl);
    drLine(-w, -h, -w, h, tl);
    drRectAngle(-w, -r61, w, r61, 4);
    if (isSize) {
        const Str none;
        m.drDimHL(x75, h - 14 - r74, 1, -w, -h, w, -h, none, none, none);
        m.drDimVL(2 * r61, TMathDef::Round(r74 + 12 - w), 1, w, -r61, w, r61, "&02", none, none);
    }
    drDeleteMtr();
}

void TMTail::dr2D_Hvostovyk_Vo(R mx, R my, R ma, R ms, R r74, R, R, R, R, R, R, R, R, R x75) const
{
    const Real w = x75 / 2, h = HalfChord(r74, w);
    drMtr(mx, my, ma, ms);
    drRectAngle(-r74, -h, -w, h, 1);
    drRectAngle(w, -h, r74, h, 1);
    drDeleteMtr();
}

void TMTail::dr2D_EjectorRod_V1(R mx, R my, R ma, R mm, R r, R r1, R l1, R l2, R, R, R L, Integer tl,
                                Boolean) const
{
    const Real t = (r1 - 1) * TanDrillPoint, a1 = l1 + 5 + t;
    drMtr(mx, my, ma, mm);
    TContDrawing C(M2());
    TContDrawing::TNode* second =
        dPx(L, r1,
            dPnm(L - l2, r1,
                 dPx(L - 1, r1 - 1,
                     dPx(L - l2, r1 - 1,
                         dPnm(L - l2, r1,
                              dPx(L - l2 - 5, r1 - 1, dP(L - l2 - 5 - t, 0, dPt0(a1, 0, nullptr))))))));
    C.Make(a1, 0,
           dPx(l1 + 5, r1 - 1,
               dPx(l1, r1 - 1,
                   dPnm(l1, r1,
                        dPx(1, r1 - 1,
                            dPx(0, r1,
                                dPnm(l1, r1, dFsk(0, r, L / 2, r, 1.0, dFsk(L, r, L, r1, 1.0, second)))))))));
    C.drContBlock(tl, true, tl != 0, false);
    drLine(-3, 0, L + 3, 0, 3);
    drDeleteMtr();
}

void TMTail::dr2D_EjectorRod_V3(R mx, R my, R ma, R mm, R r, R, R, R, R l3, R s, R L, Integer, Boolean) const
{
    const Real hs = HalfChord(r, s / 2);
    drMtr(mx, my, ma, mm);
    drRectAngle(L - l3 - s, -r, L - l3, -hs, 1);
    drRectAngle(L - l3 - s, r, L - l3, hs, 1);
    drDeleteMtr();
}

void TMTail::DrawOwn(Real mx, Real my, Real ma, Real ms, Integer tl, Boolean isSize, Boolean EndView) const
{
    const Real x75 = 2 * Radius - 2 * FlatDepth;
    const auto draw = EndView ? &TMTail::dr2D_V2 : &TMTail::dr2D_V1;
    (this->*draw)(mx, my, ma, ms, CollarRadius, X90, X89, X88, R61, Radius, ThreadRadius, Len, ThreadLen, x75,
                  Y3, Y4, R98, R97, tl, isSize);
}

void TMTail::DrawCatalogue(Real mx, Real my, Real ma, Real ms, Real s, Integer tl, Boolean isSize) const
{
    dr2D_EjectorRod_V1(mx, my, ma, ms, Radius, ThreadRadius, ThreadLen, X90, ThreadStep, s, Len, tl, isSize);
}

void TMTail::dr2D() const
{
    const TSheetBracket sheet(M2(), Id, 0.0, -Radius, TDemStr[19], TDemStr[1]);
    if (!sheet) return;
    if (Code != 0) {
        DrawCatalogue(0, 0, 0, 1.0, CollarRadius, 1, true);
    } else {
        DrawOwn(Len - ThreadLen, 0, 0, 1.0, 1, true, false);
        DrawOwn(Len + 35 + CollarRadius, 0, 0, 1.0, 1, true, true);
        TCommonGeometry(M2()).drCVR_dV(40, -80 - CollarRadius, 0, 4, TReliefGroove::Width,
                                       TReliefGroove::Depth, 0.5, "A", true);
    }
}

void TMTail::dr2D_VZ(R mx, R my, R ma, R ms, Integer) const
{
    if (!ComponentExists(Id)) return;
    if (Code != 0)
        DrawCatalogue(mx, my, 180.0, ms, 2 * CollarRadius, 31, true);
    else
        DrawOwn(mx, my, ma, ms, 31, false, false);
}

void TMTail::dr3D(const Integer) const
{
    const TPartBracket part(M2(), Id, {2 * Radius, Len});
    if (!part) return;
    if (Code != 0)
        DrawCatalogue(0, 0, 180.0, 1.0, 2 * CollarRadius, 0, false);
    else
        DrawOwn(0, 0, 0, 1.0, 0, false, false);
    part.Revolve();
    if (Code == 0 && AbsZn(R61) != 0) {
        drPlaneEskis(tvapi::o3d_planeYOZ, -Radius, 0.0, "");
        drCircle(ThreadLen - Len + X88, 0, R61, 1);
        drCutExtrusion(tvapi::dtReverse, tvapi::etBlind, 2 * Radius, 0.0);
    }
    // The flats' plane lies on the collar's end face with the collar behind it: they are cut
    // against the normal (along it they would take nothing).
    drPlaneEskis(tvapi::o3d_planeXOY, Len - ThreadLen, 0.0, "");
    drMtr(0, 0, 0, 1.0);
    const Real w = Radius - FlatDepth, h = HalfChord(CollarRadius, w);
    drRectAngle(-CollarRadius, -h, -w, h, 1);
    drRectAngle(w, -h, CollarRadius, h, 1);
    drDeleteMtr();
    drCutExtrusion(tvapi::dtReverse, tvapi::etBlind, X89, 0.0);
}
