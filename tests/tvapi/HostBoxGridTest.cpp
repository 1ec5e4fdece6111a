// The pictures' grid of boxes and segments: a search near a place meets every item there once,
// and looks at few others however long the items are, or however far on both axes.

#include "HostBoxGrid.h"
#include "HostSvgLayout.h"

#include <array>
#include <cmath>
#include <functional>
#include <numbers>
#include <ostream>
#include <random>
#include <set>
#include <string>
#include <vector>

#include <gtest/gtest.h>

namespace {

using tvhost::TPoint2;
using TBox = std::array<TPoint2, 4>;

constexpr int Items = 3000;
constexpr double Cell = 14.0;

TBox Box(TPoint2 at, double length, double height, double degrees)
{
    const TPoint2 u = tvhost::Dir(degrees * std::numbers::pi / 180), v{-u.Y, u.X};
    return {at, at + u * length, at + u * length + v * height, at + v * height};
}

// An item: a segment (its box's first two corners) or a box.
struct TItem {
    TBox Shape;
    bool Segment = false;
};

struct TGridCase {
    std::string Name;
    std::function<TItem(int k)> Item; // the k-th of Items
    TBox Probe;
};

void PrintTo(const TGridCase& c, std::ostream* os)
{
    *os << c.Name;
}

class BoxGridTest : public testing::TestWithParam<TGridCase> {};

TEST_P(BoxGridTest, SearchMeetsWhatIsNearOnceAndFewOthers)
{
    const TGridCase& c = GetParam();
    tvhost::TBoxGrid grid;
    grid.Clear(Cell);
    std::vector<TItem> items;
    for (int k = 0; k < Items; ++k) {
        items.push_back(c.Item(k));
        const TItem& i = items.back();
        if (i.Segment)
            grid.AddSegment(i.Shape[0], i.Shape[1]);
        else
            grid.Add(i.Shape);
    }
    std::multiset<std::size_t> visited;
    EXPECT_TRUE(grid.Near(c.Probe, [&](std::size_t k) { return visited.insert(k), true; }));
    std::size_t meeting = 0;
    for (std::size_t k = 0; k < items.size(); ++k) {
        const TItem& i = items[k];
        if (i.Segment ? tvhost::CrossesBox(c.Probe, i.Shape[0], i.Shape[1])
                      : tvhost::BoxesOverlap(c.Probe, i.Shape)) {
            ++meeting;
            EXPECT_EQ(visited.count(k), 1u) << "item " << k;
        }
    }
    EXPECT_GT(meeting, 0u);
    EXPECT_LE(visited.size(), 100u);
    std::size_t stopped = 0;
    EXPECT_FALSE(grid.Near(c.Probe, [&](std::size_t) { return ++stopped, false; }));
    EXPECT_EQ(stopped, 1u);
}

// Items spread like the numbers of a view: 50 to a row 40 apart, rows 20 apart.
TPoint2 Place(int k)
{
    return {40.0 * (k % 50), 20.0 * (k / 50)};
}

INSTANTIATE_TEST_SUITE_P(
    LongItems, BoxGridTest,
    testing::Values(TGridCase{"LongNumbersInRows",
                              [](int k) {
                                  return TItem{Box(Place(k), 1050, 3.5, 0), false};
                              },
                              Box({1000, 302}, 10, 3.5, 0)},
                    TGridCase{"LongProbeAmongLongNumbers",
                              [](int k) {
                                  return TItem{Box(Place(k), 1050, 3.5, 0), false};
                              },
                              Box({500, 601}, 1050, 3.5, 0)},
                    TGridCase{"TurnedNotes",
                              [](int k) {
                                  return TItem{Box(Place(k), 1000, 10.5, 30), false};
                              },
                              Box({1500, 900}, 10, 3.5, 30)},
                    TGridCase{"DiagonalLines",
                              [](int k) {
                                  return TItem{Box(Place(k), 283, 0, 45), true};
                              },
                              Box({1000, 700}, 10, 3.5, 0)},
                    TGridCase{"LinesAcrossTheView",
                              [](int k) {
                                  return TItem{{TPoint2{-10, 2.0 * k + 1}, TPoint2{4000, 2.0 * k + 1}}, true};
                              },
                              Box({2000, 3000}, 10, 3.5, 0)},
                    // The numbers of dimensions measuring to x = 1e15, far beyond any sheet.
                    TGridCase{"NumbersFarAway",
                              [](int k) {
                                  return TItem{Box(Place(k) + TPoint2{5e14, 0}, 25, 3.5, 0), false};
                              },
                              Box({5e14 + 1000, 302}, 10, 3.5, 0)},
                    // At 5e19 a number is narrower than the rounding: the numbers of a row meet
                    // wherever they stand along it.
                    TGridCase{"NumbersNarrowerThanTheRounding",
                              [](int k) {
                                  return TItem{Box(Place(k) + TPoint2{5e19, 0}, 25, 3.5, 0), false};
                              },
                              Box({5e19, 302}, 10, 3.5, 0)},
                    // The numbers and lines of dimensions aligned at 45 degrees to a point 1e12 and
                    // 1e15 away on both axes: far on both, and slanted.
                    TGridCase{"TurnedNumbersFarOnBothAxes",
                              [](int k) {
                                  return TItem{Box(Place(k) + TPoint2{5e11, 5e11}, 25, 3.5, 45), false};
                              },
                              Box(Place(1234) + TPoint2{5e11 + 3, 5e11 + 3}, 10, 3.5, 45)},
                    TGridCase{"TurnedNumbersFartherOnBothAxes",
                              [](int k) {
                                  return TItem{Box(Place(k) + TPoint2{5e14, 5e14}, 25, 3.5, 45), false};
                              },
                              Box(Place(1234) + TPoint2{5e14 + 3, 5e14 + 3}, 10, 3.5, 45)},
                    // A search at 1e19, narrower than the rounding there, among numbers on the
                    // sheet and one beside it.
                    TGridCase{
                        "SearchFarBeyondTurnedNumbers",
                        [](int k) {
                            return TItem{Box(k == 1234 ? TPoint2{1e19, 1e19} : Place(k), 25, 3.5, 45), false};
                        },
                        Box({1e19, 1e19}, 10, 3.5, 45)},
                    TGridCase{"TurnedLinesFarOnBothAxes",
                              [](int k) {
                                  return TItem{Box(Place(k) + TPoint2{5e11, 5e11}, 25, 0, 45), true};
                              },
                              Box(Place(1234) + TPoint2{5e11 + 3, 5e11 + 1}, 10, 3.5, 45)}),
    [](const testing::TestParamInfo<TGridCase>& p) { return p.param.Name; });

// Lines through every tenth place of a view's numbers, as long as a view or far longer, or from
// each such place to one point however far: searches
// over the view, and one far along a line, meet every line there once and few others whatever
// the length. The lines come in two halves, the second added after the first is searched.
struct TLengthCase {
    std::string Name;
    double Length;
    bool ToOnePoint = false; // each from its place to one point half the length away
};

void PrintTo(const TLengthCase& c, std::ostream* os)
{
    *os << c.Name;
}

class LineLengthTest : public testing::TestWithParam<TLengthCase> {};

TEST_P(LineLengthTest, SearchCostsWhatIsNear)
{
    constexpr int Lines = Items / 10;
    const TPoint2 along = tvhost::Dir(37 * std::numbers::pi / 180) * (GetParam().Length / 2);
    const auto line = [&](int k) {
        if (GetParam().ToOnePoint) return std::array<TPoint2, 2>{Place(10 * k), along};
        return std::array<TPoint2, 2>{Place(10 * k) - along, Place(10 * k) + along};
    };
    // What meets the probes, all within 1e4 of the first place: a line to one far point is
    // taken as far as 1e6 along it, where the test's rounding stays exact.
    const auto near = [&](int k) {
        if (!GetParam().ToOnePoint) return line(k);
        return std::array<TPoint2, 2>{Place(10 * k),
                                      Place(10 * k) + tvhost::Dir(37 * std::numbers::pi / 180) * 1e6};
    };
    std::vector<TBox> probes;
    for (int k = 0; k < Items; k += 97)
        probes.push_back(Box(Place(k) + TPoint2{7, 3}, 10, 3.5, 0));
    probes.push_back(Box(Place(50) + along * (8e3 / GetParam().Length), 10, 3.5, 0));
    tvhost::TBoxGrid grid;
    grid.Clear(Cell);
    for (int added = 0; added < Lines;) {
        for (const int end = added + Lines / 2; added < end; ++added)
            grid.AddSegment(line(added)[0], line(added)[1]);
        std::size_t visits = 0, meetings = 0;
        for (const TBox& probe : probes) {
            std::vector<int> met(Lines);
            EXPECT_TRUE(grid.Near(probe, [&](std::size_t k) { return ++met.at(k), true; }));
            for (int k = 0; k < Lines; ++k) {
                const bool meets = k < added && tvhost::CrossesBox(probe, near(k)[0], near(k)[1]);
                meetings += meets;
                visits += met[k];
                // Once when it meets the probe; at most once when not.
                EXPECT_TRUE(met[k] == 1 || (met[k] == 0 && !meets)) << "line " << k << " met " << met[k];
            }
        }
        EXPECT_GT(meetings, 0u);
        EXPECT_LE(visits, 4 * meetings + 10 * probes.size()) << meetings << " meetings";
    }
}

INSTANTIATE_TEST_SUITE_P(LongItems, LineLengthTest,
                         testing::Values(TLengthCase{"TenMetres", 1e4}, TLengthCase{"OneKilometre", 1e6},
                                         TLengthCase{"MillionKilometres", 1e12},
                                         TLengthCase{"ToOnePointAt1e15", 2e15, true},
                                         TLengthCase{"ToOnePointAt1e20", 2e20, true},
                                         TLengthCase{"ToOnePointAt1e100", 2e100, true}),
                         [](const testing::TestParamInfo<TLengthCase>& p) { return p.param.Name; });

// Long segments many to a line, as hatching or lines drawn over one another give, with boxes
// searched at random over a view and beyond it: each search meets just what meets the box, every
// segment once, as looking at every segment finds. Half the segments come after the first
// searches, and the later searches reach past the view so that the grid serves more.
struct TLinesCase {
    std::string Name;
    double Length;  // of a segment, about
    double Scatter; // how far a segment lies off its line, at most
    bool Short;     // every third segment a short one on the same line
};

void PrintTo(const TLinesCase& c, std::ostream* os)
{
    *os << c.Name;
}

class ManyOnALineTest : public testing::TestWithParam<TLinesCase> {};

TEST_P(ManyOnALineTest, SearchMeetsWhatLookingAtEveryItemMeets)
{
    const TLinesCase& c = GetParam();
    constexpr int Segments = 1200, Lines = 12;
    std::mt19937 random(85);
    std::uniform_real_distribution<double> unit(0, 1);
    std::vector<TPoint2> through, along;
    for (int k = 0; k < Lines; ++k) {
        through.push_back({2000 * unit(random), 1000 * unit(random)});
        // Every third line along an axis.
        along.push_back(k % 3 == 0 ? TPoint2{0, 1} : tvhost::Dir(std::numbers::pi * unit(random)));
    }
    std::vector<std::array<TPoint2, 2>> segments;
    for (int k = 0; k < Segments; ++k) {
        const int line = k % Lines;
        const double length = (k % 3 == 1 && c.Short ? 30 : c.Length) * (0.5 + unit(random));
        const TPoint2 off = TPoint2{unit(random) - 0.5, unit(random) - 0.5} * (2 * c.Scatter);
        const TPoint2 middle = through[line] + along[line] * (400 * (unit(random) - 0.5)) + off;
        segments.push_back({middle - along[line] * (length / 2), middle + along[line] * (length / 2)});
    }
    tvhost::TBoxGrid grid;
    grid.Clear(Cell);
    std::size_t added = 0, meetings = 0;
    const auto add = [&](std::size_t upTo) {
        for (; added < upTo; ++added)
            grid.AddSegment(segments[added][0], segments[added][1]);
    };
    add(Segments / 2);
    for (int search = 0; search < 400; ++search) {
        if (search == 200) add(Segments);
        const double reach = search < 300 ? 1 : 20;
        const TBox probe = Box({2000 * reach * unit(random), 1000 * reach * unit(random)}, 40 * unit(random),
                               3.5, 360 * unit(random));
        std::vector<int> met(Segments);
        EXPECT_TRUE(grid.Near(probe, [&](std::size_t k) { return ++met.at(k), true; }));
        for (std::size_t k = 0; k < segments.size(); ++k) {
            const bool meets = k < added && tvhost::CrossesBox(probe, segments[k][0], segments[k][1]);
            meetings += meets;
            // Once when it meets the probe; at most once when not.
            EXPECT_TRUE(met[k] == 1 || (met[k] == 0 && !meets)) << "segment " << k << ", search " << search;
        }
    }
    EXPECT_GT(meetings, 100u);
}

INSTANTIATE_TEST_SUITE_P(LongItems, ManyOnALineTest,
                         testing::Values(TLinesCase{"OnTheLines", 1e4, 0, false},
                                         TLinesCase{"OneKilometreOnTheLines", 1e6, 0, false},
                                         TLinesCase{"MillionKilometresOnTheLines", 1e12, 0, false},
                                         TLinesCase{"WithinARounding", 1e4, 1e-4, false},
                                         TLinesCase{"NearTheLines", 1e4, 0.3, false},
                                         TLinesCase{"LongAndShortOnTheLines", 1e6, 0, true}),
                         [](const testing::TestParamInfo<TLinesCase>& p) { return p.param.Name; });

} // namespace
