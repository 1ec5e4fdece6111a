// Edit-type controls of a panel and the builders that bind them to program variables.

#include <string>

#include "TAdapter.h"
#include "cPropertyMenagerEvent.h"
#include "drSelectorAPI.h"

namespace {

constexpr int PointCoordinateMode = 3;
constexpr int FlatCoordinateMode = 2; // the third coordinate of a 2D point

// The third coordinate of every 2D point control: edits there change only this value.
double FlatZ = 0.0;

} // namespace

tvapi::IPropertyCheckBoxPtr TBaseManager::AddCheckBox(const TString& Name, const TString&, bool Checked,
                                                      bool ReadOnly, bool NewStyle)
{
    auto c = NewControl<tvapi::IPropertyCheckBox>(tvapi::tvControlCheckBox);
    if (!c) return c;
    c->SetCaption(Wide(Name).c_str());
    c->SetChecked(Checked);
    c->SetEnabled(!ReadOnly);
    c->SetCheckBoxStyle(NewStyle ? 1 : 0);
    return c;
}

tvapi::IPropertyEditPtr TBaseManager::AddEditReal(const TString& Name, const TString&, const double& Value,
                                                  bool ReadOnly)
{
    auto c = NewControl<tvapi::IPropertyEdit>(tvapi::tvControlEditReal);
    if (!c) return c;
    c->SetRealValue(Value);
    c->SetCaption(Wide(Name).c_str());
    c->SetEnabled(!ReadOnly);
    return c;
}

tvapi::IPropertyEditPtr TBaseManager::AddEditInt(const TString& Name, const TString&, const int& Value,
                                                 bool ReadOnly)
{
    auto c = NewControl<tvapi::IPropertyEdit>(tvapi::tvControlEditInt);
    if (!c) return c;
    c->SetIntValue(Value);
    c->SetCaption(Wide(Name).c_str());
    c->SetReadOnly(ReadOnly);
    return c;
}

tvapi::IPropertySpinEditPtr TBaseManager::AddSpinEditInt(const TString& Name, const TString&,
                                                         const int& Value, int Min, int Max)
{
    auto c = NewControl<tvapi::IPropertySpinEdit>(tvapi::tvControlSpinInt);
    if (!c) return c;
    c->SetValue(Value);
    c->SetCaption(Wide(Name).c_str());
    c->SetRange(Min, Max);
    return c;
}

tvapi::IPropertyEditPtr TBaseManager::AddEditStr(const TString& Name, const TString&, const TString& Value,
                                                 int Width)
{
    auto c = NewControl<tvapi::IPropertyEdit>(tvapi::tvControlEditStr);
    if (!c) return c;
    c->SetText(Wide(Value).c_str());
    c->SetCaption(Wide(Name).c_str());
    if (Width != 0) c->SetWidth(Width);
    return c;
}

namespace {

void FillPoint(const tvapi::IPropertyPoint3DPtr& c, const TString& Name, const double (&v)[3], bool flat)
{
    c->SetCaption(Wide(Name).c_str());
    for (int i = 0; i < 3; ++i)
        c->SetCoordinateMode(i, flat && i == 2 ? FlatCoordinateMode : PointCoordinateMode);
    for (int i = 0; i < 3; ++i)
        if (const tvapi::IPropertyEditPtr e = c->GetEdit(i)) e->SetRealValue(v[i]);
    c->SetHyperLinkNameStyle(true);
}

} // namespace

tvapi::IPropertyPoint3DPtr TBaseManager::AddEditPoint3D(const TString& Name, const TString&,
                                                        const TPoint3D& Value)
{
    auto c = NewControl<tvapi::IPropertyPoint3D>(tvapi::tvControlPoint3D);
    if (c) FillPoint(c, Name, {Value.x, Value.y, Value.z}, false);
    return c;
}

tvapi::IPropertyPoint3DPtr TBaseManager::AddEditPoint2D(const TString& Name, const TString&,
                                                        const TPoint2D& Value)
{
    auto c = NewControl<tvapi::IPropertyPoint3D>(tvapi::tvControlPoint3D);
    if (c) FillPoint(c, Name, {Value.x, Value.y, 0.0}, true);
    return c;
}

tvapi::IPropertyEditListPtr TBaseManager::AddEditList(const TString& Name, const TString&, bool htStyle)
{
    auto c = NewControl<tvapi::IPropertyEditList>(tvapi::tvControlEditList);
    if (!c) return c;
    c->SetCaption(Wide(Name).c_str());
    c->SetWidth(0);
    if (htStyle) c->SetHyperLinkNameStyle(true);
    return c;
}

tvapi::IPropertyEditCheckBoxPtr TBaseManager::AddEditCheckBox(const TString& Name, const TString&, bool)
{
    auto edit = NewControl<tvapi::IPropertyEdit>(tvapi::tvControlEditCheckBox);
    if (!edit) return {};
    edit->SetCaption(Wide(Name).c_str());
    const tvapi::IPropertyEditCheckBoxPtr c(edit);
    if (c) {
        c->SetShowCheck(true);
        c->SetShowDelete(true);
    }
    edit->SetHyperLinkNameStyle(true);
    return c;
}

// ---- binding builders ----------------------------------------------------------------------

tvapi::IPropertyCheckBoxPtr TBaseManager::AddEditValue(const TString& Name, const TString& Hint, bool& Value,
                                                       bool ReadOnly, bool NewStyle)
{
    auto c = AddCheckBox(Name, Hint, Value, ReadOnly, NewStyle);
    if (c) APropertyVariable.Append(TVariablePtr::pvBoolean, &Value, tvapi::IAPIObjectPtr(c));
    return c;
}

tvapi::IPropertyEditPtr TBaseManager::AddEditValue(const TString& Name, const TString& Hint, double& Value,
                                                   bool ReadOnly)
{
    auto c = AddEditReal(Name, Hint, Value, ReadOnly);
    if (c) APropertyVariable.Append(TVariablePtr::pvReal, &Value, tvapi::IAPIObjectPtr(c));
    return c;
}

tvapi::IPropertyEditPtr TBaseManager::AddEditValue(const TString& Name, const TString& Hint, double& Value,
                                                   const double& K, bool ReadOnly)
{
    auto c = AddEditReal(Name, Hint, K * Value, ReadOnly);
    if (c)
        APropertyVariable.Append(TVariablePtr::pvRealMultiply, &Value, tvapi::IAPIObjectPtr(c))
            .Data.Multiply = K;
    return c;
}

tvapi::IPropertyEditPtr TBaseManager::AddEditValue(const TString& Name, const TString& Hint, int& Value,
                                                   bool ReadOnly)
{
    auto c = AddEditInt(Name, Hint, Value, ReadOnly);
    if (c) APropertyVariable.Append(TVariablePtr::pvInteger, &Value, tvapi::IAPIObjectPtr(c));
    return c;
}

tvapi::IPropertySpinEditPtr TBaseManager::AddEditValue(const TString& Name, const TString& Hint, int& Value,
                                                       int Min, int Max, bool isDelta)
{
    auto c = AddSpinEditInt(Name, Hint, Value + (isDelta ? 1 : 0), Min, Max);
    if (c)
        APropertyVariable.Append(isDelta ? TVariablePtr::pvIntegerDelta : TVariablePtr::pvInteger, &Value,
                                 tvapi::IAPIObjectPtr(c));
    return c;
}

tvapi::IPropertyEditPtr TBaseManager::AddEditValue(const TString& Name, const TString& Hint, TString& Value,
                                                   int Width)
{
    auto c = AddEditStr(Name, Hint, Value, Width);
    if (c) APropertyVariable.Append(TVariablePtr::pvStr, &Value, tvapi::IAPIObjectPtr(c));
    return c;
}

tvapi::IPropertyListPtr TBaseManager::AddEditValue(const TString& Name, const TString& Hint, TAdapter& AS)
{
    auto c = AddListStr(Name, Hint, AS.ADef);
    if (c) APropertyVariable.Append(TVariablePtr::pvAdapter, &AS, tvapi::IAPIObjectPtr(c));
    return c;
}

tvapi::IPropertyEditListPtr TBaseManager::AddEditValue(const TString& Name, const TString& Hint,
                                                       drApi::TAOfComEntity& ValueFaces, bool, bool Visible,
                                                       tvapi::tvChooseManagerTypeEnum TE1)
{
    auto c = AddEditList(DC(Name), DC(Hint), true);
    if (!c) return c;
    c->SetMultiSelect(true);
    TPropertylVariable& v =
        APropertyVariable.Append(TVariablePtr::pvAOfComEntity, &ValueFaces, tvapi::IAPIObjectPtr(c));
    v.TeCM = TE1;
    v.SValue = TString();
    c->SetVisible(Visible);
    const bool first = APropertyVariable.Selected == TAPropertylVariable::NotSelected;
    APropertyVariable.SetCheckState(APropertyVariable.Count - 1, first,
                                    first ? tvapi::tvCheckCurrent : tvapi::tvCheckVariable);
    APropertyVariable.ChangeValue(&ValueFaces, true, false, nullptr, -1);
    return c;
}

namespace {

void BindCoordinates(TAPropertylVariable& list, const tvapi::IPropertyPoint3DPtr& point,
                     double* const (&v)[3])
{
    for (int i = 0; i < 3; ++i) {
        const tvapi::IPropertyEditPtr field = point->GetEdit(i);
        if (!field) continue;
        list.Append(TVariablePtr::pvReal, v[i], tvapi::IAPIObjectPtr(field)).Owner =
            tvapi::IAPIObjectPtr(point);
    }
}

} // namespace

tvapi::IPropertyPoint3DPtr TBaseManager::AddEditValue(const TString& Name, const TString& Hint,
                                                      TPoint3D& Value)
{
    auto c = AddEditPoint3D(Name, Hint, Value);
    if (c) BindCoordinates(APropertyVariable, c, {&Value.x, &Value.y, &Value.z});
    return c;
}

tvapi::IPropertyPoint3DPtr TBaseManager::AddEditValue(const TString& Name, const TString& Hint,
                                                      TPoint2D& Value)
{
    auto c = AddEditPoint2D(Name, Hint, Value);
    if (c) BindCoordinates(APropertyVariable, c, {&Value.x, &Value.y, &FlatZ});
    return c;
}

tvapi::IPropertyEditCheckBoxPtr TBaseManager::AddEditObj(const TString& Name, const TString& Hint,
                                                         const TString& Value, tvapi::IModelObjectPtr& Entity,
                                                         bool Visible, tvapi::tvChooseManagerTypeEnum TE1,
                                                         bool)
{
    auto c = AddEditCheckBox(DC(Name), DC(Hint), false);
    if (!c) return c;
    const TString shown = DC(Value);
    c->SetPrompt(Wide(DC(TString("Укажите")) + " " + shown).c_str());
    TPropertylVariable& v =
        APropertyVariable.Append(TVariablePtr::pvIModelObjectPtr, &Entity, tvapi::IAPIObjectPtr(c));
    v.SValue = shown;
    v.TeCM = TE1;
    const int index = APropertyVariable.Count - 1;
    if (const tvapi::IPropertyEditPtr edit{c}) {
        const bool first = APropertyVariable.Selected == TAPropertylVariable::NotSelected;
        APropertyVariable.SetCheckState(index, first, first ? tvapi::tvCheckCurrent : tvapi::tvCheckVariable);
        edit->SetText(Entity ? Wide(shown).c_str() : L"");
    }
    if (!Visible) {
        c->SetVisible(false);
        return c;
    }
    if (drApi::Selector) {
        if (drApi::Selector->Choose7) drApi::Selector->Choose7->SetChooseType(TE1);
        drApi::Selector->Choose(tvapi::ITervanAPIObjectPtr(Entity));
    }
    return c;
}

tvapi::IPropertyEditCheckBoxPtr TBaseManager::AddEditPlaneFace(const TString& Name, const TString& Hint,
                                                               const TString& Value,
                                                               tvapi::IModelObjectPtr& Entity, bool Visible,
                                                               tvapi::tvChooseManagerTypeEnum TE1,
                                                               bool ReadOnly)
{
    const Integer before = APropertyVariable.Count;
    auto c = AddEditObj(Name, Hint, Value, Entity, Visible, TE1, ReadOnly);
    if (APropertyVariable.Count > before)
        APropertyVariable[APropertyVariable.Count - 1].Type = TVariablePtr::pvIModelObjectPtrPlaneFace;
    return c;
}
