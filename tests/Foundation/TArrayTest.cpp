// TArrayOf and its family: the growth rule, insertion and release edges, ownership of
// pointed-to and borrowed storage, concurrent appends and the sort against std::sort.

#include "TArray.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <memory>
#include <random>
#include <thread>
#include <vector>

namespace {

// Counts live instances so tests can see what the arrays construct and destroy.
struct Tracked {
    static inline int Live = 0;
    int V = 0;
    Tracked() { ++Live; }
    explicit Tracked(int v) : V(v) { ++Live; }
    Tracked(const Tracked& o) : V(o.V) { ++Live; }
    Tracked& operator=(const Tracked&) = default;
    virtual ~Tracked() { --Live; }
    bool operator<(const Tracked& o) const { return V < o.V; }
};

std::vector<int> Contents(const TArrayOf<int>& a) { return std::vector<int>(a.begin(), a.end()); }

} // namespace

TEST(TArrayOfTest, GrowsByItsStepOrStraightToTheRequest)
{
    TArrayOf<int> a(64, 64);
    for (int i = 0; i < 64; ++i) a.Add(i);
    EXPECT_EQ(a.FSize, 64);
    a.Add(64);
    EXPECT_EQ(a.FSize, 128);
    for (int i = 65; i < 129; ++i) a.Add(i);
    EXPECT_EQ(a.FSize, 192);
    a.SetSize(1000, false);
    EXPECT_EQ(a.FSize, 1000);
    EXPECT_EQ(a.Count, 129);
    for (int i = 0; i < 129; ++i) ASSERT_EQ(a[i], i); // growth kept every element

    TArrayOf<int> empty(0, 64);
    EXPECT_EQ(empty.FSize, 0);
    empty.Add(5);
    EXPECT_EQ(empty.FSize, 64);
    EXPECT_EQ(empty.Count, 1);
}

TEST(TArrayOfTest, SetSizeResetsWithoutFreeingAndIgnoresSmallerRequests)
{
    TArrayOf<int> a(64, 64);
    for (int i = 0; i < 20; ++i) a.Add(i);
    int* storage = a.FArray;
    a.SetSize(10, true);
    EXPECT_EQ(a.FSize, 64);
    EXPECT_EQ(a.Count, 0);
    EXPECT_EQ(a.FArray, storage);
    a.Add(7);
    a.SetSize(-1, false);
    EXPECT_EQ(a.FSize, 64);
    EXPECT_EQ(a.Count, 1);
    EXPECT_EQ(a.FArray, storage);
    a.SetSize(-1, true);
    EXPECT_EQ(a.Count, 0);
    a.SetSize(65, false);
    EXPECT_EQ(a.FSize, 128);
    a.ReserveSize(100);
    EXPECT_EQ(a.FSize, 128);
    a.ReserveSize(200);
    EXPECT_EQ(a.FSize, 200);
}

TEST(TArrayOfTest, InsertEdges)
{
    TArrayOf<int> a(3, 2);
    a.Add(1);
    a.Add(2);
    a.Add(3);
    a.Insert(100, 9);
    EXPECT_EQ(Contents(a), (std::vector<int>{1, 2, 3, 9}));
    a.Insert(0, 0);
    EXPECT_EQ(Contents(a), (std::vector<int>{0, 1, 2, 3, 9}));
    a.Insert(-1, 42);
    EXPECT_EQ(a.Count, 5);
    a.Insert(2, a[4]); // the value moves while it is inserted
    EXPECT_EQ(Contents(a), (std::vector<int>{0, 1, 9, 2, 3, 9}));
    a.Insert(1) = 77;
    EXPECT_EQ(Contents(a), (std::vector<int>{0, 77, 1, 9, 2, 3, 9}));

    // Appending an element of the array itself while the array must grow.
    TArrayOf<int> full(2, 1);
    full.Add(10);
    full.Add(20);
    full.Add(full[0]);
    EXPECT_EQ(Contents(full), (std::vector<int>{10, 20, 10}));
}

TEST(TArrayOfTest, DeleteAndValueSearches)
{
    TArrayOf<int> a{5, 3, 5, 8};
    EXPECT_EQ(a.FSize, 64);
    EXPECT_EQ(a.IndexOf(5), 0);
    EXPECT_EQ(a.IndexOf(4), -1);
    EXPECT_TRUE(a.Exist(8));
    EXPECT_EQ(a.GetCountOf(5), 2);
    a.Delete(a.Count);
    a.Delete(-1);
    EXPECT_EQ(a.Count, 4);
    a.Delete(a.Count - 1);
    EXPECT_EQ(Contents(a), (std::vector<int>{5, 3, 5}));
    EXPECT_EQ(a[3], 8); // the vacated slot keeps its value
    EXPECT_TRUE(a.Remove(5));
    EXPECT_EQ(Contents(a), (std::vector<int>{3, 5}));
    EXPECT_FALSE(a.Remove(42));

    EXPECT_EQ(a.Last(), 5);
    EXPECT_EQ(a.Last2(), 3);
    EXPECT_EQ(*a.last(), 5);
    a.Push(11);
    EXPECT_EQ(a.Back(), 11);
    EXPECT_EQ(a.Pop(), 11);
    EXPECT_EQ(a.Pop(), 5);
    EXPECT_EQ(a.Count, 1);
    a.Clear();
    EXPECT_TRUE(a.Empty());
    EXPECT_EQ(a.Pop(), 3); // an empty stack stays empty
    EXPECT_EQ(a.Count, 0);

    TAReal r{1.5, 2.5};
    EXPECT_EQ(r.IndexOf(2.5), 1);
    EXPECT_EQ(TAReal().IndexOf(2.5), -1);
}

TEST(TArrayOfTest, ItemPastTheStorageGrowsByOneStep)
{
    TArrayOf<int> a(64, 32);
    int& fresh = a.Item(a.FSize);
    EXPECT_EQ(fresh, 0);
    EXPECT_EQ(a.FSize, 96);
    EXPECT_EQ(a.Count, 0);
    a[200] = 4;
    EXPECT_EQ(a.FSize, 201);
}

TEST(TArrayOfTest, CopiesTakeCountCursorAndCounter)
{
    TArrayOf<int> a(64, 16);
    for (int i = 0; i < 10; ++i) a.Add(i * i);
    a.Current = 3;
    a.N = 7;
    TArrayOf<int> copy(a);
    EXPECT_EQ(copy.FSize, 10);
    EXPECT_EQ(copy.FCapacity, 16);
    EXPECT_EQ(copy.Count, 10);
    EXPECT_EQ(copy.Current, 3);
    EXPECT_EQ(copy.N, 7);
    EXPECT_TRUE(copy == a);
    copy[0] = -1;
    EXPECT_FALSE(copy == a);

    TArrayOf<int> assigned(2, 2);
    assigned = a;
    EXPECT_EQ(Contents(assigned), Contents(a));
    EXPECT_EQ(assigned.Current, 3);
    assigned = assigned;
    EXPECT_EQ(assigned.Count, 10);

    TAStr texts{"один", "два"};
    TAStr other(texts);
    texts[0].Set("x");
    EXPECT_EQ(other[0], TString("один")); // texts are copied, not shared
    TAStr sized(4, {"a", "b", "c", "d", "e"});
    EXPECT_EQ(sized.Count, 5);
    EXPECT_EQ(sized.FCapacity, 4);
    EXPECT_EQ(sized[4], TString("e"));
}

TEST(TArrayOfTest, ElementsAreReleasedWhenStorageIsFreed)
{
    auto shared = std::make_shared<int>(1);
    {
        TArrayOf<std::shared_ptr<int>> a(2, 2);
        for (int i = 0; i < 5; ++i) a.Add(shared); // grows twice
        EXPECT_EQ(shared.use_count(), 6);
        a.Delete(0);
        EXPECT_EQ(shared.use_count(), 6); // the vacated slot still holds its copy
        a.FreeMemory();
        EXPECT_EQ(shared.use_count(), 1);
        EXPECT_EQ(a.FArray, nullptr);
        EXPECT_EQ(a.FSize, 0);
        EXPECT_EQ(a.Count, 4); // Count is left as it was
    }
    EXPECT_EQ(shared.use_count(), 1);
}

TEST(TArrayOfTest, BorrowedStorageIsForgottenNotFreed)
{
    const int before = Tracked::Live;
    auto* storage = new Tracked[8];
    {
        TArrayOf<Tracked> a;
        a.Set(storage, 8, 0);
        a.Add(Tracked(3));
        EXPECT_EQ(a.FArray, storage);
        a.FreeMemory();
        EXPECT_EQ(a.FArray, nullptr);
        EXPECT_EQ(a.FSize, 0);
        EXPECT_EQ(Tracked::Live, before + 8); // still alive
        EXPECT_EQ(storage[0].V, 3);
    }
    EXPECT_EQ(Tracked::Live, before + 8);
    delete[] storage;

    // A borrowed block that must grow is copied into owned storage and left to its owner.
    auto* small = new Tracked[1];
    {
        TArrayOf<Tracked> a;
        a.Set(small, 1, 0);
        a.Add(Tracked(1));
        a.Add(Tracked(2));
        EXPECT_NE(a.FArray, small);
        EXPECT_EQ(a[0].V, 1);
        EXPECT_EQ(a[1].V, 2);
    }
    EXPECT_EQ(small[0].V, 1);
    delete[] small;
    EXPECT_EQ(Tracked::Live, before);

    TArrayOf<int> owned(4, 4);
    int* taken = owned.Detach();
    EXPECT_EQ(owned.FArray, nullptr);
    EXPECT_EQ(owned.FSize, 0);
    delete[] taken;
}

TEST(TArrayOfTest, CompressInitAndCursor)
{
    TArrayOf<int> a(100, 100);
    a.Init(9, 2, 4);
    EXPECT_EQ(Contents(a), (std::vector<int>{0, 0, 9, 9, 9}));
    a.Compress();
    EXPECT_EQ(a.FSize, 5);
    EXPECT_EQ(Contents(a), (std::vector<int>{0, 0, 9, 9, 9}));
    a.Current = 17;
    EXPECT_FALSE(a.IsCurrent());
    a.ValidateCurrent();
    EXPECT_EQ(a.Current, 4);
    EXPECT_EQ(a.MaxIndex(), 4);
    EXPECT_TRUE(a.ValidIndex(4));
    EXPECT_FALSE(a.ValidIndex(5));
    a.RU_WD_I(7, 1);
    EXPECT_EQ(a.Count, 8);
    EXPECT_EQ(a[7], 1);
    a.SetCapacity(-3);
    EXPECT_EQ(a.Capacity(), 0);
}

TEST(TArrayOfTest, FourThreadsAppendingLoseNothing)
{
    constexpr int kThreads = 4, kEach = 10000;
    TArrayOf<int> a(0, 16); // small step: many growths race with appends
    std::vector<std::thread> workers;
    for (int t = 0; t < kThreads; ++t)
        workers.emplace_back([&a, t] {
            for (int i = 0; i < kEach; ++i) a.Add(t * kEach + i);
        });
    for (auto& w : workers) w.join();
    ASSERT_EQ(a.Count, kThreads * kEach);
    std::vector<int> seen = Contents(a);
    std::sort(seen.begin(), seen.end());
    for (int i = 0; i < kThreads * kEach; ++i) ASSERT_EQ(seen[i], i);
}

TEST(TArrayOfTest, SortAgreesWithStdSort)
{
    std::mt19937 rng(3);
    for (int n : {0, 1, 2, 3, 10, 1000}) {
        SCOPED_TRACE(n);
        TArrayOf<int> a(0, 64);
        std::uniform_int_distribution<int> v(-50, 50);
        for (int i = 0; i < n; ++i) a.Add(v(rng));
        std::vector<int> expected = Contents(a);
        std::sort(expected.begin(), expected.end());
        a.Sort();
        EXPECT_EQ(Contents(a), expected);
    }
    TArrayOf<int> part{5, 4, 3, 2, 1};
    part.QuickSort(1, 3);
    EXPECT_EQ(Contents(part), (std::vector<int>{5, 2, 3, 4, 1}));
    TAStr words{"в", "а", "б"};
    words.Sort();
    EXPECT_EQ(words[0], TString("а"));
    EXPECT_EQ(words[2], TString("в"));
}

TEST(TArrayOfTest, SortedMillionSortsQuickly)
{
    constexpr int kMillion = 1000000;
    TArrayOf<int> up(kMillion, kMillion), down(kMillion, kMillion);
    for (int i = 0; i < kMillion; ++i) {
        up.Add(i);
        down.Add(kMillion - i);
    }
    up.Sort();
    down.Sort();
    EXPECT_TRUE(std::is_sorted(up.begin(), up.end()));
    EXPECT_TRUE(std::is_sorted(down.begin(), down.end()));
    EXPECT_EQ(down[0], 1);
}

namespace {

// McIlroy's adversary: values are fixed only when a comparison needs them, always so that the
// pivot candidate ends up extreme (the smallest, or with `fromTop` the largest). It drives any
// quicksort into its quadratic worst case, with the long side right or left.
struct Adversary {
    static inline std::vector<int> Value;
    static inline int Gas = 0, Solid = 0, Step = 1, Candidate = 0;
    static inline std::uintptr_t Deepest = UINTPTR_MAX;
    int Index = 0;

    static void Start(int n, bool fromTop)
    {
        Gas = fromTop ? -1 : n;
        Value.assign(n, Gas);
        Solid = fromTop ? n - 1 : 0;
        Step = fromTop ? -1 : 1;
        Candidate = 0;
        Deepest = UINTPTR_MAX;
    }
    bool operator<(const Adversary& o) const
    {
        const int marker = 0;
        Deepest = std::min(Deepest, reinterpret_cast<std::uintptr_t>(&marker));
        if (Value[Index] == Gas && Value[o.Index] == Gas) {
            Value[Index == Candidate ? Index : o.Index] = Solid;
            Solid += Step;
        }
        if (Value[Index] == Gas) Candidate = Index;
        else if (Value[o.Index] == Gas) Candidate = o.Index;
        return Value[Index] < Value[o.Index];
    }
};

} // namespace

TEST(TArrayOfTest, AdversarialInputKeepsTheStackShallow)
{
    constexpr int n = 3000;
    for (const bool fromTop : {false, true}) {
        SCOPED_TRACE(fromTop ? "long side left" : "long side right");
        Adversary::Start(n, fromTop);
        TArrayOf<Adversary> a(n, n);
        for (int i = 0; i < n; ++i) a.Add().Index = i;
        const int top = 0;
        a.Sort();
        EXPECT_TRUE(std::is_sorted(a.begin(), a.end()));
        // With the smaller side recursed the depth stays logarithmic (12 levels for 3000
        // elements, a frame well under 256 bytes); a linear depth needs hundreds of KiB.
        const auto depth = reinterpret_cast<std::uintptr_t>(&top) - Adversary::Deepest;
        EXPECT_LT(depth, 12 * 256u + 4096u);
    }
}

TEST(TArrayOfPTest, OwnsWhatItsSlotsPointTo)
{
    const int before = Tracked::Live;
    {
        TArrayOfP<Tracked> a(4, 4);
        for (int v : {3, 1, 2}) a.Add(new Tracked(v));
        EXPECT_EQ(Tracked::Live, before + 3);
        a.ReleaseItem(a.Count);
        a.ReleaseItem(-1);
        EXPECT_EQ(Tracked::Live, before + 3);
        EXPECT_EQ(a.MinElem(), 1);
        EXPECT_EQ(a.MaxVElem(), 0);
        a.ReleaseItem(1);
        EXPECT_EQ(Tracked::Live, before + 2);
        EXPECT_EQ(a.FArray[1], nullptr);
        EXPECT_EQ(a.Count, 3);
        a.ReleaseItem(1); // already empty
        EXPECT_EQ(a.MinElem(), 2);

        Tracked* taken = a.Detach(0);
        EXPECT_EQ(taken->V, 3);
        EXPECT_EQ(a.Count, 2);
        EXPECT_EQ(a.FArray[2], nullptr);
        delete taken;
        a.Delete(1);
        EXPECT_EQ(Tracked::Live, before);
        EXPECT_EQ(a.Count, 1);
        a.Add(new Tracked(5));
        a.Add(new Tracked(6));
    }
    EXPECT_EQ(Tracked::Live, before); // the destructor deleted the rest
    EXPECT_EQ(TArrayOfP<Tracked>().MinElem(), -1);
}

TEST(TPairTest, TravelsInArrays)
{
    TArrayOf<TPair<int, int>> pairs(2, 2);
    pairs.Add(TPair<int, int>(1, 2));
    pairs.Add().V1 = 5;
    pairs.Add(TPair<int, int>(3, 4));
    EXPECT_EQ(pairs.Count, 3);
    EXPECT_EQ(pairs[0].V2, 2);
    EXPECT_EQ(pairs[1].V1, 5);
    EXPECT_EQ(pairs[1].V2, 0);
    EXPECT_EQ(pairs[2].V1, 3);
}

TEST(TReferenceOfTest, OnlyTheOwnerDeletes)
{
    const int before = Tracked::Live;
    Tracked local(1);
    {
        TReferenceOf<Tracked> owner(new Tracked(2), true);
        TReferenceOf<Tracked> borrower(local);
        TReferenceOf<Tracked> copy(owner);
        EXPECT_FALSE(copy.Owner);
        EXPECT_EQ(copy().V, 2);
        EXPECT_TRUE(owner.Exist());
        EXPECT_TRUE(static_cast<bool>(borrower));
        Tracked& ref = borrower;
        Tracked* ptr = owner;
        EXPECT_EQ(&ref, &local);
        EXPECT_EQ(ptr->V, 2);
        EXPECT_EQ(owner->V, 2);
        borrower = copy;
        EXPECT_EQ(borrower.Ptr, owner.Ptr);
        EXPECT_EQ(Tracked::Live, before + 2);
    }
    EXPECT_EQ(Tracked::Live, before + 1); // the owned one went, the local one stays

    TReferenceOf<Tracked> r(new Tracked(4), true);
    r.Assign(local);
    EXPECT_EQ(Tracked::Live, before + 1);
    EXPECT_FALSE(r.Owner);
    r.Free();
    EXPECT_FALSE(r.Exist());
    EXPECT_EQ(local.V, 1);
}
