// Hot point records and their list: the values a record binds, what a copy keeps, and the
// refresh cycle of marking removed and adding again.

#include "HotPointData.h"

#include <gtest/gtest.h>

#include "TRegistrator.h"
#include "VariableSinks.h"

namespace {

TEST(THotPointDataTest, SetBindsTheGivenValuesOnly)
{
    double a = 1, b = 2, c = 3;
    const TString second("второе");
    THotPointData hp;
    hp.State = THotPointData::stRemoved;
    hp.Set(4, 5, 6, a, "первое", &b, nullptr, nullptr, &second);
    ASSERT_EQ(hp.Count, 2);
    EXPECT_EQ(hp[0].PDataReal, &a);
    EXPECT_EQ(hp[0].Comment, TString("первое"));
    EXPECT_EQ(hp[1].PDataReal, &b);
    EXPECT_TRUE(hp[1].Comment.Empty());
    EXPECT_EQ(hp.State, THotPointData::stActive);
    EXPECT_EQ(hp.Origin.z, 6.0);
    hp.Set(TPoint3D(), a, "x", b, "y", c, "z");
    EXPECT_EQ(hp.Count, 3);
    EXPECT_EQ(hp[2].Comment, TString("z"));
}

TEST(THotPointDataTest, SetDataTakesCommentsFromTheRegistry)
{
    testsinks::TCleanVariables clean;
    double x = 1, y = 2;
    Registrator.Announcement(9101, x, "Длина", "Длина детали");
    THotPointData hp;
    hp.Id3 = 7;
    hp.SetData(x, y, nullptr);
    ASSERT_EQ(hp.Count, 2);
    EXPECT_EQ(hp[0].Comment, TString("Длина"));
    EXPECT_TRUE(hp[1].Comment.Empty());
    EXPECT_EQ(hp.Origin.x, 1.0);
    EXPECT_EQ(hp.Id3, 7);
}

TEST(THotPointDataTest, CopiesKeepTheDataButNotColourOrObject)
{
    double x = 1, y = 2;
    THotPointData hp;
    hp.SetData(x, y, nullptr);
    hp.Id3 = 3;
    hp.Color = 0xFF;
    hp.Caption = "К";
    THotPointData copy(hp);
    EXPECT_TRUE(copy.ItSameData(hp));
    EXPECT_EQ(copy.Caption, TString("К"));
    EXPECT_EQ(copy.Color, 0u);
    EXPECT_EQ(copy.Ambient, TAdvColor::vEmpty);

    THotPointData swapped;
    swapped.SetData(y, x, nullptr);
    EXPECT_FALSE(swapped.ItSameData(hp)); // the same variables in another order
}

TEST(THotPointsDataTest, AddingTheSameVariablesAgainOnlyReactivates)
{
    testsinks::TCleanVariables clean;
    double x = 1, y = 2, v = 3;
    Registrator.Announcement(9102, y, "Y", "Высота");
    THotPointsData list;
    EXPECT_EQ(list.GetId(0), nullptr);
    list.Add2D(x, y, 5);
    ASSERT_EQ(list.Count, 1);
    EXPECT_EQ(list[0].Caption, TString("Высота"));
    EXPECT_EQ(list[0].Origin.z, 5.0);
    list[0].Id3 = 11;
    list.MarkRemoved();
    EXPECT_EQ(list[0].State, THotPointData::stRemoved);
    x = 10;
    list.Add2D(x, y, 6);
    ASSERT_EQ(list.Count, 1);
    EXPECT_EQ(list[0].State, THotPointData::stActive);
    EXPECT_EQ(list[0].Id3, 11);
    EXPECT_EQ(list[0].Origin.x, 1.0);
    EXPECT_EQ(list.GetId(11), &list[0]);
    list.Add2DV(x, y, 6, v);
    ASSERT_EQ(list.Count, 2);
    EXPECT_EQ(list[1].Count, 3);
    EXPECT_EQ(list.IndexData(list[1]), 1);
}

} // namespace
