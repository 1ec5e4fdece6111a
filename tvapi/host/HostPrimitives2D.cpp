// Drawing primitives and annotation objects of the stand-in host.
#include "HostPrimitives2D.h"

#include "HostArgs.h"

namespace tvhost {

namespace {

bool AddBoundariesOf(TDrawingCore& core, const tvapi::DrawingObjectList& objects, bool clear) {
    if (!EnterOperation("IBoundariesObject::AddBoundaries", {DrawingListArg(objects), BoolArg(clear)}))
        return false;
    if (core.IsDeleted()) return false;
    if (clear) core.Boundaries().clear();
    for (const tvapi::IDrawingObjectPtr& object : objects)
        if (object) core.Boundaries().push_back(object);
    return true;
}

tvapi::DrawingObjectList BoundariesOf(TDrawingCore& core) {
    if (!EnterOperation("IBoundariesObject::GetBoundaries")) return {};
    return core.Boundaries();
}

} // namespace

tvapi::ITextPtr THostDrawingText::GetText() {
    if (!Enter("IDrawingText::GetText")) return {};
    return MakeText(DrawingObject(), *this, "Text");
}

bool THostHatch::AddBoundaries(const tvapi::DrawingObjectList& objects, bool clear) {
    return AddBoundariesOf(*this, objects, clear);
}

tvapi::DrawingObjectList THostHatch::GetBoundaries() {
    return BoundariesOf(*this);
}

std::uint32_t THostColouring::GetColor() {
    if (!Enter("IColouring::GetColor")) return 0;
    return static_cast<std::uint32_t>(Params().Int("Color"));
}

void THostColouring::SetColor(std::uint32_t color) {
    if (!Enter("IColouring::SetColor", {std::to_string(color)})) return;
    Params().Set("Color", static_cast<std::int64_t>(color));
}

bool THostColouring::AddBoundaries(const tvapi::DrawingObjectList& objects, bool clear) {
    return AddBoundariesOf(*this, objects, clear);
}

tvapi::DrawingObjectList THostColouring::GetBoundaries() {
    return BoundariesOf(*this);
}

tvapi::ITextPtr THostCutLine::GetText() {
    if (!Enter("ICutLine::GetText")) return {};
    return MakeText(DrawingObject(), *this, "Designation");
}

std::vector<double> THostCutLine::GetPoints() {
    if (!Enter("ICutLine::GetPoints")) return {};
    return Params().Reals("Points");
}

void THostCutLine::SetPoints(const std::vector<double>& points) {
    std::string text;
    for (double v : points)
        text += (text.empty() ? "" : " ") + NumberArg(v);
    if (!Enter("ICutLine::SetPoints", {text})) return;
    std::vector<double> even = points;
    if (even.size() % 2 != 0) even.pop_back();
    Params().Set("Points", std::move(even));
}

tvapi::ITextPtr THostLeader::GetTextOnShelf() {
    if (!Enter("ILeader::GetTextOnShelf")) return {};
    return MakeText(DrawingObject(), *this, "Shelf");
}

bool THostLeader::AddBranchByPoint(int index, double x, double y) {
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

int THostLeader::GetBranchCount() {
    if (!Enter("IBranchs::GetBranchCount")) return 0;
    return static_cast<int>(Params().Reals("Branches").size() / 2);
}

tvapi::ILineSegmentsPtr MakeLineSegments(TContainerCore& container, tvapi::IAPIObjectPtr keep) {
    return MakeCollection<tvapi::ILineSegments, THostLineSegment, tvapi::ILineSegment>(
        container, std::move(keep), "ILineSegments::Add");
}

tvapi::IArcsPtr MakeArcs(TContainerCore& container, tvapi::IAPIObjectPtr keep) {
    return MakeCollection<tvapi::IArcs, THostArc, tvapi::IArc>(container, std::move(keep), "IArcs::Add");
}

tvapi::ICirclesPtr MakeCircles(TContainerCore& container, tvapi::IAPIObjectPtr keep) {
    return MakeCollection<tvapi::ICircles, THostCircle, tvapi::ICircle>(container, std::move(keep),
                                                                        "ICircles::Add");
}

tvapi::IEllipsesPtr MakeEllipses(TContainerCore& container, tvapi::IAPIObjectPtr keep) {
    return MakeCollection<tvapi::IEllipses, THostEllipse, tvapi::IEllipse>(container, std::move(keep),
                                                                           "IEllipses::Add");
}

tvapi::IDrawingTextsPtr MakeDrawingTexts(TContainerCore& container, tvapi::IAPIObjectPtr keep) {
    return MakeCollection<tvapi::IDrawingTexts, THostDrawingText, tvapi::IDrawingText>(
        container, std::move(keep), "IDrawingTexts::Add");
}

tvapi::IHatchesPtr MakeHatches(TContainerCore& container, tvapi::IAPIObjectPtr keep) {
    return MakeCollection<tvapi::IHatches, THostHatch, tvapi::IHatch>(container, std::move(keep),
                                                                      "IHatches::Add");
}

tvapi::IPointsPtr MakePoints(TContainerCore& container, tvapi::IAPIObjectPtr keep) {
    return MakeCollection<tvapi::IPoints, THostPoint, tvapi::IPoint>(container, std::move(keep),
                                                                     "IPoints::Add");
}

tvapi::IColouringsPtr MakeColourings(TContainerCore& container, tvapi::IAPIObjectPtr keep) {
    return MakeCollection<tvapi::IColourings, THostColouring, tvapi::IColouring>(container, std::move(keep),
                                                                                 "IColourings::Add");
}

tvapi::ICutLinesPtr MakeCutLines(TContainerCore& container, tvapi::IAPIObjectPtr keep) {
    return MakeCollection<tvapi::ICutLines, THostCutLine, tvapi::ICutLine>(container, std::move(keep),
                                                                           "ICutLines::Add");
}

namespace {

class THostLeaders final : public THostObjectOf<tvapi::ILeaders> {
public:
    THostLeaders(TContainerCore& container, tvapi::IAPIObjectPtr keep)
        : FContainer(container), FKeep(std::move(keep)) {}

    tvapi::IDrawingObjectPtr Add(tvapi::DrawingObjectTypeEnum type) override {
        if (!Enter("ILeaders::Add", {std::to_string(type)})) return {};
        if (type != tvapi::tvDrLeader) return {};
        return AddObjectTo<THostLeader, tvapi::IDrawingObject>(FContainer);
    }

private:
    TContainerCore& FContainer;
    tvapi::IAPIObjectPtr FKeep;
};

} // namespace

tvapi::ILeadersPtr MakeLeaders(TContainerCore& container, tvapi::IAPIObjectPtr keep) {
    return tvapi::ILeadersPtr(New<THostLeaders>(container, std::move(keep)));
}

} // namespace tvhost
