// GMP's memory in the test binary: small numbers live in the arena, growth keeps the value across
// classes and into malloc, numbers freed on another thread are reused sound, and blocks from
// malloc go back to malloc.

#include "GmpMemory.h"

#include <gmpxx.h>
#include <gtest/gtest.h>

#include <array>
#include <cstdlib>
#include <cstring>
#include <functional>
#include <thread>
#include <vector>

namespace {

const auto limbs = [](const mpz_class& z) -> const void* { return z.get_mpz_t()->_mp_d; };

TEST(GmpMemoryTest, SmallNumbersLiveInTheArena)
{
    const mpz_class z = mpz_class(1) << 100;
    const mpq_class q(z, 7);
    EXPECT_TRUE(gmp_memory::inArena(limbs(z)));
    EXPECT_TRUE(gmp_memory::inArena(limbs(q.get_num())));
    EXPECT_TRUE(gmp_memory::inArena(limbs(q.get_den())));
}

TEST(GmpMemoryTest, GrowingThroughEveryClassIntoMallocKeepsTheValue)
{
    mpz_class power = 1, direct;
    for (int i = 1; i <= 20000; ++i) {
        power *= 3;
        if (i == 100) {
            EXPECT_EQ(power.get_str(), "515377520732011331036461129765621272702107522001");
        }
    }
    mpz_ui_pow_ui(direct.get_mpz_t(), 3, 20000);
    EXPECT_EQ(power, direct);
    EXPECT_GT(mpz_size(power.get_mpz_t()) * sizeof(mp_limb_t), gmp_memory::kLargestBlock);
    EXPECT_FALSE(gmp_memory::inArena(limbs(power)));
    mpz_ui_pow_ui(direct.get_mpz_t(), 3, 19900);
    power /= direct; // shrinks in place, still from malloc
    EXPECT_EQ(power.get_str(), "515377520732011331036461129765621272702107522001");
}

TEST(GmpMemoryTest, NumbersFreedOnAnotherThreadAreReusedSound)
{
    constexpr int kThreads = 4, kCount = 5000;
    std::array<std::vector<mpz_class>, kThreads> made;
    const auto make = [](std::vector<mpz_class>& v) {
        for (long k = 1; k <= kCount; ++k)
            v.emplace_back(mpz_class(k) * k * k);
    };
    {
        std::vector<std::jthread> pool;
        for (auto& v : made)
            pool.emplace_back(make, std::ref(v));
    }
    std::array<mpz_class, kThreads> sums;
    const auto takeOver = [&](int i) {
        std::vector<mpz_class> taken = std::move(made[(i + 1) % kThreads]);
        taken.clear(); // freed here, made on the neighbour
        make(made[(i + 1) % kThreads]);
        for (const mpz_class& z : made[(i + 1) % kThreads])
            sums[i] += z;
    };
    {
        std::vector<std::jthread> pool;
        for (int i = 0; i < kThreads; ++i)
            pool.emplace_back(takeOver, i);
    }
    for (const mpz_class& s : sums)
        EXPECT_EQ(s, 156312506250000); // the sum of k^3 up to 5000: (5000 * 5001 / 2)^2
}

TEST(GmpMemoryTest, BlocksFromMallocGoBackToMalloc)
{
    void* (*allocate)(std::size_t);
    void* (*reallocate)(void*, std::size_t, std::size_t);
    void (*release)(void*, std::size_t);
    mp_get_memory_functions(&allocate, &reallocate, &release);
    auto* foreign = static_cast<char*>(std::malloc(24));
    std::memcpy(foreign, "made before the switch", 23);
    foreign = static_cast<char*>(reallocate(foreign, 24, 48));
    EXPECT_FALSE(gmp_memory::inArena(foreign));
    EXPECT_STREQ(foreign, "made before the switch");
    release(foreign, 48); // under the sanitizer, a free list touching it would be reported
}

} // namespace
