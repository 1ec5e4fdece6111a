// Local frames of space.
#include "Placement3D.h"

#include "StreamBytes.h"

#include <gtest/gtest.h>

#include <random>
#include <string>

namespace {

using geomtest::Text;

void ExpectRightHandedUnitFrame(const TPlacement3D& P)
{
    for (const TVector3D* a : {&P.AX, &P.AY, &P.AZ})
        EXPECT_NEAR(a->Len(), 1.0, 1e-12);
    EXPECT_NEAR(P.AX * P.AY, 0.0, 1e-12);
    EXPECT_TRUE((P.AX | P.AY).EquEps(P.AZ, 1e-12));
}

void ExpectAxes(const TPlacement3D& P, const TVector3D& x, const TVector3D& y, const TVector3D& z)
{
    EXPECT_EQ(P.AX, x) << Text(P.AX.toStr());
    EXPECT_EQ(P.AY, y) << Text(P.AY.toStr());
    EXPECT_EQ(P.AZ, z) << Text(P.AZ.toStr());
}

TVector3D RandomVector(std::mt19937& rng, double r)
{
    std::uniform_real_distribution<double> u(-r, r);
    return TVector3D(u(rng), u(rng), u(rng));
}

TPlacement3D RandomPlacement(std::mt19937& rng)
{
    TPlacement3D P;
    TVector3D x, y;
    do {
        x = RandomVector(rng, 1), y = RandomVector(rng, 1);
    } while (x.Len() < 0.1 || (x | y).Len() < 0.1);
    P.Set(TPoint3D(RandomVector(rng, 500)), x, y);
    return P;
}

TEST(TPlacement3DTest, FramesFromANormalAndSetMakeRightHandedOrthonormalFrames)
{
    // From a normal: on a tie the y axis seeds.
    ExpectAxes(TPlacement3D(TPoint3D(), TVector3D(0, 0, 1)), TVector3D(0, 1, 0), TVector3D(-1, 0, 0),
               TVector3D(0, 0, 1));
    ExpectAxes(TPlacement3D(TPoint3D(), TVector3D(5, 0, 0)), TVector3D(0, 1, 0), TVector3D(0, 0, 1),
               TVector3D(1, 0, 0));
    ExpectAxes(TPlacement3D(TPoint3D(), TVector3D(1, 0, 0), TVector3D(0, 0, 1)), // x and z given
               TVector3D(1, 0, 0), TVector3D(0, 1, 0), TVector3D(0, 0, 1));
    TPlacement3D P;
    P.Set(TPoint3D(), TVector3D(2, 0, 0), TVector3D(3, 3, 0)); // Y not perpendicular
    ExpectAxes(P, TVector3D(1, 0, 0), TVector3D(0, 1, 0), TVector3D(0, 0, 1));
    P.Set(TPoint3D(1, 1, 1), TPoint3D(1, 1, 5), TPoint3D(3, 1, 2)); // from points
    ExpectAxes(P, TVector3D(0, 0, 1), TVector3D(1, 0, 0), TVector3D(0, 1, 0));

    std::mt19937 rng(17);
    for (int i = 0; i < 3000; ++i) {
        SCOPED_TRACE(i);
        const TVector3D x = RandomVector(rng, 10), y = RandomVector(rng, 10);
        if (x.Len() < 0.1 || (x | y).Len() < 0.1 * x.Len() * y.Len()) continue;
        P.Set(TPoint3D(), x, y);
        ExpectRightHandedUnitFrame(P);
        EXPECT_TRUE(P.AX.EquEps(TVector3D(x).Normalize(), 1e-12)); // X keeps its direction
        EXPECT_GT(P.AY * y, 0.0);                                  // Y stays on y's side
        EXPECT_NEAR(P.AZ * y, 0.0, 1e-9);                          // y lies in the XY plane
    }
}

TEST(TPlacement3DTest, PlacementTimesInverseIsIdentityAndPlaneQueriesAgreeWithThePlaneEquation)
{
    std::mt19937 rng(29);
    std::uniform_real_distribution<double> u(-50, 50);
    for (int i = 0; i < 3000; ++i) {
        SCOPED_TRACE(i);
        const TPlacement3D P = RandomPlacement(rng);
        TMtr3D inv, prod;
        P.GetMtrInto(inv);
        prod.Multiply(TMtr3D(P), inv);
        ASSERT_TRUE(prod == TMtr3D());
        prod.Multiply(inv, TMtr3D(P));
        ASSERT_TRUE(prod == TMtr3D());
        TPoint3D g;
        P.GetPointFrom(TPoint3D(3, -4, 5), g);
        ASSERT_TRUE(g.Mtr(inv).EquEps(TPoint3D(3, -4, 5), 1e-9));

        // Plane n . X = d with n = AZ; signed distance of Q is n . Q - d.
        const double d = P.AZ * TVector3D(P.O);
        const TPoint3D Q(u(rng), u(rng), u(rng));
        const double h = P.AZ * TVector3D(Q) - d;
        EXPECT_NEAR(P.DistanceToPoint(Q), std::fabs(h), 1e-9);
        TPoint3D Pon;
        P.PointProjection(Q, Pon);
        EXPECT_TRUE(Pon.EquEps(TPoint3D(Q.x - h * P.AZ.x, Q.y - h * P.AZ.y, Q.z - h * P.AZ.z), 1e-9));

        TPlacement3D S = P; // a parallel frame through Q, possibly flipped and turned
        S.Set(Q, i % 2 ? P.AZ : -P.AZ);
        EXPECT_TRUE(S.IsParallelPlane(P));
        EXPECT_NEAR(S.DistanceTo(P), std::fabs(h), 1e-9);
        EXPECT_EQ(S.IsSamePlane(P), std::fabs(h) <= 1e-5 * 0.5);
        TPlacement3D On = S;
        On.O = Pon;
        EXPECT_TRUE(On.IsSamePlane(P));
        EXPECT_NEAR(On.DistanceTo(P), 0.0, 1e-9);
    }
}

TEST(TPlacement3DTest, ParallelAndSamePlaneEdges)
{
    const TPlacement3D A(TPoint3D(0, 0, 0), TVector3D(0, 0, 1));
    const TPlacement3D B(TPoint3D(3, 4, 5), TVector3D(0, 0, -1));
    EXPECT_FALSE(A.IsSamePlane(B));
    EXPECT_DOUBLE_EQ(B.DistanceTo(A), 5.0);
    EXPECT_DOUBLE_EQ(A.DistanceTo(TPlacement3D(TPoint3D(0, 0, 0), TVector3D(0, 1, 0))), -1.0); // not parallel
    EXPECT_TRUE(A.IsSamePlane(TPlacement3D(TPoint3D(7, 8, 0.000009), TVector3D(0, 0, 1))));
    EXPECT_TRUE(A.IsParallelPlane(TPlacement3D(TPoint3D(), TVector3D(0.000009, 0, 1))));
    EXPECT_FALSE(A.IsParallelPlane(TPlacement3D(TPoint3D(), TVector3D(0.000011, 0, 1))));
    // Tilted within tolerance, but 7 away the tilt lifts the plane beyond 1e-5.
    EXPECT_FALSE(A.IsSamePlane(TPlacement3D(TPoint3D(7, 8, 0), TVector3D(0.000009, 0, 1))));
    EXPECT_FALSE(A.IsSamePlane(TPlacement3D(TPoint3D(7, 8, 0.000011), TVector3D(0, 0, 1))));
}

TEST(TPlacement3DTest, CoordinatesTransformAndOrigin)
{
    TPlacement3D P;
    P.Set(TPoint3D(1, 2, 3), TVector3D(0, 1, 0), TVector3D(-1, 0, 0)); // turned a quarter about z
    double x, y;
    P.PointProjection(TPoint3D(1, 7, 9), x, y);
    EXPECT_DOUBLE_EQ(x, 5.0);
    EXPECT_DOUBLE_EQ(y, 0.0);
    TPoint2D R;
    ASSERT_TRUE(P.DirectPointProjection(TPoint3D(1, 7, 9), TVector3D(0, 0, 1), R));
    EXPECT_EQ(R, TPoint2D(5, 0));

    TPlacement3D inner; // expressed in P's coordinates
    inner.Set(TPoint3D(1, 0, 0), TVector3D(0, 1, 0), TVector3D(-1, 0, 0));
    inner.Transform(P);
    EXPECT_EQ(inner.O, TPoint3D(1, 3, 3));
    ExpectAxes(inner, TVector3D(-1, 0, 0), TVector3D(0, -1, 0), TVector3D(0, 0, 1));

    TPlacement3D flat; // a zero axis projects to 0 instead of dividing by zero
    flat.O = TPoint3D(0, 0, 0), flat.AX = TVector3D(2, 0, 0), flat.AY = TVector3D(0, 0, 0);
    flat.PointProjection(TPoint3D(4, 5, 6), x, y);
    EXPECT_DOUBLE_EQ(x, 2.0);
    EXPECT_EQ(y, 0.0);

    P.OriginTo(TPoint3D(10, 10, 10));
    EXPECT_EQ(P.O, TPoint3D(10, 10, 3));
}

TEST(TPlacement3DTest, StreamFormIsTwelveRealsInFieldOrder)
{
    TPlacement3D P;
    P.Set(TPoint3D(0.1, 0.2, 0.3), TVector3D(1, 2, 3), TVector3D(-1, 0.5, 7));
    geomtest::ExpectStreamForm(
        P, {P.O.x, P.O.y, P.O.z, P.AX.x, P.AX.y, P.AX.z, P.AY.x, P.AY.y, P.AY.z, P.AZ.x, P.AZ.y, P.AZ.z});
}

} // namespace
