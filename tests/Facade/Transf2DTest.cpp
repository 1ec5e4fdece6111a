// Tests of the 2D placement stack: worked placements, composition order, nesting, pops and
// growth past the initial room.

#include "Transf2D.h"

#include <cmath>
#include <vector>

#include <gtest/gtest.h>

namespace {

constexpr Real Eps = 1e-9;
constexpr Real Pi = 3.14159265358979323846;

void ExpectMaps(const TTransf2D& T, Real x, Real y, Real ex, Real ey) {
    Real nx = 0, ny = 0;
    T.xyMtr(x, y, nx, ny);
    EXPECT_NEAR(nx, ex, Eps) << "x of (" << x << ", " << y << ")";
    EXPECT_NEAR(ny, ey, Eps) << "y of (" << x << ", " << y << ")";
}

} // namespace

TEST(TTransf2DTest, PopOfEmptyStackKeepsItEmpty) {
    TTransf2D T;
    T.drDeleteMtr();
    T.drDeleteMtr();
    EXPECT_EQ(T.AMtr.Count, 0);
    T.drMtr(1, 2, 0, 1, false); // the stack still works afterwards
    EXPECT_EQ(T.AMtr.Count, 1);
    ExpectMaps(T, 0, 0, 1, 2);
}

// A local point is scaled, then turned, then moved: compared with that formula written out.
struct TPlacementCase {
    Real x, y, angle, scale;
};

class TTransf2DPlacementTest : public ::testing::TestWithParam<TPlacementCase> {};

TEST_P(TTransf2DPlacementTest, LocalPointIsScaledTurnedThenMoved) {
    const TPlacementCase c = GetParam();
    TTransf2D T;
    T.drMtr(c.x, c.y, c.angle, c.scale, false);
    const Real a = c.angle * Pi / 180;
    for (const TPoint2D& p : {TPoint2D(0, 0), TPoint2D(2, -1), TPoint2D(-3.5, 4)}) {
        SCOPED_TRACE(testing::Message() << "point " << p.x << ", " << p.y);
        const Real ex = c.x + c.scale * (p.x * std::cos(a) - p.y * std::sin(a));
        const Real ey = c.y + c.scale * (p.x * std::sin(a) + p.y * std::cos(a));
        ExpectMaps(T, p.x, p.y, ex, ey);
    }
    EXPECT_NEAR(T.ScaleMtr(), std::fabs(c.scale), Eps);
    const Real expectAngle =
        std::fmod(std::atan2(c.scale * std::sin(a), c.scale * std::cos(a)) * 180 / Pi + 360, 360);
    EXPECT_NEAR(T.AngleMtr(), expectAngle, 1e-7);
}

INSTANTIATE_TEST_SUITE_P(Placements, TTransf2DPlacementTest,
                         ::testing::Values(TPlacementCase{0, 0, 0, 1}, TPlacementCase{5, 7, 30, 3},
                                           TPlacementCase{-12.5, 4, 135, 0.5}, TPlacementCase{1, 1, 270, 1},
                                           TPlacementCase{100, -50, 200, 1.25},
                                           TPlacementCase{3, 4, 45, 1 + 1e-11}));

TEST(TTransf2DTest, NestedPlacementComposesUnlessNewSequence) {
    TTransf2D T;
    T.drMtr(100, 0, 0, 1, false);
    T.drMtr(0, 50, 0, 1, false);
    ExpectMaps(T, 0, 0, 100, 50);
    T.drDeleteMtr();
    ExpectMaps(T, 0, 0, 100, 0);
    T.drMtr(0, 50, 0, 1, true);
    ExpectMaps(T, 0, 0, 0, 50);
}

TEST(TTransf2DTest, MatrixPushEqualsParameterPush) {
    TTransf2D byParams;
    byParams.drMtr(3, -2, 15, 1, false);
    byParams.drMtr(7, 1, 40, 2.5, false);

    TTransf2D byMatrix;
    byMatrix.drMtr(3, -2, 15, 1, false);
    TMtr2D local;
    local.drMtr(7, 1, 40, 2.5);
    byMatrix.drMtr(local, false);

    Real ex = 0, ey = 0;
    byParams.xyMtr(-2, 5, ex, ey);
    ExpectMaps(byMatrix, -2, 5, ex, ey);

    TTransf2D fresh;
    fresh.drMtr(4, 4, 0, 1, false);
    fresh.drMtr(local, true); // starts from the drawing's coordinates
    local.TransformCoord(1, 1, ex, ey);
    ExpectMaps(fresh, 1, 1, ex, ey);
}

TEST(TTransf2DTest, PushingTheTopAsMatrixAppliesItTwice) {
    TTransf2D T;
    T.drMtr(5, 0, 90, 1, false); // (x, y) -> (5 - y, x)
    T.drMtr(T.AMtr[0], false);   // the argument lives in the stack that grows
    // (1, 0) -> (5, 1) -> (4, 5)
    ExpectMaps(T, 1, 0, 4, 5);
}

// A hundred nested steps, each one unit along the local X axis and turned 3.6 degrees: the
// origin of level k lies at the sum of unit vectors at 0, 3.6, ... 3.6 (k - 1) degrees, and
// after the full turn back at (0, 0) with angle 0. The stack grows past its 64 slots.
TEST(TTransf2DTest, HundredNestedPushesStayCorrectAndUnwind) {
    constexpr int Depth = 100;
    constexpr Real Step = 360.0 / Depth;
    TTransf2D T;
    std::vector<TPoint2D> origins;
    Real sx = 0, sy = 0;
    for (int k = 0; k < Depth; ++k) {
        T.drMtr(k == 0 ? 0.0 : 1.0, 0.0, k == 0 ? 0.0 : Step, 1, false);
        if (k > 0) {
            sx += std::cos((k - 1) * Step * Pi / 180);
            sy += std::sin((k - 1) * Step * Pi / 180);
        }
        SCOPED_TRACE(testing::Message() << "depth " << k + 1);
        ExpectMaps(T, 0, 0, sx, sy);
        origins.emplace_back(sx, sy);
    }
    EXPECT_EQ(T.AMtr.Count, Depth);
    EXPECT_NEAR(T.ScaleMtr(), 1.0, Eps);
    // One more step closes the polygon.
    T.drMtr(1, 0, Step, 1, false);
    ExpectMaps(T, 0, 0, 0, 0);
    EXPECT_NEAR(std::fmod(T.AngleMtr() + 180, 360), 180.0, 1e-7); // 0 or a hair below 360
    T.drDeleteMtr();

    for (int k = Depth; k >= 1; --k) {
        SCOPED_TRACE(testing::Message() << "unwinding to depth " << k);
        ExpectMaps(T, 0, 0, origins[k - 1].x, origins[k - 1].y);
        T.drDeleteMtr();
    }
    EXPECT_EQ(T.AMtr.Count, 0);
    ExpectMaps(T, 2, 3, 2, 3);
}
