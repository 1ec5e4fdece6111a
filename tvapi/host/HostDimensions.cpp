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

template <class IMain> void THostDimensionOf<IMain>::RefreshNominalText()
{
    if (!this->Params().Flag("AutoNominal")) return;
    this->Text("Nominal").SetStr(DimensionNumberText(Measure()));
}

template <class IMain> bool THostDimensionOf<IMain>::GetAutoNominalValue()
{
    if (!THostObject::Enter("IDimensionText::GetAutoNominalValue")) return false;
    return this->Params().Flag("AutoNominal");
}

template <class IMain> void THostDimensionOf<IMain>::SetAutoNominalValue(bool value)
{
    if (!THostObject::Enter("IDimensionText::SetAutoNominalValue", {BoolArg(value)})) return;
    this->Params().Set("AutoNominal", value);
    RefreshNominalText();
}

template <class IMain> double THostDimensionOf<IMain>::GetNominalValue()
{
    if (!THostObject::Enter("IDimensionText::GetNominalValue")) return 0.0;
    return Measure();
}

template <class IMain> tvapi::ITextPtr THostDimensionOf<IMain>::GetNominalText()
{
    if (!THostObject::Enter("IDimensionText::GetNominalText")) return {};
    RefreshNominalText();
    return MakeText(this->DrawingObject(), *this, "Nominal");
}

template <class IMain> void THostDimensionOf<IMain>::SetDeviations(double upper, double lower)
{
    if (!THostObject::Enter("IDimensionText::SetDeviations", {NumberArg(upper), NumberArg(lower)})) return;
    this->Params().Set("UpperDeviation", upper);
    this->Params().Set("LowerDeviation", lower);
    this->Text("Upper").SetStr(DeviationText(upper));
    this->Text("Lower").SetStr(DeviationText(lower));
}

template <class IMain> tvapi::ITextPtr THostDimensionOf<IMain>::GetUpperDeviation()
{
    if (!THostObject::Enter("IDimensionText::GetUpperDeviation")) return {};
    return MakeText(this->DrawingObject(), *this, "Upper");
}

template <class IMain> tvapi::ITextPtr THostDimensionOf<IMain>::GetLowerDeviation()
{
    if (!THostObject::Enter("IDimensionText::GetLowerDeviation")) return {};
    return MakeText(this->DrawingObject(), *this, "Lower");
}

template <class IMain> tvapi::ITextLinePtr THostDimensionOf<IMain>::GetPrefix()
{
    if (!THostObject::Enter("IDimensionText::GetPrefix")) return {};
    return MakeSingleLine(this->DrawingObject(), *this, "Prefix");
}

template <class IMain> tvapi::ITextLinePtr THostDimensionOf<IMain>::GetSuffix()
{
    if (!THostObject::Enter("IDimensionText::GetSuffix")) return {};
    return MakeSingleLine(this->DrawingObject(), *this, "Suffix");
}

template <class IMain> bool THostDimensionOf<IMain>::Update()
{
    if (!Base::Update()) return false;
    RefreshNominalText();
    return true;
}

template class THostDimensionOf<tvapi::ILineDimension>;
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
        return std::fabs(dx);
    case tvapi::tvLinDVertical:
        return std::fabs(dy);
    default:
        break;
    }
    const double angle = p.Real("Angle");
    return std::fabs(dx * std::cos(angle) + dy * std::sin(angle));
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
    return 2.0 * std::fabs(Params().Real("Radius"));
}

double THostRadialDimension::Measure() const noexcept
{
    return std::fabs(Params().Real("Radius"));
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

THostModelDimension::THostModelDimension(double length)
    : THostModelObjectOf(tvapi::o3d_lineDimension3D), FLength(length)
{
    FTexts.Params().Set("AutoNominal", true);
    RefreshNominal();
}

THostModelDimension::THostModelDimension(tvapi::tvObj3dTypeEnum kind) : THostModelObjectOf(kind), FLength(0.0)
{
    FTexts.Params().Set("AutoNominal", true);
    RefreshNominal();
}

void THostModelDimension::RefreshNominal()
{
    if (FTexts.Params().Flag("AutoNominal")) FTexts.Text("Nominal").SetStr(DimensionNumberText(FLength));
}

bool THostModelDimension::Rebuild()
{
    if (FObject1 || FObject2) {
        const double measured = DistanceBetween(FObject1, FObject2);
        if (measured < 0.0) return false;
        FLength = measured;
    }
    RefreshNominal();
    return true;
}

void THostModelDimension::Restore(tvapi::IModelObjectPtr object1, tvapi::IModelObjectPtr object2,
                                  double length)
{
    FObject1 = std::move(object1);
    FObject2 = std::move(object2);
    FLength = length;
    RefreshNominal();
}

void THostModelDimension::SetObject1(tvapi::IModelObjectPtr object)
{
    if (Enter("IBaseLineDimension3D::SetObject1", {ObjectArg(object.Get())})) FObject1 = std::move(object);
}

void THostModelDimension::SetObject2(tvapi::IModelObjectPtr object)
{
    if (Enter("IBaseLineDimension3D::SetObject2", {ObjectArg(object.Get())})) FObject2 = std::move(object);
}

tvapi::IModelObjectPtr THostModelDimension::GetObject1()
{
    return Enter("IBaseLineDimension3D::GetObject1") ? FObject1 : tvapi::IModelObjectPtr();
}

tvapi::IModelObjectPtr THostModelDimension::GetObject2()
{
    return Enter("IBaseLineDimension3D::GetObject2") ? FObject2 : tvapi::IModelObjectPtr();
}

double THostModelDimension::GetPlacement()
{
    return Enter("IBaseLineDimension3D::GetPlacement") ? FTexts.Params().Real("Placement") : 0.0;
}

void THostModelDimension::SetPlacement(double value)
{
    if (Enter("IBaseLineDimension3D::SetPlacement", {NumberArg(value)}))
        FTexts.Params().Set("Placement", value);
}

bool THostModelDimension::GetAutoNominalValue()
{
    return Enter("IDimensionText::GetAutoNominalValue") && FTexts.Params().Flag("AutoNominal");
}

void THostModelDimension::SetAutoNominalValue(bool value)
{
    if (!Enter("IDimensionText::SetAutoNominalValue", {BoolArg(value)})) return;
    FTexts.Params().Set("AutoNominal", value);
    RefreshNominal();
}

double THostModelDimension::GetNominalValue()
{
    return Enter("IDimensionText::GetNominalValue") ? FLength : 0.0;
}

tvapi::ITextPtr THostModelDimension::GetNominalText()
{
    if (!Enter("IDimensionText::GetNominalText")) return {};
    return MakeText(Self(), FTexts, "Nominal");
}

std::wstring THostModelDimension::GetTolerance()
{
    return Enter("IDimensionText::GetTolerance") ? FTexts.Params().Text("Tolerance") : std::wstring();
}

void THostModelDimension::SetTolerance(const wchar_t* value)
{
    if (Enter("IDimensionText::SetTolerance", {ToUtf8(value ? value : L"")}))
        FTexts.Params().Set("Tolerance", std::wstring(value ? value : L""));
}

bool THostModelDimension::GetToleranceOn()
{
    return Enter("IDimensionText::GetToleranceOn") && FTexts.Params().Flag("ToleranceOn");
}

void THostModelDimension::SetToleranceOn(bool value)
{
    if (Enter("IDimensionText::SetToleranceOn", {BoolArg(value)})) FTexts.Params().Set("ToleranceOn", value);
}

void THostModelDimension::SetDeviations(double upper, double lower)
{
    if (!Enter("IDimensionText::SetDeviations", {NumberArg(upper), NumberArg(lower)})) return;
    FTexts.Text("Upper").SetStr(DeviationText(upper));
    FTexts.Text("Lower").SetStr(DeviationText(lower));
}

tvapi::ITextPtr THostModelDimension::GetUpperDeviation()
{
    if (!Enter("IDimensionText::GetUpperDeviation")) return {};
    return MakeText(Self(), FTexts, "Upper");
}

tvapi::ITextPtr THostModelDimension::GetLowerDeviation()
{
    if (!Enter("IDimensionText::GetLowerDeviation")) return {};
    return MakeText(Self(), FTexts, "Lower");
}

tvapi::ITextLinePtr THostModelDimension::GetPrefix()
{
    if (!Enter("IDimensionText::GetPrefix")) return {};
    return MakeSingleLine(Self(), FTexts, "Prefix");
}

tvapi::ITextLinePtr THostModelDimension::GetSuffix()
{
    if (!Enter("IDimensionText::GetSuffix")) return {};
    return MakeSingleLine(Self(), FTexts, "Suffix");
}

} // namespace tvhost
