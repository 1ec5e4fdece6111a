// The kernel's side of a part's features: profile faces, prisms, revolutions, pipes,
// Booleans and the validity check.
#include "HostKernelFeatures.h"

#include <algorithm>
#include <cmath>
#include <numbers>

#include <BRepAlgoAPI_BooleanOperation.hxx>
#include <BRepBndLib.hxx>
#include <BRepBuilderAPI_MakeEdge.hxx>
#include <BRepBuilderAPI_MakeFace.hxx>
#include <BRepBuilderAPI_MakeWire.hxx>
#include <BRepBuilderAPI_Transform.hxx>
#include <BRepCheck_Analyzer.hxx>
#include <BRepCheck_Shell.hxx>
#include <BRepClass_FaceClassifier.hxx>
#include <BRepExtrema_DistShapeShape.hxx>
#include <BRepGProp.hxx>
#include <BRepLib.hxx>
#include <BRepOffsetAPI_MakeFilling.hxx>
#include <BRepOffsetAPI_MakePipe.hxx>
#include <BRepOffsetAPI_ThruSections.hxx>
#include <BRepPrimAPI_MakePrism.hxx>
#include <BRepPrimAPI_MakeRevol.hxx>
#include <BRep_Builder.hxx>
#include <BRep_Tool.hxx>
#include <Bnd_Box.hxx>
#include <GC_MakeArcOfCircle.hxx>
#include <GProp_GProps.hxx>
#include <Geom2d_Line.hxx>
#include <Geom_CylindricalSurface.hxx>
#include <ShapeAnalysis_Wire.hxx>
#include <ShapeFix_Face.hxx>
#include <TopExp_Explorer.hxx>
#include <TopTools_ListOfShape.hxx>
#include <TopTools_MapOfShape.hxx>
#include <TopoDS.hxx>
#include <TopoDS_Compound.hxx>
#include <TopoDS_Iterator.hxx>
#include <gp_Ax3.hxx>
#include <gp_Circ.hxx>
#include <gp_Pln.hxx>
#include <gp_Trsf.hxx>

#include "HostKernelCall.h"

namespace tvhost {

namespace {

// Points closer than this (mm) are one point for the kernel's checks of a profile.
constexpr double KernelTolerance = 1e-7;

gp_Pnt At(const TFrame& f, double u, double v)
{
    return Pnt(f.Point(u, v));
}

gp_Pln PlaneOf(const TFrame& f)
{
    return gp_Pln(gp_Ax3(At(f, 0, 0), Dir(f.Z), Dir(f.X)));
}

TopoDS_Edge EdgeOf(const TFrame& f, const TProfileCurve& c)
{
    if (c.Kind == TProfileCurve::pcSegment)
        return BRepBuilderAPI_MakeEdge(At(f, c.U0, c.V0), At(f, c.U1, c.V1));
    const gp_Circ circle(gp_Ax2(At(f, c.Uc, c.Vc), Dir(f.Z), Dir(f.X)), c.Radius);
    if (c.Kind == TProfileCurve::pcCircle) return BRepBuilderAPI_MakeEdge(circle);
    // The circle turns counter-clockwise in (u, v): a clockwise arc is its reverse.
    const gp_Pnt a = At(f, c.U0, c.V0), b = At(f, c.U1, c.V1);
    TopoDS_Edge edge = c.Clockwise ? BRepBuilderAPI_MakeEdge(GC_MakeArcOfCircle(circle, b, a, true).Value())
                                   : BRepBuilderAPI_MakeEdge(GC_MakeArcOfCircle(circle, a, b, true).Value());
    if (c.Clockwise) edge.Reverse();
    return edge;
}

TopoDS_Wire WireOf(const TFrame& f, const TProfileLoop& loop)
{
    BRepBuilderAPI_MakeWire wire;
    for (const TProfileCurve& c : loop)
        wire.Add(EdgeOf(f, c));
    return wire.Wire();
}

double AreaOf(const TopoDS_Shape& face)
{
    GProp_GProps props;
    BRepGProp::SurfaceProperties(face, props);
    return std::abs(props.Mass());
}

// Whether the loop turns clockwise in (u, v): the sign of the area its points enclose.
bool TurnsClockwise(const TProfileLoop& loop)
{
    double twice = 0;
    for (const TProfileCurve& c : loop)
        if (c.Kind == TProfileCurve::pcCircle)
            return false; // circles turn counter-clockwise
        else {
            const std::vector<std::pair<double, double>> p = c.Points(16);
            for (std::size_t i = 1; i < p.size(); ++i)
                twice += p[i - 1].first * p[i].second - p[i].first * p[i - 1].second;
        }
    return twice < 0;
}

// A loop's wire, its own face and its area; false when the wire crosses itself.
struct TLoopFace {
    TopoDS_Wire Wire;
    TopoDS_Face Face;
    double Area = 0;
    bool Clockwise = false;
};

bool MakeLoopFace(const TFrame& f, const TProfileLoop& loop, TLoopFace& out)
{
    out.Wire = WireOf(f, loop);
    out.Face = BRepBuilderAPI_MakeFace(PlaneOf(f), out.Wire, true);
    ShapeAnalysis_Wire check(out.Wire, out.Face, KernelTolerance);
    if (check.CheckSelfIntersection()) return false;
    out.Area = AreaOf(out.Face);
    out.Clockwise = TurnsClockwise(loop);
    return out.Area > KernelTolerance;
}

bool Touch(const TopoDS_Shape& a, const TopoDS_Shape& b)
{
    BRepExtrema_DistShapeShape distance(a, b);
    return distance.IsDone() && distance.Value() <= KernelTolerance;
}

// Whether loop `inner` lies inside the face of loop `outer` (a point of its wire is in).
bool Inside(const TLoopFace& inner, const TLoopFace& outer)
{
    TopExp_Explorer vertex(inner.Wire, TopAbs_VERTEX);
    if (!vertex.More()) return false;
    const gp_Pnt p = BRep_Tool::Pnt(TopoDS::Vertex(vertex.Current()));
    BRepClass_FaceClassifier classifier(outer.Face, p, KernelTolerance);
    return classifier.State() == TopAbs_IN;
}

// Faces of nested loops: each loop, largest first, is a hole of the smallest loop around it
// when that one is a face, else a face of its own.
TopoDS_Shape NestFaces(const TFrame& f, std::vector<TLoopFace>& loops)
{
    std::sort(loops.begin(), loops.end(),
              [](const TLoopFace& a, const TLoopFace& b) { return a.Area > b.Area; });
    std::vector<int> owner(loops.size(), -1); // the face a hole belongs to; -1 for a face
    std::vector<bool> isHole(loops.size(), false);
    for (std::size_t i = 0; i < loops.size(); ++i)
        for (std::size_t j = i; j-- > 0;)
            if (Inside(loops[i], loops[j])) {
                isHole[i] = !isHole[j];
                owner[i] = isHole[i] ? static_cast<int>(j) : -1;
                break;
            }
    TopoDS_Compound all;
    BRep_Builder builder;
    builder.MakeCompound(all);
    for (std::size_t i = 0; i < loops.size(); ++i) {
        if (isHole[i]) continue;
        BRepBuilderAPI_MakeFace face(PlaneOf(f), loops[i].Wire, true);
        for (std::size_t k = 0; k < loops.size(); ++k)
            if (owner[k] == static_cast<int>(i)) {
                // A hole turns clockwise about the plane's normal, whichever way it was drawn.
                face.Add(loops[k].Clockwise ? loops[k].Wire : TopoDS::Wire(loops[k].Wire.Reversed()));
            }
        ShapeFix_Face fix(face.Face());
        fix.Perform();
        builder.Add(all, fix.Face());
    }
    return all;
}

// The single shape of a compound of one, else the compound.
TopoDS_Shape Simplest(const TopoDS_Shape& shape)
{
    TopoDS_Iterator it(shape);
    if (shape.ShapeType() != TopAbs_COMPOUND || !it.More()) return shape;
    const TopoDS_Shape first = it.Value();
    it.Next();
    return it.More() ? shape : first;
}

// The edges of the shapes as one wire; a null shape when they do not join end to end.
TopoDS_Shape ChainOf(const std::vector<TShape>& pieces)
{
    BRepBuilderAPI_MakeWire wire;
    for (const TShape& piece : pieces) {
        if (!piece) return {};
        for (TopExp_Explorer e(*piece, TopAbs_EDGE); e.More(); e.Next())
            wire.Add(TopoDS::Edge(e.Current()));
    }
    return wire.IsDone() ? TopoDS_Shape(wire.Wire()) : TopoDS_Shape();
}

} // namespace

TShape ProfileFaces(const TFrame& frame, const std::vector<TProfileLoop>& loops, TProfileError& error)
{
    error = TProfileError::peKernel;
    TProfileError found = TProfileError::peKernel;
    TShape made = Guarded(
        [&]() -> TShape {
            std::vector<TLoopFace> faces(loops.size());
            for (std::size_t i = 0; i < loops.size(); ++i)
                if (!MakeLoopFace(frame, loops[i], faces[i])) {
                    found = TProfileError::peSelfCrossing;
                    return {};
                }
            for (std::size_t i = 0; i < faces.size(); ++i)
                for (std::size_t j = i + 1; j < faces.size(); ++j)
                    if (Touch(faces[i].Wire, faces[j].Wire)) {
                        found = TProfileError::peSelfCrossing;
                        return {};
                    }
            TShape shape = Keep(Simplest(NestFaces(frame, faces)));
            if (shape && IsValidShape(shape)) found = TProfileError::peNone;
            return found == TProfileError::peNone ? shape : TShape{};
        },
        TShape());
    error = found;
    return error == TProfileError::peNone ? made : TShape{};
}

TShape ProfileWires(const TFrame& frame, const std::vector<TProfileLoop>& loops)
{
    return Made([&] {
        TopoDS_Compound all;
        BRep_Builder builder;
        builder.MakeCompound(all);
        for (const TProfileLoop& loop : loops)
            builder.Add(all, WireOf(frame, loop));
        return Simplest(all);
    });
}

TShape Extruded(const TShape& profile, const TXyz& along, double from, double to, double taperAngle)
{
    if (!profile || !(from < to) || taperAngle != 0.0) return {};
    return Made([&] {
        gp_Trsf shift;
        shift.SetTranslation(Vec(along, from));
        const TopoDS_Shape base = BRepBuilderAPI_Transform(*profile, shift, true).Shape();
        return BRepPrimAPI_MakePrism(base, Vec(along, to - from)).Shape();
    });
}

TShape Revolved(const TShape& profile, const TXyz& point, const TXyz& axis, double angle)
{
    if (!profile || !(std::abs(angle) > 0)) return {};
    return Made([&] {
        const gp_Ax1 line(Pnt(point), Dir(axis));
        if (std::abs(angle) >= 360.0) return BRepPrimAPI_MakeRevol(*profile, line).Shape();
        return BRepPrimAPI_MakeRevol(*profile, line, angle * std::numbers::pi / 180.0).Shape();
    });
}

TShape Piped(const TShape& profile, const std::vector<TShape>& path)
{
    if (!profile || path.empty()) return {};
    return Made([&] {
        const TopoDS_Shape wire = ChainOf(path);
        if (wire.IsNull()) return TopoDS_Shape();
        return BRepOffsetAPI_MakePipe(TopoDS::Wire(wire), *profile).Shape();
    });
}

TShape MakeHelix(const TFrame& frame, double radius, double pitch, double turns, bool upward)
{
    if (!(radius > 0) || !(pitch > 0) || !(turns > 0)) return {};
    return Made([&] {
        const Handle(Geom_CylindricalSurface) cylinder =
            new Geom_CylindricalSurface(gp_Ax3(At(frame, 0, 0), Dir(frame.Z), Dir(frame.X)), radius);
        // On the cylinder's (angle, height) plane the helix is a straight line; downwards it is
        // the same line run backwards.
        const double turn = 2 * std::numbers::pi;
        const gp_Dir2d along(upward ? turn : -turn, upward ? pitch : -pitch);
        const Handle(Geom2d_Line) line = new Geom2d_Line(gp_Pnt2d(0, 0), along);
        TopoDS_Edge edge = BRepBuilderAPI_MakeEdge(line, cylinder, 0, turns * std::hypot(turn, pitch));
        BRepLib::BuildCurves3d(edge);
        return edge;
    });
}

TShape Patch(const std::vector<TShape>& edges)
{
    if (edges.empty()) return {};
    return Made([&] {
        const TopoDS_Shape wire = ChainOf(edges);
        if (wire.IsNull() || !BRep_Tool::IsClosed(wire)) return TopoDS_Shape();
        BRepBuilderAPI_MakeFace plane(TopoDS::Wire(wire), true);
        if (plane.IsDone()) return TopoDS_Shape(plane.Face());
        BRepOffsetAPI_MakeFilling filling;
        for (TopExp_Explorer e(wire, TopAbs_EDGE); e.More(); e.Next())
            filling.Add(TopoDS::Edge(e.Current()), GeomAbs_C0);
        filling.Build();
        return filling.IsDone() ? filling.Shape() : TopoDS_Shape();
    });
}

TShape Ruled(const std::vector<TShape>& first, const std::vector<TShape>& second, bool match)
{
    if (first.empty() || second.empty()) return {};
    return Made([&] {
        const TopoDS_Shape a = ChainOf(first), b = ChainOf(second);
        if (a.IsNull() || b.IsNull()) return TopoDS_Shape();
        BRepOffsetAPI_ThruSections rules(false, true);
        rules.CheckCompatibility(match);
        rules.AddWire(TopoDS::Wire(a));
        rules.AddWire(TopoDS::Wire(b));
        rules.Build();
        return rules.IsDone() ? rules.Shape() : TopoDS_Shape();
    });
}

TShape Combined(TBooleanKind kind, const TShape& a, const TShape& b)
{
    if (!a || !b) return {};
    return Made([&]() -> TopoDS_Shape {
        BRepAlgoAPI_BooleanOperation op;
        switch (kind) {
        case TBooleanKind::bkFuse:
            op.SetOperation(BOPAlgo_FUSE);
            break;
        case TBooleanKind::bkCut:
            op.SetOperation(BOPAlgo_CUT);
            break;
        case TBooleanKind::bkCommon:
            op.SetOperation(BOPAlgo_COMMON);
            break;
        }
        TopTools_ListOfShape arguments, tools;
        arguments.Append(*a);
        tools.Append(*b);
        op.SetArguments(arguments);
        op.SetTools(tools);
        // Nobody asks the history of a feature's Boolean, and keeping it costs maps of every
        // face of the body; the operands are valid solids already, never turned inside out.
        op.SetToFillHistory(false);
        op.SetCheckInverted(false);
        op.Build();
        return op.IsDone() && !op.HasErrors() ? op.Shape() : TopoDS_Shape();
    });
}

bool IsValidChange(const TShape& result, const TShape& before)
{
    if (!result) return false;
    if (!before) return IsValidShape(result);
    return Guarded(
        [&] {
            TopTools_MapOfShape kept;
            for (TopExp_Explorer f(*before, TopAbs_FACE); f.More(); f.Next())
                kept.Add(f.Current());
            for (TopExp_Explorer f(*result, TopAbs_FACE); f.More(); f.Next())
                if (!kept.Contains(f.Current()) && !BRepCheck_Analyzer(f.Current()).IsValid()) return false;
            for (TopExp_Explorer s(*result, TopAbs_SHELL); s.More(); s.Next())
                if (BRepCheck_Shell(TopoDS::Shell(s.Current())).Closed() != BRepCheck_NoError) return false;
            return true;
        },
        false);
}

bool BoxesMeet(const TShape& a, const TShape& b)
{
    if (!a || !b) return false;
    Bnd_Box boxA, boxB;
    BRepBndLib::Add(*a, boxA);
    BRepBndLib::Add(*b, boxB);
    boxA.Enlarge(KernelTolerance);
    return !boxA.IsOut(boxB);
}

bool Touching(const TShape& a, const TShape& b)
{
    return Guarded([&] { return BoxesMeet(a, b) && Touch(*a, *b); }, false);
}

bool IsValidShape(const TShape& shape)
{
    return shape && Guarded([&] { return BRepCheck_Analyzer(*shape).IsValid(); }, false);
}

bool HasSolid(const TShape& shape)
{
    return shape && TopExp_Explorer(*shape, TopAbs_SOLID).More();
}

double Area(const TShape& shape)
{
    return shape ? AreaOf(*shape) : 0.0;
}

double Extent(const TShape& shape)
{
    if (!shape) return 0.0;
    Bnd_Box box;
    BRepBndLib::Add(*shape, box);
    return box.IsVoid() ? 0.0 : std::sqrt(box.SquareExtent());
}

} // namespace tvhost
