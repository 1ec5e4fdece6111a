// The sprue bushing: shank and channel from the worked sizes, the section's dimensions and
// texts, the halves its line code draws, the sheet's view and requirements, and the part: the
// hollow revolved section, by volume.

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

#include "ComponentHostFixture.h"
#include "ComponentRecorder.h"
#include "ComponentShapes.h"
#include "MathDetail2.h"
#include "TDemStr.h"

namespace {

using TArgs = std::vector<std::string>;

double D(const std::string& s)
{
    return std::stod(s);
}

struct TSizes {
    double SR, t, Rc, Rf, F, L, H, S;
};
constexpr TSizes Short{12, 2, 25, 12.5, 45, 60, 8, 5};
constexpr TSizes Long{20, 3, 35, 18, 180, 205, 12, 5};

void Draw(const TInjectPlug& p, const TSizes& s, int tl, bool isSize)
{
    p.dr2D_V1(0, 0, 0, 1.0, s.SR, s.t, s.Rc, s.Rf, s.F, s.L, s.H, s.S, tl, isSize, 3.0);
}

class TInjectPlugTest : public testing::Test {
protected:
    TComponentRecorder M;
    TInjectPlug P{7, &M, TConstruktor::Empty()};

    // Where the channel's line, from the orifice at (-S, t), meets the parting-plane end.
    double ChannelExit(const TSizes& s) const
    {
        for (const TArgs& a : M.ArgsOf("drLine"))
            if (D(a[0]) == -s.S && D(a[1]) == s.t && D(a[2]) < -s.S) {
                const double slope = (D(a[3]) - s.t) / (D(a[2]) + s.S);
                return s.t + slope * (s.S - s.L);
            }
        return -1;
    }
};

TEST_F(TInjectPlugTest, ShankAndChannelFollowTheWorkedSizes)
{
    Draw(P, Short, 1, true);
    // Rs = max(8, 2 + 2 + 55 tan 3) = 8; Rch = 2 + 55 tan 1.5.
    EXPECT_EQ(M.ArgsOf("drDimVL2")[2][0], "16");
    EXPECT_NEAR(ChannelExit(Short), 3.440, 5e-4);
    M.ClearJournal();
    Draw(P, Long, 1, true);
    EXPECT_NEAR(D(M.ArgsOf("drDimVL2")[2][0]) / 2, 15.48, 5e-3);
    EXPECT_NEAR(ChannelExit(Long), 8.237, 5e-4);
    // A channel of 20 degrees would leave less than 2.1 of wall: it stops at Rs - 2.1.
    M.ClearJournal();
    const TSizes s = Short;
    P.dr2D_V1(0, 0, 0, 1.0, s.SR, s.t, s.Rc, s.Rf, s.F, s.L, s.H, s.S, 0, false, 20.0);
    EXPECT_NEAR(ChannelExit(Short), 8 - 2.1, 1e-9);
}

TEST_F(TInjectPlugTest, SectionCarriesItsDimensionsTextsAndMarks)
{
    Draw(P, Short, 1, true);
    const auto hl = M.ArgsOf("drDimHL");
    ASSERT_EQ(hl.size(), 4u);
    EXPECT_EQ(hl[0], (TArgs{"5", "-32", "1", "-5", "0", "0", "-12.5", "\"\"", "\"H14\"", "\"\""}));
    EXPECT_EQ(hl[1], (TArgs{"60", "-44", "1", "-60", "-8", "0", "-12.5", "\"\"", "\"h8\"", "\"\""}));
    EXPECT_EQ(hl[2], (TArgs{"45", "22", "1", "-60", "8", "-15", "25", "\"\"", "\"f9\"", "\"\""}));
    EXPECT_EQ(hl[3], (TArgs{"8", "45", "1", "-7", "25", "-15", "25", "\"\"", "\"h6\"", "\"\""}));
    const auto vl = M.ArgsOf("drDimVL2");
    ASSERT_EQ(vl.size(), 4u);
    // Pt = round(12.5 - 2) + 1 = 12; round(25 - 8) + 10 = 27.
    EXPECT_EQ(vl[0], (TArgs{"4", "32", "12", "-5", "-2", "-5", "2", "\"&02\"", "\"H11\"", "\"\""}));
    EXPECT_EQ(vl[1], (TArgs{"25", "44", "1", "0", "-12.5", "0", "12.5", "\"&02\"", "\"f9\"", "\"\""}));
    EXPECT_EQ(vl[2], (TArgs{"16", "-30", "27", "-60", "-8", "-60", "8", "\"&02\"", "\"n6\"", "\"\""}));
    EXPECT_EQ(vl[3], (TArgs{"50", "-87", "1", "-15", "-25", "-15", "25", "\"&02\"", "\"h14\"", "\"\""}));
    const auto rpp = M.ArgsOf("drDimRpp");
    ASSERT_EQ(rpp.size(), 3u);
    EXPECT_EQ(rpp[0], (TArgs{"12", "1", "-5", "2", "10", "27.5", "1", "\"R\"", "\"\"",
                             recording::QuotedUtf8(TString("&03~0,2 сфера"))}));
    EXPECT_EQ(rpp[1][3], "-3.285039344"); // -(60 - 45) sin 3 - 2 - 0.5
    EXPECT_EQ(rpp[2], (TArgs{"3", "-1", "-16", "9", "-17", "27", "1", "\"R\"", "\"\"", "\"*\""}));
    // The cone's apex lies t / tan 1.5 - S along the axis.
    const double half = 1.5 * std::numbers::pi / 180, apex = 2 / std::sin(half);
    const auto apc = M.ArgsOf("drDimApc");
    ASSERT_EQ(apc.size(), 1u);
    EXPECT_EQ(D(apc[0][0]), 3.0);
    EXPECT_EQ(D(apc[0][1]), 181.5);
    EXPECT_NEAR(D(apc[0][2]), apex + 78, 1e-6);
    EXPECT_NEAR(D(apc[0][3]), apex, 1e-6);
    EXPECT_NEAR(D(apc[0][5]), 2 / std::tan(half) - 5, 1e-6);
    const auto rough = M.ArgsOf("drRough");
    ASSERT_EQ(rough.size(), 5u);
    EXPECT_EQ(rough[0], (TArgs{"-60", "29", "180", "0", "\"0,2\"", "\"\"", "\"\""}));
    EXPECT_EQ(rough[3], (TArgs{"-93", "25", "90", "0", "\"6,3\"", "\"\"", "\"\""}));
    const double lean = std::atan2(27.5 - 2, 15.0) * 180 / std::numbers::pi + 90;
    EXPECT_NEAR(D(rough[4][2]), lean, 1e-6);
    // The full section: both halves, one hatch over both, the seat seen through the orifice.
    EXPECT_EQ(M.ArgsOf("drHatch"), (std::vector<TArgs>{{"0", "45", "3"}}));
    EXPECT_EQ(M.CountOf("drEndObj"), 1u);
    const double xc = std::sqrt(140.0) - 5;
    bool seat = false;
    for (const TArgs& a : M.ArgsOf("drArc"))
        seat |= a[3] == "-5" && a[4] == "2" && a[5] == "-5" && a[6] == "-2" && std::abs(D(a[0]) - xc) < 1e-6;
    EXPECT_TRUE(seat);
    EXPECT_EQ(M.Depth(), 0);
}

TEST_F(TInjectPlugTest, LineCodeChoosesTheHalves)
{
    Draw(P, Short, 0, false);
    EXPECT_TRUE(M.OutlineClosed());
    EXPECT_EQ(M.LinesInStyle(3), 1u);
    EXPECT_EQ(M.ArgsOf("drLine")[0], (TArgs{"-62", "0", "2", "0", "3"}));
    EXPECT_EQ(M.CountOf("drHatch") + M.CountOf("drDimHL") + M.CountOf("drRough"), 0u);
    // The revolved section is hollow: nothing of the outline reaches the axis.
    for (const TArgs& a : M.ArgsOf("drLine")) {
        if (a[4] == "3") continue;
        EXPECT_GT(std::min(D(a[1]), D(a[3])), 1.9) << a[0] << " " << a[2];
    }
    for (int tl : {11, 21}) {
        SCOPED_TRACE(tl);
        M.ClearJournal();
        Draw(P, Short, tl, true);
        EXPECT_EQ(M.CountOf("drHatch"), 0u);
        const double side = tl == 11 ? 1 : -1;
        for (const TArgs& a : M.ArgsOf("drLine")) {
            if (a[4] == "3") continue;
            EXPECT_GE(std::min(side * D(a[1]), side * D(a[3])), -1e-9);
        }
    }
    M.ClearJournal();
    Draw(P, {12, 2, 25, 12.5, 45, 0, 8, 5}, 1, true);
    EXPECT_EQ(M.Calls.size(), 0u);
    // A channel without an opening angle draws nothing rather than dividing by sin 0.
    for (double angle : {0.0, -3.0, std::nan("")}) {
        P.dr2D_V1(0, 0, 0, 1.0, Short.SR, Short.t, Short.Rc, Short.Rf, Short.F, Short.L, Short.H, Short.S, 1,
                  true, angle);
        EXPECT_EQ(M.Calls.size(), 0u) << angle;
    }
}

TEST_F(TInjectPlugTest, SheetOpensBelowTheCollarWithFourRequirements)
{
    P.SphereRadius = 12, P.TPARadius = 2, P.CollarRadius = 30.5, P.BFitRadius = 12.5, P.FitLen = 45;
    P.Len = 60, P.CollarHeight = 8, P.SphereLen = 5;
    P.dr2D();
    EXPECT_EQ(M.Texts().front(), "drLeafStampView1(7, 0, 60, -51, true)");
    const auto lines = M.ArgsOf("drStringObj");
    ASSERT_EQ(lines.size(), 4u);
    EXPECT_EQ(lines[0][0], recording::QuotedUtf8(TString("1.") + TDemStr[6]));
    EXPECT_EQ(lines[1][0], recording::QuotedUtf8(TString("2.") + TDemStr[3]));
    EXPECT_EQ(lines[2][0], recording::QuotedUtf8(TString("3.") + TDemStr[36]));
    EXPECT_EQ(lines[3][0], recording::QuotedUtf8(TString("4.") + TDemStr[37]));
    EXPECT_EQ(M.CountOf("drHatch"), 1u);

    M.ClearJournal();
    M.BooleanResult = false;
    P.dr2D();
    P.dr3D(0);
    EXPECT_EQ(M.Names(), (std::vector<std::string>{"drLeafStampView1", "drCreate3DNewPartPlane"}));
}

using TInjectPlugPartTest = TComponentHostFixture;

TEST_F(TInjectPlugPartTest, PartIsTheHollowSectionRevolvedAndTheSheetReopens)
{
    const TDcDetail id = Present("sprue");
    TInjectPlug p(id, &drApi::MA, TConstruktor::Empty());
    const TSizes s = Short;
    p.SphereRadius = s.SR, p.TPARadius = s.t, p.CollarRadius = s.Rc, p.BFitRadius = s.Rf, p.FitLen = s.F;
    p.Len = s.L, p.CollarHeight = s.H, p.SphereLen = s.S;
    p.dr3D(0);
    const std::vector<tvhost::TShape> solids = Shapes(id);
    ASSERT_EQ(solids.size(), 1u);
    EXPECT_TRUE(tvhost::IsValidShape(solids[0]));

    const double pi = std::numbers::pi, Rs = 8, Rch = 2 + 55 * std::tan(1.5 * pi / 180);
    const double h0 = std::sqrt(s.SR * s.SR - s.t * s.t), xc = h0 - s.S;
    const double Rtop = std::sqrt(s.SR * s.SR - xc * xc), F = s.F - s.L;
    const double polygon = shapes::RevolvedVolume({{0, Rtop},
                                                   {-s.S, s.t},
                                                   {-s.L, Rch},
                                                   {-s.L, Rs},
                                                   {F, Rs},
                                                   {F, s.Rc},
                                                   {F + s.H, s.Rc},
                                                   {F + s.H, s.Rf},
                                                   {0, s.Rf}});
    // The seat: the sphere between the orifice and the top face, less the cone under its chord.
    const double cap = pi * (s.SR * s.SR * s.S - (std::pow(-xc, 3) - std::pow(-s.S - xc, 3)) / 3);
    const double cone = pi * s.S * (s.t * s.t + s.t * Rtop + Rtop * Rtop) / 3;
    // The R3 fillet under the collar adds a ring; the R2 at the channel's exit edge, where the
    // end face meets the channel at 91.5 degrees, takes one.
    const double exit = pi / 2 + 1.5 * pi / 180;
    const double expected = polygon - (cap - cone) + shapes::SpandrelRing(3, Rs + shapes::SpandrelOffset(3)) -
                            shapes::SpandrelRing(2, Rch + shapes::SpandrelOffset(2), exit);
    EXPECT_NEAR(tvhost::Volume(solids[0]), expected, 0.3);
    Kept.Reset();

    p.dr2D();
    tvhost::THostDocument2D* sheet = OpenSheet(id);
    ASSERT_NE(sheet, nullptr);
    const shapes::TSheetSummary summary = shapes::Summary(*sheet);
    EXPECT_EQ(summary.Dimensions, 12); // four lengths, four diameters, three radii, the cone's angle
    EXPECT_NE(summary.Requirements.find(Wide(TDemStr[37])), std::wstring::npos);
}

} // namespace
