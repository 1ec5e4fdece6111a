// The stand-in's 3D kernel: making, moving, measuring and writing shapes.
#include "HostKernel.h"

#include <cmath>
#include <sstream>
#include <stdexcept>

#include <BRepBndLib.hxx>
#include <BRepBuilderAPI_MakeEdge.hxx>
#include <BRepBuilderAPI_MakeFace.hxx>
#include <BRepBuilderAPI_MakePolygon.hxx>
#include <BRepCheck_Analyzer.hxx>
#include <BRepClass3d_SolidClassifier.hxx>
#include <BRepGProp.hxx>
#include <BRepPrimAPI_MakeBox.hxx>
#include <BRepPrimAPI_MakeCylinder.hxx>
#include <BRepPrimAPI_MakePrism.hxx>
#include <BRepTools.hxx>
#include <BRep_Builder.hxx>
#include <BRep_Tool.hxx>
#include <Bnd_Box.hxx>
#include <GC_MakeArcOfCircle.hxx>
#include <GProp_GProps.hxx>
#include <Geom_BSplineCurve.hxx>
#include <Standard_Failure.hxx>
#include <TColStd_Array1OfInteger.hxx>
#include <TColStd_Array1OfReal.hxx>
#include <TColgp_Array1OfPnt.hxx>
#include <TopExp_Explorer.hxx>
#include <TopTools_FormatVersion.hxx>
#include <TopTools_MapOfShape.hxx>
#include <TopoDS.hxx>
#include <TopoDS_Compound.hxx>
#include <gp_Ax3.hxx>
#include <gp_Circ.hxx>
#include <gp_Trsf.hxx>

#include "HostBRepCheck.h"
#include "HostKernelCall.h"

namespace tvhost {

bool KernelCall(const std::function<void()>& call, std::string* message)
{
    try {
        call();
        return true;
    } catch (const Standard_Failure& failure) {
        if (message) *message = failure.GetMessageString();
        return false;
    }
}

TShape MakeBox(const TXyz& corner, double dx, double dy, double dz)
{
    return Made([&] { return BRepPrimAPI_MakeBox(Pnt(corner), dx, dy, dz).Shape(); });
}

TShape MakePrism(const TFrame& plane, double u0, double v0, double u1, double v1, double depth)
{
    return Made([&] {
        BRepBuilderAPI_MakePolygon outline(Pnt(plane.Point(u0, v0)), Pnt(plane.Point(u1, v0)),
                                           Pnt(plane.Point(u1, v1)), Pnt(plane.Point(u0, v1)), true);
        const TopoDS_Face face = BRepBuilderAPI_MakeFace(outline.Wire(), true).Face();
        const gp_Vec sweep(plane.Z[0] * depth, plane.Z[1] * depth, plane.Z[2] * depth);
        return BRepPrimAPI_MakePrism(face, sweep).Shape();
    });
}

TShape MakeSegment(const TXyz& a, const TXyz& b, double t0, double t1)
{
    return Made([&] {
        TColgp_Array1OfPnt poles(1, 2);
        poles.SetValue(1, Pnt(a));
        poles.SetValue(2, Pnt(b));
        TColStd_Array1OfReal knots(1, 2);
        knots.SetValue(1, t0);
        knots.SetValue(2, t1);
        TColStd_Array1OfInteger mults(1, 2);
        mults.Init(2);
        const Handle(Geom_BSplineCurve) line = new Geom_BSplineCurve(poles, knots, mults, 1);
        return BRepBuilderAPI_MakeEdge(line).Shape();
    });
}

TShape MakeSegment(const TXyz& a, const TXyz& b)
{
    return Made([&] { return BRepBuilderAPI_MakeEdge(Pnt(a), Pnt(b)).Shape(); });
}

TShape MakeCircle(const TXyz& centre, const TXyz& normal, double radius)
{
    return Made([&] {
        const gp_Ax2 axes(Pnt(centre), Dir(normal));
        return BRepBuilderAPI_MakeEdge(gp_Circ(axes, radius)).Shape();
    });
}

TShape MakeArc(const TXyz& a, const TXyz& m, const TXyz& b)
{
    return Made(
        [&] { return BRepBuilderAPI_MakeEdge(GC_MakeArcOfCircle(Pnt(a), Pnt(m), Pnt(b)).Value()).Shape(); });
}

TShape MakeCompound(const std::vector<TShape>& shapes)
{
    TopoDS_Compound compound;
    BRep_Builder builder;
    builder.MakeCompound(compound);
    for (const TShape& shape : shapes)
        if (shape) builder.Add(compound, *shape);
    return Keep(compound);
}

TShape Moved(const TShape& shape, const TFrame& frame)
{
    if (!shape) return {};
    return Made([&] {
        const gp_Ax3 to(Pnt(frame.Origin), Dir(frame.Z), Dir(frame.X));
        gp_Trsf trsf;
        trsf.SetTransformation(to); // from model coordinates into the frame's ...
        trsf.Invert();              // ... so its inverse carries the shape onto the frame
        return shape->Moved(TopLoc_Location(trsf));
    });
}

std::vector<TShape> NewFaces(const std::vector<TShape>& before, const std::vector<TShape>& after)
{
    TopTools_MapOfShape had;
    for (const TShape& shape : before)
        if (shape)
            for (TopExp_Explorer f(*shape, TopAbs_FACE); f.More(); f.Next())
                had.Add(f.Current().Located(TopLoc_Location()).Oriented(TopAbs_FORWARD));
    std::vector<TShape> made;
    for (const TShape& shape : after)
        if (shape)
            for (TopExp_Explorer f(*shape, TopAbs_FACE); f.More(); f.Next())
                if (had.Add(f.Current().Located(TopLoc_Location()).Oriented(TopAbs_FORWARD)))
                    made.push_back(Keep(f.Current()));
    return made;
}

bool SameEntity(const TShape& a, const TShape& b)
{
    return a && b && a->IsPartner(*b);
}

double Volume(const TShape& shape)
{
    if (!shape) return 0.0;
    GProp_GProps props;
    BRepGProp::VolumeProperties(*shape, props);
    return props.Mass();
}

int SolidCount(const TShape& shape)
{
    if (!shape) return 0;
    TopTools_MapOfShape solids;
    for (TopExp_Explorer e(*shape, TopAbs_SOLID); e.More(); e.Next())
        solids.Add(e.Current());
    return solids.Extent();
}

std::array<double, 6> BoxOf(const TShape& shape)
{
    std::array<double, 6> b{};
    if (!shape) return b;
    Bnd_Box box;
    BRepBndLib::AddOptimal(*shape, box, false, false);
    if (!box.IsVoid()) box.Get(b[0], b[1], b[2], b[3], b[4], b[5]);
    return b;
}

TPointPlace Classify(const TShape& shape, const TXyz& point, double tolerance)
{
    if (!shape) return TPointPlace::ppOutside;
    return Guarded(
        [&] {
            BRepClass3d_SolidClassifier classifier(*shape, Pnt(point), tolerance);
            switch (classifier.State()) {
            case TopAbs_IN:
                return TPointPlace::ppInside;
            case TopAbs_ON:
                return TPointPlace::ppOnBoundary;
            default:
                return TPointPlace::ppOutside;
            }
        },
        TPointPlace::ppOutside);
}

std::string BRepText(const TShape& shape)
{
    if (!shape) return {};
    std::ostringstream out;
    // Without the meshes a picture may have left on the shape: a file keeps the geometry.
    BRepTools::Write(*shape, out, false, false, TopTools_FormatVersion_CURRENT);
    return out.str();
}

TShape ShapeOfBRepText(const std::string& text, std::string& error)
{
    error.clear();
    if (text.empty()) return {};
    if (std::string problem = BRepTextProblem(text); !problem.empty()) {
        error = "its B-rep text, " + problem;
        return {};
    }
    std::string failure;
    TShape shape = Guarded(
        [&] {
            std::istringstream in(text);
            // The text was walked as the reader reads it: a word the reader still cannot read
            // ends the reading, never loops.
            in.exceptions(std::ios::failbit | std::ios::badbit);
            TopoDS_Shape read;
            BRep_Builder builder;
            try {
                BRepTools::Read(read, in, builder);
            } catch (const std::ios_base::failure&) {
                failure = "a word it cannot read";
                return TShape();
            }
            return Keep(read);
        },
        TShape(), &failure);
    if (!failure.empty()) {
        error = "the kernel cannot read its B-rep text: " + failure;
        return {};
    }
    if (!shape) {
        error = "its B-rep text holds no shape";
        return {};
    }
    if (std::string problem = ShapeProblem(*shape); !problem.empty()) {
        error = problem;
        return {};
    }
    return shape;
}

TShape ShapeOfFileText(const std::string& text, const std::string& what)
{
    std::string error;
    TShape shape = ShapeOfBRepText(text, error);
    if (!error.empty()) throw std::invalid_argument(what + ": " + error);
    return shape;
}

std::string ShapeProblem(const TopoDS_Shape& shape)
{
    std::string problem;
    const auto finite = [](const gp_XYZ& p) {
        return std::isfinite(p.X()) && std::isfinite(p.Y()) && std::isfinite(p.Z());
    };
    std::string failure;
    const bool ran = KernelCall(
        [&] {
            for (TopExp_Explorer v(shape, TopAbs_VERTEX); v.More() && problem.empty(); v.Next()) {
                const TopoDS_Vertex& vertex = TopoDS::Vertex(v.Current());
                if (!finite(BRep_Tool::Pnt(vertex).XYZ()) || !std::isfinite(BRep_Tool::Tolerance(vertex)))
                    problem = "a vertex lies at no finite point";
            }
            for (TopExp_Explorer e(shape, TopAbs_EDGE); e.More() && problem.empty(); e.Next()) {
                const TopoDS_Edge& edge = TopoDS::Edge(e.Current());
                double first = 0, last = 0;
                if (BRep_Tool::Degenerated(edge)) continue;
                // Curves on its faces are not enough: the analyzer reads the 3D curve, which
                // the reader leaves out when the kernel cannot make it.
                if (BRep_Tool::Curve(edge, first, last).IsNull())
                    problem = "an edge has no curve";
                else if (!std::isfinite(first) || !std::isfinite(last))
                    problem = "an edge has no finite range";
            }
            for (TopExp_Explorer f(shape, TopAbs_FACE); f.More() && problem.empty(); f.Next()) {
                TopLoc_Location location;
                if (BRep_Tool::Surface(TopoDS::Face(f.Current()), location).IsNull())
                    problem = "a face has no surface";
            }
            for (TopExp_Explorer s(shape, TopAbs_SOLID); s.More() && problem.empty(); s.Next())
                if (!BRepCheck_Analyzer(s.Current()).IsValid()) problem = "a solid is not valid";
        },
        &failure);
    if (!ran) return "the kernel fails on the shape: " + failure;
    return problem;
}

TShape MakeCylinder(const TXyz& base, const TXyz& axis, double radius, double height)
{
    return Made([&] {
        const gp_Ax2 frame(Pnt(base), Dir(axis));
        return BRepPrimAPI_MakeCylinder(frame, radius, height).Shape();
    });
}

TShape MakeWedge(double angle, double length, double width)
{
    return Made([&] {
        const double rise = length * std::tan(angle * M_PI / 180.0);
        BRepBuilderAPI_MakePolygon outline(gp_Pnt(0, 0, 0), gp_Pnt(length, 0, 0), gp_Pnt(length, 0, rise),
                                           true);
        const TopoDS_Face face = BRepBuilderAPI_MakeFace(outline.Wire(), true).Face();
        return BRepPrimAPI_MakePrism(face, gp_Vec(0, width, 0)).Shape();
    });
}

} // namespace tvhost
