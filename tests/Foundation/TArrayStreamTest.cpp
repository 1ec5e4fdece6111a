// Stream form of TArrayOf: the record's bytes, round trips of size, step, count and cursor,
// the version gate of the cursor, the stored-step rule and damaged or cut records.

#include "TArray.h"

#include "StreamTestUtil.h"

#include <gtest/gtest.h>

using namespace streamtest;

namespace {

// An element with its own stream form: a name and a weight.
struct TTagged {
    static constexpr std::int64_t StreamMinBytes = 13;  // empty name (5) and the weight (8)
    TString Name;
    double Weight = 0;
    void toStream(TKmfData& s) const { s << Name << Weight; }
    void fromStream(TKmfData& s) { s >> Name >> Weight; }
};

} // namespace

TEST(TArrayStreamTest, RecordBytesAndRoundTrip)
{
    TArrayOf<int> a(64, 64);
    a.Add(7);
    a.Add(-1);
    a.Add(300);
    a.Current = 1;
    TKmfData w;
    a.toStream(w);
    EXPECT_EQ(DataOf(w), Ints({64, 64, 3, 1, 7, -1, 300}));
    w.Write(Bytes(256, 0xEE));  // the fields of the record that holds the array

    Bytes blob;
    w.to(blob);
    TKmfData r;
    r.from(blob);
    TArrayOf<int> back(0, 0);
    back.fromStream(r);
    EXPECT_EQ(back.Count, 3);
    EXPECT_EQ(back.FSize, 64);
    EXPECT_EQ(back.FCapacity, 64);
    EXPECT_EQ(back.Current, 1);
    EXPECT_EQ(back[0], 7);
    EXPECT_EQ(back[2], 300);
    EXPECT_FALSE(r.ErrorReadFromFileToBufer);
}

TEST(TArrayStreamTest, StoredSizeOnlyMakesRoomTheDataCouldFill)
{
    // The same record at the very end of the data: 64 slots can't be justified by 12 bytes.
    TKmfData r;
    r.from(Blob(97, Ints({64, 64, 3, 1, 7, -1, 300})));
    TArrayOf<int> back(0, 0);
    back.fromStream(r);
    EXPECT_EQ(back.Count, 3);
    EXPECT_EQ(back.FSize, 3);
    EXPECT_EQ(back.FCapacity, 64);

    TKmfData big;
    big.from(Blob(97, Ints({64, 64, 1, 0, 5})));
    TArrayOf<int> roomy(100, 8);
    roomy.fromStream(big);
    EXPECT_EQ(roomy.FSize, 100) << "arrays never shrink";
    EXPECT_EQ(roomy.Count, 1);
}

TEST(TArrayStreamTest, StoredStepRule)
{
    struct Case {
        Integer stored;
        Integer read;
    };
    for (const Case c : {Case{20000, 32}, Case{10240, 10240}, Case{10241, 32}, Case{-5, 32}, Case{0, 0}}) {
        SCOPED_TRACE(c.stored);
        TKmfData r;
        r.from(Blob(97, Ints({4, c.stored, 1, 0, 9})));
        TArrayOf<int> a(0, 1);
        a.fromStream(r);
        EXPECT_EQ(a.FCapacity, c.read);
        EXPECT_EQ(a.Count, 1);
        EXPECT_EQ(a[0], 9);
    }
}

TEST(TArrayStreamTest, VersionGatesTheCursor)
{
    TKmfData old;
    old.from(Blob(30, Ints({8, 8, 2, 11, 12})));
    TArrayOf<int> a(0, 8);
    a.Current = 5;
    a.fromStream(old);
    EXPECT_EQ(a.Count, 2);
    EXPECT_EQ(a.Current, 0);
    EXPECT_EQ(a[0], 11);
    EXPECT_EQ(a[1], 12);

    TKmfData now;
    now.from(Blob(31, Ints({8, 8, 2, 1, 11, 12})));
    a.fromStream(now);
    EXPECT_EQ(a.Current, 1);
    EXPECT_EQ(a[1], 12);
}

TEST(TArrayStreamTest, DamagedOrCutRecordsLeaveAnEmptyArray)
{
    struct Case {
        const char* what;
        Bytes data;
    };
    const Case cases[] = {
        {"negative count", Ints({4, 4, -1, 0, 1})},
        {"count above the stored size", Ints({2, 4, 3, 0, 1, 2, 3})},
        {"count beyond the data", Ints({0x7FFFFFFF, 4, 0x7FFFFFF0, 0, 1})},
        {"cut among the elements", Ints({4, 4, 3, 0, 1, 2})},
        {"cut inside an element", Cat(Ints({4, 4, 2, 0, 1}), {5, 6})},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        TKmfData r;
        r.from(Blob(97, c.data));
        TArrayOf<int> a(0, 1);
        a.Add(99);
        a.fromStream(r);
        EXPECT_EQ(a.Count, 0);
        EXPECT_EQ(a.FSize, 1) << "nothing allocated for a damaged record";

        TKmfData r2;
        r2.from(Blob(97, c.data));
        TArrayOf<int> b(0, 1);
        b.fromStream2(r2);
        EXPECT_EQ(b.Count, 0);
    }
}

TEST(TArrayStreamTest, RawIntegersAndElementForms)
{
    TArrayOf<int> a(4, 4);
    a.Add(1);
    a.Add(-2);
    TKmfData w;
    a.toStream2(w);
    EXPECT_EQ(DataOf(w), Ints({4, 4, 2, 0, 1, -2}));

    TAStr texts = {TString("ab"), TString("")};
    TArrayOf<TTagged> tagged(2, 2);
    tagged.Add().Name = TString("ось");
    tagged[0].Weight = 0.5;
    texts.toStream(w);
    tagged.toStream(w);
    const Bytes data = DataOf(w);
    EXPECT_EQ(Bytes(data.begin() + 24, data.begin() + 52),
              Cat(Ints({64, 64, 2, 0, 2}), {'a', 'b', 0, 0, 0, 0, 0, 0}));

    Bytes blob;
    w.to(blob);
    TKmfData r;
    r.from(blob);
    TArrayOf<int> ints(0, 0);
    TAStr textsBack;
    TArrayOf<TTagged> taggedBack(0, 1);
    ints.fromStream2(r);
    textsBack.fromStream(r);
    taggedBack.fromStream(r);
    EXPECT_EQ(ints.Count, 2);
    EXPECT_EQ(ints[1], -2);
    ASSERT_EQ(textsBack.Count, 2);
    EXPECT_EQ(textsBack[0], TString("ab"));
    EXPECT_TRUE(textsBack[1].Empty());
    ASSERT_EQ(taggedBack.Count, 1);
    EXPECT_EQ(taggedBack[0].Name, TString("ось"));
    EXPECT_EQ(taggedBack[0].Weight, 0.5);
    EXPECT_FALSE(r.ErrorReadFromFileToBufer);
}

TEST(TArrayStreamTest, BrokenArrayWritesOnlyItsRecord)
{
    TArrayOf<int> a(2, 2);
    a.Add(1);
    a.Count = 5;  // more than allocated
    TKmfData w;
    a.toStream(w);
    EXPECT_EQ(DataOf(w), Ints({2, 2, 5, 0}));
}
