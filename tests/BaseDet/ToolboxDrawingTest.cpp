// The toolbox's angle section, collared bushing and gear rims: what they ask the modeller to
// draw, their dimension sides, halves and hatches, the tooth pitch of both gear kinds and the
// sizes they refuse.

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "ComponentRecorder.h"
#include "MathDetailsl.h"

namespace {

using TArgs = std::vector<std::string>;

double D(const std::string& s)
{
    return std::stod(s);
}

class TToolboxDrawingTest : public testing::Test {
protected:
    // Every drawn line end and arc end outside the axis style keeps to one side of the axis.
    bool AllOnSide(double sign) const
    {
        for (const TRecordedCall& c : M.Calls)
            if (c.Name == "drLine" && std::stoi(c.Args[4]) != 3 &&
                (D(c.Args[1]) * sign < -1e-9 || D(c.Args[3]) * sign < -1e-9))
                return false;
        return true;
    }

    TComponentRecorder M;
    TCommonGeometry G{M};
};

TEST_F(TToolboxDrawingTest, CornerIsOneMacroWithLegDimensionsOnTheSideItsTurnAsks)
{
    G.dr2D_Corner_V1(0, 0, 0, 1, 40, 30, 4, 3, 2, 1, false);
    const std::vector<std::string> names = M.Names();
    ASSERT_GE(names.size(), 3u);
    EXPECT_EQ(names.front(), "drMacro2D");
    EXPECT_EQ(names.back(), "drEndMacro");
    EXPECT_TRUE(M.OutlineClosed());
    EXPECT_EQ(M.CountOf("drArc"), 3u); // both leg ends and the inner fillet

    M.ClearJournal();
    G.dr2D_Corner_V1(0, 0, 0, 1, 40, 30, 4, 3, 2, 1, true);
    EXPECT_EQ(M.ArgsOf("drDimVL"),
              (std::vector<TArgs>{{"30", "-5", "1", "0", "0", "0", "30", "\"\"", "\"*\"", "\"\""}}));
    EXPECT_EQ(M.ArgsOf("drDimHL"),
              (std::vector<TArgs>{{"40", "-12", "1", "0", "0", "40", "0", "\"\"", "\"*\"", "\"\""}}));
    M.ClearJournal();
    G.dr2D_Corner_V1(0, 0, 180, 1, 40, 30, 4, 3, 2, 1, true);
    EXPECT_EQ(M.ArgsOf("drDimVL")[0][1], "12");
    EXPECT_EQ(M.ArgsOf("drDimHL")[0][1], "5");
    M.ClearJournal();
    G.dr2D_Corner_V1(0, 0, 179.9, 1, 40, 30, 4, 3, 2, 1, true);
    EXPECT_EQ(M.ArgsOf("drDimVL")[0][1], "-5");
    EXPECT_EQ(M.ArgsOf("drDimHL")[0][1], "-12");
    EXPECT_EQ(M.Depth(), 0);

    M.ClearJournal(); // leg ends rounder than the wall: sharp corners there, still closed
    G.dr2D_Corner_V1(0, 0, 0, 1, 40, 30, 4, 3, 6, 1, false);
    EXPECT_TRUE(M.OutlineClosed());
    EXPECT_EQ(M.CountOf("drArc"), 1u);
}

TEST_F(TToolboxDrawingTest, BushingHalvesAndHatchFollowTheTensDigit)
{
    // Bore 5, body 8, collar 12 over 6, length 40; ck 0 puts the flat groove at 35.
    G.dr2D_Vtulka_V1(0, 0, 0, 1, 5, 8, 12, 6, 40, 20, 0, 12, false);
    EXPECT_EQ(M.CountOf("drHatch"), 1u);
    EXPECT_EQ(M.CountOf("drEndObj"), 1u);
    EXPECT_TRUE(AllOnSide(1));
    bool groove = false;
    for (const TArgs& a : M.ArgsOf("drLine"))
        groove |= a[2] == "35" && a[3] == "8" && a[0] == "9";
    EXPECT_TRUE(groove) << "the body runs from the undercut to x59 - 5";
    EXPECT_EQ(M.Depth(), 0);

    M.ClearJournal();
    G.dr2D_Vtulka_V1(0, 0, 0, 1, 5, 8, 12, 6, 40, 20, 0.5, 21, false);
    EXPECT_EQ(M.CountOf("drHatch"), 1u);
    EXPECT_TRUE(AllOnSide(-1));
    bool vee = false;
    for (const TArgs& a : M.ArgsOf("drLine"))
        vee |= a[0] == "19.5" && a[1] == "-8" && a[2] == "20" && a[3] == "-7.5";
    EXPECT_TRUE(vee) << "the marking groove at y68 when ck is not 0";

    M.ClearJournal();
    G.dr2D_Vtulka_V1(0, 0, 0, 1, 5, 8, 12, 6, 40, 20, 0.5, 1, false);
    EXPECT_EQ(M.CountOf("drHatch"), 1u);
    EXPECT_FALSE(AllOnSide(1));
    EXPECT_FALSE(AllOnSide(-1));

    M.ClearJournal();
    G.dr2D_Vtulka_V1(0, 0, 0, 1, 5, 8, 12, 6, 40, 20, 0.5, 0, false);
    EXPECT_EQ(M.CountOf("drHatch"), 0u); // a sketch contour: no hatch
    EXPECT_TRUE(M.OutlineClosed());
}

// The arcs of one tooth pitch of a wheel drawn at its origin, in call order.
std::vector<TArgs> Arcs(const TComponentRecorder& M)
{
    return M.ArgsOf("drArc");
}

TEST_F(TToolboxDrawingTest, ExternalGearPitchJoinsTheNextCopy)
{
    G.dr2D_GearsWheel_Ext_V2(0, 0, 0, 1, 2, 20, 0.5, 1, false);
    EXPECT_EQ(M.Depth(), 0);
    std::size_t tips = 0, flanks = 0;
    const double rho = std::sqrt(20.0 * 20 - 18.5 * 18.5); // PT is tangent to the circle of 18.5
    for (const TArgs& a : Arcs(M)) {
        tips += std::abs(D(a[2]) - 22) < 1e-6;
        flanks += std::abs(D(a[2]) - rho) < 1e-6;
    }
    EXPECT_EQ(tips, 20u);
    EXPECT_EQ(flanks, 40u);
    const TArgs first = Arcs(M).front(); // the first flank, foot on 18.5, tip on 22
    EXPECT_NEAR(std::hypot(D(first[0]), D(first[1])), 18.5, 1e-6);
    EXPECT_NEAR(std::hypot(D(first[3]), D(first[4])), 18.5, 1e-6);
    EXPECT_NEAR(std::hypot(D(first[5]), D(first[6])), 22, 1e-6);
    EXPECT_EQ(first[7], "-1");
    // The pitch ends where the next copy, turned back by 18 degrees, begins.
    const std::size_t perTooth = M.Calls.size() / 20;
    ASSERT_EQ(M.Calls.size(), perTooth * 20);
    const TRecordedCall& last = M.Calls[perTooth - 1];
    const std::size_t n = last.Args.size();
    const double ex = D(last.Args[last.Name == "drArc" ? 5 : n - 3]);
    const double ey = D(last.Args[last.Name == "drArc" ? 6 : n - 2]);
    const double start = std::atan2(D(first[4]), D(first[3])) * 180 / M_PI;
    EXPECT_NEAR(std::hypot(ex, ey), 18.5, 1e-6);
    EXPECT_NEAR(std::atan2(ey, ex) * 180 / M_PI, start - 18, 1e-6);
}

TEST_F(TToolboxDrawingTest, InternalGearHasItsRadiiAndTwoMarks)
{
    G.dr2D_GearsWheel_Int_V2(0, 0, 0, 1, 2, 20, 0.5, 1, false);
    std::size_t tips = 0;
    for (const TArgs& a : Arcs(M))
        tips += std::abs(D(a[2]) - 18) < 1e-6;
    EXPECT_EQ(tips, 20u);
    const TArgs first = Arcs(M).front();
    EXPECT_NEAR(std::hypot(D(first[0]), D(first[1])), 21.5, 1e-6); // T on the construction circle
    EXPECT_NEAR(std::hypot(D(first[3]), D(first[4])), 21.5, 1e-6);
    EXPECT_NEAR(std::hypot(D(first[5]), D(first[6])), 18, 1e-6);
    EXPECT_EQ(first[7], "1");
    const auto circles = M.ArgsOf("drCircle");
    ASSERT_EQ(circles.size(), 2u);
    EXPECT_EQ(circles[0], (TArgs{"0", "20", "1", "3"}));
    EXPECT_EQ(TArgs(circles[1].begin(), circles[1].begin() + 2), TArgs(first.begin(), first.begin() + 2));
    EXPECT_EQ(M.Depth(), 0);
}

TEST_F(TToolboxDrawingTest, GearsRefuseTeethAndModulesOutOfRange)
{
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const double inf = std::numeric_limits<double>::infinity();
    for (const auto& [m, z] : {std::pair{2.0, 2.0},
                               {2.0, 1001.0},
                               {0.0, 20.0},
                               {-1.0, 20.0},
                               {nan, 20.0},
                               {inf, 20.0},
                               {2.0, nan}}) {
        SCOPED_TRACE(testing::Message() << "m " << m << " z " << z);
        G.dr2D_GearsWheel_Ext_V2(0, 0, 0, 1, m, z, 0.5, 1, false);
        G.dr2D_GearsWheel_Int_V2(0, 0, 0, 1, m, z, 0.5, 1, false);
        EXPECT_TRUE(M.Calls.empty());
        EXPECT_EQ(M.Depth(), 0);
    }
    G.dr2D_GearsWheel_Ext_V2(0, 0, 0, 1, 2, 3, 0.5, 1, false); // the fewest teeth still draw
    EXPECT_FALSE(M.Calls.empty());
}

} // namespace
