// Labels, buttons, the combo box, the status line and the hint.

#include <GL/gl.h>

#include <algorithm>

#include "TAdapter.h"
#include "TRegistrator.h"
#include "TValidateEdit.h"
#include "cPropertyMenagerEvent.h"

namespace {

constexpr double LinePitch = 1.2; // status lines, in text heights
constexpr double ListLift = 0.2;  // an open list's backgrounds, towards the viewer
// Its texts, further still, but inside the depth range -1..1 of the widgets' projection.
constexpr double ListText = 0.7;
constexpr double ArrowDepth = -0.01;
constexpr Integer HintHeight = 24;

void Black()
{
    glColor3ub(0, 0, 0);
}

} // namespace

// ---- label --------------------------------------------------------------------------------

TLabelOGL::TLabelOGL(TBaseManager* iEditor, TWindowOGL* iOwner, const TString& iText)
    : TWindowOGL(iEditor, iOwner)
{
    Height = defHeight;
    SetBackClr(White);
    SetText(iText, true, false);
}

void TLabelOGL::Draw2D(TGImage& Image)
{
    const double H = Height;
    const double th = Image.Font.Height(Text, Text.Length()) * H + 2.0;
    const double w = Image.Font.Len(Text, Text.Length()) * H;
    if (Mask & mdBackground) {
        glColor3ub(255, 255, 255);
        Image.giRectAngleFill(Origin.x, Origin.y - 1.0 - th, Origin.x + w + 3.0, Origin.y + 1.0, 0.0);
    }
    if ((Mask & mdSelectable) && Has(seSelected))
        glColor3ub(255, 0, 0);
    else
        Black();
    Image.giTextOut(Origin.x, Origin.y - th, 0.0, H, Text);
}

// ---- button -------------------------------------------------------------------------------

bool TButton::Press(const tvapi::IPressedKeysPtr& Keys, int x, int y)
{
    TWindowOGL* const focus = Focus;
    TWindowOGL* const selected = Selected;
    if (!TWindowOGL::MouseDown(Keys, x, y) || Focus != this) return false;
    // The click does not keep the focus: it goes back where it was.
    State &= ~seFocused;
    State |= seSelected;
    Focus = focus == this ? nullptr : focus;
    Selected = selected;
    if (Focus) Focus->State |= seFocused;
    return true;
}

bool TButton::MouseDown(tvapi::IPressedKeysPtr Keys, int x, int y)
{
    int cx = x, cy = y;
    InCoordinateSystem(cx, cy);
    if (ChildrenMouseDown(Keys, cx, cy)) return true;
    if (!Press(Keys, x, y)) return false;
    MainOwner()->Sygnal(this, 0, nullptr);
    return true;
}

// ---- combo box ----------------------------------------------------------------------------

TComboBox::TComboBox(TBaseManager* iEditor, TWindowOGL* iOwner, TAdapter& iValue)
    : TLabelOGL(iEditor, iOwner, TString()), Value(iValue)
{
}

TString TComboBox::CurrentText() const
{
    const Integer i = Value.ADef.Current;
    return i >= 0 && i < Value.ADef.Count ? Value.ADef[i] : TString();
}

bool TComboBox::Contain(int x, int y) const
{
    return x >= Origin.x + Width - Height && x <= Origin.x + Width && y >= Origin.y - Height && y <= Origin.y;
}

Integer TComboBox::ItemAt(int x, int y) const
{
    if (x < Origin.x || x > Origin.x + Width) return -1;
    for (Integer k = 0; k < Value.ADef.Count; ++k)
        if (y <= Origin.y - (k + 1) * Height && y >= Origin.y - (k + 2) * Height) return k;
    return -1;
}

bool TComboBox::MouseMove(tvapi::IPressedKeysPtr Keys, int x, int y)
{
    if (!Has(seFocused)) return TWindowOGL::MouseMove(std::move(Keys), x, y);
    SubSelected = ItemAt(x, y);
    return SubSelected >= 0;
}

bool TComboBox::MouseDown(tvapi::IPressedKeysPtr Keys, int x, int y)
{
    if (!Has(seFocused)) return TWindowOGL::MouseDown(std::move(Keys), x, y);
    if (SubSelected >= 0 && SubSelected < Value.ADef.Count) {
        Value.Set(Value.ADef[SubSelected]);
        if (TBaseManager* running = TBaseManager::CurrentProcessManager) {
            running->APropertyVariable.ChangeValue(&Value, -1);
            Registrator.MarkEdit(&Value);
        }
    }
    SetNotFocus();
    SetSelect();
    return false;
}

void TComboBox::Draw2D(TGImage& Image)
{
    const double H = Height;
    const TString text = CurrentText();
    const double h = Image.Font.Height(text, text.Length()) * H;
    const double w = Image.Font.Len(text, text.Length()) * H;
    const bool open = Has(seFocused);
    glEnable(GL_DEPTH_TEST);
    glDepthFunc(GL_ALWAYS);
    if (open) {
        glColor3ub(255, 255, 255);
        Image.giRectAngleFill(Origin.x, Origin.y + 2.0, Origin.x + w + 2.0, Origin.y - h - 2.0, 0.0);
        glColor3ub(0, 0, 255);
    } else if (Has(seSelected)) {
        glColor3ub(255, 0, 0);
    } else {
        Black();
    }
    Image.giTextOut(Origin.x, Origin.y - h, 0.0, H, text);
    glBegin(GL_TRIANGLES);
    glVertex3d(Origin.x + w + 4.0, Origin.y - 4.0, ArrowDepth);
    glVertex3d(Origin.x + w + H - 4.0, Origin.y - 4.0, ArrowDepth);
    glVertex3d(Origin.x + w + H / 2.0, Origin.y - H + 4.0, ArrowDepth);
    glEnd();
    if (!open) return;
    for (Integer i = 0; i < Value.ADef.Count; ++i) {
        glPushMatrix();
        glTranslated(0.0, 0.0, ListLift);
        glColor3ub(255, 255, 255);
        Image.giRectAngleFill(Origin.x, Origin.y - h - i * H, Origin.x + Width, Origin.y - (i + 1) * H, -0.5);
        Image.giRectAngleFill(Origin.x, Origin.y - h - i * H, Origin.x + Width, Origin.y - (i + 1) * H, 0.5);
        glTranslated(0.0, 0.0, ListText);
        Black();
        Image.giTextOut(Origin.x + 2.0, Origin.y - h - (i + 1) * H + 2.0, 0.0, H, Value.ADef[i]);
        glPopMatrix();
    }
}

// ---- status line --------------------------------------------------------------------------

TStatusBarOGL::TStatusBarOGL(TBaseManager* iEditor, Integer dX, Integer dY)
    : TLabelOGL(iEditor, nullptr, TString())
{
    Height = defHeight;
    Mate3D = false;
    Origin = {dX, dY};
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

void TStatusBarOGL::Draw2D(TGImage& Image)
{
    if (!Editor || M.Count == 0) return;
    const double H = Height;
    const double pitch = Image.Font.Height("0123456789", 10) * H * LinePitch;
    glPushMatrix();
    glTranslated(Editor->FrameRect.LD.x + Origin.x, Origin.y, 0.0);
    Black();
    for (Integer i = 0; i < M.Count; ++i)
        Image.giTextOut(0.0, i * pitch + 2.0, 0.0, H, M[i].T);
    glPopMatrix();
}

// ---- hint ---------------------------------------------------------------------------------

THintOGL* THintOGL::Current = nullptr;

THintOGL::THintOGL(TBaseManager* iEditor, const TPoint3D& P, const TString& iText, int iOx, int iOy, int)
    : TLabelOGL(iEditor, nullptr, iText)
{
    Origin3D = P;
    Dt = {iOx, iOy};
    Height = HintHeight;
    Width = std::max(5 * iText.Length() + 5, MinWidth);
}

THintOGL::~THintOGL()
{
    if (Current == this) Current = nullptr;
}

void THintOGL::Hint(TBaseManager* Editor, const TPoint3D& P, const TString& HintText, int dX, int dY,
                    int Delay)
{
    delete Current;
    Current = new THintOGL(Editor, P, HintText, dX, dY, Delay);
    if (!Editor) return;
    Current->StartTimer(Delay);
    Editor->RefreshWindow();
}
