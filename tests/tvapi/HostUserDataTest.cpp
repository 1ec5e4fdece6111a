// User-data storages of stand-in documents: named storages are made on demand, and the
// write operations of each form keep exactly one item under a key, as libraries rewrite
// their data again and again.

#include "HostUserData.h"

#include <gtest/gtest.h>

#include "Drawing2DTestUtil.h"
#include "HostFixture.h"

namespace {

using TBytes = std::vector<std::uint8_t>;

class UserDataTest : public HostFixture {};

TEST_F(UserDataTest, BytesWritesKeepOneItemPerKey)
{
    const drawing_test::TSheet s = drawing_test::NewSheet(Host().App().Documents());
    const tvapi::IUserDataStoragesPtr storages = s.Doc->GetUserDataStoragesMng()->GetUserDataStorages({});
    EXPECT_FALSE(storages->FindStorage(L"ZelMould"));
    EXPECT_FALSE(storages->OpenStorage(L""));
    const tvapi::IUserDataStoragePtr storage = storages->OpenStorage(L"ZelMould");
    EXPECT_TRUE(storages->FindStorage(L"ZelMould") == storage);
    EXPECT_EQ(storages->GetCount(), 1);

    EXPECT_EQ(storage->SetData(L"", L"DimChains", tvapi::StorageValue({1, 2}), L"DimChains"), -1);
    EXPECT_EQ(storage->AddData(L"", tvapi::StorageValue({1, 2}), L"DimChains"), 1);
    EXPECT_EQ(storage->SetData(L"", L"DimChains", tvapi::StorageValue({7, 8, 9}), L"DimChains"), 0);
    EXPECT_EQ(storage->AddData(L"", tvapi::StorageValue(TBytes{}), L"Empty"), 1);
    EXPECT_EQ(storage->AddData(L"", tvapi::StorageValue({5}), L""), 0);

    tvapi::StorageValue value({42});
    EXPECT_TRUE(storage->GetData(L"DimChains", value));
    EXPECT_EQ(value.GetVectorUint8(), (TBytes{7, 8, 9}));
    EXPECT_TRUE(storage->GetData(L"Empty", value));
    EXPECT_TRUE(value.GetVectorUint8().empty());
    value.SetVectorUint8({1});
    EXPECT_FALSE(storage->GetData(L"Missing", value));
    EXPECT_TRUE(value.GetVectorUint8().empty());
    EXPECT_EQ(tvhost::HostAs<tvhost::THostUserDataStorage>(storage)->Items().size(), 2u);
}

TEST_F(UserDataTest, ObjectListsAndOwnerStorages)
{
    const drawing_test::TSheet s = drawing_test::NewSheet(Host().App().Documents());
    const tvapi::ITervanAPIObjectPtr a(drawing_test::Segment(s, 0, 0, 1, 0, 1));
    const tvapi::ITervanAPIObjectPtr b(drawing_test::Segment(s, 0, 1, 1, 1, 1));
    const tvapi::IUserDataStoragesMngPtr mng = s.Doc->GetUserDataStoragesMng();
    const tvapi::IUserDataStoragePtr storage = mng->GetUserDataStorages({})->OpenStorage(L"ZelMould");

    EXPECT_EQ(storage->AddObjects(L"", {a}, L"DimChains_MO"), 0);
    EXPECT_EQ(storage->AddObjects(L"", {b}, L"DimChains_MO"), -1);
    EXPECT_EQ(storage->SetObjects(L"", L"DimChains_MO", {b, a}, L"DimChains_MO"), 1);
    tvapi::TervanAPIObjectList read{a};
    EXPECT_TRUE(storage->GetObjects(L"DimChains_MO", read));
    ASSERT_EQ(read.size(), 3u);
    EXPECT_EQ(read[1], b);
    EXPECT_EQ(read[2], a);
    tvapi::StorageValue value;
    EXPECT_FALSE(storage->GetData(L"DimChains_MO", value));

    // An owner's storages are its own, not the document's.
    const tvapi::IUserDataStoragesPtr owned = mng->GetUserDataStorages(a);
    owned->OpenStorage(L"ZelMould")->AddData(L"", tvapi::StorageValue({1}), L"K");
    EXPECT_TRUE(mng->GetUserDataStorages(a) == owned);
    EXPECT_FALSE(mng->GetUserDataStorages({}) == owned);
    EXPECT_TRUE(mng->GetUserDataStoragesOf(false) == mng->GetUserDataStorages({}));
    EXPECT_FALSE(mng->GetUserDataStoragesOf(true));
    EXPECT_FALSE(storage->GetData(L"K", value));

    // The document may be stored in its own data; closing it breaks the loop.
    storage->SetObjects(L"", L"Self", {tvapi::ITervanAPIObjectPtr(s.Doc)}, L"Self");
    EXPECT_TRUE(s.Doc->Close(tvapi::kdDoNotSaveChanges));
}

} // namespace
