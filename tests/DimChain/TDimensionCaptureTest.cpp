// Capture of links from real dimensions of the stand-in host: linear, angular, diametral and
// radial dimensions with their deviation texts, projections and derivative links.

#include "TDimension.h"

#include <cmath>
#include <numbers>
#include <ostream>
#include <string>

#include <gtest/gtest.h>

#include "DrawingLinks.h"
#include "FacadeChainHost.h"

namespace {

using TDimensionCaptureTest = TDrawingLinksFixture;

TEST_F(TDimensionCaptureTest, LinearLinkReadsVectorPointsAndDeviationsAndTurnsReversedPoints)
{
    TDimension D;
    D.SetLDim(FacadeChainHost(), LinearAt(0.0, 0, 0, 30, 10, 0.1, -0.05), {});
    EXPECT_EQ(D.Type, tvapi::tvDrLDimension);
    EXPECT_DOUBLE_EQ(D.V2.x, 30.0);
    EXPECT_DOUBLE_EQ(D.V2.y, 0.0);
    EXPECT_DOUBLE_EQ(D.V3.x, 30.0);
    EXPECT_DOUBLE_EQ(D.P2.y, 10.0);
    EXPECT_DOUBLE_EQ(D.Nominal, 30.0);
    EXPECT_DOUBLE_EQ(D.QHigh, 0.1);
    EXPECT_DOUBLE_EQ(D.QLow, -0.05);
    EXPECT_DOUBLE_EQ(D.PL2.O.x, 30.0);
    EXPECT_NEAR(std::fabs(D.PL2.AZ.x), 1.0, 1e-12); // the end planes stand across the measure
    EXPECT_TRUE(D.PL1.IsParallelPlane(D.PL2));
    EXPECT_FALSE(D.PL1.IsSamePlane(D.PL2));
    TDimension back; // reversed points: V2 turned, V3 kept
    back.SetLDim(FacadeChainHost(), LinearAt(0.0, 30, 10, 0, 0), {});
    EXPECT_DOUBLE_EQ(back.V2.x, 30.0);
    EXPECT_DOUBLE_EQ(back.V3.x, -30.0);
    TDimension up;
    up.SetLDim(FacadeChainHost(), LinearAt(std::numbers::pi / 2, 0, 40, 0, 0), {});
    EXPECT_NEAR(up.V2.x, 0.0, 1e-12);
    EXPECT_DOUBLE_EQ(up.V2.y, 40.0);
}

TEST_F(TDimensionCaptureTest, CaptureOfOtherKindKeepsOnlyObjectAndKinds)
{
    TDimension D;
    D.Nominal = 5.0;
    D.SetLDim(FacadeChainHost(), Segment(0, 0, 10, 0), {});
    EXPECT_EQ(D.Type, tvapi::tvDrLineSeg);
    EXPECT_TRUE(D.Obj);
    EXPECT_EQ(D.Nominal, 0.0);
}

TEST_F(TDimensionCaptureTest, AngularDeviationsOfLinearAndAngularLinks)
{
    TDimension D;
    D.SetLDim(FacadeChainHost(), Linear(0, 0, 30, 0), Angle(90, 60, 0.5, -0.25));
    EXPECT_EQ(D.TypeAuxiliary, tvapi::tvDrADimension);
    EXPECT_DOUBLE_EQ(D.ANominal, 30.0);
    EXPECT_DOUBLE_EQ(D.AQHigh, 0.5);
    EXPECT_DOUBLE_EQ(D.AQLow, -0.25);
    TDimension A; // an angular link takes the segment's vector
    A.SetADim(FacadeChainHost(), Angle(90, 60, 1.0, -1.0), Segment(1, 1, 4, 5));
    EXPECT_DOUBLE_EQ(A.V2.x, 3.0);
    EXPECT_DOUBLE_EQ(A.V2.y, 4.0);
    EXPECT_EQ(A.Nominal, 0.0);
    EXPECT_EQ(A.QHigh, 0.0);
    EXPECT_DOUBLE_EQ(A.AQHigh, 1.0);
}

TEST_F(TDimensionCaptureTest, DiametralLinkLiesAcrossItsDirection)
{
    TDimension seg;
    seg.SetDDim(FacadeChainHost(), Circle(true, 5, 5, 10, 0.2, 0.0), Segment(0, 0, 10, 0));
    EXPECT_DOUBLE_EQ(seg.V2.x, -20.0);
    EXPECT_NEAR(seg.V2.y, 0.0, 1e-12);
    EXPECT_DOUBLE_EQ(seg.P2.x, -20.0);
    EXPECT_DOUBLE_EQ(seg.QHigh, 0.2);
    EXPECT_DOUBLE_EQ(seg.R, 10.0);
    TDimension lin;
    lin.SetDDim(FacadeChainHost(), Circle(true, 5, 5, 10), Linear(0, 0, 30, 0));
    EXPECT_NEAR(lin.V2.x, 0.0, 1e-12);
    EXPECT_DOUBLE_EQ(lin.V2.y, 20.0);
    TDimension bare;
    bare.SetRDim(FacadeChainHost(), Circle(false, 3, 4, 6), {});
    EXPECT_EQ(bare.V2.Len(), 0.0);
    EXPECT_DOUBLE_EQ(bare.PC.y, 4.0);
    EXPECT_DOUBLE_EQ(bare.R, 6.0);
}

TEST_F(TDimensionCaptureTest, ProjectionOnSegmentScalesDeviationsUnlessDegenerate)
{
    TDimension D;
    D.SetLDim(FacadeChainHost(), Linear(0, 0, 10, 0, 0.2, -0.1), {});
    D.SetProjectionOn(FacadeChainHost(),
                      Segment(0, 0, std::cos(std::numbers::pi / 3), std::sin(std::numbers::pi / 3)));
    EXPECT_NEAR(D.V2.Len(), 5.0, 1e-12);
    EXPECT_NEAR(D.QLow, -0.05, 1e-12);
    EXPECT_NEAR(D.QHigh, 0.1, 1e-12);

    // Degenerate projections leave the link.
    TDimension across;
    across.SetLDim(FacadeChainHost(), Linear(0, 0, 10, 0, 0.2, -0.1), {});
    across.SetProjectionOn(FacadeChainHost(), Segment(0, 0, 0, 5));
    EXPECT_DOUBLE_EQ(across.V2.x, 10.0);
    EXPECT_DOUBLE_EQ(across.VTransformation.y, 5.0);
    across.SetProjectionOn(FacadeChainHost(), Segment(2, 2, 2, 2)); // no direction
    EXPECT_DOUBLE_EQ(across.QHigh, 0.2);

    TDimension zero;
    zero.SetADim(FacadeChainHost(), Angle(90, 60), {}); // V2 (0, 0)
    zero.SetProjectionOn(FacadeChainHost(), Segment(0, 0, 1, 0));
    EXPECT_EQ(zero.VTransformation.x, 0.0);
    EXPECT_EQ(zero.V2.Len(), 0.0);
}

TEST_F(TDimensionCaptureTest, ProjectionLongerThanLinkLeavesItUnchanged)
{
    TDimension D;
    D.SetLDim(FacadeChainHost(), Linear(0, 0, 10, 0, 0.2, -0.1), {});
    D.P2.Set(20.0, 0.0); // the points now span more than the link's vector
    const TDimension before = D;
    D.SetProjectionOn(FacadeChainHost(), Linear(0, 0, 5, 0)); // parallel at angle 0: along x
    EXPECT_DOUBLE_EQ(D.QHigh, before.QHigh);                  // finite
    EXPECT_DOUBLE_EQ(D.V2.x, before.V2.x);
    EXPECT_EQ(D.VTransformation.x, 0.0);
}

// A linear dimension from (0, 0) to (30, 40) measures along its orientation (unit vector X, Y):
// its own link, a link of length 50 projected onto it, a diameter of 20 laid across it.
struct TOrientationCase {
    const char* Name;
    tvapi::tvLineDimensionOrientationEnum Orientation;
    double Angle, X, Y;
};

void PrintTo(const TOrientationCase& c, std::ostream* os)
{
    *os << c.Name;
}

class TMeasuringDirectionTest : public TDimensionCaptureTest,
                                public testing::WithParamInterface<TOrientationCase> {};

TEST_P(TMeasuringDirectionTest, LinearDimensionMeasuresAlongItsOrientation)
{
    const TOrientationCase& t = GetParam();
    const tvapi::IDrawingObjectPtr dim = LinearAt(t.Angle, 0, 0, 30, 40);
    tvapi::ILineDimensionPtr(dim)->SetOrientation(t.Orientation);
    const double length = 30 * t.X + 40 * t.Y;
    TDimension own, projected, diameter;
    own.SetLDim(FacadeChainHost(), dim, {});
    projected.SetLDim(FacadeChainHost(), Linear(0, 0, 30, 40), {});
    projected.SetProjectionOn(FacadeChainHost(), dim);
    diameter.SetDDim(FacadeChainHost(), Circle(true, 0, 0, 10), dim);
    for (const TDimension* D : {&own, &projected}) {
        EXPECT_NEAR(D->V2.x, length * t.X, 1e-12);
        EXPECT_NEAR(D->V2.y, length * t.Y, 1e-12);
    }
    EXPECT_NEAR(diameter.V2.x, -20 * t.Y, 1e-12);
    EXPECT_NEAR(diameter.V2.y, 20 * t.X, 1e-12);
}

INSTANTIATE_TEST_SUITE_P(
    Orientations, TMeasuringDirectionTest,
    testing::Values(TOrientationCase{"HorizontalWithAnAngleLeftOver", tvapi::tvLinDHorizontal, 1.0, 1, 0},
                    TOrientationCase{"VerticalAtAngleZero", tvapi::tvLinDVertical, 0, 0, 1},
                    TOrientationCase{"ParallelAtItsAngle", tvapi::tvLinDParallel, std::numbers::pi / 2, 0,
                                     1}),
    [](const testing::TestParamInfo<TOrientationCase>& p) { return std::string(p.param.Name); });

TEST_F(TDimensionCaptureTest, DerivativeLinksOfRadialDimension)
{
    TDimension radial;
    radial.SetRDim(FacadeChainHost(), Circle(false, 10, 10, 5), {});
    ASSERT_DOUBLE_EQ(radial.Nominal, 5.0);
    const tvapi::IDrawingObjectPtr chord = Segment(0, 0, 1, 0);
    const Real expected[][5] = {
        {10, 15, 5, 5, 1}, // P1.x, P2.x, V2.x, Nominal, N
        {5, 10, 5, 5, 2},
        {5, 15, 10, 10, 3},
    };
    for (const auto& e : expected) {
        SCOPED_TRACE(e[4]);
        TDimension D;
        ASSERT_TRUE(D.SetDerivative(FacadeChainHost(), radial, int(e[4]), chord));
        EXPECT_DOUBLE_EQ(D.P1.x, e[0]);
        EXPECT_DOUBLE_EQ(D.P2.x, e[1]);
        EXPECT_DOUBLE_EQ(D.V2.x, e[2]);
        EXPECT_DOUBLE_EQ(D.Nominal, e[3]);
        EXPECT_EQ(D.Type, tvapi::tvDrLDimension);
        EXPECT_FALSE(D.Obj);
        EXPECT_TRUE(D.PearentObj == radial.Obj);
    }
    TDimension bad;
    EXPECT_FALSE(bad.SetDerivative(FacadeChainHost(), radial, 4, chord));
    EXPECT_FALSE(bad.SetDerivative(FacadeChainHost(), radial, 1, {}));
}

TEST_F(TDimensionCaptureTest, DerivativeLinksOfDiametralDimensionHalveTheNominal)
{
    TDimension diametral;
    diametral.SetDDim(FacadeChainHost(), Circle(true, 0, 0, 5), {});
    ASSERT_DOUBLE_EQ(diametral.Nominal, 10.0);
    const tvapi::IDrawingObjectPtr chord = Segment(0, 0, 0, 3);
    TDimension one, three;
    ASSERT_TRUE(one.SetDerivative(FacadeChainHost(), diametral, 1, chord));
    ASSERT_TRUE(three.SetDerivative(FacadeChainHost(), diametral, 3, chord));
    EXPECT_DOUBLE_EQ(one.Nominal, 5.0);
    EXPECT_DOUBLE_EQ(three.Nominal, 10.0);
    EXPECT_DOUBLE_EQ(three.V2.y, 10.0);
}

TEST_F(TDimensionCaptureTest, RecapturedLinkEqualsStoredOne)
{
    const tvapi::IDrawingObjectPtr dim = Linear(0, 0, 40, 0, 0.1, -0.1);
    TDimension a, b;
    a.SetLDim(FacadeChainHost(), dim, {});
    b.SetLDim(FacadeChainHost(), dim, {});
    EXPECT_TRUE(a == b);
    std::vector<Byte> bytes;
    a.to(bytes);
    TDimension back;
    back.from(bytes);
    EXPECT_TRUE(back == a);
}

} // namespace
