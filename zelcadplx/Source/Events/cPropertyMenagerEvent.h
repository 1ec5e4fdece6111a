#pragma once
// TBaseManager: the base of every property panel. One object is at once the receiver of all
// six kinds of host events and the owner of the panel's host objects (process parameters,
// process, tabs and controls, document frame), of its bindings of controls to variables and
// of its in-view widgets with the status bar. One panel runs at a time (CurrentProcessManager).

#include <initializer_list>
#include <memory>

#include "HotPoint.h"
#include "HotPointData.h"
#include "Mathemat.h"
#include "Mathemat3d.h"
#include "TPropertylVariable.h"
#include "TValidateEdit.h"
#include "cDocumentFrameEvent.h"
#include "tvapi/Part.h"
#include "tvapi/PropertyManager.h"

class TAdapter;
class THotPointEdit;

// The panel's own toolbar kind, passed on to the host as it stands.
enum SpecPropertyToolBarEnum : int {
    pnUnknown = 0,
    pnEmpty = 1,
    pnEscHelp = 2,
    pnEnterEscHelp = 3,
    pnEnterEscCreateHelp = 4,
    pnEnterEscCreateSaveHelp = 5,
    pnEnterEscCreateSaveSearchHelp = 6,
    pnEnterEscSaveSearchPrevNextHelp = 7,
    pnEnterEscSearchHelp = 8,
    pnEscSaveSearchHelp = 9,
    pnEnterEscCreateSearchHelp = 10,
    pnEnterEscSaveSearchHelp = 11,
    pnEscSaveStateHelp = 12,
    pnEnterEscSearchPrevNextHelp = 13,
};

// One button of a button group or tool bar; the builders number buttons 1, 2, ... in list
// order whatever Id says.
struct TButtonData {
    std::int32_t Id = 0;
    std::int32_t Icon = 0; // image number; negative: the library's own image source
    Str Tips;              // tip, translated when the button is made
};

// Pick state of the panel.
struct TPickData {
    Boolean Moved = false;
    Boolean Valid = false;
    short nButton = 0;
    TPoint3D P;
    TVector3D V;
};

class TBaseManager : public TReceiverFrameEvent,
                     public TReceiverProcess3DManipulatorsEvent,
                     public TReceiverProcess3DEvent,
                     public TReceiverProcess2DEvent,
                     public TReceiverPropertyManagerEvent,
                     public TReceiverApplicationEvent,
                     public TRunningProcess,
                     public TVariablePanel {
public:
    // The panel now running, null when none: set by a panel's construction, emptied by
    // its destruction.
    static TBaseManager* CurrentProcessManager;

    static constexpr Integer DefaultProgressMax = 100;
    static constexpr Integer BindingRoom = 64; // bindings allocated at once

    Boolean Active = true;
    Boolean IsAdvise = false;
    Integer ExitCode = 0;
    Integer HelpContext = 0;
    TPickData Pick;
    TAPropertylVariable APropertyVariable{*this, BindingRoom, BindingRoom};

private:
    std::unique_ptr<TDispatcherWnd3D> FDispatcher; // owns the widgets, the status bar among them

public:
    TDispatcherWnd3D& DispatcherWnd3D;
    TStatusBarOGL& StatusBar; // the panel's status line, a widget of the dispatcher
    // The panel's hot points and a second list of them, neither owned; the meshes it shows.
    THotPointsData* AHotPoint = nullptr;
    THotPoints* AHotPoint2 = nullptr;
    THotPointEdit* HotPointEdit = nullptr; // the editor on the hot point picked last; owned by the dispatcher
    TMeshDraw MeshDraw;
    tvapi::IDocumentFramePtr Frame;
    TRect2DOf<int> FrameRect; // the frame in pixels, as its widgets last read it
    tvapi::IProcessParamPtr ProcessParam;
    tvapi::IProcessPtr Process;
    Str ProcessHint;
    // Progress of a long command on the host's progress bar (the facade's ProgressBar);
    // without that bar every progress operation does nothing.
    Boolean ProgressActive = false;
    Str ProgressMessage;        // the common text of the steps
    Str ProgressMessageCurrent; // the common text and the current step's text
    Integer ProgressMaxCount = DefaultProgressMax;
    Integer ProgressCount = 0;
    tvapi::IManipulatorsPtr Manipulators;
    tvapi::IPropertyTabsPtr PropertyTabs;
    tvapi::IPropertyTabPtr PropertyTab;
    tvapi::IPropertyControlsPtr PropertyControls;
    tvapi::IPropertyControlPtr PropertyControl;

    // Makes the process parameters, takes the active document with its frame into the
    // facade and registers the panel as the running one.
    TBaseManager();
    ~TBaseManager() override;
    TBaseManager(const TBaseManager&) = delete;
    TBaseManager& operator=(const TBaseManager&) = delete;

    TStatusLines& StatusLines() override { return StatusBar; }

    virtual void UpdateRun() {}
    virtual bool OnStop()
    {
        MeshDraw.HideAll();
        return true;
    }
    virtual bool OnExitRun() { return true; }
    // Subscribes the property-manager and application receivers once.
    virtual void Advise();
    // Each receiver's own subscription stays callable beside it.
    using TReceiverApplicationEvent::Advise;
    using TReceiverFrameEvent::Advise;
    using TReceiverProcess2DEvent::Advise;
    using TReceiverProcess3DEvent::Advise;
    using TReceiverProcess3DManipulatorsEvent::Advise;
    using TReceiverPropertyManagerEvent::Advise;
    // Removes the subscriptions by name, once; clears the host selection.
    virtual void UnAdvise();
    // Ends the process with iExitCode; a code of 0 or more also unsubscribes and deletes the
    // shown meshes, a negative one only hides them.
    virtual void Stop(int iExitCode);
    // The binding list's answer for a user's change of Control.
    bool ChangeControlValue(tvapi::IPropertyControlPtr Control) override;
    // A bound variable changed (Sender: the binding that caused it, -1 the program).
    virtual bool ChangeValue(void* Pointer, int Sender);
    virtual bool EndDragManipulator(int Id, tvapi::tvManipulatorPrimitiveEnum primitiveType) override;
    // Redraws the preview of what the command builds: subscribes a panel that is active, runs
    // the three phantom steps and repaints the frame; an exception of a step ends it silently.
    void RedrawPhantom() override;

    // ---- manipulators (cPropertyMenagerManipulators.cpp) ----
    // A numeric manipulator at placement M bound to Value; its identifier is the index of its
    // binding. Empty without a manipulator collection.
    tvapi::IEditDoubleManipulatorPtr AddManipulatorEdit(bool Visible, double& Value, const TMtr3D& M);
    // A placement manipulator at Value and bound to it, showing the primitives listed in P
    // (ended by tvMPNone or any value outside 1..13; null: none).
    tvapi::IPlacement3DManipulatorPtr AddManipulator(bool Visible, TMtr3D& Value,
                                                     tvapi::tvManipulatorPrimitiveEnum* P);
    // A rotation about an axis: true when the panel has set the bound matrix itself.
    virtual bool RotateManipulatorAxisX(long, const double&) { return false; }
    virtual bool RotateManipulatorAxisY(long, const double&) { return false; }
    virtual bool RotateManipulatorAxisZ(long, const double&) { return false; }
    // The bound matrix follows the host's placement (or the host's placement follows a matrix
    // a rotation hook set); false in every case.
    bool RotateManipulator(int Id, double originX, double originY, double originZ, double axisX, double axisY,
                           double axisZ, double angle, bool fromEdit) override;
    // The bound variables follow the manipulator Id; true when a numeric one was handled.
    bool MoveManipulator(int Id, double vectorX, double vectorY, double vectorZ, double delta,
                         bool fromEdit) override;
    // The Real bound to numeric manipulator Id takes its value; true when Id has such a binding.
    using TReceiverProcess3DManipulatorsEvent::ChangeManipulatorValue;
    virtual bool ChangeManipulatorValue(long Id, long PrimitiveType, double newValue);
    virtual void BeginPhantom() {}
    virtual void PreparePhantom() {}
    virtual void EndPhantom() {}

    // TVariablePanel: a variable changed behind the controls' back; the controls and the
    // in-view edit boxes bound to it show the new value.
    void LetValue(void* Pointer) override
    {
        APropertyVariable.ChangeValue(Pointer, true, false, nullptr, -1);
        DispatcherWnd3D.ChangeValue(Pointer);
    }
    void RefreshValue(void* Pointer) override
    {
        APropertyVariable.ChangeValue(Pointer, -2);
        DispatcherWnd3D.ChangeValue(Pointer);
    }

    // ---- picking (cPropertyMenagerPick.cpp) ----
    // The editor opened on a picked hot point: it stays this long and sits this far (pixels) off it.
    static constexpr int HotPointEditDelay = 20000; // ms until the editor closes by itself
    static constexpr TPoint2DOf<int> HotPointEditOffset{50, 20};

    // Whether the host may offer iEntity for picking: only once per mouse movement after a
    // press. The panel's own meshes go to HPCanSelect (hot-point markers) or MOCanSelect,
    // model objects to ECanSelect; anything else is refused.
    bool CanSelect(tvapi::ITervanAPIObjectPtr iEntity) override;
    // The pick of the model object iEntity through ESelect; an empty iEntity picks the object
    // the filter accepted last, routed as CanSelect routes. A taken pick redraws the phantom.
    bool Select(tvapi::ITervanAPIObjectPtr iEntity) override;
    // Opens the editor on HP unless a widget is already attached at its Origin; true.
    bool HPCanSelect(THotPointData& HP) override;
    // The pick state follows the mouse; the base answers false.
    bool MouseMove(tvapi::IPressedKeysPtr Keys, int x, int y) override;
    bool MouseDown(tvapi::IPressedKeysPtr Keys, int x, int y) override;
    bool MouseUp(tvapi::IPressedKeysPtr Keys, int x, int y) override;
    // Keys go to the focused in-view widget, which then consumes the key (keyCode 0).
    bool KeyDown(int& keyCode, int keyFlags, tvapi::IPressedKeysPtr Keys) override;

    // Repaints the frame (both repaint operations); nothing without a frame.
    void RefreshWindow();
    void StartProgress(const TString& CommonMessage, Integer MaxCount);
    // While progress runs: the current text becomes the common text, a blank and Message;
    // the count advances by one and goes to the host bar.
    void NextProgress(const TString& Message) override;
    // As NextProgress, but the current text is left as it is.
    void UpdateProgress(const TString& Message) override;
    void StopProgress();
    void SetPrompt(const TString& Prompt);

    // ---- tabs, separators, lists, grids and buttons (cPropertyMenagerTabs.cpp) ----
    // A new tab made current; empty (and later builders add nothing) without a tab set.
    tvapi::IPropertyTabPtr AddTab(const TString& Name, bool Visible = true);
    tvapi::IPropertyTabPtr Tab(int I);
    tvapi::IPropertySeparatorPtr AddSeparator(const wchar_t* pName, tvapi::SeparatorTypeEnum typeSep);
    tvapi::IPropertyFileNamePtr AddFileNameStr(const TString& Name, const TString& Hint, TString& Value);
    tvapi::IPropertyColorPtr AddControlColor(const TString& Name, const TString& Hint);
    tvapi::IPropertyGridPtr AddGrid(const TString& Name, const TString& Hint, int Column, int Row,
                                    bool iReadOnly, int FColumn, int FRow);
    tvapi::IPropertySlideBoxPtr AddSlideBox(const TString& Name, const TString& Hint, tvapi::SlideTypeEnum ST,
                                            tvapi::IDrawingGroupPtr Object);
    tvapi::IPropertyListPtr AddListInt(const TString& Name, const TString& Hint, int Current,
                                       const TArrayOf<int>& P);
    tvapi::IPropertyListPtr AddListReal(const TString& Name, const TString& Hint, int Current,
                                        const TArrayOf<double>& P);
    tvapi::IPropertyListPtr AddListStr(const TString& Name, const TString& Hint, const TArrayOf<TString>& AS);
    // Makes the item DC(Value) current; false (item 0 current) when the list has none such.
    bool SetValue(tvapi::IPropertyListPtr List, const TString& Value);
    void Reset(tvapi::IPropertyListPtr List, const TArrayOf<TString>& A, int Current, const TString& Name);
    tvapi::IPropertyMultiButtonPtr AddRadioButton(const TString& Name, const TString& Hint, int Checked,
                                                  std::initializer_list<TButtonData> L);
    tvapi::IPropertyMultiButtonPtr AddPushButton(const TString& Name, int Checked,
                                                 std::initializer_list<TButtonData> L);
    void AddPushButtonTo(tvapi::IPropertyToolBarPtr ToolBar, int Checked,
                         std::initializer_list<TButtonData> L);
    void AddButtonTo(tvapi::IPropertyControlPtr TC, int IdButton, int IdBmp, const TString& Hint,
                     bool HyperLinkNameStyle);
    void AddCheckButtonTo(tvapi::IPropertyControlPtr TC, int IdButton, int IdBmpChecked, int IdBmpUnChecked,
                          const TString& Hint, bool HyperLinkNameStyle);

    // ---- control builders (cPropertyMenagerBuilders.cpp) ----
    tvapi::IPropertyCheckBoxPtr AddCheckBox(const TString& Name, const TString& Hint, bool Checked,
                                            bool ReadOnly, bool NewStyle = false);
    tvapi::IPropertyEditPtr AddEditReal(const TString& Name, const TString& Hint, const double& Value,
                                        bool ReadOnly);
    tvapi::IPropertyEditPtr AddEditInt(const TString& Name, const TString& Hint, const int& Value,
                                       bool ReadOnly);
    tvapi::IPropertySpinEditPtr AddSpinEditInt(const TString& Name, const TString& Hint, const int& Value,
                                               int Min, int Max);
    tvapi::IPropertyEditPtr AddEditStr(const TString& Name, const TString& Hint, const TString& Value,
                                       int Width);
    tvapi::IPropertyPoint3DPtr AddEditPoint3D(const TString& Name, const TString& Hint,
                                              const TPoint3D& Value);
    tvapi::IPropertyPoint3DPtr AddEditPoint2D(const TString& Name, const TString& Hint,
                                              const TPoint2D& Value);
    tvapi::IPropertyEditListPtr AddEditList(const TString& Name, const TString& Hint, bool htStyle);
    tvapi::IPropertyEditCheckBoxPtr AddEditCheckBox(const TString& Name, const TString& Hint,
                                                    bool EnableDelete);

    tvapi::IPropertyCheckBoxPtr AddEditValue(const TString& Name, const TString& Hint, bool& Value,
                                             bool ReadOnly, bool NewStyle = false);
    tvapi::IPropertyEditPtr AddEditValue(const TString& Name, const TString& Hint, double& Value,
                                         bool ReadOnly);
    tvapi::IPropertyEditPtr AddEditValue(const TString& Name, const TString& Hint, double& Value,
                                         const double& K, bool ReadOnly);
    tvapi::IPropertyEditPtr AddEditValue(const TString& Name, const TString& Hint, int& Value, bool ReadOnly);
    tvapi::IPropertySpinEditPtr AddEditValue(const TString& Name, const TString& Hint, int& Value, int Min,
                                             int Max, bool isDelta);
    tvapi::IPropertyEditPtr AddEditValue(const TString& Name, const TString& Hint, TString& Value, int Width);
    tvapi::IPropertyListPtr AddEditValue(const TString& Name, const TString& Hint, TAdapter& AS);
    tvapi::IPropertyPoint3DPtr AddEditValue(const TString& Name, const TString& Hint, TPoint3D& Value);
    tvapi::IPropertyPoint3DPtr AddEditValue(const TString& Name, const TString& Hint, TPoint2D& Value);
    // A list of picked faces; ReadOnly is accepted and ignored.
    tvapi::IPropertyEditListPtr AddEditValue(const TString& Name, const TString& Hint,
                                             drApi::TAOfComEntity& ValueFaces, bool ReadOnly, bool Visible,
                                             tvapi::tvChooseManagerTypeEnum TE1);
    tvapi::IPropertyEditCheckBoxPtr AddEditObj(const TString& Name, const TString& Hint, const TString& Value,
                                               tvapi::IModelObjectPtr& Entity, bool Visible,
                                               tvapi::tvChooseManagerTypeEnum TE1, bool ReadOnly);
    tvapi::IPropertyEditCheckBoxPtr AddEditPlaneFace(const TString& Name, const TString& Hint,
                                                     const TString& Value, tvapi::IModelObjectPtr& Entity,
                                                     bool Visible, tvapi::tvChooseManagerTypeEnum TE1,
                                                     bool ReadOnly);

protected:
    // Copies the placement of manipulator binding I into its matrix and refreshes the 16
    // cells' controls; false when the manipulator has no placement.
    bool ReadManipulatorMatrix(Integer I);
    // The address of the host object E holds, as an identity key; null for an empty E.
    void* Addr(tvapi::IAPIObjectPtr& E) const;

private:
    // The entry of MeshDraw that shows the tessellation object O; null when O is no such
    // object or the panel did not draw it.
    TMeshDrawObjectParam* MeshOf(const tvapi::ITervanAPIObjectPtr& O) const;
    // The hot point whose marker Mesh is; null without hot points or when none has it.
    THotPointData* HotPointOf(const TMeshDrawObjectParam& Mesh) const;
    bool RoutedCanSelect(const tvapi::ITervanAPIObjectPtr& O);
    bool RoutedSelect(const tvapi::ITervanAPIObjectPtr& O);
    // The phantom redraw's markers of the hot points (AHotPoint).
    void RemoveHotPointMarkers();
    void AddHotPointMarkers();
    // A new control of `type` on the current tab seen through I; empty without a tab or
    // when the host refuses.
    template <class I> tvapi::Ptr<I> NewControl(tvapi::ControlTypeEnum type);
};

// A panel over a host 2D process of the active drawing or fragment: the host follows the
// cursor, draws the phantom group at it and reports each placement (point, angle). Without a
// 2D document the panel has only its base part: no process, tab or subscription. Its bodies:
// cPropertyMenagerProcess2D.cpp.
class TProcessManager2D : public TBaseManager {
public:
    tvapi::IProcess2DPtr Process2D;
    tvapi::IPhantom2DPtr Phantom2D;
    tvapi::IDrawingGroupPtr PhantomGroup; // empty until SetPhantom

    // Name, Hint and NameTab come translated; HC is the help context.
    TProcessManager2D(const TString& Name, const TString& Hint, SpecPropertyToolBarEnum Stb, int HC,
                      const TString& NameTab, tvapi::tvProcess2DTypeEnum T);
    ~TProcessManager2D() override;

    // The base's subscriptions, then the 2D process's events (every call: the host keys them
    // by name, so a repeat replaces the one before).
    void Advise() override;
    using TBaseManager::Advise;
    void UnAdvise() override;
    // Base answer false: a click is never reported as handled.
    bool ButtonClick(int ButtonID) override;
    // Without a phantom group: true and nothing else. A click: CreateObject. A move: the group
    // emptied and redrawn by RedrawPhantom(x, y, angle), then the phantom shown.
    bool PlacementChanged(double x, double y, double angle, bool dynamic) override;
    using TReceiverProcess3DEvent::PlacementChanged;
    // Gives the phantom of kind T a temporary group to show; only the first call does anything.
    virtual void SetPhantom(tvapi::tvPhantomTypeEnum T);
    using TBaseManager::RedrawPhantom;
    virtual void RedrawPhantom(double, double, double) {}
    virtual bool CreateObject(double, double, double) { return true; }

    // Runs the host process once, with Active true while it runs; false when the host run
    // threw (Active then stays as the run left it).
    bool Run(bool Modal, bool PostMessage);
    using TReceiverProcess2DEvent::Run; // the host process's own answer
    void UpdateProcess();
};

// A panel over a host 3D process of the active part or assembly: the user picks model
// objects and places things in the view, with a phantom part shown at the cursor. The run is
// repeated while OnExitRun asks for another one. Without a 3D document the panel has no
// process and its Run answers false. Its bodies: cPropertyMenagerProcess3D.cpp.
class TBaseManager3D : public TBaseManager {
public:
    tvapi::IProcess3DPtr Process3D;
    tvapi::IPartPtr Phantom;

    // Name, Hint and NameTab come translated; HC is the help context; pAB, when given, lists
    // extra buttons of the process (their icons taken as absolute values).
    TBaseManager3D(const TString& Name, const TString& Hint, SpecPropertyToolBarEnum Stb, int HC,
                   const TString& NameTab, const std::initializer_list<TButtonData>* pAB = nullptr);
    ~TBaseManager3D() override;

    // The base's subscriptions, then the frame, the 3D process and the manipulators, once.
    void Advise() override;
    using TBaseManager::Advise;
    void UnAdvise() override;
    // The phantom: the part edited in place, or else the part file FileName; true when the
    // process shows a phantom afterwards. False without a 3D document.
    bool SetPhantom(const TString& FileName);
    // Runs the host process until OnExitRun agrees to end; a throw of the host run is answered
    // by ButtonClick(2) and counts as false. False at once without a process or when stopped.
    bool Run(bool Modal, bool iPostMessage);
    using TReceiverProcess2DEvent::Run;
};
