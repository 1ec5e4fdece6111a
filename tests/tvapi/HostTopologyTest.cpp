// Bodies of the stand-in host on the kernel: exact volumes, one host object per kernel entity
// however it is reached, closed edges without vertices, and the base planes' (u, v).

#include "HostTopology.h"

#include <cmath>
#include <numbers>
#include <set>

#include <gtest/gtest.h>

#include "HostFixture.h"
#include "HostKernelFeatures.h"
#include "HostPart.h"
#include "HostPlacement.h"

using namespace tvapi;
using tvhost::TXyz;

namespace {

std::set<const void*> Identities(const std::vector<IModelObjectPtr>& objects)
{
    std::set<const void*> ids;
    for (const IModelObjectPtr& o : objects)
        ids.insert(IAPIObjectPtr(o).Get());
    return ids;
}

TXyz PointOf(const IVertexPtr& v)
{
    TXyz p{};
    v->GetPoint(p[0], p[1], p[2]);
    return p;
}

} // namespace

class HostTopologyTest : public HostFixture {};

TEST_F(HostTopologyTest, BoxHasExactVolumeAndOneObjectPerEntityHoweverReached)
{
    const tvhost::THostBodyPtr body = tvhost::MakeBody(tvhost::MakeBox({0, 0, 0}, 10, 20, 5));
    EXPECT_NEAR(body->Volume(), 1000.0, 1e-9);
    const IModelObjectPtr asObject(body);
    const auto faces = ObjectsOf(asObject, o3d_face), edges = ObjectsOf(asObject, o3d_edge),
               vertices = ObjectsOf(asObject, o3d_vertex);
    ASSERT_EQ(faces.size(), 6u);
    ASSERT_EQ(edges.size(), 12u);
    ASSERT_EQ(vertices.size(), 8u);
    EXPECT_EQ(Identities(ObjectsOf(asObject, o3d_face)), Identities(faces)); // asked again: the same objects

    std::set<const void*> edgesOfFaces, verticesOfEdges;
    double area = 0;
    for (const IModelObjectPtr& face : faces) {
        area += IFacePtr(face)->GetArea(1);
        for (const IModelObjectPtr& e : ObjectsOf(face, o3d_edge)) {
            edgesOfFaces.insert(IAPIObjectPtr(e).Get());
            const IEdgePtr edge(e);
            ASSERT_TRUE(edge && edge->IsStraight());
            verticesOfEdges.insert(IAPIObjectPtr(edge->GetVertex(false)).Get());
            verticesOfEdges.insert(IAPIObjectPtr(edge->GetVertex(true)).Get());
        }
    }
    EXPECT_NEAR(area, 2 * (10 * 20 + 10 * 5 + 20 * 5), 1e-9);
    EXPECT_EQ(edgesOfFaces, Identities(edges));
    EXPECT_EQ(verticesOfEdges, Identities(vertices));
    EXPECT_EQ(IEdgePtr(edges[0])->GetCurve3D(), IEdgePtr(edges[0])->GetCurve3D());

    // Exact: every vertex is a corner of the box, every edge as long as a side.
    for (const IModelObjectPtr& v : vertices) {
        const TXyz p = PointOf(IVertexPtr(v));
        EXPECT_TRUE((p[0] == 0 || p[0] == 10) && (p[1] == 0 || p[1] == 20) && (p[2] == 0 || p[2] == 5));
    }
    for (const IModelObjectPtr& e : edges) {
        const double length = IEdgePtr(e)->GetLength(1);
        EXPECT_TRUE(length == 10 || length == 20 || length == 5) << length;
    }
}

TEST_F(HostTopologyTest, EdgeRunsFromItsStartVertexAlongItsCurve)
{
    const auto body = tvhost::MakeBody(tvhost::MakeSegment({1, 2, 3}, {4, 6, 3}, 0, 1));
    const IEdgePtr edge(ObjectsOf(IModelObjectPtr(body), o3d_edge).at(0));
    const IMathCurve3DPtr curve = edge->GetCurve3D();
    EXPECT_EQ(curve->GetParamMax(), 1.0);
    EXPECT_NEAR(edge->GetLength(1), 5.0, 1e-12);
    EXPECT_EQ(PointOf(edge->GetVertex(false)), (TXyz{1, 2, 3}));
    EXPECT_EQ(PointOf(edge->GetVertex(true)), (TXyz{4, 6, 3}));
    TXyz t{};
    curve->GetTangentVector(0.5, t[0], t[1], t[2]);
    EXPECT_NEAR(t[0], 3, 1e-12);
    EXPECT_NEAR(t[1], 4, 1e-12);
    double box[6] = {};
    curve->GetGabarit(box[0], box[1], box[2], box[3], box[4], box[5]);
    EXPECT_NEAR(box[0], 1, 1e-12); // the curve's own box, without tolerances
    EXPECT_NEAR(box[4], 6, 1e-12);
}

// The parameter of the nearest point: inside, beyond an end (the end), and off the curve only
// when the point need not lie on it.
TEST_F(HostTopologyTest, ParamByPointIsTheNearestCurvePoint)
{
    const auto body = tvhost::MakeBody(tvhost::MakeSegment({0, 0, 0}, {10, 0, 0}, 0, 2));
    const IMathCurve3DPtr curve = IEdgePtr(ObjectsOf(IModelObjectPtr(body), o3d_edge).at(0))->GetCurve3D();
    double t = -1;
    ASSERT_TRUE(curve->GetParamByPoint(2.5, 0, 0, t, true));
    EXPECT_NEAR(t, 0.5, 1e-9);
    ASSERT_TRUE(curve->GetParamByPoint(14, 3, 0, t, false));
    EXPECT_NEAR(t, 2, 1e-9);
    ASSERT_TRUE(curve->GetParamByPoint(5, 3, 0, t, false));
    EXPECT_NEAR(t, 1, 1e-9);
    t = -1;
    EXPECT_FALSE(curve->GetParamByPoint(5, 3, 0, t, true));
    EXPECT_EQ(t, -1);
}

TEST_F(HostTopologyTest, ClosedCircleHasNoVerticesAndItsTurnAsLength)
{
    const auto body = tvhost::MakeBody(tvhost::MakeCircle({0, 0, 7}, {0, 0, 1}, 4));
    const IEdgePtr edge(ObjectsOf(IModelObjectPtr(body), o3d_edge).at(0));
    EXPECT_FALSE(edge->GetVertex(false));
    EXPECT_FALSE(edge->GetVertex(true));
    EXPECT_NEAR(edge->GetLength(1), 8 * std::numbers::pi, 1e-9);
    EXPECT_TRUE(edge->GetCurve3D()->IsCircle());
    const auto arc = tvhost::MakeBody(tvhost::MakeArc({4, 0, 0}, {0, 4, 0}, {-4, 0, 0}));
    const IMathCurve3DPtr half = IEdgePtr(ObjectsOf(IModelObjectPtr(arc), o3d_edge).at(0))->GetCurve3D();
    EXPECT_TRUE(half->IsArc() && !half->IsCircle());
}

// A sketch's (u, v) on a base plane: XOY (X, Y), XOZ (X, -Z), YOZ (-Z, -Y), swept along u x v
// (+Z, +Y, -X).
struct TPlaneCase {
    const char* Name;
    tvObj3dTypeEnum Plane;
    std::array<double, 6> Box; // of the rectangle [1, 3] x [2, 6] swept 5
};

void PrintTo(const TPlaneCase& c, std::ostream* os)
{
    *os << c.Name;
}

class HostBasePlaneTest : public HostFixture, public ::testing::WithParamInterface<TPlaneCase> {};

TEST_P(HostBasePlaneTest, RectangleSweptFromThePlaneLiesWhereItsUVSay)
{
    const TPlaneCase& c = GetParam();
    const tvhost::TShape prism = tvhost::MakePrism(tvhost::BasePlaneFrame(c.Plane), 1, 2, 3, 6, 5);
    EXPECT_NEAR(tvhost::Volume(prism), 2 * 4 * 5, 1e-9);
    const std::array<double, 6> box = tvhost::BoxOf(prism);
    for (int i = 0; i < 6; ++i)
        EXPECT_NEAR(box[i], c.Box[i], 1e-9) << i;
}

INSTANTIATE_TEST_SUITE_P(BasePlanes, HostBasePlaneTest,
                         ::testing::Values(TPlaneCase{"XOY", o3d_planeXOY, {1, 2, 0, 3, 6, 5}},
                                           TPlaneCase{"XOZ", o3d_planeXOZ, {1, 0, -6, 3, 5, -2}},
                                           TPlaneCase{"YOZ", o3d_planeYOZ, {-5, -6, -3, 0, -2, -1}}),
                         [](const ::testing::TestParamInfo<TPlaneCase>& c) {
                             return std::string(c.param.Name);
                         });

TEST_F(HostTopologyTest, FaceNamesItsBodyWhileTheBodyLivesAndTheBodyItsExactBox)
{
    tvhost::THostBodyPtr body = tvhost::MakeBody(tvhost::MakeBox({10, 10, 10}, 10, 20, 30));
    tvapi::IFacePtr face(ObjectsOf(tvapi::IModelObjectPtr(body), tvapi::o3d_face).at(0));
    ASSERT_TRUE(face);
    EXPECT_TRUE(face->GetBody() == body);
    double box[6] = {};
    tvapi::IBodyPtr(tvapi::IModelObjectPtr(body))->GetGabarit(box[0], box[1], box[2], box[3], box[4], box[5]);
    const double expected[6] = {10, 10, 10, 20, 30, 40};
    for (int i = 0; i < 6; ++i)
        EXPECT_DOUBLE_EQ(box[i], expected[i]) << i;
    body.Reset();
    EXPECT_FALSE(face->GetBody()) << "the body is gone";
}

TEST_F(HostTopologyTest, PartListsItsEntitiesAndComponentsAsSubFeatures)
{
    const tvhost::THostPartPtr part = tvhost::New<tvhost::THostPart>();
    part->AddBody(tvhost::MakeBox({0, 0, 0}, 1, 2, 3));
    part->AddBody(tvhost::MakeBox({5, 0, 0}, 1, 2, 3));
    const tvapi::IModelObjectPtr model(part);
    EXPECT_EQ(ObjectsOf(model, tvapi::o3d_face).size(), 12u);
    EXPECT_EQ(ObjectsOf(model, tvapi::o3d_edge).size(), 24u);
    EXPECT_EQ(ObjectsOf(model, tvapi::o3d_vertex).size(), 16u);
    EXPECT_TRUE(ObjectsOf(model, tvapi::o3d_face).at(6) ==
                ObjectsOf(tvapi::IModelObjectPtr(part->Bodies().at(1)), tvapi::o3d_face).at(0));
    const tvapi::IFeaturePtr feature(model);
    EXPECT_TRUE(feature->GetSubFeatures(0, true, true).empty());
    part->AddComponent(tvhost::New<tvhost::THostPart>());
    const auto subs = feature->GetSubFeatures(0, true, true);
    ASSERT_EQ(subs.size(), 1u);
    EXPECT_TRUE(subs[0] == part->Components().at(0));
    EXPECT_TRUE(model->GetParents(2).empty());
    EXPECT_EQ(Journal().Count("IModelObject::GetParents"), 1u);
}

// The kernel's solids of a body: a void inside one solid leaves it one, two solids stay two
// even where they touch; a body without a shape has none.
struct TSolidsCase {
    const char* Name;
    tvhost::TShape (*Shape)();
    int Solids;
};

void PrintTo(const TSolidsCase& c, std::ostream* os)
{
    *os << c.Name;
}

class HostSolidCountTest : public HostFixture, public ::testing::WithParamInterface<TSolidsCase> {};

TEST_P(HostSolidCountTest, BodyCountsTheKernelsSolids)
{
    const TSolidsCase& c = GetParam();
    const IBodyPtr body(IModelObjectPtr(tvhost::MakeBody(c.Shape())));
    ASSERT_TRUE(body);
    EXPECT_EQ(body->GetSolidCount(), c.Solids);
    EXPECT_EQ(Journal().Count("IBody::GetSolidCount"), 1u);
}

INSTANTIATE_TEST_SUITE_P(
    Shapes, HostSolidCountTest,
    ::testing::Values(TSolidsCase{"Box",
                                  [] {
                                      return tvhost::MakeBox({0, 0, 0}, 10, 20, 5);
                                  },
                                  1},
                      TSolidsCase{"BoxWithAVoid",
                                  [] {
                                      return tvhost::Combined(tvhost::TBooleanKind::bkCut,
                                                              tvhost::MakeBox({0, 0, 0}, 10, 10, 10),
                                                              tvhost::MakeBox({2, 2, 2}, 6, 6, 6));
                                  },
                                  1},
                      TSolidsCase{"TwoApart",
                                  [] {
                                      return tvhost::MakeCompound({tvhost::MakeBox({0, 0, 0}, 1, 1, 1),
                                                                   tvhost::MakeBox({5, 0, 0}, 1, 1, 1)});
                                  },
                                  2},
                      TSolidsCase{"TwoTouching",
                                  [] {
                                      return tvhost::MakeCompound({tvhost::MakeBox({0, 0, 0}, 1, 1, 1),
                                                                   tvhost::MakeBox({1, 0, 0}, 1, 1, 1)});
                                  },
                                  2},
                      TSolidsCase{"NoShape", [] { return tvhost::TShape(); }, 0}),
    [](const ::testing::TestParamInfo<TSolidsCase>& c) { return std::string(c.param.Name); });
