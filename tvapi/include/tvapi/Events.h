#pragma once
// The host's event sources. Each events interface offers Unadvise(name), which drops every
// callback registered under that name, then one registration operation per event, in event
// number order, each taking (name, callback). A name holds at most one callback per event:
// registering again under the same name replaces it. Callbacks run on the user-interface
// thread; for events with a result the host receives the callback's answer.

#include <functional>
#include <string>
#include <vector>

#include "tvapi/Base.h"
#include "tvapi/Documents.h"
#include "tvapi/ModelObjects.h"
#include "tvapi/PressedKeys.h"
#include "tvapi/TervanAPIObject.h"

namespace tvapi {

class IPropertyControl;
using IPropertyControlPtr = Ptr<IPropertyControl>;

// What the frame hands to painting callbacks; the library only passes them on.
class IPaintObject : public IAPIObject {
public:
    static constexpr char IID[] = "7D7122F2-C16C-4C7C-A132-7C53739CFA56";
    using Parent = IAPIObject;

protected:
    ~IPaintObject() = default;
};
using IPaintObjectPtr = Ptr<IPaintObject>;

class IOpenGLObject : public IAPIObject {
public:
    static constexpr char IID[] = "364E095C-96EF-4154-8A36-76CCCF91B833";
    using Parent = IAPIObject;

protected:
    ~IOpenGLObject() = default;
};
using IOpenGLObjectPtr = Ptr<IOpenGLObject>;

// The box the frame fits its view to; a library may widen it.
class IGabaritObject : public IAPIObject {
public:
    static constexpr char IID[] = "0BCC0055-D24D-4BF3-A27D-0205532FE916";
    using Parent = IAPIObject;

    // Reads box `index` into x1..z2 (first corner, then second); false when there is none.
    virtual bool GetGabarit(int index, double& x1, double& y1, double& z1, double& x2, double& y2,
                            double& z2) = 0;
    virtual bool SetGabarit(double x1, double y1, double z1, double x2, double y2, double z2) = 0;

protected:
    ~IGabaritObject() = default;
};
using IGabaritObjectPtr = Ptr<IGabaritObject>;

class IProcessContextPanel : public IAPIObject {
public:
    static constexpr char IID[] = "CC255292-E574-44D1-9C2D-407E1DC2BA1E";
    using Parent = IAPIObject;

protected:
    ~IProcessContextPanel() = default;
};
using IProcessContextPanelPtr = Ptr<IProcessContextPanel>;

class IProcessContextIconMenu : public IAPIObject {
public:
    static constexpr char IID[] = "42C8C93C-CD89-4226-B195-119188233E98";
    using Parent = IAPIObject;

protected:
    ~IProcessContextIconMenu() = default;
};
using IProcessContextIconMenuPtr = Ptr<IProcessContextIconMenu>;

class ISaveToPreviousParam : public IAPIObject {
public:
    static constexpr char IID[] = "9849A569-030C-46D8-9070-CD96F567D933";
    using Parent = IAPIObject;

protected:
    ~ISaveToPreviousParam() = default;
};
using ISaveToPreviousParamPtr = Ptr<ISaveToPreviousParam>;

// The parts of a placement manipulator.
enum tvManipulatorPrimitiveEnum : int {
    tvMPNone = 0,
    tvMPAxisX = 1,
    tvMPAxisY = 2,
    tvMPAxisZ = 3,
    tvMPPlaceXOY = 4,
    tvMPPlaceXOZ = 5,
    tvMPPlaceYOZ = 6,
    tvMPConturXY = 7,
    tvMPConturXZ = 8,
    tvMPConturYZ = 9,
    tvMPTextX = 10,
    tvMPTextY = 11,
    tvMPTextZ = 12,
    tvMPOriginal = 13,
};
enum tvRequestFilesTypeEnum : int { tvRequestOpen = 0, tvRequestInsert = 1 };
enum tvMaterialPropertyTypeEnum : int { tvMaterialDensity = 0, tvMaterialColor = 1 };
enum tvSaveDocumentVersionEnum : int { tvSaveVersionCurrent = 0, tvSaveVersionPrevious = 1 };
enum tvThemeEnum : int { tvThemeLight = 0, tvThemeDark = 1 };

// Events of a document frame (window), numbered 0..13.
namespace frame_events {
using BeginPaint = std::function<bool(IPaintObjectPtr)>;
using ClosePaint = std::function<void(IPaintObjectPtr)>;
using Mouse = std::function<bool(IPressedKeysPtr, int x, int y)>;
using BeginPaintGL = std::function<bool(unsigned drawMode, IOpenGLObjectPtr)>;
using ClosePaintGL = std::function<void(unsigned drawMode, IOpenGLObjectPtr)>;
using AddGabarit = std::function<void(IGabaritObjectPtr)>;
using Notify = std::function<void()>;
using Ask = std::function<bool()>;
} // namespace frame_events

class IDocumentFrameEvents : public IAPIObject {
public:
    static constexpr char IID[] = "152E9E41-A2FB-4710-91B6-D3F4C446B679";
    using Parent = IAPIObject;

    virtual void Unadvise(const wchar_t* name) = 0;
    virtual void AdviseBeginPaint(const wchar_t* name, frame_events::BeginPaint f) = 0;       // 0
    virtual void AdviseClosePaint(const wchar_t* name, frame_events::ClosePaint f) = 0;       // 1
    virtual void AdviseMouseDown(const wchar_t* name, frame_events::Mouse f) = 0;             // 2
    virtual void AdviseMouseUp(const wchar_t* name, frame_events::Mouse f) = 0;               // 3
    virtual void AdviseMouseDblClick(const wchar_t* name, frame_events::Mouse f) = 0;         // 4
    virtual void AdviseBeginPaintGL(const wchar_t* name, frame_events::BeginPaintGL f) = 0;   // 5
    virtual void AdviseClosePaintGL(const wchar_t* name, frame_events::ClosePaintGL f) = 0;   // 6
    virtual void AdviseAddGabarit(const wchar_t* name, frame_events::AddGabarit f) = 0;       // 7
    virtual void AdviseActivate(const wchar_t* name, frame_events::Notify f) = 0;             // 8
    virtual void AdviseDeactivate(const wchar_t* name, frame_events::Notify f) = 0;           // 9
    virtual void AdviseCloseFrame(const wchar_t* name, frame_events::Notify f) = 0;           // 10
    virtual void AdviseMouseMove(const wchar_t* name, frame_events::Mouse f) = 0;             // 11
    virtual void AdviseBeginPaintTmpObjects(const wchar_t* name, frame_events::Ask f) = 0;    // 12
    virtual void AdviseClosePaintTmpObjects(const wchar_t* name, frame_events::Notify f) = 0; // 13

protected:
    ~IDocumentFrameEvents() = default;
};
using IDocumentFrameEventsPtr = Ptr<IDocumentFrameEvents>;

// A document's window: its events and its repaint.
class IDocumentFrame : public IAPIObject {
public:
    static constexpr char IID[] = "76A44DE0-069C-4745-977E-9B427DD9AAE1";
    using Parent = IAPIObject;

    virtual IDocumentFrameEventsPtr GetEvents() = 0;
    // Marks the view for repainting; RefreshView then repaints what is marked.
    virtual void Invalidate() = 0;
    virtual void RefreshView() = 0;
    // Puts `text` on the window's status line, the newest message of a panel shown there.
    virtual void SetStatusText(const wchar_t* text) = 0;
    // The window's client rectangle in pixels, y downwards; false when there is no window.
    virtual bool GetFrameRect(int& left, int& top, int& right, int& bottom) = 0;
    // Where the model point (x, y, z) shows in the window, in pixels with y downwards; false
    // when the view cannot tell.
    virtual bool ModelToWindow(double x, double y, double z, double& windowX, double& windowY) = 0;

protected:
    ~IDocumentFrame() = default;
};
using IDocumentFramePtr = Ptr<IDocumentFrame>;

// Events of the 3D manipulators of a process, numbered 0..7; every callback answers.
namespace manipulator_events {
using Move = std::function<bool(int id, double vx, double vy, double vz, double delta, bool fromEdit)>;
using Rotate = std::function<bool(int id, double ox, double oy, double oz, double ax, double ay, double az,
                                  double angle, bool fromEdit)>;
using Click = std::function<bool(int id, tvManipulatorPrimitiveEnum primitive, bool isDblClick)>;
using Primitive = std::function<bool(int id, tvManipulatorPrimitiveEnum primitive)>;
using Value = std::function<bool(int id, tvManipulatorPrimitiveEnum primitive, double newValue)>;
using Id = std::function<bool(int id)>;
} // namespace manipulator_events

class IProcess3DManipulatorsEvents : public IAPIObject {
public:
    static constexpr char IID[] = "064DD4D2-BC35-433C-A54F-CA3847F27A2A";
    using Parent = IAPIObject;

    virtual void Unadvise(const wchar_t* name) = 0;
    virtual void AdviseMoveManipulator(const wchar_t* name, manipulator_events::Move f) = 0;            // 0
    virtual void AdviseRotateManipulator(const wchar_t* name, manipulator_events::Rotate f) = 0;        // 1
    virtual void AdviseClickManipulatorPrimitive(const wchar_t* name, manipulator_events::Click f) = 0; // 2
    virtual void AdviseBeginDragManipulator(const wchar_t* name, manipulator_events::Primitive f) = 0;  // 3
    virtual void AdviseEndDragManipulator(const wchar_t* name, manipulator_events::Primitive f) = 0;    // 4
    virtual void AdviseCreateManipulatorEdit(const wchar_t* name, manipulator_events::Primitive f) = 0; // 5
    virtual void AdviseChangeManipulatorValue(const wchar_t* name, manipulator_events::Value f) = 0;    // 6
    virtual void AdviseDestroyManipulatorEdit(const wchar_t* name, manipulator_events::Id f) = 0;       // 7

protected:
    ~IProcess3DManipulatorsEvents() = default;
};
using IProcess3DManipulatorsEventsPtr = Ptr<IProcess3DManipulatorsEvents>;

// Events of a 3D process, numbered 0..10; every callback answers.
namespace process3d_events {
using Object = std::function<bool(ITervanAPIObjectPtr)>;
using Command = std::function<bool(int command)>;
using Ask = std::function<bool()>;
using Take = std::function<bool(IModelObjectPtr)>;
using Group = std::function<bool(std::vector<ITervanAPIObjectPtr> selected, int selectionType)>;
} // namespace process3d_events

class IProcess3DEvents : public IAPIObject {
public:
    static constexpr char IID[] = "459E9D0C-FEF2-43D3-96D6-5390BA1647FA";
    using Parent = IAPIObject;

    virtual void Unadvise(const wchar_t* name) = 0;
    virtual void AdvisePlacementChanged(const wchar_t* name, process3d_events::Object f) = 0;      // 0
    virtual void AdviseExecuteCommand(const wchar_t* name, process3d_events::Command f) = 0;       // 1
    virtual void AdviseRunProcess(const wchar_t* name, process3d_events::Ask f) = 0;               // 2
    virtual void AdviseStopProcess(const wchar_t* name, process3d_events::Ask f) = 0;              // 3
    virtual void AdviseActivate(const wchar_t* name, process3d_events::Ask f) = 0;                 // 4
    virtual void AdviseDeactivate(const wchar_t* name, process3d_events::Ask f) = 0;               // 5
    virtual void AdviseEndProcess(const wchar_t* name, process3d_events::Ask f) = 0;               // 6
    virtual void AdviseFilterObjects(const wchar_t* name, process3d_events::Object f) = 0;         // 7
    virtual void AdviseCreateTakeObject(const wchar_t* name, process3d_events::Take f) = 0;        // 8
    virtual void AdviseProcessingGroupObjects(const wchar_t* name, process3d_events::Group f) = 0; // 9
    virtual void AdviseAbortProcess(const wchar_t* name, process3d_events::Ask f) = 0;             // 10

protected:
    ~IProcess3DEvents() = default;
};
using IProcess3DEventsPtr = Ptr<IProcess3DEvents>;

// Events of a 2D process, numbered 0..4; every callback answers.
namespace process2d_events {
using Placement = std::function<bool(double x, double y, double angle, bool dynamic)>;
using Command = std::function<bool(int command)>;
using Ask = std::function<bool()>;
} // namespace process2d_events

class IProcess2DEvents : public IAPIObject {
public:
    static constexpr char IID[] = "03C48427-0878-4E84-BDE7-082FE2C792B3";
    using Parent = IAPIObject;

    virtual void Unadvise(const wchar_t* name) = 0;
    virtual void AdvisePlacementChanged(const wchar_t* name, process2d_events::Placement f) = 0; // 0
    virtual void AdviseExecuteCommand(const wchar_t* name, process2d_events::Command f) = 0;     // 1
    virtual void AdviseRun(const wchar_t* name, process2d_events::Ask f) = 0;                    // 2
    virtual void AdviseStop(const wchar_t* name, process2d_events::Ask f) = 0;                   // 3
    virtual void AdviseActivate(const wchar_t* name, process2d_events::Ask f) = 0;               // 4

protected:
    ~IProcess2DEvents() = default;
};
using IProcess2DEventsPtr = Ptr<IProcess2DEvents>;

// Events of the property manager of a process, numbered 0..16 (11 carries a layout change
// of a control).
namespace property_events {
using Button = std::function<bool(int buttonId)>;
using Control = std::function<void(IPropertyControlPtr)>;
using ControlInt = std::function<void(IPropertyControlPtr, int)>;
using ButtonUpdate = std::function<bool(int buttonId, bool& enable, int& checked)>;
using Notify = std::function<void()>;
using Item = std::function<void(IPropertyControlPtr, int index, bool state)>;
using Cell = std::function<void(IPropertyControlPtr, int row, int column)>;
using Focus = std::function<void(IPropertyControlPtr, bool setFocus)>;
using ContextPanel = std::function<void(IProcessContextPanelPtr)>;
using ContextIconMenu = std::function<void(IProcessContextIconMenuPtr)>;
using Tab = std::function<void(int tabIndex)>;
} // namespace property_events

class IPropertiesManagerEvents : public IAPIObject {
public:
    static constexpr char IID[] = "64F8561A-D39B-4F1C-8673-A78D57885D8E";
    using Parent = IAPIObject;

    virtual void Unadvise(const wchar_t* name) = 0;
    virtual void AdviseButtonClick(const wchar_t* name, property_events::Button f) = 0;                  // 0
    virtual void AdviseChangeControlValue(const wchar_t* name, property_events::Control f) = 0;          // 1
    virtual void AdviseControlCommand(const wchar_t* name, property_events::ControlInt f) = 0;           // 2
    virtual void AdviseButtonUpdate(const wchar_t* name, property_events::ButtonUpdate f) = 0;           // 3
    virtual void AdviseProcessActivate(const wchar_t* name, property_events::Notify f) = 0;              // 4
    virtual void AdviseProcessDeactivate(const wchar_t* name, property_events::Notify f) = 0;            // 5
    virtual void AdviseSelectItem(const wchar_t* name, property_events::Item f) = 0;                     // 6
    virtual void AdviseCheckItem(const wchar_t* name, property_events::Item f) = 0;                      // 7
    virtual void AdviseSelectCell(const wchar_t* name, property_events::Cell f) = 0;                     // 8
    virtual void AdviseEditFocus(const wchar_t* name, property_events::Focus f) = 0;                     // 9
    virtual void AdviseUserMenuCommand(const wchar_t* name, property_events::ControlInt f) = 0;          // 10
    virtual void AdviseLayoutChanged(const wchar_t* name, property_events::Control f) = 0;               // 11
    virtual void AdviseFillContextPanel(const wchar_t* name, property_events::ContextPanel f) = 0;       // 12
    virtual void AdviseFillContextIconMenu(const wchar_t* name, property_events::ContextIconMenu f) = 0; // 13
    virtual void AdviseEndEditItem(const wchar_t* name, property_events::ControlInt f) = 0;              // 14
    virtual void AdviseChangeTabExpanded(const wchar_t* name, property_events::Tab f) = 0;               // 15
    virtual void AdviseDoubleClickItem(const wchar_t* name, property_events::ControlInt f) = 0;          // 16

protected:
    ~IPropertiesManagerEvents() = default;
};
using IPropertiesManagerEventsPtr = Ptr<IPropertiesManagerEvents>;

// Events of the application, numbered 0..18.
namespace application_events {
using DocumentType = std::function<bool(DocumentTypeEnum)>;
using Document = std::function<void(ITervanDocumentPtr)>;
using FileName = std::function<bool(const std::wstring&)>;
using Ask = std::function<bool()>;
using DragFiles = std::function<bool(std::vector<std::wstring>& fileNames, bool)>;
using RequestFiles = std::function<bool(tvRequestFilesTypeEnum, std::vector<std::wstring>& fileNames)>;
using Notify = std::function<void()>;
using Key = std::function<bool(int& keyCode, int keyFlags, IPressedKeysPtr)>;
using Material = std::function<bool(tvMaterialPropertyTypeEnum)>;
using ChoiceMaterial = std::function<void(tvMaterialPropertyTypeEnum, const std::wstring&, double density)>;
using NeedConvert = std::function<bool(ITervanDocumentPtr, tvSaveDocumentVersionEnum, ISaveToPreviousParamPtr,
                                       bool& needConvert)>;
using Convert = std::function<void(ITervanDocumentPtr, tvSaveDocumentVersionEnum, ISaveToPreviousParamPtr)>;
using Theme = std::function<bool(tvThemeEnum)>;
} // namespace application_events

class IApplicationEvents : public IAPIObject {
public:
    static constexpr char IID[] = "9BD0AA3A-3077-43E9-88F3-63EA03EA457E";
    using Parent = IAPIObject;

    virtual void Unadvise(const wchar_t* name) = 0;
    virtual void AdviseBeginCreate(const wchar_t* name, application_events::DocumentType f) = 0;       // 0
    virtual void AdviseCreateDocument(const wchar_t* name, application_events::Document f) = 0;        // 1
    virtual void AdviseBeginOpenDocument(const wchar_t* name, application_events::FileName f) = 0;     // 2
    virtual void AdviseOpenDocument(const wchar_t* name, application_events::Document f) = 0;          // 3
    virtual void AdviseBeginOpenFile(const wchar_t* name, application_events::Ask f) = 0;              // 4
    virtual void AdviseBeginDragOpenFiles(const wchar_t* name, application_events::DragFiles f) = 0;   // 5
    virtual void AdviseBeginRequestFiles(const wchar_t* name, application_events::RequestFiles f) = 0; // 6
    virtual void AdviseChangeActiveDocument(const wchar_t* name, application_events::Document f) = 0;  // 7
    virtual void AdviseApplicationDestroy(const wchar_t* name, application_events::Notify f) = 0;      // 8
    virtual void AdviseBeginCloseAllDocument(const wchar_t* name, application_events::Ask f) = 0;      // 9
    virtual void AdviseKeyDown(const wchar_t* name, application_events::Key f) = 0;                    // 10
    virtual void AdviseKeyUp(const wchar_t* name, application_events::Key f) = 0;                      // 11
    virtual void AdviseKeyPressed(const wchar_t* name, application_events::Key f) = 0;                 // 12
    virtual void AdviseBeginChoiceMaterial(const wchar_t* name, application_events::Material f) = 0;   // 13
    virtual void AdviseChoiceMaterial(const wchar_t* name, application_events::ChoiceMaterial f) = 0;  // 14
    virtual void AdviseIsNeedConvertToSavePrevious(const wchar_t* name,
                                                   application_events::NeedConvert f) = 0; // 15
    virtual void AdviseBeginConvertToSavePrevious(const wchar_t* name,
                                                  application_events::Convert f) = 0;                    // 16
    virtual void AdviseEndConvertToSavePrevious(const wchar_t* name, application_events::Convert f) = 0; // 17
    virtual void AdviseChangeTheme(const wchar_t* name, application_events::Theme f) = 0;                // 18

protected:
    ~IApplicationEvents() = default;
};
using IApplicationEventsPtr = Ptr<IApplicationEvents>;

} // namespace tvapi
