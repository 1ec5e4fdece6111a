// A closed chain follows what the user changes after it closed, and so do the chains that
// count its closing dimension.

#include "pmDimensionChain2D.h"

#include <gtest/gtest.h>

#include <string>
#include <tuple>
#include <vector>

#include "Panel2DFixture.h"
#include "TLinkText.h"

namespace {

struct TEditCase {
    const char* Name;
    std::vector<std::tuple<int, int, const wchar_t*>> Cells; // row, column, text
    const wchar_t *Method, *Risk;                            // chosen after the cells, or none
    double Hi, Lo;
};

void PrintTo(const TEditCase& c, std::ostream* os) { *os << c.Name; }

class TRecalculateTest : public TpmDimensionChain2DTest, public testing::WithParamInterface<TEditCase> {};

// C = A - B closes on +0.100/-0.150 (A 40 +-0.1, B 10 +0.05/0); what is typed or chosen after
// closing gives the hand-worked figures in the link, its row and C's text; cancel gives it back.
TEST_P(TRecalculateTest, ClosedChainFollowsTheEdit)
{
    const TEditCase& t = GetParam();
    DrawChain();
    const std::wstring before = Upper(C);
    Open();
    PickChain();
    for (const auto& [row, column, text] : t.Cells) {
        Grid().SetCurrentCell(row, column);
        Grid().SetCellText(row, column, text);
        Panel->ChangeControlValue(tvapi::IPropertyControlPtr(Panel->grListDimChain));
    }
    if (t.Method) Choose("Способ расчета", t.Method);
    if (t.Risk) Choose("Коэффициент риска", t.Risk);
    EXPECT_NEAR(Panel->Chain().Dimensions[2].QLow, t.Lo, 5e-4); // kept as written
    EXPECT_EQ(Cell(3, rQHigh), U(Wide(LinkText::Number(t.Hi))));
    EXPECT_EQ(Lower(C), Wide(LinkText::Deviation(t.Lo)));
    Panel->ButtonClick(2);
    EXPECT_EQ(Upper(C), before);
}

// Normal distribution: S = (0.2^2 + 0.05^2) / 9, middle -0.025, half sqrt(S) times the risk.
INSTANTIATE_TEST_SUITE_P(
    Changes, TRecalculateTest,
    testing::Values(TEditCase{"UpperAdded", {{1, rEQHigh, L"0,05"}}, nullptr, nullptr, 0.15, -0.15},
                    TEditCase{"LowerAdded", {{2, rEQLow, L"-0,02"}}, nullptr, nullptr, 0.12, -0.15},
                    TEditCase{"Thermal", {{1, rdLdT, L"0,01"}, {1, rdT, L"10"}}, nullptr, nullptr, 0.11, -0.16},
                    TEditCase{"Method", {}, L"Нормальное распределение", nullptr, 0.0093592, -0.0593592},
                    TEditCase{"Risk", {}, L"Нормальное распределение", L"0.27", 0.0780776, -0.1280776}),
    [](const testing::TestParamInfo<TEditCase>& p) { return std::string(p.param.Name); });

class TDependentTest : public TpmDimensionChain2DTest, public testing::WithParamInterface<bool> {};

// Chain 1 closes on C; chain 2 counts C and D (15 +-0.02) to close on E (+0.120/-0.170). When C
// changes in chain 1 (A's upper deviation typed, or B taken out), E follows.
TEST_P(TDependentTest, ChainCountingAClosingDimensionFollowsIt)
{
    DrawChain();
    Dim(30, 20, 45, 20, 60, 0.02, -0.02);
    const tvapi::IDrawingObjectPtr E = Dim(0, 15, 45, 20, 70);
    Open();
    PickChain();
    Panel->ControlCommand(tvapi::IPropertyControlPtr(Panel->bAddDimChain), 1);
    for (const double x : {15.0, 37.5, 22.5})
        Pick(x, x == 15.0 ? 28 : x == 37.5 ? 60 : 70);
    ASSERT_EQ(Lower(E), L" -0,170");
    Control("Текущая")->UserSet(L"1");
    Panel->ChangeControlValue(tvapi::IPropertyControlPtr(static_cast<tvapi::IPropertySpinEdit*>(Control("Текущая"))));
    if (GetParam()) {
        Grid().SetCurrentCell(1, rEQHigh);
        Grid().SetCellText(1, rEQHigh, L"0,05");
        Panel->ChangeControlValue(tvapi::IPropertyControlPtr(Panel->grListDimChain));
    } else {
        Pick(35, 34);
    }
    EXPECT_EQ(Upper(E), GetParam() ? L"  0,170" : L"  0,020");
    EXPECT_NEAR(Panel->DimensionChains.DimChains[1].Dimensions[2].QLow, GetParam() ? -0.17 : -0.02, 1e-9);
}

INSTANTIATE_TEST_SUITE_P(Changes, TDependentTest, testing::Bool(),
                         [](const testing::TestParamInfo<bool>& p) { return p.param ? "Edited" : "LinkRemoved"; });

} // namespace
