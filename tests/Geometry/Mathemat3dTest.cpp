// Space points, vectors, boxes and lines.
#include "Mathemat3d.h"

#include "StreamBytes.h"

#include <gtest/gtest.h>

#include <string>

namespace {

std::string Text(const TString& s) { return std::string(s.PChar(), s.Length()); }

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

    const TPoint3D A(0, 0, 0), B(1, 0, 0), C(0, 1, 0);  // normal (C - A) x (B - A) = -z
    EXPECT_EQ(TPoint3D(0.2, 0.2, -1).PointToPlane(A, B, C), UpPlane);
    EXPECT_EQ(TPoint3D(0.2, 0.2, 1).PointToPlane(A, B, C), DownPlane);
    EXPECT_EQ(TPoint3D(0.2, 0.2, 0.00005).PointToPlane(A, B, C), OnPlane);
    EXPECT_EQ(TPoint3D(5, 9, 9).PointToLine2D(A, B), RightLine);
    EXPECT_EQ(TPoint3D(0.00005, 9, 9).PointToLine2D(A, B), OnLine);
    EXPECT_DOUBLE_EQ(TPoint3D(5, -2, 9).DistPointLine2D(A, TPoint3D(10, 0, 3)), 2.0);  // right: positive
    EXPECT_DOUBLE_EQ(TPoint3D(5, 2, 9).DistPointLine2D(A, TPoint3D(10, 0, 3)), -2.0);
    EXPECT_FALSE(TPoint3D(5, 0.6, 0).PointRightOfLine2D(A, TPoint3D(10, 0, 0)));
    EXPECT_TRUE(TPoint3D(5, 50, 0).PointRightOfLine2D(A, TPoint3D(0.01, 0, 0)));  // too short to judge
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
    EXPECT_DOUBLE_EQ(Skalar2D(TVector3D(1, 2, 3), TVector3D(4, 5, 6)), 32.0);  // z included
    EXPECT_NEAR(TVector3D(1, 0, 0).Angle(TVector3D(1, 1, 0)), TMathDef::C_PI_4, 1e-15);
    const TVector3D v(3, 4, 5);
    EXPECT_EQ(v.TangentComponent(TVector3D(0, 0, 2)), TVector3D(0, 0, 5));
    EXPECT_EQ(v.NormalComponent(TVector3D(0, 0, 2)), TVector3D(3, 4, 0));
    EXPECT_EQ(NormalPlane(TPoint3D(0, 0, 0), TPoint3D(1, 0, 0), TPoint3D(0, 1, 0)), TVector3D(0, 0, -1));
}

TEST(TCube3DTest, OverlapsAndUnion)
{
    const TCube3D A(TPoint3D(0, 0, 0), TPoint3D(1, 1, 1));
    EXPECT_TRUE(A.IsCommon(TCube3D(TPoint3D(1, 0, 0), TPoint3D(2, 1, 1)), 0.0));  // shared face
    EXPECT_FALSE(A.IsCommon(TCube3D(TPoint3D(1.01, 0, 0), TPoint3D(2, 1, 1)), 0.0));
    EXPECT_TRUE(A.IsCommon(TCube3D(TPoint3D(1.01, 0, 0), TPoint3D(2, 1, 1)), 0.02));
    EXPECT_TRUE(A.IsCommonOnXY(TCube3D(TPoint3D(1.05, 0, 7), TPoint3D(2, 1, 8))));  // z ignored
    EXPECT_FALSE(A.IsCommonOnXY(TCube3D(TPoint3D(1.2, 0, 0), TPoint3D(2, 1, 1))));
    TCube3D U = A;
    U.Add(TCube3D(TPoint3D(-1, 0.5, 0.5), TPoint3D(0.5, 3, 0.5)));
    EXPECT_EQ(U, TCube3D(TPoint3D(-1, 0, 0), TPoint3D(1, 3, 1)));
}

TEST(TLine3DTest, DistanceAndPlaneCrossing)
{
    const TLine3D L(TPoint3D(0, 0, 0), TPoint3D(10, 0, 0));
    EXPECT_DOUBLE_EQ(L.DistanceTo(TPoint3D(5, 3, 4)), 5.0);
    EXPECT_DOUBLE_EQ(TLine3D(TPoint3D(0, 0, 0), TVector3D(2, 0, 0)).DistanceTo(TPoint3D(5, 3, 4)), 10.0);  // not divided

    const TPoint3D A(0, 0, 2), B(1, 0, 2), C(0, 1, 2);
    TPoint3D R(9, 9, 9);
    EXPECT_FALSE(PlaneIntersectLine(A, B, C, TPoint3D(0, 0, 0), TPoint3D(1, 1, 0), R));
    EXPECT_EQ(R, TPoint3D(9, 9, 9));
    ASSERT_TRUE(PlaneIntersectLine(A, B, C, TPoint3D(1, 1, 0), TPoint3D(2, 3, 1), R));
    EXPECT_EQ(R, TPoint3D(3, 5, 2));  // beyond the segment
    EXPECT_TRUE(VisualEquPoint(TPoint3D(0, 0, 0), TPoint3D(0.7, 0.7, 50)));
    EXPECT_FALSE(VisualEquPoint(TPoint3D(0, 0, 0), TPoint3D(0.8, 0.7, 0)));
}

} // namespace
