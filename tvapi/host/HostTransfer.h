#pragma once
// The stand-in host's transfer service: hands out integer references 1, 2, 3 ... in the
// order objects are first asked for, and keeps each referenced object alive until the
// application ends, as a real host keeps its document objects.

#include <cstddef>
#include <vector>

#include "HostObject.h"
#include "tvapi/TransferService.h"

namespace tvhost {

class THostTransferService final : public THostObjectOf<tvapi::ITransferService> {
public:
    // Journaled as "ITransferService::<operation>", objects as "#id". The document
    // reference is not checked: references are unique across documents.
    tvapi::IAPIObjectPtr GetAPIObject(int object, int document) override;
    int GetReference(const tvapi::IAPIObjectPtr& object) override;

    // Test side, not journaled.
    std::size_t Count() const noexcept { return FObjects.size(); }
    void Clear() noexcept { FObjects.clear(); }

private:
    // Object of reference r at index r - 1.
    std::vector<tvapi::IAPIObjectPtr> FObjects;
};

using THostTransferServicePtr = tvapi::Ptr<THostTransferService>;

} // namespace tvhost
