// Keep-out zones and circle placement: admissibility at the box and outline boundaries, zone
// bookkeeping, the rectangle search against a search written out here, and the symmetric search.

#include "Protector.h"

#include "ContourTestUtil.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

using contourtest::Blob;
using contourtest::Polygon;

TContour* Box(double x1, double y1, double x2, double y2)
{
    auto* C = new TContour;
    Polygon(*C, {{x1, y1}, {x2, y1}, {x2, y2}, {x1, y2}});
    return C;
}

class TProtectorTest : public ::testing::Test {
protected:
    TProtector P;
};

TEST_F(TProtectorTest, EverythingIsAdmissibleWithoutZones)
{
    EXPECT_TRUE(P.Admissible(0, 0, 100));
    std::unique_ptr<TContour> C(Box(0, 0, 1, 1));
    EXPECT_TRUE(P.Admissible(*C));
    TRect2D G(1, 2, 3, 4);
    P.GabaritProtect(G);
    EXPECT_TRUE(G.IsNull());
}

TEST_F(TProtectorTest, CircleTouchingOnlyTheZoneBoxIsAdmissible)
{
    P.AddProtectContour(Box(0, 0, 10, 10));
    EXPECT_TRUE(P.Admissible(12, 12, 2.5));  // the boxes overlap, the corner is 2.83 away
    EXPECT_FALSE(P.Admissible(12, 5, 2.5));  // crosses the right edge
    EXPECT_FALSE(P.Admissible(5, 5, 1));     // inside
    EXPECT_TRUE(P.Admissible(5, 13, 2.999)); // just clear of the top edge
    EXPECT_FALSE(P.Admissible(5, 13, 3.001));
}

TEST_F(TProtectorTest, ContourAdmissibility)
{
    P.AddProtectContour(Box(0, 0, 10, 10));
    std::unique_ptr<TContour> Out(Box(11, 0, 12, 1)), Cross(Box(9, 9, 12, 12));
    EXPECT_TRUE(P.Admissible(*Out));
    EXPECT_FALSE(P.Admissible(*Cross));
}

TEST_F(TProtectorTest, NullOrEmptyContoursAreIgnored)
{
    P.AddProtectContour(nullptr);
    P.AddProtectContour(new TContour); // not taken: deleted here
    EXPECT_EQ(P.Count, 0);
}

TEST_F(TProtectorTest, ZoneBoxesAreJoined)
{
    P.AddProtectContour(Box(0, 0, 10, 10));
    TRect2D G;
    P.GabaritProtect(G);
    EXPECT_EQ(G.RU.x, 10.0);
    P.AddProtectContour(Box(-5, 3, 2, 20));
    P.GabaritProtect(G);
    EXPECT_EQ(G.LD.x, -5.0);
    EXPECT_EQ(G.LD.y, 0.0);
    EXPECT_EQ(G.RU.x, 10.0);
    EXPECT_EQ(G.RU.y, 20.0);
    EXPECT_EQ(P[0].Typ, 1);
    EXPECT_EQ(P[0].Id, 0);
}

TEST_F(TProtectorTest, BegunContourIsFinishedByTheNextOrByEnd)
{
    TContour* C = P.BeginProtectContour();
    Polygon(*C, {{0, 0}, {4, 0}, {4, 4}});
    C->Refresh(); // as a caller adding items would leave it: caches stale
    P.EndProtectContour();
    EXPECT_EQ(C->Gabaryt.RU.x, 4.0);
    EXPECT_FALSE(P.Admissible(3, 1, 0.5));
    P.Clear();
    EXPECT_EQ(P.Count, 0);
    EXPECT_TRUE(P.Admissible(3, 1, 0.5));
}

TEST_F(TProtectorTest, RectangleWithoutZonesIsTheShrunkBoxSnappedOut)
{
    double xl = -1, yd = -1, xr = -1, yu = -1;
    ASSERT_TRUE(
        P.PlaceByRectAngle(TRect2D(0, 0, 100, 80), 5, TRect2D(40, 30, 60, 50), xl, yd, xr, yu, 10, true));
    EXPECT_EQ(xl, 0.0);
    EXPECT_EQ(yd, 0.0);
    EXPECT_EQ(xr, 100.0);
    EXPECT_EQ(yu, 80.0);
}

TEST_F(TProtectorTest, RectangleSearchFailsWithoutTouchingTheOutputs)
{
    P.AddProtectContour(Box(-1000, -1000, 1000, 1000));
    double xl = 7, yd = 7, xr = 7, yu = 7;
    EXPECT_FALSE(
        P.PlaceByRectAngle(TRect2D(0, 0, 100, 80), 5, TRect2D(40, 30, 60, 50), xl, yd, xr, yu, 10, true));
    EXPECT_FALSE(
        P.PlaceByRectAngle(TRect2D(0, 0, 60, 60), 5, TRect2D(20, 20, 40, 40), xl, yd, xr, yu, 0, true));
    EXPECT_EQ(xl, 7.0);
    EXPECT_EQ(yu, 7.0);
}

// The rectangle search of one pass (Opt), written out with the single-threaded test.
bool Oracle(const TProtector& P, const TRect2D& iO, double R, const TRect2D& PA, int step, double (&out)[4])
{
    const double s = step;
    const double Ix1 = MinDivisible(iO.LD.x + R, s), Iy1 = MinDivisible(iO.LD.y + R, s);
    const double Ix2 = MaxDivisible(iO.RU.x - R, s), Iy2 = MaxDivisible(iO.RU.y - R, s);
    const double Px1 = MinDivisible(PA.LD.x, s), Py1 = MinDivisible(PA.LD.y, s);
    const double Px2 = MaxDivisible(PA.RU.x, s), Py2 = MaxDivisible(PA.RU.y, s);
    const double Sx1 = std::min(Ix1, Px1), Sy1 = std::min(Iy1, Py1), Sx2 = std::max(Ix2, Px2),
                 Sy2 = std::max(Iy2, Py2);
    double bw = 0, ba = 0;
    for (double x2 = Px2; x2 <= Sx2; x2 += s)
        for (double y2 = Py2; y2 <= Sy2; y2 += s)
            for (double y1 = Py1; y1 >= Sy1; y1 -= s)
                for (double x1 = Px1; x1 >= Sx1; x1 -= s) {
                    if (!P.Admissible(x2, y2, R) || !P.Admissible(x2, y1, R) || !P.Admissible(x1, y2, R) ||
                        !P.Admissible(x1, y1, R))
                        continue;
                    const double w =
                        (std::max(x2, Ix2) - std::min(x1, Ix1)) * (std::max(y2, Iy2) - std::min(y1, Iy1));
                    const double a = (x2 - x1) * (y2 - y1);
                    if (ba == 0 || w < bw || (std::fabs(w - bw) <= 2e-6 && a > ba)) {
                        bw = w;
                        ba = a;
                        out[0] = x1, out[1] = y1, out[2] = x2, out[3] = y2;
                    }
                }
    return ba != 0;
}

TEST_F(TProtectorTest, RectangleSearchAgreesWithTheWrittenOutSearch)
{
    P.AddProtectContour(Blob(10, 10, 12, 24, 1));
    P.AddProtectContour(Blob(85, 70, 15, 30, 2));
    P.AddProtectContour(Blob(90, 10, 10, 20, 3));
    const TRect2D iO(0, 0, 120, 100), PA(45, 40, 65, 55);
    double want[4] = {};
    ASSERT_TRUE(Oracle(P, iO, 6, PA, 5, want));
    for (Integer workers : {1, 3, 4}) {
        SCOPED_TRACE(workers);
        P.Workers = workers;
        double xl = 0, yd = 0, xr = 0, yu = 0;
        ASSERT_TRUE(P.PlaceByRectAngle(iO, 6, PA, xl, yd, xr, yu, 5, true));
        EXPECT_EQ(xl, want[0]);
        EXPECT_EQ(yd, want[1]);
        EXPECT_EQ(xr, want[2]);
        EXPECT_EQ(yu, want[3]);
    }
    EXPECT_TRUE(P.Admissible(want[0], want[1], 6));
    EXPECT_TRUE(P.Admissible(want[2], want[1], 6));
    EXPECT_TRUE(P.Admissible(want[0], want[3], 6));
    EXPECT_TRUE(P.Admissible(want[2], want[3], 6));
    EXPECT_FALSE(want[0] == 5.0 && want[1] == 5.0)
        << want[0] << " " << want[1]; // not the corner taken without zones
}

TEST_F(TProtectorTest, RectangleSearchWidensWhenAllowed)
{
    // A wall right of the start: nothing fits in the first box, the widened one reaches past it.
    P.AddProtectContour(Box(18, -100, 45, 100));
    double xl = 0, yd = 0, xr = 0, yu = 0;
    const TRect2D iO(0, 0, 40, 40), PA(10, 10, 20, 20);
    EXPECT_FALSE(P.PlaceByRectAngle(iO, 2, PA, xl, yd, xr, yu, 5, true));
    ASSERT_TRUE(P.PlaceByRectAngle(iO, 2, PA, xl, yd, xr, yu, 5, false));
    EXPECT_GT(xr, 45.0);
    EXPECT_TRUE(P.Admissible(xr, yu, 2));
    EXPECT_TRUE(P.Admissible(xl, yd, 2));
}

TEST_F(TProtectorTest, SymmetricPairsWithoutZonesTakeTheFarCorners)
{
    double xu = 0, yu = 0, xd = 0, yd = 0;
    ASSERT_TRUE(P.PlaceBySymmetryY(-100, -100, 100, 100, 5, -20, -20, 20, 20, xu, yu, xd, yd, 5, true));
    EXPECT_EQ(xu, 95.0);
    EXPECT_EQ(yu, 95.0);
    EXPECT_EQ(xd, 95.0);
    EXPECT_EQ(yd, -95.0);
}

TEST_F(TProtectorTest, SymmetricPairsAvoidZones)
{
    P.AddProtectContour(Box(60, 60, 200, 200));
    P.AddProtectContour(Box(-200, -200, -50, -70));
    double xu = 0, yu = 0, xd = 0, yd = 0;
    ASSERT_TRUE(P.PlaceBySymmetryY(-100, -100, 100, 100, 5, -20, -20, 20, 20, xu, yu, xd, yd, 5, true));
    EXPECT_TRUE(P.Admissible(xu, yu, 5));
    EXPECT_TRUE(P.Admissible(-xu, yu, 5));
    EXPECT_TRUE(P.Admissible(xd, yd, 5));
    EXPECT_TRUE(P.Admissible(-xd, yd, 5));
    EXPECT_LT(xu * yu, 95.0 * 95.0);
}

TEST_F(TProtectorTest, SymmetricSearchWithoutRoomFails)
{
    double xu = 3, yu = 3, xd = 3, yd = 3;
    EXPECT_FALSE(P.PlaceBySymmetryY(-30, -30, 30, 30, 5, -20, -20, 22, 20, xu, yu, xd, yd, 5, true));
    EXPECT_EQ(xu, 3.0);
    EXPECT_EQ(yd, 3.0);
}

} // namespace
