// User data of stand-in documents.
#include "HostUserData.h"

#include "HostArgs.h"
#include "HostText.h"

namespace tvhost {

namespace {

std::wstring Safe(const wchar_t* text)
{
    return text ? std::wstring(text) : std::wstring();
}

std::string BytesArg(const tvapi::StorageValue& value)
{
    return std::to_string(value.GetVectorUint8().size()) + " bytes";
}

} // namespace

TUserDataItem* THostUserDataStorage::Find(std::wstring_view key) noexcept
{
    for (TUserDataItem& item : FItems)
        if (item.Key == key) return &item;
    return nullptr;
}

int THostUserDataStorage::SetData(const wchar_t* group, const wchar_t* key, const tvapi::StorageValue& value,
                                  const wchar_t* name)
{
    if (!Enter("IUserDataStorage::SetData", {ToUtf8(group), ToUtf8(key), BytesArg(value), ToUtf8(name)}))
        return -1;
    TUserDataItem* item = Find(Safe(key));
    if (!item) return -1;
    *item = {Safe(key), Safe(group), Safe(name), false, value.GetVectorUint8(), {}};
    return static_cast<int>(item - FItems.data());
}

int THostUserDataStorage::AddData(const wchar_t* group, const tvapi::StorageValue& value, const wchar_t* key)
{
    if (!Enter("IUserDataStorage::AddData", {ToUtf8(group), BytesArg(value), ToUtf8(key)})) return 0;
    if (Safe(key).empty()) return 0;
    TUserDataItem made{Safe(key), Safe(group), Safe(key), false, value.GetVectorUint8(), {}};
    if (TUserDataItem* item = Find(made.Key))
        *item = std::move(made);
    else
        FItems.push_back(std::move(made));
    return 1;
}

int THostUserDataStorage::AddObjects(const wchar_t* group, const tvapi::TervanAPIObjectList& objects,
                                     const wchar_t* key)
{
    if (!Enter("IUserDataStorage::AddObjects", {ToUtf8(group), ListArg(objects), ToUtf8(key)})) return -1;
    if (Safe(key).empty() || Find(Safe(key))) return -1;
    FItems.push_back({Safe(key), Safe(group), Safe(key), true, {}, objects});
    return static_cast<int>(FItems.size() - 1);
}

int THostUserDataStorage::SetObjects(const wchar_t* group, const wchar_t* key,
                                     const tvapi::TervanAPIObjectList& objects, const wchar_t* name)
{
    if (!Enter("IUserDataStorage::SetObjects", {ToUtf8(group), ToUtf8(key), ListArg(objects), ToUtf8(name)}))
        return 0;
    if (Safe(key).empty()) return 0;
    TUserDataItem made{Safe(key), Safe(group), Safe(name), true, {}, objects};
    if (TUserDataItem* item = Find(made.Key))
        *item = std::move(made);
    else
        FItems.push_back(std::move(made));
    return 1;
}

bool THostUserDataStorage::GetData(const wchar_t* key, tvapi::StorageValue& value)
{
    if (!Enter("IUserDataStorage::GetData", {ToUtf8(key)})) return false;
    const TUserDataItem* item = Find(Safe(key));
    const bool bytes = item && !item->IsObjects;
    value.SetVectorUint8(bytes ? item->Bytes : std::vector<std::uint8_t>());
    return bytes;
}

bool THostUserDataStorage::GetObjects(const wchar_t* key, tvapi::TervanAPIObjectList& objects)
{
    if (!Enter("IUserDataStorage::GetObjects", {ToUtf8(key)})) return false;
    const TUserDataItem* item = Find(Safe(key));
    if (!item || !item->IsObjects) return false;
    // Empty entries too: a list is read entry by entry against what it was stored for.
    objects.insert(objects.end(), item->Objects.begin(), item->Objects.end());
    return true;
}

THostUserDataStoragePtr THostUserDataStorages::Find(std::wstring_view name) const
{
    for (const THostUserDataStoragePtr& storage : FStorages)
        if (storage->Name() == name) return storage;
    return {};
}

THostUserDataStoragePtr THostUserDataStorages::Open(std::wstring_view name)
{
    if (THostUserDataStoragePtr found = Find(name)) return found;
    FStorages.push_back(New<THostUserDataStorage>(std::wstring(name)));
    return FStorages.back();
}

tvapi::IUserDataStoragePtr THostUserDataStorages::OpenStorage(const wchar_t* name)
{
    if (!Enter("IUserDataStorages::OpenStorage", {ToUtf8(name)})) return {};
    if (Safe(name).empty()) return {};
    return tvapi::IUserDataStoragePtr(Open(Safe(name)));
}

tvapi::IUserDataStoragePtr THostUserDataStorages::FindStorage(const wchar_t* name)
{
    if (!Enter("IUserDataStorages::FindStorage", {ToUtf8(name)})) return {};
    return tvapi::IUserDataStoragePtr(Find(Safe(name)));
}

int THostUserDataStorages::GetCount()
{
    if (!Enter("IUserDataStorages::GetCount")) return 0;
    return static_cast<int>(FStorages.size());
}

TUserData::TUserData() : FDocument(New<THostUserDataStorages>()) {}

THostUserDataStoragesPtr TUserData::Of(const tvapi::ITervanAPIObjectPtr& owner)
{
    if (!owner) return FDocument;
    for (const TOwned& owned : FOwned)
        if (owned.first == owner) return owned.second;
    FOwned.emplace_back(owner, New<THostUserDataStorages>());
    return FOwned.back().second;
}

void TUserData::DropObjects() noexcept
{
    auto drop = [](THostUserDataStorages& storages) {
        for (const THostUserDataStoragePtr& storage : storages.Storages())
            for (TUserDataItem& item : storage->Items())
                item.Objects.clear();
    };
    drop(*FDocument);
    for (TOwned& owned : FOwned) {
        drop(*owned.second);
        owned.first.Reset();
    }
}

tvapi::IUserDataStoragesPtr
THostUserDataStoragesMng::GetUserDataStorages(const tvapi::ITervanAPIObjectPtr& owner)
{
    if (!Enter("IUserDataStoragesMng::GetUserDataStorages", {ObjectArg(owner.Get())})) return {};
    return tvapi::IUserDataStoragesPtr(FData.Of(owner));
}

tvapi::IUserDataStoragesPtr THostUserDataStoragesMng::GetUserDataStoragesOf(bool ofObject)
{
    if (!Enter("IUserDataStoragesMng::GetUserDataStoragesOf", {BoolArg(ofObject)})) return {};
    if (ofObject) return {};
    return tvapi::IUserDataStoragesPtr(&FData.Document());
}

} // namespace tvhost
