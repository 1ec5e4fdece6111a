// ==== drApi::TModelerApi (drModelerAPI.h), part: surfaces, faces, copies, billets ================
// Surfaces of the current part bounded by edges or ruled between two lists of curves, copies
// of bodies placed by a local coordinate system, the operations on surfaces and faces (offset,
// trim, removal, sewing, thickening, outline curves and the split along them, 3D contours,
// scaling) and billets inserted from part files.

#include "drModelerAPI.h"

#include <cmath>

#include "TFileName.h"
#include "tvapi/ApplicationServices.h"
#include "tvapi/AuxiliaryGeometry.h"
#include "tvapi/Documents.h"
#include "tvapi/Features3D.h"
#include "tvapi/ModelContainer.h"
#include "tvapi/SurfaceFeatures.h"

namespace drApi {

namespace {

// The new feature's last steps: its update decides whether it becomes Obj3D and a member of
// the open macro; Obj3D is emptied either way first. True when built.
bool PublishBuilt(TRegistryApi& r, const tvapi::IModelObjectPtr& surface)
{
    const bool built = surface->Update();
    r.Obj3D.Reset();
    if (built) r.Obj3D = surface;
    r.AMacroObject3D.Add(tvapi::ITervanAPIObjectPtr(r.Obj3D));
    return built;
}

// A new object of the collection `get` of `part`'s container C; empty without the container,
// the collection or the object.
template <class C, class List> auto NewItem(const tvapi::IPartPtr& part, tvapi::Ptr<List> (C::*get)())
{
    const tvapi::Ptr<C> container(part);
    const tvapi::Ptr<List> list = container ? (container.Get()->*get)() : nullptr;
    return list ? list->Add() : decltype(list->Add())();
}

// The outline's direction given by coefficients; false when the host offers no direction or
// no coefficients, so no outline is built along a direction never set.
bool SetOutlineDirection(const tvapi::ICurveOutLinePtr& outline, const TVector3D& V)
{
    {
        const tvapi::IVector3DPtr direction = outline->GetDirectionVector();
        if (!direction) return false;
        direction->SetParametersType(tvapi::tvVector3DCoefficients);
    }
    const tvapi::IVector3DPtr direction = outline->GetDirectionVector();
    const tvapi::IVector3DByCoefficientsParametersPtr coefficients(direction ? direction->GetParameters()
                                                                             : nullptr);
    if (!coefficients) return false;
    coefficients->SetX(V.x);
    coefficients->SetY(V.y);
    coefficients->SetZ(V.z);
    return true;
}

} // namespace

void TModelerApi::drSurfacePatchEdges(const TVOfMO& Edges)
{
    TRegistryApi& r = *R3;
    drEndEskis();
    const tvapi::ISurfaceContainerPtr container(r.Part);
    const tvapi::ISurfacePatchesPtr patches = container ? container->GetSurfacePatches() : nullptr;
    const tvapi::ISurfacePatchPtr patch = patches ? patches->Add() : nullptr;
    if (!patch) return;
    patch->SetEdges(Edges);
    PublishBuilt(r, tvapi::IModelObjectPtr(patch));
}

void TModelerApi::drRuledSurface(const TVOfMO& Edges1, const TVOfMO& Edges2)
{
    TRegistryApi& r = *R3;
    drEndEskis();
    const tvapi::ISurfaceContainerPtr container(r.Part);
    const tvapi::IRuledSurfacesPtr surfaces = container ? container->GetRuledSurfaces() : nullptr;
    const tvapi::IRuledSurfacePtr surface = surfaces ? surfaces->Add() : nullptr;
    if (!surface) return;
    surface->SetBuildingType(tvapi::tvRuledSurfaceByCurves);
    const tvapi::IRuledSurfaceParametersByCurvesPtr params(surface->GetParameters());
    if (!params) return;
    params->SetCurves1(Edges1);
    params->SetCurves2(Edges2);
    params->SetMatchDirections(true);
    PublishBuilt(r, tvapi::IModelObjectPtr(surface));
}

void TModelerApi::drCopyObj(const TVOfMO& Objects, tvapi::ILocalCoordinateSystemPtr Lsk,
                            tvapi::ITervanDocument3DPtr NewDoc)
{
    TRegistryApi& r = *R3;
    const tvapi::IModelContainerPtr container(r.Part);
    const tvapi::ICopiesGeometryPtr copies = container ? container->GetCopiesGeometry() : nullptr;
    const tvapi::ICopyGeometryPtr copy = copies ? copies->Add() : nullptr;
    if (!copy) return;
    // Objects of another document go with it as their source; never both ways.
    if (NewDoc)
        copy->SetSource(NewDoc, nullptr, Objects);
    else
        copy->SetObjects(Objects);
    copy->SetLocalCoordinateSystem(Lsk);
    PublishBuilt(r, tvapi::IModelObjectPtr(copy));
}

void TModelerApi::drEquidistSurface(const TVOfMO& Objects, const Boolean Direction, const Real& Distance)
{
    TRegistryApi& r = *R3;
    r.Obj3D.Reset();
    const tvapi::IEquidistantSurfacePtr surface =
        NewItem(r.Part, &tvapi::ISurfaceContainer::GetEquidistantSurfaces);
    if (!surface) return;
    surface->SetBaseObjects(Objects);
    surface->SetDirection(Direction);
    surface->SetDistance(Distance);
    PublishBuilt(r, tvapi::IModelObjectPtr(surface));
}

void TModelerApi::drTrimmSurface(const TVOfMO& Surfaces, const TVOfMO& Objects, Boolean Sense)
{
    TRegistryApi& r = *R3;
    const tvapi::ITrimmedSurfacePtr surface = NewItem(r.Part, &tvapi::ISurfaceContainer::GetTrimmedSurfaces);
    if (!surface) return;
    surface->SetSurfaces(Surfaces);
    surface->SetTrimmingObjects(Objects);
    surface->SetSense(Sense);
    // The host settles a trim on the second update; the first one's answer does not count.
    (void)tvapi::IModelObjectPtr(surface)->Update();
    PublishBuilt(r, tvapi::IModelObjectPtr(surface));
}

void TModelerApi::drFaceRemove(const TVOfMO& Faces)
{
    if (Faces.empty()) return;
    TRegistryApi& r = *R3;
    const tvapi::IFaceRemoverPtr remover = NewItem(r.Part, &tvapi::ISurfaceContainer::GetFaceRemovers);
    if (!remover) return;
    remover->SetFaces(Faces);
    PublishBuilt(r, tvapi::IModelObjectPtr(remover));
}

void TModelerApi::drFaceSewer(const TVOfMO& Faces, Boolean CreateBody)
{
    if (Faces.empty()) return;
    TRegistryApi& r = *R3;
    const tvapi::ISurfaceSewerPtr sewer = NewItem(r.Part, &tvapi::ISurfaceContainer::GetSurfaceSewers);
    if (!sewer) return;
    sewer->SetFaces(Faces);
    sewer->SetCreateBody(CreateBody);
    PublishBuilt(r, tvapi::IModelObjectPtr(sewer));
}

void TModelerApi::drFaceThickness(const TVOfMO& Faces, const Real& T)
{
    if (Faces.empty()) return;
    TRegistryApi& r = *R3;
    const tvapi::ISurfaceThickeningPtr thickening =
        NewItem(r.Part, &tvapi::IModelContainer::GetSurfaceThickenings);
    if (!thickening) return;
    thickening->SetFaces(Faces);
    if (const tvapi::IThinParametersPtr thin(thickening); thin) {
        thin->SetThinWallDirection(T <= 0.0);
        thin->SetThickness(true, std::fabs(T));
        thin->SetThickness(false, std::fabs(T));
    }
    PublishBuilt(r, tvapi::IModelObjectPtr(thickening));
}

void TModelerApi::drCurveOutLine(const TVOfMO& Faces, TVector3D& V)
{
    if (Faces.empty()) return;
    TRegistryApi& r = *R3;
    const tvapi::ICurveOutLinePtr outline =
        NewItem(r.Part, &tvapi::IAuxiliaryGeomContainer::GetCurveOutLines);
    if (!outline) return;
    outline->SetFaces(Faces);
    if (!SetOutlineDirection(outline, V)) return;
    PublishBuilt(r, tvapi::IModelObjectPtr(outline));
}

void TModelerApi::drContour3D(const TVOfMO& Edges)
{
    if (Edges.empty()) return;
    TRegistryApi& r = *R3;
    const tvapi::IContour3DPtr contour = NewItem(r.Part, &tvapi::IAuxiliaryGeomContainer::GetContours3D);
    if (!contour) return;
    contour->SetSegments(Edges);
    PublishBuilt(r, tvapi::IModelObjectPtr(contour));
}

void TModelerApi::drScalings3D(tvapi::ITervanAPIObjectPtr Body, const Real& Scale,
                               tvapi::IModelObjectPtr Point)
{
    TRegistryApi& r = *R3;
    const tvapi::IScaling3DPtr scaling = NewItem(r.Part, &tvapi::IModelContainer::GetScalings3D);
    if (!scaling) return;
    scaling->SetObject(tvapi::IModelObjectPtr(Body));
    scaling->SetScale(Scale);
    if (Point) scaling->SetBasePoint(Point);
    if (!PublishBuilt(r, tvapi::IModelObjectPtr(scaling)) && r.TervanError)
        (void)r.TervanError->ClearLastError();
}

void TModelerApi::drSplitFaceOutLine(tvapi::IFacePtr EFace, TVector3D& V)
{
    // Emptied first, so an outline curve left by an earlier call never splits this face.
    R3->Obj3D.Reset();
    const TVOf<tvapi::IFacePtr> faces{EFace};
    drCurveOutLine(TVOfMO{tvapi::IModelObjectPtr(EFace)}, V);
    const tvapi::ICurveOutLinePtr outline(R3->Obj3D);
    if (!outline) return;
    drSplitFaceObjects(faces, TVOfMO{tvapi::IModelObjectPtr(outline)}, tvapi::dtBoth);
}

void TModelerApi::drAllSurfaceSewer()
{
    const tvapi::IModelObjectPtr part(R3->Part);
    const tvapi::IFeaturePtr feature = part ? part->GetFeature() : nullptr;
    if (!feature) return;
    drFaceSewer(feature->GetModelObjects({tvapi::o3d_face}), true);
}

void TModelerApi::drPutStorage(Str& Name, const Boolean fromHistiry, const Boolean Mirror)
{
    (void)fromHistiry; // the host has one kind of billet
    TRegistryApi& r = *R3;
    r.Obj3D.Reset();
    if (!FileExists(Name) || !r.Part) return;
    const tvapi::IModelContainerPtr container(r.Part);
    const tvapi::IBilletsObsoletesPtr billets = container ? container->GetBilletsObsoletes() : nullptr;
    const tvapi::IBilletObsoletePtr billet = billets ? billets->Add(Name.toWideChar(), Mirror) : nullptr;
    if (!billet) return;
    // A billet whose rebuild fails is kept all the same: the part shows it as failed.
    (void)tvapi::IModelObjectPtr(billet)->Update();
    r.Obj3D = tvapi::IModelObjectPtr(billet);
    r.AMacroObject3D.Add(tvapi::ITervanAPIObjectPtr(r.Obj3D));
}

} // namespace drApi
