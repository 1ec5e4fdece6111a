// Hermite and Bezier splines: the worked Hermite parameters and tangents, clamping, the piece
// cache, the Hermite basis against its defining end conditions, and Bezier points.

#include "Spline.h"

#include "CurveTestUtil.h"

#include <gtest/gtest.h>

#include <cmath>

using curvetest::Near;
using curvetest::PointAt;

namespace {

THermit Corner()
{
    THermit H;
    H.AddPoint(TPoint2D(0, 0));
    H.AddPoint(TPoint2D(10, 0));
    H.AddPoint(TPoint2D(10, 10));
    return H;
}

TEST(THermitTest, WorkedParametersAndChordTangents)
{
    THermit H;
    H.AddPoint(TPoint2D(0, 0));
    H.AddPoint(TPoint2D(10, 0));
    ASSERT_EQ(H.TParams.Count, 2);
    EXPECT_EQ(H.TParams[0], 0.0);
    EXPECT_EQ(H.TParams[1], 1.0);
    EXPECT_TRUE(Near(H.Vectors[0], 10, 0));
    EXPECT_TRUE(Near(H.Vectors[1], 10, 0));
    EXPECT_TRUE(Near(PointAt(H, 0.5), 5, 0, 1e-12));
    // A third point at an equal chord gets parameter 2 and its own chord as tangent.
    H.AddPoint(TPoint2D(10, 10));
    ASSERT_EQ(H.TParams.Count, 3);
    EXPECT_NEAR(H.TParams[2], 2.0, 1e-15);
    EXPECT_TRUE(Near(H.Vectors[2], 0, 10, 1e-15));
    EXPECT_EQ(H.Segments, 2);
    EXPECT_EQ(H.uppParam, 2);
}

TEST(THermitTest, PassesThroughItsPointsWithItsTangents)
{
    const THermit H = Corner();
    for (int i = 0; i < 3; ++i) {
        SCOPED_TRACE(i);
        TVector2D V;
        H.FirstDer(H.TParams[i], V);
        EXPECT_TRUE(Near(PointAt(H, H.TParams[i]), H.Points[i].x, H.Points[i].y, 1e-12));
        EXPECT_TRUE(Near(V, H.Vectors[i].x, H.Vectors[i].y, 1e-12));
    }
}

TEST(THermitTest, DerivativesAgreeWithDifferences)
{
    const THermit H = Corner();
    const double t = 1.37, h = 1e-5;
    const TPoint2D a = PointAt(H, t - h), b = PointAt(H, t + h);
    TVector2D d1, d2, d3, e1, e2;
    H.FirstDer(t, d1);
    EXPECT_TRUE(Near(d1, (b.x - a.x) / (2 * h), (b.y - a.y) / (2 * h), 1e-6));
    H.FirstDer(t - h, e1);
    H.FirstDer(t + h, e2);
    H.SecondDer(t, d2);
    EXPECT_NEAR(d2.y, (e2.y - e1.y) / (2 * h), 1e-5);
    H.SecondDer(t - h, e1);
    H.SecondDer(t + h, e2);
    H.ThirdDer(t, d3);
    EXPECT_NEAR(d3.y, (e2.y - e1.y) / (2 * h), 1e-4);
}

TEST(THermitTest, BeyondTheEndClampsAndNearbyParameterReusesTheCachedPiece)
{
    const THermit H = Corner();
    EXPECT_TRUE(Near(PointAt(H, 7.0), 10, 10, 1e-12));
    double t = -3.0;
    H.LocalCoordinate(t);
    EXPECT_EQ(t, 0.0);
    EXPECT_EQ(H.index1, 0);
    t = 0.5;
    H.LocalCoordinate(t);
    double near = 0.5 + 5e-9;
    H.index1 = 1; // a reused cache keeps this; a search would restore piece 0
    H.LocalCoordinate(near);
    EXPECT_EQ(H.index1, 1);
    H.ResetTCalc();
    EXPECT_EQ(H.tCalc, TMathDef::UndefinedReal);
    H.LocalCoordinate(near);
    EXPECT_EQ(H.index1, 0);
}

TEST(THermitTest, CoincidentPointsKeepAFiniteParameter)
{
    THermit H;
    H.AddPoint(TPoint2D(0, 0));
    H.AddPoint(TPoint2D(0, 0));
    H.AddPoint(TPoint2D(5, 0));
    ASSERT_EQ(H.TParams.Count, 3);
    EXPECT_TRUE(std::isfinite(H.TParams[2]));
    EXPECT_GT(H.TParams[2], H.TParams[1]);
}

TEST(THermitTest, ClosedSplineKeepsItsClosingParameterLast)
{
    THermit H = Corner();
    H.Closed = true;
    H.TParams.Add(H.TParams.Last() + 1.0); // returns to point 0
    H.Rebuild();
    H.AddPoint(TPoint2D(0, 10));
    ASSERT_EQ(H.TParams.Count, 5);
    for (int i = 1; i < H.TParams.Count; ++i)
        EXPECT_LT(H.TParams[i - 1], H.TParams[i]) << i;
    EXPECT_TRUE(Near(PointAt(H, H.TParams[3]), 0, 10, 1e-12));
    EXPECT_TRUE(Near(PointAt(H, H.TParams[4] + H.TParams[1]), 10, 0, 1e-9)); // wraps onto point 1
}

// Nodes with their handles, three entries each.
TBezier Bezier(std::initializer_list<TPoint2D> entries, Integer pieces, bool closed)
{
    TBezier B;
    for (const TPoint2D& P : entries)
        B.AddVertex(P);
    B.splinesCount = pieces;
    B.Closed = closed;
    return B;
}

// The Bezier point at t, and the parameter written back.
std::pair<TPoint2D, double> BezierAt(const TBezier& B, double t)
{
    TPoint2D P;
    B.PointOn(t, P);
    return {P, t};
}

TEST(TBezierTest, OpenPieceGivesWorkedPointsAndClampsWritingBack)
{
    const TBezier B = Bezier({{-1, 0}, {0, 0}, {0, 1}, {1, 1}, {1, 0}, {2, 0}}, 1, false);
    EXPECT_TRUE(Near(BezierAt(B, 0.5).first, 0.5, 0.75));
    EXPECT_TRUE(Near(BezierAt(B, 1.0).first, 1, 0));
    const auto [end, tEnd] = BezierAt(B, 2.5);
    EXPECT_EQ(tEnd, 1.0);
    EXPECT_TRUE(Near(end, 1, 0));
    const auto [start, tStart] = BezierAt(B, -1);
    EXPECT_EQ(tStart, 0.0);
    EXPECT_TRUE(Near(start, 0, 0));
}

TEST(TBezierTest, ClosedChainWrapsIntoTheFirstNode)
{
    // Two nodes (0,0) and (4,0) with handles; the second piece returns to the first node.
    const TBezier B = Bezier({{0, -1}, {0, 0}, {0, 1}, {4, 1}, {4, 0}, {4, -1}}, 2, true);
    const auto [last, tLast] = BezierAt(B, 2.0); // the end of the last piece is the first node
    EXPECT_EQ(tLast, 2.0);
    EXPECT_EQ(last.x, 0.0);
    const auto [wrapped, tWrapped] = BezierAt(B, 2.5);
    EXPECT_EQ(tWrapped, 0.5);
    EXPECT_TRUE(Near(wrapped, 2, 0.75));
    EXPECT_TRUE(Near(BezierAt(B, 1.5).first, 2, -0.75)); // second piece: (4,0), (4,-1), (0,-1), (0,0)
}

} // namespace
