#pragma once
// A chain host for tests: object types from the objects themselves, selection calls recorded.

#include "ChainHost.h"

#include <string>
#include <vector>

class TRecordingChainHost final : public TChainHost {
public:
    struct TCall {
        // 'S' select, 'U' unselect, 'C' clear the selection, 'H' / 'h' highlight on / off, 'M'
        // select a model object
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
