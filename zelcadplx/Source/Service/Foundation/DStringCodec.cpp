// TString conversions: the Windows-1251 code page against UTF-8 and wide text, number texts
// formatted and read without regard to the process locale, and degree-minute-second angles.

#include "DString.h"

#include "DeviationText.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <string_view>

const TWideChar RusUnicode[128] = {
    0x0402, 0x0403, 0x201A, 0x0453, 0x201E, 0x2026, 0x2020, 0x2021, // 0x80
    0x20AC, 0x2030, 0x0409, 0x2039, 0x040A, 0x040C, 0x040B, 0x040F, // 0x88
    0x0452, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014, // 0x90
    0x0098, 0x2122, 0x0459, 0x203A, 0x045A, 0x045C, 0x045B, 0x045F, // 0x98
    0x00A0, 0x040E, 0x045E, 0x0408, 0x00A4, 0x0490, 0x00A6, 0x00A7, // 0xA0
    0x0401, 0x00A9, 0x0404, 0x00AB, 0x00AC, 0x00AD, 0x00AE, 0x0407, // 0xA8
    0x00B0, 0x00B1, 0x0406, 0x0456, 0x0491, 0x00B5, 0x00B6, 0x00B7, // 0xB0
    0x0451, 0x2116, 0x0454, 0x00BB, 0x0458, 0x0405, 0x0455, 0x0457, // 0xB8
    0x0410, 0x0411, 0x0412, 0x0413, 0x0414, 0x0415, 0x0416, 0x0417, // 0xC0
    0x0418, 0x0419, 0x041A, 0x041B, 0x041C, 0x041D, 0x041E, 0x041F, // 0xC8
    0x0420, 0x0421, 0x0422, 0x0423, 0x0424, 0x0425, 0x0426, 0x0427, // 0xD0
    0x0428, 0x0429, 0x042A, 0x042B, 0x042C, 0x042D, 0x042E, 0x042F, // 0xD8
    0x0430, 0x0431, 0x0432, 0x0433, 0x0434, 0x0435, 0x0436, 0x0437, // 0xE0
    0x0438, 0x0439, 0x043A, 0x043B, 0x043C, 0x043D, 0x043E, 0x043F, // 0xE8
    0x0440, 0x0441, 0x0442, 0x0443, 0x0444, 0x0445, 0x0446, 0x0447, // 0xF0
    0x0448, 0x0449, 0x044A, 0x044B, 0x044C, 0x044D, 0x044E, 0x044F, // 0xF8
};

namespace {

constexpr TChar kUnmapped = '?';
constexpr TWideChar kCyrillicFirst = 0x0400; // the two-byte UTF-8 block mapped through the table
constexpr TWideChar kCyrillicLast = 0x04FF;
constexpr TWideChar kCapitalA = 0x0410; // А..я lie in one run, 0xC0..0xFF
constexpr TWideChar kSmallYa = 0x044F;
constexpr int kMaxNumberText = 255; // number texts are cut to this many characters
constexpr int kMaxDecimals = 255;
constexpr Real kMaxAngleForDms = 1e12; // beyond this, degrees are written as a plain number
constexpr long long kTenthsPerDegree = 36000;
constexpr long long kTenthsPerMinute = 600;

// Decodes one UTF-8 character at s into a Windows-1251 byte; returns the bytes consumed.
// A lead byte whose follower is not a continuation byte (the terminator included) counts alone.
int DecodeUtf8(const unsigned char* s, TChar& out)
{
    const unsigned char lead = s[0];
    if (lead < 0x80) {
        out = static_cast<TChar>(lead);
        return 1;
    }
    if ((lead & 0xE0) == 0xC0 && (s[1] & 0xC0) == 0x80) {
        const TWideChar cp = ((lead & 0x1F) << 6) | (s[1] & 0x3F);
        out = (cp >= kCyrillicFirst && cp <= kCyrillicLast) ? TString::UniCodeToChar(cp) : kUnmapped;
        return 2;
    }
    out = kUnmapped;
    return 1;
}

std::string PadToWidth(std::string text, Integer width, char pad)
{
    const std::size_t field = std::min<std::size_t>(std::abs(static_cast<long long>(width)), kMaxNumberText);
    if (text.size() < field) {
        if (width < 0)
            text.append(field - text.size(), ' ');
        else
            text.insert(0, field - text.size(), pad);
    }
    if (text.size() > static_cast<std::size_t>(kMaxNumberText)) text.resize(kMaxNumberText);
    return text;
}

// "%*.*f" in the C locale, then the separator swapped for a comma when asked.
std::string FormatFixed(Real D, Integer C, bool Dot, Integer width)
{
    const int decimals = C < 0 ? 6 : std::min<int>(C, kMaxDecimals);
    char buf[2 * kMaxNumberText + 400];
    const auto res = std::to_chars(buf, buf + sizeof buf, D, std::chars_format::fixed, decimals);
    std::string text(buf, res.ec == std::errc() ? res.ptr : buf);
    if (!Dot) std::replace(text.begin(), text.end(), '.', ',');
    return PadToWidth(text, width, ' ');
}

std::string FormatInt(long long value, Integer CountDigits)
{
    char buf[32];
    const auto res = std::to_chars(buf, buf + sizeof buf, value);
    std::string digits(buf, res.ptr);
    if (CountDigits < 0) return PadToWidth(digits, CountDigits, ' ');
    const bool negative = value < 0;
    if (negative) digits.erase(0, 1);
    const std::size_t field = std::min<std::size_t>(CountDigits, kMaxNumberText);
    const std::size_t digitsWanted = field > (negative ? 1u : 0u) ? field - (negative ? 1 : 0) : 0;
    if (digits.size() < digitsWanted) digits.insert(0, digitsWanted - digits.size(), '0');
    return PadToWidth(negative ? "-" + digits : digits, 0, ' ');
}

// The text with every byte outside DigitsChar blanked and commas made points.
std::string NumericCopy(const TChar* text, Integer len)
{
    std::string copy(text != nullptr ? text : "", text != nullptr ? len : 0);
    for (char& c : copy) {
        if (c == ',')
            c = '.';
        else if (c == 0 || std::strchr(DigitsChar, c) == nullptr)
            c = ' ';
    }
    return copy;
}

// Reads a decimal number as strtod does on that alphabet, independent of LC_NUMERIC.
// end receives where reading stopped (s itself when there is no number).
Real ScanReal(const char* s, const char** end)
{
    const char* p = s;
    while (*p == ' ')
        ++p;
    const bool negative = *p == '-';
    if (*p == '+' || *p == '-') ++p;
    const char* first = p;
    std::size_t digits = 0, whole = 0;
    for (; *p >= '0' && *p <= '9'; ++p)
        ++digits, ++whole;
    if (*p == '.')
        for (++p; *p >= '0' && *p <= '9'; ++p)
            ++digits;
    if (digits == 0) {
        *end = s;
        return 0.0;
    }
    *end = p;
    Real value = 0.0;
    const auto res = std::from_chars(first, p, value, std::chars_format::fixed);
    if (res.ec == std::errc::result_out_of_range) value = whole > 300 ? HUGE_VAL : 0.0;
    return negative ? -value : value;
}

} // namespace

// ---------------------------------------------------------------------------------------------
// Number constructors

TString::TString(const Integer D) : TString()
{
    Set(FormatInt(D, 1).c_str());
}

TString::TString(const Integer D, Integer CountDigits) : TString()
{
    Set(FormatInt(D, CountDigits).c_str());
}

TString::TString(const UInteger D, Integer CountDigits) : TString()
{
    Set(FormatInt(D, CountDigits).c_str());
}

TString::TString(const Real D, Integer C, const Boolean Dot, const Integer width) : TString()
{
    Set(FormatFixed(D, C, Dot, width).c_str());
}

TString::TString(const bool B) : TString()
{
    Set(B ? "true" : "false");
}

TString::TString(const Byte B) : TString()
{
    Set(FormatInt(B, 1).c_str());
}

// ---------------------------------------------------------------------------------------------
// Code page

TWideChar TString::CharToUniCode(const TChar Ch)
{
    const auto b = static_cast<unsigned char>(Ch);
    return b < 0x80 ? static_cast<TWideChar>(b) : RusUnicode[b - 0x80];
}

char16_t TString::CharToUniCode16(const TChar Ch)
{
    return static_cast<char16_t>(CharToUniCode(Ch));
}

TChar TString::UniCodeToChar(const TWideChar WC)
{
    if (WC >= 0 && WC < 0x80) return static_cast<TChar>(WC);
    if (WC >= kCapitalA && WC <= kSmallYa) return static_cast<TChar>(0xC0 + (WC - kCapitalA));
    for (int i = 0; i < 128; ++i)
        if (RusUnicode[i] == WC) return static_cast<TChar>(0x80 + i);
    return kUnmapped;
}

TChar TString::UniCode16ToChar(const char16_t WC)
{
    return UniCodeToChar(static_cast<TWideChar>(WC));
}

Integer TString::fromUTF8(const char8_t* input, char* output)
{
    if (input == nullptr) {
        if (output != nullptr) *output = 0;
        return 0;
    }
    const auto* s = reinterpret_cast<const unsigned char*>(input);
    Integer count = 0;
    while (*s != 0) {
        TChar c;
        s += DecodeUtf8(s, c);
        if (output != nullptr) output[count] = c;
        ++count;
    }
    if (output != nullptr) output[count] = 0;
    return count;
}

Integer TString::toUTF8(const char* Input, char8_t* Output)
{
    Integer n = 0;
    for (const char* p = Input; p != nullptr && *p != 0; ++p) {
        const TWideChar cp = CharToUniCode(*p);
        if (cp < 0x80) {
            Output[n++] = static_cast<char8_t>(cp);
        } else if (cp < 0x800) {
            Output[n++] = static_cast<char8_t>(0xC0 | (cp >> 6));
            Output[n++] = static_cast<char8_t>(0x80 | (cp & 0x3F));
        } else {
            Output[n++] = static_cast<char8_t>(kUnmapped); // two bytes per character at most
        }
    }
    Output[n] = 0;
    return n;
}

void TString::SetUtf8(const char8_t* s)
{
    if (s == nullptr || *s == 0) return;
    EnsureBuffers();
    const Integer count = fromUTF8(s, nullptr);
    SetSize(count);
    const auto bytes = static_cast<Integer>(std::strlen(reinterpret_cast<const char*>(s)));
    const Integer kept = std::min(bytes, 2 * SizeBufer - 1);
    if (BufUtf8 == nullptr) BufUtf8 = new TChar[2 * SizeBufer]; // made on demand: most texts never need it
    std::memcpy(BufUtf8, s, kept);
    BufUtf8[kept] = 0;
    fromUTF8(s, Bufer);
    Len = count;
}

// ---------------------------------------------------------------------------------------------
// Numbers

bool TString::IsNumeric() const
{
    Integer len = Len;
    while (len > 0 && Bufer[len - 1] == ' ')
        --len;
    const std::string copy = NumericCopy(Bufer, len);
    if (copy.empty()) return true;
    const char* end = nullptr;
    ScanReal(copy.c_str(), &end);
    return end == copy.c_str() + copy.size();
}

Real TString::toReal() const
{
    const std::string copy = NumericCopy(Bufer, Len);
    const char* end = nullptr;
    return ScanReal(copy.c_str(), &end);
}

Integer TString::toInteger() const
{
    const std::string copy = NumericCopy(Bufer, Len);
    const long long value = std::strtoll(copy.c_str(), nullptr, 10);
    return static_cast<Integer>(std::clamp<long long>(value, INT32_MIN, INT32_MAX));
}

namespace {

// The characters a number's minus is written with: the hyphen-minus; hyphen, non-breaking
// hyphen, figure dash, en dash, em dash and horizontal bar (U+2010..U+2015); the minus sign
// (U+2212); the two- and three-em dashes (U+2E3A, U+2E3B); the small em dash (U+FE58); the small
// and fullwidth hyphen-minus (U+FE63, U+FF0D); the superscript and subscript minus (U+207B,
// U+208B). A fixed list: any other character is no sign.
constexpr wchar_t kMinusSigns[] = {L'-',      L'\u2010', L'\u2011', L'\u2012', L'\u2013',
                                   L'\u2014', L'\u2015', L'\u2212', L'\u2E3A', L'\u2E3B',
                                   L'\uFE58', L'\uFE63', L'\uFF0D', L'\u207B', L'\u208B'};

} // namespace

bool IsMinusSign(wchar_t C)
{
    return std::find(std::begin(kMinusSigns), std::end(kMinusSigns), C) != std::end(kMinusSigns);
}

TString SignedText(const std::wstring& Text)
{
    std::wstring plain(Text);
    std::replace_if(plain.begin(), plain.end(), IsMinusSign, L'-');
    return TString(plain);
}

// ---------------------------------------------------------------------------------------------
// Angles

void TString::DegreesAngle(const Real& Angle, const Boolean forTervan)
{
    const char* degreeMark = forTervan ? "@1~" : "\xB0";
    const Real a = std::fabs(Angle);
    Clear();
    if (!std::isfinite(a) || a > kMaxAngleForDms) {
        Set(FormatFixed(Angle, 1, true, 0).c_str());
        Add(degreeMark);
        return;
    }
    // Round once to the tenth of a second shown, so 10.1 reads 10°6' and not 10°5'60.0".
    const long long tenths = std::llround(a * kTenthsPerDegree);
    if (Angle < 0 && tenths != 0) Add('-');
    const long long d = tenths / kTenthsPerDegree;
    const long long m = tenths % kTenthsPerDegree / kTenthsPerMinute;
    const long long s = tenths % kTenthsPerMinute;
    if (d != 0) {
        Add(FormatInt(d, 1).c_str());
        Add(degreeMark);
    }
    if (m != 0) {
        Add(FormatInt(m, 1).c_str());
        Add('\'');
    }
    if (s != 0) {
        Add(FormatFixed(s / 10.0, 1, true, 7).c_str());
        Add('"');
    }
    if (d == 0 && m == 0 && s == 0) {
        Add('0');
        Add(degreeMark);
    }
}

Boolean TString::toDegreesAngle(Real& Angle) const
{
    const TDeviationReading reading = ReadDeviation(Wide(*this), true);
    Angle = reading.Value;
    return reading.Marked;
}
