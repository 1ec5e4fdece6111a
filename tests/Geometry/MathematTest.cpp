// Numeric helpers, plane points and vectors.
#include "Mathemat.h"

#include "StreamBytes.h"

#include <gtest/gtest.h>

#include <cmath>
#include <random>
#include <string>

namespace {

using geomtest::Text;

TEST(TMathDefTest, TolerancesRoundingAndDivisibles)
{
    EXPECT_TRUE(TMathDef::EquPoint(1.0, 1.0001));
    EXPECT_FALSE(TMathDef::EquPoint(1.0, 1.00011));
    EXPECT_TRUE(TMathDef::Equ(1.0, 1.0 + 1.9e-6));
    EXPECT_FALSE(TMathDef::Equ(1.0, 1.0 + 2.1e-6));
    EXPECT_FALSE(TMathDef::EquTParam(0.5, 0.5 + 1.1e-8));
    EXPECT_EQ(Round(2.5), 3);
    EXPECT_EQ(Round(-2.5), -3);
    EXPECT_EQ(Round(-0.51), -1);
    EXPECT_EQ(Round(1.5e-6), 0);
    EXPECT_EQ(Round(1e12), TMathDef::MaxInteger); // held in range, no overflow
    EXPECT_EQ(Round(-1e12), TMathDef::MinInteger);
    EXPECT_EQ(Round(std::nan("")), 0);
    EXPECT_EQ(Zn(-2e-6), 0);
    EXPECT_EQ(Zn(-2.1e-6), -1);
    // {value, step, MinDivisible, MaxDivisible, Divisible}
    const double cases[][5] = {{11.0, 5, 10, 15, 10},   {-11.0, 5, -15, -10, -10},
                               {7.00005, 0.5, 7, 7, 7}, {7.3, 0.00005, 7.3, 7.3, 7.3},
                               {7.3, 0.5, 7, 7.5, 7.5}, {-7.3, 0.5, -7.5, -7, -7.5},
                               {7.25, 0.5, 7, 7.5, 7}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c[0]);
        EXPECT_DOUBLE_EQ(MinDivisible(c[0], c[1]), c[2]);
        EXPECT_DOUBLE_EQ(MaxDivisible(c[0], c[1]), c[3]);
        EXPECT_DOUBLE_EQ(Divisible(c[0], c[1]), c[4]);
    }
    // A size beyond the 32-bit range truncates without overflow.
    EXPECT_DOUBLE_EQ(MaxDivisible(1e12 + 0.5, 5), 1e12);
    EXPECT_DOUBLE_EQ(MaxDivisible(std::nan(""), 5), 0.0);
}

TEST(SquareEquationTest, WorkedDegenerateAndRandomCases)
{
    struct TQuadCase {
        double A, B, C;
        int roots;
        double x1, x2;
    };
    const TQuadCase cases[] = {{0, 0, 5, 0, 0, 0},             // nothing to solve
                               {0, 2, -4, 1, 2, 2},            // linear
                               {2, -6, 4, 2, 2, 1},            // x1 > x2
                               {1, 2, 1, 1, -1, -1},           // discriminant 0
                               {1, 0, 1, 0, 0, 0},             // negative discriminant
                               {1, 0, -1e-8, 2, 1e-4, -1e-4}}; // small positive
    for (const TQuadCase& c : cases) {
        SCOPED_TRACE(testing::Message() << c.A << " " << c.B << " " << c.C);
        double x1 = 123.0, x2 = 456.0;
        ASSERT_EQ(SquareEquation(c.A, c.B, c.C, x1, x2, 1e-8), c.roots);
        EXPECT_NEAR(x1, c.roots ? c.x1 : 123.0, 1e-12); // no roots: untouched
        EXPECT_NEAR(x2, c.roots ? c.x2 : 456.0, 1e-12);
    }
    std::mt19937 rng(7);
    std::uniform_real_distribution<double> u(-10.0, 10.0);
    for (int i = 0; i < 2000; ++i) {
        const double r1 = u(rng), r2 = u(rng), a = u(rng);
        if (std::fabs(a) < 0.1 || std::fabs(r1 - r2) < 1e-3) continue;
        double x1, x2;
        ASSERT_EQ(SquareEquation(a, -a * (r1 + r2), a * r1 * r2, x1, x2, 1e-8), 2);
        EXPECT_NEAR(x1, std::fmax(r1, r2), 1e-8);
        EXPECT_NEAR(x2, std::fmin(r1, r2), 1e-8);
    }
}

TEST(AngleLineTest, DirectionsInDegreesAgreeWithAtan2)
{
    EXPECT_DOUBLE_EQ(AngleLine(0, 0, 0, -5), 270.0);
    EXPECT_DOUBLE_EQ(AngleLine(3, 3, 3, 3), 90.0);
    EXPECT_DOUBLE_EQ(AngleLine(0, 0, 1, -1e-17), 0.0); // never 360
    std::mt19937 rng(3);
    std::uniform_real_distribution<double> u(-100.0, 100.0);
    for (int i = 0; i < 1000; ++i) {
        const double dx = u(rng), dy = u(rng);
        double expected = std::atan2(dy, dx) * 180.0 / std::acos(-1.0);
        if (expected < 0) expected += 360.0;
        const double a = AngleLine(1.0, 2.0, 1.0 + dx, 2.0 + dy);
        EXPECT_NEAR(a, expected, 1e-9);
        EXPECT_GE(a, 0.0);
        EXPECT_LT(a, 360.0);
    }
    EXPECT_EQ(CountDigisAfterDot(-0.125), 3u);
    EXPECT_EQ(CountDigisAfterDot(1.0 / 3.0), 11u);
    EXPECT_DOUBLE_EQ(NormAngle(0.0), 360.0);
    EXPECT_DOUBLE_EQ(NormAngle(725.0), 365.0);
    EXPECT_DOUBLE_EQ(NormAngle(-400.0), -40.0);
}

TEST(TPoint2DTest, TextSidesAnglesRotationsAndStream)
{
    EXPECT_EQ(Text(TPoint2D(1.5, -2).GetStr()), "   1.50   -2.00");
    const TPoint2D A(0, 0), B(10, 0);
    EXPECT_LT(TPoint2D(5, 1).IsLeftOf(A, B), 0.0); // left of A -> B
    EXPECT_GT(TPoint2D(5, -1).IsLeftOf(A, B), 0.0);
    EXPECT_NEAR(A.DirectionAngle(TPoint2D(0, -1)), 1.5 * TMathDef::C_PI, 1e-12);
    EXPECT_FALSE(TPoint2D(1, 1) == TPoint2D(1, 1 + 2.1e-6));

    geomtest::ExpectStreamForm(TPoint2D(0.1, -3e100), {0.1, -3e100});

    EXPECT_EQ(TVector2D(1, 0).Relative(TVector2D(0, -1)), tl_Right);
    EXPECT_EQ(TVector2D(0, 0).Relative(TVector2D(0, 1)), tl_On);
    EXPECT_EQ(TVector2D(1, 0).Relative(TVector2D(1, 1e-6)), tl_On); // sine below 2e-6
    EXPECT_DOUBLE_EQ(TVector2D(1, 1e-9).AngleInRadian(), 0.0);
    EXPECT_DOUBLE_EQ(TVector2D(1e-11, 0).AngleInRadian(), 0.0);
    TVector2D v(2, 0);
    v.Rotate(TMathDef::C_PI_2);
    EXPECT_NEAR(v.x, 0.0, 1e-15);
    EXPECT_NEAR(v.y, 2.0, 1e-15);
    v.Set(1, 2).Rotate(TVector2D(0, 1)); // complex product with i
    EXPECT_EQ(v, TVector2D(-2.0, 1.0));
    TVector2D tiny(1e-6, 0);
    EXPECT_DOUBLE_EQ(tiny.Normalize().x, 1e-6);
}

} // namespace
