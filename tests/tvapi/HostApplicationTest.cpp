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
int AskWithModeSaved(tvapi::IApplication& app, const wchar_t* text) {
    const tvapi::tvHideMessageEnum saved = app.GetHideMessage();
    app.SetHideMessage(tvapi::tvShowMessage);
    const int answer =
        app.ShowMessageBox(text, L"libDimChain", tvapi::tvMessageQuestion, tvapi::tvButtonSetYesNo, 1);
    app.SetHideMessage(saved);
    return answer;
}

} // namespace

TEST_F(THostApplicationTest, SettingChangesAreJournaledInOrder) {
    const tvapi::IApplicationPtr app = Application();
    EXPECT_EQ(app->GetHideMessage(), tvapi::tvShowMessage);
    app->SetHideMessage(tvapi::tvHideMessageAll);
    EXPECT_EQ(app->GetHideMessage(), tvapi::tvHideMessageAll);
    app->SetHideMessage(static_cast<tvapi::tvHideMessageEnum>(5));
    EXPECT_EQ(Host().App().HideMessage(), 5);
    const std::vector<std::string> expected = {
        "IApplication::GetHideMessage()", "IApplication::SetHideMessage(2)", "IApplication::GetHideMessage()",
        "IApplication::SetHideMessage(5)"};
    EXPECT_EQ(Journal().Lines(), expected);
}

TEST_F(THostApplicationTest, BoxesTakeScriptedAnswersThenYes) {
    const tvapi::IApplicationPtr app = Application();
    ScriptAnswers({tvapi::tvButtonNo, 2});
    EXPECT_EQ(app->ShowMessageBox(L"a", L"c", tvapi::tvMessageQuestion, tvapi::tvButtonSetYesNo, 1),
              tvapi::tvButtonNo);
    EXPECT_EQ(Host().App().PendingAnswers(), 1u);
    EXPECT_EQ(app->ShowMessageBox(L"b", L"c", tvapi::tvMessageQuestion, tvapi::tvButtonSetYesNo, 1), 2);
    EXPECT_EQ(app->ShowMessageBox(L"c", L"c", tvapi::tvMessageInformation, tvapi::tvButtonSetOk, 0),
              tvapi::tvButtonYes);
    EXPECT_EQ(Journal().Count("IApplication::ShowMessageBox"), 3u);
}

TEST_F(THostApplicationTest, BoxJournalHoldsTextCaptionStylesAndTheModeInForce) {
    const tvapi::IApplicationPtr app = Application();
    app->SetHideMessage(tvapi::tvHideMessageAll);
    ScriptAnswers({tvapi::tvButtonNo});
    EXPECT_EQ(AskWithModeSaved(*app, L"Удалить цепь?"), tvapi::tvButtonNo);
    app->ShowMessageBox(nullptr, nullptr, tvapi::tvMessageInformation, tvapi::tvButtonSetOk, 0);

    const auto boxes = Journal().Calls("IApplication::ShowMessageBox");
    ASSERT_EQ(boxes.size(), 2u);
    const std::vector<std::string> asked = {"Удалить цепь?", "libDimChain", "32", "4", "1", "0"};
    const std::vector<std::string> plain = {"", "", "64", "0", "0", "2"};
    EXPECT_EQ(boxes[0].Arguments, asked);
    EXPECT_EQ(boxes[1].Arguments, plain);
    EXPECT_EQ(Host().App().HideMessage(), tvapi::tvHideMessageAll);
}

TEST_F(THostApplicationTest, DictionaryIsOneObjectHandedOutWithAReference) {
    const tvapi::IApplicationPtr app = Application();
    const tvapi::ITervanDictionaryPtr d1 = app->GetDictionary();
    const tvapi::ITervanDictionaryPtr d2 = app->GetDictionary();
    ASSERT_TRUE(d1);
    EXPECT_TRUE(d1 == d2);
    EXPECT_EQ(d1.Get(), static_cast<tvapi::ITervanDictionary*>(&Host().Dictionary()));
    EXPECT_EQ(RefCountOf(d1), 3); // the application's own, d1, d2

    // The application is no dictionary and the dictionary no application.
    const tvapi::ITervanDictionaryPtr notDictionary = app;
    const tvapi::IApplicationPtr notApplication = d1;
    EXPECT_FALSE(notDictionary);
    EXPECT_FALSE(notApplication);
}

TEST_F(THostApplicationTest, FailFaultsGiveEachOperationsFailureResultOnce) {
    const tvapi::IApplicationPtr app = Application();
    app->SetHideMessage(tvapi::tvHideMessageAll);
    ScriptAnswers({tvapi::tvButtonNo});

    InjectFault("IApplication::GetDictionary");
    InjectFault("IApplication::GetHideMessage");
    InjectFault("IApplication::SetHideMessage");
    InjectFault("IApplication::ShowMessageBox");
    EXPECT_FALSE(app->GetDictionary());
    EXPECT_EQ(app->GetHideMessage(), tvapi::tvShowMessage);
    app->SetHideMessage(tvapi::tvHideMessageWarnings);
    EXPECT_EQ(app->ShowMessageBox(L"x", L"", tvapi::tvMessageWarning, tvapi::tvButtonSetOk, 1), 0);
    EXPECT_EQ(Host().App().PendingAnswers(), 1u); // a box that failed took no answer

    EXPECT_TRUE(app->GetDictionary());
    EXPECT_EQ(app->GetHideMessage(), tvapi::tvHideMessageAll);
    app->SetHideMessage(tvapi::tvHideMessageWarnings);
    EXPECT_EQ(app->GetHideMessage(), tvapi::tvHideMessageWarnings);
    EXPECT_EQ(app->ShowMessageBox(L"x", L"", tvapi::tvMessageWarning, tvapi::tvButtonSetOk, 1),
              tvapi::tvButtonNo);
    EXPECT_EQ(Journal().Count("IApplication::ShowMessageBox"), 2u); // failed calls are journaled too
}

TEST_F(THostApplicationTest, ThrowFaultThrowsOnceAndLeavesStateAlone) {
    const tvapi::IApplicationPtr app = Application();
    InjectFault("IApplication::SetHideMessage", tvhost::fkThrow);
    EXPECT_THROW(app->SetHideMessage(tvapi::tvHideMessageAll), tvhost::TInjectedFault);
    EXPECT_EQ(Host().App().HideMessage(), tvapi::tvShowMessage);
    EXPECT_NO_THROW(app->SetHideMessage(tvapi::tvHideMessageAll));
    EXPECT_EQ(Host().App().HideMessage(), tvapi::tvHideMessageAll);

    InjectFault("IApplication::ShowMessageBox", tvhost::fkThrow);
    ScriptAnswers({tvapi::tvButtonNo});
    try {
        app->ShowMessageBox(L"x", L"", tvapi::tvMessageQuestion, tvapi::tvButtonSetYesNo, 1);
        ADD_FAILURE() << "no fault thrown";
    } catch (const tvhost::TInjectedFault& fault) {
        EXPECT_STREQ(fault.what(), "IApplication::ShowMessageBox");
    }
    EXPECT_EQ(Host().App().PendingAnswers(), 1u);
}
