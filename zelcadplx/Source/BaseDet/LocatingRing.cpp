// The locating ring and the plate of the same outline that carries the column tails: the
// section with its bolt holes, the plan views, the sketch contours of their parts, and the two
// sheets and two parts.

#include "MathDetail2.h"

#include <cmath>

#include "ContDrawing.h"
#include "Mathemat.h"
#include "TDemStr.h"
#include "THole3DParam.h"

namespace {

// The plate's nozzle-side edge is chamfered at 30 degrees, 3 along the axis and sqrt 3 across.
constexpr Real Sqrt3 = 1.7320508075688772;
// The section's nozzle-side chamfer: 2 along the axis, just under 1 across.
constexpr Real RingChamfer = 2.0;
constexpr Real RingChamferRise = 0.9999999999999999;
constexpr Real SpigotFillet = 0.5;
constexpr Real EdgeChamfer = 0.5;
// Holes are drawn with a clearance of 0.5 on the radius of the bolt or column they take.
constexpr Real Clearance = 0.5;
// Both halves of a hole cut from the section.
constexpr int BothCuts = THole3DParam::UpCut | THole3DParam::DnCut;

TPoint2D Polar(Real r, Real degrees)
{
    const Real a = degrees * TMathDef::DEGRAD;
    return TPoint2D(r * std::cos(a), r * std::sin(a));
}

// The column tails a plate carries; null when the companion is none or not a column tail.
const TColumnTail* Tails(const TDetail& D)
{
    return dynamic_cast<const TColumnTail*>(D.Complement);
}

} // namespace

void TLocatingRing::dr2D_LocatingRing_V1(const double& mx, const double& my, const double& ma,
                                         const double& mm, const double& RBase, const double& RTpa,
                                         const double& iR, const double& t, const double& a, const double& sh,
                                         const double& T, const double& r10, const double& r52,
                                         const double& r53, const double&, const double& x66, int tl,
                                         bool isSize) const
{
    const Real B = RBase, R = RTpa, Ri = iR;
    const bool spigot = AbsZn(B - R) != 0 && AbsZn(sh) != 0;
    THole3DParam H(M2());
    TContDrawing C(M2());
    drMtr(mx, my, ma, mm);
    drLine(-3, 0, T + 3, 0, 3);
    C.Make(0, Ri,
           dPx(0, Ri,
               dPx(t, Ri,
                   dPx(T, Ri + (T - t) / std::tan(a * TMathDef::DEGRAD),
                       dP(T, R - RingChamferRise,
                          dP(T - RingChamfer, R,
                             dMacroIf(spigot, dP(sh, R, dCLL(sh, B, 0, B, SpigotFillet, nullptr)),
                                      dFsk(0, B, 0, Ri, EdgeChamfer, nullptr))))))));
    C.drContBlock(tl, false, false, false);
    // The bolt holes start at the spigot's step when the bolt circle lies outside the spigot.
    const Real hd = AbsZn(B - R) != 0 ? sh : 0.0, z = T - (B < r10 ? sh : 0.0) - x66;
    const auto hatchHalf = [&](Real y, bool mirrored) {
        H.drHole(BothCuts, hd, y, 0, 0, 0, 0, z, r52, 0, x66, r53, 0, 0, 0, 0);
        M2->drHatch(0, 45.0, 3.0);
        mirrored ? C.dr2DMY(0) : C.dr2D(0);
        H.cHole(BothCuts, hd, y, 0, 0, 0, 0, z, r52, 0, x66, r53, 0, 0, 0, 0);
        M2->drEndObj();
    };
    const int halves = tl / 10;
    if (halves == 1 || halves == 3) hatchHalf(r10, false);
    if (halves == 2 || halves == 3) hatchHalf(-r10, true);
    if (isSize) {
        TModeler3D& m = M2();
        m.drDimHL(1, -15, 1, 0, 1 - R, 1, -R, "", "", "&04~45&01");
        m.drDimHL(2, -18, 1, T, 2 - R, T - 2, -R, "", "", "&03~0,2");
        m.drDimHL(x66, R + 17 - r10 - r53, -1, T - x66, r10 + r53, T, R, "", "H14", "");
        m.drDimHL(T, R + 32 - r10 - r53, -1, 0, R - 2, T, R - 2, "", "h14", "");
        if (AbsZn(Ri) != 0) m.drDimVL1(2 * Ri, -6, 1, 0, Ri, 0, 0, "&02", "H14", "");
        const TString holes = TString(ClampedCount(CountFix)) + " отв.";
        m.drDimVL(2 * r52, -30, 1, 0, r10 - r52, 0, r52 + r10, "&02", "H14", holes);
        m.drDimVL(2 * R, 41, 1, 2, R, 2, -R, "&02", "f7", "");
        m.drDimVL(2 * r53, 12, 1, T, r10 - r53, T, r53 + r10, "&02", "H14", "");
        m.drDimApc(-30, 0, 15, 0, "", T - 2, -R);
        if (AbsZn(t) != 0) m.drDimApc(-a, 0, 30, 0, "", t, Ri);
        RoughMark(m, -20, R, 90, "0,8");
        RoughMark(m, T + 15, R, 90, "0,8");
        RoughMark(m, 0, -R / 2, 180, "0,8");
        RoughMark(m, T, -R / 2, 0, "1,6");
        RoughMark(m, T - x66, R + 17, 0, "1,6");
    }
    drDeleteMtr();
}

void TLocatingRing::dr2D_V2(const double& mx, const double& my, const double& ma, const double& mm, int Det,
                            int tl, bool isSize) const
{
    const TColumnTail* tails = Tails(*this);
    if (!tails) return;
    const Real R = Radius, Ri = Det == Id ? InRadius : 0.0, Rc = tails->Radius + Clearance;
    drMtr(mx, my, ma, mm);
    for (const Real r : {R, R - Sqrt3, Ri})
        drCircle(0, 0, r, tl);
    drCircle(0, 0, FixRadius, 3);
    drLine(0, R + 2, 0, -2 - R, 3);
    drLine(-2 - R, 0, R + 2, 0, 3);
    for (Integer i = 0; i < ClampedCount(CountFix); ++i) {
        const TPoint2D p = Polar(FixRadius, FixAngle[i]);
        drCircle(p.x, p.y, FixBoltHeadRadius, 4);
        drCircle(p.x, p.y, FixBoltRadius + Clearance, tl);
    }
    const bool pins = AbsZn(BaseThickness) == 0;
    if (pins) {
        for (const Real angle : {PinAngle, PinAngle + 180}) {
            const TPoint2D p = Polar(FixRadius, angle);
            drCircle(p.x, p.y, PinRadius, tl);
        }
        const TPoint2D p1 = Polar(R + 2, PinAngle), p2 = Polar(R + 2, PinAngle + 180);
        drLine(p1.x, p1.y, p2.x, p2.y, 3);
    }
    TModeler3D& m = M2();
    const Integer reach = Integer(R + 10 - tails->PlaceRadius);
    if (Ri == 0) {
        for (int j = 1; j <= 4; ++j) {
            const TPoint2D q = Polar(tails->PlaceRadius, tails->Angle[j]);
            drCircle(q.x, q.y, Rc, tl);
            if (!isSize) continue;
            const Real up = MaxDivisible(tails->Angle[j], 90.0);
            m.drDimApc(tails->Angle[j] - up, up, R + 10, tails->PlaceRadius, "", 0, 0);
        }
        drCircle(0, 0, tails->PlaceRadius, 3);
        if (isSize) {
            const TPoint2D q = Polar(tails->PlaceRadius, tails->Angle[4]);
            m.drDimD(2 * tails->PlaceRadius, "", 250, reach, -1, 0, 0, 1, "&02", "", "&03~0,1");
            m.drDimD(2 * Rc, "", tails->Angle[4] + 10, reach, 1, q.x, q.y, 1, "&02", "H14", "");
        }
    }
    if (isSize) {
        if (pins) {
            if (PinAngle != tails->Angle[1]) m.drDimApc(-PinAngle, 0, R + 10, FixRadius, "", 0, 0);
            const TPoint2D p = Polar(FixRadius, PinAngle + 180);
            m.drDimD(2 * PinRadius, "", -90, Integer(R - FixRadius + 20), -1, p.x, p.y, 2, "&02", "H7", "");
            RoughMark(m, p.x, p.y - 20 - R + FixRadius, -90, "0,8");
        }
        // Pins locate the ring to a hundredth; bolts alone to a tenth.
        m.drDimD(2 * FixRadius, "", 80, Integer(R - FixRadius + 10), 1, 0, 0, 1, "&02", "",
                 pins ? "&03~0,01" : "&03~0,1");
    }
    drDeleteMtr();
}

void TLocatingRing::dr2D_Vo(const double& mx, const double& my, const double& ma, const double& ms, int Det,
                            int nCont) const
{
    const TColumnTail* tails = Tails(*this);
    if (nCont == 2 && !tails) return;
    const Real R = Radius, T = Thickness, Ri = Det == Id ? InRadius : 0.0;
    drMtr(mx, my, ma, ms);
    const auto bolts = [&](Real r) {
        for (Integer i = 0; i < ClampedCount(CountFix); ++i) {
            const TPoint2D p = Polar(FixRadius, FixAngle[i]);
            drCircle(p.x, p.y, r, 1);
        }
    };
    switch (nCont) {
    case 1: {
        TContDrawing C(M2());
        C.Make(0, Ri, dFsk(0, R, T - 3, R, 2.0, dP(T, R - Sqrt3, dP(T, Ri, dP(0, Ri, nullptr)))));
        C.dr2D(1);
        drLine(-2, 0, T + 2, 0, 3);
        break;
    }
    case 2:
        bolts(FixBoltRadius + Clearance);
        if (AbsZn(BaseThickness) == 0)
            for (const Real angle : {PinAngle, PinAngle + 180}) {
                const TPoint2D p = Polar(FixRadius, angle);
                drCircle(p.x, p.y, PinRadius, 1);
            }
        if (Ri == 0)
            for (int j = 1; j <= 4; ++j) {
                const TPoint2D q = Polar(tails->PlaceRadius, tails->Angle[j]);
                drCircle(q.x, q.y, tails->Radius + Clearance, 1);
            }
        break;
    case 3:
        bolts(FixBoltHeadRadius);
        break;
    default:
        break;
    }
    drDeleteMtr();
}

// ---- Sheets and parts -----------------------------------------------------------------------

namespace {

// The bore flares at 45 degrees behind a spigot and runs straight through a plain ring.
Real BoreFlare(const TLocatingRing& L)
{
    static constexpr Real Flare[] = {90.0, 45.0};
    return Flare[AbsZn(L.BaseRadius - L.Radius)];
}

} // namespace

void TLocatingRing::dr2D() const
{
    const bool spigot = AbsZn(BaseRadius - Radius) != 0;
    const TDcDetail details[] = {Id, Id2};
    for (const TDcDetail d : details) {
        const TSheetBracket sheet(M2(), d, Thickness, -Radius, TDemStr[29],
                                  d == Id ? TDemStr[34] : TDemStr[0]);
        if (!sheet) continue;
        // The sheets draw the spigot 1 shorter and keep the ring's bore straight for its first 1;
        // the plate has no bore, as its part.
        const bool bore = d == Id;
        dr2D_LocatingRing_V1(0, 0, 0, 1.0, BaseRadius, Radius, bore ? InRadius : 0.0,
                             bore && spigot ? 1.0 : 0.0, bore ? BoreFlare(*this) : 90.0, BaseThickness - 1,
                             Thickness, FixRadius, FixBoltRadius + Clearance, FixBoltHeadRadius, PinRadius,
                             FixBoltHeadLen, 31, true);
        dr2D_V2(Radius + 55 + Thickness, 0, 0, 1.0, d, 1, true);
    }
}

void TLocatingRing::dr3D(const Integer) const
{
    // Through holes and counterbores are cut from the nozzle-side face, which the revolve puts
    // on the plane Thickness below XOY, into the part.
    const auto holes = [&](TDcDetail d) {
        drPlaneEskis(tvapi::o3d_planeXOY, -Thickness, 0, "");
        dr2D_Vo(0, 0, 0, 1.0, d, 2);
        drCutExtrusion(tvapi::dtNormal, tvapi::etBlind, Thickness, 0);
        drPlaneEskis(tvapi::o3d_planeXOY, -Thickness, 0, "");
        dr2D_Vo(0, 0, 0, 1.0, d, 3);
        drCutExtrusion(tvapi::dtNormal, tvapi::etBlind, FixBoltHeadLen, 0);
    };
    if (const TPartBracket part(M2(), Id, {2 * BaseRadius, Thickness}); part) {
        dr2D_LocatingRing_V1(0, 0, 0, 1.0, BaseRadius, Radius, InRadius, 0.0, BoreFlare(*this), BaseThickness,
                             Thickness, FixRadius, FixBoltRadius + Clearance, FixBoltHeadRadius, PinRadius,
                             FixBoltHeadLen, 0, false);
        part.Revolve();
        holes(Id);
    }
    if (const TPartBracket part(M2(), Id2, {2 * BaseRadius, Thickness}); part) {
        dr2D_Vo(0, 0, 0, 1.0, Id2, 1);
        part.Revolve();
        holes(Id2);
    }
}
