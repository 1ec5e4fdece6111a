// The base-detail builder on the stand-in host: every kind it builds as one valid solid, the
// kinds without a profile, where each feature after the revolution takes its material, the
// file it writes and a document already open.

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <filesystem>
#include <map>
#include <string>
#include <tuple>
#include <vector>

#include "BaseDetail.h"
#include "BaseDetailSizes.h"
#include "ComponentHostFixture.h"
#include "ComponentRecorder.h"
#include "MathDetailsl.h"

// A sample shows as its label in the names of the cases.
void PrintTo(const TBaseDetailSample& c, std::ostream* os)
{
    *os << c.Label;
}

namespace {

using TArgs = std::vector<std::string>;
using TKindCase = TBaseDetailSample;

class TBaseDetailTest : public TComponentHostFixture {
protected:
    // Builds kind with sizes P (padded to 13) as Dir/name.qpt and returns its bodies.
    std::vector<tvhost::TShape> Build(int kind, std::vector<double> P, const std::string& name = "part")
    {
        P.resize(13, 0.0);
        TString path((Dir.string() + "/").c_str()), n(name.c_str()), marking("M");
        EXPECT_TRUE(drBaseDetail(drApi::MA, path, n, marking, kind, 0, P.data(), false));
        tvhost::THostDocument3D* doc = Open(path + n + TString(".qpt"));
        return doc ? doc->TopPart().PlacedShapes() : std::vector<tvhost::TShape>();
    }
    // The share of the box [a, b] that the body fills.
    static double Filled(const tvhost::TShape& body, std::array<double, 3> a, std::array<double, 3> b)
    {
        const tvhost::TShape box = tvhost::MakeBox({a[0], a[1], a[2]}, b[0] - a[0], b[1] - a[1], b[2] - a[2]);
        const tvhost::TShape common = tvhost::Combined(tvhost::TBooleanKind::bkCommon, body, box);
        return common ? tvhost::Volume(common) / tvhost::Volume(box) : 0.0;
    }
    // The one body of kind with sizes P.
    tvhost::TShape Body(int kind, std::vector<double> P)
    {
        const std::vector<tvhost::TShape> shapes = Build(kind, std::move(P));
        return shapes.size() == 1 ? shapes[0] : tvhost::TShape();
    }
};

class TBaseDetailKindTest : public TBaseDetailTest, public testing::WithParamInterface<TKindCase> {};

TEST_P(TBaseDetailKindTest, BuildsOneValidSolid)
{
    const TKindCase& c = GetParam();
    const std::vector<tvhost::TShape> shapes = Build(c.Kind, c.P);
    ASSERT_EQ(shapes.size(), 1u);
    EXPECT_TRUE(tvhost::IsValidShape(shapes[0]));
    EXPECT_GT(tvhost::Volume(shapes[0]), 0.0);
}

INSTANTIATE_TEST_SUITE_P(Kinds, TBaseDetailKindTest, testing::ValuesIn(BaseDetailSamples()),
                         [](const testing::TestParamInfo<TKindCase>& i) {
                             return std::string(i.param.Label);
                         });

// Every kind the builder draws a profile for has one sample (the kinds without one are those of
// KindsWithoutAProfileAreRefusedAndSaveNothing), and the catalogue's base-detail families show every
// sample, whatever limit of sizes the gallery is given.
// The samples that read a size (the fitting, 36, reads none); kind 28 has no sample.
std::vector<TBaseDetailSample> SizedSamples()
{
    std::vector<TBaseDetailSample> sized;
    for (const TBaseDetailSample& s : BaseDetailSamples())
        if (s.Main >= 0) sized.push_back(s);
    return sized;
}

// A sample and the main size, in mm, it is scaled to.
using TSmallCase = std::tuple<TBaseDetailSample, int>;

// The box a kind's fixed features keep at any size: the part at scale s has the box
// full * s + fixed * (1 - s). Kind 8's collar stands 0.3 over its pin, 2.5 before its start and
// 4 past its length, whatever its size; every other kind's box is in proportion.
std::array<double, 6> FixedBox(int kind)
{
    if (kind == 8) return {-0.3, -0.3, -2.5, 0.3, 0.3, 4};
    return {};
}

class TBaseDetailSmallTest : public TBaseDetailTest, public testing::WithParamInterface<TSmallCase> {
protected:
    // The box of the sample at full size, built once per kind: the oracle of its smaller parts.
    std::array<double, 6> FullBox(const TBaseDetailSample& s)
    {
        static std::map<int, std::array<double, 6>> boxes;
        if (!boxes.count(s.Kind)) boxes[s.Kind] = tvhost::BoxOf(Body(s.Kind, s.P));
        return boxes[s.Kind];
    }
};

// At main sizes 1 to 4 mm, its sample scaled by main size over the sample's, a kind is built as
// the part asked, its box the full-size box in proportion, or refused in one box with no file: a
// fixed feature (a chamfer of 1, the slot, the recess's arms) that does not fit a small part
// never leaves some other solid.
TEST_P(TBaseDetailSmallTest, IsThePartAskedOrRefused)
{
    const auto& [s, size] = GetParam();
    const std::array<double, 6> full = FullBox(s);
    const double scale = size / s.P[s.Main];
    std::vector<double> P = s.P;
    for (double& p : P)
        p *= scale;
    P.resize(13, 0.0);
    TString path((Dir.string() + "/").c_str()), n("small"), marking("M");
    ScriptAnswers({tvapi::tvButtonOk});
    Journal().Clear();
    const bool built = drBaseDetail(drApi::MA, path, n, marking, s.Kind, 0, P.data(), false);
    const auto boxes = Journal().Calls("IApplication::ShowMessageBox");
    if (!built) {
        EXPECT_FALSE(std::filesystem::exists(Dir / "small.qpt"));
        ASSERT_EQ(boxes.size(), 1u);
        EXPECT_EQ(boxes[0].Arguments[0].rfind("Деталь не построена: ", 0), 0u);
        return;
    }
    EXPECT_TRUE(boxes.empty());
    tvhost::THostDocument3D* doc = Open(path + n + TString(".qpt"));
    ASSERT_TRUE(doc);
    const std::vector<tvhost::TShape> shapes = doc->TopPart().PlacedShapes();
    ASSERT_EQ(shapes.size(), 1u);
    const std::array<double, 6> box = tvhost::BoxOf(shapes[0]), fixed = FixedBox(s.Kind);
    // A slot as deep as the head cuts the head's round away across it (Y), and only there.
    const bool slotThrough = s.Kind == 34 && std::abs(P[6] - ScrewSlotDepth) < 1e-9;
    for (std::size_t i = 0; i < box.size(); ++i) {
        const double expected = full[i] * scale + fixed[i] * (1 - scale);
        if (slotThrough && i % 3 == 1)
            EXPECT_LT(std::abs(box[i]), std::abs(expected)) << "coordinate " << i;
        else
            EXPECT_NEAR(box[i], expected, 1e-4) << "coordinate " << i;
    }
    if (s.Kind == 35) {
        // The recess, its arms 2 wide at any size, is cut about the axis to its depth.
        EXPECT_LT(Filled(shapes[0], {-0.4, -0.4, -0.9 * P[12]}, {0.4, 0.4, -0.1 * P[12]}), 1e-6);
    }
}

INSTANTIATE_TEST_SUITE_P(MainSizes, TBaseDetailSmallTest,
                         testing::Combine(testing::ValuesIn(SizedSamples()), testing::Values(1, 2, 3, 4)),
                         [](const testing::TestParamInfo<TSmallCase>& i) {
                             return std::string(std::get<0>(i.param).Label) + "_Main" +
                                    std::to_string(std::get<1>(i.param));
                         });

TEST(TBaseDetailSamplesTest, EveryKindWithAProfileHasOneSampleTheCatalogueShows)
{
    std::vector<int> kinds;
    for (const TBaseDetailSample& s : BaseDetailSamples())
        kinds.push_back(s.Kind);
    std::sort(kinds.begin(), kinds.end());
    std::vector<int> profiled;
    for (int k = 2; k <= 52; ++k)
        if (k != 9 && k != 28 && (k < 39 || k > 49 || k == 43)) profiled.push_back(k);
    EXPECT_EQ(kinds, profiled);
    Integer shown = 0;
    for (const TCatalogueEntry& e : ComponentCatalogue())
        if (e.Kinds) shown += e.Sizes;
    EXPECT_EQ(shown, Integer(BaseDetailSamples().size()));
}

TEST_F(TBaseDetailTest, KindsWithoutAProfileAreRefusedAndSaveNothing)
{
    double P[13] = {0, 10, 20, 30, 40, 50, 60, 70, 80, 90, 100, 110, 120};
    // Kind 28 revolves an empty sketch and cuts from another: no body either.
    for (int kind : {-1, 0, 1, 9, 28, 39, 40, 41, 42, 44, 45, 46, 47, 48, 49, 53, 200}) {
        SCOPED_TRACE(kind);
        const std::string name = "k" + std::to_string(kind + 1);
        TString path((Dir.string() + "/").c_str()), n(name.c_str()), marking("M");
        ScriptAnswers({tvapi::tvButtonOk});
        Journal().Clear();
        EXPECT_FALSE(drBaseDetail(drApi::MA, path, n, marking, kind, 7, P, true));
        EXPECT_FALSE(std::filesystem::exists(Dir / (name + ".qpt")));
        const auto boxes = Journal().Calls("IApplication::ShowMessageBox");
        ASSERT_EQ(boxes.size(), 1u);
        EXPECT_EQ(
            boxes[0].Arguments[0].rfind("Деталь не построена: " + name + " (" + std::to_string(kind), 0), 0u);
    }
}

TEST_F(TBaseDetailTest, SameSizesMakeTheSamePartWhateverTheResultIndex)
{
    const double a = tvhost::Volume(Body(14, {0, 0, 50, 8, 0, 4, 45, 2}));
    const double b = tvhost::Volume(Body(16, {0, 0, 50, 8, 0, 4, 45, 2}));
    EXPECT_GT(a, 0);
    EXPECT_DOUBLE_EQ(a, b);
    // The fitting reads no size.
    EXPECT_DOUBLE_EQ(tvhost::Volume(Body(36, {})), tvhost::Volume(Body(36, {5, 5, 5, 5, 5, 5, 5, 5})));
}

TEST_F(TBaseDetailTest, ADocumentOfAnotherNameIsLeftOpenAndUnsaved)
{
    const tvapi::ITervanDocumentPtr other =
        Host().App().Documents().AddDocument(tvapi::tvDocumentPart, L"other");
    const tvhost::TShape body = Body(26, {0, 8, 13, 6, 8, 4, 20, 0.4, 30});
    ASSERT_TRUE(body);
    // The other document is still open and was never saved.
    bool open = false;
    for (std::size_t i = 0; i < Host().App().Documents().Count(); ++i)
        open = open || Host().App().Documents().Item(i) == other;
    EXPECT_TRUE(open);
    EXPECT_FALSE(std::filesystem::exists(Dir / "other"));
}

// Each feature takes the material where the component has it: a probe box there is empty
// after the cut, one where the component keeps its material stays full.
TEST_F(TBaseDetailTest, FeaturesCutWhereTheyBelong)
{
    constexpr double none = 1e-6, full = 1 - 1e-6;
    // Hexagon sockets: the corner of the hexagon beyond the drilled socket.
    tvhost::TShape b = Body(22, {0, 8, 30, 12, 8, 4});
    EXPECT_LT(Filled(b, {-0.1, 2.05, -5}, {0.1, 2.2, -1}), none);
    EXPECT_GT(Filled(b, {-0.2, 2.4, -5}, {0.2, 3.5, -1}), full);
    b = Body(25, {0, 10, 4, 1, 20});
    EXPECT_LT(Filled(b, {-0.1, 2.05, -1.8}, {0.1, 2.2, -0.2}), none);
    // The cap screws' head top stands at +K; the socket is cut from it.
    for (int kind : {26, 33}) {
        SCOPED_TRACE(kind);
        b = kind == 26 ? Body(26, {0, 8, 13, 6, 8, 4, 20, 0.4, 30})
                       : Body(33, {0, 8, 30, 20, 0, 13, 8, 6, 0, 0, 4, 0, 0.4});
        EXPECT_LT(Filled(b, {-0.1, 3.05, 4.5}, {0.1, 3.35, 7.5}), none);
        EXPECT_GT(Filled(b, {-0.2, 3.6, 4.5}, {0.2, 5.5, 7.5}), full);
        EXPECT_GT(Filled(b, {-2, -2, -10}, {2, 2, -5}), full); // the shank stays solid
    }
    // The bolt's hexagon head above its bearing face: round beyond the flats, the shank whole.
    b = Body(32, {0, 50, 10, 26, 0, 6.4, 0, 0, 16, 0, 0, 0});
    EXPECT_LT(Filled(b, {-0.5, 8.1, 1}, {0.5, 9, 5}), none);
    EXPECT_GT(Filled(b, {-0.5, 6, 1}, {0.5, 7.9, 5}), full);
    // The slot across the head, 2 wide and 3 deep.
    b = Body(34, {0, 8, 30, 0, 0, 13, 8, 20});
    EXPECT_LT(Filled(b, {-0.9, -6, 5.1}, {0.9, 6, 7.9}), none);
    EXPECT_GT(Filled(b, {1.1, -3, 5.1}, {2, 3, 7.9}), full);
    // The cross recess of arm span 6.
    b = Body(35, {0, 8, 30, 0, 0, 12, 6, 0, 0, 0, 0, 6, 2});
    EXPECT_LT(Filled(b, {-0.9, -2.9, -0.9}, {0.9, 2.9, -0.1}), none);
    EXPECT_GT(Filled(b, {1.1, 1.1, -0.9}, {2.9, 2.9, -0.1}), full);
    // The fitting's collar turned to a hexagon (7 across half its flats).
    b = Body(36, {});
    EXPECT_LT(Filled(b, {-0.5, -7, 7.05}, {0.5, -1, 8}), none);
    EXPECT_GT(Filled(b, {-0.5, -7, 6}, {0.5, -1, 6.95}), full);
    // The plug's hexagon socket over half its length.
    b = Body(37, {10, 13, 20});
    EXPECT_LT(Filled(b, {-1, 1, -1}, {1, 9, 1}), none);
    EXPECT_GT(Filled(b, {-1, 11, -1}, {1, 19, 1}), full);
    // The tang stands on the far end face, 6 wide, over 10.
    b = Body(38, {30, 10, 10, 6});
    EXPECT_GT(Filled(b, {-2.9, 31, -1}, {2.9, 39, 1}), full);
    EXPECT_LT(Filled(b, {3.1, 31, -1}, {5, 39, 1}), none);
    // The ejector rod's flats, 6 off the axis over 16 that end 10 before the far end: taken off
    // across Y only.
    b = Body(20, {0, 20, 10, 16, 15, 15, 10, 100});
    EXPECT_LT(Filled(b, {-1, 6.2, -89}, {1, 9.5, -75}), none);
    EXPECT_LT(Filled(b, {-1, -9.5, -89}, {1, -6.2, -75}), none);
    EXPECT_GT(Filled(b, {6.2, -1, -89}, {9.5, 1, -75}), full);
}

// What the builder asks the modeller for, journaled.
class TBaseDetailCallsTest : public testing::Test {
protected:
    std::vector<std::string> Calls(int kind, std::vector<double> P, bool IsSize = false)
    {
        P.resize(13, 0.0);
        M.Calls.clear();
        TString path("/tmp/x/"), name("D"), marking("M");
        // A part the host cannot create is refused as one that makes no solid.
        EXPECT_EQ(drBaseDetail(M, path, name, marking, kind, 3, P.data(), IsSize), M.BooleanResult);
        return M.Texts();
    }
    // The calls of kind after its revolution.
    std::vector<std::string> After(int kind, std::vector<double> P)
    {
        const std::vector<std::string> t = Calls(kind, std::move(P));
        const auto r = std::find(t.begin(), t.end(), "drBaseRotate(0, 360)");
        return r == t.end() ? std::vector<std::string>() : std::vector<std::string>(r + 1, t.end());
    }
    TComponentRecorder M;
};

TEST_F(TBaseDetailCallsTest, PartIsCreatedSketchedAndSavedUnderItsName)
{
    const std::vector<std::string> t = Calls(44, {});
    ASSERT_EQ(t.size(), 3u);
    EXPECT_EQ(t[0], "drCreate3D(true, true, \"/tmp/x/D.qpt\", \"D\", \"M\")");
    EXPECT_EQ(t[1], "drPlaneEskis(3, 0, 0, \"\")");
    EXPECT_EQ(t[2], "drSave3D(true, false)");
    EXPECT_EQ(M.R2->DI.cDetail, 95);
    EXPECT_EQ(M.R2->DI.cSuffics, 44);
    // A part the host refuses is neither saved nor closed: the current document is another's.
    M.BooleanResult = false;
    EXPECT_EQ(Calls(31, {0, 10, 40, 1}), std::vector<std::string>{t[0]});
}

TEST_F(TBaseDetailCallsTest, FeatureRowsAsTheComponentsNeedThem)
{
    std::vector<std::string> a = After(26, {0, 8, 13, 6, 8, 4, 20, 0.4, 30});
    ASSERT_FALSE(a.empty());
    EXPECT_EQ(a.front(), "drPlaneEskis(1, 8, 0, \"\")");
    EXPECT_EQ(a[a.size() - 3], "drCutExtrusion(1, 0, 4, 0)");
    EXPECT_EQ(a[a.size() - 2], "drColor3D(13107200, 0.8, 0.6, 0.95, 0.95, 1, 0.8)");
    a = After(36, {});
    ASSERT_FALSE(a.empty());
    EXPECT_EQ(a.front(), "drPlaneEskis(2, 0, 0, \"\")");
    EXPECT_EQ(a[a.size() - 2], "drCutExtrusion(0, 0, 48, 0)");
    a = After(34, {0, 8, 30, 0, 0, 13, 8, 20});
    ASSERT_FALSE(a.empty());
    EXPECT_EQ(a.front(), "drPlaneEskis(2, 6.5, 0, \"\")");
    EXPECT_EQ(a[a.size() - 2], "drCutExtrusion(0, 0, 13, 0)");
    const auto lines = M.ArgsOf("drLine");
    for (const TArgs& edge : {TArgs{"-1", "-8", "-1", "-5", "1"}, TArgs{"-1", "-5", "1", "-5", "1"},
                              TArgs{"1", "-5", "1", "-8", "1"}, TArgs{"1", "-8", "-1", "-8", "1"}})
        EXPECT_NE(std::find(lines.begin(), lines.end(), edge), lines.end()) << edge[0] << " " << edge[1];
    // No other kind sets a colour.
    for (int kind : {22, 33, 38}) {
        // The cap screw's head is wider than its shank: the builder makes no screw of others.
        const std::vector<std::string> t =
            Calls(kind, {30, 8, 30, 12, 8, kind == 33 ? 13.0 : 4.0, 8, 6, 0, 0, 4, 0, 0.4});
        EXPECT_EQ(std::count_if(t.begin(), t.end(),
                                [](const std::string& c) { return c.rfind("drColor3D", 0) == 0; }),
                  0);
    }
}

TEST(BaseDetailSetScrewTest, TensOneDrawsTheUpperHalfClosedAlone)
{
    TComponentRecorder M;
    const TSetScrew w(0, &M, TConstruktor::Empty());
    w.dr2D_V1(0, 0, 0, 1, 4, 6, 16, 5, 4, 10, false);
    EXPECT_TRUE(M.OutlineClosed());
    for (const TArgs& line : M.ArgsOf("drLine"))
        EXPECT_GE(std::stod(line[1]) + std::stod(line[3]), 0.0) << line[0] << " " << line[1];
    M.Calls.clear();
    w.dr2D_V1(0, 0, 0, 1, 4, 6, 16, 5, 4, 0, false);
    const auto both = M.ArgsOf("drLine");
    EXPECT_TRUE(std::any_of(both.begin(), both.end(), [](const TArgs& l) { return std::stod(l[1]) < 0; }));
}

} // namespace
