// The retraction pin: collar, shank with two fits and a grip of fixed size (a neck of
// diameter 2, a 90-degree ridge at radius 3.25 and a 90-degree tip); its drawing with the
// grip's enlarged view at 4:1, its sheet and its part.

#include "MathDetail2.h"

#include <cmath>

#include "ContDrawing.h"
#include "TDemStr.h"

namespace {

// The grip's length as dimensioned, past the shank's end: the tip's sphere ends there.
constexpr Real GripLen = 5.4;
// The tip's sphere, as the enlarged view gives it.
constexpr Real TipRadius = 1.0;
// The 90-degree tip's flanks would meet on the axis this far past the shank's end.
constexpr Real Apex = 5.5;

// Where the tip's falling flank (x + y = Apex past the shank's end) meets the sphere ending at
// GripLen: the nearer of the two crossings.
TPoint2D TipStart()
{
    const Real c = GripLen - TipRadius, e = Apex - c;
    const Real x = (c + Apex - std::sqrt(2 * TipRadius * TipRadius - e * e)) / 2;
    return TPoint2D(x, Apex - x);
}

void ShankSizes(TModeler3D& m, Real CR, Real CH, Real R, Real FitLen, Real F)
{
    m.drCircleShelf(F + 2.25, 0, 3.25, F + 13.25, -20, "A");
    m.drDimVL(2 * CR, -15, -1, 0, -CR, 0, CR, "&02", "h14", "");
    m.drDimVL(2 * R, 0, -1, CH + 11, -R, CH + 11, R, "&02", "h6", "");
    m.drDimVL(2 * R, 25, -1, F, -R, F, R, "&02", "f7", "");
    m.drDimHL(CH, -10, 1, 0, -CR, CH, -CR, "", "h9", "");
    m.drDimHL(FitLen, -35, 1, 0, -CR, FitLen, -R, "", "b12", "");
    m.drDimHL(F, -47, 1, 0, -CR, F, -R, "", "h7", "");
    m.drDimHL(F + GripLen, -62, 1, 0, -CR, F + GripLen, 0, "", "h12", "");
    const tvapi::tvRoughSignEnum sign = tvapi::tvNoProcessingType;
    m.drRough(-8, CR, 90, sign, "6,3", "", "");
    m.drRough(CH + 15, R, 90, sign, "0,8", "", "");
    m.drRough(F - 2, R, 90, sign, "0,4", "", "");
    m.drRough(0, -32 - CR, 180, sign, "1,6", "", "");
    m.drRough(CH, -5 - CR, 0, sign, "1,6", "", "");
}

// The grip on both sides of the axis at 4:1 below the pin, its origin the shank's end.
void GripView(TModeler3D& m, Real R, Real F, Integer tl)
{
    m.drMtr(F, -100 - R, 0, 4);
    TContDrawing C(m);
    C.Make(
        0, R,
        dCLL(0, 1, 1, 2, 0.5,
             dCLL(2.25, 3.25, 3.5, 2, 1,
                  dCLL(5.5, 0, 3.5, -2, 1, dCLL(2.25, -3.25, 1, -2, 1, dCLL(0, -1, 0, -R, 0.5, nullptr))))));
    C.dr2D(tl);
    m.drLine(0, R, 0, -R, tl);
    m.drLine(-1, 0, 6, 0, 3);
    m.drDimA(90, 1, -45, 10, 45, 1, 15, 5, 2.25, 3.25, 1, 0, 2.25, -3.25, 1, 0, "", 5.5, 0);
    m.drDimA(90, -1, 225, 26, -45, -1, 155, 3, 2.25, 3.25, 1, 0, 2.25, -3.25, 1, 0, "", -1, 0);
    m.drDimHL(5.5, -25, -5, 0, -R, 5.5, 0, "", "", "");
    m.drDimVL(2, -8, 15, 0, -1, 0, 1, "&02", "", "");
    m.drDimR(1, "", 45, 10, 15, 1, 2.25, 1.8357864376269049, 1, 0, "R", "", "");
    m.drDimR(1, "", 45, 10, 15, 1, 3.5, 0, 1, 0, "Сфера R", "", "");
    m.drDimR(0.5, "", 215, 13, 15, -1, 0.5, 2.205, 1, 0, "R", "", "");
    m.drText(0, R + 3, 0, 7, 1, 75, "A(4:1)");
    m.drDeleteMtr();
}

} // namespace

void TReTraction::dr2D_V1(Real const& mx, Real const& my, Real const& ma, Real const& ms, Integer tl,
                          Boolean isSize) const
{
    if (!ComponentExists(Id)) return;
    const Real CR = CollarRadius, CH = CollarHeight, R = Radius, F = Fit2Len;
    // The tip ends in its sphere at the overall length the sheet gives.
    const TPoint2D tip = TipStart();
    TContDrawing C(M2());
    drMtr(mx, my, ma, ms);
    C.Make(0, 0,
           dP(0, CR,
              dP(CH, CR,
                 dPx(CH, R,
                     dPx(FitLen, R,
                         dPx(F, R,
                             dCLL(F, 1, F + 1, 2, 0.5,
                                  dCLL(F + 2.25, 3.25, F + 3.5, 2, 1,
                                       dP(F + tip.x, tip.y,
                                          dA(F + GripLen - TipRadius, 0, -TipRadius, F + GripLen, 0,
                                             dPt0(0, 0, nullptr)))))))))));
    drLine(-2, 0, F + 2 + GripLen, 0, 3);
    C.drContBlock(tl, false, false, false);
    if (isSize) {
        ShankSizes(M2(), CR, CH, R, FitLen, F);
        GripView(M2(), R, F, tl);
    }
    drDeleteMtr();
}

void TReTraction::dr2D() const
{
    const TSheetBracket sheet(M2(), Id, 0, -CollarRadius, TDemStr[1], TDemStr[3]);
    if (!sheet) return;
    dr2D_V1(0, 0, 0, 1, 1, true);
}

void TReTraction::dr3D(const Integer) const
{
    const TPartBracket part(M2(), Id, {2 * Radius, Len});
    if (!part) return;
    dr2D_V1(0, 0, 0, 1, 0, false);
    part.Revolve();
}
