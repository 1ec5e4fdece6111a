// The stand-in property manager: control state, tabs, tool bar and process parameters.

#include "HostPropertyManager.h"

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <ostream>

#include "HostText.h"

namespace tvhost {

namespace {

std::string Num(double v)
{
    char buf[64];
    std::snprintf(buf, sizeof buf, "%.10g", v);
    return buf;
}

std::string B(bool v)
{
    return v ? "true" : "false";
}

std::wstring W(const wchar_t* text)
{
    return text ? text : L"";
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

// ---- lists ---------------------------------------------------------------------------------

void THostPropertyControl::SetTextItems(const std::vector<std::wstring>& items)
{
    std::string all;
    for (const auto& i : items)
        all += (all.empty() ? "" : "|") + ToUtf8(i);
    if (!Op("IPropertyList", "SetTextItems", {all})) return;
    FItems = items;
    FItemChecked.assign(items.size(), false);
}
void THostPropertyControl::SetIntItems(const std::vector<int>& items)
{
    std::vector<std::wstring> texts;
    for (int i : items)
        texts.push_back(std::to_wstring(i));
    std::string all;
    for (const auto& t : texts)
        all += (all.empty() ? "" : "|") + ToUtf8(t);
    if (!Op("IPropertyList", "SetIntItems", {all})) return;
    FItems = texts;
    FItemChecked.assign(texts.size(), false);
}
void THostPropertyControl::SetRealItems(const std::vector<double>& items)
{
    std::vector<std::wstring> texts;
    for (double v : items)
        texts.push_back(FromUtf8(Num(v)));
    std::string all;
    for (const auto& t : texts)
        all += (all.empty() ? "" : "|") + ToUtf8(t);
    if (!Op("IPropertyList", "SetRealItems", {all})) return;
    FItems = texts;
    FItemChecked.assign(texts.size(), false);
}
void THostPropertyControl::ClearItems()
{
    if (!Op("IPropertyList", "ClearItems")) return;
    FItems.clear();
    FItemChecked.clear();
    FCurrent = -1;
}
int THostPropertyControl::GetItemCount()
{
    return Enter("IPropertyList::GetItemCount") ? static_cast<int>(FItems.size()) : 0;
}
int THostPropertyControl::FindItem(const wchar_t* text)
{
    if (!Enter("IPropertyList::FindItem", {ToUtf8(W(text))})) return -1;
    const auto it = std::find(FItems.begin(), FItems.end(), W(text));
    return it == FItems.end() ? -1 : static_cast<int>(it - FItems.begin());
}
void THostPropertyControl::SetCurrentIndex(int index)
{
    if (Op("IPropertyList", "SetCurrentIndex", {std::to_string(index)})) FCurrent = index;
}
int THostPropertyControl::GetCurrentIndex()
{
    return Enter("IPropertyList::GetCurrentIndex") ? FCurrent : -1;
}
std::wstring THostPropertyControl::GetCurrentText()
{
    if (!Enter("IPropertyList::GetCurrentText")) return {};
    if (FCurrent < 0 || FCurrent >= static_cast<int>(FItems.size())) return {};
    return FItems[static_cast<std::size_t>(FCurrent)];
}
void THostPropertyControl::SetSorted(bool sorted)
{
    Op("IPropertyList", "SetSorted", {B(sorted)});
}

void THostPropertyControl::AddItem(const wchar_t* text)
{
    if (!Op("IPropertyEditList", "AddItem", {ToUtf8(W(text))})) return;
    FItems.push_back(W(text));
    FItemChecked.push_back(false);
}
std::wstring THostPropertyControl::GetItem(int index)
{
    if (!Enter("IPropertyEditList::GetItem", {std::to_string(index)})) return {};
    if (index < 0 || index >= static_cast<int>(FItems.size())) return {};
    return FItems[static_cast<std::size_t>(index)];
}
bool THostPropertyControl::GetItemChecked(int index)
{
    if (!Enter("IPropertyEditList::GetItemChecked", {std::to_string(index)})) return false;
    return index >= 0 && index < static_cast<int>(FItemChecked.size()) &&
           FItemChecked[static_cast<std::size_t>(index)];
}
void THostPropertyControl::SetItemChecked(int index, bool checked)
{
    if (!Op("IPropertyEditList", "SetItemChecked", {std::to_string(index), B(checked)})) return;
    if (index >= 0 && index < static_cast<int>(FItemChecked.size()))
        FItemChecked[static_cast<std::size_t>(index)] = checked;
}
void THostPropertyControl::RemoveItem(int index)
{
    if (!Op("IPropertyEditList", "RemoveItem", {std::to_string(index)})) return;
    if (index < 0 || index >= static_cast<int>(FItems.size())) return;
    FItems.erase(FItems.begin() + index);
    FItemChecked.erase(FItemChecked.begin() + index);
}
void THostPropertyControl::SetMultiSelect(bool multi)
{
    Op("IPropertyEditList", "SetMultiSelect", {B(multi)});
}

void THostPropertyControl::SetShowCheck(bool show)
{
    Op("IPropertyEditCheckBox", "SetShowCheck", {B(show)});
}
void THostPropertyControl::SetShowDelete(bool show)
{
    Op("IPropertyEditCheckBox", "SetShowDelete", {B(show)});
}
void THostPropertyControl::SetPrompt(const wchar_t* prompt)
{
    if (Op("IPropertyEditCheckBox", "SetPrompt", {ToUtf8(W(prompt))})) FPrompt = W(prompt);
}

// ---- grid ----------------------------------------------------------------------------------

void THostPropertyControl::SetColumnCount(int count)
{
    if (Op("IPropertyGrid", "SetColumnCount", {std::to_string(count)})) FColumns = std::max(count, 0);
}
void THostPropertyControl::SetFixedColumnCount(int count)
{
    if (Op("IPropertyGrid", "SetFixedColumnCount", {std::to_string(count)})) FFixedColumns = count;
}
void THostPropertyControl::SetRowCount(int count)
{
    if (Op("IPropertyGrid", "SetRowCount", {std::to_string(count)})) FRows = std::max(count, 0);
}
void THostPropertyControl::SetFixedRowCount(int count)
{
    if (Op("IPropertyGrid", "SetFixedRowCount", {std::to_string(count)})) FFixedRows = count;
}
int THostPropertyControl::GetColumnCount()
{
    return Enter("IPropertyGrid::GetColumnCount") ? FColumns : 0;
}
int THostPropertyControl::GetRowCount()
{
    return Enter("IPropertyGrid::GetRowCount") ? FRows : 0;
}
void THostPropertyControl::SetColumnWidth(int column, int width)
{
    if (Op("IPropertyGrid", "SetColumnWidth", {std::to_string(column), std::to_string(width)}))
        FColumnWidths[column] = width;
}
int THostPropertyControl::ColumnWidth(int column) const
{
    const auto w = FColumnWidths.find(column);
    return w == FColumnWidths.end() ? 0 : w->second;
}
tvapi::Ptr<tvapi::IPropertyToolBar> THostPropertyControl::GetToolBar()
{
    if (!Op("IPropertyGrid", "GetToolBar")) return {};
    if (!FToolBar) FToolBar = New<THostPropertyToolBar>();
    return tvapi::IPropertyToolBarPtr(FToolBar);
}
void THostPropertyControl::Redraw()
{
    if (Op("IPropertyGrid", "Redraw")) ++FRedraws;
}
void THostPropertyControl::SetGridHeight(int height)
{
    if (Op("IPropertyGrid", "SetGridHeight", {std::to_string(height)})) FHeight = height;
}
void THostPropertyControl::SetCellText(int row, int column, const wchar_t* text)
{
    if (!Enter("IPropertyGrid::SetCellText", {std::to_string(row), std::to_string(column), ToUtf8(W(text))}))
        return;
    if (row < 0 || column < 0 || row >= FRows || column >= FColumns) return;
    FCells[{row, column}] = W(text);
}
std::wstring THostPropertyControl::GetCellText(int row, int column)
{
    if (!Enter("IPropertyGrid::GetCellText", {std::to_string(row), std::to_string(column)})) return {};
    return Cell(row, column);
}
void THostPropertyControl::SetCellFlags(int row, int column, int flags)
{
    if (!Enter("IPropertyGrid::SetCellFlags",
               {std::to_string(row), std::to_string(column), std::to_string(flags)}))
        return;
    if (row < 0 || column < 0 || row >= FRows || column >= FColumns) return;
    FCellFlags[{row, column}] = flags;
}
int THostPropertyControl::GetCellFlags(int row, int column)
{
    if (!Enter("IPropertyGrid::GetCellFlags", {std::to_string(row), std::to_string(column)})) return 0;
    const auto it = FCellFlags.find({row, column});
    return it == FCellFlags.end() ? 0 : it->second;
}
void THostPropertyControl::SetCurrentCell(int row, int column)
{
    if (!Enter("IPropertyGrid::SetCurrentCell", {std::to_string(row), std::to_string(column)})) return;
    FCurrentRow = row;
    FCurrentColumn = column;
}
int THostPropertyControl::GetCurrentRow()
{
    return Enter("IPropertyGrid::GetCurrentRow") ? FCurrentRow : -1;
}
int THostPropertyControl::GetCurrentColumn()
{
    return Enter("IPropertyGrid::GetCurrentColumn") ? FCurrentColumn : -1;
}
std::wstring THostPropertyControl::Cell(int row, int column) const
{
    const auto it = FCells.find({row, column});
    return it == FCells.end() ? std::wstring() : it->second;
}

// ---- button group, file name, slide box ----------------------------------------------------

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
    char* end = nullptr;
    switch (FType) {
    case tvControlEditReal: {
        const double d = std::strtod(v.c_str(), &end);
        if (end == v.c_str()) return false;
        FReal = d;
        FText = value;
        return true;
    }
    case tvControlEditInt:
    case tvControlSpinInt: {
        const long n = std::strtol(v.c_str(), &end, 10);
        if (end == v.c_str()) return false;
        FInt = static_cast<int>(n);
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
        const auto it = std::find(FItems.begin(), FItems.end(), value);
        if (it != FItems.end()) {
            FCurrent = static_cast<int>(it - FItems.begin());
            return true;
        }
        const long n = std::strtol(v.c_str(), &end, 10);
        if (end == v.c_str() || *end != '\0' || n < 0 || n >= static_cast<long>(FItems.size())) return false;
        FCurrent = static_cast<int>(n);
        return true;
    }
    default:
        return false;
    }
}

int THostPropertyControl::ButtonWithTip(const std::wstring& tip) const
{
    for (const auto& b : FButtons)
        if (b.Tip == tip) return b.Id;
    if (FToolBar)
        for (const auto& b : FToolBar->Buttons())
            if (b.Tip == tip) return b.Id;
    for (const auto& b : FSideButtons)
        if (b.Tip == tip) return b.Id;
    return 0;
}

// ---- collections -------------------------------------------------------------------------

tvapi::IPropertyControlPtr THostPropertyControls::Add(tvapi::ControlTypeEnum type)
{
    if (!Enter("IPropertyControls::Add", {std::to_string(type)})) return {};
    FControls.push_back(New<THostPropertyControl>(type));
    return tvapi::IPropertyControlPtr(FControls.back());
}
int THostPropertyControls::GetCount()
{
    return Enter("IPropertyControls::GetCount") ? static_cast<int>(FControls.size()) : 0;
}
tvapi::IPropertyControlPtr THostPropertyControls::GetItem(int index)
{
    if (!Enter("IPropertyControls::GetItem", {std::to_string(index)})) return {};
    if (index < 0 || index >= static_cast<int>(FControls.size())) return {};
    return tvapi::IPropertyControlPtr(FControls[static_cast<std::size_t>(index)]);
}
THostPropertyControl* THostPropertyControls::Find(const std::wstring& caption) const
{
    for (const auto& c : FControls) {
        if (c->Caption() == caption) return c.Get();
        for (int i = 0; i < 3; ++i)
            if (c->Coordinate(i) && c->Coordinate(i)->Caption() == caption) return c->Coordinate(i);
    }
    return nullptr;
}
THostPropertyControl* THostPropertyControls::FindByTip(const std::wstring& tip, int& button) const
{
    for (const auto& c : FControls)
        if (const int id = c->ButtonWithTip(tip)) {
            button = id;
            return c.Get();
        }
    for (const auto& c : FControls)
        if (c->Caption() == tip) return c.Get();
    return nullptr;
}

THostPropertyTab::THostPropertyTab(std::wstring name)
    : FName(std::move(name)), FControls(New<THostPropertyControls>())
{
}
std::wstring THostPropertyTab::GetName()
{
    return Enter("IPropertyTab::GetName") ? FName : std::wstring();
}
void THostPropertyTab::SetVisible(bool visible)
{
    if (Enter("IPropertyTab::SetVisible", {B(visible)})) FVisible = visible;
}
void THostPropertyTab::SetExpanded(bool expanded)
{
    if (Enter("IPropertyTab::SetExpanded", {B(expanded)})) FExpanded = expanded;
}
void THostPropertyTab::SetActive(bool active)
{
    if (!Enter("IPropertyTab::SetActive", {B(active)})) return;
}
tvapi::IPropertyControlsPtr THostPropertyTab::GetControls()
{
    if (!Enter("IPropertyTab::GetControls")) return {};
    return tvapi::IPropertyControlsPtr(FControls);
}

tvapi::IPropertyTabPtr THostPropertyTabs::Add(const wchar_t* name)
{
    if (!Enter("IPropertyTabs::Add", {ToUtf8(W(name))})) return {};
    FTabs.push_back(New<THostPropertyTab>(W(name)));
    return tvapi::IPropertyTabPtr(FTabs.back());
}
int THostPropertyTabs::GetCount()
{
    return Enter("IPropertyTabs::GetCount") ? static_cast<int>(FTabs.size()) : 0;
}
tvapi::IPropertyTabPtr THostPropertyTabs::GetItem(int index)
{
    if (!Enter("IPropertyTabs::GetItem", {std::to_string(index)})) return {};
    if (index < 0 || index >= static_cast<int>(FTabs.size())) return {};
    return tvapi::IPropertyTabPtr(FTabs[static_cast<std::size_t>(index)]);
}
void THostPropertyTabs::SetHeaderVisible(bool visible)
{
    if (Enter("IPropertyTabs::SetHeaderVisible", {B(visible)})) FHeaderVisible = visible;
}
void THostPropertyTabs::SetHeaderText(const wchar_t* text)
{
    if (Enter("IPropertyTabs::SetHeaderText", {ToUtf8(W(text))})) FHeaderText = W(text);
}

THostButton* THostPropertyToolBar::Find(int number)
{
    for (auto& b : FButtons)
        if (b.Id == number) return &b;
    return nullptr;
}
bool THostPropertyToolBar::AddButton(int number, int image, int position)
{
    if (!Enter("IPropertyToolBar::AddButton",
               {std::to_string(number), std::to_string(image), std::to_string(position)}))
        return false;
    FButtons.push_back({number, image, 0, {}, {}, false, false, false});
    return true;
}
void THostPropertyToolBar::SetButtonEnabled(int number, bool enabled)
{
    if (!Enter("IPropertyToolBar::SetButtonEnabled", {std::to_string(number), B(enabled)})) return;
    if (THostButton* b = Find(number)) b->Enabled = enabled;
}
void THostPropertyToolBar::SetButtonChecked(int number, bool checked)
{
    if (!Enter("IPropertyToolBar::SetButtonChecked", {std::to_string(number), B(checked)})) return;
    if (THostButton* b = Find(number)) b->Checked = checked;
}
void THostPropertyToolBar::SetButtonTip(int number, const wchar_t* tip)
{
    if (!Enter("IPropertyToolBar::SetButtonTip", {std::to_string(number), ToUtf8(W(tip))})) return;
    if (THostButton* b = Find(number)) b->Tip = W(tip);
}
void THostPropertyToolBar::SetButtonImageSource(int number, const wchar_t* source)
{
    if (!Enter("IPropertyToolBar::SetButtonImageSource", {std::to_string(number), ToUtf8(W(source))})) return;
    if (THostButton* b = Find(number)) b->Source = W(source);
}

THostProcessParam::THostProcessParam()
    : FTabs(New<THostPropertyTabs>()), FEvents(New<THostPropertiesManagerEvents>()),
      FToolBar(New<THostPropertyToolBar>())
{
}
void THostProcessParam::SetCaption(const wchar_t* caption)
{
    if (Enter("IProcessParam::SetCaption", {ToUtf8(W(caption))})) FCaption = W(caption);
}
std::wstring THostProcessParam::GetCaption()
{
    return Enter("IProcessParam::GetCaption") ? FCaption : std::wstring();
}
void THostProcessParam::SetToolBar(tvapi::SpecPropertyToolBarEnum toolBar)
{
    if (Enter("IProcessParam::SetToolBar", {std::to_string(toolBar)})) FToolBarKind = toolBar;
}
tvapi::IPropertyToolBarPtr THostProcessParam::GetToolBar()
{
    if (!Enter("IProcessParam::GetToolBar")) return {};
    return tvapi::IPropertyToolBarPtr(FToolBar);
}
tvapi::IPropertyTabsPtr THostProcessParam::GetPropertyTabs()
{
    if (!Enter("IProcessParam::GetPropertyTabs")) return {};
    return tvapi::IPropertyTabsPtr(FTabs);
}
tvapi::IPropertiesManagerEventsPtr THostProcessParam::GetEvents()
{
    if (!Enter("IProcessParam::GetEvents")) return {};
    return tvapi::IPropertiesManagerEventsPtr(FEvents);
}
void THostProcessParam::SetCloseOnApply(bool close)
{
    if (Enter("IProcessParam::SetCloseOnApply", {B(close)})) FCloseOnApply = close;
}
THostPropertyControl* THostProcessParam::FindControl(const std::wstring& caption) const
{
    for (const auto& tab : FTabs->Tabs())
        if (THostPropertyControl* c = tab->Controls().Find(caption)) return c;
    return nullptr;
}

namespace {

bool RowEmpty(const THostPropertyControl& grid, int r)
{
    for (int c = 0; c < grid.Columns(); ++c)
        if (!grid.Cell(r, c).empty()) return false;
    return true;
}

// Rows past the last one holding a text are left out, as a person sees only blank lines there.
void PrintGrid(std::ostream& out, const THostPropertyControl& grid)
{
    int rows = grid.Rows();
    while (rows > 1 && RowEmpty(grid, rows - 1))
        --rows;
    for (int r = 0; r < rows; ++r) {
        out << "    |";
        for (int c = 0; c < grid.Columns(); ++c)
            out << ' ' << ToUtf8(grid.Cell(r, c)) << " |";
        out << '\n';
    }
}

} // namespace

void THostProcessParam::Print(std::ostream& out, const std::wstring& prompt) const
{
    out << "panel \"" << ToUtf8(FCaption) << "\"\n";
    if (!prompt.empty()) out << "prompt \"" << ToUtf8(prompt) << "\"\n";
    for (const auto& tab : FTabs->Tabs()) {
        out << "tab \"" << ToUtf8(tab->Name()) << "\"" << (tab->Visible() ? "" : " (hidden)") << '\n';
        for (const auto& c : tab->Controls().Controls()) {
            if (!c->Visible()) continue;
            out << "  " << ToUtf8(c->Caption());
            if (c->Type() == tvapi::tvControlGrid) {
                out << ":\n";
                PrintGrid(out, *c);
                continue;
            }
            const std::string value = c->ValueText();
            if (!value.empty()) out << " = " << value;
            out << '\n';
        }
    }
}

} // namespace tvhost
