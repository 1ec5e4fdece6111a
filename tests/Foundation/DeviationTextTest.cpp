// The deviation text's reading: each row a text, the figure the reading gives it and its own
// verdict on what it used, beside what the plain number reading makes of the same text.

#include "DeviationText.h"

#include "DString.h"

#include <gtest/gtest.h>

#include <cmath>
#include <ostream>
#include <string>

namespace {

// A deviation text's minus read whichever way it is written; the number reading itself and
// every other character as before; what the reading used of the text.
struct TDeviationTextCase {
    const char* Name;
    const wchar_t* Text;
    bool Angular;
    double Value;                        // the reading's figure; NaN: none
    double PlainRead;                    // toReal of the text converted as any host text is
    TDeviationVerdict Verdict = dvWhole; // the reading's own verdict on its figure
};
void PrintTo(const TDeviationTextCase& c, std::ostream* os)
{
    *os << c.Name;
}

class TDeviationTextTest : public testing::TestWithParam<TDeviationTextCase> {};

constexpr double NoFigure = NAN;
constexpr double Inf = INFINITY;
// A number a double cannot hold, in a length and as plain degrees.
const std::wstring Nines = L"-" + std::wstring(400, L'9');

TEST_P(TDeviationTextTest, ReadsTheMinusInEveryForm)
{
    const TDeviationTextCase& c = GetParam();
    const TDeviationReading read = ReadDeviation(c.Text, c.Angular);
    if (std::isnan(c.Value))
        EXPECT_TRUE(std::isnan(read.Value)) << read.Value;
    else
        EXPECT_DOUBLE_EQ(read.Value, c.Value);
    EXPECT_DOUBLE_EQ(TString(std::wstring(c.Text)).toReal(), c.PlainRead);
    EXPECT_EQ(read.Verdict, c.Verdict);
}

INSTANTIATE_TEST_SUITE_P(
    Minus, TDeviationTextTest,
    testing::Values(TDeviationTextCase{"Hyphen", L" -0,1", false, -0.1, -0.1},
                    TDeviationTextCase{"MinusSign", L"\u22120,1", false, -0.1, 0.1},
                    TDeviationTextCase{"EnDash", L"\u20130,1", false, -0.1, 0.1},
                    // Every dash is a minus now: the em dash was read as a plus before.
                    TDeviationTextCase{"EmDash", L"\u20140,1", false, -0.1, 0.1},
                    TDeviationTextCase{"AngleWithTheMinusSign", L"\u221210\u00b030'", true, -10.5, 10.0},
                    TDeviationTextCase{"Empty", L"", true, 0, 0}),
    [](const testing::TestParamInfo<TDeviationTextCase>& p) { return std::string(p.param.Name); });

// Each dash of the table, in a length and in an angle.
INSTANTIATE_TEST_SUITE_P(
    Dashes, TDeviationTextTest,
    testing::Values(TDeviationTextCase{"Hyphen2010", L"\u20100,1", false, -0.1, 0.1},
                    TDeviationTextCase{"NonBreakingHyphen2011", L"\u20110,1", false, -0.1, 0.1},
                    TDeviationTextCase{"FigureDash2012", L"\u20120,1", false, -0.1, 0.1},
                    TDeviationTextCase{"HorizontalBar2015", L"\u20150,1", false, -0.1, 0.1},
                    TDeviationTextCase{"TwoEmDash2E3A", L"\u2E3A0,1", false, -0.1, 0.1},
                    TDeviationTextCase{"ThreeEmDash2E3B", L"\u2E3B0,1", false, -0.1, 0.1},
                    TDeviationTextCase{"SmallEmDashFE58", L"\uFE580,1", false, -0.1, 0.1},
                    TDeviationTextCase{"SmallHyphenMinusFE63", L"\uFE630,1", false, -0.1, 0.1},
                    TDeviationTextCase{"FullwidthHyphenMinusFF0D", L"\uFF0D0,1", false, -0.1, 0.1},
                    TDeviationTextCase{"SuperscriptMinus207B", L"\u207B0,1", false, -0.1, 0.1},
                    TDeviationTextCase{"SubscriptMinus208B", L"\u208B0,1", false, -0.1, 0.1},
                    TDeviationTextCase{"AngleWithTheEmDash", L"\u20140\u00b010'", true, -1.0 / 6, 0.0},
                    TDeviationTextCase{"AngleWithTheFigureDash", L" \u201210'", true, -1.0 / 6, 10.0},
                    TDeviationTextCase{"TildeIsNoMinus", L"~0,1", false, 0.1, 0.1, dvDropped}),
    [](const testing::TestParamInfo<TDeviationTextCase>& p) { return std::string(p.param.Name); });

// What a number may hold: read as before, whole or not.
INSTANTIATE_TEST_SUITE_P(
    Whole, TDeviationTextTest,
    testing::Values(TDeviationTextCase{"LetterOForZero", L"-O,1", false, 0, 0, dvDropped},
                    TDeviationTextCase{"BlankAfterTheSign", L"- 0,1", false, 0, 0, dvDropped},
                    TDeviationTextCase{"PlusMinus", L"\u00b10,1", false, 0.1, 0.1, dvDropped},
                    TDeviationTextCase{"TwoSeparators", L"0,1,2", false, 0.1, 0.1, dvDropped},
                    TDeviationTextCase{"NoDigit", L" -", false, 0, 0, dvDropped},
                    TDeviationTextCase{"DegreeInALength", L"0\u00b010'", false, 0, 0, dvDropped},
                    TDeviationTextCase{"LeadingBlanks", L"  0,1", false, 0.1, 0.1},
                    TDeviationTextCase{"NoteAfterTheLastDigit", L"-0,1 x", false, -0.1, -0.1},
                    TDeviationTextCase{"Blanks", L"   ", false, 0, 0},
                    TDeviationTextCase{"AngleWithPlus", L"+0\u00b010'", true, 1.0 / 6, 0.0},
                    TDeviationTextCase{"AngleInHostCodes", L"-1@1~30'", true, -1.5, -1.0},
                    TDeviationTextCase{"AngleAsWritten", L"-10'   30.0\"", true, -10.5 / 60, -10.0},
                    TDeviationTextCase{"BlankInAnAngle", L"1 0'", true, 1.0 / 60, 1.0, dvDropped}),
    [](const testing::TestParamInfo<TDeviationTextCase>& p) { return std::string(p.param.Name); });

// Lengths: blanks and unseen marks before the number, a note after it, and what is told.
INSTANTIATE_TEST_SUITE_P(
    Length, TDeviationTextTest,
    testing::Values(TDeviationTextCase{"AfterATab", L"\t-0,1", false, -0.1, -0.1},
                    TDeviationTextCase{"AfterANoBreakSpace", L"\u00a0-0,1", false, -0.1, -0.1},
                    TDeviationTextCase{"AfterANarrowNoBreakSpace", L"\u202f-0,1", false, -0.1, -0.1},
                    TDeviationTextCase{"AfterABidiMark", L"\u200e-0,1", false, -0.1, -0.1},
                    TDeviationTextCase{"AfterAnEmptyLine", L"\r\n-0,1", false, -0.1, -0.1},
                    TDeviationTextCase{"UnseenMarkAfterTheSign", L"-\u200b0,1", false, -0.1, 0},
                    TDeviationTextCase{"NoteHoldingADigit", L"-0,1 (h7)", false, -0.1, -0.1},
                    TDeviationTextCase{"DigitAfterABlank", L"-0,1 2", false, -0.1, -0.1, dvDropped},
                    TDeviationTextCase{"SecondNumber", L"+0,1 -0,05", false, 0.1, 0.1, dvDropped},
                    TDeviationTextCase{"LetterOAfterTheNumber", L"+5O", false, 5, 5, dvDropped},
                    TDeviationTextCase{"InBrackets", L"(-0,1)", false, -0.1, -0.1, dvDropped},
                    TDeviationTextCase{"UnitAfterTheNumber", L"-0,1\u043c\u043c", false, -0.1, -0.1,
                                       dvDropped},
                    TDeviationTextCase{"TooLarge", Nines.c_str(), false, NoFigure, -Inf, dvTooLarge}),
    [](const testing::TestParamInfo<TDeviationTextCase>& p) { return std::string(p.param.Name); });

// Angles: each number before its own mark, in the order degrees, minutes, seconds; the marks
// in each of their forms.
INSTANTIATE_TEST_SUITE_P(
    Angle, TDeviationTextTest,
    testing::Values(TDeviationTextCase{"LetterOInTheMinutes", L"+0\u00b03O'", true, 3.0 / 60, 0, dvDropped},
                    TDeviationTextCase{"LetterOInHostCodes", L"+0@1~3O'", true, 3.0 / 60, 0, dvDropped},
                    TDeviationTextCase{"LetterOAlone", L"+1O'", true, 1.0 / 60, 1, dvDropped},
                    TDeviationTextCase{"MinutesWithoutTheirMark", L"+0\u00b030", true, 0, 0, dvDropped},
                    TDeviationTextCase{"SecondsWithoutTheirMark", L"+0\u00b015'30", true, 0.25, 0, dvDropped},
                    TDeviationTextCase{"SecondsBeforeMinutes", L"+30\"15'", true, 30.0 / 3600, 30, dvDropped},
                    TDeviationTextCase{"DegreesTwice", L"1\u00b02\u00b0", true, 1, 1, dvDropped},
                    TDeviationTextCase{"BlankBeforeTheMark", L"10 \u00b0", true, 10, 10, dvDropped},
                    TDeviationTextCase{"DigitAfterTheLastMark", L"-10' 30", true, -10.0 / 60, -10, dvDropped},
                    TDeviationTextCase{"Prime", L"-0\u00b010\u2032", true, -10.0 / 60, 0},
                    TDeviationTextCase{"DoublePrime", L"10\u2033", true, 10.0 / 3600, 10},
                    TDeviationTextCase{"TwoApostrophes", L"10''", true, 10.0 / 3600, 10},
                    TDeviationTextCase{"OrdinalAndAcute", L"1\u00ba30\u00b4", true, 1.5, 1},
                    TDeviationTextCase{"SignApartFromSeconds", L"-   30.0\"", true, -30.0 / 3600, 0},
                    TDeviationTextCase{"NoteAfterTheAngle", L"10\u00b030' x", true, 10.5, 10},
                    // A note ends the reading: its marks do not make the angle before it marked.
                    TDeviationTextCase{"MarkInANote", L"+0,25 (30')", true, 0.25, 0.25},
                    TDeviationTextCase{"BlankAfterAPlainAngleSign", L"+ 0,25", true, 0.25, 0},
                    TDeviationTextCase{"PlainDegreesTooLarge", Nines.c_str(), true, NoFigure, -Inf,
                                       dvTooLarge}),
    [](const testing::TestParamInfo<TDeviationTextCase>& p) { return std::string(p.param.Name); });

// What a message shows of a text: the host's degree code as the user sees it, a character the
// code page lacks and a tab by their codes, a long text cut.
struct TShownTextCase {
    const char* Name;
    std::wstring Text;
    std::wstring Shown;
};
void PrintTo(const TShownTextCase& c, std::ostream* os)
{
    *os << c.Name;
}

class TShownTextTest : public testing::TestWithParam<TShownTextCase> {};

TEST_P(TShownTextTest, ShowsTheTextAsTheUserSeesIt)
{
    EXPECT_EQ(ShownText(GetParam().Text), GetParam().Shown);
}

INSTANTIATE_TEST_SUITE_P(
    Texts, TShownTextTest,
    testing::Values(TShownTextCase{"FortyCharacters", std::wstring(40, L'1'), std::wstring(40, L'1')},
                    TShownTextCase{"FortyOneCut", std::wstring(41, L'1'), std::wstring(40, L'1') + L"\u2026"},
                    TShownTextCase{"HostDegreeCode", L"+0@1~30'", L"+0\u00b030'"},
                    TShownTextCase{"NotInTheCodePage", L"\u2212O,1", L"[U+2212]O,1"},
                    TShownTextCase{"Tab", L"-0,1\t", L"-0,1[U+0009]"}),
    [](const testing::TestParamInfo<TShownTextCase>& p) { return std::string(p.param.Name); });

} // namespace
