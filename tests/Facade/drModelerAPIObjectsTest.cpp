// The facade's colourings, nested 2D macro objects and drawing groups against a stand-in
// drawing: where the objects drawn meanwhile go, and what each closing leaves current.

#include <gtest/gtest.h>

#include "Drawing2DFacadeFixture.h"

namespace {

using drApi::MA;
using namespace tvapi;

class TModelerApiObjectsTest : public TDrawing2DFacadeFixture {};

TEST_F(TModelerApiObjectsTest, ColouringIsCompletedOrItsFailureStillPopsOneKind) {
    MA.drHatch(tvHatchMetal, 45, 2);
    MA.drColouring(0x0000FF);
    MA.drEndObj(); // ends the colouring and the boundaries with it
    EXPECT_TRUE(!R().BoundariesObject && Obj(1).Params().Int("Color") == 0x0000FF && Obj(1).Updates() == 1);
    R().DrawingContainer.Reset();
    MA.drColouring(1);
    MA.drPolyline3D(true); // no part: nothing pushed
    EXPECT_EQ(OpenKinds(), (std::vector<TCommand>{cmHatch, cmNull}));
    MA.drEndObj();
    EXPECT_EQ(OpenKinds(), (std::vector<TCommand>{cmHatch}));
}

TEST_F(TModelerApiObjectsTest, NestedMacroObjectsTakeWhatIsDrawnUntilTheirEnd) {
    MA.drMacro2D(true);
    MA.drLine(0, 0, 1, 0, tvCSNormal);
    MA.drMacro2D(true);
    const IMacroObjectPtr inner = R().MacroObj;
    MA.drSetMacro2DParam({1, 2, 3}, "part.qfr", "lib", 7, false, drApi::TMt{5, 6, 30});
    MA.drCircle(0, 0, 2, tvCSNormal);
    MA.drEndMacro();
    EXPECT_TRUE(R2().CurDrawingObject == inner && R().Entity2D == inner);
    MA.drLine(0, 0, 2, 0, tvCSNormal);
    MA.drEndMacro();
    EXPECT_TRUE(R2().CurDrawingObject == Drawn()[0]);
    MA.drLine(0, 0, 3, 0, tvCSNormal);
    MA.drEndMacro(); // none open: only the current object goes
    EXPECT_FALSE(R2().CurDrawingObject);
    EXPECT_TRUE(R().DrawingContainer == R().View && R().Symbols2DContainer == R().View);

    EXPECT_EQ(Kinds(), (std::vector<int>{tvDrMacro, tvDrLineSeg}));
    const DrawingObjectList& outer = Obj(0).AsContainer()->Children();
    ASSERT_EQ(outer.size(), 3u); // line, inner, line
    tvhost::TDrawingCore& i = Core(inner);
    EXPECT_TRUE(outer[1] == inner && Core(i.AsContainer()->Children().at(0)).Type() == tvDrCircle);
    EXPECT_EQ(i.Updates(), 2); // its parameters, then its end
    EXPECT_EQ(i.Params().Bytes("UserParams"), (std::vector<std::uint8_t>{1, 2, 3}));
    EXPECT_TRUE(i.Params().Text("FileName") == L"part.qfr" && i.Params().Real("PlacementAngle") == 30.0);
}

TEST_F(TModelerApiObjectsTest, GroupTakesTheObjectsDrawnWhileOpenAndBecomesTheEntity) {
    MA.drGroup(true);
    const IDrawingObjectPtr group = R2().CurDrawingObject;
    ASSERT_TRUE(group && R().Obj == group);
    MA.drLine(0, 0, 1, 0, tvCSNormal);
    MA.drEndGroup();
    MA.drLine(0, 0, 2, 0, tvCSNormal);
    EXPECT_TRUE(R().Entity2D == group && R2().AGroup.Count == 0);
    ASSERT_EQ(Drawing().Groups().size(), 1u);
    const tvhost::THostDrawingGroup& g = *Drawing().Groups()[0];
    EXPECT_TRUE(g.IsTemporary() && !g.IsOpen());
    EXPECT_TRUE(Obj(0).Group() == g.Id() && Obj(1).Group() == 0u);
}

} // namespace
