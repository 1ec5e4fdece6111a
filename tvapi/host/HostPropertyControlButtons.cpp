// ==== tvhost::THostPropertyControl (HostPropertyControl.h), part: button group ==================
// The button group: its buttons, their state, tips and images; a radio group keeps one checked.

#include "HostPropertyControl.h"

#include "HostPropertyControlText.h"
#include "HostText.h"

namespace tvhost {

using propertytext::B;
using propertytext::Num;
using propertytext::W;

// ---- button group ------------------------------------------------------------------------

void THostPropertyControl::SetButtonType(tvapi::ButtonTypeEnum type)
{
    if (Op("IPropertyMultiButton", "SetButtonType", {std::to_string(type)})) FButtonType = type;
}
bool THostPropertyControl::AddButtonItem(int number, int image, int position)
{
    if (!Op("IPropertyMultiButton", "AddButtonItem",
            {std::to_string(number), std::to_string(image), std::to_string(position)}))
        return false;
    FButtons.push_back({number, image, 0, {}, {}, false, false, false});
    return true;
}
void THostPropertyControl::SetButtonEnabled(int number, bool enabled)
{
    if (!Op("IPropertyMultiButton", "SetButtonEnabled", {std::to_string(number), B(enabled)})) return;
    if (THostButton* b = Button(FButtons, number)) b->Enabled = enabled;
}
void THostPropertyControl::SetCheckedButton(int number, bool checked)
{
    if (!Op("IPropertyMultiButton", "SetCheckedButton", {std::to_string(number), B(checked)})) return;
    THostButton* b = Button(FButtons, number);
    if (!b) return;
    // A radio group has one checked button.
    if (checked && FButtonType == tvapi::tvRadioButton)
        for (auto& other : FButtons)
            other.Checked = false;
    b->Checked = checked;
}
bool THostPropertyControl::GetCheckedButton(int number)
{
    if (!Enter("IPropertyMultiButton::GetCheckedButton", {std::to_string(number)})) return false;
    const THostButton* b = Button(FButtons, number);
    return b && b->Checked;
}
void THostPropertyControl::SetButtonTip(int number, const wchar_t* tip)
{
    if (!Op("IPropertyMultiButton", "SetButtonTip", {std::to_string(number), ToUtf8(W(tip))})) return;
    if (THostButton* b = Button(FButtons, number)) b->Tip = W(tip);
}
void THostPropertyControl::SetButtonImageSource(int number, const wchar_t* source)
{
    if (!Op("IPropertyMultiButton", "SetButtonImageSource", {std::to_string(number), ToUtf8(W(source))}))
        return;
    if (THostButton* b = Button(FButtons, number)) b->Source = W(source);
}

} // namespace tvhost
