// ==== drApi::TModelerApi (drModelerAPI.h), part: operations that wait ===========================
// The facade's modeller operations that do not reach the host yet: each does nothing, tells
// the host nothing and answers false or 0. Each group names the work it waits for.

#include "drModelerAPI.h"

namespace drApi {

// Waits for the 3D dimension layout (sketch-based features).
void TModelerApi::drRectAngleAxleDim3D(tvapi::tvObj3dTypeEnum, Real const&, Real const&, Real const&,
                                       Real const&, Real const&, Integer, Str const&)
{
}

} // namespace drApi
