// Picking in the panel base: the pick state from the frame's mouse, the host's filter
// question and pick report, and keys handed to the focused in-view widget.

#include <gtest/gtest.h>

#include <chrono>
#include <memory>
#include <string>
#include <vector>

#include "HostModelObject.h"
#include "THotPointEdit.h"
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

// Records what the routing hands to the mesh and hot-point overridables.
class TMeshPickPanel : public TPickPanel {
public:
    std::vector<std::string> Routed;

    bool Note(const std::string& what, std::int64_t id, bool answer)
    {
        Routed.push_back(what + std::to_string(id));
        return answer;
    }
    bool MOCanSelect(TMeshDrawObjectParam& m) override { return Note("mesh can ", m.Id, true); }
    bool MOSelect(TMeshDrawObjectParam& m) override { return Note("mesh ", m.Id, true); }
    bool HPCanSelect(THotPointData& hp) override
    {
        return Note("point can ", hp.Id3, TPickPanel::HPCanSelect(hp));
    }
    bool HPSelect(THotPointData& hp) override { return Note("point ", hp.Id3, TPickPanel::HPSelect(hp)); }
};

class TFocusWidget : public TWindowOGL {
public:
    using TWindowOGL::TWindowOGL;
    int Keys = 0;
    bool OnKeyDown(int&, int, tvapi::IPressedKeysPtr) override { return ++Keys, false; }
};

class TPanelPickTest : public TPanelFixture {
public:
    static tvhost::THostProcess3DEvents& P3Of(TPickPanel& panel)
    {
        return As<tvhost::THostProcess3DEvents>(panel.Process3D->GetEvents3D());
    }

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
    tvhost::THostProcess3DEvents& P3() { return P3Of(*Panel); }
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
    EXPECT_FALSE(P3().PlacementChanged(Face));
    EXPECT_TRUE(Panel->Calls.empty()) << "no redraw for a refused pick";
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

namespace {

// A panel over a part, whose meshes and hot-point markers the stand-in manager makes.
class TMeshPickTest : public TPanelFixture {
protected:
    void SetUp() override
    {
        TPanelFixture::SetUp();
        Doc = Application()->GetDocuments()->Add(tvapi::tvDocumentPart, true);
        drApi::MA.R3->ITessellationMng = tvapi::IExternalTessellationManagerPtr(Doc);
        Panel = std::make_unique<TMeshPickPanel>();
        Panel->Advise();
        Points.Add2D(X, Y, 3);
        Points.Add2D(Y, X, 4);
        Panel->AHotPoint = &Points;
        Panel->RedrawPhantom(); // the markers
        Panel->Routed.clear();
    }
    void TearDown() override
    {
        Panel->AHotPoint = nullptr;
        Panel.reset();
        for (THotPointData& hp : Points)
            hp.Obj.Reset();
        Doc.Reset();
        TPanelFixture::TearDown();
    }
    tvhost::THostProcess3DEvents& P3() { return TPanelPickTest::P3Of(*Panel); }
    void Move() { Panel->TBaseManager::MouseMove({}, 6, 6); }
    tvapi::ITervanAPIObjectPtr Marker(int i) const { return tvapi::ITervanAPIObjectPtr(Points[i].Obj); }

    tvapi::ITervanDocumentPtr Doc;
    std::unique_ptr<TMeshPickPanel> Panel;
    // The hot points bind these: they live as long as the points.
    double X = 1, Y = 2;
    THotPointsData Points;
};

} // namespace

TEST_F(TMeshPickTest, AMarkerRoutesToItsHotPointAndOpensOneEditor)
{
    const int first = Points[0].Id3, second = Points[1].Id3;
    ASSERT_NE(first, 0);
    Move();
    EXPECT_TRUE(P3().FilterObjects(Marker(0)));
    THotPointEdit* editor = Panel->HotPointEdit;
    ASSERT_NE(editor, nullptr);
    EXPECT_EQ(&editor->HP, &Points[0]);
    EXPECT_EQ(editor->Dt, (TPoint2DOf<int>{50, 20}));
    EXPECT_EQ(Panel->DispatcherWnd3D.Exist(TPoint3D(1, 2, 3 + 0.5e-5)), editor) << "within the tolerance";
    EXPECT_EQ(Panel->DispatcherWnd3D.Exist(TPoint3D(1, 2, 3 + 2e-5)), nullptr);
    EXPECT_EQ(Panel->DispatcherWnd3D.Exist(TPoint3D()), nullptr) << "the status bar follows no point";
    const Integer widgets = Panel->DispatcherWnd3D.AWnd.Count;

    Move();
    EXPECT_TRUE(P3().FilterObjects(Marker(0)));
    EXPECT_EQ(Panel->HotPointEdit, editor) << "the point already carries an editor";
    Move();
    EXPECT_TRUE(P3().FilterObjects(Marker(1)));
    ASSERT_NE(Panel->HotPointEdit, nullptr);
    EXPECT_EQ(&Panel->HotPointEdit->HP, &Points[1]);
    EXPECT_EQ(Panel->DispatcherWnd3D.AWnd.Count, widgets) << "the editor was replaced";
    EXPECT_FALSE(Panel->DispatcherWnd3D.Exist(TPoint3D(1, 2, 3)));

    Panel->Calls.clear();
    EXPECT_FALSE(P3().PlacementChanged({})) << "the base takes no hot point";
    EXPECT_TRUE(Panel->Calls.empty());
    const std::string a = std::to_string(first), b = std::to_string(second);
    EXPECT_EQ(Panel->Routed,
              (std::vector<std::string>{"point can " + a, "point can " + a, "point can " + b, "point " + b}));
    EXPECT_TRUE(Panel->Selected.empty()) << "nothing went to the model-object overridables";

    // The editor closes when its delay runs out, and the panel forgets it.
    Panel->DispatcherWnd3D.PollTimers(std::chrono::steady_clock::now() + std::chrono::milliseconds(20001));
    EXPECT_EQ(Panel->HotPointEdit, nullptr);
    EXPECT_EQ(Panel->DispatcherWnd3D.AWnd.Count, widgets - 1);
    Move();
    EXPECT_TRUE(P3().FilterObjects(Marker(0))) << "a new editor, left for the panel to delete";
}

TEST_F(TMeshPickTest, AMeshRoutesToTheMeshOverridablesAndStrangersAreRefused)
{
    const auto mesh = Panel->MeshDraw.Add(Panel->MeshDraw.V, TMeshID::otFace);
    ASSERT_TRUE(mesh);
    const std::string id = std::to_string(mesh->GetId());
    Move();
    EXPECT_TRUE(P3().FilterObjects(tvapi::ITervanAPIObjectPtr(mesh)));
    EXPECT_TRUE(P3().PlacementChanged({}));
    EXPECT_EQ(Panel->Routed, (std::vector<std::string>{"mesh can " + id, "mesh " + id}));

    // A tessellation object the panel did not draw reaches no overridable.
    const auto stranger = drApi::MA.R3->ITessellationMng->CreateTessellationObject();
    Panel->Routed.clear();
    Move();
    EXPECT_FALSE(P3().FilterObjects(tvapi::ITervanAPIObjectPtr(stranger)));
    Panel->LastFilterObj = tvapi::ITervanAPIObjectPtr(stranger);
    EXPECT_FALSE(P3().PlacementChanged({}));
    // A hot point's marker without hot points is no pick either.
    Panel->AHotPoint = nullptr;
    EXPECT_FALSE(P3().FilterObjects(Marker(0)));
    EXPECT_TRUE(Panel->Routed.empty());
}
