// Bindings of controls to variables: a user's edit into the variable and the sibling controls,
// a program's change into the controls, the Sender rules, selection marks and look-ups.

#include "TPropertylVariable.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "HostModelObject.h"
#include "HostPart.h"
#include "HostSelection.h"
#include "TAdapter.h"
#include "TestPanel.h"
#include "drSelectorAPI.h"
#include "maTervan.h"

using namespace tvapi;

class TBindingsTest : public TTabPanelFixture {
protected:
    void SetUp() override
    {
        TTabPanelFixture::SetUp();
        Panel->Advise();
    }
    // A user typing `text` into the control and the host reporting it.
    template <class I> void UserEdit(const Ptr<I>& c, const std::wstring& text)
    {
        ASSERT_TRUE(HostOf(c).UserSet(text));
        Param(*Panel).Events().ChangeControlValue(IPropertyControlPtr(c));
    }
    TAPropertylVariable& Bindings() { return Panel->APropertyVariable; }
};

TEST_F(TBindingsTest, AUserEditUpdatesTheVariableTheSiblingAndThePanel)
{
    double value = 1;
    const auto a = Panel->AddEditValue("a", "", value, false);
    const auto b = Panel->AddEditValue("b", "", value, false);
    UserEdit(a, L"2.5");
    EXPECT_EQ(value, 2.5);
    EXPECT_EQ(b->GetRealValue(), 2.5);
    EXPECT_EQ(HostOf(a).Settings().size(), 3u) << "the sender is not refreshed";
    EXPECT_EQ(Panel->Calls, (std::vector<std::string>{"changed 0", "redraw"}));
    EXPECT_EQ(Bindings().Current, 1) << "the last refreshed binding";
}

// A value that is no finite number reaching the binding (a host that let it through, or a
// factor that makes it so) is refused: the variable keeps its value and the control shows it.
TEST_F(TBindingsTest, ARealThatIsNoFiniteNumberIsRefusedAndTheControlShowsTheKeptValue)
{
    double value = 1.5, scaled = 2;
    const auto a = Panel->AddEditValue("a", "", value, false);
    const auto tiny = Panel->AddEditValue("tiny", "", scaled, 1e-300, false);
    for (const double typed : {std::nan(""), HUGE_VAL, -HUGE_VAL}) {
        a->SetRealValue(typed);
        EXPECT_FALSE(Bindings().ChangeControlValue(IPropertyControlPtr(a)));
        EXPECT_EQ(value, 1.5);
        EXPECT_EQ(a->GetRealValue(), 1.5);
    }
    tiny->SetRealValue(1e10); // 1e310 in the variable
    EXPECT_FALSE(Bindings().ChangeControlValue(IPropertyControlPtr(tiny)));
    EXPECT_EQ(scaled, 2.0);
    EXPECT_TRUE(Panel->Calls.empty()) << "nothing changed";
}

TEST_F(TBindingsTest, AProgramChangeRefreshesEveryControlOfTheVariable)
{
    int value = 1;
    const auto a = Panel->AddEditValue("a", "", value, false);
    const auto b = Panel->AddEditValue("b", "", value, false);
    value = 7;
    EXPECT_TRUE(Bindings().ChangeValue(&value, -1));
    EXPECT_EQ(a->GetIntValue(), 7);
    EXPECT_EQ(b->GetIntValue(), 7);
    EXPECT_EQ(Panel->Calls, std::vector<std::string>{"changed -1"});
    value = 8;
    Bindings().ChangeValue(&value, -2);
    EXPECT_EQ(a->GetIntValue(), 8);
    EXPECT_EQ(Panel->Calls.size(), 1u) << "-2 does not tell the panel";
}

TEST_F(TBindingsTest, ScaledAndShiftedValuesAreReadBackAndNotRefreshed)
{
    double length = 1;
    int index = 0;
    const auto scaled = Panel->AddEditValue("mm", "", length, 1000.0, false);
    const auto spin = Panel->AddEditValue("n", "", index, 0, 10, true);
    UserEdit(scaled, L"2.5");
    EXPECT_DOUBLE_EQ(length, 0.0025);
    UserEdit(spin, L"3");
    EXPECT_EQ(index, 2);
    const auto before = HostOf(scaled).Settings().size();
    EXPECT_FALSE(Bindings().ChangeValue(Bindings()[0], true, true, false));
    EXPECT_FALSE(Bindings().ChangeValue(Bindings()[1], true, true, false));
    EXPECT_EQ(HostOf(scaled).Settings().size(), before);
}

// A zero factor, a control bound to nothing and a variable with no control change nothing.
TEST_F(TBindingsTest, UnboundAndUnscalableEditsAreRefused)
{
    double length = 4;
    const auto scaled = Panel->AddEditValue("mm", "", length, 0.0, false);
    EXPECT_FALSE(Bindings().ChangeControlValue(IPropertyControlPtr(scaled)));
    EXPECT_EQ(length, 4.0);
    const auto stray = Panel->AddEditReal("stray", "", 1.0, false);
    EXPECT_FALSE(Bindings().ChangeControlValue(IPropertyControlPtr(stray)));
    EXPECT_TRUE(Panel->Calls.empty());
    int unbound = 0;
    EXPECT_FALSE(Bindings().ChangeValue(&unbound, -1));
    EXPECT_EQ(Panel->Calls, std::vector<std::string>{"changed -1"}) << "only the panel is told";
}

TEST_F(TBindingsTest, ASpinIntegerIsAlwaysShownVisibleAndEnabled)
{
    int value = 2;
    const auto spin = Panel->AddEditValue("n", "", value, 0, 10, false);
    spin->SetVisible(false);
    value = 6;
    Bindings().ChangeValue(&value, -1);
    EXPECT_EQ(spin->GetValue(), 6);
    EXPECT_TRUE(HostOf(spin).Visible());
    UserEdit(spin, L"9");
    EXPECT_EQ(value, 9);
}

TEST_F(TBindingsTest, PointCoordinatesRefreshTogetherOnAProgramChange)
{
    TPoint3D p(1, 2, 3);
    const auto point = Panel->AddEditValue("P", "", p);
    p.x = 10;
    p.z = 30;
    Bindings().ChangeValue(&p.x, -1);
    EXPECT_EQ(point->GetEdit(0)->GetRealValue(), 10.0);
    EXPECT_EQ(point->GetEdit(2)->GetRealValue(), 30.0) << "siblings through the owner";
    const auto edits = HostOf(point->GetEdit(1)).Settings().size();
    UserEdit(point->GetEdit(1), L"-4");
    EXPECT_EQ(p.y, -4.0);
    EXPECT_EQ(HostOf(point->GetEdit(1)).Settings().size(), edits) << "a user edit refreshes none of them";
}

TEST_F(TBindingsTest, TextsAndCheckBoxesGoBothWays)
{
    TString name("вал");
    bool report = false;
    const auto edit = Panel->AddEditValue("Имя", "", name, 0);
    const auto box = Panel->AddEditValue("Отчёт", "", report, false);
    UserEdit(edit, L"ось");
    EXPECT_EQ(std::string(name.PChar()), std::string(TString("ось").PChar()));
    UserEdit(box, L"1");
    EXPECT_TRUE(report);
    report = false;
    Bindings().ChangeValue(&report, -1);
    EXPECT_FALSE(box->GetChecked());
}

TEST_F(TBindingsTest, AnAdapterListSetsTheChoiceAndIsRefilled)
{
    TEnum method("Метод", 0, {"Минимум Максимум", "Равная вероятность"});
    const auto list = Panel->AddEditValue("Метод", "", method);
    EXPECT_EQ(list->GetCurrentText(), L"Минимум Максимум");
    UserEdit(list, L"Равная вероятность");
    EXPECT_EQ(*method.PInt, 1);
    *method.PInt = 0;
    Bindings().ChangeValue(method.PInt == nullptr ? nullptr : static_cast<void*>(&method), -1);
    EXPECT_EQ(list->GetCurrentIndex(), 0);
    TArrayOf<TString> other{"x", "y"};
    Bindings().Reset(&method, other, -1, TString());
    EXPECT_EQ(list->GetItemCount(), 2);
    EXPECT_EQ(list->GetCurrentIndex(), 0) << "-1 selects the first";
    // Reset touches only adapter bindings.
    double value = 1;
    const auto edit = Panel->AddEditValue("a", "", value, false);
    const auto before = HostOf(edit).Settings().size();
    Bindings().Reset(&value, other, 0, "new");
    EXPECT_EQ(HostOf(edit).Settings().size(), before);
}

TEST_F(TBindingsTest, CheckStatesMoveWithTheSelection)
{
    IModelObjectPtr a;
    IModelObjectPtr b;
    IModelObjectPtr c;
    const auto ca = Panel->AddEditObj("a", "", "a", a, true, tvChMLevel1Color1, false);
    const auto cb = Panel->AddEditObj("b", "", "b", b, true, tvChMLevel1Color1, false);
    Panel->AddEditObj("c", "", "c", c, true, tvChMLevel1Color1, false);
    Bindings().SetCheckState(5, true, tvCheckCurrent);
    EXPECT_EQ(Bindings().Selected, 0);
    Bindings().SetCheckState(1, false, tvCheckVariable);
    EXPECT_EQ(Bindings().Selected, 0);
    EXPECT_EQ(HostOf(ca).CheckState(), tvCheckVariable);
    Bindings().SetCheckState(1, true, tvCheckCurrent);
    EXPECT_EQ(Bindings().Selected, 1);
    EXPECT_EQ(HostOf(cb).CheckState(), tvCheckCurrent);
    EXPECT_TRUE(Bindings().IsSelected(&b));
    EXPECT_FALSE(Bindings().IsSelected(&a));
}

TEST_F(TBindingsTest, LookUpsFindTheFirstBindingOfAVariable)
{
    TPoint3D p;
    double free = 0;
    const auto point = Panel->AddEditValue("P", "", p);
    EXPECT_EQ(Bindings().IndexOf(&p.y), 1);
    EXPECT_EQ(Bindings().IndexOf(&free), -1);
    EXPECT_TRUE(Bindings().GetControl(&p.y, true) == point);
    EXPECT_TRUE(Bindings().GetControl(&p.y, false) == point->GetEdit(1));
    EXPECT_FALSE(Bindings().GetControl(&free, false));
    EXPECT_EQ(Bindings().Sender(IAPIObjectPtr(point->GetEdit(2))), 2);
    EXPECT_TRUE(Bindings().ControlIs(ITervanAPIObjectPtr(), &p.x) == false);
    EXPECT_TRUE(Bindings().SetVisible(&p.z, false));
    EXPECT_FALSE(HostOf(point).Visible()) << "the owner is hidden";
    Bindings()[1].Type = TVariablePtr::pvEmpty;
    EXPECT_EQ(Bindings().IndexOf(&p.y), -1) << "empty bindings are skipped";
}

TEST_F(TBindingsTest, ABindingArrayGrowsAndKeepsItsRecords)
{
    std::vector<double> values(70);
    for (std::size_t i = 0; i < values.size(); ++i)
        Panel->AddEditValue("v", "", values[i], static_cast<double>(i + 1), false);
    ASSERT_EQ(Bindings().Count, 70);
    EXPECT_EQ(Bindings()[0].PDataReal, &values[0]);
    EXPECT_EQ(Bindings()[0].Data.Multiply, 1.0);
    EXPECT_EQ(Bindings()[69].Data.Multiply, 70.0);
    EXPECT_TRUE(Bindings()[0].Control);
}

// Object fields: picks toggle the bound object and its highlight, the clear button empties it.
class TObjectFieldTest : public TBindingsTest {
protected:
    void SetUp() override
    {
        TBindingsTest::SetUp();
        Document = NewDrawing();
        drApi::Selector->Begin();
        ASSERT_TRUE(drApi::Selector->Choose7);
    }
    void TearDown() override
    {
        drApi::Selector->End(false);
        Document.Reset();
        TBindingsTest::TearDown();
    }
    tvhost::THostChooseManager& Chooser()
    {
        return *dynamic_cast<tvhost::THostChooseManager*>(drApi::Selector->Choose7.Get());
    }
    static IModelObjectPtr NewObject(tvObj3dTypeEnum type)
    {
        return IModelObjectPtr(tvhost::New<tvhost::THostModelObject>(type));
    }

    ITervanDocumentPtr Document;
};

TEST_F(TObjectFieldTest, APickFillsTheFieldAndASecondPickOfItEmptiesIt)
{
    IModelObjectPtr bound;
    const auto field = Panel->AddEditObj("Грань", "", "грань", bound, true, tvChMLevel1Color1, false);
    const IModelObjectPtr face = NewObject(o3d_face);
    IModelObjectPtr pick = face;
    EXPECT_TRUE(Bindings().CanSelect(pick)) << "an empty field takes any object";
    EXPECT_TRUE(Bindings().Select(pick));
    EXPECT_TRUE(bound == face);
    EXPECT_FALSE(HostOf(field).Text().empty());
    EXPECT_TRUE(Chooser().IsChosen(face.Get(), tvChMLevel1Color1));
    IModelObjectPtr other = NewObject(o3d_face);
    EXPECT_FALSE(Bindings().CanSelect(other)) << "a filled field takes only its own object";
    EXPECT_TRUE(Bindings().Select(pick));
    EXPECT_FALSE(bound);
    EXPECT_TRUE(HostOf(field).Text().empty());
    EXPECT_FALSE(Chooser().IsChosen(face.Get(), tvChMLevel1Color1));
    IModelObjectPtr none;
    EXPECT_FALSE(Bindings().Select(none));
}

TEST_F(TObjectFieldTest, TheClearButtonEmptiesTheFieldAndDropsTheHighlight)
{
    IModelObjectPtr first;
    IModelObjectPtr second;
    Panel->AddEditObj("a", "", "a", first, true, tvChMLevel1Color1, false);
    const auto b = Panel->AddEditObj("b", "", "b", second, true, tvChMLevel1Color2, false);
    second = NewObject(o3d_edge);
    Chooser().SetChooseType(tvChMLevel1Color2);
    Chooser().Choose({ITervanAPIObjectPtr(second)});
    EXPECT_FALSE(Bindings().ControlCommand(IPropertyControlPtr(b), 0))
        << "0 selects the field, then looks on";
    EXPECT_EQ(Bindings().Selected, 1);
    const IModelObjectPtr kept = second;
    EXPECT_TRUE(Bindings().ControlCommand(IPropertyControlPtr(b), 2));
    EXPECT_FALSE(second);
    EXPECT_FALSE(Chooser().IsChosen(kept.Get(), tvChMLevel1Color2));
    EXPECT_EQ(HostOf(b).CheckState(), tvCheckCurrent);
}

// A face whose surface is not planar.
class TCurvedSurface final : public tvhost::THostObjectOf<IMathSurface3D> {
public:
    void GetGabarit(double&, double&, double&, double&, double&, double&) override {}
    void GetParamUV(double, double, double, bool, double&, double&) override {}
    void GetNormal(double, double, double&, double&, double&) override {}
    bool IsPlanar() override { return false; }
    IPlacement3DPtr GetPlacement() override { return {}; }
};
class TCurvedFace final : public tvhost::THostFeatureOf<IFace, IModelObject> {
public:
    TCurvedFace() : THostFeatureOf(o3d_face) {}
    IMathSurface3DPtr GetSurface() override { return IMathSurface3DPtr(tvhost::New<TCurvedSurface>()); }
    double GetArea(int) override { return 1; }
    bool GetOrientation() override { return true; }
    IBodyPtr GetBody() override { return {}; }

protected:
    std::vector<IModelObjectPtr> ObjectsOf(tvObj3dTypeEnum) override { return {}; }
};

// Face lists and plane fields over the faces of a 10 x 20 x 5 box part.
class TFaceListTest : public TObjectFieldTest {
protected:
    void SetUp() override
    {
        TObjectFieldTest::SetUp();
        Part = tvhost::New<tvhost::THostPart>();
        const tvhost::THostBodyPtr body = Part->AddBody(tvhost::MakeBox({0, 0, 0}, 10, 20, 5));
        Faces = drApi::GetObjects(IModelObjectPtr(body), o3d_face);
        ASSERT_EQ(Faces.size(), 6u);
        // The face opposite face 0 is the one that shares no edge with it.
        for (std::size_t i = 1; i < Faces.size(); ++i) {
            IFacePtr a(Faces[0]), b(Faces[i]);
            if (!drApi::GetLinkEdge(a, b, 0)) Opposite = i;
        }
        ASSERT_NE(Opposite, 0u);
    }
    void TearDown() override
    {
        Faces.clear();
        Part.Reset();
        TObjectFieldTest::TearDown();
    }
    static std::vector<std::wstring> Items(const IPropertyEditListPtr& list)
    {
        std::vector<std::wstring> items;
        for (int i = 0; i < list->GetItemCount(); ++i)
            items.push_back(list->GetItem(i) + (list->GetItemChecked(i) ? L" [x]" : L""));
        return items;
    }
    bool Chosen(const IModelObjectPtr& o) { return Chooser().IsChosen(o.Get(), tvChMLevel1Color1); }

    tvapi::Ptr<tvhost::THostPart> Part;
    std::vector<IModelObjectPtr> Faces;
    std::size_t Opposite = 0;
};

TEST_F(TFaceListTest, PickedFacesAreListedTickedFacesDeletedAndTheListRebuilt)
{
    drApi::TAOfComEntity picked;
    const auto list = Panel->AddEditValue("Грани", "", picked, false, true, tvChMLevel1Color1);
    ASSERT_TRUE(list);
    EXPECT_EQ(Bindings()[0].Type, TVariablePtr::pvAOfComEntity);

    IModelObjectPtr f0 = Faces[0], far = Faces[Opposite];
    EXPECT_TRUE(Bindings().CanSelect(far));
    EXPECT_TRUE(Bindings().Select(f0));
    EXPECT_FALSE(Bindings().CanSelect(far)) << "the opposite face touches no listed face";
    std::vector<IModelObjectPtr> sides;
    for (std::size_t i = 1; i < Faces.size(); ++i)
        if (i != Opposite) sides.push_back(Faces[i]);
    for (IModelObjectPtr& side : sides) {
        EXPECT_TRUE(Bindings().CanSelect(side));
        EXPECT_TRUE(Bindings().Select(picked, side));
    }
    ASSERT_EQ(picked.Count, 5);
    EXPECT_EQ(Items(list), (std::vector<std::wstring>{L"Поверхность 1", L"Поверхность 2", L"Поверхность 3",
                                                      L"Поверхность 4", L"Поверхность 5"}));
    EXPECT_TRUE(Chosen(sides[3]));

    // Ticking the second and fourth and deleting leaves faces 1, 3 and 5, numbered afresh.
    list->SetItemChecked(1, true);
    list->SetItemChecked(3, true);
    EXPECT_TRUE(Bindings().ControlCommand(IPropertyControlPtr(list), 2));
    ASSERT_EQ(picked.Count, 3);
    EXPECT_TRUE(picked[0] == f0 && picked[1] == sides[1] && picked[2] == sides[3]);
    EXPECT_EQ(Items(list), (std::vector<std::wstring>{L"Поверхность 1", L"Поверхность 2", L"Поверхность 3"}))
        << "no tick is left on a face that moved up";
    EXPECT_FALSE(Chosen(sides[0]) || Chosen(sides[2]));
    EXPECT_TRUE(Chosen(f0) && Chosen(sides[3]));

    // A second pick of a listed face takes it out again.
    IModelObjectPtr again = sides[1];
    EXPECT_TRUE(Bindings().Select(picked, again));
    EXPECT_EQ(list->GetItemCount(), 2);
    EXPECT_FALSE(Chosen(again));
    IModelObjectPtr none;
    drApi::TAOfComEntity unbound;
    EXPECT_FALSE(Bindings().Select(picked, none));
    EXPECT_FALSE(Bindings().Select(unbound, f0));
}

TEST_F(TFaceListTest, ALostEntryIsShownAsLost)
{
    drApi::TAOfComEntity picked{Faces[0], IModelObjectPtr(), Faces[1]};
    Chooser().SetChooseType(tvChMLevel1Color1); // a refresh highlights in the current kind
    const auto list = Panel->AddEditValue("Грани", "", picked, false, true, tvChMLevel1Color1);
    EXPECT_EQ(Items(list),
              (std::vector<std::wstring>{L"Поверхность 1", L"Потерян обект2", L"Поверхность 3"}));
    EXPECT_TRUE(Chosen(Faces[1]));
}

TEST_F(TFaceListTest, APlaneFieldAcceptsOnlyPlanarFaces)
{
    IModelObjectPtr plane;
    Panel->AddEditPlaneFace("Плоскость", "", "плоскость", plane, true, tvChMLevel1Color1, false);
    IModelObjectPtr edge = NewObject(o3d_edge);
    IModelObjectPtr face = Faces[2];
    IModelObjectPtr curved(tvhost::New<TCurvedFace>());
    EXPECT_FALSE(Bindings().CanSelect(edge));
    EXPECT_TRUE(Bindings().CanSelect(face));
    EXPECT_FALSE(Bindings().CanSelect(curved));
}
