// Command dispatch of the dimension chains: the document type decides which panel runs.

#include "pmCommands.h"

#include <memory>

#include "ChainHost.h"
#include "Dictionary.h"
#include "FacadeChainHost.h"
#include "Messager.h"
#include "cPropertyMenagerEvent.h"
#include "drModelerAPI.h"
#include "drSelectorAPI.h"
#include "pmDimensionChain2D.h"
#include "pmDimensionChain3D.h"
#include "tvapi/Application.h"

TpmDimensionChain2D* pmDimensionChain2D = nullptr;

namespace {

// Every message of the command goes to the running panel's status bar, or to a host box.
void Tell(const char* Text)
{
    Messager.LiftBox(DC(TString(Text)), TMessager::toAlways);
}

// Makes D the facade's document (unless it holds that one already) and takes its 2D form
// anew. An empty D leaves the facade's document as it is.
void RefreshDocument(drApi::TRegistryApi& R, const tvapi::ITervanDocumentPtr& D)
{
    if (!D) return;
    if (!R.IDoc || !(R.IDoc == D)) R.IDoc = D;
    R.IDoc2D.Reset();
    R.IDoc2D = R.IDoc;
}

// Runs the drawing panel over the host's 2D process, again while it asks for a restart (exit
// code 2). A run the host fails counts as a cancel: no success message.
Boolean RunDrawingPanel()
{
    std::unique_ptr<TpmDimensionChain2D> panel = std::make_unique<TpmDimensionChain2D>();
    pmDimensionChain2D = panel.get();
    bool ran = true;
    do {
        if (panel->Process2D) panel->Process2D->SetDynamicPlacement(true);
        ran = panel->Run(true, false);
    } while (ran && panel->ExitCode == 2);
    if (ran && panel->ExitCode == 0) {
        Tell("В документ записана размерная цепь");
        if (drApi::MA.R3->IDoc2D) drApi::MA.R3->IDoc2D->Refresh();
    } else {
        panel->TakeBackWrites(); // a run that did not end with OK leaves the drawing as it was
    }
    FacadeChainHost().ClearSelection();
    panel.reset();
    pmDimensionChain2D = nullptr;
    return true;
}

// The assembly panel over the host's 3D process.
Boolean RunAssemblyPanel()
{
    std::unique_ptr<TpmDimensionChain3D> panel = std::make_unique<TpmDimensionChain3D>();
    pmDimensionChain3D = panel.get();
    const bool ran = panel->Run(true, false);
    if (ran && panel->ExitCode == 0)
        Tell("В документ записана размерная цепь");
    else
        panel->TakeBackWrites(); // a run that did not end with OK leaves the assembly as it was
    FacadeChainHost().ClearSelection();
    panel.reset();
    pmDimensionChain3D = nullptr;
    return true;
}

} // namespace

Boolean DimensionChain()
{
    drApi::TRegistryApi& r = *drApi::MA.R3;
    if (tvapi::IApplication* app = drApi::MA.Application()) RefreshDocument(r, app->GetActiveDocument());
    BeginChainSelection();
    if (TBaseManager::CurrentProcessManager || !r.IDoc) {
        Tell("Документ не активирован или не является Чертежом/Фрагментом");
        return false;
    }
    switch (r.IDoc->GetDocumentType()) {
    case tvapi::tvDocumentDrawing:
    case tvapi::tvDocumentFragment:
        return RunDrawingPanel();
    case tvapi::tvDocumentPart:
    case tvapi::tvDocumentAssembly:
    case tvapi::tvDocumentTechnologyAssembly:
        DimensionChain3D();
        return false;
    default:
        Tell("Документ не является Чертежом/Моделью");
        return false;
    }
}

Boolean DimensionChain3D()
{
    tvapi::IApplication* app = drApi::MA.Application();
    if (!app) return false;
    const tvapi::ITervanDocumentPtr doc = app->GetActiveDocument();
    if (TBaseManager::CurrentProcessManager || !doc) return false;
    const tvapi::DocumentTypeEnum type = doc->GetDocumentType();
    if (type != tvapi::tvDocumentAssembly && type != tvapi::tvDocumentTechnologyAssembly) {
        Tell("Документ не является Моделью/Сборкой");
        return false;
    }
    drApi::MA.drGetPart(drApi::pTop_Part, type); // the facade keeps the part; ours goes at once
    return RunAssemblyPanel();
}
