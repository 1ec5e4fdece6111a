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

    // Test side, not journaled.
    void SetTranslation(std::wstring key, std::wstring value);
    void ClearTranslations() noexcept;
    // Calls of Translate since creation, failed ones included.
    std::size_t TranslateCalls() const noexcept { return FTranslateCalls; }

private:
    std::map<std::wstring, std::wstring, std::less<>> FWords;
    std::size_t FTranslateCalls = 0;
};

using THostDictionaryPtr = tvapi::Ptr<THostDictionary>;

} // namespace tvhost
