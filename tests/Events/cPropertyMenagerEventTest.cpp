// TBaseManager: a panel registers itself as the running one for its lifetime and shows a
// command's progress on the host's progress bar.

#include "cPropertyMenagerEvent.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "HostServices.h"
#include "PluginFixture.h"

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

// Progress of a panel on the host's progress bar, which the facade holds during part access.
class TBaseManagerProgressTest : public TPluginFixture {
protected:
    void SetUp() override
    {
        TPluginFixture::SetUp();
        drApi::MA.R3->Tervan7 = &Host().App();
    }
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
    panel.StartProgress("Расчёт", 10); // no bar held: nothing starts
    EXPECT_FALSE(panel.ProgressActive);
    TakeBar();
    panel.NextProgress("a");
    panel.UpdateProgress("b");
    EXPECT_EQ(panel.ProgressCount, 0);
    EXPECT_TRUE(Journal().Calls("IProgressBar::SetPosition").empty());
    panel.StartProgress("Расчёт", 3);
    panel.StopProgress();
    panel.NextProgress("c");
    panel.UpdateProgress("d");
    EXPECT_EQ(panel.ProgressCount, 0);
    EXPECT_TRUE(Journal().Calls("IProgressBar::SetPosition").empty());
    panel.StartProgress("Расчёт", 3);
    drApi::MA.R3->ProgressBar.Reset(); // part access ended under the running progress
    panel.NextProgress("e");
    panel.UpdateProgress("f");
    EXPECT_EQ(panel.ProgressCount, 0);
    EXPECT_TRUE(Current(panel).empty());
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
