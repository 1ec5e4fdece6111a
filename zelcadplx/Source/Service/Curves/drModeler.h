#pragma once
// TModeler2D: the abstract 2D modeller through which every drawing routine of the library
// draws (lines, arcs, texts, dimensions, sheets, views), with its private state
// TRegistryModeler2D: naming counters, the contour collector, the 2D placement stack and the
// current detail's stamp data.
//
// Conventions of every drawing operation below (the facade, drModelerAPI.h, keeps them):
// - Coordinates and lengths are millimetres of the current placement (drMtr), x along the
//   part's axis and y radial in the components' routines; angles are degrees,
//   counter-clockwise from +x, unless an operation says radians.
// - Attr is a line style: 1 main (thick), 2 thin, 3 axis, 4 hidden, 5 break line, 0 kept but
//   not drawn. A negative style -n is style n subordinated to the outline and drawn thin: the
//   edge lines of chamfers, shoulders and grooves, thread roots (-1), hidden contours of
//   tapped holes and sockets (-4). The number reaches the host unchanged.
// - Dimension texts: S1 stands before the value (a sign such as "&02", the diameter), S2
//   after it (a fit or tolerance such as "h14"), S3 is a note after both (a thread class,
//   "2 фаски", "4 отв."). Qual is not shown. Text markup: "&01" degree, "&02" diameter,
//   "&03" plus-minus, "&04" multiplication, a "~" right after a code ends it, "$<sign>;$"
//   sets a sign apart ("$*;$" the reference mark).
// - (Dx, Dy) of a linear dimension is the offset of its dimension line from the second
//   measured point; the dimension measures across that offset: Dy = 0 measures along y,
//   Dx = 0 along x. Pt places the text along the line: 0 centred, a positive Pt that many
//   millimetres from the first point, a negative one from the second.
// - Signs take a direction: a roughness sign's angle points from the surface it marks to the
//   sign (90 on a top face, 0 or 180 on an end face, -90 under a surface), so the sign stands
//   outside the material; a view pointer's first point is its head, next to the part.

#include "BaseTypes.h"
#include "Constraint2D.h"
#include "DString.h"
#include "DetailCode.h"
#include "PenStyles.h"
#include "TArray.h"
#include "TDebug.h"
#include "Transf2D.h"
#include "tvapi/Document.h"
#include "tvapi/DrawingObject.h"
#include "tvapi/Model3D.h"
#include "tvapi/Specification.h"

#include <memory>

class TBasePoint;
class TContour;
class TMtr3D;

using SimpleName = UInteger;

// Kind of a modeller, as Is() tells it.
enum TypeModeler : Integer {
    mUknown = 0,
    mAPI = 1, // the host facade
    mQuor = 2,
};

// Kinds of open composite commands.
enum TCommand : Integer {
    cmNull = 0,
    cmCut = 1,
    cmShelf = 2,
    cmPolyline3D = 3,
    cmOpenShtamp = 4,
    cmLinkForm = 5,
    cmForm = 6,
    cmColouring = 7,
    cmHatch = 8,
};

// Modellers constructed so far; each construction increments it and keeps the new value.
extern Integer CountOfTModeler;

// Stamp data of the detail being drawn; filled by the control model before the drawing.
struct TDetailInfo {
    using TDcDetail = Integer;

    TDcDetail cDetail = 0; // detail code
    Integer cSuffics = 0;  // variant suffix of the detail number
    Str Note;
    Str fileName;
    Str designation;
    Str material;
    Str scale;
    Str shoroh;          // roughness text
    Str comment;         // detail name
    Integer Format2 = 0; // sheet format
    Integer Orientation2 = 0;
    Real Scale = 1.0;  // drawing scale; full size until a detail says otherwise (0 would fold the view)
    Real Weight = 0.0; // mass
    Real Left = 0.0;   // left of the sheet corner
    Real Top = 0.0;    // top of the sheet corner
};

// Private state of a modeller, created and owned by it.
class TRegistryModeler2D {
public:
    static constexpr SimpleName NoName = 0xFFFFFFFFu; // MainName before any group is named
    static constexpr Integer CutPointStep = 32;
    static constexpr Integer CommandStep = 32;
    static constexpr Integer ContourStep = 8;
    static constexpr Integer TimeStep = 16;

    Integer Count = 0;            // number of this modeller (CountOfTModeler at construction)
    Integer IDetCode = 0;         // detail code
    SimpleName MainName = NoName; // main name of the object group being drawn
    SimpleName AdditionalName = 0;
    SimpleName AdditionalName2 = 0;
    Integer Version = 0;
    std::unique_ptr<TContour> HatchContour;     // outline collected for a hatch; never null
    tvapi::IDrawingObjectPtr CurDrawingObject;  // the 2D object drawn last
    tvapi::IDrawingObjectPtr PrevDrawingObject; // previous object of a constraint chain
    Integer PrevIndex = 0;                      // point of PrevDrawingObject the next object joins
    TTransf2D Transf2D;                         // the modeller's 2D placement stack
    TArrayOf<TPoint2D> ACutPoint;               // points of a section line, in drawing coordinates
    TConstraint2D& Constraint2D;                // constraint recorder the modeller was built with
    TArrayOf<TCommand> APrevCommand;            // stack of open composite commands
    TArrayOf<tvapi::IDrawingGroupPtr> AGroup;   // open drawing groups
    TArrayOf<TContour*> AContour;               // contour-collector stack; contours not owned
    TATime ATime;                               // time points
    TDetailInfo DI;                             // stamp data of the current detail
    Boolean Tread = true;                       // threads are drawn
    Boolean OnlySizes2D = false;                // 2D primitives draw nothing, only sizes are kept
    Boolean prevOnlySizes2D = false;            // saved OnlySizes2D

    explicit TRegistryModeler2D(TConstraint2D& iConstraint2D);
    virtual ~TRegistryModeler2D();
    TRegistryModeler2D(const TRegistryModeler2D&) = delete;
    TRegistryModeler2D& operator=(const TRegistryModeler2D&) = delete;
};

class TModeler2D {
public:
    TReferenceOf<TRegistryModeler2D> R2; // the private state, owned

    explicit TModeler2D(TConstraint2D& iConstraint2D);
    TModeler2D(const TModeler2D&) = delete;
    TModeler2D& operator=(const TModeler2D&) = delete;

    // ---- State accessors -------------------------------------------------------------
    Integer GetCount() const { return R2->Count; }
    // The recorder's switch that fixes the first point of a new chain.
    Boolean& NeedFixConstraintPoint() { return R2->Constraint2D.FixFirst; }
    void SetDetCode(Integer Code) { R2->IDetCode = Code; }
    Integer GetDetCode() const { return R2->IDetCode; }
    // The current detail (DI) as a detail code: copy 0, suffix the low byte of cSuffics.
    TDetailCode GetDetailCode() const;
    Boolean IsOnlySizes2D() const { return R2->OnlySizes2D; }
    void SetOnlySizes2D(Boolean V) { R2->OnlySizes2D = V; }
    // Saves OnlySizes2D (one level) and sets it to V; PopOnlySizes2D restores the saved value.
    void PushOnlySizes2D(Boolean V);
    void PopOnlySizes2D() { R2->OnlySizes2D = R2->prevOnlySizes2D; }
    // The contour drawn curves go to: the top of the collector stack; null when the stack is
    // empty or its top is null (drawing goes to the document).
    TContour* OutputContour() const;
    Boolean isOutput() const { return OutputContour() != nullptr; }
    // A contour starts collecting on top of the stack; null ends the top one (pops it).
    void SetOutput(TContour* C);

    // ---- Virtual operations, in slot order ----------------------------------------------
    virtual ~TModeler2D();
    virtual void SetVersion(Integer iVersion);
    virtual Integer GetVersion();
    virtual SimpleName GetMainName();
    virtual SimpleName GetAdditionalName();
    // Increments AdditionalName and returns the new value.
    virtual SimpleName GetNextAdditionalName();
    // MainName := iName, AdditionalName := iAdd, AdditionalName2 := 0.
    virtual void SetMainName(SimpleName iName, SimpleName iAdd);
    // Draws one curve by its kind: a segment with drLine, a circle with drCircle, an arc with
    // the angle form of drArc; other kinds and null draw nothing. Style OutAtribute, or the
    // curve's own Atr when OutAtribute is 0.
    virtual void drItem(TBasePoint* Item, Integer OutAtribute);
    // Pushes a placement on the modeller's own stack composed with the enclosing one.
    virtual void drMtr(Real x, Real y, Real Angle, Real Scale);
    virtual void drDeleteMtr();
    virtual void drGlobalMtr(Real const& x, Real const& y, Real const& z) = 0;
    // Section line: NewCut empties the collected points, ACT maps (x, y) through the top of
    // the modeller's stack and appends it, ACTIf does so when U holds.
    virtual void NewCut();
    virtual void ACT(Real const& x, Real const& y);
    virtual void ACTIf(Boolean U, Real const& x, Real const& y);
    virtual void DrawCut(Str const& S, Integer Direction) = 0;
    virtual void drGroup(Boolean Temporary) = 0;
    virtual void drEndGroup() = 0;
    virtual void drClearRegion(long Color) = 0;
    virtual void drColouring(long Color) = 0;
    virtual Real drCreateAttrStr(Real Id) = 0;
    // Starts collecting a hatch outline: clears HatchContour and pushes it on the collector
    // stack unless a contour already collects. Tip, Fstr and Shag are not kept. The facade
    // overrides it with a host hatch.
    virtual void drHatch(Integer Tip, Real Fstr, Real Shag);
    virtual void drMacro2D(Boolean AllLayer) = 0;
    virtual void drEndMacro() = 0;
    // Ends a hatch: pops the collector stack when its top is HatchContour.
    virtual void drEndObj();
    // The facade hides this one on purpose with its own drDeleteObj(IDrawingObjectPtr&), which
    // empties the caller's pointer; a using would make its calls ambiguous.
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Woverloaded-virtual"
    virtual void drDeleteObj(tvapi::IDrawingObjectPtr Object);
#pragma GCC diagnostic pop
    virtual void drColorStyle(Integer Attr, TPenStyles style);
    // Arc of centre (X, Y) and radius R from the direction of (x1, y1) to that of (x2, y2);
    // Napr +1 counter-clockwise, -1 clockwise.
    virtual void drArc(Real const& X, Real const& Y, Real const& R, Real const& x1, Real const& y1,
                       Real const& x2, Real const& y2, Integer Napr, Integer Attr) = 0;
    // Arc of centre (X, Y) and radius R from angle t1 to t2 (radians), Napr as above.
    virtual void drArc(Real const& X, Real const& Y, Real const& R, Real const& t1, Real const& t2,
                       Integer Attr, Integer Napr) = 0;
    // Circle of centre (X, Y) and radius R.
    virtual void drCircle(Real const& X, Real const& Y, Real const& R, Integer Attr) = 0;
    // Ellipse of centre (X, Y), semi-axes A (along Angle degrees) and B.
    virtual void drEllipse(Real const& X, Real const& Y, Real const& A, Real const& B, Real const& Angle,
                           Integer Attr) = 0;
    // Segment from (x1, y1) to (x2, y2); coincident ends draw nothing.
    virtual void drLine(Real const& x1, Real const& y1, Real const& x2, Real const& y2, Integer Attr) = 0;
    // Four sides (x1, y1)-(x1, y2)-(x2, y2)-(x2, y1)-(x1, y1); nothing when x1 = x2 or y1 = y2.
    virtual void drRectAngle(Real const& x1, Real const& y1, Real const& x2, Real const& y2, Integer Attr);
    // The rectangle (X1, Y1)-(X2, Y2) with its two centre lines, plain (Axle), with corners
    // filleted R (Connest) or chamfered F (Faska); nothing for an empty box or a corner
    // larger than a side. The centre lines are drawn while only sizes are kept, too.
    virtual void drRectAngleAxle(Real const& X1, Real const& Y1, Real const& X2, Real const& Y2,
                                 Integer Attr);
    virtual void drRectAngleAxleConnest(Real const& X1, Real const& Y1, Real const& X2, Real const& Y2,
                                        Real const& R, Integer Attr);
    virtual void drRectAngleAxleFaska(Real const& X1, Real const& Y1, Real const& X2, Real const& Y2,
                                      Real const& F, Integer Attr);
    // A thread seen end on: the minor circle R - 1 in Attr and three quarters of the major
    // circle R thin; Axle adds the centre lines, Dim registers the size S for the layout.
    virtual void drCircleRizba(Real const& x, Real const& y, Real const& R, Integer Attr);
    virtual void drCircleAxleRizba(Real const& x, Real const& y, Real const& R, Integer Attr);
    virtual void drCircleAxleRizbaDim(Real const& x, Real const& y, Real const& R, Integer Attr,
                                      Str const& S);
    // A circle with its centre lines (none when Attr is 0); Mark hatches the sector from A1
    // to A1 + DA degrees, Dim registers the size S for the layout.
    virtual void drCircleAxle(Real const& x, Real const& y, Real const& R, Integer Attr);
    virtual void drCircleAxleMark(Real const& x, Real const& y, Real const& R, Integer Attr, Integer A1,
                                  Integer DA);
    virtual void drCircleAxleDim(Real const& x, Real const& y, Real const& R, Integer Attr, Str const& S);
    virtual void drRectAngleAxleDim3D(tvapi::tvObj3dTypeEnum BasePlane, Real const& Vidst, Real const& X1,
                                      Real const& Y1, Real const& X2, Real const& Y2, Integer Attr,
                                      Str const& S1) = 0;
    virtual void drRectAngleAxleDim(Real const& X1, Real const& Y1, Real const& X2, Real const& Y2,
                                    Integer Attr, Str const& S1, Real const& dxs, Real const& dys);
    // A corner of the segments (x11, y11)-(x12, y12) and (x21, y21)-(x22, y22) rounded with
    // radius R.
    virtual void drCLL(Real const& x11, Real const& y11, Real const& x12, Real const& y12, Real const& x21,
                       Real const& y21, Real const& x22, Real const& y22, Real const& R, Integer Attr);
    // From (SX, SY) by the corner (x1, y1) to (x, y), the corner chamfered R along each leg.
    virtual void drFsk(Real const& SX, Real const& SY, Real const& x1, Real const& y1, Real const& x,
                       Real const& y, Real const& R, Integer Attr);
    // The path (SX, SY), (x1, y1), (x2, y2), (x, y), its two corners filleted R (sharp when
    // a fillet does not fit).
    virtual void drCVR(Real const& SX, Real const& SY, Real const& x1, Real const& y1, Real const& x2,
                       Real const& y2, Real const& x, Real const& y, Real const& R, Integer Attr);
    // Text S with its baseline starting at (x, y), turned FStr degrees, height Hs mm,
    // narrowing Ksu (1 none), style bits Fb; S may hold the text markup.
    virtual void drText(Real const& x, Real const& y, Real const& FStr, Real const& Hs, Real const& Ksu,
                        Integer Fb, Str const& S) = 0;
    // A point; inside an open leader or cut line, the next branch end or cut point instead.
    virtual void drPoint(Real const& x, Real const& y) = 0;
    virtual void drPolyline3D(Boolean Closed) = 0;
    // A section line from (x1, y1) to (x2, y2), further points by drPoint until drEndObj,
    // designated S (height Hs, narrowing Ksu, slant Fch). The host shows its ends: open thick
    // strokes with arrows across them, to the line's left seen from its first point when
    // Napr1 >= 0, to its right when Napr1 < 0, the letter beside each arrow.
    virtual void drCut(Real const& Hs, Real const& Ksu, Real const& Fch, Str const& S, Real const& x1,
                       Real const& y1, Integer Napr1, Real const& x2, Real const& y2, Integer Napr2) = 0;
    // Leader whose shelf starts at (x, y), towards Napr; texts S1 above the shelf and S2
    // below it (heights Hs1, Hs2). The branches are added by drPoint until drEndObj and end
    // as Tips says (tvLeaderWithoutArrow: no arrowhead).
    virtual void drShelf(tvapi::tvLeaderSignEnum Tipz, Real const& x, Real const& y,
                         tvapi::tvShelfDirectionEnum Napr, tvapi::tvArrowEnum Tips, Real const& Hs1,
                         Real const& Ksu1, Real const& Fch1, Str const& S1, Real const& Hs2, Real const& Ksu2,
                         Real const& Fch2, Str const& S2) = 0;
    // A drawing (tDoc a drawing) or fragment saved as Name with its extension, on the sheet
    // format iFormat (0 A0 .. 4 A4), landscape when Krat is not 0.
    virtual void drCreateLeaf(Str& Name, tvapi::DocumentTypeEnum tDoc, Integer iFormat, Integer Krat,
                              Integer Tips, Integer Pros, Str& Comment, Boolean Invisible) = 0;
    // View N of the detail's sheet, its origin moved on by (x, y) from the last.
    virtual Boolean drView(Integer N, Real const& x, Real const& y) = 0;
    virtual Boolean drLeafStamp(Integer Detail, Integer subDetail, Boolean Invisible) = 0;
    virtual Boolean drLeafStamp(Integer Detail, Integer subDetail, Real const& x, Real const& y,
                                Boolean Invisible) = 0;
    // The detail's sheet with its title block, then view 1 with its origin at (x, y); false,
    // with nothing made, for a detail the control model does not hold.
    virtual Boolean drLeafStampView1(Integer Detail, Integer subDetail, Real const& x, Real const& y,
                                     Boolean Invisible) = 0;
    virtual void drSaveLeaf() = 0;
    virtual void drShtamp() = 0;
    virtual void drCreateLeafSpw(Str const& iName, Str const& Comment);
    virtual void drCloseLeafSpw(Boolean Close) = 0;
    // Technical requirements: drOpenTDem opens them above the title block of the sheet,
    // drStringObj adds the line S (or writes S into the open title-block cell), drCloseTDem
    // commits them.
    virtual void drCloseTDem() = 0;
    virtual void drOpenTDem() = 0;
    virtual void drStringObj(Str const& S) = 0;
    // View N with its origin at (x, y) on the sheet, turned Alf degrees, at Scale (sheet
    // length per model length); Comment names it and is not drawn.
    virtual void drView(Integer N, Real const& x, Real const& y, Real const& Alf, Real const& Scale,
                        Str const& Comment) = 0;
    virtual void drAStView7(Integer N, Real const& x, Real const& y, Real const& Alf, Real const& Scale,
                            Str const& Comment, Str const& FName, Str const& tView) = 0;
    virtual void drAStView7(Real const& x, Real const& y, Real const& Alf, Real const& Scale,
                            Str const& Comment, Str const& FName, TMtr3D const& M);
    virtual void drACutView7(Real const& x, Real const& y, Real const& Alf, Real const& Scale,
                             Str const& Comment, tvapi::IDrawingObjectPtr pCut) const;
    virtual void drCloseView() = 0;
    // Closes the sheet: fits it to the smallest standard format that holds its views, the
    // drawing at the frame's upper-left corner, then saves it. Nothing while a contour collects.
    virtual void drCloseLeaf() = 0;
    virtual void drCloseViewTDemCloseLeaf(Str const& S1, Str const& S2, Str const& S3, Str const& S4);
    virtual void drLayer(Integer NumerOfLayer) = 0;
    virtual void SetDimAssociateVariable(tvapi::IDrawingObjectPtr Dim, Str const& Expresion) = 0;
    // Linear dimension between (x1, y1) and (x2, y2): iVal its value (shown as given when an
    // end has no terminator, T = 0), (Dx, Dy) and Pt as in the header, Pn the text's
    // placement, Fn and Dln the angle and length of a shelf, T1/T2 the terminator kinds and
    // Po1/Po2 whether each is shown, S1..S3 the texts.
    virtual void drDimL(Real const& iVal, Str const& Qual, Real const& Dx, Real const& Dy, Integer Pt,
                        Integer Pn, Real const& Fn, Real const& Dln, Real const& x1, Real const& y1,
                        Integer T1, Integer Po1, Real const& x2, Real const& y2, Integer T2, Integer Po2,
                        Str const& S1, Str const& S2, Str const& S3) = 0;
    // Diameter Val of the circle centred (x, y); its line leaves at FBase degrees, Pt and
    // Pn as for drDimL, texts S1..S3 (S1 usually "&02").
    virtual void drDimD(Real const& Val, Str const& Qual, Real const& FBase, Integer Pt, Integer Pn,
                        Real const& x, Real const& y, Integer t, Str const& S1, Str const& S2,
                        Str const& S3) = 0;
    // drDimD with the roughness S4 on the dimension line by the circle.
    virtual void drDimDRough(Real const& Val, Str const& Qual, Real const& FBase, Integer Pt, Integer Pn,
                             Real const& x, Real const& y, Integer t, Str const& S1, Str const& S2,
                             Str const& S3, Str const& S4);
    // Radius Val of the arc centred (xc, yc); its line leaves at FBase degrees, the text
    // shifted Drl along it.
    virtual void drDimR(Real const& Val, Str const& Qual, Real const& FBase, Real const& Drl, Integer Pt,
                        Integer Pn, Real const& xc, Real const& yc, Integer t, Integer Po, Str const& S1,
                        Str const& S2, Str const& S3) = 0;
    // Radius Val from the point (Xs, Ys) on the arc towards (Xp, Yp).
    virtual void drDimRpp(Real const& Val, Integer Pt, Real const& Xs, Real const& Ys, Real const& Xp,
                          Real const& Yp, Integer Ts, Str const& S1, Str const& S2, Str const& S3);
    // Angle Val degrees at the vertex (xc, yc) from the ray at FBase to the ray at
    // FBase + Napr * Val; its arc has radius Rr (none given: 25); (x1, y1) and (x2, y2) are
    // points on the rays (the edges measured), S the text before the value.
    virtual void drDimA(Real const& Val, Integer Napr, Real const& FBase, Real const& Rr, Integer Pt,
                        Integer Pn, Real const& Fn, Real const& Dln, Real const& x1, Real const& y1,
                        Integer T1, Integer Po1, Real const& x2, Real const& y2, Integer T2, Integer Po2,
                        Str const& S, Real const& xc, Real const& yc) = 0;
    // Roughness sign with its tip at (x, y) on the surface, Fi degrees from the surface to
    // the sign (see the header), kind Tz; S1 the roughness, S2 and S3 the texts on and under
    // its shelf.
    virtual void drRough(Real const& x, Real const& y, Real const& Fi, tvapi::tvRoughSignEnum Tz,
                         Str const& S1, Str const& S2, Str const& S3) = 0;
    // The roughness of the surfaces not marked, S, in the sheet's corner.
    virtual void drSRough(Integer Tz, Boolean Tzs, Str const& S);
    virtual void drForm(Real const& x, Real const& y, Integer Tip, Integer S1, Str const& S2,
                        Str const& S3) = 0;
    virtual void drSupportForm(Real const& x, Real const& y, Integer Top, Integer Twx) = 0;
    // Datum sign: its triangle on the surface at (x, y), its frame with the letter S at
    // (x + dx, y + dy).
    virtual void drBase(Real const& x, Real const& y, Real const& dx, Real const& dy, Str const& S) = 0;
    // View pointer: the arrow's head at (x1, y1), next to the part, its tail at (x2, y2); the
    // letter S (height Hs) beside the shaft across from (Xt, Yt).
    virtual void drWPointer(Real const& x1, Real const& y1, Real const& x2, Real const& y2, Real const& Xt,
                            Real const& Yt, Real const& Hs, Real const& Ksu, Real const& Fch,
                            Str const& S) = 0;
    virtual void drSpcObj(Str& Name, Quor::TSectionSpc TypeObj, tvapi::IDrawingObjectPtr GeometyGroup) = 0;
    virtual void drSpcObject(Quor::TSectionSpc TypeObj, Str const& NameFileObject, Integer Pos,
                             Integer Count) = 0;
    // Shortcuts of drDimL: HL measures along x with its line Dy off the second point, VL
    // along y with its line Dx off it; Pt places the text (a value above 30 is centred). The
    // plain forms show both terminators, 1 only the first's, 2 only the second's (a half
    // shown whole). Nothing for a value of 0; the offset is in sheet millimetres whatever the
    // placement's scale.
    virtual void drDimHL(Real const& Value, Real const& Dy, Real const& Pt, Real const& X1, Real const& Y1,
                         Real const& X2, Real const& Y2, Str const& S1, Str const& S2, Str const& S3);
    virtual void drDimHL1(Real const& Value, Real const& Dy, Real const& Pt, Real const& X1, Real const& Y1,
                          Real const& X2, Real const& Y2, Str const& S1, Str const& S2, Str const& S3);
    virtual void drDimHL2(Real const& Value, Real const& Dy, Real const& Pt, Real const& X1, Real const& Y1,
                          Real const& X2, Real const& Y2, Str const& S1, Str const& S2, Str const& S3);
    virtual void drDimVL(Real const& Value, Real const& Dx, Real const& Pt, Real const& X1, Real const& Y1,
                         Real const& X2, Real const& Y2, Str const& S1, Str const& S2, Str const& S3);
    virtual void drDimVL1(Real const& Value, Real const& Dx, Real const& Pt, Real const& X1, Real const& Y1,
                          Real const& X2, Real const& Y2, Str const& S1, Str const& S2, Str const& S3);
    virtual void drDimVL2(Real const& Value, Real const& Dx, Real const& Pt, Real const& X1, Real const& Y1,
                          Real const& X2, Real const& Y2, Str const& S1, Str const& S2, Str const& S3);
    // Angle Val of an arc of the circle sRr about (xc, yc), from FBase back to FBase - Val,
    // its dimension arc at radius Rr.
    virtual void drDimApc(Real const& Val, Real const& FBase, Real const& Rr, Real const& sRr, Str const& S,
                          Real const& xc, Real const& yc);
    // The thin circle rc about (xc, yc) marking an enlarged view, and the leader from it to
    // the shelf at (xs, ys) carrying the letter ts; nothing when the shelf is inside.
    virtual void drCircleShelf(Real const& xc, Real const& yc, Real const& rc, Real const& xs, Real const& ys,
                               Str const& ts);
    virtual void drConstraint(tvapi::tvConstraintTypeEnum T, tvapi::IDrawingObjectPtr Obj, Integer IObj,
                              tvapi::IDrawingObjectPtr Obj2, Integer IObj2) = 0;

private:
    // Helpers of the composite operations: the two centre lines of the box (X1, Y1)-(X2, Y2)
    // reaching `over` past it; a thread (circle R - 1 and the arc R ending `overEnd` above);
    // a linear dimension shortcut with its offset scaled back from the placement.
    void DrawAxes(Real const& X1, Real const& Y1, Real const& X2, Real const& Y2, Real const& over);
    void DrawThread(Real const& x, Real const& y, Real const& R, Integer Attr, Real const& overEnd);
    void DimShortcut(Real const& Value, Real const& offset, Boolean vertical, Boolean keepZero, Integer T1,
                     Integer Po1, Integer T2, Integer Po2, Real const& Pt, Real const& X1, Real const& Y1,
                     Real const& X2, Real const& Y2, Str const& S1, Str const& S2, Str const& S3);
};
