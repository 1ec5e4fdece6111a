// The geometry of an assembly's links.

#include "AssemblyLinks.h"

#include <cmath>
#include <cstdio>

void TAssemblyPlanes::Measure(TDimension& L, const TString& PartName)
{
    const TPlaneNumbers n = NumberPlanes(L.PL1, L.PL2, FPlanes, FDirections);
    L.IP1 = n.IP1;
    L.IP2 = n.IP2;
    L.ID = n.ID;
    TVector3D v = L.PL1.AZ;
    v.Normalize();
    L.V3 = v * L.PL1.DistanceTo(L.PL2);
    OrientModelVector(L.V3);
    char text[48];
    std::snprintf(text, sizeof text, "%d %d %d ", L.ID, L.IP1, L.IP2);
    L.Comment = TString(text) + PartName;
}

TDimension NewAssemblyLink(tvapi::tvObj3dTypeEnum TMO)
{
    TDimension L;
    L.TMO = TMO;
    L.IP1 = L.IP2 = L.ID = -1;
    return L;
}

namespace {

// The placement through the point (x, y) of the sketch PS, its X axis along the sketch
// direction Dxy and its Y axis along the sketch's normal, in assembly coordinates.
TPlacement3D SketchPlacement(const TPlacement3D& PS, Real x, Real y, const TVector2D& Dxy,
                             const TToAssembly& ToAssembly)
{
    TPoint3D p1, p2;
    PS.PointOn(x, y, p1);
    PS.PointOn(x + Dxy.x, y + Dxy.y, p2);
    TPoint3D p3 = p1;
    p3.Move(PS.AZ, 1.0);
    if (ToAssembly) {
        ToAssembly(p1);
        ToAssembly(p2);
        ToAssembly(p3);
    }
    return TPlacement3D(p1, p2, p3);
}

} // namespace

void SketchPlacements(const TPlacement3D& PS, const TPoint2D& P1, const TPoint2D& P2,
                      tvapi::tvLineDimensionOrientationEnum Orientation, const TToAssembly& ToAssembly,
                      TPlacement3D& PL1, TPlacement3D& PL2)
{
    // The placements' X axis runs across the measured direction, so that their normal runs along it.
    TVector2D dxy(0.0, 1.0);
    if (Orientation == tvapi::tvLinDVertical) {
        dxy = TVector2D(1.0, 0.0);
    } else if (Orientation != tvapi::tvLinDHorizontal) {
        const Real dx = P2.x - P1.x, dy = P2.y - P1.y;
        const Real length = std::sqrt(dx * dx + dy * dy);
        if (length > TDimension::ZeroLength) dxy = TVector2D(-dy / length, dx / length);
    }
    PL1 = SketchPlacement(PS, P1.x, P1.y, dxy, ToAssembly);
    PL2 = SketchPlacement(PS, P2.x, P2.y, dxy, ToAssembly);
}

int OperationPairs(const std::vector<TEdgeEnds>& Edges, const TToAssembly& ToAssembly,
                   TAssemblyPlanes& Planes, TDimension& L, const TString& PartName)
{
    std::vector<TEdgeEnds> edges;
    for (const TEdgeEnds& E : Edges)
        if (E.P0.DistanceTo(E.P1) > TDimension::ZeroLength) edges.push_back(E);
    if (edges.size() < 3) return 0;
    int pairs = 0;
    for (std::size_t i = 0; i + 1 < edges.size(); ++i) {
        TVector3D di = edges[i].P0 - edges[i].P1;
        di.Normalize();
        const TLine3D line(edges[i].P0, di);
        for (std::size_t j = i + 1; j < edges.size(); ++j) {
            TVector3D dj = edges[j].P0 - edges[j].P1;
            dj.Normalize();
            // The test runs in part coordinates; only copies of the points are carried over.
            const Real distance = line.DistanceTo(edges[j].P0);
            if (!di.IsColinear(dj) || !(distance > 0.0)) continue;
            TEdgeEnds a = edges[i], b = edges[j];
            if (ToAssembly) {
                ToAssembly(a.P0);
                ToAssembly(a.P1);
                ToAssembly(b.P0);
                ToAssembly(b.P1);
            }
            const TPlacement3D common(a.P0, a.P1, b.P0);
            TPoint3D az = a.P0, bz = b.P0;
            az.Move(common.AZ, 1.0);
            bz.Move(common.AZ, 1.0);
            L.PL1 = TPlacement3D(a.P0, a.P1, az);
            L.PL2 = TPlacement3D(b.P0, b.P1, bz);
            Planes.Measure(L, PartName);
            // The lines' distance, measured where the edges are, not from one end to the other plane.
            TVector3D v = L.PL1.AZ;
            v.Normalize();
            L.V3 = v * distance;
            OrientModelVector(L.V3);
            ++pairs;
        }
    }
    return pairs;
}
