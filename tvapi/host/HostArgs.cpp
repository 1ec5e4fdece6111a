// Journal arguments of the stand-in host.
#include "HostArgs.h"

namespace tvhost {

std::string ObjectArg(const tvapi::IAPIObject* object)
{
    if (!object) return "null";
    const THostObject* host = HostObjectOf(object);
    return host ? "#" + std::to_string(host->Id()) : "foreign";
}

std::string ListArg(const tvapi::TervanAPIObjectList& list)
{
    std::string text = "[";
    for (std::size_t i = 0; i < list.size(); ++i) {
        if (i > 0) text += ", ";
        text += ObjectArg(list[i].Get());
    }
    return text + "]";
}

std::string BoolArg(bool value)
{
    return value ? "true" : "false";
}

} // namespace tvhost
