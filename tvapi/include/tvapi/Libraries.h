#pragma once
// The host's register of application libraries: the library manager, its procedures
// libraries, and one library's entry (font, message text, help, resource dictionary).

#include <string>

#include "tvapi/Base.h"
#include "tvapi/Dictionary.h"

namespace tvapi {

class IProceduresLibrary : public IAPIObject {
public:
    static constexpr char IID[] = "2E096094-3845-47CC-ACD1-D7484B1D1DFE";
    using Parent = IAPIObject;

    // Full path of the library file, as registered.
    virtual std::wstring GetFileName() = 0;
    // Font the library's own texts are drawn with; empty when none is registered.
    virtual std::wstring GetFontName() = 0;
    // The host's message about the library's registration (why it has no font, say).
    virtual std::wstring GetMessageText() = 0;
    // Opens help topic `topicId` of the library; `helpType` is the kind of help window.
    virtual bool ShowHelp(int topicId, int helpType) = 0;
    // The library's resource dictionary; empty when it has none.
    virtual ITervanDictionaryPtr GetDictionary() = 0;

protected:
    ~IProceduresLibrary() = default;
};

using IProceduresLibraryPtr = Ptr<IProceduresLibrary>;

class IProceduresLibraries : public IAPIObject {
public:
    static constexpr char IID[] = "CD4E652C-608A-4336-903F-E6C8B60A3205";
    using Parent = IAPIObject;

    virtual int GetCount() = 0;
    // Library `index`, from 0 in registration order; empty out of range.
    virtual IProceduresLibraryPtr GetItem(int index) = 0;
    // The library registered under exactly this file path (null reads as empty); empty
    // when the host does not know the file.
    virtual IProceduresLibraryPtr FindByFileName(const wchar_t* fileName) = 0;

protected:
    ~IProceduresLibraries() = default;
};

using IProceduresLibrariesPtr = Ptr<IProceduresLibraries>;

class ILibraryManager : public IAPIObject {
public:
    static constexpr char IID[] = "9CFCCA06-91F1-4E98-9B30-A5F6C21B55DB";
    using Parent = IAPIObject;

    virtual IProceduresLibrariesPtr GetProceduresLibraries() = 0;

protected:
    ~ILibraryManager() = default;
};

using ILibraryManagerPtr = Ptr<ILibraryManager>;

} // namespace tvapi
