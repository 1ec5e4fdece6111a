#pragma once
// Sheet format choice: the smallest standard sheet (A0 to A4, portrait or landscape) that
// holds a laid-out drawing inside its frame, clear of the title block and the technical
// requirements, and where the drawing area of a sheet begins. Sizes are millimetres.

#include "BaseTypes.h"
#include "Mathemat.h"
#include "Rect2D.h"
#include "TArray.h"
#include "tvapi/Documents.h"

// How a drawing stands on the sheet chosen for it.
enum TSheetFit : Integer {
    sfHolds,     // inside the frame, clear of the title block and the requirements
    sfTooLarge,  // no format holds it: A0 landscape is taken
    sfNotFinite, // an extent that is no finite number (or negative): refused, nothing chosen
    sfNoExtent,  // no view could be measured: nothing chosen
};

class TLeafSelector {
public:
    static constexpr Integer CountSizes = 10; // 5 formats x 2 orientations
    static constexpr Real FrameLeft = 40.0;   // the drawing's corner: in from the sheet's left edge
    static constexpr Real FrameTop = 30.0;    // and down from its top
    // The frame stands 20 in from the sheet's left edge and 5 from the others; the title
    // block (185 x 55) in its lower right corner.
    static constexpr Real FrameInsetLeft = 20.0;
    static constexpr Real FrameInset = 5.0;
    static constexpr Real StampWidth = 185.0;
    static constexpr Real StampHeight = 55.0;

    // Sheet sizes (width, height), index 2 * Format + Orientation.
    const TArrayOf<TPoint2D> ASize;
    Integer Format = 0;      // 0 = A0 ... 4 = A4
    Integer Orientation = 0; // 0 = portrait (height is the long side), 1 = landscape

    // The one chooser, built on first use.
    static TLeafSelector& Instance();

    // Format and orientation for a drawing of width dX and height dY placed with its upper-left
    // corner at GetLeafLeftUp: the first of A4 portrait, A4 landscape, A3 landscape, A3
    // portrait ... A0 landscape, A0 portrait on which it stays strictly inside the frame and
    // clear of the title block and of the technical requirements, DemandHeight high over the
    // block's bottom (0: none). sfTooLarge gives A0 landscape; sfNotFinite leaves both unchanged.
    TSheetFit ChoiceFormat(Real const& dX, Real const& dY, Integer& Format, Integer& Orientation,
                           Real DemandHeight = 0.0) const;
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

private:
    Boolean Holds(Integer Format, Integer Orientation, Real dX, Real dY, Real DemandHeight) const;
};

namespace drApi {

// The facade's chooser, the one Instance() holds: fits the sheet to the views measured in
// the active drawing when the facade closes it.
class TLeafSelectorMApi : public TLeafSelector {
public:
    // Nothing while the facade collects a contour; else FitLeaf on the facade's drawing.
    void drUpdateLeafFormat() override;
    // Measures the views of `doc` through the host, sets its first sheet to the format
    // PlanLeaf chooses for them and for the requirements' lines, moves every view by the
    // plan's shift and puts a placed block of technical requirements above the new title
    // block. A drawing too large for A0 goes on A0 landscape with a message naming the file;
    // one whose extent is no finite number leaves the document unchanged, with a message.
    // False, with the document unchanged, for no drawing, no view that could be measured or
    // an extent refused.
    static Boolean FitLeaf(const tvapi::ITervanDocument2DPtr& doc);
    // From the bounding rectangles of the views (an empty rectangle is a view that could
    // not be measured; one with a coordinate that is not finite refuses the plan): the format and orientation
    // for their joint extent (ChoiceFormat with DemandHeight), and the shift that brings the extent's
    // upper-left corner to the frame's upper-left corner. The three outputs are set for sfHolds and
    // sfTooLarge only.
    static TSheetFit PlanLeaf(const TArrayOf<TRect2D>& Views, Integer& Format, Integer& Orientation,
                              TPoint2D& Shift, Real DemandHeight = 0.0);
    // Height the requirements of `lines` lines take over the bottom of their block, as the
    // host sets them (3.5 high, 1.4 heights apart, the last 2 above the bottom), rounded up;
    // 0 for none.
    static Real DemandHeight(Integer lines);
};

} // namespace drApi
