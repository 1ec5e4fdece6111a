// Axis-parallel and oriented rectangles.
#include "Rect2D.h"

#include "DString.h"
#include "KmfData.h"

namespace {

// Reach of the ray in PointOnSide, in multiples of its direction vector.
constexpr Real kRayReach = 10001.0;

TString RectNum(Real v)
{
    return TString(v, 2, true, 7);
}

// LS_IS with the parallel test scaled by the side's length; the parameter on the ray is t.
bool RayHitsSide(const TPoint2D& P, const TVector2D& d, const TPoint2D& a, const TPoint2D& b, Real& t)
{
    TPoint2D hit;
    if (!LS_IS(P, P + d, a, b, hit)) return false;
    const TVector2D side = b - a;
    const TVector2D w = a - P;
    const Real den = d.y * side.x - side.y * d.x;
    t = (side.x * w.y - side.y * w.x) / den;
    return true;
}

} // namespace

TRect2D& TRect2D::SetEmpty() noexcept
{
    LD.Set(TMathDef::MaxReal, TMathDef::MaxReal);
    RU.Set(-TMathDef::MaxReal, -TMathDef::MaxReal);
    return *this;
}

TRect2D& TRect2D::Set(Real x1, Real y1, Real x2, Real y2) noexcept
{
    LD.Set(std::fmin(x1, x2), std::fmin(y1, y2));
    RU.Set(std::fmax(x1, x2), std::fmax(y1, y2));
    return *this;
}

TRect2D& TRect2D::Add(const TPoint2D& P) noexcept
{
    LD.Set(std::fmin(LD.x, P.x), std::fmin(LD.y, P.y));
    RU.Set(std::fmax(RU.x, P.x), std::fmax(RU.y, P.y));
    return *this;
}

TRect2D& TRect2D::Add(const TRect2D& R) noexcept
{
    if (R.IsEmpty()) return *this;
    Add(R.LD);
    return Add(R.RU);
}

TRect2D& TRect2D::EnlargeDivisible(Real d) noexcept
{
    LD.Set(MinDivisible(LD.x, d), MinDivisible(LD.y, d));
    RU.Set(MaxDivisible(RU.x, d), MaxDivisible(RU.y, d));
    return *this;
}

Boolean TRect2D::InterSect(const TRect2D& R) const noexcept
{
    return std::fmax(LD.x, R.LD.x) <= std::fmin(RU.x, R.RU.x) &&
           std::fmax(LD.y, R.LD.y) <= std::fmin(RU.y, R.RU.y);
}

TPoint2D TRect2D::PointOnSide(const TPoint2D& P, const TVector2D& V) const noexcept
{
    const TVector2D d = (V * kRayReach + P) - P;
    const TPoint2D corners[5] = {LD, TPoint2D(LD.x, RU.y), RU, TPoint2D(RU.x, LD.y), LD};
    for (int i = 0; i < 4; ++i) {
        Real t = 0.0;
        if (RayHitsSide(P, d, corners[i], corners[i + 1], t)) return TPoint2D(P.x + t * d.x, P.y + t * d.y);
    }
    return TPoint2D();
}

TString TRect2D::GetStr() const
{
    TString s("((");
    s.Add(RectNum(LD.x));
    s.Add(",");
    s.Add(RectNum(LD.y));
    s.Add(")-(");
    s.Add(RectNum(RU.x));
    s.Add(",");
    s.Add(RectNum(RU.y));
    s.Add("))");
    return s;
}

void TRect2D::toStream(TKmfData& stream) const
{
    LD.Write(stream);
    RU.Write(stream);
}

void TRect2D::fromStream(TKmfData& stream)
{
    LD.Read(stream);
    RU.Read(stream);
}

TString TORect2D::GetStr() const
{
    TString s("((");
    s.Add(RectNum(X));
    s.Add(",");
    s.Add(RectNum(Y));
    s.Add(") ");
    s.Add(RectNum(Angle));
    s.Add(",");
    s.Add(RectNum(Length));
    s.Add(RectNum(Width));
    s.Add(")");
    return s;
}
