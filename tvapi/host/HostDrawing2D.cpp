// The drawing of a stand-in 2D document.
#include "HostDrawing2D.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <limits>

#include "HostArgs.h"
#include "HostGeneratedDimensions.h"
#include "HostSearch2D.h"
#include "HostSvg.h"
#include "HostText.h"

namespace tvhost {

namespace {

class THostMacroObjects final : public THostObjectOf<tvapi::IMacroObjects> {
public:
    THostMacroObjects(TContainerCore& container, tvapi::IAPIObjectPtr keep)
        : FContainer(container), FKeep(std::move(keep))
    {
    }

    tvapi::IMacroObjectPtr Add(bool allLayers) override
    {
        if (!Enter("IMacroObjects::Add", {BoolArg(allLayers)})) return {};
        tvapi::IMacroObjectPtr made = AddObjectTo<THostMacroObject, tvapi::IMacroObject>(FContainer);
        if (made) HostAs<THostMacroObject>(made)->Params().Set("AllLayers", allLayers);
        return made;
    }

private:
    TContainerCore& FContainer;
    tvapi::IAPIObjectPtr FKeep;
};

// A layer of a view, by number; it holds the view alive.
class THostLayer final : public THostObjectOf<tvapi::ILayer> {
public:
    THostLayer(THostViewPtr view, int number) : FView(std::move(view)), FNumber(number) {}

    int GetNumber() override
    {
        if (!Enter("ILayer::GetNumber")) return 0;
        return FNumber;
    }
    bool SetCurrent() override
    {
        if (!Enter("ILayer::SetCurrent")) return false;
        FView->SetCurrentLayer(FNumber);
        return true;
    }
    bool Update() override { return Enter("ILayer::Update"); }

private:
    THostViewPtr FView;
    int FNumber;
};

class THostLayers final : public THostObjectOf<tvapi::ILayers> {
public:
    explicit THostLayers(THostViewPtr view) : FView(std::move(view)) {}

    int GetCount() override
    {
        if (!Enter("ILayers::GetCount")) return 0;
        return static_cast<int>(FView->LayerNumbers().size());
    }
    tvapi::ILayerPtr GetLayer(int number) override
    {
        if (!Enter("ILayers::GetLayer", {std::to_string(number)})) return {};
        const std::vector<int>& numbers = FView->LayerNumbers();
        if (std::find(numbers.begin(), numbers.end(), number) == numbers.end()) return {};
        return tvapi::ILayerPtr(New<THostLayer>(FView, number));
    }
    tvapi::ILayerPtr Add() override
    {
        if (!Enter("ILayers::Add")) return {};
        std::vector<int>& numbers = FView->LayerNumbers();
        const int number = *std::max_element(numbers.begin(), numbers.end()) + 1;
        numbers.push_back(number);
        return tvapi::ILayerPtr(New<THostLayer>(FView, number));
    }

private:
    THostViewPtr FView;
};

class THostViews final : public THostObjectOf<tvapi::IViews> {
public:
    THostViews(TDrawing2D& drawing, tvapi::IAPIObjectPtr keep) : FDrawing(drawing), FKeep(std::move(keep)) {}

    int GetCount() override
    {
        if (!Enter("IViews::GetCount")) return 0;
        return static_cast<int>(FDrawing.Views().size());
    }
    tvapi::IViewPtr GetItem(int index) override
    {
        if (!Enter("IViews::GetItem", {std::to_string(index)})) return {};
        if (index < 0 || static_cast<std::size_t>(index) >= FDrawing.Views().size()) return {};
        return tvapi::IViewPtr(FDrawing.Views()[static_cast<std::size_t>(index)].Get());
    }
    tvapi::IViewPtr GetActiveView() override
    {
        if (!Enter("IViews::GetActiveView")) return {};
        return tvapi::IViewPtr(&FDrawing.ActiveView());
    }
    tvapi::IViewPtr Add(tvapi::LtViewType type) override
    {
        if (!Enter("IViews::Add", {std::to_string(type)})) return {};
        if (type == tvapi::vtUnknown) return {};
        return tvapi::IViewPtr(FDrawing.AddView(type).Get());
    }

private:
    TDrawing2D& FDrawing;
    tvapi::IAPIObjectPtr FKeep;
};

class THostViewsAndLayersManager final : public THostObjectOf<tvapi::IViewsAndLayersManager> {
public:
    THostViewsAndLayersManager(TDrawing2D& drawing, tvapi::IAPIObjectPtr keep)
        : FDrawing(drawing), FKeep(std::move(keep))
    {
    }

    tvapi::IViewsPtr GetViews() override
    {
        if (!Enter("IViewsAndLayersManager::GetViews")) return {};
        return tvapi::IViewsPtr(New<THostViews>(FDrawing, FKeep));
    }

private:
    TDrawing2D& FDrawing;
    tvapi::IAPIObjectPtr FKeep;
};

class THostDrawingGroups final : public THostObjectOf<tvapi::IDrawingGroups> {
public:
    THostDrawingGroups(TDrawing2D& drawing, tvapi::IAPIObjectPtr keep)
        : FDrawing(drawing), FKeep(std::move(keep))
    {
    }

    int GetCount() override
    {
        if (!Enter("IDrawingGroups::GetCount")) return 0;
        return static_cast<int>(FDrawing.Groups().size());
    }
    tvapi::IDrawingGroupPtr GetItem(int index) override
    {
        if (!Enter("IDrawingGroups::GetItem", {std::to_string(index)})) return {};
        if (index < 0 || static_cast<std::size_t>(index) >= FDrawing.Groups().size()) return {};
        return tvapi::IDrawingGroupPtr(FDrawing.Groups()[static_cast<std::size_t>(index)].Get());
    }
    tvapi::IDrawingGroupPtr Add(bool temporary, const wchar_t* name) override
    {
        if (!Enter("IDrawingGroups::Add", {BoolArg(temporary), ToUtf8(name)})) return {};
        return tvapi::IDrawingGroupPtr(FDrawing.AddGroup(temporary, name ? name : L"").Get());
    }

private:
    TDrawing2D& FDrawing;
    tvapi::IAPIObjectPtr FKeep;
};

} // namespace

tvapi::IMacroObjectsPtr MakeMacroObjects(TContainerCore& container, tvapi::IAPIObjectPtr keep)
{
    return tvapi::IMacroObjectsPtr(New<THostMacroObjects>(container, std::move(keep)));
}

tvapi::IViewsAndLayersManagerPtr MakeViewsAndLayersManager(TDrawing2D& drawing, tvapi::IAPIObjectPtr keep)
{
    return tvapi::IViewsAndLayersManagerPtr(New<THostViewsAndLayersManager>(drawing, std::move(keep)));
}

tvapi::IDrawingGroupsPtr MakeDrawingGroups(TDrawing2D& drawing, tvapi::IAPIObjectPtr keep)
{
    return tvapi::IDrawingGroupsPtr(New<THostDrawingGroups>(drawing, std::move(keep)));
}

TDrawing2D::TDrawing2D()
{
    FViews.push_back(New<THostView>(*this, tvapi::vt_System, 0));
}

TDrawing2D::~TDrawing2D()
{
    FUnplaced.clear();
    for (const THostViewPtr& view : FViews)
        view->Detach();
    for (const THostDrawingGroupPtr& group : FGroups)
        group->Detach();
}

void TDrawing2D::MadeUnderPlacements(TDrawingCore& object)
{
    if (FPlacements.empty()) return;
    object.FUnderPlacements = FPlacements.size();
    FUnplaced.emplace_back(object.DrawingObject());
}

bool TDrawing2D::PopPlacement()
{
    if (FPlacements.empty()) return false;
    const std::size_t depth = FPlacements.size();
    std::erase_if(FUnplaced, [depth](const tvapi::IDrawingObjectPtr& object) {
        auto* core = dynamic_cast<TDrawingCore*>(object.Get());
        if (!core || core->FUnderPlacements < depth) return core == nullptr || core->FUnderPlacements == 0;
        if (!core->IsDeleted()) core->PlaceUnderLocalPlacements();
        return true;
    });
    FPlacements.pop_back();
    return true;
}

void TDrawing2D::SetActiveView(std::size_t index) noexcept
{
    if (index < FViews.size()) FActive = index;
}

THostViewPtr TDrawing2D::AddView(tvapi::LtViewType type)
{
    std::int64_t number = 0;
    for (const THostViewPtr& view : FViews)
        number = std::max(number, view->Params().Int("Number") + 1);
    if (number > std::numeric_limits<int>::max()) return {};
    return AddView(type, static_cast<int>(number));
}

THostViewPtr TDrawing2D::AddView(tvapi::LtViewType type, int number)
{
    FViews.push_back(New<THostView>(*this, type, number));
    FActive = FViews.size() - 1;
    return FViews.back();
}

THostDrawingGroupPtr TDrawing2D::AddGroup(bool temporary, std::wstring name)
{
    FGroups.push_back(New<THostDrawingGroup>(*this, temporary, std::move(name)));
    return FGroups.back();
}

std::uint64_t TDrawing2D::OpenGroupId() const noexcept
{
    return FOpen.empty() ? 0 : FOpen.back()->Id();
}

bool TDrawing2D::OpenGroup(THostDrawingGroup& group)
{
    if (group.FOpen) return false;
    group.FOpen = true;
    FOpen.push_back(&group);
    return true;
}

bool TDrawing2D::CloseGroup(THostDrawingGroup& group)
{
    if (FOpen.empty() || FOpen.back() != &group) return false;
    group.FOpen = false;
    FOpen.pop_back();
    return true;
}

THostView::THostView(TDrawing2D& drawing, tvapi::LtViewType type, int number)
    : THostContainerOf(tvapi::tvDrView), FDrawing(&drawing), FType(type)
{
    Params().Set("Number", static_cast<std::int64_t>(number));
    Params().Set("Scale", 1.0);
}

bool THostView::SetOrientation(const std::vector<double>& matrix)
{
    std::string text;
    for (double v : matrix)
        text += (text.empty() ? "" : " ") + NumberArg(v);
    if (!Enter("IAssociationView::SetOrientation", {text})) return false;
    if (matrix.size() != 16) return false;
    Params().Set("Orientation", matrix);
    return true;
}

void THostView::SetCutLine(tvapi::IDrawingObjectPtr cutLine)
{
    if (!Enter("IAssociationView::SetCutLine", {DrawingListArg({cutLine})})) return;
    Boundaries().clear();
    if (cutLine) Boundaries().push_back(std::move(cutLine));
}

tvapi::IDrawingObjectPtr THostView::GetCutLine()
{
    if (!Enter("IAssociationView::GetCutLine")) return {};
    return Boundaries().empty() ? nullptr : Boundaries().front();
}

tvapi::ILayersPtr THostView::GetLayers()
{
    if (!Enter("IView::GetLayers")) return {};
    return tvapi::ILayersPtr(New<THostLayers>(THostViewPtr(this)));
}

bool THostView::GetExtent(double& x1, double& y1, double& x2, double& y2)
{
    if (!Enter("IView::GetExtent") || !FDrawing) return false;
    std::array<double, 4> box{};
    if (!ViewExtent(*this, box)) return false;
    x1 = box[0], y1 = box[1], x2 = box[2], y2 = box[3];
    return true;
}

tvapi::IVariablePtr THostView::GetDimensionVariable(tvapi::IDrawingObjectPtr dimension, bool linear)
{
    if (!Enter("IView::GetDimensionVariable", {ObjectArg(dimension.Get()), BoolArg(linear)})) return {};
    THostLineDimension* line = HostAs<THostLineDimension>(dimension);
    if (!line || line->ParentContainer() != static_cast<TContainerCore*>(this)) return {};
    return DimensionVariableOf(*line);
}

void THostMacroObject::SetPlacement(int mode, int kind, double x, double y, double angle)
{
    if (!Enter("IMacroObject::SetPlacement",
               {std::to_string(mode), std::to_string(kind), NumberArg(x), NumberArg(y), NumberArg(angle)}))
        return;
    Params().Set("PlacementMode", static_cast<std::int64_t>(mode));
    Params().Set("PlacementKind", static_cast<std::int64_t>(kind));
    Params().Set("PlacementX", x);
    Params().Set("PlacementY", y);
    Params().Set("PlacementAngle", angle);
}

tvapi::IDrawingObjectPtr THostMacroObject::FindElement(double x, double y, double tolerance,
                                                       tvapi::ITervanAPIObjectPtr)
{
    if (!Enter("IMacroObject::FindElement", {NumberArg(x), NumberArg(y), NumberArg(tolerance)})) return {};
    const THostView* view = ViewOf(*this);
    if (!view) return {};
    const double scale = std::fabs(view->Params().Real("Scale", 1.0));
    TDrawingCore* found = Nearest(*this, SheetToView(*view, {x, y}), scale > 0 ? tolerance / scale : 0.0);
    return found ? tvapi::IDrawingObjectPtr(found->DrawingObject()) : tvapi::IDrawingObjectPtr();
}

std::vector<std::uint8_t> THostMacroObject::GetUserParams()
{
    if (!Enter("IUserParameters::GetUserParams")) return {};
    return Params().Bytes("UserParams");
}

void THostMacroObject::SetUserParams(const std::vector<std::uint8_t>& bytes)
{
    if (!Enter("IUserParameters::SetUserParams", {std::to_string(bytes.size()) + " bytes"})) return;
    Params().Set("UserParams", bytes);
}

TDrawing2D* THostMacroObject::Drawing() const noexcept
{
    return ParentContainer() ? ParentContainer()->Drawing() : nullptr;
}

int THostMacroObject::CurrentLayer() const noexcept
{
    return ParentContainer() ? ParentContainer()->CurrentLayer() : Layer();
}

THostDrawingGroup::THostDrawingGroup(TDrawing2D& drawing, bool temporary, std::wstring name)
    : THostDrawingObjectOf(tvapi::tvDrGroup), FDrawing(&drawing)
{
    Params().Set("Temporary", temporary);
    Params().Set("Name", std::move(name));
}

bool THostDrawingGroup::Open()
{
    if (!Enter("IDrawingGroup::Open")) return false;
    return FDrawing && FDrawing->OpenGroup(*this);
}

bool THostDrawingGroup::Close()
{
    if (!Enter("IDrawingGroup::Close")) return false;
    return FDrawing && FDrawing->CloseGroup(*this);
}

namespace {

void CollectMembers(const TContainerCore& container, std::uint64_t group, std::vector<TDrawingCore*>& out)
{
    for (const tvapi::IDrawingObjectPtr& child : container.Children()) {
        auto* core = dynamic_cast<TDrawingCore*>(child.Get());
        if (!core) continue;
        if (core->Group() == group)
            out.push_back(core);
        else if (const TContainerCore* inner = core->AsContainer())
            CollectMembers(*inner, group, out);
    }
}

} // namespace

std::vector<TDrawingCore*> THostDrawingGroup::Members() const
{
    std::vector<TDrawingCore*> out;
    if (FDrawing)
        for (const THostViewPtr& view : FDrawing->Views())
            CollectMembers(*view, Id(), out);
    return out;
}

bool THostDrawingGroup::Clear(bool deleteObjects)
{
    if (!Enter("IDrawingGroup::Clear", {BoolArg(deleteObjects)}) || !FDrawing) return false;
    for (TDrawingCore* member : Members()) {
        if (deleteObjects)
            member->Discard();
        else
            member->SetGroup(0);
    }
    return true;
}

} // namespace tvhost
