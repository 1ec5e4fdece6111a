// Outer contour tracing: worked outlines (two squares, a circle, a half disc), the result
// codes, random overlapping squares and circles against Boost.Geometry's union, and the
// grid-indexed walk against the walk that asks every item.

#include "OutCont.h"

#include "Arc.h"
#include "ContourTestUtil.h"
#include "LineSeg.h"
#include "PolyLine.h"

#include <gtest/gtest.h>

// Boost's union, inlined here, trips the uninitialised-use analysis inside its own headers.
#pragma GCC diagnostic ignored "-Wmaybe-uninitialized"
#include <boost/geometry.hpp>
#include <boost/geometry/geometries/point_xy.hpp>
#include <boost/geometry/geometries/polygon.hpp>

#include <cmath>
#include <random>

namespace {

using contourtest::ExactArea;
using contourtest::kPi;
using contourtest::SquareAt;

namespace bg = boost::geometry;
using BPoint = bg::model::d2::point_xy<double>;
using BPolygon = bg::model::polygon<BPoint>; // clockwise, closed
using BMulti = bg::model::multi_polygon<BPolygon>;

TEST(OutContTest, TwoOverlappingSquaresGiveTheirUnionOutline)
{
    TContour Src, Dest;
    SquareAt(Src, 0, 0, 10);
    SquareAt(Src, 5, 5, 10);
    ASSERT_EQ(Src.OutCont(&Dest, nullptr), 0);
    ASSERT_EQ(Dest.Count, 8);
    EXPECT_NEAR(ExactArea(Dest), 175.0, 1e-9);
    const TPoint2D S = Dest[0]->PointTMin(), E = Dest[Dest.Count - 1]->PointTMax();
    EXPECT_EQ(S.x, 0.0);
    EXPECT_NEAR(E.x, S.x, 1e-4);
    EXPECT_NEAR(E.y, S.y, 1e-4);
    for (Integer i = 0; i < Dest.Count; ++i) {
        EXPECT_EQ(Dest[i]->IsType(), ctLineSeg) << i;
        EXPECT_EQ(Dest[i]->Atr, 1) << i;
    }
}

TEST(OutContTest, SingleCircleComesBackAsOneFullCircle)
{
    TContour Src, Dest;
    Src.Add(new TCircle(3, 4, 2));
    ASSERT_EQ(Src.OutCont(&Dest, nullptr), 0);
    ASSERT_EQ(Dest.Count, 1);
    ASSERT_EQ(Dest[0]->IsType(), ctCircle);
    EXPECT_EQ(static_cast<const TCircle*>(Dest[0])->Radius, 2.0);
}

// The area the traced outline of Src encloses; the trace must succeed and leave Src as it was.
double OutlineArea(const TContour& Src)
{
    TContour Dest;
    const Integer items = Src.Count;
    EXPECT_EQ(Src.OutCont(&Dest, nullptr), 0);
    EXPECT_EQ(Src.Count, items);
    return ExactArea(Dest);
}

TEST(OutContTest, WorkedOutlinesOfArcsSegmentsAndCircles)
{
    TContour HalfDisc, Clockwise, HalfInside;
    HalfDisc.Add(new TArc(0, 0, 5, -kPi / 2, kPi / 2, 0));
    HalfDisc.Add(new TLineSeg(0, 5, 0, -5));
    EXPECT_NEAR(OutlineArea(HalfDisc), kPi * 12.5, 1e-9);
    Clockwise.Add(new TArc(0, 0, -5, kPi / 2, -kPi / 2, 0)); // the right half, clockwise
    Clockwise.Add(new TLineSeg(0, -5, 0, 5));
    SquareAt(Clockwise, -1, -1, 2);
    EXPECT_NEAR(OutlineArea(Clockwise), kPi * 12.5 + 2.0, 1e-9);
    SquareAt(HalfInside, 0, 0, 4);
    HalfInside.Add(new TCircle(4, 2, 1.5));
    EXPECT_NEAR(OutlineArea(HalfInside), 16 + kPi * 1.5 * 1.5 / 2, 1e-9); // half the disc lies inside
}

TEST(OutContTest, ResultCodesOfEmptyUnmetAndDeadEndSources)
{
    TContour Src, Dest;
    Dest.Add(new TLineSeg(0, 0, 1, 1));
    EXPECT_EQ(Src.OutCont(&Dest, nullptr), 0); // empty: the destination is cleared
    EXPECT_EQ(Dest.Count, 0);
    EXPECT_EQ(Src.OutCont(nullptr, nullptr), 0);
    auto* L = new TPolyLine; // polylines report no crossings to the walk: no meeting at the start
    L->AddVertex(0, 0);
    L->AddVertex(5, 5);
    L->Segments = 1;
    TContour Unmet;
    Unmet.Add(L);
    EXPECT_EQ(Unmet.OutCont(&Dest, nullptr), 1);
    EXPECT_EQ(Dest.Count, 0);
    Src.Add(new TLineSeg(0, 0, 10, 0));
    EXPECT_EQ(Src.OutCont(&Dest, nullptr), 3);
    EXPECT_EQ(Dest.Count, 0);
    Src.Add(new TLineSeg(10, 0, 10, 10)); // an open corner: the walk stops at the far end
    EXPECT_EQ(Src.OutCont(&Dest, nullptr), 3);
    EXPECT_EQ(Dest.Count, 1);
}

TEST(OutContTest, BestDirectionTurnsFurthestRightForAnyHeading)
{
    for (const double heading : {0.0, 90.0, 179.0, 270.0}) {
        SCOPED_TRACE(heading);
        TDirectionMovement* ways = nullptr;
        for (const double turn : {90.0, 0.0, -90.0, 180.0}) // left, ahead, right, back
            AddDirectionMovement(ways)->DA = std::fmod(heading + turn + 360.0, 360.0);
        const TDirectionMovement* best = GetBestDirection(heading, ways);
        ASSERT_NE(best, nullptr);
        EXPECT_NEAR(best->DA, std::fmod(heading + 270.0, 360.0), 1e-12);
        DeleteAllDirection(ways);
        EXPECT_EQ(ways, nullptr);
    }
}

// Boost's ring of a circle with the circle's area, so the union areas agree to 1e-6.
BPolygon CirclePolygon(double cx, double cy, double r)
{
    constexpr int n = 4096;
    const double rr = r * std::sqrt(2 * kPi / (n * std::sin(2 * kPi / n)));
    BPolygon P;
    for (int i = n; i >= 0; --i)
        bg::append(P.outer(),
                   BPoint(cx + rr * std::cos(2 * kPi * i / n), cy + rr * std::sin(2 * kPi * i / n)));
    return P;
}

BPolygon SquarePolygon(double x, double y, double a)
{
    BPolygon P;
    for (const BPoint& p :
         {BPoint(x, y), BPoint(x, y + a), BPoint(x + a, y + a), BPoint(x + a, y), BPoint(x, y)})
        bg::append(P.outer(), p);
    return P;
}

class OutContRandomTest : public ::testing::TestWithParam<int> {};

TEST_P(OutContRandomTest, OutlineAreaMatchesTheUnionsOuterRing)
{
    const int n = GetParam();
    std::mt19937 gen(1000 + n);
    std::uniform_real_distribution<double> U(0, 1);
    TContour Src, Dest;
    BMulti Union;
    double px = 0, py = 0;
    for (int i = 0; i < n; ++i) {
        const bool circle = U(gen) < 0.4;
        const double size = 2 + 6 * U(gen);
        // Each shape covers the centre of a point near the last one, so the set is connected.
        const double cx = px + 2 * U(gen) - 1, cy = py + 2 * U(gen) - 1;
        BPolygon P;
        if (circle) {
            Src.Add(new TCircle(cx, cy, size / 2));
            P = CirclePolygon(cx, cy, size / 2);
        } else {
            SquareAt(Src, cx - size / 2, cy - size / 2, size);
            P = SquarePolygon(cx - size / 2, cy - size / 2, size);
        }
        BMulti next;
        bg::union_(Union, P, next);
        Union = std::move(next);
        px = cx + (U(gen) - 0.5) * size;
        py = cy + (U(gen) - 0.5) * size;
    }
    ASSERT_EQ(Union.size(), 1u);
    const double want = std::fabs(bg::area(Union[0].outer()));
    ASSERT_EQ(Src.OutCont(&Dest, nullptr), 0);
    EXPECT_NEAR(ExactArea(Dest), want, 1e-6 * want);
}

INSTANTIATE_TEST_SUITE_P(Shapes, OutContRandomTest, ::testing::Values(10, 25, 50, 100, 200),
                         [](const ::testing::TestParamInfo<int>& I) {
                             return std::to_string(I.param) + "Shapes";
                         });

// A random scene of n shapes near a wandering point: squares, circles, arcs, polygons and
// now and then a long segment across the scene or a lone point.
void RandomScene(TContour& Src, int n, unsigned seed)
{
    std::mt19937 gen(seed);
    std::uniform_real_distribution<double> U(0, 1);
    double px = 0, py = 0;
    for (int i = 0; i < n; ++i) {
        const double size = 1 + 6 * U(gen), cx = px + 2 * U(gen) - 1, cy = py + 2 * U(gen) - 1;
        const double kind = U(gen);
        if (kind < 0.35) {
            SquareAt(Src, cx - size / 2, cy - size / 2, size);
        } else if (kind < 0.6) {
            Src.Add(new TCircle(cx, cy, size / 2));
        } else if (kind < 0.75) {
            const double sense = U(gen) < 0.5 ? -1 : 1, a1 = 6 * U(gen), a2 = a1 + 0.5 + 4 * U(gen);
            Src.Add(new TArc(cx, cy, sense * size / 2, a1, a2, 0));
        } else if (kind < 0.9) {
            const double dy = U(gen), dx = U(gen);
            contourtest::Polygon(Src, {{cx, cy}, {cx + size, cy + dy}, {cx + dx, cy + size}});
        } else if (kind < 0.97) {
            Src.Add(new TLineSeg(cx - 10 * size, cy - 3 * size, cx + 10 * size, cy + 2 * size));
        } else {
            Src.Add(new TBasePoint(cx, cy));
        }
        px = cx + (U(gen) - 0.5) * size;
        py = cy + (U(gen) - 0.5) * size;
    }
}

void ExpectSameOutline(const TContour& A, const TContour& B)
{
    ASSERT_EQ(A.Count, B.Count);
    for (Integer i = 0; i < A.Count; ++i) {
        SCOPED_TRACE(i);
        ASSERT_EQ(A[i]->IsType(), B[i]->IsType());
        EXPECT_EQ(A[i]->Atr, B[i]->Atr);
        const TPoint2D a0 = A[i]->PointTMin(), a1 = A[i]->PointTMax();
        const TPoint2D b0 = B[i]->PointTMin(), b1 = B[i]->PointTMax();
        EXPECT_EQ(a0.x, b0.x);
        EXPECT_EQ(a0.y, b0.y);
        EXPECT_EQ(a1.x, b1.x);
        EXPECT_EQ(a1.y, b1.y);
        if (A[i]->IsType() == ctCircle || A[i]->IsType() == ctArc) {
            EXPECT_EQ(static_cast<const TCircle*>(A[i])->Radius, static_cast<const TCircle*>(B[i])->Radius);
        }
    }
}

class OutContGridTest : public ::testing::TestWithParam<int> {};

// The grid only spares the walk the items far from each step: code and pieces stay exact.
TEST_P(OutContGridTest, IndexedWalkTracesTheOutlineOfTheWalkOverEveryItem)
{
    const int n = GetParam();
    for (unsigned seed = 1; seed <= 6; ++seed) {
        SCOPED_TRACE(seed);
        TContour Src, Indexed, Every;
        RandomScene(Src, n, seed * 7919u + n);
        const Integer code = OutContWalk(Src, &Indexed, true);
        EXPECT_EQ(code, OutContWalk(Src, &Every, false));
        ExpectSameOutline(Indexed, Every);
        TContour Outline;
        EXPECT_EQ(Src.OutCont(&Outline, nullptr), code);
        ExpectSameOutline(Outline, Every);
    }
}

INSTANTIATE_TEST_SUITE_P(Scenes, OutContGridTest, ::testing::Values(1, 3, 20, 80, 300),
                         [](const ::testing::TestParamInfo<int>& I) {
                             return std::to_string(I.param) + "Shapes";
                         });

} // namespace
