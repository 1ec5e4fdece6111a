#pragma once
// A part's features in its file: each with its kind, name, whether it was updated, and its
// parameters (sketches by their index in the part). Read back, the part builds its bodies
// again from its base bodies and these features.

#include <nlohmann/json.hpp>

namespace tvhost {

class THostPart;

// The part's features in model-tree order; an empty array for none.
nlohmann::json FeaturesJson(THostPart& part);
// Adds the features to the part (after its sketches and base bodies) and builds them; throws
// std::exception for a feature it cannot read.
void LoadFeatures(THostPart& part, const nlohmann::json& features);

} // namespace tvhost
