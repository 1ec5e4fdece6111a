#pragma once
// Finding the drawing object at a point, as the host's cursor search does: segments, arcs and
// circles by their lines, dimensions by their dimension lines, macro objects by their elements.

#include <limits>

#include "HostDrawing2D.h"
#include "HostObject.h"
#include "tvapi/TervanAPIObject.h"

namespace tvhost {

// The distance within which the search takes an object, in drawing units.
inline constexpr double FindTolerance = 1.0;

// Distance from (x, y) to what the cursor touches of `core`; infinite for an object the search
// does not take (texts, hatches, deleted objects).
double PickDistance(TDrawingCore& core, double x, double y);

// The object of `objects` nearest to (x, y) within `tolerance`; the first of equals; null
// when none is that near.
TDrawingCore* NearestObject(const tvapi::DrawingObjectList& objects, double x, double y, double tolerance);
// The same over every view of the drawing, in view order.
TDrawingCore* NearestObject(TDrawing2D& drawing, double x, double y, double tolerance);

// The search parameters a document hands out; it carries nothing the stand-in reads.
class THostFindParameters final : public THostObjectOf<tvapi::ITervanAPIObject> {};

} // namespace tvhost
