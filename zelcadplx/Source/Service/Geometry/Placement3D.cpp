// Local frames of space.
#include "Placement3D.h"

#include "KmfData.h"

namespace {

TVector3D Unit(TVector3D V)
{
    return V.Normalize();
}

// V less its component along the unit axis A, made unit.
TVector3D UnitAcross(const TVector3D& V, const TVector3D& A)
{
    return Unit(V - A * (V * A));
}

// |A| squared, or 1 for a zero axis so that a degenerate frame gives no division by zero.
Real SqrLenOrOne(const TVector3D& A)
{
    const Real l = A * A;
    return l > 0.0 ? l : 1.0;
}

} // namespace

TPlacement3D::TPlacement3D(const TPoint3D& iO, const TVector3D& vx, const TVector3D& vz) noexcept
    : O(iO), AX(Unit(vx)), AZ(Unit(vz))
{
    AY = AZ | AX;
}

void TPlacement3D::Set(const TPoint3D& iO, const TVector3D& iAZ) noexcept
{
    O = iO;
    AZ = Unit(iAZ);
    const TVector3D seed =
        std::fabs(AZ.x) < std::fabs(AZ.y) ? TVector3D(1.0, 0.0, 0.0) : TVector3D(0.0, 1.0, 0.0);
    AX = UnitAcross(seed, AZ);
    AY = AZ | AX;
}

void TPlacement3D::Set(const TPoint3D& iO, const TPoint3D& px, const TPoint3D& py) noexcept
{
    Set(iO, TVector3D(iO, px), TVector3D(iO, py));
}

void TPlacement3D::Set(const TPoint3D& iO, const TVector3D& vx, const TVector3D& vy) noexcept
{
    O = iO;
    AX = Unit(vx);
    AY = UnitAcross(vy, AX);
    AZ = AX | AY;
}

void TPlacement3D::GetMtrInto(TMtr3D& into) const noexcept
{
    into = TMtr3D(*this);
    into.Inversion();
}

void TPlacement3D::GetPointFrom(const TPoint3D& P, TPoint3D& Result) const noexcept
{
    Result.Set(O, AX, P.x, AY, P.y);
    Result.Move(AZ, P.z);
}

void TPlacement3D::PointOn(const Real& x, const Real& y, TPoint3D& P) const noexcept
{
    P.Set(O, AX, x, AY, y);
}

void TPlacement3D::PlaneCoords(const TPoint3D& Q, Real& u, Real& v) const noexcept
{
    const TVector3D d(O, Q);
    u = (d * AX) / SqrLenOrOne(AX);
    v = (d * AY) / SqrLenOrOne(AY);
}

void TPlacement3D::PointProjection(const TPoint3D& P, TPoint3D& Pon) const noexcept
{
    Real u, v;
    PlaneCoords(P, u, v);
    PointOn(u, v, Pon);
}

void TPlacement3D::PointProjection(const TPoint3D& P, Real& x, Real& y) const noexcept
{
    PlaneCoords(P, x, y);
}

void TPlacement3D::VectorProjection(const TVector3D& V, Real& x, Real& y) const noexcept
{
    x = (V * AX) / SqrLenOrOne(AX);
    y = (V * AY) / SqrLenOrOne(AY);
}

Real TPlacement3D::DistanceToPoint(const TPoint3D& P) const noexcept
{
    TPoint3D Pon;
    PointProjection(P, Pon);
    return P.DistanceTo(Pon);
}

Boolean TPlacement3D::DirectPointProjection(const TPoint3D& P, const TVector3D& V, TPoint2D& R) const noexcept
{
    TMtr3D inv;
    GetMtrInto(inv);
    return inv.DirectPointProjection(P, V, R);
}

Boolean TPlacement3D::IsParallelPlane(const TPlacement3D& P) const noexcept
{
    return AZ.EquEps(P.AZ, TMathDef::pointPrecision3D) || AZ.EquEps(-P.AZ, TMathDef::pointPrecision3D);
}

Boolean TPlacement3D::IsSamePlane(const TPlacement3D& P) const noexcept
{
    if (!IsParallelPlane(P)) return false;
    TPoint3D Pon;
    P.PointProjection(O, Pon);
    return O.EquEps(Pon, TMathDef::pointPrecision3D);
}

Real TPlacement3D::DistanceTo(const TPlacement3D& P) const noexcept
{
    if (!IsParallelPlane(P)) return -1.0;
    TPoint3D Pon;
    P.PointProjection(O, Pon);
    return O.DistanceTo(Pon);
}

void TPlacement3D::Transform(const TPlacement3D& mtr) noexcept
{
    TPoint3D g;
    mtr.GetPointFrom(O, g);
    O = g;
    AX.Mtr(mtr);
    AY.Mtr(mtr);
    AZ.Mtr(mtr);
}

void TPlacement3D::OriginTo(const TPoint3D& iO) noexcept
{
    TPoint3D Pon;
    PointProjection(iO, Pon);
    O = Pon;
}

void TPlacement3D::toStream(TKmfData& stream) const
{
    stream << O << AX << AY << AZ;
}

void TPlacement3D::fromStream(TKmfData& stream)
{
    stream >> O >> AX >> AY >> AZ;
}

// ---- Placement-relative directions ----

TVector3D& TVector3D::Mtr(const TPlacement3D& P) noexcept
{
    const TVector3D r = P.AX * x + P.AY * y + P.AZ * z;
    *this = r;
    return *this;
}
