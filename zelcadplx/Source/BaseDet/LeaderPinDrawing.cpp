// The leader pin's drawings: the turned profile with its lubrication channel, collar flats and
// dimensions, and the auxiliary views of the tapped pin (end view, relief-flat section and the
// lubrication groove at 2:1).

#include "LeaderPin.h"

#include <algorithm>
#include <cmath>

#include "ContDrawing.h"
#include "Dictionary.h"
#include "Mathemat.h"
#include "MetricFigures.h"

namespace {

using TNode = TContDrawing::TNode;

// Half chord of the lubrication groove: radius 2, its centre 1.7 off the surface.
constexpr Real GrooveHalf = 1.053565375285274;
constexpr Real GrooveRise = 1.7;
constexpr Real GrooveRadius = 2.0;
constexpr Real Tan30 = 0.5773502691896257;
// The undercuts at the collar and the shoulder: 3 wide, 0.3 deep, rounded 0.1.
constexpr Real CutWidth = 3.0;
constexpr Real CutDepth = 0.3;
constexpr Real CutRound = 0.1;
// The section's relief flat.
constexpr Real FlatDepth = 0.2;

constexpr Real TextHeight = 6.0;
constexpr Integer TextStyle = 75;

const tvapi::tvRoughSignEnum RoughSign = tvapi::tvRoughSignEnum(0);

// The tapped hole's drill radius: the tap drill of thread 2 r44.
Real TapRadius(Real r44)
{
    return MetricFigures(2 * r44).TapDrill / 2;
}

// The tapped or plain fitted end, from the axis at the lead-in end up to the end face's edge.
// The tapped hole is drilled at its tap drill and entered through a 45-degree chamfer out to
// the thread.
TNode* FittedEnd(Real A, Real D, Real r44, Boolean threaded, Integer tl, TNode* next)
{
    const unsigned axis = tl != 0 ? 3 : 1, hidden = tl != 0 ? 4 : 1;
    if (!threaded) return dTL(axis, dP(A, 0, dTL(unsigned(tl), dP(A, r44, next))));
    const Real rt = TapRadius(r44), e = r44 - rt;
    return dTL(
        axis,
        dP(D - 7, 0,
           dTL(hidden,
               dPx(D - 5, rt,
                   dPx(D, rt,
                       dPnm(D, r44, dPx(A - e, rt, dP(A, r44, dPnm(D, r44, dTL(unsigned(tl), next))))))))));
}

// The press-fit part beyond the collar, ending at the collar's top on its fitted side.
TNode* FittedPart(Real A, Real x42, Real r41, Real r43, TNode* next)
{
    if (AbsZn(A - x42) == 0) return dPx(x42, r43, next);
    TNode* corner = AbsZn(r43 - r41) != 0 && A - x42 > CutWidth
                        ? dPx(x42 + CutWidth, r41,
                              dCVR(x42 + CutWidth - CutDepth, r41 - CutDepth, x42, r41 - CutDepth, x42, r43,
                                   CutRound, dPx(x42, r43, next)))
                        : dCLL(x42, r41, x42, r43, CutRound, next);
    return dPx(A, r41 - 0.49999999999999994, dPx(A - 1, r41, corner));
}

} // namespace

void TSocketLeaderPin::dr2D_LeaderPin_V1(Real const& mx, Real const& my, Real const& ma, Real const& ms,
                                         Real const& r42, Real const& r41, Real const& r43, Real const& x40,
                                         Real const& ix41, Real const& x46, Real const& x42, Real const& ix43,
                                         Integer tl, Boolean isSize, Real const& ix45, Real const& r44,
                                         Real const& x44) const
{
    const Real g = GrooveHalf, t = Tan30;
    const Real A = std::max(ix43, x42), B = ix41 + x46, D = A - x44;
    const Real C = std::min(x40 - B + 8, -(x46 + 3 + g + 1));
    const Real K = AbsZn(ix45) != 0 ? ix45 : 2 * r43;
    const Boolean fitted = AbsZn(A - x42) != 0;
    drMtr(mx, my, ma, ms);
    drMtr(-x42, 0, 0, 1);
    drLine(A + 2, 0, -B - 2, 0, 3);

    TNode* working = dCVR(-x46, r42 - CutDepth, -2.7 - x46, r42 - CutDepth, -CutWidth - x46, r42, CutRound,
                          dPx(-CutWidth - x46, r42,
                              dP(C + g, r42,
                                 dA(C, r42 + GrooveRise, -GrooveRadius, C - g, r42,
                                    dCLL(x40 - B, r42, (x40 - 2 * B) / 2, (2 * r42 - t * x40) / 2, 4,
                                         dCLL(-B, r42 - t * x40, -B, 0, 1.6, nullptr))))));
    // A pin without collar or fitted part starts at its end face: no undercut there, it would
    // run back down that face.
    TNode* shoulderRest =
        dPx(-CutWidth, r41, dPx(2 - x46, r41, dPx(-x46, r41 - 0.9999999999999999, nullptr)));
    TNode* shoulder = dMacroIf(
        AbsZn(x46) != 0,
        AbsZn(A) != 0 ? dCVR(0, r41 - CutDepth, -2.7, r41 - CutDepth, -CutWidth, r41, CutRound, shoulderRest)
                      : shoulderRest,
        working);
    TNode* collar = dPx(0, r43, shoulder);
    TContDrawing outline(M2());
    outline.Make(
        -B, 0,
        FittedEnd(A, D, r44, AbsZn(x44) != 0 && AbsZn(r44) != 0, tl, FittedPart(A, x42, r41, r43, collar)));
    const Real a = -4 - x46;
    TContDrawing channel(M2());
    channel.Make(
        a, 0,
        dA(a - g, 0, g, a - g, g,
           dP(C + g, g,
              dP(C + g, r42,
                 dP(C + g, g,
                    dP(C, 0,
                       dP(C - g, g,
                          dP(C - g, r42,
                             dP(C - g, g, dP(x40 - B, g, dA(x40 - B, 0, g, x40 - B - g, 0, nullptr)))))))))));

    const Integer s = tl - 10 * (tl / 10), tens = (tl / 10) % 10;
    if (tl == 0) {
        outline.dr2D(0);
    } else if (tens == 1) {
        outline.dr2D(s);
        channel.dr2D(s);
    } else if (tens == 2) {
        outline.dr2DMY(s);
        channel.dr2DMY(s);
    } else {
        outline.dr2D(s);
        channel.dr2D(s);
        outline.dr2DMY(s);
        channel.dr2DMY(s);
        if (K / 2 < r43) {
            const Real h = std::sqrt(r43 * r43 - K * K / 4);
            drLine(0, -h, x42, -h, tl);
            drLine(0, h, x42, h, tl);
        }
    }

    if (isSize) {
        TModeler3D& m = M2();
        drLine(C, r42, C, -r42, 3);
        m.drDimApc(30, 180, x40 + 10, 0, "", x40 - B, -r42);
        m.drDimHL(x42, -30, 1, x42, -r43, 0, -r43, "", "h12", "");
        m.drDimHL(x40, -10, 1, -B, 0, x40 - B, -r42, "", "js14", "");
        m.drDimHL(x40 + 8, -20, 1, -B, 0, C, -r42, "", "", "&03~0,2");
        m.drDimHL(ix41 - 4, -30 - r42, 1, -B, 0, -4 - x46, 0, "", "", "&03~0,2");
        m.drDimHL(B, -41, 1, -B, 0, 0, -r43, "", "js14", "");
        m.drDimHL(A + B, -52 - r43 + r41 - 1, -1, -B, 0, A, 1 - r41, "", "", "*");
        m.drDimHL(2, -10, 1, A, 1 - r41, A - 2, -r41, "", "", "");
        m.drDimHL(x44, -22, -1, A - x44, -r44, A, 1 - r41, "", "H14", "");
        // The entry chamfer of the tapped hole; a plain end marks none.
        const Boolean tapped = r44 > 2e-6;
        const Real rt = tapped ? TapRadius(r44) : r44 - 1, e = r44 - rt;
        m.drDimHL(tapped ? e : 0, TMathDef::Round(r41 - r44) + 5, -1, A - e, rt, A, r41 - 1, "", "",
                  "&04~45&01");
        m.drDimVL(2 * r44, 0, TMathDef::Round(r44 - 1 - r41), A - 7, -r44, A - 7, r44, "M", "", "-7H");
        m.drDimVL(2 * r42, -37 - x40, -1, x40 - B + 4, -r42, x40 - B + 4, r42, "&02", "f7", "");
        // The fitted end's marks only where there is a fitted end.
        if (fitted) {
            m.drDimApc(30, 0, 25, 0, "", A - 1, r41);
            m.drCircleShelf(x42 + 1.5, r41, 3, x42 - 2, r41 + 23, "B");
            m.drDimHL(A, -41, 1, A, 1 - r41, 0, -r43, "", "js14", "");
            m.drRough(A + 5, r41, 90, RoughSign, "0,8", "", "");
        }
        m.drCircleShelf(C, r42, 3, x40 - B, r41 + 10, "Г");
        if (AbsZn(K - 2 * r43) != 0) drViewArrowA(A);
        const Real xc = x40 + 4 - B;
        m.drCut(7, 1, 75, "Б", xc, r41 + 25, -1, xc, -84 - r41, -1);
        m.drPoint(xc, r41 + 25);
        m.drPoint(xc, -63 - r41);
        m.drEndObj();
        m.drRough(-28 - B, r42, 90, RoughSign, "0,4", "", "");
        m.drDimR(1.6, "", 120, 20, 10, -1, 1.2 - B, r42 - t * x40 - 1.2, 2, 1, "R", "", "");
        m.drDimR(4, "", 120, 30, 10, -1, x40 - B + 2, r42 - 3.7, 2, 1, "R", "", "");
        m.drRough(x42, -4 - r43, 0, RoughSign, "3,2", "", "");
    }
    drDeleteMtr();
    drDeleteMtr();
}

void TSocketLeaderPin::drViewArrowA(Real x) const
{
    M2->drWPointer(x + 25, 0, x + 35, 0, x + 27, 2, 7, 1, 75, "A");
}

void TSocketLeaderPin::dr2D_KolonkaKriplennya_V2(Real mx, Real my, Real ma, Real ms, Real r42, Real r41,
                                                 Real r43, Real, Real, Real, Real, Real, Integer tl,
                                                 Boolean isSize, Real x45, Real r44, Real) const
{
    const Real g = GrooveHalf, k = x45 / 2;
    // The absolute value keeps flats wider than the collar from failing.
    const Real h = std::sqrt(std::abs(r43 * r43 - k * k));
    const Real t = 2 * r42 - FlatDepth;
    const Real h2 = std::sqrt(std::abs(r42 * r42 - (t - r42) * (t - r42)));
    TModeler3D& m = M2();
    TContDrawing C(M2());

    drMtr(mx, my, ma, ms);
    drText(-10, r43 + 20, 0, TextHeight, 1, TextStyle, ::DC("Вид А"));
    if (AbsZn(r44) != 0) {
        drCircle(0, 0, TapRadius(r44), tl);
        drArc(0, 0, r44, 0, r44, r44, 0, 1, 2);
    }
    drCircle(0, 0, r41 - Tan30, tl);
    drCircle(0, 0, r41, tl);
    C.Make(k, h, dA(0, 0, r43, -k, h, dP(-k, -h, dA(0, 0, r43, k, -h, dP(k, h, nullptr)))));
    C.dr2D(tl);
    drLine(-2 - k, 0, k + 2, 0, 3);
    drLine(0, r43 + 2, 0, -2 - r43, 3);
    if (isSize) {
        m.drDimVL(2 * r43, -k - 10, 1, 0, -r43, 0, r43, "&02", "h14", "");
        m.drDimVL(2 * r41, k + 10, 1, 0, -r41, 0, r41, "&02", "h6", "");
        if (AbsZn(k - r43) != 0) m.drDimHL(x45, r43 + 10 - h, 1, -k, h, k, h, "", "h14", "");
    }

    drMtr(0, -100 - r43, 0, 2);
    C.Make(FlatDepth - r42, h2, dA(0, 0, -r42, FlatDepth - r42, -h2, dP(FlatDepth - r42, h2, nullptr)));
    C.dr2D(tl);
    m.drHatch(0, 45, 3);
    C.dr2D(1);
    m.drEndObj();
    drLine(-2 - r42, 0, r42 + 2, 0, 3);
    drLine(0, r42 + 2, 0, -2 - r42, 3);
    if (isSize) {
        drText(-5, (r42 + 15) / 2, 0, TextHeight, 1, TextStyle, ::DC("Б-Б"));
        m.drDimHL(t, -20 - r42, -1, FlatDepth - r42, -h2, r42, 0, "", "h14", "");
    }

    drMtr(r42 + 10, 0, 0, 1);
    C.Make(-5, 0,
           dP(-g, 0,
              dP(-g, -5,
                 dP(-g, 0, dA(0, GrooveRise, GrooveRadius, g, 0, dP(g, -5, dP(g, 0, dP(5, 0, nullptr))))))));
    C.dr2D(tl);
    C.Make(-5, 0, dP(-g, -5, dP(g, -5, dP(5, 0, nullptr))));
    C.dr2D(5);
    drLine(0, 0, 0, -5, 3);
    if (isSize) {
        drText(-2, (r42 + 10) / 2, 0, TextHeight, 1, TextStyle, ::DC("Г(2:1)"));
        m.drDimVL(CutDepth, 15, -1, 5, 0, 0, -CutDepth, "", "", "");
        m.drDimR(GrooveRadius, "", -70, -5, 0, 0, 0, GrooveRise, 1, 0, "R", "", "");
    }
    drDeleteMtr();
    drDeleteMtr();
    drDeleteMtr();
}
