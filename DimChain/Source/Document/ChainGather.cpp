// The recognition pool gathered from the facade's drawing: every linear, diametral and radial
// dimension of every view.

#include "ChainGather.h"

#include "FacadeChainHost.h"
#include "drModelerAPI.h"
#include "drObjects2D.h"
#include "tvapi/DrawingPrimitives.h"

#include <vector>

void GetAllDimensions(TDimensionChain& All)
{
    All.Dimensions.Clear();
    FacadeChainHost().ClearSelection();
    const tvapi::ITervanDocument2DPtr doc = drApi::MA.R3->IDoc2D;
    if (!doc) return;
    const tvapi::IViewsAndLayersManagerPtr manager = doc->GetViewsAndLayersManager();
    const tvapi::IViewsPtr views = manager ? manager->GetViews() : tvapi::IViewsPtr();
    if (!views) return;
    // Gathered first and counted, so that the pool grows once, not by its step per dimension.
    std::vector<tvapi::IDrawingObjectPtr> dims;
    for (int v = 0; v < views->GetCount(); ++v) {
        tvapi::IViewPtr view = views->GetItem(v);
        for (const tvapi::IDrawingObjectPtr& obj : drApi::GetObjects2D(view, tvapi::tvAllObj)) {
            const tvapi::DrawingObjectTypeEnum type = drApi::GetType(obj);
            if (type == tvapi::tvDrLDimension || type == tvapi::tvDrDDimension ||
                type == tvapi::tvDrRDimension)
                dims.push_back(obj);
        }
    }
    All.Dimensions.ReserveSize(static_cast<Integer>(dims.size()));
    for (const tvapi::IDrawingObjectPtr& obj : dims) {
        switch (drApi::GetType(obj)) {
        case tvapi::tvDrLDimension:
            All.Dimensions.Add().SetLDim(FacadeChainHost(), obj, {});
            break;
        case tvapi::tvDrDDimension:
            All.Dimensions.Add().SetDDim(FacadeChainHost(), obj, {});
            break;
        default:
            All.Dimensions.Add().SetRDim(FacadeChainHost(), obj, {});
            break;
        }
    }
}
