// What a command lays on a link: a projection laid again replaces the one before.

#include "TDimension.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>
#include <string>

#include "DrawingLinks.h"
#include "FacadeChainHost.h"

namespace {

// The link 10 +0.2/-0.1 along x with its angle +-0.5 degrees, projected first on one object,
// then on a parallel dimension at 30 degrees: what projecting on that dimension at once gives.
enum class TFirstOn { Dimension60, Segment60 };

struct TRelayCase {
    const char* Name;
    TFirstOn First;
};

void PrintTo(const TRelayCase& c, std::ostream* os)
{
    *os << c.Name;
}

class TProjectionLaidAgainTest : public TDrawingLinksFixture, public testing::WithParamInterface<TRelayCase> {
protected:
    TDimension Link()
    {
        TDimension L;
        L.SetLDim(FacadeChainHost(), Linear(0, 0, 10, 0, 0.2, -0.1), Angle(90, 60, 0.5, -0.5));
        return L;
    }
    tvapi::IDrawingObjectPtr At(double Degrees, bool Dimension)
    {
        const double c = std::cos(Degrees * std::numbers::pi / 180),
                     s = std::sin(Degrees * std::numbers::pi / 180);
        return Dimension ? Linear(c, s, 0, 0) : Segment(0, 0, c, s);
    }
};

TEST_P(TProjectionLaidAgainTest, ReplacesTheOneBefore)
{
    TDimension once = Link();
    once.SetProjectionOn(FacadeChainHost(), At(30, true));
    ASSERT_NEAR(once.V2.Len(), 10 * std::cos(std::numbers::pi / 6), 1e-9);
    TDimension twice = Link();
    twice.SetProjectionOn(FacadeChainHost(), At(60, GetParam().First == TFirstOn::Dimension60));
    ASSERT_NEAR(twice.V2.Len(), 5.0, 1e-9);
    twice.SetProjectionOn(FacadeChainHost(), At(30, true));
    EXPECT_NEAR(twice.V2.Len(), once.V2.Len(), 1e-9);
    EXPECT_NEAR(twice.QHigh, once.QHigh, 1e-12);
    EXPECT_NEAR(twice.QLow, once.QLow, 1e-12);
    EXPECT_FALSE(twice.LoadChange(FacadeChainHost())) << "the record is what the link shows";
}

INSTANTIATE_TEST_SUITE_P(Relays, TProjectionLaidAgainTest,
                         testing::Values(TRelayCase{"DimensionThenDimension", TFirstOn::Dimension60},
                                         TRelayCase{"SegmentThenDimension", TFirstOn::Segment60}),
                         [](const testing::TestParamInfo<TRelayCase>& p) {
                             return std::string(p.param.Name);
                         });

} // namespace

namespace {

// R15 0/-0.01 laid along a line at 30 degrees and projected on a vertical, its angle to that
// line's ray typed as it is measured: 15 sin 30.5 - 7.5 and 14.99 sin 29.75 - 7.5, whichever
// side the angle is measured from.
struct TCircleTurnCase {
    const char* Name;
    double A1, A2, Hi, Lo; // the angle's rays and deviations
};

void PrintTo(const TCircleTurnCase& c, std::ostream* os)
{
    *os << c.Name;
}

class TAngleOnCircleTest : public TDrawingLinksFixture,
                           public testing::WithParamInterface<TCircleTurnCase> {};

TEST_P(TAngleOnCircleTest, TurnsItAsItsGrowthTurnsTheRay)
{
    const TCircleTurnCase& t = GetParam();
    const double c = std::cos(std::numbers::pi / 6), s = std::sin(std::numbers::pi / 6);
    TDimension R;
    R.SetRDim(FacadeChainHost(), Circle(false, 0, 0, 15, 0, -0.01), Segment(0, 0, c, s));
    ASSERT_TRUE(R.BindAngle(FacadeChainHost(), Angle(t.A1, t.A2, t.Hi, t.Lo)));
    R.SetProjectionOn(FacadeChainHost(), Segment(0, 0, 0, 1));
    ASSERT_NEAR(R.V2.Len(), 7.5, 1e-9);
    const double deg = std::numbers::pi / 180;
    EXPECT_NEAR(R.QHigh, 15 * std::sin(30.5 * deg) - 7.5, 1e-9);
    EXPECT_NEAR(R.QLow, 14.99 * std::sin(29.75 * deg) - 7.5, 1e-9);
}

INSTANTIATE_TEST_SUITE_P(Sides, TAngleOnCircleTest,
                         testing::Values(TCircleTurnCase{"FromTheHorizontal", 0, 30, 0.5, -0.25},
                                         TCircleTurnCase{"FromTheVertical", 30, 90, 0.25, -0.5}),
                         [](const testing::TestParamInfo<TCircleTurnCase>& p) {
                             return std::string(p.param.Name);
                         });

} // namespace
