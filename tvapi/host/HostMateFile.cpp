// Mates of an assembly written to and read from its document file.
#include "HostMateFile.h"

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "HostDocuments.h"
#include "HostLoadNotices.h"
#include "HostPart.h"
#include "HostText.h"

namespace tvhost {

namespace {

using json = nlohmann::json;

constexpr int TopPart = -1;
constexpr std::array<tvapi::tvObj3dTypeEnum, 3> EntityKinds{tvapi::o3d_face, tvapi::o3d_edge,
                                                            tvapi::o3d_vertex};
constexpr std::array<tvapi::tvObj3dTypeEnum, 4> NamedKinds{tvapi::o3d_body, tvapi::o3d_face, tvapi::o3d_edge,
                                                           tvapi::o3d_vertex};
constexpr std::array<tvapi::tvObj3dTypeEnum, 6> DefaultKinds{tvapi::o3d_planeXOY, tvapi::o3d_planeXOZ,
                                                             tvapi::o3d_planeYOZ, tvapi::o3d_axisOX,
                                                             tvapi::o3d_axisOY,   tvapi::o3d_axisOZ};

} // namespace

std::vector<THostPart*> PartAndComponents(THostPart& part)
{
    std::vector<THostPart*> parts{&part};
    for (const THostPartPtr& c : part.Components())
        parts.push_back(c.Get());
    return parts;
}

json EntityRefJson(const std::vector<THostPart*>& parts, const tvapi::IModelObjectPtr& object)
{
    if (!object) return nullptr;
    for (std::size_t p = 0; p < parts.size(); ++p) {
        const int part = static_cast<int>(p) - 1;
        for (const tvapi::tvObj3dTypeEnum kind : DefaultKinds)
            if (parts[p]->AuxGeometry().Default(kind) == object) return {{"part", part}, {"kind", kind}};
        for (const tvapi::tvObj3dTypeEnum kind : EntityKinds) {
            const std::vector<tvapi::IModelObjectPtr> all = EntitiesOf(*parts[p], kind);
            for (std::size_t i = 0; i < all.size(); ++i)
                if (all[i] == object) return {{"part", part}, {"kind", kind}, {"index", i}};
        }
    }
    return nullptr;
}

tvapi::IModelObjectPtr EntityOfRef(const std::vector<THostPart*>& parts, const json& ref)
{
    if (!ref.is_object()) return {};
    // Wide, so that the highest number a file may hold names nothing rather than overflows.
    const std::int64_t p = ref.at("part").get<std::int64_t>() - TopPart;
    if (p < 0 || p >= static_cast<std::int64_t>(parts.size())) return {};
    const auto kind = static_cast<tvapi::tvObj3dTypeEnum>(ref.at("kind").get<int>());
    if (!ref.contains("index")) return parts[static_cast<std::size_t>(p)]->AuxGeometry().Default(kind);
    const std::vector<tvapi::IModelObjectPtr> all = EntitiesOf(*parts[static_cast<std::size_t>(p)], kind);
    const std::size_t i = ref.at("index").get<std::size_t>();
    return i < all.size() ? all[i] : tvapi::IModelObjectPtr();
}

std::array<tvapi::IModelObjectPtr, 2> JoinedEntities(const std::vector<THostPart*>& parts, const json& refs,
                                                     const std::string& what)
{
    std::array<tvapi::IModelObjectPtr, 2> joined = {EntityOfRef(parts, refs.at(0)),
                                                    EntityOfRef(parts, refs.at(1))};
    // The record stays; only what it joined is gone.
    if ((!joined[0] && !refs.at(0).is_null()) || (!joined[1] && !refs.at(1).is_null()))
        NoteLeftOut(what + " on an entity that no longer exists, kept without it",
                    what + "s on entities that no longer exist, kept without them");
    return joined;
}

namespace {

// The part's bodies, or its entities of `kind`, by number; nothing journaled.
std::vector<tvapi::IModelObjectPtr> NumberedOf(const THostPart& part, tvapi::tvObj3dTypeEnum kind)
{
    std::vector<tvapi::IModelObjectPtr> all;
    for (const THostBodyPtr& body : part.Bodies()) {
        if (kind == tvapi::o3d_body) {
            all.emplace_back(tvapi::IModelObjectPtr(body));
            continue;
        }
        for (tvapi::IModelObjectPtr& e : body->Entities(kind))
            all.push_back(std::move(e));
    }
    return all;
}

} // namespace

std::vector<tvapi::IModelObjectPtr> EntitiesOf(const THostPart& part, tvapi::tvObj3dTypeEnum kind)
{
    std::vector<tvapi::IModelObjectPtr> all;
    for (const THostBodyPtr& body : part.Bodies()) {
        const tvapi::IFeaturePtr feature{tvapi::IModelObjectPtr(body)};
        for (const tvapi::IModelObjectPtr& e : feature->GetModelObjects({kind}))
            all.push_back(e);
    }
    return all;
}

json MatesJson(THostDocument3D& document)
{
    const std::vector<THostPart*> parts = PartAndComponents(document.TopPart());
    json mates = json::array();
    for (const THostMatePtr& m : document.Mates()) {
        json mate{{"type", m->Type()},
                  {"objects", {EntityRefJson(parts, m->Object(1)), EntityRefJson(parts, m->Object(2))}},
                  {"fixed", m->Fixed()},
                  {"direction", m->Direction()},
                  {"value", m->Value()}};
        if (const std::wstring e = m->ExpressionText(); !e.empty()) mate["expression"] = ToUtf8(e);
        mates.push_back(std::move(mate));
    }
    return mates;
}

void LoadMates(THostDocument3D& document, const json& mates)
{
    const std::vector<THostPart*> parts = PartAndComponents(document.TopPart());
    const tvapi::IMateConstraints3DPtr list = document.GetMateConstraints();
    for (const json& m : mates) {
        const tvapi::IMateConstraint3DPtr mate =
            list->AddMateConstraint(static_cast<tvapi::MateConstraintType>(m.at("type").get<int>()));
        if (!mate) {
            const std::string kind = "unknown kind " + std::to_string(m.at("type").get<int>());
            NoteLeftOut("mate of " + kind, "mates of " + kind);
            continue;
        }
        const std::array<tvapi::IModelObjectPtr, 2> joined = JoinedEntities(parts, m.at("objects"), "mate");
        mate->SetBaseObject(1, joined[0]);
        mate->SetBaseObject(2, joined[1]);
        mate->SetFixed(m.at("fixed").get<int>());
        mate->SetDirection(m.at("direction").get<int>());
        mate->SetDistance(m.at("value").get<double>());
        mate->Update();
        if (const auto e = m.find("expression"); e != m.end())
            if (THostVariable* v = HostAs<THostMate>(mate)->Variable())
                v->SetExpression(FromUtf8(e->get<std::string>()).c_str());
    }
}

json EntityNamesJson(const THostPart& part)
{
    json names = json::array();
    for (const tvapi::tvObj3dTypeEnum kind : NamedKinds) {
        const std::vector<tvapi::IModelObjectPtr> all = NumberedOf(part, kind);
        for (std::size_t i = 0; i < all.size(); ++i)
            if (const std::wstring name = EntityName(all[i].Get()); !name.empty())
                names.push_back({{"kind", kind}, {"index", i}, {"name", ToUtf8(name)}});
    }
    return names;
}

void LoadEntityNames(const THostPart& part, const json& names)
{
    std::size_t named = 0, again = 0;
    for (const tvapi::tvObj3dTypeEnum kind : NamedKinds) {
        const std::vector<tvapi::IModelObjectPtr> all = NumberedOf(part, kind);
        std::vector<bool> taken(all.size(), false);
        for (const json& n : names) {
            if (n.at("kind").get<int>() != kind) continue;
            const std::size_t i = n.at("index").get<std::size_t>();
            if (i >= all.size()) continue;
            ++named;
            // An entity holds one name: the first is kept, and a save keeps no other.
            if (taken[i]) {
                ++again;
                continue;
            }
            taken[i] = true;
            SetEntityName(all[i].Get(), FromUtf8(n.at("name").get<std::string>()));
        }
    }
    // Those of another kind or past the entities the part has now name nothing.
    for (std::size_t i = named; i < names.size(); ++i)
        NoteLeftOut("name on an entity that no longer exists", "names on entities that no longer exist");
    for (std::size_t i = 0; i < again; ++i)
        NoteLeftOut("second name of an entity", "second names of entities");
}

} // namespace tvhost
