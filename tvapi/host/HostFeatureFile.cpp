// A part's features in its file.
#include "HostFeatureFile.h"

#include <stdexcept>

#include "HostCopyFeatures.h"
#include "HostFaceOperations.h"
#include "HostMeasure.h"
#include "HostPart.h"
#include "HostSketchFeatures.h"
#include "HostSurfaceFeatures.h"
#include "HostText.h"

namespace tvhost {

namespace {

using json = nlohmann::json;

bool IsExtrusion(int kind)
{
    return kind == tvapi::o3d_baseExtrusion || kind == tvapi::o3d_bossExtrusion ||
           kind == tvapi::o3d_cutExtrusion || kind == tvapi::o3d_ExtrusionSurface;
}

bool IsRotation(int kind)
{
    return kind == tvapi::o3d_baseRotated || kind == tvapi::o3d_bossRotated ||
           kind == tvapi::o3d_cutRotated || kind == tvapi::o3d_RotatedSurface;
}

bool IsSweep(int kind)
{
    return kind == tvapi::o3d_baseEvolution || kind == tvapi::o3d_bossEvolution ||
           kind == tvapi::o3d_cutEvolution || kind == tvapi::o3d_EvolutionSurface;
}

// A new feature of `kind` (a list kind for those without their own) at the end of the part's list.
tvapi::IModelObjectPtr NewFeature(THostPart& part, int kind)
{
    const auto k = static_cast<tvapi::tvObj3dTypeEnum>(kind);
    if (IsExtrusion(kind)) return tvapi::IModelObjectPtr(NewExtrusion(k, part.FeatureList()));
    if (IsRotation(kind)) return tvapi::IModelObjectPtr(NewRotated(k, part.FeatureList()));
    if (IsSweep(kind)) return tvapi::IModelObjectPtr(NewEvolution(k, part.FeatureList()));
    if (kind == ListKindBoolean) return tvapi::IModelObjectPtr(NewBoolean(part.FeatureList()));
    if (kind == ListKindPatch) return tvapi::IModelObjectPtr(NewSurfacePatch(part.FeatureList()));
    if (kind == ListKindRuled) return tvapi::IModelObjectPtr(NewRuledSurface(part.FeatureList()));
    if (kind == ListKindCopy) return tvapi::IModelObjectPtr(NewCopyGeometry(part.FeatureList()));
    if (kind == ListKindThickening) return tvapi::IModelObjectPtr(NewSurfaceThickening(part.FeatureList()));
    if (kind == ListKindTrimmed) return tvapi::IModelObjectPtr(NewTrimmedSurface(part.FeatureList()));
    if (kind == ListKindBillet) return tvapi::IModelObjectPtr(NewBillet(part.FeatureList(), L"", false));
    if (kind == tvapi::o3d_thread) return tvapi::IModelObjectPtr(NewThread(part.FeatureList()));
    if (kind == ListKindFaceSplit) return NewListedFaceSplit(part);
    throw std::invalid_argument("no feature of kind " + std::to_string(kind));
}

TFeatureStep& StepOf(const tvapi::IModelObjectPtr& feature)
{
    return *dynamic_cast<TFeatureStep*>(feature.Get());
}

} // namespace

json FeaturesJson(THostPart& part)
{
    const auto refer = [&part](const tvapi::IModelObject* sketch) {
        for (std::size_t i = 0; i < part.Sketches().size(); ++i)
            if (tvapi::IModelObjectPtr(part.Sketches()[i]).Get() == sketch) return static_cast<int>(i);
        return -1;
    };
    json features = json::array();
    TFeatureList& list = part.Features();
    for (const tvapi::IModelObjectPtr& feature : list.Features()) {
        TFeatureStep& step = StepOf(feature);
        json params;
        step.Write(params, refer);
        json entry = {{"kind", list.KindOf(feature.Get())},
                      {"name", ToUtf8(step.StepName())},
                      {"counted", list.Counted(feature.Get())},
                      {"excluded", step.StepExcluded()}};
        // A size no file can hold is kept as 0 with the reason the feature fails, which it
        // goes on giving once read until its parameters change.
        if (const std::string refused = list.RefusalOf(step); !refused.empty()) entry["refused"] = refused;
        entry["params"] = FiniteNumbers(std::move(params));
        features.push_back(std::move(entry));
    }
    return features;
}

namespace {

// What a JSON exception says, without the library's "[json.exception...] " prefix.
std::string JsonReason(const json::exception& e)
{
    const std::string what = e.what();
    const std::size_t end = what.find("] ");
    return end == std::string::npos ? what : what.substr(end + 2);
}

// Reads the parameters of feature `index` (its record `f`); a parameter missing or of the
// wrong kind refuses the file naming the feature and its place in it.
template <class TFind>
void ReadParams(TFeatureStep& step, const json& f, std::size_t index, const TFind& find)
{
    try {
        step.Read(f.at("params"), find);
    } catch (const json::exception& e) {
        std::string reason = JsonReason(e);
        if (e.id == 403) reason = "a parameter is missing (" + reason + ")";
        throw std::invalid_argument("feature " + std::to_string(index + 1) + " \"" +
                                    f.value("name", std::string()) + "\" (model.features[" +
                                    std::to_string(index) + "].params): " + reason);
    }
}

} // namespace

void LoadFeatures(THostPart& part, const json& features)
{
    const auto find = [&part](int index) {
        if (index < 0 || static_cast<std::size_t>(index) >= part.Sketches().size())
            return tvapi::IModelObjectPtr();
        return tvapi::IModelObjectPtr(part.Sketches()[static_cast<std::size_t>(index)]);
    };
    for (std::size_t i = 0; i < features.size(); ++i) {
        const json& f = features[i];
        const tvapi::IModelObjectPtr feature = NewFeature(part, f.at("kind").get<int>());
        TFeatureStep& step = StepOf(feature);
        ReadParams(step, f, i, find);
        step.StepName() = FromUtf8(f.at("name").get<std::string>());
        step.SetStepExcluded(f.value("excluded", false));
        if (f.contains("refused")) part.Features().Refuse(step, f["refused"].get<std::string>());
        if (f.at("counted").get<bool>()) part.Features().Count(step);
    }
    part.Features().RebuildAll();
}

} // namespace tvhost
