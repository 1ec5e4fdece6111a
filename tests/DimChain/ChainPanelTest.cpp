// What the chain panel writes into a dimension shared by two chains, and what OK keeps when
// the chains cannot be stored.

#include "pmDimensionChain2D.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "Panel2DFixture.h"
#include "pmCommands.h"

namespace {

// Whether Text was shown in the status line or a message box since the journal was cleared.
bool Shown(tvhost::TJournal& Journal, const char* Text)
{
    std::vector<std::string> texts = StatusTexts(Journal);
    for (const auto& e : Journal.Calls("IApplication::ShowMessageBox"))
        texts.push_back(e.Arguments.at(0));
    return std::find(texts.begin(), texts.end(), Text) != texts.end();
}

// How the shared closing dimension X leaves chain 2, and whether the run then ends with OK
// (and the panel opens again) or is cancelled.
enum class TLeaves { Stays, ClickedOut, GridRemove, ChainDeleted, ComponentRemoved };

struct TSharedCase {
    const char* Name;
    TLeaves How;
    bool Confirmed;
};

void PrintTo(const TSharedCase& c, std::ostream* os)
{
    *os << c.Name;
}

class TSharedClosingTest : public TpmDimensionChain2DTest, public testing::WithParamInterface<TSharedCase> {};

// X = 30 closes chain 1 (10 ±0.1, 20 ±0.1: ±0.2) and chain 2 (20 +0.05/0, 10 0/-0.02:
// +0.05/-0.02). X shows the figures of chain 1, the first to close on it, before and after it
// leaves chain 2; a cancel gives back the texts from before the run, and after OK chain 1 opens
// unchanged.
TEST_P(TSharedClosingTest, LeavingOneChainShowsTheFiguresOfTheOther)
{
    const TSharedCase& t = GetParam();
    Dim(0, 0, 10, 0, 10, 0.1, -0.1);
    Dim(10, 0, 30, 0, 20, 0.1, -0.1);
    Dim(0, 0, 20, 0, 30, 0.05, 0);
    Dim(20, 0, 30, 0, 40, 0, -0.02);
    C = Dim(0, 0, 30, 0, 50);
    const std::wstring before = Upper(C);
    Open();
    Pick(5, 10);
    Pick(20, 20);
    Pick(15, 50);
    Panel->ControlCommand(tvapi::IPropertyControlPtr(Panel->bAddDimChain), 1);
    Pick(10, 30);
    Pick(25, 40);
    Pick(15, 50);
    ASSERT_EQ(Lower(C), L" -0,200");
    EXPECT_EQ(Cell(3, 4), " -0.020"); // chain 2 keeps its own figures in its grid
    const tvapi::IPropertyControlPtr grid(Panel->grListDimChain);
    switch (t.How) {
    case TLeaves::Stays:
        break;
    case TLeaves::ClickedOut:
        Pick(15, 50);
        break;
    case TLeaves::GridRemove:
        Panel->SelectItem(grid, 0 * 256 + 3, true);
        Panel->ControlCommand(grid, 4);
        break;
    case TLeaves::ChainDeleted:
        Panel->ControlCommand(tvapi::IPropertyControlPtr(Panel->bRemoveDimChain), 1);
        break;
    case TLeaves::ComponentRemoved:
        Pick(10, 30);
        EXPECT_EQ(Cell(2, 3), "  0.200"); // X's row in chain 2 reads what X now shows
        break;
    }
    EXPECT_EQ(Upper(C), L"  0,200");
    EXPECT_EQ(Lower(C), L" -0,200");
    Panel->ButtonClick(t.Confirmed ? 1 : 2);
    if (!t.Confirmed) {
        EXPECT_EQ(Upper(C), before);
        return;
    }
    Panel.reset();
    Journal().Clear();
    Open();
    EXPECT_FALSE(Shown(Journal(), "Изменился размер "));
    EXPECT_NEAR(Panel->Chain().Dimensions[2].QLow, -0.2, 1e-12);
}

INSTANTIATE_TEST_SUITE_P(
    Ways, TSharedClosingTest,
    testing::Values(TSharedCase{"StaysThenOk", TLeaves::Stays, true},
                    TSharedCase{"ClickedOutThenCancel", TLeaves::ClickedOut, false},
                    TSharedCase{"GridRemoveThenOk", TLeaves::GridRemove, true},
                    TSharedCase{"ChainDeletedThenOk", TLeaves::ChainDeleted, true},
                    TSharedCase{"ChainDeletedThenCancel", TLeaves::ChainDeleted, false},
                    TSharedCase{"ComponentRemovedThenOk", TLeaves::ComponentRemoved, true}),
    [](const testing::TestParamInfo<TSharedCase>& p) { return std::string(p.param.Name); });

// Chain 1: C = A - B, +0.100/-0.150; chain 2 counts C and D (15 +-0.02) to close on E. Line, run
// on chain 1, moves C to the hand-worked figures (B taken out: C's own empty texts) and E with it.
using TEdit = std::tuple<const char*, const char*, const char*, const char*>; // name, line, C, E
class TEditAfterClosingTest : public TpmDimensionChain2DTest, public testing::WithParamInterface<TEdit> {};
TEST_P(TEditAfterClosingTest, RecalculatesTheChainAndTheChainsCountingIt)
{
    const auto& [name, line, c, e] = GetParam();
    DrawChain();
    Dim(30, 20, 45, 20, 60, 0.02, -0.02);
    const tvapi::IDrawingObjectPtr E = Dim(0, 15, 45, 20, 70);
    const std::string chains = "move 20 44\nclick 20 44\nmove 35 34\nclick 35 34\nmove 15 28\nclick 15 28\n"
                               "command \"Добавить новую размерную цепь\" 1\nmove 15 28\nclick 15 28\n"
                               "move 37 60\nclick 37 60\nmove 22 70\nclick 22 70\nset \"Текущая\" 1\n";
    std::string error;
    ASSERT_TRUE(tvhost::Script().Load(chains + line + "\nok\n", error)) << error;
    EXPECT_TRUE(DimensionChain());
    EXPECT_EQ(U(Upper(C) + Lower(C)), c);
    EXPECT_EQ(U(Upper(E) + Lower(E)), e);
}

// Normal method: S = (0.2^2 + 0.05^2) / 9, middle -0.025, half sqrt(S) times the risk (1, then 3).
INSTANTIATE_TEST_SUITE_P(
    Changes, TEditAfterClosingTest,
    testing::Values(TEdit{"UpperAdded", "edit 1 8 0,05", "  0,150 -0,150", "  0,170 -0,170"},
                    TEdit{"LowerAdded", "edit 2 9 -0,02", "  0,120 -0,150", "  0,140 -0,170"},
                    TEdit{"Method", "set \"Способ расчета\" Нормальное распределение", "  0,009 -0,059",
                          "  0,029 -0,079"},
                    TEdit{"Risk",
                          "set \"Способ расчета\" Нормальное распределение\nset \"Коэффициент риска\" 0.27",
                          "  0,078 -0,128", "  0,098 -0,148"},
                    TEdit{"LinkRemoved", "move 35 34\nclick 35 34", "", "  0,020 -0,020"}),
    [](const testing::TestParamInfo<TEdit>& p) { return std::string(std::get<0>(p.param)); });

// OK whose store the host refuses ends the run as cancelled: no success message, nothing
// stored, and the closing dimension's texts given back.
TEST_F(TpmDimensionChain2DTest, OkWhoseStoreFailsGivesBackWhatTheRunWrote)
{
    DrawChain();
    const std::wstring before = Upper(C);
    std::string error;
    ASSERT_TRUE(tvhost::Script().Load(
        "move 20 44\nclick 20 44\nmove 35 34\nclick 35 34\nmove 15 28\nclick 15 28\nok\n", error));
    InjectFault("IUserDataStorage::SetData", tvhost::fkFail);
    InjectFault("IUserDataStorage::AddData", tvhost::fkFail);
    Journal().Clear();
    EXPECT_TRUE(DimensionChain());
    EXPECT_TRUE(Shown(Journal(), "Цепь замкнулась"));
    EXPECT_FALSE(Shown(Journal(), "В документ записана размерная цепь"));
    EXPECT_EQ(Upper(C), before);
    std::vector<Byte> stored;
    EXPECT_FALSE(drApi::MA.drGetUserData(R().IDoc, TString("DimChains"), stored, {}));
}

} // namespace
