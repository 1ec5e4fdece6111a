// Construction of the host facade and its registry, the nested macro lists, and the facade
// globals made at load: drApi::MA, then the 2D placement stack pointer moved onto MA's own.

#include "drTervan.h"

#include "Dimension3D.h"
#include "LoadOrder.h"

#include "Messager.h"
#include "drModelerAPI.h"
#include "drSelectorAPI.h"

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

// ---- The facade -------------------------------------------------------------------------------

TModelerApi* TModelerApi::Last = nullptr;

namespace {

// The messenger's way to the host: the boxes of the first facade and MA's application.
class TFacadeMessageHost final : public TMessageHost {
public:
    void HostBox(const TString& M) override
    {
        if (TModelerApi::Last) TModelerApi::Last->LiftBox(M);
    }
    Boolean HostQuestion(const TString& Text) override
    {
        return TModelerApi::Last != nullptr && TModelerApi::Last->QuestionBox(Text, EmptyStr);
    }
    tvapi::IApplication* HostApplication() const override { return MA.Application(); }
};

[[gnu::init_priority(loadorder::FacadeServices)]] TFacadeMessageHost FacadeMessageHost;

// The overall sizes of the dimension layout, in the current view of the active document; M is
// the facade that lent this with itself. Both ends carry arrows, the tolerance the second text.
void OverallDimension(TModeler2D& M, Real Value, const TString& Qual, Real Dx, Real Dy, const TPoint2D& A,
                      const TPoint2D& B)
{
    static_cast<TModelerApi&>(M).drDimL7(Value, "", Dx, Dy, 0, 0, 0, 0, A.x, A.y, 1, 0, B.x, B.y, 1, 0, "",
                                         Qual, "");
}

} // namespace

// The base is built over Constraint before Constraint itself is constructed: the modeller
// only keeps the reference until the facade is complete.
TModelerApi::TModelerApi() : TModeler3D(Constraint), Constraint(*this), R3(new TRegistryApi(), true)
{
    if (Last) return;
    Last = this;
    TMessager::Instance().SetHost(&FacadeMessageHost);
    ADimension3D.M.Assign(*this); // the dimension list draws through the first facade
    ADimension3D.OverallDim = OverallDimension;
    ADimension3D.Layout3D = LayoutGeneratedDimensions;
}

TModelerApi::~TModelerApi()
{
    if (Last == this) {
        Last = nullptr;
        TMessager::Instance().SetHost(nullptr);
        if (ADimension3D.M.Ptr == this) { // borrowed: only forgotten
            ADimension3D.M.Free();
            ADimension3D.OverallDim = nullptr;
            ADimension3D.Layout3D = nullptr;
        }
    }
    R3.Free();
}

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
