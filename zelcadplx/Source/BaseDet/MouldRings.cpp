// The centring tube dowel and the support washer: short hollow turned parts drawn in hatched
// section; the washer's sheet and part.

#include "MathDetail2.h"

#include "ContDrawing.h"
#include "Mathemat.h"
#include "TDemStr.h"

namespace {

constexpr Real EndChamfer = 1.0;
// The dowel's right end is chamfered 1 long at 30 degrees: it falls by tan 30.
constexpr Real DowelChamferFall = 0.5773502691896257;
constexpr Real DowelHatchAngle = 45.0;
constexpr Real DowelHatchStep = 4.0;
constexpr Real WasherHatchAngle = 135.0;
constexpr Real WasherHatchStep = 3.0;
// The washer's relief groove at the collar: 3 long, 0.5 deep, its corners rounded by 0.5.
constexpr Real GrooveDepth = 0.5;
constexpr Real GrooveCorner = 0.5;
constexpr Integer WasherHardness = 28;

const tvapi::tvRoughSignEnum NoProcessing = tvapi::tvRoughSignEnum(0);

// A half outline in section by tl's tens digit: 1 the upper half, 2 the lower, each in the
// units digit's style and hatched; otherwise the upper half in style tl and, unless tl is 0
// (a revolve sketch), the lower half in style Lower and both hatched.
void DrawSection(TModeler3D& M, const TContDrawing& C, Integer tl, Integer Lower, Real Angle, Real Step)
{
    const Integer tens = tl / 10, units = tl % 10;
    if (tens == 1 || tens == 2) {
        const auto draw = [&](Integer Te) { tens == 1 ? C.dr2D(Te) : C.dr2DMY(Te); };
        draw(units);
        M.drHatch(0, Angle, Step);
        draw(0);
        M.drEndObj();
        return;
    }
    C.dr2D(tl);
    if (tl == 0) return;
    C.dr2DMY(Lower);
    M.drHatch(0, Angle, Step);
    C.dr2D(0);
    C.dr2DMY(0);
    M.drEndObj();
}

} // namespace

// ---- Tube dowel --------------------------------------------------------------------------------

void TTubeDowel::dr2D_VtulkaCentruucha_V1(const Real& mx, const Real& my, const Real& ma, const Real& mm,
                                          const Real& r1, const Real& ir50, const Real& x53, Integer tl,
                                          Boolean isSize) const
{
    const Real yf = DowelChamferFall, xf = EndChamfer;
    drMtr(mx, my, ma, mm);
    drLine(-3, 0, x53 + 3, 0, 3);
    TContDrawing C(M2());
    C.Make(0, ir50,
           dFsk(0, r1, x53 / 2, r1, EndChamfer,
                dP(x53 - xf, r1, dP(x53, r1 - yf, dPx(x53, ir50, dPx(0, ir50, nullptr))))));
    DrawSection(M2(), C, tl, tl, DowelHatchAngle, DowelHatchStep);
    if (isSize) {
        TModeler3D& m = M2();
        m.drDimHL(x53, 10, 0, 0, r1 - yf, x53, r1 - yf, "", "h14", "");
        m.drDimVL(-2 * r1, -20, 1, xf, -r1, xf, r1, "&02", "g6", "");
        m.drDimVL1(2 * ir50, 12, -1, x53, -ir50, x53, ir50, "&02", "H14", "");
        m.drDimHL(1.0, -12, -5, 0, -ir50, xf, -r1, "", "", "&04~30&01~ 2 фаски");
        m.drRough(-17.0, r1, 90.0, NoProcessing, "0,8", "", "");
    }
    drDeleteMtr();
}

// ---- Support washer ------------------------------------------------------------------------------

void TSupportWasher::dr2D_ShajbaOporna_V1(Real const& mx, Real const& my, Real const& ma, Real const& mm,
                                          Real const& x34, Real const& x35, Real const& x36, Real const& r35,
                                          Real const& r36, Real const& r37, Real const& r1, Integer tl,
                                          Boolean isSize) const
{
    const Boolean grooved = AbsZn(r1 - r35) != 0;
    drMtr(mx, my, ma, mm);
    drMtr(-x34, 0, 0, 1);
    drLine(-3, 0, x36 + 3, 0, 3);
    TContDrawing C(M2());
    C.Make(0, r36,
           dP(0, r35,
              dP(x34, r35,
                 dMacroIf(grooved,
                          dCVR(x34, r1 - GrooveDepth, x34 + 2.5, r1 - GrooveDepth, x34 + 3, r1, GrooveCorner,
                               dP(x36 - EndChamfer, r1, nullptr)),
                          dFsk(x36, r1, x36, r37, EndChamfer,
                               dPx(x36, r37, dPx(x35, r37, dP(x35, r36, dPx(0, r36, nullptr)))))))));
    DrawSection(M2(), C, tl, 1, WasherHatchAngle, WasherHatchStep);
    if (isSize) {
        TModeler3D& m = M2();
        m.drDimVL2(-2 * r36, -5, TMathDef::Round(r35 - r36) + 1, 0, -r36, 0, r36, "&02", "H14", "");
        m.drDimVL2(-2 * r35, -20, 1, 0, -r35, 0, r35, "&02", "h14", "");
        m.drDimVL2(-2 * r37, x36 + 15, TMathDef::Round(r1 - r37) + 1, x35, -r37, x35, r37, "&02", "H14", "");
        m.drDimVL2(grooved ? -2 * r1 : 0.0, x36 + 25, 1, x36 - 1, -r1, x36 - 1, r1, "&02", "h12", "");
        m.drDimHL(x34, 5, 5, 0, r35, x34, r35, "", "h14", "");
        m.drDimHL(x35, 16, -5, x35, r36, 0, r35, "", "H14", "");
        m.drDimHL(x36, 28, -5, x36, r1 - 1, 0, r35, "", "h14", "");
        m.drDimHL(1, 25, -5, x36 - 1, r1, x36, r1 - 1, "", "", "&04~45&01");
        m.drRough(x36 + 25, r1, 90.0, NoProcessing, "1,6", "", "");
        drLine(x34, -r35, x34, -15 - r35, 2);
        m.drRough(x34, -10 - r35, 0.0, NoProcessing, "3,2", "", "");
        // The groove's radius; a washer without a groove gets no radius dimension at all, since
        // the modeller would draw one of radius 0.
        if (grooved) m.drDimR(0.1, "", 20.0, 15.0, 0, 0, x34 + 0.1, r1 + 0.1, 2, 0, "R", "", "");
    }
    drDeleteMtr();
    drDeleteMtr();
}

void TSupportWasher::dr2D() const
{
    const TSheetBracket sheet(M2(), Id, Len, -2 * BoltHeadLen, TDemStr[WasherHardness]);
    if (!sheet) return;
    dr2D_ShajbaOporna_V1(0, 0, 0, 1.0, CollarHeight, BoltHeadLen, Len, CollarRadius, BoltHeadRadius,
                         BoltRadius, Radius, 1, false);
}

void TSupportWasher::dr3D(const Integer) const
{
    const TPartBracket part(M2(), Id, {2 * CollarRadius, Len});
    if (!part) return;
    dr2D_ShajbaOporna_V1(0, 0, 0, 1.0, CollarHeight, BoltHeadLen, Len, CollarRadius, BoltHeadRadius,
                         BoltRadius, Radius, 0, false);
    part.Revolve();
}
