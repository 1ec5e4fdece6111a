#pragma once
// User data of stand-in documents: named storages of named items, each item bytes or a
// list of objects, one item per key. A document has its own storages and one set per
// owner object. Object lists hold their objects until the document closes.

#include <cstdint>
#include <string>
#include <utility>
#include <vector>

#include "HostObject.h"
#include "tvapi/UserData.h"

namespace tvhost {

struct TUserDataItem {
    std::wstring Key;
    std::wstring Group;
    std::wstring Name;
    bool IsObjects = false;
    std::vector<std::uint8_t> Bytes;
    tvapi::TervanAPIObjectList Objects;
};

class THostUserDataStorage final : public THostObjectOf<tvapi::IUserDataStorage> {
public:
    explicit THostUserDataStorage(std::wstring name) : FName(std::move(name)) {}

    // Journaled as "IUserDataStorage::<operation>", bytes as their count.
    int SetData(const wchar_t* group, const wchar_t* key, const tvapi::StorageValue& value,
                const wchar_t* name) override;
    int AddData(const wchar_t* group, const tvapi::StorageValue& value, const wchar_t* key) override;
    int AddObjects(const wchar_t* group, const tvapi::TervanAPIObjectList& objects,
                   const wchar_t* key) override;
    int SetObjects(const wchar_t* group, const wchar_t* key, const tvapi::TervanAPIObjectList& objects,
                   const wchar_t* name) override;
    bool GetData(const wchar_t* key, tvapi::StorageValue& value) override;
    bool GetObjects(const wchar_t* key, tvapi::TervanAPIObjectList& objects) override;

    // Test side, not journaled.
    const std::wstring& Name() const noexcept { return FName; }
    std::vector<TUserDataItem>& Items() noexcept { return FItems; }
    TUserDataItem* Find(std::wstring_view key) noexcept;

private:
    std::wstring FName;
    std::vector<TUserDataItem> FItems;
};

using THostUserDataStoragePtr = tvapi::Ptr<THostUserDataStorage>;

class THostUserDataStorages final : public THostObjectOf<tvapi::IUserDataStorages> {
public:
    // Journaled as "IUserDataStorages::<operation>".
    tvapi::IUserDataStoragePtr OpenStorage(const wchar_t* name) override;
    tvapi::IUserDataStoragePtr FindStorage(const wchar_t* name) override;
    int GetCount() override;

    // Test side, not journaled.
    std::vector<THostUserDataStoragePtr>& Storages() noexcept { return FStorages; }
    THostUserDataStoragePtr Find(std::wstring_view name) const;
    THostUserDataStoragePtr Open(std::wstring_view name);

private:
    std::vector<THostUserDataStoragePtr> FStorages;
};

using THostUserDataStoragesPtr = tvapi::Ptr<THostUserDataStorages>;

// All storages of one document.
class TUserData {
public:
    using TOwned = std::pair<tvapi::ITervanAPIObjectPtr, THostUserDataStoragesPtr>;

    TUserData();
    THostUserDataStorages& Document() noexcept { return *FDocument; }
    std::vector<TOwned>& Owned() noexcept { return FOwned; }
    // The storages of `owner`, made on first use; the document's own for an empty owner.
    THostUserDataStoragesPtr Of(const tvapi::ITervanAPIObjectPtr& owner);
    void DropObjects() noexcept;

private:
    THostUserDataStoragesPtr FDocument;
    std::vector<TOwned> FOwned;
};

class THostUserDataStoragesMng final : public THostObjectOf<tvapi::IUserDataStoragesMng> {
public:
    THostUserDataStoragesMng(TUserData& data, tvapi::IAPIObjectPtr keep) : FData(data), FKeep(std::move(keep))
    {
    }

    // Journaled as "IUserDataStoragesMng::<operation>".
    tvapi::IUserDataStoragesPtr GetUserDataStorages(const tvapi::ITervanAPIObjectPtr& owner) override;
    tvapi::IUserDataStoragesPtr GetUserDataStoragesOf(bool ofObject) override;

private:
    TUserData& FData;
    tvapi::IAPIObjectPtr FKeep;
};

} // namespace tvhost
