// Tests of the sheet-format choice: the format rules at their boundaries and the facade's plan
// from measured view rectangles.

#include "drSheetFormat.h"

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

// Margins: w = dX + 40, h = dY + 30.
INSTANTIATE_TEST_SUITE_P(TLeafSelectorTest, ChoiceFormatTest,
                         ::testing::Values(TFormatCase{160, 260, 4, 0},   // 200 x 290
                                           TFormatCase{160, 270, 3, 0},   // h 300: not A4
                                           TFormatCase{170, 100, 3, 1},   // w 210 exactly: not A4
                                           TFormatCase{250, 200, 3, 1},   // 230 + 55 = 285 < 297
                                           TFormatCase{250, 220, 3, 0},   // 250 + 55 = 305 fails rule 2
                                           TFormatCase{195, 236.9, 3, 1}, // w 235: no title-block room
                                           TFormatCase{73, 335, 2, 1},    // w 113: 365 + 55 = 420 fails
                                           TFormatCase{554, 810, 0, 1},   // w 594: too wide for A1 portrait
                                           TFormatCase{1000, 1000, 0, 1}),
                         [](const ::testing::TestParamInfo<TFormatCase>& p) {
                             const TFormatCase& c = p.param;
                             return "A" + std::to_string(std::get<2>(c)) +
                                    (std::get<3>(c) ? "Landscape" : "Portrait") + "For" +
                                    std::to_string(static_cast<int>(std::get<0>(c))) + "x" +
                                    std::to_string(static_cast<int>(std::get<1>(c)));
                         });

TEST(TLeafSelectorMApiTest, PlanJoinsTheMeasuredViewsAndShiftsTheirCornerToTheFrame)
{
    TRect2D unmeasured;
    unmeasured.SetEmpty();
    Integer f = -1, o = -1;
    TPoint2D shift;
    // (10, 20)-(110, 220) and (150, 0)-(200, 100): extent 190 x 220 from (10, 0) to (200, 220);
    // w 230, h 250 -> A3 landscape, corner (40, 267), shift (30, 47).
    ASSERT_TRUE(drApi::TLeafSelectorMApi::PlanLeaf(
        Views({TRect2D(10, 20, 110, 220), unmeasured, TRect2D(200, 100, 150, 0)}), f, o, shift));
    EXPECT_EQ(std::make_tuple(f, o, shift.x, shift.y), std::make_tuple(3, 1, 30.0, 47.0));

    // (0, 0)-(100, 200) and (0, 100)-(100, 300): extent 100 x 300 -> w 140, h 330: A3 portrait,
    // corner (40, 390), shift (40, 90). Taking the higher bottom would measure 200 and pick A4.
    ASSERT_TRUE(drApi::TLeafSelectorMApi::PlanLeaf(
        Views({TRect2D(0, 0, 100, 200), TRect2D(0, 100, 100, 300)}), f, o, shift));
    EXPECT_EQ(std::make_tuple(f, o, shift.x, shift.y), std::make_tuple(3, 0, 40.0, 90.0));

    // Nothing measured: nothing changes.
    EXPECT_FALSE(drApi::TLeafSelectorMApi::PlanLeaf(Views({unmeasured, unmeasured}), f, o, shift));
    EXPECT_EQ(std::make_tuple(f, o, shift.x, shift.y), std::make_tuple(3, 0, 40.0, 90.0));
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
