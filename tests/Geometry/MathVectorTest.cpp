// Dense, row and sparse math vectors.
#include "MathVector.h"

#include "StreamBytes.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>

namespace {
using geomtest::Vec;

TEST(TMathVectorTest, SetDimensionKeepsLeadingValuesAndFillsTheTail)
{
    TMathVector v = Vec({1, 2, 3});
    v.SetDimension(5, 7.0);
    ASSERT_EQ(v.N, 5);
    EXPECT_EQ(v[2], 3.0);
    EXPECT_EQ(v[3], 7.0);
    EXPECT_EQ(v[4], 7.0);
    v.SetDimension(2, 9.0);
    ASSERT_EQ(v.N, 2);
    EXPECT_EQ(v[0], 1.0);
    EXPECT_EQ(v[1], 2.0);
    v.SetDimension(0, 1.0); // empty: no storage, zero norms
    EXPECT_EQ(v.N, 0);
    EXPECT_EQ(v.X, nullptr);
    EXPECT_EQ(v.SqrNorma(), 0.0);
    EXPECT_EQ(v.NormaMax(), 0.0);
    EXPECT_EQ(v * v, 0.0);
    EXPECT_EQ(TMathVector(0).X, nullptr);
}

TEST(TMathVectorTest, ListAndAssignNeverChangeTheSize)
{
    TMathVector five(5, -1.0);
    five = {1, 2, 3};
    EXPECT_EQ(five[2], 3.0);
    EXPECT_EQ(five[3], -1.0);
    TMathVector two(2, -1.0);
    two = {1, 2, 3};
    EXPECT_EQ(two.N, 2);
    EXPECT_EQ(two[1], 2.0);
    // Assign refuses a shorter source and reports it by true.
    TMathVector target = Vec({1, 2, 3});
    EXPECT_TRUE(target.Assign(Vec({8, 9})));
    EXPECT_EQ(target[0], 1.0);
    EXPECT_FALSE(target.Assign(Vec({4, 5, 6, 7})));
    EXPECT_EQ(target[2], 6.0);
}

TEST(TMathVectorTest, NormsDotAndText)
{
    const TMathVector v = Vec({3, -4});
    EXPECT_EQ(v.Norma(), 5.0);
    EXPECT_EQ(v.NormaMax(), 4.0);
    EXPECT_EQ(v * Vec({2, 1}), 2.0);
    const TString text = Vec({1.5, -2}).toStr();
    EXPECT_EQ(std::string(text.PChar(), text.Length()), "   1.50 .   -2.00 . ");
}

TEST(TMathVectorTest, SubVectorDropsFlaggedElements)
{
    TArrayOf<bool> drop;
    for (bool b : {false, true, false, true})
        drop.Add() = b;
    TMathVector out;
    Vec({1, 2, 3, 4}).SubVector(drop, out);
    ASSERT_EQ(out.N, 2);
    EXPECT_EQ(out[0], 1.0);
    EXPECT_EQ(out[1], 3.0);
}

TEST(TRowSparseMathVectorTest, StoresOnlyItsRunAndReadsZeroOutsideIt)
{
    const double data[] = {7, 8, 9};
    const TRowSparseMathVector row(10, 2, 4, data);
    EXPECT_EQ(row.N, 3);
    EXPECT_EQ(row.SI, 2);
    EXPECT_EQ(row.EI, 5);
    const TMathVector& asBase = row;
    EXPECT_EQ(asBase[1], 0.0);
    EXPECT_EQ(&asBase[5], &TMathVector::SparseZero);
    EXPECT_EQ(asBase[3], 8.0);
    const TMathVector dense(row); // columns 0 .. N - 1, read through the range test
    ASSERT_EQ(dense.N, 3);
    EXPECT_EQ(dense[0], 0.0);
    EXPECT_EQ(dense[2], 7.0);
}

TEST(TRowSparseMathVectorTest, BegEndUpdateNarrowsToTheNonZeroRunAndAssignNeedsTheRun)
{
    const double data[] = {0, 0, 5, 0, 6, 0};
    TRowSparseMathVector row(6, 0, 5, data);
    EXPECT_TRUE(row.BegEndUpdate());
    EXPECT_EQ(row.SI, 2);
    EXPECT_EQ(row.EI, 5);
    EXPECT_EQ(row(3), 0.0);
    EXPECT_EQ(row(4), 6.0);
    EXPECT_FALSE(row.BegEndUpdate()); // already tight
    const double zeros[] = {0, 0};
    TRowSparseMathVector empty(2, 0, 1, zeros);
    EXPECT_FALSE(empty.BegEndUpdate());
    EXPECT_EQ(empty.N, 2);
    TRowSparseMathVector narrow(4, 1, 2, nullptr); // Assign needs more than EI elements
    EXPECT_FALSE(narrow.Assign(Vec({1, 2, 3})));
    EXPECT_TRUE(narrow.Assign(Vec({1, 2, 3, 4})));
    EXPECT_EQ(narrow(1), 1.0);
    EXPECT_EQ(narrow(2), 2.0);
}

TEST(TSparseMathVectorTest, InitChoosesTheFormByCountAndElemWalksTheEntries)
{
    TSparseMathVector s;
    TMathVector seven(7, 0.0);
    seven[3] = 1.0;
    s.Init(seven, 0.0);
    EXPECT_EQ(s.Index, nullptr);
    EXPECT_EQ(s.N, 7);

    TMathVector ten(10, 0.0);
    for (int i = 0; i < 7; ++i)
        ten[i] = i + 1.0;
    s.Init(ten, 0.0);
    EXPECT_NE(s.Index, nullptr);
    EXPECT_EQ(s.N, 7);
    ten[7] = 8.0;
    s.Init(ten, 0.0);
    EXPECT_EQ(s.Index, nullptr);
    EXPECT_EQ(s.N, 10);

    ten = {0, 0, 0, 2.5, 0, 0, 0, 0, -1.0, 0}; // Elem walks the entries once
    s.Init(ten, 0.0);
    ASSERT_EQ(s.N, 2);
    EXPECT_EQ(s.Index[0], 3);
    EXPECT_EQ(s.Index[1], 8);
    TSize cursor = 0;
    for (TSize i = 0; i < 10; ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(s.Elem(i, cursor), ten[i]);
    }
    EXPECT_EQ(cursor, 2);
}

TSparseMathVector Sparse(std::initializer_list<std::pair<int, double>> entries)
{
    TMathVector v(12, 0.0);
    for (auto [i, x] : entries)
        v[i] = x;
    TSparseMathVector s;
    s.Init(v, 0.0);
    return s;
}

TEST(TSparseMathVectorTest, ProductsOfEveryFormAgree)
{
    const TSparseMathVector a = Sparse({{1, 2.0}, {4, 3.0}});
    const TSparseMathVector b = Sparse({{4, 5.0}, {6, 1.0}});
    EXPECT_EQ(a * b, 15.0);
    TMathVector denseB(12, 0.0);
    denseB[4] = 5.0;
    denseB[6] = 1.0;
    TSparseMathVector bDense;
    bDense.Init(denseB, 0.0);
    bDense.FreeMemory();
    bDense.N = 12;
    bDense.X = new TData[12];
    for (int i = 0; i < 12; ++i)
        bDense.X[i] = denseB[i];
    EXPECT_EQ(a * bDense, 15.0);
    EXPECT_EQ(bDense * a, 15.0);
    EXPECT_EQ(a * denseB, 15.0);
    TMathVector acc(12, 1.0);
    acc -= a;
    EXPECT_EQ(acc[4], -2.0);
    EXPECT_EQ(acc[5], 1.0);
}

} // namespace
