// ==== drApi::TModelerApi (drModelerAPI.h), part: display state of model objects =================
// Whether a model object is shown, its colour, and whether a feature takes part in the model's
// calculation.

#include "drModelerAPI.h"

#include "tvapi/Part.h"

namespace drApi {

namespace {

// The optical coefficients every colour of the library carries; only the transparency varies.
constexpr Real Ambient = 0.8;
constexpr Real Diffuse = 0.6;
constexpr Real Specularity = 0.95;
constexpr Real Shininess = 0.95;
constexpr Real Emission = 0.8;

void Colour(const tvapi::IColorParamPtr& Param, Integer Color, Real P)
{
    Param->SetAdvancedColor(Color, Ambient, Diffuse, Specularity, Shininess, P, Emission);
}

} // namespace

void TModelerApi::SetHidden(tvapi::IModelObjectPtr E, const Boolean H)
{
    if (!E) return;
    E->SetHidden(H);
    E->Update();
}

void TModelerApi::SetColor(tvapi::IModelObjectPtr E, const Integer Color, const Real& P)
{
    const tvapi::IColorParamPtr param(E);
    if (!param) return;
    Colour(param, Color, P);
    E->Update();
}

void TModelerApi::SetExcluded(tvapi::IModelObjectPtr E)
{
    const tvapi::IFeaturePtr feature(E);
    if (!feature) return;
    feature->SetExcluded(true);
    E->Update();
}

Boolean TModelerApi::SetExludedOrColor(tvapi::IModelObjectPtr E, const Integer Color, const Real& P)
{
    const tvapi::IFeaturePtr feature(E);
    if (!feature) return true;
    if (feature->GetError() != 0)
        feature->SetExcluded(true);
    else if (const tvapi::IColorParamPtr param(E); param)
        Colour(param, Color, P);
    E->Update();
    return false;
}

void TModelerApi::ReSet(tvapi::IModelObjectPtr Obj)
{
    if (Obj) Obj->Reset();
}

} // namespace drApi
