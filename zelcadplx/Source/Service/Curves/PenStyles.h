#pragma once
// TPenStyles: the line look of recorded drawings and of the modeller's style table. Shared
// by the graphic image and the modeller interface.

#include "BaseTypes.h"

enum TPenStyles : Integer {
    psUnknown = 0,
    psSolid = 1,
    psThinSolid = 2,
    psDash = 3,
    psDot = 4,
    psDashDot = 5,
    psDashDotDot = 6,
    psClear = 7,
    psInsideFrame = 8,
};
