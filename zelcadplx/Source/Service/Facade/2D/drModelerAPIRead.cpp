// ==== drApi::TModelerApi (drModelerAPI.h), part: reading 2D geometry into curves ================
// Reading the geometry of a 2D document into the system's own curves: the segments, arcs,
// circles and other curves of the active view, each remembering its host object; the sketch
// of a part is found by name and read while it is open for editing; and the bridges to the
// host's transfer service.

#include "drModelerAPI.h"

#include <cmath>
#include <vector>

#include "Arc.h"
#include "Contour.h"
#include "LineSeg.h"
#include "Mathemat.h"
#include "maTervan.h"
#include "tvapi/DrawingPrimitives.h"
#include "tvapi/ModelObjects.h"
#include "tvapi/TransferService.h"

namespace drApi {

namespace {

constexpr Real PolygonStep = 1.0;      // step of the host's approximation of other curves
constexpr Integer ApproximatedAtr = 1; // style of the segments of an approximated curve

// The curve of a segment, arc or circle, or null for another kind or a missing interface.
TCurve2D* CurveOf(const tvapi::IDrawingObjectPtr& object)
{
    switch (object->GetDrawingObjectType()) {
    case tvapi::tvDrLineSeg:
        if (const tvapi::ILineSegmentPtr s{object}) {
            auto* seg = new TLineSeg(s->GetX1(), s->GetY1(), s->GetX2(), s->GetY2());
            seg->Atr = s->GetStyle();
            return seg;
        }
        return nullptr;
    case tvapi::tvDrCircle:
        if (const tvapi::ICirclePtr c{object}) {
            auto* circle = new TCircle(c->GetXc(), c->GetYc(), c->GetRadius());
            circle->Atr = c->GetStyle();
            return circle;
        }
        return nullptr;
    case tvapi::tvDrArc:
        if (const tvapi::IArcPtr a{object}) {
            const Real r = a->GetRadius();
            // The host's flag tells a clockwise arc.
            const TArc::TDirection sense = a->GetDirection() ? TArc::ByClockWise : TArc::BackClockWise;
            const Real xc = a->GetXc(), yc = a->GetYc();
            auto* arc = new TArc();
            arc->x = xc;
            arc->y = yc;
            arc->Radius = r;
            arc->Atr = a->GetStyle();
            arc->sense = sense;
            arc->InitByPositionAngles(AngleLine(xc, yc, a->GetX1(), a->GetY1()) * TMathDef::DEGRAD,
                                      AngleLine(xc, yc, a->GetX2(), a->GetY2()) * TMathDef::DEGRAD, sense);
            return arc;
        }
        return nullptr;
    default:
        return nullptr;
    }
}

// The polygon of another curve as segments of style 1.
void AddPolygon(const tvapi::IDrawingObjectPtr& object, TContour& result)
{
    if (!object->IsCurve()) return;
    const tvapi::ICurve2DPtr curve(object);
    const std::vector<double> p = curve ? curve->GetPolygon(PolygonStep) : std::vector<double>();
    if (p.size() < 3) return;
    for (std::size_t i = 0; i + 3 < p.size(); i += 2) {
        auto* seg = new TLineSeg(p[i], p[i + 1], p[i + 2], p[i + 3]);
        seg->Atr = ApproximatedAtr;
        result.Items::Add(seg);
    }
}

} // namespace

Boolean TModelerApi::GetDoc2D(tvapi::ITervanDocument2DPtr& doc2D, const Integer NLayer,
                              TContour& ResultContour)
{
    const tvapi::ITransferServicePtr service = GetTransferService();
    ResultContour.Clear();
    if (!doc2D) return false;
    const tvapi::IViewsAndLayersManagerPtr manager = doc2D->GetViewsAndLayersManager();
    const tvapi::IViewsPtr views = manager ? manager->GetViews() : nullptr;
    const tvapi::IDrawingContainerPtr container(views ? views->GetActiveView() : nullptr);
    if (!container) return false;
    for (const tvapi::IDrawingObjectPtr& object : container->GetObjects(tvapi::tvAllObj)) {
        if (!object) continue;
        if (NLayer != 0 && object->GetLayerNumber() != NLayer) continue;
        if (TCurve2D* curve = CurveOf(object)) {
            curve->Obj = object.Get();
            curve->Name2 = service ? service->GetReference(tvapi::IAPIObjectPtr(object)) : 0;
            ResultContour.Items::Add(curve);
            continue;
        }
        AddPolygon(object, ResultContour);
    }
    return ResultContour.Count > 0;
}

tvapi::IModelObjectPtr TModelerApi::FindEntity(tvapi::IPartPtr& Part, const tvapi::tvObj3dTypeEnum EType,
                                               const Str& EName)
{
    for (const tvapi::IModelObjectPtr& object : GetObjects(tvapi::IModelObjectPtr(Part), EType))
        if (object && TString(object->GetName()) == EName) return object;
    return {};
}

Boolean TModelerApi::FindBody(tvapi::IPartPtr Part, TArrayOf<tvapi::IBodyPtr>& aBC)
{
    if (!Part) return aBC.Count > 0;
    for (const tvapi::IModelObjectPtr& body : GetObjects(tvapi::IModelObjectPtr(Part), tvapi::o3d_body))
        aBC.Add(tvapi::IBodyPtr(body));
    const tvapi::IPartsPtr parts = Part->GetParts();
    const int n = parts ? parts->GetCount() : 0;
    for (int i = 0; i < n; ++i) {
        const tvapi::IPartsPtr again = Part->GetParts();
        if (again) FindBody(again->GetItem(i), aBC);
    }
    return aBC.Count > 0;
}

namespace {

// Ends the editing of a sketch however its reading ends.
class TSketchEditing {
public:
    explicit TSketchEditing(tvapi::ISketchPtr sketch) : FSketch(std::move(sketch)) {}
    // A host that throws here cannot be answered from a destructor: the sketch stays open.
    ~TSketchEditing()
    {
        try {
            FSketch->EndEdit();
        } catch (...) {
        }
    }
    TSketchEditing(const TSketchEditing&) = delete;
    TSketchEditing& operator=(const TSketchEditing&) = delete;

    tvapi::ITervanDocument2DPtr Begin() { return tvapi::ITervanDocument2DPtr(FSketch->BeginEdit(true)); }

private:
    tvapi::ISketchPtr FSketch;
};

} // namespace

Boolean TModelerApi::PartGetEskis(tvapi::IPartPtr Part, const Str& EskisName, const Integer Layer,
                                  TContour& Result)
{
    tvapi::ISketchPtr sketch(FindEntity(Part, tvapi::o3d_sketch, EskisName));
    if (!sketch) return false;
    TSketchEditing editing(std::move(sketch));
    tvapi::ITervanDocument2DPtr doc = editing.Begin();
    return GetDoc2D(doc, Layer, Result);
}

tvapi::IAPIObjectPtr Transfer(tvapi::IAPIObjectPtr Obj, long, long)
{
    return Obj;
}

tvapi::IAPIObjectPtr Transfer(int Obj, int Doc)
{
    if (Obj == 0) return {};
    const tvapi::ITransferServicePtr service = GetTransferService();
    return service ? service->GetAPIObject(Obj, Doc) : tvapi::IAPIObjectPtr();
}

} // namespace drApi
