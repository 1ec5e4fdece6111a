#pragma once
// Extrusions, rotations and sweeps of a sketch's profile, solid or surface, as features of a
// part's list (HostFeatures.h). A feature's kind says what it does: a cut kind cuts, a
// surface kind adds a surface, a boss kind fuses (a sweep does what its operation result
// says). The profile is the sketch's (HostProfile.h): open, crossing or empty profiles, a
// rotation without an axis or about an axis through the profile, and an up-to end without
// its object fail the feature with their reason.

#include <memory>

#include "HostFeatures.h"

namespace tvhost {

// A new feature of `kind` appended to `list`; the kind is not checked here.
tvapi::IExtrusionPtr NewExtrusion(tvapi::tvObj3dTypeEnum kind, const std::shared_ptr<TFeatureList>& list);
tvapi::IRotatedPtr NewRotated(tvapi::tvObj3dTypeEnum kind, const std::shared_ptr<TFeatureList>& list);
tvapi::IEvolutionPtr NewEvolution(tvapi::tvObj3dTypeEnum kind, const std::shared_ptr<TFeatureList>& list);
// A new Boolean appended to `list` (HostFeatureCollections.cpp).
tvapi::IBooleanPtr NewBoolean(const std::shared_ptr<TFeatureList>& list);

} // namespace tvhost
