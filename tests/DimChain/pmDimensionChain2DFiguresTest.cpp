// A picked chain's figures as the drawing means them, however it was drawn: a stack of
// vertical dimensions as the stack turned a quarter, a nominal typed over the drawn length.

#include "pmDimensionChain2D.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <numbers>
#include <ostream>
#include <sstream>
#include <string>
#include <vector>

#include "Panel2DFixture.h"
#include "TDimensionChains.h"

namespace {

// A part of a stack on its axis, from face A to face B, with its deviations.
struct TStackPart {
    double A, B, Hi, Lo;
};

// How a stack's dimensions are drawn: along X as horizontal ones, along Y as vertical ones
// whose angle stays 0 (as the overall-size routine makes them), or along Y as parallel ones
// measured at 90 degrees.
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
    // Each dimension's line stands at its own distance from the axis, the k-th at 10 (k + 1).
    void Draw(const std::vector<TStackPart>& Stack, TDrawnAs As = TDrawnAs::Horizontal)
    {
        FAs = As;
        for (const TStackPart& p : Stack) {
            const double line = Line(Dims.size());
            tvapi::IDrawingObjectPtr d;
            if (As == TDrawnAs::Horizontal) {
                d = LinearAt(0, p.A, 0, p.B, 0, p.Hi, p.Lo);
                tvapi::ILineDimensionPtr(d)->SetOrientation(tvapi::tvLinDHorizontal);
                tvapi::ILineDimensionPtr(d)->SetY3(line);
            } else {
                d = LinearAt(As == TDrawnAs::Vertical ? 0 : std::numbers::pi / 2, 0, p.A, 0, p.B, p.Hi, p.Lo);
                if (As == TDrawnAs::Vertical)
                    tvapi::ILineDimensionPtr(d)->SetOrientation(tvapi::tvLinDVertical);
                tvapi::ILineDimensionPtr(d)->SetX3(line);
            }
            d->Update();
            Dims.push_back(d);
        }
    }
    static double Line(std::size_t k) { return 10.0 * (k + 1); }
    void PickPart(const std::vector<TStackPart>& Stack, std::size_t k)
    {
        const double along = (Stack[k].A + Stack[k].B) / 2;
        if (FAs == TDrawnAs::Horizontal)
            Pick(along, Line(k));
        else
            Pick(Line(k), along);
    }
    // The fields of the chain's report, link by link.
    std::vector<std::vector<std::string>> ReportRows(const TDimensionChain& Chain)
    {
        char pattern[] = "/tmp/chainfiguresXXXXXX";
        const std::string dir = mkdtemp(pattern) ? pattern : "";
        EXPECT_FALSE(dir.empty());
        TDimensionChains S;
        S.DimChains[0] = Chain;
        EXPECT_TRUE(S.toTextFile(tvhost::FromUtf8(dir + "/report.txt")));
        std::ifstream f(dir + "/report.txt", std::ios::binary);
        std::istringstream text(std::string(std::istreambuf_iterator<char>(f), {}));
        std::filesystem::remove_all(dir);
        std::vector<std::vector<std::string>> rows;
        for (std::string line; std::getline(text, line);) {
            std::vector<std::string> fields;
            std::istringstream cells(line.substr(0, line.find('\r')));
            for (std::string cell; std::getline(cells, cell, '\t');)
                fields.push_back(cell);
            if (fields.size() >= 12 && fields[0].rfind("01.", 0) == 0) rows.push_back(fields);
        }
        return rows;
    }
    std::vector<std::string> ReportedNominals(const TDimensionChain& Chain)
    {
        std::vector<std::string> nominals;
        for (const std::vector<std::string>& row : ReportRows(Chain))
            nominals.push_back(row[2]);
        return nominals;
    }

    std::vector<tvapi::IDrawingObjectPtr> Dims;
    TDrawnAs FAs = TDrawnAs::Horizontal;
};

// Parts of 6 +-0.05, 9 +0.1/0 and 5 +-0.02 between their faces, and the overall 20.
const std::vector<TStackPart> ThreeParts = {
    {0, 6, 0.05, -0.05}, {6, 15, 0.1, 0}, {15, 20, 0.02, -0.02}, {0, 20, 0, 0}};

class TDrawnStackTest : public TChainFiguresTest, public testing::WithParamInterface<TDrawnAs> {};

// Recognised from its closing dimension and picked link by link, the stack gives the figures
// of the stack drawn along X; its report lists the parts' lengths, and its links read back from
// the drawing unchanged.
TEST_P(TDrawnStackTest, GivesTheFiguresOfTheStackDrawnAlongX)
{
    Draw(ThreeParts, GetParam());
    Open();
    PickPart(ThreeParts, 3);
    Panel->ControlCommand(tvapi::IPropertyControlPtr(Panel->bAddDimChainForDim), 1);
    ASSERT_TRUE(Panel->Chain().Closed) << "not recognised";
    ASSERT_EQ(Panel->Chain().Count(), 4);
    EXPECT_NEAR(Panel->Chain().Dimensions[3].QHigh, 0.17, 1e-12);
    EXPECT_NEAR(Panel->Chain().Dimensions[3].QLow, -0.07, 1e-12);

    Panel.reset();
    Open();
    for (std::size_t k = 0; k < ThreeParts.size(); ++k)
        PickPart(ThreeParts, k);
    const TDimensionChain& chain = Panel->Chain();
    ASSERT_TRUE(chain.Closed);
    ASSERT_EQ(chain.Count(), 4);
    EXPECT_NEAR(chain.Calculate(false)->Nominal, 20.0, 1e-12);
    EXPECT_EQ(Upper(Dims[3]), L"  0,170");
    EXPECT_EQ(Lower(Dims[3]), L" -0,070");
    EXPECT_EQ(ReportedNominals(chain),
              (std::vector<std::string>{"   6.00", "   9.00", "   5.00", "  20.00"}));
    for (Integer k = 0; k < chain.Count(); ++k) {
        TDimension stored = chain.Dimensions[k];
        EXPECT_FALSE(stored.LoadChange()) << "link " << k << " looks changed";
    }
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
    const std::vector<TStackPart> stack = {
        {0, 40, 0.1, -0.1}, {0, 20, 0.05, -0.05}, {20, 37, 0.05, -0.05}, {37, 40, 0, 0}};
    Draw(stack);
    tvapi::IDimensionTextPtr(Dims[0])->SetNominalValue(40.5);
    Dims[0]->Update();
    Open();
    for (std::size_t k = 0; k < stack.size(); ++k)
        PickPart(stack, k);
    const TDimensionChain& chain = Panel->Chain();
    ASSERT_TRUE(chain.Closed) << "closure is tested on the drawn lengths";
    EXPECT_NEAR(chain.Calculate(false)->Nominal, 3.5, 1e-12);
    EXPECT_EQ(Cell(1, 2), "  40.50");
    EXPECT_EQ(Cell(4, 2), "   3.00");
    EXPECT_EQ(Cell(4, 10), "0(   0.50)[  0.200, -0.200](*dT=   3.000   3.500");
    EXPECT_EQ(Upper(Dims[3]), L"  0,200");
    EXPECT_EQ(Lower(Dims[3]), L" -0,200");
    const std::vector<std::vector<std::string>> rows = ReportRows(chain);
    ASSERT_EQ(rows.size(), 4u);
    EXPECT_EQ(rows[0][2], "  40.50");
    EXPECT_EQ(rows[3][2], "   3.00");
    ASSERT_EQ(rows[3].size(), 13u);
    EXPECT_EQ(rows[3][12], Cell(4, 10));
}

} // namespace
