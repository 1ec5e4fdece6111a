#pragma once
// Stream form of TArrayOf: a record of FSize, FCapacity, Count and Current (the cursor from
// version 31 on), then the elements, each in its own stream form. Included by TArray.h.

#include "KmfData.h"
#include "TArray.h"

#include <algorithm>
#include <cstdint>
#include <type_traits>

namespace ArrayStream {

constexpr Integer CursorVersion = 31;     // streams before it carry no Current
constexpr UInteger MaxStoredStep = 10240; // a larger stored step is taken as damaged
constexpr Integer DamagedStepReplacement = 32;
constexpr UInteger StringMinBytes = 5; // length and terminator of the empty text

// Fewest bytes one element takes in a stream of the given version: what a stored count is
// weighed against. A record type may state its own through a static StreamMinBytesFor(version)
// or StreamMinBytes.
template <class T> constexpr std::int64_t MinBytes(Integer version = 0)
{
    if constexpr (requires { T::StreamMinBytesFor(version); })
        return T::StreamMinBytesFor(version);
    else if constexpr (requires { T::StreamMinBytes; })
        return T::StreamMinBytes;
    else if constexpr (std::is_same_v<T, TString>)
        return StringMinBytes;
    else if constexpr (std::is_arithmetic_v<T> || std::is_enum_v<T>)
        return sizeof(T);
    else
        return 1;
}

// Elements whose stream form is their own bytes, so that a run of them is the array's memory.
template <class T>
constexpr bool RawElement = (std::is_arithmetic_v<T> && !std::is_same_v<T, bool>) || std::is_enum_v<T>;

// The bytes of n raw elements when one block copy can move them, else 0 (the element loop then).
template <class T> unsigned int RawBytes(Integer n)
{
    const std::uint64_t bytes = std::uint64_t(std::max(n, 0)) * sizeof(T);
    return RawElement<T> && bytes <= 0x7FFFFFFFu ? static_cast<unsigned int>(bytes) : 0u;
}

template <class T> void WriteElement(TKmfData& stream, const T& v)
{
    if constexpr (requires { v.toStream(stream); })
        v.toStream(stream);
    else if constexpr (std::is_same_v<T, bool>)
        stream << v;
    else if constexpr (std::is_arithmetic_v<T> || std::is_enum_v<T>)
        stream.BlockWrite(&v, sizeof v);
    else
        stream << v;
}

template <class T> void ReadElement(TKmfData& stream, T& v)
{
    if constexpr (requires { v.fromStream(stream); })
        v.fromStream(stream);
    else if constexpr (std::is_same_v<T, bool>)
        v = stream.ReadBoolean();
    else if constexpr (std::is_arithmetic_v<T> || std::is_enum_v<T>)
        stream.BlockRead(&v, sizeof v);
    else
        stream >> v;
}

} // namespace ArrayStream

template <class TElement> void TArrayOf<TElement>::WriteRecord(TKmfData& stream) const
{
    stream << FSize << FCapacity << Count << Current;
    if (Count < 0 || Count > FSize || FCapacity < 0)
        StreamErrorBox(TString("ZelMould::  Ошибка масива при записи потока"));
}

// Reads the record's four fields and makes room for the elements. Returns the number of
// elements that follow, or -1 when there are none to read (Count is then 0).
template <class TElement> Integer TArrayOf<TElement>::ReadRecord(TKmfData& stream, std::int64_t minBytes)
{
    const Integer stored = stream.ReadInteger();
    Count = 0;
    const Integer step = stream.ReadInteger();
    const Integer count = stream.ReadInteger();
    Current = stream.Version() < ArrayStream::CursorVersion ? 0 : stream.ReadInteger();
    if (count < 0 || count > std::max(FSize, stored)) {
        StreamErrorBox(TString("ZelMould::  Ошибка чтения потока"));
        stream.ErrorReadFromFileToBufer = true; // what follows cannot be read in step
        return -1;
    }
    // Nothing is allocated for more elements than the bytes left can hold; the stored size
    // only makes room, and is taken only where the data could fill it.
    if (!stream.CheckCount(count, minBytes)) return -1;
    const std::int64_t left = stream.BytesLeft();
    const Integer room = std::int64_t(stored) * minBytes <= left ? std::max(stored, count) : count;
    FCapacity = 0; // grow to exactly the room asked for
    if (FArray == nullptr || FSize < room) SetSize(room, false);
    FCapacity =
        static_cast<UInteger>(step) > ArrayStream::MaxStoredStep ? ArrayStream::DamagedStepReplacement : step;
    return count;
}

template <class TElement> void TArrayOf<TElement>::toStream(TKmfData& stream) const
{
    WriteRecord(stream);
    if (Count < 0 || Count > FSize) return;
    // Numbers go in one bounded copy: the same bytes as one value after the other.
    if (const unsigned int raw = ArrayStream::RawBytes<TElement>(Count); raw > 0) {
        stream.BlockWrite(FArray, raw);
        return;
    }
    for (Integer i = 0; i < Count; ++i)
        ArrayStream::WriteElement(stream, FArray[i]);
}

template <class TElement> void TArrayOf<TElement>::fromStream(TKmfData& stream)
{
    const Integer count = ReadRecord(stream, ArrayStream::MinBytes<TElement>(stream.Version()));
    // A stream that ends or fails among the elements leaves the array empty. The record's count
    // has been weighed against the bytes left, so numbers can come in one bounded copy.
    if (const unsigned int raw = ArrayStream::RawBytes<TElement>(count); raw > 0) {
        if (stream.EndOfFile()) return;
        stream.BlockRead(FArray, raw);
        if (!stream.ErrorReadFromFileToBufer) Count = count;
        return;
    }
    for (Integer i = 0; i < count; ++i) {
        if (stream.EndOfFile()) return;
        ArrayStream::ReadElement(stream, FArray[i]);
        if (stream.ErrorReadFromFileToBufer) return;
    }
    Count = std::max(count, 0);
}

template <class TElement> void TArrayOf<TElement>::toStream2(TKmfData& stream) const
{
    static_assert(sizeof(TElement) == 4, "the raw form is for 4-byte elements");
    WriteRecord(stream);
    if (Count > 0 && Count <= FSize) stream.BlockWrite(FArray, static_cast<unsigned int>(Count) * 4u);
}

template <class TElement> void TArrayOf<TElement>::fromStream2(TKmfData& stream)
{
    static_assert(sizeof(TElement) == 4, "the raw form is for 4-byte elements");
    const Integer count = ReadRecord(stream, 4);
    if (count <= 0 || stream.EndOfFile()) return;
    stream.BlockRead(FArray, static_cast<unsigned int>(count) * 4u);
    if (!stream.ErrorReadFromFileToBufer) Count = count;
}
