// The list of picked model objects on real box faces of the stand-in: equal faces found by
// geometry, other kinds only by identity.

#include "drAOfComEntity.h"

#include <gtest/gtest.h>

#include "HostFixture.h"
#include "HostTopology.h"
#include "maTervan.h"

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

    std::vector<tvhost::THostBodyPtr> Bodies;
};

TEST_F(TAOfComEntityTest, EqualFacesAreFoundByGeometryOnlyInIndexOfByEqu)
{
    const auto faces = Box();
    const auto twin = Box(); // coincident faces of another body
    const auto edges = Of(tvhost::MakeBox({0, 0, 0}, 10, 20, 5), o3d_edge);
    const auto twinEdges = Of(tvhost::MakeBox({0, 0, 0}, 10, 20, 5), o3d_edge);
    drApi::TAOfComEntity list{edges[0], faces[2], faces[3]};
    IModelObjectPtr none, same = faces[3], copy = twin[3], edge = twinEdges[0], own = edges[0];
    EXPECT_EQ(list.IndexOfByEqu(none), -1);
    EXPECT_EQ(list.IndexOfByEqu(same), 2);
    EXPECT_EQ(list.IndexOfByEqu(copy), 2);
    EXPECT_EQ(list.IndexOfByEqu(own), 0);
    EXPECT_EQ(list.IndexOfByEqu(edge), -1) << "edges are matched by identity only";
    EXPECT_TRUE(list.ExistByEqu(same));
    EXPECT_FALSE(list.ExistByEqu(copy));
}

} // namespace
