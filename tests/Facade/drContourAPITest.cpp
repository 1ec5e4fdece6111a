// A contour drawn curve by curve into a real drawing of the stand-in host, and the
// drawing-object helpers read back what was drawn.

#include "drContourAPI.h"

#include <gtest/gtest.h>

#include "Arc.h"
#include "FacadeFixture.h"
#include "LineSeg.h"
#include "drObjects2D.h"

namespace {

using TContourAPITest = TDrawingFacadeFixture;

TEST_F(TContourAPITest, ItemsAreDrawnWithTheirStyleOrTheGivenOne)
{
    drApi::TContourAPI contour;
    auto* seg = new TLineSeg(0, 0, 10, 5);
    seg->Atr = 2;
    contour.Add(seg);
    contour.Add(new TCircle(3, 4, 5));
    contour.drItem(0, 0);
    contour.drItem(1, 4);
    contour.drItem(2, 0); // past the end: nothing
    contour.drItem(-1, 0);
    ASSERT_EQ(Kinds(), (std::vector<int>{tvapi::tvDrLineSeg, tvapi::tvDrCircle}));
    const tvapi::ILineSegmentPtr line(Drawn()[0]);
    EXPECT_DOUBLE_EQ(line->GetX2(), 10.0);
    EXPECT_EQ(line->GetStyle(), 2);
}

TEST_F(TContourAPITest, WholeListGoesToTheSelection)
{
    drApi::Selector->Begin();
    drApi::MA.drLine(0, 0, 1, 0, 1);
    drApi::MA.drLine(0, 0, 0, 1, 1);
    drApi::Selector->SelectList({Drawn()[0], Drawn()[1]});
    EXPECT_EQ(Journal().Calls("ISelectionManager::Select").size(), 1u);
    drApi::Selector->End(false);
}

TEST_F(TContourAPITest, ObjectsOfOneKindInViewOrder)
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

TEST_F(TContourAPITest, EmptyViewOrObjectGivesNothing)
{
    tvapi::IViewPtr none;
    EXPECT_TRUE(drApi::GetObjects2D(none, tvapi::tvDrLineSeg).empty());
    EXPECT_EQ(drApi::GetType({}), tvapi::tvAllObj);
}

} // namespace
