// The contour drawn through the facade.

#include "drContourAPI.h"

#include "LoadOrder.h"
#include "drModelerAPI.h"

namespace drApi {

[[gnu::init_priority(loadorder::ParametricData)]] TContourAPI ParametricData;

void TContourAPI::drItem(int I, int OutAtribute) const
{
    TContour::drItem(MA, I, OutAtribute);
}

} // namespace drApi
