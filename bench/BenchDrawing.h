#pragma once
// The stand-in host's drawing the drawing benchmarks work in, made the facade's document, and
// the dimensions they draw in it.

#include "Host.h"
#include "drModelerAPI.h"
#include "drSelectorAPI.h"
#include "tvapi/Dimensions.h"
#include "tvapi/DrawingTexts.h"

// A new drawing of Host, made the facade's document, its selection begun.
inline void OpenBenchDrawing(tvhost::THost& Host)
{
    drApi::TRegistryApi& r = *drApi::MA.R3;
    r.Tervan7 = &Host.App();
    Host.Application()->GetDocuments()->Add(tvapi::tvDocumentDrawing, true);
    drApi::Selector->Begin();
    r.View = r.IDoc2D->GetViewsAndLayersManager()->GetViews()->GetActiveView();
    r.DrawingContainer = r.View;
    r.Symbols2DContainer = r.View;
}

// Ends what OpenBenchDrawing began.
inline void CloseBenchDrawing()
{
    drApi::Selector->End(false);
    drApi::MA.Done();
}

// A horizontal parallel dimension of the facade's view from (x1, y1) to (x2, y2), its line at
// height y3; deviations as the drawing shows them.
inline tvapi::IDrawingObjectPtr BenchDimension(double x1, double y1, double x2, double y2, double y3,
                                               double hi, double lo)
{
    const tvapi::ILineDimensionPtr d =
        tvapi::ISymbols2DContainerPtr(drApi::MA.R3->View)->GetLineDimensions()->Add();
    d->SetX1(x1);
    d->SetY1(y1);
    d->SetX2(x2);
    d->SetY2(y2);
    d->SetY3(y3);
    d->SetOrientation(tvapi::tvLinDParallel);
    d->SetAngle(0.0);
    const tvapi::IDimensionTextPtr text(d);
    text->SetAutoNominalValue(true);
    if (hi != 0.0 || lo != 0.0) text->SetDeviations(hi, lo);
    tvapi::IDrawingObjectPtr(d)->Update();
    return tvapi::IDrawingObjectPtr(d);
}
