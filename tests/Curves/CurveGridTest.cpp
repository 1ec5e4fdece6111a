// The outer walk's grid: candidates in item order, near items only, every item that really
// crosses the curve among them, and the kinds without a box taken to meet everything.

#include "CurveGrid.h"

#include "Arc.h"
#include "ContourTestUtil.h"
#include "LineSeg.h"
#include "PolyLine.h"
#include "SolverInterSect.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <memory>
#include <random>
#include <vector>

namespace {

using contourtest::SquareAt;

std::vector<Integer> CandidatesOf(const TContour& Items, const TCurve2D& C)
{
    std::vector<Integer> out;
    TCurveGrid(Items).Candidates(C, out);
    return out;
}

std::vector<Integer> AllOf(const TContour& Items)
{
    std::vector<Integer> all;
    for (Integer i = 0; i < Items.Count; ++i)
        all.push_back(i);
    return all;
}

TEST(TCurveGridTest, NamesOnlyTheItemsNearTheCurveInItemOrder)
{
    TContour Items;
    SquareAt(Items, 0, 0, 2);           // items 0..3
    SquareAt(Items, 100, 0, 2);         // items 4..7
    Items.Add(new TCircle(1, 50, 1));   // item 8
    const TLineSeg Across(1, -1, 1, 3); // crosses the first square's bottom and top
    EXPECT_EQ(CandidatesOf(Items, Across), (std::vector<Integer>{0, 2}));
    const TCircle Far(101, 1, 1.5);
    EXPECT_EQ(CandidatesOf(Items, Far), (std::vector<Integer>{4, 5, 6, 7}));
    const TBasePoint OnCircle(1, 49);
    EXPECT_EQ(CandidatesOf(Items, OnCircle), (std::vector<Integer>{8}));
    const TBasePoint Nowhere(-40, -40);
    EXPECT_TRUE(CandidatesOf(Items, Nowhere).empty());
}

TEST(TCurveGridTest, BoxesAreWidenedBeyondTheSolversTolerance)
{
    TContour Items;
    Items.Add(new TLineSeg(0, 0, 10, 0));
    // A point 1e-3 off the segment still counts as on it for the point solver.
    const TBasePoint Off(5, TCurveGrid::boxSlack * 0.9);
    EXPECT_EQ(CandidatesOf(Items, Off), (std::vector<Integer>{0}));
    const TBasePoint Beyond(5, 3 * TCurveGrid::boxSlack);
    EXPECT_TRUE(CandidatesOf(Items, Beyond).empty());
}

TEST(TCurveGridTest, KindsWithoutABoxMeetEverything)
{
    TContour Items;
    SquareAt(Items, 0, 0, 2);
    auto* L = new TPolyLine;
    L->AddVertex(50, 50);
    L->AddVertex(60, 60);
    L->Segments = 1;
    Items.Add(L);                                                               // item 4: no box
    Items.Add(new TLineSeg(std::numeric_limits<double>::quiet_NaN(), 0, 1, 1)); // item 5: not finite
    const TCircle Near(1, 1, 0.2);
    EXPECT_EQ(CandidatesOf(Items, Near), (std::vector<Integer>{4, 5}));
    const TLine Unbounded(0, 0, 1, 1);
    EXPECT_EQ(CandidatesOf(Items, Unbounded), AllOf(Items));
    TContour None;
    EXPECT_TRUE(CandidatesOf(None, Near).empty());
}

// Every item the solvers find crossing a random curve is a candidate, over random scenes.
TEST(TCurveGridTest, EveryCrossingItemIsACandidate)
{
    std::mt19937 gen(46);
    std::uniform_real_distribution<double> U(0, 1);
    int crossing = 0;
    for (int scene = 0; scene < 20; ++scene) {
        SCOPED_TRACE(scene);
        TContour Items;
        const int n = 5 + scene * 20;
        const double side = 4 * std::sqrt(n);
        for (int i = 0; i < n; ++i) {
            const double x = side * U(gen), y = side * U(gen), s = 0.2 + 3 * U(gen);
            if (i % 3 == 0)
                Items.Add(new TCircle(x, y, s));
            else if (i % 3 == 1)
                Items.Add(new TLineSeg(x, y, x + s * (U(gen) - 0.5) * 8, y + s * (U(gen) - 0.5)));
            else
                Items.Add(new TArc(x, y, -s, 6 * U(gen), 6 * U(gen), 0));
        }
        const TCurveGrid Grid(Items);
        for (int q = 0; q < 40; ++q) {
            const double x = side * U(gen), y = side * U(gen), s = 0.1 + side * U(gen) / 3;
            std::unique_ptr<TCurve2D> C;
            if (q % 2 == 0)
                C = std::make_unique<TLineSeg>(x, y, x + s * (U(gen) - 0.5), y + s * (U(gen) - 0.5));
            else
                C = std::make_unique<TCircle>(x, y, s / 4);
            std::vector<Integer> near;
            Grid.Candidates(*C, near);
            ASSERT_TRUE(std::is_sorted(near.begin(), near.end()));
            ASSERT_TRUE(std::adjacent_find(near.begin(), near.end()) == near.end());
            for (Integer i = 0; i < Items.Count; ++i) {
                TInterSector X;
                const int r = Items[i]->InterSect(C.get(), X);
                if ((r != 1 && r != 2) || X.ACrossPoint.Count == 0) continue;
                ++crossing;
                EXPECT_TRUE(std::binary_search(near.begin(), near.end(), i))
                    << "item " << i << " query " << q;
            }
        }
    }
    EXPECT_GT(crossing, 500); // the scenes are dense enough to test something
}

} // namespace
