// ==== drApi::TModelerApi (drModelerAPI.h), part: specifications =================================
// The facade's specifications: creating and saving a specification document, and adding
// its rows for a part, for a drawing object and for a detail's documents. Every row goes
// into the description of style 1 of "graphic.lyt" in the current document, added on first
// need.

#include "drModelerAPI.h"

#include <vector>

#include "TFileName.h"
#include "tvapi/Application.h"
#include "tvapi/Specification.h"

namespace drApi {

namespace {

constexpr wchar_t StyleLibrary[] = L"graphic.lyt";
constexpr int StyleNumber = 1;
// The attribute type of a specification row (kept by the host as a 64-bit key).
constexpr Real NumberAttr = 81764182256.0;
constexpr int AttachedKind = 1;
const char* const FileExtension[] = {".qdr", ".qpt", ".qas"};

// The description of style 1 in `doc`, added under `name` when missing; empty without one.
tvapi::ISpecificationDescriptionPtr Description(const tvapi::ITervanDocumentPtr& doc, const TString& name)
{
    const tvapi::ISpecificationDescriptionsPtr all = doc ? doc->GetSpecificationDescriptions() : nullptr;
    if (!all) return {};
    if (tvapi::ISpecificationDescriptionPtr found = all->Find(StyleLibrary, StyleNumber)) return found;
    return all->Add(StyleLibrary, StyleNumber, Wide(name).c_str());
}

void SetColumn(const tvapi::ISpecificationColumnsPtr& columns, tvapi::tvSpecificationColumnTypeEnum type,
               const TString& text)
{
    const tvapi::ISpecificationColumnPtr column = columns ? columns->GetColumn(type, 1, 0) : nullptr;
    const tvapi::ITextPtr t = column ? column->GetText() : nullptr;
    if (t) t->SetStr(Wide(text).c_str());
}

} // namespace

tvapi::ISpecificationBaseObjectPtr TModelerApi::NewSpecRow(Quor::TSectionSpc TypeObj)
{
    const tvapi::ISpecificationDescriptionPtr description = Description(R3->IDoc, TString());
    const tvapi::ISpecificationBaseObjectsPtr rows = description ? description->GetBaseObjects() : nullptr;
    return rows ? rows->Add(TypeObj, static_cast<std::uint64_t>(NumberAttr)) : nullptr;
}

void TModelerApi::SpecRowMade(const tvapi::ISpecificationBaseObjectPtr& row)
{
    if (row) {
        row->Update();
        R3->Obj = row;
    }
    R2->CurDrawingObject = row;
}

void TModelerApi::drCreateLeafSpw(Str const& iName, Str const& Comment)
{
    if (OutputContour() != nullptr) return;
    TRegistryApi& r = *R3;
    r.IDoc.Reset();
    const TString file = iName + TString(".qsp");
    if (const tvapi::ITervanDocumentPtr open = GetOpenDocument(tvapi::tvDocumentSpecification, file))
        open->Close(tvapi::kdDoNotSaveChanges);
    tvapi::IApplication* app = Application();
    const tvapi::IDocumentsPtr documents = app ? app->GetDocuments() : nullptr;
    const tvapi::ISpecificationDocumentPtr spec(
        documents ? documents->Create(tvapi::tvDocumentSpecification, false) : nullptr);
    r.IDoc = spec;
    if (!r.IDoc) return;
    r.IDoc->SetComment(Wide(Comment).c_str());
    Description(r.IDoc, file);
    CheckSaved(*r.IDoc, r.IDoc->SaveAs(Wide(file).c_str()), file);
}

void TModelerApi::drCloseLeafSpw(Boolean Close)
{
    if (OutputContour() != nullptr || !R3->IDoc) return;
    CheckResaved(*R3->IDoc, R3->IDoc->Save());
    if (Close) R3->IDoc->Close(tvapi::kdDoNotSaveChanges);
}

void TModelerApi::drSpcObj3D(Quor::TSectionSpc TypeObj, const TString& Note, tvapi::IPartPtr Part)
{
    if (!R3->IDoc3D) {
        R2->CurDrawingObject.Reset();
        return;
    }
    const tvapi::ISpecificationBaseObjectPtr row = NewSpecRow(TypeObj);
    if (row) {
        const tvapi::ISpecificationColumnsPtr columns = row->GetColumns();
        SetColumn(columns, tvapi::tvSColumnName, Part ? TString(Part->GetName()) : TString());
        SetColumn(columns, tvapi::tvSColumnMark, Part ? TString(Part->GetMarking()) : TString());
        SetColumn(columns, tvapi::tvSColumnNote, Note);
        row->SetGeometry({tvapi::ITervanAPIObjectPtr(Part)}, false);
    }
    SpecRowMade(row);
}

void TModelerApi::drSpcObj(Str& Name, Quor::TSectionSpc TypeObj, tvapi::IDrawingObjectPtr GeometyGroup)
{
    if (!R3->IDoc) {
        R2->CurDrawingObject.Reset();
        return;
    }
    const tvapi::ISpecificationBaseObjectPtr row = NewSpecRow(TypeObj);
    if (row) {
        const tvapi::ISpecificationColumnsPtr columns = row->GetColumns();
        SetColumn(columns, tvapi::tvSColumnName, Name);
        SetColumn(columns, tvapi::tvSColumnCount, TString("1"));
        row->SetGeometry({tvapi::ITervanAPIObjectPtr(GeometyGroup)}, false);
    }
    SpecRowMade(row);
}

void TModelerApi::drSpcObject(Quor::TSectionSpc TypeObj, Str const& NameFileObject, Integer Pos,
                              Integer Count)
{
    if (!R3->IDoc) {
        R2->CurDrawingObject.Reset();
        return;
    }
    const tvapi::ISpecificationBaseObjectPtr row = NewSpecRow(TypeObj);
    if (row) {
        const tvapi::ISpecificationColumnsPtr columns = row->GetColumns();
        SetColumn(columns, tvapi::tvSColumnPosition, TString(Pos));
        SetColumn(columns, tvapi::tvSColumnCount, TString(Count));
        std::vector<TString> files;
        if (TypeObj != Quor::tStandart)
            for (const char* extension : FileExtension)
                if (TString name = NameFileObject + TString(extension); FileExists(name))
                    files.push_back(name);
        if (!files.empty()) {
            const tvapi::IAttachedDocumentsPtr attached = row->GetAttachedDocuments();
            for (const TString& name : files)
                if (attached) attached->Add(Wide(name).c_str(), AttachedKind);
        }
    }
    SpecRowMade(row);
}

} // namespace drApi
