// The chain set following a change of figures: links read again, the chains that count them
// calculated in dependency order, rings found and refused.

#include "ChainFollow.h"

#include "TLinkText.h"
#include "TWrittenDeviations.h"

#include <algorithm>
#include <map>
#include <optional>
#include <set>
#include <utility>
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

// A dimension as host objects compare (the object's IAPIObject, else its address), drawing
// and model dimensions apart: what TFigureSource::Counts compares, as a key.
using TSourceKey = std::pair<bool, const void*>;

template <class I> const void* Identity(const tvapi::Ptr<I>& P)
{
    const tvapi::IAPIObjectPtr api = tvapi::IAPIObjectPtr::Adopt(
        P ? static_cast<tvapi::IAPIObject*>(P->QueryInterface(tvapi::IAPIObject::IID)) : nullptr);
    return api ? static_cast<const void*>(api.Get()) : static_cast<const void*>(P.Get());
}

std::optional<TSourceKey> KeyOf(const TFigureSource& S)
{
    if (S.Obj) return TSourceKey{false, Identity(S.Obj)};
    if (S.MO) return TSourceKey{true, Identity(S.MO)};
    return std::nullopt;
}

std::optional<TSourceKey> KeyOf(const TDimension& L)
{
    return KeyOf(TFigureSource::Of(L));
}

// The chains whose last link is each dimension, in the list's order, open ones too: a chain's
// links stay the same through a follow, so this is built once per follow.
using TClosingOn = std::map<TSourceKey, std::vector<Integer>>;

TClosingOn ClosingOn(const TArrayOf<TDimensionChain>& Chains, Integer First)
{
    TClosingOn on;
    for (Integer k = First; k < Chains.Count; ++k)
        if (Chains[k].Count() > 0)
            if (const std::optional<TSourceKey> key = KeyOf(Chains[k].Dimensions[Chains[k].Count() - 1]))
                on[*key].push_back(k);
    return on;
}

// A set of many chains costs in proportion to its links. Only closed chains are depended on.
TDependencies Dependencies(const TArrayOf<TDimensionChain>& Chains, Integer First, const TClosingOn& Closing)
{
    TDependencies on(static_cast<std::size_t>(Chains.Count));
    for (Integer i = First; i < Chains.Count; ++i) {
        const TDimensionChain& C = Chains[i];
        for (Integer k = 0; k < Counted(C); ++k) {
            const std::optional<TSourceKey> key = KeyOf(C.Dimensions[k]);
            const auto found = key ? Closing.find(*key) : Closing.end();
            if (found == Closing.end()) continue;
            for (const Integer j : found->second)
                if (j != i && Chains[j].Closed && std::find(on[i].begin(), on[i].end(), j) == on[i].end())
                    on[i].push_back(j);
        }
    }
    return on;
}

TDependencies Dependencies(const TArrayOf<TDimensionChain>& Chains, Integer First)
{
    return Dependencies(Chains, First, ClosingOn(Chains, First));
}

// The chains that lie in a ring of what they depend on (Tarjan's strongly connected parts; no
// chain depends on itself, so a part of one chain is no ring).
class TRings {
public:
    explicit TRings(const TDependencies& On)
        : FOn(On), FIndex(On.size(), -1), FLow(On.size(), 0), FOnStack(On.size(), 0), FIn(On.size(), 0)
    {
        for (std::size_t k = 0; k < On.size(); ++k)
            if (FIndex[k] < 0) Visit(static_cast<Integer>(k));
    }
    bool In(Integer K) const { return FIn[static_cast<std::size_t>(K)] != 0; }
    bool Any() const { return std::find(FIn.begin(), FIn.end(), 1) != FIn.end(); }

private:
    void Visit(Integer K)
    {
        FIndex[K] = FLow[K] = FNext++;
        FStack.push_back(K);
        FOnStack[K] = 1;
        for (const Integer j : FOn[K]) {
            if (FIndex[j] < 0) {
                Visit(j);
                FLow[K] = std::min(FLow[K], FLow[j]);
            } else if (FOnStack[j]) {
                FLow[K] = std::min(FLow[K], FIndex[j]);
            }
        }
        if (FLow[K] != FIndex[K]) return;
        std::vector<Integer> part;
        do {
            part.push_back(FStack.back());
            FStack.pop_back();
            FOnStack[part.back()] = 0;
        } while (part.back() != K);
        for (const Integer j : part)
            FIn[j] = part.size() > 1;
    }

    const TDependencies& FOn;
    std::vector<Integer> FIndex, FLow, FStack;
    std::vector<char> FOnStack, FIn;
    Integer FNext = 0;
};

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

// Whether the deviations Now reads differ from those Was holds, as a dimension's texts show them.
bool OtherDeviations(const TDimension& Now, const TDimension& Was)
{
    const auto differ = [](Real a, Real b) { return LinkText::Deviation(a) != LinkText::Deviation(b); };
    return differ(Now.QHigh, Was.QHigh) || differ(Now.QLow, Was.QLow) || differ(Now.AQHigh, Was.AQHigh) ||
           differ(Now.AQLow, Was.AQLow);
}

// Shows: the link's dimension shows its chain's figures (or none of its own are written).
// Opening: the document was just opened, its dimensions written by the follow.
TReread ReadAgain(TDimensionChain& C, Integer Link, TChainHost& Host, bool Shows, bool Opening)
{
    TDimension& L = C.Dimensions[Link];
    const TDimension before = L;
    // A last link holds its chain's figures, or for a chain left open the lost loop's: they
    // changed nowhere outside. An open chain's last link then shows its own, quietly.
    const bool last = Link == C.Count() - 1 && !C.Checked;
    bool changed = false;
    if (last && C.Closed && (!Shows || Opening)) {
        // Its dimension shows another chain's figures: the rest of it is read, not those.
        TDimension now = L;
        Host.Reread(now, false);
        // Texts typed over the figures it wrote while the document was closed: a change, and
        // the dimension's own texts from now on.
        const bool typed = Shows && OtherDeviations(now, L);
        if (typed) C.OwnTexts = TDeviationTexts::Of(L.Obj);
        static_cast<TDimensionTolerances&>(now).QHigh = L.QHigh;
        static_cast<TDimensionTolerances&>(now).QLow = L.QLow;
        now.AQHigh = L.AQHigh;
        now.AQLow = L.AQLow;
        changed = typed || !(now == L);
        L = now;
    } else {
        changed = Host.Reread(L, last);
        if (last && !C.Closed) Host.Reread(L, false);
    }
    if (!changed) return {};
    return {true, !SameGeometry(before, L)};
}

// A chain that lost its loop, or whose figures are refused, is shown as an open chain: nothing of
// the loop stays, and its last link shows its dimension's own figures.
void ShowOpen(TDimensionChain& C, TChainHost& Host)
{
    C.Open();
    if (C.Checked) C.DropCheckFigures();
    if (C.Count() > 0) Host.Reread(C.Dimensions[C.Count() - 1], false);
}

// One chain calculated after its links changed; Own: its closing link as its dimension's own
// texts give it.
TFollowed CalculateOnce(TDimensionChain& C, const std::optional<TDimension>& Own)
{
    if (!C.Closed) return TFollowed::LeftOpen;
    if (!C.TakeCalculation(Own ? &*Own : nullptr)) return TFollowed::NoNumbers;
    return C.Checked ? TFollowed::Checked : TFollowed::Calculated;
}

// What each closing dimension shows, decided once per follow, and written only through the
// host: the figures of its writer - the first chain of the set closing on it unchecked - or,
// once no chain closes on it, the own texts the chain that let it go kept.
class TClosingShown {
public:
    TClosingShown(TArrayOf<TDimensionChain>& Chains, const TClosingOn& Closing, TChainHost& Host,
                  TWrittenDeviations* Written)
        : FChains(Chains), FHost(Host), FWritten(Written), FClosingOn(Closing)
    {
    }

    // The chain whose figures Dimension shows; -1 for none.
    Integer Writer(const TFigureSource& Dimension) const
    {
        const std::optional<TSourceKey> key = KeyOf(Dimension);
        const auto on = key ? FClosingOn.find(*key) : FClosingOn.end();
        if (on == FClosingOn.end()) return -1;
        for (const Integer k : on->second) {
            const TDimensionChain& C = FChains[k];
            if (C.Closed && !C.Checked) return k;
        }
        return -1;
    }
    // The chain keeping the texts chain K's closing dimension showed before any chain wrote it:
    // K, else the first other chain closing on it that keeps them (it wrote the dimension when
    // the set was stored); -1 when none does.
    Integer Keeper(Integer K) const
    {
        const TDimensionChain& C = FChains[K];
        if (C.OwnTexts || C.Count() < 1) return C.OwnTexts ? K : -1;
        const std::optional<TSourceKey> key = KeyOf(C.Dimensions[C.Count() - 1]);
        const auto on = key ? FClosingOn.find(*key) : FClosingOn.end();
        if (on == FClosingOn.end()) return -1;
        for (const Integer k : on->second)
            if (FChains[k].OwnTexts) return k;
        return -1;
    }
    // Whether L is a link of a dimension written in this follow.
    bool WasDecided(const TDimension& L) const { return WasDecided(TFigureSource::Of(L)); }
    bool WasDecided(const TFigureSource& Dimension) const
    {
        const std::optional<TSourceKey> key = KeyOf(Dimension);
        return key && FDecided.count(*key);
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
        Decide(TFigureSource::Of(closing));
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
        // Given its texts back by a chain let go of before in this follow: they stay.
        if (!R.Own && WasDecided(R.Dimension)) return -1;
        if (!R.Own) R.Own = FWritten->Kept(R.Dimension.Obj);
        if (!R.Own) return -1;
        FWritten->Keep(R.Dimension.Obj);
        TDimension at;
        at.Obj = R.Dimension.Obj;
        at.MO = R.Dimension.MO;
        FHost.WriteTexts(at, *R.Own);
        Decide(R.Dimension);
        return -1;
    }

private:
    // A dimension written in this follow: its links are read again.
    void Decide(const TFigureSource& Dimension)
    {
        if (const std::optional<TSourceKey> key = KeyOf(Dimension)) FDecided.insert(*key);
    }

    TArrayOf<TDimensionChain>& FChains;
    TChainHost& FHost;
    TWrittenDeviations* FWritten;
    const TClosingOn& FClosingOn;
    std::set<TSourceKey> FDecided;
};

// What one follow knows of one chain.
struct TChainRecord {
    TFollowedChain Followed;
    bool Due = false;     // to be calculated
    bool Moved = false;   // its loop to be tested again
    bool Laid = false;    // a command changed a link of it
    bool Decided = false; // its loop just decided: not tested again
    bool Left = false;    // no longer closes
    bool Ring = false;    // refused in a ring
};

// One follow of a change through a chain set, in the steps ChainFollow.h states: Read, OpenLostLoops,
// RefuseRings, GiveBack, Calculate, ReadShownOpen.
class TFollow {
public:
    TFollow(TArrayOf<TDimensionChain>& Chains, TChainHost& Host, const TFigureChange& Change)
        : FChains(Chains), FHost(Host), FChange(Change), FFirst(std::max<Integer>(Change.First, 0)),
          FRecords(static_cast<std::size_t>(std::max<Integer>(Chains.Count, 0))),
          FClosingOn(ClosingOn(Chains, FFirst)), FShown(Chains, FClosingOn, Host, Change.Written),
          FReleased(Change.Released)
    {
        for (const Integer c : Change.Chains)
            if (Ours(c)) FRecords[c].Due = true;
        for (const Integer c : Change.Laid)
            if (Ours(c)) FRecords[c].Due = FRecords[c].Moved = FRecords[c].Laid = true;
        for (const Integer c : Change.Decided)
            if (Ours(c)) FRecords[c].Laid = FRecords[c].Decided = true;
    }

    std::vector<TFollowedChain> Run()
    {
        if (FChains.Count <= FFirst) return {};
        Read();
        OpenLostLoops();
        RefuseRings();
        GiveBack();
        Calculate();
        ReadShownOpen();
        return std::move(FOut);
    }

private:
    bool Ours(Integer C) const { return C >= FFirst && C < FChains.Count; }
    bool Writes() const { return FChange.Written != nullptr; }

    // What changed outside is read before any chain writes.
    void Read()
    {
        for (Integer c = FFirst; c < FChains.Count; ++c) {
            TChainRecord& r = FRecords[c];
            r.Followed.Chain = c;
            TDimensionChain& C = FChains[c];
            // A dimension another chain keeps own texts of showed that chain's figures.
            const Integer keeper = FShown.Keeper(c);
            const bool shows = FShown.Shows(c) && (keeper < 0 || keeper == c);
            // A closing link holds its chain's figures; only an opening finds it changed outside.
            for (Integer i = 0; i < (FChange.Everything ? C.Count() : Counted(C)); ++i) {
                if (!FChange.Everything && !AnyCounts(FChange.Dimensions, C.Dimensions[i])) continue;
                const TReread read = ReadAgain(C, i, FHost, shows, FChange.Everything && Writes());
                if (!read.Changed) continue;
                r.Followed.Changed.push_back(i);
                r.Due = true;
                r.Moved = r.Moved || read.Moved;
            }
        }
    }

    // Every loop is tested before any dimension is decided, so that none is decided on a chain
    // that turns out open later in the same follow.
    void OpenLostLoops()
    {
        for (Integer c = FFirst; c < FChains.Count; ++c) {
            TDimensionChain& C = FChains[c];
            TChainRecord& r = FRecords[c];
            if (C.Count() < 1) continue;
            // An open chain still holding own texts lost its loop while the document was closed.
            const bool stale = FChange.Everything && !C.Closed && C.OwnTexts;
            // The loop rule decides the signs, whatever the chain held (a closed chain asked once).
            if (C.Closed && !r.Decided && (r.Moved || FChange.Everything) && !C.TakeLoop(C.Loop())) {
                r.Left = r.Followed.LostLoop = true;
                ShowOpen(C, FHost);
            } else if (!stale) {
                continue;
            }
            Release(C);
        }
    }

    // Chains counting each other in a ring take no figures from each other: each is refused and
    // shown open, and what counts them follows their dimensions' own texts. A chain a command
    // just closed or changed into a ring is refused first: the chains it would chase keep theirs.
    void RefuseRings()
    {
        FOn = Writes() ? Dependencies(FChains, FFirst, FClosingOn) : TDependencies(FRecords.size());
        for (const bool laidOnly : {true, false}) {
            const TRings rings(FOn);
            if (!rings.Any()) return;
            for (Integer c = FFirst; c < FChains.Count; ++c) {
                if (!rings.In(c) || (laidOnly && !FRecords[c].Laid)) continue;
                FRecords[c].Ring = true;
                ShowOpen(FChains[c], FHost);
                Release(FChains[c]);
            }
            FOn = Dependencies(FChains, FFirst, FClosingOn);
        }
    }

    // The dimensions let go of: the chain writing each now is calculated, or its texts come back.
    void GiveBack()
    {
        for (const TReleased& r : FReleased)
            if (const Integer writer = FShown.Released(r); writer >= 0) FRecords[writer].Due = true;
    }

    // Chains in dependency order, each once.
    void Calculate()
    {
        for (const Integer c : DependencyOrder(FOn, FFirst)) {
            TDimensionChain& C = FChains[c];
            TChainRecord& r = FRecords[c];
            for (Integer i = 0; i < Counted(C); ++i) {
                if (!FShown.WasDecided(C.Dimensions[i]) || !FHost.Reread(C.Dimensions[i], false)) continue;
                r.Followed.Followed.push_back(i);
                r.Due = true;
            }
            if (!r.Due && !r.Left && !r.Ring) continue;
            r.Followed.Outcome = r.Left   ? TFollowed::LeftOpen
                                 : r.Ring ? TFollowed::Refused
                                          : CalculateOnce(C, OwnClosing(c));
            if (r.Followed.Outcome == TFollowed::Calculated) FShown.Calculated(c);
            if (r.Followed.Outcome == TFollowed::NoNumbers) RefuseFigures(c);
            FOut.push_back(r.Followed);
        }
    }

    // Chain K's closing link as a pick reads its dimension, for the residual it notes: with the
    // texts it showed before any chain wrote it, else as it shows now.
    std::optional<TDimension> OwnClosing(Integer K)
    {
        const TDimensionChain& C = FChains[K];
        if (!C.NotesResidual()) return std::nullopt;
        TDimension own = C.Dimensions[C.Count() - 1];
        if (const Integer keeper = FShown.Keeper(K); keeper >= 0)
            ReadShowing(own, *FChains[keeper].OwnTexts, FHost);
        else
            FHost.Reread(own, false);
        return own;
    }

    // A chain its figures cannot calculate: what it wrote passes on to the next chain closing on
    // its dimension, still to come (chains closing on one dimension are followed in the list's
    // order), or its own texts come back.
    void RefuseFigures(Integer K)
    {
        TDimensionChain& C = FChains[K];
        const bool wrote = FShown.Shows(K) && Writes();
        ShowOpen(C, FHost);
        TDimension& last = C.Dimensions[C.Count() - 1];
        TReleased r{TFigureSource::Of(last), C.TakeOwnTexts()};
        if (const Integer writer = Writes() ? FShown.Released(std::move(r)) : -1; writer >= 0 && wrote)
            FRecords[writer].Due = true;
        FHost.Reread(last, false); // the texts it gave back
    }

    // A chain shown open reads its dimension as it stands once every chain is followed: a chain
    // after it may have written it, or given its texts back.
    void ReadShownOpen()
    {
        for (const TFollowedChain& f : FOut) {
            TDimensionChain& C = FChains[f.Chain];
            if (!C.Closed && C.Count() > 0 && FShown.WasDecided(C.Dimensions[C.Count() - 1]))
                FHost.Reread(C.Dimensions[C.Count() - 1], false);
        }
    }

    void Release(TDimensionChain& C)
    {
        if (Writes()) FReleased.push_back({TFigureSource::Of(C.Dimensions[C.Count() - 1]), C.TakeOwnTexts()});
    }

    TArrayOf<TDimensionChain>& FChains;
    TChainHost& FHost;
    const TFigureChange& FChange;
    const Integer FFirst;
    std::vector<TChainRecord> FRecords;
    const TClosingOn FClosingOn;
    TClosingShown FShown;
    std::vector<TReleased> FReleased;
    TDependencies FOn;
    std::vector<TFollowedChain> FOut;
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
    return TFollow(Chains, Host, Change).Run();
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
        if (&Chains[k] == &Chain) return TRings(Dependencies(Chains, 0)).In(k);
    return false;
}
