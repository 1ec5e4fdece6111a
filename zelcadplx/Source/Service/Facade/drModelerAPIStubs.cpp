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
// Waits for the control model's detail files (the detail-number forms of insertion), the
// sketch-based features and 3D macros.
void TModelerApi::AddDetail(Real const&, Real const&, Real const&, Integer, Integer, Boolean) {}
void TModelerApi::AddDetailAxle(Real const&, Real const&, Real const&, Integer, Integer, Real const&,
                                Real const&, Real const&, Real const&, Real const&, Real const&)
{
}
void TModelerApi::drMacro3D(Str const&, Boolean) {}
void TModelerApi::drEndMacro3D() {}
void TModelerApi::drClose3D(Boolean, Quor::TSectionSpc) {}
void TModelerApi::drBaseExtrusion(tvapi::tvDirectionTypeEnum, tvapi::tvEndTypeEnum, Real const&, Real const&)
{
}
void TModelerApi::drCutExtrusion(tvapi::tvDirectionTypeEnum, tvapi::tvEndTypeEnum, Real const&, Real const&)
{
}
void TModelerApi::drSurfaceExtrusion(tvapi::tvDirectionTypeEnum, tvapi::tvEndTypeEnum, Real const&,
                                     Real const&)
{
}
void TModelerApi::drBaseRotate(Integer, Real const&) {}
void TModelerApi::drCutRotate(Integer, Real const&, TMark*) {}
void TModelerApi::drSurfaceRotate(Integer, Real const&) {}

} // namespace drApi
