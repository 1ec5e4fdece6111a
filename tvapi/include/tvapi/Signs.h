#pragma once
// Annotation signs of a drawing: surface roughness, form-tolerance frames with their table,
// base (datum) signs and view pointers, and the collections of a symbols container that add
// them (ISymbols2DContainer::GetRoughs ...).

#include "tvapi/Base.h"
#include "tvapi/DrawingComposites.h"
#include "tvapi/DrawingObject.h"

namespace tvapi {

// A surface-roughness sign at a point; its kind, texts and sizes through IRoughParams.
class IRough : public IDrawingObject {
public:
    static constexpr char IID[] = "0B6E7C51-3F0D-4E5A-9C39-5D2F1C8A7E21";
    using Parent = IDrawingObject;

    virtual double GetX() = 0;
    virtual void SetX(double x) = 0;
    virtual double GetY() = 0;
    virtual void SetY(double y) = 0;

protected:
    ~IRough() = default;
};

using IRoughPtr = Ptr<IRough>;

class IRoughParams : public IAPIObject {
public:
    static constexpr char IID[] = "6A1D3E08-77B2-4F4C-8E0D-93C25B1F4A60";
    using Parent = IAPIObject;

    virtual void SetType(tvRoughSignEnum type) = 0;
    // Two integer settings of the sign's shelf and leader, kept for the host's drawing.
    virtual void SetShelf(int value) = 0;
    virtual void SetLeader(int value) = 0;
    // Size of the sign (millimetres) and its angle (degrees, counter-clockwise).
    virtual void SetSize(double value) = 0;
    virtual void SetAngle(double value) = 0;
    // The three texts of the sign (roughness value, processing, base length).
    virtual ITextPtr GetText1() = 0;
    virtual ITextPtr GetText2() = 0;
    virtual ITextPtr GetText3() = 0;

protected:
    ~IRoughParams() = default;
};

using IRoughParamsPtr = Ptr<IRoughParams>;

// The roughness of the surfaces not marked: one per drawing, written at the title block.
class ISpecRough : public IAPIObject {
public:
    static constexpr char IID[] = "E3A6F2B4-1C95-4D07-A8E1-4B7C0D9F3265";
    using Parent = IAPIObject;

    virtual void SetType(int value) = 0;
    virtual void SetText(const wchar_t* text) = 0;
    virtual void SetSign(int value) = 0;
    // True adds the sign in brackets after the text.
    virtual void SetInBrackets(bool value) = 0;
    // Applies what was set; false once the drawing is gone.
    virtual bool Apply() = 0;

protected:
    ~ISpecRough() = default;
};

using ISpecRoughPtr = Ptr<ISpecRough>;

// One cell of a table; its text is an object offering ITextLine.
class ITableCell : public IAPIObject {
public:
    static constexpr char IID[] = "91C4B7E2-5D38-4A6F-B0E9-2F7A6C3D8B14";
    using Parent = IAPIObject;

    virtual IAPIObjectPtr GetText() = 0;

protected:
    ~ITableCell() = default;
};

using ITableCellPtr = Ptr<ITableCell>;

// A table of one row of cells (the cells of a tolerance frame).
class ITable : public IAPIObject {
public:
    static constexpr char IID[] = "4F2E8A61-B7C3-4D95-9E10-6A5B3C7D2E48";
    using Parent = IAPIObject;

    // Inserts a cell before `index` (-1: after the last); `span` is kept with it. False
    // once the table is gone.
    virtual bool InsertCell(int index, int span) = 0;
    virtual int GetCellCount() = 0;
    // Cell (row, column); empty outside the table. The table has the one row 0.
    virtual ITableCellPtr GetCell(int row, int column) = 0;

protected:
    ~ITable() = default;
};

using ITablePtr = Ptr<ITable>;

// Parameters of a form-tolerance frame.
class IToleranceParam : public IAPIObject {
public:
    static constexpr char IID[] = "C8D1E5F7-2A46-4B39-8C0E-7F3A9B6D1E52";
    using Parent = IAPIObject;

    virtual void SetType(int value) = 0;
    virtual ITablePtr GetTable() = 0;

protected:
    ~IToleranceParam() = default;
};

using IToleranceParamPtr = Ptr<IToleranceParam>;

// A base (datum) sign from its first point towards its second, with its letter.
class IBase : public IDrawingObject {
public:
    static constexpr char IID[] = "7D5A2C93-E8B1-4F60-A4D7-1B9E3F6C0A85";
    using Parent = IDrawingObject;

    virtual void SetX1(double x) = 0;
    virtual void SetY1(double y) = 0;
    virtual void SetX2(double x) = 0;
    virtual void SetY2(double y) = 0;
    virtual void SetType(int value) = 0;
    virtual ITextPtr GetText() = 0;

protected:
    ~IBase() = default;
};

using IBasePtr = Ptr<IBase>;

// A view pointer: an arrow from (x1, y1) to (x2, y2) and its letter at (xt, yt).
class IViewPointer : public IDrawingObject {
public:
    static constexpr char IID[] = "2E9B6F14-A3C7-4D58-B1E0-8C4D7A2F5B39";
    using Parent = IDrawingObject;

    virtual void SetX1(double x) = 0;
    virtual void SetY1(double y) = 0;
    virtual void SetX2(double x) = 0;
    virtual void SetY2(double y) = 0;
    virtual void SetXt(double x) = 0;
    virtual void SetYt(double y) = 0;
    virtual ITextPtr GetText() = 0;

protected:
    ~IViewPointer() = default;
};

using IViewPointerPtr = Ptr<IViewPointer>;

class IRoughs : public IAPIObject {
public:
    static constexpr char IID[] = "A5F3C7E9-0B28-4D61-9F4A-3E7B1C8D6A02";
    using Parent = IAPIObject;
    virtual IRoughPtr Add() = 0;

protected:
    ~IRoughs() = default;
};

class IBases : public IAPIObject {
public:
    static constexpr char IID[] = "B6E4D8F0-1C39-4E72-A05B-4F8C2D9E7B13";
    using Parent = IAPIObject;
    virtual IBasePtr Add() = 0;

protected:
    ~IBases() = default;
};

class ITolerances : public IAPIObject {
public:
    static constexpr char IID[] = "C7F5E9A1-2D4A-4F83-B16C-5A9D3E0F8C24";
    using Parent = IAPIObject;
    virtual ITolerancePtr Add() = 0;

protected:
    ~ITolerances() = default;
};

class IViewPointers : public IAPIObject {
public:
    static constexpr char IID[] = "D8A6F0B2-3E5B-4A94-827D-6B0E4F1A9D35";
    using Parent = IAPIObject;
    virtual IViewPointerPtr Add() = 0;

protected:
    ~IViewPointers() = default;
};

using IRoughsPtr = Ptr<IRoughs>;
using IBasesPtr = Ptr<IBases>;
using ITolerancesPtr = Ptr<ITolerances>;
using IViewPointersPtr = Ptr<IViewPointers>;

} // namespace tvapi
