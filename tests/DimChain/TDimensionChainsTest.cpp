// The chain set's byte-vector form: the layout of a new set, round trips of several chains,
// and damaged vectors, which leave the set as it was.

#include "TDimensionChains.h"

#include <cstring>

#include <gtest/gtest.h>

#include "FacadeChainHost.h"
#include "KmfData.h"

namespace {

using TBytes = std::vector<Byte>;

template <class T> T At(const TBytes& bytes, std::size_t offset)
{
    T v{};
    std::memcpy(&v, bytes.data() + offset, sizeof v);
    return v;
}

TDimension Link(Real x, Real hi, const char* note)
{
    TDimension L;
    L.Type = tvapi::tvDrLDimension;
    L.refObject = static_cast<Reference>(x);
    L.V2 = TVector2D(x, 0.0);
    L.Nominal = x;
    L.QHigh = hi;
    L.QLow = -hi;
    L.Qualitet = "h7";
    L.Comment = note;
    return L;
}

// Three chains: closed with a statistical method, open, and empty.
void ThreeChains(TDimensionChains& S)
{
    S.AttrType = 3.0;
    S.DimChains.Resize(3);
    TDimensionChain& a = S.DimChains[0];
    a.Dimensions.Add(Link(40, 0.1, "a"));
    a.Dimensions.Add(Link(10, 0.05, ""));
    a.Dimensions.Add(Link(30, 0.0, "замыкающее"));
    a.TakeLoop(a.Loop());
    a.MethodCalculating = mcSimpsonDistribution;
    a.Lambda = 0.3;
    a.RiskFactor = 2.6;
    S.DimChains[1].Dimensions.Add(Link(5, 0.2, "b"));
}

TEST(TDimensionChainsTest, NewSetIsOneEmptyChainIn325Bytes)
{
    TDimensionChains S;
    TBytes bytes{1, 2, 3};
    S.to(bytes);
    ASSERT_EQ(bytes.size(), 325u);
    EXPECT_EQ(At<std::int32_t>(bytes, 0), TKmfData::HeadKmf);
    EXPECT_EQ(At<std::int32_t>(bytes, 4), 97);
    EXPECT_EQ(At<double>(bytes, 256), 0.0);
    EXPECT_EQ(At<std::int32_t>(bytes, 264), 1);
    const std::int32_t counters[] = {5, 1, 1, 0, 64, 64, 0, 0}; // the set's array, the chain's links
    for (int i = 0; i < 8; ++i)
        EXPECT_EQ(At<std::int32_t>(bytes, 268 + 4 * i), counters[i]) << i;
    EXPECT_EQ(bytes[300], 0);                   // not closed
    EXPECT_EQ(At<std::int32_t>(bytes, 301), 0); // sign mask
    EXPECT_EQ(At<std::int32_t>(bytes, 305), 0); // method
    EXPECT_EQ(At<double>(bytes, 309), 1.0);     // Lambda
    EXPECT_EQ(At<double>(bytes, 317), 1.0);     // risk factor

    TDimensionChains T;
    T.AttrType = 9.0;
    T.DimChains.Resize(2);
    ASSERT_TRUE(T.from(bytes));
    EXPECT_EQ(T.AttrType, 0.0);
    ASSERT_EQ(T.DimChains.Count, 1);
    EXPECT_EQ(T.DimChains[0].Count(), 0);
    EXPECT_FALSE(T.DimChains[0].Closed);

    // An empty vector changes nothing, a non-zero key included.
    T.AttrType = 9.0;
    EXPECT_TRUE(T.from({}));
    EXPECT_EQ(T.AttrType, 9.0);

    // A set read with no chains counts its first chain again when checked for changes.
    T.DimChains.Resize(0);
    T.FollowOpening(FacadeChainHost(), nullptr);
    EXPECT_EQ(T.DimChains.Count, 1);
}

TEST(TDimensionChainsTest, ThreeChainsRoundTripEqual)
{
    TDimensionChains S;
    ThreeChains(S);
    ASSERT_TRUE(S.DimChains[0].Closed);
    TBytes bytes;
    S.to(bytes);
    TDimensionChains T;
    ASSERT_TRUE(T.from(bytes));
    EXPECT_EQ(T.AttrType, 3.0);
    ASSERT_EQ(T.DimChains.Count, 3);
    const TDimensionChain &a = S.DimChains[0], &b = T.DimChains[0];
    ASSERT_EQ(b.Count(), 3);
    for (int i = 0; i < 3; ++i) {
        EXPECT_TRUE(b.Dimensions[i] == a.Dimensions[i]);
        EXPECT_EQ(b.Dimensions[i].Comment, a.Dimensions[i].Comment);
    }
    EXPECT_TRUE(b.Closed);
    EXPECT_EQ(b.StateClosed, a.StateClosed);
    EXPECT_EQ(T.DimChains[1].Count(), 1);
    TBytes again; // what is read writes the same bytes, method, Lambda and risk included
    T.to(again);
    EXPECT_EQ(again, bytes);

    // A chain longer than the closure search takes never comes back closed.
    TDimensionChain& longer = S.DimChains[2];
    for (int i = 0; i <= TDimensionChain::MaxLinks; ++i)
        longer.Dimensions.Add(Link(1, 0.0, ""));
    longer.Closed = true;
    S.to(bytes);
    ASSERT_TRUE(T.from(bytes));
    EXPECT_EQ(T.DimChains[2].Count(), TDimensionChain::MaxLinks + 1);
    EXPECT_FALSE(T.DimChains[2].Closed);
}

// Each damage is found before anything of the set changes, and nothing is allocated for it.
TEST(TDimensionChainsTest, DamagedVectorsLeaveTheSetAsItWas)
{
    TDimensionChains S;
    ThreeChains(S);
    TBytes good;
    S.to(good);
    const std::size_t linkCount = 284 + 8; // chain 0's link count
    struct TCase {
        const char* Name;
        // Where an int32 is replaced; 0 cuts (or pads) the vector to Value bytes, 1 flips the
        // first byte, 2 clears the stream's mark.
        std::size_t Offset;
        std::int32_t Value;
    };
    const TCase cases[] = {
        {"NegativeChainCount", 264, -1},
        {"ChainCountPastTheBytes", 264, 100},
        {"CountsDisagree", 264, 2},
        {"NegativeArrayCount", 276, -3},
        {"LinkCountPastTheBytes", linkCount, 5},
        {"NegativeLinkCount", linkCount, -1},
        {"CutInsideALink", 0, 600},
        {"CutInsideTheLastChain", 0, static_cast<std::int32_t>(good.size()) - 3},
        {"ByteAfterTheLastChain", 0, static_cast<std::int32_t>(good.size()) + 1},
        // Its mark damaged, the set would read as an old one without a header.
        {"FirstByteFlipped", 1, 0},
        {"MarkZeroed", 2, 0},
    };
    for (const TCase& t : cases) {
        SCOPED_TRACE(t.Name);
        TBytes bad = good;
        if (t.Offset == 0)
            bad.resize(static_cast<std::size_t>(t.Value));
        else if (t.Offset == 1)
            bad[0] ^= 0xFF;
        else if (t.Offset == 2)
            std::memset(bad.data(), 0, 4);
        else
            std::memcpy(bad.data() + t.Offset, &t.Value, sizeof t.Value);
        TDimensionChains T;
        EXPECT_FALSE(T.from(bad));
        EXPECT_EQ(T.DimChains.Count, 1);
        EXPECT_EQ(T.DimChains.Size(), TDimensionChains::ChainRoom);
        EXPECT_EQ(T.DimChains[0].Count(), 0);
        EXPECT_EQ(T.AttrType, 0.0);
    }
}

} // namespace
