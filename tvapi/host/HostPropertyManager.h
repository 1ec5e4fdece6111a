#pragma once
// The stand-in property manager: the controls of a tab, tabs, the tool bar and the process
// parameters. The controls themselves are in HostPropertyControl.h.

#include <cstddef>
#include <map>
#include <string>
#include <utility>
#include <vector>

#include "HostEvents.h"
#include "HostObject.h"
#include "HostPropertyControl.h"
#include "tvapi/PropertyManager.h"

namespace tvhost {

class THostPropertyControls final : public THostObjectOf<tvapi::IPropertyControls> {
public:
    // Journaled as "IPropertyControls::<operation>"; Add fails with an empty pointer.
    tvapi::IPropertyControlPtr Add(tvapi::ControlTypeEnum type) override;
    int GetCount() override;
    tvapi::IPropertyControlPtr GetItem(int index) override;

    // Test side.
    const std::vector<THostPropertyControlPtr>& Controls() const noexcept { return FControls; }
    // The first control with caption `caption`, a coordinate's own field included; null when none.
    THostPropertyControl* Find(const std::wstring& caption) const;
    // The first control with a button whose tip (or whose caption) is `tip`.
    THostPropertyControl* FindByTip(const std::wstring& tip, int& button) const;

private:
    std::vector<THostPropertyControlPtr> FControls;
};
using THostPropertyControlsPtr = tvapi::Ptr<THostPropertyControls>;

class THostPropertyTab final : public THostObjectOf<tvapi::IPropertyTab> {
public:
    explicit THostPropertyTab(std::wstring name);
    // Journaled as "IPropertyTab::<operation>".
    std::wstring GetName() override;
    void SetVisible(bool visible) override;
    void SetExpanded(bool expanded) override;
    void SetActive(bool active) override;
    tvapi::IPropertyControlsPtr GetControls() override;

    const std::wstring& Name() const noexcept { return FName; }
    bool Visible() const noexcept { return FVisible; }
    bool Expanded() const noexcept { return FExpanded; }
    THostPropertyControls& Controls() noexcept { return *FControls; }

private:
    std::wstring FName;
    bool FVisible = true;
    bool FExpanded = true;
    THostPropertyControlsPtr FControls;
};
using THostPropertyTabPtr = tvapi::Ptr<THostPropertyTab>;

class THostPropertyTabs final : public THostObjectOf<tvapi::IPropertyTabs> {
public:
    // Journaled as "IPropertyTabs::<operation>"; Add fails with an empty pointer.
    tvapi::IPropertyTabPtr Add(const wchar_t* name) override;
    int GetCount() override;
    tvapi::IPropertyTabPtr GetItem(int index) override;
    void SetHeaderVisible(bool visible) override;
    void SetHeaderText(const wchar_t* text) override;

    const std::vector<THostPropertyTabPtr>& Tabs() const noexcept { return FTabs; }
    bool HeaderVisible() const noexcept { return FHeaderVisible; }
    const std::wstring& HeaderText() const noexcept { return FHeaderText; }

private:
    std::vector<THostPropertyTabPtr> FTabs;
    bool FHeaderVisible = false;
    std::wstring FHeaderText;
};
using THostPropertyTabsPtr = tvapi::Ptr<THostPropertyTabs>;

class THostPropertyToolBar final : public THostObjectOf<tvapi::IPropertyToolBar> {
public:
    // Journaled as "IPropertyToolBar::<operation>".
    bool AddButton(int number, int image, int position) override;
    void SetButtonEnabled(int number, bool enabled) override;
    void SetButtonChecked(int number, bool checked) override;
    void SetButtonTip(int number, const wchar_t* tip) override;
    void SetButtonImageSource(int number, const wchar_t* source) override;

    const std::vector<THostButton>& Buttons() const noexcept { return FButtons; }

private:
    THostButton* Find(int number);
    std::vector<THostButton> FButtons;
};
using THostPropertyToolBarPtr = tvapi::Ptr<THostPropertyToolBar>;

// What a script line asks a user to do with a control of a panel.
struct TUserAction {
    enum TKind : int {
        uaSet,   // give it a value, named by its caption
        uaPress, // press its button `Button`, named by a button's tip or by its caption
        uaClick, // click the grid's cell
        uaType,  // type into the grid's cell
    };
    TKind Kind = uaSet;
    int Button = 0;
    int Row = 0;
    int Column = 0;
};

// Why no user can do an action on a control; rhReached when one can.
enum TReach : int {
    rhReached,
    rhNoSuchControl,
    rhHidden,
    rhDisabled,
    rhReadOnly,
    rhFixedCell,
    rhNoSuchButton, // a press of a button the control (or the panel) does not have
    rhOutsideGrid,  // a cell past the grid's rows or columns
};

// The control an action aims at (null when none is named so) and whether a user reaches it.
struct TAim {
    THostPropertyControl* Control = nullptr;
    TReach Reach = rhNoSuchControl;
};

class THostProcessParam final : public THostObjectOf<tvapi::IProcessParam> {
public:
    THostProcessParam();
    // Journaled as "IProcessParam::<operation>".
    void SetCaption(const wchar_t* caption) override;
    std::wstring GetCaption() override;
    void SetToolBar(tvapi::SpecPropertyToolBarEnum toolBar) override;
    tvapi::IPropertyToolBarPtr GetToolBar() override;
    tvapi::IPropertyTabsPtr GetPropertyTabs() override;
    tvapi::IPropertiesManagerEventsPtr GetEvents() override;
    void SetCloseOnApply(bool close) override;
    bool AddButton(int id, int image, const wchar_t* tip, const wchar_t* source) override;

    // An extra button as AddButton gave it.
    struct TButton {
        int Id = 0;
        int Image = 0;
        std::wstring Tip;
        std::wstring Source;
    };
    const std::vector<TButton>& Buttons() const noexcept { return FButtons; }
    const std::wstring& Caption() const noexcept { return FCaption; }
    int ToolBarKind() const noexcept { return FToolBarKind; }
    bool CloseOnApply() const noexcept { return FCloseOnApply; }
    THostPropertyTabs& Tabs() noexcept { return *FTabs; }
    THostPropertiesManagerEvents& Events() noexcept { return *FEvents; }
    THostPropertyToolBar& ToolBar() noexcept { return *FToolBar; }
    // The first control with `caption` over all tabs; null when none.
    THostPropertyControl* FindControl(const std::wstring& caption) const;
    // The control a user would do `action` on, the one place that decides what a script reaches:
    // of the controls `name` names (for a cell, the grids; for a press, a button's tip before a
    // caption; a coordinate's own field by its caption), the first a user reaches, else the
    // first with why it is out of reach. A control is out of reach when it, its tab or its point
    // is hidden, or it or its point disabled; a press, when the control has no button of that
    // number (a press named by a button's tip is of that button, so another number is none) or
    // the button is disabled; a cell, when it lies outside the grid; typing into a cell, when the
    // grid is read-only or the cell a title in its fixed rows or columns.
    TAim Aim(const std::wstring& name, const TUserAction& action) const;
    // Whether the panel has button `number` a user presses: OK (1), Cancel (2) or one it added.
    bool HasButton(int number) const;
    // Prints the panel as "show" does: caption, prompt, each tab with its controls and values,
    // grids as tables.
    void Print(std::ostream& out, const std::wstring& prompt) const;

private:
    std::wstring FCaption;
    int FToolBarKind = 0;
    bool FCloseOnApply = true;
    THostPropertyTabsPtr FTabs;
    tvapi::Ptr<THostPropertiesManagerEvents> FEvents;
    THostPropertyToolBarPtr FToolBar;
    std::vector<TButton> FButtons;
};
using THostProcessParamPtr = tvapi::Ptr<THostProcessParam>;

} // namespace tvhost
