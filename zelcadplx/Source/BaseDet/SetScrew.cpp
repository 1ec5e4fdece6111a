// The set screws' side views: the record's screw with a plain head and the headless screw of
// the toolbox, both with a hexagon socket ending in a 120-degree drill point.

#include "MathDetailsl.h"

#include "ContDrawing.h"

void TSetScrew::dr2D_V1(Real const& mx, Real const& my, Real const& ma, Real const& mm, Real const& sR,
                        Real const& R_, Real const& L_, Real const& K_, Real const& iS, Integer tl,
                        Boolean) const
{
    const Real s = iS / 2;
    drMtr(mx, my, ma, mm);
    drLine(-3, 0, L_ + 3, 0, 3);
    TContDrawing C(M2());
    C.Make(K_, 0,
           dP(K_ - s * TanDrillPoint, s,
              dPx(0, s,
                  dP(0, R_,
                     dP(K_ - R_ + sR, R_,
                        dCLL(K_, sR, K_ + 2, sR, 0.1,
                             dPx(K_ + 2, sR,
                                 dPx(L_ - 1, sR,
                                     dP(L_, sR - 1,
                                        dPnm(K_ + 2, sR - 1, dP(L_, 0, dPt0(K_, 0, nullptr))))))))))));
    C.dr2D(tl);
    C.dr2DMY(tl);
    drDeleteMtr();
}

void TCommonGeometry::dr2D_HexagonSocketSetScrew_V1(R mx, R my, R ma, R mm, R r, R iS, R sl, R L, Integer tl,
                                                    Boolean) const
{
    const Real s = iS / 2, x0 = s * (1 + TanDrillPoint);
    drMtr(mx, my, ma, mm);
    drLine(-3, 0, L + 3, 0, 3);
    TContDrawing C(M2());
    C.Make(x0, 0,
           dP(s, s,
              dPx(0, s,
                  dP(0, r - 1,
                     dPx(1, r,
                         dPx(L - sl, r,
                             dP(L, r - sl, dP(L, 0, dMacroIf(tl == 0, dP(x0, 0, nullptr), nullptr)))))))));
    C.dr2D(tl);
    C.dr2DMY(tl != 0 ? tl : 2);
    drDeleteMtr();
}
