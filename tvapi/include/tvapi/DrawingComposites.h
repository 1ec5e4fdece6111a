#pragma once
// Composite 2D objects of the host and the places they are drawn in: the view and its
// containers, macro objects, leaders, section lines, tolerances, hatches and fills, the title
// block and the technical requirements (the primitives are in DrawingPrimitives.h).

#include <cstdint>
#include <string>
#include <vector>

#include "tvapi/Base.h"
#include "tvapi/DrawingObject.h"
#include "tvapi/DrawingTexts.h"

namespace tvapi {

// Collections and parts of 2D objects, declared with the objects (DrawingPrimitives.h,
// Dimensions.h).
class ILayers;
class IVariable;
class ILineSegments;
class IArcs;
class ICircles;
class IEllipses;
class IDrawingTexts;
class IHatches;
class IPoints;
class IColourings;
class IMacroObjects;
class ICutLines;
class ILeaders;
class ILineDimensions;
class IDiametralDimensions;
class IAngleDimensions;
class IText;
class IRoughs;
class IBases;
class ITolerances;
class IViewPointers;

// A list of drawing objects, as lists cross the interface in either direction.
using DrawingObjectList = std::vector<IDrawingObjectPtr>;

// A view of a 2D document: its own placement and scale on the sheet.
class IView : public IAPIObject {
public:
    static constexpr char IID[] = "6F0D2ADC-ECF1-4C24-B113-5D0CF8863FF8";
    using Parent = IAPIObject;

    virtual int GetNumber() = 0;
    virtual void SetNumber(int number) = 0;
    // Origin on the sheet (millimetres), scale (sheet length per model length) and angle
    // (degrees, counter-clockwise) of the view's own coordinate system.
    virtual double GetX() = 0;
    virtual void SetX(double x) = 0;
    virtual double GetY() = 0;
    virtual void SetY(double y) = 0;
    virtual double GetScale() = 0;
    virtual void SetScale(double scale) = 0;
    virtual double GetAngle() = 0;
    virtual void SetAngle(double angle) = 0;
    virtual std::wstring GetName() = 0;
    virtual void SetName(const wchar_t* name) = 0;
    // A display value of the view, kept for the host's drawing of it.
    virtual int GetDisplayValue() = 0;
    virtual void SetDisplayValue(int value) = 0;
    virtual Ptr<ILayers> GetLayers() = 0;
    // The rectangle round everything the view shows, its texts and arrowheads included, in
    // sheet millimetres (x1, y1 lower left, x2, y2 upper right); false for a view that shows
    // nothing or is gone, and then the four values are unchanged.
    virtual bool GetExtent(double& x1, double& y1, double& x2, double& y2) = 0;
    // Applies the properties set since the last update; false once the view is gone.
    virtual bool Update() = 0;
    // The variable a dimension of the view carries (a dimension constraint with a variable
    // name); `linear` tells the view the object is a linear dimension. Empty for none.
    virtual Ptr<IVariable> GetDimensionVariable(IDrawingObjectPtr dimension, bool linear) = 0;

protected:
    ~IView() = default;
};

using IViewPtr = Ptr<IView>;

// The 2D objects of a view or sketch, by kind.
class IDrawingContainer : public IAPIObject {
public:
    static constexpr char IID[] = "0ED052C4-B4DF-4915-A036-DAC102F36CD1";
    using Parent = IAPIObject;

    // Collections that add new objects to this container; empty once it is gone.
    virtual Ptr<ILineSegments> GetLineSegments() = 0;
    virtual Ptr<IArcs> GetArcs() = 0;
    virtual Ptr<ICircles> GetCircles() = 0;
    virtual Ptr<IEllipses> GetEllipses() = 0;
    virtual Ptr<IDrawingTexts> GetDrawingTexts() = 0;
    virtual Ptr<IHatches> GetHatches() = 0;
    virtual Ptr<IPoints> GetPoints() = 0;
    virtual Ptr<IColourings> GetColourings() = 0;
    virtual Ptr<IMacroObjects> GetMacroObjects() = 0;
    // The container's objects of kind `type` (tvAllObj: all), in creation order; objects
    // inside macro objects are not listed.
    virtual DrawingObjectList GetObjects(DrawingObjectTypeEnum type) = 0;

protected:
    ~IDrawingContainer() = default;
};

using IDrawingContainerPtr = Ptr<IDrawingContainer>;

// The symbols (leaders, roughness signs, tolerances) of a view or sketch.
class ISymbols2DContainer : public IAPIObject {
public:
    static constexpr char IID[] = "C27ED7E3-1A09-4E0E-8A2A-0E6DBA8E84B4";
    using Parent = IAPIObject;

    virtual Ptr<ICutLines> GetCutLines() = 0;
    virtual Ptr<ILeaders> GetLeaders() = 0;
    virtual Ptr<ILineDimensions> GetLineDimensions() = 0;
    // Also adds radial dimensions: the collection offers IRadialDimensions.
    virtual Ptr<IDiametralDimensions> GetDiametralDimensions() = 0;
    virtual Ptr<IAngleDimensions> GetAngleDimensions() = 0;
    // Collections of the annotation signs (Signs.h).
    virtual Ptr<IRoughs> GetRoughs() = 0;
    virtual Ptr<IBases> GetBases() = 0;
    virtual Ptr<ITolerances> GetTolerances() = 0;
    virtual Ptr<IViewPointers> GetViewPointers() = 0;

protected:
    ~ISymbols2DContainer() = default;
};

using ISymbols2DContainerPtr = Ptr<ISymbols2DContainer>;

// A 2D macro object: members drawn as one. It is a container itself (IDrawingContainer,
// ISymbols2DContainer) and keeps the parameters of the library that made it
// (IUserParameters).
class IMacroObject : public IDrawingObject {
public:
    static constexpr char IID[] = "35425296-FBCF-4A2A-ADAB-CB23239E54DE";
    using Parent = IDrawingObject;

    // Two switches and a placement that the host keeps for the macro object.
    virtual void SetFixed(bool value) = 0;
    virtual void SetEditable(bool value) = 0;
    virtual void SetPlacement(int mode, int kind, double x, double y, double angle) = 0;
    // As ITervanDocument2D::FindObject among the macro object's own elements.
    virtual IDrawingObjectPtr FindElement(double x, double y, double tolerance,
                                          ITervanAPIObjectPtr parameters) = 0;

protected:
    ~IMacroObject() = default;
};

using IMacroObjectPtr = Ptr<IMacroObject>;

// What every leader offers: it is completed by its update.
class IBaseLeader : public IDrawingObject {
public:
    static constexpr char IID[] = "6161227A-FC26-487A-8466-FBFFACBBD84B";
    using Parent = IDrawingObject;

protected:
    ~IBaseLeader() = default;
};

using IBaseLeaderPtr = Ptr<IBaseLeader>;

// A leader with its shelf and texts; its branches through IBranchs.
class ILeader : public IBaseLeader {
public:
    static constexpr char IID[] = "BCC040FC-99A0-4FF1-A54B-7679F4BDF96B";
    using Parent = IBaseLeader;

    virtual tvShelfDirectionEnum GetShelfDirection() = 0;
    virtual void SetShelfDirection(tvShelfDirectionEnum direction) = 0;
    // How the branches end; a new leader's end without arrows.
    virtual void SetArrowType(tvArrowEnum type) = 0;
    // The text written on the shelf.
    virtual Ptr<IText> GetTextOnShelf() = 0;

protected:
    ~ILeader() = default;
};

using ILeaderPtr = Ptr<ILeader>;

// A section line with its arrows.
class ICutLine : public IDrawingObject {
public:
    static constexpr char IID[] = "C452B114-BFCA-4B11-BA96-3C3A0B2C6269";
    using Parent = IDrawingObject;

    // True turns the arrows to the other side of the line.
    virtual bool GetArrowDirection() = 0;
    virtual void SetArrowDirection(bool value) = 0;
    virtual double GetX1() = 0;
    virtual void SetX1(double x) = 0;
    virtual double GetY1() = 0;
    virtual void SetY1(double y) = 0;
    virtual double GetX2() = 0;
    virtual void SetX2(double x) = 0;
    virtual double GetY2() = 0;
    virtual void SetY2(double y) = 0;
    // A kind code the host keeps for the line.
    virtual int GetKind() = 0;
    virtual void SetKind(int kind) = 0;
    // The designation written at the arrows.
    virtual Ptr<IText> GetText() = 0;
    // The break points as x0, y0, x1, y1, ...; an odd count drops the last value.
    virtual std::vector<double> GetPoints() = 0;
    virtual void SetPoints(const std::vector<double>& points) = 0;

protected:
    ~ICutLine() = default;
};

using ICutLinePtr = Ptr<ICutLine>;

// A form tolerance frame: a table of cells (IToleranceParam) with leader branches
// (IBranchs).
class ITolerance : public IDrawingObject {
public:
    static constexpr char IID[] = "F0FA98C1-CB3E-4C67-BDC0-1A202E49E1F6";
    using Parent = IDrawingObject;

    // Two integer settings of the frame's row `index` (its cell kind and its size code).
    virtual void SetCellKind(int index, int value) = 0;
    virtual void SetCellSize(int index, int value) = 0;

protected:
    ~ITolerance() = default;
};

using ITolerancePtr = Ptr<ITolerance>;

// A hatch inside boundaries; its pattern through IHatchParam, its boundaries through
// IBoundariesObject.
class IHatch : public IDrawingObject {
public:
    static constexpr char IID[] = "FBC14060-F974-4EDA-BE68-E2F4F0A52FEF";
    using Parent = IDrawingObject;

    // True: the hatch follows its boundary objects.
    virtual bool GetBoundariesFollow() = 0;
    virtual void SetBoundariesFollow(bool value) = 0;

protected:
    ~IHatch() = default;
};

using IHatchPtr = Ptr<IHatch>;

// A solid fill inside boundaries.
class IColouring : public IDrawingObject {
public:
    static constexpr char IID[] = "71B79D13-638F-4CBB-AE79-B67347070232";
    using Parent = IDrawingObject;

    // Fill colour as 0x00BBGGRR.
    virtual std::uint32_t GetColor() = 0;
    virtual void SetColor(std::uint32_t color) = 0;

protected:
    ~IColouring() = default;
};

using IColouringPtr = Ptr<IColouring>;

// The boundaries of a hatch or colouring.
class IBoundariesObject : public IAPIObject {
public:
    static constexpr char IID[] = "7B29E05C-AED5-4C3C-9092-7F86E1DBEB58";
    using Parent = IAPIObject;

    // Adds the objects of `objects` (empty entries are passed over) as boundaries; `clear`
    // drops the boundaries held before. False once the object is gone.
    virtual bool AddBoundaries(const DrawingObjectList& objects, bool clear) = 0;
    virtual DrawingObjectList GetBoundaries() = 0;

protected:
    ~IBoundariesObject() = default;
};

using IBoundariesObjectPtr = Ptr<IBoundariesObject>;

// Cells of a title block, as the host numbers them. Any other number may be passed on.
enum tvStampEnum : int {
    tvStPartNumber = 1,
    tvStDescription = 2,
    tvStMaterial = 3,
    tvStMass = 5,
    tvStScale = 6,
    tvStSheetNumber = 7,
    tvStNumberOfSheets = 8,
    tvStCompany = 9,
    tvStTypeOfWork = 10,
    tvStFormat = 32,
    tvStDocumentLetter1 = 40,
    tvStDocumentLetter2 = 41,
    tvStDocumentLetter3 = 42,
    tvStFullFileName = 43,
    tvStShortFileName = 44,
    tvStMarkingLine = 45,
    tvStDocumentName = 51,
    tvStDocumentCode = 52,
    tvStOKPCode = 53,
    tvStAuthor = 110,
    tvStCheckedBy = 111,
    tvStMfgApprovedBy = 112,
    tvStDesigner = 113,
    tvStRateOfInspection = 114,
    tvStApprovedBy = 115,
    tvStEndDesignDate = 130,
    tvStCheckedDate = 131,
    tvStMfgApprovedDate = 132,
    tvStExecutionDate = 133,
    tvStRateOfInspectionDate = 134,
    tvStApprovedDate = 135,
};

// The title block of a sheet: a table of cells, each holding a text of lines.
class IStamp : public IAPIObject {
public:
    static constexpr char IID[] = "40076244-4732-4A8E-A9C9-1EE0BC27B4D4";
    using Parent = IAPIObject;

    // The text of cell `cell`; empty when the title block has no such cell.
    virtual Ptr<IText> GetText(tvStampEnum cell) = 0;
    // Commits the cells' texts to the sheet; false once the title block is gone.
    virtual bool Commit() = 0;

protected:
    ~IStamp() = default;
};

using IStampPtr = Ptr<IStamp>;

// A text of several lines (title-block cell, technical requirements).
class IText : public IAPIObject {
public:
    static constexpr char IID[] = "8295EF80-88CB-4471-87A5-0BDBB6A2DDAF";
    using Parent = IAPIObject;

    // Appends an empty line; empty once the text is gone.
    virtual ITextLinePtr Add() = 0;
    virtual int GetCount() = 0;
    // Line `index`, from 0; empty out of range.
    virtual ITextLinePtr GetLine(int index) = 0;
    // The lines joined with "\n".
    virtual std::wstring GetStr() = 0;
    // Replaces the whole text; "\n" starts a new line (null reads as empty).
    virtual void SetStr(const wchar_t* text) = 0;

protected:
    ~IText() = default;
};

using ITextPtr = Ptr<IText>;

// The technical requirements of a sheet: a text placed in a block of the sheet.
class ITechnicalDemand : public IAPIObject {
public:
    static constexpr char IID[] = "4BEC85D1-3C24-40E1-AF41-98F6B7AF1B61";
    using Parent = IAPIObject;

    // The block as two corners x1, y1, x2, y2 in sheet millimetres; any other count of
    // values is refused (false).
    virtual bool SetBlock(const std::vector<double>& corners) = 0;
    virtual std::vector<double> GetBlock() = 0;
    // The requirements, one line each.
    virtual Ptr<IText> GetText() = 0;
    // Commits the edited requirements to the sheet; false once the drawing is gone.
    virtual bool Update() = 0;

protected:
    ~ITechnicalDemand() = default;
};

using ITechnicalDemandPtr = Ptr<ITechnicalDemand>;

} // namespace tvapi
