// The phantom of a 3D process: the mates that hold it, where it stands and what it was mated
// to. The stand-in keeps the mates as given and does not move the phantom to satisfy them.
#include "HostProcess.h"

#include "HostApplication.h"
#include "HostDocuments.h"
#include "HostMateFile.h"
#include "HostPart.h"

namespace tvhost {

tvapi::IMateConstraints3DPtr THostProcess3D::GetMateConstraints()
{
    if (!Enter("IProcess3D::GetMateConstraints")) return {};
    return tvapi::IMateConstraints3DPtr(New<THostMates>(FMates));
}

tvapi::IPlacement3DPtr THostProcess3D::GetPlacement()
{
    if (!Enter("IProcess3D::GetPlacement")) return {};
    return tvapi::IPlacement3DPtr(New<THostPlacement>(FPhantomFrame));
}

void THostProcess3D::SetMateObjects(const std::vector<tvapi::IModelObjectPtr>& objects)
{
    std::string filled;
    for (const tvapi::IModelObjectPtr& o : objects)
        filled += o ? '1' : '0';
    if (Enter("IProcess3D::SetMateObjects", {filled})) FMateObjects = objects;
}

void THostProcess3D::UpdateProcess()
{
    if (Enter("IProcess3D::UpdateProcess")) ++FUpdates;
}

bool THostProcess3D::PickEntity(const std::wstring& kind, int n)
{
    THostApplication* app = THostApplication::Current();
    auto* doc = app ? dynamic_cast<THostDocument3D*>(app->Documents().Active().Get()) : nullptr;
    if (!doc || n < 1) return false;
    if (kind == L"dimension") return PickDimension(n);
    const tvapi::tvObj3dTypeEnum k = kind == L"face"     ? tvapi::o3d_face
                                     : kind == L"edge"   ? tvapi::o3d_edge
                                     : kind == L"thread" ? tvapi::o3d_thread
                                                         : tvapi::o3d_vertex;
    const std::vector<tvapi::IModelObjectPtr> all =
        k == tvapi::o3d_thread ? doc->TopPart().Features().Features({tvapi::o3d_thread})
                               : EntitiesOf(doc->TopPart(), k);
    if (static_cast<std::size_t>(n) > all.size()) return false;
    const tvapi::ITervanAPIObjectPtr object(all[static_cast<std::size_t>(n - 1)]);
    if (FEvents->FilterObjects(object)) FEvents->PlacementChanged(object);
    return true;
}

} // namespace tvhost
