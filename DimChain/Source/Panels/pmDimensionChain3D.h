#pragma once
// TpmDimensionChain3D: the dimension-chain panel of an assembly. When it opens it gathers every
// linear dimension of every part as a link between two numbered planes (the pool, kept as
// chain 1 of the document); the user selects a closing dimension in the model and the panel
// finds the chains of links that lead from its first plane to its second, calculates or checks
// the one chosen, and lets the user edit, convert and report it. OK stores the chains.
// Gathering is in pmDimensionChain3DGather.cpp, the links in pmDimensionChain3DLinks.cpp, the
// commands in pmDimensionChain3D.cpp.

#include "AssemblyLinks.h"
#include "ChainPanel.h"
#include "tvapi/Dimensions.h"
#include "tvapi/Dimensions3D.h"
#include "tvapi/Part.h"
#include "tvapi/Symbols3D.h"

#include <memory>
#include <vector>

class TpmDimensionChain3D : public TChainPanelOf<TBaseManager3D> {
public:
    static constexpr int CommentWidth = 11;

    tvapi::IPropertyMultiButtonPtr bAddDimChain2; // the chain search in check mode
    // Every linear dimension of the assembly as a link, in the order gathered.
    TDimensionChain AllDimension3D;
    // The planes and directions the links are numbered by (Placements, Directions).
    TAssemblyPlanes Planes;
    tvapi::IPartPtr Assembly;
    tvapi::IPartPtr CurrentPart;
    tvapi::IPropertyControlPtr LastControl;     // the button of the last chain search
    tvapi::IModelObjectPtr LastSelectDimension; // the closing dimension of the last search

    TpmDimensionChain3D();
    ~TpmDimensionChain3D() override;

    bool ChangeControlValue(tvapi::IPropertyControlPtr Control) override;
    bool CanSelect(tvapi::ITervanAPIObjectPtr iEntity) override;
    bool Select(tvapi::ITervanAPIObjectPtr iEntity) override;
    bool ButtonClick(int ButtonID) override;
    bool ControlCommand(tvapi::IPropertyControlPtr Control, int ButtonID) override;
    bool SelectItem(tvapi::IPropertyControlPtr Control, int Index, bool Select) override;

    // Finds the chains of Pool that lead from D's first plane to its second (D must be one of
    // Pool's links), appends the IndexNeed-th one found (the last when fewer) as a new chain
    // with D last, calculated with Settings (the slot's), and makes it current. Gives the
    // number found; 0 appends nothing. *Examined (when given) takes the paths tried when the
    // search stopped at its bound, else 0.
    Integer Make3DDimensionChain(const TDimensionChain& Pool, const TDimension& D, Integer IndexNeed,
                                 const TChainSettings& Settings = {}, int* Examined = nullptr);
    // The index in AllDimension3D of the first link of the model object D; -1 when none.
    Integer IndexDimension(const tvapi::IModelObjectPtr& D) const;
    // Link L takes what its gathered dimension now gives: the nominal, the deviations unless
    // KeepFigures, the planes and the vector (its planes also when nothing else changed: a part
    // moved whole); the user's own columns stay. True when the dimension's figures or length
    // changed; false for a link of no gathered dimension.
    bool Reread(TDimension& L, bool KeepFigures) const;
    // Link L takes what its gathered dimension gives now, all of it but the user's columns;
    // false, L as it was, for a link of no gathered dimension.
    bool GiveAgain(TDimension& L) const;

    // Gathering (pmDimensionChain3DGather.cpp): the whole assembly, one part and its
    // components, one part's own dimensions.
    void GetAllDimensions();
    void GetPartDimensions(const tvapi::IPartPtr& Part, const TPlacement3D& InAssembly);
    void GetOnePartDimensions(const tvapi::IPartPtr& Part);
    // Appends the link of a 3D line dimension of CurrentPart (its measured faces' planes).
    void AddLineDimension(TDimensionChain& D0, const tvapi::ILineDimension3DPtr& LDI,
                          const TString& PartName);
    // The plane of a planar face of CurrentPart in assembly coordinates; Result unchanged for
    // any other object.
    void GetPlacement3D(const tvapi::IModelObjectPtr& O, TPlacement3D& Result);
    // pmDimensionChain3DLinks.cpp. A sketch linear dimension of CurrentPart whose owner is a
    // sketch: its link enters D0 at once, and gets its planes from the sketch's 2D linear
    // dimension driven by the same variable (the sketch is opened for that and always closed
    // again); without one it joins no path.
    void AddSketchLinearDimension(TDimensionChain& D0, const tvapi::IBaseLineDimension3DPtr& BLDI,
                                  const tvapi::ISymbols3DContainerPtr& SCP, const TString& PartName);
    // An extrusion's linear dimension of CurrentPart: its link enters D0 only when the straight
    // edges listed for it hold exactly one pair of parallel edges on distinct lines; the straight
    // edges are selected in the host.
    // AddSketchLinearDimension without its guard against the standard exceptions.
    void SketchLink(TDimensionChain& D0, const tvapi::IBaseLineDimension3DPtr& BLDI,
                    const tvapi::ISymbols3DContainerPtr& SCP, const TString& PartName);
    void AddOperationLinearDimension(TDimensionChain& D0, const tvapi::IBaseLineDimension3DPtr& BLDI,
                                     const tvapi::ISymbols3DContainerPtr& SCP, const TString& PartName);

protected:
    bool MayRemoveChain() override;
    void ChainShown() override;
    // Nothing is written into a part: a chain calculated again keeps its figures in the chain.
    bool WritesClosing() const override { return false; }
    Integer FirstChain() const override { return 1; }
    // Links are read again from the dimensions gathered (Reread).
    TChainHost& FollowHost() override { return *FPoolHost; }

private:
    void BuildControls();
    // The chain search from the selected closing dimension, calculating (Check false) or
    // checking the chain found.
    void SearchChain(const tvapi::IPropertyControlPtr& Control, bool Check);
    // The last search again with the chain the "Распознаная" spin now shows.
    void RepeatSearch();
    // A point of CurrentPart carried into assembly coordinates.
    void ToAssembly(TPoint3D& P) const;

    // The frame of CurrentPart in the assembly; frames of the parts being walked.
    TPlacement3D FFrame;
    // The facade's host, reading links again from the gathered dimensions.
    std::unique_ptr<TChainHost> FPoolHost;
};

// The nominal and the deviations of a dimension's texts into a link; nothing without texts.
void ReadDimensionTexts(TDimension& L, const tvapi::IDimensionTextPtr& Text);

// The running assembly panel; null when none runs.
extern TpmDimensionChain3D* pmDimensionChain3D;
