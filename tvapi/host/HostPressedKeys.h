#pragma once
// The pressed keys of one mouse or key event of the stand-in host: the buttons and modifier
// keys held, and the host's reading of them. The right button switches the view command; the
// left button picks, or drags with Control held; the middle button drags.

#include "HostObject.h"
#include "tvapi/PressedKeys.h"

namespace tvhost {

// Keys and buttons, combined as bits.
enum TKeyBits : unsigned {
    kbLeftButton = 1,
    kbRightButton = 2,
    kbMiddleButton = 4,
    kbShift = 8,
    kbControl = 16,
    kbAlt = 32,
};

class THostPressedKeys final : public THostObjectOf<tvapi::IPressedKeys> {
public:
    explicit THostPressedKeys(unsigned keys = 0) noexcept : FKeys(keys) {}

    // Journaled as "IPressedKeys::<operation>"; a failing call answers false.
    bool IsCommandSwitch() override;
    bool IsPick() override;
    bool IsDrag() override;

    // Test side, not journaled.
    unsigned Keys() const noexcept { return FKeys; }
    void SetKeys(unsigned keys) noexcept { FKeys = keys; }

private:
    bool Held(unsigned bits) const noexcept { return (FKeys & bits) == bits; }

    unsigned FKeys;
};

using THostPressedKeysPtr = tvapi::Ptr<THostPressedKeys>;

} // namespace tvhost
