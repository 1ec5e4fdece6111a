// The rectangle search on worker threads: the same circles with one and with four workers on
// a fixed scene, run repeatedly (the ThreadSanitizer build runs this file).

#include "Protector.h"

#include "ContourTestUtil.h"

#include <gtest/gtest.h>

namespace {

void Scene(TProtector& P)
{
    for (int i = 0; i < 8; ++i)
        P.AddProtectContour(contourtest::Blob(20 + 25 * (i % 4), 15 + 60 * (i / 4), 9, 20 + 4 * i, i));
}

TEST(TProtectorThreadTest, FourWorkersPlaceTheSameCirclesAsOne)
{
    TProtector P;
    Scene(P);
    const TRect2D iO(0, 0, 110, 100), PA(40, 40, 60, 55);
    double one[4] = {}, four[4] = {};
    P.Workers = 1;
    ASSERT_TRUE(P.PlaceByRectAngle(iO, 4, PA, one[0], one[1], one[2], one[3], 5, false));
    P.Workers = 4;
    for (int run = 0; run < 3; ++run) {
        SCOPED_TRACE(run);
        ASSERT_TRUE(P.PlaceByRectAngle(iO, 4, PA, four[0], four[1], four[2], four[3], 5, false));
        for (int i = 0; i < 4; ++i)
            EXPECT_EQ(four[i], one[i]) << i;
    }
    EXPECT_TRUE(P.Admissible(one[0], one[1], 4));
    EXPECT_TRUE(P.Admissible(one[2], one[3], 4));
}

} // namespace
