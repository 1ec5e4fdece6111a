// Space points, vectors, boxes and lines.
#include "Mathemat3d.h"

#include "StreamBytes.h"

#include <gtest/gtest.h>

#include <string>

namespace {

std::string Text(const TString& s) { return std::string(s.PChar(), s.Length()); }

TEST(TPoint3DTest, EqualityWithinOneHundredThousandth)
{
    const TPoint3D O(0, 0, 0);
    EXPECT_TRUE(O == TPoint3D(0.00001, -0.00001, 0.00001));
    EXPECT_FALSE(O == TPoint3D(0.00002, 0.00002, 0.00002));
    EXPECT_TRUE(O != TPoint3D(0, 0, 0.00002));
    const TPoint3D P(1, 2, 3);
    EXPECT_EQ(sizeof(TPoint3D), 24u);
    TPoint3D Q = P;
    EXPECT_EQ(Q.dz, 3.0);  // one storage, three names
    Q.Data.x = 7;
    EXPECT_EQ(Q.x, 7.0);
}

TEST(TPoint3DTest, SettingMovingAndSides)
{
    TPoint3D P;
    P.Set(TPoint3D(1, 1, 1), TVector3D(1, 0, 0), 2.0, TVector3D(0, 0, 1), 3.0);
    EXPECT_EQ(P, TPoint3D(3, 1, 4));
    P.Move(TVector3D(0, 1, 0), -5);
    EXPECT_EQ(P, TPoint3D(3, -4, 4));
    EXPECT_DOUBLE_EQ(TPoint3D(0, 0, 0).DistanceTo(TPoint3D(2, 3, 6)), 7.0);

    const TPoint3D A(0, 0, 0), B(1, 0, 0), C(0, 1, 0);  // normal (C - A) x (B - A) = -z
    EXPECT_EQ(TPoint3D(0.2, 0.2, -1).PointToPlane(A, B, C), UpPlane);
    EXPECT_EQ(TPoint3D(0.2, 0.2, 1).PointToPlane(A, B, C), DownPlane);
    EXPECT_EQ(TPoint3D(0.2, 0.2, 0.00005).PointToPlane(A, B, C), OnPlane);
    EXPECT_EQ(TPoint3D(5, 9, 9).PointToLine2D(A, B), RightLine);
    EXPECT_EQ(TPoint3D(-5, 9, 9).PointToLine2D(A, B), LeftLine);
    EXPECT_EQ(TPoint3D(0.00005, 9, 9).PointToLine2D(A, B), OnLine);
    EXPECT_DOUBLE_EQ(TPoint3D(5, -2, 9).DistPointLine2D(A, TPoint3D(10, 0, 3)), 2.0);  // right: positive
    EXPECT_DOUBLE_EQ(TPoint3D(5, 2, 9).DistPointLine2D(A, TPoint3D(10, 0, 3)), -2.0);
    EXPECT_TRUE(TPoint3D(5, 0.4, 0).PointRightOfLine2D(A, TPoint3D(10, 0, 0)));
    EXPECT_FALSE(TPoint3D(5, 0.6, 0).PointRightOfLine2D(A, TPoint3D(10, 0, 0)));
    EXPECT_TRUE(TPoint3D(5, 50, 0).PointRightOfLine2D(A, TPoint3D(0.01, 0, 0)));  // too short to judge
}

TEST(TPoint3DTest, TextAndStreamForms)
{
    EXPECT_EQ(Text(TPoint3D(1, -2.5, 300).toStr()), "(   1.00 ,   -2.50 ,  300.00)");
    const TPoint3D P(0.1, -1e-300, 12345.678);
    const auto bytes = geomtest::DataBytes([&](TKmfData& s) { s << P; });
    ASSERT_EQ(bytes.size(), 24u);
    const auto d = geomtest::Doubles(bytes);
    EXPECT_TRUE(geomtest::SameBits(d[0], 0.1) && geomtest::SameBits(d[1], -1e-300) && geomtest::SameBits(d[2], 12345.678));
    TVector3D back;
    geomtest::RoundTrip([&](TKmfData& s) { s << P; }, [&](TKmfData& s) { s >> back; });
    EXPECT_TRUE(geomtest::SameBits(back.x, P.x) && geomtest::SameBits(back.y, P.y) && geomtest::SameBits(back.z, P.z));

    const TCube3D C(TPoint3D(-1, -2, -3), TPoint3D(4, 5, 6));
    const auto cb = geomtest::Doubles(geomtest::DataBytes([&](TKmfData& s) { s << C; }));
    EXPECT_EQ(cb, (std::vector<double>{-1, -2, -3, 4, 5, 6}));
    TCube3D cback;
    geomtest::RoundTrip([&](TKmfData& s) { s << C; }, [&](TKmfData& s) { s >> cback; });
    EXPECT_EQ(cback, C);
}

TEST(TVector3DTest, LengthsProductsAndColinearity)
{
    TVector3D tiny(1e-6, 0, 0);
    EXPECT_EQ(tiny.Normalize().x, 1e-6);
    EXPECT_DOUBLE_EQ(TVector3D(0, 3, 4).Normalize().z, 0.8);
    EXPECT_FALSE(TVector3D(1, 0, 0).IsColinear(TVector3D(0, 0, 0)));
    EXPECT_TRUE(TVector3D(1, 0, 0).IsColinear(TVector3D(-2, 0, 0)));
    EXPECT_FALSE(TVector3D(1000, 0, 0).IsColinear(TVector3D(1000, 0.001, 0)));
    TVector3D c;
    c.SetMultiply(TVector3D(1, 0, 0), TVector3D(0, 1, 0));
    EXPECT_EQ(c, TVector3D(0, 0, 1));
    EXPECT_EQ(Multiply(TVector3D(0, 1, 0), TVector3D(1, 0, 0)), TVector3D(0, 0, -1));
    EXPECT_DOUBLE_EQ(Skalar(TVector3D(1, 2, 3), TVector3D(4, 5, 6)), 32.0);
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
    EXPECT_FALSE(A.IsCommon(TCube3D(TPoint3D(0, 0, 1.5), TPoint3D(1, 1, 2)), 0.0));
    EXPECT_TRUE(A.IsCommonOnXY(TCube3D(TPoint3D(1.05, 0, 7), TPoint3D(2, 1, 8))));  // z ignored
    EXPECT_FALSE(A.IsCommonOnXY(TCube3D(TPoint3D(1.2, 0, 0), TPoint3D(2, 1, 1))));
    TCube3D U = A;
    U.Add(TCube3D(TPoint3D(-1, 0.5, 0.5), TPoint3D(0.5, 3, 0.5)));
    EXPECT_EQ(U, TCube3D(TPoint3D(-1, 0, 0), TPoint3D(1, 3, 1)));
    EXPECT_EQ(U.GetCenter(), TPoint3D(0, 1.5, 0.5));
}

TEST(TLine3DTest, DistanceAndPlaneCrossing)
{
    const TLine3D L(TPoint3D(0, 0, 0), TPoint3D(10, 0, 0));
    EXPECT_DOUBLE_EQ(L.Direction.Len(), 1.0);
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
