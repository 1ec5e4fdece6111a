// TRegistrator: registration and lookups, the edited ids, and the edit snapshot as bytes,
// played back whole or for one variable, and stored in a stream.

#include "TRegistrator.h"

#include "KmfData.h"

#include "MessageSinks.h"
#include "StreamTestUtil.h"

#include "FoundationTestUtil.h"

#include "VariableSinks.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using namespace streamtest;

namespace {

using foundationtest::Double;

class TRegistratorTest : public ::testing::Test {
protected:
    testsinks::TCleanVariables Clean;
    testsinks::TRecordingHost Host;

    Bytes Snapshot() const
    {
        return Bytes(Registrator.EditedStream.Pointer,
                     Registrator.EditedStream.Pointer + Registrator.EditedStream.Size);
    }
};

std::string RegistrationError()
{
    return TString("Ошибка регистрации ").PChar();
}

} // namespace

TEST_F(TRegistratorTest, RepeatedIdsAndIdsBelowOneAreRefusedAndTold)
{
    double a = 1, b = 2;
    int i = 0;
    EXPECT_FALSE(Registrator.CheckId(0));
    EXPECT_TRUE(Registrator.CheckId(7));
    Registrator.Announcement(7, a, "first", "A");
    Registrator.Announcement(7, b, "second", "B");
    Registrator.Announcement(0, i, "", "");
    Registrator.Announcement(-4, i, "", "");
    EXPECT_EQ(Registrator.Count, 1);
    EXPECT_EQ(Host.Boxes, std::vector<std::string>(3, RegistrationError()));
    EXPECT_STREQ(Registrator.GetComment(&a).PChar(), "first");
    EXPECT_EQ(Registrator.GetId(&b), 0);
}

TEST_F(TRegistratorTest, LookupsByAddressAndId)
{
    double r = 1.5;
    int n = 3;
    Registrator.Announcement(10, r, "length", "L");
    Registrator.Announcement(11, n, "count", "N");
    EXPECT_EQ(Registrator.GetId(&r), 10);
    EXPECT_EQ(Registrator.GetId(r), 10);
    EXPECT_EQ(Registrator.GetId(nullptr), 0);
    EXPECT_STREQ(Registrator.GetTitul(&n).PChar(), "N");
    EXPECT_TRUE(Registrator.GetTitul(nullptr).Empty());
    ASSERT_NE(Registrator.Get(11), nullptr);
    EXPECT_EQ(Registrator.Get(11)->Type, TVariablePtr::pvInteger);
    EXPECT_EQ(Registrator.Get(10)->Type, TVariablePtr::pvReal);
    EXPECT_EQ(Registrator.Get(0), nullptr);
    EXPECT_EQ(Registrator.Get(12), nullptr);
    EXPECT_EQ(Registrator.GetPInteger(11), &n);
    EXPECT_EQ(Registrator.GetPInteger(10), nullptr);
    EXPECT_EQ(Registrator.GetPReal(10), &r);
    EXPECT_EQ(Registrator.GetPReal(11), reinterpret_cast<double*>(&n)); // whatever the kind
    EXPECT_FALSE(Registrator.CheckId(10));
}

TEST_F(TRegistratorTest, RepeatedEditsKeepOneIdAndTheLatestValue)
{
    double r = 0;
    int n = 0;
    Registrator.Announcement(5, r, "", "");
    Registrator.Announcement(6, n, "", "");
    TVariablePtr real(TVariablePtr::pvReal, &r);
    TVariablePtr integer(TVariablePtr::pvInteger, &n);
    real.Let("1");
    integer.Let("4");
    real.Let("2");
    real.Let("3");
    ASSERT_EQ(Registrator.EditedId.Count, 2);
    EXPECT_EQ(Registrator.EditedId[0], 5);
    EXPECT_EQ(Registrator.EditedId[1], 6);
    // A whole memory stream image: the header, then each edited variable's handle form.
    const Bytes expected = Blob(TKmfData::CurrentVersion, Cat(Cat(Ints({1}), Double(3.0)), Ints({3, 4})));
    EXPECT_EQ(Snapshot(), expected);
    EXPECT_FALSE(Registrator.EditedStream.Attached);
}

TEST_F(TRegistratorTest, MakeEditPlaysOneVariableOrAllBackOverDefaults)
{
    double r = 0;
    int n = 0;
    double last = 0;
    Registrator.Announcement(5, r, "", "");
    Registrator.Announcement(6, n, "", "");
    Registrator.Announcement(7, last, "", "");
    TVariablePtr(TVariablePtr::pvReal, &r).Let("2,5");
    TVariablePtr(TVariablePtr::pvInteger, &n).Let("8");
    TVariablePtr(TVariablePtr::pvReal, &last).Let("9");
    r = 100; // the command's defaults
    n = 100;
    last = 100;
    Registrator.MakeEdit(&n);
    EXPECT_DOUBLE_EQ(r, 100);
    EXPECT_EQ(n, 8);
    EXPECT_DOUBLE_EQ(last, 100);
    Registrator.MakeEdit();
    EXPECT_DOUBLE_EQ(r, 2.5);
    EXPECT_DOUBLE_EQ(last, 9);
}

TEST_F(TRegistratorTest, UnregisteredVariablesAreNotRecordedAndClearEditStartsANewSeries)
{
    double loose = 0;
    Registrator.MarkEdit(&loose);
    Registrator.MarkEdit(nullptr);
    EXPECT_TRUE(Registrator.EditedId.Empty());
    EXPECT_EQ(Registrator.EditedStream.Pointer, nullptr);
    double r = 0;
    Registrator.Announcement(5, r, "", "");
    TVariablePtr(TVariablePtr::pvReal, &r).Let("1");
    Registrator.ClearEdit();
    EXPECT_TRUE(Registrator.EditedId.Empty());
    r = 7;
    Registrator.MakeEdit(); // no ids: nothing is played back
    EXPECT_DOUBLE_EQ(r, 7);
}

TEST_F(TRegistratorTest, StreamRoundTripRestoresTheEdits)
{
    double r = 0;
    Registrator.Announcement(5, r, "", "");
    TVariablePtr(TVariablePtr::pvReal, &r).Let("4");
    TKmfData out;
    Registrator.toStream(out);
    const Bytes data = DataOf(out);
    // EditedId's raw array record (size, step, count, cursor, ids), then the block.
    const Bytes ids(data.begin(), data.begin() + 20);
    EXPECT_EQ(ids, Ints({256, 256, 1, 0, 5}));
    const Bytes snapshot = Blob(TKmfData::CurrentVersion, Cat(Ints({1}), Double(4.0)));
    EXPECT_EQ(Bytes(data.begin() + 20, data.end()),
              Cat(Ints({static_cast<Integer>(snapshot.size())}), snapshot));

    Registrator.ClearEdit();
    Registrator.EditedStream.Free();
    r = 0;
    TKmfData in;
    Load(in, data);
    Registrator.fromStream(in);
    ASSERT_EQ(Registrator.EditedId.Count, 1);
    Registrator.MakeEdit();
    EXPECT_DOUBLE_EQ(r, 4.0);
}
