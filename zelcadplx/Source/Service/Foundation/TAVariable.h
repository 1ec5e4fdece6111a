#pragma once
// TAVariable: the named model variables of a parametric detail and its formula values. A
// formula entry keeps its value itself, and callers hold the address of that value; so an
// entry never moves once added. One instance, the global AVariable.

#include "BaseTypes.h"
#include "DString.h"
#include "TArray.h"
#include "TPointer.h"

class TModeler3D;

class TAVariable {
public:
    static constexpr Integer Room = 5120; // entries per block; blocks are never moved

    TArrayOf<TIdVariable> AVariables; // the first Room entries
    TArrayOf<int> ACountVariables;
    TString LinkDocName;

    TAVariable();
    virtual ~TAVariable() = default;
    TAVariable(const TAVariable&) = delete; // entries point at themselves
    TAVariable& operator=(const TAVariable&) = delete;

    // Publishes one variable through the modeller - the variable Name of the part it builds
    // set to Value or added with Note - and, when LinkDocName is not empty, links it to the
    // variable of that name in the document LinkDocName. The modeller lends it (the host's
    // variables lie above this layer); null until a modeller is made.
    using TPublisher = void (*)(TModeler3D& M, const TString& Name, double Value, const TString& Note,
                                const TString& LinkDocName);
    static TPublisher Publisher;

    // Publishes every entry, plain and formula alike, in order, under its Comment with the
    // value at its address and its Hint as the note; nothing when IsParametric is false, or
    // without a modeller or its publisher.
    virtual void drAddLinkedVariables(TModeler3D* iM, bool IsParametric) const;

    // A named real variable (kind pvReal, id 0, Value its present value); nothing for null.
    void AddVar(const TString& iName, double* iValue, const TString& iNote);
    // A formula entry holding iValue; returns the address of that value, valid while the
    // list lives.
    double* AddExp(const double& iValue, const TString& iExpresion);
    // The entry bound to the address Value: a plain entry first, then a formula entry; null.
    TIdVariable* GetVariable(const double* Value) const;
    TIdVariable* GetVariable(const Real& V) const { return GetVariable(&V); }
    // The formula (Comment) of that entry; without one, the value itself as "%7.2f".
    TString GetExp(const double* Value) const;

    // Entries in the order they were added, all blocks together.
    Integer Count() const;
    TIdVariable& Entry(Integer i) const;

private:
    TArrayOfP<TArrayOf<TIdVariable>> FMore; // further blocks of Room entries each
    TIdVariable& NewEntry();
};

// The model variables and formula values, alive from load to unload.
extern TAVariable AVariable;
