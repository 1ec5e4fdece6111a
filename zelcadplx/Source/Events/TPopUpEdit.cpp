// The widget base, the dispatcher with its timers and the status line.

#include "TPopUpEdit.h"

#include "cPropertyMenagerEvent.h"

TWindowOGL* TWindowOGL::Focus = nullptr;

TWindowOGL::TWindowOGL(TBaseManager* iEditor) : Editor(iEditor) {}

// A deleted widget gives the focus up, so keys never reach a dead object.
TWindowOGL::~TWindowOGL()
{
    if (Focus == this) Focus = nullptr;
}

TDispatcherWnd3D::~TDispatcherWnd3D()
{
    for (TWindowOGL* w : AWnd)
        delete w;
    AWnd.Count = 0;
}

void TDispatcherWnd3D::Add(TWindowOGL* W)
{
    if (!W) return;
    W->Id = ++FNextWnd;
    AWnd.Add(W);
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
    const Integer id = ++FNextTimer;
    FTimers.push_back({id, W, TClock::now() + std::chrono::milliseconds(Delay)});
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
        t.Wnd->OnTimer(t.Id);
}

TStatusBarOGL::TStatusBarOGL(TBaseManager* iEditor, Integer dX, Integer dY)
    : TWindowOGL(iEditor), Origin(dX, dY)
{
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
