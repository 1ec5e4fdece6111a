// Space points and vectors.
#include "Mathemat3d.h"

#include "StreamBytes.h"

#include <gtest/gtest.h>

#include <string>

namespace {

using geomtest::Text;

TEST(TPoint3DTest, EqualitySettingAndSides)
{
    const TPoint3D O(0, 0, 0);
    EXPECT_TRUE(O == TPoint3D(0.00001, -0.00001, 0.00001));
    EXPECT_TRUE(O != TPoint3D(0, 0, 0.00002));
    TPoint3D P;
    P.Set(TPoint3D(1, 1, 1), TVector3D(1, 0, 0), 2.0, TVector3D(0, 0, 1), 3.0);
    EXPECT_EQ(P, TPoint3D(3, 1, 4));
    P.Move(TVector3D(0, 1, 0), -5);
    EXPECT_EQ(P, TPoint3D(3, -4, 4));

    const TPoint3D A(0, 0, 0), B(1, 0, 0), C(0, 1, 0); // normal (C - A) x (B - A) = -z
    EXPECT_EQ(TPoint3D(0.2, 0.2, -1).PointToPlane(A, B, C), UpPlane);
    EXPECT_EQ(TPoint3D(0.2, 0.2, 1).PointToPlane(A, B, C), DownPlane);
    EXPECT_EQ(TPoint3D(0.2, 0.2, 0.00005).PointToPlane(A, B, C), OnPlane);
    EXPECT_EQ(TPoint3D(5, 9, 9).PointToLine2D(A, B), RightLine);
    EXPECT_EQ(TPoint3D(0.00005, 9, 9).PointToLine2D(A, B), OnLine);
    EXPECT_DOUBLE_EQ(TPoint3D(5, -2, 9).DistPointLine2D(A, TPoint3D(10, 0, 3)), 2.0); // right: positive
    EXPECT_DOUBLE_EQ(TPoint3D(5, 2, 9).DistPointLine2D(A, TPoint3D(10, 0, 3)), -2.0);
    EXPECT_FALSE(TPoint3D(5, 0.6, 0).PointRightOfLine2D(A, TPoint3D(10, 0, 0)));
    EXPECT_TRUE(TPoint3D(5, 50, 0).PointRightOfLine2D(A, TPoint3D(0.01, 0, 0))); // too short to judge
}

TEST(TPoint3DTest, TextAndStreamForms)
{
    EXPECT_EQ(Text(TPoint3D(1, -2.5, 300).toStr()), "(   1.00 ,   -2.50 ,  300.00)");
    geomtest::ExpectStreamForm(TPoint3D(0.1, -1e-300, 12345.678), {0.1, -1e-300, 12345.678});
    geomtest::ExpectStreamForm(TCube3D(TPoint3D(-1, -2, -0.3), TPoint3D(4, 5, 6)), {-1, -2, -0.3, 4, 5, 6});
}

TEST(TVector3DTest, LengthsProductsAndColinearity)
{
    TVector3D tiny(1e-6, 0, 0);
    EXPECT_EQ(tiny.Normalize().x, 1e-6);
    EXPECT_FALSE(TVector3D(1, 0, 0).IsColinear(TVector3D(0, 0, 0)));
    EXPECT_TRUE(TVector3D(1, 0, 0).IsColinear(TVector3D(-2, 0, 0)));
    EXPECT_FALSE(TVector3D(1000, 0, 0).IsColinear(TVector3D(1000, 0.001, 0)));
    EXPECT_EQ(Multiply(TVector3D(0, 1, 0), TVector3D(1, 0, 0)), TVector3D(0, 0, -1));
    EXPECT_DOUBLE_EQ(Skalar2D(TVector3D(1, 2, 3), TVector3D(4, 5, 6)), 32.0); // z included
    EXPECT_NEAR(TVector3D(1, 0, 0).Angle(TVector3D(1, 1, 0)), TMathDef::C_PI_4, 1e-15);
    const TVector3D v(3, 4, 5);
    EXPECT_EQ(v.TangentComponent(TVector3D(0, 0, 2)), TVector3D(0, 0, 5));
    EXPECT_EQ(v.NormalComponent(TVector3D(0, 0, 2)), TVector3D(3, 4, 0));
    EXPECT_EQ(NormalPlane(TPoint3D(0, 0, 0), TPoint3D(1, 0, 0), TPoint3D(0, 1, 0)), TVector3D(0, 0, -1));
}

} // namespace
