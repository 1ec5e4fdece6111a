#pragma once
// TpmDimensionChain2D: the dimension-chain panel of a drawing or fragment. The user picks
// dimensions into the current chain (pmDimensionChain2DPick.cpp), switches, adds, removes and
// recognises chains, converts and edits links, sets the calculation and saves the report
// (pmDimensionChain2DCommands.cpp); OK stores the chains in the document.

#include "ChainRecognition.h"
#include "TAdapter.h"
#include "TDimensionChains.h"
#include "cPropertyMenagerEvent.h"
#include "tvapi/Documents.h"

class TpmDimensionChain2D : public TProcessManager2D {
public:
    // What the next pick in the drawing means.
    enum TState : int {
        stBase = 0,
        stDiametr = 1,
        stRadius = 2,
        stAngle = 3,
        stDirection = 4,
        stAngleTolerance = 5,
        stProjection = 6,
    };
    // The columns of the link grid (TLinkGrid.h).
    using TColumnGrid = ::TColumnGrid;
    using enum ::TColumnGrid;
    static constexpr int GridRows = 56;
    static constexpr int GridHeight = 180;
    static constexpr int ColumnUnit = 12; // a column's width is its table value times this
    static constexpr Integer PlacementRoom = 128;

    tvapi::ITervanDocumentPtr ActiveDoc;
    tvapi::IPropertyEditPtr eDimensionChainCount;
    tvapi::IPropertySpinEditPtr eDetectDimensionChain;
    tvapi::IPropertyGridPtr grListDimChain;
    tvapi::IPropertySlideBoxPtr sbDimChain;
    tvapi::IPropertyMultiButtonPtr bSaveInText;
    tvapi::IPropertyMultiButtonPtr bAddDimChain;
    tvapi::IPropertyMultiButtonPtr bAddDimChainForDim;
    tvapi::IPropertyMultiButtonPtr bRemoveDimChain;
    TDimensionChain AllDimension2D;
    TDimension LastDimension;
    TAPlacement3D Placements{PlacementRoom, PlacementRoom};
    TAPlacement3D Directions{PlacementRoom, PlacementRoom};
    Integer IndexNeedDimensionChain = 1;
    TDimensionChains DimensionChains;
    tvapi::IDrawingObjectPtr rLightObj;
    tvapi::DrawingObjectTypeEnum tLightObj = tvapi::tvAllObj;
    tvapi::IDrawingObjectPtr WaitAuxiliary;
    tvapi::DrawingObjectTypeEnum tWaitAuxiliary = tvapi::tvAllObj;
    tvapi::IDrawingObjectPtr SlideGroup;
    TState State = stBase;

private:
    // The choice tables the settings lists show.
    TArrayOf<TString> FMethodNames;
    TArrayOf<TString> FRiskNames;
    TArrayOf<double> FRiskValues;
    TLinkGridPtr FLinkGrid; // the grid as the chains write into it; empty without a grid
    bool FGridReadOnly = false;
    int FRecognised = 0; // chains the last recognition found
    // What the settings lists show and set: the current chain's method and risk factor,
    // copied in by LinkSettings and back after the user's choice, so that no adapter points
    // into the chain array, which moves when it grows.
    Integer FMethodValue = mcMinMax;
    double FRiskValue = 1.0;

public:
    TAdapter MethodCalculating;
    TAdapter RiskFactor;

    TpmDimensionChain2D();
    ~TpmDimensionChain2D() override;

    bool ChangeControlValue(tvapi::IPropertyControlPtr Control) override;
    bool ButtonClick(int ButtonID) override;
    bool PlacementChanged(double x, double y, double angle, bool dynamic) override;
    using TProcessManager2D::PlacementChanged;
    bool ControlCommand(tvapi::IPropertyControlPtr Control, int ButtonID) override;
    bool SelectItem(tvapi::IPropertyControlPtr Control, int Index, bool Select) override;

    void GetAllDimensions();
    void AddDerivativeDimensions(tvapi::IDrawingObjectPtr iAuxiliaryObj);

    // The current chain.
    TDimensionChain& Chain() { return DimensionChains.DimChains[DimensionChains.Current]; }
    // The current link, resolved against the current chain; null when there is none.
    TDimension* CurrentLink();
    // Forgets the current link (on every switch or removal).
    void ResetCurrentLink();

private:
    void BuildControls();
    void BuildGrid();
    void BuildSettings();
    // The "Текущая" spin: range 1 .. chain count, value, the count field; then the switch.
    void RefreshChainControls(int Value, bool HideDetector);
    void SwitchChain();
    // Loads the current chain's method and risk factor into the settings lists' variables.
    void LinkSettings();
    void ShowRiskFactor();
    void ShowRecognition();
    void LinkRemoved();
    void SetVisible(const tvapi::IPropertyControlPtr& Control, bool Visible);
    tvapi::IPropertyControlPtr CurrentControl() const;
    void RewriteRow(Integer Link);
    void RedrawGrid();
    // Picking (pmDimensionChain2DPick.cpp).
    tvapi::IDrawingObjectPtr FindAt(double x, double y);
    void Highlight(double x, double y);
    void ClickBase();
    // Drops the pick under way (highlights and waited object) and waits for a dimension.
    void AbandonPick();
    // The prompt for a dimension, in the base state.
    void AwaitDimension();
    void FinishPick();
    void RefreshSlide();
    // Commands (pmDimensionChain2DCommands.cpp).
    void SaveReport();
    void AddChain();
    void RecogniseChains();
    void RemoveChain();
    void GridCommand(int ButtonID);
    void ConvertLink(TDimension& L);
    void AwaitObject(TDimension& L, TState Next, const char* Prompt);
    void DeleteLink(TDimension& L);
    void MoveLink(Integer From, Integer To);
    void EditCell();
    void SetMethod();
};

// The running drawing panel; null when none runs.
extern TpmDimensionChain2D* pmDimensionChain2D;
