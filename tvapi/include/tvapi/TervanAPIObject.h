#pragma once
// ITervanAPIObject: the interface every host entity of a document offers (drawing objects,
// groups, model objects, variables ...). The library holds such objects through it where
// their kind does not matter, for instance in the macro records of the facade.

#include "tvapi/Base.h"

namespace tvapi {

// The host's kind of an entity, as far as the library asks for it.
enum TervanAPIObjectTypeEnum : int {
    tvObjectUnknown = 0,
    tvObjectExternalTessellation = 10704, // a mesh a library shows through the tessellation manager
};

class ITervanAPIObject : public IAPIObject {
public:
    static constexpr char IID[] = "A2EDB655-A9C9-4A0C-AD68-B37E1C880880";
    using Parent = IAPIObject;

    virtual TervanAPIObjectTypeEnum GetTervanAPIObjectType() { return tvObjectUnknown; }

protected:
    ~ITervanAPIObject() = default;
};

using ITervanAPIObjectPtr = Ptr<ITervanAPIObject>;

} // namespace tvapi
