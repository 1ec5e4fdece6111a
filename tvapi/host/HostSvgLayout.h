#pragma once
// Where the SVG pictures put annotations, in view millimetres (the view's scale applies to all
// of them, as to text heights): a text's box estimated from its height and character count,
// arrowheads of drafting size, and a dimension text's place by its line, upright and clear of
// the arrows.

#include <array>
#include <cstddef>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "HostBoxGrid.h"
#include "HostPoint2.h"

namespace tvhost {

// An arrowhead's length and half its width: a drafting arrow of about 20 degrees.
constexpr double ArrowLength = 3.0;
constexpr double ArrowHalfWidth = 0.5;
// How far extension lines (and the rays of an angle) run on beyond their dimension line.
constexpr double ExtensionOverrun = 2.0;
// Room between a dimension line (or an arc, a shelf) and the box of its text.
constexpr double TextGap = 1.0;
// A line's texts sit this many heights apart.
constexpr double LineSpacing = 1.4;

// Where a text's lines start, end or are centred at their anchor point.
enum class TTextAnchor { taStart, taMiddle, taEnd };

// A text's anchor point (baseline of the first line), turn counter-clockwise in radians, and
// how its lines stand at the anchor.
struct TTextPlace {
    TPoint2 At;
    double Angle = 0.0;
    TTextAnchor Anchor = TTextAnchor::taStart;
};

// Characters a text shows: the codes "&01".."&04" are one symbol each (ShowMarkup).
std::size_t ShownLength(std::wstring_view text);
// Width of `count` characters at height h: 0.6 h each, about the mean advance of the pictures'
// font over digits, signs and letters; the picture's margin takes up what wide glyphs add.
double TextWidth(std::size_t count, double h);
// Corners of the box of `lines` lines, the longest `longest` characters, at height h placed at
// `place`: from the last line's descent to the first line's ascent, counter-clockwise.
std::array<TPoint2, 4> TextBox(const TTextPlace& place, double h, std::size_t lines, std::size_t longest);

// Tip and the two base corners of an arrowhead whose tip is at `tip` pointing along unit
// direction `along`.
std::array<TPoint2, 3> ArrowHead(TPoint2 tip, TPoint2 along);
// Whether a dimension line (or arc) of length `span` holds its two arrowheads with room
// between them; otherwise they stand outside pointing in.
bool ArrowsFitBetween(double span);

// Unit direction `u` or its opposite, the one a text along it reads in: left to right, or
// upwards on a vertical.
TPoint2 Upright(TPoint2 u);
// Whether a text turned by `radians` reads upside down: it runs leftwards, or straight down.
// Drafting has texts read from the bottom or from the right of the sheet.
bool UpsideDown(double radians);
// `place` turned half a turn about the middle of its text's box (as TextBox gives it): the
// same box, read the other way up.
TTextPlace HalfTurned(const TTextPlace& place, double h, std::size_t lines, std::size_t longest);

// A roughness sign of drafting size (height RoughHeight) in view millimetres: its tip on the
// surface, its short and long legs' ends. `direction` (radians) points from the surface to
// the sign: pi/2 on a top face, 0 or pi on an end face, -pi/2 under a surface. A sign that
// would read upside down on the sheet (view turned by `viewAngle`) is mirrored across its
// axis: the same side of the surface, its long leg and texts to the reader's right.
constexpr double RoughHeight = 5.0;
struct TRoughSign {
    TPoint2 Tip, Left, Right;
    double Turn = 0.0; // of the sign's own frame: X along the surface, Y away from it
    bool Mirrored = false;
    // A point given in the sign's own frame.
    TPoint2 At(TPoint2 v) const { return Tip + Rotated(Mirrored ? TPoint2{-v.X, v.Y} : v, Turn); }
};
TRoughSign RoughSign(TPoint2 tip, double direction, double viewAngle);
// Which text of a roughness sign: its value, the text on its shelf, the one under it.
enum class TRoughText { rtValue, rtOnShelf, rtUnderShelf };
// Where a text of `sign` stands (`lines` lines, the longest `longest` characters, height h),
// TextGap clear of the sign's lines: the value above the sign, over its short leg and ending
// short of its long leg; the shelf's texts above and below the shelf, right of the long leg.
// The place turns with the sign; on a mirrored sign the text's box moves to its mirror image
// (TSvgWriter reads it upright there).
TTextPlace RoughTextPlace(const TRoughSign& sign, TRoughText which, double h, std::size_t lines,
                          std::size_t longest);
// How far the shelf of a roughness sign runs from the top of its long leg to carry texts of
// these widths.
double RoughShelfLength(double onShelf, double underShelf);

// A dimension's text: the value with its prefix and tolerance, the deviations stacked after it
// in smaller type (upper over lower), then the suffix and the note (a thread class, a chamfer's
// angle, a count of holes), a blank before a note that starts with a letter or digit.
struct TDimensionLabel {
    std::wstring Main, Upper, Lower, Suffix, Note;
};
// A label's reach from its origin, the start of its value's baseline: along the baseline, and
// below (negative) and above it.
struct TLabelExtent {
    double Width = 0.0, Bottom = 0.0, Top = 0.0;
};
// One text of a placed label, at its own height, starting at its place.
struct TLabelPiece {
    std::wstring Text;
    TTextPlace Place;
    double Height = 0.0;
};
// Extent and pieces of `label` with its value at height h; pieces with no text are left out.
TLabelExtent LabelExtent(const TDimensionLabel& label, double h);
std::vector<TLabelPiece> LabelPieces(const TDimensionLabel& label, const TTextPlace& origin, double h);

// Whether segment a-b runs through the inside of a text box (corners in order, as TextBox
// gives them); touching its edge is not crossing it.
bool CrossesBox(const std::array<TPoint2, 4>& box, TPoint2 a, TPoint2 b);
// Whether two text boxes (corners in order, as TextBox gives them) share inside points;
// boxes that only touch do not.
bool BoxesOverlap(const std::array<TPoint2, 4>& a, const std::array<TPoint2, 4>& b);
// Whether a label placed at a place stands clear of the drawing's lines. A layout given one
// takes the first of its places, in its order of preference, that it accepts, else its first.
using TLabelClear = std::function<bool(const TTextPlace&)>;

// How a linear dimension stands on the feet Q1, Q2 of its extension lines. The label is
// centred above the dimension line when it fits between the extension lines with TextGap to
// spare; otherwise it stands above the line's continuation beyond the extension line at the
// end it reads towards (the line runs on under it); on a span shorter than ShelfSpan it
// stands on a level shelf at the end of a leader from the line's middle. Arrows stand inside
// when ArrowsFitBetween, else outside on tails of the line pointing in. Where `clear` refuses
// that place, the label goes beside either extension line, then on a shelf leaning either way.
constexpr double ShelfSpan = ArrowLength;
struct TLinearLayout {
    bool ArrowsInside = true;
    TPoint2 From, To;            // the dimension line as drawn, tails and continuation included
    TTextPlace Label;            // the label's origin
    std::vector<TPoint2> Leader; // the leader and shelf as a polyline; empty when none
};
TLinearLayout LinearLayout(TPoint2 q1, TPoint2 q2, const TLabelExtent& e, const TLabelClear& clear = {});
// The same with the label centred above the foot of a text point the user set, the line
// running on to under it.
TLinearLayout LinearLayoutAt(TPoint2 q1, TPoint2 q2, TPoint2 textPoint, const TLabelExtent& e);

// Where a label's origin goes (the returned places start there):
// centred above the line through `mid` along unit direction `u`, TextGap clear of the line
// and so of the arrowheads on it;
TTextPlace AboveLine(TPoint2 mid, TPoint2 u, const TLabelExtent& e);
// level, in the quadrant beside point `from` that unit direction `out` points into, TextGap
// clear of `from` both ways: with `out` the normal of an arc at `from`, clear of the arc and
// of arrowheads on it;
TTextPlace Beside(TPoint2 from, TPoint2 out, const TLabelExtent& e);
// along the ray from `centre` along unit direction `d`, starting TextGap beyond distance
// `from`, clear of the centre lines through `centre` (horizontal and vertical): above the ray,
// further out if need be, or else on its side away from the nearer centre line.
TTextPlace BesideRay(TPoint2 centre, TPoint2 d, double from, const TLabelExtent& e);
// The label of a circle's dimension along the ray from `centre` along d (and the opposite ray
// too when `bothWays`, a diameter's): BesideRay from `from`, or where `clear` refuses that,
// RayStep further out at a time up to RaySteps times, each way in turn.
constexpr double RayStep = 5.0;
constexpr int RaySteps = 12;
TTextPlace RayLabel(TPoint2 centre, TPoint2 d, double from, bool bothWays, const TLabelExtent& e,
                    const TLabelClear& clear = {});
// The label of an angle whose arc of radius r has its middle along unit direction `out` from
// the vertex: Beside the arc's middle outside it, or where `clear` refuses that, inside it,
// then RayStep further out at a time up to RaySteps times.
TTextPlace ArcLabel(TPoint2 vertex, TPoint2 out, double r, const TLabelExtent& e,
                    const TLabelClear& clear = {});

} // namespace tvhost
