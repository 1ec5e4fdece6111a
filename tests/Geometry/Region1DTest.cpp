// Parameter intervals and their corrections.
#include "Region1D.h"

#include <gtest/gtest.h>

namespace {

TEST(TRegion1DTest, CorrectParameterSnapsAndWraps)
{
    const TRegion1D R(0, 10);
    double p = 10.0000001;
    R.CorrectParameter(false, false, p, 1e-6);
    EXPECT_EQ(p, 10.0);
    p = -5e-7;
    R.CorrectParameter(false, false, p, 1e-6);
    EXPECT_EQ(p, 0.0);
    p = 12.0;  // not periodic: no wrap
    R.CorrectParameter(false, false, p, 1e-6);
    EXPECT_EQ(p, 12.0);
    p = 25.0;
    R.CorrectParameter(false, true, p, 1e-6);
    EXPECT_DOUBLE_EQ(p, 5.0);
    p = -3.0;
    R.CorrectParameter(false, true, p, 1e-6);
    EXPECT_DOUBLE_EQ(p, 7.0);
    p = 9.9999995;
    R.CorrectParameter(false, true, p, 1e-6);
    EXPECT_EQ(p, 0.0);
    p = 25.0;  // ext keeps the parameter outside
    R.CorrectParameter(true, true, p, 1e-6);
    EXPECT_EQ(p, 25.0);

    const TRegion1D D(5, 5);
    p = 5.0000005;
    D.CorrectParameter(false, false, p, 1e-6);
    EXPECT_EQ(p, 5.0);
    p = 5.0000005;  // a degenerate periodic interval wraps nothing
    D.CorrectParameter(false, true, p, 1e-6);
    EXPECT_EQ(p, 5.0);
}

TEST(TRegion1DTest, CheckedCorrectionsClamp)
{
    const TRegion1D R(0, 10);
    double t = 12.0;
    EXPECT_FALSE(R.CorrectCheckParameter(false, false, 1e-6, t));
    EXPECT_EQ(t, 10.0);
    t = -1.0;
    EXPECT_FALSE(R.CorrectCheckParameter(false, false, 1e-6, t));
    EXPECT_EQ(t, 0.0);
    t = 12.0;
    EXPECT_TRUE(R.CorrectCheckParameter(false, true, 1e-6, t));
    EXPECT_EQ(t, 12.0);
    t = 5.0;
    EXPECT_TRUE(R.CorrectCheckParameter(false, false, 1e-6, t));
    EXPECT_EQ(t, 5.0);
}

TEST(TRegion1DTest, NearParameterMovesByPeriods)
{
    const double period = 2.0 * TMathDef::C_PI;
    const TRegion1D whole(0, period);
    double p = -1.0;
    whole.CorrectNearParameter(false, period, p, 1e-9);
    EXPECT_DOUBLE_EQ(p, period - 1.0);
    p = 3.0 * period + 1.0;
    whole.CorrectNearParameter(false, period, p, 1e-9);
    EXPECT_NEAR(p, 1.0, 1e-12);

    const TRegion1D arc(1.0, 2.0);  // shorter than the period
    p = 1.5 + period;
    arc.CorrectNearParameter(false, period, p, 1e-9);
    EXPECT_NEAR(p, 1.5, 1e-12);
    p = 2.5;  // just beyond max: a period back would be much farther
    arc.CorrectNearParameter(false, period, p, 1e-9);
    EXPECT_EQ(p, 2.5);
    p = 0.5 - period;  // one period on: 0.5 before min, and one more would overshoot farther
    arc.CorrectNearParameter(false, period, p, 1e-9);
    EXPECT_NEAR(p, 0.5, 1e-12);
    p = 7.0;  // no period: only the snaps
    arc.CorrectNearParameter(false, 0.0, p, 1e-9);
    EXPECT_EQ(p, 7.0);
    double t = 2.5;
    EXPECT_FALSE(arc.CorrectCheckNearParameter(period, false, 1e-9, t));
    EXPECT_EQ(t, 2.0);
}

TEST(TRegion1DTest, IntervalOperations)
{
    TRegion1D R;
    R.Init();
    EXPECT_TRUE(R.IsEmpty());
    R.Include(3.0).Include(-1.0);
    EXPECT_EQ(R, TRegion1D(-1, 3));
    EXPECT_TRUE(R.Exist(3.0 + 0.5e-8));
    EXPECT_FALSE(R.Exist(3.0 + 2e-8));
    EXPECT_TRUE(R.IsIntersect(TRegion1D(3, 5)));
    EXPECT_FALSE(R.IsIntersect(TRegion1D(3.1, 5)));
    R.Intersection(TRegion1D(2, 5));
    EXPECT_EQ(R, TRegion1D(2, 3));
    EXPECT_TRUE(TRegion1D(1, 1 + 1e-9).IsDegenert());
    EXPECT_EQ(TRegion1D(4, 2).Equalize(), TRegion1D(2, 4));
}

} // namespace
