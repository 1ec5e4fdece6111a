// TStatusBarOGL: messages appended and replaced with their delays, and nothing at all
// for a bar that belongs to no panel.

#include "TPopUpEdit.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "TestPanel.h"
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
    bar.StatusBox("first", 10); // an empty bar gets its first line
    bar.LiftBox("second", 12000);
    bar.LiftBox("third", 0);
    // Delays of 26 ms and more get a timer event; shorter ones stay.
    EXPECT_EQ(Messages(bar), (std::vector<std::string>{"first 10 0", "second 12000 1", "third 0 0"}));
    bar.StatusBox("replaced", 8000);
    bar.StatusBox("again", 500);
    EXPECT_EQ(Messages(bar), (std::vector<std::string>{"again 500 3", "second 12000 1", "third 0 0"}));
}

TEST(TStatusBarOGLTest, TimersRemoveTheirMessagesOnlyWhenDue)
{
    TBaseManager panel;
    TStatusBarOGL& bar = panel.StatusBar;
    bar.LiftBox("short", 25);
    bar.LiftBox("long", 12000);
    bar.LiftBox("medium", 500);
    const auto now = TDispatcherWnd3D::TClock::now();
    panel.DispatcherWnd3D.PollTimers(now + std::chrono::milliseconds(1000));
    EXPECT_EQ(Messages(bar), (std::vector<std::string>{"short 25 0", "long 12000 1"}));
    EXPECT_EQ(panel.DispatcherWnd3D.PendingTimers(), 1u);
    bar.StatusBox("first", 26); // the replaced line's own timer will find nothing
    panel.DispatcherWnd3D.PollTimers(now + std::chrono::milliseconds(20000));
    EXPECT_EQ(Messages(bar), std::vector<std::string>{})
        << "the first line left by its new timer, long by its own";
    EXPECT_EQ(panel.DispatcherWnd3D.PendingTimers(), 0u);
}

TEST(TStatusBarOGLTest, ABarWithoutPanelKeepsNothing)
{
    TStatusBarOGL bar(nullptr, 5, 7);
    bar.LiftBox("text", 12000);
    bar.StatusBox("text", 8000);
    EXPECT_TRUE(Messages(bar).empty());
}

using TStatusBarFrameTest = TPanelFixture;

TEST_F(TStatusBarFrameTest, NewestMessageGoesToTheFrameStatusLine)
{
    NewDrawing();
    TTestPanel panel;
    ASSERT_TRUE(panel.Frame);
    panel.StatusBar.LiftBox("Цепь замкнулась", 0);
    EXPECT_EQ(FrameOf(panel).StatusText(), L"Цепь замкнулась");
    panel.StatusBar.StatusBox("  0,100", 0);
    EXPECT_EQ(FrameOf(panel).StatusText(), L"  0,100");
    EXPECT_EQ(FrameOf(panel).Repaints(), 2);
}
