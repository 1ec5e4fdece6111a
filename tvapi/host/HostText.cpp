// UTF-8 and wide-text conversion for the stand-in host.
#include "HostText.h"

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

} // namespace

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
