// The stand-in's 3D process and what scripts do over the view: keys and typed text, the pick
// of a shown object, the script's end hook, the phantom part, the process buttons, and frames
// that paint when refreshed.

#include <gtest/gtest.h>

#include <filesystem>
#include <sstream>
#include <string>
#include <vector>

#include "HostApplication.h"
#include "HostDocuments.h"
#include "HostFixture.h"
#include "HostPart.h"
#include "HostProcess.h"
#include "HostScript.h"
#include "HostTessellation.h"
#include "tvapi/Application.h"

using namespace tvapi;

namespace {

class HostProcess3DTest : public HostFixture {
protected:
    void SetUp() override
    {
        HostFixture::SetUp();
        Document = Application()->GetDocuments()->Add(tvDocumentPart, true);
        const IProcessFactoryPtr factory(Application());
        Param = factory->CreateProcessParam();
        Process = factory->CreateProcess3D(Param);
    }
    void TearDown() override
    {
        tvhost::Script().SetOnEnd(nullptr);
        Process.Reset();
        Param.Reset();
        Document.Reset();
        HostFixture::TearDown();
    }
    void Load(const std::string& text)
    {
        std::string error;
        ASSERT_TRUE(tvhost::Script().Load(text, error)) << error;
    }
    tvhost::THostProcess3D& Host3D() { return *dynamic_cast<tvhost::THostProcess3D*>(Process.Get()); }
    // A file of the test's own folder.
    std::filesystem::path Temp(const std::string& name)
    {
        const auto* test = ::testing::UnitTest::GetInstance()->current_test_info();
        const auto dir = std::filesystem::temp_directory_path() / (std::string("process3d-") + test->name());
        std::filesystem::create_directories(dir);
        return dir / name;
    }

    ITervanDocumentPtr Document;
    IProcessParamPtr Param;
    IProcess3DPtr Process;
    std::vector<std::string> Calls;
};

} // namespace

TEST_F(HostProcess3DTest, KeysAndTypedTextReachTheApplicationsKeyEvents)
{
    Host().App().Panels().Events().AdviseKeyDown(L"k", [&](int& code, int, IPressedKeysPtr) {
        Calls.push_back(std::to_string(code));
        return true;
    });
    Load("key 8\ntype \"4.5\"\nkey 13\n");
    EXPECT_EQ(Process->Run(true, false), 0);
    EXPECT_EQ(Calls, (std::vector<std::string>{"8", "52", "46", "53", "13"}));
}

TEST_F(HostProcess3DTest, BadKeyLinesAreRefused)
{
    std::string error;
    EXPECT_FALSE(tvhost::Script().Load("key\n", error));
    EXPECT_FALSE(tvhost::Script().Load("key x\n", error));
    EXPECT_FALSE(tvhost::Script().Load("mesh 1 2\n", error));
    EXPECT_FALSE(tvhost::Script().Load("type\n", error));
    EXPECT_EQ(tvhost::Script().Pending(), 0u);
}

TEST_F(HostProcess3DTest, AShownObjectIsOfferedThenPickedWhenAccepted)
{
    const IExternalTessellationManagerPtr shown(Document);
    const IExternalTessellationObjectPtr marker = shown->CreateTessellationObject();
    ASSERT_TRUE(marker);
    const int id = marker->GetId();
    bool accept = false;
    auto& events = Host3D().Events();
    events.AdviseFilterObjects(L"p", [&](ITervanAPIObjectPtr o) {
        Calls.push_back("filter " + std::to_string(IExternalTessellationObjectPtr(o)->GetId()));
        return accept;
    });
    events.AdvisePlacementChanged(L"p", [&](ITervanAPIObjectPtr) {
        Calls.push_back("picked");
        return true;
    });
    std::ostringstream out;
    tvhost::Script().SetOutput(&out);
    Load("mesh " + std::to_string(id) + "\nmesh 99\n");
    Process->Run(true, false);
    accept = true;
    Load("mesh " + std::to_string(id) + "\n");
    Process->Run(true, false);
    tvhost::Script().SetOutput(nullptr);
    const std::string f = "filter " + std::to_string(id);
    EXPECT_EQ(Calls, (std::vector<std::string>{f, f, "picked"}));
    EXPECT_EQ(out.str(), "script line 2: no object shown with id 99\n");
}

TEST_F(HostProcess3DTest, TheEndHookRunsOnceBeforeTheCancelAndMayQueueMore)
{
    Param->GetEvents()->AdviseButtonClick(L"p", [&](int b) {
        Calls.push_back("button " + std::to_string(b));
        return false;
    });
    // A script presses only the buttons the panel has.
    Param->AddButton(5, 0, L"five", L"");
    Param->AddButton(7, 0, L"seven", L"");
    tvhost::Script().SetOnEnd([&] {
        Calls.push_back("end");
        Load("button 7\n");
    });
    Load("button 5\n");
    EXPECT_EQ(Process->Run(true, false), 0);
    EXPECT_EQ(Calls, (std::vector<std::string>{"button 5", "end", "button 7", "button 2"}));
    Calls.clear();
    Process->Run(true, false);
    EXPECT_EQ(Calls, std::vector<std::string>{"button 2"}) << "the hook ran once";
}

TEST_F(HostProcess3DTest, ThePhantomIsGivenOrReadFromAPartFile)
{
    EXPECT_FALSE(Process->GetPhantomObject());
    EXPECT_FALSE(Process->LoadPhantom(Temp("absent.qpt").wstring().c_str()));
    EXPECT_FALSE(Host3D().PhantomError().empty());
    EXPECT_FALSE(Process->LoadPhantom(L""));

    const std::filesystem::path file = Temp("phantom.qpt");
    ASSERT_TRUE(Document->SaveAs(file.wstring().c_str()));
    const IModelObjectPtr loaded = Process->LoadPhantom(file.wstring().c_str());
    ASSERT_TRUE(loaded);
    EXPECT_TRUE(IPartPtr(loaded)) << "a part";
    EXPECT_EQ(Process->GetPhantomObject().Get(), loaded.Get());
    EXPECT_TRUE(Host3D().PhantomError().empty());

    const IPartPtr top = ITervanDocument3DPtr(Document)->GetTopPart();
    Process->SetPhantomObject(IModelObjectPtr(top));
    EXPECT_EQ(IPartPtr(Process->GetPhantomObject()).Get(), top.Get());
    Process->SetPhantomObject({});
    EXPECT_FALSE(Process->GetPhantomObject());
    std::filesystem::remove_all(file.parent_path());
}

TEST_F(HostProcess3DTest, ProcessButtonsAreKeptInOrder)
{
    EXPECT_TRUE(Param->AddButton(3, 5, L"Сброс", L"Glyphs"));
    EXPECT_TRUE(Param->AddButton(4, 6, nullptr, nullptr));
    const auto& buttons = dynamic_cast<tvhost::THostProcessParam&>(*Param.Get()).Buttons();
    ASSERT_EQ(buttons.size(), 2u);
    EXPECT_EQ(buttons[0].Id, 3);
    EXPECT_EQ(buttons[0].Image, 5);
    EXPECT_EQ(buttons[0].Tip, L"Сброс");
    EXPECT_EQ(buttons[0].Source, L"Glyphs");
    EXPECT_EQ(buttons[1].Tip, L"");
}

TEST_F(HostProcess3DTest, AFramePaintsWhenRefreshedOnlyWhenAskedAndNeverNested)
{
    const IProcessFactoryPtr factory(Application());
    const IDocumentFramePtr frame = factory->GetDocumentFrame(Document);
    auto& host = *dynamic_cast<tvhost::THostFrame*>(frame.Get());
    int paints = 0;
    host.Events().AdviseClosePaintGL(L"p", [&](unsigned, IOpenGLObjectPtr) {
        ++paints;
        frame->RefreshView(); // a painter asking for another paint
    });
    frame->RefreshView();
    EXPECT_EQ(paints, 0);
    host.PaintOnRefresh = true;
    frame->RefreshView();
    EXPECT_EQ(paints, 1);
    EXPECT_EQ(host.Repaints(), 3);
    Host().App().Panels().PaintFrames = true;
    const ITervanDocumentPtr other = Application()->GetDocuments()->Add(tvDocumentPart, true);
    EXPECT_TRUE(tvhost::FrameOf(other)->PaintOnRefresh) << "frames made afterwards paint";
}

TEST_F(HostProcess3DTest, EntityLinesOfferAndPickTheTopPartsFacesEdgesAndVertices)
{
    auto* doc = dynamic_cast<tvhost::THostDocument3D*>(Document.Get());
    doc->TopPart().AddBody(tvhost::MakeBox({0, 0, 0}, 10, 20, 5));
    std::vector<ITervanAPIObjectPtr> picked;
    auto& events = *Process->GetEvents3D();
    events.AdviseFilterObjects(L"f", [&](ITervanAPIObjectPtr) { return true; });
    events.AdvisePlacementChanged(L"p", [&](ITervanAPIObjectPtr o) {
        picked.push_back(o);
        return true;
    });
    std::ostringstream out;
    tvhost::Script().SetOutput(&out);
    Load("entity face 6\nentity edge 12\nentity vertex 8\nentity edge 13\n");
    Process->Run(true, false);
    tvhost::Script().SetOutput(nullptr);
    ASSERT_EQ(picked.size(), 3u);
    EXPECT_EQ(IModelObjectPtr(picked[0])->GetObjectType(), o3d_face);
    EXPECT_EQ(IModelObjectPtr(picked[1])->GetObjectType(), o3d_edge);
    EXPECT_EQ(IModelObjectPtr(picked[2])->GetObjectType(), o3d_vertex);
    EXPECT_EQ(out.str(), "script line 4: no edge 13\n") << "a box has 12 edges";
    std::string error;
    EXPECT_FALSE(tvhost::Script().Load("entity body 1\n", error));
    EXPECT_FALSE(tvhost::Script().Load("entity face 0\n", error));
    EXPECT_FALSE(tvhost::Script().Load("entity face\n", error));
}
