#pragma once
// The stand-in's search of a 2D document for the object at a point: the distance from a point
// to what an object draws, the nearest object of a container, a point that picks an object,
// and the way between sheet and view coordinates.

#include <string>

#include "HostPoint2.h"

namespace tvhost {

class TContainerCore;
class TDrawing2D;
class TDrawingCore;
class THostView;

// Sheet point P in the coordinates of `view` (origin, angle, scale), and back.
TPoint2 SheetToView(const THostView& view, TPoint2 p);
TPoint2 ViewToSheet(const THostView& view, TPoint2 p);
// The view holding `object` (through its macro objects); null for one that has no view.
const THostView* ViewOf(const TDrawingCore& object);

// The lines a line dimension draws: two extension lines P1-Q1 and P2-Q2, the dimension line
// Q1-Q2, and the point it was placed through.
struct TLinearLines {
    TPoint2 P1, Q1, P2, Q2, Through;
};
TLinearLines LinearLines(TDrawingCore& object);

// Distance from P (in the object's view coordinates) to the lines the object draws: segments,
// arcs, circles, points, texts (their anchor), dimensions (extension and dimension lines)
// and macro objects (their nearest element). A negative result: the kind is not searched.
double DistanceTo(TDrawingCore& object, TPoint2 p);
// The element of `container` nearest to P within `tolerance` (the first made on a tie); null
// when none is that near.
TDrawingCore* Nearest(const TContainerCore& container, TPoint2 p, double tolerance);
// The object drawn nearest to sheet point P over every view of the drawing.
TDrawingCore* FindAt(TDrawing2D& drawing, TPoint2 p, double tolerance);
// A sheet point on what `object` draws, at which the search finds it; false for a kind the
// search does not find.
bool PickPoint(TDrawingCore& object, TPoint2& sheet);
// The first element, depth first, whose "Name" parameter is `name`; null when none.
TDrawingCore* FindNamed(TDrawing2D& drawing, const std::wstring& name);

} // namespace tvhost
