#pragma once
// drApi::TEdge: one edge of a 3D body with its evaluated geometry, as the library keeps it
// between host calls. The four host objects are held by counted pointers: assignment shares
// them (the same object keeps its reference), destruction releases Curve, V1, V0 and Edge in
// that order, which is the reverse of their declaration.

#include "Mathemat3d.h"
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
};

} // namespace drApi
