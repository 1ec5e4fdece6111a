// The stand-in host's register of application libraries.
#include "HostLibraries.h"

#include <string_view>

#include "HostText.h"

namespace tvhost {

THostProceduresLibrary::THostProceduresLibrary(std::wstring fileName, std::wstring fontName,
                                               std::wstring messageText)
    : FFileName(std::move(fileName)), FFontName(std::move(fontName)), FMessageText(std::move(messageText)),
      FDictionary(New<THostDictionary>())
{
}

std::wstring THostProceduresLibrary::GetFileName()
{
    if (!Enter("IProceduresLibrary::GetFileName")) return {};
    return FFileName;
}

std::wstring THostProceduresLibrary::GetFontName()
{
    if (!Enter("IProceduresLibrary::GetFontName")) return {};
    return FFontName;
}

std::wstring THostProceduresLibrary::GetMessageText()
{
    if (!Enter("IProceduresLibrary::GetMessageText")) return {};
    return FMessageText;
}

bool THostProceduresLibrary::ShowHelp(int topicId, int helpType)
{
    if (!Enter("IProceduresLibrary::ShowHelp", {std::to_string(topicId), std::to_string(helpType)}))
        return false;
    FHelpShown.emplace_back(topicId, helpType);
    return true;
}

tvapi::ITervanDictionaryPtr THostProceduresLibrary::GetDictionary()
{
    if (!Enter("IProceduresLibrary::GetDictionary")) return {};
    return tvapi::ITervanDictionaryPtr(FDictionary);
}

int THostProceduresLibraries::GetCount()
{
    if (!Enter("IProceduresLibraries::GetCount")) return 0;
    return static_cast<int>(FItems.size());
}

tvapi::IProceduresLibraryPtr THostProceduresLibraries::GetItem(int index)
{
    if (!Enter("IProceduresLibraries::GetItem", {std::to_string(index)})) return {};
    if (index < 0 || static_cast<std::size_t>(index) >= FItems.size()) return {};
    return tvapi::IProceduresLibraryPtr(FItems[static_cast<std::size_t>(index)]);
}

tvapi::IProceduresLibraryPtr THostProceduresLibraries::FindByFileName(const wchar_t* fileName)
{
    const std::wstring_view name = fileName ? std::wstring_view(fileName) : std::wstring_view();
    if (!Enter("IProceduresLibraries::FindByFileName", {ToUtf8(name)})) return {};
    for (const THostProceduresLibraryPtr& library : FItems)
        if (library->FileName() == name) return tvapi::IProceduresLibraryPtr(library);
    return {};
}

THostProceduresLibrary& THostProceduresLibraries::Add(std::wstring fileName, std::wstring fontName,
                                                      std::wstring messageText)
{
    FItems.push_back(
        New<THostProceduresLibrary>(std::move(fileName), std::move(fontName), std::move(messageText)));
    return *FItems.back();
}

THostLibraryManager::THostLibraryManager() : FLibraries(New<THostProceduresLibraries>()) {}

tvapi::IProceduresLibrariesPtr THostLibraryManager::GetProceduresLibraries()
{
    if (!Enter("ILibraryManager::GetProceduresLibraries")) return {};
    return tvapi::IProceduresLibrariesPtr(FLibraries);
}

} // namespace tvhost
