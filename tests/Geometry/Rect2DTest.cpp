// Axis-parallel and oriented rectangles: borders and text and stream forms.
#include "Rect2D.h"

#include "StreamBytes.h"

#include <gtest/gtest.h>

#include <string>

namespace {

using geomtest::Text;

TEST(TRect2DTest, IntersectionAndContainmentIncludeBorders)
{
    const TRect2D R(10, 10, 0, 0); // corners in any order
    EXPECT_EQ(R.LD, TPoint2D(0, 0));
    EXPECT_EQ(R.RU, TPoint2D(10, 10));
    EXPECT_TRUE(R.InterSect(TRect2D(10, 0, 20, 10)));  // shares an edge
    EXPECT_TRUE(R.InterSect(TRect2D(10, 10, 20, 20))); // shares a corner
    EXPECT_FALSE(R.InterSect(TRect2D(10.001, 0, 20, 10)));
    EXPECT_TRUE(R.Contains(TPoint2D(10, 5)));
    EXPECT_FALSE(R.Contains(TPoint2D(-0.001, 5)));
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
