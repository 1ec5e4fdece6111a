// The kernel's checks behind a part's features: a Boolean's result judged by what it changed
// (a bad face made by the operation fails it, faces it kept are not looked at again), and a
// body cut away entirely holding no solid.

#include <gtest/gtest.h>

#include "HostKernelFeatures.h"

using namespace tvhost;

namespace {

// A closed chain of 3D segments through the points, as the kernel's edges.
std::vector<TShape> Chain(const std::vector<TXyz>& points)
{
    std::vector<TShape> edges;
    for (std::size_t i = 0; i < points.size(); ++i)
        edges.push_back(MakeSegment(points[i], points[(i + 1) % points.size()]));
    return edges;
}

} // namespace

TEST(HostKernelFeaturesTest, ValidityOfAChangeLooksAtWhatTheOperationChanged)
{
    const TShape box = MakeBox({0, 0, 0}, 10, 10, 10);
    const TShape hole = Combined(TBooleanKind::bkCut, box, MakeCylinder({5, 5, -1}, {0, 0, 1}, 2, 12));
    ASSERT_TRUE(hole);
    EXPECT_TRUE(IsValidChange(hole, box));
    EXPECT_TRUE(IsValidChange(hole, {}));
    EXPECT_FALSE(IsValidChange({}, box));

    // A bow tie: one face whose boundary crosses itself, which the checker refuses.
    const TShape bowTie = Patch(Chain({{0, 0, 20}, {10, 10, 20}, {10, 0, 20}, {0, 10, 20}}));
    ASSERT_TRUE(bowTie);
    EXPECT_FALSE(IsValidShape(bowTie));
    EXPECT_FALSE(IsValidChange(bowTie, box));
    EXPECT_FALSE(IsValidChange(bowTie, {}));
    // Its face was there before the change: not looked at again.
    EXPECT_TRUE(IsValidChange(bowTie, bowTie));
}

TEST(HostKernelFeaturesTest, BodyCutAwayEntirelyHoldsNoSolid)
{
    const TShape box = MakeBox({0, 0, 0}, 1, 1, 1);
    EXPECT_TRUE(HasSolid(box));
    const TShape gone = Combined(TBooleanKind::bkCut, box, MakeBox({-1, -1, -1}, 3, 3, 3));
    ASSERT_TRUE(gone);
    EXPECT_FALSE(HasSolid(gone));
    EXPECT_EQ(Volume(gone), 0.0);
    const TShape half = Combined(TBooleanKind::bkCut, box, MakeBox({0.5, -1, -1}, 3, 3, 3));
    EXPECT_TRUE(HasSolid(half));
    EXPECT_NEAR(Volume(half), 0.5, 1e-12);
    EXPECT_FALSE(HasSolid(MakeSegment({0, 0, 0}, {1, 0, 0})));
    EXPECT_FALSE(HasSolid({}));
}
