// Threads of a stand-in part, kept in its feature list, and the search of a part's faces,
// edges and vertices near a point; both measured on the kernel entities behind the objects.
#include <algorithm>
#include <array>
#include <cmath>
#include <utility>

#include <BRepAdaptor_Surface.hxx>
#include <BRepBuilderAPI_MakeVertex.hxx>
#include <BRepExtrema_DistShapeShape.hxx>
#include <BRepGProp_Face.hxx>
#include <BRep_Tool.hxx>
#include <TopExp_Explorer.hxx>
#include <TopoDS.hxx>
#include <TopoDS_Shape.hxx>
#include <nlohmann/json.hpp>

#include "HostArgs.h"
#include "HostKernelCall.h"
#include "HostMateFile.h"
#include "HostMeasure.h"
#include "HostPart.h"
#include "HostTopology.h"

namespace tvhost {

namespace {

using json = nlohmann::json;

// Metric coarse pitches: nominal diameter, pitch (mm).
constexpr std::array<std::pair<double, double>, 30> CoarsePitches{{
    {1.0, 0.25}, {1.2, 0.25}, {1.6, 0.35}, {2.0, 0.4},   {2.5, 0.45}, {3.0, 0.5},  {4.0, 0.7},  {5.0, 0.8},
    {6.0, 1.0},  {8.0, 1.25}, {10.0, 1.5}, {12.0, 1.75}, {14.0, 2.0}, {16.0, 2.0}, {18.0, 2.5}, {20.0, 2.5},
    {22.0, 2.5}, {24.0, 3.0}, {27.0, 3.0}, {30.0, 3.5},  {33.0, 3.5}, {36.0, 4.0}, {39.0, 4.0}, {42.0, 4.5},
    {45.0, 4.5}, {48.0, 5.0}, {52.0, 5.0}, {56.0, 5.5},  {60.0, 5.5}, {64.0, 6.0},
}};
// A diameter this close under a standard size is that size (a face's radius as computed).
constexpr double SizeSlack = 1e-6;

// What a search looks for.
class THostFindParameters final : public THostObjectOf<tvapi::IFindObjectParameters3D> {
public:
    tvapi::tvObj3dTypeEnum GetObjectType() override
    {
        return Enter("IFindObjectParameters3D::GetObjectType") ? FKind : tvapi::o3d_unknown;
    }
    void SetObjectType(tvapi::tvObj3dTypeEnum kind) override
    {
        if (Enter("IFindObjectParameters3D::SetObjectType", {std::to_string(kind)})) FKind = kind;
    }
    tvapi::tvObj3dTypeEnum Kind() const noexcept { return FKind; }

private:
    tvapi::tvObj3dTypeEnum FKind = tvapi::o3d_face;
};

} // namespace

double CoarsePitch(double diameter)
{
    double pitch = CoarsePitches.front().second;
    for (const auto& [size, p] : CoarsePitches)
        if (size <= diameter + SizeSlack) pitch = p;
    return pitch;
}

bool CylinderOf(const TShape& face, double& radius, double& length)
{
    if (!face || face->ShapeType() != TopAbs_FACE) return false;
    return Guarded(
        [&] {
            const BRepAdaptor_Surface surface(TopoDS::Face(*face), true);
            if (surface.GetType() != GeomAbs_Cylinder) return false;
            const gp_Cylinder cylinder = surface.Cylinder();
            const gp_Ax1 axis = cylinder.Axis();
            // The face's extent along the axis, from its vertices (a full cylinder has its two
            // circles' seam vertices).
            double lo = HUGE_VAL, hi = -HUGE_VAL;
            for (TopExp_Explorer v(*face, TopAbs_VERTEX); v.More(); v.Next()) {
                const gp_Pnt p = BRep_Tool::Pnt(TopoDS::Vertex(v.Current()));
                const double t = gp_Vec(axis.Location(), p).Dot(gp_Vec(axis.Direction()));
                lo = std::min(lo, t);
                hi = std::max(hi, t);
            }
            radius = cylinder.Radius();
            length = hi >= lo ? hi - lo : 0.0;
            return true;
        },
        false);
}

double DistanceToPoint(const tvapi::IModelObjectPtr& entity, const TXyz& point)
{
    const TShape shape =
        entity ? ShapeOfEntity(static_cast<const tvapi::IAPIObject*>(entity.Get())) : TShape();
    if (!shape) return -1.0;
    return Guarded(
        [&] {
            const TopoDS_Shape vertex = BRepBuilderAPI_MakeVertex(Pnt(point)).Shape();
            BRepExtrema_DistShapeShape extrema(vertex, *shape);
            return extrema.IsDone() ? extrema.Value() : -1.0;
        },
        -1.0);
}

// ---- threads ---------------------------------------------------------------------------------

THostThread::THostThread(TFeatureListRef list) : THostListedFeature(tvapi::o3d_thread, std::move(list)) {}

THostThread::THostThread(double diameter, double pitch)
    : THostListedFeature(tvapi::o3d_thread, {}), FDiameter(diameter), FPitch(pitch)
{
}

double THostThread::GetPitch()
{
    return Enter("IThread::GetPitch") ? FPitch : 0.0;
}

double THostThread::GetNominalDiameter()
{
    return Enter("IThreadsParameters::GetNominalDiameter") ? FDiameter : 0.0;
}

void THostThread::SetBaseObject(tvapi::IModelObjectPtr face)
{
    if (!Enter("IThread::SetBaseObject", {ObjectArg(face.Get())})) return;
    FBase = face;
    FFace = FaceShapeOf(face);
}

tvapi::IModelObjectPtr THostThread::GetBaseObject()
{
    return Enter("IThread::GetBaseObject") ? FBase : tvapi::IModelObjectPtr();
}

void THostThread::SetAutoDefinition(bool automatic)
{
    if (Enter("IThread::SetAutoDefinition", {BoolArg(automatic)})) FAuto = automatic;
}

void THostThread::SetFullLength(bool full)
{
    if (Enter("IThread::SetFullLength", {BoolArg(full)})) FFull = full;
}

void THostThread::SetLeftHand(bool left)
{
    if (Enter("IThread::SetLeftHand", {BoolArg(left)})) FLeft = left;
}

bool THostThread::Apply(TBodies&, std::string& error)
{
    double radius = 0.0, length = 0.0;
    if (!FFace) {
        error = "the thread has no face";
        return false;
    }
    if (!CylinderOf(FFace, radius, length)) {
        error = "the thread's face is no cylinder";
        return false;
    }
    if (FAuto) {
        FDiameter = 2.0 * radius;
        FPitch = CoarsePitch(FDiameter);
    }
    if (FFull) FLength = length;
    return true;
}

void THostThread::Write(json& out, const TRefer&) const
{
    out = {{"face", FFace ? BRepText(FFace) : std::string()},
           {"auto", FAuto},
           {"full", FFull},
           {"left", FLeft},
           {"diameter", FDiameter},
           {"pitch", FPitch},
           {"length", FLength}};
}

void THostThread::Read(const json& in, const TFind&)
{
    const std::string face = in.at("face").get<std::string>();
    FFace = ShapeOfFileText(face, "a thread's face");
    FAuto = in.at("auto").get<bool>();
    FFull = in.at("full").get<bool>();
    FLeft = in.at("left").get<bool>();
    FDiameter = in.at("diameter").get<double>();
    FPitch = in.at("pitch").get<double>();
    FLength = in.at("length").get<double>();
}

tvapi::IThreadPtr NewThread(const std::shared_ptr<TFeatureList>& list)
{
    const tvapi::Ptr<THostThread> thread = New<THostThread>(list);
    list->Append(tvapi::IModelObjectPtr(thread), *thread, tvapi::o3d_thread);
    return tvapi::IThreadPtr(thread);
}

// ---- search ----------------------------------------------------------------------------------

tvapi::IFindObjectParameters3DPtr THostPart::GetFindObjectParameters()
{
    if (!Enter("IFindObjects3D::GetFindObjectParameters")) return {};
    return tvapi::IFindObjectParameters3DPtr(New<THostFindParameters>());
}

std::vector<tvapi::IModelObjectPtr> THostPart::FindObjects(double x, double y, double z, double tolerance,
                                                           tvapi::IFindObjectParameters3DPtr parameters,
                                                           int all)
{
    if (!Enter("IFindObjects3D::FindObjects", {std::to_string(x), std::to_string(y), std::to_string(z),
                                               std::to_string(tolerance), std::to_string(all)}))
        return {};
    const THostFindParameters* p = HostAs<THostFindParameters>(parameters);
    if (!p) return {};
    const tvapi::tvObj3dTypeEnum kind = p->Kind();
    if (kind != tvapi::o3d_face && kind != tvapi::o3d_edge && kind != tvapi::o3d_vertex) return {};
    std::vector<tvapi::IModelObjectPtr> found;
    double nearest = HUGE_VAL;
    for (const tvapi::IModelObjectPtr& entity : EntitiesOf(*this, kind)) {
        const double d = DistanceToPoint(entity, {x, y, z});
        if (d < 0.0 || d > tolerance) continue;
        if (all == 1) {
            found.push_back(entity);
        } else if (d < nearest) {
            nearest = d;
            found = {entity};
        }
    }
    return found;
}

} // namespace tvhost
