// The facade's sketches against the stand-in: a sketch on the current plane that takes the 2D
// primitives while it is open, one sketch open at a time, the guard that ends an editing left
// by an exception, points in sketch axes, and the sketch-angle correction.

#include "FacadeFixture.h"

#include <cmath>

#include "HostPart.h"
#include "HostSketch.h"
#include "tvapi/ModelContainer.h"

using namespace tvapi;

class drModelerAPISketchTest : public TFacadeFixture {
protected:
    void SetUp() override
    {
        TFacadeFixture::SetUp();
        R().IDoc = Open(tvDocumentPart);
        R().Plane = IModelObjectPtr(tvhost::New<tvhost::THostModelObject>(o3d_planeXOZ, L"XOZ"));
    }
    static tvhost::THostSketch& HostSketch(const ISketchPtr& s)
    {
        return *tvhost::HostAs<tvhost::THostSketch>(s);
    }
    static tvhost::THostPart& Part() { return *tvhost::HostAs<tvhost::THostPart>(R().Part); }
};

// The sketch lies on Plane with its name and angle, is Obj3D, and a line drawn through the
// facade lands in its document; a second sketch ends the first before it is made.
TEST_F(drModelerAPISketchTest, CreateEskisOpensANewSketchOnThePlaneAndEndsTheOneBefore)
{
    R2().Constraint2D.Count = 3;
    drApi::MA.drCreateEskis(30.0, "Эскиз");
    const ISketchPtr first = R().Sketch;
    ASSERT_TRUE(first);
    tvhost::THostSketch& s1 = HostSketch(first);
    EXPECT_EQ(s1.Name(), L"Эскиз");
    EXPECT_EQ(s1.Angle(), 30.0);
    EXPECT_EQ(s1.PlaneKind(), o3d_planeXOZ);
    EXPECT_EQ(s1.Updates(), 1);
    EXPECT_TRUE(s1.Editing());
    EXPECT_EQ(IAPIObjectPtr(R().Obj3D).Get(), IAPIObjectPtr(first).Get());
    EXPECT_EQ(R().IDoc2D.Get(), static_cast<ITervanDocument2D*>(&s1.Document()));
    EXPECT_TRUE(R().View && R().DrawingContainer && R().Symbols2DContainer);
    EXPECT_EQ(R2().Constraint2D.Count, 0);
    drApi::MA.drLine(0, 0, 10, 0, 1);
    EXPECT_EQ(s1.Document().Drawing().ActiveView().Children().size(), 1u);

    drApi::MA.drCreateEskis(0.0, "");
    EXPECT_FALSE(s1.Editing());
    ASSERT_EQ(Part().Sketches().size(), 2u);
    EXPECT_EQ(R().Sketch.Get(), static_cast<ISketch*>(Part().Sketches()[1].Get()));
    EXPECT_TRUE(Part().Sketches()[1]->Editing());

    Journal().Clear();
    drApi::MA.drEndEskis();
    drApi::MA.drEndEskis();
    EXPECT_EQ(Journal().Count("ISketch::EndEdit"), 1u);
    EXPECT_FALSE(R().IDoc2D || R().DrawingContainer || R().Symbols2DContainer);
    EXPECT_TRUE(R().Sketch);
}

// Without a part document, or when the host makes no sketch, nothing is made or opened.
TEST_F(drModelerAPISketchTest, CreateEskisWithoutAPartOrANewSketchMakesNothing)
{
    R().IDoc = Open(tvDocumentDrawing);
    R2().Constraint2D.Count = 2;
    drApi::MA.drCreateEskis(0.0, "A");
    EXPECT_FALSE(R().Sketch || R().IDoc2D || R().Part);
    EXPECT_EQ(R2().Constraint2D.Count, 0);

    R().IDoc = Open(tvDocumentPart);
    InjectFault("ISketches::Add");
    drApi::MA.drCreateEskis(0.0, "A");
    EXPECT_FALSE(R().Sketch || R().IDoc2D || R().Obj3D);
}

// A host that throws after the editing began leaves no sketch open, and the exception passes on.
TEST_F(drModelerAPISketchTest, ThrowAfterBeginEditEndsTheEditingAgain)
{
    InjectFault("ITervanDocument2D::GetViewsAndLayersManager", tvhost::fkThrow);
    EXPECT_THROW(drApi::MA.drCreateEskis(0.0, "A"), tvhost::TInjectedFault);
    ASSERT_TRUE(R().Sketch);
    EXPECT_FALSE(HostSketch(R().Sketch).Editing());
    EXPECT_FALSE(R().IDoc2D || R().DrawingContainer);
}

// Reopening takes both containers from the sketch's document, which draws into its active view; model points
// come out in the sketch's axes (XOZ: (x, z)); with no sketch the result is left alone.
TEST_F(drModelerAPISketchTest, OpenEskisAndSketchTranslate)
{
    drApi::MA.drCreateEskis(0.0, "A");
    const ISketchPtr sketch = R().Sketch;
    drApi::MA.drEndEskis();
    drApi::MA.drOpenEskis(sketch);
    EXPECT_TRUE(HostSketch(sketch).Editing());
    ASSERT_TRUE(R().IDoc2D && R().DrawingContainer && R().Symbols2DContainer);
    EXPECT_EQ(IAPIObjectPtr(R().DrawingContainer).Get(), IAPIObjectPtr(R().IDoc2D).Get());
    drApi::MA.drLine(0, 0, 10, 0, 1); // the document takes it into its active view
    EXPECT_EQ(HostSketch(sketch).Document().Drawing().ActiveView().Children().size(), 1u);
    TPoint3D p(3, 4, 5);
    TPoint2D q(-1, -1);
    drApi::MA.drSketchTranslate(p, q); // on XOZ: (X, -Z)
    EXPECT_EQ(q.x, 3);
    EXPECT_EQ(q.y, -5);

    drApi::MA.drOpenEskis(nullptr);
    EXPECT_FALSE(HostSketch(sketch).Editing());
    EXPECT_FALSE(R().Sketch || R().IDoc2D);
    q = TPoint2D(-1, -1);
    drApi::MA.drSketchTranslate(p, q);
    EXPECT_EQ(q.x, -1);
}

// Two sketches made through the facade come back with a saved and reopened part.
TEST_F(drModelerAPISketchTest, TwoSketchesComeBackWithTheReopenedPart)
{
    drApi::MA.drCreateEskis(0.0, "S1");
    drApi::MA.drLine(0, 0, 10, 0, 1);
    drApi::MA.drCreateEskis(-90.0, "S2");
    drApi::MA.drLine(0, 0, 0, 20, 1);
    drApi::MA.drLine(0, 20, 5, 20, 1);
    drApi::MA.drEndEskis();
    const std::wstring file = tvhost::FromUtf8(::testing::TempDir() + "two-sketches.qpt");
    ASSERT_TRUE(R().IDoc->SaveAs(file.c_str()));
    const ITervanDocumentPtr again = Host().App().Documents().Open(file.c_str(), true, false);
    ASSERT_TRUE(again);
    const tvhost::THostPart& part = tvhost::HostAs<tvhost::THostDocument3D>(again)->TopPart();
    ASSERT_EQ(part.Sketches().size(), 2u);
    const struct {
        const wchar_t* Name;
        double Angle;
        std::size_t Lines;
    } rows[] = {{L"S1", 0, 1}, {L"S2", -90, 2}};
    for (std::size_t i = 0; i < 2; ++i) {
        const tvhost::THostSketch& s = *part.Sketches()[i];
        EXPECT_EQ(s.Name(), rows[i].Name);
        EXPECT_EQ(s.Angle(), rows[i].Angle);
        EXPECT_EQ(s.PlaneKind(), o3d_planeXOZ);
        EXPECT_EQ(s.Document().Drawing().ActiveView().Children().size(), rows[i].Lines);
    }
}
