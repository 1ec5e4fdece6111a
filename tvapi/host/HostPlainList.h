#pragma once
// The collection through which a stand-in part hands out the features of one list kind
// whose Add takes no kind (Booleans, copies, surfaces, thickenings, billets ...).

#include <memory>
#include <string>
#include <vector>

#include "HostFeatures.h"
#include "HostObject.h"

namespace tvhost {

// A collection of the features of one list kind whose Add takes no kind, journaled as
// "<Name>::<operation>"; `make` appends a new one to the list.
template <class IList, class IItem> class THostPlainList final : public THostObjectOf<IList> {
public:
    using TMake = tvapi::Ptr<IItem> (*)(const std::shared_ptr<TFeatureList>&);

    THostPlainList(std::string name, TFeatureListRef list, tvapi::tvObj3dTypeEnum kind, TMake make)
        : FName(std::move(name)), FList(std::move(list)), FKind(kind), FMake(make)
    {
    }
    int GetCount() override
    {
        return THostObject::Enter(FName + "::GetCount") ? static_cast<int>(Items().size()) : 0;
    }
    tvapi::Ptr<IItem> GetItem(int index) override
    {
        if (!THostObject::Enter(FName + "::GetItem", {std::to_string(index)})) return {};
        const auto all = Items();
        if (index < 0 || static_cast<std::size_t>(index) >= all.size()) return {};
        return tvapi::Ptr<IItem>(all[static_cast<std::size_t>(index)]);
    }
    tvapi::Ptr<IItem> Add() override
    {
        if (!THostObject::Enter(FName + "::Add")) return {};
        const std::shared_ptr<TFeatureList> list = FList.lock();
        return list ? FMake(list) : tvapi::Ptr<IItem>();
    }

private:
    std::vector<tvapi::IModelObjectPtr> Items() const
    {
        const std::shared_ptr<TFeatureList> list = FList.lock();
        return list ? list->Features({FKind}) : std::vector<tvapi::IModelObjectPtr>{};
    }

    std::string FName;
    TFeatureListRef FList;
    tvapi::tvObj3dTypeEnum FKind;
    TMake FMake;
};

} // namespace tvhost
