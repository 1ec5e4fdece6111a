#pragma once
// The kernel's side of a part's features: faces of a sketch profile, the solids and surfaces
// that extrusion, rotation and sweep make of them, Booleans and the validity check. Every
// function gives a null shape when the kernel fails; none throws. Lengths mm, angles degrees.

#include <vector>

#include "HostKernel.h"
#include "HostProfile.h"

namespace tvhost {

// The planar faces the loops bound on `frame`'s plane (loops inside a face are its holes, a
// loop inside a hole is a face again), as one shape; null with `error` set when a loop
// crosses itself or another (peSelfCrossing) or the kernel fails (peKernel).
TShape ProfileFaces(const TFrame& frame, const std::vector<TProfileLoop>& loops, TProfileError& error);
// The loops as closed wires on the plane, as one shape (what a surface feature sweeps).
TShape ProfileWires(const TFrame& frame, const std::vector<TProfileLoop>& loops);

// `profile` swept along the unit vector `along` from `from` to `to` (from < to); with a
// taper, the side walls lean in by `taperAngle` (faces only).
TShape Extruded(const TShape& profile, const TXyz& along, double from, double to, double taperAngle);
// `profile` turned by `angle` about the line through `point` along `axis` (right-handed).
TShape Revolved(const TShape& profile, const TXyz& point, const TXyz& axis, double angle);
// `profile` swept along the chain of edges `path`.
TShape Piped(const TShape& profile, const std::vector<TShape>& path);

// A right-handed helix edge about `frame`'s Z axis from the point `radius` along its X,
// `pitch` a turn for `turns` turns: rising counter-clockwise about Z when `upward`, else
// falling clockwise below the frame's plane.
TShape MakeHelix(const TFrame& frame, double radius, double pitch, double turns, bool upward);
// The surface the closed chain of `edges` bounds (a plane's piece when they lie in one).
TShape Patch(const std::vector<TShape>& edges);
// The ruled surface between the chains `first` and `second`; with `match`, the second chain is
// turned to run the way of the first.
TShape Ruled(const std::vector<TShape>& first, const std::vector<TShape>& second, bool match);

enum class TBooleanKind { bkFuse, bkCut, bkCommon };
TShape Combined(TBooleanKind kind, const TShape& a, const TShape& b);

// Whether the shapes touch or overlap (no gap above the kernel's tolerance).
bool Touching(const TShape& a, const TShape& b);
// Whether the shapes' boxes meet: false proves the shapes apart, true proves nothing.
bool BoxesMeet(const TShape& a, const TShape& b);
// True for a shape the kernel's checker finds valid; false for a null shape.
bool IsValidShape(const TShape& shape);
// The same for `result` of an operation on the valid shape `before` (null: none), checking only
// what the operation changed: its faces that are not faces of `before`, and its shells closed.
bool IsValidChange(const TShape& result, const TShape& before);
// Whether the shape holds a solid (a body cut away entirely holds none).
bool HasSolid(const TShape& shape);
// The area of the shape's faces (mm²); 0 for none.
double Area(const TShape& shape);
// The shape's size along its box diagonal (mm); 0 for none.
double Extent(const TShape& shape);

} // namespace tvhost
