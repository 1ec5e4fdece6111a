// The retraction pin: its half outline with the sharp tip, the dimensions and their fits, the
// grip's enlarged view at 4:1 with its radius centres, the sheet's two requirements, and the
// part's volume on the host.

#include <gtest/gtest.h>

#include <algorithm>
#include <numbers>

#include "ComponentCatalogue.h"
#include "ComponentHostFixture.h"
#include "ComponentRecorder.h"
#include "MathDetail2.h"
#include "RevolvedVolume.h"

namespace {

using TArgs = std::vector<std::string>;
using TCalls = std::vector<TArgs>;

std::string Q(const char* utf8)
{
    return recording::QuotedUtf8(TString(utf8));
}

// Shank 4 with fits to 20 and 40, collar 7 by 6.
void Sizes(TReTraction& r)
{
    r.Radius = 4, r.FitLen = 20, r.Fit2Len = 40, r.CollarHeight = 6, r.CollarRadius = 7, r.Len = 45.4;
}

class TReTractionTest : public testing::Test {
protected:
    void SetUp() override
    {
        drApi::LibraryControlModel = &Model;
        Sizes(P);
    }
    void TearDown() override { drApi::LibraryControlModel = nullptr; }

    TComponentRecorder M;
    TCatalogueModel Model{"G"};
    const TDcDetail Id = Model.RowOf("retraction");
    TReTraction P{Id, &M, TConstruktor::Empty()};
};

TEST_F(TReTractionTest, UpperHalfEndsInASharpTip)
{
    P.dr2D_V1(0, 0, 0, 1, 1, false);
    EXPECT_TRUE(M.Calls.empty()); // the detail is absent
    Model.Present(Id, 60);
    P.dr2D_V1(0, 0, 0, 1, 1, false);
    const TCalls lines = M.ArgsOf("drLine");
    ASSERT_EQ(lines.size(), 15u); // axis, 8 of the shank, 2 + 2 beside the fillets, 2 of the tip
    EXPECT_EQ(lines[0], (TArgs{"-2", "0", "47.4", "0", "3"}));
    EXPECT_EQ(lines[1], (TArgs{"0", "0", "0", "7", "1"}));
    EXPECT_EQ(lines[4], (TArgs{"6", "4", "6", "0", "-1"}));
    EXPECT_EQ(lines[6], (TArgs{"20", "4", "20", "0", "-1"}));
    EXPECT_EQ(lines[8], (TArgs{"40", "4", "40", "0", "-1"}));
    // The tip's corner lies at tan 22.5 (0.414214) from the axis, within the fillet radius,
    // and stays sharp; with the edge-line flag no line closes the outline along the axis.
    EXPECT_EQ(lines[13][2], "45.085786");
    EXPECT_EQ(lines[13][3], "0.414214");
    EXPECT_EQ(lines[14], (TArgs{"45.085786", "0.414214", "45.085786", "0", "1"}));
    EXPECT_EQ(M.LinesInStyle(-1), 3u);
    EXPECT_EQ(M.CountOf("drArc"), 2u); // the neck and the ridge
    EXPECT_EQ(M.Depth(), 0);

    // The part's sketch: closed along the axis, no edge lines; the length does not count.
    M.ClearJournal();
    P.dr2D_V1(0, 0, 0, 1, 0, false);
    const std::vector<std::string> sketch = M.Texts();
    EXPECT_TRUE(M.OutlineClosed());
    EXPECT_EQ(M.LinesInStyle(-1), 0u);
    M.ClearJournal();
    P.Len = 1000;
    P.dr2D_V1(0, 0, 0, 1, 0, false);
    EXPECT_EQ(M.Texts(), sketch);
    // A shank under 1.5 keeps the neck sharp.
    M.ClearJournal();
    P.Radius = 1.2;
    P.dr2D_V1(0, 0, 0, 1, 0, false);
    EXPECT_EQ(M.CountOf("drArc"), 1u);
}

TEST_F(TReTractionTest, DimensionsFitsAndEnlargedGrip)
{
    Model.Present(Id, 60);
    P.dr2D_V1(0, 0, 0, 1, 1, true);
    EXPECT_EQ(M.ArgsOf("drCircleShelf"), (TCalls{{"42.25", "0", "3.25", "53.25", "-20", "\"A\""}}));
    EXPECT_EQ(M.ArgsOf("drDimVL"),
              (TCalls{{"14", "-15", "-1", "0", "-7", "0", "7", "\"&02\"", "\"h14\"", "\"\""},
                      {"8", "0", "-1", "17", "-4", "17", "4", "\"&02\"", "\"h6\"", "\"\""},
                      {"8", "25", "-1", "40", "-4", "40", "4", "\"&02\"", "\"f7\"", "\"\""},
                      {"2", "-8", "15", "0", "-1", "0", "1", "\"&02\"", "\"\"", "\"\""}}));
    EXPECT_EQ(M.ArgsOf("drDimHL"),
              (TCalls{{"6", "-10", "1", "0", "-7", "6", "-7", "\"\"", "\"h9\"", "\"\""},
                      {"20", "-35", "1", "0", "-7", "20", "-4", "\"\"", "\"b12\"", "\"\""},
                      {"40", "-47", "1", "0", "-7", "40", "-4", "\"\"", "\"h7\"", "\"\""},
                      {"45.4", "-62", "1", "0", "-7", "45.4", "0", "\"\"", "\"h12\"", "\"\""},
                      {"5.5", "-25", "-5", "0", "-4", "5.5", "0", "\"\"", "\"\"", "\"\""}}));
    EXPECT_EQ(M.ArgsOf("drRough"), (TCalls{{"-8", "7", "90", "0", "\"6,3\"", "\"\"", "\"\""},
                                           {"21", "4", "90", "0", "\"0,8\"", "\"\"", "\"\""},
                                           {"38", "4", "90", "0", "\"0,4\"", "\"\"", "\"\""},
                                           {"0", "-39", "180", "0", "\"1,6\"", "\"\"", "\"\""},
                                           {"6", "-12", "0", "0", "\"1,6\"", "\"\"", "\"\""}}));
    EXPECT_EQ(M.ArgsOf("drDimA"), (TCalls{{"90", "1", "-45", "10", "45", "1", "15", "5", "2.25", "3.25", "1",
                                           "0", "2.25", "-3.25", "1", "0", "\"\"", "5.5", "0"},
                                          {"90", "-1", "225", "26", "-45", "-1", "155", "3", "2.25", "3.25",
                                           "1", "0", "2.25", "-3.25", "1", "0", "\"\"", "-1", "0"}}));
    // The ridge fillet's centre, the sphere's mark and the neck fillet's centre.
    EXPECT_EQ(
        M.ArgsOf("drDimR"),
        (TCalls{
            {"1", "\"\"", "45", "10", "15", "1", "2.25", "1.835786438", "1", "0", "\"R\"", "\"\"", "\"\""},
            {"1", "\"\"", "45", "10", "15", "1", "3.5", "0", "1", "0", Q("Сфера R"), "\"\"", "\"\""},
            {"0.5", "\"\"", "215", "13", "15", "-1", "0.5", "2.205", "1", "0", "\"R\"", "\"\"", "\"\""}}));
    EXPECT_EQ(M.ArgsOf("drText"), (TCalls{{"0", "7", "0", "7", "1", "75", "\"A(4:1)\""}}));
    // The grip's view: both sides, the sphere at the tip, the shank's end face.
    const TCalls lines = M.ArgsOf("drLine");
    EXPECT_NE(std::find(lines.begin(), lines.end(), TArgs{"0", "4", "0", "-4", "1"}), lines.end());
    EXPECT_NE(std::find(lines.begin(), lines.end(), TArgs{"-1", "0", "6", "0", "3"}), lines.end());
    EXPECT_EQ(M.CountOf("drArc"), 2u + 5u);
    EXPECT_EQ(M.Depth(), 0);
}

TEST_F(TReTractionTest, SheetAndPart)
{
    Model.Present(Id, 60);
    P.dr2D();
    EXPECT_EQ(M.Texts().front(), "drLeafStampView1(" + std::to_string(Id) + ", 0, 0, -7, true)");
    EXPECT_EQ(M.ArgsOf("drStringObj"), (TCalls{{Q("1. $*;$ Размеры для справок")},
                                               {Q("2. Покрытие поверхности шероховатостью  0,2 - X12тв.")}}));
    M.ClearJournal();
    P.dr3D(0);
    const std::vector<std::string> names = M.Names();
    EXPECT_EQ(M.Texts().front(), "drCreate3DNewPartPlane(" + std::to_string(Id) + ", 0, true, 3, 0)");
    EXPECT_EQ(std::vector<std::string>(names.end() - 3, names.end()),
              (std::vector<std::string>{"drBaseRotate", "drColor3D", "drClose3D"}));
    M.ClearJournal();
    M.BooleanResult = false;
    P.dr3D(0);
    EXPECT_EQ(M.Names(), (std::vector<std::string>{"drCreate3DNewPartPlane"}));
}

using TReTractionPartTest = TComponentHostFixture;

// Pappus on the profile: the neck's concave fillet adds, the ridge's convex one takes away;
// the tip ends in a flat face of radius 0.414214.
TEST_F(TReTractionPartTest, PartHasTheVolumeOfItsProfile)
{
    const TDcDetail id = Present("retraction");
    TReTraction r(id, &drApi::MA, TConstruktor::Empty());
    Sizes(r);
    r.dr3D(0);
    const std::vector<tvhost::TShape> shapes = Shapes(id);
    ASSERT_EQ(shapes.size(), 1u);
    EXPECT_TRUE(tvhost::IsValidShape(shapes[0]));
    const double cdr = 0.414214, tip = 45.5 - cdr;
    TRevolvedVolume v;
    v.Polygon({{0, 0}, {0, 7}, {6, 7}, {6, 4}, {40, 4}, {40, 1}, {42.25, 3.25}, {tip, cdr}, {tip, 0}});
    v.Corner({40, 4}, {40, 1}, {41, 2}, 0.5, true);
    v.Corner({41, 2}, {42.25, 3.25}, {43.5, 2}, 1, false);
    EXPECT_NEAR(tvhost::Volume(shapes[0]), v.Volume, 1e-6 * v.Volume);
    Kept.Reset();
}

} // namespace
