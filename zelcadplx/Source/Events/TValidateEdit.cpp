// The edit box bound to a program variable: binding, typing under its validator, drawing.

#include "TValidateEdit.h"

#include <GL/gl.h>

#include <algorithm>
#include <cmath>
#include <numbers>

#include "cPropertyMenagerEvent.h"

namespace {

constexpr double RealMin = -2000.0;
constexpr double RealMax = 2000.0;
constexpr int IntegerMin = 0;
constexpr int IntegerMax = 2000;
// The hint of a refused character: right of and below the box's point, for 2 s.
constexpr int RefusedShiftX = 50;
constexpr int RefusedShiftY = -12;
constexpr int RefusedDelay = 2000;
constexpr double CaretSlant = 15.0 * std::numbers::pi / 180.0;

} // namespace

TValidateEdit::TValidateEdit(TBaseManager* iEditor, TWindowOGL* iOwner) : TWindowOGL(iEditor, iOwner) {}

TValidateEdit::TValidateEdit(TBaseManager* iEditor, const TPoint3D& P, int Delay) : TWindowOGL(iEditor)
{
    Origin3D = P;
    Height = PopUpHeight;
    Width = PopUpWidth;
    StartTimer(Delay);
}

TValidateEdit::TValidateEdit(TBaseManager* iEditor, const TPoint3D& P, const TVariablePtr& iV, int Delay)
    : TValidateEdit(iEditor, P, Delay)
{
    SetLink(iV);
}

TValidateEdit::~TValidateEdit()
{
    delete Validator;
}

void TValidateEdit::SetValidator(TValidator* validator)
{
    if (validator == Validator) return;
    delete Validator;
    Validator = validator;
    if (Validator) Validator->Wnd = this;
}

void TValidateEdit::SetLink(const TVariablePtr& Value)
{
    switch (Value.Type) {
    case TVariablePtr::pvReal:
        SetValidator(new TLowRangeValidator(RealMin, RealMax, nullptr));
        break;
    case TVariablePtr::pvInteger:
        SetValidator(new TLowRangeValidator(IntegerMin, IntegerMax, nullptr));
        break;
    case TVariablePtr::pvStr:
    case TVariablePtr::pvBoolean:
        break;
    default:
        V = TVariablePtr();
        State &= ~seEdited;
        SetText(TString(), true, false);
        return;
    }
    V = Value;
    SetText(V.GetText(), true, false);
}

bool TValidateEdit::IsValid(bool)
{
    return !Validator || Validator->IsValid(Text.PChar());
}

bool TValidateEdit::CanClose()
{
    return Owner == nullptr;
}

void TValidateEdit::SetText(const TString& iText, bool SetSelect, bool Repaint)
{
    Text = iText;
    if (SetSelect) BeginSelect = EndSelect = Text.Length();
    ClampCaret();
    if (Repaint) Refresh();
}

void TValidateEdit::ClampCaret()
{
    BeginSelect = std::clamp(BeginSelect, Integer(0), Text.Length());
    EndSelect = BeginSelect;
}

void TValidateEdit::ShowHint(const TString& HintText, int dX, int dY, int Delay)
{
    THintOGL::Hint(Editor, Origin3D, HintText, dX, dY, Delay);
}

bool TValidateEdit::OnKeyDown(int& keyCode, int, tvapi::IPressedKeysPtr)
{
    TDispatcherWnd3D* d = Dispatcher();
    if (!d) return true;
    d->Timer.Delete(MainOwner()->Id);
    ClampCaret();
    TString t(Text);
    switch (keyCode) {
    case wk_BACK:
        if (BeginSelect == 0) break;
        t.Remove(BeginSelect - 1, 1);
        --BeginSelect;
        SetText(t, false, true);
        break;
    case wk_RETURN:
        SetNotFocus();
        State &= ~seEdited;
        Refresh();
        V.Let(t);
        return false;
    case wk_ESCAPE:
        SetText(V.GetText(), true, true);
        SetNotFocus();
        State &= ~seEdited;
        return false;
    case wk_LEFT:
        if (BeginSelect > 0) --BeginSelect;
        ClampCaret();
        Refresh();
        break;
    case wk_RIGHT:
        if (BeginSelect < Text.Length()) ++BeginSelect;
        ClampCaret();
        Refresh();
        break;
    case wk_DELETE:
        if (BeginSelect < Text.Length()) {
            t.Remove(BeginSelect, 1);
            SetText(t, false, true);
        }
        break;
    default:
        Type(keyCode);
        break;
    }
    return true;
}

void TValidateEdit::Type(int keyCode)
{
    if (TDispatcherWnd3D* d = Dispatcher()) d->Timer.Delete(Id);
    int c = keyCode & 0xFF;
    if (c == KeyMinus) c = '-';
    if (c == KeyPlus) c = '+';
    TString t(Text);
    // A zero byte would end the text early, and the box holds MaxLength characters at most.
    bool accepted = c != 0 && t.Length() < MaxLength;
    if (accepted) {
        t.Insert(BeginSelect, static_cast<TChar>(c));
        accepted = !Validator || Validator->IsValidInput(t.PChar(), true);
    }
    if (!accepted) {
        THintOGL::Hint(Editor, Origin3D, DC("Недопустимый символ"), RefusedShiftX, RefusedShiftY,
                       RefusedDelay);
        return;
    }
    State |= seEdited;
    ++BeginSelect;
    SetText(t, false, true);
}

void TValidateEdit::Draw2D(TGImage& Image)
{
    const double H = Height;
    const double h = Image.Font.Height(Text, Text.Length()) * H;
    const double w = Image.Font.Len(Text, Text.Length()) * H;
    glEnable(GL_DEPTH_TEST);
    glDepthFunc(GL_ALWAYS);
    const bool focused = Has(seFocused);
    if (focused) {
        glColor3ub(255, 255, 255);
        Image.giRectAngleFill(Origin.x, Origin.y + 0.1 * H, Origin.x + w + 0.1 * H, Origin.y - h - 0.1 * H,
                              0.0);
        glColor3ub(0, 0, 255);
    } else if (Has(seSelected)) {
        glColor3ub(255, 0, 0);
    } else {
        glColor3ub(0, 0, 0);
    }
    Image.giTextOut(Origin.x, Origin.y - h, 0.0, H, Text);
    if (!focused) return;
    const double x0 = Origin.x + Image.Font.Len(Text, EndSelect) * H;
    const double y0 = Origin.y - h;
    const double x1 = x0 + 0.5 * H * std::sin(CaretSlant);
    const double y1 = y0 + 0.5 * H * std::cos(CaretSlant);
    glColor3ub(255, 0, 0);
    glBegin(GL_LINE_LOOP);
    glVertex3d(x0, y0, 0.0);
    glVertex3d(x0 + 1.0, y0, 0.0);
    glVertex3d(x1 + 1.0, y1, 0.0);
    glVertex3d(x1, y1, 0.0);
    glEnd();
}
