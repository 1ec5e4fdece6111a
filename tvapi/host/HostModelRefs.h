#pragma once
// References to the model objects of a 3D document in its file: the library keeps model
// objects of the assembly's parts in the document's user data, and they must name the same
// objects when the file is opened again. An object is named by the path of component ids from
// the top part to its part (THostPart::ComponentId, kept with each component), its kind there
// and its index among the objects of that kind its part's own file numbers:
// {"component": [a, b], "kind": "dimension3D", "index": k}. So a reference follows its
// component when the components are reordered, and names nothing when its component is gone.
// Older files name the part by component places ({"part": [i, j], ...}); those are found as
// the file lists its components. Parts, sketches, features, 3D dimensions and the generated
// dimensions the part file keeps (of sketches and extrusions) are named; anything else (faces,
// edges, which the kernel makes anew) is not.

#include <map>
#include <string>

#include <nlohmann/json.hpp>

#include "tvapi/TervanAPIObject.h"

namespace tvhost {

class THostObject;
class THostPart;

class TModelRefs {
public:
    // Every named object of `top` and its components at any depth.
    explicit TModelRefs(THostPart& top);

    // The reference of `object`; null for an object not named.
    nlohmann::json RefOf(const tvapi::IAPIObject* object) const;
    // The object `ref` names, in either form; empty for a reference to nothing (its component
    // or object is gone).
    tvapi::ITervanAPIObjectPtr Find(const nlohmann::json& ref) const;

private:
    std::map<const THostObject*, nlohmann::json> FRefs;
    std::map<std::string, tvapi::ITervanAPIObjectPtr> FObjects; // by the reference's text
};

} // namespace tvhost
