// TpmDimensionChain2D, part 3 of 3: commands - buttons, grid tool bar, settings, grid edits, OK.

#include "pmDimensionChain2D.h"

#include "ChainGrid.h"
#include "Dictionary.h"
#include "Messager.h"
#include "drModelerAPI.h"
#include "tvapi/Application.h"

#include <algorithm>
#include <string>
#include <utility>

namespace {

constexpr int HostWithReadOnlyColumns = 16; // hosts up to this major version lock columns themselves

void ClearSelection()
{
    FacadeChainHost().ClearSelection();
}

void Tell(const TString& Text)
{
    Messager.LiftBox(Text, TMessager::toAlways);
}

// Removes every link of C and empties their rows.
void EmptyChain(TDimensionChain& C, const TLinkGridPtr& Grid)
{
    const int rows = C.Count();
    C.RemoveAll(FacadeChainHost());
    ChainGrid::ClearRows(Grid, rows);
}

bool Same(const tvapi::IPropertyControlPtr& A, const tvapi::IAPIObjectPtr& B)
{
    return tvapi::IAPIObjectPtr(A) == B;
}

} // namespace

bool TpmDimensionChain2D::ControlCommand(tvapi::IPropertyControlPtr Control, int ButtonID)
{
    if (Same(Control, tvapi::IAPIObjectPtr(bSaveInText)))
        SaveReport();
    else if (Same(Control, tvapi::IAPIObjectPtr(bAddDimChain)))
        AddChain();
    else if (Same(Control, tvapi::IAPIObjectPtr(bAddDimChainForDim)))
        RecogniseChains();
    else if (Same(Control, tvapi::IAPIObjectPtr(bRemoveDimChain)))
        RemoveChain();
    else if (Same(Control, tvapi::IAPIObjectPtr(grListDimChain)))
        GridCommand(ButtonID);
    return false;
}

void TpmDimensionChain2D::SaveReport()
{
    DimensionChains.SaveReport(ActiveDoc ? std::wstring(ActiveDoc->GetFileName()) : std::wstring());
}

void TpmDimensionChain2D::AddChain()
{
    // Always a fresh chain: a slot the array still holds past its count keeps old links.
    DimensionChains.Current = DimensionChains.DimChains.Count;
    DimensionChains.DimChains.Add(TDimensionChain());
    Chain().Closed = false;
    RefreshChainControls(DimensionChains.Current + 1, true);
}

void TpmDimensionChain2D::RecogniseChains()
{
    const bool fresh = !eDetectDimensionChain || !eDetectDimensionChain->GetVisible();
    if (fresh) {
        const TDimension* L = CurrentLink();
        if (!L) return;
        IndexNeedDimensionChain = 1;
        LastDimension = *L;
    }
    // A derived link has no dimension of its own: it is derived again along its own direction.
    const bool derived = !LastDimension.Obj;
    if (derived && !LastDimension.PearentObj) return;
    AddDerivativeDimensions(derived ? LastDimension.AuxObj : LastDimension.Obj);
    AddStartLink(AllDimension2D, LastDimension);
    TDimensionChain& C = Chain();
    bool stopped = false;
    const int before = C.Count();
    const int n = Make3DDimensionChain(AllDimension2D, LastDimension, IndexNeedDimensionChain, Placements,
                                       Directions, C, FacadeChainHost(), &stopped);
    if (n > 0) ChainGrid::ClearRows(FLinkGrid, before); // the links found replaced the chain's
    ResetCurrentLink();
    if (n != 1) Tell(TString("Распознаны ") + TString(n) + TString(" цепи"));
    if (stopped)
        Tell(TString("Поиск остановлен: просмотрено ") + TString(MaxPathsExamined) + TString(" путей"));
    if (n == 1) {
        IndexNeedDimensionChain = 1;
    } else {
        if (n == 0) return;
        FRecognised = n;
        if (eDetectDimensionChain) {
            eDetectDimensionChain->SetRange(1, n);
            eDetectDimensionChain->SetValue(IndexNeedDimensionChain);
        }
    }
    if (C.CloseRecognised()) ChainGrid::WriteSigns(FLinkGrid, C);
    RefreshChainControls(DimensionChains.Current + 1, false);
    SetVisible(eDetectDimensionChain, n >= 2);
}

void TpmDimensionChain2D::RemoveChain()
{
    EmptyChain(Chain(), FLinkGrid);
    TArrayOf<TDimensionChain>& chains = DimensionChains.DimChains;
    Integer& current = DimensionChains.Current;
    if (chains.Count > 1 && current >= 0 && current < chains.Count) {
        chains.Delete(current);
        if (current > 0) --current;
    }
    ResetCurrentLink();
    RefreshChainControls(current + 1, true);
}

void TpmDimensionChain2D::GridCommand(int ButtonID)
{
    TDimension* L = CurrentLink();
    if (!L) {
        Tell(DC("Не определено текущее звено цепи"));
        return;
    }
    const Integer k = DimensionChains.CurrentDim;
    switch (ButtonID) {
    case 1:
        ConvertLink(*L);
        break;
    case 2:
        AwaitObject(*L, stProjection, "Укажите направление к которому привести");
        break;
    case 3:
        AwaitObject(*L, stAngleTolerance, "Укажите угловой размер");
        break;
    case 4:
        DeleteLink(*L);
        break;
    case 6:
    case 7:
        if (const Integer to = Chain().Neighbour(k, ButtonID == 6); to >= 0) MoveLink(k, to);
        break;
    default:
        break;
    }
}

void TpmDimensionChain2D::ConvertLink(TDimension& L)
{
    switch (L.Convert()) {
    case TConversion::NotConvertible:
        Tell(DC("Приведение возможно для радиальных(диаметральных) или угловых отклонений размеров"));
        return;
    case TConversion::Flipped:
        return;
    case TConversion::Converted:
        RewriteRow(DimensionChains.CurrentDim);
        RedrawGrid();
        return;
    }
}

void TpmDimensionChain2D::AwaitObject(TDimension& L, TState Next, const char* Prompt)
{
    if (L.Type != tvapi::tvDrLDimension && L.Type != tvapi::tvDrDDimension &&
        L.Type != tvapi::tvDrRDimension) {
        Tell(DC("Приведение возможно для радиальных,диаметральных или линейных размеров"));
        return;
    }
    ClearSelection();
    FacadeChainHost().Select(L.Obj);
    State = Next;
    WaitAuxiliary = L.Obj;
    tWaitAuxiliary = tLightObj = L.Type;
    SetPrompt(DC(Prompt));
}

void TpmDimensionChain2D::DeleteLink(TDimension& L)
{
    TDimensionChain& C = Chain();
    const tvapi::IDrawingObjectPtr object = L.Obj;
    FacadeChainHost().UnSelect(object);
    const Integer at = object ? C.Index(object) : DimensionChains.CurrentDim;
    if (object) {
        C.Remove(object, FacadeChainHost());
    } else { // a recognised derived link has no drawing object of its own
        C.Dimensions.Delete(at);
        C.Closed = false;
    }
    if (at >= 0) ChainGrid::DeleteRow(FLinkGrid, C, at);
    LinkRemoved();
}

// After a link left the current chain, by pick or by command: the panel waits for a dimension.
void TpmDimensionChain2D::LinkRemoved()
{
    ResetCurrentLink();
    RedrawGrid();
    UpdateProcess();
    FacadeChainHost().UnChoose(rLightObj);
    FacadeChainHost().UnSelect(rLightObj);
    AwaitDimension();
    ShowRecognition();
}

void TpmDimensionChain2D::MoveLink(Integer From, Integer To)
{
    TDimensionChain& C = Chain();
    std::swap(C.Dimensions[From], C.Dimensions[To]);
    RewriteRow(From);
    RewriteRow(To);
    RedrawGrid();
    UpdateProcess();
}

bool TpmDimensionChain2D::ChangeControlValue(tvapi::IPropertyControlPtr Control)
{
    const bool r = APropertyVariable.ChangeControlValue(Control);
    if (Same(Control, tvapi::IAPIObjectPtr(eDetectDimensionChain))) {
        ClearSelection();
        if (const TDimension* L = CurrentLink()) FacadeChainHost().Select(L->Obj);
        EmptyChain(Chain(), FLinkGrid);
        ResetCurrentLink();
        // The counter may be typed past its range: the index stays within the chains found.
        IndexNeedDimensionChain = std::clamp(eDetectDimensionChain->GetValue(), 1, std::max(FRecognised, 1));
        ControlCommand(tvapi::IPropertyControlPtr(bAddDimChainForDim), 0);
    } else if (Control &&
               Same(Control, tvapi::IAPIObjectPtr(APropertyVariable.GetControl(&MethodCalculating, false)))) {
        Chain().MethodCalculating = static_cast<TMethodCalculating>(FMethodValue);
        SetMethod();
        LinkSettings(); // the method may have reset the risk factor
    } else if (Control &&
               Same(Control, tvapi::IAPIObjectPtr(APropertyVariable.GetControl(&RiskFactor, false)))) {
        Chain().RiskFactor = FRiskValue;
    } else if (Control && Same(Control, tvapi::IAPIObjectPtr(CurrentControl()))) {
        SwitchChain();
    } else if (Same(Control, tvapi::IAPIObjectPtr(grListDimChain))) {
        EditCell();
    }
    return r;
}

void TpmDimensionChain2D::SetMethod()
{
    Chain().ApplyMethod();
    ShowRiskFactor();
}

void TpmDimensionChain2D::EditCell()
{
    if (!grListDimChain) return;
    const int row = grListDimChain->GetCurrentRow(), column = grListDimChain->GetCurrentColumn();
    if (ChainGrid::TakeEdit(FLinkGrid, Chain(), row, column) == ChainGrid::TCellEdit::Refused)
        Tell(DC("Недопустимое значение: введите число от -1000000 до 1000000"));
}

bool TpmDimensionChain2D::ButtonClick(int ButtonID)
{
    if (ButtonID == 1) {
        Stop(DimensionChains.StoreConfirmed() ? 0 : 1);
        return true;
    }
    if (ButtonID != 2) return true;
    if (!WaitAuxiliary) {
        if (ExitCode == 0) ExitCode = 1;
        return true;
    }
    AbandonPick();
    ExitCode = 2;
    return false;
}

bool TpmDimensionChain2D::SelectItem(tvapi::IPropertyControlPtr Control, int Index, bool)
{
    if (!grListDimChain || !Same(Control, tvapi::IAPIObjectPtr(grListDimChain))) return false;
    const int row = Index % 256, column = Index / 256;
    int major = 0, minor = 0, release = 0, build = 0;
    tvapi::IApplication* app = drApi::MA.Application();
    if (app && app->GetVersion(&major, &minor, &release, &build) && major <= HostWithReadOnlyColumns) {
        const bool readOnly = !IsUserColumn(column);
        if (readOnly != FGridReadOnly) {
            grListDimChain->SetReadOnly(readOnly);
            FGridReadOnly = readOnly;
            grListDimChain->Redraw();
        }
    }
    TDimensionChain& C = Chain();
    if (row < 1 || row > C.Count()) return false;
    ClearSelection();
    const TDimension& L = C.Dimensions[row - 1];
    for (const tvapi::IDrawingObjectPtr& object : {L.Obj, L.AuxObj, L.PearentObj})
        FacadeChainHost().Select(object);
    DimensionChains.CurrentDim = row - 1;
    return false;
}
