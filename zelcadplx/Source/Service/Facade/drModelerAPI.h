#pragma once
// drApi::TModelerApi: the host facade, the library's only way to the host, and the modeller
// the library draws and builds through. Every subsystem reaches the host through the global
// drApi::MA; the messenger shows its boxes through drApi::TModelerApi::Last. Part access
// (drGetPart/drEndGetPart) and TPartAccess, its scope guard, live here too.

#include <cmath>
#include <cstdint>
#include <initializer_list>
#include <span>
#include <string>
#include <vector>

#include "DString.h"
#include "Mathemat3d.h"
#include "TArray.h"
#include "drConstraintApi.h"
#include "drModeler3D.h"
#include "drTervan.h"
#include "tvapi/ApplicationServices.h"
#include "tvapi/Assembly.h"
#include "tvapi/AssociationView.h"
#include "tvapi/AuxiliaryGeometry.h"
#include "tvapi/AuxiliaryObjects.h"
#include "tvapi/Document.h"
#include "tvapi/Features3D.h"
#include "tvapi/Specification.h"
#include "tvapi/ViewProjection.h"

class TControlModel;
class TADimension3D;

namespace tvapi {
class IApplication;
}

namespace drApi {

template <class T> using TVOf = std::vector<T>;
// Lists of model objects handed to the host.
using TVOfMO = TVOf<tvapi::IModelObjectPtr>;

// False when any value is NaN or infinite: drawing operations given such coordinates or
// sizes draw nothing, so a document never holds them.
inline bool AllFinite(std::initializer_list<Real> values)
{
    for (Real v : values)
        if (!std::isfinite(v)) return false;
    return true;
}

// Which part drGetPart makes current.
enum Part_Type : std::int32_t {
    pMainTop_Part = -5,
    pInPlace_Part = -4,
    pNew_Part = -3,
    pEdit_Part = -2, // the component being edited in place
    pTop_Part = -1,  // the document's top part
};

// Placement of a macro object: origin and angle (degrees).
struct TMt {
    Real x = 0.0;
    Real y = 0.0;
    Real Angle = 0.0;
};

// The references part access holds, as drEndGetPart(true) hands them over; dropping the
// record releases them.
struct TPartReferences {
    tvapi::IPartPtr Part;
    tvapi::IProgressBarPtr ProgressBar;
    tvapi::ITervanDocumentPtr IDoc;
    tvapi::IExternalTessellationManagerPtr ITessellationMng;
};

class TModelerApi : public TModeler3D {
public:
    TConstraintApi Constraint;     // the parametric-constraint recorder; off until Active is set
    TReferenceOf<TRegistryApi> R3; // the facade registry; owned

    // The first facade constructed, null again when it is destroyed. Message boxes go
    // through it; null means the library has no facade to show them with.
    static TModelerApi* Last;

    TModelerApi();
    ~TModelerApi() override;
    TModelerApi(const TModelerApi&) = delete;
    TModelerApi& operator=(const TModelerApi&) = delete;

    // The host application from the registry, or null without a host.
    tvapi::IApplication* Application() const { return R3.Exist() ? R3->Tervan7 : nullptr; }

    // ==== The facade itself (drModelerAPI.cpp) =======================================================
    // ---- Start-up (drModelerAPI.cpp) ------------------------------------------------------------
    // Connects the facade to the host at load: keeps app, finds the library's own file and
    // splits it into Path, FileName and ModuleName, fills the folders of LibraryControlModel
    // (those built from host folders end with "/"; a folder the host does not give is left
    // unset), reads the host version, active document, system settings and error interface,
    // loads the dictionary next to the library and, while LibFont is empty, takes the
    // library's entry and font from the host's register (iFontName when it gives none),
    // telling the user when the host does not know the library. ModuleName is not used.
    void Init(tvapi::IApplication& app, TString const& ModuleName, TString const& iFontName);
    // Keeps an empty resources module from the first call to unload; nothing else.
    void LoadResources(tvapi::IApplication& App);
    // Ends the facade's time in the host (UnloadTervanLibrary calls it): every host
    // reference the facade holds is given back - the registry's (Tervan7 and the library's
    // names and folders with them: the registry starts afresh), the selector's managers,
    // the constraint records' objects, the modeller's groups and current objects, the
    // resources module - and the modeller's composite, contour and placement stacks are
    // emptied; LibraryControlModel is forgotten. The facade is then as after loading: Init
    // may start it again.
    void Done();

    // ---- Messages, help, resource strings, progress (drModelerAPI.cpp) --------------------------
    // Boxes are captioned with the library's file name whatever Title holds, and show
    // nothing without a host. The information and question boxes switch the host's
    // message-suppression mode to "show" for the box and restore it afterwards, also when
    // the host call throws (the exception then passes on).
    // Information box with one OK button.
    void LiftBox(const TString& Text);
    // Yes/no question; true only when the answer is yes; false without a host, unasked.
    Boolean QuestionBox(const TString& Text, const TString& Title);
    // Warning box with one OK button; the suppression mode is left alone.
    void WarningBox(const TString& Text, const TString& Title);
    // Has the library's register entry show help topic Id (window kind TypeHelp); HelpFile
    // is not used. Nothing while the host does not know the library.
    void OpenHelp(const TString& HelpFile, int TypeHelp, int Id);
    // String strId of module RM from the library's resource dictionary; empty without one.
    std::wstring LoadResourceString(tvapi::ResourceModule RM, int strId);
    // Advance the running panel's progress with Message; nothing while no panel runs.
    void NextProgress(const TString& Message);
    void UpdateProgress(const TString& Message);

    // ---- Part access (drModelerAPI.cpp) ---------------------------------------------------------
    // Whether the active document is of DocumentType or, when orDocumentType is not 0, of
    // orDocumentType. False without a host or an active document; changes nothing.
    Boolean IsActive(tvapi::DocumentTypeEnum DocumentType, tvapi::DocumentTypeEnum orDocumentType);
    // Refreshes IDoc, IDoc3D, ITessellationMng and ProgressBar from the host, makes the part
    // chosen by Type_Part current and starts the selector; returns a new reference to that
    // part, or empty (the selector is not started when no 3D document is active). Without a
    // host nothing changes.
    tvapi::IPartPtr drGetPart(Part_Type Type_Part, tvapi::DocumentTypeEnum Type_Doc);
    // Ends part access. Detach false: the selector's managers, IDoc, ITessellationMng, Part
    // and ProgressBar are released (nothing when IDoc is empty); the result is empty.
    // Detach true: Part, ProgressBar, IDoc and ITessellationMng are emptied and their
    // references move into the result, so the caller owns them; the selector, IDoc3D and
    // IDoc2D keep theirs.
    TPartReferences drEndGetPart(bool Detach);

    // ==== 2D drawing (2D/) ===========================================================================
    // The modeller's drawing operations keep the contracts drModeler.h gives them (units,
    // line styles and negative styles, dimension texts, the directions of signs and arrows);
    // the comments here say only what the facade adds.
    // ---- 2D placements (2D/drModelerAPIPlacement.cpp) -------------------------------------------
    // Opens a placement (origin, angle in degrees, scale) on the library's 2D stack and, while
    // IDoc2D is set, the same one in the host document; drDeleteMtr closes one of each.
    void drMtr(Real x, Real y, Real Angle, Real Scale) override;
    void drDeleteMtr() override;
    // True when the stack holds a placement that only the library knows (no IDoc2D).
    Boolean isMtr() const;
    // Opens one placement: at the open sketch's image of (x, y, z) with its Y axis along the
    // image of the model's Z, or the identity without an open sketch.
    void drGlobalMtr(Real const& x, Real const& y, Real const& z) override;

    // ---- Parametric constraints (2D/drModelerAPIConstraint.cpp) ---------------------------------
    void SetDimAssociateVariable(tvapi::IDrawingObjectPtr Dim, Str const& Expresion) override;
    void drConstraint(tvapi::tvConstraintTypeEnum T, tvapi::IDrawingObjectPtr Obj, Integer IObj,
                      tvapi::IDrawingObjectPtr Obj2, Integer IObj2) override;

    // ---- Annotation signs (2D/drModelerAPISigns.cpp) --------------------------------------------
    // In Symbols2DContainer, untransformed; nothing while a contour collects. The roughness,
    // base and pointer signs become the current drawing object; a form tolerance stays open
    // (cmForm) for drSupportForm until drEndObj.
    void drRough(Real const& x, Real const& y, Real const& Fi, tvapi::tvRoughSignEnum Tz, Str const& S1,
                 Str const& S2, Str const& S3) override;
    // The drawing's own roughness sign takes S; nothing for an empty S.
    void drSRough(Integer Tz, Boolean Tzs, Str const& S) override;
    void drForm(Real const& x, Real const& y, Integer Tip, Integer S1, Str const& S2, Str const& S3) override;
    void drSupportForm(Real const& x, Real const& y, Integer Top, Integer Twx) override;
    void drBase(Real const& x, Real const& y, Real const& dx, Real const& dy, Str const& S) override;
    void drWPointer(Real const& x1, Real const& y1, Real const& x2, Real const& y2, Real const& Xt,
                    Real const& Yt, Real const& Hs, Real const& Ksu, Real const& Fch, Str const& S) override;

    // ---- Reading 2D geometry (2D/drModelerAPIRead.cpp) ------------------------------------------
    // Empties ResultContour and fills it with the segments, circles and arcs of the active
    // view of doc2D (of layer NLayer; 0: of all), each with its host object in Obj and the
    // host's reference of it in Name2, and with other curves as polygons of style-1 segments.
    // An arc the host draws clockwise runs clockwise. True when a curve was read.
    Boolean GetDoc2D(tvapi::ITervanDocument2DPtr& doc2D, const Integer NLayer, TContour& ResultContour);
    // GetDoc2D of the sketch EskisName of Part, opened for editing only while it is read;
    // false, Result untouched, when the part has no such sketch.
    Boolean PartGetEskis(tvapi::IPartPtr Part, const Str& EskisName, const Integer Layer, TContour& Result);
    // The first model object of kind EType in Part named EName (case counts); empty when none.
    tvapi::IModelObjectPtr FindEntity(tvapi::IPartPtr& Part, const tvapi::tvObj3dTypeEnum EType,
                                      const Str& EName);
    // Appends to aBC the bodies of Part, then those of its sub-parts depth first (a body that
    // is no IBody as an empty entry); aBC is not emptied. True when aBC then holds any.
    Boolean FindBody(tvapi::IPartPtr Part, TArrayOf<tvapi::IBodyPtr>& aBC);

    // ---- 2D primitives and layers (2D/drModelerAPI2D.cpp) ---------------------------------------
    // Lengths, radii and semi-axes within 0.0001, and end points that close up within 0.0001
    // in both coordinates, are dropped. Without a 2D document the points are mapped through
    // the 2D placement stack (radii scaled by it); while a contour collects, segments, arcs
    // and circles go into it and ellipses are dropped. Arcs run counter-clockwise from
    // (x1, y1) to (x2, y2) for Napr 1 and clockwise for any other value; in a contour a
    // negative R turns that round. Style 0 hides segments and circles, not arcs.
    void drLine(Real const& x1, Real const& y1, Real const& x2, Real const& y2, Integer Attr) override;
    void drArc(Real const& X, Real const& Y, Real const& R, Real const& x1, Real const& y1, Real const& x2,
               Real const& y2, Integer Napr, Integer Attr) override;
    void drArc(Real const& X, Real const& Y, Real const& R, Real const& t1, Real const& t2, Integer Attr,
               Integer Napr) override;
    void drCircle(Real const& X, Real const& Y, Real const& R, Integer Attr) override;
    void drEllipse(Real const& X, Real const& Y, Real const& A, Real const& B, Real const& Angle,
                   Integer Attr) override;
    // Makes layer NumerOfLayer of the current view current, adding a layer when the view has
    // none of that number; the current drawing object becomes the previous one.
    void drLayer(Integer NumerOfLayer) override;
    // Workers: make the object in DrawingContainer (untransformed), add it to an open hatch's
    // boundaries, make it the current and last object, then report it to the constraint
    // recorder. Nothing while OnlySizes2D is set; the current object is emptied first.
    void drawLine(Real const& x1, Real const& y1, Real const& x2, Real const& y2, Integer Attr);
    void drawArc(Real const& Xc, Real const& Yc, Real const& R, Real const& x1, Real const& y1,
                 Real const& x2, Real const& y2, Integer Napr, Integer Attr);
    void drawCircle(Real const& X, Real const& Y, Real const& R, Integer Attr);
    // Needs a 2D document; an ellipse is never a hatch boundary.
    void drawEllipse(Real const& x, Real const& y, Real const& A, Real const& B, Real const& Angle,
                     Integer Attr);

    // ---- Texts, hatches, cut lines, leaders, points (2D/drModelerAPIText.cpp) -------------------
    // None of these draws while a contour collects, except drText, whose text is then
    // collected (mapped without a 2D document). Coordinates go to the host untransformed.
    // A text at (x, y) of height Hs holding S in one line; the angle is not given to the host.
    void drText(Real const& x, Real const& y, Real const& FStr, Real const& Hs, Real const& Ksu, Integer Fb,
                Str const& S) override;
    // Appends one line of one item holding S to Text; the item's height is set only when
    // Height > 0. Nothing for an empty Text.
    void AddLineText(tvapi::ITextPtr& Text, TString S, Real Height);
    // Opens a hatch of style Tip, angle FStr (degrees) and step Shag: the segments, arcs and
    // circles drawn until the matching drEndObj are its boundaries; it takes the place of the
    // modeller's drHatch, which only collects an outline, so drawing routines that reach the
    // facade through the modeller make real hatches. The openers push their kind for
    // drEndObj, or cmNull when the host made no object, so that every drEndObj ends its own.
    void drHatch(Integer Tip, Real FStr, Real Shag) override;
    // Opens a cut line from (x1, y1) to (x2, y2) designated S (height Hs), arrows turned
    // when Napr1 < 0; the points drawn until drEndObj are its break points.
    void drCut(Real const& Hs, Real const& Ksu, Real const& Fch, Str const& S, Real const& x1, Real const& y1,
               Integer Napr1, Real const& x2, Real const& y2, Integer Napr2) override;
    // Opens a leader from (x, y) with shelf direction Napr and text S1 on the shelf; the
    // points drawn until drEndObj are its branch ends.
    void drShelf(tvapi::tvLeaderSignEnum Tipz, Real const& x, Real const& y, tvapi::tvShelfDirectionEnum Napr,
                 tvapi::tvArrowEnum Tips, Real const& Hs1, Real const& Ksu1, Real const& Fch1, Str const& S1,
                 Real const& Hs2, Real const& Ksu2, Real const& Fch2, Str const& S2) override;
    // A branch end of the open leader, a break point of the open cut line, or else a point
    // of style 1.
    void drPoint(Real const& x, Real const& y) override;
    // Section line over the facade's own buffer of CutPoints points, shared by all facades:
    // NewCut empties it, ACT maps (x, y) through drApi's placement stack and keeps it (a
    // point beyond the buffer is refused), ACTIf does so when U holds.
    static constexpr Integer CutPoints = 50;
    void NewCut() override;
    void ACT(Real const& x, Real const& y) override;
    void ACTIf(Boolean U, Real const& x, Real const& y) override;
    // The collected points as one cut line (designation S, height 7) and empties them;
    // nothing without points, and nothing (the points kept) while a contour collects.
    void DrawCut(Str const& S, Integer Direction) override;
    // The points collected so far, in sheet coordinates.
    static Integer CutPointCount();
    static TPoint2D CutPointAt(Integer i);

    // ---- Completion, polylines, macro objects, groups (2D/drModelerAPIObjects.cpp) --------------
    // Ends the modeller's hatch outline when it collects; otherwise, outside contour
    // collecting, completes the innermost open composite object and takes its kind off.
    void drEndObj() override;
    // With a part and outside contour collecting: pushes cmPolyline3D, then a new polyline of
    // the part with the closed flag becomes Polyline3D (empty when the host gives none);
    // drEndObj updates it.
    void drPolyline3D(Boolean Closed) override;
    // Opens a colouring of Color (0x00BBGGRR).
    void drColouring(long Color) override;
    // Opens a macro object in the current container: it takes everything drawn until the
    // matching drEndMacro, which restores the enclosing macro object or the current view.
    void drMacro2D(Boolean AllLayer) override;
    void drEndMacro() override;
    // The library's parameters on the innermost open macro object; nothing when none is open.
    void drSetMacro2DParam(const std::vector<std::uint8_t>& V, Str fileName, Str libName, Integer Command,
                           Boolean EE, const TMt& M);
    // Opens a group (temporary: not saved) in the current 2D document; drEndGroup closes the
    // document's innermost open group, which becomes Entity2D.
    void drGroup(Boolean Temporary) override;
    void drEndGroup() override;
    // Nothing to clear in the host.
    void drClearRegion(long Color) override;

    // ---- Attributes and what a drawing object is (2D/drModelerAPIAttr.cpp) ----------------------
    // Attribute texts live in cell (0, 0) of a "Reference Object" type of the current
    // document. Without a document, object or dimension text the Boolean operations answer
    // false and leave their outputs unchanged.
    // Deletes the object from its document and empties Obj; nothing for an empty Obj.
    virtual void drDeleteObj(tvapi::IDrawingObjectPtr& Obj);
    // Into Result the text of Obj's attributes of the type (the last one listed wins); true
    // when an attribute whose object list starts with Obj was found.
    virtual Boolean drGetObjectAttr(tvapi::ITervanAPIObjectPtr Obj, Real const& TypeAttrNumb, Str& Result);
    // Writes StrAttr into every text attribute of the type whose object list starts with Obj
    // and answers true; with none, attaches a new attribute holding StrAttr and answers false.
    virtual Boolean drSetObjectAttr(tvapi::ITervanAPIObjectPtr Obj, Real const& TypeAttrNumb,
                                    Str const& StrAttr);
    // The host's kind of Obj; tvAllObj for an empty pointer.
    virtual tvapi::DrawingObjectTypeEnum GetType(tvapi::IDrawingObjectPtr Obj);
    // Number of the view holding Obj; 0 also when Obj is empty or its parent is no view.
    virtual Integer GetNumberView(tvapi::IDrawingObjectPtr Obj);
    // A dimension's nominal (measured, or read from its nominal text when typed in), tolerance
    // text and deviations (0 for an empty text; degrees with IsAngle); false for no dimension.
    virtual Boolean GetDimParam(tvapi::IDrawingObjectPtr Dim, Real& Nominal, Str& Qual, Real& QHi, Real& QLo,
                                Boolean IsAngle);
    // Key of the text type Id names, or of a new "Reference Object" type when Id is 0 or names
    // no text type; 0 without the host's manager, a document, or a new type.
    Real drCreateAttrStr(Real Id) override;
    // Whether Id is the key of a text type of the current document: the type drCreateAttrStr
    // keeps. False for a key that is no whole number of the key range.
    Boolean drIsAttrStr(Real Id);
    // A new reference to the modeller's current drawing object.
    tvapi::IDrawingObjectPtr LastObjRef();
    // The modeller's previous drawing object itself, for the caller to read or replace.
    tvapi::IDrawingObjectPtr& PrevObjRef();

    // ---- Dimensions (2D/drModelerAPIDim.cpp) ----------------------------------------------------
    // Coordinates go to the host untransformed; nothing is made while a contour is collected
    // or without the symbols container, its collection or a new dimension. The new dimension
    // becomes CurDrawingObject (and Obj3D, as a model object).
    void drDimL(Real const& iVal, Str const& Qual, Real const& Dx, Real const& Dy, Integer Pt, Integer Pn,
                Real const& Fn, Real const& Dln, Real const& x1, Real const& y1, Integer T1, Integer Po1,
                Real const& x2, Real const& y2, Integer T2, Integer Po2, Str const& S1, Str const& S2,
                Str const& S3) override;
    void drDimD(Real const& Val, Str const& Qual, Real const& FBase, Integer Pt, Integer Pn, Real const& x,
                Real const& y, Integer t, Str const& S1, Str const& S2, Str const& S3) override;
    void drDimR(Real const& Val, Str const& Qual, Real const& FBase, Real const& Drl, Integer Pt, Integer Pn,
                Real const& xc, Real const& yc, Integer t, Integer Po, Str const& S1, Str const& S2,
                Str const& S3) override;
    void drDimA(Real const& Val, Integer Napr, Real const& FBase, Real const& Rr, Integer Pt, Integer Pn,
                Real const& Fn, Real const& Dln, Real const& x1, Real const& y1, Integer T1, Integer Po1,
                Real const& x2, Real const& y2, Integer T2, Integer Po2, Str const& S, Real const& xc,
                Real const& yc) override;
    // An overall size in the current view of the active document, with the dimension line
    // offset by (Dx, Dy) and deviations +-0.02; contour collection and the registry's
    // current objects are left alone.
    void drDimL7(Real const& iVal, Str const& Qual, Real const& Dx, Real const& Dy, Integer Pt, Integer Pn,
                 Real const& Fn, Real const& Dln, Real const& x1, Real const& y1, Integer T1, Integer Po1,
                 Real const& x2, Real const& y2, Integer T2, Integer Po2, Str const& S1, Str const& S2,
                 Str const& S3);

    // ==== Sheets (Sheets/) ===========================================================================
    // Sheets, views and requirements keep the contracts of drModeler.h.
    // ---- Sheets and views (Sheets/drModelerAPISheet.cpp) ----------------------------------------
    // None of these makes a host call while a contour collects; the view builders then push a
    // placement (x, y, Alf, Scale) and drCloseView pops it.
    // Closes an open document of the same name unsaved (and a sheet made for that name and
    // never closed), creates a drawing ("Name.qdr") or, for any other tDoc, a fragment
    // ("Name.qfr") as IDoc and IDoc2D, sets up its first sheet (format iFormat, multiple Pros,
    // landscape when Krat is not 0, layout style Tips) and advances CountDrawing, reporting it
    // to the progress bar first. Comment is not kept. Nothing is written: the save that closes
    // the sheet (drCloseLeaf) is the first to put it in a file, under its name.
    void drCreateLeaf(Str& Name, tvapi::DocumentTypeEnum tDoc, Integer iFormat, Integer Krat, Integer Tips,
                      Integer Pros, Str& Comment, Boolean Invisible) override;
    // Opens "Name.qdr" (drawing) or "Name.qfr" as IDoc and IDoc2D, closing an open document of
    // type tDoc and that name unsaved first; true when a document was opened.
    Boolean drOpenLeaf(Str& Name, tvapi::DocumentTypeEnum tDoc, const Boolean Invisible);
    // A plain view numbered N in IDoc2D: it becomes View, both containers and the current
    // drawing object. Without one, View and the containers are emptied.
    void drView(Integer N, Real const& x, Real const& y, Real const& Alf, Real const& Scale,
                Str const& Comment) override;
    // Associative views in the host's active document: by projection name (with N, only when
    // the model file FName exists; the host numbers the view), by matrix, and the section along
    // pCut. They become the current drawing object, never the current view.
    void drAStView7(Integer N, Real const& x, Real const& y, Real const& Alf, Real const& Scale,
                    Str const& Comment, Str const& FName, Str const& tView) override;
    void drAStView7(Real const& x, Real const& y, Real const& Alf, Real const& Scale, Str const& Comment,
                    Str const& FName, Str const& tView);
    void drAStView7(Real const& x, Real const& y, Real const& Alf, Real const& Scale, Str const& Comment,
                    Str const& FName, TMtr3D const& M) override;
    void drACutView7(Real const& x, Real const& y, Real const& Alf, Real const& Scale, Str const& Comment,
                     tvapi::IDrawingObjectPtr pCut) const override;
    // Turns on all six display switches of an associative view.
    void SetProjectionParam(tvapi::IAssociationViewPtr& AView) const;
    // Leaves the current view: View and the containers are emptied.
    void drCloseView() override;
    // The detail's drawing with its title block and general roughness; false for a detail the
    // control model does not know. The shifted form moves the detail's view origin by (x, y).
    Boolean drLeafStamp(Integer Detail, Integer subDetail, Boolean Invisible) override;
    Boolean drLeafStamp(Integer Detail, Integer subDetail, Real const& x, Real const& y,
                        Boolean Invisible) override;
    // View N of the detail at its origin moved by (x, y), its scale, named "Вид N comment".
    Boolean drView(Integer N, Real const& x, Real const& y) override;
    Boolean drLeafStampView1(Integer Detail, Integer subDetail, Real const& x, Real const& y,
                             Boolean Invisible) override;
    // Fills the title block from the current detail and the control model's signatures.
    void drShtamp() override;
    // Fits the sheet to its views (TLeafSelector::Instance, drSheetFormat.h), then saves IDoc
    // and forgets it (the host keeps it open). A save that fails is told in one box.
    void drCloseLeaf() override;
    // Saves IDoc2D where it is; a sheet drCreateLeaf made has no file yet and is left unsaved.
    void drSaveLeaf() override;
    // The file sheet Doc goes by: for the one drCreateLeaf made, the name its closing save puts
    // it under; else the document's own.
    TString LeafName(tvapi::ITervanDocument& Doc);
    // Whether Doc is the sheet drCreateLeaf made last, not closed yet and so without a file.
    bool IsNewLeaf(tvapi::ITervanDocument& Doc) const;
    // Opens the drawing's technical requirements, places their block and makes their text the
    // one drStringObj writes to; drCloseTDem commits them. Both leave no current text.
    void drOpenTDem() override;
    void drCloseTDem() override;
    void drCloseViewTDemCloseLeaf(Str const& S1, Str const& S2, Str const& S3, Str const& S4) override;

    // ---- Specifications (Sheets/drModelerAPISpec.cpp) -------------------------------------------
    // Rows go into the description of style 1 of "graphic.lyt" in IDoc, added when missing;
    // each row becomes Obj and the current drawing object (emptied when none is made).
    // Closes an open "iName.qsp" unsaved and creates, comments and saves it as IDoc; nothing
    // while a contour collects.
    void drCreateLeafSpw(Str const& iName, Str const& Comment) override;
    // Saves IDoc, and closes it unsaved when Close holds; IDoc keeps its reference.
    void drCloseLeafSpw(Boolean Close) override;
    // A row for Part (its name and marking, the note) of the current 3D document.
    void drSpcObj3D(Quor::TSectionSpc TypeObj, const TString& Note, tvapi::IPartPtr Part);
    // A row named Name, count 1, standing for GeometyGroup.
    void drSpcObj(Str& Name, Quor::TSectionSpc TypeObj, tvapi::IDrawingObjectPtr GeometyGroup) override;
    // A row with position Pos and count Count; but for a standard item it gets the files
    // NameFileObject.qdr, .qpt and .qas that exist, in that order.
    void drSpcObject(Quor::TSectionSpc TypeObj, Str const& NameFileObject, Integer Pos,
                     Integer Count) override;

    // ---- Document user data (Sheets/drModelerAPIUserData.cpp) -----------------------------------
    // Items of the storage "ZelMould" of iDocument (of the object Object within it, when given).
    // A write leaves exactly one item under NameData, holding Data; NeedSave then saves the
    // document once the storage was opened, whatever the item write gave. A host exception
    // of a write passes to the caller; one of a read gives false. Without a document, storage
    // manager, storages or storage: false, nothing written, Data untouched.
    Boolean drSetUserData(tvapi::ITervanDocumentPtr& iDocument, const Str& NameData,
                          const std::vector<std::uint8_t>& Data, const Boolean NeedSave,
                          tvapi::ITervanAPIObjectPtr Object);
    Boolean drSetUserData(tvapi::ITervanDocumentPtr& iDocument, const Str& NameData,
                          const std::vector<tvapi::ITervanAPIObjectPtr>& Data, const Boolean NeedSave,
                          tvapi::ITervanAPIObjectPtr Object);
    // Replaces Data with the item's bytes (emptied for a missing key); true when it holds any.
    Boolean drGetUserData(tvapi::ITervanDocumentPtr& iDocument, const Str& NameData,
                          std::vector<std::uint8_t>& Data, tvapi::ITervanAPIObjectPtr Object);
    // Appends the item's objects to Data (not emptied first); true when Data then holds any.
    Boolean drGetUserData(tvapi::ITervanDocumentPtr& iDocument, const Str& NameData,
                          std::vector<tvapi::ITervanAPIObjectPtr>& Data, tvapi::ITervanAPIObjectPtr Object);

    // ---- Title block (Sheets/drModelerAPIStamp.cpp) ---------------------------------------------
    // None of these does anything while a contour collects.
    // Opens the title block of sheet 0 of IDoc as Stamp, dropping one still open uncommitted;
    // pushes cmOpenShtamp when there is a title block to open. No text is current afterwards.
    void drOpenShtamp();
    // Makes cell N of the open title block the current Text; empties Text without one.
    void drColumnShtamp(const tvapi::tvStampEnum N);
    // In an open title block, replaces the whole text of the selected cell with S; outside
    // one, appends S as a line of the current Text (kept from the last cell selected).
    void drStringObj(Str const& S) override;
    // Commits the open title block and closes it, popping its cmOpenShtamp when that is on top;
    // Text is kept.
    void drCloseShtamp();

    // ==== 3D models (Model3D/) =======================================================================
    // The modeller's 3D operations keep the contracts of drModeler3D.h.
    // ---- 3D local coordinate systems (Model3D/drModelerAPILocalSystems.cpp) ---------------------
    // A local system of Part at origin P with the axes as given (not normalised), named *Name
    // when Name is not null, made Obj3D and recorded for an open 3D macro. While it is made
    // the host creates quietly and in the model's axes when inGlobalLSK (else in the active
    // system); both settings are back as they were when the call returns. Without the
    // settings, a 3D document, the part, its container or a new system nothing is made and
    // Obj3D stays. An update that throws shows "Error drMtr3D" and publishes nothing (Obj3D
    // empty).
    void drMtr3D(const TPoint3D& P, const TVector3D& aX, const TVector3D& aY, const TVector3D& aZ,
                 TString* Name, Boolean inGlobalLSK);
    // The same from M's rows (origin in the fourth), always in the active system.
    void drMtr3D(const TMtr3D& M, TString* Name, Boolean inGlobalLSK);
    // Moves the local system E to the frame and updates it; the update's answer. False when E
    // is no local system; a host exception is swallowed (false, or the update's answer when it
    // came after the update).
    Boolean drUpdateMtr3D(tvapi::IModelObjectPtr E, const TPoint3D& P, const TVector3D& aX,
                          const TVector3D& aY, const TVector3D& aZ);

    // The facade's kind of modeller: mAPI.
    TypeModeler Is() const override { return mAPI; }

    // ---- Dimensioned outlines and model variables (Model3D/drModelerAPIOutline.cpp) -------------
    // Nothing for X1 = X2 or Y1 = Y2. Not parametric (ADimension3D): a sketch on BasePlane at
    // Vidst holding drRectAngleAxleDim's outline (offsets -15). Parametric: the axes and marker
    // points in the 3D macro "Управление эскизом" (points recorded in ADimension3D with
    // "h14"), a sketch whose rectangle is held by its projected corners, horizontal and
    // vertical sides and merged corners, its axes (style 3, 3 beyond), then two dimensions
    // bound to new "II" variables; with OnlySizes2D only the dimensions. The sketch stays open.
    // Without the sketch or its 2D document the operation ends after making it.
    void drRectAngleAxleDim3D(tvapi::tvObj3dTypeEnum BasePlane, Real const& Vidst, Real const& X1,
                              Real const& Y1, Real const& X2, Real const& Y2, Integer Attr,
                              Str const& S1) override;
    // The variable Name of IDoc3D's top part: its value set when it exists (note kept), else
    // added with Value and Note. Empty without a document, part, feature or new variable.
    tvapi::IVariablePtr drAddVariable(Str const& Name, Real const& Value, Str const& Note) override;
    // drAddVariable(Name, Value, "") through the modeller.
    void drSetValue(Str const& Name, Real const& Value);

    // ---- Sketch-based features (Model3D/drModelerAPIFeatures.cpp) -------------------------------
    // Each ends an open sketch (as drEndEskis), empties Obj3D, adds a feature of the current
    // part built on Sketch - a boss, a cut (OR tvOperationCut) or, with Body false, a surface -
    // updates it (its result not examined) and leaves it in Obj3D and the open 3D macro.
    // Without a part, container, collection or new feature it stops there, Obj3D empty.
    // Depth (mm) goes to both sides as its magnitude and to the side parameters with its sign;
    // Angle (degrees) is the taper, a negative one turns the taper on.
    void drExtrusion(tvapi::tvDirectionTypeEnum Napr, tvapi::tvEndTypeEnum TypDepth, const Real& Depth,
                     const Real& Angle, Boolean Body, tvapi::tvOperationResultEnum OR);
    // Turns the sketch about its axis line by |Angle| degrees, the reverse way when Angle <= 0;
    // Napr is not used.
    void drRotate(Integer Napr, const Real& Angle, Boolean Body, tvapi::tvOperationResultEnum OR);
    // Sweeps the sketch along Path, the sketch kept orthogonal to it.
    void drEvolution(tvapi::IModelObjectPtr Path, Boolean Body, tvapi::tvOperationResultEnum OR);
    // Begins editing the current part in place: the part's open-document parameters go to
    // its request unchanged, the document it answers is let go at once. Nothing without a part.
    void drPartBeginEditOnPlace();
    // Ends it, keeping the changes; nothing without a part.
    void drPartEndEditOnPlace();
    // The modeller's forms: a new body, a cut, a surface.
    void drBaseExtrusion(tvapi::tvDirectionTypeEnum Napr, tvapi::tvEndTypeEnum TypDepth, Real const& Depth,
                         Real const& Angle) override;
    using TModeler3D::drBaseExtrusion;
    void drCutExtrusion(tvapi::tvDirectionTypeEnum Napr, tvapi::tvEndTypeEnum TypDepth, Real const& Depth,
                        Real const& Angle) override;
    void drSurfaceExtrusion(tvapi::tvDirectionTypeEnum Napr, tvapi::tvEndTypeEnum TypDepth, Real const& Depth,
                            Real const& Angle) override;
    void drBaseRotate(Integer Napr, Real const& Angle) override;
    void drCutRotate(Integer Napr, Real const& Angle, TMark* M) override;
    void drSurfaceRotate(Integer Napr, Real const& Angle) override;

    // ---- Booleans (Model3D/drModelerAPIBoolean.cpp) ---------------------------------------------
    // A Boolean of the current part combining body BodyPart1 (from 0) of P1 with body BodyPart2
    // of P2 by Op, updated (its result not examined), then Obj3D and a member of the open 3D
    // macro. Nothing is added, Obj3D unchanged, without a part or its container, when P1 or P2
    // is no feature, when an index lies outside its part's bodies, or when the host makes no
    // Boolean. An open sketch stays open.
    void drBoolean(tvapi::tvBooleanType Op, tvapi::IPartPtr P1, Integer BodyPart1, tvapi::IPartPtr P2,
                   Integer BodyPart2);

    // ---- Threads (Model3D/drModelerAPIThreads.cpp) ----------------------------------------------
    // Obj3D is emptied; then a thread of the current part on Face (its size and length taken
    // from the face, right-hand) is made, completed, made Obj3D and recorded for an open 3D
    // macro. Nothing more without a part, its 3D symbols, their threads or a new thread.
    void drThread(tvapi::IModelObjectPtr Face);

    // ---- Patch and ruled surfaces, copies (Model3D/drModelerAPISurfaces.cpp) --------------------
    // The two surfaces end an open sketch (as drEndEskis), add the surface to the current part
    // and update it: it becomes Obj3D (and a member of the open 3D macro) when built, Obj3D is
    // emptied when not. Without a part, container, collection, new surface or, for the ruled
    // surface, its by-curves parameters, it stops there with Obj3D unchanged.
    // A patch bounded by the edges Edges.
    void drSurfacePatchEdges(const TVOfMO& Edges);
    // A ruled surface between the curves Edges1 and Edges2, their directions matched.
    void drRuledSurface(const TVOfMO& Edges1, const TVOfMO& Edges2);
    // A copy of the bodies Objects placed by the local coordinate system Lsk: of the current
    // document when NewDoc is empty, else of NewDoc's top part. It becomes Obj3D (and a member
    // of the open 3D macro) when built, Obj3D is emptied when not. Without a part, container,
    // collection or new copy it stops there with Obj3D unchanged. An open sketch stays open.
    void drCopyObj(const TVOfMO& Objects, tvapi::ILocalCoordinateSystemPtr Lsk,
                   tvapi::ITervanDocument3DPtr NewDoc);

    // ---- Operations on surfaces and faces, billets (Model3D/drModelerAPISurfaces.cpp) -----------
    // Each adds its feature to the current part, sets its parameters and updates it: built, it
    // becomes Obj3D and a member of the open 3D macro; not built, Obj3D is emptied. Without a
    // part, container, collection or new object it stops with Obj3D unchanged (drEquidistSurface
    // has emptied it first). The operations on a list of faces or edges do nothing at all for
    // an empty list. Lengths and factors pass unchanged (mm).
    // A surface offset from Objects by Distance on the side Direction chooses.
    void drEquidistSurface(const TVOfMO& Objects, const Boolean Direction, const Real& Distance);
    // Surfaces trimmed by Objects; Sense keeps the side their normals point to. Updated twice,
    // the second answer counts.
    void drTrimmSurface(const TVOfMO& Surfaces, const TVOfMO& Objects, Boolean Sense);
    void drFaceRemove(const TVOfMO& Faces);
    // Faces sewn, into a body when CreateBody.
    void drFaceSewer(const TVOfMO& Faces, Boolean CreateBody);
    // Faces thickened by |T|: the wall direction flag is T <= 0, both sides' thicknesses |T|
    // (set only when the thickening offers thin-wall parameters).
    void drFaceThickness(const TVOfMO& Faces, const Real& T);
    // The outline curve of Faces seen along V (its coefficients). It stops before the update,
    // Obj3D unchanged, when the host gives no direction vector or no coefficients.
    void drCurveOutLine(const TVOfMO& Faces, TVector3D& V);
    // A 3D contour through Edges.
    void drContour3D(const TVOfMO& Edges);
    // Body scaled by Scale about Point (none when empty); a failed scaling also clears the host's
    // last error.
    void drScalings3D(tvapi::ITervanAPIObjectPtr Body, const Real& Scale, tvapi::IModelObjectPtr Point);
    // Obj3D is emptied; then EFace's outline along V is made and, when it is an outline curve,
    // EFace is split along it both ways (drSplitFaceObjects): Obj3D is the split.
    void drSplitFaceOutLine(tvapi::IFacePtr EFace, TVector3D& V);
    // Every face of the current part's feature sewn into a body.
    void drAllSurfaceSewer();
    // Obj3D is emptied; then, for an existing file Name and a current part, the part file is
    // inserted as a billet of the part (mirrored when Mirror), updated whatever the answer, made
    // Obj3D and recorded for the open 3D macro. Without the part's container, its billets or a
    // new billet it stops with Obj3D empty. fromHistiry changes nothing.
    void drPutStorage(Str& Name, const Boolean fromHistiry, const Boolean Mirror);

    // ---- 3D macros and user objects (Model3D/drModelerAPIMacro3D.cpp) ---------------------------
    // Opens a 3D macro named Name in the current part: features made until drEndMacro3D are
    // its members. Without a part, container, collection or new macro nothing is opened.
    void drMacro3D(Str const& Name, Boolean MStaffVisible) override;
    // Closes the innermost open 3D macro, hands it its members and updates it; it becomes a
    // member of the macro around it. Obj3D is not changed; with no macro open, nothing.
    void drEndMacro3D() override;
    // A user object operation (drPlugin) or wire frame (drPluginWF) of the current part bound
    // to this library by OGUID, the library's names and Command; it becomes Obj3D (emptied
    // first) and the result. Empty without a part, container, collection, new object or its
    // user parameters.
    tvapi::IModelObjectPtr drPlugin(const Str& OGUID, Integer Command);
    tvapi::IModelObjectPtr drPluginWF(const Str& OGUID, Integer Command);

    // ---- View projections of IDoc3D (Model3D/drModelerAPIProjection.cpp) ------------------------
    // Shows the standard projection Ptype; it becomes the current drawing object (emptied
    // without a 3D document or such a projection).
    void SaveAndSetViewProjection(tvapi::tvViewProjectionType Ptype);
    // Shows a new projection of matrix Mtr; the facade keeps nothing of it.
    void CreateViewProjection(const TMtr3D& Mtr);
    // Shows View again and empties it; nothing for an empty View.
    void RestoreViewProjection(tvapi::IViewProjectionPtr& View);

    // ---- 3D dimensions (Model3D/drModelerAPIDims3D.cpp) -----------------------------------------
    // A baseline dimension of the current part between A and P, updated (whether it measures
    // is not examined): it becomes Obj3D and a member of the open 3D macro. Nothing without a
    // part, its 3D symbols, their dimensions or a new dimension.
    void drDimL3D(tvapi::IModelObjectPtr A, tvapi::IModelObjectPtr P);
    // Asks the top part of IDoc for the generative dimensions of E7 (a sketch or feature); the
    // registry is not changed. Nothing for an empty E7, a document that is no 3D one or one
    // without a top part or 3D symbols.
    void drGenerativeDimensions(tvapi::IModelObjectPtr E7);

    // ---- Display state of model objects (Model3D/drModelerAPIDisplay.cpp) -----------------------
    // Each does nothing for an empty object. Hides or shows E, then updates it.
    void SetHidden(tvapi::IModelObjectPtr E, const Boolean H);
    // Gives E the colour Color (the host's value) with transparency P and the library's other
    // coefficients in one call, then updates it; nothing for an object without colour.
    void SetColor(tvapi::IModelObjectPtr E, const Integer Color, const Real& P);
    // Excludes the feature E from the model's calculation and updates it; nothing for no feature.
    void SetExcluded(tvapi::IModelObjectPtr E);
    // A feature in error is excluded, any other coloured as SetColor (when it has a colour);
    // then updated. False when it acted on E, true when E is no feature.
    Boolean SetExludedOrColor(tvapi::IModelObjectPtr E, const Integer Color, const Real& P);
    // Gives Obj its default display again; no update follows.
    void ReSet(tvapi::IModelObjectPtr Obj);

    // ---- 3D documents by file (Model3D/drModelerAPIDoc3D.cpp) -----------------------------------
    // The first open document of type T whose full file name equals Name byte for byte;
    // empty without a host or a match.
    tvapi::ITervanDocumentPtr GetOpenDocument(tvapi::DocumentTypeEnum T, TString const& Name);
    // Saved, the host's answer to a save of Doc. A failed save is never silent: the messenger
    // tells that the file (File, or Doc's own when File is empty) was not saved and why, in
    // the host's words ("... File too large").
    static Boolean CheckSaved(tvapi::ITervanDocument& Doc, bool Saved, const TString& File = TString());
    // As CheckSaved, for a document the facade made and saves again under its own name: one that
    // has none had its save under a name refused, and told, so the failure for want of a name
    // says nothing new and is not told.
    static Boolean CheckResaved(tvapi::ITervanDocument& Doc, bool Saved);
    // Opens the file Name (shown when Invisible is false) as IDoc, with IDoc3D and its top
    // part as Part; a new reference to Part, empty when no 3D document or part resulted.
    tvapi::IPartPtr drOpen3D(TString const& Name, bool Invisible);
    // The mass (kg) of the top part of the model file FName: read from its document when it is
    // open as a part or assembly, otherwise opened invisibly, read and closed unsaved whatever
    // it held. IDoc, IDoc3D and Part are as they were. 0.0 for a missing file, a folder (nothing
    // is opened) or any failure.
    Real GetMassFile(TString const& FName);
    // Writes the material's name with its library key (property 9) and its density (property
    // 10) into the current document through the host's property manager; a missing property
    // leaves the other. Nothing while a contour collects or without a document. Typ is unused.
    void drSetMaterial(Integer Typ, Str const& Material, Str const& Location, Real const& Dencity);
    // Activates the open part document FName, or opens it; true when it is open and active.
    Boolean ActivateADocument3D(const Str& FName, const Boolean Invisible);
    // Saves IDoc; with Close, closes it saving and empties Obj3D, Obj, IDoc, IDoc3D and Part.
    // A part that fails drExpect3D's check is closed unsaved instead. A part whose save fails,
    // or whose file drCreate3D could not write, is not built (drRefused3D): no file is left
    // and one box tells it (SaveFailed3D). NeedNameMarking is not used.
    void drSave3D(Boolean Close, Boolean NeedNameMarking) override;
    // The check of a part before its save (Model3D/drModelerAPICheck3D.cpp).
    void drExpect3D(Integer Bodies, Str const& Size) override;
    Boolean drRefused3D() const override;
    void drHoldBoxes3D() override;
    // True when the current part meets drExpect3D (or nothing is expected), the boxes told while
    // it was built still held for its save; else false, with the part closed unsaved, its file
    // removed and the refusal told in one box with them.
    Boolean PartPasses3D();
    // Closes the current part unsaved and removes the file drCreate3D wrote for it; the builder
    // then answers false.
    void DiscardPart3D();
    // A part not built (refused, or its save failed): the file drCreate3D wrote is removed and
    // the builder answers false.
    void FailedSave3D();
    // A save of the part failed (at drCreate3D or at its end): FailedSave3D, and one box tells
    // what the save told (the boxes held from Told on), then what was told while it was built.
    void SaveFailed3D(std::size_t Told);
    // The save that closes the sheet IDoc: one drCreateLeaf made goes under its name (an
    // atomic replace: a save that fails leaves what stood there); any other document is saved
    // where it is (Sheets/drModelerAPISheet.cpp).
    void SaveClosingLeaf();
    // Forgets the sheet drCreateLeaf made last; the host keeps it open.
    void ForgetLeaf();
    // The part of file File is begun: the sheet saved since it was last built waits on it, and
    // its detail's sheet may be made again (Sheets/drModelerAPISheet.cpp).
    void SheetWaitsOnPart3D(const Str& File);
    // The part begun is not built: its detail's sheet is not made until it is, and the sheet
    // that waited on it is closed and its file removed.
    void SheetOfRefusedPart3D();
    void drNotBuilt3D(Str const& File) override;
    // Ends the holding of boxes while a part is built: the held boxes, or shown as they came.
    std::vector<Str> TakeHeldBoxes();
    // Told, then each held box not told before it, one a line: the one box of a refusal.
    static TString WithHeldOnce(TString Told, std::span<const Str> Held);
    void ShowHeldBoxes();
    // Renames the current part Name and saves the document under FName; the registry keeps it.
    void drSave3DAs(const Str& FName, const Str& Name);
    using TModeler3D::drSave3DAs;

    // ---- The current model and its objects (Model3D/drModelerAPIModel3D.cpp) --------------------
    // The registry's own fields (what the caller assigns through them is the registry's).
    tvapi::ITervanDocument2DPtr& GetDoc() { return R3->IDoc2D; }
    tvapi::ISketchPtr& GetSketch() { return R3->Sketch; }
    tvapi::IModelObjectPtr& GetPlane() { return R3->Plane; }
    // A new reference to the current part.
    tvapi::IPartPtr GetPart() { return R3->Part; }
    void SetPart(tvapi::IPartPtr& Part) { R3->Part = Part; }
    // The objects of kind objType in the current sketch; 0 without one. A sketch being
    // edited (IDoc2D held) is closed for the count and opened again.
    Integer GetSketchCount(const tvapi::tvObj3dTypeEnum objType);
    // Deletes Entity from IDoc3D; the registry keeps whatever it held.
    void DeleteEntity(tvapi::IModelObjectPtr Entity);
    void SetNameEntity(tvapi::IModelObjectPtr Entity, const Str& Name);
    // True for no object, one without a feature, or a feature in error.
    Boolean ErrorEntity(tvapi::IModelObjectPtr Entity);
    Boolean IsNotExcluded(tvapi::IModelObjectPtr Entity);
    // True when the object's feature is neither excluded nor rolled back.
    Boolean IsNotExcludedOrRollBacked(tvapi::IModelObjectPtr Entity);

    // ---- Sketches, views and face splitting (Model3D/drModelerAPISketch.cpp) --------------------
    // The editing state is IDoc2D (the sketch's 2D document) with Sketch; at most one sketch is
    // open. An operation that begins editing ends it again when it leaves by an exception.
    // Ends the editing of Sketch when IDoc2D and Sketch are both set: IDoc2D and the two
    // containers are emptied, Sketch stays. Otherwise nothing.
    void drEndEskis();
    // Ends an open sketch, then a new sketch of IDoc's top part on Plane, named Name, turned by
    // Angle (degrees), updated, published as Obj3D (and in an open 3D macro) and opened with
    // its view 0 current. Without a 3D document, part or new sketch nothing is made (Sketch
    // empty).
    void drCreateEskis(const Real& Angle, const Str& Name);
    void drCreateEskis(Real Angle) override;
    // True while Sketch is being edited (IDoc2D held).
    Boolean IsEskisOpen() const override;
    // Ends an open sketch and opens Sketch, whose document gives both containers; View stays.
    // An empty Sketch empties the registry's.
    void drOpenEskis(tvapi::ISketchPtr Sketch);
    // View N of IDoc2D (0: the active view) becomes View with its containers; nothing while a
    // contour collects or without IDoc2D.
    void drOpenView(Integer N);
    // P in the axes of Sketch; Result unchanged without a sketch or when the host cannot.
    void drSketchTranslate(TPoint3D& P, TPoint2D& Result);
    // Obj3D is emptied; then, for a sketch, the open editing ends and a split of Faces of Part
    // by Sketch's curves projected along TypeSplit is made, updated, made Obj3D and recorded
    // for an open 3D macro. Nothing more without the sketch, Part's container, the collection
    // or a new split.
    void drSplitFaceSketch(const TVOf<tvapi::IFacePtr>& Faces, tvapi::ISketchPtr Sketch,
                           tvapi::tvDirectionTypeEnum TypeSplit);
    // The same by CutObjects; the editing of a sketch is left as it is.
    void drSplitFaceObjects(const TVOf<tvapi::IFacePtr>& Faces, const TVOfMO& CutObjects,
                            tvapi::tvDirectionTypeEnum TypeSplit);

    // ---- Construction planes and axes (Model3D/drModelerAPIPlanes.cpp) --------------------------
    // Every new plane is built, hidden, made Plane and Obj3D and recorded for an open 3D macro;
    // an axis is built, made Obj3D and recorded. A signed distance or angle reaches the host as
    // its absolute value and a direction that is true only above zero. Without a part, an
    // empty required argument or an object the host refuses, nothing further happens.
    // Distance 0: Plane := the part's default plane BasePlane, nothing made, Obj3D emptied;
    // otherwise a plane at the signed Distance from it.
    void drPlane(tvapi::tvObj3dTypeEnum BasePlane, Real const& Distance);
    // Obj3D is emptied first. A std::exception from the host ends the operation quietly with
    // what was set so far.
    void drPlaneOffset(tvapi::IPlane3DPtr Plane, Real const& Distance);
    // The axis where P1 and P2 meet; empty without a part or an axis. Plane stays.
    tvapi::IAxis3DBy2PlanesPtr drAxisPlanes(tvapi::IPlane3DPtr P1, tvapi::IPlane3DPtr P2);
    void drPlanePerpendEdgeVertex(tvapi::IModelObjectPtr Edge, tvapi::IModelObjectPtr Point);
    void drPlaneParallelVertex(tvapi::tvObj3dTypeEnum BasePlane, tvapi::IModelObjectPtr Point);
    void drPlaneParallelVertex(tvapi::IPlane3DPtr Plane, tvapi::IModelObjectPtr Point);
    // A plane through Axis at the signed Angle (degrees) from Plane.
    void drPlaneAxisAngle(tvapi::IPlane3DPtr Plane, tvapi::IModelObjectPtr Axis, Real const& Angle);
    // The part's Z axis, a plane about it at -Angle from XOZ, then that plane offset by Offset
    // (also 0). Each step runs with what the earlier ones left.
    void drPlaneXOZAngleOffset(Real const& Angle, Real const& Offset);
    // The axis where Plane meets XOY, a plane about it at Angle from XOY, then offset by Offset.
    void drPlaneCurrentXOYAngleOffset(Real const& Angle, Real const& Offset);
    // Three hidden dot points named "0", then the plane through them.
    void drPlane(TPoint3D const& P1, TPoint3D const& P2, TPoint3D const& P3);

    // ---- Planes with a sketch on them (Model3D/drModelerAPIPlanes.cpp) --------------------------
    // The plane step, then a new sketch on the current plane, open for drawing; the sketch is
    // made also when the plane step made nothing (then on the plane current before).
    // Ends any sketch editing, then drPlane(BasePlane, Distance) and a sketch turned by Angle
    // (degrees) named Name.
    void drPlaneEskis(tvapi::tvObj3dTypeEnum BasePlane, Real Distance, Real Angle, Str const& Name) override;
    // drPlaneAxisAngle, then an unnamed sketch at angle 0 (Angle is the plane's).
    void drPlaneAxisAngleEskis(tvapi::IPlane3DPtr Plane, tvapi::IModelObjectPtr Axis, Real const& Angle);
    // drPlaneXOZAngleOffset with iAngle brought into [0, 360) by one step of 360 only, then an
    // unnamed sketch at GetAngleEskiz of that angle plus AngleEskiz.
    void drPlaneXOZAngleOffsetEskis(Real const& iAngle, Real const& Offset, Real const& AngleEskiz);

    // ---- Construction points, segments and helices (Model3D/drModelerAPIAux3D.cpp) --------------
    // Each new object is updated, made Obj3D and recorded for an open 3D macro. Without the
    // part, its container or collection, or when the host gives no object, nothing happens.
    // A point given by coordinates with the symbol pT and the colour 255; the name only when
    // Name is not empty.
    void drPoint3D(const Real& pX, const Real& pY, const Real& pZ, tvapi::tvAnnotationSymbolEnum pT,
                   const TString& Name, Boolean Hidden);
    // Obj3D is emptied first. Hidden is accepted and not applied.
    void drLine3D(const TPoint3D& P1, const TPoint3D& P2, const TString& Name, Boolean Hidden);
    // Ends tied to the objects; Obj3D stays when nothing is made.
    void drLine3D(tvapi::IModelObjectPtr P1, tvapi::IModelObjectPtr P2, const TString& Name, Boolean Hidden);
    // Turns turns of diameter D rising |Height| along Plane's normal for Height > 0, else
    // against it; the pitch |Height| / Turns. 0 turns or a pitch that is not finite: nothing.
    void drSpiral3D(tvapi::IPlane3DPtr Plane, const Real& Height, const Real& Turns, const Real& D);
    // The part's own object of objType; empty without a part or such an object.
    tvapi::IModelObjectPtr drDefault(tvapi::tvObj3dTypeEnum objType);
    // A point on Vertex directed along Edge (against it when Direction is false), in IDoc's
    // top part; nothing without it, its container or collection, or a new point.
    void drConjunctivePoint(tvapi::IModelObjectPtr Vertex, tvapi::IModelObjectPtr Edge, Boolean Direction);
    // CP's point and the edge's tangent there (negated when CP's direction is false); the
    // answer of the curve's parameter request. False, nothing written, without CP, its point
    // or its curve.
    Boolean GetConjunctivePoint(tvapi::IConjunctivePointPtr CP, TPoint3D& Point, TVector3D& Vector);

    // ==== Assemblies (Assembly/) =====================================================================
    // ---- Details by number (Assembly/drModelerAPIDetails.cpp) -----------------------------------
    // The document of a detail the control model knows: its file (sfDetail3D, "qas" in place
    // of the extension when IsDetail is false), name and marking, made by drCreate3D; the 3D
    // points of ADimension3D are forgotten and CountDrawing, shown on the progress bar first,
    // goes up. False, nothing done, for an unknown detail; else drCreate3D's answer.
    Boolean drCreate3DNewPart(Integer Detail, Integer subDetail, Boolean InVisible, Boolean IsDetail);
    using TModeler3D::drCreate3DNewPart;
    // drCreate3DNewPart as a part, then a sketch on BasePlane at Vidst when it was made.
    Boolean drCreate3DNewPartPlane(Integer Detail, Integer subDetail, Boolean InVisible,
                                   tvapi::tvObj3dTypeEnum BasePlane, Real const& Vidst) override;
    // The detail's file, when the control model knows the detail and the file exists, inserted
    // and placed as the file-name forms do, then recorded in drApi::ADP.
    void AddDetail(Real const& x, Real const& y, Real const& z, Integer DetailCode, Integer Suffics,
                   Boolean ReverseZ) override;
    void AddDetailAxle(Real const& x, Real const& y, Real const& z, Integer DetailCode, Integer Suffics,
                       Real const& xDx, Real const& xDy, Real const& xDz, Real const& yDx, Real const& yDy,
                       Real const& yDz) override;
    // AddDetail(x, y, z, DetailCode, Suffics, false) when U holds.
    void AddDetailIf(Real const& x, Real const& y, Real const& z, Integer DetailCode, Integer Suffics,
                     Boolean U);
    using TModeler3D::AddDetailIf;
    // With SaveDocument3D: IDoc3D activated and fully rebuilt, the detail's note (when there is
    // one and Section is not tNotExist) as a row of section tDetail, and IDoc saved. Then IDoc
    // is closed without saving. A call on a missing document is left out.
    void drClose3D(Boolean SaveDocument3D, Quor::TSectionSpc Section) override;

    Boolean drCreate3D(Boolean Invisible, Boolean isDetail, Str const& FileName, Str const& Name,
                       Str const& Marking) override;
    void drColor3D(Integer Color, Real const& ambient, Real const& Diffuse, Real const& specularity,
                   Real const& shininess, Real const& transparency, Real const& emission) override;

    // ---- Assembly placement, mates and parts from files (Assembly/drModelerAPIAssembly.cpp) -----
    // Moves the current part to origin (x, y, z) with the axes X = aX, Y = aY as given.
    void drPartSetPlacement(const Real& x, const Real& y, const Real& z);
    void drPartSetPlacement(const Real& x, const Real& y, const Real& z, const TVector3D& aX,
                            const TVector3D& aY);
    void drPartSetPlacement(tvapi::IPlacement3DPtr& Place);
    // As drPartSetPlacement with the same arguments.
    void drPlacement(const Real& x, const Real& y, const Real& z, const TVector3D& aX, const TVector3D& aY);
    // Sets O1, O2, fixing (1 when Fixed is 0, else 2), Direction and V, then the update's answer.
    Boolean drSetMate(tvapi::IMateConstraint3DPtr& Mate, tvapi::IModelObjectPtr O1, tvapi::IModelObjectPtr O2,
                      Integer Direction, Integer Fixed, const Real& V);
    // A new mate of IDoc3D; its "Расстояние" variable follows iExpresion, or the comment of the
    // program variable registered at V's address. False without document, objects or mate.
    Boolean drMate(tvapi::MateConstraintType MT, tvapi::IModelObjectPtr O1, tvapi::IModelObjectPtr O2,
                   Integer Direction, Integer Fixed, const Real& V, const TString& iExpresion);
    // Deletes every mate of AMate, the last first.
    void drClear(tvapi::IMateConstraints3DPtr& AMate);
    // The other object of the first mate of kind TC in Mates that involves fromEntity (the
    // same pointer or host object); empty when none does.
    tvapi::IModelObjectPtr FindMate(tvapi::IMateConstraints3DPtr& Mates, tvapi::MateConstraintType TC,
                                    tvapi::IModelObjectPtr& fromEntity);
    void drDeleteObj(tvapi::IModelObjectPtr Object);
    // Inserts the part file Name into IDoc's assembly as Part and Obj3D (recorded for an open 3D
    // macro). Nothing changes for a missing file or without a top part and part collection.
    void drCreatePartFromFile(const TString& Name, Boolean ExternalFile);
    // The part file of detail DetailCode with suffix Suffics for the detail-number insertions;
    // empty when the detail is not present.
    TString DetailFileToInsert(Integer DetailCode, Integer Suffics);
    // Inserts and places at (x, y, z); ReverseZ turns the part half a turn about its Y axis.
    void AddDetail(Real const& x, Real const& y, Real const& z, Str const& DetailName, Boolean ReverseZ,
                   Boolean ExternalFile) override;
    using TModeler3D::AddDetail;
    void AddDetailAxle(const Real& x, const Real& y, const Real& z, const TString& DetailName,
                       const Real& xDx, const Real& xDy, const Real& xDz, const Real& yDx, const Real& yDy,
                       const Real& yDz, Boolean ExternalFile);

private:
    // drRectAngleAxleDim3D's parametric sketch and marker points (Model3D/drModelerAPIOutline.cpp).
    bool ParametricSketch(tvapi::tvObj3dTypeEnum BasePlane, Real const& Vidst, Real const& X1, Real const& Y1,
                          Real const& X2, Real const& Y2, Integer Attr);
    tvapi::IModelObjectPtr MarkerPoint(Real const& x, Real const& y);
    // The placement stack applies: it holds a placement and no 2D document is open.
    bool Transformed() const;
    // Records a new primitive: hatch boundary, current and last object.
    void Made(const tvapi::IDrawingObjectPtr& object);
    // In contour mode pushes the view's placement, empties the current object, answers true.
    bool ViewInContour(Real const& x, Real const& y, Real const& Alf, Real const& Scale);
    // The view (or none) as the current drawing object.
    void ViewMade(const tvapi::IViewPtr& view);
    // The new sign as the current drawing object.
    void SignMade(const tvapi::IDrawingObjectPtr& sign);
    // A new row of TypeObj in IDoc's description; empty without one.
    tvapi::ISpecificationBaseObjectPtr NewSpecRow(Quor::TSectionSpc TypeObj);
    // Commits the row and makes it Obj and the current drawing object (empty: none).
    void SpecRowMade(const tvapi::ISpecificationBaseObjectPtr& row);
};

// Ends part access (drEndGetPart(false) on drApi::MA) when the scope that opened it ends,
// however it ends. An exception from the host is swallowed: the scope is already unwinding.
class TPartAccess {
public:
    TPartAccess() = default;
    ~TPartAccess();
    TPartAccess(const TPartAccess&) = delete;
    TPartAccess& operator=(const TPartAccess&) = delete;
};

// The facade of the library, alive from load to unload.
extern TModelerApi MA;

// TADimension3D::drDimension lent by the facade (Model3D/drModelerAPIDims3D.cpp): for each
// recorded 3D point of List, the dimensions the host generated for it that a variable drives
// get the record's tolerance text and the layout's parameters; the two driven by the point's
// fifth and sixth variables (X, Y) move by LY - y - 30 and LX - x - 30, follow the record's
// formulas and are hidden. Nothing when M is no facade or its document no 3D document; a
// record whose point has no feature or fewer than six variables is passed over; a host
// exception ends the walk quietly.
void LayoutGeneratedDimensions(const TADimension3D& List, Real LX, Real LY, TModeler3D& M);

// The sketch angle (degrees) that keeps a sketch upright on a plane turned by EAngle about
// the part's Z axis. EAngle is brought into [0, 360) by one step of 360 only; then 90 gives
// 90, 270 gives -90, above 90 and below 270 gives 180, anything else 0 (exact comparisons).
Real GetAngleEskiz(const Real& EAngle);
// MA.drPlanePerpendEdgeVertex(Edge, Point).
void drPlanePerpendEdgeVertex(tvapi::IModelObjectPtr Edge, tvapi::IModelObjectPtr Point);
// drPlanePerpendEdgeVertex(Edge, Point), then MA's unnamed sketch at AngleEskiz on the current
// plane.
void drPlanePerpendEdgeVertexEskis(tvapi::IModelObjectPtr Edge, tvapi::IModelObjectPtr Point,
                                   Real const& AngleEskiz);

// The counter's value before it is raised: 0 on the first call after loading, then 1, 2 ...
Integer NextInteger();
// The current view of doc as a symbols container; empty when doc, its views or the current
// view is missing.
tvapi::ISymbols2DContainerPtr GetSymbols2DContainer(tvapi::ITervanDocument2DPtr& doc);

// The control model whose folders Init fills; the library points it at its own model before
// it starts the facade. Null: Init fills none.
extern TControlModel* LibraryControlModel;

// The bridges to the host's transfer service (2D/drModelerAPIRead.cpp).
// A new reference to Obj; the two numbers are not used.
tvapi::IAPIObjectPtr Transfer(tvapi::IAPIObjectPtr Obj, long apiNewType, long objType);
// The object the host's integer reference Obj names in the document Doc, through the host's
// transfer service; empty for 0 or without a service.
tvapi::IAPIObjectPtr Transfer(int Obj, int Doc);

} // namespace drApi
