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

// An angular dimension centred at (X, Y), Out from it, from A1 to A2 degrees, picked at its arc's middle.
void PickAngle(TChainFiguresTest& T, double X, double Y, double A1, double A2, double Hi, double Lo,
               double Out = 10)
{
    const tvapi::IAngleDimensionPtr angle(T.Angle(A1, A2, Hi, Lo));
    angle->SetXc(X);
    angle->SetYc(Y);
    angle->SetDistance(Out);
    const double mid = (A1 + A2) / 2 * std::numbers::pi / 180;
    T.Pick(X + Out * std::cos(mid), Y + Out * std::sin(mid));
}

// An angle of a ring at (100, 100) from A1 to A2 degrees, picked with a segment Ray long along A1.
void PickRingAngle(TChainFiguresTest& T, double A1, double A2, double Hi, double Lo, double Ray,
                   double Out = 10)
{
    const double a = A1 * std::numbers::pi / 180;
    PickAngle(T, 100, 100, A1, A2, Hi, Lo, Out);
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

const double Thousandth = 5e-4, Exact = 1e-9;
const char *const Mm = "  0,144| -0,145", *const Closed = "Цепь замкнулась";

INSTANTIATE_TEST_SUITE_P(
    Angles, TAngleFiguresTest,
    testing::Values(
        TAngleCase{"LaidOnALinearLink", Tilted(0), Millimetres, 0.144, -0.145, Thousandth, Mm, Closed},
        TAngleCase{"ProjectedOntoADimension", Tilted(1), Millimetres, 0.144, -0.145, Thousandth, Mm, Closed},
        TAngleCase{"ProjectedOntoASegment", Tilted(2), Millimetres, 0.144, -0.145, Thousandth, Mm, Closed},
        TAngleCase{"RingOfAngles", BoltCircle, Degrees, 0.25, -0.75, Exact, "15'|-45'", "15'"},
        TAngleCase{"RingOfFourCompletesTheTurn", FourRound, Degrees, 0.55, -0.85, Exact, "33'|-51'", "33'"},
        TAngleCase{"RingWithAShortRay", ShortRay, Degrees, 0.25, -0.75, Exact, "15'|-45'", "15'"},
        TAngleCase{"SumOfAngles", SumOfAngles, Degrees, 0.35, -0.25, Exact, "21'|-15'", "21'"},
        TAngleCase{"AnglesSharingNoRayStayOpen", AnglesApart, Refused, 0.1, -0.1, Exact, "+0,1|-0,1", ""},
        // A growing angle turns the link towards the vertical: 20 gains 15 * 1 degree.
        TAngleCase{"TurnedLinkOnAVerticalSegment", LeaningLink(true, true), Millimetres, 0.36, -0.1, 0.005,
                   "  0,360| -0,100", Closed},
        TAngleCase{"TurnedLinkOnAVerticalDimension", LeaningLink(true, false), Millimetres, 0.36, -0.1, 0.005,
                   "  0,360| -0,100", Closed},
        TAngleCase{"TurnedLinkOnTheHorizontal", LeaningLink(false, false), Millimetres, 0.08, -0.43, 0.005,
                   "  0,080| -0,430", Closed},
        TAngleCase{"LengthsClosingOnAnAngle", LengthsOnAnAngle, Refused, 0.5, -0.5, Exact, "+0,5|-0,5",
                   "Угол не может замыкать цепь с линейными размерами"}),
    [](const testing::TestParamInfo<TAngleCase>& p) { return std::string(p.param.Name); });

} // namespace
