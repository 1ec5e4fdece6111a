#pragma once
// TDetailCode: the 32-bit code that ties dimension records and drawings to one detail,
// read as one unsigned number or as its fields: detail code, copy and variant suffix.

#include "BaseTypes.h"

union TDetailCode {
    UInteger Code;
    struct {
        UInteger fSuffics : 8; // variant suffix of the detail number, low byte
        UInteger fCopy : 8;    // copy
        UInteger fDC : 16;     // detail code, upper half
    };

    constexpr TDetailCode(UInteger iCode = 0) noexcept : Code(iCode) {}
    // The code of detail iDC with copy iCopy and suffix iSuffics; each field keeps its low bits.
    constexpr TDetailCode(UInteger iDC, UInteger iCopy, UInteger iSuffics) noexcept
        : Code(((iDC & 0xFFFFu) << 16) | ((iCopy & 0xFFu) << 8) | (iSuffics & 0xFFu))
    {
    }

    constexpr operator UInteger() const noexcept { return Code; }
    constexpr bool operator==(const TDetailCode& D) const noexcept { return Code == D.Code; }
};

static_assert(sizeof(TDetailCode) == 4, "a detail code is stored as 4 bytes");
