#pragma once
// TVariablePtr: the typed handle through which panel controls, the variable registry and
// the edit snapshot reach a program variable; TIdVariable: a registered variable with its
// id, comment and hint, or a formula entry that stores its value itself. TVariablePanel is
// what a change of a variable asks of the panel that runs.

#include "BaseTypes.h"
#include "DString.h"

class TAdapter;
class TKmfData;
class TMtr3D;
class TPoint3D;
namespace tvapi {
class IModelObject;
template <class I> class Ptr;
} // namespace tvapi

// The panel that runs, as the variables see it: the controls bound to a variable and the
// preview. The running panel lends itself through Running while it runs.
class TVariablePanel {
public:
    // Null while no panel runs.
    static TVariablePanel* Running;

    // A program variable changed from a text the user typed: every control bound to the
    // variable at Pointer shows the new value, visible and writable (none is the sender),
    // and the panel's own hook for the change runs.
    virtual void LetValue(void* Pointer) = 0;
    // A dependence changed the variable at Pointer: the controls bound to it show the value.
    virtual void RefreshValue(void* Pointer) = 0;
    // Redraws the panel's preview of what the command will build.
    virtual void RedrawPhantom() = 0;

protected:
    ~TVariablePanel() = default;
};

class TVariablePtr {
public:
    // The kind of the variable; it selects the pointer's view.
    enum TypeVarianble : Integer {
        pvEmpty = 0,
        pvReal = 1,         // PDataReal
        pvRealMultiply = 2, // PDataReal, shown scaled by the panel
        pvInteger = 3,      // PDataInteger
        pvIntegerDelta = 4, // PDataInteger, shown shifted by the panel
        pvStr = 5,          // PDataStr
        pvBoolean = 6,      // PDataBoolean
        pvPoint3D = 7,      // PPoint3D
        pvMtr3D = 8,        // PMtr3D
        pvAOfComEntity = 9, // PData, a list of model entities the panels keep
        pvIModelObjectPtr = 10,
        pvIModelObjectPtrPlaneFace = 11,
        pvExpresionReal = 12, // PDataReal, at a formula entry's own Value
        pvAdapter = 13,       // PAdapter
        pvCount = 14,
    };

    TypeVarianble Type = pvEmpty;
    union {
        void* PData = nullptr;
        void* Ptr;
        double* PDataReal;
        Integer* PDataInteger;
        TString* PDataStr;
        bool* PDataBoolean;
        TPoint3D* PPoint3D;
        TMtr3D* PMtr3D;
        tvapi::Ptr<tvapi::IModelObject>* PIModelObjectPtr;
        TAdapter* PAdapter;
    };
    Integer Delta = 0; // an offset the panels keep with the binding

    TVariablePtr() = default;
    TVariablePtr(TypeVarianble iType, void* iPointer) : Type(iType), PData(iPointer) {}

    // Sets an integer or real variable from a text (a comma reads as a point). Returns 1 when
    // the value changed: the edit is then marked in the registry (dependences follow), and
    // the running panel refreshes the bound controls and its preview. 0 for an equal value,
    // a null pointer or another kind.
    int Let(const TString& TextValue);
    // The value as text: a real as "%7.2f" with a point, an integer "%d", a text, "true" or
    // "false"; empty for a null pointer and for every other kind.
    TString GetText() const;

    // The kind (int32), then, with a pointer, the value: a double, an int32, the text's stream
    // form or an adapter's value; other kinds write no value.
    void toStream(TKmfData& stream) const;
    // The value is read only when the stored kind is this handle's kind and the pointer is
    // set. A value of another stored kind is passed over, so the next record reads right
    // (an adapter's value cannot be measured and is not passed over).
    void fromStream(TKmfData& stream);
};

class TIdVariable : public TVariablePtr {
public:
    static constexpr Integer NamedVersion = 86; // streams from this version carry id and texts

    Integer Id = 0; // 0: not registered; -1: a formula entry
    TString Comment;
    TString Hint;
    double Value = 0.0; // a formula entry's value, which its pointer points at

    // Makes this a formula entry over its own Value; the kind is left as it is. Pointing at
    // itself, the entry must not be copied or moved afterwards.
    void SetExp(const double& iValue, const TString& Expresion);
    // Comment, or "-(" Comment ")" for a negative Value.
    TString GetDim() const;

    // The handle's form, then Id (int32), Comment and Hint; streams older than NamedVersion
    // hold only the handle, and the entry keeps its id and texts.
    void toStream(TKmfData& stream) const;
    void fromStream(TKmfData& stream);
};
