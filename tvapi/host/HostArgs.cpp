// Journal arguments of the stand-in host.
#include "HostArgs.h"

namespace tvhost {

std::string ObjectArg(const tvapi::IAPIObject* object)
{
    if (!object) return "null";
    const THostObject* host = HostObjectOf(object);
    return host ? "#" + std::to_string(host->Id()) : "foreign";
}

std::string BoolArg(bool value)
{
    return value ? "true" : "false";
}

} // namespace tvhost
