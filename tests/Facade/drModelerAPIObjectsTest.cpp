// The facade's colourings, nested 2D macro objects and 3D polylines against the stand-in:
// where the objects drawn meanwhile go, and what each closing leaves current.

#include <gtest/gtest.h>

#include "FacadeFixture.h"
#include "HostPart.h"

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

TEST_F(TModelerApiObjectsTest, Polyline3DIsMadeInThePartClosedAsAskedAndUpdatedAtItsEnd)
{
    const ITervanDocumentPtr part = Host().App().Documents().AddDocument(tvDocumentPart, L"part.qpt");
    R().Part = ITervanDocument3DPtr(part)->GetTopPart();
    tvhost::THostAuxGeometry& aux = tvhost::HostAs<tvhost::THostPart>(R().Part)->AuxGeometry();
    MA.drPolyline3D(true);
    ASSERT_EQ(aux.PolyLines().size(), 1u);
    EXPECT_EQ(IModelObjectPtr(R().Polyline3D), aux.PolyLines()[0]);
    EXPECT_TRUE(R().Polyline3D->GetClosed());
    EXPECT_EQ(OpenKinds(), (std::vector<TCommand>{cmPolyline3D}));
    MA.drEndObj();
    EXPECT_TRUE(OpenKinds().empty());
    EXPECT_EQ(tvhost::HostAs<tvhost::THostModelObjectOf<IPolyLine>>(R().Polyline3D)->Updates(), 1);

    // Refused by the host: the kind is pushed all the same, and the old polyline let go.
    InjectFault("IPolyLines3D::Add");
    MA.drPolyline3D(false);
    EXPECT_FALSE(R().Polyline3D);
    EXPECT_EQ(OpenKinds(), (std::vector<TCommand>{cmPolyline3D}));
    MA.drEndObj();
    EXPECT_TRUE(OpenKinds().empty());
}
