#pragma once
// TChainHost: what a chain and its panels need of the host application - the type, view and
// values of a drawing object, a link's figures read again and a closing link's written (or a
// dimension's own texts given back), a message, the
// selection the user sees (drawing and model objects) and the highlight of what the cursor
// would pick. The panels pass the facade's host in; tests pass a recorder.

#include "BaseTypes.h"
#include "DString.h"
#include "TWrittenDeviations.h"
#include "tvapi/DrawingObject.h"
#include "tvapi/ModelObjects.h"

class TDimension;

class TChainHost {
public:
    virtual ~TChainHost() = default;
    // tvAllObj for an empty pointer.
    virtual tvapi::DrawingObjectTypeEnum GetType(const tvapi::IDrawingObjectPtr& Object) = 0;
    // The number of the view that holds Object; 0 for none.
    virtual Integer GetNumberView(const tvapi::IDrawingObjectPtr& Object) = 0;
    // A dimension's nominal value, quality and deviations (Angular: its angular ones); nothing
    // changes for an object that is no dimension.
    virtual void GetDimParam(const tvapi::IDrawingObjectPtr& Object, Real& Nominal, TString& Qualitet,
                             Real& QHigh, Real& QLow, bool Angular) = 0;
    // Link read again from what it was taken from as it stands now, keeping what the user set
    // on it; with KeepFigures (a last link, whose deviations are its chain's) its deviations
    // stay unless its dimension shows them (a drawing's, which its chain writes). True when
    // anything the link counts with changed.
    virtual bool Reread(TDimension& Link, bool KeepFigures) = 0;
    // Link's fields as its objects give them now (TDimension::Derive for a drawing's), what the
    // user set kept; false, Link as it was, when its objects cannot give them (gone, or of
    // another kind).
    virtual bool GiveAgain(TDimension& Link) = 0;
    // A closing link's deviations written into its dimension; figures that are not finite are
    // never written.
    virtual void WriteFigures(TDimension& Link) = 0;
    // Texts written into the dimension of Link, which no chain writes any more, and the link
    // read again from it.
    virtual void WriteTexts(TDimension& Link, const TDeviationTexts& Texts) = 0;
    // A message to the user.
    virtual void Tell(const TString& Text) = 0;
    // Whether a 2D document is current.
    virtual bool HasDrawing() = 0;
    virtual void Select(const tvapi::IDrawingObjectPtr& Object) = 0;
    virtual void UnSelect(const tvapi::IDrawingObjectPtr& Object) = 0;
    // A model object into the same selection; nothing for an empty one.
    virtual void SelectModel(const tvapi::IModelObjectPtr& Object) = 0;
    virtual void ClearSelection() = 0;
    // The objects in the selection, and selected object I as a model object (empty when it is
    // none or I is out of range).
    virtual int SelectedCount() = 0;
    virtual tvapi::IModelObjectPtr SelectedModel(int I) = 0;
    // The highlight of an object under the cursor, apart from the selection.
    virtual void Choose(const tvapi::IDrawingObjectPtr& Object) = 0;
    virtual void UnChoose(const tvapi::IDrawingObjectPtr& Object) = 0;
};

// A host that passes every call on to another: a host that answers some calls itself overrides
// those alone.
class TForwardingChainHost : public TChainHost {
public:
    explicit TForwardingChainHost(TChainHost& Host) : F(Host) {}
    tvapi::DrawingObjectTypeEnum GetType(const tvapi::IDrawingObjectPtr& O) override { return F.GetType(O); }
    Integer GetNumberView(const tvapi::IDrawingObjectPtr& O) override { return F.GetNumberView(O); }
    void GetDimParam(const tvapi::IDrawingObjectPtr& O, Real& Nominal, TString& Qualitet, Real& QHigh,
                     Real& QLow, bool Angular) override
    {
        F.GetDimParam(O, Nominal, Qualitet, QHigh, QLow, Angular);
    }
    bool Reread(TDimension& Link, bool KeepFigures) override { return F.Reread(Link, KeepFigures); }
    bool GiveAgain(TDimension& Link) override { return F.GiveAgain(Link); }
    void WriteFigures(TDimension& Link) override { F.WriteFigures(Link); }
    void WriteTexts(TDimension& Link, const TDeviationTexts& Texts) override { F.WriteTexts(Link, Texts); }
    void Tell(const TString& Text) override { F.Tell(Text); }
    bool HasDrawing() override { return F.HasDrawing(); }
    void Select(const tvapi::IDrawingObjectPtr& O) override { F.Select(O); }
    void UnSelect(const tvapi::IDrawingObjectPtr& O) override { F.UnSelect(O); }
    void SelectModel(const tvapi::IModelObjectPtr& O) override { F.SelectModel(O); }
    void ClearSelection() override { F.ClearSelection(); }
    int SelectedCount() override { return F.SelectedCount(); }
    tvapi::IModelObjectPtr SelectedModel(int I) override { return F.SelectedModel(I); }
    void Choose(const tvapi::IDrawingObjectPtr& O) override { F.Choose(O); }
    void UnChoose(const tvapi::IDrawingObjectPtr& O) override { F.UnChoose(O); }

protected:
    TChainHost& F;
};
