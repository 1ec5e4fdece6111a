// TMessager: the panel that runs decides between its status bar and a host box; the host
// lent by the facade shows the boxes.

#include "Messager.h"

namespace {

// The running panel's status bar, or null when no panel runs.
TStatusLines* RunningStatusBar()
{
    TRunningProcess* panel = TMessager::Instance().Process();
    return panel ? &panel->StatusLines() : nullptr;
}

// A host information box, when a host is there.
void HostBox(const TString& M)
{
    TMessageHost* host = TMessager::Instance().Host();
    if (!host) return;
    try {
        host->HostBox(M);
    } catch (...) {
        // The message is lost; the operation that reported it goes on.
    }
}

} // namespace

// Both constant-initialised: the messenger is there before any global is made.
constinit TMessager TMessager::FInstance;
constinit TMessager& Messager = TMessager::Instance();

void TMessager::LiftBox(const TString& M, const TOut Out) const
{
    if (Out == toApi) {
        HostBox(M);
        return;
    }
    if (TStatusLines* bar = RunningStatusBar()) {
        bar->LiftBox(M, LiftDelay);
        return;
    }
    if (Out != toProcess) HostBox(M);
}

void TMessager::DebugBox(const TString& M) const
{
    if (TStatusLines* bar = RunningStatusBar())
        bar->LiftBox(M, WarningDelay);
    else
        HostBox(M);
}

void TMessager::WarningBox(const TString& M) const
{
    if (TStatusLines* bar = RunningStatusBar())
        bar->StatusBox(M, WarningDelay);
    else
        HostBox(M);
}

void TMessager::StatusBox(const TString& Text, const Integer Delay)
{
    if (TStatusLines* bar = RunningStatusBar()) bar->StatusBox(Text, Delay);
}

void TMessager::BreakLiftBox(const TString& M) const
{
    HostBox(M);
}

Boolean TMessager::QuestionBox(const TString& Text, const Boolean Question) const
{
    if (!Question) return false;
    TMessageHost* host = FHost;
    if (!host) return true;
    try {
        return host->HostQuestion(Text);
    } catch (...) {
        return false;
    }
}
