// The support pillar of the return-pin set: a turned head and shank with an undercut behind
// the head; its outline with dimensions, its sheet with the undercut's enlarged view, its part.

#include "MathDetail2.h"

#include "ContDrawing.h"
#include "Mathemat.h"
#include "TDemStr.h"

namespace {

// The undercut behind the head: 1 below the shank, 2 flat, then 45 degrees up; corners 0.5.
constexpr Real UndercutDepth = 1.0;
constexpr Real UndercutLen = 3.0;
constexpr Real UndercutRadius = 0.5;

// The pillar's second detail row; 0 is no pillar (detail 0 is the product itself).
Boolean HasPillar(const TBackEjector& B)
{
    return B.Id2 != 0 && ComponentExists(B.Id2);
}

void PillarSizes(TModeler3D& m, Real const& r59, Real const& r17, Real const& x28, Real const& y77)
{
    const tvapi::tvRoughSignEnum sign = tvapi::tvNoProcessingType;
    m.drCircleShelf(x28 + 1, r17 - 2, 4, x28 + 4, r17 + 12, "A");
    m.drDimL(y77, "", 0, -34, 0, 0, 0, 0, y77, -r17, 1, 0, 0, -r59, 1, 0, "", "h6", "");
    m.drDimL(x28, "", 0, -22, 1, 0, 0, 0, 0, -r59, 1, 1, x28, -r59, 1, 0, "", "h6", "");
    m.drRough(x28, -(r59 + 5), 0, sign, "1,6", "", "");
    m.drRough(y77 - 7, r17, 90, sign, "0,8", "", "");
    m.drDimL(2 * r17, "", 20, 0, -1, 0, 0, 0, y77, -r17, 1, 0, y77, r17, 1, 0, "&02", "h6", "");
    m.drRough(y77, -(r17 + 15), 0, sign, "0,2", "", "");
    m.drDimL(2 * r59, "", -10, 0, 1, 0, 0, 0, 0, r59, 1, 0, 0, -r59, 1, 0, "&02", "h14", "");
}

} // namespace

void TBackEjector::dr2D_Opora_V1(Real const& mx, Real const& my, Real const& ma, Real const& mm,
                                 Real const& r59, Real const& r17, Real const& x28, Real const& y77,
                                 Integer tl, Boolean isSize) const
{
    if (!HasPillar(*this)) return;
    TContDrawing C(M2());
    drMtr(mx, my, ma, mm);
    drLine(-3, 0, y77 + 3, 0, 3);
    const Real bottom = r17 - UndercutDepth, x = x28 + UndercutLen;
    C.Make(0, 0,
           dP(0, r59,
              dPx(x28, r59,
                  dCVR(x28, bottom, x - UndercutDepth, bottom, x, r17, UndercutRadius,
                       dPx(x, r17, dP(y77, r17, dP(y77, 0, dP(y77 * Zn(tl), 0, nullptr))))))));
    C.dr2D(tl);
    if (tl != 0) C.dr2DMY(tl);
    if (isSize) PillarSizes(M2(), r59, r17, x28, y77);
    drDeleteMtr();
}

void TBackEjector::dr2D_Opora() const
{
    if (Id2 == 0) return;
    const TSheetBracket sheet(M2(), Id2, 0, -FitRadius, TDemStr[1]);
    if (!sheet) return;
    dr2D_Opora_V1(0, 0, 0, 1, CollarRadius, Radius, CollarHeight, LenOpora, 1, true);
    TCommonGeometry(M2()).drCVR_dV(20, -70 - 2 * CollarRadius, 0, 4, UndercutLen, 0.3, UndercutRadius, "A",
                                   true);
}

void TBackEjector::dr3D_Opora() const
{
    if (Id2 == 0) return;
    const TPartBracket part(M2(), Id2, {2 * Radius, LenOpora});
    if (!part) return;
    dr2D_Opora_V1(0, 0, 180, 1, CollarRadius, Radius, CollarHeight, LenOpora, 0, false);
    part.Revolve();
}
