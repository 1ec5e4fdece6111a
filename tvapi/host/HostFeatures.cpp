// The feature list of a stand-in part and what a feature's tool does to its bodies.
#include "HostFeatures.h"

#include <algorithm>
#include <cmath>

#include <nlohmann/json.hpp>

#include "HostAuxGeometry.h"
#include "HostKernelFeatures.h"
#include "HostTopology.h"
#include "tvapi/AuxiliaryGeometry.h"

namespace tvhost {

namespace {

bool ValidResult(const TShape& shape, std::string& error)
{
    if (IsValidShape(shape)) return true;
    error = "the kernel could not build the feature";
    return false;
}

// A Boolean's result on the valid body `before`.
bool ValidResult(const TShape& shape, const TShape& before, std::string& error)
{
    if (IsValidChange(shape, before)) return true;
    error = "the kernel could not build the feature";
    return false;
}

bool CutEvery(std::vector<TShape>& solids, const TShape& tool, std::string& error)
{
    if (solids.empty()) {
        error = "there is no body to cut";
        return false;
    }
    std::vector<TShape> result;
    for (const TShape& solid : solids) {
        if (!BoxesMeet(solid, tool)) { // a cut of a body apart from the tool changes nothing
            result.push_back(solid);
            continue;
        }
        const TShape cut = Combined(TBooleanKind::bkCut, solid, tool);
        if (!ValidResult(cut, solid, error)) return false;
        if (HasSolid(cut)) result.push_back(cut);
    }
    solids = std::move(result);
    return true;
}

// The tool fused with every body it touches into the first of them; a body of its own when
// it touches none.
bool FuseTouching(std::vector<TShape>& solids, const TShape& tool, std::string& error)
{
    std::vector<std::size_t> touching;
    for (std::size_t i = 0; i < solids.size(); ++i)
        if (Touching(solids[i], tool)) touching.push_back(i);
    if (touching.empty()) {
        solids.push_back(tool);
        return true;
    }
    TShape merged = tool;
    for (const std::size_t i : touching) {
        merged = Combined(TBooleanKind::bkFuse, solids[i], merged);
        if (!ValidResult(merged, solids[i], error)) return false;
    }
    solids[touching.front()] = merged;
    for (std::size_t k = touching.size(); k-- > 1;)
        solids.erase(solids.begin() + static_cast<std::ptrdiff_t>(touching[k]));
    return true;
}

bool CommonWithLast(std::vector<TShape>& solids, const TShape& tool, std::string& error)
{
    if (solids.empty()) {
        error = "there is no body to intersect";
        return false;
    }
    const TShape common = Combined(TBooleanKind::bkCommon, solids.back(), tool);
    if (!ValidResult(common, solids.back(), error)) return false;
    solids.back() = common;
    return true;
}

} // namespace

TShape CurveShapeOf(const tvapi::IModelObjectPtr& object)
{
    if (TShape edge = EdgeShape(object.Get())) return edge;
    if (THelix helix; HelixOf(object, helix))
        return MakeHelix(helix.Frame, helix.Diameter / 2, helix.Pitch, helix.Turns, helix.Upward);
    const tvapi::ILineSegment3DPtr segment(object);
    TXyz a{}, b{};
    if (!segment || !segment->GetPoint(true, a[0], a[1], a[2]) || !segment->GetPoint(false, b[0], b[1], b[2]))
        return {};
    return MakeSegment(a, b);
}

bool ApplyTool(TBodies& bodies, const TShape& tool, tvapi::tvOperationResultEnum result, bool surface,
               std::string& error)
{
    if (!ValidResult(tool, error)) return false;
    if (surface) {
        bodies.Surfaces.push_back(tool);
        return true;
    }
    std::vector<TShape> solids = bodies.Solids;
    bool done = false;
    switch (result) {
    case tvapi::tvOperationNewBody:
        solids.push_back(tool);
        done = true;
        break;
    case tvapi::tvOperationCut:
        done = CutEvery(solids, tool, error);
        break;
    case tvapi::tvOperationIntersect:
        done = CommonWithLast(solids, tool, error);
        break;
    case tvapi::tvOperationUnion:
    default:
        done = FuseTouching(solids, tool, error);
        break;
    }
    if (done) bodies.Solids = std::move(solids);
    return done;
}

TBodyOperand TBodyOperand::Of(const TFeatureList* list, const tvapi::IModelObject* body)
{
    TBodyOperand operand;
    operand.Index = list ? list->BodyIndex(body) : -1;
    if (const auto* other = dynamic_cast<const THostBody*>(body); other && operand.Index < 0)
        operand.Shape = other->Shape();
    return operand;
}

TShape TBodyOperand::ShapeIn(const TBodies& bodies) const
{
    if (Index < 0) return Shape;
    const auto i = static_cast<std::size_t>(Index);
    return i < bodies.Solids.size() ? bodies.Solids[i] : TShape{};
}

nlohmann::json TBodyOperand::Json() const
{
    return Index >= 0 ? nlohmann::json{{"index", Index}} : nlohmann::json{{"brep", BRepText(Shape)}};
}

TBodyOperand TBodyOperand::FromJson(const nlohmann::json& in)
{
    TBodyOperand operand;
    if (in.contains("index"))
        operand.Index = in["index"].get<int>();
    else
        operand.Shape = ShapeOfFileText(in.at("brep").get<std::string>(), "a feature's body");
    return operand;
}

TFeatureList::TFeatureList(TPublish publish, TBodyIndex bodyIndex)
    : FPublish(std::move(publish)), FBodyIndex(std::move(bodyIndex))
{
}

void TFeatureList::AddBase(TShape solid)
{
    FBase.push_back(solid);
    FBuilt.Solids.push_back(std::move(solid));
}

void TFeatureList::Append(tvapi::IModelObjectPtr object, TFeatureStep& step, tvapi::tvObj3dTypeEnum kind)
{
    FEntries.push_back({std::move(object), &step, kind, false, {}, {}, {}, {}});
}

TFeatureList::TEntry* TFeatureList::Find(const TFeatureStep& step)
{
    for (TEntry& entry : FEntries)
        if (entry.Step == &step) return &entry;
    return nullptr;
}

bool HasNonFiniteNumber(const nlohmann::json& params)
{
    if (params.is_number_float()) return !std::isfinite(params.get<double>());
    if (params.is_array() || params.is_object())
        for (const nlohmann::json& item : params)
            if (HasNonFiniteNumber(item)) return true;
    return false;
}

nlohmann::json FiniteNumbers(nlohmann::json params)
{
    if (params.is_number_float() && !std::isfinite(params.get<double>())) return 0.0;
    if (params.is_array() || params.is_object())
        for (nlohmann::json& item : params)
            item = FiniteNumbers(std::move(item));
    return params;
}

namespace {

// A feature's parameters as written, objects named by no index: what a build compares.
nlohmann::json ParamsOf(const TFeatureStep& step)
{
    nlohmann::json params;
    step.Write(params, [](const tvapi::IModelObject*) { return -1; });
    return params;
}

} // namespace

bool TFeatureList::Build(TEntry& entry)
{
    ++FEvaluations;
    entry.Error.clear();
    if (entry.Step->StepExcluded()) return true;
    bool built = false;
    const nlohmann::json params = ParamsOf(*entry.Step);
    if (HasNonFiniteNumber(params)) {
        entry.Error = NonFiniteSize;
    } else if (!entry.Refused.empty() && params.dump() == entry.RefusedParams) {
        entry.Error = entry.Refused;
    } else {
        entry.Refused.clear();
        const TBodies before = FBuilt;
        built = entry.Step->Apply(FBuilt, entry.Error);
        entry.Faces.clear();
        if (built) {
            std::vector<TShape> had = before.Solids, has = FBuilt.Solids;
            had.insert(had.end(), before.Surfaces.begin(), before.Surfaces.end());
            has.insert(has.end(), FBuilt.Surfaces.begin(), FBuilt.Surfaces.end());
            entry.Faces = NewFaces(had, has);
        }
    }
    entry.Step->SetBuilt(built);
    return built;
}

void TFeatureList::Refuse(const TFeatureStep& step, std::string reason)
{
    if (TEntry* entry = Find(step)) {
        entry->Refused = std::move(reason);
        entry->RefusedParams = ParamsOf(step).dump();
    }
}

std::string TFeatureList::RefusalOf(const TFeatureStep& step)
{
    const TEntry* entry = Find(step);
    if (!entry) return {};
    const nlohmann::json params = ParamsOf(step);
    if (!entry->Refused.empty() && params.dump() == entry->RefusedParams) return entry->Refused;
    return HasNonFiniteNumber(params) ? NonFiniteSize : std::string();
}

bool TFeatureList::Evaluate(TFeatureStep& step)
{
    TEntry* entry = Find(step);
    if (!entry) return false;
    const std::size_t index = static_cast<std::size_t>(entry - FEntries.data());
    const bool wasCounted = entry->Counted;
    entry->Counted = true;
    const bool onlyNew = !wasCounted && index >= FDone &&
                         std::none_of(FEntries.begin() + static_cast<std::ptrdiff_t>(FDone),
                                      FEntries.begin() + static_cast<std::ptrdiff_t>(index),
                                      [](const TEntry& e) { return e.Counted; });
    if (!onlyNew) {
        RebuildAll();
        return entry->Error.empty();
    }
    const bool built = Build(*entry);
    FDone = index + 1;
    if (FPublish) FPublish(FBuilt);
    return built;
}

void TFeatureList::RebuildAll()
{
    FBuilt = {FBase, {}};
    FDone = 0;
    for (std::size_t i = 0; i < FEntries.size(); ++i) {
        if (!FEntries[i].Counted) continue;
        Build(FEntries[i]);
        FDone = i + 1;
    }
    if (FPublish) FPublish(FBuilt);
}

void TFeatureList::Count(const TFeatureStep& step)
{
    if (TEntry* entry = Find(step)) entry->Counted = true;
}

bool TFeatureList::Counted(const tvapi::IModelObject* feature) const
{
    for (const TEntry& entry : FEntries)
        if (entry.Object.Get() == feature) return entry.Counted;
    return false;
}

tvapi::tvObj3dTypeEnum TFeatureList::KindOf(const tvapi::IModelObject* feature) const
{
    for (const TEntry& entry : FEntries)
        if (entry.Object.Get() == feature) return entry.Kind;
    return tvapi::o3d_unknown;
}

std::vector<tvapi::IModelObjectPtr>
TFeatureList::Features(const std::vector<tvapi::tvObj3dTypeEnum>& kinds) const
{
    std::vector<tvapi::IModelObjectPtr> all;
    for (const TEntry& entry : FEntries)
        if (kinds.empty() || std::find(kinds.begin(), kinds.end(), entry.Kind) != kinds.end())
            all.push_back(entry.Object);
    return all;
}

std::vector<tvapi::IModelObjectPtr> TFeatureList::FacesOf(const tvapi::IModelObject* feature) const
{
    for (const TEntry& entry : FEntries)
        if (entry.Object.Get() == feature)
            return FFaceObjects ? FFaceObjects(entry.Faces) : std::vector<tvapi::IModelObjectPtr>();
    return {};
}

std::string TFeatureList::ErrorOf(const tvapi::IModelObject* feature) const
{
    for (const TEntry& entry : FEntries)
        if (entry.Object.Get() == feature) return entry.Error;
    return {};
}

} // namespace tvhost
