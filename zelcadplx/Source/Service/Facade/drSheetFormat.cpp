#include "drSheetFormat.h"

#include <cmath>
#include <limits>
#include <vector>

#include "Messager.h"
#include "drModelerAPI.h"
#include "tvapi/DrawingComposites.h"
#include "tvapi/DrawingDocument.h"
#include "tvapi/DrawingPrimitives.h"
#include "tvapi/LayoutSheets.h"

namespace {

// The order the formats are tried in, (format, orientation): from the smallest sheet, each
// format in the orientation that suits a wide drawing first (A4 portrait as sheets are bound).
constexpr Integer TryOrder[][2] = {{4, 0}, {4, 1}, {3, 1}, {3, 0}, {2, 1},
                                   {2, 0}, {1, 1}, {1, 0}, {0, 1}, {0, 0}};

// Sides (long, short) of A1..A4; A0 and any other format use the last entry.
constexpr Real LongSide[] = {1188.0, 840.0, 594.0, 420.0, 297.0};
constexpr Real ShortSide[] = {840.0, 594.0, 420.0, 297.0, 210.0};

const TPoint2D NoSize;

// The technical requirements' block: its size, and its room to the title block's top and to
// the sheet's right edge.
constexpr Real DemandWidth = 175.0;
constexpr Real DemandBlockHeight = 100.0;
constexpr Real DemandOverStamp = 5.0;
constexpr Real DemandRight = 10.0;
constexpr Integer LandscapeA0 = 1;
// The requirements as the host sets them: the room from their block's bottom to the last
// line's baseline, and each line's pitch (1.4 x 3.5 rounded up) to the top of its letters.
constexpr Real DemandBaseline = 2.0;
constexpr Real DemandLine = 5.0;
constexpr Real Unbounded = std::numeric_limits<Real>::infinity();

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
        // A rectangle would drop a coordinate that is no number: such a view measures unbounded.
        if (!std::isfinite(x1) || !std::isfinite(y1) || !std::isfinite(x2) || !std::isfinite(y2))
            r = TRect2D(-Unbounded, -Unbounded, Unbounded, Unbounded);
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

// Lines of the drawing's technical requirements; 0 without them.
Integer DemandLines(const tvapi::IDrawingDocumentPtr& drawing)
{
    const tvapi::ITechnicalDemandPtr demand = drawing ? drawing->GetTechnicalDemand() : nullptr;
    const tvapi::ITextPtr text = demand ? demand->GetText() : nullptr;
    return text ? text->GetCount() : 0;
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

TSheetFit TLeafSelector::ChoiceFormat(Real const& dX, Real const& dY, Integer& oFormat, Integer& oOrientation,
                                      Real DemandHeight) const
{
    const auto measure = [](Real v) { return std::isfinite(v) && v >= 0.0; };
    if (!measure(dX) || !measure(dY) || !measure(DemandHeight)) return sfNotFinite;
    for (const auto& [f, o] : TryOrder)
        if (Holds(f, o, dX, dY, DemandHeight)) {
            oFormat = f;
            oOrientation = o;
            return sfHolds;
        }
    oFormat = 0;
    oOrientation = LandscapeA0;
    return sfTooLarge;
}

// The drawing's box from the corner GetLeafLeftUp gives, against the frame and the lower right
// corner the title block and the requirements over it take; every comparison strict.
Boolean TLeafSelector::Holds(Integer iFormat, Integer iOrientation, Real dX, Real dY, Real DemandHeight) const
{
    const TPoint2D& sheet = ASize[2 * iFormat + iOrientation];
    Real x0 = 0.0, y0 = 0.0;
    GetLeafLeftUp(iFormat, iOrientation, x0, y0);
    const Real right = x0 + dX, bottom = y0 - dY;
    const Real frameRight = sheet.x - FrameInset;
    const bool inFrame =
        x0 > FrameInsetLeft && right < frameRight && bottom > FrameInset && y0 < sheet.y - FrameInset;
    if (!inFrame) return false;
    const Real cornerTop =
        FrameInset + StampHeight + (DemandHeight > 0.0 ? DemandOverStamp + DemandHeight : 0.0);
    return right < frameRight - StampWidth || bottom > cornerTop;
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
    const Real bottom = FrameInset + StampHeight + DemandOverStamp;
    return TRect2D(w - DemandRight - DemandWidth, bottom, w - DemandRight, bottom + DemandBlockHeight);
}

void TLeafSelector::drUpdateLeafFormat() {}

namespace drApi {

TSheetFit TLeafSelectorMApi::PlanLeaf(const TArrayOf<TRect2D>& Views, Integer& oFormat, Integer& oOrientation,
                                      TPoint2D& Shift, Real DemandHeight)
{
    TRect2D extent;
    Boolean measured = false;
    for (Integer i = 0; i < Views.Count; ++i) {
        const TRect2D& r = Views[i];
        if (r.IsEmpty()) continue;
        // Joining would pass over a coordinate that is no number.
        for (const Real v : {r.Left(), r.Bottom(), r.Right(), r.Top()})
            if (!std::isfinite(v)) return sfNotFinite;
        if (measured)
            extent.Add(r);
        else
            extent = r;
        measured = true;
    }
    if (!measured) return sfNoExtent;

    TLeafSelector& chooser = Instance();
    Integer format = 0, orientation = 0;
    const TSheetFit fit =
        chooser.ChoiceFormat(extent.Width(), extent.Height(), format, orientation, DemandHeight);
    if (fit == sfNotFinite) return fit;
    Real x0 = 0.0;
    Real y0 = 0.0;
    chooser.GetLeafLeftUp(format, orientation, x0, y0);
    oFormat = format;
    oOrientation = orientation;
    Shift = TPoint2D(x0 - extent.Left(), y0 - extent.Top());
    return fit;
}

Real TLeafSelectorMApi::DemandHeight(Integer lines)
{
    return lines > 0 ? DemandBaseline + static_cast<Real>(lines) * DemandLine : 0.0;
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
    const tvapi::IDrawingDocumentPtr drawing(doc);
    Integer format = 0, orientation = 0;
    TPoint2D shift;
    const TSheetFit fit =
        PlanLeaf(MeasureViews(*views), format, orientation, shift, DemandHeight(DemandLines(drawing)));
    if (fit == sfNotFinite)
        Messager.LiftBox(DC("Размеры чертежа не определены, формат не выбран: ") + MA.LeafName(*doc),
                         TMessager::toAlways);
    if (fit != sfHolds && fit != sfTooLarge) return false;
    if (fit == sfTooLarge)
        Messager.LiftBox(DC("Чертёж не помещается на формате A0: ") + MA.LeafName(*doc), TMessager::toAlways);
    SetSheetFormat(tvapi::ITervanDocumentPtr(doc), format, orientation);
    MoveViews(*views, shift);
    FollowTitleBlock(drawing, Instance().DemandBlock(format, orientation));
    return true;
}

} // namespace drApi
