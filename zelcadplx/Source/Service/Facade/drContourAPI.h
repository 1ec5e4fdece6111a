#pragma once
// drApi::TContourAPI: a contour that draws its curves straight into the host document
// through the facade.

#include "Contour.h"

namespace drApi {

class TContourAPI : public TContour {
public:
    // Curve I through drApi::MA: segments as lines, circles, arcs; other kinds and an index
    // outside the contour draw nothing. Style OutAtribute, or the curve's own when it is 0.
    void drItem(int I, int OutAtribute) const;
    using TContour::drItem; // through a modeller of the caller's
};

// An empty contour of the facade, alive from load to unload.
extern TContourAPI ParametricData;

} // namespace drApi
