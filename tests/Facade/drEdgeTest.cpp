// drApi::TEdge: assignment shares the host objects without leaking or dropping a reference,
// and destruction gives them back in the order Curve, V1, V0, Edge.

#include "drEdge.h"

#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "HostFixture.h"
#include "HostObject.h"
#include "TArray.h"

namespace {

std::vector<std::string> Released;

// Host objects that answer nothing: only their release is looked at.
struct TVertexStub : tvhost::THostObjectOf<tvapi::IVertex> {
    void GetPoint(double&, double&, double&) override {}
};
struct TEdgeStub : tvhost::THostObjectOf<tvapi::IEdge> {
    tvapi::IMathCurve3DPtr GetCurve3D() override { return {}; }
    tvapi::IVertexPtr GetVertex(bool) override { return {}; }
    bool IsStraight() override { return false; }
    double GetLength(int) override { return 0; }
};
struct TCurveStub : tvhost::THostObjectOf<tvapi::IMathCurve3D> {
    double GetParamMin() override { return 0; }
    double GetParamMax() override { return 0; }
    void GetPoint(double, double&, double&, double&) override {}
    void GetTangentVector(double, double&, double&, double&) override {}
    void GetGabarit(double&, double&, double&, double&, double&, double&) override {}
    double GetLength(int) override { return 0; }
    bool IsLineSeg() override { return false; }
    bool IsCircle() override { return false; }
    bool IsArc() override { return false; }
    bool IsEllipse() override { return false; }
    bool IsNurbs() override { return false; }
};

template <class I> struct TStubOf;
template <> struct TStubOf<tvapi::IVertex> {
    using Type = TVertexStub;
};
template <> struct TStubOf<tvapi::IEdge> {
    using Type = TEdgeStub;
};
template <> struct TStubOf<tvapi::IMathCurve3D> {
    using Type = TCurveStub;
};

template <class I> class TLogged final : public TStubOf<I>::Type {
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
    e.P0 = TPoint3D(1, 2, 3);
    e.P1 = TPoint3D(4, 5, 6);
    e.t0 = 0.25;
    e.t1 = 0.75;
    e.Length = 5.196;
    e.CurveDirection = false;
    return e;
}

} // namespace

class TEdgeTest : public HostFixture {};

TEST_F(TEdgeTest, DestructionReleasesCurveThenVerticesThenEdge)
{
    Released.clear();
    {
        const drApi::TEdge e = Edge("");
    }
    EXPECT_EQ(Released, (std::vector<std::string>{"curve", "v1", "v0", "edge"}));
}

TEST_F(TEdgeTest, AssignmentSharesTheObjectsAndCopiesTheGeometry)
{
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
    EXPECT_FALSE(b.CurveDirection);
    b = a; // the same objects again: nothing released, nothing added
    EXPECT_EQ(Released.size(), 4u);
    EXPECT_EQ(tvhost::RefCountOf(a.V0), 2);

    TArrayOf<drApi::TEdge> edges(2, 2); // an array of edges frees what it holds
    edges.Add(a);
    EXPECT_EQ(tvhost::RefCountOf(a.Edge), 3);
    edges.FreeMemory();
    EXPECT_EQ(tvhost::RefCountOf(a.Edge), 2);
}
