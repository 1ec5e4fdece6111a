// The curve base (type codes, curvature against closed forms) and the point curve (record,
// crossings).

#include "CurveTestUtil.h"
#include "PolyLine.h"
#include "SolverInterSect.h"

#include <gtest/gtest.h>

#include <tuple>

using namespace curvetest;

namespace {

// The parabola (t, t^2) over [-1, 1]: a curve with varying curvature for the generic algorithms.
class TParabola : public TLineSeg {
public:
    double GetTMin() const override { return -1.0; }
    double GetTMax() const override { return 1.0; }
    double GetMetricLength() const override { return 2.957885715; }
    void PointOn(double t, TPoint2D& P) const override { P.Set(t, t * t); }
    void _PointOn(double t, TPoint2D& P) const override { P.Set(t, t * t); }
    void FirstDer(double t, TVector2D& V) const override { V.Set(1.0, 2.0 * t); }
    void SecondDer(double, TVector2D& V) const override { V.Set(0.0, 2.0); }
    void ThirdDer(double, TVector2D& V) const override { V.Set(0.0, 0.0); }
};

} // namespace

TEST(TCurve2DTest, TypeCodesOfTheFamily)
{
    EXPECT_EQ(TBasePoint().IsType(), 1);
    EXPECT_EQ(TLineSeg().IsType(), 2);
    EXPECT_EQ(TCircle().IsType(), 3);
    EXPECT_EQ(TArc().IsType(), 4);
    EXPECT_EQ(ctText, 5);
    EXPECT_EQ(TLine().IsType(), 6);
    EXPECT_EQ(TPolyLine().IsType(), 8);
    EXPECT_EQ(ctBase, 10);
}

TEST(TCurve2DTest, CurvatureAgreesWithClosedForms)
{
    const TParabola P;
    for (double t : {-0.8, -0.1, 0.0, 0.3, 0.9}) {
        SCOPED_TRACE(t);
        const double q = 1.0 + 4.0 * t * t;
        EXPECT_NEAR(P.Curvature(t), 2.0 / std::pow(q, 1.5), 1e-12);
        EXPECT_NEAR(P.CurvatureDerive(t), -24.0 * t / std::pow(q, 2.5), 1e-12);
        EXPECT_NEAR(P.CurvatureRadius(t), std::pow(q, 1.5) / 2.0, 1e-9);
    }
    EXPECT_NEAR(TCircle(0, 0, 2).Curvature(1.0), 0.5, 1e-15);
    EXPECT_NEAR(TArc(0, 0, 2, 0, 1, 0).Curvature(0.5), 0.5, 1e-15);
    EXPECT_NEAR(TArc(0, 0, -2, 1, 0, 0).Curvature(0.5), -0.5, 1e-15);
    EXPECT_EQ(TBasePoint(1, 1).Curvature(0.0), 0.0);
    EXPECT_EQ(TLineSeg(0, 0, 1, 1).CurvatureRadius(0.5), 1e10);
}

// ---------------------------------------------------------------- point

TEST(TBasePointTest, RecordRoundTripAndOldHead)
{
    TBasePoint P(1.25, -3.5);
    P.Name2 = 12;
    P.Atr = 4;
    const auto bytes = StoredBytes(P);
    ASSERT_EQ(bytes.size(), 24u);
    EXPECT_EQ(streamtest::Bytes(bytes.begin(), bytes.begin() + 8), streamtest::Ints({12, 4}));
    TBasePoint Q;
    LoadFrom(Q, bytes);
    EXPECT_EQ(std::make_tuple(Q.Name2, Q.Atr, Q.x, Q.y), std::make_tuple(12, 4, 1.25, -3.5));
    // Before version 89 the head was two discarded integers, then Atr.
    auto old =
        streamtest::Cat(streamtest::Ints({77, 88, 6}), streamtest::Bytes(bytes.begin() + 8, bytes.end()));
    TBasePoint R;
    R.Name2 = 5;
    LoadFrom(R, old, 88);
    EXPECT_EQ(std::make_tuple(R.Name2, R.Atr, R.y), std::make_tuple(0, 6, -3.5));
}

TEST(TBasePointTest, InterSectFindsThePointOnItsPartner)
{
    TInterSector IS;
    const TLineSeg S(0, 0, 10, 0);
    IS.Append(TCrossPoint::ipt_Simple, TPoint2D(), 0, &S, 0, &S); // stale entry: emptied
    const TBasePoint on(4, 5e-5);
    EXPECT_EQ(on.InterSect(&S, IS), 1);
    ASSERT_EQ(IS.ACrossPoint.Count, 1);
    const TCrossPoint& X = IS.ACrossPoint[0];
    EXPECT_EQ(std::make_tuple(X.on1.t, X.on1.curve, X.on2.curve, X.p.y, X.form),
              std::make_tuple(0.0, static_cast<const TCurve2D*>(&on), static_cast<const TCurve2D*>(&S), 0.0,
                              TCrossPoint::ipt_Simple));
    EXPECT_NEAR(X.on2.t, 0.4, 1e-12);
    EXPECT_NEAR(X.p.x, 4.0, 1e-12);

    EXPECT_EQ(TBasePoint(4, 1e-3).InterSect(&S, IS), 0);
    EXPECT_EQ(IS.ACrossPoint.Count, 0);
    IS.Append(TCrossPoint::ipt_Simple, TPoint2D(), 0, &S, 0, &S);
    EXPECT_EQ(on.InterSect(nullptr, IS), 0);
    EXPECT_EQ(IS.ACrossPoint.Count, 0);
    // A derived class keeping the point's operation answers 20.
    EXPECT_EQ(S.TBasePoint::InterSect(&S, IS), 20);
}
