// Selection and highlighting of a stand-in document.
#include "HostSelection.h"

#include <algorithm>

#include "HostArgs.h"

namespace tvhost {

namespace {

bool Same(const tvapi::ITervanAPIObjectPtr& a, tvapi::IAPIObject* b)
{
    return tvapi::SameObject(static_cast<tvapi::IAPIObject*>(a.Get()), b);
}

// What an object is told apart by: its IAPIObject, or its own address when it has none.
const void* Identity(tvapi::IAPIObject* o)
{
    if (!o) return nullptr;
    const tvapi::IAPIObjectPtr base = tvapi::IAPIObjectPtr::Adopt(
        static_cast<tvapi::IAPIObject*>(o->QueryInterface(tvapi::IAPIObject::IID)));
    return base ? static_cast<const void*>(base.Get()) : static_cast<const void*>(o);
}

} // namespace

void THostSelectionManager::Select(const tvapi::TervanAPIObjectList& objects)
{
    if (!Enter("ISelectionManager::Select", {ListArg(objects)})) return;
    for (const tvapi::ITervanAPIObjectPtr& object : objects)
        if (object && FIdentities.insert(Identity(object.Get())).second) FSelected.push_back(object);
}

void THostSelectionManager::UnSelect(const tvapi::TervanAPIObjectList& objects)
{
    if (!Enter("ISelectionManager::UnSelect", {ListArg(objects)})) return;
    for (const tvapi::ITervanAPIObjectPtr& object : objects) {
        if (!object) continue;
        if (FIdentities.erase(Identity(object.Get())) == 0) continue;
        std::erase_if(FSelected, [&](const tvapi::ITervanAPIObjectPtr& s) { return Same(s, object.Get()); });
    }
}

void THostSelectionManager::UnSelectAll()
{
    if (!Enter("ISelectionManager::UnSelectAll")) return;
    Clear();
}

tvapi::TervanAPIObjectList THostSelectionManager::GetSelectedObjects()
{
    if (!Enter("ISelectionManager::GetSelectedObjects")) return {};
    return FSelected;
}

int THostSelectionManager::GetCount()
{
    if (!Enter("ISelectionManager::GetCount")) return 0;
    return static_cast<int>(FSelected.size());
}

bool THostSelectionManager::IsSelected(tvapi::IAPIObject* object) const noexcept
{
    return object && FIdentities.count(Identity(object)) > 0;
}

void THostChooseManager::SetChooseType(tvapi::tvChooseManagerTypeEnum kind)
{
    if (!Enter("IChooseManager::SetChooseType", {std::to_string(kind)})) return;
    FKind = kind;
}

tvapi::tvChooseManagerTypeEnum THostChooseManager::GetChooseType()
{
    if (!Enter("IChooseManager::GetChooseType")) return tvapi::tvChMUnknown;
    return FKind;
}

void THostChooseManager::Choose(const tvapi::TervanAPIObjectList& objects)
{
    if (!Enter("IChooseManager::Choose", {ListArg(objects)})) return;
    for (const tvapi::ITervanAPIObjectPtr& object : objects)
        if (object && !IsChosen(object.Get(), FKind)) FChosen.emplace_back(object, FKind);
}

void THostChooseManager::UnChoose(const tvapi::TervanAPIObjectList& objects)
{
    if (!Enter("IChooseManager::UnChoose", {ListArg(objects)})) return;
    for (const tvapi::ITervanAPIObjectPtr& object : objects) {
        if (!object) continue;
        std::erase_if(FChosen,
                      [&](const TChosen& c) { return Covers(c.second) && Same(c.first, object.Get()); });
    }
}

void THostChooseManager::UnChooseAll()
{
    if (!Enter("IChooseManager::UnChooseAll")) return;
    std::erase_if(FChosen, [&](const TChosen& c) { return Covers(c.second); });
}

bool THostChooseManager::IsChosen(tvapi::IAPIObject* object,
                                  tvapi::tvChooseManagerTypeEnum kind) const noexcept
{
    return std::any_of(FChosen.begin(), FChosen.end(), [&](const TChosen& c) {
        return (kind == tvapi::tvChMAllColors || c.second == kind) && Same(c.first, object);
    });
}

bool THostChooseManager::Covers(tvapi::tvChooseManagerTypeEnum k) const noexcept
{
    return FKind == tvapi::tvChMAllColors || k == FKind;
}

} // namespace tvhost
