#pragma once
// The framework of the in-view widgets a panel draws over the model view: the property block
// (TPropertyOGLWnd), the widget base with its children, focus, selection and placement at a
// model point (TWindowOGL), and the panel's dispatcher that owns the top-level widgets, paints
// them after the host has painted the view, routes the frame's mouse events to them and polls
// their one-shot timers (TDispatcherWnd3D, TTimer: TDispatcherWnd3D.cpp). Widgets use pixels
// with y pointing up.

#include <chrono>
#include <cstdint>
#include <vector>

#include "DString.h"
#include "GImage.h"
#include "Mathemat.h"
#include "Mathemat3d.h"
#include "TArray.h"
#include "tvapi/Events.h"

class TBaseManager;
class TDispatcherWnd3D;
class TRect2D;

// An axis-parallel rectangle of whole pixels: LD the left-down, RU the right-up corner.
template <class T> struct TRect2DOf {
    TPoint2DOf<T> LD;
    TPoint2DOf<T> RU;
};

// What a widget shows: text, tip, colours, state bits. Mask tells which properties are set.
class TPropertyOGLWnd {
public:
    using TypeState = std::uint32_t;
    enum EMask : TypeState {
        mdText = 1,
        mdImage = 2,
        mdParam = 4,
        mdState = 8,
        mdBackground = 16,
        mdForground = 32,
        mdFormat = 64,
        mdFont = 128,
        mdMargin = 256,
        mdTips = 512,
        mdSelectable = 1024,
    };
    enum EState : TypeState {
        seFocused = 1,
        seSelected = 2,
        seDrophilited = 4,
        seReadOnly = 8,
        seFixed = 16,
        seFixedRow = 32,
        seFixedColumn = 64,
        seEdited = 128,
    };
    enum ColorState : UInteger { cUnSelected = 16711680, cSelected = 255, cFocused = 0 };

    TypeState Mask = 0;
    TypeState State = 0;
    Integer Format = 0;
    Integer IImage = 0;
    TColor Background; // 0x00BBGGRR
    TColor Forground;
    UInteger Margin = 0; // pixels
    Str Text;
    Str Tips; // shown as a hint when the pointer enters the widget

    TPropertyOGLWnd() = default;
    TPropertyOGLWnd(const TPropertyOGLWnd&) = delete;
    virtual ~TPropertyOGLWnd() = default;
    // Copies the properties through the setters (so the background counts as set); self-
    // assignment does nothing.
    TPropertyOGLWnd& operator=(const TPropertyOGLWnd& P);

    virtual void Reset() { State = 0; }
    // The base ignores both flags.
    virtual void SetText(const TString& iText, bool SetSelect = true, bool Refresh = true);
    virtual void SetTips(const TString& iTips) { Tips = iTips; }
    virtual void SetImage(Integer iIImage) { IImage = iIImage; }
    virtual void SetState(TypeState iState) { State = iState; }
    virtual void SetFormat(Integer iFormat) { Format = iFormat; }
    virtual void SetTextClr(TColor iForground) { Forground = iForground; }
    // Also marks the background as set.
    virtual void SetBackClr(TColor iBackground);
    virtual void SetMargin(UInteger iMargin) { Margin = iMargin; }
    virtual const TString& GetText() const { return Text; }
    virtual const TString& GetTips() const { return Tips; }
    virtual Integer GetImage() const { return IImage; }
    virtual TypeState GetState() const { return State; }
    virtual Integer GetFormat() const { return Format; }
    virtual TColor GetTextClr() const { return Forground; }
    virtual TColor GetBackClr() const { return Background; }
    virtual UInteger GetMargin() const { return Margin; }

    bool Has(TypeState StateBit) const noexcept { return (State & StateBit) != 0; }
};

// The events a widget may answer; every default does nothing.
class TReceiverWindowOGLEnets {
public:
    virtual ~TReceiverWindowOGLEnets() = default;
    virtual void OnTimer(Integer) {}
    virtual void OnKillFocus() {}
    virtual void OnChar(UInteger, UInteger, UInteger) {}
    virtual void OnSetFocus() {}
    virtual bool OnKeyDown(int&, int, tvapi::IPressedKeysPtr) { return true; }
    virtual void OnUpdatePaste(void*) {}
    virtual Integer OnChange() { return 0; }
    virtual void OnDestroy() {}
    virtual void OnSetSel(Integer, Integer, bool) {}
    virtual void OnPaint() {}
    // A child reports something to its topmost owner (a click, an Escape).
    virtual void Sygnal(void*, int, void*) {}
};

class TWindowOGL : public TPropertyOGLWnd, public TReceiverWindowOGLEnets {
public:
    enum TKeys : int {
        wk_BACK = 8,
        wk_RETURN = 13,
        wk_ESCAPE = 27,
        wk_LEFT = 37,
        wk_RIGHT = 39,
        wk_DELETE = 46
    };
    static constexpr Integer defHeight = 24;
    static constexpr Integer defWidth = 50;
    static constexpr Integer ChildRoom = 128; // children allocated at once

    Integer Id = 0; // unique within the panel's dispatcher; 0 without panel or once it left
    TPoint3D Origin3D;
    TPoint2DOf<int> Dt;     // offset from the projection of Origin3D, pixels
    TPoint2DOf<int> Origin; // top-left corner in the parent's pixels, y upwards
    Boolean Mate3D = true;  // Origin follows Origin3D
    TBaseManager* Editor = nullptr;
    TWindowOGL* Owner = nullptr;
    Integer Height = defHeight;
    Integer Width = defWidth;
    TArrayOf<TWindowOGL*> AChildWnd{ChildRoom, ChildRoom}; // owned

    // The focused widget (takes the keys) and the selected (hovered) one; null when none.
    static TWindowOGL* Focus;
    static TWindowOGL* Selected;

    // With a panel the widget is numbered and listed: in iOwner's children, or, without an
    // owner, in the panel's dispatcher, which then owns it.
    explicit TWindowOGL(TBaseManager* iEditor, TWindowOGL* iOwner = nullptr);
    // Deletes the children; a listed widget leaves the dispatcher with its pending timers
    // before anything else, so nothing calls it again; the view is repainted.
    ~TWindowOGL() override;
    TWindowOGL(const TWindowOGL&) = delete;
    TWindowOGL& operator=(const TWindowOGL&) = delete;

    virtual TWindowOGL* MainOwner();
    virtual void SetFocus();
    virtual void SetNotFocus();
    virtual void SetSelect();
    virtual void SetNotSelect();
    virtual bool IsMate3D() const { return Mate3D; }
    // Origin = the window position of Origin3D (when the widget follows it and the panel has
    // a frame), then Origin += Dt.
    virtual void EvaluateMate3D();
    // Parent coordinates to own coordinates.
    virtual void InCoordinateSystem(int& x, int& y) const;
    // Origin, Width and Height from G (each truncated to whole pixels).
    virtual void Set(const TRect2D& G);
    // Screen pass: the background (when set) and the children, translated to Origin.
    virtual void Draw2D(TGImage& GI);
    // Model-space pass; the base draws nothing.
    virtual void Draw(TGImage&) {}
    // x from Origin.x to Origin.x + Width, y from Origin.y - Height to Origin.y, ends included.
    virtual bool Contain(int x, int y) const;
    // x, y in the parent's coordinates; true when this widget or a child took the event.
    virtual bool MouseMove(tvapi::IPressedKeysPtr Keys, int x, int y);
    virtual bool MouseDown(tvapi::IPressedKeysPtr Keys, int x, int y);
    virtual bool MouseUp(tvapi::IPressedKeysPtr, int, int) { return false; }
    // A top-level widget closes (deletes itself); a child ignores its timers.
    void OnTimer(Integer nIDEvent) override;
    // Escape drops the focus of a focused widget and signals the topmost owner (false); any
    // other key goes to OnChar (true).
    bool OnKeyDown(int& keyCode, int keyFlags, tvapi::IPressedKeysPtr Keys) override;

    // The panel's dispatcher; null without a panel.
    TDispatcherWnd3D* Dispatcher() const;
    // Repaints the panel's view; nothing without a panel.
    void Refresh() const;
    // Starts a one-shot timer of Delay ms for this widget: 0 and none without a panel, an id,
    // or for a delay under 26 ms.
    Integer StartTimer(Integer Delay);

protected:
    // Sets the text colour from a 0x00BBGGRR value.
    static void glColor(TColor C);
    // Offers the event to the children in order (in own coordinates); true when one took it.
    bool ChildrenMouseMove(const tvapi::IPressedKeysPtr& Keys, int x, int y);
    bool ChildrenMouseDown(const tvapi::IPressedKeysPtr& Keys, int x, int y);
};

// A wall-clock time point in microseconds.
class TTime {
public:
    using TClock = std::chrono::system_clock;
    TClock::time_point T = TClock::now();

    // Local time as "%Y-%m-%d %H:%M:%S".
    TString toStr() const;
    void AddMS(unsigned int Dt) { T += std::chrono::milliseconds(Dt); }
};

// One pending timer event: when it is due, the widget id (0 = free) and the event id.
struct TTimerEvent {
    std::chrono::steady_clock::time_point Time;
    int WndId = 0;
    int TimeId = 0;
};

// The panel's one-shot timers, polled at every paint and mouse move over the view. They run
// on the monotonic clock: setting the wall clock neither fires nor holds them.
class TTimer : public TArrayOf<TTimerEvent> {
public:
    using TClock = std::chrono::steady_clock;
    static constexpr Integer EventRoom = 32;
    static constexpr Integer MinDelay = 26; // ms; shorter requests set no timer

    // Numbers the events of every timer; a new dispatcher starts it again at 0.
    static int EventId;
    TDispatcherWnd3D& DispatcherWnd3D;

    explicit TTimer(TDispatcherWnd3D& iDispatcher)
        : TArrayOf(EventRoom, EventRoom), DispatcherWnd3D(iDispatcher)
    {
    }

    // A new event id; 0 and nothing for WndId 0 or a delay under MinDelay.
    int Start(int WndId, int DelayMilisecund);
    void Delete(int WndId);
    void Delete(int WndId, int TimeId);
    // Fires the events due now; true when one fired.
    bool TimeImpuls() { return TimeImpuls(TClock::now()); }
    // Fires the events due at `now`, earliest first and in start order among equals: each
    // leaves the list before its widget gets OnTimer, and a widget destroyed meanwhile is not
    // called (ids never repeat). True when one fired.
    bool TimeImpuls(TClock::time_point now);
};

class TDispatcherWnd3D {
public:
    using TClock = TTimer::TClock;
    static constexpr Integer WidgetRoom = 64;
    static constexpr Integer FirstId = 8192; // the first widget gets FirstId + 1
    // Anchors closer than this in each coordinate are the same model point.
    static constexpr Real MateTolerance = 1e-5;

    TBaseManager* Editor;
    TArrayOf<TWindowOGL*> AWnd{WidgetRoom, WidgetRoom}; // the top-level widgets, owned
    Integer BaseId = FirstId;                           // last id handed out
    TTimer Timer{*this};
    TGImage GI{nullptr, nullptr};

    explicit TDispatcherWnd3D(TBaseManager* iEditor);
    // Deletes every top-level widget (without repainting the panel being destroyed).
    virtual ~TDispatcherWnd3D();
    TDispatcherWnd3D(const TDispatcherWnd3D&) = delete;
    TDispatcherWnd3D& operator=(const TDispatcherWnd3D&) = delete;

    // The end of the frame's painting: timers, the model-space pass, then the screen pass in
    // the frame's pixels. The caller's OpenGL state comes back as it was.
    virtual void ClosePaintGL(unsigned drawMode, tvapi::IOpenGLObjectPtr glObject);
    // Frame events in window pixels (y downwards); true when a widget took the event.
    virtual bool MouseDown(tvapi::IPressedKeysPtr Keys, int x, int y);
    virtual bool MouseUp(tvapi::IPressedKeysPtr Keys, int x, int y);
    virtual bool MouseMove(tvapi::IPressedKeysPtr Keys, int x, int y);
    // Reads the frame rectangle and sets up the pixel projection with the state saved; false
    // (nothing pushed) without a frame. Balanced by GI.giPopState().
    virtual bool InitOGL();
    // The edit boxes bound to the variable at Pointer show its value again.
    virtual void ChangeValue(void* Pointer);
    void ChangeValue(TWindowOGL* W, void* Pointer);

    // Lists a top-level widget made without a panel, or before the panel's dispatcher took
    // it; nothing for a widget already listed.
    void Add(TWindowOGL* W);
    TWindowOGL* Exist(Integer Id) const;
    TWindowOGL* Exist(const TPoint3D& MatePoint) const;
    bool Exist(const TWindowOGL* Wnd) const;
    // Takes W out of the list with its pending timers, without deleting it.
    void Forget(TWindowOGL* W);
    // Timers polled at a given time (tests) or now.
    void PollTimers(TClock::time_point now) { Timer.TimeImpuls(now); }
    std::size_t PendingTimers() const noexcept { return static_cast<std::size_t>(Timer.Count); }
    // The frame's rectangle into the panel's FrameRect; false without a frame.
    bool ReadFrameRect();

private:
    // Ids of the top-level widgets now: a handler may delete or add widgets mid-walk.
    std::vector<Integer> Ids() const;
};
