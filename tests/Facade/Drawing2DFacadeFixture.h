#pragma once
// Fixture for the facade drawing into a stand-in drawing: a new drawing is the current 2D
// document, its active view the current view and both containers. At the end every
// registry field, modeller stack and placement the drawing operations fill is given back.

#include "FacadeFixture.h"
#include "HostDocuments.h"
#include "HostDrawing2D.h"

class TDrawing2DFacadeFixture : public TFacadeFixture {
protected:
    void SetUp() override {
        TFacadeFixture::SetUp();
        R().IDoc2D = Open(tvapi::tvDocumentDrawing);
        R().View = R().IDoc2D->GetViewsAndLayersManager()->GetViews()->GetActiveView();
        R().DrawingContainer = R().View;
        R().Symbols2DContainer = R().View;
    }
    void TearDown() override {
        drApi::TRegistryApi& r = R();
        TRegistryModeler2D& r2 = R2();
        for (Integer i = 0; i < r2.AGroup.Count; ++i)
            r2.AGroup[i].Reset();
        r2.AGroup.Clear(), r2.APrevCommand.Clear(), r2.AContour.Clear(), r2.HatchContour.Clear();
        r2.CurDrawingObject.Reset(), r2.PrevDrawingObject.Reset(), r2.ACutPoint.Clear();
        r.View.Reset(), r.DrawingContainer.Reset(), r.Symbols2DContainer.Reset(), r.LastObj.Reset();
        r.Entity2D.Reset(), r.Obj.Reset(), r.Obj3D.Reset(), r.MacroObj.Reset(), r.Leader.Reset();
        r.CutLine.Reset(), r.Hatch.Reset(), r.Colouring.Reset(), r.BoundariesObject.Reset();
        while (drApi::Transf2D->AMtr.Count > 0)
            drApi::Transf2D->drDeleteMtr();
        TFacadeFixture::TearDown();
    }

    static TRegistryModeler2D& R2() { return *drApi::MA.R2; }
    tvhost::TDrawing2D& Drawing() { return tvhost::HostAs<tvhost::THostDocument2D>(R().IDoc2D)->Drawing(); }
    // The objects of the active view in creation order, one of them as the host keeps it, their kinds.
    const tvapi::DrawingObjectList& Drawn() { return Drawing().ActiveView().Children(); }
    tvhost::TDrawingCore& Obj(std::size_t i) { return Core(Drawn().at(i)); }
    static tvhost::TDrawingCore& Core(const tvapi::IDrawingObjectPtr& p) {
        return *dynamic_cast<tvhost::TDrawingCore*>(p.Get());
    }
    std::vector<int> Kinds() {
        std::vector<int> kinds;
        for (const tvapi::IDrawingObjectPtr& o : Drawn())
            kinds.push_back(Core(o).Type());
        return kinds;
    }
    // The kinds of the open composite objects, innermost last.
    std::vector<TCommand> OpenKinds() {
        return {R2().APrevCommand.Array(), R2().APrevCommand.Array() + R2().APrevCommand.Count};
    }
};
