// The drawing of a stand-in 2D document: its operations are journaled and take injected
// faults.

#include "HostDrawing2D.h"

#include <string>

#include <gtest/gtest.h>

#include "Drawing2DTestUtil.h"
#include "HostFixture.h"

namespace {

using drawing_test::TSheet;

class Drawing2DTest : public HostFixture {};

TEST_F(Drawing2DTest, OperationsAreJournaledAndTakeFaults)
{
    const TSheet s = drawing_test::NewSheet(Host().App().Documents());
    const tvapi::ILineSegmentsPtr segments = s.Drawing->GetLineSegments();
    Journal().Clear();
    InjectFault("ILineSegments::Add");
    EXPECT_FALSE(segments->Add());
    const tvapi::ILineSegmentPtr seg = segments->Add();
    seg->SetX1(2.5);
    InjectFault("ILineSegment::SetY1");
    seg->SetY1(7);
    EXPECT_FALSE(drawing_test::Core(seg).Params().Has("Y1"));
    InjectFault("IDrawingObject::Update", tvhost::fkThrow);
    EXPECT_THROW(seg->Update(), tvhost::TInjectedFault);
    EXPECT_EQ(drawing_test::Core(seg).Updates(), 0);
    const std::vector<std::string> expected{"ILineSegments::Add()", "ILineSegments::Add()",
                                            "ILineSegment::SetX1(2.5)", "ILineSegment::SetY1(7)",
                                            "IDrawingObject::Update()"};
    EXPECT_EQ(Journal().Lines(), expected);

    // The views of a closed document still answer while a library holds them.
    tvapi::IDrawingContainerPtr kept = s.Drawing;
    EXPECT_TRUE(s.Doc->Close(tvapi::kdDoNotSaveChanges));
    EXPECT_TRUE(kept->GetPoints());
}

} // namespace
