#pragma once
// Figures of the metric fastener standards the components are built to: the coarse thread's
// pitch and tap drill, the fine-series clearance hole, and the hexagon-socket cap screw's head
// and socket. Diameters in millimetres.

#include "BaseTypes.h"

// A coarse thread of the metric list, M1 to M64: its pitch and the drill before tapping it.
struct TMetricThread {
    Real d;
    Real Pitch;
    Real TapDrill;
};

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

// The thread d of the metric list; null for a d the list does not hold.
const TMetricThread* MetricThread(Real d);

// The figures of thread d. Pitch and tap drill are the list's own; for a d the list does not
// hold they are NaN, and that is told once per call. The other figures of a thread between the
// rows of the fastener table take the row below it (the first row below M3), scaled by d over
// that row's thread.
TMetricFigures MetricFigures(Real d);

// The drill before tapping thread d of pitch Pitch: the list's tap drill at its coarse pitch,
// d - Pitch for a fine one. NaN, told, for a thread the list does not hold, or a pitch that is
// no positive number below d.
Real TapDrill(Real d, Real Pitch);
