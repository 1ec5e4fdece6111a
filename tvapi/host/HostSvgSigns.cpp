// Signs and dimensions in the SVG pictures: cut lines, leaders, roughness, bases, view
// pointers, tolerance frames, and dimensions with their lines, arrows and labels.
#include "HostSvgWriter.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <numbers>

#include "HostSearch2D.h"

namespace tvhost::svg {

// A section line shows only its ends and bends: at each end an open thick stroke running in
// from the end, an arrow across the line at the stroke's outer part pointing the way the
// section is looked at (left of the line's run from its first point, the other side when
// ArrowDirection is set), and the designation beside the arrow on the side away from the
// line; at each bend a short thick stroke along both legs.
void TSvgWriter::CutLine(TDrawingCore& core)
{
    const TParams& p = core.Params();
    std::vector<double> points = p.Reals("Points");
    if (points.size() < 4) points = {p.Real("X1"), p.Real("Y1"), p.Real("X2"), p.Real("Y2")};
    const std::size_t n = points.size();
    const TXY first{points[0], points[1]}, second{points[2], points[3]};
    const TXY last{points[n - 2], points[n - 1]}, beforeLast{points[n - 4], points[n - 3]};
    const TXY run = second - first;
    if (!(Length(run) > 0)) return;
    const TXY side =
        Dir(std::atan2(run.Y, run.X) + std::numbers::pi / 2) * (p.Flag("ArrowDirection") ? -1.0 : 1.0);
    Body << "<g class=\"cut\">\n";
    CutEnd(first, second, side, core.Text("Designation"));
    CutEnd(last, beforeLast, side, core.Text("Designation"));
    for (std::size_t i = 2; i + 2 < n; i += 2)
        CutBend({points[i - 2], points[i - 1]}, {points[i], points[i + 1]}, {points[i + 2], points[i + 3]});
    Body << "</g>\n";
}

// A bend of a stepped section line: a thick stroke a little way along each of its legs.
void TSvgWriter::CutBend(TXY before, TXY at, TXY after)
{
    const std::string thick = R"(stroke="black" stroke-width="0.7" stroke-linecap="butt")";
    for (const TXY& to : {before, after}) {
        const double length = Length(to - at);
        if (length > 0)
            Body << Line(at, at + (to - at) * (std::min(CutBendStroke, length / 2) / length), thick);
    }
}

void TSvgWriter::CutEnd(TXY end, TXY toward, TXY side, const TTextData& designation)
{
    const double length = Length(toward - end);
    if (!(length > 0)) return;
    const TXY in = (toward - end) * (1 / length);
    const TXY stroke = end + in * std::min(CutStroke, length / 2);
    Body << Line(end, stroke, R"(stroke="black" stroke-width="0.7" stroke-linecap="butt")");
    const TXY base = end + in * CutArrowInset, tip = base + side * CutArrowLength;
    Body << Line(base, tip, StrokeOf(tvapi::tvCSThin));
    Arrow(tip, side);
    double h = DefaultTextHeight;
    const std::vector<std::wstring> lines = Lines(designation, h);
    if (lines.empty()) return;
    TDimensionLabel label;
    label.Main = lines.front();
    const TTextPlace place = Beside(base + side * (CutArrowLength / 2), side - in, LabelExtent(label, h));
    Text(place, h, {lines.front()});
}

void TSvgWriter::Leader(TDrawingCore& core)
{
    const TParams& p = core.Params();
    const TXY origin{p.Real("X"), p.Real("Y")};
    const std::string stroke = StrokeOf(tvapi::tvCSThin);
    const std::vector<double> ends = p.Reals("Branches");
    const bool arrows = p.Int("ArrowType", tvapi::tvLeaderWithoutArrow) != tvapi::tvLeaderWithoutArrow;
    for (std::size_t i = 0; i + 1 < ends.size(); i += 2) {
        const TXY end{ends[i], ends[i + 1]};
        Body << Line(origin, end, stroke);
        if (arrows) Arrow(end, end - origin);
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
    label.Note = core.Text("Note").Str();
    return label;
}

void TSvgWriter::Dimension(TDrawingCore& core)
{
    Body << "<g class=\"dimension" << (core.Type() == tvapi::tvDrADimension ? " angle" : "") << "\">\n";
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

// The arc at Distance from the vertex, each ray from the vertex to its point or, short of
// that, ExtensionOverrun beyond the arc, arrows inside or outside as for a line; the text
// level, outside the arc beside its middle.
void TSvgWriter::AngleDimension(TDrawingCore& core, const TDimensionLabel& text)
{
    const TParams& p = core.Params();
    const std::string stroke = StrokeOf(tvapi::tvCSThin);
    const TXY c{p.Real("Xc"), p.Real("Yc")};
    const double a1 = p.Real("Angle1") * Degree, a2 = p.Real("Angle2") * Degree, r = p.Real("Distance");
    const double ccw = std::remainder(a2 - a1, 2 * std::numbers::pi);
    const double turn = ccw < 0 ? -1.0 : 1.0;
    // Each ray as far as its point, and at least past the arc.
    const auto ray = [&](double a, TXY point) {
        const double reach = std::max(std::fabs(r) + ExtensionOverrun, Dot(point - c, Dir(a)));
        return Line(c, c + Dir(a) * reach, stroke);
    };
    Body << ray(a1, {p.Real("X1"), p.Real("Y1")}) << ray(a2, {p.Real("X2"), p.Real("Y2")});
    const bool inside = ArrowsFitBetween(std::fabs(ccw * r));
    // Angles an arrow, and a tail outside, take on the arc: none on an arc of no radius, and
    // short of a turn with both tails on a tiny one.
    const double arrow = r > 0 ? std::min(ArrowLength / r, std::numbers::pi / 8) : 0.0;
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
    // A negative radius points the other way, as the drawing search takes it.
    const double r = std::fabs(p.Real("Radius"));
    const TXY d = Dir(p.Real("Angle") * Degree) * (p.Real("Radius") < 0 ? -1.0 : 1.0);
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

// The sign's tip on the surface at (X, Y), its axis along Angle (from the surface to the
// sign), its legs and texts laid out by RoughSign; mirrored, each text box moves to the mirror
// image of its place and Text reads it upright there.
void TSvgWriter::Rough(TDrawingCore& core)
{
    const TParams& p = core.Params();
    const double h = RoughHeight;
    const TRoughSign sign = RoughSign({p.Real("X"), p.Real("Y")}, p.Real("Angle") * Degree, FAngle);
    const TXY tip = sign.Tip;
    const double a = sign.Turn;
    const auto at = [&](TXY v) { return sign.At(v); };
    const std::string stroke = StrokeOf(tvapi::tvCSThin);
    Body << "<g class=\"rough\">\n" << Line(tip, sign.Left, stroke) << Line(tip, sign.Right, stroke);
    if (p.Int("Type") == tvapi::tvDeleteMaterial) Body << Line(sign.Left, at({0.58 * h, h}), stroke);
    if (p.Int("Type") == tvapi::tvWithoutDeleteMaterial) {
        const TXY c = Sheet(at({0, 0.62 * h}));
        Body << "<circle cx=\"" << Num(c.X) << "\" cy=\"" << Num(-c.Y) << "\" r=\"" << Num(0.33 * h * FScale)
             << "\" fill=\"none\" " << stroke << "/>\n";
    }
    const std::wstring shelf = core.Text("Text2").Str();
    if (!shelf.empty())
        Body << Line(sign.Right, at({1.16 * h + TextWidth(ShownLength(shelf), DefaultTextHeight), 2 * h}),
                     stroke);
    const auto text = [&](const TTextData& data, TXY offset) {
        double th = DefaultTextHeight;
        const std::vector<std::wstring> lines = Lines(data, th);
        if (lines.empty()) return;
        TTextPlace place{tip + Rotated(offset, a), a, TTextAnchor::taStart};
        if (sign.Mirrored) {
            std::size_t longest = 0;
            for (const std::wstring& line : lines)
                longest = std::max(longest, ShownLength(line));
            const std::array<TXY, 4> box = TextBox(place, th, lines.size(), longest);
            const TXY middle = (box[0] + box[2]) * 0.5;
            place.At = place.At + at(Rotated(middle - tip, -a)) - middle;
        }
        Text(place, th, lines);
    };
    text(core.Text("Text1"), {-0.3 * h, 1.3 * h});
    text(core.Text("Text2"), {1.16 * h + 0.5, 2 * h + 0.8});
    text(core.Text("Text3"), {1.16 * h + 0.5, 2 * h - 4.5});
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

// The arrow's head at the first point, next to the part, its tail at the second; the letter
// upright beside the shaft, across from where the text point falls on it.
void TSvgWriter::ViewPointer(TDrawingCore& core)
{
    const TParams& p = core.Params();
    const TXY head{p.Real("X1"), p.Real("Y1")}, tail{p.Real("X2"), p.Real("Y2")};
    const double length = Length(tail - head);
    // Along the shaft from the head; rightwards for a pointer with no shaft.
    const TXY u = length > 0 ? (tail - head) * (1 / length) : TXY{1, 0};
    Body << "<g class=\"view-pointer\">\n" << Line(tail, head, StrokeOf(tvapi::tvCSThin));
    Arrow(head, head - tail);
    double h = ViewPointerTextHeight;
    const std::vector<std::wstring> lines = Lines(core.Text("Text"), h);
    if (!lines.empty()) {
        const double at = std::clamp(Dot(TXY{p.Real("Xt"), p.Real("Yt")} - head, u), 0.0, length);
        TXY up{-u.Y, u.X};
        if (up.Y < 0 || (up.Y == 0 && up.X < 0)) up = up * -1.0;
        TDimensionLabel label;
        label.Main = lines.front();
        Text(Beside(head + u * at + up * ArrowHalfWidth, up, LabelExtent(label, h)), h, {lines.front()});
    }
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

} // namespace tvhost::svg
