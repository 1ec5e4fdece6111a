#pragma once
// The loop a picked drawing chain makes in the drawing: links measured along one direction
// between points of the drawing close only when they join end to end into one loop, and the
// walk around that loop gives their signs. Equal nominals alone never close such a chain.

#include "TArray.h"
#include "TDimension.h"

#include <vector>

// Links whose signs a mask holds, bit i for link i: the longest searched chain's links and its
// closing link, short of an Integer's sign bit.
constexpr Integer MaskBits = 31;

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
TLinkLoop FindLinkLoop(const TArrayOf<TDimension>& Links, Real Tolerance, Integer& Mask);
// The same for links held elsewhere, by their addresses.
TLinkLoop FindLinkLoop(const std::vector<const TDimension*>& Links, Real Tolerance, Integer& Mask);

// Tests whether Links, all angular links, close by their rays: every ray meets exactly one
// ray of another link (the same vertex and direction within Tolerance), and the walk from the
// closing angle's (the last link's) first ray, through each angle to its other ray, comes back
// to the closing angle's second ray after passing every link once; the rays' lengths do not
// count. With Closed, Mask gives the walk's signs: bit i set when angle i turns, as walked, the
// way the closing angle turns from its first ray to its second, so that the closing angle is
// the signed sum of the others within whole turns; the closing link's bit stays clear.
// NoPositions when a link's rays are not known.
TLinkLoop FindAngleLoop(const TArrayOf<TDimension>& Links, Real Tolerance, Integer& Mask);

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
TLinkLoop FindPlaneLoop(const TArrayOf<TDimension>& Links, Real Tolerance, Integer& Mask);

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
Integer ZeroGapSense(const TArrayOf<TDimension>& Links, Integer Mask, Real Tolerance, bool Model = false);
