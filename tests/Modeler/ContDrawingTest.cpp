// Outline scripts drawn into a recording modeller: node kinds under the flag and the line
// style, mirrored passes, the two-digit block code, sharp corners, conditional chains; and a
// marked circle through the facade into a drawing.

#include "ContDrawing.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "../Facade/FacadeFixture.h"
#include "HostSvg.h"
#include "RecordingModeler.h"

namespace {

using Calls = std::vector<std::string>;

class TContDrawingTest : public ::testing::Test {
protected:
    TRecordingModeler M;
    TContDrawing C{M};

    // The target points of a chain, in order.
    static std::vector<Real> Xs(const TContDrawing::TNode* n)
    {
        std::vector<Real> xs;
        for (; n != nullptr; n = n->NextNode)
            xs.push_back(n->X);
        return xs;
    }
};

} // namespace

TEST_F(TContDrawingTest, FlagChoosesTheLinesAndStylesFollowTheStyleNodes)
{
    C.Make(0, 0,
           dTL(13, dP(1, 0, dTL(0, dPt0(2, 0, dPt1(3, 0, dPx(4, 5, dPnm(9, 9, dPM(5, 5, nullptr)))))))));
    EXPECT_EQ(C.Drawing->NextNode->R, 3);
    C.dr2D(0);
    EXPECT_EQ(M.Texts(), (Calls{"drLine(0, 0, 1, 0, 3)", "drLine(1, 0, 2, 0, 1)", "drLine(3, 0, 4, 5, 1)"}));
    EXPECT_EQ(C.SX, 5);
    M.ClearJournal();
    C.dr2D(1);
    EXPECT_EQ(M.Texts(), (Calls{"drLine(0, 0, 1, 0, 3)", "drLine(2, 0, 3, 0, 1)", "drLine(3, 0, 4, 5, 1)",
                                "drLine(4, 5, 4, 0, -1)", "drLine(4, 5, 9, 9, -1)"}));
}

TEST_F(TContDrawingTest, MirroredPassesNegateYAndTurnArcsTheOtherWay)
{
    C.Make(10, 0, dA(0, 0, 10, 0, 10, dP(0, 20, nullptr)));
    C.drContBlock(31, true, true, false);
    EXPECT_EQ(M.Texts(), (Calls{"drArc(0, 0, 10, 10, 0, 0, -10, -1, 1)", "drLine(0, -10, 0, -20, 1)",
                                "drArc(0, 0, 10, 10, 0, 0, 10, 1, 1)", "drLine(0, 10, 0, 20, 1)"}));
    M.ClearJournal();
    C.drContBlock(20, false, false, false);
    EXPECT_EQ(M.Names(), (Calls{"drArc", "drLine"}));
    M.ClearJournal();
    C.drContBlock(31, false, false, true);
    EXPECT_TRUE(M.Calls.empty());
    ASSERT_NE(C.Drawing, nullptr); // drawing does not use the chain up
}

TEST_F(TContDrawingTest, CornersAreRoundedOnlyWhenTheRadiusFitsBothLegs)
{
    C.Make(0, 0, dCLL(10, 0, 10, 3, 4, dFsk(20, 3, 20, 10, 1, nullptr)));
    C.dr2D(2);
    EXPECT_EQ(M.Texts(),
              (Calls{"drLine(0, 0, 10, 0, 2)", "drLine(10, 0, 10, 3, 2)", "drLine(10, 3, 19, 3, 2)",
                     "drLine(19, 3, 20, 4, 2)", "drLine(20, 4, 20, 10, 2)"}));
    M.ClearJournal();
    C.Make(0, 0, dCLL(10, 0, 10, 10, 2, nullptr));
    C.dr2D(1);
    EXPECT_EQ(M.Names(), (Calls{"drLine", "drArc", "drLine"}));
}

TEST_F(TContDrawingTest, ConditionalChainsKeepTheChosenBranchBeforeTheRest)
{
    TContDrawing::TNode* chain = dMacroIf(false, dP(1, 0, dP(2, 0, nullptr)), dP(9, 0, nullptr));
    EXPECT_EQ(Xs(chain), std::vector<Real>{9});
    chain = dMacroIf(true, dP(1, 0, nullptr), chain);
    EXPECT_EQ(Xs(chain), (std::vector<Real>{1, 9}));
    chain = dMacroIfE(true, dP(3, 0, nullptr), dP(4, 0, nullptr), chain);
    EXPECT_EQ(Xs(chain), (std::vector<Real>{3, 1, 9}));
    chain = dMacroIfE(false, dP(5, 0, nullptr), dP(6, 0, dP(7, 0, nullptr)), chain);
    EXPECT_EQ(Xs(chain), (std::vector<Real>{6, 7, 3, 1, 9}));
    TContDrawing owner(M, chain); // frees it
}

// The facade keeps the modeller's own hatch, which only collects the sector's outline; the
// collector is closed again, so what follows reaches the drawing.
class TContDrawingFacadeTest : public TDrawingFacadeFixture {};

TEST_F(TContDrawingFacadeTest, MarkedCircleHatchesItsSectorAndEndsTheHatch)
{
    drApi::MA.drCircleAxleMark(50, 50, 10, 1, 0, 90);
    EXPECT_EQ(drApi::MA.OutputContour(), nullptr);
    EXPECT_EQ(R2().HatchContour->Count, 0);
    drApi::MA.drLine(0, 0, 5, 0, 1); // after the hatch, not one of its boundaries
    EXPECT_EQ(Kinds(),
              (std::vector<int>{tvapi::tvDrCircle, tvapi::tvDrLineSeg, tvapi::tvDrLineSeg, tvapi::tvDrHatch,
                                tvapi::tvDrLineSeg, tvapi::tvDrArc, tvapi::tvDrLineSeg, tvapi::tvDrLineSeg}));
    const auto& drawn = Drawing().ActiveView().Children();
    EXPECT_EQ(dynamic_cast<tvhost::TDrawingCore&>(*drawn.at(3)).Boundaries(),
              tvapi::DrawingObjectList(drawn.begin() + 4, drawn.begin() + 7));
    std::string svg, error;
    ASSERT_TRUE(tvhost::DrawingSvg(Drawing(), svg, error)) << error;
    EXPECT_NE(svg.find("<circle"), std::string::npos);
}
