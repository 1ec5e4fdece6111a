// The plane transformation matrix.
#include "Mtr2D.h"

#include "StreamBytes.h"

#include <gtest/gtest.h>

#include <cmath>
#include <random>

namespace {

void ExpectMaps(const TMtr2D& m, TPoint2D from, TPoint2D to)
{
    SCOPED_TRACE(testing::Message() << "(" << from.x << ", " << from.y << ")");
    const TPoint2D r = m.Transform(from);
    EXPECT_NEAR(r.x, to.x, 1e-12);
    EXPECT_NEAR(r.y, to.y, 1e-12);
}

TEST(TMtr2DTest, PlacementTakesDegreesAndActsScaleRotateMove)
{
    const TMtr2D m(10, 20, 90, 1);
    ExpectMaps(m, TPoint2D(1, 0), TPoint2D(10, 21));
    ExpectMaps(m, TPoint2D(0, 1), TPoint2D(9, 20));
    ExpectMaps(TMtr2D(1, 1, 180, 3), TPoint2D(1, 0), TPoint2D(-2, 1));
    ExpectMaps(TMtr2D(0, 0, 0, 2).Move(5, 0), TPoint2D(1, 1), TPoint2D(7, 2));
    ExpectMaps(TMtr2D(0, 0, 0, 2).drMtr(5, 0, 0, 1), TPoint2D(1, 1),
               TPoint2D(12, 2)); // acts before the scaling
}

TEST(TMtr2DTest, OperationsAboutAPointKeepIt)
{
    const TPoint2D pc(3, -2);
    ExpectMaps(TMtr2D(pc, 2.0, 0.5), pc, pc);
    ExpectMaps(TMtr2D(pc, 2.0, 0.5), TPoint2D(4, 0), TPoint2D(5, -1));
    ExpectMaps(TMtr2D(pc, TMathDef::C_PI_2), TPoint2D(4, -2), TPoint2D(3, -1));
    ExpectMaps(TMtr2D().Rotate(pc, TVector2D(0, 5)), TPoint2D(4, -2), TPoint2D(3, -1)); // V normalised
    TMtr2D s;
    s.Symmetry(TPoint2D(0, 1), TVector2D(2, 2)); // the line y = x + 1
    ExpectMaps(s, TPoint2D(1, 0), TPoint2D(-1, 2));
    ExpectMaps(s, TPoint2D(0, 1), TPoint2D(0, 1));
    EXPECT_TRUE(s.IsLeft());
    const TMtr2D a(1, 2, 30, 3);
    EXPECT_NEAR(a.Det(3), 9.0, 1e-12); // scale squared
    EXPECT_DOUBLE_EQ(a.Det(0), 0.0);
    EXPECT_NEAR(a.Det(1), 3.0 * std::cos(TMathDef::C_PI / 6), 1e-12); // the 1 x 1 block
    EXPECT_TRUE(TMtr2D(5, 6, 10, 2).IsIsotropic());
    EXPECT_FALSE(TMtr2D(5, 6, 10, 1).IsTranslationOnly());
}

TEST(TMtr2DTest, RandomPlacementTimesInverseIsIdentity)
{
    std::mt19937 rng(11);
    std::uniform_real_distribution<double> pos(-1000, 1000), ang(-720, 720), sc(0.01, 100);
    for (int i = 0; i < 3000; ++i) {
        const TMtr2D m(pos(rng), pos(rng), ang(rng), sc(rng));
        TMtr2D inv, prod;
        m.Div(inv);
        TMtr2D::Multiply(m, inv, prod);
        ASSERT_TRUE(prod.Equ(TMtr2D(), 1e-9)) << "case " << i;
        TMtr2D::Multiply(inv, m, prod);
        ASSERT_TRUE(prod.Equ(TMtr2D(), 1e-9)) << "case " << i;
    }
}

TEST(TMtr2DTest, ProductOrderAndStream)
{
    // A x B applies A first: rotate a quarter turn, then move by (10, 0).
    TMtr2D A, B, R;
    TMtr2D::Multiply(A.Rotate(TMathDef::C_PI_2), B.Move(10, 0), R);
    ExpectMaps(R, TPoint2D(1, 0), TPoint2D(10, 1));
    EXPECT_TRUE(TMtr2D(B).PreMultiply(A).Equ(R, 0.0));

    const TMtr2D m(0.1, -7, 33, 1.7);
    geomtest::ExpectStreamForm(m, std::vector<double>(m.V, m.V + 9));
}

} // namespace
