// The sample assembly's stored chain (plate, bushing, shaft's length) damaged while the
// assembly is closed: one of fewer than two links, or with a figure that is no number, is told
// once and shown open, and after OK the next opening is quiet. One whose signs do not close its
// loop takes the walk's signs quietly: it stays closed, calculates as stored and OK stores them.

#include "pmDimensionChain3D.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <functional>
#include <limits>
#include <optional>
#include <string>
#include <tuple>
#include <vector>

#include "Panel3DFixture.h"
#include "drModelerAPI.h"

namespace {

struct TModelDamage {
    const char* Name;
    int Keep;                         // links of the stored chain kept, from its first
    bool NaN;                         // its first link's additional upper deviation stored as NaN
    const char* Told;                 // none: the chain opens quietly, closed, with its right figures
    std::optional<Integer> Mask = {}; // its signs stored as this
};
void PrintTo(const TModelDamage& d, std::ostream* os)
{
    *os << d.Name;
}

class TModelStoredDamageTest : public TpmDimensionChain3DStoredTest,
                               public testing::WithParamInterface<TModelDamage> {
protected:
    // The stored set and its model-object list rewritten: chain 1 cut to Keep links, or given a NaN.
    void Damage()
    {
        const TModelDamage& d = GetParam();
        RewriteStored([&](TDimensionChains& set, std::vector<tvapi::ITervanAPIObjectPtr>& objects) {
            TDimensionChain& chain = set.DimChains[1];
            const std::size_t before = static_cast<std::size_t>(set.DimChains[0].Count());
            while (chain.Count() > d.Keep) {
                chain.Dimensions.Delete(chain.Count() - 1);
                objects.erase(objects.begin() + static_cast<long>(before) + chain.Count());
            }
            if (d.NaN) chain.Dimensions[0].EQHigh = std::numeric_limits<double>::quiet_NaN();
            if (!d.Told) Right = Signs(set); // a chain kept whole: its right signs and figures
            if (d.Mask) chain.StateClosed = *d.Mask;
        });
    }
    // Chain 1's signs and its closing link's figures, as the stored set holds them.
    static std::tuple<Integer, Real, Real> Signs(TDimensionChains& Set)
    {
        const TDimensionChain& chain = Set.DimChains[1];
        const TDimension& closing = chain.Dimensions[chain.Count() - 1];
        return {chain.StateClosed, closing.QHigh, closing.QLow};
    }
    Integer StoredSigns()
    {
        TDimensionChains set;
        std::vector<Byte> bytes;
        EXPECT_TRUE(drApi::MA.drGetUserData(R().IDoc, set.NameUserData, bytes, {}));
        EXPECT_TRUE(set.from(bytes));
        return std::get<0>(Signs(set));
    }
    // The figures after the method is changed and changed back, then the signs OK stores.
    void CalculatesAsStored()
    {
        EXPECT_TRUE(Statuses().empty());
        EXPECT_TRUE(ChainAt(1).Closed);
        Choose("Способ расчета", L"Нормальное распределение");
        Choose("Способ расчета", L"Минимум Максимум");
        EXPECT_EQ(Journal().Calls("IApplication::ShowMessageBox").size(), 0u);
        const TDimension& closing = ChainAt(1).Dimensions[2];
        EXPECT_NEAR(closing.QHigh, std::get<1>(Right), 1e-9);
        EXPECT_NEAR(closing.QLow, std::get<2>(Right), 1e-9);
        Panel->ButtonClick(1);
        EXPECT_EQ(StoredSigns(), std::get<0>(Right));
    }
    long Told(const char* Text)
    {
        const std::vector<std::string> said = Statuses();
        return std::count(said.begin(), said.end(), Text);
    }

    std::tuple<Integer, Real, Real> Right;
};

} // namespace

TEST_P(TModelStoredDamageTest, IsCheckedAsItOpens)
{
    Reopen("chain.qas");
    Damage();
    for (int opening = 0; opening < 2; ++opening) {
        SCOPED_TRACE(opening);
        Journal().Clear();
        Open();
        if (!GetParam().Told) {
            CalculatesAsStored();
            Panel.reset();
            continue;
        }
        EXPECT_EQ(Told(GetParam().Told), opening == 0 ? 1 : 0);
        EXPECT_EQ(Told("Изменился размер "), 0);
        EXPECT_FALSE(ChainAt(1).Closed);
        Panel->ButtonClick(1);
        Panel.reset();
    }
}

INSTANTIATE_TEST_SUITE_P(Stored, TModelStoredDamageTest,
                         testing::Values(TModelDamage{"OneLink", 1, false, TDimensionChains::TooShortText},
                                         TModelDamage{"NoLinks", 0, false, TDimensionChains::TooShortText},
                                         TModelDamage{"NaN", 3, true, TDimensionChains::NoNumbersText},
                                         TModelDamage{"SignsAllPlus", 3, false, nullptr, -1},
                                         TModelDamage{"SignsAllMinus", 3, false, nullptr, 0}),
                         [](const testing::TestParamInfo<TModelDamage>& p) {
                             return std::string(p.param.Name);
                         });

namespace {

// The stored set with chain 3 checked from chain 2's closing row (" {   0.150  -0.100 }"): 3
// chains, 10 links, one entry each in the model-object list.
class TCheckedStoredTest : public TpmDimensionChain3DStoredTest {
protected:
    void SetUp() override
    {
        TpmDimensionChain3DStoredTest::SetUp();
        Reopen("chain.qas");
        Open();
        CheckFromTheClosingRow();
        ASSERT_EQ(Chains(), 3);
        ASSERT_TRUE(ChainAt(2).CheckFigures);
        Figures = *ChainAt(2).CheckFigures;
        Panel->ButtonClick(1);
        Panel.reset();
        ASSERT_TRUE(R().IDoc->SaveAs((FDir / "chain.qas").wstring().c_str()));
    }
    std::vector<Byte> Stored()
    {
        std::vector<Byte> bytes;
        EXPECT_TRUE(drApi::MA.drGetUserData(R().IDoc, TDimensionChains().NameUserData, bytes, {}));
        return bytes;
    }
    long Said(const char* Text)
    {
        const std::vector<std::string> said = Statuses();
        return std::count(said.begin(), said.end(), Text);
    }

    TCheckFigures Figures;
};

using TListChange = void (*)(std::vector<tvapi::ITervanAPIObjectPtr>&);
using TListCase = std::tuple<const char*, TListChange>;
class TModelObjectListTest : public TCheckedStoredTest, public testing::WithParamInterface<TListCase> {};

// A model-object list that is not one entry per link: nothing else binds the links to their
// dimensions, so the set is damaged - told once at each opening, nothing stored over it.
TEST_P(TModelObjectListTest, LeavesTheSetDamaged)
{
    const TListChange change = std::get<1>(GetParam());
    RewriteStored(
        [change](TDimensionChains&, std::vector<tvapi::ITervanAPIObjectPtr>& list) { change(list); });
    const std::vector<Byte> damaged = Stored();
    for (int opening = 0; opening < 2; ++opening) {
        SCOPED_TRACE(opening);
        Journal().Clear();
        Open();
        EXPECT_EQ(Said("Сохраненные размерные цепи повреждены и не прочитаны"), 1);
        EXPECT_EQ(Said("Сборка изменилась! Отсутствуют элементы размерной цепи"), 0);
        Panel->ButtonClick(1);
        Panel.reset();
        EXPECT_EQ(Stored(), damaged);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Stored, TModelObjectListTest,
    testing::Values(
        TListCase{"FourthDropped",
                  [](std::vector<tvapi::ITervanAPIObjectPtr>& list) { list.erase(list.begin() + 3); }},
        TListCase{"OneMore",
                  [](std::vector<tvapi::ITervanAPIObjectPtr>& list) { list.push_back(list.front()); }},
        TListCase{"Empty", [](std::vector<tvapi::ITervanAPIObjectPtr>& list) { list.clear(); }}),
    [](const testing::TestParamInfo<TListCase>& p) { return std::string(std::get<0>(p.param)); });

using TModelFieldCase = std::tuple<const char*, void (*)(TDimension&)>;
class TModelFieldTest : public TCheckedStoredTest, public testing::WithParamInterface<TModelFieldCase> {};

// A field of the checked chain's closing link that is no number or no plane, which the part gives
// again: read again from it quietly; the chain stays closed and checked with its
// figures, and OK stores it read.
TEST_P(TModelFieldTest, IsReadAgainFromThePart)
{
    const auto change = std::get<1>(GetParam());
    RewriteStored([change](TDimensionChains& set, auto&) { change(set.DimChains[2].Dimensions[2]); });
    for (int opening = 0; opening < 2; ++opening) {
        SCOPED_TRACE(opening);
        Journal().Clear();
        Open();
        EXPECT_TRUE(Statuses().empty());
        EXPECT_EQ(Journal().Calls("IApplication::ShowMessageBox").size(), 0u);
        const TDimensionChain& C = ChainAt(2);
        EXPECT_TRUE(C.Closed && C.Checked);
        ASSERT_TRUE(C.CheckFigures);
        EXPECT_EQ(C.CheckFigures->QHigh, Figures.QHigh);
        EXPECT_EQ(C.CheckFigures->QLow, Figures.QLow);
        Panel->ButtonClick(1);
        Panel.reset();
    }
}

INSTANTIATE_TEST_SUITE_P(
    Stored, TModelFieldTest,
    testing::Values(
        TModelFieldCase{"PlaneAxisDegenerate", [](TDimension& L) { L.PL1.AY = L.PL1.AX; }},
        TModelFieldCase{"PlaneOriginNaN",
                        [](TDimension& L) { L.PL2.O.z = std::numeric_limits<double>::quiet_NaN(); }},
        TModelFieldCase{"LengthNaN",
                        [](TDimension& L) { L.Nominal = std::numeric_limits<double>::quiet_NaN(); }},
        TModelFieldCase{"VectorInfinite", [](TDimension& L) { L.V3.z = INFINITY; }}),
    [](const testing::TestParamInfo<TModelFieldCase>& p) { return std::string(std::get<0>(p.param)); });

} // namespace

namespace {

// An assembly opened asks the loop rule once for each stored chain, and once for the gathered
// dimensions it recognises as a chain of their own.
TEST_F(TCheckedStoredTest, AsksTheLoopOnceAChainAsItOpens)
{
    const long before = TDimensionChain::LoopTests;
    Open();
    ASSERT_EQ(Chains(), 3);
    EXPECT_EQ(TDimensionChain::LoopTests - before, 2 + 1);
    EXPECT_TRUE(ChainAt(2).Closed && ChainAt(2).Checked);
}

} // namespace
