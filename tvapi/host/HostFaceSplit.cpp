// Face splits of a stand-in part: the faces are cut by the kernel where the cutting geometry
// crosses them (a sketch's segments and circles swept along its normal, or planes), and the split bodies
// replace the part's own, so the part's face count grows.
#include <cmath>
#include <string>

#include <BRepAlgoAPI_Section.hxx>
#include <BRepBuilderAPI_MakeFace.hxx>
#include <BRepFeat_SplitShape.hxx>
#include <BRepPrimAPI_MakePrism.hxx>
#include <Standard_Failure.hxx>
#include <TopExp.hxx>
#include <TopExp_Explorer.hxx>
#include <TopTools_IndexedMapOfShape.hxx>
#include <TopoDS.hxx>
#include <gp_Pln.hxx>

#include "HostArgs.h"
#include "HostAuxGeometry.h"
#include "HostAuxList.h"
#include "HostDocuments.h"
#include "HostDrawing2D.h"
#include "HostFaceOperations.h"
#include "HostFeatures.h"
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
// is forgotten when the part goes (THostAuxGeometry's end).
class THostFaceSplit final : public THostModelObjectOf<tvapi::IFaceSplit> {
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

protected:
    bool Rebuild() override
    {
        std::vector<TShape> faces;
        for (const tvapi::IFacePtr& face : FFaces)
            if (TShape shape = FaceShapeOf(tvapi::IModelObjectPtr(face))) faces.push_back(std::move(shape));
        const std::vector<TShape> tools = Tools();
        return FOwner && !faces.empty() && !tools.empty() && FOwner->SplitFaces(faces, tools);
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
    try {
        const TopoDS_Shape face = BRepPrimAPI_MakePrism(*edge, gp_Vec(sweep[0], sweep[1], sweep[2])).Shape();
        return face.IsNull() ? TShape() : std::make_shared<const TopoDS_Shape>(face);
    } catch (const Standard_Failure&) {
        return {};
    }
}

TShape PlaneFace(const TFrame& plane, double half)
{
    const gp_Pln pln(gp_Ax3(gp_Pnt(plane.Origin[0], plane.Origin[1], plane.Origin[2]),
                            gp_Dir(plane.Z[0], plane.Z[1], plane.Z[2]),
                            gp_Dir(plane.X[0], plane.X[1], plane.X[2])));
    try {
        return std::make_shared<const TopoDS_Shape>(
            BRepBuilderAPI_MakeFace(pln, -half, half, -half, half).Face());
    } catch (const Standard_Failure&) {
        return {};
    }
}

TShape SplitFaces(const TShape& shape, const std::vector<TShape>& faces, const std::vector<TShape>& tools)
{
    if (!shape) return {};
    TopTools_IndexedMapOfShape own;
    TopExp::MapShapes(*shape, TopAbs_FACE, own);
    try {
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
        if (!cut) return {};
        splitter.Build();
        if (!splitter.IsDone()) return {};
        return std::make_shared<const TopoDS_Shape>(splitter.Shape());
    } catch (const Standard_Failure&) {
        return {};
    }
}

bool THostPart::SplitFaces(const std::vector<TShape>& faces, const std::vector<TShape>& tools)
{
    bool split = false;
    for (std::size_t i = 0; i < FBodies.size(); ++i) {
        const TShape result = tvhost::SplitFaces(FBodies[i]->Shape(), faces, tools);
        if (!result) continue;
        FShapes[i] = Moved(result, Inverse(FFrame));
        split = true;
    }
    if (!split) return false;
    PlaceBodies();
    // The next feature starts from the split bodies.
    if (FFeatures) FFeatures->Reshaped(FShapes);
    return true;
}

tvapi::IFaceSplitPtr THostAuxGeometry::AddFaceSplit(THostPart& owner)
{
    FFaceSplits.emplace_back(New<THostFaceSplit>(owner));
    return tvapi::IFaceSplitPtr(FFaceSplits.back());
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
