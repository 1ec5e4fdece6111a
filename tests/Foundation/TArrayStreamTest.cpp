// Stream form of TArrayOf: the record's bytes, round trips of size, step, count and cursor,
// the version gate of the cursor and the stored-step rule.

#include "TArray.h"

#include "StreamTestUtil.h"

#include <gtest/gtest.h>

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
