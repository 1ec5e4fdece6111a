// The hot point's in-view editor: its rows, attachment, closing and timers.

#include "THotPointEdit.h"

#include "HotPointData.h"
#include "Rect2D.h"
#include "cPropertyMenagerEvent.h"

namespace {

constexpr int CloseChild = 1;
constexpr int FirstValueChild = 2;

} // namespace

THotPointEdit::THotPointEdit(TBaseManager* iEditor, THotPointData& iHP, int Delay)
    : TWindowOGL(iEditor), HP(iHP)
{
    Height = InitialHeight;
    Width = InitialWidth;
    Origin3D = HP.Origin;
    auto* caption = new TLabelOGL(Editor, this, HP.Caption);
    caption->NoBackground();
    caption->Set(TRect2D(21, -3 - dY, 162, -3));
    auto* close = new TButton(Editor, this, "[X]");
    close->Mask |= mdSelectable;
    close->Set(TRect2D(163, -3 - dY, 182, -3));
    for (Integer i = 0; i < HP.Count; ++i) {
        const double bottom = -4 - 2 * dY - i * (dY + 1);
        const double top = -4 - dY - i * (dY + 1);
        auto* edit = new TValidateEdit(Editor, this);
        edit->Set(TRect2D(1, bottom, 61, top));
        edit->SetLink(HP[i]);
        auto* comment = new TLabelOGL(Editor, this, HP[i].Comment);
        comment->NoBackground();
        comment->Set(TRect2D(62, bottom, 182, top));
    }
    Height = (HP.Count + 1) * (dY + 1) + 2;
    if (!Editor) return;
    StartTimer(Delay);
    // The last top-level widget is this editor: it follows the hot point.
    TDispatcherWnd3D& d = Editor->DispatcherWnd3D;
    if (d.AWnd.Count > 0) d.AWnd[d.AWnd.Count - 1]->Origin3D = HP.Origin;
}

THotPointEdit::~THotPointEdit()
{
    if (Editor && Editor->HotPointEdit == this) Editor->HotPointEdit = nullptr;
}

TLabelOGL* THotPointEdit::Caption() const
{
    return AChildWnd.Count > 0 ? dynamic_cast<TLabelOGL*>(AChildWnd[0]) : nullptr;
}

TButton* THotPointEdit::CloseButton() const
{
    return AChildWnd.Count > CloseChild ? dynamic_cast<TButton*>(AChildWnd[CloseChild]) : nullptr;
}

TValidateEdit* THotPointEdit::ValueEdit(Integer i) const
{
    const Integer child = FirstValueChild + 2 * i;
    if (i < 0 || child >= AChildWnd.Count) return nullptr;
    return dynamic_cast<TValidateEdit*>(AChildWnd[child]);
}

void THotPointEdit::Sygnal(void* Sender, int, void*)
{
    if (Sender && Sender == CloseButton()) delete this;
}

void THotPointEdit::DropTimers()
{
    if (TDispatcherWnd3D* d = Id != 0 ? Dispatcher() : nullptr) d->Timer.Delete(Id);
}

void THotPointEdit::OnKillFocus()
{
    DropTimers();
}

void THotPointEdit::OnDestroy()
{
    DropTimers();
}

void THotPointEdit::OnMouseMove(tvapi::IPressedKeysPtr, int, int)
{
    if (Editor && Id != 0) StartTimer(IdleDelay);
}

bool THotPointEdit::MouseMove(tvapi::IPressedKeysPtr Keys, int x, int y)
{
    const bool inside = Contain(x, y);
    const bool r = TWindowOGL::MouseMove(Keys, x, y);
    if (inside) OnMouseMove(std::move(Keys), x, y);
    return r;
}
