// Face splits of the facade against the stand-in kernel: a sketch's line or a plane across the
// top of a 10 x 20 x 5 box splits that face (the body has one face more, the same volume),
// the projection direction decides whether the line meets it, and the quiet stops.

#include <gtest/gtest.h>

#include "FacadeFixture.h"
#include "HostAuxGeometry.h"
#include "HostFeatures.h"
#include "HostJournal.h"
#include "HostPart.h"
#include "HostSketch.h"

using drApi::MA;
using namespace tvapi;

class TModelerApiFaceSplitTest : public TPartFacadeFixture {
protected:
    void SetUp() override
    {
        TPartFacadeFixture::SetUp();
        OpenPart();
        Top().AddBody(tvhost::MakeBox({0, 0, 0}, 10, 20, 5));
    }
    std::size_t FaceCount() { return ObjectsOf(IModelObjectPtr(Top().Bodies().at(0)), o3d_face).size(); }
    // The box's face at z = 5.
    drApi::TVOf<IFacePtr> TopFace()
    {
        for (const IModelObjectPtr& f : ObjectsOf(IModelObjectPtr(Top().Bodies().at(0)), o3d_face)) {
            double x0, y0, z0, x1, y1, z1;
            IFacePtr(f)->GetSurface()->GetGabarit(x0, y0, z0, x1, y1, z1);
            if (z0 > 4.9 && z1 < 5.1) return {IFacePtr(f)};
        }
        return {};
    }
    // A sketch on XOY with the line x = 5 across the box's whole width, left open.
    void SketchAcross()
    {
        MA.drPlane(o3d_planeXOY, 0.0);
        MA.drCreateEskis(0.0, "");
        MA.drLine(5, -1, 5, 21, 1);
    }
};

TEST_F(TModelerApiFaceSplitTest, SketchLineAcrossTheTopFaceSplitsItInTwo)
{
    SketchAcross();
    tvhost::THostSketch& sketch = *tvhost::HostAs<tvhost::THostSketch>(R().Sketch);
    ASSERT_EQ(FaceCount(), 6u);
    const drApi::TVOf<IFacePtr> top = TopFace();
    ASSERT_EQ(top.size(), 1u);
    R().AMacroObject3D.Push(ITervanAPIObjectPtr(R().Part));
    MA.drSplitFaceSketch(top, R().Sketch, dtNormal);
    EXPECT_FALSE(sketch.Editing());
    EXPECT_FALSE(R().IDoc2D);
    EXPECT_EQ(FaceCount(), 7u);
    EXPECT_NEAR(tvhost::Volume(Top().LocalShapes().at(0)), 1000, 1e-6);
    // A feature added next builds on the split body.
    ASSERT_EQ(Top().Features().Built().Solids.size(), 1u);
    EXPECT_EQ(Top().Features().Built().Solids[0], Top().LocalShapes().at(0));
    ASSERT_EQ(Top().AuxGeometry().FaceSplits().size(), 1u);
    EXPECT_EQ(R().Obj3D, Top().AuxGeometry().FaceSplits()[0]);
    EXPECT_EQ(R().AMacroObject3D.Objects(), (std::vector<IModelObjectPtr>{R().Obj3D}));

    // The split body comes back from the file.
    const std::string file = ::testing::TempDir() + "split.qpt";
    ASSERT_TRUE(R().IDoc->SaveAs(tvhost::FromUtf8(file).c_str()));
    const ITervanDocumentPtr reopened =
        Host().App().Documents().Open(tvhost::FromUtf8(file).c_str(), true, false);
    ASSERT_TRUE(reopened);
    const tvhost::THostPart& part = tvhost::HostAs<tvhost::THostDocument3D>(reopened)->TopPart();
    EXPECT_EQ(ObjectsOf(IModelObjectPtr(part.Bodies().at(0)), o3d_face).size(), 7u);
}

// A circle of the sketch inside the top face cuts a disc out of it; both parts keep the area.
TEST_F(TModelerApiFaceSplitTest, SketchCircleCutsADiscOutOfTheTopFace)
{
    MA.drPlane(o3d_planeXOY, 0.0);
    MA.drCreateEskis(0.0, "");
    MA.drCircle(5, 10, 3, 1);
    MA.drSplitFaceSketch(TopFace(), R().Sketch, dtBoth);
    EXPECT_EQ(FaceCount(), 7u);
    double area = 0;
    for (const IModelObjectPtr& f : ObjectsOf(IModelObjectPtr(Top().Bodies().at(0)), o3d_face)) {
        double x0, y0, z0, x1, y1, z1;
        IFacePtr(f)->GetSurface()->GetGabarit(x0, y0, z0, x1, y1, z1);
        if (z0 > 4.9 && z1 < 5.1) area += IFacePtr(f)->GetArea(1);
    }
    EXPECT_NEAR(area, 200, 1e-6);
}

// Projected against the sketch's normal the line never meets the top face: nothing is split,
// though the split object is made and published.
TEST_F(TModelerApiFaceSplitTest, ReverseProjectionMissesTheTopFace)
{
    SketchAcross();
    MA.drSplitFaceSketch(TopFace(), R().Sketch, dtReverse);
    EXPECT_EQ(FaceCount(), 6u);
    EXPECT_EQ(R().Obj3D, Top().AuxGeometry().FaceSplits().at(0));
}

TEST_F(TModelerApiFaceSplitTest, PlaneAcrossTheTopFaceSplitsIt)
{
    MA.drPlane(o3d_planeYOZ, -5.0); // YOZ's normal is -X: the plane x = 5
    const drApi::TVOfMO cut{R().Plane};
    MA.drSplitFaceObjects(TopFace(), cut, dtBoth);
    EXPECT_EQ(FaceCount(), 7u);
    EXPECT_EQ(R().Obj3D, Top().AuxGeometry().FaceSplits().at(0));
    MA.drSplitFaceObjects(TopFace(), drApi::TVOfMO(), dtBoth); // nothing cuts
    EXPECT_EQ(FaceCount(), 7u);
}

// No sketch: only Obj3D is emptied. No collection or no new split: nothing more, Obj3D empty.
TEST_F(TModelerApiFaceSplitTest, StopsQuietlyWithoutSketchCollectionOrSplit)
{
    SketchAcross();
    const ISketchPtr sketch = R().Sketch;
    R().Obj3D = MA.drDefault(o3d_planeXOY);
    MA.drSplitFaceSketch(TopFace(), ISketchPtr(), dtNormal);
    EXPECT_FALSE(R().Obj3D);
    EXPECT_TRUE(R().IDoc2D) << "the open sketch stays open";
    for (const char* op : {"IAuxiliaryGeomContainer::GetFaceSplits", "IFaceSplits::Add"}) {
        SCOPED_TRACE(op);
        R().Obj3D = MA.drDefault(o3d_planeXOY);
        InjectFault(op);
        MA.drSplitFaceSketch(TopFace(), sketch, dtNormal);
        EXPECT_FALSE(R().Obj3D);
        R().Obj3D = MA.drDefault(o3d_planeXOY);
        InjectFault(op);
        MA.drSplitFaceObjects(TopFace(), drApi::TVOfMO{MA.drDefault(o3d_planeYOZ)}, dtNormal);
        EXPECT_FALSE(R().Obj3D);
    }
    EXPECT_TRUE(Top().AuxGeometry().FaceSplits().empty());
    EXPECT_EQ(FaceCount(), 6u);
}

// A split of a body built by a feature is made again whenever the features build again, and
// the part's file keeps it: 7 faces after the extrusion is updated and after a reopen.
TEST_F(TModelerApiFaceSplitTest, SplitOfAFeaturesBodyIsReplayedAndKept)
{
    OpenPart(); // a new part, its plate the extrusion's
    MA.drCreateEskis(0.0, "");
    MA.drLine(0, 0, 10, 0, tvCSNormal);
    MA.drLine(10, 0, 10, 20, tvCSNormal);
    MA.drLine(10, 20, 0, 20, tvCSNormal);
    MA.drLine(0, 20, 0, 0, tvCSNormal);
    MA.drExtrusion(dtNormal, etBlind, 5, 0, true, tvOperationNewBody);
    const IModelObjectPtr extrusion = R().Obj3D;
    ASSERT_EQ(FaceCount(), 6u);
    MA.drPlane(o3d_planeYOZ, -5.0); // the plane x = 5
    MA.drSplitFaceObjects(TopFace(), drApi::TVOfMO{R().Plane}, dtBoth);
    ASSERT_EQ(FaceCount(), 7u);

    ASSERT_TRUE(extrusion->Update()); // every feature built again
    EXPECT_EQ(FaceCount(), 7u) << "the split is made again";
    const std::string file = ::testing::TempDir() + "split-feature.qpt";
    ASSERT_TRUE(R().IDoc->SaveAs(tvhost::FromUtf8(file).c_str()));
    const ITervanDocumentPtr reopened = Host().App().Documents().OpenFile(tvhost::FromUtf8(file));
    ASSERT_TRUE(reopened) << Host().App().Documents().OpenError();
    const tvhost::THostPart& part = tvhost::HostAs<tvhost::THostDocument3D>(reopened)->TopPart();
    ASSERT_EQ(part.Bodies().size(), 1u);
    EXPECT_EQ(ObjectsOf(IModelObjectPtr(part.Bodies()[0]), o3d_face).size(), 7u);
    EXPECT_NEAR(tvhost::Volume(part.LocalShapes().at(0)), 1000, 1e-6);
}
