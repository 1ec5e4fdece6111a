#pragma once
// TMtr3D: the space transformation, a 4 x 4 matrix acting on row vectors (x, y, z, 1) with the
// translation in the last row; A x B applies A first. For a frame the rows are its X, Y and Z
// axes and its origin. Trans alone reads the translation from the last column.

#include "Mathemat3d.h"

#include <vector>

class TMtr3D {
public:
    static constexpr Integer Rows = 4;
    static constexpr Integer Columns = 4;

    // One storage, three views: V0..V15, rows M[0..3], and the named frame fields.
    union {
        Real V[16];
        Real M[4][4];
        struct {
            TVector3D::Vector3D oX; // image of the x axis
            Real dx;
            TVector3D::Vector3D oY;
            Real dy;
            TVector3D::Vector3D oZ;
            Real dz;
            TPoint3D::Point3D oP; // translation
            Real dp;
        };
    };

    TMtr3D() noexcept { Identity(); }
    TMtr3D(const TMtr3D& A) noexcept = default;
    TMtr3D& operator=(const TMtr3D& A) noexcept = default;
    // Rows (P.AX, 0), (P.AY, 0), (P.AZ, 0), (P.O, 1): local to global.
    TMtr3D(const TPlacement3D& P) noexcept;
    // Rows (iX, 0), (iY, 0), (iZ, 0), (0, 0, 0, 1).
    TMtr3D(const TVector3D& iX, const TVector3D& iY, const TVector3D& iZ) noexcept;

    TMtr3D& Identity() noexcept;
    TMtr3D& Zero() noexcept;
    // P.AX, P.AY, P.AZ = rows 0..2 (three columns), P.O = row 3.
    void Get(TPlacement3D& P) const noexcept;
    // Origin iO, x axis iAX, y axis iAY made perpendicular to it, z = x cross y (all unit).
    TMtr3D& Set(const TPoint3D& iO, const TVector3D& iAX, const TVector3D& iAY) noexcept;
    TMtr3D& Set(const TMtr3D& A) noexcept { return *this = A; }
    // Rotations about the coordinate axes by the angle whose cosine and sine are given (both
    // scaled to unit length unless already within 1e-8 of it); counterclockwise seen from +axis.
    TMtr3D& RotAxleZ(const Real& RCos, const Real& RSin) noexcept;
    TMtr3D& RotAxleY(const Real& RCos, const Real& RSin) noexcept;
    TMtr3D& RotAxleX(const Real& RCos, const Real& RSin) noexcept;
    TMtr3D& IdentityMove(const Real& x, const Real& y, const Real& z) noexcept;

    TVector3D GetAxisX() const noexcept { return TVector3D(oX); }
    TVector3D GetAxisY() const noexcept { return TVector3D(oY); }
    TVector3D GetAxisZ() const noexcept { return TVector3D(oZ); }
    TPoint3D GetOrigin() const noexcept { return TPoint3D(oP); }

    TMtr3D& Multiply(const TMtr3D& A, const TMtr3D& B) noexcept; // this = A x B
    TMtr3D& Multiply(const TMtr3D& B) noexcept;                  // this = this x B
    TMtr3D& Multiply(const Real& k) noexcept;                    // every value times k
    // this = this + B x A: adds to the present values.
    TMtr3D& Multiply2(const TMtr3D& A, const TMtr3D& B) noexcept;
    // The inverse by cofactors; a matrix whose determinant is exactly 0 becomes the identity.
    TMtr3D& Inversion() noexcept;
    // Rows 0..2 to unit length (a row at most 2e-6 long stays).
    TMtr3D& Normalize() noexcept;
    TMtr3D& Move(const TVector3D& to) noexcept;
    // this = this x R, R the right-hand rotation by angle radians about axisDir through the origin.
    TMtr3D& RotateAbout(const TVector3D& axisDir, const Real& angle) noexcept;
    // The same about the line through P along V.
    TMtr3D& Rotate(const TPoint3D& P, const TVector3D& V, const Real& angle) noexcept;

    // Column form: the translation from the last column.
    void Trans(const TPoint3D& A, TPoint3D& Result) const noexcept;
    // Rows of the 3 x 3 block against A, translation from the last row.
    void Trans2(const TPoint3D& A, TPoint3D& Result) const noexcept;
    void Trans(const TVector3D& Vc, TVector3D& Result) const noexcept;
    // Where the line through P along Vd meets the plane z = 0 of the target space, as (x, y);
    // false (R untouched) when Vd runs parallel to that plane.
    Boolean DirectPointProjection(const TPoint3D& P, const TVector3D& Vd, TPoint2D& R) const noexcept;

    // All sixteen values within 2e-6.
    bool operator==(const TMtr3D& A) const noexcept;
    bool operator!=(const TMtr3D& A) const noexcept { return !(*this == A); }

    // The vector becomes V0..V15, row by row; returns it.
    std::vector<double>& to(std::vector<double>& iV) const;
    // Loads V0..V15 when iV holds exactly 16 values; otherwise unchanged and false.
    bool from(const std::vector<double>& iV) noexcept;
    // V0..V15 as raw doubles (128 bytes).
    void toStream(TKmfData& stream) const;
    void fromStream(TKmfData& stream);
};
