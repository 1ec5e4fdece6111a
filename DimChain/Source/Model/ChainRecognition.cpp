// Gathering of the drawing's dimensions and the depth-first search for recognised chains.

#include "ChainRecognition.h"

#include "ChainLoop.h"

#include <algorithm>
#include <functional>
#include <vector>

namespace {

void Number(TDimension& L, TPlacementIndex& Placements, TPlacementIndex& Directions)
{
    const TPlaneNumbers n = NumberPlanes(L.PL1, L.PL2, Placements, Directions);
    L.IP1 = n.IP1;
    L.IP2 = n.IP2;
    L.ID = n.ID;
}

// A candidate that may not extend the path: on it already (OnPath, by link index), or a
// second derived link of a dimension the path holds. Links of other views are never candidates.
bool Excluded(const TDimensionChain& All, const std::vector<int>& Path, const std::vector<char>& OnPath,
              int i)
{
    const TDimension& L = All.Dimensions[i];
    if (OnPath[static_cast<std::size_t>(i)]) return true;
    if (!L.PearentObj) return false;
    for (int p : Path)
        if (All.Dimensions[p].PearentObj == L.PearentObj) return true;
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

// Whether the links of Path (the closing link first) close as the chain made of them would,
// by the one loop rule (LinksLoop): a path too long to close is offered too, so that the chain
// made of it tells so.
bool PathCloses(const TDimensionChain& All, const std::vector<int>& Path, TChainSpace Space)
{
    thread_local std::vector<const TDimension*> links;
    links.clear();
    for (std::size_t k = 1; k < Path.size(); ++k)
        links.push_back(&All.Dimensions[Path[k]]);
    links.push_back(&All.Dimensions[Path.front()]); // the closing link last, as in its chain
    const TLoopState state = LinksLoop(links, Space).State;
    return state == TLoopState::Closed || state == TLoopState::TooLong;
}

// Depth first in index order: a path grows by the lowest candidate attached at its free end
// whose other plane the path has not passed; it reaches EndPlane, the closing link's other
// plane, and is then never extended; it is counted when its links close (Closes), and a ring
// (EndPlane the start plane) once, in the sense its lower link starts. A path is not extended
// past MaxLength links (0: no bound). Stops after MaxExamined paths tried or MaxFound counted.
struct TSearch {
    const TDimensionChain& All;
    const std::vector<std::vector<int>>& At;
    std::vector<int> Path{};
    std::vector<int> Ends{}; // the free end before each link of the path
    std::vector<int> Kept{};
    int FreeEnd = 0;
    int EndPlane = 0;
    int MaxLength = 0;
    int MaxExamined = MaxPathsExamined;
    int MaxFound = 0; // 0: no bound
    std::function<bool(const std::vector<int>&)> Closes{};
    int Found = 0;
    int Examined = 0;
    bool Stopped = false;
    std::vector<char> OnPath{};             // by link index: on Path
    std::vector<char> Passed{};             // by plane number: a plane the path has passed
    std::vector<std::vector<int>> Joined{}; // by plane number: the planes a link joins it to
    std::vector<int> Seen{}, Queue{};
    int Stamp = 0;
    int Changes = 0; // pushes and pops so far: what Reaches last answered holds until the next
    int AskedChanges = -1, AskedFrom = -1;
    bool Answer = false;

    static int Other(const TDimension& L, int Plane) { return L.IP1 == Plane ? L.IP2 : L.IP1; }
    void Push(int i)
    {
        const TDimension& L = All.Dimensions[i];
        ++Changes;
        Path.push_back(i);
        OnPath[static_cast<std::size_t>(i)] = 1;
        Ends.push_back(FreeEnd);
        FreeEnd = Other(L, FreeEnd);
        Passed[static_cast<std::size_t>(FreeEnd)] = 1;
    }
    void Pop()
    {
        ++Changes;
        Passed[static_cast<std::size_t>(FreeEnd)] = 0;
        OnPath[static_cast<std::size_t>(Path.back())] = 0;
        Path.pop_back();
        FreeEnd = Ends.back();
        Ends.pop_back();
    }
    // Whether EndPlane can be reached from plane From through planes the path has not passed;
    // a breadth-first walk over the planes, so that a branch that can only end in a dead end
    // is never entered.
    bool Reaches(int From)
    {
        if (AskedChanges == Changes && AskedFrom == From) return Answer;
        AskedChanges = Changes;
        AskedFrom = From;
        ++Stamp;
        Queue.assign(1, From);
        Seen[static_cast<std::size_t>(From)] = Stamp;
        for (std::size_t k = 0; k < Queue.size(); ++k)
            for (const int q : Joined[static_cast<std::size_t>(Queue[k])]) {
                if (q == EndPlane) return Answer = true;
                if (Passed[static_cast<std::size_t>(q)] || Seen[static_cast<std::size_t>(q)] == Stamp)
                    continue;
                Seen[static_cast<std::size_t>(q)] = Stamp;
                Queue.push_back(q);
            }
        return Answer = false;
    }
    // A path comes back to no plane it passed, but for the end it searches, and goes only
    // where it can still reach that end.
    bool Leads(int i)
    {
        const int next = Other(All.Dimensions[i], FreeEnd);
        if (next == EndPlane) return next != FreeEnd;
        return next != FreeEnd && !Passed[static_cast<std::size_t>(next)] && Reaches(next);
    }
    // A path that reached EndPlane is offered: its links close, and a ring walked against the
    // sense of its lower link was offered the other way round.
    bool Offered() const
    {
        if (Ends.front() == EndPlane && Path.size() > 2 && Path[1] > Path.back()) return false;
        return !Closes || Closes(Path);
    }
    // Pushes the next candidate at the free end from its list position Next; false when the
    // candidates there are exhausted or the search must stop.
    bool Extend(std::size_t& Next)
    {
        if (static_cast<std::size_t>(FreeEnd) >= At.size()) return false;
        const std::vector<int>& candidates = At[static_cast<std::size_t>(FreeEnd)];
        while (Next < candidates.size()) {
            const int i = candidates[Next++];
            if (Excluded(All, Path, OnPath, i) || !Leads(i)) continue;
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
    bool MayGrow() const { return MaxLength == 0 || Path.size() < static_cast<std::size_t>(MaxLength); }
    void Run(int IndexNeed)
    {
        OnPath.assign(static_cast<std::size_t>(std::max(All.Count(), 0)), 0);
        for (const int p : Path)
            OnPath[static_cast<std::size_t>(p)] = 1;
        const std::size_t planes =
            std::max(At.size(), static_cast<std::size_t>(std::max(FreeEnd, EndPlane)) + 1);
        Passed.assign(planes, 0);
        Passed[static_cast<std::size_t>(FreeEnd)] = 1;
        Seen.assign(planes, 0);
        Joined.assign(planes, {});
        for (std::size_t p = 0; p < At.size(); ++p) {
            for (const int i : At[p])
                Joined[p].push_back(Other(All.Dimensions[i], static_cast<int>(p)));
            std::sort(Joined[p].begin(), Joined[p].end());
            Joined[p].erase(std::unique(Joined[p].begin(), Joined[p].end()), Joined[p].end());
        }
        std::vector<std::size_t> next{0}; // per path length: the next candidate's list position
        while (!Stopped) {
            if (!Extend(next.back())) {
                if (Path.size() <= 1) return;
                Pop();
                next.pop_back();
                continue;
            }
            if (FreeEnd == EndPlane) {
                if (Offered()) {
                    if (Found < IndexNeed) Kept = Path;
                    ++Found;
                }
                Pop();
                if (MaxFound > 0 && Found == MaxFound) Stopped = true;
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

// The search from link Closing of All, D's planes its ends, its paths closing in Space.
TSearch SearchFrom(const TDimensionChain& All, const std::vector<std::vector<int>>& At, int Closing,
                   const TDimension& D, TChainSpace Space)
{
    return TSearch{
        .All = All,
        .At = At,
        .Path = {Closing},
        .FreeEnd = D.IP1,
        .EndPlane = D.IP2,
        .Closes = [&All, Space](const std::vector<int>& Path) { return PathCloses(All, Path, Space); }};
}

} // namespace

void AddDerivativeDimensions(TDimensionChain& All, TChainHost& Host, tvapi::IDrawingObjectPtr iAuxiliaryObj)
{
    const Integer n = All.Count();
    for (Integer i = 0; i < n; ++i) {
        const TDimension source = All.Dimensions[i]; // the array may move while it grows
        if (!source.Obj || (source.Type != tvapi::tvDrDDimension && source.Type != tvapi::tvDrRDimension))
            continue;
        for (int k = 1; k <= 3; ++k) {
            TDimension D;
            D.SetDerivative(Host, source, k, iAuxiliaryObj);
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
    // Ends meet within the drawing tolerance, as a picked chain's do.
    TPlacementIndex planes(Placements, TPlacementIndex::pkPlane, TDimensionChain::DrawingTolerance);
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
    TSearch search = SearchFrom(All, at, bottom, D, TChainSpace::Drawing);
    search.MaxLength = TDimensionChain::MaxLinks;
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
    TSearch search = SearchFrom(Pool, at, Closing, D, TChainSpace::Model);
    search.MaxFound = MaxPathsCounted;
    search.Run(std::max(IndexNeed, 1));
    result.Found = search.Found;
    result.Stopped = search.Stopped;
    result.Examined = search.Examined;
    if (result.Found == 0) return result;
    // The closing link goes last; the others keep their order from its first plane on.
    result.Kept.assign(search.Kept.begin() + 1, search.Kept.end());
    result.Kept.push_back(search.Kept.front());
    return result;
}
