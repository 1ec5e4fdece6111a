// Axis-parallel and oriented rectangles.
#include "Rect2D.h"

#include "StreamBytes.h"

#include <gtest/gtest.h>

#include <string>

namespace {

std::string Text(const TString& s) { return std::string(s.PChar(), s.Length()); }

TEST(TRect2DTest, IntersectionAndContainmentIncludeBorders)
{
    const TRect2D R(10, 10, 0, 0);  // corners in any order
    EXPECT_EQ(R.LD, TPoint2D(0, 0));
    EXPECT_EQ(R.RU, TPoint2D(10, 10));
    EXPECT_TRUE(R.InterSect(TRect2D(10, 0, 20, 10)));   // shares an edge
    EXPECT_TRUE(R.InterSect(TRect2D(10, 10, 20, 20)));  // shares a corner
    EXPECT_FALSE(R.InterSect(TRect2D(10.001, 0, 20, 10)));
    EXPECT_TRUE(R.Contains(TPoint2D(10, 5)));
    EXPECT_FALSE(R.Contains(TPoint2D(-0.001, 5)));
}

TEST(TRect2DTest, GrowingFromEmpty)
{
    TRect2D R;
    R.SetEmpty();
    R.Add(TPoint2D(3, -1)).Add(TPoint2D(-2, 4));
    EXPECT_EQ(R.LD, TPoint2D(-2, -1));
    EXPECT_EQ(R.RU, TPoint2D(3, 4));
    TRect2D E;
    E.SetEmpty();
    R += E;  // an empty rectangle adds nothing
    EXPECT_EQ(R.RU, TPoint2D(3, 4));
    R.Enlarge(1).EnlargeDivisible(5);
    EXPECT_EQ(R.LD, TPoint2D(-5, -5));
    EXPECT_EQ(R.RU, TPoint2D(5, 5));
}

TEST(TRect2DTest, PointOnSide)
{
    const TRect2D R(0, 0, 10, 10);
    EXPECT_EQ(R.PointOnSide(TPoint2D(5, 5), TVector2D(1, 0)), TPoint2D(10, 5));
    EXPECT_EQ(R.PointOnSide(TPoint2D(5, 5), TVector2D(-2, 0)), TPoint2D(0, 5));
    EXPECT_EQ(R.PointOnSide(TPoint2D(5, 5), TVector2D(0, -1)), TPoint2D(5, 0));
    EXPECT_EQ(R.PointOnSide(TPoint2D(5, 5), TVector2D(1, 1)), TPoint2D(10, 10));
    EXPECT_EQ(R.PointOnSide(TPoint2D(5, 5), TVector2D(0, 0)), TPoint2D(0, 0));
    EXPECT_EQ(R.PointOnSide(TPoint2D(20, 5), TVector2D(1, 0)), TPoint2D(0, 0));  // ray away from it
}

TEST(TRect2DTest, TextAndStreamForms)
{
    const TRect2D R(-1.5, 0, 12.345, 100);
    EXPECT_EQ(Text(R.GetStr()), "((  -1.50,   0.00)-(  12.35, 100.00))");
    geomtest::ExpectStreamForm(R, {-1.5, 0, 12.345, 100});

    TORect2D O;
    O.X = 1, O.Y = 2, O.Angle = 0.5, O.Length = 10, O.Width = 3.25;
    EXPECT_EQ(Text(O.GetStr()), "((   1.00,   2.00)    0.50,  10.00   3.25)");
}

} // namespace
