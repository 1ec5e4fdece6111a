#pragma once
// Fixtures for the facade against the stand-in host. TFacadeFixture gives drApi::MA the host's
// application and the caption "libDimChain"; TDrawingFacadeFixture adds a new drawing as the
// current document, its active view as view and containers. At the end the facade's time in
// the host ends as at unload (drApi::TModelerApi::Done), so every host reference, modeller
// stack and placement it took is given back before the live-object count is checked.

#include <string>
#include <vector>

#include "Contour.h"
#include "HostArgs.h"
#include "HostDocuments.h"
#include "HostDrawing2D.h"
#include "HostFixture.h"
#include "HostPart.h"
#include "HostSheets.h"
#include "HostText.h"
#include "drModelerAPI.h"
#include "drSelectorAPI.h"

class TFacadeFixture : public HostFixture {
protected:
    void SetUp() override
    {
        HostFixture::SetUp();
        FApp = Application();
        R().Tervan7 = FApp.Get();
        R().FileName = "libDimChain";
    }
    void TearDown() override
    {
        drApi::MA.Done();
        FApp.Reset();
        HostFixture::TearDown();
    }

    static drApi::TRegistryApi& R() { return *drApi::MA.R3; }
    static TRegistryModeler2D& R2() { return *drApi::MA.R2; }
    // Opens a new document of type t and makes it active; the host keeps it.
    tvapi::ITervanDocumentPtr Open(tvapi::DocumentTypeEnum t)
    {
        return Host().App().Documents().AddDocument(t, L"doc");
    }
    // The kinds of the open composite objects, innermost last.
    static std::vector<TCommand> OpenKinds()
    {
        return {R2().APrevCommand.Array(), R2().APrevCommand.Array() + R2().APrevCommand.Count};
    }
    // The title block of the first sheet and one cell's text as UTF-8, lines joined with "\n".
    tvhost::THostStamp& Stamp()
    {
        return tvhost::HostAs<tvhost::THostDocument2D>(R().IDoc)->Data().Sheets.Items.at(0)->Stamp();
    }
    std::string Cell(int cell) { return U(Stamp().CellStr(cell)); }
    static std::string U(const std::wstring& s) { return tvhost::ToUtf8(s); }
    static std::string U(const TString& s)
    {
        std::vector<char8_t> out(2 * static_cast<std::size_t>(s.Length()) + 1);
        const Integer n = TString::toUTF8(s.PChar(), out.data());
        return std::string(reinterpret_cast<const char*>(out.data()), static_cast<std::size_t>(n));
    }

    tvapi::IApplicationPtr FApp;
};

class TDrawingFacadeFixture : public TFacadeFixture {
protected:
    void SetUp() override
    {
        TFacadeFixture::SetUp();
        R().IDoc = R().IDoc2D = Open(tvapi::tvDocumentDrawing);
        R().View = R().IDoc2D->GetViewsAndLayersManager()->GetViews()->GetActiveView();
        R().DrawingContainer = R().View;
        R().Symbols2DContainer = R().View;
    }

    tvhost::TDrawing2D& Drawing() { return tvhost::HostAs<tvhost::THostDocument2D>(R().IDoc2D)->Drawing(); }
    // The objects of the active view in creation order, one of them as the host keeps it, their kinds.
    const tvapi::DrawingObjectList& Drawn() { return Drawing().ActiveView().Children(); }
    tvhost::TDrawingCore& Obj(std::size_t i) { return Core(Drawn().at(i)); }
    static tvhost::TDrawingCore& Core(const tvapi::IDrawingObjectPtr& p)
    {
        return *dynamic_cast<tvhost::TDrawingCore*>(p.Get());
    }
    std::vector<int> Kinds()
    {
        std::vector<int> kinds;
        for (const tvapi::IDrawingObjectPtr& o : Drawn())
            kinds.push_back(Core(o).Type());
        return kinds;
    }
    static tvapi::IDrawingObjectPtr Current() { return R2().CurDrawingObject; }
};

// A facade over a new part document whose top part is the registry's part.
class TPartFacadeFixture : public TFacadeFixture {
protected:
    tvhost::THostPart& Top() { return tvhost::HostAs<tvhost::THostDocument3D>(R().IDoc)->TopPart(); }
    void OpenPart()
    {
        R().IDoc = Host().App().Documents().AddDocument(tvapi::tvDocumentPart, L"part.qpt");
        R().IDoc3D = R().IDoc;
        R().Part = R().IDoc3D->GetTopPart();
    }
};
