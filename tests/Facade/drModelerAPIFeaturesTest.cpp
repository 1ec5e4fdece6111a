// The facade's sketch-based features against the stand-in: the kinds and parameters each
// operation hands the host, the sketch it closes, Obj3D and the open macro, the stops without
// a part or a new feature, and the volumes the kernel builds from sketches drawn through the
// facade.

#include "FacadeFixture.h"

#include <numbers>

#include "HostKernelFeatures.h"
#include "HostSketch.h"

using namespace tvapi;
using drApi::MA;

class drModelerAPIFeaturesTest : public TPartFacadeFixture {
protected:
    void SetUp() override
    {
        TPartFacadeFixture::SetUp();
        OpenPart();
    }
    // A new sketch on XOY, open, with the rectangle [u0, u1] x [v0, v1].
    void SketchRect(double u0, double v0, double u1, double v1)
    {
        MA.drCreateEskis(0.0, "");
        Rect(u0, v0, u1, v1);
    }
    static void Rect(double u0, double v0, double u1, double v1)
    {
        MA.drLine(u0, v0, u1, v0, tvCSNormal);
        MA.drLine(u1, v0, u1, v1, tvCSNormal);
        MA.drLine(u1, v1, u0, v1, tvCSNormal);
        MA.drLine(u0, v1, u0, v0, tvCSNormal);
    }
    // The journal lines of the operations starting with `prefix`.
    std::vector<std::string> Lines(const std::string& prefix)
    {
        std::vector<std::string> out;
        for (const std::string& line : Journal().Lines())
            if (line.rfind(prefix, 0) == 0) out.push_back(line);
        return out;
    }
    static std::string Id(const IAPIObject* object) { return tvhost::ObjectArg(object); }
    double Volume()
    {
        double v = 0;
        for (const tvhost::TShape& shape : Top().LocalShapes())
            v += tvhost::Volume(shape);
        return v;
    }
    static std::vector<IModelObjectPtr> Recorded() { return R().AMacroObject3D.Objects(); }
};

// Both ways: the forward and reverse depths, direction 2, and the side parameters twice,
// the reverse side first; a 10 x 20 rectangle 5 each way is 2000 mm³.
TEST_F(drModelerAPIFeaturesTest, ExtrusionBothWaysSetsBothSidesReverseFirst)
{
    SketchRect(0, 0, 10, 20);
    const std::string sketch = Id(R().Sketch.Get());
    Journal().Clear();
    MA.drExtrusion(dtBoth, etBlind, 5, 0, true, tvOperationNewBody);
    EXPECT_EQ(Lines("IExtrusions::Add"), std::vector<std::string>{"IExtrusions::Add(25)"});
    EXPECT_EQ(Lines("IExtrusion::"), (std::vector<std::string>{
                                         "IExtrusion::SetProfile([" + sketch + "])",
                                         "IExtrusion::SetDepth(true, 5)",
                                         "IExtrusion::SetDepth(false, 5)",
                                         "IExtrusion::SetDirection(2)",
                                         "IExtrusion::SetSideParameters(false, 0, 5, 0, false, null)",
                                         "IExtrusion::SetSideParameters(true, 0, 5, 0, false, null)",
                                     }));
    ASSERT_TRUE(R().Obj3D);
    EXPECT_EQ(R().Obj3D->GetObjectType(), o3d_bossExtrusion);
    EXPECT_FALSE(MA.ErrorEntity(R().Obj3D));
    ASSERT_EQ(Top().Bodies().size(), 1u);
    EXPECT_NEAR(Volume(), 2000.0, 2000.0 * 1e-9);
}

// A negative depth keeps its sign in the side parameters; a negative angle turns the taper on.
TEST_F(drModelerAPIFeaturesTest, NegativeDepthAndAngleKeepTheirSignsWhereTheyCount)
{
    SketchRect(0, 0, 10, 10);
    Journal().Clear();
    MA.drExtrusion(dtNormal, etBlind, -7, -3, true, tvOperationCut);
    EXPECT_EQ(Lines("IExtrusions::Add"), std::vector<std::string>{"IExtrusions::Add(26)"});
    EXPECT_EQ(Lines("IExtrusion::Set").size(), 5u);
    EXPECT_EQ(Lines("IExtrusion::SetDepth"),
              (std::vector<std::string>{"IExtrusion::SetDepth(true, 7)", "IExtrusion::SetDepth(false, 7)"}));
    EXPECT_EQ(Lines("IExtrusion::SetSideParameters"),
              std::vector<std::string>{"IExtrusion::SetSideParameters(true, 0, -7, 3, true, null)"});
}

struct TKindCase {
    const char* Name;
    int Operation; // 0 extrusion, 1 rotation, 2 sweep
    bool Body;
    tvOperationResultEnum OR;
    const char* Collection;
    int Kind;
};

class drModelerAPIFeatureKindTest : public drModelerAPIFeaturesTest,
                                    public ::testing::WithParamInterface<TKindCase> {};

// Boss, cut or surface by Body and OR; the base kinds 24, 27 and 45 never.
TEST_P(drModelerAPIFeatureKindTest, AddsTheKindOfBodyAndResult)
{
    const TKindCase& c = GetParam();
    Journal().Clear();
    switch (c.Operation) {
    case 0:
        MA.drExtrusion(dtNormal, etBlind, 1, 0, c.Body, c.OR);
        break;
    case 1:
        MA.drRotate(0, 90, c.Body, c.OR);
        break;
    default:
        MA.drEvolution({}, c.Body, c.OR);
        break;
    }
    EXPECT_EQ(Lines(std::string(c.Collection) + "::Add"),
              std::vector<std::string>{std::string(c.Collection) + "::Add(" + std::to_string(c.Kind) + ")"});
    ASSERT_TRUE(R().Obj3D);
    EXPECT_EQ(R().Obj3D->GetObjectType(), c.Kind);
    EXPECT_TRUE(MA.ErrorEntity(R().Obj3D)); // no sketch: stored though not built
}

INSTANTIATE_TEST_SUITE_P(
    Kinds, drModelerAPIFeatureKindTest,
    ::testing::Values(TKindCase{"ExtrusionNewBody", 0, true, tvOperationNewBody, "IExtrusions", 25},
                      TKindCase{"ExtrusionUnion", 0, true, tvOperationUnion, "IExtrusions", 25},
                      TKindCase{"ExtrusionIntersect", 0, true, tvOperationIntersect, "IExtrusions", 25},
                      TKindCase{"ExtrusionCut", 0, true, tvOperationCut, "IExtrusions", 26},
                      TKindCase{"ExtrusionSurfaceCut", 0, false, tvOperationCut, "IExtrusionSurfaces", 60},
                      TKindCase{"RotationNewBody", 1, true, tvOperationNewBody, "IRotateds", 28},
                      TKindCase{"RotationCut", 1, true, tvOperationCut, "IRotateds", 29},
                      TKindCase{"RotationSurface", 1, false, tvOperationNewBody, "IRotatedSurfaces", 61},
                      TKindCase{"SweepNewBody", 2, true, tvOperationNewBody, "IEvolutions", 46},
                      TKindCase{"SweepCut", 2, true, tvOperationCut, "IEvolutions", 47},
                      TKindCase{"SweepSurface", 2, false, tvOperationUnion, "IEvolutionSurfaces", 59}),
    [](const ::testing::TestParamInfo<TKindCase>& p) { return std::string(p.param.Name); });

// -90: direction 1 and the reverse side's 90; 90: direction 0 and the forward side's 90; 0
// counts as reverse.
TEST_F(drModelerAPIFeaturesTest, RotationTakesItsDirectionFromTheSignOfTheAngle)
{
    struct TCase {
        double Angle;
        const char* Direction;
        const char* Side;
    };
    for (const TCase c : {TCase{-90, "IRotated::SetDirection(1)", "IRotated::SetSideAngle(false, 90)"},
                          TCase{90, "IRotated::SetDirection(0)", "IRotated::SetSideAngle(true, 90)"},
                          TCase{0, "IRotated::SetDirection(1)", "IRotated::SetSideAngle(false, 0)"}}) {
        SCOPED_TRACE(c.Angle);
        Journal().Clear();
        MA.drRotate(7, c.Angle, true, tvOperationUnion);
        EXPECT_EQ(Lines("IRotated::Set"),
                  (std::vector<std::string>{"IRotated::SetSketch(null)", c.Direction, c.Side}));
    }
}

// A rectangle 0..10 x 0..5 turned a full turn about its long side, drawn as an axis line.
TEST_F(drModelerAPIFeaturesTest, RotationAboutTheSketchAxisBuildsACylinder)
{
    SketchRect(0, 0, 10, 5);
    MA.drLine(0, 0, 10, 0, tvCSAxial);
    MA.drBaseRotate(0, 360);
    EXPECT_FALSE(MA.ErrorEntity(R().Obj3D));
    EXPECT_NEAR(Volume(), std::numbers::pi * 25 * 10, 1e-9 * 785);
}

// A 4 mm square hole cut through a 10 mm plate of 20 x 20.
TEST_F(drModelerAPIFeaturesTest, CutExtrusionMakesAHoleThroughThePlate)
{
    SketchRect(0, 0, 20, 20);
    MA.drBaseExtrusion(dtNormal, etBlind, 10, 0);
    SketchRect(8, 8, 12, 12);
    MA.drCutExtrusion(dtNormal, etThroughAll, 10, 0);
    EXPECT_FALSE(MA.ErrorEntity(R().Obj3D));
    EXPECT_NEAR(Volume(), 20 * 20 * 10 - 4 * 4 * 10, 1e-9 * 4000);
    for (const tvhost::TShape& shape : Top().LocalShapes())
        EXPECT_TRUE(tvhost::IsValidShape(shape));
}

// A circle of radius 3 swept along a 3D segment of length 12: the sweep's parameters, and
// the cylinder.
TEST_F(drModelerAPIFeaturesTest, SweepOfACircleAlongASegmentIsACylinder)
{
    MA.drLine3D(TPoint3D(0, 0, 0), TPoint3D(0, 0, 12), "", false);
    const IModelObjectPtr path = R().Obj3D;
    MA.drCreateEskis(0.0, "");
    MA.drCircle(0, 0, 3, tvCSNormal);
    Journal().Clear();
    MA.drEvolution(path, true, tvOperationNewBody);
    EXPECT_EQ(Lines("IEvolution::Set"), (std::vector<std::string>{
                                            "IEvolution::SetSketch(" + Id(R().Sketch.Get()) + ")",
                                            "IEvolution::SetSketchShift(2)",
                                            "IEvolution::SetOperationResult(1)",
                                            "IEvolution::SetChainPath(true)",
                                            "IEvolution::SetPath([" + Id(path.Get()) + "])",
                                        }));
    EXPECT_FALSE(MA.ErrorEntity(R().Obj3D));
    EXPECT_NEAR(Volume(), std::numbers::pi * 9 * 12, 1e-9 * 340);
}

// The open sketch is ended first; the feature is recorded in the open macro even when the
// profile cannot be built (open here), and no half body is left.
TEST_F(drModelerAPIFeaturesTest, FeatureEndsTheOpenSketchAndIsRecordedEvenWhenNotBuilt)
{
    MA.drCreateEskis(0.0, "");
    MA.drLine(0, 0, 10, 0, tvCSNormal);
    MA.drLine(10, 0, 10, 10, tvCSNormal);
    const ISketchPtr sketch = R().Sketch;
    R().AMacroObject3D.Push(ITervanAPIObjectPtr(R().Part));
    MA.drExtrusion(dtNormal, etBlind, 5, 0, true, tvOperationNewBody);
    EXPECT_FALSE(tvhost::HostAs<tvhost::THostSketch>(sketch)->Editing());
    EXPECT_FALSE(R().IDoc2D || R().DrawingContainer || R().Symbols2DContainer);
    EXPECT_EQ(R().Sketch.Get(), sketch.Get());
    ASSERT_TRUE(R().Obj3D);
    EXPECT_TRUE(MA.ErrorEntity(R().Obj3D));
    EXPECT_EQ(Top().Features().ErrorOf(R().Obj3D.Get()), "the contour of the sketch is not closed");
    EXPECT_TRUE(Top().Bodies().empty());
    const std::vector<IModelObjectPtr> recorded = Recorded();
    ASSERT_EQ(recorded.size(), 1u);
    EXPECT_EQ(recorded[0].Get(), R().Obj3D.Get());

    Journal().Clear();
    MA.drExtrusion(dtNormal, etBlind, 5, 0, true, tvOperationNewBody); // nothing open: nothing ended
    EXPECT_EQ(Journal().Count("ISketch::EndEdit"), 0u);
}

// Without a part, or when the host adds no feature, Obj3D is emptied and nothing is made.
TEST_F(drModelerAPIFeaturesTest, WithoutAPartOrANewFeatureObj3DIsLeftEmpty)
{
    R().Obj3D = IModelObjectPtr(tvhost::New<tvhost::THostModelObject>(o3d_face));
    R().Part.Reset();
    MA.drExtrusion(dtNormal, etBlind, 5, 0, true, tvOperationNewBody);
    EXPECT_FALSE(R().Obj3D);

    OpenPart();
    R().Obj3D = IModelObjectPtr(tvhost::New<tvhost::THostModelObject>(o3d_face));
    InjectFault("IRotateds::Add");
    MA.drRotate(0, 90, true, tvOperationUnion);
    EXPECT_FALSE(R().Obj3D);
    InjectFault("IModelContainer::GetEvolutions");
    MA.drEvolution({}, true, tvOperationUnion);
    EXPECT_FALSE(R().Obj3D);
    EXPECT_TRUE(Top().Features().Features().empty());
}

// In-place editing hands the part's own parameter object to its request and ends with true;
// without a part neither asks anything.
TEST_F(drModelerAPIFeaturesTest, InPlaceEditingOfThePart)
{
    Journal().Clear();
    MA.drPartBeginEditOnPlace();
    const auto params = Journal().Calls("IPart::GetOpenDocumentParam");
    const auto begins = Journal().Calls("IPart::BeginEditOnPlace");
    ASSERT_EQ(params.size(), 1u);
    ASSERT_EQ(begins.size(), 1u);
    EXPECT_NE(begins[0].Arguments.at(0), "null");
    EXPECT_TRUE(Top().EditingInPlace());
    MA.drPartEndEditOnPlace();
    EXPECT_EQ(Journal().Calls("IPart::EndEditOnPlace").at(0).Arguments.at(0), "true");
    EXPECT_FALSE(Top().EditingInPlace());

    R().Part.Reset();
    Journal().Clear();
    MA.drPartBeginEditOnPlace();
    MA.drPartEndEditOnPlace();
    EXPECT_TRUE(Journal().Entries().empty());
}
