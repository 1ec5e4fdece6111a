// ==== drApi::TModelerApi (drModelerAPI.h), part: threads on models ================================
// A thread put on a face of the current part through the part's 3D symbols.

#include "drModelerAPI.h"

#include "tvapi/Symbols3D.h"

namespace drApi {

void TModelerApi::drThread(tvapi::IModelObjectPtr Face)
{
    TRegistryApi& r = *R3;
    r.Obj3D.Reset();
    const tvapi::ISymbols3DContainerPtr symbols(r.Part);
    const tvapi::IThreadsPtr threads = symbols ? symbols->GetThreads() : tvapi::IThreadsPtr();
    const tvapi::IThreadPtr thread = threads ? threads->Add() : tvapi::IThreadPtr();
    if (!thread) return;
    thread->SetBaseObject(Face);
    // Its size and length come from the face; a right-hand thread.
    thread->SetAutoDefinition(true);
    thread->SetFullLength(true);
    thread->SetLeftHand(false);
    thread->Update();
    r.Obj3D = thread;
    r.AMacroObject3D.Add(tvapi::ITervanAPIObjectPtr(r.Obj3D));
}

} // namespace drApi
