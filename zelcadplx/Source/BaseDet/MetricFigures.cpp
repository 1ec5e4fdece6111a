// The metric thread list with its tap drills, the fine pitches, and the fastener figures.

#include "MetricFigures.h"

#include <algorithm>
#include <cmath>
#include <iterator>
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

// The fine pitches of the general-purpose metric series at each diameter, M1 to M64, the
// diameters with no coarse pitch too (ISO 261); 0 ends a shorter row.
struct TFineRow {
    Real d;
    Real Pitch[4];
};

constexpr TFineRow FineRows[] = {
    {1, {0.2}},           {1.1, {0.2}},         {1.2, {0.2}},         {1.4, {0.2}},
    {1.6, {0.2}},         {1.8, {0.2}},         {2, {0.25}},          {2.2, {0.25}},
    {2.5, {0.35}},        {3, {0.35}},          {3.5, {0.35}},        {4, {0.5}},
    {4.5, {0.5}},         {5, {0.5}},           {5.5, {0.5}},         {6, {0.75}},
    {7, {0.75}},          {8, {1, 0.75}},       {9, {1, 0.75}},       {10, {1.25, 1, 0.75}},
    {11, {1, 0.75}},      {12, {1.5, 1.25, 1}}, {14, {1.5, 1.25, 1}}, {15, {1.5, 1}},
    {16, {1.5, 1}},       {17, {1.5, 1}},       {18, {2, 1.5, 1}},    {20, {2, 1.5, 1}},
    {22, {2, 1.5, 1}},    {24, {2, 1.5, 1}},    {25, {2, 1.5, 1}},    {26, {1.5}},
    {27, {2, 1.5, 1}},    {28, {2, 1.5, 1}},    {30, {3, 2, 1.5, 1}}, {32, {2, 1.5}},
    {33, {3, 2, 1.5}},    {35, {1.5}},          {36, {3, 2, 1.5}},    {38, {1.5}},
    {39, {3, 2, 1.5}},    {40, {3, 2, 1.5}},    {42, {4, 3, 2, 1.5}}, {45, {4, 3, 2, 1.5}},
    {48, {4, 3, 2, 1.5}}, {50, {3, 2, 1.5}},    {52, {4, 3, 2, 1.5}}, {55, {4, 3, 2, 1.5}},
    {56, {4, 3, 2, 1.5}}, {58, {4, 3, 2, 1.5}}, {60, {4, 3, 2, 1.5}}, {62, {4, 3, 2, 1.5}},
    {64, {4, 3, 2, 1.5}},
};

constexpr Real NoFigure = std::numeric_limits<Real>::quiet_NaN();
constexpr Real N = NoFigure; // short for the table below

// The fastener figures of the listed threads, each at its own row: the fine-series clearance
// hole by ISO 273; the hexagon-socket cap screw's head diameter and height, socket across
// flats and least socket depth by ISO 4762, and by DIN 912 at M18, M22, M27 and M33. A figure
// neither standard gives is left out (NaN); the threads of the list missing here have none.
struct TFastenerRow {
    Real d;
    Real Clearance, HeadD, HeadK, Socket, SocketDepth;
};

constexpr TFastenerRow Fasteners[] = {
    {1, 1.1, N, N, N, N},         {1.2, 1.3, N, N, N, N},     {1.4, 1.5, N, N, N, N},
    {1.6, 1.7, 3, 1.6, 1.5, 0.7}, {1.8, 2, N, N, N, N},       {2, 2.2, 3.8, 2, 1.5, 1},
    {2.5, 2.7, 4.5, 2.5, 2, 1.1}, {3, 3.2, 5.5, 3, 2.5, 1.3}, {3.5, 3.7, N, N, N, N},
    {4, 4.3, 7, 4, 3, 2},         {4.5, 4.8, N, N, N, N},     {5, 5.3, 8.5, 5, 4, 2.5},
    {6, 6.4, 10, 6, 5, 3},        {7, 7.4, N, N, N, N},       {8, 8.4, 13, 8, 6, 4},
    {10, 10.5, 16, 10, 8, 5},     {12, 13, 18, 12, 10, 6},    {14, 15, 21, 14, 12, 7},
    {16, 17, 24, 16, 14, 8},      {18, 19, 27, 18, 14, 9},    {20, 21, 30, 20, 17, 10},
    {22, 23, 33, 22, 17, 11},     {24, 25, 36, 24, 19, 12},   {27, 28, 40, 27, 19, 13.5},
    {30, 31, 45, 30, 22, 15.5},   {33, 34, 50, 33, 24, 18},   {36, 37, 54, 36, 27, 19},
    {39, 40, N, N, N, N},         {42, 43, 63, 42, 32, 24},   {45, 46, N, N, N, N},
    {48, 50, 72, 48, 36, 28},     {52, 54, N, N, N, N},       {56, 58, 84, 56, 41, 34},
    {60, 62, N, N, N, N},         {64, 66, 96, 64, 46, 38},
};

// Diameters computed from radii may miss the list's by rounding.
constexpr Real SameSize = 1e-6;

bool Same(Real a, Real b)
{
    return std::abs(a - b) <= SameSize;
}

// A positive pitch is told with d: it is the pair that is not in the series.
void TellNotListed(Real d, Real Pitch = 0)
{
    TString text = ::DC("Резьбы нет в ряду") + " M" + TString(d, 2, true, 0);
    if (Pitch > 0) text += "x" + TString(Pitch, 2, true, 0);
    Messager.LiftBox(text, TMessager::toApi);
}

bool FinePitch(Real d, Real Pitch)
{
    for (const TFineRow& row : FineRows)
        if (Same(row.d, d))
            return std::any_of(std::begin(row.Pitch), std::end(row.Pitch),
                               [&](Real p) { return p > 0 && Same(p, Pitch); });
    return false;
}

} // namespace

const TMetricThread* MetricThread(Real d)
{
    for (const TMetricThread& t : Threads)
        if (Same(t.d, d)) return &t;
    return nullptr;
}

TMetricFigures MetricFigures(Real d)
{
    const TMetricThread* thread = MetricThread(d);
    if (!thread) TellNotListed(d);
    TMetricFigures f{d, NoFigure, NoFigure, NoFigure, NoFigure, NoFigure, NoFigure, NoFigure};
    if (thread) f.d = thread->d, f.Pitch = thread->Pitch, f.TapDrill = thread->TapDrill;
    for (const TFastenerRow& r : Fasteners)
        if (Same(r.d, d)) {
            f.d = r.d, f.Clearance = r.Clearance, f.HeadD = r.HeadD, f.HeadK = r.HeadK;
            f.Socket = r.Socket, f.SocketDepth = r.SocketDepth;
        }
    return f;
}

void TellNoCapScrewFigures(Real d)
{
    if (MetricThread(d))
        Messager.LiftBox(::DC("Нет стандартных размеров винта") + " M" + TString(d, 2, true, 0),
                         TMessager::toApi);
}

Real TapDrill(Real d, Real Pitch)
{
    if (FinePitch(d, Pitch)) return d - Pitch;
    // Only a coarse thread is the list's.
    if (const TMetricThread* thread = MetricThread(d); thread && Same(thread->Pitch, Pitch))
        return thread->TapDrill;
    TellNotListed(d, Pitch);
    return NoFigure;
}
