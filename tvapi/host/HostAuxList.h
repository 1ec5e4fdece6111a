#pragma once
// The collections through which a stand-in part hands out one list of its auxiliary geometry
// (points, segments, spirals, local systems ...): count and items here, Add in each kind.

#include <string>
#include <vector>

#include "HostAuxGeometry.h"
#include "HostObject.h"
#include "HostPart.h"

namespace tvhost {

using TAuxList = const std::vector<tvapi::IModelObjectPtr>& (THostAuxGeometry::*)() const noexcept;

// A collection of one list of the part's auxiliary geometry, journaled as
// "<Name>::<operation>"; Add is the kind's own.
template <class I, class Item> class THostAuxItemList : public THostObjectOf<I> {
public:
    THostAuxItemList(THostPart& owner, const char* name, TAuxList list)
        : FOwner(tvapi::IPartPtr(&owner)), FName(name), FList(list)
    {
    }

    int GetCount() override
    {
        return THostObject::Enter(FName + "::GetCount") ? static_cast<int>((Aux().*FList)().size()) : 0;
    }
    Item GetItem(int index) override
    {
        if (!THostObject::Enter(FName + "::GetItem", {std::to_string(index)})) return {};
        const std::vector<tvapi::IModelObjectPtr>& list = (Aux().*FList)();
        if (index < 0 || static_cast<std::size_t>(index) >= list.size()) return {};
        return Item(list[static_cast<std::size_t>(index)]);
    }

protected:
    THostAuxGeometry& Aux() const { return HostAs<THostPart>(FOwner)->AuxGeometry(); }

    tvapi::IPartPtr FOwner;
    std::string FName;

private:
    TAuxList FList;
};

} // namespace tvhost
