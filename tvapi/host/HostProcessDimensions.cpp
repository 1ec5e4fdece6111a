// A script's pick of a 3D dimension: the dimensions of the active document's parts counted
// from 1, the top part's first, then each component's, depth first.
#include "HostProcess.h"

#include "HostApplication.h"
#include "HostDocuments.h"
#include "HostPart.h"
#include "tvapi/Dimensions3D.h"

namespace tvhost {

namespace {

// The N-th dimension (counting down N) of part and its components; empty while not reached.
tvapi::IModelObjectPtr NthDimension(const tvapi::IPartPtr& part, int& n, int depth)
{
    if (!part || depth > 8) return {};
    if (const tvapi::ISymbols3DContainerPtr symbols{part})
        if (const tvapi::ILineDimensions3DPtr dims = symbols->GetLineDimensions3D()) {
            const int count = dims->GetCount();
            if (n <= count) return tvapi::IModelObjectPtr(dims->GetItem(n - 1));
            n -= count;
        }
    const tvapi::IPartsPtr parts = part->GetParts();
    for (int i = 0; parts && i < parts->GetCount(); ++i)
        if (tvapi::IModelObjectPtr found = NthDimension(parts->GetItem(i), n, depth + 1)) return found;
    return {};
}

} // namespace

bool THostProcess3D::PickDimension(int n)
{
    THostApplication* app = THostApplication::Current();
    auto* doc = app ? dynamic_cast<THostDocument3D*>(app->Documents().Active().Get()) : nullptr;
    if (!doc || n < 1) return false;
    const tvapi::IModelObjectPtr dimension = NthDimension(tvapi::IPartPtr(&doc->TopPart()), n, 0);
    if (!dimension) return false;
    const tvapi::ITervanAPIObjectPtr object(dimension);
    if (FEvents->FilterObjects(object)) FEvents->PlacementChanged(object);
    return true;
}

} // namespace tvhost
