#pragma once
// The links of an assembly: every linear dimension of its parts measured between two planes in
// assembly coordinates. The planes and their directions are numbered as they are met, and the
// numbers (IP1, IP2, ID) are all a chain's detection looks at. This file builds a link's
// geometry from what the host gives (faces' planes, a sketch dimension's points, an
// operation's straight edges); reading the host is the assembly panel's.

#include "TDimension.h"
#include "TPlacementIndex.h"
#include "tvapi/Dimensions.h"

#include <functional>
#include <vector>

// Replaces a point of the part being read by the same point in assembly coordinates.
using TToAssembly = std::function<void(TPoint3D&)>;

// The distinct planes (Placements) and plane directions (Directions) of the gathered links;
// entries are only appended, so a number once given keeps its meaning.
class TAssemblyPlanes {
public:
    static constexpr Integer Room = 128;

    TAPlacement3D Placements{Room, Room};
    TAPlacement3D Directions{Room, Room};

    TAssemblyPlanes() = default;
    TAssemblyPlanes(const TAssemblyPlanes&) = delete;
    TAssemblyPlanes& operator=(const TAssemblyPlanes&) = delete;

    // The number of the first stored plane that P lies in (IsSamePlane); P is appended when
    // there is none.
    int PutPlacement(const TPlacement3D& P) { return FPlanes.Put(P); }
    // The number of the first stored direction parallel to P's plane (IsParallelPlane).
    int PutDirection(const TPlacement3D& P) { return FDirections.Put(P); }
    // Numbers L's placements PL1 and PL2 (IP1, IP2, then ID of PL1), sets the measured vector
    // V3 (the unit normal of PL1 times the distance to PL2, turned to its canonical sense) and
    // the comment "ID IP1 IP2 PartName".
    void Measure(TDimension& L, const TString& PartName);

private:
    TPlacementIndex FPlanes{Placements, TPlacementIndex::pkPlane};
    TPlacementIndex FDirections{Directions, TPlacementIndex::pkDirection};
};

// A new link of the model type TMO: no planes (IP1, IP2 and ID -1, so that it joins no path
// until its geometry is known), every other field as TDimension() has it.
TDimension NewAssemblyLink(tvapi::tvObj3dTypeEnum TMO);

// The placements of a sketch's linear dimension from P1 to P2 (sketch coordinates) in the
// sketch placed at PS (part coordinates): each through its point, its normal along the
// measured direction (X for a horizontal, Y for a vertical dimension, P2 - P1 for one measured
// along itself), carried into the assembly by ToAssembly.
void SketchPlacements(const TPlacement3D& PS, const TPoint2D& P1, const TPoint2D& P2,
                      tvapi::tvLineDimensionOrientationEnum Orientation, const TToAssembly& ToAssembly,
                      TPlacement3D& PL1, TPlacement3D& PL2);

// A straight edge of a part from P0 to P1 (part coordinates).
struct TEdgeEnds {
    TPoint3D P0, P1;
};

// An operation dimension's link from the straight edges of its feature: edges no longer than
// ZeroLength are dropped; of at least three left, every pair of parallel edges on distinct
// lines is tested in part coordinates, and each pair found numbers its placements (through
// the two edges, normal across them in their common plane, in assembly coordinates) in Planes
// and writes L's placements, numbers, vector (the lines' distance) and comment. Gives the
// number of pairs found; the link is one only when exactly one was.
int OperationPairs(const std::vector<TEdgeEnds>& Edges, const TToAssembly& ToAssembly,
                   TAssemblyPlanes& Planes, TDimension& L, const TString& PartName);
