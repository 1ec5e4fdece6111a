// Local placements of a 2D document: a segment, circle or arc made while placements are open
// lies where they put it (innermost first, radius scaled) from its first update on; updating
// it again, or after the placements are closed, moves nothing. Texts, dimensions, signs and
// leaders follow them too, once the placement they were made under closes.

#include "Drawing2DTestUtil.h"
#include "HostFixture.h"
#include "tvapi/Signs.h"

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

// Texts, dimensions, signs and leaders made under placements are mapped when the placement
// they were made under closes, with what was set on them until then: they move, turn and
// scale with the drawing; a dimension keeps measuring in the units it was drawn in.
TEST_F(HostLocalPlacementTest, AnnotationsFollowThePlacementTheyWereMadeUnder)
{
    const drawing_test::TSheet s = drawing_test::NewSheet(Host().App().Documents());
    ASSERT_TRUE(s.Doc->PushLocalPlacement(100, 50, 90, 2, 2)); // turned a quarter, doubled
    const IDrawingTextPtr text = s.Drawing->GetDrawingTexts()->Add();
    text->SetX(1);
    text->SetY(0);
    const ILineDimensionPtr line = s.Symbols->GetLineDimensions()->Add();
    line->SetX2(3);
    line->SetOrientation(tvLinDHorizontal);
    line->SetX3(3);
    line->SetY3(-2);
    line->Update();
    const IDiametralDimensionPtr diameter = s.Symbols->GetDiametralDimensions()->Add();
    diameter->SetXc(5);
    diameter->SetRadius(2);
    diameter->SetAngle(45);
    diameter->Update();
    const IRoughPtr rough = s.Symbols->GetRoughs()->Add();
    rough->SetX(0);
    rough->SetY(1);
    rough->Update();
    IRoughParamsPtr(rough)->SetAngle(180);
    const ILeaderPtr leader(s.Symbols->GetLeaders()->Add(tvDrLeader));
    IBranchsPtr(leader)->SetX(1);
    IBranchsPtr(leader)->AddBranchByPoint(-1, 0, 1);
    EXPECT_EQ(text->GetX(), 1) << "mapped when the placement closes";
    ASSERT_TRUE(s.Doc->PopLocalPlacement());

    EXPECT_NEAR(text->GetX(), 100, 1e-12);
    EXPECT_NEAR(text->GetY(), 52, 1e-12);
    EXPECT_NEAR(text->GetAngle(), 90, 1e-12);
    EXPECT_NEAR(line->GetY2(), 56, 1e-12);
    EXPECT_NEAR(line->GetX3(), 104, 1e-12);
    EXPECT_EQ(line->GetOrientation(), tvLinDVertical) << "the horizontal turned a quarter";
    EXPECT_NEAR(IDimensionTextPtr(line)->GetNominalValue(), 3, 1e-12);
    EXPECT_NEAR(diameter->GetRadius(), 4, 1e-12);
    EXPECT_NEAR(diameter->GetAngle(), 135, 1e-12);
    EXPECT_NEAR(IDimensionTextPtr(diameter)->GetNominalValue(), 4, 1e-12);
    EXPECT_NEAR(drawing_test::Core(rough).Params().Real("X"), 98, 1e-12);
    EXPECT_NEAR(drawing_test::Core(rough).Params().Real("Angle"), -90, 1e-12);
    EXPECT_EQ(drawing_test::Core(leader).Params().Reals("Branches"), (std::vector<double>{98, 50}));
    EXPECT_NEAR(drawing_test::Core(leader).Params().Real("Y"), 52, 1e-12);
}

// A placement inside another maps what was made under it through both when it closes; what
// was made under the outer one alone waits for the outer one.
TEST_F(HostLocalPlacementTest, NestedPlacementsMapEachObjectOnce)
{
    const drawing_test::TSheet s = drawing_test::NewSheet(Host().App().Documents());
    ASSERT_TRUE(s.Doc->PushLocalPlacement(10, 0, 0, 1, 1));
    const IDrawingTextPtr outer = s.Drawing->GetDrawingTexts()->Add();
    ASSERT_TRUE(s.Doc->PushLocalPlacement(0, 5, 0, 4, 4));
    const IDrawingTextPtr inner = s.Drawing->GetDrawingTexts()->Add();
    inner->SetX(1);
    ASSERT_TRUE(s.Doc->PopLocalPlacement());
    EXPECT_NEAR(inner->GetX(), 14, 1e-12);
    EXPECT_NEAR(inner->GetY(), 5, 1e-12);
    EXPECT_EQ(outer->GetX(), 0);
    ASSERT_TRUE(s.Doc->PopLocalPlacement());
    EXPECT_NEAR(outer->GetX(), 10, 1e-12);
    EXPECT_NEAR(inner->GetX(), 14, 1e-12) << "mapped once";
}
