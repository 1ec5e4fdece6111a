// The drawing of a stand-in 2D document: its operations are journaled and take injected
// faults, and the interfaces of the 2D area have distinct ids.

#include "HostDrawing2D.h"

#include <set>
#include <string>

#include <gtest/gtest.h>

#include "Drawing2DTestUtil.h"
#include "HostFixture.h"
#include "tvapi/ParametricConstraint.h"

namespace {

using drawing_test::Core;
using drawing_test::TSheet;

class Drawing2DTest : public HostFixture {
protected:
    tvhost::THostDocuments& Documents() { return Host().App().Documents(); }
};

TEST_F(Drawing2DTest, OperationsAreJournaledAndTakeFaults)
{
    const TSheet s = drawing_test::NewSheet(Documents());
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

namespace {

template <class... I> std::set<std::string> Ids()
{
    static_assert((tvapi::IsInterfaceId(I::IID) && ...));
    static_assert((tvapi::DeclaresOwnId<I>() && ...));
    return {I::IID...};
}

// A shared id would make a query answer with an object of the wrong kind.
TEST(Drawing2DInterfaceTest, IdsAreDistinct)
{
    using namespace tvapi;
    const std::set<std::string> ids =
        Ids<IDrawingObject, IDrawingGroup, IDrawingObject1, IParametricConstraint, IView, IDrawingContainer,
            ISymbols2DContainer, IMacroObject, IBaseLeader, ILeader, ICutLine, ITolerance, IHatch, IColouring,
            IBoundariesObject, IStamp, IText, ITechnicalDemand, ITextItem, ITextFont, ITextLine, ILineSegment,
            ICircle, IArc, IEllipse, IDrawingText, IPoint, IHatchParam, IBranchs, IUserParameters, ILayer,
            ILayers, IViews, IViewsAndLayersManager, IDrawingGroups, ILineSegments, IArcs, ICircles,
            IEllipses, IDrawingTexts, IHatches, IPoints, IColourings, IMacroObjects, ICutLines, ILeaders,
            IDimensionText, IDimensionParams, ILineDimension, IDiametralDimension, IRadialDimension,
            IAngleDimension, ILineDimensions, IDiametralDimensions, IRadialDimensions, IAngleDimensions,
            IAttributeType, IAttrTypeMng, IAttribute, IUserDataStorage, IUserDataStorages,
            IUserDataStoragesMng, ITervanDocument, ITervanDocument2D>();
    EXPECT_EQ(ids.size(), 64u);
}

} // namespace
