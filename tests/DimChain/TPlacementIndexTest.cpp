// The plane numbers of the bucket grid against the scan from index 0 it replaces, on random
// planes and on planes moved and turned to within, at and just past the 1e-5 tolerance, or
// moved so about a drawing's 0.001.

#include "TPlacementIndex.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstring>
#include <limits>
#include <random>
#include <utility>
#include <vector>

namespace {

// A plane's point on another within Tol per coordinate, their normals parallel.
bool OnPlane(const TPlacement3D& S, const TPlacement3D& P, double Tol)
{
    TPoint3D on;
    P.PointProjection(S.O, on);
    return S.IsParallelPlane(P) && S.O.EquEps(on, Tol);
}

// The first stored placement that matches, or a new number: the scan the grid must equal.
int ScanPut(TAPlacement3D& Items, const TPlacement3D& P, TPlacementIndex::TKind Kind, double Tol)
{
    for (Integer i = 0; i < Items.Count; ++i)
        if (Kind == TPlacementIndex::pkPlane ? OnPlane(Items[i], P, Tol) : Items[i].IsParallelPlane(P))
            return i;
    Items.Add(P);
    return Items.Count - 1;
}

TPlacement3D Plane(const TPoint3D& O, const TVector3D& N)
{
    TPlacement3D p;
    p.Set(O, N);
    return p;
}

// Random planes, each followed by neighbours: moved along its normal by steps around the
// tolerance (times Move), slid far within itself, reversed, its normal turned by about the
// tolerance; a few far from the origin and a few the grid cannot hold (not finite, skewed frames).
std::vector<TPlacement3D> Planes(unsigned seed, double Move = 1.0)
{
    std::mt19937 rng(seed);
    std::uniform_real_distribution<double> unit(-1.0, 1.0);
    const double steps[] = {0.0, 0.5e-5, 0.99e-5, 1e-5, 1.01e-5, 1.5e-5, 2e-5, 1e-4};
    const TVector3D axes[] = {{1, 0, 0}, {0, 1, 0}, {0, 0, 1}, {0.6, 0.8, 0}};
    std::vector<TPlacement3D> out;
    for (int k = 0; k < 60; ++k) {
        const double scale = k % 10 == 0 ? 5e6 : k % 5 == 0 ? 1e-4 : 1000.0;
        const TPoint3D O(scale * unit(rng), scale * unit(rng), k % 3 == 0 ? 0.0 : scale * unit(rng));
        const TVector3D N = k % 2 ? axes[k % 4] : TVector3D(unit(rng), unit(rng), unit(rng));
        const TPlacement3D base = Plane(O, N);
        out.push_back(base);
        for (const double t : steps) {
            const double s = rng() & 1 ? t : -t;
            TPoint3D moved = base.O;
            moved.Move(base.AZ, s * Move);
            moved.Move(base.AX, 300.0 * unit(rng));
            out.push_back(Plane(moved, rng() & 1 ? base.AZ : -base.AZ));
            TVector3D turned = base.AZ;
            turned.x += s;
            turned.y -= s * unit(rng);
            out.push_back(Plane(base.O, turned));
            TPlacement3D raw = base; // the normal turned as it stands, not made unit
            raw.AZ.z += s;
            out.push_back(raw);
        }
    }
    TPlacement3D skewed = out[1];
    skewed.AX = TVector3D(1, 1e-3, 0);
    TPlacement3D lost = out[2];
    lost.O.x = std::numeric_limits<double>::quiet_NaN();
    TPlacement3D far = out[3];
    far.O.y += 1e9;
    for (const TPlacement3D& odd : {skewed, lost, far, out[1], out[2]})
        out.push_back(odd);
    std::shuffle(out.begin(), out.end(), rng);
    return out;
}

// A link's numbers, the same for a drawing's and an assembly's links: its first plane, its
// second, then its first plane's direction; planes met again keep their numbers.
TEST(TPlacementIndexTest, LinkPlanesAreNumberedFirstSecondThenDirection)
{
    TAPlacement3D planes, directions;
    TPlacementIndex byPlane(planes, TPlacementIndex::pkPlane),
        byDirection(directions, TPlacementIndex::pkDirection);
    const TPlacement3D z0 = Plane({0, 0, 0}, {0, 0, 1}), z10 = Plane({5, 5, 10}, {0, 0, -1}),
                       x3 = Plane({3, 0, 0}, {1, 0, 0});
    const TPlaneNumbers a = NumberPlanes(z0, z10, byPlane, byDirection);
    EXPECT_EQ(std::vector<int>({a.IP1, a.IP2, a.ID}), std::vector<int>({0, 1, 0}));
    const TPlaneNumbers b = NumberPlanes(x3, z10, byPlane, byDirection);
    EXPECT_EQ(std::vector<int>({b.IP1, b.IP2, b.ID}), std::vector<int>({2, 1, 1}));
    const TPlaneNumbers c = NumberPlanes(z10, z10, byPlane, byDirection);
    EXPECT_EQ(std::vector<int>({c.IP1, c.IP2, c.ID}), std::vector<int>({1, 1, 0}));
    EXPECT_EQ(planes.Count, 3);
    EXPECT_EQ(directions.Count, 2);
}

} // namespace

TEST(TPlacementIndexTest, NumbersEqualTheScanFromTheFirstPlane)
{
    // Planes by the geometry's precision, by a drawing's tolerance of ends, and directions.
    const std::pair<TPlacementIndex::TKind, double> kinds[] = {{TPlacementIndex::pkPlane, 1e-5},
                                                               {TPlacementIndex::pkPlane, 1e-3},
                                                               {TPlacementIndex::pkDirection, 1e-5}};
    for (const auto& [kind, tol] : kinds)
        for (unsigned seed = 1; seed <= 4; ++seed) {
            SCOPED_TRACE(testing::Message() << "kind " << kind << ", tolerance " << tol << ", seed " << seed);
            const std::vector<TPlacement3D> planes = Planes(seed, tol / 1e-5);
            TAPlacement3D items, expected;
            TPlacementIndex index(items, kind, tol);
            int mismatches = 0;
            for (const TPlacement3D& p : planes)
                mismatches += index.Put(p) != ScanPut(expected, p, kind, tol);
            EXPECT_EQ(mismatches, 0);
            ASSERT_EQ(items.Count, expected.Count);
            for (Integer i = 0; i < items.Count; ++i) // bit for bit: one of them is not a number
                EXPECT_EQ(std::memcmp(&items[i], &expected[i], sizeof(TPlacement3D)), 0) << i;
            // Neighbours both share numbers and get their own: the cases near the tolerance ran.
            EXPECT_LT(items.Count, static_cast<Integer>(planes.size()) * 3 / 4);
            EXPECT_GT(items.Count, kind == TPlacementIndex::pkPlane ? 200 : 60);
        }
}
