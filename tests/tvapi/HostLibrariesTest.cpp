// The stand-in register of libraries: lookup by exact file path, registration order, font
// and message texts, help requests and each library's own resource dictionary.
#include "HostLibraries.h"

#include <string>
#include <utility>
#include <vector>

#include <gtest/gtest.h>

#include "HostFixture.h"
#include "HostText.h"

class THostLibrariesTest : public HostFixture {
protected:
    tvapi::IProceduresLibrariesPtr Libraries() {
        const tvapi::ILibraryManagerPtr manager = Application()->GetLibraryManager();
        return manager ? manager->GetProceduresLibraries() : nullptr;
    }
};

TEST_F(THostLibrariesTest, LookupNeedsTheExactPath) {
    tvhost::THostProceduresLibraries& host = Host().App().Libraries();
    host.Add(L"/opt/x/libFirst.plx", L"GOST A");
    host.Add(L"/opt/x/libDimChain.plx", L"#Stamp-Regular");
    const tvapi::IProceduresLibrariesPtr libraries = Libraries();
    ASSERT_TRUE(libraries);

    struct TCase {
        const wchar_t* Path;
        const wchar_t* Font; // null: not found
    };
    const TCase cases[] = {
        {L"/opt/x/libDimChain.plx", L"#Stamp-Regular"},
        {L"/opt/x/libFirst.plx", L"GOST A"},
        {L"/opt/x/libdimchain.plx", nullptr},  // case counts
        {L"/opt/x//libDimChain.plx", nullptr}, // so do separators
        {L"/opt/x/libDimChain", nullptr},
        {L"", nullptr},
        {nullptr, nullptr},
    };
    for (const TCase& c : cases) {
        SCOPED_TRACE(c.Path ? tvhost::ToUtf8(c.Path) : "null");
        const tvapi::IProceduresLibraryPtr found = libraries->FindByFileName(c.Path);
        ASSERT_EQ(static_cast<bool>(found), c.Font != nullptr);
        if (found) {
            EXPECT_EQ(found->GetFontName(), c.Font);
        }
    }
    EXPECT_EQ(Journal().Calls("IProceduresLibraries::FindByFileName")[0].Arguments,
              std::vector<std::string>{"/opt/x/libDimChain.plx"});
}

TEST_F(THostLibrariesTest, ItemsKeepRegistrationOrder) {
    tvhost::THostProceduresLibraries& host = Host().App().Libraries();
    const tvapi::IProceduresLibrariesPtr libraries = Libraries();
    EXPECT_EQ(libraries->GetCount(), 0);
    for (const wchar_t* name : {L"/c.plx", L"/a.plx", L"/b.plx"})
        host.Add(name);
    ASSERT_EQ(libraries->GetCount(), 3);
    EXPECT_EQ(libraries->GetItem(0)->GetFileName(), L"/c.plx");
    EXPECT_EQ(libraries->GetItem(2)->GetFileName(), L"/b.plx");
    EXPECT_FALSE(libraries->GetItem(3));
    EXPECT_FALSE(libraries->GetItem(-1));
    EXPECT_TRUE(libraries->GetItem(1) == libraries->FindByFileName(L"/a.plx"));
}

TEST_F(THostLibrariesTest, LibraryGivesItsTextsHelpAndDictionary) {
    tvhost::THostProceduresLibrary& host =
        Host().App().Libraries().Add(L"/opt/x/libDimChain.plx", L"", L"Библиотека не зарегистрирована");
    const tvapi::IProceduresLibraryPtr library = Libraries()->FindByFileName(L"/opt/x/libDimChain.plx");
    ASSERT_TRUE(library);
    EXPECT_EQ(library->GetFontName(), L"");
    EXPECT_EQ(library->GetMessageText(), L"Библиотека не зарегистрирована");
    host.SetFontName(L"#Stamp-Regular");
    EXPECT_EQ(library->GetFontName(), L"#Stamp-Regular");

    EXPECT_TRUE(library->ShowHelp(120, 1));
    EXPECT_TRUE(library->ShowHelp(7, 0));
    const std::vector<std::pair<int, int>> shown = {{120, 1}, {7, 0}};
    EXPECT_EQ(host.HelpShown(), shown);
    InjectFault("IProceduresLibrary::ShowHelp");
    EXPECT_FALSE(library->ShowHelp(9, 0));
    EXPECT_EQ(host.HelpShown().size(), 2u);

    // The library's dictionary is its own, not the application's.
    const tvapi::ITervanDictionaryPtr dictionary = library->GetDictionary();
    ASSERT_TRUE(dictionary);
    EXPECT_TRUE(dictionary == library->GetDictionary());
    EXPECT_FALSE(dictionary == Application()->GetDictionary());
    host.Dictionary().SetResourceString(301, L"Размерная цепь");
    EXPECT_EQ(dictionary->GetResourceString(&host, 301), L"Размерная цепь");
    EXPECT_EQ(dictionary->GetResourceString(nullptr, 301), L"Размерная цепь");
    EXPECT_EQ(dictionary->GetResourceString(&host, 302), L"");
    EXPECT_EQ(Application()->GetDictionary()->GetResourceString(&host, 301), L"");
    const std::vector<std::string> args = {"null", "301"};
    EXPECT_EQ(Journal().Calls("ITervanDictionary::GetResourceString")[1].Arguments, args);
}

TEST_F(THostLibrariesTest, FaultsGiveEmptyResultsOnce) {
    Host().App().Libraries().Add(L"/l.plx", L"F", L"M");
    const tvapi::ILibraryManagerPtr manager = Application()->GetLibraryManager();
    InjectFault("ILibraryManager::GetProceduresLibraries");
    EXPECT_FALSE(manager->GetProceduresLibraries());
    const tvapi::IProceduresLibrariesPtr libraries = manager->GetProceduresLibraries();
    ASSERT_TRUE(libraries);
    InjectFault("IProceduresLibraries::FindByFileName");
    EXPECT_FALSE(libraries->FindByFileName(L"/l.plx"));
    const tvapi::IProceduresLibraryPtr library = libraries->FindByFileName(L"/l.plx");
    ASSERT_TRUE(library);
    for (const char* op : {"IProceduresLibrary::GetFontName", "IProceduresLibrary::GetMessageText"})
        InjectFault(op);
    EXPECT_EQ(library->GetFontName(), L"");
    EXPECT_EQ(library->GetMessageText(), L"");
    EXPECT_EQ(library->GetFontName(), L"F");
    EXPECT_EQ(library->GetMessageText(), L"M");
    InjectFault("IProceduresLibrary::GetDictionary", tvhost::fkThrow);
    EXPECT_THROW(library->GetDictionary(), tvhost::TInjectedFault);
    EXPECT_EQ(tvhost::RefCountOf(library), 2); // the list's and ours
}
