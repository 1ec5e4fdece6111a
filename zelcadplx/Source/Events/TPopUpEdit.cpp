// The status line of a panel: messages appended or replaced with their delays.

#include "TPopUpEdit.h"

TStatusBarOGL::TStatusBarOGL(TBaseManager* iEditor, Integer dX, Integer dY) : Editor(iEditor), Origin(dX, dY)
{
}

void TStatusBarOGL::LiftBox(const TString& T, Integer Delay)
{
    if (!Editor) return;
    TIdStr& message = M.Add();
    message.Id = 0;
    message.T = T;
    message.Delay = Delay;
}

void TStatusBarOGL::StatusBox(const TString& T, Integer Delay)
{
    if (!Editor) return;
    TIdStr& message = M.Empty() ? M.Add() : M[0];
    message.Id = 0;
    message.T = T;
    message.Delay = Delay;
}
