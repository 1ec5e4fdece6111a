// The fastener toolbox's side views: hexagon-head bolt and screw, socket cap screw, cheese-head
// screw, nuts and washers. None draws dimensions; IsSize is accepted for the common signature.

#include "MathDetailsl.h"

#include <algorithm>
#include <cmath>

#include "ContDrawing.h"
#include "Mathemat.h"

namespace {

constexpr Real Cos30 = 0.8660254037844387;
constexpr Real Tan30 = 0.5773502691896257;
constexpr Real Sin30 = 0.49999999999999994; // sin 30 degrees as the double it computes to

// Half the width across corners of a hexagon S across flats.
Real AcrossCorners(Real S)
{
    return S * 0.5 / Cos30;
}

// Radii of the two face arcs of a hexagon head seen across corners.
struct TFaceArcs {
    Real a, E, hc, x0, e2, u1, u2;
    explicit TFaceArcs(Real S)
        : a(0.95 * S / 2), E(AcrossCorners(S)), hc((E - a) * Tan30), x0(S / 2 - a), e2(E * Sin30)
    {
        const Real t = hc - x0;
        u1 = (e2 * e2 / t + t) / 2;
        u2 = ((E - e2) / 2 * ((E - e2) / 2) / t + t) / 2;
    }
};

} // namespace

void TCommonGeometry::dr2D_Bolt7805_V1(R mx, R my, R ma, R ms, R r, R l, R l1, R HH, R HS, Integer tl,
                                       Boolean, R iD2) const
{
    const Real c = r >= 4 ? 1.5 : 1.0;
    const Real a = iD2 != 0 ? iD2 / 2 : 0.95 * HS / 2;
    const Real E = AcrossCorners(HS);
    drMtr(mx, my, ma, ms);
    TContDrawing C(M2());
    C.Make(
        -HH, 0,
        dP(-HH, a,
           dP((E - a) / 2 - HH, E,
              dP(0, E,
                 dPx(0, r, dPx(l - l1, r, dPx(l - c, r, dP(l, r - c, dP(l, 0, dPt0(-HH, 0, nullptr))))))))));
    C.ContBlockClear(tl);
    drLine(-2 - HH, 0, l + 2, 0, 3);
    C.drContBlock(tl, true, false, false);
    drDeleteMtr();
}

void TCommonGeometry::dr2D_Screw_V1(R mx, R my, R ma, R ms, R iM2, R L, R LM, R S_, R H, Integer tl,
                                    Boolean) const
{
    const Real r = iM2 / 2;
    const TFaceArcs f(S_);
    drMtr(mx, my, ma, ms);
    drMtr(-H, 0, 0, 1.0);
    TContDrawing::TNode* end = dTL(
        2, dPnm(H + L - LM, r - 1, dTL(unsigned(tl), dP(H + L, r - 2, dP(H + L, 0, dPt0(0, 0, nullptr))))));
    TContDrawing body(M2());
    body.Make(0, 0,
              dP(0, f.a,
                 dP(f.hc, f.E,
                    dPx(H, f.E,
                        dCLL(H, r, H + L - LM, r, 0.5,
                             dPx(H + L - LM, r, dPx(H + L - 2, r, dP(H + L - 1, r - 1, end))))))));
    TContDrawing arcs(M2());
    arcs.Make(f.x0, 0,
              dA(f.x0 + f.u1, 0, -f.u1, f.hc, f.e2,
                 dPnm(H, f.e2, dA(f.x0 + f.u2, (f.E + f.e2) / 2, -f.u2, f.hc, f.E, nullptr))));
    drMacro2D(true);
    body.drContBlock(tl, true, true, false);
    if (tl != 0) arcs.drContBlock(tl, false, false, false);
    drLine(-2, 0, L + H + 2, 0, 3);
    drEndMacro();
    drDeleteMtr();
    drDeleteMtr();
}

void TCommonGeometry::dr2D_Bolt11738_V1(R mx, R my, R ma, R ms, R r, R l, R l1, Integer tl, Boolean, Real iHR,
                                        Real iHL) const
{
    if (std::abs(l) <= TMathDef::metricPrecision) return;
    const Real HR = iHR != 0 ? iHR : Real(Round(1.5 * r));
    const Real HL = iHL != 0 ? iHL : Real(Round(2 * r));
    const Real s = r * Sin30;
    drMtr(mx, my, ma, ms);
    TContDrawing C(M2());
    TContDrawing::TNode* axis = dTL(3, dPM(-2 * r - 2, 0, dP(l + 2, 0, nullptr)));
    TContDrawing::TNode* root = dTL(2, dPM(l - 1, r - 1, dP(l - l1, r - 1, axis)));
    TContDrawing::TNode* socket =
        dTL(4, dPM(2 * s - HL, 0, dP(2 * s - HL, s, dPnm(-HL, s, dP(2 * s - HL, r, dP(-HL, r, root))))));
    C.Make(-HL, 0,
           dP(-HL, HR,
              dP(0, HR,
                 dPx(0, r,
                     dPx(l - l1, r, dPx(l - 1.5, r, dP(l, r - 1.5, dP(l, 0, dPt0(-2 * r, 0, socket)))))))));
    C.drContBlock(tl, true, true, false);
    drDeleteMtr();
}

void TCommonGeometry::dr2D_Vynt1491_V1(R mx, R my, R ma, R ms, R r, R l, R l1, Integer tl, Boolean) const
{
    const Real k = Round(1.2 * r);
    const Real Rh = Round(1.5 * r);
    const Real s = AbsZn(tl); // the slot collapses onto the axis in a revolve sketch
    drMtr(mx, my, ma, ms);
    TContDrawing C(M2());
    C.Make(
        -s * k / 2, 0,
        dP(-s * k / 2, s * k / 4,
           dP(-s * k, s * k / 4,
              dP(-k, Rh,
                 dP(0, Rh,
                    dPx(0, r,
                        dPx(l - l1, r,
                            dPx(l - 1.5, r,
                                dP(l - 0.5, r - 1,
                                   dTL(2, dPnm(l - l1, r - 1,
                                               dTL(1, dP(l, r - 1.5,
                                                         dP(l, 0, dPt0(-s * k / 2, 0, nullptr)))))))))))))));
    C.ContBlockClear(tl);
    drLine(-2 - 2 * r, 0, l + 2, 0, 3);
    C.drContBlock(tl, true, false, false);
    drDeleteMtr();
}

// ---- Nuts ------------------------------------------------------------------------------------------

void TCommonGeometry::dr2D_Nut_V1(R mx, R my, R ma, R mm, R iMD, R S_, R H, Integer tl, Boolean) const
{
    const Real r = iMD / 2;
    const Real E = AcrossCorners(S_);
    const Real c = 0.1 * E;
    drMtr(mx, my, ma, mm);
    TContDrawing C(M2());
    C.Make(
        0, r + c,
        dP(0, E - c,
           dP(c, E,
              dP(H - c, E, dP(H, E - c, dPx(H, r + c, dPx(H - c, r, dPx(c, r, dPx(0, r + c, nullptr)))))))));
    C.drContBlock(tl, true, true, false);
    drLine(-3, 0, H + 3, 0, 3);
    drDeleteMtr();
}

void TCommonGeometry::dr2D_Nut_V2(R mx, R my, R ma, R mm, R, R S_, R H, Integer tl, Boolean) const
{
    const TFaceArcs f(S_);
    const Real mid = (f.E + f.e2) / 2;
    drMtr(mx, my, ma, mm);
    TContDrawing body(M2());
    body.Make(0, 0, dP(0, f.a, dP(f.hc, f.E, dP(H - f.hc, f.E, dP(H, f.a, dP(H, 0, dPt0(0, 0, nullptr)))))));
    TContDrawing arcs(M2());
    arcs.Make(f.x0, 0,
              dA(f.x0 + f.u1, 0, -f.u1, f.hc, f.e2,
                 dPnm(H / 2, f.e2,
                      dA(f.x0 + f.u2, mid, -f.u2, f.hc, f.E,
                         dP(H - f.hc, f.E,
                            dA(H - f.x0 - f.u2, mid, -f.u2, H - f.hc, f.e2,
                               dPnm(H / 2, f.e2, dA(H - f.x0 - f.u1, 0, -f.u1, H - f.x0, 0, nullptr))))))));
    drMacro2D(true);
    body.drContBlock(tl, true, true, false);
    if (tl != 0) arcs.drContBlock(tl, false, false, false);
    drLine(-2, 0, H + 2, 0, 3);
    drEndMacro();
    drDeleteMtr();
}

void TCommonGeometry::dr2D_Nut_V3(R mx, R my, R ma, R mm, R iMD, R S_, R, Integer tl, Boolean) const
{
    const Real E = AcrossCorners(S_);
    drMtr(mx, my, ma, mm);
    for (int k = 0; k < 6; ++k) {
        const Real a0 = k * 60 * TMathDef::DEGRAD, a1 = (k + 1) * 60 * TMathDef::DEGRAD;
        drLine(E * std::cos(a0), E * std::sin(a0), E * std::cos(a1), E * std::sin(a1), 1);
    }
    if (tl != 0) {
        M2->drCircleAxle(0, 0, E - std::max(0.05 * E, 1.0), 2);
        drCircle(0, 0, iMD / 2, 2);
    }
    drDeleteMtr();
}

void TCommonGeometry::dr2D_Gajka_V1(R mx, R my, R ma, R ms, R r, Integer tl, Boolean) const
{
    const Real Rn = Round(1.75 * r);
    const Real h = 0.8 * 2 * r;
    const Real s = Rn * Sin30;
    drMtr(mx, my, ma, ms);
    drLine(-2, 0, h + 2, 0, 3);
    TContDrawing C(M2());
    C.Make(0, 0, dP(0, s, dPnm(h, s, dP(0, Rn, dP(h, Rn, dP(h, 0, nullptr))))));
    C.drContBlock(tl, true, true, false);
    drDeleteMtr();
}

// ---- Washers ---------------------------------------------------------------------------------------

namespace {

// The thin-section mark of a washer of thickness t.
TContDrawing::TNode* WasherMark(Real t)
{
    return dP(t, t, dP(t, 0, dP(0, -t, nullptr)));
}

} // namespace

void TCommonGeometry::dr2D_Washer_V1(R mx, R my, R ma, R ms, R d, R D, R t, Integer tl, Boolean) const
{
    const Real Ro = D / 2, ri = d / 2;
    drMtr(mx, my, ma, ms);
    drLine(-2, 0, t + 2, 0, 3);
    TContDrawing section(M2());
    section.Make(0, Ro, dPx(0, ri, dPx(t, ri, dP(t, Ro, dPt0(0, Ro, nullptr)))));
    TContDrawing mark(M2());
    mark.Make(0, 0, WasherMark(t));
    section.drContBlock(tl, true, true, false);
    if (tl != 0) mark.drContBlock(tl, false, false, false);
    drDeleteMtr();
}

void TCommonGeometry::dr2D_Washer_V2(R mx, R my, R ma, R ms, R, R D, R t, Integer tl, Boolean) const
{
    const Real Ro = D / 2;
    drMtr(mx, my, ma, ms);
    drLine(-2, 0, t + 2, 0, 3);
    TContDrawing outline(M2());
    outline.Make(0, 0, dP(0, Ro, dP(t, Ro, dP(t, 0, dPt0(0, 0, nullptr)))));
    TContDrawing mark(M2());
    mark.Make(0, 0, WasherMark(t));
    drMacro2D(true);
    outline.drContBlock(tl, false, true, false);
    if (tl != 0) mark.drContBlock(tl % 10, true, false, false);
    drEndMacro();
    drDeleteMtr();
}

// Draws in the caller's frame: the placement arguments are not used.
void TCommonGeometry::dr2D_Washer_V11(R, R, R, R, R R_, R, R H, Integer tl, Boolean) const
{
    drLine(-2, 0, H + 2, 0, 3);
    TContDrawing C(M2());
    C.Make(0, R_, dP(H, R_, dP(H, -R_, dP(0, -R_, dP(0, R_, nullptr)))));
    C.dr2D(tl);
}
