// Deviations typed into the grid's "Д.ВО" and "Д.НО" widen a link's field in the link's own
// units, millimetres on a length and degrees on an angle of a chain of angles: counted at once,
// and again once the drawing is saved and opened.

#include "pmDimensionChain2D.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>
#include <ostream>
#include <string>

#include "Panel2DFixture.h"
#include "SpecialFiles.h"

namespace {

struct TTypedDeviationCase {
    const char* Name;
    bool Angles; // the chain of angles, else the sample's chain of lengths
    int Row, Column;
    const wchar_t* Typed;
    const wchar_t* Method; // with the risk 0,27 %; none for min-max
    double Hi, Lo;         // the closing link's figures, degrees or millimetres
    const char* Shown;     // the typed cell once taken
};

void PrintTo(const TTypedDeviationCase& c, std::ostream* os)
{
    *os << c.Name;
}

class TTypedDeviationsTest : public TpmDimensionChain2DTest,
                             public testing::WithParamInterface<TTypedDeviationCase> {
protected:
    // 20 +-0.1, 30 +-0.2 and 40 +0.1/0 side by side, closing on the 90 across them: +24'/-18'.
    void PickAngles()
    {
        PickAngle(0, 20, 0.1, -0.1, 40);
        PickAngle(20, 50, 0.2, -0.2, 60);
        PickAngle(50, 90, 0.1, 0, 50);
        PickAngle(0, 90, 0, 0, 80, 25);
    }
    void Check(const TTypedDeviationCase& c)
    {
        const TDimensionChain& chain = Panel->Chain();
        ASSERT_TRUE(chain.Closed);
        const TDimension& closing = chain.Dimensions[chain.Count() - 1];
        // A written angle is read back from its text, to the second.
        const double within = c.Angles ? 1.0 / 3600 : 1e-9;
        EXPECT_NEAR(c.Angles ? closing.AQHigh : closing.QHigh, c.Hi, within);
        EXPECT_NEAR(c.Angles ? closing.AQLow : closing.QLow, c.Lo, within);
        EXPECT_EQ(Cell(c.Row, c.Column), c.Shown);
    }

    specialfiles::TFolder FDir;
};

TEST_P(TTypedDeviationsTest, WidensTheClosingFieldInTheLinksUnits)
{
    const TTypedDeviationCase& c = GetParam();
    if (!c.Angles) DrawChain();
    Open();
    c.Angles ? PickAngles() : PickChain();
    if (c.Method) {
        Choose("Способ расчета", c.Method);
        Choose("Коэффициент риска", L"0.27");
    }
    Type(c.Row, c.Column, c.Typed);
    {
        SCOPED_TRACE("typed");
        Check(c);
    }
    Panel->ButtonClick(1);
    ASSERT_EQ(Panel->ExitCode, 0);
    Panel.reset();
    A = B = C = {};
    ReopenDrawing(FDir / "typed.qdr");
    Open();
    SCOPED_TRACE("reopened");
    Check(c);
}

// Normal distribution at three standard deviations: half the field sqrt((0.2^2 + 0.45^2 +
// 0.1^2) / 9) * 3 / 2 about the middle, the 30's spread 0.4 widened to 0.45 by the 0.05 typed.
const double HalfAtThreeSigma = std::sqrt(0.2525) / 2;

INSTANTIATE_TEST_SUITE_P(
    Typed, TTypedDeviationsTest,
    testing::Values(
        // +0.05 degree is 3': +27'/-18'.
        TTypedDeviationCase{"UpperOnAnAngle", true, 2, rEQHigh, L"0,05", nullptr, 0.45, -0.3, "  0.050"},
        // Middles 0, -0.025 and 0.05.
        TTypedDeviationCase{"LowerOnAnAngleByNormalDistribution", true, 2, rEQLow, L"-0,05",
                            L"Нормальное распределение", 0.025 + HalfAtThreeSigma, 0.025 - HalfAtThreeSigma,
                            " -0.050"},
        // C 30 = A 40 (+0.15/-0.1 with the typed) - B 10 +0.05/0.
        TTypedDeviationCase{"UpperOnALength", false, 1, rEQHigh, L"0,05", nullptr, 0.15, -0.15, "  0.050"}),
    [](const testing::TestParamInfo<TTypedDeviationCase>& p) { return std::string(p.param.Name); });

// A minus typed as a person may type it: C = A (+0.1/-0.15 with the typed) - B.
INSTANTIATE_TEST_SUITE_P(
    Minus, TTypedDeviationsTest,
    testing::Values(
        TTypedDeviationCase{"MinusSign", false, 1, rEQLow, L"\u22120,05", nullptr, 0.1, -0.2, " -0.050"},
        TTypedDeviationCase{"EnDash", false, 1, rEQLow, L"\u20130,05", nullptr, 0.1, -0.2, " -0.050"},
        TTypedDeviationCase{"EmDash", false, 1, rEQLow, L"\u20140,05", nullptr, 0.1, -0.2, " -0.050"}),
    [](const testing::TestParamInfo<TTypedDeviationCase>& p) { return std::string(p.param.Name); });

} // namespace
