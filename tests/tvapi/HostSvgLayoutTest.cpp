// Where the SVG pictures put dimension labels, for lines, arcs and rays in every direction:
// the label's box above its line, outside its arc, and clear of a circle's centre lines.

#include "HostSvgLayout.h"

#include <cmath>
#include <numbers>
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
