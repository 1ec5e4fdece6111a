// The ejector-channel washer: its section in a sketch and on a sheet, sizes and roughness
// marks, sheet and requirement, part calls, and the part's volume on the host.

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <numbers>

#include "ComponentHostFixture.h"
#include "MathDetail2.h"
#include "PresentComponentFixture.h"

namespace {

using TArgs = std::vector<std::string>;

class TWasherEjectorChannelTest : public TPresentComponentTest<> {
protected:
    TWasherEjectorChannelTest() : TPresentComponentTest("channelwasher") { W.Height = 6, W.Radius = 20; }

    TWasherEjectorChannel W{Id, &M, TConstruktor::Empty()};
};

TEST_F(TWasherEjectorChannelTest, SketchHoldsTheAxisAndTheClosedRectangle)
{
    W.dr2D_Shajba_V1(0, 0, 0, 1, 20, 6, 0, false);
    EXPECT_EQ(M.ArgsOf("drLine"), (std::vector<TArgs>{{"-3", "0", "9", "0", "3"},
                                                      {"0", "0", "0", "20", "1"},
                                                      {"0", "20", "6", "20", "1"},
                                                      {"6", "20", "6", "0", "1"},
                                                      {"6", "0", "0", "0", "1"}}));
    EXPECT_TRUE(M.OutlineClosed());
    EXPECT_EQ(M.CountOf("drHatch"), 0u);
    EXPECT_EQ(M.Depth(), 0);
}

TEST_F(TWasherEjectorChannelTest, SheetSectionIsHatchedWholeWithSizesOnRequest)
{
    W.dr2D_Shajba_V1(0, 0, 0, 1, 20, 6, 1, false);
    // Axis, both halves, then both halves again as the hatch's boundary; the run along the
    // axis is left to the axis line.
    EXPECT_EQ(M.LinesInStyle(1), 12u);
    EXPECT_EQ(M.ArgsOf("drHatch"), (std::vector<TArgs>{{"0", "135", "2"}}));
    EXPECT_EQ(M.CountOf("drEndObj"), 1u);
    EXPECT_EQ(M.CountOf("drDimHL") + M.CountOf("drDimVL") + M.CountOf("drRough"), 0u);
    EXPECT_TRUE(M.OutlineClosed());

    M.ClearJournal();
    W.dr2D_Shajba_V1(0, 0, 0, 1, 20, 6, 1, true);
    EXPECT_EQ(M.ArgsOf("drDimHL"),
              (std::vector<TArgs>{{"6", "30", "-1", "0", "20", "6", "20", "\"\"", "\"h9\"", "\"\""}}));
    EXPECT_EQ(M.ArgsOf("drDimVL"),
              (std::vector<TArgs>{{"40", "20", "1", "6", "-20", "6", "20", "\"&02\"", "\"h14\"", "\"\""}}));
    // One mark turned on the left face, one upright on the right face and 13 higher.
    EXPECT_EQ(M.ArgsOf("drRough"), (std::vector<TArgs>{{"0", "27", "180", "0", "\"0,8\"", "\"\"", "\"\""},
                                                       {"6", "40", "0", "0", "\"0,8\"", "\"\"", "\"\""}}));
    EXPECT_EQ(M.Depth(), 0);
}

TEST_F(TWasherEjectorChannelTest, AbsentDetailDrawsNothing)
{
    TWasherEjectorChannel other(Id + 1, &M, TConstruktor::Empty());
    other.dr2D_Shajba_V1(0, 0, 0, 1, 20, 6, 1, true);
    EXPECT_TRUE(M.Calls.empty());
    EXPECT_EQ(M.Depth(), 0);
}

TEST_F(TWasherEjectorChannelTest, SheetViewIsOffsetByTheRadiusAndCarriesTheHardness)
{
    W.dr2D();
    const std::vector<std::string> texts = M.Texts();
    ASSERT_FALSE(texts.empty());
    EXPECT_EQ(texts.front(), "drLeafStampView1(" + std::to_string(Id) + ", 0, 20, -40, true)");
    EXPECT_EQ(M.ArgsOf("drStringObj"), (std::vector<TArgs>{{recording::QuotedUtf8(" 42...46 HRCэ")}}));
    EXPECT_EQ(M.CountOf("drHatch"), 1u);

    M.ClearJournal();
    M.BooleanResult = false;
    W.dr2D();
    EXPECT_EQ(M.Names(), (std::vector<std::string>{"drLeafStampView1"}));
}

TEST_F(TWasherEjectorChannelTest, PartRevolvesTheSketchAndIsColouredAndSaved)
{
    W.dr3D(10);
    const std::vector<std::string> texts = M.Texts();
    ASSERT_GE(texts.size(), 4u);
    EXPECT_EQ(texts.front(), "drCreate3DNewPartPlane(" + std::to_string(Id) + ", 0, true, 3, 0)");
    EXPECT_EQ(texts[texts.size() - 3], "drBaseRotate(0, 360)");
    EXPECT_EQ(texts[texts.size() - 2], "drColor3D(9474192, 0.8, 0.6, 0.95, 0.95, 1, 0.8)");
    EXPECT_EQ(texts.back(), "drClose3D(true, 0)");
    EXPECT_EQ(M.CountOf("drHatch"), 0u);

    M.ClearJournal();
    M.BooleanResult = false;
    W.dr3D(10);
    EXPECT_EQ(M.Names(), (std::vector<std::string>{"drCreate3DNewPartPlane"}));
}

using TWasherEjectorChannelPartTest = TComponentHostFixture;

TEST_F(TWasherEjectorChannelPartTest, PartIsADiscOfItsRadiusAndHeight)
{
    const TDcDetail id = Present("channelwasher");
    TWasherEjectorChannel w(id, &drApi::MA, TConstruktor::Empty());
    w.Height = 6, w.Radius = 20;
    w.dr3D(10);
    const std::vector<tvhost::TShape> shapes = Shapes(id);
    ASSERT_EQ(shapes.size(), 1u);
    EXPECT_TRUE(tvhost::IsValidShape(shapes[0]));
    EXPECT_NEAR(tvhost::Volume(shapes[0]), std::numbers::pi * 400 * 6, 1e-6 * 400 * 6);
    const std::array<double, 6> box = tvhost::BoxOf(shapes[0]);
    std::array<double, 3> sides = {box[3] - box[0], box[4] - box[1], box[5] - box[2]};
    std::sort(sides.begin(), sides.end());
    EXPECT_NEAR(sides[0], 6, 1e-6);
    EXPECT_NEAR(sides[1], 40, 1e-6);
    EXPECT_NEAR(sides[2], 40, 1e-6);
}

} // namespace
