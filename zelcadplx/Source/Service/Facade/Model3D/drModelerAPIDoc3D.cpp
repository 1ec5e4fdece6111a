// ==== drApi::TModelerApi (drModelerAPI.h), part: 3D documents by file ===========================
// The facade's 3D documents by file: finding an open one, opening one, and the mass of the
// part a model file holds, and the material written into the current document.

#include "drModelerAPI.h"

#include <string>

#include "TFileName.h"
#include "drSelectorAPI.h"
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

Boolean TModelerApi::ActivateADocument3D(const Str& FName, const Boolean Invisible)
{
    if (const tvapi::ITervanDocumentPtr open = GetOpenDocument(tvapi::tvDocumentPart, FName)) {
        open->Activate();
        return true;
    }
    return static_cast<bool>(drOpen3D(FName, Invisible));
}

Boolean TModelerApi::drCreate3D(Boolean Invisible, Boolean isDetail, Str const& FileName, Str const& Name,
                                Str const& Marking)
{
    NextProgress(FileName + " " + Name);
    tvapi::IApplication* app = Application();
    const tvapi::IDocumentsPtr documents = app ? app->GetDocuments() : nullptr;
    if (!documents) return false;
    const tvapi::DocumentTypeEnum type = isDetail ? tvapi::tvDocumentPart : tvapi::tvDocumentAssembly;
    if (const tvapi::ITervanDocumentPtr open = GetOpenDocument(type, FileName))
        open->Close(tvapi::kdDoNotSaveChanges);
    TRegistryApi& r = *R3;
    r.IDoc = documents->Add(type, !Invisible);
    r.IDoc3D = r.IDoc;
    if (!r.IDoc3D) return false;
    r.IDoc3D->SetHidePlanes(true);
    r.IDoc3D->SetHideAxes(true);
    r.IDoc3D->SetHideSketches(true);
    r.IDoc3D->SetHidePoints(true);
    r.IDoc3D->SaveAs(Wide(FileName).c_str());
    r.IDoc = app->GetActiveDocument();
    r.IDoc3D = r.IDoc;
    r.Part = r.IDoc3D ? r.IDoc3D->GetTopPart() : tvapi::IPartPtr();
    if (r.Part) {
        r.Part->SetName(Wide(Name).c_str());
        r.Part->SetMarking(Wide(Marking).c_str());
        if (const tvapi::IModelObjectPtr part = tvapi::IModelObjectPtr(r.Part)) part->Update();
    }
    if (Selector) Selector->Begin();
    return true;
}

void TModelerApi::drSave3D(Boolean Close, Boolean)
{
    TRegistryApi& r = *R3;
    if (!r.IDoc) return;
    if (!Close) {
        r.IDoc->Save();
        return;
    }
    if (r.IDoc3D) r.IDoc3D->RebuildDocument(true);
    r.Obj3D.Reset();
    r.Obj.Reset();
    r.IDoc->Close(tvapi::kdSaveChanges);
    r.IDoc.Reset();
    r.IDoc3D.Reset();
    r.Part.Reset();
}

void TModelerApi::drSave3DAs(const Str& FName, const Str& Name)
{
    TRegistryApi& r = *R3;
    if (!r.IDoc3D || !r.IDoc) return;
    r.IDoc3D->RebuildDocument(true);
    if (r.Part) {
        r.Part->SetName(Wide(Name).c_str());
        if (const tvapi::IModelObjectPtr part = tvapi::IModelObjectPtr(r.Part)) part->Update();
    }
    r.IDoc->SaveAs(Wide(FName).c_str());
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
    // The open makes the file's document current; the caller's document, 3D document and part
    // come back afterwards, and the opened document is closed whatever it held.
    TRegistryApi& r = *R3;
    const tvapi::ITervanDocumentPtr doc = r.IDoc;
    const tvapi::ITervanDocument3DPtr doc3D = r.IDoc3D;
    const tvapi::IPartPtr part = r.Part;
    const auto restore = [&] {
        r.IDoc = doc;
        r.IDoc3D = doc3D;
        r.Part = part;
    };
    Real mass = 0.0;
    try {
        const tvapi::IPartPtr opened = drOpen3D(FName, true);
        if (opened) mass = opened->GetMass();
        if (r.IDoc) r.IDoc->Close(tvapi::kdDoNotSaveChanges);
    } catch (...) {
        restore();
        throw;
    }
    restore();
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
