// The grid of boxes and segments.
#include "HostBoxGrid.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <utility>

namespace tvhost {

namespace {

// A search this many cells away is far beyond any sheet and meets every item; so the extent's
// cells keep to 32 bits.
constexpr double FarthestSearch = 1e9;
// The grid's reach: no extent passes FarthestSearch, so an item is taken only as far as this
// many cells, its part beyond cut off (a box widened to its bounds first), whatever it reaches.
constexpr double FarthestItem = 2 * FarthestSearch;
// A shape is taken this part of a cell wider all round, so that no rounding loses a cell.
constexpr double Margin = 1e-3;
// The cells of the first extent across.
constexpr double FirstCells = 64;
// Segments on one line lie this part of a cell apart at most within the extent.
constexpr double LineTolerance = Margin / 2;
// The end of a cell's entries.
constexpr std::size_t NoEntry = std::numeric_limits<std::size_t>::max();
// Nothing to note for a segment: it joined a line already noted.
constexpr std::size_t NoNote = NoEntry;
// A line in a cell's entries, as this plus its number.
constexpr std::size_t LineNote = std::size_t{1} << (std::numeric_limits<std::size_t>::digits - 1);

std::uint64_t CellKey(std::int64_t x, std::int64_t y)
{
    return (static_cast<std::uint64_t>(static_cast<std::uint32_t>(x)) << 32) | static_cast<std::uint32_t>(y);
}

// Whether every corner lies more than `pad` beyond the line of points p with normal·(p - origin)
// equal to `at`, all on one side.
bool Aside(TPoint2 normal, double at, TPoint2 origin, double pad, const std::array<TPoint2, 4>& corners,
           int count)
{
    bool below = true, above = true;
    for (int i = 0; i < count; ++i) {
        const double c = Dot(normal, corners[i] - origin);
        below = below && at < c - pad, above = above && at > c + pad;
    }
    return below || above;
}

// The part of segment a-b within [-reach, reach] on both axes; false when none is.
bool ClipSegment(TPoint2& a, TPoint2& b, double reach)
{
    const TPoint2 along = b - a;
    double t0 = 0, t1 = 1;
    for (const auto& [from, step] : {std::array{a.X, along.X}, std::array{a.Y, along.Y}}) {
        if (step == 0) {
            if (std::fabs(from) > reach) return false;
            continue;
        }
        const double u0 = (-reach - from) / step, u1 = (reach - from) / step;
        t0 = std::max(t0, std::min(u0, u1)), t1 = std::min(t1, std::max(u0, u1));
    }
    if (t0 > t1) return false;
    const TPoint2 start = a;
    if (t0 > 0) a = start + along * t0;
    if (t1 < 1) b = start + along * t1;
    return true;
}

// The axes along which the separating-axis tests of a shape's sides (of a segment: its normal) keep
// the order of coordinates exactly: bit 0 X, bit 1 Y. A side along X is (w, 0), its unit (r, 0), and
// a point's place along it c.X * r + c.Y * 0, which rounds in the order of c.X.
int ExactAxes(const std::array<TPoint2, 4>& corners, int count)
{
    int axes = 0;
    const auto side = [&](TPoint2 v) {
        if (v.Y == 0 && std::fabs(v.X) >= std::numeric_limits<double>::min()) axes |= 1;
        if (v.X == 0 && std::fabs(v.Y) >= std::numeric_limits<double>::min()) axes |= 2;
    };
    if (count == 2) {
        const TPoint2 along = corners[1] - corners[0];
        side({-along.Y, along.X});
    } else {
        side(corners[1] - corners[0]);
        side(corners[3] - corners[0]);
    }
    return axes;
}

// The pictures' separating-axis tests of two shapes round their projections by a few units of
// the last place of their coordinates; two such shapes farther apart than this many units of
// the larger one's, along either axis, are farther apart than that along a side of one of them.
constexpr double RoundingUnits = 32;

// Whether the tests take an axis from every side of the shape (a box: both sides, of a length; a
// segment: its normal) and none of them lies along X or Y: a slanted shape they test whole.
bool TestedWhole(const std::array<TPoint2, 4>& corners, int count)
{
    if (ExactAxes(corners, count) != 0) return false;
    if (count == 2) return Length(corners[1] - corners[0]) > 0;
    return Length(corners[1] - corners[0]) > 0 && Length(corners[3] - corners[0]) > 0;
}

// The corners' bounds.
std::pair<TPoint2, TPoint2> BoundsOf(const std::array<TPoint2, 4>& corners, int count)
{
    TPoint2 low = corners[0], high = low;
    for (int i = 1; i < count; ++i) {
        low = {std::min(low.X, corners[i].X), std::min(low.Y, corners[i].Y)};
        high = {std::max(high.X, corners[i].X), std::max(high.Y, corners[i].Y)};
    }
    return {low, high};
}

// The corners' bounds widened by the rounding of the tests there and the grid's margin, and for
// a shape the tests do not take whole by twice its own size: the sides of a slanted shape tested
// whole then separate it from every point of the other, a shape within its size of one.
std::pair<TPoint2, TPoint2> WidenedBoundsOf(const std::array<TPoint2, 4>& corners, int count, double cell)
{
    auto [low, high] = BoundsOf(corners, count);
    const double largest =
        std::max({std::fabs(low.X), std::fabs(low.Y), std::fabs(high.X), std::fabs(high.Y)});
    double pad = RoundingUnits * std::numeric_limits<double>::epsilon() * largest + Margin * cell;
    if (!TestedWhole(corners, count)) pad += 2 * std::max(high.X - low.X, high.Y - low.Y);
    return {low - TPoint2{pad, pad}, high + TPoint2{pad, pad}};
}

} // namespace

bool TBoxGrid::Bounded(TShape& shape) const
{
    const double reach = FarthestItem * FCell;
    if (shape.Count == 2) return ClipSegment(shape.Corners[0], shape.Corners[1], reach);
    TPoint2 low = shape.Corners[0], high = low;
    for (int i = 1; i < shape.Count; ++i) {
        low = {std::min(low.X, shape.Corners[i].X), std::min(low.Y, shape.Corners[i].Y)};
        high = {std::max(high.X, shape.Corners[i].X), std::max(high.Y, shape.Corners[i].Y)};
    }
    low = {std::max(low.X, -reach), std::max(low.Y, -reach)};
    high = {std::min(high.X, reach), std::min(high.Y, reach)};
    if (low.X > high.X || low.Y > high.Y) return false;
    shape = {{low, {high.X, low.Y}, high, {low.X, high.Y}}, 4};
    return true;
}

void TBoxGrid::Clear(double cell)
{
    FCell = cell > 0 && std::isfinite(cell) ? cell : 1.0;
    FShapes.clear();
    FWhole.clear();
    FFarServing = false;
    FApart.clear();
    FServing = false;
    FLevels.clear();
    FEntries.clear();
    FMet.clear();
    FLines.clear();
    FLineKeys.clear();
    FLineMet.clear();
}

bool TBoxGrid::Within(const TShape& shape, double farthest) const
{
    for (int i = 0; i < shape.Count; ++i)
        for (const double c : {shape.Corners[i].X, shape.Corners[i].Y})
            if (!(std::fabs(c / FCell) <= farthest)) return false;
    return true;
}

bool TBoxGrid::Cover(const TShape& shape, int level, std::size_t most) const
{
    const double side = std::ldexp(FCell, level);
    const auto cellOf = [side](double v) { return static_cast<std::int64_t>(std::floor(v / side)); };
    const auto [first, last] = std::minmax_element(shape.Corners.begin(), shape.Corners.begin() + shape.Count,
                                                   [](TPoint2 a, TPoint2 b) { return a.X < b.X; });
    // Only the cells within the extent: what lies beyond it no search looks for.
    const std::int64_t x0 = std::max(cellOf(first->X), cellOf(FLow.X));
    const std::int64_t x1 = std::min(cellOf(last->X), cellOf(FHigh.X));
    const std::int64_t lowest = cellOf(FLow.Y), highest = cellOf(FHigh.Y);
    std::vector<TColumn>& columns = FColumns;
    columns.clear();
    if (x1 < x0) return true;
    if (static_cast<std::uint64_t>(x1 - x0) >= most) return false;
    const double pad = Margin * side;
    std::vector<std::pair<double, double>>& rows = FRows;
    rows.assign(static_cast<std::size_t>(x1 - x0 + 1),
                {std::numeric_limits<double>::max(), std::numeric_limits<double>::lowest()});
    // The shape's rows in a column lie between its sides' lowest and highest there.
    for (int i = 0; i < (shape.Count == 2 ? 1 : shape.Count); ++i) {
        TPoint2 a = shape.Corners[i], b = shape.Corners[(i + 1) % shape.Count];
        if (b.X < a.X) std::swap(a, b);
        const std::int64_t c0 = std::max(cellOf(a.X), x0), c1 = std::min(cellOf(b.X), x1);
        for (std::int64_t c = c0; c <= c1; ++c) {
            double lo = std::min(a.Y, b.Y), hi = std::max(a.Y, b.Y);
            if (b.X - a.X > 0) {
                const double u0 = std::max(a.X, static_cast<double>(c) * side - pad);
                const double u1 = std::min(b.X, static_cast<double>(c + 1) * side + pad);
                const double slope = (b.Y - a.Y) / (b.X - a.X);
                const double y0 = a.Y + (u0 - a.X) * slope, y1 = a.Y + (u1 - a.X) * slope;
                lo = std::max(lo, std::min(y0, y1)), hi = std::min(hi, std::max(y0, y1));
            }
            auto& row = rows[static_cast<std::size_t>(c - x0)];
            row = {std::min(row.first, lo), std::max(row.second, hi)};
        }
    }
    std::size_t cells = 0;
    for (std::size_t k = 0; k < rows.size(); ++k) {
        if (rows[k].first > rows[k].second) continue;
        const TColumn column{x0 + static_cast<std::int64_t>(k), std::max(cellOf(rows[k].first - pad), lowest),
                             std::min(cellOf(rows[k].second + pad), highest)};
        if (column.Y1 < column.Y0) continue;
        cells += static_cast<std::size_t>(column.Y1 - column.Y0 + 1);
        if (cells > most) return false;
        columns.push_back(column);
    }
    return true;
}

std::size_t TBoxGrid::Join(std::size_t item) const
{
    const TShape& shape = FShapes[item];
    const TPoint2 a = shape.Corners[0], along = shape.Corners[1] - a;
    const double length = Length(along);
    if (!(length > 0)) return item;
    // Only a segment whose line meets the extent, and a rounding round it, between its ends.
    const double pad = Margin * FCell;
    const TPoint2 low = FLow - TPoint2{pad, pad}, high = FHigh + TPoint2{pad, pad};
    double t0 = std::numeric_limits<double>::lowest(), t1 = std::numeric_limits<double>::max();
    for (const auto& [from, step, lo, hi] :
         {std::array{a.X, along.X, low.X, high.X}, std::array{a.Y, along.Y, low.Y, high.Y}}) {
        if (step == 0) {
            if (from < lo || hi < from) return item;
            continue;
        }
        const double u0 = (lo - from) / step, u1 = (hi - from) / step;
        t0 = std::max(t0, std::min(u0, u1)), t1 = std::min(t1, std::max(u0, u1));
    }
    if (!(0 <= t0 && t0 < t1 && t1 <= 1)) return item;
    TPoint2 dir = along * (1 / length);
    if (dir.X < 0 || (dir.X == 0 && dir.Y < 0)) dir = dir * -1;
    const TPoint2 normal{-dir.Y, dir.X};
    const double at = Dot(normal, a - FMiddle);
    // Rounded finely enough that the lines of one key lie within the tolerance of each other
    // over the extent, unless a rounding splits a line in two.
    const double tolerance = LineTolerance * FCell;
    const double turn = Length(high - FMiddle) / tolerance;
    const std::array<std::int64_t, 3> key{std::llround(dir.X * turn), std::llround(dir.Y * turn),
                                          std::llround(at / tolerance)};
    const auto [found, fresh] = FLineKeys.try_emplace(key, FLines.size());
    if (fresh) {
        FLines.push_back({normal, at, {item}});
        return LineNote | found->second;
    }
    TLine& line = FLines[found->second];
    // The distance between the two lines changes linearly, so it is largest at a corner.
    for (const TPoint2 corner : {low, high, TPoint2{low.X, high.Y}, TPoint2{high.X, low.Y}})
        if (!(std::fabs(Dot(normal - line.Normal, corner - FMiddle) - (at - line.At)) <= tolerance))
            return item;
    line.Items.push_back(item);
    return NoNote;
}

void TBoxGrid::Enter(std::size_t item) const
{
    const std::size_t noted = FShapes[item].Count == 2 ? Join(item) : item;
    if (noted == NoNote) return;
    const TShape& shape = FShapes[item];
    int level = 0;
    while (!Cover(shape, level, MaxCells))
        ++level;
    if (FColumns.empty()) return;
    if (FLevels.size() <= static_cast<std::size_t>(level))
        FLevels.resize(static_cast<std::size_t>(level) + 1);
    TLevel& cells = FLevels[static_cast<std::size_t>(level)];
    cells.Items.push_back(noted);
    for (const TColumn& column : FColumns)
        for (std::int64_t y = column.Y0; y <= column.Y1; ++y) {
            const auto cell = cells.Cells.try_emplace(CellKey(column.X, y), NoEntry).first;
            FEntries.push_back({noted, cell->second});
            cell->second = FEntries.size() - 1;
        }
}

void TBoxGrid::Serve(const TShape& shape) const
{
    TPoint2 low = shape.Corners[0], high = low;
    for (int i = 1; i < shape.Count; ++i) {
        low = {std::min(low.X, shape.Corners[i].X), std::min(low.Y, shape.Corners[i].Y)};
        high = {std::max(high.X, shape.Corners[i].X), std::max(high.Y, shape.Corners[i].Y)};
    }
    if (FServing && FLow.X <= low.X && FLow.Y <= low.Y && high.X <= FHigh.X && high.Y <= FHigh.Y) return;
    // Widened past the search on the side it fell beyond, by at least the extent's own width,
    // so that the items are entered again a few times at most.
    const double reach = FarthestSearch * FCell;
    const auto widen = [&](double& from, double& to, double lo, double hi) {
        if (!FServing) {
            const double half = std::max(hi - lo, FirstCells * FCell) / 2;
            from = std::max(lo - half, -reach), to = std::min(hi + half, reach);
            return;
        }
        const double grow = std::max(std::max(hi, to) - std::min(lo, from), FirstCells * FCell);
        if (lo < from) from = std::max(lo - grow, -reach);
        if (to < hi) to = std::min(hi + grow, reach);
    };
    widen(FLow.X, FHigh.X, low.X, high.X);
    widen(FLow.Y, FHigh.Y, low.Y, high.Y);
    FServing = true;
    FMiddle = (FLow + FHigh) * 0.5;
    FLevels.clear();
    FEntries.clear();
    FLines.clear();
    FLineKeys.clear();
    FLineMet.clear();
    for (std::size_t item = 0; item < FShapes.size(); ++item)
        if (FShapes[item].Count > 0) Enter(item);
}

bool TBoxGrid::Passes(const TShape& item, const TShape& search) const
{
    if (item.Count != 2) return false;
    const TPoint2 a = item.Corners[0], b = item.Corners[1], normal{a.Y - b.Y, b.X - a.X};
    const double pad = Margin * FCell * (std::fabs(normal.X) + std::fabs(normal.Y));
    return Aside(normal, Dot(normal, a), {}, pad, search.Corners, search.Count);
}

bool TBoxGrid::Passes(const TLine& line, const TShape& search) const
{
    const TPoint2 normal = line.Normal;
    const double pad = Margin * FCell * (std::fabs(normal.X) + std::fabs(normal.Y)) + LineTolerance * FCell;
    return Aside(normal, line.At, FMiddle, pad, search.Corners, search.Count);
}

void TBoxGrid::AddShape(const TShape& shape)
{
    const std::size_t item = FShapes.size();
    FWhole.push_back(shape);
    if (!Within(shape, std::numeric_limits<double>::max())) {
        FShapes.push_back({});
        FApart.push_back(item);
        return;
    }
    // Far items are cut to the grid's reach: what lies beyond it no search within it meets, and
    // a search beyond it meets every item anyway. One wholly beyond is noted nowhere.
    TShape bounded = shape;
    if (!Within(shape, FarthestItem) && !Bounded(bounded)) bounded = {};
    FShapes.push_back(bounded);
    if (FServing && bounded.Count > 0) Enter(item);
    if (FFarServing) AddFar(item);
}

void TBoxGrid::AddFar(std::size_t item) const
{
    const TShape& shape = FWhole[item];
    const auto [low, high] = BoundsOf(shape.Corners, shape.Count);
    if (TestedWhole(shape.Corners, shape.Count)) {
        FFarSlanted.Add(item, low, high);
        const auto [wideLow, wideHigh] = WidenedBoundsOf(shape.Corners, shape.Count, FCell);
        FFarWidened.Add(item, wideLow, wideHigh);
        return;
    }
    const int axes = ExactAxes(shape.Corners, shape.Count);
    FFar[3].Add(item, low, high);
    for (int kept = 0; kept < 3; ++kept)
        if ((axes | kept) == kept) FFar[static_cast<std::size_t>(kept)].Add(item, low, high);
}

bool TBoxGrid::NextSearch(const std::function<bool(std::size_t)>& visit) const
{
    for (const std::size_t item : FApart)
        if (!visit(item)) return false;
    if (FMet.size() < FShapes.size()) FMet.resize(FShapes.size(), FSearch);
    if (FLineMet.size() < FLines.size()) FLineMet.resize(FLines.size(), FSearch);
    // Past the last number, every mark is cleared and the numbers start again.
    if (++FSearch == 0) {
        std::fill(FMet.begin(), FMet.end(), 0);
        std::fill(FLineMet.begin(), FLineMet.end(), 0);
        FSearch = 1;
    }
    return true;
}

bool TBoxGrid::FirstMeeting(std::size_t item) const
{
    if (FMet[item] == FSearch) return false;
    FMet[item] = FSearch;
    return true;
}

bool TBoxGrid::NearFar(const TShape& shape, const std::function<bool(std::size_t)>& visit) const
{
    if (!FFarServing) {
        FFarServing = true;
        for (std::size_t kept = 0; kept < FFar.size(); ++kept)
            FFar[kept].Clear(FCell, (kept & 1) != 0, (kept & 2) != 0);
        FFarSlanted.Clear(FCell, true, true);
        FFarWidened.Clear(FCell, true, true);
        for (std::size_t item = 0; item < FWhole.size(); ++item)
            if (Within(FWhole[item], std::numeric_limits<double>::max())) AddFar(item);
    }
    if (!NextSearch(visit)) return false;
    const auto meet = [&](std::size_t item) { return !FirstMeeting(item) || visit(item); };
    const auto [low, high] = BoundsOf(shape.Corners, shape.Count);
    const int axes = ExactAxes(shape.Corners, shape.Count);
    // An item and the search meet on the axes either has a side along: the hash that keeps just
    // those holds the item, and is searched.
    for (int kept = 3; kept >= 0; --kept)
        if ((axes | kept) == kept && !FFar[static_cast<std::size_t>(kept)].Near(low, high, meet))
            return false;
    // A slanted item tested whole meets a search with sides along both axes within its bounds,
    // any other within their widened bounds.
    if (axes == 3) return FFarSlanted.Near(low, high, meet);
    const auto [wideLow, wideHigh] = WidenedBoundsOf(shape.Corners, shape.Count, FCell);
    return FFarWidened.Near(wideLow, wideHigh, meet);
}

void TBoxGrid::Add(TPoint2 min, TPoint2 max)
{
    AddShape({{min, {max.X, min.Y}, max, {min.X, max.Y}}, 4});
}

void TBoxGrid::Add(const std::array<TPoint2, 4>& box)
{
    AddShape({box, 4});
}

void TBoxGrid::AddSegment(TPoint2 a, TPoint2 b)
{
    AddShape({{a, b}, 2});
}

bool TBoxGrid::NearShape(const TShape& shape, const std::function<bool(std::size_t)>& visit) const
{
    if (!Within(shape, std::numeric_limits<double>::max())) {
        for (std::size_t item = 0; item < FShapes.size(); ++item)
            if (!visit(item)) return false;
        return true;
    }
    if (!Within(shape, FarthestSearch)) return NearFar(shape, visit);
    Serve(shape);
    if (!NextSearch(visit)) return false;
    const auto meetItem = [&](std::size_t item) {
        return !FirstMeeting(item) || Passes(FShapes[item], shape) || visit(item);
    };
    const auto meet = [&](std::size_t noted) {
        if (!(noted & LineNote)) return meetItem(noted);
        const std::size_t line = noted & ~LineNote;
        if (FLineMet[line] == FSearch) return true;
        FLineMet[line] = FSearch;
        if (Passes(FLines[line], shape)) return true;
        for (const std::size_t item : FLines[line].Items)
            if (!meetItem(item)) return false;
        return true;
    };
    for (std::size_t level = 0; level < FLevels.size(); ++level) {
        const TLevel& cells = FLevels[level];
        if (cells.Items.empty()) continue;
        // Past as many cells as the level has items, its items are fewer to look at.
        if (!Cover(shape, static_cast<int>(level), cells.Items.size())) {
            for (const std::size_t item : cells.Items)
                if (!meet(item)) return false;
            continue;
        }
        for (const TColumn& column : FColumns)
            for (std::int64_t y = column.Y0; y <= column.Y1; ++y) {
                const auto cell = cells.Cells.find(CellKey(column.X, y));
                if (cell == cells.Cells.end()) continue;
                for (std::size_t e = cell->second; e != NoEntry; e = FEntries[e].Next)
                    if (!meet(FEntries[e].Item)) return false;
            }
    }
    return true;
}

bool TBoxGrid::Near(TPoint2 min, TPoint2 max, const std::function<bool(std::size_t)>& visit) const
{
    return NearShape({{min, {max.X, min.Y}, max, {min.X, max.Y}}, 4}, visit);
}

bool TBoxGrid::Near(const std::array<TPoint2, 4>& box, const std::function<bool(std::size_t)>& visit) const
{
    return NearShape({box, 4}, visit);
}

} // namespace tvhost
