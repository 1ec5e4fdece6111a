#pragma once
// TBits: operations on bit arrays packed into bytes. Bit p lives in byte p / 8 at bit p % 8,
// counted from the least significant bit. The caller's buffers hold every position touched.

#include "BaseTypes.h"

class TBits {
public:
    static bool Get(const Byte* bits, Integer Position);
    // Any non-zero State sets the bit.
    static void Set(Byte* bits, Integer Position, Byte State);
    // Count bits of Source from SPos go to Target from TPos; SPos ends behind the copied bits.
    static void Copy(Byte* Target, Integer TPos, const Byte* Source, Integer& SPos, Integer Count);
    // The Count bits from P1 and P2 are equal; true for Count below 1.
    static bool Equ(const Byte* S1, Integer P1, const Byte* S2, Integer P2, Integer Count);
    // Bits 0 .. size - 1 of bitsx become bits1 ^ bits2; the bits above stay as they were.
    static void Xor(const Byte* bits1, const Byte* bits2, Byte* bitsx, Integer size);
    // count steps, each moving bit 0 to size - 1 and every other bit down by one position.
    // Only bytes 0 .. (size - 1) / 8 are touched.
    static void Rot_Left(Byte* bits, Integer size, Integer count);
};
