#pragma once
// Plane geometry values: the library-wide constants and tolerances (TMathDef), the small
// numeric helpers (signs with a dead band, rounding to multiples, the quadratic equation,
// line angles in degrees), and the point and vector of the plane. Rectangles, parameter
// intervals and the 2D matrix live in Rect2D.h, Region1D.h and Mtr2D.h, pulled in at the end.

#include "BaseTypes.h"
#include "DString.h"

#include <cmath>

class TKmfData;
class TLineSeg;

// Empty base of the value types and curves: its constants are in their scope by name.
class TMathDef {
public:
    static constexpr Integer MaxInteger = 2147483647;
    static constexpr Integer MinInteger = -2147483647; // not INT_MIN: negation stays in range
    static constexpr Real MaxReal = 1e300;
    static constexpr Real MinReal = 1e-300;
    static constexpr Real UndefinedReal = -1e300; // a value not yet set

    static constexpr Real C_PI = 3.14159265358979323846;
    static constexpr Real C_2PI = 2.0 * C_PI;
    static constexpr Real C_PI_2 = C_PI / 2.0;
    static constexpr Real C_PI_4 = C_PI / 4.0;
    static constexpr Real C_1_PI = 1.0 / C_PI;
    static constexpr Real C_2_PI = 2.0 / C_PI;
    static constexpr Real C_1_2PI = 1.0 / (2.0 * C_PI);
    static constexpr Real RADDEG = 57.29577951308232;    // radians to degrees
    static constexpr Real DEGRAD = 0.017453292519943295; // degrees to radians

    static constexpr Real nullEpsilon = 1e-30;
    static constexpr Real nullRegion = 1e-20;
    static constexpr Real doubleEpsilon = 1e-16;
    static constexpr Real doubleRegion = 1e-16;
    static constexpr Real lengthEpsilon = 1e-10;
    static constexpr Real lengthRegion = 1e-9;
    static constexpr Real MinLength = 1e-4;
    static constexpr Real MaxLength = 1e7;
    static constexpr Real metricEpsilon = 1e-8;
    static constexpr Real metricRegion = 2e-7;
    // The 2e-6 of the library: the zero test of lengths, sines, cross products and values
    // (metric), and the end test of curve parameters (param).
    static constexpr Real metricPrecision = 2e-6;
    static constexpr Real metricAccuracy = 2e-5;
    static constexpr Real metricNear = 1e-4;
    static constexpr Real paramEpsilon = 1e-8;
    static constexpr Real paramRegion = 2e-7;
    static constexpr Real paramPrecision = 2e-6;
    static constexpr Real paramAccuracy = 2e-5;
    static constexpr Real paramNear = 1e-4;
    static constexpr Real paramDeltaMin = 0.005;
    static constexpr Real DEVIATION_SAG = 0.08 * C_PI;
    static constexpr Real angleEpsilon = C_PI * 1e-8;
    static constexpr Real COUNT_DELTA = 10.0;
    static constexpr Real determinantMax = 1e137;
    static constexpr Real determinantMin = 1e-171;
    static constexpr Real LengthEps = 2e-6;
    static constexpr Real AngleEps = 2e-6;
    static constexpr Real NewtonEps = 1e-10;
    static constexpr Real NewtonReg = 2e-6;

    // Tolerances of the 3D value types, the side tests and the divisible roundings.
    static constexpr Real pointPrecision3D = 1e-5; // equal 3D points, parallel placement axes
    static constexpr Real sidePrecision = 1e-4;    // above / below a plane, left / right of a line
    static constexpr Real divisibleEpsilon = 1e-4; // a size this near a multiple is that multiple

    static bool EquEps(const Real& a, const Real& b, const Real& eps) noexcept
    {
        return std::fabs(a - b) <= eps;
    }
    static bool Equ(const Real& a, const Real& b) noexcept { return EquEps(a, b, metricPrecision); }
    static bool EquTParam(const Real& a, const Real& b) noexcept { return EquEps(a, b, paramEpsilon); }
    static bool EquPoint(const Real& a, const Real& b) noexcept { return EquEps(a, b, metricNear); }
    // x + 0.5 Zn(x) truncated: halves go away from zero, |x| <= 2e-6 gives 0; the result is
    // held within MinInteger..MaxInteger.
    static Integer Round(const Real& x) noexcept;
};

// Sign with the dead band 2e-6: 1, -1, or 0 for |x| <= 2e-6.
inline Integer Zn(const Real& x) noexcept
{
    return x > TMathDef::metricPrecision ? 1 : (x < -TMathDef::metricPrecision ? -1 : 0);
}
// 1 when |x| > 2e-6, else 0.
inline Integer AbsZn(const Real& x) noexcept
{
    return Zn(x) != 0 ? 1 : 0;
}

inline Integer TMathDef::Round(const Real& x) noexcept
{
    const Real r = std::trunc(x + 0.5 * Zn(x));
    if (std::isnan(r)) return 0;
    if (r <= MinInteger) return MinInteger;
    return r >= MaxInteger ? MaxInteger : static_cast<Integer>(r);
}
inline Integer Round(const Real& x) noexcept
{
    return TMathDef::Round(x);
}
inline Real Max(const Real& a, const Real& b) noexcept
{
    return a > b ? a : b;
}
inline Real CosGrad(const Real& a) noexcept
{
    return std::cos(a * TMathDef::DEGRAD);
}
inline Real SinGrad(const Real& a) noexcept
{
    return std::sin(a * TMathDef::DEGRAD);
}

// Rounding to multiples. The integer forms truncate size first; a zero divisor is not allowed.
// The real forms return size unchanged for |divid| <= 1e-4 and take a size within 1e-4 of a
// multiple as that multiple.
Real MaxDivisible(const Real& size, int divid);         // next multiple at or above trunc(size)
Real MinDivisible(const Real& size, int divid);         // next multiple at or below trunc(size)
Real MaxDivisible(const Real& size, const Real& divid); // up for a positive size, else towards zero
Real MinDivisible(const Real& size, const Real& divid); // down for a negative size, else towards zero
Real Divisible(const Real& size, const Real& divid);    // nearest multiple; a tie goes towards zero

// Roots of A x^2 + B x + C = 0 within Eps: returns 0, 1 or 2; with two roots x1 > x2.
// With no root x1 and x2 are left untouched.
Integer SquareEquation(Real A, Real B, Real C, Real& x1, Real& x2, Real Eps);

// Direction of the line (x2, y2) -> (x3, y3) in degrees, in [0, 360); 90 for equal points.
Real AngleLine(const Real& x2, const Real& y2, const Real& x3, const Real& y3);
Real LenLine(const Real& x, const Real& y, const Real& x1, const Real& y1);
// Decimal places that x shows (a fraction within 0.002 of whole counts as whole); 11 = more than 10.
UInteger CountDigisAfterDot(const Real& x);
// One turn towards (0, 360] degrees: 0 becomes 360, 725 becomes 365.
Real NormAngle(const Real& A);

// A plane point of another coordinate type, such as whole window pixels.
template <class T> struct TPoint2DOf {
    T x{};
    T y{};
    constexpr bool operator==(const TPoint2DOf&) const noexcept = default;
};

// A point of the plane.
class TPoint2D : public TMathDef {
public:
    // The bare two-real record, for storages shared through unions (the 2D matrix).
    struct Point2D {
        Real x, y;
    };

    Real x = 0.0;
    Real y = 0.0;

    constexpr TPoint2D() noexcept = default;
    constexpr TPoint2D(Real ix, Real iy) noexcept : x(ix), y(iy) {}
    constexpr TPoint2D(const Point2D& P) noexcept : x(P.x), y(P.y) {}
    constexpr operator Point2D() const noexcept { return Point2D{x, y}; }

    TPoint2D& Set(Real ix, Real iy) noexcept
    {
        x = ix;
        y = iy;
        return *this;
    }
    TPoint2D& Move(Real dx, Real dy) noexcept
    {
        x += dx;
        y += dy;
        return *this;
    }
    TPoint2D& SetZero() noexcept
    {
        x = y = 0.0;
        return *this;
    }
    void Swap(TPoint2D& P) noexcept
    {
        TPoint2D t = P;
        P = *this;
        *this = t;
    }
    TPoint2D& operator+=(const TPoint2D& V) noexcept
    {
        x += V.x;
        y += V.y;
        return *this;
    }
    TPoint2D& operator-=(const TPoint2D& V) noexcept
    {
        x -= V.x;
        y -= V.y;
        return *this;
    }
    TPoint2D& operator*=(Real k) noexcept
    {
        x *= k;
        y *= k;
        return *this;
    }

    Real SqrDistanceTo(const TPoint2D& P) const noexcept
    {
        return (x - P.x) * (x - P.x) + (y - P.y) * (y - P.y);
    }
    Real DistanceTo(const TPoint2D& P) const noexcept { return std::sqrt(SqrDistanceTo(P)); }
    Real DistanceTo(const TLineSeg& L) const; // defined with the segment curve
    // Direction of this -> P in degrees, as AngleLine.
    Real Angle(const TPoint2D& P) const noexcept;
    // Direction of this -> P in radians, [0, 2 pi).
    Real DirectionAngle(const TPoint2D& P) const noexcept;
    Real MaxCoo() const noexcept { return std::fmax(std::fabs(x), std::fabs(y)); }
    // Negative left of the directed line A -> B, positive right of it, 0 on it.
    Real IsLeftOf(const TPoint2D& A, const TPoint2D& B) const noexcept
    {
        return (x - B.x) * (B.y - A.y) - (y - B.y) * (B.x - A.x);
    }

    bool EquEps(const TPoint2D& P, Real eps) const noexcept
    {
        return std::fabs(x - P.x) <= eps && std::fabs(y - P.y) <= eps;
    }
    bool EquEps(Real ix, Real iy, Real eps) const noexcept { return EquEps(TPoint2D(ix, iy), eps); }
    // Equal within 2e-6 in each coordinate.
    bool operator==(const TPoint2D& P) const noexcept { return EquEps(P, metricPrecision); }
    bool operator!=(const TPoint2D& P) const noexcept { return !(*this == P); }

    // Stream form: x, y as raw doubles (16 bytes).
    void Write(TKmfData& stream) const;
    void Read(TKmfData& stream);
    void toStream(TKmfData& stream) const { Write(stream); }
    void fromStream(TKmfData& stream) { Read(stream); }
    // x and y, 2 decimals, width 7 each, one blank between.
    TString GetStr() const;
};

// TLocation: the side of something relative to a direction or a region.
enum TLocation : Integer {
    tl_Undefined = -3,
    tl_Unknown = -2,
    tl_Right = -1,
    tl_On = 0,
    tl_Left = 1,
    tl_ByLeft = 2,
    tl_Inside = 1,
    tl_OutSide = -1,
};

// A direction of the plane; the same x, y as the point.
class TVector2D : public TPoint2D {
public:
    using Vector2D = TPoint2D::Point2D;
    using TPoint2D::Angle;

    constexpr TVector2D() noexcept = default;
    constexpr TVector2D(Real ix, Real iy) noexcept : TPoint2D(ix, iy) {}
    constexpr TVector2D(const Point2D& P) noexcept : TPoint2D(P) {}
    constexpr explicit TVector2D(const TPoint2D& P) noexcept : TPoint2D(P) {}
    // From A to B.
    constexpr TVector2D(const TPoint2D& A, const TPoint2D& B) noexcept : TPoint2D(B.x - A.x, B.y - A.y) {}

    TVector2D& Set(Real ix, Real iy) noexcept
    {
        x = ix;
        y = iy;
        return *this;
    }
    TVector2D& Set(const TPoint2D& A, const TPoint2D& B) noexcept { return Set(B.x - A.x, B.y - A.y); }
    TVector2D& Reverse() noexcept
    {
        x = -x;
        y = -y;
        return *this;
    }
    // The quarter turns: counterclockwise (-y, x) and clockwise (y, -x); Perpendicular turns
    // counterclockwise.
    TVector2D& PerpendicularBackClockWise() noexcept { return Set(-y, x); }
    TVector2D& PerpendicularByClockWise() noexcept { return Set(y, -x); }
    TVector2D& Perpendicular() noexcept { return PerpendicularBackClockWise(); }

    Real SqrLen() const noexcept { return x * x + y * y; }
    Real Len() const noexcept { return std::sqrt(SqrLen()); }
    // Unit length unless the length is at most 2e-6 (then unchanged).
    TVector2D& Normalize() noexcept;
    // Direction in radians, [0, 2 pi); 0 when both components are within 1e-10 of 0.
    Real AngleInRadian() const noexcept;
    // The same direction in degrees, [0, 360).
    Real Angle() const noexcept { return AngleInRadian() * RADDEG; }
    // Side of V: tl_Left when V is counterclockwise of this, tl_Right clockwise, tl_On when the
    // sine of the angle between them is below 2e-6 or either vector is shorter than 2e-6.
    TLocation Relative(const TVector2D& V) const noexcept;
    // Counterclockwise by Angle radians.
    TVector2D& Rotate(const Real& Angle) noexcept;
    // Complex product with V: a rotation by V's direction when V has unit length.
    TVector2D& Rotate(const TVector2D& V) noexcept { return Set(x * V.x - y * V.y, x * V.y + y * V.x); }

    Real operator|(const TVector2D& V) const noexcept { return x * V.x + y * V.y; } // dot
    Real operator^(const TVector2D& V) const noexcept { return x * V.y - y * V.x; } // cross
    TVector2D operator-() const noexcept { return TVector2D(-x, -y); }
    TVector2D& operator*=(Real k) noexcept
    {
        x *= k;
        y *= k;
        return *this;
    }
    TVector2D& operator/=(Real k) noexcept
    {
        x /= k;
        y /= k;
        return *this;
    }
};

inline TVector2D operator-(const TPoint2D& A, const TPoint2D& B) noexcept
{
    return TVector2D(A.x - B.x, A.y - B.y);
}
inline TPoint2D operator+(const TPoint2D& P, const TPoint2D& V) noexcept
{
    return TPoint2D(P.x + V.x, P.y + V.y);
}
inline TVector2D operator+(const TVector2D& A, const TVector2D& B) noexcept
{
    return TVector2D(A.x + B.x, A.y + B.y);
}
inline TVector2D operator-(const TVector2D& A, const TVector2D& B) noexcept
{
    return TVector2D(A.x - B.x, A.y - B.y);
}
inline TVector2D operator*(const TVector2D& V, Real k) noexcept
{
    return TVector2D(V.x * k, V.y * k);
}
inline TVector2D operator*(Real k, const TVector2D& V) noexcept
{
    return V * k;
}
inline TVector2D operator/(const TVector2D& V, Real k) noexcept
{
    return TVector2D(V.x / k, V.y / k);
}

// Crossing of the segments x0-x1 and y0-y1, end points included (to within 1e-8 of the
// parameter); parallel segments (sine below 2e-6), overlapping ones included, do not cross.
Boolean LS_IS(const TPoint2D& x0, const TPoint2D& x1, const TPoint2D& y0, const TPoint2D& y1,
              TPoint2D& InterSect);

#include "Mtr2D.h"
#include "Rect2D.h"
#include "Region1D.h"
