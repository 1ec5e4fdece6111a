#pragma once
// TChainPanelOf: what the drawing panel and the assembly panel share - the chains of the
// document and the chain shown, the link grid with its tool bar, the chain counters, the
// settings lists, the report, chain removal, the grid's commands and edits, the row clicks and
// OK. Each panel derives from it over its own host process (TBase) and adds its own picking
// and chain search.

#include "FacadeChainHost.h"
#include "TAdapter.h"
#include "TDimensionChains.h"
#include "TPlacementIndex.h"
#include "TUnreadTexts.h"
#include "TWrittenDeviations.h"
#include "cPropertyMenagerEvent.h"
#include "tvapi/Documents.h"

#include <utility>

// The host application's active document; empty without one.
tvapi::ITervanDocumentPtr ActiveChainDocument();
// The risk factors the risk list stores, by position.
TArrayOf<double> RiskValues();

template <class TBase> class TChainPanelOf : public TBase {
public:
    // What the next pick means.
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
    static constexpr int ColumnUnit = 12;              // a column's width is its table value times this
    static constexpr int HostWithReadOnlyColumns = 16; // hosts up to this version lock columns themselves

    tvapi::ITervanDocumentPtr ActiveDoc;
    tvapi::IPropertyEditPtr eDimensionChainCount;
    tvapi::IPropertySpinEditPtr eDetectDimensionChain;
    tvapi::IPropertyGridPtr grListDimChain;
    tvapi::IPropertySlideBoxPtr sbDimChain;
    tvapi::IPropertyMultiButtonPtr bSaveInText;
    tvapi::IPropertyMultiButtonPtr bAddDimChain;
    tvapi::IPropertyMultiButtonPtr bRemoveDimChain;
    Integer IndexNeedDimensionChain = 1;
    TDimensionChains DimensionChains;
    tvapi::IDrawingObjectPtr rLightObj;
    tvapi::DrawingObjectTypeEnum tLightObj = tvapi::tvAllObj;
    tvapi::IDrawingObjectPtr WaitAuxiliary;
    tvapi::DrawingObjectTypeEnum tWaitAuxiliary = tvapi::tvAllObj;
    tvapi::IDrawingObjectPtr SlideGroup;
    TState State = stBase;

protected:
    // The choice tables the settings lists show.
    TArrayOf<TString> FMethodNames;
    TArrayOf<TString> FRiskNames;
    TArrayOf<double> FRiskValues;
    TLinkGridPtr FLinkGrid; // the grid as the chains write into it; empty without a grid
    int FRecognised = 0;    // chains the last search found
    // What the settings lists show and set: the current chain's method and risk factor,
    // copied in by LinkSettings and back after the user's choice, so that no adapter points
    // into the chain array, which moves when it grows.
    Integer FMethodValue = mcMinMax;
    double FRiskValue = 1.0;
    // The deviation texts this run wrote over, until OK keeps what it wrote.
    TWrittenDeviations FWritten;
    // The deviation texts whose numbers this run told were not read whole.
    TUnreadTexts FUnread;

public:
    TAdapter MethodCalculating;
    TAdapter RiskFactor;

    // Builds the base process with Args and the settings adapters; takes the active document.
    template <class... TArgs> explicit TChainPanelOf(TArgs&&... Args);

    // The current chain.
    TDimensionChain& Chain() { return DimensionChains.DimChains[DimensionChains.Current]; }
    // The current link, resolved against the current chain; null when there is none.
    TDimension* CurrentLink();
    // Forgets the current link (on every switch or removal).
    void ResetCurrentLink();
    // A cancelled run: every deviation text it wrote over is written back, and the stored set
    // its opening replaced.
    void TakeBackWrites()
    {
        FWritten.RestoreAll(FollowHost());
        DimensionChains.TakeBackStore();
    }

protected:
    // The grid "Звенья" with its titled columns ("Примечание" CommentWidth units wide, the titles
    // translated when TranslateTitles asks) and its
    // tool bar of four commands; the chains write into it.
    void BuildGrid(int CommentWidth, bool TranslateTitles);
    // The spin "Текущая" over the chains, the removal button and the count "Всего".
    void BuildCounters();
    // A separator, the hidden slide box "S", a separator and the report button.
    void BuildReportButton();
    // The tab "Настройки" with the method and risk lists of the current chain.
    void BuildSettings();
    // The "Текущая" spin: range 1 .. chain count, value, the count field; then the switch.
    void RefreshChainControls(int Value, bool HideDetector);
    // Shows the current chain: its links selected, its rows, its settings.
    void SwitchChain();
    // Loads the current chain's method and risk factor into the settings lists' variables.
    void LinkSettings();
    void ShowRiskFactor();
    void SetVisible(const tvapi::IPropertyControlPtr& Control, bool Visible);
    tvapi::IPropertyControlPtr CurrentControl() const;
    void RewriteRow(Integer Link);
    void RedrawGrid();
    // The link's objects into the host selection: its dimension, the dimension it came from,
    // its auxiliary object and its model object.
    void SelectLink(const TDimension& L);

    // The report beside the document (BareGetsTxt: TDimensionChains::ReportFileName).
    void SaveReport(bool BareGetsTxt = false);
    // Empties the current chain and, unless it is the last chain, removes it.
    void RemoveChain();
    // The grid's tool bar: conversion, projection, angular deviations, removal, moves.
    void GridCommand(int ButtonID);
    void ConvertLink(TDimension& L);
    void AwaitObject(TDimension& L, TState Next, const char* Prompt);
    void DeleteLink(TDimension& L);
    // The dimension a closed chain closes on; empty for an open chain. Taken before links
    // leave the chain, for GiveBackTexts after.
    static tvapi::IDrawingObjectPtr ClosingDimension(const TDimensionChain& C);
    // After links left the current chain: the dimension it closed on is let go of in a follow,
    // which gives it the figures of the chain that writes it now, or else its own texts the
    // chain kept (in this opening or an earlier one), or those this run wrote over; when it is
    // still a link of the chain, its row shows what the link read.
    void GiveBackTexts(const tvapi::IDrawingObjectPtr& Closing);
    // After the removal command, whether a link left the current chain or not: the grid
    // redrawn, the highlight dropped, the panel waiting for a dimension.
    void LinkRemoved();
    void MoveLink(Integer From, Integer To);
    // The change of a control the panels share (the method and risk lists, the "Текущая"
    // spin, the grid); false for any other control.
    bool TakeSharedChange(const tvapi::IPropertyControlPtr& Control);
    void EditCell();
    void SetMethod();
    // A change of figures followed through every chain (FollowFigures, through FollowHost,
    // writing closing figures when the panel does, the texts written over kept for taking
    // back); the chain shown draws what it did, and a ring is told once.
    void Follow(TFigureChange Change);
    // The current chain's own values changed (a typed value, the method, the risk).
    void FollowCurrent()
    {
        TFigureChange change;
        change.Chains.push_back(DimensionChains.Current);
        Follow(change);
    }
    // A link of the current chain changed by a command (an angle, a projection, a conversion):
    // its loop tested again and the chain calculated, or shown open.
    void FollowLink()
    {
        TFigureChange change;
        change.Chains.push_back(DimensionChains.Current);
        change.Laid.push_back(DimensionChains.Current);
        Follow(change);
    }
    // The current chain a pick or a recognition just closed: calculated and written, its loop
    // not tested again (Decided).
    void FollowClosed()
    {
        TFigureChange change;
        change.Chains.push_back(DimensionChains.Current);
        change.Decided.push_back(DimensionChains.Current);
        Follow(change);
    }
    // Each deviation text of a link of the chains, or kept of a closing dimension, whose number
    // is not read whole, told once in this run (FUnread): again only once it has changed. The
    // link keeps the figure the reading gave (none for a number too large: its chain is not
    // calculated); the user types the value or mends the text.
    void TellUnread();
    // What a follow did to the chain shown, on the grid; Laid: a command changed its links.
    void ShowFollowed(const TFollowedChain& Followed, bool Laid);
    // OK: the chains stored and the process stopped; what the run wrote is kept only once
    // they are stored (else the process stops as cancelled). The panel's document closed
    // meanwhile stores nothing, in no other document either, and is told ClosedDocumentText.
    void Confirm();
    // A click on the grid's item Index (column * 256 + row): the columns the user types
    // unlocked on older hosts, the row's link selected and made current.
    void ClickRow(const tvapi::IPropertyControlPtr& Control, int Index);
    // The prompt for a dimension, in the base state.
    void AwaitDimension();

    // Whether a chain calculated again writes its closing figures into the closing dimension.
    virtual bool WritesClosing() const { return true; }
    // The first chain of the set that is a chain (the assembly's first place is its pool).
    virtual Integer FirstChain() const { return 0; }
    // Where a follow reads links again: the facade's host, or a panel's own.
    virtual TChainHost& FollowHost() { return FacadeChainHost(); }
    // Whether the current chain may be removed; a refusal tells the user why.
    virtual bool MayRemoveChain() { return true; }
    // What a panel shows of the current chain besides its rows.
    virtual void ChainShown() {}
    // The host process redrawn after the chain changed.
    virtual void ProcessChanged() {}

    static bool Same(const tvapi::IPropertyControlPtr& A, const tvapi::IAPIObjectPtr& B)
    {
        return tvapi::IAPIObjectPtr(A) == B;
    }
    static void Tell(const TString& Text);

public:
    static constexpr const char* ClosedDocumentText = "Документ закрыт: размерные цепи не сохранены";
    // What TellUnread tells of a text, before and after the text as ShownText shows it:
    // "Отклонение «-O,1» не число", or for a number too large for a figure "Отклонение «...»
    // слишком велико" (wide: the quotation marks have a code in the code page, not in its UTF-8
    // reading).
    static constexpr const wchar_t* UnreadBefore = L"Отклонение «";
    static constexpr const wchar_t* UnreadAfter = L"» не число";
    static constexpr const wchar_t* TooLargeAfter = L"» слишком велико";
};

template <class TBase>
template <class... TArgs>
TChainPanelOf<TBase>::TChainPanelOf(TArgs&&... Args)
    : TBase(std::forward<TArgs>(Args)...), FMethodNames(eMethodCalculating), FRiskNames(eRiskFactor),
      FRiskValues(RiskValues()), MethodCalculating("Способ расчета", TAdapter::pvEnumInteger, nullptr, false,
                                                   FMethodNames, false, nullptr),
      RiskFactor("Коэффициент риска", TAdapter::pvReal, nullptr, false, FRiskNames, false, &FRiskValues)
{
    ActiveDoc = ActiveChainDocument();
}
