// The stepped ejector pin of the toolbox: its outline, plain and notched, the framed hardened
// zone at the working end with its note, and the pin's dimensions and roughness marks.

#include "MathDetailsl.h"

#include <cmath>

#include "ContDrawing.h"
#include "Mathemat.h"
#include "TDemStr.h"

namespace {

// Rise of the notch floor per unit of its length (sin 10 degrees).
constexpr Real NotchRise = 0.17364817766693033;
// The working end, the taper and the hardened zone, measured back from the end face.
constexpr Real WorkLen = 15.0;
constexpr Real TaperEnd = 31.0;
constexpr Real HardLen = 35.0;

// The pin's sizes in its own frame; A is the spigot's end face, B the notch length drawn.
struct TPinSizes {
    Real r71, r69, r72, r93, r96, x73, y92, x63, y71, y78;
    Real A, B;
};

// Whether the shank tapers to a working end of its own; a plain shank has neither.
bool HasTaper(const TPinSizes& p)
{
    return AbsZn(p.r69 - p.r71) != 0;
}

// Spigot, collar, fit, chamfer, shank and taper, then Tail. A plain shank keeps the taper's
// points, so that its profile is the same, but shows no edges there.
TContDrawing::TNode* PinBody(const TPinSizes& p, TContDrawing::TNode* Tail)
{
    const auto edge = HasTaper(p) ? dPx : dP;
    return dP(p.A, p.r96,
              dPx(0, p.r96,
                  dP(0, p.r72,
                     dP(p.x63, p.r72,
                        dPx(p.x63, p.r93,
                            dPx(p.y92 - (p.r93 - p.r69), p.r93,
                                dPx(p.y92, p.r69,
                                    edge(p.x73 - TaperEnd, p.r69, edge(p.x73 - WorkLen, p.r71, Tail)))))))));
}

void Dimensions(TModeler3D& m, const TPinSizes& p)
{
    const Real A = p.A, B = p.B, spigot = Zn(p.y71 - p.x73);
    m.drDimVL(spigot * 2 * p.r96, -10, -1 - TMathDef::Round(p.r72 - p.r96), A, -p.r96, A, p.r96, "&02", "h12",
              "");
    m.drDimVL(2 * p.r72, A - 12 - 10 * spigot, -1, 0, -p.r72, 0, p.r72, "&02", "h14", "");
    m.drDimVL(AbsZn(p.r93 - p.r71) * 2 * p.r93, 0, -1 - TMathDef::Round(p.r72 - p.r93), p.x63 + 5, -p.r93,
              p.x63 + 5, p.r93, "&02", "h12", "");
    m.drDimVL(AbsZn(p.r69 - p.r71) * 2 * p.r69, 0, -1 - TMathDef::Round(p.r72 - p.r71 + 0.5), p.y92 + 22,
              0.5 - p.r71, p.y92 + 22, p.r71 - 0.5, "&02", "h14", "");
    m.drDimVL(2 * p.r71, 30, -1, p.x73 - B, -p.r71, p.x73, p.r71, "&02", "f7", "");
    m.drDimHL(-HardLen, 18, 0, p.x73 - HardLen, p.r71 + 1, p.x73, p.r71, "", "", Qual[3]);
    m.drDimVL(p.y78, B + 42, -1, p.x73, -p.r71, p.x73 - B, p.y78 - p.r71, "", "", Qual[2]);
    m.drDimHL(AbsZn(p.y78) * B, -16, -1, p.x73 - B, -p.r71, p.x73, -p.r71, "", "", "");
    const Real taper = HasTaper(p) ? 1.0 : 0.0;
    m.drDimHL(taper * WorkLen, -32, 1, p.x73 - WorkLen, -p.r71, p.x73, -p.r71, "", "", "&03~0,5");
    m.drDimHL(taper * (TaperEnd - WorkLen), -20, -1, p.x73 - WorkLen, -p.r71, p.x73 - TaperEnd, -p.r71, "",
              "", "&03~0,5");
    m.drDimHL(p.x63, -30, p.x63 - 1 - p.y92, 0, -p.r72, p.x63, -p.r72, "", "h9", "");
    m.drDimHL(AbsZn(p.y92 - p.x63) * p.y92, -44, -1, 0, -p.r72, p.y92, 0.5 - p.r71, "", "h14", "");
    m.drDimHL(p.x73, -56, -1, 0, -p.r72, p.x73, -p.r71, "", "h6", " *");
    m.drDimHL(Zn(p.r96) * spigot * p.y71, -68, -1, A, -p.r96, p.x73, -p.r71, "", "h12", "");
}

// The roughness marks with the hardened zone's note after the first one.
void Marks(TModeler3D& m, const TPinSizes& p)
{
    const tvapi::tvRoughSignEnum sign = tvapi::tvNoProcessingType;
    m.drRough(p.x73 + 5, p.r71, 90, sign, "0,4", "", "");
    m.drShelf(tvapi::tvLSignNone, p.x73 - 40, p.r71 + 30, tvapi::tvLSRight, tvapi::tvLeaderWithoutArrow, 1.5,
              0.25, 75, "HRCэ 52...56", 5.0, 1.0, 75, "");
    m.drPoint(p.x73 - HardLen, p.r71 + 1);
    m.drEndObj();
    m.drRough(p.x73, -24 - p.r71, 0, sign, "0,2", "", "");
    if (std::abs(p.y71 - p.x73) > TMathDef::MinLength) m.drRough(p.A, -30 - p.r71, 180, sign, "1,6", "", "");
    if (p.r69 != p.r93) m.drRough(p.y92 - 4, p.r93, 90, sign, "1,6", "", "");
    // The collar's front face: below the fit's end, where the fit's mark stands when drawn.
    m.drRough(p.y92 - 4, -20 - p.r72, 180, sign, "0,8", "", "");
    m.drRough(p.x63, -5 - p.r72, 0, sign, "1,6", "", "");
}

} // namespace

void TCommonGeometry::dr2D_Shtovhach_V1(R mx, R my, R ma, R ms, R r71, R r69, R r72, R r93, R r96, R x73,
                                        R y92, R x63, R y71, Real x9, R y78, Integer tl, Boolean isSize) const
{
    const TPinSizes p{r71, r69, r72, r93, r96, x73, y92, x63, y71, y78, x73 - y71, AbsZn(y78) ? x9 : 0.0};
    drMtr(mx, my, ma, ms);
    TContDrawing C1(M2()), C2(M2());
    C1.Make(p.A, 0, PinBody(p, dP(x73, r71, dP(x73, 0, dPt0(p.A, 0, nullptr)))));
    C2.Make(p.A, 0,
            PinBody(p, dP(x73 - p.B, r71,
                          dP(x73 - p.B, r71 - y78,
                             dP(x73, r71 - y78 + p.B * NotchRise, dP(x73, 0, dPt0(p.A, 0, nullptr)))))));
    drLine(p.A - 2, 0, x73 + 2, 0, 3);
    const Integer u = tl % 10;
    switch (tl / 10) {
    case 1:
        C1.dr2D(u);
        break;
    case 2:
        C2.dr2DMY(u);
        break;
    default:
        C1.dr2D(u);
        if (tl != 0) C2.dr2DMY(u);
    }
    if (isSize) {
        // The hardened zone's frame, 1 clear of the working end.
        C1.Make(x73 - HardLen, r71 + 1,
                dP(x73 + 1, r71 + 1, dP(x73 + 1, -1 - r71, dP(x73 - HardLen, -1 - r71, nullptr))));
        C1.dr2D(3);
        Dimensions(M2(), p);
        Marks(M2(), p);
        if (p.B != 0 && y78 != 0) M2->drDimApc(-80, 270, 45, 0, "", x73, y78 - r71 - p.B * NotchRise);
    }
    drDeleteMtr();
}
