// Givens QR, LDL^T, LU bordering and the augmented back substitution.
#include "MatrixDecomp.h"

#include "StreamBytes.h"

#include <gtest/gtest.h>

#include <cmath>
#include <random>
#include <vector>

namespace {
using geomtest::Make;

TMathMatrix Random(TSize m, TSize n, unsigned seed)
{
    std::mt19937 gen(seed);
    std::uniform_real_distribution<double> u(-1.0, 1.0);
    TMathMatrix A(m, n);
    for (TSize i = 0; i < m; ++i)
        for (TSize j = 0; j < n; ++j)
            A(i, j) = u(gen);
    return A;
}

TEST(LR_LDTest, FactorsAWorkedSymmetricMatrixAndStopsAtAZeroPivot)
{
    TMathMatrix A = Make(2, 2, {4, 2, 2, 3});
    TMathMatrix L, D;
    EXPECT_EQ(LR_LD(A, L, D), 0);
    EXPECT_EQ(L(1, 0), 0.5);
    EXPECT_EQ(L(0, 0), 1.0);
    EXPECT_EQ(L(1, 1), 1.0);
    EXPECT_EQ(D(0, 0), 4.0);
    EXPECT_EQ(D(1, 1), 2.0);
    TMathMatrix Z = Make(2, 2, {0, 1, 1, 0}); // a zero first pivot stops at once
    EXPECT_EQ(LR_LD(Z, L, D), 0);
    EXPECT_EQ(D(0, 0), 0.0);
    TMathMatrix B = Make(3, 3, {1, 1, 0, 1, 1, 0, 0, 0, 1});
    EXPECT_EQ(LR_LD(B, L, D), 1);
}

TEST(LR_LDTest, InPlaceFormRebuildsTheMatrixAndKeepsTheUpperTriangle)
{
    const TMathMatrix A = Make(3, 3, {4, 1, 2, 1, 5, 3, 2, 3, 6});
    TMathMatrix L = A, D;
    L(0, 2) = 77.0;
    ASSERT_EQ(LR_LD(L, D), 0);
    EXPECT_EQ(L(0, 2), 77.0);
    for (int i = 0; i < 3; ++i)
        for (int j = 0; j <= i; ++j) {
            double s = 0.0;
            for (int k = 0; k <= j; ++k)
                s += L(i, k) * D(k, k) * (k == j ? 1.0 : L(j, k));
            SCOPED_TRACE(testing::Message() << i << "," << j);
            EXPECT_NEAR(s, A(i, j), 1e-13);
        }
}

TEST(QrDcmpTest, QTimesInputIsTheTriangleAndATriangleIsLeftAlone)
{
    const TMathMatrix A = Random(5, 4, 3);
    TMathMatrix R = A, Q(5, 5);
    Q.SetZero();
    qr_dcmp(R, Q, true);
    const TMathMatrix QA = Q * A;
    for (int i = 0; i < 5; ++i)
        for (int j = 0; j < 4; ++j) {
            SCOPED_TRACE(testing::Message() << i << "," << j);
            EXPECT_NEAR(QA(i, j), R(i, j), 1e-13);
            if (i > j) {
                EXPECT_EQ(R(i, j), 0.0);
            }
        }
    const TMathMatrix U = Make(2, 2, {-3, 1, 0, 2}); // already upper triangular: left alone
    TMathMatrix RU = U;
    qr_dcmp(RU);
    EXPECT_TRUE(RU.Check(U));
    EXPECT_EQ(RU(0, 0), -3.0);
}

TEST(QrLequTest, SolvesASquareSystemAndIgnoresAMismatch)
{
    const TMathMatrix A = Make(3, 3, {2, 1, 0, 1, 3, 1, 0, 1, 4});
    TMathMatrix R = A, Q(3, 3);
    Q.SetZero();
    qr_dcmp(R, Q, true);
    TMathVector b(3, 0.0);
    b = {3, 5, 5}; // A (1, 1, 1)
    qr_lequ(R, Q, b);
    for (int i = 0; i < 3; ++i)
        EXPECT_NEAR(b[i], 1.0, 1e-14);
    TMathVector two(2, 7.0);
    qr_lequ(R, Q, two);
    EXPECT_EQ(two[0], 7.0);
}

TEST(SolveAugmentedTest, BackSubstitutesAndStopsAtASmallPivotOrAHugeComponent)
{
    TMathMatrix R = Make(2, 3, {2, 1, 5, 0, 1, 1});
    TMathMatrix x(2, 1);
    EXPECT_EQ(Solve(R, x, 2, 1e-12), 0);
    EXPECT_EQ(x(0, 0), 2.0);
    EXPECT_EQ(x(1, 0), 1.0);
    TMathMatrix R2 = Make(2, 3, {2, 1, 5, 0, 1, 1});
    EXPECT_EQ(Solve(R2, x, 2, 2.0), 2);
    TMathMatrix huge = Make(2, 3, {1, 0, 1, 0, 1e-3, 5}); // a huge component clears its row
    EXPECT_EQ(Solve(huge, x, 2, 1e-12), 2);
    EXPECT_EQ(huge(1, 1), 0.0);
    EXPECT_EQ(huge(1, 2), 0.0);
}

struct LuArrays {
    std::vector<std::vector<double>> mtm, lu;
    std::vector<double*> m, l;
    explicit LuArrays(std::vector<std::vector<double>> a)
        : mtm(std::move(a)), lu(mtm.size(), std::vector<double>(mtm.size()))
    {
        for (std::size_t i = 0; i < mtm.size(); ++i) {
            m.push_back(mtm[i].data());
            l.push_back(lu[i].data());
        }
    }
};

TEST(AddrowLuTest, BorderedFactorReproducesTheMatrixAndASmallPivotIsMarked)
{
    LuArrays a({{4, 3, 2}, {2, 5, 1}, {6, 1, 7}});
    a.lu[0][0] = 4.0;
    ASSERT_TRUE(addrow_lu(a.m.data(), a.l.data(), 1, 1e-12, 0.0));
    ASSERT_TRUE(addrow_lu(a.m.data(), a.l.data(), 2, 1e-12, 0.0));
    for (int i = 0; i < 3; ++i)
        for (int j = 0; j < 3; ++j) {
            double s = 0.0;
            for (int k = 0; k <= std::min(i, j); ++k)
                s += (k == i ? 1.0 : a.lu[i][k]) * a.lu[k][j];
            SCOPED_TRACE(testing::Message() << i << "," << j);
            EXPECT_NEAR(s, a.mtm[i][j], 1e-13);
        }
    LuArrays b({{1, 2}, {2, 4}}); // a small new pivot leaves the marker
    b.lu[0][0] = 1.0;
    EXPECT_FALSE(addrow_lu(b.m.data(), b.l.data(), 1, 1e-9, 0.0));
    EXPECT_EQ(b.lu[1][1], 1e-20);
    b.lu[0][0] = 0.0;
    EXPECT_FALSE(addrow_lu(b.m.data(), b.l.data(), 1, 1e-9, 0.0));
}

} // namespace
