#pragma once
// TContDrawing: an outline script, a chain of nodes (move, line, arc, rounded corner, chamfer,
// line style) that draws a 2D outline through a modeller, plainly, mirrored about the X axis,
// or both. Chains are written inside out with the builders: dSP(0, 0, dP(10, 0, nullptr)).

#include "BaseTypes.h"
#include "TArray.h"

class TModeler2D;

class TContDrawing {
public:
    enum TNodeType : Integer {
        ntSetPoint = 0,
        ntTL = 1, // line style R from here on
        ntLine = 2,
        ntLineCx0 = 3, // a line, with the flag also one from its end down to the axis
        ntLineNM = 4,  // with the flag only, a thin line; the pen does not move
        ntMove = 5,
        ntLinet0 = 6, // a line without the flag, a move with it
        ntLinet1 = 7, // a line with the flag, a move without it
        ntArc = 8,    // centre (X1, Y1), radius |R|, counter-clockwise for R > 0
        ntCLL = 9,    // corner (X1, Y1) rounded by R
        ntFaska = 10, // corner (X1, Y1) chamfered by R
        ntCVR = 11,   // corners (X1, Y1) and (X2, Y2) rounded by R
        ntAC = 12,
    };

    struct TNode {
        TNodeType NodeType = ntSetPoint;
        Real X = 0, Y = 0;   // target point
        Real X1 = 0, Y1 = 0; // arc centre or corner
        Real R = 0;          // radius, chamfer, style or flag, by kind
        Real X2 = 0, Y2 = 0; // second corner
        TNode* NextNode = nullptr;
    };

    TNode* Drawing = nullptr; // the owned chain
    mutable Real SX = 0;      // the pen while a pass draws
    mutable Real SY = 0;
    TReferenceOf<TModeler2D> M;

    explicit TContDrawing(TModeler2D& iM) : M(&iM, false) {}
    // Takes the chain PN.
    TContDrawing(TModeler2D& iM, TNode* PN) : Drawing(PN), M(&iM, false) {}
    virtual ~TContDrawing();
    TContDrawing(const TContDrawing&) = delete;
    TContDrawing& operator=(const TContDrawing&) = delete;

    // Deletes the chain from P on.
    static void Free(TNode* P);
    void Free();
    // Owns the chain "set point (SX, SY), then PN" in place of the one before.
    void Make(Real iSX, Real iSY, TNode* PN);
    // One pass with the flag Te, in style Te (1 for 0); dr2DMY negates every y it draws.
    void dr2D(Integer Te) const;
    void dr2DMY(Integer Te) const;
    // tl = tens·10 + units: passes in style and flag `units`; tens 2 mirrored, 3 mirrored then
    // plain, else plain. Nothing with NoDraw; the chain stays owned either way.
    void drContBlock(Integer const tl, Boolean Free, Boolean Clear, Boolean NoDraw);
    void ContBlockClear(Integer const) {}

protected:
    void DrawNode(TNode* PN, Integer& Te, Integer& CurrentTe) const;
    void DrawNodeMY(TNode* PN, Integer& Te, Integer& CurrentTe) const;

private:
    void Pass(Integer Te, bool mirrored) const;
    void Draw(const TNode& N, Integer Te, Integer& CurrentTe, bool mirrored) const;
};

TContDrawing::TNode* dP(Real const& x, Real const& y, TContDrawing::TNode* PN);
TContDrawing::TNode* dSP(Real const& x, Real const& y, TContDrawing::TNode* PN);
TContDrawing::TNode* dPnm(Real const& x, Real const& y, TContDrawing::TNode* PN);
TContDrawing::TNode* dPM(Real const& x, Real const& y, TContDrawing::TNode* PN);
TContDrawing::TNode* dPt0(Real const& x, Real const& y, TContDrawing::TNode* PN);
TContDrawing::TNode* dPt1(Real const& x, Real const& y, TContDrawing::TNode* PN);
TContDrawing::TNode* dPx(Real const& x, Real const& y, TContDrawing::TNode* PN);
TContDrawing::TNode* dA(Real const& xc, Real const& yc, Real const& r, Real const& x, Real const& y,
                        TContDrawing::TNode* PN);
TContDrawing::TNode* dCLL(Real const& x1, Real const& y1, Real const& x, Real const& y, Real const& r,
                          TContDrawing::TNode* PN);
TContDrawing::TNode* dFsk(Real const& x1, Real const& y1, Real const& x, Real const& y, Real const& r,
                          TContDrawing::TNode* PN);
TContDrawing::TNode* dCVR(Real const& x1, Real const& y1, Real const& x2, Real const& y2, Real const& x,
                          Real const& y, Real const& r, TContDrawing::TNode* PN);
// Line style tl mod 10 from here on.
TContDrawing::TNode* dTL(unsigned tl, TContDrawing::TNode* PN);
TContDrawing::TNode* dAC(bool AC, TContDrawing::TNode* PN);
// U: PU followed by PN; otherwise PU is freed and PN stays. An empty PU gives PN.
TContDrawing::TNode* dMacroIf(bool U, TContDrawing::TNode* PU, TContDrawing::TNode* PN);
// U: PU followed by PN, PNU freed; otherwise PNU followed by PN, PU freed.
TContDrawing::TNode* dMacroIfE(bool U, TContDrawing::TNode* PU, TContDrawing::TNode* PNU,
                               TContDrawing::TNode* PN);
