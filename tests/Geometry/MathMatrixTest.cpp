// The math matrix: storage by kind, the kind-aware product, whole-matrix operations.
#include "MathMatrix.h"

#include "StreamBytes.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>

namespace {
using geomtest::Make;
using geomtest::Vec;
using MT = TMathMatrix::MathMatrixType;

struct RunCase {
    const char* name;
    MT type;
    TSize lines, columns;
    std::vector<TSize> stored; // values stored per row
};

class StorageByKind : public testing::TestWithParam<RunCase> {};

TEST_P(StorageByKind, EachRowStoresItsRun)
{
    const RunCase& c = GetParam();
    const TMathMatrix A(c.lines, c.columns, c.type);
    ASSERT_EQ(A.Lines, TSize(c.stored.size()));
    for (TSize i = 0; i < A.Lines; ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(A[i].N, c.stored[i]);
        EXPECT_EQ(A[i].D, c.columns);
    }
}

INSTANTIATE_TEST_SUITE_P(TMathMatrixTest, StorageByKind,
                         testing::Values(RunCase{"Right3x3", TMathMatrix::mt_RIGHT, 3, 3, {3, 2, 1}},
                                         RunCase{"Right4x3", TMathMatrix::mt_RIGHT, 4, 3, {3, 2, 1, 1}},
                                         RunCase{"Left2x4", TMathMatrix::mt_LEFT, 2, 4, {1, 2}},
                                         RunCase{"Left4x2", TMathMatrix::mt_LEFT, 4, 2, {1, 2, 2, 2}},
                                         RunCase{"Diagonal3x3", TMathMatrix::mt_DIAGONAL, 3, 3, {1, 1, 1}},
                                         RunCase{"General2x3", TMathMatrix::mt_GENERAL, 2, 3, {3, 3}}),
                         [](const testing::TestParamInfo<RunCase>& c) { return std::string(c.param.name); });

TEST(TMathMatrixTest, Right4x3KeepsItsLastRowAtColumnZero)
{
    const TMathMatrix A(4, 3, TMathMatrix::mt_RIGHT);
    EXPECT_EQ(A[3].SI, 0);
    EXPECT_EQ(A[3].EI, 1);
}

TEST(TMathMatrixTest, SwapsOnlyFullRowKindsAndDifferentColumns)
{
    TMathMatrix D = Make(2, 2, {1, 0, 0, 2}, TMathMatrix::mt_DIAGONAL);
    EXPECT_FALSE(D.SwapLines(0, 1));
    EXPECT_FALSE(D.SwapCols(0, 1));
    EXPECT_EQ(D(1, 1), 2.0);
    TMathMatrix G = Make(2, 3, {1, 2, 3, 4, 5, 6});
    EXPECT_FALSE(G.SwapCols(2, 2));
    EXPECT_TRUE(G.SwapCols(0, 2));
    EXPECT_EQ(G(1, 0), 6.0);
    EXPECT_TRUE(G.SwapLines(0, 1));
    EXPECT_EQ(G(0, 0), 6.0);
}

TEST(TMathMatrixTest, NormsOfAWorkedMatrixAndTheCheckTolerance)
{
    const TMathMatrix A = Make(2, 2, {1, -2, 3, 4});
    EXPECT_EQ(A.Norma1(), 7.0);
    EXPECT_EQ(A.NormaMax(), 4.0);
    EXPECT_DOUBLE_EQ(A.NormaEukl(), std::sqrt(30.0));
    EXPECT_DOUBLE_EQ(A.clNorma2(1), std::sqrt(20.0));
    EXPECT_EQ(A.ColumnNorma1(1, 0), 3.0);
    EXPECT_EQ(A.ColumnNorma2(0, 1), 20.0);
    EXPECT_EQ(A.ColumnNorma2(2, 1), 0.0);
    const TMathMatrix Z = Make(1, 1, {0.0}); // Check accepts its tolerance and refuses more
    EXPECT_TRUE(Z.Check(Make(1, 1, {2e-6})));
    EXPECT_FALSE(Z.Check(Make(1, 1, {2.1e-6})));
}

TEST(TMathMatrixTest, SumOfOrthogonalsIsGeneralAndProductOfRightsIsRight)
{
    const TMathMatrix O = Make(2, 2, {0, 1, 1, 0}, TMathMatrix::mt_ORTHOGONAL);
    EXPECT_EQ((O + O).Type, TMathMatrix::mt_GENERAL);
    const TMathMatrix R = Make(3, 3, {1, 2, 3, 0, 4, 5, 0, 0, 6}, TMathMatrix::mt_RIGHT);
    const TMathMatrix P = R * R;
    EXPECT_EQ(P.Type, TMathMatrix::mt_RIGHT);
    EXPECT_EQ(P.Get(2, 0), 0.0);
    EXPECT_EQ(P(0, 2), 1 * 3 + 2 * 5 + 3 * 6.0);
    EXPECT_EQ(P(1, 2), 4 * 5 + 5 * 6.0);
}

TEST(TMathMatrixTest, ProductWithDiagonalAndBandedFactorsMatchesTheFullProduct)
{
    const TMathMatrix G = Make(3, 3, {1, 2, 0, 0, 3, 4, 5, 0, 6});
    const TMathMatrix Dg = Make(3, 3, {2, 0, 0, 0, 3, 0, 0, 0, 4}, TMathMatrix::mt_DIAGONAL);
    const TMathMatrix Df = Make(3, 3, {2, 0, 0, 0, 3, 0, 0, 0, 4});
    EXPECT_TRUE((G * Dg).Check(G * Df));
    EXPECT_TRUE((Dg * G).Check(Df * G));
    TMathMatrix B = G;
    EXPECT_TRUE(B.CheckBanded());
    EXPECT_EQ(B.Type, TMathMatrix::mt_BANDED);
    EXPECT_TRUE((B * G).Check(G * G));
    EXPECT_TRUE((G * B).Check(G * G));
    TMathMatrix tight = Make(2, 2, {1, 2, 3, 4});
    EXPECT_FALSE(tight.CheckBanded());
    EXPECT_EQ(tight.Type, TMathMatrix::mt_GENERAL);
}

TEST(TMathMatrixTest, TransposeOfRightIsLeftWithZerosAbove)
{
    const TMathMatrix R = Make(2, 2, {1, 2, 0, 3}, TMathMatrix::mt_RIGHT);
    TMathMatrix L;
    R.Transpose(L);
    EXPECT_EQ(L.Type, TMathMatrix::mt_LEFT);
    EXPECT_EQ(L(0, 1), 0.0);
    EXPECT_EQ(L(1, 0), 2.0);
}

TEST(TMathMatrixTest, AssignmentResizesRowsAndTakesTheKind)
{
    TMathMatrix A = Make(3, 2, {1, 2, 3, 4, 5, 6});
    const TMathMatrix B = Make(2, 2, {7, 8, 0, 9}, TMathMatrix::mt_RIGHT);
    A = B;
    EXPECT_EQ(A.Lines, 2);
    EXPECT_EQ(A.Type, TMathMatrix::mt_RIGHT);
    EXPECT_EQ(A[1].N, 1);
    EXPECT_EQ(A(1, 1), 9.0);
    A = Make(3, 1, {1, 2, 3});
    EXPECT_EQ(A.Lines, 3);
    EXPECT_EQ(A(2, 0), 3.0);
}

// A list written over a triangular matrix skips the unstored positions instead of landing in a
// neighbouring row's values; the whole-matrix writes are checked below for every narrow kind.
TEST(TMathMatrixTest, ListOverATriangleSkipsUnstoredPositions)
{
    const TMathMatrix R = Make(2, 2, {1, 2, 99, 3}, TMathMatrix::mt_RIGHT);
    EXPECT_EQ(R[1].N, 1);
    EXPECT_EQ(R(1, 1), 3.0);
    EXPECT_EQ(R.Get(1, 0), 0.0);
    EXPECT_EQ(geomtest::Text(R.toStr()), " 1.0000  2.0000 * 0.0000  3.0000 *");
}

struct KindCase {
    const char* name;
    MT type;
};

class WritesInsideRuns : public testing::TestWithParam<KindCase> {};

// Every whole-matrix write on a narrow kind lands on stored positions only; an unstored position
// would be another row's value or lie past the row's array (AddressSanitizer reports the latter).
TEST_P(WritesInsideRuns, UnstoredPositionsStayZeroAndRunsKeepTheirLength)
{
    const KindCase c = GetParam();
    TMathMatrix A(4, 4, c.type == TMathMatrix::mt_BANDED ? TMathMatrix::mt_GENERAL : c.type);
    A.SetZero();
    if (c.type == TMathMatrix::mt_BANDED) {
        A = {1, 2, 0, 0, 0, 3, 4, 0, 0, 0, 5, 6, 0, 0, 0, 7};
        ASSERT_TRUE(A.CheckBanded());
    }
    std::vector<TSize> lengths;
    double model[4][4]; // the same operations on a dense copy, applied where A stores
    for (TSize i = 0; i < A.Lines; ++i) {
        lengths.push_back(A[i].N);
        for (TSize j = 0; j < A.Columns; ++j)
            model[i][j] = A.Get(i, j);
    }
    TMathMatrix G(4, 4);
    G = {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16};
    A += G;
    A -= G;
    A += G;
    A *= 2.0;
    A.SetColumn(1, TMathVector(4, 9.0));
    PasteMatr(A, Make(2, 2, {-1, -1, -1, -1}), 1, 1);
    for (TSize i = 0; i < 4; ++i)
        for (TSize j = 0; j < 4; ++j) {
            model[i][j] = 2.0 * (model[i][j] + G(i, j));
            if (j == 1) model[i][j] = 9.0;
            if (i >= 1 && i <= 2 && j >= 1 && j <= 2) model[i][j] = -1.0;
        }
    for (TSize i = 0; i < A.Lines; ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(A[i].N, lengths[i]);
        for (TSize j = 0; j < A.Columns; ++j) {
            SCOPED_TRACE(j);
            EXPECT_EQ(A.Get(i, j), A.Stored(i, j) ? model[i][j] : 0.0);
        }
    }
}

INSTANTIATE_TEST_SUITE_P(TMathMatrixTest, WritesInsideRuns,
                         testing::Values(KindCase{"Right", TMathMatrix::mt_RIGHT},
                                         KindCase{"Left", TMathMatrix::mt_LEFT},
                                         KindCase{"Diagonal", TMathMatrix::mt_DIAGONAL},
                                         KindCase{"Banded", TMathMatrix::mt_BANDED}),
                         [](const testing::TestParamInfo<KindCase>& c) { return std::string(c.param.name); });

TEST(TMathMatrixTest, ProductsResidualSubMatrixAndClip)
{
    const TMathMatrix A = Make(2, 2, {1, 2, 3, 4});
    TMathVector r(2, 0.0);
    A.Multiply(Vec({1, -1}), r);
    EXPECT_EQ(r[0], -1.0);
    EXPECT_EQ(r[1], -1.0);
    A.TranspMultiply(Vec({1, -1}), r);
    EXPECT_EQ(r[0], -2.0);
    EXPECT_EQ(r[1], -2.0);
    const TMathMatrix X = Make(2, 1, {1, 1});
    const TMathMatrix B = Make(2, 1, {3, 8});
    TMathMatrix D;
    Rest_matr(B, A, X, D);
    EXPECT_EQ(D(0, 0), 0.0);
    EXPECT_EQ(D(1, 0), 1.0);
    EXPECT_EQ(dot_prod(A, X, 1, 0, 0, 1, 0.5), 7.5);
    TArrayOf<bool> rows, cols;
    rows.Add() = true;
    rows.Add() = false;
    cols.Add() = false;
    cols.Add() = false;
    TMathMatrix S;
    A.SubMatrix(rows, cols, S);
    EXPECT_EQ(S.Lines, 1);
    EXPECT_EQ(S(0, 1), 4.0);
    TMathMatrix C(1, 1);
    ClipMatr(A, C, 1, 0);
    EXPECT_EQ(C(0, 0), 3.0);
}

} // namespace
