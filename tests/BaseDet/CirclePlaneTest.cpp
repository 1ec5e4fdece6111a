// The circular plate: the half profile of its part, the section with thread lines, holes and
// hatch, its hatched-whole variants, sizes with the rod's thread text, the plan view with its
// angles from the tail set, the sheet, and the part on the host with its bore and four holes.

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <numbers>

#include "ComponentHostFixture.h"
#include "MathDetail2.h"
#include "PresentComponentFixture.h"

namespace {

using TArgs = std::vector<std::string>;

std::string Q(const char* utf8)
{
    return recording::QuotedUtf8(TString(utf8));
}

// Angular dimensions go through the modeller's own rule, which draws none of value 0.
class TPlateRecorder : public TComponentRecorder {
public:
    void drDimApc(Real const& Val, Real const& FBase, Real const& Rr, Real const& sRr, Str const& s,
                  Real const& xc, Real const& yc) override
    {
        TModeler3D::drDimApc(Val, FBase, Rr, sRr, s, xc, yc);
    }
};

// A tail set on a circle of 40 with holes at 45, 135, 225 and 315 degrees, a rod threaded 16
// with a pitch of 1.5, and a plate 20 thick of radius 60 with bolts 11 in counterbores 18 x 11.
struct TSample {
    TSample(TModeler3D& M, TDcDetail Id)
        : Tails(0, &M, TConstruktor::Empty()), Rod(0, &M, TConstruktor::Empty()),
          Plate(Id, &M, TConstruktor::Empty(), &Tails, &Rod)
    {
        Tails.Count = 4, Tails.PlaceRadius = 40;
        const Real angles[MaxStoredCount] = {0, 45, 135, 225, 315};
        std::copy(angles, angles + MaxStoredCount, Tails.Angle);
        Rod.ThreadRadius = 8, Rod.ThreadStep = 1.5;
        Plate.Thickness = 20, Plate.Radius = 60, Plate.BoltRadius = 5.5, Plate.BoltHeadRadius = 9;
        Plate.BoltHeadLen = 11;
    }
    TColumnTail Tails;
    TMTail Rod;
    TCirclePlane Plate;
};

class TCirclePlaneTest : public TPresentComponentTest<TPlateRecorder> {
protected:
    TCirclePlaneTest() : TPresentComponentTest("circleplate") {}
    void Section(Integer tl, Boolean isSize)
    {
        S.Plate.dr2D_V1(0, 0, 0, 1, 60, 40, 8, 9, 5.5, 20, 11, tl, isSize);
    }
    void Plan(Boolean isSize) { S.Plate.dr2D_V2(0, 0, 0, 1, 60, 40, 8, 9, 5.5, 20, 11, 1, isSize); }

    TSample S{M, Id};
};

TEST_F(TCirclePlaneTest, SketchIsTheAxisAndTheClosedHalfProfile)
{
    Section(0, false);
    // M16x1.5's bore at its tap drill 14.5, entered through a chamfer out to the thread.
    EXPECT_EQ(M.ArgsOf("drLine"), (std::vector<TArgs>{{"-2", "0", "20", "0", "3"},
                                                      {"0", "60", "0", "8", "1"},
                                                      {"0", "8", "0.75", "7.25", "1"},
                                                      {"0.75", "7.25", "20", "7.25", "1"},
                                                      {"20", "7.25", "20", "60", "1"},
                                                      {"20", "60", "0", "60", "1"}}));
    EXPECT_EQ(M.CountOf("drHatch") + M.CountOf("drMacro2D"), 0u);
    EXPECT_EQ(M.Depth(), 0);
}

TEST_F(TCirclePlaneTest, SheetSectionHasThreadLinesDropsHolesAndHatch)
{
    Section(1, false);
    EXPECT_TRUE(HasLine({"0", "8", "20", "8", "-2"}));
    EXPECT_TRUE(HasLine({"0", "-8", "20", "-8", "-2"}));
    for (const char* x : {"0", "0.75", "20"}) {
        SCOPED_TRACE(x);
        EXPECT_TRUE(HasLine({x, x == std::string("0") ? "8" : "7.25", x, "0", "-1"}));
        EXPECT_TRUE(HasLine({x, x == std::string("0") ? "-8" : "-7.25", x, "0", "-1"}));
    }
    EXPECT_EQ(M.CountOf("drMacro2D"), 2u); // the two counterbored holes
    EXPECT_EQ(M.ArgsOf("drHatch"), (std::vector<TArgs>{{"0", "45", "5"}}));
    EXPECT_EQ(M.CountOf("drEndObj"), 1u);
    EXPECT_EQ(M.Depth(), 0);
}

TEST_F(TCirclePlaneTest, TensDigitHatchesTheSectionWholeWithoutHoles)
{
    for (const Integer tl : {10, 11, 20, 21}) {
        SCOPED_TRACE(tl);
        M.ClearJournal();
        Section(tl, false);
        EXPECT_EQ(M.CountOf("drMacro2D"), 0u);
        EXPECT_EQ(M.CountOf("drHatch"), 1u);
        const bool lines = tl % 10 != 0;
        EXPECT_EQ(M.LinesInStyle(-2), lines ? 2u : 0u);
        EXPECT_EQ(M.LinesInStyle(-1), lines ? 6u : 0u);
        if (!lines) {
            EXPECT_TRUE(M.OutlineClosed()); // the two halves, each closed
        }
    }
}

TEST_F(TCirclePlaneTest, SectionSizesCarryTheRodsThread)
{
    Section(1, true);
    const std::string none = "\"\"";
    EXPECT_EQ(M.ArgsOf("drDimHL"),
              (std::vector<TArgs>{{"11", "30", "-1", "0", "49", "11", "49", none, "\"H14\"", none},
                                  {"0.75", "-11", "1", "0", "0", "0.75", "0", none, none, "\"&04~45&01\""},
                                  {"20", "-15", "1", "0", "-60", "20", "-60", none, "\"h14\"", none}}));
    EXPECT_EQ(
        M.ArgsOf("drDimVL"),
        (std::vector<TArgs>{{"18", "-10", "-1", "0", "31", "0", "49", "\"&02\"", "\"H14\"", none},
                            {"11", "13", "1", "20", "34.5", "20", "45.5", "\"&02\"", "\"h14\"", Q("4 отв")},
                            {"120", "26", "1", "20", "-60", "20", "60", none, "\"h14\"", none}}));
    // The thread, from the bore's edge to the axis, with the full diameter and the pitch in
    // seven characters.
    const auto thread = M.ArgsOf("drDimVL1");
    ASSERT_EQ(thread.size(), 1u);
    EXPECT_EQ(thread[0][0], "16");
    EXPECT_EQ(TArgs(thread[0].end() - 3, thread[0].end()), (TArgs{Q("М"), none, Q("&04~   1.50-7H")}));
    EXPECT_EQ(M.ArgsOf("drRough"), (std::vector<TArgs>{{"0", "-55", "180", "0", "\"1,6\"", none, none},
                                                       {"20", "-70", "0", "0", "\"1,6\"", none, none}}));
    EXPECT_EQ(M.Depth(), 0);

    M.ClearJournal();
    S.Plate.Complement2 = nullptr; // without the rod only the thread's size is left out
    Section(1, true);
    EXPECT_EQ(M.CountOf("drDimL"), 0u);
    EXPECT_EQ(M.CountOf("drDimVL"), 3u);
}

TEST_F(TCirclePlaneTest, PlanViewTakesTheAnglesOneToFour)
{
    Plan(true);
    const auto circles = M.ArgsOf("drCircle");
    ASSERT_EQ(circles.size(), 12u);
    EXPECT_EQ(TArgs(circles[0]), (TArgs{"0", "0", "60", "1"}));
    EXPECT_EQ(TArgs(circles[1]), (TArgs{"0", "0", "7.25", "1"})); // the tap drill
    EXPECT_EQ(TArgs(circles[2]), (TArgs{"0", "0", "8", "2"}));    // the thread
    EXPECT_EQ(TArgs(circles[3]), (TArgs{"28.28427125", "28.28427125", "9", "4"}));
    EXPECT_EQ(TArgs(circles[4]), (TArgs{"28.28427125", "28.28427125", "5.5", "1"}));
    EXPECT_EQ(TArgs(circles[9]), (TArgs{"28.28427125", "-28.28427125", "9", "4"}));
    EXPECT_EQ(TArgs(circles[11]), (TArgs{"0", "0", "40", "3"}));
    EXPECT_TRUE(HasLine({"-62", "0", "62", "0", "3"}));
    EXPECT_TRUE(HasLine({"0", "-62", "0", "62", "3"}));
    // Each hole 45 degrees off the next quarter line above it.
    EXPECT_EQ(M.CountOf("drDimA"), 4u);
    EXPECT_EQ(M.ArgsOf("drDimD"), (std::vector<TArgs>{{"80", "\"\"", "260", "30", "-1", "0", "0", "1",
                                                       "\"&02\"", "\"\"", "\"&03~0,1\""}}));
    EXPECT_EQ(M.Depth(), 0);

    // Holes on the quarter lines make no angle; entry 0 is not read.
    const Real quarters[MaxStoredCount] = {33, 0, 90, 180, 270};
    std::copy(quarters, quarters + MaxStoredCount, S.Tails.Angle);
    M.ClearJournal();
    Plan(true);
    EXPECT_EQ(M.CountOf("drDimA"), 0u);
    EXPECT_EQ(M.ArgsOf("drCircle")[3], (TArgs{"40", "0", "9", "4"}));
    const std::vector<std::string> first = M.Texts();
    S.Tails.Angle[0] = 0;
    M.ClearJournal();
    Plan(true);
    EXPECT_EQ(M.Texts(), first);
}

TEST_F(TCirclePlaneTest, MissingCompanionMakesNoPlanSheetOrPart)
{
    S.Plate.Complement = nullptr;
    Plan(true);
    S.Plate.dr2D();
    S.Plate.dr3D(10);
    S.Plate.Complement = &S.Tails;
    S.Plate.Complement2 = &S.Tails; // not a rod
    Plan(true);
    S.Plate.dr2D();
    S.Plate.dr3D(10);
    EXPECT_TRUE(M.Calls.empty());
}

TEST_F(TCirclePlaneTest, SheetHoldsBothViewsAndTheHardness)
{
    S.Plate.dr2D();
    const std::vector<std::string> texts = M.Texts();
    ASSERT_FALSE(texts.empty());
    EXPECT_EQ(texts.front(), "drLeafStampView1(" + std::to_string(Id) + ", 0, -10, -60, true)");
    EXPECT_EQ(M.ArgsOf("drStringObj"), (std::vector<TArgs>{{Q(" 32...36 HRCэ")}}));
    EXPECT_EQ(M.CountOf("drDimD"), 1u);
    EXPECT_EQ(M.CountOf("drHatch"), 1u);
    EXPECT_EQ(M.Depth(), 0);

    M.ClearJournal();
    M.BooleanResult = false;
    S.Plate.dr2D();
    EXPECT_EQ(M.Names(), (std::vector<std::string>{"drLeafStampView1"}));
}

using TCirclePlanePartTest = TComponentHostFixture;

// The part's solid inside a cylinder of radius r about (x, y) over the plate's thickness.
double CoreVolume(const tvhost::TShape& part, double x, double y, double r)
{
    const tvhost::TShape core = tvhost::MakeCylinder({x, y, -30}, {0, 0, 1}, r, 60);
    return tvhost::Volume(tvhost::Combined(tvhost::TBooleanKind::bkCommon, part, core));
}

TEST_F(TCirclePlanePartTest, PartIsTheDiscLessItsBoreAndFourCounterboredHoles)
{
    const TDcDetail id = Present("circleplate");
    TSample s(drApi::MA, id);
    s.Plate.dr3D(10);
    const std::vector<tvhost::TShape> shapes = Shapes(id);
    ASSERT_EQ(shapes.size(), 1u);
    EXPECT_TRUE(tvhost::IsValidShape(shapes[0]));
    const double pi = std::numbers::pi;
    // The bore at M16x1.5's tap drill 14.5 over the thickness, its entry chamfer 0.75 out to 16.
    const double bore = pi * 7.25 * 7.25 * 19.25 + pi / 3 * 0.75 * (64 + 58 + 7.25 * 7.25);
    const double hole = pi * (81 * 11 + 5.5 * 5.5 * 9);
    EXPECT_NEAR(tvhost::Volume(shapes[0]), pi * 3600 * 20 - bore - 4 * hole, 1e-3);
    // The holes stand at entries 1 to 4, none at entry 0's angle.
    const double r = 40 * std::sqrt(0.5);
    for (const auto& [x, y] : {std::pair{r, r}, {-r, r}, {-r, -r}, {r, -r}})
        EXPECT_NEAR(CoreVolume(shapes[0], x, y, 5), 0, 1e-6);
    EXPECT_NEAR(CoreVolume(shapes[0], 40, 0, 5), pi * 25 * 20, 1e-3);
}

// The rod's thread d x P: a fine one of the series is bored at d - P whether or not d has a
// coarse pitch; any other pair is told and no part is left.
struct TPlateThreadCase {
    const char* Label;
    double d, Pitch;
    bool Built;
};

void PrintTo(const TPlateThreadCase& c, std::ostream* os)
{
    *os << c.Label;
}

class TCirclePlateThreadTest : public TComponentHostFixture,
                               public testing::WithParamInterface<TPlateThreadCase> {};

TEST_P(TCirclePlateThreadTest, FineThreadIsBoredAtItsTapDrill)
{
    const TPlateThreadCase& c = GetParam();
    const TDcDetail id = Present("circleplate");
    TSample s(drApi::MA, id);
    s.Rod.ThreadRadius = c.d / 2, s.Rod.ThreadStep = c.Pitch;
    ScriptAnswers({tvapi::tvButtonOk});
    Journal().Clear();
    s.Plate.dr3D(10);
    const std::vector<tvhost::TShape> shapes = Shapes(id);
    const auto boxes = Journal().Calls("IApplication::ShowMessageBox");
    if (!c.Built) {
        EXPECT_TRUE(shapes.empty());
        ASSERT_EQ(boxes.size(), 1u);
        EXPECT_NE(boxes[0].Arguments[0].find("Резьбы нет в ряду M28.00x27.00"), std::string::npos)
            << boxes[0].Arguments[0];
        return;
    }
    EXPECT_TRUE(boxes.empty());
    ASSERT_EQ(shapes.size(), 1u);
    // The bore at d - P over the thickness, its chamfer P / 2 long out to the thread.
    const double pi = std::numbers::pi, R = c.d / 2, r = R - c.Pitch / 2, e = c.Pitch / 2;
    const double bore = pi * r * r * (20 - e) + pi / 3 * e * (R * R + R * r + r * r);
    const double hole = pi * (81 * 11 + 5.5 * 5.5 * 9);
    EXPECT_NEAR(tvhost::Volume(shapes[0]), pi * 3600 * 20 - bore - 4 * hole, 1e-3);
    EXPECT_NEAR(CoreVolume(shapes[0], 0, 0, r), 0, 1e-6);
}

INSTANTIATE_TEST_SUITE_P(
    Threads, TCirclePlateThreadTest,
    testing::Values(TPlateThreadCase{"M24x2", 24, 2, true}, TPlateThreadCase{"M25x1_5", 25, 1.5, true},
                    TPlateThreadCase{"M28x1_5", 28, 1.5, true}, TPlateThreadCase{"M32x1_5", 32, 1.5, true},
                    TPlateThreadCase{"M40x1_5", 40, 1.5, true}, TPlateThreadCase{"M28x27", 28, 27, false}),
    [](const testing::TestParamInfo<TPlateThreadCase>& i) { return std::string(i.param.Label); });

} // namespace
