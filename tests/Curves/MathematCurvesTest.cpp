// The value-type operations over curves: the fillet of two lines by worked corners, the
// triangle's plan polygon orientation and its clipping overlap test.

#include "MathematCurves.h"

#include "PolyLine.h"
#include "Triangle3D.h"

#include <gtest/gtest.h>

namespace {

TEST(ConnestLLTest, FilletOfLeftTurnCornerTouchesBothLines)
{
    TPoint2D A[2], C;
    int dir = 7;
    ASSERT_TRUE(ConnestLL(0, 0, 10, 0, 10, 0, 10, 10, 5, A, C, dir));
    EXPECT_EQ(dir, 1);
    EXPECT_NEAR(C.x, 5, 1e-12);
    EXPECT_NEAR(C.y, 5, 1e-12);
    EXPECT_NEAR(A[0].x, 5, 1e-12);
    EXPECT_NEAR(A[0].y, 0, 1e-12);
    EXPECT_NEAR(A[1].x, 10, 1e-12);
    EXPECT_NEAR(A[1].y, 5, 1e-12);
}

TEST(ConnestLLTest, RightTurnOffsetsToTheRight)
{
    TPoint2D A[2], C;
    int dir = 0;
    ASSERT_TRUE(ConnestLL(0, 0, 10, 0, 10, 0, 10, -10, 2, A, C, dir));
    EXPECT_EQ(dir, -1);
    EXPECT_NEAR(C.x, 8, 1e-12);
    EXPECT_NEAR(C.y, -2, 1e-12);
    EXPECT_NEAR(A[1].x, 10, 1e-12);
    EXPECT_NEAR(A[1].y, -2, 1e-12);
}

TEST(ConnestLLTest, ParallelLinesLeaveOutputsUntouched)
{
    TPoint2D A[2] = {TPoint2D(-1, -1), TPoint2D(-2, -2)}, C(-3, -3);
    int dir = 9;
    EXPECT_FALSE(ConnestLL(0, 0, 10, 0, 0, 5, 10, 5, 1, A, C, dir));
    EXPECT_EQ(dir, 1);
    EXPECT_EQ(C.x, -3);
    EXPECT_EQ(A[0].x, -1);
    EXPECT_EQ(A[1].y, -2);
}

TEST(TTriangle3DPolygonTest, ClockwiseTriangleBecomesACB)
{
    const TTriangle3D T(TPoint3D(0, 0, 0), TPoint3D(0, 10, 0), TPoint3D(10, 0, 0));
    TPolyLine P;
    P.AddVertex(99, 99);
    T.toPolygon(P);
    ASSERT_EQ(P.Points.Count, 3);
    EXPECT_TRUE(P.Closed);
    EXPECT_EQ(P.Points[1].x, 10);
    EXPECT_EQ(P.Points[2].y, 10);
    EXPECT_GT(P.OrientationArea(), 0);
}

TEST(TTriangle3DPolygonTest, CounterclockwiseTriangleKeepsItsOrder)
{
    const TTriangle3D T(TPoint3D(0, 0, 1), TPoint3D(10, 0, 2), TPoint3D(0, 10, 3));
    TPolyLine P;
    T.toPolygon(P);
    ASSERT_EQ(P.Points.Count, 3);
    EXPECT_EQ(P.Points[1].x, 10);
    EXPECT_EQ(P.Points[2].y, 10);
}

class TShadowDnTest : public ::testing::Test {
protected:
    TTriangle3D Upper{TPoint3D(0, 0, 5), TPoint3D(10, 0, 5), TPoint3D(0, 10, 5)};
};

TEST_F(TShadowDnTest, OverlappingLowerTriangleIsShadowed)
{
    const TTriangle3D Lower(TPoint3D(2, 2, 0), TPoint3D(12, 2, 0), TPoint3D(2, 12, 0));
    EXPECT_TRUE(Upper.T2ShadowDn(Lower));
}

TEST_F(TShadowDnTest, LowerTriangleAboveIsNotShadowed)
{
    const TTriangle3D High(TPoint3D(2, 2, 6), TPoint3D(12, 2, 6), TPoint3D(2, 12, 6));
    EXPECT_FALSE(Upper.T2ShadowDn(High));
}

TEST_F(TShadowDnTest, SliverOverlapBelowFourPercentIsNotShadowed)
{
    // Overlap: the triangle (9,0),(10,0),(9,1) of area 0.5 = 1 % of 50.
    const TTriangle3D Lower(TPoint3D(9, 0, 0), TPoint3D(19, 0, 0), TPoint3D(9, 10, 0));
    EXPECT_FALSE(Upper.T2ShadowDn(Lower));
}

TEST_F(TShadowDnTest, VerticalTriangleIsNotShadowed)
{
    const TTriangle3D Wall(TPoint3D(1, 1, 0), TPoint3D(5, 1, 0), TPoint3D(1, 1, 4));
    EXPECT_FALSE(Upper.T2ShadowDn(Wall));
}

} // namespace
