// UTF-8 and wide-text conversion for the stand-in host.
#include "HostText.h"

#include <utility>

namespace tvhost {

namespace {

constexpr char32_t Replacement = 0xFFFD;
constexpr char32_t MaxScalar = 0x10FFFF;

bool IsScalar(char32_t c) noexcept
{
    return c <= MaxScalar && (c < 0xD800 || c > 0xDFFF);
}

void Append(std::string& out, char32_t c)
{
    if (!IsScalar(c)) c = Replacement;
    if (c < 0x80) {
        out += static_cast<char>(c);
    } else if (c < 0x800) {
        out += static_cast<char>(0xC0 | (c >> 6));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
        out += static_cast<char>(0xE0 | (c >> 12));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (c >> 18));
        out += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    }
}

// Length of the sequence a lead byte starts, 0 for a byte that starts none.
int SequenceLength(unsigned char lead) noexcept
{
    if (lead < 0x80) return 1;
    if ((lead & 0xE0) == 0xC0) return 2;
    if ((lead & 0xF0) == 0xE0) return 3;
    if ((lead & 0xF8) == 0xF0) return 4;
    return 0;
}

// The character of the complete, valid UTF-8 sequence at text[i] and its length; length 0
// when none starts there.
std::pair<char32_t, int> DecodeAt(std::string_view text, std::size_t i) noexcept
{
    static constexpr char32_t MinOfLength[5] = {0, 0, 0x80, 0x800, 0x10000};
    static constexpr unsigned char LeadMask[5] = {0, 0x7F, 0x1F, 0x0F, 0x07};
    const auto lead = static_cast<unsigned char>(text[i]);
    const int n = SequenceLength(lead);
    if (n == 0 || i + static_cast<std::size_t>(n) > text.size()) return {0, 0};
    char32_t c = lead & LeadMask[n];
    for (int k = 1; k < n; ++k) {
        const auto next = static_cast<unsigned char>(text[i + static_cast<std::size_t>(k)]);
        if ((next & 0xC0) != 0x80) return {0, 0};
        c = (c << 6) | (next & 0x3F);
    }
    if (c < MinOfLength[n] || !IsScalar(c)) return {0, 0};
    return {c, n};
}

// Lone surrogates standing for the bytes 0x80..0xFF of a file name that are no UTF-8.
constexpr char32_t EscapedByte = 0xDC00;

} // namespace

std::wstring FileNameFromBytes(std::string_view name)
{
    std::wstring out;
    for (std::size_t i = 0; i < name.size();) {
        const auto [c, n] = DecodeAt(name, i);
        if (n == 0) {
            out += static_cast<wchar_t>(EscapedByte + static_cast<unsigned char>(name[i++]));
            continue;
        }
        out += static_cast<wchar_t>(c);
        i += static_cast<std::size_t>(n);
    }
    return out;
}

std::string FileNameBytes(std::wstring_view name)
{
    std::string out;
    for (wchar_t w : name) {
        const auto c = static_cast<char32_t>(w);
        if (c >= EscapedByte + 0x80 && c <= EscapedByte + 0xFF)
            out += static_cast<char>(c - EscapedByte);
        else
            Append(out, c);
    }
    return out;
}

std::string ToUtf8(std::wstring_view text)
{
    std::string out;
    out.reserve(text.size());
    for (wchar_t c : text)
        Append(out, static_cast<char32_t>(c));
    return out;
}

std::string ToUtf8(const wchar_t* text)
{
    return text ? ToUtf8(std::wstring_view(text)) : std::string();
}

std::wstring FromUtf8(std::string_view text)
{
    static constexpr char32_t MinOfLength[5] = {0, 0, 0x80, 0x800, 0x10000};
    static constexpr unsigned char LeadMask[5] = {0, 0x7F, 0x1F, 0x0F, 0x07};
    std::wstring out;
    std::size_t i = 0;
    while (i < text.size()) {
        const auto lead = static_cast<unsigned char>(text[i]);
        const int n = SequenceLength(lead);
        bool complete = n > 0 && i + static_cast<std::size_t>(n) <= text.size();
        char32_t c = n > 0 ? lead & LeadMask[n] : 0;
        for (int k = 1; complete && k < n; ++k) {
            const auto next = static_cast<unsigned char>(text[i + static_cast<std::size_t>(k)]);
            complete = (next & 0xC0) == 0x80;
            c = (c << 6) | (next & 0x3F);
        }
        if (!complete) {
            out += static_cast<wchar_t>(Replacement);
            ++i;
            continue;
        }
        const bool valid = c >= MinOfLength[n] && IsScalar(c);
        out += static_cast<wchar_t>(valid ? c : Replacement);
        i += static_cast<std::size_t>(n);
    }
    return out;
}

} // namespace tvhost
