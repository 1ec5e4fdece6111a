// Drawing primitives and annotation objects of the stand-in host.
#include "HostPrimitives2D.h"

#include "HostArgs.h"

namespace tvhost {

namespace {

bool AddBoundariesOf(TDrawingCore& core, const tvapi::DrawingObjectList& objects, bool clear)
{
    if (!EnterOperation("IBoundariesObject::AddBoundaries", {DrawingListArg(objects), BoolArg(clear)}))
        return false;
    if (core.IsDeleted()) return false;
    if (clear) core.Boundaries().clear();
    for (const tvapi::IDrawingObjectPtr& object : objects)
        if (object) core.Boundaries().push_back(object);
    return true;
}

tvapi::DrawingObjectList BoundariesOf(TDrawingCore& core)
{
    if (!EnterOperation("IBoundariesObject::GetBoundaries")) return {};
    return core.Boundaries();
}

} // namespace

tvapi::ITextPtr THostDrawingText::GetText()
{
    if (!Enter("IDrawingText::GetText")) return {};
    return MakeText(DrawingObject(), *this, "Text");
}

bool THostHatch::AddBoundaries(const tvapi::DrawingObjectList& objects, bool clear)
{
    return AddBoundariesOf(*this, objects, clear);
}

tvapi::DrawingObjectList THostHatch::GetBoundaries()
{
    return BoundariesOf(*this);
}

std::uint32_t THostColouring::GetColor()
{
    if (!Enter("IColouring::GetColor")) return 0;
    return static_cast<std::uint32_t>(Params().Int("Color"));
}

void THostColouring::SetColor(std::uint32_t color)
{
    if (!Enter("IColouring::SetColor", {std::to_string(color)})) return;
    Params().Set("Color", static_cast<std::int64_t>(color));
}

bool THostColouring::AddBoundaries(const tvapi::DrawingObjectList& objects, bool clear)
{
    return AddBoundariesOf(*this, objects, clear);
}

tvapi::DrawingObjectList THostColouring::GetBoundaries()
{
    return BoundariesOf(*this);
}

tvapi::ITextPtr THostCutLine::GetText()
{
    if (!Enter("ICutLine::GetText")) return {};
    return MakeText(DrawingObject(), *this, "Designation");
}

std::vector<double> THostCutLine::GetPoints()
{
    if (!Enter("ICutLine::GetPoints")) return {};
    return Params().Reals("Points");
}

void THostCutLine::SetPoints(const std::vector<double>& points)
{
    std::string text;
    for (double v : points)
        text += (text.empty() ? "" : " ") + NumberArg(v);
    if (!Enter("ICutLine::SetPoints", {text})) return;
    std::vector<double> even = points;
    if (even.size() % 2 != 0) even.pop_back();
    Params().Set("Points", std::move(even));
}

tvapi::ITextPtr THostLeader::GetTextOnShelf()
{
    if (!Enter("ILeader::GetTextOnShelf")) return {};
    return MakeText(DrawingObject(), *this, "Shelf");
}

bool THostLeader::AddBranchByPoint(int index, double x, double y)
{
    if (!Enter("IBranchs::AddBranchByPoint", {std::to_string(index), NumberArg(x), NumberArg(y)}))
        return false;
    if (IsDeleted()) return false;
    std::vector<double> ends = Params().Reals("Branches");
    const std::size_t count = ends.size() / 2;
    const std::size_t at =
        index < 0 || static_cast<std::size_t>(index) > count ? count : static_cast<std::size_t>(index);
    ends.insert(ends.begin() + static_cast<std::ptrdiff_t>(2 * at), {x, y});
    Params().Set("Branches", std::move(ends));
    return true;
}

int THostLeader::GetBranchCount()
{
    if (!Enter("IBranchs::GetBranchCount")) return 0;
    return static_cast<int>(Params().Reals("Branches").size() / 2);
}

tvapi::ILeadersPtr MakeLeaders(TContainerCore& container, tvapi::IAPIObjectPtr keep)
{
    using TCollection =
        THostKindCollectionOf<tvapi::ILeaders, THostLeader, tvapi::IDrawingObject, tvapi::tvDrLeader>;
    return tvapi::ILeadersPtr(New<TCollection>(container, std::move(keep), "ILeaders::Add"));
}

} // namespace tvhost
