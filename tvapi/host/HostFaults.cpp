// One-shot fault injection of the stand-in host.
#include "HostFaults.h"

namespace tvhost {

void TFaults::Arm(std::string_view op, TFaultKind kind)
{
    if (kind == fkNone) {
        if (auto it = FArmed.find(op); it != FArmed.end()) FArmed.erase(it);
        return;
    }
    FArmed.insert_or_assign(std::string(op), kind);
}

TFaultKind TFaults::Take(std::string_view op)
{
    auto it = FArmed.find(op);
    if (it == FArmed.end()) return fkNone;
    const TFaultKind kind = it->second;
    FArmed.erase(it);
    return kind;
}

bool TFaults::IsArmed(std::string_view op) const
{
    return FArmed.find(op) != FArmed.end();
}

void TFaults::Clear() noexcept
{
    FArmed.clear();
}

TFaults& Faults()
{
    static TFaults faults;
    return faults;
}

} // namespace tvhost
