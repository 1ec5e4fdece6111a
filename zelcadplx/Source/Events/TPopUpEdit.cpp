// The widget base, the dispatcher with its timers and the status line.

#include "TPopUpEdit.h"

#include <cmath>

#include "cPropertyMenagerEvent.h"

TWindowOGL* TWindowOGL::Focus = nullptr;

TWindowOGL::TWindowOGL(TBaseManager* iEditor) : Editor(iEditor) {}

// A deleted widget gives the focus up, so keys never reach a dead object.
TWindowOGL::~TWindowOGL()
{
    if (Focus == this) Focus = nullptr;
    if (!Editor || Id == 0) return;
    Editor->DispatcherWnd3D.Forget(this);
    Editor->RefreshWindow();
}

// The widgets are unnumbered first, so that none leaves the list or repaints the view of a
// panel that is being destroyed.
TDispatcherWnd3D::~TDispatcherWnd3D()
{
    std::vector<TWindowOGL*> widgets(AWnd.begin(), AWnd.end());
    AWnd.Clear();
    FTimers.clear();
    for (TWindowOGL* w : widgets) {
        w->Id = 0;
        delete w;
    }
}

void TDispatcherWnd3D::Add(TWindowOGL* W)
{
    if (!W) return;
    W->Id = ++FNextWnd;
    AWnd.Add(W);
}

TWindowOGL* TDispatcherWnd3D::Exist(const TPoint3D& MatePoint) const
{
    for (TWindowOGL* w : AWnd) {
        if (!w || !w->Mate3D) continue;
        const TPoint3D& o = w->Origin3D;
        if (std::fabs(o.x - MatePoint.x) < MateTolerance && std::fabs(o.y - MatePoint.y) < MateTolerance &&
            std::fabs(o.z - MatePoint.z) < MateTolerance)
            return w;
    }
    return nullptr;
}

bool TDispatcherWnd3D::Exist(const TWindowOGL* W) const
{
    if (!W) return false;
    for (const TWindowOGL* w : AWnd)
        if (w == W) return true;
    return false;
}

TWindowOGL* TDispatcherWnd3D::Exist(Integer Id) const
{
    for (TWindowOGL* w : AWnd)
        if (w && w->Id == Id) return w;
    return nullptr;
}

void TDispatcherWnd3D::Forget(TWindowOGL* W)
{
    const Integer id = W->Id;
    std::erase_if(FTimers, [id](const TTimerEvent& t) { return t.WndId == id; });
    for (Integer i = 0; i < AWnd.Count; ++i)
        if (AWnd[i] == W) {
            AWnd.Delete(i);
            break;
        }
    W->Id = 0;
}

bool TDispatcherWnd3D::MouseMove(tvapi::IPressedKeysPtr Keys, int x, int y)
{
    bool handled = false;
    for (TWindowOGL* w : AWnd)
        handled = w->MouseMove(Keys, x, y) || handled;
    return handled;
}

bool TDispatcherWnd3D::MouseDown(tvapi::IPressedKeysPtr Keys, int x, int y)
{
    for (TWindowOGL* w : AWnd)
        if (w->MouseDown(Keys, x, y)) return true;
    return false;
}

bool TDispatcherWnd3D::MouseUp(tvapi::IPressedKeysPtr Keys, int x, int y)
{
    bool handled = false;
    for (TWindowOGL* w : AWnd)
        handled = w->MouseUp(Keys, x, y) || handled;
    return handled;
}

void TDispatcherWnd3D::ClosePaintGL(unsigned, tvapi::IOpenGLObjectPtr)
{
    PollTimers(TClock::now());
}

Integer TDispatcherWnd3D::StartTimer(TWindowOGL* W, Integer Delay)
{
    if (!W || W->Id == 0) return 0;
    const Integer id = ++FNextTimer;
    FTimers.push_back({id, W->Id, TClock::now() + std::chrono::milliseconds(Delay)});
    return id;
}

void TDispatcherWnd3D::PollTimers(TClock::time_point now)
{
    std::vector<TTimerEvent> due;
    std::erase_if(FTimers, [&](const TTimerEvent& t) {
        if (t.Due > now) return false;
        due.push_back(t);
        return true;
    });
    for (const TTimerEvent& t : due)
        if (TWindowOGL* w = Exist(t.WndId)) w->OnTimer(t.Id);
}

TStatusBarOGL::TStatusBarOGL(TBaseManager* iEditor, Integer dX, Integer dY)
    : TWindowOGL(iEditor), Origin(dX, dY)
{
    Mate3D = false;
    if (Editor) Editor->DispatcherWnd3D.Add(this);
}

Integer TStatusBarOGL::StartTimer(Integer Delay)
{
    if (Delay < MinTimedDelay || Id == 0) return 0;
    return Editor->DispatcherWnd3D.StartTimer(this, Delay);
}

void TStatusBarOGL::LiftBox(const TString& T, Integer Delay)
{
    if (!Editor) return;
    TIdStr& message = M.Add();
    message.T = T;
    message.Delay = Delay;
    message.Id = StartTimer(Delay);
    ShowOnFrame(T);
}

void TStatusBarOGL::StatusBox(const TString& T, Integer Delay)
{
    if (!Editor) return;
    TIdStr& message = M.Count == 0 ? M.Add() : M[0];
    message.T = T;
    message.Delay = Delay;
    message.Id = StartTimer(Delay);
    ShowOnFrame(T);
}

void TStatusBarOGL::ShowOnFrame(const TString& T)
{
    if (Editor->Frame) {
        TString text(T);
        const wchar_t* w = text.toWideChar();
        Editor->Frame->SetStatusText(w ? w : L"");
    }
    Editor->RefreshWindow();
}

void TStatusBarOGL::OnTimer(Integer nIDEvent)
{
    for (Integer i = 0; i < M.Count; ++i)
        if (M[i].Id == nIDEvent) {
            M.Delete(i);
            return;
        }
}
