// Stored chain sets as a document may hold them after damage: random, mutated and truncated
// "DimChains" vectors. None may crash, none may make the set allocate more chains or links than
// its bytes can hold, and loading them from a document never writes anything back.

#include "TDimensionChains.h"

#include <algorithm>
#include <cstring>
#include <random>

#include <gtest/gtest.h>

#include "ChainSetFixture.h"

namespace {

using TBytes = std::vector<Byte>;

constexpr int Vectors = 100000;
constexpr int ThroughTheDocument = 300; // of them, also loaded from a drawing

// A valid set to mutate: three chains with texts, one of them closed.
TBytes ValidSet()
{
    TDimensionChains S;
    S.AttrType = 2.0;
    S.DimChains.Count = 3;
    for (int c = 0; c < 3; ++c)
        for (int i = 0; i <= c; ++i) {
            TDimension& L = S.DimChains[c].Dimensions.Add();
            L.Type = tvapi::tvDrLDimension;
            L.refObject = c * 10 + i + 1;
            L.V2 = TVector2D(10.0 * (i + 1), 0.0);
            L.Comment = "note";
            L.Qualitet = "H7";
        }
    S.DimChains[1].IsClosed();
    TBytes bytes;
    S.to(bytes);
    return bytes;
}

class TVectorMaker {
public:
    explicit TVectorMaker(TBytes valid) : FValid(std::move(valid)) {}

    TBytes Next(int i)
    {
        switch (i % 4) {
        case 0:
            return Random();
        case 1:
            return Mutated();
        case 2:
            return Counts();
        default:
            return Truncated();
        }
    }

private:
    int Pick(int n) { return std::uniform_int_distribution<int>(0, n - 1)(FRandom); }

    TBytes Random()
    {
        TBytes v(static_cast<std::size_t>(Pick(2 * static_cast<int>(FValid.size()))));
        for (Byte& b : v)
            b = static_cast<Byte>(Pick(256));
        // Half of them carry a valid header, so their data is read as this version's.
        if (v.size() >= 256 && Pick(2)) std::copy(FValid.begin(), FValid.begin() + 256, v.begin());
        return v;
    }
    TBytes Mutated()
    {
        TBytes v = FValid;
        for (int k = 1 + Pick(8); k > 0; --k)
            v[static_cast<std::size_t>(256 + Pick(static_cast<int>(v.size()) - 256))] =
                static_cast<Byte>(Pick(256));
        return v;
    }
    // A counter or length replaced by an extreme value.
    TBytes Counts()
    {
        static const std::int32_t extremes[] = {-1, -2147483647 - 1, 2147483647, 65536, 1000, 6, 2};
        TBytes v = FValid;
        const std::size_t at =
            256 + 4 * static_cast<std::size_t>(Pick((static_cast<int>(v.size()) - 260) / 4));
        const std::int32_t value = extremes[Pick(7)];
        std::copy_n(reinterpret_cast<const Byte*>(&value), 4, v.begin() + static_cast<std::ptrdiff_t>(at));
        return v;
    }
    TBytes Truncated()
    {
        TBytes v = FValid;
        v.resize(static_cast<std::size_t>(Pick(static_cast<int>(v.size()))));
        return v;
    }

    TBytes FValid;
    std::mt19937 FRandom{20261206};
};

// What the bytes can hold: an empty chain takes 37 bytes, a link 208 (older streams).
void ExpectWithinTheBytes(const TDimensionChains& S, std::size_t bytes)
{
    const Integer chains = static_cast<Integer>(bytes / 37);
    const Integer links = static_cast<Integer>(bytes / 208);
    ASSERT_LE(S.DimChains.Size(), std::max(TDimensionChains::ChainRoom, chains));
    ASSERT_GE(S.DimChains.Count, 0);
    ASSERT_LE(S.DimChains.Count, S.DimChains.Size());
    for (const TDimensionChain& c : S.DimChains) {
        ASSERT_LE(c.Dimensions.Size(), std::max(TDimensionChain::LinkRoom, links));
        ASSERT_LE(c.Count(), c.Dimensions.Size());
    }
}

class TDimensionChainsFuzzTest : public TChainSetFixture {};

} // namespace

TEST_F(TDimensionChainsFuzzTest, DamagedVectorsNeitherCrashNorOverAllocateNorStoreBack)
{
    TVectorMaker maker(ValidSet());
    int read = 0;
    TDimensionChains S; // one set takes every vector: a damaged one leaves it as it was
    for (int i = 0; i < Vectors; ++i) {
        const TBytes v = maker.Next(i);
        const Integer before = S.DimChains.Count;
        const Real key = S.AttrType;
        if (S.from(v)) {
            ++read;
            ASSERT_NO_FATAL_FAILURE(ExpectWithinTheBytes(S, v.size())) << "vector " << i;
        } else {
            ASSERT_EQ(S.DimChains.Count, before) << "vector " << i;
            ASSERT_EQ(std::memcmp(&S.AttrType, &key, sizeof key), 0) << "vector " << i;
        }
        if (i >= ThroughTheDocument || v.empty()) continue;
        // No link finds a marked object here: loading removes them all and stores nothing.
        ASSERT_TRUE(drApi::MA.drSetUserData(R().IDoc, TString("DimChains"), v, false, {}));
        Journal().Clear();
        TDimensionChains T;
        T.LoadfromUserStorage();
        ASSERT_EQ(Writes(), 0u) << "vector " << i;
    }
    // The mutations keep a fair share readable, so the readers are exercised past the counts.
    EXPECT_GT(read, Vectors / 8);
}
