#pragma once
// Dimensions of the stand-in host: linear, diametral, radial and angular. Each measures its
// own geometry as a host does: with the automatic-nominal flag set, the nominal value and
// the nominal text ("Nominal", decimal comma) follow the points, centre and radius; the
// deviation pair fills the texts "Upper" and "Lower" ("+0,02", "-0,02").

#include <string>
#include <string_view>

#include "HostDrawingObject.h"
#include "HostModelObject.h"
#include "HostParametric.h"
#include "tvapi/Dimensions.h"
#include "tvapi/Dimensions3D.h"

namespace tvhost {

// A number as dimension texts show it: at most three decimals, trailing zeros dropped,
// a decimal comma ("12,5", "20", "0,333"). Independent of the process locale.
std::wstring DimensionNumberText(double value);
// A deviation with its sign: "+0,02", "-0,1"; "0" for zero.
std::wstring DeviationText(double value);

// The text and parameter operations every dimension offers, over the measure of the
// dimension's kind (Measure).
template <class IMain, class... IMore>
class THostDimensionOf
    : public THostDrawingObjectOf<IMain, tvapi::IDimensionText, tvapi::IDimensionParams, IMore...> {
public:
    // The value the geometry gives: millimetres, or degrees for an angle.
    virtual double Measure() const noexcept = 0;
    // Rewrites the nominal text from Measure while the automatic flag is set.
    void RefreshNominalText();

    // Journaled as "IDimensionText::<operation>".
    bool GetAutoNominalValue() override;
    void SetAutoNominalValue(bool value) override;
    double GetNominalValue() override;
    void SetNominalValue(double value) override;
    tvapi::ITextPtr GetNominalText() override;
    std::wstring GetTolerance() override
    {
        return this->GetText("IDimensionText::GetTolerance", "Tolerance");
    }
    void SetTolerance(const wchar_t* value) override
    {
        this->SetText("IDimensionText::SetTolerance", "Tolerance", value);
    }
    bool GetToleranceOn() override { return this->GetBool("IDimensionText::GetToleranceOn", "ToleranceOn"); }
    void SetToleranceOn(bool value) override
    {
        this->SetBool("IDimensionText::SetToleranceOn", "ToleranceOn", value);
    }
    void SetDeviations(double upper, double lower) override;
    tvapi::ITextPtr GetUpperDeviation() override;
    tvapi::ITextPtr GetLowerDeviation() override;
    tvapi::ITextLinePtr GetPrefix() override;
    tvapi::ITextLinePtr GetSuffix() override;
    tvapi::ITextLinePtr GetNote() override;

    // Journaled as "IDimensionParams::<operation>".
    int GetArrowType1() override { return this->GetInt("IDimensionParams::GetArrowType1", "ArrowType1"); }
    void SetArrowType1(int value) override
    {
        this->SetInt("IDimensionParams::SetArrowType1", "ArrowType1", value);
    }
    int GetArrowType2() override { return this->GetInt("IDimensionParams::GetArrowType2", "ArrowType2"); }
    void SetArrowType2(int value) override
    {
        this->SetInt("IDimensionParams::SetArrowType2", "ArrowType2", value);
    }
    bool GetArrowOn1() override { return this->GetBool("IDimensionParams::GetArrowOn1", "ArrowOn1"); }
    void SetArrowOn1(bool value) override
    {
        this->SetBool("IDimensionParams::SetArrowOn1", "ArrowOn1", value);
    }
    bool GetArrowOn2() override { return this->GetBool("IDimensionParams::GetArrowOn2", "ArrowOn2"); }
    void SetArrowOn2(bool value) override
    {
        this->SetBool("IDimensionParams::SetArrowOn2", "ArrowOn2", value);
    }
    tvapi::tvDimensionTextPosEnum GetTextPos() override
    {
        return static_cast<tvapi::tvDimensionTextPosEnum>(
            this->GetInt("IDimensionParams::GetTextPos", "TextPos"));
    }
    void SetTextPos(tvapi::tvDimensionTextPosEnum value) override
    {
        this->SetInt("IDimensionParams::SetTextPos", "TextPos", value);
    }
    tvapi::tvDimensionBaseEnum GetTextBase() override
    {
        return static_cast<tvapi::tvDimensionBaseEnum>(
            this->GetInt("IDimensionParams::GetTextBase", "TextBase"));
    }
    void SetTextBase(tvapi::tvDimensionBaseEnum value) override
    {
        this->SetInt("IDimensionParams::SetTextBase", "TextBase", value);
    }
    int GetTextShift() override { return this->GetInt("IDimensionParams::GetTextShift", "TextShift"); }
    void SetTextShift(int value) override
    {
        this->SetInt("IDimensionParams::SetTextShift", "TextShift", value);
    }
    double GetShelfLength() override
    {
        return this->GetReal("IDimensionParams::GetShelfLength", "ShelfLength");
    }
    void SetShelfLength(double value) override
    {
        this->SetReal("IDimensionParams::SetShelfLength", "ShelfLength", value);
    }
    double GetShelfAngle() override { return this->GetReal("IDimensionParams::GetShelfAngle", "ShelfAngle"); }
    void SetShelfAngle(double value) override
    {
        this->SetReal("IDimensionParams::SetShelfAngle", "ShelfAngle", value);
    }

    // Journaled as "IDrawingObject::Update"; refreshes the nominal text.
    bool Update() override;

protected:
    using Base = THostDrawingObjectOf<IMain, tvapi::IDimensionText, tvapi::IDimensionParams, IMore...>;
    explicit THostDimensionOf(tvapi::DrawingObjectTypeEnum type) noexcept : Base(type) {}
};

// Measures |x2 - x1| (horizontal), |y2 - y1| (vertical), or the distance between the points
// projected on the direction Angle (radians, parallel); made under a local placement of scale
// "LocalScale", in the units it was drawn in (the distance divided by it).
class THostLineDimension final : public THostDimensionOf<tvapi::ILineDimension, tvapi::IDrawingObject1>,
                                 public TConstraintStore {
public:
    THostLineDimension() noexcept : THostDimensionOf(tvapi::tvDrLDimension) {}
    double Measure() const noexcept override;
    tvapi::IParametricConstraintPtr NewConstraint() override
    {
        return NewConstraintOf(tvapi::IAPIObjectPtr(static_cast<tvapi::ILineDimension*>(this)), *this);
    }

    // Journaled as "ILineDimension::<operation>". X3, Y3 read as the midpoint of the two
    // points until set; TextX, TextY as X3, Y3 until set.
    double GetX1() override { return GetReal("ILineDimension::GetX1", "X1"); }
    void SetX1(double value) override { SetReal("ILineDimension::SetX1", "X1", value); }
    double GetY1() override { return GetReal("ILineDimension::GetY1", "Y1"); }
    void SetY1(double value) override { SetReal("ILineDimension::SetY1", "Y1", value); }
    double GetX2() override { return GetReal("ILineDimension::GetX2", "X2"); }
    void SetX2(double value) override { SetReal("ILineDimension::SetX2", "X2", value); }
    double GetY2() override { return GetReal("ILineDimension::GetY2", "Y2"); }
    void SetY2(double value) override { SetReal("ILineDimension::SetY2", "Y2", value); }
    double GetX3() override;
    void SetX3(double value) override { SetReal("ILineDimension::SetX3", "X3", value); }
    double GetY3() override;
    void SetY3(double value) override { SetReal("ILineDimension::SetY3", "Y3", value); }
    tvapi::tvLineDimensionOrientationEnum GetOrientation() override
    {
        return static_cast<tvapi::tvLineDimensionOrientationEnum>(
            GetInt("ILineDimension::GetOrientation", "Orientation"));
    }
    void SetOrientation(tvapi::tvLineDimensionOrientationEnum value) override
    {
        SetInt("ILineDimension::SetOrientation", "Orientation", value);
    }
    double GetAngle() override { return GetReal("ILineDimension::GetAngle", "Angle"); }
    void SetAngle(double value) override { SetReal("ILineDimension::SetAngle", "Angle", value); }
    double GetTextX() override;
    void SetTextX(double value) override { SetReal("ILineDimension::SetTextX", "TextX", value); }
    double GetTextY() override;
    void SetTextY(double value) override { SetReal("ILineDimension::SetTextY", "TextY", value); }

    // Test side: the dimension-line point as the host places it.
    double LineX() const noexcept;
    double LineY() const noexcept;
};

// The centre, radius, type and angle a diametral and a radial dimension keep, journaled as
// "<Iface>::<operation>" (Iface: the interface's name).
template <class IMain> class THostCircleDimensionOf : public THostDimensionOf<IMain> {
public:
    double GetXc() override { return this->GetReal(Op("GetXc"), "Xc"); }
    void SetXc(double value) override { this->SetReal(Op("SetXc"), "Xc", value); }
    double GetYc() override { return this->GetReal(Op("GetYc"), "Yc"); }
    void SetYc(double value) override { this->SetReal(Op("SetYc"), "Yc", value); }
    double GetRadius() override { return this->GetReal(Op("GetRadius"), "Radius"); }
    void SetRadius(double value) override { this->SetReal(Op("SetRadius"), "Radius", value); }
    int GetDimensionType() override { return this->GetInt(Op("GetDimensionType"), "DimensionType"); }
    void SetDimensionType(int value) override
    {
        this->SetInt(Op("SetDimensionType"), "DimensionType", value);
    }
    double GetAngle() override { return this->GetReal(Op("GetAngle"), "Angle"); }
    void SetAngle(double value) override { this->SetReal(Op("SetAngle"), "Angle", value); }

protected:
    THostCircleDimensionOf(tvapi::DrawingObjectTypeEnum type, const char* iface) noexcept
        : THostDimensionOf<IMain>(type), FIface(iface)
    {
    }

private:
    std::string Op(std::string_view operation) const
    {
        return std::string(FIface) + "::" + std::string(operation);
    }

    const char* FIface;
};

// Measures the diameter, twice the radius (divided by "LocalScale" as a linear dimension is).
class THostDiametralDimension final : public THostCircleDimensionOf<tvapi::IDiametralDimension> {
public:
    THostDiametralDimension() noexcept : THostCircleDimensionOf(tvapi::tvDrDDimension, "IDiametralDimension")
    {
    }
    double Measure() const noexcept override;
};

// Measures the radius (divided by "LocalScale" as a linear dimension is).
class THostRadialDimension final : public THostCircleDimensionOf<tvapi::IRadialDimension> {
public:
    THostRadialDimension() noexcept : THostCircleDimensionOf(tvapi::tvDrRDimension, "IRadialDimension") {}
    double Measure() const noexcept override;
};

// Measures the angle between the rays Angle1 and Angle2 (degrees) that AngleType selects:
// the smaller one by default.
class THostAngleDimension final : public THostDimensionOf<tvapi::IAngleDimension> {
public:
    THostAngleDimension() noexcept : THostDimensionOf(tvapi::tvDrADimension) {}
    double Measure() const noexcept override;
    // Journaled as "IAngleDimension::<operation>".
    double GetXc() override { return GetReal("IAngleDimension::GetXc", "Xc"); }
    void SetXc(double value) override { SetReal("IAngleDimension::SetXc", "Xc", value); }
    double GetYc() override { return GetReal("IAngleDimension::GetYc", "Yc"); }
    void SetYc(double value) override { SetReal("IAngleDimension::SetYc", "Yc", value); }
    double GetDistance() override { return GetReal("IAngleDimension::GetDistance", "Distance"); }
    void SetDistance(double value) override { SetReal("IAngleDimension::SetDistance", "Distance", value); }
    double GetAngle1() override { return GetReal("IAngleDimension::GetAngle1", "Angle1"); }
    void SetAngle1(double value) override { SetReal("IAngleDimension::SetAngle1", "Angle1", value); }
    double GetAngle2() override { return GetReal("IAngleDimension::GetAngle2", "Angle2"); }
    void SetAngle2(double value) override { SetReal("IAngleDimension::SetAngle2", "Angle2", value); }
    double GetX1() override { return GetReal("IAngleDimension::GetX1", "X1"); }
    void SetX1(double value) override { SetReal("IAngleDimension::SetX1", "X1", value); }
    double GetY1() override { return GetReal("IAngleDimension::GetY1", "Y1"); }
    void SetY1(double value) override { SetReal("IAngleDimension::SetY1", "Y1", value); }
    double GetX2() override { return GetReal("IAngleDimension::GetX2", "X2"); }
    void SetX2(double value) override { SetReal("IAngleDimension::SetX2", "X2", value); }
    double GetY2() override { return GetReal("IAngleDimension::GetY2", "Y2"); }
    void SetY2(double value) override { SetReal("IAngleDimension::SetY2", "Y2", value); }
    tvapi::tvAngleDimTypeEnum GetAngleType() override
    {
        return static_cast<tvapi::tvAngleDimTypeEnum>(GetInt("IAngleDimension::GetAngleType", "AngleType"));
    }
    void SetAngleType(tvapi::tvAngleDimTypeEnum value) override
    {
        SetInt("IAngleDimension::SetAngleType", "AngleType", value);
    }
};

// The dimension collections over a container; the diametral one also offers
// IRadialDimensions.
tvapi::IDiametralDimensionsPtr MakeDiametralDimensions(TContainerCore& container, tvapi::IAPIObjectPtr keep);
tvapi::IAngleDimensionsPtr MakeAngleDimensions(TContainerCore& container, tvapi::IAPIObjectPtr keep);

// The measured nominal of any host dimension; false for an object that is no dimension.
bool MeasureOf(tvapi::IAPIObject* object, double& value);

// The texts, placement and length of a linear dimension of a 3D model over `Base`, a model
// object of IBaseLineDimension3D and IDimensionText: its texts as a drawing dimension keeps
// them, the nominal text following the length while the automatic flag is set. Journaled as
// "IBaseLineDimension3D::<operation>" and "IDimensionText::<operation>".
template <class Base> class THostDimension3DOf : public Base {
public:
    void SetObject1(tvapi::IModelObjectPtr object) override;
    void SetObject2(tvapi::IModelObjectPtr object) override;
    tvapi::IModelObjectPtr GetObject1() override;
    tvapi::IModelObjectPtr GetObject2() override;
    double GetPlacement() override;
    void SetPlacement(double value) override;

    bool GetAutoNominalValue() override;
    void SetAutoNominalValue(bool value) override;
    double GetNominalValue() override;
    void SetNominalValue(double value) override;
    tvapi::ITextPtr GetNominalText() override;
    std::wstring GetTolerance() override;
    void SetTolerance(const wchar_t* value) override;
    bool GetToleranceOn() override;
    void SetToleranceOn(bool value) override;
    void SetDeviations(double upper, double lower) override;
    tvapi::ITextPtr GetUpperDeviation() override;
    tvapi::ITextPtr GetLowerDeviation() override;
    tvapi::ITextLinePtr GetPrefix() override;
    tvapi::ITextLinePtr GetSuffix() override;
    tvapi::ITextLinePtr GetNote() override;

    // Test side, not journaled: the texts ("Nominal", "Upper", "Lower", ...), the flags and
    // values (TParams: "AutoNominal", "Tolerance", "ToleranceOn", "Placement"),
    // the objects (1 or 2), the length measured last.
    TTextData& Text(const std::string& name) { return FTexts.Text(name); }
    TParams& Params() noexcept { return FTexts.Params(); }
    const TDrawingCore& Core() const noexcept { return FTexts; }
    void SetNameDirect(std::wstring name) { this->FName = std::move(name); }
    const tvapi::IModelObjectPtr& Object(int index) const noexcept
    {
        return index == 1 ? FObject1 : FObject2;
    }
    double Length() const noexcept { return FLength; }
    // Reading a file: the objects and length as they were saved, not measured again.
    void Restore(tvapi::IModelObjectPtr object1, tvapi::IModelObjectPtr object2, double length);

protected:
    // Of `kind`, measuring `length`, the nominal text automatic.
    THostDimension3DOf(tvapi::tvObj3dTypeEnum kind, double length);
    // The length measured now; the nominal text follows it.
    void SetLength(double length);

private:
    // Text storage of a model object; it is no drawing object.
    class TTexts final : public TDrawingCore {
    public:
        TTexts() noexcept : TDrawingCore(tvapi::tvAllObj) {}
        tvapi::IDrawingObject* DrawingObject() noexcept override { return nullptr; }
    };
    tvapi::IAPIObject* Self() noexcept { return static_cast<tvapi::IDimensionText*>(this); }
    void RefreshNominal();

    TTexts FTexts;
    double FLength;
    tvapi::IModelObjectPtr FObject1;
    tvapi::IModelObjectPtr FObject2;
};

using TModelDimensionBase = THostModelObjectOf<tvapi::ILineDimension3D, tvapi::IDimensionText>;
using TGeneratedDimensionBase =
    THostFeatureOf<tvapi::IBaseLineDimension3D, tvapi::IDimensionText, tvapi::IDimensionParams>;
extern template class THostDimension3DOf<TModelDimensionBase>;
extern template class THostDimension3DOf<TGeneratedDimensionBase>;

// A linear dimension of a 3D model (o3d_baselineDimension3D, o3d_lineDimension3D) placed by
// the user: an update measures the shortest distance between its two objects (faces, edges,
// vertices) and refreshes the nominal text; made with a length, it measures that length
// until it is given objects. An update fails, the length kept, while an object is missing or
// cannot be measured. Journaled as "IModelObject::<operation>" besides.
class THostModelDimension final : public THostDimension3DOf<TModelDimensionBase> {
public:
    // Of o3d_lineDimension3D measuring `length`.
    explicit THostModelDimension(double length);
    // Of `kind`, joining nothing yet, measuring 0.
    explicit THostModelDimension(tvapi::tvObj3dTypeEnum kind);

protected:
    bool Rebuild() override;
};

using THostModelDimensionPtr = tvapi::Ptr<THostModelDimension>;

} // namespace tvhost
