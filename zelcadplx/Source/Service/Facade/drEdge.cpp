// Edge records and edge arrays over the host's edges.
#include "drEdge.h"

#include <cmath>

#include "maTervan.h"

namespace drApi {

namespace {

constexpr Real EdgeTolerance = 0.001; // the same edge
constexpr Real EndTolerance = 1e-5;   // ends that meet, chords that agree

TPoint3D PointOf(const tvapi::IVertexPtr& V)
{
    TPoint3D P;
    V->GetPoint(P.x, P.y, P.z);
    return P;
}

} // namespace

TEdge::TEdge(tvapi::IEdgePtr const& E) : Edge(E)
{
    if (!E) return;
    V0 = E->GetVertex(false);
    V1 = E->GetVertex(true);
    if (V0) P0 = PointOf(V0);
    if (V1) P1 = PointOf(V1);
}

void TEdge::Set(tvapi::IEdgePtr E)
{
    Edge = E;
    if (!E) return;
    V0 = E->GetVertex(false);
    V1 = E->GetVertex(true);
    if (V0) P0 = PointOf(V0);
    if (V1) P1 = PointOf(V1);
    EvaluateCurve();
}

void TEdge::EvaluateCurve()
{
    if (!Edge) return;
    Curve = Edge->GetCurve3D();
    if (!Curve) return;
    t0 = Curve->GetParamMin();
    t1 = Curve->GetParamMax();
    Curve->GetPoint(t0, P0.x, P0.y, P0.z);
    Curve->GetPoint(t1, P1.x, P1.y, P1.z);
    CurveDirection = t1 > t0;
    Length = Curve->GetLength(1);
}

void TEdge::GetTangent(Boolean Vertex, TVector3D& Result) const
{
    if (!Curve) return;
    const Real t = Vertex ? t1 : t0;
    Curve->GetTangentVector(t, Result.x, Result.y, Result.z);
    if (std::fabs(t - GetTMax()) <= TMathDef::paramPrecision) Result.Set(-Result.x, -Result.y, -Result.z);
}

Real TEdge::GetDt(Real const& ValueStep) const
{
    return (GetTMax() - GetTMin()) / (Length / ValueStep);
}

void TEdge::PointOn(Real const& t, TPoint3D& P) const
{
    if (Curve) Curve->GetPoint(t, P.x, P.y, P.z);
}

Boolean TEdge::IsStraight() const
{
    return Edge && Edge->IsStraight();
}

Boolean TEdge::IsColinear(TEdge const& E) const
{
    if (!IsStraight() || !E.IsStraight()) return false;
    const TVector3D TV1 = P1 - P0, TV2 = E.P1 - E.P0;
    const TVector3D Back(-TV2.x, -TV2.y, -TV2.z);
    return TV1.EquEps(TV2, EndTolerance) || TV1.EquEps(Back, EndTolerance);
}

TAOfEdge::TAOfEdge(std::vector<tvapi::IModelObjectPtr>& EC) : TArrayOf(Step, Step)
{
    Fill(EC);
}

TAOfEdge::TAOfEdge(tvapi::IFacePtr& F) : TArrayOf(Step, Step)
{
    if (F) Fill(GetObjects(tvapi::IModelObjectPtr(F), tvapi::o3d_edge));
}

void TAOfEdge::Fill(const std::vector<tvapi::IModelObjectPtr>& EC)
{
    const auto n = static_cast<Integer>(EC.size());
    if (n > Step) SetSize(n);
    for (const tvapi::IModelObjectPtr& element : EC)
        Add(tvapi::IEdgePtr(element));
}

Boolean TAOfEdge::Exist(tvapi::IEdgePtr E) const
{
    if (!E) return false;
    for (Integer I = 0; I < Count; ++I) {
        tvapi::IEdgePtr entry = FArray[I];
        if (EquEdge(E, entry, EdgeTolerance)) return true;
    }
    return false;
}

UInteger TAOfEdge::ExistVertex(TEdge& E) const
{
    if (!E.Edge) return 0;
    UInteger s = 0;
    for (Integer I = 0; I < Count; ++I) {
        tvapi::IEdgePtr entry = FArray[I];
        if (!entry) continue;
        if (EquEdge(E.Edge, entry, EdgeTolerance)) return 3;
        const TEdge Other(entry);
        if (E.P0.EquEps(Other.P0, EndTolerance) || E.P0.EquEps(Other.P1, EndTolerance)) {
            if (s == 2) return 3;
            s = 1;
        }
        if (E.P1.EquEps(Other.P0, EndTolerance) || E.P1.EquEps(Other.P1, EndTolerance)) {
            if (s == 1) return 3;
            s = 2;
        }
    }
    return s;
}

} // namespace drApi
