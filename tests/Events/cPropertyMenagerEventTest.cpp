// TBaseManager: registration as the running panel, subscription of its receivers, Stop, the
// property-manager and frame dispatch, and the progress on the host's bar.

#include "cPropertyMenagerEvent.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "GImage.h"
#include "HostPressedKeys.h"
#include "HostScript.h"
#include "HostServices.h"
#include "TestPanel.h"

TEST(TBaseManagerTest, APanelRunsFromConstructionToDestruction)
{
    ASSERT_EQ(TBaseManager::CurrentProcessManager, nullptr);
    auto first = std::make_unique<TBaseManager>();
    EXPECT_EQ(TBaseManager::CurrentProcessManager, first.get());
    auto second = std::make_unique<TBaseManager>();
    EXPECT_EQ(TBaseManager::CurrentProcessManager, second.get());
    first.reset(); // not the running one: the running panel stays registered
    EXPECT_EQ(TBaseManager::CurrentProcessManager, second.get());
    EXPECT_EQ(second->StatusBar.Editor, second.get());
    second.reset();
    EXPECT_EQ(TBaseManager::CurrentProcessManager, nullptr);
}

class TBaseManagerPanelTest : public TPanelFixture {};

// Every receiver subscribes every event of its table once; deleting the panel leaves nothing.
TEST_F(TBaseManagerPanelTest, SubscriptionsPerReceiverAndNoneAfterDeletion)
{
    const auto document = NewDrawing();
    auto panel = std::make_unique<TTestPanel>();
    ASSERT_TRUE(panel->Frame);
    // Keep the event sources to look at them after the panel is gone.
    const tvapi::IDocumentFrameEventsPtr frame = panel->Frame->GetEvents();
    const tvapi::IProcess3DManipulatorsEventsPtr manipulators = panel->Manipulators->GetEvents();
    const tvapi::IProcess3DEventsPtr process3D = panel->Process3D->GetEvents3D();
    const tvapi::IProcess2DEventsPtr process2D = panel->Process2D->GetEvents2D();
    const tvapi::IPropertiesManagerEventsPtr property = panel->ProcessParam->GetEvents();
    panel->Advise();
    panel->Advise();
    auto& f = As<tvhost::THostFrameEvents>(frame);
    auto& m = As<tvhost::THostManipulatorsEvents>(manipulators);
    auto& p3 = As<tvhost::THostProcess3DEvents>(process3D);
    auto& p2 = As<tvhost::THostProcess2DEvents>(process2D);
    auto& pm = As<tvhost::THostPropertiesManagerEvents>(property);
    EXPECT_EQ(f.EventsOf(L"ReceiverFrameEvent").size(), 14u);
    EXPECT_EQ(m.EventsOf(L"ReceiverProcess3DManipulatorsEvent").size(), 8u);
    EXPECT_EQ(p3.EventsOf(L"ReceiverProcess3DEvent").size(), 11u);
    EXPECT_EQ(p2.EventsOf(L"ReceiverProcess2DEvent").size(), 5u);
    EXPECT_EQ(pm.EventsOf(L"ReceiverPropertyManagerEvent").size(), 16u);
    EXPECT_EQ(AppEvents().EventsOf(L"ReceiverApplicationEvent").size(), 18u);
    EXPECT_EQ(Journal().Count("IPropertiesManagerEvents::AdviseButtonClick"), 1u)
        << "a second Advise does nothing";

    panel.reset();
    EXPECT_EQ(TBaseManager::CurrentProcessManager, nullptr);
    for (const std::size_t left : {f.Subscriptions(), m.Subscriptions(), p3.Subscriptions(),
                                   p2.Subscriptions(), pm.Subscriptions(), AppEvents().Subscriptions()})
        EXPECT_EQ(left, 0u);
}

TEST_F(TBaseManagerPanelTest, StopZeroDuringDispatchEndsTheRunSafely)
{
    auto panel = std::make_unique<TTestPanel>();
    TTestPanel* p = panel.get();
    panel->OnButton = [p](int id) {
        p->Stop(0);
        return id == 1;
    };
    panel->Advise();
    // A script presses only the buttons the panel has.
    for (const int id : {4, 5})
        panel->ProcessParam->AddButton(id, 0, L"", L"");
    std::string error;
    ASSERT_TRUE(tvhost::Script().Load("button 4\nbutton 5\n", error));
    EXPECT_EQ(panel->Process->Run(true, false), 0);
    EXPECT_EQ(panel->Calls, std::vector<std::string>{"button 4"}) << "the stop ends the run at once";
    EXPECT_EQ(panel->ExitCode, 0);
    EXPECT_FALSE(panel->Active);
    EXPECT_FALSE(panel->IsAdvise);
    EXPECT_EQ(Journal().Count("IProcess::Stop"), 1u);
    EXPECT_FALSE(panel->ProcessParam) << "unsubscribing releases the process parameters";
}

// A handler may delete its own panel during dispatch.
TEST_F(TBaseManagerPanelTest, AHandlerMayDeleteItsPanel)
{
    auto* panel = new TTestPanel();
    const tvapi::IPropertiesManagerEventsPtr events = panel->ProcessParam->GetEvents();
    panel->OnButton = [panel](int) {
        delete panel;
        return true;
    };
    panel->Advise();
    EXPECT_TRUE(As<tvhost::THostPropertiesManagerEvents>(events).ButtonClick(3));
    EXPECT_EQ(As<tvhost::THostPropertiesManagerEvents>(events).Subscriptions(), 0u);
    EXPECT_EQ(TBaseManager::CurrentProcessManager, nullptr);
}

TEST_F(TBaseManagerPanelTest, ANegativeStopKeepsTheSubscriptions)
{
    TTestPanel panel;
    panel.Advise();
    UpdateGI = reinterpret_cast<TGImage*>(&panel); // only its emptiness is looked at
    panel.Stop(-1);
    EXPECT_EQ(panel.ExitCode, -1);
    EXPECT_TRUE(panel.IsAdvise);
    EXPECT_EQ(UpdateGI, nullptr);
    EXPECT_EQ(Journal().Count("IProcess::EndProcess"), 1u);
    panel.Stop(2);
    EXPECT_EQ(panel.ExitCode, 2);
    EXPECT_FALSE(panel.IsAdvise);
    EXPECT_EQ(Journal().Count("IProcess::EndProcess"), 1u)
        << "an inactive panel does not stop its process again";
    const auto unadvised = Journal().Count("IPropertiesManagerEvents::Unadvise");
    panel.UnAdvise();
    EXPECT_EQ(Journal().Count("IPropertiesManagerEvents::Unadvise"), unadvised)
        << "UnAdvise twice unsubscribes once";
}

TEST_F(TBaseManagerPanelTest, AButtonUpdateReactivatesAnInactivePanelAndHelpIsNotItsButton)
{
    TTestPanel panel;
    panel.AddTab("T");
    tvapi::IModelObjectPtr object;
    const auto field = panel.AddEditObj("a", "", "a", object, false, tvapi::tvChMLevel1Color1, false);
    // A second field turns the first one's mark to variable.
    const auto other = panel.AddEditObj("b", "", "b", object, false, tvapi::tvChMLevel1Color1, false);
    ASSERT_TRUE(other);
    auto& mark = HostOf(field);
    ASSERT_EQ(mark.CheckState(), tvapi::tvCheckVariable);
    panel.Advise();
    tvhost::THostPropertiesManagerEvents& events = Param(panel).Events();
    events.ProcessDeactivate();
    EXPECT_FALSE(panel.Active);
    EXPECT_TRUE(events.ButtonClick(5)) << "an inactive panel answers clicks with true and does nothing";
    bool enable = true;
    int checked = 0;
    EXPECT_TRUE(events.ButtonUpdate(5, enable, checked));
    EXPECT_EQ(panel.Calls, (std::vector<std::string>{"activate", "update 5 active"}));
    EXPECT_EQ(mark.CheckState(), tvapi::tvCheckCurrent) << "the selected field shows its mark again";
    EXPECT_FALSE(events.ButtonClick(8)) << "help is not the panel's button";
    EXPECT_EQ(panel.Calls.size(), 2u);
}

TEST_F(TBaseManagerPanelTest, MouseMovesRepaintWhenHandledAndTheGabaritWidensWithAnImage)
{
    const auto document = NewDrawing();
    TTestPanel panel;
    panel.Advise();
    tvhost::THostFrame& frame = FrameOf(panel);
    const tvapi::IPressedKeysPtr keys(tvhost::New<tvhost::THostPressedKeys>());
    EXPECT_TRUE(frame.Events().MouseMove(keys, 3, 4))
        << "the dispatcher answers true whatever the panel says";
    EXPECT_EQ(frame.Repaints(), 0);
    panel.MoveAnswer = true;
    frame.Events().MouseMove(keys, 5, 6);
    EXPECT_EQ(frame.Repaints(), 1);
    EXPECT_EQ(panel.Calls, (std::vector<std::string>{"move 3 4", "move 5 6"}));
    // The gabarit is widened only while an image is set.
    auto box = tvhost::New<tvhost::THostGabarit>(0, 0, 1, 10, 10, 5);
    FrameOf(panel).Events().AddGabarit(tvapi::IGabaritObjectPtr(box));
    EXPECT_EQ(box->Box()[2], 1.0);
    EXPECT_EQ(box->Box()[5], 5.0);
    PaintGI = reinterpret_cast<TGImage*>(&panel); // only its presence is looked at here
    FrameOf(panel).Events().AddGabarit(tvapi::IGabaritObjectPtr(box));
    PaintGI = nullptr;
    EXPECT_EQ(box->Box()[5], 3 * 5 - 1 + 100.0);
    EXPECT_EQ(box->Box()[2], 3 * 1 - 114 - 100.0);
}

TEST_F(TBaseManagerPanelTest, ThePromptGoesToTheProcess)
{
    TTestPanel panel;
    panel.SetPrompt("Укажите размер");
    EXPECT_EQ(As<tvhost::THostProcess2D>(panel.Process2D).Prompt(), L"Укажите размер");
}

// Progress of a panel on the host's progress bar, which the facade holds during part access.
class TBaseManagerProgressTest : public TPanelFixture {
protected:
    void TakeBar() { drApi::MA.R3->ProgressBar = Host().App().GetProgressBar(); }
    tvhost::THostProgressBar& Bar() { return Host().App().Progress(); }
    // The current text in UTF-8.
    static std::string Current(const TBaseManager& panel)
    {
        std::u8string out(static_cast<std::size_t>(panel.ProgressMessageCurrent.Length()) * 2 + 1, u8'\0');
        out.resize(
            static_cast<std::size_t>(TString::toUTF8(panel.ProgressMessageCurrent.PChar(), out.data())));
        return {out.begin(), out.end()};
    }
};

TEST_F(TBaseManagerProgressTest, StepsAdvanceTheHostBarAndOnlyNextChangesTheText)
{
    TakeBar();
    TBaseManager panel;
    panel.StartProgress("Расчёт", 10);
    EXPECT_TRUE(Bar().IsRunning());
    EXPECT_EQ(Bar().Maximum(), 10);
    panel.NextProgress("звено 1");
    EXPECT_EQ(Current(panel), "Расчёт звено 1");
    EXPECT_EQ(Bar().Position(), 1);
    panel.UpdateProgress("звено 2");
    EXPECT_EQ(Current(panel), "Расчёт звено 1") << "the step's text is not shown";
    EXPECT_EQ(Bar().Position(), 2);
    drApi::MA.NextProgress("звено 3"); // the facade forwards to the running panel
    EXPECT_EQ(Bar().Position(), 3);
    drApi::MA.UpdateProgress("звено 4");
    EXPECT_EQ(Bar().Position(), 4);
    EXPECT_EQ(panel.ProgressCount, 4);
    panel.StopProgress();
    EXPECT_FALSE(Bar().IsRunning());
    EXPECT_FALSE(panel.ProgressActive);
}

// Before a start, after a stop and without the host's bar the steps change nothing.
TEST_F(TBaseManagerProgressTest, StepsOutsideARunningProgressDoNothing)
{
    TBaseManager panel;
    const auto steps = [&panel] {
        panel.NextProgress("a");
        panel.UpdateProgress("b");
        EXPECT_EQ(panel.ProgressCount, 0);
        EXPECT_TRUE(Current(panel).empty());
    };
    panel.StartProgress("Расчёт", 10); // no bar held: nothing starts
    EXPECT_FALSE(panel.ProgressActive);
    TakeBar();
    steps();
    panel.StartProgress("Расчёт", 3);
    panel.StopProgress();
    steps();
    EXPECT_TRUE(Journal().Calls("IProgressBar::SetPosition").empty());
    panel.StartProgress("Расчёт", 3);
    drApi::MA.R3->ProgressBar.Reset(); // part access ended under the running progress
    steps();
}

// Without a running panel the facade's progress goes nowhere.
TEST_F(TBaseManagerProgressTest, TheFacadeWithoutAPanelShowsNoProgress)
{
    TakeBar();
    ASSERT_EQ(TBaseManager::CurrentProcessManager, nullptr);
    drApi::MA.NextProgress("a");
    drApi::MA.UpdateProgress("b");
    EXPECT_TRUE(Journal().Calls("IProgressBar::SetPosition").empty());
}

// Stop(0) ends the process, unsubscribes, updates the host's command bars, then repaints.
TEST_F(TBaseManagerPanelTest, StopCallsTheHostInItsOrder)
{
    const auto document = NewDrawing();
    TTestPanel panel;
    panel.Advise();
    Journal().Clear();
    panel.Stop(0);
    const std::vector<std::string> expected = {"IProcess::Stop",
                                               "IProcess::EndProcess",
                                               "IPropertiesManagerEvents::Unadvise",
                                               "IProcessFactory::UpdateCommandBars",
                                               "IDocumentFrame::Invalidate",
                                               "IDocumentFrame::RefreshView"};
    std::vector<std::string> order;
    for (const auto& e : Journal().Entries())
        if (std::find(expected.begin(), expected.end(), e.Operation) != expected.end())
            order.push_back(e.Operation);
    EXPECT_EQ(order, expected);
}
