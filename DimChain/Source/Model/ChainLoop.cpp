// The loop a chain's links make: the walks by kind (linear links by their ends along the
// chain's measuring direction, angles by their rays, model links by their planes) and the
// chain's one loop rule (TDimensionChain::Loop) that chooses among them.

#include "ChainLoop.h"

#include "TDimensionChain.h"

#include <algorithm>
#include <cmath>
#include <optional>
#include <utility>
#include <vector>

namespace {

// One link along the chain's direction d: where its ends P1 and P2 lie, how far its vector
// goes, and the meeting place (node) of each end.
struct TLoopLink {
    Real At[2] = {0.0, 0.0};
    Real Along = 0.0;
    int Node[2] = {-1, -1};
    bool Zero() const { return Node[0] == Node[1]; }
    // Walking from P1 to P2 adds the link's vector (its bit set).
    bool Forward() const { return (At[1] - At[0]) * Along > 0.0; }
};

using TEnd = std::pair<int, int>; // link, side (0 for P1, 1 for P2)

// Linear links of a dimension or derived from one have their two ends in the drawing.
bool HasEnds(const TDimension& L)
{
    return L.Type == tvapi::tvDrLDimension && (L.Obj || L.PearentObj);
}

// The direction every link measures along; zero when a link has none or they differ. A link's
// vector may stray from it by the tolerance, a zero link's direction by the sine precision.
TVector2D CommonDirection(const TLoopLinks& Links, Real Tol)
{
    TVector2D d;
    for (Integer i = 0; i < Links.Count(); ++i) {
        const TDimension& L = Links[i];
        const TVector2D u = L.MeasuringDirection();
        if (!HasEnds(L) || !(u.Len() > 0.0)) return {};
        if (!(d.Len() > 0.0)) {
            d = u;
            continue;
        }
        const bool zero = !(L.V2.Len() > TDimension::ZeroLength);
        const Real off = zero ? std::fabs(u ^ d) : std::fabs(L.V2 ^ d);
        if (!(off <= (zero ? TMathDef::metricPrecision : Tol))) return {};
    }
    return d;
}

// The links' ends along d; false when a link's vector is not the distance of its ends.
bool PlaceEnds(const TLoopLinks& Links, const TVector2D& d, Real Tol, std::vector<TLoopLink>& Out)
{
    Out.assign(static_cast<std::size_t>(Links.Count()), {});
    for (Integer i = 0; i < Links.Count(); ++i) {
        const TDimension& L = Links[i];
        TLoopLink& e = Out[i];
        e.At[0] = L.P1.x * d.x + L.P1.y * d.y;
        e.At[1] = L.P2.x * d.x + L.P2.y * d.y;
        e.Along = L.V2 | d;
        if (!(std::fabs(std::fabs(e.At[1] - e.At[0]) - std::fabs(e.Along)) <= Tol)) return false;
    }
    return true;
}

// What one loop test works in; kept between tests, so that a search testing many paths does
// not allocate for each.
struct TLoopWork {
    std::vector<TLoopLink> Loop;
    std::vector<TEnd> Ends;
    std::vector<TEnd> Pairs; // two ends a node
    std::vector<int> Held;   // ends at each node
};

// Groups the ends into nodes: ends in order along d, a new node where the next end lies more
// than Tol beyond the last. Gives the number of nodes.
int GroupEnds(std::vector<TLoopLink>& Links, Real Tol, std::vector<TEnd>& Ends)
{
    Ends.clear();
    for (int i = 0; i < static_cast<int>(Links.size()); ++i)
        Ends.insert(Ends.end(), {{i, 0}, {i, 1}});
    const auto at = [&](const TEnd& e) { return Links[e.first].At[e.second]; };
    // In order, equal ends as they came: an insertion sort, as a loop holds few ends.
    for (std::size_t k = 1; k < Ends.size(); ++k)
        for (std::size_t j = k; j > 0 && at(Ends[j]) < at(Ends[j - 1]); --j)
            std::swap(Ends[j], Ends[j - 1]);
    int node = -1;
    Real last = 0.0;
    for (const TEnd& e : Ends) {
        if (node < 0 || at(e) - last > Tol) ++node;
        last = at(e);
        Links[e.first].Node[e.second] = node;
    }
    return node + 1;
}

// The ends of the links with a length at each node (Pairs[2 node], Pairs[2 node + 1]); false
// unless every node that holds an end (a zero link's too) holds exactly two of them.
bool PairEnds(TLoopWork& W, int Nodes)
{
    W.Pairs.assign(2 * static_cast<std::size_t>(Nodes), TEnd(-1, -1));
    W.Held.assign(static_cast<std::size_t>(Nodes), 0);
    for (int i = 0; i < static_cast<int>(W.Loop.size()); ++i)
        if (!W.Loop[i].Zero())
            for (int side = 0; side < 2; ++side) {
                const int node = W.Loop[i].Node[side];
                if (W.Held[node] == 2) return false;
                W.Pairs[2 * node + W.Held[node]++] = {i, side};
            }
    for (const TLoopLink& e : W.Loop)
        if (W.Held[e.Node[0]] != 2 || W.Held[e.Node[1]] != 2) return false;
    return true;
}

// Walks from the last link with a length, against its vector, around the nodes; false unless
// the walk passes every link with a length once before it comes back.
bool Walk(const std::vector<TLoopLink>& Links, const std::vector<TEnd>& Pairs, Integer& Mask)
{
    int start = -1, count = 0;
    for (int i = 0; i < static_cast<int>(Links.size()); ++i)
        if (!Links[i].Zero()) start = i, ++count;
    if (count < 2) return false;
    Mask = 0;
    int link = start, out = Links[start].Forward() ? 0 : 1;
    for (int steps = 1; steps <= count; ++steps) {
        const int node = Links[link].Node[out];
        const TEnd next = Pairs[2 * node] == TEnd(link, out) ? Pairs[2 * node + 1] : Pairs[2 * node];
        if (next.first == start) return steps == count;
        link = next.first;
        out = 1 - next.second;
        if ((next.second == 0) == Links[link].Forward()) Mask |= Integer(1) << link;
    }
    return false;
}

// Two rays that are one: the same vertex and direction within Tol, coordinate by coordinate.
bool SameRay(const TAngleRays& A, int a, const TAngleRays& B, int b, Real Tol)
{
    return std::fabs(A.Vertex.x - B.Vertex.x) <= Tol && std::fabs(A.Vertex.y - B.Vertex.y) <= Tol &&
           std::fabs(A.Ray[a].x - B.Ray[b].x) <= Tol && std::fabs(A.Ray[a].y - B.Ray[b].y) <= Tol;
}

} // namespace

TLoopLinks::TLoopLinks(const TArrayOf<TDimension>& Links)
{
    FOwn.reserve(static_cast<std::size_t>(std::max<Integer>(Links.Count, 0)));
    for (const TDimension& L : Links)
        FOwn.push_back(&L);
    FLinks = FOwn.data();
    FCount = static_cast<Integer>(FOwn.size());
}

TLinkLoop FindAngleLoop(const TLoopLinks& Links, Real Tolerance, Integer& Mask)
{
    const int n = static_cast<int>(Links.Count());
    if (n < 2 || n > MaskBits) return TLinkLoop::NoPositions;
    std::vector<TAngleRays> rays(static_cast<std::size_t>(n));
    for (int i = 0; i < n; ++i)
        if (Links[i].Type != tvapi::tvDrADimension || !AngleRaysOf(Links[i].Obj, rays[i]))
            return TLinkLoop::NoPositions;
    // The one other ray each ray meets; none, or more than one, and the rays make no loop.
    std::vector<TEnd> meets(static_cast<std::size_t>(2 * n), TEnd(-1, -1));
    for (int i = 0; i < n; ++i)
        for (int a = 0; a < 2; ++a)
            for (int j = 0; j < n; ++j)
                for (int b = 0; b < 2; ++b) {
                    if (j == i || !SameRay(rays[i], a, rays[j], b, Tolerance)) continue;
                    if (meets[2 * i + a].first >= 0) return TLinkLoop::Open;
                    meets[2 * i + a] = {j, b};
                }
    const int closing = n - 1;
    Integer mask = 0;
    TEnd at = meets[2 * closing];
    for (int steps = 1; at.first >= 0; ++steps) {
        if (at.first == closing) {
            if (at.second != 1 || steps != n) return TLinkLoop::Open;
            Mask = mask;
            return TLinkLoop::Closed;
        }
        // Walked from its ray `side` to the other, an angle turns by its own turn or against it.
        const TAngleRays& r = rays[at.first];
        const Real turn = at.second == 0 ? r.Turn : -r.Turn;
        if (turn * rays[closing].Turn > 0.0) mask |= Integer(1) << at.first;
        if (steps >= n) break;
        at = meets[2 * at.first + (1 - at.second)];
    }
    return TLinkLoop::Open;
}

TLinkLoop FindLinkLoop(const TLoopLinks& Links, Real Tolerance, Integer& Mask)
{
    if (Links.Count() == 0) return TLinkLoop::NoPositions;
    const TVector2D d = CommonDirection(Links, Tolerance);
    thread_local TLoopWork work;
    if (!(d.Len() > 0.0) || !PlaceEnds(Links, d, Tolerance, work.Loop)) return TLinkLoop::NoPositions;
    if (!PairEnds(work, GroupEnds(work.Loop, Tolerance, work.Ends))) return TLinkLoop::Open;
    Integer mask = 0;
    if (!Walk(work.Loop, work.Pairs, mask)) return TLinkLoop::Open;
    Mask = mask;
    return TLinkLoop::Closed;
}

namespace {

// The number of L's plane in Planes, the chain's planes so far; a new plane is appended.
int PlaneNumber(std::vector<TPlacement3D>& Planes, const TPlacement3D& P)
{
    for (std::size_t k = 0; k < Planes.size(); ++k)
        if (Planes[k].IsSamePlane(P)) return static_cast<int>(k);
    Planes.push_back(P);
    return static_cast<int>(Planes.size() - 1);
}

} // namespace

bool HasPlanes(const TDimension& L, Real Tolerance)
{
    if (L.TMO == tvapi::o3d_OperationLinearDimension || L.IP1 < 0 || L.IP2 < 0) return false;
    if (!L.PL1.IsParallelPlane(L.PL2)) return false;
    TVector3D n = L.PL1.AZ;
    if (!(n.Len() > TDimension::ZeroLength)) return false;
    n.Normalize();
    const Real apart = std::fabs((L.PL2.O - L.PL1.O) * n);
    return std::fabs(apart - L.V3.Len()) <= Tolerance && std::fabs(std::fabs(L.V3 * n) - apart) <= Tolerance;
}

TLinkLoop FindPlaneLoop(const TLoopLinks& Links, Real Tolerance, Integer& Mask)
{
    const int n = static_cast<int>(Links.Count());
    if (n < 2 || n > MaskBits) return TLinkLoop::NoPositions;
    for (int i = 0; i < n; ++i)
        if (!HasPlanes(Links[i], Tolerance)) return TLinkLoop::NoPositions;
    TVector3D d = Links[n - 1].PL1.AZ;
    d.Normalize();
    thread_local TLoopWork work;
    thread_local std::vector<TPlacement3D> planes;
    planes.clear();
    work.Loop.assign(static_cast<std::size_t>(n), {});
    for (int i = 0; i < n; ++i) {
        const TDimension& L = Links[i];
        // Planes of another direction never meet the closing link's.
        if (!L.PL1.IsParallelPlane(Links[n - 1].PL1)) return TLinkLoop::Open;
        TLoopLink& e = work.Loop[static_cast<std::size_t>(i)];
        e.At[0] = (L.PL1.O - TPoint3D()) * d;
        e.At[1] = (L.PL2.O - TPoint3D()) * d;
        e.Along = L.V3 * d;
        e.Node[0] = PlaneNumber(planes, L.PL1);
        e.Node[1] = PlaneNumber(planes, L.PL2);
    }
    if (!PairEnds(work, static_cast<int>(planes.size()))) return TLinkLoop::Open;
    Integer mask = 0;
    if (!Walk(work.Loop, work.Pairs, mask)) return TLinkLoop::Open;
    Mask = mask;
    return TLinkLoop::Closed;
}

namespace {

Real LinkLength(const TDimension& L, bool Model)
{
    return Model ? L.V3.Len() : L.V2.Len();
}

} // namespace

bool IsZeroGap(const TDimension& L, Real Tolerance, bool Model)
{
    return !(LinkLength(L, Model) > Tolerance);
}

Integer ZeroGapSense(const TLoopLinks& Links, Integer Mask, Real Tolerance, bool Model)
{
    Integer longest = -1, walked = 0;
    for (Integer i = 0; i < Links.Count() && i < MaskBits; ++i) {
        const Real len = LinkLength(Links[i], Model);
        if (IsZeroGap(Links[i], Tolerance, Model)) continue;
        walked |= Integer(1) << i;
        if (longest < 0 || len > LinkLength(Links[longest], Model) + Tolerance) longest = i;
    }
    if (longest < 0) return Mask;
    return (Mask >> longest) & 1 ? Mask : Mask ^ walked;
}

std::optional<Integer> SumSigns(const TLoopLinks& Links, bool Model)
{
    if (Links.Count() < 2 || Links.Count() > TDimensionChain::MaxLinks) return std::nullopt;
    thread_local std::vector<Real> v; // kept between tests: a search tests many paths
    TDimensionChain::Flatten(Links, Model, v);
    Integer mask = 0;
    const Real tolerance = Model ? TDimensionChain::ModelTolerance : TDimensionChain::DrawingTolerance;
    if (!TDimensionChain::SearchClosure(v.data(), Model ? 3 : 2, Links.Count(), tolerance, mask))
        return std::nullopt;
    return mask;
}

bool AllAngles(const TLoopLinks& Links)
{
    if (Links.Count() < 2) return false;
    for (Integer i = 0; i < Links.Count(); ++i)
        if (Links[i].Type != tvapi::tvDrADimension || Links[i].IsModel()) return false;
    return true;
}

Integer ClosingSense(const TLoopLinks& Links, Integer Signs, TChainSpace Space)
{
    const bool model = Space == TChainSpace::Model;
    const Real tolerance = model ? TDimensionChain::ModelTolerance : TDimensionChain::DrawingTolerance;
    if (Links.Count() < 1) return Signs;
    // A zero gap has no direction of its own: the walk's sense would follow the order of the
    // parts. Its length compared squared: a path test asks this for every closed path.
    const TDimension& last = Links.Last();
    const Real squared = model ? last.V3 * last.V3 : last.V2 | last.V2;
    if (squared > tolerance * tolerance) return Signs;
    return ZeroGapSense(Links, Signs, tolerance, model);
}

TChainLoop LinksLoop(const TLoopLinks& Links, TChainSpace Space)
{
    if (Links.Count() < 2) return {TLoopState::TooShort, 0};
    if (Links.Count() > TDimensionChain::MaxLinks) return {TLoopState::TooLong, 0};
    const bool model = Space == TChainSpace::Model;
    const Real tolerance = model ? TDimensionChain::ModelTolerance : TDimensionChain::DrawingTolerance;
    // A chain of angles closes on an angle: the rest need not be looked at for any other.
    const bool angles = Links.Last().Type == tvapi::tvDrADimension && AllAngles(Links);
    // Angles close by their rays, never by where the rays happen to end; model links by the
    // planes they join, never by their vectors' sum alone.
    TChainLoop loop{TLoopState::Closed, 0};
    switch (model    ? FindPlaneLoop(Links, tolerance, loop.Signs)
            : angles ? FindAngleLoop(Links, tolerance, loop.Signs)
                     : FindLinkLoop(Links, tolerance, loop.Signs)) {
    case TLinkLoop::Open:
        return {TLoopState::Open, 0};
    case TLinkLoop::NoPositions: {
        const std::optional<Integer> sum = angles && !model ? std::nullopt : SumSigns(Links, model);
        if (!sum) return {TLoopState::Open, 0};
        loop.Signs = *sum;
        loop.BySum = true;
        break;
    }
    case TLinkLoop::Closed:
        break;
    }
    loop.Signs = ClosingSense(Links, loop.Signs, Space);
    // Millimetres never go into an angle.
    if (Links.Last().Type == tvapi::tvDrADimension && !angles) loop.State = TLoopState::Refused;
    return loop;
}

TChainLoop TDimensionChain::Loop() const
{
    ++LoopTests;
    TChainLoop loop = LinksLoop(Dimensions, Space());
    // The sum cannot tell one closing mask from another: a closed chain keeps the signs it
    // holds while they close.
    if (loop.BySum && Closed && SignsClose()) loop.Signs = ClosingSense(Dimensions, StateClosed, Space());
    return loop;
}

bool TDimensionChain::TakeLoop(const TChainLoop& L)
{
    if (!L) {
        Open();
        return false;
    }
    StateClosed = L.Signs;
    Closed = true;
    return true;
}

Integer TDimensionChain::ZeroGapToMove() const
{
    const Integer last = Count() - 1;
    if (Space() != TChainSpace::Drawing || last < 1 || IsZeroGap(Dimensions[last], DrawingTolerance))
        return -1;
    for (Integer i = 0; i < last; ++i) {
        const TDimension& L = Dimensions[i];
        if (IsZeroGap(L, DrawingTolerance) && L.QHigh == 0.0 && L.QLow == 0.0) return i;
    }
    return -1;
}

void TDimensionChain::MoveLink(Integer From, Integer To)
{
    if (From == To) return;
    const TDimension moved = Dimensions[From];
    const Integer step = From < To ? 1 : -1;
    for (Integer j = From; j != To; j += step)
        Dimensions[j] = Dimensions[j + step];
    Dimensions[To] = moved;
}
