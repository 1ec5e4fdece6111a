// Dimensions of the stand-in host.
#include "HostDimensions.h"

#include <charconv>
#include <cmath>
#include <limits>

#include "HostArgs.h"
#include "HostMeasure.h"

namespace tvhost {

namespace {

// Dimension texts show at most this many decimals.
constexpr int TextDecimals = 3;
// Half a unit of the last decimal shown: smaller magnitudes show as "0".
constexpr double TextZero = 0.0005;
constexpr double FullTurn = 360.0;
constexpr double HalfTurn = 180.0;

// A dimension drawn under a scaled local placement measures in the units it was drawn in.
double LocalUnits(const TParams& p, double length)
{
    const double scale = p.Real("LocalScale", 1.0);
    return scale > 0.0 ? length / scale : length;
}

// Angle in [0, 360).
double NormalDegrees(double angle)
{
    const double a = std::fmod(angle, FullTurn);
    return a < 0.0 ? a + FullTurn : a;
}

} // namespace

std::wstring DimensionNumberText(double value)
{
    if (!std::isfinite(value)) return L"?";
    if (std::fabs(value) < TextZero) return L"0";
    // Room for the largest double in fixed notation, its sign and the decimals.
    char buffer[std::numeric_limits<double>::max_exponent10 + TextDecimals + 5];
    const auto result =
        std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed, TextDecimals);
    if (result.ec != std::errc()) return L"?";
    std::string text(buffer, result.ptr);
    while (text.back() == '0')
        text.pop_back();
    if (text.back() == '.') text.pop_back();
    std::wstring wide(text.begin(), text.end());
    for (wchar_t& c : wide)
        if (c == L'.') c = L',';
    return wide;
}

std::wstring DeviationText(double value)
{
    const std::wstring digits = DimensionNumberText(std::fabs(value));
    if (digits == L"0") return digits;
    return (value > 0.0 ? L"+" : L"-") + digits;
}

template <class IMain, class... IMore> void THostDimensionOf<IMain, IMore...>::RefreshNominalText()
{
    if (!this->Params().Flag("AutoNominal")) return;
    this->Text("Nominal").SetStr(DimensionNumberText(Measure()));
}

template <class IMain, class... IMore> bool THostDimensionOf<IMain, IMore...>::GetAutoNominalValue()
{
    if (!THostObject::Enter("IDimensionText::GetAutoNominalValue")) return false;
    return this->Params().Flag("AutoNominal");
}

template <class IMain, class... IMore> void THostDimensionOf<IMain, IMore...>::SetAutoNominalValue(bool value)
{
    if (!THostObject::Enter("IDimensionText::SetAutoNominalValue", {BoolArg(value)})) return;
    this->Params().Set("AutoNominal", value);
    RefreshNominalText();
}

template <class IMain, class... IMore> double THostDimensionOf<IMain, IMore...>::GetNominalValue()
{
    if (!THostObject::Enter("IDimensionText::GetNominalValue")) return 0.0;
    const TParams& p = this->Params();
    return !p.Flag("AutoNominal") && p.Has("NominalValue") ? p.Real("NominalValue") : Measure();
}

template <class IMain, class... IMore> void THostDimensionOf<IMain, IMore...>::SetNominalValue(double value)
{
    if (!THostObject::Enter("IDimensionText::SetNominalValue", {NumberArg(value)})) return;
    this->Params().Set("AutoNominal", false);
    this->Params().Set("NominalValue", value);
    this->Text("Nominal").SetStr(DimensionNumberText(value));
}

template <class IMain, class... IMore> tvapi::ITextPtr THostDimensionOf<IMain, IMore...>::GetNominalText()
{
    if (!THostObject::Enter("IDimensionText::GetNominalText")) return {};
    RefreshNominalText();
    return MakeText(this->DrawingObject(), *this, "Nominal");
}

template <class IMain, class... IMore>
void THostDimensionOf<IMain, IMore...>::SetDeviations(double upper, double lower)
{
    if (!THostObject::Enter("IDimensionText::SetDeviations", {NumberArg(upper), NumberArg(lower)})) return;
    this->Params().Set("UpperDeviation", upper);
    this->Params().Set("LowerDeviation", lower);
    this->Text("Upper").SetStr(DeviationText(upper));
    this->Text("Lower").SetStr(DeviationText(lower));
}

template <class IMain, class... IMore> tvapi::ITextPtr THostDimensionOf<IMain, IMore...>::GetUpperDeviation()
{
    if (!THostObject::Enter("IDimensionText::GetUpperDeviation")) return {};
    return MakeText(this->DrawingObject(), *this, "Upper");
}

template <class IMain, class... IMore> tvapi::ITextPtr THostDimensionOf<IMain, IMore...>::GetLowerDeviation()
{
    if (!THostObject::Enter("IDimensionText::GetLowerDeviation")) return {};
    return MakeText(this->DrawingObject(), *this, "Lower");
}

template <class IMain, class... IMore> tvapi::ITextLinePtr THostDimensionOf<IMain, IMore...>::GetPrefix()
{
    if (!THostObject::Enter("IDimensionText::GetPrefix")) return {};
    return MakeSingleLine(this->DrawingObject(), *this, "Prefix");
}

template <class IMain, class... IMore> tvapi::ITextLinePtr THostDimensionOf<IMain, IMore...>::GetSuffix()
{
    if (!THostObject::Enter("IDimensionText::GetSuffix")) return {};
    return MakeSingleLine(this->DrawingObject(), *this, "Suffix");
}

template <class IMain, class... IMore> tvapi::ITextLinePtr THostDimensionOf<IMain, IMore...>::GetNote()
{
    if (!THostObject::Enter("IDimensionText::GetNote")) return {};
    return MakeSingleLine(this->DrawingObject(), *this, "Note");
}

template <class IMain, class... IMore> bool THostDimensionOf<IMain, IMore...>::Update()
{
    if (!Base::Update()) return false;
    RefreshNominalText();
    return true;
}

template class THostDimensionOf<tvapi::ILineDimension, tvapi::IDrawingObject1>;
template class THostDimensionOf<tvapi::IDiametralDimension>;
template class THostDimensionOf<tvapi::IRadialDimension>;
template class THostDimensionOf<tvapi::IAngleDimension>;

double THostLineDimension::Measure() const noexcept
{
    const TParams& p = Params();
    const double dx = p.Real("X2") - p.Real("X1");
    const double dy = p.Real("Y2") - p.Real("Y1");
    switch (p.Int("Orientation")) {
    case tvapi::tvLinDHorizontal:
        return LocalUnits(p, std::fabs(dx));
    case tvapi::tvLinDVertical:
        return LocalUnits(p, std::fabs(dy));
    default:
        break;
    }
    const double angle = p.Real("Angle");
    return LocalUnits(p, std::fabs(dx * std::cos(angle) + dy * std::sin(angle)));
}

double THostLineDimension::LineX() const noexcept
{
    const TParams& p = Params();
    return p.Real("X3", (p.Real("X1") + p.Real("X2")) / 2.0);
}

double THostLineDimension::LineY() const noexcept
{
    const TParams& p = Params();
    return p.Real("Y3", (p.Real("Y1") + p.Real("Y2")) / 2.0);
}

double THostLineDimension::GetX3()
{
    if (!Enter("ILineDimension::GetX3")) return 0.0;
    return LineX();
}

double THostLineDimension::GetY3()
{
    if (!Enter("ILineDimension::GetY3")) return 0.0;
    return LineY();
}

double THostLineDimension::GetTextX()
{
    if (!Enter("ILineDimension::GetTextX")) return 0.0;
    return Params().Real("TextX", LineX());
}

double THostLineDimension::GetTextY()
{
    if (!Enter("ILineDimension::GetTextY")) return 0.0;
    return Params().Real("TextY", LineY());
}

double THostDiametralDimension::Measure() const noexcept
{
    return LocalUnits(Params(), 2.0 * std::fabs(Params().Real("Radius")));
}

double THostRadialDimension::Measure() const noexcept
{
    return LocalUnits(Params(), std::fabs(Params().Real("Radius")));
}

double THostAngleDimension::Measure() const noexcept
{
    const double a1 = Params().Real("Angle1");
    const double a2 = Params().Real("Angle2");
    const double direct = NormalDegrees(a2 - a1);
    const double smaller = direct > HalfTurn ? FullTurn - direct : direct;
    switch (Params().Int("AngleType")) {
    case tvapi::tvADMaxAngle:
        return FullTurn - smaller;
    case tvapi::tvADDirectAngle:
        return direct;
    default:
        return smaller;
    }
}

namespace {

class THostDiametralDimensions final
    : public THostObjectOf<tvapi::IDiametralDimensions, tvapi::IRadialDimensions> {
public:
    THostDiametralDimensions(TContainerCore& container, tvapi::IAPIObjectPtr keep)
        : FContainer(container), FKeep(std::move(keep))
    {
    }

    tvapi::IDiametralDimensionPtr Add() override
    {
        if (!Enter("IDiametralDimensions::Add")) return {};
        return AddObjectTo<THostDiametralDimension, tvapi::IDiametralDimension>(FContainer);
    }
    tvapi::IRadialDimensionPtr AddRadial() override
    {
        if (!Enter("IRadialDimensions::AddRadial")) return {};
        return AddObjectTo<THostRadialDimension, tvapi::IRadialDimension>(FContainer);
    }

private:
    TContainerCore& FContainer;
    tvapi::IAPIObjectPtr FKeep;
};

} // namespace

tvapi::IDiametralDimensionsPtr MakeDiametralDimensions(TContainerCore& container, tvapi::IAPIObjectPtr keep)
{
    return tvapi::IDiametralDimensionsPtr(New<THostDiametralDimensions>(container, std::move(keep)));
}

tvapi::IAngleDimensionsPtr MakeAngleDimensions(TContainerCore& container, tvapi::IAPIObjectPtr keep)
{
    using TCollection = THostKindCollectionOf<tvapi::IAngleDimensions, THostAngleDimension,
                                              tvapi::IAngleDimension, tvapi::tvDrADimension>;
    return tvapi::IAngleDimensionsPtr(New<TCollection>(container, std::move(keep), "IAngleDimensions::Add"));
}

bool MeasureOf(tvapi::IAPIObject* object, double& value)
{
    if (auto* line = dynamic_cast<THostLineDimension*>(object))
        value = line->Measure();
    else if (auto* diametral = dynamic_cast<THostDiametralDimension*>(object))
        value = diametral->Measure();
    else if (auto* radial = dynamic_cast<THostRadialDimension*>(object))
        value = radial->Measure();
    else if (auto* angle = dynamic_cast<THostAngleDimension*>(object))
        value = angle->Measure();
    else
        return false;
    return true;
}

template <class Base>
THostDimension3DOf<Base>::THostDimension3DOf(tvapi::tvObj3dTypeEnum kind, double length)
    : Base(kind), FLength(length)
{
    FTexts.Params().Set("AutoNominal", true);
    RefreshNominal();
}

template <class Base> void THostDimension3DOf<Base>::SetLength(double length)
{
    FLength = length;
    RefreshNominal();
}

THostModelDimension::THostModelDimension(double length)
    : THostDimension3DOf(tvapi::o3d_lineDimension3D, length)
{
}

THostModelDimension::THostModelDimension(tvapi::tvObj3dTypeEnum kind) : THostDimension3DOf(kind, 0.0) {}

template <class Base> void THostDimension3DOf<Base>::RefreshNominal()
{
    if (FTexts.Params().Flag("AutoNominal")) FTexts.Text("Nominal").SetStr(DimensionNumberText(FLength));
}

bool THostModelDimension::Rebuild()
{
    if (Object(1) || Object(2)) {
        const double measured = DistanceBetween(Object(1), Object(2));
        if (measured < 0.0) return false;
        SetLength(measured);
        return true;
    }
    SetLength(Length());
    return true;
}

template <class Base>
void THostDimension3DOf<Base>::Restore(tvapi::IModelObjectPtr object1, tvapi::IModelObjectPtr object2,
                                       double length)
{
    FObject1 = std::move(object1);
    FObject2 = std::move(object2);
    FLength = length;
    RefreshNominal();
}

template <class Base> void THostDimension3DOf<Base>::SetObject1(tvapi::IModelObjectPtr object)
{
    if (this->Enter("IBaseLineDimension3D::SetObject1", {ObjectArg(object.Get())}))
        FObject1 = std::move(object);
}

template <class Base> void THostDimension3DOf<Base>::SetObject2(tvapi::IModelObjectPtr object)
{
    if (this->Enter("IBaseLineDimension3D::SetObject2", {ObjectArg(object.Get())}))
        FObject2 = std::move(object);
}

template <class Base> tvapi::IModelObjectPtr THostDimension3DOf<Base>::GetObject1()
{
    return this->Enter("IBaseLineDimension3D::GetObject1") ? FObject1 : tvapi::IModelObjectPtr();
}

template <class Base> tvapi::IModelObjectPtr THostDimension3DOf<Base>::GetObject2()
{
    return this->Enter("IBaseLineDimension3D::GetObject2") ? FObject2 : tvapi::IModelObjectPtr();
}

template <class Base> double THostDimension3DOf<Base>::GetPlacement()
{
    return this->Enter("IBaseLineDimension3D::GetPlacement") ? FTexts.Params().Real("Placement") : 0.0;
}

template <class Base> void THostDimension3DOf<Base>::SetPlacement(double value)
{
    if (this->Enter("IBaseLineDimension3D::SetPlacement", {NumberArg(value)}))
        FTexts.Params().Set("Placement", value);
}

template <class Base> bool THostDimension3DOf<Base>::GetAutoNominalValue()
{
    return this->Enter("IDimensionText::GetAutoNominalValue") && FTexts.Params().Flag("AutoNominal");
}

template <class Base> void THostDimension3DOf<Base>::SetAutoNominalValue(bool value)
{
    if (!this->Enter("IDimensionText::SetAutoNominalValue", {BoolArg(value)})) return;
    FTexts.Params().Set("AutoNominal", value);
    RefreshNominal();
}

template <class Base> double THostDimension3DOf<Base>::GetNominalValue()
{
    if (!this->Enter("IDimensionText::GetNominalValue")) return 0.0;
    const TParams& p = FTexts.Params();
    return !p.Flag("AutoNominal") && p.Has("NominalValue") ? p.Real("NominalValue") : FLength;
}

template <class Base> void THostDimension3DOf<Base>::SetNominalValue(double value)
{
    if (!this->Enter("IDimensionText::SetNominalValue", {NumberArg(value)})) return;
    FTexts.Params().Set("AutoNominal", false);
    FTexts.Params().Set("NominalValue", value);
    FTexts.Text("Nominal").SetStr(DimensionNumberText(value));
}

template <class Base> tvapi::ITextPtr THostDimension3DOf<Base>::GetNominalText()
{
    if (!this->Enter("IDimensionText::GetNominalText")) return {};
    return MakeText(Self(), FTexts, "Nominal");
}

template <class Base> std::wstring THostDimension3DOf<Base>::GetTolerance()
{
    return this->Enter("IDimensionText::GetTolerance") ? FTexts.Params().Text("Tolerance") : std::wstring();
}

template <class Base> void THostDimension3DOf<Base>::SetTolerance(const wchar_t* value)
{
    if (this->Enter("IDimensionText::SetTolerance", {ToUtf8(value ? value : L"")}))
        FTexts.Params().Set("Tolerance", std::wstring(value ? value : L""));
}

template <class Base> bool THostDimension3DOf<Base>::GetToleranceOn()
{
    return this->Enter("IDimensionText::GetToleranceOn") && FTexts.Params().Flag("ToleranceOn");
}

template <class Base> void THostDimension3DOf<Base>::SetToleranceOn(bool value)
{
    if (this->Enter("IDimensionText::SetToleranceOn", {BoolArg(value)}))
        FTexts.Params().Set("ToleranceOn", value);
}

template <class Base> void THostDimension3DOf<Base>::SetDeviations(double upper, double lower)
{
    if (!this->Enter("IDimensionText::SetDeviations", {NumberArg(upper), NumberArg(lower)})) return;
    FTexts.Text("Upper").SetStr(DeviationText(upper));
    FTexts.Text("Lower").SetStr(DeviationText(lower));
}

template <class Base> tvapi::ITextPtr THostDimension3DOf<Base>::GetUpperDeviation()
{
    if (!this->Enter("IDimensionText::GetUpperDeviation")) return {};
    return MakeText(Self(), FTexts, "Upper");
}

template <class Base> tvapi::ITextPtr THostDimension3DOf<Base>::GetLowerDeviation()
{
    if (!this->Enter("IDimensionText::GetLowerDeviation")) return {};
    return MakeText(Self(), FTexts, "Lower");
}

template <class Base> tvapi::ITextLinePtr THostDimension3DOf<Base>::GetPrefix()
{
    if (!this->Enter("IDimensionText::GetPrefix")) return {};
    return MakeSingleLine(Self(), FTexts, "Prefix");
}

template <class Base> tvapi::ITextLinePtr THostDimension3DOf<Base>::GetSuffix()
{
    if (!this->Enter("IDimensionText::GetSuffix")) return {};
    return MakeSingleLine(Self(), FTexts, "Suffix");
}

template <class Base> tvapi::ITextLinePtr THostDimension3DOf<Base>::GetNote()
{
    if (!this->Enter("IDimensionText::GetNote")) return {};
    return MakeSingleLine(Self(), FTexts, "Note");
}

template class THostDimension3DOf<TModelDimensionBase>;
template class THostDimension3DOf<TGeneratedDimensionBase>;

} // namespace tvhost
