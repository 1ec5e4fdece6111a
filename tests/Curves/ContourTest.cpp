// TContour as a curve: ownership, the contour parameter over segments and arcs, lengths and
// projection.

#include "Contour.h"

#include <gtest/gtest.h>

#include "Arc.h"
#include "ContourTestUtil.h"
#include "Elements.h"
#include "LineSeg.h"
#include "PolyLine.h"
#include "Transf2D.h"

#include <memory>

using contourtest::kPi;

using contourtest::PointAt;
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
        EXPECT_EQ(C.GetTMax(), 0.0);
        EXPECT_EQ(C.FindSegment(t, s), -1);
        TPoint2D P(1, 2);
        C.PointOn(0.5, P);
        TRect2D G(1, 1, 2, 2);
        C.Rect(G);
        EXPECT_EQ(Pt(P) + " / " + Pt(G.LD) + " " + Pt(G.RU), "1 2 / 0 0 0 0");
        EXPECT_EQ(C.Duplicate(), nullptr);
        EXPECT_FALSE(C.IsClosed());
        EXPECT_EQ(C.GetLS(), nullptr);
        EXPECT_EQ(C.Area(), 0.0);
        C.Add(new TTrackedSeg());
        C.Add(std::make_unique<TTrackedSeg>()); // the owning form of Add
        EXPECT_EQ(C.Count, 2);
        EXPECT_EQ(TTrackedSeg::Alive, 2);
    }
    EXPECT_EQ(TTrackedSeg::Alive, 0);
}

TEST(TContourTest, MtrMovesEveryKindOfItemByTheSameMatrix)
{
    // Mtr(100, 50, 90, 2) maps (x, y) to (100 - 2y, 50 + 2x). Circles and points map through
    // the placement stack; the result must not depend on what the stack holds.
    ASSERT_NE(drApi::Transf2D, nullptr);
    for (const bool enclosed : {false, true}) {
        SCOPED_TRACE(enclosed ? "inside a placement" : "empty stack");
        if (enclosed) drApi::Transf2D->drMtr(1000, -1000, 30, 3, true);
        const Integer depth = drApi::Transf2D->AMtr.Count;
        TContour C;
        C.Add(std::make_unique<TLineSeg>(0, 0, 10, 0));
        C.Add(std::make_unique<TArc>(10, 0, 5, 0, kPi / 2, 0));
        C.Add(std::make_unique<TCircle>(3, 4, 1.5));
        C.Add(std::make_unique<TBasePoint>(1, -1));
        C.Mtr(100, 50, 90, 2);
        EXPECT_EQ(drApi::Transf2D->AMtr.Count, depth) << "the contour's matrix is popped again";
        if (enclosed) drApi::Transf2D->drDeleteMtr();

        const auto& S = static_cast<const TLineSeg&>(*C[0]);
        EXPECT_EQ(Pt(TPoint2D(S.x, S.y)), "100 50");
        EXPECT_EQ(Pt(TPoint2D(S.xk, S.yk)), "100 70");
        const auto& A = static_cast<const TArc&>(*C[1]);
        EXPECT_EQ(Pt(TPoint2D(A.x, A.y)), "100 70");
        EXPECT_NEAR(A.Radius, 10.0, 1e-12);
        EXPECT_EQ(Pt(A.PointTMin()), "100 80");
        const auto& O = static_cast<const TCircle&>(*C[2]);
        EXPECT_EQ(Pt(TPoint2D(O.x, O.y)), "92 56");
        EXPECT_NEAR(O.Radius, 3.0, 1e-12);
        const auto& P = static_cast<const TBasePoint&>(*C[3]);
        EXPECT_EQ(Pt(TPoint2D(P.x, P.y)), "102 52");
    }
}

TEST(TContourTest, ParameterRunsOverTheItemSpansAndProjectionFindsTheNearest)
{
    TContour C; // spans 1, pi, 1: a segment, the right half circle about (10, 5), a segment
    C.Add(new TLineSeg(0, 0, 10, 0));
    C.Add(new TArc(10, 5, 5, -kPi / 2, kPi / 2, 0));
    C.Add(new TLineSeg(10, 10, 0, 10));
    EXPECT_NEAR(C.GetTMax(), 2 + kPi, 1e-12);
    EXPECT_EQ(C[1]->Owner, &C);
    EXPECT_EQ(C[1]->Index, 1);
    EXPECT_DOUBLE_EQ(C[2]->startParam, 1 + kPi);
    TPoint2D P;
    C._PointOn(-1.0, P); // extrapolated along the first segment; beyond the end: the end
    EXPECT_EQ(Pt(PointAt(C, 1 + kPi / 2)) + " / " + Pt(PointAt(C, 9)) + " / " + Pt(P), "15 5 / 0 10 / -10 0");
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
