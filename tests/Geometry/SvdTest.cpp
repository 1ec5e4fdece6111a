// Singular value decomposition, triangular inverses, row products and pseudo-inverses; the
// decomposition is checked against Eigen on random matrices.
#include "Svd.h"

#include "StreamBytes.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <functional>
#include <random>
#include <string>
#include <vector>

#if __has_include(<Eigen/Dense>)
#include <Eigen/Dense>
#define DC_HAVE_EIGEN 1
#endif

namespace {
using geomtest::Make;

// A 1-based m x n array of rows, as svdcmp takes it.
struct OneBased {
    int m, n;
    std::vector<double> cells;
    std::vector<double*> rows;
    OneBased(int m_, int n_) : m(m_), n(n_), cells(std::size_t(m_ + 1) * (n_ + 1)), rows(m_ + 1)
    {
        for (int i = 0; i <= m; ++i)
            rows[i] = &cells[std::size_t(i) * (n + 1)];
    }
    double& operator()(int i, int j) { return rows[i + 1][j + 1]; } // 0-based view
    double operator()(int i, int j) const { return rows[i + 1][j + 1]; }
};

struct Decomposed {
    OneBased u, v;
    std::vector<double> w;
    int ok;
    explicit Decomposed(const OneBased& a) : u(a), v(a.n, a.n), w(a.n + 1)
    {
        u.rows.resize(a.m + 1);
        for (int i = 0; i <= a.m; ++i)
            u.rows[i] = &u.cells[std::size_t(i) * (a.n + 1)];
        ok = svdcmp(u.rows.data(), a.m, a.n, w.data(), v.rows.data());
    }
};

// Random matrix of the given rank (rank = min(m, n) for full rank), entries of order 1.
OneBased RandomMatrix(int m, int n, int rank, unsigned seed)
{
    std::mt19937 gen(seed);
    std::uniform_real_distribution<double> d(-1.0, 1.0);
    std::vector<double> L(std::size_t(m) * rank), R(std::size_t(rank) * n);
    for (double& x : L)
        x = d(gen);
    for (double& x : R)
        x = d(gen);
    OneBased a(m, n);
    for (int i = 0; i < m; ++i)
        for (int j = 0; j < n; ++j) {
            double s = 0.0;
            for (int k = 0; k < rank; ++k)
                s += L[std::size_t(i) * rank + k] * R[std::size_t(k) * n + j];
            a(i, j) = s;
        }
    return a;
}

double Frobenius(const OneBased& a)
{
    double s = 0.0;
    for (int i = 0; i < a.m; ++i)
        for (int j = 0; j < a.n; ++j)
            s += a(i, j) * a(i, j);
    return std::sqrt(s);
}

struct Shape {
    const char* name;
    int m, n, rank;
};

class SvdRandom : public testing::TestWithParam<Shape> {};

TEST_P(SvdRandom, ReconstructsWithOrthonormalFactorsAndTheSingularValuesOfEigen)
{
    const Shape s = GetParam();
    const OneBased a = RandomMatrix(s.m, s.n, s.rank, 17u + unsigned(s.m * 3 + s.n));
    const Decomposed d(a);
    ASSERT_EQ(d.ok, 1);
    const double tol = 1e-12 * Frobenius(a);
    double worst = 0.0;
    for (int i = 0; i < s.m; ++i)
        for (int j = 0; j < s.n; ++j) {
            double r = 0.0;
            for (int k = 0; k < s.n; ++k)
                r += d.u(i, k) * d.w[k + 1] * d.v(j, k);
            worst = std::max(worst, std::fabs(r - a(i, j)));
        }
    EXPECT_LE(worst, tol);
    // V is orthogonal; U has orthonormal columns, or orthonormal rows when the matrix is wide.
    double vErr = 0.0, uErr = 0.0;
    for (int p = 0; p < s.n; ++p)
        for (int q = 0; q < s.n; ++q) {
            double vv = 0.0;
            for (int k = 0; k < s.n; ++k)
                vv += d.v(k, p) * d.v(k, q);
            vErr = std::max(vErr, std::fabs(vv - (p == q)));
        }
    const bool wide = s.m < s.n;
    const int size = wide ? s.m : s.n;
    for (int p = 0; p < size; ++p)
        for (int q = 0; q < size; ++q) {
            double uu = 0.0;
            for (int k = 0; k < (wide ? s.n : s.m); ++k)
                uu += wide ? d.u(p, k) * d.u(q, k) : d.u(k, p) * d.u(k, q);
            uErr = std::max(uErr, std::fabs(uu - (p == q)));
        }
    EXPECT_LE(vErr, 1e-12);
    EXPECT_LE(uErr, 1e-12);
    for (int k = 1; k <= s.n; ++k)
        ASSERT_GE(d.w[k], 0.0);
#ifdef DC_HAVE_EIGEN
    Eigen::MatrixXd E(s.m, s.n);
    for (int i = 0; i < s.m; ++i)
        for (int j = 0; j < s.n; ++j)
            E(i, j) = a(i, j);
    const Eigen::VectorXd ref = Eigen::BDCSVD<Eigen::MatrixXd>(E).singularValues();
    std::vector<double> ours(d.w.begin() + 1, d.w.end());
    std::sort(ours.begin(), ours.end(), std::greater<double>());
    const double largest = ref(0);
    for (int k = 0; k < ref.size(); ++k) {
        SCOPED_TRACE(k);
        EXPECT_LE(std::fabs(ours[k] - ref(k)), 1e-10 * largest);
    }
    for (std::size_t k = std::size_t(ref.size()); k < ours.size(); ++k)
        EXPECT_LE(ours[k], 1e-10 * largest); // the extra values of a wide matrix
#endif
}

INSTANTIATE_TEST_SUITE_P(svdcmp, SvdRandom,
                         testing::Values(Shape{"Square6", 6, 6, 6}, Shape{"Square50", 50, 50, 50},
                                         Shape{"Square200", 200, 200, 200}, Shape{"Tall120x40", 120, 40, 40},
                                         Shape{"Wide30x90", 30, 90, 30},
                                         Shape{"RankDeficient60x60", 60, 60, 35},
                                         Shape{"RankDeficientTall80x30", 80, 30, 12},
                                         Shape{"RankDeficientWide20x50", 20, 50, 7},
                                         Shape{"OneColumn", 7, 1, 1}, Shape{"OneRow", 1, 5, 1}),
                         [](const testing::TestParamInfo<Shape>& c) { return std::string(c.param.name); });

TEST(SvdcmpTest, ZeroColumn)
{
    OneBased z(3, 2); // second column zero
    z(0, 0) = 3.0;
    z(1, 0) = 4.0;
    const Decomposed dz(z);
    ASSERT_EQ(dz.ok, 1);
    EXPECT_DOUBLE_EQ(std::max(dz.w[1], dz.w[2]), 5.0);
    EXPECT_EQ(std::min(dz.w[1], dz.w[2]), 0.0);
}

TEST(PythagTest, NoOverflowAndZero)
{
    EXPECT_EQ(pythag(3, 4), 5.0);
    EXPECT_EQ(pythag(-4, 3), 5.0);
    EXPECT_EQ(pythag(0, 0), 0.0);
    EXPECT_DOUBLE_EQ(pythag(3e300, 4e300), 5e300);
}

TEST(SvdBksbTest, SolvesAndDropsTinySingularValues)
{
    OneBased a(2, 2);
    a(0, 0) = 2.0;
    a(1, 1) = 4.0;
    const Decomposed d(a);
    std::vector<double> b{0, 2, 8}, x(3);
    svd_bksb(d.u.rows.data(), d.w.data(), d.v.rows.data(), 2, 2, b.data(), x.data());
    EXPECT_NEAR(x[1], 1.0, 1e-15);
    EXPECT_NEAR(x[2], 2.0, 1e-15);
    // A singular value of 1e-15 contributes nothing instead of 1e15.
    OneBased u(2, 2), v(2, 2);
    u(0, 0) = u(1, 1) = v(0, 0) = v(1, 1) = 1.0;
    std::vector<double> w{0, 1.0, 1e-15};
    svd_bksb(u.rows.data(), w.data(), v.rows.data(), 2, 2, b.data(), x.data());
    EXPECT_EQ(x[1], 2.0);
    EXPECT_EQ(x[2], 0.0);
}

TEST(InvRmatTest, InvertsAWorkedTriangleInPlace)
{
    TMathMatrix r = Make(2, 2, {2, 1, 0, 4}, TMathMatrix::mt_RIGHT);
    ASSERT_TRUE(inv_rmat(r));
    EXPECT_EQ(r(0, 0), 0.5);
    EXPECT_EQ(r(0, 1), -0.125);
    EXPECT_EQ(r(1, 1), 0.25);
    TMathMatrix z = Make(2, 2, {2, 1, 0, 0});
    EXPECT_FALSE(inv_rmat(z));
    EXPECT_EQ(z(0, 0), 2.0); // stopped at the last row before touching the first
    TMathMatrix empty;
    EXPECT_TRUE(inv_rmat(empty));
}

TEST(InvRmatTest, SparseFormDropsOnlyTinyEntries)
{
    const TMathMatrix r0 = Make(3, 3, {2, 0, 1, 0, 3, 1e-20, 0, 0, 4});
    TMathMatrix dense = r0, sparse = r0;
    int idx[3];
    ASSERT_TRUE(inv_rmat(dense));
    ASSERT_TRUE(inv_srmat(sparse, idx, 1e-12));
    EXPECT_TRUE(sparse.Check(dense));
    const TMathMatrix product = r0 * dense;
    for (int i = 0; i < 3; ++i)
        for (int j = 0; j < 3; ++j)
            EXPECT_NEAR(product(i, j), i == j ? 1.0 : 0.0, 1e-15);
}

TEST(ProdTest, RowByRowProductsMatchTheMatrixProduct)
{
    const TMathMatrix q0 = Make(2, 2, {1, 2, 3, 4});
    const TMathMatrix a = Make(2, 2, {0, 1, 1, 1});
    TMathVector v(2, 0.0);
    TMathMatrix q = q0;
    prod_mat(q, a, v, false);
    EXPECT_TRUE(q.Check(q0 * a));
    q = q0;
    prod_mat(q, a, v, true);
    EXPECT_TRUE(q.Check(q0 - q0 * a));
    int idx[2];
    q = q0;
    prod_sm_dm(q, a, v, idx, 1e-12);
    EXPECT_TRUE(q.Check(q0 * a));
    TMathMatrix b = a;
    prod_dm_sm(q0, b, v, idx, 1e-12);
    EXPECT_TRUE(b.Check(q0 * a));
    TMathMatrix r = Make(2, 2, {1, 2, 99, 3}); // the 99 below the diagonal never enters
    q = q0;
    prod_rmat(q, r, v);
    EXPECT_TRUE(q.Check(q0 * Make(2, 2, {1, 2, 0, 3})));
}

TEST(InvImproveTest, ExactInverseStopsAfterOneStep)
{
    const TMathMatrix A = Make(2, 2, {2, 0, 0, 4});
    TMathMatrix X = Make(2, 2, {0.5, 0, 0, 0.25});
    int it = 0;
    const double r = Inv_Improve(A, X, it);
    EXPECT_EQ(it, 1);
    EXPECT_LE(r, 1e-15);
    TMathMatrix Y = Make(2, 2, {0.45, 0, 0, 0.2});
    it = 0;
    Inv_Improve(A, Y, it);
    EXPECT_NEAR(Y(0, 0), 0.5, 1e-14);
    EXPECT_NEAR(Y(1, 1), 0.25, 1e-14);
}

void ExpectPenrose(const TMathMatrix& A, const TMathMatrix& X, double tol)
{
    const TMathMatrix AX = A * X, XA = X * A;
    TMathMatrix AXt, XAt;
    AX.Transpose(AXt);
    XA.Transpose(XAt);
    EXPECT_LE((AX * A - A).NormaMax(), tol);
    EXPECT_LE((XA * X - X).NormaMax(), tol);
    EXPECT_LE((AX - AXt).NormaMax(), tol);
    EXPECT_LE((XA - XAt).NormaMax(), tol);
}

TMathMatrix ToMatrix(const OneBased& a)
{
    TMathMatrix M(a.m, a.n);
    for (int i = 0; i < a.m; ++i)
        for (int j = 0; j < a.n; ++j)
            M(i, j) = a(i, j);
    return M;
}

class PseudoInverse : public testing::TestWithParam<Shape> {};

TEST_P(PseudoInverse, RecInvAndSvdBackSubstitutionSatisfyThePenroseConditions)
{
    const Shape s = GetParam();
    const OneBased a = RandomMatrix(s.m, s.n, s.rank, 5u + unsigned(s.m + s.n));
    const TMathMatrix A = ToMatrix(a);
    TMathMatrix R;
    int dec = 10;
    RecInv(A, dec, R);
    ASSERT_EQ(R.Lines, s.n);
    ASSERT_EQ(R.Columns, s.m);
    ExpectPenrose(A, R, 1e-8);
    EXPECT_GE(dec, 8);

    const Decomposed d(a);
    ASSERT_EQ(d.ok, 1);
    TMathMatrix X(s.n, s.m);
    std::vector<double> b(s.m + 1), x(s.n + 1);
    for (int c = 0; c < s.m; ++c) {
        std::fill(b.begin(), b.end(), 0.0);
        b[c + 1] = 1.0;
        svd_bksb(d.u.rows.data(), d.w.data(), d.v.rows.data(), s.m, s.n, b.data(), x.data());
        for (int i = 0; i < s.n; ++i)
            X(i, c) = x[i + 1];
    }
    ExpectPenrose(A, X, 1e-10);
}

INSTANTIATE_TEST_SUITE_P(Inverses, PseudoInverse,
                         testing::Values(Shape{"Square4", 4, 4, 4}, Shape{"Tall3x2", 3, 2, 2},
                                         Shape{"Tall7x4", 7, 4, 4}, Shape{"Wide3x6", 3, 6, 3},
                                         Shape{"RankDeficient5x4", 5, 4, 2}),
                         [](const testing::TestParamInfo<Shape>& c) { return std::string(c.param.name); });

TEST(RecInvTest, ZeroFirstColumnGivesAZeroRow)
{
    const TMathMatrix A = Make(2, 2, {0, 1, 0, 1});
    TMathMatrix X;
    int dec = 10;
    RecInv(A, dec, X);
    EXPECT_EQ(X(0, 0), 0.0);
    EXPECT_EQ(X(0, 1), 0.0);
    EXPECT_NEAR(X(1, 0), 0.5, 1e-12);
}

} // namespace
