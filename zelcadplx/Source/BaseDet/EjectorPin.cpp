// The ejector pin's drawing: a shank with a cylindrical head, the origin on the head's
// underside where the pin bears on the ejector plate.

#include "MathDetail2.h"

#include "ContDrawing.h"

void TEjectorPin::dr2D_V1(Real const& mx, Real const& my, Real const& ma, Real const& ms, Real const& d_,
                          Real const& D_, Real const& k_, Real const& R_, Real const& L, Integer tl,
                          Boolean isSize) const
{
    TModeler3D& m = M2();
    drMtr(mx, my, ma, ms);
    drMtr(-k_, 0, 0, 1.0);
    TContDrawing C(m);
    C.Make(0, 0, dP(0, D_, dPx(k_, D_, dCLL(k_, d_, L, d_, R_, dP(L, 0, dPt0(0, 0, nullptr))))));
    C.drContBlock(tl, true, tl != 0, false);
    drLine(-3, 0, L + 3, 0, 3);
    if (isSize) {
        const Str none;
        m.drDimVL(2 * D_, -10, -1, 0, -D_, 0, D_, "&02", "h14", none);
        m.drDimVL(2 * d_, 10, -1, L, -d_, L, d_, "&02", "f7", none);
        m.drDimHL(k_, -10, -1, 0, -D_, k_, -D_, none, "h6", none);
        m.drDimHL(L, -20, -1, 0, -D_, L, -d_, none, "h6", none);
        m.drRough(0, -17 - D_, 180, tvapi::tvRoughSignEnum(0), "0,8", none, none);
    }
    drDeleteMtr();
    drDeleteMtr();
}
