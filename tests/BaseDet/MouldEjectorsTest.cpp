// The toolbox's stepped ejector pin and the mould parts drawn like it: the reference pin's
// outline point by point with its dimensions, marks and note; the spring-loaded ejector's
// sheet and notch; the return pins and their pillar; the retraction pin with its grip's view.

#include <gtest/gtest.h>

#include <algorithm>
#include <tuple>

#include "ComponentCatalogue.h"
#include "ComponentRecorder.h"
#include "MathDetail2.h"
#include "drModelerAPI.h"

namespace {

using TTexts = std::vector<std::string>;

std::string Q(const char* utf8)
{
    return recording::QuotedUtf8(TString(utf8));
}

// The calls of the operations `names` as texts, in order.
TTexts Calls(const TComponentRecorder& M, std::initializer_list<std::string> names)
{
    TTexts out;
    for (const TRecordedCall& c : M.Calls)
        if (std::find(names.begin(), names.end(), c.Name) != names.end()) out.push_back(c.Text());
    return out;
}

// The segments as "x1 y1 x2 y2 style".
TTexts Lines(const TComponentRecorder& M)
{
    TTexts out;
    for (const auto& a : M.ArgsOf("drLine"))
        out.push_back(a[0] + " " + a[1] + " " + a[2] + " " + a[3] + " " + a[4]);
    return out;
}

class TMouldEjectorsTest : public testing::Test {
protected:
    void SetUp() override
    {
        drApi::LibraryControlModel = &Model;
        Plug.ConeLen = 8;
        E.Radius = 3, E.Len = 100, E.SpringRadius = 2, E.SpringLen = 10, E.FitRadius = 4, E.FitLen = 20;
        E.CollarRadius = 6, E.CollarHeight = 5, E.GradeHeight = 2;
        B.Radius = 4, B.CollarHeight = 6, B.CollarRadius = 8, B.FitRadius = 5, B.FitLen = 25, B.Len = 100;
        B.LenOpora = 30;
        P.Radius = 4, P.FitLen = 20, P.Fit2Len = 40, P.CollarHeight = 6, P.CollarRadius = 7, P.Len = 45.4;
    }
    void TearDown() override { drApi::LibraryControlModel = nullptr; }
    // The reference pin (the ejector's sizes) in mode tl.
    void Reference(Integer tl, Boolean isSize)
    {
        G.dr2D_Shtovhach_V1(0, 0, 0, 1, 3, 2.5, 6, 4, 2, 100, 20, 5, 110, 8, 2, tl, isSize);
    }

    TComponentRecorder M;
    TCommonGeometry G{M};
    TCatalogueModel Model{"G"};
    const TDcDetail IdE = Model.RowOf("ejectorchannel"), IdB = Model.RowOf("backejector"),
                    IdP = Model.RowOf("backpillar"), IdR = Model.RowOf("retraction");
    TEjectorPlug Plug{0, &M, TConstruktor::Empty()};
    TEjectorChannel E{IdE, &M, TConstruktor::Empty(), &Plug};
    TBackEjector B{IdB, &M, TConstruktor::Empty(), IdP};
    TReTraction P{IdR, &M, TConstruktor::Empty()};
};

// The axis, the plain upper half with its shoulder edges, then the notched half mirrored.
TEST_F(TMouldEjectorsTest, ReferencePinOutlinePointByPoint)
{
    Reference(1, false);
    const TTexts upper = {"-10 0 -10 2 1",    "-10 2 0 2 1",     "0 2 0 0 -1",     "0 2 0 6 1",
                          "0 6 5 6 1",        "5 6 5 4 1",       "5 4 5 0 -1",     "5 4 18.5 4 1",
                          "18.5 4 18.5 0 -1", "18.5 4 20 2.5 1", "20 2.5 20 0 -1", "20 2.5 69 2.5 1",
                          "69 2.5 69 0 -1",   "69 2.5 85 3 1",   "85 3 85 0 -1",   "85 3 100 3 1",
                          "100 3 100 0 1"};
    const TTexts lower = {"-10 0 -10 -2 1",
                          "-10 -2 0 -2 1",
                          "0 -2 0 0 -1",
                          "0 -2 0 -6 1",
                          "0 -6 5 -6 1",
                          "5 -6 5 -4 1",
                          "5 -4 5 0 -1",
                          "5 -4 18.5 -4 1",
                          "18.5 -4 18.5 0 -1",
                          "18.5 -4 20 -2.5 1",
                          "20 -2.5 20 0 -1",
                          "20 -2.5 69 -2.5 1",
                          "69 -2.5 69 0 -1",
                          "69 -2.5 85 -3 1",
                          "85 -3 85 0 -1",
                          "85 -3 92 -3 1",
                          "92 -3 92 -1 1",
                          "92 -1 100 -2.389185421 1",
                          "100 -2.389185421 100 0 1"};
    TTexts expected = {"-12 0 102 0 3"};
    expected.insert(expected.end(), upper.begin(), upper.end());
    expected.insert(expected.end(), lower.begin(), lower.end());
    EXPECT_EQ(Lines(M), expected);
    EXPECT_EQ(M.Depth(), 0);
    // A sketch: the closed upper half alone, closed along the axis, no shoulder edges.
    M.ClearJournal();
    Reference(0, false);
    EXPECT_TRUE(M.OutlineClosed());
    EXPECT_EQ(M.LinesInStyle(-1), 0u);
    EXPECT_EQ(Lines(M).back(), "100 0 -10 0 1");
    // The tens digit: 1 the plain half only (in style 2 here), 2 the notched half only.
    M.ClearJournal();
    Reference(12, false);
    EXPECT_EQ(M.LinesInStyle(2) + M.LinesInStyle(-2), upper.size());
    M.ClearJournal();
    Reference(21, false);
    const TTexts notched = Lines(M);
    EXPECT_EQ(TTexts(notched.begin() + 1, notched.end()), lower);
}

TEST_F(TMouldEjectorsTest, ReferencePinDimensionsMarksAndHardenedZone)
{
    Reference(1, true);
    EXPECT_EQ(Calls(M, {"drDimVL", "drDimHL"}),
              (TTexts{"drDimVL(4, -10, -5, -10, -2, -10, 2, \"&02\", \"h12\", \"\")",
                      "drDimVL(12, -32, -1, 0, -6, 0, 6, \"&02\", \"h14\", \"\")",
                      "drDimVL(8, 0, -3, 10, -4, 10, 4, \"&02\", \"h12\", \"\")",
                      "drDimVL(5, 0, -5, 42, -2.5, 42, 2.5, \"&02\", \"h14\", \"\")",
                      "drDimVL(6, 30, -1, 92, -3, 100, 3, \"&02\", \"f7\", \"\")",
                      "drDimHL(-35, 18, 0, 65, 4, 100, 3, \"\", \"\", \"&03~0,2\")",
                      "drDimVL(2, 50, -1, 100, -3, 92, -1, \"\", \"\", \"&03~0,1\")",
                      "drDimHL(8, -16, -1, 92, -3, 100, -3, \"\", \"\", \"\")",
                      "drDimHL(15, -32, 1, 85, -3, 100, -3, \"\", \"\", \"&03~0,5\")",
                      "drDimHL(16, -20, -1, 85, -3, 69, -3, \"\", \"\", \"&03~0,5\")",
                      "drDimHL(5, -30, -16, 0, -6, 5, -6, \"\", \"h9\", \"\")",
                      "drDimHL(20, -44, -1, 0, -6, 20, -2.5, \"\", \"h14\", \"\")",
                      "drDimHL(100, -56, -1, 0, -6, 100, -3, \"\", \"h6\", \" *\")",
                      "drDimHL(110, -68, -1, -10, -2, 100, -3, \"\", \"h12\", \"\")"}));
    EXPECT_EQ(
        Calls(M, {"drRough", "drShelf", "drPoint", "drEndObj", "drDimApc"}),
        (TTexts{"drRough(105, 3, 90, 0, \"0,4\", \"\", \"\")",
                "drShelf(0, 60, 33, 1, 0, 1.5, 0.25, 75, " + Q("HRCэ 52...56") + ", 5, 1, 75, \"\")",
                "drPoint(65, 4)", "drEndObj()", "drRough(100, -27, 0, 0, \"0,2\", \"\", \"\")",
                "drRough(-10, -33, 180, 0, \"1,6\", \"\", \"\")",
                "drRough(16, 4, 90, 0, \"1,6\", \"\", \"\")", "drRough(16, -26, 180, 0, \"0,8\", \"\", \"\")",
                "drRough(5, -11, 0, 0, \"1,6\", \"\", \"\")",
                "drDimApc(-80, 270, 45, 0, \"\", 100, -2.389185421)"}));
    // The hardened zone's frame in the axial style, 1 clear of the last 35.
    const TTexts lines = Lines(M);
    EXPECT_EQ(TTexts(lines.end() - 3, lines.end()),
              (TTexts{"65 4 101 4 3", "101 4 101 -4 3", "101 -4 65 -4 3"}));
    EXPECT_EQ(M.Depth(), 0);

    // No notch (a depth within the tolerance), fit, relief or spigot: their sizes come with
    // value 0, which the modeller leaves out, and their marks are not drawn. A plain shank has
    // no taper, so neither the taper's length nor the working end's.
    M.ClearJournal();
    G.dr2D_Shtovhach_V1(0, 0, 0, 1, 3, 3, 6, 3, 2, 100, 5, 5, 100, 8, 1e-6, 1, true);
    std::vector<std::string> values;
    for (const TRecordedCall& c : M.Calls)
        if (c.Name == "drDimVL" || c.Name == "drDimHL") values.push_back(c.Args[0]);
    EXPECT_EQ(values,
              (TTexts{"0", "12", "0", "0", "6", "-35", "1e-06", "0", "0", "0", "5", "0", "100", "0"}));
    EXPECT_EQ(M.CountOf("drRough"), 4u);
    EXPECT_EQ(M.CountOf("drDimApc"), 0u);
}

TEST_F(TMouldEjectorsTest, EjectorSheetRequirementsAndNotchedPart)
{
    E.dr2D_V1(0, 0, 0, 1, 1, true);
    EXPECT_TRUE(M.Calls.empty()); // the detail is absent
    Model.Present(IdE, 40);
    E.dr2D();
    EXPECT_EQ(M.Texts().front(), "drLeafStampView1(" + std::to_string(IdE) + ", 0, -15, -5, true)");
    EXPECT_EQ(M.CountOf("drDimApc"), 1u);
    EXPECT_EQ(Calls(M, {"drStringObj"}),
              (TTexts{"drStringObj(" + Q("1. 42...46 HRCэ, кроме места указанного особо") + ")",
                      "drStringObj(" + Q("2. Покрытие поверхности шероховатостью  0,2 - X12тв.") + ")",
                      "drStringObj(" + Q("3. * Длинну выполнить по месту") + ")"}));
    EXPECT_EQ(M.Depth(), 0);

    M.ClearJournal();
    E.dr3D(0);
    EXPECT_EQ(M.Texts().front(), "drCreate3DNewPartPlane(" + std::to_string(IdE) + ", 0, true, 3, 0)");
    EXPECT_EQ(M.LinesInStyle(-1), 0u);
    const TTexts lines = Lines(M);
    EXPECT_EQ(TTexts(lines.end() - 3, lines.end()),
              (TTexts{"92 -3 92 -1 1", "92 -1 100 -3 1", "100 -3 92 -3 1"}));
    EXPECT_EQ(Calls(M, {"drPlaneEskis", "drCutExtrusion", "drColor3D", "drClose3D"}),
              (TTexts{"drPlaneEskis(3, 3, 0, \"\")", "drCutExtrusion(0, 0, 6, 0)",
                      "drColor3D(9474192, 0.8, 0.6, 0.95, 0.95, 1, 0.8)", "drClose3D(true, 0)"}));
    // No cut without depth, with a cone of no length, or when the notch's sketch did not open.
    for (const auto& [depth, cone, opens] :
         {std::tuple{0.0, 8.0, true}, std::tuple{2.0, 1e-6, true}, std::tuple{2.0, 8.0, false}}) {
        SCOPED_TRACE(std::to_string(depth) + " " + std::to_string(cone) + " " + std::to_string(opens));
        M.ClearJournal();
        E.GradeHeight = depth, Plug.ConeLen = cone, M.EskisOpen = opens;
        E.dr3D(0);
        EXPECT_EQ(M.CountOf("drCutExtrusion"), 0u);
        EXPECT_EQ(M.Texts().back(), "drClose3D(true, 0)");
    }
    // Without its plug the ejector draws and builds nothing.
    M.ClearJournal();
    E.Complement = nullptr;
    E.dr2D();
    E.dr2D_V1(0, 0, 0, 1, 1, true);
    E.dr3D(0);
    EXPECT_TRUE(M.Calls.empty());
}

TEST_F(TMouldEjectorsTest, ReturnPinsAndThePillarBuiltAlways)
{
    Model.Present(IdB, 50);
    B.dr2D();
    EXPECT_EQ(M.Texts().front(), "drLeafStampView1(" + std::to_string(IdB) + ", 0, 80, -8, true)");
    const TTexts lines = Lines(M);
    EXPECT_EQ(TTexts(lines.begin(), lines.begin() + 5),
              (TTexts{"-2 0 102 0 3", "0 0 0 5 1", "0 5 0 5 1", "0 5 0 0 -1",
                      "0 5 0 8 1"})); // back face split at 5
    std::vector<std::string> values;
    for (const TRecordedCall& c : M.Calls)
        if (c.Name == "drDimVL" || c.Name == "drDimHL") values.push_back(c.Args[0]);
    // The spigot's diameter, the overall length and the notch's two are 0.
    EXPECT_EQ(values,
              (TTexts{"0", "16", "10", "7", "8", "-35", "0", "0", "15", "16", "6", "25", "100", "0"}));
    EXPECT_EQ(M.CountOf("drRough"), 5u); // no spigot mark
    EXPECT_EQ(M.CountOf("drStringObj"), 3u);

    // The pins' part refused: the pillar is built all the same.
    Model.Present(IdP, 51);
    M.ClearJournal();
    M.BooleanResult = false;
    B.dr3D(0);
    EXPECT_EQ(M.Texts(), (TTexts{"drCreate3DNewPartPlane(" + std::to_string(IdB) + ", 0, true, 3, 0)",
                                 "drCreate3DNewPartPlane(" + std::to_string(IdP) + ", 0, true, 3, 0)"}));
    M.ClearJournal();
    M.BooleanResult = true;
    B.dr3D(0);
    EXPECT_EQ(M.CountOf("drBaseRotate"), 2u);
    EXPECT_EQ(M.Depth(), 0);

    // A set whose second row is 0 (the product's) has no pillar; the ejector pin no documents.
    M.ClearJournal();
    TBackEjector alone(IdB, &M, TConstruktor::Empty(), 0);
    alone.dr3D_Opora();
    alone.dr2D_Opora();
    alone.dr2D_Opora_V1(0, 0, 0, 1, 8, 4, 6, 30, 1, true);
    TEjectorPin pin(IdB, &M, TConstruktor::Empty());
    pin.dr2D();
    pin.dr3D(0);
    EXPECT_TRUE(M.Calls.empty());
}

TEST_F(TMouldEjectorsTest, PillarOutlineDimensionsAndSheet)
{
    Model.Present(IdP, 51);
    B.dr2D_Opora();
    EXPECT_EQ(M.Texts().front(), "drLeafStampView1(" + std::to_string(IdP) + ", 0, 0, -5, true)");
    const TTexts lines = Lines(M);
    EXPECT_EQ(TTexts(lines.begin(), lines.begin() + 4),
              (TTexts{"-3 0 33 0 3", "0 0 0 8 1", "0 8 6 8 1", "6 8 6 0 -1"}));
    EXPECT_EQ(M.CountOf("drArc"), 4u + 2u); // the undercut's corners, both halves and enlarged
    EXPECT_EQ(
        Calls(M, {"drCircleShelf", "drDimL", "drRough"}),
        (TTexts{"drCircleShelf(7, 2, 4, 10, 16, \"A\")",
                "drDimL(30, \"\", 0, -34, 0, 0, 0, 0, 30, -4, 1, 0, 0, -8, 1, 0, \"\", \"h6\", \"\")",
                "drDimL(6, \"\", 0, -22, 1, 0, 0, 0, 0, -8, 1, 1, 6, -8, 1, 0, \"\", \"h6\", \"\")",
                "drRough(6, -13, 0, 0, \"1,6\", \"\", \"\")", "drRough(23, 4, 90, 0, \"0,8\", \"\", \"\")",
                "drDimL(8, \"\", 20, 0, -1, 0, 0, 0, 30, -4, 1, 0, 30, 4, 1, 0, \"&02\", \"h6\", \"\")",
                "drRough(30, -19, 0, 0, \"0,2\", \"\", \"\")",
                "drDimL(16, \"\", -10, 0, 1, 0, 0, 0, 0, 8, 1, 0, 0, -8, 1, 0, \"&02\", \"h14\", \"\")"}));
    EXPECT_EQ(Calls(M, {"drText", "drStringObj"}),
              (TTexts{"drText(1, 2.5, 0, 6, 1, 75, \"A(   4.00:1)\")",
                      "drStringObj(" + Q(" $*;$ Размеры для справок") + ")"}));
    EXPECT_EQ(M.Depth(), 0);
    // The part's sketch, turned half round: the closed upper half, no edge lines, no sizes.
    M.ClearJournal();
    B.dr3D_Opora();
    EXPECT_TRUE(M.OutlineClosed());
    EXPECT_EQ(M.LinesInStyle(-1), 0u);
    EXPECT_EQ(M.CountOf("drArc"), 2u);
    EXPECT_EQ(M.CountOf("drDimL") + M.CountOf("drRough"), 0u);
}

TEST_F(TMouldEjectorsTest, RetractionPinOutlineDimensionsAndGrip)
{
    Model.Present(IdR, 60);
    P.dr2D();
    EXPECT_EQ(M.Texts().front(), "drLeafStampView1(" + std::to_string(IdR) + ", 0, 0, -7, true)");
    const TTexts lines = Lines(M);
    EXPECT_EQ(TTexts(lines.begin(), lines.begin() + 9),
              (TTexts{"-2 0 47.4 0 3", "0 0 0 7 1", "0 7 6 7 1", "6 7 6 4 1", "6 4 6 0 -1", "6 4 20 4 1",
                      "20 4 20 0 -1", "20 4 40 4 1", "40 4 40 0 -1"}));
    // The tip's flank runs into its sphere of radius 1, which ends at the overall length 45.4;
    // nothing closes the outline.
    EXPECT_EQ(lines[13], "43.5 2 44.50559028 0.9944097209 1");
    EXPECT_EQ(Calls(M, {"drArc"})[2], "drArc(44.4, 0, 1, 44.50559028, 0.9944097209, 45.4, 0, -1, 1)");
    EXPECT_EQ(M.LinesInStyle(-1), 3u);
    EXPECT_EQ(Calls(M, {"drCircleShelf", "drDimVL", "drDimHL"}),
              (TTexts{"drCircleShelf(42.25, 0, 3.25, 53.25, -20, \"A\")",
                      "drDimVL(14, -15, -1, 0, -7, 0, 7, \"&02\", \"h14\", \"\")",
                      "drDimVL(8, 0, -1, 17, -4, 17, 4, \"&02\", \"h6\", \"\")",
                      "drDimVL(8, 25, -1, 40, -4, 40, 4, \"&02\", \"f7\", \"\")",
                      "drDimHL(6, -10, 1, 0, -7, 6, -7, \"\", \"h9\", \"\")",
                      "drDimHL(20, -35, 1, 0, -7, 20, -4, \"\", \"b12\", \"\")",
                      "drDimHL(40, -47, 1, 0, -7, 40, -4, \"\", \"h7\", \"\")",
                      "drDimHL(45.4, -62, 1, 0, -7, 45.4, 0, \"\", \"h12\", \"\")",
                      "drDimHL(5.5, -25, -5, 0, -4, 5.5, 0, \"\", \"\", \"\")",
                      "drDimVL(2, -8, 15, 0, -1, 0, 1, \"&02\", \"\", \"\")"}));
    EXPECT_EQ(
        Calls(M, {"drRough"}),
        (TTexts{"drRough(-8, 7, 90, 0, \"6,3\", \"\", \"\")", "drRough(21, 4, 90, 0, \"0,8\", \"\", \"\")",
                "drRough(38, 4, 90, 0, \"0,4\", \"\", \"\")", "drRough(0, -39, 180, 0, \"1,6\", \"\", \"\")",
                "drRough(6, -12, 0, 0, \"1,6\", \"\", \"\")"}));
    // The grip at 4:1: its two angles, the ridge's and neck's fillet centres, the sphere.
    EXPECT_EQ(
        Calls(M, {"drDimA", "drDimR", "drText"}),
        (TTexts{"drDimA(90, 1, -45, 10, 45, 1, 15, 5, 2.25, 3.25, 1, 0, 2.25, -3.25, 1, 0, \"\", 5.5, 0)",
                "drDimA(90, -1, 225, 26, -45, -1, 155, 3, 2.25, 3.25, 1, 0, 2.25, -3.25, 1, 0, \"\", -1, 0)",
                "drDimR(1, \"\", 45, 10, 15, 1, 2.25, 1.835786438, 1, 0, \"R\", \"\", \"\")",
                "drDimR(1, \"\", 45, 10, 15, 1, 3.5, 0, 1, 0, " + Q("Сфера R") + ", \"\", \"\")",
                "drDimR(0.5, \"\", 215, 13, 15, -1, 0.5, 2.205, 1, 0, \"R\", \"\", \"\")",
                "drText(0, 7, 0, 7, 1, 75, \"A(4:1)\")"}));
    EXPECT_EQ(M.CountOf("drArc"), 3u + 5u); // neck, ridge, tip; both sides of the grip and the sphere
    EXPECT_EQ(Calls(M, {"drStringObj"}),
              (TTexts{"drStringObj(" + Q("1. $*;$ Размеры для справок") + ")",
                      "drStringObj(" + Q("2. Покрытие поверхности шероховатостью  0,2 - X12тв.") + ")"}));
    EXPECT_EQ(M.Depth(), 0);

    // The part's sketch: closed, whatever Len; a shank under 1.5 keeps the neck sharp.
    M.ClearJournal();
    P.dr3D(0);
    const TTexts part = M.Texts();
    EXPECT_TRUE(M.OutlineClosed());
    EXPECT_EQ(M.LinesInStyle(-1), 0u);
    M.ClearJournal();
    P.Len = 1000;
    P.dr3D(0);
    EXPECT_EQ(M.Texts(), part);
    M.ClearJournal();
    P.Radius = 1.2;
    P.dr2D_V1(0, 0, 0, 1, 0, false);
    EXPECT_EQ(M.CountOf("drArc"), 2u);
}

} // namespace
