// Chains that count each other's figures in the drawing panel: a bearing stack (shaft S 25
// +-0.025, housing H 10 +-0.1, inner race R 25.05 +-0.013 closing on the gap Z 9.95 = S + H - R,
// and Y 15.05 = S - Z) whose dimensions change while the drawing is closed, chains recognised
// after another wrote, rings refused and an open chain's last link written by another chain.

#include "pmDimensionChain2D.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <string>
#include <vector>

#include "FacadeChainHost.h"
#include "Panel2DFixture.h"

namespace {

class TBearingStackTest : public TpmDimensionChain2DTest {
protected:
    void TearDown() override
    {
        S = H = R = Z = Y = {};
        TpmDimensionChain2DTest::TearDown();
    }
    void Draw()
    {
        S = Dim(0, 0, 25, 0, 10, 0.025, -0.025);
        H = Dim(25, 0, 35, 0, 20, 0.1, -0.1);
        R = Dim(9.95, 0, 35, 0, 30, 0.013, -0.013);
        Z = Dim(0, 0, 9.95, 0, 40);
        Y = Dim(9.95, 0, 25, 0, 50);
    }
    void PickS() { Pick(12, 10); }
    void PickH() { Pick(30, 20); }
    void PickR() { Pick(22, 30); }
    void PickZ() { Pick(5, 40); }
    void PickY() { Pick(17, 50); }
    void NewChain() { Panel->ControlCommand(tvapi::IPropertyControlPtr(Panel->bAddDimChain), 1); }
    // OK, then the drawing opened again with Changed done while it was closed.
    void Reopen(const std::function<void()>& Changed = {})
    {
        Panel->ButtonClick(1);
        Panel.reset();
        if (Changed) Changed();
        Journal().Clear();
        Open();
    }
    long Said(const char* Text)
    {
        const std::vector<std::string> said = Statuses();
        return std::count(said.begin(), said.end(), Text);
    }
    static std::string Texts(const tvapi::IDrawingObjectPtr& D) { return U(Upper(D) + Lower(D)); }
    static void Deviations(const tvapi::IDrawingObjectPtr& D, double Hi, double Lo)
    {
        tvapi::IDimensionTextPtr(D)->SetDeviations(Hi, Lo);
        D->Update();
    }

    tvapi::IDrawingObjectPtr S, H, R, Z, Y;
};

// 1. What changed while the drawing was closed is told, every chain counting it follows and
// writes, and the next opening is quiet with the same figures.
struct TClosedChange {
    const char* Name;
    bool SecondChain;
    bool Shaft; // S widened to +-0.05, else H's upper to +0.2
    const char* Z;
    const char* Y;
};

class TChangedWhileClosedTest : public TBearingStackTest,
                                public testing::WithParamInterface<TClosedChange> {};
TEST_P(TChangedWhileClosedTest, IsFollowedByEveryChainCountingIt)
{
    const TClosedChange& t = GetParam();
    Draw();
    Open();
    PickS(), PickH(), PickR(), PickZ();
    ASSERT_EQ(Texts(Z), "  0,138 -0,138");
    if (t.SecondChain) {
        NewChain();
        PickS(), PickZ(), PickY();
        ASSERT_EQ(Texts(Y), "  0,163 -0,163");
    }
    Reopen([&] { t.Shaft ? Deviations(S, 0.05, -0.05) : Deviations(H, 0.2, -0.1); });
    EXPECT_EQ(Said("Изменился размер "), 1);
    EXPECT_EQ(Texts(Z), t.Z);
    EXPECT_EQ(Texts(Y), t.Y);
    Reopen();
    EXPECT_EQ(Said("Изменился размер "), 0);
    EXPECT_EQ(Texts(Z), t.Z);
    EXPECT_EQ(Texts(Y), t.Y);
}

INSTANTIATE_TEST_SUITE_P(
    Changes, TChangedWhileClosedTest,
    testing::Values(TClosedChange{"HousingInOneChain", false, false, "  0,238 -0,138", ""},
                    TClosedChange{"ShaftInTwoChains", true, true, "  0,163 -0,163", "  0,213 -0,213"}),
    [](const testing::TestParamInfo<TClosedChange>& p) { return std::string(p.param.Name); });

// 2. A chain recognised after another wrote one of its dimensions counts what it wrote, and
// follows a value typed afterwards.
class TRecognisedAfterWriteTest : public TBearingStackTest, public testing::WithParamInterface<bool> {};
TEST_P(TRecognisedAfterWriteTest, CountsTheFiguresAsTheyStand)
{
    const bool typed = GetParam();
    Draw();
    Open();
    PickS(), PickH(), PickR(), PickZ();
    NewChain();
    PickY();
    Panel->ControlCommand(tvapi::IPropertyControlPtr(Panel->bAddDimChainForDim), 1);
    // The second path found, through the gap (the first goes through the race and the housing).
    Control("Распознаная")->SetValue(2);
    Panel->ChangeControlValue(tvapi::IPropertyControlPtr(Panel->eDetectDimensionChain));
    const TDimensionChain& chain = Panel->DimensionChains.DimChains[1];
    ASSERT_TRUE(chain.Closed);
    ASSERT_TRUE(chain.Index(Z) >= 0) << "the path through the gap";
    EXPECT_EQ(Texts(Y), "  0,163 -0,163");
    if (!typed) return;
    Control("Текущая")->UserSet(L"1");
    Panel->ChangeControlValue(
        tvapi::IPropertyControlPtr(static_cast<tvapi::IPropertySpinEdit*>(Control("Текущая"))));
    Grid().SetCurrentCell(2, rEQLow);
    Grid().SetCellText(2, rEQLow, L"-0,02");
    Panel->ChangeControlValue(tvapi::IPropertyControlPtr(Panel->grListDimChain));
    EXPECT_EQ(Texts(Z), "  0,138 -0,158");
    EXPECT_EQ(Texts(Y), "  0,183 -0,163");
}

INSTANTIATE_TEST_SUITE_P(Recognised, TRecognisedAfterWriteTest, testing::Bool(),
                         [](const testing::TestParamInfo<bool>& p) {
                             return std::string(p.param ? "ThenValueTyped" : "AfterAWrite");
                         });

// 3. On the sample chain (C 30 = A 40 +-0.1 - B 10 +0.05/0), a second chain over A and C closing
// on B would count its own closing dimension through the first: it is refused and nothing is
// written, whether picked, recognised or stored so by an older version and met again after A
// changed; met again, both chains of the ring are shown open and C reads its own texts.
enum class TRingMade { Picked, Recognised, Stored };

class TRingTest : public TpmDimensionChain2DTest, public testing::WithParamInterface<TRingMade> {};
TEST_P(TRingTest, IsRefusedAndWritesNothing)
{
    DrawChain();
    const std::wstring own = Upper(C) + Lower(C);
    Open();
    PickChain();
    const std::wstring b = Upper(B) + Lower(B), c = Upper(C) + Lower(C);
    ASSERT_EQ(c, L"  0,100 -0,150");
    if (GetParam() == TRingMade::Stored) {
        Panel->ButtonClick(1);
        Panel.reset();
        TDimensionChains older;
        older.LoadfromUserStorage();
        TDimensionChain& ring = older.DimChains.Add();
        for (const tvapi::IDrawingObjectPtr& d : {A, C, B})
            ring.Add(d, {}, FacadeChainHost());
        ASSERT_TRUE(ring.Closed);
        ASSERT_TRUE(older.SavetoUserStorage());
        tvapi::IDimensionTextPtr(B)->SetDeviations(0.05, 0);
        tvapi::IDimensionTextPtr(A)->SetDeviations(0.2, -0.1);
        A->Update(), B->Update();
        Journal().Clear();
        Open();
        EXPECT_EQ(Upper(C) + Lower(C), own);
        for (const TDimensionChain& chain : Panel->DimensionChains.DimChains)
            EXPECT_FALSE(chain.Closed);
    } else {
        Panel->ControlCommand(tvapi::IPropertyControlPtr(Panel->bAddDimChain), 1);
        Journal().Clear();
        if (GetParam() == TRingMade::Recognised) {
            Pick(35, 34); // B, then the path A, C found for it
            Panel->ControlCommand(tvapi::IPropertyControlPtr(Panel->bAddDimChainForDim), 1);
        } else {
            Pick(20, 44), Pick(15, 28), Pick(35, 34); // A, C, B
        }
        EXPECT_FALSE(Panel->Chain().Closed);
        EXPECT_EQ(Upper(C) + Lower(C), c);
    }
    const std::vector<std::string> said = Statuses();
    EXPECT_EQ(std::count(said.begin(), said.end(), "Цепи не могут зависеть друг от друга по кругу"), 1);
    EXPECT_EQ(Upper(B) + Lower(B), b);
}

std::string RingName(const testing::TestParamInfo<TRingMade>& p)
{
    static const char* const Names[] = {"Picked", "Recognised", "StoredByAnOlderVersion"};
    return Names[static_cast<int>(p.param)];
}

INSTANTIATE_TEST_SUITE_P(Ways, TRingTest,
                         testing::Values(TRingMade::Picked, TRingMade::Recognised, TRingMade::Stored),
                         RingName);

// On the sample chain, a closing picked or recognised over figures that are no numbers (a
// deviation of 320 digits, or a link's heat turning its length negative) is told so, never as
// a ring; the chain stays open, C keeps its own texts and its note takes no residual.
struct TNoNumbersPick {
    const char* Name;
    bool Recognised;
    bool Heat; // else A's upper deviation 1e320
};

void PrintTo(const TNoNumbersPick& c, std::ostream* os)
{
    *os << c.Name;
}

class TNoNumbersPickTest : public TpmDimensionChain2DTest,
                           public testing::WithParamInterface<TNoNumbersPick> {};
TEST_P(TNoNumbersPickTest, IsToldAndNothingWritten)
{
    const TNoNumbersPick& t = GetParam();
    DrawChain();
    const std::wstring own = Upper(C) + Lower(C);
    if (!t.Heat) ManyDigits(A);
    Open();
    if (t.Heat) {
        Pick(20, 44);
        HeatUndoes(1);
        ASSERT_EQ(Panel->Chain().Dimensions[0].dT, -50);
    }
    Journal().Clear();
    if (t.Recognised) { // C picked alone, its chain found
        Pick(15, 28);
        Panel->ControlCommand(tvapi::IPropertyControlPtr(Panel->bAddDimChainForDim), 1);
    } else {
        if (!t.Heat) Pick(20, 44);
        Pick(35, 34), Pick(15, 28);
    }
    const std::vector<std::string> said = Statuses();
    EXPECT_EQ(std::count(said.begin(), said.end(), TDimensionChains::NoNumbersText), 1);
    EXPECT_EQ(std::count(said.begin(), said.end(), "Цепи не могут зависеть друг от друга по кругу"), 0);
    const TDimensionChain& chain = Panel->Chain();
    ASSERT_EQ(chain.Count(), 3);
    EXPECT_FALSE(chain.Closed);
    EXPECT_EQ(Upper(C) + Lower(C), own);
    EXPECT_EQ(std::string(chain.Dimensions[2].Comment.PChar()), "");
    EXPECT_EQ(Cell(3, rComment), "");
    EXPECT_EQ(Cell(3, rNumner), "01.02");
}

INSTANTIATE_TEST_SUITE_P(Closings, TNoNumbersPickTest,
                         testing::Values(TNoNumbersPick{"InfiniteDeviationPicked", false, false},
                                         TNoNumbersPick{"InfiniteDeviationRecognised", true, false},
                                         TNoNumbersPick{"HeatPicked", false, true}),
                         [](const testing::TestParamInfo<TNoNumbersPick>& p) {
                             return std::string(p.param.Name);
                         });

// 5. A chain left open with C last, then a second chain closing on C: the open chain's C reads
// what was written, and the drawing reopens quiet, once and twice.
class TOpenLastLinkTest : public TBearingStackTest, public testing::WithParamInterface<int> {};
TEST_P(TOpenLastLinkTest, TakesWhatAnotherChainWroteIntoIt)
{
    Draw();
    Open();
    PickS(), PickZ();
    ASSERT_FALSE(Panel->Chain().Closed);
    NewChain();
    PickS(), PickH(), PickR(), PickZ();
    EXPECT_NEAR(Panel->DimensionChains.DimChains[0].Dimensions[1].QHigh, 0.138, 1e-12);
    for (int k = 0; k < GetParam(); ++k) {
        Reopen();
        EXPECT_EQ(Said("Изменился размер "), 0) << "opening " << k + 1;
    }
}

INSTANTIATE_TEST_SUITE_P(Reopened, TOpenLastLinkTest, testing::Values(1, 2),
                         [](const testing::TestParamInfo<int>& p) {
                             return "Times" + std::to_string(p.param);
                         });

} // namespace
