#pragma once
// The drawing panel's pool of dimensions and the recognition of chains in it: every linear,
// diametral and radial dimension of the drawing as a link, the derived links of the circular
// ones, and the search for paths of links that share end planes and close with a chosen
// closing dimension.

#include "TArray.h"
#include "TDimensionChain.h"

using TAPlacement3D = TArrayOf<TPlacement3D>;

// Number of the plane P among Placements (the first stored one in the same plane); a new
// plane is appended and gets the former count.
int PutPlacement3D(TAPlacement3D& Placements, const TPlacement3D& P);
// The same by direction: a plane and its reverse share one number.
int PutDPlacement3D(TAPlacement3D& Directions, const TPlacement3D& P);

// Empties All and fills it with the linear, diametral and radial dimensions of every view of
// the facade's 2D document, view by view in the view's order; clears the host selection.
void GetAllDimensions(TDimensionChain& All);
// Appends the derived links (radius from and to the centre, diameter) of every diametral and
// radial link now in All along iAuxiliaryObj, dropping those whose end planes a link of All
// already has.
void AddDerivativeDimensions(TDimensionChain& All, tvapi::IDrawingObjectPtr iAuxiliaryObj);

// Searches All, depth first from the closing dimension D, for paths of links of D's view that
// attach plane to plane and close; the IndexNeed-th path found (1-based; the last one when
// fewer are found) replaces the links of Target with D last. Writes the plane and direction
// numbers into the links of All and into D. Gives the number of closed paths; with none,
// Target is left as it was.
int Make3DDimensionChain(TDimensionChain& All, TDimension& D, int IndexNeed, TAPlacement3D& Placements,
                         TAPlacement3D& Directions, TDimensionChain& Target);
