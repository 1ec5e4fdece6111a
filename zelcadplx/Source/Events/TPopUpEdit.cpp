// The property block and the widget base: life in the dispatcher, focus and selection,
// placement, hit testing, drawing, the pointer and the keys.

#include "TPopUpEdit.h"

#include <GL/gl.h>

#include <cmath>
#include <cstdlib>

#include "Rect2D.h"
#include "TValidateEdit.h"
#include "cPropertyMenagerEvent.h"

namespace {

// Where a widget's hint shows, relative to its attachment point, and for how long.
constexpr int TipShiftX = 50;
constexpr int TipShiftY = -12;
constexpr int TipDelay = 2000;

} // namespace

TPropertyOGLWnd& TPropertyOGLWnd::operator=(const TPropertyOGLWnd& P)
{
    if (this == &P) return *this;
    SetText(P.GetText(), true, true);
    SetTips(P.GetTips());
    SetImage(P.GetImage());
    SetState(P.GetState());
    SetFormat(P.GetFormat());
    SetTextClr(P.GetTextClr());
    SetBackClr(P.GetBackClr());
    SetMargin(P.GetMargin());
    return *this;
}

void TPropertyOGLWnd::SetText(const TString& iText, bool, bool)
{
    Text = iText;
}

void TPropertyOGLWnd::SetBackClr(TColor iBackground)
{
    Background = iBackground;
    Mask |= mdBackground;
}

TWindowOGL* TWindowOGL::Focus = nullptr;
TWindowOGL* TWindowOGL::Selected = nullptr;

// A child joins its owner even without a panel: the owner deletes it.
TWindowOGL::TWindowOGL(TBaseManager* iEditor, TWindowOGL* iOwner) : Editor(iEditor), Owner(iOwner)
{
    if (Owner) Owner->AChildWnd.Add(this);
    if (!Editor) return;
    TDispatcherWnd3D& d = Editor->DispatcherWnd3D;
    if (!Owner) d.AWnd.Add(this);
    Id = ++d.BaseId;
}

TWindowOGL::~TWindowOGL()
{
    if (Focus == this) Focus = nullptr;
    if (Selected == this) Selected = nullptr;
    bool listed = false;
    if (TDispatcherWnd3D* d = Id != 0 ? Dispatcher() : nullptr) {
        listed = d->Exist(static_cast<const TWindowOGL*>(this));
        d->Forget(this);
    }
    if (Owner)
        for (Integer i = 0; i < Owner->AChildWnd.Count; ++i)
            if (Owner->AChildWnd[i] == this) {
                Owner->AChildWnd.Delete(i);
                break;
            }
    // The children go with their list emptied first, so none looks for itself in it.
    std::vector<TWindowOGL*> children(AChildWnd.begin(), AChildWnd.end());
    AChildWnd.Clear();
    for (TWindowOGL* c : children) {
        if (!c) continue;
        c->Owner = nullptr;
        delete c;
    }
    if (listed) Refresh();
}

TDispatcherWnd3D* TWindowOGL::Dispatcher() const
{
    return Editor ? &Editor->DispatcherWnd3D : nullptr;
}

void TWindowOGL::Refresh() const
{
    if (Editor) Editor->RefreshWindow();
}

Integer TWindowOGL::StartTimer(Integer Delay)
{
    TDispatcherWnd3D* d = Dispatcher();
    return d ? d->Timer.Start(Id, Delay) : 0;
}

TWindowOGL* TWindowOGL::MainOwner()
{
    TWindowOGL* w = this;
    while (w->Owner)
        w = w->Owner;
    return w;
}

void TWindowOGL::SetFocus()
{
    if (Focus && Focus != this) {
        Focus->State &= ~seFocused;
        Focus->OnKillFocus();
    }
    Focus = this;
    State |= seFocused;
    OnSetFocus();
}

void TWindowOGL::SetNotFocus()
{
    State &= ~seFocused;
    if (Focus == this) Focus = nullptr;
}

void TWindowOGL::SetSelect()
{
    if (Selected && Selected != this) Selected->State &= ~seSelected;
    Selected = this;
    State |= seSelected;
}

void TWindowOGL::SetNotSelect()
{
    State &= ~seSelected;
    if (Selected == this) Selected = nullptr;
}

void TWindowOGL::EvaluateMate3D()
{
    if (IsMate3D() && Editor && Editor->Frame) {
        double wx = 0.0, wy = 0.0;
        if (Editor->Frame->ModelToWindow(Origin3D.x, Origin3D.y, Origin3D.z, wx, wy)) {
            // The host counts y downwards from the frame's top; widgets count it upwards.
            Origin.x = static_cast<int>(std::lround(wx));
            Origin.y = Editor->FrameRect.LD.y - static_cast<int>(std::lround(wy));
        }
    }
    Origin.x += Dt.x;
    Origin.y += Dt.y;
}

void TWindowOGL::InCoordinateSystem(int& x, int& y) const
{
    x -= Origin.x;
    y -= Origin.y;
}

void TWindowOGL::Set(const TRect2D& G)
{
    Origin.x = static_cast<int>(G.LD.x);
    Origin.y = static_cast<int>(G.RU.y);
    Width = static_cast<Integer>(G.RU.x - G.LD.x);
    Height = static_cast<Integer>(std::fabs(G.RU.y - G.LD.y));
}

void TWindowOGL::glColor(TColor C)
{
    glColor3ub(C.Red(), C.Green(), C.Blue());
}

void TWindowOGL::Draw2D(TGImage& Image)
{
    glMatrixMode(GL_MODELVIEW);
    glPushMatrix();
    glTranslated(Origin.x, Origin.y, 0.0);
    if (Mask & mdBackground) {
        glColor(GetBackClr());
        Image.giRectAngleFill(0.0, -Height, Width, 0.0, 0.0);
    }
    for (TWindowOGL* c : AChildWnd)
        if (c) c->Draw2D(Image);
    glPopMatrix();
}

bool TWindowOGL::Contain(int x, int y) const
{
    return x >= Origin.x && x <= Origin.x + Width && y >= Origin.y - Height && y <= Origin.y;
}

bool TWindowOGL::ChildrenMouseMove(const tvapi::IPressedKeysPtr& Keys, int x, int y)
{
    // A child's handler may delete a sibling: walk a copy, skipping the ones gone.
    const std::vector<TWindowOGL*> children(AChildWnd.begin(), AChildWnd.end());
    for (TWindowOGL* c : children) {
        if (!c || AChildWnd.IndexOf(c) < 0) continue;
        if (c->MouseMove(Keys, x, y)) return true;
    }
    return false;
}

bool TWindowOGL::ChildrenMouseDown(const tvapi::IPressedKeysPtr& Keys, int x, int y)
{
    const std::vector<TWindowOGL*> children(AChildWnd.begin(), AChildWnd.end());
    for (TWindowOGL* c : children) {
        if (!c || AChildWnd.IndexOf(c) < 0) continue;
        if (c->MouseDown(Keys, x, y)) return true;
    }
    return false;
}

bool TWindowOGL::MouseMove(tvapi::IPressedKeysPtr Keys, int x, int y)
{
    int cx = x, cy = y;
    InCoordinateSystem(cx, cy);
    if (ChildrenMouseMove(Keys, cx, cy)) return true;
    if (!Contain(x, y)) {
        if (Has(seSelected) && !Has(seFocused)) {
            SetNotSelect();
            return true;
        }
        return false;
    }
    if (Has(seFocused)) return false;
    if (Has(seSelected)) return true;
    SetSelect();
    if (Editor && !Tips.Empty()) THintOGL::Hint(Editor, Origin3D, Tips, TipShiftX, TipShiftY, TipDelay);
    return true;
}

bool TWindowOGL::MouseDown(tvapi::IPressedKeysPtr Keys, int x, int y)
{
    int cx = x, cy = y;
    InCoordinateSystem(cx, cy);
    if (ChildrenMouseDown(Keys, cx, cy)) return true;
    if (Selected != this) return false;
    if (Focus && Focus != this) Focus->State &= ~(seFocused | seSelected);
    SetFocus();
    return true;
}

void TWindowOGL::OnTimer(Integer)
{
    if (Owner) return;
    delete this;
}

bool TWindowOGL::OnKeyDown(int& keyCode, int keyFlags, tvapi::IPressedKeysPtr)
{
    if (keyCode == 0) return true;
    if (keyCode != wk_ESCAPE) {
        OnChar(static_cast<UInteger>(keyCode), 0, static_cast<UInteger>(keyFlags));
        return true;
    }
    if (Has(seFocused)) {
        SetNotFocus();
        SetNotSelect();
        // The owner may close itself, this widget with it.
        TBaseManager* editor = Editor;
        MainOwner()->Sygnal(this, 0, nullptr);
        if (editor) editor->RefreshWindow();
    }
    return false;
}
