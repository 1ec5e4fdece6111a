#pragma once
// Test helpers for the geometry tests: matrix, vector and text builders, the data bytes a writer
// produced (the 256-byte stream header cut off), the doubles they hold, and a check of a value's
// whole stream form.

#include "KmfData.h"
#include "MathMatrix.h"
#include "StreamTestUtil.h"

#include <gtest/gtest.h>

#include <cstring>
#include <functional>
#include <string>
#include <vector>

namespace geomtest {

// An m x n matrix of the kind, zero outside the listed values (row by row).
inline TMathMatrix Make(TSize m, TSize n, std::initializer_list<double> values,
                        TMathMatrix::MathMatrixType t = TMathMatrix::mt_GENERAL)
{
    TMathMatrix A(m, n, t);
    A.SetZero();
    A = values;
    return A;
}

inline TMathVector Vec(std::initializer_list<double> l)
{
    TMathVector v(TSize(l.size()), 0.0);
    v = l;
    return v;
}

using streamtest::Text;

// Runs write on a fresh memory stream and returns the data bytes after the header.
inline std::vector<Byte> DataBytes(const std::function<void(TKmfData&)>& write)
{
    TKmfData s;
    write(s);
    return streamtest::DataOf(s);
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
    TKmfData in;
    streamtest::Load(in, DataBytes(write));
    read(in);
}

// Bit-exact equality of two doubles (also for NaN payloads and signed zeros).
inline bool SameBits(double a, double b)
{
    return std::memcmp(&a, &b, sizeof a) == 0;
}

template <class T> void Put(TKmfData& s, const T& v)
{
    if constexpr (requires { v.toStream(s); })
        v.toStream(s);
    else
        s << v;
}

template <class T> void Get(TKmfData& s, T& v)
{
    if constexpr (requires { v.fromStream(s); })
        v.fromStream(s);
    else
        s >> v;
}

// The value's stream form is exactly the expected doubles, bit for bit, and it reads back to a
// value whose form is the same.
template <class T> void ExpectStreamForm(const T& value, const std::vector<double>& expected)
{
    for (const bool reread : {false, true}) {
        T back{};
        if (reread) RoundTrip([&](TKmfData& s) { Put(s, value); }, [&](TKmfData& s) { Get(s, back); });
        const auto d = Doubles(DataBytes([&](TKmfData& s) { Put(s, reread ? back : value); }));
        ASSERT_EQ(d.size(), expected.size());
        for (std::size_t i = 0; i < d.size(); ++i)
            EXPECT_TRUE(SameBits(d[i], expected[i])) << (reread ? "read back, " : "") << "double " << i;
    }
}

} // namespace geomtest
