// The stand-in host's reading of the keys and buttons of a mouse or key event.
#include "HostPressedKeys.h"

namespace tvhost {

bool THostPressedKeys::IsCommandSwitch()
{
    if (!Enter("IPressedKeys::IsCommandSwitch")) return false;
    return Held(kbRightButton);
}

bool THostPressedKeys::IsPick()
{
    if (!Enter("IPressedKeys::IsPick")) return false;
    return Held(kbLeftButton) && !Held(kbControl);
}

bool THostPressedKeys::IsDrag()
{
    if (!Enter("IPressedKeys::IsDrag")) return false;
    return Held(kbMiddleButton) || Held(kbLeftButton | kbControl);
}

} // namespace tvhost
