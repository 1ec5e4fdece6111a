// TVariablePtr and TIdVariable: texts of values, values set from texts, and the stream forms,
// including records of another kind and of older streams.

#include "TPointer.h"

#include "KmfData.h"
#include "TAdapter.h"

#include "StreamTestUtil.h"

#include "FoundationTestUtil.h"

#include "VariableSinks.h"

#include <gtest/gtest.h>

using namespace streamtest;

namespace {

using foundationtest::Double;

class TVariablePtrTest : public ::testing::Test {
protected:
    testsinks::TCleanVariables Clean;
};

} // namespace

TEST_F(TVariablePtrTest, GetTextByKind)
{
    int i = -3;
    double r = 2.5;
    bool b = true;
    TString s("abc");
    EXPECT_STREQ(TVariablePtr(TVariablePtr::pvInteger, &i).GetText().PChar(), "-3");
    EXPECT_STREQ(TVariablePtr(TVariablePtr::pvReal, &r).GetText().PChar(), "   2.50");
    EXPECT_STREQ(TVariablePtr(TVariablePtr::pvBoolean, &b).GetText().PChar(), "true");
    b = false;
    EXPECT_STREQ(TVariablePtr(TVariablePtr::pvBoolean, &b).GetText().PChar(), "false");
    EXPECT_STREQ(TVariablePtr(TVariablePtr::pvStr, &s).GetText().PChar(), "abc");
    EXPECT_TRUE(TVariablePtr(TVariablePtr::pvRealMultiply, &r).GetText().Empty());
    EXPECT_TRUE(TVariablePtr(TVariablePtr::pvReal, nullptr).GetText().Empty());
}

TEST_F(TVariablePtrTest, LetSetsIntegersAndRealsOnly)
{
    int i = 0;
    double r = 0;
    TString s("x");
    EXPECT_EQ(TVariablePtr(TVariablePtr::pvInteger, &i).Let("42"), 1);
    EXPECT_EQ(i, 42);
    EXPECT_EQ(TVariablePtr(TVariablePtr::pvReal, &r).Let("12,5"), 1);
    EXPECT_DOUBLE_EQ(r, 12.5);
    EXPECT_EQ(TVariablePtr(TVariablePtr::pvStr, &s).Let("y"), 0);
    EXPECT_STREQ(s.PChar(), "x");
    EXPECT_EQ(TVariablePtr(TVariablePtr::pvReal, nullptr).Let("1"), 0);
}

TEST_F(TVariablePtrTest, LetMarksAChangeAndRefreshesTheRunningPanelButNotTheSameValue)
{
    testsinks::TRecordingPanel panel;
    double r = 12.5;
    Registrator.Announcement(3, r, "r", "");
    EXPECT_EQ(TVariablePtr(TVariablePtr::pvReal, &r).Let("12.5"), 0);
    EXPECT_TRUE(Registrator.EditedId.Empty());
    EXPECT_TRUE(panel.Let.empty());
    EXPECT_EQ(panel.Redraws, 0);
    EXPECT_EQ(TVariablePtr(TVariablePtr::pvReal, &r).Let("2"), 1);
    ASSERT_EQ(Registrator.EditedId.Count, 1);
    EXPECT_EQ(Registrator.EditedId[0], 3);
    ASSERT_EQ(panel.Let.size(), 1u);
    EXPECT_EQ(panel.Let[0], &r);
    EXPECT_EQ(panel.Redraws, 1);
}

TEST_F(TVariablePtrTest, StreamFormByKindAndRoundTrip)
{
    double r = -1.25;
    int i = 9;
    TString s("слово");
    TKmfData out;
    TVariablePtr(TVariablePtr::pvReal, &r).toStream(out);
    TVariablePtr(TVariablePtr::pvInteger, &i).toStream(out);
    TVariablePtr(TVariablePtr::pvStr, &s).toStream(out);
    TVariablePtr(TVariablePtr::pvReal, nullptr).toStream(out);
    TVariablePtr(TVariablePtr::pvBoolean, &i).toStream(out);
    Bytes expected = Cat(Ints({1}), Double(-1.25));
    expected = Cat(expected, Ints({3, 9, 5, 5}));
    expected = Cat(expected, Bytes{0xF1, 0xEB, 0xEE, 0xE2, 0xEE, 0}); // the text in Windows-1251
    expected = Cat(expected, Ints({1, 6}));
    EXPECT_EQ(DataOf(out), expected);

    double r2 = 0;
    int i2 = 0;
    TString s2;
    TKmfData in;
    Load(in, DataOf(out));
    TVariablePtr(TVariablePtr::pvReal, &r2).fromStream(in);
    TVariablePtr(TVariablePtr::pvInteger, &i2).fromStream(in);
    TVariablePtr(TVariablePtr::pvStr, &s2).fromStream(in);
    EXPECT_DOUBLE_EQ(r2, -1.25);
    EXPECT_EQ(i2, 9);
    EXPECT_TRUE(s2 == s);
}

TEST_F(TVariablePtrTest, AdapterWritesItsOwnValueForm)
{
    int e = 2;
    TArrayOf<TString> names{"a", "b", "c"};
    TAdapter adapter("m", TAdapter::pvEnumInteger, &e, false, names, false, nullptr);
    TKmfData out;
    TVariablePtr(TVariablePtr::pvAdapter, &adapter).toStream(out);
    EXPECT_EQ(DataOf(out), Ints({13, 2}));
    e = 0;
    TKmfData in;
    Load(in, DataOf(out));
    TVariablePtr(TVariablePtr::pvAdapter, &adapter).fromStream(in);
    EXPECT_EQ(e, 2);
}

TEST_F(TVariablePtrTest, RecordOfAnotherKindIsPassedOverByItsStoredKind)
{
    const Bytes real = Cat(Ints({1}), Double(3.5));
    const Bytes text = Cat(Ints({5, 2}), Bytes{'x', 'y', 0});
    TKmfData full;
    Load(full, Cat(Cat(real, text), Ints({3, 11})));
    int target = 0;
    TVariablePtr(TVariablePtr::pvInteger, &target).fromStream(full); // a real: skipped
    EXPECT_EQ(target, 0);
    TVariablePtr(TVariablePtr::pvInteger, &target).fromStream(full); // a text: skipped
    EXPECT_EQ(target, 0);
    TVariablePtr(TVariablePtr::pvInteger, &target).fromStream(full); // its own kind
    EXPECT_EQ(target, 11);
    EXPECT_FALSE(full.ErrorReadFromFileToBufer);
}

TEST(TIdVariableTest, FormulaEntryPointsAtItsOwnValue)
{
    TIdVariable v;
    v.Type = TVariablePtr::pvExpresionReal;
    v.SetExp(4.0, "a+b");
    EXPECT_EQ(v.Id, -1);
    EXPECT_EQ(v.PDataReal, &v.Value);
    EXPECT_DOUBLE_EQ(v.Value, 4.0);
    EXPECT_EQ(v.Type, TVariablePtr::pvExpresionReal);
    EXPECT_STREQ(v.GetDim().PChar(), "a+b");
    v.Value = -2;
    EXPECT_STREQ(v.GetDim().PChar(), "-(a+b)");
}

TEST(TIdVariableTest, StreamCarriesIdAndTextsFromVersion86AndOlderOnesKeepThem)
{
    double r = 1.5;
    TIdVariable written;
    written.Type = TVariablePtr::pvReal;
    written.PDataReal = &r;
    written.Id = 12;
    written.Comment = "длина";
    written.Hint = "L";
    TKmfData out;
    written.toStream(out);
    const Bytes data = DataOf(out);
    EXPECT_EQ(data.size(), 4u + 8u + 4u + (4u + 6u) + (4u + 2u));

    double r2 = 0;
    TIdVariable read;
    read.Type = TVariablePtr::pvReal;
    read.PDataReal = &r2;
    TKmfData in;
    Load(in, data);
    read.fromStream(in);
    EXPECT_DOUBLE_EQ(r2, 1.5);
    EXPECT_EQ(read.Id, 12);
    EXPECT_TRUE(read.Comment == written.Comment);
    EXPECT_STREQ(read.Hint.PChar(), "L");

    TKmfData older; // before version 86: the id and texts are kept
    older.from(Blob(85, Cat(Cat(Ints({1}), Double(2.0)), Ints({99}))));
    read.fromStream(older);
    EXPECT_DOUBLE_EQ(r2, 2.0);
    EXPECT_EQ(read.Id, 12);
    EXPECT_TRUE(read.Comment == written.Comment);
    EXPECT_STREQ(read.Hint.PChar(), "L");
    EXPECT_EQ(older.ReadInteger(), 99); // nothing past the handle was taken
}
