#pragma once
// Rectangles of the plane: the axis-parallel TRect2D given by two corners (boxes of curves,
// contours and component layouts) and the oriented TORect2D of the smallest-rectangle search.

#include "Mathemat.h"

// Axis-parallel rectangle; LD holds the smallest x and y, RU the largest. The default is the
// null rectangle (both corners at the origin); SetEmpty gives the inverted box that Add grows.
class TRect2D {
public:
    TPoint2D LD;
    TPoint2D RU;

    constexpr TRect2D() noexcept = default;
    // The corners may come in any order.
    TRect2D(Real x1, Real y1, Real x2, Real y2) noexcept { Set(x1, y1, x2, y2); }
    TRect2D(const TPoint2D& A, const TPoint2D& B) noexcept { Set(A, B); }

    TRect2D& SetNull() noexcept
    {
        LD.SetZero();
        RU.SetZero();
        return *this;
    }
    TRect2D& SetEmpty() noexcept;
    // The square of half-side R around C.
    TRect2D& SetQuadrate(const TPoint2D& C, Real R) noexcept
    {
        return Set(C.x - R, C.y - R, C.x + R, C.y + R);
    }
    TRect2D& Set(Real x1, Real y1, Real x2, Real y2) noexcept;
    TRect2D& Set(const TPoint2D& A, const TPoint2D& B) noexcept { return Set(A.x, A.y, B.x, B.y); }
    bool IsEmpty() const noexcept { return LD.x > RU.x || LD.y > RU.y; }
    // Both corners at the origin within 2e-6.
    bool IsNull() const noexcept { return LD == TPoint2D() && RU == TPoint2D(); }

    Real Top() const noexcept { return RU.y; }
    Real Bottom() const noexcept { return LD.y; }
    Real Left() const noexcept { return LD.x; }
    Real Right() const noexcept { return RU.x; }
    Real Ymax() const noexcept { return RU.y; }
    Real Ymin() const noexcept { return LD.y; }
    Real Xmin() const noexcept { return LD.x; }
    Real Xmax() const noexcept { return RU.x; }
    Real Width() const noexcept { return RU.x - LD.x; }
    Real Height() const noexcept { return RU.y - LD.y; }
    const TPoint2D& GetOrigin() const noexcept { return LD; }
    Real Area() const noexcept { return Width() * Height(); }

    // Grow to enclose a point or a rectangle; an empty rectangle adds nothing.
    TRect2D& Add(const TPoint2D& P) noexcept;
    TRect2D& Add(const TRect2D& R) noexcept;
    TRect2D& operator+=(const TRect2D& R) noexcept { return Add(R); }
    TRect2D& operator+=(const TPoint2D& P) noexcept { return Add(P); }
    // Widen by d on every side (EnlargeX, EnlargeY: on the two sides of one axis).
    TRect2D& Enlarge(Real d) noexcept { return EnlargeX(d).EnlargeY(d); }
    TRect2D& EnlargeX(Real d) noexcept
    {
        LD.x -= d;
        RU.x += d;
        return *this;
    }
    TRect2D& EnlargeY(Real d) noexcept
    {
        LD.y -= d;
        RU.y += d;
        return *this;
    }
    // Corners out to the multiples of d that enclose the rectangle.
    TRect2D& EnlargeDivisible(Real d) noexcept;

    // Touching rectangles intersect.
    Boolean InterSect(const TRect2D& R) const noexcept;
    // Borders included.
    Boolean Contains(const TPoint2D& P) const noexcept
    {
        return LD.y <= P.y && P.y <= RU.y && LD.x <= P.x && P.x <= RU.x;
    }
    // Where the ray from P along V leaves through the border (sides tried left, top, right,
    // bottom; the first hit wins); (0, 0) when no side is hit.
    TPoint2D PointOnSide(const TPoint2D& P, const TVector2D& V) const noexcept;

    // "((LD.x,LD.y)-(RU.x,RU.y))", numbers with 2 decimals, width 7.
    TString GetStr() const;
    // LD.x, LD.y, RU.x, RU.y as raw doubles (32 bytes).
    void toStream(TKmfData& stream) const;
    void fromStream(TKmfData& stream);
};

// Oriented rectangle: centre, direction of the first axis (radians), full extents along and
// across that axis.
class TORect2D {
public:
    Real X = 0.0;
    Real Y = 0.0;
    Real Angle = 0.0;
    Real Length = 0.0; // along the first axis
    Real Width = 0.0;  // across it

    // "((X,Y) Angle,Length Width)" with 2 decimals, width 7.
    TString GetStr() const;
};
