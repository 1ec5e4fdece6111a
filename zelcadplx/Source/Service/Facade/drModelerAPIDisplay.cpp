// ==== drApi::TModelerApi (drModelerAPI.h), part: how model objects are shown ===================
// The colour and optical factors of a model object.

#include "drModelerAPI.h"

#include "tvapi/Part.h"

namespace drApi {

namespace {

// The optical factors that go with every colour the library gives.
constexpr Real Ambient = 0.8;
constexpr Real Diffuse = 0.6;
constexpr Real Specularity = 0.95;
constexpr Real Shininess = 0.95;
constexpr Real Emission = 0.8;

} // namespace

void TModelerApi::SetColor(tvapi::IModelObjectPtr E, const Integer Color, const Real& P)
{
    const tvapi::IColorParamPtr colour(E);
    if (!colour) return;
    colour->SetColor(Color);
    colour->SetAmbient(Ambient);
    colour->SetDiffuse(Diffuse);
    colour->SetSpecularity(Specularity);
    colour->SetShininess(Shininess);
    colour->SetTransparency(P);
    colour->SetEmission(Emission);
    E->Update();
}

} // namespace drApi
