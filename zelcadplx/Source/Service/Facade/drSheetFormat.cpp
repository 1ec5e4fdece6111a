#include "drSheetFormat.h"

#include <vector>

#include "drModelerAPI.h"
#include "tvapi/DrawingComposites.h"
#include "tvapi/DrawingDocument.h"
#include "tvapi/DrawingPrimitives.h"
#include "tvapi/LayoutSheets.h"

namespace {

// Frame margins added to a drawing's extent before it is compared with a sheet.
constexpr Real MarginWidth = 40.0;
constexpr Real MarginHeight = 30.0;
// Width beyond which a drawing on A3 landscape (portrait) reaches over the title block.
constexpr Real WideOnA3Landscape = 235.0;
constexpr Real WideOnA3Portrait = 112.0;

// Sides (long, short) of A1..A4; A0 and any other format use the last entry.
constexpr Real LongSide[] = {1188.0, 840.0, 594.0, 420.0, 297.0};
constexpr Real ShortSide[] = {840.0, 594.0, 420.0, 297.0, 210.0};

const TPoint2D NoSize;

// The title block's corner stands this far in from the sheet's edges; the technical
// requirements keep this room to its top and to the sheet's right edge.
constexpr Real StampInset = 5.0;
constexpr Real StampHeight = 55.0;
constexpr Real DemandWidth = 175.0;
constexpr Real DemandHeight = 100.0;
constexpr Real DemandRight = 10.0;
constexpr Integer LandscapeA0 = 1;

// The views of a drawing; empty without one.
tvapi::IViewsPtr ViewsOf(const tvapi::ITervanDocument2DPtr& doc)
{
    const tvapi::IViewsAndLayersManagerPtr manager = doc ? doc->GetViewsAndLayersManager() : nullptr;
    return manager ? manager->GetViews() : nullptr;
}

// The rectangle of each view as the host measures it; an empty one for a view it cannot.
TArrayOf<TRect2D> MeasureViews(tvapi::IViews& views)
{
    const Integer count = views.GetCount();
    TArrayOf<TRect2D> rects(count > 0 ? count : 1, 1);
    for (Integer i = 0; i < count; ++i) {
        TRect2D r;
        r.SetEmpty();
        double x1 = 0, y1 = 0, x2 = 0, y2 = 0;
        const tvapi::IViewPtr view = views.GetItem(i);
        if (view && view->GetExtent(x1, y1, x2, y2)) r = TRect2D(x1, y1, x2, y2);
        rects.Add(r);
    }
    return rects;
}

void MoveViews(tvapi::IViews& views, const TPoint2D& shift)
{
    for (Integer i = 0; i < views.GetCount(); ++i) {
        const tvapi::IViewPtr view = views.GetItem(i);
        if (!view) continue;
        view->SetX(view->GetX() + shift.x);
        view->SetY(view->GetY() + shift.y);
        view->Update();
    }
}

void SetSheetFormat(const tvapi::ITervanDocumentPtr& doc, Integer Format, Integer Orientation)
{
    const tvapi::ILayoutSheetsPtr sheets = doc ? doc->GetLayoutSheets() : nullptr;
    const tvapi::ILayoutSheetPtr sheet = sheets && sheets->GetCount() > 0 ? sheets->GetItem(0) : nullptr;
    const tvapi::ISheetFormatPtr format = sheet ? sheet->GetFormat() : nullptr;
    if (!format) return;
    format->SetFormat(Format);
    format->SetOrientation(Orientation != 0);
}

// Requirements placed before the sheet changed follow its title block.
void FollowTitleBlock(const tvapi::IDrawingDocumentPtr& drawing, const TRect2D& block)
{
    const tvapi::ITechnicalDemandPtr demand = drawing ? drawing->GetTechnicalDemand() : nullptr;
    if (!demand || demand->GetBlock().size() != 4) return;
    demand->SetBlock({block.Right(), block.Bottom(), block.Left(), block.Top()});
    demand->Update();
}

} // namespace

TLeafSelector::TLeafSelector()
    : ASize{{840, 1186}, {1186, 840}, {594, 840}, {840, 594}, {420, 594},
            {594, 420},  {297, 420},  {420, 297}, {210, 297}, {297, 210}}
{
}

// The facade's chooser, so that closing a sheet fits it to its drawing.
TLeafSelector& TLeafSelector::Instance()
{
    static drApi::TLeafSelectorMApi instance;
    return instance;
}

void TLeafSelector::ChoiceFormat(Real const& dX, Real const& dY, Integer& oFormat,
                                 Integer& oOrientation) const
{
    const Real w = dX + MarginWidth;
    const Real h = dY + MarginHeight;
    const Real eLandscape = w > WideOnA3Landscape ? TitleBlockRoom : 0.0;
    const Real ePortrait = w > WideOnA3Portrait ? TitleBlockRoom : 0.0;
    auto pick = [&](Integer f, Integer o) {
        oFormat = f;
        oOrientation = o;
    };
    if (w < 210 && h < 297) return pick(4, 0);
    if (w < 420 && h + eLandscape < 297) return pick(3, 1);
    if (w < 297 && h + ePortrait < 420) return pick(3, 0);
    if (w < 594 && h < 420) return pick(2, 1);
    if (w < 420 && h < 594) return pick(2, 0);
    if (w < 840 && h < 594) return pick(1, 1);
    if (w < 594 && h < 840) return pick(1, 0);
    pick(0, 1);
}

void TLeafSelector::GetLeafLeftUp(Integer iFormat, Integer iOrientation, Real& x, Real& y) const
{
    const Integer f = iFormat >= 1 && iFormat <= 4 ? iFormat : 0;
    const Real H = iOrientation == 0 ? LongSide[f] : ShortSide[f];
    x = FrameLeft;
    y = H - FrameTop;
}

TPoint2D const& TLeafSelector::LSize(Integer i)
{
    return i >= 0 && i < ASize.Count ? ASize[i] : NoSize;
}

TRect2D TLeafSelector::DemandBlock(Integer iFormat, Integer iOrientation)
{
    const bool known = iFormat >= 0 && iFormat <= 4 && (iOrientation == 0 || iOrientation == 1);
    const Real w = LSize(known ? 2 * iFormat + iOrientation : LandscapeA0).x;
    const Real bottom = StampInset + StampHeight + StampInset;
    return TRect2D(w - DemandRight - DemandWidth, bottom, w - DemandRight, bottom + DemandHeight);
}

void TLeafSelector::drUpdateLeafFormat() {}

namespace drApi {

Boolean TLeafSelectorMApi::PlanLeaf(const TArrayOf<TRect2D>& Views, Integer& oFormat, Integer& oOrientation,
                                    TPoint2D& Shift)
{
    TRect2D extent;
    Boolean measured = false;
    for (Integer i = 0; i < Views.Count; ++i) {
        const TRect2D& r = Views[i];
        if (r.IsEmpty()) continue;
        if (measured)
            extent.Add(r);
        else
            extent = r;
        measured = true;
    }
    if (!measured) return false;

    TLeafSelector& chooser = Instance();
    chooser.ChoiceFormat(extent.Width(), extent.Height(), oFormat, oOrientation);
    Real x0 = 0.0;
    Real y0 = 0.0;
    chooser.GetLeafLeftUp(oFormat, oOrientation, x0, y0);
    Shift = TPoint2D(x0 - extent.Left(), y0 - extent.Top());
    return true;
}

void TLeafSelectorMApi::drUpdateLeafFormat()
{
    if (MA.OutputContour() != nullptr) return;
    FitLeaf(MA.GetDoc());
}

Boolean TLeafSelectorMApi::FitLeaf(const tvapi::ITervanDocument2DPtr& doc)
{
    const tvapi::IViewsPtr views = ViewsOf(doc);
    if (!views) return false;
    Integer format = 0, orientation = 0;
    TPoint2D shift;
    if (!PlanLeaf(MeasureViews(*views), format, orientation, shift)) return false;
    SetSheetFormat(tvapi::ITervanDocumentPtr(doc), format, orientation);
    MoveViews(*views, shift);
    FollowTitleBlock(tvapi::IDrawingDocumentPtr(doc), Instance().DemandBlock(format, orientation));
    return true;
}

} // namespace drApi
