// Tests of the sheet-format choice: the format rules at their boundaries and the facade's plan
// from measured view rectangles.

#include "drSheetFormat.h"

#include <limits>
#include <string>
#include <tuple>

#include <gtest/gtest.h>

namespace {

using TFormatCase = std::tuple<Real, Real, Integer, Integer>; // dX, dY -> format, orientation

class ChoiceFormatTest : public ::testing::TestWithParam<TFormatCase> {};

TArrayOf<TRect2D> Views(std::initializer_list<TRect2D> rects)
{
    TArrayOf<TRect2D> a(4, 4);
    for (const TRect2D& r : rects)
        a.Add(r);
    return a;
}

} // namespace

TEST_P(ChoiceFormatTest, ChoosesTheSmallestSheetThatHoldsTheDrawing)
{
    const auto [dX, dY, format, orientation] = GetParam();
    Integer f = -1, o = -1;
    TLeafSelector::Instance().ChoiceFormat(dX, dY, f, o);
    EXPECT_EQ(std::make_pair(f, o), std::make_pair(format, orientation));
}

// The drawing's corner is 40 in and 30 down; the frame 5 in on the right and at the bottom; the
// title block 185 x 55 in its corner. A4 portrait holds below 165 x 207, A4 landscape 252 x 120
// or, wider than 67, 175 high beside nothing; A3 landscape beside the block below 190 wide.
INSTANTIATE_TEST_SUITE_P(TLeafSelectorTest, ChoiceFormatTest,
                         ::testing::Values(TFormatCase{160, 200, 4, 0},   // A4 portrait over the block
                                           TFormatCase{160, 260, 3, 1},   // 260 over 207: A3 beside it
                                           TFormatCase{160, 270, 3, 0},   // 270 past A3 landscape's 262
                                           TFormatCase{170, 100, 4, 1},   // 210 reaches past the frame at 205
                                           TFormatCase{250, 200, 3, 1},   // over the block: 200 < 207
                                           TFormatCase{250, 220, 3, 0},   // 220 reaches into it
                                           TFormatCase{195, 236.9, 3, 0}, // 235 wide: into the block
                                           TFormatCase{73, 335, 2, 1},    // 335 past A3 portrait's 330
                                           TFormatCase{554, 810, 0, 0},   // beside the block on A0 portrait
                                           TFormatCase{1000, 1000, 0, 1}),
                         [](const ::testing::TestParamInfo<TFormatCase>& p) {
                             const TFormatCase& c = p.param;
                             return "A" + std::to_string(std::get<2>(c)) +
                                    (std::get<3>(c) ? "Landscape" : "Portrait") + "For" +
                                    std::to_string(static_cast<int>(std::get<0>(c))) + "x" +
                                    std::to_string(static_cast<int>(std::get<1>(c)));
                         });

// A drawing's extent and the requirements' room over the title block, with the fit and sheet.
struct TFitCase {
    const char* Name;
    Real dX, dY, Demand;
    TSheetFit Fit;
    Integer Format, Orientation; // -1: none chosen
};

class SheetFitTest : public ::testing::TestWithParam<TFitCase> {};

TEST_P(SheetFitTest, TheDrawingGoesOnTheFirstSheetThatHoldsItOrOnA0)
{
    const TFitCase& c = GetParam();
    Integer f = -1, o = -1;
    EXPECT_EQ(TLeafSelector::Instance().ChoiceFormat(c.dX, c.dY, f, o, c.Demand), c.Fit);
    EXPECT_EQ(std::make_pair(f, o), std::make_pair(c.Format, c.Orientation));
}

// With the corner at (40, H - 30), the frame 5 in on the right and at the bottom and the title
// block 185 x 55 in its corner, the requirements' room 5 over it.
INSTANTIATE_TEST_SUITE_P(
    TLeafSelectorTest, SheetFitTest,
    ::testing::Values(
        TFitCase{"TallBesideTheTitleBlockOnA3", 100, 250, 0, sfHolds, 3, 1},        // A4: 250 > 207
        TFitCase{"WideOverTheTitleBlockOnA4Landscape", 168, 100, 0, sfHolds, 4, 1}, // 208 > 205
        TFitCase{"BesideTheTitleBlockOnA0Portrait", 500, 1100, 0, sfHolds, 0, 0},   // 1100 > 805
        TFitCase{"RequirementsLiftTheDrawingOffA4", 160, 200, 7, sfHolds, 3, 1},    // 67 < 72
        TFitCase{"RequirementsBesideTheDrawingTakeNoRoom", 150, 250, 22, sfHolds, 3, 1},
        TFitCase{"TooWideForA0", 1200, 100, 0, sfTooLarge, 0, 1},
        TFitCase{"WidthNoNumber", std::numeric_limits<Real>::quiet_NaN(), 10, 0, sfNotFinite, -1, -1},
        TFitCase{"HeightInfinite", 10, std::numeric_limits<Real>::infinity(), 0, sfNotFinite, -1, -1}),
    [](const ::testing::TestParamInfo<TFitCase>& p) { return std::string(p.param.Name); });

TEST(TLeafSelectorMApiTest, PlanJoinsTheMeasuredViewsAndShiftsTheirCornerToTheFrame)
{
    TRect2D unmeasured;
    unmeasured.SetEmpty();
    Integer f = -1, o = -1;
    TPoint2D shift;
    // (10, 20)-(110, 220) and (150, 0)-(200, 100): extent 190 x 220 from (10, 0) to (200, 220),
    // too wide and too high to pass the title block on A3 landscape: A3 portrait, corner
    // (40, 390), shift (30, 170).
    ASSERT_EQ(drApi::TLeafSelectorMApi::PlanLeaf(
                  Views({TRect2D(10, 20, 110, 220), unmeasured, TRect2D(200, 100, 150, 0)}), f, o, shift),
              sfHolds);
    EXPECT_EQ(std::make_tuple(f, o, shift.x, shift.y), std::make_tuple(3, 0, 30.0, 170.0));

    // (0, 0)-(100, 150) and (0, 100)-(100, 250): extent 100 x 250, A3 landscape, corner (40, 267),
    // shift (40, 17). Taking the higher bottom would measure 150 and pass on A4 portrait.
    ASSERT_EQ(drApi::TLeafSelectorMApi::PlanLeaf(Views({TRect2D(0, 0, 100, 150), TRect2D(0, 100, 100, 250)}),
                                                 f, o, shift),
              sfHolds);
    EXPECT_EQ(std::make_tuple(f, o, shift.x, shift.y), std::make_tuple(3, 1, 40.0, 17.0));

    // Nothing measured, or a view that measures unbounded: nothing changes.
    const Real inf = std::numeric_limits<Real>::infinity();
    EXPECT_EQ(drApi::TLeafSelectorMApi::PlanLeaf(Views({unmeasured, unmeasured}), f, o, shift), sfNoExtent);
    EXPECT_EQ(drApi::TLeafSelectorMApi::PlanLeaf(Views({TRect2D(0, 0, 10, 10), TRect2D(0, 0, inf, 10)}), f, o,
                                                 shift),
              sfNotFinite);
    EXPECT_EQ(std::make_tuple(f, o, shift.x, shift.y), std::make_tuple(3, 1, 40.0, 17.0));
}

// The frame's upper-left corner: 40 in, 30 down from the top of the sheet's height (A0's is
// 1188 here); an unknown format counts as A0.
TEST(TLeafSelectorTest, DrawingAreaStartsAtTheFramesUpperLeftCorner)
{
    const TLeafSelector& s = TLeafSelector::Instance();
    const auto corner = [&](Integer f, Integer o) {
        Real x = -1, y = -1;
        s.GetLeafLeftUp(f, o, x, y);
        return std::make_pair(x, y);
    };
    EXPECT_EQ(corner(0, 0), std::make_pair(40.0, 1158.0));
    EXPECT_EQ(corner(4, 0), std::make_pair(40.0, 267.0));
    EXPECT_EQ(corner(4, 1), std::make_pair(40.0, 180.0));
    EXPECT_EQ(corner(0, 1), std::make_pair(40.0, 810.0));
    EXPECT_EQ(corner(7, 0), corner(0, 0));
}

// The requirements' block: 175 x 100, 10 in from the sheet's right edge, its bottom 5 above the
// 55 high title block; an unknown format or orientation counts as A0 landscape.
TEST(TLeafSelectorTest, RequirementsStandAboveTheTitleBlockOfTheirSheet)
{
    TLeafSelector& s = TLeafSelector::Instance();
    const auto block = [&](Integer f, Integer o) {
        const TRect2D r = s.DemandBlock(f, o);
        return std::make_tuple(r.Left(), r.Bottom(), r.Right(), r.Top());
    };
    EXPECT_EQ(block(4, 0), std::make_tuple(25.0, 65.0, 200.0, 165.0));
    EXPECT_EQ(block(3, 1), std::make_tuple(235.0, 65.0, 410.0, 165.0));
    EXPECT_EQ(block(0, 1), std::make_tuple(1001.0, 65.0, 1176.0, 165.0));
    EXPECT_EQ(block(0, 0), std::make_tuple(655.0, 65.0, 830.0, 165.0));
    EXPECT_EQ(block(5, 0), block(0, 1));
    EXPECT_EQ(block(2, 2), block(0, 1));
}
