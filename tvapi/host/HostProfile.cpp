// A sketch's profile: its main-style curves chained into loops, and its axis.
#include "HostProfile.h"

#include <cmath>
#include <numbers>

#include "HostDocuments.h"
#include "HostDrawing2D.h"
#include "HostDrawingObject.h"
#include "HostSketch.h"

namespace tvhost {

namespace {

bool Joins(double u0, double v0, double u1, double v1)
{
    return std::hypot(u1 - u0, v1 - v0) <= ProfileJoinTolerance;
}

// Angle of (u, v) about the arc's centre, radians.
double AngleAt(const TProfileCurve& c, double u, double v)
{
    return std::atan2(v - c.Vc, u - c.Uc);
}

// The curve the 2D object stands for; false for objects that are no profile curve.
bool CurveOf(const TDrawingCore& object, TProfileCurve& curve)
{
    const TParams& p = object.Params();
    switch (object.Type()) {
    case tvapi::tvDrLineSeg:
        curve = {
            TProfileCurve::pcSegment, p.Real("X1"), p.Real("Y1"), p.Real("X2"), p.Real("Y2"), 0, 0, 0, false};
        return !Joins(curve.U0, curve.V0, curve.U1, curve.V1);
    case tvapi::tvDrArc:
        curve = {TProfileCurve::pcArc, p.Real("X1"), p.Real("Y1"),     p.Real("X2"),       p.Real("Y2"),
                 p.Real("Xc"),         p.Real("Yc"), p.Real("Radius"), p.Flag("Direction")};
        return curve.Radius > ProfileJoinTolerance;
    case tvapi::tvDrCircle:
        curve = {TProfileCurve::pcCircle, 0, 0, 0, 0, p.Real("Xc"), p.Real("Yc"), p.Real("Radius"), false};
        curve.U0 = curve.U1 = curve.Uc + curve.Radius;
        curve.V0 = curve.V1 = curve.Vc;
        return curve.Radius > ProfileJoinTolerance;
    default:
        return false;
    }
}

// Index of the one unused curve with an end at (u, v), flagging a reversal; -1 when none,
// -2 when more than one.
int NextCurve(const std::vector<TProfileCurve>& curves, const std::vector<bool>& used, double u, double v,
              bool& reverse)
{
    int found = -1;
    for (std::size_t i = 0; i < curves.size(); ++i) {
        if (used[i] || curves[i].Kind == TProfileCurve::pcCircle) continue;
        const bool atStart = Joins(curves[i].U0, curves[i].V0, u, v);
        const bool atEnd = Joins(curves[i].U1, curves[i].V1, u, v);
        if (!atStart && !atEnd) continue;
        if (found != -1) return -2;
        found = static_cast<int>(i);
        reverse = !atStart;
    }
    return found;
}

// Follows joined ends from curve `first` until the loop closes.
bool FollowLoop(const std::vector<TProfileCurve>& curves, std::vector<bool>& used, std::size_t first,
                TProfileLoop& loop, TProfileError& error)
{
    loop.push_back(curves[first]);
    used[first] = true;
    const TProfileCurve& start = curves[first];
    while (!Joins(loop.back().U1, loop.back().V1, start.U0, start.V0)) {
        bool reverse = false;
        const int next = NextCurve(curves, used, loop.back().U1, loop.back().V1, reverse);
        if (next < 0) {
            error = next == -1 ? TProfileError::peOpen : TProfileError::peSelfCrossing;
            return false;
        }
        used[static_cast<std::size_t>(next)] = true;
        const TProfileCurve& c = curves[static_cast<std::size_t>(next)];
        loop.push_back(reverse ? c.Reversed() : c);
    }
    // A further curve at the closing point makes three curves meet there.
    bool reverse = false;
    if (NextCurve(curves, used, start.U0, start.V0, reverse) != -1) {
        error = TProfileError::peSelfCrossing;
        return false;
    }
    return true;
}

} // namespace

TProfileCurve TProfileCurve::Reversed() const
{
    TProfileCurve r = *this;
    std::swap(r.U0, r.U1);
    std::swap(r.V0, r.V1);
    r.Clockwise = !Clockwise;
    return r;
}

std::vector<std::pair<double, double>> TProfileCurve::Points(int n) const
{
    std::vector<std::pair<double, double>> points;
    if (Kind == pcSegment) {
        for (int i = 0; i <= n; ++i) {
            const double t = static_cast<double>(i) / n;
            points.emplace_back(U0 + t * (U1 - U0), V0 + t * (V1 - V0));
        }
        return points;
    }
    const double a0 = Kind == pcCircle ? 0.0 : AngleAt(*this, U0, V0);
    double sweep = 2 * std::numbers::pi;
    if (Kind == pcArc) {
        const double a1 = AngleAt(*this, U1, V1);
        sweep = Clockwise ? a0 - a1 : a1 - a0;
        while (sweep <= 0)
            sweep += 2 * std::numbers::pi;
        if (Clockwise) sweep = -sweep;
    }
    for (int i = 0; i <= n; ++i) {
        const double a = a0 + sweep * i / n;
        points.emplace_back(Uc + Radius * std::cos(a), Vc + Radius * std::sin(a));
    }
    return points;
}

std::string ProfileErrorText(TProfileError error)
{
    switch (error) {
    case TProfileError::peNone:
        return "";
    case TProfileError::peEmpty:
        return "the sketch has no contour";
    case TProfileError::peOpen:
        return "the contour of the sketch is not closed";
    case TProfileError::peSelfCrossing:
        return "the contour of the sketch crosses itself";
    case TProfileError::peNoAxis:
        return "the sketch has no axis";
    case TProfileError::peAxisInside:
        return "the axis passes through the contour";
    case TProfileError::peKernel:
        return "the kernel could not build the feature";
    }
    return "";
}

std::vector<TProfileLoop> ChainLoops(const std::vector<TProfileCurve>& curves, TProfileError& error)
{
    error = TProfileError::peNone;
    std::vector<TProfileLoop> loops;
    std::vector<bool> used(curves.size(), false);
    for (std::size_t i = 0; i < curves.size(); ++i) {
        if (used[i]) continue;
        TProfileLoop loop;
        if (curves[i].Kind == TProfileCurve::pcCircle) {
            used[i] = true;
            loop.push_back(curves[i]);
        } else if (!FollowLoop(curves, used, i, loop, error)) {
            return {};
        }
        loops.push_back(std::move(loop));
    }
    if (loops.empty()) error = TProfileError::peEmpty;
    return loops;
}

TProfile ProfileOf(THostSketch& sketch, TProfileError& error)
{
    TProfile profile;
    std::vector<TProfileCurve> curves;
    for (const tvapi::IDrawingObjectPtr& object : sketch.Document().Drawing().ActiveView().Children()) {
        const auto* core = dynamic_cast<const TDrawingCore*>(object.Get());
        TProfileCurve curve;
        if (!core || core->IsDeleted() || !CurveOf(*core, curve)) continue;
        const std::int64_t style = core->Params().Int("Style", tvapi::tvCSNormal);
        if (style == tvapi::tvCSNormal)
            curves.push_back(curve);
        else if (style == tvapi::tvCSAxial && curve.Kind == TProfileCurve::pcSegment && !profile.Axis)
            profile.Axis = curve;
    }
    profile.Loops = ChainLoops(curves, error);
    return profile;
}

bool AxisCrossesProfile(const std::vector<TProfileLoop>& loops, const TProfileCurve& axis)
{
    const double du = axis.U1 - axis.U0, dv = axis.V1 - axis.V0;
    const double length = std::hypot(du, dv);
    if (length <= ProfileJoinTolerance) return true;
    bool left = false, right = false;
    constexpr int samples = 64; // arcs bulge between their ends: look along them
    for (const TProfileLoop& loop : loops)
        for (const TProfileCurve& c : loop)
            for (const auto& [u, v] : c.Points(c.Kind == TProfileCurve::pcSegment ? 1 : samples)) {
                const double side = (du * (v - axis.V0) - dv * (u - axis.U0)) / length;
                left = left || side > ProfileJoinTolerance;
                right = right || side < -ProfileJoinTolerance;
            }
    return left && right;
}

} // namespace tvhost
