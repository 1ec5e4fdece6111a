// The drawing-object helpers against a real drawing of the stand-in host.

#include "drObjects2D.h"

#include <gtest/gtest.h>

#include "FacadeFixture.h"

namespace {

using TObjects2DTest = TDrawingFacadeFixture;

TEST_F(TObjects2DTest, ObjectsOfOneKindInViewOrder)
{
    drApi::MA.drLine(0, 0, 10, 0, 1);
    drApi::MA.drCircle(0, 0, 5, 1);
    drApi::MA.drLine(0, 0, 0, 10, 1);
    tvapi::IViewPtr view = R().View;
    const auto lines = drApi::GetObjects2D(view, tvapi::tvDrLineSeg);
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_EQ(drApi::GetType(lines[0]), tvapi::tvDrLineSeg);
    EXPECT_DOUBLE_EQ(tvapi::ILineSegmentPtr(lines[1])->GetY2(), 10.0);
    EXPECT_EQ(drApi::GetObjects2D(view, tvapi::tvDrCircle).size(), 1u);
    EXPECT_TRUE(drApi::GetObjects2D(view, tvapi::tvDrArc).empty());
}

TEST_F(TObjects2DTest, EmptyViewOrObjectGivesNothing)
{
    tvapi::IViewPtr none;
    EXPECT_TRUE(drApi::GetObjects2D(none, tvapi::tvDrLineSeg).empty());
    EXPECT_EQ(drApi::GetType({}), tvapi::tvAllObj);
}

} // namespace
