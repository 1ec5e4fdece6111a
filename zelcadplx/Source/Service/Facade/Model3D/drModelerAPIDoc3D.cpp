// ==== drApi::TModelerApi (drModelerAPI.h), part: 3D documents by file ===========================
// The facade's 3D documents by file: finding an open one, opening one, and the mass of the
// part a model file holds, and the material written into the current document.

#include "drModelerAPI.h"

#include <algorithm>
#include <string>
#include <vector>

#include "Messager.h"
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

Boolean TModelerApi::CheckSaved(tvapi::ITervanDocument& Doc, bool Saved, const TString& File)
{
    if (Saved) return true;
    const TString file = File.Empty() ? TString(Doc.GetFileName()) : File;
    Messager.LiftBox(DC("Не удалось сохранить файл") + TString(" ") + file + TString(": ") +
                         TString(Doc.GetSaveError()),
                     TMessager::toAlways);
    return false;
}

Boolean TModelerApi::CheckResaved(tvapi::ITervanDocument& Doc, bool Saved)
{
    return Saved || (!Doc.GetFileName().empty() && CheckSaved(Doc, Saved));
}

tvapi::IPartPtr TModelerApi::drOpen3D(TString const& Name, bool Invisible)
{
    NextProgress(Name);
    tvapi::IApplication* app = Application();
    if (!app) return {};
    TRegistryApi& r = *R3;
    const tvapi::IDocumentsPtr documents = app->GetDocuments();
    r.ExpectBodies = -1;
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
    r.ExpectBodies = -1;
    r.Refused3D = false;
    r.Unwritten = false;
    r.CreatedFile = Str();
    SheetWaitsOnPart3D(FileName);
    r.IDoc = documents->Add(type, !Invisible);
    r.IDoc3D = r.IDoc;
    if (!r.IDoc3D) return false;
    r.IDoc3D->SetHidePlanes(true);
    r.IDoc3D->SetHideAxes(true);
    r.IDoc3D->SetHideSketches(true);
    r.IDoc3D->SetHidePoints(true);
    // What is told from here waits for the part's save, this save's failure too.
    r.HoldBoxes = true;
    const std::size_t told = r.HeldBoxes.size();
    if (CheckSaved(*r.IDoc3D, r.IDoc3D->SaveAs(Wide(FileName).c_str()), FileName)) {
        r.CreatedFile = FileName;
    } else {
        // The part has no file: its save fails whatever it holds, told first in its one box.
        r.Unwritten = true;
        std::rotate(r.HeldBoxes.begin(), r.HeldBoxes.begin() + told, r.HeldBoxes.end());
    }
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
    if (!r.IDoc) {
        ShowHeldBoxes();
        return;
    }
    if (r.Unwritten) {
        SaveFailed3D(0);
        if (Close) DiscardPart3D();
        return;
    }
    if (!Close) {
        if (!PartPasses3D()) return;
        const std::size_t told = r.HeldBoxes.size();
        if (!CheckResaved(*r.IDoc, r.IDoc->Save())) return SaveFailed3D(told);
        r.CreatedFile = Str(); // the file now holds the part
        ShowHeldBoxes();
        return;
    }
    if (r.IDoc3D) r.IDoc3D->RebuildDocument(true);
    if (!PartPasses3D()) return;
    r.ExpectBodies = -1;
    r.Obj3D.Reset();
    r.Obj.Reset();
    // A document whose save failed stays open in the host, so that nothing is lost.
    const std::size_t told = r.HeldBoxes.size();
    if (CheckSaved(*r.IDoc, r.IDoc->Close(tvapi::kdSaveChanges)))
        ShowHeldBoxes();
    else
        SaveFailed3D(told);
    r.CreatedFile = Str();
    r.IDoc.Reset();
    r.IDoc3D.Reset();
    r.Part.Reset();
}

void TModelerApi::SaveFailed3D(std::size_t Told)
{
    FailedSave3D();
    std::vector<Str> held = TakeHeldBoxes();
    std::rotate(held.begin(), held.begin() + std::min(Told, held.size()), held.end());
    if (!held.empty()) LiftBox(WithHeldOnce(held[0], std::span<const Str>(held).subspan(1)));
}

void TModelerApi::FailedSave3D()
{
    // The file still holds the empty part drCreate3D wrote; the part is not built.
    TRegistryApi& r = *R3;
    if (!r.CreatedFile.Empty()) DeleteFile(r.CreatedFile);
    r.CreatedFile = Str();
    r.Unwritten = false;
    r.Refused3D = true;
    SheetOfRefusedPart3D();
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
    CheckSaved(*r.IDoc, r.IDoc->SaveAs(Wide(FName).c_str()), FName);
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
    // come back afterwards. Only a document the open added is closed: the host hands back one
    // already open under that name (of any kind), and without a host nothing opens at all.
    tvapi::IApplication* app = Application();
    const tvapi::IDocumentsPtr documents = app ? app->GetDocuments() : nullptr;
    if (!documents) return 0.0;
    std::vector<tvapi::ITervanDocumentPtr> before;
    for (int i = 0, n = documents->GetCount(); i < n; ++i)
        before.push_back(documents->GetItem(i));
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
        r.IDoc.Reset();
        const tvapi::IPartPtr opened = drOpen3D(FName, true);
        if (opened) mass = opened->GetMass();
        const tvapi::ITervanDocumentPtr added = r.IDoc;
        if (added && std::none_of(before.begin(), before.end(),
                                  [&](const tvapi::ITervanDocumentPtr& d) { return d == added; }))
            added->Close(tvapi::kdDoNotSaveChanges);
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
