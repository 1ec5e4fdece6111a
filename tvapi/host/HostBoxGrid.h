#pragma once
// A grid over boxes and segments: the pictures find the numbers and contours near a place
// through it, so that a view's layout takes time in proportion to its objects.

#include <array>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <unordered_map>
#include <utility>
#include <vector>

#include "HostPoint2.h"

namespace tvhost {

// A grid of levels, each cell of a level twice the side of the one below, to find the items
// near a place without looking at every item. An item is noted in each cell of the finest level
// that its shape meets in at most MaxCells cells: a long line only in the cells it crosses, a
// longer one in the coarser cells; a search looks at the cells its own shape meets on each level,
// so it costs what is near it. An item with a coordinate that is no finite number, or far beyond
// any sheet, is kept apart and met by every search. Items are numbered from 0 in the order they
// are added. One search at a time.
class TBoxGrid {
public:
    static constexpr std::int64_t MaxCells = 256;

    // Forgets every item; `cell` is the side of a cell of the finest level (1 when it is no
    // positive number).
    void Clear(double cell);
    // An axis-parallel box, a box given by its four corners in turn, a segment.
    void Add(TPoint2 min, TPoint2 max);
    void Add(const std::array<TPoint2, 4>& box);
    void AddSegment(TPoint2 a, TPoint2 b);
    // Calls `visit` once with the number of every item that may meet the box [min, max] or the
    // box of four corners, each as soon as it is found, until it answers false; false when it did.
    bool Near(TPoint2 min, TPoint2 max, const std::function<bool(std::size_t)>& visit) const;
    bool Near(const std::array<TPoint2, 4>& box, const std::function<bool(std::size_t)>& visit) const;

private:
    // A segment (two corners) or a box (four in turn).
    struct TShape {
        std::array<TPoint2, 4> Corners;
        int Count = 0;
    };
    // The cells of side `side` a shape meets: from row Y0 to Y1 in column X.
    struct TColumn {
        std::int64_t X = 0, Y0 = 0, Y1 = 0;
    };
    // An item noted in a cell, and the entry noted there before it.
    struct TEntry {
        std::size_t Item = 0, Next = 0;
    };
    struct TLevel {
        std::unordered_map<std::uint64_t, std::size_t> Cells; // the last entry of each cell
        std::vector<std::size_t> Items;
    };
    double FCell = 1.0;
    std::size_t FCount = 0;
    std::vector<TLevel> FLevels;
    std::vector<TEntry> FEntries;
    std::vector<std::size_t> FApart;
    // The number of the search that last met each item, so that a search meets it once.
    mutable std::vector<std::uint32_t> FMet;
    mutable std::uint32_t FSearch = 0;
    // Room for Cover, kept from one search to the next.
    mutable std::vector<std::pair<double, double>> FRows;
    mutable std::vector<TColumn> FColumns;

    void AddShape(const TShape& shape);
    bool NearShape(const TShape& shape, const std::function<bool(std::size_t)>& visit) const;
    // Whether every coordinate of `shape` is a finite number within the grid's reach.
    bool Within(const TShape& shape) const;
    // The cells of side `side` that `shape` meets, or may meet by a rounding, into FColumns;
    // false when they are more than `most`.
    bool Cover(const TShape& shape, double side, std::size_t most) const;
};

} // namespace tvhost
