#pragma once
// TDependence: a linear rule between two real program variables (equal, V1 = K*V2 + dL, or
// V1 at least K*V2 + dL), re-applied whenever one of them changes; TDependences: the list of
// them, the global Dependences, which the registry consults after every change.

#include "BaseTypes.h"
#include "TArray.h"
#include "TPointer.h"

class TDependence {
public:
    enum TType : Integer {
        tdEmpty = 0,
        tdEqu = 1,             // V1 = V2, whichever changed
        tdKmulV2addDL = 2,     // V1 = K * V2 + dL when V2 changed
        tdMoreKmulV2addDL = 3, // V1 raised to K * V2 + dL when V2 changed and V1 is below it
        tdLessKmulV2addDL = 4, // V1 lowered to K * V2 + dL when V2 changed and V1 is above it
        tdCount = 5,
    };

    TType Type = tdEmpty;
    double dL = 0.0;
    double K = 0.0;
    TVariablePtr V1; // real variables
    TVariablePtr V2;

    // Applies the rule for the changed variable at Pointer. When it changed V1 or V2, that
    // variable's edit is marked (its own dependences follow) and the running panel shows it;
    // returns true. False for another pointer, an unchanged value or an empty rule.
    bool Change(void* Pointer);
    // The running panel shows the variable at Pointer, and its edit is marked.
    void Changed(void* Pointer);

private:
    void Announce(void* Pointer);
};

class TDependences : public TArrayOf<TDependence> {
public:
    static constexpr Integer Room = 256;
    // A loop of rules that never settles (V1 = 2*V2 with V2 = 2*V1, or a NaN) stops after
    // MaxChain changes one within another, or MaxChanges changes in all for one outside
    // change, instead of exhausting the stack or running on without end.
    static constexpr Integer MaxChain = 64;
    static constexpr Integer MaxChanges = 1024;

    bool Lock = false;

    TDependences() : TArrayOf<TDependence>(Room, Room) {}
    ~TDependences() override = default;
    TDependences(const TDependences&) = delete;
    TDependences& operator=(const TDependences&) = delete;

    // Applies every rule for the changed variable at Data; 1 when any of them changed a value.
    int Change(void* Data);

private:
    Integer FDepth = 0;
    Integer FChanges = 0; // rules that fired since the outside change
};

// The dependences between program variables, alive from load to unload.
extern TDependences Dependences;
