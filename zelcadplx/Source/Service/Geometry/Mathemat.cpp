// Numeric helpers, plane points and vectors, segment crossing.
#include "Mathemat.h"

#include "DString.h"
#include "KmfData.h"
#include "TTable.h"

#include <cstdint>
#include <limits>

// The tables of Foundation compare with the library's 2e-6 without seeing TMathDef.
static_assert(TTable::EqualTolerance == TMathDef::metricPrecision);

namespace {

// trunc(q) as a whole number; beyond the 64-bit range the double itself is whole already.
Real TruncQuotient(Real q)
{
    constexpr Real kLimit = 9.0e18;
    if (std::fabs(q) >= kLimit || std::isnan(q)) return std::trunc(q);
    return static_cast<Real>(static_cast<std::int64_t>(q));
}

// size truncated to a whole number, kept in 64 bits so huge sizes do not overflow.
std::int64_t TruncSize(Real size)
{
    constexpr Real kLimit = 9.0e18;
    if (std::isnan(size)) return 0;
    if (size >= kLimit) return static_cast<std::int64_t>(kLimit);
    if (size <= -kLimit) return -static_cast<std::int64_t>(kLimit);
    return static_cast<std::int64_t>(size);
}

} // namespace

Real MaxDivisible(const Real& size, int divid)
{
    const std::int64_t n = TruncSize(size);
    if (n % divid == 0) return static_cast<Real>(n);
    if (n > 0) return static_cast<Real>((n / divid + 1) * divid);
    return static_cast<Real>((n / divid) * divid);
}

Real MinDivisible(const Real& size, int divid)
{
    const std::int64_t n = TruncSize(size);
    if (n % divid == 0) return static_cast<Real>(n);
    if (n < 0) return static_cast<Real>((n / divid - 1) * divid);
    return static_cast<Real>((n / divid) * divid);
}

Real MaxDivisible(const Real& size, const Real& divid)
{
    if (std::fabs(divid) <= TMathDef::divisibleEpsilon) return size;
    const Real m = TruncQuotient(size / divid) * divid;
    if (std::fabs(m - size) <= TMathDef::divisibleEpsilon || size <= 0.0) return m;
    return m + divid;
}

Real MinDivisible(const Real& size, const Real& divid)
{
    if (std::fabs(divid) <= TMathDef::divisibleEpsilon) return size;
    const Real m = TruncQuotient(size / divid) * divid;
    if (std::fabs(m - size) <= TMathDef::divisibleEpsilon) return m;
    return size < 0.0 ? m - divid : m;
}

Real Divisible(const Real& size, const Real& divid)
{
    if (std::fabs(divid) <= TMathDef::divisibleEpsilon) return size;
    const Real m = TruncQuotient(size / divid) * divid;
    if (size > 0.0) return (m + divid - size) < (size - m) ? m + divid : m;
    return (size - (m - divid)) < (m - size) ? m - divid : m;
}

Integer SquareEquation(Real A, Real B, Real C, Real& x1, Real& x2, Real Eps)
{
    if (std::fabs(A) < Eps) {
        if (std::fabs(B) < Eps) return 0;
        x1 = x2 = -C / B;
        return 1;
    }
    const Real b = B / A;
    const Real c4 = 4.0 * C / A;
    const Real D = b * b - c4;
    const Real s =
        (b * b < Eps && std::fabs(c4) < Eps) ? 1.0 : std::fmax(std::fabs(b), std::sqrt(std::fabs(c4)));
    const Real tol = s * Eps;
    const Real band = std::fmax(tol, Eps);
    // A discriminant inside the dead band is a double root; any larger positive one gives two
    // roots, also below metricRegion (x^2 = 1e-8 has the roots +-1e-4).
    const bool positive = D > TMathDef::metricRegion || (D > 0.0 && D >= band);
    if (!positive) {
        if (std::fabs(D) < band) {
            x1 = x2 = -b / 2.0;
            return 1;
        }
        return 0;
    }
    const Real r = std::sqrt(D);
    if (r <= std::fmin(tol, Eps)) {
        x1 = x2 = -b / 2.0;
        return 1;
    }
    x1 = (r - b) / 2.0;
    x2 = (-b - r) / 2.0;
    if (std::fabs(x1 - x2) >= Eps) return 2;
    x1 = x2 = (x1 + x2) / 2.0;
    return 1;
}

Real AngleLine(const Real& x2, const Real& y2, const Real& x3, const Real& y3)
{
    if (x2 == x3) return y2 > y3 ? 270.0 : 90.0;
    if (y2 == y3) return x3 < x2 ? 180.0 : 0.0;
    const Real dx = x3 - x2;
    const Real dy = y3 - y2;
    Real a;
    if (dx > 0.0)
        a = dy > 0.0 ? std::atan(dy / dx) * TMathDef::RADDEG : 360.0 - std::atan(-dy / dx) * TMathDef::RADDEG;
    else
        a = dy > 0.0 ? 90.0 + std::atan(-dx / dy) * TMathDef::RADDEG
                     : 270.0 - std::atan(dx / dy) * TMathDef::RADDEG;
    // A direction a hair below the x axis rounds to 360: that is the direction 0.
    return a >= 360.0 ? 0.0 : a;
}

Real LenLine(const Real& x, const Real& y, const Real& x1, const Real& y1)
{
    return std::sqrt((x - x1) * (x - x1) + (y - y1) * (y - y1));
}

UInteger CountDigisAfterDot(const Real& x)
{
    constexpr Real kWhole = 0.002;
    constexpr UInteger kMaxDigits = 10;
    Real v = x;
    for (UInteger k = 0; k <= kMaxDigits; ++k) {
        if (std::fabs(std::trunc(v) - v) <= kWhole) return k;
        v *= 10.0;
    }
    return kMaxDigits + 1;
}

Real NormAngle(const Real& A)
{
    constexpr Real kZeroAngle = 1e-6; // own value: no TMathDef tolerance is 1e-6
    if (A > 360.0) return A - 360.0;
    if (A < 0.0) return A + 360.0;
    if (std::fabs(A) <= kZeroAngle) return 360.0;
    return A;
}

// ---- TPoint2D, TVector2D ----

Real TPoint2D::Angle(const TPoint2D& P) const noexcept
{
    return AngleLine(x, y, P.x, P.y);
}

Real TPoint2D::DirectionAngle(const TPoint2D& P) const noexcept
{
    return TVector2D(*this, P).AngleInRadian();
}

void TPoint2D::Write(TKmfData& stream) const
{
    stream.Write(x);
    stream.Write(y);
}

void TPoint2D::Read(TKmfData& stream)
{
    stream.Read(x);
    stream.Read(y);
}

TString TPoint2D::GetStr() const
{
    TString s(x, 2, true, 7);
    s.Add(" ");
    s.Add(TString(y, 2, true, 7));
    return s;
}

TVector2D& TVector2D::Normalize() noexcept
{
    const Real l = Len();
    if (l > metricPrecision) {
        x /= l;
        y /= l;
    }
    return *this;
}

Real TVector2D::AngleInRadian() const noexcept
{
    constexpr Real kZeroComponent = TMathDef::lengthEpsilon;
    if (std::fabs(x) <= kZeroComponent && std::fabs(y) <= kZeroComponent) return 0.0;
    const Real a = std::atan2(y, x);
    if (std::fabs(a) < paramEpsilon) return 0.0;
    return a < 0.0 ? a + C_2PI : a;
}

TLocation TVector2D::Relative(const TVector2D& V) const noexcept
{
    const Real l1 = Len();
    const Real l2 = V.Len();
    if (l1 < metricPrecision || l2 < metricPrecision) return tl_On;
    const Real s = (x * V.y - V.x * y) / (l1 * l2);
    if (std::fabs(s) < metricPrecision) return tl_On;
    return s > 0.0 ? tl_Left : tl_Right;
}

TVector2D& TVector2D::Rotate(const Real& Angle) noexcept
{
    const Real c = std::cos(Angle);
    const Real s = std::sin(Angle);
    return Set(x * c - y * s, x * s + y * c);
}

Boolean LS_IS(const TPoint2D& x0, const TPoint2D& x1, const TPoint2D& y0, const TPoint2D& y1,
              TPoint2D& InterSect)
{
    constexpr Real kParamHigh = 1.0 + TMathDef::paramEpsilon;
    const TVector2D d1 = x1 - x0;
    const TVector2D d2 = y1 - y0;
    const Real den = d1.y * d2.x - d2.y * d1.x;
    if (std::fabs(den) <= d1.Len() * d2.Len() * TMathDef::metricPrecision) return false;
    const TVector2D w = y0 - x0;
    const Real t = (d2.x * w.y - d2.y * w.x) / den;
    const Real s = (w.y * d1.x - w.x * d1.y) / den;
    if (!(t > -TMathDef::paramEpsilon && t < kParamHigh && s > -TMathDef::paramEpsilon && s < kParamHigh))
        return false;
    InterSect = TPoint2D(x0.x + t * d1.x, x0.y + t * d1.y);
    return true;
}
