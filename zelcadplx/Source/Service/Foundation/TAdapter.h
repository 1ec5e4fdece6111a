#pragma once
// TAdapter: ties one program variable (an integer, a real, an enumeration index or a text)
// to a list of choice texts, so that a choice control shows the variable as one of the texts
// and writes the user's choice back. TAdapterOf is the owning form that makes the variable
// and the list itself.

#include "BaseTypes.h"
#include "DString.h"
#include "TArray.h"

#include <initializer_list>
#include <type_traits>

class TKmfData;

class TAdapter {
public:
    enum Type : Integer { pvEmpty = 0, pvReal = 1, pvInteger = 2, pvEnumInteger = 3, pvStr = 4 };

    // The choice text that stands for "no value specified": choosing it changes nothing.
    static const TString strNotSpecified;

    const Type typ;
    TString Name; // the control's caption
    union {       // the bound variable, seen by typ; may be null
        void* Ptr;
        Integer* PInt;
        double* PReal;
        TString* PStr;
    };
    bool OwnerPtr;                // the variable is freed with the adapter
    TArrayOf<TString>& ADef;      // the choices; Current is the chosen index, -1 for none
    bool OwnerADef;               // ADef is freed with the adapter
    union {                       // optional values parallel to ADef; never owned
        void* pA;                 // null: a choice stands for the value its text reads as
        TArrayOf<int>* pAInt;     // pvInteger
        TArrayOf<double>* pAReal; // pvReal
    };

    // With a variable the first choice is selected from it: pvInteger and pvEnumInteger take
    // the value itself as the index (not checked against the list), pvStr the first equal
    // text (-1 when none); pvReal and pvEmpty leave ADef.Current alone.
    TAdapter(const TString& iName, Type iT, void* iP, bool iOP, TArrayOf<TString>& iADef, bool iOAD,
             void* ipA);
    virtual ~TAdapter();
    TAdapter(const TAdapter&) = delete; // the owned variable and list have one owner
    TAdapter& operator=(const TAdapter&) = delete;

    // The index of the choice that shows the variable's present value, also stored in
    // ADef.Current; 0 when nothing matches or there is no variable. An enumeration's value is
    // the index itself; with parallel values the first equal value decides; otherwise the
    // first choice text equal to the value's text ("%d", or a real as "%7.2f").
    Integer GetCurrent() const;

    // Applies the choice at ADef.Current to the variable (I is not read). Nothing for -1, an
    // index outside the choices (or the parallel values), or the strNotSpecified choice.
    virtual void SetI(Integer I);
    // Selects the first choice equal to V (choice 0 when none is), then applies it.
    virtual void Set(const TString& V);
    // The variable's value: int32, double or the text's stream form by kind; pvEmpty writes
    // nothing. Without a variable the stream is untouched and the user is told.
    virtual void toStream(TKmfData& stream) const;
    virtual void fromStream(TKmfData& stream);
};

// The owning adapter over a new T: TAdapterOf<int, TAdapter::pvEnumInteger> (an enumeration
// index) and TAdapterOf<double, TAdapter::pvReal>.
template <class T, TAdapter::Type K> class TAdapterOf : public TAdapter {
public:
    static constexpr Integer ListStep = 32;

    // A variable holding iV and the choices L; the choice shown is the one at index iV.
    TAdapterOf(const TString& iName, const T& iV, std::initializer_list<TString> L)
        : TAdapter(iName, K, new T(iV), true, MakeList(L), true, nullptr)
    {
        ADef.Current = ToIndex(iV);
    }

private:
    static TArrayOf<TString>& MakeList(std::initializer_list<TString> L)
    {
        auto* list = new TArrayOf<TString>(static_cast<Integer>(L.size()), ListStep);
        for (const TString& text : L)
            list->Add(text);
        return *list;
    }
    // A real that is no valid int selects nothing.
    static Integer ToIndex(const T& v)
    {
        if constexpr (std::is_floating_point_v<T>)
            return v >= 0 && v < static_cast<T>(INT32_MAX) ? static_cast<Integer>(v) : -1;
        else
            return static_cast<Integer>(v);
    }
};

using TEnum = TAdapterOf<int, TAdapter::pvEnumInteger>;
using TEnumReal = TAdapterOf<double, TAdapter::pvReal>;
