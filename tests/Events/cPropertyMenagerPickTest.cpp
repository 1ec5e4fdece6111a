// Picking in the panel base: the pick state from the frame's mouse, the host's filter
// question and pick report, and keys handed to the focused in-view widget.

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "HostModelObject.h"
#include "TestPanel.h"

namespace {

// Keeps the base's pick state and accepts the faces it is told to.
class TPickPanel : public TTestPanel {
public:
    tvapi::ITervanAPIObjectPtr Accepted; // the only object ECanSelect takes
    bool SelectAnswer = true;
    std::vector<const void*> Selected;

    bool MouseMove(tvapi::IPressedKeysPtr k, int x, int y) override
    {
        return TBaseManager::MouseMove(k, x, y);
    }
    bool ECanSelect(tvapi::IModelObjectPtr& e) override
    {
        return e.Get() == tvapi::IModelObjectPtr(Accepted).Get();
    }
    bool ESelect(tvapi::IModelObjectPtr& e) override
    {
        Selected.push_back(e.Get());
        return SelectAnswer;
    }
};

class TFocusWidget : public TWindowOGL {
public:
    using TWindowOGL::TWindowOGL;
    int Keys = 0;
    bool OnKeyDown(int&, int, tvapi::IPressedKeysPtr) override { return ++Keys, false; }
};

class TPanelPickTest : public TPanelFixture {
protected:
    void SetUp() override
    {
        TPanelFixture::SetUp();
        Document = NewDrawing();
        Panel = std::make_unique<TPickPanel>();
        Panel->Advise();
        Face = tvapi::ITervanAPIObjectPtr(tvhost::New<tvhost::THostModelObject>(tvapi::o3d_face));
        Panel->Accepted = Face;
    }
    void TearDown() override
    {
        Panel.reset();
        Face.Reset();
        Document.Reset();
        TPanelFixture::TearDown();
    }
    tvhost::THostProcess3DEvents& P3()
    {
        return As<tvhost::THostProcess3DEvents>(Panel->Process3D->GetEvents3D());
    }
    void Down() { FrameOf(*Panel).Events().MouseDown({}, 5, 5); }
    void Move() { FrameOf(*Panel).Events().MouseMove({}, 6, 6); }

    tvapi::ITervanDocumentPtr Document;
    std::unique_ptr<TPickPanel> Panel;
    tvapi::ITervanAPIObjectPtr Face;
};

} // namespace

TEST_F(TPanelPickTest, AnObjectIsOfferedOncePerMovementAfterAPress)
{
    Down();
    EXPECT_FALSE(P3().FilterObjects(Face)) << "no movement since the press";
    Move();
    EXPECT_TRUE(P3().FilterObjects(Face));
    EXPECT_TRUE(Panel->LastFilterObj == Face);
    EXPECT_FALSE(P3().FilterObjects(Face)) << "accepted once until the next movement";
    Move();
    EXPECT_FALSE(Panel->LastFilterObj) << "a movement forgets the accepted object";
    const auto edge = tvapi::ITervanAPIObjectPtr(tvhost::New<tvhost::THostModelObject>(tvapi::o3d_edge));
    EXPECT_FALSE(P3().FilterObjects(edge)) << "refused by the panel";
    EXPECT_TRUE(Panel->Pick.Moved) << "a refusal keeps the movement";
    EXPECT_FALSE(P3().FilterObjects({}));
    EXPECT_TRUE(P3().FilterObjects(Face));
}

TEST_F(TPanelPickTest, AnEmptyPickRoutesTheLastFilteredObjectAndRedraws)
{
    Move();
    ASSERT_TRUE(P3().FilterObjects(Face));
    Panel->Calls.clear();
    EXPECT_TRUE(P3().PlacementChanged({}));
    EXPECT_EQ(Panel->Selected, (std::vector<const void*>{tvapi::IModelObjectPtr(Face).Get()}));
    EXPECT_EQ(Panel->Calls, (std::vector<std::string>{"redraw"}));
    EXPECT_FALSE(Panel->LastFilterObj) << "a pick report forgets the accepted object";
    EXPECT_FALSE(P3().PlacementChanged({})) << "nothing remembered any more";

    Panel->SelectAnswer = false;
    Panel->Calls.clear();
    EXPECT_FALSE(P3().PlacementChanged(Face)) << "a refused pick";
    EXPECT_TRUE(Panel->Calls.empty()) << "no redraw for a refused pick";
    const auto other = tvapi::ITervanAPIObjectPtr(tvhost::New<tvhost::THostModelObject>(tvapi::o3d_face));
    Move();
    Panel->Accepted = other;
    ASSERT_TRUE(P3().FilterObjects(other));
    Move();
    EXPECT_FALSE(P3().PlacementChanged({})) << "the movement dropped what was accepted";
}

TEST_F(TPanelPickTest, KeysGoToTheFocusedWidgetOnly)
{
    int key = 65;
    EXPECT_TRUE(AppEvents().KeyDown(key, 0, {}));
    EXPECT_EQ(key, 65) << "no focused widget: the host keeps the key";
    auto* widget = new TFocusWidget(Panel.get());
    Panel->DispatcherWnd3D.Add(widget);
    TWindowOGL::Focus = widget;
    EXPECT_FALSE(AppEvents().KeyDown(key, 0, {}));
    EXPECT_EQ(key, 0) << "the widget consumed the key";
    EXPECT_EQ(widget->Keys, 1);
    EXPECT_TRUE(AppEvents().KeyDown(key, 0, {})) << "key code 0 is not passed on";
    EXPECT_EQ(widget->Keys, 1);
    Panel.reset();
    EXPECT_EQ(TWindowOGL::Focus, nullptr) << "a deleted widget gives the focus up";
}
