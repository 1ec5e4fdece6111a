#pragma once
// The one loop rule (LinksLoop): whether the links of a chain, or of a path the recognition
// tries, close and with which signs, and the walks it chooses among - linear links end to end
// along their measuring direction, angles by their rays, model links plane to plane. Equal
// nominals alone never close a chain whose links have places.

#include "TArray.h"
#include "TDimension.h"

#include <optional>
#include <vector>

// Links whose signs a mask holds, bit i for link i: the longest searched chain's links and its
// closing link, short of an Integer's sign bit.
constexpr Integer MaskBits = 31;

// Links a loop test reads, the closing link last, by their addresses: a path's as given, a
// chain's listed once when it is asked. Only a view of links that must outlive it; never copied,
// so that the list of a chain's links goes with it.
class TLoopLinks {
public:
    TLoopLinks(const TArrayOf<TDimension>& Links);
    TLoopLinks(const std::vector<const TDimension*>& Links)
        : FLinks(Links.data()), FCount(static_cast<Integer>(Links.size()))
    {
    }
    TLoopLinks(const TLoopLinks&) = delete;
    TLoopLinks& operator=(const TLoopLinks&) = delete;
    Integer Count() const { return FCount; }
    const TDimension& operator[](Integer i) const { return *FLinks[i]; }
    const TDimension& Last() const { return *FLinks[FCount - 1]; }

private:
    std::vector<const TDimension*> FOwn;
    const TDimension* const* FLinks = nullptr;
    Integer FCount = 0;
};

// Where a chain's links are calculated: drawing links add their drawing vectors and their
// fields projected on the closing direction, model links their model vectors and fields.
enum class TChainSpace { Drawing, Model };

// What the loop rule says of a chain's links.
enum class TLoopState : std::int32_t {
    Closed,   // they close a loop, with Signs
    Open,     // they make no loop: places that do not join, or vectors no signs close
    TooShort, // fewer than two links
    TooLong,  // more links than a sign mask holds (TDimensionChain::MaxLinks)
    Refused,  // they close, but an angle would close lengths
};

// The loop rule's answer: the state, and with Closed (or Refused) the signs (bit i for link i,
// set: added). BySum: the links have no places to walk and their vectors' sum gave the signs,
// the lowest closing mask, which cannot tell one closing mask from another.
struct TChainLoop {
    TLoopState State = TLoopState::Open;
    Integer Signs = 0;
    bool BySum = false;
    explicit operator bool() const { return State == TLoopState::Closed; }
};

// Whether Links close and with which signs, in Space: the one answer for a chain
// (TDimensionChain::Loop, which keeps its stored signs and counts its tests) and for a path of
// the recognition alike. Fewer than 2 links are TooShort, more than TDimensionChain::MaxLinks
// TooLong. Drawing links all linear along one measuring direction with their ends in the
// drawing close on their loop (FindLinkLoop), angular links on their rays (FindAngleLoop),
// model links plane to plane (FindPlaneLoop); any other links by their vectors' sum within the
// space's tolerance (SumSigns, BySum), but angles, which never close so. A closing zero gap
// takes the sense ClosingSense gives it; an angle closing links that are not all angles is
// Refused. Keeps nothing and counts nothing.
TChainLoop LinksLoop(const TLoopLinks& Links, TChainSpace Space);
// The lowest mask whose signed sum of the links' vectors (model vectors in 3 components within
// TDimensionChain::ModelTolerance with Model, else drawing ones within DrawingTolerance) is
// zero; none for fewer than 2 or more than TDimensionChain::MaxLinks links.
std::optional<Integer> SumSigns(const TLoopLinks& Links, bool Model);
// Signs that close Links made those of a chain closing on a zero gap (ZeroGapSense); others as
// they are.
Integer ClosingSense(const TLoopLinks& Links, Integer Signs, TChainSpace Space);
// Angular drawing links alone, at least two: a chain of angles.
bool AllAngles(const TLoopLinks& Links);

// What the links of a chain make in the drawing.
enum class TLinkLoop {
    NoPositions, // a link without ends in the drawing, or links along different directions
    Open,        // positioned links that make no single loop
    Closed,      // one loop; the mask holds the walk's signs
};

// Tests whether Links, all linear links (a dimension's or one derived from a circle) along one
// measuring direction, join end to end into one loop: along that direction every end of a link
// lies within Tolerance of an end of exactly one other link, and walking from link to link
// passes every link once. A link of zero length is a loop of its own at its end, and needs the
// loop to pass there. Meeting ends are all the loop asks: their offsets, each within
// Tolerance, may add up to more. With Closed, Mask (bit i for link i, set: the link's vector
// added) gives the walk's signs: the last link with a length is subtracted; a zero link's bit
// stays clear.
TLinkLoop FindLinkLoop(const TLoopLinks& Links, Real Tolerance, Integer& Mask);

// Tests whether Links, all angular links, close by their rays: every ray meets exactly one
// ray of another link (the same vertex and direction within Tolerance), and the walk from the
// closing angle's (the last link's) first ray, through each angle to its other ray, comes back
// to the closing angle's second ray after passing every link once; the rays' lengths do not
// count. With Closed, Mask gives the walk's signs: bit i set when angle i turns, as walked, the
// way the closing angle turns from its first ray to its second, so that the closing angle is
// the signed sum of the others within whole turns; the closing link's bit stays clear.
// NoPositions when a link's rays are not known.
TLinkLoop FindAngleLoop(const TLoopLinks& Links, Real Tolerance, Integer& Mask);

// Whether L, a model link, measures between two planes it joins: a dimension between faces or
// sketch lines (an operation's edges give none), numbered, its planes parallel and its vector
// their distance within Tolerance. A chain with a link that has none closes by its vectors.
bool HasPlanes(const TDimension& L, Real Tolerance);

// Tests whether Links, model links with the closing link last, join plane to plane: every plane
// one of them ends in is the end of exactly two of them (planes compared as the assembly's plane
// table compares them, IsSamePlane), so that the walk from one plane of the closing link through
// the others comes back to its other plane passing every link and no plane twice. A link of zero
// length (both ends in one plane) needs the loop to pass its plane. The parts as they stand:
// their planes, not their vectors' sum. NoPositions when a link has no planes (HasPlanes). With
// Closed, Mask gives the walk's signs as FindLinkLoop gives them: the last link with a length is
// subtracted, a zero link's bit stays clear.
TLinkLoop FindPlaneLoop(const TLoopLinks& Links, Real Tolerance, Integer& Mask);

// A link no longer than Tolerance (its model vector's length in a model chain, Model): as a
// closing link, a gap designed to be zero.
bool IsZeroGap(const TDimension& L, Real Tolerance, bool Model = false);
// A chain closing on a zero gap has no sense of its own: it is taken in the sense in which its
// longest component is added (gap = enclosing part - the parts it holds), the first of equally
// long ones (within Tolerance), so the figures follow neither the pick nor the drawing order.
// Mask closes Links; the result is Mask or Mask with the sign of every link with a length
// reversed. Picked and recognised chains alike, drawing chains by their drawing vectors, model
// chains (Model) by their model vectors, so the figures follow neither the order of the parts
// nor that of the search.
Integer ZeroGapSense(const TLoopLinks& Links, Integer Mask, Real Tolerance, bool Model = false);
