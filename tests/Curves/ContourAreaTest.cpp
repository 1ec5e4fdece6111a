// The contour's measures and tests: signed areas against closed forms, the Gauss-Legendre
// table, point containment against an independent winding number on random polygons and arc
// contours, curves inside, crossings with itself and with the axes.

#include "Contour.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <random>
#include <string>
#include <vector>

#include "ContourTestUtil.h"
#include "SolverInterSect.h"

using contourtest::kPi;

namespace {

// Area of the circular segment of sagitta h on a chord of length c.
double SegmentArea(double c, double h)
{
    const double R = (c * c / 4 + h * h) / (2 * h);
    return R * R * std::acos((R - h) / R) - (R - h) * std::sqrt(2 * R * h - h * h);
}

// Random star polygons (straight) and convex polygons whose edges bulge out or slightly in
// (arcs); none of them crosses itself.
void RandomContour(std::mt19937& gen, bool arcs, TContour& C)
{
    std::uniform_real_distribution<double> U(0, 1);
    const int n = 5 + static_cast<int>(U(gen) * 6);
    const TPoint2D O(U(gen) * 10 - 5, U(gen) * 10 - 5);
    std::vector<TPoint2D> P;
    for (int i = 0; i < n; ++i) { // increasing angles, gaps of at least 0.2 / n turn
        const double a = (i + 0.1 + 0.8 * U(gen)) * 2 * kPi / n, r = arcs ? 8 : 2 + 8 * U(gen);
        P.emplace_back(O.x + r * std::cos(a), O.y + r * std::sin(a));
    }
    if (!arcs) return contourtest::Polygon(C, P);
    for (int i = 0; i < n; ++i) { // outwards is to the right of the counter-clockwise chain
        const double c = P[i].DistanceTo(P[(i + 1) % n]);
        contourtest::AddBulge(C, P[i], P[(i + 1) % n],
                              U(gen) < 0.7 ? -c * (0.05 + 0.25 * U(gen)) : c * 0.04 * U(gen));
    }
}

} // namespace

TEST(TContourAreaTest, SignedAreaMatchesTheClosedFormAndGaussLegendreRulesAreExact)
{
    const struct {
        std::function<void(TContour&)> Build;
        double Area;
    } cases[] = {
        {[](TContour& C) { contourtest::Square(C, 10); }, 100},
        {[](TContour& C) { contourtest::Square(C, 10, false); }, -100},
        {[](TContour& C) { C.Add(new TCircle(3, -4, 2)); }, 4 * kPi},
        {contourtest::Stadium, 40 + 4 * kPi},
        {[](TContour& C) {
             contourtest::Stadium(C);
             C.Inverse();
         },
         -(40 + 4 * kPi)},
        {[](TContour& C) { // the square's top bulges out by 2
             contourtest::Polygon(C, {{0, 10}, {0, 0}, {10, 0}, {10, 10}}, true);
             contourtest::AddBulge(C, TPoint2D(10, 10), TPoint2D(0, 10), -2);
         },
         100 + SegmentArea(10, 2)},
        {[](TContour& C) { // box (0,-1)-(11,2), centre (5.5, 0.5): the segment adds -4.5, the
             C.Add(new TLineSeg(0, 0, 4, 2)); // circle pi and ends the sum
             C.Add(new TCircle(10, 0, 1));
             C.Add(new TLineSeg(5, 0, 6, 1));
         },
         -4.5 + kPi},
    };
    for (const auto& c : cases) {
        TContour C;
        c.Build(C);
        EXPECT_NEAR(C.Area2(), c.Area, 1e-9 * std::fabs(c.Area)) << c.Area;
        EXPECT_EQ(C.GetSense(), c.Area > 0 ? 1 : -1) << c.Area;
    }
    double t[9], w[9];
    for (int n = 1; n <= 8; ++n) {
        ASSERT_TRUE(TContour::FillIntegrationValues(t, w, n));
        ASSERT_TRUE(std::is_sorted(t, t + n));
        for (int p = 0; p < 2 * n; ++p) { // degree 2n - 1 is exact
            double sum = 0;
            for (int k = 0; k < n; ++k)
                sum += w[k] * std::pow(t[k], p);
            EXPECT_NEAR(sum, p % 2 ? 0.0 : 2.0 / (p + 1), 1e-14) << n << " points, degree " << p;
        }
    }
    EXPECT_EQ(contourtest::Text({t[0], w[0]}), "-0.96029 0.101229"); // the 8-point rule's first node
    t[3] = w[3] = 1;
    EXPECT_FALSE(TContour::FillIntegrationValues(t, w, 9) || TContour::FillIntegrationValues(nullptr, w, 2));
    EXPECT_EQ(t[3] + w[3] + t[8], 0.0);
}

TEST(TContourAreaTest, ContainmentAgreesWithTheWindingNumber)
{
    std::mt19937 gen(20261206);
    std::uniform_real_distribution<double> U(0, 1);
    int tested = 0, onBoundary = 0;
    for (int shape = 0; shape < 16; ++shape) {
        TContour C;
        RandomContour(gen, shape % 2 == 1, C);
        TRect2D G;
        C.Rect(G);
        for (int i = 0; i < 250; ++i) {
            const TPoint2D P(G.LD.x - 2 + (G.Width() + 4) * U(gen), G.LD.y - 2 + (G.Height() + 4) * U(gen));
            const contourtest::TOracle o = contourtest::Oracle(C, P);
            tested += o.Distance > 1e-3; // inside the tolerance band the two tests may differ
            ASSERT_TRUE(o.Distance <= 1e-3 || C.FoundPoint(P.x, P.y) == (o.Winding != 0))
                << shape << ": " << P.x << " " << P.y;
        }
        for (int i = 0; i < 20 * C.Count; ++i) { // points on the boundary count as inside
            const TCurve2D* I = C[i % C.Count];
            const double t = I->GetTMin() + (I->GetTMax() - I->GetTMin()) * U(gen);
            TVector2D T;
            I->TangentOn(t, T); // where the scan line touches an item its crossing is the touch point
            const TPoint2D P = contourtest::PointAt(*I, t);
            onBoundary += std::fabs(T.y) > 0.05;
            ASSERT_TRUE(std::fabs(T.y) <= 0.05 || C.FoundPoint(P.x, P.y))
                << shape << ": " << P.x << " " << P.y;
        }
    }
    EXPECT_GT(tested, 3500) << tested << " " << onBoundary;
    EXPECT_GT(onBoundary, 1500) << tested << " " << onBoundary;
}

TEST(TContourAreaTest, PointsCurvesAndCrossings)
{
    TContour S, D, inner, crossing, disc, bow;
    contourtest::Square(S, 10);
    // Within 1e-4 of an edge.
    EXPECT_TRUE(S.FoundPoint(10.00005, 5));
    EXPECT_FALSE(S.FoundPoint(10.001, 5));
    contourtest::Polygon(D, {{5, 0}, {0, 5}, {-5, 0}, {0, -5}});
    // The scan line runs through two vertices.
    EXPECT_TRUE(D.FoundPoint(1, 0));
    EXPECT_FALSE(D.FoundPoint(6, 0));
    contourtest::Polygon(inner, {{2, 2}, {4, 2}, {4, 4}});
    contourtest::Polygon(crossing, {{8, 8}, {12, 8}, {12, 12}});
    EXPECT_TRUE(S.Found(inner));
    EXPECT_FALSE(S.Colision(inner));
    EXPECT_TRUE(S.Colision(crossing));
    const TCircle around(5, 5, 20), outside(30, 5, 2), overlapping(12, 5, 3), near(3, 0, 2.5);
    EXPECT_TRUE(S.Found(&around));
    EXPECT_FALSE(S.Found(&outside));
    EXPECT_TRUE(S.Found(&overlapping));
    disc.Add(new TCircle(0, 0, 1)); // a lone circle: by the distance of the centres
    EXPECT_FALSE(disc.FoundCircle(&overlapping));
    EXPECT_TRUE(disc.FoundCircle(&near));
    const TLineSeg through(-1, 5, 11, 5), into(5, 5, 12, 5);
    EXPECT_EQ(S.InterSect2(&through), 1);
    EXPECT_EQ(S.InterSect2(&into), 0);
    EXPECT_EQ(S.InterSect(&overlapping), 2);
    TArrayOf<TPair<int, int>> ends(4, 4);
    // The end of side 0, the start of side 1.
    ASSERT_TRUE(S.Find2(10, 0, ends));
    ASSERT_EQ(ends.Count, 2);
    EXPECT_EQ(
        contourtest::Text({double(ends[0].V1), double(ends[0].V2), double(ends[1].V1), double(ends[1].V2)}),
        "0 1 1 0");
    // crossings with itself and with the axes
    contourtest::Polygon(bow, {{0, 0}, {10, 10}, {10, 0}, {0, 10}});
    TInterSector Tool, Tool2;
    EXPECT_TRUE(S.SelfIntersect(S.GetRegion(), Tool, false)); // consecutive joints go, the closing one stays
    EXPECT_EQ(std::to_string(Tool.ACrossPoint.Count) + ": " + contourtest::Pt(Tool.ACrossPoint[0].p),
              "1: 0 0");
    bow.SelfIntersect(bow.GetRegion(), Tool2, false); // the crossing, then the closing joint
    EXPECT_EQ(std::to_string(Tool2.ACrossPoint.Count) + ": " + contourtest::Pt(Tool2.ACrossPoint[0].p),
              "2: 5 5");
    TArrayOf<double> A(4, 4);
    S.InterSectHorizontal(5, A);
    EXPECT_EQ(std::vector<double>(A.begin(), A.end()), (std::vector<double>{1.5, 3.5}));
    A.Clear();
    S.InterSectHorizontal(0, A); // the start point's height: the closing value is 0, not 4
    EXPECT_NE(std::find(A.begin(), A.end(), 0.0), A.end());
    EXPECT_EQ(std::find(A.begin(), A.end(), 4.0), A.end());
}
