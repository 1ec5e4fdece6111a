// ==== drApi::TModelerApi (drModelerAPI.h), part: view projections ===============================
// The facade's view projections of the current 3D document: a standard one shown (and kept as
// the current drawing object, so the caller can restore it later), one given by a matrix, and
// a kept one shown again.

#include "drModelerAPI.h"

#include <vector>

#include "Mtr3D.h"
#include "tvapi/ViewProjection.h"

namespace drApi {

void TModelerApi::SaveAndSetViewProjection(tvapi::tvViewProjectionType Ptype)
{
    const tvapi::IViewProjectionManagerPtr manager =
        R3->IDoc3D ? R3->IDoc3D->GetViewProjectionManager() : nullptr;
    const tvapi::IViewProjectionPtr projection = manager ? manager->GetProjection(Ptype) : nullptr;
    if (projection) projection->Apply(true);
    R2->CurDrawingObject = projection;
}

void TModelerApi::CreateViewProjection(const TMtr3D& Mtr)
{
    const tvapi::IViewProjectionManagerPtr manager =
        R3->IDoc3D ? R3->IDoc3D->GetViewProjectionManager() : nullptr;
    const tvapi::IViewProjectionPtr projection = manager ? manager->AddProjection() : nullptr;
    if (!projection) return;
    std::vector<double> cells;
    projection->SetMatrix(Mtr.to(cells));
    projection->Apply(true);
}

void TModelerApi::RestoreViewProjection(tvapi::IViewProjectionPtr& View)
{
    if (!View) return;
    View->Apply(true);
    View.Reset();
}

} // namespace drApi
