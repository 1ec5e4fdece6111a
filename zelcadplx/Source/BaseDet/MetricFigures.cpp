// The rows of the metric fastener figures, M3 to M36.

#include "MetricFigures.h"

#include <cmath>

namespace {

constexpr TMetricFigures Rows[] = {
    {3, 0.5, 2.5, 3.2, 5.5, 3, 2.5, 1.3}, {4, 0.7, 3.3, 4.3, 7, 4, 3, 2},
    {5, 0.8, 4.2, 5.3, 8.5, 5, 4, 2.5},   {6, 1, 5, 6.4, 10, 6, 5, 3},
    {8, 1.25, 6.8, 8.4, 13, 8, 6, 4},     {10, 1.5, 8.5, 10.5, 16, 10, 8, 5},
    {12, 1.75, 10.2, 13, 18, 12, 10, 6},  {14, 2, 12, 15, 21, 14, 12, 7},
    {16, 2, 14, 17, 24, 16, 14, 8},       {20, 2.5, 17.5, 21, 30, 20, 17, 10},
    {24, 3, 21, 25, 36, 24, 19, 12},      {30, 3.5, 26.5, 31, 45, 30, 22, 15.5},
    {36, 4, 32, 37, 54, 36, 27, 19},
};

constexpr Real SameSize = 1e-6;

} // namespace

TMetricFigures MetricFigures(Real d)
{
    const TMetricFigures* row = Rows;
    for (const TMetricFigures& r : Rows)
        if (r.d <= d + SameSize) row = &r;
    if (std::abs(row->d - d) <= SameSize) return *row;
    const Real k = d / row->d;
    return {d,
            row->Pitch * k,
            row->TapDrill * k,
            row->Clearance * k,
            row->HeadD * k,
            row->HeadK * k,
            row->Socket * k,
            row->SocketDepth * k};
}

Real TapDrill(Real d, Real Pitch)
{
    const TMetricFigures f = MetricFigures(d);
    return std::abs(f.Pitch - Pitch) <= SameSize ? f.TapDrill : d - Pitch;
}
