// The plane transformation matrix.
#include "Mtr2D.h"

#include "LoadOrder.h"

#include "KmfData.h"

#include <utility>

namespace {

// A scale factor this near 1, or a shear this near 0, changes nothing.
constexpr Real kUnitFactor = TMathDef::lengthEpsilon;

bool IsUnitFactor(Real s)
{
    return std::fabs(s - 1.0) <= kUnitFactor;
}

TMtr2D Translation(Real x, Real y)
{
    TMtr2D t;
    t.M[2][0] = x;
    t.M[2][1] = y;
    return t;
}

TMtr2D Rotation(Real c, Real s)
{
    TMtr2D r;
    r.M[0][0] = c;
    r.M[0][1] = s;
    r.M[1][0] = -s;
    r.M[1][1] = c;
    return r;
}

// The unit direction of V, or V itself when it is at most 2e-6 long.
TVector2D UnitOrAsIs(TVector2D V)
{
    return V.Normalize();
}

// T(-pc) x A x T(pc): A acting about pc.
TMtr2D AboutPoint(const TPoint2D& pc, const TMtr2D& A)
{
    TMtr2D back;
    const TMtr2D to = Translation(pc.x, pc.y);
    to.Div(back);
    TMtr2D tmp, R;
    TMtr2D::Multiply(back, A, tmp);
    TMtr2D::Multiply(tmp, to, R);
    return R;
}

// Placement: scale, rotation by degrees, translation.
TMtr2D Placement(Real x, Real y, Real Angle, Real Scale)
{
    Real c = std::cos(Angle * TMathDef::DEGRAD);
    Real s = std::sin(Angle * TMathDef::DEGRAD);
    const Real l = std::sqrt(c * c + s * s);
    if (l > TMathDef::metricPrecision) {
        c /= l;
        s /= l;
    }
    const Real k = IsUnitFactor(Scale) ? 1.0 : Scale;
    TMtr2D P = Rotation(k * c, k * s);
    P.M[2][0] = x;
    P.M[2][1] = y;
    return P;
}

} // namespace

[[gnu::init_priority(loadorder::Geometry)]] const TMtr2D TMtr2D::identity;

TMtr2D::TMtr2D(Real x, Real y, Real Angle, Real Scale) noexcept
{
    *this = Placement(x, y, Angle, Scale);
}

TMtr2D& TMtr2D::Init() noexcept
{
    for (int i = 0; i < 9; ++i)
        V[i] = (i % 4 == 0) ? 1.0 : 0.0;
    return *this;
}

TMtr2D& TMtr2D::Init(const TPoint2D& pc, Real sx, Real sy) noexcept
{
    TMtr2D D;
    D.M[0][0] = IsUnitFactor(sx) ? 1.0 : sx;
    D.M[1][1] = IsUnitFactor(sy) ? 1.0 : sy;
    return *this = AboutPoint(pc, D);
}

TMtr2D& TMtr2D::Init(const TPoint2D& pc, Real angle) noexcept
{
    return *this = AboutPoint(pc, Rotation(std::cos(angle), std::sin(angle)));
}

TMtr2D& TMtr2D::Init(const TPoint2D& iO, const TVector2D& iAX) noexcept
{
    const TVector2D ax = UnitOrAsIs(iAX);
    return Set(iO, ax, TVector2D(-ax.y, ax.x));
}

TMtr2D& TMtr2D::Set(const TPoint2D& iO, const TVector2D& iAX, const TVector2D& iAY) noexcept
{
    Init();
    AX = iAX;
    AY = iAY;
    O = iO;
    return *this;
}

TMtr2D& TMtr2D::Symmetry(const TPoint2D& pc, const TVector2D& D) noexcept
{
    const TVector2D u = UnitOrAsIs(D);
    TMtr2D S;
    S.M[0][0] = u.x * u.x - u.y * u.y;
    S.M[0][1] = 2.0 * u.x * u.y;
    S.M[1][0] = 2.0 * u.x * u.y;
    S.M[1][1] = u.y * u.y - u.x * u.x;
    return *this = AboutPoint(pc, S);
}

TMtr2D& TMtr2D::drMtr(Real x, Real y, Real Angle, Real Scale) noexcept
{
    return PreMultiply(Placement(x, y, Angle, Scale));
}

TMtr2D& TMtr2D::Move(Real idx, Real idy) noexcept
{
    return PostMultiply(Translation(idx, idy));
}

TMtr2D& TMtr2D::Scale(Real s) noexcept
{
    if (IsUnitFactor(s)) return *this;
    for (int i = 0; i < 3; ++i) {
        M[i][0] *= s;
        M[i][1] *= s;
    }
    return *this;
}

TMtr2D& TMtr2D::ScaleX(Real s) noexcept
{
    if (!IsUnitFactor(s)) V[0] *= s, V[3] *= s, V[6] *= s;
    return *this;
}

TMtr2D& TMtr2D::ScaleY(Real s) noexcept
{
    if (!IsUnitFactor(s)) V[1] *= s, V[4] *= s, V[7] *= s;
    return *this;
}

TMtr2D& TMtr2D::Rotate(Real angle) noexcept
{
    return PostMultiply(Rotation(std::cos(angle), std::sin(angle)));
}

TMtr2D& TMtr2D::Rotate(TVector2D D) noexcept
{
    const TVector2D u = UnitOrAsIs(D);
    return PostMultiply(Rotation(u.x, u.y));
}

TMtr2D& TMtr2D::Rotate(const TPoint2D& pc, TVector2D D) noexcept
{
    const TVector2D u = UnitOrAsIs(D);
    return PostMultiply(AboutPoint(pc, Rotation(u.x, u.y)));
}

TMtr2D& TMtr2D::Shift(Real s) noexcept
{
    if (std::fabs(s) <= kUnitFactor) return *this;
    TMtr2D S;
    S.M[0][1] = s;
    S.M[1][0] = s;
    return PostMultiply(S);
}

TMtr2D& TMtr2D::ShiftX(Real s) noexcept
{
    if (std::fabs(s) <= kUnitFactor) return *this;
    TMtr2D S;
    S.M[1][0] = s;
    return PostMultiply(S);
}

TMtr2D& TMtr2D::ShiftY(Real s) noexcept
{
    if (std::fabs(s) <= kUnitFactor) return *this;
    TMtr2D S;
    S.M[0][1] = s;
    return PostMultiply(S);
}

void TMtr2D::Multiply(const TMtr2D& m1, const TMtr2D& m2, TMtr2D& R) noexcept
{
    TMtr2D r; // R may be m1 or m2
    for (int i = 0; i < 3; ++i)
        for (int j = 0; j < 3; ++j)
            r.M[i][j] = m1.M[i][0] * m2.M[0][j] + m1.M[i][1] * m2.M[1][j] + m1.M[i][2] * m2.M[2][j];
    R = r;
}

TMtr2D& TMtr2D::PostMultiply(const TMtr2D& B) noexcept
{
    Multiply(*this, B, *this);
    return *this;
}

TMtr2D& TMtr2D::PreMultiply(const TMtr2D& B) noexcept
{
    Multiply(B, *this, *this);
    return *this;
}

TPoint2D TMtr2D::Transform(const TPoint2D& P) const noexcept
{
    TPoint2D R;
    TransformCoord(P.x, P.y, R.x, R.y);
    return R;
}

Real TMtr2D::Delta(Integer i, Integer j, Integer n) const noexcept
{
    if (n < 2 || n > 3) return 0.0;
    const Real sign = ((i + j) % 2 == 0) ? 1.0 : -1.0;
    if (n == 2) return sign * M[1 - i][1 - j];
    Real m[4];
    int k = 0;
    for (int r = 0; r < 3; ++r)
        for (int c = 0; c < 3; ++c)
            if (r != i && c != j) m[k++] = M[r][c];
    return sign * (m[0] * m[3] - m[1] * m[2]);
}

Real TMtr2D::Det(Integer n) const noexcept
{
    if (n < 1) return 0.0;
    if (n == 1) return V[0]; // the 1 x 1 block is its own determinant
    Real d = 0.0;
    for (int k = 0; k < n && k < 3; ++k)
        d += V[k] * Delta(0, k, n);
    return d;
}

void TMtr2D::Div(TMtr2D& m) const noexcept
{
    const Real det = V[0] * Delta(0, 0, 3) + V[1] * Delta(0, 1, 3) + V[2] * Delta(0, 2, 3);
    TMtr2D r; // m may be this
    for (int i = 0; i < 3; ++i)
        for (int j = 0; j < 3; ++j)
            r.M[j][i] = Delta(i, j, 3) / det;
    m = r;
}

void TMtr2D::Adj() noexcept
{
    std::swap(V[1], V[3]);
    std::swap(V[2], V[6]);
    std::swap(V[5], V[7]);
}

bool TMtr2D::Equ(const TMtr2D& m, Real eps) const noexcept
{
    for (int i = 0; i < 9; ++i)
        if (std::fabs(V[i] - m.V[i]) > eps) return false;
    return true;
}

bool TMtr2D::IsScale() const noexcept
{
    return !TMathDef::Equ(aX().Len(), 1.0) || !TMathDef::Equ(aY().Len(), 1.0);
}

bool TMtr2D::IsTranslationOnly() const noexcept
{
    TMtr2D block = *this;
    block.O = TPoint2D();
    return IsTranslation() && block.IsSingle();
}

bool TMtr2D::IsIsotropic() const noexcept
{
    const TVector2D ax = aX(), ay = aY();
    return TMathDef::Equ(ax.Len(), ay.Len()) &&
           std::fabs(ax | ay) <= TMathDef::metricPrecision * Max(1.0, ax.SqrLen());
}

void TMtr2D::toStream(TKmfData& stream) const
{
    stream.BlockWrite(V, sizeof V);
}

void TMtr2D::fromStream(TKmfData& stream)
{
    stream.BlockRead(V, sizeof V);
}
