// Mapping drawing objects made under a 2D document's local placements.
#include "HostLocalPlacement.h"

#include <algorithm>
#include <cmath>
#include <numbers>

#include "HostDrawingObject.h"
#include "tvapi/Dimensions.h"

namespace tvhost {

namespace {

constexpr double PlacementDegree = std::numbers::pi / 180.0;
// A turned direction whose other component is this small (relative) is axis-parallel.
constexpr double AxisParallelSlack = 1e-12;

// A point pair of `p`, read with the fallbacks the object gives unset coordinates.
TPoint2 ParamPoint(const TParams& p, const char* kx, const char* ky, TPoint2 fallback)
{
    return {p.Real(kx, fallback.X), p.Real(ky, fallback.Y)};
}

void SetParamPoint(TParams& p, const char* kx, const char* ky, TPoint2 q)
{
    p.Set(kx, q.X);
    p.Set(ky, q.Y);
}

// The pair kx, ky mapped (unset coordinates are 0).
void MapPoint(TParams& p, const char* kx, const char* ky, const TLocalMap& map)
{
    SetParamPoint(p, kx, ky, map.Point(ParamPoint(p, kx, ky, {})));
}

// The pair kx, ky mapped when the object keeps either of them: a point it may leave to the
// host.
void MapSetPoint(TParams& p, const char* kx, const char* ky, const TLocalMap& map)
{
    if (p.Has(kx) || p.Has(ky)) MapPoint(p, kx, ky, map);
}

// The list of x, y pairs `key` mapped.
void MapPoints(TParams& p, const char* key, const TLocalMap& map)
{
    if (!p.Has(key)) return;
    std::vector<double> xy = p.Reals(key);
    for (std::size_t i = 0; i + 1 < xy.size(); i += 2) {
        const TPoint2 q = map.Point({xy[i], xy[i + 1]});
        xy[i] = q.X;
        xy[i + 1] = q.Y;
    }
    p.Set(key, xy);
}

// The angle `key` (degrees) turned; set also when it was not, once the map turns it.
void TurnAngle(TParams& p, const char* key, const TLocalMap& map)
{
    const double turned = map.Degrees(p.Real(key));
    if (p.Has(key) || turned != 0.0) p.Set(key, turned);
}

void ScaleLengthParam(TParams& p, const char* key, const TLocalMap& map)
{
    if (p.Has(key)) p.Set(key, p.Real(key) * map.Scale());
}

// A dimension drawn at a scale measures in the units it was drawn in.
void KeepLocalScale(TParams& p, const TLocalMap& map)
{
    const double scale = std::fabs(map.Scale());
    if (scale != 1.0) p.Set("LocalScale", p.Real("LocalScale", 1.0) * scale);
}

// The points of a linear dimension, its dimension-line and text points where set, and the
// direction it measures along: horizontal and vertical stay so while the map keeps them
// axis-parallel, otherwise the dimension measures along its turned direction.
void PlaceLineDimension(TParams& p, const TLocalMap& map)
{
    const TPoint2 p1 = ParamPoint(p, "X1", "Y1", {}), p2 = ParamPoint(p, "X2", "Y2", {});
    const TPoint2 line = ParamPoint(p, "X3", "Y3", (p1 + p2) * 0.5);
    const TPoint2 text = ParamPoint(p, "TextX", "TextY", line);
    SetParamPoint(p, "X1", "Y1", map.Point(p1));
    SetParamPoint(p, "X2", "Y2", map.Point(p2));
    if (p.Has("X3") || p.Has("Y3")) SetParamPoint(p, "X3", "Y3", map.Point(line));
    if (p.Has("TextX") || p.Has("TextY")) SetParamPoint(p, "TextX", "TextY", map.Point(text));
    const auto orientation = p.Int("Orientation");
    const TPoint2 u = orientation == tvapi::tvLinDHorizontal ? TPoint2{1, 0}
                      : orientation == tvapi::tvLinDVertical ? TPoint2{0, 1}
                                                             : tvhost::Dir(p.Real("Angle"));
    const TPoint2 w = map.Vector(u);
    const double slack = AxisParallelSlack * tvhost::Length(w);
    const auto turned = std::fabs(w.Y) <= slack   ? tvapi::tvLinDHorizontal
                        : std::fabs(w.X) <= slack ? tvapi::tvLinDVertical
                                                  : tvapi::tvLinDParallel;
    if (turned != orientation || turned == tvapi::tvLinDParallel) {
        p.Set("Orientation", static_cast<std::int64_t>(turned));
        p.Set("Angle", std::atan2(w.Y, w.X));
    }
    KeepLocalScale(p, map);
}

void PlaceCurveParams(TParams& p, const TLocalMap& map)
{
    MapSetPoint(p, "X1", "Y1", map);
    MapSetPoint(p, "X2", "Y2", map);
    MapSetPoint(p, "Xc", "Yc", map);
    ScaleLengthParam(p, "Radius", map);
}

} // namespace

TLocalMap::TLocalMap(const std::vector<TLocalPlacement>& stack, std::size_t depth)
    : FStack(stack.begin(), stack.begin() + static_cast<std::ptrdiff_t>(std::min(depth, stack.size())))
{
    for (const TLocalPlacement& p : FStack)
        FScale *= p[3];
}

TPoint2 TLocalMap::Mapped(TPoint2 p, bool moved) const noexcept
{
    for (auto it = FStack.rbegin(); it != FStack.rend(); ++it) {
        const auto& [ox, oy, angle, sx, sy] = *it;
        const double c = std::cos(angle * std::numbers::pi / 180.0);
        const double s = std::sin(angle * std::numbers::pi / 180.0);
        const double px = p.X * sx, py = p.Y * sy;
        const double x0 = moved ? ox : 0.0, y0 = moved ? oy : 0.0;
        p = {x0 + px * c - py * s, y0 + px * s + py * c};
    }
    return p;
}

double TLocalMap::Radians(double radians) const noexcept
{
    const TPoint2 w = Vector(Dir(radians));
    return std::atan2(w.Y, w.X);
}

double TLocalMap::Degrees(double degrees) const noexcept
{
    return Radians(degrees * PlacementDegree) / PlacementDegree;
}

void PlaceObject(TDrawingCore& object, const TLocalMap& map)
{
    TParams& p = object.Params();
    switch (object.Type()) {
    case tvapi::tvDrLineSeg:
    case tvapi::tvDrCircle:
    case tvapi::tvDrArc:
        PlaceCurveParams(p, map);
        break;
    case tvapi::tvDrEllipse:
        MapPoint(p, "Xc", "Yc", map);
        ScaleLengthParam(p, "A", map);
        ScaleLengthParam(p, "B", map);
        TurnAngle(p, "Angle", map);
        break;
    case tvapi::tvDrDrawingText:
    case tvapi::tvDrRough:
        MapPoint(p, "X", "Y", map);
        TurnAngle(p, "Angle", map);
        MapPoints(p, "Branches", map);
        break;
    case tvapi::tvDrPoint:
    case tvapi::tvDrLeader:
    case tvapi::tvDrTolerance:
        MapPoint(p, "X", "Y", map);
        MapPoints(p, "Branches", map);
        break;
    case tvapi::tvDrBase:
    case tvapi::tvDrViewPointer:
    case tvapi::tvDrCutLine:
        MapPoint(p, "X1", "Y1", map);
        MapPoint(p, "X2", "Y2", map);
        MapSetPoint(p, "Xt", "Yt", map);
        MapPoints(p, "Points", map);
        break;
    case tvapi::tvDrHatch:
        TurnAngle(p, "HatchAngle", map);
        break;
    case tvapi::tvDrLDimension:
        PlaceLineDimension(p, map);
        break;
    case tvapi::tvDrDDimension:
    case tvapi::tvDrRDimension:
        MapPoint(p, "Xc", "Yc", map);
        ScaleLengthParam(p, "Radius", map);
        TurnAngle(p, "Angle", map);
        KeepLocalScale(p, map);
        break;
    case tvapi::tvDrADimension:
        MapPoint(p, "Xc", "Yc", map);
        MapSetPoint(p, "X1", "Y1", map);
        MapSetPoint(p, "X2", "Y2", map);
        TurnAngle(p, "Angle1", map);
        TurnAngle(p, "Angle2", map);
        break;
    default:
        break;
    }
}

} // namespace tvhost
