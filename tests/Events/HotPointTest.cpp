// Hot points with markers: snapping to a step, the ray and drag tests, and the set of markers
// a panel makes through its mesh list on a stand-in part.

#include "HotPoint.h"

#include <gtest/gtest.h>

#include <memory>

#include "HostDocuments.h"
#include "TestPanel.h"

namespace {

struct TSnapCase {
    const char* Name;
    double OldDis, Par, Step;
    double Result;
    bool Answer;
};

class THotPointSnapTest : public ::testing::TestWithParam<TSnapCase> {};

TEST_P(THotPointSnapTest, AllowDiskrete2)
{
    const TSnapCase& c = GetParam();
    double par = c.Par;
    EXPECT_EQ(THotPoint::AllowDiskrete2(c.OldDis, par, c.Step), c.Answer);
    EXPECT_DOUBLE_EQ(par, c.Result);
}

INSTANTIATE_TEST_SUITE_P(Steps, THotPointSnapTest,
                         ::testing::Values(TSnapCase{"WithinHalfAStepStays", 1.0, 1.2, 0.5, 1.0, false},
                                           TSnapCase{"PastHalfAStepSnaps", 1.0, 1.3, 0.5, 1.5, true},
                                           TSnapCase{"NegativeSnapsAwayFromZero", -1.0, -1.3, 0.5, -1.5,
                                                     true},
                                           TSnapCase{"ZeroStepKeeps", 1.0, 1.3, 0.0, 1.3, true},
                                           TSnapCase{"NegativeStepKeeps", 1.0, 1.3, -1.0, 1.3, true}),
                         [](const auto& c) { return std::string(c.param.Name); });

TEST(THotPointTest, PickCountsTheBoundaryOfTwoScreenUnits)
{
    THotPoint hp;
    const TVector3D down(0, 0, -1);
    EXPECT_TRUE(hp.Pick2(TPoint3D(1, 0, 5), down, 2.0));
    EXPECT_FALSE(hp.Pick2(TPoint3D(1.001, 0, 5), down, 2.0));
}

// The ray from (0, 0, 10) straight down, the marker 3 along x: the drag has gone 3 along it.
TEST(THotPointTest, MoveAnswersWhenTheRayHasGoneHalfADirection)
{
    THotPoint hp;
    hp.Origin = TPoint3D(3, 0, 0);
    const TPoint3D O(0, 0, 10);
    const TVector3D dir(0, 0, -1), norm(1, 0, 0);
    hp.Direction = TVector3D(1, 0, 0);
    EXPECT_TRUE(hp.Move2(O, dir, norm, 1.0));
    hp.Direction = TVector3D(10, 0, 0); // 3 of 10 is less than half
    EXPECT_FALSE(hp.Move2(O, dir, norm, 1.0));
    hp.Direction = TVector3D(0, 0, 0); // divides by 1: 0 along a zero direction
    EXPECT_FALSE(hp.Move2(O, dir, norm, 1.0));
    TPoint2D R(7, 7);
    EXPECT_FALSE(THotPoint::DirectPointProjection2(hp.Origin, TVector3D(1, 1, 0), TMtr3D(), R));
    EXPECT_EQ(R.x, 7.0);
}

class THotPointsTest : public TPanelFixture {};

TEST_F(THotPointsTest, RecordsWithValuesGetMarkersTheFirstActiveAndMakePlacesOne)
{
    const auto Doc = Application()->GetDocuments()->Add(tvapi::tvDocumentPart, true);
    const auto Panel = std::make_unique<TTestPanel>();
    auto* const Store = &As<tvhost::THostDocument3D>(Doc).Tessellation();
    const auto Points = std::make_unique<THotPoints>(Panel.get());
    TMeshData cube;
    cube.InitCube();
    Points->Mesh = cube;
    Points->NormalColor = clBlue;
    Points->ActiveColor = clRed;
    const auto Marker = [&](int i) -> const tvhost::THostTessellationObject& {
        return *dynamic_cast<tvhost::THostTessellationObject*>((*Points)[i].Obj.Get());
    };

    double a = 1, b = 2;
    THotPointsData list;
    list.Add2D(a, b, 0);
    list.Add(); // no values: skipped
    list.Add2D(b, a, 4);
    Points->fromModelData(list);
    ASSERT_EQ(Points->Count, 2);
    EXPECT_EQ(Points->Active, 0);
    EXPECT_EQ(Store->Count(), 2u);
    EXPECT_EQ(Marker(0).Material.Color, static_cast<int>(clRed.Color));
    EXPECT_EQ(Marker(1).Material.Color, static_cast<int>(clBlue.Color));
    EXPECT_EQ(Marker(1).Matrix[14], 4.0);
    EXPECT_TRUE(Marker(1).NonPickable);

    Points->SetActive(2);
    EXPECT_EQ(Points->Active, 0);
    // Both markers lie on the ray along z through (1, 2): the first one wins.
    (*Points)[1].Origin = TPoint3D(1, 2, 4);
    EXPECT_TRUE(Points->FindActive(TPoint3D(1, 2, 10), TVector3D(0, 0, -1), 1.0));
    EXPECT_EQ(Points->Active, 0);
    EXPECT_FALSE(Points->FindActive(TPoint3D(50, 2, 10), TVector3D(0, 0, -1), 1.0));
    Points->SetActive(1);
    EXPECT_EQ(Marker(0).Material.Color, static_cast<int>(clBlue.Color));
    EXPECT_EQ(Marker(1).Material.Color, static_cast<int>(clRed.Color));
    EXPECT_EQ(Marker(1).Matrix[12], 1.0);

    list[0].Id3 = 0;
    Points->toModelData(list);
    EXPECT_EQ(list[1].Count, 2); // the second marker's record went to the second place
    EXPECT_TRUE(list[1].ItSameData((*Points)[1]));

    Points->RemoveAll();
    EXPECT_EQ(Store->Count(), 0u);
    EXPECT_EQ(Panel->MeshDraw.AObjectID.Count, 0);

    // A marker at a point takes the normal colour and the template.
    EXPECT_TRUE(Points->Make(0, TPoint3D(5, 6, 7)));
    ASSERT_EQ(Points->Count, 1);
    const auto& marker = Marker(0);
    EXPECT_EQ(marker.Matrix[13], 6.0);
    EXPECT_EQ(marker.Material.Color, static_cast<int>(clBlue.Color));
    EXPECT_EQ(marker.Material.Diffuse, 0.6);
    EXPECT_TRUE(marker.DisableDepthTest);
    (*Points)[0].Origin = TPoint3D(1, 1, 1);
    EXPECT_TRUE((*Points)[0].Update2());
    EXPECT_EQ(marker.Matrix[12], 1.0);
    EXPECT_FALSE(THotPoint().Update2());
    {
        THotPoint copy((*Points)[0]);
        EXPECT_TRUE(copy.Obj == (*Points)[0].Obj);
        EXPECT_EQ(tvhost::RefCountOf(copy.Obj), 4); // the set, the copy, the mesh list, the store
    }
    EXPECT_EQ(marker.Refreshes, 1);
}

} // namespace
