// ==== drApi::TModelerApi (drModelerAPI.h), part: 3D dimensions ===================================
// Linear dimensions of the current part between two model objects, and the generative
// dimensions the host shows for a sketch or feature.

#include "drModelerAPI.h"

#include "tvapi/Dimensions3D.h"

namespace drApi {

void TModelerApi::drDimL3D(tvapi::IModelObjectPtr A, tvapi::IModelObjectPtr P)
{
    TRegistryApi& r = *R3;
    const tvapi::ISymbols3DContainerPtr symbols(r.Part);
    const tvapi::ILineDimensions3DPtr dims = symbols ? symbols->GetLineDimensions3D() : nullptr;
    const tvapi::IBaseLineDimension3DPtr dim = dims ? dims->Add(tvapi::o3d_baselineDimension3D) : nullptr;
    if (!dim) return;
    dim->SetObject1(A);
    dim->SetObject2(P);
    dim->Update(); // an unmeasurable dimension is still the one made
    r.Obj3D.Reset();
    r.Obj3D = tvapi::IModelObjectPtr(dim);
    r.AMacroObject3D.Add(tvapi::ITervanAPIObjectPtr(r.Obj3D));
}

void TModelerApi::drGenerativeDimensions(tvapi::IModelObjectPtr E7)
{
    if (!E7) return;
    const tvapi::ITervanDocument3DPtr doc(R3->IDoc);
    const tvapi::IPartPtr top = doc ? doc->GetTopPart() : nullptr;
    const tvapi::ISymbols3DContainerPtr symbols(top);
    if (!symbols) return;
    symbols->CreateGenerativeDimensions({E7}, false);
}

} // namespace drApi
