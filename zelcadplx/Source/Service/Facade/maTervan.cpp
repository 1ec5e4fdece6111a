// Host geometry: objects of a model object, identity of vertices, edges and faces, and the
// frames of planar surfaces and sketches.
#include "maTervan.h"

#include <algorithm>
#include <cmath>

#include "drEdge.h"

namespace drApi {

namespace {

constexpr Real SurfaceBoxTolerance = 1e-5; // faces on one surface piece
constexpr Real PlaneZTolerance = 1e-4;     // an edge lies at a given z
// Samples along an edge: start, middle and end; a range of no length or not finite would
// otherwise never pass its end.
constexpr int EdgeSamples = 3;
constexpr int FlatSamples = 4;
constexpr Real LinkEps = 0.001;     // edges of touching faces agree within this
constexpr Real TouchBoxEps = 0.1;   // boxes of touching faces or edges meet within this
constexpr Real SmoothCosine = 0.85; // normals closer than this cosine meet smoothly
constexpr Real ColinearEps = 1e-5;  // directions and points on one line agree within this

TCube3D Box(tvapi::IMathCurve3D& C)
{
    TCube3D G;
    C.GetGabarit(G.Min.x, G.Min.y, G.Min.z, G.Max.x, G.Max.y, G.Max.z);
    return G;
}

TPoint3D At(tvapi::IMathCurve3D& C, Real t)
{
    TPoint3D P;
    C.GetPoint(t, P.x, P.y, P.z);
    return P;
}

// Some kind of C1 is also C2's; C1 of no kind passes. C2 is asked only about C1's kinds.
Boolean KindsAgree(tvapi::IMathCurve3D& C1, tvapi::IMathCurve3D& C2)
{
    using TKind = bool (tvapi::IMathCurve3D::*)();
    constexpr TKind kinds[] = {&tvapi::IMathCurve3D::IsLineSeg, &tvapi::IMathCurve3D::IsCircle,
                               &tvapi::IMathCurve3D::IsArc, &tvapi::IMathCurve3D::IsEllipse,
                               &tvapi::IMathCurve3D::IsNurbs};
    bool had[5] = {};
    bool any = false;
    for (int k = 0; k < 5; ++k)
        any = (had[k] = (C1.*kinds[k])()) || any;
    if (!any) return true;
    for (int k = 0; k < 5; ++k)
        if (had[k] && (C2.*kinds[k])()) return true;
    return false;
}

// The samples of C1 from a1 by d1 agree with those of C2 from t2 by d2 (d2 negative: backwards).
Boolean SamplesAgree(tvapi::IMathCurve3D& C1, Real a1, Real b1, Real d1, tvapi::IMathCurve3D& C2, Real t2,
                     Real d2, Real Eps)
{
    Real t1 = a1;
    for (int i = 0; i < EdgeSamples; ++i) {
        if (!At(C1, t1).EquEps(At(C2, t2), Eps)) return false;
        t1 += d1;
        t2 += d2;
        if (t1 > b1) break;
    }
    return true;
}

} // namespace

std::vector<tvapi::IModelObjectPtr> GetObjects(tvapi::IModelObjectPtr Obj, tvapi::tvObj3dTypeEnum TO)
{
    const tvapi::IFeaturePtr feature(Obj);
    if (!feature) return {};
    return feature->GetModelObjects({TO});
}

Boolean EquVertex(tvapi::IVertexPtr& V1, tvapi::IVertexPtr& V2, Real Eps)
{
    if (!V1 || !V2) return false;
    TPoint3D P1, P2;
    V1->GetPoint(P1.x, P1.y, P1.z);
    V2->GetPoint(P2.x, P2.y, P2.z);
    return P1.EquEps(P2, Eps);
}

Boolean EquEdge(tvapi::IEdgePtr& E1, tvapi::IEdgePtr& E2, Real Eps)
{
    if (!E1 || !E2) return false;
    const tvapi::IMathCurve3DPtr C1 = E1->GetCurve3D(), C2 = E2->GetCurve3D();
    if (!C1 || !C2) return false;
    if (!Box(*C1).IsCommon(Box(*C2), Eps)) return false;
    const Real a1 = C1->GetParamMin(), b1 = C1->GetParamMax();
    const Real a2 = C2->GetParamMin(), b2 = C2->GetParamMax();
    if (!(std::fabs(E1->GetLength(1) - E2->GetLength(1)) <= TMathDef::metricPrecision)) return false;
    if (!KindsAgree(*C1, *C2)) return false;
    if (b1 < a1) return true;
    const Real d1 = 0.5 * (a1 + b1) - a1, d2 = 0.5 * (a2 + b2) - a2;
    return SamplesAgree(*C1, a1, b1, d1, *C2, a2, d2, Eps) ||
           SamplesAgree(*C1, a1, b1, d1, *C2, b2, -d2, Eps);
}

Boolean EquFace(tvapi::IFacePtr& F1, tvapi::IFacePtr& F2, Real Eps)
{
    if (!F1 || !F2) return false;
    if (!(std::fabs(F1->GetArea(1) - F2->GetArea(1)) <= Eps)) return false;
    const tvapi::IMathSurface3DPtr S1 = F1->GetSurface(), S2 = F2->GetSurface();
    TCube3D G1, G2;
    if (!GetGabaryt(S1, G1) || !GetGabaryt(S2, G2)) return false;
    if (!G1.EquEps(G2, SurfaceBoxTolerance)) return false;
    std::vector<tvapi::IEdgePtr> EC1, EC2;
    Copy(GetObjects(tvapi::IModelObjectPtr(F1), tvapi::o3d_edge), EC1);
    Copy(GetObjects(tvapi::IModelObjectPtr(F2), tvapi::o3d_edge), EC2);
    if (EC1.size() != EC2.size()) return false;
    for (std::size_t i = 0; i < EC1.size(); ++i)
        if (!EquEdge(EC1[i], EC2[i], Eps)) return false;
    return true;
}

void GetCurvePoint3D(tvapi::IEdgePtr& Edge, Real const& t, TPoint3D& Result)
{
    const tvapi::IMathCurve3DPtr C = Edge ? Edge->GetCurve3D() : tvapi::IMathCurve3DPtr();
    if (!C) return;
    const Real tmin = C->GetParamMin(), tmax = C->GetParamMax();
    C->GetPoint(tmin + (tmax - tmin) * t, Result.x, Result.y, Result.z);
}

namespace {

std::vector<tvapi::IEdgePtr> EdgesOf(tvapi::IFacePtr& F)
{
    std::vector<tvapi::IEdgePtr> edges;
    Copy(GetObjects(tvapi::IModelObjectPtr(F), tvapi::o3d_edge), edges);
    return edges;
}

TCube3D SpanOf(const TEdge& E)
{
    return TCube3D(TPoint3D(std::fmin(E.P0.x, E.P1.x), std::fmin(E.P0.y, E.P1.y), std::fmin(E.P0.z, E.P1.z)),
                   TPoint3D(std::fmax(E.P0.x, E.P1.x), std::fmax(E.P0.y, E.P1.y), std::fmax(E.P0.z, E.P1.z)));
}

// Two straight edges on one line whose spans meet: faces of different bodies that touch
// along part of a side share no equal edge.
Boolean OverlapOnOneLine(tvapi::IEdgePtr& EI, tvapi::IEdgePtr& EJ)
{
    if (!EI->IsStraight() || !EJ->IsStraight()) return false;
    const TEdge TEI(EI), TEJ(EJ);
    TVector3D VI = TEI.P1 - TEI.P0, VJ = TEJ.P1 - TEJ.P0;
    VI.Normalize();
    VJ.Normalize();
    if (!VI.EquEps(VJ, ColinearEps) && !VI.EquEps(-VJ, ColinearEps)) return false;
    const TPlacement3D PEI(TEI.P0, VI);
    TPoint3D PJ;
    PEI.PointProjection(TEJ.P0, PJ);
    if (!PJ.EquEps(TEI.P0, ColinearEps)) return false;
    return SpanOf(TEJ).IsCommon(SpanOf(TEI), TouchBoxEps);
}

TVector3D NormalAt(tvapi::IMathSurface3D& S, const TPoint3D& P, bool outer)
{
    Real u = 0, v = 0;
    S.GetParamUV(P.x, P.y, P.z, false, u, v);
    TVector3D N;
    S.GetNormal(u, v, N.x, N.y, N.z);
    return outer ? N : -N;
}

TPoint3D MiddleOf(tvapi::IMathCurve3D& C)
{
    return At(C, (C.GetParamMin() + C.GetParamMax()) * 0.5);
}

} // namespace

tvapi::IEdgePtr GetLinkEdge(tvapi::IFacePtr& F1, tvapi::IFacePtr& F2, Integer const Next)
{
    if (!F1 || !F2) return {};
    const tvapi::IMathSurface3DPtr S1 = F1->GetSurface(), S2 = F2->GetSurface();
    if (!S1 || !S2) return {};
    TCube3D G1, G2;
    GetGabaryt(S1, G1);
    GetGabaryt(S2, G2);
    if (!G1.IsCommon(G2, TouchBoxEps)) return {};
    std::vector<tvapi::IEdgePtr> EC1 = EdgesOf(F1), EC2 = EdgesOf(F2);
    for (std::size_t i = static_cast<std::size_t>(std::max(Next, 0)); i < EC1.size(); ++i) {
        if (!EC1[i]) continue;
        for (tvapi::IEdgePtr& EJ : EC2)
            if (EJ && (EquEdge(EC1[i], EJ, LinkEps) || OverlapOnOneLine(EC1[i], EJ))) return EC1[i];
    }
    return {};
}

Boolean isSmoothedLinked(tvapi::IFacePtr& F1, tvapi::IFacePtr& F2)
{
    if (!F1 || !F2) return false;
    std::vector<tvapi::IEdgePtr> EC1 = EdgesOf(F1), EC2 = EdgesOf(F2);
    tvapi::IEdgePtr EI, EJ;
    for (std::size_t i = 0; i < EC1.size() && !EI; ++i)
        for (tvapi::IEdgePtr& E : EC2)
            if (EC1[i] && E && EquEdge(EC1[i], E, LinkEps)) {
                EI = EC1[i];
                EJ = E;
                break;
            }
    if (!EI) return false;
    const tvapi::IMathCurve3DPtr CI = EI->GetCurve3D(), CJ = EJ->GetCurve3D();
    if (!CI || !CJ) return false;
    const tvapi::IMathSurface3DPtr SI = F1->GetSurface(), SJ = F2->GetSurface();
    if (!SI || !SJ) return false;
    const TVector3D NI = NormalAt(*SI, MiddleOf(*CI), F1->GetOrientation());
    const TVector3D NJ = NormalAt(*SJ, MiddleOf(*CJ), F2->GetOrientation());
    const Real cosine = (NI * NJ) / (NI.Len() * NJ.Len());
    return cosine > SmoothCosine; // false for NaN as well
}

Boolean ExistEdge(tvapi::IFacePtr& F, tvapi::IEdgePtr& E)
{
    if (!F) return false;
    for (tvapi::IEdgePtr& EI : EdgesOf(F))
        if (EquEdge(EI, E, LinkEps)) return true;
    return false;
}

Boolean GetGabaryt(tvapi::IMathSurface3DPtr S, TCube3D& G)
{
    if (!S) return false;
    S->GetGabarit(G.Min.x, G.Min.y, G.Min.z, G.Max.x, G.Max.y, G.Max.z);
    return true;
}

Boolean EdgeInPlaneXOY(tvapi::IEdgePtr Edge)
{
    const tvapi::IMathCurve3DPtr C = Edge ? Edge->GetCurve3D() : tvapi::IMathCurve3DPtr();
    if (!C) return false;
    Real t = C->GetParamMin();
    const Real te = C->GetParamMax();
    if (!std::isfinite(t) || !std::isfinite(te)) return false;
    const Real dt = (te - t) * 0.25;
    const Real Z = At(*C, t).z;
    for (int i = 0; i < FlatSamples; ++i) {
        t += dt;
        if (t > te) break;
        if (std::fabs(At(*C, t).z - Z) > TMathDef::metricPrecision) return false;
    }
    return true;
}

Boolean EdgeInPlaneZ(tvapi::IEdgePtr Edge, Real const& Z)
{
    const tvapi::IMathCurve3DPtr C = Edge ? Edge->GetCurve3D() : tvapi::IMathCurve3DPtr();
    if (!C) return false;
    for (const Real t : {0.0, 0.5, 1.0})
        if (std::fabs(At(*C, t).z - Z) > PlaneZTolerance) return false;
    return true;
}

Boolean GetPlacement3D(tvapi::IMathSurface3DPtr& fromSurface, TPlacement3D& Result)
{
    if (!fromSurface || !fromSurface->IsPlanar()) return false;
    const tvapi::IPlacement3DPtr PL = fromSurface->GetPlacement();
    if (!PL) return false;
    TPoint3D PO;
    TVector3D PX(0, 0, 0), PY(0, 0, 0);
    PL->GetOrigin(PO.x, PO.y, PO.z);
    PL->GetAxis(tvapi::o3d_axisOX, PX.x, PX.y, PX.z);
    PL->GetAxis(tvapi::o3d_axisOY, PY.x, PY.y, PY.z);
    Result.Set(PO, PX, PY);
    return true;
}

Boolean GetPlacement3D(tvapi::ISketchPtr& Sketch, TPlacement3D& Placement)
{
    if (!Sketch) return false;
    const tvapi::IPlane3DPtr Plane(Sketch->GetPlane());
    if (!Plane) return false;
    tvapi::IMathSurface3DPtr SurfaceSketch = Plane->GetSurface();
    return GetPlacement3D(SurfaceSketch, Placement);
}

} // namespace drApi
