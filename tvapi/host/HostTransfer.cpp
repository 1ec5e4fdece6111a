// The stand-in host's transfer service and the host function that gives it.
#include "HostTransfer.h"

#include <string>

#include "HostApplication.h"
#include "HostArgs.h"
#include "HostFaults.h"
#include "HostJournal.h"

namespace tvhost {

tvapi::IAPIObjectPtr THostTransferService::GetAPIObject(int object, int document)
{
    if (!Enter("ITransferService::GetAPIObject", {std::to_string(object), std::to_string(document)}))
        return {};
    if (object < 1 || static_cast<std::size_t>(object) > FObjects.size()) return {};
    return FObjects[static_cast<std::size_t>(object) - 1];
}

int THostTransferService::GetReference(const tvapi::IAPIObjectPtr& object)
{
    if (!Enter("ITransferService::GetReference", {ObjectArg(object.Get())})) return 0;
    if (!object) return 0;
    for (std::size_t i = 0; i < FObjects.size(); ++i)
        if (FObjects[i] == object) return static_cast<int>(i + 1);
    FObjects.push_back(object);
    return static_cast<int>(FObjects.size());
}

} // namespace tvhost

tvapi::ITransferServicePtr GetTransferService()
{
    tvhost::Journal().Add("GetTransferService", {});
    switch (tvhost::Faults().Take("GetTransferService")) {
    case tvhost::fkNone:
        break;
    case tvhost::fkFail:
        return {};
    case tvhost::fkThrow:
        throw tvhost::TInjectedFault("GetTransferService");
    }
    tvhost::THostApplication* app = tvhost::THostApplication::Current();
    return app ? tvapi::ITransferServicePtr(&app->Transfer()) : tvapi::ITransferServicePtr();
}
