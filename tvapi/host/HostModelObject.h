#pragma once
// Model objects of the stand-in host. THostModelObjectOf gives a host object of a 3D model
// its kind, name and update count; THostFeatureOf adds the feature it is (its objects, state,
// variables, deletion). THostModelObject is a model object that is only its kind: planes and
// axes as the facade's selector and macro records see them.

#include <functional>
#include <string>
#include <vector>

#include "HostObject.h"
#include "HostText.h"
#include "tvapi/ModelObjects.h"

namespace tvhost {

// The name of a host variable, read without a journal entry (HostAssembly.cpp).
std::wstring HostVariableName(tvapi::IVariable& variable);

// Journaled as "IModelObject::<operation>".
template <class... I> class THostModelObjectOf : public THostObjectOf<I...> {
public:
    tvapi::tvObj3dTypeEnum GetObjectType() override
    {
        if (!THostObject::Enter("IModelObject::GetObjectType")) return tvapi::o3d_unknown;
        return FType;
    }
    // The object itself when it is a feature, else empty.
    tvapi::IFeaturePtr GetFeature() override
    {
        if (!THostObject::Enter("IModelObject::GetFeature")) return {};
        return tvapi::IFeaturePtr(tvapi::IModelObjectPtr(static_cast<tvapi::IModelObject*>(this)));
    }
    std::wstring GetName() override
    {
        if (!THostObject::Enter("IModelObject::GetName")) return {};
        return FName;
    }
    void SetName(const wchar_t* name) override
    {
        if (THostObject::Enter("IModelObject::SetName", {ToUtf8(name ? name : L"")}))
            FName = name ? name : L"";
    }
    bool Update() override
    {
        if (!THostObject::Enter("IModelObject::Update")) return false;
        ++FUpdates;
        return Rebuild();
    }
    std::vector<tvapi::IModelObjectPtr> GetParents(int level) override
    {
        if (!THostObject::Enter("IModelObject::GetParents", {std::to_string(level)})) return {};
        return Parents();
    }
    bool GetHidden() override { return THostObject::Enter("IModelObject::GetHidden") && FHidden; }
    void SetHidden(bool hidden) override
    {
        if (THostObject::Enter("IModelObject::SetHidden", {hidden ? "true" : "false"})) FHidden = hidden;
    }
    bool Reset() override
    {
        if (!THostObject::Enter("IModelObject::Reset")) return false;
        ++FResets;
        const bool changed = ResetDisplay() || FHidden;
        FHidden = false;
        return changed;
    }

    // Test side, not journaled.
    const std::wstring& Name() const noexcept { return FName; }
    void Rename(std::wstring name) noexcept { FName = std::move(name); }
    int Updates() const noexcept { return FUpdates; }
    int Resets() const noexcept { return FResets; }
    tvapi::tvObj3dTypeEnum Kind() const noexcept { return FType; }
    bool Hidden() const noexcept { return FHidden; }
    void SetHiddenDirect(bool hidden) noexcept { FHidden = hidden; }

protected:
    explicit THostModelObjectOf(tvapi::tvObj3dTypeEnum type) noexcept : FType(type) {}
    // What an update does beyond counting; its answer is Update's.
    virtual bool Rebuild() { return true; }
    // The objects this one was built from, in order.
    virtual std::vector<tvapi::IModelObjectPtr> Parents() { return {}; }
    // What a reset gives back besides showing the object (its colour); whether it changed any.
    virtual bool ResetDisplay() { return false; }

    std::wstring FName;

private:
    tvapi::tvObj3dTypeEnum FType;
    int FUpdates = 0;
    int FResets = 0;
    bool FHidden = false;
};

// Journaled as "IFeature::<operation>".
template <class... I> class THostFeatureOf : public THostModelObjectOf<I..., tvapi::IFeature> {
public:
    std::vector<tvapi::IModelObjectPtr>
    GetModelObjects(const std::vector<tvapi::tvObj3dTypeEnum>& kinds) override
    {
        std::string arg;
        for (const tvapi::tvObj3dTypeEnum kind : kinds)
            arg += (arg.empty() ? "" : ",") + std::to_string(kind);
        if (!THostObject::Enter("IFeature::GetModelObjects", {arg})) return {};
        std::vector<tvapi::IModelObjectPtr> all;
        for (const tvapi::tvObj3dTypeEnum kind : kinds)
            for (tvapi::IModelObjectPtr& o : ObjectsOf(kind))
                all.push_back(std::move(o));
        return all;
    }
    std::vector<tvapi::IFeaturePtr> GetSubFeatures(int filter, bool onlyValid, bool nested) override
    {
        if (!THostObject::Enter(
                "IFeature::GetSubFeatures",
                {std::to_string(filter), onlyValid ? "true" : "false", nested ? "true" : "false"}))
            return {};
        return SubFeatures();
    }
    int GetValid() override { return THostObject::Enter("IFeature::GetValid") && FValid ? 1 : 0; }
    bool GetExcluded() override { return THostObject::Enter("IFeature::GetExcluded") && FExcluded; }
    void SetExcluded(bool excluded) override
    {
        if (THostObject::Enter("IFeature::SetExcluded", {excluded ? "true" : "false"})) FExcluded = excluded;
    }
    int GetError() override { return THostObject::Enter("IFeature::GetError") && !FValid ? 1 : 0; }
    bool GetRollBacked() override { return THostObject::Enter("IFeature::GetRollBacked") && FRollBacked; }
    bool Delete() override
    {
        if (!THostObject::Enter("IFeature::Delete") || FDeleted) return false;
        FDeleted = true;
        const std::function<void()> action = FOnDelete; // may drop the owner's reference
        if (action) action();
        return true;
    }
    std::vector<tvapi::IVariablePtr> GetVariables(bool withSubFeatures, bool onlyDriving) override
    {
        if (!THostObject::Enter("IFeature::GetVariables",
                                {withSubFeatures ? "true" : "false", onlyDriving ? "true" : "false"}))
            return {};
        return AllVariables();
    }
    tvapi::IVariablePtr GetVariable(bool withSubFeatures, bool onlyDriving, const wchar_t* name) override
    {
        const std::wstring wanted = name ? name : L"";
        if (!THostObject::Enter("IFeature::GetVariable", {withSubFeatures ? "true" : "false",
                                                          onlyDriving ? "true" : "false", ToUtf8(wanted)}))
            return {};
        for (const tvapi::IVariablePtr& v : AllVariables())
            if (v && HostVariableName(*v) == wanted) return v;
        return {};
    }
    tvapi::IFeaturePtr GetOwnerFeature() override
    {
        if (!THostObject::Enter("IFeature::GetOwnerFeature")) return {};
        return OwnerFeature();
    }

    // Test side, not journaled.
    void SetState(bool valid, bool excluded, bool rolledBack) noexcept
    {
        FValid = valid;
        FExcluded = excluded;
        FRollBacked = rolledBack;
    }
    bool IsDeleted() const noexcept { return FDeleted; }
    bool Excluded() const noexcept { return FExcluded; }
    void SetExcludedDirect(bool excluded) noexcept { FExcluded = excluded; }
    // What deleting the object does to its owner (removes it there); the owner's state is
    // held weakly, so an owner gone first leaves nothing to do.
    void OnDelete(std::function<void()> action) { FOnDelete = std::move(action); }
    std::vector<tvapi::IVariablePtr>& Variables() noexcept { return FVariables; }
    // The first variable named `name`; empty when none is. Not journaled.
    tvapi::IVariablePtr FindVariable(const std::wstring& name) const
    {
        for (const tvapi::IVariablePtr& v : FVariables)
            if (v && HostVariableName(*v) == name) return v;
        return {};
    }

protected:
    using THostModelObjectOf<I..., tvapi::IFeature>::THostModelObjectOf;
    // The feature's objects of one kind, in order.
    virtual std::vector<tvapi::IModelObjectPtr> ObjectsOf(tvapi::tvObj3dTypeEnum) { return {}; }
    // The features it is made of, in order.
    virtual std::vector<tvapi::IFeaturePtr> SubFeatures() { return {}; }
    // Its variables as the host lists them: those kept by default.
    virtual std::vector<tvapi::IVariablePtr> AllVariables() { return FVariables; }
    // The feature it belongs to; none by default.
    virtual tvapi::IFeaturePtr OwnerFeature() { return {}; }

private:
    bool FValid = true;
    bool FExcluded = false;
    bool FRollBacked = false;
    bool FDeleted = false;
    std::function<void()> FOnDelete;
    std::vector<tvapi::IVariablePtr> FVariables;
};

class THostModelObject final : public THostModelObjectOf<tvapi::IModelObject> {
public:
    explicit THostModelObject(tvapi::tvObj3dTypeEnum type) noexcept : THostModelObjectOf(type) {}
    THostModelObject(tvapi::tvObj3dTypeEnum type, std::wstring name) : THostModelObjectOf(type)
    {
        FName = std::move(name);
    }
};

using THostModelObjectPtr = tvapi::Ptr<THostModelObject>;

} // namespace tvhost
