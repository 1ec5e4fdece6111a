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

// Emptying a group deletes its objects, or only lets them go; other objects stay.
TEST_F(Drawing2DTest, ClearingAGroupDeletesOrReleasesItsObjects)
{
    const drawing_test::TSheet Sheet = drawing_test::NewSheet(Host().App().Documents());
    const tvapi::IDrawingGroupPtr group = Sheet.Doc->GetDrawingGroups()->Add(true, L"");
    const auto outside = drawing_test::Segment(Sheet, 0, 0, 1, 0, tvapi::tvCSNormal);
    ASSERT_TRUE(group->Open());
    const auto kept = drawing_test::Segment(Sheet, 0, 5, 1, 5, tvapi::tvCSNormal);
    ASSERT_TRUE(group->Close());
    auto& host = *dynamic_cast<tvhost::THostDrawingGroup*>(group.Get());
    ASSERT_EQ(host.Members().size(), 1u);
    EXPECT_TRUE(group->Clear(false));
    EXPECT_TRUE(host.Members().empty());
    EXPECT_FALSE(drawing_test::Core(kept).IsDeleted()) << "released, not deleted";
    ASSERT_TRUE(group->Open());
    const auto drawn = drawing_test::Segment(Sheet, 0, 9, 1, 9, tvapi::tvCSNormal);
    ASSERT_TRUE(group->Close());
    EXPECT_TRUE(group->Clear(true));
    EXPECT_TRUE(drawing_test::Core(drawn).IsDeleted());
    EXPECT_FALSE(drawing_test::Core(outside).IsDeleted());
    EXPECT_FALSE(drawing_test::Core(kept).IsDeleted());
}
