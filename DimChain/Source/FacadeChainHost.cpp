// The chains' host through the facade: the one place that asks whether a selector exists.

#include "ChainHost.h"

#include "drModelerAPI.h"
#include "drSelectorAPI.h"

namespace {

class TFacadeChainHost final : public TChainHost {
public:
    tvapi::DrawingObjectTypeEnum GetType(const tvapi::IDrawingObjectPtr& Object) override
    {
        return drApi::MA.GetType(Object);
    }
    void Select(const tvapi::IDrawingObjectPtr& Object) override
    {
        if (drApi::Selector) drApi::Selector->Select2D(Object);
    }
    void UnSelect(const tvapi::IDrawingObjectPtr& Object) override
    {
        if (drApi::Selector) drApi::Selector->UnSelect2D(Object);
    }
    void ClearSelection() override
    {
        if (drApi::Selector && drApi::Selector->Selection7) drApi::Selector->Selection7->UnSelectAll();
    }
};

} // namespace

TChainHost& FacadeChainHost()
{
    static TFacadeChainHost host;
    return host;
}
