// Where the SVG pictures put dimension labels, for lines, arcs and rays in every direction:
// the label's box above its line, outside its arc, and clear of a circle's centre lines.

#include "HostSvgLayout.h"

#include <array>
#include <cmath>
#include <numbers>
#include <ostream>
#include <string>
#include <vector>

#include <gtest/gtest.h>

namespace {

using tvhost::TPoint2;

const tvhost::TDimensionLabel Label{L"R5", L"+0,05", L"-0,05", L"", L""};
constexpr double H = 3.5;
constexpr double Slack = 1e-9;

// Corners of every piece of the label placed at `origin`.
std::vector<TPoint2> Corners(const tvhost::TTextPlace& origin)
{
    std::vector<TPoint2> corners;
    for (const tvhost::TLabelPiece& piece : tvhost::LabelPieces(Label, origin, H))
        for (const TPoint2& c :
             tvhost::TextBox(piece.Place, piece.Height, 1, tvhost::ShownLength(piece.Text)))
            corners.push_back(c);
    return corners;
}

TEST(SvgLayoutTest, LabelsStayClearOfTheirLinesArcsAndCentreLines)
{
    const tvhost::TLabelExtent extent = tvhost::LabelExtent(Label, H);
    EXPECT_NEAR(extent.Width, 0.6 * H * 2 + 0.15 * H + 0.6 * 0.7 * H * 5, 1e-12);
    for (int degrees = 0; degrees < 360; degrees += 5) {
        SCOPED_TRACE(degrees);
        const TPoint2 d = tvhost::Dir(degrees * std::numbers::pi / 180);
        // Above a line through (7, 3), reading left to right or upwards.
        const TPoint2 mid{7, 3};
        const tvhost::TTextPlace above = tvhost::AboveLine(mid, d, extent);
        EXPECT_GT(std::cos(above.Angle), -Slack);
        const TPoint2 up = tvhost::Rotated({0, 1}, above.Angle);
        for (const TPoint2& c : Corners(above))
            EXPECT_GE(tvhost::Dot(c - mid, up), tvhost::TextGap - Slack);
        // Outside an arc of radius 10 beside its point in direction d, clear of arrowheads there.
        for (const TPoint2& c : Corners(tvhost::Beside(d * 10, d, extent)))
            EXPECT_GT(tvhost::Length(c), 10 + tvhost::ArrowHalfWidth);
        // Beyond the arrow of a radius 5 along d, on one side of each centre line.
        const std::vector<TPoint2> ray = Corners(tvhost::BesideRay({0, 0}, d, 5, extent));
        int right = 0, upper = 0;
        for (const TPoint2& c : ray) {
            EXPECT_GT(tvhost::Dot(c, d), 5);
            right += c.X > 0 ? 1 : c.X < 0 ? -1 : 0;
            upper += c.Y > 0 ? 1 : c.Y < 0 ? -1 : 0;
        }
        EXPECT_EQ(std::abs(right), static_cast<int>(ray.size()));
        EXPECT_EQ(std::abs(upper), static_cast<int>(ray.size()));
    }
}

TEST(SvgLayoutTest, ArrowsAreOfDraftingSizeAndStandOutsideShortLines)
{
    const auto head = tvhost::ArrowHead({1, 2}, {0, 1});
    EXPECT_EQ(head[0].Y - head[1].Y, 3.0);
    EXPECT_EQ(head[2].X - head[1].X, 1.0);
    EXPECT_TRUE(tvhost::ArrowsFitBetween(7.5));
    EXPECT_FALSE(tvhost::ArrowsFitBetween(7.4));
    EXPECT_EQ(tvhost::ShownLength(L"&0120&02&05"), 7u); // "&05" is no code
}

} // namespace

namespace {

using TBox = std::array<TPoint2, 4>;

// Boxes of every piece of `label` placed at `origin`.
std::vector<TBox> Boxes(const tvhost::TDimensionLabel& label, const tvhost::TTextPlace& origin)
{
    std::vector<TBox> boxes;
    for (const tvhost::TLabelPiece& piece : tvhost::LabelPieces(label, origin, H))
        boxes.push_back(tvhost::TextBox(piece.Place, piece.Height, 1, tvhost::ShownLength(piece.Text)));
    return boxes;
}

// A linear dimension's span and its number: centred when it fits with room, beside an extension
// line when it does not, on a shelf when the span is shorter than an arrow.
struct TLinearCase {
    const char* Name;
    double Span;
    const wchar_t* Number;
    enum { Centred, Beside, Shelf } Expected;
};
void PrintTo(const TLinearCase& c, std::ostream* out)
{
    *out << c.Name;
}

class LinearLayoutTest : public ::testing::TestWithParam<TLinearCase> {};

// In every direction the number stands clear of the dimension line, both extension lines (up to
// 10 either side of the line) and the leader, where the case says; the line runs under it; and
// a place refused by the caller's test is not taken.
TEST_P(LinearLayoutTest, NumberStandsClearOfItsOwnLines)
{
    const TLinearCase& c = GetParam();
    const tvhost::TDimensionLabel label{c.Number, L"", L"", L"", L""};
    const tvhost::TLabelExtent e = tvhost::LabelExtent(label, H);
    for (int degrees = 0; degrees < 360; degrees += 30) {
        SCOPED_TRACE(degrees);
        const TPoint2 u = tvhost::Dir(degrees * std::numbers::pi / 180), n{-u.Y, u.X};
        const TPoint2 q1{4, -2}, q2 = q1 + u * c.Span;
        const tvhost::TLinearLayout l = tvhost::LinearLayout(q1, q2, e);
        EXPECT_EQ(l.ArrowsInside, tvhost::ArrowsFitBetween(c.Span));
        EXPECT_EQ(l.Leader.empty(), c.Expected != TLinearCase::Shelf);
        std::vector<std::array<TPoint2, 2>> lines{
            {l.From, l.To}, {q1 - n * 10, q1 + n * 10}, {q2 - n * 10, q2 + n * 10}};
        for (std::size_t k = 1; k < l.Leader.size(); ++k)
            lines.push_back({l.Leader[k - 1], l.Leader[k]});
        for (const TBox& box : Boxes(label, l.Label)) {
            for (const auto& [a, b] : lines)
                EXPECT_FALSE(tvhost::CrossesBox(box, a, b)) << "line " << a.X << "," << a.Y;
            // Centred between the extension lines, or wholly beyond one of them, over the line.
            for (const TPoint2& corner : box) {
                const double along = tvhost::Dot(corner - q1, u);
                if (c.Expected == TLinearCase::Centred) {
                    EXPECT_GT(along, 0) << corner.X << "," << corner.Y;
                    EXPECT_LT(along, c.Span) << corner.X << "," << corner.Y;
                }
                if (c.Expected == TLinearCase::Beside) {
                    EXPECT_TRUE(along < -tvhost::TextGap + Slack || along > c.Span + tvhost::TextGap - Slack);
                    EXPECT_GE(along, tvhost::Dot(l.From - q1, u) - Slack);
                    EXPECT_LE(along, tvhost::Dot(l.To - q1, u) + Slack);
                }
            }
        }
        // Refusing the first place moves the number.
        const tvhost::TTextPlace first = l.Label;
        const tvhost::TLinearLayout other = tvhost::LinearLayout(
            q1, q2, e, [&](const tvhost::TTextPlace& p) { return tvhost::Length(p.At - first.At) > Slack; });
        EXPECT_GT(tvhost::Length(other.Label.At - first.At), Slack);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Spans, LinearLayoutTest,
    ::testing::Values(TLinearCase{"WideSpanCentres", 30, L"30", TLinearCase::Centred},
                      TLinearCase{"ShortSpanWithRoomCentres", 5, L"5", TLinearCase::Centred},
                      TLinearCase{"NarrowSpanPutsItBeside", 6, L"6h9", TLinearCase::Beside},
                      TLinearCase{"NarrowSpanWithArrowsInsideToo", 8, L"6&03~0,1", TLinearCase::Beside},
                      TLinearCase{"SpanShorterThanAnArrowTakesAShelf", 2, L"1&04~30&01 2 фаски",
                                  TLinearCase::Shelf}),
    [](const auto& p) { return std::string(p.param.Name); });

// A roughness sign in every direction and view turn, mirrored or not: its value stands beyond
// the short leg's end from the surface and clear of both legs and the bar; the shelf's texts
// clear of the long leg and the shelf.
TEST(SvgLayoutTest, RoughnessTextsStandClearOfTheSign)
{
    constexpr double Hr = tvhost::RoughHeight;
    for (int direction = -180; direction < 180; direction += 45)
        for (const double view : {0.0, 90.0}) {
            SCOPED_TRACE(::testing::Message() << direction << " in a view turned " << view);
            const double toView = std::numbers::pi / 180;
            const tvhost::TRoughSign sign = tvhost::RoughSign({3, 7}, direction * toView, view * toView);
            const TPoint2 shelfEnd = sign.At({1.16 * Hr + tvhost::RoughShelfLength(8.4, 4.2), 2 * Hr});
            const std::vector<std::array<TPoint2, 2>> lines{{sign.Tip, sign.Left},
                                                            {sign.Tip, sign.Right},
                                                            {sign.Left, sign.At({0.58 * Hr, Hr})},
                                                            {sign.Right, shelfEnd}};
            const TPoint2 axis = tvhost::Dir(direction * toView);
            for (const auto& [which, longest] : {std::pair{tvhost::TRoughText::rtValue, std::size_t{6}},
                                                 {tvhost::TRoughText::rtOnShelf, std::size_t{4}},
                                                 {tvhost::TRoughText::rtUnderShelf, std::size_t{2}}}) {
                const TBox box =
                    tvhost::TextBox(tvhost::RoughTextPlace(sign, which, H, 1, longest), H, 1, longest);
                for (const auto& [a, b] : lines)
                    EXPECT_FALSE(tvhost::CrossesBox(box, a, b)) << static_cast<int>(which);
                if (which != tvhost::TRoughText::rtValue) continue;
                for (const TPoint2& corner : box)
                    EXPECT_GT(tvhost::Dot(corner - sign.Tip, axis), Hr);
            }
        }
}

// Through the inside, along an edge, past a corner, and a point.
TEST(SvgLayoutTest, OnlyASegmentThroughTheInsideCrossesABox)
{
    const TBox box{TPoint2{0, 0}, {4, 0}, {4, 2}, {0, 2}};
    EXPECT_TRUE(tvhost::CrossesBox(box, {-1, 1}, {5, 1}));
    EXPECT_TRUE(tvhost::CrossesBox(box, {1, 1}, {1.5, 1}));
    EXPECT_FALSE(tvhost::CrossesBox(box, {-1, 2}, {5, 2}));
    EXPECT_FALSE(tvhost::CrossesBox(box, {3, 3.1}, {5.1, 1}));
    EXPECT_TRUE(tvhost::CrossesBox(box, {3, 2.9}, {4.9, 1}));
    EXPECT_FALSE(tvhost::CrossesBox(box, {6, 1}, {6, 1}));
}

// Side by side, touching, one inside the other, and a turned box past a corner or over it.
TEST(SvgLayoutTest, BoxesOverlapOnlyWhereTheirInsidesMeet)
{
    const TBox box{TPoint2{0, 0}, {4, 0}, {4, 2}, {0, 2}};
    EXPECT_TRUE(tvhost::BoxesOverlap(box, {TPoint2{3, 1}, {6, 1}, {6, 3}, {3, 3}}));
    EXPECT_FALSE(tvhost::BoxesOverlap(box, {TPoint2{4, 0}, {6, 0}, {6, 2}, {4, 2}}));
    EXPECT_TRUE(tvhost::BoxesOverlap(box, {TPoint2{1, 0.5}, {2, 0.5}, {2, 1}, {1, 1}}));
    EXPECT_FALSE(tvhost::BoxesOverlap(box, {TPoint2{4.5, 2}, {5.5, 3}, {4.5, 4}, {3.5, 3}}));
    EXPECT_TRUE(tvhost::BoxesOverlap(box, {TPoint2{4, 1}, {5, 2}, {4, 3}, {3, 2}}));
}

} // namespace
