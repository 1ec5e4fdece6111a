#pragma once
// Bindings of panel controls to program variables. TPropertylVariable ties one host control
// to one variable through a typed pointer; TAPropertylVariable is a panel's list of them: it
// copies a user's edit into the variable, shows a program's change in every control bound to
// the variable, keeps one object field selected for picks, and answers small look-ups.

#include "DString.h"
#include "TArray.h"
#include "TPointer.h"
#include "drAOfComEntity.h"
#include "tvapi/ModelObjects.h"
#include "tvapi/PropertyManager.h"
#include "tvapi/Selection.h"

class TBaseManager;

class TPropertylVariable : public TVariablePtr {
public:
    using TC = tvapi::IAPIObjectPtr;
    using TeChooseManager = tvapi::tvChooseManagerTypeEnum;

    TC Control; // the control that shows the variable (a point coordinate's own field)
    TC Owner;   // the composite control holding Control; empty otherwise
    Integer IdControl = 0;
    TeChooseManager TeCM = tvapi::tvChMLevel1ColorBase; // highlight of picked objects
    Str SValue; // text kept with the binding (an object picker's prompt value)
    union {
        void* Ptr;
        const char** APChar;
        double Multiply; // display factor of a pvRealMultiply binding
    } Data{};

    // Whether Control is the same host object as C.
    bool IsControl(const tvapi::IAPIObjectPtr& C) const { return C && Control == C; }
    bool IsIdControl(int Id) const { return IdControl == Id; }
    // Shows or hides the owner (when set) or the control; false without a property control.
    bool SetVisible(bool Visible) const;
};

class TAPropertylVariable : public TArrayOf<TPropertylVariable> {
public:
    static constexpr Integer NotSelected = -1; // Selected when no field takes picks

    TBaseManager& BaseManager; // the panel told of every change
    Integer Selected = NotSelected;

    TAPropertylVariable(TBaseManager& iBaseManager, Integer Size, Integer Capacity)
        : TArrayOf<TPropertylVariable>(Size, Capacity), BaseManager(iBaseManager)
    {
    }

    // Appends a binding of kind Kind to Pointer shown by Control (through the array's own
    // growth and lock); the result is the new record.
    TPropertylVariable& Append(TVariablePtr::TypeVarianble Kind, void* Pointer,
                               const tvapi::IAPIObjectPtr& Control);

    // A user changed Control: its value goes into the bound variable, the other controls of
    // the variable are refreshed and the panel is told. False when no binding holds Control,
    // the variable is null, the kind has no reading or the control lacks the interface.
    bool ChangeControlValue(tvapi::IPropertyControlPtr Control);
    // The variable at Pointer changed: every binding of it but Sender is refreshed, then the
    // panel's ChangeValue(Pointer, Sender) runs unless Sender is -2. The last refresh answers.
    bool ChangeValue(void* Pointer, int Sender);
    // Shows the variable of VI in its control; with Property also Visible and not ReadOnly.
    bool ChangeValue(TPropertylVariable& VI, bool Property, bool Visible, bool ReadOnly);
    // As ChangeValue(Pointer, Sender), with the visibility and write state given; a non-null
    // NewPointer re-points the bindings of Pointer first.
    bool ChangeValue(void* Pointer, bool Visible, bool ReadOnly, void* NewPointer, int Sender);
    // A button beside an object field or face list: 0 selects the field, 2 clears it (a face
    // list loses its ticked faces).
    bool ControlCommand(tvapi::IPropertyControlPtr Control, int ButtonID);
    // Marks binding I with V; with MakeSelect it becomes the selected field. The previously
    // selected field shows tvCheckVariable. Nothing for an index out of range.
    void SetCheckState(int I, bool MakeSelect, tvapi::CheckStateEnum V);
    // Picks for the selected object field.
    bool CanSelect(tvapi::IModelObjectPtr& Entity);
    bool Select(tvapi::IModelObjectPtr& Entity);
    // Toggles Entity in the face list Faces shown by its edit list: removed when an equal
    // entry is there, appended otherwise. False when Entity is empty or no edit list shows Faces.
    bool Select(drApi::TAOfComEntity& Faces, tvapi::IModelObjectPtr& Entity);

    bool IsSelected(void* Pointer) const;
    bool ControlIs(tvapi::ITervanAPIObjectPtr Control, void* Pointer) const;
    tvapi::IPropertyControlPtr GetControl(void* Pointer, bool NeedOwner) const;
    bool SetVisible(void* Pointer, bool iVisible) const;
    int Sender(tvapi::IAPIObjectPtr Control) const;
    int IndexOf(void* PData) const;
    // Refills the choice list bound to the adapter at Pointer.
    void Reset(void* Pointer, const TArrayOf<TString>& A, int Current, const TString& Name);

private:
    bool ReadControl(TPropertylVariable& V, const tvapi::IPropertyControlPtr& Control);
    bool RefreshObject(TPropertylVariable& V, bool Property, bool Visible, bool ReadOnly);
    bool RefreshMatrix(TPropertylVariable& V);
    bool RefreshFaces(TPropertylVariable& V);
    void ToggleFace(TPropertylVariable& V, const tvapi::IPropertyEditListPtr& List,
                    tvapi::IModelObjectPtr& Entity);
    bool DeleteTickedFaces(TPropertylVariable& V, const tvapi::IPropertyEditListPtr& List);
    static bool PointsIntoMatrix(const TPropertylVariable& V, const void* Pointer);
};
