// The threaded fitting and the safety support: defaults and records, the fitting's profile
// with its barbs, hexagon curves, thread texts and end view, the support's flats and section,
// their sheets, and their parts on the host.

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

#include "ComponentCatalogue.h"
#include "ComponentHostFixture.h"
#include "ComponentRecorder.h"
#include "Fitting.h"
#include "GImage.h"
#include "KmfData.h"
#include "StreamTestUtil.h"

namespace {

using TArgs = std::vector<std::string>;
constexpr double pi = std::numbers::pi;

double D(const std::string& s)
{
    return std::stod(s);
}

streamtest::Bytes Write(const TDetail& d)
{
    TKmfData s;
    d.toStream(s);
    return streamtest::DataOf(s);
}

class TFittingTest : public testing::Test {
protected:
    TComponentRecorder M;
    TCommonGeometry G{M};
};

TEST_F(TFittingTest, DefaultsAndFiveByteRecord)
{
    TFitting f(3, &M);
    EXPECT_EQ(f.r1, 7.0);
    EXPECT_EQ(f.r2, 6.0);
    EXPECT_EQ(f.r3, 4.4);
    EXPECT_EQ(f.r4, 3.0);
    EXPECT_EQ(f.l, 45.0);
    f.Design = true, f.Code = 7;
    EXPECT_EQ(Write(f), (streamtest::Bytes{1, 7, 0, 0, 0}));
    TGImage image(nullptr, nullptr);
    f.Show(image, TColor());
    EXPECT_EQ(image.CountLElement, 1); // the pen only: the fitting has no plan symbol
    for (Integer i = 0; i < image.CountLElement; ++i)
        EXPECT_NE(image.LElements.FArray[i].TE, TGImage::eCircle);
    f.Design = false;
    TGImage none(nullptr, nullptr);
    f.Show(none, TColor());
    EXPECT_EQ(none.CountLElement, 0);
}

TEST_F(TFittingTest, ProfileSpansTheFittingWithItsBarbs)
{
    TFitting f(3, &M);
    f.dr2D_Shtucer_V1(0, 0, 0, 1, 7, 6, 4.4, 3, 45, 0, false);
    EXPECT_TRUE(M.OutlineClosed());
    EXPECT_EQ(M.LinesInStyle(2), 0u);
    EXPECT_EQ(M.CountOf("drArc") - 2, 0u); // the thread undercut's two corners only
    double minX = 1e9, maxX = -1e9;
    std::vector<double> crests, roots;
    for (const TArgs& a : M.ArgsOf("drLine")) {
        if (a[4] == "3") continue;
        minX = std::min({minX, D(a[0]), D(a[2])});
        maxX = std::max({maxX, D(a[0]), D(a[2])});
        if (D(a[2]) < -8 && a[3] == "6") crests.push_back(D(a[2]));
        if (D(a[0]) < -8 && a[3] == "4.4") roots.push_back(D(a[2]));
    }
    EXPECT_EQ(minX, -30.0);
    EXPECT_EQ(maxX, 15.0);
    std::sort(crests.begin(), crests.end());
    std::sort(roots.begin(), roots.end());
    EXPECT_EQ(crests, (std::vector<double>{-24, -18, -12}));
    ASSERT_EQ(roots.size(), 3u);
    EXPECT_EQ(roots[0], -30.0);
    EXPECT_NEAR(roots[1], -22.4, 1e-9);
    EXPECT_NEAR(roots[2], -16.4, 1e-9);
    EXPECT_EQ(M.Depth(), 0);
}

TEST_F(TFittingTest, ViewDrawsHexagonCurvesThreadTextsAndEndView)
{
    TFitting f(3, &M);
    f.dr2D_Shtucer_V1(0, 0, 0, 1, 7, 6, 4.4, 3, 45, 1, true);
    EXPECT_EQ(M.LinesInStyle(2), 2u);
    bool mid = false;
    for (const TArgs& a : M.ArgsOf("drArc"))
        mid |= a[2] == "14.825" && a[0] == "6.825";
    EXPECT_TRUE(mid) << "the middle face's chamfer curve about (Rmid - 8, 0)";
    const auto vl = M.ArgsOf("drDimVL");
    ASSERT_GE(vl.size(), 4u);
    EXPECT_EQ(vl[0], (TArgs{"8.8", "-6", "5", "-30", "-4.4", "-30", "4.4", "\"&02\"", "\"\"", "\"*\""}));
    EXPECT_EQ(vl[2][7], "\"M\"");
    EXPECT_EQ(vl[2][9], "\"&04~1.25-8g\"");
    EXPECT_EQ(M.CountOf("drDimApc"), 3u);
    EXPECT_EQ(M.ArgsOf("drCircle").size(), 4u); // the end view: r1 with centre lines, r2, r3, r4
    EXPECT_EQ(M.Depth(), 0);
    M.ClearJournal();
    f.dr2D_Shtucer_V1(0, 0, 0, 1, 7, 6, 4.4, 3, 45, 1, false);
    EXPECT_EQ(M.CountOf("drCircle"), 0u);
}

// The cut runs in reverse, to the collar's side of XOZ (FittingPartHasItsHexagonWhereTheCollarIs).
TEST_F(TFittingTest, PartCutsTheHexagon48Deep)
{
    TFitting f(3, &M);
    f.dr3D(0);
    EXPECT_EQ(M.Texts().front(), "drCreate3DNewPartPlane(3, 0, true, 1, 0)");
    EXPECT_EQ(M.ArgsOf("drCutExtrusion"), (std::vector<TArgs>{{"1", "0", "48", "0"}}));
    EXPECT_EQ(M.ArgsOf("drPlaneEskis").back(), (TArgs{"2", "0", "0", "\"\""}));
    bool clearance = false;
    for (const TArgs& a : M.ArgsOf("drCircle"))
        clearance |= a[2] == "10.1";
    EXPECT_TRUE(clearance);
}

TEST_F(TFittingTest, SupportRecordFlatsSectionAndSheet)
{
    TProtectSupport p(4, &M, TConstruktor::Empty());
    const streamtest::Bytes zero = Write(p);
    EXPECT_EQ(zero, streamtest::Bytes(53, 0));
    p.ThreadLen = 20, p.Len = 50, p.ThreadRadius = 6, p.Radius = 10, p.Key = 14, p.LenToKey = 15;
    p.Design = true, p.Code = 2;
    const streamtest::Bytes bytes = Write(p);
    TProtectSupport q(4, &M, TConstruktor::Empty());
    TKmfData in;
    in.from(streamtest::Blob(TKmfData::CurrentVersion, bytes));
    q.fromStream(in);
    EXPECT_EQ(Write(q), bytes);
    TGImage image(nullptr, nullptr);
    p.Show(image, TColor());
    EXPECT_EQ(image.CountLElement, 0);

    G.dr2D_LapkaZapobizna_V1(0, 0, 0, 1, 10, 6, 50, 20, 15, 14, 2, 0, false);
    EXPECT_TRUE(M.OutlineClosed());
    EXPECT_EQ(M.LinesInStyle(2), 0u);
    M.ClearJournal();
    G.dr2D_LapkaZapobizna_V1(0, 0, 0, 1, 10, 6, 50, 20, 15, 14, 2, 1, true);
    const double q7 = std::sqrt(100.0 - 49);
    bool flats = false;
    for (const TArgs& a : M.ArgsOf("drLine"))
        flats |= a[0] == "-26" && std::abs(D(a[1]) + q7) < 1e-6 && a[4] == "1";
    EXPECT_TRUE(flats) << "the flats' rectangle from xh + y82 - 11 at -q";
    EXPECT_EQ(M.LinesInStyle(2), 2u);
    EXPECT_EQ(M.CountOf("drHatch"), 1u);
    EXPECT_EQ(M.ArgsOf("drDimHL")[0], (TArgs{"14", "-17.85857157", "1", "-7", "-7.141428429", "7",
                                             "-7.141428429", "\"\"", "\"h14\"", "\"\""}));
    EXPECT_EQ(M.ArgsOf("drCircleShelf"), (std::vector<TArgs>{{"1.5", "-6", "3", "6", "-30", "\"A\""}}));
    EXPECT_EQ(M.Depth(), 0);

    M.ClearJournal();
    p.dr2D();
    EXPECT_EQ(M.Texts().front(), "drLeafStampView1(4, 0, 30, -10, true)");
    const auto title = M.ArgsOf("drText");
    ASSERT_EQ(title.size(), 1u);
    EXPECT_EQ(title[0][6], "\"A(   4.00:1)\"");
}

using TFittingPartTest = TComponentHostFixture;

TEST_F(TFittingPartTest, SupportPartHasItsFlatsCut)
{
    const TDcDetail id = Present("support");
    TProtectSupport p(id, &drApi::MA, TConstruktor::Empty());
    p.ThreadLen = 20, p.Len = 50, p.ThreadRadius = 6, p.Radius = 10, p.Key = 14, p.LenToKey = 15;
    p.dr3D(0);
    const std::vector<tvhost::TShape> shapes = Shapes(id);
    ASSERT_EQ(shapes.size(), 1u);
    EXPECT_TRUE(tvhost::IsValidShape(shapes[0]));
    // Head and thread as cylinders, less the two flats' segments over their 22; the chamfers
    // and the undercut take less than the head's chamfer ring, the groove and the end chamfer.
    const double segment = 100 * std::acos(0.7) - 7 * std::sqrt(51.0);
    const double plain = pi * (100 * 30 + 36 * 20) - 2 * 22 * segment;
    const double volume = tvhost::Volume(shapes[0]);
    EXPECT_LT(volume, plain);
    EXPECT_GT(volume, plain - 2 * pi * (10 * 2 + 11 * 3 + 6 * 2));
}

// The collar lies at Y 0 to 8 of the part (the profile turned by -90 on XOY). Across it the
// part is the hexagon 14 across its flats with its corners on the collar's circle, 16.2 across;
// a round collar would be 16.2 both ways. Between Y 2 and 6 it is that hexagon less the bore.
TEST_F(TFittingPartTest, FittingPartHasItsHexagonWhereTheCollarIs)
{
    const TDcDetail id = Present("fitting");
    TFitting f(id, &drApi::MA);
    f.dr3D(0);
    const std::vector<tvhost::TShape> shapes = Shapes(id);
    ASSERT_EQ(shapes.size(), 1u);
    EXPECT_TRUE(tvhost::IsValidShape(shapes[0]));
    const tvhost::TShape slab = tvhost::MakeBox({-20, 2, -20}, 40, 4, 40);
    const tvhost::TShape collar = tvhost::Combined(tvhost::TBooleanKind::bkCommon, shapes[0], slab);
    const auto box = tvhost::BoxOf(collar);
    const double dx = box[3] - box[0], dz = box[5] - box[2];
    EXPECT_NEAR(std::min(dx, dz), 14.0, 1e-3) << "across the flats";
    EXPECT_NEAR(std::max(dx, dz), 16.2, 1e-3) << "across the corners";
    const double e = std::sqrt(8.1 * 8.1 - 49), hexagon = 14 * 2 * e + 14 * (8.1 - e);
    EXPECT_NEAR(tvhost::Volume(collar), 4 * (hexagon - pi * 9), 1e-6);
}

} // namespace
