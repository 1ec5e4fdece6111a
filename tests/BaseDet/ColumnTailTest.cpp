// The column tail: its closed profile in a sketch, the view with flats, dashed tapped hole and
// thread lines, the sizes, marks and end view, the sheet, the flats of the part, and the part
// on the host with its flats at the flatted end.

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

double D(const std::string& s)
{
    return std::stod(s);
}

// Radius 10, across flats 17, length 60, thread 20 long of radius 8: the body is 40 long.
void SetSample(TColumnTail& t)
{
    t.Radius = 10, t.Key = 17, t.Len = 60, t.ThreadLen = 20, t.ThreadRadius = 8;
}

class TColumnTailTest : public TPresentComponentTest<> {
protected:
    TColumnTailTest() : TPresentComponentTest("columntail") { SetSample(T); }

    TColumnTail T{Id, &M, TConstruktor::Empty()};
};

TEST_F(TColumnTailTest, SketchIsTheClosedProfileWithTheBodyRound)
{
    T.dr2D_V1(0, 0, 0, 1, 10, 8, 40, 60, 17, 0, false);
    EXPECT_TRUE(M.OutlineClosed());
    EXPECT_TRUE(HasLine({"-42", "0", "22", "0", "3"}));
    double top = 0, left = 0;
    for (const TArgs& a : M.ArgsOf("drLine")) {
        EXPECT_TRUE(a[4] == "1" || a[4] == "3") << "no thin, dashed or sheet-only lines in a sketch";
        if (a[4] == "1") top = std::max({top, D(a[1]), D(a[3])}), left = std::min({left, D(a[0]), D(a[2])});
    }
    EXPECT_EQ(top, 10.0);   // no flats
    EXPECT_EQ(left, -40.0); // the flatted end
    // The tapped hole: entry chamfer from radius 4, bore at M8's tap drill 6.8 to 29 deep, point
    // to 31, then the run along the axis to the threaded end face closes the profile.
    EXPECT_TRUE(HasLine({"-40", "10", "-40", "4", "1"}));
    EXPECT_TRUE(HasLine({"-40", "4", "-39.4", "3.4", "1"}));
    EXPECT_TRUE(HasLine({"-11", "3.4", "-9", "0", "1"}));
    EXPECT_TRUE(HasLine({"-9", "0", "20", "0", "1"}));
    EXPECT_EQ(M.CountOf("drDimHL") + M.CountOf("drCircleShelf"), 0u);
    EXPECT_EQ(M.Depth(), 0);
}

TEST_F(TColumnTailTest, ViewShowsFlatsThreadRootsAndTheDashedHoleInBothHalves)
{
    T.dr2D_V1(0, 0, 0, 1, 10, 8, 40, 60, 17, 1, false);
    for (const double y : {8.5, -8.5}) {
        SCOPED_TRACE(y);
        EXPECT_TRUE(HasLine({"-25", y > 0 ? "10" : "-10", "-25", y > 0 ? "8.5" : "-8.5", "1"}));
        EXPECT_TRUE(HasLine({"-25", y > 0 ? "8.5" : "-8.5", "-40", y > 0 ? "8.5" : "-8.5", "1"}));
    }
    EXPECT_TRUE(HasLine({"20", "7", "3", "7", "-2"}));
    EXPECT_TRUE(HasLine({"20", "-7", "3", "-7", "-2"}));
    // Per half: the hole's chamfer, bore to the thread's end and on to the drill, the point,
    // and the zero-length closing step; then the three edge lines, the thread's major line and
    // its end.
    EXPECT_EQ(M.LinesInStyle(4), 10u);
    EXPECT_EQ(M.LinesInStyle(-4), 10u);
    EXPECT_EQ(M.CountOf("drHatch"), 0u);
    EXPECT_EQ(M.Depth(), 0);
}

TEST_F(TColumnTailTest, SizesMarksAndEndView)
{
    T.dr2D_V1(0, 0, 0, 1, 10, 8, 40, 60, 17, 1, true);
    const std::string third = "-5.666666667", none = "\"\"", chamfer = "\"&04~45&01\"";
    EXPECT_EQ(M.ArgsOf("drDimHL"),
              (std::vector<TArgs>{{"0.6", "-15", "-1", "-39.4", "-3.4", "-40", third, none, none, chamfer},
                                  {"15", "-27", "12", "-25", "-8.5", "-40", third, none, "\"H14\"", none},
                                  {"24", "-39", "1", "-16", "-4", "-40", third, none, "\"H14\"", none},
                                  {"40", "-51", "1", "0", "-10", "-40", third, none, "\"h8\"", none},
                                  {"60", "-63", "1", "20", "-7", "-40", third, none, "\"h14\"", none},
                                  {"1", "-39", "-1", "19", "-8", "20", "-7", none, none, chamfer}}));
    const std::string h = "5.267826876"; // half a flat: sqrt(10² - 8.5²)
    EXPECT_EQ(M.ArgsOf("drDimVL"),
              (std::vector<TArgs>{{"8", "-21", "1", "-40", "-4", "-40", "4", "\"M\"", none, "\"-7H\""},
                                  {"16", "12", "1", "19", "-8", "19", "8", "\"M\"", none, "\"-8g\""},
                                  {"20", "0", "1", "-20", "-10", "-20", "10", "\"&02\"", "\"h14\"", none},
                                  {"17", "15", "-1", h, "-8.5", h, "8.5", none, "\"h12\"", none}}));
    EXPECT_EQ(M.ArgsOf("drRough"), (std::vector<TArgs>{{"-57", "-4", "90", "0", "\"3,2\"", none, none},
                                                       {"-40", "-59.5", "180", "0", "\"0,8\"", none, none},
                                                       {"0", "-47.5", "0", "0", "\"1,6\"", none, none},
                                                       {"22", "8", "90", "0", "\"3,2\"", none, none}}));
    EXPECT_EQ(M.ArgsOf("drCircleShelf"), (std::vector<TArgs>{{"1.5", "8", "3", "5", "18", "\"A\""}}));
    EXPECT_TRUE(HasLine({"-30", "-8.5", "-30", "49", "3"}));
    // End view: the two arcs of the body between the flats, the drill and three quarters of M8.
    const auto arcs = M.ArgsOf("drArc");
    EXPECT_NE(std::find(arcs.begin(), arcs.end(),
                        TArgs{"0", "0", "10", "-" + h, "-8.5", "-" + h, "8.5", "-1", "1"}),
              arcs.end());
    EXPECT_NE(std::find(arcs.begin(), arcs.end(), TArgs{"0", "0", "4", "0", "4", "-4", "0", "-1", "2"}),
              arcs.end());
    EXPECT_EQ(M.ArgsOf("drCircle"), (std::vector<TArgs>{{"0", "0", "3.4", "1"}}));
    EXPECT_EQ(M.Depth(), 0);
}

TEST_F(TColumnTailTest, WiderKeyStillDrawsTheEndView)
{
    T.dr2D_V1(0, 0, 0, 1, 10, 8, 40, 60, 24, 1, true);
    const auto vl = M.ArgsOf("drDimVL");
    ASSERT_EQ(vl.size(), 4u);
    EXPECT_NEAR(D(vl[3][3]), std::sqrt(144.0 - 100.0), 1e-8);
    EXPECT_EQ(M.Depth(), 0);
}

TEST_F(TColumnTailTest, AbsentDetailDrawsNothing)
{
    TColumnTail other(Id + 1, &M, TConstruktor::Empty());
    other.dr2D_V1(0, 0, 0, 1, 10, 8, 40, 60, 17, 1, true);
    EXPECT_TRUE(M.Calls.empty());
}

TEST_F(TColumnTailTest, SheetPlacesTheViewAndTheEnlargedGroove)
{
    T.dr2D();
    const std::vector<std::string> texts = M.Texts();
    ASSERT_FALSE(texts.empty());
    EXPECT_EQ(texts.front(), "drLeafStampView1(" + std::to_string(Id) + ", 0, 25, -51, true)");
    EXPECT_EQ(M.ArgsOf("drText"), (std::vector<TArgs>{{"1", "2.5", "0", "6", "1", "75", Q("A(   4.00:1)")}}));
    EXPECT_EQ(M.ArgsOf("drStringObj"),
              (std::vector<TArgs>{{Q("1. $*;$ Размеры для справок")},
                                  {Q("2. Неуказанные радиусы скруглений  0.5 мм ")}}));
    EXPECT_EQ(M.Depth(), 0);
}

TEST_F(TColumnTailTest, PartCutsTheFlatsOnlyWhenNarrowerThanTheBody)
{
    T.dr3D(10);
    EXPECT_EQ(M.Texts().front(), "drCreate3DNewPartPlane(" + std::to_string(Id) + ", 0, true, 3, 0)");
    // The plane through the flatted end face, the strips outside the flats, cut 15 back.
    EXPECT_EQ(M.ArgsOf("drPlaneEskis"), (std::vector<TArgs>{{"1", "40", "0", "\"\""}}));
    EXPECT_TRUE(HasLine({"8.5", "-10", "8.5", "10", "1"}));
    EXPECT_TRUE(HasLine({"-8.5", "-10", "-8.5", "10", "1"}));
    EXPECT_EQ(M.ArgsOf("drCutExtrusion"), (std::vector<TArgs>{{"1", "0", "15", "0"}}));
    EXPECT_EQ(M.Texts().back(), "drClose3D(true, 0)");
    for (const double key : {20.0, 20.0 - 1e-6, 25.0}) {
        SCOPED_TRACE(key);
        M.ClearJournal();
        T.Key = key;
        T.dr3D(10);
        EXPECT_EQ(M.CountOf("drPlaneEskis") + M.CountOf("drCutExtrusion"), 0u);
        EXPECT_EQ(M.CountOf("drBaseRotate"), 1u);
    }
    M.ClearJournal();
    M.BooleanResult = false;
    T.dr3D(10);
    EXPECT_EQ(M.Names(), (std::vector<std::string>{"drCreate3DNewPartPlane"}));
}

using TColumnTailPartTest = TComponentHostFixture;

// The part's solid within the slab lo <= Z <= hi.
double SlabVolume(const tvhost::TShape& part, double lo, double hi)
{
    const tvhost::TShape slab = tvhost::MakeBox({-50, -50, lo}, 100, 100, hi - lo);
    return tvhost::Volume(tvhost::Combined(tvhost::TBooleanKind::bkCommon, part, slab));
}

TEST_F(TColumnTailPartTest, FlatsTakeTheirSegmentsFromTheFlattedEnd)
{
    const TDcDetail id = Present("columntail");
    TColumnTail t(id, &drApi::MA, TConstruktor::Empty());
    SetSample(t);
    t.Key = 20; // no flats
    t.dr3D(10);
    std::vector<tvhost::TShape> shapes = Shapes(id);
    ASSERT_EQ(shapes.size(), 1u);
    const tvhost::TShape round = shapes[0];
    EXPECT_TRUE(tvhost::IsValidShape(round));

    // The revolved profile by Pappus: the body less the tapped hole (entry chamfer, bore at the
    // tap drill 6.8 to 29, point), the groove, its slope, the crest and the end chamfer, all with
    // sharp corners.
    const double pi = std::numbers::pi;
    const double body = pi * 100 * 40,
                 hole = pi * (0.6 * (16 + 13.6 + 11.56) / 3.0 + 11.56 * 28.4 + 11.56 * 2 / 3.0);
    const double groove = pi * 7.7 * 7.7 * 2.7, slope = pi / 3 * 0.3 * (7.7 * 7.7 + 7.7 * 8 + 64),
                 crest = pi * 64 * 16, chamfer = pi / 3 * (64 + 56 + 49);
    const double sharp = body - hole + groove + slope + crest + chamfer;
    // The fillet of 0.5 in the groove's square corner at (0, 7.7) adds its spandrel, whose
    // centroid lies 0.2234 r off the corner; the one in the 135-degree corner adds under 0.3.
    const double spandrel = 0.25 * (1 - pi / 4) * 2 * pi * (7.7 + 0.5 * (10 - 3 * pi) / (3 * (4 - pi)));
    EXPECT_GT(tvhost::Volume(round), sharp + spandrel);
    EXPECT_LT(tvhost::Volume(round), sharp + spandrel + 0.3);

    SetSample(t);
    t.dr3D(10);
    shapes = Shapes(id);
    ASSERT_EQ(shapes.size(), 1u);
    const tvhost::TShape flat = shapes[0];
    EXPECT_TRUE(tvhost::IsValidShape(flat));
    // The axis runs along the model's Z, the flatted end face at Z = 40, the thread's at -20.
    const std::array<double, 6> box = tvhost::BoxOf(round);
    EXPECT_NEAR(box[2], -20, 1e-6);
    EXPECT_NEAR(box[5], 40, 1e-6);
    // Each flat takes a circular segment of the body over the last 15 of the flatted end.
    const double segment = 100 * std::acos(0.85) - 8.5 * std::sqrt(100 - 72.25);
    EXPECT_NEAR(tvhost::Volume(round) - tvhost::Volume(flat), 2 * 15 * segment, 1e-3);
    EXPECT_NEAR(SlabVolume(round, 25, 40) - SlabVolume(flat, 25, 40), 2 * 15 * segment, 1e-3);
    EXPECT_NEAR(SlabVolume(round, -20, 25), SlabVolume(flat, -20, 25), 1e-3);
}

} // namespace
