#pragma once
// The volume a rounded corner of a half profile adds or takes when the profile is revolved
// about the x axis: Pappus on the sliver between the corner and its arc, with the sliver's
// exact area and centroid for any angle between the legs. Start from the straight-edged
// polygon's volume (shapes::RevolvedVolume).

#include <cmath>
#include <numbers>
#include <utility>
#include <vector>

struct TRevolvedVolume {
    using P = std::pair<double, double>; // (x along the axis, y radius >= 0)
    double Volume = 0;

    explicit TRevolvedVolume(double Polygon) : Volume(Polygon) {}

    // The corner C between the legs towards Prev and Next rounded by r: Fill true where the
    // angle between the legs is empty (the arc adds material), false where it is material.
    void Corner(P Prev, P C, P Next, double r, bool Fill)
    {
        const auto unit = [](double x, double y) {
            const double l = std::hypot(x, y);
            return P{x / l, y / l};
        };
        const P u1 = unit(Prev.first - C.first, Prev.second - C.second);
        const P u2 = unit(Next.first - C.first, Next.second - C.second);
        const double alpha = std::acos(u1.first * u2.first + u1.second * u2.second);
        const P b = unit(u1.first + u2.first, u1.second + u2.second);
        const double t = r / std::tan(alpha / 2), d = r / std::sin(alpha / 2),
                     theta = std::numbers::pi - alpha;
        const double yO = C.second + d * b.second;
        const double yT1 = C.second + t * u1.second, yT2 = C.second + t * u2.second;
        const double kite = r * t, sector = r * r * theta / 2;
        const double ySector = yO - b.second * 4 * r * std::sin(theta / 2) / (3 * theta);
        const double moment =
            kite / 2 * (C.second + yT1 + yO) / 3 + kite / 2 * (C.second + yT2 + yO) / 3 - sector * ySector;
        Volume += (Fill ? 1 : -1) * 2 * std::numbers::pi * moment;
    }
};
