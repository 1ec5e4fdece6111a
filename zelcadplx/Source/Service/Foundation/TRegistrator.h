#pragma once
// TRegistrator: the registry of program variables, each named by a numeric id with a comment
// and a hint, and the edit snapshot: the ids of the variables the user changed, in the order
// of their first change, with their values kept as a byte-stream image that can be stored
// and played back over the command's defaults. One instance, the global Registrator.

#include "BaseTypes.h"
#include "DString.h"
#include "TArray.h"
#include "TMemory.h"
#include "TPointer.h"

class TKmfData;

class TRegistrator : public TArrayOf<TIdVariable> {
public:
    static constexpr Integer Room = 256; // entries and edited ids made at once

    // The snapshot's bytes: a whole memory stream image (header and data) holding the handle
    // form of each edited, registered variable in the order of EditedId. Starts empty and
    // borrowed (Attached).
    mutable TMemory EditedStream;
    TArrayOf<int> EditedId; // ids the user changed, first change first, no repeats

    TRegistrator();
    ~TRegistrator() override = default;
    TRegistrator(const TRegistrator&) = delete;
    TRegistrator& operator=(const TRegistrator&) = delete;

    // Registers the variable under iId (> 0, not yet used); otherwise tells the user
    // "Ошибка регистрации " and registers nothing.
    void Announcement(Integer iId, double& Pointer, const TString& iComment, const TString& iHint);
    void Announcement(Integer iId, int& Pointer, const TString& iComment, const TString& iHint);
    // True when Id may still be registered: at least 1 and unused.
    bool CheckId(Integer Id) const;

    // Lookups by the variable's address; 0 or an empty text when it is not registered.
    Integer GetId(const void* Pointer) const;
    Integer GetId(const Real& V) const { return GetId(static_cast<const void*>(&V)); }
    TString GetComment(const void* Pointer) const;
    TString GetTitul(const void* Pointer) const;
    // The entry with Id, null for 0 or none; valid until the next registration.
    TIdVariable* Get(Integer Id) const;
    // The entry's integer, null unless it is registered as an integer.
    Integer* GetPInteger(Integer Id) const;
    // The entry's pointer whatever its kind; null when not registered.
    double* GetPReal(Integer Id) const;

    // Called after every change of a variable: applies the dependences for it and, for a
    // registered variable, records its id and rebuilds the snapshot.
    void MarkEdit(void* Pointer);
    // Rebuilds the snapshot from the present values of the edited variables.
    void StoreEdit() const;
    // Plays the snapshot back into the edited variables, in order, each followed by its
    // dependences.
    void MakeEdit() const;
    // Plays back only the record of the variable at Pointer (with its dependences).
    void MakeEdit(void* Pointer) const;
    // Forgets the edited ids; the snapshot's bytes stay until the next StoreEdit.
    void ClearEdit() { EditedId.Clear(); }

    // EditedId in the raw integer-array form, then the snapshot as a byte block; writing
    // rebuilds the snapshot first.
    void toStream(TKmfData& stream) const;
    void fromStream(TKmfData& stream);
    void Init() {}

private:
    const TIdVariable* Find(const void* Pointer) const;
    void Register(Integer iId, TVariablePtr::TypeVarianble Kind, void* Pointer, const TString& iComment,
                  const TString& iHint);
};

// The registry of program variables, alive from load to unload.
extern TRegistrator Registrator;
