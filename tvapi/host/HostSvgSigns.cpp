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

namespace {

bool IsLabelled(const TDrawingCore& core)
{
    switch (core.Type()) {
    case tvapi::tvDrLDimension:
    case tvapi::tvDrADimension:
    case tvapi::tvDrDDimension:
    case tvapi::tvDrRDimension:
    case tvapi::tvDrRough:
        return true;
    default:
        return false;
    }
}

} // namespace

void TSvgWriter::FindObstacles(const THostView& view)
{
    TSvgWriter probe;
    probe.Temporary = Temporary;
    probe.SetView(view);
    TViewFigure figure;
    probe.Figure = &figure;
    // A labelled object gives no obstacle, so the probe does not lay it out.
    for (const tvapi::IDrawingObjectPtr& child : view.Children()) {
        auto* core = dynamic_cast<TDrawingCore*>(child.Get());
        if (!core || IsLabelled(*core)) continue;
        if (Temporary.count(core->Group()))
            probe.TemporaryObject(*core);
        else
            probe.Object(*core);
    }
    Obstacles.clear();
    FObstacleGrid.Clear(LabelCell * DefaultTextHeight * std::fabs(FScale));
    for (const TViewFigure::TStroke& s : figure.Strokes)
        if (s.Width >= ThickStroke && s.Owner && !IsLabelled(*s.Owner) &&
            !Temporary.count(s.Owner->Group())) {
            Obstacles.push_back(s);
            FObstacleGrid.AddSegment(s.A, s.B);
        }
}

TLabelClear TSvgWriter::ClearOf(const TDimensionLabel& label, std::vector<std::array<TXY, 2>> own) const
{
    return [this, &label, own = std::move(own)](const TTextPlace& place) {
        for (const TLabelPiece& piece : LabelPieces(label, place, DefaultTextHeight)) {
            const std::array<TXY, 4> box = PlacedBox(piece);
            if (!FLabelGrid.Near(box, [&](std::size_t k) { return !BoxesOverlap(box, FLabels[k]); }))
                return false;
            if (!FObstacleGrid.Near(
                    box, [&](std::size_t k) { return !CrossesBox(box, Obstacles[k].A, Obstacles[k].B); }))
                return false;
            for (const std::array<TXY, 2>& s : own)
                if (CrossesBox(box, Placed(s[0]), Placed(s[1]))) return false;
        }
        return true;
    };
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

// Arrows, line and label laid out by LinearLayout, or by LinearLayoutAt round the text point
// the user set.
void TSvgWriter::LineDimension(TDrawingCore& core, const TDimensionLabel& text)
{
    const TParams& p = core.Params();
    const std::string stroke = StrokeOf(tvapi::tvCSThin);
    const TLinearLines l = LinearLines(core);
    const TLabelExtent extent = LabelExtent(text, DefaultTextHeight);
    const TLinearLayout layout =
        p.Has("TextX") || p.Has("TextY")
            ? LinearLayoutAt(l.Q1, l.Q2, {p.Real("TextX", l.Through.X), p.Real("TextY", l.Through.Y)}, extent)
            : LinearLayout(l.Q1, l.Q2, extent, ClearOf(text, {{l.P1, l.Q1}, {l.P2, l.Q2}}));
    const double span = Length(l.Q2 - l.Q1);
    const TXY u = span > 0 ? (l.Q2 - l.Q1) * (1 / span) : TXY{1, 0};
    Body << Line(l.P1, l.Q1, stroke) << Line(l.P2, l.Q2, stroke) << Line(layout.From, layout.To, stroke);
    Arrow(l.Q1, layout.ArrowsInside ? u * -1.0 : u);
    Arrow(l.Q2, layout.ArrowsInside ? u : u * -1.0);
    for (std::size_t k = 1; k < layout.Leader.size(); ++k)
        Body << Line(layout.Leader[k - 1], layout.Leader[k], stroke);
    Label(text, layout.Label);
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
    NoteArc(c, r, s, e, ccw < 0, stroke);
    // Each arrow along the chord of the arc it covers.
    const TXY t1 = c + Dir(a1) * r, t2 = c + Dir(a2) * r;
    const double in = inside ? turn * arrow : -turn * arrow;
    Arrow(t1, t1 - (c + Dir(a1 + in) * r));
    Arrow(t2, t2 - (c + Dir(a2 - in) * r));
    // The label keeps clear of the rays and of the arc as well.
    std::vector<std::array<TXY, 2>> own{{c, c + Dir(a1) * (std::fabs(r) + ExtensionOverrun)},
                                        {c, c + Dir(a2) * (std::fabs(r) + ExtensionOverrun)}};
    const double from = a1 - turn * tail, swept = ccw + 2 * turn * tail;
    const int chords = std::max(1, static_cast<int>(std::ceil(std::fabs(swept) / ArcChordAngle)));
    for (int k = 0; k < chords; ++k)
        own.push_back({c + Dir(from + swept * k / chords) * r, c + Dir(from + swept * (k + 1) / chords) * r});
    const TXY out = Dir(a1 + ccw / 2);
    Label(text, ArcLabel(c, out, r, LabelExtent(text, DefaultTextHeight), ClearOf(text, std::move(own))));
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
    const TTextPlace place = RayLabel(c, d, inside ? r : r + ArrowLength, diameter, extent, ClearOf(text));
    // The line runs on under the label, on whichever side of the centre it stands.
    const double t1 = Dot(place.At - c, d),
                 t2 = Dot(place.At + Rotated({extent.Width, 0}, place.Angle) - c, d);
    const double reach = diameter ? (inside ? r : r + 2 * ArrowLength) : 0.0;
    Body << Line(c + d * std::min({-reach, t1, t2}), c + d * std::max({diameter ? reach : r, t1, t2}),
                 stroke);
    Arrow(c + d * r, inside ? d : d * -1.0);
    if (diameter) Arrow(c - d * r, inside ? d * -1.0 : d);
    Label(text, place);
}

// The sign's tip on the surface at (X, Y), its axis along Angle (from the surface to the
// sign), its legs laid out by RoughSign and its texts by RoughTextPlace; a shelf from the top of
// the long leg when it carries a text.
void TSvgWriter::Rough(TDrawingCore& core)
{
    const TParams& p = core.Params();
    const double h = RoughHeight;
    const TRoughSign sign = RoughSign({p.Real("X"), p.Real("Y")}, p.Real("Angle") * Degree, FAngle);
    const auto at = [&](TXY v) { return sign.At(v); };
    const std::string stroke = StrokeOf(tvapi::tvCSThin);
    Body << "<g class=\"rough\">\n"
         << Line(sign.Tip, sign.Left, stroke) << Line(sign.Tip, sign.Right, stroke);
    if (p.Int("Type") == tvapi::tvDeleteMaterial) Body << Line(sign.Left, at({0.58 * h, h}), stroke);
    if (p.Int("Type") == tvapi::tvWithoutDeleteMaterial) {
        const TXY c = at({0, 0.62 * h});
        const TXY s = Sheet(c);
        Body << "<circle cx=\"" << Num(s.X) << "\" cy=\"" << Num(-s.Y) << "\" r=\"" << Num(0.33 * h * FScale)
             << "\" fill=\"none\" " << stroke << "/>\n";
        NoteArc(c, 0.33 * h, c + TXY{0.33 * h, 0}, c + TXY{0.33 * h, 0}, false, stroke, true);
    }
    struct TSignText {
        std::vector<std::wstring> Lines;
        double Height = DefaultTextHeight;
        TRoughText Which;
    };
    std::array<TSignText, 3> texts{TSignText{{}, DefaultTextHeight, TRoughText::rtValue},
                                   TSignText{{}, DefaultTextHeight, TRoughText::rtOnShelf},
                                   TSignText{{}, DefaultTextHeight, TRoughText::rtUnderShelf}};
    const char* names[] = {"Text1", "Text2", "Text3"};
    for (std::size_t k = 0; k < texts.size(); ++k) {
        texts[k].Lines = Lines(core.Text(names[k]), texts[k].Height);
        if (Longest(texts[k].Lines) == 0) texts[k].Lines.clear();
    }
    const auto width = [](const TSignText& t) { return TextWidth(Longest(t.Lines), t.Height); };
    if (!texts[1].Lines.empty() || !texts[2].Lines.empty())
        Body << Line(sign.Right, at({1.16 * h + RoughShelfLength(width(texts[1]), width(texts[2])), 2 * h}),
                     stroke);
    for (const TSignText& t : texts)
        if (!t.Lines.empty())
            Text(RoughTextPlace(sign, t.Which, t.Height, t.Lines.size(), Longest(t.Lines)), t.Height,
                 t.Lines);
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
