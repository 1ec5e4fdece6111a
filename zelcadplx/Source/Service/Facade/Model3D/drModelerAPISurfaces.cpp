// ==== drApi::TModelerApi (drModelerAPI.h), part: patch and ruled surfaces, copies ==============
// Surfaces of the current part bounded by edges or ruled between two lists of curves, and
// copies of bodies placed by a local coordinate system.

#include "drModelerAPI.h"

#include "tvapi/Documents.h"
#include "tvapi/Features3D.h"
#include "tvapi/ModelContainer.h"

namespace drApi {

namespace {

// The new feature's last steps: its update decides whether it becomes Obj3D and a member of
// the open macro; Obj3D is emptied either way first.
void PublishBuilt(TRegistryApi& r, const tvapi::IModelObjectPtr& surface)
{
    const bool built = surface->Update();
    r.Obj3D.Reset();
    if (built) r.Obj3D = surface;
    r.AMacroObject3D.Add(tvapi::ITervanAPIObjectPtr(r.Obj3D));
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

} // namespace drApi
