// The stand-in property manager: controls answer only the interfaces of their kind, keep
// their settings in order and their state; tabs, grids, button groups and the panel printout.

#include "HostPropertyManager.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

#include "HostFixture.h"
#include "HostProcess.h"

using namespace tvapi;

class HostPropertyManagerTest : public HostFixture {
protected:
    void SetUp() override
    {
        HostFixture::SetUp();
        const IProcessFactoryPtr factory(Application());
        ASSERT_TRUE(factory);
        Param = factory->CreateProcessParam();
        Controls = Param->GetPropertyTabs()->Add(L"Main")->GetControls();
    }
    void TearDown() override
    {
        Controls.Reset();
        Param.Reset();
        HostFixture::TearDown();
    }
    tvhost::THostProcessParam& HostParam() { return *dynamic_cast<tvhost::THostProcessParam*>(Param.Get()); }

    IProcessParamPtr Param;
    IPropertyControlsPtr Controls;
};

TEST_F(HostPropertyManagerTest, AControlAnswersOnlyTheInterfacesOfItsKind)
{
    const IPropertyControlPtr edit = Controls->Add(tvControlEditReal);
    EXPECT_TRUE(IPropertyEditPtr(edit));
    EXPECT_FALSE(IPropertyListPtr(edit));
    EXPECT_FALSE(IPropertyCheckBoxPtr(edit));
    const IPropertyControlPtr both = Controls->Add(tvControlEditCheckBox);
    EXPECT_TRUE(IPropertyEditPtr(both));
    EXPECT_TRUE(IPropertyEditCheckBoxPtr(both));
    EXPECT_FALSE(IPropertyEditListPtr(both));
    const IPropertyControlPtr grid = Controls->Add(tvControlGrid);
    EXPECT_TRUE(IPropertyGridPtr(grid));
    EXPECT_FALSE(IPropertyEditPtr(grid));
    // Identity through the base interface is the same whatever the path.
    EXPECT_TRUE(IPropertyEditPtr(both) == IPropertyEditCheckBoxPtr(both));
    EXPECT_FALSE(IPropertyEditPtr(both) == IPropertyEditPtr(edit));
}

TEST_F(HostPropertyManagerTest, SettingsAreKeptInOrderWithTheState)
{
    const IPropertySpinEditPtr spin(Controls->Add(tvControlSpinInt));
    ASSERT_TRUE(spin);
    spin->SetValue(5);
    spin->SetCaption(L"Шаг");
    spin->SetRange(0, 10);
    spin->SetVisible(false);
    auto* host = dynamic_cast<tvhost::THostPropertyControl*>(spin.Get());
    ASSERT_NE(host, nullptr);
    EXPECT_EQ(host->Settings(), (std::vector<std::string>{"SetValue(5)", "SetCaption(Шаг)", "SetRange(0, 10)",
                                                          "SetVisible(false)"}));
    EXPECT_EQ(spin->GetValue(), 5);
    EXPECT_EQ(host->Range().second, 10.0);
    EXPECT_FALSE(host->Visible());
}

TEST_F(HostPropertyManagerTest, ListsFindTheirItemsAndGiveTheCurrentText)
{
    const IPropertyListPtr list(Controls->Add(tvControlListStr));
    list->SetTextItems({L"Минимум Максимум", L"Равная вероятность"});
    EXPECT_EQ(list->FindItem(L"Равная вероятность"), 1);
    EXPECT_EQ(list->FindItem(L"нет"), -1);
    EXPECT_TRUE(list->GetCurrentText().empty()) << "nothing is current yet";
    list->SetCurrentIndex(1);
    EXPECT_EQ(list->GetCurrentText(), L"Равная вероятность");
    list->SetCurrentIndex(7);
    EXPECT_TRUE(list->GetCurrentText().empty()) << "an index past the items shows nothing";
}

TEST_F(HostPropertyManagerTest, EditListItemsAreRemovedAndCheckedByIndex)
{
    const IPropertyEditListPtr list(Controls->Add(tvControlEditList));
    list->AddItem(L"a");
    list->AddItem(L"b");
    list->AddItem(L"c");
    list->SetItemChecked(2, true);
    list->RemoveItem(0);
    list->RemoveItem(9);
    EXPECT_EQ(list->GetItemCount(), 2);
    EXPECT_EQ(list->GetItem(0), L"b");
    EXPECT_TRUE(list->GetItemChecked(1));
    EXPECT_FALSE(list->GetItemChecked(0));
}

TEST_F(HostPropertyManagerTest, GridCellsOutsideTheTableAreNotKept)
{
    const IPropertyGridPtr grid(Controls->Add(tvControlGrid));
    grid->SetColumnCount(2);
    grid->SetRowCount(3);
    grid->SetCellText(2, 1, L"x");
    grid->SetCellText(3, 0, L"lost");
    grid->SetCellFlags(1, 1, 4);
    grid->SetCurrentCell(2, 1);
    EXPECT_EQ(grid->GetCellText(2, 1), L"x");
    EXPECT_TRUE(grid->GetCellText(3, 0).empty());
    EXPECT_EQ(grid->GetCellFlags(1, 1), 4);
    EXPECT_EQ(grid->GetCellFlags(0, 0), 0);
    EXPECT_EQ(grid->GetCurrentRow(), 2);
    EXPECT_EQ(grid->GetCurrentColumn(), 1);
}

TEST_F(HostPropertyManagerTest, AGridKeepsWidthsRedrawsAndOneToolBarFoundByItsTips)
{
    const IPropertyGridPtr grid(Controls->Add(tvControlGrid));
    grid->SetColumnWidth(1, 72);
    grid->Redraw();
    const IPropertyToolBarPtr bar = grid->GetToolBar();
    ASSERT_TRUE(bar);
    bar->AddButton(1, 58345, 0);
    bar->SetButtonTip(1, L"Удалить размер");
    EXPECT_TRUE(grid->GetToolBar() == bar); // made once
    auto& host = *dynamic_cast<tvhost::THostPropertyControl*>(grid.Get());
    EXPECT_EQ(host.ColumnWidth(1), 72);
    EXPECT_EQ(host.ColumnWidth(0), 0);
    EXPECT_EQ(host.Redraws(), 1);
    int button = 0; // a script's command "TIP" finds the grid through its tool bar
    EXPECT_EQ(dynamic_cast<tvhost::THostPropertyControls&>(*Controls).FindByTip(L"Удалить размер", button),
              &host);
    EXPECT_EQ(button, 1);
    EXPECT_EQ(host.ButtonWithTip(L"нет"), 0);
}

TEST_F(HostPropertyManagerTest, ARadioGroupHasOneCheckedButton)
{
    const IPropertyMultiButtonPtr group(Controls->Add(tvControlMultiButton));
    group->SetButtonType(tvRadioButton);
    group->AddButtonItem(1, 10, -1);
    group->AddButtonItem(2, 11, -1);
    group->SetCheckedButton(1, true);
    group->SetCheckedButton(2, true);
    EXPECT_FALSE(group->GetCheckedButton(1));
    EXPECT_TRUE(group->GetCheckedButton(2));
    EXPECT_FALSE(group->GetCheckedButton(3));
}

TEST_F(HostPropertyManagerTest, APointHasThreeCoordinateEdits)
{
    const IPropertyPoint3DPtr point(Controls->Add(tvControlPoint3D));
    ASSERT_TRUE(point->GetEdit(2));
    EXPECT_FALSE(point->GetEdit(3));
    point->GetEdit(0)->SetRealValue(1.5);
    EXPECT_TRUE(point->GetEdit(0) == point->GetEdit(0));
    EXPECT_FALSE(point->GetEdit(0) == point->GetEdit(1));
    EXPECT_EQ(point->GetEdit(0)->GetRealValue(), 1.5);
}

TEST_F(HostPropertyManagerTest, ARefusedControlIsNotAdded)
{
    InjectFault("IPropertyControls::Add");
    EXPECT_FALSE(Controls->Add(tvControlEditInt));
    EXPECT_EQ(Controls->GetCount(), 0);
    EXPECT_TRUE(Controls->Add(tvControlEditInt)) << "the refusal is one-shot";
}

TEST_F(HostPropertyManagerTest, ThePrintoutShowsCaptionControlsAndGrid)
{
    Param->SetCaption(L"Размерная цепь");
    const IPropertyEditPtr edit(Controls->Add(tvControlEditReal));
    edit->SetCaption(L"Номинал");
    edit->SetRealValue(12.5);
    const IPropertyCheckBoxPtr box(Controls->Add(tvControlCheckBox));
    box->SetCaption(L"Отчёт");
    box->SetChecked(true);
    const IPropertyControlPtr hidden = Controls->Add(tvControlEditStr);
    hidden->SetCaption(L"hidden");
    hidden->SetVisible(false);
    const IPropertyGridPtr grid(Controls->Add(tvControlGrid));
    grid->SetCaption(L"Звенья");
    grid->SetColumnCount(2);
    grid->SetRowCount(2);
    grid->SetCellText(0, 0, L"N");
    grid->SetCellText(0, 1, L"A");
    grid->SetCellText(1, 0, L"1");
    grid->SetCellText(1, 1, L"10");
    std::ostringstream out;
    HostParam().Print(out, L"Укажите размер");
    EXPECT_EQ(out.str(), "panel \"Размерная цепь\"\nprompt \"Укажите размер\"\ntab \"Main\"\n"
                         "  Номинал = 12.5\n  Отчёт = [x]\n  Звенья:\n    | N | A |\n    | 1 | 10 |\n");
}
