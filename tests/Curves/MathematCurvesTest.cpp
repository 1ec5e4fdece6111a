// The value-type operations over curves: the fillet of two lines by worked corners, the
// triangle's plan polygon orientation and its clipping overlap test.

#include "MathematCurves.h"

#include "CurveTestUtil.h"
#include "PolyLine.h"
#include "Triangle3D.h"

#include <gtest/gtest.h>

using curvetest::Near;

namespace {

TEST(ConnestLLTest, FilletTouchesBothLinesOnTheSideOfTheTurn)
{
    TPoint2D A[2], C;
    int dir = 7;
    ASSERT_TRUE(ConnestLL(0, 0, 10, 0, 10, 0, 10, 10, 5, A, C, dir)); // left turn
    EXPECT_EQ(dir, 1);
    EXPECT_TRUE(Near(C, 5, 5, 1e-12));
    EXPECT_TRUE(Near(A[0], 5, 0, 1e-12));
    EXPECT_TRUE(Near(A[1], 10, 5, 1e-12));
    dir = 0;
    ASSERT_TRUE(ConnestLL(0, 0, 10, 0, 10, 0, 10, -10, 2, A, C, dir)); // right turn
    EXPECT_EQ(dir, -1);
    EXPECT_TRUE(Near(C, 8, -2, 1e-12));
    EXPECT_TRUE(Near(A[1], 10, -2, 1e-12));
}

TEST(ConnestLLTest, ParallelLinesLeaveOutputsUntouched)
{
    TPoint2D A[2] = {TPoint2D(-1, -1), TPoint2D(-2, -2)}, C(-3, -3);
    int dir = 9;
    EXPECT_FALSE(ConnestLL(0, 0, 10, 0, 0, 5, 10, 5, 1, A, C, dir));
    EXPECT_EQ(dir, 1);
    EXPECT_TRUE(Near(C, -3, -3));
    EXPECT_TRUE(Near(A[0], -1, -1));
    EXPECT_TRUE(Near(A[1], -2, -2));
}

TEST(TTriangle3DPolygonTest, PlanPolygonIsCounterclockwise)
{
    // Clockwise in plan: written A, C, B over what the polyline held; counterclockwise: kept.
    const TTriangle3D T[2] = {{TPoint3D(0, 0, 0), TPoint3D(0, 10, 0), TPoint3D(10, 0, 0)},
                              {TPoint3D(0, 0, 1), TPoint3D(10, 0, 2), TPoint3D(0, 10, 3)}};
    for (const TTriangle3D& t : T) {
        TPolyLine P;
        P.AddVertex(99, 99);
        t.toPolygon(P);
        ASSERT_EQ(P.Points.Count, 3);
        EXPECT_TRUE(P.Closed);
        EXPECT_TRUE(Near(P.Points[0], 0, 0));
        EXPECT_TRUE(Near(P.Points[1], 10, 0));
        EXPECT_TRUE(Near(P.Points[2], 0, 10));
        EXPECT_GT(P.OrientationArea(), 0);
    }
}

TEST(TTriangle3DShadowTest, OnlyALowerTriangleOverlappingByFourPercentIsShadowed)
{
    const TTriangle3D Upper(TPoint3D(0, 0, 5), TPoint3D(10, 0, 5), TPoint3D(0, 10, 5));
    const struct {
        const char* name;
        TTriangle3D lower;
        bool shadowed;
    } cases[] = {
        {"overlapping below", {TPoint3D(2, 2, 0), TPoint3D(12, 2, 0), TPoint3D(2, 12, 0)}, true},
        {"overlapping above", {TPoint3D(2, 2, 6), TPoint3D(12, 2, 6), TPoint3D(2, 12, 6)}, false},
        // Overlap: the triangle (9,0),(10,0),(9,1) of area 0.5 = 1 % of 50.
        {"sliver", {TPoint3D(9, 0, 0), TPoint3D(19, 0, 0), TPoint3D(9, 10, 0)}, false},
        {"vertical", {TPoint3D(1, 1, 0), TPoint3D(5, 1, 0), TPoint3D(1, 1, 4)}, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(Upper.T2ShadowDn(c.lower), c.shadowed);
    }
}

} // namespace
