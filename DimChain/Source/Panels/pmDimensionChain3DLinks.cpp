// The assembly panel's links from the generated dimensions of parts: a sketch's linear
// dimension (the matching 2D dimension of the sketch gives its points) and an extrusion's
// linear dimension (its one pair of parallel straight edges gives its planes).

#include "pmDimensionChain3D.h"

#include <exception>
#include <vector>

#include "FacadeChainHost.h"
#include "Messager.h"
#include "drEdge.h"
#include "drModelerAPI.h"
#include "drObjects2D.h"
#include "maTervan.h"
#include "tvapi/Dimensions.h"
#include "tvapi/Dimensions3D.h"
#include "tvapi/DrawingPrimitives.h"
#include "tvapi/ModelObjects.h"
#include "tvapi/Selection.h"
#include "tvapi/Symbols3D.h"
#include "tvapi/Topology.h"

namespace {

// The model object of the feature a generated dimension belongs to; empty when there is none.
tvapi::IModelObjectPtr OwnerOf(const tvapi::IBaseLineDimension3DPtr& BLDI)
{
    const tvapi::IFeaturePtr feature(BLDI);
    return tvapi::IModelObjectPtr(feature ? feature->GetOwnerFeature() : nullptr);
}

TString NameOf(const tvapi::IVariablePtr& Variable)
{
    return Variable ? TString(Variable->GetName().c_str()) : TString();
}

// A sketch opened for reading, closed again however the reading ends; the facade's current 2D
// document is the sketch's meanwhile and what it was afterwards.
class TSketchReading {
public:
    explicit TSketchReading(tvapi::ISketchPtr Sketch)
        : FSketch(std::move(Sketch)), FBefore(drApi::MA.R3->IDoc2D)
    {
        drApi::MA.R3->IDoc2D = FSketch->BeginEdit(true);
    }
    ~TSketchReading()
    {
        try {
            (void)FSketch->EndEdit();
        } catch (...) {
            // The gathering's own guard reports the failure that brought us here.
        }
        drApi::MA.R3->IDoc2D = FBefore;
    }
    TSketchReading(const TSketchReading&) = delete;
    TSketchReading& operator=(const TSketchReading&) = delete;

private:
    tvapi::ISketchPtr FSketch;
    tvapi::ITervanDocument2DPtr FBefore;
};

// Every linear dimension of every view of the open 2D document, views in collection order.
std::vector<tvapi::IDrawingObjectPtr> LinearDimensionsOf(const tvapi::ITervanDocument2DPtr& Doc)
{
    std::vector<tvapi::IDrawingObjectPtr> all;
    const tvapi::IViewsAndLayersManagerPtr manager = Doc ? Doc->GetViewsAndLayersManager() : nullptr;
    const tvapi::IViewsPtr views = manager ? manager->GetViews() : nullptr;
    const int count = views ? views->GetCount() : 0;
    for (int i = 0; i < count; ++i) {
        tvapi::IViewPtr view(views->GetItem(i));
        if (!view) continue;
        for (tvapi::IDrawingObjectPtr& d : drApi::GetObjects2D(view, tvapi::tvDrLDimension))
            all.push_back(std::move(d));
    }
    return all;
}

// The first of Dims whose view names its variable Name, as a linear dimension; empty for none.
tvapi::ILineDimensionPtr MatchingDimension(const std::vector<tvapi::IDrawingObjectPtr>& Dims,
                                           const TString& Name)
{
    for (const tvapi::IDrawingObjectPtr& d : Dims) {
        const tvapi::ILineDimensionPtr line(d);
        const tvapi::IViewPtr view(d->GetParent());
        const TString name =
            view ? NameOf(view->GetDimensionVariable(d, static_cast<bool>(line))) : TString();
        if (line && name == Name) return line;
    }
    return {};
}

} // namespace

void TpmDimensionChain3D::AddSketchLinearDimension(TDimensionChain& D0,
                                                   const tvapi::IBaseLineDimension3DPtr& BLDI,
                                                   const tvapi::ISymbols3DContainerPtr& SCP,
                                                   const TString& PartName)
{
    try {
        SketchLink(D0, BLDI, SCP, PartName);
    } catch (const std::exception&) {
        Messager.LiftBox(TString("Ошибка получения AddSketchLinearDimension"), TMessager::toAlways);
    }
}

void TpmDimensionChain3D::SketchLink(TDimensionChain& D0, const tvapi::IBaseLineDimension3DPtr& BLDI,
                                     const tvapi::ISymbols3DContainerPtr& SCP, const TString& PartName)
{
    if (!BLDI || BLDI->GetObjectType() != tvapi::o3d_SketchLinearDimension) return;
    const tvapi::IModelObjectPtr owner = OwnerOf(BLDI);
    if (!owner || owner->GetObjectType() != tvapi::o3d_sketch) return;
    // In the pool from here on; until its geometry is found it joins no path.
    TDimension& L = D0.Dimensions.Add();
    L = NewAssemblyLink(tvapi::o3d_SketchLinearDimension);
    ReadDimensionTexts(L, tvapi::IDimensionTextPtr(BLDI));
    L.MO = tvapi::IModelObjectPtr(BLDI);
    const TString variable = NameOf(SCP ? SCP->GetDimensionVariable(tvapi::IDimension3DPtr(BLDI)) : nullptr);
    tvapi::ISketchPtr sketch(owner);
    if (!sketch) return;
    TPlacement3D PS;
    drApi::GetPlacement3D(sketch, PS);
    const TSketchReading reading(sketch);
    const tvapi::ILineDimensionPtr DI = MatchingDimension(LinearDimensionsOf(drApi::MA.R3->IDoc2D), variable);
    if (!DI) return;
    const TPoint2D P1(DI->GetX1(), DI->GetY1()), P2(DI->GetX2(), DI->GetY2());
    SketchPlacements(
        PS, P1, P2, DI->GetOrientation(), [this](TPoint3D& P) { ToAssembly(P); }, L.PL1, L.PL2);
    Planes.Measure(L, PartName);
}

void TpmDimensionChain3D::AddOperationLinearDimension(TDimensionChain& D0,
                                                      const tvapi::IBaseLineDimension3DPtr& BLDI,
                                                      const tvapi::ISymbols3DContainerPtr&,
                                                      const TString& PartName)
{
    if (!BLDI || BLDI->GetObjectType() != tvapi::o3d_OperationLinearDimension) return;
    TDimension D0I = NewAssemblyLink(tvapi::o3d_OperationLinearDimension);
    ReadDimensionTexts(D0I, tvapi::IDimensionTextPtr(BLDI));
    D0I.MO = tvapi::IModelObjectPtr(BLDI);
    const tvapi::IModelObjectPtr owner = OwnerOf(BLDI);
    if (!owner) return;
    const tvapi::tvObj3dTypeEnum kind = owner->GetObjectType();
    if (kind != tvapi::o3d_baseExtrusion && kind != tvapi::o3d_bossExtrusion) return;
    const std::vector<tvapi::IModelObjectPtr> listed =
        tvapi::IFeaturePtr(BLDI)->GetModelObjects({tvapi::o3d_edge});
    if (listed.empty()) return;
    TChainHost& host = FacadeChainHost();
    host.ClearSelection();
    std::vector<TEdgeEnds> edges;
    for (const tvapi::IModelObjectPtr& object : listed) {
        const tvapi::IEdgePtr edge(object);
        if (!edge || !edge->IsStraight()) continue;
        drApi::TEdge record;
        record.Set(edge);
        edges.push_back({record.P0, record.P1});
        host.SelectModel(tvapi::IModelObjectPtr(edge));
    }
    if (OperationPairs(
            edges, [this](TPoint3D& P) { ToAssembly(P); }, Planes, D0I, PartName) == 1)
        D0.Dimensions.Add() = D0I;
}
