#pragma once
// TRegion1D: the parameter interval of a curve, with the corrections that wrap a parameter of
// a periodic curve into it or snap a parameter computed near an end onto that end.

#include "Mathemat.h"

class TRegion1D : public TMathDef {
public:
    using TParam = Real;

    TParam min = 0.0;
    TParam max = 0.0;

    constexpr TRegion1D() noexcept = default;
    constexpr TRegion1D(TParam a, TParam b) noexcept : min(a), max(b) {}

    TParam GetMin() const noexcept { return min; }
    TParam GetMax() const noexcept { return max; }
    void SetMin(TParam a) noexcept { min = a; }
    void SetMax(TParam b) noexcept { max = b; }
    TParam Length() const noexcept { return max - min; }
    // The empty interval that Include grows from.
    TRegion1D& Init() noexcept
    {
        min = MaxReal;
        max = -MaxReal;
        return *this;
    }
    TRegion1D& Init(TParam a, TParam b) noexcept
    {
        min = a;
        max = b;
        return *this;
    }
    // Puts the ends in order.
    TRegion1D& Equalize() noexcept;
    TRegion1D& Include(TParam t) noexcept;
    TRegion1D& Include(const TRegion1D& R) noexcept;
    TRegion1D& Move(TParam d) noexcept
    {
        min += d;
        max += d;
        return *this;
    }
    // this = the common part of this and R (empty when they do not meet).
    TRegion1D& Intersection(const TRegion1D& R) noexcept;

    bool IsEmpty() const noexcept { return min > max; }
    // Shorter than eps (a point interval).
    bool IsDegenert(Real eps = paramEpsilon) const noexcept { return !IsEmpty() && max - min <= eps; }
    // Touching intervals intersect.
    bool IsIntersect(const TRegion1D& R) const noexcept { return Max(min, R.min) <= std::fmin(max, R.max); }
    // t lies in the interval widened by eps.
    bool Exist(TParam t, Real eps = paramEpsilon) const noexcept { return min - eps <= t && t <= max + eps; }
    bool IsEqual(const TRegion1D& R, Real eps) const noexcept
    {
        return EquEps(min, R.min, eps) && EquEps(max, R.max, eps);
    }
    bool IsSame(const TRegion1D& R) const noexcept { return IsEqual(R, paramEpsilon); }
    bool operator==(const TRegion1D& R) const noexcept { return IsSame(R); }
    bool operator!=(const TRegion1D& R) const noexcept { return !IsSame(R); }

    // Wrap p into [min, max) for a periodic curve (pc) unless ext, then snap p onto an end
    // within eps (the snap to min wins).
    void CorrectParameter(Boolean ext, Boolean pc, Real& p, const Real& eps) const noexcept;
    // CorrectParameter; then true when ext or min - tRegion < t < max + tRegion, else t is
    // clamped to the nearer end and the result is false.
    Boolean CorrectCheckParameter(Boolean closed, Boolean ext, const Real& tRegion, Real& t) const noexcept;
    // Move p by whole periods towards the interval (see the source for the stop rules) and
    // snap it onto an end within eps; only the snaps when period <= 1e-7.
    void CorrectNearParameter(Boolean ext, const Real& period, Real& p, const Real& eps) const noexcept;
    Boolean CorrectCheckNearParameter(const Real& tPeriod, Boolean ext, const Real& tRegion,
                                      Real& t) const noexcept;

private:
    void SnapToEnds(Real& p, const Real& eps) const noexcept;
    Boolean CheckOrClamp(Boolean ext, const Real& tRegion, Real& t) const noexcept;
};
