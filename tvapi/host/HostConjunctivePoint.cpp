// Conjunctive points of a stand-in part: a point on a vertex whose frame's Z follows an
// edge's tangent at the curve point nearest the vertex.
#include <cmath>
#include <string>

#include "HostArgs.h"
#include "HostAuxGeometry.h"
#include "HostAuxList.h"
#include "HostModelObject.h"
#include "HostPart.h"
#include "tvapi/Topology.h"

namespace tvhost {

namespace {

// Below this a tangent has no direction.
constexpr double TangentTolerance = 1e-12;

// Journaled as "IConjunctivePoint::<operation>". Built when the vertex has a position and
// the edge a curve with a tangent there.
class THostConjunctivePoint final : public THostModelObjectOf<tvapi::IConjunctivePoint> {
public:
    THostConjunctivePoint() : THostModelObjectOf(tvapi::o3d_unknown) {}

    void SetVertex(tvapi::IModelObjectPtr vertex) override
    {
        if (Enter("IConjunctivePoint::SetVertex", {ObjectArg(vertex.Get())})) FVertex = vertex;
    }
    void SetEdge(tvapi::IModelObjectPtr edge) override
    {
        if (Enter("IConjunctivePoint::SetEdge", {ObjectArg(edge.Get())})) FEdge = edge;
    }
    void SetDirection(bool direction) override
    {
        if (Enter("IConjunctivePoint::SetDirection", {BoolArg(direction)})) FDirection = direction;
    }
    bool GetDirection() override { return Enter("IConjunctivePoint::GetDirection") && FDirection; }
    tvapi::IAPIObjectPtr GetVertex() override
    {
        if (!Enter("IConjunctivePoint::GetVertex") || !FBuilt) return {};
        return tvapi::IAPIObjectPtr(LonePoint(FFrame.Origin));
    }
    tvapi::IAPIObjectPtr GetEdge() override
    {
        if (!Enter("IConjunctivePoint::GetEdge") || !FBuilt) return {};
        return tvapi::IAPIObjectPtr(FCurve);
    }
    bool GetAxis(tvapi::tvObj3dTypeEnum axis, double& x, double& y, double& z) override
    {
        if (!Enter("IConjunctivePoint::GetAxis", {std::to_string(axis)}) || !FBuilt) return false;
        const TXyz* a = axis == tvapi::o3d_axisOX   ? &FFrame.X
                        : axis == tvapi::o3d_axisOY ? &FFrame.Y
                        : axis == tvapi::o3d_axisOZ ? &FFrame.Z
                                                    : nullptr;
        if (!a) return false;
        x = (*a)[0], y = (*a)[1], z = (*a)[2];
        return true;
    }

protected:
    bool Rebuild() override
    {
        FBuilt = Build();
        return FBuilt;
    }

private:
    bool Build()
    {
        const tvapi::IEdgePtr edge(FEdge);
        TXyz p;
        if (!edge || !PositionOf(FVertex, p)) return false;
        FCurve = edge->GetCurve3D();
        double t = 0;
        if (!FCurve || !FCurve->GetParamByPoint(p[0], p[1], p[2], t, false)) return false;
        TXyz d{0, 0, 0};
        FCurve->GetTangentVector(t, d[0], d[1], d[2]);
        const double length = std::sqrt(d[0] * d[0] + d[1] * d[1] + d[2] * d[2]);
        if (!(length > TangentTolerance)) return false;
        const double k = (FDirection ? 1.0 : -1.0) / length;
        FFrame = FrameAlong(p, {d[0] * k, d[1] * k, d[2] * k});
        return true;
    }

    tvapi::IModelObjectPtr FVertex;
    tvapi::IModelObjectPtr FEdge;
    tvapi::IMathCurve3DPtr FCurve;
    TFrame FFrame;
    bool FDirection = true;
    bool FBuilt = false;
};

class THostConjunctivePoints final
    : public THostAuxItemList<tvapi::IConjunctivePoints, tvapi::IConjunctivePointPtr> {
public:
    explicit THostConjunctivePoints(THostPart& owner)
        : THostAuxItemList(owner, "IConjunctivePoints", &THostAuxGeometry::ConjunctivePoints)
    {
    }
    tvapi::IConjunctivePointPtr Add() override
    {
        return Enter("IConjunctivePoints::Add") ? Aux().AddConjunctivePoint() : tvapi::IConjunctivePointPtr();
    }
};

} // namespace

tvapi::IConjunctivePointPtr THostAuxGeometry::AddConjunctivePoint()
{
    FConjunctivePoints.emplace_back(New<THostConjunctivePoint>());
    return tvapi::IConjunctivePointPtr(FConjunctivePoints.back());
}

tvapi::IConjunctivePointsPtr THostPart::GetConjunctivePoints()
{
    if (!Enter("IAuxiliaryGeomContainer::GetConjunctivePoints")) return {};
    return New<THostConjunctivePoints>(*this);
}

} // namespace tvhost
