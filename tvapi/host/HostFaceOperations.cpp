// Thickenings, trimmed surfaces, billets and outline curves of a stand-in part.
#include "HostFaceOperations.h"

#include <cmath>
#include <string>

#include <BRepAdaptor_Surface.hxx>
#include <BRepAlgoAPI_Common.hxx>
#include <BRepAlgoAPI_Section.hxx>
#include <BRepBuilderAPI_Transform.hxx>
#include <BRepOffsetAPI_MakeThickSolid.hxx>
#include <BRepPrimAPI_MakeHalfSpace.hxx>
#include <TopExp_Explorer.hxx>
#include <TopoDS.hxx>
#include <gp_Ax2.hxx>
#include <gp_Trsf.hxx>
#include <nlohmann/json.hpp>

#include "HostArgs.h"
#include "HostAuxGeometry.h"
#include "HostAuxList.h"
#include "HostDocumentFile.h"
#include "HostDrawingObject.h"
#include "HostKernelCall.h"
#include "HostModelFile.h"
#include "HostPart.h"
#include "HostPlainList.h"
#include "HostTopology.h"

namespace tvhost {

namespace {

using json = nlohmann::json;
using TObjects = std::vector<tvapi::IModelObjectPtr>;

// A direction shorter than this has none (mm).
constexpr double NoLength = 1.0e-9;

bool HasFaces(const TShape& shape)
{
    return shape && TopExp_Explorer(*shape, TopAbs_FACE).More();
}

json ShapesJson(const std::vector<TShape>& shapes)
{
    json out = json::array();
    for (const TShape& shape : shapes)
        out.push_back(BRepText(shape));
    return out;
}

std::vector<TShape> ShapesOf(const json& in, const char* what)
{
    std::vector<TShape> shapes;
    for (const json& piece : in)
        shapes.push_back(ShapeOfFileText(piece.get<std::string>(), what));
    return shapes;
}

std::vector<TShape> FaceShapes(const TObjects& faces)
{
    std::vector<TShape> shapes;
    for (const tvapi::IModelObjectPtr& face : faces)
        if (TShape shape = FaceShapeOf(face)) shapes.push_back(std::move(shape));
    return shapes;
}

// `face` grown into a solid `offset` along its normal (against it when negative).
TShape Thickened(const TShape& face, double offset)
{
    return Guarded(
        [&] {
            BRepOffsetAPI_MakeThickSolid maker;
            maker.MakeThickSolidBySimple(*face, offset);
            maker.Build();
            if (!maker.IsDone()) return TShape();
            // The simple offset of a lone face may come out inside out.
            const TShape solid = Keep(maker.Shape());
            return solid && Volume(solid) < 0.0 ? Keep(solid->Reversed()) : solid;
        },
        TShape());
}

// The plane of a planar face, its normal out of the face's material side.
bool FacePlane(const TShape& face, TFrame& frame)
{
    if (!face || face->ShapeType() != TopAbs_FACE) return false;
    const BRepAdaptor_Surface surface(TopoDS::Face(*face));
    if (surface.GetType() != GeomAbs_Plane) return false;
    const gp_Ax3 ax = surface.Plane().Position();
    gp_Dir n = ax.Direction();
    if (face->Orientation() == TopAbs_REVERSED) n.Reverse();
    frame = FrameAlong(Xyz(ax.Location()), Xyz(n));
    return true;
}

// `surfaces` with what lies on the other side of each plane cut away: the side its normal
// points to is kept when `sense`, the other side otherwise.
TShape Trimmed(const std::vector<TShape>& surfaces, const std::vector<TFrame>& planes, bool sense)
{
    const TShape trimmed = Guarded(
        [&] {
            TShape result = MakeCompound(surfaces);
            for (const TFrame& plane : planes) {
                const double side = sense ? 1.0 : -1.0;
                const gp_Pnt ref = Pnt(plane.Origin).Translated(Vec(plane.Z, side));
                const TopoDS_Shape half =
                    BRepPrimAPI_MakeHalfSpace(TopoDS::Face(*PlaneFace(plane, PlaneReach)), ref).Solid();
                BRepAlgoAPI_Common common(*result, half);
                if (!common.IsDone()) return TShape();
                result = Keep(common.Shape());
            }
            return result;
        },
        TShape());
    return HasFaces(trimmed) ? trimmed : TShape();
}

// `shape` mirrored in the YOZ plane.
TShape Mirrored(const TShape& shape)
{
    gp_Trsf mirror;
    mirror.SetMirror(gp_Ax2(gp::Origin(), gp::DX()));
    return Made([&] { return BRepBuilderAPI_Transform(*shape, mirror, true).Shape(); });
}

// Journaled as "ISurfaceThickening::<operation>" and "IThinParameters::<operation>".
class THostSurfaceThickening final
    : public THostListedFeature<tvapi::ISurfaceThickening, tvapi::IThinParameters> {
public:
    explicit THostSurfaceThickening(TFeatureListRef list)
        : THostListedFeature(tvapi::o3d_unknown, std::move(list))
    {
    }

    void SetFaces(const TObjects& faces) override
    {
        if (Enter("ISurfaceThickening::SetFaces", {ListArg(faces)})) FFaces = FaceShapes(faces);
    }
    void SetThinWallDirection(bool direction) override
    {
        if (Enter("IThinParameters::SetThinWallDirection", {BoolArg(direction)})) FDirection = direction;
    }
    void SetThickness(bool side, double thickness) override
    {
        if (Enter("IThinParameters::SetThickness", {BoolArg(side), NumberArg(thickness)}))
            FThickness[side ? 1 : 0] = thickness;
    }
    // Each face grows by the thickness of the side the flag chooses: against its normal when
    // the flag is true, along it when false; each becomes a new body.
    bool Apply(TBodies& bodies, std::string& error) override
    {
        const double t = FThickness[FDirection ? 1 : 0];
        if (FFaces.empty() || !(t > 0.0)) {
            error = "the thickening has no faces or no thickness";
            return false;
        }
        TBodies built = bodies;
        for (const TShape& face : FFaces) {
            const TShape solid = Thickened(face, FDirection ? -t : t);
            if (!solid || !ApplyTool(built, solid, tvapi::tvOperationNewBody, false, error)) {
                if (error.empty()) error = "the kernel could not thicken a face";
                return false;
            }
        }
        bodies = std::move(built);
        return true;
    }
    void Write(json& out, const TRefer&) const override
    {
        out = {{"faces", ShapesJson(FFaces)},
               {"direction", FDirection},
               {"thickness", {FThickness[0], FThickness[1]}}};
    }
    void Read(const json& in, const TFind&) override
    {
        FFaces = ShapesOf(in.at("faces"), "a thickening's face");
        FDirection = in.at("direction").get<bool>();
        FThickness[0] = in.at("thickness").at(0).get<double>();
        FThickness[1] = in.at("thickness").at(1).get<double>();
    }

private:
    std::vector<TShape> FFaces;
    bool FDirection = false;
    double FThickness[2] = {0.0, 0.0}; // of the flag values false, true
};

// Journaled as "ITrimmedSurface::<operation>". Trims faces by planes and planar faces.
class THostTrimmedSurface final : public THostListedFeature<tvapi::ITrimmedSurface> {
public:
    explicit THostTrimmedSurface(TFeatureListRef list)
        : THostListedFeature(tvapi::o3d_unknown, std::move(list))
    {
    }

    void SetSurfaces(const TObjects& surfaces) override
    {
        if (Enter("ITrimmedSurface::SetSurfaces", {ListArg(surfaces)})) FSurfaces = FaceShapes(surfaces);
    }
    void SetTrimmingObjects(const TObjects& objects) override
    {
        if (!Enter("ITrimmedSurface::SetTrimmingObjects", {ListArg(objects)})) return;
        FPlanes.clear();
        FStranger = false;
        for (const tvapi::IModelObjectPtr& object : objects) {
            TFrame plane;
            if (PlaneFrameOf(object, plane) || FacePlane(FaceShapeOf(object), plane))
                FPlanes.push_back(plane);
            else
                FStranger = true;
        }
    }
    void SetSense(bool sense) override
    {
        if (Enter("ITrimmedSurface::SetSense", {BoolArg(sense)})) FSense = sense;
    }
    bool Apply(TBodies& bodies, std::string& error) override
    {
        if (FSurfaces.empty() || FPlanes.empty() || FStranger) {
            error = "the trim has no surfaces, or objects that are no planes";
            return false;
        }
        const TShape trimmed = Trimmed(FSurfaces, FPlanes, FSense);
        if (!trimmed) {
            error = "nothing of the surfaces is left on the side kept";
            return false;
        }
        return ApplyTool(bodies, trimmed, tvapi::tvOperationNewBody, true, error);
    }
    void Write(json& out, const TRefer&) const override
    {
        json planes = json::array();
        for (const TFrame& p : FPlanes)
            planes.push_back({p.Origin[0], p.Origin[1], p.Origin[2], p.Z[0], p.Z[1], p.Z[2]});
        out = {{"surfaces", ShapesJson(FSurfaces)}, {"planes", planes}, {"sense", FSense}};
    }
    void Read(const json& in, const TFind&) override
    {
        FSurfaces = ShapesOf(in.at("surfaces"), "a trimmed surface");
        FPlanes.clear();
        FStranger = false;
        for (const json& p : in.at("planes")) {
            const std::vector<double> v = p.get<std::vector<double>>();
            if (v.size() != 6) throw std::invalid_argument("a trimming plane is six numbers");
            FPlanes.push_back(FrameAlong({v[0], v[1], v[2]}, {v[3], v[4], v[5]}));
        }
        FSense = in.at("sense").get<bool>();
    }

private:
    std::vector<TShape> FSurfaces;
    std::vector<TFrame> FPlanes;
    bool FStranger = false; // a trimming object that is no plane
    bool FSense = true;
};

// Journaled as "IBilletObsolete::<operation>" (as model object and feature). The file is read
// when the billet is first built; its bodies are kept with the billet from then on, so a
// part file holds them even when the billet's file goes.
class THostBillet final : public THostListedFeature<tvapi::IBilletObsolete> {
public:
    THostBillet(TFeatureListRef list, std::wstring fileName, bool mirror)
        : THostListedFeature(tvapi::o3d_unknown, std::move(list)), FFileName(std::move(fileName)),
          FReadFrom(BesideLoadedModel(FFileName)), FMirror(mirror)
    {
    }
    bool Apply(TBodies& bodies, std::string& error) override
    {
        if (FShapes.empty() && !ReadShapes(error)) return false;
        TBodies built = bodies;
        for (const TShape& shape : FShapes)
            if (!ApplyTool(built, shape, tvapi::tvOperationNewBody, false, error)) return false;
        bodies = std::move(built);
        return true;
    }
    void Write(json& out, const TRefer&) const override
    {
        out = {{"file", ToUtf8(FFileName)}, {"mirror", FMirror}, {"bodies", ShapesJson(FShapes)}};
    }
    void Read(const json& in, const TFind&) override
    {
        FFileName = FromUtf8(in.at("file").get<std::string>());
        FReadFrom = BesideLoadedModel(FFileName); // as its part's components are
        FMirror = in.at("mirror").get<bool>();
        FShapes = ShapesOf(in.at("bodies"), "a billet's body");
    }

    // Test side.
    const std::wstring& FileName() const noexcept { return FFileName; }
    bool Mirror() const noexcept { return FMirror; }

private:
    bool ReadShapes(std::string& error)
    {
        const tvapi::Ptr<THostPart> part = ReadPartFile(FReadFrom, error);
        if (!part) return false;
        std::vector<TShape> shapes;
        for (const TShape& shape : part->LocalShapes())
            if (TShape placed = FMirror ? Mirrored(shape) : shape) shapes.push_back(std::move(placed));
        if (shapes.empty()) {
            error = "the billet's part has no bodies";
            return false;
        }
        FShapes = std::move(shapes);
        return true;
    }

    std::wstring FFileName; // as the user gave it, and kept
    std::wstring FReadFrom; // where it is read: named from the working folder, or beside its part's file
    bool FMirror = false;
    std::vector<TShape> FShapes;
};

// Journaled as "IBilletsObsoletes::<operation>".
class THostBillets final : public THostObjectOf<tvapi::IBilletsObsoletes> {
public:
    explicit THostBillets(TFeatureListRef list) : FList(std::move(list)) {}

    int GetCount() override
    {
        return Enter("IBilletsObsoletes::GetCount") ? static_cast<int>(Items().size()) : 0;
    }
    tvapi::IBilletObsoletePtr GetItem(int index) override
    {
        if (!Enter("IBilletsObsoletes::GetItem", {std::to_string(index)})) return {};
        const TObjects all = Items();
        if (index < 0 || static_cast<std::size_t>(index) >= all.size()) return {};
        return tvapi::IBilletObsoletePtr(all[static_cast<std::size_t>(index)]);
    }
    tvapi::IBilletObsoletePtr Add(const wchar_t* fileName, bool mirror) override
    {
        if (!Enter("IBilletsObsoletes::Add", {ToUtf8(fileName ? fileName : L""), BoolArg(mirror)})) return {};
        const std::shared_ptr<TFeatureList> list = FList.lock();
        if (!list || !fileName) return {};
        return NewBillet(list, fileName, mirror);
    }

private:
    TObjects Items() const
    {
        const std::shared_ptr<TFeatureList> list = FList.lock();
        return list ? list->Features({ListKindBillet}) : TObjects{};
    }

    TFeatureListRef FList;
};

// Journaled as "IVector3DByCoefficientsParameters::<operation>".
class THostVectorCoefficients final : public THostObjectOf<tvapi::IVector3DByCoefficientsParameters> {
public:
    void SetX(double x) override { Set("SetX", 0, x); }
    void SetY(double y) override { Set("SetY", 1, y); }
    void SetZ(double z) override { Set("SetZ", 2, z); }

    TXyz Value{0, 0, 0};

private:
    void Set(const char* op, std::size_t i, double v)
    {
        if (Enter(std::string("IVector3DByCoefficientsParameters::") + op, {NumberArg(v)})) Value[i] = v;
    }
};

// Journaled as "IVector3D::<operation>"; it has parameters once its type is the coefficients.
class THostVector3D final : public THostObjectOf<tvapi::IVector3D> {
public:
    THostVector3D() : FCoefficients(New<THostVectorCoefficients>()) {}

    void SetParametersType(tvapi::tvVector3DParametersTypeEnum type) override
    {
        if (Enter("IVector3D::SetParametersType", {std::to_string(type)})) FType = type;
    }
    tvapi::IAPIObjectPtr GetParameters() override
    {
        if (!Enter("IVector3D::GetParameters") || FType != tvapi::tvVector3DCoefficients) return {};
        return tvapi::IAPIObjectPtr(FCoefficients);
    }
    // The direction given; false before the coefficients were chosen.
    bool Direction(TXyz& v) const
    {
        if (FType != tvapi::tvVector3DCoefficients) return false;
        v = FCoefficients->Value;
        return true;
    }

private:
    int FType = 0;
    tvapi::Ptr<THostVectorCoefficients> FCoefficients;
};

// Journaled as "ICurveOutLine::<operation>". Built when some face has an outline.
class THostCurveOutLine final : public THostModelObjectOf<tvapi::ICurveOutLine> {
public:
    THostCurveOutLine() : THostModelObjectOf(tvapi::o3d_unknown), FVector(New<THostVector3D>()) {}

    void SetFaces(const TObjects& faces) override
    {
        if (Enter("ICurveOutLine::SetFaces", {ListArg(faces)})) FFaces = faces;
    }
    tvapi::IVector3DPtr GetDirectionVector() override
    {
        if (!Enter("ICurveOutLine::GetDirectionVector")) return {};
        return tvapi::IVector3DPtr(FVector);
    }
    bool Outline(TShape& curves, std::vector<TShape>& cuts) const
    {
        if (!FCurves) return false;
        curves = FCurves;
        cuts = FCuts;
        return true;
    }

protected:
    bool Rebuild() override
    {
        FCurves.reset();
        FCuts.clear();
        TXyz view;
        if (!FVector->Direction(view) || std::hypot(view[0], view[1], view[2]) < NoLength) return false;
        std::vector<TShape> pieces, cuts;
        for (const TShape& face : FaceShapes(FFaces)) {
            TFrame plane;
            if (!OutlinePlane(face, view, plane)) continue;
            const TShape cut = PlaneFace(plane, PlaneReach);
            if (TShape section = Section(face, cut); HasEdges(section)) {
                pieces.push_back(std::move(section));
                cuts.push_back(cut);
            }
        }
        if (pieces.empty()) return false;
        FCurves = MakeCompound(pieces);
        FCuts = std::move(cuts);
        return true;
    }

private:
    static bool HasEdges(const TShape& shape) { return shape && TopExp_Explorer(*shape, TopAbs_EDGE).More(); }
    static TShape Section(const TShape& face, const TShape& plane)
    {
        return Made([&] {
            BRepAlgoAPI_Section section(*face, *plane, true);
            return section.IsDone() ? section.Shape() : TopoDS_Shape();
        });
    }

    TObjects FFaces;
    tvapi::Ptr<THostVector3D> FVector;
    TShape FCurves;
    std::vector<TShape> FCuts;
};

// Journaled as "ICurveOutLines::<operation>".
class THostCurveOutLines final : public THostAuxItemList<tvapi::ICurveOutLines, tvapi::ICurveOutLinePtr> {
public:
    explicit THostCurveOutLines(THostPart& owner)
        : THostAuxItemList(owner, "ICurveOutLines", &THostAuxGeometry::CurveOutLines)
    {
    }
    tvapi::ICurveOutLinePtr Add() override
    {
        if (!Enter("ICurveOutLines::Add")) return {};
        return Aux().AddCurveOutLine();
    }
};

} // namespace

bool OutlinePlane(const TShape& face, const TXyz& view, TFrame& plane)
{
    if (!face || face->ShapeType() != TopAbs_FACE) return false;
    const BRepAdaptor_Surface surface(TopoDS::Face(*face));
    const gp_Vec v = Vec(view);
    if (v.Magnitude() < NoLength) return false;
    if (surface.GetType() == GeomAbs_Cylinder) {
        const gp_Ax1 axis = surface.Cylinder().Axis();
        const gp_Vec a(axis.Direction());
        const gp_Vec n = v - a * v.Dot(a); // the view square to the axis
        if (n.Magnitude() < NoLength * v.Magnitude()) return false;
        const gp_Pnt o = axis.Location();
        plane = FrameAlong(Xyz(o), Xyz(n));
        return true;
    }
    if (surface.GetType() == GeomAbs_Sphere) {
        const gp_Pnt c = surface.Sphere().Location();
        const gp_Dir n(v);
        plane = FrameAlong(Xyz(c), Xyz(n));
        return true;
    }
    return false;
}

bool OutlineOf(const tvapi::IModelObjectPtr& object, TShape& curves, std::vector<TShape>& cuts)
{
    const THostCurveOutLine* outline = HostAs<THostCurveOutLine>(object);
    return outline && outline->Outline(curves, cuts);
}

tvapi::ISurfaceThickeningPtr NewSurfaceThickening(const std::shared_ptr<TFeatureList>& list)
{
    const tvapi::Ptr<THostSurfaceThickening> feature = New<THostSurfaceThickening>(list);
    list->Append(tvapi::IModelObjectPtr(feature), *feature, ListKindThickening);
    return tvapi::ISurfaceThickeningPtr(feature);
}

tvapi::ITrimmedSurfacePtr NewTrimmedSurface(const std::shared_ptr<TFeatureList>& list)
{
    const tvapi::Ptr<THostTrimmedSurface> feature = New<THostTrimmedSurface>(list);
    list->Append(tvapi::IModelObjectPtr(feature), *feature, ListKindTrimmed);
    return tvapi::ITrimmedSurfacePtr(feature);
}

tvapi::IBilletObsoletePtr NewBillet(const std::shared_ptr<TFeatureList>& list, std::wstring fileName,
                                    bool mirror)
{
    const tvapi::Ptr<THostBillet> feature = New<THostBillet>(list, std::move(fileName), mirror);
    list->Append(tvapi::IModelObjectPtr(feature), *feature, ListKindBillet);
    return tvapi::IBilletObsoletePtr(feature);
}

tvapi::ICurveOutLinePtr NewCurveOutLine()
{
    return tvapi::ICurveOutLinePtr(New<THostCurveOutLine>());
}

tvapi::ICurveOutLinePtr THostAuxGeometry::AddCurveOutLine()
{
    const tvapi::ICurveOutLinePtr outline = NewCurveOutLine();
    FCurveOutLines.emplace_back(outline);
    return outline;
}

tvapi::ISurfaceThickeningsPtr THostPart::GetSurfaceThickenings()
{
    if (!Enter("IModelContainer::GetSurfaceThickenings")) return {};
    return tvapi::ISurfaceThickeningsPtr(
        New<THostPlainList<tvapi::ISurfaceThickenings, tvapi::ISurfaceThickening>>(
            "ISurfaceThickenings", FFeatures, ListKindThickening, NewSurfaceThickening));
}

tvapi::ITrimmedSurfacesPtr THostPart::GetTrimmedSurfaces()
{
    if (!Enter("ISurfaceContainer::GetTrimmedSurfaces")) return {};
    return tvapi::ITrimmedSurfacesPtr(New<THostPlainList<tvapi::ITrimmedSurfaces, tvapi::ITrimmedSurface>>(
        "ITrimmedSurfaces", FFeatures, ListKindTrimmed, NewTrimmedSurface));
}

tvapi::IBilletsObsoletesPtr THostPart::GetBilletsObsoletes()
{
    if (!Enter("IModelContainer::GetBilletsObsoletes")) return {};
    return tvapi::IBilletsObsoletesPtr(New<THostBillets>(FFeatures));
}

tvapi::ICurveOutLinesPtr THostPart::GetCurveOutLines()
{
    if (!Enter("IAuxiliaryGeomContainer::GetCurveOutLines")) return {};
    return tvapi::ICurveOutLinesPtr(New<THostCurveOutLines>(*this));
}

// The stand-in builds no offset surfaces, face removals, sewings, scalings or 3D contours.
tvapi::IEquidistantSurfacesPtr THostPart::GetEquidistantSurfaces()
{
    (void)Enter("ISurfaceContainer::GetEquidistantSurfaces");
    return {};
}

tvapi::IFaceRemoversPtr THostPart::GetFaceRemovers()
{
    (void)Enter("ISurfaceContainer::GetFaceRemovers");
    return {};
}

tvapi::ISurfaceSewersPtr THostPart::GetSurfaceSewers()
{
    (void)Enter("ISurfaceContainer::GetSurfaceSewers");
    return {};
}

tvapi::IScalings3DPtr THostPart::GetScalings3D()
{
    (void)Enter("IModelContainer::GetScalings3D");
    return {};
}

tvapi::IContours3DPtr THostPart::GetContours3D()
{
    (void)Enter("IAuxiliaryGeomContainer::GetContours3D");
    return {};
}

} // namespace tvhost
