// Auxiliary geometry of a stand-in part: default and construction planes and axes.
#include "HostAuxGeometry.h"

#include <cmath>
#include <string>

#include "HostArgs.h"
#include "HostModelObject.h"
#include "HostPart.h"
#include "HostPlacement.h"

namespace tvhost {

namespace {

// Below this a length or a cross product counts as zero: coincident points, parallel planes.
constexpr double GeometryTolerance = 1e-9;
constexpr double Pi = 3.14159265358979323846;

TXyz Add(const TXyz& a, const TXyz& b)
{
    return {a[0] + b[0], a[1] + b[1], a[2] + b[2]};
}
TXyz Sub(const TXyz& a, const TXyz& b)
{
    return {a[0] - b[0], a[1] - b[1], a[2] - b[2]};
}
TXyz Scale(const TXyz& a, double k)
{
    return {a[0] * k, a[1] * k, a[2] * k};
}
double Dot(const TXyz& a, const TXyz& b)
{
    return a[0] * b[0] + a[1] * b[1] + a[2] * b[2];
}
TXyz Cross(const TXyz& a, const TXyz& b)
{
    return {a[1] * b[2] - a[2] * b[1], a[2] * b[0] - a[0] * b[2], a[0] * b[1] - a[1] * b[0]};
}
double Norm(const TXyz& a)
{
    return std::sqrt(Dot(a, a));
}

// `v` turned by `angle` radians about the unit axis `k` (Rodrigues).
TXyz Rotated(const TXyz& v, const TXyz& k, double angle)
{
    const double c = std::cos(angle);
    return Add(Add(Scale(v, c), Scale(Cross(k, v), std::sin(angle))), Scale(k, Dot(k, v) * (1 - c)));
}

// An unbounded plane: its parameters are its frame's (u, v); its box is its origin.
class THostPlaneSurface final : public THostObjectOf<tvapi::IMathSurface3D> {
public:
    explicit THostPlaneSurface(const TFrame& frame) noexcept : FFrame(frame) {}

    void GetGabarit(double& minX, double& minY, double& minZ, double& maxX, double& maxY,
                    double& maxZ) override
    {
        if (!Enter("IMathSurface3D::GetGabarit")) return;
        minX = maxX = FFrame.Origin[0];
        minY = maxY = FFrame.Origin[1];
        minZ = maxZ = FFrame.Origin[2];
    }
    void GetParamUV(double x, double y, double z, bool, double& u, double& v) override
    {
        if (!Enter("IMathSurface3D::GetParamUV", {std::to_string(x), std::to_string(y), std::to_string(z)}))
            return;
        const TXyz d = Sub({x, y, z}, FFrame.Origin);
        u = Dot(d, FFrame.X);
        v = Dot(d, FFrame.Y);
    }
    void GetNormal(double, double, double& x, double& y, double& z) override
    {
        if (!Enter("IMathSurface3D::GetNormal")) return;
        x = FFrame.Z[0];
        y = FFrame.Z[1];
        z = FFrame.Z[2];
    }
    bool IsPlanar() override { return Enter("IMathSurface3D::IsPlanar"); }
    tvapi::IPlacement3DPtr GetPlacement() override
    {
        if (!Enter("IMathSurface3D::GetPlacement")) return {};
        return New<THostPlacement>(FFrame);
    }

private:
    TFrame FFrame;
};

// Journaled as "IModelObject::<operation>", "IPlane3D::GetSurface" and
// "IHiddenState::<operation>"; the kinds add their own setters.
template <class I>
class THostPlaneOf : public THostModelObjectOf<I, tvapi::IHiddenState>, public THostPlaneGeometry {
public:
    tvapi::IMathSurface3DPtr GetSurface() override
    {
        if (!THostObject::Enter("IPlane3D::GetSurface") || !FBuilt) return {};
        return New<THostPlaneSurface>(FFrame);
    }
    void SetHidden(bool hidden) override
    {
        if (THostObject::Enter("IHiddenState::SetHidden", {BoolArg(hidden)})) FHidden = hidden;
    }
    bool GetHidden() override { return THostObject::Enter("IHiddenState::GetHidden") && FHidden; }
    bool PlaneFrame(TFrame& frame) const override
    {
        if (FBuilt) frame = FFrame;
        return FBuilt;
    }

protected:
    explicit THostPlaneOf(tvapi::tvObj3dTypeEnum kind) noexcept
        : THostModelObjectOf<I, tvapi::IHiddenState>(kind)
    {
    }
    // The frame from the parameters; false when they give none.
    virtual bool Compute(TFrame& frame) = 0;
    bool Rebuild() override
    {
        TFrame frame;
        FBuilt = Compute(frame);
        if (FBuilt) FFrame = frame;
        return FBuilt;
    }

private:
    TFrame FFrame;
    bool FBuilt = false;
    bool FHidden = false;
};

// A plane built at a frame given once: a default plane, or a plane as a file keeps it.
class THostFixedPlane final : public THostPlaneOf<tvapi::IPlane3D> {
public:
    THostFixedPlane(tvapi::tvObj3dTypeEnum kind, const TFrame& frame, std::wstring name = {})
        : THostPlaneOf(kind), FGiven(frame)
    {
        FName = std::move(name);
        Rebuild();
    }

protected:
    bool Compute(TFrame& frame) override
    {
        frame = FGiven;
        return true;
    }

private:
    TFrame FGiven;
};

class THostPlaneByOffset final : public THostPlaneOf<tvapi::IPlane3DByOffset> {
public:
    THostPlaneByOffset() : THostPlaneOf(tvapi::o3d_planeOffset) {}

    void SetBasePlane(tvapi::IModelObjectPtr plane) override
    {
        if (Enter("IPlane3DByOffset::SetBasePlane", {ObjectArg(plane.Get())})) FBase = plane;
    }
    void SetOffset(double offset) override
    {
        if (Enter("IPlane3DByOffset::SetOffset", {std::to_string(offset)})) FOffset = offset;
    }
    void SetDirection(bool direction) override
    {
        if (Enter("IPlane3DByOffset::SetDirection", {BoolArg(direction)})) FDirection = direction;
    }
    double GetOffset() override { return Enter("IPlane3DByOffset::GetOffset") ? FOffset : 0.0; }
    bool GetDirection() override { return Enter("IPlane3DByOffset::GetDirection") && FDirection; }

protected:
    bool Compute(TFrame& frame) override
    {
        if (!PlaneFrameOf(FBase, frame) || !std::isfinite(FOffset)) return false;
        frame.Origin = Add(frame.Origin, Scale(frame.Z, FDirection ? FOffset : -FOffset));
        return true;
    }

private:
    tvapi::IModelObjectPtr FBase;
    double FOffset = 0.0;
    bool FDirection = true;
};

class THostPlaneByAngle final : public THostPlaneOf<tvapi::IPlane3DByAngle> {
public:
    THostPlaneByAngle() : THostPlaneOf(tvapi::o3d_planeAngle) {}

    void SetBasePlane(tvapi::IModelObjectPtr plane) override
    {
        if (Enter("IPlane3DByAngle::SetBasePlane", {ObjectArg(plane.Get())})) FBase = plane;
    }
    void SetAxis(tvapi::IModelObjectPtr axis) override
    {
        if (Enter("IPlane3DByAngle::SetAxis", {ObjectArg(axis.Get())})) FAxis = axis;
    }
    void SetDirection(bool direction) override
    {
        if (Enter("IPlane3DByAngle::SetDirection", {BoolArg(direction)})) FDirection = direction;
    }
    void SetAngle(double angle) override
    {
        if (Enter("IPlane3DByAngle::SetAngle", {std::to_string(angle)})) FAngle = angle;
    }
    double GetAngle() override { return Enter("IPlane3DByAngle::GetAngle") ? FAngle : 0.0; }
    bool GetDirection() override { return Enter("IPlane3DByAngle::GetDirection") && FDirection; }

protected:
    // The base frame turned about the axis line; the origin turns with it.
    bool Compute(TFrame& frame) override
    {
        TXyz a, k;
        if (!PlaneFrameOf(FBase, frame) || !AxisLineOf(FAxis, a, k) || !std::isfinite(FAngle)) return false;
        const double turn = (FDirection ? FAngle : -FAngle) * Pi / 180.0;
        frame.Origin = Add(a, Rotated(Sub(frame.Origin, a), k, turn));
        frame.X = Rotated(frame.X, k, turn);
        frame.Y = Rotated(frame.Y, k, turn);
        frame.Z = Rotated(frame.Z, k, turn);
        return true;
    }

private:
    tvapi::IModelObjectPtr FBase;
    tvapi::IModelObjectPtr FAxis;
    double FAngle = 0.0;
    bool FDirection = true;
};

class THostPlaneBy3Points final : public THostPlaneOf<tvapi::IPlane3DBy3Points> {
public:
    THostPlaneBy3Points() : THostPlaneOf(tvapi::o3d_plane3Points) {}

    void SetPoint(int index, tvapi::IModelObjectPtr point) override
    {
        if (!Enter("IPlane3DBy3Points::SetPoint", {std::to_string(index), ObjectArg(point.Get())})) return;
        if (index >= 0 && index < 3) FPoints[static_cast<std::size_t>(index)] = point;
    }

protected:
    // Origin at the first point, u towards the second; collinear points give no plane.
    bool Compute(TFrame& frame) override
    {
        TXyz p[3];
        for (std::size_t i = 0; i < 3; ++i)
            if (!PositionOf(FPoints[i], p[i])) return false;
        const TXyz u = Sub(p[1], p[0]);
        const TXyz w = Sub(p[2], p[0]);
        if (Norm(Cross(u, w)) < GeometryTolerance) return false;
        frame = TFrame::Of(p[0], u, w);
        return true;
    }

private:
    tvapi::IModelObjectPtr FPoints[3];
};

class THostPlaneParallel final : public THostPlaneOf<tvapi::IPlane3DParallelByPoint> {
public:
    THostPlaneParallel() : THostPlaneOf(tvapi::o3d_planeParallel) {}

    void SetPlane(tvapi::IModelObjectPtr plane) override
    {
        if (Enter("IPlane3DParallelByPoint::SetPlane", {ObjectArg(plane.Get())})) FBase = plane;
    }
    void SetPoint(tvapi::IModelObjectPtr point) override
    {
        if (Enter("IPlane3DParallelByPoint::SetPoint", {ObjectArg(point.Get())})) FPoint = point;
    }

protected:
    bool Compute(TFrame& frame) override
    {
        return PlaneFrameOf(FBase, frame) && PositionOf(FPoint, frame.Origin);
    }

private:
    tvapi::IModelObjectPtr FBase;
    tvapi::IModelObjectPtr FPoint;
};

class THostPlanePerpendicular final : public THostPlaneOf<tvapi::IPlane3DPerpendicularByEdge> {
public:
    THostPlanePerpendicular() : THostPlaneOf(tvapi::o3d_planePerpendicular) {}

    void SetEdge(tvapi::IModelObjectPtr edge) override
    {
        if (Enter("IPlane3DPerpendicularByEdge::SetEdge", {ObjectArg(edge.Get())})) FEdge = edge;
    }
    void SetPoint(tvapi::IModelObjectPtr point) override
    {
        if (Enter("IPlane3DPerpendicularByEdge::SetPoint", {ObjectArg(point.Get())})) FPoint = point;
    }

protected:
    // The normal runs from the edge's start to its end: a straight edge's direction.
    bool Compute(TFrame& frame) override
    {
        const tvapi::IEdgePtr edge(FEdge);
        TXyz origin;
        if (!edge || !PositionOf(FPoint, origin)) return false;
        TXyz a, b;
        if (!PositionOf(tvapi::IModelObjectPtr(edge->GetVertex(false)), a) ||
            !PositionOf(tvapi::IModelObjectPtr(edge->GetVertex(true)), b))
            return false;
        const TXyz d = Sub(b, a);
        if (Norm(d) < GeometryTolerance) return false;
        frame = FrameAlong(origin, Scale(d, 1.0 / Norm(d)));
        return true;
    }

private:
    tvapi::IModelObjectPtr FEdge;
    tvapi::IModelObjectPtr FPoint;
};

// Journaled as "IModelObject::<operation>" and "IAxis3DBy2Planes::<operation>". A default
// axis is built from the start on its base line.
class THostAxis final : public THostModelObjectOf<tvapi::IAxis3DBy2Planes>, public THostAxisGeometry {
public:
    THostAxis() : THostModelObjectOf(tvapi::o3d_axis2Planes) {}
    THostAxis(tvapi::tvObj3dTypeEnum kind, const TXyz& direction)
        : THostModelObjectOf(kind), FDirection(direction), FBuilt(true), FFixed(true)
    {
    }

    void SetPlane(int index, tvapi::IModelObjectPtr plane) override
    {
        if (!Enter("IAxis3DBy2Planes::SetPlane", {std::to_string(index), ObjectArg(plane.Get())})) return;
        if (index >= 0 && index < 2) FPlanes[static_cast<std::size_t>(index)] = plane;
    }
    bool GetLine(double& x, double& y, double& z, double& dx, double& dy, double& dz) override
    {
        if (!Enter("IAxis3DBy2Planes::GetLine") || !FBuilt) return false;
        x = FPoint[0], y = FPoint[1], z = FPoint[2];
        dx = FDirection[0], dy = FDirection[1], dz = FDirection[2];
        return true;
    }
    bool AxisLine(TXyz& point, TXyz& direction) const override
    {
        if (FBuilt) point = FPoint, direction = FDirection;
        return FBuilt;
    }

protected:
    bool Rebuild() override
    {
        if (!FFixed) FBuilt = Intersect();
        return FBuilt;
    }

private:
    // The line of both planes, through its point nearest the origin; parallel planes give none.
    bool Intersect()
    {
        TFrame a, b;
        if (!PlaneFrameOf(FPlanes[0], a) || !PlaneFrameOf(FPlanes[1], b)) return false;
        const TXyz& n1 = a.Z;
        const TXyz& n2 = b.Z;
        const TXyz d = Cross(n1, n2);
        const double det = Dot(d, d);
        if (std::sqrt(det) < GeometryTolerance) return false;
        const double d1 = Dot(n1, a.Origin), d2 = Dot(n2, b.Origin), c = Dot(n1, n2);
        FPoint =
            Scale(Add(Scale(n1, d1 * Dot(n2, n2) - d2 * c), Scale(n2, d2 * Dot(n1, n1) - d1 * c)), 1.0 / det);
        FDirection = Scale(d, 1.0 / std::sqrt(det));
        return true;
    }

    tvapi::IModelObjectPtr FPlanes[2];
    TXyz FPoint{0, 0, 0};
    TXyz FDirection{0, 0, 1};
    bool FBuilt = false;
    bool FFixed = false;
};

// Journaled as "<Interface>::<operation>"; the owner's geometry is reached through the part.
template <class I, class Item> class THostAuxList final : public THostObjectOf<I> {
public:
    THostAuxList(THostPart& owner, bool planes) : FOwner(tvapi::IPartPtr(&owner)), FPlanes(planes) {}

    int GetCount() override
    {
        if (!THostObject::Enter(Op("GetCount"))) return 0;
        return static_cast<int>(List().size());
    }
    Item GetItem(int index) override
    {
        if (!THostObject::Enter(Op("GetItem"), {std::to_string(index)})) return {};
        if (index < 0 || static_cast<std::size_t>(index) >= List().size()) return {};
        return Item(List()[static_cast<std::size_t>(index)]);
    }
    tvapi::IModelObjectPtr Add(tvapi::tvObj3dTypeEnum kind) override
    {
        if (!THostObject::Enter(Op("Add"), {std::to_string(kind)})) return {};
        THostAuxGeometry& aux = HostAs<THostPart>(FOwner)->AuxGeometry();
        return FPlanes ? aux.AddPlane(kind) : aux.AddAxis(kind);
    }

private:
    std::string Op(const char* name) const
    {
        return std::string(FPlanes ? "IPlanes3D::" : "IAxes3D::") + name;
    }
    const std::vector<tvapi::IModelObjectPtr>& List() const
    {
        const THostAuxGeometry& aux = HostAs<THostPart>(FOwner)->AuxGeometry();
        return FPlanes ? aux.Planes() : aux.Axes();
    }

    tvapi::IPartPtr FOwner;
    bool FPlanes;
};

} // namespace

TFrame FrameAlong(const TXyz& origin, const TXyz& normal)
{
    const TXyz helper = std::fabs(normal[2]) < 0.9 ? TXyz{0, 0, 1} : TXyz{1, 0, 0};
    const TXyz x = Cross(helper, normal);
    return TFrame::Of(origin, x, Cross(normal, x));
}

bool PositionOf(const tvapi::IModelObjectPtr& object, TXyz& position)
{
    if (const tvapi::IVertexPtr vertex(object); vertex) {
        vertex->GetPoint(position[0], position[1], position[2]);
        return true;
    }
    const tvapi::IPoint3DPtr point(object);
    if (!point) return false;
    position = {point->GetX(), point->GetY(), point->GetZ()};
    return true;
}

bool PlaneFrameOf(const tvapi::IModelObjectPtr& plane, TFrame& frame)
{
    const auto* geometry = dynamic_cast<const THostPlaneGeometry*>(plane.Get());
    return geometry && geometry->PlaneFrame(frame);
}

bool HelixOf(const tvapi::IModelObjectPtr& spiral, THelix& helix)
{
    const auto* geometry = dynamic_cast<const THostHelixGeometry*>(spiral.Get());
    return geometry && geometry->Helix(helix);
}

bool AxisLineOf(const tvapi::IModelObjectPtr& axis, TXyz& point, TXyz& direction)
{
    const auto* geometry = dynamic_cast<const THostAxisGeometry*>(axis.Get());
    return geometry && geometry->AxisLine(point, direction);
}

tvapi::IModelObjectPtr FixedPlane(tvapi::tvObj3dTypeEnum kind, const std::wstring& name, const TFrame& frame)
{
    return tvapi::IModelObjectPtr(New<THostFixedPlane>(kind, frame, name));
}

bool THostAuxGeometry::IsDefault(const tvapi::IModelObjectPtr& object) const
{
    if (!object) return false;
    for (const auto& made : FDefaults)
        if (made.second == object) return true;
    return false;
}

tvapi::IModelObjectPtr THostAuxGeometry::Default(tvapi::tvObj3dTypeEnum kind)
{
    for (const auto& [made, object] : FDefaults)
        if (made == kind) return object;
    tvapi::IModelObjectPtr made;
    switch (kind) {
    case tvapi::o3d_planeXOY:
    case tvapi::o3d_planeXOZ:
    case tvapi::o3d_planeYOZ:
        made = New<THostFixedPlane>(kind, BasePlaneFrame(kind));
        break;
    case tvapi::o3d_axisOX:
        made = New<THostAxis>(kind, TXyz{1, 0, 0});
        break;
    case tvapi::o3d_axisOY:
        made = New<THostAxis>(kind, TXyz{0, 1, 0});
        break;
    case tvapi::o3d_axisOZ:
        made = New<THostAxis>(kind, TXyz{0, 0, 1});
        break;
    default:
        return {};
    }
    FDefaults.emplace_back(kind, made);
    return made;
}

tvapi::IModelObjectPtr THostAuxGeometry::AddPlane(tvapi::tvObj3dTypeEnum kind)
{
    tvapi::IModelObjectPtr made;
    switch (kind) {
    case tvapi::o3d_planeOffset:
        made = New<THostPlaneByOffset>();
        break;
    case tvapi::o3d_planeAngle:
        made = New<THostPlaneByAngle>();
        break;
    case tvapi::o3d_plane3Points:
        made = New<THostPlaneBy3Points>();
        break;
    case tvapi::o3d_planeParallel:
        made = New<THostPlaneParallel>();
        break;
    case tvapi::o3d_planePerpendicular:
        made = New<THostPlanePerpendicular>();
        break;
    default:
        return {};
    }
    FPlanes.push_back(made);
    return made;
}

tvapi::IModelObjectPtr THostAuxGeometry::AddAxis(tvapi::tvObj3dTypeEnum kind)
{
    if (kind != tvapi::o3d_axis2Planes) return {};
    FAxes.push_back(New<THostAxis>());
    return FAxes.back();
}

tvapi::IPlanes3DPtr THostPart::GetPlanes3D()
{
    if (!Enter("IAuxiliaryGeomContainer::GetPlanes3D")) return {};
    return New<THostAuxList<tvapi::IPlanes3D, tvapi::IPlane3DPtr>>(*this, true);
}

tvapi::IAxes3DPtr THostPart::GetAxes3D()
{
    if (!Enter("IAuxiliaryGeomContainer::GetAxes3D")) return {};
    return New<THostAuxList<tvapi::IAxes3D, tvapi::IModelObjectPtr>>(*this, false);
}

tvapi::IModelObjectPtr THostPart::GetDefaultObject(tvapi::tvObj3dTypeEnum kind)
{
    if (!Enter("IAuxiliaryGeomContainer::GetDefaultObject", {std::to_string(kind)})) return {};
    return FAux.Default(kind);
}

} // namespace tvhost
