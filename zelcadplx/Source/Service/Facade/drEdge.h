#pragma once
// drApi::TEdge: one edge of a 3D body with its evaluated geometry, as the library keeps it
// between host calls; drApi::TAOfEdge: host edges, asked whether an edge or an edge's ends
// are among them. The four host objects of a record are held by counted pointers: assignment
// shares them (the same object keeps its reference), destruction releases Curve, V1, V0 and
// Edge in that order, which is the reverse of their declaration.

#include <algorithm>
#include <vector>

#include "Mathemat3d.h"
#include "TArray.h"
#include "tvapi/ModelObjects.h"
#include "tvapi/Topology.h"

namespace drApi {

struct TEdge {
    tvapi::IEdgePtr Edge;
    tvapi::IVertexPtr V0;         // start vertex
    tvapi::IVertexPtr V1;         // end vertex
    tvapi::IMathCurve3DPtr Curve; // the curve the edge lies on
    TPoint3D P0;                  // start point
    TPoint3D P1;                  // end point
    Real t0 = 0.0;                // curve parameter at the start
    Real t1 = 0.0;                // curve parameter at the end
    Real Length = 0.0;
    Boolean CurveDirection = true; // the edge runs along the curve's direction

    TEdge() = default;
    // The edge with its vertices and their points; the curve is not read. A closed edge has
    // no vertices and keeps both points at the origin.
    explicit TEdge(tvapi::IEdgePtr const& E);

    Real GetTMin() const noexcept { return std::min(t0, t1); }
    Real GetTMax() const noexcept { return std::max(t0, t1); }
    // Edge, vertices and vertex points, then the curve; an empty E only empties Edge.
    void Set(tvapi::IEdgePtr E);
    // Curve, its parameter range, end points (they replace the vertex points) and length.
    void EvaluateCurve();
    // The tangent at the start (Vertex false) or end (true), pointing into the edge.
    void GetTangent(Boolean Vertex, TVector3D& Result) const;
    // The parameter step of ValueStep millimetres along the edge.
    Real GetDt(Real const& ValueStep) const;
    // The curve's point at the parameter t; P unchanged without curve.
    void PointOn(Real const& t, TPoint3D& P) const;
    Boolean IsStraight() const;
    // Both straight and their chords equal or opposite within 1e-5 (not normalised).
    Boolean IsColinear(TEdge const& E) const;
};

class TAOfEdge : public TArrayOf<tvapi::IEdgePtr> {
public:
    static constexpr Integer Step = 32; // room and growth step

    // The list's elements as edges (empty where one is no edge).
    explicit TAOfEdge(std::vector<tvapi::IModelObjectPtr>& EC);
    // The face's edges in the host's order; none for an empty face.
    explicit TAOfEdge(tvapi::IFacePtr& F);
    ~TAOfEdge() override = default;

    // E equals one of the edges (EquEdge at 0.001).
    Boolean Exist(tvapi::IEdgePtr E) const;
    // Where E's ends meet the array's edges' ends (within 1e-5): 0 nowhere, 1 its start only,
    // 2 its end only, 3 both, or E itself is in the array.
    UInteger ExistVertex(TEdge& E) const;

private:
    void Fill(const std::vector<tvapi::IModelObjectPtr>& EC);
};

} // namespace drApi
