// The link texts: the same numbers read the same in the grid, the drawing, the report and notes.

#include "TLinkText.h"

#include <cmath>
#include <string>

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

} // namespace
