#pragma once
// Scalar aliases shared by every record of the library: fixed widths matter because
// records are written field by field into byte streams.

#include <cstdint>

using TChar = char;        // one 8-bit character of the Windows-1251 text
using TWideChar = wchar_t; // one wide character as the host takes it (32-bit here)
using PWideChar = wchar_t*;
using Byte = std::uint8_t;
using Integer = std::int32_t;
using UInteger = std::uint32_t;
using Real = double;
using Boolean = bool;

static_assert(sizeof(TWideChar) == 4, "wide texts are exchanged as 32-bit code points");
