// The stand-in application: the suppression mode, message boxes with scripted answers,
// the dictionary it hands out, and one-shot faults on each of its operations.
#include "HostApplication.h"

#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "HostFixture.h"

using tvhost::RefCountOf;

class THostApplicationTest : public HostFixture {};

namespace {

// What a library does around its own box: save the mode, show, restore.
int AskWithModeSaved(tvapi::IApplication& app, const wchar_t* text)
{
    const tvapi::tvHideMessageEnum saved = app.GetHideMessage();
    app.SetHideMessage(tvapi::tvShowMessage);
    const int answer =
        app.ShowMessageBox(text, L"libDimChain", tvapi::tvMessageQuestion, tvapi::tvButtonSetYesNo, 1);
    app.SetHideMessage(saved);
    return answer;
}

} // namespace

TEST_F(THostApplicationTest, SettingChangesAreJournaledInOrder)
{
    const tvapi::IApplicationPtr app = Application();
    EXPECT_EQ(app->GetHideMessage(), tvapi::tvShowMessage);
    app->SetHideMessage(static_cast<tvapi::tvHideMessageEnum>(5));
    EXPECT_EQ(Host().App().HideMessage(), 5);
    const std::vector<std::string> expected = {"IApplication::GetHideMessage()",
                                               "IApplication::SetHideMessage(5)"};
    EXPECT_EQ(Journal().Lines(), expected);
}

TEST_F(THostApplicationTest, BoxesTakeScriptedAnswersThenYesAndJournalTheModeInForce)
{
    const tvapi::IApplicationPtr app = Application();
    app->SetHideMessage(tvapi::tvHideMessageAll);
    ScriptAnswers({tvapi::tvButtonNo, 2});
    EXPECT_EQ(AskWithModeSaved(*app, L"Удалить цепь?"), tvapi::tvButtonNo);
    EXPECT_EQ(Host().App().PendingAnswers(), 1u);
    EXPECT_EQ(app->ShowMessageBox(L"b", L"c", tvapi::tvMessageQuestion, tvapi::tvButtonSetYesNo, 1), 2);
    EXPECT_EQ(app->ShowMessageBox(nullptr, nullptr, tvapi::tvMessageInformation, tvapi::tvButtonSetOk, 0),
              tvapi::tvButtonYes);
    const auto boxes = Journal().Calls("IApplication::ShowMessageBox");
    ASSERT_EQ(boxes.size(), 3u);
    EXPECT_EQ(boxes[0].Arguments,
              (std::vector<std::string>{"Удалить цепь?", "libDimChain", "32", "4", "1", "0"}));
    EXPECT_EQ(boxes[2].Arguments, (std::vector<std::string>{"", "", "64", "0", "0", "2"}));
    EXPECT_EQ(Host().App().HideMessage(), tvapi::tvHideMessageAll);
}

TEST_F(THostApplicationTest, DictionaryIsOneObjectHandedOutWithAReference)
{
    const tvapi::IApplicationPtr app = Application();
    const tvapi::ITervanDictionaryPtr d1 = app->GetDictionary();
    const tvapi::ITervanDictionaryPtr d2 = app->GetDictionary();
    EXPECT_EQ(d1.Get(), static_cast<tvapi::ITervanDictionary*>(&Host().Dictionary()));
    EXPECT_TRUE(d1 == d2);
    EXPECT_EQ(RefCountOf(d1), 3);             // the application's own, d1, d2
    EXPECT_FALSE(tvapi::IApplicationPtr(d1)); // the dictionary is no application
}

TEST_F(THostApplicationTest, FaultsGiveEachOperationsFailureResultOnceAndLeaveStateAlone)
{
    const tvapi::IApplicationPtr app = Application();
    app->SetHideMessage(tvapi::tvHideMessageAll);
    ScriptAnswers({tvapi::tvButtonNo});
    for (const char* op : {"IApplication::GetDictionary", "IApplication::GetHideMessage",
                           "IApplication::SetHideMessage", "IApplication::ShowMessageBox"})
        InjectFault(op);
    EXPECT_FALSE(app->GetDictionary());
    EXPECT_EQ(app->GetHideMessage(), tvapi::tvShowMessage);
    app->SetHideMessage(tvapi::tvHideMessageWarnings);
    EXPECT_EQ(app->ShowMessageBox(L"x", L"", tvapi::tvMessageWarning, tvapi::tvButtonSetOk, 1), 0);
    EXPECT_EQ(Host().App().PendingAnswers(), 1u); // a box that failed took no answer
    EXPECT_TRUE(app->GetDictionary());
    EXPECT_EQ(app->GetHideMessage(), tvapi::tvHideMessageAll);
    EXPECT_EQ(Journal().Count("IApplication::ShowMessageBox"), 1u); // failed calls are journaled too

    InjectFault("IApplication::SetHideMessage", tvhost::fkThrow);
    EXPECT_THROW(app->SetHideMessage(tvapi::tvShowMessage), tvhost::TInjectedFault);
    EXPECT_EQ(Host().App().HideMessage(), tvapi::tvHideMessageAll);
    InjectFault("IApplication::ShowMessageBox", tvhost::fkThrow);
    try {
        app->ShowMessageBox(L"x", L"", tvapi::tvMessageQuestion, tvapi::tvButtonSetYesNo, 1);
        ADD_FAILURE() << "no fault thrown";
    } catch (const tvhost::TInjectedFault& fault) {
        EXPECT_STREQ(fault.what(), "IApplication::ShowMessageBox");
    }
    EXPECT_EQ(Host().App().PendingAnswers(), 1u);
}
