// Validators: what may be typed, what is accepted on commit, and the hint a failure shows.

#include "TValidator.h"

#include "FoundationTestUtil.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using foundationtest::Cp;

// An edit box that records the hints it is asked to show.
class TRecordingWindow final : public TValidatorWindow {
public:
    void ShowHint(const TString& Text, int dX, int dY, int Delay) override
    {
        Hints.emplace_back(Text.PChar());
        Shift = {dX, dY, Delay};
    }
    void TakeFocus() override { ++Focused; }

    std::vector<std::string> Hints;
    std::vector<int> Shift;
    int Focused = 0;
};

} // namespace

TEST(TLowRangeValidatorTest, IntegerRangeAcceptsInsideAndNamesTheRangeError)
{
    TRecordingWindow window;
    TLowRangeValidator v(1, 10, "Длина ");
    v.Wnd = &window;
    EXPECT_EQ(v.type, TLowRangeValidator::vt_Integer);
    EXPECT_TRUE(v.Valid("5"));
    EXPECT_TRUE(window.Hints.empty());

    EXPECT_FALSE(v.Valid("11"));
    EXPECT_EQ(v.Result, TValidator::vRangeError);
    ASSERT_EQ(window.Hints.size(), 1u);
    EXPECT_EQ(window.Hints[0], Cp("Длина Ошибка диапозона"));
    EXPECT_EQ(window.Shift, (std::vector<int>{20, 20, 2000}));
    EXPECT_EQ(window.Focused, 1);
}

TEST(TLowRangeValidatorTest, TypingRefusesAMinusForANonNegativeMinimumAndUnaskedBlanks)
{
    TLowRangeValidator v(1, 10, "n");
    EXPECT_FALSE(v.IsValidInput("-1", false));
    EXPECT_TRUE(v.IsValidInput("+1", false));
    EXPECT_STREQ(v.validChars.PChar(), "0123456789+");
    TLowRangeValidator negative(-10, 0, "n");
    EXPECT_STREQ(negative.validChars.PChar(), "0123456789-");
    EXPECT_TRUE(negative.IsValidInput("-1", false));
    // Leading blanks are skipped only when asked.
    EXPECT_TRUE(v.IsValidInput("  5", true));
    EXPECT_FALSE(v.IsValidInput("  5", false));
    EXPECT_TRUE(v.IsValidInput("", false));
    EXPECT_TRUE(v.IsValidInput(nullptr, false));
}

TEST(TLowRangeValidatorTest, RealRangeReadsACommaAsAPointAndRefusesASecondSeparator)
{
    TLowRangeValidator v(0.5, 1.5, "k");
    EXPECT_EQ(v.type, TLowRangeValidator::vt_Real);
    EXPECT_TRUE(v.IsValid("0.7"));
    EXPECT_TRUE(v.IsValid("1,2"));
    EXPECT_FALSE(v.IsValid("1,6"));
    EXPECT_EQ(v.Result, TValidator::vRangeError);
    EXPECT_TRUE(v.IsValid("1.5")); // the range is closed
    EXPECT_TRUE(v.IsValid("0.5"));
    // A second separator is refused while typing, a bad number on commit.
    EXPECT_FALSE(v.IsValidInput("1.2.3", false));
    EXPECT_FALSE(v.IsValidInput("1,2.", false));
    EXPECT_TRUE(v.IsValidInput("1.2", false));
    EXPECT_FALSE(v.IsValid("1.2.3"));
    EXPECT_EQ(v.Result, TValidator::vSyntaxError);
    EXPECT_FALSE(v.IsValid("+"));
    EXPECT_EQ(v.Result, TValidator::vSyntaxError);
}

TEST(TLowRangeValidatorTest, ZeroBoundsMeanNoRangeAndNoSign)
{
    TLowRangeValidator v(0, 0, "n");
    EXPECT_TRUE(v.IsValid("123456"));
    EXPECT_FALSE(v.IsValidInput("-1", false));
    EXPECT_FALSE(v.IsValidInput("+1", false));
    EXPECT_TRUE(v.IsValid(-5));
    TLowRangeValidator real(0.0, 0.0, "r");
    EXPECT_TRUE(real.IsValid("123456.75"));
}

TEST(TLowRangeValidatorTest, NumericChecksByKind)
{
    TLowRangeValidator v(1, 10, "n");
    EXPECT_TRUE(v.IsValid(10));
    EXPECT_FALSE(v.IsValid(0));
    EXPECT_EQ(v.Result, TValidator::vRangeError);
    EXPECT_TRUE(v.IsValid(static_cast<short>(1)));
    EXPECT_TRUE(v.IsValid(9.5));
    EXPECT_FALSE(v.IsValid(10.5));

    TLowRangeValidator wide(-3000000000L, 3000000000L, "l");
    EXPECT_EQ(wide.type, TLowRangeValidator::vt_Long);
    EXPECT_TRUE(wide.IsValid("2999999999"));
    EXPECT_FALSE(wide.IsValid(3000000001L));

    TLowRangeValidator single(0.5f, 1.5f, "f");
    EXPECT_EQ(single.type, TLowRangeValidator::vt_Float);
    EXPECT_TRUE(single.IsValid("1.5"));
    EXPECT_FALSE(single.IsValid(1.6f));
}

TEST(TLowRangeValidatorTest, IntegerTextIsTruncatedBeforeTheRange)
{
    TLowRangeValidator v(1, 10, "n");
    v.validChars = TString("0123456789.");
    EXPECT_TRUE(v.IsValid("10.9"));         // read as 10
    EXPECT_FALSE(v.IsValid("0.9"));         // read as 0
    EXPECT_FALSE(v.IsValid("99999999999")); // far past int32, still out of range
    EXPECT_EQ(v.Result, TValidator::vRangeError);
}

TEST(TLowRangeValidatorTest, FilterAndEmptyTexts)
{
    TLowRangeValidator v(1, 10, "n");
    EXPECT_FALSE(v.IsValid("5a"));
    EXPECT_EQ(v.Result, TValidator::vFilterError);
    EXPECT_FALSE(v.IsValid(""));
    EXPECT_EQ(v.Result, TValidator::vFilterError);
    EXPECT_FALSE(v.IsValid(nullptr));
    v.ignoreEmptyRegime = true;
    EXPECT_TRUE(v.IsValid(""));
    EXPECT_FALSE(v.IsValid(nullptr));
}

TEST(TLowRangeValidatorTest, StringKindRejectsEveryTextAndHexTakesHexCharacters)
{
    TLowRangeValidator v(1, 10, "n");
    v.SetRange(TLowRangeValidator::vt_String, 0.0, 0.0);
    EXPECT_STREQ(v.validChars.PChar(), "0123456789+"); // left as it was
    EXPECT_FALSE(v.IsValid("5"));
    EXPECT_EQ(v.Result, TValidator::vRangeError);
    v.SetRange(TLowRangeValidator::vt_Hex, 0L, 255L);
    EXPECT_STREQ(v.validChars.PChar(), "0x123456789AaBbCcDdEeFf");
    EXPECT_TRUE(v.IsValidInput("0xFf", false));
    EXPECT_FALSE(v.IsValidInput("0xG", false));
}

TEST(TLowRangeValidatorTest, CopyKeepsRangeAndTextsButNotWindowOrResult)
{
    TRecordingWindow window;
    TLowRangeValidator v(1, 10, "n");
    v.Wnd = &window;
    v.Message = TString("свой текст");
    v.ignoreEmptyRegime = true;
    EXPECT_FALSE(v.IsValid("11"));
    TLowRangeValidator copy(v);
    EXPECT_EQ(copy.Result, TValidator::vOK);
    EXPECT_EQ(copy.Wnd, nullptr);
    EXPECT_TRUE(copy.ignoreEmptyRegime);
    EXPECT_FALSE(copy.IsValid(11));
    EXPECT_TRUE(copy.IsValid(1));
    EXPECT_STREQ(copy.Name.PChar(), "n");
    EXPECT_EQ(std::string(copy.Message.PChar()), Cp("свой текст"));
}

TEST(TValidatorTest, MessageReplacesTheDefaultTexts)
{
    TRecordingWindow window;
    TLowRangeValidator v(1, 10, "n: ");
    v.Wnd = &window;
    v.Message = TString("от 1 до 10");
    EXPECT_FALSE(v.Valid("11"));
    ASSERT_EQ(window.Hints.size(), 1u);
    EXPECT_EQ(window.Hints[0], Cp("n: от 1 до 10"));

    EXPECT_EQ(std::string(TValidator::DefaultText(TValidator::vLengthError)), "Ошибка длинны текста");
    EXPECT_EQ(std::string(TValidator::DefaultText(TValidator::vRangeError)), "Ошибка диапозона");
    EXPECT_EQ(std::string(TValidator::DefaultText(TValidator::vFilterError)), "Ошибка Недопустимые символы");
    EXPECT_EQ(std::string(TValidator::DefaultText(TValidator::vSyntaxError)), "Ошибка синтаксиса");
    EXPECT_EQ(std::string(TValidator::DefaultText(TValidator::vOK)), "");
}

TEST(TValidatorTest, NothingIsShownForOkOrWithoutWindow)
{
    TRecordingWindow window;
    TValidator v;
    v.Wnd = &window;
    v.Error(nullptr);
    EXPECT_TRUE(window.Hints.empty());
    v.ShowMessage(TString());
    EXPECT_TRUE(window.Hints.empty());
    EXPECT_EQ(window.Focused, 0);

    TLowRangeValidator unseen(1, 10, "n");
    EXPECT_FALSE(unseen.Valid("11")); // no window: nothing to show, no crash
    EXPECT_TRUE(v.IsValid("anything"));
    EXPECT_TRUE(v.IsValidInput("anything", false));
}

TEST(TFilterValidatorTest, CharactersAndSeparators)
{
    TRecordingWindow window;
    TFilterValidator v(TString("0123456789.,"), false);
    v.Wnd = &window;
    EXPECT_TRUE(v.IsValid("1.2.3")); // commit checks characters only
    EXPECT_FALSE(v.IsValidInput("1.2,3", false));
    EXPECT_TRUE(v.IsValid(nullptr));
    EXPECT_FALSE(v.Valid("1x"));
    ASSERT_EQ(window.Hints.size(), 1u);
    EXPECT_EQ(window.Hints[0], Cp("Ошибка Недопустимые символы"));
    TFilterValidator repeat(TString("0123456789.,"), true);
    EXPECT_TRUE(repeat.IsValidInput("1.2,3", false));
}

TEST(TLengthValidatorTest, BytesCountedAndFailureShown)
{
    TRecordingWindow window;
    TLengthValidator v(4);
    v.Wnd = &window;
    EXPECT_TRUE(v.IsValid("abcd"));
    EXPECT_TRUE(v.IsValid(nullptr));
    EXPECT_FALSE(v.IsValidInput("abcde", false));
    EXPECT_FALSE(v.IsValid("ёж€")); // three characters, seven bytes of UTF-8
    EXPECT_FALSE(v.Valid("abcde"));
    ASSERT_EQ(window.Hints.size(), 1u);
    EXPECT_EQ(window.Hints[0], Cp("Ошибка длинны текста"));
}
