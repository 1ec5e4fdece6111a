// ==== drApi::TModelerApi (drModelerAPI.h), part: 3D dimensions ===================================
// Linear dimensions of the current part between two model objects, and the generative
// dimensions the host shows for a sketch or feature.

#include "drModelerAPI.h"

#include "Dimension3D.h"
#include "tvapi/Symbols3D.h"

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

namespace {

constexpr Real LayoutDelta = -30.0;  // added to every shift of a coordinate dimension
constexpr std::size_t XVariable = 4; // the point's fifth variable drives its X
constexpr std::size_t YVariable = 5; // and the sixth its Y
constexpr int LayoutTextBase = 3;    // the placement-mode code of the layout
constexpr int LayoutTextPos = 1;
constexpr Real LayoutShelfLength = 5.0;
constexpr Real LayoutShelfAngle = 90.0;
constexpr int LayoutTextShift = -1;

std::wstring VariableName(const tvapi::IVariablePtr& v)
{
    return v ? v->GetName() : std::wstring();
}

void LayoutPoint(const TDimension3D& d, Real LX, Real LY, tvapi::ISymbols3DContainer& symbols)
{
    const tvapi::IFeaturePtr feature = d.Point->GetFeature();
    if (!feature) return;
    const std::vector<tvapi::IFeaturePtr> related = feature->GetSubFeatures(0, true, true);
    const std::vector<tvapi::IVariablePtr> variables = feature->GetVariables(false, false);
    if (variables.size() <= YVariable || !variables[XVariable] || !variables[YVariable]) return;
    const std::wstring NXD = VariableName(variables[XVariable]);
    const std::wstring NYD = VariableName(variables[YVariable]);
    TString Q(d.Q);
    for (const tvapi::IFeaturePtr& r : related) {
        const tvapi::IBaseLineDimension3DPtr dim(r);
        if (!dim) continue;
        const tvapi::IVariablePtr driving = symbols.GetDimensionVariable(tvapi::IDimension3DPtr(dim));
        if (!driving) continue;
        const std::wstring NLD = VariableName(driving);
        bool hide = false;
        if (NLD == NXD) {
            dim->SetPlacement(dim->GetPlacement() + LY - d.O.y + LayoutDelta);
            driving->SetExpression(TString(d.ExpressionX).toWideChar());
            hide = true;
        } else if (NLD == NYD) {
            dim->SetPlacement(dim->GetPlacement() + LX - d.O.x + LayoutDelta);
            driving->SetExpression(TString(d.ExpressionY).toWideChar());
            hide = true;
        }
        if (const tvapi::IDimensionTextPtr text{dim}) {
            text->SetTolerance(Q.toWideChar());
            text->SetToleranceOn(true);
        }
        if (const tvapi::IDimensionParamsPtr params{dim}) {
            params->SetTextBase(static_cast<tvapi::tvDimensionBaseEnum>(LayoutTextBase));
            params->SetTextPos(static_cast<tvapi::tvDimensionTextPosEnum>(LayoutTextPos));
            params->SetShelfLength(LayoutShelfLength);
            params->SetShelfAngle(LayoutShelfAngle);
            params->SetTextShift(LayoutTextShift);
        }
        if (hide) dim->SetHidden(true);
        dim->Update();
    }
}

} // namespace

void LayoutGeneratedDimensions(const TADimension3D& List, Real LX, Real LY, TModeler3D& M)
{
    auto* api = dynamic_cast<TModelerApi*>(&M);
    if (api == nullptr || !api->R3.Exist()) return;
    try {
        const tvapi::ITervanDocument3DPtr doc(api->R3->IDoc);
        const tvapi::IPartPtr top = doc ? doc->GetTopPart() : nullptr;
        const tvapi::ISymbols3DContainerPtr symbols(top);
        if (!symbols) return;
        for (const TDimension3D& d : List.APoint3D)
            if (d.Type == TDimension3D::tdPoint3D && d.Point) LayoutPoint(d, LX, LY, *symbols);
    } catch (...) {
        // The layout is a finishing touch: a host failure leaves the rest as it is.
    }
}

} // namespace drApi
