// Outline scripts: building chains, drawing them plainly or mirrored node by node.

#include "ContDrawing.h"

#include <cmath>

#include "Mathemat.h"
#include "drModeler.h"

using TNode = TContDrawing::TNode;

namespace {

TNode* Node(TContDrawing::TNodeType kind, Real x, Real y, TNode* PN)
{
    TNode* n = new TNode;
    n->NodeType = kind;
    n->X = x;
    n->Y = y;
    n->NextNode = PN;
    return n;
}

TNode* Corner(TContDrawing::TNodeType kind, Real x1, Real y1, Real x, Real y, Real r, TNode* PN)
{
    TNode* n = Node(kind, x, y, PN);
    n->X1 = x1;
    n->Y1 = y1;
    n->R = r;
    return n;
}

// PN behind the last node of P; P, or PN when P is empty.
TNode* Append(TNode* P, TNode* PN)
{
    if (P == nullptr) return PN;
    TNode* last = P;
    while (last->NextNode != nullptr)
        last = last->NextNode;
    last->NextNode = PN;
    return P;
}

} // namespace

// ---- Builders -------------------------------------------------------------------------------

TNode* dP(Real const& x, Real const& y, TNode* PN)
{
    return Node(TContDrawing::ntLine, x, y, PN);
}
TNode* dSP(Real const& x, Real const& y, TNode* PN)
{
    return Node(TContDrawing::ntSetPoint, x, y, PN);
}
TNode* dPnm(Real const& x, Real const& y, TNode* PN)
{
    return Node(TContDrawing::ntLineNM, x, y, PN);
}
TNode* dPM(Real const& x, Real const& y, TNode* PN)
{
    return Node(TContDrawing::ntMove, x, y, PN);
}
TNode* dPt0(Real const& x, Real const& y, TNode* PN)
{
    return Node(TContDrawing::ntLinet0, x, y, PN);
}
TNode* dPt1(Real const& x, Real const& y, TNode* PN)
{
    return Node(TContDrawing::ntLinet1, x, y, PN);
}
TNode* dPx(Real const& x, Real const& y, TNode* PN)
{
    return Node(TContDrawing::ntLineCx0, x, y, PN);
}
TNode* dA(Real const& xc, Real const& yc, Real const& r, Real const& x, Real const& y, TNode* PN)
{
    return Corner(TContDrawing::ntArc, xc, yc, x, y, r, PN);
}
TNode* dCLL(Real const& x1, Real const& y1, Real const& x, Real const& y, Real const& r, TNode* PN)
{
    return Corner(TContDrawing::ntCLL, x1, y1, x, y, r, PN);
}
TNode* dFsk(Real const& x1, Real const& y1, Real const& x, Real const& y, Real const& r, TNode* PN)
{
    return Corner(TContDrawing::ntFaska, x1, y1, x, y, r, PN);
}
TNode* dCVR(Real const& x1, Real const& y1, Real const& x2, Real const& y2, Real const& x, Real const& y,
            Real const& r, TNode* PN)
{
    TNode* n = Corner(TContDrawing::ntCVR, x1, y1, x, y, r, PN);
    n->X2 = x2;
    n->Y2 = y2;
    return n;
}
TNode* dTL(unsigned tl, TNode* PN)
{
    TNode* n = Node(TContDrawing::ntTL, 0, 0, PN);
    n->R = tl % 10;
    return n;
}
TNode* dAC(bool AC, TNode* PN)
{
    TNode* n = Node(TContDrawing::ntAC, 0, 0, PN);
    n->R = AC ? 1 : 0;
    return n;
}

TNode* dMacroIf(bool U, TNode* PU, TNode* PN)
{
    if (U) return Append(PU, PN);
    TContDrawing::Free(PU);
    return PN;
}

TNode* dMacroIfE(bool U, TNode* PU, TNode* PNU, TNode* PN)
{
    TContDrawing::Free(U ? PNU : PU);
    return Append(U ? PU : PNU, PN);
}

// ---- The script -----------------------------------------------------------------------------

TContDrawing::~TContDrawing()
{
    Free();
    if (M.Owner) delete M.Ptr;
}

void TContDrawing::Free(TNode* P)
{
    while (P != nullptr) {
        TNode* next = P->NextNode;
        delete P;
        P = next;
    }
}

void TContDrawing::Free()
{
    Free(Drawing);
    Drawing = nullptr;
}

void TContDrawing::Make(Real iSX, Real iSY, TNode* PN)
{
    Free();
    Drawing = dSP(iSX, iSY, PN);
}

void TContDrawing::Pass(Integer Te, bool mirrored) const
{
    Integer flag = Te, style = Te == 0 ? 1 : Te;
    for (TNode* n = Drawing; n != nullptr; n = n->NextNode)
        mirrored ? DrawNodeMY(n, flag, style) : DrawNode(n, flag, style);
}

void TContDrawing::dr2D(Integer Te) const
{
    Pass(Te, false);
}

void TContDrawing::dr2DMY(Integer Te) const
{
    Pass(Te, true);
}

void TContDrawing::drContBlock(Integer const tl, Boolean, Boolean, Boolean NoDraw)
{
    if (Drawing == nullptr || NoDraw) return;
    const Integer tens = tl / 10, units = tl - 10 * tens;
    if (tens == 2 || tens == 3) dr2DMY(units);
    if (tens != 2) dr2D(units);
}

void TContDrawing::DrawNode(TNode* PN, Integer& Te, Integer& CurrentTe) const
{
    if (PN != nullptr) Draw(*PN, Te, CurrentTe, false);
}

void TContDrawing::DrawNodeMY(TNode* PN, Integer& Te, Integer& CurrentTe) const
{
    if (PN != nullptr) Draw(*PN, Te, CurrentTe, true);
}

// The pen (SX, SY) stays unmirrored; only what reaches the modeller has its y negated, and a
// mirrored arc turns the other way.
void TContDrawing::Draw(const TNode& N, Integer Te, Integer& CurrentTe, bool mirrored) const
{
    TModeler2D& m = *M.Ptr;
    const Real k = mirrored ? -1 : 1;
    const Real sy = k * SY, y = k * N.Y, y1 = k * N.Y1, y2 = k * N.Y2;
    bool moves = true;
    switch (N.NodeType) {
    case ntSetPoint:
    case ntMove:
        break;
    case ntTL:
        CurrentTe = N.R == 0 ? 1 : static_cast<Integer>(N.R);
        moves = false;
        break;
    case ntLine:
        m.drLine(SX, sy, N.X, y, CurrentTe);
        break;
    case ntLineCx0:
        m.drLine(SX, sy, N.X, y, CurrentTe);
        if (Te != 0) m.drLine(N.X, y, N.X, 0, -CurrentTe);
        break;
    case ntLineNM:
        if (Te != 0) m.drLine(SX, sy, N.X, y, -CurrentTe);
        moves = false;
        break;
    case ntLinet0:
        if (Te == 0) m.drLine(SX, sy, N.X, y, CurrentTe);
        break;
    case ntLinet1:
        if (Te != 0) m.drLine(SX, sy, N.X, y, CurrentTe);
        break;
    case ntArc:
        m.drArc(N.X1, y1, std::fabs(N.R), SX, sy, N.X, y, mirrored ? (N.R > 0 ? -1 : 1) : Zn(N.R), CurrentTe);
        break;
    case ntCLL:
        if (N.R > std::hypot(N.X1 - SX, N.Y1 - SY) || N.R > std::hypot(N.X - N.X1, N.Y - N.Y1)) {
            m.drLine(SX, sy, N.X1, y1, CurrentTe);
            m.drLine(N.X1, y1, N.X, y, CurrentTe);
        } else {
            m.drCLL(SX, sy, N.X1, y1, N.X1, y1, N.X, y, N.R, CurrentTe);
        }
        break;
    case ntFaska:
        m.drFsk(SX, sy, N.X1, y1, N.X, y, N.R, CurrentTe);
        break;
    case ntCVR:
        m.drCVR(SX, sy, N.X1, y1, N.X2, y2, N.X, y, N.R, CurrentTe);
        break;
    case ntAC:
        moves = false;
        break;
    }
    if (moves) {
        SX = N.X;
        SY = N.Y;
    }
}
