#pragma once
// The keys and mouse buttons held during a mouse or key event of a document frame. The host
// decides which keys and buttons mean what; a library asks only the yes/no questions below.

#include "tvapi/Base.h"

namespace tvapi {

class IPressedKeys : public IAPIObject {
public:
    static constexpr char IID[] = "DC470316-CE37-4CAD-9E63-A3E181D51A01";
    using Parent = IAPIObject;

    // The press asks to switch the view command (moving and scaling the view).
    virtual bool IsCommandSwitch() = 0;
    // The press picks what lies under the pointer.
    virtual bool IsPick() = 0;
    // The press starts dragging the view with the current view command.
    virtual bool IsDrag() = 0;

protected:
    ~IPressedKeys() = default;
};

using IPressedKeysPtr = Ptr<IPressedKeys>;

} // namespace tvapi
