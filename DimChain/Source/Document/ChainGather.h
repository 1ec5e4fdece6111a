#pragma once
// The recognition pool gathered from the facade's drawing: every linear, diametral and radial
// dimension of every view as a link.

#include "TDimensionChain.h"

// Empties All and fills it with the linear, diametral and radial dimensions of every view of
// the facade's 2D document, view by view in the view's order; clears the host selection.
void GetAllDimensions(TDimensionChain& All);
