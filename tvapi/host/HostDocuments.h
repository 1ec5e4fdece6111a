#pragma once
// Documents of the stand-in host and the collection the application keeps: documents in
// the order they were opened, one of them active. A drawing or fragment is a 2D document,
// a part or (technology) assembly a 3D document with a top part; specifications and text
// documents offer the general interface only. A closed document leaves the collection and
// lives on, closed, while a library holds it.

#include <array>
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "HostArgs.h"
#include "HostAssembly.h"
#include "HostDocumentData.h"
#include "HostDrawing2D.h"
#include "HostObject.h"
#include "HostPart.h"
#include "HostSelection.h"
#include "HostTessellation.h"
#include "HostText.h"
#include "HostViewProjection.h"
#include "tvapi/Documents.h"
#include "tvapi/DrawingDocument.h"
#include "tvapi/Specification.h"

namespace tvhost {

class THostDocuments;

// What every stand-in document keeps, and its test side.
class TDocumentCore {
public:
    TDocumentCore(const TDocumentCore&) = delete;
    TDocumentCore& operator=(const TDocumentCore&) = delete;

    tvapi::DocumentTypeEnum Type() const noexcept { return FType; }
    const std::wstring& FileName() const noexcept { return FFileName; }
    void SetFileName(std::wstring fileName) { FFileName = std::move(fileName); }
    bool IsVisible() const noexcept { return FVisible; }
    bool IsOpen() const noexcept { return FOwner != nullptr; }
    // How the document was closed; kdDoNotSaveChanges while open.
    tvapi::DocumentCloseOptions ClosedWith() const noexcept { return FClosedWith; }
    // Attributes and user data (HostDocumentData.h).
    TDocumentData& Data() noexcept { return FData; }
    // The drawing of a 2D document; null for other kinds.
    virtual TDrawing2D* Drawing2D() noexcept { return nullptr; }
    // Writes the document to `fileName` and names it so; false for a closed document or a
    // file that cannot be written, the old file untouched. Journaled by the callers.
    bool SaveTo(std::wstring_view fileName);
    // Why the last SaveTo failed; empty after one that succeeded.
    const std::string& SaveError() const noexcept { return FSaveError; }

protected:
    TDocumentCore(tvapi::DocumentTypeEnum type, bool visible) noexcept : FType(type), FVisible(visible) {}
    virtual ~TDocumentCore() = default;

    bool ActivateInOwner();
    bool CloseInOwner(tvapi::DocumentCloseOptions options);
    // Drops what the document holds of other objects when it closes (a selection may hold
    // the document itself, which would keep it alive for ever).
    virtual void ReleaseContents() noexcept {}

private:
    friend class THostDocuments;

    tvapi::DocumentTypeEnum FType;
    std::wstring FFileName;
    bool FVisible;
    tvapi::DocumentCloseOptions FClosedWith = tvapi::kdDoNotSaveChanges;
    THostDocuments* FOwner = nullptr;
    TDocumentData FData;
    std::string FSaveError;
};

// The general document operations, for a document offering interface I (ITervanDocument
// or one derived from it), and properties (IPropertyKeeper). Journaled as
// "ITervanDocument::<operation>".
template <class I, class... More>
class THostDocumentOf : public THostObjectOf<I, More..., tvapi::IPropertyKeeper>, public TDocumentCore {
public:
    tvapi::DocumentTypeEnum GetDocumentType() override
    {
        if (!THostObject::Enter("ITervanDocument::GetDocumentType")) return tvapi::tvDocumentUnknown;
        return Type();
    }
    std::wstring GetFileName() override
    {
        if (!THostObject::Enter("ITervanDocument::GetFileName")) return {};
        return FileName();
    }
    bool Activate() override
    {
        if (!THostObject::Enter("ITervanDocument::Activate")) return false;
        return ActivateInOwner();
    }
    // With kdSaveChanges a document with a file name is saved first; when that fails it
    // stays open and the answer is false, so nothing is lost.
    bool Close(tvapi::DocumentCloseOptions options) override
    {
        if (!THostObject::Enter("ITervanDocument::Close", {std::to_string(options)})) return false;
        return CloseInOwner(options);
    }
    // Documents saved and opened as files: HostDocumentFile.h.
    bool Save() override
    {
        if (!THostObject::Enter("ITervanDocument::Save")) return false;
        return SaveTo(FileName());
    }
    bool SaveAs(const wchar_t* fileName) override
    {
        const std::wstring name = fileName ? fileName : L"";
        if (!THostObject::Enter("ITervanDocument::SaveAs", {ToUtf8(name)})) return false;
        return SaveTo(name);
    }
    std::wstring GetSaveError() override
    {
        if (!THostObject::Enter("ITervanDocument::GetSaveError")) return {};
        return FileNameFromBytes(SaveError());
    }
    tvapi::IUserDataStoragesMngPtr GetUserDataStoragesMng() override
    {
        if (!THostObject::Enter("ITervanDocument::GetUserDataStoragesMng")) return {};
        return tvapi::IUserDataStoragesMngPtr(
            New<THostUserDataStoragesMng>(Data().UserData, tvapi::IAPIObjectPtr(static_cast<I*>(this))));
    }
    tvapi::AttributeList GetAttributes(int owner, int row, int column, int library, std::uint64_t typeKey,
                                       const tvapi::TervanAPIObjectList& objects) override
    {
        if (!THostObject::Enter("ITervanDocument::GetAttributes",
                                {std::to_string(owner), std::to_string(row), std::to_string(column),
                                 std::to_string(library), std::to_string(typeKey), ListArg(objects)}))
            return {};
        return Data().Attributes.Find(typeKey, objects);
    }
    tvapi::IAttributePtr AddAttribute(std::uint64_t typeKey, const wchar_t* libraryName,
                                      const tvapi::TervanAPIObjectList& objects) override
    {
        const std::wstring library = libraryName ? libraryName : L"";
        if (!THostObject::Enter("ITervanDocument::AddAttribute",
                                {std::to_string(typeKey), ToUtf8(library), ListArg(objects)}))
            return {};
        return tvapi::IAttributePtr(Data().Attributes.Add(typeKey, library, objects));
    }
    tvapi::ILayoutSheetsPtr GetLayoutSheets() override
    {
        if (!THostObject::Enter("ITervanDocument::GetLayoutSheets")) return {};
        return MakeLayoutSheets(Data().Sheets, tvapi::IAPIObjectPtr(static_cast<I*>(this)));
    }
    std::wstring GetComment() override
    {
        if (!THostObject::Enter("ITervanDocument::GetComment")) return {};
        return Data().Specification.Comment;
    }
    void SetComment(const wchar_t* comment) override
    {
        const std::wstring text = comment ? comment : L"";
        if (THostObject::Enter("ITervanDocument::SetComment", {ToUtf8(text)}))
            Data().Specification.Comment = text;
    }
    tvapi::ISpecificationDescriptionsPtr GetSpecificationDescriptions() override
    {
        if (!THostObject::Enter("ITervanDocument::GetSpecificationDescriptions")) return {};
        return MakeSpecDescriptions(Data().Specification, tvapi::IAPIObjectPtr(static_cast<I*>(this)));
    }

protected:
    THostDocumentOf(tvapi::DocumentTypeEnum type, bool visible) noexcept : TDocumentCore(type, visible) {}
    // ITervanDocument::DeleteObjects: deletes each object that is a feature (IFeature::Delete).
    // Each document declares the override itself, so the 3D one, which also deletes shown
    // objects by number, declares both overloads side by side and hides neither.
    bool DeleteFeatures(const tvapi::TervanAPIObjectList& objects)
    {
        if (!THostObject::Enter("ITervanDocument::DeleteObjects", {ListArg(objects)})) return false;
        bool deleted = false;
        for (const tvapi::ITervanAPIObjectPtr& object : objects)
            if (const tvapi::IFeaturePtr feature = tvapi::IFeaturePtr(object))
                deleted = feature->Delete() || deleted;
        return deleted;
    }
};

// A text document.
class THostDocument final : public THostDocumentOf<tvapi::ITervanDocument> {
public:
    THostDocument(tvapi::DocumentTypeEnum type, bool visible) noexcept : THostDocumentOf(type, visible) {}
    bool DeleteObjects(const tvapi::TervanAPIObjectList& objects) override { return DeleteFeatures(objects); }
};

// A specification (parts list).
class THostSpecDocument final : public THostDocumentOf<tvapi::ISpecificationDocument> {
public:
    THostSpecDocument(tvapi::DocumentTypeEnum type, bool visible) noexcept : THostDocumentOf(type, visible) {}
    bool DeleteObjects(const tvapi::TervanAPIObjectList& objects) override { return DeleteFeatures(objects); }
};

// As a drawing or symbols container the document is its active view: a sketch's document
// takes the facade's primitives that way. Its 2D operations and saving: HostDocument2D.cpp.
class THostDocument2D final : public THostDocumentOf<tvapi::ITervanDocument2D, tvapi::IDrawingDocument,
                                                     tvapi::IDrawingContainer, tvapi::ISymbols2DContainer> {
public:
    THostDocument2D(tvapi::DocumentTypeEnum type, bool visible);
    bool DeleteObjects(const tvapi::TervanAPIObjectList& objects) override { return DeleteFeatures(objects); }

    // Those of the active view, journaled as its own.
    tvapi::ILineSegmentsPtr GetLineSegments() override { return Active().GetLineSegments(); }
    tvapi::IArcsPtr GetArcs() override { return Active().GetArcs(); }
    tvapi::ICirclesPtr GetCircles() override { return Active().GetCircles(); }
    tvapi::IEllipsesPtr GetEllipses() override { return Active().GetEllipses(); }
    tvapi::IDrawingTextsPtr GetDrawingTexts() override { return Active().GetDrawingTexts(); }
    tvapi::IHatchesPtr GetHatches() override { return Active().GetHatches(); }
    tvapi::IPointsPtr GetPoints() override { return Active().GetPoints(); }
    tvapi::IColouringsPtr GetColourings() override { return Active().GetColourings(); }
    tvapi::IMacroObjectsPtr GetMacroObjects() override { return Active().GetMacroObjects(); }
    tvapi::DrawingObjectList GetObjects(tvapi::DrawingObjectTypeEnum type) override
    {
        return Active().GetObjects(type);
    }
    tvapi::ICutLinesPtr GetCutLines() override { return Active().GetCutLines(); }
    tvapi::ILeadersPtr GetLeaders() override { return Active().GetLeaders(); }
    tvapi::ILineDimensionsPtr GetLineDimensions() override { return Active().GetLineDimensions(); }
    tvapi::IDiametralDimensionsPtr GetDiametralDimensions() override
    {
        return Active().GetDiametralDimensions();
    }
    tvapi::IAngleDimensionsPtr GetAngleDimensions() override { return Active().GetAngleDimensions(); }
    tvapi::IRoughsPtr GetRoughs() override { return Active().GetRoughs(); }
    tvapi::IBasesPtr GetBases() override { return Active().GetBases(); }
    tvapi::ITolerancesPtr GetTolerances() override { return Active().GetTolerances(); }
    tvapi::IViewPointersPtr GetViewPointers() override { return Active().GetViewPointers(); }

    // Journaled as "ITervanDocument2D::<operation>".
    tvapi::ISelectionManagerPtr GetSelectionManager() override;
    tvapi::IChooseManagerPtr GetChooseManager() override;
    bool Refresh() override;
    // Views, groups and placements of the drawing (HostDrawing2D.h).
    tvapi::IViewsAndLayersManagerPtr GetViewsAndLayersManager() override;
    tvapi::IDrawingGroupsPtr GetDrawingGroups() override;
    tvapi::IDrawingGroupPtr GetOpenGroup() override;
    bool PushLocalPlacement(double x, double y, double angle, double scaleX, double scaleY) override;
    bool PopLocalPlacement() override;
    tvapi::Ptr<tvapi::IProcess2D> CreateProcess2D(tvapi::tvProcess2DTypeEnum type) override;
    // The search of HostSearch2D.h; the parameters object is the document's own and not read.
    tvapi::ITervanAPIObjectPtr GetFindObjectParameters() override;
    double GetSearchTolerance() override;
    tvapi::IDrawingObjectPtr FindObject(double x, double y, double tolerance,
                                        tvapi::ITervanAPIObjectPtr parameters) override;
    // Journaled as "IDrawingDocument::<operation>"; empty for a fragment.
    tvapi::ITechnicalDemandPtr GetTechnicalDemand() override;
    tvapi::ISpecRoughPtr GetSpecRough() override;

    // Test side, not journaled.
    THostSelectionManager& Selection() noexcept { return *FSelection; }
    THostChooseManager& Choose() noexcept { return *FChoose; }
    int Refreshes() const noexcept { return FRefreshes; }
    TDrawing2D& Drawing() noexcept { return FDrawing; }
    TDrawing2D* Drawing2D() noexcept override { return &FDrawing; }

private:
    void ReleaseContents() noexcept override;
    THostView& Active() noexcept { return FDrawing.ActiveView(); }

    THostSelectionManagerPtr FSelection;
    THostChooseManagerPtr FChoose;
    int FRefreshes = 0;
    tvapi::ITervanAPIObjectPtr FFindParameters;
    TDrawing2D FDrawing;
};

class THostDocument3D final
    : public THostDocumentOf<tvapi::ITervanDocument3D, tvapi::IExternalTessellationManager> {
public:
    THostDocument3D(tvapi::DocumentTypeEnum type, bool visible);
    // Its mates stop solving.
    ~THostDocument3D() override;
    bool DeleteObjects(const tvapi::TervanAPIObjectList& objects) override { return DeleteFeatures(objects); }

    // Journaled as "ITervanDocument3D::<operation>".
    tvapi::IPartPtr GetTopPart() override;
    tvapi::ISelectionManagerPtr GetSelectionManager() override;
    tvapi::IChooseManagerPtr GetChooseManager() override;
    bool IsInPlaceEditing() override;
    tvapi::ITervanAPIObjectPtr GetEditingObject() override;
    // The objects shown over the model view (HostTessellation.h).
    tvapi::IExternalTessellationObjectPtr CreateTessellationObject() override
    {
        return FTessellation.CreateTessellationObject();
    }
    tvapi::IExternalTextObjectPtr CreateTextObject() override { return FTessellation.CreateTextObject(); }
    bool DeleteObjects(const std::vector<int>& ids) override { return FTessellation.DeleteObjects(ids); }
    tvapi::IMateConstraints3DPtr GetMateConstraints() override;
    void SetHidePlanes(bool hide) override;
    void SetHideAxes(bool hide) override;
    void SetHideSketches(bool hide) override;
    void SetHidePoints(bool hide) override;
    bool RebuildDocument(bool full) override;
    // HostLocalSystems.cpp.
    bool GetInActiveLocalSystem() override;
    void SetInActiveLocalSystem(bool inActive) override;

    // Test side, not journaled.
    TTessellationStore& Tessellation() noexcept { return FTessellation; }
    bool InActiveLocalSystem() const noexcept { return FInActiveLocalSystem; }
    THostPart& TopPart() noexcept { return *FTopPart; }
    // The mates of an assembly, in creation order; empty for a part.
    const TMateList& Mates() const noexcept { return *FMates; }
    // Planes, axes, sketches, points: hidden.
    const std::array<bool, 4>& Hidden() const noexcept { return FHidden; }
    int Rebuilds() const noexcept { return FRebuilds; }
    THostSelectionManager& Selection() noexcept { return *FSelection; }
    THostChooseManager& Choose() noexcept { return *FChoose; }
    // Starts in-place editing of `object`; an empty pointer ends it.
    void SetEditingObject(tvapi::ITervanAPIObjectPtr object) { FEditing = std::move(object); }
    // Journaled as "ITervanDocument3D::GetViewProjectionManager" (HostViewProjection.cpp).
    tvapi::IViewProjectionManagerPtr GetViewProjectionManager() override;
    // Test side: the projection the model view shows.
    const TShownProjection& Shown() const noexcept { return *FShown; }

private:
    void ReleaseContents() noexcept override;

    THostPartPtr FTopPart;
    THostSelectionManagerPtr FSelection;
    THostChooseManagerPtr FChoose;
    tvapi::ITervanAPIObjectPtr FEditing;
    TTessellationStore FTessellation;
    std::shared_ptr<TMateList> FMates = std::make_shared<TMateList>();
    TMateAssembly FAssembly;
    std::array<bool, 4> FHidden{};
    int FRebuilds = 0;
    bool FInActiveLocalSystem = true;
    std::shared_ptr<TShownProjection> FShown = std::make_shared<TShownProjection>();
};

class THostDocuments final : public THostObjectOf<tvapi::IDocuments> {
public:
    THostDocuments() = default;
    // Closes every document still open: documents a library holds outlive the collection.
    ~THostDocuments() override;

    // Journaled as "IDocuments::<operation>".
    int GetCount() override;
    tvapi::ITervanDocumentPtr GetItem(int index) override;
    // A file already open gives its document (activated); any other is read as a document
    // file (HostDocumentFile.h) and opened as a new, active document. Empty when the file
    // cannot be read.
    tvapi::ITervanDocumentPtr Open(const wchar_t* fileName, bool visible, bool readOnly) override;
    tvapi::ITervanDocumentPtr Add(tvapi::DocumentTypeEnum type, bool visible) override;
    tvapi::ITervanDocumentPtr Create(tvapi::DocumentTypeEnum type, bool visible) override;

    // Test side, not journaled.
    // Opens a new document of `type` named `fileName` and makes it active; empty for a
    // value that is no document type.
    tvapi::ITervanDocumentPtr AddDocument(tvapi::DocumentTypeEnum type, std::wstring fileName = {},
                                          bool visible = true);
    // Reads the document file `fileName` and opens it as a new, active document; empty when
    // it cannot be read (OpenError says why), and then nothing is opened. A file already open
    // is not looked for.
    tvapi::ITervanDocumentPtr OpenFile(const std::wstring& fileName, bool visible = true);
    // Why the last OpenFile failed; empty after one that succeeded.
    const std::string& OpenError() const noexcept { return FOpenError; }
    // What the last OpenFile that succeeded left out of the file, as the warning box it showed
    // said it (HostLoadNotices.h); empty when nothing was.
    const std::string& OpenNotices() const noexcept { return FOpenNotices; }
    std::size_t Count() const noexcept { return FItems.size(); }
    tvapi::ITervanDocumentPtr Item(std::size_t index) const;
    tvapi::ITervanDocumentPtr Active() const;
    void CloseAll() noexcept;

private:
    friend class TDocumentCore;

    struct TEntry {
        tvapi::ITervanDocumentPtr Document;
        TDocumentCore* Core;
    };

    TEntry* Find(const TDocumentCore* core) noexcept;
    bool Activate(TDocumentCore* core) noexcept;
    bool Close(TDocumentCore* core, tvapi::DocumentCloseOptions options) noexcept;

    std::vector<TEntry> FItems;
    TDocumentCore* FActive = nullptr;
    std::string FOpenError;
    std::string FOpenNotices;
};

using THostDocumentsPtr = tvapi::Ptr<THostDocuments>;

} // namespace tvhost
