#pragma once
// Shared steps of the 2D document tests: a new drawing in the host of a HostFixture and the
// containers of its active view, reached through the interface as a library reaches them.

#include <gtest/gtest.h>

#include "HostDocuments.h"
#include "tvapi/Dimensions.h"
#include "tvapi/DrawingPrimitives.h"

namespace drawing_test {

struct TSheet {
    tvapi::ITervanDocument2DPtr Doc;
    tvapi::IViewPtr View;
    tvapi::IDrawingContainerPtr Drawing;
    tvapi::ISymbols2DContainerPtr Symbols;
};

// A new active drawing (named `fileName`) and its active view's containers.
inline TSheet NewSheet(tvhost::THostDocuments& documents, std::wstring fileName = {})
{
    TSheet s;
    s.Doc = tvapi::ITervanDocument2DPtr(documents.AddDocument(tvapi::tvDocumentDrawing, std::move(fileName)));
    s.View = s.Doc->GetViewsAndLayersManager()->GetViews()->GetActiveView();
    s.Drawing = tvapi::IDrawingContainerPtr(s.View);
    s.Symbols = tvapi::ISymbols2DContainerPtr(s.View);
    return s;
}

inline tvapi::ILineSegmentPtr Segment(const TSheet& s, double x1, double y1, double x2, double y2, int style)
{
    tvapi::ILineSegmentPtr seg = s.Drawing->GetLineSegments()->Add();
    seg->SetX1(x1);
    seg->SetY1(y1);
    seg->SetX2(x2);
    seg->SetY2(y2);
    seg->SetStyle(style);
    seg->Update();
    return seg;
}

// The host core behind a drawing object.
template <class I> tvhost::TDrawingCore& Core(const tvapi::Ptr<I>& p)
{
    return *dynamic_cast<tvhost::TDrawingCore*>(p.Get());
}

} // namespace drawing_test
