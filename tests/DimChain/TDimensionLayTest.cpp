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
