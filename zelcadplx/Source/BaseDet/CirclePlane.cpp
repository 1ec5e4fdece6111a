// The circular plate: a disc with a threaded centre bore and four counterbored bolt holes,
// which takes its bolt circle and hole angles from its column-tail set and its bore from its
// rod. Half section, plan view, sheet and part.

#include "MathDetail2.h"

#include <cmath>

#include "ContDrawing.h"
#include "Mathemat.h"
#include "MetricFigures.h"
#include "TDemStr.h"
#include "THole3DParam.h"

namespace {

// Both walls of the stepped hole, no thread.
constexpr int HoleWalls = THole3DParam::UpCut | THole3DParam::DnCut;
// The holes stand at the tail set's angles 1 to 4; angle 0 is not read.
constexpr Integer FirstHole = 1;
constexpr Integer LastHole = 4;
// Requirement entry " 32...36 HRCэ".
constexpr Integer Hardness = 28;
const char* const PlateRoughness = "1,6";

} // namespace

const TColumnTail* TCirclePlane::Tails() const
{
    return dynamic_cast<const TColumnTail*>(Complement);
}

const TMTail* TCirclePlane::Rod() const
{
    return dynamic_cast<const TMTail*>(Complement2);
}

Real TCirclePlane::TapRadius(Real r30) const
{
    // Without a rod the thread is the coarse one.
    const TMTail* rod = Rod();
    return (rod ? TapDrill(2 * r30, rod->ThreadStep) : MetricFigures(2 * r30).TapDrill) / 2;
}

void TCirclePlane::dr2D_V1(const Real& mx, const Real& my, const Real& ma, const Real& ms, const Real& r85,
                           const Real& r78, const Real& r30, const Real& r84, const Real& r83,
                           const Real& y66, const Real& y69, int tl, bool isSize) const
{
    if (!ComponentExists(Id)) return;
    TContDrawing C(M2());
    THole3DParam H(M2());
    drMtr(mx, my, ma, ms);
    drLine(-2, 0, y66, 0, 3);
    // The centre bore is drilled at its thread's tap drill, entered through a 45-degree chamfer
    // out to the thread.
    const Real rt = TapRadius(r30), e = r30 - rt;
    C.Make(0, r85,
           dPx(0, r30,
               dTL(2, dPnm(y66, r30,
                           dTL(unsigned(tl % 10),
                               dPx(e, rt, dPx(y66, rt, dP(y66, r85, dP(0, r85, nullptr)))))))));
    // The two bolt holes at +-r78, counterbored from the left face: as a view or as hatch
    // boundary.
    const auto holes = [&](bool boundary) {
        for (const Real y : {r78, -r78}) {
            if (boundary)
                H.cHole(HoleWalls, 0.0, y, 0.0, 0, 0, 0.0, y69, r84, 0.0, y66 - y69, r83, 0.0, 0.0, 0.0, 0.0);
            else
                H.drHole(HoleWalls, 0.0, y, 0.0, 0, 0, 0.0, y69, r84, 0.0, y66 - y69, r83, 0.0, 0.0, 0.0,
                         0.0);
        }
    };
    // A tens digit of 1 or 2 asks for the section hatched whole, without holes.
    const bool whole = tl / 10 == 1 || tl / 10 == 2;
    const int flag = whole ? tl % 10 : tl;
    C.dr2D(flag);
    if (whole || tl != 0) {
        C.dr2DMY(flag);
        if (!whole) holes(false);
        M2->drHatch(0, 45.0, 5.0);
        C.dr2D(0);
        C.dr2DMY(0);
        if (!whole) holes(true);
        M2->drEndObj();
    }
    if (isSize) {
        TModeler3D& m = M2();
        m.drDimHL(y69, r85 + 10 - r78, -1, 0, r78 + r84, y69, r78 + r84, "", "H14", "");
        m.drDimHL(e, -3 - r30, 1, 0, 0, e, 0, "", "", "&04~45&01");
        m.drDimHL(y66, -15, 1, 0, -r85, y66, -r85, "", "h14", "");
        if (const TMTail* rod = Rod())
            m.drDimVL1(2 * r30, -25, -1, 2, r30, 0, 0, "М", "",
                       TString("&04~") + TString(rod->ThreadStep, 2, true, 7) + TString("-7H"));
        m.drDimVL(2 * r84, -10, -1, 0, r78 - r84, 0, r78 + r84, "&02", "H14", "");
        m.drDimVL(2 * r83, 13, 1, y66, r78 - r83, y66, r78 + r83, "&02", "h14", "4 отв");
        m.drDimVL(2 * r85, 26, 1, y66, -r85, y66, r85, "", "h14", "");
        const tvapi::tvRoughSignEnum sign = tvapi::tvRoughSignEnum(0);
        m.drRough(0, 5 - r85, 180, sign, PlateRoughness, "", "");
        m.drRough(y66, -10 - r85, 0, sign, PlateRoughness, "", "");
    }
    drDeleteMtr();
}

void TCirclePlane::dr2D_V2(const Real& mx, const Real& my, const Real& ma, const Real& ms, const Real& r85,
                           const Real& r78, const Real& r30, const Real& r84, const Real& r83, const Real&,
                           const Real&, int tl, bool isSize) const
{
    const TColumnTail* tails = Tails();
    if (!ComponentExists(Id) || !tails || !Rod()) return;
    drMtr(mx, my, ma, ms);
    drCircle(0, 0, r85, tl);
    drCircle(0, 0, TapRadius(r30), tl);
    drCircle(0, 0, r30, 2);
    for (Integer i = FirstHole; i <= LastHole; ++i) {
        const Real A = tails->Angle[i];
        const Real x = r78 * CosGrad(A), y = r78 * SinGrad(A);
        drCircle(x, y, r84, 4);
        drCircle(x, y, r83, tl);
    }
    drCircle(0, 0, r78, 3);
    drLine(-2 - r85, 0, r85 + 2, 0, 3);
    drLine(0, -2 - r85, 0, r85 + 2, 3);
    if (isSize) {
        TModeler3D& m = M2();
        // A hole on a quarter line gives the value 0, which draws nothing.
        for (Integer i = FirstHole; i <= LastHole; ++i) {
            const Real A = tails->Angle[i];
            const Real base = MaxDivisible(A, 90.0);
            m.drDimApc(A - base, base, r85 + 10, r78, "", 0, 0);
        }
        m.drDimD(2 * r78, "", 260.0, Integer(std::trunc(r85 + 10 - r78)), -1, 0, 0, 1, "&02", "", "&03~0,1");
    }
    drDeleteMtr();
}

void TCirclePlane::dr2D() const
{
    const TColumnTail* tails = Tails();
    const TMTail* rod = Rod();
    if (!tails || !rod) return;
    const TSheetBracket sheet(M2(), Id, -10.0, -Radius, TDemStr[Hardness]);
    if (!sheet) return;
    const Real r78 = tails->PlaceRadius, r30 = rod->ThreadRadius;
    dr2D_V1(2 * Radius + 35, 0, 0, 1.0, Radius, r78, r30, BoltHeadRadius, BoltRadius, Thickness, BoltHeadLen,
            1, true);
    dr2D_V2(20.0, 0, 0, 1.0, Radius, r78, r30, BoltHeadRadius, BoltRadius, Thickness, BoltHeadLen, 1, true);
}

void TCirclePlane::dr3D(const Integer) const
{
    const TColumnTail* tails = Tails();
    const TMTail* rod = Rod();
    if (!tails || !rod) return;
    const TPartBracket part(M2(), Id, {2 * Radius, Thickness});
    if (!part) return;
    THole3DParam H(M2());
    dr2D_V1(0, 0, 0, 1.0, Radius, tails->PlaceRadius, rod->ThreadRadius, BoltHeadRadius, BoltRadius,
            Thickness, BoltHeadLen, 0, false);
    part.Revolve();
    for (Integer i = FirstHole; i <= LastHole; ++i) {
        const Real A = tails->Angle[i];
        H.dr3DHole(HoleWalls, tails->PlaceRadius * CosGrad(A), tails->PlaceRadius * SinGrad(A), 0, 0, 0, 0, 0,
                   BoltHeadLen, BoltHeadRadius, 0, Thickness - BoltHeadLen, BoltRadius, 0);
    }
}
