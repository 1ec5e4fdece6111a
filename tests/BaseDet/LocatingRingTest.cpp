// The locating ring and its plate: the section with and without a spigot, its hatched halves
// with their bolt holes, its dimensions and the real count of bolt holes, the plan views of
// ring and plate, the sketch contours, the two sheets and the two parts.

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <numbers>

#include "ComponentCatalogue.h"
#include "ComponentHostFixture.h"
#include "ComponentRecorder.h"
#include "ComponentShapes.h"
#include "MathDetail2.h"
#include "TDemStr.h"

namespace {

using TArgs = std::vector<std::string>;
constexpr double pi = std::numbers::pi;

double D(const std::string& s)
{
    return std::stod(s);
}

bool HasLine(const TComponentRecorder& M, const TArgs& ends)
{
    for (const TArgs& a : M.ArgsOf("drLine"))
        if (TArgs(a.begin(), a.begin() + 4) == ends) return true;
    return false;
}

// Also journals the placements, to tell where a view stands.
class TPlacingRecorder : public TComponentRecorder {
public:
    void drMtr(Real x, Real y, Real Angle, Real Scale) override
    {
        Record("drMtr", {recording::Arg(x), recording::Arg(y), recording::Arg(Angle), recording::Arg(Scale)});
        TComponentRecorder::drMtr(x, y, Angle, Scale);
    }
};

// A ring of radius 50 and thickness 15 with a spigot of 35 x 5, a bore of 18, four bolts
// (radius 3, heads 5.5 x 6.5) on the circle 42, and its column tails on the circle 25.
void Fill(TLocatingRing& r, TColumnTail& tails)
{
    r.Thickness = 15, r.Radius = 50, r.BaseRadius = 35, r.BaseThickness = 5, r.InRadius = 18;
    r.FixRadius = 42, r.PinRadius = 3, r.PinAngle = 10, r.FixBoltRadius = 3, r.FixBoltHeadRadius = 5.5;
    r.FixBoltHeadLen = 6.5, r.CountFix = 4;
    const Real bolts[] = {45, 135, 225, 315, 0};
    std::copy(std::begin(bolts), std::end(bolts), r.FixAngle);
    tails.PlaceRadius = 25, tails.Radius = 4, tails.Count = 4;
    const Real columns[] = {0, 30, 90, 210, 300};
    std::copy(std::begin(columns), std::end(columns), tails.Angle);
}

class TLocatingRingTest : public testing::Test {
protected:
    void SetUp() override { Fill(Ring, Tails); }

    // The section of the ring in the sheet's way: spigot 1 shorter, straight for its first 1.
    void Section(int tl, bool isSize, double B = 35, double t = 1, double a = 45)
    {
        Ring.dr2D_LocatingRing_V1(0, 0, 0, 1.0, B, 50, 18, t, a, 4, 15, 42, 3.5, 5.5, 3, 6.5, tl, isSize);
    }

    TPlacingRecorder M;
    TColumnTail Tails{0, &M, TConstruktor::Empty()};
    TLocatingRing Ring{3, 4, &M, nullptr, &Tails};
};

TEST_F(TLocatingRingTest, SectionOutlineWithAndWithoutASpigot)
{
    Section(0, false);
    EXPECT_TRUE(M.OutlineClosed());
    EXPECT_TRUE(HasLine(M, {"-3", "0", "18", "0"}));
    EXPECT_TRUE(HasLine(M, {"1", "18", "15", "32"}));  // the bore flaring at 45 degrees
    EXPECT_TRUE(HasLine(M, {"15", "49", "13", "50"})); // the nozzle side's chamfer
    EXPECT_TRUE(HasLine(M, {"13", "50", "4", "50"}));  // down to the spigot's step
    EXPECT_TRUE(HasLine(M, {"0", "34.5", "0", "18"})); // the spigot face straight to the bore
    EXPECT_EQ(M.CountOf("drArc"), 1u);                 // the step's inner fillet
    EXPECT_EQ(M.CountOf("drHatch") + M.CountOf("drMacro2D") + M.CountOf("drDimHL"), 0u);

    // A plain ring: the outer cylinder runs to the face, its edge chamfered 0.5; the bore is
    // straight through when the flare is 90 degrees.
    M.ClearJournal();
    Section(0, false, 50, 0, 90);
    EXPECT_TRUE(M.OutlineClosed());
    EXPECT_TRUE(HasLine(M, {"13", "50", "0.5", "50"}));
    EXPECT_TRUE(HasLine(M, {"0.5", "50", "0", "49.5"}));
    EXPECT_TRUE(HasLine(M, {"0", "18", "15", "18"}));
    EXPECT_EQ(M.CountOf("drArc"), 0u);
    EXPECT_EQ(M.Depth(), 0);
}

TEST_F(TLocatingRingTest, EachHalfIsHatchedWithItsBoltHoleCutOut)
{
    // The side (+1 upper, -1 lower) of the outline each hatch takes, in order.
    const auto hatchedSides = [&] {
        std::vector<int> sides;
        bool open = false;
        for (const TRecordedCall& c : M.Calls) {
            if (c.Name == "drHatch") open = true, sides.push_back(0);
            if (c.Name == "drEndObj") open = false;
            if (open && c.Name == "drLine" && sides.back() == 0 && D(c.Args[1]) != 0)
                sides.back() = D(c.Args[1]) > 0 ? 1 : -1;
        }
        return sides;
    };
    Section(31, false);
    EXPECT_EQ(hatchedSides(), (std::vector<int>{1, -1}));
    EXPECT_EQ(M.ArgsOf("drHatch"), (std::vector<TArgs>{{"0", "45", "3"}, {"0", "45", "3"}}));
    EXPECT_EQ(M.CountOf("drMacro2D"), 2u); // a bolt hole in each half
    // Behind a spigot the bolt holes (drawn, then cut from the hatch) start at its step, 4 from
    // the face.
    std::vector<TArgs> holes;
    for (const TArgs& a : M.ArgsOf("drMtr"))
        if (a[0] == "4") holes.push_back(a);
    EXPECT_EQ(
        holes,
        (std::vector<TArgs>{
            {"4", "42", "0", "1"}, {"4", "42", "0", "1"}, {"4", "-42", "0", "1"}, {"4", "-42", "0", "1"}}));
    for (const auto& [tl, sides] :
         std::vector<std::pair<int, std::vector<int>>>{{11, {1}}, {21, {-1}}, {1, {}}}) {
        SCOPED_TRACE(tl);
        M.ClearJournal();
        Section(tl, false);
        EXPECT_EQ(hatchedSides(), sides);
        EXPECT_EQ(M.CountOf("drMacro2D"), sides.size());
    }
    EXPECT_EQ(M.Depth(), 0);
}

TEST_F(TLocatingRingTest, SectionDimensionsCountTheRealBolts)
{
    Section(31, true);
    const auto hl = M.ArgsOf("drDimHL");
    ASSERT_EQ(hl.size(), 4u);
    EXPECT_EQ(hl[2], (TArgs{"6.5", "19.5", "-1", "8.5", "47.5", "15", "50", "\"\"", "\"H14\"", "\"\""}));
    EXPECT_EQ(hl[3], (TArgs{"15", "34.5", "-1", "0", "48", "15", "48", "\"\"", "\"h14\"", "\"\""}));
    EXPECT_EQ(M.ArgsOf("drDimVL1"),
              (std::vector<TArgs>{{"36", "-6", "1", "0", "18", "0", "0", "\"&02\"", "\"H14\"", "\"\""}}));
    const auto vl = M.ArgsOf("drDimVL");
    ASSERT_EQ(vl.size(), 3u);
    EXPECT_EQ(vl[0], (TArgs{"7", "-30", "1", "0", "38.5", "0", "45.5", "\"&02\"", "\"H14\"",
                            recording::QuotedUtf8(TString("4 отв."))}));
    EXPECT_EQ(vl[1][8], "\"f7\"");
    const auto apc = M.ArgsOf("drDimApc");
    ASSERT_EQ(apc.size(), 2u);
    EXPECT_EQ(apc[0], (TArgs{"-30", "0", "15", "0", "\"\"", "13", "-50"}));
    EXPECT_EQ(apc[1], (TArgs{"-45", "0", "30", "0", "\"\"", "1", "18"}));
    EXPECT_EQ(M.ArgsOf("drRough").size(), 5u);

    // The note names the bolts there are, at most five; a plain bore has no flare angle.
    for (const auto& [count, text] :
         std::vector<std::pair<Integer, const char*>>{{3, "3 отв."}, {7, "5 отв."}, {-2, "0 отв."}}) {
        SCOPED_TRACE(count);
        Ring.CountFix = count;
        M.ClearJournal();
        Section(1, true, 50, 0, 90);
        EXPECT_EQ(M.ArgsOf("drDimVL")[0][9], recording::QuotedUtf8(TString(text)));
        EXPECT_EQ(M.CountOf("drDimApc"), 1u);
    }
}

TEST_F(TLocatingRingTest, PlanViewsOfRingAndPlate)
{
    Ring.FixAngle[0] = 30;
    Ring.dr2D_V2(0, 0, 0, 1.0, 3, 1, true);
    const auto circles = M.ArgsOf("drCircle");
    ASSERT_GE(circles.size(), 4u);
    EXPECT_EQ(circles[0], (TArgs{"0", "0", "50", "1"}));
    EXPECT_NEAR(D(circles[1][2]), 50 - std::sqrt(3.0), 1e-8);
    EXPECT_EQ(circles[2], (TArgs{"0", "0", "18", "1"}));
    EXPECT_EQ(circles[3], (TArgs{"0", "0", "42", "3"}));
    // The bolt at 30 degrees: its head's circle hidden, its clearance in the view's style.
    EXPECT_NEAR(D(circles[4][0]), 42 * std::sqrt(3.0) / 2, 1e-6);
    EXPECT_NEAR(D(circles[4][1]), 21, 1e-6);
    EXPECT_EQ(circles[4][2] + circles[4][3] + circles[5][2] + circles[5][3], "5.543.51");
    EXPECT_EQ(circles.size(), 12u); // four bolts, no pins, no columns
    const auto dd = M.ArgsOf("drDimD");
    ASSERT_EQ(dd.size(), 1u);
    EXPECT_EQ(dd[0], (TArgs{"84", "\"\"", "80", "18", "1", "0", "0", "1", "\"&02\"", "\"\"", "\"&03~0,1\""}));

    // Pins locate a ring without a spigot: their holes, their centre line, a finer bolt circle.
    Ring.BaseThickness = 0;
    M.ClearJournal();
    Ring.dr2D_V2(0, 0, 0, 1.0, 3, 1, true);
    EXPECT_EQ(M.ArgsOf("drCircle").size(), 14u);
    EXPECT_EQ(M.LinesInStyle(3), 3u);
    ASSERT_EQ(M.ArgsOf("drDimD").size(), 2u);
    EXPECT_EQ(M.ArgsOf("drDimD")[0][9], "\"H7\"");
    EXPECT_EQ(M.ArgsOf("drDimD")[1][10], "\"&03~0,01\"");
    EXPECT_EQ(M.ArgsOf("drDimApc"), (std::vector<TArgs>{{"-10", "0", "60", "42", "\"\"", "0", "0"}}));

    // The plate: no bore, the column tails' holes at Angle[1..4] with their angles from the
    // next quarter, the circle and diameters of the tails.
    Ring.BaseThickness = 5, Ring.CountFix = 0;
    M.ClearJournal();
    Ring.dr2D_V2(0, 0, 0, 1.0, 4, 1, true);
    std::vector<std::array<double, 2>> holes;
    for (const TArgs& a : M.ArgsOf("drCircle"))
        if (a[2] == "4.5") holes.push_back({D(a[0]), D(a[1])});
    ASSERT_EQ(holes.size(), 4u);
    const double columns[] = {30, 90, 210, 300};
    for (int j = 0; j < 4; ++j) {
        SCOPED_TRACE(columns[j]);
        EXPECT_NEAR(holes[j][0], 25 * std::cos(columns[j] * pi / 180), 1e-8);
        EXPECT_NEAR(holes[j][1], 25 * std::sin(columns[j] * pi / 180), 1e-8);
    }
    // Each hole's angle is measured from the next quarter at or above it; 90 is one already.
    EXPECT_EQ(M.ArgsOf("drDimApc"), (std::vector<TArgs>{{"-60", "90", "60", "25", "\"\"", "0", "0"},
                                                        {"0", "90", "60", "25", "\"\"", "0", "0"},
                                                        {"-60", "270", "60", "25", "\"\"", "0", "0"},
                                                        {"-60", "360", "60", "25", "\"\"", "0", "0"}}));
    const auto plate = M.ArgsOf("drDimD");
    ASSERT_EQ(plate.size(), 3u);
    EXPECT_EQ(plate[0],
              (TArgs{"50", "\"\"", "250", "35", "-1", "0", "0", "1", "\"&02\"", "\"\"", "\"&03~0,1\""}));
    EXPECT_EQ(plate[1][0], "9");
    EXPECT_EQ(plate[1][2], "310");

    // Without its column tails the plan view draws nothing at all.
    Ring.Complement = nullptr;
    M.ClearJournal();
    Ring.dr2D_V2(0, 0, 0, 1.0, 4, 1, true);
    EXPECT_EQ(M.Calls.size(), 0u);
}

TEST_F(TLocatingRingTest, SketchContoursOfTheParts)
{
    Ring.dr2D_Vo(0, 0, 0, 1.0, 4, 1);
    EXPECT_TRUE(M.OutlineClosed());
    EXPECT_TRUE(HasLine(M, {"12", "50", "15", "48.26794919"})); // the 30 degree chamfer
    EXPECT_TRUE(HasLine(M, {"0", "0", "0", "48"}));
    EXPECT_TRUE(HasLine(M, {"-2", "0", "17", "0"}));
    const auto count = [&](int nCont, int Det) {
        M.ClearJournal();
        Ring.dr2D_Vo(0, 0, 0, 1.0, Det, nCont);
        return M.CountOf("drCircle");
    };
    EXPECT_EQ(count(2, 3), 4u); // the ring: its bolts
    EXPECT_EQ(count(2, 4), 8u); // the plate: bolts and the four column tails
    EXPECT_EQ(count(3, 4), 4u);
    Ring.BaseThickness = 0;
    EXPECT_EQ(count(2, 3), 6u); // and the two pins
    Ring.Complement = nullptr;
    EXPECT_EQ(count(2, 3), 0u);
    EXPECT_EQ(count(3, 3), 4u);
    EXPECT_EQ(M.Depth(), 0);
}

TEST_F(TLocatingRingTest, TwoSheetsAndTwoParts)
{
    Ring.dr2D();
    const auto sheets = M.ArgsOf("drLeafStampView1");
    EXPECT_EQ(sheets, (std::vector<TArgs>{{"3", "0", "15", "-50", "true"}, {"4", "0", "15", "-50", "true"}}));
    // The plan view stands Radius + 55 + Thickness beside the section.
    std::size_t plans = 0;
    for (const TArgs& a : M.ArgsOf("drMtr"))
        plans += a == TArgs{"120", "0", "0", "1"};
    EXPECT_EQ(plans, 2u);
    EXPECT_TRUE(HasLine(M, {"13", "50", "4", "50"})); // the spigot drawn 1 shorter
    EXPECT_EQ(M.ArgsOf("drDimApc")[1], (TArgs{"-45", "0", "30", "0", "\"\"", "1", "18"}));
    const auto lines = M.ArgsOf("drStringObj");
    ASSERT_EQ(lines.size(), 3u);
    EXPECT_EQ(lines[0][0], recording::QuotedUtf8(TString("1.") + TDemStr[29]));
    EXPECT_EQ(lines[1][0], recording::QuotedUtf8(TString("2.") + TDemStr[34]));
    EXPECT_EQ(lines[2][0], recording::QuotedUtf8(TDemStr[29]));

    // A plain ring keeps its bore straight: no flare and no flare angle.
    Ring.BaseRadius = 50;
    M.ClearJournal();
    Ring.dr2D();
    EXPECT_TRUE(HasLine(M, {"0", "18", "15", "18"}));
    for (const TArgs& a : M.ArgsOf("drDimApc"))
        EXPECT_NE(a[0], "-45");
    Ring.BaseRadius = 35;

    M.ClearJournal();
    Ring.dr3D(0);
    const std::vector<std::string> expected = {"drCreate3DNewPartPlane(3, 0, true, 3, 0)",
                                               "drBaseRotate(0, 360)",
                                               "drPlaneEskis(1, -15, 0, \"\")",
                                               "drCutExtrusion(0, 0, 15, 0)",
                                               "drPlaneEskis(1, -15, 0, \"\")",
                                               "drCutExtrusion(0, 0, 6.5, 0)",
                                               "drCreate3DNewPartPlane(4, 0, true, 3, 0)",
                                               "drBaseRotate(0, 360)",
                                               "drPlaneEskis(1, -15, 0, \"\")",
                                               "drCutExtrusion(0, 0, 15, 0)",
                                               "drPlaneEskis(1, -15, 0, \"\")",
                                               "drCutExtrusion(0, 0, 6.5, 0)"};
    std::vector<std::string> features;
    for (const std::string& t : M.Texts())
        for (const char* name : {"drCreate3DNewPartPlane", "drBaseRotate", "drPlaneEskis", "drCutExtrusion"})
            if (t.rfind(name, 0) == 0) features.push_back(t);
    EXPECT_EQ(features, expected);
    // The part's spigot has its full height of 5.
    EXPECT_TRUE(HasLine(M, {"13", "50", "5", "50"}));
    EXPECT_TRUE(HasLine(M, {"5", "50", "5", "35.5"}));
}

} // namespace

namespace {

using TLocatingRingPartTest = TComponentHostFixture;

// The ring and its plate as their sketches give them: the revolved outlines less the holes cut
// through from the nozzle side and the counterbores.
TEST_F(TLocatingRingPartTest, PartsAreTheRevolvedOutlinesLessTheirHoles)
{
    // The holes are sketched on XOY and cut along +Z into the ring revolved on YOZ, whose
    // sketch runs its axis along -Z.
    const TDcDetail ringId = Present("locring"), plateId = Present("locplate");
    TColumnTail tails(0, &drApi::MA, TConstruktor::Empty());
    TLocatingRing ring(ringId, plateId, &drApi::MA, nullptr, &tails);
    Fill(ring, tails);
    ring.dr3D(0);
    const double T = 15, R = 50, B = 35, sh = 5, Ri = 18, bolt = 3.5, head = 5.5, depth = 6.5;
    const double bolts = 4 * pi * bolt * bolt * (T - sh),
                 counterbores = 4 * pi * (head * head - bolt * bolt) * depth;

    const std::vector<tvhost::TShape> ringSolids = Shapes(ringId);
    ASSERT_EQ(ringSolids.size(), 1u);
    EXPECT_TRUE(tvhost::IsValidShape(ringSolids[0]));
    // The bore flares at 45 degrees over the whole thickness; the step's fillet adds a ring.
    const double outline =
        shapes::RevolvedVolume({{0, Ri}, {T, Ri + T}, {T, R - 1}, {T - 2, R}, {sh, R}, {sh, B}, {0, B}});
    const double fillet = shapes::SpandrelRing(0.5, B + shapes::SpandrelOffset(0.5));
    EXPECT_NEAR(tvhost::Volume(ringSolids[0]), outline + fillet - bolts - counterbores, 0.05);

    const std::vector<tvhost::TShape> plateSolids = Shapes(plateId);
    ASSERT_EQ(plateSolids.size(), 1u);
    EXPECT_TRUE(tvhost::IsValidShape(plateSolids[0]));
    const double disc =
        shapes::RevolvedVolume({{0, 0}, {0, R - 2}, {2, R}, {T - 3, R}, {T, R - std::sqrt(3.0)}, {T, 0}});
    // The plate's counterbores are cut from its nozzle side, as the ring's.
    const double columns = 4 * pi * 4.5 * 4.5 * T;
    EXPECT_NEAR(tvhost::Volume(plateSolids[0]), disc - 4 * pi * bolt * bolt * T - counterbores - columns,
                0.05);
}

} // namespace

namespace {

// The plate's sheet shows the plate: the ring's section without its bore, its flare or their
// dimensions; the ring's sheet keeps them.
TEST_F(TLocatingRingTest, PlateSheetHasNoBore)
{
    Ring.dr2D();
    const std::vector<std::string> t = M.Texts();
    const auto plate = std::find_if(
        t.begin(), t.end(), [](const std::string& s) { return s.rfind("drLeafStampView1(4,", 0) == 0; });
    ASSERT_NE(plate, t.end());
    const auto count = [](auto from, auto to, const std::string& text) {
        return std::count_if(from, to,
                             [&](const std::string& s) { return s.find(text) != std::string::npos; });
    };
    for (const char* bore : {"drDimVL1(36,", "drDimApc(-45,", "drLine(1, 18, 15, 32, 1)"}) {
        SCOPED_TRACE(bore);
        EXPECT_GT(count(t.begin(), plate, bore), 0);
        EXPECT_EQ(count(plate, t.end(), bore), 0);
    }
}

} // namespace
