// The V-prism clamp: record, plan view, section, sheet, part, and three clamps placed about a
// round part.

#include "Clamper.h"

#include <cmath>
#include <numbers>

#include "ContDrawing.h"
#include "Dictionary.h"
#include "GImage.h"
#include "KmfData.h"

namespace {

constexpr Real DegToRad = std::numbers::pi / 180.0;
// The clamping arc stops this far from the round part's surface.
constexpr Real Clearance = 1.0;
// The part's sketches: the plan cut reaches past the strip on both sides; the slot is cut
// down through the horizontal leg, which the XOZ sketch lays at heights -9.6 to -6.3.
constexpr Real PlanCutDepth = 10.0;
constexpr Real PlanCutSquare = 100.0;
constexpr Real SlotPlane = -3.3;
constexpr Real SlotDepth = 6.3;

} // namespace

TClamper::TClamper(TDcDetail iId, TModeler3D* M) : TDetail(iId, M, nullptr, 0, nullptr) {}

Real TClamper::h() const
{
    return RA - std::sqrt(std::abs(RA * RA - (c16 / 2) * (c16 / 2)));
}

Real TClamper::s() const
{
    return std::sqrt(std::abs(cr4p5 * cr4p5 - (cr4p5 - c3p3) * (cr4p5 - c3p3)));
}

void TClamper::Show(TGImage& Image, const TColor& Color) const
{
    if (Design) Image.drColorStyle(Color, TPenStyles(1));
}

void TClamper::drPryzymPlan(Real const& mx, Real const& my, Real const& ma, Real const& ms, Integer tl,
                            Boolean isSize) const
{
    if (!ComponentExists(Id)) return;
    drMtr(mx, my, ma, ms);
    const Real w = c16 / 2, front = c9 + h(), back = -d(), A = a(), S = s(), X0 = x0();
    TContDrawing C(M2());
    if (tl != 1) {
        C.Make(back, w, dP(front, w, dA(c9 + RA, 0, RA, front, -w, dP(back, -w, dP(back, w, nullptr)))));
        C.dr2D(1);
    }
    if (tl != 2) {
        C.Make(A, -cr4p5,
               dP(0, -cr4p5, dA(0, 0, cr4p5, 0, cr4p5, dP(A, cr4p5, dA(A, 0, cr4p5, A, -cr4p5, nullptr)))));
        C.dr2D(1);
    }
    if (tl != 1 && tl != 2) {
        drLine(X0, -S, X0, S, 1);
        drLine(X0, -S, X0, -w, 4);
        drLine(X0, S, X0, w, 4);
        drLine(0, w, 0, -w, 3);
        drLine(back - 2, 0, c9 + 2, 0, 3);
        drLine(A, -cr4p5 - 2, A, cr4p5 + 2, 3);
    }
    if (isSize) {
        M2->drDimVL(c9, -20, 2, A, c9 / 2, A, -c9 / 2, "", "", "");
        M2->drDimVL(c16, -35, 2, A, w, A, -w, "", "", "");
        M2->drDimHL(c9, w + 10, 2, 0, 0, c9, 0, "", "", "");
        M2->drDimHL(c17, w + 22, 2, back, 0, c9, 0, "", "", "");
        M2->drDimHL(c17 + h(), -15, 2, back, -w, front, -w, "", "", "");
    }
    drDeleteMtr();
}

void TClamper::Section(Integer tl, Real mirror) const
{
    const Real top = c6p3 + c3p3, front = mirror * (c9 + h()), back = -mirror * d(), X0 = mirror * x0();
    TContDrawing C(M2());
    C.Make(X0, 0,
           dP(back, 0,
              dCLL(back, top, front, top, cr6p3,
                   dP(front, c6p3, dCLL(X0, c6p3, X0, 0, cr6p3 - c3p3, nullptr)))));
    C.dr2D(tl);
    if (tl == 0) return;
    const Real slotEnd = mirror * cr4p5, arcLine = mirror * c9;
    drLine(back, c3p3, X0, c3p3, tl);
    drLine(slotEnd, c6p3, slotEnd, top, 1);
    drLine(arcLine, c6p3, arcLine, top, tl);
    M2->drHatch(0, 45.0, 3.0);
    drRectAngle(back, 0, X0, c3p3, tl);
    drRectAngle(slotEnd, c6p3, arcLine, top, tl);
    M2->drEndObj();
}

void TClamper::drPryzymRozr(Real const& mx, Real const& my, Real const& ma, Real const& ms, Integer tl,
                            Boolean isSize) const
{
    if (!ComponentExists(Id)) return;
    drMtr(mx, my, ma, ms);
    Section(tl, 1.0);
    if (tl == 0) drLine(c9 + RA, 0, c9 + RA, 10, 3);
    if (isSize) {
        const Real front = c9 + h(), X0 = x0();
        M2->drDimVL(c6p3, 10, 2, X0, 0, front, c6p3, "", "", "");
        M2->drDimVL(c6p3 + c3p3, 22, 2, X0, 0, front, c6p3 + c3p3, "", "", "");
        M2->drDimHL(c3p3, -10, 2, -d(), 0, X0, 0, "", "", "");
    }
    drDeleteMtr();
}

void TClamper::drPryzymRozrPrav(Real const& mx, Real const& my, Real const& ma, Real const& ms, Boolean) const
{
    if (!ComponentExists(Id)) return;
    drMtr(mx, my, ma, ms);
    Section(1, -1.0);
    drDeleteMtr();
}

void TClamper::dr2D() const
{
    const TSheetBracket sheet(M2(), Id, 40.0, 0.0);
    if (!sheet) return;
    // The plan shows the outline its dimensions measure, with the slot and the bend.
    drPryzymPlan(0, -50, 0, 1, 0, true);
    drPryzymRozr(0, 0, 0, 1, 1, true);
}

void TClamper::dr3D(const Integer) const
{
    const TPartBracket part(M2(), Id, {}, tvapi::o3d_planeXOZ, TPartBracket::Plain);
    if (!part) return;
    drPryzymRozr(0, 0, 0, 1, 0, false);
    drBaseExtrusion(tvapi::dtBoth, tvapi::etBlind, c16 / 2, 0.0);
    drPlaneEskis(tvapi::o3d_planeXOY, 0.0, 0.0, "");
    drRectAngle(-PlanCutSquare, -PlanCutSquare, PlanCutSquare, PlanCutSquare, 1);
    drPryzymPlan(0, 0, 0, 1, 2, false);
    drCutExtrusion(tvapi::dtBoth, tvapi::etBlind, PlanCutDepth, 0.0);
    drPlaneEskis(tvapi::o3d_planeXOY, SlotPlane, 0.0, "");
    drPryzymPlan(0, 0, 0, 1, 1, false);
    drCutExtrusion(tvapi::dtReverse, tvapi::etBlind, SlotDepth, 0.0);
    M2->drSet(::DC(""), ::DC("FZM"), ::DC("FZM(SM-06020)"), 25);
}

void TClamper::Add(Real const& x, Real const& y, Real const& ZHigh, Real const& R, Boolean Reverese,
                   Boolean U) const
{
    if (!U || !ComponentExists(Id)) return;
    const Real dist = R + Clearance + c9;
    const Real turn = Reverese ? -90.0 : 90.0;
    const Real first = x >= 0 ? 0.0 : 180.0;
    for (Integer i = 0; i < 3; ++i) {
        const Real A = (first + 120.0 * i) * DegToRad, B = A + turn * DegToRad;
        M2->AddDetailAxle(x - std::cos(A) * dist, y - std::sin(A) * dist, ZHigh, Id, 0, std::cos(A),
                          std::sin(A), 0, std::cos(B), std::sin(B), 0);
    }
}

void TClamper::toStream(TKmfData& S) const
{
    WriteHead(S, *this);
}

void TClamper::fromStream(TKmfData& S)
{
    TRecordReader r(S);
    r(Design)(Code);
    r.Commit();
}
