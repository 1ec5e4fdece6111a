// ==== drApi::TModelerApi (drModelerAPI.h), part: sketch-based features =========================
// Extrusions, rotations and sweeps of the current sketch in the current part, as bosses, cuts
// or surfaces, the modeller's fixed forms of them, and editing the part in place.

#include "drModelerAPI.h"

#include <cmath>

#include "tvapi/Features3D.h"
#include "tvapi/ModelContainer.h"

namespace drApi {

namespace {

// The part's collection of solid (Body) or surface features of one family; empty when the
// part or its container is missing.
template <class IList>
tvapi::Ptr<IList> CollectionOf(const tvapi::IPartPtr& part, Boolean Body,
                               tvapi::Ptr<IList> (tvapi::IModelContainer::*solid)(),
                               tvapi::Ptr<IList> (tvapi::ISurfaceContainer::*surface)())
{
    if (Body) {
        const tvapi::IModelContainerPtr container(part);
        return container ? ((*container).*solid)() : tvapi::Ptr<IList>();
    }
    const tvapi::ISurfaceContainerPtr container(part);
    return container ? ((*container).*surface)() : tvapi::Ptr<IList>();
}

tvapi::tvObj3dTypeEnum KindOf(Boolean Body, tvapi::tvOperationResultEnum OR, tvapi::tvObj3dTypeEnum boss,
                              tvapi::tvObj3dTypeEnum cut, tvapi::tvObj3dTypeEnum surface)
{
    if (!Body) return surface;
    return OR == tvapi::tvOperationCut ? cut : boss;
}

// The new feature's last steps: update, then the registry's last 3D object and the macro's.
void Publish(TRegistryApi& r, const tvapi::IModelObjectPtr& feature)
{
    feature->Update();
    r.Obj3D = feature;
    r.AMacroObject3D.Add(tvapi::ITervanAPIObjectPtr(r.Obj3D));
}

} // namespace

void TModelerApi::drExtrusion(tvapi::tvDirectionTypeEnum Napr, tvapi::tvEndTypeEnum TypDepth,
                              const Real& Depth, const Real& Angle, Boolean Body,
                              tvapi::tvOperationResultEnum OR)
{
    TRegistryApi& r = *R3;
    drEndEskis();
    r.Obj3D.Reset();
    const tvapi::IExtrusionsPtr list = CollectionOf(r.Part, Body, &tvapi::IModelContainer::GetExtrusions,
                                                    &tvapi::ISurfaceContainer::GetExtrusionSurfaces);
    if (!list) return;
    const tvapi::IExtrusionPtr feature = list->Add(
        KindOf(Body, OR, tvapi::o3d_bossExtrusion, tvapi::o3d_cutExtrusion, tvapi::o3d_ExtrusionSurface));
    if (!feature) return;
    feature->SetProfile({tvapi::IModelObjectPtr(r.Sketch)});
    feature->SetDepth(true, std::abs(Depth));
    feature->SetDepth(false, std::abs(Depth));
    feature->SetDirection(Napr);
    feature->SetSideParameters(Napr == tvapi::dtNormal, TypDepth, Depth, std::abs(Angle), Angle < 0, {});
    if (Napr == tvapi::dtBoth)
        feature->SetSideParameters(true, TypDepth, Depth, std::abs(Angle), Angle < 0, {});
    Publish(r, tvapi::IModelObjectPtr(feature));
}

void TModelerApi::drRotate(Integer, const Real& Angle, Boolean Body, tvapi::tvOperationResultEnum OR)
{
    TRegistryApi& r = *R3;
    drEndEskis();
    r.Obj3D.Reset();
    const tvapi::IRotatedsPtr list = CollectionOf(r.Part, Body, &tvapi::IModelContainer::GetRotateds,
                                                  &tvapi::ISurfaceContainer::GetRotatedSurfaces);
    if (!list) return;
    const tvapi::IRotatedPtr feature =
        list->Add(KindOf(Body, OR, tvapi::o3d_bossRotated, tvapi::o3d_cutRotated, tvapi::o3d_RotatedSurface));
    if (!feature) return;
    feature->SetSketch(tvapi::IModelObjectPtr(r.Sketch));
    feature->SetDirection(Angle <= 0 ? 1 : 0);
    feature->SetSideAngle(Angle > 0, std::abs(Angle));
    Publish(r, tvapi::IModelObjectPtr(feature));
}

void TModelerApi::drEvolution(tvapi::IModelObjectPtr Path, Boolean Body, tvapi::tvOperationResultEnum OR)
{
    TRegistryApi& r = *R3;
    drEndEskis();
    r.Obj3D.Reset();
    const tvapi::IEvolutionsPtr list = CollectionOf(r.Part, Body, &tvapi::IModelContainer::GetEvolutions,
                                                    &tvapi::ISurfaceContainer::GetEvolutionSurfaces);
    if (!list) return;
    const tvapi::IEvolutionPtr feature = list->Add(
        KindOf(Body, OR, tvapi::o3d_bossEvolution, tvapi::o3d_cutEvolution, tvapi::o3d_EvolutionSurface));
    if (!feature) return;
    feature->SetSketch(tvapi::IModelObjectPtr(r.Sketch));
    feature->SetSketchShift(tvapi::tvEvShiftOrtogonal);
    feature->SetOperationResult(OR);
    feature->SetChainPath(true);
    feature->SetPath({Path});
    Publish(r, tvapi::IModelObjectPtr(feature));
}

void TModelerApi::drPartBeginEditOnPlace()
{
    const tvapi::IPartPtr part = R3->Part;
    if (!part) return;
    part->BeginEditOnPlace(part->GetOpenDocumentParam());
}

void TModelerApi::drPartEndEditOnPlace()
{
    if (const tvapi::IPartPtr part = R3->Part) part->EndEditOnPlace(true);
}

void TModelerApi::drBaseExtrusion(tvapi::tvDirectionTypeEnum Napr, tvapi::tvEndTypeEnum TypDepth,
                                  Real const& Depth, Real const& Angle)
{
    drExtrusion(Napr, TypDepth, Depth, Angle, true, tvapi::tvOperationNewBody);
}

void TModelerApi::drCutExtrusion(tvapi::tvDirectionTypeEnum Napr, tvapi::tvEndTypeEnum TypDepth,
                                 Real const& Depth, Real const& Angle)
{
    drExtrusion(Napr, TypDepth, Depth, Angle, true, tvapi::tvOperationCut);
}

void TModelerApi::drSurfaceExtrusion(tvapi::tvDirectionTypeEnum Napr, tvapi::tvEndTypeEnum TypDepth,
                                     Real const& Depth, Real const& Angle)
{
    drExtrusion(Napr, TypDepth, Depth, Angle, false, tvapi::tvOperationNewBody);
}

void TModelerApi::drBaseRotate(Integer Napr, Real const& Angle)
{
    drRotate(Napr, Angle, true, tvapi::tvOperationUnion);
}

void TModelerApi::drCutRotate(Integer Napr, Real const& Angle, TMark*)
{
    drRotate(Napr, Angle, true, tvapi::tvOperationCut);
}

void TModelerApi::drSurfaceRotate(Integer Napr, Real const& Angle)
{
    drRotate(Napr, Angle, false, tvapi::tvOperationUnion);
}

} // namespace drApi
