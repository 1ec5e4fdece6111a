// Numeric helpers, plane points and vectors, segment crossing.
#include "Mathemat.h"

#include "StreamBytes.h"

#include <gtest/gtest.h>

#include <cmath>
#include <random>
#include <string>

namespace {

std::string Text(const TString& s) { return std::string(s.PChar(), s.Length()); }

TEST(TMathDefTest, ConstantsAndComparisons)
{
    EXPECT_EQ(TMathDef::MinInteger, -TMathDef::MaxInteger);
    EXPECT_DOUBLE_EQ(TMathDef::RADDEG * TMathDef::DEGRAD, 1.0);
    EXPECT_DOUBLE_EQ(TMathDef::C_2PI, 2.0 * std::acos(-1.0));
    EXPECT_DOUBLE_EQ(TMathDef::DEVIATION_SAG, 0.25132741228718347);
    EXPECT_TRUE(TMathDef::EquPoint(1.0, 1.0001));
    EXPECT_FALSE(TMathDef::EquPoint(1.0, 1.00011));
    EXPECT_TRUE(TMathDef::Equ(1.0, 1.0 + 1.9e-6));
    EXPECT_FALSE(TMathDef::Equ(1.0, 1.0 + 2.1e-6));
    EXPECT_TRUE(TMathDef::EquTParam(0.5, 0.5 + 0.9e-8));
    EXPECT_FALSE(TMathDef::EquTParam(0.5, 0.5 + 1.1e-8));
}

TEST(TMathDefTest, RoundGoesHalfAwayFromZeroWithDeadBand)
{
    EXPECT_EQ(Round(2.5), 3);
    EXPECT_EQ(Round(-2.5), -3);
    EXPECT_EQ(Round(2.49), 2);
    EXPECT_EQ(Round(-0.51), -1);
    EXPECT_EQ(Round(1.5e-6), 0);
    EXPECT_EQ(TMathDef::Round(7.0), 7);
    EXPECT_EQ(Round(1e12), TMathDef::MaxInteger);  // held in range, no overflow
    EXPECT_EQ(Round(-1e12), TMathDef::MinInteger);
    EXPECT_EQ(Zn(2e-6), 0);
    EXPECT_EQ(Zn(-2e-6), 0);
    EXPECT_EQ(Zn(2.1e-6), 1);
    EXPECT_EQ(Zn(-2.1e-6), -1);
    EXPECT_EQ(AbsZn(2.1e-6), 1);
    EXPECT_EQ(AbsZn(-2.1e-6), 1);
    EXPECT_EQ(AbsZn(1e-6), 0);
    EXPECT_DOUBLE_EQ(Max(-1.0, -2.0), -1.0);
    EXPECT_NEAR(CosGrad(60.0), 0.5, 1e-15);
    EXPECT_NEAR(SinGrad(30.0), 0.5, 1e-15);
}

TEST(DivisibleTest, WorkedExamples)
{
    EXPECT_DOUBLE_EQ(MaxDivisible(10.5, 5), 10.0);
    EXPECT_DOUBLE_EQ(MaxDivisible(11.0, 5), 15.0);
    EXPECT_DOUBLE_EQ(MinDivisible(-11.0, 5), -15.0);
    EXPECT_DOUBLE_EQ(MaxDivisible(-11.0, 5), -10.0);
    EXPECT_DOUBLE_EQ(MinDivisible(11.9, 5), 10.0);
    EXPECT_DOUBLE_EQ(MinDivisible(7.00005, 0.5), 7.0);
    EXPECT_DOUBLE_EQ(MinDivisible(7.3, 0.00005), 7.3);
    EXPECT_DOUBLE_EQ(MinDivisible(7.3, 0.5), 7.0);
    EXPECT_DOUBLE_EQ(MinDivisible(-7.3, 0.5), -7.5);
    EXPECT_DOUBLE_EQ(MaxDivisible(7.3, 0.5), 7.5);
    EXPECT_DOUBLE_EQ(MaxDivisible(7.00005, 0.5), 7.0);
    EXPECT_DOUBLE_EQ(MaxDivisible(-7.3, 0.5), -7.0);
    EXPECT_DOUBLE_EQ(MaxDivisible(7.3, 0.00005), 7.3);
    EXPECT_DOUBLE_EQ(Divisible(7.25, 0.5), 7.0);
    EXPECT_DOUBLE_EQ(Divisible(7.3, 0.5), 7.5);
    EXPECT_DOUBLE_EQ(Divisible(-7.3, 0.5), -7.5);
    EXPECT_DOUBLE_EQ(Divisible(-7.2, 0.5), -7.0);
    // A size beyond the 32-bit range truncates without overflow.
    EXPECT_DOUBLE_EQ(MaxDivisible(1e12 + 0.5, 5), 1e12);
}

struct TQuadCase {
    double A, B, C;
    int roots;
    double x1, x2;
};

class SquareEquationTest : public ::testing::TestWithParam<TQuadCase> {};

TEST_P(SquareEquationTest, GivesTheRoots)
{
    const TQuadCase c = GetParam();
    double x1 = 123.0, x2 = 456.0;
    ASSERT_EQ(SquareEquation(c.A, c.B, c.C, x1, x2, 1e-8), c.roots);
    if (c.roots == 0) {
        EXPECT_EQ(x1, 123.0);  // untouched
        EXPECT_EQ(x2, 456.0);
        return;
    }
    EXPECT_NEAR(x1, c.x1, 1e-12);
    EXPECT_NEAR(x2, c.x2, 1e-12);
}

INSTANTIATE_TEST_SUITE_P(Cases, SquareEquationTest,
                         ::testing::Values(TQuadCase{0, 0, 5, 0, 0, 0},        // nothing to solve
                                           TQuadCase{0, 2, -4, 1, 2, 2},       // linear
                                           TQuadCase{1, -3, 2, 2, 2, 1},       // x1 > x2
                                           TQuadCase{2, -6, 4, 2, 2, 1},       // scaled
                                           TQuadCase{1, 2, 1, 1, -1, -1},      // discriminant 0
                                           TQuadCase{1, 0, 1, 0, 0, 0},        // negative discriminant
                                           TQuadCase{1, 0, -1e-8, 2, 1e-4, -1e-4}));  // small positive

TEST(SquareEquationRandomTest, RootsSatisfyRandomEquations)
{
    std::mt19937 rng(7);
    std::uniform_real_distribution<double> u(-10.0, 10.0);
    for (int i = 0; i < 2000; ++i) {
        const double r1 = u(rng), r2 = u(rng), a = u(rng);
        if (std::fabs(a) < 0.1 || std::fabs(r1 - r2) < 1e-3)
            continue;
        double x1, x2;
        ASSERT_EQ(SquareEquation(a, -a * (r1 + r2), a * r1 * r2, x1, x2, 1e-8), 2);
        EXPECT_NEAR(x1, std::fmax(r1, r2), 1e-8);
        EXPECT_NEAR(x2, std::fmin(r1, r2), 1e-8);
    }
}

TEST(AngleLineTest, DirectionsInDegrees)
{
    EXPECT_DOUBLE_EQ(AngleLine(0, 0, 5, 0), 0.0);
    EXPECT_DOUBLE_EQ(AngleLine(0, 0, 0, 5), 90.0);
    EXPECT_DOUBLE_EQ(AngleLine(0, 0, -5, 0), 180.0);
    EXPECT_DOUBLE_EQ(AngleLine(0, 0, 0, -5), 270.0);
    EXPECT_DOUBLE_EQ(AngleLine(3, 3, 3, 3), 90.0);
    EXPECT_NEAR(AngleLine(1, 1, 2, 2), 45.0, 1e-12);
    EXPECT_NEAR(AngleLine(1, 1, 0, 2), 135.0, 1e-12);
    EXPECT_NEAR(AngleLine(1, 1, 0, 0), 225.0, 1e-12);
    EXPECT_NEAR(AngleLine(1, 1, 2, 0), 315.0, 1e-12);
    EXPECT_DOUBLE_EQ(AngleLine(0, 0, 1, -1e-17), 0.0);  // never 360
    std::mt19937 rng(3);
    std::uniform_real_distribution<double> u(-100.0, 100.0);
    for (int i = 0; i < 1000; ++i) {
        const double dx = u(rng), dy = u(rng);
        double expected = std::atan2(dy, dx) * 180.0 / std::acos(-1.0);
        if (expected < 0)
            expected += 360.0;
        const double a = AngleLine(1.0, 2.0, 1.0 + dx, 2.0 + dy);
        EXPECT_NEAR(a, expected, 1e-9);
        EXPECT_TRUE(a >= 0.0 && a < 360.0);
    }
    EXPECT_DOUBLE_EQ(LenLine(1, 1, 4, 5), 5.0);
}

TEST(NumericTest, DigitsAndNormalisedAngles)
{
    EXPECT_EQ(CountDigisAfterDot(2.5), 1u);
    EXPECT_EQ(CountDigisAfterDot(3.0), 0u);
    EXPECT_EQ(CountDigisAfterDot(0.125), 3u);
    EXPECT_EQ(CountDigisAfterDot(-0.125), 3u);
    EXPECT_EQ(CountDigisAfterDot(1.0 / 3.0), 11u);
    EXPECT_DOUBLE_EQ(NormAngle(0.0), 360.0);
    EXPECT_DOUBLE_EQ(NormAngle(360.0), 360.0);
    EXPECT_DOUBLE_EQ(NormAngle(-90.0), 270.0);
    EXPECT_DOUBLE_EQ(NormAngle(725.0), 365.0);
    EXPECT_DOUBLE_EQ(NormAngle(-400.0), -40.0);
    EXPECT_DOUBLE_EQ(NormAngle(45.0), 45.0);
}

TEST(TPoint2DTest, TextSideAndStream)
{
    EXPECT_EQ(Text(TPoint2D(1.5, -2).GetStr()), "   1.50   -2.00");
    const TPoint2D A(0, 0), B(10, 0);
    EXPECT_LT(TPoint2D(5, 1).IsLeftOf(A, B), 0.0);  // left of A -> B
    EXPECT_GT(TPoint2D(5, -1).IsLeftOf(A, B), 0.0);
    EXPECT_DOUBLE_EQ(TPoint2D(5, 0).IsLeftOf(A, B), 0.0);
    EXPECT_DOUBLE_EQ(A.DistanceTo(TPoint2D(3, 4)), 5.0);
    EXPECT_NEAR(A.Angle(TPoint2D(-1, 0)), 180.0, 1e-12);
    EXPECT_NEAR(A.DirectionAngle(TPoint2D(0, -1)), 1.5 * TMathDef::C_PI, 1e-12);
    EXPECT_TRUE(TPoint2D(1, 1) == TPoint2D(1 + 1.9e-6, 1));
    EXPECT_FALSE(TPoint2D(1, 1) == TPoint2D(1, 1 + 2.1e-6));

    const TPoint2D P(0.1, -3e100);
    const auto bytes = geomtest::DataBytes([&](TKmfData& s) { P.Write(s); });
    ASSERT_EQ(bytes.size(), 16u);
    EXPECT_TRUE(geomtest::SameBits(geomtest::Doubles(bytes)[0], 0.1));
    EXPECT_TRUE(geomtest::SameBits(geomtest::Doubles(bytes)[1], -3e100));
    TVector2D back;
    geomtest::RoundTrip([&](TKmfData& s) { P.Write(s); }, [&](TKmfData& s) { back.Read(s); });
    EXPECT_TRUE(geomtest::SameBits(back.x, P.x) && geomtest::SameBits(back.y, P.y));
}

TEST(TVector2DTest, SidesAnglesAndRotations)
{
    EXPECT_EQ(TVector2D(1, 0).Relative(TVector2D(0, 1)), tl_Left);
    EXPECT_EQ(TVector2D(1, 0).Relative(TVector2D(0, -1)), tl_Right);
    EXPECT_EQ(TVector2D(1, 0).Relative(TVector2D(-1, 0)), tl_On);
    EXPECT_EQ(TVector2D(0, 0).Relative(TVector2D(0, 1)), tl_On);
    EXPECT_EQ(TVector2D(1, 0).Relative(TVector2D(1, 1e-6)), tl_On);  // sine below 2e-6
    EXPECT_DOUBLE_EQ(TVector2D(0, -1).AngleInRadian(), 1.5 * TMathDef::C_PI);
    EXPECT_DOUBLE_EQ(TVector2D(1, 1e-9).AngleInRadian(), 0.0);
    EXPECT_DOUBLE_EQ(TVector2D(1e-11, 0).AngleInRadian(), 0.0);
    EXPECT_NEAR(TVector2D(-1, -1).Angle(), 225.0, 1e-12);

    TVector2D v(2, 0);
    v.Rotate(TMathDef::C_PI_2);
    EXPECT_NEAR(v.x, 0.0, 1e-15);
    EXPECT_NEAR(v.y, 2.0, 1e-15);
    v.Set(1, 2).Rotate(TVector2D(0, 1));  // complex product with i
    EXPECT_DOUBLE_EQ(v.x, -2.0);
    EXPECT_DOUBLE_EQ(v.y, 1.0);
    TVector2D tiny(1e-6, 0);
    EXPECT_DOUBLE_EQ(tiny.Normalize().x, 1e-6);
    EXPECT_DOUBLE_EQ(TVector2D(3, 4).Normalize().y, 0.8);
    EXPECT_DOUBLE_EQ(TVector2D(1, 2) | TVector2D(3, 4), 11.0);
    TVector2D p(1, 2);
    EXPECT_DOUBLE_EQ(p.PerpendicularBackClockWise().x, -2.0);
}

TEST(LS_ISTest, SegmentCrossings)
{
    TPoint2D X;
    ASSERT_TRUE(LS_IS(TPoint2D(0, 0), TPoint2D(4, 4), TPoint2D(0, 4), TPoint2D(4, 0), X));
    EXPECT_NEAR(X.x, 2.0, 1e-15);
    EXPECT_NEAR(X.y, 2.0, 1e-15);
    ASSERT_TRUE(LS_IS(TPoint2D(0, 0), TPoint2D(1, 0), TPoint2D(1, -1), TPoint2D(1, 1), X));  // at an end
    EXPECT_DOUBLE_EQ(X.x, 1.0);
    X = TPoint2D(7, 7);
    EXPECT_FALSE(LS_IS(TPoint2D(0, 0), TPoint2D(2, 0), TPoint2D(1, 0), TPoint2D(3, 0), X));  // collinear
    EXPECT_FALSE(LS_IS(TPoint2D(0, 0), TPoint2D(1, 0), TPoint2D(1.001, -1), TPoint2D(1.001, 1), X));
    EXPECT_EQ(X, TPoint2D(7, 7));
}

} // namespace
