// The tube dowel's and the support washer's sections: their outlines, halves and hatching,
// dimensions and marks; the washer's sheet and part; both parts on the host against the
// volumes their profiles sweep.

#include <gtest/gtest.h>

#include <algorithm>
#include <numbers>

#include "ComponentHostFixture.h"
#include "MathDetail2.h"
#include "SectionRecorder.h"
#include "drModelerAPI.h"

namespace {

using TArgs = std::vector<std::string>;
constexpr double pi = std::numbers::pi;
constexpr double tan30 = 0.5773502691896257;

// The lowest and highest y of every line drawn, the axis included.
std::pair<double, double> Heights(const TSectionRecorder& M)
{
    double lo = 0, hi = 0;
    for (const TArgs& a : M.ArgsOf("drLine")) {
        lo = std::min({lo, std::stod(a[1]), std::stod(a[3])});
        hi = std::max({hi, std::stod(a[1]), std::stod(a[3])});
    }
    return {lo, hi};
}

class TMouldRingsTest : public testing::Test {
protected:
    TSectionRecorder M;
    TTubeDowel Dowel{0, &M, TConstruktor::Empty()};
    TSupportWasher Washer{3, &M, nullptr};

    void DrawDowel(Integer tl, Boolean isSize)
    {
        M.ClearJournal();
        Dowel.dr2D_VtulkaCentruucha_V1(0, 0, 0, 1, 6, 4, 12, tl, isSize);
    }
    // Collar 14 over 5, body r1 to 20, bolt hole 3.4 with a counterbore 5.5 x 7.
    void DrawWasher(Integer tl, Boolean isSize, Real r1 = 10)
    {
        M.ClearJournal();
        Washer.dr2D_ShajbaOporna_V1(0, 0, 0, 1, 5, 7, 20, 14, 5.5, 3.4, r1, tl, isSize);
    }
};

TEST_F(TMouldRingsTest, DowelSketchIsTheClosedUpperHalfAndKeepsItsDimensions)
{
    DrawDowel(0, true);
    EXPECT_EQ(M.ArgsOf("drLine").front(), (TArgs{"-3", "0", "15", "0", "3"}));
    // 1 x 45 degrees at the left end, 1 long at 30 degrees at the right.
    EXPECT_EQ(M.Segments(),
              (std::vector<std::string>{"0 4 0 5", "0 5 1 6", "1 6 6 6", "6 6 11 6", "11 6 12 5.422649731",
                                        "12 5.422649731 12 4", "12 4 0 4"}));
    EXPECT_TRUE(M.OutlineClosed());
    EXPECT_EQ(M.CountOf("drHatch"), 0u);
    EXPECT_EQ(M.ArgsOf("drDimHL"),
              (std::vector<TArgs>{
                  {"12", "10", "0", "0", "5.422649731", "12", "5.422649731", "\"\"", "\"h14\"", "\"\""},
                  {"1", "-12", "-5", "0", "-4", "1", "-6", "\"\"", "\"\"", "\"&04~30&01~ 2 фаски\""}}));
    // The outer diameter goes down, the bore up.
    EXPECT_EQ(M.ArgsOf("drDimVL"),
              (std::vector<TArgs>{{"-12", "-20", "1", "1", "-6", "1", "6", "\"&02\"", "\"g6\"", "\"\""}}));
    EXPECT_EQ(M.ArgsOf("drDimVL1"),
              (std::vector<TArgs>{{"8", "12", "-1", "12", "-4", "12", "4", "\"&02\"", "\"H14\"", "\"\""}}));
    EXPECT_EQ(M.ArgsOf("drRough"), (std::vector<TArgs>{{"-17", "6", "90", "0", "\"0,8\"", "\"\"", "\"\""}}));
    EXPECT_EQ(M.Depth(), 0);
}

TEST_F(TMouldRingsTest, DowelHalvesAreHatchedAt45DegreesStep4)
{
    DrawDowel(11, false);
    EXPECT_EQ(Heights(M), std::pair(0.0, 6.0));
    EXPECT_EQ(M.ArgsOf("drHatch"), (std::vector<TArgs>{{"0", "45", "4"}}));
    EXPECT_EQ(M.LinesInStyle(-1), 2u); // the two end faces' edges down to the axis
    DrawDowel(21, false);
    EXPECT_EQ(Heights(M), std::pair(-6.0, 0.0));
    EXPECT_EQ(M.CountOf("drEndObj"), 1u);
    DrawDowel(1, false);
    EXPECT_EQ(Heights(M), std::pair(-6.0, 6.0));
    EXPECT_EQ(M.CountOf("drHatch"), 1u);
    EXPECT_EQ(M.LinesInStyle(-1), 4u);
    EXPECT_EQ(M.CountOf("drDimHL"), 0u);
    EXPECT_EQ(M.Depth(), 0);
}

TEST_F(TMouldRingsTest, WasherOutlineHasItsGrooveOnlyUnderANarrowerBody)
{
    DrawWasher(0, false);
    // Shifted back by the collar: the shoulder stands at the outer placement's origin.
    EXPECT_EQ(M.ArgsOf("drMtr"), (std::vector<TArgs>{{"0", "0", "0", "1"}, {"-5", "0", "0", "1"}}));
    EXPECT_EQ(M.CountOf("drDeleteMtr"), 2u);
    EXPECT_EQ(M.ArgsOf("drLine").front(), (TArgs{"-3", "0", "23", "0", "3"}));
    std::vector<std::string> s = M.Segments();
    EXPECT_TRUE(M.OutlineClosed());
    EXPECT_EQ(M.CountOf("drArc"), 2u); // the groove's corners
    EXPECT_EQ(std::vector<std::string>(s.begin(), s.begin() + 2),
              (std::vector<std::string>{"0 5.5 0 14", "0 14 5 14"}));
    EXPECT_EQ(std::vector<std::string>(s.end() - 6, s.end()),
              (std::vector<std::string>{"8 10 19 10", "19 10 20 9", "20 9 20 3.4", "20 3.4 7 3.4",
                                        "7 3.4 7 5.5", "7 5.5 0 5.5"}));

    DrawWasher(0, false, 14);
    EXPECT_EQ(M.CountOf("drArc"), 0u);
    EXPECT_EQ(M.Segments(),
              (std::vector<std::string>{"0 5.5 0 14", "0 14 5 14", "5 14 19 14", "19 14 20 13",
                                        "20 13 20 3.4", "20 3.4 7 3.4", "7 3.4 7 5.5", "7 5.5 0 5.5"}));
    EXPECT_EQ(M.Depth(), 0);
}

TEST_F(TMouldRingsTest, WasherLowerHalfIsDrawnInMainLinesWhateverTheStyle)
{
    DrawWasher(2, false);
    EXPECT_EQ(M.ArgsOf("drHatch"), (std::vector<TArgs>{{"0", "135", "3"}}));
    std::size_t upper = 0, lower = 0;
    for (const TArgs& a : M.ArgsOf("drLine"))
        if (std::abs(std::stoi(a[4])) == 2) (std::stod(a[1]) + std::stod(a[3]) > 0 ? upper : lower)++;
    EXPECT_GT(upper, 5u);
    EXPECT_EQ(lower, 0u);
    DrawWasher(11, false);
    EXPECT_EQ(Heights(M), std::pair(0.0, 14.0));
    DrawWasher(21, false);
    EXPECT_EQ(Heights(M), std::pair(-14.0, 0.0));
    EXPECT_EQ(M.CountOf("drHatch"), 1u);
}

TEST_F(TMouldRingsTest, WasherDimensionsAndTheRadiusOnlyWithAGroove)
{
    DrawWasher(1, true);
    EXPECT_EQ(
        M.ArgsOf("drDimVL2"),
        (std::vector<TArgs>{{"-11", "-5", "10", "0", "-5.5", "0", "5.5", "\"&02\"", "\"H14\"", "\"\""},
                            {"-28", "-20", "1", "0", "-14", "0", "14", "\"&02\"", "\"h14\"", "\"\""},
                            {"-6.8", "35", "8", "7", "-3.4", "7", "3.4", "\"&02\"", "\"H14\"", "\"\""},
                            {"-20", "45", "1", "19", "-10", "19", "10", "\"&02\"", "\"h12\"", "\"\""}}));
    EXPECT_EQ(
        M.ArgsOf("drDimHL"),
        (std::vector<TArgs>{{"5", "5", "5", "0", "14", "5", "14", "\"\"", "\"h14\"", "\"\""},
                            {"7", "16", "-5", "7", "5.5", "0", "14", "\"\"", "\"H14\"", "\"\""},
                            {"20", "28", "-5", "20", "9", "0", "14", "\"\"", "\"h14\"", "\"\""},
                            {"1", "25", "-5", "19", "10", "20", "9", "\"\"", "\"\"", "\"&04~45&01\""}}));
    EXPECT_EQ(M.ArgsOf("drRough"), (std::vector<TArgs>{{"45", "10", "90", "0", "\"1,6\"", "\"\"", "\"\""},
                                                       {"5", "-24", "0", "0", "\"3,2\"", "\"\"", "\"\""}}));
    EXPECT_EQ(M.ArgsOf("drLine").back(), (TArgs{"5", "-14", "5", "-29", "2"}));
    EXPECT_EQ(M.ArgsOf("drDimR"), (std::vector<TArgs>{{"0.1", "\"\"", "20", "15", "0", "0", "5.1", "10.1",
                                                       "2", "0", "\"R\"", "\"\"", "\"\""}}));
    DrawWasher(1, true, 14);
    EXPECT_EQ(M.ArgsOf("drDimVL2")[3][0], "0");
    EXPECT_EQ(M.CountOf("drDimR"), 0u); // no groove, no radius of 0
    EXPECT_EQ(M.Depth(), 0);
}

TEST_F(TMouldRingsTest, WasherSheetIsPlacedByLengthAndCounterboreAndHasNoDimensions)
{
    Washer.Len = 20, Washer.Radius = 10, Washer.CollarRadius = 14, Washer.CollarHeight = 5;
    Washer.BoltHeadLen = 7, Washer.BoltHeadRadius = 5.5, Washer.BoltRadius = 3.4;
    Washer.dr2D();
    EXPECT_EQ(M.Texts().front(), "drLeafStampView1(3, 0, 20, -14, true)");
    EXPECT_EQ(M.CountOf("drHatch"), 1u);
    EXPECT_EQ(M.CountOf("drDimHL") + M.CountOf("drDimVL2") + M.CountOf("drRough"), 0u);
    M.ClearJournal();
    M.BooleanResult = false; // a detail the control model does not hold
    Washer.dr2D();
    Washer.dr3D(0);
    EXPECT_EQ(M.Names(), (std::vector<std::string>{"drLeafStampView1", "drCreate3DNewPartPlane"}));
}

// ---- On the host ---------------------------------------------------------------------------------

using TMouldRingsPartTest = TComponentHostFixture;

TEST_F(TMouldRingsPartTest, WasherPartSweepsItsProfileAndItsSheetReopens)
{
    const TDcDetail id = Present("supportwasher");
    for (const Real r1 : {10.0, 14.0}) {
        SCOPED_TRACE(r1);
        TSupportWasher w(id, &drApi::MA, nullptr);
        w.Len = 20, w.Radius = r1, w.CollarRadius = 14, w.CollarHeight = 5, w.BoltHeadLen = 7;
        w.BoltHeadRadius = 5.5, w.BoltRadius = 3.4;
        w.dr3D(0);
        const std::vector<tvhost::TShape> shapes = Shapes(id);
        ASSERT_EQ(shapes.size(), 1u);
        EXPECT_TRUE(tvhost::IsValidShape(shapes[0]));
        TSectionRecorder profile;
        TSupportWasher(0, &profile, nullptr)
            .dr2D_ShajbaOporna_V1(0, 0, 0, 1, 5, 7, 20, 14, 5.5, 3.4, r1, 0, false);
        const double volume = profile.RevolvedVolume();
        EXPECT_NEAR(tvhost::Volume(shapes[0]), volume, 1e-6 * volume);
        // Without a groove: a cylinder 14 x 20, less the bolt hole, the counterbore and the
        // end chamfer's ring (Pappus on its triangle).
        if (r1 == 14.0) {
            EXPECT_NEAR(volume,
                        pi * (196 * 20 - 5.5 * 5.5 * 7 - 3.4 * 3.4 * 13) - 2 * pi * (14 - 1.0 / 3) * 0.5,
                        1e-6);
        }
        Kept.Reset();
        w.dr2D();
        tvhost::THostDocument2D* drawing = OpenSheet(id);
        ASSERT_NE(drawing, nullptr);
        EXPECT_EQ(Dimensions(*drawing), 0);
        const tvhost::THostTechnicalDemand* demand = drawing->Data().Notes.Demand.Get();
        ASSERT_NE(demand, nullptr);
        EXPECT_EQ(U(demand->Lines()), " 32...36 HRCэ");
    }
}

TEST_F(TMouldRingsPartTest, DowelBuiltFromItsDrawingIsATubeLessItsChamfers)
{
    const TDcDetail id = Present("tubedowel");
    ComponentCatalogue()[id - 1].Build(drApi::MA, id, 0); // Radius 6, bore 4, length 12
    const std::vector<tvhost::TShape> shapes = Shapes(id);
    ASSERT_EQ(shapes.size(), 1u);
    EXPECT_TRUE(tvhost::IsValidShape(shapes[0]));
    const double left = 2 * pi * (6 - 1.0 / 3) * 0.5, right = 2 * pi * (6 - tan30 / 3) * (tan30 / 2);
    EXPECT_NEAR(tvhost::Volume(shapes[0]), pi * (36 - 16) * 12 - left - right, 1e-6);
    Kept.Reset();
    tvhost::THostDocument2D* drawing = OpenSheet(id);
    ASSERT_NE(drawing, nullptr);
    EXPECT_EQ(Dimensions(*drawing), 4); // length, both diameters, the chamfers
}

} // namespace
