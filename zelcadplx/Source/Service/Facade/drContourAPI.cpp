// The contour drawn through the facade.

#include "drContourAPI.h"

#include "drModelerAPI.h"

namespace drApi {

void TContourAPI::drItem(int I, int OutAtribute) const
{
    TContour::drItem(MA, I, OutAtribute);
}

} // namespace drApi
