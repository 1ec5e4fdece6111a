// The dictionary of the stand-in host.
#include "HostDictionary.h"

#include <string_view>
#include <utility>

#include "HostText.h"

namespace tvhost {

std::wstring THostDictionary::Translate(const wchar_t* text)
{
    ++FTranslateCalls;
    const std::wstring_view key = text ? std::wstring_view(text) : std::wstring_view();
    if (!Enter("ITervanDictionary::Translate", {ToUtf8(key)})) return {};
    const auto it = FWords.find(key);
    return it != FWords.end() ? it->second : std::wstring(key);
}

void THostDictionary::SetTranslation(std::wstring key, std::wstring value)
{
    FWords.insert_or_assign(std::move(key), std::move(value));
}

void THostDictionary::ClearTranslations() noexcept
{
    FWords.clear();
}

std::wstring THostDictionary::GetResourceString(tvapi::ResourceModule module, int id)
{
    if (!Enter("ITervanDictionary::GetResourceString", {module ? "address" : "null", std::to_string(id)}))
        return {};
    const auto it = FResourceStrings.find(id);
    return it != FResourceStrings.end() ? it->second : std::wstring();
}

void THostDictionary::SetResourceString(int id, std::wstring text)
{
    FResourceStrings.insert_or_assign(id, std::move(text));
}

} // namespace tvhost
