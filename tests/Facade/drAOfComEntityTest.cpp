// The list of picked model objects on real box faces of the stand-in: planarity of its
// leading faces, equal faces found by geometry, faces touching the list, and the vector forms.

#include "drAOfComEntity.h"

#include <algorithm>

#include <gtest/gtest.h>

#include "CurvedFace.h"
#include "HostFixture.h"
#include "HostTopology.h"

using namespace tvapi;

namespace {

class TAOfComEntityTest : public HostFixture {
protected:
    void TearDown() override
    {
        Bodies.clear();
        HostFixture::TearDown();
    }
    std::vector<IModelObjectPtr> Of(tvhost::TShape shape, tvObj3dTypeEnum kind)
    {
        Bodies.push_back(tvhost::MakeBody(std::move(shape)));
        return drApi::GetObjects(IModelObjectPtr(Bodies.back()), kind);
    }
    std::vector<IModelObjectPtr> Box() { return Of(tvhost::MakeBox({0, 0, 0}, 10, 20, 5), o3d_face); }
    static IModelObjectPtr Curved(const IModelObjectPtr& face)
    {
        return IModelObjectPtr(tvhost::New<TCurvedFace>(IFacePtr(face)));
    }
    static drApi::TAOfComEntity List(std::initializer_list<IModelObjectPtr> items)
    {
        drApi::TAOfComEntity list;
        list.from(items);
        return list;
    }

    std::vector<tvhost::THostBodyPtr> Bodies;
};

TEST_F(TAOfComEntityTest, OnlyTheLeadingFacesMustBePlanar)
{
    const auto faces = Box();
    const auto edges = Of(tvhost::MakeBox({0, 0, 0}, 10, 20, 5), o3d_edge);
    EXPECT_TRUE(List({faces[0], edges[0], Curved(faces[1])}).IsPlanar());
    EXPECT_FALSE(List({edges[0], faces[0]}).IsPlanar());
    EXPECT_FALSE(List({faces[0], Curved(faces[1])}).IsPlanar());
    EXPECT_TRUE(List({faces[0], faces[1]}).IsPlanar());
    EXPECT_FALSE(drApi::TAOfComEntity().IsPlanar());
}

TEST_F(TAOfComEntityTest, EqualFacesAreFoundByGeometryOnlyInIndexOfByEqu)
{
    const auto faces = Box();
    const auto twin = Box(); // coincident faces of another body
    const auto edges = Of(tvhost::MakeBox({0, 0, 0}, 10, 20, 5), o3d_edge);
    const auto twinEdges = Of(tvhost::MakeBox({0, 0, 0}, 10, 20, 5), o3d_edge);
    drApi::TAOfComEntity list = List({edges[0], faces[2], faces[3]});
    IModelObjectPtr none, same = faces[3], copy = twin[3], edge = twinEdges[0], own = edges[0];
    EXPECT_EQ(list.IndexOfByEqu(none), -1);
    EXPECT_EQ(list.IndexOfByEqu(same), 2);
    EXPECT_EQ(list.IndexOfByEqu(copy), 2);
    EXPECT_EQ(list.IndexOfByEqu(own), 0);
    EXPECT_EQ(list.IndexOfByEqu(edge), -1) << "edges are matched by identity only";
    EXPECT_TRUE(list.ExistByEqu(same));
    EXPECT_FALSE(list.ExistByEqu(copy));
    IFacePtr first(faces[2]), absent(faces[0]);
    EXPECT_EQ(list.PositionOf(first), 2);
    EXPECT_EQ(list.PositionOf(absent), 0);
    EXPECT_FALSE(list.GetFaces(-1));
    EXPECT_FALSE(list.GetFaces(0)) << "an edge entry is no face";
    EXPECT_TRUE(list.GetFaces(1) == first);
    EXPECT_FALSE(list.GetFaces(list.Count));
}

TEST_F(TAOfComEntityTest, AFaceIsLinkedThroughAnEdgeItShares)
{
    const auto faces = Box();
    ASSERT_EQ(faces.size(), 6u);
    IFacePtr f0(faces[0]);
    int linked = 0;
    for (std::size_t i = 1; i < faces.size(); ++i) {
        IFacePtr other(faces[i]);
        const IEdgePtr edge = drApi::GetLinkEdge(f0, other, 0);
        if (!edge) continue;
        ++linked;
        const auto own = drApi::GetObjects(faces[0], o3d_edge);
        EXPECT_TRUE(std::any_of(own.begin(), own.end(), [&](const IModelObjectPtr& e) { return e == edge; }))
            << "the edge is the first face's own";
    }
    EXPECT_EQ(linked, 4) << "every face but the opposite one";
    const drApi::TAOfComEntity list = List({faces[0], IModelObjectPtr()});
    int touching = 0;
    for (std::size_t i = 1; i < faces.size(); ++i) {
        IFacePtr other(faces[i]);
        touching += list.IsLinked(other) ? 1 : 0;
    }
    EXPECT_EQ(touching, 4);
    IFacePtr far(Of(tvhost::MakeBox({100, 0, 0}, 10, 20, 5), o3d_face)[0]);
    EXPECT_FALSE(list.IsLinked(far));
    EXPECT_FALSE(drApi::TAOfComEntity().IsLinked(f0));
}

TEST_F(TAOfComEntityTest, ToLeavesEmptyEntriesOutAndFromKeepsThem)
{
    const auto faces = Box();
    drApi::TAOfComEntity list;
    list.from({faces[0], IModelObjectPtr(), faces[1]});
    ASSERT_EQ(list.Count, 3);
    EXPECT_FALSE(list[1]);
    std::vector<IModelObjectPtr> out{faces[5]};
    list.to(out);
    ASSERT_EQ(out.size(), 3u) << "appended after what was there";
    EXPECT_TRUE(out[1] == faces[0] && out[2] == faces[1]);
    drApi::TAOfComEntity copy;
    copy.from({faces[4], faces[4], faces[4], faces[4]});
    copy = list;
    ASSERT_EQ(copy.Count, 3);
    EXPECT_TRUE(copy[0] == faces[0] && !copy[1] && copy[2] == faces[1]);
}

} // namespace
