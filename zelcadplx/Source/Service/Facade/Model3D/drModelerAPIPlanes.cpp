// ==== drApi::TModelerApi (drModelerAPI.h), part: construction planes and axes ====================
// Auxiliary planes and axes of the current part. A new plane becomes the current plane, the
// place of the next sketch; the composite operations chain axis, angle and offset, and the
// "Eskis" forms open a sketch on the plane they made.

#include "drModelerAPI.h"

#include <exception>

namespace drApi {

namespace {

// A new object of `kind` from the part's planes (or axes) as interface I; empty when the
// part, its container, the collection or the object is missing or of another interface.
template <class I> tvapi::Ptr<I> NewAux(const tvapi::IPartPtr& Part, tvapi::tvObj3dTypeEnum kind, bool axis)
{
    const tvapi::IAuxiliaryGeomContainerPtr container(Part);
    if (!container) return {};
    if (axis) {
        const tvapi::IAxes3DPtr axes = container->GetAxes3D();
        return axes ? tvapi::Ptr<I>(axes->Add(kind)) : tvapi::Ptr<I>();
    }
    const tvapi::IPlanes3DPtr planes = container->GetPlanes3D();
    return planes ? tvapi::Ptr<I>(planes->Add(kind)) : tvapi::Ptr<I>();
}

template <class I> tvapi::Ptr<I> NewPlane(const tvapi::IPartPtr& Part, tvapi::tvObj3dTypeEnum kind)
{
    return NewAux<I>(Part, kind, false);
}

// Builds the new plane, hides it and makes it current, last and recorded.
void PlaneMade(TRegistryApi& R, const tvapi::IModelObjectPtr& plane)
{
    plane->Update();
    if (const tvapi::IHiddenStatePtr hidden(plane); hidden) hidden->SetHidden(true);
    R.Obj3D = plane;
    R.Plane = plane;
    R.AMacroObject3D.Add(tvapi::ITervanAPIObjectPtr(R.Obj3D));
}

tvapi::IPlane3DPtr AsPlane(const tvapi::IModelObjectPtr& object)
{
    return tvapi::IPlane3DPtr(object);
}

// An angle (degrees) moved by one turn towards [0, 360), once only: -400 stays negative.
Real OneTurnStep(Real a)
{
    return a < 0 ? a + 360 : a >= 360 ? a - 360 : a;
}

} // namespace

tvapi::IModelObjectPtr TModelerApi::drDefault(tvapi::tvObj3dTypeEnum objType)
{
    const tvapi::IAuxiliaryGeomContainerPtr container(R3->Part);
    return container ? container->GetDefaultObject(objType) : tvapi::IModelObjectPtr();
}

void TModelerApi::drPlane(tvapi::tvObj3dTypeEnum BasePlane, Real const& Distance)
{
    R3->Obj3D = {};
    if (!R3->Part) return;
    const tvapi::IModelObjectPtr base = drDefault(BasePlane);
    if (Distance == 0.0) {
        R3->Plane = base;
        return;
    }
    drPlaneOffset(AsPlane(base), Distance);
}

void TModelerApi::drPlaneOffset(tvapi::IPlane3DPtr Plane, Real const& Distance)
{
    R3->Obj3D = {};
    if (!R3->Part || !Plane) return;
    try {
        const tvapi::IPlane3DByOffsetPtr plane =
            NewPlane<tvapi::IPlane3DByOffset>(R3->Part, tvapi::o3d_planeOffset);
        if (!plane) return;
        plane->SetBasePlane(tvapi::IModelObjectPtr(Plane));
        plane->SetOffset(std::fabs(Distance));
        plane->SetDirection(Distance > 0);
        PlaneMade(*R3, tvapi::IModelObjectPtr(plane));
    } catch (const std::exception&) {
        // The host refused part of it; what was set stays, as the operation promises.
    }
}

tvapi::IAxis3DBy2PlanesPtr TModelerApi::drAxisPlanes(tvapi::IPlane3DPtr P1, tvapi::IPlane3DPtr P2)
{
    const tvapi::IAxis3DBy2PlanesPtr axis =
        NewAux<tvapi::IAxis3DBy2Planes>(R3->Part, tvapi::o3d_axis2Planes, true);
    if (!axis) return {};
    axis->SetPlane(0, tvapi::IModelObjectPtr(P1));
    axis->SetPlane(1, tvapi::IModelObjectPtr(P2));
    axis->Update();
    R3->Obj3D = tvapi::IModelObjectPtr(axis);
    R3->AMacroObject3D.Add(tvapi::ITervanAPIObjectPtr(R3->Obj3D));
    return axis;
}

void TModelerApi::drPlanePerpendEdgeVertex(tvapi::IModelObjectPtr Edge, tvapi::IModelObjectPtr Point)
{
    if (!R3->Part || !Edge || !Point) return;
    const tvapi::IPlane3DPerpendicularByEdgePtr plane =
        NewPlane<tvapi::IPlane3DPerpendicularByEdge>(R3->Part, tvapi::o3d_planePerpendicular);
    if (!plane) return;
    plane->SetEdge(Edge);
    plane->SetPoint(Point);
    PlaneMade(*R3, tvapi::IModelObjectPtr(plane));
}

void TModelerApi::drPlaneParallelVertex(tvapi::tvObj3dTypeEnum BasePlane, tvapi::IModelObjectPtr Point)
{
    if (!R3->Part || !Point) return;
    const tvapi::IPlane3DParallelByPointPtr plane =
        NewPlane<tvapi::IPlane3DParallelByPoint>(R3->Part, tvapi::o3d_planeParallel);
    if (!plane) return;
    plane->SetPlane(drDefault(BasePlane));
    plane->SetPoint(Point);
    PlaneMade(*R3, tvapi::IModelObjectPtr(plane));
}

void TModelerApi::drPlaneParallelVertex(tvapi::IPlane3DPtr Plane, tvapi::IModelObjectPtr Point)
{
    if (!R3->Part || !Point) return;
    const tvapi::IPlane3DParallelByPointPtr plane =
        NewPlane<tvapi::IPlane3DParallelByPoint>(R3->Part, tvapi::o3d_planeParallel);
    if (!plane) return;
    plane->SetPlane(tvapi::IModelObjectPtr(Plane));
    plane->SetPoint(Point);
    PlaneMade(*R3, tvapi::IModelObjectPtr(plane));
}

void TModelerApi::drPlaneAxisAngle(tvapi::IPlane3DPtr Plane, tvapi::IModelObjectPtr Axis, Real const& Angle)
{
    if (!R3->Part || !Plane || !Axis) return;
    const tvapi::IPlane3DByAnglePtr plane = NewPlane<tvapi::IPlane3DByAngle>(R3->Part, tvapi::o3d_planeAngle);
    if (!plane) return;
    plane->SetBasePlane(tvapi::IModelObjectPtr(Plane));
    plane->SetAxis(Axis);
    plane->SetDirection(Angle > 0);
    plane->SetAngle(std::fabs(Angle));
    PlaneMade(*R3, tvapi::IModelObjectPtr(plane));
}

void TModelerApi::drPlaneXOZAngleOffset(Real const& Angle, Real const& Offset)
{
    const tvapi::IPlane3DPtr xoz = AsPlane(drDefault(tvapi::o3d_planeXOZ));
    const tvapi::IPlane3DPtr yoz = AsPlane(drDefault(tvapi::o3d_planeYOZ));
    const tvapi::IAxis3DBy2PlanesPtr axis = drAxisPlanes(xoz, yoz);
    drPlaneAxisAngle(xoz, tvapi::IModelObjectPtr(axis), -Angle);
    drPlaneOffset(AsPlane(R3->Plane), Offset);
}

void TModelerApi::drPlaneCurrentXOYAngleOffset(Real const& Angle, Real const& Offset)
{
    const tvapi::IPlane3DPtr xoy = AsPlane(drDefault(tvapi::o3d_planeXOY));
    const tvapi::IAxis3DBy2PlanesPtr axis = drAxisPlanes(AsPlane(R3->Plane), xoy);
    drPlaneAxisAngle(xoy, tvapi::IModelObjectPtr(axis), Angle);
    drPlaneOffset(AsPlane(R3->Plane), Offset);
}

void TModelerApi::drPlane(TPoint3D const& P1, TPoint3D const& P2, TPoint3D const& P3)
{
    if (!R3->Part) return;
    tvapi::IPoint3DPtr points[3];
    const TPoint3D* given[3] = {&P1, &P2, &P3};
    for (int i = 0; i < 3; ++i) {
        drPoint3D(given[i]->x, given[i]->y, given[i]->z, tvapi::tvDotPoint, "0", true);
        points[i] = tvapi::IPoint3DPtr(R3->Obj3D);
    }
    const tvapi::IPlane3DBy3PointsPtr plane =
        NewPlane<tvapi::IPlane3DBy3Points>(R3->Part, tvapi::o3d_plane3Points);
    if (!plane) return;
    for (int i = 0; i < 3; ++i)
        plane->SetPoint(i, tvapi::IModelObjectPtr(points[i]));
    PlaneMade(*R3, tvapi::IModelObjectPtr(plane));
}

void TModelerApi::drPlaneEskis(tvapi::tvObj3dTypeEnum BasePlane, Real Distance, Real Angle, Str const& Name)
{
    drEndEskis();
    drPlane(BasePlane, Distance);
    drCreateEskis(Angle, Name);
}

void TModelerApi::drPlaneAxisAngleEskis(tvapi::IPlane3DPtr Plane, tvapi::IModelObjectPtr Axis,
                                        Real const& Angle)
{
    drPlaneAxisAngle(Plane, Axis, Angle);
    drCreateEskis(0.0, Str());
}

void TModelerApi::drPlaneXOZAngleOffsetEskis(Real const& iAngle, Real const& Offset, Real const& AngleEskiz)
{
    const Real a = OneTurnStep(iAngle);
    drPlaneXOZAngleOffset(a, Offset);
    drCreateEskis(GetAngleEskiz(a) + AngleEskiz, Str());
}

Real GetAngleEskiz(const Real& EAngle)
{
    const Real a = OneTurnStep(EAngle);
    if (a == 90) return 90;
    if (a == 270) return -90;
    if (a > 90 && a < 270) return 180;
    return 0;
}

void drPlanePerpendEdgeVertex(tvapi::IModelObjectPtr Edge, tvapi::IModelObjectPtr Point)
{
    MA.drPlanePerpendEdgeVertex(Edge, Point);
}

void drPlanePerpendEdgeVertexEskis(tvapi::IModelObjectPtr Edge, tvapi::IModelObjectPtr Point,
                                   Real const& AngleEskiz)
{
    drPlanePerpendEdgeVertex(Edge, Point);
    MA.drCreateEskis(AngleEskiz, Str());
}

} // namespace drApi
