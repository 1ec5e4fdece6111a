// File checks through the file system and the path arithmetic of TFileName.

#include "TFileName.h"

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <system_error>

namespace {

bool IsSeparator(TChar c)
{
    return c == '/' || c == '\\';
}

// 0-based index of the last separator at or before `from`, -1 when there is none.
int LastSeparator(const TString& s, int from)
{
    for (int i = std::min(from, s.Length() - 1); i >= 0; --i)
        if (IsSeparator(s.PChar()[i])) return i;
    return -1;
}

void AppendUtf8(std::string& out, char32_t cp)
{
    if (cp < 0x80) {
        out += static_cast<char>(cp);
    } else if (cp < 0x800) {
        out += static_cast<char>(0xC0 | (cp >> 6));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else if (cp < 0x10000) {
        out += static_cast<char>(0xE0 | (cp >> 12));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (cp >> 18));
        out += static_cast<char>(0x80 | ((cp >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    }
}

constexpr char32_t EscapedByte = 0xDC00; // a lone surrogate U+DC80..U+DCFF carries a raw byte
constexpr char32_t MaxCodePoint = 0x10FFFF;
constexpr char32_t Replacement = 0xFFFD;

} // namespace

std::string SystemFileName(const TString& FileName)
{
    std::string out;
    out.reserve(static_cast<std::size_t>(FileName.Length()) * 2);
    for (int i = 0; i < FileName.Length(); ++i)
        AppendUtf8(out, static_cast<char32_t>(TString::CharToUniCode(FileName.PChar()[i])));
    return out;
}

std::string SystemFileName(const std::wstring& FileName)
{
    std::string out;
    out.reserve(FileName.size());
    for (const wchar_t w : FileName) {
        const auto cp = static_cast<char32_t>(w);
        if (cp >= EscapedByte + 0x80 && cp <= EscapedByte + 0xFF)
            out += static_cast<char>(cp - EscapedByte);
        else
            AppendUtf8(out, cp > MaxCodePoint || (cp >= 0xD800 && cp <= 0xDFFF) ? Replacement : cp);
    }
    return out;
}

bool FileExists(const TString& FileName)
{
    std::error_code ec;
    const auto status = std::filesystem::status(SystemFileName(FileName), ec);
    return !ec && std::filesystem::exists(status) && !std::filesystem::is_directory(status);
}

bool DeleteFile(const TString& FileName)
{
    return std::remove(SystemFileName(FileName).c_str()) == 0;
}

TFileName TFileName::Name() const
{
    const int cut = LastSeparator(*this, Length() - 1);
    return cut < 0 ? *this : TFileName(SubStr(cut + 1, Length()));
}

TFileName TFileName::Path(int CountDirectotyUp) const
{
    int cut = LastSeparator(*this, Length() - 1);
    if (cut < 0) return *this;
    for (int level = 0; level < CountDirectotyUp && cut >= 0; ++level)
        cut = LastSeparator(*this, cut - 1);
    return cut < 0 ? TFileName() : TFileName(SubStr(0, cut + 1));
}

int TFileName::CountDirectotyDn(int FronPosition) const
{
    int count = 0;
    for (int i = std::max(FronPosition, 0); i < Length(); ++i)
        count += IsSeparator(PChar()[i]) ? 1 : 0;
    return count;
}

bool TFileName::DeleteFile(const TString&) const
{
    return ::DeleteFile(*this);
}

TFileName TFileName::Relative(const TFileName& NewPathFile, const TFileName& OldPathFile) const
{
    if (OldPathFile.Empty() || NewPathFile == OldPathFile) return *this;
    // The shared part is cut back to the separator that closes it, so a partly shared
    // directory name does not count as shared.
    const int common = OldPathFile.Common(*this, 0);
    const int cut = LastSeparator(*this, common - 1);
    const int levels = OldPathFile.CountDirectotyDn(cut + 1);
    TFileName result = NewPathFile.Path(levels);
    result += SubStr(cut + 1, Length());
    return result;
}
