// Generated dimensions of a stand-in part: of sketches, extrusions and 3D points.
#include "HostGeneratedDimensions.h"

#include <algorithm>
#include <cmath>

#include <nlohmann/json.hpp>

#include "HostArgs.h"
#include "HostAssembly.h"
#include "HostAuxGeometry.h"
#include "HostDimensions3D.h"
#include "HostDocumentFile.h"
#include "HostDocuments.h"
#include "HostDrawing2D.h"
#include "HostLoadNotices.h"
#include "HostPart.h"
#include "HostSketch.h"
#include "HostSketchFeatures.h"
#include "HostTopology.h"

namespace tvhost {

namespace {

using json = nlohmann::json;

// Names of the parameters of a linear dimension that keep the variable it carries.
constexpr char VariableParam[] = "Variable";
constexpr char ExpressionParam[] = "VariableExpression";
constexpr char NoteParam[] = "VariableNote";
constexpr char ExternalParam[] = "VariableExternal";
constexpr char ValueParam[] = "VariableValue";

// A point's variables in order; the fifth drives X, the sixth Y.
constexpr int PointVariables = 6;
constexpr std::size_t PointXVariable = 4;
constexpr std::size_t PointYVariable = 5;

// Journaled as model object and "IVariable::<operation>".
class THostDimensionVariable final : public THostModelObjectOf<tvapi::IModelObject, tvapi::IVariable> {
public:
    explicit THostDimensionVariable(tvapi::Ptr<THostLineDimension> dimension)
        : THostModelObjectOf(tvapi::o3d_variable), FDimension(std::move(dimension))
    {
    }

    std::wstring GetName() override
    {
        return Enter("IVariable::GetName") ? Params().Text(VariableParam) : std::wstring();
    }
    double GetValue() override
    {
        if (!Enter("IVariable::GetValue")) return 0.0;
        return Params().Real(ValueParam, FDimension->Measure());
    }
    std::wstring GetExpression() override
    {
        return Enter("IVariable::GetExpression") ? Params().Text(ExpressionParam) : std::wstring();
    }
    void SetExpression(const wchar_t* expression) override
    {
        const std::wstring text = expression ? expression : L"";
        if (Enter("IVariable::SetExpression", {ToUtf8(text)})) Params().Set(ExpressionParam, text);
    }
    void SetValue(double value) override
    {
        if (Enter("IVariable::SetValue", {NumberArg(value)})) Params().Set(ValueParam, value);
    }
    std::wstring GetNote() override
    {
        return Enter("IVariable::GetNote") ? Params().Text(NoteParam) : std::wstring();
    }
    void SetNote(const wchar_t* note) override
    {
        const std::wstring text = note ? note : L"";
        if (Enter("IVariable::SetNote", {ToUtf8(text)})) Params().Set(NoteParam, text);
    }
    bool GetExternal() override { return Enter("IVariable::GetExternal") && Params().Flag(ExternalParam); }
    void SetExternal(bool external) override
    {
        if (Enter("IVariable::SetExternal", {BoolArg(external)})) Params().Set(ExternalParam, external);
    }
    bool SetLink(const wchar_t* documentName, const wchar_t* variableName) override
    {
        (void)Enter("IVariable::SetLink",
                    {ToUtf8(documentName ? documentName : L""), ToUtf8(variableName ? variableName : L"")});
        return false; // a sketch's variable follows its dimension, never another document
    }

private:
    TParams& Params() const noexcept { return FDimension->Params(); }

    tvapi::Ptr<THostLineDimension> FDimension;
};

std::vector<tvapi::Ptr<THostLineDimension>> SketchLineDimensions(THostSketch& sketch)
{
    std::vector<tvapi::Ptr<THostLineDimension>> all;
    for (const THostViewPtr& view : sketch.Document().Drawing().Views())
        for (const tvapi::IDrawingObjectPtr& o : view->Children())
            if (THostLineDimension* d = HostAs<THostLineDimension>(o);
                d && !d->IsDeleted() && !d->Params().Text(VariableParam).empty())
                all.emplace_back(d);
    return all;
}

bool Holds(const std::vector<tvapi::IModelObjectPtr>& objects, const tvapi::IModelObjectPtr& o)
{
    return std::find(objects.begin(), objects.end(), o) != objects.end();
}

THostGeneratedDimension* Find(const TGeneratedList& list, const tvapi::IModelObjectPtr& owner,
                              const std::wstring& key)
{
    for (const THostGeneratedDimensionPtr& d : list)
        if (d->Owner() == owner && d->Key() == key) return d.Get();
    return nullptr;
}

THostGeneratedDimension& Add(TGeneratedList& list, tvapi::tvObj3dTypeEnum kind,
                             THostGeneratedDimension::TSource source, const tvapi::IModelObjectPtr& owner,
                             tvapi::IVariablePtr variable, const std::wstring& key)
{
    THostGeneratedDimension& d =
        *list.emplace_back(New<THostGeneratedDimension>(kind, source, owner, std::move(variable), key));
    d.Measure();
    return d;
}

// The deviations of the 2D dimension become the 3D dimension's.
void TakeTexts(THostGeneratedDimension& d, THostLineDimension& from)
{
    for (const char* name : {"Upper", "Lower"})
        if (from.Texts().count(name) != 0) d.Text(name) = from.Texts().at(name);
    if (from.Params().Has("Tolerance")) d.Params().Set("Tolerance", from.Params().Text("Tolerance"));
}

bool GenerateSketch(TGeneratedList& list, THostSketch& sketch, const tvapi::IModelObjectPtr& owner,
                    const std::wstring* only = nullptr)
{
    bool made = false;
    for (const tvapi::Ptr<THostLineDimension>& line : SketchLineDimensions(sketch)) {
        const std::wstring name = line->Params().Text(VariableParam);
        if ((only && name != *only) || Find(list, owner, name)) continue;
        TakeTexts(Add(list, tvapi::o3d_SketchLinearDimension, THostGeneratedDimension::TSource::gsSketch,
                      owner, DimensionVariableOf(*line), name),
                  *line);
        made = true;
    }
    return made;
}

int FeatureIndex(THostPart& part, const tvapi::IModelObjectPtr& feature)
{
    const std::vector<tvapi::IModelObjectPtr> all = part.Features().Features();
    const auto at = std::find(all.begin(), all.end(), feature);
    return at == all.end() ? -1 : static_cast<int>(at - all.begin());
}

std::wstring DepthVariableName(int featureIndex, int side)
{
    return L"H" + std::to_wstring(featureIndex + 1) + (side == 1 ? L"_2" : L"");
}

THostGeneratedDimension* GenerateSide(THostPart& part, TGeneratedList& list,
                                      const tvapi::IModelObjectPtr& feature, int side)
{
    TExtrusionSide span;
    const std::wstring key = std::to_wstring(side);
    if (!ExtrusionSideOf(feature, side, span) || Find(list, feature, key)) return nullptr;
    auto* step = dynamic_cast<TFeatureStep*>(feature.Get());
    if (!step) return nullptr;
    const std::wstring name = DepthVariableName(FeatureIndex(part, feature), side);
    tvapi::IVariablePtr variable;
    for (const tvapi::IVariablePtr& v : step->StepVariables())
        if (v && HostVariableName(*v) == name) variable = v;
    if (!variable) {
        variable = tvapi::IVariablePtr(New<THostVariable>(name, span.To - span.From));
        step->StepVariables().push_back(variable);
    }
    return &Add(list, tvapi::o3d_OperationLinearDimension, THostGeneratedDimension::TSource::gsOperation,
                feature, std::move(variable), key);
}

bool GenerateFeature(THostPart& part, TGeneratedList& list, const tvapi::IModelObjectPtr& feature,
                     bool fromSketchesToo)
{
    for (int side = 0; side < 2; ++side) {
        GenerateSide(part, list, feature, side);
        TExtrusionSide span;
        if (fromSketchesToo && ExtrusionSideOf(feature, side, span))
            if (THostSketch* sketch = HostAs<THostSketch>(span.Sketch))
                GenerateSketch(list, *sketch, span.Sketch);
    }
    return true;
}

bool GeneratePoint(THostPart& part, const tvapi::IModelObjectPtr& point)
{
    TGeneratedList& list = *part.Generated();
    auto* owner = dynamic_cast<TGeneratedOwner*>(point.Get());
    auto* feature = dynamic_cast<THostFeatureOf<tvapi::IPoint3D, tvapi::IColorParam>*>(point.Get());
    TXyz at{};
    if (!owner || !feature || !PositionOf(point, at)) return false;
    owner->AttachGenerated(part.Generated());
    std::vector<tvapi::IVariablePtr>& variables = feature->Variables();
    if (variables.empty()) {
        const auto& points = part.AuxGeometry().Points();
        const auto number = std::find(points.begin(), points.end(), point) - points.begin() + 1;
        const double values[PointVariables] = {0.0, 0.0, 0.0, at[2], at[0], at[1]};
        for (int i = 0; i < PointVariables; ++i)
            variables.emplace_back(New<THostVariable>(
                L"P" + std::to_wstring(number) + L"_" + std::to_wstring(i + 1), values[i]));
    }
    if (!Find(list, point, L"X"))
        Add(list, tvapi::o3d_baselineDimension3D, THostGeneratedDimension::TSource::gsPointX, point,
            variables[PointXVariable], L"X");
    if (!Find(list, point, L"Y"))
        Add(list, tvapi::o3d_baselineDimension3D, THostGeneratedDimension::TSource::gsPointY, point,
            variables[PointYVariable], L"Y");
    return true;
}

// Straight edges a generated dimension of an extrusion lists: the profile's first segment
// where the side starts (A) and ends (B), and the edge from A's start to B's start, as
// segments (a0, a1), (b0, b1), (a0, b0); false without them.
bool SideEdges(const tvapi::IModelObjectPtr& feature, const std::wstring& key, std::array<TXyz, 6>& ends)
{
    TExtrusionSide span;
    if (key.empty() || !ExtrusionSideOf(feature, key == L"1" ? 1 : 0, span) || !span.HasSegment) return false;
    const auto& [u0, v0, u1, v1] = span.Segment;
    const TXyz a0 = span.Frame.Point(u0, v0, span.From), a1 = span.Frame.Point(u1, v1, span.From);
    const TXyz b0 = span.Frame.Point(u0, v0, span.To), b1 = span.Frame.Point(u1, v1, span.To);
    ends = {a0, a1, b0, b1, a0, b0};
    return true;
}

} // namespace

// ---- The dimension ---------------------------------------------------------------------

THostGeneratedDimension::THostGeneratedDimension(tvapi::tvObj3dTypeEnum kind, TSource source,
                                                 tvapi::IModelObjectPtr owner, tvapi::IVariablePtr variable,
                                                 std::wstring key)
    : THostDimension3DOf(kind, 0.0), FSource(source), FOwner(std::move(owner)),
      FVariable(std::move(variable)), FKey(std::move(key))
{
}

void THostGeneratedDimension::Measure()
{
    double length = Length();
    TXyz at{};
    switch (FSource) {
    case TSource::gsSketch:
        if (auto* sketch = HostAs<THostSketch>(FOwner))
            for (const tvapi::Ptr<THostLineDimension>& line : SketchLineDimensions(*sketch))
                if (line->Params().Text(VariableParam) == FKey) {
                    length = line->Measure();
                    break;
                }
        break;
    case TSource::gsOperation:
        if (TExtrusionSide span; ExtrusionSideOf(FOwner, FKey == L"1" ? 1 : 0, span))
            length = span.To - span.From;
        break;
    case TSource::gsPointX:
    case TSource::gsPointY:
        if (PositionOf(FOwner, at)) length = std::abs(at[FSource == TSource::gsPointX ? 0 : 1]);
        break;
    }
    SetLength(length);
}

bool THostGeneratedDimension::Rebuild()
{
    Measure();
    return true;
}

tvapi::IFeaturePtr THostGeneratedDimension::OwnerFeature()
{
    return FOwner ? tvapi::IFeaturePtr(FOwner) : tvapi::IFeaturePtr();
}

std::vector<tvapi::IModelObjectPtr> THostGeneratedDimension::ObjectsOf(tvapi::tvObj3dTypeEnum kind)
{
    std::array<TXyz, 6> ends{};
    if (kind != tvapi::o3d_edge || FSource != TSource::gsOperation || !SideEdges(FOwner, FKey, ends))
        return {};
    // The edges' body lives with the dimension, so that their vertices stay listed; it is made
    // again only when the extrusion changed.
    if (!FEdges || ends != FEdgeEnds) {
        std::vector<TShape> segments;
        for (std::size_t i = 0; i < ends.size(); i += 2)
            segments.push_back(MakeSegment(ends[i], ends[i + 1]));
        FEdges = MakeBody(MakeCompound(segments));
        FEdgeEnds = ends;
    }
    return FEdges->Entities(tvapi::o3d_edge);
}

int THostGeneratedDimension::Int(const char* op, const char* name)
{
    return Enter(op) ? static_cast<int>(Params().Int(name)) : 0;
}

double THostGeneratedDimension::Real(const char* op, const char* name)
{
    return Enter(op) ? Params().Real(name) : 0.0;
}

void THostGeneratedDimension::Set(const char* op, const char* name, double value)
{
    if (Enter(op, {NumberArg(value)})) Params().Set(name, value);
}

void THostGeneratedDimension::Set(const char* op, const char* name, int value)
{
    if (Enter(op, {std::to_string(value)})) Params().Set(name, static_cast<std::int64_t>(value));
}

void THostGeneratedDimension::Set(const char* op, const char* name, bool value)
{
    if (Enter(op, {BoolArg(value)})) Params().Set(name, value);
}

std::vector<tvapi::IFeaturePtr> TGeneratedOwner::Generated(const tvapi::IAPIObject* self) const
{
    std::vector<tvapi::IFeaturePtr> found;
    if (const std::shared_ptr<TGeneratedList> list = FGeneratedList.lock())
        for (const THostGeneratedDimensionPtr& d : *list)
            if (HostObjectOf(d->Owner().Get()) == HostObjectOf(self))
                found.emplace_back(static_cast<tvapi::IFeature*>(d.Get()));
    return found;
}

// ---- Variables of sketches -------------------------------------------------------------

tvapi::IVariablePtr DimensionVariableOf(THostLineDimension& dimension)
{
    if (dimension.Params().Text(VariableParam).empty()) return {};
    return tvapi::IVariablePtr(New<THostDimensionVariable>(tvapi::Ptr<THostLineDimension>(&dimension)));
}

std::vector<tvapi::IVariablePtr> SketchVariables(THostSketch& sketch)
{
    std::vector<tvapi::IVariablePtr> all;
    for (const tvapi::Ptr<THostLineDimension>& line : SketchLineDimensions(sketch))
        all.push_back(DimensionVariableOf(*line));
    return all;
}

// ---- The part's list -------------------------------------------------------------------

bool GenerateDimensions(THostPart& part, const tvapi::IModelObjectPtr& object, bool fromSketchesToo)
{
    if (!object) return false;
    TGeneratedList& list = *part.Generated();
    for (const THostSketchPtr& sketch : part.Sketches())
        if (tvapi::IModelObjectPtr(sketch) == object) {
            GenerateSketch(list, *sketch, object);
            return true;
        }
    if (Holds(part.Features().Features(), object))
        return GenerateFeature(part, list, object, fromSketchesToo);
    if (Holds(part.AuxGeometry().Points(), object)) return GeneratePoint(part, object);
    return false;
}

tvapi::IVariablePtr GeneratedVariableOf(const tvapi::IDimension3DPtr& dimension)
{
    const THostGeneratedDimension* d = HostAs<THostGeneratedDimension>(dimension);
    return d ? d->Variable() : tvapi::IVariablePtr();
}

std::vector<TKeptGenerated> KeptGeneratedDimensions(THostPart& part)
{
    std::vector<TKeptGenerated> kept;
    const TGeneratedList& list = *part.Generated();
    const auto unbuiltAt = [&](std::size_t place) {
        for (const TUnbuiltGenerated& u : part.UnbuiltGenerated())
            if (const int index = FeatureIndex(part, u.Feature);
                u.Place == place && index >= 0 && !Find(list, u.Feature, u.Key))
                kept.push_back({{}, "feature", index, &u});
    };
    for (std::size_t i = 0; i < list.size(); ++i) {
        unbuiltAt(i);
        const THostGeneratedDimensionPtr& d = list[i];
        if (d->Source() == THostGeneratedDimension::TSource::gsSketch) {
            const auto& sketches = part.Sketches();
            const auto at = std::find_if(sketches.begin(), sketches.end(), [&d](const THostSketchPtr& s) {
                return tvapi::IModelObjectPtr(s) == d->Owner();
            });
            if (at != sketches.end()) kept.push_back({d, "sketch", at - sketches.begin()});
        } else if (d->Source() == THostGeneratedDimension::TSource::gsOperation) {
            const int index = FeatureIndex(part, d->Owner());
            if (index >= 0) kept.push_back({d, "feature", index});
        } // points are not kept in part files
    }
    unbuiltAt(list.size());
    return kept;
}

json GeneratedDimensionsJson(THostPart& part)
{
    json all = json::array();
    for (const TKeptGenerated& k : KeptGeneratedDimensions(part)) {
        if (k.Unbuilt) {
            json j = json::parse(k.Unbuilt->Record);
            j["owner"] = {{k.OwnerKind, k.OwnerIndex}};
            all.push_back(std::move(j));
            continue;
        }
        THostGeneratedDimension& d = *k.Dimension;
        json j = DimensionStateJson(d);
        j["owner"] = {{k.OwnerKind, k.OwnerIndex}};
        j["key"] = ToUtf8(d.Key());
        const auto* own = HostAs<THostVariable>(d.Variable());
        j["expression"] = ToUtf8(own ? own->Expression() : std::wstring()); // a sketch's keeps its own
        all.push_back(std::move(j));
    }
    return all;
}

namespace {

bool Unbuilt(THostPart& part, const tvapi::IModelObjectPtr& feature, const std::wstring& key)
{
    const std::vector<TUnbuiltGenerated>& all = part.UnbuiltGenerated();
    return std::any_of(all.begin(), all.end(),
                       [&](const TUnbuiltGenerated& u) { return u.Feature == feature && u.Key == key; });
}

// The record's dimension of the sketch, made; null when it is left out (noted).
THostGeneratedDimension* LoadOfSketch(THostPart& part, std::size_t index, const std::wstring& key)
{
    TGeneratedList& list = *part.Generated();
    if (index >= part.Sketches().size()) {
        NoteLeftOut("generated dimension of a sketch that no longer exists",
                    "generated dimensions of sketches that no longer exist");
        return nullptr;
    }
    const tvapi::IModelObjectPtr sketch(part.Sketches()[index]);
    if (Find(list, sketch, key)) {
        NoteLeftOut("generated dimension stored twice", "generated dimensions stored twice");
        return nullptr;
    }
    const std::size_t before = list.size();
    GenerateSketch(list, *part.Sketches()[index], sketch, &key);
    if (list.size() > before) return list.back().Get();
    NoteLeftOut("generated dimension of a sketch variable that no longer exists",
                "generated dimensions of sketch variables that no longer exist");
    return nullptr;
}

// The record's dimension of the extrusion, made; null when it is left out (noted) or kept
// unbuilt.
THostGeneratedDimension* LoadOfFeature(THostPart& part, const json& j, std::size_t index,
                                       const std::wstring& key)
{
    TGeneratedList& list = *part.Generated();
    const std::vector<tvapi::IModelObjectPtr> features = part.Features().Features();
    if (index >= features.size()) {
        NoteLeftOut("generated dimension of a feature that no longer exists",
                    "generated dimensions of features that no longer exist");
        return nullptr;
    }
    const int side = key == L"1" ? 1 : 0;
    const std::wstring sideKey = std::to_wstring(side);
    if (Find(list, features[index], sideKey) || Unbuilt(part, features[index], sideKey)) {
        NoteLeftOut("generated dimension stored twice", "generated dimensions stored twice");
        return nullptr;
    }
    if (THostGeneratedDimension* d = GenerateSide(part, list, features[index], side)) return d;
    // Its extrusion stays in the file failed: so does the dimension.
    json record = j;
    record.erase("owner");
    part.UnbuiltGenerated().push_back({features[index], sideKey, record.dump(), list.size()});
    return nullptr;
}

} // namespace

void LoadGeneratedDimensions(THostPart& part, const json& dimensions)
{
    for (const json& j : dimensions) {
        const std::wstring key = FromUtf8(j.at("key").get<std::string>());
        const json& owner = j.at("owner");
        THostGeneratedDimension* d =
            owner.contains("sketch") ? LoadOfSketch(part, owner.at("sketch").get<std::size_t>(), key)
                                     : LoadOfFeature(part, j, owner.at("feature").get<std::size_t>(), key);
        if (!d) continue;
        LoadDimensionState(*d, j);
        // A sketch's variable keeps its expression with its 2D dimension.
        if (auto* own = HostAs<THostVariable>(d->Variable()))
            own->SetExpressionDirect(FromUtf8(j.at("expression").get<std::string>()));
    }
}

} // namespace tvhost
