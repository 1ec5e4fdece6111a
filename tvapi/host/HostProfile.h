#pragma once
// A sketch's profile as its features see it: the main-style segments, arcs and circles of its
// 2D document chained into closed loops, and its first axis-style segment as the axis of a
// rotation. Coordinates are the sketch's (u, v); the kernel makes faces of the loops
// (HostKernelFeatures.h).

#include <optional>
#include <string>
#include <vector>

namespace tvhost {

class THostSketch;

// Ends closer than this (mm) join two curves of a loop.
inline constexpr double ProfileJoinTolerance = 1e-6;

// One curve of a profile loop, running from (U0, V0) to (U1, V1). An arc turns about (Uc, Vc)
// with Radius, clockwise when Clockwise; a circle is a loop of its own (its ends unused).
struct TProfileCurve {
    enum TKind { pcSegment, pcArc, pcCircle };
    TKind Kind = pcSegment;
    double U0 = 0, V0 = 0, U1 = 0, V1 = 0;
    double Uc = 0, Vc = 0, Radius = 0;
    bool Clockwise = false;

    // The curve run the other way.
    TProfileCurve Reversed() const;
    // `n` + 1 points along the curve, both ends included.
    std::vector<std::pair<double, double>> Points(int n) const;
};

using TProfileLoop = std::vector<TProfileCurve>;

// Why a profile gives no face.
enum class TProfileError {
    peNone,
    peEmpty,        // no main-style curve
    peOpen,         // a curve end that meets no other
    peSelfCrossing, // curves that cross, or three curves at one end
    peNoAxis,       // a rotation without an axis-style segment
    peAxisInside,   // the axis runs through the inside of the profile
    peKernel,       // the kernel could not build the feature
};

// A short English text for the error, as the host's rebuild message gives it.
std::string ProfileErrorText(TProfileError error);

struct TProfile {
    std::vector<TProfileLoop> Loops;
    std::optional<TProfileCurve> Axis;
};

// The loops of the curves in their order of drawing: each loop starts with the first curve
// not yet used and follows joined ends; a curve is turned round when it joins by its end.
// Fails with peOpen or peSelfCrossing (error set, loops empty).
std::vector<TProfileLoop> ChainLoops(const std::vector<TProfileCurve>& curves, TProfileError& error);

// The profile of `sketch`'s document; peEmpty without main-style curves.
TProfile ProfileOf(THostSketch& sketch, TProfileError& error);

// True when the loops have points strictly on both sides of the axis line (beyond
// ProfileJoinTolerance): turned about it, the profile would pass through itself.
bool AxisCrossesProfile(const std::vector<TProfileLoop>& loops, const TProfileCurve& axis);

} // namespace tvhost
