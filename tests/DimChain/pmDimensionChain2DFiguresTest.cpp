// A picked chain's figures as the drawing means them: a stack of vertical dimensions as the
// stack turned a quarter, a nominal typed over the drawn length, angular deviations laid on a
// linear link, and a ring of angles.

#include "pmDimensionChain2D.h"

#include <gtest/gtest.h>

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
        EXPECT_FALSE(stored.LoadChange());
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

using TPicks = std::function<void(TChainFiguresTest&)>; // the closing pick last
const double AsSegment = NAN;

// A linear dimension from (X1, Y1) to (X2, Y2), or a segment when Hi is AsSegment, picked at its middle.
void PickLine(TChainFiguresTest& T, double X1, double Y1, double X2, double Y2, double Hi = 0, double Lo = 0)
{
    std::isnan(Hi) ? T.Segment(X1, Y1, X2, Y2) : T.Linear(X1, Y1, X2, Y2, Hi, Lo);
    T.Pick((X1 + X2) / 2, (Y1 + Y2) / 2);
}

// An angular dimension centred at (X, Y), 10 out, from A1 to A2 degrees, picked at its arc's middle.
void PickAngle(TChainFiguresTest& T, double X, double Y, double A1, double A2, double Hi, double Lo)
{
    const tvapi::IAngleDimensionPtr angle(T.Angle(A1, A2, Hi, Lo));
    angle->SetXc(X);
    angle->SetYc(Y);
    angle->SetDistance(10);
    const double mid = (A1 + A2) / 2 * std::numbers::pi / 180;
    T.Pick(X + 10 * std::cos(mid), Y + 10 * std::sin(mid));
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
    EXPECT_EQ(Statuses().back(), c.Last);
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
        TAngleCase{"LengthsClosingOnAnAngle", LengthsOnAnAngle, Refused, 0.5, -0.5, Exact, "+0,5|-0,5",
                   "Угол не может замыкать цепь с линейными размерами"}),
    [](const testing::TestParamInfo<TAngleCase>& p) { return std::string(p.param.Name); });

} // namespace
