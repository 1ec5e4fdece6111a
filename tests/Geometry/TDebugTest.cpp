// The debug channel and the debug real block.
#include "TDebug.h"

#include "StreamBytes.h"

#include <gtest/gtest.h>

#include <string>

namespace {

std::string Text(const TString& s) { return std::string(s.PChar(), s.Length()); }

TDebug::TTime At(long long micro) { return TDebug::TTime(std::chrono::microseconds(micro)); }

TEST(TDebugTest, OneSharedRecordAndTimeLines)
{
    const TDebug other;
    EXPECT_EQ(other.Data, TDebug::Instance().Data);
    EXPECT_DOUBLE_EQ(other.GetDTime(At(1000000), At(3500000)), 2.5);
    EXPECT_FALSE(TDebug::CheckOutput(nullptr, 0, nullptr, nullptr));
    TATime A(2, 2);
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
    const double chaos = R[5];
    EXPECT_EQ(chaos, 9999.0);
    R[5] = 2.5;
    EXPECT_FALSE(R[5].IsUndefined());
    R[100] = 1.0;  // outside the block: a scratch element

    std::vector<double> expected(100, 9999.0);
    expected[5] = 2.5;
    geomtest::ExpectStreamForm(R, expected);

}

} // namespace
