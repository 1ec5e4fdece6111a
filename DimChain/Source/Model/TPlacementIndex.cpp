// The bucket grid behind the plane numbers of chain recognition.
//
// Why the buckets cannot miss a match. A stored S matches a new P when AZ_S equals n = +-AZ_P
// within NormalTolerance per component and O_S lies on P's plane within the point tolerance
// per coordinate. The first condition bounds each normal component, so S sits in a normal cell
// next to n's. For the distance c = O . AZ from the origin:
//   c_S - O_P . n = (O_S - O_P) . n + O_S . (AZ_S - n),
// where the first term is at most sqrt(3) point tolerances plus the frame's rounding (P's frame
// orthonormal within FrameSlack, coordinates within MaxCoordinate), and the second at most
// NormalTolerance |O_S|_1. So S's distance needs a reach growing with its own |O_S|_1: stored planes
// are sorted into reach classes by it, each with cells of its own width, and a lookup visits
// every filled class. Placements outside these assumptions (not finite, huge, a frame that is
// not orthonormal) are compared one by one, as stored ones or as a whole scan for a new one.

#include "TPlacementIndex.h"

#include <cmath>

namespace {

constexpr double NormalCell = 1.0 / 256.0;
constexpr double MaxCoordinate = 1e7;
constexpr double FrameSlack = 1e-13;
constexpr double MaxNormal = 2.0;
// Normals match within the geometry's precision; a point lies on a plane within the index's
// tolerance, by default the same.
constexpr double NormalTolerance = TMathDef::pointPrecision3D;
constexpr double NormalReach = 2.0 * NormalTolerance; // twice the tolerance: the sums round
// The reach of class m is BaseReach * ReachGrowth^m; BaseReach, ten point tolerances, covers
// sqrt(3) of them, the frame's share 2 * sqrt(3) MaxCoordinate * FrameSlack and the rounding
// of the sums.
constexpr double BaseReachTolerances = 10.0;
constexpr double ReachGrowth = 8.0;
constexpr int MaxReach = 16;
constexpr double DistanceSlope = NormalTolerance * 1.001;

// Cells of width w centred on its multiples.
std::int64_t Cell(double v, double w)
{
    return static_cast<std::int64_t>(std::floor(v / w + 0.5));
}

bool Finite(const TVector3D& V)
{
    return std::isfinite(V.x) && std::isfinite(V.y) && std::isfinite(V.z);
}

bool Finite(const TPoint3D& P)
{
    return std::isfinite(P.x) && std::isfinite(P.y) && std::isfinite(P.z);
}

bool NearOne(double v)
{
    return std::fabs(v - 1.0) <= FrameSlack;
}

bool NearZero(double v)
{
    return std::fabs(v) <= FrameSlack;
}

double Dot(const TPoint3D& O, const TVector3D& V)
{
    return O.x * V.x + O.y * V.y + O.z * V.z;
}

} // namespace

std::size_t TPlacementIndex::THash::operator()(const TKey& K) const noexcept
{
    std::uint64_t h = static_cast<std::uint64_t>(K.Offset) * 0x9E3779B97F4A7C15ull;
    for (const std::int32_t n : K.Normal)
        h = (h ^ static_cast<std::uint32_t>(n)) * 0xBF58476D1CE4E5B9ull;
    h = (h ^ static_cast<std::uint32_t>(K.Reach)) * 0x94D049BB133111EBull;
    return static_cast<std::size_t>(h ^ (h >> 31));
}

TPlacementIndex::TPlacementIndex(TAPlacement3D& Items, TKind Kind, double Tolerance)
    : FItems(Items), FKind(Kind), FTolerance(Tolerance)
{
    FItems.Clear();
    for (int m = 0; m <= MaxReach; ++m)
        FReachOf.push_back(BaseReachTolerances * FTolerance * std::pow(ReachGrowth, m));
}

double TPlacementIndex::ReachOfClass(int m) const
{
    return FReachOf[static_cast<std::size_t>(m)];
}

bool TPlacementIndex::Matches(const TPlacement3D& S, const TPlacement3D& P) const
{
    if (FKind == pkDirection || FTolerance == NormalTolerance)
        return FKind == pkPlane ? S.IsSamePlane(P) : S.IsParallelPlane(P);
    if (!S.IsParallelPlane(P)) return false;
    // S's point off P's plane, coordinate by coordinate, as IsSamePlane measures it.
    TPoint3D on;
    P.PointProjection(S.O, on);
    return S.O.EquEps(on, FTolerance);
}

bool TPlacementIndex::Regular(const TPlacement3D& P) const
{
    const TVector3D& z = P.AZ;
    if (!Finite(z) || std::fabs(z.x) > MaxNormal || std::fabs(z.y) > MaxNormal || std::fabs(z.z) > MaxNormal)
        return false;
    if (FKind == pkDirection) return true;
    const TVector3D &x = P.AX, &y = P.AY;
    if (!Finite(P.O) || !Finite(x) || !Finite(y)) return false;
    if (std::fabs(P.O.x) > MaxCoordinate || std::fabs(P.O.y) > MaxCoordinate ||
        std::fabs(P.O.z) > MaxCoordinate)
        return false;
    return NearOne(x * x) && NearOne(y * y) && NearOne(z * z) && NearZero(x * y) && NearZero(x * z) &&
           NearZero(y * z);
}

int TPlacementIndex::Reach(const TPlacement3D& P) const
{
    if (FKind == pkDirection) return 0;
    const double need =
        ReachOfClass(0) + DistanceSlope * (std::fabs(P.O.x) + std::fabs(P.O.y) + std::fabs(P.O.z));
    int m = 0;
    while (m < MaxReach && ReachOfClass(m) < need)
        ++m;
    return m;
}

TPlacementIndex::TKey TPlacementIndex::KeyOf(const TPlacement3D& P) const
{
    TKey k{};
    k.Normal[0] = static_cast<std::int32_t>(Cell(P.AZ.x, NormalCell));
    k.Normal[1] = static_cast<std::int32_t>(Cell(P.AZ.y, NormalCell));
    k.Normal[2] = static_cast<std::int32_t>(Cell(P.AZ.z, NormalCell));
    if (FKind == pkPlane) {
        k.Reach = Reach(P);
        k.Offset = Cell(Dot(P.O, P.AZ), 4.0 * ReachOfClass(k.Reach));
    }
    return k;
}

int TPlacementIndex::Put(const TPlacement3D& P)
{
    const int found = Find(P);
    if (found >= 0) return found;
    const int number = FItems.Count;
    FItems.Add(P);
    if (!Regular(P)) {
        FLoose.push_back(number);
        return number;
    }
    const TKey key = KeyOf(P);
    FBuckets[key].push_back(number);
    FReaches |= 1u << key.Reach;
    return number;
}

int TPlacementIndex::Find(const TPlacement3D& P) const
{
    if (!Regular(P)) return Scan(P);
    int found = -1;
    for (const double sign : {1.0, -1.0})
        for (int m = 0; m <= MaxReach; ++m)
            if (FReaches & (1u << m)) found = FindIn(P, sign, m, found);
    for (const int i : FLoose) {
        if (found >= 0 && i >= found) break;
        if (Matches(FItems[i], P)) found = i;
    }
    return found;
}

// Visits the buckets of reach class m that can hold a match of P with the normal Sign * AZ_P.
int TPlacementIndex::FindIn(const TPlacement3D& P, double Sign, int m, int Found) const
{
    const double n[3] = {Sign * P.AZ.x, Sign * P.AZ.y, Sign * P.AZ.z};
    std::int64_t lo[4], hi[4];
    for (int k = 0; k < 3; ++k) {
        lo[k] = Cell(n[k] - NormalReach, NormalCell);
        hi[k] = Cell(n[k] + NormalReach, NormalCell);
    }
    lo[3] = hi[3] = 0;
    if (FKind == pkPlane) {
        const double c = Sign * Dot(P.O, P.AZ), reach = ReachOfClass(m);
        lo[3] = Cell(c - reach, 4.0 * reach);
        hi[3] = Cell(c + reach, 4.0 * reach);
    }
    // Every combination of the cells in reach: one or two per coordinate.
    std::int64_t combinations = 1;
    for (int k = 0; k < 4; ++k)
        combinations *= hi[k] - lo[k] + 1;
    TKey key{};
    key.Reach = FKind == pkPlane ? m : 0;
    for (std::int64_t j = 0; j < combinations; ++j) {
        std::int64_t rest = j, cell[4];
        for (int k = 0; k < 4; ++k) {
            cell[k] = lo[k] + rest % (hi[k] - lo[k] + 1);
            rest /= hi[k] - lo[k] + 1;
        }
        key.Normal[0] = static_cast<std::int32_t>(cell[0]);
        key.Normal[1] = static_cast<std::int32_t>(cell[1]);
        key.Normal[2] = static_cast<std::int32_t>(cell[2]);
        key.Offset = cell[3];
        const auto it = FBuckets.find(key);
        if (it != FBuckets.end()) Found = FirstIn(it->second, P, Found);
    }
    return Found;
}

// Buckets keep ascending numbers: the first match is the bucket's lowest.
int TPlacementIndex::FirstIn(const std::vector<int>& Bucket, const TPlacement3D& P, int Found) const
{
    for (const int i : Bucket) {
        if (Found >= 0 && i >= Found) break;
        if (Matches(FItems[i], P)) return i;
    }
    return Found;
}

TPlaneNumbers NumberPlanes(const TPlacement3D& PL1, const TPlacement3D& PL2, TPlacementIndex& Planes,
                           TPlacementIndex& Directions)
{
    TPlaneNumbers n;
    n.IP1 = Planes.Put(PL1);
    n.IP2 = Planes.Put(PL2);
    n.ID = Directions.Put(PL1);
    return n;
}

int TPlacementIndex::Scan(const TPlacement3D& P) const
{
    for (Integer i = 0; i < FItems.Count; ++i)
        if (Matches(FItems[i], P)) return i;
    return -1;
}
