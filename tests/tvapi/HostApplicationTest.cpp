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
    app->SetHideMessage(static_cast<tvapi::tvHideMessageEnum>(5));
    EXPECT_EQ(Host().App().HideMessage(), 5);
    const std::vector<std::string> expected = {"IApplication::GetHideMessage()", "IApplication::SetHideMessage(5)"};
    EXPECT_EQ(Journal().Lines(), expected);
}

TEST_F(THostApplicationTest, BoxesTakeScriptedAnswersThenYesAndJournalTheModeInForce) {
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
    EXPECT_EQ(boxes[0].Arguments, (std::vector<std::string>{"Удалить цепь?", "libDimChain", "32", "4", "1", "0"}));
    EXPECT_EQ(boxes[2].Arguments, (std::vector<std::string>{"", "", "64", "0", "0", "2"}));
    EXPECT_EQ(Host().App().HideMessage(), tvapi::tvHideMessageAll);
}

TEST_F(THostApplicationTest, DictionaryIsOneObjectHandedOutWithAReference) {
    const tvapi::IApplicationPtr app = Application();
    const tvapi::ITervanDictionaryPtr d1 = app->GetDictionary();
    const tvapi::ITervanDictionaryPtr d2 = app->GetDictionary();
    EXPECT_EQ(d1.Get(), static_cast<tvapi::ITervanDictionary*>(&Host().Dictionary()));
    EXPECT_TRUE(d1 == d2);
    EXPECT_EQ(RefCountOf(d1), 3); // the application's own, d1, d2
    EXPECT_FALSE(tvapi::IApplicationPtr(d1)); // the dictionary is no application
}

TEST_F(THostApplicationTest, FaultsGiveEachOperationsFailureResultOnceAndLeaveStateAlone) {
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

TEST_F(THostApplicationTest, ServicesAreOneObjectEachMadeInTheOrderAsked) {
    const tvapi::IApplicationPtr app = Application();
    const long live = tvhost::THostObject::LiveObjects();
    const tvapi::ITervanErrorPtr error = app->GetTervanError();
    const tvapi::ISystemSettingsPtr settings = app->GetSystemSettings();
    const tvapi::IProgressBarPtr bar = app->GetProgressBar();
    const tvapi::IApplicationServicesPtr services = app->GetApplicationServices();
    const tvapi::ILibraryManagerPtr manager = app->GetLibraryManager(); // with its library list
    const tvapi::IDocumentsPtr documents = app->GetDocuments();
    EXPECT_EQ(tvhost::THostObject::LiveObjects(), live + 7);

    // Ids follow the order of the first requests: 1 and 2 are the application and dictionary.
    EXPECT_EQ(tvhost::HostObjectOf(error.Get())->Id(), 3u);
    EXPECT_EQ(tvhost::HostObjectOf(settings.Get())->Id(), 4u);
    EXPECT_EQ(tvhost::HostObjectOf(documents.Get())->Id(), 9u);

    EXPECT_TRUE(app->GetTervanError() == error);
    EXPECT_TRUE(app->GetDocuments() == documents);
    EXPECT_EQ(RefCountOf(error), 2); // the application's own and ours
    EXPECT_EQ(tvhost::THostObject::LiveObjects(), live + 7);

    // A service is of its own kind only.
    EXPECT_FALSE(tvapi::ISystemSettingsPtr(error));
    EXPECT_FALSE(tvapi::IApplicationPtr(documents));
}

TEST_F(THostApplicationTest, VersionFillsTheGivenPlacesAndAFaultWritesNothing) {
    const tvapi::IApplicationPtr app = Application();
    Host().App().SetVersion(17, 2, 5, 1234);
    int v[4] = {-1, -1, -1, -1};
    EXPECT_TRUE(app->GetVersion(&v[0], &v[1], &v[2], &v[3]));
    EXPECT_EQ(v[0], 17);
    EXPECT_EQ(v[1], 2);
    EXPECT_EQ(v[2], 5);
    EXPECT_EQ(v[3], 1234);

    int major = -1;
    EXPECT_TRUE(app->GetVersion(&major, nullptr, nullptr, nullptr));
    EXPECT_EQ(major, 17);

    InjectFault("IApplication::GetVersion");
    int w[4] = {-1, -1, -1, -1};
    EXPECT_FALSE(app->GetVersion(&w[0], &w[1], &w[2], &w[3]));
    EXPECT_EQ(w[0], -1);
    EXPECT_EQ(w[3], -1);
}

TEST_F(THostApplicationTest, EachServiceGetterFailsOnceOnAFault) {
    const tvapi::IApplicationPtr app = Application();
    struct TGetter {
        const char* Op;
        bool (*Get)(tvapi::IApplication&);
    };
    const TGetter getters[] = {
        {"IApplication::GetApplicationServices", [](tvapi::IApplication& a) { return !!a.GetApplicationServices(); }},
        {"IApplication::GetSystemSettings", [](tvapi::IApplication& a) { return !!a.GetSystemSettings(); }},
        {"IApplication::GetTervanError", [](tvapi::IApplication& a) { return !!a.GetTervanError(); }},
        {"IApplication::GetLibraryManager", [](tvapi::IApplication& a) { return !!a.GetLibraryManager(); }},
        {"IApplication::GetProgressBar", [](tvapi::IApplication& a) { return !!a.GetProgressBar(); }},
        {"IApplication::GetDocuments", [](tvapi::IApplication& a) { return !!a.GetDocuments(); }},
    };
    for (const TGetter& g : getters) {
        SCOPED_TRACE(g.Op);
        InjectFault(g.Op);
        EXPECT_FALSE(g.Get(*app));
        EXPECT_TRUE(g.Get(*app));
        InjectFault(g.Op, tvhost::fkThrow);
        EXPECT_THROW(g.Get(*app), tvhost::TInjectedFault);
        EXPECT_EQ(Journal().Count(g.Op), 3u);
    }
}

TEST_F(THostApplicationTest, ActiveDocumentIsEmptyUntilOneIsOpenAndFollowsActivation) {
    const tvapi::IApplicationPtr app = Application();
    EXPECT_FALSE(app->GetActiveDocument());
    const tvapi::IDocumentsPtr documents = app->GetDocuments();
    const tvapi::ITervanDocumentPtr drawing = documents->Add(tvapi::tvDocumentDrawing, true);
    const tvapi::ITervanDocumentPtr part = documents->Add(tvapi::tvDocumentPart, false);
    EXPECT_TRUE(app->GetActiveDocument() == part); // also when not visible
    ASSERT_TRUE(drawing->Activate());
    EXPECT_TRUE(app->GetActiveDocument() == drawing);
    InjectFault("IApplication::GetActiveDocument");
    EXPECT_FALSE(app->GetActiveDocument());
    EXPECT_TRUE(app->GetActiveDocument() == drawing);
}
