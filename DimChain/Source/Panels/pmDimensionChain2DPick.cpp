// TpmDimensionChain2D, part 2 of 3: picking in the drawing (PlacementChanged, Highlight, Click...).
// The cursor highlights what the panel's state accepts; a click adds, removes or completes a
// link of the current chain.

#include "pmDimensionChain2D.h"

#include "ChainGrid.h"
#include "Dictionary.h"
#include "FacadeChainHost.h"
#include "Messager.h"
#include "TDimensionChainSketch.h"
#include "drModelerAPI.h"
#include "drObjects2D.h"
#include "tvapi/DrawingComposites.h"

namespace {

bool Accepts(TpmDimensionChain2D::TState State, tvapi::DrawingObjectTypeEnum T)
{
    switch (State) {
    case TpmDimensionChain2D::stBase:
        return T == tvapi::tvDrLDimension || T == tvapi::tvDrADimension || T == tvapi::tvDrDDimension ||
               T == tvapi::tvDrRDimension;
    case TpmDimensionChain2D::stDirection:
    case TpmDimensionChain2D::stProjection:
    case TpmDimensionChain2D::stAngle: // a segment or a linear dimension gives the angular link its line;
                                       // a link of the chain takes the angle
        return T == tvapi::tvDrLDimension || T == tvapi::tvDrLineSeg || T == tvapi::tvDrDDimension ||
               T == tvapi::tvDrRDimension;
    case TpmDimensionChain2D::stAngleTolerance:
        return T == tvapi::tvDrADimension;
    default:
        return false;
    }
}

} // namespace

tvapi::IDrawingObjectPtr TpmDimensionChain2D::FindAt(double x, double y)
{
    const tvapi::ITervanDocument2DPtr doc = drApi::MA.R3->IDoc2D;
    if (!doc) return {};
    const tvapi::ITervanAPIObjectPtr parameters = doc->GetFindObjectParameters();
    const double tolerance = doc->GetSearchTolerance();
    tvapi::IDrawingObjectPtr found = doc->FindObject(x, y, tolerance, parameters);
    while (found && found->GetDrawingObjectType() == tvapi::tvDrMacro) {
        const tvapi::IMacroObjectPtr macro(found);
        found = macro ? macro->FindElement(x, y, tolerance, parameters) : tvapi::IDrawingObjectPtr();
    }
    return found;
}

bool TpmDimensionChain2D::PlacementChanged(double x, double y, double, bool dynamic)
{
    if (dynamic) {
        Highlight(x, y);
        return true;
    }
    if (State == stBase) {
        ClickBase();
        return true;
    }
    if (!rLightObj) {
        AbandonPick();
        return true;
    }
    if (State == stAngleTolerance || State == stProjection) {
        if (CurrentLink()) LayOn(DimensionChains.CurrentDim, State == stAngleTolerance, rLightObj);
        FacadeChainHost().Choose(WaitAuxiliary);
        WaitAuxiliary.Reset();
        FinishPick();
        return true;
    }
    // An angle picked onto a link of the chain, open or closed, linear or circular, is laid as
    // the grid's command lays it: the link's record changes and the chain follows it.
    const Integer at = Chain().Index(rLightObj);
    const bool laid = State == stAngle && at >= 0;
    if (laid) {
        LayOn(at, true, WaitAuxiliary);
    } else if (Chain().Closed && at < 0) {
        RefuseClosed();
        AbandonPick();
        return true;
    }
    TAdded added;
    if (!laid) {
        added = Chain().Add(WaitAuxiliary, rLightObj, FacadeChainHost(), Pick());
        ChainGrid::WriteAdded(FLinkGrid, Chain(), added, DimensionChains.Current);
        if (added && Chain().IsTooLong()) Tell(DC(TString(TDimensionChain::TooLongText)));
        StartFollow(added);
        TellUnread();
    }
    if (laid || added) {
        FacadeChainHost().Select(rLightObj);
        FacadeChainHost().Select(WaitAuxiliary);
        if (State == stDirection) {
            FacadeChainHost().UnChoose(rLightObj);
            FacadeChainHost().UnChoose(WaitAuxiliary);
        } else {
            FacadeChainHost().Choose(rLightObj);
            FacadeChainHost().Choose(WaitAuxiliary);
        }
        rLightObj.Reset();
        WaitAuxiliary.Reset();
    }
    FinishPick();
    return true;
}

void TpmDimensionChain2D::LayOn(Integer At, bool Angle, const tvapi::IDrawingObjectPtr& Object)
{
    TDimension& L = Chain().Dimensions[At];
    if (Angle)
        L.SetAngleTolerance(FacadeChainHost(), Object);
    else
        L.SetProjectionOn(FacadeChainHost(), Object);
    RewriteRow(At);
    FollowLink();
    RedrawGrid();
}

void TpmDimensionChain2D::Highlight(double x, double y)
{
    if (rLightObj) {
        FacadeChainHost().UnChoose(rLightObj);
        rLightObj.Reset();
    }
    const tvapi::IDrawingObjectPtr found = FindAt(x, y);
    if (!found || !Accepts(State, found->GetDrawingObjectType())) return;
    FacadeChainHost().Choose(found);
    rLightObj = found;
}

void TpmDimensionChain2D::ClickBase()
{
    if (!rLightObj) return;
    TDimensionChain& C = Chain();
    if (const Integer at = C.Index(rLightObj); at >= 0) {
        const tvapi::IDrawingObjectPtr closing = ClosingDimension(C);
        C.Remove(rLightObj, FacadeChainHost());
        ChainGrid::DeleteRow(FLinkGrid, C, at);
        GiveBackTexts(closing);
        LinkRemoved();
        return;
    }
    const tvapi::DrawingObjectTypeEnum type = drApi::GetType(rLightObj);
    // An angle may still be laid on a link of a closed chain; nothing new joins it.
    if (C.Closed && type != tvapi::tvDrADimension) {
        RefuseClosed();
        return;
    }
    switch (type) {
    case tvapi::tvDrLDimension: {
        const TAdded added = C.Add(rLightObj, {}, FacadeChainHost(), Pick());
        ChainGrid::WriteAdded(FLinkGrid, C, added, DimensionChains.Current);
        if (added && C.IsTooLong()) Tell(DC(TString(TDimensionChain::TooLongText)));
        StartFollow(added);
        TellUnread();
        if (added) {
            DimensionChains.CurrentDim = C.Count() > 0 ? C.Count() - 1 : 0;
            FacadeChainHost().Select(rLightObj);
            FacadeChainHost().UnChoose(rLightObj);
            ShowRecognition();
        }
        RefreshSlide();
        break;
    }
    case tvapi::tvDrDDimension:
    case tvapi::tvDrRDimension:
    case tvapi::tvDrADimension:
        WaitAuxiliary = rLightObj;
        tWaitAuxiliary = tLightObj = type;
        State = type == tvapi::tvDrADimension ? stAngle : stDirection;
        SetPrompt(DC(type == tvapi::tvDrADimension ? "Укажите объект, к которому применить угловые отклонения"
                                                   : "Укажите объект задающий направление"));
        break;
    default:
        break;
    }
    rLightObj.Reset();
}

void TpmDimensionChain2D::RefuseClosed()
{
    Messager.LiftBox(TString("Невозможно добавить к замкнутой цепи"), TMessager::toAlways);
}

TClosingStep TpmDimensionChain2D::Pick()
{
    return {};
}

void TpmDimensionChain2D::StartFollow(const TAdded& Added)
{
    // An angle laid on a link changed it: the follow tests the loop of a closed chain again.
    if (Added.Laid) {
        if (Added.Closing) FollowLink();
        return;
    }
    switch (Added.Closing.State) {
    case TClosing::Open:
        return;
    case TClosing::Closed:
        FollowClosed(); // the follow calculates, notes and writes the closing figures
        return;
    case TClosing::Refused:
        Tell(DC("Угол не может замыкать цепь с линейными размерами"));
        return;
    }
}

void TpmDimensionChain2D::AbandonPick()
{
    FacadeChainHost().UnChoose(rLightObj);
    FacadeChainHost().UnChoose(WaitAuxiliary);
    rLightObj.Reset();
    WaitAuxiliary.Reset();
    AwaitDimension();
}

void TpmDimensionChain2D::FinishPick()
{
    const Integer count = Chain().Count();
    DimensionChains.CurrentDim = count > 0 ? count - 1 : 0;
    AwaitDimension();
}

void TpmDimensionChain2D::RefreshSlide()
{
    if (SlideGroup) {
        SlideGroup->Delete();
        SlideGroup.Reset();
    }
    SlideGroup = MakeSlide(Chain());
    if (sbDimChain) sbDimChain->SetDrawingGroup(tvapi::IDrawingGroupPtr(SlideGroup));
    if (SlideGroup) Messager.LiftBox(DC("Цепь замкнулась"), TMessager::toAlways);
}
