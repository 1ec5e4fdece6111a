// Hidden lines by the kernel's polygonal algorithm over a mesh of the shapes: fast and robust
// for the small turned and milled parts a person looks at.
#include "HostHlr.h"

#include <BRepAdaptor_Curve.hxx>
#include <BRepBndLib.hxx>
#include <BRepMesh_IncrementalMesh.hxx>
#include <BRep_Builder.hxx>
#include <Bnd_Box.hxx>
#include <GCPnts_QuasiUniformDeflection.hxx>
#include <HLRAlgo_Projector.hxx>
#include <HLRBRep_PolyAlgo.hxx>
#include <HLRBRep_PolyHLRToShape.hxx>
#include <TopExp_Explorer.hxx>
#include <TopoDS.hxx>
#include <TopoDS_Compound.hxx>
#include <gp_Ax2.hxx>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <limits>
#include <string>
#include <unordered_set>

#include "HostKernelCall.h"

namespace tvhost {

namespace {

using TPolyline = std::vector<std::array<double, 2>>;

// Tessellation and edge deflections per mm of the model's diagonal: 0.05 mm and 0.02 mm for a
// part of 10 mm (a diagonal of about 17 mm), as the picture was always drawn at that size.
constexpr double MeshDeflectionPerSize = 0.05 / 17.0;
constexpr double LineDeflectionPerSize = 0.02 / 17.0;
// No finer than this, in mm: a part of a few microns is drawn as one of 20 microns.
constexpr double MinDeflection = 1e-4;

// The edges of `shape` (already in the projection's plane) as polylines.
void Polylines(const TopoDS_Shape& shape, double deflection, std::vector<TPolyline>& out)
{
    if (shape.IsNull()) return;
    for (TopExp_Explorer e(shape, TopAbs_EDGE); e.More(); e.Next()) {
        const BRepAdaptor_Curve curve(TopoDS::Edge(e.Current()));
        GCPnts_QuasiUniformDeflection points(curve, deflection);
        if (!points.IsDone() || points.NbPoints() < 2) continue;
        TPolyline line;
        for (int i = 1; i <= points.NbPoints(); ++i) {
            const gp_Pnt p = points.Value(i);
            line.push_back({p.X(), -p.Y()}); // SVG's y runs down
        }
        out.push_back(std::move(line));
    }
}

void Append(std::string& svg, const std::vector<TPolyline>& lines, const char* style)
{
    char buf[64];
    for (const TPolyline& line : lines) {
        svg += "<polyline ";
        svg += style;
        svg += " points=\"";
        for (const auto& p : line) {
            std::snprintf(buf, sizeof buf, "%.3f,%.3f ", p[0], p[1]);
            svg += buf;
        }
        svg += "\"/>\n";
    }
}

} // namespace

bool PartSvg(const std::vector<TShape>& shapes, std::string& svg, std::string& error)
{
    TopoDS_Compound all;
    BRep_Builder builder;
    builder.MakeCompound(all);
    bool any = false;
    // A body where an identical one lies already adds no line: each is drawn once, so that a
    // part inserted many times at one place costs what the part costs, not the square of it.
    std::unordered_set<std::string> seen;
    for (const TShape& s : shapes)
        if (s && !s->IsNull() && seen.insert(BRepText(s)).second) {
            builder.Add(all, *s);
            any = true;
        }
    if (!any) {
        error = "the part has no shape";
        return false;
    }
    std::vector<TPolyline> visible, hidden;
    std::string failure;
    const bool drawn = KernelCall(
        [&] {
            // The deflections follow the part's size, so that a part of any size is drawn with
            // as many triangles and points as one of 10 mm (whose 0.05 mm they keep).
            Bnd_Box box;
            BRepBndLib::Add(all, box);
            const double size = box.IsVoid() ? 0.0 : std::sqrt(box.SquareExtent());
            const double mesh = std::max(MeshDeflectionPerSize * size, MinDeflection);
            const double line = std::max(LineDeflectionPerSize * size, MinDeflection);
            BRepMesh_IncrementalMesh tessellation(all, mesh, false, 0.3);
            const gp_Ax2 view(gp_Pnt(0, 0, 0), gp_Dir(1, -1, 1),
                              gp_Dir(-1, 1, 2)); // from front, right, above
            Handle(HLRBRep_PolyAlgo) algo = new HLRBRep_PolyAlgo();
            algo->Load(all);
            algo->Projector(HLRAlgo_Projector(view));
            algo->Update();
            HLRBRep_PolyHLRToShape toShape;
            toShape.Update(algo);
            Polylines(toShape.VCompound(), line, visible);
            Polylines(toShape.OutLineVCompound(), line, visible);
            Polylines(toShape.Rg1LineVCompound(), line, visible);
            Polylines(toShape.HCompound(), line, hidden);
            Polylines(toShape.OutLineHCompound(), line, hidden);
        },
        &failure);
    if (!drawn) {
        error = "hidden lines failed: " + failure;
        return false;
    }
    double x0 = std::numeric_limits<double>::max(), y0 = x0, x1 = -x0, y1 = -x0;
    for (const auto* set : {&visible, &hidden})
        for (const TPolyline& line : *set)
            for (const auto& p : line) {
                x0 = std::min(x0, p[0]), y0 = std::min(y0, p[1]);
                x1 = std::max(x1, p[0]), y1 = std::max(y1, p[1]);
            }
    if (x0 > x1) {
        error = "the part shows no edge";
        return false;
    }
    const double margin = 0.05 * std::max({x1 - x0, y1 - y0, 1.0});
    const double w = x1 - x0 + 2 * margin, h = y1 - y0 + 2 * margin;
    char head[256];
    std::snprintf(
        head, sizeof head,
        "<svg xmlns=\"http://www.w3.org/2000/svg\" viewBox=\"%.3f %.3f %.3f %.3f\" width=\"%.0fmm\" "
        "height=\"%.0fmm\">\n",
        x0 - margin, y0 - margin, w, h, w, h);
    svg = head;
    const double stroke = std::max(w, h) / 400;
    char style[160];
    std::snprintf(style, sizeof style,
                  "fill=\"none\" stroke=\"black\" stroke-width=\"%.4f\" stroke-dasharray=\"%.4f\"",
                  stroke * 0.6, stroke * 4);
    Append(svg, hidden, style);
    std::snprintf(style, sizeof style, "fill=\"none\" stroke=\"black\" stroke-width=\"%.4f\"", stroke);
    Append(svg, visible, style);
    svg += "</svg>\n";
    return true;
}

} // namespace tvhost
