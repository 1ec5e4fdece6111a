// The facade's colourings, nested 2D macro objects and drawing groups against a stand-in
// drawing: where the objects drawn meanwhile go, and what each closing leaves current.

#include <gtest/gtest.h>

#include "Drawing2DFacadeFixture.h"

namespace {

using drApi::MA;

class TModelerApiObjectsTest : public TDrawing2DFacadeFixture {};

TEST_F(TModelerApiObjectsTest, ColouringIsCompletedOrItsFailureStillPopsOneKind) {
    MA.drHatch(tvapi::tvHatchMetal, 45, 2);
    MA.drColouring(0x0000FF);
    MA.drEndObj(); // ends the colouring and the boundaries with it
    EXPECT_FALSE(R().BoundariesObject);
    EXPECT_TRUE(Obj(1).Params().Int("Color") == 0x0000FF && Obj(1).Updates() == 1);
    R().DrawingContainer.Reset();
    MA.drColouring(1);
    MA.drPolyline3D(true); // no part: nothing pushed
    EXPECT_EQ(OpenKinds(), (std::vector<TCommand>{cmHatch, cmNull}));
    MA.drEndObj();
    EXPECT_EQ(OpenKinds(), (std::vector<TCommand>{cmHatch}));
}

TEST_F(TModelerApiObjectsTest, NestedMacroObjectsTakeWhatIsDrawnUntilTheirEnd) {
    MA.drMacro2D(true);
    MA.drLine(0, 0, 1, 0, tvapi::tvCSNormal);
    MA.drMacro2D(true);
    const tvapi::IMacroObjectPtr inner = R().MacroObj;
    MA.drSetMacro2DParam({1, 2, 3}, "part.qfr", "lib", 7, false, drApi::TMt{5, 6, 30});
    MA.drCircle(0, 0, 2, tvapi::tvCSNormal);
    MA.drEndMacro();
    EXPECT_TRUE(R2().CurDrawingObject == inner && R().Entity2D == inner);
    MA.drLine(0, 0, 2, 0, tvapi::tvCSNormal);
    MA.drEndMacro();
    EXPECT_TRUE(R2().CurDrawingObject == Drawn()[0]);
    MA.drLine(0, 0, 3, 0, tvapi::tvCSNormal);
    MA.drEndMacro(); // none open: only the current object goes
    EXPECT_FALSE(R2().CurDrawingObject);
    EXPECT_TRUE(R().DrawingContainer == R().View && R().Symbols2DContainer == R().View);

    ASSERT_EQ(Drawn().size(), 2u);
    const tvapi::DrawingObjectList& outerHolds = Obj(0).AsContainer()->Children();
    ASSERT_EQ(outerHolds.size(), 3u); // line, inner, line
    EXPECT_TRUE(outerHolds[1] == inner);
    tvhost::TDrawingCore& i = Core(inner);
    EXPECT_EQ(Core(i.AsContainer()->Children().at(0)).Type(), tvapi::tvDrCircle);
    EXPECT_EQ(i.Updates(), 2);               // its parameters, then its end
    EXPECT_EQ(i.Params().Log().size(), 12u); // made with AllLayers, then eleven parameters
    EXPECT_EQ(i.Params().Bytes("UserParams"), (std::vector<std::uint8_t>{1, 2, 3}));
    EXPECT_EQ(i.Params().Text("FileName"), L"part.qfr");
    EXPECT_EQ(i.Params().Real("PlacementAngle"), 30.0);
}

TEST_F(TModelerApiObjectsTest, GroupTakesTheObjectsDrawnWhileOpenAndBecomesTheEntity) {
    MA.drGroup(true);
    const tvapi::IDrawingObjectPtr group = R2().CurDrawingObject;
    ASSERT_TRUE(group && R().Obj == group);
    MA.drLine(0, 0, 1, 0, tvapi::tvCSNormal);
    MA.drEndGroup();
    MA.drLine(0, 0, 2, 0, tvapi::tvCSNormal);
    EXPECT_TRUE(R().Entity2D == group);
    EXPECT_EQ(R2().AGroup.Count, 0);
    const auto& groups = Drawing().Groups();
    ASSERT_EQ(groups.size(), 1u);
    EXPECT_TRUE(groups[0]->IsTemporary() && !groups[0]->IsOpen());
    EXPECT_EQ(Obj(0).Group(), groups[0]->Id());
    EXPECT_EQ(Obj(1).Group(), 0u);
}

} // namespace
