// TVariablePtr and TIdVariable: values set from texts, shown as texts and kept in streams.

#include "TPointer.h"

#include "KmfData.h"
#include "TAdapter.h"
#include "TRegistrator.h"

constinit TVariablePanel* TVariablePanel::Running = nullptr;

namespace {

// Passes over the value that a handle of kind Stored wrote.
void SkipValue(TKmfData& stream, Integer Stored)
{
    switch (Stored) {
    case TVariablePtr::pvReal:
        stream.SkipReal();
        break;
    case TVariablePtr::pvInteger:
        stream.SkipInteger();
        break;
    case TVariablePtr::pvStr: {
        TString dropped;
        stream >> dropped;
        break;
    }
    default: // no value, or one of unknown size
        break;
    }
}

// Stores v into *Target; true when that changed it.
template <class T> bool Assign(T* Target, const T& v)
{
    if (*Target == v) return false;
    *Target = v;
    return true;
}

} // namespace

int TVariablePtr::Let(const TString& TextValue)
{
    if (PData == nullptr) return 0;
    bool changed = false;
    if (Type == pvInteger)
        changed = Assign(PDataInteger, TextValue.toInteger());
    else if (Type == pvReal)
        changed = Assign(PDataReal, TextValue.toReal());
    if (!changed) return 0;
    Registrator.MarkEdit(PData);
    if (TVariablePanel* panel = TVariablePanel::Running) {
        panel->LetValue(PData);
        panel->RedrawPhantom();
    }
    return 1;
}

TString TVariablePtr::GetText() const
{
    if (PData == nullptr) return TString();
    switch (Type) {
    case pvReal:
        return TString(*PDataReal, 2, true, 7);
    case pvInteger:
        return TString(*PDataInteger);
    case pvStr:
        return *PDataStr;
    case pvBoolean:
        return TString(*PDataBoolean);
    default:
        return TString();
    }
}

void TVariablePtr::toStream(TKmfData& stream) const
{
    stream.Write(static_cast<Integer>(Type));
    if (PData == nullptr) return;
    switch (Type) {
    case pvReal:
        stream.Write(*PDataReal);
        break;
    case pvInteger:
        stream.Write(*PDataInteger);
        break;
    case pvStr:
        stream << *PDataStr;
        break;
    case pvAdapter:
        PAdapter->toStream(stream);
        break;
    default:
        break;
    }
}

void TVariablePtr::fromStream(TKmfData& stream)
{
    const Integer stored = stream.ReadInteger();
    if (stored != Type) {
        SkipValue(stream, stored);
        return;
    }
    if (PData == nullptr) return;
    switch (Type) {
    case pvReal:
        stream.Read(*PDataReal);
        break;
    case pvInteger:
        stream.Read(*PDataInteger);
        break;
    case pvStr:
        stream >> *PDataStr;
        break;
    case pvAdapter:
        PAdapter->fromStream(stream);
        break;
    default:
        break;
    }
}

void TIdVariable::SetExp(const double& iValue, const TString& Expresion)
{
    Comment = Expresion;
    PDataReal = &Value;
    Value = iValue;
    Id = -1;
}

TString TIdVariable::GetDim() const
{
    if (Value >= 0) return Comment;
    return TString("-(") + Comment + TString(")");
}

void TIdVariable::toStream(TKmfData& stream) const
{
    TVariablePtr::toStream(stream);
    stream.Write(Id);
    stream << Comment << Hint;
}

void TIdVariable::fromStream(TKmfData& stream)
{
    TVariablePtr::fromStream(stream);
    if (stream.Version() < NamedVersion) return;
    stream.Read(Id);
    stream >> Comment >> Hint;
}
