// Stream readers on damaged data: every truncation of a valid record blob, mutated blobs and
// random blobs. Nothing may crash, read outside the blob (ASan checks the exact-size copy),
// or allocate more than the blob could justify. Allocations are watched through the
// sanitizer's hooks in sanitizer builds and through operator new otherwise.

#include "Dictionary.h"
#include "KmfData.h"
#include "TArray.h"
#include "TMemory.h"

#include <gtest/gtest.h>

#include <atomic>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <new>
#include <random>
#include <string>

#if defined(__SANITIZE_ADDRESS__)
// The sanitizer runtime calls these hooks on every allocation, operator new included.
extern "C" int __sanitizer_install_malloc_and_free_hooks(void (*malloc_hook)(const volatile void*,
                                                                             std::size_t),
                                                         void (*free_hook)(const volatile void*));
#define DC_FUZZ_SANITIZER_HOOKS 1
#endif

namespace {

std::atomic<bool> gWatching{false};
std::atomic<std::size_t> gLimit{0};
std::atomic<std::size_t> gWorst{0}; // largest allocation seen above the limit
std::atomic<int> gStage{0};         // the reading stage being watched
std::atomic<int> gWorstStage{0};

void Note(std::size_t size)
{
    if (!gWatching.load(std::memory_order_relaxed) || size <= gLimit.load(std::memory_order_relaxed)) return;
    for (std::size_t worst = gWorst.load(); size > worst && !gWorst.compare_exchange_weak(worst, size);) {
    }
    gWorstStage = gStage.load();
}

#ifdef DC_FUZZ_SANITIZER_HOOKS
void MallocHook(const volatile void*, std::size_t size)
{
    Note(size);
}
void FreeHook(const volatile void*) {}
[[maybe_unused]] const int gHooked = __sanitizer_install_malloc_and_free_hooks(MallocHook, FreeHook);
#endif

// Allocations made while `limit` bytes at most are allowed.
class TWatch {
public:
    explicit TWatch(std::size_t limit)
    {
        ++gStage;
        gLimit = limit;
        gWatching = true;
    }
    ~TWatch() { gWatching = false; }
};

constexpr std::size_t StringRoom(std::size_t blob)
{
    // A text of n bytes takes a buffer rounded up to 128 bytes and a UTF-8 companion twice that.
    return 3 * (blob + TString::BufferStep);
}

struct TRecord {
    int i = 0;
    double d = 0;
    bool b = false;
    char16_t c = 0;
    TString s, scanned;
    std::vector<Byte> v;
    TMemory m;
    TArrayOf<int> a1 = TArrayOf<int>(4, 4);
    TArrayOf<int> a2 = TArrayOf<int>(4, 4);
    TAStr as = TAStr(4);
};

void WriteRecord(TKmfData& w)
{
    TRecord r;
    r.v = {1, 2, 3, 0, 5};
    r.m = std::vector<Byte>{9, 8, 7};
    for (int k = 0; k < 7; ++k) {
        r.a1.Add(k * 3);
        r.a2.Add(-k);
        r.as.Add(TString(k));
    }
    w << 42 << 2.5 << true;
    w.Write(u'Ж');
    w << TString("запись") << r.v;
    r.m.toStream(w);
    r.a1.toStream(w);
    r.a2.toStream2(w);
    r.as.toStream(w);
    w.WriteTextLn(TString("key=\"value\""));
}

// Reads the record back stage by stage, each stage under its own allocation limit.
void ReadRecord(TKmfData& r, TRecord& out, std::size_t blob)
{
    gStage = 0;
    {
        TWatch watch(0);
        r >> out.i >> out.d >> out.b;
        r.Read(out.c);
    }
    {
        TWatch watch(StringRoom(blob));
        r >> out.s;
    }
    {
        TWatch watch(blob);
        r >> out.v;
        out.m.fromStream(r);
        out.a1.fromStream(r);
        out.a2.fromStream2(r);
    }
    {
        const std::size_t elements = (blob / 5 + 1) * sizeof(TString) + 16;
        TWatch watch(std::max(StringRoom(blob), elements));
        out.as.fromStream(r);
        r.SkipTo('"');
        r.StrToOrVKPS('"', out.scanned);
    }
}

std::vector<Byte> ValidBlob()
{
    TKmfData w;
    WriteRecord(w);
    std::vector<Byte> blob;
    w.to(blob);
    return blob;
}

// Loads the blob from an exact-size heap copy, so a read past its end is an ASan error.
void Feed(const std::vector<Byte>& blob, TRecord& out)
{
    std::unique_ptr<Byte[]> exact(new Byte[blob.size() + (blob.empty() ? 1 : 0)]);
    std::copy(blob.begin(), blob.end(), exact.get());
    TKmfData r;
    r.fromMemory(exact.get(), static_cast<int>(blob.size()));
    ReadRecord(r, out, blob.size());
}

void CheckSane(const TRecord& out)
{
    ASSERT_EQ(out.s.PChar()[out.s.Length()], 0);
    ASSERT_LE(out.a1.Count, out.a1.FSize);
    ASSERT_LE(out.a2.Count, out.a2.FSize);
    ASSERT_LE(out.as.Count, out.as.FSize);
    for (Integer k = 0; k < out.as.Count; ++k)
        ASSERT_EQ(out.as[k].PChar()[out.as[k].Length()], 0);
}

// Damaged records show a message through DC, whose ring of result strings grows once, on first
// use, whatever the data: grow it before watching.
void GrowMessageRing()
{
    for (Integer k = 0; k <= TDictionary::CountBufer; ++k)
        DC(TString("ZelMould::  Ошибка чтения потока"));
    gWorst = 0;
}

} // namespace

Byte* volatile gKeep = nullptr; // keeps the probe allocation from being optimised away

TEST(TKmfDataFuzzTest, DamagedBlobsNeitherCrashNorOverAllocate)
{
    {
        TWatch watch(10); // the watch itself sees what it must
        gKeep = new Byte[100];
    }
    delete[] gKeep;
    EXPECT_GE(gWorst.load(), 100u);
    GrowMessageRing();
    const std::vector<Byte> valid = ValidBlob();
    std::mt19937 rng(20261206);
    long fed = 0, whole = 0, partial = 0;

    for (std::size_t n = 0; n <= valid.size(); ++n, ++fed) {
        const std::vector<Byte> cut(valid.begin(), valid.begin() + n);
        TRecord out;
        Feed(cut, out);
        CheckSane(out);
        ASSERT_EQ(gWorst.load(), 0u) << "truncated to " << n << ", stage " << gWorstStage;
        if (n == valid.size()) { // the whole record reads back
            EXPECT_EQ(out.i, 42);
            EXPECT_EQ(out.s, TString("запись"));
            EXPECT_EQ(out.a2[6], -6);
            EXPECT_EQ(out.as[6], TString("6"));
            EXPECT_EQ(out.scanned, TString("value"));
        }
    }
    while (fed < 110000) {
        std::vector<Byte> blob;
        if (fed % 3 == 0) {
            blob.resize(rng() % 700);
            for (Byte& b : blob)
                b = static_cast<Byte>(rng());
            if (blob.size() >= 8 && rng() % 2) { // a proper header in front of random data
                const Integer head[2] = {TKmfData::HeadKmf, TKmfData::CurrentVersion};
                std::memcpy(blob.data(), head, sizeof head);
            }
        } else {
            blob = valid;
            for (int k = 1 + rng() % 8; k > 0; --k)
                blob[256 + rng() % (blob.size() - 256)] = static_cast<Byte>(rng() % 4 ? rng() : 0xFF);
            blob.resize(256 + rng() % (blob.size() - 255));
        }
        TRecord out;
        Feed(blob, out);
        CheckSane(out);
        ASSERT_EQ(gWorst.load(), 0u) << "blob " << fed << " of " << blob.size() << " bytes, stage "
                                     << gWorstStage;
        whole += out.as.Count == 7;
        partial += out.a1.Count == 7 && out.as.Count == 0;
        ++fed;
    }
    EXPECT_GE(fed, 100000);
    // The mutations reach every reader: some records survive whole, some break midway.
    EXPECT_GT(whole, 1000);
    EXPECT_GT(partial, 1000);
}

#ifndef DC_FUZZ_SANITIZER_HOOKS
// Outside sanitizer builds the watch sees allocations through operator new.
namespace {
[[gnu::noinline]] void* TakeBlock(std::size_t size)
{
    Note(size);
    if (void* p = std::malloc(size ? size : 1)) return p;
    throw std::bad_alloc();
}
[[gnu::noinline]] void GiveBlock(void* p) noexcept
{
    std::free(p);
}
} // namespace

void* operator new(std::size_t size)
{
    return TakeBlock(size);
}
void* operator new[](std::size_t size)
{
    return TakeBlock(size);
}
void operator delete(void* p) noexcept
{
    GiveBlock(p);
}
void operator delete[](void* p) noexcept
{
    GiveBlock(p);
}
void operator delete(void* p, std::size_t) noexcept
{
    GiveBlock(p);
}
void operator delete[](void* p, std::size_t) noexcept
{
    GiveBlock(p);
}
#endif
