// Space points, vectors, boxes and lines.
#include "Mathemat3d.h"

#include "KmfData.h"

namespace {

// Boxes closer than this in plan view still count as overlapping.
constexpr Real kPlanBoxMargin = 0.1;

TString Num(Real v)
{
    return TString(v, 2, true, 7);
}

// Plan-view cross product (B - A) x (P - A).
Real Cross2D(const TPoint3D& A, const TPoint3D& B, const TPoint3D& P)
{
    return (B.x - A.x) * (P.y - A.y) - (B.y - A.y) * (P.x - A.x);
}

bool RangesMeet(Real min1, Real max1, Real min2, Real max2, Real eps)
{
    return max2 + eps >= min1 && max1 + eps >= min2;
}

} // namespace

// ---- TPoint3D ----

TPoint3D& TPoint3D::Set(const TPoint3D& O, const TVector3D& AX, const Real& ix) noexcept
{
    return Set(O.x + AX.x * ix, O.y + AX.y * ix, O.z + AX.z * ix);
}

TPoint3D& TPoint3D::Set(const TPoint3D& O, const TVector3D& AX, const Real& ix, const TVector3D& AY,
                        const Real& iy) noexcept
{
    return Set(O.x + AX.x * ix + AY.x * iy, O.y + AX.y * ix + AY.y * iy, O.z + AX.z * ix + AY.z * iy);
}

TPoint3D& TPoint3D::Move(const TVector3D& V, const Real& Dist) noexcept
{
    return Set(x + V.x * Dist, y + V.y * Dist, z + V.z * Dist);
}

Real TPoint3D::DistanceTo(const TPoint3D& P) const noexcept
{
    return TVector3D(*this, P).Len();
}

TPointOnPlane TPoint3D::PointToPlane(const TPoint3D& A, const TPoint3D& B, const TPoint3D& C) const noexcept
{
    const TVector3D n = NormalPlane(A, B, C);
    const Real d = n * TVector3D(A, *this);
    if (d > TMathDef::sidePrecision) return UpPlane;
    if (d < -TMathDef::sidePrecision) return DownPlane;
    return OnPlane;
}

TPointOnLine TPoint3D::PointToLine2D(const TPoint3D& A, const TPoint3D& B) const noexcept
{
    const Real d = TVector3D(A, B) * TVector3D(A, *this);
    if (d > TMathDef::sidePrecision) return RightLine;
    if (d < -TMathDef::sidePrecision) return LeftLine;
    return OnLine;
}

Real TPoint3D::DistPointLine2D(const TPoint3D& A, const TPoint3D& B) const noexcept
{
    const Real len = std::hypot(B.x - A.x, B.y - A.y);
    return -Cross2D(A, B, *this) / Max(len, TMathDef::sidePrecision);
}

Boolean TPoint3D::PointRightOfLine2D(const TPoint3D& A, const TPoint3D& B) const noexcept
{
    constexpr Real kShortLine = 0.05;
    constexpr Real kLeftAllowance = 0.5;
    const Real len = std::hypot(B.x - A.x, B.y - A.y);
    if (len < kShortLine) return true;
    return -Cross2D(A, B, *this) / len > -kLeftAllowance;
}

TString TPoint3D::toStr() const
{
    TString s("(");
    s.Add(Num(x));
    s.Add(" , ");
    s.Add(Num(y));
    s.Add(" , ");
    s.Add(Num(z));
    s.Add(")");
    return s;
}

void TPoint3D::toStream(TKmfData& stream) const
{
    stream.Write(x);
    stream.Write(y);
    stream.Write(z);
}

void TPoint3D::fromStream(TKmfData& stream)
{
    stream.Read(x);
    stream.Read(y);
    stream.Read(z);
}

TKmfData& operator<<(TKmfData& stream, const TPoint3D& P)
{
    P.toStream(stream);
    return stream;
}

TKmfData& operator>>(TKmfData& stream, TPoint3D& P)
{
    P.fromStream(stream);
    return stream;
}

// ---- TVector3D ----

TVector3D& TVector3D::Normalize() noexcept
{
    const Real l = Len();
    if (l > TMathDef::metricPrecision) Set(x / l, y / l, z / l);
    return *this;
}

TVector3D& TVector3D::SetMultiply(const TVector3D& A, const TVector3D& B) noexcept
{
    return Set(A.y * B.z - A.z * B.y, A.z * B.x - A.x * B.z, A.x * B.y - A.y * B.x);
}

TVector3D TVector3D::operator|(const TVector3D& V) const noexcept
{
    TVector3D r;
    return r.SetMultiply(*this, V);
}

Boolean TVector3D::IsColinear(const TVector3D& V) const noexcept
{
    if (Len() == 0.0 || V.Len() == 0.0) return false;
    return (*this | V).Len() <= TMathDef::metricPrecision;
}

TVector3D TVector3D::TangentComponent(const TVector3D& D) const noexcept
{
    const Real dd = D * D;
    if (dd == 0.0) return TVector3D();
    return D * ((*this * D) / dd);
}

TVector3D TVector3D::NormalComponent(const TVector3D& D) const noexcept
{
    return *this - TangentComponent(D);
}

Real TVector3D::Angle(const TVector3D& V) const noexcept
{
    const Real l = Len() * V.Len();
    if (l == 0.0) return 0.0;
    return std::atan2((*this | V).Len(), *this * V);
}

// ---- TCube3D ----

TPoint3D TCube3D::GetCenter() const noexcept
{
    return TPoint3D((Min.x + Max.x) / 2.0, (Min.y + Max.y) / 2.0, (Min.z + Max.z) / 2.0);
}

TCube3D& TCube3D::Enlarge(Real d) noexcept
{
    Min.Set(Min.x - d, Min.y - d, Min.z - d);
    Max.Set(Max.x + d, Max.y + d, Max.z + d);
    return *this;
}

TCube3D& TCube3D::Add(const TCube3D& C) noexcept
{
    Min.Set(std::fmin(Min.x, C.Min.x), std::fmin(Min.y, C.Min.y), std::fmin(Min.z, C.Min.z));
    Max.Set(std::fmax(Max.x, C.Max.x), std::fmax(Max.y, C.Max.y), std::fmax(Max.z, C.Max.z));
    return *this;
}

Boolean TCube3D::IsCommon(const TCube3D& C2, Real Eps) const noexcept
{
    return RangesMeet(Min.x, Max.x, C2.Min.x, C2.Max.x, Eps) &&
           RangesMeet(Min.y, Max.y, C2.Min.y, C2.Max.y, Eps) &&
           RangesMeet(Min.z, Max.z, C2.Min.z, C2.Max.z, Eps);
}

Boolean TCube3D::IsCommonOnXY(const TCube3D& C2) const noexcept
{
    return RangesMeet(Min.x, Max.x, C2.Min.x, C2.Max.x, kPlanBoxMargin) &&
           RangesMeet(Min.y, Max.y, C2.Min.y, C2.Max.y, kPlanBoxMargin);
}

TKmfData& operator<<(TKmfData& stream, const TCube3D& MI)
{
    return stream << MI.Min << MI.Max;
}

TKmfData& operator>>(TKmfData& stream, TCube3D& MI)
{
    return stream >> MI.Min >> MI.Max;
}

// ---- TLine3D and free functions ----

TLine3D::TLine3D(const TPoint3D& A, const TPoint3D& B) noexcept : O(A), Direction(B, A)
{
    Direction.Normalize();
}

Real TLine3D::DistanceTo(const TPoint3D& P) const noexcept
{
    return (TVector3D(P, O) | Direction).Len();
}

Real Skalar(const TVector3D& A, const TVector3D& B) noexcept
{
    return A * B;
}

Real Skalar2D(const TVector3D& A, const TVector3D& B) noexcept
{
    return A * B;
}

TVector3D Multiply(const TVector3D& A, const TVector3D& B) noexcept
{
    return A | B;
}

TVector3D NormalPlane(const TPoint3D& A, const TPoint3D& B, const TPoint3D& C) noexcept
{
    return (TVector3D(A, C) | TVector3D(A, B)).Normalize();
}

Boolean VisualEquPoint(const TPoint3D& A, const TPoint3D& B) noexcept
{
    return (A.x - B.x) * (A.x - B.x) + (A.y - B.y) * (A.y - B.y) < 1.0;
}

Boolean PlaneIntersectLine(const TPoint3D& A, const TPoint3D& B, const TPoint3D& C, const TPoint3D& X,
                           const TPoint3D& Y, TPoint3D& R) noexcept
{
    const TVector3D n = (TVector3D(A, B) | TVector3D(A, C)).Normalize();
    const TVector3D d(X, Y);
    const Real den = n * d;
    if (den == 0.0) return false;
    R.Set(X, d, (n * TVector3D(X, A)) / den);
    return true;
}
