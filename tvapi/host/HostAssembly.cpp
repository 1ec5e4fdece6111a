// Mates and model variables of the stand-in host.
#include "HostAssembly.h"

#include <algorithm>
#include <cmath>

#include "HostArgs.h"
#include "HostAuxGeometry.h"
#include "HostExpression.h"
#include "HostPart.h"
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

// Planes closer to parallel than this are taken as parallel.
constexpr double ParallelTolerance = 1e-9;

double DotProduct(const TXyz& a, const TXyz& b)
{
    return a[0] * b[0] + a[1] * b[1] + a[2] * b[2];
}

// The part, `part` or one of its components at any depth, whose own plane `plane` is.
THostPart* OwnerOf(THostPart& part, const tvapi::IModelObjectPtr& plane)
{
    if (part.AuxGeometry().IsDefault(plane)) return &part;
    for (const THostPartPtr& component : part.Components())
        if (THostPart* owner = OwnerOf(*component, plane)) return owner;
    return nullptr;
}

// The plane's frame in the assembly's coordinates.
bool AssemblyPlane(const THostPart& owner, const tvapi::IModelObjectPtr& plane, TFrame& frame)
{
    TFrame local;
    if (!PlaneFrameOf(plane, local)) return false;
    frame = owner.AssemblyFrame().Compose(local);
    return true;
}

bool Holds(const THostPart* holder, const THostPart* part)
{
    for (; part; part = part->Parent())
        if (part == holder) return true;
    return false;
}

} // namespace

std::wstring HostVariableName(tvapi::IVariable& variable)
{
    if (const auto* own = dynamic_cast<const THostVariable*>(&variable)) return own->Name();
    return variable.GetName();
}

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
    if (!Enter("IVariable::SetExpression", {ToUtf8(expression)})) return;
    FExpression = expression ? expression : L"";
    if (FOnExpression) FOnExpression(FExpression);
}

void THostVariable::SetValue(double value)
{
    if (Enter("IVariable::SetValue", {std::to_string(value)})) FValue = value;
}

std::wstring THostVariable::GetNote()
{
    return Enter("IVariable::GetNote") ? FNote : std::wstring();
}

void THostVariable::SetNote(const wchar_t* note)
{
    if (Enter("IVariable::SetNote", {ToUtf8(note)})) FNote = note ? note : L"";
}

bool THostVariable::GetExternal()
{
    return Enter("IVariable::GetExternal") && FExternal;
}

void THostVariable::SetExternal(bool external)
{
    if (Enter("IVariable::SetExternal", {BoolArg(external)})) FExternal = external;
}

bool THostVariable::SetLink(const wchar_t* documentName, const wchar_t* variableName)
{
    if (!Enter("IVariable::SetLink", {ToUtf8(documentName), ToUtf8(variableName)})) return false;
    const std::wstring document = documentName ? documentName : L"";
    const std::wstring variable = variableName ? variableName : L"";
    if (document.empty() || variable.empty()) return false;
    SetLinkDirect(document, variable);
    return true;
}

tvapi::IVariablePtr THostPart::AddVariable(const wchar_t* name, double value, const wchar_t* note)
{
    const std::wstring wanted = name ? name : L"";
    if (!Enter("IPart::AddVariable", {ToUtf8(wanted), std::to_string(value), ToUtf8(note)})) return {};
    if (wanted.empty() || FindVariable(wanted)) return {};
    const tvapi::IVariablePtr made(New<THostVariable>(wanted, value, note ? note : L""));
    Variables().push_back(made);
    return made;
}

THostMate::THostMate(tvapi::MateConstraintType type, TMateAssembly assembly)
    : THostFeatureOf(tvapi::o3d_entity), FType(type), FAssembly(std::move(assembly))
{
    if (type == tvapi::mc_Distance || type == tvapi::mc_Angle) {
        FVariable = New<THostVariable>(MateVariableName, 0.0);
        Variables().emplace_back(FVariable);
        if (type == tvapi::mc_Distance)
            FVariable->OnExpression([this](const std::wstring& text) { TakeExpression(text); });
    }
    SetState(false, false, false);
}

THostMate::~THostMate()
{
    // The variable may outlive the mate in a caller's hands.
    if (FVariable) FVariable->OnExpression({});
}

void THostMate::TakeExpression(const std::wstring& text)
{
    THostPart* assembly = FAssembly ? *FAssembly : nullptr;
    const std::optional<double> value =
        EvaluateExpression(text, [assembly](const std::wstring& name) -> std::optional<double> {
            const tvapi::IVariablePtr v = assembly ? assembly->FindVariable(name) : tvapi::IVariablePtr();
            const auto* host = v ? HostAs<THostVariable>(v) : nullptr;
            return host ? std::optional<double>(host->Value()) : std::nullopt;
        });
    if (!value) return;
    FValue = *value;
    FVariable->SetValueDirect(*value);
    if (FObjects[0] && FObjects[1]) Solve();
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
    if (FVariable) FVariable->SetValueDirect(value);
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
    if (built) Solve();
    return built;
}

void THostMate::Solve()
{
    if (FType != tvapi::mc_Distance && FType != tvapi::mc_Coincidence) return;
    THostPart* assembly = FAssembly ? *FAssembly : nullptr;
    if (!assembly) return;
    THostPart* owner1 = OwnerOf(*assembly, FObjects[0]);
    THostPart* owner2 = OwnerOf(*assembly, FObjects[1]);
    TFrame plane1, plane2;
    if (!owner1 || !owner2 || !AssemblyPlane(*owner1, FObjects[0], plane1) ||
        !AssemblyPlane(*owner2, FObjects[1], plane2))
        return;
    if (std::abs(std::abs(DotProduct(plane1.Z, plane2.Z)) - 1) > ParallelTolerance) return;
    const bool moveSecond = owner2 != assembly;
    THostPart* moving = moveSecond ? owner2 : owner1;
    if (!moving->Parent() || Holds(moving, moveSecond ? owner1 : owner2)) return;
    const TXyz& n = plane1.Z;
    const TXyz gap{plane2.Origin[0] - plane1.Origin[0], plane2.Origin[1] - plane1.Origin[1],
                   plane2.Origin[2] - plane1.Origin[2]};
    const double wanted = FType == tvapi::mc_Distance ? (FDirection < 0 ? -FValue : FValue) : 0.0;
    const double step = (wanted - DotProduct(gap, n)) * (moveSecond ? 1 : -1);
    const TXyz shift =
        moving->Parent()->AssemblyFrame().LocalDirection({n[0] * step, n[1] * step, n[2] * step});
    TFrame frame = moving->Frame();
    for (int i = 0; i < 3; ++i)
        frame.Origin[i] += shift[i];
    moving->MoveTo(frame);
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
    THostMatePtr mate = New<THostMate>(type, FAssembly);
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
