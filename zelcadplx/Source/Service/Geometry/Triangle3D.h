#pragma once
// Space triangles: TTriangle3D with its plan-view (XY) bounds, sides and overlap test, the
// triangle record T3dTriangle of a tessellated surface, and the plan-view segment crossing.
// Plan-view operations use x and y only.

#include "Mathemat3d.h"

class TPolyLine;

// A triangle record of a tessellated surface; only its corners are read here.
struct T3dTriangle {
    int IndexSurface = 0;
    TPoint3D A, B, C;
    TVector3D vN;
    Real h = 0.0;
    Real maxX = 0.0, minX = 0.0, MaxY = 0.0, MinY = 0.0, MaxZ = 0.0, MinZ = 0.0;
    Real PV = 0.0;
};

class TTriangle3D {
public:
    TPoint3D A, B, C;

    TTriangle3D() noexcept = default;
    TTriangle3D(const TPoint3D& iA, const TPoint3D& iB, const TPoint3D& iC) noexcept : A(iA), B(iB), C(iC) {}

    // (B - A) x (C - A), unit unless at most 2e-6 long.
    TVector3D Normal() const noexcept;
    void getGabaritX(Real& TMin, Real& TMax) const noexcept;
    void getGabaritY(Real& TMin, Real& TMax) const noexcept;
    void getGabaritZ(Real& TMin, Real& TMax) const noexcept;
    // Plan view: the x ranges and the y ranges overlap (touching counts).
    Boolean IsCommonGabarytXY(const TTriangle3D& T2) const noexcept;
    // Plan view: every corner right of LA -> LB, on it, or less than |LB - LA| / 2 left of it;
    // true for a line shorter than 0.5.
    Boolean RightOfLine2D(const TPoint3D& LA, const TPoint3D& LB) const noexcept;
    // Area of the plan projection.
    Real AreaXY() const noexcept;
    // Plan view: the projections overlap by more than a sliver (no edge of either separates
    // them); false for T2 seen edge-on from above.
    Boolean T2ShadowUp(const TTriangle3D& T2) const noexcept;
    // With polylines; defined with the polyline curve.
    void toPolygon(TPolyLine& P) const;
    Boolean T2ShadowDn(const TTriangle3D& T2) const;

    // "(x , y , z)- " for A, B and C, numbers with 2 decimals, width 7.
    operator TString() const;
};

// Twice the area of the triangle (x1, y1), (x2, y2), (x3, y3).
Real SquareTriangle(const Real& x1, const Real& y1, const Real& x2, const Real& y2, const Real& x3,
                    const Real& y3) noexcept;
// Plan view: the segments A1-A2 and A3-A4 cross between 2 % and 98 % of each and at least 1
// away from every end point.
Boolean IntersectLine(const TPoint3D& A1, const TPoint3D& A2, const TPoint3D& A3,
                      const TPoint3D& A4) noexcept;
// LeftLine as soon as a corner of T lies behind A along A -> B (by more than 1e-4), else RightLine.
TPointOnLine TriangleToLine2D(const T3dTriangle& T, const TPoint3D& A, const TPoint3D& B) noexcept;
