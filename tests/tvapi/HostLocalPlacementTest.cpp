// Local placements of a 2D document: a segment, circle or arc made while placements are open
// lies where they put it (innermost first, radius scaled) from its first update on; updating
// it again, or after the placements are closed, moves nothing.

#include "Drawing2DTestUtil.h"
#include "HostFixture.h"

using namespace tvapi;

class HostLocalPlacementTest : public HostFixture {};

TEST_F(HostLocalPlacementTest, ObjectsMadeUnderPlacementsLieWhereTheyPutThem)
{
    const drawing_test::TSheet s = drawing_test::NewSheet(Host().App().Documents());
    ASSERT_TRUE(s.Doc->PushLocalPlacement(100, 50, 0, 1, 1));
    ASSERT_TRUE(s.Doc->PushLocalPlacement(10, 0, 90, 2, 2)); // turned a quarter, doubled
    const ILineSegmentPtr seg = drawing_test::Segment(s, 1, 0, 1, 3, tvCSNormal);
    EXPECT_NEAR(seg->GetX1(), 110, 1e-12);
    EXPECT_NEAR(seg->GetY1(), 52, 1e-12);
    EXPECT_NEAR(seg->GetX2(), 104, 1e-12);
    EXPECT_NEAR(seg->GetY2(), 52, 1e-12);
    const ICirclePtr c = s.Drawing->GetCircles()->Add();
    c->SetXc(0);
    c->SetYc(0);
    c->SetRadius(4);
    c->Update();
    EXPECT_NEAR(c->GetXc(), 110, 1e-12);
    EXPECT_NEAR(c->GetRadius(), 8, 1e-12);
    seg->Update();
    EXPECT_NEAR(seg->GetX1(), 110, 1e-12) << "placed once";
    ASSERT_TRUE(s.Doc->PopLocalPlacement());
    ASSERT_TRUE(s.Doc->PopLocalPlacement());
    EXPECT_FALSE(s.Doc->PopLocalPlacement());
    const ILineSegmentPtr plain = drawing_test::Segment(s, 1, 0, 1, 3, tvCSNormal);
    EXPECT_EQ(plain->GetX1(), 1);
    EXPECT_EQ(plain->GetY2(), 3);
}
