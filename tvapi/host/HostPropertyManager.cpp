// The stand-in property manager: the controls of a tab, tabs, tool bar and process parameters.

#include "HostPropertyManager.h"

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <ostream>

#include "HostPropertyControlText.h"
#include "HostText.h"

namespace tvhost {

using propertytext::B;
using propertytext::W;

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
            if (THostPropertyControl* field = c->Coordinate(i); field && field->Caption() == caption)
                return field;
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
bool THostProcessParam::AddButton(int id, int image, const wchar_t* tip, const wchar_t* source)
{
    if (!Enter("IProcessParam::AddButton",
               {std::to_string(id), std::to_string(image), ToUtf8(W(tip)), ToUtf8(W(source))}))
        return false;
    FButtons.push_back({id, image, W(tip), W(source)});
    return true;
}
THostPropertyControl* THostProcessParam::FindControl(const std::wstring& caption) const
{
    for (const auto& tab : FTabs->Tabs())
        if (THostPropertyControl* c = tab->Controls().Find(caption)) return c;
    return nullptr;
}

namespace {

// Whether `action` names control `c`: for a press 2 by a button's tip and 1 by its caption, for
// a value 1 by its caption, for a cell 1 when it is a grid; 0 when it does not.
int Names(const THostPropertyControl& c, const std::wstring& name, const TUserAction& action)
{
    switch (action.Kind) {
    case TUserAction::uaPress:
        return c.ButtonWithTip(name) ? 2 : c.Caption() == name ? 1 : 0;
    case TUserAction::uaSet:
        return c.Caption() == name ? 1 : 0;
    case TUserAction::uaClick:
    case TUserAction::uaType:
        return c.Type() == tvapi::tvControlGrid ? 1 : 0;
    }
    return 0;
}

// Why no user can do `action` on control `c` of a tab shown or not (`point`: the point whose
// coordinate field `c` is, else null; `tip`: the number of the button whose tip named `c`, else 0).
TReach ReachOf(bool tabShown, const THostPropertyControl* point, const THostPropertyControl& c,
               const TUserAction& action, int tip)
{
    if (!tabShown || (point && !point->Visible()) || !c.Visible()) return rhHidden;
    if ((point && !point->Enabled()) || !c.Enabled()) return rhDisabled;
    switch (action.Kind) {
    case TUserAction::uaPress: {
        const THostButton* button = c.NumberedButton(action.Button);
        if (!button || (tip != 0 && tip != action.Button)) return rhNoSuchButton;
        return button->Enabled ? rhReached : rhDisabled;
    }
    case TUserAction::uaType:
    case TUserAction::uaClick:
        if (action.Row < 0 || action.Row >= c.Rows() || action.Column < 0 || action.Column >= c.Columns())
            return rhOutsideGrid;
        if (action.Kind == TUserAction::uaClick) break;
        if (c.FixedCell(action.Row, action.Column)) return rhFixedCell;
        return c.ReadOnly() ? rhReadOnly : rhReached;
    case TUserAction::uaSet: // a list made read-only still lets a user choose
        break;
    }
    return rhReached;
}

// Of control `c` of `tab` and its coordinate fields, the first `action` names at `rank` that a
// user reaches, else the first it names there; no control when it names none.
TAim AimIn(const THostPropertyTab& tab, THostPropertyControl& c, const std::wstring& name,
           const TUserAction& action, int rank)
{
    TAim first;
    for (int i = -1; i < 3; ++i) {
        THostPropertyControl* candidate = i < 0 ? &c : c.Coordinate(i);
        if (!candidate || Names(*candidate, name, action) != rank) continue;
        const int tip = rank == 2 ? candidate->ButtonWithTip(name) : 0;
        const TAim aim{candidate, ReachOf(tab.Visible(), i < 0 ? nullptr : &c, *candidate, action, tip)};
        if (aim.Reach == rhReached) return aim;
        if (!first.Control) first = aim;
    }
    return first;
}

} // namespace

TAim THostProcessParam::Aim(const std::wstring& name, const TUserAction& action) const
{
    TAim first;
    for (int rank = 2; rank > 0; --rank)
        for (const auto& tab : FTabs->Tabs())
            for (const auto& c : tab->Controls().Controls())
                if (const TAim aim = AimIn(*tab, *c, name, action, rank); aim.Control) {
                    if (aim.Reach == rhReached) return aim;
                    if (!first.Control) first = aim;
                }
    return first;
}

bool THostProcessParam::HasButton(int number) const
{
    return number == 1 || number == 2 ||
           std::any_of(FButtons.begin(), FButtons.end(),
                       [number](const TButton& b) { return b.Id == number; });
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