#pragma once
// The host's property manager: the process parameters of a command (caption, tabs, the
// property-manager events), its tabs and the controls on them, and the processes that run a
// command inside the host's own loop. Which kind a control is, is told by converting it.

#include <string>
#include <vector>

#include "tvapi/Base.h"
#include "tvapi/DrawingObject.h"
#include "tvapi/Events.h"
#include "tvapi/ModelObjects.h"
#include "tvapi/Topology.h"

namespace tvapi {

class IMateConstraints3D;

enum ControlTypeEnum : int {
    tvControlSeparator = 1,
    tvControlEditInt = 2,
    tvControlEditReal = 3,
    tvControlEditStr = 4,
    tvControlListInt = 5,
    tvControlListReal = 6,
    tvControlListStr = 7,
    tvControlCheckBox = 8,
    tvControlMultiButton = 9,
    tvControlGrid = 10,
    tvControlSlideBox = 11,
    tvControlSpinInt = 14,
    tvControlFileName = 16,
    tvControlColor = 17,
    tvControlEditList = 18,
    tvControlEditCheckBox = 29,
    tvControlPoint3D = 37,
};
enum ButtonTypeEnum : int { tvPushButton = 0, tvCheckButton = 1, tvRadioButton = 2 };
enum SeparatorTypeEnum : int {
    tvSeparatorDownName = 0,
    tvSeparatorUpName = 1,
    tvSeparatorWithoutLine = 2,
    tvSeparatorBMPLeftName = 3,
    tvSeparatorBMPRightName = 4,
};
enum SlideTypeEnum : int { tvSlide = -1, tvBitmap = 1, tvGroup = 2, tvTervanDocument = 3, tvTervanText = 4 };
enum CheckStateEnum : int { tvCheckUndefined = 0, tvCheckCurrent = 1, tvCheckFixed = 2, tvCheckVariable = 3 };
enum SpecPropertyToolBarEnum : int {
    tvPropertyToolBarNone = 0,
    tvPropertyToolBarOkCancel = 1,
    tvPropertyToolBarOkCancelHelp = 2
};

// Settings every control has, and the buttons at its side.
class IPropertyControl : public IAPIObject {
public:
    static constexpr char IID[] = "E9E9D0D6-D37B-471A-A670-99C3934FEA7C";
    using Parent = IAPIObject;

    virtual ControlTypeEnum GetControlType() = 0;
    virtual void SetCaption(const wchar_t* caption) = 0;
    virtual std::wstring GetCaption() = 0;
    virtual void SetVisible(bool visible) = 0;
    virtual bool GetVisible() = 0;
    virtual void SetEnabled(bool enabled) = 0;
    virtual bool GetEnabled() = 0;
    virtual void SetHyperLinkNameStyle(bool hyperLink) = 0;
    // A button beside the control: id, image number, tip and image source (empty: the host's).
    virtual bool AddButton(int id, int image, const wchar_t* tip, const wchar_t* source) = 0;
    virtual bool AddCheckButton(int id, int imageChecked, int imageUnchecked, const wchar_t* tip,
                                const wchar_t* source) = 0;
    virtual void SetButtonChecked(int id, bool checked) = 0;

protected:
    ~IPropertyControl() = default;
};

class IPropertyEdit : public IPropertyControl {
public:
    static constexpr char IID[] = "18EA218F-31D2-4993-A566-9E9AFDA5BD6E";
    using Parent = IPropertyControl;

    virtual void SetRealValue(double value) = 0;
    virtual double GetRealValue() = 0;
    virtual void SetIntValue(int value) = 0;
    virtual int GetIntValue() = 0;
    virtual void SetText(const wchar_t* text) = 0;
    virtual std::wstring GetText() = 0;
    virtual void SetReadOnly(bool readOnly) = 0;
    virtual void SetWidth(int width) = 0;
    virtual void SetCheckState(CheckStateEnum state) = 0;

protected:
    ~IPropertyEdit() = default;
};
using IPropertyEditPtr = Ptr<IPropertyEdit>;

class IPropertyCheckBox : public IPropertyControl {
public:
    static constexpr char IID[] = "1B8415FF-9BE3-4A3B-B342-9402B4F57831";
    using Parent = IPropertyControl;

    virtual void SetChecked(bool checked) = 0;
    virtual bool GetChecked() = 0;
    virtual void SetCheckBoxStyle(int style) = 0;

protected:
    ~IPropertyCheckBox() = default;
};
using IPropertyCheckBoxPtr = Ptr<IPropertyCheckBox>;

class IPropertySpinEdit : public IPropertyControl {
public:
    static constexpr char IID[] = "E683E848-8984-4DBE-9A6F-8CC6794670F2";
    using Parent = IPropertyControl;

    virtual void SetValue(int value) = 0;
    virtual int GetValue() = 0;
    virtual void SetRange(double minimum, double maximum) = 0;

protected:
    ~IPropertySpinEdit() = default;
};
using IPropertySpinEditPtr = Ptr<IPropertySpinEdit>;

class IPropertyPoint3D : public IPropertyControl {
public:
    static constexpr char IID[] = "3A00AC7A-2781-4F22-9B96-714C4BA7F353";
    using Parent = IPropertyControl;

    // The per-coordinate setting of coordinate 0..2.
    virtual void SetCoordinateMode(int coordinate, int mode) = 0;
    // The edit field of coordinate 0..2; empty for another index.
    virtual IPropertyEditPtr GetEdit(int coordinate) = 0;

protected:
    ~IPropertyPoint3D() = default;
};
using IPropertyPoint3DPtr = Ptr<IPropertyPoint3D>;

// Items: texts, integers or reals, one of them current.
class IPropertyList : public IPropertyControl {
public:
    static constexpr char IID[] = "4A834A90-16D3-49E5-BE05-A1E78968C79B";
    using Parent = IPropertyControl;

    virtual void SetTextItems(const std::vector<std::wstring>& items) = 0;
    virtual void SetIntItems(const std::vector<int>& items) = 0;
    virtual void SetRealItems(const std::vector<double>& items) = 0;
    virtual void ClearItems() = 0;
    virtual int GetItemCount() = 0;
    // Index of the item showing `text`; -1 when none does.
    virtual int FindItem(const wchar_t* text) = 0;
    virtual void SetCurrentIndex(int index) = 0;
    virtual int GetCurrentIndex() = 0;
    // Text of the current item; empty when none is current.
    virtual std::wstring GetCurrentText() = 0;
    virtual void SetReadOnly(bool readOnly) = 0;
    virtual void SetWidth(int width) = 0;
    virtual void SetSorted(bool sorted) = 0;

protected:
    ~IPropertyList() = default;
};
using IPropertyListPtr = Ptr<IPropertyList>;

// A list of checkable items with a check mark for the field as a whole.
class IPropertyEditList : public IPropertyControl {
public:
    static constexpr char IID[] = "C32EF603-00D2-485C-AEA3-FCC2D1FE79DF";
    using Parent = IPropertyControl;

    virtual void ClearItems() = 0;
    virtual void AddItem(const wchar_t* text) = 0;
    virtual int GetItemCount() = 0;
    virtual std::wstring GetItem(int index) = 0;
    virtual bool GetItemChecked(int index) = 0;
    virtual void SetItemChecked(int index, bool checked) = 0;
    virtual void RemoveItem(int index) = 0;
    virtual void SetCheckState(CheckStateEnum state) = 0;
    virtual void SetWidth(int width) = 0;
    virtual void SetMultiSelect(bool multi) = 0;

protected:
    ~IPropertyEditList() = default;
};
using IPropertyEditListPtr = Ptr<IPropertyEditList>;

class IPropertyEditCheckBox : public IPropertyControl {
public:
    static constexpr char IID[] = "A775E19F-6120-4153-936C-891ED730888D";
    using Parent = IPropertyControl;

    virtual void SetShowCheck(bool show) = 0;
    virtual void SetShowDelete(bool show) = 0;
    virtual void SetPrompt(const wchar_t* prompt) = 0;

protected:
    ~IPropertyEditCheckBox() = default;
};
using IPropertyEditCheckBoxPtr = Ptr<IPropertyEditCheckBox>;

class IPropertyToolBar;

// A table of text cells; cells are addressed by row and column from 0.
class IPropertyGrid : public IPropertyControl {
public:
    static constexpr char IID[] = "031E9DEC-697A-4633-ACBB-154B9F637B13";
    using Parent = IPropertyControl;

    virtual void SetColumnCount(int count) = 0;
    virtual void SetFixedColumnCount(int count) = 0;
    virtual void SetRowCount(int count) = 0;
    virtual void SetFixedRowCount(int count) = 0;
    virtual int GetColumnCount() = 0;
    virtual int GetRowCount() = 0;
    virtual void SetReadOnly(bool readOnly) = 0;
    virtual void SetGridHeight(int height) = 0;
    virtual void SetCellText(int row, int column, const wchar_t* text) = 0;
    virtual std::wstring GetCellText(int row, int column) = 0;
    virtual void SetCellFlags(int row, int column, int flags) = 0;
    virtual int GetCellFlags(int row, int column) = 0;
    virtual void SetCurrentCell(int row, int column) = 0;
    virtual int GetCurrentRow() = 0;
    virtual int GetCurrentColumn() = 0;
    virtual void SetColumnWidth(int column, int width) = 0;
    // The grid's own tool bar, made on first request; its buttons reach the panel as control
    // commands of the grid.
    virtual Ptr<IPropertyToolBar> GetToolBar() = 0;
    // Shows the cells as they are now.
    virtual void Redraw() = 0;

protected:
    ~IPropertyGrid() = default;
};
using IPropertyGridPtr = Ptr<IPropertyGrid>;

// Buttons numbered from 1 in the order added.
class IPropertyMultiButton : public IPropertyControl {
public:
    static constexpr char IID[] = "DE8E6314-F6A2-4BF9-976B-9E1B87AC571D";
    using Parent = IPropertyControl;

    virtual void SetButtonType(ButtonTypeEnum type) = 0;
    virtual bool AddButtonItem(int number, int image, int position) = 0;
    virtual void SetButtonEnabled(int number, bool enabled) = 0;
    virtual void SetCheckedButton(int number, bool checked) = 0;
    virtual bool GetCheckedButton(int number) = 0;
    virtual void SetButtonTip(int number, const wchar_t* tip) = 0;
    virtual void SetButtonImageSource(int number, const wchar_t* source) = 0;

protected:
    ~IPropertyMultiButton() = default;
};
using IPropertyMultiButtonPtr = Ptr<IPropertyMultiButton>;

class IPropertySeparator : public IPropertyControl {
public:
    static constexpr char IID[] = "14281EFF-B21C-4067-823B-E7B5DF857620";
    using Parent = IPropertyControl;

protected:
    ~IPropertySeparator() = default;
};
using IPropertySeparatorPtr = Ptr<IPropertySeparator>;

class IPropertyFileName : public IPropertyControl {
public:
    static constexpr char IID[] = "3BA3875C-D943-44D5-A162-918A71AE3E72";
    using Parent = IPropertyControl;

    virtual void SetFileName(const wchar_t* fileName) = 0;
    virtual std::wstring GetFileName() = 0;

protected:
    ~IPropertyFileName() = default;
};
using IPropertyFileNamePtr = Ptr<IPropertyFileName>;

class IPropertyColor : public IPropertyControl {
public:
    static constexpr char IID[] = "6A5A484C-4029-496E-971F-32345D5D79B4";
    using Parent = IPropertyControl;

protected:
    ~IPropertyColor() = default;
};
using IPropertyColorPtr = Ptr<IPropertyColor>;

class IPropertySlideBox : public IPropertyControl {
public:
    static constexpr char IID[] = "1CE4A33F-09F2-4220-9887-F55A53589125";
    using Parent = IPropertyControl;

    virtual void SetDrawingGroup(IDrawingGroupPtr group) = 0;
    virtual void SetFitToWidth(bool fit) = 0;

protected:
    ~IPropertySlideBox() = default;
};
using IPropertySlideBoxPtr = Ptr<IPropertySlideBox>;

// The controls of one tab, in the order added.
class IPropertyControls : public IAPIObject {
public:
    static constexpr char IID[] = "DD3B459D-D4B0-48D6-8259-04CC9E8E98A7";
    using Parent = IAPIObject;

    // A new control of `type`; empty when the host refuses it.
    virtual IPropertyControlPtr Add(ControlTypeEnum type) = 0;
    virtual int GetCount() = 0;
    virtual IPropertyControlPtr GetItem(int index) = 0;

protected:
    ~IPropertyControls() = default;
};
using IPropertyControlsPtr = Ptr<IPropertyControls>;

class IPropertyTab : public IAPIObject {
public:
    static constexpr char IID[] = "7583C111-B973-43DB-889F-697321E88C1D";
    using Parent = IAPIObject;

    virtual std::wstring GetName() = 0;
    virtual void SetVisible(bool visible) = 0;
    virtual void SetExpanded(bool expanded) = 0;
    // Gives the tab's controls the input focus (true) or takes it away (false).
    virtual void SetActive(bool active) = 0;
    virtual IPropertyControlsPtr GetControls() = 0;

protected:
    ~IPropertyTab() = default;
};
using IPropertyTabPtr = Ptr<IPropertyTab>;

class IPropertyTabs : public IAPIObject {
public:
    static constexpr char IID[] = "5994E624-05D0-4009-8CB1-07069CB3323A";
    using Parent = IAPIObject;

    virtual IPropertyTabPtr Add(const wchar_t* name) = 0;
    virtual int GetCount() = 0;
    // Tab `index` from 0 in the order added; empty for another index.
    virtual IPropertyTabPtr GetItem(int index) = 0;
    // The header line above the tabs: shown or not, and its text.
    virtual void SetHeaderVisible(bool visible) = 0;
    virtual void SetHeaderText(const wchar_t* text) = 0;

protected:
    ~IPropertyTabs() = default;
};
using IPropertyTabsPtr = Ptr<IPropertyTabs>;

// Buttons of the property manager's own tool bar, numbered by the caller.
class IPropertyToolBar : public IAPIObject {
public:
    static constexpr char IID[] = "FD119905-C16A-4F56-BCE5-B230F4B4B837";
    using Parent = IAPIObject;

    virtual bool AddButton(int number, int image, int position) = 0;
    virtual void SetButtonEnabled(int number, bool enabled) = 0;
    virtual void SetButtonChecked(int number, bool checked) = 0;
    virtual void SetButtonTip(int number, const wchar_t* tip) = 0;
    virtual void SetButtonImageSource(int number, const wchar_t* source) = 0;

protected:
    ~IPropertyToolBar() = default;
};
using IPropertyToolBarPtr = Ptr<IPropertyToolBar>;

// What a command shows in the property manager while its process runs.
class IProcessParam : public IAPIObject {
public:
    static constexpr char IID[] = "7E11548D-7ECD-4D0A-A7D9-1155D98F282A";
    using Parent = IAPIObject;

    virtual void SetCaption(const wchar_t* caption) = 0;
    virtual std::wstring GetCaption() = 0;
    virtual void SetToolBar(SpecPropertyToolBarEnum toolBar) = 0;
    virtual IPropertyToolBarPtr GetToolBar() = 0;
    virtual IPropertyTabsPtr GetPropertyTabs() = 0;
    virtual IPropertiesManagerEventsPtr GetEvents() = 0;
    // True: the panel closes when the user applies it; false: it stays for the next object.
    virtual void SetCloseOnApply(bool close) = 0;
    // An extra button of the process's own bar: id, image number, tip and image source
    // (empty: the host's images).
    virtual bool AddButton(int id, int image, const wchar_t* tip, const wchar_t* source) = 0;

protected:
    ~IProcessParam() = default;
};
using IProcessParamPtr = Ptr<IProcessParam>;

// A command running inside the host's loop.
class IProcess : public IAPIObject {
public:
    static constexpr char IID[] = "30230260-A323-4B8C-8A22-A6B07FB605C0";
    using Parent = IAPIObject;

    virtual IProcessParamPtr GetProcessParam() = 0;
    // Attaches the parameters the property manager shows while the process runs.
    virtual void SetProcessParam(IProcessParamPtr param) = 0;
    virtual void SetPrompt(const wchar_t* prompt) = 0;
    virtual void SetHint(const wchar_t* hint) = 0;
    // Runs the host's loop until the process stops; 1 when it ended with OK, else 0.
    virtual int Run(bool modal, bool postMessage) = 0;
    // Stop asks the loop to end, EndProcess closes the process's panel; called in that order.
    virtual void Stop() = 0;
    virtual void EndProcess() = 0;

protected:
    ~IProcess() = default;
};
using IProcessPtr = Ptr<IProcess>;

// What a 2D process draws at the cursor.
enum tvPhantomTypeEnum : int {
    tvUnknownPhantom = 0,
    tvMoveGroupPhantom = 1,
    tvLineSegPhantom = 2,
    tvRectanglePhantom = 3,
    tvAngleLineSegPhantom = 4,
    tvHalfRectanglePhantom = 5,
    tvUserPhantom = 6,
    tvCirclePhantom = 7,
};

// The preview of a 2D process: it shows the objects of its drawing group at the cursor.
class IPhantom2D : public IAPIObject {
public:
    static constexpr char IID[] = "A0E7C1B2-5D34-4F6A-9B21-3C8E7D4F5A60";
    using Parent = IAPIObject;

    virtual void SetType(tvPhantomTypeEnum type) = 0;
    virtual void SetDrawingGroup(IDrawingGroupPtr group) = 0;
    // Shows the group as it is now.
    virtual void Update() = 0;

protected:
    ~IPhantom2D() = default;
};
using IPhantom2DPtr = Ptr<IPhantom2D>;

class IProcess2D : public IProcess {
public:
    static constexpr char IID[] = "3D3427CF-C480-403B-83CF-E83C87B27ED3";
    using Parent = IProcess;

    virtual IProcess2DEventsPtr GetEvents2D() = 0;
    virtual IPhantom2DPtr GetPhantom() = 0;
    // True: cursor movements are reported as dynamic placements; false: only clicks.
    virtual void SetDynamicPlacement(bool on) = 0;

protected:
    ~IProcess2D() = default;
};
using IProcess2DPtr = Ptr<IProcess2D>;

enum tvManipulatorTypeEnum : int { tvPlacement3DManipulator = 1, tvEditDoubleManipulator = 2 };

// What every manipulator in the model view has: the identifier its events carry, its
// visibility and its placement.
class IBaseManipulator : public IAPIObject {
public:
    static constexpr char IID[] = "C7D41A90-2E5B-4F83-B6A9-0D1E3F5A7B92";
    using Parent = IAPIObject;

    virtual void SetId(int id) = 0;
    virtual void SetVisible(bool visible) = 0;
    // The live placement: setting it moves the manipulator.
    virtual IPlacement3DPtr GetPlacement() = 0;
    // Shows the manipulator as its placement and settings now are; `redraw` repaints the view.
    virtual void Update(bool redraw) = 0;
    // True: the user may drag the manipulator in the view.
    virtual void SetDraggable(bool draggable) = 0;
    // Opens the value field of a numeric manipulator at its placement.
    virtual void ShowValueField() = 0;

protected:
    ~IBaseManipulator() = default;
};
using IBaseManipulatorPtr = Ptr<IBaseManipulator>;

// A manipulator of a placement: axes, planes, contours and labels the user drags.
class IPlacement3DManipulator : public IAPIObject {
public:
    static constexpr char IID[] = "E2A85C17-9F40-4B6D-8C3E-71F0A4D2B6C8";
    using Parent = IAPIObject;

    virtual void ShowPrimitive(tvManipulatorPrimitiveEnum primitive, bool show) = 0;
    // True: the primitive stays highlighted.
    virtual void HighlightPrimitive(tvManipulatorPrimitiveEnum primitive, bool highlight) = 0;

protected:
    ~IPlacement3DManipulator() = default;
};
using IPlacement3DManipulatorPtr = Ptr<IPlacement3DManipulator>;

// A manipulator that shows and edits one number.
class IEditDoubleManipulator : public IAPIObject {
public:
    static constexpr char IID[] = "9A3C6E28-4B17-4D90-A5F2-C8E1B07D3F46";
    using Parent = IAPIObject;

    virtual void SetValue(double value) = 0;
    virtual double GetValue() = 0;

protected:
    ~IEditDoubleManipulator() = default;
};
using IEditDoubleManipulatorPtr = Ptr<IEditDoubleManipulator>;

class IManipulators : public IAPIObject {
public:
    static constexpr char IID[] = "38E3FFB7-D189-47EE-A1B4-E0D72294B8EE";
    using Parent = IAPIObject;

    virtual IProcess3DManipulatorsEventsPtr GetEvents() = 0;
    // A new manipulator of `type` in the view; empty for an unknown type.
    virtual IBaseManipulatorPtr Add(tvManipulatorTypeEnum type) = 0;

protected:
    ~IManipulators() = default;
};
using IManipulatorsPtr = Ptr<IManipulators>;

class IProcess3D : public IProcess {
public:
    static constexpr char IID[] = "57D8F6C0-32B3-4FC5-B75A-2F39C89CFC4D";
    using Parent = IProcess;

    virtual IProcess3DEventsPtr GetEvents3D() = 0;
    virtual IManipulatorsPtr GetManipulators() = 0;
    // The part shown at the cursor while the process runs: given as an object of the open
    // model (empty: none), or loaded from a part file (the loaded part; empty, and no
    // phantom, when the file cannot be read), and read back (empty when none).
    virtual void SetPhantomObject(IModelObjectPtr object) = 0;
    virtual IModelObjectPtr LoadPhantom(const wchar_t* fileName) = 0;
    virtual IModelObjectPtr GetPhantomObject() = 0;
    // The mates that hold the phantom while the process runs, in creation order; the
    // process's own, gone with it.
    virtual Ptr<IMateConstraints3D> GetMateConstraints() = 0;
    // Where the phantom stands now (a copy: changing it moves nothing).
    virtual IPlacement3DPtr GetPlacement() = 0;
    // The objects the phantom was last mated to, by kind: plane, axis, point (each may be
    // empty).
    virtual void SetMateObjects(const std::vector<IModelObjectPtr>& objects) = 0;
    // Takes changed mates into the phantom's view.
    virtual void UpdateProcess() = 0;

protected:
    ~IProcess3D() = default;
};
using IProcess3DPtr = Ptr<IProcess3D>;

// The property-manager side of the application.
class IProcessFactory : public IAPIObject {
public:
    static constexpr char IID[] = "4777602F-48A3-49FC-818B-BE24B0A79B01";
    using Parent = IAPIObject;

    virtual IProcessParamPtr CreateProcessParam() = 0;
    virtual IProcess2DPtr CreateProcess2D(IProcessParamPtr param) = 0;
    virtual IProcess3DPtr CreateProcess3D(IProcessParamPtr param) = 0;
    virtual IApplicationEventsPtr GetApplicationEvents() = 0;
    // The window of `document`; empty for an empty document.
    virtual IDocumentFramePtr GetDocumentFrame(ITervanDocumentPtr document) = 0;
    // Brings the host's command bars up to date after a command ends; `state` receives the
    // bars' state object.
    virtual void UpdateCommandBars(int mode, IAPIObjectPtr& state) = 0;

protected:
    ~IProcessFactory() = default;
};
using IProcessFactoryPtr = Ptr<IProcessFactory>;

} // namespace tvapi
