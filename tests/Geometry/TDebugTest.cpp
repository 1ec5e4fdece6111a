// The debug channel and the debug real block.
#include "TDebug.h"

#include "StreamBytes.h"

#include <gtest/gtest.h>

#include <string>

namespace {

std::string Text(const TString& s) { return std::string(s.PChar(), s.Length()); }

TDebug::TTime At(long long micro) { return TDebug::TTime(std::chrono::microseconds(micro)); }

TEST(TDebugTest, OneSharedInstanceAndRecord)
{
    TDebug& d = TDebug::Instance();
    EXPECT_EQ(&d, &TDebug::Instance());
    const TDebug other;
    EXPECT_EQ(other.Data, d.Data);
    EXPECT_EQ(d.Data->Level, 0);
    EXPECT_FALSE(d.Active());
    EXPECT_DOUBLE_EQ(d.GetDTime(At(1000000), At(3500000)), 2.5);
    EXPECT_FALSE(TDebug::CheckOutput("a.cpp", 12, "f", "x > 0"));
    EXPECT_FALSE(TDebug::CheckOutput(nullptr, 0, nullptr, nullptr));
}

TEST(TDebugTest, TimeLines)
{
    TATime A(2, 2);
    EXPECT_EQ(Text(TDebug::FormatTimes(A, nullptr, 1)), "");
    A.Add(At(0));
    EXPECT_EQ(Text(TDebug::FormatTimes(A, nullptr, 1)), "");  // one point: nothing
    A.Add(At(1500000));
    A.Add(At(1750000));
    const TString label("load");
    EXPECT_EQ(Text(TDebug::FormatTimes(A, &label, 1)), "   1.50    0.25   =    1.75 load");
    EXPECT_EQ(Text(TDebug::FormatTimes(A, nullptr, 1000)), "1500.00  250.00   = 1750.00");

    const Integer before = A.Count;
    TDebug::Instance().GetTime(A, true, &label, 1);  // grows past its size
    EXPECT_EQ(A.Count, before + 1);
    EXPECT_GE(A[A.Count - 1], A[0]);
}

TEST(TArrayOfRealTest, NeverSetElementsAndStream)
{
    TArrayOfReal R('r');
    EXPECT_TRUE(R[5].IsUndefined());
    EXPECT_EQ(TArrayOfReal::LastName, 'r');
    EXPECT_EQ(TArrayOfReal::LastI, 5);
    const double chaos = R[5];
    EXPECT_EQ(chaos, 9999.0);
    R[5] = 2.5;
    EXPECT_FALSE(R[5].IsUndefined());
    R[100] = 1.0;  // outside the block: a scratch element
    EXPECT_EQ(TArrayOfReal::LastI, 100);
    EXPECT_EQ(sizeof(R.Data), 800u);

    const auto d = geomtest::Doubles(geomtest::DataBytes([&](TKmfData& s) { R.toStream(s); }));
    ASSERT_EQ(d.size(), 100u);
    EXPECT_EQ(d[5], 2.5);
    EXPECT_EQ(d[99], 9999.0);
    TArrayOfReal back;
    geomtest::RoundTrip([&](TKmfData& s) { R.toStream(s); }, [&](TKmfData& s) { back.fromStream(s); });
    EXPECT_EQ(back.Data[5].Value, 2.5);
    EXPECT_TRUE(back.Data[4].IsUndefined());

    double block[2] = {1.25, -3.0};
    double got[2] = {0, 0};
    geomtest::RoundTrip([&](TKmfData& s) { StreamBlockWrite(s, block, sizeof block); },
                        [&](TKmfData& s) { StreamBlockRead(s, got, sizeof got); });
    EXPECT_EQ(got[0], 1.25);
    EXPECT_EQ(got[1], -3.0);
}

} // namespace
