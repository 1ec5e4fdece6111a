// The chain set in a drawing of the stand-in host: the stored item and the marks, reopening
// the drawing file (fresh host objects) with links bound again by their marks, deleted and
// changed dimensions, damaged bytes, and host faults on the way.

#include "TDimensionChains.h"

#include <algorithm>
#include <cstring>
#include <map>
#include <set>
#include <string>
#include <tuple>
#include <utility>

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
    EXPECT_NEAR(T.DimChains[0].TakeCalculation()->QHigh, 0.3, 1e-12);
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

// A checked flag stored for a drawing chain (only an assembly's chains are checked) is not
// taken: the chain follows its changed link B (+0.2/0) to C +0.1/-0.3 as any other.
struct TCheckedFlagCase {
    const char* Name;
    std::int32_t Flag; // -1: no flags stored
};
void PrintTo(const TCheckedFlagCase& c, std::ostream* os)
{
    *os << c.Name;
}
class TDrawingCheckedFlagTest : public TChainSetFixture,
                                public testing::WithParamInterface<TCheckedFlagCase> {};
TEST_P(TDrawingCheckedFlagTest, LeavesTheChainCalculated)
{
    {
        TDimensionChains S;
        Example(S);
        S.SavetoUserStorage();
    }
    std::vector<std::uint8_t> bytes = Stored();
    if (GetParam().Flag >= 0)
        for (const std::int32_t v : {0x444B4843, GetParam().Flag}) // "CHKD", a flag per chain
            bytes.insert(bytes.end(), reinterpret_cast<const std::uint8_t*>(&v),
                         reinterpret_cast<const std::uint8_t*>(&v) + sizeof v);
    ASSERT_TRUE(drApi::MA.drSetUserData(R().IDoc, TString("DimChains"), bytes, false, {}));
    Reopen();
    tvapi::IDimensionTextPtr(Dims.at(1))->SetDeviations(0.2, 0.0);
    Dims[1]->Update();
    TDimensionChains T;
    T.LoadfromUserStorage();
    ASSERT_FALSE(T.StoredDamaged);
    TDimensionChains U;
    ASSERT_TRUE(U.from(Stored()));
    for (const TDimensionChains* set : {&T, &U}) {
        const TDimensionChain& chain = set->DimChains[0];
        EXPECT_FALSE(chain.Checked);
        EXPECT_NEAR(chain.Dimensions[2].QHigh, 0.1, 1e-12);
        EXPECT_NEAR(chain.Dimensions[2].QLow, -0.3, 1e-12);
    }
}

INSTANTIATE_TEST_SUITE_P(Flags, TDrawingCheckedFlagTest,
                         testing::Values(TCheckedFlagCase{"None", -1}, TCheckedFlagCase{"Unchecked", 0},
                                         TCheckedFlagCase{"Checked", 1}),
                         [](const testing::TestParamInfo<TCheckedFlagCase>& p) {
                             return std::string(p.param.Name);
                         });

// How a link was derived and projected is stored behind its tag, "LINK", a derivation and a
// projection kind per link, only when a link has either; it is read back, and a value out of
// range is damage. The numbers of the objects laid beside a link's own, the projection's and
// the angle's, follow behind "LAID", a pair per link, only when a link has either.
struct TLinkRecordCase {
    const char* Name;
    Integer Number;
    TProjectionKind Projection;
    Reference Direction = 0, Angle = 0;
};
void PrintTo(const TLinkRecordCase& c, std::ostream* os)
{
    *os << c.Name;
}
class TLinkRecordStreamTest : public testing::TestWithParam<TLinkRecordCase> {};
TEST_P(TLinkRecordStreamTest, IsStoredOnlyWhenKeptAndReadBack)
{
    const TLinkRecordCase& c = GetParam();
    TDimensionChains S, Plain;
    for (TDimensionChains* set : {&S, &Plain}) {
        TDimension link;
        link.Type = tvapi::tvDrLDimension;
        set->DimChains[0].Dimensions.Add(link);
        set->DimChains[0].Dimensions.Add(link);
    }
    TDimension& second = S.DimChains[0].Dimensions[1];
    second.Number = c.Number;
    second.Projection = c.Projection;
    second.refProjectionObj = c.Direction;
    second.refAngleAuxObj = c.Angle;
    std::vector<Byte> bytes, plain;
    S.to(bytes);
    Plain.to(plain);
    const bool kept = c.Number != 0 || c.Projection != TProjectionKind::Unknown;
    const std::size_t record = kept ? 4 + 2 * 8 : 0;
    const bool laid = c.Direction != 0 || c.Angle != 0;
    ASSERT_EQ(bytes.size(), plain.size() + record + (laid ? 4 + 2 * 8 : 0));
    if (kept) {
        EXPECT_EQ(At<std::int32_t>(bytes, plain.size()), 0x4B4E494C);
        EXPECT_EQ(At<std::int32_t>(bytes, plain.size() + 12), c.Number);
        EXPECT_EQ(At<std::int32_t>(bytes, plain.size() + 16), static_cast<std::int32_t>(c.Projection));
    }
    if (laid) {
        EXPECT_EQ(At<std::int32_t>(bytes, plain.size() + record), 0x4449414C);
        EXPECT_EQ(At<std::int64_t>(bytes, plain.size() + record + 4), 0);
        EXPECT_EQ(At<std::int32_t>(bytes, plain.size() + record + 12), c.Direction);
        EXPECT_EQ(At<std::int32_t>(bytes, plain.size() + record + 16), c.Angle);
    }
    TDimensionChains T;
    ASSERT_TRUE(T.from(bytes));
    EXPECT_EQ(T.DimChains[0].Dimensions[0].Number, 0);
    EXPECT_EQ(T.DimChains[0].Dimensions[0].Projection, TProjectionKind::Unknown);
    EXPECT_EQ(T.DimChains[0].Dimensions[1].Number, c.Number);
    EXPECT_EQ(T.DimChains[0].Dimensions[1].Projection, c.Projection);
    EXPECT_EQ(T.DimChains[0].Dimensions[1].refProjectionObj, c.Direction);
    EXPECT_EQ(T.DimChains[0].Dimensions[1].refAngleAuxObj, c.Angle);
    if (!kept) return;
    for (const auto& [at, bad] : {std::pair{12, 4}, {12, -1}, {16, 3}}) {
        std::vector<Byte> damaged = bytes;
        std::memcpy(damaged.data() + plain.size() + at, &bad, sizeof bad);
        TDimensionChains D;
        EXPECT_FALSE(D.from(damaged)) << at << " " << bad;
    }
}

INSTANTIATE_TEST_SUITE_P(
    Links, TLinkRecordStreamTest,
    testing::Values(TLinkRecordCase{"NothingKept", 0, TProjectionKind::Unknown},
                    TLinkRecordCase{"ProjectedOnASegment", 0, TProjectionKind::Segment},
                    TLinkRecordCase{"ProjectedOnADimension", 0, TProjectionKind::Dimension},
                    TLinkRecordCase{"DiameterOfARadius", 3, TProjectionKind::Unknown},
                    TLinkRecordCase{"ProjectedOnABoundSegment", 0, TProjectionKind::Segment, 7},
                    TLinkRecordCase{"RadiusGivenABoundAngle", 0, TProjectionKind::Unknown, 0, 9}),
    [](const testing::TestParamInfo<TLinkRecordCase>& p) { return std::string(p.param.Name); });

// Own texts with items and heights of their own keep them behind "OWNF", after "OWNT": for each
// text its lines, each line's items, each item's string and height; own texts without any (an
// older set's) write no such section and read back as they were. A form other than its text
// is damage.
TEST(TOwnFormStreamTest, IsStoredOnlyForTextsWithItemsOrHeightsAndReadBack)
{
    TDimensionChains S, Plain;
    const TDeviationTexts texts{L"+0,2 x", L"-0,1", {{{L"+0,2", 2.5}, {L" x", 1.0}}}, {{{L"-0,1", 5.0}}}};
    for (TDimensionChains* set : {&S, &Plain}) {
        TDimension link;
        link.Type = tvapi::tvDrLDimension;
        set->DimChains[0].Dimensions.Add(link);
        set->DimChains[0].Dimensions.Add(link);
        set->DimChains[0].OwnTexts = TDeviationTexts{texts.Upper, texts.Lower};
    }
    S.DimChains[0].OwnTexts = texts;
    std::vector<Byte> bytes, plain;
    S.to(bytes);
    Plain.to(plain);
    const std::size_t at = plain.size(), lower = at + 4 + 8 + (9 + 8) + (7 + 8);
    ASSERT_EQ(bytes.size(), lower + 8 + 9 + 8);
    EXPECT_EQ(At<std::int32_t>(bytes, at), 0x464E574F);
    EXPECT_EQ(At<std::int32_t>(bytes, at + 4), 1);
    EXPECT_EQ(At<std::int32_t>(bytes, at + 8), 2);
    EXPECT_EQ(At<std::int32_t>(bytes, at + 12), 4); // "+0,2"
    EXPECT_EQ(At<double>(bytes, at + 21), 2.5);
    EXPECT_EQ(At<double>(bytes, at + 36), 1.0);
    EXPECT_EQ(At<std::int32_t>(bytes, lower), 1);
    EXPECT_EQ(At<std::int32_t>(bytes, lower + 4), 1);
    EXPECT_EQ(At<double>(bytes, lower + 17), 5.0);
    TDimensionChains T, Older;
    ASSERT_TRUE(T.from(bytes));
    EXPECT_TRUE(T.DimChains[0].OwnTexts == texts);
    ASSERT_TRUE(Older.from(plain));
    EXPECT_TRUE(Older.DimChains[0].OwnTexts == Plain.DimChains[0].OwnTexts);
    bytes[at + 16] = '-'; // "-0,2" no longer the text kept
    EXPECT_FALSE(TDimensionChains().from(bytes));
    // An own text holding a U+0000 is none the host gives back whole, nor any the writer writes.
    const std::string upper = "+0,2 x";
    const auto own = std::search(plain.begin(), plain.end(), upper.begin(), upper.end());
    ASSERT_NE(own, plain.end());
    own[1] = 0;
    EXPECT_FALSE(TDimensionChains().from(plain));
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

namespace {

// A change made while the drawing was closed, and what the dimensions named by the place they
// stand at (y, right end) show after the opening - or, cancelled, what they showed before it.
struct TClosedCase {
    const char* Name;
    bool ThreeChains; // else the example chain
    bool Reversed;    // the three chains stored last to first
    std::vector<std::pair<double, double>> Deleted;
    bool Slid, Stretched, Cancelled;
    std::vector<std::tuple<double, double, const wchar_t*>> Shows;
};

void PrintTo(const TClosedCase& c, std::ostream* os)
{
    *os << c.Name;
}

class TOpenedAfterChangeTest : public TChainSetFixture, public testing::WithParamInterface<TClosedCase> {
protected:
    // A chain of Links, its closing one last, added as the set's last chain and followed.
    void Chain(TDimensionChains& S, const std::vector<tvapi::IDrawingObjectPtr>& Links)
    {
        TDimensionChain& chain =
            S.DimChains[S.DimChains.Count - 1].Count() ? S.DimChains.Add() : S.DimChains[0];
        for (const tvapi::IDrawingObjectPtr& d : Links)
            ASSERT_TRUE(chain.Add(d, {}, FacadeChainHost()));
        ASSERT_TRUE(chain.Closed);
        TFigureChange closed;
        closed.Chains = {S.DimChains.Count - 1};
        closed.Written = &Kept;
        FollowFigures(S.DimChains, FacadeChainHost(), closed);
    }
    tvapi::IDrawingObjectPtr At(double y, double x2)
    {
        for (const tvapi::IDrawingObjectPtr& d : Drawing().ActiveView().Children())
            if (const tvapi::ILineDimensionPtr l(d); l && l->GetY1() == y && l->GetX2() == x2) return d;
        return {};
    }
    std::wstring Texts(double y, double x2)
    {
        const tvapi::IDrawingObjectPtr d = At(y, x2);
        return d ? Upper(d) + L"|" + Lower(d) : L"none";
    }
};

TEST_P(TOpenedAfterChangeTest, OpeningShowsEachDimensionAsTheChainsNowGiveIt)
{
    const TClosedCase& t = GetParam();
    std::map<std::pair<double, double>, std::wstring> before;
    {
        TDimensionChains S;
        if (!t.ThreeChains) {
            Example(S);
        } else {
            // E0 10 +-0.1, E1 10 +0.05/0 -> P 20; E2 10 +0.02/-0.03, P -> Q 30; P, E2 -> R 30.
            const auto e0 = Linear(0, 0, 10, 0, 0.1, -0.1), e1 = Linear(10, 1, 20, 1, 0.05, 0),
                       p = Linear(0, 2, 20, 2), e2 = Linear(20, 3, 30, 3, 0.02, -0.03);
            Chain(S, {e0, e1, p});
            Chain(S, {e2, p, Linear(0, 4, 30, 4)});
            Chain(S, {p, e2, Linear(0, 5, 30, 5)});
            if (t.Reversed) std::swap(S.DimChains[0], S.DimChains[2]);
        }
        S.SavetoUserStorage();
        Kept.Forget();
        for (const auto& [y, x2, texts] : t.Shows)
            before[std::make_pair(y, x2)] = Texts(y, x2);
        for (const auto& [y, x2] : t.Deleted)
            At(y, x2)->Delete();
        if (t.Slid || t.Stretched) {
            const tvapi::ILineDimensionPtr b(B);
            b->SetX1(31);
            if (t.Slid) b->SetX2(41);
            B->Update();
        }
    }
    Reopen();
    TDimensionChains T;
    TWrittenDeviations written;
    T.LoadfromUserStorage(&written);
    if (t.Cancelled) written.RestoreAll(FacadeChainHost());
    for (const auto& [y, x2, texts] : t.Shows)
        EXPECT_EQ(Texts(y, x2), t.Cancelled ? before[std::make_pair(y, x2)] : std::wstring(texts)) << y;
    if (t.Cancelled) return;
    // Stored as opened: the next opening finds nothing changed and shows the same.
    T.SavetoUserStorage();
    written.Forget();
    Reopen();
    Journal().Clear();
    TDimensionChains U;
    U.LoadfromUserStorage(&written);
    EXPECT_EQ(Boxes(), std::vector<std::string>{});
    for (const auto& [y, x2, texts] : t.Shows)
        EXPECT_EQ(Texts(y, x2), std::wstring(texts)) << y;
}

const std::vector<std::tuple<double, double, const wchar_t*>> EAndQGone = {{2, 20, L"|"},
                                                                           {5, 30, L"  0,020| -0,030"}};

INSTANTIATE_TEST_SUITE_P(
    Changes, TOpenedAfterChangeTest,
    testing::Values(
        // B 31..40: A and B no longer close on C, which reads its own texts.
        TClosedCase{"LinkStretched", false, false, {}, false, true, false, {{0, 30, L"|"}}},
        // B 31..41, its length kept: its ends meet no other link.
        TClosedCase{"LinkSlidAlongItsLine", false, false, {}, true, false, false, {{0, 30, L"|"}}},
        TClosedCase{"ClosingOfACountedChainLost",
                    true,
                    false,
                    {{0, 10}},
                    false,
                    false,
                    false,
                    {{2, 20, L"|"}, {4, 30, L"  0,020| -0,030"}, {5, 30, L"  0,020| -0,030"}}},
        TClosedCase{"TwoChainsLost", true, false, {{0, 10}, {4, 30}}, false, false, false, EAndQGone},
        TClosedCase{
            "TwoChainsLostStoredLastToFirst", true, true, {{0, 10}, {4, 30}}, false, false, false, EAndQGone},
        TClosedCase{"ClosingOfACountedChainLostThenCancelled",
                    true,
                    false,
                    {{0, 10}},
                    false,
                    false,
                    true,
                    {{2, 20, L""}, {4, 30, L""}, {5, 30, L""}}}),
    [](const testing::TestParamInfo<TClosedCase>& p) { return std::string(p.param.Name); });

} // namespace
