// The drawing chain panel: construction, its controls and the switch of the current chain.

#include "pmDimensionChain2D.h"

#include "ChainGather.h"
#include "ChainGrid.h"
#include "Dictionary.h"
#include "FacadeChainHost.h"
#include "TPropertyLinkGrid.h"
#include "drModelerAPI.h"
#include "tvapi/Application.h"

#include <memory>
#include <string>

TpmDimensionChain2D::TpmDimensionChain2D()
    : TChainPanelOf(DC("Размерная цепь"), DC("Выберите добавляємый размер"), pnEnterEscHelp, 4,
                    DC("Параметры"), tvapi::tvProcess2DCursor)
{
    if (DimensionChains.DimChains.Count < 1) DimensionChains.DimChains.Add(TDimensionChain());
    DimensionChains.LoadfromUserStorage(&FWritten);
    if (PropertyTabs) PropertyTabs->SetHeaderVisible(false);
    DimensionChains.Current = 0;
    BuildControls();
    SetPrompt(DC("Выберите размер"));
    GetAllDimensions();
    TellUnread();
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
    BuildCounters();
    BuildGrid(DrawingCommentWidth, true);
    BuildReportButton();
    AddSeparator(nullptr, tvapi::tvSeparatorDownName);
    eDetectDimensionChain =
        AddSpinEditInt(DC("Распознаная"), DC("Текущая распознаная размерная цепь"), 1, 1, 1);
    bAddDimChainForDim = AddPushButton("", 0, {{1, -57382, "Добавить новую размерную цепь для размера"}});
    SetVisible(bAddDimChainForDim, false);
    SetVisible(eDetectDimensionChain, false);
    BuildSettings();
    ChangeControlValue(CurrentControl());
}

void TpmDimensionChain2D::ShowRecognition()
{
    SetVisible(bAddDimChainForDim, Chain().Count() == 1);
}

void TpmDimensionChain2D::GetAllDimensions()
{
    ::GetAllDimensions(AllDimension2D);
}

void TpmDimensionChain2D::AddDerivativeDimensions(tvapi::IDrawingObjectPtr iAuxiliaryObj)
{
    ::AddDerivativeDimensions(AllDimension2D, FacadeChainHost(), std::move(iAuxiliaryObj));
}
