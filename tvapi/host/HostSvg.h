#pragma once
// SVG pictures of stand-in 2D documents, so a person can look at what a library drew: every
// view's objects placed on the sheet by the view's origin, scale and angle; line styles as
// stroke widths and dash patterns; texts, hatches, fills, cut lines, leaders, and
// dimensions with their lines, arrows and texts. Sheet millimetres, Y up as on the sheet.

#include <array>
#include <string>
#include <string_view>
#include <vector>

#include "HostPoint2.h"

namespace tvhost {

class TDrawing2D;
class TDrawingCore;
class THostView;
class TDocumentCore;
struct TDocumentData;

// Text codes shown as the symbols they stand for: "&01" degree, "&02" diameter, "&03"
// plus-minus, "&04" multiplication; a "~" right after a code ends it and is not shown
// ("&04~45&01" reads "×45°"). Other text is unchanged.
std::wstring ShowMarkup(std::wstring_view text);
// The drawing as an SVG document in `svg`; false with `error` set when the drawing holds a
// value no picture can show (one that overflows once placed on the sheet). With `data` the
// sheet set up for the document is drawn too: border, title block, technical requirements.
bool DrawingSvg(TDrawing2D& drawing, std::string& svg, std::string& error,
                const TDocumentData* data = nullptr);
// The rectangle (x1, y1, x2, y2) in sheet millimetres round what the view's picture shows:
// its curves, texts by their estimated boxes, arrowheads and signs, objects of temporary
// groups left out. False for a view that shows nothing, or whose values cannot be pictured.
bool ViewExtent(THostView& view, std::array<double, 4>& box);
// What a view's picture draws, in sheet millimetres, as ViewExtent measures it: every stroke as
// segments (arcs and circles as short chords, arrowheads by their sides) with its stroke width,
// every text by its estimated box, each with the object that drew it (a dimension or a sign,
// never the macro object holding it).
struct TViewFigure {
    struct TStroke {
        TPoint2 A, B;
        double Width = 0.0;
        const TDrawingCore* Owner = nullptr;
    };
    struct TText {
        std::array<TPoint2, 4> Box;
        const TDrawingCore* Owner = nullptr;
    };
    std::vector<TStroke> Strokes;
    std::vector<TText> Texts;
};
// False as ViewExtent is.
bool ViewFigure(THostView& view, TViewFigure& figure);
// Writes the SVG of a 2D document to `fileName` (its name's bytes, HostText.h) through a
// temporary file renamed over it (HostFileIo.h); false with `error` saying why for another
// kind of document, a drawing that cannot be pictured or a file that cannot be written, and
// then an old file is untouched.
bool WriteSvgFile(TDocumentCore& document, std::wstring_view fileName, std::string& error);

} // namespace tvhost
