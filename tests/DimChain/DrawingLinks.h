#pragma once
// Real dimensions and segments of the stand-in host's drawing, for the capture and chain tests.

#include <cmath>
#include <string>

#include "../Facade/FacadeFixture.h"
#include "tvapi/Dimensions.h"
#include "tvapi/DrawingPrimitives.h"
#include "tvapi/DrawingTexts.h"

class TDrawingLinksFixture : public TDrawingFacadeFixture {
public: // what a case's builder draws
    tvapi::ISymbols2DContainerPtr Symbols() { return tvapi::ISymbols2DContainerPtr(R().View); }

    // A parallel linear dimension measured at `angle`; deviations as the drawing shows them.
    tvapi::IDrawingObjectPtr LinearAt(double angle, double x1, double y1, double x2, double y2,
                                      double hi = 0.0, double lo = 0.0)
    {
        tvapi::ILineDimensionPtr d = Symbols()->GetLineDimensions()->Add();
        d->SetX1(x1);
        d->SetY1(y1);
        d->SetX2(x2);
        d->SetY2(y2);
        d->SetOrientation(tvapi::tvLinDParallel);
        d->SetAngle(angle);
        return Finish(tvapi::IDrawingObjectPtr(d), hi, lo);
    }
    // Measured along its own points.
    tvapi::IDrawingObjectPtr Linear(double x1, double y1, double x2, double y2, double hi = 0.0,
                                    double lo = 0.0)
    {
        return LinearAt(std::atan2(y2 - y1, x2 - x1), x1, y1, x2, y2, hi, lo);
    }
    tvapi::IDrawingObjectPtr Segment(double x1, double y1, double x2, double y2)
    {
        tvapi::ILineSegmentPtr s = tvapi::IDrawingContainerPtr(R().View)->GetLineSegments()->Add();
        s->SetX1(x1);
        s->SetY1(y1);
        s->SetX2(x2);
        s->SetY2(y2);
        s->Update();
        return tvapi::IDrawingObjectPtr(s);
    }
    tvapi::IDrawingObjectPtr Angle(double a1 = 90, double a2 = 60, double hi = 0.0, double lo = 0.0)
    {
        tvapi::IAngleDimensionPtr d = Symbols()->GetAngleDimensions()->Add(tvapi::tvDrADimension);
        d->SetAngle1(a1);
        d->SetAngle2(a2);
        d->SetAngleType(tvapi::tvADMinAngle);
        return Finish(tvapi::IDrawingObjectPtr(d), hi, lo);
    }
    tvapi::IDrawingObjectPtr Circle(bool diametral, double xc, double yc, double radius, double hi = 0.0,
                                    double lo = 0.0)
    {
        const tvapi::IDiametralDimensionsPtr dims = Symbols()->GetDiametralDimensions();
        if (diametral) return Centred(tvapi::IDiametralDimensionPtr(dims->Add()), xc, yc, radius, hi, lo);
        return Centred(tvapi::IRadialDimensionsPtr(dims)->AddRadial(), xc, yc, radius, hi, lo);
    }
    static std::wstring Upper(const tvapi::IDrawingObjectPtr& d)
    {
        return tvapi::IDimensionTextPtr(d)->GetUpperDeviation()->GetStr();
    }
    static std::wstring Lower(const tvapi::IDrawingObjectPtr& d)
    {
        return tvapi::IDimensionTextPtr(d)->GetLowerDeviation()->GetStr();
    }
    // Saves the drawing as File, closes it and opens the file again: the same entities as fresh
    // host objects. The facade and the selector then work on the reopened drawing; the
    // journal starts empty. The caller lets go of its host objects first.
    void ReopenDrawing(const std::string& File)
    {
        ASSERT_TRUE(R().IDoc->SaveAs(tvhost::FromUtf8(File).c_str()));
        OpenDrawing(File);
    }
    // The drawing closed unsaved and File opened in its place, as ReopenDrawing does.
    void OpenDrawing(const std::string& File)
    {
        const std::wstring name = tvhost::FromUtf8(File);
        drApi::Selector->End(false);
        R().View.Reset();
        R().DrawingContainer.Reset();
        R().Symbols2DContainer.Reset();
        R().IDoc2D.Reset();
        const tvapi::ITervanDocumentPtr old = R().IDoc;
        R().IDoc.Reset();
        ASSERT_TRUE(old->Close(tvapi::kdDoNotSaveChanges));
        ASSERT_TRUE(Host().App().Documents().OpenFile(name));
        drApi::Selector->Begin();
        ASSERT_TRUE(R().IDoc2D);
        R().View = R().IDoc2D->GetViewsAndLayersManager()->GetViews()->GetActiveView();
        R().DrawingContainer = R().View;
        R().Symbols2DContainer = R().View;
        Journal().Clear();
    }

private:
    template <class D>
    tvapi::IDrawingObjectPtr Centred(const D& d, double xc, double yc, double radius, double hi, double lo)
    {
        d->SetXc(xc);
        d->SetYc(yc);
        d->SetRadius(radius);
        return Finish(tvapi::IDrawingObjectPtr(d), hi, lo);
    }
    static tvapi::IDrawingObjectPtr Finish(tvapi::IDrawingObjectPtr obj, double hi, double lo)
    {
        const tvapi::IDimensionTextPtr text(obj);
        text->SetAutoNominalValue(true);
        if (hi != 0.0 || lo != 0.0) text->SetDeviations(hi, lo);
        obj->Update();
        return obj;
    }
};
