// The sprue bushing: its section (the nozzle's spherical seat, the conical channel widening
// towards the parting plane, the shank and the collar), its sheet and its revolved part.

#include "MathDetail2.h"

#include <algorithm>
#include <cmath>

#include "ContDrawing.h"
#include "Mathemat.h"
#include "TDemStr.h"

namespace {

// The shank grows with the channel at 3 degrees whatever the channel's own angle.
constexpr Real Tan3 = 0.05240777928304121;
constexpr Real MinShank = 8.0;
// Wall left round the channel at the parting-plane end.
constexpr Real ExitWall = 2.1;
constexpr Real ExitFillet = 2.0;
constexpr Real CollarFillet = 3.0;
constexpr double ChannelAngle = 3.0;

// The sizes every drawing of the bushing starts from (radii, x along the axis).
struct TSprue {
    Real Rs;   // shank
    Real h0;   // seat centre above the orifice's plane
    Real Rtop; // seat at the top face
    Real Rch;  // channel at the parting-plane end

    TSprue(Real SR, Real t, Real L, Real S, Real A)
    {
        Rs = TInjectPlug::ShankRadius(t, L, S);
        // Magnitudes keep the seat defined when its sizes do not fit; the outline is then
        // meaningless but nothing fails.
        h0 = std::sqrt(std::abs(SR * SR - t * t));
        Rtop = std::sqrt(std::abs(SR * SR - (h0 - S) * (h0 - S)));
        Rch = std::min(t + (L - S) * std::tan(A / 2 * TMathDef::DEGRAD), Rs - ExitWall);
    }
};

} // namespace

Real TInjectPlug::ShankRadius(Real r57, Real x70, Real x71)
{
    return std::max(MinShank, r57 + 2.0 + (x70 - x71) * Tan3);
}

void TInjectPlug::dr2D_V1(double mx, double my, double ma, double mm, double r73, double r57, double r56,
                          double r5, double x69, double x70, double x3, double x71, int tl, bool isSize,
                          double A) const
{
    const Real SR = r73, t = r57, Rc = r56, Rf = r5, F = x69, L = x70, H = x3, S = x71;
    // The channel's cone needs an opening angle: its sizes divide by sin(A/2).
    if (AbsZn(L) == 0 || !(A > 0)) return;
    const TSprue s(SR, t, L, S, A);
    const Real xc = s.h0 - S; // the seat's centre on the axis
    drMtr(mx + L - F, my, ma, mm);
    drLine(-2 - L, 0, 2, 0, 3);
    TContDrawing C(M2());
    C.Make(0, s.Rtop,
           dA(xc, 0, SR, -S, t,
              dCLL(-L, s.Rch, -L, s.Rs, ExitFillet,
                   dPx(-L, s.Rs,
                       dCLL(F - L, s.Rs, F - L, Rc, CollarFillet,
                            dP(F - L + H, Rc, dP(F - L + H, Rf, dP(0, Rf, dPx(0, s.Rtop, nullptr)))))))));
    C.ContBlockClear(tl);
    const int halves = tl / 10, style = tl % 10;
    if (halves == 1) {
        C.dr2D(style);
    } else if (halves == 2) {
        C.dr2DMY(style);
    } else {
        C.dr2D(style);
        if (tl != 0) {
            C.dr2DMY(style);
            M2->drHatch(0, 45.0, 3.0);
            C.dr2D(0);
            C.dr2DMY(0);
            M2->drEndObj();
            // The seat's surface seen through the orifice.
            drArc(xc, 0, SR, -S, t, -S, -t, 1, style);
        }
    }
    if (isSize) {
        TModeler3D& m = M2();
        m.drDimHL(S, -32, 1, -S, 0, 0, -Rf, "", "H14", "");
        m.drDimHL(L, -44, 1, -L, -s.Rs, 0, -Rf, "", "h8", "");
        m.drDimHL(F, 22, 1, -L, s.Rs, F - L, Rc, "", "f9", "");
        RoughMark(m, -L, Rc + 4, 180, "0,2");
        m.drDimHL(H, 45, 1, F - L + H, Rc, F - L, Rc, "", "h6", "");
        RoughMark(m, F - L, Rc + 28, 180, "1,6");
        RoughMark(m, F - L + H, Rc + 40, 0, "1,6");
        m.drDimVL2(2 * t, 32, TMathDef::Round(Rf - t) + 1, -S, -t, -S, t, "&02", "H11", "");
        m.drDimVL2(2 * Rf, 44, 1, 0, -Rf, 0, Rf, "&02", "f9", "");
        m.drDimVL2(2 * s.Rs, -30, TMathDef::Round(Rc - s.Rs) + 10, -L, -s.Rs, -L, s.Rs, "&02", "n6", "");
        m.drDimVL2(2 * Rc, -42 - F, 1, F - L, -Rc, F - L, Rc, "&02", "h14", "");
        RoughMark(m, -33 - L, Rc, 90, "6,3");
        m.drDimRpp(SR, 1, -S, t, 10, Rf + 15, 1, "R", "", "&03~0,2 сфера");
        RoughMark(m, 10, Rf + 15, AngleLine(-S, t, 10, Rf + 15) + 90, "0,2");
        m.drDimRpp(ExitFillet, 1, 0.5 - L, -(L - F) * std::sin(A * TMathDef::DEGRAD) - t - 0.5, 10 - L,
                   -10 - Rc, 1, "R", "", "");
        m.drDimRpp(CollarFillet, -1, F - L - 1, s.Rs + 1, F - L - 2, Rc + 2, 1, "R", "", "*");
        // The cone's included angle about its apex on the axis; the measured points lie at the
        // orifice edge's distance from the apex.
        const Real half = A / 2 * TMathDef::DEGRAD, apex = t / std::sin(half);
        m.drDimApc(A, A / 2 + 180, apex + L + 18, apex, "", t / std::tan(half) - S, 0);
    }
    drDeleteMtr();
}

void TInjectPlug::dr2D() const
{
    const TSheetBracket sheet(M2(), Id, Len, -TMathDef::Round(CollarRadius + 20), TDemStr[6], TDemStr[3],
                              TDemStr[36], TDemStr[37]);
    if (!sheet) return;
    dr2D_V1(0, 0, 0, 1.0, SphereRadius, TPARadius, CollarRadius, BFitRadius, FitLen, Len, CollarHeight,
            SphereLen, 1, true, ChannelAngle);
}

void TInjectPlug::dr3D(const Integer) const
{
    const TPartBracket part(M2(), Id, {2 * CollarRadius, Len});
    if (!part) return;
    dr2D_V1(0, 0, 0, 1.0, SphereRadius, TPARadius, CollarRadius, BFitRadius, FitLen, Len, CollarHeight,
            SphereLen, 0, false, ChannelAngle);
    part.Revolve();
}
