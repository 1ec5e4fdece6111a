// TMessager: the panel that runs decides between its status bar and a host box; the host
// facade shows the boxes.

#include "Messager.h"

#include "TPopUpEdit.h"
#include "cPropertyMenagerEvent.h"
#include "drModelerAPI.h"

namespace {

// The running panel's status bar, or null when no panel runs.
TStatusBarOGL* RunningStatusBar()
{
    TBaseManager* panel = TBaseManager::CurrentProcessManager;
    return panel ? &panel->StatusBar : nullptr;
}

// A host information box through the facade, when there is one.
void HostBox(const TString& M)
{
    drApi::TModelerApi* facade = drApi::TModelerApi::Last;
    if (!facade) return;
    try {
        facade->LiftBox(M);
    } catch (...) {
        // The message is lost; the operation that reported it goes on.
    }
}

} // namespace

TMessager& TMessager::Instance()
{
    static TMessager instance;
    return instance;
}

TMessager& Messager = TMessager::Instance();

void TMessager::LiftBox(const TString& M, const TOut Out) const
{
    if (Out == toApi) {
        HostBox(M);
        return;
    }
    if (TStatusBarOGL* bar = RunningStatusBar()) {
        bar->LiftBox(M, LiftDelay);
        return;
    }
    if (Out != toProcess) HostBox(M);
}

void TMessager::DebugBox(const TString& M) const
{
    if (TStatusBarOGL* bar = RunningStatusBar())
        bar->LiftBox(M, WarningDelay);
    else
        HostBox(M);
}

void TMessager::WarningBox(const TString& M) const
{
    if (TStatusBarOGL* bar = RunningStatusBar())
        bar->StatusBox(M, WarningDelay);
    else
        HostBox(M);
}

void TMessager::StatusBox(const TString& Text, const Integer Delay)
{
    if (TStatusBarOGL* bar = RunningStatusBar()) bar->StatusBox(Text, Delay);
}

void TMessager::BreakLiftBox(const TString& M) const
{
    HostBox(M);
}

Boolean TMessager::QuestionBox(const TString& Text, const Boolean Question) const
{
    if (!Question) return false;
    drApi::TModelerApi* facade = drApi::TModelerApi::Last;
    if (!facade) return true;
    try {
        return facade->QuestionBox(Text, EmptyStr);
    } catch (...) {
        return false;
    }
}
