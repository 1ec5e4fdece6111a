// THole3DParam: the hole drawn on sheets - the axial section (drHole), its outline alone as a
// hatch boundary (cHole) and the view along the axis (dr2DHole).
#include "THole3DParam.h"

#include <algorithm>
#include <cmath>
#include <initializer_list>

namespace {

constexpr double Negligible = 2e-6; // a length this small counts as none
constexpr double ThreadDepth = 1.0; // a thread's lines lie this far from the drawn surface
constexpr int MainLine = 1, ThinLine = 2, AxisLine = 3, DashedLine = 4;

bool None(double v)
{
    return std::fabs(v) <= Negligible;
}

struct TSeg {
    double x1, y1, x2, y2;
    int Style;
};

// The stations and radii of a section, as drHole and cHole see them.
struct TSection {
    double Rm, Rl, Rr, Ll, Lm, Lr;
    double X1, X2, X3, X4, X5, X6, X7;

    TSection(int Typ, double lF, double ilL, double ilR, double F1, double iL, double iR, double F2,
             double irL, double irR, double rF)
    {
        Rm = iR - ((Typ & THole3DParam::CThreaded) ? ThreadDepth : 0.0);
        Ll = ilL != 0.0 ? ilL - lF : 0.0;
        Lr = irL != 0.0 ? irL - rF : 0.0;
        Lm = iL != 0.0 ? iL - F1 - F2 : 0.0;
        // No step but a transition: the transition starts at the end face.
        Rl = !None(F1) && None(ilR) && None(Ll) ? Rm + F1 : ilR;
        Rr = !None(F2) && None(irR) && None(Lr) ? Rm + F2 : irR;
        X1 = lF;
        X2 = X1 + Ll;
        X3 = X2 + F1;
        X4 = X3 + Lm;
        X5 = X4 + F2;
        X6 = X5 + Lr;
        X7 = X6 + rF;
    }
};

} // namespace

namespace {

// The lines of a segment's upper half (UpCut) and the same mirrored below (DnCut), the
// halves in the order asked.
void Halves(const THole3DParam& H, int Typ, bool lowerFirst, std::initializer_list<TSeg> lines)
{
    const auto half = [&](double sign) {
        for (const TSeg& s : lines)
            H.drLine(s.x1, sign * s.y1, s.x2, sign * s.y2, s.Style);
    };
    const bool up = (Typ & THole3DParam::UpCut) != 0, down = (Typ & THole3DParam::DnCut) != 0;
    if (lowerFirst && down) half(-1.0);
    if (up) half(1.0);
    if (!lowerFirst && down) half(-1.0);
}

} // namespace

void THole3DParam::drHole(int Typ, const double& x, const double& y, const double& Angle, int, int,
                          const double& ilF, const double& ilL, const double& ilR, const double& iF1,
                          const double& iL, const double& iR, const double& iF2, const double& irL,
                          const double& irR, const double& irF)
{
    if (!M2) return;
    const TSection s(Typ, ilF, ilL, ilR, iF1, iL, iR, iF2, irL, irR, irF);
    drMacro2D(true);
    drMtr(x, y, Angle, 1.0);
    if (ilF != 0.0) Halves(*this, Typ, true, {{s.X1, 0, s.X1, s.Rl, 1}, {0, s.Rl + ilF, s.X1, s.Rl, 1}});
    if (s.Ll != 0.0) {
        Halves(*this, Typ, false, {{s.X1, s.Rl, s.X2, s.Rl, 1}, {s.X2, 0, s.X2, s.Rl, 1}});
        if (Typ & LThreaded) {
            const double t = ilF != 0.0 ? ThreadDepth : 0.0; // into the mouth chamfer
            Halves(*this, Typ, false,
                   {{s.X2, s.Rl + 1, s.X2, s.Rl, MainLine}, {s.X1 - t, s.Rl + 1, s.X2, s.Rl + 1, ThinLine}});
        }
    }
    if (iF1 != 0.0) Halves(*this, Typ, true, {{s.X2, s.Rl, s.X3, s.Rm, 1}, {s.X3, 0, s.X3, s.Rm, 1}});
    if (s.Lm != 0.0) {
        if (s.Rm > s.Rl)
            Halves(*this, Typ, false,
                   {{s.X2, s.Rl, s.X2, s.Rm, 1}, {s.X3, s.Rm, s.X4, s.Rm, 1}, {s.X4, 0, s.X4, s.Rm, 1}});
        else
            Halves(*this, Typ, false, {{s.X3, s.Rm, s.X4, s.Rm, 1}, {s.X4, 0, s.X4, s.Rm, 1}});
        if (Typ & CThreaded)
            Halves(*this, Typ, false,
                   {{s.X3, s.Rm + 1, s.X4, s.Rm + 1, ThinLine}, {s.X4, s.Rm + 1, s.X4, s.Rm, ThinLine}});
    }
    if (iF2 != 0.0) Halves(*this, Typ, true, {{s.X4, s.Rm, s.X5, s.Rr, 1}, {s.X4, s.Rm, s.X4, 0, 1}});
    if (s.Lr != 0.0) {
        Halves(*this, Typ, false, {{s.X5, s.Rr, s.X6, s.Rr, 1}, {s.X5, 0, s.X5, s.Rr, 1}});
        if (Typ & RThreaded) {
            const double t = irF != 0.0 ? ThreadDepth : 0.0;
            Halves(*this, Typ, false,
                   {{s.X5, s.Rr + 1, s.X6 + t, s.Rr + 1, ThinLine}, {s.X5, s.Rr + 1, s.X5, s.Rr, MainLine}});
        }
    }
    if (irF != 0.0) Halves(*this, Typ, true, {{s.X6, s.Rr, s.X7, s.Rr + irF, 1}, {s.X6, 0, s.X6, s.Rr, 1}});
    drLine(-2.0, 0.0, s.X7 + 2.0, 0.0, AxisLine); // the axis overhangs both ends
    drDeleteMtr();
    drEndMacro();
}

void THole3DParam::cHole(int Typ, const double& x, const double& y, const double& Angle, int, int,
                         const double& ilF, const double& ilL, const double& ilR, const double& iF1,
                         const double& iL, const double& iR, const double& iF2, const double& irL,
                         const double& irR, const double& irF)
{
    if (!M2) return;
    const TSection s(Typ, ilF, ilL, ilR, iF1, iL, iR, iF2, irL, irR, irF);
    drMtr(x, y, Angle, 1.0);
    lx = 500.0; // beyond any hole: the first segment drawn moves it to its start
    double c = 0.0;
    // Draws a present segment's lines and records its ends.
    const auto segment = [&](bool lowerFirst, double length, double r0, double r1,
                             std::initializer_list<TSeg> lines) {
        Halves(*this, Typ, lowerFirst, lines);
        if (lx > c) {
            lx = c;
            lr = r0;
        }
        c += length;
        rx = c;
        rr = r1;
    };
    if (ilF != 0.0) segment(true, ilF, s.Rl + ilF, s.Rl, {{0, s.Rl + ilF, ilF, s.Rl, 1}});
    if (s.Ll != 0.0) segment(true, s.Ll, s.Rl, s.Rl, {{c, s.Rl, c + s.Ll, s.Rl, 1}});
    if (iF1 != 0.0) segment(true, iF1, s.Rl, s.Rm, {{c, s.Rl, c + iF1, s.Rm, 1}});
    if (s.Lm != 0.0) {
        if (s.Ll != 0.0 && iF1 == 0.0) // the shoulder from the step down to the bore
            segment(false, s.Lm, s.Rm, s.Rm, {{c, s.Rm, c + s.Lm, s.Rm, 1}, {c, s.Rm, c, s.Rl, 1}});
        else
            segment(false, s.Lm, s.Rm, s.Rm, {{c, s.Rm, c + s.Lm, s.Rm, 1}});
    }
    if (iF2 != 0.0) segment(false, iF2, s.Rm, s.Rr, {{c, s.Rm, c + iF2, s.Rr, 1}});
    if (s.Lr != 0.0) {
        if (s.Lm != 0.0 && iF2 == 0.0)
            segment(false, s.Lr, s.Rr, s.Rr, {{c, s.Rr, c + s.Lr, s.Rr, 1}, {c, s.Rm, c, s.Rr, 1}});
        else
            segment(false, s.Lr, s.Rr, s.Rr, {{c, s.Rr, c + s.Lr, s.Rr, 1}});
    }
    if (irF != 0.0) segment(false, irF, s.Rr, s.Rr + irF, {{c, s.Rr, c + irF, s.Rr + irF, 1}});
    const int halves = Typ & (UpCut | DnCut);
    if ((halves == UpCut || halves == DnCut) && !(Typ & 8)) drLine(0.0, 0.0, c, 0.0, MainLine);
    DrawLeftRight(Typ);
    drDeleteMtr();
}

void THole3DParam::dr2DHole(int Typ, const double& x, const double& y, const double&, const double& irF,
                            const double& irL, const double& irR, const double& iF2, const double&,
                            const double& iR, const double& iF1, const double& ilL, const double& ilR,
                            const double& ilF, const TString&)
{
    if (!M2) return;
    const double Rc = std::max({ilR + ilF, iR, irR + irF}) + 3.0;
    drLine(x - Rc, y, x + Rc, y, AxisLine);
    drLine(x, y - Rc, x, y + Rc, AxisLine);
    const double Rm = iR - ((Typ & CThreaded) ? ThreadDepth : 0.0);
    const double Rl = !None(iF1) && None(ilR) && None(ilL) ? Rm : ilR;
    const double Rr = !None(iF2) && None(irR) && None(irL) ? Rm : irR;
    // The thin three-quarter circle of a thread on the circle of radius rho, open between 90
    // and 180 degrees.
    const auto thread = [&](double rho) {
        drArc(x, y, rho + ThreadDepth, x - rho, y, x, y + rho, 1, ThinLine);
    };
    if ((Typ & 1) && ilF != 0.0) drCircle(x, y, Rl + ilF, MainLine);
    if (Rl != 0.0) {
        if (Typ & LThreaded) thread(Rl);
        drCircle(x, y, Rl, MainLine);
    }
    int style = Rm > Rl && Rl != 0.0 ? DashedLine : MainLine; // hidden behind the left step
    if (Typ & CThreaded) thread(Rm);
    drCircle(x, y, Rm, style);
    const double m = std::min(Rm, Rl == 0.0 ? Rm : Rl);
    if (Rr > m) style = DashedLine;
    if (Rr != 0.0 && irL != 0.0) {
        if ((Typ & 1) || (Typ & 2)) thread(Rr);
        drCircle(x, y, Rr, style);
    }
    if (!(Typ & 1) && irF != 0.0 && irL != 0.0) drCircle(x, y, Rr + irF, style);
}
