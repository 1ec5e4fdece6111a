// Local frames of space.
#include "Placement3D.h"

#include "StreamBytes.h"

#include <gtest/gtest.h>

#include <random>

namespace {

void ExpectRightHandedUnitFrame(const TPlacement3D& P)
{
    EXPECT_NEAR(P.AX.Len(), 1.0, 1e-12);
    EXPECT_NEAR(P.AY.Len(), 1.0, 1e-12);
    EXPECT_NEAR(P.AZ.Len(), 1.0, 1e-12);
    EXPECT_NEAR(P.AX * P.AY, 0.0, 1e-12);
    EXPECT_NEAR(P.AY * P.AZ, 0.0, 1e-12);
    EXPECT_NEAR(P.AZ * P.AX, 0.0, 1e-12);
    EXPECT_TRUE((P.AX | P.AY).EquEps(P.AZ, 1e-12));
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

TEST(TPlacement3DTest, FramesFromANormal)
{
    const TPlacement3D Z(TPoint3D(), TVector3D(0, 0, 1));  // tie: the y axis seeds
    EXPECT_EQ(Z.AX, TVector3D(0, 1, 0));
    EXPECT_EQ(Z.AY, TVector3D(-1, 0, 0));
    const TPlacement3D X(TPoint3D(), TVector3D(5, 0, 0));
    EXPECT_EQ(X.AX, TVector3D(0, 1, 0));
    EXPECT_EQ(X.AY, TVector3D(0, 0, 1));
    const TPlacement3D Y(TPoint3D(), TVector3D(0, 1, 0));
    EXPECT_EQ(Y.AX, TVector3D(1, 0, 0));
    EXPECT_EQ(Y.AY, TVector3D(0, 0, -1));
    const TPlacement3D XZ(TPoint3D(), TVector3D(1, 0, 0), TVector3D(0, 0, 1));  // x and z given
    EXPECT_EQ(XZ.AY, TVector3D(0, 1, 0));
    for (const TPlacement3D* P : {&Z, &X, &Y, &XZ})
        ExpectRightHandedUnitFrame(*P);
    const TPlacement3D G;
    EXPECT_EQ(G.AZ, TVector3D(0, 0, 1));
}

TEST(TPlacement3DTest, SetMakesARightHandedOrthonormalFrame)
{
    TPlacement3D P;
    P.Set(TPoint3D(0, 0, 20), TVector3D(2, 0, 0), TVector3D(0, 3, 0));
    EXPECT_EQ(P.AX, TVector3D(1, 0, 0));
    EXPECT_EQ(P.AY, TVector3D(0, 1, 0));
    EXPECT_EQ(P.AZ, TVector3D(0, 0, 1));
    P.Set(TPoint3D(), TVector3D(1, 0, 0), TVector3D(1, 1, 0));  // Y not perpendicular
    EXPECT_EQ(P.AY, TVector3D(0, 1, 0));
    P.Set(TPoint3D(1, 1, 1), TPoint3D(1, 1, 5), TPoint3D(3, 1, 2));  // from points
    EXPECT_EQ(P.AX, TVector3D(0, 0, 1));
    EXPECT_EQ(P.AY, TVector3D(1, 0, 0));
    EXPECT_EQ(P.AZ, TVector3D(0, 1, 0));

    std::mt19937 rng(17);
    for (int i = 0; i < 3000; ++i) {
        SCOPED_TRACE(i);
        const TVector3D x = RandomVector(rng, 10), y = RandomVector(rng, 10);
        if (x.Len() < 0.1 || (x | y).Len() < 0.1 * x.Len() * y.Len())
            continue;
        P.Set(TPoint3D(), x, y);
        ExpectRightHandedUnitFrame(P);
        EXPECT_TRUE(P.AX.EquEps(TVector3D(x).Normalize(), 1e-12));   // X keeps its direction
        EXPECT_GT(P.AY * y, 0.0);                                     // Y stays on y's side
        EXPECT_NEAR(P.AZ * y, 0.0, 1e-9);                             // y lies in the XY plane
    }
}

TEST(TPlacement3DTest, PlacementTimesInverseIsIdentity)
{
    std::mt19937 rng(23);
    for (int i = 0; i < 3000; ++i) {
        const TPlacement3D P = RandomPlacement(rng);
        TMtr3D inv, prod;
        P.GetMtrInto(inv);
        prod.Multiply(TMtr3D(P), inv);
        ASSERT_TRUE(prod == TMtr3D()) << "case " << i;
        prod.Multiply(inv, TMtr3D(P));
        ASSERT_TRUE(prod == TMtr3D()) << "case " << i;
        TPoint3D g, l;
        P.GetPointFrom(TPoint3D(3, -4, 5), g);
        l = g;
        l.Mtr(inv);
        ASSERT_TRUE(l.EquEps(TPoint3D(3, -4, 5), 1e-9)) << "case " << i;
    }
}

TEST(TPlacement3DTest, PlaneQueriesAgreeWithThePlaneEquation)
{
    std::mt19937 rng(29);
    std::uniform_real_distribution<double> u(-50, 50);
    for (int i = 0; i < 2000; ++i) {
        SCOPED_TRACE(i);
        const TPlacement3D P = RandomPlacement(rng);
        // Plane n . X = d with n = AZ; signed distance of Q is n . Q - d.
        const double d = P.AZ * TVector3D(P.O);
        const TPoint3D Q(u(rng), u(rng), u(rng));
        const double h = P.AZ * TVector3D(Q) - d;
        EXPECT_NEAR(P.DistanceToPoint(Q), std::fabs(h), 1e-9);
        TPoint3D Pon;
        P.PointProjection(Q, Pon);
        EXPECT_TRUE(Pon.EquEps(TPoint3D(Q.x - h * P.AZ.x, Q.y - h * P.AZ.y, Q.z - h * P.AZ.z), 1e-9));

        TPlacement3D S = P;  // a parallel frame through Q, possibly flipped and turned
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
    EXPECT_TRUE(A.IsParallelPlane(B));
    EXPECT_FALSE(A.IsSamePlane(B));
    EXPECT_DOUBLE_EQ(A.DistanceTo(B), 5.0);
    EXPECT_DOUBLE_EQ(B.DistanceTo(A), 5.0);
    const TPlacement3D C(TPoint3D(0, 0, 0), TVector3D(0, 1, 0));
    EXPECT_FALSE(A.IsParallelPlane(C));
    EXPECT_DOUBLE_EQ(A.DistanceTo(C), -1.0);
    const TPlacement3D D(TPoint3D(7, 8, 0.000009), TVector3D(0, 0, 1));
    EXPECT_TRUE(A.IsSamePlane(D));
    EXPECT_TRUE(A.IsParallelPlane(TPlacement3D(TPoint3D(), TVector3D(0.000009, 0, 1))));
    EXPECT_FALSE(A.IsParallelPlane(TPlacement3D(TPoint3D(), TVector3D(0.000011, 0, 1))));
    // Tilted within tolerance, but 7 away the tilt lifts the plane beyond 1e-5.
    EXPECT_FALSE(A.IsSamePlane(TPlacement3D(TPoint3D(7, 8, 0), TVector3D(0.000009, 0, 1))));
    const TPlacement3D E(TPoint3D(7, 8, 0.000011), TVector3D(0, 0, 1));
    EXPECT_FALSE(A.IsSamePlane(E));
}

TEST(TPlacement3DTest, CoordinatesTransformAndOrigin)
{
    TPlacement3D P;
    P.Set(TPoint3D(1, 2, 3), TVector3D(0, 1, 0), TVector3D(-1, 0, 0));  // turned a quarter about z
    double x, y;
    P.PointProjection(TPoint3D(1, 7, 9), x, y);
    EXPECT_DOUBLE_EQ(x, 5.0);
    EXPECT_DOUBLE_EQ(y, 0.0);
    P.VectorProjection(TVector3D(-2, 1, 4), x, y);
    EXPECT_DOUBLE_EQ(x, 1.0);
    EXPECT_DOUBLE_EQ(y, 2.0);
    TPoint3D on;
    P.PointOn(1, 1, on);
    EXPECT_EQ(on, TPoint3D(0, 3, 3));
    TPoint2D R;
    ASSERT_TRUE(P.DirectPointProjection(TPoint3D(1, 7, 9), TVector3D(0, 0, 1), R));
    EXPECT_EQ(R, TPoint2D(5, 0));
    EXPECT_FALSE(P.DirectPointProjection(TPoint3D(1, 7, 9), TVector3D(1, 1, 0), R));

    TPlacement3D inner;  // expressed in P's coordinates
    inner.Set(TPoint3D(1, 0, 0), TVector3D(0, 1, 0), TVector3D(-1, 0, 0));
    inner.Transform(P);
    EXPECT_EQ(inner.O, TPoint3D(1, 3, 3));
    EXPECT_EQ(inner.AX, TVector3D(-1, 0, 0));
    EXPECT_EQ(inner.AY, TVector3D(0, -1, 0));
    EXPECT_EQ(inner.AZ, TVector3D(0, 0, 1));
    TVector3D v(1, 0, 0);
    EXPECT_EQ(v.Mtr(P), TVector3D(0, 1, 0));

    P.OriginTo(TPoint3D(10, 10, 10));
    EXPECT_EQ(P.O, TPoint3D(10, 10, 3));
    EXPECT_EQ(P.AX, TVector3D(0, 1, 0));
}

TEST(TPlacement3DTest, StreamFormIsTwelveRealsInFieldOrder)
{
    TPlacement3D P;
    P.Set(TPoint3D(0.1, 0.2, 0.3), TVector3D(1, 2, 3), TVector3D(-1, 0.5, 7));
    const auto d = geomtest::Doubles(geomtest::DataBytes([&](TKmfData& s) { P.toStream(s); }));
    ASSERT_EQ(d.size(), 12u);
    const double expected[12] = {P.O.x, P.O.y, P.O.z, P.AX.x, P.AX.y, P.AX.z, P.AY.x, P.AY.y, P.AY.z, P.AZ.x, P.AZ.y, P.AZ.z};
    for (int i = 0; i < 12; ++i)
        EXPECT_TRUE(geomtest::SameBits(d[i], expected[i])) << i;
    TPlacement3D back;
    geomtest::RoundTrip([&](TKmfData& s) { P.toStream(s); }, [&](TKmfData& s) { back.fromStream(s); });
    EXPECT_TRUE(geomtest::SameBits(back.AY.z, P.AY.z));
    EXPECT_TRUE(geomtest::SameBits(back.O.x, 0.1));
    EXPECT_EQ(back.AZ, P.AZ);
}

} // namespace
