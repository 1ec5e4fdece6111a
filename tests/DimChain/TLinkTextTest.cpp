// The link texts: the same numbers read the same in the grid, the drawing, the report and notes.

#include "TLinkText.h"

#include "DeviationText.h"

#include <cmath>
#include <random>
#include <string>
#include <vector>

#include <gtest/gtest.h>

namespace {

TEST(TLinkTextTest, NumbersDeviationsLabelsAndNotes)
{
    const struct {
        TString Text;
        const char* Shown;
    } rows[] = {
        {LinkText::Number(0.1), "  0.100"},
        {LinkText::Number(-0.15), " -0.150"},
        {LinkText::Number(40.0, 2), "  40.00"},
        {LinkText::Deviation(0.1), "  0,100"},
        {LinkText::Deviation(-0.0005), " -0,001"},
        {LinkText::Deviation(-0.0004), "  0,000"}, // never a negative zero
        {LinkText::Label(1, 2, true), "01.02*"},
        {LinkText::Label(12, 0, false), "12.00"},
        {LinkText::ResidualNote(0.0, 0.1, -0.15), "0(   0.00)[  0.100, -0.150]"},
        {LinkText::LengthNote(30.0, 30.5), "(*dT=  30.000  30.500"},
    };
    for (const auto& r : rows)
        EXPECT_EQ(r.Text, TString(r.Shown)) << r.Shown;
    // Angular deviations show from above the threshold on; NaN shows blank.
    EXPECT_EQ(LinkText::Angle(LinkText::AngleShown), TString());
    EXPECT_EQ(LinkText::Angle(-LinkText::AngleShown), TString());
    EXPECT_EQ(LinkText::Angle(NAN), TString());
    EXPECT_FALSE(LinkText::Angle(0.5) == TString());
}

// An older set kept a check's figures in the note: the last check form is taken out and read;
// digits beyond the largest real are no figures, and the note stays whole.
TEST(TLinkTextTest, CheckFiguresTakenFromAnOlderNote)
{
    TString note("Gap {5} { 0.126 -0.126 }");
    Real high = 0, low = 0;
    ASSERT_TRUE(LinkText::TakeCheckNote(note, high, low));
    EXPECT_EQ(note, TString("Gap {5}"));
    EXPECT_DOUBLE_EQ(high, 0.126);
    EXPECT_DOUBLE_EQ(low, -0.126);
    const std::string huge = " { 1" + std::string(400, '0') + ".000 -0.126 }";
    TString far(huge.c_str());
    EXPECT_FALSE(LinkText::TakeCheckNote(far, high, low));
    EXPECT_EQ(far, TString(huge.c_str()));
    EXPECT_DOUBLE_EQ(high, 0.126);
}

// What reading Text gives back against Figure, at the written precision Within.
testing::AssertionResult ReadsWholeBack(const TString& Text, bool Angular, double Figure, double Within)
{
    const TDeviationReading read = ReadDeviation(Wide(Text), Angular);
    if (read.Verdict == dvWhole && std::fabs(read.Value - Figure) <= Within)
        return testing::AssertionSuccess();
    return testing::AssertionFailure() << testing::PrintToString(Wide(Text)) << " reads " << read.Value
                                       << " (verdict " << read.Verdict << ") for " << Figure;
}

// Each deviation text the plug-in writes reads whole and back to its figure at the precision
// written: a length to half a thousandth, an angle to half a tenth of a second, with the degree
// sign or the host's code, over figures from 1e-7 to 1e6 of either sign.
TEST(TLinkTextTest, WrittenTextsReadWholeBackToTheirFigures)
{
    constexpr double slack = 1e-9;
    constexpr double halfThousandth = 0.0005 + slack;
    constexpr double halfTenthOfSecond = 0.05 / 3600 + slack;
    std::vector<double> figures = {0.0,
                                   1e6,
                                   0.0005,
                                   0.00049999,
                                   0.9995,
                                   59.95 / 3600,
                                   1.0 / 60 - 1e-9,
                                   359.99999,
                                   1e6 - 1e-7,
                                   LinkText::AngleShown,
                                   2 * LinkText::AngleShown};
    std::mt19937 rng(115);
    std::uniform_real_distribution<double> exponent(-7.0, 6.0);
    for (int i = 0; i < 20000; ++i)
        figures.push_back(std::pow(10.0, exponent(rng)));
    int failures = 0;
    const auto expect = [&failures](const testing::AssertionResult& r) {
        EXPECT_TRUE(r);
        failures += r ? 0 : 1;
    };
    for (const double magnitude : figures)
        for (const double v : {magnitude, -magnitude}) {
            if (failures > 5) return;
            expect(ReadsWholeBack(LinkText::Deviation(v), false, v, halfThousandth));
            const bool shown = std::fabs(v) > LinkText::AngleShown;
            expect(ReadsWholeBack(LinkText::Angle(v), true, shown ? v : 0.0, halfTenthOfSecond));
            TString host;
            host.DegreesAngle(v, true);
            expect(ReadsWholeBack(host, true, v, halfTenthOfSecond));
        }
}

} // namespace
