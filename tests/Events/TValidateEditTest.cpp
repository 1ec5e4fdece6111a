// The in-view widgets: the edit box under its validator (caret, Enter, Escape, refused
// characters, the length bound), hints, and the combo box over a choice adapter.

#include "TValidateEdit.h"

#include <gtest/gtest.h>

#include <string>

#include "TAdapter.h"
#include "cPropertyMenagerEvent.h"

namespace {

class TWidgetTest : public ::testing::Test {
protected:
    void TearDown() override { delete THintOGL::Current; }
    // A top-level box bound to V.
    TValidateEdit& Edit(const TVariablePtr& V) { return *new TValidateEdit(&Panel, TPoint3D(1, 2, 3), V, 0); }
    static bool Key(TValidateEdit& e, int code)
    {
        int k = code;
        return e.OnKeyDown(k, 0, {});
    }
    static std::string Text(const TWindowOGL& w) { return w.Text.PChar(); }
    static TString HintText() { return THintOGL::Current ? THintOGL::Current->Text : TString(); }

    TBaseManager Panel;
};

} // namespace

TEST_F(TWidgetTest, SetLinkShowsARealInSevenCharactersWithTheCaretAfterIt)
{
    double v = 1.5;
    TValidateEdit& e = Edit({TVariablePtr::pvReal, &v});
    EXPECT_EQ(Text(e), "   1.50");
    EXPECT_EQ(e.BeginSelect, 7);
    EXPECT_EQ(e.EndSelect, 7);
    ASSERT_NE(e.Validator, nullptr);
    e.SetText("-1999.5", true, false);
    EXPECT_TRUE(e.IsValid(false));
    e.SetText("2000.5", true, false);
    EXPECT_FALSE(e.IsValid(false)) << "outside -2000..2000";
    e.SetLink({TVariablePtr::pvPoint3D, nullptr});
    EXPECT_EQ(Text(e), "") << "a kind without a text leaves the box unbound";
    EXPECT_EQ(e.V.Type, TVariablePtr::pvEmpty);
    bool b = true;
    e.SetLink({TVariablePtr::pvBoolean, &b});
    EXPECT_EQ(Text(e), "true");
}

TEST_F(TWidgetTest, BackspaceAtTheStartAndRightAtTheEndChangeNothing)
{
    int v = 42;
    TValidateEdit& e = Edit({TVariablePtr::pvInteger, &v});
    EXPECT_TRUE(Key(e, TWindowOGL::wk_RIGHT));
    EXPECT_EQ(e.BeginSelect, 2);
    Key(e, TWindowOGL::wk_LEFT);
    Key(e, TWindowOGL::wk_LEFT);
    Key(e, TWindowOGL::wk_LEFT);
    EXPECT_EQ(e.BeginSelect, 0);
    EXPECT_TRUE(Key(e, TWindowOGL::wk_BACK));
    EXPECT_EQ(Text(e), "42");
    EXPECT_TRUE(Key(e, TWindowOGL::wk_DELETE));
    EXPECT_EQ(Text(e), "2");
    Key(e, TWindowOGL::wk_RIGHT);
    EXPECT_TRUE(Key(e, TWindowOGL::wk_DELETE)) << "nothing after the caret";
    EXPECT_EQ(Text(e), "2");
    Key(e, TWindowOGL::wk_BACK);
    EXPECT_EQ(Text(e), "");
    EXPECT_EQ(e.BeginSelect, 0);
}

TEST_F(TWidgetTest, AMinusKeyIsRefusedByANonNegativeRangeWithAHint)
{
    int v = 5;
    TValidateEdit& e = Edit({TVariablePtr::pvInteger, &v});
    EXPECT_TRUE(Key(e, TValidateEdit::KeyMinus));
    EXPECT_EQ(Text(e), "5");
    EXPECT_EQ(e.BeginSelect, 1);
    EXPECT_FALSE(e.Has(TPropertyOGLWnd::seEdited));
    ASSERT_NE(THintOGL::Current, nullptr);
    EXPECT_EQ(HintText(), TString("Недопустимый символ"));
    EXPECT_EQ(THintOGL::Current->Dt, (TPoint2DOf<int>{50, -12}));
    EXPECT_EQ(THintOGL::Current->Origin3D, e.Origin3D);
    Key(e, '7');
    EXPECT_EQ(Text(e), "57");
    EXPECT_TRUE(e.Has(TPropertyOGLWnd::seEdited));
}

TEST_F(TWidgetTest, EnterStoresTheTextAndEscapeRestoresTheValue)
{
    int v = 5;
    TValidateEdit& e = Edit({TVariablePtr::pvInteger, &v});
    e.SetFocus();
    Key(e, TWindowOGL::wk_BACK);
    Key(e, '1');
    Key(e, '2');
    EXPECT_FALSE(Key(e, TWindowOGL::wk_RETURN));
    EXPECT_EQ(v, 12);
    EXPECT_FALSE(e.Has(TPropertyOGLWnd::seFocused | TPropertyOGLWnd::seEdited));
    EXPECT_EQ(TWindowOGL::Focus, nullptr);

    e.SetFocus();
    Key(e, '3');
    EXPECT_EQ(Text(e), "123");
    EXPECT_FALSE(Key(e, TWindowOGL::wk_ESCAPE));
    EXPECT_EQ(Text(e), "12");
    EXPECT_EQ(v, 12);
    EXPECT_FALSE(e.Has(TPropertyOGLWnd::seEdited));
}

TEST_F(TWidgetTest, TypingStopsAtTheBoxLengthAndAZeroByteIsNeverInserted)
{
    TString s;
    TValidateEdit& e = Edit({TVariablePtr::pvStr, &s});
    for (int i = 0; i < TValidateEdit::MaxLength + 10; ++i)
        Key(e, 'a' + i % 26);
    EXPECT_EQ(e.Text.Length(), TValidateEdit::MaxLength);
    EXPECT_EQ(e.BeginSelect, TValidateEdit::MaxLength);
    EXPECT_EQ(HintText(), TString("Недопустимый символ"));
    Key(e, TWindowOGL::wk_BACK);
    Key(e, 0x100); // low byte 0
    EXPECT_EQ(e.Text.Length(), TValidateEdit::MaxLength - 1);
}

TEST_F(TWidgetTest, TypingKeepsATimedBoxOpen)
{
    int v = 1;
    auto* e = new TValidateEdit(&Panel, TPoint3D(), TVariablePtr(TVariablePtr::pvInteger, &v), 3000);
    EXPECT_EQ(Panel.DispatcherWnd3D.PendingTimers(), 1u);
    EXPECT_TRUE(e->CanClose());
    Key(*e, '2');
    EXPECT_EQ(Panel.DispatcherWnd3D.PendingTimers(), 0u);
}

TEST_F(TWidgetTest, AKeyWithoutPanelDoesNothing)
{
    int v = 1;
    TValidateEdit e(nullptr, TPoint3D(), TVariablePtr(TVariablePtr::pvInteger, &v), 0);
    EXPECT_TRUE(Key(e, '2'));
    EXPECT_EQ(Text(e), "1");
}

TEST_F(TWidgetTest, HintWidthGrowsFiveAPlaceFromThirteenCharacters)
{
    THintOGL::Hint(&Panel, TPoint3D(), "123456789012", 0, 0, 0);
    EXPECT_EQ(THintOGL::Current->Width, 65);
    EXPECT_EQ(THintOGL::Current->Height, 24);
    THintOGL::Hint(&Panel, TPoint3D(), "1234567890123", 0, 0, 0);
    EXPECT_EQ(THintOGL::Current->Width, 70);
}

TEST_F(TWidgetTest, ANewHintDeletesThePendingOne)
{
    THintOGL::Hint(&Panel, TPoint3D(), "first", 20, 20, 2000);
    THintOGL* first = THintOGL::Current;
    const Integer firstId = first->Id;
    EXPECT_EQ(Panel.DispatcherWnd3D.PendingTimers(), 1u);
    THintOGL::Hint(&Panel, TPoint3D(), "second", 20, 20, 2000);
    EXPECT_EQ(Panel.DispatcherWnd3D.Exist(firstId), nullptr);
    EXPECT_EQ(HintText(), TString("second"));
    ASSERT_EQ(Panel.DispatcherWnd3D.PendingTimers(), 1u) << "the first hint's timer left with it";
    EXPECT_EQ(Panel.DispatcherWnd3D.Timer[0].WndId, THintOGL::Current->Id);
    Panel.DispatcherWnd3D.PollTimers(TDispatcherWnd3D::TClock::now() + std::chrono::seconds(3));
    EXPECT_EQ(THintOGL::Current, nullptr) << "closed by its timer";
}

TEST_F(TWidgetTest, AWidgetWithATipShowsItWhenThePointerEnters)
{
    auto* w = new TButton(&Panel, nullptr, "ok");
    w->Origin = {0, 50};
    w->Tips = "Подсказка";
    EXPECT_TRUE(w->MouseMove({}, 5, 40));
    EXPECT_EQ(HintText(), TString("Подсказка"));
}

TEST_F(TWidgetTest, LabelsIgnoreThePointerAndButtonsGiveTheFocusBack)
{
    auto* edit = new TValidateEdit(&Panel, nullptr);
    edit->SetFocus();
    auto* label = new TLabelOGL(&Panel, nullptr, "label");
    label->Origin = {0, 100};
    EXPECT_FALSE(label->MouseMove({}, 5, 90));
    auto* button = new TButton(&Panel, nullptr, "go");
    button->Origin = {100, 100};
    EXPECT_TRUE(button->MouseMove({}, 105, 90));
    EXPECT_TRUE(button->MouseDown({}, 105, 90));
    EXPECT_EQ(TWindowOGL::Focus, edit) << "the click leaves the focus where it was";
    EXPECT_TRUE(edit->Has(TPropertyOGLWnd::seFocused));
    EXPECT_FALSE(button->Has(TPropertyOGLWnd::seFocused));
}

TEST_F(TWidgetTest, AComboPressOnAnItemSetsTheAdapterAndAPressElsewhereOnlyCloses)
{
    TEnum method("Метод", 0, {"a", "b", "c"});
    auto* combo = new TComboBox(&Panel, nullptr, method);
    combo->Origin = {0, 100};
    combo->Width = 100;
    EXPECT_FALSE(combo->MouseMove({}, 10, 90)) << "only the drop-down square answers";
    EXPECT_TRUE(combo->MouseMove({}, 90, 90));
    EXPECT_TRUE(combo->MouseDown({}, 90, 90));
    ASSERT_TRUE(combo->Has(TPropertyOGLWnd::seFocused)) << "open";
    EXPECT_TRUE(combo->MouseMove({}, 10, 40)) << "the second row under the box";
    EXPECT_EQ(combo->SubSelected, 1);
    EXPECT_FALSE(combo->MouseDown({}, 10, 40));
    EXPECT_EQ(*method.PInt, 1);
    EXPECT_EQ(combo->CurrentText(), TString("b"));
    EXPECT_FALSE(combo->Has(TPropertyOGLWnd::seFocused));
    EXPECT_EQ(TWindowOGL::Selected, combo);

    EXPECT_TRUE(combo->MouseDown({}, 90, 90));
    EXPECT_FALSE(combo->MouseMove({}, 300, 40));
    EXPECT_EQ(combo->SubSelected, -1);
    EXPECT_FALSE(combo->MouseDown({}, 300, 40));
    EXPECT_EQ(*method.PInt, 1) << "unchanged";
    EXPECT_FALSE(combo->Has(TPropertyOGLWnd::seFocused));
}

TEST_F(TWidgetTest, TheDispatcherRereadsBoxesBoundToAChangedVariable)
{
    double v = 1.5;
    auto* owner = new TWindowOGL(&Panel);
    auto* child = new TValidateEdit(&Panel, owner);
    child->SetLink({TVariablePtr::pvReal, &v});
    TValidateEdit& top = Edit({TVariablePtr::pvReal, &v});
    v = 2.25;
    Panel.DispatcherWnd3D.ChangeValue(&v);
    EXPECT_EQ(Text(*child), "   2.25");
    EXPECT_EQ(Text(top), "   2.25");
}

TEST_F(TWidgetTest, AValidatorsMessageIsAHintAtTheBoxWhichTakesTheFocus)
{
    int v = 5;
    TValidateEdit& e = Edit({TVariablePtr::pvInteger, &v});
    ASSERT_NE(e.Validator, nullptr);
    EXPECT_EQ(e.Validator->Wnd, &e);
    EXPECT_FALSE(e.Validator->Valid("2001"));
    ASSERT_NE(THintOGL::Current, nullptr);
    EXPECT_EQ(THintOGL::Current->Dt, (TPoint2DOf<int>{20, 20}));
    EXPECT_EQ(THintOGL::Current->Origin3D, TPoint3D(1, 2, 3));
    EXPECT_EQ(TWindowOGL::Focus, &e);
    e.SetValidator(nullptr);
    EXPECT_TRUE(e.IsValid(false)) << "no validator: every text";
}

TEST(TTimeTest, TheTextIsTheLocalTimeAndAddMSMovesIt)
{
    TTime t;
    t.T = TTime::TClock::from_time_t(0);
    const std::string before = t.toStr().PChar();
    ASSERT_EQ(before.size(), 19u) << "YYYY-MM-DD HH:MM:SS";
    EXPECT_EQ(before.substr(17), "00") << "time zones move by whole minutes";
    t.AddMS(61000);
    const std::string after = t.toStr().PChar();
    EXPECT_EQ(after.substr(17), "01");
    EXPECT_NE(after.substr(14, 2), before.substr(14, 2)) << "a minute later";
}
