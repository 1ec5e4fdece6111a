// The panel's builders: the controls they ask for, the settings they make in order, the
// bindings they append, and what they do without a tab.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "TAdapter.h"
#include "TestPanel.h"

using namespace tvapi;
using TSettings = std::vector<std::string>;

class TBuildersTest : public TTabPanelFixture {
protected:
    template <class I> static const TSettings& Settings(const Ptr<I>& p) { return HostOf(p).Settings(); }
    const TPropertylVariable& Binding(int i) { return Panel->APropertyVariable[i]; }
};

TEST_F(TBuildersTest, WithoutATabSetNothingIsBuilt)
{
    TBaseManager bare; // no tab set: AddTab gives an empty tab
    EXPECT_FALSE(bare.AddTab("Параметры"));
    double d = 1;
    int i = 2;
    bool b = true;
    TString s("x");
    EXPECT_FALSE(bare.AddEditValue("a", "", d, false));
    EXPECT_FALSE(bare.AddEditValue("a", "", i, 0, 10, true));
    EXPECT_FALSE(bare.AddEditValue("a", "", b, false));
    EXPECT_FALSE(bare.AddEditValue("a", "", s, 0));
    EXPECT_FALSE(bare.AddGrid("g", "", 2, 2, true, 1, 1));
    EXPECT_EQ(bare.APropertyVariable.Count, 0);
}

TEST_F(TBuildersTest, AddTabMakesTheNewTabCurrent)
{
    const IPropertyTabPtr tab = Panel->AddTab("Второй", false);
    auto* host = dynamic_cast<tvhost::THostPropertyTab*>(tab.Get());
    ASSERT_NE(host, nullptr);
    EXPECT_FALSE(host->Visible());
    EXPECT_FALSE(host->Expanded());
    Panel->AddSeparator(L"line", tvSeparatorDownName);
    EXPECT_EQ(host->Controls().Controls().size(), 1u);
    EXPECT_TRUE(Panel->Tab(1) == tab);
    EXPECT_FALSE(Panel->Tab(2));
}

// The settings each builder makes, in order: shown values, read-only or enabled as the kind says.
TEST_F(TBuildersTest, BuildersMakeTheirSettingsInOrder)
{
    int withDelta = 4, plain = 4, i = 3;
    double value = 2;
    TString s("abc");
    bool flag = true;
    TArrayOf<TString> texts{"a", "b", "c"};
    texts.Current = -1;
    const struct {
        const char* Name;
        TSettings Got, Expected;
    } cases[] = {
        {"SpinShowsTheDelta",
         Settings(Panel->AddEditValue("a", "", withDelta, 0, 10, true)),
         {"SetValue(5)", "SetCaption(a)", "SetRange(0, 10)"}},
        {"SpinWithoutDelta",
         Settings(Panel->AddEditValue("b", "", plain, 0, 10, false)),
         {"SetValue(4)", "SetCaption(b)", "SetRange(0, 10)"}},
        {"ScaledRealShowsTheProduct",
         Settings(Panel->AddEditValue("Длина", "", value, 1000.0, true)),
         {"SetRealValue(2000)", "SetCaption(Длина)", "SetEnabled(false)"}},
        {"ReadOnlyInteger",
         Settings(Panel->AddEditValue("n", "", i, true)),
         {"SetIntValue(3)", "SetCaption(n)", "SetReadOnly(true)"}},
        {"TextWithoutWidth", Settings(Panel->AddEditValue("s", "", s, 0)), {"SetText(abc)", "SetCaption(s)"}},
        {"TextWithWidth",
         Settings(Panel->AddEditStr("w", "", s, 12)),
         {"SetText(abc)", "SetCaption(w)", "SetWidth(12)"}},
        {"CheckBox",
         Settings(Panel->AddEditValue("f", "", flag, false, true)),
         {"SetCaption(f)", "SetChecked(true)", "SetEnabled(true)", "SetCheckBoxStyle(1)"}},
        // Twenty pixels a row.
        {"Grid",
         Settings(Panel->AddGrid("Звенья", "", 4, 56, true, 1, 1)),
         {"SetColumnCount(4)", "SetFixedColumnCount(1)", "SetRowCount(56)", "SetFixedRowCount(1)",
          "SetCaption(Звенья)", "SetReadOnly(true)", "SetGridHeight(1120)"}},
        {"ListTakesTheCursor",
         Settings(Panel->AddListStr("L", "", texts)),
         {"SetCaption(L)", "SetSorted(false)", "SetTextItems(a|b|c)", "SetCurrentIndex(0)",
          "SetReadOnly(true)", "SetWidth(6)"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Name);
        EXPECT_EQ(c.Got, c.Expected);
    }
    EXPECT_EQ(Binding(0).PDataInteger, &withDelta);
    EXPECT_EQ(Binding(1).PDataInteger, &plain);
}

TEST_F(TBuildersTest, PointsBindTheirCoordinatesToTheirOwnFields)
{
    TPoint3D p(1, 2, 3);
    const auto c = Panel->AddEditValue("P", "", p);
    ASSERT_EQ(Panel->APropertyVariable.Count, 3);
    const double* expected[3] = {&p.x, &p.y, &p.z};
    for (int i = 0; i < 3; ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(Binding(i).PDataReal, expected[i]);
        EXPECT_TRUE(Binding(i).Owner == c);
        EXPECT_TRUE(Binding(i).Control == c->GetEdit(i));
        EXPECT_EQ(c->GetEdit(i)->GetRealValue(), i + 1.0);
    }
    EXPECT_EQ(Settings(c).front(), "SetCaption(P)");
    EXPECT_EQ(Settings(c)[3], "SetCoordinateMode(2, 3)");
    EXPECT_EQ(Settings(c).back(), "SetHyperLinkNameStyle(true)");
    // A flat point binds its third field to a private value.
    TPoint2D q(5, 6);
    const auto flat = Panel->AddEditValue("Q", "", q);
    ASSERT_EQ(Panel->APropertyVariable.Count, 6);
    EXPECT_EQ(Settings(flat)[3], "SetCoordinateMode(2, 2)");
    EXPECT_EQ(flat->GetEdit(2)->GetRealValue(), 0.0);
    EXPECT_NE(Binding(5).PDataReal, nullptr);
    EXPECT_NE(Binding(5).PDataReal, &q.x);
    EXPECT_NE(Binding(5).PDataReal, &q.y);
}

TEST_F(TBuildersTest, AnEmptyListIsHidden)
{
    TArrayOf<TString> none;
    const auto empty = Panel->AddListStr("E", "", none);
    EXPECT_FALSE(HostOf(empty).Visible());
    EXPECT_EQ(empty->GetItemCount(), 0);
    EXPECT_EQ(empty->GetCurrentIndex(), -1);
}

TEST_F(TBuildersTest, SetValueAndResetOfAList)
{
    TArrayOf<TString> texts{"a", "b"};
    const auto list = Panel->AddListStr("L", "", texts);
    EXPECT_TRUE(Panel->SetValue(list, "b"));
    EXPECT_EQ(list->GetCurrentIndex(), 1);
    EXPECT_FALSE(Panel->SetValue(list, "zz"));
    EXPECT_EQ(list->GetCurrentIndex(), 0);
    TArrayOf<TString> none;
    const auto before = Settings(list).size();
    Panel->Reset(list, none, 3, "new");
    EXPECT_EQ(Settings(list).size(), before) << "an empty array changes nothing";
    TArrayOf<TString> other{"x", "y", "z"};
    Panel->Reset(list, other, 7, TString());
    EXPECT_EQ(list->GetCaption(), L"L");
    EXPECT_EQ(list->GetItemCount(), 3);
    EXPECT_EQ(list->GetCurrentIndex(), 7) << "Reset does not clamp";
}

TEST_F(TBuildersTest, RadioButtonsAreNumberedInListOrder)
{
    const auto group = Panel->AddRadioButton("Метод", "", 2, {{7, 101, "a"}, {9, -102, "b"}, {3, 103, "c"}});
    const auto& buttons = HostOf(group).Buttons();
    ASSERT_EQ(buttons.size(), 3u);
    EXPECT_EQ(buttons[0].Id, 1);
    EXPECT_EQ(buttons[1].Id, 2);
    EXPECT_EQ(buttons[2].Id, 3);
    EXPECT_EQ(buttons[1].Image, -102) << "radio groups pass the image unchanged";
    EXPECT_TRUE(buttons[1].Checked);
    EXPECT_FALSE(buttons[0].Checked);
    const auto none = Panel->AddRadioButton("Пусто", "", 2, {});
    EXPECT_EQ(Settings(none).back(), "SetCheckedButton(2, true)");
}

TEST_F(TBuildersTest, PushButtonsTakeTheLibraryImagesForNegativeNumbers)
{
    drApi::MA.R3->LibFont = "lib.fnt";
    const auto with = Panel->AddPushButton("P", 0, {{1, -8046, "t"}});
    EXPECT_EQ(HostOf(with).Buttons()[0].Image, 8046);
    EXPECT_EQ(HostOf(with).Buttons()[0].Source, L"lib.fnt");
    drApi::MA.R3->LibFont.Clear();
    const auto without = Panel->AddPushButton("P", 0, {{1, -8046, "t"}});
    EXPECT_EQ(HostOf(without).Buttons()[0].Image, 8046);
    EXPECT_TRUE(HostOf(without).Buttons()[0].Source.empty());
    EXPECT_EQ(Journal().Count("IPropertyMultiButton::SetButtonImageSource"), 1u);
}

TEST_F(TBuildersTest, CheckButtonsAreCheckedForPositiveIds)
{
    TString s;
    const auto edit = Panel->AddEditStr("e", "", s, 0);
    Panel->AddCheckButtonTo(IPropertyControlPtr(edit), -3, 1, 2, "off", false);
    Panel->AddCheckButtonTo(IPropertyControlPtr(edit), 4, 1, 2, "on", true);
    const auto& side = HostOf(edit).SideButtons();
    ASSERT_EQ(side.size(), 2u);
    EXPECT_EQ(side[0].Id, 3);
    EXPECT_FALSE(side[0].Checked);
    EXPECT_TRUE(side[1].Checked);
    EXPECT_TRUE(HostOf(edit).HyperLink());
}

TEST_F(TBuildersTest, ObjectPickersMarkTheFirstAsCurrent)
{
    IModelObjectPtr first;
    IModelObjectPtr second;
    const auto a = Panel->AddEditObj("Грань", "", "грань", first, true, tvChMLevel1Color1, false);
    const auto b =
        Panel->AddEditPlaneFace("Плоскость", "", "плоскость", second, false, tvChMLevel1Color2, false);
    EXPECT_EQ(Panel->APropertyVariable.Selected, 0);
    const auto& marks = HostOf(a).Settings();
    EXPECT_EQ(std::count(marks.begin(), marks.end(), "SetCheckState(1)"), 1) << "the first picker is current";
    EXPECT_EQ(HostOf(a).CheckState(), tvCheckVariable)
        << "every later mark turns the selected one to variable";
    EXPECT_EQ(HostOf(b).CheckState(), tvCheckVariable);
    EXPECT_TRUE(HostOf(a).Text().empty()) << "an empty entity shows no text";
    EXPECT_FALSE(HostOf(b).Visible());
    EXPECT_EQ(std::string(Binding(0).SValue.PChar()), std::string(TString("грань").PChar()));
}
