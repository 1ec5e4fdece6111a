// TpmDimensionChain2D, part 3 of 3: commands - buttons, grid tool bar, settings, grid edits, OK.

#include "pmDimensionChain2D.h"

#include "ChainGrid.h"
#include "Dictionary.h"
#include "FacadeChainHost.h"
#include "Messager.h"
#include "drModelerAPI.h"
#include "tvapi/Application.h"

#include <algorithm>
#include <string>
#include <utility>

namespace {

// Removes every link of C and empties their rows.
void EmptyChain(TDimensionChain& C, const TLinkGridPtr& Grid)
{
    const int rows = C.Count();
    C.RemoveAll(FacadeChainHost());
    ChainGrid::ClearRows(Grid, rows);
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
    bool stopped = false;
    const int n = SearchChains(stopped);
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
    TDimensionChain& C = Chain();
    ReadFiguresAgain(C, FacadeChainHost());
    if (C.CloseRecognised()) {
        ChainGrid::WriteSigns(FLinkGrid, C);
        FollowClosed();
    }
    RefreshChainControls(DimensionChains.Current + 1, false);
    SetVisible(eDetectDimensionChain, n >= 2);
}

int TpmDimensionChain2D::SearchChains(bool& Stopped)
{
    TDimensionChain& C = Chain();
    const int before = C.Count();
    const tvapi::IDrawingObjectPtr closing = ClosingDimension(C);
    const int n = Make3DDimensionChain(AllDimension2D, LastDimension, IndexNeedDimensionChain, Placements,
                                       Directions, C, FacadeChainHost(), &Stopped);
    if (n == 0) return 0;
    ChainGrid::ClearRows(FLinkGrid, before); // the links found replaced the chain's
    C.Closed = false;
    GiveBackTexts(closing);
    return n;
}

bool TpmDimensionChain2D::ChangeControlValue(tvapi::IPropertyControlPtr Control)
{
    const bool r = APropertyVariable.ChangeControlValue(Control);
    if (Same(Control, tvapi::IAPIObjectPtr(eDetectDimensionChain))) {
        FacadeChainHost().ClearSelection();
        if (const TDimension* L = CurrentLink()) FacadeChainHost().Select(L->Obj);
        const tvapi::IDrawingObjectPtr closing = ClosingDimension(Chain());
        EmptyChain(Chain(), FLinkGrid);
        GiveBackTexts(closing);
        ResetCurrentLink();
        // The counter may be typed past its range: the index stays within the chains found.
        IndexNeedDimensionChain = std::clamp(eDetectDimensionChain->GetValue(), 1, std::max(FRecognised, 1));
        ControlCommand(tvapi::IPropertyControlPtr(bAddDimChainForDim), 0);
    } else {
        TakeSharedChange(Control);
    }
    return r;
}

bool TpmDimensionChain2D::ButtonClick(int ButtonID)
{
    if (ButtonID == 1) {
        Confirm();
        return true;
    }
    if (ButtonID != 2) return true;
    if (!WaitAuxiliary) {
        if (ExitCode == 0) ExitCode = 1;
        // The command ends here; after an abandoned pick it runs the panel again, with what
        // this run wrote, and takes it back when it ends without OK (RunDrawingPanel).
        if (ExitCode == 1) TakeBackWrites();
        return true;
    }
    AbandonPick();
    ExitCode = 2;
    return false;
}

bool TpmDimensionChain2D::SelectItem(tvapi::IPropertyControlPtr Control, int Index, bool)
{
    ClickRow(Control, Index);
    return false;
}
