// The cursor search of the stand-in: distances from a point to what each object shows.
#include "HostFind.h"

#include <algorithm>
#include <cmath>
#include <numbers>

#include "HostDimensions.h"
#include "HostDocuments.h"

namespace tvhost {

namespace {

constexpr double Degree = std::numbers::pi / 180.0;
constexpr double Infinite = std::numeric_limits<double>::infinity();

struct TXY {
    double x = 0.0, y = 0.0;
};

double ToSegment(TXY p, TXY a, TXY b)
{
    const double dx = b.x - a.x, dy = b.y - a.y, len2 = dx * dx + dy * dy;
    double t = len2 > 0.0 ? ((p.x - a.x) * dx + (p.y - a.y) * dy) / len2 : 0.0;
    t = std::clamp(t, 0.0, 1.0);
    return std::hypot(p.x - a.x - t * dx, p.y - a.y - t * dy);
}

// Distance to the arc of centre c and radius r from angle `from` over `sweep` (radians,
// counter-clockwise when positive).
double ToArc(TXY p, TXY c, double r, double from, double sweep)
{
    const double a = std::atan2(p.y - c.y, p.x - c.x);
    double along = std::remainder(a - from, 2 * std::numbers::pi) * (sweep < 0 ? -1.0 : 1.0);
    if (along < 0) along += 2 * std::numbers::pi;
    if (along <= std::fabs(sweep)) return std::fabs(std::hypot(p.x - c.x, p.y - c.y) - r);
    const TXY s{c.x + r * std::cos(from), c.y + r * std::sin(from)};
    const TXY e{c.x + r * std::cos(from + sweep), c.y + r * std::sin(from + sweep)};
    return std::min(std::hypot(p.x - s.x, p.y - s.y), std::hypot(p.x - e.x, p.y - e.y));
}

// A linear dimension is touched along its dimension line.
double ToLinear(TDrawingCore& core, TXY p)
{
    const TParams& q = core.Params();
    const TXY p1{q.Real("X1"), q.Real("Y1")}, p2{q.Real("X2"), q.Real("Y2")};
    const auto orientation = q.Int("Orientation");
    const double angle = q.Real("Angle");
    const TXY u = orientation == tvapi::tvLinDHorizontal ? TXY{1, 0}
                  : orientation == tvapi::tvLinDVertical ? TXY{0, 1}
                                                         : TXY{std::cos(angle), std::sin(angle)};
    const TXY n{-u.y, u.x};
    const auto& line = dynamic_cast<THostLineDimension&>(core);
    const TXY p3{line.LineX(), line.LineY()};
    const double d1 = (p3.x - p1.x) * n.x + (p3.y - p1.y) * n.y,
                 d2 = (p3.x - p2.x) * n.x + (p3.y - p2.y) * n.y;
    return ToSegment(p, {p1.x + n.x * d1, p1.y + n.y * d1}, {p2.x + n.x * d2, p2.y + n.y * d2});
}

double ToArcObject(const TParams& q, TXY p)
{
    const TXY c{q.Real("Xc"), q.Real("Yc")};
    const double from = std::atan2(q.Real("Y1") - c.y, q.Real("X1") - c.x);
    const double to = std::atan2(q.Real("Y2") - c.y, q.Real("X2") - c.x);
    double sweep = to - from;
    if (q.Flag("Direction")) { // clockwise
        if (sweep > 0) sweep -= 2 * std::numbers::pi;
    } else if (sweep < 0) {
        sweep += 2 * std::numbers::pi;
    }
    return ToArc(p, c, q.Real("Radius"), from, sweep);
}

double ToAngular(const TParams& q, TXY p)
{
    const double a1 = q.Real("Angle1") * Degree, a2 = q.Real("Angle2") * Degree;
    return ToArc(p, {q.Real("Xc"), q.Real("Yc")}, q.Real("Distance"), a1,
                 std::remainder(a2 - a1, 2 * std::numbers::pi));
}

// Diametral dimensions across the circle, radial ones from the centre, along their angle.
double ToCircular(const TParams& q, TXY p, bool diameter)
{
    const TXY c{q.Real("Xc"), q.Real("Yc")};
    const double r = q.Real("Radius"), a = q.Real("Angle") * Degree;
    const TXY d{std::cos(a) * r, std::sin(a) * r};
    return ToSegment(p, diameter ? TXY{c.x - d.x, c.y - d.y} : c, {c.x + d.x, c.y + d.y});
}

} // namespace

double PickDistance(TDrawingCore& core, double x, double y)
{
    if (core.IsDeleted()) return Infinite;
    const TParams& q = core.Params();
    const TXY p{x, y};
    switch (core.Type()) {
    case tvapi::tvDrLineSeg:
        return ToSegment(p, {q.Real("X1"), q.Real("Y1")}, {q.Real("X2"), q.Real("Y2")});
    case tvapi::tvDrCircle:
        return std::fabs(std::hypot(x - q.Real("Xc"), y - q.Real("Yc")) - q.Real("Radius"));
    case tvapi::tvDrArc:
        return ToArcObject(q, p);
    case tvapi::tvDrLDimension:
        return ToLinear(core, p);
    case tvapi::tvDrADimension:
        return ToAngular(q, p);
    case tvapi::tvDrDDimension:
    case tvapi::tvDrRDimension:
        return ToCircular(q, p, core.Type() == tvapi::tvDrDDimension);
    case tvapi::tvDrMacro: {
        TContainerCore* inner = core.AsContainer();
        TDrawingCore* hit = inner ? NearestObject(inner->Children(), x, y, Infinite) : nullptr;
        return hit ? PickDistance(*hit, x, y) : Infinite;
    }
    default:
        return Infinite;
    }
}

TDrawingCore* NearestObject(const tvapi::DrawingObjectList& objects, double x, double y, double tolerance)
{
    TDrawingCore* best = nullptr;
    double nearest = tolerance;
    for (const tvapi::IDrawingObjectPtr& object : objects) {
        auto* core = dynamic_cast<TDrawingCore*>(object.Get());
        if (!core) continue;
        const double d = PickDistance(*core, x, y);
        if (d < nearest || (!best && d <= nearest)) {
            best = core;
            nearest = d;
        }
    }
    return best;
}

TDrawingCore* NearestObject(TDrawing2D& drawing, double x, double y, double tolerance)
{
    TDrawingCore* best = nullptr;
    double nearest = tolerance;
    for (const THostViewPtr& view : drawing.Views()) {
        TDrawingCore* hit = NearestObject(view->Children(), x, y, nearest);
        if (!hit) continue;
        const double d = PickDistance(*hit, x, y);
        if (!best || d < nearest) {
            best = hit;
            nearest = d;
        }
    }
    return best;
}

namespace {

tvapi::IDrawingObjectPtr Found(TDrawingCore* core)
{
    return core ? tvapi::IDrawingObjectPtr(core->DrawingObject()) : tvapi::IDrawingObjectPtr();
}

std::vector<std::string> FindArgs(double x, double y, double tolerance, const tvapi::ITervanAPIObjectPtr& p)
{
    return {NumberArg(x), NumberArg(y), NumberArg(tolerance), p ? "parameters" : "none"};
}

} // namespace

double THostDocument2D::GetFindTolerance()
{
    if (!Enter("ITervanDocument2D::GetFindTolerance")) return 0.0;
    return FindTolerance;
}

tvapi::IDrawingObjectPtr THostDocument2D::FindObject(double x, double y, double tolerance,
                                                     tvapi::ITervanAPIObjectPtr parameters)
{
    if (!Enter("ITervanDocument2D::FindObject", FindArgs(x, y, tolerance, parameters))) return {};
    return Found(NearestObject(FDrawing, x, y, tolerance));
}

tvapi::IDrawingObjectPtr THostMacroObject::FindObject(double x, double y, double tolerance,
                                                      tvapi::ITervanAPIObjectPtr parameters)
{
    if (!Enter("IMacroObject::FindObject", FindArgs(x, y, tolerance, parameters))) return {};
    return Found(NearestObject(Children(), x, y, tolerance));
}

} // namespace tvhost
