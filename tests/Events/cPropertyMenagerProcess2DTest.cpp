// TProcessManager2D: the host 2D process with its parameters and tab, the phantom group and
// the placement reports of a scripted run.

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "HostDocuments.h"
#include "HostScript.h"
#include "HostSvg.h"
#include "TestPanel.h"
#include "drModelerAPI.h"

namespace {

// Records its hooks; its phantom is a segment from the origin to the cursor.
class TPhantomPanel : public TProcessManager2D {
public:
    std::vector<std::string> Calls;
    bool GroupOpenAtRedraw = false;
    bool ActiveInRun = false;

    TPhantomPanel()
        : TProcessManager2D("Цепь", "Укажите размер", pnEnterEscHelp, 4, "Параметры",
                            tvapi::tvProcess2DCursor)
    {
    }
    using TProcessManager2D::RedrawPhantom;
    void RedrawPhantom(double x, double y, double) override
    {
        Calls.push_back("redraw " + std::to_string(int(x)) + " " + std::to_string(int(y)));
        const auto open = drApi::MA.R3->IDoc2D->GetOpenGroup();
        GroupOpenAtRedraw = open && open.Get() == PhantomGroup.Get();
        drApi::MA.drLine(0, 0, x, y, tvapi::tvCSNormal);
    }
    bool CreateObject(double x, double y, double) override
    {
        Calls.push_back("create " + std::to_string(int(x)) + " " + std::to_string(int(y)));
        ActiveInRun = Active;
        return false;
    }
};

class TProcessManager2DTest : public TPanelFixture {
protected:
    void TearDown() override
    {
        tvhost::Script().Clear();
        TPanelFixture::TearDown();
    }
    tvhost::THostProcess2D& HostProcess(TProcessManager2D& p)
    {
        return As<tvhost::THostProcess2D>(p.Process2D);
    }
};

} // namespace

TEST_F(TProcessManager2DTest, BuildsItsProcessTabAndSubscriptionOnADrawing)
{
    const auto document = NewDrawing();
    auto panel = std::make_unique<TPhantomPanel>();
    ASSERT_TRUE(panel->Process2D);
    EXPECT_EQ(TBaseManager::CurrentProcessManager, panel.get());

    auto& param = Param(*panel);
    EXPECT_EQ(param.Caption(), L"Цепь");
    EXPECT_EQ(param.ToolBarKind(), 3);
    EXPECT_FALSE(param.CloseOnApply());
    EXPECT_EQ(param.Tabs().HeaderText(), L"Цепь");
    ASSERT_EQ(param.Tabs().Tabs().size(), 1u);
    EXPECT_EQ(param.Tabs().Tabs()[0]->Name(), L"Параметры");

    auto& process = HostProcess(*panel);
    EXPECT_EQ(process.Prompt(), L"Укажите размер");
    EXPECT_EQ(process.Type(), tvapi::tvProcess2DCursor);
    EXPECT_TRUE(process.DynamicPlacement());

    // A second Advise (the derived panel's constructor) replaces the subscription.
    panel->Advise();
    const tvapi::IProcess2DEventsPtr events = panel->Process2D->GetEvents2D();
    auto& e = As<tvhost::THostProcess2DEvents>(events);
    EXPECT_EQ(e.EventsOf(L"ReceiverProcess2DEvent").size(), 5u);
    panel.reset();
    EXPECT_TRUE(e.EventsOf(L"ReceiverProcess2DEvent").empty());
    EXPECT_EQ(TBaseManager::CurrentProcessManager, nullptr);
}

TEST_F(TProcessManager2DTest, WithoutADrawingThePanelHasOnlyItsBase)
{
    auto panel = std::make_unique<TPhantomPanel>();
    EXPECT_FALSE(panel->Process2D);
    panel->SetPhantom(tvapi::tvMoveGroupPhantom);
    panel->UpdateProcess();
    EXPECT_TRUE(panel->PlacementChanged(1, 2, 0, false)) << "no group: the receiver's answer";
    EXPECT_TRUE(panel->PlacementChanged(1, 2, 0, true));
    EXPECT_TRUE(panel->Calls.empty());
    EXPECT_TRUE(panel->Run(true, false));
    EXPECT_EQ(Journal().Count("IProcess2DEvents::AdvisePlacementChanged"), 0u);
}

// A move empties the group, redraws inside it once and shows the phantom once; a click goes
// to CreateObject; the preview shows in the SVG in its own colour.
TEST_F(TProcessManager2DTest, ScriptedMovesRedrawTheGroupAndAClickCreates)
{
    const auto document = NewDrawing();
    auto panel = std::make_unique<TPhantomPanel>();
    drApi::MA.drView(1, 0, 0, 0, 1, Str()); // where the phantom's segment goes
    panel->SetPhantom(tvapi::tvLineSegPhantom);
    const tvapi::IDrawingGroupPtr group = panel->PhantomGroup;
    panel->SetPhantom(tvapi::tvCirclePhantom);
    ASSERT_TRUE(group);
    EXPECT_EQ(panel->PhantomGroup.Get(), group.Get()) << "a second SetPhantom changes nothing";
    auto& phantom = HostProcess(*panel).Phantom();
    EXPECT_EQ(phantom.Type(), tvapi::tvLineSegPhantom);
    EXPECT_EQ(phantom.Updates(), 1);
    auto& hostGroup = As<tvhost::THostDrawingGroup>(group);

    std::string svg, error;
    ASSERT_TRUE(tvhost::Script().Load("move 10 20\nmove 30 40\nclick 50 60\n", error)) << error;
    panel->Active = false;
    EXPECT_TRUE(panel->Run(true, false));
    EXPECT_FALSE(panel->Active) << "Run restores Active";
    EXPECT_TRUE(panel->ActiveInRun);
    EXPECT_TRUE(panel->GroupOpenAtRedraw);
    EXPECT_EQ(panel->Calls, (std::vector<std::string>{"redraw 10 20", "redraw 30 40", "create 50 60"}));
    EXPECT_EQ(phantom.Updates(), 3);
    EXPECT_FALSE(hostGroup.IsOpen());
    ASSERT_EQ(hostGroup.Members().size(), 1u) << "each move replaces the previous drawing";
    EXPECT_EQ(hostGroup.Members()[0]->Params().Real("X2"), 30.0);

    ASSERT_TRUE(tvhost::DrawingSvg(As<tvhost::THostDocument2D>(document).Drawing(), svg, error)) << error;
    EXPECT_NE(svg.find("<g class=\"temporary\">\n<line"), std::string::npos);
    EXPECT_NE(svg.find("stroke=\"#e0007a\""), std::string::npos);
    EXPECT_EQ(svg.find("stroke=\"black\""), std::string::npos);
}

TEST_F(TProcessManager2DTest, ARunThatThrowsAnswersFalse)
{
    const auto document = NewDrawing();
    auto panel = std::make_unique<TPhantomPanel>();
    panel->Active = false;
    InjectFault("IProcess::Run", tvhost::fkThrow);
    EXPECT_FALSE(panel->Run(true, false));
    EXPECT_TRUE(panel->Active) << "Active stays as the run left it";
}
