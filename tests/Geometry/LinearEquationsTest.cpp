// Gauss elimination, the rank-revealing QR solve and the triangular substitutions; solutions are
// checked against Eigen on random systems.
#include "LinearEquations.h"

#include "StreamBytes.h"

#include <gtest/gtest.h>

#include <cmath>
#include <random>
#include <string>

#if __has_include(<Eigen/Dense>)
#include <Eigen/Dense>
#define DC_HAVE_EIGEN 1
#endif

namespace {
using geomtest::Make;
using geomtest::Vec;

struct PivotCase {
    const char* name;
    double a00;
    bool swaps;
};

class GaussDeferredPivot : public testing::TestWithParam<PivotCase> {};

// Rows are exchanged only once the diagonal falls below 1e-5.
TEST_P(GaussDeferredPivot, SwapsOnlyBelowTheThreshold)
{
    const PivotCase c = GetParam();
    TMathMatrix A = Make(2, 2, {c.a00, 1, 1, 1});
    TMathVector b = Vec({1, 2});
    ASSERT_EQ(TLinearEquations::SolveGauss(A, b, 1e-12), gcBaseCode_Ok);
    EXPECT_EQ(A(0, 0), c.swaps ? 1.0 : c.a00);
    const double x1 = (2 - 1 / c.a00) / (1 - 1 / c.a00), x0 = (1 - x1) / c.a00;
    EXPECT_NEAR(b[0], x0, 1e-9);
    EXPECT_NEAR(b[1], x1, 1e-12);
}

INSTANTIATE_TEST_SUITE_P(SolveGaussTest, GaussDeferredPivot,
                         testing::Values(PivotCase{"Tiny1e6Swaps", 1e-6, true},
                                         PivotCase{"Small2e5Stays", 2e-5, false}),
                         [](const testing::TestParamInfo<PivotCase>& c) {
                             return std::string(c.param.name);
                         });

struct PivotChainCase {
    const char* name;
    int n;
    int zeroAt; // the step whose pivot becomes exactly zero after the earlier eliminations
};

class GaussPivotChain : public testing::TestWithParam<PivotChainCase> {};

// Steps are eliminated in pairs; a pivot that vanishes inside a pair must still swap its row with
// the row's pending update.
TEST_P(GaussPivotChain, SwapsAVanishedPivotAndSolves)
{
    const PivotChainCase c = GetParam();
    std::mt19937 gen{unsigned(c.n * 7 + c.zeroAt)};
    std::uniform_int_distribution<int> u(1, 9);
    TMathMatrix A(c.n, c.n);
    for (int i = 0; i < c.n; ++i)
        for (int j = 0; j < c.n; ++j)
            A(i, j) = u(gen);
    // Row zeroAt repeats row 0 up to column zeroAt, so its pivot vanishes at that step.
    for (int j = 0; j <= c.zeroAt; ++j)
        A(c.zeroAt, j) = A(0, j) * (c.zeroAt == 0 ? 0.0 : 1.0);
    for (int k = 1; k < c.zeroAt; ++k)
        A(k, 0) = 0.0; // keeps the earlier rows from disturbing the repeat
    const TMathMatrix A0 = A;
    TMathVector x(c.n, 0.0), b(c.n, 0.0);
    for (int i = 0; i < c.n; ++i)
        x[i] = i + 1.0;
    A0.Multiply(x, b);
    ASSERT_EQ(TLinearEquations::SolveGauss(A, b, 1e-12), gcBaseCode_Ok);
    for (int i = 0; i < c.n; ++i) {
        SCOPED_TRACE(i);
        EXPECT_NEAR(b[i], i + 1.0, 1e-9);
    }
}

INSTANTIATE_TEST_SUITE_P(
    SolveGaussTest, GaussPivotChain,
    testing::Values(PivotChainCase{"FirstStep", 4, 0}, PivotChainCase{"SecondOfPair", 5, 1},
                    PivotChainCase{"FirstOfSecondPair", 6, 2}, PivotChainCase{"SecondOfSecondPair", 6, 3},
                    PivotChainCase{"LastSingleStep", 4, 2}),
    [](const testing::TestParamInfo<PivotChainCase>& c) { return std::string(c.param.name); });

TEST(SolveGaussTest, SingularMatrixIsUnsolvable)
{
    TMathMatrix A = Make(2, 2, {1, 2, 2, 4});
    TMathVector b = Vec({1, 2});
    EXPECT_EQ(TLinearEquations::SolveGauss(A, b, 1e-10), gcBaseCode_Unsolvable);
    TMathMatrix Z = Make(2, 2, {0, 1, 0, 1});
    EXPECT_EQ(TLinearEquations::SolveGauss(Z, b, 1e-10), gcBaseCode_Unsolvable);
}

TEST(TriangularSubstitutionTest, CountsZeroDiagonals)
{
    const TMathMatrix L = Make(2, 2, {2, 0, 1, 4});
    TMathVector y = Vec({2, 9});
    EXPECT_EQ(TLinearEquations::SolveLeftDnTriangle(L, y), 2);
    EXPECT_EQ(y[1], 2.0);
    const TMathMatrix Lz = Make(2, 2, {2, 0, 1, 0});
    y = {2, 9};
    EXPECT_EQ(TLinearEquations::SolveLeftDnTriangle(Lz, y), 1);
    const TMathMatrix R = Make(2, 2, {2, 1, 0, 0});
    y = {4, 7};
    EXPECT_EQ(TLinearEquations::SolveRightUpTriangle(R, y), 1);
    EXPECT_EQ(y[1], 7.0); // left as it was
    EXPECT_EQ(y[0], (4 - 7) / 2.0);
    y = {2, 9};
    EXPECT_EQ(TLinearEquations::SolveLeftDnTriangleAsRightUpTransponate(R, y), 2);
    EXPECT_EQ(y[0], 1.0);
    EXPECT_EQ(y[1], 9.0);
}

struct PivotRuleCase {
    const char* name;
    std::vector<double> norms;
    int pivot;
};

class RRQRPivotRule : public testing::TestWithParam<PivotRuleCase> {};

TEST_P(RRQRPivotRule, PicksTheSmallestNormAboveTheThreshold)
{
    const PivotRuleCase c = GetParam();
    const TSize n = TSize(c.norms.size());
    TMathMatrix R(n, n);
    R.SetZero();
    TMathVector S(n, 0.0);
    for (TSize i = 0; i < n; ++i)
        S[i] = c.norms[i];
    EXPECT_EQ(TLinearEquations::RRQR_Pivot(R, S, 0, 1e-9), c.pivot);
}

INSTANTIATE_TEST_SUITE_P(TLinearEquationsTest, RRQRPivotRule,
                         testing::Values(PivotRuleCase{"SmallestAboveThreshold", {5, 3, 1e-12}, 1},
                                         PivotRuleCase{"LargestWhenAllBelow", {1e-12, 1e-11}, 1},
                                         PivotRuleCase{"FirstOfEqual", {2, 2, 7}, 0},
                                         PivotRuleCase{"HugeNegativeNeverChosen", {-2e300, 1e-12}, 1}),
                         [](const testing::TestParamInfo<PivotRuleCase>& c) {
                             return std::string(c.param.name);
                         });

TEST(TLinearEquationsTest, MissingNormsAreComputedBelowTheRow)
{
    TMathMatrix R = Make(3, 3, {100, 100, 100, 0, 3, 1, 0, 4, 1});
    TMathVector S(3, -1.0);
    EXPECT_EQ(TLinearEquations::RRQR_MaxColumn(R, S, 1), 1);
    EXPECT_EQ(S[0], -1.0); // left of the row: not a candidate
    EXPECT_EQ(S[1], 25.0);
    EXPECT_EQ(S[2], 2.0);
    TLinearEquations::RRQR_Reduce(R, S, 1);
    EXPECT_EQ(S[2], 2.0 - 1.0);
    S[2] = -1.0;
    TLinearEquations::RRQR_Reduce(R, S, 1);
    EXPECT_EQ(S[2], 1.0); // computed below row 1
}

TEST(TLinearEquationsTest, DecomposeFactorsTheTransposeWithItsPermutation)
{
    const TMathMatrix A = Make(3, 3, {1, 2, 3, 4, 5, 6, 7, 8, 10});
    TMathMatrix R(3, 3), Q(3, 3);
    std::vector<int> P;
    TLinearEquations::RRQR_Decompose(A, R, &Q, P);
    ASSERT_EQ(P.size(), 3u);
    // Q A^T P = R: column k of R is Q times row P[k] of A.
    for (int k = 0; k < 3; ++k)
        for (int i = 0; i < 3; ++i) {
            double s = 0.0;
            for (int j = 0; j < 3; ++j)
                s += Q(i, j) * A(P[k], j);
            SCOPED_TRACE(testing::Message() << i << "," << k);
            EXPECT_NEAR(s, R(i, k), 1e-12);
        }
    TLinearEquations le;
    EXPECT_EQ(le.RRQR_Rank(R, 1e-9), 3);
    TMathMatrix zero(3, 3);
    zero.SetZero();
    EXPECT_EQ(le.RRQR_Rank(zero, 1e-9), 0);
}

TEST(SolveQRTest, EqualRowsAreRefusedAndTheSolutionKept)
{
    TLinearEquations le(3);
    le.Matrix = Make(3, 3, {1, 2, 3, 1, 2, 3, 0, 1, 5});
    le.RightSide = {1, 1, 2};
    le.Solution = {7, 7, 7};
    EXPECT_EQ(le.SolveQR(1e-9), gcBaseCode_Unsolvable);
    EXPECT_EQ(le.Solution[0], 7.0);
    TMathVector x(3, 0.0);
    TMathMatrix R(3, 3);
    std::vector<int> P;
    TLinearEquations::RRQR_Decompose(le.Matrix, R, nullptr, P);
    R(2, 2) = 0.0;
    EXPECT_FALSE(le.rrqr_lequ_wo_q(le.Matrix, R, P, le.RightSide, x));
}

#ifdef DC_HAVE_EIGEN
class RandomSystem : public testing::TestWithParam<int> {};

TEST_P(RandomSystem, BothSolversAgreeWithEigen)
{
    const int n = GetParam();
    std::mt19937 gen{unsigned(n)};
    std::uniform_real_distribution<double> u(-1.0, 1.0);
    Eigen::MatrixXd E(n, n);
    Eigen::VectorXd b(n);
    TLinearEquations le(n);
    for (int i = 0; i < n; ++i) {
        b(i) = le.RightSide[i] = u(gen);
        for (int j = 0; j < n; ++j)
            E(i, j) = le.Matrix(i, j) = u(gen);
    }
    const Eigen::VectorXd lu = E.partialPivLu().solve(b);
    const Eigen::VectorXd qr = E.colPivHouseholderQr().solve(b);
    const double scale = lu.lpNorm<Eigen::Infinity>();
    TMathMatrix A = le.Matrix;
    TMathVector g = le.RightSide;
    ASSERT_EQ(TLinearEquations::SolveGauss(A, g, 1e-12), gcBaseCode_Ok);
    ASSERT_EQ(le.SolveQR(1e-12), gcBaseCode_Ok);
    for (int i = 0; i < n; ++i) {
        SCOPED_TRACE(i);
        EXPECT_NEAR(g[i], lu(i), 1e-9 * scale);
        EXPECT_NEAR(le.Solution[i], qr(i), 1e-9 * scale);
    }
}

INSTANTIATE_TEST_SUITE_P(TLinearEquationsTest, RandomSystem, testing::Values(5, 40, 120),
                         [](const testing::TestParamInfo<int>& c) { return "n" + std::to_string(c.param); });
#endif

} // namespace
