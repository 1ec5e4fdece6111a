#pragma once
// Operations on a stand-in part's faces and surfaces, and billets: thickenings (a face grown
// into a new body on one side), trimmed surfaces (faces cut by planes, one side kept) and
// billets (a part file's bodies inserted, mirrored or not) are features of the part's list
// (HostFeatures.h), kept in part files; an outline curve of faces seen along a direction is
// auxiliary geometry, and a face split along it cuts the faces where the outline runs.

#include <memory>
#include <vector>

#include "HostFeatures.h"
#include "HostKernel.h"
#include "tvapi/SurfaceFeatures.h"

namespace tvhost {

// A new feature appended to `list`.
tvapi::ISurfaceThickeningPtr NewSurfaceThickening(const std::shared_ptr<TFeatureList>& list);
tvapi::ITrimmedSurfacePtr NewTrimmedSurface(const std::shared_ptr<TFeatureList>& list);
// A billet of `fileName` (read when first built), mirrored in the part's YOZ plane when `mirror`.
tvapi::IBilletObsoletePtr NewBillet(const std::shared_ptr<TFeatureList>& list, std::wstring fileName,
                                    bool mirror);
// A new, unbuilt outline curve.
tvapi::ICurveOutLinePtr NewCurveOutLine();

// The outline of a built stand-in outline curve: its curves, and the planes that cut the
// faces along them (each a face of PlaneFace); false for another object or one not built.
bool OutlineOf(const tvapi::IModelObjectPtr& object, TShape& curves, std::vector<TShape>& cuts);

// The outline of `face` seen along `view`: a cylinder's two lines where its normal is square
// to the view, a sphere's great circle square to it, as the plane through the axis or the
// centre that holds them; false for a face of another kind or a cylinder seen along its axis.
bool OutlinePlane(const TShape& face, const TXyz& view, TFrame& plane);

} // namespace tvhost
