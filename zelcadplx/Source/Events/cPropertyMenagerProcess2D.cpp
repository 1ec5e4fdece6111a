// The 2D process panel: its host process with prompt and first tab, the phantom group and the
// placement reports.

#include <string>

#include "cPropertyMenagerEvent.h"
#include "drModelerAPI.h"

namespace {

constexpr int AllEvents = -1;

tvapi::ITervanDocument2DPtr ActiveDocument2D()
{
    return drApi::MA.R3.Exist() ? drApi::MA.R3->IDoc2D : tvapi::ITervanDocument2DPtr();
}

// Keeps a drawing group open for drawing while it lives, so a redraw that throws still
// closes it.
class TOpenGroup {
public:
    explicit TOpenGroup(tvapi::IDrawingGroupPtr& group) : FGroup(group) { FGroup->Open(); }
    ~TOpenGroup() { FGroup->Close(); }
    TOpenGroup(const TOpenGroup&) = delete;
    TOpenGroup& operator=(const TOpenGroup&) = delete;

private:
    tvapi::IDrawingGroupPtr& FGroup;
};

} // namespace

TProcessManager2D::TProcessManager2D(const TString& Name, const TString& Hint, SpecPropertyToolBarEnum Stb,
                                     int HC, const TString& NameTab, tvapi::tvProcess2DTypeEnum T)
{
    const tvapi::ITervanDocument2DPtr document = ActiveDocument2D();
    if (!document) return;
    Process2D = document->CreateProcess2D(T);
    Process.Reset();
    Process = tvapi::IProcessPtr(Process2D);
    if (Process2D) Phantom2D = Process2D->GetPhantom();
    ExitCode = 0;
    HelpContext = HC;
    if (ProcessParam) {
        ProcessParam->SetCaption(Wide(Name).c_str());
        ProcessParam->SetToolBar(static_cast<tvapi::SpecPropertyToolBarEnum>(Stb));
        ProcessParam->SetCloseOnApply(false);
        PropertyTabs = ProcessParam->GetPropertyTabs();
    }
    if (PropertyTabs) {
        PropertyTabs->SetHeaderVisible(true);
        PropertyTabs->SetHeaderText(Wide(Name).c_str());
        PropertyTab = PropertyTabs->Add(Wide(NameTab).c_str());
    }
    if (PropertyTab) {
        PropertyTab->SetVisible(true);
        PropertyControls = PropertyTab->GetControls();
    }
    if (Process) {
        Process->SetProcessParam(ProcessParam);
        Process->SetPrompt(Wide(Hint).c_str());
        Process2D->SetDynamicPlacement(true);
    }
    CurrentProcessManager = this;
    Advise();
}

TProcessManager2D::~TProcessManager2D()
{
    UnAdvise();
    if (CurrentProcessManager == this) CurrentProcessManager = nullptr;
    PhantomGroup.Reset();
    Phantom2D.Reset();
    Process2D.Reset();
}

void TProcessManager2D::Advise()
{
    TBaseManager::Advise();
    if (Process2D) TReceiverProcess2DEvent::Advise(Process2D->GetEvents2D(), AllEvents);
}

void TProcessManager2D::UnAdvise()
{
    if (Process2D) TReceiverProcess2DEvent::UnAdvie(Process2D->GetEvents2D());
    TBaseManager::UnAdvise();
}

bool TProcessManager2D::ButtonClick(int)
{
    return false;
}

void TProcessManager2D::SetPhantom(tvapi::tvPhantomTypeEnum T)
{
    if (!Phantom2D || PhantomGroup || !drApi::MA.R3.Exist()) return;
    Phantom2D->SetType(T);
    drApi::MA.drGroup(true);
    drApi::MA.drEndGroup();
    PhantomGroup = tvapi::IDrawingGroupPtr(drApi::MA.R3->Obj);
    Phantom2D->SetDrawingGroup(PhantomGroup);
    Phantom2D->Update();
}

bool TProcessManager2D::PlacementChanged(double x, double y, double angle, bool dynamic)
{
    if (!PhantomGroup) return TReceiverProcess2DEvent::ReturnValue;
    if (!dynamic) return CreateObject(x, y, angle);
    PhantomGroup->Clear(true);
    {
        const TOpenGroup open(PhantomGroup);
        RedrawPhantom(x, y, angle);
    }
    if (Phantom2D) Phantom2D->Update();
    return TReceiverProcess2DEvent::ReturnValue;
}

void TProcessManager2D::UpdateProcess()
{
    if (Phantom2D) Phantom2D->Update();
}

bool TProcessManager2D::Run(bool Modal, bool PostMessage)
{
    ExitCode = 0;
    const Boolean wasActive = Active;
    Active = true;
    try {
        if (Process) Process->Run(Modal, PostMessage);
    } catch (...) {
        return false;
    }
    Active = wasActive;
    return true;
}
