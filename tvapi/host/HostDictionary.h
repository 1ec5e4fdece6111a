#pragma once
// The stand-in host's dictionary: gives each text back unchanged unless a test has
// entered a translation for it, and counts the translations asked for.

#include <cstddef>
#include <functional>
#include <map>
#include <string>

#include "HostObject.h"
#include "tvapi/Dictionary.h"

namespace tvhost {

class THostDictionary final : public THostObjectOf<tvapi::ITervanDictionary> {
public:
    // Journaled as "ITervanDictionary::Translate"; fails with an empty text.
    std::wstring Translate(const wchar_t* text) override;
    // Journaled as "ITervanDictionary::GetResourceString" with "null" or "address" for the
    // module, then the id; the stand-in keeps one table whatever the module.
    std::wstring GetResourceString(tvapi::ResourceModule module, int id) override;

    // Test side, not journaled.
    void SetTranslation(std::wstring key, std::wstring value);
    void ClearTranslations() noexcept;
    void SetResourceString(int id, std::wstring text);
    // Calls of Translate since creation, failed ones included.
    std::size_t TranslateCalls() const noexcept { return FTranslateCalls; }

private:
    std::map<std::wstring, std::wstring, std::less<>> FWords;
    std::size_t FTranslateCalls = 0;
    std::map<int, std::wstring> FResourceStrings;
};

using THostDictionaryPtr = tvapi::Ptr<THostDictionary>;

} // namespace tvhost
