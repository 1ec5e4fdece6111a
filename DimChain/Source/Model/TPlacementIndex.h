#pragma once
// TPlacementIndex: numbers the distinct planes (or plane directions) of the links of a
// drawing, the number of a plane being its index in an array of placements. A grid of
// buckets by normal and distance from the origin finds the stored planes near a new one, so
// numbering n planes costs about n lookups instead of n^2 / 2 comparisons.

#include "Placement3D.h"
#include "TArray.h"

#include <cstdint>
#include <unordered_map>
#include <vector>

using TAPlacement3D = TArrayOf<TPlacement3D>;

class TPlacementIndex;

// The numbers of a link's two planes and of its first plane's direction.
struct TPlaneNumbers {
    int IP1 = -1;
    int IP2 = -1;
    int ID = -1;
};
// How every link is numbered, in a drawing or an assembly: PL1, then PL2 into Planes, then
// PL1's direction into Directions.
TPlaneNumbers NumberPlanes(const TPlacement3D& PL1, const TPlacement3D& PL2, TPlacementIndex& Planes,
                           TPlacementIndex& Directions);

class TPlacementIndex {
public:
    enum TKind : int {
        pkPlane = 0,     // one number per plane: IsSamePlane
        pkDirection = 1, // one number per direction, a plane and its reverse alike: IsParallelPlane
    };

    // Empties Items, which then receives the distinct planes; Items must outlive the index
    // and change only through Put. Normals match as IsParallelPlane has them; a plane's point
    // lies on another within Tolerance per coordinate, by default as IsSamePlane has it.
    TPlacementIndex(TAPlacement3D& Items, TKind Kind, double Tolerance = TMathDef::pointPrecision3D);
    TPlacementIndex(const TPlacementIndex&) = delete;
    TPlacementIndex& operator=(const TPlacementIndex&) = delete;

    // The index of the first stored placement S for which S.IsSamePlane(P) holds
    // (S.IsParallelPlane(P) for directions), within the index's tolerance; when none does, P
    // is appended and gets the former count. The answer is exactly that of a scan from index 0.
    int Put(const TPlacement3D& P);

private:
    struct TKey {
        std::int64_t Offset; // cell of the distance from the origin (planes only)
        std::int32_t Normal[3];
        std::int32_t Reach; // the tolerance class of the distance (planes only)
        bool operator==(const TKey&) const = default;
    };
    struct THash {
        std::size_t operator()(const TKey& K) const noexcept;
    };

    bool Regular(const TPlacement3D& P) const;
    int Reach(const TPlacement3D& P) const;
    TKey KeyOf(const TPlacement3D& P) const;
    // The first stored placement matching P among the buckets that can hold one; -1 when none.
    int Find(const TPlacement3D& P) const;
    int FindIn(const TPlacement3D& P, double Sign, int m, int Found) const;
    int FirstIn(const std::vector<int>& Bucket, const TPlacement3D& P, int Found) const;
    int Scan(const TPlacement3D& P) const;
    bool Matches(const TPlacement3D& S, const TPlacement3D& P) const;

    double ReachOfClass(int m) const;

    TAPlacement3D& FItems;
    TKind FKind;
    double FTolerance;
    std::vector<double> FReachOf; // the reach of each tolerance class
    std::unordered_map<TKey, std::vector<int>, THash> FBuckets;
    std::vector<int> FLoose;    // stored placements no bucket can hold: always compared
    std::uint32_t FReaches = 0; // bit m: some bucket of tolerance class m is filled
};
