#pragma once
// Local placements of a stand-in 2D document: what a library draws while it has pushed
// placements (origin, turn, scales) takes its coordinates in them, so the host maps every
// drawing object made then into the document's own coordinates: points move, turn and scale,
// directions turn, the radii of curves scale. Drafting sizes stay as they are (text heights,
// arrows, the arc distance of an angular dimension, a hatch's step), and a dimension made at a
// scale keeps measuring in the units it was drawn in (a detail drawn at 4:1 shows its true
// sizes).

#include <array>
#include <vector>

#include "HostPoint2.h"

namespace tvhost {

class TDrawingCore;

// One local placement: origin, angle (degrees, counter-clockwise) and the scales of X and Y.
using TLocalPlacement = std::array<double, 5>;

// The mapping of the first `depth` placements of a stack (outermost first): a local point is
// scaled, turned and moved by the innermost placement, then by each enclosing one.
class TLocalMap {
public:
    TLocalMap(const std::vector<TLocalPlacement>& stack, std::size_t depth);

    TPoint2 Point(TPoint2 p) const noexcept { return Mapped(p, true); }
    TPoint2 Vector(TPoint2 v) const noexcept { return Mapped(v, false); }
    // The direction `radians` turns to; the angle of its image, in (-pi, pi].
    double Radians(double radians) const noexcept;
    double Degrees(double degrees) const noexcept;
    // How many document units one local unit of length is: the placements' X scales
    // multiplied (the library scales X and Y alike); negative for a mirroring.
    double Scale() const noexcept { return FScale; }

private:
    TPoint2 Mapped(TPoint2 p, bool moved) const noexcept;

    std::vector<TLocalPlacement> FStack;
    double FScale = 1.0;
};

// Maps the coordinates, directions and radii of `object`, given under the placements, into
// the document's coordinates; a dimension keeps the scale it was drawn at as "LocalScale".
void PlaceObject(TDrawingCore& object, const TLocalMap& map);

} // namespace tvhost
