// Patch and ruled surfaces of the stand-in part against areas worked by hand: a patch on a
// closed chain of segments, a ruled surface between two segments (twisted when the second
// runs the other way and is not matched), and chains that make no surface.

#include "FeatureTestUtil.h"

using namespace tvapi;
using namespace feature_test;

class HostSurfaceFeaturesTest : public feature_test::TPartFixture {
protected:
    IModelObjectPtr Segment(const tvhost::TXyz& a, const tvhost::TXyz& b)
    {
        const ILineSegment3DPtr s = IAuxiliaryGeomContainerPtr(FPart)->GetLineSegments3D()->Add();
        s->SetPoint(true, a[0], a[1], a[2]);
        s->SetPoint(false, b[0], b[1], b[2]);
        IModelObjectPtr(s)->Update();
        return IModelObjectPtr(s);
    }
    ISurfaceContainerPtr Surfaces() { return ISurfaceContainerPtr(FPart); }
    double LastArea() { return tvhost::Area(Part().Features().Built().Surfaces.back()); }
    IModelObjectPtr RuledBetween(const std::vector<IModelObjectPtr>& a, const std::vector<IModelObjectPtr>& b,
                                 bool match)
    {
        const IRuledSurfacePtr ruled = Surfaces()->GetRuledSurfaces()->Add();
        ruled->SetBuildingType(tvRuledSurfaceByCurves);
        const IRuledSurfaceParametersByCurvesPtr params(ruled->GetParameters());
        params->SetCurves1(a);
        params->SetCurves2(b);
        params->SetMatchDirections(match);
        return IModelObjectPtr(ruled);
    }
};

// Four segments round a 10 x 20 rectangle: a patch of 200 mm², no body.
TEST_F(HostSurfaceFeaturesTest, PatchOnAClosedChainOfSegmentsSpansIt)
{
    const ISurfacePatchPtr patch = Surfaces()->GetSurfacePatches()->Add();
    patch->SetEdges({Segment({0, 0, 5}, {10, 0, 5}), Segment({10, 0, 5}, {10, 20, 5}),
                     Segment({10, 20, 5}, {0, 20, 5}), Segment({0, 20, 5}, {0, 0, 5})});
    EXPECT_TRUE(IModelObjectPtr(patch)->Update());
    EXPECT_NEAR(LastArea(), 200.0, 1e-9 * 200);
    EXPECT_TRUE(Part().Bodies().empty());
    EXPECT_EQ(Surfaces()->GetSurfacePatches()->GetCount(), 1);
}

// Edges of a body bound a patch too: a skew quadrilateral of a box's edges and segments.
TEST_F(HostSurfaceFeaturesTest, SkewChainGetsAFilledPatch)
{
    const ISurfacePatchPtr patch = Surfaces()->GetSurfacePatches()->Add();
    patch->SetEdges({Segment({0, 0, 0}, {10, 0, 0}), Segment({10, 0, 0}, {10, 10, 5}),
                     Segment({10, 10, 5}, {0, 10, 0}), Segment({0, 10, 0}, {0, 0, 0})});
    EXPECT_TRUE(IModelObjectPtr(patch)->Update());
    EXPECT_GT(LastArea(), 100.0); // above its plane projection, below the two triangles' sum
    EXPECT_LT(LastArea(), 50.0 + 0.5 * std::sqrt(125.0 * 125.0 + 5.0 * 5.0 * 100.0));
}

// An open chain bounds nothing: the patch fails and adds no surface.
TEST_F(HostSurfaceFeaturesTest, PatchOnAnOpenChainFails)
{
    const ISurfacePatchPtr patch = Surfaces()->GetSurfacePatches()->Add();
    patch->SetEdges({Segment({0, 0, 0}, {10, 0, 0}), Segment({10, 0, 0}, {10, 10, 0})});
    EXPECT_FALSE(IModelObjectPtr(patch)->Update());
    EXPECT_EQ(ErrorOf(patch), "the edges of the patch do not close");
    EXPECT_TRUE(Part().Features().Built().Surfaces.empty());
}

// Between two parallel segments 10 apart: a 20 x 10 strip, also when the second runs the other
// way and is matched; unmatched the rules cross.
TEST_F(HostSurfaceFeaturesTest, RuledSurfaceBetweenTwoSegments)
{
    const IModelObjectPtr a = Segment({0, 0, 0}, {20, 0, 0});
    EXPECT_TRUE(RuledBetween({a}, {Segment({0, 10, 0}, {20, 10, 0})}, true)->Update());
    EXPECT_NEAR(LastArea(), 200.0, 1e-7);
    EXPECT_TRUE(RuledBetween({a}, {Segment({20, 10, 0}, {0, 10, 0})}, true)->Update());
    EXPECT_NEAR(LastArea(), 200.0, 1e-7);
    EXPECT_TRUE(RuledBetween({a}, {Segment({20, 10, 0}, {0, 10, 0})}, false)->Update());
    EXPECT_LT(LastArea(), 150.0); // every rule crosses the middle: two triangles of 100 in all
    EXPECT_EQ(Surfaces()->GetRuledSurfaces()->GetCount(), 3);
}

// Without curves on one side there is no surface; another building type has no parameters.
TEST_F(HostSurfaceFeaturesTest, RuledSurfaceWithoutSecondCurvesFails)
{
    const IModelObjectPtr ruled = RuledBetween({Segment({0, 0, 0}, {20, 0, 0})}, {}, true);
    EXPECT_FALSE(ruled->Update());
    EXPECT_EQ(ErrorOf(ruled), "the curves of the ruled surface make no surface");
    const IRuledSurfacePtr other = Surfaces()->GetRuledSurfaces()->Add();
    other->SetBuildingType(static_cast<tvRuledSurfaceBuildingTypeEnum>(1));
    EXPECT_FALSE(other->GetParameters());
}
