// A part's features through its file: saved and opened again, the part builds the same bodies
// (volume within 1e-9 relative) from its base bodies and features, failed features stay
// failed, and a file whose feature cannot be read is refused.

#include "FeatureTestUtil.h"

#include <filesystem>
#include <fstream>

#include <unistd.h>

#include "HostText.h"

using namespace tvapi;
using namespace feature_test;

class HostFeatureFileTest : public feature_test::TPartFixture {
protected:
    void SetUp() override
    {
        TPartFixture::SetUp();
        FFolder = std::filesystem::path(::testing::TempDir()) /
                  ("HostFeatureFileTest-" + std::to_string(::getpid()));
        std::filesystem::create_directories(FFolder);
    }
    void TearDown() override
    {
        TPartFixture::TearDown();
        std::filesystem::remove_all(FFolder);
    }
    // A file of the test's own folder.
    std::string Path(const char* name) const { return (FFolder / name).string(); }
    std::wstring TempName(const char* name) const { return tvhost::FromUtf8(Path(name)); }
    std::string Text(const char* name) const
    {
        std::ifstream in(Path(name));
        return std::string((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    }

    // Saves the part's document to `name`, closes it, and opens the file as the fixture's part.
    void SaveAndReopen(const char* name) { TPartFixture::SaveAndReopen(TempName(name)); }

    std::filesystem::path FFolder;
};

// A plate with a through hole, a turned cylinder, a swept rod, a Boolean with another part's
// box, a surface and a feature that failed: all back as they were.
TEST_F(HostFeatureFileTest, ReopenedPartBuildsTheSameBodies)
{
    Part().AddBody(tvhost::MakeBox({-40, -40, 0}, 5, 5, 5));
    tvhost::THostSketch& plate = Sketch();
    Rect(plate, 0, 0, 30, 30);
    IModelObjectPtr(Extrusion(plate, o3d_bossExtrusion, dtBoth, 5, 5))->Update();
    tvhost::THostSketch& hole = Sketch();
    Circle(hole, 15, 15, 4);
    IModelObjectPtr(Extrusion(hole, o3d_cutExtrusion, dtBoth, 1, 1, etThroughAll))->Update();
    tvhost::THostSketch& turned = Sketch(o3d_planeXOZ);
    Rect(turned, 50, 0, 60, 5);
    Line(turned, 50, 0, 60, 0, tvCSAxial);
    const IRotatedPtr r = Container()->GetRotateds()->Add(o3d_bossRotated);
    r->SetSketch(IModelObjectPtr(&turned));
    r->SetDirection(1);
    r->SetSideAngle(false, 270);
    IModelObjectPtr(r)->Update();
    tvhost::THostSketch& rod = Sketch();
    Circle(rod, -20, 0, 1);
    const ILineSegment3DPtr path = IAuxiliaryGeomContainerPtr(FPart)->GetLineSegments3D()->Add();
    path->SetPoint(true, -20, 0, 0);
    path->SetPoint(false, -20, 0, 7);
    IModelObjectPtr(path)->Update();
    const IEvolutionPtr sweep = Container()->GetEvolutions()->Add(o3d_bossEvolution);
    sweep->SetSketch(IModelObjectPtr(&rod));
    sweep->SetOperationResult(tvOperationNewBody);
    sweep->SetPath({IModelObjectPtr(path)});
    IModelObjectPtr(sweep)->Update();
    const ITervanDocumentPtr other = Host().App().Documents().AddDocument(tvDocumentPart, L"other.qpt");
    tvhost::THostPart& tool = tvhost::HostAs<tvhost::THostDocument3D>(other)->TopPart();
    tool.AddBody(tvhost::MakeBox({-42, -42, 2}, 4, 4, 10));
    const IBooleanPtr boolean = Container()->GetBooleans()->Add();
    boolean->SetBodies({IModelObjectPtr(Part().Bodies().at(0)), IModelObjectPtr(tool.Bodies().at(0))});
    boolean->SetBooleanType(tvDifference);
    IModelObjectPtr(boolean)->Update();
    IModelObjectPtr(Extrusion(plate, o3d_ExtrusionSurface, dtNormal, 3, 0))->Update();
    tvhost::THostSketch& open = Sketch();
    Line(open, 0, 0, 1, 1);
    const IExtrusionPtr failed = Extrusion(open, o3d_bossExtrusion, dtNormal, 3, 0);
    IModelObjectPtr(failed)->SetName(L"Открытый");
    IModelObjectPtr(failed)->Update();
    Extrusion(plate, o3d_cutExtrusion, dtNormal, 100, 100); // made, never updated

    std::vector<double> volumes;
    for (const tvhost::TShape& shape : Part().LocalShapes())
        volumes.push_back(tvhost::Volume(shape));
    ASSERT_EQ(volumes.size(), 4u);
    ExpectVolume(volumes[0], 125 - 2 * 2 * 3); // the other part's box took a corner
    ExpectVolume(volumes[1], 30 * 30 * 10 - std::numbers::pi * 16 * 10);
    ExpectVolume(volumes[2], std::numbers::pi * 25 * 10 * 3 / 4);
    ExpectVolume(volumes[3], std::numbers::pi * 7);
    SaveAndReopen("features.qpt");

    ASSERT_EQ(Part().LocalShapes().size(), volumes.size());
    for (std::size_t i = 0; i < volumes.size(); ++i) {
        SCOPED_TRACE(i);
        ExpectVolume(tvhost::Volume(Part().LocalShapes()[i]), volumes[i]);
    }
    ExpectBodiesValid();
    const std::vector<IModelObjectPtr> features = Part().Features().Features();
    ASSERT_EQ(features.size(), 8u);
    EXPECT_EQ(Part().Features().Built().Surfaces.size(), 1u);
    EXPECT_EQ(features[6]->GetName(), L"Открытый");
    EXPECT_EQ(IFeaturePtr(features[6])->GetValid(), 0);
    EXPECT_EQ(ErrorOf(features[6]), "the contour of the sketch is not closed");
    EXPECT_FALSE(Part().Features().Counted(features[7].Get()));
    EXPECT_EQ(Part().Features().Evaluations(), 7);
    EXPECT_EQ(Container()->GetRotateds()->GetCount(), 1);

    // Changed and saved again, it still reads the same.
    tvhost::THostSketch& more = Sketch();
    Rect(more, 1, 1, 2, 2);
    IModelObjectPtr(Extrusion(more, o3d_cutExtrusion, dtNormal, 1, 0))->Update();
    const double before = Volume();
    SaveAndReopen("features2.qpt");
    ExpectVolume(Volume(), before);
}

// A part without features keeps its bodies as before: no features member in its file.
TEST_F(HostFeatureFileTest, PartWithoutFeaturesKeepsItsBodiesAsTheyAre)
{
    Part().AddBody(tvhost::MakeBox({0, 0, 0}, 1, 2, 3));
    SaveAndReopen("plain.qpt");
    ASSERT_EQ(Part().Bodies().size(), 1u);
    ExpectVolume(Volume(), 6);
    EXPECT_EQ(Text("plain.qpt").find("\"features\""), std::string::npos);
}

// A feature of a kind the host has none of makes the file unreadable.
TEST_F(HostFeatureFileTest, FeatureOfAnUnknownKindRefusesTheFile)
{
    tvhost::THostSketch& s = Sketch();
    Rect(s, 0, 0, 1, 1);
    IModelObjectPtr(Extrusion(s, o3d_bossExtrusion, dtNormal, 1, 0))->Update();
    const std::wstring file = TempName("bad.qpt");
    ASSERT_TRUE(FDoc->SaveAs(file.c_str()));
    std::string text = Text("bad.qpt");
    const std::size_t at = text.find("\"kind\": 25");
    ASSERT_NE(at, std::string::npos);
    text.replace(at, 10, "\"kind\": 99");
    std::ofstream(Path("bad.qpt")) << text;
    FPart.Reset();
    ASSERT_TRUE(FDoc->Close(kdDoNotSaveChanges));
    FDoc.Reset();
    EXPECT_FALSE(Application()->GetDocuments()->Open(file.c_str(), true, false));
}

// Patches and ruled surfaces come back with the curves they had, their segments being no
// part of the file.
TEST_F(HostFeatureFileTest, SurfacesComeBackWithTheirCurves)
{
    const auto segment = [this](const tvhost::TXyz& a, const tvhost::TXyz& b) {
        const ILineSegment3DPtr s = IAuxiliaryGeomContainerPtr(FPart)->GetLineSegments3D()->Add();
        s->SetPoint(true, a[0], a[1], a[2]);
        s->SetPoint(false, b[0], b[1], b[2]);
        IModelObjectPtr(s)->Update();
        return IModelObjectPtr(s);
    };
    const ISurfacePatchPtr patch = ISurfaceContainerPtr(FPart)->GetSurfacePatches()->Add();
    patch->SetEdges(
        {segment({0, 0, 0}, {4, 0, 0}), segment({4, 0, 0}, {4, 3, 0}), segment({4, 3, 0}, {0, 0, 0})});
    IModelObjectPtr(patch)->Update();
    const IRuledSurfacePtr ruled = ISurfaceContainerPtr(FPart)->GetRuledSurfaces()->Add();
    const IRuledSurfaceParametersByCurvesPtr params(ruled->GetParameters());
    params->SetCurves1({segment({0, 0, 5}, {8, 0, 5})});
    params->SetCurves2({segment({8, 0, 10}, {0, 0, 10})});
    params->SetMatchDirections(true);
    IModelObjectPtr(ruled)->Update();
    SaveAndReopen("surfaces.qpt");
    const std::vector<tvhost::TShape>& surfaces = Part().Features().Built().Surfaces;
    ASSERT_EQ(surfaces.size(), 2u);
    EXPECT_NEAR(tvhost::Area(surfaces[0]), 6.0, 1e-9 * 6);
    EXPECT_NEAR(tvhost::Area(surfaces[1]), 40.0, 1e-9 * 40);
    EXPECT_EQ(ISurfaceContainerPtr(FPart)->GetRuledSurfaces()->GetCount(), 1);
}

// Copies come back where their system placed them, the part's own bodies' copies following
// the features before them, another document's bodies as they were, a failed copy failed.
TEST_F(HostFeatureFileTest, CopiesComeBackWhereTheirSystemPlacedThem)
{
    const ITervanDocumentPtr other = Host().App().Documents().AddDocument(tvDocumentPart, L"other.qpt");
    tvhost::THostPart& source = tvhost::HostAs<tvhost::THostDocument3D>(other)->TopPart();
    source.AddBody(tvhost::MakeBox({0, 0, 0}, 2, 3, 4));
    tvhost::THostSketch& plate = Sketch();
    Rect(plate, 0, 0, 30, 20);
    IModelObjectPtr(Extrusion(plate, o3d_bossExtrusion, dtNormal, 5, 0))->Update();
    const ILocalCoordinateSystemPtr lcs =
        IAuxiliaryGeomContainerPtr(FPart)->GetLocalCoordinateSystems()->Add();
    lcs->SetMatrix3D({0, 0, 1, 0, 0, 1, 0, 0, -1, 0, 0, 0, 0, 0, 50, 1});
    const ICopyGeometryPtr own = Container()->GetCopiesGeometry()->Add();
    own->SetObjects({IModelObjectPtr(Part().Bodies().at(0))});
    own->SetLocalCoordinateSystem(lcs);
    ASSERT_TRUE(IModelObjectPtr(own)->Update());
    const ICopyGeometryPtr foreign = Container()->GetCopiesGeometry()->Add();
    foreign->SetSource(ITervanDocument3DPtr(other), {}, {IModelObjectPtr(source.Bodies().at(0))});
    foreign->SetLocalCoordinateSystem(lcs);
    ASSERT_TRUE(IModelObjectPtr(foreign)->Update());
    const ICopyGeometryPtr failed = Container()->GetCopiesGeometry()->Add();
    failed->SetObjects({IModelObjectPtr(Part().Bodies().at(0))});
    EXPECT_FALSE(IModelObjectPtr(failed)->Update());
    std::vector<std::array<double, 6>> boxes;
    for (const tvhost::TShape& shape : Part().LocalShapes())
        boxes.push_back(tvhost::BoxOf(shape));
    ASSERT_EQ(boxes.size(), 3u);
    const std::vector<double> volumes{3000, 3000, 24};
    SaveAndReopen("copies.qpt");

    ASSERT_EQ(Part().LocalShapes().size(), boxes.size());
    for (std::size_t i = 0; i < boxes.size(); ++i) {
        SCOPED_TRACE(i);
        ExpectVolume(tvhost::Volume(Part().LocalShapes()[i]), volumes[i]);
        const std::array<double, 6> box = tvhost::BoxOf(Part().LocalShapes()[i]);
        for (std::size_t k = 0; k < box.size(); ++k)
            EXPECT_NEAR(box[k], boxes[i][k], 1e-9);
    }
    EXPECT_NEAR(boxes[1][2], 50, 1e-6); // X onto Z: the plate stands up from z = 50
    EXPECT_NEAR(boxes[1][5], 80, 1e-6);
    ExpectBodiesValid();
    const std::vector<IModelObjectPtr> features = Part().Features().Features();
    ASSERT_EQ(features.size(), 4u);
    EXPECT_EQ(IFeaturePtr(features[3])->GetValid(), 0);
    EXPECT_EQ(Container()->GetCopiesGeometry()->GetCount(), 3);
}

// A thickened face, a trimmed face and a billet of another part file come back from the file;
// the billet keeps its bodies when its own file is gone.
TEST_F(HostFeatureFileTest, FaceOperationsAndBilletsComeBack)
{
    {
        const ITervanDocumentPtr blank = Host().App().Documents().AddDocument(tvDocumentPart, L"blank.qpt");
        tvhost::HostAs<tvhost::THostDocument3D>(blank)->TopPart().AddBody(
            tvhost::MakeBox({20, 0, 0}, 4, 5, 6));
        ASSERT_TRUE(blank->SaveAs(TempName("blank.qpt").c_str()));
        blank->Close(kdDoNotSaveChanges);
    }
    Part().AddBody(tvhost::MakeBox({-2, 0, 0}, 10, 10, 5));
    IModelObjectPtr top;
    for (const IModelObjectPtr& f : ObjectsOf(IModelObjectPtr(Part().Bodies()[0]), o3d_face)) {
        double x0, y0, z0, x1, y1, z1;
        IFacePtr(f)->GetSurface()->GetGabarit(x0, y0, z0, x1, y1, z1);
        if (z0 > 4.9) top = f;
    }
    ASSERT_TRUE(top);
    const ISurfaceThickeningPtr thick = Container()->GetSurfaceThickenings()->Add();
    thick->SetFaces({top});
    IThinParametersPtr(thick)->SetThinWallDirection(false);
    IThinParametersPtr(thick)->SetThickness(false, 2);
    ASSERT_TRUE(IModelObjectPtr(thick)->Update());
    const ITrimmedSurfacePtr trim = ISurfaceContainerPtr(FPart)->GetTrimmedSurfaces()->Add();
    trim->SetSurfaces({top});
    trim->SetTrimmingObjects({Part().GetDefaultObject(o3d_planeYOZ)});
    trim->SetSense(false); // YOZ's normal is -X: the side x > 0 is kept
    ASSERT_TRUE(IModelObjectPtr(trim)->Update());
    const IBilletObsoletePtr billet =
        Container()->GetBilletsObsoletes()->Add(TempName("blank.qpt").c_str(), false);
    ASSERT_TRUE(IModelObjectPtr(billet)->Update());
    ExpectVolume(Volume(), 500 + 200 + 120);

    std::filesystem::remove(Path("blank.qpt"));
    SaveAndReopen("faces.qpt");
    ASSERT_EQ(Part().Bodies().size(), 3u);
    ExpectVolume(Volume(), 500 + 200 + 120);
    EXPECT_NEAR(tvhost::Area(Part().Features().Built().Surfaces.back()), 80, 1e-6);
    EXPECT_EQ(Container()->GetBilletsObsoletes()->GetCount(), 1);
    EXPECT_EQ(Container()->GetSurfaceThickenings()->GetCount(), 1);
}
