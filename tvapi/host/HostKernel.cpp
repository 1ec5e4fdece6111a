// The stand-in's 3D kernel: making, moving, measuring and writing shapes.
#include "HostKernel.h"

#include <cmath>
#include <sstream>

#include <BRepBndLib.hxx>
#include <BRepBuilderAPI_MakeEdge.hxx>
#include <BRepBuilderAPI_MakeFace.hxx>
#include <BRepBuilderAPI_MakePolygon.hxx>
#include <BRepClass3d_SolidClassifier.hxx>
#include <BRepGProp.hxx>
#include <BRepPrimAPI_MakeBox.hxx>
#include <BRepPrimAPI_MakeCylinder.hxx>
#include <BRepPrimAPI_MakePrism.hxx>
#include <BRepTools.hxx>
#include <BRep_Builder.hxx>
#include <Bnd_Box.hxx>
#include <GC_MakeArcOfCircle.hxx>
#include <GProp_GProps.hxx>
#include <Geom_BSplineCurve.hxx>
#include <Standard_Failure.hxx>
#include <TColStd_Array1OfInteger.hxx>
#include <TColStd_Array1OfReal.hxx>
#include <TColgp_Array1OfPnt.hxx>
#include <TopoDS.hxx>
#include <TopoDS_Compound.hxx>
#include <gp_Ax3.hxx>
#include <gp_Circ.hxx>
#include <gp_Trsf.hxx>

namespace tvhost {

namespace {

gp_Pnt Pnt(const TXyz& p)
{
    return gp_Pnt(p[0], p[1], p[2]);
}

TShape Keep(const TopoDS_Shape& shape)
{
    if (shape.IsNull()) return {};
    return std::make_shared<const TopoDS_Shape>(shape);
}

// Runs a kernel construction; a kernel failure gives no shape.
template <class F> TShape Made(F make)
{
    try {
        return Keep(make());
    } catch (const Standard_Failure&) {
        return {};
    }
}

} // namespace

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
        const gp_Ax2 axes(Pnt(centre), gp_Dir(normal[0], normal[1], normal[2]));
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
        const gp_Ax3 to(Pnt(frame.Origin), gp_Dir(frame.Z[0], frame.Z[1], frame.Z[2]),
                        gp_Dir(frame.X[0], frame.X[1], frame.X[2]));
        gp_Trsf trsf;
        trsf.SetTransformation(to); // from model coordinates into the frame's ...
        trsf.Invert();              // ... so its inverse carries the shape onto the frame
        return shape->Moved(TopLoc_Location(trsf));
    });
}

double Volume(const TShape& shape)
{
    if (!shape) return 0.0;
    GProp_GProps props;
    BRepGProp::VolumeProperties(*shape, props);
    return props.Mass();
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
    try {
        BRepClass3d_SolidClassifier classifier(*shape, gp_Pnt(point[0], point[1], point[2]), tolerance);
        switch (classifier.State()) {
        case TopAbs_IN:
            return TPointPlace::ppInside;
        case TopAbs_ON:
            return TPointPlace::ppOnBoundary;
        default:
            return TPointPlace::ppOutside;
        }
    } catch (const Standard_Failure&) {
        return TPointPlace::ppOutside;
    }
}

std::string BRepText(const TShape& shape)
{
    if (!shape) return {};
    std::ostringstream out;
    BRepTools::Write(*shape, out);
    return out.str();
}

TShape ShapeOfBRepText(const std::string& text)
{
    return Made([&] {
        std::istringstream in(text);
        TopoDS_Shape shape;
        BRep_Builder builder;
        BRepTools::Read(shape, in, builder);
        return shape;
    });
}

TShape MakeCylinder(const TXyz& base, const TXyz& axis, double radius, double height)
{
    return Made([&] {
        const gp_Ax2 frame(Pnt(base), gp_Dir(axis[0], axis[1], axis[2]));
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
