#pragma once
// Shared builders of the curve tests: seeded random curves of every simple kind, dense
// sampling as the independent reference, and stream round trips of curve records.

#include "Arc.h"
#include "Elements.h"
#include "KmfData.h"
#include "LineSeg.h"
#include "StreamTestUtil.h"

#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <memory>
#include <random>
#include <vector>

namespace curvetest {

constexpr double kPi = TMathDef::C_PI;

// The data bytes a curve's Store writes.
inline streamtest::Bytes StoredBytes(const TCurve2D& C)
{
    TKmfData s;
    C.Store(s);
    return streamtest::DataOf(s);
}

// Loads C from the given data bytes in a stream of the given version.
inline void LoadFrom(TCurve2D& C, const streamtest::Bytes& data, Integer version = TKmfData::CurrentVersion)
{
    TKmfData s;
    s.from(streamtest::Blob(version, data));
    C.Load(s);
}

// Points of C at n + 1 evenly spaced parameters over its interval (or over [t0, t1]).
inline std::vector<TPoint2D> Samples(const TCurve2D& C, int n, double t0, double t1)
{
    std::vector<TPoint2D> out;
    out.reserve(n + 1);
    for (int i = 0; i <= n; ++i) {
        TPoint2D P;
        C._PointOn(t0 + (t1 - t0) * i / n, P);
        out.push_back(P);
    }
    return out;
}

inline std::vector<TPoint2D> Samples(const TCurve2D& C, int n)
{
    return Samples(C, n, C.GetTMin(), C.GetTMax());
}

// P within tol of (x, y) in each coordinate; the message names the point found.
inline testing::AssertionResult Near(const TPoint2D& P, double x, double y, double tol = 0.0)
{
    if (std::fabs(P.x - x) <= tol && std::fabs(P.y - y) <= tol) return testing::AssertionSuccess();
    return testing::AssertionFailure()
           << "(" << P.x << ", " << P.y << ") is not within " << tol << " of (" << x << ", " << y << ")";
}

inline TPoint2D PointAt(const TCurve2D& C, double t)
{
    TPoint2D P;
    C.PointOn(t, P);
    return P;
}

inline double NearestSample(const std::vector<TPoint2D>& S, const TPoint2D& P)
{
    double best = 1e300;
    for (const TPoint2D& Q : S)
        best = std::fmin(best, P.DistanceTo(Q));
    return best;
}

// Seeded random curves in a 20 x 20 window around the origin.
class TRandomCurves {
public:
    explicit TRandomCurves(unsigned seed) : gen(seed) {}

    double U(double a, double b) { return std::uniform_real_distribution<double>(a, b)(gen); }
    TPoint2D P() { return TPoint2D(U(-10, 10), U(-10, 10)); }

    std::unique_ptr<TArc> Arc() { return Arc(P()); }
    std::unique_ptr<TArc> Arc(const TPoint2D& c)
    {
        const double R = U(0.5, 8) * (U(0, 1) < 0.5 ? -1.0 : 1.0);
        return std::make_unique<TArc>(c.x, c.y, R, U(0, 2 * kPi), U(0, 2 * kPi), 0);
    }
    // Kind 0 point, 1 segment, 2 line, 3 circle, 4 arc.
    std::unique_ptr<TCurve2D> Of(int kind)
    {
        const TPoint2D p = P();
        switch (kind) {
        case 0:
            return std::make_unique<TBasePoint>(p.x, p.y);
        case 1:
            return std::make_unique<TLineSeg>(p, P());
        case 2:
            return std::make_unique<TLine>(p, P());
        case 3:
            return std::make_unique<TCircle>(p.x, p.y, U(0.5, 8));
        default:
            return Arc(p);
        }
    }

private:
    std::mt19937 gen;
};

} // namespace curvetest
