// The chain set in a drawing of the stand-in host: the stored item and the marks, reopening
// the drawing file (fresh host objects) with links bound again by their marks, deleted and
// changed dimensions, damaged bytes, and host faults on the way.

#include "TDimensionChains.h"

#include <cstring>
#include <set>

#include <gtest/gtest.h>

#include "ChainSetFixture.h"
#include "FacadeChainHost.h"
#include "HostModelObject.h"
#include "HostSelection.h"

namespace {

template <class T> T At(const std::vector<std::uint8_t>& bytes, std::size_t offset)
{
    T v{};
    std::memcpy(&v, bytes.data() + offset, sizeof v);
    return v;
}

const char* const Gone = "Чертеж изменился! Отсутствуют елементы размерной цепи";

class TDimensionChainsStorageTest : public TChainSetFixture {};

} // namespace

TEST_F(TDimensionChainsStorageTest, ExampleChainIsStoredWithOneNumberedMarkPerObject)
{
    TDimensionChains S;
    Example(S);
    S.SavetoUserStorage();
    const std::vector<std::uint8_t> bytes = Stored();
    // The chain, then the closing dimension's own texts behind their tag: "OWNT", a flag and
    // two empty texts.
    ASSERT_EQ(bytes.size(), 1636u + 4 + 1 + 5 + 5);
    EXPECT_EQ(At<std::int32_t>(bytes, 1636), 0x544E574F);
    EXPECT_EQ(At<std::int32_t>(bytes, 300), tvapi::tvDrLDimension); // link 0
    EXPECT_EQ(At<double>(bytes, 341), 40.0);
    EXPECT_EQ(At<std::int32_t>(bytes, 349), 0); // its tolerance text is empty
    EXPECT_EQ(At<double>(bytes, 256), S.AttrType);
    ASSERT_NE(S.AttrType, 0.0);

    const auto marks = Marks(S.AttrType);
    ASSERT_EQ(marks.size(), 3u);
    std::set<std::wstring> numbers;
    for (int i = 0; i < 3; ++i) {
        const TDimension& L = S.DimChains[0].Dimensions[i];
        EXPECT_TRUE(marks[i].first == L.Obj);
        EXPECT_EQ(marks[i].second, std::to_wstring(L.refObject));
        numbers.insert(marks[i].second);
    }
    EXPECT_EQ(numbers.size(), 3u);

    // Saving again renews the marks: the same numbers, one mark per object, the same bytes.
    S.SavetoUserStorage();
    EXPECT_EQ(Marks(S.AttrType), marks);
    EXPECT_EQ(Stored(), bytes);
}

TEST_F(TDimensionChainsStorageTest, AnObjectKeepsItsNumberWhereverItIsLinked)
{
    TDimensionChains S;
    Example(S);
    S.AttrType = drApi::MA.drCreateAttrStr(0.0);
    drApi::MA.drSetObjectAttr(tvapi::ITervanAPIObjectPtr(B), S.AttrType, TString("17"));
    // A second chain links A again, with a dimension of its own.
    S.DimChains.Resize(2);
    ASSERT_TRUE(S.DimChains[1].Add(A, {}, FacadeChainHost()));
    ASSERT_TRUE(S.DimChains[1].Add(Linear(0, 5, 40, 5), {}, FacadeChainHost()));
    S.SavetoUserStorage();
    const TArrayOf<TDimension>& first = S.DimChains[0].Dimensions;
    const TArrayOf<TDimension>& second = S.DimChains[1].Dimensions;
    EXPECT_EQ(first[1].refObject, 17);
    EXPECT_EQ(second[0].refObject, first[0].refObject);
    // New numbers go past the highest one in sight.
    EXPECT_GT(first[0].refObject, 17);
    EXPECT_GT(first[2].refObject, 17);
    EXPECT_EQ(Marks(S.AttrType).size(), 4u);
}

// Each link's dimension and auxiliary object are bound, each by its own number.
TEST_F(TDimensionChainsStorageTest, ReopenedDrawingBindsEveryLinkAndReportsNoChange)
{
    {
        TDimensionChains S;
        Example(S);
        ASSERT_TRUE(S.DimChains[0].Add(A, Segment(0, -5, 40, -5), FacadeChainHost()));
        S.SavetoUserStorage();
    }
    Reopen();
    TDimensionChains T;
    T.LoadfromUserStorage();
    ASSERT_EQ(T.DimChains.Count, 1);
    const TDimensionChain& chain = T.DimChains[0];
    ASSERT_EQ(chain.Count(), 3);
    ASSERT_EQ(Dims.size(), 4u);
    for (int i = 0; i < 3; ++i)
        EXPECT_TRUE(chain.Dimensions[i].Obj == Dims[i]) << i;
    EXPECT_TRUE(chain.Dimensions[0].AuxObj == Dims[3]);
    EXPECT_TRUE(chain.Closed);
    EXPECT_TRUE(Boxes().empty());
    EXPECT_EQ(Writes(), 0u);
}

// A link goes with its own dimension only: a lost auxiliary object leaves it in the chain.
TEST_F(TDimensionChainsStorageTest, DeletedDimensionRemovesItsLinkOnceAndTheChainOpens)
{
    tvapi::IDrawingObjectPtr segment;
    {
        TDimensionChains S;
        Example(S);
        segment = Segment(0, -5, 40, -5);
        ASSERT_TRUE(S.DimChains[0].Add(A, segment, FacadeChainHost()));
        ASSERT_TRUE(S.DimChains[0].Dimensions[0].AuxObj == segment);
        S.SavetoUserStorage();
        B->Delete();
        segment->Delete();
        segment.Reset();
    }
    Reopen();
    ASSERT_EQ(Dims.size(), 2u);
    TDimensionChains T;
    T.LoadfromUserStorage();
    EXPECT_EQ(Boxes(), std::vector<std::string>{Gone});
    const TDimensionChain& chain = T.DimChains[0];
    ASSERT_EQ(chain.Count(), 2);
    EXPECT_TRUE(chain.Dimensions[0].Obj == Dims[0]);
    EXPECT_FALSE(chain.Dimensions[0].AuxObj);
    EXPECT_TRUE(chain.Dimensions[1].Obj == Dims[1]);
    EXPECT_FALSE(chain.Closed); // 40 and 30 close no more: no stale closing mark
    EXPECT_EQ(Writes(), 0u);
}

// Parts 10, 20 and 10 picked into a loop closed by 40; the 40 deleted. The parts alone close by
// their nominals (10 - 20 + 10 = 0) but make no loop in the drawing: the chain reopens open and
// a new overall dimension closes it.
TEST_F(TDimensionChainsStorageTest, ChainThatLostItsClosingDimensionReopensOpenAndTakesANewPick)
{
    {
        TDimensionChains S;
        for (const auto& [x1, x2] : {std::pair{0, 10}, {10, 30}, {30, 40}, {0, 40}})
            ASSERT_TRUE(S.DimChains[0].Add(Linear(x1, 0, x2, 0, 0.1, -0.1), {}, FacadeChainHost()));
        ASSERT_TRUE(S.DimChains[0].Closed);
        S.SavetoUserStorage();
        Drawing().ActiveView().Children().back()->Delete();
    }
    Reopen();
    TDimensionChains T;
    T.LoadfromUserStorage();
    ASSERT_EQ(T.DimChains[0].Count(), 3);
    EXPECT_FALSE(T.DimChains[0].Closed);
    const TAdded added = T.DimChains[0].Add(Linear(0, 0, 40, 0), {}, FacadeChainHost());
    ASSERT_TRUE(added.Closing);
    EXPECT_NEAR(added.Closing->QHigh, 0.3, 1e-12);
}

TEST_F(TDimensionChainsStorageTest, ChangedDeviationIsSelectedToldAndStoredOnce)
{
    {
        TDimensionChains S;
        Example(S);
        S.SavetoUserStorage();
    }
    Reopen();
    tvapi::IDimensionTextPtr(Dims.at(1))->SetDeviations(0.2, 0.0);
    Dims[1]->Update();
    tvapi::IDimensionTextPtr(Dims.at(0))->SetDeviations(0.3, -0.1);
    Dims[0]->Update();
    Journal().Clear();
    TDimensionChains T;
    T.LoadfromUserStorage();
    EXPECT_EQ(Boxes(), (std::vector<std::string>{"Изменился размер ", "Изменился размер "}));
    EXPECT_EQ(Journal().Calls("ISelectionManager::UnSelectAll").size(), 1u);
    const tvapi::TervanAPIObjectList selected = drApi::Selector->Selection7->GetSelectedObjects();
    ASSERT_EQ(selected.size(), 2u);
    EXPECT_TRUE(selected[0] == Dims[0]);
    EXPECT_TRUE(selected[1] == Dims[1]);
    EXPECT_EQ(Writes(), 1u);
    TDimensionChains U;
    ASSERT_TRUE(U.from(Stored()));
    EXPECT_DOUBLE_EQ(U.DimChains[0].Dimensions[1].QHigh, 0.2);
    EXPECT_DOUBLE_EQ(U.DimChains[0].Dimensions[0].QLow, -0.1);
}

TEST_F(TDimensionChainsStorageTest, DamagedBytesLeaveTheFreshSetAndStoreNothing)
{
    TDimensionChains S;
    Example(S);
    S.SavetoUserStorage();
    std::vector<std::uint8_t> bytes = Stored();
    bytes.resize(1000); // cut inside link 1
    ASSERT_TRUE(drApi::MA.drSetUserData(R().IDoc, TString("DimChains"), bytes, false, {}));
    Journal().Clear();
    TDimensionChains T;
    T.LoadfromUserStorage();
    EXPECT_EQ(T.DimChains.Count, 1);
    EXPECT_EQ(T.DimChains[0].Count(), 0);
    EXPECT_EQ(Writes(), 0u);
    EXPECT_EQ(Boxes(), (std::vector<std::string>{"Сохраненные размерные цепи повреждены и не прочитаны"}));
    EXPECT_TRUE(T.StoredDamaged);
    EXPECT_EQ(Stored(), bytes);
}

// A host that throws while storing is the caller's to handle; one that throws while reading
// is a document without chains.
TEST_F(TDimensionChainsStorageTest, HostThrowsPassOnWriteAndAreSwallowedOnRead)
{
    TDimensionChains S;
    Example(S);
    InjectFault("IUserDataStorage::SetData", tvhost::fkThrow);
    EXPECT_THROW(S.SavetoUserStorage(), tvhost::TInjectedFault);
    S.SavetoUserStorage();
    InjectFault("IUserDataStorage::GetData", tvhost::fkThrow);
    TDimensionChains T;
    EXPECT_NO_THROW(T.LoadfromUserStorage());
    EXPECT_EQ(T.DimChains[0].Count(), 0);
    T.LoadfromUserStorage();
    EXPECT_EQ(T.DimChains[0].Count(), 3);
}

// A model set keeps its model objects in a list of one entry per link and marks nothing.
TEST_F(TDimensionChainsStorageTest, ModelSetStoresItsObjectListAndNoMarks)
{
    TDimensionChains S;
    S.DimChains.Resize(2);
    TDimension& model = S.DimChains[0].Dimensions.Add();
    model.TMO = static_cast<tvapi::tvObj3dTypeEnum>(1);
    model.V3 = TVector3D(0.0, 0.0, 5.0);
    ASSERT_TRUE(S.DimChains[1].Add(Linear(0, 0, 10, 0), {}, FacadeChainHost()));
    ASSERT_TRUE(S.Is3D());
    S.SavetoUserStorage();
    EXPECT_EQ(S.AttrType, 0.0);
    EXPECT_TRUE(R().IDoc->GetAttributes(0, 0, 0, 0, 0, {}).empty());
    const tvhost::TUserDataItem* list =
        Core(R().IDoc).Data().UserData.Document().Find(L"ZelMould")->Find(L"DimChains_MO");
    ASSERT_TRUE(list);
    EXPECT_EQ(list->Objects.size(), 2u);

    std::vector<tvapi::ITervanAPIObjectPtr> entries;
    S.MOto(entries);
    ASSERT_EQ(entries.size(), 2u);
    const tvapi::IModelObjectPtr edge(
        tvhost::New<tvhost::THostModelObject>(static_cast<tvapi::tvObj3dTypeEnum>(1)));
    const tvapi::ITervanAPIObjectPtr entry(edge);
    const tvapi::ITervanAPIObjectPtr line(Linear(0, 5, 10, 5));
    S.MOfrom({entry}); // one entry short: ignored
    EXPECT_FALSE(S.DimChains[0].Dimensions[0].MO);
    S.MOfrom({entry, line});
    EXPECT_TRUE(S.DimChains[0].Dimensions[0].MO == edge);
    EXPECT_FALSE(S.DimChains[1].Dimensions[0].MO); // a drawing object is no model object
}

// Two chains close on C: the example's (+0.1/-0.15) and D 0..40 +-0.2 less E 30..40 +-0.1
// (+-0.3). C shows the first chain's figures; whichever stops closing on it first, C shows
// those of the one left, and once both stopped, its own texts again.
class TSharedOwnTextsTest : public TChainSetFixture, public testing::WithParamInterface<bool> {};

TEST_P(TSharedOwnTextsTest, GetsItsOwnTextsBackWhicheverChainStopsFirst)
{
    TDimensionChains S;
    Example(S);
    S.DimChains.Resize(2);
    for (const tvapi::IDrawingObjectPtr& d :
         {Linear(0, 0, 40, 0, 0.2, -0.2), Linear(30, 0, 40, 0, 0.1, -0.1), C})
        ASSERT_TRUE(S.DimChains[1].Add(d, {}, FacadeChainHost()));
    TWrittenDeviations written;
    TFigureChange both;
    both.Chains = {1, 0};
    both.Written = &written;
    FollowFigures(S.DimChains, FacadeChainHost(), both);
    ASSERT_EQ(Upper(C) + Lower(C), L"  0,100 -0,150");
    const int first = GetParam() ? 1 : 0;
    for (const int k : {first, 1 - first}) {
        S.DimChains[k].Remove(C, FacadeChainHost());
        TFigureChange gone;
        gone.Written = &written;
        gone.Released.push_back({{C, {}}, S.DimChains[k].TakeOwnTexts()});
        FollowFigures(S.DimChains, FacadeChainHost(), gone);
        EXPECT_EQ(Upper(C) + Lower(C), k == first ? (k == 0 ? L"  0,300 -0,300" : L"  0,100 -0,150") : L"");
    }
}

INSTANTIATE_TEST_SUITE_P(Orders, TSharedOwnTextsTest, testing::Bool(),
                         [](const testing::TestParamInfo<bool>& p) {
                             return std::string(p.param ? "LaterChainFirst" : "EarlierChainFirst");
                         });
