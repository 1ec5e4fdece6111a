// The ejector plug, ejector rod, ejector pin and set screws as the modeller sees them: closed
// revolve outlines, the halves, groups and hatches of their views, dimension texts, marks and
// notes, sheet origins and requirements, and a balanced placement stack.

#include <gtest/gtest.h>

#include <cmath>

#include "ComponentCatalogue.h"
#include "ComponentRecorder.h"
#include "KmfData.h"
#include "MathDetail2.h"
#include "StreamTestUtil.h"
#include "drModelerAPI.h"

namespace {

using TArgs = std::vector<std::string>;

double D(const std::string& s)
{
    return std::stod(s);
}

std::string Q(const char* utf8)
{
    return recording::QuotedUtf8(TString(utf8));
}

// The smallest |y| of the lines drawn outside the axis style.
double NearestToAxis(const TComponentRecorder& M)
{
    double y = 1e9;
    for (const TArgs& a : M.ArgsOf("drLine"))
        if (a[4] != "3") y = std::min({y, std::abs(D(a[1])), std::abs(D(a[3]))});
    return y;
}

class TEjectorPartsTest : public testing::Test {
protected:
    void SetUp() override { drApi::LibraryControlModel = &Model; }
    void TearDown() override { drApi::LibraryControlModel = nullptr; }

    // A plug of body 20 n6, collar 26 by 5, bores 12 H7 and 14 over 20, length 30, seat 5.
    TEjectorPlug Plug()
    {
        TEjectorPlug p(5, &M, TConstruktor::Empty());
        p.Radius = 10, p.Len = 30, p.ConeLen = 5, p.CollarHeight = 5, p.CollarRadius = 13;
        p.ECRadius = 6, p.EC2Radius = 7, p.EC2Len = 20;
        return p;
    }
    // A rod of body 20 with collar 24 by 20, thread M16x1.5 over 20, length 80, hole 5 by 12
    // counterbored 8 by 4, cross hole 6 at 10 from the collar end, flats 16 long.
    TMTail Rod()
    {
        TMTail t(6, &M, TConstruktor::Empty());
        t.Radius = 10, t.Len = 80, t.ThreadLen = 20, t.ThreadRadius = 8, t.ThreadStep = 1.5;
        t.CollarRadius = 12, t.R61 = 3, t.X88 = 10, t.X89 = 16, t.X90 = 20, t.R97 = 4, t.R98 = 2.5;
        t.Y3 = 12, t.Y4 = 4;
        return t;
    }
    void DrawRod(const TMTail& t, Integer tl, Boolean isSize)
    {
        t.dr2D_V1(0, 0, 0, 1.0, t.CollarRadius, t.X90, t.X89, t.X88, t.R61, t.Radius, t.ThreadRadius, t.Len,
                  t.ThreadLen, 2 * t.Radius - 3, t.Y3, t.Y4, t.R98, t.R97, tl, isSize);
    }

    TComponentRecorder M;
    TCatalogueModel Model{"G"};
};

TEST_F(TEjectorPartsTest, PlugSketchIsOneClosedRingOffTheAxis)
{
    const TEjectorPlug p = Plug();
    p.dr3D(0);
    EXPECT_EQ(M.Texts().front(), "drCreate3DNewPartPlane(5, 0, true, 3, 0)");
    EXPECT_TRUE(M.OutlineClosed());
    EXPECT_EQ(NearestToAxis(M), 6.0); // the bore behind the seat
    EXPECT_EQ(M.CountOf("drHatch"), 0u);
    EXPECT_EQ(M.CountOf("drDimHL") + M.CountOf("drRough"), 0u);
    EXPECT_EQ(M.ArgsOf("drLine").front(), (TArgs{"-3", "0", "33", "0", "3"}));
    EXPECT_EQ(M.Texts()[M.Calls.size() - 3], "drBaseRotate(0, 360)");
    EXPECT_EQ(M.Depth(), 0);
}

TEST_F(TEjectorPartsTest, PlugSheetHatchesBothHalvesWithItsDimensionsAndRequirements)
{
    const TEjectorPlug p = Plug();
    p.dr2D();
    EXPECT_EQ(M.Texts().front(), "drLeafStampView1(5, 0, 25, -26, true)");
    EXPECT_EQ(M.ArgsOf("drHatch"), (std::vector<TArgs>{{"0", "135", "5"}}));
    // Edge lines at x = 0, x68 - 1, x68, x59 - x9 and x59 in both halves, down to the axis.
    std::vector<double> edges;
    for (const TArgs& a : M.ArgsOf("drLine"))
        if (D(a[4]) < 0 && a[0] == a[2] && a[3] == "0") edges.push_back(D(a[0]) * (D(a[1]) > 0 ? 1 : -1));
    std::sort(edges.begin(), edges.end());
    EXPECT_EQ(edges, (std::vector<double>{-30, -25, -20, -19, 0, 0, 19, 20, 25, 30}));
    const auto vl = M.ArgsOf("drDimVL1");
    ASSERT_EQ(vl.size(), 5u);
    EXPECT_EQ(vl[0], (TArgs{"-12", "-41", "-12", "20", "-6", "20", "6", "\"&02\"", "\"H7\"", "\"\""}));
    EXPECT_EQ(vl[3], (TArgs{"12.2", "41", "-8.9", "30", "6.1", "30", "-6.1", "\"&02~\"", "\"H12\"", "\"\""}));
    EXPECT_EQ(M.ArgsOf("drDimHL")[0],
              (TArgs{"20", "10", "0", "0", "13", "20", "6", "\"\"", "\"\"", "\"&03~0,2\""}));
    EXPECT_EQ(M.ArgsOf("drDimApc"),
              (std::vector<TArgs>{{"-91", "-90", "14", "0", "\"\"", "30", "-6.187275325"}}));
    EXPECT_EQ(M.CountOf("drRough"), 7u);
    EXPECT_EQ(M.ArgsOf("drRough").front()[4], "\"0,4\"");
    EXPECT_EQ(M.ArgsOf("drStringObj"),
              (std::vector<TArgs>{{Q("1. 52...56 HRCэ")},
                                  {Q("2. Покрытие поверхности шероховатостью  0,2 - X12тв.")},
                                  {Q("3. Коническая поверхность шероховатостью 0,2 ")}}));
    EXPECT_EQ(M.Depth(), 0);

    M.ClearJournal();
    M.BooleanResult = false; // the host refuses the sheet
    p.dr2D();
    EXPECT_EQ(M.Calls.size(), 1u);
    M.ClearJournal();
    p.dr2D_V1(0, 0, 0, 1, 13, 7, 6, 6.1, 10, 20, 5, 5, 0, 1, true); // no length: nothing
    EXPECT_TRUE(M.Calls.empty());
}

TEST_F(TEjectorPartsTest, RodSketchIsOneClosedContourFromTheDrillApex)
{
    DrawRod(Rod(), 0, false);
    EXPECT_EQ(M.CountOf("drGroup"), 0u);
    EXPECT_TRUE(M.OutlineClosed());
    EXPECT_EQ(M.ArgsOf("drLine").front(), (TArgs{"-65", "0", "22", "0", "3"}));
    EXPECT_EQ(M.ArgsOf("drLine")[1], (TArgs{"6", "0", "8", "2.5", "1"})); // apex at 20 - (12 + 2)
    EXPECT_EQ(M.ArgsOf("drLine").back(), (TArgs{"-60", "0", "6", "0", "1"}));
    EXPECT_EQ(M.CountOf("drCircle"), 0u);
    EXPECT_EQ(M.LinesInStyle(2) + M.LinesInStyle(4), 0u);
    EXPECT_EQ(M.Depth(), 0);

    // Without a drilled hole the chain starts on the threaded end face.
    M.ClearJournal();
    TMTail t = Rod();
    t.Y3 = 0, t.Y4 = 0;
    DrawRod(t, 0, false);
    EXPECT_TRUE(M.OutlineClosed());
    EXPECT_EQ(M.ArgsOf("drLine").back(), (TArgs{"-60", "0", "20", "0", "1"}));
}

TEST_F(TEjectorPartsTest, RodDrawingSizesStayOutOfItsRecord)
{
    TKmfData out;
    Rod().toStream(out);
    const streamtest::Bytes bytes = streamtest::DataOf(out);
    EXPECT_EQ(bytes.size(), 61u);
    TMTail back(6, &M, TConstruktor::Empty());
    TKmfData in;
    in.from(streamtest::Blob(TKmfData::CurrentVersion, bytes));
    back.fromStream(in);
    EXPECT_EQ(back.Len, 80.0);
    EXPECT_EQ(back.CollarRadius, 12.0);
    for (const Real v : {back.R61, back.X88, back.X89, back.X90, back.R97, back.R98, back.Y3, back.Y4})
        EXPECT_EQ(v, 0.0);
}

TEST_F(TEjectorPartsTest, RodViewsChooseTheirHalvesAndGroups)
{
    const TMTail t = Rod();
    DrawRod(t, 31, false);
    const std::vector<std::string> names = M.Names();
    ASSERT_GE(names.size(), 3u);
    EXPECT_EQ(M.Texts()[0], "drGroup(true)");
    EXPECT_EQ(M.Texts().back(), "drLine(-40, 10, -40, -10, 31)"); // the collar's edge
    EXPECT_EQ(M.ArgsOf("drCircle"), (std::vector<TArgs>{{"-50", "0", "3", "31"}}));
    EXPECT_EQ(M.CountOf("drEndGroup"), 1u);
    EXPECT_EQ(M.ArgsOf("drClearRegion"), (std::vector<TArgs>{{"0"}}));
    EXPECT_EQ(M.CountOf("drDimHL") + M.CountOf("drShelf"), 0u);
    EXPECT_EQ(M.Depth(), 0);

    // The upper half alone: the group holds it drawn 0.001 up, the view has no cross hole.
    M.ClearJournal();
    DrawRod(t, 11, false);
    EXPECT_EQ(M.CountOf("drGroup"), 1u);
    EXPECT_EQ(M.CountOf("drCircle"), 0u);
    for (const TArgs& a : M.ArgsOf("drLine"))
        EXPECT_GE(D(a[1]), 0.0);
    M.ClearJournal();
    DrawRod(t, 21, false);
    for (const TArgs& a : M.ArgsOf("drLine"))
        EXPECT_LE(D(a[1]), 0.0);
}

TEST_F(TEjectorPartsTest, RodSheetNamesItsThreadFlatsAndHardness)
{
    TMTail t = Rod();
    t.dr2D();
    EXPECT_EQ(M.Texts().front(), "drLeafStampView1(6, 0, 0, -10, true)");
    EXPECT_EQ(M.CountOf("drGroup"), 0u);
    EXPECT_GE(M.LinesInStyle(4), 4u);  // the drilled hole, both halves
    EXPECT_EQ(M.LinesInStyle(-2), 2u); // the thread roots
    const auto vl = M.ArgsOf("drDimVL");
    ASSERT_GE(vl.size(), 3u);
    EXPECT_EQ(vl[2], (TArgs{"16", "15", "-1", "18", "8", "18", "-8", "\"M\"", "\"\"", "\"&04~   1.50-8g\""}));
    const auto shelf = M.ArgsOf("drShelf");
    ASSERT_EQ(shelf.size(), 1u);
    EXPECT_EQ(shelf[0][8], Q("HRCэ 42...46"));
    EXPECT_EQ(TArgs(shelf[0].begin() + 1, shelf[0].begin() + 4), (TArgs{"-50", "28", "-1"}));
    // The end view 35 beyond the threaded end: flats 17 apart, cross hole 6 hidden between them.
    bool flat = false;
    for (const TArgs& a : M.ArgsOf("drDimHL"))
        flat |= a[0] == "17" && a[3] == "-8.5";
    EXPECT_TRUE(flat);
    EXPECT_EQ(M.ArgsOf("drCircleShelf").front(), (TArgs{"1.3", "8", "3", "-14", "17", "\"A\""}));
    EXPECT_EQ(M.ArgsOf("drStringObj"),
              (std::vector<TArgs>{{Q("1. Неуказанные предельные отклонения по h14, Js14")},
                                  {Q("2. $*;$ Размеры для справок")}}));
    EXPECT_EQ(M.Depth(), 0);

    // The catalogue rod: its half section alone, the same requirements.
    M.ClearJournal();
    t.Code = 1;
    t.dr2D();
    EXPECT_EQ(M.CountOf("drDimVL") + M.CountOf("drCircleShelf") + M.CountOf("drArc"), 0u);
    EXPECT_EQ(M.CountOf("drStringObj"), 2u);
}

TEST_F(TEjectorPartsTest, RodPartCutsItsCrossHoleAndFlatsAtTheCollarEnd)
{
    TMTail t = Rod();
    t.dr3D(0);
    EXPECT_EQ(M.Texts().front(), "drCreate3DNewPartPlane(6, 0, true, 3, 0)");
    EXPECT_EQ(M.ArgsOf("drPlaneEskis"),
              (std::vector<TArgs>{{"3", "-10", "0", "\"\""}, {"1", "60", "0", "\"\""}}));
    EXPECT_EQ(M.ArgsOf("drCircle"), (std::vector<TArgs>{{"-50", "0", "3", "1"}}));
    EXPECT_EQ(M.ArgsOf("drCutExtrusion"), (std::vector<TArgs>{{"0", "0", "20", "0"}, {"1", "0", "16", "0"}}));
    // Each flat 1.5 inside the body: 8.5 from the axis, as wide as the collar allows.
    const double h = std::sqrt(144 - 8.5 * 8.5);
    bool flat = false;
    for (const TArgs& a : M.ArgsOf("drLine"))
        flat |= a[0] == "8.5" && std::abs(D(a[1]) + h) < 1e-6 && a[4] == "1";
    EXPECT_TRUE(flat);
    EXPECT_EQ(M.Depth(), 0);

    // No cross hole without its radius; the catalogue rod is drawn turned 180 degrees.
    M.ClearJournal();
    t.R61 = 0;
    t.Code = 1;
    t.dr3D(0);
    EXPECT_EQ(M.CountOf("drPlaneEskis"), 1u);
    EXPECT_EQ(M.CountOf("drCutExtrusion"), 1u);
    EXPECT_TRUE(M.OutlineClosed());
    EXPECT_EQ(M.LinesInStyle(-1), 0u);
}

TEST_F(TEjectorPartsTest, RodAssemblyViewOnlyForAPresentDetail)
{
    TMTail t = Rod();
    t.dr2D_VZ(100, 50, 90, 1, 0);
    EXPECT_TRUE(M.Calls.empty());
    Model.Present(6, 16);
    t.dr2D_VZ(100, 50, 90, 1, 0);
    EXPECT_EQ(M.Texts().front(), "drGroup(true)");
    EXPECT_EQ(M.CountOf("drDimHL"), 0u);
    M.ClearJournal();
    t.Code = 1;
    t.dr2D_VZ(100, 50, 90, 1, 0);
    EXPECT_EQ(M.CountOf("drGroup"), 0u);
    std::size_t upper = 0, lower = 0;
    for (const TArgs& a : M.ArgsOf("drLine"))
        upper += D(a[1]) > 0, lower += D(a[1]) < 0;
    EXPECT_EQ(upper, lower); // both halves of the catalogue rod
    EXPECT_GT(upper, 10u);
}

TEST_F(TEjectorPartsTest, CatalogueRodDrawingsAndEndView)
{
    const TMTail t = Rod();
    t.dr2D_EjectorRod_V1(0, 0, 0, 1, 8, 3, 12, 10, 6, 14, 60, 0, false);
    EXPECT_TRUE(M.OutlineClosed());
    EXPECT_EQ(M.LinesInStyle(-1) + M.LinesInStyle(2), 0u);
    M.ClearJournal();
    t.dr2D_EjectorRod_V1(0, 0, 0, 1, 8, 3, 12, 10, 6, 14, 60, 1, true);
    std::vector<double> edges;
    for (const TArgs& a : M.ArgsOf("drLine"))
        if (a[4] == "-1" && a[3] == "0") edges.push_back(D(a[0]));
    std::sort(edges.begin(), edges.end());
    EXPECT_EQ(edges, (std::vector<double>{0, 1, 12, 17, 45, 50, 59, 60}));
    M.ClearJournal();
    t.dr2D_EjectorRod_V3(0, 0, 0, 1, 8, 3, 12, 10, 6, 14, 60, 1, true);
    EXPECT_EQ(M.ArgsOf("drLine").front(), (TArgs{"40", "-8", "40", "-3.872983346", "1"}));

    // The end view: flats as wide as the collar have no length.
    M.ClearJournal();
    t.dr2D_V2(0, 0, 0, 1, 12, 0, 0, 0, 3, 0, 0, 0, 0, 24, 0, 0, 0, 0, 1, false);
    const auto lines = M.ArgsOf("drLine");
    EXPECT_NE(std::find(lines.begin(), lines.end(), TArgs{"12", "0", "12", "0", "1"}), lines.end());
    EXPECT_NE(std::find(lines.begin(), lines.end(), TArgs{"-12", "-3", "-12", "3", "4"}), lines.end());
    EXPECT_EQ(M.CountOf("drDimHL"), 0u);
    M.ClearJournal();
    t.dr2D_Hvostovyk_Vo(0, 0, 0, 1, 12, 0, 0, 0, 0, 0, 0, 0, 0, 17);
    EXPECT_EQ(M.ArgsOf("drLine").size(), 8u);
    EXPECT_EQ(M.Depth(), 0);
}

TEST_F(TEjectorPartsTest, EjectorPinBearsOnItsHeadsUnderside)
{
    const TEjectorPin p(7, &M, TConstruktor::Empty());
    p.dr2D_V1(0, 0, 0, 1, 3, 5, 5, 0.5, 100, 0, false);
    EXPECT_TRUE(M.OutlineClosed());
    EXPECT_EQ(M.CountOf("drArc"), 1u); // the fillet under the head
    EXPECT_EQ(M.ArgsOf("drLine").back(), (TArgs{"-3", "0", "103", "0", "3"}));
    EXPECT_EQ(M.CountOf("drDimVL") + M.CountOf("drRough"), 0u);
    EXPECT_EQ(M.Depth(), 0);

    // A fillet larger than the head's step draws a sharp corner; the view has the edge at k.
    M.ClearJournal();
    p.dr2D_V1(0, 0, 0, 1, 3, 5, 5, 2.5, 100, 1, true);
    EXPECT_EQ(M.CountOf("drArc"), 0u);
    const auto lines = M.ArgsOf("drLine");
    EXPECT_NE(std::find(lines.begin(), lines.end(), TArgs{"5", "5", "5", "0", "-1"}), lines.end());
    EXPECT_EQ(std::count(lines.begin(), lines.end(), TArgs{"0", "0", "0", "0", "1"}), 0);
    EXPECT_EQ(M.ArgsOf("drDimVL"),
              (std::vector<TArgs>{{"10", "-10", "-1", "0", "-5", "0", "5", "\"&02\"", "\"h14\"", "\"\""},
                                  {"6", "10", "-1", "100", "-3", "100", "3", "\"&02\"", "\"f7\"", "\"\""}}));
    EXPECT_EQ(M.ArgsOf("drDimHL")[1],
              (TArgs{"100", "-20", "-1", "0", "-5", "100", "-3", "\"\"", "\"h6\"", "\"\""}));
    EXPECT_EQ(M.ArgsOf("drRough"), (std::vector<TArgs>{{"0", "-22", "180", "0", "\"0,8\"", "\"\"", "\"\""}}));
    EXPECT_EQ(M.Depth(), 0);
}

TEST_F(TEjectorPartsTest, SetScrewsCloseTheirHalvesInSketchMode)
{
    const TSetScrew w(8, &M, TConstruktor::Empty());
    const TCommonGeometry G(M);
    // The record's screw: both halves closed along the axis, from the socket's apex.
    w.dr2D_V1(0, 0, 0, 1, 4, 6, 16, 5, 4, 0, false);
    EXPECT_TRUE(M.OutlineClosed());
    EXPECT_EQ(M.ArgsOf("drLine").front(), (TArgs{"-3", "0", "19", "0", "3"}));
    EXPECT_EQ(M.ArgsOf("drLine")[1], (TArgs{"5", "0", "3.845299462", "2", "1"}));
    EXPECT_EQ(M.LinesInStyle(-1), 0u);
    // In view mode the thread roots from the end back to K + 2, in both halves.
    M.ClearJournal();
    w.dr2D_V1(0, 0, 0, 1, 4, 6, 16, 5, 4, 1, true);
    const auto lines = M.ArgsOf("drLine");
    EXPECT_EQ(std::count(lines.begin(), lines.end(), TArgs{"16", "3", "7", "3", "-1"}), 1);
    EXPECT_EQ(std::count(lines.begin(), lines.end(), TArgs{"16", "-3", "7", "-3", "-1"}), 1);

    // The headless screw: the upper half closed in main lines, the lower one thin.
    M.ClearJournal();
    G.dr2D_HexagonSocketSetScrew_V1(0, 0, 0, 1, 4, 4, 1, 16, 0, false);
    std::size_t upper = 0, thin = 0;
    for (const TArgs& a : M.ArgsOf("drLine")) {
        if (a[4] == "1") {
            EXPECT_GE(D(a[1]) + D(a[3]), 0.0);
            ++upper;
        }
        thin += a[4] == "2";
    }
    EXPECT_EQ(upper, 8u);
    EXPECT_EQ(thin, 8u);
    EXPECT_EQ(M.ArgsOf("drLine")[8], (TArgs{"16", "0", "3.154700538", "0", "1"}));
    M.ClearJournal();
    G.dr2D_HexagonSocketSetScrew_V1(0, 0, 0, 1, 4, 4, 1, 16, 1, false);
    EXPECT_EQ(M.LinesInStyle(-1), 6u); // edges at 0, 1 and L - sl in both halves
    EXPECT_EQ(M.LinesInStyle(2), 0u);
    EXPECT_EQ(M.Depth(), 0);
}

} // namespace
