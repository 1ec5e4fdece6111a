// The facade's items in a document's user data: the storage "ZelMould" made on the first
// write only, one item per key, the object form, owners, saving on request, and failures of
// each step on the way (false, nothing written; a write's throw passes, a read's does not).

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

TEST_F(TModelerApiUserDataTest, BytesAreWrittenOncePerKeyAndReadBack)
{
    TBytes read{9};
    EXPECT_FALSE(Get(read));
    EXPECT_EQ(read, TBytes{9}); // no storage: untouched
    EXPECT_EQ(Data().Document().GetCount(), 0);

    EXPECT_TRUE(Set({1, 2}));
    EXPECT_TRUE(Set({3, 4, 5}));
    EXPECT_TRUE(Get(read));
    EXPECT_EQ(read, (TBytes{3, 4, 5}));
    ASSERT_EQ(Data().Document().GetCount(), 1);
    EXPECT_EQ(Data().Document().Find(L"ZelMould")->Items().size(), 1u);

    // An empty value is stored, and reads as nothing.
    EXPECT_TRUE(Set({}));
    EXPECT_FALSE(Get(read));
    EXPECT_TRUE(read.empty());
    read = {7};
    EXPECT_FALSE(drApi::MA.drGetUserData(R().IDoc, TString("Other"), read, {}));
    EXPECT_TRUE(read.empty());
}

TEST_F(TModelerApiUserDataTest, ObjectListsAndOwnersKeepTheirOwnItems)
{
    drApi::MA.drLine(0, 0, 10, 0, 1);
    const tvapi::ITervanAPIObjectPtr line(drApi::MA.LastObjRef());
    const TString key("DimChains_MO");
    const std::vector<tvapi::ITervanAPIObjectPtr> list{line, {}, line};
    EXPECT_TRUE(drApi::MA.drSetUserData(R().IDoc, key, list, false, {}));
    EXPECT_TRUE(drApi::MA.drSetUserData(R().IDoc, key, {line}, false, {}));
    std::vector<tvapi::ITervanAPIObjectPtr> read{line};
    EXPECT_TRUE(drApi::MA.drGetUserData(R().IDoc, key, read, {}));
    ASSERT_EQ(read.size(), 2u); // appended, not replaced
    EXPECT_TRUE(read[1] == line);

    EXPECT_TRUE(Set({1}, false, line));
    EXPECT_TRUE(Data().Of(line)->Find(L"ZelMould")->Find(L"DimChains"));
    EXPECT_FALSE(Data().Document().Find(L"ZelMould")->Find(L"DimChains"));
    read.clear();
    EXPECT_TRUE(drApi::MA.drGetUserData(R().IDoc, key, read, {}));
    read.clear();
    EXPECT_FALSE(drApi::MA.drGetUserData(R().IDoc, key, read, line)); // no single object's storages
}

TEST_F(TModelerApiUserDataTest, FailuresOnTheWayWriteNothingAndSaveOnlyAnOpenedStorage)
{
    const char* steps[] = {"ITervanDocument::GetUserDataStoragesMng",
                           "IUserDataStoragesMng::GetUserDataStorages", "IUserDataStorages::OpenStorage"};
    for (const char* step : steps) {
        SCOPED_TRACE(step);
        InjectFault(step);
        Journal().Clear();
        EXPECT_FALSE(Set({1}, true));
        EXPECT_TRUE(Journal().Calls("ITervanDocument::Save").empty());
    }
    EXPECT_EQ(Data().Document().GetCount(), 0);
    // Both item writes refused: false, and the document is still asked to save itself.
    InjectFault("IUserDataStorage::SetData");
    InjectFault("IUserDataStorage::AddData");
    Journal().Clear();
    EXPECT_FALSE(Set({1}, true));
    EXPECT_EQ(Journal().Calls("ITervanDocument::Save").size(), 1u);

    tvapi::ITervanDocumentPtr none;
    TBytes read{5};
    EXPECT_FALSE(drApi::MA.drSetUserData(none, TString("K"), TBytes{1}, true, {}));
    EXPECT_FALSE(drApi::MA.drGetUserData(none, TString("K"), read, {}));
    EXPECT_EQ(read, TBytes{5});

    InjectFault("IUserDataStorage::AddData", tvhost::fkThrow);
    EXPECT_THROW(Set({1}), tvhost::TInjectedFault);
    ASSERT_TRUE(Set({2}));
    InjectFault("IUserDataStorage::GetData", tvhost::fkThrow);
    EXPECT_FALSE(Get(read));
    EXPECT_EQ(read, TBytes{5});
}
