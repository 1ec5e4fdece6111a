// Stream form of TArrayOf: the record's bytes, round trips of size, step, count and cursor,
// the version gate of the cursor, the stored-step rule, and arrays of numbers (copied as one
// block) in the bytes of one value after the other, also across a file's window.

#include "TArray.h"

#include "StreamTestUtil.h"

#include <gtest/gtest.h>

#include <cstdint>

using namespace streamtest;

namespace {

// An array read from a blob of the given version holding the given data.
template <class T> void ReadFrom(TArrayOf<T>& a, Integer version, const Bytes& data)
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
    w.Write(Bytes(256, 0xEE)); // the fields of the record that holds the array
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

    TArrayOf<int> old(0, 8); // version 30 stores no cursor
    old.Current = 5;
    ReadFrom(old, 30, Ints({8, 8, 2, 11, 12}));
    EXPECT_EQ(old.Current, 0);
    EXPECT_EQ(old[1], 12);

    TArrayOf<int> broken(2, 2); // more counted than allocated: only the record is written
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

TEST(TArrayStreamTest, NumberArraysAreTheirValuesOneAfterTheOther)
{
    TArrayOf<double> reals(4, 4);
    for (const double v : {0.5, -2.0, 1e300})
        reals.Add(v);
    TKmfData w;
    reals.toStream(w);
    Bytes want = Ints({4, 4, 3, 0});
    for (Integer i = 0; i < reals.Count; ++i) {
        const auto* b = reinterpret_cast<const Byte*>(&reals.FArray[i]);
        want.insert(want.end(), b, b + sizeof(double));
    }
    EXPECT_EQ(DataOf(w), want);
    TArrayOf<std::int16_t> shorts(2, 2);
    shorts.Add(-2);
    shorts.Add(0x1234);
    TKmfData s;
    shorts.toStream(s);
    EXPECT_EQ(DataOf(s), Cat(Ints({2, 2, 2, 0}), Bytes({0xFE, 0xFF, 0x34, 0x12})));

    // One value short: the count is refused and nothing is read.
    TArrayOf<double> cut(0, 0);
    ReadFrom(cut, 97, Bytes(want.begin(), want.end() - 1));
    EXPECT_EQ(cut.Count, 0);
}

TEST(TArrayStreamTest, NumberArraysCrossTheFileWindow)
{
    // More values than the 16 MiB window holds, the record placed so that a value straddles it.
    TArrayOf<double> big(3000000, 16);
    for (Integer i = 0; i < big.FSize; ++i)
        big.Add(i * 0.25 - 7.0);
    const std::string path = TempPath("numbers.kmf");
    TKmfData w;
    ASSERT_TRUE(w.MakeForWrite(TString(path.c_str()), false));
    w.Write(Byte(1));
    big.toStream(w);
    w.Write(Integer(-5));
    ASSERT_TRUE(w.Close());
    TKmfData r;
    ASSERT_TRUE(r.MakeForRead(TString(path.c_str()), false));
    EXPECT_EQ(r.ReadByte(), 1);
    TArrayOf<double> back(0, 0);
    back.fromStream(r);
    EXPECT_EQ(r.ReadInteger(), -5);
    EXPECT_TRUE(r.Close());
    ASSERT_EQ(back.Count, big.Count);
    EXPECT_TRUE(std::equal(back.begin(), back.end(), big.begin()));
}
