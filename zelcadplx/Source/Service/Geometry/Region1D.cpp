// Parameter intervals and the parameter corrections of the curves.
#include "Region1D.h"

namespace {

// Periods shorter than this mean "not periodic" to the near-parameter correction (own value:
// no TMathDef tolerance is 1e-7).
constexpr Real kNoPeriod = 1e-7;

} // namespace

TRegion1D& TRegion1D::Equalize() noexcept
{
    if (min > max) {
        const TParam t = min;
        min = max;
        max = t;
    }
    return *this;
}

TRegion1D& TRegion1D::Include(TParam t) noexcept
{
    min = std::fmin(min, t);
    max = std::fmax(max, t);
    return *this;
}

TRegion1D& TRegion1D::Include(const TRegion1D& R) noexcept
{
    if (R.IsEmpty()) return *this;
    Include(R.min);
    return Include(R.max);
}

TRegion1D& TRegion1D::Intersection(const TRegion1D& R) noexcept
{
    min = std::fmax(min, R.min);
    max = std::fmin(max, R.max);
    return *this;
}

void TRegion1D::SnapToEnds(Real& p, const Real& eps) const noexcept
{
    if (std::fabs(p - max) <= eps) p = max;
    if (std::fabs(p - min) <= eps) p = min;
}

Boolean TRegion1D::CheckOrClamp(Boolean ext, const Real& tRegion, Real& t) const noexcept
{
    if (ext || (min - tRegion < t && t < max + tRegion)) return true;
    t = t < min ? min : max;
    return false;
}

void TRegion1D::CorrectParameter(Boolean ext, Boolean pc, Real& p, const Real& eps) const noexcept
{
    const Real L = max - min;
    // An interval no longer than eps cannot wrap anything: only the snaps apply.
    if (pc && !ext && L > eps) {
        p = p - std::floor(p / L) * L;
        while (p < min)
            p += L;
        while (p > max - eps)
            p -= L;
        if (std::fabs(p - min) <= eps) p = min;
        return;
    }
    SnapToEnds(p, eps);
}

Boolean TRegion1D::CorrectCheckParameter(Boolean closed, Boolean ext, const Real& tRegion,
                                         Real& t) const noexcept
{
    CorrectParameter(ext, closed, t, tRegion);
    return CheckOrClamp(ext, tRegion, t);
}

void TRegion1D::CorrectNearParameter(Boolean ext, const Real& period, Real& p, const Real& eps) const noexcept
{
    if (period > kNoPeriod) {
        const Real L = max - min;
        if (std::fabs(period - L) < eps) {
            while (p < min)
                p += period;
            const Real top = ext ? max : max - eps;
            while (p > top)
                p -= period;
        } else {
            while (p < min - eps) {
                const Real cand = p + period;
                if (cand > max &&
                    !(min - p > std::fmin(std::fabs(cand - min), std::fabs(cand - max)) + paramEpsilon))
                    break;
                p = cand;
            }
            while (p > max + eps) {
                const Real cand = p - period;
                if (cand < min &&
                    !(p - max > std::fmin(std::fabs(max - cand), std::fabs(min - cand)) + paramEpsilon))
                    break;
                p = cand;
            }
        }
    }
    SnapToEnds(p, eps);
}

Boolean TRegion1D::CorrectCheckNearParameter(const Real& tPeriod, Boolean ext, const Real& tRegion,
                                             Real& t) const noexcept
{
    CorrectNearParameter(ext, tPeriod, t, tRegion);
    return CheckOrClamp(ext, tRegion, t);
}
