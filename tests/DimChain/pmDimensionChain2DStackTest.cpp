// Stack-ups drawn as a user draws them (every part dimensioned between its faces, the closing
// dimension among them) and picked link by link in the drawing chain panel: a chain closes on
// its loop in the drawing, not on equal nominals; a gap designed to be zero is calculated along
// its own dimension; what a run writes into deviation texts is taken back.

#include "pmDimensionChain2D.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <numeric>
#include <optional>
#include <random>
#include <string>
#include <vector>

#include "DeviationText.h"
#include "FacadeChainHost.h"
#include "Panel2DFixture.h"
#include "TDimensionChains.h"
#include "drModelerAPI.h"
#include "pmCommands.h"

namespace {

// One dimension of a stack: from face X1 to face X2 on the part's axis, with its deviations.
struct TFace {
    double X1, X2, Hi, Lo;
};

// Ten stacked parts of 10 ±0.1, then their overall length 100.
const std::vector<TFace> TenParts = [] {
    std::vector<TFace> stack;
    for (int k = 0; k < 10; ++k)
        stack.push_back({10.0 * k, 10.0 * k + 10, 0.1, -0.1});
    stack.push_back({0, 100, 0, 0});
    return stack;
}();

// The motor assembly of P. J. Drake (ed.), Dimensioning and Tolerancing Handbook, McGraw-Hill
// 1999, chapter 9 (inches): A screw thread length 0.375 +0/-0.031, B washer 0.032 ±0.002,
// C inner bearing cap 0.06 ±0.003, D bearing 0.438 +0/-0.015, E spacer 0.12 ±0.005, F rotor
// 1.5 +0.01/-0.004, G spacer as E, H bearing as D, I pulley casting 0.45 ±0.007, J shaft 3.019
// +0.012/-0, K tapped hole depth 0.3 ±0.03; A and J close the gap, the others open it. Printed
// result for the gap: mean 0.0615, worst case ±0.0955 (-0.034 to 0.157), RSS ±0.0381 (0.0234
// to 0.0996). Drawn face to face along the axis; the gap, nominal 0.064, closes the loop.
const std::vector<TFace> Motor = {
    {0, -0.375, 0, -0.031},        {-0.375, -0.343, 0.002, -0.002}, {-0.343, -0.283, 0.003, -0.003},
    {-0.283, 0.155, 0, -0.015},    {0.155, 0.275, 0.005, -0.005},   {0.275, 1.775, 0.01, -0.004},
    {1.775, 1.895, 0.005, -0.005}, {1.895, 2.333, 0, -0.015},       {2.333, 2.783, 0.007, -0.007},
    {2.783, -0.236, 0.012, 0},     {-0.236, 0.064, 0.03, -0.03},    {0, 0.064, 0, 0},
};

class TStackFixture : public TpmDimensionChain2DTest {
protected:
    void TearDown() override
    {
        Dims.clear();
        TpmDimensionChain2DTest::TearDown();
    }
    // Each face dimension's line runs at its own height, the last one highest.
    void Draw(const std::vector<TFace>& Stack)
    {
        for (const TFace& f : Stack)
            Dims.push_back(Dim(f.X1, 0, f.X2, 0, Height(Dims.size()), f.Hi, f.Lo));
    }
    static double Height(std::size_t k) { return 10.0 * (k + 1); }
    void PickFace(const std::vector<TFace>& Stack, std::size_t k)
    {
        Pick((Stack[k].X1 + Stack[k].X2) / 2, Height(k));
    }
    // Every dimension's upper and lower deviation text.
    std::vector<std::wstring> Texts()
    {
        std::vector<std::wstring> texts;
        for (const tvapi::IDrawingObjectPtr& d : Dims)
            texts.insert(texts.end(), {Upper(d), Lower(d)});
        return texts;
    }
    long Said(const char* Text)
    {
        const std::vector<std::string> said = Statuses();
        return std::count(said.begin(), said.end(), Text);
    }
    void ChooseMethod(bool Normal)
    {
        if (!Normal) return;
        Choose("Способ расчета", L"Нормальное распределение");
        Choose("Коэффициент риска", L"0.27");
    }

    std::vector<tvapi::IDrawingObjectPtr> Dims;
};

// A stack picked in an order, its closing dimension last, by min-max or by the normal method
// with the risk 0.27: the closing link's texts and its limits (nominal plus deviation).
struct TPickCase {
    const char* Name;
    const std::vector<TFace>* Stack;
    std::vector<std::size_t> Order;
    bool Normal;
    const wchar_t *Upper, *Lower;
    double Min, Max, Digits;
};

void PrintTo(const TPickCase& c, std::ostream* os)
{
    *os << c.Name;
}

class TPickedStackTest : public TStackFixture, public testing::WithParamInterface<TPickCase> {};

// Open after every pick before the last (equal parts never close on their own), closed once on
// the last, the closing dimension written and no part's text changed.
TEST_P(TPickedStackTest, ClosesOnceOnItsLastPickAndWritesOnlyTheClosingDimension)
{
    const TPickCase& t = GetParam();
    const std::vector<TFace>& stack = *t.Stack;
    Draw(stack);
    const std::vector<std::wstring> before = Texts();
    Open();
    ChooseMethod(t.Normal);
    for (const std::size_t k : t.Order) {
        SCOPED_TRACE(k);
        PickFace(stack, k);
        ASSERT_EQ(Panel->Chain().Index(Dims[k]), Panel->Chain().Count() - 1) << "refused";
        EXPECT_FALSE(Panel->Chain().Closed);
    }
    PickFace(stack, stack.size() - 1);
    const TDimensionChain& chain = Panel->Chain();
    ASSERT_TRUE(chain.Closed);
    ASSERT_EQ(chain.Count(), static_cast<Integer>(stack.size()));
    EXPECT_TRUE(chain.Dimensions[chain.Count() - 1].Obj == Dims.back());
    EXPECT_EQ(Said("Цепь замкнулась"), 1);
    EXPECT_EQ(Said("Невозможно добавить к замкнутой цепи"), 0);
    EXPECT_EQ(Upper(Dims.back()), t.Upper);
    EXPECT_EQ(Lower(Dims.back()), t.Lower);
    const TChainResult r = *chain.Calculate(false);
    EXPECT_NEAR(r.Nominal + r.QLow, t.Min, t.Digits);
    EXPECT_NEAR(r.Nominal + r.QHigh, t.Max, t.Digits);
    std::vector<std::wstring> after = Texts();
    after.resize(after.size() - 2);
    std::vector<std::wstring> parts = before;
    parts.resize(parts.size() - 2);
    EXPECT_EQ(after, parts) << "a part's tolerance was overwritten";
}

// clang-format off
const TPickCase PickCases[] = {
    {"TenPartsInOrder", &TenParts, {0, 1, 2, 3, 4, 5, 6, 7, 8, 9}, false, L"  1,000", L" -1,000", 99, 101, 1e-9},
    {"TenPartsOtherOrderNormal", &TenParts, {4, 0, 9, 1, 8, 2, 7, 3, 6, 5}, true, L"  0,316", L" -0,316",
     99.684, 100.316, 5e-4},
    {"MotorAsPrinted", &Motor, {0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10}, false, L"  0,093", L" -0,098",
     -0.034, 0.157, 5e-7},
    // The two spacers, then the two bearings, of equal widths first.
    {"MotorEqualPartsFirstNormal", &Motor, {4, 6, 3, 7, 0, 1, 2, 5, 8, 9, 10}, true, L"  0,036", L" -0,041",
     0.0234, 0.0996, 5e-5},
};
// clang-format on

INSTANTIATE_TEST_SUITE_P(Stacks, TPickedStackTest, testing::ValuesIn(PickCases),
                         [](const testing::TestParamInfo<TPickCase>& p) {
                             return std::string(p.param.Name);
                         });

// Whatever order the motor's parts are picked in (spacers and bearings of equal widths among
// them), the chain stays open until the gap closes it, with the same figures every time.
TEST_F(TStackFixture, EveryOrderOfTheMotorsPartsClosesOnTheGapWithTheSameFigures)
{
    Draw(Motor);
    std::vector<std::size_t> order(Motor.size() - 1);
    std::iota(order.begin(), order.end(), 0);
    std::mt19937 random(62);
    std::optional<TChainResult> first;
    for (int run = 0; run < 100; ++run) {
        SCOPED_TRACE(run);
        std::shuffle(order.begin(), order.end(), random);
        TDimensionChain chain;
        for (const std::size_t k : order) {
            ASSERT_TRUE(chain.Add(Dims[k], {}, FacadeChainHost()));
            ASSERT_FALSE(chain.Closed) << "closed on part " << k;
        }
        const TAdded added = chain.Add(Dims.back(), {}, FacadeChainHost());
        ASSERT_TRUE(added.Closing);
        const std::optional<TChainResult> figures = chain.TakeCalculation();
        ASSERT_TRUE(figures);
        if (!first) first = figures;
        EXPECT_NEAR(figures->Nominal, 0.064, 1e-12);
        EXPECT_NEAR(figures->QHigh, first->QHigh, 1e-12);
        EXPECT_NEAR(figures->QLow, first->QLow, 1e-12);
    }
    EXPECT_NEAR(first->QHigh, 0.093, 1e-12);
    EXPECT_NEAR(first->QLow, -0.098, 1e-12);
}

// The gap designed to be zero: housing 20 ±0.1 holding a flange 15 ±0.05, a shoulder 4.8 ±0.08
// and a clip 0.2 ±0.02. Recognised from the gap, it is calculated along the gap's own
// dimension: 0 ±0.25 by min-max, 0 ±0.139 by the normal method (risk 0.27); the whole loop, as
// the check sums it, weighs the gap's field too.
const std::vector<TFace> ZeroGap = {
    {0, 20, 0.1, -0.1},      {0, 15, 0.05, -0.05}, {15, 19.8, 0.08, -0.08},
    {19.8, 20, 0.02, -0.02}, {20, 20, 0, 0},
};

class TZeroGapTest : public TStackFixture, public testing::WithParamInterface<bool> {};

TEST_P(TZeroGapTest, IsCalculatedAlongItsOwnDimension)
{
    const bool normal = GetParam();
    Draw(ZeroGap);
    Open();
    ChooseMethod(normal);
    PickFace(ZeroGap, 4);
    ASSERT_EQ(Panel->Chain().Count(), 1);
    Panel->ControlCommand(tvapi::IPropertyControlPtr(Panel->bAddDimChainForDim), 1);
    const TDimensionChain& chain = Panel->Chain();
    ASSERT_TRUE(chain.Closed);
    ASSERT_EQ(chain.Count(), 5);
    const TDimension& gap = chain.Dimensions[4];
    EXPECT_TRUE(gap.Obj == Dims[4]);
    const double half = normal ? 0.139 : 0.25; // as written, 0.138924 to three decimals
    EXPECT_NEAR(gap.QHigh, half, 1e-5);
    EXPECT_NEAR(gap.QLow, -half, 1e-5);
    EXPECT_EQ(Cell(5, 3), normal ? "  0.139" : "  0.250");
    EXPECT_EQ(Cell(5, 4), normal ? " -0.139" : " -0.250");
    const TChainResult loop = *chain.Calculate(true);
    EXPECT_NEAR(loop.Nominal, 0.0, 1e-9);
    EXPECT_NEAR(loop.QHigh, normal ? std::hypot(0.138924, half) : 2 * half, 1e-5);
}

INSTANTIATE_TEST_SUITE_P(Methods, TZeroGapTest, testing::Bool(), [](const testing::TestParamInfo<bool>& p) {
    return std::string(p.param ? "Normal" : "MinMax");
});

// Gaps recognised (one pick) or picked: a frame 10 +0.1/0 with plates 5 +0.05/-0.02 and 5.3 0/-0.03,
// the gap drawn from either side (plates less frame); a slot 20 +0.021/0 with blocks 12 +0.039/+0.028
// and 8 +0.032/+0.023 drawn in each order (interference); the zero gap picked first. Kept on reopening.
using TGapCase = std::tuple<std::string, std::vector<TFace>, std::vector<std::size_t>, std::wstring>;
class TClosingGapTest : public TStackFixture, public testing::WithParamInterface<TGapCase> {};
TEST_P(TClosingGapTest, GivesTheGapsFiguresWhateverTheOrder)
{
    const auto& [name, stack, picks, texts] = GetParam();
    Draw(stack);
    Open();
    for (const std::size_t k : picks)
        PickFace(stack, k);
    if (picks.size() == 1) Panel->ControlCommand(tvapi::IPropertyControlPtr(Panel->bAddDimChainForDim), 1);
    EXPECT_EQ(Upper(Dims.back()) + Lower(Dims.back()), texts);
    Panel->ButtonClick(1);
    Panel.reset();
    Open();
    EXPECT_EQ(Said("Изменился размер "), 0);
}

std::vector<TGapCase> GapCases()
{
    std::vector<TFace> frame = {{0, 10, 0.1, 0}, {0, 5, 0.05, -0.02}, {5, 10.3, 0, -0.03}, {10.3, 10, 0, 0}};
    std::vector<TGapCase> cases = {{"FrameEnd", frame, {3}, L"  0,050 -0,150"},
                                   {"GapPickedFirst", ZeroGap, {4, 0, 1, 2, 3}, L"  0,250 -0,250"}};
    cases.push_back({"FrameFace", {frame[0], frame[1], frame[2], {10, 10.3, 0, 0}}, {3}, L"  0,050 -0,150"});
    std::vector<TFace> slot{{12, 20, 0.032, 0.023}, {0, 12, 0.039, 0.028}, {0, 20, 0.021, 0}, {20, 20, 0, 0}};
    const auto shorter = [](const TFace& a, const TFace& b) { return a.X2 - a.X1 < b.X2 - b.X1; };
    for (int order = 0; order < 6; ++order) {
        cases.push_back({"Slot" + std::to_string(order), slot, {3}, L" -0,030 -0,071"});
        std::next_permutation(slot.begin(), slot.begin() + 3, shorter);
    }
    return cases;
}

INSTANTIATE_TEST_SUITE_P(Gaps, TClosingGapTest, testing::ValuesIn(GapCases()),
                         [](const testing::TestParamInfo<TGapCase>& p) { return std::get<0>(p.param); });

// The pocket stack: pocket 20.2 ±0.05 holding a plate 6 ±0.1, a spacer 9 ±0.12 and a cap 5
// ±0.08, the gap 0.2 closing it; worst case ±0.35. The plate's lower text is written with each
// minus a text may hold.
const std::vector<TFace> Pocket = {
    {0, 20.2, 0.05, -0.05}, {0, 6, 0.1, -0.1}, {6, 15, 0.12, -0.12}, {15, 20, 0.08, -0.08}, {20, 20.2, 0, 0},
};

struct TMinusCase {
    const char* Name;
    const wchar_t* Lower;
};
void PrintTo(const TMinusCase& c, std::ostream* os)
{
    *os << c.Name;
}

class TPocketMinusTest : public TStackFixture, public testing::WithParamInterface<TMinusCase> {
protected:
    void DrawPocket()
    {
        Draw(Pocket);
        tvapi::IDimensionTextPtr(Dims[1])->GetLowerDeviation()->SetStr(GetParam().Lower);
        Dims[1]->Update();
        Open();
        for (std::size_t k = 0; k < Pocket.size(); ++k)
            PickFace(Pocket, k);
        ASSERT_TRUE(Panel->Chain().Closed);
    }
    std::wstring Gap() { return Upper(Dims.back()) + L"/" + Lower(Dims.back()); }
};

TEST_P(TPocketMinusTest, GivesTheWorstCaseWhateverTheMinus)
{
    DrawPocket();
    EXPECT_EQ(Panel->Chain().Dimensions[1].QLow, -0.1);
    EXPECT_EQ(Gap(), L"  0,350/ -0,350");
}

// A drawing saved when the minus was read as a plus: the plate +0.1 and the gap +0.150/-0.350
// stored and written. Its opening tells the plate changed once and calculates the gap again.
TEST_P(TPocketMinusTest, ChainStoredWithTheWrongSignIsCalculatedAgain)
{
    DrawPocket();
    Panel->ButtonClick(1);
    Panel.reset();
    TDimensionChains set;
    std::vector<Byte> bytes;
    ASSERT_TRUE(drApi::MA.drGetUserData(R().IDoc, set.NameUserData, bytes, {}));
    ASSERT_TRUE(set.from(bytes));
    TDimensionChain& stored = set.DimChains[0];
    stored.Dimensions[1].QLow = 0.1;
    stored.Dimensions[4].QHigh = 0.15;
    set.to(bytes);
    ASSERT_TRUE(drApi::MA.drSetUserData(R().IDoc, set.NameUserData, bytes, false, {}));
    tvapi::IDimensionTextPtr(Dims[4])->GetUpperDeviation()->SetStr(L"  0,150");
    Dims[4]->Update();
    Journal().Clear();
    Open();
    EXPECT_EQ(Said("Изменился размер "), 1);
    EXPECT_EQ(Gap(), L"  0,350/ -0,350");
}

INSTANTIATE_TEST_SUITE_P(Minus, TPocketMinusTest,
                         testing::Values(TMinusCase{"Hyphen", L"-0,1"}, TMinusCase{"MinusSign", L"\u22120,1"},
                                         TMinusCase{"EnDash", L"\u20130,1"}),
                         [](const testing::TestParamInfo<TMinusCase>& p) {
                             return std::string(p.param.Name);
                         });

// The em dash, which the code page holds (the reading itself sees every dash of its table).
INSTANTIATE_TEST_SUITE_P(Dashes, TPocketMinusTest, testing::Values(TMinusCase{"EmDash", L"\u20140,1"}),
                         [](const testing::TestParamInfo<TMinusCase>& p) {
                             return std::string(p.param.Name);
                         });

// The pocket with the plate's lower text, or the upper text of an angle laid on the plate, as a
// user may write it: a number that does not read whole is told once per opening, naming the
// text, and counts as it was read; one that reads whole is quiet. A figure beyond the grid's
// bound (1 000 000, mm or degrees) is told too large, as one a double cannot hold (which shows
// blank), and its chain is not calculated: the gap keeps its own texts. OnClosingAngle: the text
// is the own upper text of the closing 75 of a chain of angles (30 +12'/-6', 45 +-9'), kept
// when the chain writes over it, and judged as an angle.
enum TTextOn { OnPlate, OnAngle, OnClosingAngle };
struct TUnreadCase {
    const char* Name;
    const wchar_t* Text;
    TTextOn On;
    bool Told;
    const wchar_t* Gap;          // the gap's texts
    bool TooLarge = false;       // told too large, the chain not calculated
    const char* Shown = nullptr; // the text's cell in the plate's row, when checked
};
void PrintTo(const TUnreadCase& c, std::ostream* os)
{
    *os << c.Name;
}

const std::wstring FourHundredNines = L"-" + std::wstring(400, L'9');

class TPocketUnreadTest : public TStackFixture, public testing::WithParamInterface<TUnreadCase> {
protected:
    long Told(const std::wstring& Text, bool TooLarge = false)
    {
        return Said(
            ("Отклонение «" + U(ShownText(Text)) + (TooLarge ? "» слишком велико" : "» не число")).c_str());
    }
    // The chain picked with the case's text; its closing dimension.
    tvapi::IDrawingObjectPtr PickWith(const TUnreadCase& c)
    {
        if (c.On == OnClosingAngle) {
            Open();
            PickAngle(0, 30, 0.2, -0.1, 40);
            PickAngle(30, 75, 0.15, -0.15, 60);
            PickAngle(0, 75, 0, 0, 80, 25, c.Text);
            Dims = Drawn();
            return Dims.at(4);
        }
        Draw(Pocket);
        const tvapi::IDrawingObjectPtr angle = Angle(0, 30);
        tvapi::IAngleDimensionPtr(angle)->SetXc(60);
        tvapi::IAngleDimensionPtr(angle)->SetDistance(10);
        const tvapi::IDimensionTextPtr written(c.On == OnAngle ? angle : Dims[1]);
        (c.On == OnAngle ? written->GetUpperDeviation() : written->GetLowerDeviation())->SetStr(c.Text);
        tvapi::IDrawingObjectPtr(written)->Update();
        Open();
        for (std::size_t k = 0; k < Pocket.size(); ++k)
            PickFace(Pocket, k);
        if (c.On == OnAngle) {
            Pick(60 + 10 * std::cos(0.2618), 10 * std::sin(0.2618));
            Pick(3, Height(1));
        }
        return Dims.back();
    }
};

TEST_P(TPocketUnreadTest, ToldOncePerOpeningWhenNotReadWhole)
{
    const TUnreadCase& c = GetParam();
    const tvapi::IDrawingObjectPtr gap = PickWith(c);
    ASSERT_EQ(Panel->Chain().Closed, !c.TooLarge);
    EXPECT_EQ(Upper(gap) + L"/" + Lower(gap), c.Gap);
    EXPECT_EQ(Said(TDimensionChains::NoNumbersText), c.TooLarge ? 1 : 0);
    if (c.Shown) {
        EXPECT_EQ(Cell(2, c.On == OnAngle ? rAQHigh : rQLow), c.Shown);
    }
    Type(1, rEQHigh, L"0"); // followed again: told no more
    EXPECT_EQ(Told(c.Text, c.TooLarge), c.Told ? 1 : 0);
    // A text changed is told again; the next opening tells each text once more, and leaves a
    // chain it refused uncalculated.
    tvapi::IDimensionTextPtr(Dims[0])->GetUpperDeviation()->SetStr(L"0,O5");
    Type(1, rEQHigh, L"0");
    EXPECT_EQ(Told(L"0,O5"), 1);
    Panel->ButtonClick(1);
    Panel.reset();
    Open();
    EXPECT_EQ(Told(c.Text, c.TooLarge), c.Told ? 2 : 0);
    EXPECT_EQ(Panel->Chain().Closed, !c.TooLarge);
}

INSTANTIATE_TEST_SUITE_P(
    Texts, TPocketUnreadTest,
    testing::Values(
        TUnreadCase{"LetterOForZero", L"-O,1", OnPlate, true, L"  0,250/ -0,350"},
        TUnreadCase{"BlankAfterTheMinus", L"- 0,1", OnPlate, true, L"  0,250/ -0,350"},
        TUnreadCase{"Minus", L"-0,1", OnPlate, false, L"  0,350/ -0,350"},
        TUnreadCase{"LeadingBlanks", L"  0,1", OnPlate, false, L"  0,150/ -0,350"},
        TUnreadCase{"AngleInMarks", L"+0\u00b010'", OnAngle, false, L"  0,350/ -0,350"},
        TUnreadCase{"AngleWithALetter", L"+O\u00b010'", OnAngle, true, L"  0,350/ -0,350"},
        TUnreadCase{"WithinTheBound", L"-999999", OnPlate, false, L"999999,250/ -0,350"},
        TUnreadCase{"BeyondTheBound", L"-100000000000000,0", OnPlate, true, L"/", true},
        TUnreadCase{"AngleBeyondTheBound", L"+1000001", OnAngle, true, L"/", true},
        TUnreadCase{"TooLargeForADouble", FourHundredNines.c_str(), OnPlate, true, L"/", true, ""},
        TUnreadCase{"ClosingAngleKeptInMarks", L"+0\u00b010'", OnClosingAngle, false, L"21'/-15'"}),
    [](const testing::TestParamInfo<TUnreadCase>& p) { return std::string(p.param.Name); });

// The sample's chain A, B, C picked in a scripted run of the command.
const std::string PickChainScript =
    "move 20 44\nclick 20 44\nmove 35 34\nclick 35 34\nmove 15 28\nclick 15 28\n";

// How the closing link C of the sample's chain A, B, C stops closing, or the run ends.
enum class TTakenOut {
    ClickedAgain,
    GridCommand,
    ChainRemoved,
    ComponentRemoved,
    Cancelled,
    CommandCancelled
};

struct TTakeBackCase {
    const char* Name;
    TTakenOut How;
};

void PrintTo(const TTakeBackCase& c, std::ostream* os)
{
    *os << c.Name;
}

class TTakeBackTest : public TStackFixture, public testing::WithParamInterface<TTakeBackCase> {};

// Whatever way C stops closing, or the run is cancelled, every text is as before the run; C's
// link, still in the chain, reads its own deviations again.
TEST_P(TTakeBackTest, EveryTextTheRunWroteComesBack)
{
    const TTakeBackCase& t = GetParam();
    DrawChain();
    Dims = {A, B, C};
    const std::vector<std::wstring> before = Texts();
    if (t.How == TTakenOut::CommandCancelled) {
        std::string error;
        ASSERT_TRUE(tvhost::Script().Load(PickChainScript + "cancel\n", error)) << error;
        EXPECT_TRUE(DimensionChain());
        EXPECT_EQ(Said("Цепь замкнулась"), 1);
        EXPECT_EQ(Texts(), before);
        return;
    }
    Open();
    PickChain();
    ASSERT_TRUE(Panel->Chain().Closed);
    ASSERT_NE(Texts(), before);
    const tvapi::IPropertyControlPtr grid(Panel->grListDimChain);
    switch (t.How) {
    case TTakenOut::ClickedAgain:
        Pick(15, 28);
        break;
    case TTakenOut::GridCommand:
        Panel->SelectItem(grid, 0 * 256 + 3, true);
        Panel->ControlCommand(grid, 4);
        break;
    case TTakenOut::ChainRemoved:
        Panel->ControlCommand(tvapi::IPropertyControlPtr(Panel->bRemoveDimChain), 1);
        break;
    case TTakenOut::ComponentRemoved:
        Pick(35, 34);
        ASSERT_EQ(Panel->Chain().Count(), 2);
        EXPECT_EQ(Panel->Chain().Dimensions[1].QHigh, 0.0);
        EXPECT_EQ(Cell(2, 3), "  0.000");
        break;
    case TTakenOut::Cancelled:
        EXPECT_TRUE(Panel->ButtonClick(2));
        EXPECT_EQ(Panel->ExitCode, 1);
        break;
    case TTakenOut::CommandCancelled:
        break;
    }
    EXPECT_EQ(Panel->Chain().Closed, t.How == TTakenOut::Cancelled);
    EXPECT_EQ(Texts(), before);
}

INSTANTIATE_TEST_SUITE_P(Ways, TTakeBackTest,
                         testing::Values(TTakeBackCase{"ClickedAgain", TTakenOut::ClickedAgain},
                                         TTakeBackCase{"GridCommand", TTakenOut::GridCommand},
                                         TTakeBackCase{"ChainRemoved", TTakenOut::ChainRemoved},
                                         TTakeBackCase{"ComponentRemoved", TTakenOut::ComponentRemoved},
                                         TTakeBackCase{"Cancelled", TTakenOut::Cancelled},
                                         TTakeBackCase{"CommandCancelled", TTakenOut::CommandCancelled}),
                         [](const testing::TestParamInfo<TTakeBackCase>& p) {
                             return std::string(p.param.Name);
                         });

TEST_F(TStackFixture, OkKeepsWhatWasWritten)
{
    DrawChain();
    std::string error;
    ASSERT_TRUE(tvhost::Script().Load(PickChainScript + "ok\n", error)) << error;
    EXPECT_TRUE(DimensionChain());
    EXPECT_EQ(Upper(C), L"  0,100");
    EXPECT_EQ(Lower(C), L" -0,150");
}

} // namespace
