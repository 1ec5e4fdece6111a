// The panel base: registration as the running panel, its status line and the progress it
// shows on the host's progress bar.

#include "cPropertyMenagerEvent.h"

#include "drModelerAPI.h"
#include "tvapi/ApplicationServices.h"

namespace {

constexpr Integer StatusBarDX = 20; // offset of the status line in the view, pixels
constexpr Integer StatusBarDY = 20;

} // namespace

TBaseManager* TBaseManager::CurrentProcessManager = nullptr;

TBaseManager::TBaseManager()
    : FStatusBar(std::make_unique<TStatusBarOGL>(this, StatusBarDX, StatusBarDY)), StatusBar(*FStatusBar)
{
    CurrentProcessManager = this;
    Messager.SetProcess(this);
}

TBaseManager::~TBaseManager()
{
    // A panel destroyed while another one runs leaves the running one registered.
    if (CurrentProcessManager == this) CurrentProcessManager = nullptr;
    if (Messager.Process() == this) Messager.SetProcess(nullptr);
}

namespace {

// The host progress bar the facade holds; null without one.
tvapi::IProgressBar* HostBar()
{
    return drApi::MA.R3.Exist() ? drApi::MA.R3->ProgressBar.Get() : nullptr;
}

} // namespace

void TBaseManager::StartProgress(const TString& CommonMessage, Integer MaxCount)
{
    tvapi::IProgressBar* bar = HostBar();
    if (!bar) return;
    ProgressActive = true;
    ProgressMessage = CommonMessage;
    ProgressMaxCount = MaxCount;
    ProgressCount = 0;
    bar->Start(0, MaxCount);
}

void TBaseManager::NextProgress(const TString& Message)
{
    tvapi::IProgressBar* bar = HostBar();
    if (!ProgressActive || !bar) return;
    ProgressMessageCurrent = ProgressMessage + " " + Message;
    bar->SetPosition(++ProgressCount);
}

// The step's text is shown by nothing yet, so only the count moves.
void TBaseManager::UpdateProgress(const TString&)
{
    tvapi::IProgressBar* bar = HostBar();
    if (!ProgressActive || !bar) return;
    bar->SetPosition(++ProgressCount);
}

void TBaseManager::StopProgress()
{
    tvapi::IProgressBar* bar = HostBar();
    if (!ProgressActive || !bar) return;
    bar->Stop();
    ProgressActive = false;
}
