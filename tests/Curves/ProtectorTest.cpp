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
    // The four corners of a placement (xl yd xr yu, or xu yu xd yd), as the search wrote them.
    double Out[4] = {7, 7, 7, 7};

    bool ByRect(const TRect2D& iO, double R, const TRect2D& PA, int step, bool firstOnly)
    {
        return P.PlaceByRectAngle(iO, R, PA, Out[0], Out[1], Out[2], Out[3], step, firstOnly);
    }
    bool BySymmetry(double x1, double y1, double x2, double y2, double R, double px1, double py1, double px2,
                    double py2)
    {
        return P.PlaceBySymmetryY(x1, y1, x2, y2, R, px1, py1, px2, py2, Out[0], Out[1], Out[2], Out[3], 5,
                                  true);
    }
    void ExpectOut(double a, double b, double c, double d)
    {
        EXPECT_EQ(Out[0], a);
        EXPECT_EQ(Out[1], b);
        EXPECT_EQ(Out[2], c);
        EXPECT_EQ(Out[3], d);
    }
};

TEST_F(TProtectorTest, WithoutZonesEverythingIsAdmissibleAndNullOrEmptyContoursAreNotTaken)
{
    P.AddProtectContour(nullptr);
    P.AddProtectContour(new TContour); // not taken: deleted here
    EXPECT_EQ(P.Count, 0);
    EXPECT_TRUE(P.Admissible(0, 0, 100));
    std::unique_ptr<TContour> C(Box(0, 0, 1, 1));
    EXPECT_TRUE(P.Admissible(*C));
    TRect2D G(1, 2, 3, 4);
    P.GabaritProtect(G);
    EXPECT_TRUE(G.IsNull());
}

TEST_F(TProtectorTest, CirclesAndContoursAgainstAZone)
{
    P.AddProtectContour(Box(0, 0, 10, 10));
    EXPECT_TRUE(P.Admissible(12, 12, 2.5));  // the boxes overlap, the corner is 2.83 away
    EXPECT_FALSE(P.Admissible(12, 5, 2.5));  // crosses the right edge
    EXPECT_FALSE(P.Admissible(5, 5, 1));     // inside
    EXPECT_TRUE(P.Admissible(5, 13, 2.999)); // just clear of the top edge
    EXPECT_FALSE(P.Admissible(5, 13, 3.001));
    std::unique_ptr<TContour> Outside(Box(11, 0, 12, 1)), Cross(Box(9, 9, 12, 12));
    EXPECT_TRUE(P.Admissible(*Outside));
    EXPECT_FALSE(P.Admissible(*Cross));
}

TEST_F(TProtectorTest, ZoneBoxesAreJoined)
{
    P.AddProtectContour(Box(0, 0, 10, 10));
    TRect2D G;
    P.GabaritProtect(G);
    EXPECT_EQ(G.RU.x, 10.0);
    P.AddProtectContour(Box(-5, 3, 2, 20));
    P.GabaritProtect(G);
    EXPECT_TRUE(curvetest::Near(G.LD, -5, 0));
    EXPECT_TRUE(curvetest::Near(G.RU, 10, 20));
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
    ASSERT_TRUE(ByRect(TRect2D(0, 0, 100, 80), 5, TRect2D(40, 30, 60, 50), 10, true));
    ExpectOut(0, 0, 100, 80);
}

TEST_F(TProtectorTest, RectangleSearchFailsWithoutTouchingTheOutputs)
{
    P.AddProtectContour(Box(-1000, -1000, 1000, 1000));
    EXPECT_FALSE(ByRect(TRect2D(0, 0, 100, 80), 5, TRect2D(40, 30, 60, 50), 10, true));
    EXPECT_FALSE(ByRect(TRect2D(0, 0, 60, 60), 5, TRect2D(20, 20, 40, 40), 0, true));
    ExpectOut(7, 7, 7, 7);
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
        ASSERT_TRUE(ByRect(iO, 6, PA, 5, true));
        ExpectOut(want[0], want[1], want[2], want[3]);
    }
    for (int x : {0, 2})
        for (int y : {1, 3})
            EXPECT_TRUE(P.Admissible(want[x], want[y], 6)) << x << y;
    EXPECT_FALSE(want[0] == 5.0 && want[1] == 5.0)
        << want[0] << " " << want[1]; // not the corner taken without zones
}

TEST_F(TProtectorTest, RectangleSearchWidensWhenAllowed)
{
    // A wall right of the start: nothing fits in the first box, the widened one reaches past it.
    P.AddProtectContour(Box(18, -100, 45, 100));
    const TRect2D iO(0, 0, 40, 40), PA(10, 10, 20, 20);
    EXPECT_FALSE(ByRect(iO, 2, PA, 5, true));
    ASSERT_TRUE(ByRect(iO, 2, PA, 5, false));
    EXPECT_GT(Out[2], 45.0);
    EXPECT_TRUE(P.Admissible(Out[2], Out[3], 2));
    EXPECT_TRUE(P.Admissible(Out[0], Out[1], 2));
}

TEST_F(TProtectorTest, SymmetricPairsWithoutZonesTakeTheFarCorners)
{
    ASSERT_TRUE(BySymmetry(-100, -100, 100, 100, 5, -20, -20, 20, 20));
    ExpectOut(95, 95, 95, -95);
}

TEST_F(TProtectorTest, SymmetricPairsAvoidZones)
{
    P.AddProtectContour(Box(60, 60, 200, 200));
    P.AddProtectContour(Box(-200, -200, -50, -70));
    ASSERT_TRUE(BySymmetry(-100, -100, 100, 100, 5, -20, -20, 20, 20));
    const double xu = Out[0], yu = Out[1], xd = Out[2], yd = Out[3];
    EXPECT_TRUE(P.Admissible(xu, yu, 5));
    EXPECT_TRUE(P.Admissible(-xu, yu, 5));
    EXPECT_TRUE(P.Admissible(xd, yd, 5));
    EXPECT_TRUE(P.Admissible(-xd, yd, 5));
    EXPECT_LT(xu * yu, 95.0 * 95.0);
}

TEST_F(TProtectorTest, SymmetricSearchWithoutRoomFails)
{
    EXPECT_FALSE(BySymmetry(-30, -30, 30, 30, 5, -20, -20, 22, 20));
    ExpectOut(7, 7, 7, 7);
}

} // namespace
