// The hot point's in-view editor: enrolment, attachment and closing.

#include "THotPointEdit.h"

#include "HotPointData.h"
#include "cPropertyMenagerEvent.h"

THotPointEdit::THotPointEdit(TBaseManager* iEditor, THotPointData& iHP, int Delay)
    : TWindowOGL(iEditor), HP(iHP)
{
    Origin3D = HP.Origin;
    if (!Editor) return;
    Editor->DispatcherWnd3D.Add(this);
    if (Delay >= TStatusBarOGL::MinTimedDelay) Editor->DispatcherWnd3D.StartTimer(this, Delay);
}

THotPointEdit::~THotPointEdit()
{
    if (Editor && Editor->HotPointEdit == this) Editor->HotPointEdit = nullptr;
}
