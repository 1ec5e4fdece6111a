// The metric thread list with its tap drills, and the rows of the fastener figures, M3 to M36.

#include "MetricFigures.h"

#include <cmath>
#include <limits>

#include "Dictionary.h"
#include "Messager.h"

namespace {

// The coarse series of the general-purpose metric threads, first to third choice, with the
// tap drill the drilling standard gives for each.
constexpr TMetricThread Threads[] = {
    {1, 0.25, 0.75},   {1.1, 0.25, 0.85}, {1.2, 0.25, 0.95}, {1.4, 0.3, 1.1},   {1.6, 0.35, 1.25},
    {1.8, 0.35, 1.45}, {2, 0.4, 1.6},     {2.2, 0.45, 1.75}, {2.5, 0.45, 2.05}, {3, 0.5, 2.5},
    {3.5, 0.6, 2.9},   {4, 0.7, 3.3},     {4.5, 0.75, 3.7},  {5, 0.8, 4.2},     {6, 1, 5},
    {7, 1, 6},         {8, 1.25, 6.8},    {10, 1.5, 8.5},    {12, 1.75, 10.2},  {14, 2, 12},
    {16, 2, 14},       {18, 2.5, 15.5},   {20, 2.5, 17.5},   {22, 2.5, 19.5},   {24, 3, 21},
    {27, 3, 24},       {30, 3.5, 26.5},   {33, 3.5, 29.5},   {36, 4, 32},       {39, 4, 35},
    {42, 4.5, 37.5},   {45, 4.5, 40.5},   {48, 5, 43},       {52, 5, 47},       {56, 5.5, 50.5},
    {60, 5.5, 54.5},   {64, 6, 58},
};

// The fastener figures of the rows M3 to M36; pitch and tap drill are the thread list's.
struct TFastenerRow {
    Real d;
    Real Clearance, HeadD, HeadK, Socket, SocketDepth;
};

constexpr TFastenerRow Rows[] = {
    {3, 3.2, 5.5, 3, 2.5, 1.3}, {4, 4.3, 7, 4, 3, 2},     {5, 5.3, 8.5, 5, 4, 2.5},
    {6, 6.4, 10, 6, 5, 3},      {8, 8.4, 13, 8, 6, 4},    {10, 10.5, 16, 10, 8, 5},
    {12, 13, 18, 12, 10, 6},    {14, 15, 21, 14, 12, 7},  {16, 17, 24, 16, 14, 8},
    {20, 21, 30, 20, 17, 10},   {24, 25, 36, 24, 19, 12}, {30, 31, 45, 30, 22, 15.5},
    {36, 37, 54, 36, 27, 19},
};

// Diameters computed from radii may miss the list's by rounding.
constexpr Real SameSize = 1e-6;

constexpr Real NoFigure = std::numeric_limits<Real>::quiet_NaN();

void TellNotListed(Real d)
{
    Messager.LiftBox(::DC("Резьбы нет в ряду") + " M" + TString(d, 2, true, 0), TMessager::toApi);
}

} // namespace

const TMetricThread* MetricThread(Real d)
{
    for (const TMetricThread& t : Threads)
        if (std::abs(t.d - d) <= SameSize) return &t;
    return nullptr;
}

TMetricFigures MetricFigures(Real d)
{
    const TMetricThread* thread = MetricThread(d);
    if (!thread) TellNotListed(d);
    const Real pitch = thread ? thread->Pitch : NoFigure, drill = thread ? thread->TapDrill : NoFigure;
    const TFastenerRow* row = Rows;
    for (const TFastenerRow& r : Rows)
        if (r.d <= d + SameSize) row = &r;
    const bool listed = std::abs(row->d - d) <= SameSize;
    const Real k = listed ? 1.0 : d / row->d;
    return {listed ? row->d : d, pitch,          drill,           row->Clearance * k,
            row->HeadD * k,      row->HeadK * k, row->Socket * k, row->SocketDepth * k};
}

Real TapDrill(Real d, Real Pitch)
{
    const TMetricThread* thread = MetricThread(d);
    if (thread && std::abs(thread->Pitch - Pitch) <= SameSize) return thread->TapDrill;
    if (thread && Pitch > 0 && Pitch < d) return d - Pitch;
    TellNotListed(d);
    return NoFigure;
}
