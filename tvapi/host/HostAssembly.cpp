// Mates and model variables of the stand-in host.
#include "HostAssembly.h"

#include <algorithm>

#include "HostArgs.h"
#include "HostText.h"

namespace tvhost {

namespace {

bool IsMateKind(int type)
{
    switch (type) {
    case tvapi::mc_Coincidence:
    case tvapi::mc_Parallel:
    case tvapi::mc_Perpendicular:
    case tvapi::mc_Tangency:
    case tvapi::mc_Concentric:
    case tvapi::mc_Distance:
    case tvapi::mc_Angle:
    case tvapi::mc_InPlace:
    case tvapi::mc_Transmission:
    case tvapi::mc_CamGear:
    case tvapi::mc_Symmetric:
    case tvapi::mc_Dependent:
        return true;
    default:
        return false;
    }
}

} // namespace

std::wstring THostVariable::GetName()
{
    return Enter("IVariable::GetName") ? FName : std::wstring();
}

double THostVariable::GetValue()
{
    return Enter("IVariable::GetValue") ? FValue : 0.0;
}

std::wstring THostVariable::GetExpression()
{
    return Enter("IVariable::GetExpression") ? FExpression : std::wstring();
}

void THostVariable::SetExpression(const wchar_t* expression)
{
    if (Enter("IVariable::SetExpression", {ToUtf8(expression)})) FExpression = expression ? expression : L"";
}

THostMate::THostMate(tvapi::MateConstraintType type) : THostFeatureOf(tvapi::o3d_entity), FType(type)
{
    if (type == tvapi::mc_Distance || type == tvapi::mc_Angle) {
        FVariable = New<THostVariable>(MateVariableName, 0.0);
        Variables().emplace_back(FVariable);
    }
    SetState(false, false, false);
}

tvapi::MateConstraintType THostMate::GetConstraintType()
{
    return Enter("IMateConstraint3D::GetConstraintType") ? FType : tvapi::mc_Unknown;
}

void THostMate::SetBaseObject(int index, const tvapi::IModelObjectPtr& object)
{
    if (!Enter("IMateConstraint3D::SetBaseObject", {std::to_string(index), ObjectArg(object.Get())})) return;
    if (index == 1 || index == 2) FObjects[index - 1] = object;
}

tvapi::IModelObjectPtr THostMate::GetBaseObject(int index)
{
    if (!Enter("IMateConstraint3D::GetBaseObject", {std::to_string(index)})) return {};
    return index == 1 || index == 2 ? FObjects[index - 1] : tvapi::IModelObjectPtr();
}

void THostMate::SetFixed(int fixed)
{
    if (Enter("IMateConstraint3D::SetFixed", {std::to_string(fixed)})) FFixed = fixed;
}

void THostMate::SetDirection(int direction)
{
    if (Enter("IMateConstraint3D::SetDirection", {std::to_string(direction)})) FDirection = direction;
}

void THostMate::SetDistance(double value)
{
    if (!Enter("IMateConstraint3D::SetDistance", {std::to_string(value)})) return;
    FValue = value;
    if (FVariable) FVariable->SetValue(value);
}

void THostMate::DropObjects() noexcept
{
    FObjects[0].Reset();
    FObjects[1].Reset();
}

bool THostMate::Rebuild()
{
    const bool built = FObjects[0] && FObjects[1];
    SetState(built, false, false);
    return built;
}

int THostMates::GetCount()
{
    return Enter("IMateConstraints3D::GetCount") ? static_cast<int>(FMates->size()) : 0;
}

tvapi::IModelObjectPtr THostMates::GetItem(int index)
{
    if (!Enter("IMateConstraints3D::GetItem", {std::to_string(index)})) return {};
    if (index < 0 || static_cast<std::size_t>(index) >= FMates->size()) return {};
    return tvapi::IModelObjectPtr((*FMates)[static_cast<std::size_t>(index)]);
}

tvapi::IMateConstraint3DPtr THostMates::AddMateConstraint(tvapi::MateConstraintType type)
{
    if (!Enter("IMateConstraints3D::AddMateConstraint", {std::to_string(type)})) return {};
    if (!IsMateKind(type)) return {};
    THostMatePtr mate = New<THostMate>(type);
    const std::weak_ptr<TMateList> from = FMates;
    THostMate* raw = mate.Get();
    mate->OnDelete([from, raw] {
        if (const std::shared_ptr<TMateList> all = from.lock())
            std::erase_if(*all, [raw](const THostMatePtr& m) { return m.Get() == raw; });
    });
    FMates->push_back(mate);
    return tvapi::IMateConstraint3DPtr(mate);
}

} // namespace tvhost
