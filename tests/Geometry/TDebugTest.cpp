// The debug real block.
#include "TDebug.h"

#include "StreamBytes.h"

#include <gtest/gtest.h>

namespace {

TEST(TArrayOfRealTest, NeverSetElementsAndStream)
{
    TArrayOfReal R('r');
    EXPECT_TRUE(R[5].IsUndefined());
    const double chaos = R[5];
    EXPECT_EQ(chaos, 9999.0);
    R[5] = 2.5;
    EXPECT_FALSE(R[5].IsUndefined());
    R[100] = 1.0; // outside the block: a scratch element

    std::vector<double> expected(100, 9999.0);
    expected[5] = 2.5;
    geomtest::ExpectStreamForm(R, expected);
}

} // namespace
