// The curve base (caches, parameter corrections, curvature, sampling)
// and the point curve (text, record, transformation, crossings).

#include "CurveTestUtil.h"
#include "PolyLine.h"
#include "SolverInterSect.h"
#include "Transf2D.h"

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

TEST(TCurve2DTest, TypeCodesOfTheFamily) {
    EXPECT_EQ(TBasePoint().IsType(), 1);
    EXPECT_EQ(TLineSeg().IsType(), 2);
    EXPECT_EQ(TCircle().IsType(), 3);
    EXPECT_EQ(TArc().IsType(), 4);
    EXPECT_EQ(ctText, 5);
    EXPECT_EQ(TLine().IsType(), 6);
    EXPECT_EQ(TPolyLine().IsType(), 8);
    EXPECT_EQ(ctBase, 10);
}

TEST(TCurve2DTest, CachesFillOnceUntilRefresh) {
    TLineSeg S(0, 0, 3, 4);
    S.Calculate();
    EXPECT_EQ(std::make_tuple(S.metricLength, S.paramLength, S.Gabaryt.RU.y), std::make_tuple(5.0, 1.0, 4.0));
    S.xk = 6; // changed without Refresh: the caches stay
    S.Calculate();
    EXPECT_DOUBLE_EQ(S.metricLength, 5.0);
    S.Refresh();
    S.Calculate();
    EXPECT_DOUBLE_EQ(S.metricLength, std::hypot(6.0, 4.0));
}

TEST(TCurve2DTest, InRegionIsStrictAndCircleAndLineAcceptAll) {
    const TLineSeg S(0, 0, 1, 0);
    EXPECT_FALSE(S.InRegion(0.0, 0.0) || S.InRegion(1.0, 0.0));
    EXPECT_TRUE(S.InRegion(0.0, 1e-9) && S.InRegion(1.0, 1e-9) && S.InRegion(0.5, 0.0));
    EXPECT_TRUE(TCircle(0, 0, 1).InRegion(100.0, 0.0) && TLine(0, 0, 1, 0).InRegion(-100.0, 0.0));
}

TEST(TCurve2DTest, CorrectParameterClampsOpenAndWrapsClosed) {
    const TLineSeg S(0, 0, 1, 0);
    double t = -0.5;
    S.CorrectParameter(t);
    EXPECT_EQ(t, 0.0);
    t = 1.5;
    S.CorrectParameter(t);
    EXPECT_EQ(t, 1.0);
    const TCircle C(0, 0, 1);
    t = 7.0;
    C.CorrectParameter(t);
    EXPECT_NEAR(t, 7.0 - 2 * kPi, 1e-15);
    // Snap forms: pmin wins on an interval shorter than eps.
    t = 5e-10;
    TCurve2D::CorrectParameter(false, false, 0.0, 1e-9, t, 1e-6);
    EXPECT_EQ(t, 0.0);
    t = 0.9999995;
    S.CorrectParameter(false, t, 1e-6);
    EXPECT_EQ(t, 1.0);
}

TEST(TCurve2DTest, CurvatureAgreesWithClosedForms) {
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

TEST(TCurve2DTest, CheckParameterKeepsASetWithinEps) {
    TArrayOf<double> A(2, 2);
    for (double t : {0.5, 0.5005, 0.502, 0.9})
        EXPECT_TRUE(CheckParameter(A, t, 1e-3));
    ASSERT_EQ(A.Count, 3); // 0.5005 is 0.5 within eps
    EXPECT_EQ(A[2], 0.9);
}

TEST(TCurve2DTest, DegenerateAndLinks) {
    EXPECT_TRUE(TLineSeg(1, 1, 1 + 1e-6, 1).IsDegenerate());
    EXPECT_FALSE(TLineSeg(1, 1, 1 + 1e-5, 1).IsDegenerate());
    EXPECT_TRUE(TBasePoint(3, 3).IsDegenerate());
    const TLineSeg A(0, 0, 1, 0), B(1, 0, 1, 1);
    EXPECT_TRUE(A.IsLink(1.0, &B, 0.0, 1e-4));
    EXPECT_FALSE(A.IsLink(0.0, &B, 0.0, 1e-4));
    EXPECT_FALSE(A.IsLink(1.0, nullptr, 0.0, 1e-4));
}

TEST(TCurve2DTest, DuplicateCopiesHeadButNotOwner) {
    TLineSeg S(1, 2, 3, 4);
    int tag = 0;
    std::tie(S.Name2, S.Atr, S.startParam, S.Owner, S.Index, S.Obj) = std::make_tuple(7, 3, 9.0, &S, 5, &tag);
    S.Calculate();
    std::unique_ptr<TCurve2D> D(S.Duplicate());
    const auto* L = dynamic_cast<const TLineSeg*>(D.get());
    ASSERT_NE(L, nullptr);
    EXPECT_EQ(std::make_tuple(L->Name2, L->Atr, L->Obj, L->Owner, L->startParam, L->metricLength, L->xk),
              std::make_tuple(7, 3, static_cast<void*>(&tag), nullptr, 0.0, S.metricLength, 3.0));
}

TEST(TCurve2DTest, SamplingStepsATenthOfLengthAndNeverClears) {
    TPolyLine L;
    L.Points.Add(TPoint2D(-5, -5));
    TLineSeg(0, 0, 1, 0).Aproximate(L);
    ASSERT_GE(L.Points.Count, 12);
    ASSERT_LE(L.Points.Count, 13);
    EXPECT_EQ(L.Points[0].x, -5.0);
    EXPECT_NEAR(L.Points[2].x, 0.1, 1e-12);
    EXPECT_EQ(L.Points[L.Points.Count - 1].x, 1.0);
    const Integer before = L.Points.Count;
    TBasePoint(2, 2).Aproximate(L); // zero span: only the end point
    ASSERT_EQ(L.Points.Count, before + 1);
    EXPECT_EQ(L.Points[before].x, 2.0);
}

// ---------------------------------------------------------------- point

TEST(TBasePointTest, TextAndNoParts) {
    EXPECT_EQ(TString(TBasePoint(1.5, -2)), TString("Point (  1.500, -2.000)"));
    EXPECT_EQ(TString(TBasePoint(0, 0)), TString("Point (  0.000,  0.000)"));
    const TBasePoint P(4, 5);
    TPoint2D Q;
    double t = 42;
    EXPECT_FALSE(P.NearPointProjection(Q, TPoint2D(1, 1), t, true, nullptr));
    EXPECT_EQ(t, 42.0);
    TCurve2D* part = reinterpret_cast<TCurve2D*>(&t);
    TBasePoint M(P);
    EXPECT_EQ(M.TrimmPart(0, 1, part), 0);
    EXPECT_EQ(part, reinterpret_cast<TCurve2D*>(&t)); // not written
    EXPECT_EQ(P.Offset(1.0), nullptr);
}

TEST(TBasePointTest, RecordRoundTripAndOldHead) {
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

TEST(TBasePointTest, MtrFollowsTheFacadeStackNotTheMatrix) {
    ASSERT_NE(drApi::Transf2D, nullptr);
    drApi::Transf2D->drMtr(10, 0, 90, 2, true);
    TBasePoint P(1, 0);
    P.Mtr(TMtr2D(100, 100, 0, 1));
    drApi::Transf2D->drDeleteMtr();
    EXPECT_NEAR(P.x, 10.0, 1e-12);
    EXPECT_NEAR(P.y, 2.0, 1e-12);
}

TEST(TBasePointTest, InterSectFindsThePointOnItsPartner) {
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
