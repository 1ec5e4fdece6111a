// The 3D process panel: its host process with caption, buttons and first tab, the phantom
// part, the subscriptions and the repeated run.

#include <cstdlib>

#include "cPropertyMenagerEvent.h"
#include "drModelerAPI.h"
#include "drSelectorAPI.h"
#include "tvapi/Application.h"

namespace {

constexpr int AllEvents = -1;
constexpr int CancelButton = 2; // the click a failed host run is answered with

tvapi::IProcessFactoryPtr Factory()
{
    tvapi::IApplication* app = drApi::MA.Application();
    return app ? tvapi::IProcessFactoryPtr(tvapi::IApplicationPtr(app)) : tvapi::IProcessFactoryPtr();
}

tvapi::ITervanDocument3DPtr ActiveDocument3D()
{
    return drApi::MA.R3.Exist() ? drApi::MA.R3->IDoc3D : tvapi::ITervanDocument3DPtr();
}

// The part edited in place in Doc; empty when none is, or the object edited is no part.
tvapi::IPartPtr EditedPart(const tvapi::ITervanDocument3DPtr& Doc)
{
    return tvapi::IPartPtr(Doc->GetEditingObject());
}

} // namespace

TBaseManager3D::TBaseManager3D(const TString& Name, const TString& Hint, SpecPropertyToolBarEnum Stb, int HC,
                               const TString& NameTab, const std::initializer_list<TButtonData>* pAB)
{
    ExitCode = 0;
    HelpContext = HC;
    ProcessHint = Hint;
    if (ProcessParam) {
        ProcessParam->SetCaption(Wide(Name).c_str());
        ProcessParam->SetCloseOnApply(false);
        // Kinds past the last one the host knows leave its own bar.
        if (Stb <= pnEnterEscSearchPrevNextHelp)
            ProcessParam->SetToolBar(static_cast<tvapi::SpecPropertyToolBarEnum>(Stb));
        if (pAB) {
            const std::wstring font = drApi::MA.R3.Exist() ? Wide(drApi::MA.R3->LibFont) : std::wstring();
            for (const TButtonData& b : *pAB)
                ProcessParam->AddButton(b.Id, std::abs(b.Icon), Wide(b.Tips).c_str(), font.c_str());
        }
        PropertyTabs = ProcessParam->GetPropertyTabs();
    }
    if (PropertyTabs) {
        PropertyTabs->SetHeaderText(Wide(Name).c_str());
        PropertyTab = PropertyTabs->Add(Wide(NameTab).c_str());
    }
    if (PropertyTab) {
        PropertyTab->SetVisible(true);
        PropertyControls = PropertyTab->GetControls();
    }
    const tvapi::ITervanDocument3DPtr doc = ActiveDocument3D();
    if (!doc) return;
    Phantom = doc->IsInPlaceEditing() ? EditedPart(doc) : doc->GetTopPart();
    if (const tvapi::IProcessFactoryPtr factory = Factory())
        Process3D = factory->CreateProcess3D(ProcessParam);
    Process.Reset();
    Process = tvapi::IProcessPtr(Process3D);
    if (Process3D) Manipulators = Process3D->GetManipulators();
}

TBaseManager3D::~TBaseManager3D()
{
    UnAdvise();
    PropertyControls.Reset();
    PropertyTabs.Reset();
    PropertyTab.Reset();
    ProcessParam.Reset();
    MeshDraw.Clear(0);
    if (drApi::Selector && drApi::Selector->Choose7) drApi::Selector->Choose7->UnChooseAll();
    if (CurrentProcessManager == this) CurrentProcessManager = nullptr;
    Phantom.Reset();
    Process3D.Reset();
}

void TBaseManager3D::Advise()
{
    if (IsAdvise) return;
    TBaseManager::Advise();
    if (Frame) TReceiverFrameEvent::Advise(Frame->GetEvents(), AllEvents);
    if (Process3D) TReceiverProcess3DEvent::Advise(Process3D->GetEvents3D(), AllEvents);
    if (Manipulators) TReceiverProcess3DManipulatorsEvent::Advise(Manipulators->GetEvents(), AllEvents);
}

// The base unsubscribes the frame and the manipulators by name already; the repeat is harmless
// (unsubscribing is idempotent) and keeps the three names together.
void TBaseManager3D::UnAdvise()
{
    if (!IsAdvise) return;
    TBaseManager::UnAdvise();
    if (Frame) TReceiverFrameEvent::UnAdvie(Frame->GetEvents());
    if (Process3D) TReceiverProcess3DEvent::UnAdvie(Process3D->GetEvents3D());
    if (Manipulators) TReceiverProcess3DManipulatorsEvent::UnAdvie(Manipulators->GetEvents());
}

bool TBaseManager3D::SetPhantom(const TString& FileName)
{
    const tvapi::ITervanDocument3DPtr doc = ActiveDocument3D();
    if (!doc) return false;
    if (!Process3D) return false;
    if (doc->IsInPlaceEditing()) {
        Phantom = EditedPart(doc);
        Process3D->SetPhantomObject(tvapi::IModelObjectPtr(Phantom));
    } else {
        [[maybe_unused]] const tvapi::IModelObjectPtr loaded = Process3D->LoadPhantom(Wide(FileName).c_str());
    }
    return static_cast<bool>(Process3D->GetPhantomObject());
}

bool TBaseManager3D::Run(bool Modal, bool iPostMessage)
{
    if (!Process || !Active) return false;
    Process->SetPrompt(Wide(ProcessHint).c_str());
    ExitCode = 0;
    Process->SetProcessParam(ProcessParam);
    UpdateRun();
    CurrentProcessManager = this;
    for (;;) {
        bool result = false;
        try {
            result = Process->Run(Modal, iPostMessage) != 0;
        } catch (...) {
            ButtonClick(CancelButton);
            result = false;
        }
        if (OnExitRun()) return result;
    }
}
