#pragma once
// Small helpers over the drawing objects of the active document: an object's kind as the
// facade reports it, and the objects of one kind in a view.

#include <vector>

#include "tvapi/DrawingComposites.h"
#include "tvapi/DrawingObject.h"

namespace drApi {

// The kind drApi::MA reports for Obj; tvAllObj for an empty pointer.
tvapi::DrawingObjectTypeEnum GetType(tvapi::IDrawingObjectPtr Obj);
// The objects of kind T in View, in the view's order; empty when View is empty or holds no
// drawing objects.
std::vector<tvapi::IDrawingObjectPtr> GetObjects2D(tvapi::IViewPtr& View, tvapi::DrawingObjectTypeEnum T);

} // namespace drApi
