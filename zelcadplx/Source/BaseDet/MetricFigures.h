#pragma once
// Figures of the metric fastener standards the components are built to: the coarse thread's
// pitch and tap drill, the fine-series clearance hole, and the hexagon-socket cap screw's head
// and socket. Diameters in millimetres.

#include "BaseTypes.h"

struct TMetricFigures {
    Real d;           // nominal thread diameter
    Real Pitch;       // coarse pitch
    Real TapDrill;    // drill before tapping the coarse thread
    Real Clearance;   // clearance hole, fine series
    Real HeadD;       // cap screw head diameter
    Real HeadK;       // cap screw head height
    Real Socket;      // hexagon socket across flats
    Real SocketDepth; // least socket depth
};

// The figures of thread d. A thread between the rows takes the row below it (the first row
// below M3) with every figure scaled by d over that row's thread.
TMetricFigures MetricFigures(Real d);

// The drill before tapping thread d of pitch Pitch: the coarse thread's tap drill at its own
// pitch, d - Pitch for a fine one.
Real TapDrill(Real d, Real Pitch);
