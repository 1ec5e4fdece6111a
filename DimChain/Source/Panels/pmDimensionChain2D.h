#pragma once
// TpmDimensionChain2D: the dimension-chain panel of a drawing or fragment. The user picks
// dimensions into the current chain (pmDimensionChain2DPick.cpp), switches, adds, removes and
// recognises chains, converts and edits links, sets the calculation and saves the report
// (pmDimensionChain2DCommands.cpp); OK stores the chains in the document.

#include "ChainPanel.h"
#include "ChainRecognition.h"

class TpmDimensionChain2D : public TChainPanelOf<TProcessManager2D> {
public:
    static constexpr Integer PlacementRoom = 128;
    static constexpr int DrawingCommentWidth = 15;

    tvapi::IPropertyMultiButtonPtr bAddDimChainForDim;
    TDimensionChain AllDimension2D;
    TDimension LastDimension;
    TAPlacement3D Placements{PlacementRoom, PlacementRoom};
    TAPlacement3D Directions{PlacementRoom, PlacementRoom};

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

protected:
    void ChainShown() override { ShowRecognition(); }
    void ProcessChanged() override { UpdateProcess(); }

private:
    void BuildControls();
    void ShowRecognition();
    // Picking (pmDimensionChain2DPick.cpp).
    tvapi::IDrawingObjectPtr FindAt(double x, double y);
    void Highlight(double x, double y);
    void ClickBase();
    // Told when a pick would add to a closed chain.
    static void RefuseClosed();
    // The closing step of a pick: what it writes back is kept for taking back.
    TClosingStep Pick();
    // Starts the follow of what a pick did: a chain it closed is calculated and followed by the
    // chains that count its closing dimension, a refused one told, an angle it laid on a link of
    // a closed chain followed with the loop tested again.
    void StartFollow(const TAdded& Added);
    // Drops the pick under way (highlights and waited object) and waits for a dimension.
    void AbandonPick();
    void FinishPick();
    // An angle (Angle) or a projection laid on link At of the current chain: only its record
    // changes, and the chain follows as after any command that changes a link.
    void LayOn(Integer At, bool Angle, const tvapi::IDrawingObjectPtr& Object);
    void RefreshSlide();
    // Commands (pmDimensionChain2DCommands.cpp).
    void AddChain();
    void RecogniseChains();
    // The search from LastDimension (the IndexNeedDimensionChain-th path) into the current
    // chain: the links found replace the chain's, and the dimension it closed on gets its
    // texts back. Gives the number of paths found; Stopped tells whether the search stopped at
    // its cap.
    int SearchChains(bool& Stopped);
};

// The running drawing panel; null when none runs.
extern TpmDimensionChain2D* pmDimensionChain2D;
