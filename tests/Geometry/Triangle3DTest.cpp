// Space triangles and their plan-view tests.
#include "Triangle3D.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

TTriangle3D Equilateral(double side, double x0, double y0, double z)
{
    return TTriangle3D(TPoint3D(x0, y0, z), TPoint3D(x0 + side, y0, z),
                       TPoint3D(x0 + side / 2, y0 + side * std::sqrt(3.0) / 2, z));
}

TEST(TTriangle3DTest, AreasNormalAndBounds)
{
    const TTriangle3D T(TPoint3D(0, 0, 5), TPoint3D(1, 0, -2), TPoint3D(0, 1, 3));
    EXPECT_DOUBLE_EQ(T.AreaXY(), 0.5);
    EXPECT_EQ(TTriangle3D(TPoint3D(0, 0, 0), TPoint3D(1, 0, 0), TPoint3D(0, 1, 0)).Normal(),
              TVector3D(0, 0, 1));
    EXPECT_TRUE(T.IsCommonGabarytXY(
        TTriangle3D(TPoint3D(1, 1, 0), TPoint3D(2, 1, 0), TPoint3D(2, 2, 0)))); // touching
    EXPECT_FALSE(T.IsCommonGabarytXY(TTriangle3D(TPoint3D(1.1, 0, 0), TPoint3D(2, 1, 0), TPoint3D(2, 2, 0))));
}

TEST(TTriangle3DTest, ShadowUp)
{
    const TTriangle3D T = Equilateral(10, 0, 0, 0);
    EXPECT_TRUE(T.T2ShadowUp(T));
    const TTriangle3D Cw(T.A, T.C, T.B); // orientation does not matter
    EXPECT_TRUE(Cw.T2ShadowUp(Equilateral(10, 3, 1, 7)));
    // Mirror image across the edge y = 0: plan projections share only that edge.
    const TTriangle3D Below(TPoint3D(0, 0, 0), TPoint3D(10, 0, 0), TPoint3D(5, -8.66, 0));
    EXPECT_FALSE(T.T2ShadowUp(Below));
    EXPECT_FALSE(T.T2ShadowUp(Equilateral(10, 30, 0, 0)));
    const TTriangle3D Vertical(TPoint3D(0, 1, 0), TPoint3D(10, 1, 0), TPoint3D(5, 1, 10)); // edge-on
    EXPECT_FALSE(T.T2ShadowUp(Vertical));
}

} // namespace
