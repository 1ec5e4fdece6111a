#pragma once
// A chain host for tests: object types from the objects themselves, a drawing dimension's
// figures through the facade, selection calls and written figures recorded, the figures a link
// reads again as the test sets them.

#include "FacadeChainHost.h"
#include "TDimension.h"

#include <algorithm>
#include <cwchar>
#include <string>
#include <utility>
#include <vector>

class TRecordingChainHost final : public TChainHost {
public:
    struct TCall {
        // 'S' select, 'U' unselect, 'C' clear the selection, 'H' / 'h' highlight on / off, 'M'
        // select a model object, 'W' figures written, 'G' texts given back
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
    // A drawing dimension's own figures, as the facade reads them.
    void GetDimParam(const tvapi::IDrawingObjectPtr& Object, Real& Nominal, TString& Qualitet, Real& QHigh,
                     Real& QLow, bool Angular) override
    {
        if (Object) FacadeChainHost().GetDimParam(Object, Nominal, Qualitet, QHigh, QLow, Angular);
    }
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
    bool GiveAgain(TDimension& Link) override { return Link.Derive(*this); }
    void WriteFigures(TDimension& Link) override
    {
        Calls.push_back({'W', Link.Obj, Link.MO});
        if (TShownFigures* now = Shown(Link))
            *now = Link.Shown();
        else
            Shows.emplace_back(Identity(Link), Link.Shown());
    }
    // 'G': texts given back; the dimension then shows them as numbers (an empty text as 0).
    void WriteTexts(TDimension& Link, const TDeviationTexts& Texts) override
    {
        Calls.push_back({'G', Link.Obj, Link.MO});
        const TShownFigures figures{Link.Shown().Nominal, Number(Texts.Upper), Number(Texts.Lower)};
        if (TShownFigures* now = Shown(Link))
            *now = figures;
        else
            Shows.emplace_back(Identity(Link), figures);
    }
    std::vector<TString> Told;
    void Tell(const TString& Text) override { Told.push_back(Text); }
    static Real Number(std::wstring Text)
    {
        std::replace(Text.begin(), Text.end(), L',', L'.');
        return Text.empty() ? 0.0 : std::wcstod(Text.c_str(), nullptr);
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
