// Parametric constraints of the stand-in host.
#include "HostParametric.h"

#include <string>

#include "HostArgs.h"
#include "HostDrawingObject.h"
#include "HostText.h"

namespace tvhost {

namespace {

bool IsBetweenTwoObjects(tvapi::tvConstraintTypeEnum type)
{
    switch (type) {
    case tvapi::tvCMergePoints:
    case tvapi::tvCTangentTwoCurves:
    case tvapi::tvCParallel:
    case tvapi::tvCPerpendicular:
    case tvapi::tvCEqualLength:
    case tvapi::tvCEqualRadius:
    case tvapi::tvCConcentricity:
        return true;
    default:
        return false;
    }
}

} // namespace

tvapi::IParametricConstraintPtr NewConstraintOf(tvapi::IAPIObjectPtr object, TConstraintStore& store)
{
    if (!EnterOperation("IDrawingObject1::NewConstraint")) return {};
    return New<THostParametricConstraint>(std::move(object), store);
}

void THostParametricConstraint::SetConstraintType(tvapi::tvConstraintTypeEnum type)
{
    if (!Enter("IParametricConstraint::SetConstraintType", {std::to_string(type)})) return;
    FRecord.Type = type;
    FNeedsPartner = IsBetweenTwoObjects(type);
}

void THostParametricConstraint::SetIndex(int index)
{
    if (!Enter("IParametricConstraint::SetIndex", {std::to_string(index)})) return;
    FRecord.Index = index;
}

void THostParametricConstraint::SetPartner(const tvapi::TervanAPIObjectList& partners)
{
    if (!Enter("IParametricConstraint::SetPartner", {ListArg(partners)})) return;
    FRecord.PartnerId = 0;
    for (const auto& partner : partners) {
        if (const THostObject* object = HostObjectOf(partner.Get())) {
            FRecord.PartnerId = object->Id();
            break;
        }
    }
}

void THostParametricConstraint::SetPartnerIndex(int index)
{
    if (!Enter("IParametricConstraint::SetPartnerIndex", {std::to_string(index)})) return;
    FRecord.PartnerIndex = index;
}

void THostParametricConstraint::SetExpression(const wchar_t* text)
{
    const std::wstring value = text ? text : L"";
    if (!Enter("IParametricConstraint::SetExpression", {ToUtf8(value)})) return;
    FRecord.Expression = value;
}

void THostParametricConstraint::SetVariableName(const wchar_t* name)
{
    const std::wstring value = name ? name : L"";
    if (!Enter("IParametricConstraint::SetVariableName", {ToUtf8(value)})) return;
    FRecord.VariableName = value;
}

bool THostParametricConstraint::Create()
{
    if (!Enter("IParametricConstraint::Create")) return false;
    if (FCreated || (FNeedsPartner && FRecord.PartnerId == 0)) return false;
    FStore.AddConstraint(FRecord);
    FCreated = true;
    // The dimension carries its variable from now on, kept with it in files.
    if (auto* core = dynamic_cast<TDrawingCore*>(FOwner.Get());
        core && FRecord.Type == tvapi::tvCDimWithVariable && !FRecord.VariableName.empty()) {
        core->Params().Set("Variable", FRecord.VariableName);
        core->Params().Set("VariableExpression", FRecord.Expression);
    }
    return true;
}

} // namespace tvhost
