// The ejector plug: its half section with the dimensions and roughness of its sheet, the sheet
// and the part revolved from the same section.

#include "MathDetail2.h"

#include "ContDrawing.h"
#include "Mathemat.h"
#include "TDemStr.h"

namespace {

// The seat's wall opens 1 degree to the axis: tan 1 degree.
constexpr Real t1 = 0.017455064928217585;
// The seat's inner edge is rounded with 0.2; the seat is 0.1 wider than the bore behind it.
constexpr Real SeatRound = 0.2;
constexpr Real SeatClearance = 0.1;

struct TRoughMark {
    Real x, y, Angle;
    const char* Text;
};

} // namespace

void TEjectorPlug::dr2D_V1(Real mx, Real my, Real ma, Real ms, Real r70, Real r68, Real r71, Real r66,
                           Real r22, Real x68, Real x9, Real x27, Real x59, Integer tl, Boolean isSize) const
{
    if (Zn(x59) <= 0) return;
    TModeler3D& m = M2();
    drMtr(mx, my, ma, ms);
    drLine(-3, 0, x59 + 3, 0, 3);
    const Real xs = x59 - x9;
    TContDrawing C(m);
    C.Make(0, r70,
           dP(x27, r70,
              dCVR(x27, r22 - TReliefGroove::Depth, x27 + TReliefGroove::Width - TReliefGroove::Depth,
                   r22 - TReliefGroove::Depth, x27 + TReliefGroove::Width, r22, TReliefGroove::Radius,
                   dP(x59, r22,
                      dPx(x59, r66,
                          dCLL(xs, r66 + x9 * t1, xs, r71, SeatRound,
                               dPx(xs, r71,
                                   dPx(x68, r71, dPx(x68 - 1, r68, dPx(0, r68, dP(0, r70, nullptr)))))))))));
    C.dr2D(tl);
    if (tl != 0) {
        C.dr2DMY(tl);
        m.drHatch(0, 135.0, 5.0);
        C.dr2D(0);
        C.dr2DMY(0);
        m.drEndObj();
    }
    if (isSize) {
        const Str none;
        m.drRough(-17, -r71, 90, tvapi::tvRoughSignEnum(0), "0,4", none, none);
        m.drDimVL1(-2 * r71, -21 - x68, -5 - TMathDef::Round(r70 - r71), x68, -r71, x68, r71, "&02", "H7",
                   none);
        m.drDimVL1(-2 * r68, -32, -5 - TMathDef::Round(r70 - r68), 0, -r68, 0, r68, "&02", "H14", none);
        m.drDimVL1(2 * r70, -54, -5, 0, -r70, 0, r70, "&02", "h14", none);
        m.drDimHL(x68, 10, 0, 0, r70, x68, r71, none, none, "&03~0,2");
        m.drDimHL(x27, -30, 10, 0, -r70, x27, -r70, none, "h6", none);
        m.drDimHL(2.0, -10, -8, x27, -r70, x27 + 2, -r22, none, none, none);
        m.drDimHL(x9, -30, -1, xs, -r71, x59, -r22, none, none, "&03~0,1");
        m.drDimHL(x59, -55, 0, 0, -r70, x59, -r22, none, "f9", none);
        m.drDimVL1(2 * r66, 41, -5 - r22 + r66, x59, r66, x59, -r66, "&02~", "H12", none);
        m.drDimVL1(2 * r22, 54, -5, x59, r22, x59, -r22, "&02", "n6", none);
        m.drDimApc(-91, -90, 14, 0, none, x59, -r66 - x9 * t1);
        m.drDimR(0.1, none, 75, 2 * r22 + 5, 5, 1, xs + 0.1, 0.1 - r66, 1, 1, "R", none, none);
        const TRoughMark marks[] = {{xs, -8 - r22, 0, "0,2"},   {x27, -14 - r70, 0, "1,6"},
                                    {0, -49 - r70, 180, "0,8"}, {x59, -37 - r22, 0, "0,2"},
                                    {x59 + 30, r22, 90, "0,8"}, {x59 + 36, r66, 270, "0,2"}};
        for (const TRoughMark& k : marks)
            m.drRough(k.x, k.y, k.Angle, tvapi::tvRoughSignEnum(0), k.Text, none, none);
    }
    drDeleteMtr();
}

void TEjectorPlug::dr2D() const
{
    const TSheetBracket sheet(M2(), Id, 25.0, -2 * CollarRadius, TDemStr[6], TDemStr[3], TDemStr[37]);
    if (!sheet) return;
    dr2D_V1(0, 0, 0, 1.0, CollarRadius, EC2Radius, ECRadius, ECRadius + SeatClearance, Radius, EC2Len,
            ConeLen, CollarHeight, Len, 1, true);
}

void TEjectorPlug::dr3D(const Integer) const
{
    const TPartBracket part(M2(), Id, {2 * Radius, Len});
    if (!part) return;
    dr2D_V1(0, 0, 0, 1.0, CollarRadius, EC2Radius, ECRadius, ECRadius + SeatClearance, Radius, EC2Len,
            ConeLen, CollarHeight, Len, 0, false);
    part.Revolve();
}
