// The leader-pin bushing and the guide bush's drawing: sizes from elements 2 and 4, the
// record's bytes and version gate, the outline in its variants, halves and hatching, the
// dimensions of the sheet, and the sheets and parts made on the host.

#include <gtest/gtest.h>

#include <numbers>

#include "ComponentHostFixture.h"
#include "LeaderPinBushing.h"
#include "MathDetail2.h"
#include "SectionRecorder.h"
#include "StreamTestUtil.h"
#include "TextBase.h"
#include "drModelerAPI.h"

namespace {

using TArgs = std::vector<std::string>;
using streamtest::Bytes;

Bytes Write(const TDetail& d)
{
    TKmfData s;
    d.toStream(s);
    return streamtest::DataOf(s);
}

Bytes Real8(double v)
{
    Bytes b(8);
    std::memcpy(b.data(), &v, 8);
    return b;
}

class TLeaderPinBushingTest : public testing::Test {
protected:
    void SetUp() override
    {
        // The library's path only: Set loads the element library itself.
        ABaseDetail.Set(DC_SOURCE_DIR "/samples", "ZelCoupling.tb");
        drApi::LibraryControlModel = &Model;
    }
    void TearDown() override { drApi::LibraryControlModel = nullptr; }

    TSectionRecorder M;
    TCatalogueModel Model{"G"};
    TDirectPlug Plug{0, &M, TConstruktor::Empty()};
};

// Radius, LPRadius, Len, FLen, LPLen, CollarHeight, CollarRadius, GrooveLen.
std::vector<Real> Sizes(const TSocketLeaderPinBushing& b)
{
    return {b.Radius, b.LPRadius, b.Len, b.FLen, b.LPLen, b.CollarHeight, b.CollarRadius, b.GrooveLen};
}

TEST_F(TLeaderPinBushingTest, ElementsTwoAndFourAreKeyedByDiameterAndOverallLength)
{
    const TDcDetail id = Model.RowOf("lpbushing");
    TSocketLeaderPinBushing b(id, &M, nullptr);
    // Element 2, row 2: d 16, D 25, D1 30, H 5, F 10, l 15, L 25.
    ASSERT_EQ(b.Set(2, 12.5, 25.0), 2);
    EXPECT_TRUE(b.Design);
    EXPECT_EQ(b.Code, 2002);
    EXPECT_EQ(Model.GetCodeDet(id), (TBaseDetail{2, 2, 0}));
    EXPECT_EQ(Sizes(b), (std::vector<Real>{12.5, 8, 25, 10, 15, 5, 15, 0}));
    // 15 is a pin length (column 6) of every row, but below every overall length.
    EXPECT_EQ(b.Set(2, 12.5, 15.0), 0);
    EXPECT_FALSE(b.Design);
    EXPECT_EQ(b.Len, 25.0); // a failed look-up keeps the sizes and the code
    EXPECT_EQ(b.Code, 2002);

    // Element 4, row 3: d 16, D 25, D1 30, H 5, l 15, L 30; the groove midway, 17.5 rounded up.
    ASSERT_EQ(b.Set(4, 12.5, 30.0), 3);
    EXPECT_EQ(b.Code, 4003);
    EXPECT_EQ(Sizes(b), (std::vector<Real>{12.5, 8, 30, 0, 15, 5, 15, 18}));
    ASSERT_EQ(b.Set(4, 15.0, 40.0), 6);
    EXPECT_EQ(b.GrooveLen, 23.0);
    EXPECT_EQ(TSocketLeaderPinBushing::GroovePlace(40, 9), 25.0);
    EXPECT_EQ(TSocketLeaderPinBushing::GroovePlace(20, 5), 13.0);

    // Element 3 is not a bushing: nothing changes.
    EXPECT_EQ(b.Set(3, 12.5, 20.0), 0);
    EXPECT_TRUE(b.Design);
    EXPECT_EQ(b.Code, 4006);
    TSocketLeaderPinBushing copy(7, &M, &b);
    copy = b;
    EXPECT_EQ(Write(copy), Write(b));
    EXPECT_EQ(copy.Id, 7);
}

TEST_F(TLeaderPinBushingTest, RecordIsSixtyNineBytesAndGroovePlaceCameWithVersion37)
{
    TSocketLeaderPinBushing b(1, &M, nullptr);
    b.Design = true, b.Code = 4003;
    b.Radius = 1, b.LPRadius = 2, b.Len = 3, b.FLen = 4, b.LPLen = 5, b.CollarHeight = 6, b.CollarRadius = 7,
    b.GrooveLen = 8;
    const Bytes bytes = Write(b);
    Bytes expected{1, 0xA3, 0x0F, 0, 0};
    for (int i = 1; i <= 8; ++i)
        expected = streamtest::Cat(expected, Real8(i));
    EXPECT_EQ(bytes, expected);
    TSocketLeaderPinBushing c(1, &M, nullptr);
    TKmfData now;
    now.from(streamtest::Blob(TKmfData::CurrentVersion, bytes));
    c.fromStream(now);
    EXPECT_EQ(Write(c), bytes);

    // Version 36 wrote no groove: the double after the sizes belongs to the next record.
    TSocketLeaderPinBushing old(1, &M, nullptr);
    old.GrooveLen = 99;
    TKmfData s;
    s.from(streamtest::Blob(36, streamtest::Cat(Bytes(bytes.begin(), bytes.end() - 8), Real8(42))));
    old.fromStream(s);
    EXPECT_EQ(Sizes(old), (std::vector<Real>{1, 2, 3, 4, 5, 6, 7, 0}));
    double next = 0;
    s.Read(next);
    EXPECT_EQ(next, 42.0);
}

TEST_F(TLeaderPinBushingTest, PlainSleeveRunsFaceChamferBoreAndBackUp)
{
    const double r = 5, r1 = 8, r2 = 10, L = 20;
    Plug.dr2D_LeaderPinBushing_V1(0, 0, 0, 1, r, r1, r2, 0, 0, L, L, 0, false, 0);
    EXPECT_EQ(M.ArgsOf("drLine").front(), (TArgs{"-2", "0", "22", "0", "3"}));
    // Collar face to the bore's entry chamfer, the bore to its rounded edge, the end face
    // with its outer chamfer, the outer line to x = 3 and back up to the collar's corner.
    EXPECT_EQ(M.Segments(),
              (std::vector<std::string>{"0 10 0 5.5", "0 5.5 0.5 5", "0.5 5 19.5 5", "20 5.5 20 7",
                                        "20 7 20 7.5", "20 7.5 19.5 8", "19.5 8 3 8", "3 8 0 10"}));
    EXPECT_EQ(M.ArgsOf("drArc"),
              (std::vector<TArgs>{{"19.5", "5.5", "0.5", "19.5", "5", "20", "5.5", "1", "1"}}));
    EXPECT_TRUE(M.OutlineClosed());
    EXPECT_EQ(M.CountOf("drHatch"), 0u);
    EXPECT_EQ(M.CountOf("drDimL") + M.CountOf("drDimHL") + M.CountOf("drDimVL2"), 0u);
    EXPECT_EQ(M.Depth(), 0);
}

TEST_F(TLeaderPinBushingTest, ExtensionCollarAndGrooveShapeTheOutline)
{
    // Element 2's row 1 drawn as its sheet draws it, and element 4's groove at 13.
    Plug.dr2D_LeaderPinBushing_V1(0, 0, 0, 1, 8, 12.5, 15, 10, 5, 20, 20, 0, false, 13);
    EXPECT_TRUE(M.OutlineClosed());
    const std::vector<std::string> s = M.Segments();
    const auto has = [&](const char* seg) { return std::find(s.begin(), s.end(), seg) != s.end(); };
    EXPECT_TRUE(has("-3 12.5 -9.5 12.5")) << "the extension's outer surface behind its relief groove";
    EXPECT_TRUE(has("-9.5 12.5 -10 12")) << "its end chamfer";
    EXPECT_TRUE(has("-10 12 -10 9")) << "its end face down to the relieved bore's chamfer";
    EXPECT_TRUE(has("-9.5 8.5 0 8.5")) << "the bore relieved by 0.5 up to the collar's face";
    EXPECT_TRUE(has("0 8.5 0 8")) << "the step down to the guiding bore";
    EXPECT_TRUE(has("14 12.5 13 11.5") && has("13 11.5 12 12.5")) << "the V groove at 13";
    EXPECT_TRUE(has("12 12.5 8 12.5")) << "the body to the collar's relief groove";
    // Four groove corners rounded by 0.25 and the bore's edge by 0.5.
    EXPECT_EQ(M.CountOf("drArc"), 5u);
    double minX = 0;
    for (const TArgs& a : M.ArgsOf("drLine"))
        minX = std::min({minX, std::stod(a[0]), std::stod(a[2])});
    EXPECT_EQ(minX, -12.0); // the axis, 2 beyond the extension
}

TEST_F(TLeaderPinBushingTest, TensDigitChoosesTheHatchedHalf)
{
    const auto run = [&](Integer tl) {
        M.ClearJournal();
        Plug.dr2D_LeaderPinBushing_V1(0, 0, 0, 1, 8, 12.5, 15, 10, 5, 20, 20, tl, false, 0);
        double minY = 0, maxY = 0;
        for (const TArgs& a : M.ArgsOf("drLine")) {
            minY = std::min({minY, std::stod(a[1]), std::stod(a[3])});
            maxY = std::max({maxY, std::stod(a[1]), std::stod(a[3])});
        }
        return std::pair(minY, maxY);
    };
    EXPECT_EQ(run(11), std::pair(0.0, 15.0));
    EXPECT_EQ(M.Names()[2], "drHatch"); // placement, axis, then the hatch before the outline
    EXPECT_EQ(M.ArgsOf("drHatch"), (std::vector<TArgs>{{"0", "45", "3"}}));
    EXPECT_GT(M.LinesInStyle(-1), 0u);
    EXPECT_EQ(run(21), std::pair(-15.0, 0.0));
    EXPECT_EQ(M.CountOf("drHatch"), 1u);
    EXPECT_EQ(run(1), std::pair(-15.0, 15.0));
    EXPECT_EQ(M.CountOf("drHatch"), 1u);
    EXPECT_EQ(M.CountOf("drEndObj"), 1u);
    EXPECT_EQ(M.Names()[2], "drLine"); // both halves first, then the hatch over them
    EXPECT_EQ(M.Depth(), 0);
}

TEST_F(TLeaderPinBushingTest, SheetDimensionsFitsAndRoughness)
{
    Plug.dr2D_LeaderPinBushing_V1(0, 0, 0, 1, 8, 12.5, 15, 10, 5, 20, 20, 1, true, 0);
    EXPECT_EQ(M.ArgsOf("drCircleShelf"), (std::vector<TArgs>{{"6.5", "12.5", "3", "10", "32.5", "\"A\""}}));
    EXPECT_EQ(M.ArgsOf("drDimHL"),
              (std::vector<TArgs>{
                  {"5", "-30", "1", "0", "-15", "5", "-15", "\"\"", "\"h9\"", "\"\""},
                  {"15", "-43", "1", "-10", "-12", "5", "-15", "\"\"", "\"h14\"", "\"\""},
                  {"30", "-56.5", "1", "-10", "-12", "20", "-12", "\"\"", "\"h14\"", "\"\""},
                  {"0.5", "13", "-1", "19.5", "12.5", "20", "12", "\"2 фаски\"", "\"\"", "\"&04~45&01\""}}));
    EXPECT_EQ(M.ArgsOf("drDimVL2"),
              (std::vector<TArgs>{
                  {"25", "-15", "0", "-9", "-12.5", "-9", "12.5", "\"&02\"", "\"h9\"", "\"\""},
                  {"30", "-36", "1", "0", "-15", "0", "15", "\"&02\"", "\"h14\"", "\"\""},
                  {"16", "14", "5", "20", "-8", "20", "8", "\"&02\"", "\"H7\"", "\"\""},
                  {"25", "28", "1", "19.5", "-12.5", "19.5", "12.5", "\"&02\"", "\"n6\"", "\"\""}}));
    EXPECT_EQ(M.ArgsOf("drRough"), (std::vector<TArgs>{{"4", "-8", "90", "0", "\"0,4\"", "\"\"", "\"\""},
                                                       {"-18", "12.5", "90", "0", "\"0,8\"", "\"\"", "\"\""},
                                                       {"32", "12.5", "90", "0", "\"0,8\"", "\"\"", "\"\""},
                                                       {"0", "-35", "180", "0", "\"1,6\"", "\"\"", "\"\""},
                                                       {"5", "-20", "0", "0", "\"1,6\"", "\"\"", "\"\""}}));
    EXPECT_EQ(M.Depth(), 0);
}

TEST_F(TLeaderPinBushingTest, SheetsAndPartsOpenTheirDetailAndPassTheirSizes)
{
    TSocketLeaderPinBushing b(5, &M, nullptr);
    ASSERT_EQ(b.Set(2, 12.5, 20.0), 1);
    b.dr2D();
    EXPECT_EQ(M.Texts().front(), "drLeafStampView1(5, 0, 0, -15, true)");
    EXPECT_EQ(M.ArgsOf("drDimHL")[2][0], "30"); // L + F
    M.ClearJournal();
    b.dr3D(10);
    EXPECT_EQ(M.Texts().front(), "drCreate3DNewPartPlane(5, 0, true, 3, 0)");
    EXPECT_EQ(M.CountOf("drHatch") + M.CountOf("drDimHL"), 0u);
    EXPECT_EQ(M.ArgsOf("drBaseRotate"), (std::vector<TArgs>{{"0", "360"}}));
    EXPECT_EQ(M.ArgsOf("drClose3D"), (std::vector<TArgs>{{"true", "0"}}));

    // The set: F = 10, L = 30, the guiding bore from the entry chamfer at -9.5 to the right end.
    TDirectPlug p(4, &M, TConstruktor::Empty());
    p.Radius = 12.5, p.CollarHeight = 5, p.CollarRadius = 15, p.ColumnRadius = 8, p.OustingLen = 15,
    p.Len = 40;
    M.ClearJournal();
    p.dr2D();
    EXPECT_EQ(M.Texts().front(), "drLeafStampView1(4, 0, 15, -15, true)");
    EXPECT_EQ(M.ArgsOf("drDimHL")[2][0], "40");
    EXPECT_EQ(M.ArgsOf("drRough")[0][0], "-5.5");
    EXPECT_EQ(M.ArgsOf("drText").at(0)[6], "\"A(   4.00:1)\"");

    M.ClearJournal();
    M.BooleanResult = false; // the host refuses the part
    b.dr3D(0);
    p.dr3D(0);
    TSocketLeaderPinBushing alone(5, nullptr, nullptr); // no modeller: nothing to draw with
    alone.dr2D();
    alone.dr3D(0);
    EXPECT_EQ(M.Names(), (std::vector<std::string>{"drCreate3DNewPartPlane", "drCreate3DNewPartPlane"}));
}

// ---- On the host ---------------------------------------------------------------------------------

class TLeaderPinBushingPartTest : public TComponentHostFixture {
protected:
    // The dimensions and the requirement lines of detail id's saved sheet.
    std::pair<int, std::string> SheetContents(TDcDetail id)
    {
        tvhost::THostDocument2D* drawing = OpenSheet(id);
        if (!drawing) return {-1, ""};
        const tvhost::THostTechnicalDemand* demand = drawing->Data().Notes.Demand.Get();
        return {Dimensions(*drawing), demand ? U(demand->Lines()) : std::string()};
    }
};

TEST_F(TLeaderPinBushingPartTest, BushingPartsSweepTheirProfilesAndSheetsReopen)
{
    const TDcDetail id = Present("lpbushing");
    for (const auto& [element, R, T] : {std::tuple(2, 12.5, 20.0), std::tuple(4, 15.0, 40.0)}) {
        SCOPED_TRACE(element);
        TSocketLeaderPinBushing b(id, &drApi::MA, nullptr);
        ASSERT_NE(b.Set(element, R, T), 0);
        b.dr3D(0);
        const std::vector<tvhost::TShape> shapes = Shapes(id);
        ASSERT_EQ(shapes.size(), 1u);
        EXPECT_TRUE(tvhost::IsValidShape(shapes[0]));
        TSectionRecorder profile;
        TDirectPlug(0, &profile, TConstruktor::Empty())
            .dr2D_LeaderPinBushing_V1(0, 0, 0, 1, b.LPRadius, b.Radius, b.CollarRadius, b.FLen,
                                      b.CollarHeight, b.Len, b.Len, 0, false, b.GrooveLen);
        const double volume = profile.RevolvedVolume();
        EXPECT_NEAR(tvhost::Volume(shapes[0]), volume, 1e-6 * volume);
        const double pi = std::numbers::pi;
        EXPECT_LT(volume,
                  pi * (b.CollarRadius * b.CollarRadius - b.LPRadius * b.LPRadius) * (b.Len + b.FLen));
        Kept.Reset();
        b.dr2D();
        // Seven dimensions and the chamfers' note; no requirements.
        EXPECT_EQ(SheetContents(id), std::pair(8, std::string()));
    }
}

TEST_F(TLeaderPinBushingPartTest, GuideBushPartAndSheetWithItsRequirements)
{
    const TDcDetail id = Present("guidebush");
    TDirectPlug p(id, &drApi::MA, TConstruktor::Empty());
    p.Radius = 12.5, p.CollarHeight = 5, p.CollarRadius = 15, p.ColumnRadius = 8, p.OustingLen = 15,
    p.Len = 40;
    p.dr3D(10);
    const std::vector<tvhost::TShape> shapes = Shapes(id);
    ASSERT_EQ(shapes.size(), 1u);
    EXPECT_TRUE(tvhost::IsValidShape(shapes[0]));
    TSectionRecorder profile;
    TDirectPlug(0, &profile, TConstruktor::Empty())
        .dr2D_LeaderPinBushing_V1(0, 0, 0, 1, 8, 12.5, 15, 10, 5, 30, 55, 0, false, 0);
    EXPECT_NEAR(tvhost::Volume(shapes[0]), profile.RevolvedVolume(), 1e-6 * profile.RevolvedVolume());
    Kept.Reset();
    p.dr2D();
    // Eight of the bush, three of the enlarged groove.
    EXPECT_EQ(SheetContents(id),
              std::pair(11, std::string("1. Цементировать на глубину 0,8...1,2 мм.; 52...56 HRCэ\n"
                                        "2. Неуказанные радиусы скруглений  0.5 мм ")));
}

} // namespace
