// The guide pillar: where the record puts its right end and its tail, the profile's grooves,
// axis and closed outline, the dimensions a pillar without a tail leaves out, the sheet with
// its enlarged groove and requirements, and the part's volume.

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

#include "ComponentCatalogue.h"
#include "ComponentHostFixture.h"
#include "ComponentRecorder.h"
#include "ComponentShapes.h"
#include "MathDetail2.h"
#include "TDemStr.h"
#include "drModelerAPI.h"

namespace {

using TArgs = std::vector<std::string>;

double D(const std::string& s)
{
    return std::stod(s);
}

bool HasLine(const TComponentRecorder& M, const TArgs& line)
{
    for (const TArgs& a : M.ArgsOf("drLine"))
        if (a == line) return true;
    return false;
}

class TDirectColumnTest : public testing::Test {
protected:
    void SetUp() override
    {
        drApi::LibraryControlModel = &Model;
        Model.Present(Id, 20);
        P.Radius = 12, P.TailRadius = 10, P.TailLen = 10, P.Len = 100, P.SupportLen = 80;
    }
    void TearDown() override { drApi::LibraryControlModel = nullptr; }

    // The span of the outline along the axis, from its lines outside the axis style.
    std::pair<double, double> Span() const
    {
        double lo = 1e9, hi = -1e9;
        for (const TArgs& a : M.ArgsOf("drLine")) {
            if (a[4] == "3") continue;
            lo = std::min({lo, D(a[0]), D(a[2])});
            hi = std::max({hi, D(a[0]), D(a[2])});
        }
        return {lo, hi};
    }

    TComponentRecorder M;
    TCatalogueModel Model{"G"};
    const TDcDetail Id = Model.RowOf("pillar");
    TDirectColumn P{Id, &M, TConstruktor::Empty()};
};

TEST_F(TDirectColumnTest, RecordPlacesTheRightEndAndTheTail)
{
    // Ends of 10 on both sides: x79 = 90, the tail down to X0 = -10.
    P.dr2D_V1(0, 0, 0, 1.0, 0, false);
    EXPECT_TRUE(M.OutlineClosed());
    EXPECT_EQ(Span(), std::make_pair(-10.0, 90.0));
    EXPECT_TRUE(HasLine(M, {"-10", "0", "90", "0", "3"}));
    // The grooves' bottoms beside both shoulders, 0.3 under the ends' radius.
    bool right = false, left = false;
    for (const TArgs& a : M.ArgsOf("drLine")) {
        right |= a[1] == "9.7" && a[3] == "9.7" && std::min(D(a[0]), D(a[2])) > 79.9;
        left |= a[1] == "9.7" && a[3] == "9.7" && std::max(D(a[0]), D(a[2])) < 0.1;
    }
    EXPECT_TRUE(right);
    EXPECT_TRUE(left);
    // The axis reaches 2 past both ends when the line code names the halves.
    M.ClearJournal();
    P.dr2D_V1(0, 0, 0, 1.0, 31, true);
    EXPECT_TRUE(HasLine(M, {"-12", "0", "92", "0", "3"}));
    EXPECT_EQ(M.CountOf("drDimHL") + M.CountOf("drRough"), 0u); // the pillar's views carry no sizes
    // |100 - 80 - 10| is past the slack: the right end face stands on the shoulder, X0 = -20.
    P.TailLen = 5;
    M.ClearJournal();
    P.dr2D_V1(0, 0, 0, 1.0, 1, false);
    EXPECT_TRUE(HasLine(M, {"-20", "0", "80", "0", "3"}));
    EXPECT_EQ(M.Depth(), 0);
}

TEST_F(TDirectColumnTest, DimensionsOfTheTailOnlyWithATail)
{
    P.dr2D_KolonkaMehSt_V1(0, 0, 0, 1.0, 12, 10, 100, 90, 80, 31, true);
    auto hl = M.ArgsOf("drDimHL");
    ASSERT_EQ(hl.size(), 5u);
    EXPECT_EQ(hl[2], (TArgs{"100", "-48", "-1", "-10", "-8.4", "90", "-8.4", "\"\"", "\"h14\"", "\"\""}));
    EXPECT_EQ(hl[3], (TArgs{"1.6", "15", "-1", "-10", "8.4", "-8.4", "10", "\"\"", "\"\"", "\"&04~45&01\""}));
    auto vl = M.ArgsOf("drDimVL");
    ASSERT_EQ(vl.size(), 3u);
    EXPECT_EQ(vl[0][0], "20");
    EXPECT_EQ(vl[1], (TArgs{"20", "15", "4", "88.4", "-10", "88.4", "10", "\"&02\"", "\"k6\"", "\"\""}));
    EXPECT_EQ(vl[2], (TArgs{"24", "37", "3", "80", "-12", "80", "12", "\"&02\"", "\"f7\"", "\"\""}));
    EXPECT_EQ(M.ArgsOf("drCircleShelf"), (std::vector<TArgs>{{"81.5", "10", "3", "55", "24", "\"A\""}}));
    EXPECT_EQ(M.ArgsOf("drRough").size(), 5u);
    EXPECT_EQ(M.ArgsOf("drRough")[0], (TArgs{"-27", "10", "90", "0", "\"0,8\"", "\"\"", "\"\""}));

    // Without a tail the left end face runs down to the axis and its three sizes get 0.
    M.ClearJournal();
    P.dr2D_KolonkaMehSt_V1(0, 0, 0, 1.0, 12, 10, 90, 90, 80, 0, true);
    EXPECT_TRUE(M.OutlineClosed());
    EXPECT_TRUE(HasLine(M, {"0", "12", "0", "0", "1"}));
    EXPECT_EQ(Span(), std::make_pair(0.0, 90.0));
    hl = M.ArgsOf("drDimHL");
    EXPECT_EQ(hl[2][0], "0");
    EXPECT_EQ(hl[3][0], "0");
    EXPECT_EQ(M.ArgsOf("drDimVL")[0][0], "0");
    const auto rough = M.ArgsOf("drRough");
    ASSERT_EQ(rough.size(), 4u);
    EXPECT_EQ(rough[0][0], "25");
}

TEST_F(TDirectColumnTest, NothingForADetailTheModelDoesNotHold)
{
    TDirectColumn absent(Model.RowOf("sprue"), &M, TConstruktor::Empty());
    absent.Len = 100, absent.SupportLen = 80, absent.TailLen = 10, absent.Radius = 12, absent.TailRadius = 10;
    absent.dr2D_V1(0, 0, 0, 1.0, 31, true);
    absent.dr2D_KolonkaMehSt_V1(0, 0, 0, 1.0, 12, 10, 100, 90, 80, 31, true);
    EXPECT_EQ(M.Calls.size(), 0u);
}

TEST_F(TDirectColumnTest, SheetShowsTheUpperHalfTheGrooveAndTwoRequirements)
{
    P.Radius = 12.5;
    P.dr2D();
    EXPECT_EQ(M.Texts().front(), "drLeafStampView1(" + std::to_string(Id) + ", 0, 0, -13, true)");
    EXPECT_TRUE(HasLine(M, {"-10", "0", "90", "0", "3"}));
    // The pillar's lines, before the enlarged view's title: the upper half only.
    for (const TRecordedCall& c : M.Calls) {
        if (c.Name == "drText") break;
        if (c.Name != "drLine") continue;
        EXPECT_GE(std::min(D(c.Args[1]), D(c.Args[3])), 0.0);
    }
    const auto title = M.ArgsOf("drText");
    ASSERT_EQ(title.size(), 1u);
    EXPECT_EQ(title[0][6], "\"A(   4.00:1)\"");
    EXPECT_EQ(M.CountOf("drDimApc"), 1u); // the groove's flank
    const auto lines = M.ArgsOf("drStringObj");
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_EQ(lines[0][0], recording::QuotedUtf8(TString("1.") + TDemStr[1]));
    EXPECT_EQ(lines[1][0], recording::QuotedUtf8(TString("2.") + TDemStr[30]));

    M.ClearJournal();
    P.dr3D(0);
    EXPECT_EQ(M.Texts().front(), "drCreate3DNewPartPlane(" + std::to_string(Id) + ", 0, true, 3, 0)");
    EXPECT_EQ(M.ArgsOf("drBaseRotate"), (std::vector<TArgs>{{"0", "360"}}));
    EXPECT_EQ(M.Names().back(), "drClose3D");
}

using TDirectColumnPartTest = TComponentHostFixture;

TEST_F(TDirectColumnPartTest, PartIsTheProfileRevolvedAndTheSheetReopens)
{
    const TDcDetail id = Present("pillar");
    TDirectColumn c(id, &drApi::MA, TConstruktor::Empty());
    c.Radius = 12, c.TailRadius = 10, c.TailLen = 10, c.Len = 100, c.SupportLen = 80;
    c.dr3D(0);
    const std::vector<tvhost::TShape> solids = Shapes(id);
    ASSERT_EQ(solids.size(), 1u);
    EXPECT_TRUE(tvhost::IsValidShape(solids[0]));
    const double polygon = shapes::RevolvedVolume({{90, 0},
                                                   {90, 8.4},
                                                   {88.4, 10},
                                                   {83, 10},
                                                   {82.7, 9.7},
                                                   {80, 9.7},
                                                   {80, 12},
                                                   {0, 12},
                                                   {0, 9.7},
                                                   {-2.7, 9.7},
                                                   {-3, 10},
                                                   {-8.4, 10},
                                                   {-10, 8.4},
                                                   {-10, 0}});
    // Each groove's two rounded corners put back a little: one square, one of 135 degrees.
    const double r = 0.25, y = 9.7 + shapes::SpandrelOffset(r);
    const double grooves =
        2 * (shapes::SpandrelRing(r, y) + shapes::SpandrelRing(r, y, 0.75 * std::numbers::pi));
    EXPECT_NEAR(tvhost::Volume(solids[0]), polygon + grooves, 0.05);
    Kept.Reset();

    c.dr2D();
    tvhost::THostDocument2D* sheet = OpenSheet(id);
    ASSERT_NE(sheet, nullptr);
    const shapes::TSheetSummary summary = shapes::Summary(*sheet);
    EXPECT_EQ(summary.Dimensions, 3); // the enlarged groove's only
    EXPECT_NE(summary.Requirements.find(Wide(TDemStr[30])), std::wstring::npos);
    Kept.Reset();

    // Ends that do not add up put the right end face on the shoulder: its chamfer and groove
    // fold back over it. The kernel refuses the revolve, so no part is saved, and that is told.
    c.TailLen = 5;
    ScriptAnswers({tvapi::tvButtonOk});
    Journal().Clear();
    c.dr3D(0);
    EXPECT_FALSE(std::filesystem::exists(Model->sfDetail3D(id, 0).PChar()));
    const auto boxes = Journal().Calls("IApplication::ShowMessageBox");
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0].Arguments[0].rfind("Деталь не построена: ", 0), 0u) << boxes[0].Arguments[0];
}

} // namespace

// A pillar from the outside maker's catalogue is the leader pin's profile at the pillar's sizes,
// turned half round in its part: it stands on the other side of its sketch's origin.
TEST_F(TDirectColumnPartTest, CataloguePillarIsTheLeaderPinTurnedHalfRound)
{
    const TDcDetail id = Present("pillar");
    TDirectColumn c(id, &drApi::MA, TConstruktor::Empty());
    c.Radius = 12, c.TailRadius = 10, c.TailLen = 10, c.Len = 100, c.SupportLen = 80, c.Code = 1;
    c.dr3D(0);
    const std::vector<tvhost::TShape> solids = Shapes(id);
    ASSERT_EQ(solids.size(), 1u);
    EXPECT_TRUE(tvhost::IsValidShape(solids[0]));
    const std::array<double, 6> box = tvhost::BoxOf(solids[0]);
    EXPECT_NEAR(box[3] - box[0], 24, 1e-6);
    // The pin's profile runs to -x from its end face: turned, it lies along the model's -Z,
    // the tail's 10 beyond the pillar's 100.
    EXPECT_NEAR(box[2], -110, 1e-6);
    EXPECT_NEAR(box[5], 0, 1e-6);
    Kept.Reset();
}
