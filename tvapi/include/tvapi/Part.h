#pragma once
// A part of a 3D document: the top part of a part or assembly document, or a component.
// Its features, bodies and placement join this interface as the modelling areas need them.

#include <string>

#include "tvapi/TervanAPIObject.h"

namespace tvapi {

class IPart : public ITervanAPIObject {
public:
    static constexpr char IID[] = "F88A9341-FC05-43BB-AAF8-73F813EDB4DE";
    using Parent = ITervanAPIObject;

    virtual std::wstring GetName() = 0;
    // Null reads as empty.
    virtual void SetName(const wchar_t* name) = 0;
    // The designation (drawing number) of the part.
    virtual std::wstring GetMarking() = 0;
    virtual void SetMarking(const wchar_t* marking) = 0;
    // The mass of the part's bodies; 0 for a part without bodies.
    virtual double GetMass() = 0;

protected:
    ~IPart() = default;
};

using IPartPtr = Ptr<IPart>;

} // namespace tvapi
