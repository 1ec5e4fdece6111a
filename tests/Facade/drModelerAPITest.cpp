// The facade's message boxes against the stand-in host.

#include "drModelerAPI.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "FacadeFixture.h"

using TBoxCase = std::pair<std::function<void()>, std::vector<std::string>>; // show, host calls in order

class TModelerApiMessagesTest : public TFacadeFixture {};

// Every box is captioned "libDimChain" whatever Title says; information and question boxes
// switch the mode to show (0) for the box and put a hiding mode back; a warning leaves it.
TEST_F(TModelerApiMessagesTest, BoxesPassCaptionStyleAndModeOfTheirKind)
{
    const std::vector<TBoxCase> cases = {
        {[] { drApi::MA.LiftBox("Сведения"); },
         {"IApplication::GetHideMessage()", "IApplication::SetHideMessage(0)",
          "IApplication::ShowMessageBox(Сведения, libDimChain, 64, 0, 0, 0)",
          "IApplication::SetHideMessage(2)"}},
        {[] { EXPECT_FALSE(drApi::MA.QuestionBox("Удалить?", "Title")); },
         {"IApplication::GetHideMessage()", "IApplication::SetHideMessage(0)",
          "IApplication::ShowMessageBox(Удалить?, libDimChain, 32, 4, 1, 0)",
          "IApplication::SetHideMessage(2)"}},
        {[] { drApi::MA.WarningBox("Внимание", "Title"); },
         {"IApplication::ShowMessageBox(Внимание, libDimChain, 48, 0, 1, 2)"}},
    };
    for (const auto& [show, expected] : cases) {
        SCOPED_TRACE(expected.back());
        FApp->SetHideMessage(tvapi::tvHideMessageAll);
        ScriptAnswers({tvapi::tvButtonNo});
        Journal().Clear();
        show();
        EXPECT_EQ(Journal().Lines(), expected);
        EXPECT_EQ(Host().App().HideMessage(), tvapi::tvHideMessageAll);
        Host().App().ClearAnswers();
    }
    R().Tervan7 = nullptr;
    Journal().Clear();
    drApi::MA.WarningBox("w", "");
    EXPECT_TRUE(Journal().Entries().empty());
}
