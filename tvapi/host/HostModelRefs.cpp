// References to the model objects of a 3D document in its file.
#include "HostModelRefs.h"

#include <vector>

#include "HostGeneratedDimensions.h"
#include "HostObject.h"
#include "HostPart.h"

namespace tvhost {

namespace {

using json = nlohmann::json;

template <class List, class F> void Each(const List& list, const char* kind, F&& visit)
{
    for (std::size_t i = 0; i < list.size(); ++i)
        visit(kind, i, tvapi::ITervanAPIObjectPtr(tvapi::IModelObjectPtr(list[i])));
}

// The ways a part is reached from the top: by component places, and by component ids.
struct TPartPath {
    std::vector<int> Places;
    std::vector<int> Ids;
};

// Calls `visit(path, kind, index, object)` for every named object of `part` and below.
template <class F> void Walk(THostPart& part, TPartPath& path, F& visit)
{
    const auto at = [&](const char* kind, std::size_t i, const tvapi::ITervanAPIObjectPtr& o) {
        visit(path, kind, i, o);
    };
    at("part", 0, tvapi::ITervanAPIObjectPtr(tvapi::IModelObjectPtr(tvapi::IPartPtr(&part))));
    Each(part.Dimensions3D(), "dimension3D", at);
    Each(part.Sketches(), "sketch", at);
    Each(part.Features().Features(), "feature", at);
    // Those the part file keeps, numbered as it keeps them.
    std::vector<THostGeneratedDimensionPtr> kept;
    for (const TKeptGenerated& k : KeptGeneratedDimensions(part))
        kept.push_back(k.Dimension);
    Each(kept, "generated", at);
    for (std::size_t c = 0; c < part.Components().size(); ++c) {
        THostPart& component = *part.Components()[c];
        path.Places.push_back(static_cast<int>(c));
        path.Ids.push_back(component.ComponentId());
        Walk(component, path, visit);
        path.Places.pop_back();
        path.Ids.pop_back();
    }
}

} // namespace

TModelRefs::TModelRefs(THostPart& top)
{
    TPartPath path;
    auto visit = [this](const TPartPath& at, const char* kind, std::size_t i,
                        const tvapi::ITervanAPIObjectPtr& object) {
        const THostObject* host = HostObjectOf(object.Get());
        if (!host) return;
        json ref = {{"component", at.Ids}, {"kind", kind}, {"index", i}};
        FObjects.emplace(ref.dump(), object);
        FObjects.emplace(json{{"part", at.Places}, {"kind", kind}, {"index", i}}.dump(), object);
        FRefs.emplace(host, std::move(ref));
    };
    Walk(top, path, visit);
}

json TModelRefs::RefOf(const tvapi::IAPIObject* object) const
{
    const auto it = FRefs.find(HostObjectOf(object));
    return it == FRefs.end() ? json() : it->second;
}

tvapi::ITervanAPIObjectPtr TModelRefs::Find(const json& ref) const
{
    const auto it = FObjects.find(ref.dump());
    return it == FObjects.end() ? tvapi::ITervanAPIObjectPtr() : it->second;
}

} // namespace tvhost
