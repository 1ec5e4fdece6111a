// The chain set following a change of figures: links read again, the chains that count them
// calculated in dependency order, rings found and refused.

#include "ChainFollow.h"

#include "TWrittenDeviations.h"

#include <algorithm>
#include <vector>

namespace {

// The chains each chain depends on, by index.
using TDependencies = std::vector<std::vector<Integer>>;

bool AnyCounts(const std::vector<TFigureSource>& Sources, const TDimension& L)
{
    for (const TFigureSource& s : Sources)
        if (s.Counts(L)) return true;
    return false;
}

// The links whose figures come from elsewhere: every link of an open chain, the components of
// a closed one (its closing link holds the chain's own figures).
Integer Counted(const TDimensionChain& C)
{
    return C.Closed ? C.Count() - 1 : C.Count();
}

bool CountsClosingOf(const TDimensionChain& C, const TDimensionChain& Other)
{
    if (&C == &Other || !Other.Closed || Other.Count() < 1) return false;
    const TFigureSource closing = TFigureSource::Of(Other.Dimensions[Other.Count() - 1]);
    for (Integer i = 0; i < Counted(C); ++i)
        if (closing.Counts(C.Dimensions[i])) return true;
    return false;
}

TDependencies Dependencies(const TArrayOf<TDimensionChain>& Chains, Integer First)
{
    TDependencies on(static_cast<std::size_t>(Chains.Count));
    for (Integer i = First; i < Chains.Count; ++i)
        for (Integer j = First; j < Chains.Count; ++j)
            if (CountsClosingOf(Chains[i], Chains[j])) on[i].push_back(j);
    return on;
}

// Whether To is reached from From through what each chain depends on.
bool Reaches(const TDependencies& On, Integer From, Integer To)
{
    std::vector<char> seen(On.size(), 0);
    std::vector<Integer> stack{From};
    while (!stack.empty()) {
        const Integer k = stack.back();
        stack.pop_back();
        for (const Integer j : On[k]) {
            if (j == To) return true;
            if (!seen[j]) {
                seen[j] = 1;
                stack.push_back(j);
            }
        }
    }
    return false;
}

// Every chain after the chains it depends on (a ring's chains in any order among themselves).
void Visit(const TDependencies& On, Integer K, std::vector<char>& Seen, std::vector<Integer>& Order)
{
    Seen[K] = 1;
    for (const Integer j : On[K])
        if (!Seen[j]) Visit(On, j, Seen, Order);
    Order.push_back(K);
}

std::vector<Integer> DependencyOrder(const TDependencies& On, Integer First)
{
    std::vector<char> seen(On.size(), 0);
    std::vector<Integer> order;
    for (Integer k = First; k < static_cast<Integer>(On.size()); ++k)
        if (!seen[k]) Visit(On, k, seen, order);
    return order;
}

bool SameGeometry(const TDimension& A, const TDimension& B)
{
    return A.Nominal == B.Nominal && A.ANominal == B.ANominal && A.V2.x == B.V2.x && A.V2.y == B.V2.y &&
           A.V3.x == B.V3.x && A.V3.y == B.V3.y && A.V3.z == B.V3.z;
}

// What reading a link again did.
struct TReread {
    bool Changed = false;
    bool Moved = false; // its nominal or its vector: the chain's closure is tested again
};

TReread ReadAgain(TDimensionChain& C, Integer Link, TChainHost& Host)
{
    TDimension& L = C.Dimensions[Link];
    const TDimension before = L;
    // A last link holds its chain's figures, or for a chain left open the lost loop's: they
    // changed nowhere outside. An open chain's last link then shows its own, quietly.
    const bool last = Link == C.Count() - 1 && !C.Checked;
    const bool changed = Host.Reread(L, last);
    if (last && !C.Closed) Host.Reread(L, false);
    if (!changed) return {};
    return {true, !SameGeometry(before, L)};
}

// One chain calculated after its links changed; Moved when its closure may have changed.
TFollowed CalculateOnce(TDimensionChain& C, bool Moved, TChainHost& Host, TWrittenDeviations* Written,
                        std::vector<TFigureSource>& WrittenOn)
{
    const bool wasClosed = C.Closed;
    if (C.Closed && Moved && (!C.IsClosedLoop() || C.RefusesClosing())) C.Closed = false;
    if (!C.Closed) {
        // Nothing of the lost loop stays: the last link shows its dimension's own figures.
        if (wasClosed && C.Count() > 0) Host.Reread(C.Dimensions[C.Count() - 1], false);
        return TFollowed::LeftOpen;
    }
    if (C.Checked) {
        C.CheckAgain();
        return TFollowed::Checked;
    }
    if (!C.Recalculate()) return TFollowed::Refused; // figures that are no numbers
    if (!Written) return TFollowed::Calculated;
    TDimension& closing = C.Dimensions[C.Count() - 1];
    C.KeepClosingTexts(Written);
    Host.WriteFigures(closing);
    WrittenOn.push_back(TFigureSource::Of(closing));
    return TFollowed::Calculated;
}

} // namespace

TFigureSource TFigureSource::Of(const TDimension& L)
{
    return {L.Obj, L.Obj ? tvapi::IModelObjectPtr() : L.MO};
}

bool TFigureSource::Counts(const TDimension& L) const
{
    if (Obj) return L.Obj && L.Obj == Obj;
    return MO && !L.Obj && L.MO && L.MO == MO;
}

std::vector<TFollowedChain> FollowFigures(TArrayOf<TDimensionChain>& Chains, TChainHost& Host,
                                          const TFigureChange& Change)
{
    const Integer n = Chains.Count, first = std::max<Integer>(Change.First, 0);
    std::vector<TFollowedChain> out;
    if (n <= first) return out;
    std::vector<TFollowedChain> state(static_cast<std::size_t>(n));
    std::vector<char> due(state.size(), 0), moved(state.size(), 0);
    for (const Integer c : Change.Chains)
        if (c >= first && c < n) due[c] = 1;
    // What changed outside is read before any chain writes.
    for (Integer c = first; c < n; ++c) {
        state[c].Chain = c;
        TDimensionChain& C = Chains[c];
        // A closing link holds its chain's figures; only an opening finds it changed outside.
        for (Integer i = 0; i < (Change.Everything ? C.Count() : Counted(C)); ++i) {
            if (!Change.Everything && !AnyCounts(Change.Dimensions, C.Dimensions[i])) continue;
            const TReread r = ReadAgain(C, i, Host);
            if (!r.Changed) continue;
            state[c].Changed.push_back(i);
            due[c] = 1;
            moved[c] = moved[c] || r.Moved;
        }
    }
    const bool writes = Change.Written != nullptr;
    const TDependencies on = writes ? Dependencies(Chains, first) : TDependencies(state.size());
    std::vector<TFigureSource> writtenOn;
    for (const Integer c : DependencyOrder(on, first)) {
        TDimensionChain& C = Chains[c];
        TFollowedChain& f = state[c];
        for (Integer i = 0; i < Counted(C); ++i) {
            if (!AnyCounts(writtenOn, C.Dimensions[i]) || !Host.Reread(C.Dimensions[i], false)) continue;
            f.Followed.push_back(i);
            due[c] = 1;
        }
        if (!due[c]) continue;
        f.Outcome = Reaches(on, c, c) ? TFollowed::Refused
                                      : CalculateOnce(C, moved[c], Host, Change.Written, writtenOn);
        out.push_back(f);
    }
    return out;
}

void ReadFiguresAgain(TDimensionChain& C, TChainHost& Host)
{
    for (TDimension& L : C.Dimensions) {
        TDimension now = L;
        if (!Host.Reread(now, false)) continue;
        static_cast<TDimensionTolerances&>(L) = now;
        static_cast<TDimensionAngularTolerances&>(L) = now;
    }
}

bool InRing(const TArrayOf<TDimensionChain>& Chains, const TDimensionChain& Chain)
{
    for (Integer k = 0; k < Chains.Count; ++k)
        if (&Chains[k] == &Chain) return Reaches(Dependencies(Chains, 0), k, k);
    return false;
}
