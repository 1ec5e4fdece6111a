// The binding list of a panel: edits into variables, variables into controls, picks.

#include "TPropertylVariable.h"

#include <cmath>
#include <cstdio>
#include <string>
#include <vector>

#include "Mtr3D.h"
#include "TAdapter.h"
#include "cPropertyMenagerEvent.h"
#include "drSelectorAPI.h"

using enum TVariablePtr::TypeVarianble;

namespace {

using tvapi::IPropertyControlPtr;

tvapi::IChooseManager* Chooser()
{
    return drApi::Selector ? drApi::Selector->Choose7.Get() : nullptr;
}

void ChooseKind(tvapi::tvChooseManagerTypeEnum kind)
{
    if (tvapi::IChooseManager* c = Chooser()) c->SetChooseType(kind);
}

void Choose(const tvapi::IModelObjectPtr& o)
{
    if (drApi::Selector) drApi::Selector->Choose(tvapi::ITervanAPIObjectPtr(o));
}

void UnChoose(const tvapi::IModelObjectPtr& o)
{
    if (drApi::Selector) drApi::Selector->UnChoose(tvapi::ITervanAPIObjectPtr(o));
}

// The text of face-list item n (1-based) for an entry that holds an object or not.
std::wstring FaceLabel(bool held, int n)
{
    const std::string text =
        (held ? std::string("Поверхность ") : std::string("Потерян обект")) + std::to_string(n);
    return Wide(TString(text.c_str()));
}

bool PlanarFace(const tvapi::IModelObjectPtr& Entity)
{
    if (Entity->GetObjectType() != tvapi::o3d_face) return false;
    const tvapi::IFacePtr face(Entity);
    const tvapi::IMathSurface3DPtr surface = face ? face->GetSurface() : tvapi::IMathSurface3DPtr();
    return surface && surface->IsPlanar();
}

void SetVisibleEnabled(tvapi::IPropertyControl* c, bool Visible, bool ReadOnly)
{
    c->SetVisible(Visible);
    c->SetEnabled(!ReadOnly);
}

// The list of model entities a pvAOfComEntity binding points at.
drApi::TAOfComEntity& FacesOf(const TVariablePtr& V)
{
    return *static_cast<drApi::TAOfComEntity*>(V.PData);
}

} // namespace

bool TPropertylVariable::SetVisible(bool Visible) const
{
    const IPropertyControlPtr c(Owner ? Owner : Control);
    if (!c) return false;
    c->SetVisible(Visible);
    return true;
}

TPropertylVariable& TAPropertylVariable::Append(TVariablePtr::TypeVarianble Kind, void* Pointer,
                                                const tvapi::IAPIObjectPtr& Control)
{
    if (FSize <= Count) SetSize(Count + 1, false);
    Integer index = 0;
    {
        std::lock_guard<std::mutex> lock(mtx);
        index = Count++;
    }
    TPropertylVariable& v = FArray[index];
    v = TPropertylVariable();
    v.Type = Kind;
    v.PData = Pointer;
    v.Control = Control;
    return v;
}

// ---- user edits -----------------------------------------------------------------------------

bool TAPropertylVariable::ReadControl(TPropertylVariable& V, const IPropertyControlPtr& Control)
{
    switch (V.Type) {
    case pvReal:
    case pvRealMultiply: {
        const tvapi::IPropertyEditPtr e(Control);
        if (!e) return false;
        // A value that is no finite number (also one a factor makes so) is refused: the
        // variable keeps what it held.
        const double value = e->GetRealValue();
        const double scaled = V.Type == pvReal ? value : value / V.Data.Multiply;
        if (!std::isfinite(scaled)) return false;
        *V.PDataReal = scaled;
        return true;
    }
    case pvInteger:
    case pvIntegerDelta: {
        if (const tvapi::IPropertyEditPtr e{Control})
            *V.PDataInteger = e->GetIntValue();
        else if (const tvapi::IPropertySpinEditPtr s{Control})
            *V.PDataInteger = s->GetValue();
        else
            return false;
        if (V.Type == pvIntegerDelta) *V.PDataInteger -= 1;
        return true;
    }
    case pvStr: {
        const tvapi::IPropertyEditPtr e(Control);
        if (!e) return false;
        *V.PDataStr = e->GetText();
        return true;
    }
    case pvBoolean: {
        const tvapi::IPropertyCheckBoxPtr b(Control);
        if (!b) return false;
        *V.PDataBoolean = b->GetChecked();
        return true;
    }
    case pvAdapter: {
        const tvapi::IPropertyListPtr l(Control);
        if (!l) return false;
        TString text;
        text = l->GetCurrentText();
        V.PAdapter->Set(text);
        return true;
    }
    default:
        return false;
    }
}

bool TAPropertylVariable::ChangeControlValue(IPropertyControlPtr Control)
{
    const int i = Sender(tvapi::IAPIObjectPtr(Control));
    if (i < 0) return false;
    Current = i;
    TPropertylVariable& v = FArray[i];
    if (!v.PData) return false;
    if (!ReadControl(v, Control)) {
        ChangeValue(v, false, true, false); // a refused value: the control shows the kept one
        return false;
    }
    ChangeValue(v.PData, i);
    return true;
}

// ---- program changes ------------------------------------------------------------------------

bool TAPropertylVariable::PointsIntoMatrix(const TPropertylVariable& V, const void* Pointer)
{
    if (V.Type != pvMtr3D || !V.PMtr3D) return false;
    const double* first = V.PMtr3D->V;
    const double* p = static_cast<const double*>(Pointer);
    return p >= first && p < first + 16;
}

bool TAPropertylVariable::ChangeValue(void* Pointer, int Sender)
{
    bool result = false;
    for (Integer j = 0; j < Count; ++j) {
        TPropertylVariable& v = FArray[j];
        if (j == Sender || v.Type == pvEmpty) continue;
        if (v.PData == Pointer) {
            if (!v.Owner) {
                Current = j;
                result = ChangeValue(v, false, true, false);
                continue;
            }
            for (Integer k = 0; k < Count; ++k)
                if (FArray[k].Owner && FArray[k].Owner == v.Owner) {
                    Current = k;
                    result = ChangeValue(FArray[k], false, true, false);
                }
        } else if (PointsIntoMatrix(v, Pointer)) {
            result = ChangeValue(v, false, true, false);
        }
    }
    if (Sender != -2) BaseManager.ChangeValue(Pointer, Sender);
    return result;
}

bool TAPropertylVariable::ChangeValue(void* Pointer, bool Visible, bool ReadOnly, void* NewPointer,
                                      int Sender)
{
    bool result = false;
    for (Integer i = 0; i < Count; ++i) {
        TPropertylVariable& v = FArray[i];
        if (i == Sender || v.Type == pvEmpty) continue;
        if (v.PData == Pointer) {
            if (NewPointer) v.PData = NewPointer;
            Current = i;
            result = ChangeValue(v, true, Visible, ReadOnly);
        } else if (PointsIntoMatrix(v, Pointer)) {
            result = ChangeValue(v, true, Visible, ReadOnly);
        }
    }
    if (Sender != -2) BaseManager.ChangeValue(Pointer, Sender);
    return result;
}

bool TAPropertylVariable::RefreshObject(TPropertylVariable& V, bool Property, bool Visible, bool ReadOnly)
{
    tvapi::IModelObjectPtr& object = *V.PIModelObjectPtr;
    if (const tvapi::IPropertyEditPtr e{IPropertyControlPtr(V.Control)}) {
        const std::wstring text = object ? Wide(V.SValue) : std::wstring();
        e->SetText(text.c_str());
        if (Property) SetVisibleEnabled(e.Get(), Visible, ReadOnly);
    }
    if (tvapi::IChooseManager* c = Chooser()) {
        c->SetChooseType(V.TeCM);
        c->UnChooseAll();
    }
    Choose(object);
    return false;
}

bool TAPropertylVariable::RefreshFaces(TPropertylVariable& V)
{
    const tvapi::IPropertyEditListPtr list(IPropertyControlPtr(V.Control));
    if (!list) return false;
    drApi::TAOfComEntity& faces = FacesOf(V);
    list->ClearItems();
    for (Integer j = 0; j < faces.Count; ++j) {
        list->AddItem(FaceLabel(bool(faces[j]), j + 1).c_str());
        Choose(faces[j]);
    }
    return false;
}

bool TAPropertylVariable::RefreshMatrix(TPropertylVariable&)
{
    // Manipulator placements are shown by the 3D panels.
    return false;
}

bool TAPropertylVariable::ChangeValue(TPropertylVariable& VI, bool Property, bool Visible, bool ReadOnly)
{
    if (!VI.PData) return false;
    if (VI.Type == pvIModelObjectPtr || VI.Type == pvIModelObjectPtrPlaneFace)
        return RefreshObject(VI, Property, Visible, ReadOnly);
    const IPropertyControlPtr control(VI.Control);
    if (!control) return false;
    switch (VI.Type) {
    case pvReal:
    case pvStr: {
        const tvapi::IPropertyEditPtr e(control);
        if (!e) return false;
        if (VI.Type == pvReal)
            e->SetRealValue(*VI.PDataReal);
        else
            e->SetText(Wide(*VI.PDataStr).c_str());
        if (Property) SetVisibleEnabled(e.Get(), Visible, ReadOnly);
        return true;
    }
    case pvInteger: {
        if (const tvapi::IPropertyEditPtr e{control}) {
            e->SetIntValue(*VI.PDataInteger);
            if (Property) SetVisibleEnabled(e.Get(), Visible, ReadOnly);
            return true;
        }
        const tvapi::IPropertySpinEditPtr s(control);
        if (!s) return false;
        s->SetValue(*VI.PDataInteger);
        SetVisibleEnabled(s.Get(), Visible, ReadOnly);
        return true;
    }
    case pvBoolean: {
        const tvapi::IPropertyCheckBoxPtr b(control);
        if (!b) return false;
        b->SetChecked(*VI.PDataBoolean);
        return true;
    }
    case pvAdapter: {
        const tvapi::IPropertyListPtr l(control);
        if (!l) return false;
        BaseManager.Reset(l, VI.PAdapter->ADef, VI.PAdapter->GetCurrent(), TString());
        if (Property) SetVisibleEnabled(l.Get(), Visible, ReadOnly);
        return true;
    }
    case pvMtr3D:
        return RefreshMatrix(VI);
    case pvAOfComEntity:
        return RefreshFaces(VI);
    default:
        return false;
    }
}

// ---- object fields ---------------------------------------------------------------------------

bool TAPropertylVariable::ControlCommand(IPropertyControlPtr Control, int ButtonID)
{
    const tvapi::IAPIObjectPtr sender(Control);
    for (Integer i = 0; i < Count; ++i) {
        TPropertylVariable& v = FArray[i];
        if (v.Type == pvEmpty || !v.IsControl(sender)) continue;
        Current = i;
        if (v.Type == pvAOfComEntity && v.PData) {
            const tvapi::IPropertyEditListPtr list(Control);
            if (!list) continue;
            if (ButtonID == 0 || ButtonID == 2) SetCheckState(Current, true, tvapi::tvCheckCurrent);
            if (ButtonID == 2) DeleteTickedFaces(v, list);
            return true;
        }
        if ((v.Type != pvIModelObjectPtr && v.Type != pvIModelObjectPtrPlaneFace) || !v.PData) continue;
        if (ButtonID == 0) {
            SetCheckState(i, true, tvapi::tvCheckCurrent);
            continue;
        }
        if (ButtonID != 2) continue;
        SetCheckState(i, true, tvapi::tvCheckCurrent);
        if (const tvapi::IPropertyEditPtr e{Control}) e->SetText(L"");
        ChooseKind(v.TeCM);
        UnChoose(*v.PIModelObjectPtr);
        v.PIModelObjectPtr->Reset();
        return true;
    }
    return false;
}

bool TAPropertylVariable::DeleteTickedFaces(TPropertylVariable& V, const tvapi::IPropertyEditListPtr& List)
{
    ChooseKind(V.TeCM);
    drApi::TAOfComEntity& faces = FacesOf(V);
    for (int k = List->GetItemCount() - 1; k >= 0; --k) {
        if (!List->GetItemChecked(k) || k >= faces.Count) continue;
        UnChoose(faces[k]);
        faces.Delete(k);
    }
    // Items renumber after a deletion: the list is made again from the entities, so no tick
    // stays on an item that now stands for another face.
    return RefreshFaces(V);
}

void TAPropertylVariable::SetCheckState(int I, bool MakeSelect, tvapi::CheckStateEnum V)
{
    if (I < 0 || I >= Count) return;
    const auto mark = [&](const TPropertylVariable& b, tvapi::CheckStateEnum state) {
        if (b.Type == pvAOfComEntity) {
            if (const tvapi::IPropertyEditListPtr l{IPropertyControlPtr(b.Control)}) l->SetCheckState(state);
        } else if (const tvapi::IPropertyEditPtr e{IPropertyControlPtr(b.Control)}) {
            e->SetCheckState(state);
        }
    };
    if (Selected >= 0 && Selected < Count) mark(FArray[Selected], tvapi::tvCheckVariable);
    if (MakeSelect) Selected = I;
    mark(FArray[I], V);
}

bool TAPropertylVariable::CanSelect(tvapi::IModelObjectPtr& Entity)
{
    if (!Entity || Selected < 0 || Selected >= Count) return false;
    Current = Selected;
    TPropertylVariable& v = FArray[Selected];
    if (!v.PData) return false;
    switch (v.Type) {
    case pvIModelObjectPtr:
        return !*v.PIModelObjectPtr || *v.PIModelObjectPtr == Entity;
    case pvIModelObjectPtrPlaneFace:
        return PlanarFace(Entity);
    case pvAOfComEntity: {
        drApi::TAOfComEntity& faces = FacesOf(v);
        if (faces.Count == 0 || faces.ExistByEqu(Entity)) return true;
        tvapi::IFacePtr face(Entity);
        return faces.IsLinked(face);
    }
    default:
        return false;
    }
}

bool TAPropertylVariable::Select(tvapi::IModelObjectPtr& Entity)
{
    if (!Entity || Selected < 0 || Selected >= Count) return false;
    Current = Selected;
    TPropertylVariable& v = FArray[Selected];
    if (v.Type == pvAOfComEntity && v.PData) {
        const tvapi::IPropertyEditListPtr list(IPropertyControlPtr(v.Control));
        if (!list) return false;
        ChooseKind(v.TeCM);
        ToggleFace(v, list, Entity);
        return true;
    }
    if ((v.Type != pvIModelObjectPtr && v.Type != pvIModelObjectPtrPlaneFace) || !v.PData) return false;
    ChooseKind(v.TeCM);
    const tvapi::IPropertyEditPtr e(IPropertyControlPtr(v.Control));
    if (*v.PIModelObjectPtr == Entity) {
        UnChoose(Entity);
        v.PIModelObjectPtr->Reset();
        if (e) e->SetText(L"");
        return true;
    }
    Choose(Entity);
    *v.PIModelObjectPtr = Entity;
    if (e) e->SetText(Wide(v.SValue).c_str());
    return true;
}

void TAPropertylVariable::ToggleFace(TPropertylVariable& V, const tvapi::IPropertyEditListPtr& List,
                                     tvapi::IModelObjectPtr& Entity)
{
    drApi::TAOfComEntity& faces = FacesOf(V);
    const Integer n = faces.IndexOfByEqu(Entity);
    if (n != -1) {
        List->RemoveItem(faces.Count - 1);
        faces.Delete(n);
        UnChoose(Entity);
        return;
    }
    faces.Add(Entity);
    List->AddItem(FaceLabel(true, faces.Count).c_str());
    Choose(Entity);
}

bool TAPropertylVariable::Select(drApi::TAOfComEntity& Faces, tvapi::IModelObjectPtr& Entity)
{
    if (!Entity) return false;
    for (Integer i = 0; i < Count; ++i) {
        TPropertylVariable& v = FArray[i];
        if (v.Type != pvAOfComEntity || v.PData != &Faces) continue;
        const tvapi::IPropertyEditListPtr list(IPropertyControlPtr(v.Control));
        if (!list) continue;
        Current = i;
        ToggleFace(v, list, Entity);
        return true;
    }
    return false;
}

// ---- look-ups ---------------------------------------------------------------------------------

bool TAPropertylVariable::IsSelected(void* Pointer) const
{
    return Selected >= 0 && Selected < Count && FArray[Selected].PData == Pointer;
}

bool TAPropertylVariable::ControlIs(tvapi::ITervanAPIObjectPtr Control, void* Pointer) const
{
    const int i = Sender(tvapi::IAPIObjectPtr(Control));
    return i >= 0 && FArray[i].PData == Pointer;
}

tvapi::IPropertyControlPtr TAPropertylVariable::GetControl(void* Pointer, bool NeedOwner) const
{
    const int i = IndexOf(Pointer);
    if (i < 0) return {};
    const TPropertylVariable& v = FArray[i];
    return IPropertyControlPtr(NeedOwner && v.Owner ? v.Owner : v.Control);
}

bool TAPropertylVariable::SetVisible(void* Pointer, bool iVisible) const
{
    const int i = IndexOf(Pointer);
    return i >= 0 && FArray[i].SetVisible(iVisible);
}

int TAPropertylVariable::Sender(tvapi::IAPIObjectPtr Control) const
{
    if (!Control) return -1;
    for (Integer i = 0; i < Count; ++i)
        if (FArray[i].Type != pvEmpty && FArray[i].IsControl(Control)) return i;
    return -1;
}

int TAPropertylVariable::IndexOf(void* PData) const
{
    for (Integer i = 0; i < Count; ++i)
        if (FArray[i].Type != pvEmpty && FArray[i].PData == PData) return i;
    return -1;
}

void TAPropertylVariable::Reset(void* Pointer, const TArrayOf<TString>& A, int iCurrent, const TString& Name)
{
    const int i = IndexOf(Pointer);
    if (i < 0 || FArray[i].Type != pvAdapter) return;
    const tvapi::IPropertyListPtr l(IPropertyControlPtr(FArray[i].Control));
    if (!l) return;
    if (Name.Length() > 0) l->SetCaption(Wide(DC(Name)).c_str());
    l->ClearItems();
    std::vector<std::wstring> items;
    for (Integer k = 0; k < A.Count; ++k)
        items.push_back(Wide(A[k]));
    l->SetTextItems(items);
    l->SetCurrentIndex(iCurrent == -1 ? 0 : iCurrent);
    l->SetVisible(true);
}
