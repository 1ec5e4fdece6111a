// Position leaders: the components are sorted by direction from the view's centre and their
// shelves laid out up the right side, along the top and down the left side, 15 apart; those
// without a leader point get only their specification row.

#include "TPositionDetails.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "FacadeFixture.h"
#include "RecordingModeler.h"
#include "TControlModel.h"

namespace {

constexpr Real NoPos = -1e6;

class TPositionDetailsTest : public TFacadeFixture {
protected:
    TControlModel::dcDetail Rows[4] = {{0, "Сборка", 0, 0, 1, nullptr, {}},
                                       {1, "Плита", 1, 0, 1, nullptr, {}},
                                       {2, "Втулка", 2, 0, 1, nullptr, {}},
                                       {3, "Винт", 3, 0, 1, nullptr, {}}};
    TControlModel CM{"DimChain.dss", "DimChain.chm"};
    TRecordingModeler M;

    void SetUp() override
    {
        TFacadeFixture::SetUp();
        CM.SetDetails(Rows, 4);
        CM.prFileName = TString("M");
        CM.SetExistDet(1, 11);
        CM.SetExistDet(2, 12);
        CM.SetExistDet(3, 13);
    }
    // The shelves drawn, as "x y number".
    std::vector<std::string> Shelves() const
    {
        std::vector<std::string> out;
        for (const TRecordedCall& c : M.Calls)
            if (c.Name == "drShelf") out.push_back(c.Args[1] + " " + c.Args[2] + " " + c.Args[8]);
        return out;
    }
};

} // namespace

TEST_F(TPositionDetailsTest, KnownComponentsToTheRightStackUpwardsFifteenApart)
{
    TPositionDetails P(M, CM, NoPos);
    P.Add(10, 0.2, 1, 0, 1, Quor::tDetail);
    P.Add(10, 0.0, 2, 0, 2, Quor::tDetail);
    P.Add(10, 0.1, 3, 0, 4, Quor::tStandart);
    P.Add(10, 0.3, 99, 0, 1, Quor::tDetail); // not in the table
    ASSERT_EQ(P.Count, 3);
    EXPECT_EQ(P[1].Number, 12);
    P.drDetailsPos(0, 0, -50, 50, 40, 0);
    EXPECT_EQ(Shelves(), (std::vector<std::string>{R"(50 0 "12")", R"(50 15 "13")", R"(50 30 "11")"}));
    // The detail's file for a detail, its name for a standard item.
    EXPECT_EQ(M.CountOf("drSpcObject"), 3u);
    std::vector<std::string> rows;
    for (const TRecordedCall& c : M.Calls)
        if (c.Name == "drSpcObject") rows.push_back(c.Args[1] + " " + c.Args[2] + " " + c.Args[3]);
    EXPECT_EQ(rows, (std::vector<std::string>{R"("M12" 12 2)", R"("Винт" 13 4)", R"("M11" 11 1)"}));
}

TEST_F(TPositionDetailsTest, AnAngleOf300IsDrawnOnTheRightBeforeThoseAbove)
{
    TPositionDetails P(M, CM, NoPos);
    P.Add(10, 10, 1, 0, 1, Quor::tDetail);                  // 45 degrees
    P.Add(10, -17.320508075688775, 2, 0, 1, Quor::tDetail); // 300 degrees, taken as -60
    P.EvaluateAngleInsertNoPosSortByAngle(0, 0, 0, 0, 0);
    ASSERT_EQ(P.Count, 2);
    EXPECT_EQ(P[0].DC, 2);
    EXPECT_NEAR(P[0].a, -60, 1e-9);
    EXPECT_NEAR(P[1].a, 45, 1e-9);
}

TEST_F(TPositionDetailsTest, EntriesWithoutAPointGetOnlyTheirRowAndLeave)
{
    TPositionDetails P(M, CM, NoPos);
    P.Add(NoPos, NoPos, 1, 0, 1, Quor::tDetail);
    P.Add(0, 30, 2, 0, 1, Quor::tDetail); // straight up: the top
    P.Add(NoPos, NoPos, 3, 0, 1, Quor::tStandart);
    P.drDetailsPos(0, 0, -50, 50, 40, 0);
    EXPECT_EQ(M.CountOf("drShelf"), 1u);
    EXPECT_EQ(M.CountOf("drSpcObject"), 3u);
    EXPECT_EQ(M.CountOf("drGroup"), 3u);
    EXPECT_EQ(Shelves(), (std::vector<std::string>{R"(10 40 "12")"})); // x + (yr - y) cos(90 - a)
    EXPECT_EQ(P.Count, 1);
}

TEST_F(TPositionDetailsTest, LeftLeadersGoDownFromBelowTheTop)
{
    TPositionDetails P(M, CM, NoPos);
    P.Add(-10, 0, 1, 0, 1, Quor::tDetail); // 180 degrees
    P.Add(-10, -1, 2, 0, 1, Quor::tDetail);
    P.drDetailsPos(0, 0, -50, 50, 40, 0);
    EXPECT_EQ(Shelves(), (std::vector<std::string>{R"(-50 0 "11")", R"(-50 -15 "12")"}));
}
