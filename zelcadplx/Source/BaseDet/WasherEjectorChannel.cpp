// The washer of the ejector channel: a solid disc drawn as its section, its sheet and its
// revolved part.

#include "MathDetail2.h"

#include "ContDrawing.h"
#include "TDemStr.h"

namespace {

const char* const Roughness = "0,8";
// Entry of the requirement table: " 42...46 HRCэ".
constexpr Integer Hardness = 4;

} // namespace

void TWasherEjectorChannel::dr2D_Shajba_V1(const Real& mx, const Real& my, const Real& ma, const Real& mm,
                                           const Real& r60, const Real& x30, int tl, bool isSize) const
{
    if (!ComponentExists(Id)) return;
    drMtr(mx - x30, my, ma, mm);
    drLine(-3, 0, x30 + 3, 0, 3);
    TContDrawing C(M2());
    // The run back along the axis closes the sketch's profile; a view leaves it to the axis line.
    C.Make(0, 0, dP(0, r60, dP(x30, r60, dP(x30, 0, dPt0(0, 0, nullptr)))));
    C.dr2D(tl);
    if (tl != 0) {
        C.dr2DMY(tl);
        M2->drHatch(0, 135.0, 2.0);
        C.dr2D(tl);
        C.dr2DMY(tl);
        M2->drEndObj();
    }
    if (isSize) {
        TModeler3D& m = M2();
        m.drDimHL(x30, 30.0, -1, 0, r60, x30, r60, "", "h9", "");
        m.drDimVL(2 * r60, 20.0, 1, x30, -r60, x30, r60, "&02", "h14", "");
        const tvapi::tvRoughSignEnum sign = tvapi::tvRoughSignEnum(0);
        m.drRough(0, r60 + 7.0, 180.0, sign, Roughness, "", "");
        m.drRough(x30, r60 + 20.0, 0.0, sign, Roughness, "", "");
    }
    drDeleteMtr();
}

void TWasherEjectorChannel::dr2D() const
{
    const TSheetBracket sheet(M2(), Id, 20.0, -20.0 - Radius, TDemStr[Hardness]);
    if (!sheet) return;
    dr2D_Shajba_V1(0, 0, 0, 1.0, Radius, Height, 1, true);
}

void TWasherEjectorChannel::dr3D(const Integer) const
{
    const TPartBracket part(M2(), Id, {2 * Radius, Height});
    if (!part) return;
    dr2D_Shajba_V1(0, 0, 0, 1.0, Radius, Height, 0, false);
    part.Revolve();
}
