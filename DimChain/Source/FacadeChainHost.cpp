// The chains' host through the facade's selector.

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
    void Select(const tvapi::IDrawingObjectPtr& Object) override { FSelector.Select2D(Object); }
    void UnSelect(const tvapi::IDrawingObjectPtr& Object) override { FSelector.UnSelect2D(Object); }
    void ClearSelection() override
    {
        if (FSelector.Selection7) FSelector.Selection7->UnSelectAll();
    }
    void Choose(const tvapi::IDrawingObjectPtr& Object) override { FSelector.Choose2D(Object); }
    void UnChoose(const tvapi::IDrawingObjectPtr& Object) override { FSelector.UnChoose2D(Object); }

private:
    drApi::TSelectorAPI& FSelector = drApi::TSelectorAPI::Instance();
};

} // namespace

TChainHost& FacadeChainHost()
{
    static TFacadeChainHost host;
    return host;
}
