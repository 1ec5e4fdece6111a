// Tests of the 2D placement stack: worked placements, composition order, nesting, pops and
// growth past the initial room.

#include "Transf2D.h"

#include <cmath>
#include <vector>

#include <gtest/gtest.h>

namespace {

constexpr Real Eps = 1e-9;
constexpr Real Pi = 3.14159265358979323846;

void ExpectMaps(const TTransf2D& T, Real x, Real y, Real ex, Real ey)
{
    Real nx = 0, ny = 0;
    T.xyMtr(x, y, nx, ny);
    EXPECT_NEAR(nx, ex, Eps) << "x of (" << x << ", " << y << ")";
    EXPECT_NEAR(ny, ey, Eps) << "y of (" << x << ", " << y << ")";
}

} // namespace

// A local point is scaled, then turned, then moved: compared with that formula written out.
TEST(TTransf2DTest, LocalPointIsScaledTurnedThenMoved)
{
    const Real cases[][4] = {
        {0, 0, 0, 1}, {5, 7, 30, 3}, {-12.5, 4, 135, 0.5}, {100, -50, 200, 1.25}, {3, 4, 45, 1 + 1e-11}};
    for (const auto& [x, y, angle, scale] : cases) {
        TTransf2D T;
        T.drMtr(x, y, angle, scale, false);
        const Real a = angle * Pi / 180;
        for (const TPoint2D& p : {TPoint2D(0, 0), TPoint2D(2, -1), TPoint2D(-3.5, 4)}) {
            SCOPED_TRACE(testing::Message() << "angle " << angle << ", point " << p.x << ", " << p.y);
            ExpectMaps(T, p.x, p.y, x + scale * (p.x * std::cos(a) - p.y * std::sin(a)),
                       y + scale * (p.x * std::sin(a) + p.y * std::cos(a)));
        }
        EXPECT_NEAR(T.ScaleMtr(), scale, Eps);
        EXPECT_NEAR(T.AngleMtr(), std::fmod(angle + 360, 360), 1e-7);
    }
}

TEST(TTransf2DTest, NestingComposesUnlessNewSequence)
{
    TTransf2D T;
    T.drDeleteMtr(); // nothing to pop
    EXPECT_EQ(T.AMtr.Count, 0);
    T.drMtr(100, 0, 0, 1, false);
    T.drMtr(0, 50, 0, 1, false);
    ExpectMaps(T, 0, 0, 100, 50);
    T.drDeleteMtr();
    ExpectMaps(T, 0, 0, 100, 0);
    T.drMtr(0, 50, 0, 1, true);
    ExpectMaps(T, 0, 0, 0, 50);
    // Pushing the top as a matrix applies it twice, though the argument lives in the stack that grows.
    T.drMtr(5, 0, 90, 1, true); // (x, y) -> (5 - y, x)
    T.drMtr(T.AMtr[2], false);
    ExpectMaps(T, 1, 0, 4, 5); // (1, 0) -> (5, 1) -> (4, 5)
}

// A hundred nested steps, each one unit along the local X axis and turned 3.6 degrees: the
// origin of level k lies at the sum of unit vectors at 0, 3.6, ... 3.6 (k - 1) degrees, after
// the full turn back at (0, 0). The stack grows past its 64 slots.
TEST(TTransf2DTest, HundredNestedPushesStayCorrectAndUnwind)
{
    constexpr int Depth = 100;
    constexpr Real Step = 360.0 / Depth;
    TTransf2D T;
    std::vector<TPoint2D> origins;
    Real sx = 0, sy = 0;
    for (int k = 0; k < Depth; ++k) {
        T.drMtr(1, 0, Step, 1, false);
        sx += std::cos(k * Step * Pi / 180), sy += std::sin(k * Step * Pi / 180);
        origins.emplace_back(sx, sy);
    }
    EXPECT_NEAR(std::hypot(sx, sy), 0.0, Eps);
    for (int k = Depth - 1; k >= 0; --k) {
        SCOPED_TRACE(testing::Message() << "depth " << k + 1);
        ExpectMaps(T, 0, 0, origins[k].x, origins[k].y);
        T.drDeleteMtr();
    }
    EXPECT_EQ(T.AMtr.Count, 0);
}
