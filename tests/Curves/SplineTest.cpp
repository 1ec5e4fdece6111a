// Hermite and Bezier splines: the worked Hermite parameters and tangents, clamping, the piece
// cache, the Hermite basis against its defining end conditions, and Bezier points.

#include "Spline.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

THermit Corner()
{
    THermit H;
    H.AddPoint(TPoint2D(0, 0));
    H.AddPoint(TPoint2D(10, 0));
    H.AddPoint(TPoint2D(10, 10));
    return H;
}

TEST(THermitTest, TwoPointsGetUnitParametersAndChordTangents)
{
    THermit H;
    H.AddPoint(TPoint2D(0, 0));
    H.AddPoint(TPoint2D(10, 0));
    ASSERT_EQ(H.TParams.Count, 2);
    EXPECT_EQ(H.TParams[0], 0.0);
    EXPECT_EQ(H.TParams[1], 1.0);
    EXPECT_EQ(H.Vectors[0].x, 10.0);
    EXPECT_EQ(H.Vectors[1].x, 10.0);
    EXPECT_EQ(H.Vectors[1].y, 0.0);
    TPoint2D P;
    H.PointOn(0.5, P);
    EXPECT_NEAR(P.x, 5.0, 1e-12);
    EXPECT_NEAR(P.y, 0.0, 1e-12);
}

TEST(THermitTest, ThirdPointOfEqualChordGetsParameterTwoAndItsChordTangent)
{
    const THermit H = Corner();
    ASSERT_EQ(H.TParams.Count, 3);
    EXPECT_NEAR(H.TParams[2], 2.0, 1e-15);
    EXPECT_NEAR(H.Vectors[2].x, 0.0, 1e-15);
    EXPECT_NEAR(H.Vectors[2].y, 10.0, 1e-15);
    EXPECT_EQ(H.Segments, 2);
    EXPECT_EQ(H.uppParam, 2);
}

TEST(THermitTest, PassesThroughItsPointsWithItsTangents)
{
    const THermit H = Corner();
    for (int i = 0; i < 3; ++i) {
        SCOPED_TRACE(i);
        TPoint2D P;
        TVector2D V;
        H.PointOn(H.TParams[i], P);
        H.FirstDer(H.TParams[i], V);
        EXPECT_NEAR(P.x, H.Points[i].x, 1e-12);
        EXPECT_NEAR(P.y, H.Points[i].y, 1e-12);
        EXPECT_NEAR(V.x, H.Vectors[i].x, 1e-12);
        EXPECT_NEAR(V.y, H.Vectors[i].y, 1e-12);
    }
}

TEST(THermitTest, DerivativesAgreeWithDifferences)
{
    const THermit H = Corner();
    const double t = 1.37, h = 1e-5;
    TPoint2D a, b;
    TVector2D d1, d2, d3, e1, e2;
    H.PointOn(t - h, a);
    H.PointOn(t + h, b);
    H.FirstDer(t, d1);
    EXPECT_NEAR(d1.x, (b.x - a.x) / (2 * h), 1e-6);
    EXPECT_NEAR(d1.y, (b.y - a.y) / (2 * h), 1e-6);
    H.FirstDer(t - h, e1);
    H.FirstDer(t + h, e2);
    H.SecondDer(t, d2);
    EXPECT_NEAR(d2.y, (e2.y - e1.y) / (2 * h), 1e-5);
    H.SecondDer(t - h, e1);
    H.SecondDer(t + h, e2);
    H.ThirdDer(t, d3);
    EXPECT_NEAR(d3.y, (e2.y - e1.y) / (2 * h), 1e-4);
}

TEST(THermitTest, BeyondTheEndClampsToTheLastPoint)
{
    const THermit H = Corner();
    TPoint2D P;
    H.PointOn(7.0, P);
    EXPECT_NEAR(P.x, 10.0, 1e-12);
    EXPECT_NEAR(P.y, 10.0, 1e-12);
    double t = -3.0;
    H.LocalCoordinate(t);
    EXPECT_EQ(t, 0.0);
    EXPECT_EQ(H.index1, 0);
}

TEST(THermitTest, NearbyParameterReusesTheCachedPieceUntilReset)
{
    const THermit H = Corner();
    double t = 0.5;
    H.LocalCoordinate(t);
    EXPECT_EQ(H.index1, 0);
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
    TPoint2D P;
    H.PointOn(H.TParams[3], P);
    EXPECT_NEAR(P.x, 0.0, 1e-12);
    EXPECT_NEAR(P.y, 10.0, 1e-12);
    H.PointOn(H.TParams[4] + H.TParams[1], P); // wraps onto point 1
    EXPECT_NEAR(P.x, 10.0, 1e-9);
    EXPECT_NEAR(P.y, 0.0, 1e-9);
}

TBezier OnePiece()
{
    TBezier B;
    for (const TPoint2D& P :
         {TPoint2D(-1, 0), TPoint2D(0, 0), TPoint2D(0, 1), TPoint2D(1, 1), TPoint2D(1, 0), TPoint2D(2, 0)})
        B.AddVertex(P);
    B.splinesCount = 1;
    return B;
}

TEST(TBezierTest, MidPointOfWorkedPiece)
{
    const TBezier B = OnePiece();
    double t = 0.5;
    TPoint2D P;
    B.PointOn(t, P);
    EXPECT_DOUBLE_EQ(P.x, 0.5);
    EXPECT_DOUBLE_EQ(P.y, 0.75);
    t = 1.0;
    B.PointOn(t, P);
    EXPECT_DOUBLE_EQ(P.x, 1.0);
    EXPECT_DOUBLE_EQ(P.y, 0.0);
}

TEST(TBezierTest, OpenChainClampsAndWritesBack)
{
    const TBezier B = OnePiece();
    double t = 2.5;
    TPoint2D P;
    B.PointOn(t, P);
    EXPECT_EQ(t, 1.0);
    EXPECT_DOUBLE_EQ(P.x, 1.0);
    t = -1;
    B.PointOn(t, P);
    EXPECT_EQ(t, 0.0);
    EXPECT_DOUBLE_EQ(P.y, 0.0);
}

TEST(TBezierTest, ClosedChainWrapsIntoTheFirstNode)
{
    TBezier B;
    // Two nodes (0,0) and (4,0) with handles; the second piece returns to the first node.
    for (const TPoint2D& P :
         {TPoint2D(0, -1), TPoint2D(0, 0), TPoint2D(0, 1), TPoint2D(4, 1), TPoint2D(4, 0), TPoint2D(4, -1)})
        B.AddVertex(P);
    B.splinesCount = 2;
    B.Closed = true;
    double t = 2.0; // the end of the last piece is the first node
    TPoint2D P;
    B.PointOn(t, P);
    EXPECT_EQ(t, 2.0);
    EXPECT_DOUBLE_EQ(P.x, 0.0);
    t = 2.5;
    B.PointOn(t, P);
    EXPECT_EQ(t, 0.5);
    EXPECT_DOUBLE_EQ(P.x, 2.0);
    EXPECT_DOUBLE_EQ(P.y, 0.75);
    t = 1.5; // second piece: (4,0), (4,-1), (0,-1), (0,0)
    B.PointOn(t, P);
    EXPECT_DOUBLE_EQ(P.x, 2.0);
    EXPECT_DOUBLE_EQ(P.y, -0.75);
}

} // namespace
