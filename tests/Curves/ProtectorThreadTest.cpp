// The rectangle search on worker threads: the same circles with one and with several workers
// on fixed scenes, run repeatedly (the ThreadSanitizer build runs this file).

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

// Workers claim chunks of candidates as they become free, so which worker answers which
// candidate changes from run to run; the answers and the chosen rectangle must not. The search
// widens here (several batches), and the batches are not multiples of the chunk.
TEST(TProtectorThreadTest, AnyNumberOfWorkersPlacesTheSameCirclesWhileTheSearchWidens)
{
    TProtector P;
    Scene(P);
    auto* wall = new TContour; // right of the start: nothing fits in the first box
    contourtest::Polygon(*wall, {{18, -100}, {45, -100}, {45, 100}, {18, 100}});
    P.AddProtectContour(wall);
    const TRect2D iO(0, 0, 40, 40), PA(10, 10, 20, 20);
    double one[4] = {};
    P.Workers = 1;
    ASSERT_FALSE(P.PlaceByRectAngle(iO, 2, PA, one[0], one[1], one[2], one[3], 2, true));
    ASSERT_TRUE(P.PlaceByRectAngle(iO, 2, PA, one[0], one[1], one[2], one[3], 2, false));
    EXPECT_GT(one[2], 45.0);
    for (const Integer workers : {2, 3, 4, 7}) {
        P.Workers = workers;
        for (int run = 0; run < 2; ++run) {
            SCOPED_TRACE(testing::Message() << workers << " workers, run " << run);
            double many[4] = {};
            ASSERT_TRUE(P.PlaceByRectAngle(iO, 2, PA, many[0], many[1], many[2], many[3], 2, false));
            for (int i = 0; i < 4; ++i)
                EXPECT_EQ(many[i], one[i]) << i;
        }
    }
    for (int x : {0, 2})
        for (int y : {1, 3})
            EXPECT_TRUE(P.Admissible(one[x], one[y], 2)) << x << y;
}

} // namespace
