// The link texts: the same numbers read the same in the grid, the drawing, the report and notes.

#include "TLinkText.h"

#include <cmath>

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

} // namespace
