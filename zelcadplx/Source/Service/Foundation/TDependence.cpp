// TDependence: the rules, and the chain of changes one change sets off through the registry.

#include "TDependence.h"

#include "LoadOrder.h"
#include "TRegistrator.h"

[[gnu::init_priority(loadorder::Dependences)]] TDependences Dependences;

namespace {

// Sets *V to x; true when that changed it.
bool Raise(double* V, double x)
{
    if (*V == x) return false;
    *V = x;
    return true;
}

} // namespace

void TDependence::Announce(void* Pointer)
{
    if (TVariablePanel* panel = TVariablePanel::Running) panel->RefreshValue(Pointer);
}

void TDependence::Changed(void* Pointer)
{
    Announce(Pointer);
    Registrator.MarkEdit(Pointer);
}

bool TDependence::Change(void* Pointer)
{
    if (Pointer == nullptr || V1.PDataReal == nullptr || V2.PDataReal == nullptr) return false;
    double& a = *V1.PDataReal;
    double& b = *V2.PDataReal;
    void* changed = nullptr;
    const bool fromV2 = Pointer == V2.PData;
    const double x = K * b + dL;
    switch (Type) {
    case tdEqu:
        if (Pointer == V1.PData && Raise(&b, a))
            changed = V2.PData;
        else if (fromV2 && Raise(&a, b))
            changed = V1.PData;
        break;
    case tdKmulV2addDL:
        if (fromV2 && Raise(&a, x)) changed = V1.PData;
        break;
    case tdMoreKmulV2addDL:
        if (fromV2 && x > a && Raise(&a, x)) changed = V1.PData;
        break;
    case tdLessKmulV2addDL:
        if (fromV2 && x < a && Raise(&a, x)) changed = V1.PData;
        break;
    default:
        break;
    }
    if (changed == nullptr) return false;
    Registrator.MarkEdit(changed);
    Announce(changed);
    Registrator.MarkEdit(changed);
    return true;
}

int TDependences::Change(void* Data)
{
    if (FDepth == 0) FChanges = 0;
    if (Data == nullptr || FDepth >= MaxChain || FChanges >= MaxChanges) return 0;
    struct TDepth {
        Integer& Depth;
        explicit TDepth(Integer& d) : Depth(d) { ++Depth; }
        ~TDepth() { --Depth; }
    } depth(FDepth);
    int any = 0;
    // By index: a rule's change may come back here, but nothing adds rules meanwhile.
    for (Integer i = 0; i < Count; ++i)
        if (FArray[i].Change(Data)) {
            any = 1;
            ++FChanges;
        }
    return any;
}
