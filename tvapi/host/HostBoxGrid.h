#pragma once
// A grid over boxes and segments: the pictures find the numbers and contours near a place
// through it, so that a view's layout takes time in proportion to its objects.

#include <array>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <map>
#include <unordered_map>
#include <utility>
#include <vector>

#include "HostBoundsHash.h"
#include "HostPoint2.h"

namespace tvhost {

// A grid of levels, each cell of a level twice the side of the one below, to find the items
// near a place without looking at every item. The grid serves an extent: the box round the
// searches, widened to at least twice its side when a search falls outside it, the items then
// entered again. An item is noted in each cell of the finest level that its shape meets within
// the extent in at most MaxCells cells, so a line far longer than the extent costs what a line
// across it costs, however far it reaches (it is cut to the farthest any extent goes). MaxCells is
// small: a line across a sheet twice as wide goes a level up rather than into twice the cells, so
// many lines across a sheet cost in proportion to their number to note, and a cell holds as many
// of them on a sheet of any size; a search looks at the
// cells its own shape meets on each level, so it costs what is near it. Segments that cross the whole extent
// on one line (within a rounding) are noted there once as that line, so that a search near many of them tests
// the line once. An item with a coordinate that is no finite number is kept apart and met by every search, as
// every item by a search with such a coordinate. A search far beyond any sheet meets, through hashes of the
// items' bounds (HostBoundsHash.h) made on the first, each item whose bounds meet its own along every axis
// that either of the two has a side along (a segment: its normal): the items the separating-axis tests of
// the pictures (CrossesBox, BoxesOverlap) may find meeting it, for those tests along an axis keep the order
// of the coordinates, and two shapes without such a side, each too narrow for the rounding there, are tested
// along no other. A slanted shape that the tests take every side of (no side along an axis, none of length
// 0) is separated by its own sides from any shape whose bounds, both widened by the rounding there (a shape
// not taken whole by twice its size too), its own do not meet: it is found through those widened bounds, so
// that far diagonal items are found through bounds as small as they are on both axes. Items are numbered from
// 0 in the order they are added. One search at a time.
class TBoxGrid {
public:
    static constexpr std::int64_t MaxCells = 64;

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
    // An item or a line noted in a cell, and the entry noted there before it.
    struct TEntry {
        std::size_t Item = 0, Next = 0;
    };
    // Segments crossing the whole extent on one line: its unit normal, turned to one side, and
    // its distance from the middle of the extent along it.
    struct TLine {
        TPoint2 Normal;
        double At = 0.0;
        std::vector<std::size_t> Items;
    };
    struct TLevel {
        std::unordered_map<std::uint64_t, std::size_t> Cells; // the last entry of each cell
        std::vector<std::size_t> Items;                       // and lines
    };
    double FCell = 1.0;
    std::vector<TShape> FShapes; // each item's; none (Count 0) for one kept apart
    std::vector<TShape> FWhole;  // each item's as it was added, for the searches beyond the sheets
    // The items' bounds for the searches beyond the sheets: by index, the axes a hash keeps (bit 0
    // X, bit 1 Y); each holds the items with no side along an axis it leaves out.
    mutable std::array<TBoundsHash, 4> FFar;
    // The slanted items tested along every side, apart from FFar: by their bounds, for the
    // searches with sides along both axes, and by their widened bounds for the others.
    mutable TBoundsHash FFarSlanted;
    mutable TBoundsHash FFarWidened;
    mutable bool FFarServing = false;
    std::vector<std::size_t> FApart;
    // The extent served and its cells, filled again by a search beyond it.
    mutable bool FServing = false;
    mutable TPoint2 FLow, FHigh, FMiddle;
    // The lines noted in the cells in place of their segments, found by their rounded direction
    // and place; a line is noted in a cell as LineNote plus its number.
    mutable std::vector<TLine> FLines;
    mutable std::map<std::array<std::int64_t, 3>, std::size_t> FLineKeys;
    mutable std::vector<std::uint32_t> FLineMet;
    mutable std::vector<TLevel> FLevels;
    mutable std::vector<TEntry> FEntries;
    // The number of the search that last met each item, so that a search meets it once.
    mutable std::vector<std::uint32_t> FMet;
    mutable std::uint32_t FSearch = 0;
    // Room for Cover, kept from one search to the next.
    mutable std::vector<std::pair<double, double>> FRows;
    mutable std::vector<TColumn> FColumns;

    void AddShape(const TShape& shape);
    bool NearShape(const TShape& shape, const std::function<bool(std::size_t)>& visit) const;
    // A new search: the items kept apart met, then no item met yet; false when `visit` stopped it.
    bool NextSearch(const std::function<bool(std::size_t)>& visit) const;
    // Whether the search meets `item` for the first time, noting that it did.
    bool FirstMeeting(std::size_t item) const;
    // The search of a shape beyond every sheet, through FFar.
    bool NearFar(const TShape& shape, const std::function<bool(std::size_t)>& visit) const;
    void AddFar(std::size_t item) const;
    // Whether every coordinate of `shape` is a finite number at most `farthest` cells away.
    bool Within(const TShape& shape, double farthest) const;
    // Cuts `shape` to the grid's reach; false when nothing of it is within.
    bool Bounded(TShape& shape) const;
    // Whether the segment `item` passes the search by more than a rounding, all of the search on
    // one side of its line: the long lines met in a cell in numbers then cost no visit.
    bool Passes(const TShape& item, const TShape& search) const;
    // Whether every item of `line` lies beyond the search on one side.
    bool Passes(const TLine& line, const TShape& search) const;
    // What to note in the cells for segment `item`: itself, or a line it is the first to cross the
    // extent on; NoNote when it joined a line already noted.
    std::size_t Join(std::size_t item) const;
    // Widens the extent to hold `shape`, entering every item again when it did.
    void Serve(const TShape& shape) const;
    // Notes the item in the cells of the finest level where it meets few enough of the extent.
    void Enter(std::size_t item) const;
    // The cells of level `level` within the extent that `shape` meets, or may meet by a
    // rounding, into FColumns; false when they are more than `most`.
    bool Cover(const TShape& shape, int level, std::size_t most) const;
};

} // namespace tvhost
