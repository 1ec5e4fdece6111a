// A picked chain's figures as the drawing means them: a stack of vertical dimensions as the
// stack turned a quarter, a nominal typed over the drawn length, angular deviations laid on a
// linear link, and a ring of angles.

#include "pmDimensionChain2D.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>
#include <numbers>
#include <ostream>
#include <string>
#include <vector>

#include "FacadeChainHost.h"
#include "Panel2DFixture.h"
#include "TDimensionChains.h"

namespace {

// A part of a stack on its axis, from face A to face B, with its deviations.
struct TStackPart {
    double A, B, Hi, Lo;
};

// Along X as horizontal dimensions; along Y as vertical ones with the angle left at 0 (as the
// overall-size routine makes them), or as parallel ones measured at 90 degrees.
enum class TDrawnAs { Horizontal, Vertical, ParallelUp };

const char* DrawnName(TDrawnAs As)
{
    return As == TDrawnAs::Horizontal ? "Horizontal" : As == TDrawnAs::Vertical ? "Vertical" : "ParallelUp";
}

void PrintTo(TDrawnAs As, std::ostream* os)
{
    *os << DrawnName(As);
}

class TChainFiguresTest : public TpmDimensionChain2DTest {
protected:
    void TearDown() override
    {
        Dims.clear();
        TpmDimensionChain2DTest::TearDown();
    }
    // The k-th dimension's line stands 10 (k + 1) off the axis; a pick clicks its middle.
    void Draw(const std::vector<TStackPart>& Stack, TDrawnAs As)
    {
        const bool up = As != TDrawnAs::Horizontal;
        for (const TStackPart& p : Stack) {
            const double line = 10.0 * (Dims.size() + 1), mid = (p.A + p.B) / 2;
            const tvapi::ILineDimensionPtr d(
                up ? LinearAt(As == TDrawnAs::Vertical ? 0 : std::numbers::pi / 2, 0, p.A, 0, p.B, p.Hi, p.Lo)
                   : LinearAt(0, p.A, 0, p.B, 0, p.Hi, p.Lo));
            if (As != TDrawnAs::ParallelUp)
                d->SetOrientation(up ? tvapi::tvLinDVertical : tvapi::tvLinDHorizontal);
            up ? d->SetX3(line) : d->SetY3(line);
            d->Update();
            Dims.push_back(tvapi::IDrawingObjectPtr(d));
            Clicks.push_back(up ? std::pair(line, mid) : std::pair(mid, line));
        }
    }
    void PickAll()
    {
        for (const auto& [x, y] : Clicks)
            Pick(x, y);
    }
    // Picks the last dimension drawn and recognises its chain.
    void Recognise()
    {
        Pick(Clicks.back().first, Clicks.back().second);
        Panel->ControlCommand(tvapi::IPropertyControlPtr(Panel->bAddDimChainForDim), 1);
    }
    // The chain's report as written.
    std::string Report(const TDimensionChain& Chain)
    {
        char pattern[] = "/tmp/chainfiguresXXXXXX";
        const std::string dir = mkdtemp(pattern) ? pattern : "/nonexistent";
        TDimensionChains S;
        S.DimChains[0] = Chain;
        EXPECT_TRUE(S.toTextFile(tvhost::FromUtf8(dir + "/report.txt")));
        std::ifstream f(dir + "/report.txt", std::ios::binary);
        std::string text(std::istreambuf_iterator<char>(f), {});
        std::filesystem::remove_all(dir);
        return text;
    }

    std::vector<tvapi::IDrawingObjectPtr> Dims;
    std::vector<std::pair<double, double>> Clicks;
};

class TDrawnStackTest : public TChainFiguresTest, public testing::WithParamInterface<TDrawnAs> {};

// Parts of 6 +-0.05, 9 +0.1/0 and 5 +-0.02, and their overall 20: recognised from the overall
// dimension and picked link by link, the stack gives the figures of the stack along X, reports
// the parts' lengths, and its links read back from the drawing unchanged.
TEST_P(TDrawnStackTest, GivesTheFiguresOfTheStackAlongX)
{
    Draw({{0, 6, 0.05, -0.05}, {6, 15, 0.1, 0}, {15, 20, 0.02, -0.02}, {0, 20, 0, 0}}, GetParam());
    Open();
    Pick(Clicks[3].first, Clicks[3].second);
    Panel->ControlCommand(tvapi::IPropertyControlPtr(Panel->bAddDimChainForDim), 1);
    ASSERT_TRUE(Panel->Chain().Closed) << "not recognised";
    EXPECT_NEAR(Panel->Chain().Dimensions[3].QHigh, 0.17, 1e-12);
    EXPECT_NEAR(Panel->Chain().Dimensions[3].QLow, -0.07, 1e-12);

    Panel.reset();
    Open();
    PickAll();
    const TDimensionChain& chain = Panel->Chain();
    ASSERT_TRUE(chain.Closed);
    EXPECT_EQ(Upper(Dims[3]), L"  0,170");
    EXPECT_EQ(Lower(Dims[3]), L" -0,070");
    const std::string report = Report(chain);
    for (const char* nominal : {"01.00\t+\t   6.00\t", "01.01\t+\t   9.00\t", "01.02\t+\t   5.00\t"})
        EXPECT_NE(report.find(nominal), std::string::npos) << nominal;
    for (TDimension stored : chain.Dimensions)
        EXPECT_FALSE(stored.LoadChange(FacadeChainHost()));
}

INSTANTIATE_TEST_SUITE_P(Drawings, TDrawnStackTest,
                         testing::Values(TDrawnAs::Horizontal, TDrawnAs::Vertical, TDrawnAs::ParallelUp),
                         [](const testing::TestParamInfo<TDrawnAs>& p) {
                             return std::string(DrawnName(p.param));
                         });

// A housing drawn 40 long whose dimension reads 40,5 holds parts of 20 and 17: the gap, drawn
// 3, is 3.5 by the nominals, as its note, the residual and the report say.
TEST_F(TChainFiguresTest, TypedNominalCountsInTheGap)
{
    Draw({{0, 40, 0.1, -0.1}, {0, 20, 0.05, -0.05}, {20, 37, 0.05, -0.05}, {37, 40, 0, 0}},
         TDrawnAs::Horizontal);
    tvapi::IDimensionTextPtr(Dims[0])->SetNominalValue(40.5);
    Open();
    PickAll();
    ASSERT_TRUE(Panel->Chain().Closed) << "closure is tested on the drawn lengths";
    EXPECT_EQ(Cell(4, rNominal), "   3.00");
    const std::string note = "0(   0.50)[  0.200, -0.200](*dT=   3.000   3.500";
    EXPECT_EQ(Cell(4, rComment), note);
    const std::string report = Report(Panel->Chain());
    EXPECT_NE(report.find("01.00\t+\t  40.50\t"), std::string::npos) << report;
    EXPECT_NE(report.find(note + "\r\n"), std::string::npos) << report;
}

// Parts of 1 +-0.01 end to end and their overall, picked: a chain of Links links.
class TLongChainTest : public TChainFiguresTest, public testing::WithParamInterface<int> {};
TEST_P(TLongChainTest, ChainOfMoreThanThirtyLinksIsToldAndStaysOpen)
{
    const int links = GetParam();
    std::vector<TStackPart> parts;
    for (int k = 0; k + 1 < links; ++k)
        parts.push_back({double(k), k + 1.0, 0.01, -0.01});
    parts.push_back({0, links - 1.0, 0, 0});
    Draw(parts, TDrawnAs::Horizontal);
    Open();
    PickAll();
    const std::vector<std::string> said = Statuses();
    const bool told = std::find(said.begin(), said.end(), TDimensionChain::TooLongText) != said.end();
    EXPECT_EQ(told, links > 30);
    EXPECT_EQ(Panel->Chain().Closed, links <= 30);
    if (links <= 30) {
        EXPECT_NEAR(Panel->Chain().Dimensions[links - 1].QHigh, 0.01 * (links - 1), 1e-9);
    }
}
INSTANTIATE_TEST_SUITE_P(Picked, TLongChainTest, testing::Values(30, 31, 32),
                         [](const testing::TestParamInfo<int>& p) {
                             return "Links" + std::to_string(p.param);
                         });

// Six horizontal dimensions on five planes, 19.21 recognised: the stack 22.26 0/-0.04 less
// 3.05 +0.03/+0.01, with 9.85 = 7.55 + 2.30 drawn over the same first plane (Beside), or
// nothing more. Walks round the triangle come back to a plane passed, and are not chains.
struct TRedundantCase {
    const char* Name;
    bool Beside;
};
class TRedundantTest : public TChainFiguresTest, public testing::WithParamInterface<TRedundantCase> {};
TEST_P(TRedundantTest, OnlyLoopsAreOffered)
{
    std::vector<TStackPart> parts{{0, 22.26, 0, -0.04}, {19.21, 22.26, 0.03, 0.01}};
    if (GetParam().Beside) parts.insert(parts.end(), {{0, 9.85, 0, 0}, {0, 7.55, 0, 0}, {7.55, 9.85, 0, 0}});
    parts.push_back({0, 19.21, 0, 0});
    Draw(parts, TDrawnAs::Horizontal);
    Open();
    Recognise();
    for (const std::string& said : Statuses())
        EXPECT_EQ(said.find("Распознаны"), std::string::npos) << said; // one chain: nothing to count
    const TDimensionChain& chain = Panel->Chain();
    ASSERT_TRUE(chain.Closed);
    ASSERT_EQ(chain.Count(), 3);
    EXPECT_NEAR(chain.Dimensions[2].QHigh, -0.01, 1e-9);
    EXPECT_NEAR(chain.Dimensions[2].QLow, -0.07, 1e-9);
}
INSTANTIATE_TEST_SUITE_P(Drawings, TRedundantTest,
                         testing::Values(TRedundantCase{"StackAlone", false},
                                         TRedundantCase{"TriangleBesideTheStack", true}),
                         [](const testing::TestParamInfo<TRedundantCase>& p) {
                             return std::string(p.param.Name);
                         });

// Parts of 6 +-0.05, 9 +-0.06 and 5 +-0.028 whose far end lies Apart past the overall 20's:
// recognised and picked alike, closing within the drawing tolerance of 0.001 or not at all.
class TEndsApartTest : public TChainFiguresTest, public testing::WithParamInterface<double> {};
TEST_P(TEndsApartTest, RecognitionJoinsWhatPickingJoins)
{
    const double apart = GetParam();
    const bool meet = apart <= TDimensionChain::DrawingTolerance;
    Draw({{0, 6, 0.05, -0.05}, {6, 15, 0.06, -0.06}, {15, 20 + apart, 0.028, -0.028}, {0, 20, 0, 0}},
         TDrawnAs::Horizontal);
    Open();
    Recognise();
    EXPECT_EQ(Panel->Chain().Closed, meet) << "recognised";
    Panel.reset();
    Open();
    PickAll();
    EXPECT_EQ(Panel->Chain().Closed, meet) << "picked";
    if (meet) {
        EXPECT_NEAR(Panel->Chain().Dimensions[3].QHigh, 0.138, 1e-9);
    }
}
INSTANTIATE_TEST_SUITE_P(Stacks, TEndsApartTest, testing::Values(0.0005, 0.002),
                         [](const testing::TestParamInfo<double>& p) {
                             return p.param < 0.001 ? std::string("HalfAThousandth")
                                                    : std::string("TwoThousandths");
                         });

using TPicks = std::function<void(TChainFiguresTest&)>; // the closing pick last
const double AsSegment = NAN;

// A linear dimension from (X1, Y1) to (X2, Y2), or a segment when Hi is AsSegment, picked at its middle.
void PickLine(TChainFiguresTest& T, double X1, double Y1, double X2, double Y2, double Hi = 0, double Lo = 0)
{
    std::isnan(Hi) ? T.Segment(X1, Y1, X2, Y2) : T.Linear(X1, Y1, X2, Y2, Hi, Lo);
    T.Pick((X1 + X2) / 2, (Y1 + Y2) / 2);
}

// An angular dimension centred at (X, Y), Out from it, from A1 to A2 degrees, picked at its arc's
// middle; Lower, when given, written as its lower deviation text.
void PickAngle(TChainFiguresTest& T, double X, double Y, double A1, double A2, double Hi, double Lo,
               double Out = 10, const wchar_t* Lower = nullptr)
{
    const tvapi::IAngleDimensionPtr angle(T.Angle(A1, A2, Hi, Lo));
    if (Lower) tvapi::IDimensionTextPtr(angle)->GetLowerDeviation()->SetStr(Lower);
    angle->SetXc(X);
    angle->SetYc(Y);
    angle->SetDistance(Out);
    const double mid = (A1 + A2) / 2 * std::numbers::pi / 180;
    T.Pick(X + Out * std::cos(mid), Y + Out * std::sin(mid));
}

// An angle of a ring at (100, 100) from A1 to A2 degrees, picked with a segment Ray long along A1.
void PickRingAngle(TChainFiguresTest& T, double A1, double A2, double Hi, double Lo, double Ray,
                   double Out = 10, const wchar_t* Lower = nullptr)
{
    const double a = A1 * std::numbers::pi / 180;
    PickAngle(T, 100, 100, A1, A2, Hi, Lo, Out, Lower);
    PickLine(T, 100, 100, 100 + Ray * std::cos(a), 100 + Ray * std::sin(a), AsSegment);
}

// 80 +30'/0, 100 +-15' and 70 +6'/-18' round a point, closing on the 110 that completes the turn:
// 360 - 80 - 100 - 70 with +(15 + 18)' and -(30 + 15 + 6)'.
void FourRound(TChainFiguresTest& T)
{
    PickRingAngle(T, 0, 80, 0.5, 0, 35);
    PickRingAngle(T, 80, 180, 0.25, -0.25, 70);
    PickRingAngle(T, 180, 250, 0.1, -0.3, 50);
    PickRingAngle(T, 250, 360, 0, 0, 90);
}

// The bolt circle with the third angle's ray 45 long: 360 - 120 - 120, +15'/-45' as with rays alike.
void ShortRay(TChainFiguresTest& T)
{
    PickRingAngle(T, 90, 210, 0.5, 0, 60);
    PickRingAngle(T, 210, 330, 0.25, -0.25, 60);
    PickRingAngle(T, 330, 450, 0.25, -0.25, 45);
}

// 30 +12'/-6' and 45 +-9' side by side, closing on the 75 across both: +21'/-15'.
void SumOfAngles(TChainFiguresTest& T)
{
    PickRingAngle(T, 0, 30, 0.2, -0.1, 40);
    PickRingAngle(T, 30, 75, 0.15, -0.15, 60);
    PickRingAngle(T, 0, 75, 0, 0, 80, 25);
}

// SumOfAngles with the 30's lower deviation written Lower, a dash for its minus: the same figures.
TPicks SumOfAnglesWritten(const wchar_t* Lower)
{
    return [=](TChainFiguresTest& T) {
        PickRingAngle(T, 0, 30, 0.2, 0, 40, 10, Lower);
        PickRingAngle(T, 30, 75, 0.15, -0.15, 60);
        PickRingAngle(T, 0, 75, 0, 0, 80, 25);
    };
}

// 30 and 45 at points apart, closing on 75: no ray is shared, the chain stays open.
void AnglesApart(TChainFiguresTest& T)
{
    PickAngle(T, 0, 0, 0, 30, 0.2, -0.1);
    PickLine(T, 0, 0, 30, 0, AsSegment);
    PickAngle(T, 100, 0, 30, 75, 0.15, -0.15);
    PickLine(T, 100, 0, 100 + 30 * std::cos(0.5236), 30 * std::sin(0.5236), AsSegment);
    PickAngle(T, 200, 0, 0, 75, 0.1, -0.1);
    PickLine(T, 200, 0, 230, 0, AsSegment);
}

// 25 +-0.1 from (0, 0) to (15, 20), at 53.13 degrees from the horizontal, given +1/0 degree by an
// angle measured from the horizontal, projected on a vertical (Up) or horizontal direction by a
// segment or a dimension (Segment), with 10 +-0.02 closing on 30 or 25. On the vertical 20 the
// link gives +-0.08 and, turning towards it, 15 * 0.01745 more: +0.36/-0.10 with the 10; on the
// horizontal 15, +-0.06 and 20 * 0.01745 less: +0.08/-0.43.
TPicks LeaningLink(bool Up, bool Segment)
{
    return [=](TChainFiguresTest& T) {
        PickLine(T, 0, 0, 15, 20, 0.1, -0.1);
        PickAngle(T, 60, -40, 0, 53.13010235415598, 1, 0);
        T.Pick(7.5, 10);
        T.Panel->SelectItem(tvapi::IPropertyControlPtr(T.Panel->grListDimChain), 1, true);
        T.Panel->ControlCommand(tvapi::IPropertyControlPtr(T.Panel->grListDimChain), 2);
        const double hi = Segment ? AsSegment : 0;
        Up ? PickLine(T, -20, 0, -20, 20, hi) : PickLine(T, 0, -20, 15, -20, hi);
        Up ? PickLine(T, 40, 20, 40, 30, 0.02, -0.02) : PickLine(T, 15, -40, 25, -40, 0.02, -0.02);
        Up ? PickLine(T, 30, 0, 30, 30) : PickLine(T, 0, -50, 25, -50);
    };
}

// The aligned 20 +-0.05 at 36.87 degrees given +-30', closing on the horizontal 16: with the
// vertical 12 +-0.05, or projected on a horizontal dimension (Onto 1) or segment (Onto 2).
TPicks Tilted(int Onto)
{
    return [=](TChainFiguresTest& T) {
        PickLine(T, 0, 0, 16, 12, 0.05, -0.05);
        PickAngle(T, 60, -40, 0, 30, 0.5, -0.5);
        T.Pick(8, 6);
        if (Onto != 0) T.Panel->SelectItem(tvapi::IPropertyControlPtr(T.Panel->grListDimChain), 1, true);
        if (Onto != 0) T.Panel->ControlCommand(tvapi::IPropertyControlPtr(T.Panel->grListDimChain), 2);
        Onto == 0 ? PickLine(T, 16, 0, 16, 12, 0.05, -0.05)
                  : PickLine(T, 0, -20, 16, -20, Onto == 2 ? AsSegment : 0);
        PickLine(T, 0, 0, 16, 0);
    };
}

// Three 120 degree angles round a bolt circle, each picked with its ray: 360 - (120 +30'/0) -
// (120 +-15') for the third, whose own +-15' gives way.
void BoltCircle(TChainFiguresTest& T)
{
    for (int k = 0; k < 3; ++k) {
        const double from = 90 + 120 * k, ray = (from + 120) * std::numbers::pi / 180;
        PickAngle(T, 100, 100, from, from + 120, k == 0 ? 0.5 : 0.25, k == 0 ? 0 : -0.25);
        PickLine(T, 100, 100, 100 + 60 * std::cos(ray), 100 + 60 * std::sin(ray), AsSegment);
    }
}

// Lengths closing on the angle between them: refused, the angle keeping its +-30'.
void LengthsOnAnAngle(TChainFiguresTest& T)
{
    PickLine(T, 0, 0, 16, 0, 0.1, -0.1);
    PickLine(T, 16, 0, 16, 12, 0.1, -0.1);
    PickAngle(T, 60, -40, 0, 36.87, 0.5, -0.5);
    PickLine(T, 0, 0, 16, 12, AsSegment);
}

// The first link given the angle from 0 to A degrees centred at (60, -40): picked, then the link
// at (X, Y), or laid with the grid's command.
void TiltFirstLink(TChainFiguresTest& T, bool ByGrid, double A, double Hi, double Lo, double X, double Y)
{
    const tvapi::IPropertyControlPtr grid(T.Panel->grListDimChain);
    if (ByGrid) {
        T.Panel->SelectItem(grid, 1, true);
        T.Panel->ControlCommand(grid, 3);
    }
    PickAngle(T, 60, -40, 0, A, Hi, Lo);
    if (!ByGrid) T.Pick(X, Y);
}

// H 12 +-0.06 and L 25 +-0.04 from (0, 0) to (15, 20), projected by the grid on a horizontal
// segment (15 +-0.024), closing Z 27 at +-0.084; the angle 53.13 +-0.4 degrees laid on L before
// or After the chain closed, picked or with the grid's command: L spans 25.04 cos(52.73) - 15 =
// +0.1635 to 24.96 cos(53.53) - 15 = -0.1638, so Z is +0.2235/-0.2238, written +0,223/-0,224.
TPicks HeightAndSlant(bool ByGrid, bool After)
{
    return [=](TChainFiguresTest& T) {
        const tvapi::IPropertyControlPtr grid(T.Panel->grListDimChain);
        const auto tilt = [&] { TiltFirstLink(T, ByGrid, 53.13010235415598, 0.4, -0.4, 7.5, 10); };
        PickLine(T, 0, 0, 15, 20, 0.04, -0.04);
        if (!After) tilt();
        T.Panel->SelectItem(grid, 1, true);
        T.Panel->ControlCommand(grid, 2);
        PickLine(T, 0, -20, 15, -20, AsSegment);
        PickLine(T, 15, -40, 27, -40, 0.06, -0.06);
        PickLine(T, 0, -50, 27, -50);
        if (After) tilt();
    };
}

// 50 at 14 degrees given the 14 degree angle +0.584/-0.597 from the horizontal, by picking the
// angle with it or by the grid's command, then projected by the grid on a segment Toward degrees
// from the horizontal, with 10 +-0.02 along that direction closing the chain; or the angle laid
// After the chain closed. A growing angle turns the link towards the direction: 50 (cos(76 - 0.584) - cos 76)
// + 0.02 = +0.514 on the vertical, 50 (cos(46 + 0.597) - cos 46) - 0.02 = -0.397 on the 60 degree one.
TPicks SteepLink(double Toward, bool ByGrid, bool After = false)
{
    return [=](TChainFiguresTest& T) {
        const double a = 14 * std::numbers::pi / 180, w = Toward * std::numbers::pi / 180;
        // The point Along the direction and Aside across it.
        const auto at = [w](double Along, double Aside) {
            return std::pair(Along * std::cos(w) - Aside * std::sin(w),
                             Along * std::sin(w) + Aside * std::cos(w));
        };
        const auto line = [&T](std::pair<double, double> p, std::pair<double, double> q, double Hi,
                               double Lo) { PickLine(T, p.first, p.second, q.first, q.second, Hi, Lo); };
        const tvapi::IPropertyControlPtr grid(T.Panel->grListDimChain);
        const auto tilt = [&] {
            TiltFirstLink(T, ByGrid, 14, 0.584, -0.597, 25 * std::cos(a), 25 * std::sin(a));
        };
        PickLine(T, 0, 0, 50 * std::cos(a), 50 * std::sin(a));
        if (!After) tilt();
        T.Panel->SelectItem(grid, 1, true);
        T.Panel->ControlCommand(grid, 2);
        line(at(0, 60), at(20, 60), AsSegment, 0);
        const double t = 50 * std::cos(w - a);
        line(at(t, 30), at(t + 10, 30), 0.02, -0.02);
        line(at(0, 45), at(t + 10, 45), 0, 0);
        if (After) tilt();
    };
}

// The closing link's figures in millimetres or degrees, or the chain refused (the angle keeping
// its own); hand figures to the thousandth, worked ones exact.
enum TUnits { Millimetres, Degrees, Refused };
struct TAngleCase {
    const char* Name;
    TPicks Picks;
    TUnits Units;
    double Hi, Lo, Within;
    const char *Texts, *Last; // the closing dimension's deviation texts (upper|lower), the last status
};

void PrintTo(const TAngleCase& c, std::ostream* os)
{
    *os << c.Name;
}

class TAngleFiguresTest : public TChainFiguresTest, public testing::WithParamInterface<TAngleCase> {};
TEST_P(TAngleFiguresTest, ClosingLinkTakesTheFiguresInItsOwnUnits)
{
    const TAngleCase& c = GetParam();
    Open();
    c.Picks(*this);
    const TDimensionChain& chain = Panel->Chain();
    const TDimension& closing = chain.Dimensions[chain.Count() - 1];
    EXPECT_EQ(U(Upper(closing.Obj)) + "|" + U(Lower(closing.Obj)), c.Texts);
    const std::vector<std::string> said = Statuses();
    EXPECT_EQ(said.empty() ? "" : said.back(), c.Last);
    EXPECT_EQ(chain.Closed, c.Units != Refused);
    EXPECT_NEAR(c.Units == Millimetres ? closing.QHigh : closing.AQHigh, c.Hi, c.Within);
    EXPECT_NEAR(c.Units == Millimetres ? closing.QLow : closing.AQLow, c.Lo, c.Within);
    EXPECT_EQ(c.Units != Millimetres, closing.QHigh == 0 && closing.QLow == 0);
}

const double Thousandth = 5e-4, ExactFigure = 1e-9;
const char *const Mm = "  0,144| -0,145", *const Closed = "Цепь замкнулась";

INSTANTIATE_TEST_SUITE_P(
    Angles, TAngleFiguresTest,
    testing::Values(
        TAngleCase{"LaidOnALinearLink", Tilted(0), Millimetres, 0.144, -0.145, Thousandth, Mm, Closed},
        TAngleCase{"ProjectedOntoADimension", Tilted(1), Millimetres, 0.144, -0.145, Thousandth, Mm, Closed},
        TAngleCase{"ProjectedOntoASegment", Tilted(2), Millimetres, 0.144, -0.145, Thousandth, Mm, Closed},
        TAngleCase{"RingOfAngles", BoltCircle, Degrees, 0.25, -0.75, ExactFigure, "15'|-45'", "15'"},
        TAngleCase{"RingOfFourCompletesTheTurn", FourRound, Degrees, 0.55, -0.85, ExactFigure, "33'|-51'",
                   "33'"},
        TAngleCase{"RingWithAShortRay", ShortRay, Degrees, 0.25, -0.75, ExactFigure, "15'|-45'", "15'"},
        TAngleCase{"SumOfAngles", SumOfAngles, Degrees, 0.35, -0.25, ExactFigure, "21'|-15'", "21'"},
        TAngleCase{"SumOfAnglesWithTheEmDash", SumOfAnglesWritten(L"\u20146'"), Degrees, 0.35, -0.25,
                   ExactFigure, "21'|-15'", "21'"},
        TAngleCase{"AnglesSharingNoRayStayOpen", AnglesApart, Refused, 0.1, -0.1, ExactFigure, "+0,1|-0,1",
                   ""},
        // A growing angle turns the link towards the vertical: 20 gains 15 * 1 degree.
        TAngleCase{"TurnedLinkOnAVerticalSegment", LeaningLink(true, true), Millimetres, 0.36, -0.1, 0.005,
                   "  0,360| -0,100", Closed},
        TAngleCase{"TurnedLinkOnAVerticalDimension", LeaningLink(true, false), Millimetres, 0.36, -0.1, 0.005,
                   "  0,360| -0,100", Closed},
        TAngleCase{"TurnedLinkOnTheHorizontal", LeaningLink(false, false), Millimetres, 0.08, -0.43, 0.005,
                   "  0,080| -0,430", Closed},
        TAngleCase{"AnglePickedOnALinkProjectedOnTheVertical", SteepLink(90, false), Millimetres, 0.514,
                   -0.526, Thousandth, "  0,514| -0,526", Closed},
        TAngleCase{"AngleLaidByTheGridOnALinkProjectedOnTheVertical", SteepLink(90, true), Millimetres, 0.514,
                   -0.526, Thousandth, "  0,514| -0,526", Closed},
        TAngleCase{"AnglePickedOnALinkProjectedAt60Degrees", SteepLink(60, false), Millimetres, 0.385, -0.397,
                   Thousandth, "  0,385| -0,397", Closed},
        TAngleCase{"AngleLaidByTheGridOnALinkProjectedAt60Degrees", SteepLink(60, true), Millimetres, 0.385,
                   -0.397, Thousandth, "  0,385| -0,397", Closed},
        TAngleCase{"AnglePickedBeforeClosingOnTheHorizontal", HeightAndSlant(false, false), Millimetres,
                   0.223, -0.224, Thousandth, "  0,223| -0,224", Closed},
        TAngleCase{"AnglePickedAfterClosingOnTheHorizontal", HeightAndSlant(false, true), Millimetres, 0.223,
                   -0.224, Thousandth, "  0,223| -0,224", "  0,223"},
        TAngleCase{"AngleLaidByTheGridAfterClosingOnTheHorizontal", HeightAndSlant(true, true), Millimetres,
                   0.223, -0.224, Thousandth, "  0,223| -0,224", "  0,223"},
        TAngleCase{"AnglePickedAfterClosingOnTheVertical", SteepLink(90, false, true), Millimetres, 0.514,
                   -0.526, Thousandth, "  0,514| -0,526", "  0,514"},
        TAngleCase{"AngleLaidByTheGridAfterClosingOnTheVertical", SteepLink(90, true, true), Millimetres,
                   0.514, -0.526, Thousandth, "  0,514| -0,526", "  0,514"},
        TAngleCase{"AnglePickedAfterClosingAt60Degrees", SteepLink(60, false, true), Millimetres, 0.385,
                   -0.397, Thousandth, "  0,385| -0,397", "  0,385"},
        TAngleCase{"AngleLaidByTheGridAfterClosingAt60Degrees", SteepLink(60, true, true), Millimetres, 0.385,
                   -0.397, Thousandth, "  0,385| -0,397", "  0,385"},
        TAngleCase{"LengthsClosingOnAnAngle", LengthsOnAnAngle, Refused, 0.5, -0.5, ExactFigure, "+0,5|-0,5",
                   "Угол не может замыкать цепь с линейными размерами"}),
    [](const testing::TestParamInfo<TAngleCase>& p) { return std::string(p.param.Name); });

// 95 +9'/-6' and 140 +-18' round a point, closing on the 125 that completes the turn, their rays
// 5, 120 and 30 long: +24'/-27'.
void RingOfThree(TChainFiguresTest& T)
{
    PickRingAngle(T, 0, 95, 0.15, -0.1, 5);
    PickRingAngle(T, 95, 235, 0.3, -0.3, 120);
    PickRingAngle(T, 235, 360, 0, 0, 30);
}

// A chain of angles shows each angle's nominal in degrees, in the grid and the report alike,
// never the length of the ray it was picked with.
struct TAngleNominalCase {
    const char* Name;
    void (*Picks)(TChainFiguresTest&);
    std::vector<std::string> Nominals; // the grid's rows from the first link on
};

void PrintTo(const TAngleNominalCase& c, std::ostream* os)
{
    *os << c.Name;
}

class TAngleNominalTest : public TChainFiguresTest, public testing::WithParamInterface<TAngleNominalCase> {};
TEST_P(TAngleNominalTest, EachAngleShowsItsDegrees)
{
    const TAngleNominalCase& c = GetParam();
    Open();
    c.Picks(*this);
    const TDimensionChain& chain = Panel->Chain();
    ASSERT_TRUE(chain.Closed);
    const std::string report = Report(chain);
    for (std::size_t k = 0; k < c.Nominals.size(); ++k) {
        EXPECT_EQ(Cell(static_cast<int>(k) + 1, rNominal), c.Nominals[k]) << k;
        EXPECT_NE(report.find("\t" + c.Nominals[k] + "\t"), std::string::npos) << c.Nominals[k] << report;
    }
}

INSTANTIATE_TEST_SUITE_P(
    Angles, TAngleNominalTest,
    testing::Values(TAngleNominalCase{"RingOfThree", RingOfThree, {"  95.00", " 140.00", " 125.00"}},
                    TAngleNominalCase{"SumOfAngles", SumOfAngles, {"  30.00", "  45.00", "  75.00"}}),
    [](const testing::TestParamInfo<TAngleNominalCase>& p) { return std::string(p.param.Name); });

// A plate with X 0..30 +-0.05 and a hole centred at Centre whose radius (or diameter) is picked
// along a horizontal segment, closing on W 0..Centre - Radius: drawn at Scale in a local
// placement, its nominal typed (Typed) or as drawn. W = 30 - 10.2 = 19.8 +-0.07 on the shown 20.
struct TCircleCase {
    const char* Name;
    double Scale;
    bool Diametral;
    double Typed; // 0: as drawn
    const char* Texts;
};

void PrintTo(const TCircleCase& c, std::ostream* os)
{
    *os << c.Name;
}

class TCircularLinkTest : public TChainFiguresTest, public testing::WithParamInterface<TCircleCase> {
protected:
    // The plate drawn and its chain picked: X, the circle, the segment, W; gives W.
    tvapi::IDrawingObjectPtr PickPlate(const TCircleCase& c)
    {
        const double k = c.Scale, centre = c.Diametral ? 20 : 30, dev = c.Diametral ? 0.04 : 0.02;
        R().IDoc2D->PushLocalPlacement(0, 0, 0, k, k);
        const tvapi::IDrawingObjectPtr x = Linear(0, 0, 30, 0, 0.05, -0.05);
        tvapi::ILineDimensionPtr(x)->SetY3(-20);
        const tvapi::IDrawingObjectPtr hole = Circle(c.Diametral, centre, 0, 10, dev, -dev);
        const double up = c.Diametral ? 90 : 60;
        if (c.Diametral)
            tvapi::IDiametralDimensionPtr(hole)->SetAngle(up);
        else
            tvapi::IRadialDimensionPtr(hole)->SetAngle(up);
        if (c.Typed != 0) tvapi::IDimensionTextPtr(hole)->SetNominalValue(c.Typed);
        Segment(5, -45, 15, -45);
        const tvapi::IDrawingObjectPtr w = Linear(0, 0, centre - 10, 0);
        tvapi::ILineDimensionPtr(w)->SetY3(-30);
        R().IDoc2D->PopLocalPlacement();
        Open();
        const double a = up * std::numbers::pi / 180;
        for (const auto& [px, py] : std::vector<std::pair<double, double>>{
                 {15, -20}, {centre + 7 * std::cos(a), 7 * std::sin(a)}, {10, -45}, {(centre - 10) / 2, -30}})
            Pick(k * px, k * py);
        return w;
    }
};
TEST_P(TCircularLinkTest, ClosesAtItsDrawnSizeAndCountsItsNominal)
{
    const TCircleCase& c = GetParam();
    const tvapi::IDrawingObjectPtr w = PickPlate(c);
    ASSERT_EQ(Panel->Chain().Count(), 3);
    EXPECT_TRUE(Panel->Chain().Closed);
    EXPECT_EQ(U(Upper(w)) + "|" + U(Lower(w)), c.Texts);
}

// The circle made its diameter (a diameter its radius) by the grid's command once the chain
// closed: its row shows the converted figures, and as the loop no longer closes the chain is
// shown open and W its own texts again.
TEST_P(TCircularLinkTest, ConvertedAfterClosingIsFollowed)
{
    const TCircleCase& c = GetParam();
    const tvapi::IDrawingObjectPtr w = PickPlate(c);
    const std::string own = "|"; // W has no deviations of its own
    ASSERT_TRUE(Panel->Chain().Closed);
    const tvapi::IPropertyControlPtr grid(Panel->grListDimChain);
    Panel->SelectItem(grid, 2, true);
    Panel->ControlCommand(grid, 1);
    EXPECT_EQ(Cell(2, rTransformation), c.Diametral ? "R" : "D");
    EXPECT_FALSE(Panel->Chain().Closed);
    EXPECT_EQ(U(Upper(w)) + "|" + U(Lower(w)), own);
}

INSTANTIATE_TEST_SUITE_P(
    Plates, TCircularLinkTest,
    testing::Values(TCircleCase{"RadiusAt1To1", 1, false, 0, "  0,070| -0,070"},
                    TCircleCase{"TypedRadiusAt1To1", 1, false, 10.2, " -0,130| -0,270"},
                    TCircleCase{"RadiusInAPlacementOfScale2", 2, false, 0, "  0,070| -0,070"},
                    TCircleCase{"TypedRadiusInAPlacementOfScale2", 2, false, 10.2, " -0,130| -0,270"},
                    // W = 30 - 20.4 = 9.6 +-0.09 on the shown 10.
                    TCircleCase{"TypedDiameterAt1To1", 1, true, 20.4, " -0,310| -0,490"},
                    TCircleCase{"DiameterInAPlacementOfScale2", 2, true, 0, "  0,090| -0,090"}),
    [](const testing::TestParamInfo<TCircleCase>& p) { return std::string(p.param.Name); });

// A hole 1.503 +0.010/0 on a shaft 1.500 -0.004/-0.010, both diameters picked along a segment,
// closing on the clearance 0.003 drawn between them: the fit drawn enlarged in a local placement
// of Scale, clearance +0.020/+0.004.
class TFitTest : public TChainFiguresTest, public testing::WithParamInterface<double> {};
TEST_P(TFitTest, ClosesOnTheClearance)
{
    const double k = GetParam();
    R().IDoc2D->PushLocalPlacement(0, 0, 0, k, k);
    tvapi::IDiametralDimensionPtr(Circle(true, 0, 0, 0.7515, 0.01, 0))->SetAngle(45);
    tvapi::IDiametralDimensionPtr(Circle(true, 0, 0, 0.75, -0.004, -0.01))->SetAngle(135);
    Segment(-1, -2, 1, -2);
    const tvapi::ILineDimensionPtr gap(Linear(0.75, 0, 0.753, 0));
    gap->SetY3(-1);
    gap->Update();
    R().IDoc2D->PopLocalPlacement();
    Open();
    const double c45 = 0.5 * std::numbers::sqrt2 * k;
    for (const auto& [px, py] : std::vector<std::pair<double, double>>{
             {0.5 * c45, 0.5 * c45}, {0, -2 * k}, {-0.5 * c45, 0.5 * c45}, {0, -2 * k}, {0.7515 * k, -k}})
        Pick(px, py);
    ASSERT_EQ(Panel->Chain().Count(), 3);
    EXPECT_TRUE(Panel->Chain().Closed);
    EXPECT_EQ(U(Upper(tvapi::IDrawingObjectPtr(gap))) + "|" + U(Lower(tvapi::IDrawingObjectPtr(gap))),
              "  0,020|  0,004");
}
INSTANTIATE_TEST_SUITE_P(Enlarged, TFitTest, testing::Values(10.0, 20.0),
                         [](const testing::TestParamInfo<double>& p) {
                             return "At" + std::to_string(static_cast<int>(p.param)) + "To1";
                         });

// W 20 from a corner at (0, Corner) to the wall of a hole 20 +0.052/0 centred at (30, 0), with X
// 0..30 +-0.05: recognised from W, the radius laid along the X that W measures, W = X - R
// +0.050/-0.076 whatever the height of the corner.
class TRecognisedRadiusTest : public TChainFiguresTest, public testing::WithParamInterface<double> {};
TEST_P(TRecognisedRadiusTest, IsLaidAlongTheClosingDimensionsMeasure)
{
    const tvapi::ILineDimensionPtr x(Linear(0, 0, 30, 0, 0.05, -0.05));
    x->SetY3(-25);
    x->Update();
    tvapi::IDiametralDimensionPtr(Circle(true, 30, 0, 10, 0.052, 0))->SetAngle(90);
    const tvapi::ILineDimensionPtr w(LinearAt(0, 0, GetParam(), 20, 0));
    w->SetOrientation(tvapi::tvLinDHorizontal);
    w->SetY3(-40);
    w->Update();
    Open();
    Pick(10, -40);
    Panel->ControlCommand(tvapi::IPropertyControlPtr(Panel->bAddDimChainForDim), 1);
    ASSERT_TRUE(Panel->Chain().Closed);
    EXPECT_EQ(U(Upper(tvapi::IDrawingObjectPtr(w))) + "|" + U(Lower(tvapi::IDrawingObjectPtr(w))),
              "  0,050| -0,076");
}
INSTANTIATE_TEST_SUITE_P(Corners, TRecognisedRadiusTest, testing::Values(0.0, -15.0, 15.0),
                         [](const testing::TestParamInfo<double>& p) {
                             return p.param == 0  ? std::string("Level")
                                    : p.param < 0 ? std::string("Below")
                                                  : std::string("Above");
                         });

} // namespace
