// TArrayOf and TArrayOfP: the growth rule, insertion and release edges, borrowed storage and
// the sort's depth against an adversary. Concurrent use is in TArrayThreadTest.cpp.

#include "TArray.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
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

std::vector<int> Contents(const TArrayOf<int>& a)
{
    return std::vector<int>(a.begin(), a.end());
}

} // namespace

TEST(TArrayOfTest, GrowsByItsStepOrStraightToTheRequest)
{
    TArrayOf<int> a(64, 64);
    for (int i = 0; i < 64; ++i)
        a.Add(i);
    EXPECT_EQ(a.FSize, 64);
    a.Add(64);
    EXPECT_EQ(a.FSize, 128);
    for (int i = 65; i < 129; ++i)
        a.Add(i);
    EXPECT_EQ(a.FSize, 192);
    a.SetSize(1000, false);
    EXPECT_EQ(a.FSize, 1000);
    EXPECT_EQ(a.Count, 129);
    for (int i = 0; i < 129; ++i)
        ASSERT_EQ(a[i], i); // growth kept every element

    int* storage = a.FArray;
    a.SetSize(10, true); // resets without freeing, ignores the smaller request
    EXPECT_EQ(a.FSize, 1000);
    EXPECT_EQ(a.Count, 0);
    EXPECT_EQ(a.FArray, storage);
}

TEST(TArrayOfTest, SetSizeStepsAndDeleteOutsideTheCountChangesNothing)
{
    TArrayOf<int> a(64, 64);
    a.SetSize(10, false);
    EXPECT_EQ(a.FSize, 64);
    a.SetSize(65, false);
    EXPECT_EQ(a.FSize, 128);
    a.SetSize(200, false);
    EXPECT_EQ(a.FSize, 200);

    for (int i = 0; i < 3; ++i)
        a.Add(i);
    a.Delete(-1);
    a.Delete(a.Count);
    EXPECT_EQ(Contents(a), (std::vector<int>{0, 1, 2}));
    a.Delete(a.Count - 1);
    EXPECT_EQ(Contents(a), (std::vector<int>{0, 1}));
    EXPECT_EQ(a.FArray[2], 2); // the vacated slot keeps its value until reused
    a.Delete(0);
    EXPECT_EQ(Contents(a), (std::vector<int>{1}));
}

TEST(TArrayOfTest, ClearAndResizeSetTheCountAndKeepTheElements)
{
    TArrayOf<int> a(4, 4);
    for (int i = 0; i < 3; ++i)
        a.Add(i + 1);
    int* storage = a.FArray;
    a.Clear(); // the storage and its values stay
    EXPECT_EQ(a.Count, 0);
    EXPECT_EQ(a.FArray, storage);
    a.Resize(2); // reused slots come back with their old values
    EXPECT_EQ(Contents(a), (std::vector<int>{1, 2}));
    a.Resize(-3);
    EXPECT_EQ(a.Count, 0);
    a.Resize(3);
    a.Resize(10); // growth keeps the elements, the fresh slots are default
    EXPECT_EQ(a.FSize, 10);
    EXPECT_EQ(Contents(a), (std::vector<int>{1, 2, 3, 0, 0, 0, 0, 0, 0, 0}));
    a.Resize(11); // a step past the size grows by the step
    EXPECT_EQ(a.FSize, 14);
    EXPECT_EQ(a.Count, 11);
}

TEST(TArrayOfTest, InsertEdgesAndSelfAppend)
{
    TArrayOf<int> a(3, 2);
    a.Add(1);
    a.Add(2);
    a.Add(3);
    a.Insert(100, 9);
    a.Insert(0, 0);
    EXPECT_EQ(Contents(a), (std::vector<int>{0, 1, 2, 3, 9}));
    a.Insert(-1, 42);
    EXPECT_EQ(a.Count, 5);
    a.Insert(2, a[4]); // the value moves while it is inserted
    EXPECT_EQ(Contents(a), (std::vector<int>{0, 1, 9, 2, 3, 9}));

    // Appending an element of the array itself while the array must grow.
    TArrayOf<int> full(2, 1);
    full.Add(10);
    full.Add(20);
    full.Add(full[0]);
    EXPECT_EQ(Contents(full), (std::vector<int>{10, 20, 10}));
}

TEST(TArrayOfTest, BorrowedStorageIsLeftToItsOwner)
{
    // Borrowed storage is forgotten, not freed; one that must grow is copied and left to its owner.
    const int before = Tracked::Live;
    auto* storage = new Tracked[1];
    {
        TArrayOf<Tracked> b;
        b.Set(storage, 1, 0);
        b.Add(Tracked(1));
        EXPECT_EQ(b.FArray, storage);
        b.Add(Tracked(2));
        EXPECT_NE(b.FArray, storage);
        EXPECT_EQ(b[1].V, 2);
    }
    EXPECT_EQ(Tracked::Live, before + 1);
    EXPECT_EQ(storage[0].V, 1);
    delete[] storage;
    EXPECT_EQ(Tracked::Live, before);
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
        Candidate = 0, Deepest = UINTPTR_MAX;
    }
    bool operator<(const Adversary& o) const
    {
        const int marker = 0;
        Deepest = std::min(Deepest, reinterpret_cast<std::uintptr_t>(&marker));
        if (Value[Index] == Gas && Value[o.Index] == Gas) {
            Value[Index == Candidate ? Index : o.Index] = Solid;
            Solid += Step;
        }
        if (Value[Index] == Gas)
            Candidate = Index;
        else if (Value[o.Index] == Gas)
            Candidate = o.Index;
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
        for (int i = 0; i < n; ++i)
            a.Add().Index = i;
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
        for (int v : {3, 1, 2})
            a.Add(new Tracked(v));
        a.ReleaseItem(a.Count);
        a.ReleaseItem(-1);
        a.ReleaseItem(1);
        EXPECT_EQ(Tracked::Live, before + 2);
        EXPECT_EQ(a.FArray[1], nullptr);
        EXPECT_EQ(a.Count, 3);
        a.ReleaseItem(1); // already empty
        EXPECT_EQ(a.MinElem(), 2);
        delete a.Detach(0);
        EXPECT_EQ(a.Count, 2);
        a.Add(new Tracked(5));
    }
    EXPECT_EQ(Tracked::Live, before); // the destructor deleted the rest
}
