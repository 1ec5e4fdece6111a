// Bodies of the stand-in host, their faces, edges and vertices, and the curves and surfaces
// these lie on.
#include "HostTopology.h"

#include <array>
#include <cmath>
#include <set>
#include <vector>

#include <BRepAdaptor_Curve.hxx>
#include <BRepAdaptor_Surface.hxx>
#include <BRepGProp.hxx>
#include <BRep_Tool.hxx>
#include <BndLib_Add3dCurve.hxx>
#include <BndLib_AddSurface.hxx>
#include <Bnd_Box.hxx>
#include <Extrema_ExtPC.hxx>
#include <GCPnts_AbscissaPoint.hxx>
#include <GProp_GProps.hxx>
#include <GeomAPI_ProjectPointOnSurf.hxx>
#include <GeomAdaptor_Surface.hxx>
#include <GeomLProp_SLProps.hxx>
#include <Geom_Surface.hxx>
#include <TopExp.hxx>
#include <TopExp_Explorer.hxx>
#include <TopTools_IndexedMapOfShape.hxx>
#include <TopoDS.hxx>
#include <TopoDS_Edge.hxx>
#include <TopoDS_Face.hxx>
#include <TopoDS_Vertex.hxx>

#include "HostDrawingObject.h"
#include "HostKernelCall.h"
#include "HostPlacement.h"
#include "tvapi/Measurement.h"

namespace tvhost {

namespace {

// Normals are asked of the surface's first derivatives; below this they are undefined.
constexpr double NormalResolution = 1e-9;
// A circle whose parameter range is a full turn within this is closed.
constexpr double FullTurnTolerance = 1e-9;
// A point this near a curve lies on it.
constexpr double OnCurveTolerance = 1e-7;

void Out(const gp_XYZ& p, double& x, double& y, double& z)
{
    x = p.X();
    y = p.Y();
    z = p.Z();
}

// `box` written as minimum then maximum; nothing for an empty box.
void Out(const Bnd_Box& box, double& x0, double& y0, double& z0, double& x1, double& y1, double& z1)
{
    if (!box.IsVoid()) box.Get(x0, y0, z0, x1, y1, z1);
}

class THostCurve final : public THostObjectOf<tvapi::IMathCurve3D, tvapi::IMathCurve3DShape> {
public:
    explicit THostCurve(const TopoDS_Edge& edge) : FCurve(edge) {}

    double GetParamMin() override
    {
        return Enter("IMathCurve3D::GetParamMin") ? FCurve.FirstParameter() : 0.0;
    }
    double GetParamMax() override
    {
        return Enter("IMathCurve3D::GetParamMax") ? FCurve.LastParameter() : 0.0;
    }
    void GetPoint(double t, double& x, double& y, double& z) override
    {
        if (Enter("IMathCurve3D::GetPoint", {std::to_string(t)})) Out(FCurve.Value(t).XYZ(), x, y, z);
    }
    void GetTangentVector(double t, double& x, double& y, double& z) override
    {
        if (!Enter("IMathCurve3D::GetTangentVector", {std::to_string(t)})) return;
        gp_Pnt p;
        gp_Vec d;
        FCurve.D1(t, p, d);
        Out(d.XYZ(), x, y, z);
    }
    void GetGabarit(double& x0, double& y0, double& z0, double& x1, double& y1, double& z1) override
    {
        if (!Enter("IMathCurve3D::GetGabarit")) return;
        // Of the curve alone, a straight one by its ends: the kernel's boxes are widened by
        // tolerances, which would part edges that meet.
        Bnd_Box box;
        if (IsStraight()) {
            box.Add(FCurve.Value(FCurve.FirstParameter()));
            box.Add(FCurve.Value(FCurve.LastParameter()));
        } else {
            BndLib_Add3dCurve::AddOptimal(FCurve, 0.0, box);
        }
        Out(box, x0, y0, z0, x1, y1, z1);
    }
    double GetLength(int unit) override
    {
        if (!Enter("IMathCurve3D::GetLength", {std::to_string(unit)})) return 0.0;
        return GCPnts_AbscissaPoint::Length(FCurve);
    }
    bool GetParamByPoint(double x, double y, double z, double& t, bool onCurve) override
    {
        if (!Enter("IMathCurve3D::GetParamByPoint",
                   {std::to_string(x), std::to_string(y), std::to_string(z)}))
            return false;
        double best = 0, distance = 0;
        Nearest(gp_Pnt(x, y, z), best, distance);
        if (onCurve && distance > OnCurveTolerance) return false;
        t = best;
        return true;
    }
    bool IsLineSeg() override { return Enter("IMathCurve3D::IsLineSeg") && FCurve.GetType() == GeomAbs_Line; }
    bool IsCircle() override { return Enter("IMathCurve3D::IsCircle") && IsCircular() && IsFullTurn(); }
    bool IsArc() override { return Enter("IMathCurve3D::IsArc") && IsCircular() && !IsFullTurn(); }
    bool IsEllipse() override
    {
        return Enter("IMathCurve3D::IsEllipse") && FCurve.GetType() == GeomAbs_Ellipse;
    }
    bool IsNurbs() override
    {
        if (!Enter("IMathCurve3D::IsNurbs")) return false;
        return FCurve.GetType() == GeomAbs_BSplineCurve || FCurve.GetType() == GeomAbs_BezierCurve;
    }

    // A line, or a spline of one span of degree 1.
    bool IsStraight() const
    {
        switch (FCurve.GetType()) {
        case GeomAbs_Line:
            return true;
        case GeomAbs_BSplineCurve:
            return FCurve.Degree() == 1 && FCurve.NbPoles() == 2;
        default:
            return false;
        }
    }
    double Length() const { return GCPnts_AbscissaPoint::Length(FCurve); }

    tvapi::tvMathCurve3DTypeEnum GetCurveType() override
    {
        if (!Enter("IMathCurve3DShape::GetCurveType")) return tvapi::tvUnknownCurve3D;
        if (IsStraight()) return tvapi::tvLineSeg3D;
        switch (FCurve.GetType()) {
        case GeomAbs_Circle:
            return tvapi::tvArc3D;
        case GeomAbs_Ellipse:
            return tvapi::tvEllipse3D;
        case GeomAbs_BSplineCurve:
        case GeomAbs_BezierCurve:
            return tvapi::tvNurbs3D;
        default:
            return tvapi::tvUnknownCurve3D;
        }
    }
    double GetRadius() override
    {
        if (!Enter("IMathCurve3DShape::GetRadius") || !IsCircular()) return 0.0;
        return FCurve.Circle().Radius();
    }

private:
    // The parameter of the point nearest p, the ends included, and its distance.
    void Nearest(const gp_Pnt& p, double& t, double& distance) const
    {
        t = FCurve.FirstParameter();
        distance = p.Distance(FCurve.Value(t));
        if (const double end = p.Distance(FCurve.Value(FCurve.LastParameter())); end < distance)
            t = FCurve.LastParameter(), distance = end;
        const Extrema_ExtPC extrema(p, FCurve);
        if (!extrema.IsDone()) return;
        for (int i = 1; i <= extrema.NbExt(); ++i)
            if (const double d = std::sqrt(extrema.SquareDistance(i)); d < distance)
                t = extrema.Point(i).Parameter(), distance = d;
    }
    bool IsCircular() const { return FCurve.GetType() == GeomAbs_Circle; }
    bool IsFullTurn() const
    {
        return std::abs(FCurve.LastParameter() - FCurve.FirstParameter() - 2 * M_PI) <= FullTurnTolerance;
    }

    BRepAdaptor_Curve FCurve;
};

class THostSurface final : public THostObjectOf<tvapi::IMathSurface3D> {
public:
    explicit THostSurface(const TopoDS_Face& face) : FFace(face), FSurface(BRep_Tool::Surface(face)) {}

    void GetGabarit(double& x0, double& y0, double& z0, double& x1, double& y1, double& z1) override
    {
        if (!Enter("IMathSurface3D::GetGabarit")) return;
        Bnd_Box box;
        BndLib_AddSurface::AddOptimal(BRepAdaptor_Surface(FFace, true), 0.0, box);
        Out(box, x0, y0, z0, x1, y1, z1);
    }
    void GetParamUV(double x, double y, double z, bool onlyInside, double& u, double& v) override
    {
        if (!Enter("IMathSurface3D::GetParamUV",
                   {std::to_string(x), std::to_string(y), std::to_string(z), onlyInside ? "true" : "false"}))
            return;
        GeomAPI_ProjectPointOnSurf projection(gp_Pnt(x, y, z), FSurface);
        if (projection.NbPoints() > 0) projection.LowerDistanceParameters(u, v);
    }
    void GetNormal(double u, double v, double& x, double& y, double& z) override
    {
        if (!Enter("IMathSurface3D::GetNormal", {std::to_string(u), std::to_string(v)})) return;
        GeomLProp_SLProps props(FSurface, u, v, 1, NormalResolution);
        if (props.IsNormalDefined()) Out(props.Normal().XYZ(), x, y, z);
    }
    bool IsPlanar() override { return Enter("IMathSurface3D::IsPlanar") && IsPlane(); }
    tvapi::IPlacement3DPtr GetPlacement() override
    {
        if (!Enter("IMathSurface3D::GetPlacement") || !IsPlane()) return {};
        const gp_Ax3 axes = GeomAdaptor_Surface(FSurface).Plane().Position();
        TFrame frame;
        frame.Origin = Xyz(axes.Location());
        frame.X = Xyz(axes.XDirection());
        frame.Y = Xyz(axes.YDirection());
        frame.Z = Xyz(axes.Direction());
        return tvapi::IPlacement3DPtr(New<THostPlacement>(frame));
    }

private:
    bool IsPlane() const { return GeomAdaptor_Surface(FSurface).GetType() == GeomAbs_Plane; }

    TopoDS_Face FFace;
    Handle(Geom_Surface) FSurface;
};

} // namespace

// The entities of one shape by kind, each with its host object once asked for. Entities are
// told apart by the kernel's identity (same entity, same location), whatever the orientation.
class TTopology : public std::enable_shared_from_this<TTopology> {
public:
    explicit TTopology(const TopoDS_Shape& shape)
    {
        TopExp::MapShapes(shape, TopAbs_FACE, FMaps[0]);
        TopExp::MapShapes(shape, TopAbs_EDGE, FMaps[1]);
        TopExp::MapShapes(shape, TopAbs_VERTEX, FMaps[2]);
        for (int k = 0; k < 3; ++k)
            FObjects[k].resize(static_cast<std::size_t>(FMaps[k].Extent()));
    }

    // Every entity of `kind` (o3d_face, o3d_edge, o3d_vertex), in the kernel's order.
    std::vector<tvapi::IModelObjectPtr> All(tvapi::tvObj3dTypeEnum kind)
    {
        std::vector<tvapi::IModelObjectPtr> all;
        const int k = Slot(kind);
        if (k < 0) return all;
        for (int i = 1; i <= FMaps[k].Extent(); ++i)
            all.push_back(Object(k, i));
        return all;
    }
    // The entities of `kind` within `shape`, each once, in the order they are met.
    std::vector<tvapi::IModelObjectPtr> Within(const TopoDS_Shape& shape, tvapi::tvObj3dTypeEnum kind)
    {
        std::vector<tvapi::IModelObjectPtr> found;
        const int k = Slot(kind);
        if (k < 0) return found;
        std::set<int> seen;
        for (TopExp_Explorer it(shape, k == 1 ? TopAbs_EDGE : TopAbs_VERTEX); it.More(); it.Next()) {
            const int i = FMaps[k].FindIndex(it.Current());
            if (i > 0 && seen.insert(i).second) found.push_back(Object(k, i));
        }
        return found;
    }
    tvapi::IModelObjectPtr VertexOf(const TopoDS_Vertex& vertex)
    {
        const int i = FMaps[2].FindIndex(vertex);
        return i > 0 ? Object(2, i) : tvapi::IModelObjectPtr();
    }

    // The body that owns the topology; null once it is gone. Not a reference: the body
    // holds the topology, and the topology its faces.
    THostBody* Owner = nullptr;

private:
    static int Slot(tvapi::tvObj3dTypeEnum kind)
    {
        switch (kind) {
        case tvapi::o3d_face:
            return 0;
        case tvapi::o3d_edge:
            return 1;
        case tvapi::o3d_vertex:
            return 2;
        default:
            return -1;
        }
    }
    tvapi::IModelObjectPtr Object(int k, int i);

    TopTools_IndexedMapOfShape FMaps[3];
    std::vector<tvapi::IModelObjectPtr> FObjects[3];
};

namespace {

class THostVertex final : public THostModelObjectOf<tvapi::IVertex, tvapi::IModelObject> {
public:
    explicit THostVertex(const TopoDS_Vertex& vertex) : THostModelObjectOf(tvapi::o3d_vertex), FVertex(vertex)
    {
    }

    void GetPoint(double& x, double& y, double& z) override
    {
        if (Enter("IVertex::GetPoint")) Out(BRep_Tool::Pnt(FVertex).XYZ(), x, y, z);
    }

    const TopoDS_Vertex& Vertex() const noexcept { return FVertex; }

private:
    TopoDS_Vertex FVertex;
};

// Kept in its forward orientation: its start vertex lies at its curve's smallest parameter.
class THostEdge final : public THostModelObjectOf<tvapi::IEdge, tvapi::IModelObject> {
public:
    THostEdge(std::weak_ptr<TTopology> topology, const TopoDS_Edge& edge)
        : THostModelObjectOf(tvapi::o3d_edge), FTopology(std::move(topology)),
          FEdge(TopoDS::Edge(edge.Oriented(TopAbs_FORWARD)))
    {
    }

    tvapi::IMathCurve3DPtr GetCurve3D() override
    {
        if (!Enter("IEdge::GetCurve3D") || !Curve()) return {};
        return tvapi::IMathCurve3DPtr(FCurve);
    }
    tvapi::IVertexPtr GetVertex(bool end) override
    {
        if (!Enter("IEdge::GetVertex", {end ? "true" : "false"})) return {};
        if (BRep_Tool::IsClosed(FEdge)) return {};
        const std::shared_ptr<TTopology> topology = FTopology.lock();
        if (!topology) return {};
        const TopoDS_Vertex v = end ? TopExp::LastVertex(FEdge) : TopExp::FirstVertex(FEdge);
        return tvapi::IVertexPtr(topology->VertexOf(v));
    }
    bool IsStraight() override { return Enter("IEdge::IsStraight") && Curve() && FCurve->IsStraight(); }
    const TopoDS_Edge& Edge() const noexcept { return FEdge; }
    double GetLength(int unit) override
    {
        if (!Enter("IEdge::GetLength", {std::to_string(unit)}) || !Curve()) return 0.0;
        return FCurve->Length();
    }

private:
    // The edge's curve, made once; null for an edge without a 3D curve.
    THostCurve* Curve()
    {
        if (!FCurve && !BRep_Tool::Degenerated(FEdge) && BRep_Tool::IsGeometric(FEdge))
            FCurve = New<THostCurve>(FEdge);
        return FCurve.Get();
    }

    std::weak_ptr<TTopology> FTopology;
    TopoDS_Edge FEdge;
    tvapi::Ptr<THostCurve> FCurve;
};

// Lists its edges (o3d_edge) and vertices (o3d_vertex).
class THostFace final : public THostFeatureOf<tvapi::IFace, tvapi::IFaceShape, tvapi::IModelObject> {
public:
    THostFace(std::weak_ptr<TTopology> topology, const TopoDS_Face& face)
        : THostFeatureOf(tvapi::o3d_face), FTopology(std::move(topology)), FFace(face)
    {
    }

    tvapi::IMathSurface3DPtr GetSurface() override
    {
        if (!Enter("IFace::GetSurface")) return {};
        if (!FSurface) FSurface = New<THostSurface>(FFace);
        return tvapi::IMathSurface3DPtr(FSurface);
    }
    double GetArea(int unit) override
    {
        if (!Enter("IFace::GetArea", {std::to_string(unit)})) return 0.0;
        GProp_GProps props;
        BRepGProp::SurfaceProperties(FFace, props);
        return props.Mass();
    }
    bool GetOrientation() override
    {
        return Enter("IFace::GetOrientation") && FFace.Orientation() != TopAbs_REVERSED;
    }
    tvapi::IBodyPtr GetBody() override
    {
        if (!Enter("IFace::GetBody")) return {};
        const std::shared_ptr<TTopology> topology = FTopology.lock();
        return topology ? tvapi::IBodyPtr(topology->Owner) : tvapi::IBodyPtr();
    }
    bool IsCylinder() override { return Enter("IFaceShape::IsCylinder") && Kind() == GeomAbs_Cylinder; }
    bool IsCone() override { return Enter("IFaceShape::IsCone") && Kind() == GeomAbs_Cone; }
    double GetRadius() override
    {
        if (!Enter("IFaceShape::GetRadius")) return 0.0;
        const BRepAdaptor_Surface surface(FFace, false);
        switch (surface.GetType()) {
        case GeomAbs_Cylinder:
            return surface.Cylinder().Radius();
        case GeomAbs_Cone:
            return surface.Cone().RefRadius();
        case GeomAbs_Sphere:
            return surface.Sphere().Radius();
        default:
            return 0.0;
        }
    }

    const TopoDS_Face& Face() const noexcept { return FFace; }

protected:
    std::vector<tvapi::IModelObjectPtr> ObjectsOf(tvapi::tvObj3dTypeEnum kind) override
    {
        const std::shared_ptr<TTopology> topology = FTopology.lock();
        return topology ? topology->Within(FFace, kind) : std::vector<tvapi::IModelObjectPtr>();
    }

private:
    GeomAbs_SurfaceType Kind() const { return BRepAdaptor_Surface(FFace, false).GetType(); }

    std::weak_ptr<TTopology> FTopology;
    TopoDS_Face FFace;
    tvapi::Ptr<THostSurface> FSurface;
};

} // namespace

TShape FaceShapeOf(const tvapi::IModelObjectPtr& face)
{
    const auto* host = dynamic_cast<const THostFace*>(face.Get());
    return host ? std::make_shared<const TopoDS_Shape>(host->Face()) : TShape();
}

tvapi::IModelObjectPtr TTopology::Object(int k, int i)
{
    tvapi::IModelObjectPtr& made = FObjects[k][static_cast<std::size_t>(i - 1)];
    if (made) return made;
    const TopoDS_Shape& shape = FMaps[k].FindKey(i);
    switch (k) {
    case 0:
        made = tvapi::IModelObjectPtr(New<THostFace>(weak_from_this(), TopoDS::Face(shape)).Get());
        break;
    case 1:
        made = tvapi::IModelObjectPtr(New<THostEdge>(weak_from_this(), TopoDS::Edge(shape)).Get());
        break;
    default:
        made = tvapi::IModelObjectPtr(New<THostVertex>(TopoDS::Vertex(shape)).Get());
        break;
    }
    return made;
}

THostBody::THostBody(TShape shape)
    : THostFeatureOf(tvapi::o3d_body), FShape(std::move(shape)),
      FTopology(FShape ? std::make_shared<TTopology>(*FShape) : nullptr)
{
    if (FTopology) FTopology->Owner = this;
}

THostBody::~THostBody()
{
    if (FTopology) FTopology->Owner = nullptr;
}

void THostBody::GetGabarit(double& x0, double& y0, double& z0, double& x1, double& y1, double& z1)
{
    if (!Enter("IBody::GetGabarit") || !FShape) return;
    const std::array<double, 6> b = BoxOf(FShape);
    x0 = b[0], y0 = b[1], z0 = b[2], x1 = b[3], y1 = b[4], z1 = b[5];
}

double THostBody::Volume() const
{
    return tvhost::Volume(FShape);
}

double THostBody::GetVolume()
{
    return Enter("IBody::GetVolume") ? Volume() : 0.0;
}

int THostBody::GetSolidCount()
{
    return Enter("IBody::GetSolidCount") ? SolidCount(FShape) : 0;
}

std::vector<tvapi::IModelObjectPtr> THostBody::ObjectsOf(tvapi::tvObj3dTypeEnum kind)
{
    return Entities(kind);
}

std::vector<tvapi::IModelObjectPtr> THostBody::Entities(tvapi::tvObj3dTypeEnum kind) const
{
    return FTopology ? FTopology->All(kind) : std::vector<tvapi::IModelObjectPtr>();
}

namespace {

// The model object behind a body or one of its entities, for its name.
template <class F> void WithNamed(const tvapi::IModelObject* entity, F f)
{
    if (auto* body = dynamic_cast<const THostBody*>(entity)) return f(const_cast<THostBody&>(*body));
    if (auto* face = dynamic_cast<const THostFace*>(entity)) return f(const_cast<THostFace&>(*face));
    if (auto* edge = dynamic_cast<const THostEdge*>(entity)) return f(const_cast<THostEdge&>(*edge));
    if (auto* vertex = dynamic_cast<const THostVertex*>(entity)) f(const_cast<THostVertex&>(*vertex));
}

} // namespace

std::wstring EntityName(const tvapi::IModelObject* entity)
{
    std::wstring name;
    WithNamed(entity, [&](auto& named) { name = named.Name(); });
    return name;
}

void SetEntityName(tvapi::IModelObject* entity, const std::wstring& name)
{
    WithNamed(entity, [&](auto& named) { named.Rename(name); });
}

void CopyEntityNames(const THostBody& from, THostBody& to)
{
    to.Rename(from.Name());
    for (const tvapi::tvObj3dTypeEnum kind : {tvapi::o3d_face, tvapi::o3d_edge, tvapi::o3d_vertex}) {
        const std::vector<tvapi::IModelObjectPtr> a = from.Entities(kind), b = to.Entities(kind);
        for (std::size_t i = 0; i < a.size() && i < b.size(); ++i)
            SetEntityName(b[i].Get(), EntityName(a[i].Get()));
    }
}

void THostBody::SetAdvancedColor(int color, double ambient, double diffuse, double specularity,
                                 double shininess, double transparency, double emission)
{
    if (!Enter("IColorParam::SetAdvancedColor",
               {std::to_string(color), NumberArg(ambient), NumberArg(diffuse), NumberArg(specularity),
                NumberArg(shininess), NumberArg(transparency), NumberArg(emission)}))
        return;
    FColor = {color, tvapi::useColorOur, ambient, diffuse, specularity, shininess, transparency, emission};
}

bool THostBody::ResetDisplay()
{
    const TColor plain;
    const bool changed =
        FColor.Color != plain.Color || FColor.Use != plain.Use || FColor.Transparency != plain.Transparency;
    FColor = plain;
    return changed;
}

void THostBody::SetUseColor(tvapi::tvUseColorEnum use)
{
    if (Enter("IColorParam::SetUseColor", {std::to_string(use)})) FColor.Use = use;
}

void THostBody::SetColor(int color)
{
    if (Enter("IColorParam::SetColor", {std::to_string(color)})) FColor.Color = color;
}

int THostBody::GetColor()
{
    return Enter("IColorParam::GetColor") ? FColor.Color : 0;
}

void THostBody::SetAmbient(double value)
{
    if (Enter("IColorParam::SetAmbient", {std::to_string(value)})) FColor.Ambient = value;
}

void THostBody::SetDiffuse(double value)
{
    if (Enter("IColorParam::SetDiffuse", {std::to_string(value)})) FColor.Diffuse = value;
}

void THostBody::SetSpecularity(double value)
{
    if (Enter("IColorParam::SetSpecularity", {std::to_string(value)})) FColor.Specularity = value;
}

void THostBody::SetShininess(double value)
{
    if (Enter("IColorParam::SetShininess", {std::to_string(value)})) FColor.Shininess = value;
}

void THostBody::SetTransparency(double value)
{
    if (Enter("IColorParam::SetTransparency", {std::to_string(value)})) FColor.Transparency = value;
}

void THostBody::SetEmission(double value)
{
    if (Enter("IColorParam::SetEmission", {std::to_string(value)})) FColor.Emission = value;
}

THostBodyPtr MakeBody(TShape shape)
{
    return New<THostBody>(std::move(shape));
}

TShape ShapeOfEntity(const tvapi::IAPIObject* entity)
{
    if (const auto* face = dynamic_cast<const THostFace*>(entity))
        return std::make_shared<const TopoDS_Shape>(face->Face());
    if (const auto* edge = dynamic_cast<const THostEdge*>(entity))
        return std::make_shared<const TopoDS_Shape>(edge->Edge());
    if (const auto* vertex = dynamic_cast<const THostVertex*>(entity))
        return std::make_shared<const TopoDS_Shape>(vertex->Vertex());
    return {};
}

TShape EdgeShape(const tvapi::IModelObject* object)
{
    return dynamic_cast<const THostEdge*>(object) ? ShapeOfEntity(object) : TShape{};
}

} // namespace tvhost
