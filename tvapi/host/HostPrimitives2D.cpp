// Drawing primitives and annotation objects of the stand-in host.
#include "HostPrimitives2D.h"

#include <algorithm>
#include <cmath>
#include <numbers>

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

std::vector<double> THostEllipse::GetPolygon(double step)
{
    if (!Enter("ICurve2D::GetPolygon", {NumberArg(step)})) return {};
    const TParams& p = Params();
    const double a = std::fabs(p.Real("A")), b = std::fabs(p.Real("B"));
    if (!(step > 0.0) || !std::isfinite(step) || !std::isfinite(a) || !std::isfinite(b)) return {};
    // Equal parameter steps: the point moves at most max(a, b) per radian, so no arc between
    // two points is longer than the step (and no chord, which is shorter than its arc).
    constexpr double MaxPoints = 100000.0; // a polygon of a huge ellipse stays bounded
    const double longest = 2 * std::numbers::pi * std::max(a, b);
    const int n = static_cast<int>(std::clamp(std::ceil(longest / step), 8.0, MaxPoints));
    const double turn = p.Real("Angle") * std::numbers::pi / 180.0;
    std::vector<double> points;
    for (int i = 0; i <= n; ++i) {
        const double t = 2 * std::numbers::pi * i / n;
        const double u = a * std::cos(t), v = b * std::sin(t);
        points.push_back(p.Real("Xc") + u * std::cos(turn) - v * std::sin(turn));
        points.push_back(p.Real("Yc") + u * std::sin(turn) + v * std::cos(turn));
    }
    return points;
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
    return TDrawingCore::AddBranchByPoint(index, x, y);
}

int THostLeader::GetBranchCount()
{
    return TDrawingCore::GetBranchCount();
}

tvapi::ILeadersPtr MakeLeaders(TContainerCore& container, tvapi::IAPIObjectPtr keep)
{
    using TCollection =
        THostKindCollectionOf<tvapi::ILeaders, THostLeader, tvapi::IDrawingObject, tvapi::tvDrLeader>;
    return tvapi::ILeadersPtr(New<TCollection>(container, std::move(keep), "ILeaders::Add"));
}

} // namespace tvhost
