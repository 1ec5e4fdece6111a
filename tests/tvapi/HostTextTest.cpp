// Wide text and UTF-8 conversion of the stand-in host.
#include "HostText.h"

#include <string>

#include <gtest/gtest.h>

TEST(HostTextTest, RoundTripsEveryEncodedLength)
{
    // 1, 2, 3 and 4 byte sequences: 'A', 'Ж', '€', U+1F600.
    const std::wstring wide = L"A\u0416\u20AC\U0001F600";
    const std::string utf8 = "A\xD0\x96\xE2\x82\xAC\xF0\x9F\x98\x80";
    EXPECT_EQ(tvhost::ToUtf8(wide), utf8);
    EXPECT_EQ(tvhost::FromUtf8(utf8), wide);
    EXPECT_EQ(tvhost::ToUtf8(static_cast<const wchar_t*>(nullptr)), "");
    // Non-scalar values become replacement characters.
    const std::wstring bad = {L'a', static_cast<wchar_t>(0xD800), static_cast<wchar_t>(0x110000),
                              static_cast<wchar_t>(-1)};
    EXPECT_EQ(tvhost::ToUtf8(bad), "a\xEF\xBF\xBD\xEF\xBF\xBD\xEF\xBF\xBD");
}

TEST(HostTextTest, MalformedUtf8BecomesReplacementCharacters)
{
    const std::pair<std::string, std::wstring> cases[] = {
        {"\x80z", L"\uFFFDz"},           // stray continuation byte
        {"\xD0", L"\uFFFD"},             // truncated at the end
        {"\xE2\x82z", L"\uFFFD\uFFFDz"}, // truncated: each byte replaced, then resync
        {"\xC0\xAF", L"\uFFFD"},         // overlong '/'
        {"\xED\xA0\x80", L"\uFFFD"},     // encoded surrogate
        {"\xF4\x90\x80\x80", L"\uFFFD"}, // above U+10FFFF
        {"\xFFok", L"\uFFFDok"},         // byte that starts nothing
    };
    for (const auto& [utf8, wide] : cases)
        EXPECT_EQ(tvhost::FromUtf8(utf8), wide) << testing::PrintToString(utf8);
}
