// The hot point's editor: its rows for the values, the close button, its timers.

#include "THotPointEdit.h"

#include <gtest/gtest.h>

#include "HotPointData.h"
#include "cPropertyMenagerEvent.h"

namespace {

class THotPointEditTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        HP.Set(TPoint3D(1, 2, 3), A, "Длина", B, "Ширина");
        HP.Caption = "Точка";
    }
    void TearDown() override { delete THintOGL::Current; }
    THotPointEdit* Open()
    {
        auto* e = new THotPointEdit(&Panel, HP, 20000);
        Panel.HotPointEdit = e;
        e->Origin = {100, 300};
        return e;
    }

    double A = 10.0;
    double B = 20.0;
    THotPointData HP;
    TBaseManager Panel;
};

} // namespace

TEST_F(THotPointEditTest, TwoValuesGiveSixChildrenInRowsOf25)
{
    THotPointEdit* e = Open();
    EXPECT_EQ(e->Height, 77);
    EXPECT_EQ(e->Width, 204);
    ASSERT_EQ(e->AChildWnd.Count, 6);
    EXPECT_EQ(e->Caption()->Text, TString("Точка"));
    EXPECT_EQ(e->CloseButton()->Text, TString("[X]"));
    EXPECT_TRUE(e->CloseButton()->Mask & TPropertyOGLWnd::mdSelectable);
    TValidateEdit* first = e->ValueEdit(0);
    TValidateEdit* second = e->ValueEdit(1);
    ASSERT_TRUE(first && second);
    EXPECT_EQ(e->ValueEdit(2), nullptr);
    EXPECT_EQ(first->Origin, (TPoint2DOf<int>{1, -28}));
    EXPECT_EQ(first->Origin.y - second->Origin.y, 25);
    EXPECT_EQ(first->Width, 60);
    EXPECT_EQ(std::string(first->Text.PChar()), "  10.00");
    EXPECT_EQ(std::string(second->Text.PChar()), "  20.00");
    EXPECT_EQ(e->AChildWnd[3]->Text, TString("Длина"));
    EXPECT_EQ(e->AChildWnd[5]->Origin.y, second->Origin.y) << "the comment beside its box";
    EXPECT_FALSE(e->AChildWnd[3]->Mask & TPropertyOGLWnd::mdBackground);
    EXPECT_EQ(Panel.DispatcherWnd3D.Exist(TPoint3D(1, 2, 3)), e);
    EXPECT_EQ(Panel.DispatcherWnd3D.PendingTimers(), 1u);
}

TEST_F(THotPointEditTest, TheCloseButtonDeletesTheEditor)
{
    THotPointEdit* e = Open();
    const Integer id = e->Id;
    // The button's rectangle is 163..182 x -27..-3 in the editor's pixels.
    ASSERT_TRUE(e->MouseMove({}, 270, 290));
    EXPECT_TRUE(e->MouseDown({}, 270, 290));
    EXPECT_EQ(Panel.DispatcherWnd3D.Exist(id), nullptr);
    EXPECT_EQ(Panel.HotPointEdit, nullptr) << "the panel forgets it";
    EXPECT_EQ(Panel.DispatcherWnd3D.PendingTimers(), 0u);
}

TEST_F(THotPointEditTest, PressingAValueLabelDoesNothingToIt)
{
    THotPointEdit* e = Open();
    TWindowOGL* label = e->AChildWnd[3];
    // The label covers 62..182 x -52..-28 of the editor.
    EXPECT_TRUE(e->MouseMove({}, 200, 260)) << "the editor itself is hovered";
    e->MouseDown({}, 200, 260);
    EXPECT_EQ(Panel.DispatcherWnd3D.Exist(e->Id), e);
    EXPECT_EQ(label->State, 0u);
    EXPECT_EQ(A, 10.0);
}

TEST_F(THotPointEditTest, TypingIntoAValueStoresItOnEnter)
{
    THotPointEdit* e = Open();
    TValidateEdit* box = e->ValueEdit(1);
    ASSERT_TRUE(e->MouseMove({}, 110, 240)); // the second box: 1..61 x -77..-53
    EXPECT_EQ(TWindowOGL::Selected, box);
    ASSERT_TRUE(e->MouseDown({}, 110, 240));
    EXPECT_EQ(TWindowOGL::Focus, box);
    int key = 0;
    for (int code : {int(TWindowOGL::wk_BACK), int(TWindowOGL::wk_BACK), int(TWindowOGL::wk_BACK), int('5')})
        Panel.KeyDown(key = code, 0, {});
    EXPECT_EQ(std::string(box->Text.PChar()), "  205");
    EXPECT_EQ(Panel.DispatcherWnd3D.PendingTimers(), 0u) << "typing keeps the editor open";
    Panel.KeyDown(key = TWindowOGL::wk_RETURN, 0, {});
    EXPECT_EQ(B, 205.0);
    EXPECT_EQ(std::string(box->Text.PChar()), " 205.00") << "the box shows the variable's new value";
    EXPECT_EQ(std::string(e->ValueEdit(0)->Text.PChar()), "  10.00");
}

TEST_F(THotPointEditTest, MovesInsideAddAnIdleTimerAndLosingTheFocusDropsThem)
{
    THotPointEdit* e = Open();
    e->MouseMove({}, 200, 290);
    e->MouseMove({}, 201, 290);
    EXPECT_EQ(Panel.DispatcherWnd3D.PendingTimers(), 3u);
    e->MouseMove({}, 900, 900);
    EXPECT_EQ(Panel.DispatcherWnd3D.PendingTimers(), 3u) << "a move outside adds none";
    e->OnKillFocus();
    EXPECT_EQ(Panel.DispatcherWnd3D.PendingTimers(), 0u);
}

TEST_F(THotPointEditTest, WithoutPanelTheEditorIsBuiltButNotListed)
{
    THotPointEdit e(nullptr, HP, 20000);
    EXPECT_EQ(e.Id, 0);
    EXPECT_EQ(e.AChildWnd.Count, 6);
    EXPECT_EQ(e.Origin3D, TPoint3D(1, 2, 3));
}
