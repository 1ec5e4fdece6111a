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
    for (int i = 0; i < 16; ++i)
        e(i / 4, i % 4) = m.V[i];
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

TEST(TMtr3DTest, InversionAgreesWithAnIndependentInverse)
{
    std::mt19937 rng(5);
    for (int i = 0; i < 500; ++i) {
        const TMtr3D m = RandomMatrix(rng);
        const Eigen::Matrix4d e = ToEigen(m);
        if (std::fabs(e.determinant()) < 1e-3) continue;
        TMtr3D inv = m;
        EXPECT_LT((ToEigen(inv.Inversion()) - e.inverse()).cwiseAbs().maxCoeff(), 1e-8) << "case " << i;
    }
    TMtr3D zero;
    EXPECT_TRUE(zero.Zero().Inversion() == TMtr3D()); // singular: identity
}

TEST(TMtr3DTest, ProductsAndRotations)
{
    std::mt19937 rng(8);
    const TMtr3D A = RandomMatrix(rng), B = RandomMatrix(rng);
    TMtr3D AB;
    AB.Multiply(A, B);
    EXPECT_TRUE((ToEigen(AB) - ToEigen(A) * ToEigen(B)).cwiseAbs().maxCoeff() < 1e-12);
    TMtr3D acc = A;
    acc.Multiply2(A, B); // adds B x A to A
    EXPECT_TRUE((ToEigen(acc) - (ToEigen(A) + ToEigen(B) * ToEigen(A))).cwiseAbs().maxCoeff() < 1e-12);

    TMtr3D r;
    r.RotAxleZ(2, 0);
    EXPECT_TRUE(r == TMtr3D());
    EXPECT_EQ(TPoint3D(1, 0, 0).Mtr(r.RotAxleZ(0, 3)), TPoint3D(0, 1, 0)); // counterclockwise seen from +z
    EXPECT_EQ(TPoint3D(0, 1, 0).Mtr(r.RotAxleX(0, 1)), TPoint3D(0, 0, 1));

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

TEST(TMtr3DTest, RotationAboutALineAndDirectPointProjection)
{
    TMtr3D r; // a quarter turn about the line through (1, 2, 0) along z keeps its points
    r.Rotate(TPoint3D(1, 2, 0), TVector3D(0, 0, 2), TMathDef::C_PI_2);
    TPoint3D onAxis(1, 2, 7), q(2, 2, 5);
    EXPECT_EQ(onAxis.Mtr(r), TPoint3D(1, 2, 7));
    EXPECT_EQ(q.Mtr(r), TPoint3D(1, 3, 5));
    const TMtr3D m; // identity: the target plane is z = 0
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
    m.to(v);
    ASSERT_EQ(v.size(), 16u);
    EXPECT_EQ(v[13], -20.0);
    TMtr3D back;
    EXPECT_FALSE(back.from(std::vector<double>(17, 1.0)));
    EXPECT_TRUE(back == TMtr3D());
    EXPECT_TRUE(back.from(v));
    EXPECT_TRUE(back == m);

    geomtest::ExpectStreamForm(m, std::vector<double>(m.V, m.V + 16));
}

} // namespace
