// The host facade's registry, the nested macro lists, and the facade globals made at load:
// drApi::MA (its constructor is in drModelerAPI.cpp), then the 2D placement stack pointer
// moved onto MA's own.

#include "drTervan.h"

#include "LoadOrder.h"

#include "drModelerAPI.h"

namespace drApi {

// ---- Nested macro lists ----------------------------------------------------------------------

void TNestedArrayOf::Add(tvapi::ITervanAPIObjectPtr Obj)
{
    if (!Obj || Count <= 0) return;
    AObjects.Add(TDepthObject(Count, Obj));
}

std::vector<tvapi::IModelObjectPtr> TNestedArrayOf::Objects()
{
    std::vector<tvapi::IModelObjectPtr> result;
    if (Count <= 0 || !FArray[Count - 1]) return result;
    const int depth = Count;
    Integer first = -1;
    for (Integer i = 0; i < AObjects.Count; ++i) {
        TDepthObject& entry = AObjects[i];
        if (entry.V1 != depth) continue;
        if (first < 0) first = i;
        result.emplace_back(entry.V2);
        entry.V2.Reset();
    }
    if (first >= 0) AObjects.Resize(first);
    return result;
}

tvapi::ITervanAPIObjectPtr TNestedArrayOf::End()
{
    if (Count <= 0 || !FArray[Count - 1]) return {};
    tvapi::ITervanAPIObjectPtr taken = std::move(FArray[Count - 1]);
    --Count;
    return taken;
}

// ---- The facade's globals -------------------------------------------------------------------

[[gnu::init_priority(loadorder::Facade)]] TModelerApi MA;

TControlModel* LibraryControlModel = nullptr;

namespace {

// Points the curves' placement stack at MA's own for as long as MA lives, and back at the
// stand-by stack before MA goes, so no curve ever maps through a destroyed stack. Defined
// right after MA: built after it, destroyed before it.
class TFacadeStack {
public:
    TFacadeStack() : FStandBy(Transf2D) { Transf2D = &MA.R2->Transf2D; }
    ~TFacadeStack() { Transf2D = FStandBy; }
    TFacadeStack(const TFacadeStack&) = delete;
    TFacadeStack& operator=(const TFacadeStack&) = delete;

private:
    TTransf2D* FStandBy;
};

[[gnu::init_priority(loadorder::FacadeStack)]] const TFacadeStack FacadeStack;

} // namespace

} // namespace drApi
