// The crossing collector and its solvers: records and links, tangent pairs and solver edge
// cases, and a cross-check of every pair of simple curve kinds against dense sampling of
// random pairs.

#include "SolverInterSect.h"
#include "CurveTestUtil.h"

#include <gtest/gtest.h>

#include <utility>

using namespace curvetest;

namespace {

// Signed measure of the side of P against C: distance to the supporting line of a straight
// curve, distance to the circle of a circular one.
double SideOf(const TCurve2D& C, const TPoint2D& P)
{
    if (C.IsType() == ctCircle || C.IsType() == ctArc) {
        const auto& K = static_cast<const TCircle&>(C);
        return std::hypot(P.x - K.x, P.y - K.y) - K.Radius;
    }
    TPoint2D A, B;
    C._PointOn(0, A);
    C._PointOn(1, B);
    return ((B - A) ^ (P - A)) / A.DistanceTo(B);
}

// Whether Q lies on C's own extent at least margin from its ends (a line has no ends).
bool InsideExtent(const TCurve2D& C, const TPoint2D& Q, double margin)
{
    switch (C.IsType()) {
    case ctLineSeg: {
        const auto& S = static_cast<const TLineSeg&>(C);
        const TVector2D d(S.xk - S.x, S.yk - S.y);
        const double t = ((Q - TPoint2D(S.x, S.y)) | d) / d.SqrLen();
        return t * d.Len() > margin && (1 - t) * d.Len() > margin;
    }
    case ctArc: {
        const auto& A = static_cast<const TArc&>(C);
        double t = TVector2D(Q.x - A.x, Q.y - A.y).AngleInRadian();
        A.AngleToParam(t);
        return t * A.Radius > margin && (A.GetTMax() - t) * A.Radius > margin;
    }
    default:
        return true;
    }
}

// The parameter window a test samples: the curve's interval, a window of the unbounded line.
std::pair<double, double> Window(const TCurve2D& C)
{
    if (C.IsType() != ctLine) return {C.GetTMin(), C.GetTMax()};
    const auto& L = static_cast<const TLine&>(C);
    const double k = 60.0 / std::hypot(L.x2 - L.x, L.y2 - L.y);
    return {-k, k};
}

// Distance from P to C over [t0, t1] by sampling, refined twice around the nearest sample.
double SampledDistance(const TCurve2D& C, const TPoint2D& P, double t0, double t1)
{
    const int n = 2000;
    double best = 1e300;
    for (int pass = 0; pass < 3; ++pass) {
        double bestT = t0;
        for (int i = 0; i <= n; ++i) {
            const double t = t0 + (t1 - t0) * i / n;
            TPoint2D Q;
            C._PointOn(t, Q);
            if (Q.DistanceTo(P) < best) {
                best = Q.DistanceTo(P);
                bestT = t;
            }
        }
        const double h = (t1 - t0) / n;
        t0 = std::fmax(t0, bestT - h);
        t1 = std::fmin(t1, bestT + h);
    }
    return best;
}

} // namespace

TEST(TInterSectorTest, LinksAndTheirRemoval)
{
    const TLineSeg A(0, 0, 10, 0), B(10, 0, 10, 10), C(5, -5, 5, 5);
    TInterSector IS;
    EXPECT_EQ(IS.InterSection(&A, &B), 1);
    EXPECT_TRUE(IS.ACrossPoint[0].IsLink(1e-4));
    EXPECT_EQ(IS.InterSection(&A, &C), 1);
    EXPECT_FALSE(IS.ACrossPoint[1].IsLink(1e-4));
    EXPECT_EQ(IS.InterSection(&B, &A), 1);
    EXPECT_TRUE(IS.ACrossPoint[2].IsLink(1e-4));
    TCrossPoint none;
    EXPECT_FALSE(none.IsLink(1.0));
    IS.DeleteLinkCrossPoint(nullptr);
    ASSERT_EQ(IS.ACrossPoint.Count, 1);
    EXPECT_EQ(IS.ACrossPoint[0].on2.curve, &C);
    ASSERT_EQ(TestA.Count, 9);
    EXPECT_EQ(TestA[0], TString("0"));
    EXPECT_EQ(TestA[1], TString("   0.50"));
    EXPECT_EQ(TestA[3], TString("   1.00"));
}

// Touching pairs, which the sampling below cannot decide, and solver edge cases found by hand.
TEST(TInterSectorTest, TangentPairsAndSolverEdgeCases)
{
    TInterSector IS;
    const TCircle C(0, 0, 5);
    const TLineSeg touch(-10, 5 + 1e-6, 10, 5 + 1e-6);
    EXPECT_EQ(IS.InterSection(&touch, &C), 1);
    EXPECT_NEAR(IS.ACrossPoint[0].p.x, 0.0, 1e-12);
    EXPECT_NEAR(IS.ACrossPoint[0].on2.t, kPi / 2, 1e-12);
    // Circles touching from outside and from inside, in either order: the point both share.
    const TCircle A(0, 0, 3), outside(8, 0, 5), inside(1, 0, 2);
    for (const auto& [c1, c2] :
         {std::pair(&A, &outside), std::pair(&A, &inside), std::pair(&outside, &A), std::pair(&inside, &A)}) {
        TInterSector T;
        ASSERT_EQ(T.InterSection(c1, c2), 1);
        EXPECT_NEAR(T.ACrossPoint[0].p.DistanceTo(TPoint2D(3, 0)), 0.0, 1e-12);
    }
    TInterSector T;
    ASSERT_EQ(T.InterSection(&inside, &A), 1);
    EXPECT_NEAR(std::fabs(T.ACrossPoint[0].on1.t) + std::fabs(T.ACrossPoint[0].on2.t), 0.0, 1e-12);
    EXPECT_EQ(IS.InterSectCircleCircle(&A, &A), -2);
    const TCircle unit(0, 0, 1);
    EXPECT_EQ(IS.InterSectCircleCircle(&A, &unit), -1);
    // The foot of the centre lies beyond the segment's start: the crossing is still exact.
    TInterSector F;
    const TLineSeg beyond(3, 3, 20, 3);
    ASSERT_EQ(F.InterSection(&beyond, &C), 1);
    EXPECT_NEAR(F.ACrossPoint[0].p.x, 4.0, 1e-12);
    EXPECT_NEAR(F.ACrossPoint[0].on1.t, 1.0 / 17.0, 1e-12);
    // A vertical line through the centre, found through its long segment.
    TInterSector L;
    const TLine V(5, 0, 5, 1);
    const TCircle K(5, 0, 1);
    EXPECT_EQ(V.InterSect(&K, L), 2);
    ASSERT_EQ(L.ACrossPoint.Count, 2);
    for (const TCrossPoint& X : L.ACrossPoint) {
        EXPECT_EQ(X.on1.curve, &V); // the line itself, with its own parameter
        EXPECT_LT(PointAt(V, X.on1.t).DistanceTo(X.p) + X.p.DistanceTo(TPoint2D(5, X.p.y > 0 ? 1 : -1)),
                  1e-8);
    }
}

// Every pair of simple kinds (0 point, 1 segment, 2 line, 3 circle, 4 arc), in both orders.
TEST(TInterSectorTest, RandomPairsAgreeWithSampling)
{
    TRandomCurves gen(2024);
    int reported = 0, expected = 0;
    for (int k1 = 0; k1 < 5; ++k1) {
        for (int k2 = 0; k2 < 5; ++k2) {
            for (int n = 0; n < 400; ++n) {
                SCOPED_TRACE(::testing::Message() << "kinds " << k1 << "," << k2 << " case " << n);
                auto C1 = gen.Of(k1);
                auto C2 = gen.Of(k2);
                if (k1 == 0 && k2 != 0) { // put the point near the curve
                    const auto [t0, t1] = Window(*C2);
                    TPoint2D Q;
                    C2->_PointOn(gen.U(t0, t1), Q);
                    const double r = gen.U(0, 0.002), a = gen.U(0, 2 * kPi);
                    static_cast<TBasePoint&>(*C1).Set(Q.x + r * std::cos(a), Q.y + r * std::sin(a));
                }
                TInterSector IS;
                const Integer got = IS.InterSection(C1.get(), C2.get());
                ASSERT_EQ(got, IS.ACrossPoint.Count);
                reported += got;
                const double tol = (k1 == 0 || k2 == 0) ? 1e-3 : 1e-5;
                // A point's parameter on an arc snaps to an end within 1e-3 rad of it.
                const double snapReach = k1 == 0 && k2 == 4 ? 1e-3 * static_cast<TArc&>(*C2).Radius : 0.0;
                for (const TCrossPoint& X : IS.ACrossPoint) {
                    ASSERT_NE(X.on1.curve, nullptr);
                    ASSERT_NE(X.on2.curve, nullptr);
                    EXPECT_NE(X.on1.curve, X.on2.curve);
                    EXPECT_LE(C1->DistanceTo(X.p), tol);
                    EXPECT_LE(C2->DistanceTo(X.p), tol);
                    for (const TPointOnCurve* on : {&X.on1, &X.on2})
                        EXPECT_LE(PointAt(*on->curve, on->t).DistanceTo(X.p), tol + snapReach);
                }
                if (k1 == 0) {
                    if (k2 == 0) continue;
                    const auto [t0, t1] = Window(*C2);
                    const double d = SampledDistance(*C2, static_cast<TBasePoint&>(*C1), t0, t1);
                    if (d < 0.0009) {
                        EXPECT_EQ(got, 1);
                    } else if (d > 0.0011) {
                        EXPECT_EQ(got, 0);
                    }
                    continue;
                }
                if (k2 == 0) {
                    EXPECT_EQ(got, 0); // a point as the second curve is not solved
                    continue;
                }
                // Sign changes of C2's side along C1, away from the ends of both.
                const auto [t0, t1] = Window(*C1);
                const auto S = Samples(*C1, 4000, t0, t1);
                const double spacing = S[0].DistanceTo(S[1]) + S[2000].DistanceTo(S[2001]);
                for (std::size_t i = 2; i + 2 < S.size(); ++i) {
                    const double f0 = SideOf(*C2, S[i - 1]), f1 = SideOf(*C2, S[i]);
                    if (f0 * f1 >= 0) continue;
                    const TPoint2D Q = S[i - 1] + TVector2D(S[i - 1], S[i]) * (f0 / (f0 - f1));
                    if (!InsideExtent(*C2, Q, 0.01)) continue;
                    ++expected;
                    double best = 1e300;
                    for (const TCrossPoint& X : IS.ACrossPoint)
                        best = std::fmin(best, X.p.DistanceTo(Q));
                    EXPECT_LE(best, 2 * spacing + 0.01);
                }
            }
        }
    }
    EXPECT_GT(expected, 2000);
    EXPECT_GE(reported, expected);
}
