// Command dispatch of the dimension chains: the document type decides which panel runs.

#include "pmCommands.h"

#include "Dictionary.h"
#include "Messager.h"
#include "cPropertyMenagerEvent.h"
#include "drModelerAPI.h"
#include "drSelectorAPI.h"
#include "tvapi/Application.h"

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

// The drawing panel runs here once it exists; until then the command ends where the panel
// would start.
Boolean RunDrawingPanel()
{
    return false;
}

// The assembly panel, likewise.
Boolean RunAssemblyPanel()
{
    return false;
}

} // namespace

TpmDimensionChain2D* pmDimensionChain2D = nullptr;

Boolean DimensionChain()
{
    drApi::TRegistryApi& r = *drApi::MA.R3;
    if (tvapi::IApplication* app = drApi::MA.Application()) RefreshDocument(r, app->GetActiveDocument());
    drApi::Selector->Begin();
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
