#pragma once
// TModeler3D: the abstract 3D modeller, a TModeler2D that also builds parts and assemblies
// (sketches, extrusions, rotations, details placed in an assembly, 3D macros). The host
// facade is its implementation. Lengths are millimetres, angles degrees; a sketch is drawn
// with the 2D operations of drModeler.h in its plane's (u, v), and the features below take
// the closed outlines of the open sketch (styles as in drModeler.h; the axis line, style 3,
// is what a rotation turns about).

#include "drModeler.h"

class TMark;

class TModeler3D : public TModeler2D {
public:
    // Lends the variable registry its publisher (PublishVariable).
    explicit TModeler3D(TConstraint2D& iConstraint2D);

    // Makes this modeller share M's private state (not owned).
    void Assign(TModeler3D& M);

    // ---- Operations redeclared from TModeler2D ------------------------------------------
    void SetDimAssociateVariable(tvapi::IDrawingObjectPtr Dim, Str const& Expresion) override = 0;
    void drSpcObject(Quor::TSectionSpc TypeObj, Str const& NameFileObject, Integer Pos,
                     Integer Count) override = 0;
    // Does nothing.
    void drSpcObj(Str& Name, Quor::TSectionSpc TypeObj, tvapi::IDrawingObjectPtr GeometyGroup) override;

    // ---- 3D operations, in slot order ----------------------------------------------------
    // mUknown here.
    virtual TypeModeler Is() const;
    // Opens a sketch named Name on the base plane offset Distance along its normal, turned
    // Angle degrees about it.
    virtual void drPlaneEskis(tvapi::tvObj3dTypeEnum BasePlane, Real Distance, Real Angle,
                              Str const& Name) = 0;
    virtual void drCreateEskis(Real Angle);
    virtual void drSet(Str const& Name, Str const& Marking, Str const& Note, Integer TypeDet);
    virtual void AddDetail(Integer DetailCode, Integer Suffics, TMtr3D const& M);
    virtual void AddDetail(Real const& x, Real const& y, Real const& z, Str const& DetailName,
                           Boolean ReverseZ, Boolean ExternalFile);
    // Places the detail's part at (x, y, z) in the open assembly, its Z reversed on request.
    virtual void AddDetail(Real const& x, Real const& y, Real const& z, Integer DetailCode, Integer Suffics,
                           Boolean ReverseZ) = 0;
    // Placement by origin (x, y, z), X axis (xDx, xDy, xDz) and Y axis (yDx, yDy, yDz).
    virtual void AddDetailAxle(Real const& x, Real const& y, Real const& z, Integer DetailCode,
                               Integer Suffics, Real const& xDx, Real const& xDy, Real const& xDz,
                               Real const& yDx, Real const& yDy, Real const& yDz) = 0;
    virtual void AddDetailIf(Real const& x, Real const& y, Real const& z, Integer DetailCode, Integer Suffics,
                             Boolean U, Boolean ReverseZ);
    virtual void AddDetail(Real const& x, Real const& y, Real const& z, Integer DetailCode, Integer Suffics,
                           Boolean ReverseZ, Real const& A);
    virtual void drMacro3D(Str const& Name, Boolean MStaffVisible) = 0;
    virtual void drEndMacro3D() = 0;
    // False here.
    virtual Boolean drSetDC(Integer Detail, Integer subDetail);
    // A new part (isDetail) or assembly saved as FileName, named Name and marked Marking;
    // false when none was made. A part made whose file could not be saved is told and fails
    // its save.
    virtual Boolean drCreate3D(Boolean Invisible, Boolean isDetail, Str const& FileName, Str const& Name,
                               Str const& Marking) = 0;
    // False here.
    virtual Boolean drCreate3DNewPart(Integer Detail, Integer subDetail, Boolean InVisible);
    // False here.
    virtual Boolean drCreate3DNewPartPlane(Integer Detail, Integer subDetail, Boolean InVisible,
                                           tvapi::tvObj3dTypeEnum BasePlane, Real const& Vidst);
    // False here.
    virtual Boolean dr3DPart(Integer Detail, Integer subDetail, Boolean InVisible);
    // The part's colour (0xBBGGRR) and optical properties, each from 0 to 1.
    virtual void drColor3D(Integer Color, Real const& ambient, Real const& Diffuse, Real const& specularity,
                           Real const& shininess, Real const& transparency, Real const& emission) = 0;
    // Closes the part, saving it on request, and lists it in Section of the specification.
    virtual void drClose3D(Boolean SaveDocument3D, Quor::TSectionSpc Section) = 0;
    virtual void drSave3D(Boolean Close, Boolean NeedNameMarking);
    // What the current part must be when it is saved: Bodies bodies, each one solid of positive
    // volume inside a finite box. A save of a part that is not is refused: nothing is saved,
    // its file goes, the part is closed and a box "Деталь не построена: " names Size (the
    // part's name when empty). Holds until the part is closed. Nothing here.
    virtual void drExpect3D(Integer Bodies, Str const& Size);
    // Whether the last part closed was refused by that check; false here.
    virtual Boolean drRefused3D() const;
    // Boxes told from now on wait for the next part's check, as those told while it is built:
    // a sheet drawn before its part so tells its boxes in the part's one refusal, each once.
    virtual void drHoldBoxes3D();
    // The part of file File is not built, though it was never begun: as a refused part, it
    // leaves no file and its detail's sheet is neither made nor kept. Nothing here.
    virtual void drNotBuilt3D(Str const& File);
    virtual void drSave3DAs(Integer cDetail, Integer cSuffics, Boolean Close);
    // Extrudes the sketch's outlines Depth along Napr (TypDepth: how the end is found), with
    // a draft of Angle degrees, adding material (Base), removing it (Cut) or as a surface.
    virtual void drBaseExtrusion(tvapi::tvDirectionTypeEnum Napr, tvapi::tvEndTypeEnum TypDepth,
                                 Real const& Depth, Real const& Angle) = 0;
    virtual void drCutExtrusion(tvapi::tvDirectionTypeEnum Napr, tvapi::tvEndTypeEnum TypDepth,
                                Real const& Depth, Real const& Angle) = 0;
    virtual void drBaseExtrusion(tvapi::tvDirectionTypeEnum Napr, tvapi::tvEndTypeEnum TypDepth,
                                 Real const& Depth, Real const& Angle, Boolean Dim);
    virtual void drSurfaceExtrusion(tvapi::tvDirectionTypeEnum Napr, tvapi::tvEndTypeEnum TypDepth,
                                    Real const& Depth, Real const& Angle) = 0;
    // Turns the sketch's outlines Angle degrees about its axis line (Napr the sense), adding
    // material (Base), removing it (Cut, M marks the faces made) or as a surface.
    virtual void drBaseRotate(Integer Napr, Real const& Angle) = 0;
    virtual void drCutRotate(Integer Napr, Real const& Angle, TMark* M) = 0;
    virtual void drSurfaceRotate(Integer Napr, Real const& Angle) = 0;
    // An empty pointer here.
    virtual tvapi::ITervanAPIObjectPtr GetActiveDoc();
    // An empty pointer here.
    virtual tvapi::IVariablePtr drAddVariable(Str const& Name, Real const& Value, Str const& Note);
    // True while a sketch is open for drawing, so that a feature is not built on an older
    // one; false here.
    virtual Boolean IsEskisOpen() const;

    // M.drAddVariable(Name, Value, Note); with an answer and a LinkDocName, the variable is
    // linked to the variable Name of the document LinkDocName (the link's answer is not read).
    static void PublishVariable(TModeler3D& M, const TString& Name, double Value, const TString& Note,
                                const TString& LinkDocName);
};
