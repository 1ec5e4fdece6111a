#pragma once
// The host's dictionary: translation of user-visible texts into the user's language.
// Reached through the application (IApplication::GetDictionary).

#include <string>

#include "tvapi/ApplicationServices.h"
#include "tvapi/Base.h"

namespace tvapi {

class ITervanDictionary : public IAPIObject {
public:
    static constexpr char IID[] = "BB965A79-F047-4538-ABF5-18E6CB7B814A";
    using Parent = IAPIObject;

    // The translation of `text`. What comes back for a text the dictionary does not know is
    // the host's choice (the stand-in gives the text itself). A null `text` reads as empty.
    virtual std::wstring Translate(const wchar_t* text) = 0;

    // String resource `id` of the module `module`; empty when the dictionary has none.
    virtual std::wstring GetResourceString(ResourceModule module, int id) = 0;

protected:
    ~ITervanDictionary() = default;
};

using ITervanDictionaryPtr = Ptr<ITervanDictionary>;

} // namespace tvapi
