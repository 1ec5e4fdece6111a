#pragma once
// The stand-in host's register of application libraries: a library manager with one list
// of procedures libraries, each with its file path, font, message text, help requests and
// a resource dictionary of its own. Tests enter the libraries the host is to know.

#include <string>
#include <utility>
#include <vector>

#include "HostDictionary.h"
#include "HostObject.h"
#include "tvapi/Libraries.h"

namespace tvhost {

class THostProceduresLibrary final : public THostObjectOf<tvapi::IProceduresLibrary> {
public:
    THostProceduresLibrary(std::wstring fileName, std::wstring fontName, std::wstring messageText);

    // Journaled as "IProceduresLibrary::<operation>".
    std::wstring GetFileName() override;
    std::wstring GetFontName() override;
    std::wstring GetMessageText() override;
    // Journaled with the topic and the help kind; the request is kept.
    bool ShowHelp(int topicId, int helpType) override;
    tvapi::ITervanDictionaryPtr GetDictionary() override;

    // Test side, not journaled.
    const std::wstring& FileName() const noexcept { return FFileName; }
    void SetFontName(std::wstring font) { FFontName = std::move(font); }
    void SetMessageText(std::wstring text) { FMessageText = std::move(text); }
    // Help requests shown so far: (topic, help kind), in order.
    const std::vector<std::pair<int, int>>& HelpShown() const noexcept { return FHelpShown; }
    THostDictionary& Dictionary() noexcept { return *FDictionary; }

private:
    std::wstring FFileName;
    std::wstring FFontName;
    std::wstring FMessageText;
    std::vector<std::pair<int, int>> FHelpShown;
    THostDictionaryPtr FDictionary;
};

using THostProceduresLibraryPtr = tvapi::Ptr<THostProceduresLibrary>;

class THostProceduresLibraries final : public THostObjectOf<tvapi::IProceduresLibraries> {
public:
    // Journaled as "IProceduresLibraries::<operation>".
    int GetCount() override;
    tvapi::IProceduresLibraryPtr GetItem(int index) override;
    // The path must match exactly: case and separators count.
    tvapi::IProceduresLibraryPtr FindByFileName(const wchar_t* fileName) override;

    // Test side, not journaled: registers a library (after those registered before).
    THostProceduresLibrary& Add(std::wstring fileName, std::wstring fontName = {},
                                std::wstring messageText = {});
    std::size_t Count() const noexcept { return FItems.size(); }
    void Clear() noexcept { FItems.clear(); }

private:
    std::vector<THostProceduresLibraryPtr> FItems;
};

using THostProceduresLibrariesPtr = tvapi::Ptr<THostProceduresLibraries>;

class THostLibraryManager final : public THostObjectOf<tvapi::ILibraryManager> {
public:
    THostLibraryManager();

    // Journaled as "ILibraryManager::GetProceduresLibraries".
    tvapi::IProceduresLibrariesPtr GetProceduresLibraries() override;

    // Test side.
    THostProceduresLibraries& Libraries() noexcept { return *FLibraries; }

private:
    THostProceduresLibrariesPtr FLibraries;
};

using THostLibraryManagerPtr = tvapi::Ptr<THostLibraryManager>;

} // namespace tvhost
