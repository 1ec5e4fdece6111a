// Picking in the panel base: the host's filter question and pick report routed to the
// panel's overridables, the pick state kept from the mouse, and keys for in-view widgets.

#include "cPropertyMenagerEvent.h"

bool TBaseManager::CanSelect(tvapi::ITervanAPIObjectPtr iEntity)
{
    if (!Pick.Moved || !iEntity) return false;
    tvapi::IModelObjectPtr entity(iEntity);
    if (!entity || !ECanSelect(entity)) return false;
    // One accepted object per movement: the host asks again for every object under the cursor.
    Pick.Moved = false;
    return true;
}

bool TBaseManager::Select(tvapi::ITervanAPIObjectPtr iEntity)
{
    tvapi::IModelObjectPtr entity(iEntity ? iEntity : LastFilterObj);
    if (!entity || !ESelect(entity)) return false;
    RedrawPhantom();
    return true;
}

bool TBaseManager::MouseMove(tvapi::IPressedKeysPtr, int, int)
{
    Pick.Moved = true;
    LastFilterObj.Reset();
    return false;
}

bool TBaseManager::MouseDown(tvapi::IPressedKeysPtr, int, int)
{
    Pick.Moved = false;
    return false;
}

bool TBaseManager::MouseUp(tvapi::IPressedKeysPtr, int, int)
{
    Pick.Valid = false;
    return false;
}

bool TBaseManager::KeyDown(int& keyCode, int keyFlags, tvapi::IPressedKeysPtr Keys)
{
    if (keyCode == 0 || !TWindowOGL::Focus) return true;
    const bool r = TWindowOGL::Focus->OnKeyDown(keyCode, keyFlags, std::move(Keys));
    keyCode = 0;
    return r;
}
