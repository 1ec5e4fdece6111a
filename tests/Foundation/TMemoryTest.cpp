// TMemory, TCrc and TPseudoString: block rules, stream and file forms, the byte dump, the two
// checksums against their published check values and a bitwise reference, and packing.

#include "TMemory.h"

#include "KmfData.h"

#include "StreamTestUtil.h"

#include <gtest/gtest.h>

#include <filesystem>
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

TEST(TMemoryTest, BlockRulesAndComparison)
{
    Byte outside[3] = {1, 2, 3};
    TMemory borrowed;
    borrowed.Attach(outside, 3);
    borrowed.New(3);
    EXPECT_EQ(borrowed.Pointer, outside) << "New of the same size keeps the block";
    borrowed.New(4);
    EXPECT_FALSE(borrowed.Attached);
    TMemory a, b;
    a.Attach(outside, 0);
    EXPECT_TRUE(a == b) << "two empty blocks are equal whatever their pointers";
    EXPECT_FALSE(Block({1, 2}) == Block({1, 2, 0}));
}

TEST(TMemoryTest, StreamAndFileFormsRoundTrip)
{
    TKmfData w;
    Block({0xAA, 0, 0xBB}).toStream(w);
    TMemory().toStream(w);
    Bytes data = DataOf(w);
    EXPECT_EQ(data, (Bytes{3, 0, 0, 0, 0xAA, 0, 0xBB, 0, 0, 0, 0}));
    TKmfData r;
    Load(r, data);
    TMemory m = Block({1});
    m.fromStream(r);
    EXPECT_EQ(BytesOf(m), (Bytes{0xAA, 0, 0xBB}));
    m.fromStream(r);
    EXPECT_EQ(m.Pointer, nullptr);
    data.resize(5);  // the block loses its last two bytes
    TKmfData cut;
    Load(cut, data);
    m.fromStream(cut);
    EXPECT_EQ(m.Size, 0);
    EXPECT_TRUE(cut.ErrorReadFromFileToBufer);

    const std::string path = TempPath("block.bin");
    m = Block({5, 0, 6, 255});
    m.toFile(TString(path.c_str()));
    m.toFile(TString(path.c_str()));  // replaces, not appends
    EXPECT_EQ(FileBytes(path), (Bytes{5, 0, 6, 255}));
    TMemory back;
    back.fromFile(TString(path.c_str()));
    EXPECT_TRUE(back == m);

    const std::string three = TempPath("three.txt");
    Block({1, 2, 255}).toTextFile(TString(three.c_str()));
    const Bytes dump = FileBytes(three);
    EXPECT_EQ(std::string(dump.begin(), dump.end()), "// Bytes 3\r\n = {\r\n  001,  002,  255,   }; \r\n");
}

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
            b = static_cast<Byte>(rng() % 2 ? 0xFF : rng());  // runs of 0xFF stress the sums
        EXPECT_EQ(crc.crc32(0, data.data(), n), BitwiseCrc(data));
        EXPECT_EQ(crc.adler32(1, data.data(), n), PlainAdler(data));
        // Continuing over two halves gives the checksum of the whole.
        const std::size_t h = n / 2;
        EXPECT_EQ(crc.crc32(crc.crc32(0, data.data(), h), data.data() + h, n - h), BitwiseCrc(data));
        EXPECT_EQ(crc.adler32(crc.adler32(1, data.data(), h), data.data() + h, n - h), PlainAdler(data));
    }
}

TEST(TPseudoStringTest, PacksAndUnpacksBack)
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
}

TEST(TPseudoStringTest, ForeignOrCutBlocksStayWithinTheBlock)
{
    TPseudoString p;
    TMemory target = Block({1, 2});
    p = Bytes{0xFE, 0xFF, 1, 5, 0};
    p.Set(target);
    EXPECT_EQ(BytesOf(target), (Bytes{1, 2})) << "no start block: target unchanged";
    p = Bytes{0xFF, 0xFF, 1, 3, 2, 200, 'a'};  // the data block claims 200 bytes, 1 is there
    p.Set(target);
    EXPECT_EQ(BytesOf(target), (Bytes{0, 0, 0}));
    std::mt19937 rng(3);
    for (int i = 0; i < 2000; ++i) {
        Bytes junk(2 + rng() % 40);
        for (Byte& b : junk)
            b = static_cast<Byte>(rng() % 4 == 0 ? rng() % 3 : rng());
        junk[0] = junk[1] = 0xFF;
        p = junk;
        p.Set(target);
        ASSERT_LE(target.Size, 255 * int(junk.size()));
    }
}
