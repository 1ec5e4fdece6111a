#pragma once
// Drawing primitives and annotation objects of the stand-in host: line segments, arcs,
// circles, ellipses, drawing texts, points, hatches, colourings, cut lines and leaders.
// Each keeps the parameters it is given under the names of its operations (X1, Radius,
// Style ...); texts are kept as lines of items ("Text", "Designation", "Shelf").

#include <cstdint>
#include <string>
#include <vector>

#include "HostDrawingObject.h"
#include "HostParametric.h"
#include "tvapi/DrawingPrimitives.h"

namespace tvhost {

class THostLineSegment final : public THostDrawingObjectOf<tvapi::ILineSegment, tvapi::IDrawingObject1>,
                               public TConstraintStore {
public:
    THostLineSegment() noexcept : THostDrawingObjectOf(tvapi::tvDrLineSeg) {}
    tvapi::IParametricConstraintPtr NewConstraint() override
    {
        return NewConstraintOf(tvapi::IAPIObjectPtr(static_cast<tvapi::ILineSegment*>(this)), *this);
    }
    // Journaled as "ILineSegment::<operation>".
    double GetX1() override { return GetReal("ILineSegment::GetX1", "X1"); }
    void SetX1(double value) override { SetReal("ILineSegment::SetX1", "X1", value); }
    double GetY1() override { return GetReal("ILineSegment::GetY1", "Y1"); }
    void SetY1(double value) override { SetReal("ILineSegment::SetY1", "Y1", value); }
    double GetX2() override { return GetReal("ILineSegment::GetX2", "X2"); }
    void SetX2(double value) override { SetReal("ILineSegment::SetX2", "X2", value); }
    double GetY2() override { return GetReal("ILineSegment::GetY2", "Y2"); }
    void SetY2(double value) override { SetReal("ILineSegment::SetY2", "Y2", value); }
    int GetStyle() override { return GetInt("ILineSegment::GetStyle", "Style"); }
    void SetStyle(int value) override { SetInt("ILineSegment::SetStyle", "Style", value); }
};

class THostCircle final : public THostDrawingObjectOf<tvapi::ICircle> {
public:
    THostCircle() noexcept : THostDrawingObjectOf(tvapi::tvDrCircle) {}
    // Journaled as "ICircle::<operation>".
    double GetXc() override { return GetReal("ICircle::GetXc", "Xc"); }
    void SetXc(double value) override { SetReal("ICircle::SetXc", "Xc", value); }
    double GetYc() override { return GetReal("ICircle::GetYc", "Yc"); }
    void SetYc(double value) override { SetReal("ICircle::SetYc", "Yc", value); }
    double GetRadius() override { return GetReal("ICircle::GetRadius", "Radius"); }
    void SetRadius(double value) override { SetReal("ICircle::SetRadius", "Radius", value); }
    int GetStyle() override { return GetInt("ICircle::GetStyle", "Style"); }
    void SetStyle(int value) override { SetInt("ICircle::SetStyle", "Style", value); }
};

// Direction true: clockwise from (X1, Y1) to (X2, Y2).
class THostArc final : public THostDrawingObjectOf<tvapi::IArc> {
public:
    THostArc() noexcept : THostDrawingObjectOf(tvapi::tvDrArc) {}
    // Journaled as "IArc::<operation>".
    double GetXc() override { return GetReal("IArc::GetXc", "Xc"); }
    void SetXc(double value) override { SetReal("IArc::SetXc", "Xc", value); }
    double GetYc() override { return GetReal("IArc::GetYc", "Yc"); }
    void SetYc(double value) override { SetReal("IArc::SetYc", "Yc", value); }
    double GetX1() override { return GetReal("IArc::GetX1", "X1"); }
    void SetX1(double value) override { SetReal("IArc::SetX1", "X1", value); }
    double GetY1() override { return GetReal("IArc::GetY1", "Y1"); }
    void SetY1(double value) override { SetReal("IArc::SetY1", "Y1", value); }
    double GetX2() override { return GetReal("IArc::GetX2", "X2"); }
    void SetX2(double value) override { SetReal("IArc::SetX2", "X2", value); }
    double GetY2() override { return GetReal("IArc::GetY2", "Y2"); }
    void SetY2(double value) override { SetReal("IArc::SetY2", "Y2", value); }
    double GetRadius() override { return GetReal("IArc::GetRadius", "Radius"); }
    void SetRadius(double value) override { SetReal("IArc::SetRadius", "Radius", value); }
    bool GetDirection() override { return GetBool("IArc::GetDirection", "Direction"); }
    void SetDirection(bool value) override { SetBool("IArc::SetDirection", "Direction", value); }
    int GetStyle() override { return GetInt("IArc::GetStyle", "Style"); }
    void SetStyle(int value) override { SetInt("IArc::SetStyle", "Style", value); }
};

class THostEllipse final : public THostDrawingObjectOf<tvapi::IEllipse, tvapi::ICurve2D> {
public:
    THostEllipse() noexcept : THostDrawingObjectOf(tvapi::tvDrEllipse) {}
    // Journaled as "ICurve2D::GetPolygon": closed, its first point at the end of the A axis.
    std::vector<double> GetPolygon(double step) override;
    // Journaled as "IEllipse::<operation>".
    double GetXc() override { return GetReal("IEllipse::GetXc", "Xc"); }
    void SetXc(double value) override { SetReal("IEllipse::SetXc", "Xc", value); }
    double GetYc() override { return GetReal("IEllipse::GetYc", "Yc"); }
    void SetYc(double value) override { SetReal("IEllipse::SetYc", "Yc", value); }
    double GetA() override { return GetReal("IEllipse::GetA", "A"); }
    void SetA(double value) override { SetReal("IEllipse::SetA", "A", value); }
    double GetB() override { return GetReal("IEllipse::GetB", "B"); }
    void SetB(double value) override { SetReal("IEllipse::SetB", "B", value); }
    double GetAngle() override { return GetReal("IEllipse::GetAngle", "Angle"); }
    void SetAngle(double value) override { SetReal("IEllipse::SetAngle", "Angle", value); }
    int GetStyle() override { return GetInt("IEllipse::GetStyle", "Style"); }
    void SetStyle(int value) override { SetInt("IEllipse::SetStyle", "Style", value); }
};

// Its lines are the text "Text".
class THostDrawingText final : public THostDrawingObjectOf<tvapi::IDrawingText> {
public:
    THostDrawingText() noexcept : THostDrawingObjectOf(tvapi::tvDrDrawingText) {}
    // Journaled as "IDrawingText::<operation>".
    double GetX() override { return GetReal("IDrawingText::GetX", "X"); }
    void SetX(double value) override { SetReal("IDrawingText::SetX", "X", value); }
    double GetY() override { return GetReal("IDrawingText::GetY", "Y"); }
    void SetY(double value) override { SetReal("IDrawingText::SetY", "Y", value); }
    double GetHeight() override { return GetReal("IDrawingText::GetHeight", "Height"); }
    void SetHeight(double value) override { SetReal("IDrawingText::SetHeight", "Height", value); }
    double GetAngle() override { return GetReal("IDrawingText::GetAngle", "Angle"); }
    void SetAngle(double value) override { SetReal("IDrawingText::SetAngle", "Angle", value); }
    tvapi::ITextPtr GetText() override;
};

class THostPoint final : public THostDrawingObjectOf<tvapi::IPoint> {
public:
    THostPoint() noexcept : THostDrawingObjectOf(tvapi::tvDrPoint) {}
    // Journaled as "IPoint::<operation>".
    double GetX() override { return GetReal("IPoint::GetX", "X"); }
    void SetX(double value) override { SetReal("IPoint::SetX", "X", value); }
    double GetY() override { return GetReal("IPoint::GetY", "Y"); }
    void SetY(double value) override { SetReal("IPoint::SetY", "Y", value); }
    int GetStyle() override { return GetInt("IPoint::GetStyle", "Style"); }
    void SetStyle(int value) override { SetInt("IPoint::SetStyle", "Style", value); }
};

// A hatch: its pattern (HatchStyle, Step, HatchAngle) and its boundary objects.
class THostHatch final
    : public THostDrawingObjectOf<tvapi::IHatch, tvapi::IHatchParam, tvapi::IBoundariesObject> {
public:
    THostHatch() noexcept : THostDrawingObjectOf(tvapi::tvDrHatch) {}
    // Journaled as "IHatch::<operation>", "IHatchParam::<operation>" and
    // "IBoundariesObject::<operation>".
    bool GetBoundariesFollow() override { return GetBool("IHatch::GetBoundariesFollow", "BoundariesFollow"); }
    void SetBoundariesFollow(bool value) override
    {
        SetBool("IHatch::SetBoundariesFollow", "BoundariesFollow", value);
    }
    int GetStyle() override { return GetInt("IHatchParam::GetStyle", "HatchStyle"); }
    void SetStyle(int value) override { SetInt("IHatchParam::SetStyle", "HatchStyle", value); }
    double GetStep() override { return GetReal("IHatchParam::GetStep", "Step"); }
    void SetStep(double value) override { SetReal("IHatchParam::SetStep", "Step", value); }
    double GetAngle() override { return GetReal("IHatchParam::GetAngle", "HatchAngle"); }
    void SetAngle(double value) override { SetReal("IHatchParam::SetAngle", "HatchAngle", value); }
    bool AddBoundaries(const tvapi::DrawingObjectList& objects, bool clear) override;
    tvapi::DrawingObjectList GetBoundaries() override;
};

class THostColouring final : public THostDrawingObjectOf<tvapi::IColouring, tvapi::IBoundariesObject> {
public:
    THostColouring() noexcept : THostDrawingObjectOf(tvapi::tvDrColouring) {}
    // Journaled as "IColouring::<operation>" and "IBoundariesObject::<operation>".
    std::uint32_t GetColor() override;
    void SetColor(std::uint32_t color) override;
    bool AddBoundaries(const tvapi::DrawingObjectList& objects, bool clear) override;
    tvapi::DrawingObjectList GetBoundaries() override;
};

// Its designation is the text "Designation", its break points the reals "Points".
class THostCutLine final : public THostDrawingObjectOf<tvapi::ICutLine> {
public:
    THostCutLine() noexcept : THostDrawingObjectOf(tvapi::tvDrCutLine) {}
    // Journaled as "ICutLine::<operation>".
    bool GetArrowDirection() override { return GetBool("ICutLine::GetArrowDirection", "ArrowDirection"); }
    void SetArrowDirection(bool value) override
    {
        SetBool("ICutLine::SetArrowDirection", "ArrowDirection", value);
    }
    double GetX1() override { return GetReal("ICutLine::GetX1", "X1"); }
    void SetX1(double value) override { SetReal("ICutLine::SetX1", "X1", value); }
    double GetY1() override { return GetReal("ICutLine::GetY1", "Y1"); }
    void SetY1(double value) override { SetReal("ICutLine::SetY1", "Y1", value); }
    double GetX2() override { return GetReal("ICutLine::GetX2", "X2"); }
    void SetX2(double value) override { SetReal("ICutLine::SetX2", "X2", value); }
    double GetY2() override { return GetReal("ICutLine::GetY2", "Y2"); }
    void SetY2(double value) override { SetReal("ICutLine::SetY2", "Y2", value); }
    int GetKind() override { return GetInt("ICutLine::GetKind", "Kind"); }
    void SetKind(int value) override { SetInt("ICutLine::SetKind", "Kind", value); }
    tvapi::ITextPtr GetText() override;
    std::vector<double> GetPoints() override;
    void SetPoints(const std::vector<double>& points) override;
};

// Its shelf text is the text "Shelf", its branch ends the reals "Branches" (x, y pairs).
class THostLeader final : public THostDrawingObjectOf<tvapi::ILeader, tvapi::IBranchs> {
public:
    THostLeader() noexcept : THostDrawingObjectOf(tvapi::tvDrLeader) {}
    // Journaled as "ILeader::<operation>" and "IBranchs::<operation>".
    tvapi::tvShelfDirectionEnum GetShelfDirection() override
    {
        return static_cast<tvapi::tvShelfDirectionEnum>(
            GetInt("ILeader::GetShelfDirection", "ShelfDirection"));
    }
    void SetShelfDirection(tvapi::tvShelfDirectionEnum value) override
    {
        SetInt("ILeader::SetShelfDirection", "ShelfDirection", value);
    }
    void SetArrowType(tvapi::tvArrowEnum value) override
    {
        SetInt("ILeader::SetArrowType", "ArrowType", value);
    }
    tvapi::ITextPtr GetTextOnShelf() override;
    double GetX() override { return GetReal("IBranchs::GetX", "X"); }
    void SetX(double value) override { SetReal("IBranchs::SetX", "X", value); }
    double GetY() override { return GetReal("IBranchs::GetY", "Y"); }
    void SetY(double value) override { SetReal("IBranchs::SetY", "Y", value); }
    bool AddBranchByPoint(int index, double x, double y) override;
    int GetBranchCount() override;
};

// The leader collection over a container.
tvapi::ILeadersPtr MakeLeaders(TContainerCore& container, tvapi::IAPIObjectPtr keep);

} // namespace tvhost
