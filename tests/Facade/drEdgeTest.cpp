// drApi::TEdge: assignment shares the host objects without leaking or dropping a reference,
// and destruction gives them back in the order Curve, V1, V0, Edge.

#include "drEdge.h"

#include <cmath>
#include <string>
#include <type_traits>
#include <vector>

#include <gtest/gtest.h>

#include "HostBodies.h"
#include "HostFixture.h"
#include "HostObject.h"
#include "HostTopology.h"
#include "TArray.h"
#include "maTervan.h"

namespace {

std::vector<std::string> Released;

// Host objects that answer nothing (a vertex; the curve and edge of HostBodies.h): only their
// release is looked at.
struct TVertexStub : tvhost::THostObjectOf<tvapi::IVertex> {
    void GetPoint(double&, double&, double&) override {}
};

template <class I>
using TStubOf =
    std::conditional_t<std::is_same_v<I, tvapi::IVertex>, TVertexStub,
                       std::conditional_t<std::is_same_v<I, tvapi::IEdge>, TRangeEdge, TRangeCurve>>;

template <class I> class TLogged final : public TStubOf<I> {
public:
    explicit TLogged(std::string name) : FName(std::move(name)) {}
    ~TLogged() override { Released.push_back(FName); }

private:
    std::string FName;
};

template <class I> tvapi::Ptr<I> Logged(const char* name)
{
    return tvhost::New<TLogged<I>>(name);
}

drApi::TEdge Edge(const char* tag)
{
    const std::string t(tag);
    drApi::TEdge e;
    e.Edge = Logged<tvapi::IEdge>((t + "edge").c_str());
    e.V0 = Logged<tvapi::IVertex>((t + "v0").c_str());
    e.V1 = Logged<tvapi::IVertex>((t + "v1").c_str());
    e.Curve = Logged<tvapi::IMathCurve3D>((t + "curve").c_str());
    e.P1 = TPoint3D(4, 5, 6);
    e.t1 = 0.75;
    return e;
}

} // namespace

class TEdgeTest : public HostFixture {};

TEST_F(TEdgeTest, DestructionReleasesInOrderAndAssignmentSharesTheObjects)
{
    Released.clear();
    {
        const drApi::TEdge e = Edge("");
    }
    EXPECT_EQ(Released, (std::vector<std::string>{"curve", "v1", "v0", "edge"}));

    Released.clear();
    drApi::TEdge a = Edge("a.");
    drApi::TEdge b = Edge("b.");
    b = a; // b's own objects go, a's are shared
    EXPECT_EQ(Released.size(), 4u);
    EXPECT_EQ(tvhost::RefCountOf(a.Edge), 2);
    EXPECT_EQ(tvhost::RefCountOf(a.Curve), 2);
    EXPECT_TRUE(b.V1 == a.V1);
    EXPECT_EQ(b.P1.z, 6.0);
    EXPECT_EQ(b.t1, 0.75);
    b = a; // the same objects again: nothing released, nothing added
    EXPECT_EQ(Released.size(), 4u);
    EXPECT_EQ(tvhost::RefCountOf(a.V0), 2);

    TArrayOf<drApi::TEdge> edges(2, 2); // an array of edges frees what it holds
    edges.Add(a);
    EXPECT_EQ(tvhost::RefCountOf(a.Edge), 3);
    edges.FreeMemory();
    EXPECT_EQ(tvhost::RefCountOf(a.Edge), 2);
}

TEST_F(TEdgeTest, RecordOfStraightAndClosedEdges)
{
    THostBodies b;
    drApi::TEdge e;
    e.Set(b.Edge(tvhost::MakeSegment({0, 0, 0}, {50, 0, 0}, 0, 1)));
    ExpectPoint(e.P0, 0, 0, 0);
    ExpectPoint(e.P1, 50, 0, 0);
    EXPECT_TRUE(e.V0 && e.V1 && e.CurveDirection && e.IsStraight());
    EXPECT_NEAR(e.Length, 50, 1e-9);
    EXPECT_NEAR(e.GetDt(1.0), 0.02, 1e-12);
    TVector3D t;
    e.GetTangent(false, t);
    EXPECT_GT(t.x, 0); // from the start into the edge
    e.GetTangent(true, t);
    EXPECT_LT(t.x, 0); // from the end into the edge
    TPoint3D p;
    e.PointOn(0.5, p);
    ExpectPoint(p, 25, 0, 0);
    e.Set(tvapi::IEdgePtr());
    EXPECT_NEAR(e.Length, 50, 1e-9); // the rest stays

    const tvapi::IEdgePtr circle = b.Edge(tvhost::MakeCircle({0, 0, 0}, {0, 0, 1}, 3));
    const drApi::TEdge vertices(circle);
    EXPECT_FALSE(vertices.V0 || vertices.V1 || vertices.Curve);
    ExpectPoint(vertices.P1, 0, 0, 0);
    drApi::TEdge full;
    full.Set(circle);
    ExpectPoint(full.P0, 3, 0, 0);
    ExpectPoint(full.P1, 3, 0, 0);
    EXPECT_NEAR(full.Length, 6 * M_PI, 1e-9);
}

TEST_F(TEdgeTest, ColinearMeansEqualOrOppositeChords)
{
    THostBodies b;
    drApi::TEdge a, c, d, arc;
    a.Set(b.Edge(tvhost::MakeSegment({0, 0, 0}, {10, 0, 0})));
    c.Set(b.Edge(tvhost::MakeSegment({20, 5, 0}, {10, 5, 0})));
    d.Set(b.Edge(tvhost::MakeSegment({0, 0, 0}, {20, 0, 0})));
    arc.Set(b.Edge(tvhost::MakeArc({0, 0, 0}, {5, 5, 0}, {10, 0, 0})));
    EXPECT_TRUE(a.IsColinear(c));
    EXPECT_FALSE(a.IsColinear(d));
    EXPECT_FALSE(a.IsColinear(arc)); // same chord, not straight
}

TEST_F(TEdgeTest, ArrayOfAFacesEdgesFindsEdgesAndMeetingEnds)
{
    THostBodies b;
    const auto faces = b.Of(tvhost::MakeBox({0, 0, 0}, 10, 20, 5), tvapi::o3d_face);
    tvapi::IFacePtr face(faces.at(0));
    const drApi::TAOfEdge edges(face);
    ASSERT_EQ(edges.Count, 4);
    auto again = drApi::GetObjects(faces.at(0), tvapi::o3d_edge);
    EXPECT_TRUE(edges.Exist(tvapi::IEdgePtr(again.at(2))));
    EXPECT_FALSE(edges.Exist(b.Edge(tvhost::MakeSegment({100, 0, 0}, {110, 0, 0}))));

    // The face's corners: record ends at them or away from them.
    drApi::TEdge first(edges[0]);
    const TPoint3D corner = first.P0, far(500, 500, 500);
    drApi::TEdge probe(b.Edge(tvhost::MakeSegment({300, 0, 0}, {400, 0, 0})));
    const std::pair<TPoint3D, TPoint3D> ends[] = {
        {corner, far}, {far, corner}, {corner, first.P1}, {far, far}};
    const UInteger expected[] = {1, 2, 3, 0};
    for (int i = 0; i < 4; ++i) {
        probe.P0 = ends[i].first;
        probe.P1 = ends[i].second;
        EXPECT_EQ(edges.ExistVertex(probe), expected[i]) << i;
    }
    std::vector<tvapi::IModelObjectPtr> mixed = {faces.at(1), again.at(0)};
    const drApi::TAOfEdge partly(mixed);
    EXPECT_EQ(partly.Count, 2);
    EXPECT_FALSE(partly[0]);
}
