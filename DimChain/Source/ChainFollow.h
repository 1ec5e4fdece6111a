#pragma once
// The one path by which a chain set follows a change of the figures its chains count: links
// read again, the chains that count them calculated again, each once, in the order they depend
// on each other, and what it did to each chain as a typed outcome that a panel only draws and
// tells. Every cause goes through it: a chain writing or giving back its closing figures, a
// value typed, a method or risk chosen, a document opened with changed dimensions or parts.

#include "TDimensionChain.h"

#include <vector>

// A dimension whose figures changed: a drawing dimension, or a model dimension (for a link
// without a drawing object).
struct TFigureSource {
    tvapi::IDrawingObjectPtr Obj;
    tvapi::IModelObjectPtr MO;
    // Whether L is a link of this dimension.
    bool Counts(const TDimension& L) const;
    // The dimension of link L.
    static TFigureSource Of(const TDimension& L);
};

// What changed.
struct TFigureChange {
    std::vector<TFigureSource> Dimensions; // their links are read again in every chain
    std::vector<Integer> Chains;           // chains whose own values changed (typed, method, risk)
    bool Everything = false;               // every link of every chain read again (an opening)
    Integer First = 0;                     // chains before it are no chains (the assembly's pool)
    // Where the dimension texts the follow writes over are kept. None: closing figures stay in
    // their chains, no dimension is written, and no chain depends on another (an assembly).
    TWrittenDeviations* Written = nullptr;
};

// What following a change did to one chain.
enum class TFollowed : std::int32_t {
    Calculated, // closed: its closing link took the figures, its dimension too when written
    LeftOpen,   // open, or no longer closing: its last link shows its own deviations
    Refused,    // in a ring of chains counting each other's closing dimensions: nothing taken or
                // written
    NoNumbers,  // figures that are no numbers, or a thermal factor that makes a link's length zero
                // or negative: nothing taken or written
    Checked,    // a checked chain checked again: its closing link's note replaced
};

struct TFollowedChain {
    Integer Chain = -1;
    TFollowed Outcome = TFollowed::LeftOpen;
    // The links whose figures changed when read before any chain was calculated: the changes
    // made outside, which a panel tells.
    std::vector<Integer> Changed;
    // The links whose figures changed when read after a chain wrote their dimension.
    std::vector<Integer> Followed;
};

// Follows Change through Chains, in two steps.
// 1. Read: every link of a dimension named, but the closing link of a closed chain (every link
//    with Everything), is read again through Host.Reread. The last link of an unchecked chain
//    keeps its figures (its chain's, or those of a loop it lost); an open chain's then takes
//    its own without counting as changed.
// 2. Calculate: chains in dependency order (each after the chains whose closing dimensions it
//    counts); each chain with a changed link or named in Change.Chains is calculated once. One
//    that no longer closes is left open with its last link read as its own; a checked chain
//    is checked again; any other closed chain is calculated and, with Written, its closing
//    figures written through Host.WriteFigures (the texts replaced kept in Written first),
//    after which the links of that dimension in the chains still to come are read again.
//    Chains in a ring (InRing) are refused and nothing of theirs is written; so is a chain its
//    figures cannot calculate (NoNumbers). Dependencies and rings are found once per follow.
// Gives one outcome per chain with a changed link or calculated, in the order followed. The
// host is reached only through Host.
std::vector<TFollowedChain> FollowFigures(TArrayOf<TDimensionChain>& Chains, TChainHost& Host,
                                          const TFigureChange& Change);

// Every link of C takes its dimension's figures (nominal and deviations, linear and angular)
// as they stand now, read through Host; the rest of each link stays. For a chain whose links
// were copied from dimensions gathered earlier, before it closes.
void ReadFiguresAgain(TDimensionChain& C, TChainHost& Host);

// Whether Chain, one of Chains and closed, is in a ring: it counts, directly or through other
// chains, the closing dimension of a chain that counts its own closing dimension. A chain
// depends on every closed chain whose closing dimension it counts as a link (any link of an
// open chain, the component links of a closed one).
bool InRing(const TArrayOf<TDimensionChain>& Chains, const TDimensionChain& Chain);
// Whether any chain from First on is in a ring; in one pass over the set.
bool AnyInRing(const TArrayOf<TDimensionChain>& Chains, Integer First = 0);
