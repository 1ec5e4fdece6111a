// Reading the active view of a 2D document into a contour: what the facade drew comes back
// as curves that remember their host objects, arcs keep their turning sense, other curves
// come as polygons, and a layer filter keeps only its layer; a part's sketch is read by name.

#include "drModelerAPI.h"

#include <gtest/gtest.h>

#include <cmath>

#include "Arc.h"
#include "Contour.h"
#include "FacadeFixture.h"
#include "HostDocuments.h"
#include "LineSeg.h"

namespace {

class TReadTest : public TDrawingFacadeFixture {
protected:
    TContour C;
};

} // namespace

TEST_F(TReadTest, SegmentsCirclesAndArcsComeBackWithTheirObjects)
{
    drApi::MA.drLine(0, 0, 10, 0, 3);
    drApi::MA.drCircle(5, 5, 2, 1);
    drApi::MA.drArc(0, 0, 10, 10, 0, 0, 10, 1, 1);  // counter-clockwise quarter
    drApi::MA.drArc(0, 0, 10, 0, 10, 10, 0, -1, 1); // the same, clockwise
    drApi::MA.drText(0, 0, 0, 5, 1, 0, "A");        // no curve
    ASSERT_TRUE(drApi::MA.GetDoc2D(R().IDoc2D, 0, C));
    ASSERT_EQ(C.Count, 4);
    const auto* seg = dynamic_cast<TLineSeg*>(C[0]);
    ASSERT_NE(seg, nullptr);
    EXPECT_EQ(seg->xk, 10.0);
    EXPECT_EQ(seg->Atr, 3);
    EXPECT_EQ(C[0]->Obj, Drawn()[0].Get());
    EXPECT_NE(C[0]->Name2, 0);
    EXPECT_NE(C[0]->Name2, C[1]->Name2);
    EXPECT_EQ(dynamic_cast<TCircle*>(C[1])->Radius, 2.0);
    const auto* ccw = dynamic_cast<TArc*>(C[2]);
    const auto* cw = dynamic_cast<TArc*>(C[3]);
    ASSERT_NE(ccw, nullptr);
    ASSERT_NE(cw, nullptr);
    EXPECT_EQ(ccw->sense, TArc::BackClockWise);
    EXPECT_EQ(cw->sense, TArc::ByClockWise);
    EXPECT_EQ(ccw->Radius, 10.0);
    EXPECT_NEAR(ccw->GetMetricLength(), 10 * M_PI / 2, 1e-9);
}

TEST_F(TReadTest, AnEllipseComesAsAPolygonOfPlainSegments)
{
    drApi::MA.drEllipse(0, 0, 10, 5, 0, 1);
    ASSERT_TRUE(drApi::MA.GetDoc2D(R().IDoc2D, 0, C));
    ASSERT_GE(C.Count, 8);
    for (Integer i = 0; i < C.Count; ++i) {
        SCOPED_TRACE(i);
        const auto* seg = dynamic_cast<TLineSeg*>(C[i]);
        ASSERT_NE(seg, nullptr);
        EXPECT_EQ(seg->Atr, 1);
        EXPECT_EQ(seg->Obj, nullptr);
        EXPECT_EQ(seg->Name2, 0);
        EXPECT_LE(std::hypot(seg->xk - seg->x, seg->yk - seg->y), 1.0); // the host's step
    }
    EXPECT_TRUE(C.IsClosed());
}

TEST_F(TReadTest, ALayerFilterKeepsOnlyItsLayerAndNothingReadableGivesAnEmptyContour)
{
    drApi::MA.drLine(0, 0, 10, 0, 1);
    drApi::MA.drLayer(5); // the host numbers the layer it adds
    drApi::MA.drLine(0, 5, 10, 5, 1);
    const int layer = Obj(1).Layer();
    ASSERT_NE(layer, 0);
    ASSERT_TRUE(drApi::MA.GetDoc2D(R().IDoc2D, layer, C));
    ASSERT_EQ(C.Count, 1);
    EXPECT_EQ(dynamic_cast<TLineSeg*>(C[0])->y, 5.0);
    EXPECT_TRUE(drApi::MA.GetDoc2D(R().IDoc2D, 0, C));
    EXPECT_EQ(C.Count, 2);
    tvapi::ITervanDocument2DPtr none;
    EXPECT_FALSE(drApi::MA.GetDoc2D(none, 0, C));
    EXPECT_EQ(C.Count, 0);
    ASSERT_TRUE(drApi::MA.GetDoc2D(R().IDoc2D, 0, C));
    EXPECT_FALSE(drApi::MA.GetDoc2D(R().IDoc2D, 7, C)); // nothing on layer 7
    EXPECT_EQ(C.Count, 0);
}

// The first sketch of that name is read (case counts), opened only while it is read; another
// name leaves the contour as it was.
TEST_F(TReadTest, SketchOfAPartIsReadByItsNameAndLeftOutOfEditing)
{
    const tvapi::ITervanDocumentPtr partDoc = Open(tvapi::tvDocumentPart);
    tvhost::THostPart& part = tvhost::HostAs<tvhost::THostDocument3D>(partDoc)->TopPart();
    tvhost::THostSketch& first = part.AddSketch(L"Эскиз");
    tvhost::THostSketch& second = part.AddSketch(L"Эскиз");
    const auto drawInto = [&](tvhost::THostSketch& sketch, bool line) {
        const tvapi::ITervanDocument2DPtr doc(sketch.BeginEdit(true));
        R().DrawingContainer = doc->GetViewsAndLayersManager()->GetViews()->GetActiveView();
        line ? drApi::MA.drLine(0, 0, 10, 0, 1) : drApi::MA.drCircle(0, 0, 5, 1);
        EXPECT_TRUE(sketch.EndEdit());
    };
    drawInto(first, true);
    drawInto(second, false);
    R().DrawingContainer.Reset();
    const tvapi::IPartPtr p = tvapi::ITervanDocument3DPtr(partDoc)->GetTopPart();
    Host().Journal().Clear();
    ASSERT_TRUE(drApi::MA.PartGetEskis(p, "Эскиз", 0, C));
    ASSERT_EQ(C.Count, 1);
    EXPECT_NE(dynamic_cast<TLineSeg*>(C[0]), nullptr);
    EXPECT_FALSE(first.Editing());
    EXPECT_FALSE(drApi::MA.PartGetEskis(p, "эскиз", 0, C));
    EXPECT_FALSE(drApi::MA.PartGetEskis(tvapi::IPartPtr(), "Эскиз", 0, C));
    EXPECT_EQ(C.Count, 1);
    std::vector<std::string> ops;
    for (const tvhost::TJournalEntry& e : Host().Journal().Entries())
        if (e.Operation.rfind("ISketch::", 0) == 0) ops.push_back(e.Operation);
    EXPECT_EQ(ops, (std::vector<std::string>{"ISketch::BeginEdit", "ISketch::EndEdit"}));
}
