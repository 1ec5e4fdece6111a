// ==== drApi::TModelerApi (drModelerAPI.h), part: user data in documents =========================
// The library's own data in host documents: items of bytes or of object lists in the
// document's user-data storage "ZelMould". Nothing is kept between calls.

#include "drModelerAPI.h"

#include <string>

#include "tvapi/Documents.h"
#include "tvapi/UserData.h"

namespace drApi {

namespace {

// The storage every item of the library lives in.
std::wstring StorageName()
{
    return Wide(TString("ZelMould"));
}

// The storage on the write path: the owner's storages (the document's own for an empty
// owner), the storage opened and made when missing.
tvapi::IUserDataStoragePtr StorageForWrite(tvapi::ITervanDocument& document,
                                           const tvapi::ITervanAPIObjectPtr& owner)
{
    const tvapi::IUserDataStoragesMngPtr manager = document.GetUserDataStoragesMng();
    if (!manager) return {};
    const tvapi::IUserDataStoragesPtr storages = manager->GetUserDataStorages(owner);
    if (!storages) return {};
    return storages->OpenStorage(StorageName().c_str());
}

// The storage on the read path: found, never made.
tvapi::IUserDataStoragePtr StorageForRead(tvapi::ITervanDocument& document, bool ofObject)
{
    const tvapi::IUserDataStoragesMngPtr manager = document.GetUserDataStoragesMng();
    if (!manager) return {};
    const tvapi::IUserDataStoragesPtr storages = manager->GetUserDataStoragesOf(ofObject);
    if (!storages) return {};
    return storages->FindStorage(StorageName().c_str());
}

// Writes through Store(storage, key) and saves on request once the storage was opened.
template <class TStore>
Boolean WriteItem(tvapi::ITervanDocumentPtr& iDocument, const Str& NameData, Boolean NeedSave,
                  const tvapi::ITervanAPIObjectPtr& Object, TStore Store)
{
    if (!iDocument) return false;
    const tvapi::IUserDataStoragePtr storage = StorageForWrite(*iDocument, Object);
    if (!storage) return false;
    const std::wstring key = Wide(NameData);
    const Boolean stored = Store(*storage, key.c_str());
    if (NeedSave) TModelerApi::CheckSaved(*iDocument, iDocument->Save());
    return stored;
}

} // namespace

Boolean TModelerApi::drSetUserData(tvapi::ITervanDocumentPtr& iDocument, const Str& NameData,
                                   const std::vector<std::uint8_t>& Data, const Boolean NeedSave,
                                   tvapi::ITervanAPIObjectPtr Object)
{
    return WriteItem(iDocument, NameData, NeedSave, Object,
                     [&](tvapi::IUserDataStorage& s, const wchar_t* key) {
                         const tvapi::StorageValue value(Data);
                         if (s.SetData(L"", key, value, key) != -1) return true;
                         return s.AddData(L"", value, key) != 0;
                     });
}

Boolean TModelerApi::drSetUserData(tvapi::ITervanDocumentPtr& iDocument, const Str& NameData,
                                   const std::vector<tvapi::ITervanAPIObjectPtr>& Data,
                                   const Boolean NeedSave, tvapi::ITervanAPIObjectPtr Object)
{
    return WriteItem(iDocument, NameData, NeedSave, Object,
                     [&](tvapi::IUserDataStorage& s, const wchar_t* key) {
                         if (s.AddObjects(L"", Data, key) != -1) return true;
                         return s.SetObjects(L"", key, Data, key) != 0;
                     });
}

Boolean TModelerApi::drGetUserData(tvapi::ITervanDocumentPtr& iDocument, const Str& NameData,
                                   std::vector<std::uint8_t>& Data, tvapi::ITervanAPIObjectPtr Object)
{
    if (!iDocument) return false;
    try {
        const tvapi::IUserDataStoragePtr storage = StorageForRead(*iDocument, static_cast<bool>(Object));
        if (!storage) return false;
        tvapi::StorageValue value;
        storage->GetData(Wide(NameData).c_str(), value);
        Data = value.GetVectorUint8();
        return !Data.empty();
    } catch (...) {
        return false;
    }
}

Boolean TModelerApi::drGetUserData(tvapi::ITervanDocumentPtr& iDocument, const Str& NameData,
                                   std::vector<tvapi::ITervanAPIObjectPtr>& Data,
                                   tvapi::ITervanAPIObjectPtr Object)
{
    if (!iDocument) return false;
    try {
        const tvapi::IUserDataStoragePtr storage = StorageForRead(*iDocument, static_cast<bool>(Object));
        if (!storage) return false;
        storage->GetObjects(Wide(NameData).c_str(), Data);
        return !Data.empty();
    } catch (...) {
        return false;
    }
}

} // namespace drApi
