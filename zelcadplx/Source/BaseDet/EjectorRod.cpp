// The ejector rod of its own design seen from the side: collar with spanner flats and a cross
// hole, body, thread with a drilled and counterbored hole in its end face, with the dimensions,
// marks and hardness note of its sheet.

#include "MathDetail2.h"

#include "ContDrawing.h"
#include "Mathemat.h"

namespace {

using TNode = TContDrawing::TNode;

// Thread chamfer, relief groove and collar chamfer sizes.
constexpr Real ThreadChamfer = 2.0;
constexpr Real GrooveWidth = 3.0;
constexpr Real GrooveDepth = 0.3;
constexpr Real CollarChamfer = 3.0;
// The background group is drawn this far off the view, so the view's objects are picked first.
constexpr Real GroupShift = 0.001;

} // namespace

void TMTail::dr2D_V1(R mx, R my, R ma, R ms, R r74, R x90, R x89, R x88, R r61, R r62, R r30, R x76, R x74,
                     R x75, R y3, R y4, R r98, R r97, Integer tl, Boolean isSize) const
{
    TModeler3D& m = M2();
    const Real e = x74 - x76, h = HalfChord(r74, x75 / 2);
    const Integer t = tl % 10, d = tl / 10;
    const bool view = t != 0;
    const Real apex = x74 - (y3 + 2 * Zn(y3));
    const unsigned style = unsigned(t);
    TContDrawing Main(m), Flats(m);
    TNode* collar = dP(e + x90, r62,
                       dP(e + x90, r74, dFsk(e, r74, e, 0, CollarChamfer, dP(view ? e : apex, 0, nullptr))));
    TNode* thread = dPx(x74 - ThreadChamfer, r30,
                        dPx(GrooveWidth, r30,
                            dCVR(GrooveWidth - GrooveDepth, r30 - GrooveDepth, 0, r30 - GrooveDepth, 0, r62,
                                 GrooveDepth, dPx(0, r62, collar))));
    Main.Make(
        apex, 0,
        dTL(view ? 4 : 1,
            dPx(x74 - y3, r98,
                dPx(x74 - y4, r98,
                    dP(x74 - y4, r97,
                       dP(x74, r97,
                          dTL(style, dPx(x74, r30 - 2,
                                         dP(x74 - 1, r30 - 1,
                                            dTL(2, dPnm(GrooveWidth, r30 - 1, dTL(style, thread))))))))))));
    Flats.Make(e + x89, 0, dP(e + x89, h, dP(e + 3, h, dP(e, h - 3, dP(e + 3, h, dP(e + 3, r74, nullptr))))));

    drMtr(mx, my, ma, ms);
    if (d >= 1 && d <= 3) {
        m.drGroup(true);
        drMtr(GroupShift, d == 1 ? GroupShift : -GroupShift, 0, 1.0);
        if (d != 2) Main.dr2D(0), Flats.dr2D(0);
        if (d != 1) Main.dr2DMY(0), Flats.dr2DMY(0);
        drDeleteMtr();
        m.drEndGroup();
        m.drClearRegion(0);
    }
    drLine(e - 5, 0, x74 + 2, 0, 3);
    if (d == 1) {
        Main.dr2D(t);
        if (view) Flats.dr2D(t);
    } else if (d == 2) {
        Main.dr2DMY(t);
        if (view) Flats.dr2DMY(t);
    } else {
        Main.dr2D(tl);
        if (tl != 0) {
            Flats.dr2D(tl);
            Main.dr2DMY(tl);
            Flats.dr2DMY(tl);
            drCircle(e + x88, 0, r61, tl);
            const Real a = AbsZn(r74 - r62);
            drLine(e + x90, r62 * a, e + x90, -r62 * a, tl);
            if (isSize) {
                // The heat-treated collar: a line 3 outside it round its end, chamfered 6.
                Flats.Make(
                    e + x90, r74 + 3,
                    dFsk(e - 3, r74 + 3, e - 3, 0, 6, dFsk(e - 3, -3 - r74, e + x90, -3 - r74, 6, nullptr)));
                Flats.dr2D(3);
            }
        }
    }
    if (isSize) {
        const Str none;
        const Str chamfer = "&04~45&01";
        m.drDimVL(Zn(r74 - r62) * 2 * r74, -30, 1, e + 3, -r74, e + 3, r74, "&02", none, none);
        m.drDimVL(2 * r62, 0, -1, e + x90 + 15, -r62, e + x90 + 15, r62, "&02", none, none);
        m.drDimHL(x88, -15, -1, e + x88, 0, e, 3 - r62, none, none, none);
        m.drDimHL(x89, -29, -1, e + x89, -h, e, 3 - r62, none, none, none);
        m.drDimHL(x90, -41, -1, e + x90, -3 - r62, e, 3 - r62, none, none, none);
        m.drDimHL(x76, -51, -1, x74, 2 - r30, e, 3 - r62, none, none, none);
        m.drDimHL(3.0, 10, -1, e + 3, r74, e, r74 - 3, none, none, chamfer);
        m.drDimHL(x74, -40, 1, 0, -r62, x74, 2 - r30, none, none, none);
        m.drDimHL(2.0, r62 + 10 - r30, -1, x74 - 2, r30, x74, r30 - 2, none, none, chamfer);
        m.drDimVL(2 * r30, 15, -1, x74 - 2, r30, x74 - 2, -r30, "M", none,
                  Str("&04~") + TString(ThreadStep, 2, true, 7) + Str("-8g"));
        m.drCircleShelf(1.3, r30, 3.0, -14.0, r62 + 7, "A");
        m.drRough(e, -51 - r74, 180, tvapi::tvRoughSignEnum(0), "1,6", none, none);
        m.drRough(0, -5 - r62, 0, tvapi::tvRoughSignEnum(0), "1,6", none, none);
        m.drShelf(tvapi::tvLSignNone, e + 10, r74 + 16, tvapi::tvShelfDirectionEnum(-1),
                  tvapi::tvLeaderWithoutArrow, 1.0, 0.25, 75.0, "HRCэ 42...46", 5.0, 1.0, 75.0, none);
        m.drPoint(e + 6, r74 + 3);
        m.drEndObj();
        if (r74 != r62) m.drRough(e + x90, -5 - r74, 0, tvapi::tvRoughSignEnum(0), "1,6", none, none);
        m.drDimVL(2 * r98, -17, r98 - 1 - r62, x74 - y3, -r98, x74 - y3, r98, "&02~", "H14", none);
        m.drDimVL(2 * r97, y4 - y3 - 29, r97 - 1 - r62, x74 - y4, -r97, x74 - y4, r97, "&02~", "H14", none);
        m.drDimHL(y4, r62 + 22 - r30, -1, x74 - y4, r97, x74, r30 - 2, none, "H14", none);
        m.drDimHL(y3, r62 + 34 - r30, -1, x74 - y3, r97, x74, r30 - 2, none, "H14", none);
    }
    drDeleteMtr();
}
