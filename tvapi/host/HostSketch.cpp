// A sketch of a stand-in part and its 2D document.
#include "HostSketch.h"

#include <cmath>
#include <numbers>

#include "HostArgs.h"
#include "HostAuxGeometry.h"
#include "HostDocuments.h"
#include "HostDrawingObject.h"
#include "HostGeneratedDimensions.h"

namespace tvhost {

namespace {

double Dot(const TXyz& a, const TXyz& b)
{
    return a[0] * b[0] + a[1] * b[1] + a[2] * b[2];
}

TXyz Turned(const TXyz& a, const TXyz& b, double c, double s)
{
    return {c * a[0] + s * b[0], c * a[1] + s * b[1], c * a[2] + s * b[2]};
}

} // namespace

THostSketch::THostSketch(std::wstring name)
    : THostFeatureOf(tvapi::o3d_sketch), FDocument(New<THostDocument2D>(tvapi::tvDocumentFragment, false))
{
    FName = std::move(name);
}

THostSketch::~THostSketch() = default;

std::vector<tvapi::IModelObjectPtr> THostSketch::ObjectsOf(tvapi::tvObj3dTypeEnum kind)
{
    std::vector<tvapi::IModelObjectPtr> objects;
    if (kind == tvapi::o3d_variable)
        for (const tvapi::IVariablePtr& v : SketchVariables(*this))
            objects.emplace_back(v);
    return objects;
}

std::vector<tvapi::IVariablePtr> THostSketch::AllVariables()
{
    return SketchVariables(*this);
}

tvapi::IModelObjectPtr THostSketch::GetPlane()
{
    if (!Enter("ISketch::GetPlane")) return {};
    return FPlane;
}

void THostSketch::SetPlane(tvapi::IModelObjectPtr plane)
{
    if (!Enter("ISketch::SetPlane", {ObjectArg(plane.Get())})) return;
    FPlane = plane;
    FPlaneKind = plane ? plane->GetObjectType() : tvapi::o3d_unknown;
}

double THostSketch::GetAngle()
{
    if (!Enter("ISketch::GetAngle")) return 0.0;
    return FAngle;
}

void THostSketch::SetAngle(double angle)
{
    if (Enter("ISketch::SetAngle", {NumberArg(angle)}) && std::isfinite(angle)) FAngle = angle;
}

bool THostSketch::PointIntoSketch(double x, double y, double z, double& u, double& v)
{
    if (!Enter("ISketch::PointIntoSketch", {NumberArg(x), NumberArg(y), NumberArg(z)})) return false;
    const TFrame f = Frame();
    const TXyz d{x - f.Origin[0], y - f.Origin[1], z - f.Origin[2]};
    u = Dot(d, f.X);
    v = Dot(d, f.Y);
    return true;
}

std::vector<tvapi::ITervanAPIObjectPtr> THostSketch::AddProjection(tvapi::IModelObjectPtr object)
{
    if (!Enter("ISketch::AddProjection", {ObjectArg(object.Get())})) return {};
    TXyz at;
    if (!object || !PositionOf(object, at)) return {};
    const TFrame f = Frame();
    const TXyz d{at[0] - f.Origin[0], at[1] - f.Origin[1], at[2] - f.Origin[2]};
    const tvapi::IViewsAndLayersManagerPtr manager = FDocument->GetViewsAndLayersManager();
    const tvapi::IViewsPtr views = manager ? manager->GetViews() : tvapi::IViewsPtr();
    const tvapi::IDrawingContainerPtr container(views ? views->GetActiveView() : tvapi::IViewPtr());
    const tvapi::IPointsPtr points = container ? container->GetPoints() : tvapi::IPointsPtr();
    const tvapi::IPointPtr point = points ? points->Add() : tvapi::IPointPtr();
    if (!point) return {};
    point->SetX(Dot(d, f.X));
    point->SetY(Dot(d, f.Y));
    point->SetStyle(1);
    tvapi::IDrawingObjectPtr(point)->Update();
    return {tvapi::ITervanAPIObjectPtr(point)};
}

tvapi::Ptr<tvapi::ITervanDocument2D> THostSketch::BeginEdit(bool show)
{
    if (!Enter("ISketch::BeginEdit", {BoolArg(show)})) return {};
    FEditing = true;
    return FDocument;
}

bool THostSketch::EndEdit()
{
    if (!Enter("ISketch::EndEdit")) return false;
    const bool was = FEditing;
    FEditing = false;
    return was;
}

THostDocument2D& THostSketch::Document() const noexcept
{
    return *HostAs<THostDocument2D>(FDocument);
}

bool THostSketch::PlaneFrame(TFrame& frame) const
{
    return PlaneFrameOf(FPlane, frame);
}

TFrame THostSketch::Frame() const
{
    TFrame f;
    if (!PlaneFrame(f)) f = BasePlaneFrame(FPlaneKind);
    const double a = FAngle * std::numbers::pi / 180.0;
    const double c = std::cos(a), s = std::sin(a);
    const TXyz x = Turned(f.X, f.Y, c, s);
    const TXyz y = Turned(f.Y, f.X, c, -s);
    f.X = x;
    f.Y = y;
    return f;
}

void THostSketch::RestorePlane(tvapi::tvObj3dTypeEnum kind, const std::wstring& name, const TFrame* frame)
{
    FPlane =
        frame ? FixedPlane(kind, name, *frame) : tvapi::IModelObjectPtr(New<THostModelObject>(kind, name));
    FPlaneKind = kind;
}

} // namespace tvhost
