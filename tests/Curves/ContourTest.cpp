// TContour as a curve: ownership, the contour parameter over segments and arcs, lengths and
// projection.

#include "Contour.h"

#include <gtest/gtest.h>

#include "ContourTestUtil.h"
#include "PolyLine.h"

using contourtest::kPi;

using contourtest::At;
using contourtest::Pt;

namespace {

struct TTrackedSeg : TLineSeg { // counts how many of its kind are alive
    static inline int Alive = 0;
    TTrackedSeg() { ++Alive; }
    ~TTrackedSeg() override { --Alive; }
};

} // namespace

TEST(TContourTest, EmptyContourAnswersWithNeutralValuesAndItemsDieWithTheContour)
{
    {
        TContour C;
        double t = 3.0, s = 7.0;
        EXPECT_TRUE(C.GetTMax() == 0.0 && C.FindSegment(t, s) == -1);
        TPoint2D P(1, 2);
        C.PointOn(0.5, P);
        TRect2D G(1, 1, 2, 2);
        C.Rect(G);
        EXPECT_EQ(Pt(P) + " / " + Pt(G.LD) + " " + Pt(G.RU), "1 2 / 0 0 0 0");
        EXPECT_TRUE(C.Duplicate() == nullptr && !C.IsClosed() && C.GetLS() == nullptr && C.Area() == 0.0);
        C.Add(new TTrackedSeg());
        C.Add(new TTrackedSeg());
    }
    EXPECT_EQ(TTrackedSeg::Alive, 0);
}

TEST(TContourTest, ParameterRunsOverTheItemSpansAndProjectionFindsTheNearest)
{
    TContour C; // spans 1, pi, 1: a segment, the right half circle about (10, 5), a segment
    C.Add(new TLineSeg(0, 0, 10, 0));
    C.Add(new TArc(10, 5, 5, -kPi / 2, kPi / 2, 0));
    C.Add(new TLineSeg(10, 10, 0, 10));
    EXPECT_NEAR(C.GetTMax(), 2 + kPi, 1e-12);
    EXPECT_TRUE(C[1]->Owner == &C && C[1]->Index == 1);
    EXPECT_DOUBLE_EQ(C[2]->startParam, 1 + kPi);
    TPoint2D P;
    C._PointOn(-1.0, P); // extrapolated along the first segment; beyond the end: the end
    EXPECT_EQ(Pt(At(C, 1 + kPi / 2)) + " / " + Pt(At(C, 9)) + " / " + Pt(P), "15 5 / 0 10 / -10 0");
    double t = 1.0, s = -1.0;
    EXPECT_EQ(C.FindSegment(t, s), 1); // a joint belongs to the next item
    EXPECT_EQ(s, 0.0);
    TVector2D V, N; // derivatives come from the item holding t: the arc, not item floor(t) = 2
    C.FirstDer(1 + kPi / 2, V);
    C.NormalOn(1 + kPi / 2, N);
    EXPECT_EQ(Pt(V) + " / " + Pt(N), "0 5 / -1 0");
    EXPECT_NEAR(C.GetMetricLength(), 20 + 5 * kPi, 1e-9);
    EXPECT_NEAR(C.GetMetricLengthPart(0.5, 1.5 + kPi), 10 + 5 * kPi, 1e-9);
    // projection: the nearest point, the earlier item of equal distance
    TContour U;
    contourtest::Polygon(U, {{0, 0}, {10, 0}, {10, 10}, {0, 10}}, true); // three sides
    const TPoint2D eps(1e-6, 1e-6);
    TRegion1D R(0.2, 1.5);
    double u[4] = {-1, -1, -1, -1};
    EXPECT_TRUE(U.NearPointProjection(TPoint2D(5, 5), eps, u[0], false, nullptr)); // all sides 5 away
    U.NearPointProjection(TPoint2D(4, 8), eps, u[1], false, nullptr);
    U.NearPointProjection(TPoint2D(12, -2), eps, u[2], false, nullptr); // beyond a corner: the corner
    U.NearPointProjection(TPoint2D(4, 8), eps, u[3], false, &R);        // a given region keeps it inside
    EXPECT_EQ(contourtest::Text({u[0], u[1], u[2], u[3]}), "0.5 2.6 1 1.5");
}
