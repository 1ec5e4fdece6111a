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

// Calls `visit(path, kind, index, object)` for every named object of `part` and below.
template <class F> void Walk(THostPart& part, std::vector<int>& path, F& visit)
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
        path.push_back(static_cast<int>(c));
        Walk(*part.Components()[c], path, visit);
        path.pop_back();
    }
}

} // namespace

TModelRefs::TModelRefs(THostPart& top)
{
    std::vector<int> path;
    auto visit = [this](const std::vector<int>& at, const char* kind, std::size_t i,
                        const tvapi::ITervanAPIObjectPtr& object) {
        const THostObject* host = HostObjectOf(object.Get());
        if (!host) return;
        json ref = {{"part", at}, {"kind", kind}, {"index", i}};
        FObjects.emplace(ref.dump(), object);
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
