// The stand-in's search of a drawing for the object at a point (distances to segments,
// circles, dimensions and macro elements, in views placed on the sheet), the "pick" line of
// a scripted run, and the document frame's rectangle and projection.

#include "HostSearch2D.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string>

#include "Drawing2DTestUtil.h"
#include "HostFixture.h"
#include "HostProcess.h"
#include "HostScript.h"

using namespace tvapi;
using drawing_test::Core;

namespace {

class HostSearch2DTest : public HostFixture {
protected:
    void SetUp() override
    {
        HostFixture::SetUp();
        Sheet = drawing_test::NewSheet(Host().App().Documents());
    }
    void TearDown() override
    {
        tvhost::Script().Clear();
        tvhost::Script().SetOutput(nullptr);
        Sheet = {};
        HostFixture::TearDown();
    }
    IDrawingObjectPtr At(double x, double y)
    {
        return Sheet.Doc->FindObject(x, y, Sheet.Doc->GetSearchTolerance(),
                                     Sheet.Doc->GetFindObjectParameters());
    }
    ICirclePtr Circle(double xc, double yc, double r)
    {
        ICirclePtr c = Sheet.Drawing->GetCircles()->Add();
        c->SetXc(xc);
        c->SetYc(yc);
        c->SetRadius(r);
        return c;
    }
    drawing_test::TSheet Sheet;
};

bool Same(const IDrawingObjectPtr& a, const IAPIObjectPtr& b)
{
    return a && b && IAPIObjectPtr(a) == b;
}

} // namespace

TEST_F(HostSearch2DTest, TheNearestObjectWithinTheToleranceIsFound)
{
    const auto seg = drawing_test::Segment(Sheet, 0, 0, 10, 0, tvCSNormal);
    const auto circle = Circle(30, 0, 5);
    EXPECT_EQ(Sheet.Doc->GetSearchTolerance(), 1.0);
    EXPECT_TRUE(Same(At(5, 0.9), IAPIObjectPtr(seg)));
    EXPECT_FALSE(At(5, 1.1)) << "just beyond the tolerance";
    EXPECT_TRUE(Same(At(10.5, 0.5), IAPIObjectPtr(seg))) << "past the end, measured to the end";
    EXPECT_TRUE(Same(At(30, 4.5), IAPIObjectPtr(circle))) << "the circle's line, not its inside";
    EXPECT_FALSE(At(30, 0));
    const auto twin = drawing_test::Segment(Sheet, 0, 0, 10, 0, tvCSNormal);
    EXPECT_TRUE(Same(At(5, 0), IAPIObjectPtr(seg))) << "a tie goes to the first made";
    const auto nearer = drawing_test::Segment(Sheet, 0, 0.6, 10, 0.6, tvCSNormal);
    EXPECT_TRUE(Same(At(5, 0.5), IAPIObjectPtr(nearer)));
    Core(seg).Discard();
    Core(twin).Discard();
    EXPECT_FALSE(At(5, -0.9)) << "deleted objects are not found";
}

TEST_F(HostSearch2DTest, ViewsAreSearchedInTheirOwnPlacement)
{
    auto& drawing = dynamic_cast<tvhost::THostDocument2D&>(*Sheet.Doc.Get()).Drawing();
    const tvhost::THostViewPtr view = drawing.AddView(vt_Normal);
    view->Params().Set("X", 100.0);
    view->Params().Set("Y", 50.0);
    view->Params().Set("Scale", 2.0);
    view->Params().Set("Angle", 90.0);
    Sheet.Drawing = IDrawingContainerPtr(IViewPtr(view));
    const auto seg = drawing_test::Segment(Sheet, 0, 0, 10, 0, tvCSNormal);
    // The view's x axis runs up the sheet, two sheet millimetres a view millimetre.
    EXPECT_TRUE(Same(At(100, 60), IAPIObjectPtr(seg)));
    EXPECT_TRUE(Same(At(100.9, 60), IAPIObjectPtr(seg))) << "the tolerance is the sheet's";
    EXPECT_FALSE(At(110, 50));
    tvhost::TPoint2 pick;
    ASSERT_TRUE(tvhost::PickPoint(Core(seg), pick));
    EXPECT_NEAR(pick.X, 100, 1e-9);
    EXPECT_NEAR(pick.Y, 60, 1e-9);
}

TEST_F(HostSearch2DTest, DimensionsAreFoundByTheirLinesAndMacrosByTheirElements)
{
    ILineDimensionPtr d = Sheet.Symbols->GetLineDimensions()->Add();
    d->SetX1(0);
    d->SetY1(0);
    d->SetX2(20);
    d->SetY2(0);
    d->SetOrientation(tvLinDHorizontal);
    d->SetY3(10);
    EXPECT_TRUE(Same(At(10, 10.5), IAPIObjectPtr(d))) << "the dimension line";
    EXPECT_TRUE(Same(At(20.5, 5), IAPIObjectPtr(d))) << "an extension line";
    EXPECT_FALSE(At(10, 5));

    const IMacroObjectPtr macro = Sheet.Drawing->GetMacroObjects()->Add(false);
    Sheet.Drawing = IDrawingContainerPtr(macro);
    const auto inner = drawing_test::Segment(Sheet, 50, 0, 60, 0, tvCSNormal);
    const IDrawingObjectPtr found = At(55, 0.5);
    EXPECT_TRUE(Same(found, IAPIObjectPtr(macro))) << "the macro object as a whole";
    const IMacroObjectPtr asMacro(found);
    ASSERT_TRUE(asMacro);
    EXPECT_TRUE(Same(asMacro->FindElement(55, 0.5, 1.0, {}), IAPIObjectPtr(inner)));
    EXPECT_FALSE(asMacro->FindElement(10, 10, 1.0, {}));
}

// "pick NAME" clicks where the named object is found; an unknown name is reported.
TEST_F(HostSearch2DTest, APickLineClicksAtTheNamedObject)
{
    const auto circle = Circle(30, 0, 5);
    Core(circle).Params().Set("Name", std::wstring(L"отверстие"));
    const IProcessFactoryPtr factory(Application());
    const IProcess2DPtr process = Sheet.Doc->CreateProcess2D(tvProcess2DCursor);
    std::vector<std::string> placements;
    process->GetEvents2D()->AdvisePlacementChanged(L"t", [&](double x, double y, double, bool dynamic) {
        const bool hit = Same(At(x, y), IAPIObjectPtr(circle));
        placements.push_back(std::string(dynamic ? "move" : "click") + (hit ? " hit" : " miss"));
        return true;
    });
    std::ostringstream out;
    tvhost::Script().SetOutput(&out);
    std::string error;
    ASSERT_TRUE(tvhost::Script().Load("pick отверстие\npick нет\n", error)) << error;
    process->Run(true, false);
    EXPECT_EQ(placements, (std::vector<std::string>{"click hit"}));
    EXPECT_EQ(out.str(), "script line 2: no object named \"нет\"\n");
    process->GetEvents2D()->Unadvise(L"t");
}

TEST_F(HostSearch2DTest, TheFrameTellsItsRectangleAndWhereAModelPointShows)
{
    const IDocumentFramePtr frame =
        IProcessFactoryPtr(Application())->GetDocumentFrame(ITervanDocumentPtr(Sheet.Doc));
    auto& host = *dynamic_cast<tvhost::THostFrame*>(frame.Get());
    host.Scale = 2;
    int l = -1, t = -1, r = -1, b = -1;
    ASSERT_TRUE(frame->GetFrameRect(l, t, r, b));
    EXPECT_EQ((std::vector<int>{l, t, r, b}), (std::vector<int>{0, 0, 800, 600}));
    double wx = 0, wy = 0;
    ASSERT_TRUE(frame->ModelToWindow(10, 20, 99, wx, wy));
    EXPECT_EQ(wx, 420.0);
    EXPECT_EQ(wy, 260.0) << "window y runs down";
    frame->RefreshView();
    EXPECT_EQ(host.Repaints(), 1);
}
