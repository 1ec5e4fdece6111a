#pragma once
// User data of host documents: a document keeps named storages, each holding named items
// of bytes or of lists of the document's objects; an object of the document has storages
// of its own. Storages are saved and opened with the document.

#include <cstdint>
#include <utility>
#include <vector>

#include "tvapi/Base.h"
#include "tvapi/Selection.h"
#include "tvapi/TervanAPIObject.h"

namespace tvapi {

// The bytes of one item.
class StorageValue {
public:
    StorageValue() = default;
    explicit StorageValue(std::vector<std::uint8_t> bytes) : FBytes(std::move(bytes)) {}

    const std::vector<std::uint8_t>& GetVectorUint8() const noexcept { return FBytes; }
    void SetVectorUint8(std::vector<std::uint8_t> bytes) { FBytes = std::move(bytes); }

private:
    std::vector<std::uint8_t> FBytes;
};

// One named storage. Items are named by their key; a key holds one item, of bytes or of
// objects. `group` texts are kept with the item.
class IUserDataStorage : public IAPIObject {
public:
    static constexpr char IID[] = "F0B141E7-8A38-4A2A-8F0D-12B55DEE655D";
    using Parent = IAPIObject;

    // Replaces the bytes under `key`: the item's index, or -1 when there is no item under
    // `key` (nothing is stored then). `name` is kept as the item's name.
    virtual int SetData(const wchar_t* group, const wchar_t* key, const StorageValue& value,
                        const wchar_t* name) = 0;
    // Stores the bytes under `key`, replacing an item held there; 1 when stored, 0 for an
    // empty key.
    virtual int AddData(const wchar_t* group, const StorageValue& value, const wchar_t* key) = 0;
    // Stores a new list under `key`: the item's index, or -1 when `key` is empty or
    // already holds an item (nothing is stored then).
    virtual int AddObjects(const wchar_t* group, const TervanAPIObjectList& objects, const wchar_t* key) = 0;
    // Stores the list under `key`, replacing an item held there; 1 when stored, 0 for an
    // empty key.
    virtual int SetObjects(const wchar_t* group, const wchar_t* key, const TervanAPIObjectList& objects,
                           const wchar_t* name) = 0;
    // Fills `value` with the bytes under `key` (empty when there are none). True when the
    // key holds bytes.
    virtual bool GetData(const wchar_t* key, StorageValue& value) = 0;
    // Appends the list under `key` to `objects`, entry by entry: an object that no longer
    // exists (a stored reference to nothing) keeps its place as an empty entry. True when the
    // key holds a list.
    virtual bool GetObjects(const wchar_t* key, TervanAPIObjectList& objects) = 0;

protected:
    ~IUserDataStorage() = default;
};

using IUserDataStoragePtr = Ptr<IUserDataStorage>;

// The storages of a document or of one of its objects.
class IUserDataStorages : public IAPIObject {
public:
    static constexpr char IID[] = "432021BD-76EF-4C15-81FC-C35979D8E699";
    using Parent = IAPIObject;

    // The storage named `name`, made when missing; empty for an empty name.
    virtual IUserDataStoragePtr OpenStorage(const wchar_t* name) = 0;
    // The storage named `name`; empty when there is none.
    virtual IUserDataStoragePtr FindStorage(const wchar_t* name) = 0;
    virtual int GetCount() = 0;

protected:
    ~IUserDataStorages() = default;
};

using IUserDataStoragesPtr = Ptr<IUserDataStorages>;

class IUserDataStoragesMng : public IAPIObject {
public:
    static constexpr char IID[] = "481D22F9-AA54-415C-8EE3-2A45CDAD14E7";
    using Parent = IAPIObject;

    // The storages of the object `owner`; the document's own for an empty owner.
    virtual IUserDataStoragesPtr GetUserDataStorages(const ITervanAPIObjectPtr& owner) = 0;
    // The document's own storages for false; true names no single object and gives empty.
    virtual IUserDataStoragesPtr GetUserDataStoragesOf(bool ofObject) = 0;

protected:
    ~IUserDataStoragesMng() = default;
};

using IUserDataStoragesMngPtr = Ptr<IUserDataStoragesMng>;

} // namespace tvapi
