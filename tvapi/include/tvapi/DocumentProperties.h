#pragma once
// Numbered properties of the active document (9 its material, 10 the material's density),
// reached through the application's property manager: a property takes texts or reals and a
// location text, and keeps them in the document once applied.

#include <string>
#include <vector>

#include "tvapi/Base.h"

namespace tvapi {

class IProperty : public IAPIObject {
public:
    static constexpr char IID[] = "5B0E7A2C-91D4-4F3B-8C6E-2A7D1F04B9E3";
    using Parent = IAPIObject;

    // Values pending until Apply.
    virtual void SetValues(const std::vector<std::wstring>& values) = 0;
    virtual void SetRealValues(const std::vector<double>& values) = 0;
    // Null reads as empty.
    virtual void SetLocation(const wchar_t* location) = 0;
    // Writes what was set into the document.
    virtual void Apply() = 0;

protected:
    ~IProperty() = default;
};

using IPropertyPtr = Ptr<IProperty>;

class IPropertyMng : public IAPIObject {
public:
    static constexpr char IID[] = "C3F1D8A4-6E27-4B90-A5D2-7F48E1C09B6A";
    using Parent = IAPIObject;

    // Property `number` of the active document; empty for a number the host does not keep
    // or without an active document.
    virtual IPropertyPtr GetProperty(int number) = 0;

protected:
    ~IPropertyMng() = default;
};

using IPropertyMngPtr = Ptr<IPropertyMng>;

// Answered by a document that keeps properties.
class IPropertyKeeper : public IAPIObject {
public:
    static constexpr char IID[] = "8D2A64E0-3B7C-4F15-9E81-C5B0D7A2F493";
    using Parent = IAPIObject;

protected:
    ~IPropertyKeeper() = default;
};

using IPropertyKeeperPtr = Ptr<IPropertyKeeper>;

} // namespace tvapi
