// ==== drApi::TModelerApi (drModelerAPI.h), part: Booleans ======================================
// Booleans of the current part between a body of one part and a body of another (or the same).

#include "drModelerAPI.h"

#include "tvapi/Features3D.h"
#include "tvapi/ModelContainer.h"

namespace drApi {

namespace {

// Body `index` of `part`'s bodies; empty when the part is no feature or the index lies outside.
tvapi::IModelObjectPtr BodyOf(const tvapi::IPartPtr& part, Integer index)
{
    const tvapi::IFeaturePtr feature(part);
    if (!feature || index < 0) return {};
    const std::vector<tvapi::IModelObjectPtr> bodies = feature->GetModelObjects({tvapi::o3d_body});
    if (static_cast<std::size_t>(index) >= bodies.size()) return {};
    return bodies[static_cast<std::size_t>(index)];
}

} // namespace

void TModelerApi::drBoolean(tvapi::tvBooleanType Op, tvapi::IPartPtr P1, Integer BodyPart1,
                            tvapi::IPartPtr P2, Integer BodyPart2)
{
    TRegistryApi& r = *R3;
    const tvapi::IModelContainerPtr container(r.Part);
    if (!container) return;
    // Both operands are checked before the Boolean is added, so no empty one is left in the part.
    const tvapi::IModelObjectPtr first = BodyOf(P1, BodyPart1);
    const tvapi::IModelObjectPtr second = BodyOf(P2, BodyPart2);
    if (!first || !second) return;
    const tvapi::IBooleansPtr booleans = container->GetBooleans();
    const tvapi::IBooleanPtr feature = booleans ? booleans->Add() : nullptr;
    if (!feature) return;
    feature->SetBodies({first, second});
    feature->SetBooleanType(Op);
    feature->Update();
    r.Obj3D = tvapi::IModelObjectPtr(feature);
    r.AMacroObject3D.Add(tvapi::ITervanAPIObjectPtr(r.Obj3D));
}

} // namespace drApi
