#pragma once
// The stand-in property control: one object for every kind of control. It keeps its state
// (caption, value, range, items, check state, width, visibility, read-only, buttons, grid
// cells) and the list of settings made on it in order; it answers only the interfaces of its
// kind. Its bodies are split by kind: HostPropertyControl.cpp (the control as such and what a
// person sees and types), HostPropertyControlValues.cpp (edits, check box, spin edit, point,
// file name, slide box), HostPropertyControlLists.cpp, HostPropertyControlGrid.cpp and
// HostPropertyControlButtons.cpp (button group).

#include <map>
#include <string>
#include <utility>
#include <vector>

#include "HostObject.h"
#include "tvapi/PropertyManager.h"

namespace tvhost {

class THostPropertyControl;
class THostPropertyToolBar;
using THostPropertyControlPtr = tvapi::Ptr<THostPropertyControl>;

// A button of a group, a tool bar or the side of a control.
struct THostButton {
    int Id = 0;
    int Image = 0;
    int ImageUnchecked = 0;
    std::wstring Tip;
    std::wstring Source;
    bool Enabled = false;
    bool Checked = false;
    bool IsCheck = false;
};

class THostPropertyControl final : public THostObject,
                                   public tvapi::IPropertyEdit,
                                   public tvapi::IPropertyCheckBox,
                                   public tvapi::IPropertySpinEdit,
                                   public tvapi::IPropertyPoint3D,
                                   public tvapi::IPropertyList,
                                   public tvapi::IPropertyEditList,
                                   public tvapi::IPropertyEditCheckBox,
                                   public tvapi::IPropertyGrid,
                                   public tvapi::IPropertyMultiButton,
                                   public tvapi::IPropertySeparator,
                                   public tvapi::IPropertyFileName,
                                   public tvapi::IPropertyColor,
                                   public tvapi::IPropertySlideBox {
public:
    explicit THostPropertyControl(tvapi::ControlTypeEnum type);
    ~THostPropertyControl() override;

    long AddRef() noexcept override { return AddRefObject(); }
    long Release() noexcept override { return ReleaseObject(); }
    void* QueryInterface(const char* iid) noexcept override;

    // Journaled as "IPropertyControl::<operation>" and so on, by the interface that
    // declares the operation; a failing call changes nothing and answers empty, false or 0.
    tvapi::ControlTypeEnum GetControlType() override;
    void SetCaption(const wchar_t* caption) override;
    std::wstring GetCaption() override;
    void SetVisible(bool visible) override;
    bool GetVisible() override;
    void SetEnabled(bool enabled) override;
    bool GetEnabled() override;
    void SetHyperLinkNameStyle(bool hyperLink) override;
    bool AddButton(int id, int image, const wchar_t* tip, const wchar_t* source) override;
    bool AddCheckButton(int id, int imageChecked, int imageUnchecked, const wchar_t* tip,
                        const wchar_t* source) override;
    void SetButtonChecked(int id, bool checked) override;

    void SetRealValue(double value) override;
    double GetRealValue() override;
    void SetIntValue(int value) override;
    int GetIntValue() override;
    void SetText(const wchar_t* text) override;
    std::wstring GetText() override;
    void SetReadOnly(bool readOnly) override;
    void SetWidth(int width) override;
    void SetCheckState(tvapi::CheckStateEnum state) override;

    void SetChecked(bool checked) override;
    bool GetChecked() override;
    void SetCheckBoxStyle(int style) override;

    void SetValue(int value) override;
    int GetValue() override;
    void SetRange(double minimum, double maximum) override;

    void SetCoordinateMode(int coordinate, int mode) override;
    tvapi::IPropertyEditPtr GetEdit(int coordinate) override;

    void SetTextItems(const std::vector<std::wstring>& items) override;
    void SetIntItems(const std::vector<int>& items) override;
    void SetRealItems(const std::vector<double>& items) override;
    void ClearItems() override;
    int GetItemCount() override;
    int FindItem(const wchar_t* text) override;
    void SetCurrentIndex(int index) override;
    int GetCurrentIndex() override;
    std::wstring GetCurrentText() override;
    void SetSorted(bool sorted) override;

    void AddItem(const wchar_t* text) override;
    std::wstring GetItem(int index) override;
    bool GetItemChecked(int index) override;
    void SetItemChecked(int index, bool checked) override;
    void RemoveItem(int index) override;
    void SetMultiSelect(bool multi) override;

    void SetShowCheck(bool show) override;
    void SetShowDelete(bool show) override;
    void SetPrompt(const wchar_t* prompt) override;

    void SetColumnCount(int count) override;
    void SetFixedColumnCount(int count) override;
    void SetRowCount(int count) override;
    void SetFixedRowCount(int count) override;
    int GetColumnCount() override;
    int GetRowCount() override;
    bool GetReadOnly() override;
    void SetGridHeight(int height) override;
    void SetCellText(int row, int column, const wchar_t* text) override;
    std::wstring GetCellText(int row, int column) override;
    void SetCellFlags(int row, int column, int flags) override;
    int GetCellFlags(int row, int column) override;
    void SetCurrentCell(int row, int column) override;
    int GetCurrentRow() override;
    int GetCurrentColumn() override;
    void SetColumnWidth(int column, int width) override;
    tvapi::Ptr<tvapi::IPropertyToolBar> GetToolBar() override;
    void Redraw() override;

    void SetButtonType(tvapi::ButtonTypeEnum type) override;
    bool AddButtonItem(int number, int image, int position) override;
    void SetButtonEnabled(int number, bool enabled) override;
    void SetCheckedButton(int number, bool checked) override;
    bool GetCheckedButton(int number) override;
    void SetButtonTip(int number, const wchar_t* tip) override;
    void SetButtonImageSource(int number, const wchar_t* source) override;

    void SetFileName(const wchar_t* fileName) override;
    std::wstring GetFileName() override;

    void SetDrawingGroup(tvapi::IDrawingGroupPtr group) override;
    void SetFitToWidth(bool fit) override;

    // Test side, not journaled.
    tvapi::ControlTypeEnum Type() const noexcept { return FType; }
    // The settings made on the control, in order, as "Operation(arguments)".
    const std::vector<std::string>& Settings() const noexcept { return FSettings; }
    const std::wstring& Caption() const noexcept { return FCaption; }
    bool Visible() const noexcept { return FVisible; }
    bool Enabled() const noexcept { return FEnabled; }
    bool ReadOnly() const noexcept { return FReadOnly; }
    bool HyperLink() const noexcept { return FHyperLink; }
    int Width() const noexcept { return FWidth; }
    double Real() const noexcept { return FReal; }
    int Int() const noexcept { return FInt; }
    const std::wstring& Text() const noexcept { return FText; }
    bool Checked() const noexcept { return FChecked; }
    int CheckState() const noexcept { return FCheckState; }
    std::pair<double, double> Range() const noexcept { return {FMin, FMax}; }
    const std::vector<std::wstring>& Items() const noexcept { return FItems; }
    int Current() const noexcept { return FCurrent; }
    const std::vector<THostButton>& Buttons() const noexcept { return FButtons; }
    const std::vector<THostButton>& SideButtons() const noexcept { return FSideButtons; }
    THostPropertyControl* Coordinate(int i) const noexcept
    {
        return i >= 0 && i < 3 ? FCoords[i].Get() : nullptr;
    }
    std::wstring Cell(int row, int column) const;
    int Rows() const noexcept { return FRows; }
    int Columns() const noexcept { return FColumns; }
    int ColumnWidth(int column) const;
    int Redraws() const noexcept { return FRedraws; }
    // The grid's tool bar; null until asked for.
    const THostPropertyToolBar* ToolBar() const noexcept { return FToolBar.Get(); }
    // The value a person reads in the control, as "show" prints it.
    std::string ValueText() const;
    // Sets the value as a user typing VALUE would (edit text or number, spin value, list
    // index or text, check state 0/1/true/false); false when the control takes no value so,
    // a number field is given text that is not wholly a finite number with one sign, or a
    // spin a value outside the range it was given (the value stays).
    bool UserSet(const std::wstring& value);
    // The button (of a group or beside the control) with tip or caption `tip`; 0 when none.
    int ButtonWithTip(const std::wstring& tip) const;
    // The button numbered `id`, looked for where ButtonWithTip looks, in the same order; null
    // when none.
    const THostButton* NumberedButton(int id) const;
    // A grid's cell in one of its fixed rows or columns: a title, which no user types into.
    bool FixedCell(int row, int column) const noexcept { return row < FFixedRows || column < FFixedColumns; }

private:
    // The first button `is` takes: of the group, then of the tool bar, then beside the control.
    template <class TIs> const THostButton* FirstButton(TIs is) const;
    // Journals op and records it among the settings; false when a fault makes it fail.
    bool Op(const char* iface, const char* op, std::vector<std::string> args = {});
    THostButton* Button(std::vector<THostButton>& list, int id);

    tvapi::ControlTypeEnum FType;
    std::vector<std::string> FSettings;
    std::wstring FCaption;
    bool FVisible = true;
    bool FEnabled = true;
    bool FReadOnly = false;
    bool FHyperLink = false;
    int FWidth = 0;
    double FReal = 0.0;
    int FInt = 0;
    std::wstring FText;
    bool FChecked = false;
    int FStyle = 0;
    int FCheckState = 0;
    double FMin = 0.0;
    double FMax = 0.0;
    bool FRanged = false; // a spin's range was set
    std::vector<std::wstring> FItems;
    std::vector<bool> FItemChecked;
    int FCurrent = -1;
    std::vector<THostButton> FButtons;
    std::vector<THostButton> FSideButtons;
    int FButtonType = 0;
    int FCoordModes[3] = {0, 0, 0};
    THostPropertyControlPtr FCoords[3];
    std::wstring FPrompt;
    int FColumns = 0;
    int FFixedColumns = 0;
    int FRows = 0;
    int FFixedRows = 0;
    int FHeight = 0;
    std::map<std::pair<int, int>, std::wstring> FCells;
    std::map<std::pair<int, int>, int> FCellFlags;
    int FCurrentRow = -1;
    int FCurrentColumn = -1;
    tvapi::IDrawingGroupPtr FGroup;
    std::map<int, int> FColumnWidths;
    tvapi::Ptr<THostPropertyToolBar> FToolBar;
    int FRedraws = 0;
};

} // namespace tvhost
