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

// An array read from a blob of the given version holding the given data.
template <class T>
void ReadFrom(TArrayOf<T>& a, Integer version, const Bytes& data)
{
    TKmfData r;
    r.from(Blob(version, data));
    a.fromStream(r);
}

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
    TArrayOf<int> back(0, 0);
    ReadFrom(back, 97, DataOf(w));
    EXPECT_EQ(back.Count, 3);
    EXPECT_EQ(back.FSize, 64);
    EXPECT_EQ(back.FCapacity, 64);
    EXPECT_EQ(back.Current, 1);
    EXPECT_EQ(back[2], 300);

    // The same record at the very end of the data: 64 slots can't be justified by 12 bytes.
    TArrayOf<int> tight(0, 0);
    ReadFrom(tight, 97, Ints({64, 64, 3, 1, 7, -1, 300}));
    EXPECT_EQ(tight.FSize, 3);
    EXPECT_EQ(tight.Count, 3);

    TArrayOf<int> old(0, 8);  // version 30 stores no cursor
    old.Current = 5;
    ReadFrom(old, 30, Ints({8, 8, 2, 11, 12}));
    EXPECT_EQ(old.Current, 0);
    EXPECT_EQ(old[1], 12);

    TArrayOf<int> broken(2, 2);  // more counted than allocated: only the record is written
    broken.Add(1);
    broken.Count = 5;
    TKmfData b;
    broken.toStream(b);
    EXPECT_EQ(DataOf(b), Ints({2, 2, 5, 0}));
}

TEST(TArrayStreamTest, StoredStepRule)
{
    const std::pair<Integer, Integer> steps[] = {{20000, 32}, {10240, 10240}, {10241, 32}, {-5, 32}, {0, 0}};
    for (const auto& [stored, read] : steps) {
        SCOPED_TRACE(stored);
        TArrayOf<int> a(0, 1);
        ReadFrom(a, 97, Ints({4, stored, 1, 0, 9}));
        EXPECT_EQ(a.FCapacity, read);
        EXPECT_EQ(a.Count, 1);
        EXPECT_EQ(a[0], 9);
    }
}

TEST(TArrayStreamTest, DamagedOrCutRecordsLeaveAnEmptyArray)
{
    const std::pair<const char*, Bytes> cases[] = {
        {"negative count", Ints({4, 4, -1, 0, 1})},
        {"count above the stored size", Ints({2, 4, 3, 0, 1, 2, 3})},
        {"count beyond the data", Ints({0x7FFFFFFF, 4, 0x7FFFFFF0, 0, 1})},
        {"cut inside an element", Cat(Ints({4, 4, 2, 0, 1}), {5, 6})},
    };
    for (const auto& [what, data] : cases) {
        SCOPED_TRACE(what);
        TArrayOf<int> a(0, 1);
        a.Add(99);
        ReadFrom(a, 97, data);
        EXPECT_EQ(a.Count, 0);
        EXPECT_EQ(a.FSize, 1) << "nothing allocated for a damaged record";
        TKmfData r2;
        r2.from(Blob(97, data));
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

    TKmfData r;
    r.from(Blob(97, data));
    TArrayOf<int> ints(0, 0);
    TAStr textsBack;
    TArrayOf<TTagged> taggedBack(0, 1);
    ints.fromStream2(r);
    textsBack.fromStream(r);
    taggedBack.fromStream(r);
    EXPECT_EQ(ints[1], -2);
    ASSERT_EQ(textsBack.Count, 2);
    EXPECT_EQ(textsBack[0], TString("ab"));
    ASSERT_EQ(taggedBack.Count, 1);
    EXPECT_EQ(taggedBack[0].Name, TString("ось"));
    EXPECT_EQ(taggedBack[0].Weight, 0.5);
    EXPECT_FALSE(r.ErrorReadFromFileToBufer);
}
