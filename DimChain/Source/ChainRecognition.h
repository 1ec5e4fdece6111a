#pragma once
// The drawing panel's pool of dimensions and the recognition of chains in it: every linear,
// diametral and radial dimension of the drawing as a link, the derived links of the circular
// ones, and the search for paths of links that share end planes and close with a chosen
// closing dimension.

#include "TDimensionChain.h"
#include "TPlacementIndex.h"

// Paths a recognition tries at most; the cap keeps drawings whose chains share extension
// lines, where the paths multiply with every shared line, from searching without end.
constexpr int MaxPathsExamined = 100000;

// Empties All and fills it with the linear, diametral and radial dimensions of every view of
// the facade's 2D document, view by view in the view's order; clears the host selection.
void GetAllDimensions(TDimensionChain& All);
// Appends the derived links (radius from and to the centre, diameter) of every diametral and
// radial link now in All along iAuxiliaryObj, dropping those whose end planes a link of All
// already has.
void AddDerivativeDimensions(TDimensionChain& All, tvapi::IDrawingObjectPtr iAuxiliaryObj);
// Appends D to All unless a link of All is D's object (a derived link that the derivation
// dropped for a link of the same planes is searched from all the same).
void AddStartLink(TDimensionChain& All, const TDimension& D);

// Searches All, depth first from the closing dimension D, for paths of links of D's view that
// attach plane to plane and close; the IndexNeed-th path found (1-based; the last one when
// fewer are found) replaces the links of Target with D last. Numbers the distinct planes and
// directions anew into Placements and Directions and writes the numbers into the links of All
// and into D. A path is never extended past TDimensionChain::MaxLinks links (no longer one
// closes), and the search stops after MaxPathsExamined paths; *Stopped (when given) tells
// whether it stopped so, with paths left untried. Gives the number of closed paths found;
// with none, Target is left as it was. The host's selection is cleared and shows D, then,
// when a path was kept, Target's links once; the paths tried are never shown.
int Make3DDimensionChain(TDimensionChain& All, TDimension& D, int IndexNeed, TAPlacement3D& Placements,
                         TAPlacement3D& Directions, TDimensionChain& Target, TChainHost& Host,
                         bool* Stopped = nullptr);
