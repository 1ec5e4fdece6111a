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

// Shows: the link's dimension shows its chain's figures (or none of its own are written).
TReread ReadAgain(TDimensionChain& C, Integer Link, TChainHost& Host, bool Shows)
{
    TDimension& L = C.Dimensions[Link];
    const TDimension before = L;
    // A last link holds its chain's figures, or for a chain left open the lost loop's: they
    // changed nowhere outside. An open chain's last link then shows its own, quietly.
    const bool last = Link == C.Count() - 1 && !C.Checked;
    bool changed = false;
    if (last && C.Closed && !Shows) {
        // Its dimension shows another chain's figures: the rest of it is read, not those.
        TDimension now = L;
        Host.Reread(now, false);
        static_cast<TDimensionTolerances&>(now).QHigh = L.QHigh;
        static_cast<TDimensionTolerances&>(now).QLow = L.QLow;
        now.AQHigh = L.AQHigh;
        now.AQLow = L.AQLow;
        changed = !(now == L);
        L = now;
    } else {
        changed = Host.Reread(L, last);
        if (last && !C.Closed) Host.Reread(L, false);
    }
    if (!changed) return {};
    return {true, !SameGeometry(before, L)};
}

// Whether a closed chain still closes on its links as they stand. One that did not move keeps
// the signs it was calculated with.
bool StillCloses(TDimensionChain& C, bool Moved)
{
    const Integer signs = C.StateClosed;
    const bool closes = C.IsClosedLoop() && !C.RefusesClosing();
    C.Closed = closes;
    if (closes && !Moved) C.StateClosed = signs;
    return closes;
}

// One chain calculated after its links changed.
TFollowed CalculateOnce(TDimensionChain& C)
{
    if (!C.Closed) return TFollowed::LeftOpen;
    if (C.Checked) {
        C.CheckAgain();
        return TFollowed::Checked;
    }
    if (!C.Recalculate()) return TFollowed::Refused; // figures that are no numbers
    return TFollowed::Calculated;
}

// What each closing dimension shows, decided once per follow, and written only through the
// host: the figures of its writer - the first chain of the set closing on it unchecked - or,
// once no chain closes on it, the own texts the chain that let it go kept.
class TClosingShown {
public:
    TClosingShown(TArrayOf<TDimensionChain>& Chains, Integer First, TChainHost& Host,
                  TWrittenDeviations* Written)
        : FChains(Chains), FFirst(First), FHost(Host), FWritten(Written)
    {
    }

    // The chain whose figures Dimension shows; -1 for none.
    Integer Writer(const TFigureSource& Dimension) const
    {
        for (Integer k = FFirst; k < FChains.Count; ++k) {
            const TDimensionChain& C = FChains[k];
            if (C.Closed && !C.Checked && C.Count() > 0 && Dimension.Counts(C.Dimensions[C.Count() - 1]))
                return k;
        }
        return -1;
    }
    // Whether chain K's closing dimension shows its figures; true when nothing is written.
    bool Shows(Integer K) const
    {
        const TDimensionChain& C = FChains[K];
        return !FWritten || C.Count() < 1 || Writer(TFigureSource::Of(C.Dimensions[C.Count() - 1])) == K;
    }
    // Chain K was calculated: its dimension takes its figures when K writes it.
    void Calculated(Integer K)
    {
        if (!FWritten || !Shows(K)) return;
        TDimensionChain& C = FChains[K];
        TDimension& closing = C.Dimensions[C.Count() - 1];
        C.KeepClosingTexts(FWritten);
        FHost.WriteFigures(closing);
        Decided.push_back(TFigureSource::Of(closing));
    }
    // A dimension let go of. Gives the chain that writes it now, which is to be calculated;
    // -1 when none does and its own texts were given back (or none were kept).
    Integer Released(TReleased R)
    {
        if (!FWritten) return -1;
        const Integer writer = Writer(R.Dimension);
        if (writer >= 0) {
            // Texts kept that are not the writer's figures were there before either wrote.
            TDimensionChain& W = FChains[writer];
            if (R.Own && !W.OwnTexts && R.Own != TDeviationTexts::Of(R.Dimension.Obj)) W.OwnTexts = R.Own;
            return writer;
        }
        if (!R.Own) R.Own = FWritten->Kept(R.Dimension.Obj);
        if (!R.Own) return -1;
        FWritten->Keep(R.Dimension.Obj);
        TDimension at;
        at.Obj = R.Dimension.Obj;
        at.MO = R.Dimension.MO;
        FHost.WriteTexts(at, *R.Own);
        Decided.push_back(R.Dimension);
        return -1;
    }

    // The dimensions written in this follow, whose links are read again.
    std::vector<TFigureSource> Decided;

private:
    TArrayOf<TDimensionChain>& FChains;
    Integer FFirst;
    TChainHost& FHost;
    TWrittenDeviations* FWritten;
};

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
    std::vector<char> due(state.size(), 0), moved(state.size(), 0), left(state.size(), 0);
    for (const Integer c : Change.Chains)
        if (c >= first && c < n) due[c] = 1;
    TClosingShown shown(Chains, first, Host, Change.Written);
    // What changed outside is read before any chain writes.
    for (Integer c = first; c < n; ++c) {
        state[c].Chain = c;
        TDimensionChain& C = Chains[c];
        const bool shows = shown.Shows(c);
        // A closing link holds its chain's figures; only an opening finds it changed outside.
        for (Integer i = 0; i < (Change.Everything ? C.Count() : Counted(C)); ++i) {
            if (!Change.Everything && !AnyCounts(Change.Dimensions, C.Dimensions[i])) continue;
            const TReread r = ReadAgain(C, i, Host, shows);
            if (!r.Changed) continue;
            state[c].Changed.push_back(i);
            due[c] = 1;
            moved[c] = moved[c] || r.Moved;
        }
    }
    // Every loop is tested before any dimension is decided, so that none is decided on a chain
    // that turns out open later in the same follow.
    std::vector<TReleased> released = Change.Released;
    for (Integer c = first; c < n; ++c) {
        TDimensionChain& C = Chains[c];
        if (C.Count() < 1) continue;
        TDimension& last = C.Dimensions[C.Count() - 1];
        // An open chain still holding own texts lost its loop while the document was closed.
        const bool stale = Change.Everything && !C.Closed && C.OwnTexts;
        if (C.Closed && (moved[c] || Change.Everything) && !StillCloses(C, moved[c])) {
            // Nothing of the lost loop stays: the last link shows its dimension's own figures.
            left[c] = 1;
            if (C.Checked) C.DropCheckFigures();
            Host.Reread(last, false);
        } else if (!stale) {
            continue;
        }
        if (Change.Written) released.push_back({TFigureSource::Of(last), C.TakeOwnTexts()});
    }
    for (const TReleased& r : released)
        if (const Integer writer = shown.Released(r); writer >= 0) due[writer] = 1;
    const bool writes = Change.Written != nullptr;
    const TDependencies on = writes ? Dependencies(Chains, first) : TDependencies(state.size());
    for (const Integer c : DependencyOrder(on, first)) {
        TDimensionChain& C = Chains[c];
        TFollowedChain& f = state[c];
        for (Integer i = 0; i < Counted(C); ++i) {
            if (!AnyCounts(shown.Decided, C.Dimensions[i]) || !Host.Reread(C.Dimensions[i], false)) continue;
            f.Followed.push_back(i);
            due[c] = 1;
        }
        if (!due[c] && !left[c]) continue;
        f.Outcome = left[c] ? TFollowed::LeftOpen : Reaches(on, c, c) ? TFollowed::Refused : CalculateOnce(C);
        if (f.Outcome == TFollowed::Calculated) shown.Calculated(c);
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
