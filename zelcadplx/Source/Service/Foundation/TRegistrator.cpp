// TRegistrator: registration, lookups by address, and the edit snapshot kept as the bytes of
// a memory stream.

#include "TRegistrator.h"

#include "KmfData.h"
#include "LoadOrder.h"
#include "Messager.h"
#include "TDependence.h"

#include <vector>

[[gnu::init_priority(loadorder::Registrator)]] TRegistrator Registrator;

namespace {

// Scratch storage of the kind a registered variable has, for records that are read and
// dropped.
struct TScratch {
    double Real = 0.0;
    Integer Int = 0;
    TString Text;

    TVariablePtr Over(const TVariablePtr& V)
    {
        switch (V.Type) {
        case TVariablePtr::pvInteger:
            return TVariablePtr(V.Type, &Int);
        case TVariablePtr::pvStr:
            return TVariablePtr(V.Type, &Text);
        default:
            return TVariablePtr(V.Type, &Real);
        }
    }
};

} // namespace

TRegistrator::TRegistrator() : TArrayOf<TIdVariable>(Room, Room), EditedId(Room, Room) {}

void TRegistrator::Register(Integer iId, TVariablePtr::TypeVarianble Kind, void* Pointer,
                            const TString& iComment, const TString& iHint)
{
    if (!CheckId(iId)) {
        Messager.LiftBox(TString("Ошибка регистрации "), TMessager::toAlways);
        return;
    }
    TIdVariable entry;
    entry.Type = Kind;
    entry.PData = Pointer;
    entry.Id = iId;
    entry.Comment = iComment;
    entry.Hint = iHint;
    Add(entry);
}

void TRegistrator::Announcement(Integer iId, double& Pointer, const TString& iComment, const TString& iHint)
{
    Register(iId, TVariablePtr::pvReal, &Pointer, iComment, iHint);
}

void TRegistrator::Announcement(Integer iId, int& Pointer, const TString& iComment, const TString& iHint)
{
    Register(iId, TVariablePtr::pvInteger, &Pointer, iComment, iHint);
}

bool TRegistrator::CheckId(Integer Id) const
{
    return Id >= 1 && Get(Id) == nullptr;
}

const TIdVariable* TRegistrator::Find(const void* Pointer) const
{
    if (Pointer == nullptr) return nullptr;
    for (const TIdVariable& entry : *this)
        if (entry.PData == Pointer) return &entry;
    return nullptr;
}

Integer TRegistrator::GetId(const void* Pointer) const
{
    const TIdVariable* entry = Find(Pointer);
    return entry ? entry->Id : 0;
}

TString TRegistrator::GetComment(const void* Pointer) const
{
    const TIdVariable* entry = Find(Pointer);
    return entry ? entry->Comment : TString();
}

TString TRegistrator::GetTitul(const void* Pointer) const
{
    const TIdVariable* entry = Find(Pointer);
    return entry ? entry->Hint : TString();
}

TIdVariable* TRegistrator::Get(Integer Id) const
{
    if (Id == 0) return nullptr;
    for (Integer i = 0; i < Count; ++i)
        if (FArray[i].Id == Id) return &FArray[i];
    return nullptr;
}

Integer* TRegistrator::GetPInteger(Integer Id) const
{
    const TIdVariable* entry = Get(Id);
    return entry && entry->Type == TVariablePtr::pvInteger ? entry->PDataInteger : nullptr;
}

double* TRegistrator::GetPReal(Integer Id) const
{
    const TIdVariable* entry = Get(Id);
    return entry ? entry->PDataReal : nullptr;
}

void TRegistrator::MarkEdit(void* Pointer)
{
    Dependences.Change(Pointer);
    const TIdVariable* entry = Find(Pointer);
    if (entry == nullptr || entry->Id == 0) return;
    if (!EditedId.Exist(entry->Id)) EditedId.Add(entry->Id);
    StoreEdit();
}

void TRegistrator::StoreEdit() const
{
    TKmfData stream;
    for (const int id : EditedId) {
        if (const TIdVariable* entry = Get(id)) entry->TVariablePtr::toStream(stream);
    }
    if (EditedStream.Attached) {
        EditedStream.Free(); // a borrowed block is never written into
        EditedStream.Size = 0;
    }
    EditedStream.New(stream.SizeData()); // a new owned block unless the size is the same
    stream.toMemory(EditedStream.Pointer, EditedStream.Size);
}

void TRegistrator::MakeEdit() const
{
    if (EditedStream.Pointer == nullptr) return;
    TKmfData stream;
    stream.fromMemory(EditedStream.Pointer, EditedStream.Size);
    // Ids are copied first: the dependences may mark further edits meanwhile.
    const std::vector<int> ids(EditedId.begin(), EditedId.end());
    for (const int id : ids) {
        const TIdVariable* entry = Get(id);
        if (entry == nullptr) continue; // StoreEdit wrote nothing for it
        TVariablePtr target = *entry;
        target.fromStream(stream);
        Dependences.Change(target.PData);
    }
}

void TRegistrator::MakeEdit(void* Pointer) const
{
    if (EditedStream.Pointer == nullptr || Pointer == nullptr) return;
    TKmfData stream;
    stream.fromMemory(EditedStream.Pointer, EditedStream.Size);
    TScratch scratch;
    for (const int id : EditedId) {
        const TIdVariable* entry = Get(id);
        if (entry == nullptr) continue;
        if (entry->PData != Pointer) {
            scratch.Over(*entry).fromStream(stream);
            continue;
        }
        TVariablePtr target = *entry;
        target.fromStream(stream);
        Dependences.Change(target.PData);
        return;
    }
}

void TRegistrator::toStream(TKmfData& stream) const
{
    StoreEdit();
    EditedId.toStream2(stream);
    EditedStream.toStream(stream);
}

void TRegistrator::fromStream(TKmfData& stream)
{
    EditedId.fromStream2(stream);
    EditedStream.fromStream(stream);
}
