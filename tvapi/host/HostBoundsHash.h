#pragma once
// Items found by the cells their bounds meet, each on a level of cells fit to its size: what
// the pictures' grid (HostBoxGrid.h) searches beyond its reach, where no sheet's cells serve.

#include <cstddef>
#include <cstdint>
#include <functional>
#include <map>
#include <unordered_map>
#include <vector>

#include "HostPoint2.h"

namespace tvhost {

// Closed bounds of items, on X, on Y, on both or on neither (every item in one cell). An item is
// noted on the finest level whose cells are at least as wide as it is, so in at most a few
// cells; a search looks on each level at the cells its own bounds meet, or at the level's items
// whose bounds meet its own when they are fewer, and passes a level whose items all lie apart
// from it. Cells are counted from the origin by a rounding that never reverses the
// order of two coordinates, so bounds that meet share a cell however far from the origin they lie;
// past 2^61 cells every coordinate falls into the last cell, which keeps that.
class TBoundsHash {
public:
    // Forgets every item; `cell` is the side of the finest cells, a positive finite number.
    void Clear(double cell, bool alongX, bool alongY);
    // Notes `item` with bounds [low, high], finite, low not above high.
    void Add(std::size_t item, TPoint2 low, TPoint2 high);
    // Calls `visit` with every item whose bounds meet [low, high] (finite) on the axes this hash
    // keeps, and with some others, an item perhaps more than once, until it answers false;
    // false when it did.
    bool Near(TPoint2 low, TPoint2 high, const std::function<bool(std::size_t)>& visit) const;

private:
    struct TKey {
        std::int64_t X = 0, Y = 0;
        bool operator==(const TKey&) const = default;
    };
    struct TKeyHash {
        std::size_t operator()(const TKey& k) const noexcept;
    };
    // An item noted in a cell, and the entry noted there before it.
    struct TEntry {
        std::size_t Item = 0, Next = 0;
    };
    struct TBounds {
        TPoint2 Low, High;
    };
    struct TLevel {
        std::unordered_map<TKey, std::size_t, TKeyHash> Cells; // the last entry of each cell
        std::vector<std::size_t> Items;
        std::vector<TBounds> Bounds; // each item's, in the order of Items
        TBounds All;                 // round every item's
    };
    // The cells [From, To] of a bounds on one level.
    struct TRange {
        TKey From, To;
    };
    double FCell = 1.0;
    bool FAlongX = true, FAlongY = true;
    std::map<int, TLevel> FLevels;
    std::vector<TEntry> FEntries;

    TRange CellsOf(TPoint2 low, TPoint2 high, int level) const;
    // Whether two bounds meet on the axes kept.
    bool Meet(const TBounds& a, const TBounds& b) const;
};

} // namespace tvhost
