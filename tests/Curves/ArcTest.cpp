// Circle and arc: the parameter against the derivative, records, offsets and trims, extremes,
// axis crossings against dense sampling, and drawing through a recording modeller.

#include "CurveTestUtil.h"
#include "PolyLine.h"
#include "RecordingModeler.h"
#include "Transf2D.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <tuple>

using namespace curvetest;

namespace {

constexpr double kHalfPi = kPi / 2;

double Wrap(double a)
{
    return a - std::floor(a / (2 * kPi)) * 2 * kPi;
}

// Polar angle of P about the arc's centre, [0, 2 pi).
double AngleAt(const TCircle& C, const TPoint2D& P)
{
    return Wrap(std::atan2(P.y - C.y, P.x - C.x));
}

} // namespace

TEST(TArcTest, ParameterRunsFromTheStartInTheDirectionOfTravel)
{
    const TArc ccw(0, 0, 2, kHalfPi, kPi, 0);
    const TArc cw(0, 0, -2, kPi, kHalfPi, 0);
    for (const TArc* A : {&ccw, &cw}) {
        SCOPED_TRACE(A->sense);
        EXPECT_NEAR(AngleAt(*A, PointAt(*A, 0)), A->A1, 1e-12);
        EXPECT_NEAR(AngleAt(*A, PointAt(*A, A->GetTMax())), A->A2, 1e-12);
        EXPECT_NEAR(AngleAt(*A, PointAt(*A, 9.0)), A->A2, 1e-12); // clamped on an open arc
        for (double t : {0.1, 0.7, 1.3}) {
            double a = t;
            A->ParamToAngle(a);
            A->AngleToParam(a);
            EXPECT_NEAR(a, t, 1e-12);
            // The derivative is that of PointOn.
            const TPoint2D P0 = PointAt(*A, t - 1e-6), P1 = PointAt(*A, t + 1e-6);
            TVector2D V;
            A->FirstDer(t, V);
            EXPECT_LE(std::hypot(V.x - (P1.x - P0.x) / 2e-6, V.y - (P1.y - P0.y) / 2e-6), 1e-6);
        }
    }
    double t = 1.0;
    EXPECT_NEAR(ccw.CheckParamToAngle(t), kHalfPi + 1.0, 1e-15);
    EXPECT_TRUE(ccw.AnglePertainLimit(kPi + 5e-5));
    EXPECT_TRUE(ccw.AnglePertainLimit(kHalfPi - 5e-5));
    EXPECT_FALSE(ccw.AnglePertainLimit(kPi + 1e-3));
}

TEST(TArcTest, RecordsWithSignedRadiusAndOldDegrees)
{
    TArc A(1, 2, -3, kPi, kHalfPi, 4);
    A.Name2 = 8;
    const auto bytes = StoredBytes(A);
    ASSERT_EQ(bytes.size(), 48u);
    double r = 0;
    std::memcpy(&r, bytes.data() + 24, 8);
    EXPECT_EQ(r, -3.0);
    TArc B;
    LoadFrom(B, bytes);
    EXPECT_EQ(std::make_tuple(B.sense, B.Radius, B.A1), std::make_tuple(TArc::ByClockWise, 3.0, A.A1));
    EXPECT_EQ(StoredBytes(B), bytes);
    // Version 89 held the angles in degrees.
    auto old = bytes;
    const double deg[2] = {90.0, 180.0};
    std::memcpy(old.data() + 32, deg, 16);
    TArc C;
    LoadFrom(C, old, 89);
    EXPECT_DOUBLE_EQ(C.A1, kHalfPi);
    EXPECT_DOUBLE_EQ(C.A2, kPi);
    TCircle K(5, 6, 7), K2;
    LoadFrom(K2, StoredBytes(K));
    EXPECT_EQ(StoredBytes(K2).size(), 32u);
    EXPECT_EQ(std::make_pair(K2.Radius, K2.y), std::make_pair(7.0, 6.0));
}

TEST(TArcTest, OffsetsAndTrims)
{
    EXPECT_EQ(TArc(0, 0, 1, 0, 1, 0).Offset(1), nullptr);
    std::unique_ptr<TCurve2D> O(TArc(0, 0, -1, 1, 0, 0).Offset(1));
    ASSERT_NE(O, nullptr);
    EXPECT_EQ(static_cast<TArc*>(O.get())->Radius, 2.0);
    O.reset(TCircle(0, 0, 1).Offset(0.5));
    EXPECT_EQ(static_cast<TCircle*>(O.get())->Radius, 1.5);

    double t1 = 1, t2 = 1;
    EXPECT_EQ(TCircle(0, 0, 2).Trimmed(t1, t2, 1), nullptr);
    t1 = 0, t2 = kPi;
    std::unique_ptr<TCurve2D> U(TCircle(0, 0, 2).Trimmed(t1, t2, 1));
    const auto* half = dynamic_cast<const TArc*>(U.get());
    ASSERT_NE(half, nullptr);
    double x = 0, y = 0;
    half->Top(x, y);
    const double top = y;
    half->Bottom(x, y);
    EXPECT_LE(std::fabs(top - 2) + std::fabs(y), 1e-12);
    // An arc trimmed against its own direction runs the other way round.
    const TArc Q(0, 0, 1, 0, kHalfPi, 0);
    t1 = 0.25, t2 = 0.5;
    U.reset(Q.Trimmed(t1, t2, 1));
    EXPECT_DOUBLE_EQ(static_cast<TArc*>(U.get())->GetTMax(), 0.25);
    t1 = 0.25, t2 = 0.5;
    U.reset(Q.Trimmed(t1, t2, -1));
    EXPECT_DOUBLE_EQ(static_cast<TArc*>(U.get())->GetTMax(), 2 * kPi - 0.25);
}

TEST(TArcTest, ExtremesAndBoxEncloseTheSamples)
{
    TRandomCurves gen(5);
    for (int k = 0; k < 200; ++k) {
        SCOPED_TRACE(k);
        const auto A = gen.Arc();
        TRect2D R;
        A->Rect(R);
        TRect2D S = TCurve2D::EmptyBox();
        for (const TPoint2D& P : Samples(*A, 2000))
            S.Add(P);
        const double slack = A->Radius * 5e-6 + 1e-9;
        EXPECT_LE(std::max({std::fabs(R.LD.x - S.LD.x), std::fabs(R.LD.y - S.LD.y),
                            std::fabs(R.RU.x - S.RU.x), std::fabs(R.RU.y - S.RU.y)}),
                  slack);
    }
}

TEST(TArcTest, AxisCrossingsLieOnTheLines)
{
    TRandomCurves gen(9);
    int found = 0;
    for (int k = 0; k < 300; ++k) {
        SCOPED_TRACE(k);
        const auto A = gen.Arc();
        const double y0 = gen.U(-15, 15), x0 = gen.U(-15, 15);
        TArrayOf<double> H(2, 2), V(2, 2);
        A->InterSectHorizontal(y0, H);
        A->InterSectVertical(x0, V);
        for (const double t : H)
            EXPECT_NEAR(PointAt(*A, t).y, y0, 1e-9);
        for (const double t : V)
            EXPECT_NEAR(PointAt(*A, t).x, x0, 1e-9);
        // The samples cross y0 as often as the parameters say (away from the ends).
        const auto S = Samples(*A, 4000);
        int changes = 0;
        for (std::size_t i = 1; i < S.size(); ++i)
            changes += (S[i - 1].y - y0) * (S[i].y - y0) < 0;
        const bool clean = std::fabs(S.front().y - y0) > 1e-3 && std::fabs(S.back().y - y0) > 1e-3 &&
                           std::fabs(std::fabs(y0 - A->y) - A->Radius) > 1e-3;
        EXPECT_TRUE(!clean || H.Count == changes);
        found += H.Count;
    }
    EXPECT_GT(found, 50);
    TArrayOf<double> T(2, 2);
    TCircle(0, 0, 2).InterSectHorizontal(2, T); // touching: one angle
    ASSERT_EQ(T.Count, 1);
    EXPECT_DOUBLE_EQ(T[0], kHalfPi);
}

TEST(TArcTest, TransformAndDrawThroughAPushedPlacement)
{
    TRecordingModeler M;
    TArc ccw(10, 0, 5, 0, kHalfPi, 3);
    TArc cw(10, 0, -5, kHalfPi, 0, 2);
    M.drItem(&ccw, 0);
    M.drItem(&cw, 6);
    ASSERT_NE(drApi::Transf2D, nullptr);
    drApi::Transf2D->drMtr(100, 50, 90, 2, true);
    const TMtr2D top = drApi::Transf2D->AMtr[drApi::Transf2D->AMtr.Count - 1];
    ccw.Mtr(top);
    cw.Mtr(top);
    TCircle C(1, 0, 1);
    C.Mtr(TMtr2D()); // the circle reads the stack itself
    drApi::Transf2D->drDeleteMtr();
    M.drItem(&ccw, 0);
    M.drItem(&cw, 0);
    M.drItem(&C, 4);
    const std::vector<std::string> expected = {
        "drArc(10, 0, 5, 0, 1.570796327, 3, 1)",
        "drArc(10, 0, 5, 1.570796327, 0, 6, -1)",
        "drArc(100, 70, 10, 1.570796327, 3.141592654, 3, 1)",
        "drArc(100, 70, 10, 3.141592654, 1.570796327, 2, -1)",
        "drCircle(100, 52, 2, 4)",
    };
    EXPECT_EQ(M.Texts(), expected);
}
