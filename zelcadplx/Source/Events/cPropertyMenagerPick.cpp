// Picking in the panel base: the host's filter question and pick report routed to the
// panel's overridables, the pick state kept from the mouse, and keys for in-view widgets.

#include "cPropertyMenagerEvent.h"

#include "THotPointEdit.h"

namespace {

// The panel's own meshes are the host's external tessellation objects.
bool IsTessellation(const tvapi::ITervanAPIObjectPtr& O)
{
    return O->GetTervanAPIObjectType() == tvapi::tvObjectExternalTessellation;
}

} // namespace

TMeshDrawObjectParam* TBaseManager::MeshOf(const tvapi::ITervanAPIObjectPtr& O) const
{
    const tvapi::IExternalTessellationObjectPtr mesh(O);
    return mesh ? MeshDraw.Get(mesh->GetId()) : nullptr;
}

THotPointData* TBaseManager::HotPointOf(const TMeshDrawObjectParam& Mesh) const
{
    if (!AHotPoint || AHotPoint->Count == 0) return nullptr;
    return AHotPoint->GetId(static_cast<int>(Mesh.Id));
}

bool TBaseManager::RoutedCanSelect(const tvapi::ITervanAPIObjectPtr& O)
{
    if (IsTessellation(O)) {
        TMeshDrawObjectParam* mesh = MeshOf(O);
        if (!mesh) return false;
        if (mesh->Type != TMeshID::othotPoint) return MOCanSelect(*mesh);
        THotPointData* point = HotPointOf(*mesh);
        return point && HPCanSelect(*point);
    }
    tvapi::IModelObjectPtr entity(O);
    return entity && ECanSelect(entity);
}

bool TBaseManager::RoutedSelect(const tvapi::ITervanAPIObjectPtr& O)
{
    if (IsTessellation(O)) {
        TMeshDrawObjectParam* mesh = MeshOf(O);
        if (!mesh) return false;
        if (mesh->Type != TMeshID::othotPoint) return MOSelect(*mesh);
        THotPointData* point = HotPointOf(*mesh);
        return point && HPSelect(*point);
    }
    tvapi::IModelObjectPtr entity(O);
    return entity && ESelect(entity);
}

bool TBaseManager::CanSelect(tvapi::ITervanAPIObjectPtr iEntity)
{
    if (!Pick.Moved || !iEntity || !RoutedCanSelect(iEntity)) return false;
    // One accepted object per movement: the host asks again for every object under the cursor.
    Pick.Moved = false;
    return true;
}

// A reported object is taken as a model object only; the panel's own meshes reach the pick
// through the filter question, as the remembered object.
bool TBaseManager::Select(tvapi::ITervanAPIObjectPtr iEntity)
{
    bool taken = false;
    if (iEntity) {
        tvapi::IModelObjectPtr entity(iEntity);
        taken = entity && ESelect(entity);
    } else if (const tvapi::ITervanAPIObjectPtr remembered = LastFilterObj) {
        taken = RoutedSelect(remembered);
    }
    if (!taken) return false;
    RedrawPhantom();
    return true;
}

bool TBaseManager::HPCanSelect(THotPointData& HP)
{
    if (DispatcherWnd3D.Exist(HP.Origin)) return true;
    if (HotPointEdit && DispatcherWnd3D.Exist(static_cast<const TWindowOGL*>(HotPointEdit)))
        delete HotPointEdit;
    HotPointEdit = new THotPointEdit(this, HP, HotPointEditDelay);
    HotPointEdit->Dt = HotPointEditOffset;
    RefreshWindow();
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
