// The chains' host through the facade and its selector: the one place the library's chain
// command reaches either.

#include "FacadeChainHost.h"

#include "Messager.h"
#include "TDimension.h"
#include "drModelerAPI.h"
#include "drSelectorAPI.h"

namespace {

class TFacadeChainHost final : public TChainHost {
public:
    tvapi::DrawingObjectTypeEnum GetType(const tvapi::IDrawingObjectPtr& Object) override
    {
        return drApi::MA.GetType(Object);
    }
    Integer GetNumberView(const tvapi::IDrawingObjectPtr& Object) override
    {
        return drApi::MA.GetNumberView(Object);
    }
    void GetDimParam(const tvapi::IDrawingObjectPtr& Object, Real& Nominal, TString& Qualitet, Real& QHigh,
                     Real& QLow, bool Angular) override
    {
        drApi::MA.GetDimParam(Object, Nominal, Qualitet, QHigh, QLow, Angular);
    }
    // A drawing's closing dimension shows its chain's figures: the link reads it whole.
    bool Reread(TDimension& Link, bool) override { return Link.LoadChange(*this); }
    bool GiveAgain(TDimension& Link) override { return Link.Derive(*this); }
    void WriteFigures(TDimension& Link) override { Link.toDrawing(*this); }
    void WriteTexts(TDimension& Link, const TDeviationTexts& Texts) override
    {
        Texts.WriteTo(Link.Obj);
        Link.LoadChange(*this);
    }
    void Tell(const TString& Text) override { Messager.LiftBox(Text, TMessager::toAlways); }
    bool HasDrawing() override { return static_cast<bool>(drApi::MA.R3->IDoc2D); }
    void Select(const tvapi::IDrawingObjectPtr& Object) override { FSelector.Select2D(Object); }
    void UnSelect(const tvapi::IDrawingObjectPtr& Object) override { FSelector.UnSelect2D(Object); }
    void SelectModel(const tvapi::IModelObjectPtr& Object) override
    {
        FSelector.Select(tvapi::ITervanAPIObjectPtr(Object));
    }
    void ClearSelection() override
    {
        if (FSelector.Selection7) FSelector.Selection7->UnSelectAll();
    }
    int SelectedCount() override { return FSelector.GetCount(); }
    tvapi::IModelObjectPtr SelectedModel(int I) override { return FSelector.Get7(I); }
    void Choose(const tvapi::IDrawingObjectPtr& Object) override { FSelector.Choose2D(Object); }
    void UnChoose(const tvapi::IDrawingObjectPtr& Object) override { FSelector.UnChoose2D(Object); }

    drApi::TSelectorAPI& Selector() { return FSelector; }

private:
    // The selector lives as long as the library: checked here, once, and by no call.
    drApi::TSelectorAPI& FSelector = drApi::Selector ? *drApi::Selector : drApi::TSelectorAPI::Instance();
};

TFacadeChainHost& Host()
{
    static TFacadeChainHost host;
    return host;
}

} // namespace

TChainHost& FacadeChainHost()
{
    return Host();
}

void BeginChainSelection()
{
    Host().Selector().Begin();
}
