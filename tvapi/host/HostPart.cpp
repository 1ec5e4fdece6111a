// A part of the stand-in host.
#include "HostPart.h"

#include <algorithm>

#include "HostText.h"

namespace tvhost {

std::wstring THostPart::GetName()
{
    if (!Enter("IPart::GetName")) return {};
    return FName;
}

void THostPart::SetName(const wchar_t* name)
{
    if (!Enter("IPart::SetName", {ToUtf8(name)})) return;
    FName = name ? name : L"";
}

std::wstring THostPart::GetMarking()
{
    if (!Enter("IPart::GetMarking")) return {};
    return FMarking;
}

void THostPart::SetMarking(const wchar_t* marking)
{
    if (!Enter("IPart::SetMarking", {ToUtf8(marking)})) return;
    FMarking = marking ? marking : L"";
}

double THostPart::GetMass()
{
    if (!Enter("IPart::GetMass")) return 0.0;
    return FMass;
}

std::vector<tvapi::IModelObjectPtr>
THostPart::GetModelObjects(const std::vector<tvapi::tvObj3dTypeEnum>& types)
{
    std::vector<std::string> args;
    for (tvapi::tvObj3dTypeEnum t : types)
        args.push_back(std::to_string(t));
    if (!Enter("IFeature::GetModelObjects", args)) return {};
    if (std::find(types.begin(), types.end(), tvapi::o3d_sketch) == types.end()) return {};
    return {FSketches.begin(), FSketches.end()};
}

THostSketch& THostPart::AddSketch(const std::wstring& name)
{
    return *FSketches.emplace_back(New<THostSketch>(name));
}

} // namespace tvhost
