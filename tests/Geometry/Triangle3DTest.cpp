// Space triangles and their plan-view tests.
#include "Triangle3D.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>

namespace {

TTriangle3D Equilateral(double side, double x0, double y0, double z)
{
    return TTriangle3D(TPoint3D(x0, y0, z), TPoint3D(x0 + side, y0, z), TPoint3D(x0 + side / 2, y0 + side * std::sqrt(3.0) / 2, z));
}

TEST(TTriangle3DTest, AreasNormalAndBounds)
{
    const TTriangle3D T(TPoint3D(0, 0, 5), TPoint3D(1, 0, -2), TPoint3D(0, 1, 3));
    EXPECT_DOUBLE_EQ(T.AreaXY(), 0.5);
    EXPECT_EQ(TTriangle3D(TPoint3D(0, 0, 0), TPoint3D(1, 0, 0), TPoint3D(0, 1, 0)).Normal(), TVector3D(0, 0, 1));
    EXPECT_TRUE(T.IsCommonGabarytXY(TTriangle3D(TPoint3D(1, 1, 0), TPoint3D(2, 1, 0), TPoint3D(2, 2, 0))));  // touching
    EXPECT_FALSE(T.IsCommonGabarytXY(TTriangle3D(TPoint3D(1.1, 0, 0), TPoint3D(2, 1, 0), TPoint3D(2, 2, 0))));
}

TEST(TTriangle3DTest, IntersectLineAwayFromEnds)
{
    const TPoint3D A1(0, 0, 0), A2(100, 0, 0), A3(50, -10, 0), A4(50, 10, 0);
    EXPECT_TRUE(IntersectLine(A1, A2, A3, A4));
    const TPoint3D B3(1, -10, 0), B4(1, 10, 0);  // crossing at 1 % of A1-A2
    EXPECT_FALSE(IntersectLine(A1, A2, B3, B4));
    EXPECT_FALSE(IntersectLine(A2, A1, B4, B3));
    EXPECT_FALSE(IntersectLine(A1, A2, TPoint3D(0, 1, 0), TPoint3D(100, 1, 0)));  // parallel
    // Inside 2 %..98 % but within 1 of an end point of the short segment.
    EXPECT_FALSE(IntersectLine(A1, A2, TPoint3D(50, -0.5, 0), TPoint3D(50, 0.8, 0)));
}

TEST(TTriangle3DTest, SidesOfALine)
{
    const TTriangle3D T(TPoint3D(0, -1, 0), TPoint3D(10, -1, 0), TPoint3D(5, -6, 0));
    EXPECT_TRUE(T.RightOfLine2D(TPoint3D(0, 0, 0), TPoint3D(10, 0, 0)));
    // Reversed, the corners lie left: 1 and 1 are within |L| / 2 = 5, but 6 is not.
    EXPECT_FALSE(T.RightOfLine2D(TPoint3D(10, 0, 0), TPoint3D(0, 0, 0)));
    const TTriangle3D Near(TPoint3D(0, -1, 0), TPoint3D(10, -1, 0), TPoint3D(5, -4, 0));
    EXPECT_TRUE(Near.RightOfLine2D(TPoint3D(10, 0, 0), TPoint3D(0, 0, 0)));
    EXPECT_TRUE(T.RightOfLine2D(TPoint3D(0, 0, 0), TPoint3D(0.3, 0, 0)));  // too short
    T3dTriangle R;
    R.A = TPoint3D(1, 0, 0), R.B = TPoint3D(2, 5, 0), R.C = TPoint3D(3, -5, 0);
    EXPECT_EQ(TriangleToLine2D(R, TPoint3D(0, 0, 0), TPoint3D(1, 0, 0)), RightLine);
    R.C = TPoint3D(-0.001, 9, 0);
    EXPECT_EQ(TriangleToLine2D(R, TPoint3D(0, 0, 0), TPoint3D(1, 0, 0)), LeftLine);
}

TEST(TTriangle3DTest, ShadowUp)
{
    const TTriangle3D T = Equilateral(10, 0, 0, 0);
    EXPECT_TRUE(T.T2ShadowUp(T));
    const TTriangle3D Cw(T.A, T.C, T.B);  // orientation does not matter
    EXPECT_TRUE(Cw.T2ShadowUp(Equilateral(10, 3, 1, 7)));
    // Mirror image across the edge y = 0: plan projections share only that edge.
    const TTriangle3D Below(TPoint3D(0, 0, 0), TPoint3D(10, 0, 0), TPoint3D(5, -8.66, 0));
    EXPECT_FALSE(T.T2ShadowUp(Below));
    EXPECT_FALSE(T.T2ShadowUp(Equilateral(10, 30, 0, 0)));
    const TTriangle3D Vertical(TPoint3D(0, 1, 0), TPoint3D(10, 1, 0), TPoint3D(5, 1, 10));  // edge-on
    EXPECT_FALSE(T.T2ShadowUp(Vertical));
}

TEST(TTriangle3DTest, TextForm)
{
    const TTriangle3D T(TPoint3D(0, 0, 0), TPoint3D(1, 2, 3), TPoint3D(-1.5, 10, 0.25));
    const TString s = T;
    EXPECT_EQ(std::string(s.PChar(), s.Length()),
              "(   0.00 ,    0.00 ,    0.00)- (   1.00 ,    2.00 ,    3.00)- (  -1.50 ,   10.00 ,    0.25)- ");
}

} // namespace
