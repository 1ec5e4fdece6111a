// Text boxes, arrowheads and dimension text places of the SVG pictures.
#include "HostSvgLayout.h"

#include <algorithm>
#include <cmath>
#include <numbers>

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

} // namespace

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
    sign.Left = sign.At({-0.58 * RoughHeight, RoughHeight});
    sign.Right = sign.At({1.16 * RoughHeight, 2 * RoughHeight});
    return sign;
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
