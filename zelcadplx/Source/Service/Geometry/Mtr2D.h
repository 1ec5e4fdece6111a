#pragma once
// TMtr2D: the plane transformation, a 3 x 3 matrix acting on row vectors (x, y, 1) with the
// translation in the last row. A x B applies A first. The placement operations (the
// constructor from x, y, angle, scale and drMtr) take degrees; Rotate and Init take radians.

#include "Mathemat.h"

class TMtr2D {
public:
    static constexpr Integer Rows = 3;
    static constexpr Integer Columns = 3;
    static const TMtr2D identity;

    // One storage, three views: V0..V8, rows M[0..2], and the named frame fields.
    union {
        Real V[9];
        Real M[3][3];
        struct {
            TPoint2D::Point2D AX; // image of the x axis
            Real dx;
            TPoint2D::Point2D AY; // image of the y axis
            Real dy;
            TPoint2D::Point2D O; // image of the origin
            Real kScale;
        };
    };

    TMtr2D() noexcept { Init(); }
    TMtr2D(const TMtr2D& m) noexcept = default;
    // Scale, then rotate by Angle degrees counterclockwise, then move by (x, y).
    TMtr2D(Real x, Real y, Real Angle, Real Scale) noexcept;
    // The frame with rows AX, AY, O.
    TMtr2D(const TPoint2D& iO, const TVector2D& iAX, const TVector2D& iAY) noexcept { Set(iO, iAX, iAY); }
    // The frame at iO whose x axis runs along iAX (normalised) and y axis a quarter turn counterclockwise of
    // it.
    TMtr2D(const TPoint2D& iO, const TVector2D& iAX) noexcept { Init(iO, iAX); }
    TMtr2D(const TPoint2D& pc, Real sx, Real sy) noexcept { Init(pc, sx, sy); }
    TMtr2D(const TPoint2D& pc, Real angle) noexcept { Init(pc, angle); }
    TMtr2D& operator=(const TMtr2D& m) noexcept = default;

    TMtr2D& Init() noexcept;
    // Scaling by sx, sy about pc (a factor within 1e-10 of 1 counts as 1).
    TMtr2D& Init(const TPoint2D& pc, Real sx, Real sy) noexcept;
    // Rotation by angle radians counterclockwise about pc.
    TMtr2D& Init(const TPoint2D& pc, Real angle) noexcept;
    TMtr2D& Init(const TPoint2D& iO, const TVector2D& iAX) noexcept;
    TMtr2D& Set(const TPoint2D& iO, const TVector2D& iAX, const TVector2D& iAY) noexcept;
    // The reflection in the line through pc along D; replaces the contents.
    TMtr2D& Symmetry(const TPoint2D& pc, const TVector2D& D) noexcept;

    // The placement (x, y, Angle degrees, Scale) acts before the present transformation.
    TMtr2D& drMtr(Real x, Real y, Real Angle, Real Scale) noexcept;
    TMtr2D& Move(Real idx, Real idy) noexcept;
    TMtr2D& Move(const TVector2D& D) noexcept { return Move(D.x, D.y); }
    TMtr2D& Scale(Real s) noexcept;
    TMtr2D& ScaleX(Real s) noexcept;
    TMtr2D& ScaleY(Real s) noexcept;
    TMtr2D& Rotate(Real angle) noexcept;  // radians
    TMtr2D& Rotate(TVector2D D) noexcept; // by D's direction
    TMtr2D& Rotate(const TPoint2D& pc, TVector2D D) noexcept;
    TMtr2D& Shift(Real s) noexcept;  // x' = x + s y, y' = s x + y
    TMtr2D& ShiftX(Real s) noexcept; // x' = x + s y
    TMtr2D& ShiftY(Real s) noexcept; // y' = s x + y
    static void Multiply(const TMtr2D& m1, const TMtr2D& m2, TMtr2D& R) noexcept; // R = m1 x m2
    TMtr2D& PostMultiply(const TMtr2D& B) noexcept; // this = this x B: B acts after
    TMtr2D& PreMultiply(const TMtr2D& B) noexcept;  // this = B x this: B acts before
    TMtr2D& operator*=(const TMtr2D& B) noexcept { return PostMultiply(B); }

    void TransformCoord(Real x, Real y, Real& xn, Real& yn) const noexcept
    {
        xn = V[0] * x + V[3] * y + V[6];
        yn = V[1] * x + V[4] * y + V[7];
    }
    TPoint2D Transform(const TPoint2D& P) const noexcept;
    // s times the length of AX.
    void TransformScalarX(Real& s) const noexcept { s *= std::sqrt(V[0] * V[0] + V[1] * V[1]); }
    // Column lengths, the translation term included.
    Real GetScaleX() const noexcept { return std::sqrt(V[0] * V[0] + V[3] * V[3] + V[6] * V[6]); }
    Real GetScaleY() const noexcept { return std::sqrt(V[1] * V[1] + V[4] * V[4] + V[7] * V[7]); }
    // The mean linear scale: sqrt(|det|) of the 2 x 2 block.
    Real GetScale() const noexcept { return std::sqrt(std::fabs(V[0] * V[4] - V[1] * V[3])); }
    // Direction of AX, radians in (-pi, pi].
    Real AngleMtr() const noexcept { return std::atan2(V[1], V[0]); }

    // Cofactor of element (i, j) of the leading n x n block; 0 for n < 2.
    Real Delta(Integer i, Integer j, Integer n) const noexcept;
    // Determinant of the leading n x n block; 0 for n < 1.
    Real Det(Integer n) const noexcept;
    // m = the inverse (adjugate over determinant); the matrix must be regular.
    void Div(TMtr2D& m) const noexcept;
    // Transposes in place.
    void Adj() noexcept;

    // Every value within eps (2e-6 for ==).
    bool Equ(const TMtr2D& m, Real eps = TMathDef::metricPrecision) const noexcept;
    bool operator==(const TMtr2D& m) const noexcept { return Equ(m); }
    bool operator!=(const TMtr2D& m) const noexcept { return !Equ(m); }

    TPoint2D Origin() const noexcept { return TPoint2D(O); }
    TVector2D aX() const noexcept { return TVector2D(AX); }
    TVector2D aY() const noexcept { return TVector2D(AY); }
    bool IsLeft() const noexcept { return V[0] * V[4] - V[1] * V[3] < 0.0; } // mirrors
    bool IsTranslation() const noexcept { return TPoint2D(O) != TPoint2D(); }
    bool IsRotation() const noexcept { return !TMathDef::Equ(V[1], 0.0) || !TMathDef::Equ(V[3], 0.0); }
    bool IsScale() const noexcept;
    bool IsPerspektive() const noexcept
    {
        return !TMathDef::Equ(V[2], 0.0) || !TMathDef::Equ(V[5], 0.0) || !TMathDef::Equ(V[8], 1.0);
    }
    bool IsTranslationOnly() const noexcept;
    // Equal axis lengths at a right angle: shapes keep their form.
    bool IsIsotropic() const noexcept;
    bool IsSingle() const noexcept { return Equ(TMtr2D()); } // the identity

    Real operator()(Integer i, Integer j) const noexcept { return M[i][j]; }
    Real& operator()(Integer i, Integer j) noexcept { return M[i][j]; }
    Real Get(Integer i, Integer j) const noexcept { return M[i][j]; }
    void Set(Integer i, Integer j, Real v) noexcept { M[i][j] = v; }
    void GetRow(Integer i, Real (&r)[3]) const noexcept
    {
        for (int k = 0; k < 3; ++k)
            r[k] = M[i][k];
    }
    void GetColumn(Integer j, Real (&c)[3]) const noexcept
    {
        for (int k = 0; k < 3; ++k)
            c[k] = M[k][j];
    }
    void SetRow(Integer i, const Real (&r)[3]) noexcept
    {
        for (int k = 0; k < 3; ++k)
            M[i][k] = r[k];
    }
    void SetColumn(Integer j, const Real (&c)[3]) noexcept
    {
        for (int k = 0; k < 3; ++k)
            M[k][j] = c[k];
    }
    void SetOrigin(const TPoint2D& P) noexcept { O = P; }

    // V0..V8 as raw doubles, one 72-byte block.
    void toStream(TKmfData& stream) const;
    void fromStream(TKmfData& stream);
};
