// A model object of the stand-in host known by its kind.
#include "HostModelObject.h"

namespace tvhost {

tvapi::tvObj3dTypeEnum THostModelObject::GetObjectType()
{
    if (!Enter("IModelObject::GetObjectType")) return tvapi::o3d_unknown;
    return FType;
}

std::wstring THostModelObject::GetName()
{
    if (!Enter("IModelObject::GetName")) return {};
    return {};
}

} // namespace tvhost
