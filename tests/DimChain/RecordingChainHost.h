#pragma once
// A chain host for tests: object types from the objects themselves, selection calls and
// written figures recorded, a dimension's figures as the test sets them.

#include "ChainHost.h"
#include "TDimension.h"

#include <string>
#include <utility>
#include <vector>

class TRecordingChainHost final : public TChainHost {
public:
    struct TCall {
        // 'S' select, 'U' unselect, 'C' clear the selection, 'H' / 'h' highlight on / off, 'M'
        // select a model object, 'W' figures written
        char Kind;
        tvapi::IDrawingObjectPtr Object;
        tvapi::IModelObjectPtr Model = {};
    };
    std::vector<TCall> Calls;

    tvapi::DrawingObjectTypeEnum GetType(const tvapi::IDrawingObjectPtr& Object) override
    {
        return Object ? Object->GetDrawingObjectType() : tvapi::tvAllObj;
    }
    Integer GetNumberView(const tvapi::IDrawingObjectPtr&) override { return 0; }
    void GetDimParam(const tvapi::IDrawingObjectPtr&, Real&, TString&, Real&, Real&, bool) override {}
    // The deviations each dimension (a drawing or, for a link without one, a model object)
    // shows, as set by the test or last written; a link of a dimension not listed reads as it is.
    std::vector<std::pair<const void*, TShownFigures>> Shows;
    static const void* Identity(const TDimension& L)
    {
        return L.Obj ? static_cast<const void*>(L.Obj.Get()) : static_cast<const void*>(L.MO.Get());
    }
    TShownFigures* Shown(const TDimension& L)
    {
        for (auto& [object, figures] : Shows)
            if (object == Identity(L)) return &figures;
        return nullptr;
    }
    bool Reread(TDimension& Link, bool KeepFigures) override
    {
        const TShownFigures* now = Shown(Link);
        if (KeepFigures || !now || (now->QHigh == Link.QHigh && now->QLow == Link.QLow)) return false;
        Link.QHigh = now->QHigh;
        Link.QLow = now->QLow;
        return true;
    }
    void WriteFigures(TDimension& Link) override
    {
        Calls.push_back({'W', Link.Obj, Link.MO});
        if (TShownFigures* now = Shown(Link))
            *now = Link.Shown();
        else
            Shows.emplace_back(Identity(Link), Link.Shown());
    }
    bool HasDrawing() override { return false; }
    void Select(const tvapi::IDrawingObjectPtr& Object) override { Calls.push_back({'S', Object}); }
    void SelectModel(const tvapi::IModelObjectPtr& Object) override { Calls.push_back({'M', {}, Object}); }
    int SelectedCount() override { return 0; }
    tvapi::IModelObjectPtr SelectedModel(int) override { return {}; }
    void UnSelect(const tvapi::IDrawingObjectPtr& Object) override { Calls.push_back({'U', Object}); }
    void ClearSelection() override { Calls.push_back({'C', {}}); }
    void Choose(const tvapi::IDrawingObjectPtr& Object) override { Calls.push_back({'H', Object}); }
    void UnChoose(const tvapi::IDrawingObjectPtr& Object) override { Calls.push_back({'h', Object}); }
    // The kinds in order, as "CSSU".
    std::string Kinds() const
    {
        std::string s;
        for (const TCall& c : Calls)
            s += c.Kind;
        return s;
    }
};
