#pragma once
// The writer behind the SVG pictures (HostSvg.h), shared by the files that draw a drawing's
// curves and sheet (HostSvg.cpp) and its signs and dimensions (HostSvgSigns.cpp). Internal to
// the stand-in.

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <limits>
#include <numbers>
#include <set>
#include <sstream>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

#include "HostDocuments.h"
#include "HostPoint2.h"
#include "HostSvg.h"
#include "HostSvgLayout.h"

namespace tvhost {
class THostStamp;
}

namespace tvhost::svg {

constexpr double Degree = std::numbers::pi / 180.0;
constexpr double DefaultTextHeight = 3.5;
constexpr double PointRadius = 0.5;
// A section line's end: the length of its thick stroke, and its arrow's distance in from
// the end and length.
constexpr double CutStroke = 8.0;
constexpr double CutArrowInset = 2.5;
constexpr double CutArrowLength = 8.0;
// How far a stepped section line's stroke runs along each leg of a bend.
constexpr double CutBendStroke = 4.0;
// A view pointer's letter without a height of its own.
constexpr double ViewPointerTextHeight = 5.0;
constexpr double Margin = 5.0;
// Technical requirements: their text height, and the room between their last line's baseline
// and the bottom of their block.
constexpr double DemandTextHeight = 3.5;
constexpr double DemandGap = 2.0;
// Strokes at least this wide are thick lines: contours and cut lines' strokes.
constexpr double ThickStroke = 0.5;
// The largest turn of a chord that stands for an arc in a view's figure.
constexpr double ArcChordAngle = std::numbers::pi / 36;
// Ends of boundary curves closer than this join when a hatch outline is chained.
constexpr double JoinTolerance = 1e-6;
// Objects of temporary groups are drawn in this colour instead of black.
constexpr std::string_view Black = "\"black\"";
constexpr std::string_view PreviewColour = "\"#e0007a\"";

using TXY = TPoint2;

// The title block: its size, and a rectangle of it in millimetres from its lower left corner.
constexpr double StampWidth = 185.0;
constexpr double StampHeight = 55.0;
struct TStampSpan {
    double x0, y0, x1, y1;
};

// A coordinate that cannot be written: the drawing holds values too large for a picture.
struct TNotDrawable : std::range_error {
    TNotDrawable() : std::range_error("the drawing holds a value too large to draw") {}
};

// A coordinate to the thousandth, trailing zeros dropped; throws TNotDrawable for a value
// that is no finite number.
std::string Num(double v);
// UTF-8 of the text with the characters XML reserves escaped and those it does not allow (C0
// controls but tab and line ends, surrogates, U+FFFE, U+FFFF) written as U+FFFD.
std::string Escape(std::wstring_view text);
// Stroke attributes of a curve style; empty for a style that is not drawn (0, or beyond
// the known styles either way). A negative style draws as ThinStyle of its magnitude.
std::string StrokeOf(std::int64_t style);
// The thin line of a style: thin for the normal (thick) line, the style itself otherwise.
std::int64_t ThinStyle(std::int64_t style);
// The stroke-width StrokeOf gave; 0 for none.
double StrokeWidth(std::string_view stroke);

// Writes the objects of one view, in sheet coordinates with Y turned down for SVG.
class TSvgWriter {
public:
    std::ostringstream Body;
    std::ostringstream Defs;

    void SetView(const THostView& view)
    {
        const TParams& p = view.Params();
        FOrigin = {p.Real("X"), p.Real("Y")};
        FScale = p.Real("Scale", 1.0);
        FAngle = p.Real("Angle") * Degree;
        FViewMin = {std::numeric_limits<double>::max(), std::numeric_limits<double>::max()};
        FViewMax = {std::numeric_limits<double>::lowest(), std::numeric_limits<double>::lowest()};
        FLabels.clear();
        FLabelGrid.Clear(LabelCell * DefaultTextHeight * std::fabs(FScale));
    }
    // Sheet coordinates as they are.
    void SetSheet()
    {
        FOrigin = {};
        FScale = 1.0;
        FAngle = 0.0;
    }
    // The rectangle (x1, y1, x2, y2) round what was written since SetView; false for nothing.
    bool ViewBounds(std::array<double, 4>& box) const
    {
        if (FViewMin.X > FViewMax.X) return false;
        box = {FViewMin.X, FViewMin.Y, FViewMax.X, FViewMax.Y};
        return true;
    }
    // The sheet's border, title block with its cells, technical requirements and general
    // roughness; nothing for a document whose first sheet was never set up.
    void SheetOf(const TDocumentData& data);
    // Host ids of the temporary groups: what a command shows there is not part of the drawing.
    std::set<std::uint64_t> Temporary;
    // Where strokes and text boxes are noted as they are written; none when null.
    TViewFigure* Figure = nullptr;
    // The thick strokes (contours, cut lines) of the view's objects, in sheet millimetres, that
    // the labels of its dimensions keep clear of; found before the view is written.
    std::vector<TViewFigure::TStroke> Obstacles;
    void FindObstacles(const THostView& view);

    void Objects(const TContainerCore& container)
    {
        for (const tvapi::IDrawingObjectPtr& child : container.Children())
            if (auto* core = dynamic_cast<TDrawingCore*>(child.Get())) {
                if (Temporary.count(core->Group()))
                    TemporaryObject(*core);
                else
                    Object(*core);
            }
    }
    // One object of the current view, as the drawing's own (not as a preview).
    void Object(TDrawingCore& core);
    // The view box around everything written.
    std::string ViewBox() const
    {
        if (FMin.X > FMax.X) return "0 0 10 10";
        return Num(FMin.X - Margin) + " " + Num(-FMax.Y - Margin) + " " + Num(FMax.X - FMin.X + 2 * Margin) +
               " " + Num(FMax.Y - FMin.Y + 2 * Margin);
    }

private:
    TXY FOrigin;
    double FScale = 1.0;
    double FAngle = 0.0;
    TXY FMin{std::numeric_limits<double>::max(), std::numeric_limits<double>::max()};
    TXY FMax{std::numeric_limits<double>::lowest(), std::numeric_limits<double>::lowest()};
    TXY FViewMin, FViewMax;
    // The boxes of the dimension labels written in the current view: a later label keeps
    // clear of them. Found near a place through grids of their bounds, and of the obstacles'.
    std::vector<std::array<TXY, 4>> FLabels;
    TBoxGrid FLabelGrid, FObstacleGrid;
    // A grid cell's side in text heights: a short number spans one or two cells.
    static constexpr double LabelCell = 4.0;
    int FPatterns = 0;
    // The object being written, whose strokes and texts the figure notes.
    const TDrawingCore* FOwner = nullptr;

    // An object of a temporary group, drawn in the colour of previews so a person tells it apart.
    void TemporaryObject(TDrawingCore& core)
    {
        std::ostringstream outer = std::move(Body);
        Body = std::ostringstream();
        Object(core);
        std::string text = Body.str();
        Body = std::move(outer);
        for (std::size_t at = text.find(Black); at != std::string::npos; at = text.find(Black, at))
            text.replace(at, Black.size(), PreviewColour);
        Body << "<g class=\"temporary\">\n" << text << "</g>\n";
    }

    // A view point on the sheet.
    TXY Placed(TXY p) const
    {
        const TXY r{p.X * std::cos(FAngle) - p.Y * std::sin(FAngle),
                    p.X * std::sin(FAngle) + p.Y * std::cos(FAngle)};
        return FOrigin + r * FScale;
    }
    // A view point on the sheet, noted for the view box.
    TXY Sheet(TXY p)
    {
        const TXY s = Placed(p);
        FMin = {std::min(FMin.X, s.X), std::min(FMin.Y, s.Y)};
        FMax = {std::max(FMax.X, s.X), std::max(FMax.Y, s.Y)};
        FViewMin = {std::min(FViewMin.X, s.X), std::min(FViewMin.Y, s.Y)};
        FViewMax = {std::max(FViewMax.X, s.X), std::max(FViewMax.Y, s.Y)};
        return s;
    }
    std::string XY(TXY p)
    {
        const TXY s = Sheet(p);
        return Num(s.X) + "," + Num(-s.Y);
    }
    // A stroke from sheet point a to b noted in the figure.
    void Note(TXY a, TXY b, double width)
    {
        if (Figure) Figure->Strokes.push_back({a, b, width, FOwner});
    }
    // The arc from a to b round c (the whole circle when a is b and `full`) noted in the
    // figure as chords of at most ArcChordAngle.
    void NoteArc(TXY c, double r, TXY a, TXY b, bool clockwise, const std::string& stroke, bool full = false)
    {
        if (!Figure) return;
        const double from = std::atan2(a.Y - c.Y, a.X - c.X);
        double ccw = std::atan2(b.Y - c.Y, b.X - c.X) - from;
        if (ccw < 0) ccw += 2 * std::numbers::pi;
        if (full) ccw = 2 * std::numbers::pi;
        const double swept = clockwise && !full ? ccw - 2 * std::numbers::pi : ccw;
        const int chords = std::max(1, static_cast<int>(std::ceil(std::fabs(swept) / ArcChordAngle)));
        const double width = StrokeWidth(stroke);
        TXY last = Placed(c + Dir(from) * std::fabs(r));
        for (int k = 1; k <= chords; ++k) {
            const TXY next = Placed(c + Dir(from + swept * k / chords) * std::fabs(r));
            Note(last, next, width);
            last = next;
        }
    }
    std::string Line(TXY a, TXY b, const std::string& stroke)
    {
        const TXY s = Sheet(a), e = Sheet(b);
        if (Figure) Note(s, e, StrokeWidth(stroke));
        return "<line x1=\"" + Num(s.X) + "\" y1=\"" + Num(-s.Y) + "\" x2=\"" + Num(e.X) + "\" y2=\"" +
               Num(-e.Y) + "\" " + stroke + "/>\n";
    }
    // Path of an arc from a to b around c; clockwise as the host's direction flag says.
    std::string ArcPath(TXY c, double r, TXY a, TXY b, bool clockwise)
    {
        double ccw = std::atan2(b.Y - c.Y, b.X - c.X) - std::atan2(a.Y - c.Y, a.X - c.X);
        if (ccw < 0) ccw += 2 * std::numbers::pi;
        const double swept = clockwise ? 2 * std::numbers::pi - ccw : ccw;
        const double rs = std::fabs(r) * FScale;
        return "A " + Num(rs) + " " + Num(rs) + " 0 " + (swept > std::numbers::pi ? "1 " : "0 ") +
               (clockwise ? "1 " : "0 ") + XY(b);
    }
    // A text at `place` in view coordinates; its estimated box is noted for the view box, so
    // the picture's frame holds its texts as well as its lines. A text that would read upside
    // down on the sheet is turned half a turn in its box.
    void Text(const TTextPlace& given, double height, const std::vector<std::wstring>& lines)
    {
        const double viewHeight = height > 0 ? height : DefaultTextHeight;
        const std::size_t longest = Longest(lines);
        const TTextPlace place =
            UpsideDown(given.Angle + FAngle) ? HalfTurned(given, viewHeight, lines.size(), longest) : given;
        std::array<TXY, 4> box = TextBox(place, viewHeight, lines.size(), longest);
        for (TXY& corner : box)
            corner = Sheet(corner);
        if (Figure) Figure->Texts.push_back({box, FOwner});
        const TXY s = Sheet(place.At);
        const double h = viewHeight * FScale;
        Body << "<text x=\"" << Num(s.X) << "\" y=\"" << Num(-s.Y) << "\" font-size=\"" << Num(h)
             << "\" font-family=\"DejaVu Sans\"";
        if (place.Anchor != TTextAnchor::taStart)
            Body << " text-anchor=\"" << (place.Anchor == TTextAnchor::taMiddle ? "middle" : "end") << "\"";
        const double turn = (place.Angle + FAngle) / Degree;
        if (std::fabs(turn) > 0) Body << " transform=\"rotate(" << Num(-turn) << " " << XY(place.At) << ")\"";
        Body << ">";
        for (std::size_t i = 0; i < lines.size(); ++i)
            Body << "<tspan x=\"" << Num(s.X) << "\" dy=\"" << (i == 0 ? "0" : Num(h * 1.4)) << "\">"
                 << Escape(ShowMarkup(lines[i])) << "</tspan>";
        Body << "</text>\n";
    }
    void Text(TXY at, double height, double angleDeg, const std::vector<std::wstring>& lines)
    {
        Text({at, angleDeg * Degree, TTextAnchor::taStart}, height, lines);
    }
    // A filled arrowhead of drafting size with its tip at `tip` pointing along `along`;
    // nothing for no direction.
    void Arrow(TXY tip, TXY along)
    {
        const double length = Length(along);
        if (!(length > 0)) return;
        const std::array<TXY, 3> head = ArrowHead(tip, along * (1 / length));
        for (std::size_t k = 0; k < head.size(); ++k)
            Note(Placed(head[k]), Placed(head[(k + 1) % head.size()]), 0.0);
        Body << "<path class=\"arrow\" d=\"M " << XY(head[0]) << " L " << XY(head[1]) << " L " << XY(head[2])
             << " Z\" fill=\"black\"/>\n";
    }
    // The lines of `text`, and in `h` the height its items give (else `h` as it is).
    static std::size_t Longest(const std::vector<std::wstring>& lines)
    {
        std::size_t longest = 0;
        for (const std::wstring& line : lines)
            longest = std::max(longest, ShownLength(line));
        return longest;
    }
    static std::vector<std::wstring> Lines(const TTextData& text, double& h)
    {
        std::vector<std::wstring> lines;
        for (const TTextLineData& line : text.Lines) {
            lines.push_back(line.Str());
            for (const TTextItemData& item : line.Items)
                if (item.Height > 0) h = item.Height;
        }
        return lines;
    }
    void TextData(TXY at, double height, double angleDeg, const TTextData& text)
    {
        double h = height;
        const std::vector<std::wstring> lines = Lines(text, h);
        if (!lines.empty()) Text(at, h, angleDeg, lines);
    }

    void ObjectOf(TDrawingCore& core);
    void Curve(TDrawingCore& core);
    // The title block's form with its cells' texts, its lower left corner at `corner`.
    void Stamp(const THostStamp& stamp, TXY corner);
    // `text` in `cell` of the block at `corner`, centred or from its left, at most h high and
    // narrowed to the cell's width.
    void CellText(TXY corner, const TStampSpan& cell, double h, const std::wstring& text, bool centred);
    void Demand(const THostTechnicalDemand& demand, double sheetWidth);
    void Fill(TDrawingCore& core, const std::string& paint);
    std::string Outline(const tvapi::DrawingObjectList& boundaries);
    void CutLine(TDrawingCore& core);
    void CutEnd(TXY end, TXY toward, TXY side, const TTextData& designation);
    void CutBend(TXY before, TXY at, TXY after);
    void Leader(TDrawingCore& core);
    void Dimension(TDrawingCore& core);
    void LineDimension(TDrawingCore& core, const TDimensionLabel& text);
    void AngleDimension(TDrawingCore& core, const TDimensionLabel& text);
    void CircleDimension(TDrawingCore& core, const TDimensionLabel& text);
    TDimensionLabel DimensionText(TDrawingCore& core);
    // A test for the layouts: `label` placed clear of the obstacles and of `own`, the
    // dimension's fixed lines (view millimetres).
    TLabelClear ClearOf(const TDimensionLabel& label, std::vector<std::array<TXY, 2>> own = {}) const;
    void Label(const TDimensionLabel& label, const TTextPlace& origin)
    {
        for (const TLabelPiece& piece : LabelPieces(label, origin, DefaultTextHeight)) {
            Text(piece.Place, piece.Height, {piece.Text});
            FLabels.push_back(PlacedBox(piece));
            FLabelGrid.Add(FLabels.back());
        }
    }
    // A label piece's box on the sheet.
    std::array<TXY, 4> PlacedBox(const TLabelPiece& piece) const
    {
        std::array<TXY, 4> box = TextBox(piece.Place, piece.Height, 1, ShownLength(piece.Text));
        for (TXY& corner : box)
            corner = Placed(corner);
        return box;
    }
    void Rough(TDrawingCore& core);
    void Base(TDrawingCore& core);
    void ViewPointer(TDrawingCore& core);
    void Tolerance(TDrawingCore& core);
    void Rect(TXY a, TXY b, const std::string& stroke)
    {
        Body << Line(a, {b.X, a.Y}, stroke) << Line({b.X, a.Y}, b, stroke) << Line(b, {a.X, b.Y}, stroke)
             << Line({a.X, b.Y}, a, stroke);
    }
};

} // namespace tvhost::svg
