#pragma once
// The one path by which a chain set follows a change of the figures its chains count: links
// read again, the chains that count them calculated again, each once, in the order they depend
// on each other, and what it did to each chain as a typed outcome that a panel only draws and
// tells. Every cause goes through it: a chain writing or giving back its closing figures, a
// value typed, a method or risk chosen, a document opened with changed dimensions or parts.

#include "TDimensionChain.h"

#include <optional>
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

// A dimension a chain closes on no more, with the own texts that chain kept of it.
struct TReleased {
    TFigureSource Dimension;
    std::optional<TDeviationTexts> Own;
};

// What changed.
struct TFigureChange {
    std::vector<TFigureSource> Dimensions; // their links are read again in every chain
    std::vector<Integer> Chains;           // chains whose own values changed (typed, method, risk)
    std::vector<Integer> Laid;             // chains a command changed a link of (loop tested)
    // Chains whose loop was just decided (a pick or a recognition that closed them, an opening
    // that shortened them): ranked as Laid ones in a ring, their loop not tested again.
    std::vector<Integer> Decided;
    std::vector<TReleased> Released; // closing dimensions let go of (links removed)
    // Every link of every chain read again and every closed chain's loop tested again; an
    // open chain still holding own texts lets its last link's dimension go (an opening).
    bool Everything = false;
    Integer First = 0; // chains before it are no chains (the assembly's pool)
    // Where the dimension texts the follow writes over are kept. None: closing figures stay in
    // their chains, no dimension is written, and no chain depends on another (an assembly).
    TWrittenDeviations* Written = nullptr;
};

// What following a change did to one chain.
enum class TFollowed : std::int32_t {
    Calculated, // closed: its closing link took the figures, its dimension too when written
    LeftOpen,   // open, or no longer closing: its last link shows its own deviations
    Refused,    // in a ring of chains counting each other's closing dimensions: nothing taken or
                // written, and shown open as LeftOpen
    NoNumbers,  // figures that are no numbers, or a thermal factor that makes a link's length zero
                // or negative: nothing taken or written, and shown open as LeftOpen
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
    // Held closed, its links close no more as they stand (a link moved or turned): left open.
    bool LostLoop = false;
};

// Follows Change through Chains: the one place where a chain is calculated, refused, its
// closing link noted and its closing dimension decided and written, whatever the cause (a pick
// or a recognition that closed a chain, a command on a link, a typed value, an opening). One
// TFollow (ChainFollow.cpp) keeps one record per chain and runs these steps in this order.
// 1. Read: every link of a dimension named, but the closing link of a closed chain (every link
//    with Everything), is read again through Host.Reread. The last link of an unchecked chain
//    keeps its figures (its chain's, or those of a loop it lost); an open chain's then takes
//    its own without counting as changed. With Written, a closing link whose dimension another
//    chain writes reads all but its deviations; on an opening, texts typed over the figures
//    its own chain wrote are a change and become the dimension's own texts.
// 2. OpenLostLoops: a closed chain with a moved link, or named in Change.Laid (every closed chain with
//    Everything), but none named in Change.Decided, asks the loop rule once
//    (TDimensionChain::Loop) and takes its signs; one that no longer closes, or that the rule
//    refuses, is left open, its last link read as its own, the pick's residual, the length note
//    and a check's figures dropped from its note, and its closing dimension let go (Released).
// 3. RefuseRings: every chain in a ring of chains counting each other's closing dimensions
//    (InRing) is refused and shown open, a chain named in Change.Laid first, so that the chains
//    it would chase keep their figures. Dependencies and rings are found once per follow.
// 4. GiveBack: each dimension let go of is given to the chain that writes it now, which is then
//    calculated, or else gets its own texts back (once: a second chain letting it go in the
//    same follow changes nothing).
// 5. Calculate: chains in dependency order (each after the chains whose closing dimensions it
//    counts); each chain with a changed link or named in Change.Chains is calculated once
//    (TDimensionChain::TakeCalculation, which also writes its closing link's note); a checked
//    chain is checked again; a chain its figures cannot calculate is NoNumbers and shown open.
// 6. ReadShownOpen: a chain shown open reads its closing dimension as the follow left it.
// With Written, what each closing dimension shows is decided in one place, once: the figures
// of the first chain of the set that closes on it unchecked (its writer), written through
// Host.WriteFigures once that chain is calculated; or, when no chain closes on it any more,
// the own texts the chain that let it go kept (else those this run wrote over), through
// Host.WriteTexts. The texts replaced are kept in Written first, and the links of a dimension
// so written are read again in the chains still to come. Without Written nothing is written.
// Gives one outcome per chain with a changed link, left open or calculated, in the order
// followed. The host is reached only through Host.
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
