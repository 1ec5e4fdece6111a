#pragma once
// Host geometry: the model objects of one kind that belong to a model object, and whether two
// vertices, edges or faces of host bodies are the same piece of geometry (never by host
// identity: two objects in the same place are equal). Tolerances are absolute, in
// millimetres, per coordinate; a difference that is not a number fails every test.

#include <vector>

#include "Mathemat3d.h"
#include "Placement3D.h"
#include "tvapi/ModelObjects.h"
#include "tvapi/Topology.h"

namespace drApi {

// The model objects of kind TO of Obj's feature (Obj converted to a feature), in the host's
// order; empty for an empty Obj, or one that is no feature.
std::vector<tvapi::IModelObjectPtr> GetObjects(tvapi::IModelObjectPtr Obj, tvapi::tvObj3dTypeEnum TO);

// D becomes S element by element converted to D's interface (empty where it is refused).
template <class S, class D> void Copy(const std::vector<S>& Source, std::vector<D>& Dest)
{
    Dest.clear();
    Dest.reserve(Source.size());
    for (const S& s : Source)
        Dest.emplace_back(D(s));
}

// As GetObjects, through the feature Obj names as its own, converted to T.
template <class T> std::vector<T> GetObjects(tvapi::IModelObjectPtr Obj, tvapi::tvObj3dTypeEnum TO)
{
    std::vector<T> result;
    const tvapi::IFeaturePtr feature = Obj ? Obj->GetFeature() : tvapi::IFeaturePtr();
    if (!feature) return result;
    Copy(feature->GetModelObjects({TO}), result);
    return result;
}

Boolean EquVertex(tvapi::IVertexPtr& V1, tvapi::IVertexPtr& V2, Real Eps);
// Same curve piece: boxes meet within Eps, lengths agree within 2e-6, a common kind, and the
// start, middle and end points agree within Eps running the same way or opposite ways.
Boolean EquEdge(tvapi::IEdgePtr& E1, tvapi::IEdgePtr& E2, Real Eps);
// Same surface piece: areas within Eps, surface boxes within 1e-5, and the edges equal pair
// by pair in the host's order.
Boolean EquFace(tvapi::IFacePtr& F1, tvapi::IFacePtr& F2, Real Eps);
// The edge's point at the fraction t of its parameter range; Result unchanged without curve.
void GetCurvePoint3D(tvapi::IEdgePtr& Edge, Real const& t, TPoint3D& Result);
// An edge of F1 by which F1 touches F2, searched from position Next of F1's edge list (a
// negative Next counts as 0): the first edge of F1 equal to one of F2's (EquEdge at 0.001),
// or lying on one line with one of F2's straight edges so that their boxes meet within 0.1.
// Empty when there is none, a face is empty or lacks a surface, or the faces' surface boxes
// lie more than 0.1 apart (then no edge is asked for).
tvapi::IEdgePtr GetLinkEdge(tvapi::IFacePtr& F1, tvapi::IFacePtr& F2, Integer const Next);
// F1 and F2 share an edge, and their outer normals at its middle make an angle whose cosine is
// above 0.85 (less than about 31.8 degrees); false when anything is missing.
Boolean isSmoothedLinked(tvapi::IFacePtr& F1, tvapi::IFacePtr& F2);
// Some edge of F equals E (EquEdge at 0.001); false for an empty F.
Boolean ExistEdge(tvapi::IFacePtr& F, tvapi::IEdgePtr& E);
// The surface's box into G; false, G unchanged, for an empty surface.
Boolean GetGabaryt(tvapi::IMathSurface3DPtr S, TCube3D& G);
// The edge keeps one z (within 2e-6) at its start and quarter points.
Boolean EdgeInPlaneXOY(tvapi::IEdgePtr Edge);
// The edge's points at the parameters 0, 0.5 and 1 lie at z = Z within 1e-4.
Boolean EdgeInPlaneZ(tvapi::IEdgePtr Edge, Real const& Z);

// The frame of a planar surface (origin, X, Y corrected to be perpendicular); false, Result
// unchanged, for an empty or unplanar surface or one without placement.
Boolean GetPlacement3D(tvapi::IMathSurface3DPtr& fromSurface, TPlacement3D& Result);
// The frame of the sketch's plane; false, Placement unchanged, when there is none.
Boolean GetPlacement3D(tvapi::ISketchPtr& Sketch, TPlacement3D& Placement);

} // namespace drApi
