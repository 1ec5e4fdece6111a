// ==== drApi::TModelerApi (drModelerAPI.h), part: 3D macros and user objects ====================
// Nested 3D macros of the current part that gather the features made while they are open, and
// user objects of the part bound to this library.

#include "drModelerAPI.h"

#include "tvapi/DrawingPrimitives.h"
#include "tvapi/Features3D.h"
#include "tvapi/ModelContainer.h"

namespace drApi {

namespace {

// A user object of `kind` in the current part with the library's names; empty when the host
// makes none or it keeps no user parameters.
tvapi::IModelObjectPtr UserObject(TRegistryApi& r, tvapi::tvObj3dTypeEnum kind, const Str& OGUID,
                                  Integer Command, const Str& FileName, const Str& SecondName)
{
    const tvapi::IModelContainerPtr container(r.Part);
    const tvapi::IUserObjects3DPtr objects = container ? container->GetUserObjects3D() : nullptr;
    const tvapi::IUserObject3DPtr object = objects ? objects->Add(kind) : nullptr;
    const tvapi::IUserParametersPtr params(object);
    if (!params) return {};
    params->SetIdentifier(Wide(OGUID).c_str());
    params->SetFileName(Wide(FileName).c_str());
    params->SetLibraryName(Wide(SecondName).c_str());
    params->SetCommand(Command);
    return tvapi::IModelObjectPtr(object);
}

} // namespace

void TModelerApi::drMacro3D(Str const& Name, Boolean MStaffVisible)
{
    TRegistryApi& r = *R3;
    const tvapi::IModelContainerPtr container(r.Part);
    const tvapi::IMacroObjects3DPtr macros = container ? container->GetMacroObjects3D() : nullptr;
    const tvapi::IMacroObject3DPtr macro = macros ? macros->Add() : nullptr;
    if (!macro) return;
    macro->SetStaffVisible(MStaffVisible);
    macro->SetName(Wide(Name).c_str());
    r.AMacroObject3D.Push(tvapi::ITervanAPIObjectPtr(macro));
}

void TModelerApi::drEndMacro3D()
{
    TRegistryApi& r = *R3;
    const std::vector<tvapi::IModelObjectPtr> members = r.AMacroObject3D.Objects();
    const tvapi::IMacroObject3DPtr macro(r.AMacroObject3D.End());
    if (!macro) return;
    macro->SetObjects(members);
    macro->Update();
    if (r.AMacroObject3D.Get<tvapi::IMacroObject3D>())
        r.AMacroObject3D.Add(tvapi::ITervanAPIObjectPtr(macro));
}

tvapi::IModelObjectPtr TModelerApi::drPlugin(const Str& OGUID, Integer Command)
{
    TRegistryApi& r = *R3;
    r.Obj3D.Reset();
    r.Obj3D = UserObject(r, tvapi::o3d_UserObjectOperation, OGUID, Command, MA.R3->FileName, EmptyStr);
    return r.Obj3D;
}

tvapi::IModelObjectPtr TModelerApi::drPluginWF(const Str& OGUID, Integer Command)
{
    TRegistryApi& r = *R3;
    r.Obj3D.Reset();
    r.Obj3D = UserObject(r, tvapi::o3d_UserWireFrame3D, OGUID, Command, MA.R3->PathFileName, MA.R3->FileName);
    return r.Obj3D;
}

} // namespace drApi
