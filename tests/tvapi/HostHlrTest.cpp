// The hidden-line picture of a part: a box shows its nine visible edges solid and its three
// hidden ones dashed, framed around them; nothing to draw is an error.

#include "HostHlr.h"

#include <regex>
#include <string>
#include <vector>

#include <gtest/gtest.h>

namespace {

std::size_t Count(const std::string& text, const std::string& what)
{
    std::size_t n = 0;
    for (std::size_t at = text.find(what); at != std::string::npos; at = text.find(what, at + 1))
        ++n;
    return n;
}

TEST(PartSvgTest, BoxShowsVisibleAndHiddenEdges)
{
    std::string svg, error;
    ASSERT_TRUE(tvhost::PartSvg({tvhost::MakeBox({0, 0, 0}, 10, 20, 5)}, svg, error)) << error;
    EXPECT_EQ(svg.rfind("<svg ", 0), 0u);
    EXPECT_NE(svg.find("</svg>"), std::string::npos);
    // 9 visible edges and 3 hidden ones, all black: hidden edges thin and dashed.
    EXPECT_EQ(Count(svg, "stroke=\"black\""), 12u);
    EXPECT_EQ(Count(svg, "stroke-dasharray"), 3u);
    EXPECT_EQ(Count(svg, "stroke=\"#"), 0u);
    std::smatch box;
    ASSERT_TRUE(
        std::regex_search(svg, box, std::regex("viewBox=\"([-0-9.]+) ([-0-9.]+) ([0-9.]+) ([0-9.]+)\"")));
    EXPECT_GT(std::stod(box[3]), 10.0); // the projected box with its margin
    EXPECT_GT(std::stod(box[4]), 5.0);
}

TEST(PartSvgTest, NoShapeIsAnError)
{
    std::string svg, error;
    EXPECT_FALSE(tvhost::PartSvg({}, svg, error));
    EXPECT_EQ(error, "the part has no shape");
    EXPECT_FALSE(tvhost::PartSvg({tvhost::TShape()}, svg, error));
}

} // namespace

namespace {

// A block with a cylinder standing on it, `size` mm across.
std::vector<tvhost::TShape> BlockAndCylinder(double size)
{
    return {tvhost::MakeBox({0, 0, 0}, size, size / 2, size / 4),
            tvhost::MakeCylinder({size / 2, size / 4, size / 4}, {0, 0, 1}, size / 8, size / 4)};
}

} // namespace

// The picture's detail follows the part's size: a part of 1 km is drawn with the points of
// the same part of 10 mm (a fixed 0.05 mm would give it 10^5 times as many), and identical
// bodies at one place are drawn once.
TEST(PartSvgTest, DetailFollowsThePartsSizeAndACoincidentCopyAddsNothing)
{
    std::string small, large, error;
    ASSERT_TRUE(tvhost::PartSvg(BlockAndCylinder(10), small, error)) << error;
    ASSERT_TRUE(tvhost::PartSvg(BlockAndCylinder(1e6), large, error)) << error;
    EXPECT_EQ(Count(large, ","), Count(small, ",")) << "as many points";
    EXPECT_EQ(Count(large, "<polyline"), Count(small, "<polyline"));

    std::vector<tvhost::TShape> stacked;
    for (int i = 0; i < 50; ++i)
        for (const tvhost::TShape& s : BlockAndCylinder(10))
            stacked.push_back(s);
    std::string many;
    ASSERT_TRUE(tvhost::PartSvg(stacked, many, error)) << error;
    EXPECT_EQ(many, small);
}
