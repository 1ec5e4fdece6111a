// The composite drawing operations of TModeler2D, checked against a recording modeller: the
// primitives each one asks for, in order, with worked coordinates.

#include "drModeler.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "Contour.h"
#include "Dimension3D.h"
#include "RecordingModeler.h"

namespace {

using Calls = std::vector<std::string>;

class TModeler2DCompositeTest : public ::testing::Test {
protected:
    TRecordingModeler M;
};

} // namespace

TEST_F(TModeler2DCompositeTest, RectangleWithAxesKeepsItsAxesWhenOnlySizesAreKept)
{
    M.drRectAngleAxle(0, 0, 10, 4, 1);
    EXPECT_EQ(M.Texts(),
              (Calls{"drLine(0, 0, 0, 4, 1)", "drLine(0, 4, 10, 4, 1)", "drLine(10, 4, 10, 0, 1)",
                     "drLine(10, 0, 0, 0, 1)", "drLine(-3, 2, 13, 2, 3)", "drLine(5, -3, 5, 7, 3)"}));
    M.ClearJournal();
    M.SetOnlySizes2D(true);
    M.drRectAngleAxle(0, 0, 10, 4, 1);
    EXPECT_EQ(M.Texts(), (Calls{"drLine(-3, 2, 13, 2, 3)", "drLine(5, -3, 5, 7, 3)"}));
    EXPECT_TRUE(M.IsOnlySizes2D()); // restored after the axes
    M.ClearJournal();
    M.drRectAngleAxle(0, 0, 0, 4, 1);
    EXPECT_TRUE(M.Calls.empty());
}

TEST_F(TModeler2DCompositeTest, RoundedRectangleDrawsFourSidesFourArcsAndItsAxes)
{
    M.drRectAngleAxleConnest(0, 0, 10, 4, 5, 1); // radius above a side: nothing at all
    M.drRectAngleAxleConnest(0, 0, 10, 4, 1, 0); // style 0: nothing at all
    EXPECT_TRUE(M.Calls.empty());
    M.drRectAngleAxleConnest(0, 0, 10, 4, 1, 1);
    ASSERT_EQ(M.Calls.size(), 10u);
    EXPECT_EQ(M.Texts()[4], "drArc(1, 1, 1, 1, 0, 0, 1, -1, 1)");
    EXPECT_EQ(M.Texts()[7], "drArc(9, 1, 1, 10, 1, 9, 0, -1, 1)");
    EXPECT_EQ(M.CountOf("drLine"), 6u);
}

TEST_F(TModeler2DCompositeTest, ChamferedRectangleDrawsEightLinesThenAxes)
{
    M.drRectAngleAxleFaska(0, 0, 10, 4, 1, 0);
    ASSERT_EQ(M.Calls.size(), 10u);
    EXPECT_EQ(M.Texts()[4], "drLine(0, 1, 1, 0, 0)"); // style 0 is passed on
    EXPECT_EQ(M.Texts()[7], "drLine(1, 4, 0, 3, 0)");
}

TEST_F(TModeler2DCompositeTest, CircleAxesAndThreadsFollowTheirStyle)
{
    M.drCircleAxle(0, 0, 5, 0);
    EXPECT_EQ(M.Texts(), (Calls{"drCircle(0, 0, 5, 1)"}));
    M.ClearJournal();
    M.drCircleAxle(0, 0, 5, 2);
    EXPECT_EQ(M.Texts(), (Calls{"drCircle(0, 0, 5, 2)", "drLine(-7, 0, 7, 0, 3)", "drLine(0, -7, 0, 7, 3)"}));
    M.ClearJournal();
    M.drCircleRizba(0, 0, 5, 1);
    EXPECT_EQ(M.Texts(), (Calls{"drCircle(0, 0, 4, 1)", "drArc(0, 0, 5, -5, 0, 0, 5, 1, 2)"}));
    M.ClearJournal();
    M.drCircleAxleRizba(0, 0, 5, 1);
    EXPECT_EQ(M.Texts()[1], "drArc(0, 0, 5, -5, 0, 0, 6, 1, 2)");
    EXPECT_EQ(M.Calls.size(), 4u);
}

TEST_F(TModeler2DCompositeTest, ChamferCutsTheCornerAxisByAxis)
{
    M.drFsk(0, 0, 10, 0, 10, 10, 2, 1);
    EXPECT_EQ(M.Texts(),
              (Calls{"drLine(0, 0, 8, 0, 1)", "drLine(8, 0, 10, 2, 1)", "drLine(10, 2, 10, 10, 1)"}));
}

TEST_F(TModeler2DCompositeTest, DimensionShortcutsScaleTheirOffsetAndPlaceTheText)
{
    M.drDimHL(20, 0, 3.7, 0, 0, 20, 0, "", "", "");
    M.drDimVL(40, 0, 3.7, 0, 0, 0, 40, "", "", "");
    M.drDimHL(1e-7, 5, 0, 0, 0, 1, 0, "", "", ""); // no value: nothing
    M.drMtr(0, 0, 0, 2);
    M.drDimVL1(10, 8, 2, 0, 0, 0, 10, "", "", "");
    M.drDeleteMtr();
    EXPECT_EQ(M.Texts(), (Calls{R"(drDimL(20, "", 0, 0.1, 3, 0, 0, 0, 0, 0, 1, 0, 20, 0, 1, 0, "", "", ""))",
                                R"(drDimL(40, "", 0, 0, 0, 0, 0, 0, 0, 0, 1, 0, 0, 40, 1, 0, "", "", ""))",
                                R"(drDimL(10, "", 4, 0, 2, 0, 0, 0, 0, 0, 1, 0, 0, 10, 0, 1, "", "", ""))"}));
}

TEST_F(TModeler2DCompositeTest, ArcAngleAndRadiusShortcutsPassTheirWorkedValues)
{
    M.drDimApc(-90, 90, 30, 20, "", 0, 0);
    ASSERT_EQ(M.Calls.size(), 1u);
    EXPECT_EQ(M.Calls[0].Name, "drDimA");
    EXPECT_EQ(M.Calls[0].Args[0], "90");   // absolute value
    EXPECT_EQ(M.Calls[0].Args[1], "1");    // direction +1 for a negative angle
    EXPECT_EQ(M.Calls[0].Args[12], "-20"); // the second point at 90 - (-90) = 180 degrees
    EXPECT_EQ(M.Calls[0].Args[9], "20");   // the first at 90 degrees: (0, 20)
    M.ClearJournal();
    M.drDimRpp(10, 2, 30, 0, 0, 0, 1, "", "", "");
    EXPECT_EQ(M.Texts(), (Calls{R"(drDimR(10, "", 0, -30, 2, 1, 20, 0, 1, 1, "", "", ""))"}));
    M.ClearJournal();
    M.drDimRpp(10, 2, 5, 5, 5, 5, 1, "", "", ""); // no direction: nothing
    EXPECT_TRUE(M.Calls.empty());
}

TEST_F(TModeler2DCompositeTest, LeaderOnACircleStartsWhereTheLineLeavesIt)
{
    M.drCircleShelf(0, 0, 5, 3, 4, "1"); // the shelf inside the circle: nothing
    EXPECT_TRUE(M.Calls.empty());
    M.drCircleShelf(0, 0, 5, 30, 40, "1");
    EXPECT_EQ(M.Names(), (std::vector<std::string>{"drCircle", "drShelf", "drPoint", "drEndObj"}));
    EXPECT_EQ(M.Texts()[2], "drPoint(3, 4)");
}

TEST_F(TModeler2DCompositeTest, ClosingTheSheetNumbersRequirementsAndStopsInAContour)
{
    M.drCloseViewTDemCloseLeaf("a", "", "c", "");
    EXPECT_EQ(M.Texts(), (Calls{"drCloseView()", "drOpenTDem()", R"(drStringObj("a"))",
                                R"(drStringObj("3.c"))", "drCloseTDem()", "drCloseLeaf()"}));
    M.ClearJournal();
    TContour c;
    M.SetOutput(&c);
    M.drCloseViewTDemCloseLeaf("a", "b", "", "");
    M.SetOutput(nullptr);
    EXPECT_EQ(M.Texts(), (Calls{"drCloseView()"}));
}

TEST_F(TModeler2DCompositeTest, DiameterWithRoughnessPutsTheSignOnItsLine)
{
    M.drDimDRough(20, "", 90, 5, 1, 0, 0, 0, "", "", "", "Ra 3,2");
    ASSERT_EQ(M.Names(), (std::vector<std::string>{"drDimD", "drRough"}));
    EXPECT_EQ(M.Calls[1].Args[1], "13"); // 20/2 + 5 - 2 up the line at 90 degrees
    EXPECT_EQ(M.Calls[1].Args[2], "0");  // angle FBase - 90
    M.ClearJournal();
    M.drDimDRough(0, "", 90, 5, 1, 0, 0, 0, "", "", "", "Ra 3,2");
    EXPECT_TRUE(M.Calls.empty());
}

TEST_F(TModeler2DCompositeTest, RoundedCornerJoinsTwoSegmentsByATangentArc)
{
    // A left turn at (10, 0) towards (10, 10), radius 2: feet (8, 0) and (10, 2), centre (8, 2).
    M.drCLL(0, 0, 10, 0, 10, 0, 10, 10, 2, 1);
    EXPECT_EQ(M.Texts(), (Calls{"drLine(0, 0, 8, 0, 1)", "drArc(8, 2, 2, 8, 0, 10, 2, 1, 1)",
                                "drLine(10, 2, 10, 10, 1)"}));
    EXPECT_FALSE(M.R2->Constraint2D.ActiveConnest); // tangency only for the corner's own curves
    M.ClearJournal();
    M.drCLL(0, 0, 10, 0, 10, 0, 20, 0, 2, 1); // no corner to round: the two segments as they are
    EXPECT_EQ(M.Texts(), (Calls{"drLine(0, 0, 10, 0, 1)", "drLine(10, 0, 20, 0, 1)"}));
}

TEST_F(TModeler2DCompositeTest, PathWithTwoRoundedCornersTurnsBothWays)
{
    // S (0, 0) -> C1 (10, 0) -> C2 (10, 10) -> P (20, 10): a left turn, then a right turn.
    M.drCVR(0, 0, 10, 0, 10, 10, 20, 10, 1, 2);
    EXPECT_EQ(M.Texts(),
              (Calls{"drLine(0, 0, 9, 0, 2)", "drArc(9, 1, 1, 9, 0, 10, 1, 1, 2)", "drLine(10, 1, 10, 9, 2)",
                     "drArc(11, 9, 1, 10, 9, 11, 10, -1, 2)", "drLine(11, 10, 20, 10, 2)"}));
    M.ClearJournal();
    M.drCVR(0, 0, 10, 0, 20, 0, 30, 0, 1, 2); // straight: the plain path
    EXPECT_EQ(M.Texts(),
              (Calls{"drLine(0, 0, 10, 0, 2)", "drLine(10, 0, 20, 0, 2)", "drLine(20, 0, 30, 0, 2)"}));
    M.ClearJournal();
    M.drCVR(0, 0, 10, 0, 20, 0, 30, 0, 1, 0); // drawn as an outline script: style 0 is its main line
    EXPECT_EQ(M.Texts()[2], "drLine(20, 0, 30, 0, 1)");
}

TEST_F(TModeler2DCompositeTest, MarkedCircleHatchesItsSector)
{
    M.drCircleAxleMark(0, 0, 10, 2, 0, 0); // no sector
    EXPECT_EQ(M.Names(), (Calls{"drCircle", "drLine", "drLine"}));
    M.ClearJournal();
    M.drCircleAxleMark(0, 0, 10, 2, 0, 90);
    EXPECT_EQ(M.Names(),
              (Calls{"drCircle", "drLine", "drLine", "drHatch", "drLine", "drArc", "drLine", "drEndObj"}));
    EXPECT_EQ(M.Texts()[3], "drHatch(0, 45, 0.1)");
    EXPECT_EQ(M.Texts()[4], "drLine(0, 0, 10, 0, 1)"); // centre, out along A1, round counter-clockwise, back
    EXPECT_EQ(M.Calls[5].Args[8], "1");
    EXPECT_EQ(M.Calls[6].Args[0], M.Calls[5].Args[5]); // back from the arc's end
    EXPECT_EQ(M.Calls[6].Args[1], M.Calls[5].Args[6]);
}

// The dimensioned forms leave their sizes in ADimension3D: the rectangle four linear records
// from the axes (only while its geometry is drawn), two corner size points and the overall box.
TEST_F(TModeler2DCompositeTest, DimensionedFormsRegisterTheirSizesForTheLayout)
{
    TADimension3D& L = ADimension3D;
    L.Clear();
    L.ASizePoint.Clear();
    M.R2->DI.cDetail = 7;
    M.drRectAngleAxleDim(2, 1, 12, 5, 1, "", 0, 0);
    ASSERT_EQ(L.Count, 4);
    EXPECT_EQ(L[0].P11, TPoint3D(0, 1, 0));
    EXPECT_EQ(L[0].P12, TPoint3D(2, 1, 0));
    EXPECT_EQ(L[0].AY, TVector3D(0, -1, 0));
    EXPECT_EQ(L[3].P12, TPoint3D(12, 5, 0));
    EXPECT_EQ(L[3].AX, TVector3D(0, 1, 0));
    EXPECT_EQ(L[3].Detail2, TDetailCode(7, 0, 0));
    EXPECT_EQ(L.Origin, TPoint3D(12, 0, 0));
    ASSERT_EQ(L.ASizePoint.Count, 2);
    EXPECT_EQ(L.ASizePoint[0].O, TPoint3D(12, 5, 0));
    EXPECT_STREQ(L.ASizePoint[1].Q.PChar(), "&03~0,2");
    EXPECT_EQ(L.Gabaryt.RU, TPoint2D(12, 5));
    EXPECT_EQ(M.Names(), (Calls{"drLine", "drLine", "drLine", "drLine", "drLine", "drLine"}));

    M.SetOnlySizes2D(true);
    M.drRectAngleAxleDim(0, 0, 4, 4, 1, "", 0, 0);
    EXPECT_EQ(L.Count, 4);
    EXPECT_EQ(L.ASizePoint.Count, 4);
    M.SetOnlySizes2D(false);

    M.drCircleAxleDim(3, 4, 2, 0, "H7"); // style 0: nothing
    M.drCircleAxleDim(3, 4, 2, 1, "H7");
    M.drCircleAxleRizbaDim(5, 6, 3, 1, "");
    ASSERT_EQ(L.ASizePoint.Count, 6);
    EXPECT_EQ(L.ASizePoint[4].O, TPoint3D(3, 4, 0));
    EXPECT_STREQ(L.ASizePoint[4].Q.PChar(), "H7");
    EXPECT_EQ(L.ASizePoint[5].O, TPoint3D(5, 6, 0));
    L.Clear();
    L.ASizePoint.Clear();
}
