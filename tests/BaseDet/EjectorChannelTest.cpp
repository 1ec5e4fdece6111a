// The stepped ejector pin of the toolbox and the spring-loaded ejector drawn with it: the
// reference pin's outline point by point, its dimensions, marks and note, the ejector's sheet
// and the notch of its part, and the part built on the host.

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <numbers>
#include <tuple>

#include "ComponentCatalogue.h"
#include "ComponentHostFixture.h"
#include "ComponentRecorder.h"
#include "MathDetail2.h"
#include "RevolvedVolume.h"

namespace {

using TArgs = std::vector<std::string>;
using TCalls = std::vector<TArgs>;
constexpr double pi = std::numbers::pi;

std::string Q(const char* utf8)
{
    return recording::QuotedUtf8(TString(utf8));
}

// The calls named in `names`, in order, each as its name followed by its arguments.
TCalls Sequence(const TComponentRecorder& M, std::initializer_list<const char*> names)
{
    TCalls out;
    for (const TRecordedCall& c : M.Calls)
        if (std::find_if(names.begin(), names.end(), [&](const char* n) { return c.Name == n; }) !=
            names.end()) {
            out.push_back({c.Name});
            out.back().insert(out.back().end(), c.Args.begin(), c.Args.end());
        }
    return out;
}

// The reference ejector: Radius 3, Len 100, spigot 2 by 10, fit 4 to 20, collar 6 by 5,
// notch 2 deep along the plug's cone of 8.
void Reference(TEjectorChannel& e)
{
    e.Radius = 3, e.Len = 100, e.SpringRadius = 2, e.SpringLen = 10, e.FitRadius = 4, e.FitLen = 20;
    e.CollarRadius = 6, e.CollarHeight = 5, e.GradeHeight = 2;
}

class TEjectorChannelTest : public testing::Test {
protected:
    void SetUp() override
    {
        drApi::LibraryControlModel = &Model;
        Plug.ConeLen = 8;
        Reference(E);
    }
    void TearDown() override { drApi::LibraryControlModel = nullptr; }

    TComponentRecorder M;
    TCommonGeometry G{M};
    TCatalogueModel Model{"G"};
    const TDcDetail Id = Model.RowOf("ejectorchannel");
    TEjectorPlug Plug{0, &M, TConstruktor::Empty()};
    TEjectorChannel E{Id, &M, TConstruktor::Empty(), &Plug};
};

// The reference pin's view: the axis, the plain upper half with its shoulder edges, then the
// notched lower half mirrored.
TEST_F(TEjectorChannelTest, ReferenceOutlineIsDrawnPointByPoint)
{
    G.dr2D_Shtovhach_V1(0, 0, 0, 1, 3, 2.5, 6, 4, 2, 100, 20, 5, 110, 8, 2, 1, false);
    const TCalls upper = {
        {"-10", "0", "-10", "2", "1"},   {"-10", "2", "0", "2", "1"},    {"0", "2", "0", "0", "-1"},
        {"0", "2", "0", "6", "1"},       {"0", "6", "5", "6", "1"},      {"5", "6", "5", "4", "1"},
        {"5", "4", "5", "0", "-1"},      {"5", "4", "18.5", "4", "1"},   {"18.5", "4", "18.5", "0", "-1"},
        {"18.5", "4", "20", "2.5", "1"}, {"20", "2.5", "20", "0", "-1"}, {"20", "2.5", "69", "2.5", "1"},
        {"69", "2.5", "69", "0", "-1"},  {"69", "2.5", "85", "3", "1"},  {"85", "3", "85", "0", "-1"},
        {"85", "3", "100", "3", "1"},    {"100", "3", "100", "0", "1"},
    };
    const TCalls lower = {
        {"-10", "0", "-10", "-2", "1"},
        {"-10", "-2", "0", "-2", "1"},
        {"0", "-2", "0", "0", "-1"},
        {"0", "-2", "0", "-6", "1"},
        {"0", "-6", "5", "-6", "1"},
        {"5", "-6", "5", "-4", "1"},
        {"5", "-4", "5", "0", "-1"},
        {"5", "-4", "18.5", "-4", "1"},
        {"18.5", "-4", "18.5", "0", "-1"},
        {"18.5", "-4", "20", "-2.5", "1"},
        {"20", "-2.5", "20", "0", "-1"},
        {"20", "-2.5", "69", "-2.5", "1"},
        {"69", "-2.5", "69", "0", "-1"},
        {"69", "-2.5", "85", "-3", "1"},
        {"85", "-3", "85", "0", "-1"},
        {"85", "-3", "92", "-3", "1"},
        {"92", "-3", "92", "-1", "1"},
        {"92", "-1", "100", "-2.389185421", "1"},
        {"100", "-2.389185421", "100", "0", "1"},
    };
    TCalls expected = {{"-12", "0", "102", "0", "3"}};
    expected.insert(expected.end(), upper.begin(), upper.end());
    expected.insert(expected.end(), lower.begin(), lower.end());
    EXPECT_EQ(M.ArgsOf("drLine"), expected);
    EXPECT_EQ(M.Depth(), 0);

    // A sketch: the closed upper half alone, the axis closing it and no shoulder edges.
    M.ClearJournal();
    G.dr2D_Shtovhach_V1(0, 0, 0, 1, 3, 2.5, 6, 4, 2, 100, 20, 5, 110, 8, 2, 0, false);
    EXPECT_TRUE(M.OutlineClosed());
    EXPECT_EQ(M.LinesInStyle(-1), 0u);
    EXPECT_EQ(M.ArgsOf("drLine").back(), (TArgs{"100", "0", "-10", "0", "1"}));
    // The tens digit: 1 the plain half only, 2 the notched half only.
    M.ClearJournal();
    G.dr2D_Shtovhach_V1(0, 0, 0, 1, 3, 2.5, 6, 4, 2, 100, 20, 5, 110, 8, 2, 12, false);
    EXPECT_EQ(M.CountOf("drLine"), 1 + upper.size());
    EXPECT_EQ(M.LinesInStyle(2), upper.size() - 6); // less the six shoulder edges
    M.ClearJournal();
    G.dr2D_Shtovhach_V1(0, 0, 0, 1, 3, 2.5, 6, 4, 2, 100, 20, 5, 110, 8, 2, 21, false);
    const TCalls notched = M.ArgsOf("drLine");
    EXPECT_EQ(TCalls(notched.begin() + 1, notched.end()), lower);
}

TEST_F(TEjectorChannelTest, ReferenceDimensionsMarksAndHardenedZone)
{
    G.dr2D_Shtovhach_V1(0, 0, 0, 1, 3, 2.5, 6, 4, 2, 100, 20, 5, 110, 8, 2, 1, true);
    const TCalls dims = {
        {"drDimVL", "4", "-10", "-5", "-10", "-2", "-10", "2", "\"&02\"", "\"h12\"", "\"\""},
        {"drDimVL", "12", "-32", "-1", "0", "-6", "0", "6", "\"&02\"", "\"h14\"", "\"\""},
        {"drDimVL", "8", "0", "-3", "10", "-4", "10", "4", "\"&02\"", "\"h12\"", "\"\""},
        {"drDimVL", "5", "0", "-5", "42", "-2.5", "42", "2.5", "\"&02\"", "\"h14\"", "\"\""},
        {"drDimVL", "6", "30", "-1", "92", "-3", "100", "3", "\"&02\"", "\"f7\"", "\"\""},
        {"drDimHL", "-35", "18", "0", "65", "4", "100", "3", "\"\"", "\"\"", "\"&03~0,2\""},
        {"drDimVL", "2", "50", "-1", "100", "-3", "92", "-1", "\"\"", "\"\"", "\"&03~0,1\""},
        {"drDimHL", "8", "-16", "-1", "92", "-3", "100", "-3", "\"\"", "\"\"", "\"\""},
        {"drDimHL", "15", "-32", "1", "85", "-3", "100", "-3", "\"\"", "\"\"", "\"&03~0,5\""},
        {"drDimHL", "16", "-20", "-1", "85", "-3", "69", "-3", "\"\"", "\"\"", "\"&03~0,5\""},
        {"drDimHL", "5", "-30", "-16", "0", "-6", "5", "-6", "\"\"", "\"h9\"", "\"\""},
        {"drDimHL", "20", "-44", "-1", "0", "-6", "20", "-2.5", "\"\"", "\"h14\"", "\"\""},
        {"drDimHL", "100", "-56", "-1", "0", "-6", "100", "-3", "\"\"", "\"h6\"", "\" *\""},
        {"drDimHL", "110", "-68", "-1", "-10", "-2", "100", "-3", "\"\"", "\"h12\"", "\"\""},
    };
    EXPECT_EQ(Sequence(M, {"drDimVL", "drDimHL"}), dims);
    const TCalls marks = {
        {"drRough", "105", "3", "90", "0", "\"0,4\"", "\"\"", "\"\""},
        {"drShelf", "0", "60", "33", "1", "0", "1.5", "0.25", "75", Q("HRCэ 52...56"), "5", "1", "75",
         "\"\""},
        {"drPoint", "65", "4"},
        {"drEndObj"},
        {"drRough", "100", "-27", "0", "0", "\"0,2\"", "\"\"", "\"\""},
        {"drRough", "-10", "-33", "180", "0", "\"1,6\"", "\"\"", "\"\""},
        {"drRough", "16", "4", "90", "0", "\"1,6\"", "\"\"", "\"\""},
        {"drRough", "16", "-26", "180", "0", "\"0,8\"", "\"\"", "\"\""},
        {"drRough", "5", "-11", "0", "0", "\"1,6\"", "\"\"", "\"\""},
        {"drDimApc", "-80", "270", "45", "0", "\"\"", "100", "-2.389185421"},
    };
    EXPECT_EQ(Sequence(M, {"drRough", "drShelf", "drPoint", "drEndObj", "drDimApc"}), marks);
    // The hardened zone's frame in the axial style, 1 clear of the last 35.
    const TCalls frame = {
        {"65", "4", "101", "4", "3"}, {"101", "4", "101", "-4", "3"}, {"101", "-4", "65", "-4", "3"}};
    const TCalls lines = M.ArgsOf("drLine");
    EXPECT_EQ(TCalls(lines.end() - 3, lines.end()), frame);
    EXPECT_EQ(M.Depth(), 0);
}

// No notch (a depth within the tolerance), no fit and no spigot: their dimensions come with
// value 0, which the modeller leaves out, and their marks are not drawn.
TEST_F(TEjectorChannelTest, AbsentFeaturesLeaveTheirSizesOut)
{
    G.dr2D_Shtovhach_V1(0, 0, 0, 1, 3, 3, 6, 3, 2, 100, 5, 5, 100, 8, 1e-6, 1, true);
    const TCalls dims = Sequence(M, {"drDimVL", "drDimHL"});
    ASSERT_EQ(dims.size(), 14u);
    for (const std::size_t row : {0, 2, 3, 7, 11, 13})
        EXPECT_EQ(dims[row][1], "0") << "row " << row + 1;
    EXPECT_EQ(dims[4],
              (TArgs{"drDimVL", "6", "30", "-1", "100", "-3", "100", "3", "\"&02\"", "\"f7\"", "\"\""}));
    EXPECT_EQ(dims[1][2], "-12");        // the collar's diameter 12 left of the collar
    EXPECT_EQ(M.CountOf("drRough"), 4u); // neither the spigot's nor the fit's mark
    EXPECT_EQ(M.CountOf("drDimApc"), 0u);
    // The lower half equals the upper one.
    const TCalls lines = M.ArgsOf("drLine");
    const auto notch = std::count_if(lines.begin(), lines.end(), [](const TArgs& a) { return a[0] == "92"; });
    EXPECT_EQ(notch, 0);
}

TEST_F(TEjectorChannelTest, SheetPlacesTheEjectorAndWritesItsRequirements)
{
    E.dr2D_V1(0, 0, 0, 1, 1, true);
    EXPECT_TRUE(M.Calls.empty()); // the detail is absent
    Model.Present(Id, 40);
    E.dr2D();
    EXPECT_EQ(M.Texts().front(), "drLeafStampView1(" + std::to_string(Id) + ", 0, -15, -5, true)");
    EXPECT_EQ(M.ArgsOf("drShelf").size(), 1u);
    EXPECT_EQ(M.ArgsOf("drDimApc").size(), 1u);
    EXPECT_EQ(M.ArgsOf("drStringObj"), (TCalls{{Q("1. 42...46 HRCэ, кроме места указанного особо")},
                                               {Q("2. Покрытие поверхности шероховатостью  0,2 - X12тв.")},
                                               {Q("3. * Длинну выполнить по месту")}}));
    EXPECT_EQ(M.Depth(), 0);

    M.ClearJournal();
    TEjectorChannel none(Id, &M, TConstruktor::Empty(), nullptr);
    Reference(none);
    none.dr2D();
    none.dr2D_V1(0, 0, 0, 1, 1, true);
    none.dr3D(0);
    EXPECT_TRUE(M.Calls.empty()); // no plug, nothing at all
}

TEST_F(TEjectorChannelTest, PartRevolvesThePlainProfileAndCutsTheNotchWedge)
{
    Model.Present(Id, 40);
    E.dr3D(0);
    EXPECT_EQ(M.Texts().front(), "drCreate3DNewPartPlane(" + std::to_string(Id) + ", 0, true, 3, 0)");
    EXPECT_EQ(M.LinesInStyle(-1), 0u);
    EXPECT_EQ(M.ArgsOf("drPlaneEskis"), (TCalls{{"3", "3", "0", "\"\""}}));
    const TCalls wedge = {
        {"92", "-3", "92", "-1", "1"}, {"92", "-1", "100", "-3", "1"}, {"100", "-3", "92", "-3", "1"}};
    const TCalls lines = M.ArgsOf("drLine");
    EXPECT_EQ(TCalls(lines.end() - 3, lines.end()), wedge);
    EXPECT_EQ(M.ArgsOf("drCutExtrusion"), (TCalls{{"1", "0", "6", "0"}}));
    const std::vector<std::string> names = M.Names();
    EXPECT_EQ(std::vector<std::string>(names.end() - 3, names.end()),
              (std::vector<std::string>{"drCutExtrusion", "drColor3D", "drClose3D"}));

    // No cut without depth, with a cone of no length, or when the notch's sketch did not open.
    for (const auto& [depth, cone, opens] : {std::tuple{0.0, 8.0, true}, std::tuple{2.0, 1e-6, true},
                                             std::tuple{-1.0, 8.0, true}, std::tuple{2.0, 8.0, false}}) {
        SCOPED_TRACE(std::to_string(depth) + " " + std::to_string(cone) + " " + std::to_string(opens));
        M.ClearJournal();
        E.GradeHeight = depth, Plug.ConeLen = cone, M.EskisOpen = opens;
        E.dr3D(0);
        EXPECT_EQ(M.CountOf("drCutExtrusion"), 0u);
        EXPECT_EQ(M.Texts().back(), "drClose3D(true, 0)");
    }
    M.ClearJournal();
    M.BooleanResult = false; // the host refuses the part
    E.dr3D(0);
    EXPECT_EQ(M.Names(), (std::vector<std::string>{"drCreate3DNewPartPlane"}));
}

using TEjectorChannelPartTest = TComponentHostFixture;

// The reference profile by Pappus: spigot 40, collar 180, fit 216, its chamfer 16.125, shank
// 306.25, taper 121.333 and working end 135, all times pi.
TEST_F(TEjectorChannelPartTest, PartHasTheVolumeAndExtentOfTheReferenceProfile)
{
    const TDcDetail id = Present("ejectorchannel");
    TEjectorPlug plug(0, &drApi::MA, TConstruktor::Empty());
    plug.ConeLen = 8;
    TEjectorChannel e(id, &drApi::MA, TConstruktor::Empty(), &plug);
    Reference(e);
    e.GradeHeight = 0;
    e.dr3D(0);
    std::vector<tvhost::TShape> shapes = Shapes(id);
    ASSERT_EQ(shapes.size(), 1u);
    EXPECT_TRUE(tvhost::IsValidShape(shapes[0]));
    const double plain = 1014.7083333333333 * pi;
    EXPECT_NEAR(tvhost::Volume(shapes[0]), plain, 1e-6 * plain);
    const std::array<double, 6> box = tvhost::BoxOf(shapes[0]);
    std::vector<std::pair<double, double>> extent;
    for (int i = 0; i < 3; ++i)
        extent.emplace_back(box[i], box[i + 3]);
    std::sort(extent.begin(), extent.end(),
              [](auto a, auto b) { return a.second - a.first < b.second - b.first; });
    EXPECT_NEAR(extent[0].second - extent[0].first, 12, 1e-6);
    EXPECT_NEAR(extent[1].second - extent[1].first, 12, 1e-6);
    // From the spigot's end at -10 to the end face at 100, whichever way the axis runs.
    EXPECT_NEAR(std::min(std::abs(extent[2].first), std::abs(extent[2].second)), 10, 1e-6);
    EXPECT_NEAR(std::max(std::abs(extent[2].first), std::abs(extent[2].second)), 100, 1e-6);

    // The notch: a wedge over the last 8, 2 deep at its start, through the working end of
    // radius 3; each section is a circular segment of height d.
    Kept.Reset();
    e.GradeHeight = 2;
    e.dr3D(0);
    shapes = Shapes(id);
    ASSERT_EQ(shapes.size(), 1u);
    EXPECT_TRUE(tvhost::IsValidShape(shapes[0]));
    const auto segment = [](double d) {
        return 9 * std::acos((3 - d) / 3) - (3 - d) * std::sqrt(6 * d - d * d);
    };
    double wedge = 0;
    const int n = 2000; // Simpson over the depth, the section's length 8 / 2 per unit of depth
    for (int i = 0; i <= n; ++i) {
        const double d = 2.0 * i / n;
        wedge += (i == 0 || i == n ? 1 : i % 2 ? 4 : 2) * segment(d);
    }
    wedge *= 2.0 / n / 3 * 4;
    EXPECT_NEAR(tvhost::Volume(shapes[0]), plain - wedge, 1e-5 * plain);
    Kept.Reset();
}

} // namespace
