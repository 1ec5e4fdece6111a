// The distance screw's parts on the stand-in host: the one-piece screw is one valid solid with
// its slot, the assembled one saves its cap screw, washer and bushing and inserts them into the
// detail's document at the heights of the collar and the shank.

#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <numbers>
#include <string>

#include "ComponentHostFixture.h"
#include "DistanceScrew.h"
#include "HostKernelFeatures.h"

namespace {

constexpr double pi = std::numbers::pi;

// A ring of outer radius D, bore d and length L whose two outer edges are chamfered f.
double RingVolume(double D, double d, double L, double f)
{
    const double chamfer = 2 * pi * (D - f / 3) * (f * f / 2);
    return pi * (D * D - d * d) * L - 2 * chamfer;
}

class TDistanceScrewPartTest : public TComponentHostFixture {
protected:
    void SetUp() override
    {
        TComponentHostFixture::SetUp();
        Id = Present("distscrew");
    }
    TDcDetail Id = 0;
};

TEST_F(TDistanceScrewPartTest, OnePieceScrewIsOneSolidWithItsSlot)
{
    TDistanceScrew s(Id, &drApi::MA, nullptr);
    ASSERT_EQ(s.Set(39, 4), 4);
    s.dr3D(0);
    tvhost::THostDocument3D* doc = Open(Model->sfDetail3D(Id, 0));
    ASSERT_NE(doc, nullptr);
    const std::vector<tvhost::TShape> shapes = doc->TopPart().PlacedShapes();
    ASSERT_EQ(shapes.size(), 1u);
    EXPECT_TRUE(tvhost::IsValidShape(shapes[0]));
    // Collar, shank and thread as plain cylinders bound the screw from above; less the chamfers,
    // grooves and slot it stays above the shank and thread alone.
    const double outer = pi * (144 * 8 + 64 * 30 + 36 * 18);
    const double volume = tvhost::Volume(shapes[0]);
    EXPECT_LT(volume, outer - 2 * 12 * 3); // at least the slot's core is gone
    EXPECT_GT(volume, pi * (144 * 6 + 64 * 27 + 25 * 18));
    const std::array<double, 6> box = tvhost::BoxOf(shapes[0]);
    std::array<double, 3> size{box[3] - box[0], box[4] - box[1], box[5] - box[2]};
    std::sort(size.begin(), size.end());
    EXPECT_NEAR(size[2], 56, 1e-6);
    EXPECT_NEAR(size[1], 24, 1e-6);
    // The slot, 2.5 wide across Y as the sheet dimensions it and 3 deep from the collar's end
    // face (Z 38), runs through the collar; beside it the collar is whole.
    const auto inside = [&](double y0, double w) {
        const tvhost::TShape probe = tvhost::MakeBox({-13, y0, 35.01}, 26, w, 2.98);
        return tvhost::Volume(tvhost::Combined(tvhost::TBooleanKind::bkCommon, shapes[0], probe));
    };
    EXPECT_NEAR(box[5], 38, 1e-6);
    EXPECT_NEAR(inside(-1.24, 2.48), 0.0, 1e-6);
    EXPECT_GT(inside(1.26, 1.98), 1.98 * 2.98 * 18);
}

TEST_F(TDistanceScrewPartTest, AssembledScrewInsertsItsThreePartsAtCollarAndShank)
{
    TDistanceScrew s(Id, &drApi::MA, nullptr);
    ASSERT_EQ(s.Set(39, 4), 4);
    *s.Execution.PInt = 1;
    s.dr3D(0);
    // Washer and bushing let the M12 screw through its clearance hole of 13.
    const double washer = RingVolume(12, 6.5, 3, 0.2), bushing = RingVolume(8, 6.5, 30, 1);
    for (const auto& [n, volume] : {std::pair{2, washer}, std::pair{3, bushing}}) {
        SCOPED_TRACE(n);
        tvhost::THostDocument3D* part = Open(Model->sfDetail3D(Id, n));
        ASSERT_NE(part, nullptr);
        const std::vector<tvhost::TShape> shapes = part->TopPart().PlacedShapes();
        ASSERT_EQ(shapes.size(), 1u);
        EXPECT_TRUE(tvhost::IsValidShape(shapes[0]));
        EXPECT_NEAR(tvhost::Volume(shapes[0]), volume, 1e-6);
    }
    tvhost::THostDocument3D* screw = Open(Model->sfDetail3D(Id, 1));
    ASSERT_NE(screw, nullptr);
    const std::vector<tvhost::TShape> screwShapes = screw->TopPart().PlacedShapes();
    ASSERT_EQ(screwShapes.size(), 1u);
    EXPECT_TRUE(tvhost::IsValidShape(screwShapes[0]));
    const double screwVolume = tvhost::Volume(screwShapes[0]);
    // Head 18 by 12 over a shank 48 under it, less its socket and chamfers.
    const double whole = pi * (81 * 12 + 36 * 48);
    EXPECT_LT(screwVolume, whole);
    EXPECT_GT(screwVolume, whole - pi * 36 * 9 - 2 * pi * 9);

    tvhost::THostDocument3D* doc = Open(Model->sfDetail3D(Id, 0));
    ASSERT_NE(doc, nullptr);
    const std::vector<tvhost::TShape> all = doc->TopPart().PlacedShapes();
    ASSERT_EQ(all.size(), 3u);
    const tvhost::TComponents& parts = doc->TopPart().Components();
    ASSERT_EQ(parts.size(), 3u);
    const double heights[] = {33, 33, 30}; // screw and washer on the shank of 30, the bushing under
    for (std::size_t i = 0; i < 3; ++i) {
        SCOPED_TRACE(i);
        EXPECT_NEAR(parts[i]->Frame().Origin[2], heights[i], 1e-9);
        EXPECT_NEAR(parts[i]->Frame().Origin[0], 0, 1e-9);
    }
    double total = 0;
    for (const tvhost::TShape& shape : all)
        total += tvhost::Volume(shape);
    EXPECT_NEAR(total, screwVolume + washer + bushing, 1e-6);
}

// The assembled screw of each thread: its cap screw has the head of its thread, and washer and
// bushing let it through at least its clearance hole, so that no two of the three parts overlap.
struct TAssembledCase {
    Integer Row;
    double HeadD, HeadK, Socket, Clearance;
};

void PrintTo(const TAssembledCase& c, std::ostream* os)
{
    *os << "row " << c.Row;
}

class TAssembledFitTest : public TDistanceScrewPartTest,
                          public testing::WithParamInterface<TAssembledCase> {};

TEST_P(TAssembledFitTest, ScrewHasItsHeadAndPassesThroughItsClearanceHoles)
{
    const TAssembledCase& c = GetParam();
    TDistanceScrew s(Id, &drApi::MA, nullptr);
    ASSERT_EQ(s.Set(39, c.Row), c.Row);
    *s.Execution.PInt = 1;
    s.dr3D(0);
    const std::vector<tvhost::TShape> all = Shapes(Id);
    ASSERT_EQ(all.size(), 3u);
    for (std::size_t i = 0; i < 3; ++i)
        for (std::size_t j = i + 1; j < 3; ++j)
            EXPECT_NEAR(tvhost::Volume(tvhost::Combined(tvhost::TBooleanKind::bkCommon, all[i], all[j])), 0,
                        1e-6)
                << i << " and " << j;
    const double washer = RingVolume(s.CollarRadius, c.Clearance / 2, 3, 0.2);
    EXPECT_NEAR(tvhost::Volume(Shapes(Id, 2)[0]), washer, 1e-6);
    const std::vector<tvhost::TShape> screw = Shapes(Id, 1);
    ASSERT_EQ(screw.size(), 1u);
    const std::array<double, 6> box = tvhost::BoxOf(screw[0]);
    EXPECT_NEAR(box[3] - box[0], c.HeadD, 1e-6);
    EXPECT_NEAR(box[5], c.HeadK, 1e-6);
    // Just beyond the socket's flats the head is solid, just inside them empty.
    const auto filled = [&](double x0) {
        const tvhost::TShape probe = tvhost::MakeBox({x0, -0.1, c.HeadK - 3}, 0.1, 0.2, 2.9);
        return tvhost::Volume(tvhost::Combined(tvhost::TBooleanKind::bkCommon, screw[0], probe)) / 0.058;
    };
    EXPECT_NEAR(filled(c.Socket / 2 + 0.02), 1, 1e-6);
    EXPECT_NEAR(filled(c.Socket / 2 - 0.12), 0, 1e-6);
}

INSTANTIATE_TEST_SUITE_P(Threads, TAssembledFitTest,
                         testing::Values(TAssembledCase{1, 13, 8, 6, 8.4}, TAssembledCase{6, 18, 12, 10, 13}),
                         [](const testing::TestParamInfo<TAssembledCase>& i) {
                             return "Row" + std::to_string(i.param.Row);
                         });

} // namespace
