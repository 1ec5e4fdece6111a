#include "GmpMemory.h"

#include <gmp.h>

#include <atomic>
#include <cstdint>
#include <cstdlib>
#include <cstring>

#if defined(__SANITIZE_ADDRESS__)
#include <sanitizer/asan_interface.h>
// A block waiting on a free list stays poisoned, so instrumented code that touches limbs of a
// dead number is still caught (GMP itself is not instrumented).
#define GMP_MEMORY_POISON(p, n) ASAN_POISON_MEMORY_REGION(p, n)
#define GMP_MEMORY_UNPOISON(p, n) ASAN_UNPOISON_MEMORY_REGION(p, n)
#else
#define GMP_MEMORY_POISON(p, n) ((void)(p), (void)(n))
#define GMP_MEMORY_UNPOISON(p, n) ((void)(p), (void)(n))
#endif

namespace gmp_memory {
namespace {

// Payloads of 16, 32, ... kLargestBlock bytes, each after a header that keeps them 16-aligned.
struct alignas(16) Header {
    Header* next; // on a free list
    std::size_t sizeClass;
};
constexpr std::size_t kSmallest = 16, kClasses = 8, kChunk = std::size_t{1} << 16;
static_assert(kSmallest << (kClasses - 1) == kLargestBlock);

// Threads take chunks of the arena by a shared counter and carve them alone. The arena only
// runs out if threads come and go by the thousand; then malloc serves, as it does for blocks too
// big for a class.
constexpr std::size_t kArenaSize = std::size_t{1} << 26;
alignas(16) std::byte arena[kArenaSize];
std::atomic<std::size_t> arenaTaken{0};

// A block goes on the list of the thread that frees it, whichever thread made it: the lists
// need no lock, and a number moved to another thread is no special case.
thread_local Header* freeLists[kClasses];
thread_local std::byte *chunkNext, *chunkEnd;

std::size_t payload(std::size_t sizeClass)
{
    return kSmallest << sizeClass;
}

Header* carve(std::size_t sizeClass)
{
    const std::size_t size = sizeof(Header) + payload(sizeClass);
    if (chunkNext == nullptr || static_cast<std::size_t>(chunkEnd - chunkNext) < size) {
        const std::size_t at = arenaTaken.fetch_add(kChunk, std::memory_order_relaxed);
        if (at + kChunk > kArenaSize) return nullptr;
        chunkNext = arena + at, chunkEnd = chunkNext + kChunk;
    }
    auto* h = reinterpret_cast<Header*>(chunkNext);
    chunkNext += size;
    h->sizeClass = sizeClass;
    return h;
}

void* fallback(void* block, std::size_t size)
{
    // GMP cannot go on without its memory, as with its own allocator.
    if (void* p = std::realloc(block, size)) return p;
    std::abort();
}

void* allocate(std::size_t size)
{
    std::size_t c = 0;
    while (c < kClasses && payload(c) < size)
        ++c;
    if (c == kClasses) return fallback(nullptr, size);
    Header* h = freeLists[c];
    if (h != nullptr)
        freeLists[c] = h->next;
    else if ((h = carve(c)) == nullptr)
        return fallback(nullptr, size);
    GMP_MEMORY_UNPOISON(h + 1, payload(c));
    return h + 1;
}

// Blocks from malloc (the fallback, or any made before these functions were set) go back there.
void release(void* block, std::size_t)
{
    if (!inArena(block)) return std::free(block);
    Header* h = static_cast<Header*>(block) - 1;
    GMP_MEMORY_POISON(block, payload(h->sizeClass));
    h->next = freeLists[h->sizeClass];
    freeLists[h->sizeClass] = h;
}

void* reallocate(void* block, std::size_t oldSize, std::size_t newSize)
{
    if (!inArena(block)) return fallback(block, newSize);
    const std::size_t capacity = payload((static_cast<Header*>(block) - 1)->sizeClass);
    if (newSize <= capacity) return block;
    void* grown = allocate(newSize);
    std::memcpy(grown, block, oldSize < capacity ? oldSize : capacity);
    release(block, oldSize);
    return grown;
}

// Before any other static initializer, so no GMP number is made with malloc's memory first
// (release copes with one anyway).
__attribute__((constructor(101))) void install()
{
    mp_set_memory_functions(allocate, reallocate, release);
}

} // namespace

bool inArena(const void* block)
{
    const auto p = reinterpret_cast<std::uintptr_t>(block), start = reinterpret_cast<std::uintptr_t>(arena);
    return p >= start && p < start + kArenaSize;
}

} // namespace gmp_memory
