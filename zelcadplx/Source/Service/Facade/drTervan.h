#pragma once
// drApi::TRegistryApi: the one place where the host facade keeps host objects between calls
// (application, current document in its forms, part, sketch, plane, view, containers, the
// objects under construction), the library's own names and folder and the host version;
// drApi::TNestedArrayOf: the stack of open macro objects with the objects made inside them.

#include <cstdint>
#include <map>
#include <set>
#include <vector>

#include "BaseTypes.h"
#include "DString.h"
#include "Mathemat.h"
#include "TArray.h"
#include "tvapi/ApplicationServices.h"
#include "tvapi/Documents.h"
#include "tvapi/DrawingComposites.h"
#include "tvapi/Libraries.h"
#include "tvapi/ModelObjects.h"
#include "tvapi/Part.h"
#include "tvapi/Tessellation.h"

namespace tvapi {
class IApplication;
}

namespace drApi {

// Open macro objects, innermost last: Count is the nesting depth. AObjects pairs every
// object made while a macro was open with the depth at its creation, in creation order, so
// depths never decrease along it.
class TNestedArrayOf : public TArrayOf<tvapi::ITervanAPIObjectPtr> {
public:
    static constexpr Integer MacroStep = 8;   // room and growth step of the macro stack
    static constexpr Integer ObjectStep = 64; // room and growth step of AObjects

    using TDepthObject = TPair<int, tvapi::ITervanAPIObjectPtr>;
    TArrayOf<TDepthObject> AObjects;

    TNestedArrayOf() : TArrayOf(MacroStep, MacroStep), AObjects(ObjectStep, ObjectStep) {}
    // The paired objects go first, then the macro objects (member before base).
    ~TNestedArrayOf() override = default;
    TNestedArrayOf(const TNestedArrayOf&) = delete;
    TNestedArrayOf& operator=(const TNestedArrayOf&) = delete;

    // Records Obj for the innermost open macro; nothing for an empty Obj or with no macro open.
    void Add(tvapi::ITervanAPIObjectPtr Obj);
    // Takes the members of the innermost open macro, in creation order, as model objects (an
    // empty pointer for a member that is none) and cuts them off AObjects. Empty, changing
    // nothing, when no macro is open or the innermost one is empty. The stack is not popped.
    std::vector<tvapi::IModelObjectPtr> Objects();
    // Takes the innermost open macro off the stack; empty, removing nothing, when none is
    // open or the innermost entry is empty.
    tvapi::ITervanAPIObjectPtr End();
    // The innermost open macro as I; empty when none is open or it is no I. Nothing removed.
    template <class I> tvapi::Ptr<I> Get() const
    {
        return Count > 0 ? tvapi::Ptr<I>(FArray[Count - 1]) : tvapi::Ptr<I>();
    }
};

class TRegistryApi {
public:
    static constexpr Integer PointStep = 64; // room and growth step of APoints

    Str ModuleName;   // library file name without folder, extension and its first three characters
    Str PathFileName; // full path of the library file as the host reports it
    Str FileName;     // library file name without folder and extension: caption of every box
    Str Path;         // folder of the library file, ending with its separator
    Str LibFont;      // font of the texts the library draws
    tvapi::IProceduresLibraryPtr Library; // the host's register entry of this library
    // The host application; null while the library runs without a host. A plain pointer:
    // the host owns the application and outlives the library, so it is never released.
    tvapi::IApplication* Tervan7 = nullptr;
    tvapi::ISystemSettingsPtr SystemSettings;
    tvapi::ITervanErrorPtr TervanError;
    tvapi::IProgressBarPtr ProgressBar;                      // held during part access
    tvapi::ITervanDocumentPtr IDoc;                          // the active document when last asked
    tvapi::IExternalTessellationManagerPtr ITessellationMng; // of IDoc
    tvapi::ITervanDocument3DPtr IDoc3D;                      // IDoc as a 3D document, or empty
    tvapi::IPartPtr Part;                                    // the current part
    tvapi::ITervanAPIObjectPtr Obj;
    tvapi::IDrawingObjectPtr Entity2D;
    tvapi::IModelObjectPtr Obj3D;       // the model object created last
    tvapi::ISketchPtr Sketch;           // the current sketch
    tvapi::IModelObjectPtr Plane;       // the current plane
    TNestedArrayOf AMacroObject3D;      // open 3D macros and their members
    tvapi::ITervanDocument2DPtr IDoc2D; // IDoc as a 2D document, or empty
    tvapi::IViewPtr View;               // the current view
    tvapi::IDrawingContainerPtr DrawingContainer;
    tvapi::ISymbols2DContainerPtr Symbols2DContainer;
    const Real MATERIAL_ATTR_ID = 232089080430.0;
    std::int32_t TervanIMajor = 0; // host version, read at start-up
    std::int32_t TervanIMinor = 0;
    std::int32_t TervanIRelease = 0;
    std::int32_t TervanIBuild = 0;
    Integer CountDrawing = 0; // sheets and parts generated so far
    TNestedArrayOf AMacroObj; // open 2D macros and their members
    tvapi::IMacroObjectPtr MacroObj;
    tvapi::ITervanAPIObjectPtr LastObj;
    tvapi::IPolyLinePtr Polyline3D;
    tvapi::ILeaderPtr Leader;
    tvapi::ICutLinePtr CutLine;
    TArrayOf<TPoint2D> APoints; // collected points
    tvapi::ITolerancePtr Tolerance;
    tvapi::IHatchPtr Hatch;
    tvapi::IColouringPtr Colouring;
    tvapi::IBoundariesObjectPtr BoundariesObject;
    tvapi::IStampPtr Stamp;
    tvapi::ITextPtr Text;
    tvapi::ITechnicalDemandPtr TechnicalDemand;
    Integer ExpectBodies = -1; // bodies the current part must have when saved; -1 unchecked
    Str ExpectSize;            // the part's size as the refusal names it
    Boolean Refused3D = false; // the last part closed failed that check
    Str CreatedFile;           // the file drCreate3D wrote for the part being built
    Boolean Unwritten = false; // drCreate3D could not write the part's file: its save fails
    // Boxes told while a part is built wait for its check: a refused part tells them in its
    // one refusal box, a part that passes shows them as they came.
    Boolean HoldBoxes = false;
    std::vector<Str> HeldBoxes;
    // A part not built leaves no sheet: the parts refused, by file, whose detail's sheet is not
    // made until the part is built again; the sheet saved since each part was last built, by the
    // part's file; the file of the part being built and the sheet that waits on it.
    std::set<Str> RefusedParts;
    std::map<Str, Str> SheetsOfParts;
    Str PartFile;
    Str PartSheet;
    // The sheet drCreateLeaf made, with no file until the save that closes it puts it under
    // its name (LeafFile); both empty for a sheet opened or none.
    tvapi::ITervanDocumentPtr Leaf;
    Str LeafFile;

    TRegistryApi() : APoints(PointStep, PointStep) {}
    // Members go in reverse order: the host pointers are released, both nested lists and
    // APoints freed, the texts last. Tervan7 is not released.
    virtual ~TRegistryApi() = default;
    TRegistryApi(const TRegistryApi&) = delete;
    TRegistryApi& operator=(const TRegistryApi&) = delete;
};

} // namespace drApi
