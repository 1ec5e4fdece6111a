// A part of the stand-in host.
#include "HostPart.h"

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

} // namespace tvhost
