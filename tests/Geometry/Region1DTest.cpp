// Parameter intervals and their corrections.
#include "Region1D.h"

#include <gtest/gtest.h>

namespace {

double Corrected(const TRegion1D& r, bool ext, bool periodic, double p)
{
    r.CorrectParameter(ext, periodic, p, 1e-6);
    return p;
}

double Near(const TRegion1D& r, double period, double p)
{
    r.CorrectNearParameter(false, period, p, 1e-9);
    return p;
}

TEST(TRegion1DTest, CorrectParameterSnapsAndWraps)
{
    const TRegion1D R(0, 10);
    EXPECT_EQ(Corrected(R, false, false, 10.0000001), 10.0);
    EXPECT_EQ(Corrected(R, false, false, 12.0), 12.0); // not periodic: no wrap
    EXPECT_DOUBLE_EQ(Corrected(R, false, true, 25.0), 5.0);
    EXPECT_DOUBLE_EQ(Corrected(R, false, true, -3.0), 7.0);
    EXPECT_EQ(Corrected(R, false, true, 9.9999995), 0.0);
    EXPECT_EQ(Corrected(R, true, true, 25.0), 25.0);                    // ext keeps the parameter outside
    EXPECT_EQ(Corrected(TRegion1D(5, 5), false, true, 5.0000005), 5.0); // a degenerate interval wraps nothing

    double t = 12.0;
    EXPECT_FALSE(R.CorrectCheckParameter(false, false, 1e-6, t));
    EXPECT_EQ(t, 10.0);
    t = 12.0;
    EXPECT_TRUE(R.CorrectCheckParameter(false, true, 1e-6, t));
    EXPECT_EQ(t, 12.0);
}

TEST(TRegion1DTest, NearParameterMovesByPeriods)
{
    const double period = 2.0 * TMathDef::C_PI;
    EXPECT_DOUBLE_EQ(Near(TRegion1D(0, period), period, -1.0), period - 1.0);
    EXPECT_NEAR(Near(TRegion1D(0, period), period, 3.0 * period + 1.0), 1.0, 1e-12);
    const TRegion1D arc(1.0, 2.0); // shorter than the period
    EXPECT_NEAR(Near(arc, period, 1.5 + period), 1.5, 1e-12);
    EXPECT_EQ(Near(arc, period, 2.5), 2.5); // just beyond max: a period back would be much farther
    // One period on: 0.5 before min, and one more would overshoot farther.
    EXPECT_NEAR(Near(arc, period, 0.5 - period), 0.5, 1e-12);
    double t = 2.5;
    EXPECT_FALSE(arc.CorrectCheckNearParameter(period, false, 1e-9, t));
    EXPECT_EQ(t, 2.0);
}

} // namespace
