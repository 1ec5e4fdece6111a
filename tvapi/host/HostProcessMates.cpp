// The phantom of a 3D process: the mates that hold it, where it stands and what it was mated
// to. The stand-in keeps the mates as given and does not move the phantom to satisfy them.
#include "HostProcess.h"

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

} // namespace tvhost
