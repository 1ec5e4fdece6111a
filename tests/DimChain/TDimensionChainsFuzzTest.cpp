// Stored chain sets as a damaged document may hold them: random, mutated and truncated
// "DimChains" vectors. None may crash, make the set hold more chains or links than its bytes
// can back, or change a set it fails to read; loaded from a drawing, none is stored back.

#include "TDimensionChains.h"

#include <algorithm>
#include <random>

#include <gtest/gtest.h>

#include "ChainSetFixture.h"

namespace {

using TBytes = std::vector<Byte>;

constexpr int Vectors = 100000;
constexpr int ThroughTheDocument = 300;

// Three chains with texts, one closed.
TBytes ValidSet()
{
    TDimensionChains S;
    S.DimChains.Resize(3);
    for (int c = 0; c < 3; ++c)
        for (int i = 0; i <= c; ++i) {
            TDimension& L = S.DimChains[c].Dimensions.Add();
            L.V2 = TVector2D(10.0 * (i + 1), 0.0);
            L.Comment = "note";
        }
    S.DimChains[1].TakeLoop(S.DimChains[1].Loop());
    TBytes bytes;
    S.to(bytes);
    return bytes;
}

// Vector i: random bytes (half behind a valid header), a few bytes changed, a 32-bit field set
// to an extreme value, or the valid set cut short.
TBytes Damaged(const TBytes& valid, int i, std::mt19937& random)
{
    auto pick = [&](std::size_t n) { return std::uniform_int_distribution<std::size_t>(0, n - 1)(random); };
    TBytes v = valid;
    switch (i % 4) {
    case 0:
        v.resize(pick(2 * valid.size()));
        for (std::size_t k = v.size() >= 256 && pick(2) ? 256 : 0; k < v.size(); ++k)
            v[k] = static_cast<Byte>(pick(256));
        break;
    case 1:
        for (std::size_t k = 1 + pick(8); k > 0; --k)
            v[256 + pick(v.size() - 256)] = static_cast<Byte>(pick(256));
        break;
    case 2: {
        static const std::int32_t extremes[] = {-1, -2147483647 - 1, 2147483647, 65536, 1000, 6, 2};
        std::copy_n(reinterpret_cast<const Byte*>(&extremes[pick(7)]), 4, v.begin() + 256 + 4 * pick(260));
        break;
    }
    default:
        v.resize(pick(v.size()));
    }
    return v;
}

// An empty chain takes at least 37 bytes, a link 208 (in the oldest streams).
void ExpectWithinTheBytes(const TDimensionChains& S, std::size_t bytes)
{
    ASSERT_LE(S.DimChains.Size(), std::max<Integer>(TDimensionChains::ChainRoom, Integer(bytes / 37)));
    ASSERT_LE(S.DimChains.Count, S.DimChains.Size());
    for (const TDimensionChain& c : S.DimChains) {
        ASSERT_LE(c.Dimensions.Size(), std::max<Integer>(TDimensionChain::LinkRoom, Integer(bytes / 208)));
        ASSERT_LE(c.Count(), c.Dimensions.Size());
    }
}

class TDimensionChainsFuzzTest : public TChainSetFixture {};

} // namespace

TEST_F(TDimensionChainsFuzzTest, DamagedVectorsNeitherCrashNorOverAllocateNorStoreBack)
{
    const TBytes valid = ValidSet();
    ASSERT_GE(valid.size(), 256u + 4 * 260 + 4);
    std::mt19937 random(20261206);
    int read = 0;
    TDimensionChains S;
    TBytes before;
    S.to(before);
    for (int i = 0; i < Vectors; ++i) {
        const TBytes v = Damaged(valid, i, random);
        if (S.from(v)) {
            ++read;
            ASSERT_NO_FATAL_FAILURE(ExpectWithinTheBytes(S, v.size())) << "vector " << i;
            S.to(before);
        } else {
            TBytes after;
            S.to(after);
            ASSERT_EQ(after, before) << "vector " << i;
        }
        if (i >= ThroughTheDocument || v.empty()) continue;
        ASSERT_TRUE(drApi::MA.drSetUserData(R().IDoc, TString("DimChains"), v, false, {}));
        Journal().Clear();
        TDimensionChains T;
        T.LoadfromUserStorage(); // no link finds a marked object: all are removed, none stored
        ASSERT_EQ(Writes(), 0u) << "vector " << i;
    }
    EXPECT_GT(read, Vectors / 8); // enough are read through to their links
}
