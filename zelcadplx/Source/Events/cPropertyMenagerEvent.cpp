// The panel base: construction and destruction, subscription, Stop, progress, prompt and
// repaint of the frame.

#include "cPropertyMenagerEvent.h"

#include <string>
#include <vector>

#include "GImage.h"
#include "drModelerAPI.h"
#include "drSelectorAPI.h"
#include "tvapi/Application.h"
#include "tvapi/ApplicationServices.h"

namespace {

constexpr Integer StatusBarDX = 20; // offset of the status line in the view, pixels
constexpr Integer StatusBarDY = 20;
constexpr int AllEvents = -1;
constexpr int CommandBarsAfterStop = 1;

tvapi::IApplication* HostApplication()
{
    return drApi::MA.R3.Exist() ? drApi::MA.R3->Tervan7 : nullptr;
}

tvapi::IProcessFactoryPtr Factory()
{
    tvapi::IApplication* app = HostApplication();
    return app ? tvapi::IProcessFactoryPtr(tvapi::IApplicationPtr(app)) : tvapi::IProcessFactoryPtr();
}

// The host progress bar the facade holds; null without one.
tvapi::IProgressBar* HostBar()
{
    return drApi::MA.R3.Exist() ? drApi::MA.R3->ProgressBar.Get() : nullptr;
}

// The facade's tessellation manager, read by the panel's meshes at each call.
tvapi::IExternalTessellationManagerPtr& FacadeTessellation()
{
    static tvapi::IExternalTessellationManagerPtr none; // no facade registry: no manager ever
    return drApi::MA.R3.Exist() ? drApi::MA.R3->ITessellationMng : none;
}

constexpr int MeshReserve = 2;

void ClearHostSelection()
{
    if (drApi::Selector && drApi::Selector->Selection7) drApi::Selector->Selection7->UnSelectAll();
}

} // namespace

TBaseManager* TBaseManager::CurrentProcessManager = nullptr;

TBaseManager::TBaseManager()
    : TReceiverFrameEvent(*this, L"ReceiverFrameEvent", true),
      TReceiverProcess3DManipulatorsEvent(*this, L"ReceiverProcess3DManipulatorsEvent", true),
      TReceiverProcess3DEvent(*this, L"ReceiverProcess3DEvent", true),
      TReceiverProcess2DEvent(*this, L"ReceiverProcess2DEvent", true),
      TReceiverPropertyManagerEvent(*this, L"ReceiverPropertyManagerEvent", true),
      TReceiverApplicationEvent(L"ReceiverApplicationEvent", true),
      FDispatcher(std::make_unique<TDispatcherWnd3D>(this)), DispatcherWnd3D(*FDispatcher),
      StatusBar(*new TStatusBarOGL(this, StatusBarDX, StatusBarDY)),
      MeshDraw(FacadeTessellation(), MeshReserve)
{
    if (const tvapi::IProcessFactoryPtr factory = Factory()) ProcessParam = factory->CreateProcessParam();
    if (tvapi::IApplication* app = HostApplication()) {
        auto& r = *drApi::MA.R3;
        r.IDoc = app->GetActiveDocument();
        r.ITessellationMng = tvapi::IExternalTessellationManagerPtr(r.IDoc);
        r.IDoc3D = tvapi::ITervanDocument3DPtr(r.IDoc);
        r.IDoc2D = tvapi::ITervanDocument2DPtr(r.IDoc);
        if (r.IDoc)
            if (const tvapi::IProcessFactoryPtr factory = Factory())
                Frame = factory->GetDocumentFrame(r.IDoc);
    }
    CurrentProcessManager = this;
    TVariablePanel::Running = this;
    Messager.SetProcess(this);
}

TBaseManager::~TBaseManager()
{
    UnAdvise();
    // A panel destroyed while another one runs leaves the running one registered.
    if (CurrentProcessManager == this) CurrentProcessManager = nullptr;
    if (TVariablePanel::Running == this) TVariablePanel::Running = nullptr;
    if (Messager.Process() == this) Messager.SetProcess(nullptr);
    // The widgets go while the panel they point at is still whole.
    FDispatcher.reset();
    PropertyControl.Reset();
    PropertyControls.Reset();
    PropertyTab.Reset();
    PropertyTabs.Reset();
    Manipulators.Reset();
    Process.Reset();
    ProcessParam.Reset();
    Frame.Reset();
}

void TBaseManager::Advise()
{
    if (IsAdvise) return;
    IsAdvise = true;
    if (ProcessParam) TReceiverPropertyManagerEvent::Advise(ProcessParam->GetEvents(), AllEvents);
    if (const tvapi::IProcessFactoryPtr factory = Factory())
        TReceiverApplicationEvent::Advise(factory->GetApplicationEvents(), AllEvents);
}

void TBaseManager::UnAdvise()
{
    if (!IsAdvise) return;
    IsAdvise = false;
    if (Frame) TReceiverFrameEvent::UnAdvie(Frame->GetEvents());
    if (Manipulators) TReceiverProcess3DManipulatorsEvent::UnAdvie(Manipulators->GetEvents());
    if (ProcessParam) TReceiverPropertyManagerEvent::UnAdvie(ProcessParam->GetEvents());
    if (const tvapi::IProcessFactoryPtr factory = Factory())
        TReceiverApplicationEvent::UnAdvie(factory->GetApplicationEvents());
    if (PropertyTab) PropertyTab->SetActive(false);
    ClearHostSelection();
    ProcessParam.Reset();
}

void TBaseManager::Stop(int iExitCode)
{
    if (iExitCode < 0)
        MeshDraw.HideAll();
    else
        MeshDraw.Clear(0);
    ClearHostSelection();
    if (Active) {
        Active = false;
        if (Process) {
            Process->Stop();
            Process->EndProcess();
        }
    }
    ExitCode = iExitCode;
    if (iExitCode >= 0) {
        UnAdvise();
        StopProgress();
        if (const tvapi::IProcessFactoryPtr factory = Factory()) {
            tvapi::IAPIObjectPtr state;
            factory->UpdateCommandBars(CommandBarsAfterStop, state);
        }
    }
    UpdateGI = nullptr;
    RefreshWindow();
}

bool TBaseManager::ChangeControlValue(tvapi::IPropertyControlPtr Control)
{
    return APropertyVariable.ChangeControlValue(std::move(Control));
}

bool TBaseManager::ChangeValue(void*, int)
{
    return false;
}

bool TBaseManager::EndDragManipulator(int, tvapi::tvManipulatorPrimitiveEnum)
{
    DragManipulator = false;
    RedrawPhantom();
    return false;
}

// Id3 0 is a hot point without a marker.
void TBaseManager::RemoveHotPointMarkers()
{
    if (!AHotPoint) return;
    std::vector<int> ids;
    ids.reserve(static_cast<std::size_t>(AHotPoint->Count));
    for (const THotPointData& point : *AHotPoint)
        ids.push_back(point.Id3);
    MeshDraw.Remove(ids);
}

void TBaseManager::AddHotPointMarkers()
{
    if (!AHotPoint) return;
    for (THotPointData& point : *AHotPoint) {
        MeshDraw.V.SetOrigin(point.Origin);
        MeshDraw.V.NonScaleble = true;
        const tvapi::IExternalTessellationObjectPtr marker = MeshDraw.Add(MeshDraw.V, TMeshID::othotPoint);
        point.Obj = marker;
        if (marker) point.Id3 = marker->GetId();
    }
}

void TBaseManager::RefreshWindow()
{
    if (!Frame) return;
    Frame->Invalidate();
    Frame->RefreshView();
}

void TBaseManager::SetPrompt(const TString& Prompt)
{
    if (!Process) return;
    TString copy(Prompt);
    Process->SetPrompt(copy.toWideChar());
}

void* TBaseManager::Addr(tvapi::IAPIObjectPtr& E) const
{
    return E.Get();
}

// ---- progress ---------------------------------------------------------------------------------

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
