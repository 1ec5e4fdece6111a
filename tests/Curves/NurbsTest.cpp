// NURBS curve: the knot search against std::lower_bound, worked polyline and Bezier cases,
// random splines against de Boor's evaluation written here, rational circles and caching.

#include "Nurbs.h"

#include "CurveTestUtil.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <random>
#include <vector>

using curvetest::Near;
using curvetest::PointAt;

namespace {

TNurbs Make(int k, const std::vector<double>& U, const std::vector<TPoint2D>& P,
            const std::vector<double>& W = {})
{
    TNurbs N;
    N.degree = k;
    for (double u : U)
        N.knots.Add(u);
    N.uppKnotsIndex = N.knots.Count - 1;
    for (const TPoint2D& p : P)
        N.AddVertex(p);
    N.Segments = static_cast<Integer>(P.size()) - 1;
    for (size_t i = 0; i < P.size(); ++i)
        N.weights.Add(W.empty() ? 1.0 : W[i]);
    return N;
}

// De Boor's algorithm on homogeneous points, independent of the basis table.
TPoint2D DeBoor(int k, const std::vector<double>& U, const std::vector<TPoint2D>& P,
                const std::vector<double>& W, double t)
{
    const int p = k - 1, n = static_cast<int>(P.size());
    int s = p;
    while (s < n - 1 && U[s + 1] <= t)
        ++s;
    std::vector<double> x(p + 1), y(p + 1), w(p + 1);
    for (int j = 0; j <= p; ++j) {
        const int i = j + s - p;
        x[j] = P[i].x * W[i];
        y[j] = P[i].y * W[i];
        w[j] = W[i];
    }
    for (int r = 1; r <= p; ++r)
        for (int j = p; j >= r; --j) {
            const int i = j + s - p;
            const double a = (t - U[i]) / (U[i + p + 1 - r] - U[i]);
            x[j] = (1 - a) * x[j - 1] + a * x[j];
            y[j] = (1 - a) * y[j - 1] + a * y[j];
            w[j] = (1 - a) * w[j - 1] + a * w[j];
        }
    return TPoint2D(x[p] / w[p], y[p] / w[p]);
}

TEST(NurbsSearchTest, ArrayFindAgreesWithLowerBoundFromEveryHint)
{
    std::mt19937 gen(5);
    std::uniform_int_distribution<int> U(0, 40);
    for (int trial = 0; trial < 200; ++trial) {
        TAReal A;
        std::vector<double> v(U(gen));
        for (double& x : v)
            x = U(gen);
        std::sort(v.begin(), v.end());
        for (double x : v)
            A.Add(x);
        double t = U(gen) - 0.5 * (trial % 2);
        int hint = U(gen) - 2;
        SCOPED_TRACE(trial);
        ASSERT_EQ(ArrayFind(A, t, hint), !v.empty());
        if (!v.empty()) {
            EXPECT_EQ(hint, std::lower_bound(v.begin(), v.end(), t) - v.begin());
        }
    }
}

TEST(NurbsSearchTest, KnotIndexFindsSpansAndClampsTheEnds)
{
    TAReal K;
    for (double u : {0.0, 0.0, 0.0, 1.0, 2.0, 2.0, 3.0, 3.0, 3.0})
        K.Add(u);
    // {t, span, t written back}: 3 lies in the last non-empty span, outside values are clamped.
    const double cases[][3] = {{0.5, 2, 0.5}, {2, 5, 2}, {3, 5, 3}, {-4, 2, 0}, {9, 5, 3}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c[0]);
        double t = c[0];
        EXPECT_EQ(KnotIndex(3, K, t), c[1]);
        EXPECT_EQ(t, c[2]);
    }
}

TEST(TNurbsTest, OrderTwoIsThePolyline)
{
    const TNurbs N = Make(2, {0, 0, 1, 2, 2}, {TPoint2D(0, 0), TPoint2D(1, 1), TPoint2D(2, 0)});
    EXPECT_TRUE(Near(PointAt(N, 0.5), 0.5, 0.5));
    EXPECT_TRUE(Near(PointAt(N, 1.5), 1.5, 0.5));
    EXPECT_TRUE(Near(PointAt(N, 2.0), 2, 0));
}

TEST(TNurbsTest, EqualWeightsGiveTheQuadraticBezierAndAreNotRational)
{
    const TPoint2D A(0, 0), B(2, 4), C(5, 1);
    const TNurbs N = Make(3, {0, 0, 0, 1, 1, 1}, {A, B, C}, {3, 3, 3});
    for (double t : {0.0, 0.2, 0.5, 0.9, 1.0}) {
        SCOPED_TRACE(t);
        const double s = 1 - t;
        EXPECT_TRUE(Near(PointAt(N, t), s * s * A.x + 2 * s * t * B.x + t * t * C.x,
                         s * s * A.y + 2 * s * t * B.y + t * t * C.y, 1e-14));
    }
    EXPECT_FALSE(N.Rational());
    EXPECT_FALSE(N.HasWeightCache());
}

TEST(TNurbsTest, RandomSplinesAgreeWithDeBoor)
{
    std::mt19937 gen(23);
    std::uniform_real_distribution<double> U(-10, 10), Wt(0.2, 3);
    for (int trial = 0; trial < 60; ++trial) {
        const int k = 2 + trial % 4, n = k + trial % 7;
        std::vector<double> knots(k, 0.0);
        for (int i = 1; i <= n - k; ++i)
            knots.push_back(i + (trial % 3 == 0 && i == 2 ? -1.0 : 0.0)); // a double knot now and then
        knots.insert(knots.end(), k, n - k + 1.0);
        std::vector<TPoint2D> P(n);
        std::vector<double> W(n);
        for (int i = 0; i < n; ++i) {
            P[i] = TPoint2D(U(gen), U(gen));
            W[i] = trial % 2 ? Wt(gen) : 1.0;
        }
        const TNurbs N = Make(k, knots, P, W);
        SCOPED_TRACE(trial);
        for (int j = 0; j <= 40; ++j) {
            const double t = knots.back() * j / 40.0;
            const TPoint2D want = DeBoor(k, knots, P, W, std::min(t, std::nextafter(knots.back(), 0.0)));
            ASSERT_TRUE(Near(PointAt(N, t), want.x, want.y, 1e-12)) << t;
        }
    }
}

TEST(TNurbsTest, RationalQuarterCircleStaysOnTheCircle)
{
    const double h = std::sqrt(0.5);
    const TNurbs N = Make(3, {0, 0, 0, 1, 1, 1}, {TPoint2D(1, 0), TPoint2D(1, 1), TPoint2D(0, 1)}, {1, h, 1});
    for (int j = 0; j <= 10; ++j) {
        const TPoint2D P = PointAt(N, j / 10.0);
        EXPECT_NEAR(std::hypot(P.x, P.y), 1.0, 1e-14) << j;
    }
    EXPECT_TRUE(N.Rational());
    EXPECT_TRUE(N.HasWeightCache());
    // The tangent is perpendicular to the radius; its length is the speed at t.
    double t = 0.3;
    N.CalculateSegment(t);
    const TPoint2D P = PointAt(N, t);
    const TVector2D D = N.CalculateSplineWeight(1); // of the span PointOn just evaluated
    const TPoint2D a = PointAt(N, t - 1e-6), b = PointAt(N, t + 1e-6);
    EXPECT_NEAR(D.x * P.x + D.y * P.y, 0.0, 1e-13);
    EXPECT_TRUE(Near(D, (b.x - a.x) / 2e-6, (b.y - a.y) / 2e-6, 1e-6));
}

TEST(TNurbsTest, ParameterBelowTheFirstKnotIsClampedAndWrittenBack)
{
    const TNurbs N =
        Make(3, {1, 1, 1, 2, 3, 3, 3}, {TPoint2D(0, 0), TPoint2D(1, 2), TPoint2D(2, 2), TPoint2D(3, 0)});
    double t = -5;
    N.CalculateSegment(t);
    EXPECT_EQ(t, 1.0);
    EXPECT_EQ(N.tCalc, 1.0);
    EXPECT_EQ(N.leftIndex, 2);
}

TEST(TNurbsTest, MovingWithinASpanKeepsTheDerivativePoints)
{
    const TNurbs N =
        Make(3, {0, 0, 0, 1, 2, 2, 2}, {TPoint2D(0, 0), TPoint2D(1, 2), TPoint2D(2, 2), TPoint2D(3, 0)});
    double t = 0.25;
    N.CalculateSegment(t);
    EXPECT_EQ(N.leftIndex, 2);
    const TVector2D d1 = N.CalculateSplineWeight(1);
    t = 0.75;
    N.CalculateSegment(t);
    EXPECT_EQ(N.leftIndex, 2);
    const TVector2D d2 = N.CalculateSplineWeight(1);
    EXPECT_NE(d1.x, d2.x); // the derivative moved along with t
    t = 1.5;
    N.CalculateSegment(t);
    EXPECT_EQ(N.leftIndex, 3);
    const TVector2D dd = N.CalculateSplineWeight(2);
    const TPoint2D a = PointAt(N, 1.5 - 1e-3), b = PointAt(N, 1.5), c = PointAt(N, 1.5 + 1e-3);
    EXPECT_TRUE(Near(dd, (a.x - 2 * b.x + c.x) / 1e-6, (a.y - 2 * b.y + c.y) / 1e-6, 1e-6));
}

TEST(TNurbsTest, InvalidDataGivesTheOrigin)
{
    TNurbs N = Make(3, {0, 0, 1, 1}, {TPoint2D(5, 5), TPoint2D(6, 6), TPoint2D(7, 7)});
    EXPECT_FALSE(N.CatchMemory());
    EXPECT_EQ(N.InitSegments(), 0);
    TPoint2D P(9, 9);
    N.PointOn(0.5, P);
    EXPECT_TRUE(Near(P, 0, 0));
}

} // namespace
