// The stand-in register of libraries: lookup by exact file path and registration order.
#include "HostLibraries.h"

#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "HostFixture.h"
#include "HostText.h"

class THostLibrariesTest : public HostFixture {
protected:
    tvapi::IProceduresLibrariesPtr Libraries()
    {
        const tvapi::ILibraryManagerPtr manager = Application()->GetLibraryManager();
        return manager ? manager->GetProceduresLibraries() : nullptr;
    }
};

TEST_F(THostLibrariesTest, LookupNeedsTheExactPath)
{
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

TEST_F(THostLibrariesTest, ItemsKeepRegistrationOrder)
{
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
