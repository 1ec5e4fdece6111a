// The metric thread list: every listed size's own coarse pitch and tap drill, a fine thread's
// drill at d - P, and a size the list does not hold told and given no figure.

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>

#include "MetricFigures.h"
#include "RefusalFixture.h"

namespace {

constexpr double Unset = std::numeric_limits<double>::quiet_NaN();

struct TThreadCase {
    const char* Label;
    double d, Pitch; // Pitch Unset: the coarse one
    double Coarse;   // the list's coarse pitch; Unset when d is not listed
    double Drill;    // Unset: refused
};

void PrintTo(const TThreadCase& c, std::ostream* os)
{
    *os << c.Label;
}

class TMetricThreadTest : public TComponentHostFixture, public testing::WithParamInterface<TThreadCase> {};

TEST_P(TMetricThreadTest, TapDrillIsTheListsOwnOrRefused)
{
    const TThreadCase& c = GetParam();
    ScriptAnswers({tvapi::tvButtonOk});
    Journal().Clear();
    const double pitch = std::isnan(c.Pitch) ? MetricFigures(c.d).Pitch : c.Pitch;
    const double drill = TapDrill(c.d, pitch);
    const size_t told = Journal().Calls("IApplication::ShowMessageBox").size();
    if (std::isnan(c.Coarse)) {
        EXPECT_EQ(MetricThread(c.d), nullptr);
    } else {
        ASSERT_NE(MetricThread(c.d), nullptr);
        EXPECT_DOUBLE_EQ(MetricThread(c.d)->Pitch, c.Coarse);
    }
    if (std::isnan(c.Drill)) {
        EXPECT_TRUE(std::isnan(drill)) << drill;
        EXPECT_GE(told, 1u);
    } else {
        EXPECT_DOUBLE_EQ(drill, c.Drill);
        EXPECT_EQ(told, 0u);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Sizes, TMetricThreadTest,
    testing::Values(TThreadCase{"M1", 1, Unset, 0.25, 0.75}, TThreadCase{"M2", 2, Unset, 0.4, 1.6},
                    TThreadCase{"M2_5", 2.5, Unset, 0.45, 2.05}, TThreadCase{"M7", 7, Unset, 1, 6.0},
                    TThreadCase{"M18", 18, Unset, 2.5, 15.5}, TThreadCase{"M22", 22, Unset, 2.5, 19.5},
                    TThreadCase{"M27", 27, Unset, 3, 24}, TThreadCase{"M36", 36, Unset, 4, 32},
                    TThreadCase{"M64", 64, Unset, 6, 58}, TThreadCase{"M16x1_5Fine", 16, 1.5, 2, 14.5},
                    TThreadCase{"M7x0_75Fine", 7, 0.75, 1, 6.25},
                    TThreadCase{"M7_5NotListed", 7.5, 1, Unset, Unset},
                    TThreadCase{"M0_5BelowTheList", 0.5, 0.125, Unset, Unset},
                    TThreadCase{"M68PastTheList", 68, 6, Unset, Unset},
                    TThreadCase{"Zero", 0, 0, Unset, Unset}, TThreadCase{"Negative", -10, 1.5, Unset, Unset},
                    TThreadCase{"NaN", Unset, 1, Unset, Unset}, TThreadCase{"Huge", 1e9, 1, Unset, Unset},
                    TThreadCase{"PitchPastTheThread", 10, 12, 1.5, Unset}),
    [](const testing::TestParamInfo<TThreadCase>& i) { return std::string(i.param.Label); });

} // namespace
