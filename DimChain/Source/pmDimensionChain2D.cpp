// The drawing chain panel: construction, its controls and the switch of the current chain.

#include "pmDimensionChain2D.h"

#include "ChainGrid.h"
#include "Dictionary.h"
#include "TPropertyLinkGrid.h"
#include "drModelerAPI.h"
#include "tvapi/Application.h"

#include <memory>
#include <string>

namespace {

constexpr const char* ColumnName[TpmDimensionChain2D::rCountRow] = {
    "Цепь", "Н", "Ном.", "ВО", "НО", "П", "У.ВО", "У.НО", "Д.ВО", "Д.НО", "Примечание", "dl/dT", "dT"};
constexpr int ColumnWidth[TpmDimensionChain2D::rCountRow] = {4, 2, 6, 5, 5, 2, 5, 5, 5, 5, 15, 5, 5};

tvapi::ITervanDocumentPtr ActiveDocument()
{
    tvapi::IApplication* app = drApi::MA.Application();
    return app ? app->GetActiveDocument() : tvapi::ITervanDocumentPtr();
}

TArrayOf<double> Copy(const TAReal& A)
{
    TArrayOf<double> out(A.Count, 1);
    for (const double v : A)
        out.Add(v);
    return out;
}

} // namespace

TpmDimensionChain2D::TpmDimensionChain2D()
    : TProcessManager2D(DC("Размерная цепь"), DC("Выберите добавляємый размер"), pnEnterEscHelp, 4,
                        DC("Параметры"), tvapi::tvProcess2DCursor),
      FMethodNames(eMethodCalculating), FRiskNames(eRiskFactor), FRiskValues(Copy(vRiskFactor)),
      MethodCalculating("Способ расчета", TAdapter::pvEnumInteger, nullptr, false, FMethodNames, false,
                        nullptr),
      RiskFactor("Коэффициент риска", TAdapter::pvReal, nullptr, false, FRiskNames, false, &FRiskValues)
{
    ActiveDoc = ActiveDocument();
    if (DimensionChains.DimChains.Count < 1) DimensionChains.DimChains.Add(TDimensionChain());
    DimensionChains.LoadfromUserStorage();
    if (PropertyTabs) PropertyTabs->SetHeaderVisible(false);
    DimensionChains.Current = 0;
    BuildControls();
    SetPrompt(DC("Выберите размер"));
    GetAllDimensions();
    Advise();
}

TpmDimensionChain2D::~TpmDimensionChain2D()
{
    // The picture of the closed chain is a temporary group of the drawing: it goes with us.
    if (SlideGroup) SlideGroup->Delete();
}

void TpmDimensionChain2D::BuildControls()
{
    bAddDimChain = AddPushButton("", 0, {{1, -57382, "Добавить новую размерную цепь"}});
    AddEditValue(DC("Текущая"), DC("Текущая размерная цепь"), DimensionChains.Current, 1,
                 DimensionChains.DimChains.Count, true);
    bRemoveDimChain = AddPushButton("", 0, {{1, -57383, "Удалить текущую размерную цепь"}});
    eDimensionChainCount =
        AddEditStr(DC("Всего"), DC("Всего размерных цепей"), TString(DimensionChains.DimChains.Count), 0);
    BuildGrid();
    AddSeparator(nullptr, tvapi::tvSeparatorDownName);
    sbDimChain = AddSlideBox(DC("S"), DC("SS"), tvapi::tvGroup, {});
    SetVisible(sbDimChain, false);
    AddSeparator(nullptr, tvapi::tvSeparatorDownName);
    bSaveInText = AddPushButton("", 0, {{1, 57513, "Сохранить отчет"}});
    AddSeparator(nullptr, tvapi::tvSeparatorDownName);
    eDetectDimensionChain =
        AddSpinEditInt(DC("Распознаная"), DC("Текущая распознаная размерная цепь"), 1, 1, 1);
    bAddDimChainForDim = AddPushButton("", 0, {{1, -57382, "Добавить новую размерную цепь для размера"}});
    SetVisible(bAddDimChainForDim, false);
    SetVisible(eDetectDimensionChain, false);
    BuildSettings();
    ChangeControlValue(CurrentControl());
}

void TpmDimensionChain2D::BuildGrid()
{
    grListDimChain = AddGrid(DC("Звенья"), DC("Звенья  размерной цепи"), rCountRow, GridRows, false, 0, 1);
    if (!grListDimChain) return;
    FLinkGrid = std::make_shared<TPropertyLinkGrid>(grListDimChain);
    DimensionChains.Grid = FLinkGrid;
    grListDimChain->SetGridHeight(GridHeight);
    for (int i = 0; i < rCountRow; ++i) {
        grListDimChain->SetCellText(0, i, Wide(DC(ColumnName[i])).c_str());
        grListDimChain->SetColumnWidth(i, ColumnWidth[i] * ColumnUnit);
    }
    grListDimChain->Redraw();
    AddPushButtonTo(
        grListDimChain->GetToolBar(), 0,
        {{1, 58345, "Преобразовать в (радиус,диаметр, противоположное направление)"},
         {2, -57384, "преобразовать линейный размер к направлению (получить проекцию заданное направление)"},
         {3, -57385, "Наложить угловые отклонения"},
         {4, -57383, "Удалить размер"}});
}

void TpmDimensionChain2D::BuildSettings()
{
    AddTab(DC("Настройки"), true);
    LinkSettings();
    MethodCalculating.GetCurrent();
    AddEditValue(DC("Способ расчета"), "", MethodCalculating);
    FRiskNames.Current = -1;
    for (Integer i = 0; i < FRiskValues.Count && FRiskNames.Current < 0; ++i)
        if (FRiskValues[i] == Chain().RiskFactor) FRiskNames.Current = i;
    AddEditValue(DC("Коэффициент риска"), "", RiskFactor);
    ShowRiskFactor();
}

void TpmDimensionChain2D::LinkSettings()
{
    FMethodValue = Chain().MethodCalculating;
    FRiskValue = Chain().RiskFactor;
    MethodCalculating.PInt = &FMethodValue;
    RiskFactor.PReal = &FRiskValue;
}

void TpmDimensionChain2D::ShowRiskFactor()
{
    APropertyVariable.SetVisible(&RiskFactor, Chain().MethodCalculating != mcMinMax);
}

void TpmDimensionChain2D::ShowRecognition()
{
    SetVisible(bAddDimChainForDim, Chain().Count() == 1);
}

void TpmDimensionChain2D::SetVisible(const tvapi::IPropertyControlPtr& Control, bool Visible)
{
    if (Control) Control->SetVisible(Visible);
}

tvapi::IPropertyControlPtr TpmDimensionChain2D::CurrentControl() const
{
    return APropertyVariable.GetControl(const_cast<Integer*>(&DimensionChains.Current), false);
}

TDimension* TpmDimensionChain2D::CurrentLink()
{
    TDimensionChain& C = Chain();
    const Integer k = DimensionChains.CurrentDim;
    return k >= 0 && k < C.Count() ? &C.Dimensions[k] : nullptr;
}

void TpmDimensionChain2D::ResetCurrentLink()
{
    DimensionChains.CurrentDim = -1;
}

void TpmDimensionChain2D::RefreshChainControls(int Value, bool HideDetector)
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
    ChangeControlValue(CurrentControl());
}

void TpmDimensionChain2D::SwitchChain()
{
    Integer& current = DimensionChains.Current;
    if (current < 0) current = 0;
    if (current >= DimensionChains.DimChains.Count) current = DimensionChains.DimChains.Count - 1;
    ResetCurrentLink();
    TChainHost& host = FacadeChainHost();
    host.ClearSelection();
    TDimensionChain& C = Chain();
    for (const TDimension& L : C.Dimensions)
        for (const tvapi::IDrawingObjectPtr& object : {L.Obj, L.PearentObj, L.AuxObj})
            host.Select(object);
    ChainGrid::WriteAll(FLinkGrid, C, current);
    ShowRecognition();
    LinkSettings();
    APropertyVariable.ChangeValue(&MethodCalculating, -1);
    APropertyVariable.ChangeValue(&RiskFactor, -1);
    ShowRiskFactor();
}

void TpmDimensionChain2D::RewriteRow(Integer Link)
{
    ChainGrid::WriteRow(FLinkGrid, Chain(), Link, DimensionChains.Current, false);
}

void TpmDimensionChain2D::RedrawGrid()
{
    if (grListDimChain) grListDimChain->Redraw();
}

void TpmDimensionChain2D::GetAllDimensions()
{
    ::GetAllDimensions(AllDimension2D);
}

void TpmDimensionChain2D::AddDerivativeDimensions(tvapi::IDrawingObjectPtr iAuxiliaryObj)
{
    ::AddDerivativeDimensions(AllDimension2D, std::move(iAuxiliaryObj));
}
