#pragma once
// The host's transfer service: integer references of host objects, as older interfaces of
// the host and its documents name objects, turned into objects and back. The host exports
// GetTransferService(); a library resolves it like any function of the host's libraries.

#include "tvapi/Base.h"

namespace tvapi {

class ITransferService : public IAPIObject {
public:
    static constexpr char IID[] = "84F66765-6385-4CE1-B1BD-28018580A832";
    using Parent = IAPIObject;

    // The object the reference `object` names, in the document the reference `document`
    // names; empty for 0 or a reference the host never gave.
    virtual IAPIObjectPtr GetAPIObject(int object, int document) = 0;
    // The reference of `object`, the same for every call; 0 for an empty pointer.
    virtual int GetReference(const IAPIObjectPtr& object) = 0;

protected:
    ~ITransferService() = default;
};

using ITransferServicePtr = Ptr<ITransferService>;

} // namespace tvapi

// The transfer service of the running host; empty when no host runs.
tvapi::ITransferServicePtr GetTransferService();
