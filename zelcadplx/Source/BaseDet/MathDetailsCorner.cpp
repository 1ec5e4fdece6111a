// Toolbox drawings that are no threaded fasteners: the section of an angle and the collared
// bushing with its hatched section.

#include "MathDetailsl.h"

#include "ContDrawing.h"
#include "Mathemat.h"

namespace {

// A fillet is drawn only when both legs are longer than its radius: each leg runs this much
// past it.
constexpr Real FilletSlack = 0.1;
constexpr Real GrooveOffset = 5.0;

} // namespace

void TCommonGeometry::dr2D_Corner_V1(R mx, R my, R ma, R ms, R B, R b, R t, R R_, R r, Integer tl,
                                     Boolean IsSize) const
{
    drMtr(mx, my, ma, ms);
    TContDrawing C(M2());
    C.Make(0, 0,
           dP(0, b,
              dCLL(t, b, t, b - r - FilletSlack, r,
                   dCLL(t, t, t + R_ + FilletSlack, t, R_, dCLL(B, t, B, 0, r, dP(0, 0, nullptr))))));
    drMacro2D(true);
    C.drContBlock(tl, true, true, false);
    drEndMacro();
    if (IsSize) {
        // Turned half a turn the dimensions change sides.
        const Boolean turned = ma == 180.0;
        M2->drDimVL(b, turned ? 12.0 : -5.0, 1.0, 0, 0, 0, b, "", "*", "");
        M2->drDimHL(B, turned ? 5.0 : -12.0, 1.0, 0, 0, B, 0, "", "*", "");
    }
    drDeleteMtr();
}

void TCommonGeometry::dr2D_Vtulka_V1(R mx, R my, R ma, R ms, R r42, R r45, R r48, R x12, R x59, Real y68,
                                     R ck, Integer tl, Boolean) const
{
    if (AbsZn(ck) == 0) y68 = x59 - GrooveOffset;
    drMtr(mx, my, ma, ms);
    drLine(-2, 0, x59 + 2, 0, 3);
    TContDrawing C(M2());
    C.Make(
        0, r48,
        dP(x12, r48,
           dCVR(x12, r45 - TReliefGroove::Depth, x12 + TReliefGroove::Run, r45 - TReliefGroove::Depth,
                x12 + TReliefGroove::Width, r45, TReliefGroove::Radius,
                dP(y68 - ck, r45,
                   dP(y68, r45 - ck,
                      dP(y68 + ck, r45,
                         dPx(x59, r45, dCLL(x59, r42, 0, r42, 2.0, dPx(0, r42, dP(0, r48, nullptr))))))))));
    const Integer halves = tl / 10, style = tl % 10;
    const auto hatch = [&](Boolean upper, Boolean lower) {
        M2->drHatch(0, 45.0, 3.0);
        if (upper) C.dr2D(0);
        if (lower) C.dr2DMY(0);
        M2->drEndObj();
    };
    if (halves == 1) {
        C.dr2D(style);
        hatch(true, false);
    } else if (halves == 2) {
        C.dr2DMY(style);
        hatch(false, true);
    } else {
        C.dr2D(tl);
        if (tl != 0) {
            C.dr2DMY(tl);
            hatch(true, true);
        }
    }
    drDeleteMtr();
}
