#pragma once
// Figures of the metric fastener standards the components are built to: the coarse thread's
// pitch and tap drill, the fine threads' pitches, the fine-series clearance hole, and the
// hexagon-socket cap screw's head and socket. Diameters in millimetres.

#include "BaseTypes.h"

// A coarse thread of the metric list, M1 to M64: its pitch and the drill before tapping it.
struct TMetricThread {
    Real d;
    Real Pitch;
    Real TapDrill;
};

struct TMetricFigures {
    Real d;        // nominal thread diameter
    Real Pitch;    // coarse pitch
    Real TapDrill; // drill before tapping the coarse thread
    // The fastener figures of d's own row, never another's; NaN where no standard gives one.
    Real Clearance;   // clearance hole, fine series
    Real HeadD;       // cap screw head diameter
    Real HeadK;       // cap screw head height
    Real Socket;      // hexagon socket across flats
    Real SocketDepth; // least socket depth
};

// The thread d of the metric list; null for a d the list does not hold.
const TMetricThread* MetricThread(Real d);

// The figures of thread d. Pitch and tap drill are the list's own; for a d the list does not
// hold they are NaN, and that is told once per call. The fastener figures are those of d's
// own row; a thread the standards do not cover has none (NaN), told by nothing here: only a
// builder that needs the figure refuses.
TMetricFigures MetricFigures(Real d);

// Tells that the standards give no cap screw of thread d to build by, for a d of the list; a d
// the list does not hold is told by MetricFigures already.
void TellNoCapScrewFigures(Real d);

// The drill before tapping thread d of pitch Pitch: the list's tap drill at d's coarse pitch,
// d - Pitch at a fine pitch of the series at d (M28 x 1.5 too, which has no coarse pitch).
// NaN, told with the pitch, for any other pair.
Real TapDrill(Real d, Real Pitch);
