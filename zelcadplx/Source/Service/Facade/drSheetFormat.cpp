#include "drSheetFormat.h"

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

} // namespace

TLeafSelector::TLeafSelector()
    : ASize{{840, 1186}, {1186, 840}, {594, 840}, {840, 594}, {420, 594},
            {594, 420},  {297, 420},  {420, 297}, {210, 297}, {297, 210}}
{
}

TLeafSelector& TLeafSelector::Instance()
{
    static TLeafSelector instance;
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

} // namespace drApi
