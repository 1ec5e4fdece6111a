// The stand-in part's sketch features against volumes worked by hand: extrusions both ways
// and through all, rotations about the sketch's axis, sweeps, surfaces, and the profiles that
// fail (empty, open, crossing, axis inside) without touching the bodies.

#include "FeatureTestUtil.h"

using namespace tvapi;
using namespace feature_test;

class HostFeaturesTest : public feature_test::TPartFixture {};

// A 10 x 20 rectangle extruded 5 each way: 10 x 20 x 10.
TEST_F(HostFeaturesTest, RectangleExtrudedBothWaysHasTheVolumeOfBothDepths)
{
    tvhost::THostSketch& s = Sketch();
    Rect(s, 0, 0, 10, 20);
    const IExtrusionPtr e = Extrusion(s, o3d_bossExtrusion, dtBoth, 5, 5);
    EXPECT_TRUE(IModelObjectPtr(e)->Update());
    ASSERT_EQ(Part().Bodies().size(), 1u);
    ExpectVolume(Volume(), 2000.0);
    const auto box = tvhost::BoxOf(Part().LocalShapes()[0]);
    EXPECT_NEAR(box[2], -5.0, 1e-7);
    EXPECT_NEAR(box[5], 5.0, 1e-7);
    EXPECT_EQ(IFeaturePtr(e)->GetValid(), 1);
    ExpectBodiesValid();
}

// The sketch's plane decides the direction: on XOZ the normal is -Y.
TEST_F(HostFeaturesTest, ExtrusionFollowsTheSketchNormalAndTheSignOfItsDepth)
{
    tvhost::THostSketch& s = Sketch(o3d_planeXOZ);
    Rect(s, 0, 0, 4, 3);
    IModelObjectPtr(Extrusion(s, o3d_bossExtrusion, dtNormal, -2, 0))->Update();
    ExpectVolume(Volume(), 24.0);
    const auto box = tvhost::BoxOf(Part().LocalShapes().at(0));
    EXPECT_NEAR(box[1], -2.0, 1e-7); // XOZ's normal is +Y; a negative depth turns it round
    EXPECT_NEAR(box[4], 0.0, 1e-7);
    EXPECT_NEAR(box[2], -3.0, 1e-7); // the sketch's v runs along -Z
    EXPECT_NEAR(box[5], 0.0, 1e-7);
}

// A 4 mm square hole cut through a 10 mm plate of 30 x 30.
TEST_F(HostFeaturesTest, CutThroughAllTakesTheHoleOutOfThePlate)
{
    tvhost::THostSketch& plate = Sketch();
    Rect(plate, 0, 0, 30, 30);
    IModelObjectPtr(Extrusion(plate, o3d_bossExtrusion, dtNormal, 10, 0))->Update();
    tvhost::THostSketch& hole = Sketch();
    Rect(hole, 13, 13, 17, 17);
    const IExtrusionPtr cut = Extrusion(hole, o3d_cutExtrusion, dtNormal, 1, 0, etThroughAll);
    EXPECT_TRUE(IModelObjectPtr(cut)->Update());
    ExpectVolume(Volume(), 30 * 30 * 10 - 4 * 4 * 10);
    ExpectBodiesValid();
}

// An up-to end without the object it reaches cannot be built; the plate stays.
TEST_F(HostFeaturesTest, UpToEndWithoutItsObjectFailsAndKeepsTheBodies)
{
    tvhost::THostSketch& plate = Sketch();
    Rect(plate, 0, 0, 30, 30);
    IModelObjectPtr(Extrusion(plate, o3d_bossExtrusion, dtNormal, 10, 0))->Update();
    tvhost::THostSketch& hole = Sketch();
    Rect(hole, 13, 13, 17, 17);
    const IExtrusionPtr cut = Extrusion(hole, o3d_cutExtrusion, dtNormal, 5, 0, etUpToSurfaceTo);
    EXPECT_FALSE(IModelObjectPtr(cut)->Update());
    EXPECT_EQ(IFeaturePtr(cut)->GetValid(), 0);
    EXPECT_EQ(ErrorOf(cut), "the extrusion has no object to reach");
    ExpectVolume(Volume(), 9000.0);
}

// A rectangle 0..10 x 0..5 turned a full turn about its long side: a cylinder of radius 5.
TEST_F(HostFeaturesTest, RectangleRotatedAboutItsLongSideIsACylinder)
{
    tvhost::THostSketch& s = Sketch();
    Rect(s, 0, 0, 10, 5);
    Line(s, 0, 0, 10, 0, tvCSAxial);
    const IRotatedPtr r = Container()->GetRotateds()->Add(o3d_bossRotated);
    r->SetSketch(IModelObjectPtr(&s));
    r->SetDirection(0);
    r->SetSideAngle(true, 360);
    EXPECT_TRUE(IModelObjectPtr(r)->Update());
    ExpectVolume(Volume(), std::numbers::pi * 25 * 10);
    ExpectBodiesValid();
}

// A quarter turn either way gives a quarter cylinder, on the side the direction says.
TEST_F(HostFeaturesTest, QuarterTurnGoesTheWayItsDirectionSays)
{
    for (const int direction : {0, 1}) {
        SCOPED_TRACE(direction);
        FDoc = Host().App().Documents().AddDocument(tvDocumentPart, L"turn.qpt");
        FPart = IPartPtr(&Part());
        tvhost::THostSketch& s = Sketch();
        Rect(s, 0, 0, 10, 5);
        Line(s, 0, 0, 10, 0, tvCSAxial);
        const IRotatedPtr r = Container()->GetRotateds()->Add(o3d_bossRotated);
        r->SetSketch(IModelObjectPtr(&s));
        r->SetDirection(direction);
        r->SetSideAngle(direction == 0, 90);
        r->SetSideAngle(direction != 0, 45); // the other side's angle is not used
        EXPECT_TRUE(IModelObjectPtr(r)->Update());
        ExpectVolume(Volume(), std::numbers::pi * 25 * 10 / 4);
        const auto box = tvhost::BoxOf(Part().LocalShapes().at(0)); // about +X from +Y: to +Z or -Z
        EXPECT_NEAR(direction == 0 ? box[5] : -box[2], 5.0, 1e-6);
    }
}

// A circle of radius 2 swept along a 3D segment of length 10.
TEST_F(HostFeaturesTest, CircleSweptAlongASegmentIsACylinder)
{
    tvhost::THostSketch& s = Sketch();
    Circle(s, 0, 0, 2);
    const ILineSegment3DPtr path = IAuxiliaryGeomContainerPtr(FPart)->GetLineSegments3D()->Add();
    path->SetPoint(true, 0, 0, 0);
    path->SetPoint(false, 0, 0, 10);
    IModelObjectPtr(path)->Update();
    const IEvolutionPtr sweep = Container()->GetEvolutions()->Add(o3d_bossEvolution);
    sweep->SetSketch(IModelObjectPtr(&s));
    sweep->SetOperationResult(tvOperationNewBody);
    sweep->SetPath({IModelObjectPtr(path)});
    EXPECT_TRUE(IModelObjectPtr(sweep)->Update());
    ExpectVolume(Volume(), std::numbers::pi * 4 * 10);
    ExpectBodiesValid();
}

// A circle of radius 1 in the radial plane swept two turns along a helix of radius 10: the
// ring's area times the length of the circles the centre goes round, 2 x 2 pi 10 x pi.
TEST_F(HostFeaturesTest, CircleSweptAlongAHelixIsASpring)
{
    const IModelObjectPtr helix = IAuxiliaryGeomContainerPtr(FPart)->GetSpirals3D()->Add(o3d_cylindricSpiral);
    const ICylindricSpiral3DPtr spiral(helix);
    spiral->SetTurns(2);
    spiral->SetHeight(10);
    spiral->SetPitch(5);
    spiral->SetDiameter(20);
    ASSERT_TRUE(helix->Update());
    tvhost::THostSketch& s = Sketch(o3d_planeXOZ);
    Circle(s, 10, 0, 1);
    const IEvolutionPtr sweep = Container()->GetEvolutions()->Add(o3d_bossEvolution);
    sweep->SetSketch(IModelObjectPtr(&s));
    sweep->SetPath({helix});
    EXPECT_TRUE(IModelObjectPtr(sweep)->Update()) << ErrorOf(sweep);
    const double expected = 2 * 2 * std::numbers::pi * 10 * std::numbers::pi;
    EXPECT_NEAR(Volume(), expected, 1e-3 * expected);
    const auto box = tvhost::BoxOf(Part().LocalShapes().at(0));
    EXPECT_NEAR(box[5] - box[2], 10 + 2, 0.1); // two turns of 5 and the ring's diameter
    ExpectBodiesValid();
}

// A surface extrusion adds a surface, never a body.
TEST_F(HostFeaturesTest, SurfaceExtrusionAddsASurfaceAndNoBody)
{
    tvhost::THostSketch& s = Sketch();
    Rect(s, 0, 0, 10, 20);
    const IExtrusionPtr e = Extrusion(s, o3d_ExtrusionSurface, dtNormal, 5, 0);
    EXPECT_TRUE(IModelObjectPtr(e)->Update());
    EXPECT_TRUE(Part().Bodies().empty());
    EXPECT_EQ(Part().Features().Built().Surfaces.size(), 1u);
    EXPECT_EQ(ISurfaceContainerPtr(FPart)->GetExtrusionSurfaces()->GetCount(), 1);
    EXPECT_EQ(Container()->GetExtrusions()->GetCount(), 0);
}

// An arc with its chord closes a half disc; the arc drawn either way gives the same face.
TEST_F(HostFeaturesTest, ArcAndChordCloseAHalfDiscWhicheverWayTheArcRuns)
{
    for (const bool clockwise : {false, true}) {
        SCOPED_TRACE(clockwise);
        FDoc = Host().App().Documents().AddDocument(tvDocumentPart, L"half.qpt");
        FPart = IPartPtr(&Part());
        tvhost::THostSketch& s = Sketch();
        if (clockwise)
            Arc(s, 0, 0, -3, 0, 3, 0, true);
        else
            Arc(s, 0, 0, 3, 0, -3, 0, false);
        Line(s, -3, 0, 3, 0);
        EXPECT_TRUE(IModelObjectPtr(Extrusion(s, o3d_bossExtrusion, dtNormal, 2, 0))->Update());
        ExpectVolume(Volume(), std::numbers::pi * 9 / 2 * 2);
        EXPECT_GT(tvhost::BoxOf(Part().LocalShapes().at(0))[4], 2.9); // the upper half
    }
}

// A loop inside another is its hole.
TEST_F(HostFeaturesTest, LoopInsideALoopIsItsHole)
{
    tvhost::THostSketch& s = Sketch();
    Rect(s, 0, 0, 10, 10);
    Circle(s, 5, 5, 2);
    IModelObjectPtr(Extrusion(s, o3d_bossExtrusion, dtNormal, 3, 0))->Update();
    ExpectVolume(Volume(), (100 - std::numbers::pi * 4) * 3);
}

struct TBadProfile {
    const char* Name;
    void (*Draw)(tvhost::THostSketch&);
    const char* Error;
};

class HostBadProfileTest : public feature_test::TPartFixture,
                           public ::testing::WithParamInterface<TBadProfile> {};

// A profile that gives no face fails the feature with its reason; the plate stays as it was.
TEST_P(HostBadProfileTest, FailsTheFeatureAndLeavesTheBodies)
{
    tvhost::THostSketch& plate = Sketch();
    Rect(plate, -50, -50, 50, 50);
    IModelObjectPtr(Extrusion(plate, o3d_bossExtrusion, dtNormal, 10, 0))->Update();
    const std::size_t evaluations = static_cast<std::size_t>(Part().Features().Evaluations());
    tvhost::THostSketch& s = Sketch();
    GetParam().Draw(s);
    const IExtrusionPtr e = Extrusion(s, o3d_bossExtrusion, dtNormal, 20, 0);
    EXPECT_FALSE(IModelObjectPtr(e)->Update());
    EXPECT_EQ(IFeaturePtr(e)->GetValid(), 0);
    EXPECT_EQ(ErrorOf(e), GetParam().Error);
    EXPECT_EQ(static_cast<std::size_t>(Part().Features().Evaluations()), evaluations + 1);
    ASSERT_EQ(Part().Bodies().size(), 1u);
    ExpectVolume(Volume(), 100000.0);
}

INSTANTIATE_TEST_SUITE_P(
    Profiles, HostBadProfileTest,
    ::testing::Values(TBadProfile{"Empty", [](tvhost::THostSketch&) {}, "the sketch has no contour"},
                      TBadProfile{"OnlyAnAxis",
                                  [](tvhost::THostSketch& s) { Line(s, 0, 0, 10, 0, tvCSAxial); },
                                  "the sketch has no contour"},
                      TBadProfile{"Open",
                                  [](tvhost::THostSketch& s) {
                                      Line(s, 0, 0, 10, 0);
                                      Line(s, 10, 0, 10, 10);
                                      Line(s, 10, 10, 0, 10);
                                  },
                                  "the contour of the sketch is not closed"},
                      TBadProfile{"BowTie",
                                  [](tvhost::THostSketch& s) {
                                      Line(s, 0, 0, 10, 10);
                                      Line(s, 10, 10, 10, 0);
                                      Line(s, 10, 0, 0, 10);
                                      Line(s, 0, 10, 0, 0);
                                  },
                                  "the contour of the sketch crosses itself"},
                      TBadProfile{"ThreeCurvesAtOnePoint",
                                  [](tvhost::THostSketch& s) {
                                      Rect(s, 0, 0, 10, 10);
                                      Line(s, 10, 10, 20, 20);
                                      Line(s, 20, 20, 10, 10);
                                  },
                                  "the contour of the sketch crosses itself"},
                      TBadProfile{"TwoOverlappingSquares",
                                  [](tvhost::THostSketch& s) {
                                      Rect(s, 0, 0, 10, 10);
                                      Rect(s, 5, 5, 15, 15);
                                  },
                                  "the contour of the sketch crosses itself"}),
    [](const ::testing::TestParamInfo<TBadProfile>& p) { return std::string(p.param.Name); });

// An axis through the inside of the profile is refused; so is a rotation without an axis.
TEST_F(HostFeaturesTest, RotationAboutAnAxisThroughTheProfileOrWithoutOneFails)
{
    tvhost::THostSketch& s = Sketch();
    Rect(s, 0, -5, 10, 5);
    const IRotatedPtr noAxis = Container()->GetRotateds()->Add(o3d_bossRotated);
    noAxis->SetSketch(IModelObjectPtr(&s));
    noAxis->SetSideAngle(true, 360);
    EXPECT_FALSE(IModelObjectPtr(noAxis)->Update());
    EXPECT_EQ(ErrorOf(noAxis), "the sketch has no axis");

    Line(s, 0, 0, 10, 0, tvCSAxial);
    const IRotatedPtr inside = Container()->GetRotateds()->Add(o3d_bossRotated);
    inside->SetSketch(IModelObjectPtr(&s));
    inside->SetSideAngle(true, 360);
    EXPECT_FALSE(IModelObjectPtr(inside)->Update());
    EXPECT_EQ(ErrorOf(inside), "the axis passes through the contour");
    EXPECT_TRUE(Part().Bodies().empty());
}

// Tapered sides are not built by the stand-in: refused rather than built straight.
TEST_F(HostFeaturesTest, TaperedExtrusionIsRefused)
{
    tvhost::THostSketch& s = Sketch();
    Rect(s, 0, 0, 10, 10);
    const IExtrusionPtr e = Container()->GetExtrusions()->Add(o3d_bossExtrusion);
    e->SetProfile({IModelObjectPtr(&s)});
    e->SetSideParameters(true, etBlind, 5, 3, true, {});
    EXPECT_FALSE(IModelObjectPtr(e)->Update());
    EXPECT_EQ(ErrorOf(e), "the stand-in builds no tapered sides");
    EXPECT_TRUE(Part().Bodies().empty());
}

// A collection adds only the kinds of its family.
TEST_F(HostFeaturesTest, CollectionsRefuseKindsOfAnotherFamily)
{
    EXPECT_FALSE(Container()->GetExtrusions()->Add(o3d_bossRotated));
    EXPECT_FALSE(Container()->GetExtrusions()->Add(o3d_ExtrusionSurface));
    EXPECT_FALSE(ISurfaceContainerPtr(FPart)->GetRotatedSurfaces()->Add(o3d_bossRotated));
    EXPECT_TRUE(Container()->GetEvolutions()->Add(o3d_cutEvolution));
    EXPECT_EQ(Container()->GetEvolutions()->GetCount(), 1);
    EXPECT_EQ(Part().Features().Features().size(), 1u);
}
