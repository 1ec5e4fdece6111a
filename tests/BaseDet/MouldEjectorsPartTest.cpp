// The spring-loaded ejector, the return pins, their pillar and the retraction pin built on
// the host: each part has the volume of its profile by Pappus, the ejector its notch.

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <numbers>

#include "ComponentHostFixture.h"
#include "ComponentShapes.h"
#include "MathDetail2.h"
#include "RevolvedVolume.h"

namespace {

constexpr double pi = std::numbers::pi;

using TMouldEjectorsPartTest = TComponentHostFixture;

// Spigot 40, collar 180, fit 216, its chamfer 16.125, shank 306.25, taper 121.333, working
// end 135, all times pi; from -10 to 100 along the axis, 12 across.
TEST_F(TMouldEjectorsPartTest, EjectorHasTheReferenceVolumeLessItsNotch)
{
    const TDcDetail id = Present("ejectorchannel");
    TEjectorPlug plug(0, &drApi::MA, TConstruktor::Empty());
    plug.ConeLen = 8;
    TEjectorChannel e(id, &drApi::MA, TConstruktor::Empty(), &plug);
    e.Radius = 3, e.Len = 100, e.SpringRadius = 2, e.SpringLen = 10, e.FitRadius = 4, e.FitLen = 20;
    e.CollarRadius = 6, e.CollarHeight = 5, e.GradeHeight = 0;
    e.dr3D(0);
    std::vector<tvhost::TShape> shapes = Shapes(id);
    ASSERT_EQ(shapes.size(), 1u);
    EXPECT_TRUE(tvhost::IsValidShape(shapes[0]));
    const double plain = 1014.7083333333333 * pi;
    EXPECT_NEAR(tvhost::Volume(shapes[0]), plain, 1e-6 * plain);
    const std::array<double, 6> box = tvhost::BoxOf(shapes[0]);
    std::array<std::pair<double, double>, 3> extent{};
    for (int i = 0; i < 3; ++i)
        extent[i] = {box[i], box[i + 3]};
    std::sort(extent.begin(), extent.end(),
              [](auto a, auto b) { return a.second - a.first < b.second - b.first; });
    EXPECT_NEAR(extent[0].second - extent[0].first, 12, 1e-6);
    EXPECT_NEAR(extent[1].second - extent[1].first, 12, 1e-6);
    EXPECT_NEAR(std::min(std::abs(extent[2].first), std::abs(extent[2].second)), 10, 1e-6);
    EXPECT_NEAR(std::max(std::abs(extent[2].first), std::abs(extent[2].second)), 100, 1e-6);

    // The notch: a wedge over the last 8, 2 deep at its start, through the working end of
    // radius 3; each section is a circular segment of height d (Simpson over d).
    Kept.Reset();
    e.GradeHeight = 2;
    e.dr3D(0);
    shapes = Shapes(id);
    ASSERT_EQ(shapes.size(), 1u);
    EXPECT_TRUE(tvhost::IsValidShape(shapes[0]));
    const auto segment = [](double d) {
        return 9 * std::acos((3 - d) / 3) - (3 - d) * std::sqrt(6 * d - d * d);
    };
    double wedge = 0;
    const int n = 2000;
    for (int i = 0; i <= n; ++i)
        wedge += (i == 0 || i == n ? 1 : i % 2 ? 4 : 2) * segment(2.0 * i / n);
    wedge *= 2.0 / n / 3 * 4; // 4 along the axis per unit of depth
    const double volume = tvhost::Volume(shapes[0]);
    Kept.Reset();
    EXPECT_NEAR(volume, plain - wedge, 1e-5 * plain);
}

TEST_F(TMouldEjectorsPartTest, ReturnPinAndPillarHaveTheVolumesOfTheirProfiles)
{
    const TDcDetail id = Model->RowOf("backejector"), id2 = Present("backpillar");
    TBackEjector b(id, &drApi::MA, TConstruktor::Empty(), id2);
    b.Radius = 4, b.CollarHeight = 6, b.CollarRadius = 8, b.FitRadius = 5, b.FitLen = 25, b.Len = 100;
    b.LenOpora = 30;
    b.dr3D(0); // the pins are absent: their part is refused, the pillar's is built
    EXPECT_TRUE(Shapes(id).empty());
    std::vector<tvhost::TShape> shapes = Shapes(id2);
    ASSERT_EQ(shapes.size(), 1u);
    EXPECT_TRUE(tvhost::IsValidShape(shapes[0]));
    TRevolvedVolume pillar(
        shapes::RevolvedVolume({{0, 0}, {0, 8}, {6, 8}, {6, 3}, {8, 3}, {9, 4}, {30, 4}, {30, 0}}));
    pillar.Corner({6, 8}, {6, 3}, {8, 3}, 0.5, true);
    pillar.Corner({6, 3}, {8, 3}, {9, 4}, 0.5, true);
    EXPECT_NEAR(tvhost::Volume(shapes[0]), pillar.Volume, 1e-6 * pillar.Volume);

    Kept.Reset();
    Model->Present(id, 50);
    b.dr3D(0);
    shapes = Shapes(id);
    ASSERT_EQ(shapes.size(), 1u);
    EXPECT_TRUE(tvhost::IsValidShape(shapes[0]));
    const double pin = shapes::RevolvedVolume(
        {{0, 0}, {0, 8}, {6, 8}, {6, 5}, {23.5, 5}, {25, 3.5}, {69, 3.5}, {85, 4}, {100, 4}, {100, 0}});
    EXPECT_NEAR(tvhost::Volume(shapes[0]), pin, 1e-6 * pin);
    Kept.Reset();
}

// The neck's concave fillet adds, the ridge's convex one takes away; the tip ends in the sphere
// of radius 1 of the enlarged view, at the overall length F + 5.4 of the sheet: the flank
// x + y = 45.5 meets that sphere (centre 44.4) where x = (89.9 - sqrt 0.79) / 2, and the cap
// beyond is 45.4 - x high.
TEST_F(TMouldEjectorsPartTest, RetractionPinHasTheVolumeOfItsProfile)
{
    const TDcDetail id = Present("retraction");
    TReTraction r(id, &drApi::MA, TConstruktor::Empty());
    r.Radius = 4, r.FitLen = 20, r.Fit2Len = 40, r.CollarHeight = 6, r.CollarRadius = 7;
    r.dr3D(0);
    const std::vector<tvhost::TShape> shapes = Shapes(id);
    ASSERT_EQ(shapes.size(), 1u);
    EXPECT_TRUE(tvhost::IsValidShape(shapes[0]));
    const double x = (89.9 - std::sqrt(0.79)) / 2, h = 45.4 - x;
    TRevolvedVolume v(shapes::RevolvedVolume(
        {{0, 0}, {0, 7}, {6, 7}, {6, 4}, {40, 4}, {40, 1}, {42.25, 3.25}, {x, 45.5 - x}, {x, 0}}));
    v.Corner({40, 4}, {40, 1}, {41, 2}, 0.5, true);
    v.Corner({41, 2}, {42.25, 3.25}, {43.5, 2}, 1, false);
    const double cap = pi * h * h * (3 - h) / 3;
    EXPECT_NEAR(tvhost::Volume(shapes[0]), v.Volume + cap, 1e-6 * v.Volume);
    const std::array<double, 6> box = tvhost::BoxOf(shapes[0]);
    EXPECT_NEAR(box[5] - box[2], 45.4, 1e-6) << "the overall length the sheet gives";
    Kept.Reset();
}

} // namespace
