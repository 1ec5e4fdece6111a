#pragma once
// The host's open documents: the collection the application keeps, a document in general,
// and its 2D (drawing, fragment) and 3D (part, assembly) forms with their selection and
// choose managers. Which form a document offers is told by converting the pointer.

#include <string>

#include <cstdint>

#include "tvapi/Attributes.h"
#include "tvapi/Base.h"
#include "tvapi/Document.h"
#include "tvapi/DrawingObject.h"
#include "tvapi/Part.h"
#include "tvapi/Selection.h"
#include "tvapi/TervanAPIObject.h"
#include "tvapi/UserData.h"

namespace tvapi {

// Parts of a 2D document, declared in DrawingPrimitives.h.
class IViewsAndLayersManager;
class IDrawingGroups;
// Declared in LayoutSheets.h.
class ILayoutSheets;
// Declared in Specification.h.
class ISpecificationDescriptions;
// Declared in ViewProjection.h.
class IViewProjectionManager;
// Declared in Assembly.h.
class IMateConstraints3D;
// Declared in PropertyManager.h.
class IProcess2D;

// What a 2D process follows: the bare cursor, or a placement (point and angle).
enum tvProcess2DTypeEnum : int { tvProcess2DCursor = 1, tvProcess2DPlacement = 2 };

// What closing a document does with its unsaved changes.
enum DocumentCloseOptions : int {
    kdDoNotSaveChanges = 0,
    kdSaveChanges = 1,
    kdPromptToSaveChanges = 2,
};

class ITervanDocument : public ITervanAPIObject {
public:
    static constexpr char IID[] = "C1813297-1902-4AC0-856F-6E1B7F55A9F8";
    using Parent = ITervanAPIObject;

    virtual DocumentTypeEnum GetDocumentType() = 0;
    // Full path of the document's file; empty until it is saved under a name.
    virtual std::wstring GetFileName() = 0;
    // Makes the document the application's active one. False for a closed document.
    virtual bool Activate() = 0;
    // Closes the document; when it was the active one, the document opened last of those
    // left becomes active. False for a document already closed.
    virtual bool Close(DocumentCloseOptions options) = 0;
    // Writes the document to its file; false for an unnamed or closed document or when
    // the file cannot be written.
    virtual bool Save() = 0;
    // Writes the document to `fileName` and names it so; false when it cannot be written.
    virtual bool SaveAs(const wchar_t* fileName) = 0;
    // Why the last Save, SaveAs or saving Close failed ("write to F failed: File too large");
    // empty when it succeeded or none was made. File names in it are as the system gave them.
    virtual std::wstring GetSaveError() = 0;
    // The user-data storages of the document and its objects.
    virtual IUserDataStoragesMngPtr GetUserDataStoragesMng() = 0;
    // The document's attributes of the type `typeKey` (0: of every type) attached to every
    // object of `objects` (none: to any objects), in creation order. The four leading
    // arguments filter by owner, row, column and library; 0 does not filter.
    virtual AttributeList GetAttributes(int owner, int row, int column, int library, std::uint64_t typeKey,
                                        const TervanAPIObjectList& objects) = 0;
    // A new attribute of the document's type `typeKey` attached to `objects`; empty when
    // the document has no such type. `libraryName` is kept with it.
    virtual IAttributePtr AddAttribute(std::uint64_t typeKey, const wchar_t* libraryName,
                                       const TervanAPIObjectList& objects) = 0;
    // The document's sheets; a drawing or fragment has at least one, other documents none.
    virtual Ptr<ILayoutSheets> GetLayoutSheets() = 0;
    // A descriptive text kept with the document.
    virtual std::wstring GetComment() = 0;
    virtual void SetComment(const wchar_t* comment) = 0;
    // The specification styles used in the document, with their rows.
    virtual Ptr<ISpecificationDescriptions> GetSpecificationDescriptions() = 0;
    // Deletes the model objects of `objects` (features, mates, components) from the
    // document; false when none of them was deleted.
    virtual bool DeleteObjects(const TervanAPIObjectList& objects) = 0;

protected:
    ~ITervanDocument() = default;
};

using ITervanDocumentPtr = Ptr<ITervanDocument>;

// A drawing or fragment.
class ITervanDocument2D : public ITervanDocument {
public:
    static constexpr char IID[] = "BC842FA7-3D48-406D-89B8-BD10CE83E6AC";
    using Parent = ITervanDocument;

    virtual ISelectionManagerPtr GetSelectionManager() = 0;
    virtual IChooseManagerPtr GetChooseManager() = 0;
    // Redraws the document's windows so they show what was changed through the interface.
    virtual bool Refresh() = 0;
    virtual Ptr<IViewsAndLayersManager> GetViewsAndLayersManager() = 0;
    virtual Ptr<IDrawingGroups> GetDrawingGroups() = 0;
    // The innermost open group; empty when none is open.
    virtual IDrawingGroupPtr GetOpenGroup() = 0;
    // A local placement (origin, angle in degrees, scales) on the document's placement
    // stack, and its removal; false when there is none to remove.
    virtual bool PushLocalPlacement(double x, double y, double angle, double scaleX, double scaleY) = 0;
    virtual bool PopLocalPlacement() = 0;
    // A new interactive process over this document, without process parameters yet.
    virtual Ptr<IProcess2D> CreateProcess2D(tvProcess2DTypeEnum type) = 0;
    // What FindObject looks for; the document keeps it, the caller passes it on unchanged.
    virtual ITervanAPIObjectPtr GetFindObjectParameters() = 0;
    // How far from a drawn line a point still finds its object, in sheet millimetres.
    virtual double GetSearchTolerance() = 0;
    // The object drawn nearest to the sheet point (x, y) within `tolerance` (the first made on
    // a tie); a macro object is found as a whole. Empty when none is that near.
    virtual IDrawingObjectPtr FindObject(double x, double y, double tolerance,
                                         ITervanAPIObjectPtr parameters) = 0;

protected:
    ~ITervanDocument2D() = default;
};

using ITervanDocument2DPtr = Ptr<ITervanDocument2D>;

// A part, assembly or technology assembly.
class ITervanDocument3D : public ITervanDocument {
public:
    static constexpr char IID[] = "43ED7CD6-1865-4B54-89D3-946DA1D7B55D";
    using Parent = ITervanDocument;

    // The part the document describes (for an assembly, the assembly itself).
    virtual IPartPtr GetTopPart() = 0;
    virtual ISelectionManagerPtr GetSelectionManager() = 0;
    virtual IChooseManagerPtr GetChooseManager() = 0;
    // True while a component is being edited in place.
    virtual bool IsInPlaceEditing() = 0;
    // The object being edited in place; empty when none is.
    virtual ITervanAPIObjectPtr GetEditingObject() = 0;
    // The projections the model view can be shown in.
    virtual Ptr<IViewProjectionManager> GetViewProjectionManager() = 0;
    // The mates of an assembly; empty for a part.
    virtual Ptr<IMateConstraints3D> GetMateConstraints() = 0;
    // Display settings of a new model: hide the planes, the axes, the sketches and the
    // construction points of its components.
    virtual void SetHidePlanes(bool hide) = 0;
    virtual void SetHideAxes(bool hide) = 0;
    virtual void SetHideSketches(bool hide) = 0;
    virtual void SetHidePoints(bool hide) = 0;
    // Rebuilds the model before it is saved; `full` rebuilds every component too.
    virtual bool RebuildDocument(bool full) = 0;
    // Whether new local coordinate systems are given in the active one (true, at start) or in
    // the model's axes (false).
    virtual bool GetInActiveLocalSystem() = 0;
    virtual void SetInActiveLocalSystem(bool inActive) = 0;

protected:
    ~ITervanDocument3D() = default;
};

using ITervanDocument3DPtr = Ptr<ITervanDocument3D>;

// The documents open in the application, in the order they were opened.
class IDocuments : public IAPIObject {
public:
    static constexpr char IID[] = "559907DD-C5CB-40E3-84E1-5C4A3ACF3D2B";
    using Parent = IAPIObject;

    virtual int GetCount() = 0;
    // Document `index`, from 0; empty out of range.
    virtual ITervanDocumentPtr GetItem(int index) = 0;
    // Opens the file `fileName` (null reads as empty) and makes it the active document;
    // empty when it cannot be opened. A file already open gives its open document.
    virtual ITervanDocumentPtr Open(const wchar_t* fileName, bool visible, bool readOnly) = 0;
    // Creates a new, unnamed document of `type` and makes it the active one (also when
    // it is not visible); empty for tvDocumentUnknown or a value that is no type.
    virtual ITervanDocumentPtr Add(DocumentTypeEnum type, bool visible) = 0;
    // As Add, through the creation a new file of the application takes.
    virtual ITervanDocumentPtr Create(DocumentTypeEnum type, bool visible) = 0;

protected:
    ~IDocuments() = default;
};

using IDocumentsPtr = Ptr<IDocuments>;

} // namespace tvapi
