#pragma once
// Attributes of the host: attribute types, kept by a document and reached through the
// application's attribute-type manager, and attributes, which attach a value table of a
// type to a list of the document's objects. PropertyValue and AttributeValue carry values.

#include <cstdint>
#include <string>
#include <utility>
#include <vector>

#include "tvapi/Base.h"
#include "tvapi/Selection.h"
#include "tvapi/TervanAPIObject.h"

namespace tvapi {

// Value kind of an attribute type.
enum tvAttributeTypeEnum : int {
    tvATUnknown = -1,
    tvATString = 0,
    tvATDouble = 1,
    tvATFixedTable = 2,
    tvATVariableTable = 3,
};

// One value: a text or a number.
class PropertyValue {
public:
    // What a value holds.
    enum ValueType : int {
        prop_empty = 0,
        prop_double = 2,
        prop_string = 4,
    };

    PropertyValue() = default;
    explicit PropertyValue(const wchar_t* text) : FText(text ? text : L""), FKind(prop_string) {}
    explicit PropertyValue(double value) : FNumber(value), FKind(prop_double) {}

    bool IsString() const noexcept { return FKind == prop_string; }
    ValueType GetValueType() const noexcept { return FKind; }
    // The text; empty for a number.
    const std::wstring& GetString() const noexcept { return FText; }
    // The number; 0 for a text.
    double GetDouble() const noexcept { return FNumber; }

private:
    std::wstring FText;
    double FNumber = 0.0;
    ValueType FKind = prop_empty;
};

// The value of one cell of an attribute.
class AttributeValue {
public:
    // Whether the cell holds a value at all.
    enum ValueType : int {
        Empty = 0,
        Value = 1,
    };

    AttributeValue() = default;
    explicit AttributeValue(PropertyValue property) : FProperty(std::move(property)), FType(Value) {}

    ValueType GetValueType() const noexcept { return FType; }

    const PropertyValue& GetProperty() const noexcept { return FProperty; }

private:
    PropertyValue FProperty;
    ValueType FType = Empty;
};

class IAttributeType : public IAPIObject {
public:
    static constexpr char IID[] = "18C44E57-930D-4648-B7B0-9655BB2EA70B";
    using Parent = IAPIObject;

    // The type's key, unique in its document and never 0.
    virtual std::uint64_t GetKey() = 0;
    virtual tvAttributeTypeEnum GetValueType() = 0;
    virtual void SetValueType(tvAttributeTypeEnum kind) = 0;
    virtual std::wstring GetName() = 0;
    virtual void SetName(const wchar_t* name) = 0;
    // A note kept with the type.
    virtual std::wstring GetComment() = 0;
    virtual void SetComment(const wchar_t* comment) = 0;

protected:
    ~IAttributeType() = default;
};

using IAttributeTypePtr = Ptr<IAttributeType>;

// The attribute types of the application's active document.
class IAttrTypeMng : public IAPIObject {
public:
    static constexpr char IID[] = "9E73D1E9-F9B1-4AFB-AB51-797B47CF9B92";
    using Parent = IAPIObject;

    // The type with `key`; empty when the active document has none.
    virtual IAttributeTypePtr GetAttributeType(std::uint64_t key) = 0;
    // A new type of kind tvATUnknown with the next key of the active document; empty
    // without an active document.
    virtual IAttributeTypePtr AddAttributeType() = 0;

protected:
    ~IAttrTypeMng() = default;
};

using IAttrTypeMngPtr = Ptr<IAttrTypeMng>;

class IAttribute : public IAPIObject {
public:
    static constexpr char IID[] = "09B32C0C-0833-4B46-9DD6-56E61986B87E";
    using Parent = IAPIObject;

    // Empty once the attribute is gone or its type was removed.
    virtual IAttributeTypePtr GetAttributeType() = 0;
    // The objects the attribute is attached to, in the order given when it was made.
    virtual TervanAPIObjectList GetObjects() = 0;
    // The value of cell (row, column); an empty value when the cell was never set.
    virtual AttributeValue GetValue(int row, int column) = 0;
    // Sets cell (row, column) (negative indexes are refused); `name` is kept with the cell.
    virtual bool SetValue(const wchar_t* name, int row, int column, const AttributeValue& value) = 0;
    // Detaches the attribute from `objects` (`libraryName` is the library asking); an
    // attribute left without objects is removed from its document. False when none of
    // `objects` held it.
    virtual bool RemoveFromObjects(const wchar_t* libraryName, const TervanAPIObjectList& objects) = 0;

protected:
    ~IAttribute() = default;
};

using IAttributePtr = Ptr<IAttribute>;
using AttributeList = std::vector<IAttributePtr>;

} // namespace tvapi
