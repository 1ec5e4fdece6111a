// TStatusBarOGL: messages appended and replaced with their delays, and nothing at all
// for a bar that belongs to no panel.

#include "TPopUpEdit.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "cPropertyMenagerEvent.h"

namespace {

// The messages as "text delay id".
std::vector<std::string> Messages(const TStatusBarOGL& bar)
{
    std::vector<std::string> out;
    for (const auto& m : bar.M)
        out.push_back(std::string(m.T.PChar()) + " " + std::to_string(m.Delay) + " " + std::to_string(m.Id));
    return out;
}

} // namespace

TEST(TStatusBarOGLTest, LiftBoxStacksAndStatusBoxReplacesTheFirstLine)
{
    TBaseManager panel;
    TStatusBarOGL& bar = panel.StatusBar;
    EXPECT_EQ(bar.Editor, &panel);
    EXPECT_EQ(bar.Origin.x + bar.Origin.y, 40.0);
    bar.StatusBox("first", 10); // an empty bar gets its first line
    bar.LiftBox("second", 12000);
    bar.LiftBox("third", 0);
    EXPECT_EQ(Messages(bar), (std::vector<std::string>{"first 10 0", "second 12000 0", "third 0 0"}));
    bar.StatusBox("replaced", 8000);
    bar.StatusBox("again", 500);
    EXPECT_EQ(Messages(bar), (std::vector<std::string>{"again 500 0", "second 12000 0", "third 0 0"}));
}

TEST(TStatusBarOGLTest, ABarWithoutPanelKeepsNothing)
{
    TStatusBarOGL bar(nullptr, 5, 7);
    bar.LiftBox("text", 12000);
    bar.StatusBox("text", 8000);
    EXPECT_TRUE(Messages(bar).empty());
    EXPECT_EQ(bar.Origin.x, 5.0);
    EXPECT_EQ(bar.Origin.y, 7.0);
}
