// ==== tvhost::THostPropertyControl (HostPropertyControl.h), part: value controls ================
// Edits, check box, spin edit, the point's three fields, file name and slide box.

#include "HostPropertyControl.h"

#include "HostPropertyControlText.h"
#include "HostText.h"

namespace tvhost {

using propertytext::B;
using propertytext::Num;
using propertytext::W;

// ---- IPropertyEdit -------------------------------------------------------------------------

void THostPropertyControl::SetRealValue(double value)
{
    if (!Op("IPropertyEdit", "SetRealValue", {Num(value)})) return;
    FReal = value;
    FText = FromUtf8(Num(value));
}
double THostPropertyControl::GetRealValue()
{
    return Enter("IPropertyEdit::GetRealValue") ? FReal : 0.0;
}
void THostPropertyControl::SetIntValue(int value)
{
    if (!Op("IPropertyEdit", "SetIntValue", {std::to_string(value)})) return;
    FInt = value;
    FText = std::to_wstring(value);
}
int THostPropertyControl::GetIntValue()
{
    return Enter("IPropertyEdit::GetIntValue") ? FInt : 0;
}
void THostPropertyControl::SetText(const wchar_t* text)
{
    if (Op("IPropertyEdit", "SetText", {ToUtf8(W(text))})) FText = W(text);
}
std::wstring THostPropertyControl::GetText()
{
    if (!Enter("IPropertyEdit::GetText")) return {};
    return FText;
}
void THostPropertyControl::SetReadOnly(bool readOnly)
{
    if (Op("IPropertyEdit", "SetReadOnly", {B(readOnly)})) FReadOnly = readOnly;
}
void THostPropertyControl::SetWidth(int width)
{
    if (Op("IPropertyEdit", "SetWidth", {std::to_string(width)})) FWidth = width;
}
void THostPropertyControl::SetCheckState(tvapi::CheckStateEnum state)
{
    if (Op("IPropertyEdit", "SetCheckState", {std::to_string(state)})) FCheckState = state;
}

// ---- check box, spin edit, point -----------------------------------------------------------

void THostPropertyControl::SetChecked(bool checked)
{
    if (Op("IPropertyCheckBox", "SetChecked", {B(checked)})) FChecked = checked;
}
bool THostPropertyControl::GetChecked()
{
    return Enter("IPropertyCheckBox::GetChecked") && FChecked;
}
void THostPropertyControl::SetCheckBoxStyle(int style)
{
    if (Op("IPropertyCheckBox", "SetCheckBoxStyle", {std::to_string(style)})) FStyle = style;
}
void THostPropertyControl::SetValue(int value)
{
    if (!Op("IPropertySpinEdit", "SetValue", {std::to_string(value)})) return;
    FInt = value;
}
int THostPropertyControl::GetValue()
{
    return Enter("IPropertySpinEdit::GetValue") ? FInt : 0;
}
void THostPropertyControl::SetRange(double minimum, double maximum)
{
    if (!Op("IPropertySpinEdit", "SetRange", {Num(minimum), Num(maximum)})) return;
    FMin = minimum;
    FMax = maximum;
    FRanged = true;
}
void THostPropertyControl::SetCoordinateMode(int coordinate, int mode)
{
    if (!Op("IPropertyPoint3D", "SetCoordinateMode", {std::to_string(coordinate), std::to_string(mode)}))
        return;
    if (coordinate >= 0 && coordinate < 3) FCoordModes[coordinate] = mode;
}
tvapi::IPropertyEditPtr THostPropertyControl::GetEdit(int coordinate)
{
    if (!Enter("IPropertyPoint3D::GetEdit", {std::to_string(coordinate)})) return {};
    if (coordinate < 0 || coordinate > 2 || !FCoords[coordinate]) return {};
    return tvapi::IPropertyEditPtr(static_cast<tvapi::IPropertyEdit*>(FCoords[coordinate].Get()));
}

// ---- file name, slide box -----------------------------------------------------------------------

void THostPropertyControl::SetFileName(const wchar_t* fileName)
{
    if (Op("IPropertyFileName", "SetFileName", {ToUtf8(W(fileName))})) FText = W(fileName);
}
std::wstring THostPropertyControl::GetFileName()
{
    if (!Enter("IPropertyFileName::GetFileName")) return {};
    return FText;
}
void THostPropertyControl::SetDrawingGroup(tvapi::IDrawingGroupPtr group)
{
    if (Op("IPropertySlideBox", "SetDrawingGroup", {group ? "group" : "none"})) FGroup = group;
}
void THostPropertyControl::SetFitToWidth(bool fit)
{
    Op("IPropertySlideBox", "SetFitToWidth", {B(fit)});
}

} // namespace tvhost
