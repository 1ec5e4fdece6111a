// TStatusBarOGL: messages appended and replaced with their delays, and nothing at all
// for a bar that belongs to no panel. The widget framework: ids, hit tests, placement,
// timers, focus, selection and keys, and the dispatcher's flip of the frame's mouse.

#include "TPopUpEdit.h"

#include <gtest/gtest.h>

#include <limits>
#include <string>
#include <utility>
#include <vector>

#include "Rect2D.h"

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

// ---- the widget framework -------------------------------------------------------------------

namespace {

std::vector<std::string>& Log()
{
    static std::vector<std::string> log;
    return log;
}

// A widget that writes what reaches it into Log(), named by its tag.
class TLogWidget : public TWindowOGL {
public:
    TLogWidget(TBaseManager* editor, std::string tag, TWindowOGL* owner = nullptr)
        : TWindowOGL(editor, owner), Tag(std::move(tag))
    {
    }
    ~TLogWidget() override { Log().push_back(Tag + " gone"); }
    void OnTimer(Integer id) override
    {
        Log().push_back(Tag + " timer " + std::to_string(id));
        TWindowOGL::OnTimer(id);
    }
    void Sygnal(void* sender, int, void*) override
    {
        Log().push_back(Tag + (sender == this ? " signal self" : " signal child"));
    }
    std::string Tag;
};

class TMoveLog : public TWindowOGL {
public:
    using TWindowOGL::TWindowOGL;
    bool MouseMove(tvapi::IPressedKeysPtr, int x, int y) override
    {
        Seen.emplace_back(x, y);
        return false;
    }
    std::vector<std::pair<int, int>> Seen;
};

class TWindowOGLTest : public ::testing::Test {
protected:
    void SetUp() override { Log().clear(); }
    TBaseManager Panel;
    TDispatcherWnd3D& D() { return Panel.DispatcherWnd3D; }
};

} // namespace

TEST_F(TWindowOGLTest, IdsStartAfter8192AndChildrenTakeTheNext)
{
    EXPECT_EQ(Panel.StatusBar.Id, 8193) << "the status bar is the dispatcher's first widget";
    auto* w = new TWindowOGL(&Panel);
    auto* child = new TWindowOGL(&Panel, w);
    EXPECT_EQ(w->Id, 8194);
    EXPECT_EQ(child->Id, 8195);
    EXPECT_EQ(D().Exist(Integer(8194)), w);
    EXPECT_EQ(D().Exist(Integer(8195)), nullptr) << "children are not top-level";
    EXPECT_EQ(w->AChildWnd.Count, 1);
    EXPECT_EQ(child->MainOwner(), w);
    delete w;
    EXPECT_EQ(D().Exist(Integer(8194)), nullptr);
    TWindowOGL loose(nullptr);
    EXPECT_EQ(loose.Id, 0) << "no panel, no id";
}

TEST_F(TWindowOGLTest, ContainIncludesBothEdges)
{
    TWindowOGL w(nullptr);
    w.Origin = {10, 100};
    EXPECT_TRUE(w.Contain(10, 76));
    EXPECT_TRUE(w.Contain(60, 100));
    EXPECT_FALSE(w.Contain(61, 100));
    EXPECT_FALSE(w.Contain(10, 75));
    EXPECT_FALSE(w.Contain(9, 90));
    EXPECT_FALSE(w.Contain(30, 101));
}

TEST_F(TWindowOGLTest, SetTruncatesToWholePixels)
{
    TWindowOGL w(nullptr);
    w.Set(TRect2D(TPoint2D(10.7, 20.2), TPoint2D(60.9, 44.5)));
    EXPECT_EQ(w.Origin, (TPoint2DOf<int>{10, 44}));
    EXPECT_EQ(w.Width, 50);
    EXPECT_EQ(w.Height, 24);
}

TEST_F(TWindowOGLTest, TimersUnder26MsAreRefused)
{
    auto* w = new TLogWidget(&Panel, "w");
    EXPECT_EQ(D().Timer.Start(w->Id, 25), 0);
    EXPECT_EQ(D().Timer.Start(0, 1000), 0) << "no widget";
    const int first = D().Timer.Start(w->Id, 26);
    EXPECT_GT(first, 0);
    EXPECT_EQ(D().Timer.Start(w->Id, 26), first + 1);
    EXPECT_EQ(D().PendingTimers(), 2u);
    D().PollTimers(TDispatcherWnd3D::TClock::now() + std::chrono::milliseconds(20));
    EXPECT_TRUE(Log().empty()) << "not due yet";
}

TEST_F(TWindowOGLTest, TimersFireInOrderAndADestroyedWidgetGetsNoMoreCalls)
{
    auto* a = new TLogWidget(&Panel, "a");
    auto* b = new TLogWidget(&Panel, "b");
    const int a1 = D().Timer.Start(a->Id, 26);
    const int b1 = D().Timer.Start(b->Id, 27);
    const int a2 = D().Timer.Start(a->Id, 28);
    ASSERT_TRUE(a1 && b1 && a2);
    D().PollTimers(TDispatcherWnd3D::TClock::now() + std::chrono::seconds(1));
    // a closes at its first event: its second is gone with it, b's stays and fires.
    EXPECT_EQ(Log(), (std::vector<std::string>{"a timer " + std::to_string(a1), "a gone",
                                               "b timer " + std::to_string(b1), "b gone"}));
    EXPECT_EQ(D().PendingTimers(), 0u);
}

TEST_F(TWindowOGLTest, DestroyingAWidgetDropsOnlyItsOwnEvents)
{
    auto* a = new TLogWidget(&Panel, "a");
    auto* b = new TLogWidget(&Panel, "b");
    D().Timer.Start(a->Id, 500);
    D().Timer.Start(a->Id, 600);
    const int kept = D().Timer.Start(b->Id, 500);
    delete a;
    ASSERT_EQ(D().PendingTimers(), 1u);
    EXPECT_EQ(D().Timer[0].TimeId, kept);
    EXPECT_EQ(D().Timer[0].WndId, b->Id);
}

TEST_F(TWindowOGLTest, AWidgetDeletingAnotherInItsTimerSkipsTheOthersEvents)
{
    auto* b = new TLogWidget(&Panel, "b");
    // a's timer deletes b, whose event is due at the same poll.
    struct TKiller : TLogWidget {
        using TLogWidget::TLogWidget;
        TWindowOGL* Victim = nullptr;
        void OnTimer(Integer) override
        {
            Log().push_back("kill");
            delete Victim;
        }
    };
    auto* a = new TKiller(&Panel, "a");
    a->Victim = b;
    D().Timer.Start(a->Id, 26);
    D().Timer.Start(b->Id, 30);
    D().PollTimers(TDispatcherWnd3D::TClock::now() + std::chrono::seconds(1));
    EXPECT_EQ(Log(), (std::vector<std::string>{"kill", "b gone"}));
}

TEST_F(TWindowOGLTest, EscapeOnAnUnfocusedWidgetChangesNothing)
{
    auto* owner = new TLogWidget(&Panel, "owner");
    auto* child = new TWindowOGL(&Panel, owner);
    child->State = TPropertyOGLWnd::seSelected;
    int key = TWindowOGL::wk_ESCAPE;
    EXPECT_FALSE(child->OnKeyDown(key, 0, {}));
    EXPECT_EQ(child->State, TPropertyOGLWnd::seSelected);
    EXPECT_TRUE(Log().empty());
}

TEST_F(TWindowOGLTest, EscapeOnAFocusedWidgetDropsFocusAndSelectionAndSignalsTheTopmostOwner)
{
    auto* owner = new TLogWidget(&Panel, "owner");
    auto* middle = new TWindowOGL(&Panel, owner);
    auto* child = new TWindowOGL(&Panel, middle);
    child->SetSelect();
    child->SetFocus();
    ASSERT_EQ(TWindowOGL::Focus, child);
    int key = TWindowOGL::wk_ESCAPE;
    EXPECT_FALSE(child->OnKeyDown(key, 0, {}));
    EXPECT_EQ(child->State, 0u);
    EXPECT_EQ(TWindowOGL::Focus, nullptr);
    EXPECT_EQ(TWindowOGL::Selected, nullptr);
    EXPECT_EQ(Log(), std::vector<std::string>{"owner signal child"});
    key = 'A';
    EXPECT_TRUE(child->OnKeyDown(key, 0, {})) << "other keys go to OnChar";
}

TEST_F(TWindowOGLTest, PointerSelectsThenPressFocusesAndLeavingDeselects)
{
    auto* a = new TWindowOGL(&Panel);
    a->Origin = {10, 100};
    auto* b = new TWindowOGL(&Panel);
    b->Origin = {100, 100};
    EXPECT_FALSE(a->MouseDown({}, 20, 90)) << "a press needs the pointer on the widget first";
    EXPECT_TRUE(a->MouseMove({}, 20, 90));
    EXPECT_EQ(TWindowOGL::Selected, a);
    EXPECT_TRUE(a->MouseDown({}, 20, 90));
    EXPECT_EQ(TWindowOGL::Focus, a);
    EXPECT_TRUE(b->MouseMove({}, 110, 90));
    EXPECT_FALSE(a->Has(TPropertyOGLWnd::seSelected)) << "one selected widget";
    EXPECT_TRUE(b->MouseDown({}, 110, 90));
    EXPECT_EQ(TWindowOGL::Focus, b);
    EXPECT_FALSE(a->Has(TPropertyOGLWnd::seFocused));
    EXPECT_FALSE(b->MouseMove({}, 110, 90)) << "a focused widget lets moves pass";
    EXPECT_FALSE(b->MouseMove({}, 300, 300)) << "and keeps its selection when left";
    EXPECT_TRUE(b->Has(TPropertyOGLWnd::seSelected));
}

TEST_F(TWindowOGLTest, DestroyedFocusAndSelectionPointersAreCleared)
{
    auto* w = new TWindowOGL(&Panel);
    w->SetSelect();
    w->SetFocus();
    delete w;
    EXPECT_EQ(TWindowOGL::Focus, nullptr);
    EXPECT_EQ(TWindowOGL::Selected, nullptr);
}

TEST_F(TWindowOGLTest, CopyingPropertiesMarksTheBackground)
{
    TWindowOGL a(nullptr), b(nullptr);
    a.Text = "abc";
    a.Tips = "tip";
    a.Background = TColor(0x0000FF);
    a.Margin = 3;
    static_cast<TPropertyOGLWnd&>(b) = a;
    EXPECT_STREQ(b.Text.PChar(), "abc");
    EXPECT_STREQ(b.Tips.PChar(), "tip");
    EXPECT_EQ(b.Background.Color, 0x0000FFu);
    EXPECT_EQ(b.Mask & TPropertyOGLWnd::mdBackground, TPropertyOGLWnd::mdBackground);
    EXPECT_EQ(a.Mask, 0u) << "the source's mask is its own";
    EXPECT_EQ(b.Margin, 3u);
}

using TDispatcherFrameTest = TPanelFixture;

TEST_F(TDispatcherFrameTest, MovesAreFlippedOnceWithTheFrameHeight)
{
    NewDrawing();
    TTestPanel panel;
    ASSERT_TRUE(panel.Frame);
    FrameOf(panel).Rect[3] = 600;
    auto* w = new TMoveLog(&panel);
    EXPECT_FALSE(panel.DispatcherWnd3D.MouseMove({}, 5, 0));
    EXPECT_FALSE(panel.DispatcherWnd3D.MouseMove({}, 7, 600));
    EXPECT_EQ(w->Seen, (std::vector<std::pair<int, int>>{{5, 600}, {7, 0}}));
    EXPECT_EQ(panel.FrameRect.LD.y, 600);
    // Points far outside the frame stay ints: 600 - INT_MIN overflowed.
    w->Seen.clear();
    EXPECT_FALSE(panel.DispatcherWnd3D.MouseMove({}, 1, std::numeric_limits<int>::min()));
    EXPECT_FALSE(panel.DispatcherWnd3D.MouseMove({}, 1, std::numeric_limits<int>::max()));
    EXPECT_EQ(w->Seen, (std::vector<std::pair<int, int>>{{1, std::numeric_limits<int>::max()},
                                                         {1, 600 - std::numeric_limits<int>::max()}}));
}

TEST_F(TDispatcherFrameTest, AWidgetFollowsItsModelPointThroughTheFrame)
{
    NewDrawing();
    TTestPanel panel;
    auto& frame = FrameOf(panel);
    ASSERT_TRUE(panel.DispatcherWnd3D.ReadFrameRect());
    TWindowOGL w(&panel);
    w.Origin3D = TPoint3D(10, 20, 5);
    w.Dt = {50, 20};
    w.EvaluateMate3D();
    double wx = 0, wy = 0;
    ASSERT_TRUE(frame.ModelToWindow(10, 20, 5, wx, wy));
    EXPECT_EQ(w.Origin, (TPoint2DOf<int>{int(wx) + 50, frame.Rect[3] - int(wy) + 20}));
    w.Mate3D = false;
    w.EvaluateMate3D();
    EXPECT_EQ(w.Origin, (TPoint2DOf<int>{int(wx) + 100, frame.Rect[3] - int(wy) + 40})) << "only Dt again";
}
