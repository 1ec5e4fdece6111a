// SVG pictures of stand-in 2D documents.
#include "HostSvg.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <limits>
#include <numbers>
#include <set>
#include <sstream>
#include <stdexcept>
#include <string_view>
#include <vector>

#include "HostDocuments.h"
#include "HostFileIo.h"
#include "HostPoint2.h"
#include "HostSearch2D.h"
#include "HostSvgLayout.h"
#include "HostText.h"

namespace tvhost {

namespace {

constexpr double Degree = std::numbers::pi / 180.0;
constexpr double DefaultTextHeight = 3.5;
constexpr double PointRadius = 0.5;
constexpr double Margin = 5.0;
// Ends of boundary curves closer than this join when a hatch outline is chained.
constexpr double JoinTolerance = 1e-6;
// Objects of temporary groups are drawn in this colour instead of black.
constexpr std::string_view Black = "\"black\"";
constexpr std::string_view PreviewColour = "\"#e0007a\"";

using TXY = TPoint2;

// A coordinate that cannot be written: the drawing holds values too large for a picture.
struct TNotDrawable : std::range_error {
    TNotDrawable() : std::range_error("the drawing holds a value too large to draw") {}
};

// Room for the largest double in fixed notation with three decimals, and its sign.
constexpr std::size_t NumBufferSize = std::numeric_limits<double>::max_exponent10 + 8;

// A coordinate to the thousandth, trailing zeros dropped; throws TNotDrawable for a value
// that is no finite number.
std::string Num(double v)
{
    if (!std::isfinite(v)) throw TNotDrawable();
    if (std::fabs(v) < 0.0005) return "0";
    char buffer[NumBufferSize];
    const auto r = std::to_chars(buffer, buffer + sizeof buffer, v, std::chars_format::fixed, 3);
    if (r.ec != std::errc()) throw TNotDrawable();
    std::string text(buffer, r.ptr);
    while (text.back() == '0')
        text.pop_back();
    if (text.back() == '.') text.pop_back();
    return text;
}

std::string Escape(std::wstring_view text)
{
    std::string out;
    for (char c : ToUtf8(text)) {
        switch (c) {
        case '&':
            out += "&amp;";
            break;
        case '<':
            out += "&lt;";
            break;
        case '>':
            out += "&gt;";
            break;
        case '"':
            out += "&quot;";
            break;
        default:
            out += c;
        }
    }
    return out;
}

// Stroke attributes of a curve style; empty for a style that is not drawn.
std::string StrokeOf(std::int64_t style)
{
    switch (style) {
    case tvapi::tvCSNormal:
        return R"(stroke="black" stroke-width="0.5")";
    case tvapi::tvCSThin:
        return R"(stroke="black" stroke-width="0.25")";
    case tvapi::tvCSAxial:
        return R"(stroke="black" stroke-width="0.25" stroke-dasharray="6 1.5 1 1.5")";
    case tvapi::tvCSDashed:
        return R"(stroke="black" stroke-width="0.25" stroke-dasharray="3 1.5")";
    case tvapi::tvCSBrokenLine:
        return R"(stroke="black" stroke-width="0.25" stroke-dasharray="8 2 1 2")";
    default:
        return {};
    }
}

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
    }
    // Sheet coordinates as they are.
    void SetSheet()
    {
        FOrigin = {};
        FScale = 1.0;
        FAngle = 0.0;
    }
    // A thin frame around what the view drew, with the view's name above it.
    void ViewFrame(const THostView& view);
    // The sheet's border, title block with its cells, technical requirements and general
    // roughness; nothing for a document whose first sheet was never set up.
    void SheetOf(const TDocumentData& data);
    // Host ids of the temporary groups: what a command shows there is not part of the drawing.
    std::set<std::uint64_t> Temporary;

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
    int FPatterns = 0;

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

    // A view point on the sheet, noted for the view box.
    TXY Sheet(TXY p)
    {
        const TXY r{p.X * std::cos(FAngle) - p.Y * std::sin(FAngle),
                    p.X * std::sin(FAngle) + p.Y * std::cos(FAngle)};
        const TXY s = FOrigin + r * FScale;
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
    std::string Line(TXY a, TXY b, const std::string& stroke)
    {
        const TXY s = Sheet(a), e = Sheet(b);
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
    // the picture's frame holds its texts as well as its lines.
    void Text(const TTextPlace& place, double height, const std::vector<std::wstring>& lines)
    {
        const double viewHeight = height > 0 ? height : DefaultTextHeight;
        std::size_t longest = 0;
        for (const std::wstring& line : lines)
            longest = std::max(longest, ShownLength(line));
        for (const TXY& corner : TextBox(place, viewHeight, lines.size(), longest))
            Sheet(corner);
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
        Body << "<path class=\"arrow\" d=\"M " << XY(head[0]) << " L " << XY(head[1]) << " L " << XY(head[2])
             << " Z\" fill=\"black\"/>\n";
    }
    void TextData(TXY at, double height, double angleDeg, const TTextData& text)
    {
        std::vector<std::wstring> lines;
        double h = height;
        for (const TTextLineData& line : text.Lines) {
            lines.push_back(line.Str());
            for (const TTextItemData& item : line.Items)
                if (item.Height > 0) h = item.Height;
        }
        if (!lines.empty()) Text(at, h, angleDeg, lines);
    }

    void Object(TDrawingCore& core);
    void Curve(TDrawingCore& core);
    void Fill(TDrawingCore& core, const std::string& paint);
    std::string Outline(const tvapi::DrawingObjectList& boundaries);
    void CutLine(TDrawingCore& core);
    void Leader(TDrawingCore& core);
    void Dimension(TDrawingCore& core);
    void LineDimension(TDrawingCore& core, const TDimensionLabel& text);
    void AngleDimension(TDrawingCore& core, const TDimensionLabel& text);
    void CircleDimension(TDrawingCore& core, const TDimensionLabel& text);
    TDimensionLabel DimensionText(TDrawingCore& core);
    void Label(const TDimensionLabel& label, const TTextPlace& origin)
    {
        for (const TLabelPiece& piece : LabelPieces(label, origin, DefaultTextHeight))
            Text(piece.Place, piece.Height, {piece.Text});
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

void TSvgWriter::Curve(TDrawingCore& core)
{
    const TParams& p = core.Params();
    const std::string stroke = StrokeOf(p.Int("Style"));
    if (stroke.empty()) return;
    const TXY c{p.Real("Xc"), p.Real("Yc")};
    switch (core.Type()) {
    case tvapi::tvDrLineSeg:
        Body << Line({p.Real("X1"), p.Real("Y1")}, {p.Real("X2"), p.Real("Y2")}, stroke);
        break;
    case tvapi::tvDrCircle: {
        const TXY s = Sheet(c);
        Sheet(c + TXY{p.Real("Radius"), p.Real("Radius")});
        Sheet(c - TXY{p.Real("Radius"), p.Real("Radius")});
        Body << "<circle cx=\"" << Num(s.X) << "\" cy=\"" << Num(-s.Y) << "\" r=\""
             << Num(std::fabs(p.Real("Radius")) * FScale) << "\" fill=\"none\" " << stroke << "/>\n";
        break;
    }
    case tvapi::tvDrArc: {
        const TXY a{p.Real("X1"), p.Real("Y1")}, b{p.Real("X2"), p.Real("Y2")};
        Body << "<path d=\"M " << XY(a) << " " << ArcPath(c, p.Real("Radius"), a, b, p.Flag("Direction"))
             << "\" fill=\"none\" " << stroke << "/>\n";
        break;
    }
    default: {
        const TXY s = Sheet(c);
        Sheet(c + TXY{p.Real("A"), p.Real("A")});
        Sheet(c - TXY{p.Real("A"), p.Real("A")});
        Body << "<ellipse cx=\"" << Num(s.X) << "\" cy=\"" << Num(-s.Y) << "\" rx=\""
             << Num(p.Real("A") * FScale) << "\" ry=\"" << Num(p.Real("B") * FScale)
             << "\" transform=\"rotate(" << Num(-(p.Real("Angle") + FAngle / Degree)) << " " << Num(s.X)
             << " " << Num(-s.Y) << ")\" fill=\"none\" " << stroke << "/>\n";
    }
    }
}

// The boundary curves chained end to start into closed subpaths.
std::string TSvgWriter::Outline(const tvapi::DrawingObjectList& boundaries)
{
    struct TPiece {
        const TParams* P;
        bool Circle;
    };
    std::vector<TPiece> left;
    for (const tvapi::IDrawingObjectPtr& b : boundaries)
        if (auto* core = dynamic_cast<TDrawingCore*>(b.Get()))
            left.push_back({&core->Params(), core->Type() == tvapi::tvDrCircle});
    std::string d;
    TXY end;
    bool open = false;
    auto near = [](TXY a, TXY b) {
        return std::fabs(a.X - b.X) <= JoinTolerance && std::fabs(a.Y - b.Y) <= JoinTolerance;
    };
    while (!left.empty()) {
        auto next = std::find_if(left.begin(), left.end(), [&](const TPiece& piece) {
            return open && !piece.Circle &&
                   (near({piece.P->Real("X1"), piece.P->Real("Y1")}, end) ||
                    near({piece.P->Real("X2"), piece.P->Real("Y2")}, end));
        });
        if (next == left.end()) next = left.begin();
        const TParams& p = *next->P;
        const TXY c{p.Real("Xc"), p.Real("Yc")};
        if (next->Circle) {
            const double r = p.Real("Radius");
            d += "M " + XY(c + TXY{r, 0}) + " " + ArcPath(c, r, c + TXY{r, 0}, c - TXY{r, 0}, false) + " " +
                 ArcPath(c, r, c - TXY{r, 0}, c + TXY{r, 0}, false) + " Z ";
            open = false;
        } else {
            TXY a{p.Real("X1"), p.Real("Y1")}, b{p.Real("X2"), p.Real("Y2")};
            bool clockwise = p.Flag("Direction");
            const bool reversed = open && near(b, end) && !near(a, end);
            if (reversed) std::swap(a, b), clockwise = !clockwise;
            if (!open || !near(a, end)) d += "M " + XY(a) + " ";
            d += p.Has("Radius") ? ArcPath(c, p.Real("Radius"), a, b, clockwise) + " " : "L " + XY(b) + " ";
            end = b;
            open = true;
        }
        left.erase(next);
    }
    return d + (open ? "Z" : "");
}

void TSvgWriter::Fill(TDrawingCore& core, const std::string& paint)
{
    const std::string d = Outline(core.Boundaries());
    if (d.empty()) return;
    Body << "<path class=\"" << (core.Type() == tvapi::tvDrHatch ? "hatch" : "colouring") << "\" d=\"" << d
         << "\" fill=\"" << paint << "\" fill-rule=\"evenodd\" stroke=\"none\"/>\n";
}

void TSvgWriter::CutLine(TDrawingCore& core)
{
    const TParams& p = core.Params();
    std::vector<double> points = p.Reals("Points");
    if (points.size() < 4) points = {p.Real("X1"), p.Real("Y1"), p.Real("X2"), p.Real("Y2")};
    Body << "<polyline class=\"cut\" points=\"";
    for (std::size_t i = 0; i + 1 < points.size(); i += 2)
        Body << XY({points[i], points[i + 1]}) << " ";
    Body << "\" fill=\"none\" stroke=\"black\" stroke-width=\"0.7\"/>\n";
    const TTextData& designation = core.Text("Designation");
    TextData({points[0], points[1]}, DefaultTextHeight, 0.0, designation);
    TextData({points[points.size() - 2], points.back()}, DefaultTextHeight, 0.0, designation);
}

void TSvgWriter::Leader(TDrawingCore& core)
{
    const TParams& p = core.Params();
    const TXY origin{p.Real("X"), p.Real("Y")};
    const std::string stroke = StrokeOf(tvapi::tvCSThin);
    const std::vector<double> ends = p.Reals("Branches");
    for (std::size_t i = 0; i + 1 < ends.size(); i += 2) {
        const TXY end{ends[i], ends[i + 1]};
        Body << Line(origin, end, stroke);
        Arrow(end, end - origin);
    }
    const TTextData& shelf = core.Text("Shelf");
    const double width = std::max(10.0, TextWidth(ShownLength(shelf.Str()), DefaultTextHeight));
    const double side = p.Int("ShelfDirection") == tvapi::tvLSLeft ? -1.0 : 1.0;
    const TXY end = origin + TXY{side * width, 0.0};
    Body << Line(origin, end, stroke);
    TextData(side > 0 ? origin + TXY{0, 1} : end + TXY{0, 1}, DefaultTextHeight, 0.0, shelf);
}

TDimensionLabel TSvgWriter::DimensionText(TDrawingCore& core)
{
    const TParams& p = core.Params();
    TDimensionLabel label;
    std::wstring& text = label.Main;
    text = core.Text("Prefix").Str();
    std::wstring nominal = core.Text("Nominal").Str();
    double measured = 0.0;
    if (nominal.empty() && MeasureOf(core.DrawingObject(), measured)) nominal = DimensionNumberText(measured);
    if (core.Type() == tvapi::tvDrDDimension && text.find(L"&02") == std::wstring::npos) text += L"&02";
    if (core.Type() == tvapi::tvDrRDimension && text.empty()) text += L"R";
    text += nominal;
    if (core.Type() == tvapi::tvDrADimension) text += L"&01";
    if (p.Flag("ToleranceOn")) text += p.Text("Tolerance");
    label.Upper = core.Text("Upper").Str();
    label.Lower = core.Text("Lower").Str();
    label.Suffix = core.Text("Suffix").Str();
    return label;
}

void TSvgWriter::Dimension(TDrawingCore& core)
{
    Body << "<g class=\"dimension\">\n";
    const TDimensionLabel text = DimensionText(core);
    switch (core.Type()) {
    case tvapi::tvDrLDimension:
        LineDimension(core, text);
        break;
    case tvapi::tvDrADimension:
        AngleDimension(core, text);
        break;
    default:
        CircleDimension(core, text);
    }
    Body << "</g>\n";
}

// Arrows inside between the extension lines, or outside pointing in on tails of the line when
// the span is too short; the text centred above the line, or above the foot of the text point
// the user set.
void TSvgWriter::LineDimension(TDrawingCore& core, const TDimensionLabel& text)
{
    const TParams& p = core.Params();
    const std::string stroke = StrokeOf(tvapi::tvCSThin);
    const TLinearLines l = LinearLines(core);
    const double span = Length(l.Q2 - l.Q1);
    const TXY u = span > 0 ? (l.Q2 - l.Q1) * (1 / span) : TXY{1, 0};
    Body << Line(l.P1, l.Q1, stroke) << Line(l.P2, l.Q2, stroke);
    if (ArrowsFitBetween(span)) {
        Body << Line(l.Q1, l.Q2, stroke);
        Arrow(l.Q1, u * -1.0);
        Arrow(l.Q2, u);
    } else {
        const TXY tail = u * (2 * ArrowLength);
        Body << Line(l.Q1 - tail, l.Q2 + tail, stroke);
        Arrow(l.Q1, u);
        Arrow(l.Q2, u * -1.0);
    }
    TXY mid = (l.Q1 + l.Q2) * 0.5;
    if (p.Has("TextX") || p.Has("TextY"))
        mid = l.Q1 + u * Dot(TXY{p.Real("TextX", l.Through.X), p.Real("TextY", l.Through.Y)} - l.Q1, u);
    Label(text, AboveLine(mid, u, LabelExtent(text, DefaultTextHeight)));
}

// The arc at Distance from the centre, with arrows inside or outside as for a line; the text
// level, outside the arc beside its middle.
void TSvgWriter::AngleDimension(TDrawingCore& core, const TDimensionLabel& text)
{
    const TParams& p = core.Params();
    const std::string stroke = StrokeOf(tvapi::tvCSThin);
    const TXY c{p.Real("Xc"), p.Real("Yc")};
    const double a1 = p.Real("Angle1") * Degree, a2 = p.Real("Angle2") * Degree, r = p.Real("Distance");
    const double ccw = std::remainder(a2 - a1, 2 * std::numbers::pi);
    const double turn = ccw < 0 ? -1.0 : 1.0;
    Body << Line(c, {p.Real("X1"), p.Real("Y1")}, stroke) << Line(c, {p.Real("X2"), p.Real("Y2")}, stroke);
    const bool inside = ArrowsFitBetween(std::fabs(ccw * r));
    // Angles an arrow, and a tail outside, take on the arc; none on an arc of no radius.
    const double arrow = r > 0 ? std::min(ArrowLength / r, std::numbers::pi / 4) : 0.0;
    const double tail = inside ? 0.0 : 2 * arrow;
    const TXY s = c + Dir(a1 - turn * tail) * r, e = c + Dir(a2 + turn * tail) * r;
    Body << "<path d=\"M " << XY(s) << " " << ArcPath(c, r, s, e, ccw < 0) << "\" fill=\"none\" " << stroke
         << "/>\n";
    // Each arrow along the chord of the arc it covers.
    const TXY t1 = c + Dir(a1) * r, t2 = c + Dir(a2) * r;
    const double in = inside ? turn * arrow : -turn * arrow;
    Arrow(t1, t1 - (c + Dir(a1 + in) * r));
    Arrow(t2, t2 - (c + Dir(a2 - in) * r));
    const TXY out = Dir(a1 + ccw / 2);
    Label(text, Beside(c + out * r, out, LabelExtent(text, DefaultTextHeight)));
}

// A diameter between its arrows through the centre, a radius from the centre; the line runs
// on past the circle at Angle and carries the text clear of the circle's centre lines. An
// arrow that does not fit inside stands outside pointing in.
void TSvgWriter::CircleDimension(TDrawingCore& core, const TDimensionLabel& text)
{
    const TParams& p = core.Params();
    const std::string stroke = StrokeOf(tvapi::tvCSThin);
    const TXY c{p.Real("Xc"), p.Real("Yc")};
    const double r = std::fabs(p.Real("Radius"));
    const TXY d = Dir(p.Real("Angle") * Degree);
    const bool diameter = core.Type() == tvapi::tvDrDDimension;
    const bool inside = diameter ? ArrowsFitBetween(2 * r) : r >= ArrowLength + TextGap;
    const TLabelExtent extent = LabelExtent(text, DefaultTextHeight);
    const TTextPlace place = BesideRay(c, d, inside ? r : r + ArrowLength, extent);
    const double far =
        std::max(Dot(place.At - c, d), Dot(place.At + Rotated({extent.Width, 0}, place.Angle) - c, d));
    const double back = diameter ? (inside ? r : r + 2 * ArrowLength) : 0.0;
    Body << Line(c - d * back, c + d * far, stroke);
    Arrow(c + d * r, inside ? d : d * -1.0);
    if (diameter) Arrow(c - d * r, inside ? d * -1.0 : d);
    Label(text, place);
}

// A sheet's width and height for its standard format (0 the largest) and orientation;
// false for a format the host does not know.
bool SheetSize(const TSheetSetup& setup, double& w, double& h)
{
    static constexpr double Portrait[][2] = {{840, 1186}, {594, 840}, {420, 594}, {297, 420}, {210, 297}};
    if (setup.Format < 0 || setup.Format >= static_cast<int>(std::size(Portrait))) return false;
    w = Portrait[setup.Format][setup.Landscape ? 1 : 0];
    h = Portrait[setup.Format][setup.Landscape ? 0 : 1];
    return true;
}

// Where the title block shows its cells: offset from the block's lower left corner and height.
struct TCellPlace {
    int Cell;
    double x, y, h;
};

constexpr double StampWidth = 185.0;
constexpr double StampHeight = 55.0;
constexpr TCellPlace CellPlaces[] = {
    {tvapi::tvStDescription, 70, 42, 5},       {tvapi::tvStPartNumber, 70, 25, 5},
    {tvapi::tvStMaterial, 70, 7, 3.5},         {tvapi::tvStMass, 152, 25, 3.5},
    {tvapi::tvStScale, 172, 25, 3.5},          {tvapi::tvStSheetNumber, 140, 17, 2.5},
    {tvapi::tvStNumberOfSheets, 165, 17, 2.5}, {tvapi::tvStCompany, 140, 6, 3.5},
    {tvapi::tvStAuthor, 20, 27, 2.5},          {tvapi::tvStCheckedBy, 20, 22, 2.5},
    {tvapi::tvStMfgApprovedBy, 20, 17, 2.5},   {tvapi::tvStDesigner, 20, 12, 2.5},
    {tvapi::tvStRateOfInspection, 20, 7, 2.5}, {tvapi::tvStApprovedBy, 20, 2, 2.5},
    {tvapi::tvStFormat, 150, -4, 2.5}};

void TSvgWriter::ViewFrame(const THostView& view)
{
    if (FViewMin.X > FViewMax.X) return;
    const double pad = 5.0;
    const TXY a{FViewMin.X - pad, FViewMin.Y - pad}, b{FViewMax.X + pad, FViewMax.Y + pad};
    const std::wstring name = view.Params().Text("Name");
    SetSheet();
    Body << "<g class=\"view-frame\">\n";
    Rect(a, b, R"x(stroke="#8080ff" stroke-width="0.18" stroke-dasharray="3 1.5")x");
    if (!name.empty()) Text({a.X, b.Y + 1.5}, DefaultTextHeight, 0.0, {name});
    Body << "</g>\n";
}

void TSvgWriter::SheetOf(const TDocumentData& data)
{
    SetSheet();
    double w = 0.0, h = 0.0;
    if (!data.Sheets.Items.empty() && data.Sheets.Items[0]->Setup().Set &&
        SheetSize(data.Sheets.Items[0]->Setup(), w, h)) {
        const std::string thin = StrokeOf(tvapi::tvCSThin), normal = StrokeOf(tvapi::tvCSNormal);
        Body << "<g class=\"sheet\">\n";
        Rect({0, 0}, {w, h}, thin);
        Rect({20, 5}, {w - 5, h - 5}, normal);
        const TXY o{w - 5 - StampWidth, 5};
        Body << "<g class=\"stamp\">\n";
        Rect(o, o + TXY{StampWidth, StampHeight}, normal);
        for (double x : {65.0, 135.0})
            Body << Line(o + TXY{x, 0}, o + TXY{x, StampHeight}, normal);
        for (double y : {15.0, 35.0})
            Body << Line(o + TXY{65, y}, o + TXY{StampWidth, y}, normal);
        const THostStamp& stamp = data.Sheets.Items[0]->Stamp();
        for (const TCellPlace& place : CellPlaces) {
            const std::wstring text = stamp.CellStr(place.Cell);
            if (!text.empty()) Text(o + TXY{place.x, place.y}, place.h, 0.0, {text});
        }
        Body << "</g>\n";
        Body << "</g>\n";
    }
    if (data.Notes.Rough && data.Notes.Rough->Params().Has("Text")) {
        // The upper right corner of the sheet; the origin without one.
        const TParams& p = data.Notes.Rough->Params();
        std::wstring text = p.Text("Text");
        if (p.Flag("InBrackets")) text += L" (\u221A)";
        Text({w > 0 ? w - 40 : 0, h > 0 ? h - 15 : 0}, 5.0, 0.0, {L"\u221A " + text});
    }
    if (data.Notes.Demand && !data.Notes.Demand->Lines().empty()) {
        const std::vector<double> block = data.Notes.Demand->Block();
        const auto& texts = data.Notes.Demand->Texts();
        const TXY at = block.size() == 4 ? TXY{std::min(block[0], block[2]), std::max(block[1], block[3]) - 5}
                                         : TXY{w > 0 ? w - 185 : 0, 165 - 5};
        Body << "<g class=\"technical-demand\">\n";
        TextData(at, 3.5, 0.0, texts.at("Demand"));
        Body << "</g>\n";
    }
}

void TSvgWriter::Rough(TDrawingCore& core)
{
    const TParams& p = core.Params();
    const double h = 5.0, a = p.Real("Angle") * Degree;
    const TXY tip{p.Real("X"), p.Real("Y")};
    const TXY left = tip + Rotated({-0.58 * h, h}, a), right = tip + Rotated({1.16 * h, 2 * h}, a);
    const std::string stroke = StrokeOf(tvapi::tvCSThin);
    Body << "<g class=\"rough\">\n" << Line(tip, left, stroke) << Line(tip, right, stroke);
    if (p.Int("Type") == tvapi::tvDeleteMaterial) Body << Line(left, tip + Rotated({0.58 * h, h}, a), stroke);
    if (p.Int("Type") == tvapi::tvWithoutDeleteMaterial) {
        const TXY c = Sheet(tip + Rotated({0, 0.62 * h}, a));
        Body << "<circle cx=\"" << Num(c.X) << "\" cy=\"" << Num(-c.Y) << "\" r=\"" << Num(0.33 * h * FScale)
             << "\" fill=\"none\" " << stroke << "/>\n";
    }
    const std::wstring shelf = core.Text("Text2").Str();
    if (!shelf.empty())
        Body << Line(right, right + Rotated({TextWidth(ShownLength(shelf), DefaultTextHeight), 0}, a),
                     stroke);
    TextData(tip + Rotated({-0.3 * h, 1.3 * h}, a), DefaultTextHeight, p.Real("Angle"), core.Text("Text1"));
    TextData(right + Rotated({0.5, 0.8}, a), DefaultTextHeight, p.Real("Angle"), core.Text("Text2"));
    TextData(right + Rotated({0.5, -4.5}, a), DefaultTextHeight, p.Real("Angle"), core.Text("Text3"));
    Body << "</g>\n";
}

void TSvgWriter::Base(TDrawingCore& core)
{
    const TParams& p = core.Params();
    const TXY a{p.Real("X1"), p.Real("Y1")}, b{p.Real("X2"), p.Real("Y2")};
    const std::string stroke = StrokeOf(tvapi::tvCSThin);
    const double len = std::hypot(b.X - a.X, b.Y - a.Y);
    const TXY u = len > 0 ? TXY{(b.X - a.X) / len, (b.Y - a.Y) / len} : TXY{0, 1};
    const TXY n{-u.Y, u.X};
    const double side = 6.0;
    Body << "<g class=\"base\">\n<path d=\"M " << XY(a + n * 3.0) << " L " << XY(a - n * 3.0) << " L "
         << XY(a + u * 4.0) << " Z\" fill=\"black\"/>\n"
         << Line(a, b, stroke);
    Rect(b + TXY{-side / 2, -side / 2}, b + TXY{side / 2, side / 2}, stroke);
    TextData(b + TXY{-1.2, -1.7}, DefaultTextHeight, 0.0, core.Text("Text"));
    Body << "</g>\n";
}

void TSvgWriter::ViewPointer(TDrawingCore& core)
{
    const TParams& p = core.Params();
    const TXY from{p.Real("X1"), p.Real("Y1")}, to{p.Real("X2"), p.Real("Y2")};
    Body << "<g class=\"view-pointer\">\n" << Line(from, to, StrokeOf(tvapi::tvCSNormal));
    Arrow(to, to - from);
    TextData({p.Real("Xt"), p.Real("Yt")}, 5.0, 0.0, core.Text("Text"));
    Body << "</g>\n";
}

void TSvgWriter::Tolerance(TDrawingCore& core)
{
    const TParams& p = core.Params();
    const TXY o{p.Real("X"), p.Real("Y")};
    const std::string stroke = StrokeOf(tvapi::tvCSThin);
    const double height = 7.0;
    Body << "<g class=\"tolerance\">\n";
    const std::vector<double> ends = p.Reals("Branches");
    for (std::size_t i = 0; i + 1 < ends.size(); i += 2) {
        const TXY end{ends[i], ends[i + 1]};
        Body << Line(o, end, stroke);
        Arrow(end, end - o);
    }
    double x = o.X;
    const int cells = static_cast<int>(p.Int("Cells", 1));
    for (int k = 0; k < cells; ++k) {
        const auto it = core.Texts().find("Cell" + std::to_string(k));
        const std::wstring text = it == core.Texts().end() ? std::wstring() : it->second.Str();
        const double width = std::max(8.0, TextWidth(ShownLength(text), DefaultTextHeight) + 3.0);
        Rect({x, o.Y}, {x + width, o.Y + height}, StrokeOf(tvapi::tvCSNormal));
        if (!text.empty()) Text({x + 1.5, o.Y + 2.0}, DefaultTextHeight, 0.0, {text});
        x += width;
    }
    Body << "</g>\n";
}

void TSvgWriter::Object(TDrawingCore& core)
{
    const TParams& p = core.Params();
    switch (core.Type()) {
    case tvapi::tvDrLineSeg:
    case tvapi::tvDrCircle:
    case tvapi::tvDrArc:
    case tvapi::tvDrEllipse:
        Curve(core);
        break;
    case tvapi::tvDrDrawingText:
        TextData({p.Real("X"), p.Real("Y")}, p.Real("Height"), p.Real("Angle"), core.Text("Text"));
        break;
    case tvapi::tvDrPoint: {
        const TXY s = Sheet({p.Real("X"), p.Real("Y")});
        Body << "<circle class=\"point\" cx=\"" << Num(s.X) << "\" cy=\"" << Num(-s.Y) << "\" r=\""
             << Num(PointRadius) << "\" fill=\"black\"/>\n";
        break;
    }
    case tvapi::tvDrHatch: {
        const std::string id = "hatch" + std::to_string(++FPatterns);
        const double step = p.Real("Step") > 0 ? p.Real("Step") * FScale : 2.0;
        Defs << "<pattern id=\"" << id << "\" patternUnits=\"userSpaceOnUse\" width=\"" << Num(step)
             << "\" height=\"" << Num(step) << "\" patternTransform=\"rotate("
             << Num(-(p.Real("HatchAngle") + FAngle / Degree)) << ")\"><line x1=\"0\" y1=\"0\" x2=\"0\" y2=\""
             << Num(step) << "\" stroke=\"black\" stroke-width=\"0.18\"/></pattern>\n";
        Fill(core, "url(#" + id + ")");
        break;
    }
    case tvapi::tvDrColouring: {
        char colour[8];
        const auto bgr = static_cast<unsigned>(p.Int("Color"));
        std::snprintf(colour, sizeof colour, "#%02x%02x%02x", bgr & 0xFF, (bgr >> 8) & 0xFF,
                      (bgr >> 16) & 0xFF);
        Fill(core, colour);
        break;
    }
    case tvapi::tvDrCutLine:
        CutLine(core);
        break;
    case tvapi::tvDrLeader:
        Leader(core);
        break;
    case tvapi::tvDrLDimension:
    case tvapi::tvDrADimension:
    case tvapi::tvDrDDimension:
    case tvapi::tvDrRDimension:
        Dimension(core);
        break;
    case tvapi::tvDrRough:
        Rough(core);
        break;
    case tvapi::tvDrBase:
        Base(core);
        break;
    case tvapi::tvDrViewPointer:
        ViewPointer(core);
        break;
    case tvapi::tvDrTolerance:
        Tolerance(core);
        break;
    case tvapi::tvDrMacro:
        Body << "<g class=\"macro\">\n";
        Objects(*core.AsContainer());
        Body << "</g>\n";
        break;
    default:
        break;
    }
}

// The picture; throws TNotDrawable for a value it cannot write.
std::string DrawingSvgText(TDrawing2D& drawing, const TDocumentData* data)
{
    TSvgWriter writer;
    for (const THostDrawingGroupPtr& group : drawing.Groups())
        if (group->IsTemporary()) writer.Temporary.insert(group->Id());
    if (data) writer.SheetOf(*data);
    for (const THostViewPtr& view : drawing.Views()) {
        writer.SetView(*view);
        writer.Body << "<g class=\"view\" id=\"view" << view->Params().Int("Number") << "\">\n";
        writer.Objects(*view);
        if (view->ViewType() != tvapi::vt_System) writer.ViewFrame(*view);
        writer.Body << "</g>\n";
    }
    std::ostringstream svg;
    svg << "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
        << "<svg xmlns=\"http://www.w3.org/2000/svg\" viewBox=\"" << writer.ViewBox() << "\">\n<defs>\n"
        << writer.Defs.str() << "</defs>\n"
        << writer.Body.str() << "</svg>\n";
    return svg.str();
}

} // namespace

std::wstring ShowMarkup(std::wstring_view text)
{
    static constexpr struct {
        std::wstring_view Code;
        wchar_t Symbol;
    } Codes[] = {{L"&01", L'\u00B0'}, {L"&02", L'\u2300'}, {L"&03", L'\u00B1'}, {L"&04", L'\u00D7'}};
    std::wstring out;
    for (std::size_t i = 0; i < text.size();) {
        const auto code = std::find_if(std::begin(Codes), std::end(Codes), [&](const auto& c) {
            return text.substr(i, c.Code.size()) == c.Code;
        });
        if (code != std::end(Codes)) {
            out += code->Symbol;
            i += code->Code.size();
        } else {
            out += text[i++];
        }
    }
    return out;
}

bool DrawingSvg(TDrawing2D& drawing, std::string& svg, std::string& error, const TDocumentData* data)
{
    try {
        svg = DrawingSvgText(drawing, data);
        return true;
    } catch (const std::exception& e) {
        error = e.what();
        return false;
    }
}

bool WriteSvgFile(TDocumentCore& document, std::wstring_view fileName, std::string& error)
{
    TDrawing2D* drawing = document.Drawing2D();
    if (!drawing) {
        error = "the document is no drawing or fragment";
        return false;
    }
    std::string svg;
    return DrawingSvg(*drawing, svg, error, &document.Data()) &&
           WriteFileAtomically(FileNameBytes(fileName), svg, error);
}

} // namespace tvhost
