// The return pins and their support pillar: the pin drawn without spigot or notch, its sheet,
// the pillar built even when the pins' part is refused; the pillar's outline, dimensions,
// sheet with the undercut's enlarged view, and both parts on the host.

#include <gtest/gtest.h>

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

// Pins of radius 4 with a fit of 5 to 25 and a collar of 8 by 6, 100 long; pillar 30 long.
void Sizes(TBackEjector& b)
{
    b.Radius = 4, b.CollarHeight = 6, b.CollarRadius = 8, b.FitRadius = 5, b.FitLen = 25, b.Len = 100;
    b.LenOpora = 30;
}

class TBackEjectorTest : public testing::Test {
protected:
    void SetUp() override
    {
        drApi::LibraryControlModel = &Model;
        Sizes(B);
    }
    void TearDown() override { drApi::LibraryControlModel = nullptr; }

    TComponentRecorder M;
    TCatalogueModel Model{"G"};
    const TDcDetail Id = Model.RowOf("backejector"), Id2 = Model.RowOf("backpillar");
    TBackEjector B{Id, &M, TConstruktor::Empty(), Id2};
};

TEST_F(TBackEjectorTest, PinHasNoSpigotNotchOrOverallLength)
{
    B.dr2D_V1(0, 0, 0, 1, 1, true);
    EXPECT_TRUE(M.Calls.empty()); // the pins are absent
    Model.Present(Id, 50);
    B.dr2D_V1(0, 0, 0, 1, 1, true);
    const TCalls lines = M.ArgsOf("drLine");
    ASSERT_GE(lines.size(), 4u);
    EXPECT_EQ(lines[0], (TArgs{"-2", "0", "102", "0", "3"}));
    EXPECT_EQ(lines[1], (TArgs{"0", "0", "0", "5", "1"})); // the back face, split at 5
    EXPECT_EQ(lines[4], (TArgs{"0", "5", "0", "8", "1"}));
    std::vector<std::string> values;
    for (const char* name : {"drDimVL", "drDimHL"})
        for (const TArgs& a : M.ArgsOf(name))
            values.push_back(a[0]);
    // Spigot diameter and overall length 0, the notch's depth and length 0.
    EXPECT_EQ(values, (std::vector<std::string>{"0", "16", "10", "7", "8", "0", "-35", "0", "15", "16", "6",
                                                "25", "100", "0"}));
    const TCalls rough = M.ArgsOf("drRough");
    ASSERT_EQ(rough.size(), 5u); // no spigot mark
    EXPECT_EQ(rough[2], (TArgs{"21", "5", "90", "0", "\"1,6\"", "\"\"", "\"\""}));
    EXPECT_EQ(M.CountOf("drDimApc"), 0u);
    EXPECT_EQ(M.Depth(), 0);

    M.ClearJournal();
    B.dr2D();
    EXPECT_EQ(M.Texts().front(), "drLeafStampView1(" + std::to_string(Id) + ", 0, 80, -8, true)");
    EXPECT_EQ(M.ArgsOf("drStringObj"), (TCalls{{Q("1. 42...46 HRCэ, кроме места указанного особо")},
                                               {Q("2. Покрытие поверхности шероховатостью  0,2 - X12тв.")},
                                               {Q("3. * Длинну выполнить по месту")}}));
}

TEST_F(TBackEjectorTest, PartBuildsThePillarEvenWhenThePinsAreRefused)
{
    Model.Present(Id, 50);
    Model.Present(Id2, 51);
    B.dr3D(0);
    const auto made = M.ArgsOf("drCreate3DNewPartPlane");
    ASSERT_EQ(made.size(), 2u);
    EXPECT_EQ(made[0][0], std::to_string(Id));
    EXPECT_EQ(made[1][0], std::to_string(Id2));
    EXPECT_EQ(M.CountOf("drBaseRotate"), 2u);
    EXPECT_EQ(M.CountOf("drClose3D"), 2u);
    EXPECT_EQ(M.Depth(), 0);

    M.ClearJournal();
    M.BooleanResult = false;
    B.dr3D(0);
    EXPECT_EQ(M.Names(), (std::vector<std::string>{"drCreate3DNewPartPlane", "drCreate3DNewPartPlane"}));

    // A set without a pillar (second row 0, the product's) builds and draws no pillar.
    M.ClearJournal();
    M.BooleanResult = true;
    TBackEjector alone(Id, &M, TConstruktor::Empty(), 0);
    Sizes(alone);
    alone.dr3D_Opora();
    alone.dr2D_Opora();
    alone.dr2D_Opora_V1(0, 0, 0, 1, 8, 4, 6, 30, 1, true);
    EXPECT_TRUE(M.Calls.empty());

    TEjectorPin pin(Id, &M, TConstruktor::Empty());
    pin.dr2D();
    pin.dr3D(0);
    EXPECT_TRUE(M.Calls.empty());
}

TEST_F(TBackEjectorTest, PillarOutlineDimensionsAndMarks)
{
    Model.Present(Id2, 51);
    B.dr2D_Opora_V1(0, 0, 0, 1, 8, 4, 6, 30, 1, true);
    const TCalls lines = M.ArgsOf("drLine");
    ASSERT_GE(lines.size(), 4u);
    EXPECT_EQ(lines[0], (TArgs{"-3", "0", "33", "0", "3"}));
    EXPECT_EQ(lines[1], (TArgs{"0", "0", "0", "8", "1"}));
    EXPECT_EQ(lines[2], (TArgs{"0", "8", "6", "8", "1"}));
    EXPECT_EQ(lines[3], (TArgs{"6", "8", "6", "0", "-1"}));
    EXPECT_EQ(M.LinesInStyle(-1), 4u); // the head's inner face and the undercut's end, both halves
    EXPECT_EQ(M.CountOf("drArc"), 4u); // the undercut's two corners, both halves
    EXPECT_EQ(M.ArgsOf("drCircleShelf"), (TCalls{{"7", "2", "4", "10", "16", "\"A\""}}));
    EXPECT_EQ(M.ArgsOf("drDimL"), (TCalls{{"30", "\"\"", "0", "-34", "0", "0", "0", "0", "30", "-4", "1", "0",
                                           "0", "-8", "1", "0", "\"\"", "\"h6\"", "\"\""},
                                          {"6", "\"\"", "0", "-22", "1", "0", "0", "0", "0", "-8", "1", "1",
                                           "6", "-8", "1", "0", "\"\"", "\"h6\"", "\"\""},
                                          {"8", "\"\"", "20", "0", "-1", "0", "0", "0", "30", "-4", "1", "0",
                                           "30", "4", "1", "0", "\"&02\"", "\"h6\"", "\"\""},
                                          {"16", "\"\"", "-10", "0", "1", "0", "0", "0", "0", "8", "1", "0",
                                           "0", "-8", "1", "0", "\"&02\"", "\"h14\"", "\"\""}}));
    EXPECT_EQ(M.ArgsOf("drRough"), (TCalls{{"6", "-13", "0", "0", "\"1,6\"", "\"\"", "\"\""},
                                           {"23", "4", "90", "0", "\"0,8\"", "\"\"", "\"\""},
                                           {"30", "-19", "0", "0", "\"0,2\"", "\"\"", "\"\""}}));
    EXPECT_EQ(M.Depth(), 0);

    // A sketch: the closed upper half without edge lines, closed along the axis.
    M.ClearJournal();
    B.dr2D_Opora_V1(0, 0, 180, 1, 8, 4, 6, 30, 0, false);
    EXPECT_TRUE(M.OutlineClosed());
    EXPECT_EQ(M.LinesInStyle(-1), 0u);
    EXPECT_EQ(M.CountOf("drArc"), 2u);
    EXPECT_EQ(M.CountOf("drDimL") + M.CountOf("drCircleShelf") + M.CountOf("drRough"), 0u);
}

TEST_F(TBackEjectorTest, PillarSheetHasTheEnlargedUndercutAndOneRequirement)
{
    Model.Present(Id2, 51);
    B.dr2D_Opora();
    EXPECT_EQ(M.Texts().front(), "drLeafStampView1(" + std::to_string(Id2) + ", 0, 0, -5, true)");
    EXPECT_EQ(M.ArgsOf("drText"), (TCalls{{"1", "2.5", "0", "6", "1", "75", "\"A(   4.00:1)\""}}));
    EXPECT_EQ(M.CountOf("drDimL"), 4u);
    EXPECT_EQ(M.ArgsOf("drDimApc").size(), 1u);
    EXPECT_EQ(M.ArgsOf("drStringObj"), (TCalls{{Q(" $*;$ Размеры для справок")}}));
    EXPECT_EQ(M.Depth(), 0);
    M.ClearJournal();
    B.dr3D_Opora();
    EXPECT_EQ(M.Texts().front(), "drCreate3DNewPartPlane(" + std::to_string(Id2) + ", 0, true, 3, 0)");
    EXPECT_EQ(M.Texts().back(), "drClose3D(true, 0)");
}

using TBackEjectorPartTest = TComponentHostFixture;

TEST_F(TBackEjectorPartTest, PinAndPillarPartsHaveTheVolumesOfTheirProfiles)
{
    const TDcDetail id = Present("backejector"), id2 = Present("backpillar");
    TBackEjector b(id, &drApi::MA, TConstruktor::Empty(), id2);
    Sizes(b);
    b.dr3D(0);
    std::vector<tvhost::TShape> shapes = Shapes(id);
    ASSERT_EQ(shapes.size(), 1u);
    EXPECT_TRUE(tvhost::IsValidShape(shapes[0]));
    TRevolvedVolume pin;
    pin.Polygon(
        {{0, 0}, {0, 8}, {6, 8}, {6, 5}, {23.5, 5}, {25, 3.5}, {69, 3.5}, {85, 4}, {100, 4}, {100, 0}});
    EXPECT_NEAR(tvhost::Volume(shapes[0]), pin.Volume, 1e-6 * pin.Volume);

    shapes = Shapes(id2);
    ASSERT_EQ(shapes.size(), 1u);
    EXPECT_TRUE(tvhost::IsValidShape(shapes[0]));
    TRevolvedVolume pillar;
    pillar.Polygon({{0, 0}, {0, 8}, {6, 8}, {6, 3}, {8, 3}, {9, 4}, {30, 4}, {30, 0}});
    pillar.Corner({6, 8}, {6, 3}, {8, 3}, 0.5, true);
    pillar.Corner({6, 3}, {8, 3}, {9, 4}, 0.5, true);
    EXPECT_NEAR(tvhost::Volume(shapes[0]), pillar.Volume, 1e-6 * pillar.Volume);
    Kept.Reset();
}

TEST_F(TBackEjectorPartTest, RefusedPinsStillGetTheirPillarAndSheetsReopen)
{
    const TDcDetail id = Model->RowOf("backejector"), id2 = Present("backpillar");
    TBackEjector b(id, &drApi::MA, TConstruktor::Empty(), id2);
    Sizes(b);
    b.dr3D(0); // the pins' row is absent: their part is refused
    EXPECT_TRUE(Shapes(id).empty());
    EXPECT_EQ(Shapes(id2).size(), 1u);
    Kept.Reset();

    const auto dimensions = [&](const TString& file) {
        const tvapi::ITervanDocumentPtr sheet = Host().App().Documents().OpenFile(Wide(file), false);
        auto* drawing = dynamic_cast<tvhost::THostDocument2D*>(sheet.Get());
        int n = -1;
        if (drawing) {
            n = 0;
            for (const tvhost::THostViewPtr& view : drawing->Drawing().Views())
                for (const tvapi::IDrawingObjectPtr& o : view->Children()) {
                    const auto* core = dynamic_cast<tvhost::TDrawingCore*>(o.Get());
                    n += core &&
                         (core->Type() == tvapi::tvDrLDimension || core->Type() == tvapi::tvDrADimension);
                }
        }
        return n;
    };
    b.dr2D_Opora();
    EXPECT_EQ(dimensions(Model->sfDetail2D(id2, 0)), 7); // four of the pillar, three of the undercut
    Model->Present(id, 50);
    b.dr2D();
    // Fourteen less the spigot, the overall length and the notch's two.
    EXPECT_EQ(dimensions(Model->sfDetail2D(id, 0)), 10);
}

} // namespace
