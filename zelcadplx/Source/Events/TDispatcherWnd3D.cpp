// The panel's widget dispatcher: painting in two passes, the routing of the frame's mouse
// events, lookups, and the polled one-shot timers.

#include "TPopUpEdit.h"

#include <GL/gl.h>

#include <algorithm>
#include <cmath>
#include <ctime>
#include <cwchar>
#include <limits>

#include "Messager.h"
#include "TValidateEdit.h"
#include "cPropertyMenagerEvent.h"

namespace {

constexpr Integer FontHeight = 6;

// All attributes saved while a widget draws in model space, restored even when it throws.
class TSavedAttributes {
public:
    TSavedAttributes()
    {
        glPushAttrib(GL_ALL_ATTRIB_BITS);
        glPushClientAttrib(GL_CLIENT_ALL_ATTRIB_BITS);
    }
    ~TSavedAttributes()
    {
        glPopClientAttrib();
        glPopAttrib();
    }
    TSavedAttributes(const TSavedAttributes&) = delete;
    TSavedAttributes& operator=(const TSavedAttributes&) = delete;
};

} // namespace

// ---- time and timers --------------------------------------------------------------------------

TString TTime::toStr() const
{
    const std::time_t t = TClock::to_time_t(T);
    std::tm local{};
    localtime_r(&t, &local);
    wchar_t buffer[400];
    const std::size_t n = std::wcsftime(buffer, std::size(buffer), L"%Y-%m-%d %H:%M:%S", &local);
    return TString(std::wstring(buffer, n));
}

int TTimer::EventId = 0;

int TTimer::Start(int WndId, int DelayMilisecund)
{
    if (WndId == 0 || DelayMilisecund < MinDelay) return 0;
    TTimerEvent& e = Add();
    e.Time = TClock::now() + std::chrono::milliseconds(DelayMilisecund);
    e.WndId = WndId;
    e.TimeId = ++EventId;
    return e.TimeId;
}

void TTimer::Delete(int WndId)
{
    for (Integer i = Count - 1; i >= 0; --i)
        if ((*this)[i].WndId == WndId) TArrayOf::Delete(i);
}

void TTimer::Delete(int WndId, int TimeId)
{
    for (Integer i = Count - 1; i >= 0; --i)
        if ((*this)[i].WndId == WndId && (*this)[i].TimeId == TimeId) TArrayOf::Delete(i);
}

bool TTimer::TimeImpuls(TClock::time_point now)
{
    std::vector<TTimerEvent> due;
    for (Integer i = Count - 1; i >= 0; --i) {
        const TTimerEvent e = (*this)[i];
        if (e.WndId == 0 || e.Time > now) continue;
        due.push_back(e);
        TArrayOf::Delete(i);
    }
    std::stable_sort(due.begin(), due.end(), [](const TTimerEvent& a, const TTimerEvent& b) {
        return a.Time < b.Time || (a.Time == b.Time && a.TimeId < b.TimeId);
    });
    for (const TTimerEvent& e : due)
        if (TWindowOGL* w = DispatcherWnd3D.Exist(static_cast<Integer>(e.WndId))) w->OnTimer(e.TimeId);
    return !due.empty();
}

// ---- the dispatcher ---------------------------------------------------------------------------

TDispatcherWnd3D::TDispatcherWnd3D(TBaseManager* iEditor) : Editor(iEditor)
{
    TTimer::EventId = 0;
    TWindowOGL::Focus = nullptr;
    TWindowOGL::Selected = nullptr;
}

// The widgets are unnumbered first, so that none leaves the list or repaints the view of a
// panel that is being destroyed.
TDispatcherWnd3D::~TDispatcherWnd3D()
{
    std::vector<TWindowOGL*> widgets(AWnd.begin(), AWnd.end());
    AWnd.Clear();
    Timer.Clear();
    for (TWindowOGL* w : widgets) {
        if (!w) continue;
        w->Id = 0;
        delete w;
    }
}

std::vector<Integer> TDispatcherWnd3D::Ids() const
{
    std::vector<Integer> ids;
    for (const TWindowOGL* w : AWnd)
        if (w) ids.push_back(w->Id);
    return ids;
}

void TDispatcherWnd3D::Add(TWindowOGL* W)
{
    if (!W || Exist(static_cast<const TWindowOGL*>(W))) return;
    AWnd.Add(W);
    W->Id = ++BaseId;
}

TWindowOGL* TDispatcherWnd3D::Exist(Integer Id) const
{
    if (Id == 0) return nullptr;
    for (TWindowOGL* w : AWnd)
        if (w && w->Id == Id) return w;
    return nullptr;
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

bool TDispatcherWnd3D::Exist(const TWindowOGL* Wnd) const
{
    if (!Wnd) return false;
    for (const TWindowOGL* w : AWnd)
        if (w == Wnd) return true;
    return false;
}

void TDispatcherWnd3D::Forget(TWindowOGL* W)
{
    if (W->Id != 0) Timer.Delete(W->Id);
    for (Integer i = 0; i < AWnd.Count; ++i)
        if (AWnd[i] == W) {
            AWnd.Delete(i);
            W->Id = 0;
            break;
        }
}

bool TDispatcherWnd3D::ReadFrameRect()
{
    if (!Editor || !Editor->Frame) return false;
    int left = 0, top = 0, right = 0, bottom = 0;
    if (!Editor->Frame->GetFrameRect(left, top, right, bottom)) return false;
    TRect2DOf<int>& r = Editor->FrameRect;
    r.LD.x = left;
    r.RU.y = top;
    r.RU.x = right;
    r.LD.y = bottom;
    return true;
}

bool TDispatcherWnd3D::InitOGL()
{
    if (!ReadFrameRect()) return false;
    GI.InitFont("GOST type B", FontHeight);
    GI.giPushState(true);
    glMatrixMode(GL_MODELVIEW);
    const TRect2DOf<int>& r = Editor->FrameRect;
    glOrtho(0.0, r.RU.x, 0.0, r.LD.y, -1.0, 1.0);
    glDisable(GL_LIGHTING);
    glDisable(GL_DEPTH_TEST);
    glLineWidth(1.0f);
    return true;
}

void TDispatcherWnd3D::ClosePaintGL(unsigned, tvapi::IOpenGLObjectPtr)
{
    try {
        Timer.TimeImpuls();
        for (const Integer id : Ids()) {
            TWindowOGL* w = Exist(id);
            if (!w) continue;
            const TSavedAttributes saved;
            w->Draw(GI);
        }
    } catch (...) {
        Messager.LiftBox("Ошибка отрисовки DispWnd3D", TMessager::toAlways);
    }
    if (!InitOGL()) return;
    for (const Integer id : Ids())
        if (TWindowOGL* w = Exist(id)) {
            w->EvaluateMate3D();
            w->Draw2D(GI);
        }
    GI.giPopState();
}

namespace {

// `y` of the host (down from the frame's top) as the widgets measure it, up from `bottom`;
// whatever ints the host passes, the result is an int.
int FromBottom(int bottom, int y)
{
    const long long up = static_cast<long long>(bottom) - y;
    return static_cast<int>(
        std::clamp<long long>(up, std::numeric_limits<int>::min(), std::numeric_limits<int>::max()));
}

} // namespace

bool TDispatcherWnd3D::MouseMove(tvapi::IPressedKeysPtr Keys, int x, int y)
{
    if (AWnd.Count == 0) return false;
    if (Timer.TimeImpuls() && Editor) Editor->RefreshWindow();
    ReadFrameRect();
    const int fy = FromBottom(Editor ? Editor->FrameRect.LD.y : 0, y);
    for (const Integer id : Ids())
        if (TWindowOGL* w = Exist(id))
            if (w->MouseMove(Keys, x, fy)) return true;
    return false;
}

bool TDispatcherWnd3D::MouseDown(tvapi::IPressedKeysPtr Keys, int x, int y)
{
    ReadFrameRect();
    const int fy = FromBottom(Editor ? Editor->FrameRect.LD.y : 0, y);
    for (const Integer id : Ids())
        if (TWindowOGL* w = Exist(id))
            if (w->MouseDown(Keys, x, fy)) return true;
    return false;
}

bool TDispatcherWnd3D::MouseUp(tvapi::IPressedKeysPtr, int, int)
{
    return false;
}

void TDispatcherWnd3D::ChangeValue(void* Pointer)
{
    for (TWindowOGL* w : AWnd)
        ChangeValue(w, Pointer);
}

void TDispatcherWnd3D::ChangeValue(TWindowOGL* W, void* Pointer)
{
    if (!W) return;
    if (auto* edit = dynamic_cast<TValidateEdit*>(W); edit && edit->V.PData == Pointer) {
        const TVariablePtr binding = edit->V;
        edit->SetLink(binding);
    }
    for (TWindowOGL* c : W->AChildWnd)
        ChangeValue(c, Pointer);
}
