// Documents of the stand-in host and their collection.
#include "HostDocuments.h"

#include <string_view>

#include "HostArgs.h"
#include "HostText.h"

namespace tvhost {

namespace {

struct TMade {
    tvapi::ITervanDocumentPtr Document;
    TDocumentCore* Core = nullptr;
};

template <class T> TMade Make(tvapi::DocumentTypeEnum type, bool visible)
{
    tvapi::Ptr<T> doc = New<T>(type, visible);
    TDocumentCore* core = doc.Get();
    return {tvapi::ITervanDocumentPtr(doc.Get()), core};
}

// The document object of the kind `type` calls for; empty for a value that is no type.
TMade MakeDocument(tvapi::DocumentTypeEnum type, bool visible)
{
    switch (type) {
    case tvapi::tvDocumentDrawing:
    case tvapi::tvDocumentFragment:
        return Make<THostDocument2D>(type, visible);
    case tvapi::tvDocumentPart:
    case tvapi::tvDocumentAssembly:
    case tvapi::tvDocumentTechnologyAssembly:
        return Make<THostDocument3D>(type, visible);
    case tvapi::tvDocumentSpecification:
        return Make<THostSpecDocument>(type, visible);
    case tvapi::tvDocumentTextual:
        return Make<THostDocument>(type, visible);
    case tvapi::tvDocumentUnknown:
        break;
    }
    return {};
}

// Saves `core` under its name; false when that fails, also by running out of memory.
bool SaveQuietly(TDocumentCore& core) noexcept
{
    try {
        return core.SaveTo(core.FileName());
    } catch (...) {
        return false;
    }
}

} // namespace

bool TDocumentCore::ActivateInOwner()
{
    return FOwner && FOwner->Activate(this);
}

bool TDocumentCore::CloseInOwner(tvapi::DocumentCloseOptions options)
{
    return FOwner && FOwner->Close(this, options);
}

THostDocument2D::THostDocument2D(tvapi::DocumentTypeEnum type, bool visible)
    : THostDocumentOf(type, visible), FSelection(New<THostSelectionManager>()),
      FChoose(New<THostChooseManager>())
{
    Data().Sheets.Add(); // a drawing starts with one sheet and its title block
}

tvapi::ISelectionManagerPtr THostDocument2D::GetSelectionManager()
{
    if (!Enter("ITervanDocument2D::GetSelectionManager")) return {};
    return tvapi::ISelectionManagerPtr(FSelection);
}

tvapi::IChooseManagerPtr THostDocument2D::GetChooseManager()
{
    if (!Enter("ITervanDocument2D::GetChooseManager")) return {};
    return tvapi::IChooseManagerPtr(FChoose);
}

bool THostDocument2D::Refresh()
{
    if (!Enter("ITervanDocument2D::Refresh")) return false;
    ++FRefreshes;
    return true;
}

void THostDocument2D::ReleaseContents() noexcept
{
    FSelection->Clear();
    FChoose->Clear();
    FFindParameters.Reset();
}

THostDocument3D::THostDocument3D(tvapi::DocumentTypeEnum type, bool visible)
    : THostDocumentOf(type, visible), FTopPart(New<THostPart>()), FSelection(New<THostSelectionManager>()),
      FChoose(New<THostChooseManager>()), FAssembly(std::make_shared<THostPart*>(FTopPart.Get()))
{
}

THostDocument3D::~THostDocument3D()
{
    *FAssembly = nullptr;
}

tvapi::IPartPtr THostDocument3D::GetTopPart()
{
    if (!Enter("ITervanDocument3D::GetTopPart")) return {};
    return tvapi::IPartPtr(FTopPart);
}

tvapi::ISelectionManagerPtr THostDocument3D::GetSelectionManager()
{
    if (!Enter("ITervanDocument3D::GetSelectionManager")) return {};
    return tvapi::ISelectionManagerPtr(FSelection);
}

tvapi::IChooseManagerPtr THostDocument3D::GetChooseManager()
{
    if (!Enter("ITervanDocument3D::GetChooseManager")) return {};
    return tvapi::IChooseManagerPtr(FChoose);
}

bool THostDocument3D::IsInPlaceEditing()
{
    if (!Enter("ITervanDocument3D::IsInPlaceEditing")) return false;
    return static_cast<bool>(FEditing);
}

tvapi::ITervanAPIObjectPtr THostDocument3D::GetEditingObject()
{
    if (!Enter("ITervanDocument3D::GetEditingObject")) return {};
    return FEditing;
}

tvapi::IMateConstraints3DPtr THostDocument3D::GetMateConstraints()
{
    if (!Enter("ITervanDocument3D::GetMateConstraints") || Type() == tvapi::tvDocumentPart) return {};
    return tvapi::IMateConstraints3DPtr(New<THostMates>(FMates, FAssembly));
}

void THostDocument3D::SetHidePlanes(bool hide)
{
    if (Enter("ITervanDocument3D::SetHidePlanes", {BoolArg(hide)})) FHidden[0] = hide;
}

void THostDocument3D::SetHideAxes(bool hide)
{
    if (Enter("ITervanDocument3D::SetHideAxes", {BoolArg(hide)})) FHidden[1] = hide;
}

void THostDocument3D::SetHideSketches(bool hide)
{
    if (Enter("ITervanDocument3D::SetHideSketches", {BoolArg(hide)})) FHidden[2] = hide;
}

void THostDocument3D::SetHidePoints(bool hide)
{
    if (Enter("ITervanDocument3D::SetHidePoints", {BoolArg(hide)})) FHidden[3] = hide;
}

bool THostDocument3D::RebuildDocument(bool full)
{
    if (!Enter("ITervanDocument3D::RebuildDocument", {BoolArg(full)})) return false;
    ++FRebuilds;
    return true;
}

void THostDocument3D::ReleaseContents() noexcept
{
    *FAssembly = nullptr;
    for (const THostMatePtr& mate : *FMates)
        mate->DropObjects();
    FSelection->Clear();
    FChoose->Clear();
    FEditing.Reset();
    FTessellation.Clear();
    FShown->Open = false;
}

THostDocuments::~THostDocuments()
{
    CloseAll();
}

int THostDocuments::GetCount()
{
    if (!Enter("IDocuments::GetCount")) return 0;
    return static_cast<int>(FItems.size());
}

tvapi::ITervanDocumentPtr THostDocuments::GetItem(int index)
{
    if (!Enter("IDocuments::GetItem", {std::to_string(index)})) return {};
    if (index < 0) return {};
    return Item(static_cast<std::size_t>(index));
}

tvapi::ITervanDocumentPtr THostDocuments::Open(const wchar_t* fileName, bool visible, bool readOnly)
{
    const std::wstring_view name = fileName ? std::wstring_view(fileName) : std::wstring_view();
    if (!Enter("IDocuments::Open", {ToUtf8(name), BoolArg(visible), BoolArg(readOnly)})) return {};
    if (name.empty()) return {};
    for (const TEntry& entry : FItems) {
        if (entry.Core->FileName() != name) continue;
        Activate(entry.Core);
        return entry.Document;
    }
    return OpenFile(std::wstring(name), visible);
}

tvapi::ITervanDocumentPtr THostDocuments::Add(tvapi::DocumentTypeEnum type, bool visible)
{
    if (!Enter("IDocuments::Add", {std::to_string(type), BoolArg(visible)})) return {};
    return AddDocument(type, {}, visible);
}

tvapi::ITervanDocumentPtr THostDocuments::Create(tvapi::DocumentTypeEnum type, bool visible)
{
    if (!Enter("IDocuments::Create", {std::to_string(type), BoolArg(visible)})) return {};
    return AddDocument(type, {}, visible);
}

tvapi::ITervanDocumentPtr THostDocuments::AddDocument(tvapi::DocumentTypeEnum type, std::wstring fileName,
                                                      bool visible)
{
    TMade made = MakeDocument(type, visible);
    if (!made.Document) return {};
    made.Core->SetFileName(std::move(fileName));
    made.Core->FOwner = this;
    FItems.push_back({made.Document, made.Core});
    FActive = made.Core;
    return made.Document;
}

tvapi::ITervanDocumentPtr THostDocuments::Item(std::size_t index) const
{
    return index < FItems.size() ? FItems[index].Document : tvapi::ITervanDocumentPtr();
}

tvapi::ITervanDocumentPtr THostDocuments::Active() const
{
    for (const TEntry& entry : FItems)
        if (entry.Core == FActive) return entry.Document;
    return {};
}

void THostDocuments::CloseAll() noexcept
{
    while (!FItems.empty())
        Close(FItems.back().Core, tvapi::kdDoNotSaveChanges);
}

THostDocuments::TEntry* THostDocuments::Find(const TDocumentCore* core) noexcept
{
    for (TEntry& entry : FItems)
        if (entry.Core == core) return &entry;
    return nullptr;
}

bool THostDocuments::Activate(TDocumentCore* core) noexcept
{
    if (!Find(core)) return false;
    FActive = core;
    return true;
}

bool THostDocuments::Close(TDocumentCore* core, tvapi::DocumentCloseOptions options) noexcept
{
    TEntry* entry = Find(core);
    if (!entry) return false;
    // The collection's reference may be the last one: keep the document alive until done.
    const tvapi::ITervanDocumentPtr keep = entry->Document;
    if (options == tvapi::kdSaveChanges && !core->FileName().empty() && !SaveQuietly(*core)) return false;
    FItems.erase(FItems.begin() + (entry - FItems.data()));
    core->FOwner = nullptr;
    core->FClosedWith = options;
    core->ReleaseContents();
    core->FData.DropObjects();
    if (FActive == core) FActive = FItems.empty() ? nullptr : FItems.back().Core;
    return true;
}

} // namespace tvhost
