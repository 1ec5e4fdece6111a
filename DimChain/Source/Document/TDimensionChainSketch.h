#pragma once
// Sketches of a chain drawn through the facade into the current document: the closed polyline
// of its links and the numbered sketch of its component links.

#include "TDimensionChain.h"

// Draws the closed chain as a group of lines head to tail, each link's vector reversed where
// its sign bit is set, the closing link last (line style 7); an open chain draws nothing and
// gives an empty pointer.
tvapi::IDrawingObjectPtr MakeSlide(const TDimensionChain& Chain);
// Draws a numbered sketch of the component links with marks at their ends, as a group.
tvapi::IDrawingObjectPtr Parametric(const TDimensionChain& Chain);
