// TDependence: each rule for the variable that changed, the chain of changes through the
// registry, and a loop of rules that never settles.

#include "TDependence.h"

#include "TRegistrator.h"

#include "VariableSinks.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

class TDependenceTest : public ::testing::Test {
protected:
    testsinks::TCleanVariables Clean;
    double A = 0;
    double B = 0;

    static TDependence Rule(TDependence::TType Type, double* V1, double* V2, double K = 1, double dL = 0)
    {
        TDependence d;
        d.Type = Type;
        d.K = K;
        d.dL = dL;
        d.V1 = TVariablePtr(TVariablePtr::pvReal, V1);
        d.V2 = TVariablePtr(TVariablePtr::pvReal, V2);
        return d;
    }
};

} // namespace

TEST_F(TDependenceTest, EqualityRunsBothWays)
{
    TDependence d = Rule(TDependence::tdEqu, &A, &B);
    A = 3;
    EXPECT_TRUE(d.Change(&A));
    EXPECT_DOUBLE_EQ(B, 3);
    B = 5;
    EXPECT_TRUE(d.Change(&B));
    EXPECT_DOUBLE_EQ(A, 5);
    EXPECT_FALSE(d.Change(&A)); // equal already
    double other = 9;
    EXPECT_FALSE(d.Change(&other));
}

TEST_F(TDependenceTest, LinearRuleFollowsV2OnlyAndEmptyOrUnknownRulesNothing)
{
    TDependence d = Rule(TDependence::tdKmulV2addDL, &A, &B, 2, 1);
    B = 4;
    EXPECT_TRUE(d.Change(&B));
    EXPECT_DOUBLE_EQ(A, 9);
    A = 0;
    EXPECT_FALSE(d.Change(&A));
    EXPECT_DOUBLE_EQ(B, 4);
    A = 0; // an empty or unknown rule changes nothing
    d.Type = TDependence::tdEmpty;
    EXPECT_FALSE(d.Change(&B));
    d.Type = TDependence::tdCount;
    EXPECT_FALSE(d.Change(&B));
    EXPECT_DOUBLE_EQ(A, 0);
}

TEST_F(TDependenceTest, LowerAndUpperBoundsMoveV1OnlyTowardsTheBound)
{
    TDependence more = Rule(TDependence::tdMoreKmulV2addDL, &A, &B, 1, 2);
    A = 10;
    B = 5; // bound 7 lies below A
    EXPECT_FALSE(more.Change(&B));
    EXPECT_DOUBLE_EQ(A, 10);
    B = 9; // bound 11
    EXPECT_TRUE(more.Change(&B));
    EXPECT_DOUBLE_EQ(A, 11);

    TDependence less = Rule(TDependence::tdLessKmulV2addDL, &A, &B, 1, 0);
    B = 12;
    EXPECT_FALSE(less.Change(&B));
    EXPECT_DOUBLE_EQ(A, 11);
    B = 4;
    EXPECT_TRUE(less.Change(&B));
    EXPECT_DOUBLE_EQ(A, 4);
}

TEST_F(TDependenceTest, LetThroughEqualityMarksBothAndRefreshesTheOtherAsChangedDoes)
{
    testsinks::TRecordingPanel panel;
    Registrator.Announcement(1, A, "A", "");
    Registrator.Announcement(2, B, "B", "");
    Dependences.Add(Rule(TDependence::tdEqu, &A, &B));
    EXPECT_EQ(TVariablePtr(TVariablePtr::pvReal, &A).Let("6"), 1);
    EXPECT_DOUBLE_EQ(B, 6);
    ASSERT_EQ(Registrator.EditedId.Count, 2);
    EXPECT_EQ(Registrator.EditedId[0], 2); // B's edit is marked inside A's
    EXPECT_EQ(Registrator.EditedId[1], 1);
    ASSERT_EQ(panel.Refreshed.size(), 1u);
    EXPECT_EQ(panel.Refreshed[0], &B);
    ASSERT_EQ(panel.Let.size(), 1u);
    EXPECT_EQ(panel.Let[0], &A);
    Registrator.ClearEdit(); // Changed alone refreshes and marks
    TDependence().Changed(&A);
    ASSERT_EQ(panel.Refreshed.size(), 2u);
    EXPECT_EQ(panel.Refreshed[1], &A);
    ASSERT_EQ(Registrator.EditedId.Count, 1);
    EXPECT_EQ(Registrator.EditedId[0], 1);
}

TEST_F(TDependenceTest, ChangesRunAlongAChain)
{
    double C = 0;
    Dependences.Add(Rule(TDependence::tdKmulV2addDL, &B, &A, 2, 0)); // B = 2A
    Dependences.Add(Rule(TDependence::tdKmulV2addDL, &C, &B, 1, 1)); // C = B + 1
    A = 3;
    EXPECT_EQ(Dependences.Change(&A), 1);
    EXPECT_DOUBLE_EQ(B, 6);
    EXPECT_DOUBLE_EQ(C, 7);
    EXPECT_EQ(Dependences.Change(&A), 0); // settled
    EXPECT_EQ(Dependences.Change(nullptr), 0);
}

TEST_F(TDependenceTest, MakeEditAppliesTheDependences)
{
    Registrator.Announcement(1, A, "A", "");
    Dependences.Add(Rule(TDependence::tdKmulV2addDL, &B, &A, 10, 0));
    TVariablePtr(TVariablePtr::pvReal, &A).Let("2");
    EXPECT_DOUBLE_EQ(B, 20);
    A = 0;
    B = 0;
    Registrator.MakeEdit();
    EXPECT_DOUBLE_EQ(A, 2);
    EXPECT_DOUBLE_EQ(B, 20);
}

TEST_F(TDependenceTest, LoopThatNeverSettlesStops)
{
    Dependences.Add(Rule(TDependence::tdKmulV2addDL, &A, &B, 2, 0)); // A = 2B
    Dependences.Add(Rule(TDependence::tdKmulV2addDL, &B, &A, 2, 0)); // B = 2A
    B = 1;
    EXPECT_EQ(Dependences.Change(&B), 1);
    EXPECT_GT(A, 1);

    Dependences.Clear();
    Dependences.Add(Rule(TDependence::tdEqu, &A, &B));
    A = std::nan("");
    EXPECT_EQ(Dependences.Change(&A), 1); // a NaN never equals itself
    EXPECT_TRUE(std::isnan(B));

    // The next outside change has its full allowance again.
    A = 1;
    B = 1;
    double C = 0;
    Dependences.Clear();
    Dependences.Add(Rule(TDependence::tdKmulV2addDL, &C, &A, 3, 0));
    A = 2;
    EXPECT_EQ(Dependences.Change(&A), 1);
    EXPECT_DOUBLE_EQ(C, 6);
}
