// The facade's colourings and nested 2D macro objects against a stand-in drawing: where the
// objects drawn meanwhile go, and what each closing leaves current.

#include <gtest/gtest.h>

#include "FacadeFixture.h"

using drApi::MA;
using namespace tvapi;

class TModelerApiObjectsTest : public TDrawingFacadeFixture {};

TEST_F(TModelerApiObjectsTest, ColouringIsCompletedOrItsFailureStillPopsOneKind)
{
    MA.drHatch(tvHatchMetal, 45, 2);
    MA.drColouring(0x0000FF);
    MA.drEndObj(); // ends the colouring and the boundaries with it
    EXPECT_FALSE(R().BoundariesObject);
    EXPECT_EQ(Obj(1).Params().Int("Color"), 0x0000FF);
    EXPECT_EQ(Obj(1).Updates(), 1);
    R().DrawingContainer.Reset();
    MA.drColouring(1);
    MA.drPolyline3D(true); // no part: nothing pushed
    EXPECT_EQ(OpenKinds(), (std::vector<TCommand>{cmHatch, cmNull}));
    MA.drEndObj();
    EXPECT_EQ(OpenKinds(), (std::vector<TCommand>{cmHatch}));
}

TEST_F(TModelerApiObjectsTest, NestedMacroObjectsTakeWhatIsDrawnUntilTheirEnd)
{
    MA.drMacro2D(true);
    MA.drLine(0, 0, 1, 0, tvCSNormal);
    MA.drMacro2D(true);
    const IMacroObjectPtr inner = R().MacroObj;
    MA.drCircle(0, 0, 2, tvCSNormal);
    MA.drEndMacro();
    EXPECT_EQ(R2().CurDrawingObject, inner);
    EXPECT_EQ(R().Entity2D, inner);
    MA.drLine(0, 0, 2, 0, tvCSNormal);
    MA.drEndMacro();
    EXPECT_TRUE(R2().CurDrawingObject == Drawn()[0]);
    MA.drLine(0, 0, 3, 0, tvCSNormal);
    EXPECT_EQ(R().DrawingContainer, R().View);
    EXPECT_EQ(R().Symbols2DContainer, R().View);
    EXPECT_EQ(Kinds(), (std::vector<int>{tvDrMacro, tvDrLineSeg}));
    const DrawingObjectList& outer = Obj(0).AsContainer()->Children();
    ASSERT_EQ(outer.size(), 3u); // line, inner, line
    tvhost::TDrawingCore& i = Core(inner);
    EXPECT_EQ(outer[1], inner);
    EXPECT_EQ(Core(i.AsContainer()->Children().at(0)).Type(), tvDrCircle);
    EXPECT_EQ(i.Updates(), 1);
}
