#pragma once
// Conversion between the host's wide texts (UTF-32 on this platform) and UTF-8, in which
// the journal keeps its arguments and tests write their expectations.

#include <string>
#include <string_view>

namespace tvhost {

// Wide text to UTF-8; a value that is no Unicode scalar (a surrogate, or above U+10FFFF)
// becomes U+FFFD. A null text gives an empty result.
std::string ToUtf8(std::wstring_view text);
std::string ToUtf8(const wchar_t* text);

// UTF-8 to wide text. A byte that starts no complete sequence becomes U+FFFD and reading
// goes on at the next byte; a complete sequence that is overlong or no scalar value becomes
// one U+FFFD.
std::wstring FromUtf8(std::string_view text);

// File names are bytes to the system and need not be UTF-8. As wide text a name keeps its
// UTF-8 sequences as characters and every other byte b as the lone surrogate U+DC00 + b, which
// no text holds, so FileNameBytes(FileNameFromBytes(name)) == name for every name.
std::wstring FileNameFromBytes(std::string_view name);
std::string FileNameBytes(std::wstring_view name);

} // namespace tvhost
