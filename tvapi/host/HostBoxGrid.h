#pragma once
// A uniform grid over axis-parallel boxes: the pictures find the numbers and contours near a
// place through it, so that a view's layout takes time in proportion to its objects.

#include <array>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <unordered_map>
#include <utility>
#include <vector>

#include "HostPoint2.h"

namespace tvhost {

// A uniform grid of items' bounding boxes, to find the items near a place without looking at
// every item: an item is noted in each cell its box meets. A box over more than MaxCells
// cells, or with a coordinate that is no finite number, is kept apart and met by every search.
// Items are numbered from 0 in the order they are added.
class TBoxGrid {
public:
    static constexpr std::int64_t MaxCells = 64;

    // Forgets every item; `cell` is the side of a cell (1 when it is no positive number).
    void Clear(double cell);
    void Add(TPoint2 min, TPoint2 max);
    // Calls `visit` with the number of every item whose box may meet [min, max], in the order
    // they were added within a cell (an item may come more than once), until it answers false;
    // false when it did.
    bool Near(TPoint2 min, TPoint2 max, const std::function<bool(std::size_t)>& visit) const;

private:
    struct TSpan {
        std::int64_t X0 = 0, Y0 = 0, X1 = 0, Y1 = 0;
    };
    double FCell = 1.0;
    std::size_t FCount = 0;
    std::unordered_map<std::uint64_t, std::vector<std::size_t>> FCells;
    std::vector<std::size_t> FApart;

    // The cells [min, max] meets; false when they are too many or cannot be told.
    bool SpanOf(TPoint2 min, TPoint2 max, TSpan& span) const;
};

// The lower left and upper right corners of the bounds of a box given by its four corners and
// of a segment.
std::pair<TPoint2, TPoint2> Bounds(const std::array<TPoint2, 4>& box);
std::pair<TPoint2, TPoint2> Bounds(TPoint2 a, TPoint2 b);

} // namespace tvhost
