// The space transformation matrix.
#include "Mtr3D.h"

#include "KmfData.h"

namespace {

// Cosine-sine pairs this near unit length are used as given.
constexpr Real kUnitPair = TMathDef::metricEpsilon;
// Rotation axes this near unit length are used as given (own value: no TMathDef tolerance
// is 1e-6, and the results depend on it).
constexpr Real kUnitAxis = 1e-6;
// A direction whose z part is below this share of its largest part runs parallel to z = 0
// (a relative share, so no metric tolerance of TMathDef fits).
constexpr Real kParallelShare = 1e-6;

void UnitPair(const Real& RCos, const Real& RSin, Real& c, Real& s)
{
    c = RCos;
    s = RSin;
    const Real l = std::sqrt(c * c + s * s);
    if (std::fabs(l - 1.0) > kUnitPair && l > 0.0) {
        c /= l;
        s /= l;
    }
}

// Determinant of the 3 x 3 minor of m without row r and column c.
Real Minor(const Real (&m)[4][4], int r, int c)
{
    int rows[3], cols[3];
    for (int i = 0, k = 0; i < 4; ++i)
        if (i != r) rows[k++] = i;
    for (int j = 0, k = 0; j < 4; ++j)
        if (j != c) cols[k++] = j;
    auto e = [&](int i, int j) { return m[rows[i]][cols[j]]; };
    return e(0, 0) * (e(1, 1) * e(2, 2) - e(1, 2) * e(2, 1)) -
           e(0, 1) * (e(1, 0) * e(2, 2) - e(1, 2) * e(2, 0)) +
           e(0, 2) * (e(1, 0) * e(2, 1) - e(1, 1) * e(2, 0));
}

} // namespace

TMtr3D::TMtr3D(const TPlacement3D& P) noexcept
{
    Identity();
    oX = P.AX;
    oY = P.AY;
    oZ = P.AZ;
    oP = P.O;
}

TMtr3D::TMtr3D(const TVector3D& iX, const TVector3D& iY, const TVector3D& iZ) noexcept
{
    Identity();
    oX = iX;
    oY = iY;
    oZ = iZ;
}

TMtr3D& TMtr3D::Identity() noexcept
{
    for (int i = 0; i < 16; ++i)
        V[i] = (i % 5 == 0) ? 1.0 : 0.0;
    return *this;
}

TMtr3D& TMtr3D::Zero() noexcept
{
    for (Real& v : V)
        v = 0.0;
    return *this;
}

void TMtr3D::Get(TPlacement3D& P) const noexcept
{
    P.AX = TVector3D(oX);
    P.AY = TVector3D(oY);
    P.AZ = TVector3D(oZ);
    P.O = TPoint3D(oP);
}

TMtr3D& TMtr3D::Set(const TPoint3D& iO, const TVector3D& iAX, const TVector3D& iAY) noexcept
{
    TVector3D ax = iAX;
    ax.Normalize();
    TVector3D ay = iAY - ax * (iAY * ax);
    ay.Normalize();
    Identity();
    oP = iO;
    oX = ax;
    oY = ay;
    oZ = ax | ay;
    return *this;
}

TMtr3D& TMtr3D::RotAxleZ(const Real& RCos, const Real& RSin) noexcept
{
    Real c, s;
    UnitPair(RCos, RSin, c, s);
    Identity();
    M[0][0] = c, M[0][1] = s, M[1][0] = -s, M[1][1] = c;
    return *this;
}

TMtr3D& TMtr3D::RotAxleY(const Real& RCos, const Real& RSin) noexcept
{
    Real c, s;
    UnitPair(RCos, RSin, c, s);
    Identity();
    M[0][0] = c, M[0][2] = -s, M[2][0] = s, M[2][2] = c;
    return *this;
}

TMtr3D& TMtr3D::RotAxleX(const Real& RCos, const Real& RSin) noexcept
{
    Real c, s;
    UnitPair(RCos, RSin, c, s);
    Identity();
    M[1][1] = c, M[1][2] = s, M[2][1] = -s, M[2][2] = c;
    return *this;
}

TMtr3D& TMtr3D::IdentityMove(const Real& x, const Real& y, const Real& z) noexcept
{
    Identity();
    M[3][0] = x, M[3][1] = y, M[3][2] = z;
    return *this;
}

TMtr3D& TMtr3D::Multiply(const TMtr3D& A, const TMtr3D& B) noexcept
{
    TMtr3D r; // A or B may be this
    for (int i = 0; i < 4; ++i)
        for (int j = 0; j < 4; ++j)
            r.M[i][j] =
                A.M[i][0] * B.M[0][j] + A.M[i][1] * B.M[1][j] + A.M[i][2] * B.M[2][j] + A.M[i][3] * B.M[3][j];
    return *this = r;
}

TMtr3D& TMtr3D::Multiply(const TMtr3D& B) noexcept
{
    return Multiply(TMtr3D(*this), B);
}

TMtr3D& TMtr3D::Multiply(const Real& k) noexcept
{
    for (Real& v : V)
        v *= k;
    return *this;
}

TMtr3D& TMtr3D::Multiply2(const TMtr3D& A, const TMtr3D& B) noexcept
{
    TMtr3D BA;
    BA.Multiply(B, A);
    for (int i = 0; i < 16; ++i)
        V[i] += BA.V[i];
    return *this;
}

TMtr3D& TMtr3D::Inversion() noexcept
{
    Real cof[4][4];
    for (int i = 0; i < 4; ++i)
        for (int j = 0; j < 4; ++j)
            cof[i][j] = (((i + j) % 2 == 0) ? 1.0 : -1.0) * Minor(M, i, j);
    const Real det = M[0][0] * cof[0][0] + M[0][1] * cof[0][1] + M[0][2] * cof[0][2] + M[0][3] * cof[0][3];
    if (det == 0.0) return Identity();
    for (int i = 0; i < 4; ++i)
        for (int j = 0; j < 4; ++j)
            M[j][i] = cof[i][j] / det;
    return *this;
}

TMtr3D& TMtr3D::Normalize() noexcept
{
    for (int r = 0; r < 3; ++r) {
        const Real l = std::sqrt(M[r][0] * M[r][0] + M[r][1] * M[r][1] + M[r][2] * M[r][2]);
        if (l > TMathDef::metricPrecision)
            for (int c = 0; c < 3; ++c)
                M[r][c] /= l;
    }
    return *this;
}

TMtr3D& TMtr3D::Move(const TVector3D& to) noexcept
{
    oP.x += to.x, oP.y += to.y, oP.z += to.z;
    return *this;
}

TMtr3D& TMtr3D::RotateAbout(const TVector3D& axisDir, const Real& angle) noexcept
{
    TVector3D n = axisDir;
    const Real l = n.Len();
    if (std::fabs(l - 1.0) > kUnitAxis) n.Normalize();
    const Real x = n.x, y = n.y, z = n.z;
    const Real c = std::cos(angle), s = std::sin(angle), t = 1.0 - c;
    TMtr3D R;
    R.M[0][0] = c + x * x * t, R.M[0][1] = x * y * t + z * s, R.M[0][2] = x * z * t - y * s;
    R.M[1][0] = x * y * t - z * s, R.M[1][1] = c + y * y * t, R.M[1][2] = y * z * t + x * s;
    R.M[2][0] = x * z * t + y * s, R.M[2][1] = y * z * t - x * s, R.M[2][2] = c + z * z * t;
    return Multiply(R);
}

TMtr3D& TMtr3D::Rotate(const TPoint3D& P, const TVector3D& Vd, const Real& angle) noexcept
{
    constexpr Real kTinySqr = 1e-6; // a squared length: no TMathDef value is in these units
    Real vv = Vd * Vd;
    if (vv <= kTinySqr) vv = 1.0;
    const Real t = -(TVector3D(P) * Vd) / vv;
    TPoint3D F = P;
    F.Move(Vd, t);
    Move(-TVector3D(F));
    RotateAbout(Vd, angle);
    return Move(TVector3D(F));
}

void TMtr3D::Trans(const TPoint3D& A, TPoint3D& Result) const noexcept
{
    Result.Set(M[0][0] * A.x + M[0][1] * A.y + M[0][2] * A.z + M[0][3],
               M[1][0] * A.x + M[1][1] * A.y + M[1][2] * A.z + M[1][3],
               M[2][0] * A.x + M[2][1] * A.y + M[2][2] * A.z + M[2][3]);
}

void TMtr3D::Trans2(const TPoint3D& A, TPoint3D& Result) const noexcept
{
    Result.Set(M[0][0] * A.x + M[0][1] * A.y + M[0][2] * A.z + M[3][0],
               M[1][0] * A.x + M[1][1] * A.y + M[1][2] * A.z + M[3][1],
               M[2][0] * A.x + M[2][1] * A.y + M[2][2] * A.z + M[3][2]);
}

void TMtr3D::Trans(const TVector3D& Vc, TVector3D& Result) const noexcept
{
    Result.Set(M[0][0] * Vc.x + M[0][1] * Vc.y + M[0][2] * Vc.z,
               M[1][0] * Vc.x + M[1][1] * Vc.y + M[1][2] * Vc.z,
               M[2][0] * Vc.x + M[2][1] * Vc.y + M[2][2] * Vc.z);
}

Boolean TMtr3D::DirectPointProjection(const TPoint3D& P, const TVector3D& Vd, TPoint2D& R) const noexcept
{
    TVector3D v = Vd;
    v.Mtr(*this);
    TPoint3D p = P;
    p.Mtr(*this);
    if (std::fabs(v.z) <= kParallelShare * v.MaxFactor()) return false;
    const Real t = -p.z / v.z;
    R.Set(p.x + t * v.x, p.y + t * v.y);
    return true;
}

bool TMtr3D::operator==(const TMtr3D& A) const noexcept
{
    for (int i = 0; i < 16; ++i)
        if (std::fabs(V[i] - A.V[i]) > TMathDef::metricPrecision) return false;
    return true;
}

std::vector<double>& TMtr3D::to(std::vector<double>& iV) const
{
    iV.assign(V, V + 16);
    return iV;
}

bool TMtr3D::from(const std::vector<double>& iV) noexcept
{
    if (iV.size() != 16) return false;
    for (int i = 0; i < 16; ++i)
        V[i] = iV[i];
    return true;
}

void TMtr3D::toStream(TKmfData& stream) const
{
    for (const Real& v : V)
        stream.Write(v);
}

void TMtr3D::fromStream(TKmfData& stream)
{
    for (Real& v : V)
        stream.Read(v);
}

// ---- Transformation of points and vectors ----

TPoint3D& TPoint3D::Mtr(const TMtr3D& m) noexcept
{
    return Set(m.M[0][0] * x + m.M[1][0] * y + m.M[2][0] * z + m.M[3][0],
               m.M[0][1] * x + m.M[1][1] * y + m.M[2][1] * z + m.M[3][1],
               m.M[0][2] * x + m.M[1][2] * y + m.M[2][2] * z + m.M[3][2]);
}

TVector3D& TVector3D::Mtr(const TMtr3D& m) noexcept
{
    return Set(m.M[0][0] * x + m.M[1][0] * y + m.M[2][0] * z, m.M[0][1] * x + m.M[1][1] * y + m.M[2][1] * z,
               m.M[0][2] * x + m.M[1][2] * y + m.M[2][2] * z);
}
