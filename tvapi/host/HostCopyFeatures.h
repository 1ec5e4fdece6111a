#pragma once
// Copies of bodies as features of a part's list (HostFeatures.h): each body given, the part's
// own or another document's, is carried from the model's axes onto a local coordinate system
// and added as a new body. No bodies, an object that is no body of the source named, or no
// usable system fail the feature.

#include <memory>

#include "HostFeatures.h"

namespace tvhost {

// A new copy appended to `list`.
tvapi::ICopyGeometryPtr NewCopyGeometry(const std::shared_ptr<TFeatureList>& list);

} // namespace tvhost
