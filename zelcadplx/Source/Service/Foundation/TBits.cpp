#include "TBits.h"

bool TBits::Get(const Byte* bits, Integer Position)
{
    return (bits[Position / 8] >> (Position % 8)) & 1;
}

void TBits::Set(Byte* bits, Integer Position, Byte State)
{
    const Byte mask = static_cast<Byte>(1u << (Position % 8));
    if (State)
        bits[Position / 8] |= mask;
    else
        bits[Position / 8] &= static_cast<Byte>(~mask);
}

void TBits::Copy(Byte* Target, Integer TPos, const Byte* Source, Integer& SPos, Integer Count)
{
    for (Integer k = 0; k < Count; ++k, ++SPos)
        Set(Target, TPos + k, Get(Source, SPos));
}

bool TBits::Equ(const Byte* S1, Integer P1, const Byte* S2, Integer P2, Integer Count)
{
    for (Integer k = 0; k < Count; ++k)
        if (Get(S1, P1 + k) != Get(S2, P2 + k)) return false;
    return true;
}

void TBits::Xor(const Byte* bits1, const Byte* bits2, Byte* bitsx, Integer size)
{
    for (Integer p = 0; p < size; ++p)
        Set(bitsx, p, Get(bits1, p) != Get(bits2, p));
}

void TBits::Rot_Left(Byte* bits, Integer size, Integer count)
{
    if (size <= 0 || count < 1) return;
    // A full turn changes nothing, so only the remainder is walked.
    for (Integer step = count % size; step > 0; --step) {
        const bool first = Get(bits, 0);
        for (Integer p = 0; p + 1 < size; ++p)
            Set(bits, p, Get(bits, p + 1));
        Set(bits, size - 1, first);
    }
}
