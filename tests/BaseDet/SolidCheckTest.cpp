// A part is saved only as the solid its builder makes: sizes that pass the kind-by-kind rules
// and still make no body are refused at the save, told with the sizes the kind reads, and leave
// no file behind.

#include <gtest/gtest.h>

#include <limits>
#include <string>
#include <vector>

#include "BaseDetail.h"
#include "RefusalFixture.h"
#include "drModelerAPI.h"

namespace {

constexpr double NaN = std::numeric_limits<double>::quiet_NaN();

struct TEmptyCase {
    const char* Label;
    int Kind;
    std::vector<double> P;
    const char* Told;
};

void PrintTo(const TEmptyCase& c, std::ostream* os)
{
    *os << c.Label;
}

class TEmptyPartTest : public TRefusalTest, public testing::WithParamInterface<TEmptyCase> {};

TEST_P(TEmptyPartTest, IsRefusedAtTheSave)
{
    const TEmptyCase& c = GetParam();
    std::vector<double> P = c.P;
    P.resize(13, 0.0);
    TString path((Dir.string() + "/").c_str()), name("refused"), marking("");
    ExpectRefused([&] { return drBaseDetail(drApi::MA, path, name, marking, c.Kind, 0, P.data(), false); },
                  c.Told);
}

INSTANTIATE_TEST_SUITE_P(
    Sizes, TEmptyPartTest,
    testing::Values(
        TEmptyCase{"BoltThreadLength0",
                   32,
                   {0, 50, 10, 0, 0, 6.4, 0, 0, 16},
                   "refused (32: 50.00 10.00 0.00 0.00 6.40 0.00 0.00 16.00 0.00 0.00 0.00)"},
        TEmptyCase{"BoltThreadLength78",
                   32,
                   {0, 50, 10, 78, 0, 6.4, 0, 0, 16},
                   "refused (32: 50.00 10.00 78.00 0.00 6.40 0.00 0.00 16.00 0.00 0.00 0.00)"},
        TEmptyCase{"SetScrewHead0_8", 22, {0, 8, 30, 12, 0.8, 4}, "refused (22: 8.00 30.00 12.00 0.80 4.00)"},
        TEmptyCase{"CrossScrewHead0_6",
                   35,
                   {0, 8, 30, 0, 0, 12, 0.6, 0, 0, 0, 0, 6, 2},
                   "refused (35: 8.00 30.00 0.00 0.00 12.00 0.60 0.00 0.00 0.00 0.00 6.00 2.00)"},
        TEmptyCase{"LeaderPinCollar18",
                   6,
                   {0, 20, 20, 28, 18, 4, 6, 100},
                   "refused (6: 20.00 20.00 28.00 18.00 4.00 6.00 100.00)"},
        TEmptyCase{"BushingP6Zero",
                   2,
                   {0, 16, 25, 32, 6, 4, 0, 40},
                   "refused (2: 16.00 25.00 32.00 6.00 4.00 0.00 40.00)"},
        TEmptyCase{"EjectorRodP2_30",
                   20,
                   {0, 20, 30, 16, 15, 15, 10, 100},
                   "refused (20: 20.00 30.00 16.00 15.00 15.00 10.00 100.00)"},
        TEmptyCase{"SprueP7Zero",
                   14,
                   {0, 0, 50, 8, 0, 4, 45, 0},
                   "refused (14: 0.00 50.00 8.00 0.00 4.00 45.00 0.00)"},
        TEmptyCase{"CapScrewThreadNaN",
                   33,
                   {0, 8, 30, NaN, 0, 13, 8, 6, 0, 0, 4, 0, 0.4},
                   "refused (33: 8.00 30.00 nan 0.00 13.00 8.00 6.00 0.00 0.00 4.00 0.00 0.40)"},
        TEmptyCase{"SlottedScrewThreadNaN",
                   34,
                   {0, 8, 30, 0, 0, 13, 8, NaN},
                   "refused (34: 8.00 30.00 0.00 0.00 13.00 8.00 nan)"}),
    [](const testing::TestParamInfo<TEmptyCase>& i) { return std::string(i.param.Label); });

} // namespace
