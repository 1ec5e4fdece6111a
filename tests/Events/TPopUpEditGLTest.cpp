// The widgets drawn offscreen: what the dispatcher paints after the host, pixel by pixel,
// the OpenGL state it leaves, and the tree list's rows and the dimension editor's lines.

#include <GL/gl.h>

#include <gtest/gtest.h>

#include <memory>
#include <stdexcept>

#include "GLContext.h"
#include "TAdapter.h"
#include "TTreeListEdit.h"
#include "TestPanel.h"

namespace {

constexpr std::array<unsigned char, 3> White{255, 255, 255};
constexpr std::array<unsigned char, 3> Black{0, 0, 0};

class TWidgetGLTest : public TPanelFixture {
protected:
    static constexpr int Size = 128;

    void SetUp() override
    {
        TPanelFixture::SetUp();
        FGL = std::make_unique<OffscreenGL>(Size, Size);
        ASSERT_TRUE(FGL->Valid()) << "no offscreen OpenGL context";
        glViewport(0, 0, Size, Size);
        Clear(1.0f);
        NewDrawing();
        Panel = std::make_unique<TTestPanel>();
        ASSERT_TRUE(Panel->Frame);
        auto& rect = FrameOf(*Panel).Rect;
        rect[2] = Size;
        rect[3] = Size;
    }
    void TearDown() override
    {
        delete THintOGL::Current;
        Panel.reset();
        FGL.reset();
        TPanelFixture::TearDown();
    }
    static void Clear(float grey)
    {
        glClearColor(grey, grey, grey, 1.0f);
        glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    }
    void Paint() { Panel->DispatcherWnd3D.ClosePaintGL(0, {}); }
    // A widget that stays where it is put.
    template <class W, class... A> W* Place(int x, int y, A&&... args)
    {
        W* w = new W(Panel.get(), std::forward<A>(args)...);
        w->Mate3D = false;
        w->Origin = {x, y};
        return w;
    }
    // Pixels of exactly this colour in [x0, x1) x [y0, y1).
    int Count(int x0, int y0, int x1, int y1, std::array<unsigned char, 3> c) const
    {
        int n = 0;
        for (int y = y0; y < y1; ++y)
            for (int x = x0; x < x1; ++x) {
                const auto p = FGL->Pixel(x, y);
                n += p[0] == c[0] && p[1] == c[1] && p[2] == c[2];
            }
        return n;
    }
    int All(std::array<unsigned char, 3> c) const { return Count(0, 0, Size, Size, c); }

    std::unique_ptr<OffscreenGL> FGL;
    std::unique_ptr<TTestPanel> Panel;
};

constexpr std::array<unsigned char, 3> Red{255, 0, 0};

} // namespace

TEST_F(TWidgetGLTest, ABackgroundFillsExactlyTheWidgetsRectangle)
{
    auto* w = Place<TWindowOGL>(10, 100);
    w->SetBackClr(TColor(0x0000FF));
    Paint();
    EXPECT_EQ(Count(10, 76, 60, 100, Red), 50 * 24);
    EXPECT_EQ(All(Red), 50 * 24) << "nothing outside it";
    EXPECT_EQ(FGL->Pixel(9, 90)[0], 255);
    EXPECT_EQ(FGL->Pixel(9, 90)[1], 255);
    EXPECT_EQ(FGL->Pixel(60, 90)[1], 255);
    EXPECT_EQ(FGL->Pixel(30, 75)[1], 255);
}

TEST_F(TWidgetGLTest, ChildrenDrawInTheirOwnersPixels)
{
    auto* owner = Place<TWindowOGL>(10, 100);
    auto* child = new TWindowOGL(Panel.get(), owner);
    child->Origin = {5, -5};
    child->Width = 10;
    child->Height = 10;
    child->SetBackClr(TColor(0x0000FF));
    Paint();
    EXPECT_EQ(Count(15, 85, 25, 95, Red), 100);
    EXPECT_EQ(All(Red), 100);
}

TEST_F(TWidgetGLTest, ALabelInBackgroundModeDrawsWhiteWhateverItsColour)
{
    Clear(0.0f);
    auto* label = Place<TLabelOGL>(10, 100, nullptr, "Abc");
    label->SetBackClr(TColor(0x0000FF));
    Paint();
    EXPECT_EQ(All(Red), 0);
    EXPECT_GT(Count(10, 70, 60, 101, White), 100);
    EXPECT_EQ(FGL->Pixel(10, 100)[0], 255) << "the top-left corner is inside the white box";
    EXPECT_EQ(Count(0, 0, 9, Size, White), 0) << "nothing left of it";
}

TEST_F(TWidgetGLTest, TextLeavesInkInsideItsBox)
{
    auto* label = Place<TLabelOGL>(20, 80, nullptr, "W8");
    label->NoBackground();
    Paint();
    const int inside = FGL->CountInk(20, 50, 70, 82, White);
    EXPECT_GT(inside, 20);
    EXPECT_EQ(FGL->CountInk(0, 0, Size, Size, White), inside) << "no ink outside the label's box";
    EXPECT_EQ(Count(20, 50, 70, 82, Black), inside) << "a plain label writes black";
}

TEST_F(TWidgetGLTest, TheFocusedEditShowsARedCaretAfterItsText)
{
    int v = 42;
    auto* edit = Place<TValidateEdit>(20, 90, nullptr);
    edit->Height = 20;
    edit->SetLink({TVariablePtr::pvInteger, &v});
    Paint();
    EXPECT_EQ(All(Red), 0) << "no caret without the focus";
    EXPECT_GT(FGL->CountInk(20, 60, 80, 92, White), 10);
    edit->SetFocus();
    Clear(1.0f);
    Paint();
    EXPECT_GT(All(Red), 3);
    const int textWidth = static_cast<int>(Panel->DispatcherWnd3D.GI.Font.Len("42", 2) * 20);
    EXPECT_EQ(Count(0, 0, 20 + textWidth - 1, Size, Red), 0) << "the caret stands after the text";
}

TEST_F(TWidgetGLTest, ClosePaintGLLeavesTheStateAsItFoundIt)
{
    Place<TWindowOGL>(10, 100)->SetBackClr(TColor(0x00FF00));
    auto* edit = Place<TValidateEdit>(20, 60, nullptr);
    edit->SetText("1", true, false);
    edit->SetFocus();
    Panel->StatusBar.LiftBox("status", 0);
    glEnable(GL_LIGHTING);
    glEnable(GL_DEPTH_TEST);
    glDepthFunc(GL_LESS);
    glMatrixMode(GL_PROJECTION);
    glPushMatrix();
    glMatrixMode(GL_TEXTURE);
    GLint before[5];
    glGetIntegerv(GL_MODELVIEW_STACK_DEPTH, &before[0]);
    glGetIntegerv(GL_PROJECTION_STACK_DEPTH, &before[1]);
    glGetIntegerv(GL_ATTRIB_STACK_DEPTH, &before[2]);
    glGetIntegerv(GL_CLIENT_ATTRIB_STACK_DEPTH, &before[3]);
    glGetIntegerv(GL_MATRIX_MODE, &before[4]);
    Paint();
    EXPECT_EQ(glGetError(), static_cast<GLenum>(GL_NO_ERROR));
    GLint after[5];
    glGetIntegerv(GL_MODELVIEW_STACK_DEPTH, &after[0]);
    glGetIntegerv(GL_PROJECTION_STACK_DEPTH, &after[1]);
    glGetIntegerv(GL_ATTRIB_STACK_DEPTH, &after[2]);
    glGetIntegerv(GL_CLIENT_ATTRIB_STACK_DEPTH, &after[3]);
    glGetIntegerv(GL_MATRIX_MODE, &after[4]);
    for (int i = 0; i < 5; ++i)
        EXPECT_EQ(after[i], before[i]) << i;
    EXPECT_TRUE(glIsEnabled(GL_LIGHTING));
    EXPECT_TRUE(glIsEnabled(GL_DEPTH_TEST));
    GLint depthFunc = 0;
    glGetIntegerv(GL_DEPTH_FUNC, &depthFunc);
    EXPECT_EQ(depthFunc, GL_LESS);
    glMatrixMode(GL_PROJECTION);
    glPopMatrix();
    glMatrixMode(GL_MODELVIEW);
}

TEST_F(TWidgetGLTest, AFailingModelPassIsReportedAndTheScreenPassStillRuns)
{
    struct TFailing : TWindowOGL {
        using TWindowOGL::TWindowOGL;
        void Draw(TGImage&) override { throw std::runtime_error("broken"); }
    };
    auto* w = Place<TFailing>(10, 100);
    w->SetBackClr(TColor(0x0000FF));
    GLint before = 0, after = 0;
    glGetIntegerv(GL_ATTRIB_STACK_DEPTH, &before);
    Paint();
    glGetIntegerv(GL_ATTRIB_STACK_DEPTH, &after);
    EXPECT_EQ(after, before) << "the attributes saved for the widget are restored";
    EXPECT_EQ(All(Red), 50 * 24) << "the screen pass drew it";
    ASSERT_EQ(Panel->StatusBar.M.Count, 1);
    EXPECT_EQ(Panel->StatusBar.M[0].T, TString("Ошибка отрисовки DispWnd3D"));
}

TEST_F(TWidgetGLTest, TheStatusLineStacksItsMessagesUpwards)
{
    Panel->StatusBar.LiftBox("1", 0);
    Paint();
    const int one = FGL->CountInk(20, 0, Size, Size, White);
    EXPECT_GT(one, 5);
    EXPECT_EQ(FGL->CountInk(0, 0, 20, Size, White), 0) << "the bar starts 20 pixels in";
    EXPECT_EQ(FGL->CountInk(0, 0, Size, 22, White), 0) << "its first line 2 pixels over its origin";
    Panel->StatusBar.LiftBox("2", 0);
    Clear(1.0f);
    Paint();
    EXPECT_GT(FGL->CountInk(20, 0, Size, Size, White), one);
}

TEST_F(TWidgetGLTest, WithoutAFrameNothingIsDrawnOnScreen)
{
    Place<TWindowOGL>(10, 100)->SetBackClr(TColor(0x0000FF));
    Panel->Frame.Reset();
    Paint();
    EXPECT_EQ(All(Red), 0);
    EXPECT_EQ(glGetError(), static_cast<GLenum>(GL_NO_ERROR));
}

TEST_F(TWidgetGLTest, AnOpenComboShowsItsChoicesUnderTheBox)
{
    TEnum method("Метод", 0, {"one", "two"});
    auto* combo = Place<TComboBox>(10, 120, nullptr, method);
    combo->Width = 80;
    combo->Height = 20;
    Paint();
    const int closed = FGL->CountInk(0, 0, Size, 98, White);
    EXPECT_EQ(closed, 0) << "closed: nothing under the box";
    combo->SetFocus();
    Clear(1.0f);
    Paint();
    EXPECT_GT(FGL->CountInk(10, 60, 90, 98, White), 20) << "the two choices";
}

// ---- tree list ------------------------------------------------------------------------------

namespace {

int DeletedNodes = 0;

class TCountedNode : public TTreeNode {
public:
    using TTreeNode::TTreeNode;
    ~TCountedNode() override { ++DeletedNodes; }
};

} // namespace

TEST_F(TWidgetGLTest, ABranchOpensFromOneRowToThreeIndentedByTen)
{
    double length = 12.5;
    TPoint3D point;
    auto* list = Place<TTreeListEdit>(0, 120);
    auto* leafPoint = new TTreeNode("Точка", new TVariablePtr(TVariablePtr::pvPoint3D, &point), nullptr);
    auto* leafLength = new TTreeNode("Длина", new TVariablePtr(TVariablePtr::pvReal, &length), leafPoint);
    auto* root = new TTreeNode("Размеры", leafLength, nullptr);
    list->SetTree(root);
    EXPECT_EQ(list->AChildWnd.Count, 4) << "three captions and one box";
    EXPECT_EQ(list->Count, 1028);
    EXPECT_NE(leafLength->Edit, nullptr);
    EXPECT_EQ(leafPoint->Edit, nullptr) << "a point has no value widget";
    EXPECT_NE(leafPoint->Label, nullptr);
    EXPECT_FALSE(root->Expanded);
    Paint();
    EXPECT_EQ(list->Rows, 1);
    EXPECT_EQ(root->Label->Origin, (TPoint2DOf<int>{10, -25}));

    // The root's caption covers 10..160 x -50..-25 of the list, 70..95 of the view.
    EXPECT_TRUE(list->MouseMove({}, 20, 80));
    EXPECT_TRUE(list->MouseDown({}, 20, 80));
    EXPECT_TRUE(root->Expanded);
    EXPECT_EQ(TWindowOGL::Focus, nullptr) << "a caption does not keep the focus";
    Clear(1.0f);
    Paint();
    EXPECT_EQ(list->Rows, 3);
    EXPECT_EQ(leafLength->Label->Origin, (TPoint2DOf<int>{20, -50}));
    EXPECT_EQ(leafPoint->Label->Origin, (TPoint2DOf<int>{20, -75}));
    EXPECT_EQ(leafLength->Edit->Origin, (TPoint2DOf<int>{250, -50}));
}

TEST_F(TWidgetGLTest, SetTreeTwiceDeletesTheFirstTreeAndItsWidgets)
{
    DeletedNodes = 0;
    auto* list = Place<TTreeListEdit>(0, 120);
    list->SetTree(new TCountedNode("a", static_cast<TTreeNode*>(nullptr),
                                   new TCountedNode("b", static_cast<TTreeNode*>(nullptr), nullptr)));
    EXPECT_EQ(list->AChildWnd.Count, 2);
    list->SetTree(new TCountedNode("c", static_cast<TTreeNode*>(nullptr), nullptr));
    EXPECT_EQ(DeletedNodes, 2);
    EXPECT_EQ(list->AChildWnd.Count, 1) << "the old captions left with their nodes";
    EXPECT_EQ(list->AChildWnd[0]->Text, TString("c"));
    Paint();
    delete list;
    EXPECT_EQ(DeletedNodes, 3);
}

// ---- dimension value --------------------------------------------------------------------------

TEST_F(TWidgetGLTest, ALinearDimensionDrawsItsLinesAndMovesItsTextPoint)
{
    TDimension3D d;
    d.Type = TDimension3D::tdLinear;
    d.V = 40.0;
    d.P11 = TPoint3D(10, 10, 0);
    d.P12 = TPoint3D(50, 10, 0);
    d.AY = TVector3D(0, 1, 0);
    d.T = TPoint3D(30, 40, 0);
    auto* editor = new TDimensionWnd3D(d, Panel.get(), TMtr3D(), 0);
    EXPECT_EQ(editor->Tips, TString("* справочно")) << "no registered variable";
    EXPECT_EQ(editor->V.PDataReal, &d.V);
    EXPECT_EQ(std::string(editor->Text.PChar()), "  40.00");
    EXPECT_EQ(editor->Origin3D, TPoint3D(30, 40, 0));
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    glOrtho(0, Size, 0, Size, -1, 1);
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
    editor->Mate3D = false;
    editor->Origin = {-100, -100};
    Paint();
    EXPECT_EQ(d.T, TPoint3D(30, 35, 0)) << "the middle of the dimension line";
    const std::array<unsigned char, 3> blue{0, 0, 255};
    EXPECT_GT(Count(10, 34, 51, 36, blue), 30) << "the dimension line at y 35";
    EXPECT_GT(Count(9, 11, 11, 34, blue), 20) << "an extension line";

    d.Type = TDimension3D::tdAngleL;
    Clear(1.0f);
    Paint();
    EXPECT_EQ(FGL->CountInk(0, 0, Size, Size, White), 0) << "other kinds show nothing";
}
