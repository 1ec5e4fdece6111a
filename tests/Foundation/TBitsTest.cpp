#include "TBits.h"

#include <gtest/gtest.h>

#include <array>
#include <random>

namespace {

using Bytes = std::array<Byte, 4>;

TEST(TBitsTest, GetAndSetAddressBitsFromTheLowEnd)
{
    Bytes b{0x00, 0x02, 0x00, 0x00};
    EXPECT_TRUE(TBits::Get(b.data(), 9));
    EXPECT_FALSE(TBits::Get(b.data(), 8));
    TBits::Set(b.data(), 0, 7); // any non-zero state sets
    TBits::Set(b.data(), 9, 0);
    EXPECT_EQ(b[0], 0x01);
    EXPECT_EQ(b[1], 0x00);
}

TEST(TBitsTest, CopyAdvancesTheSourcePositionByTheCount)
{
    const Bytes source{0xA5, 0x03, 0x00, 0x00};
    Bytes target{};
    Integer pos = 2;
    TBits::Copy(target.data(), 0, source.data(), pos, 0);
    EXPECT_EQ(pos, 2);
    TBits::Copy(target.data(), 3, source.data(), pos, 10);
    EXPECT_EQ(pos, 12);
    for (Integer k = 0; k < 10; ++k) {
        SCOPED_TRACE(k);
        EXPECT_EQ(TBits::Get(target.data(), 3 + k), TBits::Get(source.data(), 2 + k));
    }
    EXPECT_FALSE(TBits::Get(target.data(), 13));
}

TEST(TBitsTest, EquSeesTheLastComparedBitAndXorStopsAtItsCount)
{
    const Bytes a{0xFF, 0x0F, 0, 0};
    const Bytes b{0xFF, 0x07, 0, 0};
    EXPECT_TRUE(TBits::Equ(a.data(), 0, b.data(), 0, 11));
    EXPECT_FALSE(TBits::Equ(a.data(), 0, b.data(), 0, 12));
    EXPECT_TRUE(TBits::Equ(a.data(), 5, b.data(), 0, 0));
    // Xor of twelve bits leaves the high nibble of the second byte.
    Bytes x{0x00, 0xB0, 0x5A, 0};
    TBits::Xor(Bytes{0xF0, 0xFF, 0xFF, 0}.data(), Bytes{0x0F, 0x0A, 0xFF, 0}.data(), x.data(), 12);
    EXPECT_EQ(x[0], 0xFF);
    EXPECT_EQ(x[1], 0xB5);
    EXPECT_EQ(x[2], 0x5A);
}

TEST(TBitsTest, RotLeftMovesBitZeroToTheTopAndKeepsEveryBit)
{
    Bytes b{0x01, 0x00, 0xEE, 0xEE};
    TBits::Rot_Left(b.data(), 11, 1);
    EXPECT_EQ(b[0], 0x00);
    EXPECT_EQ(b[1], 0x04); // bit 10
    EXPECT_EQ(b[2], 0xEE); // nothing beyond the array's last byte
    TBits::Rot_Left(b.data(), 11, 0);
    EXPECT_EQ(b[1], 0x04);
}

TEST(TBitsTest, RotLeftOfRandomArraysMatchesAnIndexShift)
{
    std::mt19937 rng(21);
    for (int trial = 0; trial < 200; ++trial) {
        const Integer size = 1 + static_cast<Integer>(rng() % 29);
        const Integer count = static_cast<Integer>(rng() % 40);
        Bytes b{};
        for (Byte& x : b)
            x = static_cast<Byte>(rng());
        const Bytes before = b;
        TBits::Rot_Left(b.data(), size, count);
        SCOPED_TRACE(testing::Message() << "size " << size << " count " << count);
        for (Integer p = 0; p < size; ++p)
            ASSERT_EQ(TBits::Get(b.data(), p), TBits::Get(before.data(), (p + count) % size));
        for (Integer p = size; p < 32; ++p)
            ASSERT_EQ(TBits::Get(b.data(), p), TBits::Get(before.data(), p));
    }
}

} // namespace
