// The chain panels' shared part: grid, counters, settings, report, removal, the grid's commands
// and edits, row clicks and OK.

#include "ChainPanel.h"

#include "ChainGrid.h"
#include "Dictionary.h"
#include "FacadeChainHost.h"
#include "Messager.h"
#include "TPropertyLinkGrid.h"
#include "drModelerAPI.h"
#include "tvapi/Application.h"

#include <algorithm>
#include <memory>
#include <string>
#include <utility>

namespace {

constexpr const char* ColumnName[rCountRow] = {"Цепь", "Н",    "Ном.", "ВО",         "НО",    "П", "У.ВО",
                                               "У.НО", "Д.ВО", "Д.НО", "Примечание", "dl/dT", "dT"};

// Whether Document is still one of the application's open documents.
bool StillOpen(const tvapi::ITervanDocumentPtr& Document)
{
    tvapi::IApplication* app = drApi::MA.Application();
    const tvapi::IDocumentsPtr documents = app ? app->GetDocuments() : nullptr;
    for (int i = 0; documents && i < documents->GetCount(); ++i)
        if (tvapi::IAPIObjectPtr(documents->GetItem(i)) == tvapi::IAPIObjectPtr(Document)) return true;
    return false;
}

} // namespace

tvapi::ITervanDocumentPtr ActiveChainDocument()
{
    tvapi::IApplication* app = drApi::MA.Application();
    return app ? app->GetActiveDocument() : tvapi::ITervanDocumentPtr();
}

TArrayOf<double> RiskValues()
{
    TArrayOf<double> out(vRiskFactor.Count, 1);
    for (const double v : vRiskFactor)
        out.Add(v);
    return out;
}

template <class TBase> void TChainPanelOf<TBase>::Tell(const TString& Text)
{
    Messager.LiftBox(Text, TMessager::toAlways);
}

template <class TBase> void TChainPanelOf<TBase>::BuildGrid(int CommentWidth, bool TranslateTitles)
{
    constexpr int Width[rCountRow] = {4, 2, 6, 5, 5, 2, 5, 5, 5, 5, 0, 5, 5};
    grListDimChain =
        this->AddGrid(DC("Звенья"), DC("Звенья  размерной цепи"), rCountRow, GridRows, false, 0, 1);
    if (!grListDimChain) return;
    FLinkGrid = std::make_shared<TPropertyLinkGrid>(grListDimChain);
    DimensionChains.Grid = FLinkGrid;
    grListDimChain->SetGridHeight(GridHeight);
    for (int i = 0; i < rCountRow; ++i) {
        const TString title(ColumnName[i]);
        grListDimChain->SetCellText(0, i, Wide(TranslateTitles ? DC(title) : title).c_str());
        grListDimChain->SetColumnWidth(i, (i == rComment ? CommentWidth : Width[i]) * ColumnUnit);
    }
    grListDimChain->Redraw();
    this->AddPushButtonTo(
        grListDimChain->GetToolBar(), 0,
        {{1, 58345, "Преобразовать в (радиус,диаметр, противоположное направление)"},
         {2, -57384, "преобразовать линейный размер к направлению (получить проекцию заданное направление)"},
         {3, -57385, "Наложить угловые отклонения"},
         {4, -57383, "Удалить размер"}});
}

template <class TBase> void TChainPanelOf<TBase>::BuildCounters()
{
    this->AddEditValue(DC("Текущая"), DC("Текущая размерная цепь"), DimensionChains.Current, 1,
                       DimensionChains.DimChains.Count, true);
    bRemoveDimChain = this->AddPushButton("", 0, {{1, -57383, "Удалить текущую размерную цепь"}});
    eDimensionChainCount = this->AddEditStr(DC("Всего"), DC("Всего размерных цепей"),
                                            TString(DimensionChains.DimChains.Count), 0);
}

template <class TBase> void TChainPanelOf<TBase>::BuildReportButton()
{
    this->AddSeparator(nullptr, tvapi::tvSeparatorDownName);
    sbDimChain = this->AddSlideBox(DC("S"), DC("SS"), tvapi::tvGroup, {});
    SetVisible(sbDimChain, false);
    this->AddSeparator(nullptr, tvapi::tvSeparatorDownName);
    bSaveInText = this->AddPushButton("", 0, {{1, 57513, "Сохранить отчет"}});
}

template <class TBase> void TChainPanelOf<TBase>::BuildSettings()
{
    this->AddTab(DC("Настройки"), true);
    LinkSettings();
    MethodCalculating.GetCurrent();
    this->AddEditValue(DC("Способ расчета"), "", MethodCalculating);
    FRiskNames.Current = -1;
    for (Integer i = 0; i < FRiskValues.Count && FRiskNames.Current < 0; ++i)
        if (FRiskValues[i] == Chain().RiskFactor) FRiskNames.Current = i;
    this->AddEditValue(DC("Коэффициент риска"), "", RiskFactor);
    ShowRiskFactor();
}

template <class TBase> void TChainPanelOf<TBase>::LinkSettings()
{
    FMethodValue = Chain().MethodCalculating;
    FRiskValue = Chain().RiskFactor;
    MethodCalculating.PInt = &FMethodValue;
    RiskFactor.PReal = &FRiskValue;
}

template <class TBase> void TChainPanelOf<TBase>::ShowRiskFactor()
{
    this->APropertyVariable.SetVisible(&RiskFactor, Chain().MethodCalculating != mcMinMax);
}

template <class TBase>
void TChainPanelOf<TBase>::SetVisible(const tvapi::IPropertyControlPtr& Control, bool Visible)
{
    if (Control) Control->SetVisible(Visible);
}

template <class TBase> tvapi::IPropertyControlPtr TChainPanelOf<TBase>::CurrentControl() const
{
    return this->APropertyVariable.GetControl(const_cast<Integer*>(&DimensionChains.Current), false);
}

template <class TBase> TDimension* TChainPanelOf<TBase>::CurrentLink()
{
    TDimensionChain& C = Chain();
    const Integer k = DimensionChains.CurrentDim;
    return k >= 0 && k < C.Count() ? &C.Dimensions[k] : nullptr;
}

template <class TBase> void TChainPanelOf<TBase>::ResetCurrentLink()
{
    DimensionChains.CurrentDim = -1;
}

template <class TBase> void TChainPanelOf<TBase>::RefreshChainControls(int Value, bool HideDetector)
{
    const Integer count = DimensionChains.DimChains.Count;
    const tvapi::IPropertySpinEditPtr spin(CurrentControl());
    if (spin) {
        spin->SetRange(1, count);
        spin->SetValue(Value);
    }
    if (eDimensionChainCount) eDimensionChainCount->SetText(Wide(TString(count)).c_str());
    if (HideDetector && eDetectDimensionChain) {
        eDetectDimensionChain->SetVisible(false);
        eDetectDimensionChain->SetValue(1);
    }
    this->ChangeControlValue(CurrentControl());
}

template <class TBase> void TChainPanelOf<TBase>::SelectLink(const TDimension& L)
{
    TChainHost& host = FacadeChainHost();
    for (const tvapi::IDrawingObjectPtr& object : {L.Obj, L.PearentObj, L.AuxObj})
        host.Select(object);
    host.SelectModel(L.MO);
}

template <class TBase> void TChainPanelOf<TBase>::SwitchChain()
{
    Integer& current = DimensionChains.Current;
    if (current >= DimensionChains.DimChains.Count) current = DimensionChains.DimChains.Count - 1;
    if (current < 0) current = 0;
    if (DimensionChains.DimChains.Count < 1) return;
    ResetCurrentLink();
    FacadeChainHost().ClearSelection();
    TDimensionChain& C = Chain();
    for (const TDimension& L : C.Dimensions)
        SelectLink(L);
    ChainGrid::WriteAll(FLinkGrid, C, current);
    ChainShown();
    LinkSettings();
    this->APropertyVariable.ChangeValue(&MethodCalculating, -1);
    this->APropertyVariable.ChangeValue(&RiskFactor, -1);
    ShowRiskFactor();
}

template <class TBase> void TChainPanelOf<TBase>::RewriteRow(Integer Link)
{
    ChainGrid::WriteRow(FLinkGrid, Chain(), Link, DimensionChains.Current, false);
}

template <class TBase> void TChainPanelOf<TBase>::RedrawGrid()
{
    if (grListDimChain) grListDimChain->Redraw();
}

template <class TBase> void TChainPanelOf<TBase>::SaveReport(bool BareGetsTxt)
{
    DimensionChains.SaveReport(ActiveDoc ? std::wstring(ActiveDoc->GetFileName()) : std::wstring(),
                               BareGetsTxt);
}

template <class TBase> void TChainPanelOf<TBase>::RemoveChain()
{
    if (!MayRemoveChain()) return;
    TDimensionChain& C = Chain();
    const int rows = C.Count();
    const tvapi::IDrawingObjectPtr closing = ClosingDimension(C);
    C.RemoveAll(FacadeChainHost());
    ChainGrid::ClearRows(FLinkGrid, rows);
    GiveBackTexts(closing);
    TArrayOf<TDimensionChain>& chains = DimensionChains.DimChains;
    Integer& current = DimensionChains.Current;
    if (chains.Count > 1 && current >= 0 && current < chains.Count) {
        chains.Delete(current);
        if (current > 0) --current;
    }
    ResetCurrentLink();
    RefreshChainControls(current + 1, true);
}

template <class TBase> void TChainPanelOf<TBase>::GridCommand(int ButtonID)
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

template <class TBase> void TChainPanelOf<TBase>::ConvertLink(TDimension& L)
{
    // A model link is shown where it is, whatever the conversion makes of it.
    FacadeChainHost().SelectModel(L.MO);
    switch (L.Convert(FacadeChainHost())) {
    case TConversion::NotConvertible:
        Tell(DC("Приведение возможно для радиальных(диаметральных) или угловых отклонений размеров"));
        return;
    case TConversion::Flipped:
        return;
    case TConversion::Converted:
        RewriteRow(DimensionChains.CurrentDim);
        FollowLink();
        RedrawGrid();
        return;
    }
}

template <class TBase> void TChainPanelOf<TBase>::AwaitObject(TDimension& L, TState Next, const char* Prompt)
{
    if (L.Type != tvapi::tvDrLDimension && L.Type != tvapi::tvDrDDimension &&
        L.Type != tvapi::tvDrRDimension) {
        Tell(DC("Приведение возможно для радиальных,диаметральных или линейных размеров"));
        return;
    }
    FacadeChainHost().ClearSelection();
    FacadeChainHost().Select(L.Obj);
    State = Next;
    WaitAuxiliary = L.Obj;
    tWaitAuxiliary = tLightObj = L.Type;
    this->SetPrompt(DC(Prompt));
}

template <class TBase> void TChainPanelOf<TBase>::DeleteLink(TDimension& L)
{
    TDimensionChain& C = Chain();
    const tvapi::IDrawingObjectPtr object = L.Obj;
    const tvapi::IDrawingObjectPtr closing = ClosingDimension(C);
    FacadeChainHost().UnSelect(object);
    Integer at = -1;
    if (object) {
        at = C.Index(object);
        C.Remove(object, FacadeChainHost());
    } else if (!L.IsModel()) { // a derived link goes by its place, its source bound or not
        at = DimensionChains.CurrentDim;
        C.Open();
        C.Dimensions.Delete(at);
    } // a link gathered from a model has no drawing object to remove it by: it stays
    if (at >= 0) ChainGrid::DeleteRow(FLinkGrid, C, at);
    GiveBackTexts(closing);
    LinkRemoved();
}

template <class TBase>
tvapi::IDrawingObjectPtr TChainPanelOf<TBase>::ClosingDimension(const TDimensionChain& C)
{
    return C.Closed && C.Count() > 0 ? C.Dimensions[C.Count() - 1].Obj : tvapi::IDrawingObjectPtr();
}

template <class TBase> void TChainPanelOf<TBase>::GiveBackTexts(const tvapi::IDrawingObjectPtr& Closing)
{
    if (!Closing) return;
    // The follow decides what the dimension shows now, and keeps what it replaces for a cancel.
    TFigureChange change;
    change.Dimensions.push_back({Closing, {}});
    change.Released.push_back({{Closing, {}}, Chain().TakeOwnTexts()});
    Follow(change);
    TDimensionChain& C = Chain();
    const Integer at = C.Index(Closing);
    if (at < 0) return;
    RewriteRow(at);
    RedrawGrid();
}

template <class TBase> void TChainPanelOf<TBase>::LinkRemoved()
{
    ResetCurrentLink();
    RedrawGrid();
    ProcessChanged();
    FacadeChainHost().UnChoose(rLightObj);
    FacadeChainHost().UnSelect(rLightObj);
    AwaitDimension();
    ChainShown();
}

template <class TBase> void TChainPanelOf<TBase>::AwaitDimension()
{
    this->SetPrompt(DC("Укажите размер"));
    State = stBase;
}

template <class TBase> void TChainPanelOf<TBase>::MoveLink(Integer From, Integer To)
{
    TDimensionChain& C = Chain();
    std::swap(C.Dimensions[From], C.Dimensions[To]);
    RewriteRow(From);
    RewriteRow(To);
    RedrawGrid();
    ProcessChanged();
}

template <class TBase> bool TChainPanelOf<TBase>::TakeSharedChange(const tvapi::IPropertyControlPtr& Control)
{
    if (!Control) return false;
    if (Same(Control, tvapi::IAPIObjectPtr(this->APropertyVariable.GetControl(&MethodCalculating, false)))) {
        Chain().MethodCalculating = static_cast<TMethodCalculating>(FMethodValue);
        SetMethod();
        LinkSettings(); // the method may have reset the risk factor
    } else if (Same(Control, tvapi::IAPIObjectPtr(this->APropertyVariable.GetControl(&RiskFactor, false)))) {
        Chain().RiskFactor = FRiskValue;
        FollowCurrent();
    } else if (Same(Control, tvapi::IAPIObjectPtr(CurrentControl()))) {
        SwitchChain();
    } else if (Same(Control, tvapi::IAPIObjectPtr(grListDimChain))) {
        EditCell();
    } else {
        return false;
    }
    return true;
}

template <class TBase> void TChainPanelOf<TBase>::SetMethod()
{
    Chain().ApplyMethod();
    ShowRiskFactor();
    FollowCurrent();
}

template <class TBase> void TChainPanelOf<TBase>::Follow(TFigureChange Change)
{
    Change.Written = WritesClosing() ? &FWritten : nullptr;
    bool ring = false, noNumbers = false;
    for (const TFollowedChain& f : FollowFigures(DimensionChains.DimChains, FollowHost(), Change)) {
        ring = ring || f.Outcome == TFollowed::Refused;
        noNumbers = noNumbers || f.Outcome == TFollowed::NoNumbers;
        if (f.Chain != DimensionChains.Current) continue;
        // A row a command rewrote has lost its sign.
        const auto named = [&f](const std::vector<Integer>& In) {
            return std::find(In.begin(), In.end(), f.Chain) != In.end();
        };
        const bool laid = named(Change.Laid) || named(Change.Decided);
        ShowFollowed(f, laid);
    }
    if (ring) TDimensionChains::TellRing();
    if (noNumbers) TDimensionChains::TellNoNumbers();
    TellUnread();
}

template <class TBase> void TChainPanelOf<TBase>::TellUnread()
{
    for (const TUnreadText& unread : FUnread.Newly(DimensionChains.DimChains, FirstChain()))
        Tell(TString(UnreadBefore + ShownText(unread.Text) +
                     (unread.Verdict == dvTooLarge ? TooLargeAfter : UnreadAfter)));
}

template <class TBase> void TChainPanelOf<TBase>::ShowFollowed(const TFollowedChain& Followed, bool Laid)
{
    TDimensionChain& C = Chain();
    if (Followed.Outcome != TFollowed::Calculated && Followed.Outcome != TFollowed::Checked) { // shown open
        ChainGrid::WriteAll(FLinkGrid, C, DimensionChains.Current);
        return;
    }
    for (const std::vector<Integer>* rows : {&Followed.Changed, &Followed.Followed})
        for (const Integer i : *rows)
            RewriteRow(i);
    if (Laid || !Followed.Changed.empty() || !Followed.Followed.empty()) ChainGrid::WriteSigns(FLinkGrid, C);
    ChainGrid::WriteRow(FLinkGrid, C, C.Count() - 1, DimensionChains.Current, true);
    RedrawGrid();
}

template <class TBase> void TChainPanelOf<TBase>::EditCell()
{
    if (!grListDimChain) return;
    const int row = grListDimChain->GetCurrentRow(), column = grListDimChain->GetCurrentColumn();
    switch (ChainGrid::TakeEdit(FLinkGrid, Chain(), row, column)) {
    case ChainGrid::TCellEdit::Refused:
        Tell(DC("Недопустимое значение: введите число от -1000000 до 1000000"));
        break;
    case ChainGrid::TCellEdit::Taken:
        if (column != rComment) FollowCurrent();
        break;
    case ChainGrid::TCellEdit::Ignored:
        break;
    }
}

template <class TBase> void TChainPanelOf<TBase>::Confirm()
{
    // The document the panel works on was closed under it: the chains have nowhere to go, and
    // another document made active must not take them.
    if (ActiveDoc && !StillOpen(ActiveDoc)) {
        Tell(DC(TString(ClosedDocumentText)));
        this->Stop(1);
        return;
    }
    // Until the chains are in the document the run may still be taken back.
    const bool stored = DimensionChains.StoreConfirmed();
    if (stored) FWritten.Forget();
    this->Stop(stored ? 0 : 1);
}

template <class TBase>
void TChainPanelOf<TBase>::ClickRow(const tvapi::IPropertyControlPtr& Control, int Index)
{
    if (!grListDimChain || !Same(Control, tvapi::IAPIObjectPtr(grListDimChain))) return;
    const int row = Index % 256, column = Index / 256;
    int major = 0, minor = 0, release = 0, build = 0;
    tvapi::IApplication* app = drApi::MA.Application();
    if (app && app->GetVersion(&major, &minor, &release, &build) && major <= HostWithReadOnlyColumns) {
        // The grid's own state: the host or another control may have changed it meanwhile.
        const bool readOnly = !IsUserColumn(column);
        if (readOnly != grListDimChain->GetReadOnly()) {
            grListDimChain->SetReadOnly(readOnly);
            grListDimChain->Redraw();
        }
    }
    TDimensionChain& C = Chain();
    if (row < 1 || row > C.Count()) return;
    FacadeChainHost().ClearSelection();
    SelectLink(C.Dimensions[row - 1]);
    DimensionChains.CurrentDim = row - 1;
}

template class TChainPanelOf<TProcessManager2D>;
template class TChainPanelOf<TBaseManager3D>;
