#pragma once
// Space geometry values: points and vectors (millimetres), axis-parallel boxes and lines,
// with the free functions on points and planes. Equal 3D points are those within 1e-5 per
// coordinate. Triangles, the 4 x 4 matrix and the placement are in Triangle3D.h, Mtr3D.h and
// Placement3D.h, pulled in at the end.

#include "Mathemat.h"

class TMtr3D;
class TPlacement3D;
class TVector3D;

enum TPointOnPlane : Integer { OnPlane = 0, UpPlane = 1, DownPlane = 2 };
enum TPointOnLine : Integer { OnLine = 0, LeftLine = 1, RightLine = 2 };

class TPoint3D {
public:
    // The bare three-real record, for storages shared through unions (the 4 x 4 matrix).
    struct Point3D {
        Real x, y, z;
    };

    // One storage: x, y, z; the same as dx, dy, dz; the same as the record Data.
    union {
        struct {
            Real x, y, z;
        };
        struct {
            Real dx, dy, dz;
        };
        Point3D Data;
    };

    TPoint3D() noexcept : Data{0.0, 0.0, 0.0} {}
    TPoint3D(Real ix, Real iy, Real iz) noexcept : Data{ix, iy, iz} {}
    TPoint3D(const Point3D& P) noexcept : Data(P) {}
    explicit TPoint3D(const TPoint2D& P) noexcept : Data{P.x, P.y, 0.0} {}
    TPoint3D(const TPoint3D& P) noexcept = default;
    TPoint3D& operator=(const TPoint3D& P) noexcept = default;
    operator Point3D() const noexcept { return Data; }
    // The plan view: x and y.
    explicit operator TPoint2D() const noexcept { return TPoint2D(x, y); }

    TPoint3D& Set(Real ix, Real iy, Real iz) noexcept
    {
        x = ix;
        y = iy;
        z = iz;
        return *this;
    }
    // O + AX x.
    TPoint3D& Set(const TPoint3D& O, const TVector3D& AX, const Real& ix) noexcept;
    // O + AX x + AY y.
    TPoint3D& Set(const TPoint3D& O, const TVector3D& AX, const Real& ix, const TVector3D& AY,
                  const Real& iy) noexcept;
    void Swap(TPoint3D& P) noexcept
    {
        const Point3D t = P.Data;
        P.Data = Data;
        Data = t;
    }
    // this += V Dist.
    TPoint3D& Move(const TVector3D& V, const Real& Dist) noexcept;
    // The point as the row vector (x, y, z, 1) times mtr.
    TPoint3D& Mtr(const TMtr3D& mtr) noexcept;
    TPoint3D& operator+=(const TPoint3D& V) noexcept
    {
        x += V.x;
        y += V.y;
        z += V.z;
        return *this;
    }
    TPoint3D& operator-=(const TPoint3D& V) noexcept
    {
        x -= V.x;
        y -= V.y;
        z -= V.z;
        return *this;
    }
    TPoint3D& operator/=(Real k) noexcept
    {
        x /= k;
        y /= k;
        z /= k;
        return *this;
    }

    Real DistanceTo(const TPoint3D& P) const noexcept;
    // On the z axis: x and y within 1e-5 of 0.
    bool OnAxleZ() const noexcept
    {
        return std::fabs(x) <= TMathDef::pointPrecision3D && std::fabs(y) <= TMathDef::pointPrecision3D;
    }
    // Side of the plane A, B, C with the normal (C - A) x (B - A); within 1e-4 counts as on it.
    TPointOnPlane PointToPlane(const TPoint3D& A, const TPoint3D& B, const TPoint3D& C) const noexcept;
    // Along A -> B: (B - A) . (this - A) above 1e-4 is RightLine, below -1e-4 LeftLine (3D dot product).
    TPointOnLine PointToLine2D(const TPoint3D& A, const TPoint3D& B) const noexcept;
    // Plan view: signed distance from the line A -> B, positive to the right.
    Real DistPointLine2D(const TPoint3D& A, const TPoint3D& B) const noexcept;
    // Plan view: right of A -> B or less than 0.5 left of it; true for |AB| < 0.05.
    Boolean PointRightOfLine2D(const TPoint3D& A, const TPoint3D& B) const noexcept;

    bool EquEps(const TPoint3D& P, Real eps) const noexcept
    {
        return std::fabs(x - P.x) <= eps && std::fabs(y - P.y) <= eps && std::fabs(z - P.z) <= eps;
    }
    bool Equ(const TPoint3D& P) const noexcept { return EquEps(P, TMathDef::pointPrecision3D); }
    // Within 1e-5 in each coordinate.
    bool operator==(const TPoint3D& P) const noexcept { return Equ(P); }
    bool operator!=(const TPoint3D& P) const noexcept { return !Equ(P); }

    // "(x , y , z)", 2 decimals, width 7.
    TString toStr() const;
    // x, y, z as raw doubles (24 bytes).
    void toStream(TKmfData& stream) const;
    void fromStream(TKmfData& stream);
};

class TVector3D : public TPoint3D {
public:
    using Vector3D = TPoint3D::Point3D;
    using TPoint3D::Set;

    TVector3D() noexcept = default;
    TVector3D(Real ix, Real iy, Real iz) noexcept : TPoint3D(ix, iy, iz) {}
    TVector3D(const Point3D& P) noexcept : TPoint3D(P) {}
    explicit TVector3D(const TPoint3D& P) noexcept : TPoint3D(P) {}
    // From A to B.
    TVector3D(const TPoint3D& A, const TPoint3D& B) noexcept : TPoint3D(B.x - A.x, B.y - A.y, B.z - A.z) {}

    TVector3D& Set(Real ix, Real iy, Real iz) noexcept
    {
        TPoint3D::Set(ix, iy, iz);
        return *this;
    }
    TVector3D& Set(const TPoint3D& A, const TPoint3D& B) noexcept
    {
        return Set(B.x - A.x, B.y - A.y, B.z - A.z);
    }
    TVector3D& Reverse() noexcept { return Set(-x, -y, -z); }
    // this += V k.
    TVector3D& Add(const TVector3D& V, Real k = 1.0) noexcept
    {
        return Set(x + V.x * k, y + V.y * k, z + V.z * k);
    }
    TVector3D& operator*=(Real k) noexcept { return Set(x * k, y * k, z * k); }
    // The quarter turn counterclockwise in the XOY plane: (-y, x, 0).
    TVector3D& PerpendicularXOY() noexcept { return Set(-y, x, 0.0); }

    Real Len() const noexcept { return std::sqrt(x * x + y * y + z * z); }
    // Unit length unless the length is at most 2e-6 (then unchanged).
    TVector3D& Normalize() noexcept;
    // this = A x B.
    TVector3D& SetMultiply(const TVector3D& A, const TVector3D& B) noexcept;
    // Rotation and scale of mtr only (no translation).
    TVector3D& Mtr(const TMtr3D& mtr) noexcept;
    // Local direction to global: x P.AX + y P.AY + z P.AZ.
    TVector3D& Mtr(const TPlacement3D& P) noexcept;
    // Neither vector zero and the raw cross product no longer than 2e-6.
    Boolean IsColinear(const TVector3D& V) const noexcept;
    Real MaxFactor() const noexcept { return std::fmax(std::fabs(x), std::fmax(std::fabs(y), std::fabs(z))); }
    // The part of this along D, and the rest (D need not be unit; a zero D has no tangent part).
    TVector3D TangentComponent(const TVector3D& D) const noexcept;
    TVector3D NormalComponent(const TVector3D& D) const noexcept;
    // Angle between this and V, radians in [0, pi]; 0 when either is zero.
    Real Angle(const TVector3D& V) const noexcept;

    Real operator*(const TVector3D& V) const noexcept { return x * V.x + y * V.y + z * V.z; } // dot
    TVector3D operator|(const TVector3D& V) const noexcept;                                   // cross
    TVector3D operator*(Real k) const noexcept { return TVector3D(x * k, y * k, z * k); }
    TVector3D operator-() const noexcept { return TVector3D(-x, -y, -z); }
};

inline TVector3D operator-(const TPoint3D& A, const TPoint3D& B) noexcept
{
    return TVector3D(A.x - B.x, A.y - B.y, A.z - B.z);
}
inline TPoint3D operator+(const TPoint3D& P, const TPoint3D& V) noexcept
{
    return TPoint3D(P.x + V.x, P.y + V.y, P.z + V.z);
}
inline TVector3D operator+(const TVector3D& A, const TVector3D& B) noexcept
{
    return TVector3D(A.x + B.x, A.y + B.y, A.z + B.z);
}
inline TVector3D operator-(const TVector3D& A, const TVector3D& B) noexcept
{
    return TVector3D(A.x - B.x, A.y - B.y, A.z - B.z);
}
inline TVector3D operator*(Real k, const TVector3D& V) noexcept
{
    return V * k;
}

TKmfData& operator<<(TKmfData& stream, const TPoint3D& P);
TKmfData& operator>>(TKmfData& stream, TPoint3D& P);

// Axis-parallel box by its smallest and largest corners; zero by default.
class TCube3D {
public:
    TPoint3D Min;
    TPoint3D Max;

    TCube3D() noexcept = default;
    TCube3D(const TPoint3D& iMin, const TPoint3D& iMax) noexcept : Min(iMin), Max(iMax) {}

    Real GetXMin() const noexcept { return Min.x; }
    Real GetYMin() const noexcept { return Min.y; }
    Real GetZMin() const noexcept { return Min.z; }
    Real GetXMax() const noexcept { return Max.x; }
    Real GetYMax() const noexcept { return Max.y; }
    Real GetZMax() const noexcept { return Max.z; }
    Real& XMin() noexcept { return Min.x; }
    Real& YMin() noexcept { return Min.y; }
    Real& ZMin() noexcept { return Min.z; }
    Real& XMax() noexcept { return Max.x; }
    Real& YMax() noexcept { return Max.y; }
    Real& ZMax() noexcept { return Max.z; }
    TPoint3D GetCenter() const noexcept;
    // Widen by d on every side.
    TCube3D& Enlarge(Real d) noexcept;
    // Enclose C as well.
    TCube3D& Add(const TCube3D& C) noexcept;
    // Overlap on x, y and z after widening by Eps; touching boxes overlap.
    Boolean IsCommon(const TCube3D& C2, Real Eps) const noexcept;
    // Overlap on x and y with the margin 0.1.
    Boolean IsCommonOnXY(const TCube3D& C2) const noexcept;

    bool EquEps(const TCube3D& C, Real eps) const noexcept
    {
        return Min.EquEps(C.Min, eps) && Max.EquEps(C.Max, eps);
    }
    bool operator==(const TCube3D& C) const noexcept { return Min == C.Min && Max == C.Max; }
    bool operator!=(const TCube3D& C) const noexcept { return !(*this == C); }
};

// Min.x, Min.y, Min.z, Max.x, Max.y, Max.z as raw doubles (48 bytes).
TKmfData& operator<<(TKmfData& stream, const TCube3D& MI);
TKmfData& operator>>(TKmfData& stream, TCube3D& MI);

// A line through O along Direction (expected of unit length).
class TLine3D {
public:
    TPoint3D O;
    TVector3D Direction;

    TLine3D() noexcept = default;
    TLine3D(const TPoint3D& iO, const TVector3D& iDirection) noexcept : O(iO), Direction(iDirection) {}
    // Through A; the direction A - B made unit.
    TLine3D(const TPoint3D& A, const TPoint3D& B) noexcept;

    // |(O - P) x Direction|: the distance when Direction has unit length.
    Real DistanceTo(const TPoint3D& P) const noexcept;
};

Real Skalar(const TVector3D& A, const TVector3D& B) noexcept;
Real Skalar2D(const TVector3D& A, const TVector3D& B) noexcept; // z included, as Skalar
TVector3D Multiply(const TVector3D& A, const TVector3D& B) noexcept;
// (C - A) x (B - A), unit unless at most 2e-6 long: opposite to TTriangle3D::Normal.
TVector3D NormalPlane(const TPoint3D& A, const TPoint3D& B, const TPoint3D& C) noexcept;
// Plan view: squared distance below 1.
Boolean VisualEquPoint(const TPoint3D& A, const TPoint3D& B) noexcept;
// Plane A, B, C against the line X, Y; false (R untouched) when they are exactly parallel.
// R may lie outside the segment X-Y.
Boolean PlaneIntersectLine(const TPoint3D& A, const TPoint3D& B, const TPoint3D& C, const TPoint3D& X,
                           const TPoint3D& Y, TPoint3D& R) noexcept;

#include "Mtr3D.h"
#include "Placement3D.h"
#include "Triangle3D.h"
