// TAVariable: entries kept in blocks that never move, so formula values keep their addresses.

#include "TAVariable.h"

#include "LoadOrder.h"

#include <memory>

[[gnu::init_priority(loadorder::Variables)]] TAVariable AVariable;

TAVariable::TAVariable() : AVariables(Room, Room), ACountVariables(16, 16), FMore(4, 4) {}

constinit TAVariable::TPublisher TAVariable::Publisher = nullptr;

void TAVariable::drAddLinkedVariables(TModeler3D* iM, bool IsParametric) const
{
    if (iM == nullptr || !IsParametric || Publisher == nullptr) return;
    const Integer n = Count();
    for (Integer i = 0; i < n; ++i) {
        const TIdVariable& entry = Entry(i);
        const double value = entry.PDataReal != nullptr ? *entry.PDataReal : entry.Value;
        Publisher(*iM, entry.Comment, value, entry.Hint, LinkDocName);
    }
}

Integer TAVariable::Count() const
{
    Integer n = AVariables.Count;
    for (const TArrayOf<TIdVariable>* block : FMore)
        n += block->Count;
    return n;
}

TIdVariable& TAVariable::Entry(Integer i) const
{
    if (i < AVariables.Count) return AVariables.FArray[i];
    i -= AVariables.Count;
    return FMore.FArray[i / Room]->FArray[i % Room];
}

TIdVariable& TAVariable::NewEntry()
{
    // Add(), not growth: a full block is never grown, a new one follows it.
    if (AVariables.Count < AVariables.Size()) return AVariables.Add();
    if (FMore.Empty() || FMore.Last()->Count >= Room)
        FMore.Add(std::make_unique<TArrayOf<TIdVariable>>(Room, Room));
    return FMore.Last()->Add();
}

void TAVariable::AddVar(const TString& iName, double* iValue, const TString& iNote)
{
    if (iValue == nullptr) return;
    TIdVariable& entry = NewEntry();
    entry = TIdVariable();
    entry.Type = TVariablePtr::pvReal;
    entry.PDataReal = iValue;
    entry.Comment = iName;
    entry.Hint = iNote;
    entry.Value = *iValue;
}

double* TAVariable::AddExp(const double& iValue, const TString& iExpresion)
{
    TIdVariable& entry = NewEntry();
    entry = TIdVariable();
    entry.Type = TVariablePtr::pvExpresionReal;
    entry.SetExp(iValue, iExpresion);
    return &entry.Value;
}

TIdVariable* TAVariable::GetVariable(const double* Value) const
{
    if (Value == nullptr) return nullptr;
    TIdVariable* formula = nullptr;
    const Integer n = Count();
    for (Integer i = 0; i < n; ++i) {
        TIdVariable& entry = Entry(i);
        if (entry.PData != Value) continue;
        if (entry.Type != TVariablePtr::pvExpresionReal) return &entry;
        if (formula == nullptr) formula = &entry;
    }
    return formula;
}

TString TAVariable::GetExp(const double* Value) const
{
    if (const TIdVariable* entry = GetVariable(Value)) return entry->Comment;
    return Value != nullptr ? TString(*Value, 2, true, 7) : TString();
}
