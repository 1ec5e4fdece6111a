#pragma once
// The working records of the outer-contour walk (TContour::OutCont): points where curves meet
// with the curves through them, and the ways to leave a point. The walk goes counterclockwise
// like a hand on a wall, always leaving by the way that turns furthest right.
// Angles of ways are degrees in [0, 360) as AngleLine gives them.

#include "Contour.h"
#include "SolverInterSect.h"

class TBasePoint;
class TCurveGrid;

// The module's crossing collector, shared by every walk (one walk at a time).
extern TInterSector IS;

// One curve through a point; Typ true: the record owns the curve.
struct Prim {
    TBasePoint* P = nullptr;
    Boolean Typ = false;
    Prim* Next = nullptr;
};

// A point where curves meet, newest first.
struct ISPoint {
    Real x = 0.0, y = 0.0;
    Prim* Primitivs = nullptr;
    ISPoint* Next = nullptr;
};

// A way to leave (x, y) along PPM (owned) heading DA; ADA breaks ties of equal headings
// (0 segment, 1 / radius circle, 0.01 / radius arc), the smaller winning.
struct TDirectionMovement {
    Real DA = 0.0;
    Real ADA = 0.0;
    Real x = 0.0, y = 0.0;
    TBasePoint* PPM = nullptr;
    TDirectionMovement* Next = nullptr;
};

void AddPrimitiv(ISPoint* Pt, TBasePoint* pr);
void DelAllPrimitiv(ISPoint* Pt);
ISPoint* AddPoint(ISPoint*& PointList);
void DelAllPoint(ISPoint*& PointList);
// The first point within 1e-4 of (x, y) in both coordinates, or null.
ISPoint* FindPoint(ISPoint* PointList, const double& x, const double& y);
TDirectionMovement* AddDirectionMovement(TDirectionMovement*& DML);
void DeleteAllDirection(TDirectionMovement*& DML);
// A new point record in front of PointList at the leftmost point of the items, holding the
// items that reach it; returned.
ISPoint* LeftPoint(const TContour& Sourse, ISPoint*& PointList);
// The points where Prim meets the items of Sourse, each with those items (borrowed).
ISPoint* GetAllIntersectPoint(TBasePoint* Prim, TContour& Sourse);
// The same list, asking only the items that Grid (built over Sourse) names as near Prim.
ISPoint* GetNearIntersectPoint(TBasePoint* Prim, TContour& Sourse, const TCurveGrid& Grid);
// The ways to leave CurrentPoint along its curves, put in front of the list; false when a
// point curve sits there.
bool MakeDirectionMovement(ISPoint* CurrentPoint, TDirectionMovement*& DirectionMovementList);
// The way turning furthest right from the arrival heading CurDA: the first counterclockwise
// from the reversed heading (turned by 1e-4 radian so that going back comes last).
TDirectionMovement* GetBestDirection(const double& CurDA, TDirectionMovement* iDML);
// The first point of IPL reached along State's curve from its departure, and the piece up to
// it (new, Atr 1) in PrimM; State.DA becomes the heading on arrival. Null when none is reached.
ISPoint* GetBestPoint(TDirectionMovement& State, ISPoint* IPL, TBasePoint*& PrimM);
// TContour::OutCont's walk. Indexed, each step asks only the items near its curve (a grid);
// otherwise every item, in the same order, so both trace the same outline.
Integer OutContWalk(const TContour& Sourse, TContour* Dest, bool Indexed);
