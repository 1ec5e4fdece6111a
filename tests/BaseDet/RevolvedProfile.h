#pragma once
// The closed half profile a drawing routine drew in sketch mode, read back from a recorder as
// edges in drawing order (arcs as fine chords), and what a revolve about the x axis makes of
// it: the volume by Pappus, and the outer radius at a station for what a cut takes away.

#include <algorithm>
#include <cmath>
#include <numbers>
#include <string>
#include <vector>

#include "ComponentRecorder.h"

namespace profile {

struct TEdge {
    double x0, y0, x1, y1;
};

// The edges of every line outside the axis style and of every arc, each arc split into chords
// in its own sense (Napr 1 counter-clockwise).
inline std::vector<TEdge> Edges(const TComponentRecorder& M)
{
    constexpr int chords = 512;
    std::vector<TEdge> out;
    for (const TRecordedCall& c : M.Calls) {
        const auto d = [&](int i) { return std::stod(c.Args[i]); };
        if (c.Name == "drLine" && std::stoi(c.Args[4]) != 3) {
            out.push_back({d(0), d(1), d(2), d(3)});
        } else if (c.Name == "drArc" && c.Args.size() == 9) {
            const double xc = d(0), yc = d(1), r = d(2);
            const double a0 = std::atan2(d(4) - yc, d(3) - xc), a1 = std::atan2(d(6) - yc, d(5) - xc);
            double sweep = a1 - a0;
            const double turn = 2 * std::numbers::pi;
            if (std::stoi(c.Args[7]) > 0)
                while (sweep < 0)
                    sweep += turn;
            else
                while (sweep > 0)
                    sweep -= turn;
            double px = d(3), py = d(4);
            for (int i = 1; i <= chords; ++i) {
                const double a = a0 + sweep * i / chords;
                const double x = i == chords ? d(5) : xc + r * std::cos(a);
                const double y = i == chords ? d(6) : yc + r * std::sin(a);
                out.push_back({px, py, x, y});
                px = x, py = y;
            }
        }
    }
    return out;
}

// 2 pi times the first moment of the enclosed area about the x axis (Green's theorem).
inline double PappusVolume(const std::vector<TEdge>& edges)
{
    double moment = 0;
    for (const TEdge& e : edges)
        moment -= (e.x1 - e.x0) / 2 * (e.y0 * e.y0 + e.y0 * e.y1 + e.y1 * e.y1) / 3;
    return 2 * std::numbers::pi * std::abs(moment);
}

// The largest y of the profile at station x; 0 where the profile does not reach.
inline double OuterRadius(const std::vector<TEdge>& edges, double x)
{
    double r = 0;
    for (const TEdge& e : edges) {
        if ((x < std::min(e.x0, e.x1)) || (x > std::max(e.x0, e.x1)) || e.x0 == e.x1) continue;
        r = std::max(r, e.y0 + (e.y1 - e.y0) * (x - e.x0) / (e.x1 - e.x0));
    }
    return r;
}

// Area of the disc of radius rho centred at the origin within x0 <= x <= x1, |y| <= yHalf.
inline double StripArea(double rho, double x0, double x1, double yHalf)
{
    constexpr int steps = 2000;
    double area = 0;
    const double h = (x1 - x0) / steps;
    for (int i = 0; i < steps; ++i) {
        const double x = x0 + (i + 0.5) * h;
        area += h * std::min(2 * std::sqrt(std::max(0.0, rho * rho - x * x)), 2 * yHalf);
    }
    return area;
}

// What a straight cut takes from the revolved profile between stations a and b, where the
// cut's section at each station is Area(outer radius).
template <class F> double CutVolume(const std::vector<TEdge>& edges, double a, double b, F Area)
{
    constexpr int steps = 4000;
    const double h = (b - a) / steps;
    double v = 0;
    for (int i = 0; i < steps; ++i)
        v += h * Area(OuterRadius(edges, a + (i + 0.5) * h));
    return std::abs(v);
}

} // namespace profile
