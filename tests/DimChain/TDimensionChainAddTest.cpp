// Chains built from real dimensions of the stand-in host: adding links, closing, writing the
// closing link's deviations into its dimension, the link grid, and the change check.

#include "AssemblyLinks.h"
#include "ChainGrid.h"
#include "FacadeChainHost.h"
#include "TDimensionChain.h"
#include "TDimensionChainSketch.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <map>
#include <numbers>
#include <ostream>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "DrawingLinks.h"
#include "HostDimensions.h"
#include "RecordingChainHost.h"

namespace {

// A grid that keeps its cells, as the panel's grid will.
class TRecordingGrid final : public TLinkGrid {
public:
    int Rows = 1;
    int CurrentRow = -1;
    int Redraws = 0;
    std::map<std::pair<int, int>, std::wstring> Cells;
    std::map<std::pair<int, int>, int> Flags;

    int RowCount() override { return Rows; }
    void SetRowCount(int r) override { Rows = r; }
    int ColumnCount() override { return 13; }
    std::wstring GetText(int r, int c) override { return Cells[{r, c}]; }
    void SetText(int r, int c, const std::wstring& t) override { Cells[{r, c}] = t; }
    void SetCellFlag(int r, int c, int f) override { Flags[{r, c}] = f; }
    void SetCurrentRow(int r) override { CurrentRow = r; }
    void Redraw() override { ++Redraws; }
    std::wstring Cell(int r, int c) { return Cells[{r, c}]; }
    int Flag(int r, int c) { return Flags[{r, c}]; }
};

class TDimensionChainAddTest : public TDrawingLinksFixture {
protected:
    TRecordingChainHost Host;

    static std::string Utf8(const TString& s)
    {
        return tvhost::ToUtf8(std::wstring(TString(s).toWideChar()));
    }
    // What a follow does once the chain closed: its figures calculated and written into its
    // dimension.
    static void WriteClosing(TDimensionChain& C)
    {
        C.TakeCalculation();
        FacadeChainHost().WriteFigures(C.Dimensions[C.Count() - 1]);
    }
};

// The closing link's worked numbers, as calculated and as written into its dimension.
TEST_F(TDimensionChainAddTest, ChainsCloseAndWriteTheClosingDeviations)
{
    struct TCase {
        const char* Name;
        double Links[3][6]; // x1, y1, x2, y2, hi, lo; the last one closes
        struct {
            Integer Mask;
            double Nominal, QHigh, QLow;
        } Link;
        struct {
            const wchar_t *Upper, *Lower;
            const char* Comment;
        } Shown;
    };
    const TCase cases[] = {
        {"Collinear",
         {{0, 0, 40, 0, 0.1, -0.1}, {30, 0, 40, 0, 0.05, 0}, {0, 0, 30, 0, 0, 0}},
         {1, 30.0, 0.1, -0.15},
         {L"  0,100", L" -0,150", "0(   0.00)[  0.100, -0.150]"}},
        {"Inclined",
         {{0, 0, 30, 0, 0.1, -0.1}, {30, 0, 30, 40, 0.15, -0.05}, {0, 0, 30, 40, 0, 0}},
         {3, 50.0, 0.18, -0.1},
         {L"  0,180", L" -0,100", "0(   0.00)[  0.180, -0.100]"}},
    };
    for (const TCase& t : cases) {
        SCOPED_TRACE(t.Name);
        TDimensionChain C;
        tvapi::IDrawingObjectPtr last;
        for (const auto& l : t.Links) {
            EXPECT_FALSE(C.Closed);
            last = Linear(l[0], l[1], l[2], l[3], l[4], l[5]);
            ASSERT_TRUE(C.Add(last, {}, Host));
        }
        ASSERT_TRUE(C.Closed);
        WriteClosing(C);
        EXPECT_EQ(C.StateClosed, t.Link.Mask);
        const TDimension& L = C.Dimensions[2];
        EXPECT_DOUBLE_EQ(L.Nominal, t.Link.Nominal);
        EXPECT_DOUBLE_EQ(L.QHigh, t.Link.QHigh);
        EXPECT_DOUBLE_EQ(L.QLow, t.Link.QLow);
        EXPECT_EQ(Upper(last), t.Shown.Upper);
        EXPECT_EQ(Lower(last), t.Shown.Lower);
        EXPECT_EQ(Utf8(L.Comment), t.Shown.Comment);
    }
}

// Linear links picked into a chain close only when they join end to end into one loop along
// their direction; equal nominals alone never close them. Each link runs from a to b along x,
// or along y; a zero link must lie on the loop.
struct TLoopCase {
    const char* Name;
    std::vector<std::array<double, 2>> Links;
    bool Vertical;
    bool Closed;
    Integer Mask;
};

void PrintTo(const TLoopCase& c, std::ostream* os)
{
    *os << c.Name;
}

class TPickedLoopTest : public TDimensionChainAddTest, public testing::WithParamInterface<TLoopCase> {};

TEST_P(TPickedLoopTest, ClosesOnlyOnOneLoop)
{
    const TLoopCase& t = GetParam();
    TDimensionChain C;
    for (const auto& [a, b] : t.Links) {
        const auto d = t.Vertical ? LinearAt(std::numbers::pi / 2, 5, a, 5, b) : LinearAt(0, a, 5, b, 5);
        ASSERT_TRUE(C.Add(d, {}, Host));
    }
    EXPECT_EQ(C.Closed, t.Closed);
    if (t.Closed) {
        EXPECT_EQ(C.StateClosed, t.Mask);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Loops, TPickedLoopTest,
    testing::Values(TLoopCase{"Stepped", {{0, 40}, {30, 40}, {0, 30}}, false, true, 1},
                    TLoopCase{"SteppedVertical", {{0, 40}, {30, 40}, {0, 30}}, true, true, 1},
                    TLoopCase{"PointsReversed", {{40, 0}, {40, 30}, {30, 0}}, false, true, 1},
                    TLoopCase{"EqualPartsInARow", {{0, 10}, {10, 20}}, false, false, 0},
                    TLoopCase{"SameFacesTwice", {{0, 10}, {0, 10}}, false, true, 1},
                    TLoopCase{"TwoLoops", {{0, 10}, {0, 10}, {20, 30}, {20, 30}}, false, false, 0},
                    TLoopCase{"ThreeEndsOnAFace", {{0, 10}, {10, 20}, {0, 20}, {0, 20}}, false, false, 0},
                    TLoopCase{"ZeroGapOnTheLoop", {{0, 20}, {0, 15}, {15, 20}, {20, 20}}, false, true, 1},
                    TLoopCase{"ZeroGapOffTheLoop", {{0, 20}, {0, 15}, {15, 20}, {25, 25}}, false, false, 0},
                    TLoopCase{
                        "EachEndWithinTheTolerance", {{0, 10.0008}, {10, 20.0008}, {0, 20}}, false, true, 3},
                    TLoopCase{"AnEndBeyondTheTolerance", {{0, 10.0012}, {10, 20}, {0, 20}}, false, false, 0}),
    [](const testing::TestParamInfo<TLoopCase>& p) { return std::string(p.param.Name); });

// Housing 30 +-0.1 holding parts of 20 +0.05/0 and 10 +0.05/0, in the order given, then the gap
// G = 0 that closes them, as a pick's closing step sees them: G is the housing less its parts,
// +0.1/-0.2, whichever part comes first.
class TZeroGapSenseTest : public TDimensionChainAddTest,
                          public testing::WithParamInterface<std::array<int, 3>> {};

TEST_P(TZeroGapSenseTest, GapIsTheHousingLessItsParts)
{
    const tvapi::IDrawingObjectPtr parts[] = {Linear(0, 0, 30, 0, 0.1, -0.1), Linear(0, 0, 20, 0, 0.05, 0),
                                              Linear(20, 0, 30, 0, 0.05, 0)};
    const tvapi::IDrawingObjectPtr gap = LinearAt(0, 30, 0, 30, 0);
    TDimensionChain C;
    TDimension L;
    for (const tvapi::IDrawingObjectPtr& d :
         {parts[GetParam()[0]], parts[GetParam()[1]], parts[GetParam()[2]], gap}) {
        L.SetLDim(FacadeChainHost(), d, {});
        C.Dimensions.Add(L);
    }
    ASSERT_TRUE(C.RunClosingStep({}));
    WriteClosing(C);
    EXPECT_EQ(Upper(gap), L"  0,100");
    EXPECT_EQ(Lower(gap), L" -0,200");
}

std::string PartOrderName(const testing::TestParamInfo<std::array<int, 3>>& p)
{
    static const char* const Names[] = {"Housing", "Twenty", "Ten"};
    return std::string(Names[p.param[0]]) + Names[p.param[1]] + Names[p.param[2]];
}

INSTANTIATE_TEST_SUITE_P(Orders, TZeroGapSenseTest,
                         testing::Values(std::array<int, 3>{0, 1, 2}, std::array<int, 3>{0, 2, 1},
                                         std::array<int, 3>{1, 0, 2}, std::array<int, 3>{1, 2, 0},
                                         std::array<int, 3>{2, 0, 1}, std::array<int, 3>{2, 1, 0}),
                         PartOrderName);

// A closing link no longer than the zero-gap tolerance (0,001 in a drawing, 1e-5 in an assembly)
// is a gap designed to be zero, taken as the housing less its parts; a longer one keeps the
// sense its ends give. The parts overrun the housing by the gap: drawn, housing 30 +-0.1, parts
// 20 +0.05/0 and 10 + gap +0.05/0 from the gap's end, the gap zero +0.1/-0.2, else the overrun
// +0.2/-0.1; in an assembly, housing 20 +0.1/0, parts 15 +-0.05 and 5 + gap 0/-0.08, the gap
// zero +0.23/-0.05, else the overrun +0.05/-0.23.
struct TGapCase {
    const char* Name;
    bool Model;
    double Gap;
    bool Zero;
};

void PrintTo(const TGapCase& c, std::ostream* os)
{
    *os << c.Name;
}

class TZeroGapToleranceTest : public TDimensionChainAddTest, public testing::WithParamInterface<TGapCase> {
protected:
    // A model link between faces Z1 and Z2 along z, numbered P1 and P2 as the pool numbers them.
    static TDimension Between(int P1, double Z1, int P2, double Z2, double Hi, double Lo)
    {
        TDimension L = NewAssemblyLink(tvapi::o3d_lineDimension3D);
        L.IP1 = P1;
        L.IP2 = P2;
        L.PL1.Set(TPoint3D(0, 0, Z1), TVector3D(0, 0, 1));
        L.PL2.Set(TPoint3D(0, 0, Z2), TVector3D(0, 0, 1));
        L.V3 = TVector3D(0, 0, Z2 - Z1);
        L.Nominal = L.V3.Len();
        L.QHigh = Hi;
        L.QLow = Lo;
        return L;
    }
};

TEST_P(TZeroGapToleranceTest, DecidesTheGapsSense)
{
    const TGapCase& c = GetParam();
    const double g = c.Gap;
    TDimensionChain C;
    if (c.Model) {
        // The housing last of the parts: the walk alone would take the gap as their overrun.
        for (const TDimension& L : {Between(0, 0, 2, 15, 0.05, -0.05), Between(2, 15, 3, 20 + g, 0, -0.08),
                                    Between(0, 0, 1, 20, 0.1, 0), Between(1, 20, 3, 20 + g, 0, 0)})
            C.Dimensions.Add(L);
    } else {
        TDimension L;
        for (const tvapi::IDrawingObjectPtr& d :
             {Linear(g, 0, 30 + g, 0, 0.1, -0.1), Linear(0, 0, 20, 0, 0.05, 0),
              Linear(20, 0, 30 + g, 0, 0.05, 0), LinearAt(0, 0, 0, g, 0)}) {
            L.SetLDim(FacadeChainHost(), d, {});
            C.Dimensions.Add(L);
        }
    }
    ASSERT_TRUE(C.RunClosingStep({}));
    ASSERT_TRUE(C.TakeCalculation());
    const TDimension& gap = C.Dimensions[3];
    // A drawn zero gap's limits are written against the length it shows, g, not the -g its
    // parts give.
    const double shift = !c.Model && c.Zero ? -2 * g : 0.0;
    const double hi = shift + (c.Model ? (c.Zero ? 0.23 : 0.05) : (c.Zero ? 0.1 : 0.2));
    const double lo = shift + (c.Model ? (c.Zero ? -0.05 : -0.23) : (c.Zero ? -0.2 : -0.1));
    EXPECT_NEAR(gap.QHigh, hi, 1e-9);
    EXPECT_NEAR(gap.QLow, lo, 1e-9);
}

INSTANTIATE_TEST_SUITE_P(Gaps, TZeroGapToleranceTest,
                         testing::Values(TGapCase{"Drawn0_0009", false, 0.0009, true},
                                         TGapCase{"Drawn0_001", false, 0.001, true},
                                         TGapCase{"Drawn0_0011", false, 0.0011, false},
                                         TGapCase{"Drawn0_002", false, 0.002, false},
                                         TGapCase{"Assembly0_9em5", true, 0.9e-5, true},
                                         TGapCase{"Assembly1_1em5", true, 1.1e-5, false}),
                         [](const testing::TestParamInfo<TGapCase>& p) { return std::string(p.param.Name); });

// Parts A 10 +-0.1 and B 10 +0.05/0 between the same faces, the gap G = 0 at their end: equally
// long, the one first in the chain is added, G = A - B (+0.1/-0.15) or B - A (+0.15/-0.1).
class TZeroGapTieTest : public TDimensionChainAddTest, public testing::WithParamInterface<bool> {};

TEST_P(TZeroGapTieTest, GoesToTheFirstOfEquallyLongParts)
{
    const tvapi::IDrawingObjectPtr a = Linear(0, 0, 10, 0, 0.1, -0.1), b = Linear(0, 0, 10, 0, 0.05, 0);
    const tvapi::IDrawingObjectPtr gap = LinearAt(0, 10, 0, 10, 0);
    TDimensionChain C;
    TDimension L;
    for (const tvapi::IDrawingObjectPtr& d : {GetParam() ? b : a, GetParam() ? a : b, gap}) {
        L.SetLDim(FacadeChainHost(), d, {});
        C.Dimensions.Add(L);
    }
    ASSERT_TRUE(C.RunClosingStep({}));
    WriteClosing(C);
    EXPECT_EQ(Upper(gap) + Lower(gap), GetParam() ? L"  0,150 -0,100" : L"  0,100 -0,150");
}

INSTANTIATE_TEST_SUITE_P(Orders, TZeroGapTieTest, testing::Bool(),
                         [](const testing::TestParamInfo<bool>& p) { return p.param ? "BFirst" : "AFirst"; });

// A diameter laid along a direction object has no ends in the drawing: its chain closes on the
// signs of the vectors, as ever, wherever the other links stand.
TEST_F(TDimensionChainAddTest, ChainWithADiameterClosesOnItsVectors)
{
    TDimensionChain C;
    ASSERT_TRUE(C.Add(Linear(0, 0, 30, 0), {}, Host));
    ASSERT_TRUE(C.Add(Circle(true, 0, 50, 10), LinearAt(std::numbers::pi / 2, 60, 0, 60, 10), Host));
    ASSERT_DOUBLE_EQ(std::fabs(C.Dimensions[1].V2.x), 20.0);
    EXPECT_FALSE(C.Closed);
    ASSERT_TRUE(C.Add(Linear(100, 7, 110, 7), {}, Host));
    EXPECT_TRUE(C.Closed);
}

// A component of zero length (a face offset designed to be 0 +0.02/-0.01) still moves the
// closing link by its field, measured along its own dimension; having no sense of its own, it is
// subtracted, as the lowest closing mask signs it.
TEST_F(TDimensionChainAddTest, ZeroComponentKeepsItsField)
{
    TDimensionChain C;
    ASSERT_TRUE(C.Add(Linear(0, 0, 20, 0, 0.1, -0.1), {}, Host));
    ASSERT_TRUE(C.Add(LinearAt(0, 20, 0, 20, 0, 0.02, -0.01), {}, Host));
    const auto closing = Linear(0, 0, 20, 0);
    ASSERT_TRUE(C.Add(closing, {}, Host));
    ASSERT_TRUE(C.Closed);
    WriteClosing(C);
    EXPECT_NEAR(C.Dimensions[2].QHigh - C.Dimensions[2].QLow, 0.23, 1e-9);
    EXPECT_EQ(Upper(closing), L"  0,110");
    EXPECT_EQ(Lower(closing), L" -0,120");
}

TEST_F(TDimensionChainAddTest, LinkKeepsTheValuesWrittenIntoTheDrawing)
{
    // Spreads of 0.1/3 give a deviation the texts can only hold to three decimals.
    TDimensionChain C;
    ASSERT_TRUE(C.Add(Linear(0, 0, 40, 0, 1.0 / 30.0, -1.0 / 30.0), {}, Host));
    const auto c = Linear(0, 0, 40, 0);
    ASSERT_TRUE(C.Add(c, {}, Host));
    ASSERT_TRUE(C.Closed);
    WriteClosing(C);
    EXPECT_EQ(Upper(c), L"  0,033");
    EXPECT_DOUBLE_EQ(C.Dimensions[1].QHigh, 0.033);
    EXPECT_FALSE(C.Dimensions[1].LoadChange(FacadeChainHost()));
}

TEST_F(TDimensionChainAddTest, NonFiniteDeviationsAreNeverWritten)
{
    TDimension D;
    const auto d = Linear(0, 0, 40, 0, 0.1, -0.1);
    D.SetLDim(FacadeChainHost(), d, {});
    const std::wstring upper = Upper(d), lower = Lower(d);
    D.QHigh = std::nan("");
    D.QLow = -0.2;
    D.toDrawing(FacadeChainHost());
    EXPECT_EQ(Upper(d), upper);
    EXPECT_EQ(Lower(d), lower);
    D.QHigh = 0.3;
    D.toDrawing(FacadeChainHost());
    EXPECT_EQ(Upper(d), L"  0,300");
}

// Converted as the panel converts them (deviations reversed), an angular link and a linear link
// with an angular dimension read back unchanged from the drawing.
TEST_F(TDimensionChainAddTest, ConvertedAngularLinksDoNotLookChanged)
{
    const auto angle = Angle(90, 60, 0.5, -0.5);
    TDimension A, L;
    A.SetADim(FacadeChainHost(), angle, Segment(0, 0, 3, 4));
    L.SetLDim(FacadeChainHost(), Linear(0, 0, 40, 0), angle);
    for (TDimension* D : {&A, &L}) {
        D->Transformation = true;
        D->AQHigh = -D->AQHigh;
        D->AQLow = -D->AQLow;
        EXPECT_FALSE(D->LoadChange(FacadeChainHost()));
        EXPECT_DOUBLE_EQ(D->AQHigh, -0.5);
    }
}

TEST_F(TDimensionChainAddTest, ModelLinkWritesItsDimensionAndUpdatesIt)
{
    const tvapi::Ptr<tvhost::THostModelDimension> dim = tvhost::New<tvhost::THostModelDimension>(30.0);
    TDimension D;
    D.MO = tvapi::IModelObjectPtr(static_cast<tvapi::IModelObject*>(dim.Get()));
    D.QHigh = 0.05;
    D.QLow = -0.125;
    D.toDrawing(FacadeChainHost());
    EXPECT_EQ(dim->Text("Upper").Str(), L"  0,050");
    EXPECT_EQ(dim->Text("Lower").Str(), L" -0,125");
    EXPECT_EQ(dim->Updates(), 1);
}

TEST_F(TDimensionChainAddTest, AddRefusesObjectsThatCannotBeLinks)
{
    TDimensionChain C;
    EXPECT_FALSE(C.Add(Segment(0, 0, 10, 0), {}, Host));
    EXPECT_FALSE(C.Add({}, {}, Host));
    EXPECT_FALSE(C.Add(Angle(), {}, Host));
    // An angular dimension with a linear dimension that is no link is dropped.
    EXPECT_FALSE(C.Add(Angle(), Linear(0, 0, 10, 0), Host));
    EXPECT_EQ(C.Count(), 0);
    EXPECT_TRUE(C.Add(Angle(), Segment(0, 0, 3, 4), Host));
    EXPECT_EQ(C.Count(), 1);
    EXPECT_DOUBLE_EQ(C.Dimensions[0].V2.y, 4.0);
}

// A linear dimension with an unlinked auxiliary one becomes a new link alone; an angle on a
// linked linear dimension, or on a radius, is laid on that link and closes nothing.
TEST_F(TDimensionChainAddTest, AuxiliaryDimensionsJoinOnlyLinkedLinks)
{
    TDimensionChain C;
    const auto a = Linear(0, 0, 10, 0);
    ASSERT_TRUE(C.Add(a, Linear(0, 0, 0, 10), Host));
    ASSERT_EQ(C.Count(), 1);
    EXPECT_FALSE(C.Dimensions[0].AuxObj);
    EXPECT_EQ(C.Dimensions[0].TypeAuxiliary, 0);
    EXPECT_DOUBLE_EQ(C.Dimensions[0].V2.x, 10.0);
    ASSERT_TRUE(C.Add(Angle(), a, Host));
    ASSERT_EQ(C.Count(), 1);
    EXPECT_EQ(C.Dimensions[0].TypeAuxiliary, tvapi::tvDrADimension);
    EXPECT_DOUBLE_EQ(C.Dimensions[0].ANominal, 30.0);
    // A radius laid along a segment, then the angle picked onto it.
    const auto r = Circle(false, 0, 0, 15, 0, -0.01);
    ASSERT_TRUE(C.Add(r, Segment(0, 0, 10, 0), Host));
    const auto angle = Angle();
    const TAdded laid = C.Add(angle, r, Host);
    ASSERT_TRUE(laid);
    EXPECT_EQ(laid.Recaptured, 1);
    EXPECT_EQ(laid.Closing.State, TClosing::Open);
    ASSERT_EQ(C.Count(), 2);
    EXPECT_TRUE(C.Dimensions[1].AngleAuxObj == angle);
    EXPECT_FALSE(C.Closed);
}

TEST_F(TDimensionChainAddTest, GridShowsRowsLabelsAndSigns)
{
    TDimensionChain C;
    auto grid = std::make_shared<TRecordingGrid>();
    const TLinkGridPtr shown = grid;
    const auto add = [&](const tvapi::IDrawingObjectPtr& obj) {
        const TAdded added = C.Add(obj, {}, Host);
        if (added.Closing) C.TakeCalculation(); // what the follow does
        ChainGrid::WriteAdded(shown, C, added, 1);
        return added.Added;
    };
    ASSERT_TRUE(add(Linear(0, 0, 40, 0, 0.1, -0.1)));
    EXPECT_EQ(grid->Rows, 2);
    EXPECT_EQ(grid->Cell(1, 0), L"02.00");
    EXPECT_EQ(grid->Cell(1, 2), L"  40.00");
    EXPECT_EQ(grid->Cell(1, 3), L"  0.100");
    EXPECT_EQ(grid->Flag(1, 7), 0);
    EXPECT_EQ(grid->Flag(1, 8), 1);
    ASSERT_TRUE(add(Linear(30, 0, 40, 0, 0.05, 0.0)));
    ASSERT_TRUE(add(Linear(0, 0, 30, 0)));
    ASSERT_TRUE(C.Closed);
    EXPECT_EQ(grid->Cell(3, 0), L"02.02*");
    EXPECT_EQ(grid->Cell(1, 1), L"+");
    EXPECT_EQ(grid->Cell(2, 1), L"-");
    EXPECT_EQ(grid->Cell(3, 5), L"-");
    EXPECT_EQ(grid->CurrentRow, 3);
    EXPECT_EQ(grid->Cell(3, 3), L"  0.100");
    EXPECT_EQ(grid->Cell(3, 4), L" -0.150");

    const tvapi::IDrawingObjectPtr removed = C.Dimensions[1].Obj;
    C.Remove(removed, Host);
    ChainGrid::DeleteRow(shown, C, 1);
    EXPECT_FALSE(C.Closed);
    EXPECT_EQ(grid->Cell(2, 0), L"1A2");
    EXPECT_EQ(grid->Cell(3, 2), L"");
}

TEST_F(TDimensionChainAddTest, ChangeCheckKeepsTheUsersValues)
{
    const auto a = Linear(0, 0, 40, 0, 0.1, -0.1);
    TDimension D;
    D.SetLDim(FacadeChainHost(), a, {});
    D.refObject = 4;
    D.Comment = TString("посадка");
    D.EQHigh = 0.01;
    D.dLdT = 12e-6;
    D.AQHigh = 0.5; // typed on the toolbar
    EXPECT_FALSE(D.LoadChange(FacadeChainHost()));

    tvapi::ILineDimensionPtr(a)->SetX2(45.0);
    a->Update();
    ASSERT_TRUE(D.LoadChange(FacadeChainHost()));
    EXPECT_DOUBLE_EQ(D.Nominal, 45.0);
    EXPECT_EQ(D.refObject, 4);
    EXPECT_EQ(Utf8(D.Comment), "посадка");
    EXPECT_EQ(D.EQHigh, 0.01);
    EXPECT_EQ(D.AQHigh, 0.5);
    EXPECT_FALSE(D.LoadChange(FacadeChainHost()));
}

TEST_F(TDimensionChainAddTest, ChangeCheckKeepsAProjectionAndIgnoresReplacedObjects)
{
    const auto a = Linear(0, 0, 10, 0, 0.2, -0.1);
    TDimension D;
    D.SetLDim(FacadeChainHost(), a, {});
    D.SetProjectionOn(FacadeChainHost(),
                      Segment(0, 0, std::cos(std::numbers::pi / 3), std::sin(std::numbers::pi / 3)));
    ASSERT_NEAR(D.V2.Len(), 5.0, 1e-12);
    EXPECT_FALSE(D.LoadChange(FacadeChainHost()));
    EXPECT_NEAR(D.QHigh, 0.1, 1e-12);
    D.Type = tvapi::tvDrDDimension; // the object was replaced: nothing is reloaded
    EXPECT_FALSE(D.LoadChange(FacadeChainHost()));
    EXPECT_EQ(D.Type, tvapi::tvDrDDimension);
}

// Projections made on the tool bar come back from the drawing as they were made: onto a linear
// dimension through the angular deviations, and onto a segment after a linear dimension gave a
// diametral link its direction.
TEST_F(TDimensionChainAddTest, ChangeCheckRemakesEachProjectionAsItWasMade)
{
    const double c60 = std::cos(std::numbers::pi / 3), s60 = std::sin(std::numbers::pi / 3);
    TDimension L;
    L.SetLDim(FacadeChainHost(), Linear(0, 0, 10, 0, 0.2, -0.1), Angle(90, 60, 0.5, -0.5));
    // A parallel dimension measured at 60 degrees (its angle from its first point to its second).
    const tvapi::IDrawingObjectPtr tilted = Linear(c60, s60, 0, 0);
    L.SetProjectionOn(FacadeChainHost(), tilted);
    ASSERT_NEAR(L.V2.Len(), 5.0, 1e-12);
    // Through the tilt of 60 degrees and the angular deviations, not by half the link.
    const double hi =
        std::max(std::cos(59.5 * std::numbers::pi / 180), std::cos(60.5 * std::numbers::pi / 180));
    ASSERT_NEAR(L.QHigh, hi * 10.2 - 5.0, 1e-12);
    const TDimension linear = L;
    EXPECT_FALSE(L.LoadChange(FacadeChainHost()));
    EXPECT_EQ(L.QHigh, linear.QHigh);
    EXPECT_EQ(L.QLow, linear.QLow);

    TDimension D;
    D.SetDDim(FacadeChainHost(), Circle(true, 0, 0, 10, 0.1, 0.0), Linear(0, 0, 0, 10));
    ASSERT_NEAR(D.V2.Len(), 20.0, 1e-12);
    D.SetProjectionOn(FacadeChainHost(), Segment(0, 0, c60, s60));
    ASSERT_NEAR(D.V2.Len(), 10.0, 1e-12);
    const TDimension diametral = D;
    EXPECT_FALSE(D.LoadChange(FacadeChainHost()));
    EXPECT_NEAR(D.V2.Len(), 10.0, 1e-12);
    EXPECT_EQ(D.QHigh, diametral.QHigh);
    EXPECT_NEAR(D.QHigh, 0.05, 1e-12);
}

} // namespace

namespace {

class TDimensionChainSketchTest : public TDimensionChainAddTest {
protected:
    std::vector<tvapi::ILineSegmentPtr> Segments()
    {
        std::vector<tvapi::ILineSegmentPtr> out;
        for (const auto& o : tvapi::IDrawingContainerPtr(R().View)->GetObjects(tvapi::tvDrLineSeg))
            out.push_back(tvapi::ILineSegmentPtr(o));
        return out;
    }
};

TEST_F(TDimensionChainSketchTest, SlideRunsHeadToTailAndReturnsToItsStart)
{
    TDimensionChain C;
    ASSERT_TRUE(C.Add(Linear(0, 0, 40, 0), {}, Host));
    EXPECT_FALSE(MakeSlide(C)) << "an open chain draws no slide";
    EXPECT_TRUE(Segments().empty());
    ASSERT_TRUE(C.Add(Linear(30, 0, 40, 0), {}, Host));
    ASSERT_TRUE(C.Add(Linear(0, 0, 30, 0), {}, Host));
    ASSERT_TRUE(C.Closed);
    EXPECT_TRUE(MakeSlide(C));
    const auto lines = Segments();
    ASSERT_EQ(lines.size(), 3u);
    // Link 0 (bit set) is drawn reversed in style 1, link 1 as it is in style 2.
    EXPECT_DOUBLE_EQ(lines[0]->GetX2(), -40.0);
    EXPECT_EQ(lines[0]->GetStyle(), 1);
    EXPECT_DOUBLE_EQ(lines[1]->GetX2(), -30.0);
    EXPECT_EQ(lines[1]->GetStyle(), 2);
    EXPECT_DOUBLE_EQ(lines[2]->GetX2(), 0.0);
    EXPECT_EQ(lines[2]->GetStyle(), 7);
}

TEST_F(TDimensionChainSketchTest, ParametricSketchKeepsEveryPointOfALongChain)
{
    TDimensionChain C;
    for (int i = 0; i < 25; ++i)
        ASSERT_TRUE(C.Add(Linear(i, 0, i + 1, 0), {}, Host));
    EXPECT_TRUE(Parametric(C));
    const auto lines = Segments();
    // 24 steps, a start mark and 24 end marks.
    ASSERT_EQ(lines.size(), 24u + 25u);
    for (int k = 1; k < 24; ++k) {
        SCOPED_TRACE(k);
        EXPECT_DOUBLE_EQ(lines[k]->GetX1(), lines[k - 1]->GetX2());
        EXPECT_DOUBLE_EQ(std::fabs(lines[k]->GetX2() - lines[k]->GetX1()), 1.0);
    }
}

// A deviation typed into the grid is wholly a number or refused, the link keeping its 0,5.
using TTyped = std::tuple<const char*, std::string, double>; // name, text, the value kept
using TypedCellTest = ::testing::TestWithParam<TTyped>;
TEST_P(TypedCellTest, WhollyANumberOrRefused)
{
    TDimensionChain C;
    C.Dimensions.Add().EQHigh = 0.5;
    auto grid = std::make_shared<TRecordingGrid>();
    const auto& [name, text, kept] = GetParam();
    grid->SetText(1, rEQHigh, tvhost::FromUtf8(text));
    const bool taken = ChainGrid::TakeEdit(grid, C, 1, rEQHigh) == ChainGrid::TCellEdit::Taken;
    EXPECT_EQ(taken, kept != 0.5);
    EXPECT_DOUBLE_EQ(C.Dimensions[0].EQHigh, kept);
}
INSTANTIATE_TEST_SUITE_P(
    Texts, TypedCellTest,
    ::testing::Values(TTyped{"LetterBefore", "e4", 0.5}, TTyped{"SignBefore", "$0,05", 0.5},
                      TTyped{"LetterBeforeMinus", "x-0,02", 0.5}, TTyped{"MinusAfter", "4-", 0.5},
                      TTyped{"BlanksAround", " -0,02 ", -0.02}, TTyped{"PlusAndPoint", "+4.5", 4.5}),
    [](const auto& p) { return std::string(std::get<0>(p.param)); });

} // namespace
