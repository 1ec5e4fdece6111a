// The assembly chain panel: construction, picks, the chain search, the buttons and value changes.

#include "pmDimensionChain3D.h"

#include "ChainGrid.h"
#include "ChainRecognition.h"
#include "Dictionary.h"
#include "FacadeChainHost.h"
#include "Messager.h"
#include "drModelerAPI.h"
#include "tvapi/ModelObjects.h"

#include <algorithm>
#include <cmath>

TpmDimensionChain3D* pmDimensionChain3D = nullptr;

namespace {

// The values the user typed on the link of Shown bound to L's dimension, into L.
void TakeTypedValues(TDimension& L, const TDimensionChain& Shown)
{
    for (const TDimension& typed : Shown.Dimensions) {
        if (!L.MO || !(typed.MO == L.MO)) continue;
        L.EQHigh = typed.EQHigh;
        L.EQLow = typed.EQLow;
        L.dLdT = typed.dLdT;
        L.dT = typed.dT;
        return;
    }
}

void ClearSelection()
{
    FacadeChainHost().ClearSelection();
}

void SelectModel(const tvapi::IModelObjectPtr& O)
{
    FacadeChainHost().SelectModel(O);
}

// The facade's host, but a link is read again from the dimensions the panel gathered.
class TPoolChainHost final : public TForwardingChainHost {
public:
    explicit TPoolChainHost(const TpmDimensionChain3D& Panel)
        : TForwardingChainHost(FacadeChainHost()), FPanel(Panel)
    {
    }
    bool Reread(TDimension& Link, bool KeepFigures) override { return FPanel.Reread(Link, KeepFigures); }
    bool GiveAgain(TDimension& Link) override { return FPanel.GiveAgain(Link); }

private:
    const TpmDimensionChain3D& FPanel;
};

} // namespace

TpmDimensionChain3D::TpmDimensionChain3D()
    : TChainPanelOf(DC("Размерная цепь"), DC("Выберите добавляємый размер"), pnEnterEscHelp, 4,
                    DC("Параметры")),
      FPoolHost(std::make_unique<TPoolChainHost>(*this))
{
    TArrayOf<TDimensionChain>& chains = DimensionChains.DimChains;
    chains.Count = 0;
    // The stored chains are read against the dimensions the parts give now: a field that is no
    // number, or a plane that is none, is read again from them.
    GetAllDimensions();
    DimensionChains.LoadfromUserStorage(nullptr, FPoolHost.get());
    // Chain 1 is the pool's place, whatever was stored there.
    if (chains.Count < 1) chains.Add(TDimensionChain());
    DimensionChains.Current = 0;
    BuildControls();
    // The stored chains follow the parts as they are now; the pool's place is no chain.
    DimensionChains.FollowOpening(*FPoolHost, nullptr, 1);
    chains[0] = AllDimension3D;
    // Gathered dimensions that happen to close are calculated like any chain found, in the
    // copy: the pool's links stay as the parts give them, and nothing is written into a part.
    if (chains[0].CloseRecognised()) {
        TFigureChange pool;
        pool.Chains.push_back(0);
        FollowFigures(chains, *FPoolHost, pool);
    }
    RefreshChainControls(chains.Count, false);
    SetPrompt(DC("Выберите размер"));
    TellUnread();
    Advise();
}

TpmDimensionChain3D::~TpmDimensionChain3D() = default;

bool TpmDimensionChain3D::Reread(TDimension& L, bool KeepFigures) const
{
    const Integer at = IndexDimension(L.MO);
    if (at < 0) return false;
    const TDimension& fresh = AllDimension3D.Dimensions[at];
    const auto differs = [](Real a, Real b) { return !TDimension::SameFigure(a, b, TDimension::ZeroLength); };
    const bool changed = differs(L.Nominal, fresh.Nominal) || differs(L.V3.Len(), fresh.V3.Len()) ||
                         (!KeepFigures && (differs(L.QHigh, fresh.QHigh) || differs(L.QLow, fresh.QLow)));
    if (!KeepFigures) {
        L.QHigh = fresh.QHigh;
        L.QLow = fresh.QLow;
    }
    // Its planes as the parts stand now, also for a part moved whole: a chain's loop is
    // tested on them.
    static_cast<TDimensionGeometry&>(L) = fresh;
    if (!changed) return false;
    L.Nominal = fresh.Nominal;
    return true;
}

bool TpmDimensionChain3D::GiveAgain(TDimension& L) const
{
    const Integer at = IndexDimension(L.MO);
    if (at < 0) return false;
    const TDimension& fresh = AllDimension3D.Dimensions[at];
    static_cast<TDimensionGeometry&>(L) = fresh;
    static_cast<TDimensionTolerances&>(L) = fresh;
    return true;
}

void TpmDimensionChain3D::BuildControls()
{
    bAddDimChain = AddPushButton("", 0, {{1, -57382, "Добавить новую размерную цепь"}});
    bAddDimChain2 = AddPushButton("", 0, {{1, -57382, "Проверить собираемость цепи"}});
    BuildCounters();
    eDetectDimensionChain =
        AddSpinEditInt(DC("Распознаная"), DC("Текущая распознаная размерная цепь"), 1, 1, 1);
    SetVisible(eDetectDimensionChain, false);
    BuildGrid(CommentWidth, false);
    BuildReportButton();
    BuildSettings();
}

bool TpmDimensionChain3D::MayRemoveChain()
{
    if (DimensionChains.Current != 0 || DimensionChains.DimChains.Count <= 1) return true;
    Tell(DC("Первая цепь хранит размеры сборки: удалите сначала остальные цепи"));
    return false;
}

void TpmDimensionChain3D::ChainShown()
{
    SetVisible(eDetectDimensionChain, false);
}

bool TpmDimensionChain3D::CanSelect(tvapi::ITervanAPIObjectPtr iEntity)
{
    const tvapi::IModelObjectPtr O(iEntity);
    if (!O) return false;
    switch (O->GetObjectType()) {
    case tvapi::o3d_baselineDimension3D:
    case tvapi::o3d_lineDimension3D:
    case tvapi::o3d_OperationLinearDimension:
    case tvapi::o3d_SketchLinearDimension:
        return true;
    default:
        return false;
    }
}

bool TpmDimensionChain3D::Select(tvapi::ITervanAPIObjectPtr iEntity)
{
    // The pick replaces what the panel selected (the chain shown), so that the search takes
    // the dimension picked as the closing one, not the first link shown.
    const tvapi::IModelObjectPtr picked(iEntity);
    if (!picked) return true;
    ClearSelection();
    SelectModel(picked);
    return true;
}

bool TpmDimensionChain3D::SelectItem(tvapi::IPropertyControlPtr Control, int Index, bool)
{
    if (!grListDimChain || !Same(Control, tvapi::IAPIObjectPtr(grListDimChain))) return false;
    ClearSelection();
    ClickRow(Control, Index);
    return false;
}

bool TpmDimensionChain3D::ButtonClick(int ButtonID)
{
    if (ButtonID == 1) {
        Confirm();
    } else if (ButtonID == 2 && ExitCode == 0) {
        ExitCode = 1;
        TakeBackWrites(); // what the opening stored goes back
    }
    return true;
}

bool TpmDimensionChain3D::ControlCommand(tvapi::IPropertyControlPtr Control, int ButtonID)
{
    if (Same(Control, tvapi::IAPIObjectPtr(bAddDimChain))) {
        SearchChain(Control, false);
    } else if (Same(Control, tvapi::IAPIObjectPtr(bAddDimChain2))) {
        SearchChain(Control, true);
    } else if (Same(Control, tvapi::IAPIObjectPtr(bSaveInText))) {
        SetVisible(eDetectDimensionChain, false);
        SaveReport(true); // an assembly file named without an extension still gets its report
    } else if (Same(Control, tvapi::IAPIObjectPtr(bRemoveDimChain))) {
        SetVisible(eDetectDimensionChain, false);
        RemoveChain();
    } else if (Same(Control, tvapi::IAPIObjectPtr(grListDimChain))) {
        GridCommand(ButtonID);
    }
    return false;
}

Integer TpmDimensionChain3D::IndexDimension(const tvapi::IModelObjectPtr& D) const
{
    if (!D) return -1;
    for (Integer i = 0; i < AllDimension3D.Count(); ++i)
        if (AllDimension3D.Dimensions[i].MO == D) return i;
    return -1;
}

Integer TpmDimensionChain3D::Make3DDimensionChain(const TDimensionChain& Pool, const TDimension& D,
                                                  Integer IndexNeed, const TChainSettings& Settings,
                                                  int* Examined)
{
    Integer closing = -1;
    for (Integer i = 0; i < Pool.Count() && closing < 0; ++i)
        if (Pool.Dimensions[i] == D && Pool.Dimensions[i].MO == D.MO) closing = i;
    const TPlanePaths paths = FindPlanePaths(Pool, closing, IndexNeed);
    if (Examined) *Examined = paths.Stopped ? paths.Examined : 0;
    if (paths.Found == 0) return 0;
    // What the user typed on the chain shown counts in the chain found; taken before the
    // array grows and moves it.
    const TDimensionChain shown = Chain();
    // A fresh chain: a slot the array keeps past its count may still hold old links.
    TArrayOf<TDimensionChain>& chains = DimensionChains.DimChains;
    chains.Add(TDimensionChain());
    TDimensionChain& C = chains[chains.Count - 1];
    C.TakeSettings(Settings);
    for (const int k : paths.Kept)
        TakeTypedValues(C.Dimensions.Add() = Pool.Dimensions[k], shown);
    DimensionChains.Current = chains.Count - 1;
    ResetCurrentLink();
    return paths.Found;
}

void TpmDimensionChain3D::SearchChain(const tvapi::IPropertyControlPtr& Control, bool Check)
{
    LastControl = Control;
    SetVisible(eDetectDimensionChain, false);
    TChainHost& host = FacadeChainHost();
    if (host.SelectedCount() < 1) {
        Tell(TString("Создание цепи невозможно! Выделите замыкающий размер!"));
        return;
    }
    const tvapi::IModelObjectPtr D = host.SelectedModel(0);
    if (!D) return;
    const Integer link = IndexDimension(D);
    if (link < 0) return;
    LastSelectDimension = D;
    TArrayOf<TDimensionChain>& chains = DimensionChains.DimChains;
    // The chain found is calculated as the user chose: with the settings of the chain shown,
    // or, when it takes the place of the empty last chain a repeated search left, with that
    // chain's own (the pool's chain 1 always stays).
    TChainSettings settings = Chain().Settings();
    if (chains.Count > 1 && chains[chains.Count - 1].Count() == 0) {
        settings = chains[chains.Count - 1].Settings();
        chains.Delete(chains.Count - 1);
        DimensionChains.Current = std::min(DimensionChains.Current, chains.Count - 1);
    }
    const TDimension closing = AllDimension3D.Dimensions[link];
    int examined = 0;
    const Integer n =
        Make3DDimensionChain(AllDimension3D, closing, IndexNeedDimensionChain, settings, &examined);
    FRecognised = n;
    Tell(TString("Распознаны ") + TString(n) + TString(" цепи"));
    if (examined > 0) Tell(TString("Поиск остановлен: просмотрено ") + TString(examined) + TString(" путей"));
    if (n == 0) {
        Tell(TString("Не удалось найти размерную цепь!"));
        RefreshChainControls(DimensionChains.Current + 1, false);
        return;
    }
    if (n == 1) {
        IndexNeedDimensionChain = 1;
    } else if (eDetectDimensionChain) {
        eDetectDimensionChain->SetRange(1, n);
        eDetectDimensionChain->SetValue(IndexNeedDimensionChain);
    }
    TDimensionChain& C = chains[chains.Count - 1];
    if (C.CloseRecognised(Check)) FollowClosed(); // a ring or no numbers told there
    if (C.IsTooLong()) Tell(DC(TString(TDimensionChain::TooLongText)));
    TellUnread();
    RefreshChainControls(chains.Count, false);
    SetVisible(eDetectDimensionChain, n >= 2);
}

void TpmDimensionChain3D::RepeatSearch()
{
    // Nothing was found last time: the last chain is not the search's, and stays.
    if (FRecognised < 1 || !LastControl) return;
    ClearSelection();
    SelectModel(LastSelectDimension);
    TArrayOf<TDimensionChain>& chains = DimensionChains.DimChains;
    if (chains.Count > 1) {
        TDimensionChain& last = chains[chains.Count - 1];
        const int rows = last.Count();
        last.Dimensions.Count = 0;
        if (DimensionChains.Current == chains.Count - 1) ChainGrid::ClearRows(FLinkGrid, rows);
    }
    ResetCurrentLink();
    IndexNeedDimensionChain = std::clamp(eDetectDimensionChain->GetValue(), 1, FRecognised);
    ControlCommand(LastControl, 0);
}

bool TpmDimensionChain3D::ChangeControlValue(tvapi::IPropertyControlPtr Control)
{
    const bool r = APropertyVariable.ChangeControlValue(Control);
    if (Control && Same(Control, tvapi::IAPIObjectPtr(eDetectDimensionChain)))
        RepeatSearch();
    else
        TakeSharedChange(Control);
    return r;
}
