// TAdapter: which choice shows a variable, what a choice stores back, and the value's stream
// form, with and without a variable.

#include "TAdapter.h"

#include "KmfData.h"

#include "MessageSinks.h"
#include "StreamTestUtil.h"

#include "FoundationTestUtil.h"

#include <gtest/gtest.h>

#include <string>

using namespace streamtest;

namespace {

using foundationtest::Cp;

TArrayOf<TString> Choices(std::initializer_list<TString> texts)
{
    return TArrayOf<TString>(texts);
}

} // namespace

TEST(TAdapterTest, ConstructorSelectsByKind)
{
    int i = 2;
    TArrayOf<TString> ints = Choices({"1", "5", "10"});
    TAdapter integer("n", TAdapter::pvInteger, &i, false, ints, false, nullptr);
    EXPECT_EQ(ints.Current, 2); // the value itself, not the matching text

    TString s("b");
    TArrayOf<TString> texts = Choices({"a", "b"});
    TAdapter text("s", TAdapter::pvStr, &s, false, texts, false, nullptr);
    EXPECT_EQ(texts.Current, 1);

    TString missing("z");
    TAdapter none("s", TAdapter::pvStr, &missing, false, texts, false, nullptr);
    EXPECT_EQ(texts.Current, -1);

    double r = 1.0;
    TArrayOf<TString> reals = Choices({"x"});
    reals.Current = 7;
    TAdapter real("r", TAdapter::pvReal, &r, false, reals, false, nullptr);
    EXPECT_EQ(reals.Current, 7);
}

TEST(TAdapterTest, GetCurrentFindsTheValueText)
{
    int i = 5;
    TArrayOf<TString> ints = Choices({"1", "5", "10"});
    TAdapter integer("n", TAdapter::pvInteger, &i, false, ints, false, nullptr);
    EXPECT_EQ(integer.GetCurrent(), 1);
    EXPECT_EQ(ints.Current, 1);

    TString s("b");
    TArrayOf<TString> texts = Choices({"a", "b"});
    TAdapter text("s", TAdapter::pvStr, &s, false, texts, false, nullptr);
    s = "a";
    EXPECT_EQ(text.GetCurrent(), 0);

    double r = 2.5; // a real is searched as a seven-wide text with two decimals
    TArrayOf<TString> plain = Choices({"1.0", "2.5"});
    TAdapter notFound("r", TAdapter::pvReal, &r, false, plain, false, nullptr);
    EXPECT_EQ(notFound.GetCurrent(), 0);

    TArrayOf<TString> padded = Choices({"1.0", "   2.50"});
    TAdapter found("r", TAdapter::pvReal, &r, false, padded, false, nullptr);
    EXPECT_EQ(found.GetCurrent(), 1);

    ints.Current = 1; // without a variable: the first choice
    TAdapter none("n", TAdapter::pvInteger, nullptr, false, ints, false, nullptr);
    EXPECT_EQ(none.GetCurrent(), 0);
    EXPECT_EQ(ints.Current, 0);
}

TEST(TAdapterTest, EnumerationGetCurrentIsTheIndex)
{
    int e = 2;
    TArrayOf<TString> names = Choices({"Минимум Максимум", "Нормальное распределение", "Равная вероятность"});
    TAdapter adapter("m", TAdapter::pvEnumInteger, &e, false, names, false, nullptr);
    EXPECT_EQ(adapter.GetCurrent(), 2);
    EXPECT_EQ(names.Current, 2);
    e = 3; // past the choices
    EXPECT_EQ(adapter.GetCurrent(), 0);
    e = -1;
    EXPECT_EQ(adapter.GetCurrent(), 0);
    EXPECT_EQ(names.Current, 0);
}

TEST(TAdapterTest, ParallelValuesDecideTheCurrentChoice)
{
    double risk = 1.5;
    TArrayOf<TString> labels = Choices({"10%", "5%", "1%"});
    TArrayOf<double> values{1.0, 1.5, 2.0};
    TAdapter adapter("k", TAdapter::pvReal, &risk, false, labels, false, &values);
    EXPECT_EQ(adapter.GetCurrent(), 1);
    risk = 3.0;
    EXPECT_EQ(adapter.GetCurrent(), 0);
}

TEST(TAdapterTest, SetAppliesTheChoiceByKind)
{
    int i = 0;
    TArrayOf<TString> ints = Choices({"3", "7"});
    TAdapter integer("n", TAdapter::pvInteger, &i, false, ints, false, nullptr);
    integer.Set("7");
    EXPECT_EQ(i, 7);
    EXPECT_EQ(ints.Current, 1);

    double r = 0;
    TArrayOf<TString> reals = Choices({"0,5", "1,25"});
    TAdapter real("r", TAdapter::pvReal, &r, false, reals, false, nullptr);
    real.Set("1,25");
    EXPECT_DOUBLE_EQ(r, 1.25);

    TString s;
    TArrayOf<TString> texts = Choices({"a", "b"});
    TAdapter text("s", TAdapter::pvStr, &s, false, texts, false, nullptr);
    text.Set("b");
    EXPECT_STREQ(s.PChar(), "b");

    int e = 0; // an enumeration stores the index, not the text
    TArrayOf<TString> names = Choices({"10", "20", "30"});
    TAdapter enumeration("m", TAdapter::pvEnumInteger, &e, false, names, false, nullptr);
    enumeration.Set("30");
    EXPECT_EQ(e, 2);
}

TEST(TAdapterTest, UnknownNotSpecifiedAndOutsideChoices)
{
    int i = 7;
    TArrayOf<TString> ints = Choices({"3", "*", "7"});
    TAdapter adapter("n", TAdapter::pvInteger, &i, false, ints, false, nullptr);
    adapter.Set(TAdapter::strNotSpecified); // selected, but changes nothing
    EXPECT_EQ(ints.Current, 1);
    EXPECT_EQ(i, 7);
    EXPECT_STREQ(TAdapter::strNotSpecified.PChar(), "*");
    for (const Integer outside : {-1, 3}) { // SetI outside the choices changes nothing
        ints.Current = outside;
        adapter.SetI(0);
        EXPECT_EQ(i, 7);
    }
    adapter.Set("99"); // an unknown text selects and applies the first choice
    EXPECT_EQ(ints.Current, 0);
    EXPECT_EQ(i, 3);
}

TEST(TAdapterTest, ParallelValuesAreStoredAndBoundedByTheirOwnCount)
{
    double risk = 0;
    TArrayOf<TString> labels = Choices({"10%", "5%", "1%"});
    TArrayOf<double> values{1.0, 1.5};
    TAdapter real("k", TAdapter::pvReal, &risk, false, labels, false, &values);
    real.Set("5%");
    EXPECT_DOUBLE_EQ(risk, 1.5);
    real.Set("1%"); // no value for the third choice
    EXPECT_DOUBLE_EQ(risk, 1.5);

    int n = 0;
    TArrayOf<TString> names = Choices({"M6", "M8"});
    TArrayOf<int> pitches{6, 8};
    TAdapter integer("d", TAdapter::pvInteger, &n, false, names, false, &pitches);
    integer.Set("M8");
    EXPECT_EQ(n, 8);

    int e = 0; // an enumeration with values stores nothing
    TAdapter enumeration("e", TAdapter::pvEnumInteger, &e, false, names, false, &pitches);
    enumeration.Set("M8");
    EXPECT_EQ(e, 0);
}

TEST(TAdapterTest, OwningAdaptersShowAndApplyTheirChoices)
{
    TEnum adapter("Способ расчета", 1, {"a", "b", "c"});
    EXPECT_EQ(adapter.GetCurrent(), 1);
    EXPECT_STREQ(adapter.ADef[adapter.ADef.Current].PChar(), "b");
    adapter.Set("c");
    EXPECT_EQ(*adapter.PInt, 2);

    TEnumReal real("k", 0.0, {"   0.50", "   1.00"});
    real.Set("   1.00");
    EXPECT_DOUBLE_EQ(*real.PReal, 1.0);
    EXPECT_EQ(real.GetCurrent(), 1);
}

TEST(TAdapterTest, StreamFormByKind)
{
    TArrayOf<TString> none;
    int i = -2;
    double r = 0.25;
    TString s("ab");
    TAdapter integer("i", TAdapter::pvInteger, &i, false, none, false, nullptr);
    TAdapter real("r", TAdapter::pvReal, &r, false, none, false, nullptr);
    TAdapter text("s", TAdapter::pvStr, &s, false, none, false, nullptr);
    TAdapter empty("e", TAdapter::pvEmpty, &i, false, none, false, nullptr);
    TKmfData out;
    integer.toStream(out);
    real.toStream(out);
    text.toStream(out);
    empty.toStream(out);
    EXPECT_EQ(DataOf(out),
              Cat(Cat(Ints({-2}), foundationtest::Double(r)), Cat(Ints({2}), Bytes{'a', 'b', 0})));

    i = 0;
    r = 0;
    s = "";
    TKmfData in;
    Load(in, DataOf(out));
    integer.fromStream(in);
    real.fromStream(in);
    text.fromStream(in);
    EXPECT_EQ(i, -2);
    EXPECT_DOUBLE_EQ(r, 0.25);
    EXPECT_STREQ(s.PChar(), "ab");
    EXPECT_FALSE(in.ErrorReadFromFileToBufer);
}

TEST(TAdapterTest, StreamWithoutVariableIsUntouchedAndTold)
{
    testsinks::TRecordingHost host;
    TArrayOf<TString> none;
    TAdapter adapter("n", TAdapter::pvInteger, nullptr, false, none, false, nullptr);
    TKmfData out;
    adapter.toStream(out);
    EXPECT_TRUE(DataOf(out).empty());
    TKmfData in;
    Load(in, Ints({5}));
    adapter.fromStream(in);
    EXPECT_EQ(in.ReadInteger(), 5); // nothing was taken
    ASSERT_EQ(host.Boxes.size(), 2u);
    EXPECT_EQ(host.Boxes[0], Cp("Ошибка переменной TAdapter::toStream"));
    EXPECT_EQ(host.Boxes[1], Cp("Ошибка переменной TAdapter::fromStream"));
}
