// Patch and ruled surfaces of a stand-in part.
#include "HostSurfaceFeatures.h"

#include <nlohmann/json.hpp>

#include "HostArgs.h"
#include "HostKernelFeatures.h"

namespace tvhost {

namespace {

using json = nlohmann::json;
using TObjects = std::vector<tvapi::IModelObjectPtr>;

// A chain as given (objects) or as read from a file (kernel curves).
struct TChain {
    TObjects Objects;
    std::vector<TShape> Read;

    std::vector<TShape> Shapes() const
    {
        if (Objects.empty()) return Read;
        std::vector<TShape> shapes;
        for (const tvapi::IModelObjectPtr& o : Objects)
            shapes.push_back(CurveShapeOf(o));
        return shapes;
    }
    json Json() const
    {
        json out = json::array();
        for (const TShape& shape : Shapes())
            out.push_back(BRepText(shape));
        return out;
    }
    void FromJson(const json& in)
    {
        Objects.clear();
        Read.clear();
        for (const json& piece : in)
            Read.push_back(ShapeOfFileText(piece.get<std::string>(), "a surface's piece"));
    }
};

bool AddSurface(TBodies& bodies, const TShape& surface, const char* why, std::string& error)
{
    if (!surface) {
        error = why;
        return false;
    }
    return ApplyTool(bodies, surface, tvapi::tvOperationNewBody, true, error);
}

// Journaled as "ISurfacePatch::<operation>".
class THostSurfacePatch final : public THostListedFeature<tvapi::ISurfacePatch> {
public:
    explicit THostSurfacePatch(TFeatureListRef list) : THostListedFeature(tvapi::o3d_unknown, std::move(list))
    {
    }

    void SetEdges(const TObjects& edges) override
    {
        if (Enter("ISurfacePatch::SetEdges", {ListArg(edges)})) FEdges.Objects = edges;
    }
    bool Apply(TBodies& bodies, std::string& error) override
    {
        return AddSurface(bodies, Patch(FEdges.Shapes()), "the edges of the patch do not close", error);
    }
    void Write(json& out, const TRefer&) const override { out = {{"edges", FEdges.Json()}}; }
    void Read(const json& in, const TFind&) override { FEdges.FromJson(in.at("edges")); }

private:
    TChain FEdges;
};

// Journaled as "IRuledSurfaceParametersByCurves::<operation>"; the ruled surface's own.
class THostRuledParameters final : public THostObjectOf<tvapi::IRuledSurfaceParametersByCurves> {
public:
    void SetCurves1(const TObjects& curves) override
    {
        if (Enter("IRuledSurfaceParametersByCurves::SetCurves1", {ListArg(curves)})) First.Objects = curves;
    }
    void SetCurves2(const TObjects& curves) override
    {
        if (Enter("IRuledSurfaceParametersByCurves::SetCurves2", {ListArg(curves)})) Second.Objects = curves;
    }
    void SetMatchDirections(bool match) override
    {
        if (Enter("IRuledSurfaceParametersByCurves::SetMatchDirections", {BoolArg(match)})) Match = match;
    }

    TChain First;
    TChain Second;
    bool Match = false;
};

// Journaled as "IRuledSurface::<operation>".
class THostRuledSurface final : public THostListedFeature<tvapi::IRuledSurface> {
public:
    explicit THostRuledSurface(TFeatureListRef list)
        : THostListedFeature(tvapi::o3d_unknown, std::move(list)), FParams(New<THostRuledParameters>())
    {
    }

    void SetBuildingType(tvapi::tvRuledSurfaceBuildingTypeEnum type) override
    {
        if (Enter("IRuledSurface::SetBuildingType", {std::to_string(type)})) FType = type;
    }
    tvapi::IAPIObjectPtr GetParameters() override
    {
        if (!Enter("IRuledSurface::GetParameters") || FType != tvapi::tvRuledSurfaceByCurves) return {};
        return tvapi::IAPIObjectPtr(FParams);
    }
    bool Apply(TBodies& bodies, std::string& error) override
    {
        const TShape surface = Ruled(FParams->First.Shapes(), FParams->Second.Shapes(), FParams->Match);
        return AddSurface(bodies, surface, "the curves of the ruled surface make no surface", error);
    }
    void Write(json& out, const TRefer&) const override
    {
        out = {{"type", FType},
               {"curves1", FParams->First.Json()},
               {"curves2", FParams->Second.Json()},
               {"match", FParams->Match}};
    }
    void Read(const json& in, const TFind&) override
    {
        FType = static_cast<tvapi::tvRuledSurfaceBuildingTypeEnum>(in.at("type").get<int>());
        FParams->First.FromJson(in.at("curves1"));
        FParams->Second.FromJson(in.at("curves2"));
        FParams->Match = in.at("match").get<bool>();
    }

private:
    tvapi::tvRuledSurfaceBuildingTypeEnum FType = tvapi::tvRuledSurfaceByCurves;
    tvapi::Ptr<THostRuledParameters> FParams;
};

} // namespace

tvapi::ISurfacePatchPtr NewSurfacePatch(const std::shared_ptr<TFeatureList>& list)
{
    const tvapi::Ptr<THostSurfacePatch> feature = New<THostSurfacePatch>(list);
    list->Append(tvapi::IModelObjectPtr(feature), *feature, ListKindPatch);
    return tvapi::ISurfacePatchPtr(feature);
}

tvapi::IRuledSurfacePtr NewRuledSurface(const std::shared_ptr<TFeatureList>& list)
{
    const tvapi::Ptr<THostRuledSurface> feature = New<THostRuledSurface>(list);
    list->Append(tvapi::IModelObjectPtr(feature), *feature, ListKindRuled);
    return tvapi::IRuledSurfacePtr(feature);
}

} // namespace tvhost
