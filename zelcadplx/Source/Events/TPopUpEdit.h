#pragma once
// In-view widgets of the property panels: the widget base TWindowOGL, the dispatcher that
// owns a panel's widgets, routes the frame's mouse events to them and runs their one-shot
// timers, and TStatusBarOGL, the panel's status line whose messages leave after their delays.

#include <chrono>
#include <vector>

#include "DString.h"
#include "Mathemat.h"
#include "Mathemat3d.h"
#include "Messager.h"
#include "TArray.h"
#include "tvapi/Events.h"

class TBaseManager;
class TDispatcherWnd3D;

class TWindowOGL {
public:
    Integer Id = 0; // unique within the dispatcher; 0 without one
    TBaseManager* Editor = nullptr;
    TPoint3D Origin3D;     // model point the widget is attached to
    TPoint2DOf<int> Dt;    // offset from the projection of Origin3D, pixels
    Boolean Mate3D = true; // the widget follows Origin3D

    // The widget is not enrolled yet: the dispatcher's Add makes it owned and numbered.
    explicit TWindowOGL(TBaseManager* iEditor);
    // An enrolled widget leaves its dispatcher: its pending timers go, and the view is repainted.
    virtual ~TWindowOGL();
    TWindowOGL(const TWindowOGL&) = delete;
    TWindowOGL& operator=(const TWindowOGL&) = delete;

    virtual bool MouseMove(tvapi::IPressedKeysPtr, int, int) { return false; }
    virtual bool MouseDown(tvapi::IPressedKeysPtr, int, int) { return false; }
    virtual bool MouseUp(tvapi::IPressedKeysPtr, int, int) { return false; }
    // A timer event of this widget elapsed.
    virtual void OnTimer(Integer) {}
    // A key pressed while the widget has the focus; keyCode may be changed for the host.
    virtual bool OnKeyDown(int&, int, tvapi::IPressedKeysPtr) { return false; }

    // The widget that takes the keys; null when none has the focus.
    static TWindowOGL* Focus;
};

class TDispatcherWnd3D {
public:
    using TClock = std::chrono::steady_clock;

    TBaseManager* Editor;
    TArrayOf<TWindowOGL*> AWnd{16, 16}; // owned top-level widgets

    explicit TDispatcherWnd3D(TBaseManager* iEditor) : Editor(iEditor) {}
    ~TDispatcherWnd3D();
    TDispatcherWnd3D(const TDispatcherWnd3D&) = delete;
    TDispatcherWnd3D& operator=(const TDispatcherWnd3D&) = delete;

    // Anchors of two widgets closer than this in each coordinate are the same model point.
    static constexpr Real MateTolerance = 1e-5;

    // Takes ownership of W and gives it an id (1, 2, ...).
    void Add(TWindowOGL* W);
    // The first widget following a model point at MatePoint; null when none.
    TWindowOGL* Exist(const TPoint3D& MatePoint) const;
    // Whether W is one of the widgets (W may already be deleted: it is only compared).
    bool Exist(const TWindowOGL* W) const;
    // The widget numbered Id; null when none.
    TWindowOGL* Exist(Integer Id) const;
    // Takes W out of the list with its pending timers, without deleting it.
    void Forget(TWindowOGL* W);
    // Each answers true when a widget handled the event.
    bool MouseMove(tvapi::IPressedKeysPtr Keys, int x, int y);
    bool MouseDown(tvapi::IPressedKeysPtr Keys, int x, int y);
    bool MouseUp(tvapi::IPressedKeysPtr Keys, int x, int y);
    // End of the frame's painting: elapsed timers fire.
    void ClosePaintGL(unsigned drawMode, tvapi::IOpenGLObjectPtr glObject);

    // Starts a one-shot timer of Delay ms for W; the result is the event id (1, 2, ...), 0 and
    // no timer for a widget that is not enrolled.
    Integer StartTimer(TWindowOGL* W, Integer Delay);
    // Fires, in start order, the timer events due at `now`; each fires once, and only while
    // its widget is still listed (a handler may delete other widgets).
    void PollTimers(TClock::time_point now);
    std::size_t PendingTimers() const noexcept { return FTimers.size(); }

private:
    // The widget by its id: an id is never given twice, so a deleted widget is never hit.
    struct TTimerEvent {
        Integer Id;
        Integer WndId;
        TClock::time_point Due;
    };
    std::vector<TTimerEvent> FTimers;
    Integer FNextWnd = 0;
    Integer FNextTimer = 0;
};

class TStatusBarOGL : public TWindowOGL, public TStatusLines {
public:
    static constexpr Integer MessageRoom = 1024; // messages the bar makes room for at once
    static constexpr Integer MinTimedDelay = 26; // shorter delays keep the message

    struct TIdStr {
        Integer Id = 0;    // timer event that removes the message, 0 = none
        Str T;             // the text
        Integer Delay = 0; // milliseconds the message was asked to stay
    };

    TPoint2D Origin;                              // offset of the bar in the panel's view, pixels
    TArrayOf<TIdStr> M{MessageRoom, MessageRoom}; // messages, oldest first (lowest line)

    // A bar of a panel enrols itself in the panel's dispatcher, which owns it.
    TStatusBarOGL(TBaseManager* iEditor, Integer dX, Integer dY);

    // Appends T as a new message, removed after Delay ms (when at least 26 and the bar is
    // enrolled), and repaints the view. Nothing without a panel.
    void LiftBox(const TString& T, Integer Delay) override;
    // Replaces the first message by T (creates it on an empty bar), with the same timer and
    // repaint. Nothing without a panel.
    void StatusBox(const TString& T, Integer Delay) override;
    // Removes the message of timer event nIDEvent; later messages move up one place.
    void OnTimer(Integer nIDEvent) override;

private:
    Integer StartTimer(Integer Delay);
    // The newest text also goes to the frame's status line, then the view repaints.
    void ShowOnFrame(const TString& T);
};
