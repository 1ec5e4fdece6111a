#pragma once
// Extrusions, rotations and sweeps of a sketch's profile, solid or surface, as features of a
// part's list (HostFeatures.h). A feature's kind says what it does: a cut kind cuts, a
// surface kind adds a surface, a boss kind fuses (a sweep does what its operation result
// says). The profile is the sketch's (HostProfile.h): open, crossing or empty profiles, a
// rotation without an axis or about an axis through the profile, and an up-to end without
// its object fail the feature with their reason.

#include <array>
#include <memory>

#include "HostFeatures.h"

namespace tvhost {

// A new feature of `kind` appended to `list`; the kind is not checked here.
tvapi::IExtrusionPtr NewExtrusion(tvapi::tvObj3dTypeEnum kind, const std::shared_ptr<TFeatureList>& list);
tvapi::IRotatedPtr NewRotated(tvapi::tvObj3dTypeEnum kind, const std::shared_ptr<TFeatureList>& list);
tvapi::IEvolutionPtr NewEvolution(tvapi::tvObj3dTypeEnum kind, const std::shared_ptr<TFeatureList>& list);
// One side of a stand-in extrusion as its generated dimension sees it: the sketch and its
// frame, where the side starts and ends along the frame's Z (From < To), and the profile's
// first straight segment (u0, v0, u1, v1) when it has one.
struct TExtrusionSide {
    tvapi::IModelObjectPtr Sketch;
    TFrame Frame;
    double From = 0;
    double To = 0;
    bool HasSegment = false;
    std::array<double, 4> Segment{};
};
// Side 0 (forward) or 1 (reverse) of the extrusion `feature`; false for another object, a
// side its direction does not use, or one that goes no set depth (up to an object, through
// all, zero).
bool ExtrusionSideOf(const tvapi::IModelObjectPtr& feature, int side, TExtrusionSide& out);

// A new Boolean appended to `list` (HostFeatureCollections.cpp).
tvapi::IBooleanPtr NewBoolean(const std::shared_ptr<TFeatureList>& list);

} // namespace tvhost
