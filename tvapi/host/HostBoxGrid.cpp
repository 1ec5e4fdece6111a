// The uniform grid of boxes.
#include "HostBoxGrid.h"

#include <algorithm>
#include <cmath>

namespace tvhost {

void TBoxGrid::Clear(double cell)
{
    FCell = cell > 0 && std::isfinite(cell) ? cell : 1.0;
    FCount = 0;
    FCells.clear();
    FApart.clear();
}

bool TBoxGrid::SpanOf(TPoint2 min, TPoint2 max, TSpan& span) const
{
    // Far beyond any sheet a cell's number would overflow; such a box is kept apart.
    constexpr double FarthestCell = 1e9;
    const double x0 = std::floor(min.X / FCell), y0 = std::floor(min.Y / FCell);
    const double x1 = std::floor(max.X / FCell), y1 = std::floor(max.Y / FCell);
    for (const double c : {x0, y0, x1, y1})
        if (!(std::fabs(c) <= FarthestCell)) return false;
    span = {static_cast<std::int64_t>(x0), static_cast<std::int64_t>(y0), static_cast<std::int64_t>(x1),
            static_cast<std::int64_t>(y1)};
    return span.X1 >= span.X0 && span.Y1 >= span.Y0 &&
           (span.X1 - span.X0 + 1) * (span.Y1 - span.Y0 + 1) <= MaxCells;
}

namespace {

std::uint64_t CellKey(std::int64_t x, std::int64_t y)
{
    return (static_cast<std::uint64_t>(static_cast<std::uint32_t>(x)) << 32) | static_cast<std::uint32_t>(y);
}

} // namespace

void TBoxGrid::Add(TPoint2 min, TPoint2 max)
{
    const std::size_t item = FCount++;
    TSpan span;
    if (!SpanOf(min, max, span)) {
        FApart.push_back(item);
        return;
    }
    for (std::int64_t x = span.X0; x <= span.X1; ++x)
        for (std::int64_t y = span.Y0; y <= span.Y1; ++y)
            FCells[CellKey(x, y)].push_back(item);
}

bool TBoxGrid::Near(TPoint2 min, TPoint2 max, const std::function<bool(std::size_t)>& visit) const
{
    for (const std::size_t item : FApart)
        if (!visit(item)) return false;
    TSpan span;
    if (!SpanOf(min, max, span)) {
        for (std::size_t item = 0; item < FCount; ++item)
            if (!visit(item)) return false;
        return true;
    }
    for (std::int64_t x = span.X0; x <= span.X1; ++x)
        for (std::int64_t y = span.Y0; y <= span.Y1; ++y) {
            const auto cell = FCells.find(CellKey(x, y));
            if (cell == FCells.end()) continue;
            for (const std::size_t item : cell->second)
                if (!visit(item)) return false;
        }
    return true;
}

std::pair<TPoint2, TPoint2> Bounds(const std::array<TPoint2, 4>& box)
{
    std::pair<TPoint2, TPoint2> bounds{box[0], box[0]};
    for (const TPoint2& c : box)
        bounds = {{std::min(bounds.first.X, c.X), std::min(bounds.first.Y, c.Y)},
                  {std::max(bounds.second.X, c.X), std::max(bounds.second.Y, c.Y)}};
    return bounds;
}

std::pair<TPoint2, TPoint2> Bounds(TPoint2 a, TPoint2 b)
{
    return {{std::min(a.X, b.X), std::min(a.Y, b.Y)}, {std::max(a.X, b.X), std::max(a.Y, b.Y)}};
}

} // namespace tvhost
