// Dimensions of the stand-in host measure their own geometry: worked nominal values of each
// kind, the nominal text that follows them with a decimal comma, and the deviation texts.

#include "HostDimensions.h"

#include <cmath>
#include <cwchar>
#include <functional>
#include <limits>
#include <numbers>

#include <gtest/gtest.h>

#include "Drawing2DTestUtil.h"
#include "HostFixture.h"

namespace {

using drawing_test::TSheet;

// Makes a dimension in the sheet and gives it its geometry.
using TBuild = std::function<tvapi::IDrawingObjectPtr(const TSheet&)>;

struct TNominalCase {
    const char* Name;
    TBuild Build;
    double Nominal;
    const wchar_t* Text;
};

TBuild Linear(tvapi::tvLineDimensionOrientationEnum orientation, double angle)
{
    return [=](const TSheet& s) {
        tvapi::ILineDimensionPtr d = s.Symbols->GetLineDimensions()->Add();
        d->SetX1(0);
        d->SetY1(0);
        d->SetX2(30);
        d->SetY2(40);
        d->SetOrientation(orientation);
        d->SetAngle(angle);
        return tvapi::IDrawingObjectPtr(d);
    };
}

TBuild Circular(bool diametral, double radius)
{
    return [=](const TSheet& s) {
        const tvapi::IDiametralDimensionsPtr dims = s.Symbols->GetDiametralDimensions();
        if (diametral) {
            tvapi::IDiametralDimensionPtr d = dims->Add();
            d->SetRadius(radius);
            return tvapi::IDrawingObjectPtr(d);
        }
        tvapi::IRadialDimensionPtr d = tvapi::IRadialDimensionsPtr(dims)->AddRadial();
        d->SetRadius(radius);
        return tvapi::IDrawingObjectPtr(d);
    };
}

TBuild Angular(double a1, double a2, tvapi::tvAngleDimTypeEnum type)
{
    return [=](const TSheet& s) {
        tvapi::IAngleDimensionPtr d = s.Symbols->GetAngleDimensions()->Add(tvapi::tvDrADimension);
        d->SetAngle1(a1);
        d->SetAngle2(a2);
        d->SetAngleType(type);
        return tvapi::IDrawingObjectPtr(d);
    };
}

// Points (0, 0) and (30, 40): 30 along X, 40 along Y, 50 along their own direction.
const TNominalCase NominalCases[] = {
    {"horizontal", Linear(tvapi::tvLinDHorizontal, 0.0), 30.0, L"30"},
    {"vertical", Linear(tvapi::tvLinDVertical, 0.0), 40.0, L"40"},
    {"parallel_along_points", Linear(tvapi::tvLinDParallel, std::atan2(4.0, 3.0)), 50.0, L"50"},
    {"parallel_along_y", Linear(tvapi::tvLinDParallel, std::numbers::pi / 2), 40.0, L"40"},
    {"parallel_at_60", Linear(tvapi::tvLinDParallel, std::numbers::pi / 3), 15.0 + 20.0 * std::sqrt(3.0),
     L"49,641"},
    {"diametral", Circular(true, 10.0), 20.0, L"20"},
    {"radial", Circular(false, 12.5), 12.5, L"12,5"},
    {"angle_90_to_60", Angular(90, 60, tvapi::tvADMinAngle), 30.0, L"30"},
    {"angle_across_zero", Angular(10, 350, tvapi::tvADMinAngle), 20.0, L"20"},
    {"angle_larger", Angular(10, 350, tvapi::tvADMaxAngle), 340.0, L"340"},
    {"angle_direct", Angular(350, 10, tvapi::tvADDirectAngle), 20.0, L"20"},
};

class DimensionNominalTest : public HostFixture, public ::testing::WithParamInterface<TNominalCase> {};

TEST_P(DimensionNominalTest, AutomaticNominalFollowsGeometry)
{
    const TNominalCase& c = GetParam();
    const TSheet s = drawing_test::NewSheet(Host().App().Documents());
    const tvapi::IDrawingObjectPtr dim = c.Build(s);
    const tvapi::IDimensionTextPtr text(dim);
    ASSERT_TRUE(text);
    text->SetAutoNominalValue(true);
    ASSERT_TRUE(dim->Update());
    EXPECT_NEAR(text->GetNominalValue(), c.Nominal, 1e-9);
    EXPECT_EQ(text->GetNominalText()->GetStr(), c.Text);
}

INSTANTIATE_TEST_SUITE_P(Worked, DimensionNominalTest, ::testing::ValuesIn(NominalCases),
                         [](const auto& c) { return std::string(c.param.Name); });

TEST(DimensionTextTest, NumbersUseDecimalCommaAndAtMostThreeDecimals)
{
    const std::pair<double, const wchar_t*> numbers[] = {
        {12.5, L"12,5"}, {20.0, L"20"},  {1.0 / 3.0, L"0,333"}, {1234.5678, L"1234,568"},
        {-2.5, L"-2,5"}, {0.0004, L"0"}, {0.0006, L"0,001"},    {1e-12, L"0"},
    };
    for (const auto& [value, text] : numbers) {
        SCOPED_TRACE(value);
        EXPECT_EQ(tvhost::DimensionNumberText(value), text);
    }
    // Past 1e60 the digits no longer fit a small buffer: they are written in full.
    const std::wstring big = tvhost::DimensionNumberText(-1e61);
    EXPECT_EQ(big.size(), 62u);
    EXPECT_EQ(std::wcstod(big.c_str(), nullptr), -1e61);
    EXPECT_EQ(tvhost::DimensionNumberText(std::numeric_limits<double>::max()).size(), 309u);
    EXPECT_EQ(tvhost::DimensionNumberText(std::numeric_limits<double>::infinity()), L"?");
    const std::pair<double, const wchar_t*> deviations[] = {
        {0.02, L"+0,02"}, {-0.02, L"-0,02"}, {0.1, L"+0,1"}, {0.0, L"0"}};
    for (const auto& [value, text] : deviations) {
        SCOPED_TRACE(value);
        EXPECT_EQ(tvhost::DeviationText(value), text);
    }
}

class DimensionTest : public HostFixture {};

TEST_F(DimensionTest, DeviationPairFillsTextsAndUserNominalStays)
{
    const TSheet s = drawing_test::NewSheet(Host().App().Documents());
    const tvapi::IDiametralDimensionPtr d = s.Symbols->GetDiametralDimensions()->Add();
    d->SetRadius(10);
    const tvapi::IDimensionTextPtr text(d);
    text->SetDeviations(0.02, -0.02);
    EXPECT_EQ(text->GetUpperDeviation()->GetStr(), L"+0,02");
    EXPECT_EQ(text->GetLowerDeviation()->GetStr(), L"-0,02");

    // Without the automatic flag the nominal text is what the user wrote.
    text->GetNominalText()->SetStr(L"&0220");
    d->SetRadius(15);
    d->Update();
    EXPECT_EQ(text->GetNominalText()->GetStr(), L"&0220");
    EXPECT_DOUBLE_EQ(text->GetNominalValue(), 30.0);
    // Switched on, it follows the geometry again.
    text->SetAutoNominalValue(true);
    EXPECT_EQ(text->GetNominalText()->GetStr(), L"30");

    text->GetPrefix()->SetStr(L"2 отв. ");
    text->GetSuffix()->SetStr(L"h14");
    EXPECT_EQ(drawing_test::Core(d).Text("Prefix").Str(), L"2 отв. ");
    EXPECT_EQ(text->GetSuffix()->GetStr(), L"h14");
}

// A nominal given to the dimension is its value and its text until the automatic flag is set
// again; the geometry does not change it meanwhile.
TEST_F(DimensionTest, AGivenNominalStandsUntilTheFlagIsSetAgain)
{
    const TSheet s = drawing_test::NewSheet(Host().App().Documents());
    const tvapi::ILineDimensionPtr d = s.Symbols->GetLineDimensions()->Add();
    d->SetY2(8);
    d->SetOrientation(tvapi::tvLinDVertical);
    const tvapi::IDimensionTextPtr text(d);
    text->SetAutoNominalValue(true);
    text->SetNominalValue(16.5);
    d->SetY2(9);
    d->Update();
    EXPECT_FALSE(text->GetAutoNominalValue());
    EXPECT_DOUBLE_EQ(text->GetNominalValue(), 16.5);
    EXPECT_EQ(text->GetNominalText()->GetStr(), L"16,5");
    text->SetAutoNominalValue(true);
    EXPECT_DOUBLE_EQ(text->GetNominalValue(), 9.0);
    EXPECT_EQ(text->GetNominalText()->GetStr(), L"9");
}

} // namespace
