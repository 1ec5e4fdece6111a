// The links of an assembly from their planes, sketch points and operation edges, and the
// detection of chains between plane numbers: worked numbers, the order paths are found in, and
// the bound on a dense plane graph.

#include "AssemblyLinks.h"
#include "ChainRecognition.h"

#include <gtest/gtest.h>

#include <chrono>
#include <vector>

namespace {

TPlacement3D Face(const TPoint3D& O, const TVector3D& N)
{
    TPlacement3D p;
    p.Set(O, N);
    return p;
}

// A link between planes P1 and P2, numbered directly; plane k lies at z = 10 k, so that the
// links join in space as their numbers say.
TDimension Between(int P1, int P2, double Nominal = 10.0)
{
    TDimension L = NewAssemblyLink(tvapi::o3d_lineDimension3D);
    L.IP1 = P1;
    L.IP2 = P2;
    L.Nominal = Nominal;
    L.PL1 = Face(TPoint3D(0, 0, 10.0 * P1), TVector3D(0, 0, 1));
    L.PL2 = Face(TPoint3D(0, 0, 10.0 * P2), TVector3D(0, 0, 1));
    L.V3 = TVector3D(0, 0, 10.0 * (P2 - P1));
    return L;
}

void ExpectVector(const TVector3D& V, double x, double y, double z)
{
    EXPECT_NEAR(V.x, x, 1e-9);
    EXPECT_NEAR(V.y, y, 1e-9);
    EXPECT_NEAR(V.z, z, 1e-9);
}

// The sketch link between the placements made last, measured.
TDimension SketchLink(const TPlacement3D& PL1, const TPlacement3D& PL2, TAssemblyPlanes& Planes)
{
    TDimension L = NewAssemblyLink(tvapi::o3d_SketchLinearDimension);
    L.PL1 = PL1;
    L.PL2 = PL2;
    Planes.Measure(L, "Плита");
    return L;
}

} // namespace

TEST(AssemblyLinksTest, NewLinkJoinsNoPath)
{
    const TDimension L = NewAssemblyLink(tvapi::o3d_SketchLinearDimension);
    EXPECT_EQ(L.TMO, tvapi::o3d_SketchLinearDimension);
    EXPECT_EQ(L.IP1, -1);
    EXPECT_EQ(L.IP2, -1);
    EXPECT_EQ(L.ID, -1);
    EXPECT_EQ(L.Nominal, 0.0);
    EXPECT_FALSE(L.Obj);

    TDimensionChain pool;
    pool.Dimensions.Add(Between(0, 1));
    pool.Dimensions.Add(L);
    pool.Dimensions.Add(Between(1, 0));
    TDimension& bare = pool.Dimensions[1];
    bare.IP1 = -1;
    EXPECT_EQ(FindPlanePaths(pool, 1, 1).Found, 0); // a closing link without planes
    EXPECT_EQ(FindPlanePaths(pool, 0, 1).Found, 1); // the bare link is never on a path
    EXPECT_EQ(FindPlanePaths(pool, 5, 1).Found, 0); // a closing link out of the pool
}

TEST(AssemblyLinksTest, ParallelFacesGiveTheirDistanceAndShareNumbers)
{
    TAssemblyPlanes planes;
    TDimension a = NewAssemblyLink(tvapi::o3d_baselineDimension3D);
    a.PL1 = Face(TPoint3D(0, 0, 0), TVector3D(0, 0, 1));
    a.PL2 = Face(TPoint3D(3, 4, 12.5), TVector3D(0, 0, -1));
    planes.Measure(a, "Плита");
    EXPECT_EQ(a.IP1, 0);
    EXPECT_EQ(a.IP2, 1);
    EXPECT_EQ(a.ID, 0);
    EXPECT_EQ(a.Comment, TString("0 0 1 Плита"));
    EXPECT_NEAR(a.V3.Len(), 12.5, 1e-12);
    ExpectVector(a.V3, 0, 0, 12.5);

    // The same planes met again, the second from anywhere in it, and a parallel third plane.
    TDimension b = NewAssemblyLink(tvapi::o3d_baselineDimension3D);
    b.PL1 = Face(TPoint3D(50, -7, 12.5), TVector3D(0, 0, 1));
    b.PL2 = Face(TPoint3D(1, 1, 20), TVector3D(0, 0, 1));
    planes.Measure(b, "Втулка");
    EXPECT_EQ(b.IP1, 1);
    EXPECT_EQ(b.IP2, 2);
    EXPECT_EQ(b.ID, 0);
    ExpectVector(b.V3, 0, 0, 7.5);
    EXPECT_EQ(planes.Placements.Count, 3);
    EXPECT_EQ(planes.Directions.Count, 1);

    // Coplanar faces: the same number and no length.
    TDimension c = NewAssemblyLink(tvapi::o3d_baselineDimension3D);
    c.PL1 = Face(TPoint3D(0, 0, 20), TVector3D(0, 0, 1));
    c.PL2 = Face(TPoint3D(9, 9, 20), TVector3D(0, 0, -1));
    planes.Measure(c, "Вал");
    EXPECT_EQ(c.IP1, 2);
    EXPECT_EQ(c.IP2, 2);
    EXPECT_NEAR(c.V3.Len(), 0.0, 1e-12);

    // A vector pointing to -y is turned, to -x is turned, and with x and y set follows z.
    TDimension d = NewAssemblyLink(tvapi::o3d_baselineDimension3D);
    d.PL1 = Face(TPoint3D(0, 0, 0), TVector3D(0, -1, 0));
    d.PL2 = Face(TPoint3D(0, -4, 0), TVector3D(0, -1, 0));
    planes.Measure(d, "Вал");
    ExpectVector(d.V3, 0, 4, 0);
    EXPECT_EQ(d.ID, 1);
}

TEST(AssemblyLinksTest, SketchDimensionWorkedCases)
{
    const TPlacement3D xy; // the part's XY plane
    TPlacement3D pl1, pl2;
    SketchPlacements(xy, TPoint2D(10, 0), TPoint2D(40, 5), tvapi::tvLinDHorizontal, {}, pl1, pl2);
    ExpectVector(pl1.O - TPoint3D(), 10, 0, 0);
    ExpectVector(pl1.AX, 0, 1, 0);
    ExpectVector(pl1.AY, 0, 0, 1);
    ExpectVector(pl1.AZ, 1, 0, 0);
    ExpectVector(pl2.O - TPoint3D(), 40, 5, 0);
    TAssemblyPlanes planes;
    const TDimension h = SketchLink(pl1, pl2, planes);
    ExpectVector(h.V3, 30, 0, 0);

    SketchPlacements(xy, TPoint2D(10, 0), TPoint2D(40, 5), tvapi::tvLinDVertical, {}, pl1, pl2);
    ExpectVector(pl1.AZ, 0, -1, 0);
    const TDimension v = SketchLink(pl1, pl2, planes);
    ExpectVector(v.V3, 0, 5, 0);

    // Measured along itself: the full length between the points, along them.
    SketchPlacements(xy, TPoint2D(0, 0), TPoint2D(30, 40), tvapi::tvLinDParallel, {}, pl1, pl2);
    const TDimension p = SketchLink(pl1, pl2, planes);
    EXPECT_NEAR(p.V3.Len(), 50.0, 1e-9);
    ExpectVector(p.V3, 30, 40, 0);

    // A part moved and turned a quarter about Z: the points arrive in assembly coordinates.
    const TToAssembly turn = [](TPoint3D& P) { P = TPoint3D(100.0 - P.y, P.x, P.z + 7.0); };
    SketchPlacements(xy, TPoint2D(10, 0), TPoint2D(40, 5), tvapi::tvLinDHorizontal, turn, pl1, pl2);
    ExpectVector(pl1.O - TPoint3D(), 100, 10, 7);
    ExpectVector(pl1.AZ, 0, 1, 0);
    const TDimension t = SketchLink(pl1, pl2, planes);
    ExpectVector(t.V3, 0, 30, 0);
}

TEST(AssemblyLinksTest, OperationEdgesGiveOneLinkForOnePair)
{
    const std::vector<TEdgeEnds> edges{{TPoint3D(0, 0, 0), TPoint3D(10, 0, 0)},
                                       {TPoint3D(0, 5, 0), TPoint3D(10, 5, 0)},
                                       {TPoint3D(0, 0, 0), TPoint3D(0, 5, 0)},
                                       {TPoint3D(3, 3, 3), TPoint3D(3, 3, 3)}}; // no length: dropped
    TAssemblyPlanes planes;
    TDimension L = NewAssemblyLink(tvapi::o3d_OperationLinearDimension);
    EXPECT_EQ(OperationPairs(edges, {}, planes, L, "Вал"), 1);
    ExpectVector(L.PL1.O - TPoint3D(), 0, 0, 0);
    ExpectVector(L.PL1.AX, 1, 0, 0);
    ExpectVector(L.PL1.AY, 0, 0, 1);
    ExpectVector(L.PL1.AZ, 0, -1, 0);
    ExpectVector(L.V3, 0, 5, 0);
    EXPECT_EQ(L.Comment, TString("0 0 1 Вал"));

    // Two edges, even parallel, are too few; two pairs are one too many (their planes stay numbered).
    TAssemblyPlanes few;
    TDimension none = NewAssemblyLink(tvapi::o3d_OperationLinearDimension);
    EXPECT_EQ(OperationPairs({edges[0], edges[1]}, {}, few, none, "Вал"), 0);
    EXPECT_EQ(none.IP1, -1);
    const std::vector<TEdgeEnds> box{edges[0], edges[1], edges[2], {TPoint3D(10, 0, 0), TPoint3D(10, 5, 0)}};
    TAssemblyPlanes two;
    EXPECT_EQ(OperationPairs(box, {}, two, none, "Вал"), 2);
    EXPECT_EQ(two.Placements.Count, 4);

    // In a moved and turned part the pair is still found in part coordinates, and every point
    // is carried over once.
    int carried = 0;
    const TToAssembly turn = [&carried](TPoint3D& P) {
        ++carried;
        P = TPoint3D(-P.y + 20.0, P.x, P.z);
    };
    TAssemblyPlanes moved;
    TDimension m = NewAssemblyLink(tvapi::o3d_OperationLinearDimension);
    EXPECT_EQ(OperationPairs(edges, turn, moved, m, "Вал"), 1);
    EXPECT_EQ(carried, 4);
    ExpectVector(m.PL1.O - TPoint3D(), 20, 0, 0);
    ExpectVector(m.V3, 5, 0, 0);
}

TEST(PlanePathsTest, TwoRoutesAreFoundInPoolOrder)
{
    TDimensionChain pool;
    pool.Dimensions.Add(Between(0, 1)); // A
    pool.Dimensions.Add(Between(1, 2)); // B
    pool.Dimensions.Add(Between(0, 3)); // C
    pool.Dimensions.Add(Between(3, 2)); // D
    pool.Dimensions.Add(Between(0, 2)); // the closing dimension
    for (const auto& [need, kept] : std::vector<std::pair<int, std::vector<int>>>{
             {1, {0, 1, 4}}, {2, {2, 3, 4}}, {3, {2, 3, 4}}, {0, {0, 1, 4}}}) {
        const TPlanePaths p = FindPlanePaths(pool, 4, need);
        EXPECT_EQ(p.Found, 2);
        EXPECT_EQ(p.Kept, kept) << "index " << need;
        EXPECT_FALSE(p.Stopped);
    }

    // A dead end from plane 1 is left again; a link used once is never used twice.
    pool.Dimensions.Insert(1, Between(1, 5)); // indexes shift: B 2, C 3, D 4, closing 5
    const TPlanePaths p = FindPlanePaths(pool, 5, 1);
    EXPECT_EQ(p.Found, 2);
    EXPECT_EQ(p.Kept, (std::vector<int>{0, 2, 5}));

    TDimensionChain alone;
    alone.Dimensions.Add(Between(0, 2));
    EXPECT_EQ(FindPlanePaths(alone, 0, 1).Found, 0);
}

TEST(PlanePathsTest, DensePlaneGraphStopsAtTheCap)
{
    // Planes 0..9, every pair joined by two links: far more paths from 0 to 9 than the cap.
    TDimensionChain pool;
    for (int a = 0; a < 10; ++a)
        for (int b = a + 1; b < 10; ++b)
            for (int k = 0; k < 2; ++k)
                pool.Dimensions.Add(Between(a, b));
    pool.Dimensions.Add(Between(0, 9));
    const auto start = std::chrono::steady_clock::now();
    const TPlanePaths p = FindPlanePaths(pool, pool.Count() - 1, 1);
    const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    EXPECT_TRUE(p.Stopped);
    EXPECT_LE(p.Found, MaxPathsCounted);
    EXPECT_GT(p.Found, 0);
    EXPECT_EQ(p.Kept.front(), 0); // the first path found: the lowest link from plane 0
    EXPECT_EQ(p.Kept.back(), pool.Count() - 1);
    EXPECT_LT(seconds, 2.0);
}
