// TString: code-page conversions checked against the system's iconv, number texts against
// printf in the C locale, self-appends across growth, and angle texts read back.

#include "DString.h"

#include "FoundationTestUtil.h"

#include <gtest/gtest.h>

#include <clocale>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <iconv.h>
#include <locale.h>
#include <random>
#include <string>
#include <vector>

#ifdef __SANITIZE_ADDRESS__
#include <sanitizer/lsan_interface.h>
#endif

namespace {

using streamtest::Text;

// Independent code-page oracle: the C library's own converter.
std::string Iconv(const char* to, const char* from, const std::string& in)
{
    iconv_t cd = iconv_open(to, from);
    if (cd == reinterpret_cast<iconv_t>(-1)) return "<no iconv>";
    std::string src = in;
    std::vector<char> out(in.size() * 4 + 16);
    char *ip = src.data(), *op = out.data();
    size_t il = src.size(), ol = out.size();
    const size_t rc = iconv(cd, &ip, &il, &op, &ol);
    iconv_close(cd);
    return rc == static_cast<size_t>(-1) ? "<iconv failed>" : std::string(out.data(), op - out.data());
}

} // namespace

TEST(TStringTest, CyrillicConvertsBothWaysAsIconvDoes)
{
    const char* hello = "Привет";
    TString s(hello);
    EXPECT_EQ(Text(s), std::string("\xCF\xF0\xE8\xE2\xE5\xF2"));
    EXPECT_STREQ(s.BufUtf8, hello);
    EXPECT_EQ(std::wstring(s.toWideChar()), std::wstring(L"\x041F\x0440\x0438\x0432\x0435\x0442"));

    const std::wstring wide = L"\x0490\x0454\x0456\x0457"; // Ґ є і ї
    TString fromWide(wide);
    EXPECT_EQ(Text(fromWide), std::string("\xA5\xBA\xB3\xBF"));
    EXPECT_EQ(std::wstring(fromWide.toWideChar()), wide);
    EXPECT_EQ(Wide(fromWide), wide);
    EXPECT_EQ(Wide(TString()), std::wstring());

    for (int b = 0x80; b <= 0xFF; ++b) {
        SCOPED_TRACE(b);
        if (b == 0x98) {
            EXPECT_EQ(RusUnicode[b - 0x80], 0x98); // unassigned in the code page
            continue;
        }
        const std::string w = Iconv("WCHAR_T", "CP1251", std::string(1, static_cast<char>(b)));
        ASSERT_EQ(w.size(), sizeof(wchar_t));
        wchar_t expected;
        std::memcpy(&expected, w.data(), sizeof expected);
        EXPECT_EQ(TString::CharToUniCode(static_cast<char>(b)), expected);
        EXPECT_EQ(static_cast<unsigned char>(TString::UniCodeToChar(expected)), b);
        EXPECT_EQ(TString::CharToUniCode16(static_cast<char>(b)), static_cast<char16_t>(expected));
    }
}

TEST(TStringTest, UnmappableAndTruncatedInputBecomesQuestionMarks)
{
    EXPECT_EQ(Text(TString(L"a\x4E2D"
                           L"b")),
              "a?b");
    // A lead byte before the terminator; a continuation byte waits behind the terminator.
    const char tail[] = {'a', '\xD0', '\0', '\x9F', '\0'};
    EXPECT_EQ(Text(TString(tail)), "a?");
    EXPECT_EQ(TString::fromUTF8(reinterpret_cast<const char8_t*>(tail), nullptr), 2);
}

TEST(TStringTest, AddingOrInsertingAPieceOfItselfAcrossGrowth)
{
    // Appending or inserting a piece of the string itself, across a buffer growth.
    TString self(std::string(120, 'q').c_str());
    self.Add(self);
    EXPECT_EQ(Text(self), std::string(240, 'q'));
    TString part("0123456789");
    part.Insert(2, part.PChar() + 5);
    EXPECT_EQ(Text(part), "01"
                          "56789"
                          "23456789");
}

TEST(TStringTest, NumberTextsMatchPrintf)
{
    EXPECT_EQ(Text(TString(5, 3)), "005");
    char expected[300];
    for (int digits : {-4, 0, 1, 6})
        for (int value : {0, -7, 12345}) {
            std::snprintf(expected, sizeof expected, "%0*d", digits, value);
            EXPECT_EQ(Text(TString(value, digits)), expected) << value << " digits " << digits;
        }
    struct RealCase {
        double value;
        int decimals, width;
    };
    for (const RealCase c : {RealCase{2.5, 2, 0}, RealCase{-0.125, 2, 7}, RealCase{2.5, 0, 0},
                             RealCase{1e20, 1, 0}, RealCase{3.14159, 4, -10}, RealCase{1.0 / 3.0, 10, 15}}) {
        SCOPED_TRACE(c.value);
        std::snprintf(expected, sizeof expected, "%*.*f", c.width, c.decimals, c.value); // C locale here
        EXPECT_EQ(Text(TString(c.value, c.decimals, true, c.width)), expected);
        std::string comma = expected;
        for (char& ch : comma)
            if (ch == '.') ch = ',';
        EXPECT_EQ(Text(TString(c.value, c.decimals, false, c.width)), comma);
    }
    EXPECT_EQ(TString(1e300, 2, true, 0).Len, 255);
}

namespace {

// A numeric locale with a decimal comma, built on the fly when the system has none installed.
// Null when no such locale can be had; the caller frees it.
locale_t CommaLocale()
{
    for (const char* name : {"uk_UA.UTF-8", "ru_RU.UTF-8", "de_DE.UTF-8", "fr_FR.UTF-8"}) {
        if (locale_t l = newlocale(LC_NUMERIC_MASK, name, nullptr)) return l;
    }
    const std::string dir = std::string(DC_BINARY_DIR) + "/test-locales";
    const std::string cmd =
        "mkdir -p '" + dir + "' && localedef -i uk_UA -f UTF-8 '" + dir + "/uk_UA.UTF-8' >/dev/null 2>&1";
    if (std::system(cmd.c_str()) > 1) return locale_t(nullptr); // localedef warns with 1
    setenv("LOCPATH", dir.c_str(), 1);
#ifdef __SANITIZE_ADDRESS__
    __lsan::ScopedDisabler keepQuiet; // glibc keeps the parsed LOCPATH list for good
#endif
    return newlocale(LC_NUMERIC_MASK, "uk_UA.UTF-8", nullptr);
}

} // namespace

TEST(TStringTest, NumberTextsIgnoreTheProcessLocale)
{
    locale_t comma = CommaLocale();
    if (comma == nullptr) GTEST_SKIP() << "no locale with a decimal comma can be made here";
    const locale_t previous = uselocale(comma);
    char probe[16];
    std::snprintf(probe, sizeof probe, "%.1f", 1.5);
    EXPECT_STREQ(probe, "1,5"); // the switch took effect

    EXPECT_EQ(Text(TString(2.5, 2, false, 0)), "2,50");
    EXPECT_EQ(Text(TString(2.5, 2, true, 0)), "2.50");
    EXPECT_DOUBLE_EQ(TString("1,25").toReal(), 1.25);

    uselocale(previous);
    freelocale(comma);
    EXPECT_EQ(Text(TString(2.5, 2, false, 0)), "2,50");
}

TEST(TStringTest, AngleTextsAndReadingThemBack)
{
    TString text;
    text.DegreesAngle(10.1, false); // 10.1 is 10°6' exactly; the binary fraction must not show as 5'60.0"
    EXPECT_EQ(Text(text), "10\xB0"
                          "6'");
    double angle = 0;
    text.Set("1\xB0"
             "2'3\"");
    EXPECT_TRUE(text.toDegreesAngle(angle));
    EXPECT_DOUBLE_EQ(angle, 1 + 2 / 60.0 + 3 / 3600.0);

    constexpr double tenthOfSecond = 0.05 / 3600 + 1e-12; // the text keeps 0.1"
    std::mt19937 rng(11);
    std::uniform_real_distribution<double> any(-400.0, 400.0);
    std::vector<double> values = {0.0, -0.5, 359.999, 1.0 / 3600};
    for (int i = 0; i < 500; ++i)
        values.push_back(any(rng));
    for (const double value : values)
        for (const bool host : {false, true}) {
            text.DegreesAngle(value, host);
            double back = 1e9;
            EXPECT_TRUE(text.toDegreesAngle(back));
            EXPECT_NEAR(back, value, tenthOfSecond) << Text(text);
        }
}
