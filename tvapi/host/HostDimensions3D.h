#pragma once
// The 3D dimensions of a stand-in part in its document file: each with its kind, name, the
// two objects it joins (by where they are, HostMateFile.h), the length measured last, its
// flags and its texts. Read back, a dimension keeps its saved length and texts; objects that
// name nothing are read as missing.

#include <nlohmann/json.hpp>

namespace tvhost {

class THostPart;

// The part's 3D dimensions; an empty array for none.
nlohmann::json Dimensions3DJson(THostPart& part);
// Adds the dimensions to the part, after its bodies, features and components are read.
void LoadDimensions3D(THostPart& part, const nlohmann::json& dimensions);

} // namespace tvhost
