#pragma once
// Test helpers for the geometry stream forms: the data bytes a writer produced (the 256-byte
// stream header cut off), the doubles they hold, and a stream to read them back from.

#include "KmfData.h"

#include <cstring>
#include <functional>
#include <vector>

namespace geomtest {

// Runs write on a fresh memory stream and returns the data bytes after the header.
inline std::vector<Byte> DataBytes(const std::function<void(TKmfData&)>& write)
{
    TKmfData s;
    write(s);
    std::vector<Byte> all;
    s.to(all);
    return std::vector<Byte>(all.begin() + TKmfData::SizeHeader, all.end());
}

// The doubles stored raw in the bytes, in order.
inline std::vector<double> Doubles(const std::vector<Byte>& bytes)
{
    std::vector<double> d(bytes.size() / sizeof(double));
    std::memcpy(d.data(), bytes.data(), d.size() * sizeof(double));
    return d;
}

// Writes with write, then reads back with read from a stream built from the blob.
inline void RoundTrip(const std::function<void(TKmfData&)>& write, const std::function<void(TKmfData&)>& read)
{
    TKmfData out;
    write(out);
    std::vector<Byte> blob;
    out.to(blob);
    TKmfData in;
    in.from(blob);
    read(in);
}

// Bit-exact equality of two doubles (also for NaN payloads and signed zeros).
inline bool SameBits(double a, double b) { return std::memcmp(&a, &b, sizeof a) == 0; }

} // namespace geomtest
