#include "OutCont.h"

#include "Arc.h"
#include "CurveGrid.h"
#include "LineSeg.h"
#include "LoadOrder.h"

#include <cmath>
#include <memory>
#include <optional>
#include <vector>

[[gnu::init_priority(loadorder::OuterContour)]] TInterSector IS;

namespace {

constexpr Real kSame = TMathDef::metricNear;  // per-coordinate coincidence of points
constexpr Real kBackTurn = 179.9942704220487; // 180 degrees less 1e-4 radian
constexpr Real kStartHeading = 270.0;         // straight down
constexpr Real kFullTurn = 360.0;
constexpr Integer kWayAtr = 15;
constexpr Integer kPieceAtr = 1;

bool Near(Real x1, Real y1, Real x2, Real y2)
{
    return std::fabs(x1 - x2) <= kSame && std::fabs(y1 - y2) <= kSame;
}

Real Norm360(Real a)
{
    a = std::fmod(a, kFullTurn);
    return a < 0.0 ? a + kFullTurn : a;
}

TDirectionMovement* AddWay(TDirectionMovement*& DML, Real px, Real py, Real DA, Real ADA, TBasePoint* C)
{
    TDirectionMovement* M = AddDirectionMovement(DML);
    M->x = px;
    M->y = py;
    M->DA = Norm360(DA);
    M->ADA = ADA;
    M->PPM = C;
    return M;
}

void SegmentWays(const TLineSeg& L, Real px, Real py, TDirectionMovement*& DML)
{
    const bool atStart = Near(px, py, L.x, L.y), atEnd = Near(px, py, L.xk, L.yk);
    auto way = [&](Real ex, Real ey) {
        auto* S = new TLineSeg(px, py, ex, ey);
        S->Atr = kWayAtr;
        AddWay(DML, px, py, AngleLine(px, py, ex, ey), 0.0, S);
    };
    if (!atEnd) way(L.xk, L.yk);
    if (!atStart) way(L.x, L.y);
}

void CircleWays(const TCircle& C, Real px, Real py, TDirectionMovement*& DML)
{
    const Real a = AngleLine(C.x, C.y, px, py);
    AddWay(DML, px, py, a + 90.0, 1.0 / C.Radius, new TCircle(C));
    AddWay(DML, px, py, a - 90.0, 1.0 / C.Radius, new TCircle(C));
}

// An arc is left along its sense towards A2 and against it towards A1; each way's curve is the
// part of the arc still ahead, running in the direction of travel.
void ArcWays(const TArc& A, Real px, Real py, TDirectionMovement*& DML)
{
    const Real a = AngleLine(A.x, A.y, px, py), s = A.sense;
    const TPoint2D P1 = A.PointTMin(), P2 = A.PointTMax();
    const Real ada = 0.01 / A.Radius, ar = a * TMathDef::DEGRAD;
    if (!Near(px, py, P2.x, P2.y)) {
        auto* F = new TArc(A.x, A.y, s * A.Radius, ar, A.A2, kWayAtr);
        AddWay(DML, px, py, a + 90.0 * s, ada, F);
    }
    if (!Near(px, py, P1.x, P1.y)) {
        auto* B = new TArc(A.x, A.y, -s * A.Radius, ar, A.A1, kWayAtr);
        AddWay(DML, px, py, a - 90.0 * s, ada, B);
    }
}

ISPoint* NearestOnSegment(const TDirectionMovement& State, const TLineSeg& C, ISPoint* IPL,
                          TBasePoint*& PrimM)
{
    const Real reach = C.GetMetricLength() + 1.0;
    ISPoint* best = nullptr;
    Real bestLen = reach;
    for (ISPoint* q = IPL; q; q = q->Next) {
        if (Near(q->x, q->y, State.x, State.y)) continue;
        const Real len = LenLine(State.x, State.y, q->x, q->y);
        if (len < bestLen) {
            bestLen = len;
            best = q;
        }
    }
    if (!best) return nullptr;
    if (Near(best->x, best->y, C.xk, C.yk)) {
        best->x = C.xk;
        best->y = C.yk;
    }
    auto* S = new TLineSeg(State.x, State.y, best->x, best->y);
    S->Atr = kPieceAtr;
    PrimM = S;
    return best;
}

// Along a circle (direction from the heading) or an arc (its own sense, its span bounding the
// way): the candidate of the smallest turn. The departure point itself counts as a full turn.
ISPoint* FirstOnCircle(TDirectionMovement& State, const TCircle& C, bool isArc, ISPoint* IPL,
                       TBasePoint*& PrimM)
{
    const Real a0 = AngleLine(C.x, C.y, State.x, State.y);
    Real s = 1.0, span = kFullTurn;
    if (isArc) {
        const auto& A = static_cast<const TArc&>(C);
        s = A.sense;
        span = std::fabs(A.A2 - A.A1) / TMathDef::DEGRAD;
    } else if (std::fabs(Norm360(State.DA - (a0 + 90.0))) > 90.0 &&
               std::fabs(Norm360(State.DA - (a0 + 90.0)) - kFullTurn) > 90.0) {
        s = -1.0;
    }
    ISPoint* best = nullptr;
    Real bestTurn = kFullTurn + 1.0;
    for (ISPoint* q = IPL; q; q = q->Next) {
        Real turn = kFullTurn;
        if (!Near(q->x, q->y, State.x, State.y)) {
            turn = Norm360((AngleLine(C.x, C.y, q->x, q->y) - a0) * s);
            if (turn <= 0.0) turn = kFullTurn;
        }
        if (turn > span + kSame || turn >= bestTurn) continue;
        bestTurn = turn;
        best = q;
    }
    if (!best) return nullptr;
    if (std::fabs(bestTurn - kFullTurn) <= kSame) {
        auto* F = new TCircle(C.x, C.y, C.Radius);
        F->Atr = kPieceAtr;
        PrimM = F;
    } else {
        const Real a1 = a0 * TMathDef::DEGRAD, a2 = (a0 + s * bestTurn) * TMathDef::DEGRAD;
        PrimM = new TArc(C.x, C.y, s * C.Radius, a1, a2, kPieceAtr);
    }
    State.DA = Norm360(a0 + s * bestTurn + 90.0 * s);
    return best;
}

} // namespace

void AddPrimitiv(ISPoint* Pt, TBasePoint* pr)
{
    Pt->Primitivs = new Prim{pr, false, Pt->Primitivs};
}

void DelAllPrimitiv(ISPoint* Pt)
{
    while (Prim* p = Pt->Primitivs) {
        Pt->Primitivs = p->Next;
        if (p->Typ) delete p->P;
        delete p;
    }
}

ISPoint* AddPoint(ISPoint*& PointList)
{
    PointList = new ISPoint{0.0, 0.0, nullptr, PointList};
    return PointList;
}

void DelAllPoint(ISPoint*& PointList)
{
    while (ISPoint* p = PointList) {
        PointList = p->Next;
        DelAllPrimitiv(p);
        delete p;
    }
}

ISPoint* FindPoint(ISPoint* PointList, const double& x, const double& y)
{
    for (ISPoint* p = PointList; p; p = p->Next)
        if (Near(p->x, p->y, x, y)) return p;
    return nullptr;
}

TDirectionMovement* AddDirectionMovement(TDirectionMovement*& DML)
{
    DML = new TDirectionMovement{0.0, 0.0, 0.0, 0.0, nullptr, DML};
    return DML;
}

void DeleteAllDirection(TDirectionMovement*& DML)
{
    while (TDirectionMovement* d = DML) {
        DML = d->Next;
        delete d->PPM;
        delete d;
    }
}

ISPoint* LeftPoint(const TContour& Sourse, ISPoint*& PointList)
{
    ISPoint* R = AddPoint(PointList);
    bool first = true;
    for (Integer i = 0; i < Sourse.Count; ++i) {
        auto* C = static_cast<TBasePoint*>(Sourse[i]);
        double x = 0.0, y = 0.0;
        C->Left(x, y);
        if (first || x < R->x) {
            if (!first && Near(x, y, R->x, R->y)) {
                AddPrimitiv(R, C);
                continue;
            }
            DelAllPrimitiv(R);
            R->x = x;
            R->y = y;
            first = false;
        } else if (!Near(x, y, R->x, R->y)) {
            continue;
        }
        AddPrimitiv(R, C);
    }
    return R;
}

namespace {

// The crossings of Prim with item i of Sourse, merged into list.
void AddCrossings(TBasePoint* Prim, TContour& Sourse, Integer i, ISPoint*& list)
{
    auto* C = static_cast<TBasePoint*>(Sourse[i]);
    // A point partner records into the second collector so as not to empty the first.
    TInterSector& second = TInterSector::Instance2();
    IS.ACrossPoint.Clear();
    second.ACrossPoint.Clear();
    const int r = C->InterSect(Prim, IS);
    if (r != 1 && r != 2) return;
    const TInterSector& found = IS.ACrossPoint.Count > 0 ? IS : second;
    for (Integer k = found.ACrossPoint.Count - 1; k >= 0; --k) {
        const TPoint2D& p = found.ACrossPoint[k].p;
        ISPoint* at = FindPoint(list, p.x, p.y);
        if (!at) {
            at = AddPoint(list);
            at->x = p.x;
            at->y = p.y;
        }
        AddPrimitiv(at, C);
    }
}

} // namespace

ISPoint* GetAllIntersectPoint(TBasePoint* Prim, TContour& Sourse)
{
    ISPoint* list = nullptr;
    for (Integer i = 0; i < Sourse.Count; ++i)
        AddCrossings(Prim, Sourse, i, list);
    IS.ACrossPoint.Clear();
    return list;
}

ISPoint* GetNearIntersectPoint(TBasePoint* Prim, TContour& Sourse, const TCurveGrid& Grid)
{
    std::vector<Integer> near;
    Grid.Candidates(*Prim, near);
    ISPoint* list = nullptr;
    for (const Integer i : near)
        AddCrossings(Prim, Sourse, i, list);
    IS.ACrossPoint.Clear();
    return list;
}

bool MakeDirectionMovement(ISPoint* CurrentPoint, TDirectionMovement*& DirectionMovementList)
{
    const Real px = CurrentPoint->x, py = CurrentPoint->y;
    for (Prim* p = CurrentPoint->Primitivs; p; p = p->Next) {
        TBasePoint* C = p->P;
        switch (C->IsType()) {
        case ctPoint:
            if (!Near(C->x, C->y, px, py)) break;
            AddWay(DirectionMovementList, px, py, 0.0, 0.0, nullptr);
            return false;
        case ctLineSeg:
            SegmentWays(*static_cast<TLineSeg*>(C), px, py, DirectionMovementList);
            break;
        case ctCircle:
            CircleWays(*static_cast<TCircle*>(C), px, py, DirectionMovementList);
            break;
        case ctArc:
            ArcWays(*static_cast<TArc*>(C), px, py, DirectionMovementList);
            break;
        default:
            break;
        }
    }
    return true;
}

TDirectionMovement* GetBestDirection(const double& CurDA, TDirectionMovement* iDML)
{
    if (!iDML || !iDML->Next) return iDML;
    const Real ref = Norm360(CurDA - kBackTurn); // keys stay within one turn for any heading
    TDirectionMovement* best = nullptr;
    Real bestKey = 0.0;
    for (TDirectionMovement* d = iDML; d; d = d->Next) {
        const Real key = d->DA < ref ? d->DA - ref + kFullTurn : d->DA - ref;
        if (!best || key < bestKey || (key == bestKey && d->ADA < best->ADA)) {
            best = d;
            bestKey = key;
        }
    }
    return best;
}

ISPoint* GetBestPoint(TDirectionMovement& State, ISPoint* IPL, TBasePoint*& PrimM)
{
    PrimM = nullptr;
    const TBasePoint* C = State.PPM;
    if (!C) return nullptr;
    switch (C->IsType()) {
    case ctLineSeg:
        return NearestOnSegment(State, *static_cast<const TLineSeg*>(C), IPL, PrimM);
    case ctCircle:
        return FirstOnCircle(State, *static_cast<const TCircle*>(C), false, IPL, PrimM);
    case ctArc:
        return FirstOnCircle(State, *static_cast<const TCircle*>(C), true, IPL, PrimM);
    default:
        return nullptr;
    }
}

Integer TContour::OutCont(TContour* Dest, TGImage*) const
{
    return OutContWalk(*this, Dest, true);
}

Integer OutContWalk(const TContour& Sourse, TContour* Dest, bool Indexed)
{
    std::unique_ptr<TContour> own;
    if (!Dest) Dest = (own = std::make_unique<TContour>()).get();
    Dest->Clear();
    if (Sourse.Count == 0) return 0;
    std::unique_ptr<TContour> W(static_cast<TContour*>(Sourse.Duplicate()));
    ISPoint* list = nullptr;
    const ISPoint* L = LeftPoint(*W, list);
    const Real sx = L->x, sy = L->y;
    DelAllPoint(list);
    auto P = std::make_unique<TBasePoint>(sx, sy);
    list = GetAllIntersectPoint(P.get(), *W);
    if (!list) return 1;
    W->Add(std::move(P));
    std::optional<TCurveGrid> grid;
    if (Indexed) grid.emplace(*W);
    ISPoint* current = list;
    Real D = kStartHeading;
    for (Integer step = 0;; ++step) {
        TDirectionMovement* ways = nullptr;
        const bool formed = MakeDirectionMovement(current, ways);
        DelAllPoint(list);
        TDirectionMovement* best = formed ? GetBestDirection(D, ways) : nullptr;
        if (!best) {
            DeleteAllDirection(ways);
            return formed ? 2 : 0;
        }
        TDirectionMovement state = *best;
        std::unique_ptr<TBasePoint> C(best->PPM);
        best->PPM = nullptr;
        state.Next = nullptr;
        DeleteAllDirection(ways);
        list = grid ? GetNearIntersectPoint(C.get(), *W, *grid) : GetAllIntersectPoint(C.get(), *W);
        TBasePoint* piece = nullptr;
        ISPoint* next = GetBestPoint(state, list, piece);
        if (!next) {
            DelAllPoint(list);
            return 3;
        }
        next->Primitivs = new Prim{C.release(), true, next->Primitivs};
        Dest->Add(std::unique_ptr<TCurve2D>(piece));
        // The heading on arrival: a circular piece ends turned from where it started.
        D = state.DA;
        const bool back = Near(next->x, next->y, sx, sy);
        if (back || step >= 2 * Sourse.Count) {
            DelAllPoint(list);
            return back ? 0 : 4;
        }
        current = next;
    }
}
