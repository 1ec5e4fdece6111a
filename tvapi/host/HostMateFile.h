#pragma once
// The mates of an assembly in its document file. A mate's objects are written by where they
// are: the part (-1 the top part, else the component's number), the kind, and for a face,
// edge or vertex its number among the part's entities of that kind (bodies in order, the
// kernel's order within each); a default plane or axis needs no number. Objects that are
// none of these are written as missing, and a mate read without both objects stays unbuilt.
// Names given to bodies and entities are kept by the same numbers.

#include <array>
#include <string>
#include <vector>

#include <nlohmann/json.hpp>

#include "tvapi/ModelObjects.h"

namespace tvhost {

class THostDocument3D;
class THostPart;

// The faces, edges or vertices of the part's bodies: bodies in order, the kernel's order
// within each. The numbers files and scripts use.
std::vector<tvapi::IModelObjectPtr> EntitiesOf(const THostPart& part, tvapi::tvObj3dTypeEnum kind);

// Where `object` is among `parts` (the top part, then the components in order): the part (-1
// the top part), the kind and, for a face, edge or vertex, its number (EntitiesOf); null for
// an object that is none of these.
nlohmann::json EntityRefJson(const std::vector<THostPart*>& parts, const tvapi::IModelObjectPtr& object);
// The object such a reference names among `parts`; empty when it names nothing.
tvapi::IModelObjectPtr EntityOfRef(const std::vector<THostPart*>& parts, const nlohmann::json& ref);
// The two entities a record joins (`refs`, a pair of references); one named that is gone is
// read as missing, and noted as "<what> on an entity that no longer exists, kept without it".
std::array<tvapi::IModelObjectPtr, 2> JoinedEntities(const std::vector<THostPart*>& parts,
                                                     const nlohmann::json& refs, const std::string& what);
// The part, then its components in order: the parts an entity reference counts in.
std::vector<THostPart*> PartAndComponents(THostPart& part);

nlohmann::json MatesJson(THostDocument3D& document);
// After the model is read; references that name nothing are read as missing objects. A mate
// of a kind the host does not make is left out and noted (HostLoadNotices.h).
void LoadMates(THostDocument3D& document, const nlohmann::json& mates);

// The names given to the part's bodies, faces, edges and vertices, each as its kind, its
// number (bodies in order; the entity numbers above) and its name; unnamed ones are left out.
nlohmann::json EntityNamesJson(const THostPart& part);
// After the part's bodies are built; a name on a number past the part's entities is left out
// and noted (HostLoadNotices.h).
void LoadEntityNames(const THostPart& part, const nlohmann::json& names);

} // namespace tvhost
