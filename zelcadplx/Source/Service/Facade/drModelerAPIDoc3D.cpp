// The facade's 3D documents by file: finding an open one, opening one, and the mass of the
// part a model file holds, and the material written into the current document.

#include "drModelerAPI.h"

#include <string>

#include "TFileName.h"
#include "tvapi/Application.h"
#include "tvapi/DocumentProperties.h"

namespace drApi {

namespace {

// Kinds of open document a model file may already be in. An open assembly counts as well
// as a part: opening its file again would hand back that document, and closing it
// unsaved would lose the user's work in it.
constexpr tvapi::DocumentTypeEnum ModelKinds[] = {tvapi::tvDocumentPart, tvapi::tvDocumentAssembly,
                                                  tvapi::tvDocumentTechnologyAssembly};

} // namespace

tvapi::ITervanDocumentPtr TModelerApi::GetOpenDocument(tvapi::DocumentTypeEnum T, TString const& Name)
{
    tvapi::IApplication* app = Application();
    const tvapi::IDocumentsPtr documents = app ? app->GetDocuments() : nullptr;
    if (!documents) return {};
    const int count = documents->GetCount();
    for (int i = 0; i < count; ++i) {
        tvapi::ITervanDocumentPtr document = documents->GetItem(i);
        if (!document || document->GetDocumentType() != T) continue;
        if (TString(document->GetFileName()) == Name) return document;
    }
    return {};
}

tvapi::IPartPtr TModelerApi::drOpen3D(TString const& Name, bool Invisible)
{
    NextProgress(Name);
    tvapi::IApplication* app = Application();
    if (!app) return {};
    TRegistryApi& r = *R3;
    const tvapi::IDocumentsPtr documents = app->GetDocuments();
    r.IDoc = documents ? documents->Open(Wide(Name).c_str(), !Invisible, false) : nullptr;
    if (!r.IDoc) return {};
    r.IDoc3D = r.IDoc;
    if (!r.IDoc3D) return {};
    r.Part = r.IDoc3D->GetTopPart();
    return r.Part;
}

Real TModelerApi::GetMassFile(TString const& FName)
{
    if (!FileExists(FName)) return 0.0;
    for (const tvapi::DocumentTypeEnum kind : ModelKinds) {
        const tvapi::ITervanDocument3DPtr open = GetOpenDocument(kind, FName);
        if (!open) continue;
        const tvapi::IPartPtr part = open->GetTopPart();
        return part ? part->GetMass() : 0.0;
    }
    if (!drOpen3D(FName, true)) return 0.0;
    const Real mass = R3->Part->GetMass();
    R3->IDoc->Close(tvapi::kdDoNotSaveChanges);
    return mass;
}

namespace {

constexpr int DocumentProperties = 1; // the property manager of the document properties
constexpr int MaterialProperty = 9;
constexpr int DensityProperty = 10;

} // namespace

void TModelerApi::drSetMaterial(Integer, Str const& Material, Str const& Location, Real const& Dencity)
{
    if (OutputContour() != nullptr) return;
    const tvapi::IPropertyMngPtr manager(Application() ? Application()->GetPropertyManager(DocumentProperties)
                                                       : nullptr);
    const TRegistryApi& r = *R3;
    if (!r.IDoc || !tvapi::IPropertyKeeperPtr(r.IDoc) || !manager) return;
    if (const tvapi::IPropertyPtr material = manager->GetProperty(MaterialProperty)) {
        material->SetValues({Wide(Material)});
        material->SetLocation(Wide(Location).c_str());
        material->Apply();
    }
    if (const tvapi::IPropertyPtr density = manager->GetProperty(DensityProperty)) {
        density->SetRealValues({Dencity});
        density->Apply();
    }
}

} // namespace drApi
