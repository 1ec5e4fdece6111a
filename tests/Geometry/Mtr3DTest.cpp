// The space transformation matrix.
#include "Mtr3D.h"

#include "StreamBytes.h"

#include <Eigen/Dense>
#include <Eigen/Geometry>
#include <gtest/gtest.h>

#include <random>

namespace {

Eigen::Matrix4d ToEigen(const TMtr3D& m)
{
    Eigen::Matrix4d e;
    for (int i = 0; i < 4; ++i)
        for (int j = 0; j < 4; ++j)
            e(i, j) = m.M[i][j];
    return e;
}

TMtr3D RandomMatrix(std::mt19937& rng)
{
    std::uniform_real_distribution<double> u(-3, 3);
    TMtr3D m;
    for (double& v : m.V)
        v = u(rng);
    return m;
}

TEST(TMtr3DTest, RowsOfAFrameAndBack)
{
    TPlacement3D P(TPoint3D(1, 2, 3), TVector3D(1, 1, 0), TVector3D(0, 0, 1));
    const TMtr3D m(P);
    EXPECT_EQ(m.M[3][3], 1.0);
    EXPECT_EQ(m.M[0][3], 0.0);
    EXPECT_EQ(m.GetOrigin(), P.O);
    TPlacement3D back(TPoint3D(9, 9, 9));
    m.Get(back);
    EXPECT_EQ(back.O, P.O);
    EXPECT_EQ(back.AX, P.AX);
    EXPECT_EQ(back.AY, P.AY);
    EXPECT_EQ(back.AZ, P.AZ);
    TMtr3D inv = m;
    inv.Inversion();
    TPoint3D o = P.O;
    o.Mtr(inv);
    EXPECT_EQ(o, TPoint3D(0, 0, 0));
    TPoint3D local(2, 0, 0);
    local.Mtr(m);  // local to global
    TPoint3D expected = P.O;
    expected.Move(P.AX, 2);
    EXPECT_EQ(local, expected);
}

TEST(TMtr3DTest, InversionAgreesWithAnIndependentInverse)
{
    std::mt19937 rng(5);
    for (int i = 0; i < 500; ++i) {
        const TMtr3D m = RandomMatrix(rng);
        const Eigen::Matrix4d e = ToEigen(m);
        if (std::fabs(e.determinant()) < 1e-3)
            continue;
        TMtr3D inv = m;
        inv.Inversion();
        EXPECT_TRUE((ToEigen(inv) - e.inverse()).cwiseAbs().maxCoeff() < 1e-8) << "case " << i;
    }
    TMtr3D zero;
    zero.Zero().Inversion();
    EXPECT_TRUE(zero == TMtr3D());
}

TEST(TMtr3DTest, ProductsAndRotations)
{
    std::mt19937 rng(8);
    const TMtr3D A = RandomMatrix(rng), B = RandomMatrix(rng);
    TMtr3D AB;
    AB.Multiply(A, B);
    EXPECT_TRUE((ToEigen(AB) - ToEigen(A) * ToEigen(B)).cwiseAbs().maxCoeff() < 1e-12);
    TMtr3D acc = A;
    acc.Multiply2(A, B);  // adds B x A to A
    EXPECT_TRUE((ToEigen(acc) - (ToEigen(A) + ToEigen(B) * ToEigen(A))).cwiseAbs().maxCoeff() < 1e-12);
    TMtr3D k = A;
    k.Multiply(2.0);
    EXPECT_EQ(k.V[7], 2.0 * A.V[7]);

    TMtr3D r;
    r.RotAxleZ(2, 0);
    EXPECT_TRUE(r == TMtr3D());
    r.RotAxleZ(1.000000001, 0);
    EXPECT_EQ(r.M[0][0], 1.000000001);
    TPoint3D p(1, 0, 0);
    p.Mtr(r.RotAxleZ(0, 3));  // a quarter turn counterclockwise seen from +z
    EXPECT_EQ(p, TPoint3D(0, 1, 0));
    p.Set(0, 0, 1).Mtr(r.RotAxleY(0, 1));
    EXPECT_EQ(p, TPoint3D(1, 0, 0));
    p.Set(0, 1, 0).Mtr(r.RotAxleX(0, 1));
    EXPECT_EQ(p, TPoint3D(0, 0, 1));

    for (int i = 0; i < 200; ++i) {
        const TVector3D axis(A.V[i % 16], B.V[(i + 3) % 16], 1.0 + i % 3);
        const double angle = 0.05 * i - 3.0;
        TMtr3D R;
        R.RotateAbout(axis, angle);
        Eigen::Vector3d n(axis.x, axis.y, axis.z);
        const Eigen::Matrix3d col = Eigen::AngleAxisd(angle, n.normalized()).toRotationMatrix();
        // Row vectors: our block is the transpose of the column-vector rotation.
        EXPECT_TRUE((ToEigen(R).topLeftCorner<3, 3>() - col.transpose()).cwiseAbs().maxCoeff() < 1e-12) << i;
    }
}

TEST(TMtr3DTest, RotateAboutALineKeepsItsPoints)
{
    TMtr3D m;
    const TPoint3D P(1, 2, 0);
    const TVector3D V(0, 0, 2);
    m.Rotate(P, V, TMathDef::C_PI_2);
    TPoint3D onAxis(1, 2, 7);
    onAxis.Mtr(m);
    EXPECT_EQ(onAxis, TPoint3D(1, 2, 7));
    TPoint3D q(2, 2, 5);
    q.Mtr(m);
    EXPECT_EQ(q, TPoint3D(1, 3, 5));
}

TEST(TMtr3DTest, TransformsInEveryForm)
{
    TMtr3D m;
    for (int i = 0; i < 16; ++i)
        m.V[i] = i + 1;
    const TPoint3D A(1, -1, 2);
    TPoint3D r;
    m.Trans(A, r);  // column form, translation from the last column
    EXPECT_EQ(r, TPoint3D(1 - 2 + 6 + 4, 5 - 6 + 14 + 8, 9 - 10 + 22 + 12));
    m.Trans2(A, r);  // rows against A, translation from the last row
    EXPECT_EQ(r, TPoint3D(1 - 2 + 6 + 13, 5 - 6 + 14 + 14, 9 - 10 + 22 + 15));
    TVector3D v;
    m.Trans(TVector3D(1, -1, 2), v);
    EXPECT_EQ(v, TVector3D(5, 13, 21));
    TPoint3D p = A;
    p.Mtr(m);  // row vector times the matrix
    EXPECT_EQ(p, TPoint3D(1 - 5 + 18 + 13, 2 - 6 + 20 + 14, 3 - 7 + 22 + 15));
    TVector3D d(1, -1, 2);
    d.Mtr(m);
    EXPECT_EQ(d, TVector3D(1 - 5 + 18, 2 - 6 + 20, 3 - 7 + 22));
}

TEST(TMtr3DTest, DirectPointProjection)
{
    const TMtr3D m;  // identity: the target plane is z = 0
    TPoint2D R(7, 7);
    EXPECT_FALSE(m.DirectPointProjection(TPoint3D(1, 1, 5), TVector3D(1, 0, 0), R));
    EXPECT_EQ(R, TPoint2D(7, 7));
    ASSERT_TRUE(m.DirectPointProjection(TPoint3D(1, 1, 5), TVector3D(1, 2, -1), R));
    EXPECT_EQ(R, TPoint2D(6, 11));
}

TEST(TMtr3DTest, VectorAndStreamForms)
{
    TMtr3D m;
    m.RotateAbout(TVector3D(1, 2, 3), 0.7).Move(TVector3D(10, -20, 0.1));
    std::vector<double> v{1, 2};
    EXPECT_EQ(&m.to(v), &v);
    ASSERT_EQ(v.size(), 16u);
    EXPECT_EQ(v[13], -20.0);
    EXPECT_EQ(v[1], m.M[0][1]);
    TMtr3D back;
    EXPECT_FALSE(back.from(std::vector<double>(15, 1.0)));
    EXPECT_FALSE(back.from(std::vector<double>(17, 1.0)));
    EXPECT_TRUE(back == TMtr3D());
    EXPECT_TRUE(back.from(v));
    EXPECT_TRUE(back == m);

    const auto d = geomtest::Doubles(geomtest::DataBytes([&](TKmfData& s) { m.toStream(s); }));
    ASSERT_EQ(d.size(), 16u);
    for (int i = 0; i < 16; ++i)
        EXPECT_TRUE(geomtest::SameBits(d[i], m.V[i]));
    TMtr3D read;
    geomtest::RoundTrip([&](TKmfData& s) { m.toStream(s); }, [&](TKmfData& s) { read.fromStream(s); });
    for (int i = 0; i < 16; ++i)
        EXPECT_TRUE(geomtest::SameBits(read.V[i], m.V[i]));
    EXPECT_EQ(sizeof(TMtr3D), 128u);
}

} // namespace
