// The guide pillar: its own profile (a working part between two reduced, chamfered ends, each
// shoulder relieved by a small groove), its sheet with the groove's enlarged view, and its
// revolved part.

#include "MathDetail2.h"

#include <cmath>

#include "ContDrawing.h"
#include "LeaderPin.h"
#include "Mathemat.h"
#include "TDemStr.h"

namespace {

constexpr Real EndChamfer = 1.6;
// The record's tail lengths describe a pillar with equal ends when they add up within this.
constexpr Real EqualEndsSlack = 1.0;

} // namespace

void TDirectColumn::dr2D_V1(Real const& mx, Real const& my, Real const& ma, Real const& ms, Integer tl,
                            Boolean) const
{
    if (!ComponentExists(Id)) return;
    // A catalogue pillar is the leader pin's profile with the pillar's sizes.
    if (Code != 0) {
        TSocketLeaderPin(Id, &M2(), nullptr, nullptr)
            .dr2D_LeaderPin_V1(mx, my, ma, ms, Radius, Radius, TailRadius, 4.0, Len, 0, TailLen, 0, tl, false,
                               0, 0, 0);
        return;
    }
    const Real x79 =
        std::abs(Len - SupportLen - 2 * TailLen) <= EqualEndsSlack ? SupportLen + TailLen : SupportLen;
    dr2D_KolonkaMehSt_V1(mx, my, ma, ms, Radius, TailRadius, Len, x79, SupportLen, tl, false);
}

void TDirectColumn::dr2D_KolonkaMehSt_V1(double mx, double my, double ma, double mm, double r63, double r19,
                                         double x80, double x79, double x56, int tl, bool isSize) const
{
    if (!ComponentExists(Id)) return;
    drMtr(mx, my, ma, mm);
    const Real X0 = x79 - x80, e = std::abs(tl) >= 10 ? 2.0 : 0.0, f = EndChamfer;
    const Integer s = Zn(x80 - x79);
    drLine(X0 - e, 0, x79 + e, 0, 3);
    TContDrawing C(M2());
    TContDrawing::TNode* tail =
        dCVR(0, r19 - TReliefGroove::Depth, -TReliefGroove::Run, r19 - TReliefGroove::Depth,
             -TReliefGroove::Width, r19, TReliefGroove::Radius,
             dPx(-TReliefGroove::Width, r19, dPx(X0 + f, r19, dP(X0, r19 - f, dP(X0, 0, nullptr)))));
    C.Make(
        x79, 0,
        dP(x79, r19 - f,
           dPx(x79 - f, r19,
               dPx(x56 + TReliefGroove::Width, r19,
                   dCVR(x56 + TReliefGroove::Run, r19 - TReliefGroove::Depth, x56, r19 - TReliefGroove::Depth,
                        x56, r63, TReliefGroove::Radius,
                        dPx(x56, r63,
                            dPx(0, r63, dMacroIfE(s > 0, tail, dP(0, 0, nullptr), dP(x79, 0, nullptr)))))))));
    C.ContBlockClear(tl);
    C.drContBlock(tl, false, false, false);
    if (isSize) {
        TModeler3D& m = M2();
        m.drCircleShelf(x56 + 1.5, r19, 3.0, x56 - 25, 2 * r63, "A");
        m.drDimHL(x56, -15, -1, 0, -r63, x56, -r63, "", "h6", "");
        m.drDimHL(x79, -33, -1, 0, -r63, x79, f - r19, "", "h14", "");
        // The left end's dimensions get 0, and are left out, on a pillar without it.
        m.drDimHL(s * x80, -48, -1, X0, f - r19, x79, f - r19, "", "h14", "");
        m.drDimHL(s * f, 15, -1, X0, r19 - f, X0 + f, r19, "", "", "&04~45&01");
        m.drDimHL(f, 15, 1.0, x79 - f, r19, x79, r19 - f, "", "", "&04~45&01");
        m.drDimVL(s * 2 * r19, -18, 1.0, X0 + f, -r19, X0 + f, r19, "&02", "h6", "");
        m.drDimVL(2 * r19, 15, TMathDef::Round(r63 - r19) + 2, x79 - f, -r19, x79 - f, r19, "&02", "k6", "");
        m.drDimVL(2 * r63, TMathDef::Round(x79 - x56) + 27, TMathDef::Round(r63 - r19) + 1, x56, -r63, x56,
                  r63, "&02", "f7", "");
        if (s > 0) RoughMark(m, X0 - 17, r19, 90, "0,8");
        RoughMark(m, 25, r63, 90, "0,4");
        RoughMark(m, x79 + 7, r19, 90, "0,8");
        RoughMark(m, 0, -15 - r63, 180, "1,6");
        RoughMark(m, x56, -5 - r63, 0, "1,6");
    }
    drDeleteMtr();
}

void TDirectColumn::dr2D() const
{
    const TSheetBracket sheet(M2(), Id, 0.0, -TMathDef::Round(Radius), TDemStr[1], TDemStr[30]);
    if (!sheet) return;
    dr2D_V1(0, 0, 0, 1.0, 1, false);
    TCommonGeometry(M2()).drCVR_dV(Len / 2 - 30, -80 - Radius, 0, 4.0, TReliefGroove::Width,
                                   TReliefGroove::Depth, 0.5, "A", true);
}

void TDirectColumn::dr3D(const Integer) const
{
    const TPartBracket part(M2(), Id, {2 * Radius, Len});
    if (!part) return;
    // The catalogue pillar's profile runs the other way.
    dr2D_V1(0, 0, Code != 0 ? 180.0 : 0.0, 1.0, 0, false);
    part.Revolve();
}
