// Gathering of the drawing's dimensions and the depth-first search for recognised chains.

#include "ChainRecognition.h"

#include <algorithm>
#include <cfloat>
#include <cmath>
#include <vector>

namespace {

void Number(TDimension& L, TPlacementIndex& Placements, TPlacementIndex& Directions)
{
    const TPlaneNumbers n = NumberPlanes(L.PL1, L.PL2, Placements, Directions);
    L.IP1 = n.IP1;
    L.IP2 = n.IP2;
    L.ID = n.ID;
}

// The drawing closure test over the links of the path, closing dimension first.
bool PathCloses(const TDimensionChain& All, const std::vector<int>& Path)
{
    const int n = static_cast<int>(Path.size());
    if (n < 2 || n > TDimensionChain::MaxLinks) return false;
    std::vector<Real> v;
    v.reserve(2 * Path.size());
    for (int i : Path) {
        v.push_back(All.Dimensions[i].V2.x);
        v.push_back(All.Dimensions[i].V2.y);
    }
    Integer mask = 0;
    return TDimensionChain::SearchClosure(v.data(), 2, n, TDimensionChain::DrawingTolerance, mask);
}

// The signed sums of a path's link vectors over every sign choice, grown link by link as the
// path grows, so that most closure tests are a look at a short list. Sums of links on a
// drawing's grid repeat, so the lists stay short; sums closer than Merge in both components
// are kept once. A list that would pass MaxSums, a sum near the tolerance and a sum that is
// not finite leave the answer to the closure test itself, so the answer is always its own.
class TPathSums {
public:
    enum TAnswer { saOpen, saClosed, saAsk };

    void Push(const TVector2D& V)
    {
        TLevel next;
        if (!FLevels.empty()) next.Unknown = FLevels.back().Unknown;
        next.Reach = (FLevels.empty() ? 0.0 : FLevels.back().Reach) + std::fabs(V.x) + std::fabs(V.y);
        if (!next.Unknown) Grow(V, next);
        FLevels.push_back(std::move(next));
    }
    void Pop() { FLevels.pop_back(); }
    TAnswer Closes(Real Tolerance) const
    {
        const TLevel& top = FLevels.back();
        if (top.Unknown) return saAsk;
        // Each sum is off its exact value by the merges and the rounding of both additions.
        const Real error = FLevels.size() * (Merge + 8.0 * DBL_EPSILON * top.Reach);
        bool near = false;
        for (const TVector2D& s : top.Sums) {
            const Real x = std::fabs(s.x), y = std::fabs(s.y);
            if (x <= Tolerance - error && y <= Tolerance - error) return saClosed;
            if (!(x > Tolerance + error || y > Tolerance + error)) near = true;
        }
        return near ? saAsk : saOpen;
    }

private:
    static constexpr std::size_t MaxSums = 4096;
    static constexpr Real Merge = 1e-9;
    struct TLevel {
        std::vector<TVector2D> Sums; // in x, then y order as far as rounding keeps it
        Real Reach = 0.0;            // the sum of the links' component sizes
        bool Unknown = false;
    };
    static bool Before(const TVector2D& a, const TVector2D& b)
    {
        return a.x < b.x || (a.x == b.x && a.y < b.y);
    }

    void Grow(const TVector2D& V, TLevel& Next) const
    {
        if (!std::isfinite(Next.Reach)) {
            Next.Unknown = true;
            return;
        }
        if (FLevels.empty()) {
            Next.Sums.push_back(V); // a sign of the whole path changes no closure
            return;
        }
        const std::vector<TVector2D>& from = FLevels.back().Sums;
        std::vector<TVector2D> minus(from), plus(from);
        for (std::size_t k = 0; k < from.size(); ++k) {
            minus[k] = TVector2D(from[k].x - V.x, from[k].y - V.y);
            plus[k] = TVector2D(from[k].x + V.x, from[k].y + V.y);
        }
        std::vector<TVector2D> all(2 * from.size());
        std::merge(minus.begin(), minus.end(), plus.begin(), plus.end(), all.begin(), Before);
        for (const TVector2D& s : all) {
            const bool same = !Next.Sums.empty() && std::fabs(Next.Sums.back().x - s.x) <= Merge &&
                              std::fabs(Next.Sums.back().y - s.y) <= Merge;
            if (!same) Next.Sums.push_back(s);
        }
        if (Next.Sums.size() > MaxSums) {
            Next.Sums.clear();
            Next.Unknown = true;
        }
    }

    std::vector<TLevel> FLevels; // per link of the path
};

// A candidate that may not extend the path: on it already, or a second derived link of a
// dimension the path holds. Links of other views are never candidates. OnPath, when not
// empty, marks the path's links by index: a path between planes can grow long, and the lookup
// keeps each step from costing the path's length; a drawing path stays short and is scanned.
bool Excluded(const TDimensionChain& All, const std::vector<int>& Path, const std::vector<char>& OnPath,
              int i)
{
    const TDimension& L = All.Dimensions[i];
    if (!OnPath.empty()) {
        if (OnPath[static_cast<std::size_t>(i)]) return true;
        if (!L.PearentObj) return false;
    }
    for (int p : Path) {
        if (p == i) return true;
        if (L.PearentObj && All.Dimensions[p].PearentObj == L.PearentObj) return true;
    }
    return false;
}

// The links of D's view that attach at each plane, by plane number, in ascending index. A link
// without planes (a negative number) attaches nowhere.
std::vector<std::vector<int>> Attached(const TDimensionChain& All, const TDimension& D)
{
    int planes = 0;
    for (const TDimension& L : All.Dimensions)
        planes = std::max({planes, L.IP1 + 1, L.IP2 + 1});
    std::vector<std::vector<int>> at(static_cast<std::size_t>(planes));
    for (Integer i = 0; i < All.Count(); ++i) {
        const TDimension& L = All.Dimensions[i];
        if (L.View != D.View || L.IP1 < 0 || L.IP2 < 0) continue;
        at[static_cast<std::size_t>(L.IP1)].push_back(i);
        if (L.IP2 != L.IP1) at[static_cast<std::size_t>(L.IP2)].push_back(i);
    }
    return at;
}

// Depth first in index order: a path grows by the lowest candidate attached at its free end,
// a closed path is counted and never extended. A drawing path closes when its vectors do, and
// one of MaxLinks links is not extended, since no longer one can close; a path between planes
// (EndPlane set) closes when it reaches that plane. Stops after MaxExamined paths tried or
// MaxFound paths closed.
struct TSearch {
    const TDimensionChain& All;
    const std::vector<std::vector<int>>& At;
    std::vector<int> Path{};
    std::vector<int> Ends{}; // the free end before each link of the path
    std::vector<int> Kept{};
    int FreeEnd = 0;
    int EndPlane = -1; // the plane a path between planes ends at; -1 for a drawing closure
    int MaxExamined = MaxPathsExamined;
    int MaxFound = 0; // 0: no bound
    int Found = 0;
    int Examined = 0;
    bool Stopped = false;
    TPathSums Sums{};
    std::vector<char> OnPath{}; // by link index: on Path; for paths between planes only

    bool Drawing() const { return EndPlane < 0; }
    void Push(int i)
    {
        const TDimension& L = All.Dimensions[i];
        Path.push_back(i);
        if (!OnPath.empty()) OnPath[static_cast<std::size_t>(i)] = 1;
        if (Drawing()) Sums.Push(L.V2);
        Ends.push_back(FreeEnd);
        FreeEnd = L.IP1 == FreeEnd ? L.IP2 : L.IP1;
    }
    void Pop()
    {
        if (!OnPath.empty()) OnPath[static_cast<std::size_t>(Path.back())] = 0;
        Path.pop_back();
        if (Drawing()) Sums.Pop();
        FreeEnd = Ends.back();
        Ends.pop_back();
    }
    // Pushes the next candidate at the free end from its list position Next; false when the
    // candidates there are exhausted or the search must stop.
    bool Extend(std::size_t& Next)
    {
        if (static_cast<std::size_t>(FreeEnd) >= At.size()) return false;
        const std::vector<int>& candidates = At[static_cast<std::size_t>(FreeEnd)];
        while (Next < candidates.size()) {
            const int i = candidates[Next++];
            if (Excluded(All, Path, OnPath, i)) continue;
            if (Examined == MaxExamined) {
                Stopped = true;
                return false;
            }
            ++Examined;
            Push(i);
            return true;
        }
        return false;
    }
    bool Closes() const
    {
        if (!Drawing()) return FreeEnd == EndPlane;
        if (Path.size() > static_cast<std::size_t>(TDimensionChain::MaxLinks)) return false;
        switch (Sums.Closes(TDimensionChain::DrawingTolerance)) {
        case TPathSums::saClosed:
            return true;
        case TPathSums::saOpen:
            return false;
        default:
            return PathCloses(All, Path);
        }
    }
    bool MayGrow() const
    {
        return !Drawing() || Path.size() < static_cast<std::size_t>(TDimensionChain::MaxLinks);
    }
    void Run(int IndexNeed)
    {
        if (!Drawing()) {
            OnPath.assign(static_cast<std::size_t>(std::max(All.Count(), 0)), 0);
            for (const int p : Path)
                OnPath[static_cast<std::size_t>(p)] = 1;
        }
        if (Drawing()) Sums.Push(All.Dimensions[Path.front()].V2);
        std::vector<std::size_t> next{0}; // per path length: the next candidate's list position
        while (!Stopped) {
            if (!Extend(next.back())) {
                if (Path.size() <= 1) return;
                Pop();
                next.pop_back();
                continue;
            }
            if (Closes()) {
                if (Found < IndexNeed) Kept = Path;
                ++Found;
                Pop();
                if (Found == MaxFound) Stopped = true;
            } else if (MayGrow()) {
                next.push_back(0);
            } else {
                Pop();
            }
        }
        while (Path.size() > 1)
            Pop();
    }
};

} // namespace

void AddDerivativeDimensions(TDimensionChain& All, tvapi::IDrawingObjectPtr iAuxiliaryObj)
{
    const Integer n = All.Count();
    for (Integer i = 0; i < n; ++i) {
        const TDimension source = All.Dimensions[i]; // the array may move while it grows
        if (!source.Obj || (source.Type != tvapi::tvDrDDimension && source.Type != tvapi::tvDrRDimension))
            continue;
        for (int k = 1; k <= 3; ++k) {
            TDimension D;
            D.SetDerivative(source, k, iAuxiliaryObj);
            bool duplicate = false;
            for (Integer j = 0; j < All.Count() && !duplicate; ++j) {
                const TDimension& L = All.Dimensions[j];
                duplicate = (L.PL1.IsSamePlane(D.PL1) && L.PL2.IsSamePlane(D.PL2)) ||
                            (L.PL1.IsSamePlane(D.PL2) && L.PL2.IsSamePlane(D.PL1));
            }
            if (!duplicate) All.Dimensions.Add(D);
        }
    }
}

void AddStartLink(TDimensionChain& All, const TDimension& D)
{
    for (const TDimension& L : All.Dimensions)
        if (L.IsSameObject(D)) return;
    All.Dimensions.Add(D);
}

int Make3DDimensionChain(TDimensionChain& All, TDimension& D, int IndexNeed, TAPlacement3D& Placements,
                         TAPlacement3D& Directions, TDimensionChain& Target, TChainHost& Host, bool* Stopped)
{
    if (Stopped) *Stopped = false;
    Host.ClearSelection();
    TPlacementIndex planes(Placements, TPlacementIndex::pkPlane);
    TPlacementIndex directions(Directions, TPlacementIndex::pkDirection);
    Placements.ReserveSize(2 * All.Count() + 2); // at most two planes a link
    Directions.ReserveSize(All.Count() + 1);
    for (TDimension& L : All.Dimensions)
        Number(L, planes, directions);
    Number(D, planes, directions);
    if (All.Count() == 0) return 0;
    int bottom = -1;
    for (Integer i = 0; i < All.Count() && bottom < 0; ++i)
        if (All.Dimensions[i].IsSameObject(D)) bottom = i;
    if (bottom < 0) return 0;
    Host.Select(D.Obj ? D.Obj : D.PearentObj);

    const std::vector<std::vector<int>> at = Attached(All, D);
    TSearch search{.All = All, .At = at, .Path = {bottom}, .FreeEnd = D.IP1}; // a drawing closure
    search.Run(std::max(IndexNeed, 1)); // a path is kept only for an index from 1 on
    if (Stopped) *Stopped = search.Stopped;
    if (search.Found == 0) return 0;
    Target.RemoveAll(Host);
    for (std::size_t k = 1; k < search.Kept.size(); ++k)
        Target.Dimensions.Add(All.Dimensions[search.Kept[k]]);
    Target.Dimensions.Add(All.Dimensions[search.Kept[0]]);
    // The host sees the chosen path, not the paths tried.
    for (const TDimension& L : Target.Dimensions)
        for (const tvapi::IDrawingObjectPtr& object : {L.Obj, L.PearentObj})
            if (object) Host.Select(object);
    return search.Found;
}

TPlanePaths FindPlanePaths(const TDimensionChain& Pool, int Closing, int IndexNeed)
{
    TPlanePaths result;
    if (Closing < 0 || Closing >= Pool.Count()) return result;
    const TDimension& D = Pool.Dimensions[Closing];
    if (D.IP1 < 0 || D.IP2 < 0) return result;
    const std::vector<std::vector<int>> at = Attached(Pool, D);
    TSearch search{.All = Pool,
                   .At = at,
                   .Path = {Closing},
                   .FreeEnd = D.IP1,
                   .EndPlane = D.IP2,
                   .MaxFound = MaxPathsCounted};
    search.Run(std::max(IndexNeed, 1));
    result.Found = search.Found;
    result.Stopped = search.Stopped;
    if (result.Found == 0) return result;
    // The closing link goes last; the others keep their order from its first plane on.
    result.Kept.assign(search.Kept.begin() + 1, search.Kept.end());
    result.Kept.push_back(search.Kept.front());
    return result;
}
