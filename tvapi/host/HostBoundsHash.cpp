// Items by the cells their bounds meet.
#include "HostBoundsHash.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace tvhost {

namespace {

// The last cell either way: differences of two cells stay within 64 bits.
constexpr double LastCell = 0x1p61;
// Levels beyond any double's reach: their cells are infinite, and hold everything in one.
constexpr int MostLevels = 2200;
// The end of a cell's entries.
constexpr std::size_t EndOfCell = std::numeric_limits<std::size_t>::max();

// Never reverses the order of two coordinates: division by a positive side and floor keep it.
std::int64_t CellOf(double v, double side)
{
    return static_cast<std::int64_t>(std::clamp(std::floor(v / side), -LastCell, LastCell));
}

} // namespace

std::size_t TBoundsHash::TKeyHash::operator()(const TKey& k) const noexcept
{
    const std::uint64_t x = static_cast<std::uint64_t>(k.X) * 0x9E3779B97F4A7C15u;
    return static_cast<std::size_t>(x ^ (static_cast<std::uint64_t>(k.Y) + (x << 6) + (x >> 2)));
}

void TBoundsHash::Clear(double cell, bool alongX, bool alongY)
{
    FCell = cell;
    FAlongX = alongX;
    FAlongY = alongY;
    FLevels.clear();
    FEntries.clear();
}

TBoundsHash::TRange TBoundsHash::CellsOf(TPoint2 low, TPoint2 high, int level) const
{
    const double side = std::ldexp(FCell, level);
    TRange r;
    if (FAlongX) r.From.X = CellOf(low.X, side), r.To.X = CellOf(high.X, side);
    if (FAlongY) r.From.Y = CellOf(low.Y, side), r.To.Y = CellOf(high.Y, side);
    return r;
}

bool TBoundsHash::Meet(const TBounds& a, const TBounds& b) const
{
    if (FAlongX && (a.High.X < b.Low.X || b.High.X < a.Low.X)) return false;
    return !FAlongY || !(a.High.Y < b.Low.Y || b.High.Y < a.Low.Y);
}

void TBoundsHash::Add(std::size_t item, TPoint2 low, TPoint2 high)
{
    const double extent = std::max(FAlongX ? high.X - low.X : 0.0, FAlongY ? high.Y - low.Y : 0.0);
    // The finest level whose side is at least the extent (an infinite extent: the last level).
    int level = 0;
    if (extent > FCell) level = std::min(std::ilogb(extent / FCell), MostLevels - 1) + 1;
    TLevel& cells = FLevels[level];
    if (cells.Items.empty()) cells.All = {low, high};
    cells.All = {{std::min(cells.All.Low.X, low.X), std::min(cells.All.Low.Y, low.Y)},
                 {std::max(cells.All.High.X, high.X), std::max(cells.All.High.Y, high.Y)}};
    cells.Items.push_back(item);
    cells.Bounds.push_back({low, high});
    const TRange r = CellsOf(low, high, level);
    for (std::int64_t x = r.From.X; x <= r.To.X; ++x)
        for (std::int64_t y = r.From.Y; y <= r.To.Y; ++y) {
            const auto cell = cells.Cells.try_emplace(TKey{x, y}, EndOfCell).first;
            FEntries.push_back({item, cell->second});
            cell->second = FEntries.size() - 1;
        }
}

bool TBoundsHash::Near(TPoint2 low, TPoint2 high, const std::function<bool(std::size_t)>& visit) const
{
    const TBounds search{low, high};
    for (const auto& [level, cells] : FLevels) {
        if (!Meet(search, cells.All)) continue;
        const TRange r = CellsOf(low, high, level);
        const double count =
            (static_cast<double>(r.To.X - r.From.X) + 1) * (static_cast<double>(r.To.Y - r.From.Y) + 1);
        // Past as many cells as the level has items, its items are fewer to look at.
        if (count > static_cast<double>(cells.Items.size())) {
            for (std::size_t k = 0; k < cells.Items.size(); ++k)
                if (Meet(search, cells.Bounds[k]) && !visit(cells.Items[k])) return false;
            continue;
        }
        for (std::int64_t x = r.From.X; x <= r.To.X; ++x)
            for (std::int64_t y = r.From.Y; y <= r.To.Y; ++y) {
                const auto cell = cells.Cells.find(TKey{x, y});
                if (cell == cells.Cells.end()) continue;
                for (std::size_t e = cell->second; e != EndOfCell; e = FEntries[e].Next)
                    if (!visit(FEntries[e].Item)) return false;
            }
    }
    return true;
}

} // namespace tvhost
