// Distances from points to drawn objects, and the search built on them.
#include "HostSearch2D.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <numbers>

#include "HostDrawing2D.h"

namespace tvhost {

namespace {

constexpr double Degree = std::numbers::pi / 180.0;
constexpr double NotSearched = -1.0;
// Below this a segment is a point and a scale is no scale.
constexpr double Degenerate = 1e-12;

double ToSegment(TPoint2 p, TPoint2 a, TPoint2 b)
{
    const TPoint2 ab = b - a;
    const double l2 = Dot(ab, ab);
    const double t = l2 < Degenerate ? 0.0 : std::clamp(Dot(p - a, ab) / l2, 0.0, 1.0);
    return Length(p - (a + ab * t));
}

// Counter-clockwise turn from direction a to direction b, in [0, 2 pi).
double Turn(TPoint2 a, TPoint2 b)
{
    double t = std::atan2(b.Y, b.X) - std::atan2(a.Y, a.X);
    if (t < 0) t += 2 * std::numbers::pi;
    return t;
}

// An arc around c from a to b, clockwise as the flag says.
double ToArc(TPoint2 p, TPoint2 c, double r, TPoint2 a, TPoint2 b, bool clockwise)
{
    if (clockwise) std::swap(a, b);
    const bool within = Turn(a - c, p - c) <= Turn(a - c, b - c);
    if (within) return std::fabs(Length(p - c) - std::fabs(r));
    return std::min(Length(p - a), Length(p - b));
}

TPoint2 At(const TParams& p, const char* x, const char* y)
{
    return {p.Real(x), p.Real(y)};
}

double ToDimension(TDrawingCore& object, TPoint2 at)
{
    const TParams& p = object.Params();
    const TPoint2 c = At(p, "Xc", "Yc");
    switch (object.Type()) {
    case tvapi::tvDrLDimension: {
        const TLinearLines l = LinearLines(object);
        return std::min({ToSegment(at, l.P1, l.Q1), ToSegment(at, l.P2, l.Q2), ToSegment(at, l.Q1, l.Q2)});
    }
    case tvapi::tvDrADimension: {
        const double a1 = p.Real("Angle1") * Degree, a2 = p.Real("Angle2") * Degree, r = p.Real("Distance");
        const bool clockwise = std::remainder(a2 - a1, 2 * std::numbers::pi) < 0;
        return std::min({ToSegment(at, c, At(p, "X1", "Y1")), ToSegment(at, c, At(p, "X2", "Y2")),
                         ToArc(at, c, r, c + Dir(a1) * r, c + Dir(a2) * r, clockwise)});
    }
    default: {
        const double r = p.Real("Radius");
        const TPoint2 d = Dir(p.Real("Angle") * Degree);
        return ToSegment(at, object.Type() == tvapi::tvDrDDimension ? c - d * r : c, c + d * r);
    }
    }
}

// A point on the object in its view coordinates.
bool ViewPickPoint(TDrawingCore& object, TPoint2& at)
{
    const TParams& p = object.Params();
    const TPoint2 c = At(p, "Xc", "Yc");
    switch (object.Type()) {
    case tvapi::tvDrLineSeg:
        at = (At(p, "X1", "Y1") + At(p, "X2", "Y2")) * 0.5;
        return true;
    case tvapi::tvDrCircle:
        at = c + TPoint2{std::fabs(p.Real("Radius")), 0};
        return true;
    case tvapi::tvDrArc:
        at = At(p, "X1", "Y1");
        return true;
    case tvapi::tvDrPoint:
    case tvapi::tvDrDrawingText:
        at = At(p, "X", "Y");
        return true;
    case tvapi::tvDrLDimension: {
        const TLinearLines l = LinearLines(object);
        at = (l.Q1 + l.Q2) * 0.5;
        return true;
    }
    case tvapi::tvDrADimension: {
        const double a1 = p.Real("Angle1") * Degree, a2 = p.Real("Angle2") * Degree;
        at = c + Dir(a1 + std::remainder(a2 - a1, 2 * std::numbers::pi) / 2) * p.Real("Distance");
        return true;
    }
    case tvapi::tvDrDDimension:
    case tvapi::tvDrRDimension:
        at = c + Dir(p.Real("Angle") * Degree) * (p.Real("Radius") / 2);
        return true;
    default:
        return false;
    }
}

} // namespace

TLinearLines LinearLines(TDrawingCore& object)
{
    const TParams& p = object.Params();
    const TPoint2 p1 = At(p, "X1", "Y1"), p2 = At(p, "X2", "Y2");
    const auto orientation = p.Int("Orientation");
    const TPoint2 u = orientation == tvapi::tvLinDHorizontal ? TPoint2{1, 0}
                      : orientation == tvapi::tvLinDVertical ? TPoint2{0, 1}
                                                             : Dir(p.Real("Angle"));
    const TPoint2 n{-u.Y, u.X};
    const auto& line = dynamic_cast<THostLineDimension&>(object);
    const TPoint2 p3{line.LineX(), line.LineY()};
    return {p1, p1 + n * Dot(p3 - p1, n), p2, p2 + n * Dot(p3 - p2, n), p3};
}

TPoint2 SheetToView(const THostView& view, TPoint2 p)
{
    const TParams& v = view.Params();
    const double scale = v.Real("Scale", 1.0);
    const TPoint2 local = p - At(v, "X", "Y");
    return Rotated(std::fabs(scale) < Degenerate ? local : local * (1 / scale), -v.Real("Angle") * Degree);
}

TPoint2 ViewToSheet(const THostView& view, TPoint2 p)
{
    const TParams& v = view.Params();
    return At(v, "X", "Y") + Rotated(p, v.Real("Angle") * Degree) * v.Real("Scale", 1.0);
}

const THostView* ViewOf(const TDrawingCore& object)
{
    for (const TContainerCore* c = object.ParentContainer(); c;) {
        if (const auto* view = dynamic_cast<const THostView*>(c)) return view;
        const auto* core = dynamic_cast<const TDrawingCore*>(c);
        c = core ? core->ParentContainer() : nullptr;
    }
    return nullptr;
}

double DistanceTo(TDrawingCore& object, TPoint2 at)
{
    const TParams& p = object.Params();
    switch (object.Type()) {
    case tvapi::tvDrLineSeg:
        return ToSegment(at, At(p, "X1", "Y1"), At(p, "X2", "Y2"));
    case tvapi::tvDrCircle:
        return std::fabs(Length(at - At(p, "Xc", "Yc")) - std::fabs(p.Real("Radius")));
    case tvapi::tvDrArc:
        return ToArc(at, At(p, "Xc", "Yc"), p.Real("Radius"), At(p, "X1", "Y1"), At(p, "X2", "Y2"),
                     p.Flag("Direction"));
    case tvapi::tvDrPoint:
    case tvapi::tvDrDrawingText:
        return Length(at - At(p, "X", "Y"));
    case tvapi::tvDrLDimension:
    case tvapi::tvDrADimension:
    case tvapi::tvDrDDimension:
    case tvapi::tvDrRDimension:
        return ToDimension(object, at);
    case tvapi::tvDrMacro: {
        const TDrawingCore* nearest = Nearest(*object.AsContainer(), at, std::numeric_limits<double>::max());
        return nearest ? DistanceTo(const_cast<TDrawingCore&>(*nearest), at) : NotSearched;
    }
    default:
        return NotSearched;
    }
}

TDrawingCore* Nearest(const TContainerCore& container, TPoint2 at, double tolerance)
{
    TDrawingCore* best = nullptr;
    double bestDistance = tolerance;
    for (const tvapi::IDrawingObjectPtr& child : container.Children()) {
        auto* core = dynamic_cast<TDrawingCore*>(child.Get());
        if (!core || core->IsDeleted()) continue;
        const double d = DistanceTo(*core, at);
        if (d >= 0 && (d < bestDistance || (!best && d <= bestDistance))) {
            best = core;
            bestDistance = d;
        }
    }
    return best;
}

TDrawingCore* FindAt(TDrawing2D& drawing, TPoint2 sheet, double tolerance)
{
    TDrawingCore* best = nullptr;
    double bestDistance = tolerance;
    for (const THostViewPtr& view : drawing.Views()) {
        const double scale = std::fabs(view->Params().Real("Scale", 1.0));
        if (scale < Degenerate) continue;
        const TPoint2 at = SheetToView(*view, sheet);
        TDrawingCore* found = Nearest(*view, at, tolerance / scale);
        if (!found) continue;
        const double d = DistanceTo(*found, at) * scale;
        if (!best || d < bestDistance) {
            best = found;
            bestDistance = d;
        }
    }
    return best;
}

bool PickPoint(TDrawingCore& object, TPoint2& sheet)
{
    const THostView* view = ViewOf(object);
    TPoint2 at;
    if (!view || !ViewPickPoint(object, at)) return false;
    sheet = ViewToSheet(*view, at);
    return true;
}

namespace {

TDrawingCore* NamedIn(const TContainerCore& container, const std::wstring& name)
{
    for (const tvapi::IDrawingObjectPtr& child : container.Children()) {
        auto* core = dynamic_cast<TDrawingCore*>(child.Get());
        if (!core || core->IsDeleted()) continue;
        if (core->Params().Text("Name") == name) return core;
        if (const TContainerCore* inner = core->AsContainer())
            if (TDrawingCore* found = NamedIn(*inner, name)) return found;
    }
    return nullptr;
}

} // namespace

TDrawingCore* FindNamed(TDrawing2D& drawing, const std::wstring& name)
{
    for (const THostViewPtr& view : drawing.Views())
        if (TDrawingCore* found = NamedIn(*view, name)) return found;
    return nullptr;
}

} // namespace tvhost
