#pragma once
// A component recorder that also journals placements and the vertical dimensions whose text
// stands aside (drDimVL1, drDimVL2), and the volume a recorded half profile sweeps when it is
// revolved about the x axis: Pappus' theorem as V = pi |loop integral of y^2 dx| over the
// closed loop of its segments and fillet arcs, found by walking them end to end.

#include <cmath>
#include <numbers>
#include <string>
#include <vector>

#include "ComponentRecorder.h"

class TSectionRecorder : public TComponentRecorder {
    using R = Real const&;
    using S = Str const&;
    template <class... A> void Put(const char* name, const A&... a) { Record(name, {recording::Arg(a)...}); }

public:
    // Placements are journaled too, and still taken.
    void drMtr(Real x, Real y, Real Angle, Real Scale) override
    {
        Put("drMtr", x, y, Angle, Scale);
        TComponentRecorder::drMtr(x, y, Angle, Scale);
    }
    void drDeleteMtr() override
    {
        Put("drDeleteMtr");
        TComponentRecorder::drDeleteMtr();
    }
    void drDimVL1(R V, R Dx, R Pt, R X1, R Y1, R X2, R Y2, S S1, S S2, S S3) override
    {
        Put("drDimVL1", V, Dx, Pt, X1, Y1, X2, Y2, S1, S2, S3);
    }
    void drDimVL2(R V, R Dx, R Pt, R X1, R Y1, R X2, R Y2, S S1, S S2, S S3) override
    {
        Put("drDimVL2", V, Dx, Pt, X1, Y1, X2, Y2, S1, S2, S3);
    }

    // Lines outside the axis style that have a length, as "x1 y1 x2 y2".
    std::vector<std::string> Segments() const
    {
        std::vector<std::string> out;
        for (const auto& a : ArgsOf("drLine"))
            if (a[4] != "3" && (a[0] != a[2] || a[1] != a[3]))
                out.push_back(a[0] + " " + a[1] + " " + a[2] + " " + a[3]);
        return out;
    }

    // The revolved volume of the segments and arcs drawn outside the axis style; NaN when they
    // do not form one closed loop. Arcs are fillets: the shorter way between their ends.
    double RevolvedVolume() const
    {
        std::vector<TEdge> edges;
        for (const TRecordedCall& c : Calls) {
            const auto d = [&](std::size_t i) { return std::stod(c.Args[i]); };
            if (c.Name == "drLine" && std::stoi(c.Args[4]) != 3)
                edges.push_back({false, d(0), d(1), d(2), d(3), 0, 0, 0});
            else if (c.Name == "drArc" && c.Args.size() == 9)
                edges.push_back({true, d(3), d(4), d(5), d(6), d(0), d(1), d(2)});
        }
        if (edges.empty()) return std::nan("");
        std::vector<bool> used(edges.size(), false);
        double sum = 0, x = edges[0].x0, y = edges[0].y0;
        const double startX = x, startY = y;
        for (std::size_t n = 0; n < edges.size(); ++n) {
            bool found = false;
            for (std::size_t i = 0; i < edges.size() && !found; ++i) {
                if (used[i]) continue;
                const TEdge& e = edges[i];
                const bool forward = Near(e.x0, e.y0, x, y), backward = !forward && Near(e.x1, e.y1, x, y);
                if (!forward && !backward) continue;
                used[i] = found = true;
                const double sign = forward ? 1 : -1;
                sum += sign * (e.arc ? ArcIntegral(e) : LineIntegral(e));
                x = forward ? e.x1 : e.x0;
                y = forward ? e.y1 : e.y0;
            }
            if (!found) return std::nan("");
        }
        if (!Near(x, y, startX, startY)) return std::nan("");
        return std::numbers::pi * std::abs(sum);
    }

private:
    struct TEdge {
        bool arc;
        double x0, y0, x1, y1, cx, cy, r;
    };
    static bool Near(double x0, double y0, double x1, double y1)
    {
        return std::abs(x0 - x1) < 1e-6 && std::abs(y0 - y1) < 1e-6;
    }
    // The integral of y^2 dx from the first end to the second.
    static double LineIntegral(const TEdge& e)
    {
        return (e.x1 - e.x0) * (e.y0 * e.y0 + e.y0 * e.y1 + e.y1 * e.y1) / 3;
    }
    static double ArcIntegral(const TEdge& e)
    {
        const double a0 = std::atan2(e.y0 - e.cy, e.x0 - e.cx);
        double da = std::atan2(e.y1 - e.cy, e.x1 - e.cx) - a0;
        if (da > std::numbers::pi) da -= 2 * std::numbers::pi;
        if (da < -std::numbers::pi) da += 2 * std::numbers::pi;
        // x = cx + r cos a, y = cy + r sin a: y^2 dx = -r (cy + r sin a)^2 sin a da.
        const auto F = [&](double a) {
            const double c = std::cos(a), r = e.r, cy = e.cy;
            return -r *
                   (-cy * cy * c + 2 * cy * r * (a / 2 - std::sin(2 * a) / 4) + r * r * (-c + c * c * c / 3));
        };
        return F(a0 + da) - F(a0);
    }
};
