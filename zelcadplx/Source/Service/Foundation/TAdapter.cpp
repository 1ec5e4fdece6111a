// TAdapter: choices found by the variable's value, and applied back to it.

#include "TAdapter.h"

#include "Dictionary.h"
#include "KmfData.h"
#include "LoadOrder.h"
#include "Messager.h"

[[gnu::init_priority(loadorder::Adapters)]] const TString TAdapter::strNotSpecified("*");

namespace {

// Index of the first element equal to v, or -1.
template <class T> Integer FirstEqual(const TArrayOf<T>& A, const T& v)
{
    for (Integer i = 0; i < A.Count; ++i)
        if (A.FArray[i] == v) return i;
    return -1;
}

void NoVariableBox(const char* Operation)
{
    TString text("Ошибка переменной TAdapter::");
    text += Operation;
    Messager.LiftBox(DC(text), TMessager::toAlways);
}

} // namespace

TAdapter::TAdapter(const TString& iName, Type iT, void* iP, bool iOP, TArrayOf<TString>& iADef, bool iOAD,
                   void* ipA)
    : typ(iT), Name(iName), Ptr(iP), OwnerPtr(iOP), ADef(iADef), OwnerADef(iOAD), pA(ipA)
{
    if (Ptr == nullptr) return;
    switch (typ) {
    case pvInteger:
    case pvEnumInteger:
        ADef.Current = *PInt;
        break;
    case pvStr:
        ADef.Current = FirstEqual(ADef, *PStr);
        break;
    case pvReal:
    case pvEmpty:
        break;
    }
}

TAdapter::~TAdapter()
{
    if (OwnerPtr && Ptr != nullptr) {
        switch (typ) {
        case pvInteger:
        case pvEnumInteger:
            delete PInt;
            break;
        case pvReal:
            delete PReal;
            break;
        case pvStr:
            delete PStr;
            break;
        case pvEmpty: // a variable of no known type cannot be freed
            break;
        }
    }
    if (OwnerADef) delete &ADef;
}

Integer TAdapter::GetCurrent() const
{
    ADef.Current = 0;
    if (Ptr == nullptr) return 0;
    Integer found = -1;
    switch (typ) {
    case pvEnumInteger:
        // The value is the index itself (SetI stores it so); its text is no number.
        found = ADef.ValidIndex(*PInt) ? *PInt : -1;
        break;
    case pvInteger:
        found = pAInt != nullptr ? FirstEqual(*pAInt, *PInt) : FirstEqual(ADef, TString(*PInt));
        break;
    case pvReal:
        found =
            pAReal != nullptr ? FirstEqual(*pAReal, *PReal) : FirstEqual(ADef, TString(*PReal, 2, true, 7));
        break;
    case pvStr:
        found = FirstEqual(ADef, *PStr);
        break;
    case pvEmpty:
        break;
    }
    if (!ADef.ValidIndex(found)) return 0;
    ADef.Current = found;
    return found;
}

void TAdapter::SetI(Integer)
{
    const Integer i = ADef.Current;
    if (Ptr == nullptr || !ADef.ValidIndex(i) || ADef.FArray[i] == strNotSpecified) return;
    const TString& choice = ADef.FArray[i];
    if (pA != nullptr) {
        if (typ == pvReal && pAReal->ValidIndex(i)) *PReal = pAReal->FArray[i];
        if (typ == pvInteger && pAInt->ValidIndex(i)) *PInt = pAInt->FArray[i];
        return;
    }
    switch (typ) {
    case pvReal:
        *PReal = choice.toReal();
        break;
    case pvInteger:
        *PInt = choice.toInteger();
        break;
    case pvEnumInteger:
        *PInt = i;
        break;
    case pvStr:
        *PStr = choice;
        break;
    case pvEmpty:
        break;
    }
}

void TAdapter::Set(const TString& V)
{
    ADef.Current = std::max(FirstEqual(ADef, V), 0);
    SetI(ADef.Current);
}

void TAdapter::toStream(TKmfData& stream) const
{
    if (Ptr == nullptr) {
        NoVariableBox("toStream");
        return;
    }
    switch (typ) {
    case pvInteger:
    case pvEnumInteger:
        stream.Write(*PInt);
        break;
    case pvReal:
        stream.Write(*PReal);
        break;
    case pvStr:
        stream << *PStr;
        break;
    case pvEmpty:
        break;
    }
}

void TAdapter::fromStream(TKmfData& stream)
{
    if (Ptr == nullptr) {
        NoVariableBox("fromStream");
        return;
    }
    switch (typ) {
    case pvInteger:
    case pvEnumInteger:
        stream.Read(*PInt);
        break;
    case pvReal:
        stream.Read(*PReal);
        break;
    case pvStr:
        stream >> *PStr;
        break;
    case pvEmpty:
        break;
    }
}
