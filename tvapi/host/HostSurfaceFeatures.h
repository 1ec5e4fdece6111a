#pragma once
// Patch and ruled surfaces as features of a part's list (HostFeatures.h): a patch spans a
// closed chain of edges or 3D segments, a ruled surface runs between two such chains. Each
// adds a surface to the part; chains that do not join, or a patch whose chain is open, fail
// the feature.

#include <memory>

#include "HostFeatures.h"

namespace tvhost {

// A new feature appended to `list`.
tvapi::ISurfacePatchPtr NewSurfacePatch(const std::shared_ptr<TFeatureList>& list);
tvapi::IRuledSurfacePtr NewRuledSurface(const std::shared_ptr<TFeatureList>& list);

} // namespace tvhost
