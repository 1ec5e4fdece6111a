// Sampling of curves into a polyline: every 0.1 unit of length by default, and the arc on
// the half-degree grid of polar angles so that arcs of one circle share their samples;
// and the circle's test of a polyline's points.

#include "Arc.h"
#include "Elements.h"
#include "PolyLine.h"

#include <cmath>

namespace {

constexpr Real sampleLength = 0.1;                  // one sample per this much length
constexpr Real halfDegree = TMathDef::C_PI / 360.0; // the arc's sampling grid

} // namespace

void TCurve2D::AppendPoint(TPolyLine& L, const TPoint2D& P)
{
    L.Points.Add(P);
}

void TCurve2D::Aproximate(TPolyLine& L) const
{
    const double tmin = GetTMin(), tmax = GetTMax();
    const double len = GetMetricLength();
    const double step = len > metricAccuracy ? (tmax - tmin) / len * sampleLength : sampleLength;
    if (step <= paramEpsilon) return;
    TPoint2D P;
    for (double t = tmin; t < tmax; t += step) {
        PointOn(t, P);
        AppendPoint(L, P);
    }
    PointOn(tmax, P);
    AppendPoint(L, P);
}

void TArc::Aproximate(TPolyLine& L) const
{
    TPoint2D P;
    PointOn(GetTMin(), P);
    AppendPoint(L, P);
    // The first grid angle at or after the start in the direction of travel.
    const double grid = sense == ByClockWise ? MinDivisible(A1, halfDegree) : MaxDivisible(A1, halfDegree);
    double t = std::fabs(grid - A1);
    const double tmax = GetTMax();
    for (; t < tmax; t += halfDegree) {
        PointOn(t, P);
        AppendPoint(L, P);
    }
    PointOn(tmax, P);
    AppendPoint(L, P);
}

bool TCircle::FoundAllPoints(const TPolyLine& L) const
{
    for (Integer i = 0; i < L.Points.Count; ++i)
        if (PointRelative(L.Points.FArray[i], metricPrecision) == -1) return false;
    return true;
}
