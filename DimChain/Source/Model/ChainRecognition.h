#pragma once
// The drawing panel's pool of dimensions and the recognition of chains in it: every linear,
// diametral and radial dimension of the drawing as a link, the derived links of the circular
// ones, and the search for paths of links that share end planes and lead from a chosen closing
// dimension's one plane back to its other. The pool is gathered from the facade's drawing by
// the document side (ChainGather.h).

#include "TDimensionChain.h"
#include "TPlacementIndex.h"

#include <vector>

// Paths a recognition tries at most; the cap keeps drawings whose chains share extension
// lines, where the paths multiply with every shared line, from searching without end.
constexpr int MaxPathsExamined = 100000;

// Appends the derived links (radius from and to the centre, diameter) of every diametral and
// radial link now in All along iAuxiliaryObj, dropping those whose end planes a link of All
// already has.
void AddDerivativeDimensions(TDimensionChain& All, TChainHost& Host, tvapi::IDrawingObjectPtr iAuxiliaryObj);
// Appends D to All unless a link of All is D's object (a derived link that the derivation
// dropped for a link of the same planes is searched from all the same).
void AddStartLink(TDimensionChain& All, const TDimension& D);

// Searches All, depth first from the closing dimension D, for paths of links of D's view that
// attach plane to plane from D's first plane back to its second, never passing a plane twice
// (a path that reaches it is not extended, and is counted when its links close with D on
// their loop in the drawing, a ring round a zero gap once); the IndexNeed-th path counted
// (1-based; the last one when fewer are) replaces the links of Target with D last. Numbers
// the distinct planes and directions anew, planes that meet within the drawing tolerance as
// one, into Placements and Directions and writes the numbers into the links of All and into D.
// A path is never extended past TDimensionChain::MaxLinks links, and the search stops after
// MaxPathsExamined paths; *Stopped (when given) tells whether it stopped so, with paths left
// untried. Gives the number of closed paths found; with none, Target is left as it was. The
// host's selection is cleared and shows D, then, when a path was kept, Target's links once; the
// paths tried are never shown.
int Make3DDimensionChain(TDimensionChain& All, TDimension& D, int IndexNeed, TAPlacement3D& Placements,
                         TAPlacement3D& Directions, TDimensionChain& Target, TChainHost& Host,
                         bool* Stopped = nullptr);

// Paths between planes a search counts at most (the assembly's detection).
constexpr int MaxPathsCounted = 10000;

// The paths found from a closing link: how many, the kept one (link indexes, the closing link
// last), whether the search stopped at a bound with paths left untried, and the paths tried.
struct TPlanePaths {
    int Found = 0;
    std::vector<int> Kept;
    bool Stopped = false;
    int Examined = 0;
};

// Searches Pool, depth first in index order, for paths of links (no link twice, no plane
// passed twice) from the first plane IP1 of link Closing to its second plane IP2, attaching
// plane number to plane number; a path that reaches IP2 is not extended past it, and is
// counted when its links close with Closing: on their planes, which a path joins by its
// making, or by their model vectors when a link has none (a path too long for the closure test
// always is), a ring round a zero gap once whichever way it is walked. Keeps the IndexNeed-th
// path found (1-based, the last when fewer are found). Stops after MaxPathsExamined links tried
// or MaxPathsCounted paths counted. No path for a Closing out of the pool or without planes;
// links whose plane numbers are negative take no part.
TPlanePaths FindPlanePaths(const TDimensionChain& Pool, int Closing, int IndexNeed);
