// TBaseManager3D: the host process of a part or assembly, its parameters and buttons, the
// phantom part, and the run repeated while the panel asks for another one.

#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <memory>
#include <string>

#include "HostDocuments.h"
#include "HostScript.h"
#include "TestPanel.h"
#include "cPropertyMenagerEvent.h"

namespace {

// A 3D panel that counts its clicks and may ask for more runs.
class T3DPanel : public TBaseManager3D {
public:
    using TBaseManager3D::TBaseManager3D;
    int Clicks2 = 0;
    int ExitRuns = 0;
    int MoreRuns = 0;             // OnExitRun answers false this many times
    bool AnswerButton = false;    // what ButtonClick answers
    std::function<void()> Before; // runs in OnExitRun before it answers

    bool ButtonClick(int id) override
    {
        if (id == 2) ++Clicks2;
        return AnswerButton;
    }
    bool OnExitRun() override
    {
        ++ExitRuns;
        if (Before) Before();
        if (MoreRuns == 0) return true;
        --MoreRuns;
        return false;
    }
};

class TProcess3DTest : public TPanelFixture {
protected:
    tvapi::ITervanDocumentPtr NewModel(tvapi::DocumentTypeEnum type = tvapi::tvDocumentPart)
    {
        return Application()->GetDocuments()->Add(type, true);
    }
    std::unique_ptr<T3DPanel> NewPanel(int Stb = pnEnterEscHelp,
                                       const std::initializer_list<TButtonData>* buttons = nullptr)
    {
        auto panel = std::make_unique<T3DPanel>(
            "Вставка", "Укажите точку", static_cast<SpecPropertyToolBarEnum>(Stb), 38, "Параметры", buttons);
        panel->Advise();
        return panel;
    }
    std::size_t Runs() { return Journal().Calls("IProcess::Run").size(); }
};

} // namespace

TEST_F(TProcess3DTest, BuildsTheProcessOfAPartWithItsTabAndPrompt)
{
    NewModel();
    auto panel = NewPanel();
    ASSERT_TRUE(panel->Process3D);
    EXPECT_TRUE(panel->Process) << "the same process seen as a generic one";
    EXPECT_TRUE(panel->Manipulators);
    EXPECT_TRUE(panel->Phantom) << "the top part";
    EXPECT_EQ(panel->HelpContext, 38);
    EXPECT_EQ(Param(*panel).Caption(), L"Вставка");
    EXPECT_FALSE(Param(*panel).CloseOnApply());
    EXPECT_EQ(Param(*panel).ToolBarKind(), pnEnterEscHelp);
    ASSERT_TRUE(panel->PropertyControls) << "the first tab takes the controls";
    panel->AnswerButton = true;
    tvhost::TScriptAction ok;
    ok.Kind = tvhost::TScriptAction::skButton;
    ok.N = 1;
    tvhost::Script().Push(ok);
    EXPECT_TRUE(panel->Run(true, false)) << "OK, taken by the panel";
    EXPECT_EQ(panel->Clicks2, 0);
    EXPECT_EQ(As<tvhost::THostProcess3D>(panel->Process3D).Prompt(), L"Укажите точку");
}

TEST_F(TProcess3DTest, ToolBarKindsPastTheLastOneAreNotPassed)
{
    NewModel();
    EXPECT_EQ(Param(*NewPanel(13)).ToolBarKind(), 13);
    const std::size_t before = Journal().Calls("IProcessParam::SetToolBar").size();
    EXPECT_EQ(Param(*NewPanel(14)).ToolBarKind(), 0) << "the host's default stays";
    EXPECT_EQ(Journal().Calls("IProcessParam::SetToolBar").size(), before);
}

TEST_F(TProcess3DTest, ButtonsTakeTheAbsoluteIconAndTheLibraryFont)
{
    NewModel();
    drApi::MA.R3->LibFont = "Glyphs";
    const std::initializer_list<TButtonData> buttons{{7, -5, "Сброс"}, {9, 12, "Поворот"}};
    auto panel = NewPanel(pnEnterEscHelp, &buttons);
    const auto& made = Param(*panel).Buttons();
    ASSERT_EQ(made.size(), 2u);
    EXPECT_EQ(made[0].Id, 7);
    EXPECT_EQ(made[0].Image, 5);
    EXPECT_EQ(made[0].Tip, L"Сброс");
    EXPECT_EQ(made[0].Source, L"Glyphs");
    EXPECT_EQ(made[1].Image, 12);
    drApi::MA.R3->LibFont.Clear();
}

TEST_F(TProcess3DTest, WithoutAModelThereIsNoProcessAndNoRun)
{
    NewDrawing();
    auto panel = NewPanel();
    EXPECT_FALSE(panel->Process3D);
    EXPECT_FALSE(panel->Process);
    EXPECT_FALSE(panel->Run(true, false));
    EXPECT_FALSE(panel->SetPhantom("/nowhere.qpt"));
    EXPECT_EQ(Runs(), 0u);
}

TEST_F(TProcess3DTest, RunAfterStopAnswersFalseAndTouchesNothing)
{
    NewModel();
    auto panel = NewPanel();
    panel->Stop(-1);
    ASSERT_FALSE(panel->Active);
    panel->ExitCode = 5;
    EXPECT_FALSE(panel->Run(true, false));
    EXPECT_EQ(panel->ExitCode, 5);
    EXPECT_EQ(Runs(), 0u);
    EXPECT_TRUE(Journal().Calls("IProcess::SetPrompt").empty());
}

TEST_F(TProcess3DTest, OneRunWithTheBaseAnswerAndTwoWhenAskedOnce)
{
    NewModel();
    auto panel = NewPanel();
    EXPECT_FALSE(panel->Run(true, false)) << "the empty script cancels";
    EXPECT_EQ(Runs(), 1u);
    EXPECT_EQ(panel->ExitRuns, 1);
    EXPECT_EQ(panel->Clicks2, 1) << "the script's own cancel";

    // The second run is answered by OK, taken by the panel: its result is the one returned.
    panel->MoreRuns = 1;
    panel->Before = [&] {
        if (panel->ExitRuns != 2) return;
        tvhost::TScriptAction ok;
        ok.Kind = tvhost::TScriptAction::skButton;
        ok.N = 1;
        tvhost::Script().Push(ok);
        panel->AnswerButton = true;
    };
    EXPECT_TRUE(panel->Run(true, false));
    EXPECT_EQ(Runs(), 3u);
    EXPECT_EQ(panel->ExitRuns, 3);
    EXPECT_EQ(panel->Clicks2, 2) << "the second run was cancelled by the empty script, the third took OK";
}

TEST_F(TProcess3DTest, AThrowingRunIsAnsweredByOneCancelClick)
{
    NewModel();
    auto panel = NewPanel();
    InjectFault("IProcess::Run", tvhost::fkThrow);
    EXPECT_FALSE(panel->Run(true, false));
    EXPECT_EQ(panel->Clicks2, 1) << "the host never played its script: the click is the panel's";
    EXPECT_EQ(panel->ExitRuns, 1);
    EXPECT_EQ(Runs(), 1u);
}

TEST_F(TProcess3DTest, ThePhantomIsTheEditedPartWhateverTheFile)
{
    const tvapi::ITervanDocumentPtr doc = NewModel(tvapi::tvDocumentAssembly);
    auto& host3D = As<tvhost::THostDocument3D>(doc);
    const tvapi::IPartPtr edited(tvhost::New<tvhost::THostPart>());
    host3D.SetEditingObject(tvapi::ITervanAPIObjectPtr(edited));
    auto panel = NewPanel();
    EXPECT_EQ(panel->Phantom.Get(), edited.Get()) << "the part edited in place";
    EXPECT_TRUE(panel->SetPhantom("/no/such/part.qpt"));
    EXPECT_TRUE(Journal().Calls("IProcess3D::LoadPhantom").empty()) << "the file is not read";
    const tvapi::IModelObjectPtr shown = panel->Process3D->GetPhantomObject();
    EXPECT_EQ(tvapi::IPartPtr(shown).Get(), edited.Get());

    host3D.SetEditingObject({});
    EXPECT_FALSE(panel->SetPhantom("/no/such/part.qpt")) << "no edited part: the file, which is missing";
    EXPECT_FALSE(panel->Process3D->GetPhantomObject());
    panel.reset();
}

TEST_F(TProcess3DTest, WithoutAnEditedPartThePhantomIsReadFromTheFile)
{
    const tvapi::ITervanDocumentPtr part = NewModel();
    const auto dir = std::filesystem::temp_directory_path() / "process3d-panel-phantom";
    std::filesystem::create_directories(dir);
    const std::filesystem::path file = dir / "phantom.qpt";
    ASSERT_TRUE(part->SaveAs(file.wstring().c_str()));
    auto panel = NewPanel();
    EXPECT_TRUE(panel->SetPhantom(TString(file.wstring())));
    const tvapi::IModelObjectPtr shown = panel->Process3D->GetPhantomObject();
    EXPECT_TRUE(tvapi::IPartPtr(shown));
    EXPECT_NE(tvapi::IPartPtr(shown).Get(), panel->Phantom.Get()) << "a part read from the file";
    panel.reset();
    std::filesystem::remove_all(dir);
}

TEST_F(TProcess3DTest, SubscribesOnceAndDestructionUnsubscribes)
{
    NewModel();
    auto panel = NewPanel();
    ASSERT_TRUE(panel->IsAdvise);
    const tvapi::IProcess3DPtr process = panel->Process3D;
    auto& events = As<tvhost::THostProcess3D>(process).Events();
    auto& frame = FrameOf(*panel).Events();
    const std::size_t subscribed = events.Subscriptions();
    EXPECT_GT(subscribed, 0u);
    EXPECT_GT(frame.Subscriptions(), 0u);
    panel->Advise();
    EXPECT_EQ(events.Subscriptions(), subscribed) << "a second Advise adds nothing";
    panel.reset();
    EXPECT_EQ(events.Subscriptions(), 0u);
    EXPECT_EQ(frame.Subscriptions(), 0u);
    EXPECT_EQ(TBaseManager::CurrentProcessManager, nullptr);
}
