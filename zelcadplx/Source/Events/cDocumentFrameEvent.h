#pragma once
// Receivers of the host's events: one class per host events interface. A receiver holds the
// name under which it subscribes and the answer of its default handlers, subscribes one
// callback per selected event (Advise) and removes them all by name (UnAdvie). Every event
// becomes a call of one virtual operation, so a panel's override answers.

#include <string>
#include <utility>
#include <vector>

#include "BaseTypes.h"
#include "tvapi/Events.h"

class TBaseManager;
class THotPointData;
struct TMeshDrawObjectParam;

// Runs a host callback's body; when it throws, the failure is reported to the user and the
// host gets `failure` instead, so no exception crosses into the host.
void ReportEventFailure() noexcept;
template <class R, class Body> R GuardEvent(R failure, Body&& body) noexcept
{
    try {
        return body();
    } catch (...) {
        ReportEventFailure();
        return failure;
    }
}
template <class Body> void GuardEvent(Body&& body) noexcept
{
    try {
        body();
    } catch (...) {
        ReportEventFailure();
    }
}

// SmartPtr: the host pointer type of the events interface IEvents.
template <class SmartPtr, class IEvents> class TReceiverEvents {
public:
    std::wstring N;            // the subscription name
    const Boolean ReturnValue; // the answer of the default handlers

    TReceiverEvents(std::wstring iN, bool RV) : N(std::move(iN)), ReturnValue(RV) {}
    // Frees the name only: unsubscribing is the owner's business.
    virtual ~TReceiverEvents() = default;
    TReceiverEvents(const TReceiverEvents&) = delete;
    TReceiverEvents& operator=(const TReceiverEvents&) = delete;

    // Removes every callback registered under N on E; nothing for an empty E.
    virtual void UnAdvie(SmartPtr E)
    {
        if (E) E->Unadvise(N.c_str());
    }
    // Registers a callback for each event whose bit (1 << number) is set in the mask C;
    // -1 selects all.
    virtual void Advise(SmartPtr E, int C) = 0;

protected:
    static bool Selected(int C, int event) noexcept { return (static_cast<unsigned>(C) >> event) & 1u; }
};

template <class SmartPtr, class IEvents>
class TBaseManagerReceiverEvent : public TReceiverEvents<SmartPtr, IEvents> {
public:
    TBaseManager& Receiver; // the panel the dispatchers forward to

    TBaseManagerReceiverEvent(TBaseManager& iReceiver, std::wstring iN, bool RV)
        : TReceiverEvents<SmartPtr, IEvents>(std::move(iN), RV), Receiver(iReceiver)
    {
    }
};

class TReceiverFrameEvent
    : public TBaseManagerReceiverEvent<tvapi::IDocumentFrameEventsPtr, tvapi::IDocumentFrameEvents> {
public:
    using TBaseManagerReceiverEvent::TBaseManagerReceiverEvent;
    // MouseMove (11) is registered right after MouseDblClick (4).
    void Advise(tvapi::IDocumentFrameEventsPtr E, int C) override;

    // Dispatchers: the panel's widgets and overridables (see TBaseManager).
    virtual bool _MouseMove(tvapi::IPressedKeysPtr Keys, int x, int y);
    virtual bool _MouseDown(tvapi::IPressedKeysPtr Keys, int x, int y);
    virtual bool _MouseUp(tvapi::IPressedKeysPtr Keys, int x, int y);
    virtual bool _MouseDblClick(tvapi::IPressedKeysPtr Keys, int x, int y);
    virtual bool _BeginPaintGL(unsigned drawMode, tvapi::IOpenGLObjectPtr glObject);
    virtual void _ClosePaintGL(unsigned drawMode, tvapi::IOpenGLObjectPtr glObject);
    virtual void _AddGabarit(tvapi::IGabaritObjectPtr gabObj);

    virtual bool BeginPaint(tvapi::IPaintObjectPtr) { return ReturnValue; }
    virtual bool ClosePaint(tvapi::IPaintObjectPtr) { return ReturnValue; }
    virtual bool MouseMove(tvapi::IPressedKeysPtr, int, int) { return ReturnValue; }
    virtual bool MouseDown(tvapi::IPressedKeysPtr, int, int) { return ReturnValue; }
    virtual bool MouseUp(tvapi::IPressedKeysPtr, int, int) { return ReturnValue; }
    virtual bool MouseDblClick(tvapi::IPressedKeysPtr, int, int) { return ReturnValue; }
    virtual bool BeginPaintGL(unsigned, tvapi::IOpenGLObjectPtr) { return ReturnValue; }
    virtual void ClosePaintGL(unsigned, tvapi::IOpenGLObjectPtr) {}
    virtual void AddGabarit(tvapi::IGabaritObjectPtr) {}
    virtual bool Activate() { return ReturnValue; }
    virtual bool Deactivate() { return ReturnValue; }
    virtual bool CloseFrame() { return ReturnValue; }
    virtual bool BeginPaintTmpObjects() { return ReturnValue; }
    virtual bool ClosePaintTmpObjects() { return ReturnValue; }
};

class TReceiverProcess3DManipulatorsEvent
    : public TBaseManagerReceiverEvent<tvapi::IProcess3DManipulatorsEventsPtr,
                                       tvapi::IProcess3DManipulatorsEvents> {
public:
    Boolean DragManipulator = false; // a drag of a manipulator is under way

    using TBaseManagerReceiverEvent::TBaseManagerReceiverEvent;
    void Advise(tvapi::IProcess3DManipulatorsEventsPtr E, int C) override;

    virtual bool MoveManipulator(int, double, double, double, double, bool) { return ReturnValue; }
    virtual bool RotateManipulator(int, double, double, double, double, double, double, double, bool)
    {
        return ReturnValue;
    }
    virtual bool ClickManipulatorPrimitive(int, tvapi::tvManipulatorPrimitiveEnum, bool)
    {
        return ReturnValue;
    }
    virtual bool BeginDragManipulator(int, tvapi::tvManipulatorPrimitiveEnum) { return ReturnValue; }
    virtual bool EndDragManipulator(int, tvapi::tvManipulatorPrimitiveEnum) { return ReturnValue; }
    virtual bool CreateManipulatorEdit(int, tvapi::tvManipulatorPrimitiveEnum) { return ReturnValue; }
    virtual bool ChangeManipulatorValue(int, tvapi::tvManipulatorPrimitiveEnum, double)
    {
        return ReturnValue;
    }
    virtual bool DestroyManipulatorEdit(int) { return ReturnValue; }
};

class TReceiverProcess3DEvent
    : public TBaseManagerReceiverEvent<tvapi::IProcess3DEventsPtr, tvapi::IProcess3DEvents> {
public:
    tvapi::ITervanAPIObjectPtr LastFilterObj; // the last object the filter question accepted

    using TBaseManagerReceiverEvent::TBaseManagerReceiverEvent;
    ~TReceiverProcess3DEvent() override { LastFilterObj.Reset(); }
    // FilterObjects (7) is registered right after PlacementChanged (0).
    void Advise(tvapi::IProcess3DEventsPtr E, int C) override;

    // The pick protocol: the host asks FilterObjects for each object under the cursor (an
    // accepted one is remembered) and reports the pick by PlacementChanged (empty: the
    // remembered one), after which nothing is remembered.
    virtual bool PlacementChanged(tvapi::ITervanAPIObjectPtr Obj);
    virtual bool FilterObjects(tvapi::ITervanAPIObjectPtr Obj);
    virtual bool ExecuteCommand(int) { return false; }
    virtual bool RunProcess() { return false; }
    virtual bool StopProcess() { return false; }
    virtual bool Activate() { return false; }
    virtual bool Deactivate() { return false; }
    virtual bool EndProcess() { return false; }
    virtual bool CreateTakeObject(tvapi::IModelObjectPtr) { return false; }
    virtual bool ProcessingGroupObjects(std::vector<tvapi::ITervanAPIObjectPtr>, int) { return false; }
    virtual bool AbortProcess() { return false; }
    virtual bool CanSelect(tvapi::ITervanAPIObjectPtr) { return false; }
    virtual bool Select(tvapi::ITervanAPIObjectPtr) { return true; }
    virtual bool ECanSelect(tvapi::IModelObjectPtr&) { return false; }
    virtual bool ESelect(tvapi::IModelObjectPtr&) { return true; }
    // A hot point's marker, and another of the panel's own meshes, under the cursor.
    virtual bool HPCanSelect(THotPointData&) { return false; }
    virtual bool HPSelect(THotPointData&) { return false; }
    virtual bool MOCanSelect(TMeshDrawObjectParam&) { return false; }
    virtual bool MOSelect(TMeshDrawObjectParam&) { return true; }
};

class TReceiverProcess2DEvent
    : public TBaseManagerReceiverEvent<tvapi::IProcess2DEventsPtr, tvapi::IProcess2DEvents> {
public:
    using TBaseManagerReceiverEvent::TBaseManagerReceiverEvent;
    void Advise(tvapi::IProcess2DEventsPtr E, int C) override;

    virtual bool PlacementChanged(double, double, double, bool) { return ReturnValue; }
    virtual bool ExecuteCommand(int) { return ReturnValue; }
    virtual bool Run() { return ReturnValue; }
    virtual bool Stop2D() { return ReturnValue; }
    virtual bool Activate() { return ReturnValue; }
    // Operations no subscription reaches.
    virtual bool Deactivate() { return ReturnValue; }
    virtual bool EndProcess() { return ReturnValue; }
    virtual bool GetMouseEnterLeavePoint(tvapi::IPropertyControlPtr, int, int, std::vector<double>&)
    {
        return ReturnValue;
    }
    virtual bool AbortProcess2D() { return ReturnValue; }
};

class TReceiverPropertyManagerEvent
    : public TBaseManagerReceiverEvent<tvapi::IPropertiesManagerEventsPtr, tvapi::IPropertiesManagerEvents> {
public:
    using TBaseManagerReceiverEvent::TBaseManagerReceiverEvent;
    // Event 11 is never subscribed.
    void Advise(tvapi::IPropertiesManagerEventsPtr E, int C) override;

    // Dispatchers: the panel's overridables and its phantom redraw (see TBaseManager).
    virtual bool _ButtonClick(int buttonId);
    virtual void _ChangeControlValue(tvapi::IPropertyControlPtr control);
    virtual void _ControlCommand(tvapi::IPropertyControlPtr control, int buttonId);
    virtual bool _ButtonUpdate(int buttonId, bool& enable, int& checked);
    virtual void _ProcessActivate();
    virtual void _ProcessDeactivate();
    virtual void _SelectItem(tvapi::IPropertyControlPtr control, int index, bool select);
    virtual void _CheckItem(tvapi::IPropertyControlPtr control, int index, bool check);
    virtual void _EditFocus(tvapi::IPropertyControlPtr control, bool setFocus);
    virtual void _UserMenuCommand(tvapi::IPropertyControlPtr control, int menuId);

    virtual bool ButtonClick(int) { return false; }
    virtual bool ChangeControlValue(tvapi::IPropertyControlPtr) { return false; }
    virtual bool ControlCommand(tvapi::IPropertyControlPtr, int) { return false; }
    virtual bool ButtonUpdate(int, bool&, int&) { return false; }
    virtual void ProcessActivate() {}
    virtual void ProcessDeactivate() {}
    virtual bool SelectItem(tvapi::IPropertyControlPtr, int, bool) { return false; }
    virtual bool CheckItem(tvapi::IPropertyControlPtr, int, bool) { return false; }
    virtual void SelectCell(tvapi::IPropertyControlPtr, int, int) {}
    virtual bool EditFocus(tvapi::IPropertyControlPtr, bool) { return false; }
    virtual bool UserMenuCommand(tvapi::IPropertyControlPtr, int) { return false; }
    virtual void FillContextPanel(tvapi::IProcessContextPanelPtr) {}
    virtual void FillContextIconMenu(tvapi::IProcessContextIconMenuPtr) {}
    virtual void EndEditItem(tvapi::IPropertyControlPtr, int) {}
    virtual void ChangeTabExpanded(int) {}
    virtual void DoubleClickItem(tvapi::IPropertyControlPtr, int) {}
};

class TReceiverApplicationEvent
    : public TReceiverEvents<tvapi::IApplicationEventsPtr, tvapi::IApplicationEvents> {
public:
    using TReceiverEvents::TReceiverEvents;
    // Event 0 (BeginCreate) is never subscribed.
    void Advise(tvapi::IApplicationEventsPtr E, int C) override;

    virtual bool BeginCreate(tvapi::DocumentTypeEnum) { return ReturnValue; }
    virtual void CreateDocument(tvapi::ITervanDocumentPtr) {}
    virtual bool BeginOpenDocument(const std::wstring&) { return ReturnValue; }
    virtual void OpenDocument(tvapi::ITervanDocumentPtr) {}
    virtual bool BeginOpenFile() { return ReturnValue; }
    virtual bool BeginDragOpenFiles(std::vector<std::wstring>&, bool) { return ReturnValue; }
    virtual bool BeginRequestFiles(tvapi::tvRequestFilesTypeEnum, std::vector<std::wstring>&)
    {
        return ReturnValue;
    }
    virtual void ChangeActiveDocument(tvapi::ITervanDocumentPtr) {}
    virtual void ApplicationDestroy() {}
    virtual bool BeginCloseAllDocument() { return ReturnValue; }
    virtual bool KeyDown(int&, int, tvapi::IPressedKeysPtr) { return ReturnValue; }
    virtual bool KeyUp(int&, int, tvapi::IPressedKeysPtr) { return ReturnValue; }
    virtual bool KeyPressed(int&, int, tvapi::IPressedKeysPtr) { return ReturnValue; }
    virtual bool BeginChoiceMaterial(tvapi::tvMaterialPropertyTypeEnum) { return ReturnValue; }
    virtual void ChoiceMaterial(tvapi::tvMaterialPropertyTypeEnum, const std::wstring&, double) {}
    virtual bool IsNeedConvertToSavePrevious(tvapi::ITervanDocumentPtr, tvapi::tvSaveDocumentVersionEnum,
                                             tvapi::ISaveToPreviousParamPtr, bool&)
    {
        return ReturnValue;
    }
    virtual void BeginConvertToSavePrevious(tvapi::ITervanDocumentPtr, tvapi::tvSaveDocumentVersionEnum,
                                            tvapi::ISaveToPreviousParamPtr)
    {
    }
    virtual void EndConvertToSavePrevious(tvapi::ITervanDocumentPtr, tvapi::tvSaveDocumentVersionEnum,
                                          tvapi::ISaveToPreviousParamPtr)
    {
    }
    virtual bool ChangeTheme(tvapi::tvThemeEnum) { return ReturnValue; }
};
