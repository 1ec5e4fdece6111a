// Manipulators of the panel base: placement and numeric manipulators bound to program
// variables like controls, their move and rotate events, and the phantom redraw.

#include <array>
#include <vector>

#include "cPropertyMenagerEvent.h"

namespace {

constexpr int FirstPrimitive = tvapi::tvMPAxisX;
constexpr int LastPrimitive = tvapi::tvMPOriginal;
constexpr int MatrixReals = 16;

bool IsPrimitive(int e) noexcept
{
    return e >= FirstPrimitive && e <= LastPrimitive;
}

void SetPlacement(const tvapi::IPlacement3DPtr& placement, const TMtr3D& M)
{
    std::vector<double> reals;
    placement->SetMatrix3D(M.to(reals));
}

} // namespace

tvapi::IPlacement3DManipulatorPtr TBaseManager::AddManipulator(bool Visible, TMtr3D& Value,
                                                               tvapi::tvManipulatorPrimitiveEnum* P)
{
    if (!Manipulators) return {};
    const tvapi::IBaseManipulatorPtr manipulator = Manipulators->Add(tvapi::tvPlacement3DManipulator);
    if (!manipulator) return {};
    const Integer id = APropertyVariable.Count;
    manipulator->SetId(id);
    manipulator->SetDraggable(true);
    manipulator->SetVisible(Visible);
    if (const tvapi::IPlacement3DPtr placement = manipulator->GetPlacement()) SetPlacement(placement, Value);
    tvapi::IPlacement3DManipulatorPtr result(manipulator);
    if (!result) return {};
    std::array<bool, LastPrimitive + 1> shown{};
    for (const tvapi::tvManipulatorPrimitiveEnum* e = P; e && IsPrimitive(*e); ++e)
        shown[static_cast<std::size_t>(*e)] = true;
    for (int k = FirstPrimitive; k <= LastPrimitive; ++k) {
        const auto primitive = static_cast<tvapi::tvManipulatorPrimitiveEnum>(k);
        result->ShowPrimitive(primitive, shown[static_cast<std::size_t>(k)]);
        result->HighlightPrimitive(primitive, false);
    }
    manipulator->Update(true);
    TPropertylVariable& binding =
        APropertyVariable.Append(TVariablePtr::pvMtr3D, &Value, tvapi::IAPIObjectPtr(result));
    binding.IdControl = id;
    binding.Owner.Reset();
    return result;
}

tvapi::IEditDoubleManipulatorPtr TBaseManager::AddManipulatorEdit(bool Visible, double& Value,
                                                                  const TMtr3D& M)
{
    if (!Manipulators) return {};
    const tvapi::IEditDoubleManipulatorPtr result(Manipulators->Add(tvapi::tvEditDoubleManipulator));
    if (!result) return {};
    const tvapi::IBaseManipulatorPtr manipulator(result);
    if (!manipulator) return result;
    const Integer id = APropertyVariable.Count;
    manipulator->SetId(id);
    if (const tvapi::IPlacement3DPtr placement = manipulator->GetPlacement()) {
        SetPlacement(placement, M);
        manipulator->Update(true);
    }
    manipulator->ShowValueField();
    result->SetValue(Value);
    manipulator->SetVisible(Visible);
    TPropertylVariable& binding =
        APropertyVariable.Append(TVariablePtr::pvReal, &Value, tvapi::IAPIObjectPtr(result));
    binding.IdControl = id;
    binding.Owner.Reset();
    return result;
}

bool TBaseManager::ReadManipulatorMatrix(Integer I)
{
    const tvapi::IBaseManipulatorPtr manipulator(APropertyVariable[I].Control);
    const tvapi::IPlacement3DPtr placement = manipulator ? manipulator->GetPlacement() : nullptr;
    if (!placement) return false;
    TMtr3D& matrix = *APropertyVariable[I].PMtr3D;
    matrix.from(placement->GetMatrix3D());
    for (int k = 0; k < MatrixReals; ++k)
        APropertyVariable.ChangeValue(&matrix.V[k], true, false, nullptr, I);
    return true;
}

bool TBaseManager::MoveManipulator(int Id, double, double, double, double, bool)
{
    bool result = false;
    const Integer count = APropertyVariable.Count;
    for (Integer i = 0; i < count; ++i) {
        // Read afresh each time: a refresh may grow the binding list.
        const TPropertylVariable& v = APropertyVariable[i];
        if (!v.IsIdControl(Id) || !v.PData) continue;
        if (v.Type == TVariablePtr::pvMtr3D) {
            if (ReadManipulatorMatrix(i) && !DragManipulator) RedrawPhantom();
        } else if (v.Type == TVariablePtr::pvReal) {
            const tvapi::IEditDoubleManipulatorPtr edit(v.Control);
            if (!edit) continue;
            double* value = v.PDataReal;
            *value = edit->GetValue();
            APropertyVariable.ChangeValue(value, true, false, nullptr, i);
            if (!DragManipulator) RedrawPhantom();
            result = true;
        }
    }
    return result;
}

bool TBaseManager::RotateManipulator(int Id, double, double, double, double axisX, double axisY, double axisZ,
                                     double angle, bool)
{
    const Integer count = APropertyVariable.Count;
    for (Integer i = 0; i < count; ++i) {
        const TPropertylVariable& v = APropertyVariable[i];
        if (v.Type != TVariablePtr::pvMtr3D || !v.IsIdControl(Id) || !v.PMtr3D) continue;
        const tvapi::IBaseManipulatorPtr manipulator(v.Control);
        const tvapi::IPlacement3DPtr placement = manipulator ? manipulator->GetPlacement() : nullptr;
        if (!placement) continue;
        bool hooked = false;
        if (axisX != 0)
            hooked = RotateManipulatorAxisX(Id, angle);
        else if (axisY != 0)
            hooked = RotateManipulatorAxisY(Id, angle);
        else if (axisZ != 0)
            hooked = RotateManipulatorAxisZ(Id, angle);
        if (hooked)
            SetPlacement(placement, *APropertyVariable[i].PMtr3D);
        else
            ReadManipulatorMatrix(i);
        if (!DragManipulator) RedrawPhantom();
    }
    return false;
}

bool TBaseManager::ChangeManipulatorValue(long Id, long, double)
{
    bool result = false;
    const Integer count = APropertyVariable.Count;
    for (Integer i = 0; i < count; ++i) {
        const TPropertylVariable& v = APropertyVariable[i];
        if (v.Type != TVariablePtr::pvReal || !v.IsIdControl(static_cast<int>(Id))) continue;
        result = true;
        const tvapi::IEditDoubleManipulatorPtr edit(v.Control);
        if (!edit || !v.PDataReal) continue;
        double* value = v.PDataReal;
        *value = edit->GetValue();
        APropertyVariable.ChangeValue(value, true, false, nullptr, i);
        RedrawPhantom();
    }
    return result;
}

// A stopped panel is not subscribed again by a redraw that its own last handler asked for.
void TBaseManager::RedrawPhantom()
{
    try {
        if (Active) Advise();
        RemoveHotPointMarkers();
        BeginPhantom();
        PreparePhantom();
        EndPhantom();
        AddHotPointMarkers();
        RefreshWindow();
    } catch (...) {
        // A failed preview leaves the view as it was; the panel goes on.
    }
}
