// The facade's items in a document's user data: "ZelMould" made on the first write only, one
// item per key, object lists appended, owners' own storages, and failures on the way.

#include "drModelerAPI.h"

#include <gtest/gtest.h>

#include "FacadeFixture.h"
#include "HostUserData.h"

namespace {

using TBytes = std::vector<std::uint8_t>;

class TModelerApiUserDataTest : public TDrawingFacadeFixture {
protected:
    tvhost::TUserData& Data() { return dynamic_cast<tvhost::TDocumentCore&>(*R().IDoc).Data().UserData; }
    static bool Set(const TBytes& b, bool save = false, tvapi::ITervanAPIObjectPtr owner = {})
    {
        return drApi::MA.drSetUserData(R().IDoc, TString("DimChains"), b, save, owner);
    }
    static bool Get(TBytes& b) { return drApi::MA.drGetUserData(R().IDoc, TString("DimChains"), b, {}); }
};

} // namespace

TEST_F(TModelerApiUserDataTest, ItemsAreWrittenOncePerKeyAndReadBack)
{
    TBytes read{9};
    EXPECT_FALSE(Get(read));
    EXPECT_EQ(read, TBytes{9}); // no storage yet: untouched, and none made
    EXPECT_EQ(Data().Document().GetCount(), 0);
    EXPECT_TRUE(Set({1, 2}));
    EXPECT_TRUE(Set({3, 4, 5}));
    EXPECT_TRUE(Get(read));
    EXPECT_EQ(read, (TBytes{3, 4, 5}));
    EXPECT_EQ(Data().Document().Find(L"ZelMould")->Items().size(), 1u);
    EXPECT_TRUE(Set({})); // stored, and read as nothing
    EXPECT_FALSE(Get(read));
    EXPECT_TRUE(read.empty());

    drApi::MA.drLine(0, 0, 10, 0, 1);
    const tvapi::ITervanAPIObjectPtr line(drApi::MA.LastObjRef());
    const TString key("DimChains_MO");
    EXPECT_TRUE(drApi::MA.drSetUserData(R().IDoc, key, {line, {}, line}, false, {}));
    EXPECT_TRUE(drApi::MA.drSetUserData(R().IDoc, key, {line}, false, {}));
    std::vector<tvapi::ITervanAPIObjectPtr> objects{line};
    EXPECT_TRUE(drApi::MA.drGetUserData(R().IDoc, key, objects, {}));
    EXPECT_EQ(objects.size(), 2u); // appended to what the list held
    // An owner's item lives in its own storages.
    EXPECT_TRUE(Set({1}, false, line));
    EXPECT_TRUE(Data().Of(line)->Find(L"ZelMould")->Find(L"DimChains"));
    EXPECT_FALSE(Get(read)); // the document's own item still holds the empty value
    EXPECT_TRUE(read.empty());
}

TEST_F(TModelerApiUserDataTest, FailuresOnTheWayWriteNothingAndSaveOnlyAnOpenedStorage)
{
    for (const char* step : {"ITervanDocument::GetUserDataStoragesMng",
                             "IUserDataStoragesMng::GetUserDataStorages", "IUserDataStorages::OpenStorage"}) {
        SCOPED_TRACE(step);
        InjectFault(step);
        Journal().Clear();
        EXPECT_FALSE(Set({1}, true));
        EXPECT_TRUE(Journal().Calls("ITervanDocument::Save").empty());
    }
    EXPECT_EQ(Data().Document().GetCount(), 0);
    // Both item writes refused: false, and the document is still asked to save itself (which
    // is refused too, so no file is written).
    for (const char* op : {"IUserDataStorage::SetData", "IUserDataStorage::AddData", "ITervanDocument::Save"})
        InjectFault(op);
    Journal().Clear();
    EXPECT_FALSE(Set({1}, true));
    EXPECT_EQ(Journal().Calls("ITervanDocument::Save").size(), 1u);

    tvapi::ITervanDocumentPtr none;
    TBytes read{5};
    EXPECT_FALSE(drApi::MA.drSetUserData(none, TString("K"), TBytes{1}, false, {}));
    EXPECT_FALSE(drApi::MA.drGetUserData(none, TString("K"), read, {}));
    InjectFault("IUserDataStorage::AddData", tvhost::fkThrow);
    EXPECT_THROW(Set({1}), tvhost::TInjectedFault);
    ASSERT_TRUE(Set({2}));
    InjectFault("IUserDataStorage::GetData", tvhost::fkThrow);
    EXPECT_FALSE(Get(read));
    EXPECT_EQ(read, TBytes{5});
}
