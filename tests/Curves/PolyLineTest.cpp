// TPolyLine as a curve: evaluation, the empty polyline, sides, self-crossings, the stream form,
// and drawing through a recording modeller.

#include "PolyLine.h"

#include "CurveTestUtil.h"
#include "RecordingModeler.h"
#include "SolverInterSect.h"

#include <gtest/gtest.h>

#include <cmath>
#include <random>
#include <string>
#include <tuple>
#include <vector>

namespace {

using curvetest::PointAt;

TPolyLine Make(std::initializer_list<TPoint2D> points, Integer segments, bool closed = false)
{
    TPolyLine L;
    for (const TPoint2D& P : points)
        L.AddVertex(P);
    L.Segments = segments;
    L.Closed = closed;
    return L;
}

// The square 0..10 counterclockwise, four pieces (the last back to the first vertex).
TPolyLine Square10()
{
    return Make({{0, 0}, {10, 0}, {10, 10}, {0, 10}}, 4);
}

// A polyline that reports itself closed, to reach the wrap of the parameter.
class TClosedPolyLine : public TPolyLine {
public:
    bool IsClosed() const override { return true; }
};

#define EXPECT_POINT(P, ex, ey) EXPECT_LE(TPoint2D(P).DistanceTo(TPoint2D(ex, ey)), 1e-12)

} // namespace

TEST(TPolyLineTest, PointOnRunsPieceByPieceAndClampsOpenEnds)
{
    const TPolyLine L = Make({{0, 0}, {10, 0}, {10, 10}}, 2);
    EXPECT_POINT(PointAt(L, 0.5), 5, 0);
    EXPECT_POINT(PointAt(L, 1.0), 10, 0); // a whole t ends the previous piece
    EXPECT_POINT(PointAt(L, 1.25), 10, 2.5);
    EXPECT_POINT(PointAt(L, 2.5), 10, 10);
    EXPECT_POINT(PointAt(L, -3.0), 0, 0);

    TClosedPolyLine W;
    for (TPoint2D P : {TPoint2D(0, 0), TPoint2D(10, 0), TPoint2D(10, 10), TPoint2D(0, 10)})
        W.AddVertex(P);
    double t = 4.0, u = -1.0; // range [0, 3]: one turn of 3 back, and forward
    W.CheckParameter(t);
    W.CheckParameter(u);
    EXPECT_DOUBLE_EQ(t, 1.0);
    EXPECT_DOUBLE_EQ(u, 2.0);
    EXPECT_POINT(PointAt(W, 3.5), 5, 0); // wrapped to 0.5
}

TEST(TPolyLineTest, EmptyPolylineAnswersEveryQueryWithoutDividingByZero)
{
    TPolyLine L;
    L.Set(2, 3); // the anchor point stands in for missing vertices
    EXPECT_POINT(PointAt(L, 0.7), 2, 3);
    TVector2D V(9, 9);
    L.FirstDer(0.7, V);
    EXPECT_POINT(V, 0, 0);
    double t = 5.0;
    EXPECT_FALSE(L.NearPointProjection(TPoint2D(1, 1), TPoint2D(1e-4, 1e-4), t, true, nullptr));
    EXPECT_EQ(t, 0.0);
    EXPECT_EQ(std::make_tuple(L.PointRelative(TPoint2D(1, 1), 1e-6), L.NearestSegment(TPoint2D(1, 1)),
                              L.Len(), L.OrientationArea()),
              std::make_tuple(tl_Right, -1, 0.0, 0.0));
    TRect2D R(1, 2, 3, 4);
    L.Rect(R);
    EXPECT_POINT(R.LD, 1, 2);
    TArrayOf<double> cross(8, 8);
    L.InterSectHorizontal(0, cross);
    EXPECT_EQ(cross.Count, 0);
    EXPECT_EQ(L.DistanceTo(TPoint2D(5, 7)), 5.0); // from the anchor (2, 3)

    // One vertex with a piece of its own: degenerate, still finite.
    TPolyLine One = Make({{4, 4}}, 1);
    EXPECT_POINT(PointAt(One, 0.5), 4, 4);
    EXPECT_EQ(One.PointRelative(TPoint2D(5, 5), 1e-6), tl_Right);
    EXPECT_TRUE(One.NearPointProjection(TPoint2D(5, 5), TPoint2D(1e-4, 1e-4), t, false, nullptr));
    EXPECT_EQ(t, 0.0);
}

TEST(TPolyLineTest, PointRelativeMatchesInsideOfCounterclockwiseSquare)
{
    const TPolyLine S = Square10();
    EXPECT_EQ(S.PointRelative(TPoint2D(5, 5), 1e-6), tl_Left);
    EXPECT_EQ(S.PointRelative(TPoint2D(5, -1), 1e-6), tl_Right);
    EXPECT_EQ(S.PointRelative(TPoint2D(5, 0), 1e-6), tl_On);
    EXPECT_EQ(S.PointRelative(TPoint2D(12, -2), 1e-6), tl_Right); // past a corner
    EXPECT_EQ(S.PointRelative(TPoint2D(9, 1), 1e-6), tl_Left);
    EXPECT_EQ(S.PointRelative(TPoint2D(5, 0.5), 1.0), tl_On); // within eps

    std::mt19937 gen(7);
    std::uniform_real_distribution<double> U(-5, 15);
    for (int k = 0; k < 2000; ++k) {
        const TPoint2D P(U(gen), U(gen));
        const double border = std::fmin(std::fmin(std::fabs(P.x), std::fabs(P.x - 10)),
                                        std::fmin(std::fabs(P.y), std::fabs(P.y - 10)));
        if (border < 1e-3) continue;
        const bool inside = P.x > 0 && P.x < 10 && P.y > 0 && P.y < 10;
        SCOPED_TRACE(::testing::Message() << P.x << ", " << P.y);
        EXPECT_EQ(S.PointRelative(P, 1e-6), inside ? tl_Left : tl_Right);
    }
}

TEST(TPolyLineTest, SelfIntersectCountsCrossingsAndSharedVertices)
{
    const TPolyLine Bow = Make({{0, 0}, {10, 10}, {10, 0}, {0, 10}}, 4);
    TInterSector Tool;
    EXPECT_EQ(Bow.SelfIntersections(TRegion1D(0, 4), Tool, false), -5);
    ASSERT_EQ(Tool.ACrossPoint.Count, 5);
    int middles = 0;
    for (const TCrossPoint& C : Tool.ACrossPoint) {
        ASSERT_NE(C.on1.curve, nullptr); // the pieces named by the records are alive
        EXPECT_NEAR(PointAt(*C.on1.curve, C.on1.t).DistanceTo(C.p), 0.0, 1e-9);
        if (C.p.DistanceTo(TPoint2D(5, 5)) < 1e-9) {
            ++middles;
            EXPECT_NEAR(C.on1.t, 0.5, 1e-12);
            EXPECT_NEAR(C.on2.t, 0.5, 1e-12);
        }
    }
    EXPECT_EQ(middles, 1);

    TInterSector Tool2;
    EXPECT_TRUE(Square10().SelfIntersect(TRegion1D(0, 4), Tool2, false));
    EXPECT_EQ(Tool2.ACrossPoint.Count, 4); // the four corners only
}

TEST(TPolyLineTest, StreamFormIsThePointRecord)
{
    TPolyLine A = Make({{1, 1}, {2, 2}}, 1);
    A.Name2 = 7;
    A.Atr = 3;
    A.Set(1.5, -2);
    const streamtest::Bytes bytes = curvetest::StoredBytes(A);
    streamtest::Bytes expected = streamtest::Ints({7, 3});
    for (double v : {1.5, -2.0}) {
        const auto* b = reinterpret_cast<const Byte*>(&v);
        expected.insert(expected.end(), b, b + 8);
    }
    EXPECT_EQ(bytes, expected); // the vertices are not part of the record

    TPolyLine B;
    curvetest::LoadFrom(B, bytes);
    EXPECT_EQ(std::make_tuple(B.Name2, B.Atr, B.x, B.y, B.Points.Count), std::make_tuple(7, 3, 1.5, -2.0, 0));
}

namespace {

// Maps the ends of every line through the modeller's placement stack before journaling them,
// as the facade does when it draws into a document.
class TPlacedRecorder : public TRecordingModeler {
public:
    void drLine(Real const& x1, Real const& y1, Real const& x2, Real const& y2, Integer Attr) override
    {
        Real X1, Y1, X2, Y2;
        R2->Transf2D.xyMtr(x1, y1, X1, Y1);
        R2->Transf2D.xyMtr(x2, y2, X2, Y2);
        TRecordingModeler::drLine(X1, Y1, X2, Y2, Attr);
    }
};

} // namespace

TEST(TPolyLineTest, DrawPolygonSendsOneLinePerPieceThroughThePlacement)
{
    TPolyLine L = Make({{0, 0}, {10, 0}, {10, 10}}, 2, true);
    TPlacedRecorder M;
    L.drPolygon(M, 2);
    EXPECT_EQ(M.Texts(), (std::vector<std::string>{"drLine(0, 0, 10, 0, 2)", "drLine(10, 0, 10, 10, 2)",
                                                   "drLine(0, 0, 10, 10, 2)"}));

    // Origin (100, 50), turned 90 degrees, scale 2: (x, y) -> (100 - 2y, 50 + 2x).
    M.ClearJournal();
    M.drMtr(100, 50, 90, 2);
    L.drPolygon(M, 1);
    M.drDeleteMtr();
    EXPECT_EQ(M.Texts(),
              (std::vector<std::string>{"drLine(100, 50, 100, 70, 1)", "drLine(100, 70, 80, 70, 1)",
                                        "drLine(100, 50, 80, 70, 1)"}));

    M.ClearJournal();
    L.Closed = false;
    L.drPolygon(M, 0);
    TPolyLine Two = Make({{0, 0}, {1, 0}}, 1, true); // closing needs three vertices
    Two.drPolygon(M, 0);
    EXPECT_EQ(M.Texts(), (std::vector<std::string>{"drLine(0, 0, 10, 0, 0)", "drLine(10, 0, 10, 10, 0)",
                                                   "drLine(0, 0, 1, 0, 0)"}));
}
