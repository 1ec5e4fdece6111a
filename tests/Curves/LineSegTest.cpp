// Segment and infinite line: text and evaluation, records; the projection of every simple kind
// against dense sampling.

#include "CurveTestUtil.h"

#include <gtest/gtest.h>

#include <string>
#include <tuple>

using namespace curvetest;

namespace {

const TLineSeg Base(0, 0, 10, 0);

} // namespace

TEST(TLineSegTest, TextAndEvaluation)
{
    EXPECT_EQ(TString(Base), TString("LS (  0.000,  0.000 -  10.000 ,   0.000)"));
    EXPECT_EQ(TString(TLine(0, 0, 1, -2.5)), TString("L (  0.000,  0.000 -   1.000 ,  -2.500)"));
    TPoint2D P, Q, R, S;
    Base.PointOn(2, P); // clamped
    Base._PointOn(2, Q);
    Base.PointOn(-1, R);
    TLine(0, 0, 10, 0).PointOn(-3, S); // unbounded
    EXPECT_EQ(std::make_tuple(P.x, Q.x, R.x, S.x), std::make_tuple(10.0, 20.0, 0.0, -30.0));
}

TEST(TLineSegTest, RecordsRoundTrip)
{
    TLineSeg S(1.5, -2, 3, 4.25);
    S.Name2 = 3;
    S.Atr = 9;
    const auto bytes = StoredBytes(S);
    ASSERT_EQ(bytes.size(), 40u);
    TLineSeg S2;
    LoadFrom(S2, bytes);
    EXPECT_EQ(StoredBytes(S2), bytes);
    EXPECT_EQ(S2.xk, 3.0);
    TLine L(7, 8, 9, 10), L2;
    LoadFrom(L2, StoredBytes(L));
    EXPECT_EQ(std::make_pair(L2.x2, L2.y), std::make_pair(9.0, 8.0));
}

// Kinds of TRandomCurves::Of: 1 segment, 2 line, 3 circle, 4 arc.
class TProjectionTest : public testing::TestWithParam<int> {};

TEST_P(TProjectionTest, IsNoFartherThanAnySample)
{
    TRandomCurves gen(11 + GetParam());
    for (int k = 0; k < 200; ++k) {
        SCOPED_TRACE(k);
        const auto C = gen.Of(GetParam());
        const TPoint2D P = gen.P();
        const double d = C->DistanceTo(P);
        const bool line = GetParam() == 2; // sampled over a window of the unbounded line
        EXPECT_LE(d, NearestSample(line ? Samples(*C, 10000, -20, 20) : Samples(*C, 10000), P) + 1e-9);
        if (GetParam() == 1) {
            EXPECT_NEAR(d, P.DistanceTo(static_cast<const TLineSeg&>(*C)), 1e-9);
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Kinds, TProjectionTest, testing::Values(1, 2, 3, 4),
                         [](const testing::TestParamInfo<int>& I) {
                             return std::string(I.param == 1   ? "Segment"
                                                : I.param == 2 ? "Line"
                                                : I.param == 3 ? "Circle"
                                                               : "Arc");
                         });
