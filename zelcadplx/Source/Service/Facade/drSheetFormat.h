#pragma once
// Sheet format choice: the smallest standard sheet (A0 to A4, portrait or landscape) that
// holds a laid-out drawing, and where the drawing area of a sheet begins. Sizes are
// millimetres; a drawing's extent is its width and height before the frame margins.

#include "BaseTypes.h"
#include "Mathemat.h"
#include "Rect2D.h"
#include "TArray.h"
#include "tvapi/Documents.h"

class TLeafSelector {
public:
    static constexpr Integer CountSizes = 10;    // 5 formats x 2 orientations
    static constexpr Real FrameLeft = 40.0;      // left margin of the frame
    static constexpr Real FrameTop = 30.0;       // upper margin of the frame
    static constexpr Real TitleBlockRoom = 55.0; // kept free above the title block

    // Sheet sizes (width, height), index 2 * Format + Orientation.
    const TArrayOf<TPoint2D> ASize;
    Integer Format = 0;      // 0 = A0 ... 4 = A4
    Integer Orientation = 0; // 0 = portrait (height is the long side), 1 = landscape

    // The one chooser, built on first use.
    static TLeafSelector& Instance();

    // Format and orientation for a drawing of width dX and height dY; A0 landscape when
    // nothing smaller holds it.
    void ChoiceFormat(Real const& dX, Real const& dY, Integer& Format, Integer& Orientation) const;
    // Upper-left corner (x, y) of the drawing area of a sheet; an unknown format counts as A0.
    void GetLeafLeftUp(Integer Format, Integer Orientation, Real& x, Real& y) const;
    // Entry i of ASize; (0, 0) for an index outside 0..9.
    TPoint2D const& LSize(Integer i);
    // The block of the technical requirements on a sheet: 175 wide, its right edge 10 in
    // from the sheet's, its bottom 5 above the title block (which stands 5 in from the
    // sheet's lower right corner, 185 x 55); an unknown format counts as A0 landscape.
    TRect2D DemandBlock(Integer Format, Integer Orientation);
    // Fits the open sheet to its drawing; this chooser's own does nothing.
    virtual void drUpdateLeafFormat();

    TLeafSelector(const TLeafSelector&) = delete;
    TLeafSelector& operator=(const TLeafSelector&) = delete;

protected:
    TLeafSelector();
    virtual ~TLeafSelector() = default;
};

namespace drApi {

// The facade's chooser, the one Instance() holds: fits the sheet to the views measured in
// the active drawing when the facade closes it.
class TLeafSelectorMApi : public TLeafSelector {
public:
    // Nothing while the facade collects a contour; else FitLeaf on the facade's drawing.
    void drUpdateLeafFormat() override;
    // Measures the views of `doc` through the host, sets its first sheet to the format
    // PlanLeaf chooses, moves every view by the plan's shift and puts a placed block of
    // technical requirements above the new title block. False, with the document unchanged,
    // for no drawing or no view that could be measured.
    static Boolean FitLeaf(const tvapi::ITervanDocument2DPtr& doc);
    // From the bounding rectangles of the views (an empty rectangle is a view that could
    // not be measured): the format and orientation for their joint extent, and the shift
    // that brings the extent's upper-left corner to the frame's upper-left corner. False,
    // with the three outputs unchanged, when no view could be measured.
    static Boolean PlanLeaf(const TArrayOf<TRect2D>& Views, Integer& Format, Integer& Orientation,
                            TPoint2D& Shift);
};

} // namespace drApi
