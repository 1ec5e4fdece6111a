#pragma once
// The 3D dimensions of a stand-in part in its document file: each with its kind, name, the
// two objects it joins (by where they are, HostMateFile.h), the length measured last, its
// flags and its texts. Read back, a dimension keeps its saved length and texts; objects that
// name nothing are read as missing, and noted (HostLoadNotices.h).

#include <nlohmann/json.hpp>

#include "HostDimensions.h"

namespace tvhost {

class THostPart;

// What a 3D dimension keeps in a part file besides what it measures: its kind, name, flags,
// tolerance, placement, hidden flag and texts; read back onto a dimension made anew.
template <class Base> nlohmann::json DimensionStateJson(THostDimension3DOf<Base>& d);
template <class Base> void LoadDimensionState(THostDimension3DOf<Base>& d, const nlohmann::json& j);

// The part's 3D dimensions; an empty array for none.
nlohmann::json Dimensions3DJson(THostPart& part);
// Adds the dimensions to the part, after its bodies, features and components are read.
void LoadDimensions3D(THostPart& part, const nlohmann::json& dimensions);

} // namespace tvhost
