// The V-prism clamp: its derived sizes, the plan view's three modes, the hatched section, the
// sheet, the 5-byte record, three clamps placed about a round part, and its part on the host.

#include <gtest/gtest.h>

#include <cmath>

#include "Clamper.h"
#include "ComponentCatalogue.h"
#include "ComponentHostFixture.h"
#include "ComponentRecorder.h"
#include "KmfData.h"
#include "StreamTestUtil.h"

namespace {

using TArgs = std::vector<std::string>;

double D(const std::string& s)
{
    return std::stod(s);
}

class TClamperTest : public testing::Test {
protected:
    void SetUp() override
    {
        drApi::LibraryControlModel = &Model;
        Model.Present(Id, 7);
    }
    void TearDown() override { drApi::LibraryControlModel = nullptr; }

    TComponentRecorder M;
    TCatalogueModel Model{"G"};
    TDcDetail Id = Model.RowOf("clamp");
};

TEST_F(TClamperTest, DerivedSizesAndRecord)
{
    TClamper c(Id, &M);
    EXPECT_EQ(c.d(), 8.0);
    EXPECT_DOUBLE_EQ(c.h(), 25 - std::sqrt(561.0));
    EXPECT_NEAR(c.s(), 4.3370, 5e-5);
    EXPECT_DOUBLE_EQ(c.x0(), -4.7);
    EXPECT_EQ(c.a(), -3.5);
    c.Design = true, c.Code = 12;
    TKmfData s;
    c.toStream(s);
    const streamtest::Bytes bytes = streamtest::DataOf(s);
    EXPECT_EQ(bytes, (streamtest::Bytes{1, 12, 0, 0, 0}));
    TClamper b(Id, &M);
    TKmfData in;
    in.from(streamtest::Blob(TKmfData::CurrentVersion, bytes));
    b.fromStream(in);
    EXPECT_TRUE(b.Design);
    EXPECT_EQ(b.Code, 12);
}

TEST_F(TClamperTest, PlanModesDrawOutlineSlotOrBoth)
{
    TClamper c(Id, &M);
    c.drPryzymPlan(0, 0, 0, 1, 2, false); // the outline alone
    EXPECT_TRUE(M.OutlineClosed());
    EXPECT_EQ(M.CountOf("drArc"), 1u);
    double minX = 1e9, maxX = -1e9;
    for (const TArgs& a : M.ArgsOf("drLine"))
        for (int i : {0, 2})
            minX = std::min(minX, D(a[i])), maxX = std::max(maxX, D(a[i]));
    EXPECT_EQ(minX, -8.0);
    EXPECT_NEAR(maxX, 9 + 25 - std::sqrt(561.0), 1e-6);
    EXPECT_EQ(M.ArgsOf("drArc")[0][0], "34"); // the clamping arc about (c9 + RA, 0)

    M.ClearJournal();
    c.drPryzymPlan(0, 0, 0, 1, 1, false); // the slot alone: from -8 to 4.5
    EXPECT_TRUE(M.OutlineClosed());
    EXPECT_EQ(M.CountOf("drArc"), 2u);
    EXPECT_EQ(M.CountOf("drLine"), 2u);

    M.ClearJournal();
    c.drPryzymPlan(0, 0, 0, 1, 0, true);
    EXPECT_EQ(M.CountOf("drArc"), 3u);
    EXPECT_EQ(M.CountOf("drLine"), 3u + 2u + 6u); // outline, slot, bend and axes
    EXPECT_EQ(M.LinesInStyle(4), 2u);
    EXPECT_EQ(M.LinesInStyle(3), 3u);
    EXPECT_EQ(M.CountOf("drDimVL") + M.CountOf("drDimHL"), 5u);
    EXPECT_EQ(M.Depth(), 0);
}

TEST_F(TClamperTest, SectionIsHatchedOnlyAsACutAndTheSheetShowsTheOutline)
{
    TClamper c(Id, &M);
    c.drPryzymRozr(0, 0, 0, 1, 0, false);
    EXPECT_EQ(M.CountOf("drHatch"), 0u);
    EXPECT_TRUE(M.OutlineClosed());
    EXPECT_EQ(M.ArgsOf("drLine").back(), (TArgs{"34", "0", "34", "10", "3"}));
    M.ClearJournal();
    c.drPryzymRozrPrav(0, 0, 0, 1, true);
    EXPECT_EQ(M.CountOf("drHatch"), 1u);
    EXPECT_EQ(M.CountOf("drEndObj"), 1u);
    for (const TArgs& a : M.ArgsOf("drLine"))
        EXPECT_GE(D(a[0]), -(9 + 25 - std::sqrt(561.0)) - 1e-6); // the front end towards -x
    M.ClearJournal();
    c.dr2D();
    EXPECT_EQ(M.Texts().front(), "drLeafStampView1(" + std::to_string(Id) + ", 0, 40, 0, true)");
    EXPECT_EQ(M.CountOf("drDimVL") + M.CountOf("drDimHL"), 8u);
    EXPECT_EQ(M.LinesInStyle(4), 2u); // the plan shows the bend, so the outline its dimensions measure
    EXPECT_EQ(M.Depth(), 0);

    TCatalogueModel absent{"G"};
    drApi::LibraryControlModel = &absent;
    M.ClearJournal();
    c.drPryzymPlan(0, 0, 0, 1, 0, true);
    c.drPryzymRozr(0, 0, 0, 1, 1, true);
    c.drPryzymRozrPrav(0, 0, 0, 1, true);
    c.Add(0, 0, 0, 20, false, true);
    EXPECT_TRUE(M.Calls.empty());
}

TEST_F(TClamperTest, AddPlacesThreeClampsFacingTheAxis)
{
    TClamper c(Id, &M);
    c.Add(0, 0, 5, 20, false, false);
    EXPECT_TRUE(M.Calls.empty());
    c.Add(0, 0, 5, 20, false, true);
    const auto placed = M.ArgsOf("AddDetailAxle");
    ASSERT_EQ(placed.size(), 3u);
    for (std::size_t i = 0; i < 3; ++i) {
        SCOPED_TRACE(i);
        EXPECT_NEAR(std::hypot(D(placed[i][0]), D(placed[i][1])), 30, 1e-7);
        EXPECT_NEAR(std::atan2(-D(placed[i][1]), -D(placed[i][0])) * 180 / M_PI, i == 2 ? -120 : 120.0 * i,
                    1e-7);
        EXPECT_EQ(placed[i][2], "5");
    }
    // The first faces +x, its y axis turned a quarter on from there.
    const auto near = [](const TArgs& a, std::vector<double> want) {
        for (std::size_t i = 0; i < want.size(); ++i)
            if (i != 3 && std::abs(D(a[i]) - want[i]) > 1e-9) return false;
        return true;
    };
    EXPECT_TRUE(near(placed[0], {-30, 0, 5, 0, 0, 1, 0, 0, 0, 1, 0}));
    M.ClearJournal();
    c.Add(-0.5, 0, 0, 20, true, true); // on the other side, turned over
    const auto other = M.ArgsOf("AddDetailAxle");
    ASSERT_EQ(other.size(), 3u);
    EXPECT_TRUE(near(other[0], {29.5, 0, 0, 0, 0, -1, 0, 0, 0, 1, 0}));
}

using TClamperPartTest = TComponentHostFixture;

TEST_F(TClamperPartTest, PartIsTheStripExtrudedWithItsArcAndSlotCut)
{
    const TDcDetail id = Present("clamp");
    TClamper c(id, &drApi::MA);
    c.dr3D(0);
    const std::vector<tvhost::TShape> shapes = Shapes(id);
    ASSERT_EQ(shapes.size(), 1u);
    EXPECT_TRUE(tvhost::IsValidShape(shapes[0]));
    // The section (an L of 3.3 with bends of 6.3 and 3.0) times the width, less the arc's
    // segment over the leg's thickness; the slot takes between its front half over the leg's
    // thickness and its whole area over the cut's depth.
    const double h = 25 - std::sqrt(561.0), pi = M_PI;
    const double section = 3.3 * 9.6 + 3.3 * (9 + h + 4.7) - 6.3 * 6.3 * (1 - pi / 4) + 9 * (1 - pi / 4);
    const double segment = 625 * std::acos((25 - h) / 25) - (25 - h) * 8;
    const double full = section * 16 - segment * 3.3;
    const double slot = pi * 4.5 * 4.5 + 3.5 * 9;
    const double volume = tvhost::Volume(shapes[0]);
    EXPECT_LT(volume, full - pi * 4.5 * 4.5 / 2 * 3.3);
    EXPECT_GT(volume, full - slot * 6.3);
    const std::array<double, 6> box = tvhost::BoxOf(shapes[0]);
    EXPECT_NEAR(box[0], -8, 1e-6);
    EXPECT_NEAR(box[3], 9 + h, 1e-6);
    EXPECT_NEAR(box[4] - box[1], 16, 1e-6);
    EXPECT_NEAR(box[5] - box[2], 9.6, 1e-6);
}

} // namespace
