// ==== drApi::TModelerApi (drModelerAPI.h), part: the current model ==============================
// The facade's current model: the sketch's objects, deleting, naming and asking the state of
// model objects, and colouring the current part's bodies.

#include "drModelerAPI.h"

#include <string>

#include "maTervan.h"
#include "tvapi/Part.h"

namespace drApi {

namespace {

tvapi::IFeaturePtr FeatureOf(const tvapi::IModelObjectPtr& Entity)
{
    return tvapi::IFeaturePtr(Entity);
}

} // namespace

Integer TModelerApi::GetSketchCount(const tvapi::tvObj3dTypeEnum objType)
{
    TRegistryApi& r = *R3;
    if (!r.Sketch) return 0;
    const bool editing = static_cast<bool>(r.IDoc2D);
    if (editing) r.Sketch->EndEdit();
    const Integer count = static_cast<Integer>(GetObjects(tvapi::IModelObjectPtr(r.Sketch), objType).size());
    if (editing) r.Sketch->BeginEdit(true); // its 2D document is dropped: the registry keeps its own
    return count;
}

void TModelerApi::DeleteEntity(tvapi::IModelObjectPtr Entity)
{
    TRegistryApi& r = *R3;
    if (!Entity || !r.IDoc3D) return;
    const tvapi::ITervanDocumentPtr document(r.IDoc3D);
    const tvapi::TervanAPIObjectList objects{tvapi::ITervanAPIObjectPtr(Entity)};
    if (document) document->DeleteObjects(objects);
}

void TModelerApi::SetNameEntity(tvapi::IModelObjectPtr Entity, const Str& Name)
{
    if (!Entity) return;
    Entity->SetName(Wide(Name).c_str());
    Entity->Update();
}

Boolean TModelerApi::ErrorEntity(tvapi::IModelObjectPtr Entity)
{
    const tvapi::IFeaturePtr feature = FeatureOf(Entity);
    return !feature || feature->GetValid() == 0;
}

Boolean TModelerApi::IsNotExcluded(tvapi::IModelObjectPtr Entity)
{
    const tvapi::IFeaturePtr feature = FeatureOf(Entity);
    return feature && !feature->GetExcluded();
}

Boolean TModelerApi::IsNotExcludedOrRollBacked(tvapi::IModelObjectPtr Entity)
{
    const tvapi::IFeaturePtr feature = FeatureOf(Entity);
    return feature && !feature->GetRollBacked() && !feature->GetExcluded();
}

void TModelerApi::drColor3D(Integer Color, Real const& ambient, Real const& Diffuse, Real const& specularity,
                            Real const& shininess, Real const&, Real const& emission)
{
    const tvapi::IPartPtr part = R3->Part;
    const tvapi::IFeaturePtr feature(part);
    if (!feature) return;
    const tvapi::IModelObjectPtr partObject(part);
    for (const tvapi::IModelObjectPtr& body : feature->GetModelObjects({tvapi::o3d_body})) {
        if (const tvapi::IColorParamPtr colour = tvapi::IColorParamPtr(tvapi::IBodyPtr(body))) {
            colour->SetUseColor(tvapi::useColorOur);
            colour->SetColor(Color);
            colour->SetAmbient(ambient);
            colour->SetDiffuse(Diffuse);
            colour->SetSpecularity(specularity);
            colour->SetShininess(shininess);
            colour->SetEmission(emission);
            body->Update();
        }
        if (partObject) partObject->Update();
    }
}

} // namespace drApi
