// TCrc and TPseudoString: the two checksums against their published check values and a
// bitwise reference, and packing with foreign or cut packed blocks.

#include "TMemory.h"

#include "KmfData.h"

#include "StreamTestUtil.h"

#include <gtest/gtest.h>

#include <random>
#include <string>

using namespace streamtest;

namespace {

TMemory Block(const Bytes& bytes)
{
    TMemory m;
    m = bytes;
    return m;
}

Bytes BytesOf(const TMemory& m)
{
    Bytes out;
    m.to(out);
    return out;
}

// CRC-32 bit by bit, without a table.
unsigned int BitwiseCrc(const Bytes& data)
{
    unsigned int c = 0xFFFFFFFFu;
    for (Byte b : data) {
        c ^= b;
        for (int k = 0; k < 8; ++k)
            c = (c >> 1) ^ (0xEDB88320u & (0u - (c & 1u)));
    }
    return ~c;
}

// Adler-32 reduced at every byte.
unsigned int PlainAdler(const Bytes& data)
{
    unsigned int a = 1, b = 0;
    for (Byte x : data) {
        a = (a + x) % 65521u;
        b = (b + a) % 65521u;
    }
    return (b << 16) | a;
}

} // namespace

TEST(TCrcTest, ChecksumsMatchCheckValuesAndReferences)
{
    const Bytes digits{'1', '2', '3', '4', '5', '6', '7', '8', '9'};
    TCrc crc;
    EXPECT_EQ(crc.crc32(0, digits.data(), digits.size()), 0xCBF43926u);
    EXPECT_EQ(crc.adler32(1, digits.data(), digits.size()), 0x091E01DEu);
    std::mt19937 rng(7);
    for (std::size_t n : {1u, 5552u, 5553u, 20000u}) {
        SCOPED_TRACE(n);
        Bytes data(n);
        for (Byte& b : data)
            b = static_cast<Byte>(rng() % 2 ? 0xFF : rng()); // runs of 0xFF stress the sums
        EXPECT_EQ(crc.crc32(0, data.data(), n), BitwiseCrc(data));
        EXPECT_EQ(crc.adler32(1, data.data(), n), PlainAdler(data));
        // Continuing over two halves gives the checksum of the whole.
        const std::size_t h = n / 2;
        EXPECT_EQ(crc.crc32(crc.crc32(0, data.data(), h), data.data() + h, n - h), BitwiseCrc(data));
        EXPECT_EQ(crc.adler32(crc.adler32(1, data.data(), h), data.data() + h, n - h), PlainAdler(data));
    }
}

TEST(TPseudoStringTest, PacksAndUnpacksBackAndForeignOrCutBlocksStayInside)
{
    const std::pair<Bytes, Bytes> cases[] = {
        {{}, {0xFF, 0xFF, 0x00}},
        {{0, 0, 0x41, 0x42, 0}, {0xFF, 0xFF, 1, 2, 2, 2, 0x41, 0x42, 1, 1, 0}},
        {Bytes(300, 0), {0xFF, 0xFF, 1, 0xFF, 1, 0x2D, 0}},
        {Bytes(256, 0x5A), Cat(Cat({0xFF, 0xFF, 2, 0xFF}, Bytes(255, 0x5A)), {2, 1, 0x5A, 0})}};
    for (const auto& [source, packed] : cases) {
        SCOPED_TRACE(source.size());
        TPseudoString p;
        p.Get(Block(source));
        EXPECT_EQ(BytesOf(p), packed);
        TMemory back = Block({42});
        p.Set(back);
        EXPECT_EQ(BytesOf(back), source);
    }
    // Foreign or cut packed blocks stay within the block.
    TPseudoString p;
    TMemory target = Block({1, 2});
    p = Bytes{0xFE, 0xFF, 1, 5, 0};
    p.Set(target);
    EXPECT_EQ(BytesOf(target), (Bytes{1, 2})) << "no start block: target unchanged";
    p = Bytes{0xFF, 0xFF, 1, 3, 2, 200, 'a'}; // the data block claims 200 bytes, 1 is there
    p.Set(target);
    EXPECT_EQ(BytesOf(target), (Bytes{0, 0, 0}));
}
