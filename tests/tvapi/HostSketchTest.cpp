// Sketches of a stand-in part: made through the part's sketch collection, put on a plane and
// turned, mapping model points into their axes, and kept in the part's file with their
// plane, angle, name and 2D content.

#include "HostSketch.h"

#include <gtest/gtest.h>

#include "Drawing2DTestUtil.h"
#include "HostDocumentFile.h"
#include "HostDocumentSchema.h"
#include "HostDocuments.h"
#include "HostFixture.h"
#include "HostPart.h"
#include "HostText.h"
#include "tvapi/ModelContainer.h"

using namespace tvapi;

namespace {

std::wstring Temp(const std::string& name)
{
    return tvhost::FromUtf8(::testing::TempDir() + name);
}

// The sketch's drawing, opened for editing as the facade opens it.
drawing_test::TSheet Edit(const ISketchPtr& sketch)
{
    drawing_test::TSheet s;
    s.Doc = sketch->BeginEdit(false);
    s.View = s.Doc->GetViewsAndLayersManager()->GetViews()->GetActiveView();
    s.Drawing = IDrawingContainerPtr(s.View);
    s.Symbols = ISymbols2DContainerPtr(s.View);
    return s;
}

// The first coordinates of each segment of the sketch's active view.
std::vector<double> Starts(const ISketchPtr& sketch)
{
    std::vector<double> all;
    for (const IDrawingObjectPtr& o : Edit(sketch).Drawing->GetObjects(tvDrLineSeg)) {
        const ILineSegmentPtr seg(o);
        all.insert(all.end(), {seg->GetX1(), seg->GetY1()});
    }
    sketch->EndEdit();
    return all;
}

} // namespace

class HostSketchTest : public HostFixture {
protected:
    tvhost::THostDocuments& Documents() { return Host().App().Documents(); }
    ISketchesPtr Sketches(const ITervanDocumentPtr& doc)
    {
        return IModelContainerPtr(ITervanDocument3DPtr(doc)->GetTopPart())->GetSketches();
    }
};

// A point of the model in a sketch's (u, v): XOZ gives (X, Z); turned by 90° u runs along the
// plane's v and v against its u.
TEST_F(HostSketchTest, PointIntoSketchFollowsThePlaneKindAndTheAngle)
{
    const ITervanDocumentPtr doc = Documents().AddDocument(tvDocumentPart);
    const ISketchPtr sketch = Sketches(doc)->Add();
    double u = -1, v = -1;
    ASSERT_TRUE(sketch->PointIntoSketch(3, 4, 5, u, v)); // on no plane: XOY
    EXPECT_DOUBLE_EQ(u, 3);
    EXPECT_DOUBLE_EQ(v, 4);
    sketch->SetPlane(IModelObjectPtr(tvhost::New<tvhost::THostModelObject>(o3d_planeXOZ)));
    ASSERT_TRUE(sketch->PointIntoSketch(3, 4, 5, u, v)); // XOZ: (X, -Z)
    EXPECT_DOUBLE_EQ(u, 3);
    EXPECT_DOUBLE_EQ(v, -5);
    sketch->SetAngle(90);
    ASSERT_TRUE(sketch->PointIntoSketch(3, 4, 5, u, v));
    EXPECT_NEAR(u, -5, 1e-12);
    EXPECT_NEAR(v, -3, 1e-12);
    const ISketchPtr side = Sketches(doc)->Add();
    side->SetPlane(IModelObjectPtr(tvhost::New<tvhost::THostModelObject>(o3d_planeYOZ)));
    ASSERT_TRUE(side->PointIntoSketch(3, 4, 5, u, v)); // YOZ: (-Z, -Y)
    EXPECT_DOUBLE_EQ(u, -5);
    EXPECT_DOUBLE_EQ(v, -4);
    EXPECT_EQ(sketch->GetAngle(), 90);

    InjectFault("ISketch::PointIntoSketch");
    u = v = 7;
    EXPECT_FALSE(sketch->PointIntoSketch(3, 4, 5, u, v));
    EXPECT_EQ(u, 7);
    InjectFault("ISketches::Add");
    EXPECT_FALSE(Sketches(doc)->Add());
    InjectFault("IModelContainer::GetSketches");
    EXPECT_FALSE(Sketches(doc));
    InjectFault("ISketch::SetAngle", tvhost::fkThrow);
    EXPECT_THROW(sketch->SetAngle(1), tvhost::TInjectedFault);
    EXPECT_EQ(sketch->GetAngle(), 90);
}

// Two sketches on XOY and YOZ with their names, angles and segments come back from the file
// in the same order; the collection lists them.
TEST_F(HostSketchTest, PartWithTwoSketchesSavedAndReopenedListsBothWithPlanesAndContent)
{
    const ITervanDocumentPtr doc = Documents().AddDocument(tvDocumentPart);
    const struct {
        tvObj3dTypeEnum Plane;
        const wchar_t* PlaneName;
        const wchar_t* Name;
        double Angle;
        double X, Y;
    } rows[] = {{o3d_planeXOY, L"XOY", L"Эскиз 1", 0, 1, 2}, {o3d_planeYOZ, L"YOZ", L"Эскиз 2", -30, 5, 6}};
    for (const auto& r : rows) {
        const ISketchPtr sketch = Sketches(doc)->Add();
        sketch->SetPlane(IModelObjectPtr(tvhost::New<tvhost::THostModelObject>(r.Plane, r.PlaneName)));
        sketch->SetName(r.Name);
        sketch->SetAngle(r.Angle);
        ASSERT_TRUE(sketch->Update());
        const drawing_test::TSheet s = Edit(sketch);
        drawing_test::Segment(s, r.X, r.Y, 10, 20, 1);
        sketch->EndEdit();
    }
    ASSERT_TRUE(doc->SaveAs(Temp("sketches.qpt").c_str()));
    ASSERT_TRUE(doc->Close(kdDoNotSaveChanges));

    const ITervanDocumentPtr reopened = Documents().Open(Temp("sketches.qpt").c_str(), true, false);
    ASSERT_TRUE(reopened) << Documents().OpenError();
    const ISketchesPtr sketches = Sketches(reopened);
    ASSERT_EQ(sketches->GetCount(), 2);
    EXPECT_FALSE(sketches->GetItem(2));
    for (int i = 0; i < 2; ++i) {
        SCOPED_TRACE(i);
        const ISketchPtr sketch = sketches->GetItem(i);
        EXPECT_EQ(sketch->GetName(), rows[i].Name);
        EXPECT_EQ(sketch->GetAngle(), rows[i].Angle);
        const IModelObjectPtr plane = sketch->GetPlane();
        ASSERT_TRUE(plane);
        EXPECT_EQ(plane->GetObjectType(), rows[i].Plane);
        EXPECT_EQ(plane->GetName(), rows[i].PlaneName);
        EXPECT_EQ(Starts(sketch), (std::vector<double>{rows[i].X, rows[i].Y}));
    }
}

// A sketch's document that is no fragment is refused, and the file is not opened.
TEST_F(HostSketchTest, FileWithASketchDocumentOfAnotherKindIsRefused)
{
    const ITervanDocumentPtr doc = Documents().AddDocument(tvDocumentPart);
    Sketches(doc)->Add();
    nlohmann::json root = tvhost::DocumentJson(*tvhost::HostAs<tvhost::THostDocument3D>(doc));
    EXPECT_EQ(tvhost::CheckDocumentJson(root), "");
    root["model"]["sketches"][0]["document"]["type"] = tvDocumentDrawing;
    EXPECT_NE(tvhost::CheckDocumentJson(root), "");
}

// A sketch on an offset plane takes that plane's own frame: on XOZ offset 12 (normal -Y) a
// 10 x 20 rectangle of the sketch swept 5 along the normal is a box from 12 to 17 along it,
// and the frame comes back from the file with the plane.
TEST_F(HostSketchTest, SketchOnAnOffsetPlaneTakesItsFrameAndKeepsItInTheFile)
{
    const ITervanDocumentPtr doc = Documents().AddDocument(tvDocumentPart);
    const IPartPtr part = ITervanDocument3DPtr(doc)->GetTopPart();
    const IAuxiliaryGeomContainerPtr aux(part);
    const IPlane3DByOffsetPtr plane(aux->GetPlanes3D()->Add(o3d_planeOffset));
    plane->SetBasePlane(aux->GetDefaultObject(o3d_planeXOZ));
    plane->SetOffset(12);
    plane->SetDirection(true);
    ASSERT_TRUE(plane->Update());
    const ISketchPtr sketch = Sketches(doc)->Add();
    sketch->SetPlane(IModelObjectPtr(plane));
    double u = 0, v = 0;
    ASSERT_TRUE(sketch->PointIntoSketch(3, 12, 4, u, v)); // XOZ's normal is +Y
    EXPECT_DOUBLE_EQ(u, 3);
    EXPECT_DOUBLE_EQ(v, -4);

    const tvhost::TFrame f = tvhost::HostAs<tvhost::THostSketch>(sketch)->Frame();
    const tvhost::TShape box = tvhost::MakePrism(f, 0, 0, 10, 20, 5);
    EXPECT_NEAR(tvhost::Volume(box), 1000, 1e-6);
    const std::array<double, 6> b = tvhost::BoxOf(box); // along +Y: 12 .. 17
    EXPECT_NEAR(b[1], 12, 1e-7);
    EXPECT_NEAR(b[4], 17, 1e-7);
    EXPECT_NEAR(b[0], 0, 1e-7);
    EXPECT_NEAR(b[2], -20, 1e-7);

    ASSERT_TRUE(doc->SaveAs(Temp("offset-sketch.qpt").c_str()));
    ASSERT_TRUE(doc->Close(kdDoNotSaveChanges));
    const ITervanDocumentPtr reopened = Documents().Open(Temp("offset-sketch.qpt").c_str(), true, false);
    ASSERT_TRUE(reopened) << Documents().OpenError();
    const IPlane3DPtr kept(Sketches(reopened)->GetItem(0)->GetPlane());
    ASSERT_TRUE(kept);
    EXPECT_EQ(kept->GetObjectType(), o3d_planeOffset);
    const IPlacement3DPtr placement = kept->GetSurface()->GetPlacement();
    double x = 0, y = 0, z = 0;
    placement->GetOrigin(x, y, z);
    EXPECT_NEAR(y, 12, 1e-12);
    placement->GetAxis(o3d_axisOY, x, y, z);
    EXPECT_NEAR(z, -1, 1e-12);
}
