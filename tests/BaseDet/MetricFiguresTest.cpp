// The metric thread list: every listed size's own coarse pitch and tap drill, a fine thread's
// drill at d - P for a pitch of the fine series, any other pair or a size the list does not
// hold told and given no figure; and each listed thread's own fastener figures.

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>
#include <utility>

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
    testing::Values(
        TThreadCase{"M1", 1, Unset, 0.25, 0.75}, TThreadCase{"M2", 2, Unset, 0.4, 1.6},
        TThreadCase{"M2_5", 2.5, Unset, 0.45, 2.05}, TThreadCase{"M7", 7, Unset, 1, 6.0},
        TThreadCase{"M18", 18, Unset, 2.5, 15.5}, TThreadCase{"M22", 22, Unset, 2.5, 19.5},
        TThreadCase{"M27", 27, Unset, 3, 24}, TThreadCase{"M36", 36, Unset, 4, 32},
        TThreadCase{"M64", 64, Unset, 6, 58}, TThreadCase{"M16x1_5Fine", 16, 1.5, 2, 14.5},
        TThreadCase{"M7x0_75Fine", 7, 0.75, 1, 6.25}, TThreadCase{"M7_5NotListed", 7.5, 1, Unset, Unset},
        TThreadCase{"M0_5BelowTheList", 0.5, 0.125, Unset, Unset},
        TThreadCase{"M68PastTheList", 68, 6, Unset, Unset}, TThreadCase{"Zero", 0, 0, Unset, Unset},
        TThreadCase{"Negative", -10, 1.5, Unset, Unset}, TThreadCase{"NaN", Unset, 1, Unset, Unset},
        TThreadCase{"Huge", 1e9, 1, Unset, Unset}, TThreadCase{"PitchPastTheThread", 10, 12, 1.5, Unset},
        // Fine threads of the series at diameters with no coarse pitch, and pairs
        // outside it.
        TThreadCase{"M25x1_5", 25, 1.5, Unset, 23.5}, TThreadCase{"M28x2", 28, 2, Unset, 26},
        TThreadCase{"M28x1_5", 28, 1.5, Unset, 26.5}, TThreadCase{"M32x1_5", 32, 1.5, Unset, 30.5},
        TThreadCase{"M40x3", 40, 3, Unset, 37}, TThreadCase{"M11x0_75", 11, 0.75, Unset, 10.25},
        TThreadCase{"M28x27", 28, 27, Unset, Unset}, TThreadCase{"M32x3", 32, 3, Unset, Unset},
        TThreadCase{"M28NoPitch", 28, 0, Unset, Unset}, TThreadCase{"M16x1_25NotFine", 16, 1.25, 2, Unset},
        TThreadCase{"M7x1_5NotFine", 7, 1.5, 1, Unset}),
    [](const testing::TestParamInfo<TThreadCase>& i) { return std::string(i.param.Label); });

// Each listed thread's fastener figures are its own row's, by ISO 273, ISO 4762 and DIN 912;
// where a standard has no row the figure is missing.
struct TFastenerCase {
    const char* Label;
    double d, Clearance, HeadD, HeadK, Socket, SocketDepth; // Unset: no figure
};

void PrintTo(const TFastenerCase& c, std::ostream* os)
{
    *os << c.Label;
}

class TFastenerFiguresTest : public TComponentHostFixture,
                             public testing::WithParamInterface<TFastenerCase> {};

TEST_P(TFastenerFiguresTest, FiguresAreTheThreadsOwnRow)
{
    const TFastenerCase& c = GetParam();
    const TMetricFigures f = MetricFigures(c.d);
    const std::pair<double, double> figures[] = {{f.Clearance, c.Clearance},
                                                 {f.HeadD, c.HeadD},
                                                 {f.HeadK, c.HeadK},
                                                 {f.Socket, c.Socket},
                                                 {f.SocketDepth, c.SocketDepth}};
    for (const auto& [got, standard] : figures)
        if (std::isnan(standard))
            EXPECT_TRUE(std::isnan(got)) << got;
        else
            EXPECT_DOUBLE_EQ(got, standard);
    EXPECT_TRUE(Journal().Calls("IApplication::ShowMessageBox").empty());
}

INSTANTIATE_TEST_SUITE_P(
    Threads, TFastenerFiguresTest,
    testing::Values(
        TFastenerCase{"M1_6", 1.6, 1.7, 3, 1.6, 1.5, 0.7}, TFastenerCase{"M16", 16, 17, 24, 16, 14, 8},
        TFastenerCase{"M18", 18, 19, 27, 18, 14, 9}, TFastenerCase{"M20", 20, 21, 30, 20, 17, 10},
        TFastenerCase{"M22", 22, 23, 33, 22, 17, 11}, TFastenerCase{"M24", 24, 25, 36, 24, 19, 12},
        TFastenerCase{"M27", 27, 28, 40, 27, 19, 13.5}, TFastenerCase{"M30", 30, 31, 45, 30, 22, 15.5},
        TFastenerCase{"M33", 33, 34, 50, 33, 24, 18}, TFastenerCase{"M48", 48, 50, 72, 48, 36, 28},
        TFastenerCase{"M7NoCapScrew", 7, 7.4, Unset, Unset, Unset, Unset},
        TFastenerCase{"M39NoCapScrew", 39, 40, Unset, Unset, Unset, Unset},
        TFastenerCase{"M2_2NoRow", 2.2, Unset, Unset, Unset, Unset, Unset}),
    [](const testing::TestParamInfo<TFastenerCase>& i) { return std::string(i.param.Label); });

} // namespace
