// Face splits of a stand-in part: the faces are cut by the kernel where the cutting geometry
// crosses them (a sketch's segments and circles swept along its normal, or planes), and the split bodies
// replace the part's own, so the part's face count grows.
#include <cmath>
#include <string>
#include <utility>

#include <BRepAlgoAPI_Section.hxx>
#include <BRepBuilderAPI_MakeFace.hxx>
#include <BRepFeat_SplitShape.hxx>
#include <BRepPrimAPI_MakePrism.hxx>
#include <TopExp.hxx>
#include <TopExp_Explorer.hxx>
#include <TopTools_IndexedMapOfShape.hxx>
#include <TopoDS.hxx>
#include <gp_Pln.hxx>
#include <nlohmann/json.hpp>

#include "HostArgs.h"
#include "HostAuxGeometry.h"
#include "HostAuxList.h"
#include "HostDocuments.h"
#include "HostDrawing2D.h"
#include "HostFaceOperations.h"
#include "HostFeatures.h"
#include "HostKernelCall.h"
#include "HostModelObject.h"
#include "HostPart.h"
#include "HostSketch.h"
#include "HostTopology.h"
#include "tvapi/DrawingPrimitives.h"

namespace tvhost {

namespace {

// The frame that carries `f` back onto the model's axes (f's axes are orthonormal).
TFrame Inverse(const TFrame& f)
{
    TFrame back;
    back.X = {f.X[0], f.Y[0], f.Z[0]};
    back.Y = {f.X[1], f.Y[1], f.Z[1]};
    back.Z = {f.X[2], f.Y[2], f.Z[2]};
    const TXyz& o = f.Origin;
    for (std::size_t i = 0; i < 3; ++i)
        back.Origin[i] = -(o[0] * back.X[i] + o[1] * back.Y[i] + o[2] * back.Z[i]);
    return back;
}

// Face `index` (from 0, in the kernel's order) of `shape`; null when it has fewer.
TShape FaceAt(const TShape& shape, int index)
{
    if (!shape || index < 0) return {};
    TopTools_IndexedMapOfShape faces;
    TopExp::MapShapes(*shape, TopAbs_FACE, faces);
    return index < faces.Extent() ? Keep(faces(index + 1)) : TShape();
}

// A segment or circle of a sketch as an edge in the model, lifted by `w` along its normal;
// null for any other object.
TShape SketchEdge(const tvapi::IDrawingObjectPtr& o, const TFrame& f, double w)
{
    if (const tvapi::ILineSegmentPtr segment(o); segment)
        return MakeSegment(f.Point(segment->GetX1(), segment->GetY1(), w),
                           f.Point(segment->GetX2(), segment->GetY2(), w));
    if (const tvapi::ICirclePtr circle(o); circle)
        return MakeCircle(f.Point(circle->GetXc(), circle->GetYc(), w), f.Z, circle->GetRadius());
    return {};
}

// The sketch's segments and circles swept along its normal as `direction` says: dtNormal
// along it, dtReverse against it, the others both ways.
std::vector<TShape> SketchTools(THostSketch& sketch, tvapi::tvDirectionTypeEnum direction)
{
    TFrame f = sketch.Frame();
    f.Z = f.ExtrusionNormal();
    const double from = direction == tvapi::dtNormal ? 0.0 : -PlaneReach;
    const double to = direction == tvapi::dtReverse ? 0.0 : PlaneReach;
    const TXyz sweep{f.Z[0] * (to - from), f.Z[1] * (to - from), f.Z[2] * (to - from)};
    std::vector<TShape> tools;
    for (const tvapi::IDrawingObjectPtr& o : sketch.Document().Drawing().ActiveView().Children())
        if (TShape face = Swept(SketchEdge(o, f, from), sweep)) tools.push_back(std::move(face));
    return tools;
}

// Journaled as "IFaceSplit::<operation>". Built when some of its faces were split; the owner
// is forgotten when the part goes (THostAuxGeometry's end). Its first update takes its faces
// (by body and number) and its cutting faces and joins the part's feature list, so every build
// of the features splits them again and the part's file keeps it.
class THostFaceSplit final : public THostModelObjectOf<tvapi::IFaceSplit>, public TFeatureStep {
public:
    explicit THostFaceSplit(THostPart& owner) : THostModelObjectOf(tvapi::o3d_unknown), FOwner(&owner) {}

    void SetDirection(tvapi::tvDirectionTypeEnum direction) override
    {
        if (Enter("IFaceSplit::SetDirection", {std::to_string(direction)})) FDirection = direction;
    }
    void SetSketch(tvapi::ISketchPtr sketch) override
    {
        if (Enter("IFaceSplit::SetSketch", {ObjectArg(sketch.Get())})) FSketch = sketch;
    }
    void SetCutObjects(const std::vector<tvapi::IModelObjectPtr>& objects) override
    {
        if (Enter("IFaceSplit::SetCutObjects", {std::to_string(objects.size())})) FCutObjects = objects;
    }
    void SetFaces(const std::vector<tvapi::IFacePtr>& faces) override
    {
        if (Enter("IFaceSplit::SetFaces", {std::to_string(faces.size())})) FFaces = faces;
    }
    void Forget() noexcept { FOwner = nullptr; }
    // Joins the owner's feature list as read from its file (Read gives it its faces).
    void Listed()
    {
        if (FOwner) FOwner->Features().Append(tvapi::IModelObjectPtr(this), *this, ListKindFaceSplit);
        FListed = true;
    }

    // The feature list's side.
    bool Apply(TBodies& bodies, std::string& error) override
    {
        bool split = false;
        for (std::size_t i = 0; i < bodies.Solids.size(); ++i) {
            std::vector<TShape> faces;
            for (const auto& [body, face] : FFaceRefs)
                if (body == static_cast<int>(i))
                    if (TShape f = FaceAt(bodies.Solids[i], face)) faces.push_back(std::move(f));
            if (faces.empty()) continue;
            if (TShape result = tvhost::SplitFaces(bodies.Solids[i], faces, FTools)) {
                bodies.Solids[i] = std::move(result);
                split = true;
            }
        }
        if (!split) error = "no face of the split is cut";
        return split;
    }
    void SetBuilt(bool) override {}
    void Write(nlohmann::json& out, const TRefer&) const override
    {
        nlohmann::json faces = nlohmann::json::array(), tools = nlohmann::json::array();
        for (const auto& [body, face] : FFaceRefs)
            faces.push_back({body, face});
        for (const TShape& tool : FTools)
            tools.push_back(BRepText(tool));
        out = {{"faces", std::move(faces)}, {"tools", std::move(tools)}};
    }
    void Read(const nlohmann::json& in, const TFind&) override
    {
        FFaceRefs.clear();
        FTools.clear();
        for (const nlohmann::json& f : in.at("faces"))
            FFaceRefs.emplace_back(f.at(0).get<int>(), f.at(1).get<int>());
        for (const nlohmann::json& t : in.at("tools"))
            FTools.push_back(ShapeOfFileText(t.get<std::string>(), "a face split's cutting face"));
    }
    std::wstring& StepName() override { return FName; }
    std::vector<tvapi::IVariablePtr>& StepVariables() override { return FVariables; }

protected:
    bool Rebuild() override
    {
        if (!FOwner) return false;
        if (!FListed) {
            // Its faces by body and number among the part's bodies now, its cutting faces in the
            // part's own coordinates.
            FFaceRefs.clear();
            const std::vector<THostBodyPtr>& bodies = FOwner->Bodies();
            for (const tvapi::IFacePtr& face : FFaces)
                for (std::size_t b = 0; b < bodies.size(); ++b) {
                    const std::vector<tvapi::IModelObjectPtr> all = bodies[b]->Entities(tvapi::o3d_face);
                    for (std::size_t k = 0; k < all.size(); ++k)
                        if (all[k] == tvapi::IModelObjectPtr(face))
                            FFaceRefs.emplace_back(static_cast<int>(b), static_cast<int>(k));
                }
            FTools.clear();
            for (const TShape& tool : Tools())
                if (TShape local = Moved(tool, Inverse(FOwner->Frame()))) FTools.push_back(std::move(local));
            if (FFaceRefs.empty() || FTools.empty()) return false;
            Listed();
        }
        return FOwner->Features().Evaluate(*this);
    }

private:
    // Only the stand-in's sketches, planes and outline curves cut.
    std::vector<TShape> Tools() const
    {
        if (FSketch) {
            THostSketch* sketch = HostAs<THostSketch>(FSketch);
            return sketch ? SketchTools(*sketch, FDirection) : std::vector<TShape>();
        }
        std::vector<TShape> tools;
        for (const tvapi::IModelObjectPtr& object : FCutObjects) {
            TShape curves;
            if (TFrame plane; PlaneFrameOf(object, plane))
                tools.push_back(PlaneFace(plane, PlaneReach));
            else if (std::vector<TShape> cuts; OutlineOf(object, curves, cuts))
                tools.insert(tools.end(), cuts.begin(), cuts.end());
        }
        return tools;
    }

    THostPart* FOwner;
    tvapi::tvDirectionTypeEnum FDirection = tvapi::dtNormal;
    tvapi::ISketchPtr FSketch;
    std::vector<tvapi::IModelObjectPtr> FCutObjects;
    std::vector<tvapi::IFacePtr> FFaces;
    bool FListed = false;
    std::vector<std::pair<int, int>> FFaceRefs; // body, face number
    std::vector<TShape> FTools;                 // part coordinates
    std::vector<tvapi::IVariablePtr> FVariables;
};

class THostFaceSplits final : public THostAuxItemList<tvapi::IFaceSplits, tvapi::IFaceSplitPtr> {
public:
    explicit THostFaceSplits(THostPart& owner)
        : THostAuxItemList(owner, "IFaceSplits", &THostAuxGeometry::FaceSplits)
    {
    }
    tvapi::IFaceSplitPtr Add() override
    {
        if (!Enter("IFaceSplits::Add")) return {};
        return Aux().AddFaceSplit(*HostAs<THostPart>(FOwner));
    }
};

} // namespace

TShape Swept(const TShape& edge, const TXyz& sweep)
{
    if (!edge || std::hypot(sweep[0], sweep[1], sweep[2]) == 0.0) return {};
    return Made([&] { return BRepPrimAPI_MakePrism(*edge, Vec(sweep)).Shape(); });
}

TShape PlaneFace(const TFrame& plane, double half)
{
    return Made([&] {
        const gp_Pln pln(gp_Ax3(Pnt(plane.Origin), Dir(plane.Z), Dir(plane.X)));
        return BRepBuilderAPI_MakeFace(pln, -half, half, -half, half).Face();
    });
}

TShape SplitFaces(const TShape& shape, const std::vector<TShape>& faces, const std::vector<TShape>& tools)
{
    if (!shape) return {};
    TopTools_IndexedMapOfShape own;
    TopExp::MapShapes(*shape, TopAbs_FACE, own);
    return Made([&] {
        BRepFeat_SplitShape splitter(*shape);
        bool cut = false;
        for (const TShape& face : faces) {
            if (!face || !own.Contains(*face)) continue;
            const TopoDS_Face f = TopoDS::Face(own.FindKey(own.FindIndex(*face)));
            for (const TShape& tool : tools) {
                BRepAlgoAPI_Section section(f, *tool, false);
                section.ComputePCurveOn1(true);
                section.Build();
                if (!section.IsDone()) continue;
                for (TopExp_Explorer e(section.Shape(), TopAbs_EDGE); e.More(); e.Next(), cut = true)
                    splitter.Add(TopoDS::Edge(e.Current()), f);
            }
        }
        if (!cut) return TopoDS_Shape();
        splitter.Build();
        return splitter.IsDone() ? splitter.Shape() : TopoDS_Shape();
    });
}

tvapi::IFaceSplitPtr THostAuxGeometry::AddFaceSplit(THostPart& owner)
{
    FFaceSplits.emplace_back(New<THostFaceSplit>(owner));
    return tvapi::IFaceSplitPtr(FFaceSplits.back());
}

tvapi::IModelObjectPtr NewListedFaceSplit(THostPart& part)
{
    const tvapi::IFaceSplitPtr split = part.AuxGeometry().AddFaceSplit(part);
    HostAs<THostFaceSplit>(split)->Listed();
    return tvapi::IModelObjectPtr(split);
}

THostAuxGeometry::~THostAuxGeometry()
{
    for (const tvapi::IModelObjectPtr& split : FFaceSplits)
        if (THostFaceSplit* host = HostAs<THostFaceSplit>(split)) host->Forget();
}

tvapi::IFaceSplitsPtr THostPart::GetFaceSplits()
{
    if (!Enter("IAuxiliaryGeomContainer::GetFaceSplits")) return {};
    return New<THostFaceSplits>(*this);
}

} // namespace tvhost
