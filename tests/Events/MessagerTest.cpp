// TMessager and the facade's boxes: routing by destination, running panel and facade; the
// host box's caption, style values and suppression mode; questions and a throwing host.

#include "Messager.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "HostFixture.h"
#include "cPropertyMenagerEvent.h"
#include "drModelerAPI.h"

namespace {

constexpr const char* LibraryName = "ZelDimChain";
using TLines = std::vector<std::string>;

} // namespace

// A host whose application the facade holds, with the library's file name as caption.
class TMessagerTest : public HostFixture {
protected:
    void SetUp() override
    {
        HostFixture::SetUp();
        FApp = Application();
        FHost = Messager.Host();
        drApi::MA.R3->Tervan7 = FApp.Get();
        drApi::MA.R3->FileName = LibraryName;
    }
    void TearDown() override
    {
        FPanel.reset();
        Messager.SetHost(FHost);
        drApi::MA.R3->Tervan7 = nullptr;
        drApi::MA.R3->FileName.Clear();
        FApp.Reset();
        HostFixture::TearDown();
    }

    void StartPanel() { FPanel = std::make_unique<TBaseManager>(); }
    void DropFacade() { Messager.SetHost(nullptr); }
    // The status bar's lines as "text delay".
    TLines BarLines() const
    {
        TLines out;
        for (const auto& m : FPanel->StatusBar.M)
            out.push_back(std::string(m.T.PChar()) + " " + std::to_string(m.Delay));
        return out;
    }
    // The texts of the host boxes shown, in order.
    TLines BoxTexts()
    {
        TLines out;
        for (const auto& call : Journal().Calls("IApplication::ShowMessageBox"))
            out.push_back(call.Arguments[0]);
        return out;
    }

    tvapi::IApplicationPtr FApp;
    TMessageHost* FHost = nullptr;
    std::unique_ptr<TBaseManager> FPanel;
};

TEST_F(TMessagerTest, FacadeLiftBoxShowsCaptionedInformationWithTheModeSwitchedForTheBox)
{
    ASSERT_EQ(drApi::TModelerApi::Last, &drApi::MA);
    FApp->SetHideMessage(tvapi::tvHideMessageAll);
    Journal().Clear();
    drApi::MA.LiftBox("Файл не найден");
    const TLines expected = {"IApplication::GetHideMessage()", "IApplication::SetHideMessage(0)",
                             "IApplication::ShowMessageBox(Файл не найден, ZelDimChain, 64, 0, 0, 0)",
                             "IApplication::SetHideMessage(2)"};
    EXPECT_EQ(Journal().Lines(), expected);
    EXPECT_EQ(Host().App().HideMessage(), tvapi::tvHideMessageAll);
}

TEST_F(TMessagerTest, FacadeQuestionBoxIsTrueExactlyForYesAndFalseWithoutHost)
{
    FApp->SetHideMessage(tvapi::tvHideMessageWarnings);
    ScriptAnswers({tvapi::tvButtonYes, tvapi::tvButtonNo, tvapi::tvButtonOk, 0, tvapi::tvButtonYes});
    EXPECT_TRUE(drApi::MA.QuestionBox("Удалить?", "Other title"));
    for (int i = 0; i < 3; ++i)
        EXPECT_FALSE(drApi::MA.QuestionBox("Удалить?", ""));
    const auto boxes = Journal().Calls("IApplication::ShowMessageBox");
    ASSERT_EQ(boxes.size(), 4u);
    // The title is not shown: the caption is the library's file name.
    EXPECT_EQ(boxes[0].Arguments, (TLines{"Удалить?", LibraryName, "32", "4", "1", "0"}));
    EXPECT_EQ(Host().App().HideMessage(), tvapi::tvHideMessageWarnings);

    // Through the messager: asks only when it may; a host that throws counts as no.
    EXPECT_FALSE(Messager.QuestionBox("Продолжить?", false));
    EXPECT_TRUE(Messager.QuestionBox("Продолжить?", true));
    InjectFault("IApplication::ShowMessageBox", tvhost::fkThrow);
    EXPECT_FALSE(Messager.QuestionBox("Продолжить?", true));
    EXPECT_EQ(Host().App().HideMessage(), tvapi::tvHideMessageWarnings);
    DropFacade();
    EXPECT_TRUE(Messager.QuestionBox("Продолжить?", true)); // no one to ask: go on
    drApi::MA.R3->Tervan7 = nullptr;
    drApi::MA.LiftBox("text");
    EXPECT_FALSE(drApi::MA.QuestionBox("text", ""));
    EXPECT_EQ(BoxTexts().size(), 6u);
}

struct TRoute {
    const char* Name;
    Integer Out;
    bool Panel;
    bool Facade;
    TLines Bar;   // status-bar lines expected
    TLines Boxes; // host boxes expected
};

class TMessagerRouteTest : public TMessagerTest, public ::testing::WithParamInterface<TRoute> {};

TEST_P(TMessagerRouteTest, LiftBoxGoesWhereTheDestinationAndThePanelSay)
{
    const TRoute& r = GetParam();
    if (r.Panel) StartPanel();
    if (!r.Facade) DropFacade();
    Messager.LiftBox("text", static_cast<TMessager::TOut>(r.Out));
    EXPECT_EQ(BoxTexts(), r.Boxes);
    if (r.Panel) {
        EXPECT_EQ(BarLines(), r.Bar);
    }
}

const TLines Line = {"text 12000"};
const TLines Box = {"text"};

INSTANTIATE_TEST_SUITE_P(
    Routes, TMessagerRouteTest,
    ::testing::Values(TRoute{"ProcessWithoutPanelIsDropped", TMessager::toProcess, false, true, {}, {}},
                      TRoute{"ProcessWithPanelWithoutFacade", TMessager::toProcess, true, false, Line, {}},
                      TRoute{"ApiWithPanelStillShowsABox", TMessager::toApi, true, true, {}, Box},
                      TRoute{"ApiWithoutFacadeIsDropped", TMessager::toApi, false, false, {}, {}},
                      TRoute{"AlwaysWithPanelGoesToTheBar", TMessager::toAlways, true, true, Line, {}},
                      TRoute{"AlwaysWithoutPanelShowsABox", TMessager::toAlways, false, true, {}, Box},
                      TRoute{"OtherValueWithoutPanelShowsABox", 3, false, true, {}, Box}),
    [](const ::testing::TestParamInfo<TRoute>& c) { return std::string(c.param.Name); });
