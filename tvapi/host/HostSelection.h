#pragma once
// Selection and highlighting of a stand-in document: the selected objects in selection
// order, and the highlighted objects with their highlight kind. Both hold references to
// their objects until unselected, unchosen or cleared (a closing document clears them).

#include <unordered_set>
#include <utility>
#include <vector>

#include "HostObject.h"
#include "tvapi/Selection.h"

namespace tvhost {

class THostSelectionManager final : public THostObjectOf<tvapi::ISelectionManager> {
public:
    // Journaled as "ISelectionManager::<operation>", lists as "[#id, ...]". Objects are told
    // apart by identity (tvapi::SameObject).
    void Select(const tvapi::TervanAPIObjectList& objects) override;
    void UnSelect(const tvapi::TervanAPIObjectList& objects) override;
    void UnSelectAll() override;
    tvapi::TervanAPIObjectList GetSelectedObjects() override;
    int GetCount() override;

    // Test side, not journaled.
    const tvapi::TervanAPIObjectList& Selected() const noexcept { return FSelected; }
    bool IsSelected(tvapi::IAPIObject* object) const noexcept;
    void Clear() noexcept
    {
        FSelected.clear();
        FIdentities.clear();
    }

private:
    tvapi::TervanAPIObjectList FSelected;
    // The identities of FSelected, so that a large selection grows in linear time.
    std::unordered_set<const void*> FIdentities;
};

class THostChooseManager final : public THostObjectOf<tvapi::IChooseManager> {
public:
    // One highlight: the object and its kind.
    using TChosen = std::pair<tvapi::ITervanAPIObjectPtr, tvapi::tvChooseManagerTypeEnum>;

    // Journaled as "IChooseManager::<operation>". An object chosen twice with one kind keeps
    // one highlight of that kind; with two kinds it has two.
    void SetChooseType(tvapi::tvChooseManagerTypeEnum kind) override;
    tvapi::tvChooseManagerTypeEnum GetChooseType() override;
    void Choose(const tvapi::TervanAPIObjectList& objects) override;
    void UnChoose(const tvapi::TervanAPIObjectList& objects) override;
    void UnChooseAll() override;

    // Test side, not journaled.
    const std::vector<TChosen>& Chosen() const noexcept { return FChosen; }
    tvapi::tvChooseManagerTypeEnum ChooseType() const noexcept { return FKind; }
    // Whether `object` has a highlight of `kind` (of any kind for tvChMAllColors).
    bool IsChosen(tvapi::IAPIObject* object, tvapi::tvChooseManagerTypeEnum kind) const noexcept;
    void Clear() noexcept { FChosen.clear(); }

private:
    // Whether a highlight of kind `k` is one the current kind works on.
    bool Covers(tvapi::tvChooseManagerTypeEnum k) const noexcept;

    tvapi::tvChooseManagerTypeEnum FKind = tvapi::tvChMLevel1ColorBase;
    std::vector<TChosen> FChosen;
};

using THostSelectionManagerPtr = tvapi::Ptr<THostSelectionManager>;
using THostChooseManagerPtr = tvapi::Ptr<THostChooseManager>;

} // namespace tvhost
