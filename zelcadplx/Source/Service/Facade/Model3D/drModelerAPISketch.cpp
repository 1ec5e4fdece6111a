// ==== drApi::TModelerApi (drModelerAPI.h), part: sketches, views and face splitting ===============
// The sketch a 3D profile is drawn in: creating it on the current plane, opening and ending
// its editing (its 2D document then takes every 2D primitive), its views, model points in its
// axes, and faces of the part split by its curves or by other objects.

#include "drModelerAPI.h"

#include <exception>

#include "Dimension3D.h"
#include "tvapi/DrawingPrimitives.h"
#include "tvapi/ModelContainer.h"

namespace drApi {

namespace {

// Ends the editing that an operation began when that operation leaves by an exception, so no
// sketch is left open with the registry still drawing into it.
class TSketchOpening {
public:
    explicit TSketchOpening(TModelerApi& facade) : FFacade(facade), FExceptions(std::uncaught_exceptions()) {}
    ~TSketchOpening()
    {
        if (std::uncaught_exceptions() == FExceptions) return;
        try {
            FFacade.drEndEskis();
        } catch (...) {
        }
    }
    TSketchOpening(const TSketchOpening&) = delete;
    TSketchOpening& operator=(const TSketchOpening&) = delete;

private:
    TModelerApi& FFacade;
    int FExceptions;
};

// A new face split of the part; empty without its container, the collection or the split.
tvapi::IFaceSplitPtr NewFaceSplit(const tvapi::IPartPtr& part)
{
    const tvapi::IAuxiliaryGeomContainerPtr container(part);
    const tvapi::IFaceSplitsPtr splits = container ? container->GetFaceSplits() : nullptr;
    return splits ? splits->Add() : nullptr;
}

// Updates the new split, makes it Obj3D and records it for an open 3D macro.
void SplitMade(TRegistryApi& R, const tvapi::IModelObjectPtr& split)
{
    split->Update();
    R.Obj3D = split;
    R.AMacroObject3D.Add(tvapi::ITervanAPIObjectPtr(split));
}

tvapi::ISketchPtr NewSketch(const tvapi::IPartPtr& part)
{
    const tvapi::IModelContainerPtr container(part);
    const tvapi::ISketchesPtr sketches = container ? container->GetSketches() : nullptr;
    return sketches ? sketches->Add() : nullptr;
}

} // namespace

void TModelerApi::drEndEskis()
{
    TRegistryApi& r = *R3;
    if (!r.IDoc2D || !r.Sketch) return;
    // The registry forgets the sketch's document even when the host refuses to end it.
    struct TForget {
        TRegistryApi& R;
        ~TForget()
        {
            R.IDoc2D = nullptr;
            R.DrawingContainer = nullptr;
            R.Symbols2DContainer = nullptr;
        }
    } forget{r};
    r.Sketch->EndEdit();
}

Boolean TModelerApi::IsEskisOpen() const
{
    return R3->IDoc2D && R3->Sketch;
}

void TModelerApi::drCreateEskis(Real Angle)
{
    drCreateEskis(Angle, Str());
}

void TModelerApi::drCreateEskis(const Real& Angle, const Str& Name)
{
    drEndEskis();
    TRegistryApi& r = *R3;
    r.IDoc3D = tvapi::ITervanDocument3DPtr(r.IDoc);
    r.Part = r.IDoc3D ? r.IDoc3D->GetTopPart() : nullptr;
    r.Sketch = NewSketch(r.Part);
    if (!r.Sketch) {
        R2->Constraint2D.Count = 0;
        return;
    }
    r.Sketch->SetPlane(r.Plane);
    r.Sketch->SetName(Wide(Name).c_str());
    r.Sketch->SetAngle(Angle);
    r.Sketch->Update();
    r.Obj3D = tvapi::IModelObjectPtr(r.Sketch);
    r.AMacroObject3D.Add(tvapi::ITervanAPIObjectPtr(r.Sketch));
    TSketchOpening opening(*this);
    r.IDoc2D = tvapi::ITervanDocument2DPtr(r.Sketch->BeginEdit(false));
    drOpenView(0);
    R2->Constraint2D.Count = 0;
}

void TModelerApi::drOpenEskis(tvapi::ISketchPtr Sketch)
{
    drEndEskis();
    TRegistryApi& r = *R3;
    r.Sketch = Sketch;
    if (!r.Sketch) return;
    TSketchOpening opening(*this);
    r.IDoc2D = tvapi::ITervanDocument2DPtr(r.Sketch->BeginEdit(false));
    r.DrawingContainer = tvapi::IDrawingContainerPtr(r.IDoc2D);
    r.Symbols2DContainer = tvapi::ISymbols2DContainerPtr(r.IDoc2D);
    R2->Constraint2D.Count = 0;
}

void TModelerApi::drOpenView(Integer N)
{
    if (OutputContour() != nullptr) return;
    TRegistryApi& r = *R3;
    if (!r.IDoc2D) return;
    const tvapi::IViewsAndLayersManagerPtr manager = r.IDoc2D->GetViewsAndLayersManager();
    const tvapi::IViewsPtr views = manager ? manager->GetViews() : nullptr;
    if (!views) return;
    r.View = views->GetItem(1);
    r.View = N != 0 ? views->GetItem(N) : views->GetActiveView();
    r.DrawingContainer = tvapi::IDrawingContainerPtr(r.View);
    r.Symbols2DContainer = tvapi::ISymbols2DContainerPtr(r.View);
    R2->Constraint2D.Count = 0;
    ADimension3D.Clear2D(GetDetailCode());
}

void TModelerApi::drSketchTranslate(TPoint3D& P, TPoint2D& Result)
{
    if (!R3->Sketch) return;
    R3->Sketch->PointIntoSketch(P.x, P.y, P.z, Result.x, Result.y);
}

void TModelerApi::drSplitFaceSketch(const TVOf<tvapi::IFacePtr>& Faces, tvapi::ISketchPtr Sketch,
                                    tvapi::tvDirectionTypeEnum TypeSplit)
{
    R3->Obj3D = {};
    if (!Sketch) return;
    drEndEskis();
    const tvapi::IFaceSplitPtr split = NewFaceSplit(R3->Part);
    if (!split) return;
    split->SetDirection(TypeSplit);
    split->SetSketch(Sketch);
    split->SetFaces(Faces);
    SplitMade(*R3, tvapi::IModelObjectPtr(split));
}

void TModelerApi::drSplitFaceObjects(const TVOf<tvapi::IFacePtr>& Faces, const TVOfMO& CutObjects,
                                     tvapi::tvDirectionTypeEnum TypeSplit)
{
    R3->Obj3D = {};
    const tvapi::IFaceSplitPtr split = NewFaceSplit(R3->Part);
    if (!split) return;
    split->SetDirection(TypeSplit);
    split->SetCutObjects(CutObjects);
    split->SetFaces(Faces);
    SplitMade(*R3, tvapi::IModelObjectPtr(split));
}

} // namespace drApi
