#pragma once
// The sizes the base-detail builder takes for each kind, checked before anything is built: which
// of them make no solid.

// A size that leaves no solid, named as the builder tells it; What is null when the sizes make one.
struct TBaseRefusal {
    const char* What = nullptr;
    double Value = 0;
};

// The slotted screw's (kind 34) screwdriver slot, whatever its size: cut across the head down
// from its top face.
constexpr double ScrewSlotWidth = 2.0;
constexpr double ScrewSlotDepth = 3.0;
// The plugs' (kinds 37 and 38) chamfer at each end of the cylinder, whatever its size; the set
// screws' (22, 25, 35) at the end of the shank or of the socket too.
constexpr double PlugChamfer = 1.0;
// The width of each arm of the set screw's (kind 35) cruciform recess, whatever its span.
constexpr double RecessArmWidth = 2.0;
// The nozzle's seat of the sprue bushings that have one (kinds 15 and 17).
constexpr double SprueSeatDepth = 1.5;

// The first size of P that kind MakeId cannot build a solid of: a size that is no number or
// infinite, a diameter or length of 0 or less, a size below 0, a bore no narrower than what
// surrounds it, a screw's head no wider than its shank or a socket past its head, a slotted
// screw's head no higher than the slot is deep on a shank no wider than the slot (the slot would
// leave no head), a tang no narrower than its head; and sizes a fixed feature does not fit: a
// slotted head no wider than the slot or lower than it is deep, a cruciform recess whose span is
// no wider than its arms, a plug or set screw whose chamfers would meet across its length or
// its axis, a socket wider than the end face the chamfer leaves or the head it is cut into, a
// sprue bushing whose collar is no wider than its shank (never below 8 across its radius).
// Kinds without a profile refuse nothing.
TBaseRefusal BaseDetailRefusal(int MakeId, const double* P);

// The highest index of P that kind MakeId reads; -1 for a kind that reads none.
int BaseDetailLastSize(int MakeId);
