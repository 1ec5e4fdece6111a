// TAVariable: named variables and formula entries, lookups by address, and entries that keep
// their addresses beyond the first block.

#include "TAVariable.h"

#include <gtest/gtest.h>

#include <vector>

TEST(TAVariableTest, NamedVariableIsFoundByItsAddress)
{
    TAVariable list;
    double length = 12.5;
    list.AddVar("L", &length, "length");
    list.AddVar("none", nullptr, "");
    ASSERT_EQ(list.Count(), 1);
    TIdVariable* v = list.GetVariable(length);
    ASSERT_NE(v, nullptr);
    EXPECT_EQ(v->Type, TVariablePtr::pvReal);
    EXPECT_EQ(v->Id, 0);
    EXPECT_DOUBLE_EQ(v->Value, 12.5);
    EXPECT_STREQ(v->Comment.PChar(), "L");
    EXPECT_STREQ(v->Hint.PChar(), "length");
    double other = 12.5; // an equal value elsewhere is another variable
    EXPECT_EQ(list.GetVariable(&other), nullptr);
}

TEST(TAVariableTest, FormulaEntryHoldsItsValueAndLookupsPreferPlainEntries)
{
    TAVariable list;
    double* value = list.AddExp(7.0, "D/2");
    ASSERT_NE(value, nullptr);
    EXPECT_DOUBLE_EQ(*value, 7.0);
    TIdVariable* entry = list.GetVariable(value);
    ASSERT_NE(entry, nullptr);
    EXPECT_EQ(entry->Type, TVariablePtr::pvExpresionReal);
    EXPECT_EQ(entry->PDataReal, value);
    EXPECT_EQ(&entry->Value, value);
    EXPECT_STREQ(list.GetExp(value).PChar(), "D/2");
    list.AddVar("plain", value, ""); // a plain entry is preferred at the same address
    EXPECT_STREQ(list.GetVariable(value)->Comment.PChar(), "plain");
    double pi = 3.14159; // an unknown address gives the value as text
    EXPECT_STREQ(list.GetExp(&pi).PChar(), "   3.14");
    EXPECT_TRUE(list.GetExp(nullptr).Empty());
    EXPECT_EQ(list.GetVariable(nullptr), nullptr);
}

TEST(TAVariableTest, EntriesKeepTheirAddressesPastTheFirstBlock)
{
    TAVariable list;
    const int n = 2 * TAVariable::Room + 10;
    std::vector<double*> values;
    for (int i = 0; i < n; ++i)
        values.push_back(list.AddExp(i, TString(i)));
    ASSERT_EQ(list.Count(), n);
    EXPECT_EQ(list.AVariables.Count, TAVariable::Room);
    for (int i : {0, TAVariable::Room - 1, TAVariable::Room, n - 1}) {
        SCOPED_TRACE(i);
        EXPECT_DOUBLE_EQ(*values[i], i);
        EXPECT_EQ(list.Entry(i).PDataReal, values[i]);
        EXPECT_EQ(list.GetVariable(values[i]), &list.Entry(i));
        EXPECT_EQ(list.GetExp(values[i]).toInteger(), i);
    }
}
