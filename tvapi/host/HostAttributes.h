#pragma once
// Attributes of the stand-in host. A document keeps its attribute types (keys from 1 in
// creation order) and its attributes; the application's attribute-type manager works on
// the active document. An attribute holds its objects and its cells until the document
// closes, which drops the object lists (a list may hold the document itself).

#include <cstdint>
#include <map>
#include <string>
#include <utility>
#include <vector>

#include "HostObject.h"
#include "tvapi/Attributes.h"

namespace tvhost {

class THostDocuments;

class THostAttributeType final : public THostObjectOf<tvapi::IAttributeType> {
public:
    explicit THostAttributeType(std::uint64_t key) noexcept : FKey(key) {}

    // Journaled as "IAttributeType::<operation>".
    std::uint64_t GetKey() override;
    tvapi::tvAttributeTypeEnum GetValueType() override;
    void SetValueType(tvapi::tvAttributeTypeEnum kind) override;
    std::wstring GetName() override;
    void SetName(const wchar_t* name) override;
    std::wstring GetComment() override;
    void SetComment(const wchar_t* comment) override;

    // Test side, not journaled.
    std::uint64_t Key() const noexcept { return FKey; }
    tvapi::tvAttributeTypeEnum ValueType() const noexcept { return FValueType; }
    void SetValueTypeDirect(tvapi::tvAttributeTypeEnum kind) noexcept { FValueType = kind; }
    std::wstring& Name() noexcept { return FName; }
    std::wstring& Comment() noexcept { return FComment; }

private:
    std::uint64_t FKey;
    tvapi::tvAttributeTypeEnum FValueType = tvapi::tvATUnknown;
    std::wstring FName;
    std::wstring FComment;
};

using THostAttributeTypePtr = tvapi::Ptr<THostAttributeType>;

class THostAttribute final : public THostObjectOf<tvapi::IAttribute> {
public:
    // One cell: the name given with its value, and the value.
    using TCell = std::pair<std::wstring, tvapi::PropertyValue>;
    using TCells = std::map<std::pair<int, int>, TCell>;

    THostAttribute(THostAttributeTypePtr type, std::wstring library, tvapi::TervanAPIObjectList objects)
        : FType(std::move(type)), FLibrary(std::move(library)), FObjects(std::move(objects))
    {
    }

    // Journaled as "IAttribute::<operation>", values as their text or number.
    tvapi::IAttributeTypePtr GetAttributeType() override;
    tvapi::TervanAPIObjectList GetObjects() override;
    tvapi::AttributeValue GetValue(int row, int column) override;
    bool SetValue(const wchar_t* name, int row, int column, const tvapi::AttributeValue& value) override;
    bool RemoveFromObjects(const wchar_t* libraryName, const tvapi::TervanAPIObjectList& objects) override;

    // Test side, not journaled.
    // True once the attribute lost its last object to RemoveFromObjects: it is gone from its
    // document (no longer listed, not saved).
    bool IsRemoved() const noexcept { return FRemoved; }
    THostAttributeType& Type() const noexcept { return *FType; }
    const std::wstring& Library() const noexcept { return FLibrary; }
    tvapi::TervanAPIObjectList& Objects() noexcept { return FObjects; }
    TCells& Cells() noexcept { return FCells; }

private:
    THostAttributeTypePtr FType;
    std::wstring FLibrary;
    tvapi::TervanAPIObjectList FObjects;
    TCells FCells;
    bool FRemoved = false;
};

using THostAttributePtr = tvapi::Ptr<THostAttribute>;

// The attribute types and attributes of one document.
class TAttributeTable {
public:
    const std::vector<THostAttributeTypePtr>& Types() const noexcept { return FTypes; }
    const std::vector<THostAttributePtr>& Attributes() const noexcept { return FAttributes; }
    THostAttributeTypePtr FindType(std::uint64_t key) const;
    // A new type with the next key; `key` other than 0 is taken as given (documents being
    // read back keep their keys).
    THostAttributeTypePtr AddType(std::uint64_t key = 0);
    // The attributes of type `typeKey` (0: any) attached to every non-empty object of
    // `objects`, in creation order.
    tvapi::AttributeList Find(std::uint64_t typeKey, const tvapi::TervanAPIObjectList& objects) const;
    // Empty when the document has no type `typeKey`.
    THostAttributePtr Add(std::uint64_t typeKey, std::wstring library, tvapi::TervanAPIObjectList objects);
    void DropObjects() noexcept;

private:
    std::vector<THostAttributeTypePtr> FTypes;
    std::vector<THostAttributePtr> FAttributes;
    std::uint64_t FNextKey = 1;
};

// The application's attribute-type manager: types of the active document.
class THostAttrTypeMng final : public THostObjectOf<tvapi::IAttrTypeMng> {
public:
    explicit THostAttrTypeMng(tvapi::Ptr<THostDocuments> documents);
    ~THostAttrTypeMng() override;

    // Journaled as "IAttrTypeMng::<operation>".
    tvapi::IAttributeTypePtr GetAttributeType(std::uint64_t key) override;
    tvapi::IAttributeTypePtr AddAttributeType() override;

private:
    TAttributeTable* ActiveTable() const;

    tvapi::Ptr<THostDocuments> FDocuments;
};

using THostAttrTypeMngPtr = tvapi::Ptr<THostAttrTypeMng>;

} // namespace tvhost
