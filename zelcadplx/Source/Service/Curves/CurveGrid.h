#pragma once
// TCurveGrid: a uniform grid over the boxes of a contour's items, so that a walk along the
// contour asks only the items near the curve in hand for crossings instead of every item.
// A candidate list may hold items that do not meet the curve, never leaves out one that may.

#include "BaseTypes.h"

#include <vector>

class TContour;
class TCurve2D;

class TCurveGrid {
public:
    // Boxes are widened by this plus a millionth of their size: more than any crossing
    // solver's tolerance (the coarsest, a point on a curve, is 1e-3).
    static constexpr double boxSlack = 1e-2;
    static constexpr double boxShare = 1e-6;

    // Indexes the items as they are now; the contour must outlive the grid and keep its items.
    explicit TCurveGrid(const TContour& Items);

    // Indices, ascending, of every item whose widened box meets that of C. Points, segments,
    // circles and arcs have boxes; an item or a C of another kind (or with a coordinate that is
    // not finite) is taken to meet everything.
    void Candidates(const TCurve2D& C, std::vector<Integer>& Out) const;

private:
    struct TBox {
        double x0 = 0.0, y0 = 0.0, x1 = 0.0, y1 = 0.0;
        bool Meets(const TBox& B) const noexcept
        {
            return x0 <= B.x1 && B.x0 <= x1 && y0 <= B.y1 && B.y0 <= y1;
        }
    };
    struct TCellSpan {
        Integer c0 = 0, r0 = 0, c1 = 0, r1 = 0;
        Integer Cells() const noexcept { return (c1 - c0 + 1) * (r1 - r0 + 1); }
    };

    std::vector<TBox> FBoxes;    // per item
    std::vector<char> FBoxed;    // per item: its box is known and finite
    std::vector<Integer> FLoose; // items taken to meet everything, or spanning too many cells
    std::vector<Integer> FStart; // per cell, where its items begin in FItems; one more at the end
    std::vector<Integer> FItems; // item indices, cell after cell, ascending within a cell
    TBox FArea;                  // the boxed items' common box
    double FCell = 1.0;          // side of a cell
    Integer FCols = 0, FRows = 0;

    static bool BoxOf(const TCurve2D& C, TBox& B);
    TCellSpan SpanOf(const TBox& B) const;
    void Fill(Integer spanLimit);
    void AllMeeting(const TBox* B, std::vector<Integer>& Out) const;
};
