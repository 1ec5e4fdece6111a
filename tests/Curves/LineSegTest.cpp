// Segment and infinite line: worked examples, records, parts, offsets, axis crossings and
// projection against dense sampling.

#include "CurveTestUtil.h"

#include <gtest/gtest.h>

#include <tuple>

using namespace curvetest;

namespace {

const TLineSeg Base(0, 0, 10, 0);

} // namespace

TEST(TLineSegTest, TextAndEvaluation) {
    EXPECT_EQ(TString(Base), TString("LS (  0.000,  0.000 -  10.000 ,   0.000)"));
    EXPECT_EQ(TString(TLine(0, 0, 1, -2.5)), TString("L (  0.000,  0.000 -   1.000 ,  -2.500)"));
    TPoint2D P, Q, R, S;
    Base.PointOn(2, P); // clamped
    Base._PointOn(2, Q);
    Base.PointOn(-1, R);
    TLine(0, 0, 10, 0).PointOn(-3, S); // unbounded
    EXPECT_EQ(std::make_tuple(P.x, Q.x, R.x, S.x), std::make_tuple(10.0, 20.0, 0.0, -30.0));
}

TEST(TLineSegTest, ProjectionSnapsWithinTwoMicronsOfLength) {
    double t = -7;
    EXPECT_TRUE(Base.NearPointProjection(TPoint2D(4, 3), TPoint2D(), t, false, nullptr));
    EXPECT_DOUBLE_EQ(t, 0.4);
    EXPECT_FALSE(Base.NearPointProjection(TPoint2D(-1, 0), TPoint2D(), t, false, nullptr));
    EXPECT_DOUBLE_EQ(t, -0.1);
    EXPECT_TRUE(Base.NearPointProjection(TPoint2D(1e-6, 5), TPoint2D(), t, false, nullptr));
    EXPECT_EQ(t, 0.0);
    EXPECT_TRUE(Base.NearPointProjection(TPoint2D(1e-6, 5), TPoint2D(), t, true, nullptr));
    EXPECT_DOUBLE_EQ(t, 1e-7); // ext: no snap
    TRegion1D R(0.5, 0.8);
    EXPECT_FALSE(Base.NearPointProjection(TPoint2D(4, 3), TPoint2D(), t, false, &R));
    t = 42;
    EXPECT_FALSE(TLineSeg(0, 0, 1e-11, 0).NearPointProjection(TPoint2D(4, 3), TPoint2D(), t, false, nullptr));
    EXPECT_EQ(t, 42.0);
    const TLine L(0, 0, 10, 0);
    EXPECT_TRUE(L.NearPointProjection(TPoint2D(-30, 1), TPoint2D(), t, false, nullptr));
    EXPECT_DOUBLE_EQ(t, -3.0);
}

TEST(TLineSegTest, SideOfAPoint) {
    EXPECT_EQ(Base.PointRelative(TPoint2D(5, 1), 1e-6), 1);
    EXPECT_EQ(Base.PointRelative(TPoint2D(5, -1), 1e-6), -1);
    EXPECT_EQ(Base.PointRelative(TPoint2D(20, 0), 1e-6), 0);
    // The segment measures the sine, the line the raw cross product.
    EXPECT_EQ(Base.PointRelative(TPoint2D(5, 0.1), 0.05), 0);
    EXPECT_EQ(TLine(0, 0, 10, 0).PointRelative(TPoint2D(5, 0.1), 0.05), 1);
    EXPECT_EQ(TLine(0, 0, 10, 0).PointRelative(TPoint2D(5, -0.001), 0.05), 0);
}

TEST(TLineSegTest, OffsetMovesToTheLeft) {
    std::unique_ptr<TCurve2D> O(Base.Offset(2));
    const auto* S = dynamic_cast<const TLineSeg*>(O.get());
    ASSERT_NE(S, nullptr);
    EXPECT_EQ(std::make_tuple(S->y, S->yk, S->xk), std::make_tuple(2.0, 2.0, 10.0));
    EXPECT_EQ(TLineSeg(1, 1, 1 + 1e-6, 1).Offset(2), nullptr);
    std::unique_ptr<TCurve2D> LO(TLine(0, 0, 0, 5).Offset(1));
    const auto* L = dynamic_cast<const TLine*>(LO.get());
    ASSERT_NE(L, nullptr);
    EXPECT_EQ(std::make_pair(L->x, L->x2), std::make_pair(-1.0, -1.0));
}

TEST(TLineSegTest, PartsKeptAndRemoved) {
    TCurve2D* part2 = nullptr;
    TLineSeg S = Base;
    EXPECT_EQ(S.DeletePart(0.3, 0.6, part2), 1);
    std::unique_ptr<TCurve2D> rest(part2);
    EXPECT_DOUBLE_EQ(S.xk, 3.0);
    const auto* R = dynamic_cast<const TLineSeg*>(rest.get());
    ASSERT_NE(R, nullptr);
    EXPECT_EQ(std::make_pair(R->x, R->xk), std::make_pair(6.0, 10.0));

    S = Base;
    EXPECT_EQ(S.DeletePart(0, 1, part2), 2);
    EXPECT_EQ(part2, nullptr);
    EXPECT_EQ(S.x, 10.0);
    S = Base;
    EXPECT_EQ(S.DeletePart(0, 0.4, part2), 1);
    EXPECT_DOUBLE_EQ(S.x, 4.0);
    EXPECT_EQ(part2, nullptr);

    S = Base;
    EXPECT_EQ(S.TrimmPart(-1, 0.25, part2), 1);
    EXPECT_EQ(S.x, 0.0);
    EXPECT_DOUBLE_EQ(S.xk, 2.5);
    EXPECT_EQ(S.TrimmPart(0.5, 0.5, part2), 2);

    double t1 = 0.8, t2 = 0.2;
    std::unique_ptr<TCurve2D> T(Base.Trimmed(t1, t2, 1));
    EXPECT_EQ(t1, 0.2);
    const auto* TS = dynamic_cast<const TLineSeg*>(T.get());
    ASSERT_NE(TS, nullptr);
    EXPECT_EQ(std::make_pair(TS->x, TS->xk), std::make_pair(2.0, 8.0));
    t1 = 0.2, t2 = 0.8;
    T.reset(Base.Trimmed(t1, t2, -1));
    EXPECT_DOUBLE_EQ(static_cast<const TLineSeg*>(T.get())->x, 8.0);
    t1 = t2 = 0.5;
    EXPECT_EQ(Base.Trimmed(t1, t2, 1), nullptr);
}

TEST(TLineSegTest, AxisCrossings) {
    TArrayOf<double> A(1, 1);
    Base.InterSectHorizontal(0, A);
    ASSERT_EQ(A.Count, 2);
    EXPECT_EQ(std::make_pair(A[0], A[1]), std::make_pair(0.0, 1.0));
    A.Count = 0;
    const TLineSeg D(0, 0, 10, 10);
    D.InterSectHorizontal(5, A);
    D.InterSectHorizontal(5, A);
    ASSERT_EQ(A.Count, 1);
    EXPECT_DOUBLE_EQ(A[0], 0.5);
    D.InterSectHorizontal(20, A);
    D.InterSectVertical(2, A);
    ASSERT_EQ(A.Count, 2);
    EXPECT_DOUBLE_EQ(A[1], 0.2);
    A.Count = 0;
    TLine(0, 0, 1, 2).InterSectHorizontal(10, A); // any parameter, the line is unbounded
    ASSERT_EQ(A.Count, 1);
    EXPECT_DOUBLE_EQ(A[0], 5.0);
    TLine(0, 0, 1, 0).InterSectHorizontal(10, A); // parallel
    EXPECT_EQ(A.Count, 1);
}

TEST(TLineSegTest, DuplicateThroughTheBaseKeepsTheClass) {
    TLine L(1, 2, 3, 4);
    L.Atr = 5;
    const TCurve2D* C = &L;
    std::unique_ptr<TCurve2D> D(C->Duplicate());
    const auto* LD = dynamic_cast<const TLine*>(D.get());
    ASSERT_NE(LD, nullptr);
    EXPECT_EQ(std::make_tuple(LD->x2, LD->y2, LD->Atr), std::make_tuple(3.0, 4.0, 5));
    EXPECT_DOUBLE_EQ(TLine(0, 0, 2, 0).Projection(TPoint2D(3, 4)), 1.5);
    TPoint2D F;
    TLine(0, 0, 2, 0).Projection(TPoint2D(3, 4), F);
    EXPECT_EQ(std::make_pair(F.x, F.y), std::make_pair(3.0, 0.0));
    EXPECT_EQ(TLine(1, 1, 1, 1).Projection(TPoint2D(3, 4)), 0.0);
    const TLineSeg Long(L);
    EXPECT_EQ(std::make_tuple(Long.x, Long.yk, Long.Atr), std::make_tuple(1.0 - 2e6, 2.0 + 2e6, 5));
}

TEST(TLineSegTest, RecordsRoundTrip) {
    TLineSeg S(1.5, -2, 3, 4.25);
    S.Name2 = 3;
    S.Atr = 9;
    const auto bytes = StoredBytes(S);
    ASSERT_EQ(bytes.size(), 40u);
    TLineSeg S2;
    LoadFrom(S2, bytes);
    EXPECT_EQ(StoredBytes(S2), bytes);
    EXPECT_EQ(S2.xk, 3.0);
    TLine L(7, 8, 9, 10), L2;
    LoadFrom(L2, StoredBytes(L));
    EXPECT_EQ(std::make_pair(L2.x2, L2.y), std::make_pair(9.0, 8.0));
}

TEST(TLineSegTest, ProjectionIsNoFartherThanAnySample) {
    TRandomCurves gen(11);
    for (int k = 0; k < 200; ++k) {
        SCOPED_TRACE(k);
        const auto S = gen.Segment();
        const TPoint2D P = gen.P();
        const double d = S->DistanceTo(P);
        EXPECT_LE(d, NearestSample(Samples(*S, 10000), P) + 1e-9);
        EXPECT_NEAR(d, P.DistanceTo(*S), 1e-9);
        const auto L = gen.Line();
        EXPECT_LE(L->DistanceTo(P), NearestSample(Samples(*L, 10000, -20, 20), P) + 1e-9);
    }
}
