// The drawing of a stand-in 2D document: objects know their kind, parent, layer and group
// and keep what they were given in order; views, layers, macro objects and groups nest as
// a host's do; every operation is journaled and takes injected faults.

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

TEST_F(Drawing2DTest, ObjectsKnowKindParentLayerAndGroupAndKeepParametersInOrder) {
    const TSheet s = drawing_test::NewSheet(Documents());
    const tvapi::ILayersPtr layers = s.View->GetLayers();
    EXPECT_FALSE(layers->GetLayer(3));
    const tvapi::ILayerPtr layer = layers->Add();
    ASSERT_EQ(layer->GetNumber(), 1);
    layer->SetCurrent();

    const tvapi::IDrawingGroupPtr group = s.Doc->GetDrawingGroups()->Add(true, L"");
    ASSERT_TRUE(group->Open());
    const tvapi::IArcPtr arc = s.Drawing->GetArcs()->Add();
    arc->SetXc(1);
    arc->SetYc(2);
    arc->SetRadius(5);
    arc->SetDirection(true);
    arc->SetStyle(0);
    EXPECT_TRUE(group->Close());
    const tvapi::ILineSegmentPtr seg = drawing_test::Segment(s, 0, 0, 10, 0, tvapi::tvCSNormal);

    EXPECT_EQ(arc->GetDrawingObjectType(), tvapi::tvDrArc);
    EXPECT_TRUE(arc->GetParent() == s.View);
    EXPECT_EQ(Core(arc).Layer(), 1);
    EXPECT_EQ(Core(arc).Group(), tvhost::HostObjectOf(group.Get())->Id());
    EXPECT_EQ(Core(seg).Group(), 0u);
    EXPECT_TRUE(arc->GetDirection());
    EXPECT_EQ(arc->GetStyle(), 0);
    const std::vector<std::string> order{"Xc", "Yc", "Radius", "Direction", "Style"};
    EXPECT_EQ(Core(arc).Params().Log(), order);
    EXPECT_EQ(s.Drawing->GetObjects(tvapi::tvDrLineSeg).size(), 1u);
    EXPECT_EQ(s.Drawing->GetObjects(tvapi::tvAllObj).size(), 2u);

    EXPECT_TRUE(seg->Delete());
    EXPECT_FALSE(seg->Delete());
    EXPECT_FALSE(seg->Update());
    EXPECT_FALSE(seg->GetParent());
    EXPECT_EQ(s.Drawing->GetObjects(tvapi::tvAllObj).size(), 1u);
}

TEST_F(Drawing2DTest, MacroObjectsNestAndTakeTheirMembers) {
    const TSheet s = drawing_test::NewSheet(Documents());
    const tvapi::IMacroObjectPtr outer = s.Drawing->GetMacroObjects()->Add(true);
    const tvapi::IMacroObjectPtr inner = tvapi::IDrawingContainerPtr(outer)->GetMacroObjects()->Add(true);
    const tvapi::ICirclePtr circle = tvapi::IDrawingContainerPtr(inner)->GetCircles()->Add();
    const tvapi::ICutLinePtr cut = tvapi::ISymbols2DContainerPtr(inner)->GetCutLines()->Add();

    EXPECT_EQ(outer->GetDrawingObjectType(), tvapi::tvDrMacro);
    EXPECT_TRUE(circle->GetParent() == inner);
    EXPECT_TRUE(inner->GetParent() == outer);
    EXPECT_EQ(tvapi::IDrawingContainerPtr(inner)->GetObjects(tvapi::tvAllObj).size(), 2u);
    EXPECT_EQ(s.Drawing->GetObjects(tvapi::tvAllObj).size(), 1u);

    const tvapi::IUserParametersPtr params(outer);
    ASSERT_TRUE(params);
    params->SetUserParams({1, 2, 3});
    EXPECT_EQ(params->GetUserParams(), (std::vector<std::uint8_t>{1, 2, 3}));

    // A deleted macro object takes no more objects; its members stay with it.
    EXPECT_TRUE(inner->Delete());
    EXPECT_FALSE(tvapi::IDrawingContainerPtr(inner)->GetCircles());
    EXPECT_TRUE(circle->GetParent() == inner);
}

TEST_F(Drawing2DTest, ViewsNumberUpwardsAndGroupsCloseInnermostFirst) {
    const TSheet s = drawing_test::NewSheet(Documents());
    EXPECT_EQ(s.View->GetNumber(), 0);
    const tvapi::IViewsPtr views = s.Doc->GetViewsAndLayersManager()->GetViews();
    const tvapi::IViewPtr view = views->Add(tvapi::vt_Normal);
    EXPECT_EQ(view->GetNumber(), 1);
    EXPECT_DOUBLE_EQ(view->GetScale(), 1.0);
    EXPECT_TRUE(views->GetActiveView() == view);
    EXPECT_FALSE(views->Add(tvapi::vtUnknown));
    EXPECT_EQ(views->GetCount(), 2);
    EXPECT_EQ(tvapi::IDrawingObjectPtr(view)->GetDrawingObjectType(), tvapi::tvDrView);

    const tvapi::IDrawingGroupsPtr groups = s.Doc->GetDrawingGroups();
    const tvapi::IDrawingGroupPtr a = groups->Add(false, L"a"), b = groups->Add(true, L"b");
    EXPECT_FALSE(s.Doc->GetOpenGroup());
    EXPECT_TRUE(a->Open());
    EXPECT_FALSE(a->Open());
    EXPECT_TRUE(b->Open());
    EXPECT_TRUE(s.Doc->GetOpenGroup() == b);
    EXPECT_FALSE(a->Close());
    EXPECT_TRUE(b->Close());
    EXPECT_TRUE(s.Doc->GetOpenGroup() == a);
    EXPECT_TRUE(a->Close());

    EXPECT_FALSE(s.Doc->PopLocalPlacement());
    EXPECT_TRUE(s.Doc->PushLocalPlacement(1, 2, 30, 2, 2));
    EXPECT_EQ(tvhost::HostAs<tvhost::THostDocument2D>(s.Doc)->Drawing().Placements().size(), 1u);
    EXPECT_TRUE(s.Doc->PopLocalPlacement());
}

TEST_F(Drawing2DTest, TextsKeepLinesOfItemsWithHeights) {
    const TSheet s = drawing_test::NewSheet(Documents());
    const tvapi::IDrawingTextPtr text = s.Drawing->GetDrawingTexts()->Add();
    const tvapi::ITextPtr lines = text->GetText();
    const tvapi::ITextItemPtr item = lines->Add()->Add();
    tvapi::ITextFontPtr(item)->SetHeight(5);
    item->SetStr(L"Ø20 &02");
    EXPECT_TRUE(item->Update());
    const tvapi::ITextItemPtr second = lines->Add()->Add();
    second->SetStr(L"второй");
    EXPECT_EQ(lines->GetStr(), L"Ø20 &02\nвторой");
    EXPECT_EQ(Core(text).Text("Text").Lines[0].Items[0].Height, 5.0);
    EXPECT_FALSE(lines->GetLine(2));
    lines->SetStr(L"one\ntwo");
    EXPECT_EQ(lines->GetCount(), 2);
    // An item whose line is gone reads as empty and takes nothing.
    lines->SetStr(L"");
    second->SetStr(L"lost");
    EXPECT_EQ(second->GetStr(), L"");
    EXPECT_FALSE(second->Update());
    EXPECT_EQ(lines->GetStr(), L"");
}

TEST_F(Drawing2DTest, OperationsAreJournaledAndTakeFaults) {
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

TEST_F(Drawing2DTest, LeaderBranchesInsertAtTheirIndexAndCutLinesKeepPairs) {
    const TSheet s = drawing_test::NewSheet(Documents());
    const tvapi::ILeaderPtr leader(s.Symbols->GetLeaders()->Add(tvapi::tvDrLeader));
    ASSERT_TRUE(leader);
    EXPECT_TRUE(tvapi::IBaseLeaderPtr(leader));
    const tvapi::IBranchsPtr branches(leader);
    branches->AddBranchByPoint(-1, 1, 1);
    branches->AddBranchByPoint(-1, 3, 3);
    branches->AddBranchByPoint(0, 0, 0);
    branches->AddBranchByPoint(7, 9, 9);
    EXPECT_EQ(branches->GetBranchCount(), 4);
    EXPECT_EQ(Core(leader).Params().Reals("Branches"), (std::vector<double>{0, 0, 1, 1, 3, 3, 9, 9}));
    leader->SetShelfDirection(tvapi::tvLSLeft);
    EXPECT_EQ(leader->GetShelfDirection(), tvapi::tvLSLeft);

    const tvapi::ICutLinePtr cut = s.Symbols->GetCutLines()->Add();
    cut->SetPoints({0, 0, 5, 5, 9});
    EXPECT_EQ(cut->GetPoints(), (std::vector<double>{0, 0, 5, 5}));
    cut->GetText()->SetStr(L"А-А");
    EXPECT_EQ(Core(cut).Text("Designation").Str(), L"А-А");
    EXPECT_FALSE(tvapi::IDrawingContainerPtr(cut));
    EXPECT_FALSE(tvapi::IHatchParamPtr(cut));
}

// Each kind of operation gives its failure result on a fault and changes nothing.
TEST_F(Drawing2DTest, FaultsGiveTheNeutralResultAndChangeNothing) {
    const TSheet s = drawing_test::NewSheet(Documents());
    const tvapi::IViewsPtr views = s.Doc->GetViewsAndLayersManager()->GetViews();
    InjectFault("IViews::Add");
    EXPECT_FALSE(views->Add(tvapi::vt_Normal));
    EXPECT_EQ(views->GetCount(), 1);
    InjectFault("ITervanDocument2D::GetViewsAndLayersManager");
    EXPECT_FALSE(s.Doc->GetViewsAndLayersManager());
    InjectFault("IDrawingContainer::GetArcs");
    EXPECT_FALSE(s.Drawing->GetArcs());

    const tvapi::IDrawingGroupPtr group = s.Doc->GetDrawingGroups()->Add(true, L"");
    InjectFault("IDrawingGroup::Open");
    EXPECT_FALSE(group->Open());
    EXPECT_FALSE(s.Doc->GetOpenGroup());

    const tvapi::ITextPtr text = s.Drawing->GetDrawingTexts()->Add()->GetText();
    InjectFault("IText::Add");
    EXPECT_FALSE(text->Add());
    EXPECT_EQ(text->GetCount(), 0);

    const tvapi::IDimensionTextPtr dim(s.Symbols->GetLineDimensions()->Add());
    InjectFault("IDimensionText::SetDeviations");
    dim->SetDeviations(1, -1);
    EXPECT_EQ(dim->GetUpperDeviation()->GetStr(), L"");
    InjectFault("IDimensionText::GetNominalValue");
    EXPECT_EQ(dim->GetNominalValue(), 0.0);

    const tvapi::IUserDataStoragePtr storage =
        s.Doc->GetUserDataStoragesMng()->GetUserDataStorages({})->OpenStorage(L"S");
    InjectFault("IUserDataStorage::AddData");
    EXPECT_EQ(storage->AddData(L"", tvapi::StorageValue({1}), L"K"), 0);
    InjectFault("IUserDataStorage::AddObjects", tvhost::fkThrow);
    EXPECT_THROW(storage->AddObjects(L"", {}, L"K"), tvhost::TInjectedFault);
    tvapi::StorageValue value;
    EXPECT_FALSE(storage->GetData(L"K", value));
    InjectFault("IApplication::GetAttrTypeMng");
    EXPECT_FALSE(Application()->GetAttrTypeMng(L""));
}

} // namespace

namespace {

template <class... I> std::set<std::string> Ids() {
    static_assert((tvapi::IsInterfaceId(I::IID) && ...));
    static_assert((tvapi::DeclaresOwnId<I>() && ...));
    return {I::IID...};
}

// A shared id would make a query answer with an object of the wrong kind.
TEST(Drawing2DInterfaceTest, IdsAreDistinct) {
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
