#pragma once
// TPlacement3D: a local frame of space, an origin and three unit axes forming a right-handed
// frame (AX x AY = AZ), for sketch planes, part placements and views. Its matrix has the rows
// AX, AY, AZ, O and maps local coordinates to global ones. The XY plane of a placement is the
// plane through O spanned by AX and AY; planes compare within 1e-5 per component.

#include "Mathemat3d.h"

class TPlacement3D {
public:
    TPoint3D O;
    TVector3D AX{1.0, 0.0, 0.0};
    TVector3D AY{0.0, 1.0, 0.0};
    TVector3D AZ{0.0, 0.0, 1.0};

    // Every constructor and setter makes unit axes, except that an input vector at most 2e-6
    // long is used as given.

    // The global frame.
    TPlacement3D() noexcept = default;
    // The global axes at iO.
    explicit TPlacement3D(const TPoint3D& iO) noexcept : O(iO) {}
    // Z along iAZ; X from the global x axis when |AZ.x| < |AZ.y|, else from the y axis.
    TPlacement3D(const TPoint3D& iO, const TVector3D& iAZ) noexcept { Set(iO, iAZ); }
    // X towards px, Y towards py made perpendicular to X.
    TPlacement3D(const TPoint3D& iO, const TPoint3D& px, const TPoint3D& py) noexcept { Set(iO, px, py); }
    // X along vx and Z along vz, expected perpendicular (not corrected); Y = Z x X.
    TPlacement3D(const TPoint3D& iO, const TVector3D& vx, const TVector3D& vz) noexcept;

    void Set(const TPoint3D& iO, const TVector3D& iAZ) noexcept;
    void Set(const TPoint3D& iO, const TPoint3D& px, const TPoint3D& py) noexcept;
    // X along vx, Y = vy made perpendicular to X, Z = X x Y.
    void Set(const TPoint3D& iO, const TVector3D& vx, const TVector3D& vy) noexcept;

    // into = the inverse of the placement's matrix (global to local).
    void GetMtrInto(TMtr3D& into) const noexcept;
    // Local P to global: O + P.x AX + P.y AY + P.z AZ.
    void GetPointFrom(const TPoint3D& P, TPoint3D& Result) const noexcept;
    // The point (x, y) of the XY plane: O + x AX + y AY.
    void PointOn(const Real& x, const Real& y, TPoint3D& P) const noexcept;
    // Orthogonal projection onto the XY plane, as a point and as plane coordinates.
    void PointProjection(const TPoint3D& P, TPoint3D& Pon) const noexcept;
    void PointProjection(const TPoint3D& P, Real& x, Real& y) const noexcept;
    void VectorProjection(const TVector3D& V, Real& x, Real& y) const noexcept;
    // Distance from P to the XY plane (to its projection).
    Real DistanceToPoint(const TPoint3D& P) const noexcept;
    // Local (x, y) where the line through P along V pierces the XY plane; false when V runs
    // parallel to the plane.
    Boolean DirectPointProjection(const TPoint3D& P, const TVector3D& V, TPoint2D& R) const noexcept;
    // AZ equal or opposite to P.AZ within 1e-5 per component.
    Boolean IsParallelPlane(const TPlacement3D& P) const noexcept;
    // Parallel, and this origin lies on P's XY plane within 1e-5 per coordinate.
    Boolean IsSamePlane(const TPlacement3D& P) const noexcept;
    // Distance between parallel XY planes (never negative); -1.0 when they are not parallel.
    Real DistanceTo(const TPlacement3D& P) const noexcept;
    // This placement, read as given in mtr's local coordinates, carried to global ones.
    void Transform(const TPlacement3D& mtr) noexcept;
    // The origin moves to the projection of iO onto the XY plane; the axes stay.
    void OriginTo(const TPoint3D& iO) noexcept;

    // O, AX, AY, AZ, each x, y, z, as raw doubles (96 bytes).
    void toStream(TKmfData& stream) const;
    void fromStream(TKmfData& stream);

private:
    // In-plane coordinates of Q: (Q - O) . AX / |AX|^2 and (Q - O) . AY / |AY|^2.
    void PlaneCoords(const TPoint3D& Q, Real& u, Real& v) const noexcept;
};
