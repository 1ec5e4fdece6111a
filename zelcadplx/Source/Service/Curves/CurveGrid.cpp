// TCurveGrid: boxes by curve kind, the cell size, the cells' item lists and the queries.

#include "CurveGrid.h"

#include "Arc.h"
#include "Contour.h"
#include "LineSeg.h"

#include <algorithm>
#include <cmath>

namespace {

// An item whose box spans more cells than this is checked by its box at every query instead:
// a long diagonal would otherwise fill a square of cells.
constexpr Integer kWideSpan = 64;
// Cells per axis at most; past that the grid is coarser than the items.
constexpr double kMaxCellsPerAxis = 4096.0;

} // namespace

bool TCurveGrid::BoxOf(const TCurve2D& C, TBox& B)
{
    switch (C.IsType()) {
    case ctPoint: {
        const auto& P = static_cast<const TBasePoint&>(C);
        B = {P.x, P.y, P.x, P.y};
        break;
    }
    case ctLineSeg: {
        const auto& S = static_cast<const TLineSeg&>(C);
        B = {std::min(S.x, S.xk), std::min(S.y, S.yk), std::max(S.x, S.xk), std::max(S.y, S.yk)};
        break;
    }
    case ctCircle:
    case ctArc: { // an arc's box is its circle's: larger, never wrong
        const auto& K = static_cast<const TCircle&>(C);
        const double r = std::fabs(K.Radius);
        B = {K.x - r, K.y - r, K.x + r, K.y + r};
        break;
    }
    default:
        return false;
    }
    if (!std::isfinite(B.x0) || !std::isfinite(B.y0) || !std::isfinite(B.x1) || !std::isfinite(B.y1))
        return false;
    const double w = boxSlack + boxShare * ((B.x1 - B.x0) + (B.y1 - B.y0));
    B = {B.x0 - w, B.y0 - w, B.x1 + w, B.y1 + w};
    return true;
}

TCurveGrid::TCurveGrid(const TContour& Items)
{
    const Integer n = Items.Count;
    FBoxes.resize(n);
    FBoxed.assign(n, 0);
    Integer boxed = 0;
    double extent = 0.0;
    for (Integer i = 0; i < n; ++i) {
        TBox& B = FBoxes[i];
        if (!Items[i] || !BoxOf(*Items[i], B)) {
            FLoose.push_back(i);
            continue;
        }
        FBoxed[i] = 1;
        FArea = boxed == 0 ? B
                           : TBox{std::min(FArea.x0, B.x0), std::min(FArea.y0, B.y0),
                                  std::max(FArea.x1, B.x1), std::max(FArea.y1, B.y1)};
        extent += std::max(B.x1 - B.x0, B.y1 - B.y0);
        ++boxed;
    }
    if (boxed == 0) return;
    // Cells about as large as an item, and about as many cells as items.
    const double W = FArea.x1 - FArea.x0, H = FArea.y1 - FArea.y0;
    FCell = std::max({extent / boxed, std::sqrt(W * H / boxed), std::max(W, H) / kMaxCellsPerAxis});
    FCols = static_cast<Integer>(W / FCell) + 1;
    FRows = static_cast<Integer>(H / FCell) + 1;
    Fill(kWideSpan);
}

TCurveGrid::TCellSpan TCurveGrid::SpanOf(const TBox& B) const
{
    const auto at = [this](double v, double from, Integer count) {
        const double k = std::floor((v - from) / FCell);
        return static_cast<Integer>(std::clamp(k, 0.0, static_cast<double>(count - 1)));
    };
    return {at(B.x0, FArea.x0, FCols), at(B.y0, FArea.y0, FRows), at(B.x1, FArea.x0, FCols),
            at(B.y1, FArea.y0, FRows)};
}

void TCurveGrid::Fill(Integer spanLimit)
{
    const Integer n = static_cast<Integer>(FBoxes.size());
    FStart.assign(static_cast<size_t>(FCols) * FRows + 1, 0);
    std::vector<char> wide(n, 0);
    for (Integer i = 0; i < n; ++i) {
        if (!FBoxed[i]) continue;
        const TCellSpan S = SpanOf(FBoxes[i]);
        if (S.Cells() > spanLimit) {
            wide[i] = 1;
            FLoose.push_back(i);
            continue;
        }
        for (Integer r = S.r0; r <= S.r1; ++r)
            for (Integer c = S.c0; c <= S.c1; ++c)
                ++FStart[r * FCols + c + 1];
    }
    for (size_t k = 1; k < FStart.size(); ++k)
        FStart[k] += FStart[k - 1];
    FItems.resize(FStart.back());
    std::vector<Integer> next(FStart.begin(), FStart.end() - 1);
    for (Integer i = 0; i < n; ++i) {
        if (!FBoxed[i] || wide[i]) continue;
        const TCellSpan S = SpanOf(FBoxes[i]);
        for (Integer r = S.r0; r <= S.r1; ++r)
            for (Integer c = S.c0; c <= S.c1; ++c)
                FItems[next[r * FCols + c]++] = i;
    }
    std::sort(FLoose.begin(), FLoose.end());
}

void TCurveGrid::AllMeeting(const TBox* B, std::vector<Integer>& Out) const
{
    for (Integer i = 0; i < static_cast<Integer>(FBoxes.size()); ++i)
        if (!B || !FBoxed[i] || FBoxes[i].Meets(*B)) Out.push_back(i);
}

void TCurveGrid::Candidates(const TCurve2D& C, std::vector<Integer>& Out) const
{
    Out.clear();
    TBox Q;
    if (!BoxOf(C, Q)) {
        AllMeeting(nullptr, Out);
        return;
    }
    // A curve across more cells than there are items: one pass over the boxes costs less.
    if (FCols > 0 && SpanOf(Q).Cells() > static_cast<Integer>(FBoxes.size())) {
        AllMeeting(&Q, Out);
        return;
    }
    for (const Integer i : FLoose)
        if (!FBoxed[i] || FBoxes[i].Meets(Q)) Out.push_back(i);
    if (FCols == 0 || !FArea.Meets(Q)) return;
    const TCellSpan S = SpanOf(Q);
    for (Integer r = S.r0; r <= S.r1; ++r)
        for (Integer c = S.c0; c <= S.c1; ++c) {
            const Integer cell = r * FCols + c;
            for (Integer k = FStart[cell]; k < FStart[cell + 1]; ++k)
                if (FBoxes[FItems[k]].Meets(Q)) Out.push_back(FItems[k]);
        }
    std::sort(Out.begin(), Out.end());
    Out.erase(std::unique(Out.begin(), Out.end()), Out.end());
}
