// The facade's modeller operations that do not reach the host yet: each does nothing, tells
// the host nothing and answers false or 0. Each group names the work it waits for.

#include "drModelerAPI.h"

namespace drApi {

// Waits for the 3D dimension layout and placements of sketches (sketch-based features).
void TModelerApi::drGlobalMtr(Real const&, Real const&, Real const&) {}
void TModelerApi::drRectAngleAxleDim3D(tvapi::tvObj3dTypeEnum, Real const&, Real const&, Real const&,
                                       Real const&, Real const&, Integer, Str const&)
{
}
// Waits for "Parts with real bodies: the 3D stand-in on OpenCASCADE, entity identity, edges,
// placements and 3D documents" (detail insertion, 3D documents, colours), and for the
// sketch-based features, 3D macros and planes with sketches that follow it.
void TModelerApi::drPlaneEskis(tvapi::tvObj3dTypeEnum, Real, Real, Str const&) {}
void TModelerApi::AddDetail(Real const&, Real const&, Real const&, Integer, Integer, Boolean) {}
void TModelerApi::AddDetailAxle(Real const&, Real const&, Real const&, Integer, Integer, Real const&,
                                Real const&, Real const&, Real const&, Real const&, Real const&)
{
}
void TModelerApi::drMacro3D(Str const&, Boolean) {}
void TModelerApi::drEndMacro3D() {}
Boolean TModelerApi::drCreate3D(Boolean, Boolean, Str const&, Str const&, Str const&)
{
    return false;
}
void TModelerApi::drColor3D(Integer, Real const&, Real const&, Real const&, Real const&, Real const&,
                            Real const&)
{
}
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
