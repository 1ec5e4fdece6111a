// The 3D symbols of a stand-in part: its linear 3D dimensions and the generative dimensions
// shown for its sketches and features.
#include "HostDimensions3D.h"

#include <algorithm>
#include <array>
#include <utility>

#include "HostArgs.h"
#include "HostDocumentFile.h"
#include "HostMateFile.h"
#include "HostPart.h"

namespace tvhost {

namespace {

bool IsLineDimensionKind(tvapi::tvObj3dTypeEnum kind)
{
    return kind == tvapi::o3d_baselineDimension3D || kind == tvapi::o3d_lineDimension3D;
}

// Journaled as "ILineDimensions3D::<operation>".
class THostLineDimensions3D final : public THostObjectOf<tvapi::ILineDimensions3D> {
public:
    explicit THostLineDimensions3D(THostPart& owner) : FOwner(tvapi::IPartPtr(&owner)) {}

    int GetCount() override
    {
        return Enter("ILineDimensions3D::GetCount") ? static_cast<int>(All().size() + Generated().size()) : 0;
    }
    // The part's own dimensions first, then the generated ones.
    tvapi::IBaseLineDimension3DPtr GetItem(int index) override
    {
        if (!Enter("ILineDimensions3D::GetItem", {std::to_string(index)}) || index < 0) return {};
        auto i = static_cast<std::size_t>(index);
        if (i < All().size()) return tvapi::IBaseLineDimension3DPtr(All()[i]);
        i -= All().size();
        if (i < Generated().size()) return tvapi::IBaseLineDimension3DPtr(Generated()[i]);
        return {};
    }
    tvapi::IBaseLineDimension3DPtr Add(tvapi::tvObj3dTypeEnum kind) override
    {
        if (!Enter("ILineDimensions3D::Add", {std::to_string(kind)}) || !IsLineDimensionKind(kind)) return {};
        return tvapi::IBaseLineDimension3DPtr(All().emplace_back(New<THostModelDimension>(kind)));
    }

private:
    std::vector<THostModelDimensionPtr>& All() { return HostAs<THostPart>(FOwner)->Dimensions3D(); }
    const TGeneratedList& Generated() { return *HostAs<THostPart>(FOwner)->Generated(); }

    tvapi::IPartPtr FOwner;
};

} // namespace

template <class Base> nlohmann::json DimensionStateJson(THostDimension3DOf<Base>& d)
{
    nlohmann::json texts = nlohmann::json::object();
    for (const auto& [name, text] : d.Core().Texts())
        texts[name] = TextJson(text);
    const TParams& p = d.Params();
    return {{"kind", d.Kind()},
            {"name", ToUtf8(d.Name())},
            {"autoNominal", p.Flag("AutoNominal")},
            {"tolerance", ToUtf8(p.Text("Tolerance"))},
            {"toleranceOn", p.Flag("ToleranceOn")},
            {"placement", p.Real("Placement")},
            {"hidden", d.Hidden()},
            {"texts", std::move(texts)}};
}

template <class Base> void LoadDimensionState(THostDimension3DOf<Base>& d, const nlohmann::json& j)
{
    TParams& p = d.Params();
    p.Set("AutoNominal", j.at("autoNominal").get<bool>());
    p.Set("Tolerance", FromUtf8(j.at("tolerance").get<std::string>()));
    p.Set("ToleranceOn", j.at("toleranceOn").get<bool>());
    p.Set("Placement", j.at("placement").get<double>());
    d.SetHiddenDirect(j.at("hidden").get<bool>());
    for (const auto& [name, text] : j.at("texts").items())
        d.Text(name) = TextOf(text);
    d.SetNameDirect(FromUtf8(j.at("name").get<std::string>()));
}

template nlohmann::json DimensionStateJson(THostDimension3DOf<TModelDimensionBase>&);
template nlohmann::json DimensionStateJson(THostDimension3DOf<TGeneratedDimensionBase>&);
template void LoadDimensionState(THostDimension3DOf<TModelDimensionBase>&, const nlohmann::json&);
template void LoadDimensionState(THostDimension3DOf<TGeneratedDimensionBase>&, const nlohmann::json&);

nlohmann::json Dimensions3DJson(THostPart& part)
{
    const std::vector<THostPart*> parts = PartAndComponents(part);
    nlohmann::json all = nlohmann::json::array();
    for (const THostModelDimensionPtr& d : part.Dimensions3D()) {
        nlohmann::json j = DimensionStateJson(*d);
        j["objects"] = {EntityRefJson(parts, d->Object(1)), EntityRefJson(parts, d->Object(2))};
        j["length"] = d->Length();
        all.push_back(std::move(j));
    }
    return all;
}

void LoadDimensions3D(THostPart& part, const nlohmann::json& dimensions)
{
    const std::vector<THostPart*> parts = PartAndComponents(part);
    for (const nlohmann::json& j : dimensions) {
        const auto kind = static_cast<tvapi::tvObj3dTypeEnum>(j.at("kind").get<int>());
        THostModelDimensionPtr d = New<THostModelDimension>(kind);
        LoadDimensionState(*d, j);
        // It keeps its saved length.
        std::array<tvapi::IModelObjectPtr, 2> objects =
            JoinedEntities(parts, j.at("objects"), "3D dimension");
        d->Restore(std::move(objects[0]), std::move(objects[1]), j.at("length").get<double>());
        part.Dimensions3D().push_back(std::move(d));
    }
}

tvapi::ILineDimensions3DPtr THostPart::GetLineDimensions3D()
{
    if (!Enter("ISymbols3DContainer::GetLineDimensions3D")) return {};
    return tvapi::ILineDimensions3DPtr(New<THostLineDimensions3D>(*this));
}

bool THostPart::CreateGenerativeDimensions(const std::vector<tvapi::IModelObjectPtr>& objects,
                                           bool fromSketchesToo)
{
    std::string arg;
    for (const tvapi::IModelObjectPtr& o : objects)
        arg += (arg.empty() ? "" : ", ") + ObjectArg(o.Get());
    if (!Enter("ISymbols3DContainer::CreateGenerativeDimensions",
               {"[" + arg + "]", BoolArg(fromSketchesToo)}))
        return false;
    bool any = false;
    for (const tvapi::IModelObjectPtr& o : objects) {
        if (!GenerateDimensions(*this, o, fromSketchesToo)) continue;
        any = true;
        if (std::find(FGenerative.begin(), FGenerative.end(), o) == FGenerative.end())
            FGenerative.push_back(o);
    }
    return any;
}

tvapi::IVariablePtr THostPart::GetDimensionVariable(tvapi::IDimension3DPtr dimension)
{
    if (!Enter("ISymbols3DContainer::GetDimensionVariable", {ObjectArg(dimension.Get())})) return {};
    return GeneratedVariableOf(dimension);
}

} // namespace tvhost
