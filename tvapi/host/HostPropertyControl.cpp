// ==== tvhost::THostPropertyControl (HostPropertyControl.h), part: the control as such ===========
// Construction, the interfaces a control of each kind answers, IPropertyControl, and the test
// side: the value a person reads in the control and what typing a value does.

#include "HostPropertyControl.h"

#include "HostPropertyControlText.h"
#include "HostPropertyManager.h"
#include "HostText.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstring>
#include <string>
#include <string_view>
#include <vector>

namespace tvhost {

using propertytext::B;
using propertytext::Num;
using propertytext::W;

namespace {

// The typed text without the blanks around it.
std::string_view Trimmed(std::string_view text)
{
    const std::size_t first = text.find_first_not_of(" \t");
    if (first == std::string_view::npos) return {};
    return text.substr(first, text.find_last_not_of(" \t") - first + 1);
}

// The typed text without the blanks around it and one leading "+"; false when a second sign
// follows the first ("+-5", "++5"): a number has one sign.
bool OneSign(std::string_view& text)
{
    text = Trimmed(text);
    if (text.empty() || text.front() != '+') return true;
    text.remove_prefix(1);
    return text.empty() || (text.front() != '-' && text.front() != '+');
}

// The typed text as a finite decimal number, whole; false for anything else ("nan", "inf",
// "5abc", "1e400", "+-5", nothing).
bool TypedReal(std::string_view text, double& value)
{
    if (!OneSign(text)) return false;
    double d = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), d);
    if (text.empty() || error != std::errc() || end != text.data() + text.size() || !std::isfinite(d))
        return false;
    value = d;
    return true;
}

// The typed text as a whole number that an int holds; false for anything else.
bool TypedInt(std::string_view text, int& value)
{
    if (!OneSign(text)) return false;
    int n = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), n);
    if (text.empty() || error != std::errc() || end != text.data() + text.size()) return false;
    value = n;
    return true;
}

// The typed text as a number with a decimal point or comma; false for anything TypedReal refuses.
bool TypedDecimal(std::string text, double& value)
{
    std::replace(text.begin(), text.end(), ',', '.');
    return TypedReal(text, value);
}

// The item a list's typed text names: the label itself, else the first label that is the same
// number (with a point or a comma); -1 for none. A row's number is no label.
int ListItemNamed(const std::vector<std::wstring>& items, const std::wstring& value)
{
    const auto it = std::find(items.begin(), items.end(), value);
    if (it != items.end()) return static_cast<int>(it - items.begin());
    double typed = 0, label = 0;
    if (!TypedDecimal(ToUtf8(value), typed)) return -1;
    for (std::size_t i = 0; i < items.size(); ++i)
        if (TypedDecimal(ToUtf8(items[i]), label) && label == typed) return static_cast<int>(i);
    return -1;
}

bool Is(const char* iid, const char* other)
{
    return std::strcmp(iid, other) == 0;
}

// Interfaces a control of `type` answers besides IAPIObject and IPropertyControl.
bool Offers(tvapi::ControlTypeEnum type, const char* iid)
{
    using namespace tvapi;
    switch (type) {
    case tvControlEditInt:
    case tvControlEditReal:
    case tvControlEditStr:
        return Is(iid, IPropertyEdit::IID);
    case tvControlListInt:
    case tvControlListReal:
    case tvControlListStr:
        return Is(iid, IPropertyList::IID);
    case tvControlCheckBox:
        return Is(iid, IPropertyCheckBox::IID);
    case tvControlMultiButton:
        return Is(iid, IPropertyMultiButton::IID);
    case tvControlGrid:
        return Is(iid, IPropertyGrid::IID);
    case tvControlSlideBox:
        return Is(iid, IPropertySlideBox::IID);
    case tvControlSpinInt:
        return Is(iid, IPropertySpinEdit::IID);
    case tvControlFileName:
        return Is(iid, IPropertyFileName::IID);
    case tvControlColor:
        return Is(iid, IPropertyColor::IID);
    case tvControlEditList:
        return Is(iid, IPropertyEditList::IID);
    case tvControlEditCheckBox:
        return Is(iid, IPropertyEdit::IID) || Is(iid, IPropertyEditCheckBox::IID);
    case tvControlPoint3D:
        return Is(iid, IPropertyPoint3D::IID);
    case tvControlSeparator:
        return Is(iid, IPropertySeparator::IID);
    }
    return false;
}

} // namespace

THostPropertyControl::THostPropertyControl(tvapi::ControlTypeEnum type) : FType(type)
{
    if (type != tvapi::tvControlPoint3D) return;
    for (auto& c : FCoords)
        c = New<THostPropertyControl>(tvapi::tvControlEditReal);
}

THostPropertyControl::~THostPropertyControl() = default;

void* THostPropertyControl::QueryInterface(const char* iid) noexcept
{
    using namespace tvapi;
    if (!iid) return nullptr;
    void* found = nullptr;
    if (Is(iid, IAPIObject::IID))
        found = static_cast<IAPIObject*>(static_cast<IPropertyControl*>(static_cast<IPropertyEdit*>(this)));
    else if (Is(iid, IPropertyControl::IID))
        found = static_cast<IPropertyControl*>(static_cast<IPropertyEdit*>(this));
    else if (!Offers(FType, iid))
        return nullptr;
    else if (Is(iid, IPropertyEdit::IID))
        found = static_cast<IPropertyEdit*>(this);
    else if (Is(iid, IPropertyCheckBox::IID))
        found = static_cast<IPropertyCheckBox*>(this);
    else if (Is(iid, IPropertySpinEdit::IID))
        found = static_cast<IPropertySpinEdit*>(this);
    else if (Is(iid, IPropertyPoint3D::IID))
        found = static_cast<IPropertyPoint3D*>(this);
    else if (Is(iid, IPropertyList::IID))
        found = static_cast<IPropertyList*>(this);
    else if (Is(iid, IPropertyEditList::IID))
        found = static_cast<IPropertyEditList*>(this);
    else if (Is(iid, IPropertyEditCheckBox::IID))
        found = static_cast<IPropertyEditCheckBox*>(this);
    else if (Is(iid, IPropertyGrid::IID))
        found = static_cast<IPropertyGrid*>(this);
    else if (Is(iid, IPropertyMultiButton::IID))
        found = static_cast<IPropertyMultiButton*>(this);
    else if (Is(iid, IPropertySeparator::IID))
        found = static_cast<IPropertySeparator*>(this);
    else if (Is(iid, IPropertyFileName::IID))
        found = static_cast<IPropertyFileName*>(this);
    else if (Is(iid, IPropertyColor::IID))
        found = static_cast<IPropertyColor*>(this);
    else if (Is(iid, IPropertySlideBox::IID))
        found = static_cast<IPropertySlideBox*>(this);
    if (found) AddRefObject();
    return found;
}

bool THostPropertyControl::Op(const char* iface, const char* op, std::vector<std::string> args)
{
    std::string call = op;
    call += "(";
    for (std::size_t i = 0; i < args.size(); ++i)
        call += (i ? ", " : "") + args[i];
    call += ")";
    if (!Enter(std::string(iface) + "::" + op, std::move(args))) return false;
    FSettings.push_back(std::move(call));
    return true;
}

THostButton* THostPropertyControl::Button(std::vector<THostButton>& list, int id)
{
    for (auto& b : list)
        if (b.Id == id) return &b;
    return nullptr;
}

// ---- IPropertyControl ----------------------------------------------------------------------

tvapi::ControlTypeEnum THostPropertyControl::GetControlType()
{
    if (!Enter("IPropertyControl::GetControlType")) return tvapi::ControlTypeEnum(0);
    return FType;
}
void THostPropertyControl::SetCaption(const wchar_t* caption)
{
    if (Op("IPropertyControl", "SetCaption", {ToUtf8(W(caption))})) FCaption = W(caption);
}
std::wstring THostPropertyControl::GetCaption()
{
    if (!Enter("IPropertyControl::GetCaption")) return {};
    return FCaption;
}
void THostPropertyControl::SetVisible(bool visible)
{
    if (Op("IPropertyControl", "SetVisible", {B(visible)})) FVisible = visible;
}
bool THostPropertyControl::GetVisible()
{
    return Enter("IPropertyControl::GetVisible") && FVisible;
}
void THostPropertyControl::SetEnabled(bool enabled)
{
    if (Op("IPropertyControl", "SetEnabled", {B(enabled)})) FEnabled = enabled;
}
bool THostPropertyControl::GetEnabled()
{
    return Enter("IPropertyControl::GetEnabled") && FEnabled;
}
void THostPropertyControl::SetHyperLinkNameStyle(bool hyperLink)
{
    if (Op("IPropertyControl", "SetHyperLinkNameStyle", {B(hyperLink)})) FHyperLink = hyperLink;
}
bool THostPropertyControl::AddButton(int id, int image, const wchar_t* tip, const wchar_t* source)
{
    if (!Op("IPropertyControl", "AddButton",
            {std::to_string(id), std::to_string(image), ToUtf8(W(tip)), ToUtf8(W(source))}))
        return false;
    FSideButtons.push_back({id, image, 0, W(tip), W(source), true, false, false});
    return true;
}
bool THostPropertyControl::AddCheckButton(int id, int imageChecked, int imageUnchecked, const wchar_t* tip,
                                          const wchar_t* source)
{
    if (!Op("IPropertyControl", "AddCheckButton",
            {std::to_string(id), std::to_string(imageChecked), std::to_string(imageUnchecked), ToUtf8(W(tip)),
             ToUtf8(W(source))}))
        return false;
    FSideButtons.push_back({id, imageChecked, imageUnchecked, W(tip), W(source), true, false, true});
    return true;
}
void THostPropertyControl::SetButtonChecked(int id, bool checked)
{
    if (!Op("IPropertyControl", "SetButtonChecked", {std::to_string(id), B(checked)})) return;
    if (THostButton* b = Button(FSideButtons, id)) b->Checked = checked;
}

// ---- test side -----------------------------------------------------------------------------

std::string THostPropertyControl::ValueText() const
{
    using namespace tvapi;
    switch (FType) {
    case tvControlEditInt:
    case tvControlEditReal:
    case tvControlEditStr:
    case tvControlEditCheckBox:
    case tvControlFileName:
        return ToUtf8(FText);
    case tvControlCheckBox:
        return FChecked ? "[x]" : "[ ]";
    case tvControlSpinInt:
        return std::to_string(FInt);
    case tvControlListInt:
    case tvControlListReal:
    case tvControlListStr:
        return FCurrent >= 0 && FCurrent < static_cast<int>(FItems.size())
                   ? ToUtf8(FItems[static_cast<std::size_t>(FCurrent)])
                   : std::string();
    case tvControlPoint3D: {
        std::string out;
        for (const auto& c : FCoords)
            out += (out.empty() ? "" : "; ") + ToUtf8(c->Text());
        return out;
    }
    case tvControlEditList: {
        std::string out;
        for (const auto& i : FItems)
            out += (out.empty() ? "" : ", ") + ToUtf8(i);
        return out;
    }
    case tvControlMultiButton: {
        std::string out;
        for (const auto& b : FButtons)
            out += (out.empty() ? "" : " ") + std::string(b.Checked ? "(*)" : "( )") + ToUtf8(b.Tip);
        return out;
    }
    default:
        return {};
    }
}

bool THostPropertyControl::UserSet(const std::wstring& value)
{
    using namespace tvapi;
    const std::string v = ToUtf8(value);
    switch (FType) {
    case tvControlEditReal:
        // Text that is no finite number is refused: the field keeps its value.
        if (!TypedReal(v, FReal)) return false;
        FText = value;
        return true;
    case tvControlEditInt:
        if (!TypedInt(v, FInt)) return false;
        FText = value;
        return true;
    case tvControlSpinInt: {
        // A spin cannot be turned or typed past its range: the value outside it is refused.
        int n = 0;
        if (!TypedInt(v, n) || (FRanged && (n < FMin || n > FMax))) return false;
        FInt = n;
        FText = value;
        return true;
    }
    case tvControlEditStr:
    case tvControlEditCheckBox:
    case tvControlFileName:
        FText = value;
        return true;
    case tvControlCheckBox:
        FChecked = v == "1" || v == "true";
        return true;
    case tvControlListInt:
    case tvControlListReal:
    case tvControlListStr: {
        const int item = ListItemNamed(FItems, value);
        if (item < 0) return false;
        FCurrent = item;
        return true;
    }
    default:
        return false;
    }
}

template <class TIs> const THostButton* THostPropertyControl::FirstButton(TIs is) const
{
    for (const auto& b : FButtons)
        if (is(b)) return &b;
    if (FToolBar)
        for (const auto& b : FToolBar->Buttons())
            if (is(b)) return &b;
    for (const auto& b : FSideButtons)
        if (is(b)) return &b;
    return nullptr;
}

int THostPropertyControl::ButtonWithTip(const std::wstring& tip) const
{
    const THostButton* button = FirstButton([&tip](const THostButton& b) { return b.Tip == tip; });
    return button ? button->Id : 0;
}
const THostButton* THostPropertyControl::NumberedButton(int id) const
{
    return FirstButton([id](const THostButton& b) { return b.Id == id; });
}

} // namespace tvhost
