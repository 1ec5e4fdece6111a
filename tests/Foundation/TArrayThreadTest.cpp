// TArrayOf from several threads: the members the header names as concurrent, racing each
// other. Built into its own executable labelled `threads`, which the ThreadSanitizer build runs.

#include "TArray.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <thread>
#include <vector>

namespace {

constexpr int kThreads = 4;
constexpr int kEach = 5000;

template <class Work> void RunThreads(Work work)
{
    std::vector<std::thread> workers;
    for (int t = 0; t < kThreads; ++t)
        workers.emplace_back(work, t);
    for (auto& w : workers)
        w.join();
}

// Every value 0..n-1 exactly once.
void ExpectPermutation(const TArrayOf<int>& a, int n)
{
    ASSERT_EQ(a.Count, n);
    std::vector<int> seen(a.begin(), a.end());
    std::sort(seen.begin(), seen.end());
    for (int i = 0; i < n; ++i)
        ASSERT_EQ(seen[i], i);
}

} // namespace

TEST(TArrayOfThreadTest, AppendsLoseNothing)
{
    TArrayOf<int> a(0, 16); // small step: many growths race with appends
    RunThreads([&a](int t) {
        for (int i = 0; i < kEach; ++i) {
            if (i % 2 == 0)
                a.Add(t * kEach + i);
            else
                a.RU_WD(t * kEach + i);
        }
    });
    ExpectPermutation(a, kThreads * kEach);
}

TEST(TArrayOfThreadTest, ReserveSizeRacesWithAppends)
{
    // Half of the threads reserve ever larger sizes while the others append: the size is
    // compared and replaced under the lock, so no append lands in freed storage.
    TArrayOf<int> a(0, 8);
    RunThreads([&a](int t) {
        for (int i = 0; i < kEach; ++i) {
            if (t % 2 == 0) {
                a.Add(t / 2 * kEach + i);
            } else {
                a.ReserveSize(i);
                a.RU_WD_ReserveSize(i + 1);
                a.SetSize(i / 2, false);
            }
        }
    });
    ExpectPermutation(a, kThreads / 2 * kEach);
    EXPECT_GE(a.FSize, kEach);
}

TEST(TArrayOfThreadTest, StoresAtIndexesFromSeveralThreads)
{
    // Each thread fills its own interleaved indexes, from the top down so that growth and
    // the raising of Count race; the array ends covering every index.
    TArrayOf<int> a(0, 4);
    constexpr int n = kThreads * kEach;
    RunThreads([&a](int t) {
        for (int i = n - kThreads + t; i >= 0; i -= kThreads)
            a.RU_WD_I(i, i);
    });
    ASSERT_EQ(a.Count, n);
    for (int i = 0; i < n; ++i)
        ASSERT_EQ(a.FArray[i], i);
}

TEST(TArrayOfThreadTest, InsertsAndDeletesKeepTheCount)
{
    // Two threads insert at the front, two append and delete their own last append's
    // neighbour: every member takes the lock for its whole work, so the count adds up.
    TArrayOf<int> a(0, 16);
    RunThreads([&a](int t) {
        for (int i = 0; i < kEach; ++i) {
            if (t < 2) {
                a.Insert(0, 1);
            } else {
                a.Add(2);
                a.Add(2);
                a.Delete(0);
            }
        }
    });
    EXPECT_EQ(a.Count, kThreads * kEach);
    EXPECT_EQ(a.GetCountOf(1) + a.GetCountOf(2), kThreads * kEach);
}

TEST(TArrayOfThreadTest, ResetBySetSizeIsAtomicWithAppends)
{
    // SetSize(n, true) empties under the lock while others append: the count stays within
    // the storage and within the appends made, and no slot holds a torn value.
    TArrayOf<int> a(0, 8);
    RunThreads([&a](int t) {
        for (int i = 0; i < kEach; ++i) {
            if (t == 0 && i % 100 == 0)
                a.SetSize(0, true);
            else
                a.Add(i);
        }
    });
    ASSERT_LE(a.Count, a.FSize);
    EXPECT_LE(a.Count, kThreads * kEach - kEach / 100); // thread 0 resets every 100th turn
    for (const int v : a) {
        ASSERT_GE(v, 0);
        ASSERT_LT(v, kEach);
    }
}
