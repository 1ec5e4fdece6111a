// What the drawing routines of the components and the fastener toolbox ask the modeller for:
// profiles, dimensions and their texts, titles, part documents and their names, closed revolve
// outlines and a balanced placement stack.

#include <gtest/gtest.h>

#include <functional>

#include "ComponentCatalogue.h"
#include "ComponentRecorder.h"
#include "MathDetailsl.h"
#include "drModelerAPI.h"

namespace {

using TArgs = std::vector<std::string>;

std::string Q(const char* utf8)
{
    return recording::QuotedUtf8(TString(utf8));
}

bool HasLine(const TComponentRecorder& M, const TArgs& ends)
{
    for (const TArgs& a : M.ArgsOf("drLine"))
        if (TArgs(a.begin(), a.begin() + 4) == ends) return true;
    return false;
}

class TComponentDrawingTest : public testing::Test {
protected:
    void SetUp() override { drApi::LibraryControlModel = &Model; }
    void TearDown() override { drApi::LibraryControlModel = nullptr; }

    TComponentRecorder M;
    TCommonGeometry G{M};
    TCatalogueModel Model{"G"};
    TConstruktor& C = TConstruktor::Empty();
};

TEST_F(TComponentDrawingTest, PinPartIsTheRevolvedProfileWithItsDesignation)
{
    TPin p(4, &M, &C);
    p.Radius = 3, p.Len = 20;
    p.dr3D(0);
    const std::vector<std::string> names = M.Names();
    ASSERT_FALSE(names.empty());
    EXPECT_EQ(M.Texts().front(), "drCreate3DNewPartPlane(4, 0, true, 3, 0)");
    EXPECT_TRUE(HasLine(M, {"0", "0", "0", "2"}));   // the end face up to the chamfer
    EXPECT_TRUE(HasLine(M, {"-2", "0", "22", "0"})); // the revolve axis, 2 beyond each end
    EXPECT_TRUE(HasLine(M, {"1", "3", "19", "3"}));  // the cylinder between the chamfers
    EXPECT_EQ(M.Texts()[names.size() - 4], "drBaseRotate(0, 360)");
    EXPECT_EQ(M.Texts()[names.size() - 3], "drColor3D(9474192, 0.8, 0.6, 0.95, 0.95, 1, 0.8)");
    EXPECT_EQ(M.Texts()[names.size() - 2],
              "drSet(" + Q("Штифт    6.00m6*  20.00 ГОСТ 3128-70") + ", \"\", \"\", 25)");
    EXPECT_EQ(M.Texts().back(), "drSave3D(true, false)");

    M.ClearJournal();
    M.BooleanResult = false; // the host refuses the part
    p.dr3D(0);
    EXPECT_EQ(M.Names(), (std::vector<std::string>{"drCreate3DNewPartPlane"}));
}

TEST_F(TComponentDrawingTest, CapScrewPartCutsItsSocketFromTheHeadFace)
{
    TScrew s(5, &M, &C);
    s.Radius = 4, s.HeadRadius = 6.5, s.HeadLen = 8, s.Len = 28;
    s.dr3D(0);
    EXPECT_EQ(M.ArgsOf("drPlaneEskis"), (std::vector<TArgs>{{"1", "8", "0", "\"\""}}));
    // Set from no table row: the M8 socket of the standard, 4 deep; named by the length under the head.
    EXPECT_EQ(M.ArgsOf("drCutExtrusion"), (std::vector<TArgs>{{"1", "0", "4", "0"}}));
    const auto set = M.ArgsOf("drSet");
    ASSERT_EQ(set.size(), 1u);
    EXPECT_EQ(set[0][0], Q("Винт М   8.00*  20.00 ГОСТ7805-70"));
    EXPECT_EQ(set[0][2], Q("SM-0820"));
    // A head lower than the standard's: the socket's drill point stays a quarter of it inside.
    M.ClearJournal();
    s.HeadLen = 4;
    s.dr3D(0);
    EXPECT_EQ(M.ArgsOf("drCutExtrusion"), (std::vector<TArgs>{{"1", "0", "1.267949192", "0"}}));
}

TEST_F(TComponentDrawingTest, EnlargedViewTitleAndDimensions)
{
    G.drCVR_dV(20, 30, 0, 2.0, 3.0, 0.3, 0.5, "A", false);
    EXPECT_EQ(M.ArgsOf("drText"), (std::vector<TArgs>{{"1", "5", "0", "6", "1", "75", Q("A(   2.00:1)")}}));
    EXPECT_EQ(M.CountOf("drDimHL") + M.CountOf("drDimVL") + M.CountOf("drDimApc"), 0u);
    EXPECT_TRUE(HasLine(M, {"3", "1.2", "3", "-1.5"})); // the mating shoulder face, b = 4H
    M.ClearJournal();
    G.drCVR_dV(0, 0, 0, 10.0, 3.0, 0.3, 0.5, "Б", true);
    EXPECT_EQ(M.ArgsOf("drText")[0][6], Q("Б(  10.00:1)"));
    EXPECT_EQ(M.ArgsOf("drDimHL"),
              (std::vector<TArgs>{{"3", "-15", "-10", "0", "0", "3", "0.2", "\"\"", "\"\"", "\"\""}}));
    EXPECT_EQ(M.ArgsOf("drDimVL"),
              (std::vector<TArgs>{{"0.3", "-20", "-1", "0", "0", "0.5", "-0.3", "\"\"", "\"\"", "\"\""}}));
    EXPECT_EQ(M.ArgsOf("drDimApc"), (std::vector<TArgs>{{"45", "180", "22", "0", "\"\"", "0", "0"}}));
    EXPECT_EQ(M.Depth(), 0);
}

TEST_F(TComponentDrawingTest, StopPinSheetHasItsDimensionsMarksAndCallout)
{
    const TDcDetail id = Model.RowOf("stoppin");
    TStopPin s(id, &M, &C);
    s.Radius = 5, s.CollarRadius = 8, s.CollarHeight = 6, s.Len = 30;
    s.dr2D_GrybkovaOpora_V1(id, 0, 0, 0, 1, 8, 5, 6, 30, 2, 1, true);
    EXPECT_TRUE(M.Calls.empty()); // the detail is not present
    Model.Present(id, 30);
    s.dr2D_GrybkovaOpora_V1(id, 0, 0, 0, 1, 8, 5, 6, 30, 2, 0, true);
    EXPECT_EQ(M.CountOf("drCircleShelf"), 0u); // no callout and no mirrored half in a sketch
    EXPECT_TRUE(M.OutlineClosed());
    const auto hl = M.ArgsOf("drDimHL");
    const auto vl = M.ArgsOf("drDimVL");
    ASSERT_EQ(hl.size(), 3u);
    ASSERT_EQ(vl.size(), 2u);
    EXPECT_EQ(hl[0], (TArgs{"30", "-32", "-1", "0", "-6", "30", "-3", "\"\"", "\"h14\"", "\"\""}));
    EXPECT_EQ(hl[1][9], Q("&04~45&01 2 фаски"));
    EXPECT_EQ(hl[2][8], "\"h6\"");
    EXPECT_EQ(vl[0], (TArgs{"16", "-15", "1", "2", "-8", "2", "8", "\"&02\"", "\"h14\"", "\"\""}));
    EXPECT_EQ(vl[1][8], "\"k6\"");
    EXPECT_EQ(M.ArgsOf("drRough"), (std::vector<TArgs>{{"0", "10", "180", "0", "\"0,8\"", "\"\"", "\"\""},
                                                       {"30", "5", "90", "0", "\"0,8\"", "\"\"", "\"\""},
                                                       {"6", "33", "0", "0", "\"0,8\"", "\"\"", "\"\""}}));
    M.ClearJournal();
    s.dr2D();
    EXPECT_EQ(M.Texts().front(), "drLeafStampView1(" + std::to_string(id) + ", 0, 0, -8, true)");
    EXPECT_EQ(M.ArgsOf("drCircleShelf"), (std::vector<TArgs>{{"7.5", "5", "3", "30", "16", "\"A\""}}));
    EXPECT_EQ(M.ArgsOf("drText").at(0).at(6), Q("A(   2.00:1)"));
    EXPECT_EQ(M.Depth(), 0);
    M.ClearJournal();
    s.dr3D(0);
    EXPECT_EQ(M.Texts().back(), "drClose3D(true, 0)");
}

TEST_F(TComponentDrawingTest, FastenerToolboxNumbers)
{
    G.dr2D_Bolt7805_V1(0, 0, 0, 1, 3.99, 30, 15, 5, 13, 1, false, 0);
    EXPECT_TRUE(HasLine(M, {"29", "3.99", "30", "2.99"}));                  // chamfer 1.0
    EXPECT_TRUE(HasLine(M, {"-5", "6.175", "-4.33472325", "7.505553499"})); // a = 6.175, E = 7.5056
    M.ClearJournal();
    G.dr2D_Bolt7805_V1(0, 0, 0, 1, 4, 30, 15, 5, 13, 1, false, 0);
    EXPECT_TRUE(HasLine(M, {"28.5", "4", "30", "2.5"})); // chamfer 1.5
    M.ClearJournal();
    G.dr2D_Vynt1491_V1(0, 0, 0, 1, 3, 20, 10, 1, false);
    EXPECT_TRUE(HasLine(M, {"-4", "5", "0", "5"}));  // k 4, Rh 5
    EXPECT_TRUE(HasLine(M, {"-2", "0", "-2", "1"})); // the slot, k/2 deep
    M.ClearJournal();
    G.dr2D_Vynt1491_V1(0, 0, 0, 1, 3, 20, 10, 0, false);
    EXPECT_FALSE(HasLine(M, {"-2", "0", "-2", "1"})); // no slot in a revolve sketch
    EXPECT_TRUE(M.OutlineClosed());
    M.ClearJournal();
    G.dr2D_Bolt11738_V1(0, 0, 0, 1, 4, 40, 20, 1, false);
    EXPECT_TRUE(HasLine(M, {"-8", "0", "-8", "6"})); // HL 8, HR 6
    EXPECT_TRUE(HasLine(M, {"-8", "6", "0", "6"}));
    M.ClearJournal();
    G.dr2D_Bolt11738_V1(0, 0, 0, 1, 4, 0, 20, 1, false);
    EXPECT_TRUE(M.Calls.empty());
    G.dr2D_Gajka_V1(0, 0, 0, 1, 4, 1, false);
    EXPECT_TRUE(HasLine(M, {"0", "0", "0", "3.5"}));  // s 3.5
    EXPECT_TRUE(HasLine(M, {"0", "7", "6.4", "7"}));  // R 7, h 6.4
    EXPECT_TRUE(HasLine(M, {"-2", "0", "8.4", "0"})); // its axis
    M.ClearJournal();
    G.dr2D_Nut_V3(0, 0, 0, 1, 8, 13, 6.5, 0, false);
    EXPECT_EQ(M.Names(), std::vector<std::string>(6, "drLine"));
    M.ClearJournal();
    G.dr2D_Nut_V3(0, 0, 0, 1, 8, 13, 6.5, 1, false);
    EXPECT_EQ(M.ArgsOf("drCircle").at(0).at(2), "6.505553499"); // E - 1.0
    M.ClearJournal();
    G.dr2D_Washer_V2(0, 0, 0, 1, 0, 16, 2, 13, false);
    EXPECT_EQ(M.LinesInStyle(3), 7u); // axis, three outline lines and the three of the mark
}

TEST_F(TComponentDrawingTest, ToolboxPartsCarryTheirNamesAndFeatures)
{
    G.dr3D_ScrewGost11738("b.qpt", "n", "m", 8, 13, 6, 8, 4, 40, 20, 0.4);
    const auto set = M.ArgsOf("drSet");
    ASSERT_EQ(set.size(), 1u);
    EXPECT_EQ(set[0][0], Q("Болт 11738 М      8*   40.0"));
    EXPECT_EQ(set[0][1], Q("Болт "));
    EXPECT_EQ(M.ArgsOf("drCutExtrusion"), (std::vector<TArgs>{{"1", "0", "4", "0"}}));
    M.ClearJournal();
    G.dr3D_Nut(10.9, 16, 8, "n.qpt");
    EXPECT_EQ(M.ArgsOf("drCreate3D").at(0), (TArgs{"true", "true", "\"n.qpt\"", Q("Гайка M10"), Q("Гайка")}));
    EXPECT_EQ(M.ArgsOf("drCutExtrusion"), (std::vector<TArgs>{{"0", "0", "21.8", "0"}}));
    EXPECT_EQ(M.Texts().back(), "drSave3D(true, true)");
    M.ClearJournal();
    G.dr3D_Washer(8.4, 16, 2.5, "w.qpt", false);
    EXPECT_EQ(M.ArgsOf("drCreate3D").at(0).at(3), Q("Шайба-2"));
    EXPECT_EQ(M.ArgsOf("drPlaneEskis").back(), (TArgs{"2", "16", "0", "\"\""}));
    EXPECT_EQ(M.CountOf("drCutExtrusion"), 0u);
    M.ClearJournal();
    G.dr3D_Washer(8.4, 16, 2.5, "w.qpt", true);
    EXPECT_EQ(M.ArgsOf("drCutExtrusion"), (std::vector<TArgs>{{"0", "0", "16", "0"}}));
    M.ClearJournal();
    G.dr3D_Shajba("s.qpt", "n", "m", 12, 5.5, 3, 0.2);
    for (const TArgs& ends : {TArgs{"0", "5.5", "0", "11.8"}, TArgs{"0.2", "12", "2.8", "12"},
                              TArgs{"3", "11.8", "3", "5.5"}, TArgs{"3", "5.5", "0", "5.5"}})
        EXPECT_TRUE(HasLine(M, ends)) << ends[0] << " " << ends[1];
    EXPECT_TRUE(M.OutlineClosed());
    EXPECT_EQ(M.ArgsOf("drSet").at(0).at(0), Q("Шайба      12*    3.0"));
}

// Every routine leaves the placement stack as it found it, and the outlines a part revolves
// are closed in a sketch.
TEST_F(TComponentDrawingTest, RoutinesBalanceTheirPlacementsAndCloseTheirSketches)
{
    TStopPin stop(0, &M, &C);
    const std::vector<std::pair<const char*, std::function<void(Integer)>>> routines = {
        {"Shtift", [&](Integer tl) { G.dr2D_Shtift_V1(5, 5, 30, 1, 3, 20, tl, true, 1); }},
        {"SocketHeadCapScrew",
         [&](Integer tl) {
             G.dr2D_SocketHeadCapScrew_V1(0, 0, 0, 1, 4, 6.5, 3.9, 8, 4.8, 28, 20, 0.25, tl, true);
         }},
        {"GrybkovaOpora",
         [&](Integer tl) { stop.dr2D_GrybkovaOpora_V1(0, 0, 0, 0, 1, 8, 5, 6, 30, 2, tl, false); }},
        {"Bolt7805", [&](Integer tl) { G.dr2D_Bolt7805_V1(0, 0, 0, 1, 4, 30, 15, 5, 13, tl, false, 0); }},
        {"Screw", [&](Integer tl) { G.dr2D_Screw_V1(0, 0, 0, 1, 8, 30, 15, 13, 5.3, tl, false); }},
        {"Vynt1491", [&](Integer tl) { G.dr2D_Vynt1491_V1(0, 0, 0, 1, 3, 20, 10, tl, false); }},
        {"Nut_V1", [&](Integer tl) { G.dr2D_Nut_V1(0, 0, 0, 1, 8, 13, 6.5, tl, false); }},
        {"Nut_V2", [&](Integer tl) { G.dr2D_Nut_V2(0, 0, 0, 1, 8, 13, 6.5, tl, false); }},
        {"Washer_V1", [&](Integer tl) { G.dr2D_Washer_V1(0, 0, 0, 1, 8.4, 16, 2, tl, false); }},
        {"Washer_V2", [&](Integer tl) { G.dr2D_Washer_V2(0, 0, 0, 1, 8.4, 16, 2, tl, false); }},
    };
    // Routines whose outlines are no revolve sketch: only the placements are checked.
    const std::vector<std::pair<const char*, std::function<void(Integer)>>> views = {
        {"Bolt11738", [&](Integer tl) { G.dr2D_Bolt11738_V1(0, 0, 0, 1, 4, 40, 20, tl, false); }},
        {"Gajka", [&](Integer tl) { G.dr2D_Gajka_V1(0, 0, 0, 1, 4, tl, false); }},
        {"Nut_V3", [&](Integer tl) { G.dr2D_Nut_V3(0, 0, 0, 1, 8, 13, 6.5, tl, false); }},
        {"Washer_V11", [&](Integer tl) { G.dr2D_Washer_V11(0, 0, 0, 1, 8, 0, 2, tl, false); }},
        {"CVR_dV", [&](Integer tl) { G.drCVR_dV(0, 0, 0, 2, 3, 0.3, 0.5, "A", tl != 0); }},
    };
    M.drMtr(1, 2, 0, 1); // an enclosing placement stays where it was
    for (const auto& [name, draw] : views)
        for (Integer tl : {0, 31}) {
            SCOPED_TRACE(std::string(name) + " tl " + std::to_string(tl));
            M.ClearJournal();
            draw(tl);
            EXPECT_EQ(M.Depth(), 1);
            EXPECT_FALSE(M.Calls.empty());
        }
    for (const auto& [name, draw] : routines)
        for (Integer tl : {0, 1, 31}) {
            SCOPED_TRACE(std::string(name) + " tl " + std::to_string(tl));
            M.ClearJournal();
            draw(tl);
            EXPECT_EQ(M.Depth(), 1);
            EXPECT_FALSE(M.Calls.empty());
            if (tl == 0) {
                EXPECT_TRUE(M.OutlineClosed());
            }
        }
    M.drDeleteMtr();
}

TEST_F(TComponentDrawingTest, ScrewProfileHalvesAndTheThreadUnderAShortHead)
{
    G.dr2D_SocketHeadCapScrew_V1(0, 0, 0, 1, 4, 6.5, 3.9, 8, 4.8, 28, 20, 0.25, 0, false);
    const std::size_t half = M.CountOf("drLine");
    EXPECT_TRUE(HasLine(M, {"-3", "0", "31", "0"})); // the axis, 3 beyond both ends
    EXPECT_TRUE(M.OutlineClosed());
    // The thread of 20 on a shank of 20 would start under the head: it starts 1 mm past it.
    EXPECT_TRUE(HasLine(M, {"9", "4", "27", "4"}));
    M.ClearJournal();
    G.dr2D_SocketHeadCapScrew_V1(0, 0, 0, 1, 4, 6.5, 3.9, 8, 40, 40, 20, 0.25, 1, false);
    EXPECT_TRUE(HasLine(M, {"19", "4", "20", "4"})); // a long screw keeps its thread length
    EXPECT_GT(M.CountOf("drLine"), half);            // both halves
}

} // namespace
