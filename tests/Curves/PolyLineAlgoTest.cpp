// The polyline's point-set algorithms: convex hull, enclosing circles and smallest rectangle
// against brute force on seeded random point sets (and degenerate sets by hand), shape
// recognition and convex clipping by worked examples.

#include "PolyLine.h"

#include "Arc.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <random>
#include <tuple>
#include <vector>

namespace {

constexpr double kPi = TMathDef::C_PI;

TPolyLine Of(const std::vector<TPoint2D>& points)
{
    TPolyLine L;
    for (const TPoint2D& P : points)
        L.AddVertex(P);
    L.Segments = static_cast<Integer>(points.size());
    return L;
}

std::vector<TPoint2D> RandomPoints(std::mt19937& gen, int n)
{
    std::uniform_real_distribution<double> U(-10, 10);
    std::vector<TPoint2D> out;
    for (int i = 0; i < n; ++i)
        out.emplace_back(U(gen), U(gen));
    return out;
}

double CrossOf(const TPoint2D& O, const TPoint2D& A, const TPoint2D& B)
{
    return (A.x - O.x) * (B.y - O.y) - (A.y - O.y) * (B.x - O.x);
}

// Points on a circle at the given angles (degrees).
std::vector<TPoint2D> OnCircle(double cx, double cy, double r, const std::vector<double>& degrees)
{
    std::vector<TPoint2D> out;
    for (double a : degrees)
        out.emplace_back(cx + r * std::cos(a * kPi / 180), cy + r * std::sin(a * kPi / 180));
    return out;
}

std::vector<double> Steps(double from, double step, int count)
{
    std::vector<double> out;
    for (int i = 0; i < count; ++i)
        out.push_back(from + step * i);
    return out;
}

// Smallest circle over every pair (as diameter) and every triple (circumcircle) that holds all
// points: the radius only.
double BruteMinRadius(const std::vector<TPoint2D>& P)
{
    double best = 1e300;
    const auto consider = [&P, &best](const TCircle& C) {
        for (const TPoint2D& Q : P)
            if (Q.DistanceTo(TPoint2D(C.x, C.y)) > C.Radius * (1 + 1e-12) + 1e-12) return;
        best = std::min(best, C.Radius);
    };
    for (size_t i = 0; i < P.size(); ++i)
        for (size_t j = i + 1; j < P.size(); ++j) {
            TCircle C;
            C.Init(P[i], P[j]);
            consider(C);
            for (size_t k = j + 1; k < P.size(); ++k)
                if (C.Init(P[i], P[j], P[k])) consider(C);
        }
    return best;
}

// Area of the axis box of the points seen along the direction (ux, uy).
double BoxAreaAlong(const std::vector<TPoint2D>& P, double ux, double uy)
{
    double a0 = 1e300, a1 = -1e300, b0 = 1e300, b1 = -1e300;
    for (const TPoint2D& Q : P) {
        const double a = Q.x * ux + Q.y * uy, b = -Q.x * uy + Q.y * ux;
        a0 = std::min(a0, a), a1 = std::max(a1, a), b0 = std::min(b0, b), b1 = std::max(b1, b);
    }
    return (a1 - a0) * (b1 - b0);
}

void ExpectCircle(const TCircle& C, double x, double y, double r, double tol = 1e-12)
{
    EXPECT_LE(std::max({std::fabs(C.x - x), std::fabs(C.y - y), std::fabs(C.Radius - r)}), tol)
        << C.x << ", " << C.y << " R " << C.Radius;
}

} // namespace

TEST(TPolyLineAlgoTest, ConvexHullAgreesWithBruteForce)
{
    std::mt19937 gen(11);
    for (int round = 0; round < 40; ++round) {
        SCOPED_TRACE(round);
        const std::vector<TPoint2D> P = RandomPoints(gen, 3 + round);
        // Brute force: the extreme points are the ends of the directed edges that keep every
        // other point strictly on their left.
        std::vector<int> extreme(P.size(), 0);
        for (size_t i = 0; i < P.size(); ++i)
            for (size_t j = 0; j < P.size(); ++j) {
                if (i == j) continue;
                bool edge = true;
                for (size_t k = 0; k < P.size() && edge; ++k)
                    edge = k == i || k == j || CrossOf(P[i], P[j], P[k]) > 0;
                if (edge) extreme[i] = extreme[j] = 1;
            }
        TPolyLine H;
        Of(P).ConvexHull(H);
        const std::vector<TPoint2D> hull(H.Points.begin(), H.Points.end());
        ASSERT_EQ(static_cast<int>(hull.size()), std::count(extreme.begin(), extreme.end(), 1));
        for (size_t a = 0; a < hull.size(); ++a) {
            const TPoint2D& A = hull[a];
            const TPoint2D& B = hull[(a + 1) % hull.size()];
            for (const TPoint2D& Q : P) {
                if (!(Q == A) && !(Q == B)) {
                    EXPECT_GT(CrossOf(A, B, Q), 0.0); // counterclockwise, every point inside
                }
            }
        }
        for (const TPoint2D& Q : P)
            EXPECT_TRUE(hull[0].x < Q.x || hull[0] == Q || (hull[0].x == Q.x && hull[0].y <= Q.y));
    }
}

// Degenerate point sets, which the brute-force checks below do not reach.
TEST(TPolyLineAlgoTest, DegeneratePointSets)
{
    TPolyLine Self = Of({{0, 0}, {1, 0}, {2, 0}, {1, 1}, {1, 0.2}});
    Self.ConvexHull(Self); // into itself
    EXPECT_EQ(Self.Points.Count, 3);
    EXPECT_DOUBLE_EQ(Self.OrientationArea(), 1.0);
    TCircle Untouched(7, 7, 7);
    TPolyLine().GetMin(Untouched);
    ExpectCircle(Untouched, 7, 7, 7);
    Of({{3, 4}}).GetMin(Untouched);
    ExpectCircle(Untouched, 3, 4, 0);
    // Three collinear boundary points: the widest pair spans the circle.
    TArrayOf<TPoint2D> R(4, 4);
    for (const TPoint2D& P : {TPoint2D(0, 0), TPoint2D(2, 0), TPoint2D(1, 0)})
        R.Add(P);
    TCircle W(5, 5, 5);
    TPolyLine().MinCircleWelzl(R, 0, W);
    ExpectCircle(W, 1, 0, 1);
    EXPECT_EQ(R.Count, 3);
    TORect2D B;
    Of({{5, 5}, {5, 5}}).GetMin(B); // no edge gives a direction: the point itself
    EXPECT_EQ(B.X, 5);
    EXPECT_EQ(B.Y, 5);
    EXPECT_EQ(B.Length, 0);
    EXPECT_EQ(B.Width, 0);
}

TEST(TPolyLineAlgoTest, EnclosingCirclesAgreeWithBruteForce)
{
    std::mt19937 gen(5);
    for (int round = 0; round < 30; ++round) {
        SCOPED_TRACE(round);
        const std::vector<TPoint2D> P = RandomPoints(gen, 2 + round % 20);
        const TPolyLine L = Of(P);
        const double brute = BruteMinRadius(P);
        TCircle C;
        L.GetMin(C);
        EXPECT_NEAR(C.Radius, brute, 1e-9 * brute);
        TCircle W;
        TArrayOf<TPoint2D> R(4, 4);
        L.MinCircleWelzl(R, L.Points.Count, W);
        EXPECT_EQ(R.Count, 0);
        ExpectCircle(W, C.x, C.y, brute, 1e-6);
        EXPECT_NEAR(W.Radius, brute, 1e-9 * brute);
        for (const TPoint2D& Q : P) {
            EXPECT_NE(C.PointRelative(Q, 2e-6), tl_OutSide);
            EXPECT_NE(W.PointRelative(Q, 2e-6), tl_OutSide);
        }
    }
    // Many points: the unrolled recursion stays shallow.
    const std::vector<TPoint2D> many = RandomPoints(gen, 20000);
    TPolyLine L = Of(many);
    TCircle W;
    TArrayOf<TPoint2D> R(4, 4);
    L.MinCircleWelzl(R, L.Points.Count, W);
    for (const TPoint2D& Q : many)
        ASSERT_NE(W.PointRelative(Q, 2e-6), tl_OutSide);
}

TEST(TPolyLineAlgoTest, SmallestRectangleOfHullAgreesWithBruteForce)
{
    std::mt19937 gen(3);
    for (int round = 0; round < 30; ++round) {
        SCOPED_TRACE(round);
        const std::vector<TPoint2D> P = RandomPoints(gen, 3 + round);
        // Brute force: the best box over every direction between two of the points (the hull
        // edges are among them).
        double brute = 1e300;
        for (size_t i = 0; i < P.size(); ++i)
            for (size_t j = i + 1; j < P.size(); ++j) {
                const double dx = P[j].x - P[i].x, dy = P[j].y - P[i].y, l = std::hypot(dx, dy);
                brute = std::min(brute, BoxAreaAlong(P, dx / l, dy / l));
            }
        TPolyLine H;
        Of(P).ConvexHull(H);
        TORect2D R;
        H.GetMin(R);
        EXPECT_NEAR(R.Length * R.Width, brute, 1e-9 * brute);
        const double ux = std::cos(R.Angle), uy = std::sin(R.Angle);
        for (const TPoint2D& Q : P) {
            const double a = (Q.x - R.X) * ux + (Q.y - R.Y) * uy;
            const double b = -(Q.x - R.X) * uy + (Q.y - R.Y) * ux;
            EXPECT_LE(std::fabs(a), R.Length / 2 + 1e-9);
            EXPECT_LE(std::fabs(b), R.Width / 2 + 1e-9);
        }
    }
}

TEST(TPolyLineAlgoTest, IsCircleRecognisesClosedRings)
{
    // Twelve steps of 30 degrees from -15: the first chord is vertical.
    std::vector<TPoint2D> ring = OnCircle(3, -2, 5, Steps(-15, 30, 12));
    ring.push_back(ring.front());
    TCircle C;
    ASSERT_TRUE(Of(ring).IsCircle(C));
    ExpectCircle(C, 3, -2, 5, 1e-9);

    std::vector<TPoint2D> open = OnCircle(3, -2, 5, Steps(0, 30, 11));
    EXPECT_FALSE(Of(open).IsCircle(C));
    std::vector<TPoint2D> five = OnCircle(0, 0, 1, Steps(0, 90, 4));
    five.push_back(five.front());
    EXPECT_FALSE(Of(five).IsCircle(C));
    ring[6].x += 1e-4;
    EXPECT_FALSE(Of(ring).IsCircle(C));

    std::vector<TPoint2D> line{{0, 0}, {1, 0}, {2, 0}, {3, 0}, {4, 0}, {0, 0}};
    C.Set(9, 9);
    EXPECT_FALSE(Of(line).IsCircle(C)); // parallel chords: no centre
    EXPECT_TRUE(std::isfinite(C.Radius));
}

TEST(TPolyLineAlgoTest, IsArcTakesSenseFromFirstThreeVertices)
{
    TArc A;
    ASSERT_TRUE(Of(OnCircle(1, 1, 2, Steps(0, 10, 10))).IsArc(A)); // 0 .. 90 counterclockwise
    EXPECT_EQ(A.sense, TArc::BackClockWise);
    ExpectCircle(A, 1, 1, 2, 1e-9);
    EXPECT_NEAR(std::fabs(A.A1) + std::fabs(A.A2 - kPi / 2) + A.PointTMax().DistanceTo(TPoint2D(1, 3)), 0,
                1e-9);

    ASSERT_TRUE(Of(OnCircle(1, 1, 2, Steps(90, -10, 10))).IsArc(A)); // 90 .. 0 clockwise
    EXPECT_EQ(A.sense, TArc::ByClockWise);
    EXPECT_NEAR(std::fabs(A.A1 - kPi / 2) + std::fabs(A.A2) + A.PointTMax().DistanceTo(TPoint2D(3, 1)), 0,
                1e-9);

    // A vertical first chord (-20 and 20 degrees) still finds the centre.
    ASSERT_TRUE(Of(OnCircle(-4, 6, 3, {-20, 20, 50, 80})).IsArc(A));
    ExpectCircle(A, -4, 6, 3, 1e-9);

    EXPECT_FALSE(Of(OnCircle(0, 0, 1, {0, 40, 80})).IsArc(A));   // too few vertices
    EXPECT_FALSE(Of({{0, 0}, {1, 0}, {2, 0}, {3, 1}}).IsArc(A)); // collinear start
    std::vector<TPoint2D> off = OnCircle(0, 0, 1, {0, 40, 80});
    off.emplace_back(0, -1.00001);
    EXPECT_FALSE(Of(off).IsArc(A)); // 1e-5 off the radius
    off.back().y = -1.000001;
    EXPECT_TRUE(Of(off).IsArc(A)); // within 2e-6
}

TEST(TPolyLineAlgoTest, IsLineSegSpansExtremeVertices)
{
    TLineSeg S;
    ASSERT_TRUE(Of({{0, 0}, {1, 0}, {3, 0}, {-2, 0}}).IsLineSeg(S));
    EXPECT_EQ(std::make_tuple(S.x, S.y, S.xk, S.yk), std::make_tuple(-2.0, 0.0, 3.0, 0.0));
    ASSERT_TRUE(Of({{1, 1}, {2, 2}, {1, 1}, {4, 4}}).IsLineSeg(S)); // the start again lies on it
    EXPECT_EQ(std::make_pair(S.x, S.xk), std::make_pair(1.0, 4.0));

    EXPECT_FALSE(Of({{0, 0}, {1, 0}, {3, 0.001}}).IsLineSeg(S));
    EXPECT_TRUE(Of({{0, 0}, {1, 0}, {3, 0.00001}}).IsLineSeg(S)); // within the direction tolerance
    EXPECT_FALSE(Of({{0, 0}, {1, 0}}).IsLineSeg(S));
}

TEST(TPolyLineAlgoTest, SutherlandHodgmanClipsByConvexCounterclockwisePolygon)
{
    const TPolyLine Box = Of({{0, 0}, {4, 0}, {4, 4}, {0, 4}});
    TPolyLine Out;
    Box.SutherlandHodgman(Of({{2, 2}, {6, 2}, {6, 6}, {2, 6}}), Out);
    EXPECT_NEAR(Out.OrientationArea(), 4.0, 1e-12);
    for (const TPoint2D& P : Out.Points)
        EXPECT_TRUE(TRect2D(2, 2, 4, 4).Contains(P)) << P.x << ", " << P.y;
    EXPECT_EQ(Out.Segments, 4); // the fields of the clipped polygon stay
    // By a triangle: the box part with x > 1, y > 1, x + y < 6, i.e. 3 x 3 less a corner of 2.
    Box.SutherlandHodgman(Of({{1, 1}, {5, 1}, {1, 5}}), Out);
    EXPECT_NEAR(Out.OrientationArea(), 7.0, 1e-12);
    EXPECT_EQ(Out.Points.Count, 5);

    Box.SutherlandHodgman(Of({{1, 1}, {1, 3}, {3, 3}, {3, 1}}), Out); // clockwise clip
    EXPECT_EQ(Out.Points.Count, 0);
    Box.SutherlandHodgman(TPolyLine(), Out);
    EXPECT_EQ(Out.Points.Count, 4);

    EXPECT_TRUE(Box.Inside(TPoint2D(1, 1), TPoint2D(0, 0), TPoint2D(2, 0)));
    EXPECT_FALSE(Box.Inside(TPoint2D(1, 0), TPoint2D(0, 0), TPoint2D(2, 0))); // on the edge
    const TPoint2D X = Box.InterSection(TPoint2D(0, 0), TPoint2D(5, 0), TPoint2D(3, -1), TPoint2D(3, 7));
    EXPECT_NEAR(X.DistanceTo(TPoint2D(3, 0)), 0, 1e-12);
}
