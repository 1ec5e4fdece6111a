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

} // namespace tvhost
