// The drawing-object helpers.

#include "drObjects2D.h"

#include "drModelerAPI.h"

namespace drApi {

tvapi::DrawingObjectTypeEnum GetType(tvapi::IDrawingObjectPtr Obj)
{
    return MA.GetType(std::move(Obj));
}

std::vector<tvapi::IDrawingObjectPtr> GetObjects2D(tvapi::IViewPtr& View, tvapi::DrawingObjectTypeEnum T)
{
    const tvapi::IDrawingContainerPtr container(View);
    if (!container) return {};
    return container->GetObjects(T);
}

} // namespace drApi
