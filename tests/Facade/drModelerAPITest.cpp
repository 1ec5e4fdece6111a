// The facade's message boxes, help, resource strings and progress against the stand-in host.

#include "drModelerAPI.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "FacadeFixture.h"
#include "HostServices.h"
#include "cPropertyMenagerEvent.h"

namespace {

using TLines = std::vector<std::string>;

struct TBoxCase {
    const char* Name;
    std::function<void()> Show;
    TLines Expected; // the host calls, in order
};

} // namespace

class TModelerApiMessagesTest : public TFacadeFixture {};

// Every box is captioned "libDimChain" whatever Title says; information and question boxes
// switch the mode to show (0) for the box and put a hiding mode back; a warning leaves it.
TEST_F(TModelerApiMessagesTest, BoxesPassCaptionStyleAndModeOfTheirKind) {
    const std::vector<TBoxCase> cases = {
        {"lift",
         [] { drApi::MA.LiftBox("Сведения"); },
         {"IApplication::GetHideMessage()", "IApplication::SetHideMessage(0)",
          "IApplication::ShowMessageBox(Сведения, libDimChain, 64, 0, 0, 0)",
          "IApplication::SetHideMessage(2)"}},
        {"question",
         [] { EXPECT_FALSE(drApi::MA.QuestionBox("Удалить?", "Title")); },
         {"IApplication::GetHideMessage()", "IApplication::SetHideMessage(0)",
          "IApplication::ShowMessageBox(Удалить?, libDimChain, 32, 4, 1, 0)",
          "IApplication::SetHideMessage(2)"}},
        {"warning",
         [] { drApi::MA.WarningBox("Внимание", "Title"); },
         {"IApplication::ShowMessageBox(Внимание, libDimChain, 48, 0, 1, 2)"}},
    };
    for (const TBoxCase& c : cases) {
        SCOPED_TRACE(c.Name);
        FApp->SetHideMessage(tvapi::tvHideMessageAll);
        ScriptAnswers({tvapi::tvButtonNo});
        Journal().Clear();
        c.Show();
        EXPECT_EQ(Journal().Lines(), c.Expected);
        EXPECT_EQ(Host().App().HideMessage(), tvapi::tvHideMessageAll);
        Host().App().ClearAnswers();
    }
    R().Tervan7 = nullptr;
    Journal().Clear();
    drApi::MA.WarningBox("w", "");
    EXPECT_TRUE(Journal().Entries().empty());
}

TEST_F(TModelerApiMessagesTest, HelpAndResourceStringsGoThroughTheLibraryEntry) {
    int anchor = 0;
    drApi::MA.OpenHelp("a.chm", 1, 77);
    EXPECT_EQ(drApi::MA.LoadResourceString(&anchor, 5), L"");
    EXPECT_TRUE(Journal().Entries().empty()); // without the library's entry nothing is asked

    tvhost::THostProceduresLibrary& lib = Host().App().Libraries().Add(L"/lib/libDimChain.plx");
    lib.Dictionary().SetResourceString(5, L"Цепь");
    R().Library = tvapi::IProceduresLibraryPtr(&lib);
    drApi::MA.OpenHelp("a.chm", 1, 77);
    drApi::MA.OpenHelp("other.chm", 1, 77);
    EXPECT_EQ(lib.HelpShown(), (std::vector<std::pair<int, int>>{{77, 1}, {77, 1}}));
    EXPECT_EQ(drApi::MA.LoadResourceString(&anchor, 5), L"Цепь");

    InjectFault("IProceduresLibrary::GetDictionary"); // a library without a dictionary
    EXPECT_EQ(drApi::MA.LoadResourceString(&anchor, 5), L"");
}

TEST_F(TModelerApiMessagesTest, ProgressAdvancesTheRunningPanelOnTheHostBar) {
    drApi::MA.NextProgress("idle"); // no panel: nothing
    TBaseManager panel;
    panel.StartProgress("Calc", 10); // no bar held yet: progress does not start
    EXPECT_FALSE(panel.ProgressActive);

    R().ProgressBar = FApp->GetProgressBar();
    panel.StartProgress("Calc", 10);
    drApi::MA.NextProgress("a");
    EXPECT_EQ(std::string(panel.ProgressMessageCurrent.PChar()), "Calc a");
    drApi::MA.UpdateProgress("b");
    EXPECT_EQ(std::string(panel.ProgressMessageCurrent.PChar()), "Calc a");
    panel.StopProgress();
    drApi::MA.NextProgress("c"); // stopped: nothing more reaches the bar
    EXPECT_EQ(Journal().Lines(), (TLines{"IApplication::GetProgressBar()", "IProgressBar::Start(0, 10)",
                                         "IProgressBar::SetPosition(1)", "IProgressBar::SetPosition(2)",
                                         "IProgressBar::Stop()"}));
}
