// ==== drApi::TModelerApi (drModelerAPI.h), part: construction points, segments, helices =========
// Auxiliary curves and points of the current part: marker points, segments between
// coordinates or objects, the helix a spring is swept along, points tied to an edge, and the
// part's own objects.

#include "drModelerAPI.h"

#include <cmath>

#include "tvapi/Documents.h"
#include "tvapi/ModelContainer.h"
#include "tvapi/Part.h"

namespace drApi {

namespace {

// The host's colour value of a new point.
constexpr int PointColor = 255;

void Published(TRegistryApi& R, const tvapi::IModelObjectPtr& object)
{
    R.Obj3D = object;
    R.AMacroObject3D.Add(tvapi::ITervanAPIObjectPtr(R.Obj3D));
}

tvapi::ILineSegment3DPtr NewSegment(const tvapi::IPartPtr& Part)
{
    const tvapi::IAuxiliaryGeomContainerPtr container(Part);
    const tvapi::ILineSegments3DPtr segments = container ? container->GetLineSegments3D() : nullptr;
    return segments ? segments->Add() : nullptr;
}

void Named(const tvapi::IModelObjectPtr& object, const TString& Name)
{
    if (!Name.Empty()) object->SetName(Wide(Name).c_str());
}

} // namespace

void TModelerApi::drPoint3D(const Real& pX, const Real& pY, const Real& pZ, tvapi::tvAnnotationSymbolEnum pT,
                            const TString& Name, Boolean Hidden)
{
    const tvapi::IModelContainerPtr container(R3->Part);
    const tvapi::IPoints3DPtr points = container ? container->GetPoints3D() : nullptr;
    const tvapi::IPoint3DPtr point = points ? points->Add() : nullptr;
    if (!point) return;
    point->SetPointType(tvapi::tvPParamCoord);
    point->SetX(pX);
    point->SetY(pY);
    point->SetZ(pZ);
    point->SetSymbol(pT);
    point->SetHidden(Hidden);
    if (const tvapi::IColorParamPtr color(point); color) color->SetColor(PointColor);
    Named(tvapi::IModelObjectPtr(point), Name);
    point->Update();
    Published(*R3, tvapi::IModelObjectPtr(point));
}

void TModelerApi::drLine3D(const TPoint3D& P1, const TPoint3D& P2, const TString& Name, Boolean)
{
    R3->Obj3D = {};
    const tvapi::ILineSegment3DPtr segment = NewSegment(R3->Part);
    if (!segment) return;
    segment->SetPoint(true, P1.x, P1.y, P1.z);
    segment->SetPoint(false, P2.x, P2.y, P2.z);
    Named(tvapi::IModelObjectPtr(segment), Name);
    segment->Update();
    Published(*R3, tvapi::IModelObjectPtr(segment));
}

void TModelerApi::drLine3D(tvapi::IModelObjectPtr P1, tvapi::IModelObjectPtr P2, const TString& Name, Boolean)
{
    const tvapi::ILineSegment3DPtr segment = NewSegment(R3->Part);
    if (!segment) return;
    segment->SetPointObject(true, P1);
    segment->SetPointObject(false, P2);
    Named(tvapi::IModelObjectPtr(segment), Name);
    segment->Update();
    Published(*R3, tvapi::IModelObjectPtr(segment));
}

void TModelerApi::drSpiral3D(tvapi::IPlane3DPtr Plane, const Real& Height, const Real& Turns, const Real& D)
{
    const Real pitch = std::fabs(Height) / Turns;
    if (Turns == 0.0 || !std::isfinite(pitch)) return;
    const tvapi::IAuxiliaryGeomContainerPtr container(R3->Part);
    const tvapi::ISpirals3DPtr spirals = container ? container->GetSpirals3D() : nullptr;
    const tvapi::ISpiral3DPtr spiral =
        spirals ? tvapi::ISpiral3DPtr(spirals->Add(tvapi::o3d_cylindricSpiral)) : nullptr;
    if (!spiral) return;
    if (Plane) spiral->SetBasePlane(tvapi::IModelObjectPtr(Plane));
    spiral->SetTurns(Turns);
    spiral->SetDirection(Height > 0);
    spiral->SetHeight(std::fabs(Height));
    spiral->SetPitch(pitch);
    if (const tvapi::ICylindricSpiral3DPtr cylindric(spiral); cylindric) cylindric->SetDiameter(D);
    spiral->Update();
    Published(*R3, tvapi::IModelObjectPtr(spiral));
}

void TModelerApi::drConjunctivePoint(tvapi::IModelObjectPtr Vertex, tvapi::IModelObjectPtr Edge,
                                     Boolean Direction)
{
    // The document's auxiliary geometry is its top part's.
    const tvapi::ITervanDocument3DPtr doc(R3->IDoc);
    const tvapi::IAuxiliaryGeomContainerPtr container(doc ? doc->GetTopPart() : nullptr);
    const tvapi::IConjunctivePointsPtr points = container ? container->GetConjunctivePoints() : nullptr;
    const tvapi::IConjunctivePointPtr point = points ? points->Add() : nullptr;
    if (!point) return;
    point->SetVertex(Vertex);
    point->SetEdge(Edge);
    point->SetDirection(Direction);
    point->Update();
    Published(*R3, tvapi::IModelObjectPtr(point));
}

Boolean TModelerApi::GetConjunctivePoint(tvapi::IConjunctivePointPtr CP, TPoint3D& Point, TVector3D& Vector)
{
    if (!CP) return false;
    const tvapi::IPoint3DPtr vertex(CP->GetVertex());
    const tvapi::IMathCurve3DPtr curve(CP->GetEdge());
    if (!vertex || !curve) return false;
    CP->GetAxis(tvapi::o3d_axisOZ, Vector.x, Vector.y, Vector.z);
    const TPoint3D at(vertex->GetX(), vertex->GetY(), vertex->GetZ());
    Real t = 0;
    const Boolean found = curve->GetParamByPoint(at.x, at.y, at.z, t, false);
    curve->GetTangentVector(t, Vector.x, Vector.y, Vector.z);
    if (!CP->GetDirection()) Vector = TVector3D(-Vector.x, -Vector.y, -Vector.z);
    Point = at;
    return found;
}

} // namespace drApi
