// The feature collections of a stand-in part, its Booleans, 3D macros and user objects.
#include <algorithm>

#include <nlohmann/json.hpp>

#include "HostArgs.h"
#include "HostCopyFeatures.h"
#include "HostDrawingObject.h"
#include "HostKernelFeatures.h"
#include "HostMeasure.h"
#include "HostPart.h"
#include "HostPlainList.h"
#include "HostSketchFeatures.h"
#include "HostSurfaceFeatures.h"
#include "HostText.h"
#include "tvapi/DrawingPrimitives.h"

namespace tvhost {

namespace {

using TKinds = std::vector<tvapi::tvObj3dTypeEnum>;

// A collection of the features of `Kinds` in a part's list, journaled as "<Name>::<operation>".
// It outlives its part without effect: counts 0, adds nothing.
template <class IList, class IItem> class THostFeatureCollection final : public THostObjectOf<IList> {
public:
    using TMake = tvapi::Ptr<IItem> (*)(tvapi::tvObj3dTypeEnum, const std::shared_ptr<TFeatureList>&);

    THostFeatureCollection(std::string name, TFeatureListRef list, TKinds kinds, TMake make)
        : FName(std::move(name)), FList(std::move(list)), FKinds(std::move(kinds)), FMake(make)
    {
    }

    int GetCount() override
    {
        if (!THostObject::Enter(FName + "::GetCount")) return 0;
        return static_cast<int>(Items().size());
    }
    tvapi::Ptr<IItem> GetItem(int index) override
    {
        if (!THostObject::Enter(FName + "::GetItem", {std::to_string(index)})) return {};
        const std::vector<tvapi::IModelObjectPtr> all = Items();
        if (index < 0 || static_cast<std::size_t>(index) >= all.size()) return {};
        return tvapi::Ptr<IItem>(all[static_cast<std::size_t>(index)]);
    }
    tvapi::Ptr<IItem> Add(tvapi::tvObj3dTypeEnum kind) override
    {
        if (!THostObject::Enter(FName + "::Add", {std::to_string(kind)})) return {};
        const std::shared_ptr<TFeatureList> list = FList.lock();
        if (!list || std::find(FKinds.begin(), FKinds.end(), kind) == FKinds.end()) return {};
        return FMake(kind, list);
    }

private:
    std::vector<tvapi::IModelObjectPtr> Items() const
    {
        const std::shared_ptr<TFeatureList> list = FList.lock();
        return list ? list->Features(FKinds) : std::vector<tvapi::IModelObjectPtr>{};
    }

    std::string FName;
    TFeatureListRef FList;
    TKinds FKinds;
    TMake FMake;
};

// Journaled as "IBoolean::<operation>". The result takes the first operand's place (or is a
// new body when that one is another part's); the second operand, when it is the part's,
// goes.
class THostBoolean final : public THostListedFeature<tvapi::IBoolean> {
public:
    explicit THostBoolean(TFeatureListRef list) : THostListedFeature(tvapi::o3d_unknown, std::move(list)) {}

    void SetBodies(const std::vector<tvapi::IModelObjectPtr>& bodies) override
    {
        if (!Enter("IBoolean::SetBodies", {ListArg(bodies)})) return;
        FOperands.clear();
        const std::shared_ptr<TFeatureList> list = List();
        for (const tvapi::IModelObjectPtr& body : bodies)
            FOperands.push_back(TBodyOperand::Of(list.get(), body.Get()));
    }
    void SetBooleanType(tvapi::tvBooleanType type) override
    {
        if (Enter("IBoolean::SetBooleanType", {std::to_string(type)})) FType = type;
    }

    bool Apply(TBodies& bodies, std::string& error) override
    {
        TBooleanKind kind = TBooleanKind::bkFuse;
        if (!KindOf(kind) || FOperands.size() != 2) {
            error = "the Boolean has no operation or not two bodies";
            return false;
        }
        const TShape a = FOperands[0].ShapeIn(bodies), b = FOperands[1].ShapeIn(bodies);
        const TShape result = Combined(kind, a, b);
        if (!a || !b || !IsValidChange(result, a)) {
            error = a && b ? "the kernel could not build the feature" : "a body of the Boolean is missing";
            return false;
        }
        Place(bodies.Solids, result);
        return true;
    }
    void Write(nlohmann::json& out, const TRefer&) const override
    {
        nlohmann::json operands = nlohmann::json::array();
        for (const TBodyOperand& operand : FOperands)
            operands.push_back(operand.Json());
        out = {{"type", FType}, {"operands", operands}};
    }
    void Read(const nlohmann::json& in, const TFind&) override
    {
        FType = static_cast<tvapi::tvBooleanType>(in.at("type").get<int>());
        FOperands.clear();
        for (const nlohmann::json& operand : in.at("operands"))
            FOperands.push_back(TBodyOperand::FromJson(operand));
    }

private:
    bool KindOf(TBooleanKind& kind) const
    {
        switch (FType) {
        case tvapi::tvIntersect:
            kind = TBooleanKind::bkCommon;
            return true;
        case tvapi::tvDifference:
            kind = TBooleanKind::bkCut;
            return true;
        case tvapi::tvUnion:
            kind = TBooleanKind::bkFuse;
            return true;
        default:
            return false;
        }
    }
    void Place(std::vector<TShape>& solids, const TShape& result) const
    {
        const int first = FOperands[0].Index, second = FOperands[1].Index;
        if (first >= 0)
            solids[static_cast<std::size_t>(first)] = result;
        else
            solids.push_back(result);
        if (second >= 0 && second != first) solids.erase(solids.begin() + second);
    }

    std::vector<TBodyOperand> FOperands;
    tvapi::tvBooleanType FType = tvapi::tvBooleanUnknown;
};

// Journaled as "IMacroObject3D::<operation>"; built by Update whatever its members.
class THostMacroObject3D final : public THostModelObjectOf<tvapi::IMacroObject3D> {
public:
    THostMacroObject3D() : THostModelObjectOf(tvapi::o3d_unknown) {}

    void SetStaffVisible(bool visible) override
    {
        if (Enter("IMacroObject3D::SetStaffVisible", {BoolArg(visible)})) FStaffVisible = visible;
    }
    void SetObjects(const std::vector<tvapi::IModelObjectPtr>& objects) override
    {
        if (Enter("IMacroObject3D::SetObjects", {ListArg(objects)})) FObjects = objects;
    }
    std::vector<tvapi::IModelObjectPtr> GetObjects() override
    {
        return Enter("IMacroObject3D::GetObjects") ? FObjects : std::vector<tvapi::IModelObjectPtr>{};
    }

    // Test side.
    bool StaffVisible() const noexcept { return FStaffVisible; }
    const std::vector<tvapi::IModelObjectPtr>& Objects() const noexcept { return FObjects; }

protected:
    // A macro is built from its members.
    std::vector<tvapi::IModelObjectPtr> Parents() override { return FObjects; }

private:
    bool FStaffVisible = false;
    std::vector<tvapi::IModelObjectPtr> FObjects;
};

// Journaled as "IUserParameters::<operation>"; the rest as model object.
class THostUserObject3D final : public THostModelObjectOf<tvapi::IUserObject3D, tvapi::IUserParameters> {
public:
    explicit THostUserObject3D(tvapi::tvObj3dTypeEnum kind) : THostModelObjectOf(kind) {}

    std::wstring GetIdentifier() override { return Text("GetIdentifier", FIdentifier); }
    void SetIdentifier(const wchar_t* identifier) override
    {
        SetText("SetIdentifier", FIdentifier, identifier);
    }
    std::wstring GetFileName() override { return Text("GetFileName", FFileName); }
    void SetFileName(const wchar_t* name) override { SetText("SetFileName", FFileName, name); }
    std::wstring GetLibraryName() override { return Text("GetLibraryName", FLibraryName); }
    void SetLibraryName(const wchar_t* name) override { SetText("SetLibraryName", FLibraryName, name); }
    int GetCommand() override { return Enter("IUserParameters::GetCommand") ? FCommand : 0; }
    void SetCommand(int command) override
    {
        if (Enter("IUserParameters::SetCommand", {std::to_string(command)})) FCommand = command;
    }
    std::vector<std::uint8_t> GetUserParams() override
    {
        return Enter("IUserParameters::GetUserParams") ? FParams : std::vector<std::uint8_t>{};
    }
    void SetUserParams(const std::vector<std::uint8_t>& bytes) override
    {
        if (Enter("IUserParameters::SetUserParams", {std::to_string(bytes.size()) + " bytes"}))
            FParams = bytes;
    }

private:
    std::wstring Text(const std::string& op, const std::wstring& field)
    {
        return Enter("IUserParameters::" + op) ? field : std::wstring{};
    }
    void SetText(const std::string& op, std::wstring& field, const wchar_t* value)
    {
        if (Enter("IUserParameters::" + op, {ToUtf8(value ? value : L"")})) field = value ? value : L"";
    }

    std::wstring FIdentifier;
    std::wstring FFileName;
    std::wstring FLibraryName;
    int FCommand = 0;
    std::vector<std::uint8_t> FParams;
};

// The collection of a part's objects in `Objects` (macros or user objects), journaled as
// "<Name>::<operation>"; Add makes one with `make`, empty for a kind refused.
template <class IList, class IItem, class... A> class THostObjectList final : public THostObjectOf<IList> {
public:
    using TMake = tvapi::Ptr<IItem> (*)(A...);
    using TObjects = std::vector<tvapi::IModelObjectPtr>& (TFeatureList::*)() noexcept;

    THostObjectList(std::string name, TFeatureListRef list, TObjects objects, TMake make)
        : FName(std::move(name)), FList(std::move(list)), FObjects(objects), FMake(make)
    {
    }
    int GetCount() override
    {
        const std::shared_ptr<TFeatureList> list = FList.lock();
        if (!THostObject::Enter(FName + "::GetCount") || !list) return 0;
        return static_cast<int>(((*list).*FObjects)().size());
    }
    tvapi::Ptr<IItem> GetItem(int index) override
    {
        const std::shared_ptr<TFeatureList> list = FList.lock();
        if (!THostObject::Enter(FName + "::GetItem", {std::to_string(index)}) || !list) return {};
        const auto& all = ((*list).*FObjects)();
        if (index < 0 || static_cast<std::size_t>(index) >= all.size()) return {};
        return tvapi::Ptr<IItem>(all[static_cast<std::size_t>(index)]);
    }
    tvapi::Ptr<IItem> Add(A... args) override
    {
        const std::shared_ptr<TFeatureList> list = FList.lock();
        std::vector<std::string> journal{std::to_string(args)...};
        if (!THostObject::Enter(FName + "::Add", journal) || !list) return {};
        tvapi::Ptr<IItem> item = FMake(args...);
        if (item) ((*list).*FObjects)().emplace_back(item);
        return item;
    }

private:
    std::string FName;
    TFeatureListRef FList;
    TObjects FObjects;
    TMake FMake;
};

tvapi::IMacroObject3DPtr MakeMacro()
{
    return tvapi::IMacroObject3DPtr(New<THostMacroObject3D>());
}

tvapi::IUserObject3DPtr MakeUserObject(tvapi::tvObj3dTypeEnum kind)
{
    if (kind != tvapi::o3d_UserObjectOperation && kind != tvapi::o3d_UserWireFrame3D) return {};
    return tvapi::IUserObject3DPtr(New<THostUserObject3D>(kind));
}

template <class IList, class IItem>
tvapi::Ptr<IList> Collection(const char* op, const char* name, TKinds kinds,
                             tvapi::Ptr<IItem> (*make)(tvapi::tvObj3dTypeEnum,
                                                       const std::shared_ptr<TFeatureList>&),
                             const std::shared_ptr<TFeatureList>& list)
{
    if (!EnterOperation(op)) return {};
    return tvapi::Ptr<IList>(New<THostFeatureCollection<IList, IItem>>(name, list, std::move(kinds), make));
}

} // namespace

tvapi::IExtrusionsPtr THostPart::GetExtrusions()
{
    return Collection<tvapi::IExtrusions, tvapi::IExtrusion>(
        "IModelContainer::GetExtrusions", "IExtrusions",
        {tvapi::o3d_baseExtrusion, tvapi::o3d_bossExtrusion, tvapi::o3d_cutExtrusion}, NewExtrusion,
        FFeatures);
}

tvapi::IRotatedsPtr THostPart::GetRotateds()
{
    return Collection<tvapi::IRotateds, tvapi::IRotated>(
        "IModelContainer::GetRotateds", "IRotateds",
        {tvapi::o3d_baseRotated, tvapi::o3d_bossRotated, tvapi::o3d_cutRotated}, NewRotated, FFeatures);
}

tvapi::IEvolutionsPtr THostPart::GetEvolutions()
{
    return Collection<tvapi::IEvolutions, tvapi::IEvolution>(
        "IModelContainer::GetEvolutions", "IEvolutions",
        {tvapi::o3d_baseEvolution, tvapi::o3d_bossEvolution, tvapi::o3d_cutEvolution}, NewEvolution,
        FFeatures);
}

tvapi::IExtrusionsPtr THostPart::GetExtrusionSurfaces()
{
    return Collection<tvapi::IExtrusions, tvapi::IExtrusion>(
        "ISurfaceContainer::GetExtrusionSurfaces", "IExtrusionSurfaces", {tvapi::o3d_ExtrusionSurface},
        NewExtrusion, FFeatures);
}

tvapi::IRotatedsPtr THostPart::GetRotatedSurfaces()
{
    return Collection<tvapi::IRotateds, tvapi::IRotated>("ISurfaceContainer::GetRotatedSurfaces",
                                                         "IRotatedSurfaces", {tvapi::o3d_RotatedSurface},
                                                         NewRotated, FFeatures);
}

tvapi::IEvolutionsPtr THostPart::GetEvolutionSurfaces()
{
    return Collection<tvapi::IEvolutions, tvapi::IEvolution>(
        "ISurfaceContainer::GetEvolutionSurfaces", "IEvolutionSurfaces", {tvapi::o3d_EvolutionSurface},
        NewEvolution, FFeatures);
}

tvapi::IBooleanPtr NewBoolean(const std::shared_ptr<TFeatureList>& list)
{
    const tvapi::Ptr<THostBoolean> feature = New<THostBoolean>(list);
    list->Append(tvapi::IModelObjectPtr(feature), *feature, ListKindBoolean);
    return tvapi::IBooleanPtr(feature);
}

tvapi::IBooleansPtr THostPart::GetBooleans()
{
    if (!Enter("IModelContainer::GetBooleans")) return {};
    return tvapi::IBooleansPtr(New<THostPlainList<tvapi::IBooleans, tvapi::IBoolean>>(
        "IBooleans", FFeatures, ListKindBoolean, NewBoolean));
}

tvapi::ICopiesGeometryPtr THostPart::GetCopiesGeometry()
{
    if (!Enter("IModelContainer::GetCopiesGeometry")) return {};
    return tvapi::ICopiesGeometryPtr(New<THostPlainList<tvapi::ICopiesGeometry, tvapi::ICopyGeometry>>(
        "ICopiesGeometry", FFeatures, ListKindCopy, NewCopyGeometry));
}

tvapi::ISurfacePatchesPtr THostPart::GetSurfacePatches()
{
    if (!Enter("ISurfaceContainer::GetSurfacePatches")) return {};
    return tvapi::ISurfacePatchesPtr(New<THostPlainList<tvapi::ISurfacePatches, tvapi::ISurfacePatch>>(
        "ISurfacePatches", FFeatures, ListKindPatch, NewSurfacePatch));
}

tvapi::IRuledSurfacesPtr THostPart::GetRuledSurfaces()
{
    if (!Enter("ISurfaceContainer::GetRuledSurfaces")) return {};
    return tvapi::IRuledSurfacesPtr(New<THostPlainList<tvapi::IRuledSurfaces, tvapi::IRuledSurface>>(
        "IRuledSurfaces", FFeatures, ListKindRuled, NewRuledSurface));
}

tvapi::IThreadsPtr THostPart::GetThreads()
{
    if (!Enter("ISymbols3DContainer::GetThreads")) return {};
    return tvapi::IThreadsPtr(New<THostPlainList<tvapi::IThreads, tvapi::IThread>>(
        "IThreads", FFeatures, tvapi::o3d_thread, NewThread));
}

tvapi::IMacroObjects3DPtr THostPart::GetMacroObjects3D()
{
    if (!Enter("IModelContainer::GetMacroObjects3D")) return {};
    return tvapi::IMacroObjects3DPtr(New<THostObjectList<tvapi::IMacroObjects3D, tvapi::IMacroObject3D>>(
        "IMacroObjects3D", FFeatures, &TFeatureList::Macros, MakeMacro));
}

tvapi::IUserObjects3DPtr THostPart::GetUserObjects3D()
{
    if (!Enter("IModelContainer::GetUserObjects3D")) return {};
    return tvapi::IUserObjects3DPtr(
        New<THostObjectList<tvapi::IUserObjects3D, tvapi::IUserObject3D, tvapi::tvObj3dTypeEnum>>(
            "IUserObjects3D", FFeatures, &TFeatureList::UserObjects, MakeUserObject));
}

} // namespace tvhost
