// Parts of circles and arcs: the kept part (TrimmPart, Trimmed) and the removed part
// (DeletePart). A circle never changes itself: its parts come back as new arcs.

#include "Arc.h"

#include <cmath>
#include <utility>

namespace {

constexpr Real partEps = TMathDef::paramEpsilon; // shorter parts count as nothing

TArc::TDirection DirectionOf(int s) noexcept
{
    if (s > 0) return TArc::BackClockWise;
    return s < 0 ? TArc::ByClockWise : TArc::Degenerate;
}

Real TrimTolerance(Real Radius) noexcept
{
    return Radius > partEps ? partEps / Radius : 1.0;
}

// A new arc on C's circle with C's Atr, set up from a1 to a2.
TArc* ArcOn(const TCircle& C, Real a1, Real a2, TArc::TDirection s)
{
    auto* A = new TArc();
    A->Set(C.x, C.y);
    A->Radius = std::fabs(C.Radius);
    A->Atr = C.Atr;
    A->InitByPositionAngles(a1, a2, s);
    return A;
}

bool Near(Real a, Real b) noexcept
{
    return std::fabs(a - b) < partEps;
}

} // namespace

// ---------------------------------------------------------------- circle

TCurve2D* TCircle::Trimmed(double& t1, double& t2, int sense) const
{
    const double tol = TrimTolerance(Radius);
    if (std::fabs(t1 - t2) < tol) return nullptr;
    ParamToAngle(t1);
    ParamToAngle(t2);
    if (std::fabs(t1 - t2) < tol) t2 += sense < 1 ? -C_2PI : C_2PI;
    return ArcOn(*this, t1, t2, DirectionOf(sense));
}

int TCircle::TrimmPart(double t1, double t2, TCurve2D*& part2)
{
    part2 = nullptr;
    CorrectParameter(t1);
    CorrectParameter(t2);
    if (Near(t1, t2)) return 2;
    ParamToAngle(t1);
    ParamToAngle(t2);
    part2 = ArcOn(*this, t1, t2, TArc::BackClockWise);
    return 0;
}

int TCircle::DeletePart(double t1, double t2, TCurve2D*& part2)
{
    part2 = nullptr;
    CorrectParameter(t1);
    CorrectParameter(t2);
    if (Near(t1, t2)) return 0;
    const bool ends =
        (Near(t1, GetTMin()) && Near(t2, GetTMax())) || (Near(t2, GetTMin()) && Near(t1, GetTMax()));
    if (ends || std::fabs(t2 - t1) > C_2PI - partEps) {
        Refresh();
        return 2;
    }
    ParamToAngle(t1);
    ParamToAngle(t2);
    part2 = ArcOn(*this, t2, t1, TArc::BackClockWise);
    return IsDegenerate() ? 2 : 1;
}

// ---------------------------------------------------------------- arc

TCurve2D* TArc::Trimmed(double& t1, double& t2, int s) const
{
    const double tol = TrimTolerance(Radius);
    if (std::fabs(t1 - t2) < tol && !IsClosed()) return nullptr;
    ParamToAngle(t1);
    ParamToAngle(t2);
    const int s2 = s * sense;
    if (std::fabs(t1 - t2) < tol) t2 += s2 < 1 ? -C_2PI : C_2PI;
    auto* A = static_cast<TArc*>(Duplicate());
    A->InitByPositionAngles(t1, t2, DirectionOf(s2));
    return A;
}

int TArc::TrimmPart(double t1, double t2, TCurve2D*& part2)
{
    part2 = nullptr;
    const bool open = !IsClosed();
    if (open && t1 > t2) std::swap(t1, t2);
    CorrectParameter(t1);
    CorrectParameter(t2);
    if (open && Near(t1, t2)) return 2;
    const bool whole = Near(t1, GetTMin()) && Near(t2, GetTMax());
    ParamToAngle(t1);
    ParamToAngle(t2);
    InitByPositionAngles(t1, t2, OwnDirection());
    if (IsDegenerate()) return 2;
    return whole ? 0 : 1;
}

int TArc::DeletePart(double t1, double t2, TCurve2D*& part2)
{
    part2 = nullptr;
    CorrectParameter(t1);
    CorrectParameter(t2);
    if (Near(t1, t2)) return 0;
    const TDirection d = OwnDirection();
    const bool atStart = Near(t1, GetTMin());
    const bool atEnd = Near(t2, GetTMax());
    const bool isClosed = IsClosed();
    if ((atStart && atEnd) || (isClosed && std::fabs(t2 - t1) > C_2PI - partEps)) {
        Refresh();
        return 2;
    }
    double a1 = t1, a2 = t2;
    ParamToAngle(a1);
    ParamToAngle(a2);
    const double oldA1 = A1, oldA2 = A2;
    if (isClosed) {
        InitByPositionAngles(a2, a1, d);
    } else if (atStart) {
        InitByPositionAngles(a2, oldA2, d);
    } else if (atEnd) {
        InitByPositionAngles(oldA1, a1, d);
    } else {
        auto* rest = static_cast<TArc*>(Duplicate());
        rest->InitByPositionAngles(a2, oldA2, d);
        part2 = rest;
        InitByPositionAngles(oldA1, a1, d);
    }
    return IsDegenerate() ? 2 : 1;
}
