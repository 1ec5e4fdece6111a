// The host event receivers: masks select events, the registration order, unsubscription by
// name, the default answers and the guard that keeps exceptions out of the host.

#include "cDocumentFrameEvent.h"

#include <gtest/gtest.h>

#include <stdexcept>
#include <string>
#include <vector>

#include "HostEvents.h"
#include "HostFixture.h"
#include "TestPanel.h"

class TReceiverTest : public TPanelFixture {
protected:
    // Operation names of the journaled registrations, in order, without the interface.
    std::vector<std::string> Registrations(const std::string& iface)
    {
        std::vector<std::string> out;
        for (const auto& e : Journal().Entries())
            if (e.Operation.rfind(iface + "::Advise", 0) == 0)
                out.push_back(e.Operation.substr(iface.size() + 8));
        return out;
    }
};

TEST_F(TReceiverTest, TheMaskSelectsTheEvents)
{
    TBaseManager panel;
    auto frame = tvhost::New<tvhost::THostFrameEvents>();
    panel.TReceiverFrameEvent::Advise(tvapi::IDocumentFrameEventsPtr(frame), 0);
    EXPECT_EQ(frame->Subscriptions(), 0u);
    panel.TReceiverFrameEvent::Advise(tvapi::IDocumentFrameEventsPtr(frame), 1 << 11);
    EXPECT_EQ(frame->EventsOf(L"ReceiverFrameEvent"), std::vector<int>{11});
    panel.TReceiverFrameEvent::Advise(tvapi::IDocumentFrameEventsPtr(frame), -1);
    EXPECT_EQ(frame->Subscriptions(), 14u);
    panel.TReceiverFrameEvent::UnAdvie(tvapi::IDocumentFrameEventsPtr(frame));
    EXPECT_EQ(frame->Subscriptions(), 0u);
}

TEST_F(TReceiverTest, FrameAndProcessReceiversRegisterOutOfNumberOrderWhereTheyMust)
{
    TBaseManager panel;
    auto frame = tvhost::New<tvhost::THostFrameEvents>();
    auto process = tvhost::New<tvhost::THostProcess3DEvents>();
    Journal().Clear();
    panel.TReceiverFrameEvent::Advise(tvapi::IDocumentFrameEventsPtr(frame), -1);
    panel.TReceiverProcess3DEvent::Advise(tvapi::IProcess3DEventsPtr(process), -1);
    EXPECT_EQ(Registrations("IDocumentFrameEvents"),
              (std::vector<std::string>{"BeginPaint", "ClosePaint", "MouseDown", "MouseUp", "MouseDblClick",
                                        "MouseMove", "BeginPaintGL", "ClosePaintGL", "AddGabarit", "Activate",
                                        "Deactivate", "CloseFrame", "BeginPaintTmpObjects",
                                        "ClosePaintTmpObjects"}));
    EXPECT_EQ(Registrations("IProcess3DEvents"),
              (std::vector<std::string>{"PlacementChanged", "FilterObjects", "ExecuteCommand", "RunProcess",
                                        "StopProcess", "Activate", "Deactivate", "EndProcess",
                                        "CreateTakeObject", "ProcessingGroupObjects", "AbortProcess"}));
}

// The application's receivers answer true; unsubscribing by name leaves other subscribers.
TEST_F(TReceiverTest, ApplicationDefaultsAnswerTrueAndUnsubscribingKeepsTheOthers)
{
    TBaseManager panel;
    auto events = tvhost::New<tvhost::THostApplicationEvents>();
    int other = 0;
    events->AdviseBeginOpenFile(L"other", [&] { return ++other > 0; });
    panel.TReceiverApplicationEvent::Advise(tvapi::IApplicationEventsPtr(events), -1);
    EXPECT_EQ(events->EventsOf(L"ReceiverApplicationEvent").size(), 18u) << "BeginCreate is never subscribed";
    int key = 13;
    EXPECT_TRUE(events->KeyDown(key, 0, {}));
    EXPECT_TRUE(events->ChangeTheme(tvapi::tvThemeDark));
    EXPECT_EQ(key, 13);
    EXPECT_TRUE(events->BeginOpenFile());
    EXPECT_EQ(other, 1);
    panel.TReceiverApplicationEvent::UnAdvie(tvapi::IApplicationEventsPtr(events));
    EXPECT_TRUE(events->BeginOpenFile());
    EXPECT_EQ(other, 2);
    EXPECT_EQ(events->Subscriptions(), 1u);
}

// A handler that throws answers the host with failure and reports instead of unwinding into it.
class TThrowingPanel : public TBaseManager {
public:
    bool ButtonClick(int) override { throw std::runtime_error("broken"); }
};

TEST_F(TReceiverTest, AThrowingHandlerAnswersFalseAndReports)
{
    auto panel = std::make_unique<TThrowingPanel>();
    panel->Advise();
    EXPECT_FALSE(Param(*panel).Events().ButtonClick(3));
    ASSERT_EQ(panel->StatusBar.M.Count, 1);
    EXPECT_STREQ(panel->StatusBar.M[0].T.PChar(), TString("Неизвестная ошибка").PChar());
}

// What a panel's receivers answer the host when no panel overrides them.
TEST_F(TReceiverTest, DefaultAnswersThroughTheHost)
{
    TBaseManager panel;
    auto p3 = tvhost::New<tvhost::THostProcess3DEvents>();
    auto p2 = tvhost::New<tvhost::THostProcess2DEvents>();
    auto manipulators = tvhost::New<tvhost::THostManipulatorsEvents>();
    auto property = tvhost::New<tvhost::THostPropertiesManagerEvents>();
    panel.TReceiverProcess3DEvent::Advise(tvapi::IProcess3DEventsPtr(p3), -1);
    panel.TReceiverProcess2DEvent::Advise(tvapi::IProcess2DEventsPtr(p2), -1);
    panel.TReceiverProcess3DManipulatorsEvent::Advise(tvapi::IProcess3DManipulatorsEventsPtr(manipulators),
                                                      -1);
    panel.TReceiverPropertyManagerEvent::Advise(tvapi::IPropertiesManagerEventsPtr(property), -1);
    const std::vector<int> got = property->EventsOf(L"ReceiverPropertyManagerEvent");
    EXPECT_EQ(std::count(got.begin(), got.end(), 11), 0) << "event eleven is never subscribed";
    EXPECT_FALSE(p3->ExecuteCommand(1));
    EXPECT_FALSE(p3->CreateTakeObject({}));
    EXPECT_FALSE(p3->FilterObjects({})) << "an empty object is never offered";
    EXPECT_TRUE(p2->PlacementChanged(1, 2, 0, true));
    EXPECT_TRUE(p2->ExecuteCommand(1));
    EXPECT_TRUE(manipulators->BeginDragManipulator(1, tvapi::tvMPAxisX));
    EXPECT_FALSE(manipulators->EndDragManipulator(1, tvapi::tvMPAxisX))
        << "the panel ends the drag and answers false";
    EXPECT_FALSE(panel.DragManipulator);
    EXPECT_FALSE(property->ButtonClick(3));
    bool enable = true;
    int checked = 0;
    EXPECT_FALSE(property->ButtonUpdate(3, enable, checked));
}
