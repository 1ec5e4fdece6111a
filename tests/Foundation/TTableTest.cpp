#include "TTable.h"

#include <gtest/gtest.h>

namespace {

constexpr double Rows[] = {10, 1, 2, 20, 3, 4, 30, 5, 6};

class TTableTest : public testing::Test {
protected:
    TTable Table{9, 3, 0, Rows};
    double a = -1, b = -1;
};

TEST_F(TTableTest, MoreEqualSelectsTheFirstRowNotBelowTheKey)
{
    EXPECT_NE(Table.cArray, Rows); // a copy of its own
    EXPECT_EQ(Table.Get(20, a, b), 2);
    EXPECT_EQ(a, 3);
    EXPECT_EQ(b, 4);
    Table.Get(25, a, b);
    EXPECT_EQ(a, 5);
    EXPECT_EQ(Table.Get(35, a, b), 3);
    double c = -7, d = -7; // outputs beyond the row stay as they were
    Table.Get(10, a, b, c, d);
    EXPECT_EQ(b, 2);
    EXPECT_EQ(c, -7);
    EXPECT_EQ(d, -7);
}

TEST_F(TTableTest, LessSelectsTheLastRowNotAboveTheKeyAndEqualAllowsTwoMillionths)
{
    Table.Compare = TTable::tcLess;
    EXPECT_EQ(Table.Get(20, a, b), 2);
    EXPECT_EQ(a, 3);
    EXPECT_EQ(b, 4);
    Table.Get(25, a, b);
    EXPECT_EQ(a, 3);
    EXPECT_EQ(b, 4);
    EXPECT_EQ(Table.Get(5, a, b), 1);
    // Equal allows two millionths and otherwise takes the last row.
    Table.Compare = TTable::tcEqu;
    EXPECT_EQ(Table.Get(20.000001, a, b), 2);
    EXPECT_EQ(Table.Get(20.1, a, b), 3);
    Table.Compare = TTable::tcLessEqu;
    EXPECT_EQ(Table.Get(19.999999, a, b), 2);
    Table.Compare = TTable::tcMore;
    EXPECT_EQ(Table.Get(20, a, b), 3);
}

TEST_F(TTableTest, GetRowReadsTheRowBeforeTheOneNamed)
{
    Table.GetRow(1, a, b);
    EXPECT_EQ(a, 1);
    Table.GetRow(3, a, b);
    EXPECT_EQ(a, 3);
    EXPECT_EQ(Table.Row(5), nullptr);
    EXPECT_EQ(Table.Row(2)[0], 30);
}

TEST_F(TTableTest, RowLookupsAndTexts)
{
    EXPECT_EQ(Table.Row(0, 20.0, 1, 2.0, false)[2], 4);
    EXPECT_EQ(Table.Row(0, 25.0, 1, 2.0, false)[0], 30); // none: the last row
    EXPECT_EQ(Table.GetParam(0, 15.0, false)[0], 20);
    EXPECT_EQ(Table.NumberRow(0, 25.0), 2);
    EXPECT_EQ(Table.NumberRow(7, 25.0), 0);
    TAStr texts;
    Table.toLD(1, texts, "*");
    ASSERT_EQ(texts.Count, 4);
    EXPECT_STREQ(texts[0].PChar(), "*");
    EXPECT_STREQ(texts[2].PChar(), "   3.00");
    Table.toLDfrom(2, 20.0, 0, texts);
    ASSERT_EQ(texts.Count, 1);
    EXPECT_STREQ(texts[0].PChar(), "   4.00");
}

TEST(TTableRecordsTest, SetCountsRecordsUpToTheEndingOne)
{
    static const double records[] = {5, 1, 6, 2, 0, 0};
    TTable t(records, 2 * sizeof(double), 0, TTable::tcEqu);
    EXPECT_FALSE(t.Owner);
    EXPECT_EQ(t.CountRow, 2);
    EXPECT_EQ(t.Count, 6);
    static const double empty[] = {0, 9};
    t.Set(empty, 2 * sizeof(double), 0, TTable::tcEqu);
    EXPECT_EQ(t.CountRow, 0);
    EXPECT_EQ(t.Count, 2);
    t.Set(nullptr, 16, 0, TTable::tcEqu);
    EXPECT_EQ(t.Count, 0);
    double x = 0, y = 0;
    EXPECT_EQ(t.Get(1, x, y), -1);
}

TEST(TTableStepTest, StepFunctionsConsumeTheirLists)
{
    using X = TTable;
    EXPECT_EQ(X::FX(7, X::dXV(10, 1, X::dXV(5, 2, X::dXV(0, 3, nullptr)))), 2);
    EXPECT_EQ(X::FX2(7, X::dXV(0, 3, X::dXV(5, 2, X::dXV(10, 1, nullptr)))), 1);
    EXPECT_EQ(X::FX(-1, X::dXV(10, 1, X::dXV(5, 2, nullptr))), 2);
    EXPECT_EQ(X::FX(1, nullptr), 0);
}

} // namespace
