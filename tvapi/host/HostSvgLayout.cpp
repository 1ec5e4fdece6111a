// Text boxes, arrowheads and dimension text places of the SVG pictures.
#include "HostSvgLayout.h"

#include <algorithm>
#include <cmath>
#include <numbers>
#include <utility>

#include "HostSvg.h"

namespace tvhost {

namespace {

// A glyph's average advance, and how far the font reaches above and below the baseline, in
// text heights (font sizes).
constexpr double GlyphWidth = 0.6;
constexpr double Ascent = 0.8;
constexpr double Descent = 0.25;
// Deviations: their height, and where their baselines stand above the value's, in its heights;
// the room between the value, the deviations and the suffix.
constexpr double DeviationHeight = 0.7;
constexpr double UpperRise = 0.45;
constexpr double LowerRise = -0.3;
constexpr double PieceGap = 0.15;
// How many label heights further out a label along a ray may go to stay above it.
constexpr double FurthestOut = 4.0;
// A direction whose X is this small is vertical: its text reads upwards.
constexpr double Level = 1e-9;
// Room a dimension line keeps between its arrowheads: half an arrow.
constexpr double ArrowRoom = 0.5 * ArrowLength;
// A roughness sign's legs lean this far out per unit of rise: the short one to the left, the
// long one (twice as high) to the right.
constexpr double RoughLegSlope = 0.58;

// Room before the note: the pieces' gap before a sign or a blank ("×45°", "-7H", "*"), a
// blank's width before a word or a number ("4 отв.").
double NoteGap(const std::wstring& note, double h)
{
    static constexpr std::wstring_view Signs = L"\u00D7\u00B0\u2300\u00B1-+*~ ";
    const std::wstring shown = ShowMarkup(note);
    const bool sign = shown.empty() || Signs.find(shown.front()) != std::wstring_view::npos;
    return sign ? PieceGap * h : GlyphWidth * h;
}

TPoint2 Normal(TPoint2 u)
{
    return {-u.Y, u.X};
}

double AngleOf(TPoint2 u)
{
    return std::atan2(u.Y, u.X);
}

// Unit direction from a to b; along X when they coincide.
TPoint2 Along(TPoint2 a, TPoint2 b)
{
    const double length = Length(b - a);
    return length > 0 ? (b - a) * (1 / length) : TPoint2{1, 0};
}

// A linear dimension's arrows and line with no label yet: inside between the feet, or outside
// on tails two arrows long.
TLinearLayout LinearLines(TPoint2 q1, TPoint2 q2)
{
    TLinearLayout l;
    l.ArrowsInside = ArrowsFitBetween(Length(q2 - q1));
    const TPoint2 tail = Along(q1, q2) * (l.ArrowsInside ? 0.0 : 2 * ArrowLength);
    l.From = q1 - tail;
    l.To = q2 + tail;
    return l;
}

// The label centred above the line.
TLinearLayout Centred(TPoint2 q1, TPoint2 q2, const TLabelExtent& e)
{
    TLinearLayout l = LinearLines(q1, q2);
    l.Label = AboveLine((q1 + q2) * 0.5, Along(q1, q2), e);
    return l;
}

// The label above the line's continuation beyond the extension line at the end it reads
// towards (or the other), past an arrow standing outside; the line runs on under it.
TLinearLayout BesideEnd(TPoint2 q1, TPoint2 q2, bool readingEnd, const TLabelExtent& e)
{
    TLinearLayout l = LinearLines(q1, q2);
    const TPoint2 u = Along(q1, q2), r = Upright(u);
    const double start = TextGap + (l.ArrowsInside ? 0.0 : ArrowLength);
    const bool second = (Dot(u, r) > 0) == readingEnd;
    const TPoint2 end = second ? q2 : q1, out = second ? u : u * -1.0;
    TPoint2& tip = second ? l.To : l.From;
    tip = end + out * std::max(start + e.Width, Length(tip - end));
    // Reading away from the span the label starts next to the extension line, else ends there.
    const TPoint2 origin = end + out * (Dot(out, r) > 0 ? start : start + e.Width);
    l.Label = {origin + Normal(r) * (TextGap - e.Bottom), AngleOf(r)};
    return l;
}

// The label level on a shelf at the end of a leader from the line's middle, leaning out along
// `lean` (at 45 degrees to the line) past the arrows and the extension lines' ends; the shelf
// runs under the label the way the leader leans.
TLinearLayout OnShelf(TPoint2 q1, TPoint2 q2, TPoint2 lean, const TLabelExtent& e)
{
    TLinearLayout l = LinearLines(q1, q2);
    const TPoint2 m = (q1 + q2) * 0.5, u = Along(q1, q2);
    TPoint2 k = m + lean * (Length(q2 - q1) / 2 + ExtensionOverrun + TextGap);
    const double side = lean.X >= 0 ? 1.0 : -1.0;
    const auto label = [&] {
        return TPoint2{side > 0 ? k.X + TextGap : k.X - TextGap - e.Width, k.Y + TextGap - e.Bottom};
    };
    // On an oblique line a level label may reach back over the extension line or the dimension
    // line on its side; the leader runs on until it clears both by TextGap. Each unit along
    // `lean` gains one both ways.
    const TPoint2 end = Dot(lean, u) >= 0 ? q2 : q1, out = Dot(lean, u) >= 0 ? u : u * -1.0;
    const TPoint2 away = Dot(lean, Normal(u)) >= 0 ? Normal(u) : Normal(u) * -1.0;
    double lacking = 0.0;
    const TPoint2 at = label();
    for (const TPoint2 corner : {TPoint2{0, e.Bottom}, {e.Width, e.Bottom}, {e.Width, e.Top}, {0, e.Top}}) {
        lacking = std::max(lacking, TextGap - Dot(at + corner - end, out));
        lacking = std::max(lacking, TextGap - Dot(at + corner - m, away));
    }
    k = k + lean * lacking;
    l.Leader = {m, k, k + TPoint2{side * (e.Width + 2 * TextGap), 0.0}};
    l.Label = {label(), 0.0};
    return l;
}

// The first of `places` that `clear` accepts; the first when none is or there is no `clear`.
TTextPlace FirstClear(const std::vector<TTextPlace>& places, const TLabelClear& clear)
{
    if (clear)
        for (const TTextPlace& place : places)
            if (clear(place)) return place;
    return places.front();
}

} // namespace

bool CrossesBox(const std::array<TPoint2, 4>& box, TPoint2 a, TPoint2 b)
{
    // Separating axes: the box's two side directions and the segment's normal.
    constexpr double Touch = 1e-9;
    for (const TPoint2 axis : {box[1] - box[0], box[3] - box[0], Normal(b - a)}) {
        const double length = Length(axis);
        if (!(length > 0)) continue;
        const TPoint2 n = axis * (1 / length);
        double lo = Dot(box[0], n), hi = lo;
        for (const TPoint2& c : box)
            lo = std::min(lo, Dot(c, n)), hi = std::max(hi, Dot(c, n));
        const double s1 = Dot(a, n), s2 = Dot(b, n);
        if (std::max(s1, s2) <= lo + Touch || std::min(s1, s2) >= hi - Touch) return false;
    }
    return true;
}

bool BoxesOverlap(const std::array<TPoint2, 4>& a, const std::array<TPoint2, 4>& b)
{
    // Separating axes: the sides of both boxes.
    constexpr double Touch = 1e-9;
    for (const TPoint2 axis : {a[1] - a[0], a[3] - a[0], b[1] - b[0], b[3] - b[0]}) {
        const double length = Length(axis);
        if (!(length > 0)) continue;
        const TPoint2 n = axis * (1 / length);
        const auto span = [&](const std::array<TPoint2, 4>& box) {
            double lo = Dot(box[0], n), hi = lo;
            for (const TPoint2& c : box)
                lo = std::min(lo, Dot(c, n)), hi = std::max(hi, Dot(c, n));
            return std::pair{lo, hi};
        };
        const auto [alo, ahi] = span(a);
        const auto [blo, bhi] = span(b);
        if (ahi <= blo + Touch || bhi <= alo + Touch) return false;
    }
    return true;
}

TTextPlace RayLabel(TPoint2 centre, TPoint2 d, double from, bool bothWays, const TLabelExtent& e,
                    const TLabelClear& clear)
{
    std::vector<TTextPlace> places;
    for (int k = 0; k <= RaySteps; ++k) {
        places.push_back(BesideRay(centre, d, from + k * RayStep, e));
        if (bothWays) places.push_back(BesideRay(centre, d * -1.0, from + k * RayStep, e));
    }
    return FirstClear(places, clear);
}

TTextPlace ArcLabel(TPoint2 vertex, TPoint2 out, double r, const TLabelExtent& e, const TLabelClear& clear)
{
    const TPoint2 middle = vertex + out * r;
    std::vector<TTextPlace> places{Beside(middle, out, e), Beside(middle, out * -1.0, e)};
    for (int k = 1; k <= RaySteps; ++k)
        places.push_back(Beside(middle + out * (k * RayStep), out, e));
    return FirstClear(places, clear);
}

std::size_t ShownLength(std::wstring_view text)
{
    return ShowMarkup(text).size();
}

double TextWidth(std::size_t count, double h)
{
    return GlyphWidth * h * static_cast<double>(count);
}

std::array<TPoint2, 4> TextBox(const TTextPlace& place, double h, std::size_t lines, std::size_t longest)
{
    const double w = TextWidth(longest, h);
    const double left = place.Anchor == TTextAnchor::taStart    ? 0.0
                        : place.Anchor == TTextAnchor::taMiddle ? -w / 2
                                                                : -w;
    const double top = Ascent * h;
    const double bottom =
        -(static_cast<double>(std::max<std::size_t>(lines, 1) - 1) * LineSpacing + Descent) * h;
    std::array<TPoint2, 4> box{TPoint2{left, bottom}, {left + w, bottom}, {left + w, top}, {left, top}};
    for (TPoint2& corner : box)
        corner = place.At + Rotated(corner, place.Angle);
    return box;
}

std::array<TPoint2, 3> ArrowHead(TPoint2 tip, TPoint2 along)
{
    const TPoint2 base = tip - along * ArrowLength, side = Normal(along) * ArrowHalfWidth;
    return {tip, base + side, base - side};
}

bool ArrowsFitBetween(double span)
{
    return span >= 2 * ArrowLength + ArrowRoom;
}

TPoint2 Upright(TPoint2 u)
{
    if (u.X > Level || (u.X >= -Level && u.Y > 0)) return u;
    return u * -1.0;
}

bool UpsideDown(double radians)
{
    const TPoint2 u = Dir(radians);
    return Dot(Upright(u), u) < 0;
}

TTextPlace HalfTurned(const TTextPlace& place, double h, std::size_t lines, std::size_t longest)
{
    const std::array<TPoint2, 4> box = TextBox(place, h, lines, longest);
    const TPoint2 middle = (box[0] + box[2]) * 0.5;
    return {middle * 2.0 - place.At, std::remainder(place.Angle + std::numbers::pi, 2 * std::numbers::pi),
            place.Anchor};
}

TRoughSign RoughSign(TPoint2 tip, double direction, double viewAngle)
{
    TRoughSign sign;
    sign.Tip = tip;
    sign.Turn = direction - std::numbers::pi / 2;
    sign.Mirrored = UpsideDown(sign.Turn + viewAngle);
    sign.Left = sign.At({-RoughLegSlope * RoughHeight, RoughHeight});
    sign.Right = sign.At({2 * RoughLegSlope * RoughHeight, 2 * RoughHeight});
    return sign;
}

TTextPlace RoughTextPlace(const TRoughSign& sign, TRoughText which, double h, std::size_t lines,
                          std::size_t longest)
{
    // In the sign's own frame: the first baseline's start, from the box's edge nearest the sign.
    const double below =
        (static_cast<double>(std::max<std::size_t>(lines, 1) - 1) * LineSpacing + Descent) * h;
    const double top = 2 * RoughHeight, shelfStart = RoughLegSlope * top + TextGap;
    TPoint2 at;
    switch (which) {
    case TRoughText::rtValue: {
        // Over the short leg's end; the long leg leans out as it rises, so the box's lower
        // right corner is the nearest to it.
        const double bottom = RoughHeight + TextGap;
        const double end = RoughLegSlope * bottom - TextGap * std::hypot(1.0, RoughLegSlope);
        at = {end - TextWidth(longest, h), bottom + below};
        break;
    }
    case TRoughText::rtOnShelf:
        at = {shelfStart, top + TextGap + below};
        break;
    case TRoughText::rtUnderShelf:
        at = {shelfStart, top - TextGap - Ascent * h};
        break;
    }
    TTextPlace place{sign.At(at), sign.Turn, TTextAnchor::taStart};
    if (!sign.Mirrored) return place;
    const std::array<TPoint2, 4> box = TextBox({at, 0.0}, h, lines, longest);
    const TPoint2 middle = (box[0] + box[2]) * 0.5;
    place.At = sign.At(middle) - Rotated(middle - at, sign.Turn);
    return place;
}

double RoughShelfLength(double onShelf, double underShelf)
{
    return 2 * TextGap + std::max(onShelf, underShelf);
}

TLabelExtent LabelExtent(const TDimensionLabel& label, double h)
{
    const bool stacked = !label.Upper.empty() || !label.Lower.empty();
    const double small = DeviationHeight * h;
    TLabelExtent e;
    e.Width = TextWidth(ShownLength(label.Main), h);
    e.Bottom = -Descent * h;
    e.Top = Ascent * h;
    if (stacked) {
        e.Width +=
            PieceGap * h + TextWidth(std::max(ShownLength(label.Upper), ShownLength(label.Lower)), small);
        e.Bottom = std::min(e.Bottom, LowerRise * h - Descent * small);
        e.Top = std::max(e.Top, UpperRise * h + Ascent * small);
    }
    if (!label.Suffix.empty()) e.Width += PieceGap * h + TextWidth(ShownLength(label.Suffix), h);
    if (!label.Note.empty()) e.Width += NoteGap(label.Note, h) + TextWidth(ShownLength(label.Note), h);
    return e;
}

std::vector<TLabelPiece> LabelPieces(const TDimensionLabel& label, const TTextPlace& origin, double h)
{
    std::vector<TLabelPiece> pieces;
    auto put = [&](const std::wstring& text, double x, double y, double height) {
        if (!text.empty())
            pieces.push_back({text, {origin.At + Rotated({x, y}, origin.Angle), origin.Angle}, height});
    };
    const double small = DeviationHeight * h;
    double x = TextWidth(ShownLength(label.Main), h);
    put(label.Main, 0.0, 0.0, h);
    if (!label.Upper.empty() || !label.Lower.empty()) {
        x += PieceGap * h;
        put(label.Upper, x, UpperRise * h, small);
        put(label.Lower, x, LowerRise * h, small);
        x += TextWidth(std::max(ShownLength(label.Upper), ShownLength(label.Lower)), small);
    }
    if (!label.Suffix.empty()) {
        x += PieceGap * h;
        put(label.Suffix, x, 0.0, h);
        x += TextWidth(ShownLength(label.Suffix), h);
    }
    if (!label.Note.empty()) put(label.Note, x + NoteGap(label.Note, h), 0.0, h);
    return pieces;
}

TLinearLayout LinearLayout(TPoint2 q1, TPoint2 q2, const TLabelExtent& e, const TLabelClear& clear)
{
    const double span = Length(q2 - q1);
    const TPoint2 r = Upright(Along(q1, q2)), n = Normal(r);
    std::vector<TLinearLayout> places;
    if (span >= e.Width + 2 * TextGap) places.push_back(Centred(q1, q2, e));
    if (span >= ShelfSpan)
        for (const bool readingEnd : {true, false})
            places.push_back(BesideEnd(q1, q2, readingEnd, e));
    for (const TPoint2 lean : {n + r, n - r, r - n, n * -1.0 - r})
        places.push_back(OnShelf(q1, q2, lean, e));
    if (clear)
        for (const TLinearLayout& l : places)
            if (clear(l.Label)) return l;
    return places.front();
}

TLinearLayout LinearLayoutAt(TPoint2 q1, TPoint2 q2, TPoint2 textPoint, const TLabelExtent& e)
{
    TLinearLayout l = LinearLines(q1, q2);
    const TPoint2 u = Along(q1, q2);
    const TPoint2 foot = q1 + u * Dot(textPoint - q1, u);
    l.Label = AboveLine(foot, u, e);
    // The line runs on under the label: along u from q1, its reach either way.
    const double half = e.Width / 2 + TextGap, at = Dot(foot - q1, u);
    l.From = q1 + u * std::min(Dot(l.From - q1, u), at - half);
    l.To = q1 + u * std::max(Dot(l.To - q1, u), at + half);
    return l;
}

TTextPlace AboveLine(TPoint2 mid, TPoint2 u, const TLabelExtent& e)
{
    const TPoint2 r = Upright(u);
    return {mid + Normal(r) * (TextGap - e.Bottom) - r * (e.Width / 2), AngleOf(r)};
}

TTextPlace Beside(TPoint2 from, TPoint2 out, const TLabelExtent& e)
{
    const double x = out.X >= 0 ? from.X + TextGap : from.X - TextGap - e.Width;
    const double y = out.Y >= 0 ? from.Y + TextGap - e.Bottom : from.Y - TextGap - e.Top;
    return {{x, y}, 0.0};
}

TTextPlace BesideRay(TPoint2 centre, TPoint2 d, double from, const TLabelExtent& e)
{
    const TPoint2 r = Upright(d), n = Normal(r);
    const double height = e.Top - e.Bottom;
    // How fast the ray leaves the nearer centre line, and how the label's upward normal turns
    // towards it. Far enough out, the label's height cannot reach the other line.
    const bool nearHorizontal = std::fabs(d.Y) <= std::fabs(d.X);
    const double leaves = nearHorizontal ? d.Y : d.X, towards = nearHorizontal ? n.Y : n.X;
    const double base = std::max(from, height + TextGap) + TextGap;
    // Above the ray when that side faces away from the line, or when a little further out
    // clears it; else on the side away from it.
    bool above = leaves >= 0 ? towards >= 0 : towards <= 0;
    double start = base;
    if (!above && std::fabs(leaves) > Level) {
        const double clear = (TextGap + height) * std::fabs(towards) / std::fabs(leaves) + TextGap;
        above = clear <= base + FurthestOut * height;
        if (above) start = std::max(base, clear);
    }
    const double offset = above ? TextGap - e.Bottom : -(TextGap + e.Top);
    const double first = Dot(r, d) > 0 ? start : start + e.Width;
    return {centre + d * first + n * offset, AngleOf(r)};
}

} // namespace tvhost
