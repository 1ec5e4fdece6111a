#pragma once
// Builders of the contour tests: polygons of segments, chains of arcs and segments, segments
// as text, and an independent winding number and distance from a dense sampling of a chain.

#include "Arc.h"
#include "Contour.h"
#include "CurveTestUtil.h"
#include "LineSeg.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <initializer_list>
#include <string>
#include <vector>

namespace contourtest {

using curvetest::kPi;
using curvetest::PointAt;

// Segments P[i] -> P[i+1], closed by the last back to P[0] unless open; caches filled.
inline void Polygon(TContour& C, const std::vector<TPoint2D>& P, bool open = false)
{
    for (std::size_t i = 0; i + (open ? 1 : 0) < P.size(); ++i)
        C.Add(new TLineSeg(P[i], P[(i + 1) % P.size()]));
    C.Refresh();
    C.Calculate();
}

inline void Square(TContour& C, double a, bool ccw = true)
{
    Polygon(C, ccw ? std::vector<TPoint2D>{{0, 0}, {a, 0}, {a, a}, {0, a}}
                   : std::vector<TPoint2D>{{0, 0}, {0, a}, {a, a}, {a, 0}});
}

// The four edges of the axis-parallel square of side a with lower-left corner (x, y).
inline void SquareAt(TContour& C, double x, double y, double a)
{
    const TPoint2D P[4] = {{x, y}, {x + a, y}, {x + a, y + a}, {x, y + a}};
    for (int i = 0; i < 4; ++i)
        C.Add(new TLineSeg(P[i], P[(i + 1) % 4]));
}

// A closed polygon of n segments around (cx, cy), its radius varying between r / 2 and r.
inline TContour* Blob(double cx, double cy, double r, int n, unsigned seed)
{
    std::vector<TPoint2D> P;
    for (int i = 0; i < n; ++i) {
        const double a = 2 * kPi * i / n, f = 0.5 + 0.5 * ((seed * 2654435761u + i * 40503u) % 1000) / 1000.0;
        P.emplace_back(cx + r * f * std::cos(a), cy + r * f * std::sin(a));
    }
    auto* C = new TContour;
    Polygon(*C, P);
    return C;
}

// Signed area of a closed chain of segments, arcs and circles, exact for each kind
// (positive counterclockwise).
inline double ExactArea(const TContour& C)
{
    double sum = 0.0;
    for (Integer i = 0; i < C.Count; ++i) {
        const TCurve2D* I = C[i];
        const TPoint2D a = I->PointTMin(), b = I->PointTMax();
        if (I->IsType() == ctCircle) {
            const double r = static_cast<const TCircle*>(I)->Radius;
            sum += kPi * r * r;
            continue;
        }
        sum += 0.5 * (a.x * b.y - b.x * a.y);
        if (I->IsType() != ctArc) continue;
        // The circular segment between the chord and the arc.
        const auto* A = static_cast<const TArc*>(I);
        const double sweep = A->A2 - A->A1, r = A->Radius;
        sum += 0.5 * r * r * (sweep - std::sin(sweep));
    }
    return sum;
}

// The values rounded to 1e-6, blank-separated: "10 2.5".
inline std::string Text(std::initializer_list<double> v)
{
    std::string out;
    char buf[32];
    for (double x : v) {
        std::snprintf(buf, sizeof buf, out.empty() ? "%g" : " %g", std::round(x * 1e6) / 1e6 + 0.0);
        out += buf;
    }
    return out;
}

inline std::string Pt(const TPoint2D& P)
{
    return Text({P.x, P.y});
}

// "x y xk yk" of a segment; "none" for anything else.
inline std::string Seg(const TCurve2D* C)
{
    const auto* L = C != nullptr && C->IsType() == ctLineSeg ? static_cast<const TLineSeg*>(C) : nullptr;
    return L != nullptr ? Text({L->x, L->y, L->xk, L->yk}) : "none";
}

// A 10 x 4 rectangle with half circles of radius 2 at both ends, counter-clockwise.
inline void Stadium(TContour& C)
{
    C.Add(new TLineSeg(0, 0, 10, 0));
    C.Add(new TArc(10, 2, 2, -kPi / 2, kPi / 2, 0));
    C.Add(new TLineSeg(10, 4, 0, 4));
    C.Add(new TArc(0, 2, 2, kPi / 2, 3 * kPi / 2, 0));
}

// Appends the arc from A to B that bulges by the sagitta h to the left of A -> B (h < 0:
// to the right), with |h| below half the chord.
inline void AddBulge(TContour& C, const TPoint2D& A, const TPoint2D& B, double h)
{
    const TVector2D d = B - A, n(-d.y / d.Len(), d.x / d.Len()); // n: the left unit normal
    const double c = d.Len() / 2, R = (c * c + h * h) / (2 * std::fabs(h));
    const TPoint2D O = A + d * 0.5 + n * ((std::fabs(h) - R) * (h > 0 ? 1 : -1)); // opposite the bulge
    C.Add(new TArc(O.x, O.y, h > 0 ? -R : R, std::atan2(A.y - O.y, A.x - O.x),
                   std::atan2(B.y - O.y, B.x - O.x), 0));
}

// Independent view of a closed chain: the winding number about P and the distance of P to
// the chain, both from 512 chords per curved item.
struct TOracle {
    int Winding = 0;
    double Distance = 1e300;
};

inline TOracle Oracle(const TContour& C, const TPoint2D& P)
{
    TOracle o;
    double turn = 0.0;
    for (Integer k = 0; k < C.Count; ++k) {
        const TCurve2D* I = C[k];
        const int n = I->IsType() == ctLineSeg ? 1 : 512;
        TPoint2D a, b;
        I->PointOn(I->GetTMin(), a);
        for (int i = 1; i <= n; ++i, a = b) {
            I->PointOn(I->GetTMin() + (I->GetTMax() - I->GetTMin()) * i / n, b);
            const TVector2D u = a - P, v = b - P, d = b - a;
            turn += std::atan2(u.x * v.y - u.y * v.x, u.x * v.x + u.y * v.y);
            const double s = std::clamp(-(u.x * d.x + u.y * d.y) / std::fmax(d.SqrLen(), 1e-30), 0.0, 1.0);
            o.Distance = std::fmin(o.Distance, std::hypot(u.x + s * d.x, u.y + s * d.y));
        }
    }
    o.Winding = static_cast<int>(std::lround(turn / (2 * kPi)));
    return o;
}

} // namespace contourtest
